// One season (366 days) of the database's jobs over the default world with two human managers
// (goal: a mean under 3.5 ms per simulated day on one core, no day above 25 ms). Reports the
// mean, the slowest day and the time of each job over the season as counters.
//
// The world is built once per process and removed when it ends; a set-up that fails ends the
// run with status 1.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "bench_welt.h"
#include "saison_welt.h"

namespace {

void Saison(benchmark::State& state)
{
    static Bench_Welt_Ordner daten{"saison", {"welt", "wettbewerbe"}};
    for (auto _ : state) {
        state.PauseTiming();
        Team_Free_Arrays(true);
        Spieler_DeInit();
        Manager_Anzahl = 0;
        if (!Saison_Neues_Spiel(1999)) Bench_Scheitern("saison", "Welt nicht ladbar");
        state.ResumeTiming();
        int64_t zeiten[SJ_ANZAHL] = {};
        double langsamster = 0;
        for (int32_t tag = 0; tag < 366; ++tag) {
            const auto start = std::chrono::steady_clock::now();
            Saison_Tag(zeiten);
            const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            langsamster = std::max(langsamster, ms);
        }
        state.counters["langsamster_tag_ms"] = langsamster;
        static const char* const NAMEN[SJ_ANZAHL] = {"richter_ms", "spieler_ms", "team_ms", "assi_ms",
                                                     "woche_ms", "monat_ms", "saison_ms"};
        for (int j = 0; j < SJ_ANZAHL; ++j) state.counters[NAMEN[j]] = double(zeiten[j]) / 1e6;
        state.counters["spieler"] = Spieler_Anzahl;
        state.counters["teams"] = Team_Anzahl;
    }
}
BENCHMARK(Saison)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
