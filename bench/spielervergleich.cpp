// The player comparison's collector over seven competitions of the default world after half a
// season: by "Tore insgesamt" (goal: under 10 ms), by a strength criterion (under 2 ms) and by
// "Transfers" (under 1 ms); and the save of an edited set's two files with its temporary file,
// read-back and rename (under 100 ms).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench_welt.h"
#include "competitions/spiele.h"
#include "competitions/wettbewerb.h"
#include "database/config_satz.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "platform/zufall.h"
#include "saison_welt.h"
#include "screens/spielervergleich.h"

namespace {

std::vector<int32_t> sieben;

void welt_laden()
{
    static Bench_Welt_Ordner daten{"spielervergleich", {"welt", "wettbewerbe"}};
    static bool fertig = false;
    if (fertig) return;
    if (!Saison_Neues_Spiel(2025)) Bench_Scheitern("spielervergleich", "Welt nicht ladbar");
    if (!Spiele_Ist_Initialisiert()) Spiele_Init();
    if (!Wettbewerb_Spielplaene_Anlegen()) Bench_Scheitern("spielervergleich", "Spielplan gescheitert");
    Saison_Spiele_Austragen(50);
    std::vector<int32_t> ids(WETTBEWERB_ANZAHL + 1);
    ids.resize(size_t(Wettbewerb_Get_Land_Wettbewerbe(-1, ids.data(), 0)));
    for (int32_t id : ids)
        if (sieben.size() < 7 && Wettbewerb_Get_Teams(id, nullptr) > 0) sieben.push_back(id);
    if (sieben.size() < 7) Bench_Scheitern("spielervergleich", "keine sieben Wettbewerbe");
    // a half season's moves between the clubs of those competitions, a third of them free
    std::vector<int16_t> teams(WETTBEWERB_MAX_TEAMS + 1);
    const int32_t n = Wettbewerb_Get_Teams(sieben[0], teams.data());
    for (int32_t i = 0; i < 600 && n > 1; ++i) {
        const int32_t von = teams[size_t(i % n)], nach = teams[size_t((i * 7 + 1) % n)];
        Teamspieler_Transfer_Speichern(von, nach, i % Spieler_Anzahl, i % 3 ? 100 + i : 0, 0);
    }
    fertig = true;
}

void sammeln(benchmark::State& state, int32_t art)
{
    welt_laden();
    const uint8_t gruppen[4] = {1, 1, 1, 1};
    Spielervergleich_Ergebnis e;
    for (auto _ : state) {
        Spieler_Spielervergleich_Spieler_Sammeln(art, false, false, -1, gruppen, int32_t(sieben.size()), sieben.data(), -1,
                                                 -1, -1, -1, Spieler_Spielervergleich_Aufsteigend(art), &e);
        benchmark::DoNotOptimize(e.zeilen);
    }
    if (e.zeilen == 0) Bench_Scheitern("spielervergleich", "keine Zeilen");
    state.counters["zeilen"] = e.zeilen;
    state.counters["spieler"] = double(Spieler_Anzahl);
}

void Spielervergleich_Tore_Insgesamt(benchmark::State& state) { sammeln(state, 0); }
BENCHMARK(Spielervergleich_Tore_Insgesamt)->Unit(benchmark::kMillisecond);

void Spielervergleich_Gesamtstaerke(benchmark::State& state) { sammeln(state, 31); }
BENCHMARK(Spielervergleich_Gesamtstaerke)->Unit(benchmark::kMillisecond);

void Spielervergleich_Transfers(benchmark::State& state) { sammeln(state, 28); }
BENCHMARK(Spielervergleich_Transfers)->Unit(benchmark::kMillisecond);

void Konfiguration_Satz_Speichern(benchmark::State& state)
{
    welt_laden();
    Config_Satz_Aenderung a;
    a.spieler = {3};
    a.teams = {1};
    a.vornamen[3] = "Konrad";
    std::string grund;
    for (auto _ : state)
        if (!Config_Satz_Speichern(0, a, &grund)) Bench_Scheitern("spielervergleich", grund);
}
BENCHMARK(Konfiguration_Satz_Speichern)->Unit(benchmark::kMillisecond);

}  // namespace
