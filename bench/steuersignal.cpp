// Control signals: a minute signal from a client through the server's handler and relay back to
// a client over loopback, and the server's checks of control packets.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "bench_netz.h"
#include "database/manager.h"
#include "database/team.h"
#include "gameflow/ablauf.h"
#include "gameflow/globals.h"
#include "match/spielfeld.h"
#include "match/spielfeld_netz.h"
#include "network/internet_read.h"
#include "network/steuersignal.h"
#include "platform/bytes.h"

namespace {

constexpr int32_t VEREIN = 2;
std::vector<Team_Struktur> teams(4);
std::vector<Team_Fix> teams_fix(4);
std::vector<Team_Own> teams_own(4);
Manager_Struktur manager{};
Spielfeld_Record* spiel = nullptr;

int32_t spiele(Spielfeld_Record** out, int32_t max)
{
    if (max < 1) return 0;
    out[0] = spiel;
    return 1;
}

// The server's world: one game whose both sides the benchmark's client holds, so that the relay
// of its minute goes back to it.
void vorbereiten()
{
    T = teams.data();
    T_Fix = teams_fix.data();
    T_Own = teams_own.data();
    Team_Anzahl = Team_Anzahl_Gelesen = 4;
    Transfermarkt_Team = Jugend_Team = 100;
    for (auto& f : teams_fix) f.manager = &manager;
    Server_Team = 1;
    Netz_Rolle = 2;
    Ablauf_Zustand = ABLAUF_SPIEL_LAEUFT;
    spiel = static_cast<Spielfeld_Record*>(std::calloc(1, sizeof(Spielfeld_Record)));
    spiel->team[0] = spiel->team[1] = VEREIN;
    spiel->aktiv = 1;
    spiel->minute = SPIELFELD_NETZ_MINUTEN - 1;
    Spielfeld_Netz_Set_Records(spiele);
}

void pumpe()
{
    int32_t i = 0;
    while (Mitspieler_Eintrag* m = Netzuser_Naechster(&i))
        if (!m->verein_beansprucht) Internet_Verein_Beanspruchen(m, VEREIN);
    Steuersignal_Verarbeiten();
}

struct Verbindung : Bench_Netz_Verbindung {
    Verbindung() : Bench_Netz_Verbindung(vorbereiten, nullptr, "signal_bench", pumpe) {}
};

std::vector<uint8_t> minute(uint32_t m)
{
    std::vector<uint8_t> b(24, 0);
    Bytes_Setze32(b.data(), STEUERSIGNAL_MARKE);
    Bytes_Setze32(b.data() + 4, SIGNAL_MINUTE);
    Bytes_Setze32(b.data() + 8, VEREIN);
    Bytes_Setze32(b.data() + 12, m);
    Bytes_Setze32(b.data() + 16, 1);
    return b;
}

void BM_Steuersignal_Relais(benchmark::State& state)
{
    static Verbindung v;
    if (!v.ok) {
        state.SkipWithError("keine Verbindung");
        return;
    }
    // At the match first, so that the server's checks keep the side in.
    static bool am_spiel = false;
    if (!am_spiel) {
        auto b = minute(0);
        b.resize(12);
        Bytes_Setze32(b.data() + 4, SIGNAL_AM_SPIEL);
        am_spiel = Client_Send_Client_Data(b.data(), 12) == 1;
    }
    uint32_t m = 0;
    for (auto _ : state) {
        if (!v.hin_und_quittung(minute(m))) {
            state.SkipWithError("kein Relais");
            return;
        }
        m = (m + 1) % SPIELFELD_NETZ_MINUTEN;
    }
}
BENCHMARK(BM_Steuersignal_Relais)->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

void BM_Steuersignal_Pruefen(benchmark::State& state)
{
    std::vector<std::vector<uint8_t>> pakete = {minute(5), minute(250), std::vector<uint8_t>(12, 0xBB),
                                                std::vector<uint8_t>(344, 0xBB)};
    Bytes_Setze32(pakete[3].data() + 4, SIGNAL_MINUTE);
    Bytes_Setze32(pakete[3].data() + 20, 1);
    Bytes_Setze32(pakete[3].data() + 12, 3);
    Bytes_Setze32(pakete[3].data() + 8, 0);
    Team_Anzahl = 4;
    size_t k = 0;
    for (auto _ : state) {
        Steuersignal_Paket p;
        const auto& b = pakete[k++ & 3];
        benchmark::DoNotOptimize(Steuersignal_Paket_Lesen(b.data(), uint32_t(b.size()), &p));
    }
    state.SetItemsProcessed(int64_t(state.iterations()));
}
BENCHMARK(BM_Steuersignal_Pruefen);

}  // namespace
