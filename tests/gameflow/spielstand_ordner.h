// A savegame folder of its own for each test (ctest runs tests in parallel processes), with the
// registry (which remembers the last savegame) inside it, and a world of 100 teams, so that the
// team numbers of the stores' savegame blocks are valid.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "database/team.h"
#include "gameflow/globals.h"
#include "platform/disk.h"

class Spielstand_Ordner : public ::testing::Test {
protected:
    std::string ordner;
    int32_t alte_teams = 0;
    void SetUp() override
    {
        alte_teams = Team_Anzahl;
        Team_Anzahl = 100;
        std::string muster = (std::filesystem::temp_directory_path() / "dorvin_flow_XXXXXX").string();
        ASSERT_NE(mkdtemp(muster.data()), nullptr);
        ordner = muster;
        setenv("DORVIN_REGISTRY", (ordner + "/registry").c_str(), 1);
        Disk_Set_Spielstand_Ordner(ordner.c_str());
        Globals_Module_Registrieren();
    }
    void TearDown() override
    {
        unsetenv("DORVIN_REGISTRY");
        std::filesystem::remove_all(ordner);
        Team_Anzahl = alte_teams;
    }
    std::string datei(const char* name) const { return ordner + "/" + name + ".sgv"; }
};
