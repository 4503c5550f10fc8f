// Statistics over a played default-world season: the general counter per player with three
// masks over every competition (goal: under 15 ms), the fact sentences of one club over all
// competitions (goal: under 2 ms), and a player's league figures as the player lists read them.
// Last, the competition set a remote client fetches at its start (request 1004: pack, unpack
// and install with the rebuilt fixtures; goal: under 20 ms); it runs last because the install
// rebuilds the fixtures the season was played on.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench_welt.h"
#include "competitions/spiele.h"
#include "competitions/spiele_statistik.h"
#include "competitions/statistik.h"
#include "competitions/statistik_saetze.h"
#include "competitions/wettbewerb.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "platform/mem.h"
#include "platform/print.h"
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

// The league figures of a squad of 25, as a player list with the three columns shows them.
void Liga_Werte_Eines_Kaders(benchmark::State& state)
{
    welt_laden();
    int32_t team = 0;
    while (team < Team_Anzahl && !Team_Ist_Normal(team, 72)) ++team;
    std::vector<int32_t> kader(64);
    kader.resize(size_t(std::max(0, Teamspieler_Ins_Array(team, kader.data(), int32_t(kader.size()), 0))));
    if (kader.size() > 25) kader.resize(25);
    if (kader.empty()) Bench_Scheitern("statistik", "kein Kader");
    int64_t summe = 0;
    for (auto _ : state) {
        summe = 0;
        for (int32_t sp : kader) {
            int32_t tore = 0, einsaetze = 0, vorlagen = 0;
            Statistik_Spieler_Liga_Werte(sp, &tore, &einsaetze, &vorlagen);
            summe += tore + einsaetze + vorlagen;
        }
        benchmark::DoNotOptimize(summe);
    }
    if (!summe) Bench_Scheitern("statistik", "keine Ligawerte");
    state.counters["spieler"] = double(kader.size());
}
BENCHMARK(Liga_Werte_Eines_Kaders)->Unit(benchmark::kMillisecond);

void Wettbewerbe_An_Den_Client(benchmark::State& state)
{
    welt_laden();
    Print_Fehler_Set_Hook([](const std::string&) {});  // the rebuild's client markers
    int32_t laenge = 0;
    for (auto _ : state) {
        uint8_t* block = nullptr;
        int32_t dummy_id = 0, dummy_anzahl = 0;
        laenge = Wettbewerb_Server_Config_Senden(&block, &dummy_id, &dummy_anzahl);
        if (laenge <= 0) Bench_Scheitern("statistik", "1004 nicht gepackt");
        Netz_Rolle = 1;
        const bool ok = Wettbewerb_Config_Einlesen(block, uint32_t(laenge));
        Netz_Rolle = 0;
        Mem_Free(block, 0);
        if (!ok) Bench_Scheitern("statistik", "1004 nicht übernommen");
    }
    Print_Fehler_Set_Hook(nullptr);
    state.counters["bytes"] = laenge;
}
BENCHMARK(Wettbewerbe_An_Den_Client)->Unit(benchmark::kMillisecond);

}  // namespace
