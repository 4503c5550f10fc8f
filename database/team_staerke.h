// Strength measures of a team over its players. Entry points only until the team strength
// module lands; the bodies give neutral answers (no strength, an even comparison).
#pragma once
#include <cstdint>

// Sum of a player field over the team's players; with `mittel` their mean.
int32_t Team_Spieler_Summen_Staerke(int32_t team, int32_t feld, int32_t mittel);
// Team against opponent, each value 50 for an even match: total, defence, midfield, attack.
void Team_Vergleiche_Abw_Mit_Stu(int32_t team, int32_t gegner, int32_t* gesamt, int32_t* abwehr,
                                 int32_t* mittelfeld, int32_t* sturm, int32_t maske, int32_t flags);
