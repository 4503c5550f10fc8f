// The line-up screen's strength box and commitment slider: the clubs' league strength texts, the
// box's tooltip and the slider's value where the manager lets it go.
#include <gtest/gtest.h>

#include <string>

#include "screens/screens_hilfe.h"
#include "screens/spieler_einsetzen_figuren.h"
#include "screens/spieler_einsetzen_screen.h"

using namespace screens_test;

namespace {

using Staerke = Welt;

bool enthaelt(const std::string& t, const std::string& teil) { return t.find(teil) != std::string::npos; }

TEST_F(Staerke, TheTooltipNamesBothClubsOwnFirstAndWarnsOfTrialPlayers)
{
    elf(10);
    const std::string liga = Spieler_Einsetzen_Staerke_Text(EIGEN, 0);
    EXPECT_FALSE(liga.empty());
    EXPECT_TRUE(enthaelt(Spieler_Einsetzen_Staerke_Text(EIGEN, 1), "Schnitt="));
    EXPECT_EQ(Spieler_Einsetzen_Staerke_Text(-1, 0), "");
    EXPECT_EQ(Spieler_Einsetzen_Staerke_Text(EIGEN, 2), "");

    Gegner_Team = -1;
    std::string t = Spieler_Einsetzen_Staerke_Tooltip();
    EXPECT_EQ(t.rfind("Liga / Stärke der eingesetzten Spieler:^l" + liga, 0), 0u) << t;
    EXPECT_FALSE(enthaelt(t, "ACHTUNG")) << "eleven with the goalkeeper: no warning";

    Gegner_Team = GEGNER;
    Aktuelles_Team_Seite = 1;
    t = Spieler_Einsetzen_Staerke_Tooltip();
    const std::string eigen = Team_String(TEAM_NAME, EIGEN, nullptr, 0), gegner = Team_String(TEAM_NAME, GEGNER, nullptr, 0);
    const size_t a = t.find("Ihr Team, " + eigen + " (unten) hat ein Auswärtsspiel^lLiga / Stärke der eingesetzten Spieler:^l");
    const size_t b = t.find("^lIhr Gegner, " + gegner + " (oben) hat ein Heimspiel^lLiga / Stärke der eingesetzten Spieler:^l");
    ASSERT_NE(a, std::string::npos) << t;
    ASSERT_NE(b, std::string::npos) << t;
    EXPECT_LT(a, b);
    Aktuelles_Team_Seite = 0;
    EXPECT_TRUE(enthaelt(Spieler_Einsetzen_Staerke_Tooltip(), "(unten) hat ein Heimspiel"));

    // A trial player in the eleven is no "real" one.
    Teamspieler_Wert(317, EIGEN, 2, TS_PROBE, 8);
    EXPECT_TRUE(enthaelt(Spieler_Einsetzen_Staerke_Tooltip(), "Bei Ihnen sind nur 10 \"echte\" Spieler eingesetzt !"));
}

TEST_F(Staerke, TheSliderKeepsTheValueWhereItWasLeftAndSpansTheRange)
{
    for (int32_t wert : {1, 2, 37, 50, 98, 99}) {
        Team_Wert(TEAM_OPTION, EIGEN, wert, 1);
        Spieler_Einsetzen_Einsatz_Abgelegt(Spieler_Einsetzen_Einsatz_Y());
        EXPECT_EQ(Team_Wert(TEAM_OPTION, EIGEN, 0, 0), wert);
    }
    Spieler_Einsetzen_Einsatz_Abgelegt(-500);
    EXPECT_EQ(Team_Wert(TEAM_OPTION, EIGEN, 0, 0), 99) << "the top is full commitment";
    const int32_t oben = Spieler_Einsetzen_Einsatz_Y();
    Spieler_Einsetzen_Einsatz_Abgelegt(5000);
    EXPECT_EQ(Team_Wert(TEAM_OPTION, EIGEN, 0, 0), 1);
    EXPECT_GT(Spieler_Einsetzen_Einsatz_Y(), oben);
}

}  // namespace
