// The teams' savegame block read over a running world of another size.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "database/db_hilfe.h"
#include "database/team.h"
#include "platform/disk.h"

namespace {

// A world of 600 clubs read over one of 500: the two worlds' team lists together are more than
// the list registry holds, so the running ones must be gone before the read ones are registered.
// The load runs in a child that ends with 42 when it comes back with the read world (a registry
// overflow ends the program with 0).
TEST(TeamBlock, AWorldOfAnotherSizeReadsOverTheRunningOne)
{
    std::string muster = (std::filesystem::temp_directory_path() / "dorvin_teamblock_XXXXXX").string();
    ASSERT_NE(mkdtemp(muster.data()), nullptr);
    Disk_Set_Spielstand_Ordner(muster.c_str());
    for (int pos = 1; pos <= DISK_POSITIONEN; ++pos)
        if (pos != DISK_POS_FREI) Disk_Block_Registrieren(pos, nullptr, nullptr);
    Disk_Block_Registrieren(DISK_POS_TEAMS, Team_Write_Bin_Block, Team_Read_Bin_Block);
    Netz_Rolle = 2;
    Test_Teams_Anlegen(600);
    ASSERT_TRUE(Disk_Spielstand_Speichern("gross"));
    Test_Teams_Anlegen(500);
    EXPECT_EXIT(
        {
            const bool gelesen = Disk_Spielstand_Laden("gross");
            std::exit(gelesen && Team_Anzahl == 600 && Transfermarkt_Team == 598 ? 42 : 1);
        },
        ::testing::ExitedWithCode(42), "");
    Disk_Block_Registrieren(DISK_POS_TEAMS, nullptr, nullptr);
    Test_Aufraeumen();
    std::filesystem::remove_all(muster);
}

}  // namespace
