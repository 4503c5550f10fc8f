#include <gtest/gtest.h>

#include <set>

#include "common/capture.h"
#include "database/assistent.h"
#include "database/db_hilfe.h"
#include "database/spieler.h"
#include "database/teamspieler.h"
#include "platform/zufall.h"

namespace {

int32_t zelle(int32_t z, int32_t s) { return z * 17 + s; }

// Club 0 with players 0-9 (0 the goalkeeper); 2 the market, 3 the youth team.
struct AssiAufstellungTest : ::testing::Test {
    void SetUp() override
    {
        Test_Teams_Anlegen(4);
        Test_Spieler_Anlegen(12);
        Zufall_Init();
        T_Fix[0].liga = 1;
        Spieler_Fix_Daten[0].lieblingspos = SP_POS_TORWART;
        for (int32_t sp = 0; sp < 10; ++sp) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 0, sp, 100, 0, 24, -1, true));
    }
    void TearDown() override { Test_Aufraeumen(); }
    int32_t feld(int32_t f, int32_t sp) { return Teamspieler_Wert(f, 0, sp, 0, 0); }
};

TEST_F(AssiAufstellungTest, EveryPlaceOfTheBuiltInFormationsHasAValidArea)
{
    for (int32_t f = 0; f < TEAM_FORMATIONEN; ++f)
        for (int32_t k = 0; k < 10; ++k) {
            const uint8_t* b = Team_Formationen[f].bereiche + 8 * k;
            Teamspieler_Wert(311, 0, 1, zelle(b[0], b[1]), 1);
            Teamspieler_Wert(312, 0, 1, zelle(b[2], b[3]), 1);
            EXPECT_FALSE(Spieler_Raum_Ist_Ungueltig(0, 1)) << "Formation " << f << " Platz " << k;
        }
}

TEST_F(AssiAufstellungTest, NewPlayersTakeFreePlacesAndGetUsableAreas)
{
    Zufall_Set_Seed(321);
    std::set<int32_t> plaetze;
    for (int32_t sp = 1; sp < 6; ++sp) {
        Assi_Setze_Spieler_Raum(0, sp, true, false);
        const int32_t p = feld(310, sp);
        EXPECT_EQ(p % 17, 8);
        EXPECT_TRUE(plaetze.insert(p).second) << "Platz doppelt: " << p;
        EXPECT_FALSE(Spieler_Raum_Ist_Ungueltig(0, sp));
        const int32_t a = feld(311, sp), b = feld(312, sp);
        EXPECT_GE(b / 17 - a / 17, 2);
        EXPECT_GE(b % 17 - a % 17, 2);
        EXPECT_EQ(feld(313, sp), zelle(a / 17, (a % 17 + b % 17) / 2));
        EXPECT_EQ(feld(314, sp), zelle(b / 17, (a % 17 + b % 17) / 2));
    }
    EXPECT_EQ(*plaetze.begin(), zelle(8, 8));

    // kept area moves along with the player
    Teamspieler_Wert(310, 0, 6, zelle(13, 8), 1);
    Teamspieler_Wert(311, 0, 6, zelle(10, 5), 1);
    Teamspieler_Wert(312, 0, 6, zelle(16, 11), 1);
    Assi_Setze_Spieler_Raum(0, 6, false, true);
    EXPECT_EQ(feld(311, 6), zelle(10, 5));
    EXPECT_EQ(feld(312, 6), zelle(16, 11));

    // a place on the border leaves no room: the default area
    Teamspieler_Wert(310, 0, 7, zelle(0, 0), 1);
    Assi_Setze_Spieler_Raum(0, 7, false, false);
    EXPECT_EQ(feld(310, 7), zelle(14, 9));
    EXPECT_EQ(feld(311, 7), zelle(8, 5));
    EXPECT_EQ(feld(312, 7), zelle(20, 13));
    EXPECT_EQ(feld(313, 7), zelle(8, 9));
    EXPECT_EQ(feld(314, 7), zelle(20, 9));

    // the goalkeeper is left alone
    Assi_Setze_Spieler_Raum(0, 0, true, false);
    EXPECT_EQ(feld(310, 0), SP_POS_TORWART);
}

TEST_F(AssiAufstellungTest, PlayersWhoCannotPlayLeaveTheLineUp)
{
    Teamspieler_Wert(317, 0, 2, TS_STARTELF | 0x80, 8);
    Teamspieler_Wert(316, 0, 2, 9, 1);
    Teamspieler_Wert(317, 0, 3, TS_ERSATZ | 0x800, 8);
    Teamspieler_Wert(317, 0, 4, TS_STARTELF, 8);
    Teamspieler_Wert(316, 0, 4, 9, 1);
    Assi_Aufstellung_Bereinigen(0);
    EXPECT_EQ(feld(317, 2), 0x80);
    EXPECT_EQ(feld(316, 2), -1);
    EXPECT_EQ(feld(317, 3), 0x800);
    EXPECT_EQ(feld(317, 4), TS_STARTELF);
    EXPECT_EQ(feld(316, 4), 9);
}

TEST_F(AssiAufstellungTest, TacticFigureStaysInsideItsRange)
{
    Zufall_Set_Seed(11);
    for (int32_t ziel : {0, 3, 50, 95, 100}) {
        for (int32_t k = 0; k < 100; ++k) {
            Assi_Taktik_Wert_Setzen(0, ziel);
            const int32_t w = Team_Wert(152, 0, 0, TEAM_LESEN);
            ASSERT_GE(w, 5);
            ASSERT_LE(w, 95);
        }
    }
    EXPECT_EQ(Assi_Position_In_Mannschaftsteil(7, 0, nullptr), 2);
    int32_t teil = -1;
    EXPECT_EQ(Assi_Position_In_Mannschaftsteil(-1, 16, &teil), 4);
    EXPECT_EQ(teil, 4);
    EXPECT_EQ(Assi_Position_In_Mannschaftsteil(-1, 0, nullptr), 0);
    EXPECT_EQ(Assi_Position_In_Mannschaftsteil(-1, 7, nullptr), 2);
}

}  // namespace
