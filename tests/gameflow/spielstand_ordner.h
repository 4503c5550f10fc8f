// A savegame folder of its own for each test (ctest runs tests in parallel processes).
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "gameflow/globals.h"
#include "platform/disk.h"

class Spielstand_Ordner : public ::testing::Test {
protected:
    std::string ordner;
    void SetUp() override
    {
        std::string muster = (std::filesystem::temp_directory_path() / "dorvin_flow_XXXXXX").string();
        ASSERT_NE(mkdtemp(muster.data()), nullptr);
        ordner = muster;
        Disk_Set_Spielstand_Ordner(ordner.c_str());
        Globals_Module_Registrieren();
    }
    void TearDown() override { std::filesystem::remove_all(ordner); }
    std::string datei(const char* name) const { return ordner + "/" + name + ".sgv"; }
};
