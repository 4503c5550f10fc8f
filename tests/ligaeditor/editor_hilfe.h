// Shared set-up of the editor tests: a configuration folder of its own with an alias file, and
// the check that the session's records are a block the competition checks accept.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

#include "competitions/wettbewerb.h"
#include "competitions/wettbewerb_welt.h"
#include "database/team.h"
#include "platform/win95.h"

namespace editor_test {

namespace fs = std::filesystem;

inline std::string lesen(const fs::path& p)
{
    std::ifstream f(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

class Satz_Ordner : public ::testing::Test {
protected:
    fs::path ordner;
    char alt[sizeof Pfad_Config_Files];
    int32_t alte_teams = 0;

    void SetUp() override
    {
        static int lauf = 0;
        ordner = fs::temp_directory_path() / ("ligaeditor_" + std::to_string(getpid()) + "_" + std::to_string(lauf++));
        fs::create_directories(ordner);
        std::memcpy(alt, Pfad_Config_Files, sizeof alt);
        std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", ordner.c_str());
        alte_teams = Team_Anzahl;
        std::ofstream(ordner / "1_wettbewerb_alias.cfg", std::ios::binary) << "ALPHA 3\r\nLANDA 30\r\n";
    }
    void TearDown() override
    {
        Wettbewerb_Config_Modify_Free();
        Wettbewerb_Free();
        Team_Anzahl = alte_teams;
        std::memcpy(Pfad_Config_Files, alt, sizeof alt);
        fs::remove_all(ordner);
    }
    fs::path datei() const { return ordner / "1_wettbewerb.cfg"; }
};

// A session on the small test world, saved as set 0 first.
class Testwelt_Sitzung : public Satz_Ordner {
protected:
    void SetUp() override
    {
        Satz_Ordner::SetUp();
        Team_Anzahl = testwelt::TEAM_ANZAHL;
        ASSERT_TRUE(testwelt::laden());
        ASSERT_TRUE(Wettbewerb_Config_Datei_Schreiben(0, 0, nullptr, nullptr));
        ASSERT_TRUE(Wettbewerb_Config_Modify_Init(0, 0));
    }
    Wettbewerb_Datensatz& rec(Wettbewerb_Id id) { return *Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(id)); }
};

// Contiguous from record 0, accepted by the checks, and the back links and owners that the
// checks derive equal the session's own.
inline bool block_gesund()
{
    std::vector<Wettbewerb_Datensatz> v;
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL && Wettbewerb_Zeiger(i)->name[0]; ++i) v.push_back(*Wettbewerb_Zeiger(i));
    for (size_t i = v.size(); i < size_t(WETTBEWERB_ANZAHL); ++i)
        if (Wettbewerb_Zeiger(int32_t(i))->name[0]) {
            ADD_FAILURE() << "Lücke vor Datensatz " << i;
            return false;
        }
    if (!Wettbewerb_Uebernehmen(v.data(), int32_t(v.size()), Team_Anzahl)) {
        ADD_FAILURE() << "Prüfung lehnt ab";
        return false;
    }
    for (size_t i = 0; i < v.size(); ++i) {
        const Wettbewerb_Datensatz& a = v[i];
        const Wettbewerb_Datensatz& b = *Wettbewerb_Zeiger(int32_t(i));
        const int32_t oa = a.vk.v[WV_OBERLIGA], ob = b.vk.v[WV_OBERLIGA];
        const bool ober_gleich = oa == ob || (oa >= 0 && ob >= 0 && v[size_t(oa)].vk.v[WV_HORIZONTAL] >= 0 &&
                                              v[size_t(oa)].vk.v[WV_HORIZONTAL] == v[size_t(ob)].vk.v[WV_HORIZONTAL]);
        if (a.vk.v[WV_VORRUNDE] != b.vk.v[WV_VORRUNDE] || a.vk.v[WV_VORGRUPPE] != b.vk.v[WV_VORGRUPPE] ||
            a.besitzer != b.besitzer || !ober_gleich || a.vk.v[WV_HORIZONTAL] != b.vk.v[WV_HORIZONTAL]) {
            ADD_FAILURE() << "Verweise von Datensatz " << i << " (" << a.name << ") weichen ab";
            return false;
        }
    }
    return true;
}

}  // namespace editor_test
