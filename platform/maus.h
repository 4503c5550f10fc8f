// Mouse input and the software pointer. The pointer is drawn onto the display around screen
// writes; until the pointer module exists these entry points do nothing.
#pragma once
#include <cstdint>

// Handles one pending window message, then 1 while the left button is held, else 2 while the
// right one is held, else 0.
int Maus_Get_Tasten();

// Takes the pointer off the display / draws it again (around a direct surface write).
void Mauszeiger_Remove();
void Mauszeiger_Draw();
// Draws the pointer into page 0 for a copy to the display, and takes it out again afterwards.
void Mauszeiger_Blit_Start(void* page0_pixels);
void Mauszeiger_Blit_End(void* page0_pixels);
// 1 when the pointer's rectangle overlaps (x, y, w, h).
int Mauszeiger_Overlaps_Rect(int32_t x, int32_t y, int32_t w, int32_t h);
