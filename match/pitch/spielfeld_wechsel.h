// Substitutions on the pitch: the two lists per side (coming on +21772, going off +21786) and
// their execution at the next restart.
#pragma once
#include <cstdint>

#include "match/spielfeld.h"

// The slot stands as the player to go off in either side's list.
bool Spielfeld_Wechsel_Ist_Aus(const Spielfeld_Record* r, int32_t slot);
// Carries out the queued substitutions (restart pass).
void Spielfeld_Wechsel_Ausfuehren(Spielfeld_Record* r);
