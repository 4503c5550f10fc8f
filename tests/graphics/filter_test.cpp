// Channel planes, the convolution filter and the picture effects.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_effekt.h"
#include "graphics/grafik_filter.h"
#include "graphics/grafik_zeichnen.h"

namespace {

struct Bild {
    Rastport* rp;
    Bild(int32_t w, int32_t h, int32_t d, uint16_t farbe = 0, bool maske = false)
        : rp(maske ? Grafik_Bitmap_Anlegen_Maske(w, h, d) : Grafik_Bitmap_Anlegen(w, h, d))
    {
        if (farbe) Grafik_Rechteck_Fuellen(rp, 0, 0, w, h, farbe);
    }
    ~Bild() { Grafik_Bitmap_Freigeben(rp); }
    uint16_t operator()(int32_t x, int32_t y) const { return Grafik_Pixel_Lesen(rp, x, y); }
};

void kanaele565(uint16_t p, int* r, int* g, int* b)
{
    *r = (p & 0xF800) >> 8, *g = (p & 0x07E0) >> 3, *b = (p & 0x1F) << 3;
}

TEST(Filter, SoftAndStrongKernelsOnWhiteZeroTheBorder)
{
    Bild weiss(6, 5, 16, 0xFFFF);
    Grafik_Filter_Anwenden(&Filter_Kern_Weich, weiss.rp);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) {
            bool rand = x == 0 || y == 0 || x == 5 || y == 4;
            EXPECT_EQ(weiss(x, y), rand ? 0 : 0x94B2) << x << "," << y;
        }
    Bild stark(5, 5, 16, 0xFFFF);
    Grafik_Filter_Anwenden(&Filter_Kern_Stark, stark.rp);
    int r, g, b;
    kanaele565(stark(2, 2), &r, &g, &b);
    // 81 joins back to the channel's top bits.
    EXPECT_EQ(r, 81 & 0xF8);
    EXPECT_EQ(g, 81 & 0xFC);
    EXPECT_EQ(b, 81 & 0xF8);
}

TEST(Filter, EvenKernelTinyBitmapAndHalving)
{
    const int32_t g[6] = {10, 10, 10, 10, 10, 10};
    const Filter_Kern gerade = {2, 3, g};
    Bild a(4, 4, 16, 0x1234);
    Grafik_Filter_Anwenden(&gerade, a.rp);
    EXPECT_EQ(a(1, 1), 0x1234);

    Bild klein(2, 2, 16, 0xFFFF);
    Grafik_Filter_Anwenden(&Filter_Kern_Weich, klein.rp);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(klein(i % 2, i / 2), 0);

    // Red 200, green 100, blue 48 are exact in RGB565; halved they join to 96, 48, 24.
    Bild h(3, 3, 16, uint16_t(25 << 11 | 25 << 5 | 6));
    Grafik_Filter_Anwenden(&Filter_Kern_Halbieren, h.rp);
    int r, gr, b;
    kanaele565(h(1, 1), &r, &gr, &b);
    EXPECT_EQ(r, 96);
    EXPECT_EQ(gr, 48);
    EXPECT_EQ(b, 24);
    kanaele565(h(0, 0), &r, &gr, &b);
    EXPECT_EQ(r, 96) << "halving keeps the border";
}

TEST(Kanaele, SplitAndJoinGiveBothFormatsBackAndRefuseOtherSizes)
{
    for (int tiefe : {15, 16}) {
        Bild a(17, 3, tiefe);
        auto* p = static_cast<uint16_t*>(a.rp->pixels);
        for (int i = 0; i < 51; ++i) p[i] = uint16_t(i * 1297 + 5) & (tiefe == 15 ? 0x7FFF : 0xFFFF);
        Bild r(17, 3, 8), g(17, 3, 8), b(17, 3, 8), kurz(16, 3, 8);
        ASSERT_EQ(Grafik_Kanaele_Trennen(a.rp, r.rp, g.rp, b.rp, nullptr), 1);
        std::vector<uint16_t> vorher(p, p + 51);
        std::memset(p, 0, 102);
        ASSERT_EQ(Grafik_Kanaele_Verbinden(a.rp, r.rp, g.rp, b.rp), 1);
        EXPECT_EQ(std::vector<uint16_t>(p, p + 51), vorher) << tiefe;
        EXPECT_EQ(Grafik_Kanaele_Trennen(a.rp, r.rp, kurz.rp, b.rp, nullptr), 0);
        EXPECT_EQ(Grafik_Kanaele_Verbinden(a.rp, r.rp, g.rp, kurz.rp), 0);
        EXPECT_EQ(std::vector<uint16_t>(p, p + 51), vorher);
    }
}

TEST(Raum, QuadrilateralOrdersPairsAndPaintsByK)
{
    // y2 < y1: the pairs are ordered one by one, so the top edge is (0, 5), the bottom (10, 20).
    Rastport* q = Grafik_Raum_Maske_Anlegen(10, 20, 5, 0, 10, 20, 0xFFFF, 16);
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->width, 30u);
    EXPECT_EQ(q->height, 10u);
    EXPECT_NE(Grafik_Pixel_Lesen(q, 0, 0), 0);
    EXPECT_NE(Grafik_Pixel_Lesen(q, 4, 0), 0);
    EXPECT_EQ(Grafik_Pixel_Lesen(q, 6, 0), 0);
    EXPECT_NE(Grafik_Pixel_Lesen(q, 10, 9), 0);
    EXPECT_NE(Grafik_Pixel_Lesen(q, 29, 9), 0);
    EXPECT_EQ(Grafik_Pixel_Lesen(q, 9, 9), 0);
    EXPECT_NE(Grafik_Pixel_Lesen(q, 8, 5), 0) << "inside is filled";
    EXPECT_TRUE(q->mask[0] & 1);
    Grafik_Bitmap_Freigeben(q);
    EXPECT_EQ(Grafik_Raum_Maske_Anlegen(0, 5, 10, 0, 5, 10, 0xFFFF, 16), nullptr);

    Bild a(40, 30, 16, 0x1234);
    Grafik_Raum_Malen(a.rp, 5, 5, 20, 5, 20, 20, 0xF800, 0);
    for (int i = 0; i < 40 * 30; ++i) ASSERT_EQ(a(i % 40, i / 40), 0x1234);
    Grafik_Raum_Malen(a.rp, 5, 5, 20, 5, 20, 20, 0xF800, 128);
    EXPECT_EQ(a(10, 10), 0xF800);
    EXPECT_EQ(a(2, 2), 0x1234);
    EXPECT_EQ(a(30, 10), 0x1234);
}

TEST(Effekt, ChannelMapKeepsPixelsVisibleAndRefusesOtherSizes)
{
    Bild a(4, 4, 16, 0xFFFF), karte(4, 4, 16), falsch(5, 4, 16);
    static_cast<uint16_t*>(karte.rp->pixels)[5] = uint16_t(int16_t(-255));
    EXPECT_EQ(Grafik_Kanal_Effekt(a.rp, falsch.rp), 0);
    EXPECT_EQ(a(1, 1), 0xFFFF);
    EXPECT_EQ(Grafik_Kanal_Effekt(a.rp, karte.rp), 1);
    EXPECT_EQ(a(1, 1), 0x0001);
    EXPECT_EQ(a(0, 0), 0xFFFF);
}

TEST(Effekt, GlowAtLevelZeroKeepsThePictureAndHigherLevelsTint)
{
    Bild icon(20, 10, 16, 0x4208, true);
    Grafik_Maske_Aus_Pixeln(icon.rp);
    Rastport* karte = Grafik_Effekt_Vorbereiten(icon.rp);
    ASSERT_NE(karte, nullptr);
    EXPECT_EQ(karte->width, 20u + 2 + 27);
    EXPECT_EQ(karte->height, 10u + 2 + 23);
    const auto* s = static_cast<const uint8_t*>(karte->pixels);
    EXPECT_EQ(s[0], 0);
    EXPECT_EQ(s[(12 + 5) * karte->width + 14 + 10], 11 - 7) << "the picture's own pixels are lighter";
    Bild bild(int32_t(karte->width), int32_t(karte->height), 16, 0x2104);
    Rastport* null = Grafik_Hilfe_Bild_Effekt(bild.rp, karte, 0xFFE0, 0xF800, 0);
    ASSERT_NE(null, nullptr);
    EXPECT_EQ(std::memcmp(null->pixels, bild.rp->pixels, size_t(bild.rp->width * bild.rp->height * 2)), 0);
    Rastport* voll = Grafik_Hilfe_Bild_Effekt(bild.rp, karte, 0xFFE0, 0xF800, 11);
    ASSERT_NE(voll, nullptr);
    EXPECT_NE(Grafik_Pixel_Lesen(voll, 12, 12), 0x2104);
    EXPECT_EQ(Grafik_Pixel_Lesen(voll, 0, 0), 0x2104);
    EXPECT_EQ(Grafik_Hilfe_Bild_Effekt(icon.rp, karte, 0xFFE0, 0xF800, 11), nullptr) << "sizes differ";
    Grafik_Bitmap_Freigeben(null);
    Grafik_Bitmap_Freigeben(voll);
    Grafik_Bitmap_Freigeben(karte);
}

TEST(Effekt, SilhouetteOfAnEightBitPictureWithoutMask)
{
    Bild acht(3, 3, 8);
    static_cast<uint8_t*>(acht.rp->pixels)[4] = 7;
    Rastport* u = Grafik_Umriss(acht.rp, 8);
    ASSERT_NE(u, nullptr);
    int gesetzt = 0;
    for (int i = 0; i < 25; ++i) gesetzt += static_cast<uint8_t*>(u->pixels)[i] == 255;
    EXPECT_EQ(gesetzt, 9);
    EXPECT_EQ(static_cast<uint8_t*>(u->pixels)[0], 0);
    Grafik_Bitmap_Freigeben(u);
}

}  // namespace
