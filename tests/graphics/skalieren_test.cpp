#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_filter.h"
#include "graphics/font_hilfe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_wappen.h"
#include "platform/handle.h"
#include "platform/resfile.h"
#include "tools/datagen/resf_writer.h"

namespace {

Rastport* bild(int w, int h, uint16_t (*f)(int, int))
{
    Rastport* rp = Grafik_Bitmap_Anlegen(w, h, 16);
    auto* p = static_cast<uint16_t*>(rp->pixels);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p[y * w + x] = f(x, y);
    return rp;
}

uint16_t px(Rastport* rp, int x, int y) { return static_cast<uint16_t*>(rp->pixels)[y * rp->width + x]; }

}  // namespace

TEST(Skalieren, ShrinkCopiesSameSizeAndKeepsDarkAreasVisible)
{
    Rastport* a = bild(48, 48, [](int x, int y) { return uint16_t(x * 1000 + y + 1); });
    Rastport* z = Grafik_Bitmap_Anlegen(48, 48, 16);
    Grafik_Bild_Verkleinern(a, z, 48, 48);
    EXPECT_EQ(std::memcmp(a->pixels, z->pixels, 48 * 48 * 2), 0);
    Grafik_Bitmap_Freigeben(z);

    // dark red and dark green areas beside a transparent corner
    Rastport* d = bild(48, 48, [](int x, int y) {
        return uint16_t(x < 8 && y < 8 ? 0 : (x + y) % 2 ? 0x0800 : 0x0020);
    });
    Rastport* k = Grafik_Bitmap_Anlegen(16, 16, 16);
    std::memset(k->pixels, 0xEE, 16 * 16 * 2);
    Grafik_Bild_Verkleinern(d, k, 12, 12);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            if (x < 2 && y < 2)
                EXPECT_EQ(px(k, x, y), 0);
            else
                EXPECT_NE(px(k, x, y), 0) << x << "," << y;
    EXPECT_EQ(px(k, 12, 0), 0xEEEE);  // only the w x h corner is written
    EXPECT_EQ(px(k, 0, 12), 0xEEEE);

    // refusals leave the target as it was
    std::memset(k->pixels, 0xEE, 16 * 16 * 2);
    Grafik_Bild_Verkleinern(d, k, 0, 5);
    Grafik_Bild_Verkleinern(d, k, 49, 5);
    Grafik_Bild_Verkleinern(d, k, 20, 20);  // larger than the target
    Grafik_Bild_Verkleinern(nullptr, k, 5, 5);
    EXPECT_EQ(px(k, 0, 0), 0xEEEE);
    Grafik_Bitmap_Freigeben(k);
    Grafik_Bitmap_Freigeben(d);
    Grafik_Bitmap_Freigeben(a);
}

// Each pixel of a shrunk picture is the mean, channel by channel, of its box of source pixels
// (boxes cut in 1/128 steps), however the sizes divide; a box with any visible pixel keeps a
// blue of at least 8.
TEST(Skalieren, ShrinkGivesEachPixelTheMeanOfItsBox)
{
    struct Fall {
        int sw, sh, w, h;
    };
    for (const Fall f : {Fall{37, 29, 11, 7}, Fall{50, 20, 49, 3}, Fall{9, 40, 2, 13}}) {
        Rastport* q = bild(f.sw, f.sh, [](int x, int y) {
            return uint16_t(x % 5 == 2 && y % 3 == 1 ? 0 : (x * 7919 + y * 104729) & 0xFFFF);
        });
        Rastport* z = Grafik_Bitmap_Anlegen(f.w, f.h, 16);
        Grafik_Bild_Verkleinern(q, z, f.w, f.h);
        Rastport* ein[3] = {Grafik_Bitmap_Anlegen(f.sw, f.sh, 8), Grafik_Bitmap_Anlegen(f.sw, f.sh, 8),
                            Grafik_Bitmap_Anlegen(f.sw, f.sh, 8)};
        Rastport* aus[3] = {Grafik_Bitmap_Anlegen(f.w, f.h, 8), Grafik_Bitmap_Anlegen(f.w, f.h, 8),
                            Grafik_Bitmap_Anlegen(f.w, f.h, 8)};
        ASSERT_EQ(Grafik_Kanaele_Trennen(q, ein[0], ein[1], ein[2], nullptr), 1);
        const int fx = (f.sw << 7) / f.w, fy = (f.sh << 7) / f.h;
        for (int j = 0; j < f.h; ++j)
            for (int i = 0; i < f.w; ++i) {
                unsigned summe[3] = {}, n = 0;
                bool sichtbar = false;
                for (int y = (j * fy) >> 7; y < ((j + 1) * fy) >> 7; ++y)
                    for (int x = (i * fx) >> 7; x < ((i + 1) * fx) >> 7; ++x) {
                        for (int k = 0; k < 3; ++k) summe[k] += static_cast<uint8_t*>(ein[k]->pixels)[y * f.sw + x];
                        sichtbar |= px(q, x, y) != 0;
                        ++n;
                    }
                for (int k = 0; k < 3; ++k) static_cast<uint8_t*>(aus[k]->pixels)[j * f.w + i] = uint8_t(summe[k] / n);
                uint8_t& blau = static_cast<uint8_t*>(aus[2]->pixels)[j * f.w + i];
                if (sichtbar && blau < 8) blau = 8;
            }
        Rastport* soll = Grafik_Bitmap_Anlegen(f.w, f.h, 16);
        ASSERT_EQ(Grafik_Kanaele_Verbinden(soll, aus[0], aus[1], aus[2]), 1);
        for (int y = 0; y < f.h; ++y)
            for (int x = 0; x < f.w; ++x) EXPECT_EQ(px(z, x, y), px(soll, x, y)) << f.sw << "x" << f.sh << " at " << x << "," << y;
        for (Rastport* r : {q, z, soll, ein[0], ein[1], ein[2], aus[0], aus[1], aus[2]}) Grafik_Bitmap_Freigeben(r);
    }
}

TEST(Skalieren, EnlargeByNearestPixelAndRefuseOversize)
{
    Rastport* a = bild(2, 2, [](int x, int y) { return uint16_t(10 * y + x + 1); });
    Rastport* z = Grafik_Bitmap_Anlegen(4, 4, 16);
    Grafik_Bild_Vergroessern(a, z, 4);
    const uint16_t erwartet[16] = {1, 1, 2, 2, 1, 1, 2, 2, 11, 11, 12, 12, 11, 11, 12, 12};
    EXPECT_EQ(std::memcmp(z->pixels, erwartet, sizeof erwartet), 0);
    Grafik_Bitmap_Freigeben(z);

    Rastport* breit = Grafik_Bitmap_Anlegen(1025, 2, 16);
    Grafik_Bild_Vergroessern(a, breit, 2);
    EXPECT_EQ(static_cast<uint16_t*>(breit->pixels)[0], 0);
    Grafik_Bitmap_Freigeben(breit);
    Rastport* hoch = Grafik_Bitmap_Anlegen(2, 800, 16);
    Grafik_Bild_Vergroessern(a, hoch, 800);
    EXPECT_EQ(static_cast<uint16_t*>(hoch->pixels)[0], 0);
    Grafik_Bitmap_Freigeben(hoch);
    Grafik_Bitmap_Freigeben(a);
}

TEST(PaletteRampen, ShadeRemapAndClash)
{
    EXPECT_EQ(Palette_Shade(255, 6), 57);
    EXPECT_EQ(Palette_Shade(20, 6), 0);
    uint8_t b = 0xA7;
    Palette_Low_Nibble_Setzen(&b, 0x13);
    EXPECT_EQ(b, 0xA3);
    EXPECT_EQ(Palette_High_Nibble(0xA3), 0x0A);

    uint8_t t[256];
    Grafik_Palette_Remap_Tabelle(0x3A, t, 0, 0);
    const uint8_t mitte[7] = {172, 173, 174, 174, 174, 174, 174};
    EXPECT_EQ(std::memcmp(t + 162, mitte, 7), 0);
    EXPECT_EQ(t[216], 215);
    EXPECT_EQ(t[236], 236);
    Grafik_Palette_Remap_Tabelle(0x3A, t, 1, 0);
    EXPECT_EQ(t[238], 224);
    EXPECT_EQ(t[204], 159);
    Grafik_Palette_Remap_Tabelle(0x3A, t, 1, 1);
    EXPECT_EQ(t[233], 193);
    EXPECT_EQ(t[245], 193);

    // the two teams wear nearly the same: both B ramps inverted within 0..63
    Rgb8 a[12], bb[12];
    for (int i = 0; i < 12; ++i) a[i] = bb[i] = Rgb8{200, 10, 10};
    uint8_t pal[768] = {};
    Grafik_Palette_Rampen(a, bb, pal);
    EXPECT_EQ(pal[3 * 236], 50);
    EXPECT_EQ(pal[3 * 222], 63 - 50);
    EXPECT_EQ(pal[3 * 222 + 1], 63 - 2);
    EXPECT_EQ(pal[3 * 231], 63 - 26);
    // far apart: B keeps its own ramps
    for (int i = 0; i < 12; ++i) bb[i] = Rgb8{0, 0, 255};
    Grafik_Palette_Rampen(a, bb, pal);
    EXPECT_EQ(pal[3 * 222 + 2], 63);
    EXPECT_EQ(pal[3 * 223 + 2], 57);
}

namespace {

// Crest numbers of the test teams: 3 wears crest 7, 4 a damaged number, 5 a user crest.
int32_t test_wappen(int32_t team, int32_t* user)
{
    *user = team == 5;
    return team == 3 ? 7 : team == 4 ? 700 : 12;
}

Resf_Bytes wappen_bild(uint16_t farbe)
{
    Resf_Bitmap b;
    b.width = b.height = 48;
    b.pixels.resize(48 * 48 * 2);
    for (size_t i = 0; i < b.pixels.size(); i += 2) {
        b.pixels[i] = uint8_t(farbe);
        b.pixels[i + 1] = uint8_t(farbe >> 8);
    }
    return Resf_Bitmap_Daten(b);
}

}  // namespace

TEST(Wappen, NumbersSizesAndMissingCrests)
{
    Resf_Datei d;
    // the first open file numbers its entries 24 above their index
    for (auto [nummer, farbe] : {std::pair{7, 0x1111}, {598, 0x5980}, {599, 0x5990}})
        Resf_Setzen(d, uint32_t(WAPPEN_BILD_BASIS + nummer - 24), RES_BITMAP, wappen_bild(uint16_t(farbe)));
    std::string pfad = std::string(DORVIN_BINARY_DIR) + "/wappen_test.res";
    ASSERT_TRUE(Resf_Schreiben(d, pfad));
    for (int i = 0; i < RESFILE_SLOTS; ++i) DeInit_ResFile(i);
    int32_t h = Init_ResFile(pfad.c_str());
    ASSERT_EQ(h, 0);
    Grafik_Wappen_Set_Hook(test_wappen);

    auto farbe = [&](int32_t team, int32_t w, int32_t hh, uint32_t* breite = nullptr) {
        Rastport* rp = Grafik_Wappen_Laden(h, nullptr, 16, team, 0, 0, 1, w, hh);
        if (!rp) return -1;
        if (breite) *breite = rp->width * 1000 + rp->height;
        int32_t f = px(rp, 0, 0);
        Grafik_Bitmap_Freigeben(rp);
        return f;
    };
    EXPECT_EQ(farbe(-1, 0, 0), 0x5980);
    EXPECT_EQ(farbe(3, 0, 0), 0x1111);
    EXPECT_EQ(farbe(4, 0, 0), 0x5990);
    EXPECT_EQ(farbe(5, 0, 0), -1);  // the user picture is missing: no crest
    uint32_t g = 0;
    farbe(3, 20, -1, &g);
    EXPECT_EQ(g, 20020u);
    farbe(3, -1, 60, &g);
    EXPECT_EQ(g, 60060u);

    // with a target: drawn there and freed
    Rastport* ziel = Grafik_Bitmap_Anlegen(30, 30, 16);
    EXPECT_EQ(Grafik_Wappen_Laden(h, ziel, 16, 3, 5, 5, 0, 12, 12), nullptr);
    EXPECT_EQ(px(ziel, 4, 4), 0);
    EXPECT_NE(px(ziel, 5, 5), 0);
    EXPECT_NE(px(ziel, 16, 16), 0);
    EXPECT_EQ(px(ziel, 17, 17), 0);
    Grafik_Bitmap_Freigeben(ziel);

    // the printer's crest code and its scaled picture code now draw
    int32_t alt = ResFile_Handles[0].handle;
    ResFile_Handles[0].handle = h;
    Font_Record* font = Test_Font(16);
    auto farbige = [](const Test_Bitmap& bm, uint16_t c) {
        int n = 0;
        for (uint16_t p : bm.pixels()) n += p == c;
        return n;
    };
    Test_Bitmap mit_wappen(100, 40);
    Grafik_Printf(mit_wappen.rp, font, "^gll0003", 0, 20);
    EXPECT_GT(farbige(mit_wappen, 0x1111), 20);
    Rastport* gross = Grafik_Bitmap_Anlegen(40, 40, 16);
    for (int i = 0; i < 1600; ++i) static_cast<uint16_t*>(gross->pixels)[i] = 0x0505;
    // Handed over to the drawing, which frees it.
    uint32_t handle = Handle_Registrieren(gross, Handle_Art::Bild_Abgegeben);
    char text[64];
    std::snprintf(text, sizeof text, "^gsl0x%08X", handle);
    Test_Bitmap skaliert(100, 40);
    Grafik_Printf(skaliert.rp, font, "%s", 0, 20, text);
    EXPECT_GT(farbige(skaliert, 0x0505), 20);
    Font_Free(font);
    ResFile_Handles[0].handle = alt;

    Grafik_Wappen_Set_Hook(nullptr);
    EXPECT_EQ(farbe(3, 0, 0), 0x5980);  // no team data: the crest for no team
    DeInit_ResFile(h);
}

// A crest shrunk to a size is made once per open file and handed out as a copy of its own: the
// second load brings the same pixels though the first copy was painted over, and a file opened
// anew in the same slot brings its own crest.
TEST(Wappen, ShrunkCrestsKeptWhileTheFileStaysOpen)
{
    std::string pfad = std::string(DORVIN_BINARY_DIR) + "/wappen_behalten_test.res";
    auto oeffnen = [&](uint16_t farbe) {
        Resf_Datei d;
        Resf_Setzen(d, uint32_t(WAPPEN_BILD_BASIS + 7 - 24), RES_BITMAP, wappen_bild(farbe));
        EXPECT_TRUE(Resf_Schreiben(d, pfad));
        for (int i = 0; i < RESFILE_SLOTS; ++i) DeInit_ResFile(i);
        return Init_ResFile(pfad.c_str());
    };
    int32_t h = oeffnen(0x1234);
    ASSERT_EQ(h, 0);
    Grafik_Wappen_Set_Hook(test_wappen);
    Rastport* erstes = Grafik_Wappen_Laden(h, nullptr, 16, 3, 0, 0, 1, 24, 24);
    ASSERT_NE(erstes, nullptr);
    const uint16_t farbe = px(erstes, 10, 10);
    std::memset(erstes->pixels, 0, 24 * 24 * 2);
    Rastport* zweites = Grafik_Wappen_Laden(h, nullptr, 16, 3, 0, 0, 1, 24, 24);
    ASSERT_NE(zweites, nullptr);
    EXPECT_NE(zweites->pixels, erstes->pixels);
    EXPECT_EQ(zweites->width, 24u);
    EXPECT_EQ(px(zweites, 10, 10), farbe);
    // Another size is made from the file again.
    Rastport* anders = Grafik_Wappen_Laden(h, nullptr, 16, 3, 0, 0, 1, 12, -1);
    ASSERT_NE(anders, nullptr);
    EXPECT_EQ(anders->height, 12u);
    for (Rastport* b : {erstes, zweites, anders}) Grafik_Bitmap_Freigeben(b);

    h = oeffnen(0x0F0F);
    ASSERT_EQ(h, 0);
    Rastport* neu = Grafik_Wappen_Laden(h, nullptr, 16, 3, 0, 0, 1, 24, 24);
    ASSERT_NE(neu, nullptr);
    EXPECT_NE(px(neu, 10, 10), farbe) << "the crest of the file opened now";
    Grafik_Bitmap_Freigeben(neu);
    DeInit_ResFile(h);
    Grafik_Wappen_Set_Hook(nullptr);
}
