// A savegame folder of its own for each test (ctest runs tests in parallel processes), with the
// registry (which remembers the last savegame) inside it, and a world of 100 teams, so that the
// team numbers of the stores' savegame blocks are valid.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/spielstand_ordner.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "platform/disk.h"

class Spielstand_Ordner : public ::testing::Test {
protected:
    Test_Spielstand_Ordner ordner_;
    std::string ordner;
    int32_t alte_teams = 0;
    void SetUp() override
    {
        alte_teams = Team_Anzahl;
        Team_Anzahl = 100;
        // No block that an earlier test registered (a world it loaded) writes into this test's savegames.
        ordner_.anlegen("dorvin_flow", true);
        ordner = ordner_.pfad;
        Globals_Module_Registrieren();
    }
    void TearDown() override
    {
        ordner_.entfernen();
        Team_Anzahl = alte_teams;
    }
    std::string datei(const char* name) const { return ordner + "/" + name + ".sgv"; }
};
