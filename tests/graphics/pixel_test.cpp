// Bitmaps, colours, block routines, clipping and the pixel loops on bitmaps in memory.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include <sys/mman.h>
#include <unistd.h>

#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "graphics/pixel.h"
#include "platform/asm.h"

namespace {

uint16_t* px16(Rastport* rp) { return static_cast<uint16_t*>(rp->pixels); }
uint8_t* px8(Rastport* rp) { return static_cast<uint8_t*>(rp->pixels); }

struct Bitmap {
    Rastport* rp;
    Bitmap(int w, int h, int depth, bool mask = false)
        : rp(mask ? Grafik_Bitmap_Anlegen_Maske(w, h, depth) : Grafik_Bitmap_Anlegen(w, h, depth))
    {
    }
    ~Bitmap() { Grafik_Bitmap_Freigeben(rp); }
    uint16_t& at(int x, int y) { return px16(rp)[y * int(rp->width) + x]; }
};

// A page of memory followed by one that can be neither read nor written: `ende` is the end of
// the usable page (null where the pages are not to be had).
struct Schutzseite {
    explicit Schutzseite(long seiten = 1) : seiten(seiten) {}
    long seiten;
    long seite = sysconf(_SC_PAGESIZE);
    void* block = mmap(nullptr, size_t((seiten + 1) * seite), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    uint16_t* ende = block != MAP_FAILED && mprotect(static_cast<uint8_t*>(block) + seiten * seite, size_t(seite), PROT_NONE) == 0
                         ? reinterpret_cast<uint16_t*>(static_cast<uint8_t*>(block) + seiten * seite)
                         : nullptr;
    ~Schutzseite()
    {
        if (block != MAP_FAILED) munmap(block, size_t((seiten + 1) * seite));
    }
};

}  // namespace

TEST(Asm, ConversionMemmoveAndRunLengthRows)
{
    uint16_t in[4] = {0xFFFF, 0x0020, 0x0000, 0x001F}, out[4];
    Asm_Convert_565_To_555(out, in, 4);
    EXPECT_EQ(out[0], 0x7FFF);
    EXPECT_EQ(out[1], 0x0001);  // the darkest green stays visible
    EXPECT_EQ(out[2], 0x0000);
    EXPECT_EQ(out[3], 0x001F);

    for (int shift : {1, -1}) {
        uint8_t buf[16], ref[16], tmp[16];
        for (int i = 0; i < 16; ++i) buf[i] = ref[i] = uint8_t(i * 7);
        uint8_t* src = shift > 0 ? buf : buf + 1;
        uint8_t* dst = shift > 0 ? buf + 1 : buf;
        std::memcpy(tmp, shift > 0 ? ref : ref + 1, 15);
        std::memcpy(shift > 0 ? ref + 1 : ref, tmp, 15);
        Asm_Memmove(src, dst, 15);
        EXPECT_EQ(0, std::memcmp(buf, ref, 16));
    }

    const uint8_t row[] = {0x83, 'a', 'b', 'c', 0x02};
    uint8_t dst[5] = {9, 9, 9, 9, 9};
    Asm_RLE_8(row, dst, 5, 1, 0);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(dst), 3), "abc");
    EXPECT_EQ(dst[3], 9);
    EXPECT_EQ(dst[4], 9);

    const uint8_t pixels[4] = {77, 77, 77, 77};
    const int32_t weights[4] = {32, 32, 32, 32};
    int32_t sample = 0;
    Asm_Filter_Punkt(&sample, pixels, weights, 2, 2, 0);
    EXPECT_EQ(sample, 76);  // each term loses its fraction: 4 x (32 x 77 >> 7)
}

TEST(Bitmap, AllocationMaskPlaneAndRelease)
{
    EXPECT_EQ(Grafik_Bitmap_Freigeben(nullptr), nullptr);
    Bitmap empty(0, 5, 16);
    ASSERT_NE(empty.rp, nullptr);
    EXPECT_EQ(Grafik_Bitmap_Anlegen(4, 4, 12), nullptr);
    EXPECT_EQ(Grafik_Bitmap_Anlegen_Palette(4, 4, 16, 16), nullptr);
    EXPECT_EQ(Grafik_Bitmap_Anlegen_Palette(4, 4, 8, 8), nullptr);
    Rastport* pal = Grafik_Bitmap_Anlegen_Palette(4, 4, 8, 15);
    ASSERT_NE(pal, nullptr);
    pal->palette[767] = 1;
    pal->colour_table[255] = 1;
    px8(pal)[15] = 1;
    pal = Grafik_Bitmap_Freigeben(pal);

    EXPECT_EQ(Grafik_Masken_Groesse(3, 3), 5u);
    Bitmap m(3, 3, 16, true);
    ASSERT_NE(m.rp->mask, nullptr);
    Grafik_Bit_Setzen(m.rp->mask, 1 * 3 + 0);
    Grafik_Bit_Setzen(m.rp->mask, 2 * 3 + 2);
    EXPECT_EQ(m.rp->mask[0], 1 << 3);
    EXPECT_EQ(m.rp->mask[1], 1 << 0);

    // A packed destination is refused by every blit.
    Rastport* packed = Grafik_Bitmap_Anlegen_Gepackt(3, 3, 16, 10);
    ASSERT_NE(packed, nullptr);
    EXPECT_EQ(Grafik_Blit(m.rp, 0, 0, 3, 3, packed, 0, 0), 0);
    EXPECT_EQ(Grafik_Rechteck_Fuellen(packed, 0, 0, 3, 3, 5), 0);
    Grafik_Bitmap_Freigeben(packed);
}

TEST(Farbe, ComponentsFormatsAndConversions)
{
    Bitmap hi(2, 2, 16), lo(2, 2, 15);
    Rastport* saved = Grafik_Render_Ziel;
    Grafik_Render_Ziel = nullptr;
    EXPECT_EQ(Grafik_Farbe_RGB(255, 0, 0), 0xF800);
    Grafik_Render_Ziel = hi.rp;
    EXPECT_EQ(Grafik_Farbe(15, 15, 15), 0xFFFF);
    EXPECT_EQ(Grafik_Farbe(0, 0, 0), 0);
    EXPECT_EQ(Grafik_Farbe(99, 0, 0), 0xF800);
    Grafik_Render_Ziel = lo.rp;
    EXPECT_EQ(Grafik_Farbe(15, 15, 15), 0x7FFF);
    EXPECT_EQ(Grafik_Farbe(0, 15, 0), 0x03E0);
    Grafik_Render_Ziel = saved;

    int32_t r = -1, g = -1, b = -1;
    Grafik_Pixel_Zu_RGB(0xFFFF, 8, &r, &g, &b);
    EXPECT_EQ(r, -1);
    Grafik_Pixel_Zu_RGB(0x07E0, 16, &r, &g, &b);
    EXPECT_EQ(g, 252);
    // Yellow: (248 x 30 + 252 x 50) / 100 = 200, light; pure blue 49, dark.
    EXPECT_EQ(Grafik_Kontrastfarbe(0xFFE0, 16), 1);
    EXPECT_EQ(Grafik_Kontrastfarbe(0x001F, 16), 0xFFFF);

    uint8_t pal[768] = {};  // entry 0 black, everything else white
    for (int i = 3; i < 768; ++i) pal[i] = 255;
    EXPECT_EQ(Grafik_Palette_Naechste_Farbe(0, 16, pal), 1);

    Bitmap src(2, 1, 16);
    src.at(0, 0) = 0xFFFF;
    EXPECT_EQ(Grafik_Bitmap_Tiefe_Wandeln(src.rp, 15, pal), nullptr);
    uint8_t pal6[768] = {};
    pal6[3 * 7] = 63, pal6[3 * 7 + 1] = 63, pal6[3 * 7 + 2] = 63;
    Rastport* eight = Grafik_Bitmap_Tiefe_Wandeln(src.rp, 8, pal6);
    ASSERT_NE(eight, nullptr);
    EXPECT_EQ(px8(eight)[0], 7);
    EXPECT_EQ(px8(eight)[1], 0);  // transparent stays transparent
    Rastport* back = Grafik_Bitmap_Tiefe_Wandeln(eight, 16, pal6);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(px16(back)[0], 0xFFFF);
    Grafik_Bitmap_Freigeben(back);
    Grafik_Bitmap_Freigeben(eight);
}

// Clipping against a per-pixel reference on random rectangles, edges included; with the
// sanitizer any access outside a bitmap fails too.
TEST(Blit, ClippingMatchesPerPixelReference)
{
    std::mt19937 rng(4711);
    auto rnd = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 3000; ++round) {
        int sw = rnd(1, 9), sh = rnd(1, 9), dw = rnd(1, 9), dh = rnd(1, 9);
        Bitmap s(sw, sh, 16), d(dw, dh, 16);
        for (int i = 0; i < sw * sh; ++i) px16(s.rp)[i] = uint16_t(rnd(0, 3) ? rnd(1, 60000) : 0);
        for (int i = 0; i < dw * dh; ++i) px16(d.rp)[i] = uint16_t(rnd(1, 60000));
        int sx = rnd(-12, 12), sy = rnd(-12, 12), w = rnd(-2, 14), h = rnd(-2, 14);
        int dx = rnd(-12, 12), dy = rnd(-12, 12);
        std::vector<uint16_t> plain(px16(d.rp), px16(d.rp) + dw * dh), keyed = plain, filled = plain;
        bool any = false;
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) {
                int x = sx + i, y = sy + j, tx = dx + i, ty = dy + j;
                if (x < 0 || y < 0 || x >= sw || y >= sh || tx < 0 || ty < 0 || tx >= dw || ty >= dh)
                    continue;
                any = true;
                uint16_t v = px16(s.rp)[y * sw + x];
                plain[ty * dw + tx] = v;
                if (v) keyed[ty * dw + tx] = v;
            }
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i)
                if (dx + i >= 0 && dy + j >= 0 && dx + i < dw && dy + j < dh)
                    filled[(dy + j) * dw + dx + i] = 0x1234;
        std::vector<uint16_t> before(px16(d.rp), px16(d.rp) + dw * dh);
        int mode = round % 3;
        int r = mode == 0   ? Grafik_Blit(s.rp, sx, sy, w, h, d.rp, dx, dy)
                : mode == 1 ? Grafik_Blit_Transparent(s.rp, sx, sy, w, h, d.rp, dx, dy)
                            : Grafik_Rechteck_Fuellen(d.rp, dx, dy, w, h, 0x1234);
        const auto& want = mode == 0 ? plain : mode == 1 ? keyed : filled;
        bool fill_any = filled != before;
        ASSERT_EQ(r != 0, mode == 2 ? fill_any : any) << "round " << round;
        ASSERT_EQ(std::vector<uint16_t>(px16(d.rp), px16(d.rp) + dw * dh), want) << "round " << round;
    }
}

TEST(Blit, EdgeCasesOfTheCallingContract)
{
    Bitmap s(8, 4, 16), d(8, 4, 16), s8(8, 4, 8);
    for (int i = 0; i < 32; ++i) px16(s.rp)[i] = uint16_t(100 + i);
    // sx = -3: source columns 3 onward land at dx + 3.
    EXPECT_EQ(Grafik_Blit(s.rp, -3, 0, 6, 1, d.rp, 1, 0), 1);
    EXPECT_EQ(d.at(4, 0), 100);
    EXPECT_EQ(d.at(6, 0), 102);
    EXPECT_EQ(d.at(3, 0), 0);
    EXPECT_EQ(d.at(7, 0), 0);
    EXPECT_EQ(Grafik_Blit(s.rp, 0, 0, 0, 4, d.rp, 0, 0), 0);
    EXPECT_EQ(Grafik_Blit(s.rp, 0, 0, 4, 0, d.rp, 0, 0), 0);
    EXPECT_EQ(Grafik_Blit(s8.rp, 0, 0, 4, 4, d.rp, 0, 0), 0);
    EXPECT_EQ(Grafik_Blit_Transparent(s8.rp, 0, 0, 4, 4, d.rp, 0, 0), 0);
    // Onto itself, one row down: rows are copied in order top to bottom, so the first row
    // runs down the whole rectangle.
    EXPECT_EQ(Grafik_Blit(s.rp, 0, 0, 8, 3, s.rp, 0, 1), 1);
    EXPECT_EQ(s.at(5, 1), 105);
    EXPECT_EQ(s.at(5, 3), 105);
}

TEST(PixelLoops, ArithmeticFamiliesInBothFormats)
{
    for (int depth : {16, 15}) {
        SCOPED_TRACE(depth);
        bool f565 = depth == 16;
        int gs = 5;
        auto rgb = [&](unsigned r, unsigned g, unsigned b) {
            return uint16_t(r << (f565 ? 11 : 10) | g << gs | b);
        };
        Bitmap s(4, 1, depth), d(4, 1, depth);
        s.at(0, 0) = 1;  // darkest blue
        s.at(1, 0) = rgb(20, 10, 10);
        s.at(2, 0) = 0;
        s.at(3, 0) = rgb(31, 31, 31);

        // Darken: k is the amount; k = 0 copies, k = 128 leaves every visible pixel at 1.
        Grafik_Blit_Abdunkeln(s.rp, 0, 0, 4, 1, d.rp, 0, 0, 0);
        for (int x = 0; x < 4; ++x) EXPECT_EQ(d.at(x, 0), s.at(x, 0));
        Grafik_Blit_Abdunkeln(s.rp, 0, 0, 4, 1, d.rp, 0, 0, 128);
        EXPECT_EQ(d.at(0, 0), 1);
        EXPECT_EQ(d.at(1, 0), 1);
        EXPECT_EQ(d.at(2, 0), 0);
        Grafik_Blit_Abdunkeln(s.rp, 0, 0, 4, 1, d.rp, 0, 0, 88);  // factor 40: blue 1 -> 0 -> 1
        EXPECT_EQ(d.at(0, 0), 1);
        EXPECT_EQ(d.at(1, 0), rgb(6, 3, 3));

        // Brighten: k = 128 doubles and clamps.
        Grafik_Blit_Aufhellen(s.rp, 1, 0, 1, 1, d.rp, 1, 0, 128);
        EXPECT_EQ(d.at(1, 0), rgb(31, 20, 20));

        // Mix: weight 128 gives the colour exactly, 0 the source.
        uint16_t colour = rgb(3, 7, 9);
        Grafik_Blit_Farbe_Mischen(s.rp, 0, 0, 4, 1, d.rp, 0, 0, colour, 128);
        for (int x = 0; x < 4; ++x) EXPECT_EQ(d.at(x, 0), colour);
        Grafik_Blit_Farbe_Mischen(s.rp, 0, 0, 4, 1, d.rp, 0, 0, colour, 0);
        EXPECT_EQ(d.at(1, 0), s.at(1, 0));
        d.at(2, 0) = 77;
        Grafik_Blit_Mischen_Maske(s.rp, 0, 0, 4, 1, d.rp, 0, 0, colour, 64);
        EXPECT_EQ(d.at(2, 0), 77);  // the key variant keeps the destination under 0

        // Cross-fade: 128 the source, 0 the background, equal pixels untouched.
        Bitmap bg(4, 1, depth);
        for (int x = 0; x < 4; ++x) bg.at(x, 0) = rgb(10, 10, 10);
        bg.at(1, 0) = s.at(1, 0);
        Grafik_Blit_Ueberblenden(s.rp, 0, 0, 4, 1, d.rp, 0, 0, 128, bg.rp, 0, 0);
        for (int x = 0; x < 4; ++x) EXPECT_EQ(d.at(x, 0), s.at(x, 0));
        Grafik_Blit_Ueberblenden(s.rp, 0, 0, 4, 1, d.rp, 0, 0, 0, bg.rp, 0, 0);
        for (int x = 0; x < 4; ++x) EXPECT_EQ(d.at(x, 0), bg.at(x, 0));
        Grafik_Blit_Ueberblenden(s.rp, 3, 0, 1, 1, d.rp, 3, 0, 64, bg.rp, 3, 0);
        EXPECT_EQ(d.at(3, 0), rgb(20, 20, 20));
        // A background offset reaching outside it is refused.
        EXPECT_EQ(Grafik_Blit_Ueberblenden(s.rp, 0, 0, 4, 1, d.rp, 0, 0, 64, bg.rp, 1, 0), 0);

        // Recolouring a pixel as light as the colour gives the colour.
        Bitmap one(1, 1, depth), out(1, 1, depth);
        one.at(0, 0) = colour;
        Grafik_Blit_Einfaerben(one.rp, 0, 0, 1, 1, out.rp, 0, 0, colour);
        EXPECT_EQ(out.at(0, 0), colour);

        // Coverage: 2 keeps, 240 writes the colour, 128 blends about half.
        Bitmap cov(3, 1, 8), glyph(3, 1, depth);
        px8(cov.rp)[0] = 2, px8(cov.rp)[1] = 240, px8(cov.rp)[2] = 128;
        for (int x = 0; x < 3; ++x) glyph.at(x, 0) = rgb(0, 0, 0) | 1;
        uint16_t white = rgb(31, f565 ? 63 : 31, 31);
        EXPECT_EQ(Grafik_Blit_8_Auf_Hicolor(cov.rp, 0, 0, 3, 1, glyph.rp, 0, 0, white), 1);
        EXPECT_EQ(glyph.at(0, 0), 1);
        EXPECT_EQ(glyph.at(1, 0), white);
        EXPECT_EQ(glyph.at(2, 0), rgb(15, f565 ? 31 : 15, 15));
    }
}

TEST(PixelLoops, KeyMaskMirrorAndOneColour)
{
    Bitmap s(3, 2, 16, true), d(3, 2, 16);
    s.at(0, 1) = 0, s.at(1, 1) = 5, s.at(2, 1) = 6;
    Grafik_Bit_Setzen(s.rp->mask, 3);  // pixel (0, 1): a 0 pixel that belongs to the picture
    Grafik_Bit_Setzen(s.rp->mask, 5);  // pixel (2, 1)
    for (int x = 0; x < 3; ++x) d.at(x, 1) = 9;
    Grafik_Blit_Transparent(s.rp, 0, 1, 3, 1, d.rp, 0, 1);
    EXPECT_EQ(d.at(0, 1), 0);
    EXPECT_EQ(d.at(1, 1), 9);
    EXPECT_EQ(d.at(2, 1), 6);

    // Mirrored with the mask: the first destination pixel reads c, whose bit decides.
    for (int x = 0; x < 3; ++x) d.at(x, 1) = 9;
    Grafik_Blit_Gespiegelt(s.rp, 0, 1, 3, 1, d.rp, 0, 1);
    EXPECT_EQ(d.at(0, 1), 6);
    EXPECT_EQ(d.at(1, 1), 9);
    EXPECT_EQ(d.at(2, 1), 0);

    Bitmap k(3, 1, 16);
    k.at(0, 0) = 1, k.at(1, 0) = 0, k.at(2, 0) = 3;
    for (int x = 0; x < 3; ++x) d.at(x, 0) = 9;
    Grafik_Blit_Gespiegelt(k.rp, 0, 0, 3, 1, d.rp, 0, 0);
    EXPECT_EQ(d.at(0, 0), 3);
    EXPECT_EQ(d.at(1, 0), 9);
    EXPECT_EQ(d.at(2, 0), 1);
    Grafik_Blit_Einfarbig(k.rp, 0, 0, 3, 1, d.rp, 0, 0, 0x1111);
    EXPECT_EQ(d.at(0, 0), 0x1111);
    EXPECT_EQ(d.at(1, 0), 9);
    EXPECT_EQ(d.at(2, 0), 0x1111);

    // 8-bit: transparent copies, one-colour has no loop, the mask mix writes the colour.
    Bitmap a(3, 1, 8), b(3, 1, 8);
    px8(a.rp)[0] = 4, px8(b.rp)[1] = 7;
    EXPECT_EQ(Grafik_Blit_Transparent(a.rp, 0, 0, 3, 1, b.rp, 0, 0), 1);
    EXPECT_EQ(px8(b.rp)[0], 4);
    EXPECT_EQ(px8(b.rp)[1], 7);
    EXPECT_EQ(Grafik_Blit_Einfarbig(a.rp, 0, 0, 3, 1, b.rp, 0, 0, 2), 0);
    EXPECT_EQ(Grafik_Blit_Abdunkeln(a.rp, 0, 0, 3, 1, b.rp, 0, 0, 40), 0);
    EXPECT_EQ(Grafik_Blit_Mischen_Maske(a.rp, 0, 0, 3, 1, b.rp, 0, 0, 200, 64), 1);
    EXPECT_EQ(px8(b.rp)[0], 200);
}

TEST(Zeichnen, FillsLinesCornersAndMaskCopy)
{
    Bitmap d(20, 16, 16);
    EXPECT_EQ(Grafik_Rechteck_Fuellen(d.rp, -5, -5, 10, 10, 7), 1);
    int count = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 20; ++x) count += d.at(x, y) == 7;
    EXPECT_EQ(count, 25);
    EXPECT_EQ(d.at(4, 4), 7);
    EXPECT_EQ(Grafik_Rechteck_Fuellen(d.rp, 20, 0, 3, 3, 7), 0);
    EXPECT_EQ(Grafik_Pixel_Lesen(d.rp, 20, 0), 0);
    EXPECT_EQ(Grafik_Pixel_Lesen(d.rp, 4, 4), 7);

    // Bresenham in either direction, both ends included.
    for (bool reverse : {false, true}) {
        Bitmap l(16, 16, 16);
        EXPECT_EQ(reverse ? Grafik_Linie(l.rp, 13, 11, 10, 10, 5) : Grafik_Linie(l.rp, 10, 10, 13, 11, 5), 1);
        std::vector<std::pair<int, int>> got;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (l.at(x, y)) got.push_back({x, y});
        EXPECT_EQ(got, (std::vector<std::pair<int, int>>{{10, 10}, {11, 10}, {12, 11}, {13, 11}}));
    }
    // Axis-parallel lines take both ends too, and no pixel beyond; a point draws nothing.
    Bitmap v(30, 30, 16);
    EXPECT_EQ(Grafik_Linie(v.rp, 3, 3, 3, 3, 5), 0);
    EXPECT_EQ(Grafik_Linie(v.rp, 2, 20, 2, 10, 5), 1);
    EXPECT_EQ(v.at(2, 9), 0);
    EXPECT_EQ(v.at(2, 10), 5);
    EXPECT_EQ(v.at(2, 20), 5);
    EXPECT_EQ(v.at(2, 21), 0);
    EXPECT_EQ(Grafik_Linie(v.rp, -10, 5, 500, 5, 6), 1);
    EXPECT_EQ(v.at(0, 5), 6);
    EXPECT_EQ(v.at(29, 5), 6) << "the whole row";
    EXPECT_EQ(Grafik_Linie(v.rp, 7, 12, 4, 12, 6), 1);
    EXPECT_EQ(v.at(3, 12), 0);
    EXPECT_EQ(v.at(4, 12), 6);
    EXPECT_EQ(v.at(7, 12), 6);
    EXPECT_EQ(v.at(8, 12), 0);
    Bitmap e(30, 30, 8);
    EXPECT_EQ(Grafik_Linie(e.rp, 0, 1, 10, 1, 3), 0);
    EXPECT_EQ(px8(e.rp)[30 + 10], 3);
    EXPECT_EQ(px8(e.rp)[30 + 11], 0);
    EXPECT_EQ(Grafik_Linie(e.rp, 1, 0, 1, 10, 3), 0);
    EXPECT_EQ(px8(e.rp)[30 + 1], 3);  // from the row above only

    // Rounded corners of the whole bitmap: 7 pixels per corner.
    Bitmap c(10, 8, 16);
    Grafik_Rechteck_Fuellen(c.rp, 0, 0, 10, 8, 1);
    Grafik_Ecken_Abrunden(c.rp, -1, -1, -1, -1);
    int holes = 0;
    for (int i = 0; i < 80; ++i) holes += px16(c.rp)[i] == 0;
    EXPECT_EQ(holes, 28);
    EXPECT_EQ(c.at(0, 3), 0);
    EXPECT_EQ(c.at(1, 2), 1);
    Grafik_Ecken_Abrunden(c.rp, -5, -5, 9, 7);  // would reach left of the bitmap: nothing

    Bitmap ms(3, 3, 16, true), md(3, 3, 16, true);
    Grafik_Bit_Setzen(ms.rp->mask, 4);
    std::memset(md.rp->mask, 0xFF, Grafik_Masken_Groesse(3, 3));
    EXPECT_EQ(Grafik_Bitmap_Maske_Kopieren(ms.rp, 1, 1, 5, 5, md.rp, 0, 0), 1);
    EXPECT_EQ(md.rp->mask[0], 0xFF & ~(1 << 1) & ~(1 << 3) & ~(1 << 4));  // only (0,0) kept
    EXPECT_EQ(md.rp->mask[1], 0xFF);
    EXPECT_EQ(Grafik_Bitmap_Maske_Kopieren(ms.rp, 0, 0, 3, 3, d.rp, 0, 0), 0);
}

// The masked loops take eight pixels at a time: every width, bit offset and mask pattern must
// give what the pixel-by-pixel reading of the mask gives, and nothing outside the rectangle
// changes; a bitmap blitted onto itself keeps the pixel order.
TEST(PixelLoops, MaskedRunsMatchThePixelByPixelReading)
{
    std::mt19937 zufall(7);
    const int sw = 61, sh = 5, dw = 70;
    for (int runde = 0; runde < 300; ++runde) {
        std::vector<uint16_t> src(size_t(sw) * sh), dst(size_t(dw) * sh);
        std::vector<uint8_t> mask(Grafik_Masken_Groesse(sw, sh));
        for (auto& p : src) p = uint16_t(zufall());
        for (auto& p : dst) p = uint16_t(zufall());
        // Empty, full and mixed bytes.
        for (auto& m : mask) {
            const uint32_t art = zufall() % 3;
            m = art == 0 ? 0 : art == 1 ? 0xFF : uint8_t(zufall());
        }
        const int sx = int(zufall() % 20), w = 1 + int(zufall() % uint32_t(sw - sx)), h = 1 + int(zufall() % sh);
        const int dx = int(zufall() % uint32_t(dw - w + 1));
        const uint16_t farbe = uint16_t(zufall());
        const int a = int(zufall() % 129);
        const bool mischen = runde % 2;
        std::vector<uint16_t> erwartet = dst;
        std::vector<uint16_t> misch(src.size());
        Pixel_Farbe_Mischen(16, src.data(), 0, 0, sw, sh, sw, misch.data(), 0, 0, sw, Pixel_Auswahl::Alle, nullptr, farbe, a,
                            Null_Regel::Keine);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const size_t bit = size_t(y) * sw + size_t(sx + x);
                if ((mask[bit >> 3] >> (bit & 7)) & 1)
                    erwartet[size_t(y) * dw + size_t(dx + x)] = mischen ? misch[bit] : src[bit];
            }
        if (mischen)
            Pixel_Farbe_Mischen(16, src.data(), sx, 0, w, h, sw, dst.data(), dx, 0, dw, Pixel_Auswahl::Maske, mask.data(),
                                farbe, a, Null_Regel::Keine);
        else
            Pixel_Transparent_16(src.data(), sx, 0, w, h, sw, dst.data(), dx, 0, dw, mask.data());
        ASSERT_EQ(dst, erwartet) << "Runde " << runde << ": sx " << sx << ", w " << w << ", h " << h;
    }

    // Onto itself, one pixel to the left: each pixel takes its right neighbour as it was then.
    std::vector<uint16_t> zeile(24);
    for (size_t i = 0; i < zeile.size(); ++i) zeile[i] = uint16_t(100 + i);
    std::vector<uint8_t> voll(3, 0xFF);
    Pixel_Transparent_16(zeile.data(), 1, 0, 20, 1, 24, zeile.data(), 0, 0, 24, voll.data());
    for (size_t i = 0; i < 20; ++i) EXPECT_EQ(zeile[i], 101 + i);
    EXPECT_EQ(zeile[20], 120);
}

// A mix without the source's part writes the colour itself (in 5-5-5 without the top bit), the
// transparent key only where the rule allows it.
TEST(PixelLoops, MixWithoutTheSourceIsTheColour)
{
    const uint16_t src[4] = {0, 7, 0x8421, 0xFFFF};
    for (int format : {15, 16})
        for (uint16_t farbe : {uint16_t(0xF81F), uint16_t(0x8000), uint16_t(0)}) {
            const uint16_t erwartet = format == 15 ? uint16_t(farbe & 0x7FFF) : farbe;
            uint16_t d[4] = {5, 5, 5, 5};
            Pixel_Farbe_Mischen(format, src, 0, 0, 4, 1, 4, d, 0, 0, 4, Pixel_Auswahl::Schluessel, nullptr, farbe, 0,
                                Null_Regel::Keine);
            EXPECT_EQ(d[0], 5);
            for (int i = 1; i < 4; ++i) EXPECT_EQ(d[i], erwartet) << format << " " << farbe;
            uint16_t e[4] = {5, 5, 5, 5};
            Pixel_Farbe_Mischen(format, src, 0, 0, 4, 1, 4, e, 0, 0, 4, Pixel_Auswahl::Alle, nullptr, farbe, 0,
                                Null_Regel::Wenn_Quelle);
            EXPECT_EQ(e[0], erwartet);
            for (int i = 1; i < 4; ++i) EXPECT_EQ(e[i], erwartet ? erwartet : 1);
        }
}

namespace {

// The mix of one pixel as written down: each channel min(max, s x a / 128 + c x (128 - a) / 128),
// then the rule for a result of 0.
uint16_t misch_referenz(int format, uint16_t s, uint16_t farbe, int a, Null_Regel regel)
{
    const int wa = std::clamp(a, 0, 128), rs = format == 15 ? 10 : 11, gmax = format == 15 ? 31 : 63;
    const auto kanal = [wa](int q, int c, int max) { return std::min(max, q * wa / 128 + c * (128 - wa) / 128); };
    const int r = kanal((s >> rs) & 31, (farbe >> rs) & 31, 31);
    const int g = kanal((s >> 5) & gmax, (farbe >> 5) & gmax, gmax);
    const int b = kanal(s & 31, farbe & 31, 31);
    const uint16_t v = uint16_t(r << rs | g << 5 | b);
    if (v == 0 && (regel == Null_Regel::Immer || (regel == Null_Regel::Wenn_Quelle && s != 0))) return 1;
    return v;
}

// Pixel by pixel in order over the buffers as they stand (a bitmap on itself included).
void misch_referenz_blit(int format, const uint16_t* src, int sx, int sy, int w, int h, int sw, uint16_t* dst, int dx,
                         int dy, int dw, Pixel_Auswahl auswahl, const uint8_t* mask, uint16_t farbe, int a,
                         Null_Regel regel)
{
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const size_t n = size_t(sy + y) * size_t(sw) + size_t(sx + x);
            const uint16_t s = src[n];
            const bool gewaehlt = auswahl == Pixel_Auswahl::Alle        ? true
                                  : auswahl == Pixel_Auswahl::Schluessel ? s != 0
                                                                         : ((mask[n >> 3] >> (n & 7)) & 1) != 0;
            if (gewaehlt) dst[size_t(dy + y) * size_t(dw) + size_t(dx + x)] = misch_referenz(format, s, farbe, a, regel);
        }
}

}  // namespace

// The mix against the written-down formula for every format, rule, selection and weight, on
// rectangles 1 to 70 pixels wide at every offset, rows ending at their bitmap's edge or not;
// nothing outside the rectangle changes. Sources hold keys and the dark pixels whose mix is 0.
TEST(PixelLoops, MixMatchesThePixelByPixelFormula)
{
    std::mt19937 zufall(11);
    const Pixel_Auswahl auswahlen[] = {Pixel_Auswahl::Alle, Pixel_Auswahl::Schluessel, Pixel_Auswahl::Maske};
    const Null_Regel regeln[] = {Null_Regel::Keine, Null_Regel::Wenn_Quelle, Null_Regel::Immer};
    const int gewichte[] = {0, 128, 1, 64, 127, -5, 300};
    const uint16_t farben[] = {0, 0xFFFF, 0x8000, 0x0001};
    int faelle = 0;
    for (int w = 1; w <= 70; ++w)
        for (int runde = 0; runde < 12; ++runde) {
            const int format = runde % 2 ? 15 : 16;
            const Pixel_Auswahl auswahl = auswahlen[(runde / 2) % 3];
            const Null_Regel regel = regeln[(runde + w) % 3];
            const int a = runde < 7 ? gewichte[(runde + w) % 7] : int(zufall() % 129);
            const uint16_t farbe = runde % 3 ? uint16_t(zufall()) : farben[(runde + w) % 4];
            const int sx = int(zufall() % 10), sy = int(zufall() % 3), h = 1 + int(zufall() % 4);
            const int dx = int(zufall() % 10), dy = int(zufall() % 3);
            // Every other round the rows end right behind the rectangle.
            const int sw = sx + w + (runde % 4 < 2 ? 0 : int(zufall() % 9)), sh = sy + h;
            const int dw = dx + w + (runde % 4 == 1 ? 0 : int(zufall() % 9)), dh = dy + h + 1;
            std::vector<uint16_t> src(size_t(sw) * sh), dst(size_t(dw) * dh);
            for (auto& p : src) {
                const uint32_t art = zufall() % 4;
                p = art == 0 ? 0 : art == 1 ? uint16_t(zufall() % 8) : uint16_t(zufall());
            }
            for (auto& p : dst) p = uint16_t(zufall());
            std::vector<uint8_t> mask(Grafik_Masken_Groesse(uint32_t(sw), uint32_t(sh)));
            for (auto& m : mask) {
                const uint32_t art = zufall() % 3;
                m = art == 0 ? 0 : art == 1 ? 0xFF : uint8_t(zufall());
            }
            std::vector<uint16_t> erwartet = dst;
            misch_referenz_blit(format, src.data(), sx, sy, w, h, sw, erwartet.data(), dx, dy, dw, auswahl, mask.data(),
                                farbe, a, regel);
            Pixel_Farbe_Mischen(format, src.data(), sx, sy, w, h, sw, dst.data(), dx, dy, dw, auswahl, mask.data(),
                                farbe, a, regel);
            ASSERT_EQ(dst, erwartet) << "format " << format << ", auswahl " << int(auswahl) << ", regel "
                                     << int(regel) << ", a " << a << ", farbe " << farbe << ", w " << w << ", sx "
                                     << sx << ", sw " << sw << ", dx " << dx << ", dw " << dw;
            ++faelle;
        }
    EXPECT_EQ(faelle, 70 * 12);

    // A bitmap on itself, the rows shifted against each other either way: each pixel is mixed
    // from the source as it stands when its turn comes.
    for (int runde = 0; runde < 60; ++runde) {
        const int bw = 40, w = 1 + int(zufall() % 30), h = 1 + int(zufall() % 3);
        std::vector<uint16_t> feld(size_t(bw) * 5);
        for (auto& p : feld) p = zufall() % 3 ? uint16_t(zufall()) : 0;
        std::vector<uint8_t> mask(Grafik_Masken_Groesse(bw, 5), 0xA7);
        const int sx = 1 + int(zufall() % 8), dx = sx + int(zufall() % 3) - 1, sy = int(zufall() % 2);
        const Pixel_Auswahl auswahl = auswahlen[runde % 3];
        const Null_Regel regel = regeln[(runde / 3) % 3];
        const int a = int(zufall() % 129), format = runde % 2 ? 15 : 16;
        const uint16_t farbe = uint16_t(zufall());
        std::vector<uint16_t> erwartet = feld;
        misch_referenz_blit(format, erwartet.data(), sx, sy, w, h, bw, erwartet.data(), dx, sy, bw, auswahl,
                            mask.data(), farbe, a, regel);
        Pixel_Farbe_Mischen(format, feld.data(), sx, sy, w, h, bw, feld.data(), dx, sy, bw, auswahl, mask.data(), farbe,
                            a, regel);
        ASSERT_EQ(feld, erwartet) << "runde " << runde << ", w " << w << ", sx " << sx << ", dx " << dx;
    }
}

// A glyph at the very end of its strip: the last row's pixels are the last bytes that may be
// read (the page behind them is unreadable), at every width below a vector.
TEST(PixelLoops, MixReadsNothingBehindTheLastPixel)
{
    const Schutzseite schutz;
    ASSERT_NE(schutz.ende, nullptr);
    uint16_t* ende = schutz.ende;
    for (int w = 1; w <= 9; ++w)
        for (auto auswahl : {Pixel_Auswahl::Alle, Pixel_Auswahl::Schluessel}) {
            const int h = 3;
            uint16_t* src = ende - w * h;  // a strip exactly w wide
            for (int i = 0; i < w * h; ++i) src[i] = uint16_t(i % 2 ? 0x7BEF : 0);
            uint16_t* dst = ende - 2 * w * h - 64;  // the destination ends right before it
            std::fill(dst, dst + w * h, uint16_t(5));
            std::vector<uint16_t> erwartet(dst, dst + w * h);
            misch_referenz_blit(16, src, 0, 0, w, h, w, erwartet.data(), 0, 0, w, auswahl, nullptr, 0xF800, 64,
                                Null_Regel::Keine);
            Pixel_Farbe_Mischen(16, src, 0, 0, w, h, w, dst, 0, 0, w, auswahl, nullptr, 0xF800, 64, Null_Regel::Keine);
            EXPECT_TRUE(std::equal(erwartet.begin(), erwartet.end(), dst)) << w;
            // and the other way round: the destination's last row at the end
            uint16_t* ziel = ende - w * h;
            uint16_t* quelle = ende - 2 * w * h - 64;
            for (int i = 0; i < w * h; ++i) quelle[i] = uint16_t(i % 3 ? 0x1234 : 0), ziel[i] = 9;
            std::vector<uint16_t> auch(ziel, ziel + w * h);
            misch_referenz_blit(15, quelle, 0, 0, w, h, w, auch.data(), 0, 0, w, auswahl, nullptr, 0x7C00, 0,
                                Null_Regel::Wenn_Quelle);
            Pixel_Farbe_Mischen(15, quelle, 0, 0, w, h, w, ziel, 0, 0, w, auswahl, nullptr, 0x7C00, 0,
                                Null_Regel::Wenn_Quelle);
            EXPECT_TRUE(std::equal(auch.begin(), auch.end(), ziel)) << w;
        }
}

// A long run (a whole screen and more) is filled through its first and last pixels, whatever the
// start's alignment, and not one pixel beyond: the pixels before and after keep their value.
TEST(PixelLoops, LongFillRunsEndExactlyAtTheirPixels)
{
    std::vector<uint16_t> feld(640 * 480 + 64, 0xABCD);
    for (size_t versatz : {size_t(1), size_t(2), size_t(3), size_t(4), size_t(7)})
        for (int32_t n : {4095, 4096, 4097, 4099, 640 * 480}) {
            std::fill(feld.begin(), feld.end(), uint16_t(0xABCD));
            // One row of n pixels starting `versatz` pixels in.
            Pixel_Fuellen_16(feld.data() + versatz, 0, 0, n, 1, n, 0x0001);
            EXPECT_EQ(feld[versatz - 1], 0xABCD) << versatz << " " << n;
            EXPECT_EQ(std::count(feld.begin() + long(versatz), feld.begin() + long(versatz) + n, uint16_t(1)), n)
                << versatz << " " << n;
            EXPECT_EQ(feld[versatz + size_t(n)], 0xABCD) << versatz << " " << n;
        }
    // The whole-row case of a bitmap: rows y .. y + h - 1 only.
    Bitmap b(640, 480, 16);
    ASSERT_NE(b.rp, nullptr);
    std::fill(px16(b.rp), px16(b.rp) + 640 * 480, uint16_t(0x1234));
    Pixel_Fuellen_16(px16(b.rp), 0, 3, 640, 470, 640, 0xF00F);
    EXPECT_EQ(b.at(639, 2), 0x1234);
    EXPECT_EQ(b.at(0, 3), 0xF00F);
    EXPECT_EQ(b.at(639, 472), 0xF00F);
    EXPECT_EQ(b.at(0, 473), 0x1234);
}

// Rows of up to 32 pixels between two bitmaps (the frame's edges beside a window) are copied in
// overlapping pieces: every width gives exactly the source's pixels and leaves those beside them,
// also where the rectangle's last row ends at the end of its memory (nothing read or written
// behind it), on the source's side and on the destination's.
TEST(Blit, NarrowRowsCopyExactlyTheirPixels)
{
    const Schutzseite schutz;
    ASSERT_NE(schutz.ende, nullptr);
    uint16_t* ende = schutz.ende;
    constexpr int B = 48;  // both bitmaps' width
    for (int w = 1; w <= 40; ++w)
        for (int x0 = 0; x0 < 4; ++x0)
            for (int richtung = 0; richtung < 2; ++richtung) {
                const int n = 2 * B + x0 + w;  // three rows, up to the rectangle's last pixel
                uint16_t* hinten = ende - n;
                uint16_t* vorn = ende - 1024;
                uint16_t* src = richtung ? vorn : hinten;
                uint16_t* dst = richtung ? hinten : vorn;
                for (int i = 0; i < n; ++i) src[i] = uint16_t(i + 1), dst[i] = 0xABCD;
                ASSERT_EQ(Grafik_Blit_16_Zeilen(src, x0, 0, w, 3, B, dst, x0, 0, B), 1);
                for (int i = 0; i < n; ++i)
                    ASSERT_EQ(dst[i], i % B >= x0 && i % B < x0 + w ? uint16_t(i + 1) : 0xABCD) << w << " " << x0 << " " << i;
            }
}

// Rows between two bitmaps of different widths, narrow and wide, in rectangles of fewer and
// more rows than the copy asks for ahead: every row lands exactly at its place, with the
// source's pixels, and nothing beside or below the rectangle changes, also where the
// destination's last row ends at the end of its memory.
TEST(Blit, RowsBetweenBitmapsOfOtherWidthsLandExactly)
{
    const Schutzseite schutz(4);
    ASSERT_NE(schutz.ende, nullptr);
    constexpr int SW = 700, DW = 640;
    std::vector<uint16_t> quelle(size_t(SW) * 12);
    for (size_t i = 0; i < quelle.size(); ++i) quelle[i] = uint16_t(i * 7 + 1);
    for (int w : {5, 32, 33, 48, 100, 603, 640})
        for (int h : {1, 3, 4, 5, 9})
            for (int sx : {0, 3, SW - w}) {
                const int dx = DW - w, sy = 2;
                const int n = (h - 1) * DW + dx + w;  // up to the rectangle's last pixel
                uint16_t* ziel = schutz.ende - n;
                std::fill(ziel, ziel + n, uint16_t(0xABCD));
                ASSERT_EQ(Grafik_Blit_16_Zeilen(quelle.data(), sx, sy, w, h, SW, ziel, dx, 0, DW), 1);
                for (int i = 0; i < n; ++i) {
                    const int y = i / DW, x = i % DW;
                    const uint16_t soll = x >= dx ? quelle[size_t(sy + y) * SW + size_t(sx + x - dx)] : uint16_t(0xABCD);
                    ASSERT_EQ(ziel[i], soll) << w << " " << h << " " << sx << " " << i;
                }
            }
}
