// A season of day advances on the default world: the jobs that have landed, the 1 July schedule.
#include <benchmark/benchmark.h>

#include "bench/bench_welt.h"
#include "competitions/wettbewerb.h"
#include "gameflow/ablauf.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "gameflow/news.h"

namespace {

void BM_Kalender_Saison(benchmark::State& state)
{
    static Bench_Welt_Ordner welt("kalender", {"welt", "wettbewerbe"});
    if (!Team(0) || !Wettbewerb_Config_Lesen(0, 0)) Bench_Scheitern("bench_kalender", "Welt nicht lesbar");
    News_Init();
    Ablauf_Init(0);
    // The autosaves write files; the calendar's share is measured without them.
    Kalender_Set_Autosave_Hook([](const char*) {});
    for (auto _ : state) {
        Aktueller_Tag = 0;
        if (!Kalender_Spielplan_Anlegen(0)) Bench_Scheitern("bench_kalender", Kalender_Spielplan_Fehler());
        for (int32_t i = 0; i < 366; ++i) Kalender_Naechster_Tag();
        benchmark::DoNotOptimize(Aktueller_Tag);
    }
    // Seconds per team-season and per day.
    const auto je = benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert;
    state.counters["s_pro_team_saison"] = benchmark::Counter(double(Team_Anzahl), je);
    state.counters["s_pro_tag"] = benchmark::Counter(366.0, je);
    Kalender_Set_Autosave_Hook(nullptr);
    Ablauf_DeInit();
    Wettbewerb_Free();
    Team_Free_Arrays(true);
}
BENCHMARK(BM_Kalender_Saison)->Unit(benchmark::kMillisecond);

}  // namespace

