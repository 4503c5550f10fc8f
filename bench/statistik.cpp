// Statistics over a played default-world season: the general counter per player with three
// masks over every competition (goal: under 15 ms), and the fact sentences of one club over all
// competitions (goal: under 2 ms).
#include <benchmark/benchmark.h>

#include <vector>

#include "bench_welt.h"
#include "competitions/spiele.h"
#include "competitions/spiele_statistik.h"
#include "competitions/statistik_saetze.h"
#include "competitions/wettbewerb.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "platform/zufall.h"
#include "saison_welt.h"

namespace {

void welt_laden()
{
    static Bench_Welt_Ordner daten{"statistik", {"welt", "wettbewerbe"}};
    static bool fertig = false;
    if (fertig) return;
    if (!Saison_Neues_Spiel(2024)) Bench_Scheitern("statistik", "Welt nicht ladbar");
    if (!Spiele_Ist_Initialisiert()) Spiele_Init();
    if (!Wettbewerb_Spielplaene_Anlegen()) Bench_Scheitern("statistik", "Spielplan gescheitert");
    Saison_Spiele_Austragen(100);
    fertig = true;
}

void Statistik_Pro_Spieler_Drei_Masken(benchmark::State& state)
{
    welt_laden();
    std::vector<int32_t> ids(WETTBEWERB_ANZAHL + 1);
    ids.resize(size_t(Wettbewerb_Get_Land_Wettbewerbe(-1, ids.data(), 0)));
    const uint32_t masken[3] = {SPE_TOR, SPE_TOR | SPST_ZWEITER_SPIELER, SPE_GELB};
    std::vector<int32_t> zaehler(size_t(Spieler_Anzahl) * 3);
    for (auto _ : state) {
        if (!Spiele_Get_Statistik(1, 0, ids.data(), int32_t(ids.size()), masken, 3, -1, -1, -1, -1, 0, zaehler.data()))
            Bench_Scheitern("statistik", "Zählung abgelehnt");
        benchmark::DoNotOptimize(zaehler.data());
    }
    int64_t tore = 0;
    for (int32_t i = 0; i < Spieler_Anzahl; ++i) tore += zaehler[size_t(i)];
    if (!tore) Bench_Scheitern("statistik", "keine Tore gezählt");
    state.counters["tore"] = double(tore);
    state.counters["spieler"] = double(Spieler_Anzahl);
}
BENCHMARK(Statistik_Pro_Spieler_Drei_Masken)->Unit(benchmark::kMillisecond);

void Fakten_Saetze_Eines_Vereins(benchmark::State& state)
{
    welt_laden();
    int32_t team = 0;
    while (team < Team_Anzahl && !Team_Ist_Normal(team, 72)) ++team;
    std::vector<std::vector<char>> puffer(30, std::vector<char>(256));
    std::vector<char*> zeiger;
    for (auto& p : puffer) zeiger.push_back(p.data());
    int32_t n = 0;
    for (auto _ : state) {
        n = Statistik_Fakten_Saetze(-1, team, -1, 3, 0, zeiger.data(), 30, 256);
        benchmark::DoNotOptimize(n);
    }
    Spiele_Team_Statistik st;
    Spiele_Team_Statistik_Berechnen(team, -1, -1, -1, -1, 0, &st, -1);
    if (!st.spiele) Bench_Scheitern("statistik", "der Verein hat nicht gespielt");
    state.counters["saetze"] = n;
    state.counters["spiele"] = st.spiele;
}
BENCHMARK(Fakten_Saetze_Eines_Vereins)->Unit(benchmark::kMillisecond);

}  // namespace
