// The generated world of the economy's season tests: the data builder's world and competitions
// in a folder of this process, read as a new game reads them.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "competitions/wettbewerb.h"
#include "database/spieler.h"
#include "database/team.h"
#include "gameflow/news.h"
#include "platform/win95.h"

// `welt` is the builder's size argument ("--world small" or ""). Call through ASSERT_NO_FATAL_FAILURE.
inline void Test_Welt_Laden(const std::filesystem::path& ordner, const std::string& welt)
{
    for (const char* schritt : {"welt", "wettbewerbe"}) {
        const std::string befehl = std::string(DORVIN_BINARY_DIR) + "/dorvin_datagen " + schritt + " " + welt +
                                   " --seed 7 --ziel " + ordner.string() + " > /dev/null";
        ASSERT_EQ(std::system(befehl.c_str()), 0) << befehl;
    }
    std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", (ordner / "config_files").c_str());
    ASSERT_TRUE(Team(0));
    ASSERT_TRUE(Spieler(0));
    ASSERT_TRUE(Wettbewerb_Config_Lesen(0, 0));
    News_Init();
}
