// A lined-up player's position cell and his two areas of play on the 27 x 17 grid (cell =
// row * 17 + column): link fields 310 (position), 311/312 (outer area, top-left and bottom-right),
// 313/314 (inner area). The fields are read and written as stored, so a team seen from the other
// side of the pitch is neither mirrored on reading nor left mirrored on writing.
#include <algorithm>
#include <cstdlib>

#include "database/spieler.h"
#include "database/teamspieler.h"
#include "platform/print.h"
#include "platform/zufall.h"

namespace {

constexpr int32_t SPALTEN = 17;
constexpr int32_t LETZTE_ZEILE = 26;
constexpr int32_t LETZTE_SPALTE = 16;

int32_t begrenzt(int32_t v, int32_t lo, int32_t hi) { return std::min(std::max(v, lo), hi); }

}  // namespace

void Spieler_Raum_Symmetrisch(int32_t position, int32_t& oz1, int32_t& os1, int32_t& oz2, int32_t& os2,
                              int32_t& iz1, int32_t& is1, int32_t& iz2, int32_t& is2)
{
    const int32_t zeile = position / SPALTEN;
    const int32_t spalte = position % SPALTEN;
    const int32_t d1 = std::abs(zeile - oz1);
    const int32_t d2 = std::abs(zeile - oz2);
    if (d1 != d2) {
        if (d1 < d2)
            oz2 = zeile + d1;
        else
            oz1 = zeile - d2;
    }
    const int32_t d3 = std::abs(spalte - os1);
    const int32_t d4 = std::abs(spalte - os2);
    if (d3 != d4) {
        if (d3 < d4)
            os2 = spalte + d3;
        else
            os1 = spalte - d4;
    }
    iz1 = begrenzt(iz1, oz1, oz2);
    iz2 = begrenzt(iz2, oz1, oz2);
    is1 = begrenzt(is1, os1, os2);
    is2 = begrenzt(is2, os1, os2);
    iz1 = std::min(iz1, zeile - 1);
    iz2 = std::max(iz2, zeile + 1);
}

bool Spieler_Raum_Ist_Ungueltig(int32_t team, int32_t spnr)
{
    const int32_t a = Teamspieler_Wert(311, team, spnr, 0, 0);
    const int32_t b = Teamspieler_Wert(312, team, spnr, 0, 0);
    if (a < 0 || b < 0) return true;
    const int32_t z1 = a / SPALTEN, s1 = a % SPALTEN, z2 = b / SPALTEN, s2 = b % SPALTEN;
    const bool gut = z1 >= 0 && z1 <= LETZTE_ZEILE && z2 >= 0 && z2 <= LETZTE_ZEILE && s1 >= 0 && s2 >= 0 &&
                     z1 < z2 && s1 < s2;
    return !gut;
}

void Spieler_Raum_Zufaellige_Ausdehnung(int32_t, int32_t position, int32_t* zeilen, int32_t* spalten,
                                        int32_t zeilen_grenze, int32_t spalten_grenze)
{
    if (position < 0) position = 0;
    const int32_t zeile = position / SPALTEN;
    const int32_t spalte = position % SPALTEN;
    int32_t raum = zeile < 13 ? zeile : LETZTE_ZEILE - zeile;
    if (zeilen_grenze != -1 && zeilen_grenze < raum) raum = std::max(zeilen_grenze, 0);
    int32_t z = 0;
    if (raum > 0) {
        const int32_t los1 = Zufall(1, raum);
        const int32_t los2 = Zufall(1, raum);
        z = std::max(los1, los2);
    }
    raum = spalte < 8 ? spalte : LETZTE_SPALTE - spalte;
    if (spalten_grenze != -1 && spalten_grenze < raum) raum = std::max(spalten_grenze, 0);
    int32_t s = 0;
    if (raum > 0) s = Zufall(1, raum);
    if (zeilen) *zeilen = z;
    if (spalten) *spalten = s;
}

// Flag a drags the bottom-right corner of the outer area and the inner one's with it, flag b the
// top-left corners, neither the position with the whole areas.
void Spieler_Raum_Anpassen(int32_t team, int32_t spnr, int32_t* neue_zeile, int32_t* neue_spalte, bool ecke_a,
                           bool ecke_b)
{
    if (!neue_zeile || !neue_spalte) {
        Print_Fehler("Spieler_Raum_Anpassen: NULL-Zeiger!");
        return;
    }
    if (!Teamspieler_Get_Record(team, spnr)) return;
    int32_t z[5], s[5];
    for (int32_t i = 0; i < 5; ++i) {
        int32_t zelle = Teamspieler_Wert(310 + i, team, spnr, 0, 0);
        if (zelle < 0 || zelle >= 27 * SPALTEN) zelle = i == 0 ? 13 * SPALTEN + 8 : (i == 1 || i == 3 ? 0 : 459 - 1);
        z[i] = zelle / SPALTEN;
        s[i] = zelle % SPALTEN;
    }
    *neue_zeile = ecke_a ? begrenzt(*neue_zeile, 2, 26) : ecke_b ? begrenzt(*neue_zeile, 0, 24) : begrenzt(*neue_zeile, 1, 25);
    *neue_spalte = begrenzt(*neue_spalte, 1, 15);

    const int32_t bewegt = ecke_a ? 2 : ecke_b ? 1 : 0;
    const int32_t dz = *neue_zeile - z[bewegt];
    const int32_t ds = *neue_spalte - s[bewegt];
    z[bewegt] = *neue_zeile;
    s[bewegt] = *neue_spalte;
    const int32_t mit = ecke_a ? 4 : ecke_b ? 3 : -1;
    for (int32_t i = 1; i < 5; ++i)
        if (i == mit || mit < 0) {
            z[i] += dz;
            s[i] += ds;
        }

    // The position keeps a column free on either side, so that the outer area is never a
    // single column wide.
    z[0] = begrenzt(z[0], 1, 25);
    s[0] = begrenzt(s[0], 1, 15);
    z[1] = begrenzt(z[1], 0, z[0] - 1);
    s[1] = begrenzt(s[1], 0, s[0] - 1);
    z[2] = begrenzt(z[2], z[0] + 1, LETZTE_ZEILE);
    s[2] = begrenzt(s[2], s[0] + 1, LETZTE_SPALTE);
    for (int32_t i = 3; i < 5; ++i) {
        z[i] = begrenzt(z[i], z[1], z[2]);
        s[i] = begrenzt(s[i], s[1], s[2]);
    }
    const int32_t position = z[0] * SPALTEN + s[0];
    Spieler_Raum_Symmetrisch(position, z[1], s[1], z[2], s[2], z[3], s[3], z[4], s[4]);
    Teamspieler_Wert(310, team, spnr, position, 1);
    for (int32_t i = 1; i < 5; ++i) Teamspieler_Wert(310 + i, team, spnr, z[i] * SPALTEN + s[i], 1);
}
