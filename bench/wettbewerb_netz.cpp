// The competition records of the default world as a remote client takes them at its start:
// the server packs the full set, the client unpacks, checks and installs it and rebuilds the
// fixtures (goal: under 20 ms).
#include <benchmark/benchmark.h>

#include <string>

#include "bench_welt.h"
#include "competitions/spiele.h"
#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "platform/mem.h"
#include "platform/print.h"
#include "platform/zufall.h"

namespace {

void Wettbewerb_Config_Senden_Und_Einlesen(benchmark::State& state)
{
    static Bench_Welt_Ordner daten{"wettbewerb_netz", {"welt", "wettbewerbe"}};
    if (!Team(0) || !Wettbewerb_Config_Lesen(0, 0)) Bench_Scheitern("wettbewerb_netz", "Welt nicht ladbar");
    if (!Spiele_Ist_Initialisiert()) Spiele_Init();
    Zufall_Set_Seed(5);
    if (!Wettbewerb_Spielplaene_Anlegen()) Bench_Scheitern("wettbewerb_netz", "Spielplan gescheitert");
    Print_Fehler_Set_Hook([](const std::string&) {});  // the client's rebuild reports its markers
    int64_t bytes = 0;
    for (auto _ : state) {
        uint8_t* block = nullptr;
        Netz_Rolle = 2;
        const int32_t n = Wettbewerb_Server_Config_Senden(&block, nullptr, nullptr);
        Netz_Rolle = 1;
        const bool ok = n > 0 && Wettbewerb_Config_Einlesen(block, uint32_t(n));
        Netz_Rolle = 0;
        Mem_Free(block, 0);
        if (!ok) Bench_Scheitern("wettbewerb_netz", "Wettbewerbe nicht übernommen");
        bytes = n;
    }
    Print_Fehler_Set_Hook(nullptr);
    state.counters["gepackt"] = double(bytes);
}
BENCHMARK(Wettbewerb_Config_Senden_Und_Einlesen)->Unit(benchmark::kMillisecond);

}  // namespace
