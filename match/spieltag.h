// The match day: which games are played today.
#pragma once
#include <cstdint>

// Today's opponent of the club, -1 when it does not play (or no match day runs). Every output
// may be null: auswaerts 1 when the club plays away in a competition with home right,
// wichtigkeit the competition's match-day weight (0 without a game), spiel the game's lock
// handle in the match store (-1 without a game), wettbewerb its competition.
int32_t Spieltag_Get_Gegner(int32_t team, int32_t* auswaerts, int32_t* wichtigkeit, int32_t* spiel,
                            int32_t* wettbewerb);
// Test hook: answers in place of the match day while set (null removes it).
using Spieltag_Gegner_Hook = int32_t (*)(int32_t team, int32_t* auswaerts, int32_t* wichtigkeit, int32_t* spiel,
                                         int32_t* wettbewerb);
void Spieltag_Set_Gegner_Hook(Spieltag_Gegner_Hook hook);
