// A savegame folder of its own for a test (ctest runs tests in parallel processes), with the
// registry, which remembers the last savegame, inside it, so that no test touches the user's.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/disk.h"

struct Test_Spielstand_Ordner {
    std::string pfad;

    // Makes the folder and points the savegame container and the registry at it. With
    // `bloecke_leeren` no savegame block stays registered that another test left behind.
    void anlegen(const char* praefix, bool bloecke_leeren)
    {
        std::string muster = (std::filesystem::temp_directory_path() / (std::string(praefix) + "_XXXXXX")).string();
        ASSERT_NE(mkdtemp(muster.data()), nullptr);
        pfad = muster;
        setenv("DORVIN_REGISTRY", (pfad + "/registry").c_str(), 1);
        Disk_Set_Spielstand_Ordner(pfad.c_str());
        if (bloecke_leeren)
            for (int pos = 1; pos <= DISK_POSITIONEN; ++pos)
                if (pos != DISK_POS_FREI) {
                    Disk_Block_Registrieren(pos, nullptr, nullptr);
                    Disk_Nach_Laden_Registrieren(pos, nullptr);
                }
    }
    void entfernen()
    {
        unsetenv("DORVIN_REGISTRY");
        if (!pfad.empty()) std::filesystem::remove_all(pfad);
    }
};
