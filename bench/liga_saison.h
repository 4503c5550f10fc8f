// Every even base league of the default world with a whole season of drawn results: shared by
// the table benchmarks.
#pragma once
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "competitions/spiele.h"
#include "competitions/spiele_tabelle.h"
#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "platform/win95.h"
#include "platform/zufall.h"

namespace {

struct Liga {
    int32_t id, block, tage;
    bool drei;
    std::vector<int32_t> teams;
};

// The default world with a whole season of drawn results in every league.
inline std::vector<Liga> saison_vorbereiten(std::filesystem::path& ordner)
{
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
    ordner = std::filesystem::temp_directory_path() / ("dorvin_bench_tabellen_" + std::to_string(::getpid()));
    for (const char* schritt : {"welt", "wettbewerbe"}) {
        std::string befehl = (self.parent_path() / "dorvin_datagen").string() + " " + schritt + " --ziel " + ordner.string();
        if (std::system(befehl.c_str()) != 0) return {};
    }
    std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", (ordner / "config_files").c_str());
    if (!Team(0) || !Wettbewerb_Config_Lesen(0, 0)) return {};
    Zufall(0, 1);
    Zufall_Set_Seed(99);
    Spiele_Init();
    std::vector<Liga> ligen;
    for (int32_t id = Wettbewerb_Get_Erster(); id >= 0; id = Wettbewerb_Get_Naechster()) {
        const Wettbewerb_Info* info = Wettbewerb_Get_Info(id);
        int16_t liste[WETTBEWERB_MAX_TEAMS];
        const int32_t n = Wettbewerb_Get_Teams(id, liste);
        if (!info || (info->modus & KO_SYSTEM) || !info->basisliga || n < 2 || n % 2) continue;
        Liga l{id, -1, 2 * (n - 1), (info->modus & ENGLISCHE_TABELLE) != 0, std::vector<int32_t>(liste, liste + n)};
        l.block = Spiele_Init_Neue_Spiele(1, n, l.tage, 1, id, n / 2);
        std::vector<int32_t> kreis = l.teams;
        for (int32_t tag = 0; tag < l.tage; ++tag) {
            if (tag % (n - 1)) std::rotate(kreis.begin() + 1, kreis.end() - 1, kreis.end());
            for (int32_t slot = 0; slot < n / 2; ++slot) {
                int32_t h = Spiele_Lock(l.block, tag, 0, slot);
                int32_t a = kreis[size_t(slot)], b = kreis[size_t(n - 1 - slot)];
                if (tag >= n - 1) std::swap(a, b);
                Spiele_Set_Teams(h, a, b);
                const int32_t heim_tore = Zufall(0, 4);
                const int32_t gast_tore = Zufall(0, 3);
                Spiele_Set_Ergebnis(h, heim_tore, gast_tore, 0);
                Spiele_Unlock(h);
            }
        }
        ligen.push_back(l);
    }
    return ligen;
}

}  // namespace
