// The tables of every league of the default world after each match day of a season.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/liga_saison.h"
#include "competitions/spiele.h"
#include "competitions/spiele_tabelle.h"
#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "platform/win95.h"
#include "platform/zufall.h"

namespace {

void BM_Tabellen_Eines_Spieltags(benchmark::State& state)
{
    std::filesystem::path ordner;
    std::vector<Liga> ligen = saison_vorbereiten(ordner);
    if (ligen.empty()) {
        state.SkipWithError("Welt nicht ladbar");
        return;
    }
    int32_t max_tage = 0;
    for (const Liga& l : ligen) max_tage = std::max(max_tage, l.tage);
    Tabelle_Datensatz t;
    int32_t tag = 0;
    for (auto _ : state) {
        // Every table from scratch, as after a new match day.
        Spiele_Tabellen_Cache_Leeren();
        for (const Liga& l : ligen) {
            t.anzahl = int32_t(l.teams.size());
            std::copy(l.teams.begin(), l.teams.end(), t.team);
            int64_t k = Spiele_Tabelle_Berechnen(l.id, l.block, 0, std::min(tag, l.tage - 1), l.drei, TAB_NORMAL, &t,
                                                 l.teams[0], 0, -1, -1, 0, 0, -1);
            benchmark::DoNotOptimize(k);
        }
        tag = (tag + 1) % max_tage;
    }
    state.counters["ligen"] = double(ligen.size());
    Spiele_Freigeben();
    Wettbewerb_Free();
    Team_Free_Arrays(true);
    std::filesystem::remove_all(ordner);
}
BENCHMARK(BM_Tabellen_Eines_Spieltags)->Unit(benchmark::kMicrosecond);

}  // namespace
