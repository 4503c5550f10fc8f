// Pictures of the economy screens, drawn in code: the finance and stadium page backgrounds, the
// stadium plan with its 22 areas, the 35 stadium model pictures, the statistics bars, the seven
// training camps and the auction's background, columns and bars. RGB565.
#pragma once
#include <cstdint>
#include <vector>

#include "tools/datagen/manifest.h"
#include "tools/datagen/resf_writer.h"

constexpr int32_t OEKONOMIE_FINANZ_SEITEN = 444;   // 444, 445
constexpr int32_t OEKONOMIE_STADION_SEITEN = 447;  // 447..449
constexpr int32_t OEKONOMIE_STADION_PLAN = 451;
constexpr int32_t OEKONOMIE_BALKEN = 452;          // 452..454: condition, costs, fans
constexpr int32_t OEKONOMIE_LAGER = 455;           // 455..461: camps 0..6
constexpr int32_t OEKONOMIE_AUKTION = 462;         // background; 463..469 columns; 470..473 bars

// True when the entry is one of these pictures; it is then drawn into `bild`.
bool Oekonomie_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild);
