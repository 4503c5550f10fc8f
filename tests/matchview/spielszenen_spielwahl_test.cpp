// The game a view window steps to over the day's games.
#include <gtest/gtest.h>

#include <vector>

#include "matchview/live/spielszenen_live.h"

namespace {

using Liste = std::vector<Spielszenen_Spielwahl_Eintrag>;

int32_t wahl(const Liste& l, int32_t befehl, int32_t spiel = -1) { return Spielszenen_Spielwahl(l.data(), int32_t(l.size()), befehl, spiel); }

TEST(Spielwahl, NextAndPreviousWrapAndSkipClosedGames)
{
    const Liste eins = {{7, 0, true, false, false, false}, {8, 0, false, false, false, false}};
    EXPECT_EQ(wahl(eins, 2, 7), 7);
    EXPECT_EQ(wahl(eins, 3, 7), 7);
    const Liste l = {{1, 0, true, false, false, false}, {2, 0, true, true, true, false}, {3, 1, true, false, false, false},
                     {4, 1, false, false, false, false}, {5, 1, true, false, false, false}};
    EXPECT_EQ(wahl(l, 2, 1), 3);
    EXPECT_EQ(wahl(l, 2, 5), 1);
    EXPECT_EQ(wahl(l, 3, 3), 1);
    EXPECT_EQ(wahl(l, 3, 1), 5);
    EXPECT_EQ(wahl(l, 2, 2), -1);  // closed: not among them
    EXPECT_EQ(wahl(l, 3, 2), 5);
    EXPECT_EQ(wahl(l, 1), 2);      // the closed game is the last one shown
    const Liste keins = {{1, 0, false, false, true, true}};
    EXPECT_EQ(wahl(keins, 1), -1);
    EXPECT_EQ(wahl(keins, 2, 1), -1);
    EXPECT_EQ(wahl(keins, 3, 1), -1);
}

TEST(Spielwahl, TheOwnGameWinsTheStartCommand)
{
    const Liste l = {{1, 0, true, false, false, false}, {2, 0, true, false, false, true}, {3, 0, true, false, true, false},
                     {4, 1, true, false, true, false}, {5, 2, true, false, false, false}};
    EXPECT_EQ(wahl(l, 1), 2);
    Liste ohne = l;
    ohne[1].eigen = false;
    EXPECT_EQ(wahl(ohne, 1), 4);
    ohne[2].angezeigt = ohne[3].angezeigt = false;
    EXPECT_EQ(wahl(ohne, 1), 5);
}

}  // namespace
