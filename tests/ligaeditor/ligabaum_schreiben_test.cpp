// Saving a set whose cup takes its entrants from the league tree: the file carries the
// pyramid's best places as the rounds' entrants, the lowest in the first round, and the places
// that lead there, and it reads back so.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "competitions/wettbewerb.h"
#include "competitions/wettbewerb_welt.h"
#include "database/team.h"
#include "ligaeditor/editor_hilfe.h"

namespace {

using namespace testwelt;

std::string zeile(const std::string& wort, const std::string& wert)
{
    return "\t" + wort + std::string(35 - wort.size(), ' ') + wert + "\r\n";
}

// The lines of the record with this identification, up to the next record.
std::string satz(const std::string& text, const std::string& ident)
{
    const size_t i = text.find(zeile("IDENTIFIKATION", ident));
    if (i == std::string::npos) return "";
    const size_t a = text.rfind("NEUER_WETTBEWERB", i);
    const size_t e = text.find("NEUER_WETTBEWERB", i);
    return text.substr(a, e == std::string::npos ? std::string::npos : e - a);
}

class Ligabaum_Schreiben : public editor_test::Satz_Ordner {
protected:
    void SetUp() override
    {
        Satz_Ordner::SetUp();
        Team_Anzahl = TEAM_ANZAHL;
        auto r = bauen();
        r[A2B].ziele.ziel[0][0] = -1;
        pokal_aus_ligabaum(r);
        r[B1].ziele.ziel[2][1] = POKAL1;   // another country's place that led there goes
        ASSERT_TRUE(Wettbewerb_Uebernehmen(r.data(), ANZAHL, TEAM_ANZAHL));
        ASSERT_TRUE(Wettbewerb_Config_Datei_Schreiben(0, 0, nullptr, nullptr));
        ASSERT_TRUE(Wettbewerb_Config_Modify_Init(0, 0));
    }
};

TEST_F(Ligabaum_Schreiben, TheRoundsGetThePyramidsBestPlacesTheLowestFirst)
{
    ASSERT_TRUE(Wettbewerb_Config_Schreiben(0, 0, nullptr));
    const std::string text = editor_test::lesen(datei());
    // Club 3 has the alias ALPHA. A1's four places, then the best of each league below, taken
    // from the lowest up.
    EXPECT_NE(satz(text, "ALI_10").find(zeile("STARTTEILNEHMER", "8,4,#ALPHA,2")), std::string::npos) << satz(text, "ALI_10");
    EXPECT_NE(satz(text, "ALI_11").find(zeile("STARTTEILNEHMER", "1,0")), std::string::npos) << satz(text, "ALI_11");
    // The fifth target list of the leagues names the rounds; the lists before it keep their lines.
    const std::string a1 = satz(text, "ALI_1");
    EXPECT_NE(a1.find(zeile("QUALI_FUER", "NIX") + zeile("QUALI_FUER", "NIX") + zeile("QUALI_FUER", "ALI_11,ALI_11,ALI_10,ALI_10")),
              std::string::npos)
        << a1;
    EXPECT_NE(satz(text, "ALI_2").find(zeile("QUALI_FUER", "ALI_10")), std::string::npos);
    EXPECT_NE(satz(text, "ALI_3").find(zeile("QUALI_FUER", "ALI_10")), std::string::npos);
    EXPECT_EQ(satz(text, "ALI_4").find("ALI_10"), std::string::npos) << satz(text, "ALI_4");

    // Read back as a new game reads the set.
    ASSERT_TRUE(Wettbewerb_Config_Modify_Free());
    ASSERT_TRUE(Wettbewerb_Config_Lesen(0, 0));
    int16_t teams[WETTBEWERB_MAX_TEAMS];
    ASSERT_EQ(Wettbewerb_Get_Teams(10, teams), 4);
    EXPECT_EQ(std::vector<int16_t>(teams, teams + 4), (std::vector<int16_t>{8, 4, 3, 2}));
    ASSERT_EQ(Wettbewerb_Get_Teams(11, teams), 2);
    EXPECT_EQ(Wettbewerb_Get_Quali_Ziel(1, 0, 4), 11);
    EXPECT_EQ(Wettbewerb_Get_Quali_Ziel(1, 3, 4), 10);
    EXPECT_EQ(Wettbewerb_Get_Quali_Ziel(4, 1, 2), -1);
}

}  // namespace
