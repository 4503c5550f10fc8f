// The favourite position of the player file: two numbers, row and column, that the reader must
// check before it combines them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "common/capture.h"
#include "database/db_hilfe.h"
#include "platform/win95.h"

namespace {

struct PositionTest : ::testing::Test {
    std::filesystem::path ordner;
    void SetUp() override
    {
        ordner = std::filesystem::temp_directory_path() / ("dorvin_pos_" + std::to_string(::getpid()));
        std::filesystem::create_directories(ordner);
        std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", ordner.c_str());
    }
    void TearDown() override
    {
        Test_Aufraeumen();
        std::filesystem::remove_all(ordner);
    }
};

TEST_F(PositionTest, NumbersOutsideTheirRangeAreRefusedBeforeTheyAreCombined)
{
    const char* const werte[] = {"99,99", "2,5", "26,16", "2147483647,2147483647", "100000000,0", "-1,-1", "3,100"};
    const int n = static_cast<int>(std::size(werte));
    std::string text = "LETZTER_SPIELER " + std::to_string(n - 1) + "\n";
    for (int i = 0; i < n; ++i)
        text += "NEUER_SPIELER\nNUMMER " + std::to_string(i) + "\nNAME Brandt" + std::to_string(i) +
                "\nKRAFT 400\nLIEBLINGSPOS " + werte[i] + "\n";
    FILE* f = std::fopen((ordner / "1_spieler.cfg").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);

    Fehler_Capture cap;
    ASSERT_TRUE(Spieler(0));
    EXPECT_EQ(Spieler_Wert(SP_LIEBLINGSPOS, 0, 0, 0), 459);
    EXPECT_EQ(Spieler_Wert(SP_LIEBLINGSPOS, 1, 0, 0), 39);
    EXPECT_EQ(Spieler_Wert(SP_LIEBLINGSPOS, 2, 0, 0), 458);
    // A refused entry leaves the player without a position; he gets a field position at random
    // (rows 1..25, columns 1..15), never the keeper's place a clamped product would give.
    for (int i = 3; i < n; ++i) {
        SCOPED_TRACE(werte[i]);
        int32_t pos = Spieler_Wert(SP_LIEBLINGSPOS, i, 0, 0);
        EXPECT_GE(pos / 17, 1);
        EXPECT_LE(pos / 17, 25);
        EXPECT_GE(pos % 17, 1);
        EXPECT_LE(pos % 17, 15);
        EXPECT_TRUE(cap.contains("Spieler " + std::to_string(i) + ": LIEBLINGSPOS")) << i;
    }
    EXPECT_TRUE(cap.contains("LIEBLINGSPOS 2147483647,2147483647 liegt außerhalb [0,99] und wird ignoriert."));
    EXPECT_FALSE(cap.contains("Wert nicht innerhalb der Grenzen"));
}

// Keywords sharing their first letter, and those whose umlaut is a byte above 127 (the files are
// CP1252), each reach their own field; a word that merely begins like a keyword, or a keyword cut
// short, is none of them.
TEST_F(PositionTest, EveryKeywordReachesItsFieldAmongThoseOfTheSameInitial)
{
    const std::string text =
        "LETZTER_SPIELER 1\n"
        "NEUER_SPIELER\nNUMMER 0\nNAME Albers\nVORNAME K\nNERVENST 41\nNAMEN Falsch\nNAM Falsch\n"
        "ALTER 27\nAUSDAUER 401\nAGGRESSIV 42\nALLROUNDER 43\nALTERX 40\n"
        "TAKT_VERST 404\nTEAMGEIST 405\nTORSCHUSS 408\nTORINSTINKT 44\nTORSCHUS 7\n"
        "KRAFT 400\nKOPFBALLST 45\nZWEIKAMPF 402\nSPRITZIGKEIT 406\nDRIBBLING 407\n"
        "\xdc" "BERSICHT 403\nFLANKEN 46\nFREISTO\xdf 47\nELFMETER 48\nECKEN 49\n"
        "ROBUSTHEIT 50\nVEREINSTREUE 51\nRUECKENNUMMER 23\nHAARFARBE 3\nHAUTFARBE 5\nGROESSE 188\n"
        "GESICHT 4660\nLIEBLINGSPOS 4,7\n"
        "NEUER_SPIELER\nNUMMER 1\nNAME Brandt\nLIEBLINGSPOS 99,99\nTORWART_STAERKE 612\nREFLEXE 61\n"
        "HERAUSLAUFEN 62\nSTRAFRAUM 63\n";
    FILE* f = std::fopen((ordner / "1_spieler.cfg").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);

    ASSERT_TRUE(Spieler(0));
    EXPECT_STREQ(Spieler_String(SP_NAME, 0, nullptr, 0), "Albers");
    EXPECT_STREQ(Spieler_String(SP_VORNAME, 0, nullptr, 0), "K");
    EXPECT_EQ(Spieler_Wert(SP_ALTER, 0, 0, 0), 27);
    for (int32_t id = SP_KRAFT; id <= SP_TORSCHUSS; ++id)
        EXPECT_EQ(Spieler_Wert(id, 0, 0, 0), 400 + id - SP_KRAFT) << "Feld " << id;
    const int32_t unsichtbar[] = {SP_FLANKEN, SP_FREISTOSS, SP_ELFMETER, SP_ECKEN, SP_KOPFBALLST, SP_TORINSTINKT,
                                  SP_ROBUSTHEIT, SP_NERVENST, SP_AGGRESSIV, SP_VEREINSTREUE};
    const int32_t erwartet[] = {46, 47, 48, 49, 45, 44, 50, 41, 42, 51};
    for (size_t i = 0; i < std::size(unsichtbar); ++i)
        EXPECT_EQ(Spieler_Wert(unsichtbar[i], 0, 0, 0), erwartet[i]) << "Feld " << unsichtbar[i];
    EXPECT_EQ(Spieler_Wert(SP_ALLROUNDER, 0, 0, 0), 43);
    EXPECT_EQ(Spieler_Wert(SP_RUECKENNUMMER, 0, 0, 0), 23);
    EXPECT_EQ(Spieler_Wert(SP_HAARFARBE, 0, 0, 0), 3);
    EXPECT_EQ(Spieler_Wert(SP_HAUTFARBE, 0, 0, 0), 5);
    EXPECT_EQ(Spieler_Wert(SP_GROESSE, 0, 0, 0), 188);
    EXPECT_EQ(Spieler_Wert(SP_GESICHT, 0, 0, 0), 4660);
    EXPECT_EQ(Spieler_Wert(SP_LIEBLINGSPOS, 0, 0, 0), 4 * 17 + 7);

    EXPECT_STREQ(Spieler_String(SP_NAME, 1, nullptr, 0), "Brandt");
    EXPECT_EQ(Spieler_Wert(SP_TORWART_STAERKE, 1, 0, 0), 612);
    EXPECT_EQ(Spieler_Wert(SP_REFLEXE, 1, 0, 0), 61);
    EXPECT_EQ(Spieler_Wert(SP_HERAUSLAUFEN, 1, 0, 0), 62);
    EXPECT_EQ(Spieler_Wert(SP_STRAFRAUM, 1, 0, 0), 63);
}

}  // namespace
