// The world's figures: where the players are, the smallest league squad, the league clubs'
// money (median, sum, lowest), and the line the world-health tool prints.
#include <gtest/gtest.h>

#include <string>

#include "database/db_hilfe.h"
#include "database/welt_bilanz.h"

namespace {

struct WeltBilanz : ::testing::Test {
    void SetUp() override
    {
        Test_Teams_Anlegen(6);  // 0..3 clubs, 4 the market, 5 the youth team
        Test_Spieler_Anlegen(60);
        Netz_Rolle = 2;
        T[3].status = 1;  // not a league club
        Bank_Set_Kontostand_Abfrage([](int32_t team, int32_t) { return team == 0 ? -500 : team == 1 ? 3000 : 7000; });
    }
    void TearDown() override
    {
        Bank_Set_Kontostand_Abfrage(nullptr);
        Test_Aufraeumen();
    }
};

TEST_F(WeltBilanz, CountsPlayersSquadsAndTheLeagueClubsMoney)
{
    int32_t p = 0;
    for (int32_t t : {0, 0, 0, 1, 1, 2, 2, 2, 2, 3, 4, 4, 5})
        ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, t, p++, 100, 0, 12, -1, false));
    Aktueller_Tag = 77;
    const Welt_Bilanz b = Welt_Bilanz_Zaehlen();
    EXPECT_EQ(b.tag, 77);
    EXPECT_EQ(b.liga_spieler, 9);
    EXPECT_EQ(b.markt_spieler, 2);
    EXPECT_EQ(b.ohne_verein, 60 - 13);
    EXPECT_EQ(b.erster_ohne_verein, 13);
    EXPECT_EQ(b.kleinster_kader, 2);
    EXPECT_EQ(b.kleinster_verein, 1);
    EXPECT_EQ(b.vereine_unter_16, 3);
    EXPECT_EQ(b.geld_median, 3000);
    EXPECT_EQ(b.geld_summe, 9500);
    EXPECT_EQ(b.geld_min, -500);
    EXPECT_EQ(Welt_Bilanz_Zeile(b), "tag=77 liga_spieler=9 markt_spieler=2 ohne_verein=47 kleinster_kader=2 vereine_unter_16=3 "
                                    "geld_median=3000 geld_summe=9500 geld_min=-500");
    Aktueller_Tag = 0;
}

}  // namespace
