// The readers of the player, team and staff files, fed with small hand-made files, broken ones
// among them.
#include <gtest/gtest.h>

#include "economy/stadion.h"
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "common/capture.h"
#include "database/db_hilfe.h"
#include "database/personal.h"
#include "database/teamspieler.h"
#include "platform/win95.h"

namespace {

struct ConfigTest : ::testing::Test {
    std::filesystem::path ordner;
    void SetUp() override
    {
        ordner = std::filesystem::temp_directory_path() /
                 ("dorvin_db_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(ordner);
        std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", ordner.c_str());
    }
    void TearDown() override
    {
        Test_Aufraeumen();
        Personal_DeInit();
        std::filesystem::remove_all(ordner);
    }
    void datei(int satz, const char* name, const std::string& text)
    {
        FILE* f = std::fopen((ordner / (std::to_string(satz + 1) + "_" + name)).c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
};

std::string spieler_block(int nr, const std::string& rest = "")
{
    return "NEUER_SPIELER\nNUMMER " + std::to_string(nr) + "\nNAME Kessler" + std::to_string(nr) + "\n" + rest;
}

std::string gute_spieler(int anzahl)
{
    std::string s = "LETZTER_SPIELER " + std::to_string(anzahl - 1) + "\n";
    for (int i = 0; i < anzahl; ++i) s += spieler_block(i, "KRAFT 400\nLIEBLINGSPOS 2,5\n");
    return s;
}

TEST_F(ConfigTest, PlayerFileFieldsClampsAndCompletion)
{
    datei(0, "spieler.cfg",
          "; Testspieler\nLETZTER_SPIELER 4\n" +
              spieler_block(0, "VORNAME Heinz\nALTER 50\nGROESSE 220\nLIEBLINGSPOS 99,99\nTORWART_STAERKE 640\n"
                               "REFLEXE 70\nBILD_X 321\nRUECKENNUMMER 12\nGESICHT 0\n") +
              spieler_block(1, "ALTER 16\nGROESSE 0\nLIEBLINGSPOS 2,5\nKRAFT 0\nAUSDAUER 300\nFLANKEN 40\n") +
              spieler_block(2, "TORWART_STAERKE 700\nLIEBLINGSPOS 99,99\nALTER 17\n") +
              spieler_block(3, "LIEBLINGSPOS 30,5\nHAARFARBE 9\n") + spieler_block(4));
    Fehler_Capture cap;
    ASSERT_TRUE(Spieler(0));
    ASSERT_EQ(Spieler_Anzahl, 5);
    EXPECT_STREQ(Spieler_String(SP_VORNAME, 0, nullptr, 0), "H");
    EXPECT_EQ(Spieler_Wert(SP_ALTER, 0, 0, 0), 42);
    EXPECT_EQ(Spieler_Wert(SP_GROESSE, 0, 0, 0), 210);
    EXPECT_EQ(Spieler_Wert(SP_LIEBLINGSPOS, 0, 0, 0), 459);
    EXPECT_EQ(Spieler_Wert(SP_TORWART_STAERKE, 0, 0, 0), 640);
    EXPECT_EQ(Spieler_Wert(SP_REFLEXE, 0, 0, 0), 70);
    EXPECT_EQ(Spieler_Wert(SP_BILDNUMMER, 0, 0, 0), 321);  // an unknown word names the picture
    EXPECT_EQ(Spieler_Wert(SP_RUECKENNUMMER, 0, 0, 0), 12);
    EXPECT_EQ(Spieler_Wert(SP_GROESSE, 1, 0, 0), 160);
    EXPECT_EQ(Spieler_Wert(SP_LIEBLINGSPOS, 1, 0, 0), 39);
    EXPECT_EQ(Spieler_Wert(SP_FLANKEN, 1, 0, 0), 40);
    // KRAFT 0 counts as missing: the whole visible set is drawn anew
    EXPECT_NE(Spieler_Wert(SP_KRAFT, 1, 0, 0), 0);
    // the keeper value before the position is refused, then slot 0 is drawn
    EXPECT_TRUE(cap.contains("TW-Attribut bei Feldspieler"));
    EXPECT_NE(Spieler_Wert(SP_TORWART_STAERKE, 2, 0, 0), 700);
    EXPECT_GT(Spieler_Wert(SP_TORWART_STAERKE, 2, 0, 0), 0);
    EXPECT_EQ(Spieler_Wert(SP_LIEBLINGSPOS, 3, 0, 0), 459);  // row 30 is off the grid: clamped
    EXPECT_EQ(Spieler_Wert(SP_HAARFARBE, 3, 0, 0), 7);
    for (int32_t i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_GE(Spieler_Wert(SP_FORM, i, 0, 0), 85);
        EXPECT_LE(Spieler_Wert(SP_FORM, i, 0, 0), 95);
        int32_t alter = Spieler_Wert(SP_ALTER, i, 0, 0);
        int32_t erfahrung = Spieler_Wert(SP_ERFAHRUNG, i, 0, 0);
        EXPECT_GE(erfahrung, 0);  // also for the 16- and 17-year-olds
        EXPECT_LE(erfahrung, 42);
        EXPECT_GE(alter, 15);
        EXPECT_NE(Spieler_Fix_Daten[i].farben, 255);
        EXPECT_NE(Spieler_Fix_Daten[i].lieblingspos, -1);
        EXPECT_EQ(Spieler_Wert(SP_STATUS, i, 0, 0), SP_STATUS_OHNE_VEREIN);
    }
    EXPECT_EQ(Spieler_Read_Config_Anzahl(0), 5);
    EXPECT_EQ(Spieler_Read_Config_Anzahl(7), 0);
    datei(1, "spieler.cfg", "NEUER_SPIELER\n");
    EXPECT_EQ(Spieler_Read_Config_Anzahl(1), 0);
    Spieler_DeInit();
    EXPECT_EQ(Spieler_Anzahl, -1);
    EXPECT_EQ(Spieler_Daten, nullptr);
}

// Every keyword of the player file reaches its own field, whatever its case; a word that only
// begins or ends like a keyword is none of them and names the picture.
TEST_F(ConfigTest, EveryPlayerKeywordReachesItsField)
{
    // Player 0 plays in the field, player 1 in goal (for the keeper's fields).
    const struct {
        int32_t spieler;
        const char* wort;
        int32_t id, wert;
    } felder[] = {
        {0, "LIEBLINGSPOS 2,5\nkraft", SP_KRAFT, 401}, {0, "AUSDAUER", SP_AUSDAUER, 402},
        {0, "ZWEIKAMPF", SP_ZWEIKAMPF, 403}, {0, "\xDC" "BERSICHT", SP_UEBERSICHT, 404},
        {0, "Takt_Verst", SP_TAKT_VERST, 405}, {0, "TEAMGEIST", SP_TEAMGEIST, 406},
        {0, "SPRITZIGKEIT", SP_SPRITZIGKEIT, 407}, {0, "DRIBBLING", SP_DRIBBLING, 408},
        {0, "TORSCHUSS", SP_TORSCHUSS, 409}, {0, "FLANKEN", SP_FLANKEN, 21}, {0, "FREISTO\xDF", SP_FREISTOSS, 22},
        {0, "ELFMETER", SP_ELFMETER, 23}, {0, "ECKEN", SP_ECKEN, 24}, {0, "KOPFBALLST", SP_KOPFBALLST, 25},
        {0, "TORINSTINKT", SP_TORINSTINKT, 26}, {0, "ROBUSTHEIT", SP_ROBUSTHEIT, 27}, {0, "NERVENST", SP_NERVENST, 28},
        {0, "AGGRESSIV", SP_AGGRESSIV, 29}, {0, "VEREINSTREUE", SP_VEREINSTREUE, 30},
        {0, "ALLROUNDER", SP_ALLROUNDER, 31}, {0, "GROESSE", SP_GROESSE, 181}, {0, "ALTER", SP_ALTER, 27},
        {0, "HAARFARBE", SP_HAARFARBE, 3}, {0, "HAUTFARBE", SP_HAUTFARBE, 2}, {0, "RUECKENNUMMER", SP_RUECKENNUMMER, 14},
        {0, "GESICHT", SP_GESICHT, 0x12345}, {0, "TOR", SP_BILDNUMMER, 77},
        {1, "LIEBLINGSPOS 99,99\nREFLEXE", SP_REFLEXE, 61}, {1, "HERAUSLAUFEN", SP_HERAUSLAUFEN, 62},
        {1, "STRAFRAUM", SP_STRAFRAUM, 63}, {1, "TORWART_STAERKE", SP_TORWART_STAERKE, 640},
        {1, "NUMMERN 5\nTORWART 6\nM`ME 8\nN", SP_BILDNUMMER, 7},  // the last of the near misses
    };
    std::string block[2];
    for (const auto& f : felder) block[f.spieler] += std::string(f.wort) + " " + std::to_string(f.wert) + "\n";
    // A good set to fall back on: a file read wrongly fails here rather than ending the test.
    datei(0, "spieler.cfg", gute_spieler(2));
    ASSERT_TRUE(Spieler(0));
    datei(1, "spieler.cfg", "INFOTEXT \"Zwei Spieler\"\nLETZTER_SPIELER 1\n" + spieler_block(0, "VORNAME Uwe\n" + block[0]) +
                                spieler_block(1, block[1]));
    Fehler_Capture cap;
    ASSERT_TRUE(Spieler(1));
    ASSERT_EQ(Spieler_Anzahl, 2);
    for (const auto& f : felder) EXPECT_EQ(Spieler_Wert(f.id, f.spieler, 0, 0), f.wert) << f.wort;
    EXPECT_STREQ(Spieler_String(SP_NAME, 1, nullptr, 0), "Kessler1");
    EXPECT_STREQ(Spieler_String(SP_VORNAME, 0, nullptr, 0), "U");
    EXPECT_EQ(Spieler_Wert(SP_LIEBLINGSPOS, 0, 0, 0), 39);
    EXPECT_FALSE(cap.contains("TW-Attribut"));
}

TEST_F(ConfigTest, BrokenPlayerFilesFallBackOnce)
{
    datei(0, "spieler.cfg", gute_spieler(3));
    ASSERT_TRUE(Spieler(0));

    // A number beyond LETZTER_SPIELER: the standard set is loaded instead.
    datei(1, "spieler.cfg", "LETZTER_SPIELER 1\n" + spieler_block(0) + spieler_block(5));
    {
        Fehler_Capture cap;
        EXPECT_FALSE(Spieler(1));
        EXPECT_TRUE(cap.contains("Der Spieler mit der Nummer \"5\" aus der Konfigurationsdatei \"2_spieler.cfg\" liegt außerhalb [0,2]"));
        EXPECT_EQ(Spieler_Anzahl, 3);
    }
    // NUMMER before LETZTER_SPIELER is the same fault.
    datei(2, "spieler.cfg", spieler_block(0) + "LETZTER_SPIELER 0\n");
    EXPECT_FALSE(Spieler(2));
    EXPECT_EQ(Spieler_Anzahl, 3);

    // A player without NAME: the last good set.
    datei(3, "spieler.cfg", "LETZTER_SPIELER 2\n" + spieler_block(0) + spieler_block(2) + "NEUER_SPIELER\nNUMMER 1\nALTER 20\n");
    {
        Fehler_Capture cap;
        EXPECT_FALSE(Spieler(3));
        EXPECT_TRUE(cap.contains("Spieler Nummer 1 ist in der Spieler-Konfigurationsdatei 4_spieler.cfg nicht definiert."));
        EXPECT_EQ(Spieler_Anzahl, 3);
        EXPECT_STREQ(Spieler_String(SP_NAME, 1, nullptr, 0), "Kessler1");
    }

    // Truncated in the middle of a block, with words the table does not know.
    std::string ganz = gute_spieler(3);
    datei(4, "spieler.cfg", ganz.substr(0, ganz.size() - 45) + "\nQUATSCH 12\n\"offen");
    EXPECT_FALSE(Spieler(4));
    EXPECT_EQ(Spieler_Anzahl, 3);

    // An absurd count is refused before anything is allocated.
    datei(5, "spieler.cfg", "LETZTER_SPIELER 2000000000\n");
    EXPECT_FALSE(Spieler(5));
    EXPECT_EQ(Spieler_Anzahl, 3);
}

TEST_F(ConfigTest, ChainOfBrokenPlayerFilesEndsTheGame)
{
    datei(0, "spieler.cfg", "LETZTER_SPIELER 1\n" + spieler_block(0));
    datei(1, "spieler.cfg", "LETZTER_SPIELER 0\n" + spieler_block(3));
    // The message box of a headless run goes to standard error (as UTF-8).
    EXPECT_EXIT(Spieler(1), ::testing::ExitedWithCode(0),
                "Meldung: Sie verwenden eine fehlerhafte Team-Config-Datei\\. Es ist z\\.B\\. m.+glich, "
                "da.+ dort Spieler definiert sind, die in der Spieler-Config-Datei nicht vorkommen\\. "
                "Verwenden Sie bitte die Original-Config-Dateien\\.");
}

std::string team_block(int nr, const std::string& name, const std::string& rest = "")
{
    return "NEUES_TEAM\nNUMMER " + std::to_string(nr) + "\nNAME \"" + name + "\"\n" + rest;
}

std::string zahlen(int von, int bis)
{
    std::string s;
    for (int i = von; i < bis; ++i) s += (s.empty() ? "" : ",") + std::to_string(i);
    return s;
}

TEST_F(ConfigTest, TeamFileFieldsAndLimits)
{
    std::string text = "LETZTES_TEAM 5\n" +
                       team_block(0, "FC Tannfeld", "STADT Tannfeld\nNATION Deutschland\nKONDITION 95\nTECHNIK 10\n"
                                                    "KLIMA 20,30,450\nKONTINENT Südamerika\nGRAFIK_NR 40000\n"
                                                    "F_HOSE_TRAINER 1,2,300\nSPIELER " + zahlen(0, 60) + "\n"
                                                    "STAERKE_ABW 500\nFALSCHWORT 1\n") +
                       team_block(1, "Deutschland", "LANDNAME\nNATIONALTEAM\nLANDNAME\n") +
                       team_block(2, "SV Nirgendwo", "NATION Atlantis\nSPIELER\n") +
                       team_block(3, "TRANSFERMARKT", "SPIELER " + zahlen(100, 420) + "\n") +
                       team_block(4, "JUGENDTEAM", "SPIELER " + zahlen(1000, 1400) + "\nSPIELER " + zahlen(2000, 2200) + "\n") +
                       team_block(5, "Italien", "LANDNAME\nNATIONALTEAM\n");
    datei(0, "team.cfg", text);
    Fehler_Capture cap;
    ASSERT_TRUE(Team(0));
    EXPECT_EQ(Team_Anzahl, 6);
    EXPECT_EQ(Transfermarkt_Team, 3);
    EXPECT_EQ(Jugend_Team, 4);
    EXPECT_EQ(Team_Get_Heimatland(), 1);
    EXPECT_TRUE(Team_Ist_Heimatland(1));
    EXPECT_EQ(Team_Wert(TEAM_NATION, 0, 0, 0), 1);
    EXPECT_EQ(Team_Wert(TEAM_NATION, 2, 0, 0), Team_Anzahl);
    EXPECT_TRUE(cap.contains("Team Nr. 2: Nation unbekannt!"));
    EXPECT_TRUE(cap.contains("Nationalteam 1 2x definiert!"));
    EXPECT_EQ(Team_Wert(TEAM_STATUS, 1, 0, 0), 3);
    EXPECT_EQ(Team_Wert(TEAM_KONDITION, 0, 0, 0), 70);
    EXPECT_EQ(Team_Wert(TEAM_TECHNIK, 0, 0, 0), 30);
    EXPECT_TRUE(cap.contains("wert=95"));
    EXPECT_EQ(Team_Wert(TEAM_STAERKE_ABW, 0, 0, 0), 500);
    auto* klima = static_cast<uint8_t*>(Team_Zeiger(TEAM_KLIMA, 0, nullptr, 0));
    EXPECT_EQ(klima[0], 20);
    EXPECT_EQ(klima[1], 30);
    EXPECT_EQ(klima[2], 4);
    EXPECT_EQ(Team_Wert(TEAM_KONTINENT, 0, 0, 0), 2);
    EXPECT_EQ(Team_Wert(TEAM_GRAFIK_NR, 0, 0, 0), 32000);
    EXPECT_EQ(T_Fix[0].farben[11][2], 300 & 0xFF);
    EXPECT_TRUE(cap.contains("Team: Falscher Eintrag im CFG-File: FALSCHWORT"));
    EXPECT_STREQ(Team_String(TEAM_STADT, 2, nullptr, 0), "Stadt Namenlos");
    EXPECT_EQ(Team_Wert(TEAM_LIGA_FEST, 0, 0, 0), -1);
    EXPECT_EQ(Team_Wert(TEAM_MORAL, 0, 0, 0) >= 50 && Team_Wert(TEAM_MORAL, 0, 0, 0) <= 70, true);
    EXPECT_EQ(T_Own[0].suche.aktiv[0], 1);
    EXPECT_EQ(T_Own[0].suche.zelle_b[3], 237);
    EXPECT_EQ(T_Own[0].taktik_einstellungen[23], 33);
    EXPECT_EQ(T_Own[0].beobachtet[0], -1);

    const int32_t* liste = nullptr;
    EXPECT_EQ(Team_Get_Start_Spieler(0, &liste), TEAM_MAX_SPIELER);
    EXPECT_EQ(liste[48], 48);
    int zu_voll = 0;
    for (const auto& t : cap.texts) zu_voll += t.find("Team FC Tannfeld zu voll!") != std::string::npos;
    EXPECT_EQ(zu_voll, 1);
    EXPECT_EQ(Team_Get_Start_Spieler(2, nullptr), 0);
    EXPECT_EQ(Team_Get_Start_Spieler(3, nullptr), TEAM_MAX_TRANSFERMARKT_START);
    EXPECT_EQ(Team_Get_Start_Spieler(4, &liste), TEAM_MAX_START_SPIELER);  // two lines, capped
    EXPECT_EQ(liste[400], 2000);
    Team_Free_Zuordnungsarray();
    EXPECT_EQ(Team_Get_Start_Spieler(0, nullptr), 0);
}

// Stand sizes beyond six full stands (or below none) are refused as any bad figure is; the stands
// are then laid out as for a missing count, and the good counts of the file are kept.
TEST_F(ConfigTest, StadiumPlaceCountsOutsideTheirRangeAreRefused)
{
    std::string text = "LETZTES_TEAM 3\n" +
                       team_block(0, "FC Tannfeld", "STADION_SITZPL 2147483647\nSTADION_STEHPL 30000\n") +
                       team_block(1, "SV Auhof", "STADION_SITZPL 20000\nSTADION_STEHPL -1\n") +
                       team_block(2, "TRANSFERMARKT", "") + team_block(3, "JUGENDTEAM", "");
    datei(0, "team.cfg", text);
    Fehler_Capture cap;
    ASSERT_TRUE(Team(0));
    EXPECT_TRUE(cap.contains("wert=2147483647,modus=164"));
    EXPECT_TRUE(cap.contains("wert=-1,modus=163"));
    EXPECT_EQ(Team_Wert(TEAM_STADION_STEHPLAETZE, 0, 0, 0), 30000);
    EXPECT_NEAR(Team_Wert(TEAM_STADION_SITZPLAETZE, 1, 0, 0), 20000, 5);  // shared out over the stands
    EXPECT_LE(Team_Wert(TEAM_STADION_SITZPLAETZE, 0, 0, 0), STADION_TRIBUENEN * 25000);
}

TEST_F(ConfigTest, BrokenTeamFilesFailCleanly)
{
    Fehler_Capture cap;
    datei(0, "team.cfg", team_block(0, "FC A") + "LETZTES_TEAM 0\n");
    EXPECT_FALSE(Team(0));
    EXPECT_TRUE(cap.contains("Das Team mit der Nummer \"0\" aus der Konfigurationsdatei \"1_team.cfg\""));
    EXPECT_FALSE(Team_Ist_Initialisiert());

    datei(1, "team.cfg", "LETZTES_TEAM 1\n" + team_block(0, "FC A") + team_block(2, "FC B"));
    EXPECT_FALSE(Team(1));
    EXPECT_TRUE(cap.contains("Das Team mit der Nummer \"2\""));

    datei(2, "team.cfg", "LETZTES_TEAM 2\n" + team_block(0, "FC A") + team_block(2, "TRANSFERMARKT"));
    EXPECT_FALSE(Team(2));
    EXPECT_TRUE(cap.contains("Team Nummer 1 ist in der Team-Konfiguration 3_team.cfg nicht definiert."));

    datei(3, "team.cfg", "NAME x\nSPIELER 1,2\n");
    EXPECT_FALSE(Team(3));
    datei(4, "team.cfg", "LETZTES_TEAM -7\n");
    EXPECT_FALSE(Team(4));
    datei(6, "team.cfg", "LETZTES_TEAM 5000\n");
    EXPECT_FALSE(Team(6));  // more link lists than the list registry holds
    EXPECT_FALSE(Team(8));  // missing file

    datei(5, "team.cfg", "LETZTES_TEAM 0\n" + team_block(0, "FC A", "SPIELER 1,2,\"3"));
    EXPECT_TRUE(Team(5));
    EXPECT_TRUE(cap.contains("Team: TRANSFERMARKT nicht gefunden!"));
}

TEST_F(ConfigTest, ReloadKeepsTheHumanManagers)
{
    std::string a = "LETZTES_TEAM 3\n" + team_block(0, "FC A") + team_block(1, "FC B") + team_block(2, "Deutschland", "LANDNAME\n") +
                    team_block(3, "TRANSFERMARKT");
    std::string b = "LETZTES_TEAM 2\n" + team_block(0, "SV C") + team_block(1, "TRANSFERMARKT") + team_block(2, "SV D");
    datei(0, "team.cfg", a);
    datei(1, "team.cfg", b);
    ASSERT_TRUE(Team(0));
    // the records are opaque here: the team module only keeps and hands back the pointers
    auto* m1 = reinterpret_cast<Manager_Struktur*>(0x1000);
    auto* m2 = reinterpret_cast<Manager_Struktur*>(0x2000);
    Team_Zeiger(TEAM_MANAGER, 0, m1, 1);
    Team_Zeiger(TEAM_MANAGER, 3, m2, 1);
    Team_String(TEAM_MANAGER_NAME, 0, "Grabowski", 1);
    Team_String(TEAM_MANAGER_NAME, 3, "Lindner", 1);
    ASSERT_TRUE(Team_Lade_Neues_Teamfile(1));
    EXPECT_STREQ(Team_String(TEAM_NAME_ROH, 0, nullptr, 0), "SV C");
    EXPECT_EQ(Team_Zeiger(TEAM_MANAGER, 0, nullptr, 0), m1);
    EXPECT_STREQ(Team_String(TEAM_MANAGER_NAME, 0, nullptr, 0), "Grabowski");
    // team 3 is gone: its manager takes the first free club
    EXPECT_EQ(Team_Zeiger(TEAM_MANAGER, 2, nullptr, 0), m2);
    EXPECT_STREQ(Team_String(TEAM_MANAGER_NAME, 2, nullptr, 0), "Lindner");
    EXPECT_EQ(Team_Zeiger(TEAM_MANAGER, 1, nullptr, 0), nullptr);
    for (int32_t t = 0; t < Team_Anzahl; ++t) Team_Loesche_Managerstruktur(t, true);

    int32_t max_spieler = 0;
    EXPECT_EQ(Teamspieler_Config_Max_Spielernummer(("LETZTES_TEAM 9\n" + team_block(4, "X", "SPIELER 3,17,9\n") +
                                                    team_block(2, "Y", "SPIELER 40\nSPIELER\n")).c_str(),
                                                   &max_spieler),
              5);
    EXPECT_EQ(max_spieler, 40);
}

TEST_F(ConfigTest, StaffFile)
{
    datei(0, "personal.cfg",
          "NAME Vorweg\nNEUER_PERSONAL_TYP\nSCHIEDSRICHTER\nNAME \"Jörg Brandhofer\"\nHAERTE 9\nAUFMERKSAMKEIT 5\n"
          "LAND 70000\nASSISTENT\n"
          "NEUER_PERSONAL_TYP\nNAME \"Ohne Art\"\n"
          "NEUER_PERSONAL_TYP\nASSISTENT\nNAME \"Lars Olsen\"\nHAERTE 2\nLAND 12\nINFOTEXT egal\nUNSINN 3\n");
    EXPECT_EQ(Personal_Anzahl(0), 0);  // not initialised
    Personal_Init();
    Fehler_Capture cap;
    Personal_Read_Config_Wenn_Init();
    EXPECT_EQ(Personal_Anzahl(PERSONAL_SCHIEDSRICHTER), 1);
    EXPECT_EQ(Personal_Anzahl(PERSONAL_ASSISTENT), 1);
    int32_t ids[4];
    EXPECT_EQ(Personal_Get_Nummern(PERSONAL_ASSISTENT, ids, 4), 1);
    EXPECT_EQ(ids[0], 3);  // block 2 made no entry but used its number
    EXPECT_STREQ(Personal_Get_Name(1, PERSONAL_SCHIEDSRICHTER), "Jörg Brandhofer");
    EXPECT_STREQ(Personal_Get_Name(3, PERSONAL_SCHIEDSRICHTER), "unbekannt");
    const Personal_Eintrag* p = Personal_Get_Daten(1, PERSONAL_SCHIEDSRICHTER);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->haerte, 3);
    EXPECT_EQ(p->land, 65535u);
    EXPECT_STREQ(Personal_Get_Bewertungstext(1, 1), "sieht fast alles");
    EXPECT_STREQ(Personal_Get_Bewertungstext(1, 0), "eher großzügig");
    EXPECT_STREQ(Personal_Get_Bewertungstext(3, 0), "nicht definiert");
    EXPECT_EQ(Personal_Get_Daten(3, PERSONAL_ASSISTENT)->land, 12u);
    EXPECT_TRUE(cap.contains("(201) Befehl für diese Personalart unzulässig!"));
    EXPECT_TRUE(cap.contains("(101) Unbekannter Befehl (UNSINN)"));
    uint8_t daten[2 * 36];
    EXPECT_EQ(Personal_Get_Daten_Liste(PERSONAL_SCHIEDSRICHTER, daten, 2), 1);
    EXPECT_EQ(daten[0], 1);  // the id, without the type byte
    uint8_t* puffer = nullptr;
    EXPECT_GT(Personal_Liste_Serialisieren(&puffer), 37u + 33u);
    Mem_Free(puffer, 0);

    Personal_Eintrag e{};
    EXPECT_FALSE(Personal_Entpacken(daten, 10, e));
    uint8_t kaputt[PERSONAL_SCHIEDSRICHTER_BYTES] = {7};
    EXPECT_FALSE(Personal_Entpacken(kaputt, sizeof kaputt, e));
}

}  // namespace
