// The club's context menu and the broadcast limits of its matches.
#include <gtest/gtest.h>

#include <string>

#include "competitions/statistik_teaminfo.h"
#include "database/db_hilfe.h"
#include "database/manager.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "platform/zufall.h"
#include "toolkit/popup.h"

namespace {

constexpr int32_t LIVE = 8, KONFERENZ = 16;

class TeamPopup : public ::testing::Test {
protected:
    void SetUp() override
    {
        Test_Teams_Anlegen(30);
        Zufall_Set_Seed(99);
    }
    void TearDown() override { Test_Welt_Aufraeumen(); }
    static int32_t flags(int32_t t) { return Team_Wert(TEAM_FLAGS, t, 0, TEAM_LESEN); }
    static int32_t zaehlen(int32_t bit)
    {
        int32_t n = 0;
        for (int32_t t = 0; t < Team_Anzahl; ++t) n += (flags(t) & bit) != 0;
        return n;
    }
};

TEST_F(TeamPopup, FifthLiveClubDisplacesAComputerClub)
{
    for (int32_t t : {1, 2, 3}) Manager_Neuer_Mitspieler(t, "Mensch");
    for (int32_t t : {1, 2, 3, 4}) Team_Uebertragung_Setzen(TEAM_UEBERTRAGUNG_LIVE, t);
    EXPECT_EQ(zaehlen(LIVE), 4);
    for (int seed = 0; seed < 20; ++seed) {
        Zufall_Set_Seed(uint32_t(seed) * 7919u + 1u);
        Team_Uebertragung_Setzen(TEAM_UEBERTRAGUNG_LIVE, 5);
        ASSERT_EQ(zaehlen(LIVE), 4);
        // The human managers' clubs keep their broadcast while a computer club can give way.
        for (int32_t t : {1, 2, 3}) EXPECT_TRUE(flags(t) & LIVE) << seed;
        EXPECT_TRUE(flags(5) & LIVE);
        Team_Uebertragung_Setzen(TEAM_UEBERTRAGUNG_KEINE, 5);
        Team_Uebertragung_Setzen(TEAM_UEBERTRAGUNG_LIVE, 4);
    }
    // Only managed clubs: one of them gives way all the same.
    Manager_Neuer_Mitspieler(4, "Mensch");
    Manager_Neuer_Mitspieler(6, "Mensch");
    Team_Uebertragung_Setzen(TEAM_UEBERTRAGUNG_LIVE, 6);
    EXPECT_EQ(zaehlen(LIVE), 4);
    EXPECT_TRUE(flags(6) & LIVE);
}

TEST_F(TeamPopup, ConferenceKeepsSixAndChoicesMoveBetweenKinds)
{
    for (int32_t t = 0; t < 9; ++t) Team_Uebertragung_Setzen(TEAM_UEBERTRAGUNG_KONFERENZ, t);
    EXPECT_EQ(zaehlen(KONFERENZ), 6);
    EXPECT_TRUE(flags(8) & KONFERENZ);
    // Live takes the club out of the conference.
    Team_Uebertragung_Setzen(TEAM_UEBERTRAGUNG_LIVE, 8);
    EXPECT_EQ(flags(8) & (LIVE | KONFERENZ), LIVE);
    EXPECT_EQ(zaehlen(KONFERENZ), 5);
    // "Keine Übertragung" clears that club alone.
    int32_t in_konferenz = -1;
    for (int32_t t = 0; t < 8; ++t)
        if (flags(t) & KONFERENZ) in_konferenz = t;
    ASSERT_GE(in_konferenz, 0);
    Team_Uebertragung_Setzen(TEAM_UEBERTRAGUNG_KEINE, in_konferenz);
    EXPECT_EQ(flags(in_konferenz) & (LIVE | KONFERENZ), 0);
    EXPECT_EQ(zaehlen(KONFERENZ), 4);
    EXPECT_TRUE(flags(8) & LIVE);
    // Other bits of the flags stay.
    Team_Wert(TEAM_FLAGS, 8, 64, TEAM_SETZEN);
    Team_Uebertragung_Setzen(TEAM_UEBERTRAGUNG_ALLE_AUS, 0);
    EXPECT_EQ(zaehlen(LIVE) + zaehlen(KONFERENZ), 0);
    EXPECT_TRUE(flags(8) & 64);
}

TEST_F(TeamPopup, AnOverlongListFromElsewhereShrinksToTheLimit)
{
    // An old savegame or another PC left seven clubs live.
    for (int32_t t = 0; t < 7; ++t) Team_Wert(TEAM_FLAGS, t, LIVE, TEAM_SETZEN);
    Team_Uebertragung_Setzen(TEAM_UEBERTRAGUNG_LIVE, 10);
    EXPECT_EQ(zaehlen(LIVE), 4);
    EXPECT_TRUE(flags(10) & LIVE);
    for (int32_t t = 0; t < 9; ++t) Team_Wert(TEAM_FLAGS, t, KONFERENZ, TEAM_SETZEN);
    Team_Uebertragung_Setzen(TEAM_UEBERTRAGUNG_KONFERENZ, 11);
    EXPECT_EQ(zaehlen(KONFERENZ), 6);
    // Bad clubs change nothing.
    Team_Uebertragung_Setzen(TEAM_UEBERTRAGUNG_ALLE_AUS, -1);
    Team_Uebertragung_Setzen(TEAM_UEBERTRAGUNG_LIVE, 999);
    EXPECT_EQ(zaehlen(KONFERENZ), 6);
}

TEST_F(TeamPopup, MenuOffersBroadcastOnlyWhereItCanBeChanged)
{
    Menue_Kontextmenue* k = Team_Popup_Menue_Erzeugen(3);
    ASSERT_NE(k, nullptr);
    EXPECT_STREQ(k->titel, "Team 3");
    ASSERT_NE(k->texte[0], nullptr);
    EXPECT_STREQ(k->texte[0], "Spielszenen-Anzeige");
    ASSERT_NE(k->unterlisten[0], nullptr);
    EXPECT_STREQ(k->texte[1], "Team-Information");
    EXPECT_EQ(k->texte[2], nullptr);
    // The sub-menu marks the current choice and acts on the club.
    Team_Uebertragung_Setzen(TEAM_UEBERTRAGUNG_KONFERENZ, 3);
    Menue_Kontextmenue* u = k->unterlisten[0](k, 0);
    ASSERT_NE(u, nullptr);
    EXPECT_STREQ(u->texte[3], "Alle Übertragungen aus");
    EXPECT_FALSE(u->status[0] & POPUP_GEWAEHLT);
    EXPECT_TRUE(u->status[1] & POPUP_GEWAEHLT);
    u->prozeduren[0](0, u->wert_c[0], u->wert_a[0], u->wert_b[0]);
    EXPECT_EQ(flags(3) & (LIVE | KONFERENZ), LIVE);
    // "Team-Information" opens the screen for the club.
    k = Team_Popup_Menue_Erzeugen(3);
    k->prozeduren[1](1, k->wert_c[1], k->wert_a[1], k->wert_b[1]);
    EXPECT_EQ(Statistik_Teaminfo_Get_Team(), 3);

    Netz_Rolle = 1;
    k = Team_Popup_Menue_Erzeugen(4);
    ASSERT_NE(k, nullptr);
    EXPECT_STREQ(k->texte[0], "Team-Information");
    EXPECT_EQ(k->texte[1], nullptr);
    k->prozeduren[0](0, k->wert_c[0], k->wert_a[0], k->wert_b[0]);
    EXPECT_EQ(Statistik_Teaminfo_Get_Team(), 4);
    Netz_Rolle = 0;
    EXPECT_EQ(Team_Popup_Menue_Erzeugen(-1), nullptr);
}

}  // namespace
