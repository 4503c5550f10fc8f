// The view's clipped sprite loop against a plain model: a random picture packed into a sprite
// and drawn whole, cut, mirrored, at half size and through colour and remap tables must put
// exactly the picture's visible pixels inside the clip, and nothing outside it.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit_hilfe.h"
#include "graphics/grafik_sprite.h"

namespace {

constexpr int32_t SW = 23, SH = 17, ZW = 64, ZH = 48;

struct Bild {
    Rastport* rp = nullptr;
    Rle_Sprite* s = nullptr;
    explicit Bild(int32_t tiefe, uint32_t saat)
    {
        rp = Grafik_Bitmap_Anlegen(SW, SH, tiefe);
        for (int32_t i = 0; i < SW * SH; ++i) {
            saat = saat * 1103515245u + 12345u;
            // about a third transparent, in runs
            const uint32_t v = (saat >> 16) % 3 == 0 ? 0 : (saat >> 8) & (tiefe == 8 ? 0xFF : 0xFFFF);
            if (tiefe == 8) static_cast<uint8_t*>(rp->pixels)[i] = uint8_t(v);
            else static_cast<uint16_t*>(rp->pixels)[i] = uint16_t(v);
        }
        s = Grafik_Bitmap_Packen(rp, 0, 0, SW, SH);
    }
    ~Bild()
    {
        Grafik_Sprite_Freigeben(s);
        Grafik_Bitmap_Freigeben(rp);
    }
    uint32_t pixel(int32_t x, int32_t y) const
    {
        return rp->depth == 8 ? static_cast<const uint8_t*>(rp->pixels)[y * SW + x] : static_cast<const uint16_t*>(rp->pixels)[y * SW + x];
    }
    Grafik_Sprite_Daten daten() const { return {s->data, s->data_size, s->width, s->height, s->depth, s->wide, 0}; }
};

// What the page must hold: the picture's pixel (mirrored, halved, through the tables) inside
// the clip and the background everywhere else.
std::vector<uint16_t> modell(const Bild& b, int32_t x, int32_t y, const Grafik_Clip& c, bool spiegel, bool halb,
                             const uint16_t* farben, const uint8_t* remap)
{
    std::vector<uint16_t> z(ZW * ZH, 0x5555);
    const int32_t t = halb ? 2 : 1;
    for (int32_t yy = 0; yy < SH / t; ++yy)
        for (int32_t xx = 0; xx < SW / t; ++xx) {
            const int32_t px = x + xx, py = y + yy;
            if (px < c.x0 || px >= c.x1 || py < c.y0 || py >= c.y1) continue;
            const int32_t sx = xx * t;
            uint32_t v = b.pixel(spiegel ? SW - 1 - sx : sx, yy * t);
            if (farben) {
                if (v && remap) v = remap[v];
                v = v ? farben[v] : 0;
            }
            if (v) z[size_t(py * ZW + px)] = uint16_t(v);
        }
    return z;
}

TEST(GrafikBlitHilfe, CutMirroredAndHalvedSpritesMatchThePlainModel)
{
    uint16_t farben[256];
    uint8_t remap[256];
    for (int32_t i = 0; i < 256; ++i) farben[i] = uint16_t(0x1000 + i * 7), remap[i] = uint8_t(255 - i);
    const Grafik_Clip clips[] = {{0, 0, ZW, ZH}, {20, 0, ZW, ZH}, {0, 9, ZW, 14}, {21, 8, 30, 40}, {50, 40, 60, 44}};
    const int32_t orte[][2] = {{10, 5}, {-6, 3}, {50, 40}, {14, -9}};
    for (int32_t tiefe : {16, 8}) {
        const Bild b(tiefe, uint32_t(tiefe) * 77u);
        ASSERT_NE(b.s, nullptr);
        for (const Grafik_Clip& c : clips)
            for (const auto& o : orte)
                for (int32_t art = 0; art < 6; ++art) {
                    const bool spiegel = art & 1, halb = art & 2, mit_remap = art & 4;
                    if (tiefe == 16 && mit_remap) continue;
                    const uint16_t* f = tiefe == 8 ? farben : nullptr;
                    const uint8_t* r = mit_remap ? remap : nullptr;
                    std::vector<uint16_t> seite(ZW * ZH, 0x5555);
                    // the clip cut to the page, as the view passes it
                    const Grafik_Clip k{std::max(c.x0, 0), std::max(c.y0, 0), std::min(c.x1, ZW), std::min(c.y1, ZH)};
                    Grafik_Sprite_Seite(b.daten(), seite.data(), ZW, o[0], o[1], k, spiegel, halb, f, r);
                    ASSERT_EQ(seite, modell(b, o[0], o[1], k, spiegel, halb, f, r))
                        << tiefe << " clip " << c.x0 << "," << c.y0 << " at " << o[0] << "," << o[1] << " art " << art;
                }
    }
}

// A store of decoded sprites draws what the plain loop draws: a sprite plain and mirrored are
// two pictures, one kept picture serves every clip and size, and a sprite made anew where
// another was given back (the store emptied as its users do) shows its own pixels.
TEST(GrafikBlitHilfe, ASpriteKeptDecodedDrawsAsDecodedEachTime)
{
    uint16_t farben[256];
    for (int32_t i = 0; i < 256; ++i) farben[i] = uint16_t(0x2000 + i * 5);
    Grafik_Sprite_Vorrat vorrat;
    const Grafik_Clip clips[] = {{3, 2, ZW - 5, ZH - 4}, {21, 8, 30, 40}, {0, 0, 33, ZH}};
    const int32_t orte[][2] = {{1, -2}, {-6, 3}, {14, 30}, {40, 7}};
    for (uint32_t saat : {11u, 12u})
        for (int32_t tiefe : {8, 16}) {
            vorrat.leeren();
            const Bild b(tiefe, saat * 31u);
            ASSERT_NE(b.s, nullptr);
            const uint16_t* f = tiefe == 8 ? farben : nullptr;
            for (int32_t runde = 0; runde < 2; ++runde)
                for (const Grafik_Clip& k : clips)
                    for (const auto& o : orte)
                        for (int32_t art = 0; art < 4; ++art) {
                            const bool spiegel = art & 1, halb = art & 2;
                            std::vector<uint16_t> seite(ZW * ZH, 0x5555);
                            Grafik_Sprite_Seite(b.daten(), seite.data(), ZW, o[0], o[1], k, spiegel, halb, f, nullptr, &vorrat);
                            ASSERT_EQ(seite, modell(b, o[0], o[1], k, spiegel, halb, f, nullptr))
                                << "seed " << saat << " depth " << tiefe << " round " << runde << " art " << art;
                        }
            EXPECT_EQ(vorrat.eintraege.size(), 2u) << "one picture plain, one mirrored";
        }
}

TEST(GrafikBlitHilfe, EntryPointsCutRowsAndColumnsRowsOnlyOrCopyPlainRows)
{
    const Bild b(16, 5);
    std::vector<uint16_t> seite(ZW * ZH, 0x5555);
    const Grafik_Clip k{12, 6, 30, 20};
    Grafik_Blit_Hilfe_A(b.s->data, b.s->data_size, SW, SH, seite.data(), 8, 4, ZW, k, true);
    EXPECT_EQ(seite, modell(b, 8, 4, k, true, false, nullptr, nullptr));
    // rows only: every column of the rows 10..14
    std::fill(seite.begin(), seite.end(), 0x5555);
    const int32_t n = Grafik_Blit_Hilfe_B(b.s->data, b.s->data_size, SW, SH, seite.data(), 8, 4, ZW, 10, 5, false);
    EXPECT_EQ(seite, modell(b, 8, 4, {8, 10, 8 + SW, 15}, false, false, nullptr, nullptr));
    EXPECT_GT(n, 0);
    // plain 8-bit rows through the colour table, 0 left alone; too little data draws nothing
    uint8_t zeilen[SW * SH];
    int32_t sichtbar = 0;
    for (int32_t i = 0; i < SW * SH; ++i) zeilen[i] = uint8_t(i % 5 == 0 ? 0 : i), sichtbar += zeilen[i] != 0;
    uint16_t farben[256];
    for (int32_t i = 0; i < 256; ++i) farben[i] = uint16_t(0x2000 + i);
    std::fill(seite.begin(), seite.end(), 0x5555);
    EXPECT_EQ(Grafik_Block_Kopieren(zeilen, sizeof zeilen, SW, SH, seite.data(), 3, 2, ZW, farben), sichtbar);
    for (int32_t y = 0; y < SH; ++y)
        for (int32_t x = 0; x < SW; ++x) {
            const uint8_t i = zeilen[y * SW + x];
            ASSERT_EQ(seite[size_t((y + 2) * ZW + x + 3)], i ? farben[i] : 0x5555) << x << "," << y;
        }
    EXPECT_EQ(Grafik_Block_Kopieren(zeilen, sizeof zeilen - 1, SW, SH, seite.data(), 3, 2, ZW, farben), 0);
    EXPECT_EQ(Grafik_Block_Kopieren(zeilen, sizeof zeilen, SW, SH, seite.data(), 3, 2, ZW, nullptr), 0);
}

}  // namespace

// Kept sprites are drawn by their opaque runs: sprites with whole transparent rows, wide
// transparent margins and holes, through remap and colour tables that themselves make pixels
// transparent, put the same pixels and report the same count as the plain loop.
TEST(GrafikBlitHilfe, KeptSpritesDrawByTheirRunsAsThePlainLoopDraws)
{
    uint16_t farben[256];
    uint8_t remap[256];
    for (int32_t i = 0; i < 256; ++i) farben[i] = i % 9 == 4 ? 0 : uint16_t(0x3000 + i * 3), remap[i] = uint8_t(i % 7 == 3 ? 0 : 255 - i);
    Grafik_Sprite_Vorrat vorrat;
    const Grafik_Clip clips[] = {{0, 0, ZW, ZH}, {5, 3, 26, 31}, {17, 0, 19, ZH}};
    const int32_t orte[][2] = {{2, 1}, {-7, 4}, {12, -5}, {30, 20}};
    for (int32_t tiefe : {8, 16}) {
        Rastport* rp = Grafik_Bitmap_Anlegen(SW, SH, tiefe);
        ASSERT_NE(rp, nullptr);
        uint32_t saat = 99u + uint32_t(tiefe);
        for (int32_t y = 0; y < SH; ++y)
            for (int32_t x = 0; x < SW; ++x) {
                saat = saat * 1103515245u + 12345u;
                // rows 0, 5 and 6 empty; a margin of 4 left and 3 right; holes inside
                const bool leer = y == 0 || y == 5 || y == 6 || x < 4 || x >= SW - 3 || (saat >> 16) % 4 == 0;
                const uint32_t v = leer ? 0 : 1 + (saat >> 8) % (tiefe == 8 ? 255 : 65535);
                if (tiefe == 8) static_cast<uint8_t*>(rp->pixels)[y * SW + x] = uint8_t(v);
                else static_cast<uint16_t*>(rp->pixels)[y * SW + x] = uint16_t(v);
            }
        Rle_Sprite* s = Grafik_Bitmap_Packen(rp, 0, 0, SW, SH);
        ASSERT_NE(s, nullptr);
        const Grafik_Sprite_Daten d{s->data, s->data_size, s->width, s->height, s->depth, s->wide, 0};
        for (const Grafik_Clip& k : clips)
            for (const auto& o : orte)
                for (int32_t art = 0; art < 8; ++art) {
                    const bool spiegel = art & 1, halb = art & 2, mit_remap = art & 4;
                    if (tiefe == 16 && mit_remap) continue;
                    const uint16_t* f = tiefe == 8 ? farben : nullptr;
                    const uint8_t* r = mit_remap ? remap : nullptr;
                    std::vector<uint16_t> plain(ZW * ZH, 0x5555), gehalten(ZW * ZH, 0x5555);
                    const int32_t n = Grafik_Sprite_Seite(d, plain.data(), ZW, o[0], o[1], k, spiegel, halb, f, r);
                    const int32_t m = Grafik_Sprite_Seite(d, gehalten.data(), ZW, o[0], o[1], k, spiegel, halb, f, r, &vorrat);
                    ASSERT_EQ(gehalten, plain) << "depth " << tiefe << " art " << art << " at " << o[0] << "," << o[1];
                    ASSERT_EQ(m, n) << "depth " << tiefe << " art " << art;
                }
        vorrat.leeren();
        Grafik_Sprite_Freigeben(s);
        Grafik_Bitmap_Freigeben(rp);
    }
}
