// One step of a live record: decisions, the restart pass, the objects' orders and moves, the
// contacts, the foul's booking and the record's own clock.
#pragma once
#include <cstdint>

#include "match/spielfeld.h"

constexpr int32_t SPIELFELD_SCHRITT_MS = 28;

// One step of ms milliseconds on the running generator (the caller swaps the record's seed in).
void Spielfeld_Record_Schritt(Spielfeld_Record* r, int32_t ms);
