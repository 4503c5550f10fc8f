// The strain check's odds and drop, and the promises of the half-time talk kept after the game.
#include <gtest/gtest.h>

#include <memory>

#include "competitions/spiele_welt.h"
#include "database/spieler.h"
#include "database/team.h"
#include "match/spielfeld.h"
#include "platform/zufall.h"

namespace {

using namespace spielwelt;
constexpr int32_t SP = 10;

class Belastung : public Spielwelt {
protected:
    void werte(int32_t kraft, int32_t ausdauer, int32_t spritzig, int32_t dribbling)
    {
        Spieler_Wert(SP_KRAFT, SP, kraft, SP_SCHREIBEN);
        Spieler_Wert(SP_AUSDAUER, SP, ausdauer, SP_SCHREIBEN);
        Spieler_Wert(SP_SPRITZIGKEIT, SP, spritzig, SP_SCHREIBEN);
        Spieler_Wert(SP_DRIBBLING, SP, dribbling, SP_SCHREIBEN);
    }
    // Share of 4000 seeds in which the value drops.
    double anteil(int32_t last)
    {
        int32_t faelle = 0;
        for (int32_t seed = 1; seed <= 4000; ++seed) {
            Zufall_Set_Seed(seed * 7919);
            Spieler_Wert(SP_SPIEL_ERSCHOEPFUNG, SP, 50, SP_SCHREIBEN);
            Spielfeld_Belastung_Pruefen(1, SP, last, 50, 0);
            faelle += Spieler_Wert(SP_SPIEL_ERSCHOEPFUNG, SP, 0, SP_LESEN) != 50;
        }
        return faelle / 4000.0;
    }
    int32_t nach(int32_t v)
    {
        Spieler_Wert(SP_SPIEL_ERSCHOEPFUNG, SP, v, SP_SCHREIBEN);
        Spielfeld_Belastung_Pruefen(1, SP, 20, v, 1);
        return Spieler_Wert(SP_SPIEL_ERSCHOEPFUNG, SP, 0, SP_LESEN);
    }
};

TEST_F(Belastung, TheOddsFollowTheLoadAndTheRatioOfStrengthToSpeed)
{
    werte(50, 50, 50, 50);  // ratio 150
    EXPECT_NEAR(anteil(100), 15.0 / 56, 0.025);
    EXPECT_NEAR(anteil(30), 15.0 / 34, 0.025);
    werte(50, 50, 0, 0);  // no speed at all counts as ratio 200: load factor 85
    EXPECT_NEAR(anteil(30), 15.0 / 21, 0.025);
}

TEST_F(Belastung, AForcedDropTakesATenthAboveThirtyAndNeverGoesBelowZero)
{
    EXPECT_EQ(nach(35), 34);
    EXPECT_EQ(nach(99), 93);  // the store keeps the value below 100
    EXPECT_EQ(nach(-5), 0);
    EXPECT_EQ(nach(0), 0);
    EXPECT_EQ(nach(1), 0);
}

// The daily check runs for every player of every club: an unforced one draws exactly one number,
// a forced one none, whether the values are read in the record or through the store (a player
// number beyond the records).
TEST_F(Belastung, AnUnforcedCheckDrawsOnceAForcedOneNever)
{
    werte(50, 50, 50, 50);
    for (const int32_t spieler : {SP, -1, 1 << 20}) {
        for (const int32_t last : {0, 60, 200}) {
            Zufall_Set_Seed(12345);
            Spielfeld_Belastung_Pruefen(1, spieler, last, 0, 0);
            const int32_t nach_pruefung = Zufall_Get_Seed();
            Zufall_Set_Seed(12345);
            Zufall(0, 1);
            EXPECT_EQ(nach_pruefung, Zufall_Get_Seed()) << spieler << " " << last;
            Zufall_Set_Seed(12345);
            Spielfeld_Belastung_Pruefen(1, spieler, last, 0, 1);
            EXPECT_EQ(Zufall_Get_Seed(), 12345) << spieler << " " << last;
        }
    }
}

// Only the low byte forces a check: bits above it leave it unforced, so it draws its number. A
// player without match exhaustion keeps the figure the store holds for him, whatever it is.
TEST_F(Belastung, OnlyTheLowByteForcesAndAPlayerWithoutExhaustionKeepsHisStore)
{
    werte(50, 50, 50, 50);
    for (const int32_t zwingen : {0x100, 0x10000, 0x101}) {
        Spieler_Wert(SP_SPIEL_ERSCHOEPFUNG, SP, 40, SP_SCHREIBEN);
        Zufall_Set_Seed(777);
        Spielfeld_Belastung_Pruefen(1, SP, 60, 0, zwingen);
        const int32_t nach_pruefung = Zufall_Get_Seed();
        Zufall_Set_Seed(777);
        if (!(zwingen & 0xFF)) Zufall(0, 1);
        EXPECT_EQ(nach_pruefung, Zufall_Get_Seed()) << zwingen;
        EXPECT_EQ(Spieler_Wert(SP_SPIEL_ERSCHOEPFUNG, SP, 0, SP_LESEN), 40) << zwingen;
    }
}

class Versprechen : public Spielwelt {
protected:
    std::unique_ptr<Spielfeld_Record> r = std::make_unique<Spielfeld_Record>();
    void SetUp() override
    {
        Spielwelt::SetUp();
        Test_Bank_Beobachten(1000000);
        r->team[0] = 1;
        r->team[1] = 2;
    }
    void TearDown() override
    {
        Test_Bank_Loslassen();
        Spielwelt::TearDown();
    }
};

TEST_F(Versprechen, ADrawPaysNothingAndFinesNothing)
{
    r->tore[0] = r->tore[1] = 2;
    for (uint8_t& n : r->ansprache_druecke[0]) n = 3;
    const int32_t moral = Team_Wert(TEAM_MORAL, 1, 0, TEAM_LESEN);
    Spielfeld_Praemie_Strafe_Auszahlen(r.get(), 0, 1);
    EXPECT_TRUE(Test_Buchungen.empty());
    EXPECT_EQ(Team_Wert(TEAM_MORAL, 1, 0, TEAM_LESEN), moral);
}

TEST_F(Versprechen, AWinPaysTheClubsBonusAndLiftsTheMoodOnlyBelowTheDrawnLevel)
{
    r->tore[0] = 1;
    r->ansprache_druecke[0][0] = 2;
    r->ansprache_druecke[0][9] = 4;  // a fine for a defeat: not due
    Team_Wert(TEAM_MORAL, 1, 40, TEAM_SCHREIBEN);
    Spielfeld_Praemie_Strafe_Auszahlen(r.get(), 0, 1);
    ASSERT_EQ(Test_Buchungen.size(), 1u);
    EXPECT_EQ(Test_Buchungen[0].zahler, 1);
    EXPECT_EQ(Test_Buchungen[0].kategorie, 29);
    const int32_t einheit = Wettbewerb_Get_Liga_Niveau(1) * 1000 / 10000 * 100;
    EXPECT_FLOAT_EQ(Test_Buchungen[0].betrag, float(2 * einheit));
    EXPECT_EQ(Team_Wert(TEAM_MORAL, 1, 0, TEAM_LESEN), 42);
    // Near the top the gain never reaches the level it was drawn against.
    for (int32_t seed = 1; seed < 200; ++seed) {
        Zufall_Set_Seed(seed);
        Team_Wert(TEAM_MORAL, 1, 97, TEAM_SCHREIBEN);
        Spielfeld_Praemie_Strafe_Auszahlen(r.get(), 0, 1);
        const int32_t m = Team_Wert(TEAM_MORAL, 1, 0, TEAM_LESEN);
        EXPECT_TRUE(m == 97 || m == 99) << seed;
    }
    // The loser's fine costs the club nothing.
    Test_Buchungen.clear();
    Spielfeld_Praemie_Strafe_Auszahlen(r.get(), 1, 1);
    r->ansprache_druecke[1][9] = 4;
    Spielfeld_Praemie_Strafe_Auszahlen(r.get(), 1, 1);
    EXPECT_TRUE(Test_Buchungen.empty());
}

}  // namespace
