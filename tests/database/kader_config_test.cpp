// The squads of a running game written back into the team configuration text, and read again by
// the team reader.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/capture.h"
#include "database/db_hilfe.h"
#include "database/teamspieler.h"
#include "platform/read_config.h"
#include "platform/win95.h"

namespace {

std::string lesen(const std::filesystem::path& p)
{
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

void schreiben(const std::filesystem::path& p, const std::string& text)
{
    std::ofstream f(p, std::ios::binary);
    f << text;
}

// The squad of a team in list order.
std::vector<int32_t> kader(int32_t team)
{
    std::vector<int32_t> r;
    Liste* l = Team_Liste(5, team);
    for (Liste_Element* e = Liste_First_Element(l); e; e = Liste_Next_Element(l, e)) r.push_back(int32_t(e->key));
    return r;
}

std::vector<int32_t> start_liste(int32_t team)
{
    const int32_t* s = nullptr;
    int32_t n = Team_Get_Start_Spieler(team, &s);
    return std::vector<int32_t>(s, s + n);
}

struct KaderTest : ::testing::Test {
    std::filesystem::path ordner;
    void SetUp() override
    {
        ordner = std::filesystem::temp_directory_path() / ("dorvin_kader_" + std::to_string(::getpid()));
        std::filesystem::create_directories(ordner);
        std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", ordner.c_str());
    }
    void TearDown() override
    {
        Test_Aufraeumen();
        std::filesystem::remove_all(ordner);
    }
    // Every team takes the players its start list names, as at the start of a game.
    void zuordnen()
    {
        for (int32_t t = 0; t < Team_Anzahl; ++t)
            for (int32_t sp : start_liste(t)) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, t, sp, 10, 0, 24, -1, false));
    }
};

TEST_F(KaderTest, GeneratedWorldAfterTransfersReadsBackWithItsChecksum)
{
    std::string befehl = std::string(DORVIN_BINARY_DIR) + "/dorvin_datagen welt --world small --ziel " + ordner.string();
    ASSERT_EQ(std::system(befehl.c_str()), 0);
    std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", (ordner / "config_files").c_str());
    ASSERT_TRUE(Team(0));
    ASSERT_TRUE(Spieler(0));
    zuordnen();

    // A few moves: a club's player to another club, one to the transfer market, one club emptied.
    int32_t a = -1, b = -1;
    for (int32_t t = 0; t < Team_Anzahl && b < 0; ++t)
        if (!kader(t).empty() && t != Transfermarkt_Team && t != Jugend_Team) (a < 0 ? a : b) = t;
    ASSERT_GE(b, 0);
    const int32_t wechsler = kader(a).front();
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(0, a, wechsler, 0, 0, 0, -1, false));
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, b, wechsler, 20, 0, 36, a, false));
    const int32_t verkauft = kader(b).front();
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(0, b, verkauft, 0, 0, 0, -1, false));
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, Transfermarkt_Team, verkauft, 0, 0, 12, b, false));
    for (int32_t sp : kader(a)) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(0, a, sp, 0, 0, 0, -1, false));

    std::vector<std::vector<int32_t>> vorher;
    for (int32_t t = 0; t < Team_Anzahl; ++t) vorher.push_back(kader(t));
    const std::string alt = lesen(ordner / "config_files" / "1_team.cfg");
    std::string neu;
    Fehler_Capture cap;
    ASSERT_TRUE(Teamspieler_Config_Speichern(alt.c_str(), &neu));
    schreiben(ordner / "config_files" / "2_team.cfg", neu);

    ASSERT_TRUE(Read_Config_Open(1, 1, -1));
    while (*Read_Config_Read_Zeile(nullptr, true)) {}
    EXPECT_TRUE(Read_Config_Check_Summe(nullptr));
    Read_Config_Close();

    const int32_t anzahl = Team_Anzahl;
    Team_Free_Arrays(true);
    ASSERT_TRUE(Team(1));
    ASSERT_EQ(Team_Anzahl, anzahl);
    EXPECT_TRUE(cap.texts.empty()) << cap.texts.front();
    for (int32_t t = 0; t < Team_Anzahl; ++t) EXPECT_EQ(start_liste(t), vorher[size_t(t)]) << "team " << t;
    EXPECT_TRUE(start_liste(a).empty());
    EXPECT_EQ(start_liste(b).back(), wechsler);
}

TEST_F(KaderTest, HandWrittenBlocksAndTextsThatDoNotFit)
{
    const std::string text =
        "; Vereine\r\nLETZTES_TEAM 3\r\n"
        "NEUES_TEAM\r\nNUMMER 0\r\nNAME \"FC Ahlen\"\r\nspieler 1,2,3\r\nSTADT Ahlen\r\nSPIELER 4\r\n"
        "NEUES_TEAM\r\nNUMMER 1\r\nNAME \"SV Bork\"\r\n"
        "NEUES_TEAM\r\nNUMMER 2\r\nNAME TRANSFERMARKT\r\nSPIELER 7,8\r\n"
        "NEUES_TEAM\r\nNUMMER 3\r\nNAME JUGENDTEAM";
    schreiben(ordner / "1_team.cfg", text);
    Test_Spieler_Anlegen(20);
    ASSERT_TRUE(Team(0));
    zuordnen();
    // Club 0 keeps 2 and 4 and gains 9; club 1 had no SPIELER entry and gains 3 and 1.
    for (int32_t sp : {1, 3}) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(0, 0, sp, 0, 0, 0, -1, false));
    for (int32_t sp : {3, 1}) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 1, sp, 10, 0, 24, -1, false));
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 0, 9, 10, 0, 24, -1, false));

    std::string neu;
    ASSERT_TRUE(Teamspieler_Config_Speichern(text.c_str(), &neu));
    // Only the SPIELER entries change, in place: the other lines stand as they were.
    EXPECT_NE(neu.find("NAME \"FC Ahlen\"\r\nSPIELER   \t\t  2\r\nSPIELER   \t\t  4\r\nSPIELER   \t\t  9\r\nSTADT Ahlen\r\n"
                       "NEUES_TEAM"),
              std::string::npos)
        << neu;
    EXPECT_NE(neu.find("NUMMER 1\r\nSPIELER   \t\t  3\r\nSPIELER   \t\t  1\r\nNAME"), std::string::npos) << neu;
    EXPECT_NE(neu.find("NUMMER 3\r\nNAME JUGENDTEAM"), std::string::npos) << neu;
    schreiben(ordner / "2_team.cfg", neu);
    Team_Free_Arrays(true);
    ASSERT_TRUE(Team(1));
    EXPECT_EQ(start_liste(0), (std::vector<int32_t>{2, 4, 9}));
    EXPECT_EQ(start_liste(1), (std::vector<int32_t>{3, 1}));
    EXPECT_EQ(start_liste(2), (std::vector<int32_t>{7, 8}));
    zuordnen();

    // A text of other teams, or one that leaves a club with players out, is refused.
    Fehler_Capture cap;
    neu = "unverändert";
    EXPECT_FALSE(Teamspieler_Config_Speichern("LETZTES_TEAM 1\nNUMMER 0\nNUMMER 1\n", &neu));
    EXPECT_TRUE(cap.contains("Der Text beschreibt 2 Teams, das Spiel hat 4."));
    const std::string ohne_0 = "NUMMER 3\nNAME x\nNUMMER 1\n";
    EXPECT_FALSE(Teamspieler_Config_Speichern(ohne_0.c_str(), &neu));
    EXPECT_TRUE(cap.contains("Team 0 hat keinen Eintrag im Text"));
    EXPECT_FALSE(Teamspieler_Config_Speichern(nullptr, &neu));
    EXPECT_EQ(neu, "unverändert");
    Netz_Rolle = 1;
    EXPECT_FALSE(Teamspieler_Config_Speichern(text.c_str(), &neu));
    EXPECT_TRUE(cap.contains("Client-Zugriff: Teamspieler_Config_Speichern"));
}

}  // namespace
