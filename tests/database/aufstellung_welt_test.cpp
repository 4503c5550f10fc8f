// A new game's assembly on the generated small world: the players dealt, their strengths fitted
// to each club's window, every club lined up by its assistant.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/assistent.h"
#include "database/db_hilfe.h"
#include "database/team_staerke.h"
#include "database/teamspieler.h"
#include "gameflow/news.h"
#include "platform/win95.h"
#include "platform/zufall.h"
#include "common/welt_ordner.h"

namespace {

struct AufstellungWelt : ::testing::Test {
    std::filesystem::path ordner;
    void SetUp() override
    {
        ordner = Test_Welt_Bauen("aufst", {"welt --world small --seed 7", "wettbewerbe --world small --seed 7"});
        ASSERT_FALSE(::testing::Test::HasFailure());
        Zufall(0, 1);
        Zufall_Set_Seed(4242);
        ASSERT_TRUE(Team(0));
        ASSERT_TRUE(Spieler(0));
        ASSERT_TRUE(Wettbewerb_Config_Lesen(0, 0));
        Netz_Rolle = 2;
        Aktueller_Tag = 17;
        News_Init();
        Teamspieler_Init_Listen();
    }
    void TearDown() override
    {
        News_Init();
        Wettbewerb_Free();
        Test_Aufraeumen();
        Aktueller_Tag = 0;
        std::filesystem::remove_all(ordner);
    }
};

TEST_F(AufstellungWelt, ANewGameIsDealtFittedAndLinedUp)
{
    // dealing: every player in one team, the market taking those nobody named while it has room
    Spieler_Den_Teams_Zuordnen();
    const int32_t spieler_vorher = Spieler_Anzahl;
    std::vector<int32_t> team_von(static_cast<size_t>(Spieler_Anzahl), -1);
    int32_t ohne = 0;
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        int32_t feld[500];
        const int32_t n = Teamspieler_Ins_Array(t, feld, 500, 0);
        const bool pseudo = t == Transfermarkt_Team || t == Jugend_Team;
        for (int32_t i = 0; i < n; ++i) {
            const int32_t sp = feld[i];
            ASSERT_EQ(team_von[static_cast<size_t>(sp)], -1) << "Spieler " << sp << " doppelt";
            team_von[static_cast<size_t>(sp)] = t;
            const int32_t monate = Teamspieler_Wert(305, t, sp, 0, 0);
            if (pseudo) {
                EXPECT_EQ(Teamspieler_Wert(301, t, sp, 0, 0), 0);
            } else {
                EXPECT_GE(monate, 4);
                EXPECT_LE(monate, 48);
            }
        }
    }
    for (int32_t v : team_von) ohne += v < 0;
    const int32_t markt = T[Transfermarkt_Team].spieleranzahl;
    EXPECT_LE(markt, TEAM_MAX_TRANSFERMARKT);
    if (ohne > 0) {
        EXPECT_EQ(markt, TEAM_MAX_TRANSFERMARKT);
    }

    // strengths fitted to the windows, then every club lined up
    Spieler_Staerke_Zufaellig_An_Teams_Anpassen(16);
    int32_t vereine = 0;
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (!Team_Filter_Pruefen(t, 16)) continue;
        const int32_t seed = Zufall_Get_Seed();
        Assi_Mannschaftsaufstellung(t, -1, 5, 0, 50, -1, true);
        ASSERT_EQ(Zufall_Get_Seed(), seed);
        ++vereine;

        int32_t feld[TEAM_MAX_SPIELER + 1];
        const int32_t n = Teamspieler_Ins_Array(t, feld, TEAM_MAX_SPIELER + 1, 0);
        int32_t lo = 0, hi = 0;
        Team_Get_Staerke_Spanne(t, &lo, &hi, -1, -1);
        int32_t torwart = 0, feldspieler = 0;
        for (int32_t i = 0; i < n; ++i) {
            const int32_t sp = feld[i];
            for (int32_t k = 0; k < 9; ++k) {
                ASSERT_GE(Spieler_Daten[sp].attribute[k], lo) << "Team " << t << " Spieler " << sp;
                ASSERT_LE(Spieler_Daten[sp].attribute[k], hi) << "Team " << t << " Spieler " << sp;
            }
            const int32_t f = Teamspieler_Wert(317, t, sp, 0, 0);
            if (!(f & TS_STARTELF)) continue;
            EXPECT_EQ(f & 0xFC0, 0);
            EXPECT_EQ(f & TS_ERSATZ, 0);
            if (Teamspieler_Wert(310, t, sp, 0, 0) == SP_POS_TORWART) {
                ++torwart;
            } else {
                ++feldspieler;
                EXPECT_FALSE(Spieler_Raum_Ist_Ungueltig(t, sp)) << "Team " << t << " Spieler " << sp;
            }
        }
        EXPECT_EQ(torwart, 1) << "Team " << t;
        EXPECT_GE(feldspieler, 1) << "Team " << t;
        EXPECT_LE(feldspieler, 10) << "Team " << t;
    }
    EXPECT_GT(vereine, 0);
    EXPECT_EQ(Spieler_Anzahl, spieler_vorher);
}

}  // namespace
