// Loading the default world (teams, players, staff) from its configuration files.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "database/personal.h"
#include "database/spieler.h"
#include "database/team.h"
#include "platform/win95.h"

namespace {

// The builder lies beside this program in the build folder.
std::filesystem::path welt_ordner()
{
    static std::filesystem::path ordner;
    if (!ordner.empty()) return ordner;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
    ordner = std::filesystem::temp_directory_path() / ("dorvin_bench_welt_" + std::to_string(::getpid()));
    std::string befehl = (self.parent_path() / "dorvin_datagen").string() + " welt --ziel " + ordner.string();
    if (std::system(befehl.c_str()) != 0) std::fprintf(stderr, "welt_laden: %s fehlgeschlagen\n", befehl.c_str());
    return ordner;
}

void BM_Welt_Laden(benchmark::State& state)
{
    std::filesystem::path ordner = welt_ordner();
    std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", (ordner / "config_files").c_str());
    bool ok = true;
    for (auto _ : state) {
        ok = Team(0) && ok;
        ok = Spieler(0) && ok;
        Personal_Init();
        Personal_Read_Config_Wenn_Init();
        state.PauseTiming();
        state.counters["spieler"] = Spieler_Anzahl;
        state.counters["teams"] = Team_Anzahl;
        Personal_DeInit();
        Spieler_DeInit();
        Team_Free_Zuordnungsarray();
        Team_Free_Arrays(true);
        state.ResumeTiming();
    }
    if (!ok) state.SkipWithError("Welt nicht ladbar");
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    state.counters["peak_mb"] = static_cast<double>(r.ru_maxrss) / 1024.0;
    std::filesystem::remove_all(ordner);
}
BENCHMARK(BM_Welt_Laden)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
