// The fixed reference loop of the benchmark table: integer work over a 1 MB array, the same on
// every machine and in every run. `make bench` runs it beside each benchmark program and judges
// each figure by its multiple of this loop's time, so that a loaded machine and a quiet one give
// the same verdict.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

uint64_t schleife(std::vector<uint32_t>& feld)
{
    uint64_t summe = 0;
    uint32_t x = 12345;
    for (int runde = 0; runde < 16; ++runde)
        for (size_t i = 0; i < feld.size(); ++i) {
            x = x * 1103515245u + 12345u;
            const size_t j = (x >> 8) & (feld.size() - 1);
            feld[i] += feld[j] ^ x;
            summe += feld[i] >> 3;
        }
    return summe;
}

void Referenz_Schleife(benchmark::State& state)
{
    std::vector<uint32_t> feld(1u << 18);
    for (size_t i = 0; i < feld.size(); ++i) feld[i] = uint32_t(i * 2654435761u);
    for (auto _ : state) benchmark::DoNotOptimize(schleife(feld));
}
BENCHMARK(Referenz_Schleife)->Unit(benchmark::kMillisecond);

}  // namespace
