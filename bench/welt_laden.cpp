// Loading the default world (teams, players, staff) from its configuration files.
//
// The world is built once per process and removed when the process ends, so that every
// repetition reads the same folder. A set-up that fails ends the run with status 1: a benchmark
// without a result must not pass as one.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "database/personal.h"
#include "database/spieler.h"
#include "database/team.h"
#include "platform/win95.h"

namespace {

[[noreturn]] void scheitern(const std::string& text)
{
    std::fprintf(stderr, "welt_laden: %s\n", text.c_str());
    std::fflush(stderr);
    std::exit(1);
}

struct Welt {
    std::filesystem::path ordner;
    Welt()
    {
        // The builder lies beside this program in the build folder.
        std::error_code fehler;
        std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", fehler);
        ordner = std::filesystem::temp_directory_path(fehler) /
                 ("dorvin_bench_welt_" + std::to_string(::getpid()));
        std::string befehl = (self.parent_path() / "dorvin_datagen").string() + " welt --ziel " + ordner.string();
        if (std::system(befehl.c_str()) != 0) scheitern(befehl + " fehlgeschlagen");
    }
    ~Welt()
    {
        std::error_code fehler;
        std::filesystem::remove_all(ordner, fehler);
    }
    std::filesystem::path config() const { return ordner / "config_files"; }
};

const Welt& welt()
{
    static Welt w;
    return w;
}

// Set while the world loads. The loaders end the process through Exit_Game, with status 0, on
// a world they cannot read; at exit this turns that into a failure.
std::atomic<bool> laedt{false};

void ende_beim_laden()
{
    if (!laedt.load()) return;
    std::fprintf(stderr, "welt_laden: das Laden hat das Programm beendet\n");
    std::fflush(stderr);
    std::error_code fehler;
    std::filesystem::remove_all(welt().ordner, fehler);
    std::_Exit(1);
}

void BM_Welt_Laden(benchmark::State& state)
{
    static bool waechter = std::atexit(ende_beim_laden) == 0;
    (void)waechter;
    const Welt& w = welt();
    for (const char* datei : {"1_spieler.cfg", "1_team.cfg", "1_personal.cfg"})
        if (!std::filesystem::is_regular_file(w.config() / datei))
            scheitern("Welt ohne " + (w.config() / datei).string());
    std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", w.config().c_str());
    bool ok = true;
    for (auto _ : state) {
        laedt = true;
        ok = Team(0) && ok;
        ok = Spieler(0) && ok;
        Personal_Init();
        Personal_Read_Config_Wenn_Init();
        laedt = false;
        state.PauseTiming();
        state.counters["spieler"] = Spieler_Anzahl;
        state.counters["teams"] = Team_Anzahl;
        Personal_DeInit();
        Spieler_DeInit();
        Team_Free_Zuordnungsarray();
        Team_Free_Arrays(true);
        state.ResumeTiming();
    }
    if (!ok) scheitern("Welt nicht ladbar");
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    state.counters["peak_mb"] = static_cast<double>(r.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_Welt_Laden)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
