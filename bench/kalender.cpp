// A season of day advances on the default world: the jobs that have landed, the 1 July schedule.
// The first run has the calendar and the competitions alone (no players loaded: its figure is
// the calendar's share); the second plays a new game's season with its players, as the program's
// day advance runs it, and gives the CPU time per club and season.
#include <benchmark/benchmark.h>

#include "bench/bench_welt.h"
#include "bench/saison_welt.h"
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
    // Seconds per day; without players a figure per club would measure an empty world.
    const auto je = benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert;
    state.counters["s_pro_tag_ohne_spieler"] = benchmark::Counter(366.0, je);
    Kalender_Set_Autosave_Hook(nullptr);
    Ablauf_DeInit();
    Wettbewerb_Free();
    Team_Free_Arrays(true);
}
BENCHMARK(BM_Kalender_Saison)->Unit(benchmark::kMillisecond);

// The new game's season with its players (goal: under 5 ms CPU per club and season without the
// matches); the world is made again before each run.
void BM_Kalender_Saison_Mit_Spielern(benchmark::State& state)
{
    static Bench_Welt_Ordner welt("kalender_spieler", {"welt", "wettbewerbe"});
    Kalender_Set_Autosave_Hook([](const char*) {});
    int32_t vereine = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Ablauf_DeInit();
        Wettbewerb_Free();
        Team_Free_Arrays(true);
        Spieler_DeInit();
        Manager_Anzahl = 0;
        if (!Saison_Neues_Spiel(1999)) Bench_Scheitern("bench_kalender", "Welt nicht ladbar");
        Ablauf_Init(0);
        Aktueller_Tag = 0;
        if (!Kalender_Spielplan_Anlegen(0)) Bench_Scheitern("bench_kalender", Kalender_Spielplan_Fehler());
        vereine = 0;
        for (int32_t t = 0; t < Team_Anzahl; ++t) vereine += Team_Ist_Normal(t, 0);
        state.ResumeTiming();
        for (int32_t i = 0; i < 366; ++i) Kalender_Naechster_Tag();
        benchmark::DoNotOptimize(Aktueller_Tag);
    }
    const auto je = benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert;
    state.counters["s_pro_verein_saison"] = benchmark::Counter(double(vereine), je);
    state.counters["s_pro_tag"] = benchmark::Counter(366.0, je);
    state.counters["vereine"] = vereine;
    state.counters["spieler"] = Spieler_Anzahl;
    Kalender_Set_Autosave_Hook(nullptr);
    Ablauf_DeInit();
    Wettbewerb_Free();
    Team_Free_Arrays(true);
    Spieler_DeInit();
}
BENCHMARK(BM_Kalender_Saison_Mit_Spielern)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

