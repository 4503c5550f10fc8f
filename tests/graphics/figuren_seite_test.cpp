// A page of the builder's shirts, numbers and crests through the program's own drawing code:
// shirts in twelve kits, figure sprites plain, mirrored and at half size, 100 small crests and
// ten at natural size, compared with the stored picture. DORVIN_BILD_NEU=1 writes the picture
// anew (to be looked at before it is committed).
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/temp_ordner.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_spielerfigur.h"
#include "graphics/grafik_sprite.h"
#include "graphics/grafik_wappen.h"
#include "graphics/grafik_zeichnen.h"
#include "graphics/png_bild.h"
#include "platform/display.h"
#include "platform/os/os_display.h"
#include "platform/resfile.h"
#include "tools/datagen/trikot_bilder.h"
#include "tools/datagen/wappen_bilder.h"

namespace {

uint8_t kits[12][36];
const uint8_t* kit(int32_t team) { return team >= 0 && team < 12 ? kits[team] : nullptr; }
int32_t position(int32_t spieler) { return spieler == 99 ? POSITION_TORWART : 0; }
int32_t nummer(int32_t team, int32_t spieler) { return spieler == 99 ? 1 : team * 8 + spieler; }

// Teams 0-99 show one crest of every six, 100-109 ten chosen ones.
int32_t wappen(int32_t team, int32_t* user)
{
    static const int32_t gross[10] = {0, 1, 2, 3, 4, 5, 6, 7, WAPPEN_OHNE_TEAM, WAPPEN_NEUTRAL};
    *user = 0;
    return team < 100 ? team * 6 + team % 6 : gross[team - 100];
}

// A strip of four little men in palette colours 1-6, 128 wide so that it takes word codes.
Rastport* maennchen()
{
    Rastport* b = Grafik_Bitmap_Anlegen(128, 40, 8);
    auto* p = static_cast<uint8_t*>(b->pixels);
    for (int k = 0; k < 4; ++k)
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 32; ++x) {
                const int cx = x - 16;
                uint8_t c = 0;
                if (cx * cx + (y - 6) * (y - 6) <= 20) c = 1;                          // head
                else if (y >= 11 && y < 26 && std::abs(cx) <= 7) c = uint8_t(2 + k % 3);  // shirt
                else if (y >= 12 && y < 22 && std::abs(cx) <= 10 + k) c = 1;           // arms
                else if (y >= 26 && y < 31 && std::abs(cx) <= 7) c = 5;                // shorts
                else if (y >= 31 && y < 40 && std::abs(cx) >= 2 && std::abs(cx) <= 5 + (k == 1) * (y - 31) / 2) c = 6;
                p[y * 128 + k * 32 + x] = c;
            }
    return b;
}

}  // namespace

TEST(FigurenSeite, ShirtsFiguresAndCrestsMatchTheStoredPicture)
{
    static Wappen_Vorlagen vorlagen{};
    const char* namen[8] = {"FC Kirchberg", "Sportverein Holm", "Rot-Wei\xDF Altdorf", "Borussia Tann",
                            "VfL Oberau", "Union Falkenstein", "Eintracht Sande", "TSV Lindenhof"};
    const uint8_t farben[12][3] = {{255, 255, 255}, {200, 0, 0}, {0, 80, 200}, {0, 150, 60},
                                   {255, 210, 0},   {0, 0, 0},   {120, 0, 120}, {255, 120, 0},
                                   {100, 200, 255}, {90, 50, 20}, {160, 160, 160}, {0, 90, 90}};
    for (int n = 0; n < 8; ++n) {
        Wappen_Vorlage& v = vorlagen[size_t(n)];
        v.verein = true;
        std::memcpy(v.farbe[0], farben[n + 1], 3);
        std::memcpy(v.farbe[1], farben[(n + 5) % 12], 3);
        std::memcpy(v.monogramm, Wappen_Monogramm(namen[n]).c_str(), 2);
    }
    Vereins_Wappen_Vorlagen_Setzen(&vorlagen);
    Resf_Datei d;
    for (int32_t n : {139, 212, 328}) Resf_Setzen(d, uint32_t(n - 24), RES_BITMAP, Resf_Bitmap_Daten(Trikot_Grundbild(n)));
    for (int32_t n = 0; n < 100; ++n)
        Resf_Setzen(d, uint32_t(TRIKOT_NUMMER_BASIS + n - 24), RES_SPRITE, Trikot_Nummer_Eintrag(n));
    for (int32_t n = 0; n < VEREINS_WAPPEN_ZAHL; ++n)
        Resf_Setzen(d, uint32_t(VEREINS_WAPPEN_BASIS + n - 24), RES_BITMAP, Resf_Bitmap_Daten(Vereins_Wappen_Eintrag(n)));
    Vereins_Wappen_Vorlagen_Setzen(nullptr);
    const Test_Temp_Ordner ordner("figuren_seite");
    ASSERT_FALSE(ordner.pfad.empty());
    const std::string res = ordner / "figuren_seite.res";
    ASSERT_TRUE(Resf_Schreiben(d, res));
    for (int i = 0; i < RESFILE_SLOTS; ++i) DeInit_ResFile(i);
    const int32_t h = Init_ResFile(res.c_str());
    ASSERT_EQ(h, 0);
    const int32_t alt = ResFile_Handles[0].handle;
    ResFile_Handles[0].handle = h;
    for (int t = 0; t < 12; ++t)
        for (int c = 0; c < 36; ++c) kits[t][c] = c / 3 == 8 ? uint8_t(c == 24 ? 170 : c == 25 ? 255 : 0) : farben[t][c % 3];
    Grafik_Spielerfigur_Set_Daten({kit, position, nummer});
    Grafik_Spielerfigur_Cache_Freigeben();
    Grafik_Wappen_Set_Hook(wappen);

    Bildschirm_Modus = 101;
    ASSERT_EQ(Grafik_Screen_Init(640, 480, 16), 1);
    Grafik_Screen_Seite_Wechseln(0, 1);
    Grafik_Screen_Seite_Waehlen(1);
    Rastport* rt = Grafik_Render_Ziel;
    Grafik_Rechteck_Fuellen(rt, 0, 0, 640, 480, Grafik_Farbe(4, 7, 4));
    Grafik_Rechteck_Fuellen(rt, 0, 228, 640, 252, Grafik_Farbe(6, 6, 7));

    // two rows of shirts: style A, then B and C and a goalkeeper
    const int32_t stil[3] = {FIGUR_STIL_B, FIGUR_STIL_C, FIGUR_STIL_B};
    Rle_Sprite* figur = nullptr;
    for (int t = 0; t < 12; ++t) {
        Rastport* a = Grafik_Spielerfigur_Erzeugen(nullptr, t % 8, t, FIGUR_STIL_A, 0);
        Rastport* b = Grafik_Spielerfigur_Erzeugen(nullptr, t == 11 ? 99 : t % 8, t, stil[t % 3], 0);
        ASSERT_TRUE(a && b);
        Grafik_Blit_Transparent(a, 0, 0, 32, 48, rt, 10 + t * 52, 8);
        Grafik_Blit_Transparent(b, 0, 0, 32, 48, rt, 10 + t * 52, 62);
        if (t == 3) figur = Grafik_Bitmap_Packen(a, 0, 0, 32, 48);
        Grafik_Bitmap_Freigeben(a);
        Grafik_Bitmap_Freigeben(b);
    }
    // the shirt as a sprite, plain and mirrored, also over the left edge
    ASSERT_NE(figur, nullptr);
    for (int k = 0; k < 4; ++k) {
        figur->mirrored = uint8_t(k % 2);
        EXPECT_EQ(Grafik_Sprite_Blit(figur, rt, k == 0 ? -12 : 10 + k * 40 + (k % 2) * 32, 120), 1);
    }
    Grafik_Sprite_Freigeben(figur);
    // 8-bit figures through a colour table: plain, mirrored and at half size
    uint16_t tabelle[256] = {};
    const uint32_t c8[7][3] = {{0, 0, 0}, {15, 12, 10}, {14, 2, 2}, {2, 5, 14}, {14, 13, 1}, {15, 15, 15}, {1, 1, 1}};
    for (int i = 0; i < 7; ++i) tabelle[i] = Grafik_Farbe(c8[i][0], c8[i][1], c8[i][2]);
    Rastport* m = maennchen();
    Rle_Sprite* ms = Grafik_Bitmap_Packen(m, 0, 0, 128, 40);
    ASSERT_TRUE(ms && ms->wide);
    auto* seite = static_cast<uint16_t*>(rt->pixels);
    EXPECT_EQ(Pixel_Sprite_8_16(ms->data, 1, 128, 40, seite + 124 * 640 + 190, 640, 0, tabelle), 1);
    EXPECT_EQ(Pixel_Sprite_8_16(ms->data, 1, 128, 40, seite + 124 * 640 + 330, 640, 1, tabelle), 1);
    EXPECT_EQ(Pixel_Sprite_Halb_Puffer(ms->data, 128, 40, seite + 134 * 640 + 470, 640, 0, tabelle), 1);
    Grafik_Sprite_Freigeben(ms);
    Grafik_Bitmap_Freigeben(m);

    // 100 crests at 12 x 12, ten at their own size
    for (int32_t t = 0; t < 100; ++t)
        EXPECT_EQ(Grafik_Wappen_Laden(h, rt, 16, t, 12 + (t % 10) * 18, 240 + (t / 10) * 22, 1, 12, 12), nullptr);
    for (int32_t k = 0; k < 10; ++k)
        Grafik_Wappen_Laden(h, rt, 16, 100 + k, 220 + (k % 5) * 80, 250 + (k / 5) * 100, 1, 0, 0);
    for (int32_t k = 0; k < 10; ++k) {
        const uint16_t mitte = seite[(250 + (k / 5) * 100 + 40) * 640 + 220 + (k % 5) * 80 + 24];
        EXPECT_NE(mitte, Grafik_Farbe(6, 6, 7)) << k;  // the crest covers its place
    }

    ASSERT_EQ(Grafik_Screen_Seite_Zeigen(1), 1);
    int pitch = 0;
    const uint16_t* frame = Os_Display_Frame(&pitch);
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(pitch, 640);
    // the picture to look at stays where DORVIN_BILDER names, else it goes with the scratch folder
    const char* bilder = std::getenv("DORVIN_BILDER");
    Png_Schreiben(bilder ? std::string(bilder) + "/figuren_seite.png" : ordner / "figuren_seite.png", frame, 640, 480, false);
    EXPECT_EQ(Png_Abweichungen(std::string(DORVIN_SOURCE_DIR) + "/tests/graphics/figuren_erwartet.png", frame, 640, 480), 0);

    Grafik_Screen_DeInit();
    Grafik_Wappen_Set_Hook(nullptr);
    Grafik_Spielerfigur_Cache_Freigeben();
    Grafik_Spielerfigur_Set_Daten({});
    ResFile_Handles[0].handle = alt;
    DeInit_ResFile(h);
}
