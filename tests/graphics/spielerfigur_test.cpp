#include <gtest/gtest.h>

#include <string>

#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_spielerfigur.h"
#include "platform/resfile.h"
#include "tools/datagen/resf_writer.h"

namespace {

constexpr uint16_t SCHLUESSEL = 0x1234, RAND = 0x4321, ZIFFER = 0x0F0F;

uint16_t px(Rastport* rp, int x, int y) { return static_cast<uint16_t*>(rp->pixels)[y * rp->width + x]; }

// Base picture A: a 32 x 48 shirt, key colour inside, a border colour around it.
Resf_Bytes basis()
{
    Resf_Bitmap b;
    b.width = 32;
    b.height = 48;
    b.pixels.resize(32 * 48 * 2);
    for (int y = 4; y < 44; ++y)
        for (int x = 4; x < 28; ++x) {
            uint16_t v = (x == 4 || x == 27 || y == 4 || y == 43) ? RAND : SCHLUESSEL;
            b.pixels[2 * (y * 32 + x)] = uint8_t(v);
            b.pixels[2 * (y * 32 + x) + 1] = uint8_t(v >> 8);
        }
    return Resf_Bitmap_Daten(b);
}

// Number sprite n: n + 1 digit pixels in its first row.
Resf_Bytes nummer(int n)
{
    Resf_Bytes p(2 * 12 * 2, 0);
    for (int i = 0; i <= n; ++i) {
        p[2 * i] = uint8_t(ZIFFER);
        p[2 * i + 1] = uint8_t(ZIFFER >> 8);
    }
    return Resf_Sprite(Resf_Sprite_Block(12, 2, 16, p), 0, 0);
}

uint8_t weiss[36];
int32_t test_position(int32_t spieler) { return spieler == 1 ? POSITION_TORWART : 300; }
int32_t test_nummer(int32_t, int32_t spieler) { return spieler == 2 ? 107 : 3; }

struct Figuren : ::testing::Test {
    int32_t h = -1, alt = -1;
    void SetUp() override
    {
        Resf_Datei d;
        Resf_Setzen(d, 139 - 24, RES_BITMAP, basis());
        for (int n : {3, 7}) Resf_Setzen(d, uint32_t(1838 + n - 24), RES_SPRITE, nummer(n));
        std::string pfad = std::string(DORVIN_BINARY_DIR) + "/spielerfigur_test.res";
        ASSERT_TRUE(Resf_Schreiben(d, pfad));
        for (int i = 0; i < RESFILE_SLOTS; ++i) DeInit_ResFile(i);
        h = Init_ResFile(pfad.c_str());
        ASSERT_EQ(h, 0);
        alt = ResFile_Handles[0].handle;
        ResFile_Handles[0].handle = h;
        for (int i = 0; i < 36; ++i) weiss[i] = 255;
        for (int i = 24; i < 27; ++i) weiss[i] = 0;  // the keeper's shirt is black
        Grafik_Spielerfigur_Daten daten{};
        daten.kit = [](int32_t team) -> const uint8_t* { return team == 1 ? weiss : nullptr; };
        daten.position = test_position;
        daten.rueckennummer = test_nummer;
        Grafik_Spielerfigur_Set_Daten(daten);
        Grafik_Spielerfigur_Cache_Freigeben();
    }
    void TearDown() override
    {
        Grafik_Spielerfigur_Cache_Freigeben();
        Grafik_Spielerfigur_Set_Daten({});
        ResFile_Handles[0].handle = alt;
        if (h >= 0) DeInit_ResFile(h);
    }
};

}  // namespace

TEST_F(Figuren, KitKeeperNumbersAndStyles)
{
    Rastport* f = Grafik_Spielerfigur_Erzeugen(nullptr, -1, 1, FIGUR_STIL_A, 0);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->width, 32u);
    EXPECT_EQ(px(f, 16, 24), 0xFFFF);   // white kit where the key colour was
    EXPECT_EQ(px(f, 4, 4), RAND);
    EXPECT_EQ(px(f, 10, 13), 0xFFFF);   // no player: no number, even without bit 16
    Grafik_Bitmap_Freigeben(f);

    f = Grafik_Spielerfigur_Erzeugen(nullptr, 2, 5, FIGUR_STIL_A, 0);  // no kit, number 107
    EXPECT_EQ(px(f, 16, 24), 0xFA00);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(px(f, 10 + i, 13), ZIFFER) << i;
    EXPECT_EQ(px(f, 18, 13), 0xFA00);   // sprite 7: eight digit pixels
    Grafik_Bitmap_Freigeben(f);

    f = Grafik_Spielerfigur_Erzeugen(nullptr, 1, 1, FIGUR_STIL_A | FIGUR_OHNE_NUMMER, 0);
    EXPECT_EQ(px(f, 16, 24), 1);        // keeper in black (visible black is 1)
    EXPECT_EQ(px(f, 10, 13), 1);
    Grafik_Bitmap_Freigeben(f);

    f = Grafik_Spielerfigur_Erzeugen(nullptr, 3, 1, FIGUR_STIL_A | FIGUR_EIGENE_FARBE, 0x07E0);
    EXPECT_EQ(px(f, 16, 30), 0x07E0);
    Grafik_Bitmap_Freigeben(f);

    EXPECT_EQ(Grafik_Spielerfigur_Erzeugen(nullptr, 3, 1, 0, 0), nullptr);
    EXPECT_EQ(Grafik_Spielerfigur_Erzeugen(nullptr, 3, 1, FIGUR_STIL_B, 0), nullptr);  // no picture B

    // a wider target: the key pixel is still read inside the base picture's rectangle
    Rastport* breit = Grafik_Bitmap_Anlegen(100, 60, 16);
    EXPECT_EQ(Grafik_Spielerfigur_Erzeugen(breit, -1, 1, FIGUR_STIL_A, 0), breit);
    EXPECT_EQ(px(breit, 16, 24), 0xFFFF);
    EXPECT_EQ(px(breit, 27, 40), RAND);
    Grafik_Bitmap_Freigeben(breit);
}

TEST(Farbe, ReplaceInsideOnlyAndSolidZeros)
{
    Rastport* rp = Grafik_Bitmap_Anlegen(4, 4, 16);
    EXPECT_EQ(Grafik_Farbe_Ersetzen(rp, 2, 2, 3, 1, 0, 9), 0);
    EXPECT_EQ(Grafik_Farbe_Ersetzen(rp, -1, 0, 2, 2, 0, 9), 0);
    EXPECT_EQ(Grafik_Farbe_Ersetzen(nullptr, 0, 0, 1, 1, 0, 9), 0);
    EXPECT_EQ(px(rp, 2, 2), 0);
    EXPECT_EQ(Grafik_Farbe_Ersetzen(rp, 1, 1, 2, 2, 0, 9), 1);
    EXPECT_EQ(px(rp, 1, 1), 9);
    EXPECT_EQ(px(rp, 3, 3), 0);
    Grafik_Nullpixel_Ersetzen(rp);
    EXPECT_EQ(px(rp, 3, 3), 1);
    EXPECT_EQ(px(rp, 2, 2), 9);
    Grafik_Bitmap_Freigeben(rp);
}
