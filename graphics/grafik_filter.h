// Channel planes and the convolution filter. Boxes, bubbles, popup lists and message windows
// are drawn over a softened copy of what lies behind them; the filter works in place on a
// 15/16-bit bitmap through three 8-bit planes (red, green, blue, each channel at the top of
// its byte), which other effects use as well.
#pragma once
#include <cstdint>

#include "graphics/grafik_bitmap.h"

// Weights in 1/128, row by row. Width and height odd; a width of -1 shifts every channel right
// by `hoehe`; any other width of 0 or below gives 0.
struct Filter_Kern {
    int32_t breite;
    int32_t hoehe;
    const int32_t* gewichte;
};

// 3 13 3 / 13 16 13 / 3 13 3: blurs and darkens to about 62 %.
extern const Filter_Kern Filter_Kern_Weich;
// Every channel halved (the popup lists).
extern const Filter_Kern Filter_Kern_Halbieren;
// 0 8 0 / 8 11 8 / 0 8 0.
extern const Filter_Kern Filter_Kern_Stark;

// Fills three 8-bit planes of the bitmap's size from a 15/16-bit bitmap, or from an 8-bit one
// through its 768-byte palette (6-bit components). 1 when done; 0 for a null or packed bitmap,
// a missing plane or palette, or a plane of another size.
int Grafik_Kanaele_Trennen(const Rastport* bitmap, Rastport* rot, Rastport* gruen, Rastport* blau,
                           const uint8_t* palette);
// Writes the planes back into a 15/16-bit bitmap; 0 (nothing written) for other depths, a
// missing plane or a plane of another size.
int Grafik_Kanaele_Verbinden(Rastport* bitmap, const Rastport* rot, const Rastport* gruen,
                             const Rastport* blau);
// Filters the bitmap in place; pixels closer to the edge than the kernel's reach become 0.
// Nothing for a null kernel or bitmap, a packed bitmap, an even kernel size or no memory.
void Grafik_Filter_Anwenden(const Filter_Kern* kern, Rastport* bitmap);
