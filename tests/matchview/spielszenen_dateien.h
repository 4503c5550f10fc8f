// The live view's resource files for the tests: built once by the data builder beside the
// test programs.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/builder_daten.h"
#include "matchview/live/spielszenen_grafik.h"
#include "graphics/grafik_screen.h"
#include "platform/resfile.h"

inline const std::string SPIELSZENEN_ORDNER = std::string(DORVIN_BINARY_DIR) + "/spielszenen_bilder";

// The scene's resource files: the builder's, shared by the test processes of this build.
inline void Spielszenen_Dateien_Bereitstellen()
{
    std::filesystem::create_directories(SPIELSZENEN_ORDNER);
    ASSERT_TRUE(Test_Resfiles_Oeffnen());
}



// A suite's use of the scene's files: the resource folders of the process before it are put back
// afterwards, so that suites of other files find theirs.
struct Spielszenen_Dateien_Sitzung {
    std::string ordner, praefix;
    void oeffnen()
    {
        ordner = ResFile_Ordner;
        praefix = ResFile_Daten_Praefix;
        Spielszenen_Dateien_Bereitstellen();
        if (Grafik_Screen_Geometrie.depth == 0) Grafik_Screen_Init(640, 480, 16);
    }
    void schliessen()
    {
        DeInit_System_Dateien();
        std::snprintf(ResFile_Ordner, sizeof ResFile_Ordner, "%s", ordner.c_str());
        std::snprintf(ResFile_Daten_Praefix, sizeof ResFile_Daten_Praefix, "%s", praefix.c_str());
        Init_System_Dateien();
    }
};
