// The back-number sprites of the shirts (entries 1838-1937: numbers 0-99).
#pragma once
#include <cstdint>

#include "tools/datagen/resf_writer.h"

constexpr int32_t TRIKOT_NUMMER_BASIS = 1838;
constexpr uint16_t TRIKOT_NUMMER_BREITE = 12, TRIKOT_NUMMER_HOEHE = 9;
// The type-40 entry of back number n: light digits with a dark outline, hot spot (0, 0).
Resf_Bytes Trikot_Nummer_Eintrag(int32_t n);
