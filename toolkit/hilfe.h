// Help bubbles, spoken help and the glow windows. The bubble comes with its own issue; until
// then nothing is shown and no help is spoken.
#pragma once
#include <cstdint>

// Opens the bubble with the text at (x, y) (-1: beside the pointer).
void Hilfe_Text_Ausgabe(const char* text, int32_t x, int32_t y, uint8_t marken, uint8_t sofort);
void Hilfe_Schliessen(uint8_t sofort);
// The playing sample id, -1 for none.
int32_t Hilfe_Sound_Play(int32_t n);
void Hilfe_Sound_Stop();
void Hilfe_Glow_Freigeben();
