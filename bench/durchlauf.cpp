// The bookkeeping of a lone game's main-loop pass with nobody connected (goal: under 5 µs): the
// online marks of the clubs brought up to date and the server's check for a connection, over
// the default world's clubs. Beside it the full marking pass that used to run on every pass.
#include <benchmark/benchmark.h>

#include "bench/bench_welt.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "network/netzuser.h"
#include "network/server.h"
#include "platform/os/os_socket.h"

namespace {

void welt()
{
    static Bench_Welt_Ordner ordner("durchlauf", {"welt"});
    static const bool geladen = Team(0);
    if (!geladen) Bench_Scheitern("bench_durchlauf", "Welt nicht lesbar");
    Netz_Rolle = 3;
    Stand_Alone_Server = 0;
    Server_Team = 1;
    Handelndes_Team = 1;
    for (auto& m : Mitspieler) Netzuser_Loeschen(&m);
}

void Durchlauf_Buchhaltung(benchmark::State& state)
{
    welt();
    Internet_Server_Mitspieler_Statistik();
    int32_t summe = 0;
    for (auto _ : state) {
        summe += Internet_Server_Mitspieler_Nachfuehren();
        summe += Os_Socket_Anzahl() > 1;
    }
    benchmark::DoNotOptimize(summe);
    state.counters["teams"] = Team_Anzahl;
}
BENCHMARK(Durchlauf_Buchhaltung);

// The marks set anew for every club, as a change of participant or club does.
void Durchlauf_Marken_Neu(benchmark::State& state)
{
    welt();
    for (auto _ : state) benchmark::DoNotOptimize(Internet_Server_Mitspieler_Statistik());
    state.counters["teams"] = Team_Anzahl;
}
BENCHMARK(Durchlauf_Marken_Neu)->Unit(benchmark::kMicrosecond);

}  // namespace
