// The text check: the printer's reports followed through copies onto a page, and the page's
// findings (a text leaving its box, two texts on each other), with the test font (glyphs 5
// wide, advancing 6, ink in rows 1-8 of the strip).
#include <gtest/gtest.h>

#include <string>

#include "graphics/font_hilfe.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_meldung.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_zeichnen.h"
#include "toolkit/text_pruefung.h"

namespace {

constexpr int BASIS = 20;

struct Text_Pruefung_Test : ::testing::Test {
    Font_Record* f = Test_Font(16);
    Test_Bitmap seite{200, 100};
    Text_Pruefung_Test() { Text_Pruefung_Starten(); }
    ~Text_Pruefung_Test() override
    {
        Text_Pruefung_Beenden();
        Font_Free(f);
    }
    void drucken(Rastport* rp, const char* text, int x, int y = BASIS)
    {
        f->colour = 0xFFFF;
        Grafik_Printf(rp, f, "%s", x, y, text);
    }
    std::vector<Text_Befund> befunde() { return Text_Pruefung_Befunde(seite.rp); }
};

TEST_F(Text_Pruefung_Test, ATextIsFollowedFromItsIconOntoThePageAndCutWhereTheCopyEnds)
{
    Test_Bitmap icon(60, 20);
    drucken(icon.rp, "ABC", 2, 14);
    Grafik_Blit(icon.rp, 0, 0, 60, 20, seite.rp, 50, 30);
    EXPECT_EQ(Text_Pruefung_Sichtbar(seite.rp), 1u);
    EXPECT_TRUE(befunde().empty());
    // Only the icon's left ten columns reach a second page: the text runs past them.
    Test_Bitmap zweite(200, 100);
    Grafik_Blit(icon.rp, 0, 0, 10, 20, zweite.rp, 0, 0);
    const auto b = Text_Pruefung_Befunde(zweite.rp);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_TRUE(b[0].raus);
    EXPECT_EQ(b[0].text, "ABC");
    EXPECT_EQ(b[0].kasten, "Bitmap 60x20 (0,0)-(10,20)");
    // A text that runs past the bitmap it is drawn into is cut by it.
    Test_Bitmap schmal(20, 20);
    drucken(schmal.rp, "ABCDE", 2, 14);
    Grafik_Blit(schmal.rp, 0, 0, 20, 20, seite.rp, 0, 60);
    ASSERT_EQ(befunde().size(), 1u);
    EXPECT_EQ(befunde()[0].text, "ABCDE");
}

TEST_F(Text_Pruefung_Test, TwoTextsOnEachOtherButNotATextDrawnAgainOverItself)
{
    drucken(seite.rp, "ABC", 10);
    drucken(seite.rp, "ABC", 11);  // a shadow or bold pass
    EXPECT_TRUE(befunde().empty());
    drucken(seite.rp, "XYZ", 20, BASIS + 3);
    const auto b = befunde();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_FALSE(b[0].raus);
    EXPECT_NE(b[0].anderer.find("XYZ"), std::string::npos) << b[0].anderer;
    // Lines apart by the font's height are no finding.
    Grafik_Rechteck_Fuellen(seite.rp, 0, 0, 200, 100, 0);
    drucken(seite.rp, "ABC", 10, 40);
    drucken(seite.rp, "ABC", 10, 50);
    EXPECT_EQ(Text_Pruefung_Sichtbar(seite.rp), 2u);
    EXPECT_TRUE(befunde().empty());
}

TEST_F(Text_Pruefung_Test, ATextDrawnOverIsForgotten)
{
    drucken(seite.rp, "ABC", 10);
    Grafik_Rechteck_Fuellen(seite.rp, 0, 0, 100, 40, 0x1111);
    EXPECT_EQ(Text_Pruefung_Sichtbar(seite.rp), 0u);
    // A panel laid over an icon's text without a see-through pixel hides it: the text drawn on
    // the panel afterwards stands alone when the icon reaches the page.
    Test_Bitmap icon(60, 20), panel(60, 20);
    drucken(icon.rp, "ABC", 2, 14);
    Grafik_Rechteck_Fuellen(panel.rp, 0, 0, 60, 20, 0x0842);
    Grafik_Blit_Transparent(panel.rp, 0, 0, 60, 20, icon.rp, 0, 0);
    drucken(icon.rp, "ABD", 2, 14);
    Grafik_Blit(icon.rp, 0, 0, 60, 20, seite.rp, 100, 50);
    EXPECT_EQ(Text_Pruefung_Sichtbar(seite.rp), 1u);
    EXPECT_TRUE(befunde().empty());
}

TEST_F(Text_Pruefung_Test, ATextLeavingTheBoxSetForItNamesTheBox)
{
    {
        Grafik_Kasten_Bereich kasten(seite.rp, 10, 10, 30, 30, "Rahmen", 7);
        drucken(seite.rp, "AB", 11);
        drucken(seite.rp, "ABCDEF", 11, BASIS + 10);
    }
    drucken(seite.rp, "ABCDEF", 11, BASIS + 40);  // outside the scope: the page is its box
    const auto b = befunde();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].text, "ABCDEF");
    EXPECT_EQ(b[0].kasten, "Rahmen 7 (10,10)-(30,30)");
    EXPECT_EQ(b[0].y1, BASIS + 10 - 8 + 1);  // ink from the strip's second row
}

// An icon of one pixel's height whose procedure draws a whole page: the page's texts lie wholly
// beside it. They are seen, with the page as their box, and found where they meet.
TEST_F(Text_Pruefung_Test, TextsWhollyBesideTheIconThatDrewThemAreSeenOnThePage)
{
    {
        Grafik_Kasten_Bereich kasten(seite.rp, 0, 5, 200, 6, "Icon", 1331);
        drucken(seite.rp, "ABC", 10, 40);
        drucken(seite.rp, "XYZ", 12, 43);
    }
    EXPECT_EQ(Text_Pruefung_Sichtbar(seite.rp), 2u);
    const auto b = befunde();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_FALSE(b[0].raus);
    EXPECT_EQ(b[0].kasten, "Bitmap 200x100 (0,0)-(200,100)");
}

}  // namespace

namespace {

// A text with a small picture laid over its end is still seen, but no longer whole.
TEST_F(Text_Pruefung_Test, ATextPartlyCoveredShowsFewerOfItsPixels)
{
    drucken(seite.rp, "ABCDEF", 10);
    auto texte = Text_Pruefung_Texte(seite.rp);
    ASSERT_EQ(texte.size(), 1u);
    EXPECT_EQ(texte[0].text, "ABCDEF");
    EXPECT_GT(texte[0].punkte, 0u);
    EXPECT_EQ(texte[0].gezeigt, texte[0].punkte);
    EXPECT_TRUE(befunde().empty());
    Grafik_Rechteck_Fuellen(seite.rp, 10 + 5 * 6, 0, 6, 40, 0x1111);  // over the "F"
    texte = Text_Pruefung_Texte(seite.rp);
    ASSERT_EQ(texte.size(), 1u);
    EXPECT_LT(texte[0].gezeigt, texte[0].punkte);
    EXPECT_GT(texte[0].gezeigt * 2, texte[0].punkte);
    // ... and a finding, naming how much of it is covered
    auto b = befunde();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_TRUE(b[0].verdeckt);
    EXPECT_FALSE(b[0].raus);
    EXPECT_EQ(b[0].anderer, std::to_string(texte[0].punkte - texte[0].gezeigt) + " von " +
                                std::to_string(texte[0].punkte) + " Punkten");
    EXPECT_EQ(Text_Befund_Zeile(b[0]).rfind("verdeckt\t\"ABCDEF\"", 0), 0u) << Text_Befund_Zeile(b[0]);
    // A text laid over another is the finding of the two, not a cover of the one below.
    Grafik_Rechteck_Fuellen(seite.rp, 0, 0, 200, 100, 0);
    drucken(seite.rp, "ABCDEF", 10, 60);
    drucken(seite.rp, "XY", 40, 62);
    b = befunde();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_FALSE(b[0].verdeckt);
    EXPECT_NE(b[0].anderer.find("XY"), std::string::npos);
}

}  // namespace

namespace {

// Nothing of a text drawn wholly outside its bitmap shows: it is a finding of the page, and of
// the page an icon holding one is copied onto, until the page is filled anew.
TEST_F(Text_Pruefung_Test, ATextWhollyOutsideItsBitmapIsAFinding)
{
    drucken(seite.rp, "ABC", 10, 150);
    auto b = befunde();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_TRUE(b[0].raus);
    EXPECT_EQ(b[0].text, "ABC");
    EXPECT_EQ(Text_Pruefung_Sichtbar(seite.rp), 0u);
    Grafik_Rechteck_Fuellen(seite.rp, 0, 0, 200, 100, 0);
    EXPECT_TRUE(befunde().empty());
    Test_Bitmap icon(60, 20);
    drucken(icon.rp, "XY", 2, -5);
    Grafik_Blit(icon.rp, 0, 0, 60, 20, seite.rp, 100, 50);
    b = befunde();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].text, "XY");
    EXPECT_EQ(b[0].y2, 50 - 5 + 1);
}

// A label more than half hidden under a picture laid over it later reads as another figure: it
// is a finding; one drawn over all but a few pixels is gone.
TEST_F(Text_Pruefung_Test, AMostlyCoveredTextIsAFindingUntilItIsDrawnOver)
{
    drucken(seite.rp, "17158", 10);
    // a picture without a see-through pixel laid over "171", then over all but the last column
    Test_Bitmap bild(40, 40);
    Grafik_Rechteck_Fuellen(bild.rp, 0, 0, 40, 40, 0x1111);
    Grafik_Blit_Transparent(bild.rp, 0, 0, 3 * 6, 40, seite.rp, 10, 0);
    auto b = befunde();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_TRUE(b[0].verdeckt);
    EXPECT_EQ(b[0].text, "17158");
    Grafik_Blit_Transparent(bild.rp, 0, 0, 4 * 6 + 4, 40, seite.rp, 10, 0);
    EXPECT_TRUE(befunde().empty());
    // A picture over the whole text that has the text's colour in every third column: the
    // pixels left are the picture's own, the text is gone.
    Grafik_Rechteck_Fuellen(seite.rp, 0, 0, 200, 100, 0);
    drucken(seite.rp, "17158", 10, 60);
    Test_Bitmap streifen(40, 40);
    for (int x = 0; x < 40; ++x) Grafik_Rechteck_Fuellen(streifen.rp, x, 0, 1, 40, x % 3 ? 0x1111 : 0xFFFF);
    Grafik_Blit_Transparent(streifen.rp, 0, 0, 40, 40, seite.rp, 8, 40);
    EXPECT_EQ(Text_Pruefung_Sichtbar(seite.rp), 0u);
    EXPECT_TRUE(befunde().empty());
}

// A chart's marker filled first and its label printed onto it: the digits under the marker
// cannot be read. A text on a ground of its own (a larger fill) is no finding.
TEST_F(Text_Pruefung_Test, ALabelPrintedOntoAChartMarkerIsAFinding)
{
    Grafik_Rechteck_Fuellen(seite.rp, 0, 0, 200, 100, 0x2222);
    Grafik_Rechteck_Fuellen(seite.rp, 8, 10, 60, 14, 0x3333);
    drucken(seite.rp, "ABC", 10);
    EXPECT_TRUE(befunde().empty());
    Grafik_Rechteck_Fuellen(seite.rp, 12, 40, 5, 5, 0x4444);
    drucken(seite.rp, "17158", 10, 46);
    const auto b = befunde();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_TRUE(b[0].unterlegt);
    EXPECT_EQ(b[0].text, "17158");
    EXPECT_EQ(b[0].anderer, "Marke (12,40)-(17,45)");
    EXPECT_EQ(Text_Befund_Zeile(b[0]).rfind("unterlegt\t", 0), 0u);
}

}  // namespace

namespace {

// A list saves the screen under it and puts it back when it closes: a text of which only a part
// was saved comes back whole, not cut by the saved area.
TEST_F(Text_Pruefung_Test, ASavedAreaPutBackBringsItsTextsBackWhole)
{
    drucken(seite.rp, "ABCDEF", 10);
    Test_Bitmap gesichert(100, 40);
    Grafik_Blit(seite.rp, 25, 0, 100, 40, gesichert.rp, 0, 0);
    Grafik_Rechteck_Fuellen(seite.rp, 25, 0, 100, 40, 0x1111);  // the list over most of the text
    Grafik_Blit(gesichert.rp, 0, 0, 100, 40, seite.rp, 25, 0);
    EXPECT_EQ(Text_Pruefung_Sichtbar(seite.rp), 1u);
    EXPECT_TRUE(befunde().empty());
}

}  // namespace
