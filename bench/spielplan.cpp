// The default world's fixture set-up and season change (goal: each under 20 ms).
#include <benchmark/benchmark.h>

#include "bench_welt.h"
#include "competitions/spiele.h"
#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "platform/zufall.h"

namespace {

void welt_laden()
{
    static Bench_Welt_Ordner daten{"spielplan", {"welt", "wettbewerbe"}};
    if (!Team(0) || !Wettbewerb_Config_Lesen(0, 0)) Bench_Scheitern("spielplan", "Welt nicht ladbar");
    if (!Spiele_Ist_Initialisiert()) Spiele_Init();
}

void Spielplaene_Anlegen(benchmark::State& state)
{
    welt_laden();
    Zufall_Set_Seed(5);
    for (auto _ : state)
        if (!Wettbewerb_Spielplaene_Anlegen()) Bench_Scheitern("spielplan", "Spielplan gescheitert");
}
BENCHMARK(Spielplaene_Anlegen)->Unit(benchmark::kMillisecond);

// The season change over freshly made fixtures (nothing played: the tables stand level).
void Saisonwechsel(benchmark::State& state)
{
    welt_laden();
    for (auto _ : state) {
        state.PauseTiming();
        Wettbewerb_Spielplaene_Anlegen();
        state.ResumeTiming();
        Wettbewerb_Jedes_Jahr();
    }
}
BENCHMARK(Saisonwechsel)->Unit(benchmark::kMillisecond);

}  // namespace
