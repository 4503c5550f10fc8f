#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/capture.h"
#include "competitions/wettbewerb.h"
#include "competitions/wettbewerb_welt.h"
#include "database/team.h"
#include "platform/disk.h"

namespace {

class Spielstand : public ::testing::Test {
protected:
    std::string ordner;
    int32_t alte_teams = 0;
    void SetUp() override
    {
        std::string muster = (std::filesystem::temp_directory_path() / "dorvin_wb_XXXXXX").string();
        ASSERT_NE(mkdtemp(muster.data()), nullptr);
        ordner = muster;
        Disk_Set_Spielstand_Ordner(ordner.c_str());
        alte_teams = Team_Anzahl;
        Team_Anzahl = testwelt::TEAM_ANZAHL;
        // only the competitions' block: another test of this process may have registered others
        for (int pos = 1; pos <= DISK_POSITIONEN; ++pos)
            if (pos != DISK_POS_FREI) Disk_Block_Registrieren(pos, nullptr, nullptr);
        ASSERT_TRUE(Wettbewerb_Disk_Registrieren());
    }
    void TearDown() override
    {
        Disk_Block_Registrieren(DISK_POS_WETTBEWERBE, nullptr, nullptr);
        Wettbewerb_Free();
        Team_Anzahl = alte_teams;
        std::filesystem::remove_all(ordner);
    }
};

}  // namespace

TEST_F(Spielstand, WettbewerbeRundreiseDurchDenSpielstand)
{
    ASSERT_TRUE(testwelt::laden());
    Wettbewerb_Zeiger(testwelt::GRUPPE_B)->spieltag = 2;
    const std::vector<uint8_t> vorher = Wettbewerb_Block_Packen();
    ASSERT_TRUE(Disk_Spielstand_Speichern("wb"));
    Wettbewerb_Free();
    ASSERT_TRUE(Disk_Spielstand_Laden("wb"));
    EXPECT_EQ(Wettbewerb_Block_Packen(), vorher);
    EXPECT_EQ(Wettbewerb_Get_Info(21)->spieltag, 2);

    // A savegame whose competitions name teams the team set does not have is refused whole.
    Team_Anzahl = 10;
    {
        Fehler_Capture cap;
        EXPECT_FALSE(Disk_Spielstand_Laden("wb"));
    }
    Team_Anzahl = testwelt::TEAM_ANZAHL;
    EXPECT_EQ(Wettbewerb_Block_Packen(), vorher);
}
