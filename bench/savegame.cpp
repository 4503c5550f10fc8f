// Saving and loading a 50 MB savegame through the container: goal at least 200 MB/s each way. And
// the save of a savegame shaped like the small world's, made 15 times a season.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
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

// A savegame shaped like the small world's (some 1.6 MB): the competitions' block of 700 kB, the
// match store in blocks of a few kB, the team and manager records, many small values. Most of it
// is the same size in every world, so its cost per save is what the small world pays per club.
struct Block_Art {
    int position;
    int anzahl;
    uint32_t groesse;
};
constexpr Block_Art KLEINE_WELT[] = {
    {DISK_POS_ABLAUF, 1, 240},         {DISK_POS_ABLAUF, 1, 632},         {DISK_POS_MENUE, 7, 250},
    {DISK_POS_WETTBEWERBE, 1, 706592}, {DISK_POS_SPIELE, 50, 4},          {DISK_POS_SPIELE, 50, 24},
    {DISK_POS_SPIELE, 50, 3700},       {DISK_POS_SPIELE, 50, 860},        {DISK_POS_TEAMS, 11, 4},
    {DISK_POS_TEAMS, 1, 46080},        {DISK_POS_TEAMS, 2, 1536},         {DISK_POS_TEAMS, 40, 128},
    {DISK_POS_TEAMS, 2, 149572},       {DISK_POS_TEAMS, 1, 31040},        {DISK_POS_SPIELER, 1, 23112},
    {DISK_POS_SPIELER, 1, 32100},      {DISK_POS_SPIELER, 1, 21828},      {DISK_POS_SPIELER, 4, 600},
    {DISK_POS_NEWS, 1, 26091},         {DISK_POS_TEAMSPIELER, 1, 13400},  {DISK_POS_TEAMSPIELER, 1, 40000},
    {DISK_POS_TEAMSPIELER, 1, 33384},  {DISK_POS_BANK, 3, 6000},          {DISK_POS_RICHTER, 77, 20},
    {DISK_POS_STADION, 1, 21845},      {DISK_POS_PERSONAL, 43, 24},       {DISK_POS_STATISTIK, 6, 24},
    {DISK_POS_STATISTIK, 13, 3000},
};

std::vector<uint8_t> welt_daten(800000);

template <int Position>
bool welt_schreiben(Disk_Datei* d)
{
    for (const Block_Art& b : KLEINE_WELT)
        for (int i = 0; b.position == Position && i < b.anzahl; ++i)
            if (!Disk_Schreibe_Block(d, welt_daten.data(), b.groesse)) return false;
    return true;
}

template <int... P>
void welt_registrieren(std::integer_sequence<int, P...>)
{
    ((P + 1 != DISK_POS_FREI ? (void)Disk_Block_Registrieren(P + 1, welt_schreiben<P + 1>, nullptr) : (void)0), ...);
}

void BM_Spielstand_Kleine_Welt_Speichern(benchmark::State& state)
{
    ordner();
    for (size_t i = 0; i < welt_daten.size(); ++i) welt_daten[i] = uint8_t(i * 2246822519u >> 24);
    welt_registrieren(std::make_integer_sequence<int, DISK_POSITIONEN>{});
    for (auto _ : state)
        if (!Disk_Spielstand_Speichern("welt")) state.SkipWithError("Speichern fehlgeschlagen");
    for (int p = 1; p <= DISK_POSITIONEN; ++p)
        if (p != DISK_POS_FREI) Disk_Block_Registrieren(p, nullptr, nullptr);
    Disk_Block_Registrieren(DISK_POS_ZUFALL, schreiben, lesen);
}
BENCHMARK(BM_Spielstand_Kleine_Welt_Speichern)->Unit(benchmark::kMillisecond);

}  // namespace
