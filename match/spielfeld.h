// The live match on the pitch. Entry points only until the match engine lands.
#pragma once
#include <cstdint>

// Strain check of a player before a match (age, match fatigue); may injure him.
void Spielfeld_Belastung_Pruefen(int32_t team, int32_t spieler, int32_t alter, int32_t erschoepfung, int32_t zwingen);
