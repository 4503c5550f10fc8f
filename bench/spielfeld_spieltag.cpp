// Games on the pitch through the match day of the default world's first Saturday, headless and
// without a view, Spieltag_Init to Spieltag_DeInit at speed 70: the default club's game alone on
// the pitch (the day's other games in the background; goal: under 2.7 s, at least 2,000 times
// real time), and every game of the day on the pitch (goal: under 2.7 s per game).
#include <benchmark/benchmark.h>

#include <chrono>

#include "bench_samstag.h"
#include "bench/spielfeld_spieltag.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "match/spielfeld.h"
#include "match/spieltag.h"

namespace {

using namespace bench_samstag;

// Clubs on the pitch for the run, their flags as they were afterwards.
struct Auf_Dem_Platz {
    std::vector<int32_t> flags;
    explicit Auf_Dem_Platz(bool alle)
    {
        for (int32_t t = 0; t < Team_Anzahl; ++t) {
            flags.push_back(Team_Wert(TEAM_FLAGS, t, 0, TEAM_LESEN));
            if (alle || t == (Aktuelles_Team >= 0 ? Aktuelles_Team : 0)) spielfeld_spieltag::auf_den_platz(t);
        }
    }
    ~Auf_Dem_Platz()
    {
        for (int32_t t = 0; t < Team_Anzahl; ++t) Team_Wert(TEAM_FLAGS, t, flags[size_t(t)], TEAM_SCHREIBEN);
    }
};

// The day's games on the pitch and their goals.
void zaehlen(int32_t* platz, int32_t* tore)
{
    spielfeld_spieltag::jedes_spiel([&](int32_t, int32_t g) {
        const Spielfeld_Record* r = Spielfeld_Get_Spiel(g);
        if (r && r->aktiv) ++*platz;
        if (const Spiele_Spiel* m = Spiele_Get_Spiel(g, 0)) *tore += m->heim_tore + m->gast_tore;
    });
}

void tag(benchmark::State& state, bool alle)
{
    const Samstag& s = samstag("spielfeld_spieltag");
    Spieltag_Set_Geschwindigkeit(70);
    double summe_ms = 0;
    int32_t gespielt = 0, tore = 0;
    for (auto _ : state) {
        // Every replay plays the same day: the world as it stood before the first, its clubs
        // then put on the pitch.
        state.PauseTiming();
        samstag_zurueck("spielfeld_spieltag");
        const Auf_Dem_Platz platz(alle);
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        tag_spielen(s);
        state.PauseTiming();
        gespielt = tore = 0;
        zaehlen(&gespielt, &tore);
        state.ResumeTiming();
        Spieltag_DeInit();
        summe_ms += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    if (gespielt == 0) Bench_Scheitern("spielfeld_spieltag", "kein Spiel auf dem Platz");
    const double ms = summe_ms / double(state.iterations());
    state.counters["auf_dem_platz"] = gespielt;
    state.counters["tore"] = tore;
    state.counters["ms_pro_platzspiel"] = ms / gespielt;
    // 90 minutes of play against the time one pitch game took
    state.counters["mal_echtzeit"] = 90.0 * 60.0 * 1000.0 / (ms / gespielt);
}

void Spielfeld_Ein_Spiel_Auf_Dem_Platz(benchmark::State& state) { tag(state, false); }
BENCHMARK(Spielfeld_Ein_Spiel_Auf_Dem_Platz)->Unit(benchmark::kMillisecond)->Iterations(3);

void Spielfeld_Alle_Spiele_Auf_Dem_Platz(benchmark::State& state) { tag(state, true); }
BENCHMARK(Spielfeld_Alle_Spiele_Auf_Dem_Platz)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
