// A player's league figures as the player lists read them: goals, assists and appearances of
// his club's league only, none for a player without a club.
#include <gtest/gtest.h>

#include <vector>

#include "competitions/spiele_karten.h"
#include "competitions/spiele_statistik.h"
#include "competitions/spiele_welt.h"
#include "database/teamspieler.h"

namespace {

using namespace spielwelt;

// Team 1 with players 10..12 and team 2 with 20..21, both in the league; 30 has no club.
class StatistikLiga : public Spielwelt {
protected:
    int32_t liga = -1, pokal = -1;
    void SetUp() override
    {
        Spielwelt::SetUp();
        Teamspieler_Init_Listen();
        for (int32_t sp : {10, 11, 12}) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 1, sp, 150, 0, 24, -1, false));
        for (int32_t sp : {20, 21}) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 2, sp, 90, 0, 24, -1, false));
        liga = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
        Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->spiele_block = liga;
        pokal = Spiele_Init_Neue_Spiele(0, 8, 3, 1, POKAL_R1, -1);
        Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(POKAL_R1))->spiele_block = pokal;
    }
    // A played match on day `tag`, slot 0, with goals (scorer, assister or 0x7FFF) for the home side.
    static void spiel(int32_t block, int32_t tag, std::vector<std::pair<int32_t, int32_t>> tore)
    {
        const int32_t h = Spiele_Lock(block, tag, 0, 0);
        ASSERT_NE(h, 0);
        Spiele_Set_Teams(h, 1, 2);
        Spiele_Set_Ergebnis(h, int32_t(tore.size()), 0, 0);
        Spiele_Ereignis_Speicher_Reservieren(h);
        for (auto [schuetze, vorlage] : tore) Spiele_Set_Ereignis(h, SPE_TOR | SPE_HEIM, 30, schuetze, vorlage);
        Spiele_Set_Minute(h, 90);
        Spiele_Unlock(h);
    }
    struct Werte {
        int32_t tore = -1, einsaetze = -1, vorlagen = -1;
    };
    static Werte werte(int32_t sp)
    {
        Werte w;
        Statistik_Spieler_Liga_Werte(sp, &w.tore, &w.einsaetze, &w.vorlagen);
        return w;
    }
};

TEST_F(StatistikLiga, LeagueGoalsAssistsAndAppearancesButNotTheCups)
{
    spiel(liga, 0, {{10, 11}, {10, 0x7FFF}, {12, 10}});
    spiel(liga, 1, {{10, 11}});
    spiel(pokal, 0, {{10, 11}, {10, 11}, {11, 0x7FFF}});  // the cup's goals stay out
    Spiele_Set_Wettbewerb_Ereignis(LIGA, 10, KARTE_EINSAETZE, 2);
    Spiele_Set_Wettbewerb_Ereignis(POKAL_R1, 10, KARTE_EINSAETZE, 1);
    Spiele_Set_Wettbewerb_Ereignis(LIGA, 11, KARTE_EINSAETZE, 2);

    const Werte a = werte(10), b = werte(11), c = werte(12), d = werte(20);
    EXPECT_EQ(a.tore, 3);
    EXPECT_EQ(a.vorlagen, 1);
    EXPECT_EQ(a.einsaetze, 2);
    EXPECT_EQ(b.tore, 0);
    EXPECT_EQ(b.vorlagen, 2);
    EXPECT_EQ(b.einsaetze, 2);
    EXPECT_EQ(c.tore, 1);
    EXPECT_EQ(c.vorlagen, 0);
    EXPECT_EQ(c.einsaetze, 0);
    EXPECT_EQ(d.tore + d.vorlagen + d.einsaetze, 0);
}

TEST_F(StatistikLiga, PlayersWithoutAClubOrOutOfRangeGetZerosAndNoOutputIsNeeded)
{
    spiel(liga, 0, {{10, 11}});
    for (int32_t sp : {30, -1, Spieler_Anzahl, 1 << 30}) {
        const Werte w = werte(sp);
        EXPECT_EQ(w.tore, 0) << sp;
        EXPECT_EQ(w.einsaetze, 0) << sp;
        EXPECT_EQ(w.vorlagen, 0) << sp;
    }
    int32_t tore = -1;
    Statistik_Spieler_Liga_Werte(10, &tore, nullptr, nullptr);
    EXPECT_EQ(tore, 1);
}

}  // namespace
