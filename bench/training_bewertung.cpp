// The default world's daily training, the strength matrix of every club and the player
// valuation that the transfer search and the auctions call for every candidate.
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
#include "database/spieler.h"
#include "database/team.h"
#include "database/team_staerke.h"
#include "database/teamspieler.h"
#include "platform/win95.h"
#include "platform/zufall.h"

namespace {

[[noreturn]] void scheitern(const std::string& text)
{
    std::fprintf(stderr, "training_bewertung: %s\n", text.c_str());
    std::fflush(stderr);
    std::exit(1);
}

// Teams, players with their start squads, and the competitions of the default world.
struct Welt {
    std::filesystem::path ordner;
    Welt()
    {
        std::error_code fehler;
        const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", fehler);
        ordner = std::filesystem::temp_directory_path(fehler) / ("dorvin_bench_training_" + std::to_string(::getpid()));
        for (const char* schritt : {"welt", "wettbewerbe"}) {
            const std::string befehl =
                (self.parent_path() / "dorvin_datagen").string() + " " + schritt + " --ziel " + ordner.string();
            if (std::system(befehl.c_str()) != 0) scheitern(befehl + " fehlgeschlagen");
        }
        std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", (ordner / "config_files").c_str());
        if (!Team(0) || !Spieler(0) || !Wettbewerb_Config_Lesen(0, 0)) scheitern("Welt nicht ladbar");
        for (int32_t t = 0; t < Team_Anzahl; ++t) {
            const int32_t* liste = nullptr;
            const int32_t n = Team_Get_Start_Spieler(t, &liste);
            for (int32_t i = 0; i < n; ++i) Teamspieler_Kommt_Oder_Geht(1, t, liste[i], 10, 0, 24, -1, false);
        }
        Zufall(0, 1);
        Zufall_Set_Seed(1999);
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

void zaehlen(benchmark::State& state)
{
    int32_t vereine = 0;
    for (int32_t t = 0; t < Team_Anzahl; ++t) vereine += Team_Ist_Normal(t, 64);
    state.counters["vereine"] = vereine;
    state.counters["teams"] = Team_Anzahl;
    state.counters["spieler"] = Spieler_Anzahl;
}

// One day of training for every club (goal: under 2 ms).
void BM_Training_Ein_Tag(benchmark::State& state)
{
    welt();
    int32_t tag = 0;
    for (auto _ : state) {
        Spieler_Bewerte_Training(tag);
        tag = (tag + 1) % 365;
    }
    zaehlen(state);
}
BENCHMARK(BM_Training_Ein_Tag)->Unit(benchmark::kMillisecond);

// The strength matrix (mask 255) of every club (goal: under 0.3 ms).
void BM_Team_Staerke_Aller_Vereine(benchmark::State& state)
{
    welt();
    int32_t m[5][6];
    for (auto _ : state) {
        for (int32_t t = 0; t < Team_Anzahl; ++t)
            if (Team_Ist_Normal(t, 64)) {
                Team_Staerke(255, 0, t, m);
                benchmark::DoNotOptimize(m);
            }
    }
    zaehlen(state);
}
BENCHMARK(BM_Team_Staerke_Aller_Vereine)->Unit(benchmark::kMicrosecond);

// Salary and fee of one player after another (goal: at least 4 million per second).
void BM_Marktwert_Gehalt(benchmark::State& state)
{
    welt();
    int32_t spnr = 0;
    for (auto _ : state) {
        int32_t gehalt = 0, abloese = 0;
        Spieler_Bewerte_Marktwert_Gehalt(0, spnr, -1, -1, 24, &gehalt, &abloese, 0);
        benchmark::DoNotOptimize(gehalt);
        benchmark::DoNotOptimize(abloese);
        if (++spnr == Spieler_Anzahl) spnr = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Marktwert_Gehalt);

}  // namespace
