// One Saturday of the default world's home leagues, every game in the background, frames as fast
// as they go: Spieltag_Init to Spieltag_DeInit, reported per game (goal: under 5 ms per game on
// one core; a background game alone should stay near 0.2 ms). A second run adds the day's closing
// (tables, finances, line-ups), once, since it moves the world on.
//
// A new game of the generated default world is played through the main loop to its first
// Saturday with games; a set-up that fails ends the run with status 1.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "bench_samstag.h"
#include "competitions/spiele.h"
#include "gameflow/ablauf.h"
#include "gameflow/eingang.h"
#include "gameflow/game_main.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "gameflow/spielstart.h"
#include "match/spieltag.h"
#include "platform/disk.h"

namespace {

using namespace bench_samstag;

void Spieltag_Samstag(benchmark::State& state)
{
    const Samstag& s = samstag();
    double summe_ms = 0;
    int64_t frames = 0;
    int32_t tore = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        frames = tag_spielen(s);
        summe_ms += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        state.PauseTiming();
        tore = 0;
        spiele_des_tages(&tore);
        state.ResumeTiming();
        start = std::chrono::steady_clock::now();
        Spieltag_DeInit();
        summe_ms += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["spiele"] = s.spiele;
    state.counters["frames"] = double(frames);
    state.counters["tore"] = tore;
    state.counters["ms_pro_spiel"] = summe_ms / double(state.iterations()) / s.spiele;
}
BENCHMARK(Spieltag_Samstag)->Unit(benchmark::kMillisecond);

void Spieltag_Samstag_Mit_Abschluss(benchmark::State& state)
{
    const Samstag& s = samstag();
    double summe_ms = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        tag_spielen(s);
        Spieltag_Weiterschalten();
        Spieltag_DeInit();
        summe_ms += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["spiele"] = s.spiele;
    state.counters["ms_pro_spiel"] = summe_ms / double(state.iterations()) / s.spiele;
}
BENCHMARK(Spieltag_Samstag_Mit_Abschluss)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
