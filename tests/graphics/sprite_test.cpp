#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <tuple>
#include <vector>

#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_sprite.h"
#include "platform/bytes.h"
#include "platform/mem.h"
#include "platform/print.h"

namespace {

struct Bild {
    Rastport* rp;
    explicit Bild(int w, int h, int d) : rp(Grafik_Bitmap_Anlegen(w, h, d)) {}
    ~Bild() { Grafik_Bitmap_Freigeben(rp); }
    uint16_t& p16(int x, int y) { return static_cast<uint16_t*>(rp->pixels)[y * rp->width + x]; }
    uint8_t& p8(int x, int y) { return static_cast<uint8_t*>(rp->pixels)[y * rp->width + x]; }
    uint32_t px(int x, int y) { return rp->depth == 8 ? p8(x, y) : p16(x, y); }
};

struct Sprite {
    Rle_Sprite* s;
    explicit Sprite(Rle_Sprite* s) : s(s) {}
    ~Sprite() { Grafik_Sprite_Freigeben(s); }
};

std::vector<uint16_t> woerter(const Rle_Sprite* s, uint32_t n)
{
    std::vector<uint16_t> v;
    for (uint32_t i = 0; i < n; ++i) v.push_back(Bytes_Hole16(s->data + 2 * i));
    return v;
}

// A resource block of the sprite: header image, row table, the used data.
std::vector<uint8_t> block(const Rle_Sprite* s)
{
    uint32_t u = s->depth == 8 ? 1 : 2;
    uint32_t daten = s->height ? s->rows[s->height - 1] * u : 0;
    std::vector<uint8_t> b(SPRITE_KOPF + 4 * s->height + daten);
    Grafik_Sprite_Kopf_Schreiben(s, b.data());
    for (int r = 0; r < s->height; ++r) Bytes_Setze32(&b[SPRITE_KOPF + 4 * r], s->rows[r]);
    std::memcpy(&b[SPRITE_KOPF + 4 * s->height], s->data, daten);
    return b;
}

}  // namespace

TEST(SpriteKodieren, RunsLimitsAndMeasure)
{
    Bild a(40, 1, 16);
    for (int x = 2; x < 5; ++x) a.p16(x, 0) = 5;
    EXPECT_EQ(Grafik_Sprite_Groesse(a.rp), 9u);
    Sprite s(Grafik_Bitmap_Packen(a.rp, 0, 0, 40, 1));
    ASSERT_TRUE(s.s);
    EXPECT_EQ(s.s->rows[0], 6u);
    EXPECT_EQ(woerter(s.s, 6), (std::vector<uint16_t>{0x0002, 0x8003, 5, 5, 5, 0x0023}));

    Bild leer(100, 1, 16);
    Sprite t(Grafik_Bitmap_Packen(leer.rp, 0, 0, 100, 1));
    EXPECT_EQ(t.s->rows[0], 1u);
    EXPECT_EQ(woerter(t.s, 1)[0], 100);

    Bild schmal(124, 1, 8);
    Sprite u(Grafik_Bitmap_Packen(schmal.rp, 0, 0, 124, 1));
    EXPECT_EQ(u.s->wide, 0);
    EXPECT_EQ(u.s->rows[0], 1u);
    EXPECT_EQ(u.s->data[0], 124);

    Bild lang(40000, 1, 16);
    for (int x = 0; x < 40000; ++x) lang.p16(x, 0) = 7;
    uint32_t rows[1];
    uint32_t n = Grafik_Sprite_Groesse(lang.rp);
    uint8_t* d = Grafik_Sprite_Kodieren(lang.rp, n, rows);
    ASSERT_TRUE(d);
    EXPECT_EQ(Bytes_Hole16(d), 0x8000 + 32700);
    EXPECT_EQ(Bytes_Hole16(d + 2 * (1 + 32700)), 0x8000 + 7300);
    EXPECT_EQ(rows[0], 40002u);
    Mem_Free(d, 0);

    Bild falsch(4, 4, 8);
    falsch.rp->depth = 12;
    EXPECT_EQ(Grafik_Sprite_Groesse(falsch.rp), 0u);
    EXPECT_EQ(Grafik_Sprite_Kodieren(falsch.rp, 10, nullptr), nullptr);
    EXPECT_EQ(Grafik_Bitmap_Packen(nullptr, 0, 0, 4, 4), nullptr);
}

TEST(SpriteKodieren, PackThenDecodeAtEveryDepth)
{
    std::mt19937 zufall(7);
    for (auto [w, d] : {std::pair{30, 8}, {200, 8}, {50, 15}, {33, 16}}) {
        Bild a(w, 9, d);
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < w; ++x) {
                uint32_t v = zufall() % 3 ? 0 : 1 + zufall() % (d == 8 ? 255 : 65535);
                if (d == 8) a.p8(x, y) = uint8_t(v); else a.p16(x, y) = uint16_t(v);
            }
        Sprite s(Grafik_Bitmap_Packen(a.rp, 0, 0, w, 9));
        ASSERT_TRUE(s.s);
        EXPECT_EQ(s.s->wide, d == 8 && w > 124);
        Bild z(w, 9, d);
        EXPECT_EQ(Grafik_Sprite_Blit(s.s, z.rp, 0, 0), 1);
        EXPECT_EQ(std::memcmp(a.rp->pixels, z.rp->pixels, size_t(w) * 9 * (d == 8 ? 1 : 2)), 0)
            << w << " " << d;
        // and through the resource block check
        std::vector<uint8_t> b = block(s.s);
        Sprite r(Grafik_Sprite_Aus_Block(b.data(), uint32_t(b.size()), nullptr));
        ASSERT_TRUE(r.s);
        EXPECT_EQ(std::memcmp(r.s->data, s.s->data, b.size() - SPRITE_KOPF - 4 * 9), 0);
    }
}

TEST(SpriteKodieren, To555)
{
    Bild a(3, 1, 16);
    a.p16(0, 0) = 0xFFFF;
    a.p16(2, 0) = 0x07E0;
    Sprite s(Grafik_Bitmap_Packen(a.rp, 0, 0, 3, 1));
    Grafik_Sprite_Nach_555(s.s);
    EXPECT_EQ(s.s->depth, 15);
    EXPECT_EQ(woerter(s.s, 5), (std::vector<uint16_t>{0x8001, 0x7FFF, 0x0001, 0x8001, 0x03E0}));
}

// A packed picture lets what lay under it through at its transparent pixel alone, in every depth.
TEST(SpriteKodieren, OnlyTheTransparentPixelLetsTheGroundThroughWhenBlitted)
{
    for (auto [d, loch_x, loch_y] : {std::tuple{16, 3, 2}, {8, 0, 0}, {15, 6, 4}, {16, -1, -1}}) {
        Bild a(7, 5, d);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x) {
                const uint32_t v = x == loch_x && y == loch_y ? 0 : 1 + uint32_t(x + 7 * y);
                if (d == 8) a.p8(x, y) = uint8_t(v); else a.p16(x, y) = uint16_t(v);
            }
        Sprite s(Grafik_Bitmap_Packen(a.rp, 0, 0, 7, 5));
        ASSERT_TRUE(s.s);
        Bild z(7, 5, d);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x) d == 8 ? void(z.p8(x, y) = 0xEE) : void(z.p16(x, y) = 0xEEEE);
        ASSERT_EQ(Grafik_Sprite_Blit(s.s, z.rp, 0, 0), 1);
        for (int y = 0; y < 5; ++y) {
            bool alt = false;
            for (int x = 0; x < 7; ++x) alt = alt || z.px(x, y) == (d == 8 ? 0xEEu : 0xEEEEu);
            EXPECT_EQ(alt, y == loch_y) << d << " row " << y;
        }
    }
}

TEST(SpriteKopf, HeaderImageOffsets)
{
    Rle_Sprite s{};
    s.width = 0x0102;
    s.height = 0x0304;
    s.x_offset = -2;
    s.y_offset = 0x0708;
    s.data_size = 0x0A0B0C0D;
    s.wide = 1;
    s.mirrored = 1;
    s.depth = 16;
    s.tag = 0x1122;
    s.data = reinterpret_cast<uint8_t*>(&s);
    uint8_t b[SPRITE_KOPF + 4];
    std::memset(b, 0xEE, sizeof b);
    Grafik_Sprite_Kopf_Schreiben(&s, b);
    const uint8_t erwartet[36] = {2, 1, 4, 3, 0xFE, 0xFF, 8, 7, 0, 0, 0, 0, 0x0D, 0x0C, 0x0B, 0x0A,
                                  0, 1, 0, 0, 1, 16, 0x22, 0x11};
    EXPECT_EQ(std::memcmp(b, erwartet, 36), 0);
    EXPECT_EQ(b[36], 0xEE);
    Rle_Sprite t;
    std::memset(b + 24, 0x55, 12);
    Grafik_Sprite_Kopf_Lesen(b, &t);
    EXPECT_EQ(t.x_offset, -2);
    EXPECT_EQ(t.data_size, 0x0A0B0C0Du);
    EXPECT_EQ(t.data, nullptr);
    EXPECT_EQ(t.depth, 16);
}

TEST(SpriteLoops, SkipCopyMirrorTopClipAndZeroLiteral)
{
    // one row of width 5: skip 2, copy 3 (7, 0, 9)
    const uint8_t strom[] = {2, 0, 3, 0x80, 7, 0, 0, 0, 9, 0};
    uint16_t d[5] = {1, 1, 1, 1, 1};
    Pixel_Sprite_16(strom, 5, 1, d, 5, 0, 0);
    EXPECT_EQ(std::vector<uint16_t>(d, d + 5), (std::vector<uint16_t>{1, 1, 7, 0, 9}));
    uint16_t m[5] = {1, 1, 1, 1, 1};
    Pixel_Sprite_16(strom, 5, 1, m, 5, 0, 1);
    EXPECT_EQ(std::vector<uint16_t>(m, m + 5), (std::vector<uint16_t>{9, 0, 7, 1, 1}));

    // four rows of one copied byte each, starting at row -3: only the fourth lands
    const uint8_t vier[] = {0x81, 1, 0x81, 2, 0x81, 3, 0x81, 4};
    uint8_t z[2] = {0, 0};
    Pixel_Sprite_8(vier, 0, 1, 4, z, 1, -3, 0);
    EXPECT_EQ(z[0], 4);
    EXPECT_EQ(z[1], 0);

    // half size, buffered: rows 0, 1, 4, 5 of eight, even columns, 0x0101 never drawn
    std::vector<uint8_t> halb;
    for (int r = 0; r < 8; ++r) {
        halb.insert(halb.end(), {4, 0x80});
        for (int x = 0; x < 4; ++x) halb.push_back(uint8_t(r * 4 + x + 1));
    }
    uint16_t farben[256];
    for (int i = 0; i < 256; ++i) farben[i] = uint16_t(i == 5 ? 0x0101 : 1000 + i);
    std::vector<uint16_t> ziel(2 * 5, 0);
    Pixel_Sprite_Halb_Puffer(halb.data(), 4, 8, ziel.data(), 2, 0, farben);
    EXPECT_EQ(ziel, (std::vector<uint16_t>{1001, 1003, 0, 1007, 1017, 1019, 1021, 1023, 0, 0}));
    EXPECT_EQ(Pixel_Sprite_Halb_Puffer(halb.data(), 1025, 1, ziel.data(), 2, 0, farben), 0);
}

TEST(SpriteBlit, PositionRefusalsAndClipping)
{
    Bild a(20, 2, 16);
    for (int x = 0; x < 20; ++x) a.p16(x, 0) = a.p16(x, 1) = uint16_t(x + 1);
    Sprite s(Grafik_Bitmap_Packen(a.rp, 0, 0, 20, 2));
    Bild z(200, 10, 16);
    s.s->mirrored = 1;
    Grafik_Sprite_Versatz_Setzen(s.s, 3, 0);
    EXPECT_EQ(Grafik_Sprite_Blit(s.s, z.rp, 100, 0), 1);
    EXPECT_EQ(z.p16(76, 0), 0);
    EXPECT_EQ(z.p16(77, 0), 20);  // mirrored: the last column comes first
    EXPECT_EQ(z.p16(96, 0), 1);
    EXPECT_EQ(z.p16(97, 0), 0);

    s.s->mirrored = 0;
    Grafik_Sprite_Versatz_Setzen(s.s, 0, 0);
    Bild acht(200, 10, 8);
    EXPECT_EQ(Grafik_Sprite_Blit(s.s, acht.rp, 0, 0), 0);
    EXPECT_EQ(Grafik_Sprite_Blit(nullptr, z.rp, 0, 0), 0);
    EXPECT_EQ(Grafik_Sprite_Blit(s.s, nullptr, 0, 0), 0);
    EXPECT_EQ(Grafik_Sprite_Blit(s.s, z.rp, 10, -2), 0);
    EXPECT_EQ(Grafik_Sprite_Blit(s.s, z.rp, 10, 10), 0);

    Bild k(10, 3, 16);
    EXPECT_NE(Grafik_Sprite_Blit(s.s, k.rp, -15, -1), 0);  // left edge, and top
    EXPECT_EQ(k.p16(0, 0), 16);
    EXPECT_EQ(k.p16(4, 0), 20);
    EXPECT_EQ(k.p16(5, 0), 0);
    EXPECT_EQ(k.p16(0, 1), 0);
    EXPECT_NE(Grafik_Sprite_Blit(s.s, k.rp, 7, 2), 0);  // right edge, and bottom
    EXPECT_EQ(k.p16(7, 2), 1);
    EXPECT_EQ(k.p16(9, 2), 3);

    // Zeilen from row 1, clipped at the destination's right and bottom
    Bild zz(6, 1, 16);
    EXPECT_EQ(Grafik_Sprite_Zeilen_Clip(s.s->data, s.s->rows, 1, 2, 3, 20, 2, zz.rp, 4, 0), 1);
    EXPECT_EQ(zz.p16(4, 0), 3);
    EXPECT_EQ(zz.p16(5, 0), 4);
    EXPECT_EQ(Grafik_Sprite_Zeilen(s.s->data, s.s->rows, 0, 20, 2, zz.rp, 0, 5), 0);
}

TEST(SpriteBlit, RemapOnlyWhollyInside)
{
    Bild a(3, 2, 8);
    a.p8(0, 0) = 1;
    a.p8(2, 1) = 2;
    Sprite s(Grafik_Bitmap_Packen(a.rp, 0, 0, 3, 2));
    uint8_t tabelle[256];
    for (int i = 0; i < 256; ++i) tabelle[i] = uint8_t(255 - i);
    Bild z(5, 5, 8);
    EXPECT_EQ(Grafik_Palette_Remap_Blit(s.s, z.rp, 3, 0, tabelle), 0);
    EXPECT_EQ(Grafik_Palette_Remap_Blit(s.s, z.rp, 0, -1, tabelle), 0);
    EXPECT_EQ(z.p8(0, 0) + z.p8(3, 0) + z.p8(4, 0), 0);
    EXPECT_EQ(Grafik_Palette_Remap_Blit(s.s, z.rp, 2, 3, tabelle), 1);
    EXPECT_EQ(z.p8(2, 3), 254);
    EXPECT_EQ(z.p8(4, 4), 253);
    EXPECT_EQ(z.p8(3, 3), 0);
}

TEST(SpriteBlock, DamagedBlocksAreRefused)
{
    std::vector<std::string> meldungen;
    Print_Fehler_Set_Hook([&](const std::string& t) { meldungen.push_back(t); });
    Bild a(130, 6, 8);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 130; ++x) a.p8(x, y) = uint8_t((x / 3 + y) % 4 ? x : 0);
    Sprite s(Grafik_Bitmap_Packen(a.rp, 0, 0, 130, 6));
    std::vector<uint8_t> gut = block(s.s);

    auto laden = [](std::vector<uint8_t> b) {
        Rle_Sprite* r = Grafik_Sprite_Aus_Block(b.data(), uint32_t(b.size()), nullptr);
        bool ok = r;
        Grafik_Sprite_Freigeben(r);
        return ok;
    };
    EXPECT_TRUE(laden(gut));
    auto b = gut;
    b[21] = 12;
    EXPECT_FALSE(laden(b));
    b = gut;
    Bytes_Setze32(&b[SPRITE_KOPF], 100000);  // row table past the data
    EXPECT_FALSE(laden(b));
    b = gut;
    Bytes_Setze16(&b[SPRITE_KOPF + 24], 131);  // first run longer than the row
    EXPECT_FALSE(laden(b));
    b = gut;
    Bytes_Setze16(&b[SPRITE_KOPF + 24], 0x8000);  // zero-length run
    EXPECT_FALSE(laden(b));
    b = gut;
    b.resize(b.size() - 1);
    EXPECT_FALSE(laden(b));
    EXPECT_FALSE(laden(std::vector<uint8_t>(20)));
    EXPECT_FALSE(meldungen.empty());

    // mutated blocks load or are refused, never read outside (the sanitizer build checks)
    std::mt19937 zufall(18);
    for (int i = 0; i < 4000; ++i) {
        b = gut;
        int n = 1 + int(zufall() % 4);
        for (int k = 0; k < n; ++k) {
            size_t stelle = zufall() % b.size();
            b[stelle] = uint8_t(zufall());
        }
        if (zufall() % 8 == 0) b.resize(zufall() % b.size());
        Rle_Sprite* r = Grafik_Sprite_Aus_Block(b.data(), uint32_t(b.size()), nullptr);
        if (r) {
            Bild z(300, 20, r->depth);
            Grafik_Sprite_Blit(r, z.rp, 10, 5);
            Grafik_Sprite_Freigeben(r);
        }
    }
    Print_Fehler_Set_Hook({});
}

// The rows a blit writes whole, counted from the top: at each depth and code width, up to the
// first row with a transparent pixel at its start, inside or at its end.
TEST(SpriteBlit, RowsWrittenWholeFromTheTop)
{
    for (auto [tiefe, breite] : {std::pair{8, 20}, std::pair{8, 130}, std::pair{16, 20}, std::pair{15, 603}})
        for (int luecke : {-1, 0, 7, breite - 1}) {
            Bild a(breite, 6, tiefe);
            for (int y = 0; y < 6; ++y)
                for (int x = 0; x < breite; ++x) tiefe == 8 ? void(a.p8(x, y) = uint8_t(1 + x % 99)) : void(a.p16(x, y) = uint16_t(1 + x));
            if (luecke >= 0) tiefe == 8 ? void(a.p8(luecke, 4) = 0) : void(a.p16(luecke, 4) = 0);
            Sprite s(Grafik_Bitmap_Packen(a.rp, 0, 0, breite, 6));
            EXPECT_EQ(Grafik_Sprite_Deckende_Zeilen(s.s), luecke < 0 ? 6 : 4) << tiefe << " " << breite << " " << luecke;
        }
    EXPECT_EQ(Grafik_Sprite_Deckende_Zeilen(nullptr), 0);
}
