// Word wrap and German hyphenation: each wrapped text is compared with the picture of the
// lines it should have become, printed one by one.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "graphics/font_hilfe.h"
#include "graphics/grafik_printf.h"
#include "graphics/text_umbruch.h"

namespace {

// Glyphs advance 6; strip height 10, so lines advance 9; ascent 8.
constexpr int LINKS = 4, OBEN = 2, FARBE = 0x2345;

struct Zeile {
    std::string text;
    bool zentriert = false;
};

struct Umbruch_Test : ::testing::Test {
    Font_Record* f = Test_Font(16);
    ~Umbruch_Test() override { Font_Free(f); }

    // Wraps the text into a box whose line width L is `breite`.
    std::vector<uint16_t> umbrochen(const std::string& text, int breite, uint8_t flags,
                                    int unten = 0, int32_t* y = nullptr)
    {
        Test_Bitmap bm(240, 80);
        int32_t r = Text_Umbruch_Ausgeben(bm.rp, f, text.c_str(), LINKS, LINKS + breite + 2, OBEN,
                                          unten, FARBE, flags);
        if (y) *y = r;
        return bm.pixels();
    }
    std::vector<uint16_t> erwartet(const std::vector<Zeile>& zeilen, int breite)
    {
        Test_Bitmap bm(240, 80);
        int y = OBEN + 8;
        for (const Zeile& z : zeilen) {
            int x = LINKS;
            if (z.zentriert) x = (2 * LINKS + breite) / 2 - Font_Text_Breite(f, z.text.c_str()) / 2;
            Grafik_Printf(bm.rp, f, "^c%05d%s", x, y, FARBE, z.text.c_str());
            y += 9;
        }
        return bm.pixels();
    }
};

}  // namespace

TEST(Trennung, SyllableRule)
{
    auto erlaubt = [](const char* w) {
        std::string s;
        int n = int(std::strlen(w));
        for (int p = 0; p < n; ++p) s += Text_Silbe_Trennbar(w, p, n - 1) ? '|' : '.';
        return s;
    };
    // Flasche never cuts sch or ch; Fenster never cuts st; no right part starts with a vowel.
    EXPECT_EQ(erlaubt("Zucker"), ".||...");
    EXPECT_EQ(erlaubt("Flasche"), "..|....");
    EXPECT_EQ(erlaubt("Fenster"), ".||....");
    EXPECT_EQ(erlaubt("Überweisung"), "..||..|....");
    EXPECT_EQ(erlaubt("abstrakt"), ".|......");  // str stays whole
    // A compound splits at its seam, never one letter beside it ("Salmonelle-nerkrankung").
    EXPECT_EQ(erlaubt("Salmonellenerkrankung"), ".||.|.||..|.|..||....");
    EXPECT_EQ(erlaubt("Spielergebnis"), "....|.|.||...");
    EXPECT_TRUE(Text_Ist_Vokal('ä'));
    EXPECT_TRUE(Text_Ist_Vokal('y'));
    EXPECT_FALSE(Text_Ist_Vokal('Y'));
    EXPECT_FALSE(Text_Ist_Vokal(0));
    char s[16] = "abcd";
    Text_Leerzeichen_Einfuegen(s, 2);
    EXPECT_STREQ(s, "ab cd");
}

TEST_F(Umbruch_Test, HyphenationAndCuts)
{
    // "ab Zucker" is 54 wide; in 50 the word splits at c-k as "Zuk-" / "ker".
    EXPECT_EQ(umbrochen("ab Zucker", 50, TEXT_TRENNEN), erwartet({{"ab Zuk-"}, {"ker"}}, 50));
    EXPECT_EQ(umbrochen("ab Flasche", 56, TEXT_TRENNEN), erwartet({{"ab Fla-"}, {"sche"}}, 56));
    EXPECT_EQ(umbrochen("eine Salmonellenerkrankung", 100, TEXT_TRENNEN),
              erwartet({{"eine Salmonellen-"}, {"erkrankung"}}, 100));
    // Too narrow for the seam: an earlier syllable, not the letter beside the seam.
    EXPECT_EQ(umbrochen("eine Salmonellenerkrankung", 95, TEXT_TRENNEN),
              erwartet({{"eine Salmonel-"}, {"lenerkrankung"}}, 95));
    // Without hyphenation the word moves to the next line whole.
    EXPECT_EQ(umbrochen("ab Zucker", 50, 0), erwartet({{"ab"}, {"Zucker"}}, 50));
    // A blank before '!' does not end a word.
    EXPECT_EQ(umbrochen("Hallo Welt !", 70, TEXT_TRENNEN),
              erwartet({{"Hallo"}, {"Welt !"}}, 70));
    // A word wider than the line is cut in the middle with a hyphen.
    EXPECT_EQ(umbrochen("ABCDEFGHIJ", 40, 0), erwartet({{"ABCDEF-"}, {"GHIJ"}}, 40));
    // Two blanks stay two blanks.
    EXPECT_EQ(umbrochen("ab  cd", 100, 0), erwartet({{"ab  cd"}}, 100));
    // Percent signs are text, not formats.
    EXPECT_EQ(umbrochen("100%s sicher %d", 200, 0), erwartet({{"100%s sicher %d"}}, 200));
}

// A compound written with hyphens breaks behind one of its own hyphens, the rightmost that fits,
// never one letter into a part ("…-S-" / "port-Fonds"); a part too long for a line splits
// by syllables with a vowel on each side.
TEST_F(Umbruch_Test, AHyphenatedCompoundBreaksAtItsOwnHyphens)
{
    const std::string fonds = "aus dem DORVIN-Ziduridavozozor-Sport-Fonds";
    EXPECT_EQ(umbrochen(fonds, 200, TEXT_TRENNEN), erwartet({{"aus dem DORVIN-Ziduridavozozor-"}, {"Sport-Fonds"}}, 200));
    EXPECT_EQ(umbrochen(fonds, 180, TEXT_TRENNEN), erwartet({{"aus dem DORVIN-"}, {"Ziduridavozozor-Sport-Fonds"}}, 180));
    EXPECT_EQ(umbrochen("dem DORVIN-Ziduridavozozor-Sport-Fonds", 180, TEXT_TRENNEN),
              erwartet({{"dem DORVIN-Ziduridavozozor-"}, {"Sport-Fonds"}}, 180));
    EXPECT_EQ(umbrochen("dem DORVIN-Ziduridavozozor-Sport-Fonds", 100, TEXT_TRENNEN),
              erwartet({{"dem DORVIN-"}, {"Ziduridavozo-"}, {"zor-Sport-Fonds"}}, 100));
    char wort[] = "Ziduridavozozor-Sport-Fonds";
    for (int p = 0; wort[p]; ++p)
        if (p > 0 && (wort[p - 1] == '-' || wort[p + 1] == '-' || wort[p] == '-')) {
            EXPECT_FALSE(Text_Silbe_Trennbar(wort, p, int(std::strlen(wort)) - 1)) << p;
        }
}

TEST_F(Umbruch_Test, AlignmentLinesAndBottom)
{
    // CR "#m" centres the following lines, CR "#l" returns to the left; "^l" breaks.
    EXPECT_EQ(umbrochen("eins\r#mzwei\r#ldrei^lvier", 100, 0),
              erwartet({{"eins"}, {"zwei", true}, {"drei"}, {"vier"}}, 100));
    EXPECT_EQ(umbrochen("eins zwei", 100, TEXT_ZENTRIERT),
              erwartet({{"eins zwei", true}}, 100));
    EXPECT_EQ(umbrochen("#eins zwei", 100, TEXT_ZENTRIERT), erwartet({{"eins zwei"}}, 100));

    // Justified: gaps widen in turn until the line is L - 1 wide; the last line stays.
    EXPECT_EQ(umbrochen("ab cd ef gh", 52, TEXT_BLOCKSATZ),
              erwartet({{"ab  cd ef"}, {"gh"}}, 52));
    EXPECT_EQ(umbrochen("ab cd ef gh", 64, TEXT_BLOCKSATZ),
              erwartet({{"ab   cd  ef"}, {"gh"}}, 64));

    // The returned y is one line advance below the last line; the bottom limit stops output.
    int32_t y = 0;
    umbrochen("a^lb^lc^ld", 100, 0, 0, &y);
    EXPECT_EQ(y, OBEN + 8 + 4 * 9);
    EXPECT_EQ(umbrochen("a^lb^lc^ld^le", 100, 0, OBEN + 30, &y), erwartet({{"a"}, {"b"}, {"c"}}, 100));
    EXPECT_EQ(y, OBEN + 8 + 3 * 9);
}
