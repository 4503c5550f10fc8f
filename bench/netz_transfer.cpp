// Game-data transfer over loopback to a second process: a block is packed, sent as one 700 or as
// 703 and 701 pieces, received, unpacked, and acknowledged with a small block. A client sends at
// most NETZ_CLIENT_BLOCK_MAX: larger blocks are ordered with a small one and go the other way.
#include <benchmark/benchmark.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "bench_netz.h"
#include "network/client.h"
#include "network/netz.h"
#include "network/netzuser.h"
#include "network/server.h"
#include "network/socket.h"
#include "platform/bytes.h"
#include "platform/mem.h"
#include "platform/win95.h"

namespace {

// Records as the database sends them: small numbers, ids, names and zeros.
std::vector<uint8_t> daten(size_t n)
{
    std::mt19937 rng(7);
    std::vector<uint8_t> b(n, 0);
    for (size_t i = 0; i < n; i += 4) {
        if (rng() % 2) b[i] = uint8_t(rng() % 100);
        if (rng() % 8 == 0) b[i + 1 < n ? i + 1 : i] = uint8_t(rng());
    }
    return b;
}

const uint8_t quittung[4] = {1, 2, 3, 4};
constexpr uint32_t BESTELLUNG = 0x5A5A5A5A;

void beantworten(Mitspieler_Eintrag* m, uint8_t* b, uint32_t n)
{
    if (n == 8 && Bytes_Hole32(b) == BESTELLUNG) {
        const auto d = daten(Bytes_Hole32(b + 4));
        Server_Send_Client_Data(m, d.data(), uint32_t(d.size()));
    } else {
        Server_Send_Client_Data(m, quittung, 4);
    }
}

struct Verbindung : Bench_Netz_Verbindung {
    Verbindung() : Bench_Netz_Verbindung(nullptr, beantworten, "netz_bench") {}
};

void BM_Transfer(benchmark::State& state)
{
    static Verbindung v;
    if (!v.ok) {
        state.SkipWithError("keine Verbindung");
        return;
    }
    auto b = daten(size_t(state.range(0)));
    if (b.size() > NETZ_CLIENT_BLOCK_MAX) {
        b.assign(8, 0);
        Bytes_Setze32(b.data(), BESTELLUNG);
        Bytes_Setze32(b.data() + 4, uint32_t(state.range(0)));
    }
    for (auto _ : state)
        if (!v.hin_und_quittung(b)) {
            state.SkipWithError("Übertragung fehlgeschlagen");
            return;
        }
    state.SetBytesProcessed(int64_t(state.iterations()) * state.range(0));
}

}  // namespace

BENCHMARK(BM_Transfer)->Arg(10 * 1024)->Arg(1 << 20)->Arg(4 << 20)->Unit(benchmark::kMillisecond)->UseRealTime();
