// Strength measures of a team over its players.
#pragma once
#include <cstdint>

struct TS;

// Team strength matrix: rows 0 keepers, 1 defenders, 2 midfielders, 3 attackers, 4 the whole team;
// columns 0-2 three attribute values (a keeper's strength thrice, else fitness, intelligence,
// technique), 3 the form, 4 the players' mean strength, 5 the number of players.
// Mask bits: 1, 2, 4, 8 rows 0-3; 16 the whole-team row; 32, 64, 128 attribute columns 0-2;
// 256 the form. Flag bits: 1 keep sums; 2 only the starting eleven; 4 row by line-up place.
void Team_Staerke(int32_t maske, int32_t flags, int32_t team, int32_t matrix[5][6]);
// Team_Staerke(255, 0, ...) of a squad already at hand: the player numbers and link records of
// every item of the team's list, in its order (as Teamspieler_Kader gathers them).
void Team_Staerke_Kader(const int32_t* spnr, const TS* const* records, int32_t n, int32_t matrix[5][6]);
// The whole team's mean strength 0..999 (all four lines, the three attribute columns): the
// club's strength as its result record reports it; 0 without players.
int32_t Team_Gesamtstaerke(int32_t team);
// Team against opponent, each value 50 for an even match: total, defence, midfield, attack.
void Team_Vergleiche_Abw_Mit_Stu(int32_t team, int32_t gegner, int32_t* gesamt, int32_t* abwehr,
                                 int32_t* mittelfeld, int32_t* sturm, int32_t maske, int32_t flags);
// Sum of a player field over the team's players; with `mittel` their mean.
int32_t Team_Spieler_Summen_Staerke(int32_t team, int32_t feld, int32_t mittel);
// The window of player strengths that suits tier `stufe` of `stufen` (-1: the team's league);
// returns the width of a tier. The two pseudo-teams have 0..999 and 999; team -1 takes the tiers
// as given (0 of 1 when -1).
int32_t Team_Get_Staerke_Spanne(int32_t team, int32_t* min, int32_t* max, int32_t stufe, int32_t stufen);
// The team's readiness 0..99 for a match on the pitch, from morale and promised bonuses; a, b and
// c enable the bonus kinds (0, 1, 3, 6, 7 need a; 4 needs b; 2 and 5 need c).
int32_t Team_Spielfeld_Staerke(int32_t team, int32_t a, int32_t b, int32_t c);
// Moves a group of attributes (by player field) of the field players so that their mean becomes
// the target, each value within min..max.
void Team_K_I_T_Variieren(int32_t feld, int32_t team, int32_t ziel, int32_t min, int32_t max);
