// The detail pages' match charts: the club's goals and chances per league match day and over the
// minute ranges, from the played matches of the match store.
#include <gtest/gtest.h>

#include "competitions/spiele_statistik.h"
#include "competitions/spiele_welt.h"
#include "database/spieler.h"
#include "database/teamspieler.h"
#include "screens/spieler_detail.h"
#include "screens/spieler_liga_zahlen.h"

namespace {

using namespace spielwelt;

class DetailDiagramm : public Spielwelt {
protected:
    int32_t block = -1;
    void SetUp() override
    {
        Spielwelt::SetUp();
        block = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
        Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->spiele_block = block;
    }
    // A played match of club 1 at home on a match day: goals and chances at the given minutes.
    void spiel(int32_t tag, int32_t gast, std::vector<int32_t> tore, std::vector<int32_t> chancen, int32_t schuetze = -1,
               int32_t paraden = 0, int32_t torwart = -1)
    {
        const int32_t h = Spiele_Lock(block, tag, 0, 0);
        ASSERT_NE(h, 0);
        Spiele_Set_Teams(h, 1, gast);
        Spiele_Set_Ergebnis(h, int32_t(tore.size()), 0, 0);
        Spiele_Ereignis_Speicher_Reservieren(h);
        for (int32_t m : tore) Spiele_Set_Ereignis(h, SPE_HEIM | SPE_TOR, m, schuetze, -1);
        for (int32_t k = 0; k < paraden; ++k) Spiele_Set_Ereignis(h, SPE_HEIM | 0x400, 20 + k, torwart, -1);
        for (int32_t m : chancen) Spiele_Set_Ereignis(h, SPE_HEIM | SPE_CHANCE, m, -1, -1);
        Spiele_Set_Minute(h, 90);
        Spiele_Unlock(h);
    }
};

TEST_F(DetailDiagramm, MatchDaysUpToTheCurrentOneAndTheSixMinuteRanges)
{
    spiel(0, 2, {10, 80}, {30});
    spiel(1, 3, {}, {30, 46, 90});
    spiel(2, 0, {45}, {});
    Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->spieltag = 1;
    int32_t w[SPIELER_DETAIL_SPIELTAGE] = {};
    ASSERT_EQ(Spieler_Detail_Spieltag_Werte(1, false, w), 2) << "the third day lies beyond the current one";
    EXPECT_EQ(w[0], 2);
    EXPECT_EQ(w[1], 0);
    ASSERT_EQ(Spieler_Detail_Spieltag_Werte(1, true, w), 2);
    EXPECT_EQ(w[1], 3);
    Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->spieltag = 5;
    EXPECT_EQ(Spieler_Detail_Spieltag_Werte(1, false, w), 3) << "the fourth day has no match: the chart ends";
    EXPECT_EQ(w[2], 1);
    EXPECT_EQ(Spieler_Detail_Spieltag_Werte(-1, false, w), 0);

    int32_t m[6];
    Spieler_Detail_Minuten_Werte(1, false, m);
    EXPECT_EQ(m[0], 1) << "minute 10";
    EXPECT_EQ(m[2], 1) << "minute 45 ends the third range";
    EXPECT_EQ(m[5], 1) << "minute 80";
    EXPECT_EQ(m[1] + m[3] + m[4], 0);
    Spieler_Detail_Minuten_Werte(1, true, m);
    EXPECT_EQ(m[1], 2) << "two chances in minute 30";
    EXPECT_EQ(m[3], 1) << "minute 46 opens the second half";
    EXPECT_EQ(m[5], 1) << "minute 90 is the last of the last range";
}

// The tooltip's and the panel's league figures come from the player statistics: a goalkeeper's
// saves, a field player's goals.
TEST_F(DetailDiagramm, TheLeagueFiguresCountTheKeepersSavesAndTheScorersGoals)
{
    Teamspieler_Init_Listen();
    for (int32_t sp : {10, 11}) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 1, sp, 150, 0, 24, -1, false));
    Spieler_Fix_Daten[10].lieblingspos = 459;  // the goalkeeper
    Spieler_Fix_Daten[11].lieblingspos = 12 * 17 + 8;
    spiel(0, 2, {10, 80}, {}, 11, 3, 10);
    spiel(1, 3, {5}, {}, 11, 1, 10);
    const Spieler_Liga_Zahlen torwart = Spieler_Liga_Zahlen_Holen(1, 10);
    EXPECT_EQ(torwart.paraden, 4);
    EXPECT_EQ(torwart.tore, 0);
    const Spieler_Liga_Zahlen feld = Spieler_Liga_Zahlen_Holen(1, 11);
    EXPECT_EQ(feld.tore, 3);
    EXPECT_EQ(feld.paraden, 0);
    EXPECT_EQ(Spieler_Liga_Zahlen_Holen(1, -1).tore, 0);
}

}  // namespace
