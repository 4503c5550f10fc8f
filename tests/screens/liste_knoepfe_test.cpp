// The controls under the line-up screen's lists: colour sorting and quick sort take turns, the
// columns' control answers only to its menu, "only on the pitch" and the player types filter.
#include <gtest/gtest.h>

#include <vector>

#include "screens/screens_hilfe.h"
#include "screens/spieler_liste.h"
#include "screens/spieler_liste_knoepfe.h"
#include "toolkit/icon.h"

using namespace screens_test;

namespace {

using ListenKnoepfe = Welt;

size_t eintraege(int32_t liste)
{
    std::vector<Spieler_Listen_Eintrag> e;
    Spieler_Einsetzen_Liste_Bauen(liste, &e);
    return e.size();
}

TEST_F(ListenKnoepfe, ColourAndQuickSortTakeTurnsAndTheColumnsAnswerOnlyTheirMenu)
{
    Spieler_Einsetzen_Farbe_Gewaehlt(0, 0, 0, 0);    // Kraft in the set
    Spieler_Einsetzen_Schnell_Gewaehlt(0, 0, 24, 0);  // quick sort by height, now on
    EXPECT_EQ(Spieler_Einsetzen_Farb_Bits(0), FARBE_GROESSE);
    EXPECT_TRUE(Spieler_Einsetzen_Listen_Knopf_An(1244));
    ASSERT_TRUE(Spieler_Einsetzen_Listen_Knopf_Klick(1241));
    EXPECT_EQ(Spieler_Einsetzen_Farb_Bits(0), 1u) << "the set colours the list again";
    EXPECT_FALSE(Spieler_Einsetzen_Listen_Knopf_An(1244));
    ASSERT_TRUE(Spieler_Einsetzen_Listen_Knopf_Klick(1244));
    EXPECT_EQ(Spieler_Einsetzen_Farb_Bits(0), FARBE_GROESSE);
    // the other list keeps its own switches
    EXPECT_FALSE(Spieler_Einsetzen_Listen_Knopf_An(1256));

    const uint32_t spalten = Spieler_Einsetzen_Spalten(0);
    EXPECT_FALSE(Spieler_Einsetzen_Listen_Knopf_Klick(1243));
    EXPECT_TRUE(gemeldet("rechte Maustaste"));
    EXPECT_EQ(Spieler_Einsetzen_Spalten(0), spalten);
    EXPECT_FALSE(Spieler_Einsetzen_Listen_Knopf_Klick(1300)) << "no control of a list";
}

TEST_F(ListenKnoepfe, OnlyThePitchAndThePlayerTypesFilterTheOwnList)
{
    elf(10);
    const size_t alle = eintraege(0);
    ASSERT_GT(alle, 11u);
    ASSERT_TRUE(Spieler_Einsetzen_Listen_Knopf_Klick(1245));
    EXPECT_TRUE(Spieler_Einsetzen_Listen_Knopf_An(1245));
    EXPECT_EQ(eintraege(0), 11u);
    Spieler_Einsetzen_Listen_Knopf_Klick(1245);
    EXPECT_EQ(eintraege(0), alle);

    EXPECT_TRUE(Spieler_Einsetzen_Listen_Knopf_An(1250));
    // goalkeepers off: the two keepers leave, "all" is no longer lit
    ASSERT_TRUE(Spieler_Einsetzen_Listen_Knopf_Klick(1252));
    EXPECT_EQ(eintraege(0), alle - 2);
    EXPECT_FALSE(Spieler_Einsetzen_Listen_Knopf_An(1250));
    Spieler_Einsetzen_Listen_Knopf_Klick(1250);
    EXPECT_EQ(eintraege(0), alle);
}

TEST_F(ListenKnoepfe, TheOwnListHasTheTypesTheOtherOnlyItsFour)
{
    Menue_Icon i[16];
    EXPECT_EQ(Spieler_Einsetzen_Listen_Knoepfe(i, 16, 0, 4, 440), 9);
    EXPECT_EQ(i[1].nummer, 1244);
    EXPECT_NE(i[0].kontext, nullptr);
    EXPECT_EQ(Spieler_Einsetzen_Listen_Knoepfe(i, 16, 1, 452, 440), 4);
    EXPECT_EQ(i[0].nummer, 1253);
    EXPECT_EQ(Spieler_Einsetzen_Listen_Knoepfe(i, 3, 0, 4, 440), 3) << "never more than the room given";
    EXPECT_EQ(Spieler_Einsetzen_Listen_Knoepfe(i, 16, 2, 452, 440), 4) << "the search's matches have the other's four";
    EXPECT_EQ(i[0].nummer, 1333);
    EXPECT_EQ(Spieler_Einsetzen_Listen_Knoepfe(i, 16, 3, 4, 440), 0);
}

}  // namespace
