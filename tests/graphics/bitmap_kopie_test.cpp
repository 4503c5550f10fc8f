// A bitmap made to take a copy of an area is zero wherever the copy does not reach, never what
// an earlier bitmap of its size left in the heap.
#include <gtest/gtest.h>

#include <cstring>

#include "graphics/grafik_blit.h"

TEST(Bitmap_Kopie, WhatTheCopyDoesNotReachIsZero)
{
    Rastport* quelle = Grafik_Bitmap_Anlegen(40, 30, 16);
    auto* q = static_cast<uint16_t*>(quelle->pixels);
    for (int32_t i = 0; i < 40 * 30; ++i) q[i] = uint16_t(0x1000 + i);
    // x, y, depth: wholly inside, sticking out on each side, another depth.
    const int32_t faelle[][3] = {{30, 22, 16}, {-3, 4, 16}, {4, -2, 16}, {35, 10, 16}, {12, 26, 16}, {0, 0, 8}};
    for (const auto& [x0, y0, tiefe] : faelle) {
        Rastport* alt = Grafik_Bitmap_Anlegen_Ungeloescht(10, 8, tiefe, false);
        std::memset(alt->pixels, 0xAB, size_t(10 * 8 * (tiefe / 8)));
        Grafik_Bitmap_Freigeben(alt);  // the next bitmap of the size is likely this block
        Rastport* b = Grafik_Bitmap_Anlegen_Fuer_Kopie(quelle, x0, y0, 10, 8, tiefe);
        Grafik_Blit(quelle, x0, y0, 10, 8, b, 0, 0);
        for (int32_t y = 0; y < 8; ++y)
            for (int32_t x = 0; x < 10; ++x) {
                const int32_t sx = x0 + x, sy = y0 + y;
                const bool drin = tiefe == 16 && sx >= 0 && sx < 40 && sy >= 0 && sy < 30;
                const int32_t wert = tiefe == 8 ? static_cast<const uint8_t*>(b->pixels)[y * 10 + x]
                                                : static_cast<const uint16_t*>(b->pixels)[y * 10 + x];
                ASSERT_EQ(wert, drin ? q[sy * 40 + sx] : 0) << x0 << "," << y0 << " at " << x << "," << y;
            }
        Grafik_Bitmap_Freigeben(b);
    }
    Grafik_Bitmap_Freigeben(quelle);
}
