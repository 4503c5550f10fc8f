#include "competitions/statistik.h"

#include <algorithm>

#include "competitions/spiele_statistik.h"
#include "database/spieler.h"
#include "database/spieler_statistik.h"
#include "database/teamspieler.h"

namespace {
// Goals and assists come out of one count: the mode of the scorer list weighs the two masks
// and hands back each mask's count.
constexpr int32_t MODUS_SCORES = 2, MODUS_EINSAETZE = 13;
}  // namespace

void Statistik_Spieler_Liga_Werte(int32_t spieler, int32_t* tore, int32_t* einsaetze, int32_t* vorlagen)
{
    int32_t t = 0, e = 0, v = 0;
    // Only a club in a league has league figures; a player on the market or without a club none.
    const int32_t team =
        spieler >= 0 && spieler < Spieler_Anzahl ? Teamspieler_Get_Team_Des_Spielers(-1, spieler, -1) : -1;
    if (team >= 0) {
        int32_t masken = -1, zweiter = -1, werte[SPIELE_STAT_MASKEN] = {};
        // No competition list: the one the club plays its league in.
        if (Spieler_Get_Spieler_Statistik(MODUS_SCORES, nullptr, 0, team, spieler, -1, -1, -1, -1, nullptr, &masken,
                                          werte, 1, &zweiter) > 0 &&
            masken == 2)
            t = std::max(werte[0], 0), v = std::max(werte[1], 0);
        e = std::max(Spieler_Get_Spieler_Statistik(MODUS_EINSAETZE, nullptr, 0, team, spieler, -1, -1, -1, -1, nullptr,
                                                   &masken, nullptr, 1, &zweiter),
                     0);
    }
    if (tore) *tore = t;
    if (einsaetze) *einsaetze = e;
    if (vorlagen) *vorlagen = v;
}
