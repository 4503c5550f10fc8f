// Opening an editing session on the default world's competition set and saving it (temporary
// file, read-back through the reader, rename).
#include <benchmark/benchmark.h>

#include <cstring>

#include "bench_welt.h"
#include "competitions/wettbewerb.h"
#include "platform/read_config.h"

namespace {

void BM_Wettbewerb_Sitzung_Speichern(benchmark::State& state)
{
    static Bench_Welt_Ordner welt("wettbewerb_editor", {"welt", "wettbewerbe"});
    if (!Read_Config_Open(1, 0, -1)) Bench_Scheitern("wettbewerb_editor", "team.cfg fehlt");
    for (const char* w = Read_Config_Read_Zeile(nullptr, true); *w; w = Read_Config_Read_Zeile(nullptr, true))
        if (!std::strcmp(w, "LETZTES_TEAM")) Team_Anzahl = Read_Config_Get_Wert() + 1;
    Read_Config_Close();
    for (auto _ : state) {
        if (!Wettbewerb_Config_Modify_Init(0, 0) || !Wettbewerb_Config_Schreiben(0, 0, "Bench"))
            Bench_Scheitern("wettbewerb_editor", "Sitzung oder Speichern fehlgeschlagen");
    }
    Wettbewerb_Config_Modify_Free();
}
BENCHMARK(BM_Wettbewerb_Sitzung_Speichern)->Unit(benchmark::kMillisecond);

}  // namespace
