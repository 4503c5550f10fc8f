// A script's wait of an hour of virtual time while the timer thread runs a 30 ms routine, as the
// pointer's redraw does: the clock runs to the wait's end at once, stepping through every pass.
#include <benchmark/benchmark.h>

#include <atomic>

#include "bench/bench_kopflos.h"

namespace {

std::atomic<int64_t> laeufe{0};

void BM_Skript_Wartet_Eine_Stunde(benchmark::State& state)
{
    Bench_Kopflos_Starten(true);
    laeufe = 0;
    int slot = Timer_Add([] { laeufe.fetch_add(1); }, 30);
    for (auto _ : state) {
        Os_Script_Load_Text("wait 3600000\n");
        while (!Os_Script_Finished()) Win95_Message_Pump();
    }
    Timer_Remove(slot);
    Timer_Thread_Stop();
    state.counters["laeufe"] = benchmark::Counter(double(laeufe.load()), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Skript_Wartet_Eine_Stunde)->Unit(benchmark::kMillisecond);

}  // namespace
