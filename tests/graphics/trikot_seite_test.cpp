// The builder's shirt pictures and number sprites through the program's shirt maker: a page
// of shirts in twelve kits, written as a picture to look at.
#include <gtest/gtest.h>

#include <string>

#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_spielerfigur.h"
#include "graphics/png_bild.h"
#include "platform/resfile.h"
#include "tools/datagen/trikot_bilder.h"

namespace {

uint8_t kits[12][36];

const uint8_t* kit(int32_t team) { return team >= 0 && team < 12 ? kits[team] : nullptr; }
int32_t keine_position(int32_t) { return 0; }
int32_t nummer(int32_t team, int32_t spieler) { return team * 9 + spieler; }

}  // namespace

TEST(TrikotSeite, TwelveKitsThreeStylesWithNumbers)
{
    Resf_Datei d;
    for (int32_t n : {139, 212, 328}) Resf_Setzen(d, uint32_t(n - 24), RES_BITMAP, Resf_Bitmap_Daten(Trikot_Grundbild(n)));
    for (int32_t n = 0; n < 100; ++n)
        Resf_Setzen(d, uint32_t(TRIKOT_NUMMER_BASIS + n - 24), RES_SPRITE, Trikot_Nummer_Eintrag(n));
    std::string pfad = std::string(DORVIN_BINARY_DIR) + "/trikot_seite.res";
    ASSERT_TRUE(Resf_Schreiben(d, pfad));
    for (int i = 0; i < RESFILE_SLOTS; ++i) DeInit_ResFile(i);
    int32_t h = Init_ResFile(pfad.c_str());
    ASSERT_EQ(h, 0);
    int32_t alt = ResFile_Handles[0].handle;
    ResFile_Handles[0].handle = h;
    const uint8_t farben[12][3] = {{255, 255, 255}, {200, 0, 0}, {0, 80, 200}, {0, 150, 60},
                                   {255, 210, 0},   {0, 0, 0},   {120, 0, 120}, {255, 120, 0},
                                   {100, 200, 255}, {90, 50, 20}, {160, 160, 160}, {0, 90, 90}};
    for (int t = 0; t < 12; ++t)
        for (int c = 0; c < 36; ++c) kits[t][c] = farben[t][c % 3];
    Grafik_Spielerfigur_Daten daten{kit, keine_position, nummer};
    Grafik_Spielerfigur_Set_Daten(daten);
    Grafik_Spielerfigur_Cache_Freigeben();

    Rastport* seite = Grafik_Bitmap_Anlegen(12 * 36, 3 * 52, 16);
    auto* px = static_cast<uint16_t*>(seite->pixels);
    for (size_t i = 0; i < size_t(seite->width) * seite->height; ++i) px[i] = 0x6B4D;
    const int32_t stile[3] = {FIGUR_STIL_A, FIGUR_STIL_B, FIGUR_STIL_C};
    for (int s = 0; s < 3; ++s)
        for (int t = 0; t < 12; ++t) {
            Rastport* f = Grafik_Spielerfigur_Erzeugen(nullptr, s * 4 + 1, t, stile[s], 0);
            ASSERT_NE(f, nullptr);
            auto* fp = static_cast<uint16_t*>(f->pixels);
            uint16_t erwartet = Grafik_Farbe(farben[t][0] >> 4, farben[t][1] >> 4, farben[t][2] >> 4);
            EXPECT_EQ(fp[16 + 32 * 34], erwartet ? erwartet : 1) << s << " " << t;  // body below the number
            int ziffern = 0;
            for (int i = 0; i < 32 * 48; ++i) {
                EXPECT_NE(fp[i], TRIKOT_SCHLUESSEL) << s << " " << t << " " << i;
                if (fp[i] == 0xFFFF && i % 32 >= 10 && i % 32 < 22) ++ziffern;
            }
            EXPECT_GT(ziffern, 6) << s << " " << t;
            for (int y = 0; y < 48; ++y)
                for (int x = 0; x < 32; ++x)
                    if (fp[y * 32 + x]) px[(s * 52 + 2 + y) * seite->width + t * 36 + 2 + x] = fp[y * 32 + x];
            Grafik_Bitmap_Freigeben(f);
        }
    EXPECT_TRUE(Png_Schreiben(std::string(DORVIN_BINARY_DIR) + "/trikot_seite.png", px,
                              int(seite->width), int(seite->height), false));
    Grafik_Bitmap_Freigeben(seite);
    Grafik_Spielerfigur_Cache_Freigeben();
    Grafik_Spielerfigur_Set_Daten({});
    ResFile_Handles[0].handle = alt;
    DeInit_ResFile(h);
}
