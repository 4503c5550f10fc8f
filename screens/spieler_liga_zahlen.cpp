#include "screens/spieler_liga_zahlen.h"

#include <algorithm>

#include "database/spieler.h"
#include "database/spieler_statistik.h"

namespace {

// One statistic of the player over his club's league (no competition list: the club's league);
// the second value where the kind has one.
int32_t wert(int32_t modus, int32_t team, int32_t spnr, int32_t* zweiter = nullptr)
{
    int32_t masken = -1, z = -1;
    const int32_t w = Spieler_Get_Spieler_Statistik(modus, nullptr, 0, team, spnr, -1, -1, -1, -1, nullptr, &masken,
                                                    nullptr, 1, &z);
    if (zweiter) *zweiter = std::max(z, 0);
    return std::max(w, 0);
}

constexpr int32_t TORE = 0, VORLAGEN = 1, KARTEN = 7, GEHALTEN = 9, PRO_SPIEL = 12, EINSAETZE = 13;

}  // namespace

Spieler_Liga_Zahlen Spieler_Liga_Zahlen_Holen(int32_t team, int32_t spnr)
{
    Spieler_Liga_Zahlen z{};
    if (spnr < 0 || spnr >= Spieler_Anzahl) return z;
    z.einsaetze = wert(EINSAETZE, team, spnr);
    // the cards come as red, yellow-red and yellow counts
    int32_t masken = -1, zweiter = -1, karten[3] = {0, 0, 0};
    Spieler_Get_Spieler_Statistik(KARTEN, nullptr, 0, team, spnr, -1, -1, -1, -1, nullptr, &masken, karten, 1, &zweiter);
    z.rot = std::max(karten[0], 0);
    z.gelb_rot = std::max(karten[1], 0);
    z.gelb = std::max(karten[2], 0);
    if (Spieler_Wert(SP_ART, spnr, 0, SP_LESEN) == 0) {
        z.paraden = wert(GEHALTEN, team, spnr);
        return z;
    }
    z.tore = wert(TORE, team, spnr);
    z.vorlagen = wert(VORLAGEN, team, spnr);
    int32_t tausendstel = 0;
    z.pro_spiel = wert(PRO_SPIEL, team, spnr, &tausendstel);
    z.pro_spiel_zehntel = std::clamp(tausendstel / 100, 0, 9);
    return z;
}
