// The debug font, palette conversion and the dimmed backgrounds.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "graphics/font_hilfe.h"
#include "graphics/grafik_screen.h"
#include "platform/debug.h"
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

    // Without a held background the dimmed menu background is not drawn.
    EXPECT_EQ(Hintergrund_Show_Dunkel(), 0);
    Debug_Print(DEBUG_ROT, "%s", "nichts");
}
