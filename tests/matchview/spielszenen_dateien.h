// The live view's resource files for the tests: built once by the data builder beside the
// test programs.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "matchview/live/spielszenen_grafik.h"
#include "graphics/grafik_screen.h"
#include "platform/resfile.h"

inline const std::string SPIELSZENEN_ORDNER = std::string(DORVIN_BINARY_DIR) + "/spielszenen_bilder";

// The scene's resource files, built once aside and moved into place whole (tests run in parallel
// processes); a folder from a builder without the scene is built again.
inline void Spielszenen_Dateien_Bereitstellen()
{
    std::filesystem::create_directories(SPIELSZENEN_ORDNER);
    const std::string daten = SPIELSZENEN_ORDNER + "/daten";
    for (int versuch = 0; versuch < 2; ++versuch) {
        std::snprintf(ResFile_Ordner, sizeof ResFile_Ordner, "%s/resfile", daten.c_str());
        std::snprintf(ResFile_Daten_Praefix, sizeof ResFile_Daten_Praefix, "%s/", daten.c_str());
        for (int i = 0; i < RESFILE_SLOTS; ++i) DeInit_ResFile(i);
        if (std::filesystem::exists(daten + "/resfile/resf_scr.res") && Init_System_Dateien() == 1 &&
            ResFile_Get_Typ(ResFile_Handles[0].handle, Spielszenen_Animation_Erste_Resource(3)) == RES_SPRITE_LISTE)
            return;
        DeInit_System_Dateien();
        const std::string eigen = SPIELSZENEN_ORDNER + "/daten_" + std::to_string(::getpid());
        ASSERT_EQ(std::system((std::string(DORVIN_BINARY_DIR) + "/dorvin_datagen resfiles --ziel " + eigen + " > /dev/null").c_str()), 0);
        std::error_code fehler;
        std::filesystem::remove_all(daten + "_alt", fehler);
        std::filesystem::rename(daten, daten + "_alt", fehler);
        std::filesystem::rename(eigen, daten, fehler);
        if (fehler) std::filesystem::remove_all(eigen);
    }
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
