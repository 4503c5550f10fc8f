// The data builder's fonts are what the program loads: every slot of the screen resource file
// and the debug font, with a glyph for every Windows-1252 character.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "graphics/font.h"
#include "graphics/grafik_screen.h"
#include "platform/resfile.h"

namespace fs = std::filesystem;

namespace {

bool hat_tinte(const Font_Record* f, int c)
{
    const Rastport* s = f->strip;
    int i = c - 32;
    for (uint32_t y = 0; y < s->height; ++y)
        for (uint32_t x = f->strip_x[i]; x < f->strip_x[i] + f->glyph_width[i]; ++x)
            if (static_cast<const uint16_t*>(s->pixels)[y * s->width + x]) return true;
    return false;
}

int oberste_zeile(const Font_Record* f, int c)
{
    const Rastport* s = f->strip;
    int i = c - 32;
    for (uint32_t y = 0; y < s->height; ++y)
        for (uint32_t x = f->strip_x[i]; x < f->strip_x[i] + f->glyph_width[i]; ++x)
            if (static_cast<const uint16_t*>(s->pixels)[y * s->width + x]) return int(y);
    return -1;
}

}  // namespace

TEST(FontDaten, BuiltFontsHaveEveryGlyph)
{
    fs::path programm = fs::path(DORVIN_BINARY_DIR) / "dorvin_datagen";
    if (!fs::exists(programm)) GTEST_SKIP() << "data builder not built";
    fs::path ziel = fs::temp_directory_path() / ("dorvin_fonts_" + std::to_string(getpid()));
    for (const char* schritt : {"resfiles", "fonts", "font-probe"}) {
        std::string befehl = programm.string() + " " + schritt + " --ziel " + ziel.string();
        ASSERT_EQ(std::system(befehl.c_str()), 0) << befehl;
    }
    EXPECT_GT(fs::file_size(ziel / "font_probe.png"), 1000u);  // the sample page
    int32_t handle = Init_ResFile((ziel / "resfile" / "resf_scr.res").c_str());
    ASSERT_GE(handle, 0);
    int32_t alt_handle = ResFile_Handles[0].handle, alt_tiefe = Grafik_Screen_Geometrie.depth;
    ResFile_Handles[0].handle = handle;
    Grafik_Screen_Geometrie.depth = 16;
    Font_Alle_Freigeben();
    Grafik_Init();

    for (int slot = 0; slot < FONT_SLOTS; ++slot) {
        Font_Record* f = Font_Slots[slot];
        ASSERT_NE(f, nullptr) << slot;
        EXPECT_EQ(f->strip->depth, 16);
        EXPECT_LT(f->ascent, f->strip->height);
        EXPECT_GE(f->strip->height, 10u);
        EXPECT_LE(f->strip->height, 32u);  // readable at 640 x 480, no giant slot
        EXPECT_EQ(f->bold, 0u);
        for (int c = 33; c < 256; ++c) {
            // Windows-1252 has no character at 0x81, 0x8D and 0x9D; 0xA0 is a blank.
            if (c == 0x81 || c == 0x8D || c == 0x9D || c == 0xA0) continue;
            EXPECT_TRUE(hat_tinte(f, c)) << "slot " << slot << " code " << c;
        }
        EXPECT_FALSE(hat_tinte(f, ' '));
        EXPECT_GT(Font_Zeichen_Breite(f, ' '), 1);
        // The dots of an umlaut stand above the letter: the glyphs are Windows-1252, not Latin-9
        // or UTF-8 fragments.
        EXPECT_LT(oberste_zeile(f, uint8_t('Ä')), oberste_zeile(f, 'A')) << slot;
        EXPECT_LT(oberste_zeile(f, uint8_t('ü')), oberste_zeile(f, 'u')) << slot;
    }
    EXPECT_GT(Font_Slots[0]->strip->height, Font_Slots[3]->strip->height);  // titles are larger

    Font_Record* debug = Font_Load((ziel / "term6.fnt").c_str(), 16);
    ASSERT_NE(debug, nullptr);
    EXPECT_TRUE(hat_tinte(debug, 0xDF));
    Font_Free(debug);

    Font_Alle_Freigeben();
    DeInit_ResFile(handle);
    ResFile_Handles[0].handle = alt_handle;
    Grafik_Screen_Geometrie.depth = alt_tiefe;
    fs::remove_all(ziel);
}
