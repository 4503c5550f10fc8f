// Pointer blits: the three transfers of the software mouse pointer. The pointer lives on the
// display only; page 0 keeps the picture without it, so taking the pointer off is a copy of the
// saved background back onto the display. Callable from the window thread and from the timer
// thread; Kopieren and Bild_Zeichnen never run at the same time.
#pragma once
#include <cstdint>

#include "graphics/grafik_bitmap.h"

// Clips like Grafik_Blit_Clip, but a rectangle touching the right or bottom edge always takes
// the cutting steps. 1 when something is left.
int Grafik_Zeiger_Blit(int32_t* sx, int32_t* sy, int32_t* w, int32_t* h, int32_t src_width,
                       int32_t src_height, int32_t* dx, int32_t* dy, int32_t dst_width,
                       int32_t dst_height);
// src page 0: page 0's rectangle into dst (what lies under the pointer). dst page 0: the source
// rectangle straight onto the display, page 0 untouched. Anything else does nothing. Returns 0.
int Grafik_Zeiger_Kopieren(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                           Rastport* dst, int32_t dx, int32_t dy);
// src in memory, dst page 0: the pointer picture onto the display, 0 pixels left out; page 0
// untouched. Returns 0.
int Grafik_Zeiger_Bild_Zeichnen(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                                Rastport* dst, int32_t dx, int32_t dy);
