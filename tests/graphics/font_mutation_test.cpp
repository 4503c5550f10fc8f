// Fonts a user replaced or that were cut off, as TOXF files and as resource entries: thousands
// of damaged variants of good fonts. Each is refused with a message or loads into a font whose
// every glyph lies inside its strip and that prints without a sanitizer report.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <string>

#include "common/capture.h"
#include "graphics/font_hilfe.h"
#include "graphics/grafik_printf.h"
#include "platform/mutation.h"

namespace {

// Table entries of the blank, of 'A' and of the last code; then the fields behind the tables.
std::vector<Mutation_Feld> felder(bool toxf)
{
    std::vector<Mutation_Feld> f;
    if (toxf) f.push_back({0, 4});
    for (size_t tabelle : {14u, 1038u, 2062u})
        for (size_t i : {0u, 33u, 223u}) f.push_back({tabelle + 4 * i, 4});
    f.push_back({3086, 4});  // ascent
    if (toxf) {
        for (size_t at : {3098u, 3102u, 3106u, 3878u, 3882u, 3886u}) f.push_back({at, 4});
        f.push_back({3098, 1});
    } else {
        f.push_back({3098, 1});
        for (size_t at : {3099u, 3103u, 3875u, 3879u, 3883u}) f.push_back({at, 4});
    }
    return f;
}

std::string alle_zeichen()
{
    std::string t;
    for (int c = 32; c < 256; ++c)
        if (c != '^') t.push_back(char(c));
    return t;
}

void benutzen(Font_Record* f, const std::string& fall)
{
    ASSERT_NE(f->strip, nullptr) << fall;
    const Rastport* s = f->strip;
    for (int c = 32; c < 256; ++c) {
        uint32_t w = f->glyph_width[c - 32];
        ASSERT_TRUE(w == 0 || uint64_t(f->strip_x[c - 32]) + w <= s->width) << fall << " code " << c;
        int32_t top;
        Font_Zeichen_Hoehe(f, uint8_t(c), &top);
    }
    static const std::string text = alle_zeichen();
    Font_Text_Breite(f, text.c_str());
    for (int depth : {8, 16}) {
        Test_Bitmap ziel(300, 24, depth);
        Grafik_Printf(ziel.rp, f, "%s", 2, 12, text.c_str());
        Grafik_Printf(ziel.rp, f, "^ub^bb%s", -20, 30, text.c_str());
    }
}

}  // namespace

TEST(FontMutation, DamagedFontFilesAreRefusedWithAMessage)
{
    std::string pfad = std::string(DORVIN_BINARY_DIR) + "/font_mutation_" + std::to_string(getpid()) + ".fnt";
    Font_Bild bild = Test_Font_Bild(2, 6, 5, 8);
    Font_Bild farbig = Test_Font_Bild(2, 6, 5, 16);
    farbig.own_colour = 1;
    Fehler_Capture fehler;
    int faelle = 0;
    for (const Font_Bild& gut : {bild, farbig}) {
        faelle += Mutationen(Font_Datei_Toxf(gut), felder(true), 11, 60, 400, [&](const std::vector<uint8_t>& b, const std::string& fall) {
            ASSERT_TRUE(Font_Datei_Schreiben(b, pfad));
            for (int32_t depth : {8, 16}) {
                fehler.texts.clear();
                Font_Record* f = Font_Load(pfad.c_str(), depth);
                if (!f) {
                    EXPECT_FALSE(fehler.texts.empty()) << fall << " depth " << depth << ": refused without a message";
                    continue;
                }
                benutzen(f, fall);
                Font_Free(f);
            }
        });
    }
    EXPECT_GT(faelle, 1000);
    std::remove(pfad.c_str());
}

TEST(FontMutation, DamagedFontEntriesAreRefusedWithAMessage)
{
    Font_Bild bild = Test_Font_Bild(2, 6, 5, 8);
    Font_Bild abgeleitet = bild;
    abgeleitet.derived = 1;
    abgeleitet.bold = 1;
    Fehler_Capture fehler;
    int faelle = 0;
    for (const Font_Bild& gut : {bild, abgeleitet}) {
        faelle += Mutationen(Font_Datei_Resource(gut), felder(false), 12, 60, 600, [&](const std::vector<uint8_t>& b, const std::string& fall) {
            for (int32_t depth : {8, 15, 16}) {
                fehler.texts.clear();
                Font_Record* f = Font_Aus_Resource(b.data(), uint32_t(b.size()), depth);
                if (!f) {
                    EXPECT_FALSE(fehler.texts.empty()) << fall << " depth " << depth << ": refused without a message";
                    continue;
                }
                EXPECT_EQ(f->bold, 0u) << fall;
                benutzen(f, fall);
                Font_Free(f);
            }
        });
    }
    EXPECT_GT(faelle, 1500);
}
