// Entry points of the rule votes, the league screens' match count and the chart points, until they land.
#include "competitions/wettbewerb.h"

static Wettbewerb_Abstimmung_Beobachter abstimmung_beobachter = nullptr;
static Ligen_Paarungen_Abfrage paarungen_abfrage = nullptr;

void Wettbewerb_Set_Abstimmung_Beobachter(Wettbewerb_Abstimmung_Beobachter b) { abstimmung_beobachter = b; }
void Ligen_Set_Paarungen_Abfrage(Ligen_Paarungen_Abfrage a) { paarungen_abfrage = a; }

void Wettbewerb_Regel_Abstimmung_Zaehlen(bool ja)
{
    if (abstimmung_beobachter) abstimmung_beobachter(ja);
}

int32_t Ligen_Tabelle_Paarungen_Ermitteln(Wettbewerb_Id id, int32_t team)
{
    return paarungen_abfrage ? paarungen_abfrage(id, team) : 0;
}

bool Statistik_Sortieren(const int32_t*, int32_t, int32_t*, int32_t*, int32_t, int32_t, int32_t, int32_t, int32_t,
                         int32_t, int32_t, int32_t, int32_t)
{
    return false;
}
