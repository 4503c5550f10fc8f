// Player valuation and the rating of offers. Expected figures are worked out by hand from the
// formula (the power in double precision), not taken from the code.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "common/capture.h"
#include "database/db_hilfe.h"
#include "database/teamspieler.h"
#include "platform/zufall.h"

namespace {

struct Bewertung : ::testing::Test {
    void SetUp() override
    {
        Test_Teams_Anlegen(6);
        Test_Spieler_Anlegen(20);
        for (int32_t i = 0; i < 20; ++i) Spieler_Daten[i].alter = 25;
        Netz_Rolle = 2;
        Schwierigkeitsstufe = 2;
        Aktueller_Tag = 1000;
    }
    void TearDown() override
    {
        Test_Aufraeumen();
        Schwierigkeitsstufe = 2;
        Aktueller_Tag = 0;
    }
    static std::pair<int32_t, int32_t> wert(int32_t team, int32_t spnr, int32_t staerke, int32_t alter, int32_t monate)
    {
        int32_t g = -1, a = -1;
        Spieler_Bewerte_Marktwert_Gehalt(team, spnr, staerke, alter, monate, &g, &a, 0);
        return {g, a};
    }
};

TEST_F(Bewertung, SalaryAndFeeFromStrengthAgeAndContract)
{
    // 500 strength, 25 years, 24 months: (450 + 50 x 4) x 650 = 422500, raised to 1.021.
    EXPECT_EQ(wert(0, 3, -1, -1, 24), std::make_pair(554, 831));
    int32_t g = 0, a = 0;
    Spieler_Bewerte_Marktwert_Gehalt_Angebot(0, 3, -1, -1, 24, &g, &a, 0);
    EXPECT_EQ(g, 664);
    EXPECT_EQ(a, 581);
    // Top strength at level 2: threshold 970, exponent 1.12; the salary above 3000 counts half.
    EXPECT_EQ(wert(0, -1, 990, 25, 24), std::make_pair(4739, 9719));
    EXPECT_EQ(wert(0, -1, 999, 25, 24), std::make_pair(5122, 10868));
    EXPECT_EQ(wert(0, -1, 999, 25, 24), wert(0, -1, 995, 25, 24));
    // Age: 10 adds 7 % to the younger player's value, 30 takes 3 %.
    EXPECT_EQ(wert(0, -1, 500, 10, 24).first, 524);
    EXPECT_EQ(wert(0, -1, 500, 30, 24).first, 537);
    // The market and the youth team sell for nothing.
    EXPECT_EQ(wert(Transfermarkt_Team, 3, -1, -1, 24).second, 0);
    EXPECT_EQ(wert(Jugend_Team, 3, -1, -1, 24), std::make_pair(554, 0));

    // A strength below 10 is drawn anew from 8..15.
    Zufall(0, 1);  // the generator seeds itself from the clock on its first draw
    Zufall_Set_Seed(2024);
    const int32_t k = Zufall(8, 15);
    Zufall_Set_Seed(2024);
    const auto gezogen = wert(0, -1, 5, 25, 24);
    Zufall_Set_Seed(2024);  // 8 and 9 are below 10 too and draw the same again
    EXPECT_EQ(gezogen, wert(0, -1, k, 25, 24));
    EXPECT_GE(gezogen.first, wert(0, -1, 10, 25, 24).first - 3);
    EXPECT_LE(gezogen.first, wert(0, -1, 15, 25, 24).first);

    // A player offered on the transfer list goes for 80 % of the fee.
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 1, 3, 10, 0, 24, -1, false));
    Teamspieler_Wert(317, 1, 3, TS_TRANSFERLISTE, 8);
    Spieler_Bewerte_Marktwert_Gehalt(1, 3, -1, -1, 24, &g, &a, 1);
    EXPECT_EQ(a, 665);  // 554586 x 1.5 x 0.8
}

// A caller that needs no figure draws only what the valuation would: strong or weak, held or not.
TEST_F(Bewertung, TheDrawsAloneLeaveTheSequenceAsTheValuationDoes)
{
    Zufall(0, 1);
    for (int16_t& a : Spieler_Daten[4].attribute) a = 0;
    ASSERT_LT(Spieler_Wert(SP_K_I_T, 4, 0, SP_LESEN), 10);
    for (const int32_t spnr : {3, 4, 99999})
        for (const bool gehalten : {false, true}) {
            std::optional<Spieler_Bewertung_Halten> halt;
            if (gehalten && spnr != 99999) halt.emplace(spnr, 0);
            Zufall_Set_Seed(77);
            int32_t g = 0, a = 0;
            Spieler_Bewerte_Marktwert_Gehalt(0, spnr, -1, -1, 24, &g, &a, 1);
            const int32_t nach_wert = Zufall(0, 1000000);
            Zufall_Set_Seed(77);
            Spieler_Bewertung_Ziehen(spnr);
            EXPECT_EQ(Zufall(0, 1000000), nach_wert) << spnr << " " << gehalten;
        }
}

TEST_F(Bewertung, OfferRatings)
{
    Fehler_Capture cap;
    // Nothing to pay for a market player: any fee is rated 95..105.
    for (int32_t angebot : {0, 1, 500, 100000}) {
        const int32_t r = Spieler_Bewerte_Angebot_Abloese(Transfermarkt_Team, 0, 3, 24, angebot, 0);
        EXPECT_GE(r, 95);
        EXPECT_LE(r, 105);
    }
    // A fee offer at its figure rates 100; far below it is worth talking about (-1).
    EXPECT_EQ(Spieler_Bewerte_Angebot_Abloese(0, 0, 3, 24, 831, 0), 100);
    EXPECT_EQ(Spieler_Bewerte_Angebot_Abloese(0, 0, 3, 24, 1662, 0), 200);
    EXPECT_EQ(Spieler_Bewerte_Angebot_Abloese(0, 0, 3, 24, 100, 0), -1);
    // A second fee is measured against the offer figure (581).
    EXPECT_EQ(Spieler_Bewerte_Angebot_Abloese(0, 0, 3, 24, 1, 581), 100);

    // Salary offers of his own club: a contract signed today pulls the figure to his salary.
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 2, 4, 1108, 0, 24, -1, false));
    Teamspieler_Wert(306, 2, 4, 50, 1);
    Spieler_Daten[4].unsichtbar[SP_VEREINSTREUE - SP_FLANKEN] = 50;
    Teamspieler_Wert(323, 2, 4, 1000, 1);
    const int32_t frisch = Spieler_Bewerte_Angebot_Gehalt(2, 2, 4, 24, 554);
    EXPECT_EQ(frisch, -1);  // half of what he earns now
    Teamspieler_Wert(323, 2, 4, 200, 1);
    // An old contract leaves the figure (554); the same offer then lands just below or on it.
    const int32_t alt = Spieler_Bewerte_Angebot_Gehalt(2, 2, 4, 24, 554);
    EXPECT_TRUE(alt == -2 || alt == 100) << alt;
    EXPECT_TRUE(cap.texts.empty());

    // A player worth nothing (an age the value cannot carry) is measured against 1, not 0.
    Spieler_Daten[4].alter = 250;
    const int32_t null_norm = Spieler_Bewerte_Angebot_Gehalt(2, 2, 4, 24, 5);
    EXPECT_TRUE(cap.contains("Spieler_Bewerte_Angebot_Gehalt: norm_gehalt<=0!"));
    EXPECT_GE(null_norm, 100);
}

// A hold rates as the player's own figures did when it was made, listed or not, draw for draw;
// what changes meanwhile counts once it ends, and an inner hold gives the outer one back.
TEST_F(Bewertung, AHeldPlayerIsRatedOnHisFiguresOfThen)
{
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 1, 5, 500, 0, 24, -1, false));
    Teamspieler_Wert(317, 1, 5, static_cast<int32_t>(TS_TRANSFERLISTE), 8);
    Zufall(0, 1);
    auto bewerten = [] {
        Zufall_Set_Seed(99);
        const int32_t abloese = Spieler_Bewerte_Angebot_Abloese(1, 0, 5, 24, 665, 0);
        return std::vector<int32_t>{abloese, Spieler_Bewerte_Angebot_Gehalt(0, 1, 5, 24, 665), Zufall_Get_Seed()};
    };
    const std::vector<int32_t> frei = bewerten();
    EXPECT_EQ(frei[0], 100);  // listed he is cheaper: 831 x 0.8
    {
        const Spieler_Bewertung_Halten halten(5, 1);
        Spieler_Daten[5].alter = 33;
        Teamspieler_Wert(317, 1, 5, static_cast<int32_t>(TS_TRANSFERLISTE), 4);
        EXPECT_EQ(bewerten(), frei);
        {
            const Spieler_Bewertung_Halten anderer(6, 1);
            EXPECT_NE(bewerten(), frei);
        }
        EXPECT_EQ(bewerten(), frei);
    }
    EXPECT_NE(bewerten(), frei);
}

TEST_F(Bewertung, ProminentAttributesAreTheFourLowestAbove75)
{
    int32_t aus[4];
    Spieler_Herausragende_Attribute(5, 0, 0, aus);
    EXPECT_EQ(aus[0], -1);
    EXPECT_EQ(aus[3], -1);
    Spieler_Struktur& s = Spieler_Daten[5];
    for (int32_t index : {23, 17, 12, 10, 19}) s.unsichtbar[index - 9] = 80;
    s.allrounder = 80;   // index 19 is read from here
    s.erfahrung = 200;   // index 20 counts a third: 66
    Spieler_Herausragende_Attribute(5, 0, 0, aus);
    // A field player has no keeper attribute 23.
    EXPECT_EQ(std::vector<int32_t>(aus, aus + 4), (std::vector<int32_t>{10, 12, 17, 19}));
    s.unsichtbar[11 - 9] = 90;
    s.erfahrung = 240;
    Spieler_Herausragende_Attribute(5, 0, 0, aus);
    EXPECT_EQ(std::vector<int32_t>(aus, aus + 4), (std::vector<int32_t>{10, 11, 12, 17}));
}

}  // namespace
