// Saving an edited set: the edited values come back in a new game, everything else reads as
// before, and a failure on the way keeps the old file byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "common/welt_ordner.h"
#include "database/config_satz.h"
#include "database/db_hilfe.h"
#include "database/spieler.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "platform/config_datei.h"
#include "platform/disk.h"
#include "platform/read_config.h"
#include "platform/string_util.h"
#include "platform/zufall.h"

namespace {

std::string datei(const std::filesystem::path& p)
{
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

struct Satz : ::testing::Test {
    std::filesystem::path ordner;
    std::vector<std::string> meldungen;
    void SetUp() override
    {
        ordner = Test_Welt_Bauen("satz", {"welt --world small --seed 5"});
        ASSERT_FALSE(::testing::Test::HasFailure());
        laden();
        Requester_Printf_Set_Hook([this](const std::string& t) { meldungen.push_back(t); });
    }
    void TearDown() override
    {
        Requester_Printf_Set_Hook({});
        Disk_Set_Schreib_Grenze(-1);
        Config_Datei_Set_Lese_Hook(nullptr);
        Config_Datei_Set_Umbenennen_Fehler(false);
        Test_Aufraeumen();
        std::filesystem::remove_all(ordner);
    }
    static void laden()
    {
        Zufall(0, 1);
        Zufall_Set_Seed(77);
        ASSERT_TRUE(Team(0));
        ASSERT_TRUE(Spieler(0));
    }
    std::filesystem::path spieler_datei() const { return ordner / "config_files" / "1_spieler.cfg"; }
    std::filesystem::path team_datei() const { return ordner / "config_files" / "1_team.cfg"; }
    static Config_Satz_Aenderung bearbeiten()
    {
        Spieler_String(SP_NAME, 5, "Neumann", 1);
        Spieler_Wert(SP_GESICHT, 5, 0, 1);
        Spieler_Wert(SP_HAARFARBE, 5, 3, 1);
        Spieler_Wert(SP_HAUTFARBE, 5, 6, 1);
        Spieler_Wert(SP_RUECKENNUMMER, 5, 77, 1);
        Spieler_Wert(SP_BILDNUMMER, 5, 4321, 1);
        Spieler_Fix_Daten[5].lieblingspos = 13 * 17 + 4;
        Team_String(TEAM_NAME_ROH, 2, "FC Neustadt", 1);
        Team_String(TEAM_STADT, 2, "Neustadt", 1);
        Team_Wert(TEAM_GRAFIK_NR, 2, 9, 1);
        uint8_t farben[36];
        std::memcpy(farben, Team_Zeiger(TEAM_FARBEN, 2, nullptr, 0), 36);
        farben[0] = 1, farben[1] = 2, farben[2] = 3;
        Team_Zeiger(TEAM_FARBEN, 2, farben, 1);
        Config_Satz_Aenderung a;
        a.spieler = {5};
        a.teams = {2};
        a.vornamen[5] = "Konrad";
        return a;
    }
};

TEST_F(Satz, EditedValuesComeBackAndTheRestStays)
{
    std::vector<std::tuple<std::string, int32_t, int32_t, int32_t>> vorher;
    for (int32_t p = 0; p < Spieler_Anzahl; ++p)
        vorher.emplace_back(Spieler_String(SP_NAME, p, nullptr, 0), Spieler_Wert(SP_ALTER, p, 0, 0),
                            Spieler_Wert(SP_LIEBLINGSPOS, p, 0, 0), Spieler_Wert(SP_NATION, p, 0, 0));
    const std::string team_name_3 = Team_String(TEAM_NAME_ROH, 3, nullptr, 0);
    const Config_Satz_Aenderung a = bearbeiten();
    std::string grund;
    ASSERT_TRUE(Config_Satz_Speichern(0, a, &grund)) << grund;
    const std::string gespeichert = datei(spieler_datei()), teams = datei(team_datei());
    EXPECT_NE(gespeichert.find("VORNAME \"Konrad\""), std::string::npos);
    // a second save of the same records gives the same bytes
    ASSERT_TRUE(Config_Satz_Speichern(0, a, &grund)) << grund;
    EXPECT_EQ(datei(spieler_datei()), gespeichert);
    EXPECT_EQ(datei(team_datei()), teams);

    // the stored sum is the reader's own
    Read_Config_Set_Pruefung(true);
    for (int32_t modus : {0, 1}) {
        ASSERT_TRUE(Read_Config_Open(modus, 0, -1));
        while (*Read_Config_Read_Zeile(nullptr, true)) {
        }
        uint32_t summe = 0;
        EXPECT_TRUE(Read_Config_Check_Summe(&summe)) << modus;
        Read_Config_Close();
    }
    Test_Aufraeumen();
    laden();
    EXPECT_STREQ(Spieler_String(SP_NAME, 5, nullptr, 0), "Neumann");
    EXPECT_EQ(Spieler_String(SP_VORNAME, 5, nullptr, 0)[0], 'K');
    EXPECT_EQ(Spieler_Wert(SP_LIEBLINGSPOS, 5, 0, 0), 13 * 17 + 4);
    EXPECT_EQ(Spieler_Wert(SP_HAARFARBE, 5, 0, 0), 3);
    EXPECT_EQ(Spieler_Wert(SP_HAUTFARBE, 5, 0, 0), 6);
    EXPECT_EQ(Spieler_Wert(SP_RUECKENNUMMER, 5, 0, 0), 77);
    EXPECT_EQ(Spieler_Wert(SP_BILDNUMMER, 5, 0, 0), 4321);
    EXPECT_EQ(uint32_t(Spieler_Wert(SP_GESICHT, 5, 0, 0)) & 0x0FFFFFFFu, 0u) << "code 0 is no random face";
    EXPECT_STREQ(Team_String(TEAM_NAME_ROH, 2, nullptr, 0), "FC Neustadt");
    EXPECT_STREQ(Team_String(TEAM_STADT, 2, nullptr, 0), "Neustadt");
    EXPECT_EQ(Team_Wert(TEAM_GRAFIK_NR, 2, 0, 0), 9);
    EXPECT_EQ(static_cast<const uint8_t*>(Team_Zeiger(TEAM_FARBEN, 2, nullptr, 0))[1], 2);
    EXPECT_EQ(Team_String(TEAM_NAME_ROH, 3, nullptr, 0), team_name_3);
    ASSERT_EQ(Spieler_Anzahl, int32_t(vorher.size()));
    for (int32_t p = 0; p < Spieler_Anzahl; ++p) {
        if (p == 5) continue;
        EXPECT_EQ(std::get<0>(vorher[size_t(p)]), Spieler_String(SP_NAME, p, nullptr, 0)) << p;
        EXPECT_EQ(std::get<1>(vorher[size_t(p)]), Spieler_Wert(SP_ALTER, p, 0, 0)) << p;
        EXPECT_EQ(std::get<2>(vorher[size_t(p)]), Spieler_Wert(SP_LIEBLINGSPOS, p, 0, 0)) << p;
        EXPECT_EQ(std::get<3>(vorher[size_t(p)]), Spieler_Wert(SP_NATION, p, 0, 0)) << p;
    }
    EXPECT_TRUE(meldungen.empty());
}

TEST_F(Satz, EveryGeneratedPlayerHasHisOwnPicture)
{
    std::vector<int32_t> nummern;
    for (int32_t p = 0; p < Spieler_Anzahl; ++p) nummern.push_back(Spieler_Wert(SP_BILDNUMMER, p, 0, 0));
    std::sort(nummern.begin(), nummern.end());
    EXPECT_EQ(std::adjacent_find(nummern.begin(), nummern.end()), nummern.end());
    EXPECT_GT(nummern.front(), 0);
}

TEST_F(Satz, AFailureKeepsTheOldFile)
{
    const std::string alt = datei(spieler_datei());
    const Config_Satz_Aenderung a = bearbeiten();
    auto pruefen = [&](const char* fall) {
        std::string grund;
        EXPECT_FALSE(Config_Satz_Speichern(0, a, &grund)) << fall;
        EXPECT_EQ(datei(spieler_datei()), alt) << fall;
        EXPECT_FALSE(std::filesystem::exists(spieler_datei().string() + ".tmp")) << fall;
        ASSERT_FALSE(meldungen.empty()) << fall;
        EXPECT_EQ(meldungen.back().rfind("Die Konfiguration wurde nicht gespeichert: ", 0), 0u) << meldungen.back();
        EXPECT_NE(meldungen.back().find("Die bisherige Datei bleibt unverändert."), std::string::npos);
        meldungen.clear();
    };
    Disk_Set_Schreib_Grenze(100);
    pruefen("voll");
    Disk_Set_Schreib_Grenze(-1);
    Config_Datei_Set_Umbenennen_Fehler(true);
    pruefen("umbenennen");
    Config_Datei_Set_Umbenennen_Fehler(false);
    Config_Datei_Set_Lese_Hook([](std::string* t) { (*t)[t->size() / 2] ^= 1; });
    pruefen("gelesen");
}

TEST(SatzText, EntriesReplacedWhereTheyStandCommentsAndSectionsKept)
{
    std::string t =
        "; Kopf\r\nLETZTER_SPIELER 2\r\n\r\nNEUER_SPIELER\r\nNUMMER 1\r\nname \"Alt\" ; Kommentar\r\n"
        "[ NAME \"Versteckt\" ]\r\nALTER 20\r\n\r\nNEUER_SPIELER\r\nNUMMER 2\r\nNAME \"Zwei\"\r\n";
    const std::string vorher = t;
    ASSERT_TRUE(Config_Satz_Text_Aendern(&t, "NEUER_SPIELER", 1, {{"NAME", "\"Neu\""}, {"HAARFARBE", "2"}}));
    EXPECT_EQ(t,
              "; Kopf\r\nLETZTER_SPIELER 2\r\n\r\nNEUER_SPIELER\r\nNUMMER 1\r\nname \"Neu\" ; Kommentar\r\n"
              "[ NAME \"Versteckt\" ]\r\nALTER 20\r\nHAARFARBE 2\r\n\r\nNEUER_SPIELER\r\nNUMMER 2\r\nNAME \"Zwei\"\r\n");
    std::string ohne_ende = "NUMMER 7\nNAME \"X\"";
    ASSERT_TRUE(Config_Satz_Text_Aendern(&ohne_ende, "NEUER_SPIELER", 7, {{"GESICHT", "5"}}));
    EXPECT_EQ(ohne_ende, "NUMMER 7\nNAME \"X\"\nGESICHT 5\n");
    std::string ohne = vorher;
    EXPECT_FALSE(Config_Satz_Text_Aendern(&ohne, "NEUER_SPIELER", 3, {{"NAME", "\"Y\""}}));
    EXPECT_EQ(ohne, vorher);
}

}  // namespace
