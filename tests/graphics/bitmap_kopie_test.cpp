// Bitmaps made to take a copy of an area: what the copy does not reach is zero, never what an
// earlier bitmap left in the heap.
#include <gtest/gtest.h>

#include <cstring>

#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"

namespace {

constexpr int32_t W = 10, H = 8;

// Leaves a freed bitmap of the size full of 0xAB, where the next one of that size is likely taken from.
void heap_beschmutzen(int32_t w, int32_t h, int32_t tiefe)
{
    Rastport* alt = Grafik_Bitmap_Anlegen_Ungeloescht(w, h, tiefe, false);
    ASSERT_NE(alt, nullptr);
    std::memset(alt->pixels, 0xAB, size_t(w) * size_t(h) * (tiefe == 8 ? 1 : 2));
    Grafik_Bitmap_Freigeben(alt);
}

}  // namespace

TEST(Bitmap_Kopie, WhatTheCopyDoesNotReachIsZero)
{
    Rastport* quelle = Grafik_Bitmap_Anlegen(40, 30, 16);
    ASSERT_NE(quelle, nullptr);
    auto* q = static_cast<uint16_t*>(quelle->pixels);
    for (int32_t i = 0; i < 40 * 30; ++i) q[i] = uint16_t(0x1000 + i);
    struct Fall {
        int32_t x, y;
    } faelle[] = {{0, 0}, {30, 22}, {5, 7}, {-3, 4}, {4, -2}, {35, 10}, {12, 26}, {-20, -20}};
    for (const Fall& c : faelle) {
        heap_beschmutzen(W, H, 16);
        Rastport* b = Grafik_Bitmap_Anlegen_Fuer_Kopie(quelle, c.x, c.y, W, H, 16);
        ASSERT_NE(b, nullptr);
        Grafik_Blit(quelle, c.x, c.y, W, H, b, 0, 0);
        const auto* p = static_cast<const uint16_t*>(b->pixels);
        for (int32_t y = 0; y < H; ++y)
            for (int32_t x = 0; x < W; ++x) {
                const int32_t sx = c.x + x, sy = c.y + y;
                const bool drin = sx >= 0 && sx < 40 && sy >= 0 && sy < 30;
                ASSERT_EQ(p[y * W + x], drin ? q[sy * 40 + sx] : 0) << c.x << "," << c.y << " at " << x << "," << y;
            }
        Grafik_Bitmap_Freigeben(b);
    }

    // Another depth, a packed source or none: the copy does not take, all of it is zero.
    Rastport* gepackt = Grafik_Bitmap_Anlegen_Gepackt(40, 30, 16, 64);
    const Rastport* ohne_kopie[] = {nullptr, gepackt};
    for (const Rastport* s : ohne_kopie) {
        heap_beschmutzen(W, H, 16);
        Rastport* b = Grafik_Bitmap_Anlegen_Fuer_Kopie(s, 0, 0, W, H, 16);
        ASSERT_NE(b, nullptr);
        const auto* p = static_cast<const uint16_t*>(b->pixels);
        for (int32_t i = 0; i < W * H; ++i) ASSERT_EQ(p[i], 0) << i;
        Grafik_Bitmap_Freigeben(b);
    }
    heap_beschmutzen(W, H, 8);
    Rastport* acht = Grafik_Bitmap_Anlegen_Fuer_Kopie(quelle, 0, 0, W, H, 8);
    ASSERT_NE(acht, nullptr);
    EXPECT_EQ(acht->depth, 8);
    for (int32_t i = 0; i < W * H; ++i) ASSERT_EQ(static_cast<const uint8_t*>(acht->pixels)[i], 0) << i;
    Grafik_Bitmap_Freigeben(acht);
    Grafik_Bitmap_Freigeben(gepackt);
    Grafik_Bitmap_Freigeben(quelle);
}
