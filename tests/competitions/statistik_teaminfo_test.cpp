// Chart points, the league label and the walk through the clubs of the team information screen.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "competitions/spiele_welt.h"
#include "competitions/statistik_teaminfo.h"
#include "database/team.h"

namespace {

struct Punkte {
    int32_t x[8] = {}, y[8] = {};
    bool ok = false;
};

Punkte punkte(std::initializer_list<int32_t> werte, int32_t l, int32_t o, int32_t r, int32_t u, int32_t sx,
              int32_t sy, int32_t min = -1, int32_t max = -1, int32_t umkehren = 0)
{
    Punkte p;
    std::vector<int32_t> v(werte);
    p.ok = Statistik_Graph_Punkte(v.data(), int32_t(v.size()), p.x, p.y, l, o, r, u, sx, sy, min, max, umkehren);
    return p;
}

TEST(GraphPunkte, RefusesMissingInput)
{
    int32_t v[2] = {1, 2}, x[2], y[2];
    EXPECT_FALSE(Statistik_Graph_Punkte(v, 0, x, y, 0, 0, 100, 100, 100, 12, -1, -1, 0));
    EXPECT_FALSE(Statistik_Graph_Punkte(v, -1, x, y, 0, 0, 100, 100, 100, 12, -1, -1, 0));
    EXPECT_FALSE(Statistik_Graph_Punkte(nullptr, 2, x, y, 0, 0, 100, 100, 100, 12, -1, -1, 0));
    EXPECT_FALSE(Statistik_Graph_Punkte(v, 2, nullptr, y, 0, 0, 100, 100, 100, 12, -1, -1, 0));
    EXPECT_FALSE(Statistik_Graph_Punkte(v, 2, x, nullptr, 0, 0, 100, 100, 100, 12, -1, -1, 0));
    // A largest step of 0 neither hangs nor divides by nothing.
    EXPECT_TRUE(Statistik_Graph_Punkte(v, 2, x, y, 0, 0, 100, 100, 0, 0, -1, -1, 0));
}

TEST(GraphPunkte, EqualValuesLieTogetherAboveTheMiddle)
{
    const Punkte p = punkte({5, 5, 5}, 0, 0, 100, 100, 100, 12);
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.y[0], p.y[1]);
    EXPECT_EQ(p.y[1], p.y[2]);
    // The range becomes 5..6, the value its bottom: half a (capped) step from the middle row.
    EXPECT_LT(p.y[0], 50);
    EXPECT_GE(p.y[0], 50 - 6);
    EXPECT_EQ(p.x[0], 0);
    EXPECT_EQ(p.x[1], 33);
    EXPECT_EQ(p.x[2], 66);
}

TEST(GraphPunkte, StepsAreCappedAndCornersMayBeSwapped)
{
    const Punkte eng = punkte({0, 1}, 0, 0, 100, 100, 100, 12);
    EXPECT_LE(std::abs(eng.y[1] - eng.y[0]), 12);
    const Punkte weit = punkte({0, 1}, 0, 0, 100, 100, 100, 1000);
    EXPECT_GE(std::abs(weit.y[1] - weit.y[0]), 80);
    EXPECT_LE(std::abs(weit.y[1] - weit.y[0]), 100);
    // Larger values lie lower unless inverted.
    EXPECT_GT(weit.y[1], weit.y[0]);
    const Punkte gedreht = punkte({0, 1}, 100, 100, 0, 0, 100, 1000);
    EXPECT_EQ(gedreht.x[0], weit.x[0]);
    EXPECT_EQ(gedreht.y[1], weit.y[1]);
    // Two points across 100 pixels with a largest step of 40: 40 apart.
    const Punkte schmal = punkte({3, 7}, 0, 0, 100, 100, 40, 12);
    EXPECT_LE(schmal.x[1] - schmal.x[0], 40);
    EXPECT_GE(schmal.x[1] - schmal.x[0], 36);
}

TEST(GraphPunkte, InvertMirrorsAroundTheMiddleAndFixedBoundsHold)
{
    const Punkte a = punkte({0, 3, 9, 4}, 10, 20, 210, 120, 80, 10);
    const Punkte b = punkte({0, 3, 9, 4}, 10, 20, 210, 120, 80, 10, -1, -1, 1);
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(a.y[i] + b.y[i], 2 * 70, 1) << i;
        EXPECT_EQ(a.x[i], b.x[i]);
    }
    EXPECT_LT(b.y[2], b.y[0]);  // inverted: the largest on top
    // Fixed 0..100: 50 is the middle row whatever the other values are.
    const Punkte f = punkte({50, 20}, 0, 0, 100, 100, 100, 12, 0, 100);
    EXPECT_EQ(f.y[0], 50);
    // A value beyond a fixed maximum is not pulled in: it lies past the bound.
    const Punkte g = punkte({50, 300}, 0, 0, 100, 100, 100, 1, 0, 100);
    EXPECT_GT(g.y[1], g.y[0] + 100);
    // The lower bound 0 of the table places keeps place 1 off the top edge.
    const Punkte h = punkte({1, 2, 3}, 0, 0, 100, 90, 100, 12, 0);
    EXPECT_GT(h.y[0] - h.y[1], -13);
}

using Teaminfo = spielwelt::Spielwelt;

TEST_F(Teaminfo, LeagueLabelWithoutLeagueOrScale)
{
    char text[STATISTIK_LIGA_TEXT_LAENGE];
    EXPECT_EQ(Statistik_Liga_Text(text, 0, 0, 39), 0);
    EXPECT_STREQ(text, "Keine Liga");
    EXPECT_EQ(Statistik_Liga_Text(text, 0, 11, 1), Statistik_Liga_Text(nullptr, 0, 11, 1));
    EXPECT_EQ(std::string(text).rfind("Liga A", 0), 0u);
    EXPECT_NE(std::string(text).find(", K="), std::string::npos);
    EXPECT_NE(std::string(text).find(", Schnitt="), std::string::npos);
    EXPECT_EQ(Statistik_Liga_Text(text, 0, 11, -4), 0);
    EXPECT_STREQ(text, "");
}

TEST_F(Teaminfo, NextAndPreviousClubWrapAndSkipPseudoTeams)
{
    const int32_t teams[] = {4, 5, 6, 7};
    EXPECT_EQ(Statistik_Teaminfo_Nachbar(teams, 4, 7, 1), 4);
    EXPECT_EQ(Statistik_Teaminfo_Nachbar(teams, 4, 4, -1), 7);
    EXPECT_EQ(Statistik_Teaminfo_Nachbar(teams, 4, 5, 1), 6);
    T[6].status = TEAM_STATUS_LAND;
    EXPECT_EQ(Statistik_Teaminfo_Nachbar(teams, 4, 5, 1), 7);
    EXPECT_EQ(Statistik_Teaminfo_Nachbar(teams, 4, 7, -1), 5);
    // No other normal club: one turn, then the club stays.
    for (int32_t t : {4, 5, 7}) T[t].status = TEAM_STATUS_LAND;
    EXPECT_EQ(Statistik_Teaminfo_Nachbar(teams, 4, 5, 1), 5);
    EXPECT_EQ(Statistik_Teaminfo_Nachbar(nullptr, 0, 5, 1), 5);
}

}  // namespace
