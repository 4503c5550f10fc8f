#include "screens/spieler_einsetzen.h"

// No tactics to apply until the line-up screen lands.
void Spieler_Einsetzen_Taktik_Anwenden(int32_t) {}

namespace {

Spieler_Einsetzen_Refresh_Beobachter refresh_beobachter = nullptr;

}  // namespace

void Spieler_Einsetzen_Set_Refresh_Beobachter(Spieler_Einsetzen_Refresh_Beobachter b) { refresh_beobachter = b; }

void Spieler_Einsetzen_Einsatz_Refresh(int32_t wert)
{
    if (refresh_beobachter) refresh_beobachter(wert);
}
int32_t Spieler_Einsetzen_Get_Modus(int32_t) { return 0; }
void Spieler_Einsetzen_Aufstellung_Vorschlagen(int32_t, int32_t, int32_t) {}

static Spieler_Einsetzen_Pruef_Hook pruef_hook = nullptr;
void Spieler_Einsetzen_Set_Pruef_Hook(Spieler_Einsetzen_Pruef_Hook hook) { pruef_hook = hook; }

bool Spieler_Einsetzen_Aufstellung_Pruefen(int32_t team, int32_t gegner, const Spieler_Aufstellung_Eintrag* e,
                                           int32_t anzahl)
{
    return pruef_hook ? pruef_hook(team, gegner, e, anzahl) : true;
}
