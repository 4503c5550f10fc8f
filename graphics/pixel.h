// Inner pixel loops of the blits and primitives. Memory loops take (source block, sx, sy, w,
// h, source width, destination block, dx, dy, destination width, extras...); rows are walked
// top to bottom with each bitmap's width as stride. No loop checks bounds: the rectangle has
// been clipped to both bitmaps. w or h of 0 or less draws nothing. Every loop returns 1.
//
// Selection: a null mask means the plain or key variant as the loop says; a mask plane (one
// bit per source pixel, numbered with the source position) selects the mask variant.
// Format arguments are the depth: 15 = RGB555, 16 = RGB565.
#pragma once
#include <cstdint>

enum class Pixel_Auswahl { Alle, Schluessel, Maske };
// When a result of 0 (the transparent key) is written as 1 instead.
enum class Null_Regel { Keine, Wenn_Quelle, Immer };

// Copies (overlapping rows of one bitmap are handled).
int Grafik_Blit_16_Zeilen(const uint16_t* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                          int32_t sw, uint16_t* dst, int32_t dx, int32_t dy, int32_t dw);
int Pixel_Kopieren_8(const uint8_t* src, int32_t sx, int32_t sy, int32_t w, int32_t h, int32_t sw,
                     uint8_t* dst, int32_t dx, int32_t dy, int32_t dw);
// Non-zero source pixels (mask null) or pixels with their mask bit set.
int Pixel_Transparent_16(const uint16_t* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                         int32_t sw, uint16_t* dst, int32_t dx, int32_t dy, int32_t dw,
                         const uint8_t* mask);
int Pixel_Transparent_8(const uint8_t* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                        int32_t sw, uint8_t* dst, int32_t dx, int32_t dy, int32_t dw,
                        const uint8_t* mask);
// The colour where the source passes the test.
int Pixel_Einfarbig_16(const uint16_t* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                       int32_t sw, uint16_t* dst, int32_t dx, int32_t dy, int32_t dw,
                       const uint8_t* mask, uint16_t colour);
int Pixel_Einfarbig_8(const uint8_t* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                      int32_t sw, uint8_t* dst, int32_t dx, int32_t dy, int32_t dw,
                      const uint8_t* mask, uint8_t colour);
// Transparent copy with each source row read right to left.
int Pixel_Gespiegelt_16(const uint16_t* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                        int32_t sw, uint16_t* dst, int32_t dx, int32_t dy, int32_t dw,
                        const uint8_t* mask);
int Pixel_Fuellen_16(uint16_t* dst, int32_t x, int32_t y, int32_t w, int32_t h, int32_t dw,
                     uint16_t colour);
int Pixel_Fuellen_8(uint8_t* dst, int32_t x, int32_t y, int32_t w, int32_t h, int32_t dw,
                    uint8_t colour);

// Brighten: each channel x (128 + k) / 128, clamped; every pixel.
int Pixel_Aufhellen(int32_t format, const uint16_t* src, int32_t sx, int32_t sy, int32_t w,
                    int32_t h, int32_t sw, uint16_t* dst, int32_t dx, int32_t dy, int32_t dw,
                    int32_t k);
// Darken: each channel x f / 128 (f 0-128).
int Pixel_Abdunkeln(int32_t format, const uint16_t* src, int32_t sx, int32_t sy, int32_t w,
                    int32_t h, int32_t sw, uint16_t* dst, int32_t dx, int32_t dy, int32_t dw,
                    Pixel_Auswahl auswahl, const uint8_t* mask, int32_t f, Null_Regel regel);
// Colour through an 8-bit coverage map: 0-2 keep, 240 and above the colour, else a blend.
int Pixel_Alpha_Farbe(int32_t format, const uint8_t* src, int32_t sx, int32_t sy, int32_t w,
                      int32_t h, int32_t sw, uint16_t* dst, int32_t dx, int32_t dy, int32_t dw,
                      uint16_t colour);
// Mix: each channel min(max, s x a / 128 + c x (128 - a) / 128), a 0-128.
int Pixel_Farbe_Mischen(int32_t format, const uint16_t* src, int32_t sx, int32_t sy, int32_t w,
                        int32_t h, int32_t sw, uint16_t* dst, int32_t dx, int32_t dy, int32_t dw,
                        Pixel_Auswahl auswahl, const uint8_t* mask, uint16_t colour, int32_t a,
                        Null_Regel regel);
// Recolour keeping the shading (luminance difference added to the colour's components).
int Pixel_Einfaerben(int32_t format, const uint16_t* src, int32_t sx, int32_t sy, int32_t w,
                     int32_t h, int32_t sw, uint16_t* dst, int32_t dx, int32_t dy, int32_t dw,
                     Pixel_Auswahl auswahl, const uint8_t* mask, uint16_t colour);
// Cross-fade A (weight a / 128) with the background C, or with the destination when C is
// null; a pixel equal to its second operand is written unchanged.
int Pixel_Ueberblenden(int32_t format, const uint16_t* src, int32_t sx, int32_t sy, int32_t w,
                       int32_t h, int32_t sw, uint16_t* dst, int32_t dx, int32_t dy, int32_t dw,
                       Pixel_Auswahl auswahl, const uint8_t* mask, int32_t a, const uint16_t* bg,
                       int32_t bx, int32_t by, int32_t bw);

// Lines: Bresenham from end point to end point, both included (16-bit memory).
int Pixel_Linie_16(uint16_t* dst, int32_t dw, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                   uint16_t colour);

// Pointer transfers: a rectangle of a bitmap straight into the locked display (plain or
// leaving out 0 pixels); 0 when the lock fails. Page 0 is not touched.
int Pixel_Zeiger_Auf_Display(int32_t depth, const void* src, int32_t sx, int32_t sy, int32_t w,
                             int32_t h, int32_t sw, int32_t dx, int32_t dy, bool transparent);
