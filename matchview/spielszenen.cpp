#include "matchview/spielszenen.h"

void Spielszenen_Animationen_Zuruecksetzen() {}

static Spielszenen_Lade_Hook lade_hook = nullptr;
void Spielszenen_Set_Lade_Hook(Spielszenen_Lade_Hook hook) { lade_hook = hook; }
bool Spielszenen_Grafik_Laden() { return lade_hook ? lade_hook() : false; }
void Spielszenen_Grafik_Freigeben() {}
void Spielszenen_Run(Spielfeld_Record*, Spielfeld_Steuerung_Block*, uint8_t) {}

void Spielszenen_Sound_Reaktion_Spielen(int32_t, int32_t) {}
void Spielszenen_Sound_Gruppe_Spielen(int32_t, int32_t) {}
void Spielszenen_Sound_Spielen(int32_t, int32_t, int32_t) {}
static Spielszenen_Ticker_Hook ticker_hook = nullptr;
void Spielszenen_Set_Ticker_Hook(Spielszenen_Ticker_Hook hook) { ticker_hook = hook; }
void Spielszenen_Ticker_Setzen(const char* text)
{
    if (ticker_hook) ticker_hook(text);
}
void Spielszenen_Ticker_Loeschen() {}
int32_t Spielszenen_Modus = SPIELSZENEN_SCREEN;
uint8_t Spielszenen_Neu_Zeichnen_Angefordert = 0;
void Spielszenen_Neu_Zeichnen() { Spielszenen_Neu_Zeichnen_Angefordert = 1; }
void Spielszenen_Bildschirm_Freigeben() {}
void Spielszenen_Blinken() {}
void Spielfeld_Replay_Schnappschuss(Spielfeld_Record*) {}
