// The team talk page's records: item counts, amounts, the pre-match radio, praise and blame,
// the opponent in grey, the response curve and the scan bar.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_zeichnen.h"
#include "match/spielfeld.h"
#include "matchview/lineup/motivation.h"

#include "text_merker.h"

namespace {

using namespace text_merker;

class Motivation : public ::testing::Test {
protected:
    std::unique_ptr<Spielfeld_Record> r = std::make_unique<Spielfeld_Record>();
    void SetUp() override
    {
        texte.clear();
        Motivation_Set_Text_Hook(merken);
        r->team[0] = uint32_t(-1);
        r->team[1] = uint32_t(-1);
    }
    void TearDown() override { Motivation_Set_Text_Hook(nullptr); }
};

TEST_F(Motivation, PressesStopAtTenAndTheAmountFollowsTheLeagueLevel)
{
    for (int i = 0; i < 11; ++i) Motivation_Spruch(r.get(), 1, 0);
    EXPECT_EQ(r->ansprache_druecke[1][0], 10);
    EXPECT_EQ(r->ansprache_druecke[0][0], 0);
    Motivation_Spruch(r.get(), 1, 10);  // no such item
    Motivation_Spruch(r.get(), 2, 0);   // no such side
    EXPECT_EQ(Motivation_Betrag(1, 100), 1000);
    EXPECT_EQ(Motivation_Betrag(1, 75), 700);
    EXPECT_EQ(Motivation_Betrag(10, 75), 7500);
    EXPECT_EQ(Motivation_Betrag(3, 0), 0);
}

TEST_F(Motivation, DaysOffInSingularOnlyForOneAndTheOpponentInGrey)
{
    const std::string weiss = "^c" + std::to_string(Grafik_Farbe(15, 15, 15)), grau = "^c" + std::to_string(Grafik_Farbe(8, 8, 8));
    for (const auto& [n, wort] : std::vector<std::pair<int32_t, std::string>>{{0, "0 Tage"}, {1, "1 Tag "}, {2, "2 Tage"}}) {
        r->ansprache_druecke[0][1] = uint8_t(n);
        texte.clear();
        Draw_Motivation_Seite(nullptr, r.get(), 0, true, false);
        EXPECT_EQ(zaehlen(wort + " Trainingsfrei") + zaehlen(wort + "Trainingsfrei"), 1) << n;
    }
    EXPECT_EQ(zaehlen("Gebt nochmal wirklich alles!"), 1);
    EXPECT_EQ(zaehlen("diesen Spieler loben:"), 1);
    texte.clear();
    Draw_Motivation_Seite(nullptr, r.get(), 1, false, false);
    EXPECT_EQ(zaehlen("Trainingsfrei"), 1);
    for (size_t i = 1; i < texte.size(); ++i) EXPECT_EQ(texte[i].rfind(grau, 0), 0u) << texte[i];
    // Before the match: five talks, the items greyed out, no praise lines.
    texte.clear();
    Draw_Motivation_Seite(nullptr, r.get(), 0, true, true);
    EXPECT_EQ(zaehlen("Teammotivation (vor dem Spiel)"), 1);
    EXPECT_EQ(zaehlen("Aufgabe"), 4);
    EXPECT_EQ(zaehlen("wir an die Wand"), 1);
    EXPECT_EQ(zaehlen(grau + "^tz0116Macht weiter so!"), 1);
    EXPECT_EQ(zaehlen("loben"), 0);
}

TEST_F(Motivation, OneRadioHoldsThePreMatchTalkAndPraiseStaysWithinTen)
{
    Motivation_Vorgabe(r.get(), 0, 1);
    EXPECT_EQ(r->ansprache[0], 3);
    Motivation_Vorgabe(r.get(), 0, 4);
    EXPECT_EQ(r->ansprache[0], 0);
    EXPECT_EQ(Motivation_Gewaehlter_Knopf(r.get(), 0), 4);
    EXPECT_EQ(r->ansprache[1], 0);
    for (int i = 0; i < 15; ++i) Motivation_Lob(r.get(), 20, true);
    EXPECT_EQ(Motivation_Lob_Wert(r.get(), 20), -10);
    for (int i = 0; i < 25; ++i) Motivation_Lob(r.get(), 20, false);
    EXPECT_EQ(Motivation_Lob_Wert(r.get(), 20), 10);
    EXPECT_EQ(Motivation_Lob_Wert(r.get(), 21), 0);
}

TEST_F(Motivation, CurveWithoutPointsDrawsNothingAndTheScanRaisesTheFlagAtSixty)
{
    Rastport* k = Grafik_Bitmap_Anlegen(MOTIVATION_KURVE_BREITE, MOTIVATION_KURVE_HOEHE, 16);
    ASSERT_NE(k, nullptr);
    Grafik_Rechteck_Fuellen(k, 0, 0, MOTIVATION_KURVE_BREITE, MOTIVATION_KURVE_HOEHE, 0);
    for (int8_t& p : r->antwortkurve[0]) p = -1;
    EXPECT_FALSE(Motivation_Kurve_Zeichnen(k, r.get(), 0));
    int32_t gesetzt = 0;
    for (int32_t y = 0; y < MOTIVATION_KURVE_HOEHE; ++y)
        for (int32_t x = 0; x < MOTIVATION_KURVE_BREITE; ++x) gesetzt += Grafik_Pixel_Lesen(k, x, y) != 0;
    EXPECT_EQ(gesetzt, 0);
    // The scan bar runs on regardless and raises the flag once per sweep.
    int32_t pos = 0, flaggen = 0;
    for (int i = 0; i < 33 * 3; ++i) flaggen += Motivation_Scan_Schritt(&pos);
    EXPECT_EQ(flaggen, 3);
    // A growing curve: drawn, complete only with point 27.
    for (int32_t p = 0; p < 10; ++p) r->antwortkurve[0][p] = int8_t(50 + p);
    EXPECT_FALSE(Motivation_Kurve_Zeichnen(k, r.get(), 0));
    EXPECT_EQ(Grafik_Pixel_Lesen(k, 0, MOTIVATION_KURVE_HOEHE - 50 * 131 / 100), Grafik_Farbe(15, 0, 0));
    for (int32_t p = 0; p < MOTIVATION_KURVE_GEZEIGT; ++p) r->antwortkurve[0][p] = int8_t(50);
    EXPECT_TRUE(Motivation_Kurve_Zeichnen(k, r.get(), 0));
    Grafik_Bitmap_Freigeben(k);
}

}  // namespace
