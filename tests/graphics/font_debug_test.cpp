// The debug font, palette conversion and the dimmed backgrounds.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "common/capture.h"
#include "graphics/font_hilfe.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_screen.h"
#include "platform/resfile.h"
#include "tools/datagen/resf_writer.h"
#include "database/db_hilfe.h"
#include "platform/debug.h"
#include "gameflow/wappen.h"
#include "platform/win95.h"

TEST(Debug, PaletteToHicolor)
{
    uint8_t palette[768] = {};
    palette[3] = palette[4] = palette[5] = 63;           // white
    palette[6] = 63;                                     // red
    palette[10] = 1;                                     // the darkest green
    uint16_t farben[256];
    int32_t alt = Grafik_Screen_Geometrie.depth;
    Grafik_Screen_Geometrie.depth = 15;
    EXPECT_EQ(Palette_To_Hicolor(palette, farben), 1);
    EXPECT_EQ(farben[0], 0);
    EXPECT_EQ(farben[1], 0x7FFF);
    EXPECT_EQ(farben[2], 0x7C00);
    EXPECT_EQ(farben[3], 0);
    Grafik_Screen_Geometrie.depth = 16;
    Palette_To_Hicolor(palette, farben);
    EXPECT_EQ(farben[1], 0xFFFF);
    EXPECT_EQ(farben[2], 0xF800);
    EXPECT_EQ(farben[3], 0x0020);
    Grafik_Screen_Geometrie.depth = 8;
    farben[1] = 0x1234;
    EXPECT_EQ(Palette_To_Hicolor(palette, farben), 1);
    EXPECT_EQ(farben[1], 0x1234);
    Grafik_Screen_Geometrie.depth = alt;
}

TEST(Debug, DebugFontAndBackground)
{
    char alt[256];
    std::snprintf(alt, sizeof alt, "%s", Pfad_Programm);
    std::snprintf(Pfad_Programm, sizeof Pfad_Programm, "%s/font_debug_fehlt", DORVIN_BINARY_DIR);
    EXPECT_EQ(Init_Debug_Font(), 0);
    EXPECT_EQ(Debug_Font, nullptr);

    std::snprintf(Pfad_Programm, sizeof Pfad_Programm, "%s", DORVIN_BINARY_DIR);
    ASSERT_TRUE(Font_Datei_Schreiben(Font_Datei_Toxf(Test_Font_Bild()),
                                     std::string(DORVIN_BINARY_DIR) + "/term6.fnt"));
    int32_t tiefe = Grafik_Screen_Geometrie.depth;
    Grafik_Screen_Geometrie.depth = 16;
    EXPECT_EQ(Init_Debug_Font(), 1);
    ASSERT_NE(Debug_Font_8, nullptr);
    ASSERT_NE(Debug_Font, nullptr);
    EXPECT_EQ(Debug_Font_8->strip->depth, 8);
    EXPECT_EQ(Debug_Font->strip->depth, 16);
    EXPECT_EQ(Debug_Font->ascent, 0u);
    EXPECT_EQ(DeInit_Debug_Font(), 1);
    EXPECT_EQ(Debug_Font, nullptr);
    Grafik_Screen_Geometrie.depth = tiefe;
    std::snprintf(Pfad_Programm, sizeof Pfad_Programm, "%s", alt);

    Debug_Print(DEBUG_ROT, "%s", "nichts");
}

namespace {

// A 5-6-5 pixel darkened by 60: each channel times (128 - 60) / 128, rounded down; in memory a
// visible pixel that would turn black stays visible as 1.
uint16_t abgedunkelt(uint16_t p)
{
    const uint32_t r = (p >> 11) * 68 / 128, g = ((p >> 5) & 63) * 68 / 128, b = (p & 31) * 68 / 128;
    const uint16_t d = uint16_t(r << 11 | g << 5 | b);
    return p != 0 && d == 0 ? 1 : d;
}

// Every channel value in every position of the picture, black and near-black included.
uint16_t muster(int x, int y, uint16_t stich)
{
    return uint16_t((x * 2053 + y * 4099) ^ stich);
}

// "" when the screen holds the expected picture, else where and how it first differs.
std::string abweichung(const std::vector<uint16_t>& ist, const std::vector<uint16_t>& soll)
{
    if (ist.size() != soll.size()) return "size " + std::to_string(ist.size());
    for (size_t i = 0; i < ist.size(); ++i)
        if (ist[i] != soll[i])
            return "(" + std::to_string(i % 640) + ", " + std::to_string(i / 640) + "): " +
                   std::to_string(ist[i]) + " instead of " + std::to_string(soll[i]);
    return "";
}

}  // namespace

TEST(Debug, DimmedBackgroundsAndCentredPicture)
{
    // Hand-worked values of the darkening: mid grey, white, the darkest visible pixel.
    EXPECT_EQ(abgedunkelt(0x8410), 0x4228);
    EXPECT_EQ(abgedunkelt(0xFFFF), 0x8430);
    EXPECT_EQ(abgedunkelt(0x0001), 1);
    EXPECT_EQ(abgedunkelt(0), 0);

    // Pictures at their resource numbers (index = number - 24); 6240 only in the first file.
    auto bild = [](uint16_t w, uint16_t h, auto farbe) {
        Resf_Bitmap b;
        b.width = w, b.height = h, b.depth = 16;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const uint16_t f = farbe(x, y);
                b.pixels.insert(b.pixels.end(), {uint8_t(f), uint8_t(f >> 8)});
            }
        return Resf_Bitmap_Daten(b);
    };
    auto einfarbig = [](uint16_t f) { return [f](int, int) { return f; }; };
    auto menue = [](int x, int y) { return muster(x, y, 0x8410); };
    auto spiel = [](int x, int y) { return muster(x, y, 0x7BEF); };
    Resf_Datei mit, ohne;
    for (Resf_Datei* d : {&mit, &ohne}) {
        Resf_Setzen(*d, 1048 - 24, 14, bild(640, 480, menue));
        Resf_Setzen(*d, 1229 - 24, 14, bild(20, 10, einfarbig(0x001F)));
        Resf_Setzen(*d, 3691 - 24, 14, bild(640, 480, spiel));
    }
    Resf_Setzen(mit, 6240 - 24, 14, bild(640, 480, einfarbig(0x1111)));
    std::string p1 = std::string(DORVIN_BINARY_DIR) + "/font_debug_mit.res";
    std::string p2 = std::string(DORVIN_BINARY_DIR) + "/font_debug_ohne.res";
    ASSERT_TRUE(Resf_Schreiben(mit, p1));
    ASSERT_TRUE(Resf_Schreiben(ohne, p2));
    int32_t h1 = Init_ResFile(p1.c_str()), h2 = Init_ResFile(p2.c_str());
    ASSERT_GE(h1, 0);
    ASSERT_GE(h2, 0);
    int32_t alt_handle = ResFile_Handles[0].handle;
    Rastport* alt_ziel = Grafik_Render_Ziel;
    Test_Bitmap schirm(640, 480);
    Grafik_Render_Ziel = schirm.rp;
    auto dunkel = [](auto farbe) {
        std::vector<uint16_t> v;
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x) v.push_back(abgedunkelt(farbe(x, y)));
        return v;
    };

    // Without a held background the dimmed menu background is not drawn.
    ResFile_Handles[0].handle = h1;
    EXPECT_EQ(Hintergrund_Show_Dunkel(), 0);
    EXPECT_EQ(schirm.at(5, 5), 0);
    // Held: the menu background, darkened by 60, fills the screen; then nothing is held.
    EXPECT_EQ(Hintergrund_Load(), 1);
    EXPECT_EQ(Hintergrund_Show_Dunkel(), 1);
    EXPECT_EQ(abweichung(schirm.pixels(), dunkel(menue)), "");
    EXPECT_EQ(Hintergrund_Show_Dunkel(), 0);

    // The match background needs no held one; the centred picture sits in 640 x 480.
    EXPECT_EQ(Hintergrund_Show_Spiel_Dunkel(), 1);
    EXPECT_EQ(abweichung(schirm.pixels(), dunkel(spiel)), "");
    EXPECT_EQ(Bild_Zentriert_Zeigen(), 1);
    EXPECT_EQ(schirm.at(310, 235), 0x001F);
    EXPECT_NE(schirm.at(309, 235), 0x001F);
    EXPECT_EQ(schirm.at(329, 244), 0x001F);
    EXPECT_NE(schirm.at(330, 244), 0x001F);

    // Picture 6240 missing: the load fails and falls back to the dimmed background.
    ResFile_Handles[0].handle = h2;
    EXPECT_EQ(Hintergrund_Load(), 0);

    Grafik_Render_Ziel = alt_ziel;
    ResFile_Handles[0].handle = alt_handle;
    DeInit_ResFile(h1);
    DeInit_ResFile(h2);
}

TEST(Debug, CrestOfTheActingClub)
{
    Fehler_Capture fehler;
    // Crest pictures 1079.. (index = number - 24): crest 0 is 10 x 8.
    Resf_Bitmap b;
    b.width = 10, b.height = 8, b.depth = 16;
    b.pixels.assign(10 * 8 * 2, 0x44);
    Resf_Datei d;
    Resf_Setzen(d, 1079 - 24, 14, Resf_Bitmap_Daten(b));
    std::string pfad = std::string(DORVIN_BINARY_DIR) + "/font_debug_wappen.res";
    ASSERT_TRUE(Resf_Schreiben(d, pfad));
    int32_t h = Init_ResFile(pfad.c_str());
    ASSERT_GE(h, 0);
    int32_t alt_tiefe = Grafik_Screen_Geometrie.depth;
    Grafik_Screen_Geometrie.depth = 16;

    Test_Teams_Anlegen(4);
    static int manager_platzhalter;
    T_Fix[1].manager = reinterpret_cast<Manager_Struktur*>(&manager_platzhalter);
    Aktuelles_Team = 1;
    EXPECT_EQ(Wappen_Load_Team(h, nullptr, 0, 0, 0, 0, 0, 0), nullptr);  // not acting
    Aktuelles_Team = 0;
    EXPECT_EQ(Wappen_Load_Team(h, nullptr, 0, 0, 0, 0, 0, 0), nullptr);  // no manager
    Aktuelles_Team = 1;

    Rastport* w = Wappen_Load_Team(h, nullptr, 0, 0, 1, 0, 0, 0);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->width, 10u);
    EXPECT_EQ(w->height, 8u);
    w = Grafik_Bitmap_Freigeben(w);
    // A size with one negative side comes back square.
    w = Wappen_Load_Team(h, nullptr, 0, 0, 1, 0, 20, -1);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->width, 20u);
    EXPECT_EQ(w->height, 20u);
    w = Grafik_Bitmap_Freigeben(w);
    // Into a target: drawn at (x, y), nothing returned.
    Test_Bitmap ziel(40, 30);
    EXPECT_EQ(Wappen_Load_Team(h, ziel.rp, 5, 6, 1, WAPPEN_RAHMEN, 0, 0), nullptr);
    EXPECT_EQ(ziel.at(6, 7), 0x4444);
    EXPECT_EQ(ziel.at(5, 6), 1);  // the frame
    EXPECT_EQ(ziel.at(4, 7), 0);
    // A user crest needs its picture file; without one there is no crest.
    Manager_Wappen[0] = MANAGER_WAPPEN_USER | 5;
    EXPECT_EQ(Wappen_Load_Team(h, nullptr, 0, 0, 1, 0, 0, 0), nullptr);
    Manager_Wappen[0] = 0;

    T_Fix[1].manager = nullptr;
    Test_Aufraeumen();
    Grafik_Screen_Geometrie.depth = alt_tiefe;
    DeInit_ResFile(h);
}
