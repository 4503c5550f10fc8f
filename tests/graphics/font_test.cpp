// Fonts: TOXF files and resource entries (round trip, corrupt input), slots and metrics.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "common/capture.h"
#include "graphics/font_hilfe.h"
#include "graphics/grafik_screen.h"
#include "platform/resfile.h"
#include "tools/datagen/resf_writer.h"

namespace {

std::string datei(const std::string& name)
{
    return std::string(DORVIN_BINARY_DIR) + "/font_test_" + name;
}

std::string toxf(const std::string& name, const Font_Bild& bild, size_t abschneiden = 0)
{
    auto bytes = Font_Datei_Toxf(bild);
    bytes.resize(bytes.size() - abschneiden);
    std::string pfad = datei(name);
    EXPECT_TRUE(Font_Datei_Schreiben(bytes, pfad));
    return pfad;
}

}  // namespace

TEST(Font, ToxfRoundTripAndConversion)
{
    Font_Bild bild = Test_Font_Bild();
    bild.name = "term6";
    bild.extra_advance[0] = 2;
    bild.colour = 0x1234;
    bild.reserved = 77;
    bild.reserved2 = 88;
    bild.bold = 1;
    EXPECT_EQ(Font_Datei_Toxf(bild).size(), size_t(FONT_TOXF_KOPF) + bild.width * bild.height);
    EXPECT_EQ(Font_Datei_Resource(bild).size(),
              size_t(FONT_RESOURCE_KOPF) + bild.width * bild.height);
    std::string pfad = toxf("gut.fnt", bild);

    Font_Record* f8 = Font_Load(pfad.c_str(), 8);
    ASSERT_NE(f8, nullptr);
    EXPECT_STREQ(f8->name, "term6");
    EXPECT_EQ(f8->ascent, 8u);
    EXPECT_EQ(f8->colour, 0x1234u);
    EXPECT_EQ(f8->reserved, 77u);
    EXPECT_EQ(f8->reserved2, 88u);
    EXPECT_EQ(f8->bold, 1u);  // a file keeps its bold flag
    EXPECT_EQ(f8->spacing, 1u);
    EXPECT_EQ(f8->strip_x[33], 33u * 5);
    EXPECT_EQ(f8->strip->depth, 8);
    EXPECT_EQ(0, std::memcmp(f8->strip->pixels, bild.pixels.data(), bild.pixels.size()));
    // Blank: glyph width + extra advance + spacing; nothing below 32.
    EXPECT_EQ(Font_Zeichen_Breite(f8, ' '), 5 + 2 + 1);
    EXPECT_EQ(Font_Zeichen_Breite(f8, 10), 0);
    EXPECT_EQ(Font_Zeichen_Breite(nullptr, 'A'), 0);
    // Ink of 'A' covers rows 1..8: height 8 - 1 + 6, top 1 - 2; unmeasurable codes give 6/-2.
    int32_t top = 0;
    EXPECT_EQ(Font_Zeichen_Hoehe(f8, 'A', &top), 13);
    EXPECT_EQ(top, -1);
    EXPECT_EQ(Font_Zeichen_Hoehe(f8, 200, &top), 6);
    EXPECT_EQ(top, -2);
    Font_Free(f8);

    // An 8-bit strip is converted through its palette: ink (index 255, white) stays visible.
    Font_Record* f16 = Font_Load(pfad.c_str(), 16);
    ASSERT_NE(f16, nullptr);
    EXPECT_EQ(f16->strip->depth, 16);
    EXPECT_EQ(static_cast<uint16_t*>(f16->strip->pixels)[1 * f16->strip->width + 5], 0xFFFF);
    Font_Free(f16);

    // A 16-bit strip cannot be converted for a 15-bit screen.
    std::string p16 = toxf("16.fnt", Test_Font_Bild(5, 10, 8, 16));
    Font_Record* f = Font_Load(p16.c_str(), 16);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(static_cast<uint16_t*>(f->strip->pixels)[1 * f->strip->width + 5], 0xFFFF);
    Font_Free(f);
    EXPECT_EQ(Font_Load(p16.c_str(), 15), nullptr);
}

TEST(Font, CorruptFilesAreRefused)
{
    Fehler_Capture fehler;
    Font_Bild bild = Test_Font_Bild();
    EXPECT_EQ(Font_Load(datei("fehlt.fnt").c_str(), 16), nullptr);
    EXPECT_EQ(Font_Load(nullptr, 16), nullptr);

    auto bytes = Font_Datei_Toxf(bild);
    bytes[3] = 'G';
    ASSERT_TRUE(Font_Datei_Schreiben(bytes, datei("magic.fnt")));
    EXPECT_EQ(Font_Load(datei("magic.fnt").c_str(), 8), nullptr);

    // Short files fail, in the header and in the strip.
    EXPECT_EQ(Font_Load(toxf("kurz1.fnt", bild, bild.pixels.size() + 100).c_str(), 8), nullptr);
    EXPECT_EQ(Font_Load(toxf("kurz2.fnt", bild, 1).c_str(), 8), nullptr);
    EXPECT_TRUE(fehler.contains("Datei zu kurz"));

    // Glyphs outside the strip and impossible strips are refused.
    Font_Bild b = bild;
    b.strip_x[100] = b.width - 2;
    EXPECT_EQ(Font_Load(toxf("glyph.fnt", b).c_str(), 8), nullptr);
    b = bild;
    b.depth = 24;
    EXPECT_EQ(Font_Load(toxf("tiefe.fnt", b).c_str(), 8), nullptr);
    b = bild;
    b.height = 0;
    b.pixels.clear();
    EXPECT_EQ(Font_Load(toxf("hoehe.fnt", b).c_str(), 8), nullptr);

    // The resource form: bold is forced off, a derived font keeps its 8-bit strip, and cut
    // entries are refused.
    bild.bold = 1;
    auto res = Font_Datei_Resource(bild);
    Font_Record* f = Font_Aus_Resource(res.data(), uint32_t(res.size()), 16);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->bold, 0u);
    EXPECT_EQ(f->strip->depth, 16);
    Font_Free(f);
    bild.derived = 1;
    res = Font_Datei_Resource(bild);
    f = Font_Aus_Resource(res.data(), uint32_t(res.size()), 16);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->strip->depth, 8);
    Font_Free(f);
    for (uint32_t n : {0u, 100u, FONT_RESOURCE_KOPF - 1, uint32_t(res.size() - 1)})
        EXPECT_EQ(Font_Aus_Resource(res.data(), n, 16), nullptr) << n;
}

TEST(Font, SlotsAndGrafikInit)
{
    Fehler_Capture fehler;
    Font_Alle_Freigeben();

    // Font entries 1521.. in the screen resource file (entry numbers there are 24 higher than
    // the index position); slot 5 is missing and slot 7 holds no font.
    Resf_Datei resf;
    for (int slot = 0; slot < FONT_SLOTS; ++slot) {
        uint32_t pos = uint32_t(FONT_RESOURCE_ERSTE + slot - 24);
        if (slot == 5) continue;
        if (slot == 7) Resf_Setzen(resf, pos, 16, Resf_Daten({1, 2, 3}));
        else Resf_Setzen(resf, pos, 17, Font_Datei_Resource(Test_Font_Bild(5 + slot % 3)));
    }
    ASSERT_TRUE(Resf_Schreiben(resf, datei("resf_scr.res")));
    int32_t handle = Init_ResFile(datei("resf_scr.res").c_str());
    ASSERT_GE(handle, 0);
    int32_t alt_handle = ResFile_Handles[0].handle;
    ResFile_Handles[0].handle = handle;
    int32_t alt_tiefe = Grafik_Screen_Geometrie.depth;
    Grafik_Screen_Geometrie.depth = 16;

    Font_Record* eigen = Test_Font(16);
    Font_Slots[2] = eigen;
    Grafik_Init();
    EXPECT_TRUE(fehler.contains("Grafik_Init: Font Nr. 2 schon belegt!"));
    EXPECT_EQ(Font_Slots[2], eigen);
    EXPECT_EQ(Font_Slots[5], nullptr);
    EXPECT_EQ(Font_Slots[7], nullptr);
    ASSERT_NE(Font_Slots[16], nullptr);
    EXPECT_EQ(Font_Slots[16]->glyph_width[1], 6u);
    EXPECT_EQ(Font_Slots[16]->strip->depth, 16);
    EXPECT_EQ(Font_Aktuell, Font_Slots[3]);

    // Bad slot numbers: slot 0, and Font_Set changes nothing.
    EXPECT_EQ(Font(17), Font_Slots[0]);
    EXPECT_EQ(Font(-1), Font_Slots[0]);
    EXPECT_TRUE(fehler.contains("Font: font_nr falsch!"));
    uint32_t farben[FONT_SLOTS];
    for (int i = 0; i < FONT_SLOTS; ++i) farben[i] = Font_Slots[i] ? Font_Slots[i]->colour : 0;
    Font_Set(17, 0x5555);
    EXPECT_TRUE(fehler.contains("Font_Set: font_nr falsch!"));
    EXPECT_EQ(Font_Aktuell, Font_Slots[3]);
    for (int i = 0; i < FONT_SLOTS; ++i)
        EXPECT_EQ(Font_Slots[i] ? Font_Slots[i]->colour : 0, farben[i]);
    Font_Set(9, 0x5555);
    EXPECT_EQ(Font_Aktuell, Font_Slots[9]);
    EXPECT_EQ(Font_Slots[9]->colour, 0x5555u);

    Font_Alle_Freigeben();
    for (auto* s : Font_Slots) EXPECT_EQ(s, nullptr);
    DeInit_ResFile(handle);
    ResFile_Handles[0].handle = alt_handle;
    Grafik_Screen_Geometrie.depth = alt_tiefe;
}
