// The start line-ups of a new game: the assistant's line-up with flags 5 and force for every
// club of the default world (goal: under 40 ms in all on one core).
//
// The world is built once per process and removed when it ends. A set-up that fails ends the
// run with status 1: a benchmark without a result must not pass as one.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "competitions/wettbewerb.h"
#include "database/assistent.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "gameflow/news.h"
#include "platform/win95.h"
#include "platform/zufall.h"

namespace {

[[noreturn]] void scheitern(const std::string& text)
{
    std::fprintf(stderr, "aufstellung: %s\n", text.c_str());
    std::fflush(stderr);
    std::exit(1);
}

struct Welt {
    std::filesystem::path ordner;
    Welt()
    {
        std::error_code fehler;
        const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", fehler);
        ordner = std::filesystem::temp_directory_path(fehler) / ("dorvin_bench_aufst_" + std::to_string(::getpid()));
        for (const char* schritt : {"welt", "wettbewerbe"}) {
            const std::string befehl = (self.parent_path() / "dorvin_datagen").string() + " " + schritt + " --ziel " +
                                       ordner.string() + " > /dev/null";
            if (std::system(befehl.c_str()) != 0) scheitern(befehl + " fehlgeschlagen");
        }
        std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", (ordner / "config_files").c_str());
        Zufall(0, 1);
        Zufall_Set_Seed(1999);
        if (!Team(0) || !Spieler(0) || !Wettbewerb_Config_Lesen(0, 0)) scheitern("Welt nicht ladbar");
        Netz_Rolle = 2;
        News_Init();
        Teamspieler_Init_Listen();
        for (int32_t t = 0; t < Team_Anzahl; ++t) {
            const int32_t* liste = nullptr;
            const int32_t n = Team_Get_Start_Spieler(t, &liste);
            for (int32_t i = 0; i < n; ++i) Teamspieler_Kommt_Oder_Geht(1, t, liste[i], 10, 0, 24, -1, false);
        }
    }
    ~Welt()
    {
        std::error_code fehler;
        std::filesystem::remove_all(ordner, fehler);
    }
};

const Welt& welt()
{
    static Welt w;
    return w;
}

void BM_Aufstellung_Alle_Vereine(benchmark::State& state)
{
    welt();
    int32_t vereine = 0;
    for (auto _ : state) {
        vereine = 0;
        for (int32_t t = 0; t < Team_Anzahl; ++t) {
            if (!Team_Ist_Normal(t, 64)) continue;
            Assi_Mannschaftsaufstellung(t, -1, 5, 0, 50, -1, true);
            ++vereine;
        }
    }
    state.counters["vereine"] = vereine;
}
BENCHMARK(BM_Aufstellung_Alle_Vereine)->Unit(benchmark::kMillisecond);

}  // namespace
