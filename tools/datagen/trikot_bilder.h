// The shirt pictures: base pictures 139, 328 and 212, back-number sprites 1838-1937.
#pragma once
#include <cstdint>

#include "tools/datagen/resf_writer.h"

constexpr int32_t TRIKOT_NUMMER_BASIS = 1838;
constexpr uint16_t TRIKOT_NUMMER_BREITE = 12, TRIKOT_NUMMER_HOEHE = 9;
// The type-40 entry of back number n: light digits with a dark outline, hot spot (0, 0).
Resf_Bytes Trikot_Nummer_Eintrag(int32_t n);
// Shirt base picture 139 (style A), 328 (B) or 212 (C): 32 x 48, transparent around the shirt,
// its body in TRIKOT_SCHLUESSEL (found nowhere else), the centre pixel on the body, room for a
// two-digit number at (10, 13) (A, C) or (10, 19) (B).
constexpr uint16_t TRIKOT_SCHLUESSEL = 0xF81F;
Resf_Bitmap Trikot_Grundbild(int32_t nummer);
