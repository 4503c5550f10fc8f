// The generated world of the benchmarks: built once per process by the data builder beside the
// benchmark program, removed when the process ends. A set-up that fails ends the run loudly.
#pragma once
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <system_error>

#include "database/team.h"
#include "database/teamspieler.h"
#include "platform/win95.h"

[[noreturn]] inline void Bench_Scheitern(const char* programm, const std::string& text)
{
    std::fprintf(stderr, "%s: %s\n", programm, text.c_str());
    std::fflush(stderr);
    std::exit(1);
}

struct Bench_Welt_Ordner {
    std::filesystem::path ordner;
    // Runs the builder's steps into a folder of this process and points the configuration
    // reader at it.
    Bench_Welt_Ordner(const char* programm, std::initializer_list<const char*> schritte)
    {
        std::error_code fehler;
        const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", fehler);
        ordner = std::filesystem::temp_directory_path(fehler) /
                 ("dorvin_bench_" + std::string(programm) + "_" + std::to_string(::getpid()));
        for (const char* schritt : schritte) {
            const std::string befehl = (self.parent_path() / "dorvin_datagen").string() + " " + schritt + " --ziel " +
                                       ordner.string() + " > /dev/null";
            if (std::system(befehl.c_str()) != 0) Bench_Scheitern(programm, befehl + " fehlgeschlagen");
        }
        std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", (ordner / "config_files").c_str());
    }
    ~Bench_Welt_Ordner()
    {
        std::error_code fehler;
        std::filesystem::remove_all(ordner, fehler);
    }
    std::filesystem::path config() const { return ordner / "config_files"; }
};

// Every club takes its start squad, as a new game does.
inline void Bench_Startkader_Zuordnen()
{
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        const int32_t* liste = nullptr;
        const int32_t n = Team_Get_Start_Spieler(t, &liste);
        for (int32_t i = 0; i < n; ++i) Teamspieler_Kommt_Oder_Geht(1, t, liste[i], 10, 0, 24, -1, false);
    }
}
