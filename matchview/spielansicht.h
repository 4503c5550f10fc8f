// The match overview of the running match day. Entry points until the overview lands.
#pragma once
#include <cstdint>

// Closes the overview; `steuerbyte` is the control block's leave byte (0 at the day's start).
void Spielansicht_Beenden(uint8_t steuerbyte);

struct Spielfeld_Steuerung_Block;
// One frame of the overview while the live view is not loaded; `minute` is the smallest current
// minute of the day's games plus one.
void Spielansicht_Frame(Spielfeld_Steuerung_Block* st, int32_t minute);
