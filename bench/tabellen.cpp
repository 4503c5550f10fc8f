// The tables of every league of the default world after each match day of a season, and every
// club's place in them.
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

// The season's world for one benchmark, given back at its end.
struct Saison {
    std::filesystem::path ordner;
    std::vector<Liga> ligen = saison_vorbereiten(ordner);
    explicit Saison(benchmark::State& state)
    {
        if (ligen.empty()) state.SkipWithError("Welt nicht ladbar");
    }
    ~Saison()
    {
        if (ligen.empty()) return;
        Spiele_Freigeben();
        Wettbewerb_Free();
        Team_Free_Arrays(true);
        std::filesystem::remove_all(ordner);
    }
};

void BM_Tabellen_Eines_Spieltags(benchmark::State& state)
{
    Saison s(state);
    if (s.ligen.empty()) return;
    int32_t max_tage = 0;
    for (const Liga& l : s.ligen) max_tage = std::max(max_tage, l.tage);
    Tabelle_Datensatz t;
    int32_t tag = 0;
    for (auto _ : state) {
        // Every table from scratch, as after a new match day.
        Spiele_Tabellen_Cache_Leeren();
        for (const Liga& l : s.ligen) {
            t.anzahl = int32_t(l.teams.size());
            std::copy(l.teams.begin(), l.teams.end(), t.team);
            int64_t k = Spiele_Tabelle_Berechnen(l.id, l.block, 0, std::min(tag, l.tage - 1), l.drei, TAB_NORMAL, &t,
                                                 l.teams[0], 0, -1, -1, 0, 0, -1);
            benchmark::DoNotOptimize(k);
        }
        tag = (tag + 1) % max_tage;
    }
    state.counters["ligen"] = double(s.ligen.size());
}
BENCHMARK(BM_Tabellen_Eines_Spieltags)->Unit(benchmark::kMicrosecond);

// Every club of every league asks for its place, plain and with the forecast, as the sponsors do
// after a match day: a table counted once per league and kind, and each club's place read from
// the kept one.
void BM_Tabellenplaetze_Aller_Vereine(benchmark::State& state)
{
    Saison s(state);
    if (s.ligen.empty()) return;
    int32_t vereine = 0;
    for (const Liga& l : s.ligen) {
        Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(l.id))->spiele_block = l.block;
        vereine += int32_t(l.teams.size());
    }
    for (auto _ : state) {
        Spiele_Tabellen_Cache_Leeren();
        int64_t summe = 0;
        for (const Liga& l : s.ligen)
            for (int32_t team : l.teams)
                for (int32_t live : {0, 1}) summe += Wettbewerb_Get_Tabellenplatz(l.id, team, -1, -1, TAB_NORMAL, live);
        benchmark::DoNotOptimize(summe);
    }
    state.counters["vereine"] = vereine;
}
BENCHMARK(BM_Tabellenplaetze_Aller_Vereine)->Unit(benchmark::kMicrosecond);

}  // namespace
