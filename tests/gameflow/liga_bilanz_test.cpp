// A club's league record that the script line "game bilanz" prints: its played league games only,
// three points a win, nothing for a club without a league; and the line "game elf".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "competitions/spiele_welt.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "gameflow/netz_start.h"

namespace {

using namespace spielwelt;
using Liga_Bilanz = Spielwelt;

std::vector<int32_t> felder(const Ablauf_Liga_Bilanz& b)
{
    return {b.spiele, b.siege, b.remis, b.niederlagen, b.tore, b.gegentore, b.punkte, b.vereine};
}

TEST_F(Liga_Bilanz, CountsThePlayedLeagueGamesOfTheClub)
{
    const int32_t liga = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
    ASSERT_GE(liga, 0);
    Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->spiele_block = liga;
    ASSERT_EQ(Wettbewerb_Get_Team_Wettbewerb(0, 1, 0), LIGA);
    ergebnis(liga, 0, 0, 0, 1, 2, 0);   // won at home
    ergebnis(liga, 1, 0, 2, 0, 1, 1);   // drawn away
    ergebnis(liga, 2, 0, 3, 0, 3, 0);   // lost away
    ergebnis(liga, 2, 1, 1, 2, 4, 4);   // not the club's
    ergebnis(liga, 3, 0, 0, 3, -1, 0);  // not played yet
    EXPECT_EQ(felder(Ablauf_Liga_Bilanz_Zaehlen(0)), std::vector<int32_t>({3, 1, 1, 1, 3, 4, 4, 4}));
    // The cup's games do not count.
    const int32_t pokal = Spiele_Init_Neue_Spiele(0, 16, 4, 1, POKAL_R1, -1);
    Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(POKAL_R1))->spiele_block = pokal;
    ergebnis(pokal, 0, 0, 0, 5, 5, 0);
    EXPECT_EQ(felder(Ablauf_Liga_Bilanz_Zaehlen(0)), std::vector<int32_t>({3, 1, 1, 1, 3, 4, 4, 4}));

    // The script's line prints it with the club's number and name.
    const int32_t vorher = Aktuelles_Team;
    Aktuelles_Team = 0;
    testing::internal::CaptureStdout();
    Ablauf_Skript_Zeile("bilanz", 0);
    const std::string aus = testing::internal::GetCapturedStdout();
    Aktuelles_Team = vorher;
    const int32_t rang = Ablauf_Liga_Bilanz_Zaehlen(0).rang;
    EXPECT_GE(rang, 1);
    EXPECT_LE(rang, 4);
    EXPECT_EQ(aus.rfind("Bilanz 0 3 1 1 1 3 4 4 " + std::to_string(rang) + " 4 ", 0), 0u) << aus;
}

// "game elf" prints the club's starting eleven as the turn's question counts it, in the form the
// comparison runner reads.
TEST_F(Liga_Bilanz, TheElevenLineCountsTheStartingEleven)
{
    const int32_t n = Teamspieler_Zaehle_Startelf(2, nullptr, nullptr, false);
    testing::internal::CaptureStdout();
    Ablauf_Skript_Zeile("elf", 2);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Elf 2 " + std::to_string(n) + "\n");
}

TEST_F(Liga_Bilanz, AClubWithoutALeagueHasNoRecord)
{
    EXPECT_EQ(felder(Ablauf_Liga_Bilanz_Zaehlen(-1)), std::vector<int32_t>(8, 0));
    EXPECT_EQ(felder(Ablauf_Liga_Bilanz_Zaehlen(testwelt::TEAM_ANZAHL + 5)), std::vector<int32_t>(8, 0));
}

}  // namespace
