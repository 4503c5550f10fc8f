// Saving and loading a 50 MB savegame through the container: goal at least 200 MB/s each way.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/disk.h"

namespace {

constexpr uint32_t BLOCK = 1 << 20;
constexpr int BLOECKE = 50;
std::vector<uint8_t> daten(BLOCK);
std::vector<uint8_t> ziel(BLOCK);

bool schreiben(Disk_Datei* d)
{
    for (int i = 0; i < BLOECKE; ++i)
        if (!Disk_Schreibe_Block(d, daten.data(), BLOCK)) return false;
    return true;
}

bool lesen(Disk_Datei* d, const char*)
{
    for (int i = 0; i < BLOECKE; ++i)
        if (!Disk_Lese_Block(d, ziel.data(), BLOCK)) return false;
    return true;
}

struct Ordner {
    std::string pfad;
    Ordner()
    {
        std::string muster = (std::filesystem::temp_directory_path() / "dorvin_bench_XXXXXX").string();
        if (mkdtemp(muster.data())) pfad = muster;
        Disk_Set_Spielstand_Ordner(pfad.c_str());
        for (uint32_t i = 0; i < BLOCK; ++i) daten[i] = uint8_t(i * 2654435761u >> 24);
        Disk_Block_Registrieren(DISK_POS_ZUFALL, schreiben, lesen);
    }
    ~Ordner() { std::filesystem::remove_all(pfad); }
};

Ordner& ordner()
{
    static Ordner o;
    return o;
}

void BM_Spielstand_Speichern(benchmark::State& state)
{
    ordner();
    for (auto _ : state)
        if (!Disk_Spielstand_Speichern("bench")) state.SkipWithError("Speichern fehlgeschlagen");
    state.SetBytesProcessed(int64_t(state.iterations()) * BLOCK * BLOECKE);
}
BENCHMARK(BM_Spielstand_Speichern)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Spielstand_Laden(benchmark::State& state)
{
    ordner();
    if (!Disk_Spielstand_Speichern("bench")) state.SkipWithError("Speichern fehlgeschlagen");
    for (auto _ : state)
        if (!Disk_Spielstand_Laden("bench")) state.SkipWithError("Laden fehlgeschlagen");
    state.SetBytesProcessed(int64_t(state.iterations()) * BLOCK * BLOECKE);
}
BENCHMARK(BM_Spielstand_Laden)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
