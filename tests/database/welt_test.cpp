// The generated world, as the builder writes it, through the program's own readers.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "common/capture.h"
#include "database/db_hilfe.h"
#include "database/personal.h"
#include "platform/win95.h"
#include "platform/read_config.h"
#include "competitions/wettbewerb.h"

namespace {

std::filesystem::path welt_bauen(const std::string& name, const std::string& args)
{
    auto ziel = std::filesystem::temp_directory_path() / ("dorvin_welt_" + std::to_string(::getpid()) + "_" + name);
    std::filesystem::remove_all(ziel);
    std::string befehl = std::string(DORVIN_BINARY_DIR) + "/dorvin_datagen welt --ziel " + ziel.string() + " " + args;
    EXPECT_EQ(std::system(befehl.c_str()), 0) << befehl;
    return ziel;
}

std::string lesen(const std::filesystem::path& p)
{
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

struct WeltTest : ::testing::Test {
    void TearDown() override
    {
        Wettbewerb_Free();
        Test_Aufraeumen();
        Personal_DeInit();
    }
};

struct WeltGroesse : WeltTest, ::testing::WithParamInterface<const char*> {};

TEST_P(WeltGroesse, LoadsCompleteAndValid)
{
    const std::string groesse = GetParam();
    auto ziel = welt_bauen(groesse, groesse == "default" ? "" : "--world " + groesse);
    std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", (ziel / "config_files").c_str());

    // every file carries a checksum that matches its data
    for (int modus : {0, 1, 3}) {
        ASSERT_TRUE(Read_Config_Open(modus, 0, -1));
        while (*Read_Config_Read_Zeile(nullptr, true)) {}
        uint32_t summe = 0;
        EXPECT_TRUE(Read_Config_Check_Summe(&summe)) << modus;
        Read_Config_Close();
    }

    Fehler_Capture cap;
    ASSERT_TRUE(Team(0));
    ASSERT_TRUE(Spieler(0));
    Personal_Init();
    Personal_Read_Config_Wenn_Init();
    EXPECT_TRUE(cap.texts.empty()) << cap.texts.front();

    ASSERT_GE(Transfermarkt_Team, 0);
    ASSERT_GE(Jugend_Team, 0);
    int32_t heimat = Team_Get_Heimatland();
    EXPECT_STREQ(Team_String(TEAM_NAME_ROH, heimat, nullptr, 0), "Deutschland");
    EXPECT_TRUE(Team_Ist_Landteam(heimat) || (T[heimat].status & 3) == 3);

    std::set<int32_t> vergeben;
    int32_t vereine = 0;
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        SCOPED_TRACE(t);
        EXPECT_NE(T_Fix[t].name[0], 0);
        const int32_t* liste = nullptr;
        int32_t n = Team_Get_Start_Spieler(t, &liste);
        for (int32_t i = 0; i < n; ++i) {
            EXPECT_GE(liste[i], 0);
            EXPECT_LT(liste[i], Spieler_Anzahl);
            EXPECT_TRUE(vergeben.insert(liste[i]).second) << "player " << liste[i] << " listed twice";
        }
        if (t == Transfermarkt_Team || t == Jugend_Team) continue;
        if (!(T[t].status & 3)) {
            ++vereine;
            EXPECT_GE(n, 11);
            EXPECT_LE(n, TEAM_MAX_SPIELER);
            // no more than the richest club keeps (its buying limit, financial strength 99)
            EXPECT_LE(n, 99 / 17 + 20);
            EXPECT_LT(T_Fix[t].nation, Team_Anzahl);
            EXPECT_TRUE(T[T_Fix[t].nation].status & TEAM_STATUS_LAND);
            EXPECT_GE(Team_Wert(TEAM_STAERKE_ABW, t, 0, 0), 10);
        }
        const char* name = T_Fix[t].name;
        if (!std::strcmp(name, "Italien") || !std::strcmp(name, "England") || !std::strcmp(name, "Frankreich") ||
            !std::strcmp(name, "Spanien")) {
            EXPECT_EQ(n, 0);
        }
    }
    if (groesse == "small") {
        EXPECT_GE(vereine, 24);
        EXPECT_LE(vereine, 60);
    } else if (groesse == "default") {
        EXPECT_GE(vereine, 350);
        EXPECT_LE(vereine, 450);
        EXPECT_GE(Spieler_Anzahl, 9000);
        EXPECT_LE(Spieler_Anzahl, 10112);
    } else {
        // more clubs than the default world, each with a squad of the default size
        EXPECT_GE(vereine, 600);
        EXPECT_GT(Spieler_Anzahl, 15000);
        EXPECT_LE(Spieler_Anzahl, 32767);  // player numbers stay 16-bit
    }

    for (int32_t sp = 0; sp < Spieler_Anzahl; ++sp) {
        SCOPED_TRACE(sp);
        EXPECT_NE(Spieler_Fix_Daten[sp].name[0], 0);
        int32_t pos = Spieler_Wert(SP_LIEBLINGSPOS, sp, 0, 0);
        EXPECT_TRUE(pos >= 0 && pos <= 459);
        EXPECT_GT(Spieler_Wert(SP_K_I_T, sp, 0, 0), 1);
        EXPECT_GE(Spieler_Wert(SP_GROESSE, sp, 0, 0), 160);
        EXPECT_TRUE(T[Spieler_Wert(SP_NATION, sp, 0, 0)].status & TEAM_STATUS_LAND);
    }
    EXPECT_GT(Personal_Anzahl(PERSONAL_SCHIEDSRICHTER), 0);
    EXPECT_GT(Personal_Anzahl(PERSONAL_ASSISTENT), 0);
    // A day on which all clubs of a nation play one another (a cup round) finds a referee of
    // that nation for every game.
    if (groesse != "small") {
        std::map<int32_t, int32_t> clubs, schiris;
        for (int32_t t = 0; t < Team_Anzahl; ++t)
            if (t != Transfermarkt_Team && t != Jugend_Team && !(T[t].status & 3)) ++clubs[T_Fix[t].nation];
        std::vector<int32_t> ids(size_t(Personal_Anzahl(PERSONAL_SCHIEDSRICHTER)));
        ids.resize(size_t(Personal_Get_Nummern(PERSONAL_SCHIEDSRICHTER, ids.data(), int32_t(ids.size()))));
        for (int32_t id : ids) ++schiris[int32_t(Personal_Get_Daten(id, PERSONAL_SCHIEDSRICHTER)->land)];
        for (const auto& [land, n] : clubs) EXPECT_GE(2 * schiris[land], n) << "nation " << land;
    }
    std::filesystem::remove_all(ziel);
}

INSTANTIATE_TEST_SUITE_P(Welt, WeltGroesse, ::testing::Values("small", "default", "large"));

TEST_F(WeltTest, EveryClubPlaysInOneLeague)
{
    for (const char* groesse : {"small", "default"}) {
        SCOPED_TRACE(groesse);
        std::string welt = std::strcmp(groesse, "default") ? std::string("--world ") + groesse : "";
        auto ziel = welt_bauen(std::string("ligen_") + groesse, welt);
        std::string befehl = std::string(DORVIN_BINARY_DIR) + "/dorvin_datagen wettbewerbe --ziel " + ziel.string() + " " + welt;
        ASSERT_EQ(std::system(befehl.c_str()), 0);
        std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", (ziel / "config_files").c_str());
        ASSERT_TRUE(Team(0));
        ASSERT_TRUE(Wettbewerb_Config_Lesen(0, 0));
        int32_t vereine = 0;
        for (int32_t t = 0; t < Team_Anzahl; ++t) {
            if (T[t].status & 3 || t == Transfermarkt_Team || t == Jugend_Team) continue;
            ++vereine;
            int32_t liga = Team_Wert(TEAM_LIGA, t, 0, 0);
            EXPECT_GE(liga, 0) << "Verein " << t << " " << T_Fix[t].name << " ohne Liga";
            if (liga >= 0) {
                EXPECT_EQ(Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(liga))->land, T_Fix[t].nation) << t;
            }
            EXPECT_EQ(Team_Get_Art(t), 0) << t;  // its nation has competitions
        }
        EXPECT_GT(vereine, 0);
        EXPECT_EQ(Team_Get_Art(Team_Get_Heimatland()), 32);
        EXPECT_TRUE(Team_Liga_Hat_Teams(Team_Get_Heimatland()));
        Wettbewerb_Free();
        Test_Aufraeumen();
        std::filesystem::remove_all(ziel);
    }
}

// A club's income follows its league level and its wages its squad's strength: no tier is
// stronger than its level pays for (a club's lines lie within 100 of its tier's strength), so
// that a second tier abroad does not pay a first tier's wages from a third tier's gate. The tier
// the large world adds below a country's only league sells the most season tickets and
// pays for 550. The small world's leagues of six and eight clubs hold to the same ladder.
TEST_F(WeltTest, NoTierIsStrongerThanItsLevelPaysFor)
{
    const std::map<int32_t, int32_t> staerke = {{100, 660}, {75, 470}, {66, 450}, {50, 330}, {33, 173}, {25, 100}};
    for (const char* groesse : {"default", "large", "small"}) {
        SCOPED_TRACE(groesse);
        const std::string welt = std::strcmp(groesse, "default") ? std::string("--world ") + groesse : "";
        auto ziel = welt_bauen(std::string("niveau_") + groesse, welt);
        const std::string befehl = std::string(DORVIN_BINARY_DIR) + "/dorvin_datagen wettbewerbe --ziel " + ziel.string() + " " + welt;
        ASSERT_EQ(std::system(befehl.c_str()), 0);
        std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", (ziel / "config_files").c_str());
        ASSERT_TRUE(Team(0));
        ASSERT_TRUE(Wettbewerb_Config_Lesen(0, 0));
        std::map<int32_t, int32_t> vereine;
        for (int32_t t = 0; t < Team_Anzahl; ++t) {
            if (T[t].status & 3 || t == Transfermarkt_Team || t == Jugend_Team || Team_Wert(TEAM_LIGA, t, 0, 0) < 0) continue;
            const int32_t niveau = Wettbewerb_Get_Liga_Niveau(t);
            ASSERT_TRUE(staerke.count(niveau)) << "Verein " << t << " Niveau " << niveau;
            ++vereine[niveau];
            const int32_t mittel = (Team_Wert(TEAM_STAERKE_ABW, t, 0, 0) + Team_Wert(TEAM_STAERKE_MIT, t, 0, 0) +
                                    Team_Wert(TEAM_STAERKE_STU, t, 0, 0)) / 3;
            int32_t stufen = 0;
            Wettbewerb_Visuell_Vertikal_Anz(Wettbewerb_Get_Team_Wettbewerb(t, 1), &stufen);
            const bool zugefuegt = std::strcmp(groesse, "large") == 0 && niveau == 50 && stufen == 2;
            EXPECT_LE(mittel, (zugefuegt ? 550 : staerke.at(niveau)) + 100) << "Verein " << t << " Niveau " << niveau;
        }
        EXPECT_GE(vereine.size(), std::strcmp(groesse, "small") ? 4u : 3u);
        Wettbewerb_Free();
        Test_Aufraeumen();
        std::filesystem::remove_all(ziel);
    }
}

// Field 196 holds winter and summer temperature + 100 and the rain level 0..40; the weather of
// a match day is drawn from it.
TEST_F(WeltTest, ClubsCarryTheClimateOfTheirNation)
{
    auto ziel = welt_bauen("klima", "");
    std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", (ziel / "config_files").c_str());
    ASSERT_TRUE(Team(0));
    int32_t heimat = Team_Get_Heimatland();

    // Team 0 is a German club: -2 and 23 degrees, rain level 20 ("KLIMA 98,123,2000").
    ASSERT_EQ(T_Fix[0].nation, heimat);
    const auto* k = static_cast<const uint8_t*>(Team_Zeiger(TEAM_KLIMA, 0, nullptr, 0));
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k[0], 98);
    EXPECT_EQ(k[1], 123);
    EXPECT_EQ(k[2], 20);

    std::set<std::vector<uint8_t>> klimata;
    bool suedlich = false;
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (t == Transfermarkt_Team || t == Jugend_Team) continue;
        SCOPED_TRACE(T_Fix[t].name);
        const auto* eigen = static_cast<const uint8_t*>(Team_Zeiger(TEAM_KLIMA, t, nullptr, 0));
        const auto* land = static_cast<const uint8_t*>(Team_Zeiger(TEAM_KLIMA, T_Fix[t].nation, nullptr, 0));
        EXPECT_EQ(std::vector<uint8_t>(eigen, eigen + 3), std::vector<uint8_t>(land, land + 3));
        int winter = eigen[0] - 100, sommer = eigen[1] - 100;
        EXPECT_GE(winter, -25);
        EXPECT_LE(winter, 32);
        EXPECT_GE(sommer, 5);
        EXPECT_LE(sommer, 36);
        EXPECT_LE(eigen[2], 40);
        EXPECT_GE(eigen[2], 5);  // it rains somewhat everywhere
        if (T_Fix[t].kontinent == 0) {
            EXPECT_LT(winter, sommer);  // Europe: the game's winter months are cold
        }
        suedlich = suedlich || winter > sommer;
        klimata.insert(std::vector<uint8_t>(eigen, eigen + 3));
    }
    EXPECT_TRUE(suedlich);  // January is summer south of the equator
    EXPECT_GE(klimata.size(), 20u);
    std::filesystem::remove_all(ziel);
}

TEST_F(WeltTest, SameSeedSameBytesOtherSeedOtherWorld)
{
    auto a = welt_bauen("a", "--world small --seed 7");
    auto b = welt_bauen("b", "--world small --seed 7");
    auto c = welt_bauen("c", "--world small --seed 8");
    for (const char* name : {"1_team.cfg", "1_spieler.cfg", "1_personal.cfg"}) {
        std::string x = lesen(a / "config_files" / name);
        EXPECT_FALSE(x.empty());
        EXPECT_EQ(x, lesen(b / "config_files" / name)) << name;
        EXPECT_NE(x, lesen(c / "config_files" / name)) << name;
    }
    for (auto& p : {a, b, c}) std::filesystem::remove_all(p);
}

TEST_F(WeltTest, BuilderRefusesUnknownSize)
{
    auto ziel = std::filesystem::temp_directory_path() / ("dorvin_welt_" + std::to_string(::getpid()) + "_x");
    std::string befehl = std::string(DORVIN_BINARY_DIR) + "/dorvin_datagen welt --ziel " + ziel.string() +
                         " --world riesig 2>/dev/null";
    EXPECT_NE(std::system(befehl.c_str()), 0);
    std::filesystem::remove_all(ziel);
}

}  // namespace
