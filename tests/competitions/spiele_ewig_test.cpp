// Eternal table, series, head-to-head and winners after matches.
#include <gtest/gtest.h>

#include "competitions/spiele_ewig.h"
#include "competitions/spiele_welt.h"
#include "gameflow/globals.h"

namespace {

using namespace spielwelt;
using EwigTest = Spielwelt;

void spiel(int32_t block, int32_t tag, int32_t slot, int32_t heim, int32_t gast, int32_t ht, int32_t gt)
{
    ergebnis(block, tag, slot, heim, gast, ht, gt);
    int32_t h = Spiele_Lock(block, tag, 0, slot);
    Spiele_Set_Nachspiel_Statistik(h);
    Spiele_Unlock(h);
}

TEST_F(EwigTest, AfterMatchUpdatesEternalTableSeriesAndHeadToHead)
{
    int32_t b = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
    spiel(b, 0, 0, 1, 2, 1, 1);
    spiel(b, 1, 0, 1, 3, 2, 0);
    int32_t p, f, g, w, d, l;
    ASSERT_TRUE(Spiele_Get_Ewige_Tabelle(b, 1, &p, &f, &g, &w, &d, &l, 0));
    EXPECT_EQ(p, 4);
    EXPECT_EQ(f, 3);
    EXPECT_EQ(g, 1);
    EXPECT_EQ(w, 1);
    EXPECT_EQ(d, 1);
    ASSERT_TRUE(Spiele_Get_Ewige_Tabelle(b, 3, &p, &f, &g, &w, &d, &l, 2));
    EXPECT_EQ(p, 0);
    EXPECT_EQ(l, 1);
    EXPECT_FALSE(Spiele_Get_Ewige_Tabelle(b, 9, &p, &f, &g, &w, &d, &l, 2));
    EXPECT_EQ(p, 0);

    // After the 2:0 home win: no goal conceded, wins and no defeat run on; the rest restart.
    int32_t s[SERIE_ANZAHL];
    for (int32_t spalte : {0, 2}) {
        ASSERT_TRUE(Spiele_Get_Serien(LIGA, 1, s, spalte));
        EXPECT_EQ(s[SERIE_OHNE_GEGENTOR], 1) << spalte;
        EXPECT_EQ(s[SERIE_SIEGE], 1);
        EXPECT_EQ(s[SERIE_OHNE_NIEDERLAGE], 2);
        EXPECT_EQ(s[SERIE_OHNE_TOR], 0);
        EXPECT_EQ(s[SERIE_NIEDERLAGEN], 0);
        EXPECT_EQ(s[SERIE_REMIS], 0);
        EXPECT_EQ(s[SERIE_OHNE_SIEG], 0);
    }
    ASSERT_TRUE(Spiele_Get_Serien(-1, 3, s, 1));
    EXPECT_EQ(s[SERIE_OHNE_TOR], 1);
    EXPECT_EQ(s[SERIE_NIEDERLAGEN], 1);
    ASSERT_TRUE(Spiele_Get_Serien(LIGA, 3, s, 0));  // never played at home
    EXPECT_EQ(s[SERIE_NIEDERLAGEN], 0);
    EXPECT_FALSE(Spiele_Get_Serien(LIGA, 3, s, 3));

    int32_t erg[3 * 6] = {};
    int32_t sw, sd, sl;
    ASSERT_TRUE(Spiele_Get_Spiele_Gegen(LIGA, 1, 2, &sw, &sd, &sl, erg, 6));
    EXPECT_EQ(sd, 1);
    EXPECT_FALSE(Spiele_Get_Spiele_Gegen(LIGA, 2, 1, &sw, &sd, &sl, nullptr, 0));  // seen from the home team
    EXPECT_EQ(sd, 0);
}

TEST_F(EwigTest, SeasonChangeStartsEverySeriesAgainAndKeepsTheRecords)
{
    int32_t b = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
    spiel(b, 0, 0, 1, 2, 2, 0);
    spiel(b, 1, 0, 1, 3, 1, 0);
    spiel(b, 2, 0, 1, 2, 3, 1);
    int32_t s[SERIE_ANZAHL];
    ASSERT_TRUE(Spiele_Get_Serien(-1, 1, s, 2));
    ASSERT_EQ(s[SERIE_SIEGE], 3);
    Spiele_Serien_Zuruecksetzen();
    for (int32_t wettbewerb : {-1, int32_t(LIGA)})
        for (int32_t spalte = 0; spalte < 3; ++spalte) {
            ASSERT_TRUE(Spiele_Get_Serien(wettbewerb, 1, s, spalte));
            for (int32_t k = 0; k < SERIE_ANZAHL; ++k) EXPECT_EQ(s[k], 0) << wettbewerb << ", " << spalte << ", " << k;
        }
    int32_t p, f, g, w, d, l;
    ASSERT_TRUE(Spiele_Get_Ewige_Tabelle(b, 1, &p, &f, &g, &w, &d, &l, 2));
    EXPECT_EQ(w, 3) << "the eternal table outlives the season";
    // The first game of the new season starts the series at one.
    spiel(b, 3, 0, 1, 3, 1, 0);
    ASSERT_TRUE(Spiele_Get_Serien(-1, 1, s, 2));
    EXPECT_EQ(s[SERIE_SIEGE], 1);
    EXPECT_EQ(s[SERIE_OHNE_NIEDERLAGE], 1);
}

TEST_F(EwigTest, HeadToHeadKeepsFiveResultsCappedAtFifteen)
{
    for (int32_t i = 0; i < 6; ++i) Spiele_Set_Spiele_Gegen(LIGA, 5, 6, i, 0);
    Spiele_Set_Spiele_Gegen(LIGA, 5, 6, 22, 3);
    Spiele_Set_Spiele_Gegen(POKAL_R2, 5, 6, 0, 1);  // another competition
    int32_t w, d, l, erg[3 * 10] = {};
    ASSERT_TRUE(Spiele_Get_Spiele_Gegen(LIGA, 5, 6, &w, &d, &l, erg, 10));
    EXPECT_EQ(w, 6);
    EXPECT_EQ(d, 1);
    EXPECT_EQ(erg[0], 15);
    EXPECT_EQ(erg[1], 3);
    EXPECT_EQ(erg[3], 5);
    EXPECT_EQ(erg[3 * 4], 2);  // the oldest of the five
    EXPECT_EQ(erg[2], LIGA);
    ASSERT_TRUE(Spiele_Get_Spiele_Gegen(-1, 5, 6, &w, &d, &l, erg, 10));
    EXPECT_EQ(l, 1);
    EXPECT_EQ(w + d + l, 8);
    // Cup rounds count under their owning competition.
    ASSERT_TRUE(Spiele_Get_Spiele_Gegen(POKAL_R1, 5, 6, &w, &d, &l, nullptr, 0));
    EXPECT_EQ(l, 1);
}

TEST_F(EwigTest, WinnersOverwriteAndListBySeason)
{
    Spiele_Set_Wettbewerb_Sieger(LIGA, 3, 1999, -1, 7, 8);
    Spiele_Set_Wettbewerb_Sieger(LIGA, 4, 2000, 5, 1, 2);
    Spiele_Set_Wettbewerb_Sieger(LIGA, 6, 2000, 2, 3, 4);
    int32_t zweiter, a, c;
    EXPECT_EQ(Spiele_Get_Wettbewerb_Sieger(LIGA, 2000, &zweiter, &a, &c), 6);
    EXPECT_EQ(zweiter, 2);
    EXPECT_EQ(a, 3);
    EXPECT_EQ(Spiele_Get_Wettbewerb_Sieger(LIGA, 1999, &zweiter, &a, &c), 3);
    EXPECT_EQ(zweiter, -1);
    EXPECT_EQ(Spiele_Get_Wettbewerb_Sieger(LIGA, 2001, &zweiter, &a, &c), -1);
    EXPECT_EQ(Spiele_Get_Wettbewerb_Sieger(POKAL_R2, 2000, &zweiter, &a, &c), -1);

    Aktueller_Tag = 400;  // August 2000
    int32_t sieger[4], saisons[4];
    ASSERT_EQ(Spiele_Get_Wettbewerb_Sieger_Array(LIGA, sieger, saisons, 4), 2);
    EXPECT_EQ(saisons[0], 1999);
    EXPECT_EQ(sieger[1], 6);
    EXPECT_EQ(Spiele_Get_Wettbewerb_Sieger_Array(LIGA, sieger, saisons, 1), 1);
    Aktueller_Tag = 0;
}

TEST_F(EwigTest, SideArraysGrowAndStaySorted)
{
    // 3200 head-to-head entries outgrow the first 2500, inserted out of key order.
    for (int32_t i = 3199; i >= 0; --i)
        Spiele_Set_Spiele_Gegen(i < 1600 ? LIGA : ANDERE_LIGA, i % 40, (i / 40) % 40, 1, 0);
    for (int32_t w : {LIGA, ANDERE_LIGA})
        for (int32_t team : {0, 17, 39}) {
            int32_t sw = 0;
            ASSERT_TRUE(Spiele_Get_Spiele_Gegen(w, team, 24, &sw, nullptr, nullptr, nullptr, 0));
            EXPECT_EQ(sw, 1);
        }
    int32_t sw = 0;
    ASSERT_TRUE(Spiele_Get_Spiele_Gegen(-1, 39, 39, &sw, nullptr, nullptr, nullptr, 0));
    EXPECT_EQ(sw, 2);
}

}  // namespace
