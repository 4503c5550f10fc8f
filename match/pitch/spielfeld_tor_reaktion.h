// The crowd's and the players' reaction to a goal, graded by what it means for the tie.
#pragma once
#include <cstdint>

#include "match/spielfeld.h"

// Reaction to a goal of side s (draws on the record's sequence).
void Spielfeld_Tor_Reaktion(Spielfeld_Record* r, int32_t seite);
