// The team information screen's computations: chart points, the league label of the player
// screens and the walk to the previous or next club.
#pragma once
#include <cstdint>

// Screen positions of the chart points of `anzahl` values inside the rectangle (swapped corners
// are put right). The range is the values' own unless a fixed minimum or maximum (not -1) is
// given; the scales grow or shrink by a tenth until they fit and stay within the largest steps.
// Without the invert flag a larger value lies lower. False for missing arrays or no values.
bool Statistik_Graph_Punkte(const int32_t* werte, int32_t anzahl, int32_t* x, int32_t* y, int32_t links,
                            int32_t oben, int32_t rechts, int32_t unten, int32_t schritt_x, int32_t schritt_y,
                            int32_t minimum, int32_t maximum, int32_t umkehren);

// Room a league label needs.
constexpr int32_t STATISTIK_LIGA_TEXT_LAENGE = 160;
// The club's mean strength (fitness, intelligence, technique of its eleven) x skala / 11; with a
// buffer (STATISTIK_LIGA_TEXT_LAENGE bytes) also its league's name or "Keine Liga" and, for a
// skala other than 0, the three parts and their mean.
int32_t Statistik_Liga_Text(char* text, int32_t maske, int32_t skala, int32_t team);

// The club before (richtung < 0) or after the given one in the list, wrapping at the ends and
// skipping clubs that are not normal. After one turn without a normal club the club stays.
int32_t Statistik_Teaminfo_Nachbar(const int32_t* teams, int32_t anzahl, int32_t team, int32_t richtung);

// Opens the team information screen for the club (from its context menu and the player
// screens); the club shown until the screen is left.
void Statistik_Teaminfo_Vor_Spiel(int32_t team);
int32_t Statistik_Teaminfo_Get_Team();
