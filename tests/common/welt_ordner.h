// A generated world in a folder of this test process, with the configuration reader pointed at
// it.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>

#include "common/builder_daten.h"
#include "platform/win95.h"

inline std::filesystem::path Test_Welt_Bauen(const char* name, std::initializer_list<const char*> schritte)
{
    const std::filesystem::path ordner =
        std::filesystem::temp_directory_path() / ("dorvin_" + std::string(name) + "_" + std::to_string(::getpid()));
    std::filesystem::remove_all(ordner);
    for (const char* schritt : schritte) {
        if (std::string(schritt) == "resfiles") {
            EXPECT_TRUE(Test_Resfiles_Einlegen(ordner));
            continue;
        }
        const std::string befehl =
            std::string(DORVIN_BINARY_DIR) + "/dorvin_datagen " + schritt + " --ziel " + ordner.string() + " > /dev/null";
        EXPECT_EQ(std::system(befehl.c_str()), 0) << befehl;
    }
    std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", (ordner / "config_files").c_str());
    return ordner;
}
