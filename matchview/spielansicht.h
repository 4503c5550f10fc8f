// The match overview of the running match day. Entry points until the overview lands.
#pragma once
#include <cstdint>

// Closes the overview; `steuerbyte` is the control block's leave byte (0 at the day's start).
void Spielansicht_Beenden(uint8_t steuerbyte);
