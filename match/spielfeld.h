// The live match on the pitch. Entry points only until the match engine lands.
#pragma once
#include <cstdint>

// Strain check of a player before a match (age, match fatigue); may injure him.
void Spielfeld_Belastung_Pruefen(int32_t team, int32_t spieler, int32_t alter, int32_t erschoepfung, int32_t zwingen);
// Raises a player's attribute (field id) by `um` as a match does, with the news of a new
// attribute when it passes 75.
void Spielfeld_Attribut_Erhoehen(int32_t team, int32_t spnr, int32_t feld, int32_t um);
