// Colours and pixel formats: RGB555 (depth 15), RGB565 (depth 16) and palette indices (8).
// Components are on the 0-255 scale unless a function says otherwise.
#pragma once
#include <cstdint>

#include "graphics/grafik_bitmap.h"

// Pixel value for the render target (RGB555 at depth 15, else RGB565; 0 for an odd depth).
uint16_t Grafik_Farbe_RGB(uint32_t r, uint32_t g, uint32_t b);
// The same from components 0-15; the program's ordinary way to name a colour.
uint16_t Grafik_Farbe(uint32_t r, uint32_t g, uint32_t b);
// Splits a 15/16-bit pixel; other depths leave the outputs untouched.
void Grafik_Pixel_Zu_RGB(uint16_t pixel, int32_t depth, int32_t* r, int32_t* g, int32_t* b);
uint16_t Grafik_RGB_Zu_Pixel(int32_t depth, int32_t r, int32_t g, int32_t b);
// Luminance 0-248 of a 15/16-bit pixel; 0 for other depths.
int32_t Grafik_Pixel_Helligkeit(uint16_t pixel, int32_t depth);
// White on dark pixels, 1 (visible black) on light ones.
uint16_t Grafik_Kontrastfarbe(uint32_t pixel, int32_t depth);
// 8-bit pixels through a 6-bit palette (768 bytes) into 16-bit pixels.
void Grafik_Palette_Zu_555(const uint8_t* src, uint16_t* dst, int32_t width, int32_t height,
                           const uint8_t* palette);
void Grafik_Palette_Zu_565(const uint8_t* src, uint16_t* dst, int32_t width, int32_t height,
                           const uint8_t* palette);
// Nearest palette entry 1-255 (palette with 8-bit components); never 0, the transparent key.
uint8_t Grafik_Palette_Naechste_Farbe(uint16_t pixel, int32_t depth, const uint8_t* palette);
// New bitmap in the new depth (8 <-> 15/16, 8 -> 8), or null; the source stays the caller's.
Rastport* Grafik_Bitmap_Tiefe_Wandeln(const Rastport* src, int32_t depth, const uint8_t* palette);
