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

}  // namespace
