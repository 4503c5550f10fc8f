#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "common/capture.h"
#include "database/assistent.h"
#include "database/db_hilfe.h"
#include "database/manager.h"
#include "gameflow/highscore.h"
#include "gameflow/news.h"
#include "database/teamspieler.h"
#include "platform/zufall.h"

namespace {

// Computer clubs 0 and 1 with equal squads of 16 (player 0 and 20 goalkeepers); 2 the market,
// 3 the youth team.
struct AssiTaktik : ::testing::Test {
    void SetUp() override
    {
        Test_Teams_Anlegen(4);
        Test_Spieler_Anlegen(40);
        Zufall_Init();
        Schwierigkeitsstufe = 2;
        T_Fix[0].liga = T_Fix[1].liga = 1;
        Spieler_Fix_Daten[0].lieblingspos = Spieler_Fix_Daten[20].lieblingspos = SP_POS_TORWART;
        for (int32_t sp = 0; sp < 16; ++sp) {
            ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 0, sp, 100, 0, 24, -1, false));
            ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 1, 20 + sp, 100, 0, 24, -1, false));
        }
    }
    void TearDown() override
    {
        Netz_Rolle = 2;  // a client would keep its manager records
        News_Init();
        Manager_Anzahl = 0;
        Highscore_Init();
        Test_Aufraeumen();
    }
    static std::array<uint8_t, 8> block(int32_t feld, int32_t team)
    {
        std::array<uint8_t, 8> b{};
        std::memcpy(b.data(), Team_Zeiger(feld, team, nullptr, 0), 8);
        return b;
    }
    static void setze(int32_t feld, int32_t team, std::array<uint8_t, 8> b) { Team_Zeiger(feld, team, b.data(), 1); }
};

TEST_F(AssiTaktik, MatchTacticByModeAndStrength)
{
    Fehler_Capture cap;
    const std::array<uint8_t, 8> alt = {0, 1, 2, 0, 1, 2, 0, 1};
    setze(807, 0, alt);
    Assis_Setze_Spiel_Taktik(0, -1, 0, -1);
    EXPECT_TRUE(cap.contains("Assis_Setze_Spiel_Taktik: gegnernr=NIX && def_off==NIX"));
    EXPECT_EQ(block(807, 0), alt);
    Assis_Setze_Spiel_Taktik(0, -1, 0, 2);
    EXPECT_EQ(block(807, 0), alt);
    Assis_Setze_Spiel_Taktik(0, -1, 0, 4);
    EXPECT_EQ(block(807, 0), (std::array<uint8_t, 8>{2, 2, 2, 2, 2, 2, 2, 2}));

    // at home against an equal club: d = 50, the attacking mode 3
    Assis_Setze_Spiel_Taktik(0, 1, 0, -1);
    const auto b = block(807, 0);
    EXPECT_EQ(b[4], 2);
    EXPECT_EQ(b[5], 1);
    EXPECT_EQ(b[6], 1);
    EXPECT_EQ(b[7], 1);
    // away against it: d = 0, the tactic stays
    setze(807, 0, alt);
    Assis_Setze_Spiel_Taktik(0, 1, 1, -1);
    EXPECT_EQ(block(807, 0), alt);
}

TEST_F(AssiTaktik, BasicTacticNeedsFieldPlayersInTheEleven)
{
    Fehler_Capture cap;
    const std::array<uint8_t, 8> alt = {1, 1, 1, 1, 1, 1, 1, 1};
    setze(808, 0, alt);
    Teamspieler_Wert(317, 0, 0, TS_STARTELF, 8);  // the goalkeeper alone
    Assis_Setze_Basis_Taktik(0);
    EXPECT_TRUE(cap.contains("Assis_Setze_Basis_Taktik: sp_zahl==0!"));
    EXPECT_EQ(block(808, 0), alt);

    for (int32_t sp = 1; sp < 11; ++sp) Teamspieler_Wert(317, 0, sp, TS_STARTELF, 8);
    for (int32_t k = 0; k < 50; ++k) {
        Assis_Setze_Basis_Taktik(0);
        for (uint8_t x : block(808, 0)) ASSERT_LE(x, 2);
    }
}

TEST_F(AssiTaktik, TrainingWeightsShareTheTotal)
{
    // rested squad: t = 28 + 62 / 2.0 = 59, give or take the ability's 2
    for (int32_t k = 0; k < 30; ++k) {
        Assis_Setze_Training(0);
        const uint8_t* w = static_cast<const uint8_t*>(Team_Zeiger(805, 0, nullptr, 0));
        int32_t summe = 0;
        for (int32_t i = 0; i < 14; ++i) {
            ASSERT_LE(w[i], 5);
            summe += w[i];
        }
        const auto [lo, hi] = std::minmax_element(w, w + 14);
        EXPECT_LE(*hi - *lo, 1);
        EXPECT_GE(summe, 57);
        EXPECT_LE(summe, 61);
    }
    // an exhausted squad would ask for less than nothing
    for (int32_t sp = 0; sp < 16; ++sp) Spieler_Daten[sp].trainings_erschoepfung = 250;
    Assis_Setze_Training(0);
    const uint8_t* w = static_cast<const uint8_t*>(Team_Zeiger(805, 0, nullptr, 0));
    for (int32_t i = 0; i < 14; ++i) EXPECT_EQ(w[i], 0);
}

TEST_F(AssiTaktik, PreparationRunLinesUpAndClearsItsFlags)
{
    Team_Wert(169, 0, 1 | 4 | 32 | 64 | 128, TEAM_SETZEN);
    const int32_t vorher = Team_Wert(169, 0, 0, TEAM_LESEN);
    Assi_Trainer_Alle_Teams();
    EXPECT_EQ(Team_Wert(169, 0, 0, TEAM_LESEN), vorher & ~(4 | 32 | 64));
    EXPECT_EQ(Teamspieler_Zaehle_Startelf(0, nullptr, nullptr, false), 11);
    Assi_Spieltag_Taktik_Uebernehmen(0);
    EXPECT_EQ(block(807, 0), block(808, 0));

    // before a game against the strongest side the match tactic is set with the eleven
    setze(807, 0, {0, 0, 0, 0, 0, 0, 0, 0});
    for (int32_t sp = 20; sp < 36; ++sp)
        for (auto& a : Spieler_Daten[sp].attribute) a = 990;
    Team_Auto_Aufstellung(0, 1);
    EXPECT_EQ(Teamspieler_Zaehle_Startelf(0, nullptr, nullptr, false), 11);
    const auto b = block(807, 0);
    EXPECT_EQ(b[4], 2);  // the modes 0 and 1 both defend in bytes 4 and 5
    EXPECT_EQ(b[5], 2);
}

}  // namespace

namespace {

// A human manager who has hired nobody: his club's line-up and tactic are his own.
TEST_F(AssiTaktik, AManagersClubWithoutAssistantsKeepsItsChoices)
{
    Netz_Rolle = 2;
    News_Init();
    Manager_Neuer_Mitspieler(0, "M");
    ASSERT_TRUE(Team_Hat_Manager(0));
    std::memset(Team_Zeiger(TEAM_ASSISTENTEN, 0, nullptr, 0), 0, ASSI_BLOCK_BYTES);
    ASSERT_LT(Assistent_Mit_Aufgabe(0, 0), 0);

    Teamspieler_Wert(317, 0, 3, TS_STARTELF, 8);
    Teamspieler_Wert(310, 0, 3, 200, 1);
    Assi_Mannschaftsaufstellung(0, -1, 1, 0, 50, -1, false);
    EXPECT_EQ(Teamspieler_Zaehle_Startelf(0, nullptr, nullptr, false), 1);
    EXPECT_EQ(Teamspieler_Wert(310, 0, 3, 0, 0), 200);
    // asked for a proposal, he gets one
    Assi_Mannschaftsaufstellung(0, -1, 4, 0, 50, -1, false);
    EXPECT_EQ(Teamspieler_Zaehle_Startelf(0, nullptr, nullptr, false), 11);

    const std::array<uint8_t, 8> alt = {0, 1, 2, 0, 1, 2, 0, 1};
    setze(807, 0, alt);
    Assis_Setze_Spiel_Taktik(0, 1, 0, 4);
    EXPECT_EQ(block(807, 0), alt);
}

}  // namespace
