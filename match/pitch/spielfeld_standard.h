// Set-piece set-ups: the ball on its spot, the kicking side named, the wall chosen, and the
// situation the behaviour routines and the restart pass act on.
#pragma once
#include <cstdint>

#include "match/spielfeld.h"

// Free kick for side `seite` at (x, y).
void Spielfeld_Freistoss_Aufstellen(Spielfeld_Record* r, float x, float y, int32_t seite);
// Penalty kick at the end the ball lies in.
void Spielfeld_Elfmeter_Aufstellen(Spielfeld_Record* r);
// One kick of the shoot-out: always at the goal at x = 0.
void Spielfeld_Elfmeterschiessen_Aufstellen(int32_t spiel, int32_t seite, int32_t schuetze);
// False while the game's kick is still being shown.
bool Spielfeld_Elfmeterschiessen_Wartet(int32_t spiel);
// Restarts after a booked foul: a penalty inside the area the fouled side attacks, else a free kick.
void Spielfeld_Foul_Standard(Spielfeld_Record* r, float x, float y, int32_t seite);
