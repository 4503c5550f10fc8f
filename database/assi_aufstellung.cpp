// The line-up assistant's single steps: a player's place and area of play on the grid, the
// removal of players who cannot play, and the tactic figure.
#include <algorithm>

#include "database/assistent.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "platform/print.h"
#include "platform/zufall.h"

namespace {

constexpr int32_t SPALTEN = 17;
constexpr uint32_t NICHT_EINSETZBAR = 0xFC0;

int32_t zelle(int32_t z, int32_t s) { return z * SPALTEN + s; }

bool zelle_besetzt(int32_t team, int32_t spnr, int32_t z)
{
    int32_t feld[500];
    const int32_t n = std::min<int32_t>(Teamspieler_Ins_Array(team, feld, 500, 0), 500);
    for (int32_t i = 0; i < n; ++i)
        if (feld[i] != spnr && Teamspieler_Wert(310, team, feld[i], 0, 0) == z) return true;
    return false;
}

}  // namespace

int32_t Assi_Position_In_Mannschaftsteil(int32_t slot, int32_t code, int32_t* aus)
{
    int32_t teil = 0;
    if (slot >= 0)
        teil = slot / 3;
    else
        teil = code == 0 ? 0 : code == 16 ? 4 : (code - 1) / 3;
    if (aus) *aus = teil;
    return teil;
}

void Assi_Aufstellung_Bereinigen(int32_t team)
{
    if (!T || team < 0 || team >= Team_Anzahl) return;
    int32_t feld[500];
    const int32_t n = std::min<int32_t>(Teamspieler_Ins_Array(team, feld, 500, 0), 500);
    for (int32_t i = 0; i < n; ++i) {
        const uint32_t flags = static_cast<uint32_t>(Teamspieler_Wert(317, team, feld[i], 0, 0));
        if (!(flags & NICHT_EINSETZBAR)) continue;
        Teamspieler_Wert(317, team, feld[i], TS_STARTELF | TS_ERSATZ, 4);
        Teamspieler_Wert(316, team, feld[i], -1, 1);
    }
}

void Assi_Taktik_Wert_Setzen(int32_t team, int32_t ziel)
{
    if (!T || team < 0 || team >= Team_Anzahl) return;
    const int32_t slot = Assistent_Mit_Aufgabe(team, 1);
    if (slot < 0) return;
    const int32_t a = Assistent_Faehigkeit(team, slot, 1);
    if (a < 0) return;
    const int32_t faktor = Zufall_Gross(80 + a / 5, 130 - a / 5);
    const int32_t wert = std::clamp(ziel * faktor / 100, 5, 95);
    Team_Wert(152, team, wert, TEAM_SCHREIBEN);
}

// New players start on the free places down the middle column; the area is drawn around the
// place (or, with `behalten`, the old area is carried along) and the reference cells are the
// middles of its top and bottom edges.
void Assi_Setze_Spieler_Raum(int32_t team, int32_t spnr, bool neu, bool behalten)
{
    if (!Teamspieler_Get_Record(team, spnr)) return;
    if (Spieler_Wert(SP_LIEBLINGSPOS, spnr, 0, SP_LESEN) == SP_POS_TORWART) return;
    const int32_t alt = Teamspieler_Wert(310, team, spnr, 0, 0);
    int32_t pos = alt;
    if (pos < 0 || pos >= 459 || neu) {
        pos = -1;
        for (int32_t z = 8; z <= 26 && pos < 0; z += 2)
            if (!zelle_besetzt(team, spnr, zelle(z, 8))) pos = zelle(z, 8);
        if (pos < 0) pos = zelle(14, 9);
    }
    const int32_t z = pos / SPALTEN, s = pos % SPALTEN;
    int32_t z1 = 0, s1 = 0, z2 = 0, s2 = 0;
    const int32_t a = Teamspieler_Wert(311, team, spnr, 0, 0);
    const int32_t b = Teamspieler_Wert(312, team, spnr, 0, 0);
    if (behalten && alt >= 0 && alt < 459 && a >= 0 && b >= 0) {
        const int32_t dz = z - alt / SPALTEN, ds = s - alt % SPALTEN;
        z1 = a / SPALTEN + dz, s1 = a % SPALTEN + ds;
        z2 = b / SPALTEN + dz, s2 = b % SPALTEN + ds;
    } else {
        int32_t ez = 0, es = 0;
        Spieler_Raum_Zufaellige_Ausdehnung(0, pos, &ez, &es, 9, 4);
        z1 = z - ez, z2 = z + ez, s1 = s - es, s2 = s + es;
    }
    z1 = std::clamp(z1, 0, 26), z2 = std::clamp(z2, 0, 26);
    s1 = std::clamp(s1, 0, 16), s2 = std::clamp(s2, 0, 16);
    if (z2 - z1 < 2 || s2 - s1 < 2) {
        pos = zelle(14, 9);
        z1 = 8, s1 = 5, z2 = 20, s2 = 13;
    }
    const int32_t mitte = (s1 + s2) / 2;
    Teamspieler_Wert(310, team, spnr, pos, 1);
    Teamspieler_Wert(311, team, spnr, zelle(z1, s1), 1);
    Teamspieler_Wert(312, team, spnr, zelle(z2, s2), 1);
    Teamspieler_Wert(313, team, spnr, zelle(z1, mitte), 1);
    Teamspieler_Wert(314, team, spnr, zelle(z2, mitte), 1);
}
