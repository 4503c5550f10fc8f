// The staff screen's applicant portraits in the screen file, which the screen and the data
// builder share. The competition badges fill 1382 + picture number for every competition of the
// world (up to 1520) and the fonts follow, so the portraits have a block of their own.
#pragma once
#include <cstdint>

constexpr int32_t PERSONAL_BILD_ASSI = 3111;  // + applicant 0..7: the assistants
constexpr int32_t PERSONAL_BILD_ARZT = 3119;  // + applicant 0..7: the doctors
constexpr int32_t PERSONAL_BILD_B = 80, PERSONAL_BILD_H = 100;
