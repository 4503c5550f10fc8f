// Drawing primitives without a source bitmap: rectangles, pixels, lines, rounded corners and
// the copy of a rectangle of a mask plane. Colours are pixel values of the bitmap's depth
// (a palette index at 8 bits). A write onto page 0 goes through to the display.
#pragma once
#include <cstdint>

#include "graphics/grafik_bitmap.h"

// Fills the rectangle clipped to the bitmap; 1 when something was filled.
int Grafik_Rechteck_Fuellen(Rastport* rp, int32_t x, int32_t y, int32_t w, int32_t h,
                            uint16_t colour);
int Grafik_Pixel_Setzen(Rastport* rp, int32_t x, int32_t y, uint16_t colour);
// The pixel at (x, y); 0 outside the bitmap.
uint16_t Grafik_Pixel_Lesen(const Rastport* rp, int32_t x, int32_t y);
// Line between two points, clamped to the bitmap. Axis-parallel lines stop before the end
// coordinate; other lines (15/16 bits) include both ends. 1 when drawn.
int Grafik_Linie(Rastport* rp, int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint16_t colour);
// Makes 7 pixels per corner of the rectangle (x1, y1)-(x2, y2) transparent; -1 means the
// bitmap's edge.
void Grafik_Ecken_Abrunden(Rastport* rp, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
// Copies mask bits of a rectangle (clipped as a blit); both bitmaps need a mask plane.
int Grafik_Bitmap_Maske_Kopieren(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                                 Rastport* dst, int32_t dx, int32_t dy);
void Grafik_Bit_Schreiben(uint8_t* bits, uint32_t n, int32_t value);
void Grafik_Bit_Setzen(uint8_t* bits, uint32_t n);
