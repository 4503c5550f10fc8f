// The pitch model: filling the live record of a default-world first-league game (both sides
// placed, 32 strength entries; goal under 0.2 ms on one core), and the view's projection there
// and back (goal: at least 20 million points a second).
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/bench_welt.h"
#include "bench/spielfeld_welt.h"
#include "match/pitch/spielfeld_daten.h"
#include "match/spielfeld.h"
#include "matchview/live/spielszenen_kamera.h"

namespace {

void Spielfeld_Fuellen(benchmark::State& state)
{
    static Bench_Welt_Ordner daten{"spielfeld", {"welt", "wettbewerbe"}};
    static const int32_t h = Spielfeld_Welt_Spiel(1999, 0, 1);
    if (h < 0) Bench_Scheitern("spielfeld", "kein Spiel");
    Spielfeld_Init();
    const Spiele_Spiel spiel = *Spiele_Get_Spiel(h, 0);
    auto r = std::make_unique<Spielfeld_Record>();
    int32_t besetzt = 0;
    for (auto _ : state) {
        Spielfeld_Daten_Eintragen(r.get(), &spiel, h, -1);
        benchmark::DoNotOptimize(r->spieler[31].kraft);
    }
    for (const Spielfeld_Spieler& e : r->spieler) besetzt += e.spnr >= 0;
    state.counters["slots"] = besetzt;
    Spielfeld_DeInit();
}
BENCHMARK(Spielfeld_Fuellen)->Unit(benchmark::kMicrosecond);

void Spielfeld_Projektion(benchmark::State& state)
{
    auto r = std::make_unique<Spielfeld_Record>();
    float x = 0, y = 0;
    int64_t summe = 0;
    for (auto _ : state) {
        int32_t px, py, fx, fy;
        Spielszenen_Feld_Zu_Bild(r.get(), x, y, 0, &px, &py);
        Spielszenen_Bild_Zu_Feld(r.get(), px, py, &fx, &fy);
        summe += fx + fy;
        x = x < 10800.0f ? x + 37.0f : 0.0f;
        y = y < 6806.0f ? y + 23.0f : 0.0f;
    }
    benchmark::DoNotOptimize(summe);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(Spielfeld_Projektion);

}  // namespace
