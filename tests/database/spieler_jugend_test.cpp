// The youth team grows up: its players age on their birthdays, one who comes of age goes to the
// transfer market and a boy made in the record of the market's oldest player takes his place.
#include <gtest/gtest.h>

#include <cstring>

#include "database/db_hilfe.h"
#include "database/richter.h"
#include "database/spieler.h"
#include "database/teamspieler.h"
#include "gameflow/news.h"
#include "platform/zufall.h"

namespace {

constexpr int32_t JUGEND = 10, MARKT_AB = 20, MARKT = 10, ALLE = 60, SYSTEM = 7, LAND = 3;

struct Jugend : ::testing::Test {
    void SetUp() override
    {
        Test_Teams_Anlegen(6);
        Test_Spieler_Anlegen(ALLE);
        Netz_Rolle = 2;
        Aktueller_Tag = 0;
        News_Init();
        Teamspieler_Init_Listen();
        Richter_Init();
        Zufall_Set_Seed(4711);
        // youth players 0..9, aged 16..18, strengths 250..340, goalkeepers 0 and 1
        for (int32_t p = 0; p < JUGEND; ++p) {
            Spieler_Daten[p].alter = uint8_t(16 + p % 3);
            for (auto& a : Spieler_Daten[p].attribute) a = int16_t(250 + 10 * p);
            Spieler_Fix_Daten[p].nation = LAND;
            Spieler_Fix_Daten[p].lieblingspos = p < 2 ? SP_POS_TORWART : int16_t(20 + 40 * p);
            Spieler_Egal_Daten[p].heimatsystem = -1;
            dazu(Jugend_Team, p);
        }
        // the market's players 20..29 are 20 to 29 years old, but player 27 is 34
        for (int32_t p = MARKT_AB; p < MARKT_AB + MARKT; ++p) {
            Spieler_Daten[p].alter = uint8_t(p);
            dazu(Transfermarkt_Team, p);
        }
        Spieler_Daten[27].alter = 34;
        for (int32_t p = JUGEND; p < ALLE; ++p) {
            if (p >= MARKT_AB && p < MARKT_AB + MARKT) continue;
            Spieler_Daten[p].alter = 25;
            dazu(p % 4, p);
        }
        for (int32_t p = JUGEND; p < ALLE; ++p) Spieler_Egal_Daten[p].heimatsystem = SYSTEM;
    }
    void TearDown() override { Test_Welt_Aufraeumen(); }

    static void dazu(int32_t team, int32_t p) { ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, team, p, 0, 0, 12, -1, false)); }
    static int32_t anzahl(int32_t team) { return Team_Wert(TEAM_SPIELERANZAHL, team, 0, TEAM_LESEN); }
    static void geburtstag_am_tag_30(int32_t p)
    {
        std::strcpy(Spieler_Fix_Daten[p].name, "Abel");
        Spieler_Fix_Daten[p].gesicht = 1000;
    }
    // Every player is in exactly one team, and the youth team and the market keep their sizes.
    static void jeder_in_einem_team()
    {
        for (int32_t p = 0; p < ALLE; ++p) {
            int32_t teams = 0;
            for (int32_t t = 0; t < Team_Anzahl; ++t) teams += Teamspieler_Ist_Im_Team(t, p) >= 0;
            EXPECT_EQ(teams, 1) << "Spieler " << p;
        }
        EXPECT_EQ(anzahl(Jugend_Team), JUGEND);
        EXPECT_EQ(anzahl(Transfermarkt_Team), MARKT);
    }
};

TEST_F(Jugend, OnHisNineteenthBirthdayAYouthPlayerGoesToTheMarketAndABoyTakesHisPlace)
{
    geburtstag_am_tag_30(5);  // 18, a midfielder
    geburtstag_am_tag_30(4);  // 17
    Aktueller_Tag = 30;
    Spieler_Jeden_Tag();

    EXPECT_EQ(Spieler_Daten[4].alter, 18);
    EXPECT_GE(Teamspieler_Ist_Im_Team(Jugend_Team, 4), 0);

    EXPECT_EQ(Spieler_Daten[5].alter, 19);
    EXPECT_EQ(Teamspieler_Get_Team_Des_Spielers(-1, 5, -1), Transfermarkt_Team);
    EXPECT_EQ(Spieler_Egal_Daten[5].heimatsystem, SYSTEM);

    // the market's oldest player left the game: his record is a boy of the youth team, of the
    // graduate's country and kind, as strong as the youth players are
    EXPECT_EQ(Teamspieler_Get_Team_Des_Spielers(-1, 27, -1), Jugend_Team);
    EXPECT_EQ(Spieler_Daten[27].alter, SP_JUGEND_EINTRITT);
    EXPECT_TRUE(Spieler_Daten[27].status & SP_STATUS_NEU);
    EXPECT_EQ(Spieler_Egal_Daten[27].heimatsystem, -1);
    EXPECT_EQ(Spieler_Fix_Daten[27].nation, LAND);
    EXPECT_EQ(Spieler_Wert(SP_ART, 27, 0, SP_LESEN), Spieler_Wert(SP_ART, 5, 0, SP_LESEN));
    const int32_t staerke = Spieler_Wert(SP_K_I_T, 27, 0, SP_LESEN);
    EXPECT_GE(staerke, 250);
    EXPECT_LE(staerke, 340);
    EXPECT_LE(Spieler_Daten[27].erfahrung, 42);
    jeder_in_einem_team();
}

// A year of days with birthdays all over it: the three who were 18 have gone to the market, the
// others are a year older, and the youth team is full and under 19 every day.
TEST_F(Jugend, AYearLaterTheYouthTeamIsFullAndNoneOfItIsNineteen)
{
    for (int32_t p = 0; p < JUGEND; ++p) {
        std::strcpy(Spieler_Fix_Daten[p].name, "Abel");
        Spieler_Fix_Daten[p].gesicht = uint32_t(1000 + 37 * p);
    }
    for (int32_t tag = 0; tag < 365; ++tag) {
        Aktueller_Tag = 365 + tag;
        Spieler_Jeden_Tag();
        ASSERT_EQ(anzahl(Jugend_Team), JUGEND) << "Tag " << tag;
        ASSERT_EQ(anzahl(Transfermarkt_Team), MARKT) << "Tag " << tag;
    }
    for (int32_t p = 0; p < JUGEND; ++p) {
        const bool war_18 = p % 3 == 2;
        EXPECT_EQ(Teamspieler_Ist_Im_Team(war_18 ? Transfermarkt_Team : Jugend_Team, p) >= 0, true) << "Spieler " << p;
        EXPECT_EQ(Spieler_Daten[p].alter, 17 + p % 3) << "Spieler " << p;
    }
    int32_t kader[JUGEND];
    ASSERT_EQ(Teamspieler_Ins_Array(Jugend_Team, kader, JUGEND, 0), JUGEND);
    for (const int32_t p : kader) {
        EXPECT_GE(Spieler_Daten[p].alter, SP_JUGEND_EINTRITT) << "Spieler " << p;
        EXPECT_LT(Spieler_Daten[p].alter, SP_JUGEND_AUSTRITT) << "Spieler " << p;
    }
    jeder_in_einem_team();
}

// With nobody on the market whose record could become the boy, the graduate gives up football
// and the boy is made in his record: the youth team stays full and young.
TEST_F(Jugend, WithAnEmptyMarketTheBoyIsMadeInTheGraduatesRecord)
{
    for (int32_t p = MARKT_AB; p < MARKT_AB + MARKT; ++p)
        ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(0, Transfermarkt_Team, p, 0, 0, 0, -1, false));
    geburtstag_am_tag_30(2);
    Aktueller_Tag = 30;
    Spieler_Jeden_Tag();
    EXPECT_EQ(Spieler_Daten[2].alter, SP_JUGEND_EINTRITT);
    EXPECT_TRUE(Spieler_Daten[2].status & SP_STATUS_NEU);
    EXPECT_GE(Teamspieler_Ist_Im_Team(Jugend_Team, 2), 0);
    EXPECT_EQ(anzahl(Jugend_Team), JUGEND);
    EXPECT_EQ(anzahl(Transfermarkt_Team), 0);
}

// A goalkeeper's place goes to a goalkeeper; every boy is 16, fit and has no years of
// experience beyond what the field can hold.
TEST_F(Jugend, ABoyIsOfTheLeaversKindAgeSixteenAndFit)
{
    for (int32_t runde = 0; runde < 300; ++runde) {
        Spieler_Daten[40].verletzung_tage = 30;
        Spieler_Daten[40].verletzung_art = 26;
        const int32_t vorbild = runde % 2 ? 0 : 6;
        ASSERT_TRUE(Spieler_Setze_Jugendspieler_Neu(40, vorbild, SP_JUGEND_EINTRITT, 250, 340));
        EXPECT_EQ(Spieler_Wert(SP_ART, 40, 0, SP_LESEN), Spieler_Wert(SP_ART, vorbild, 0, SP_LESEN));
        EXPECT_EQ(Spieler_Daten[40].alter, SP_JUGEND_EINTRITT);
        EXPECT_LE(Spieler_Daten[40].erfahrung, 42);
        EXPECT_EQ(Spieler_Daten[40].verletzung_tage, 0);
        const int32_t staerke = Spieler_Wert(SP_K_I_T, 40, 0, SP_LESEN);
        EXPECT_GE(staerke, 250);
        EXPECT_LE(staerke, 340);
    }
}

}  // namespace
