// The day's games of a competition, its live table, the computer clubs' reaction during a game,
// and the friendly competition.
#include "competitions/spiele_tabelle.h"
#include "competitions/wettbewerb.h"

bool Wettbewerb_Get_Heutige_Spiele(int32_t, int32_t* liste)
{
    if (liste) liste[0] = 0;
    return false;
}

bool Wettbewerb_Spiel_Tagesspiele(int32_t spiel, int32_t* liste) { return Wettbewerb_Get_Heutige_Spiele(spiel, liste); }

bool Wettbewerb_Spiel_Tabelle(int32_t, Tabelle_Datensatz*, int32_t, int32_t, int32_t, int32_t, int32_t) { return false; }

static Tabelle_Datensatz live_tabelle;

Tabelle_Datensatz* Wettbewerb_Live_Tabelle() { return &live_tabelle; }

bool Wettbewerb_Live_Tabelle_Berechnen(Wettbewerb_Id) { return false; }

void Wettbewerb_Computer_Reaktion(Wettbewerb_Id, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, uint8_t*) {}

bool Wettbewerb_Freundschaftsspiel_Einfuegen(int32_t, int32_t, int32_t) { return false; }
