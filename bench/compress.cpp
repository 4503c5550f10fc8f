// Packing and unpacking speed of the four methods on a 4 MB corpus (savegame-like binary records
// and German text), with zlib beside them for reference when the benchmark is linked with it.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "platform/compress.h"
#include "platform/compress_huffman.h"

#if __has_include(<zlib.h>) && defined(DORVIN_BENCH_ZLIB)
#include <zlib.h>
#define MIT_ZLIB 1
#endif

using Bytes = std::vector<uint8_t>;

namespace {

constexpr size_t GROESSE = 4u << 20;

Bytes binaer()
{
    // Records as a savegame holds them: small counters, ids, money as float, names, padding.
    std::mt19937 rng(1);
    const char* namen[] = {"Krüger", "Wendt", "Albers", "Sommer", "Brandt", "Köhler", "Lorenz", "Franke"};
    Bytes b;
    while (b.size() < GROESSE / 2) {
        uint8_t rec[52] = {};
        rec[0] = uint8_t(rng() % 30);
        rec[1] = uint8_t(rng() % 100);
        uint32_t id = uint32_t(b.size() / 52);
        std::memcpy(rec + 4, &id, 4);
        float geld = float(rng() % 2000000) * 0.5f;
        std::memcpy(rec + 8, &geld, 4);
        const char* n = namen[rng() % 8];
        std::memcpy(rec + 12, n, std::strlen(n));
        for (int i = 28; i < 40; ++i) rec[i] = uint8_t(40 + rng() % 60);
        b.insert(b.end(), rec, rec + 52);
    }
    return b;
}

Bytes text()
{
    std::mt19937 rng(2);
    const char* woerter[] = {"der", "Spieler", "wechselt", "für", "eine", "Ablöse", "von", "Millionen", "zum",
                             "Verein", "Mannschaft", "gewinnt", "das", "Spiel", "Tabelle", "Saison", "Trainer",
                             "Stadion", "Zuschauer", "Vertrag", "verlängert", "Pokal", "Runde", "Tor", "und"};
    Bytes b;
    while (b.size() < GROESSE / 2) {
        const char* w = woerter[rng() % 25];
        b.insert(b.end(), w, w + std::strlen(w));
        b.push_back(rng() % 12 ? ' ' : '\n');
    }
    return b;
}

const Bytes& korpus()
{
    static Bytes k = [] {
        Bytes a = binaer(), t = text();
        a.insert(a.end(), t.begin(), t.end());
        a.resize(GROESSE);
        return a;
    }();
    return k;
}

size_t packen(const Bytes& in, Bytes& out, int method)
{
    out.resize(in.size() * 2 + 64);
    if (method == COMPRESS_HUFFMAN) Huffman_Init(0);
    Compress_Stream* i = OpenInPutData(CMP_IO_MODE_MEMORY, nullptr, const_cast<uint8_t*>(in.data()), int32_t(in.size()));
    Compress_Stream* o = OpenOutPutData(CMP_IO_MODE_MEMORY, nullptr, out.data(), int32_t(method == 4 ? in.size() + 4 : out.size()));
    Compress_Data(i, o, method);
    FlushOutPutData(o);
    size_t n = o->position;
    CloseOutPutData(o, 1);
    CloseInPutData(i, 1);
    if (method == COMPRESS_HUFFMAN) Huffman_DeInit();
    return n;
}

bool entpacken(const Bytes& in, size_t n, Bytes& out, int method)
{
    if (method == COMPRESS_HUFFMAN) Huffman_Init(1);
    Compress_Stream* i = OpenInPutData(CMP_IO_MODE_MEMORY, nullptr, const_cast<uint8_t*>(in.data()), int32_t(n));
    Compress_Stream* o = OpenOutPutData(CMP_IO_MODE_MEMORY, nullptr, out.data(), int32_t(out.size()));
    int ok = Expand_Data(i, o, method);
    CloseOutPutData(o, 1);
    CloseInPutData(i, 1);
    if (method == COMPRESS_HUFFMAN) Huffman_DeInit();
    return ok == 1;
}

void Packen(benchmark::State& state)
{
    Compress_LZW_Init();
    int method = int(state.range(0));
    Bytes out;
    size_t n = 0;
    for (auto _ : state) benchmark::DoNotOptimize(n = packen(korpus(), out, method));
    state.SetBytesProcessed(int64_t(state.iterations() * korpus().size()));
    state.counters["Verhaeltnis"] = double(n) / double(korpus().size());
}

void Entpacken(benchmark::State& state)
{
    Compress_LZW_Init();
    int method = int(state.range(0));
    Bytes packed, out(korpus().size());
    size_t n = packen(korpus(), packed, method);
    for (auto _ : state)
        if (!entpacken(packed, n, out, method)) state.SkipWithError("Entpacken fehlgeschlagen");
    if (out != korpus()) state.SkipWithError("Ergebnis falsch");
    state.SetBytesProcessed(int64_t(state.iterations() * korpus().size()));
    state.counters["Verhaeltnis"] = double(n) / double(korpus().size());
}

BENCHMARK(Packen)->DenseRange(1, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(Entpacken)->DenseRange(1, 4)->Unit(benchmark::kMillisecond);

#ifdef MIT_ZLIB
void Zlib_Packen(benchmark::State& state)
{
    Bytes out(compressBound(uLong(korpus().size())));
    uLongf n = 0;
    for (auto _ : state) {
        n = uLongf(out.size());
        compress2(out.data(), &n, korpus().data(), uLong(korpus().size()), int(state.range(0)));
    }
    state.SetBytesProcessed(int64_t(state.iterations() * korpus().size()));
    state.counters["Verhaeltnis"] = double(n) / double(korpus().size());
}

void Zlib_Entpacken(benchmark::State& state)
{
    Bytes packed(compressBound(uLong(korpus().size()))), out(korpus().size());
    uLongf n = uLongf(packed.size());
    compress2(packed.data(), &n, korpus().data(), uLong(korpus().size()), int(state.range(0)));
    for (auto _ : state) {
        uLongf m = uLongf(out.size());
        uncompress(out.data(), &m, packed.data(), n);
    }
    state.SetBytesProcessed(int64_t(state.iterations() * korpus().size()));
    state.counters["Verhaeltnis"] = double(n) / double(korpus().size());
}

BENCHMARK(Zlib_Packen)->Arg(1)->Arg(6)->Unit(benchmark::kMillisecond);
BENCHMARK(Zlib_Entpacken)->Arg(6)->Unit(benchmark::kMillisecond);
#endif

} // namespace
