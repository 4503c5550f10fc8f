// A game of the generated world for the pitch model: a new game, the match store and one game of
// two clubs, shared by the pitch benchmark and the line-up tool. The configuration reader must
// point at a world folder first.
#pragma once
#include <cstdint>

#include "bench/saison_welt.h"
#include "competitions/spiele.h"
#include "competitions/statistik.h"
#include "database/team.h"

// The game handle of HOME against AWAY in a league block of their league; -1 when the world does
// not read or a club does not exist.
inline int32_t Spielfeld_Welt_Spiel(int32_t seed, int32_t heim, int32_t gast)
{
    if (!Saison_Neues_Spiel(seed)) return -1;
    if (heim < 0 || gast < 0 || heim >= Team_Anzahl || gast >= Team_Anzahl || heim == gast) return -1;
    Spiele_Init();
    Statistik_Init();
    const int32_t liga = Team_Wert(TEAM_LIGA, heim, 0, TEAM_LESEN);
    const int32_t block = Spiele_Init_Neue_Spiele(1, 2, 2, 1, liga, -1);
    const int32_t h = Spiele_Lock(block, 0, 0, 0);
    if (h < 0) return -1;
    Spiele_Set_Teams(h, heim, gast);
    return h;
}
