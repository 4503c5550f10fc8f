// The player comparison's pictures in the screen file: its icons' numbers are taken by other
// pictures there, so the page has a block of its own below its title pictures (1226, 1228).
#pragma once
#include <cstdint>

constexpr int32_t VERGLEICH_BILD_HINTERGRUND = 1200;  // 600 x 440 at (0, 40)
constexpr int32_t VERGLEICH_BILD_SCHALTER = 1201;     // + 1 on: the toggles 1671-1677, 1712 (14 x 14)
constexpr int32_t VERGLEICH_BILD_KRITERIUM = 1203;    // the criterion's button 1713 (150 x 18)
constexpr int32_t VERGLEICH_BILD_WETTBEWERB = 1204;   // + 1 on: a competition's button (32 x 32)
constexpr int32_t VERGLEICH_BILD_GRIFF = 1206;        // + 1 inactive: a minute or match-day handle (16 x 10)
constexpr int32_t VERGLEICH_BILD_PFEIL = 1208;        // + 1 down: the list's paging (14 x 14)
constexpr int32_t VERGLEICH_BILD_TITEL = 1226, VERGLEICH_BILD_TITEL_2 = 1228;
