// Blits: a rectangle of one bitmap to a position in another, optionally changed on the way.
// Every blit takes (src, sx, sy, w, h, dst, dx, dy, extras...), clips against both bitmaps,
// recognises page 0 by its pixel pointer (a write there goes through to the display) and
// returns non-zero when it drew something, 0 otherwise (bad arguments, clipped away, packed
// destination, unequal depths, a combination the blit does not serve).
// Weights and factors are in 1/128.
#pragma once
#include <cstdint>

#include "graphics/grafik_bitmap.h"

// Clips the source rectangle and the destination position in place; 1 when something is left.
int Grafik_Blit_Clip(int32_t* sx, int32_t* sy, int32_t* w, int32_t* h, int32_t src_width,
                     int32_t src_height, int32_t* dx, int32_t* dy, int32_t dst_width,
                     int32_t dst_height);

int Grafik_Blit(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h, Rastport* dst,
                int32_t dx, int32_t dy);
// Non-zero pixels, or where the mask bit is set.
int Grafik_Blit_Transparent(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                            Rastport* dst, int32_t dx, int32_t dy);
// The colour where the source is visible.
int Grafik_Blit_Einfarbig(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                          Rastport* dst, int32_t dx, int32_t dy, int16_t colour);
// Transparent, mirrored left-right; 15/16-bit bitmaps in memory only.
int Grafik_Blit_Gespiegelt(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                           Rastport* dst, int32_t dx, int32_t dy);
// Each channel x (128 + k) / 128, clamped.
int Grafik_Blit_Aufhellen(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                          Rastport* dst, int32_t dx, int32_t dy, int32_t k);
// Each channel x (128 - k) / 128; in memory a visible pixel stays visible (0 becomes 1).
int Grafik_Blit_Abdunkeln(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                          Rastport* dst, int32_t dx, int32_t dy, int32_t k);
// Darkens only where the source is visible; memory destinations only.
int Grafik_Blit_Abdunkeln_Maske(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                                Rastport* dst, int32_t dx, int32_t dy, int32_t k);
// Each channel source x (128 - k) / 128 + colour x k / 128.
int Grafik_Blit_Farbe_Mischen(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                              Rastport* dst, int32_t dx, int32_t dy, uint16_t colour, int32_t k);
int Grafik_Blit_Mischen_Maske(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                              Rastport* dst, int32_t dx, int32_t dy, uint16_t colour, int32_t k);
// Recolours keeping the shading.
int Grafik_Blit_Einfaerben(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                           Rastport* dst, int32_t dx, int32_t dy, uint16_t colour);
int Grafik_Blit_Einfaerben_Maske(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                                 Rastport* dst, int32_t dx, int32_t dy, uint16_t colour);
// Cross-fade: source x a / 128 + second operand x (128 - a) / 128, the second operand being
// the background at (bx + column, by + row) or, without a background, the destination.
int Grafik_Blit_Ueberblenden(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                             Rastport* dst, int32_t dx, int32_t dy, int32_t a, Rastport* bg,
                             int32_t bx, int32_t by);
int Grafik_Blit_Ueberblenden_Maske(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                                   Rastport* dst, int32_t dx, int32_t dy, int32_t a, Rastport* bg,
                                   int32_t bx, int32_t by);
// 8-bit coverage map drawn in one colour onto a 15/16-bit destination (anti-aliased glyphs).
int Grafik_Blit_8_Auf_Hicolor(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                              Rastport* dst, int32_t dx, int32_t dy, uint16_t colour);
