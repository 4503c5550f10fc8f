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

#include "bench_welt.h"
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

[[noreturn]] void scheitern(const std::string& text) { Bench_Scheitern("aufstellung", text); }

struct Welt {
    Bench_Welt_Ordner daten{"aufstellung", {"welt", "wettbewerbe"}};
    Welt()
    {
        Zufall(0, 1);
        Zufall_Set_Seed(1999);
        if (!Team(0) || !Spieler(0) || !Wettbewerb_Config_Lesen(0, 0)) scheitern("Welt nicht ladbar");
        Netz_Rolle = 2;
        News_Init();
        Teamspieler_Init_Listen();
        Bench_Startkader_Zuordnen();
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
