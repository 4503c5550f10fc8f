// The bookkeeping of a lone game's main-loop pass with nobody connected (goal: under 5 µs): the
// online marks of the clubs brought up to date and the server's check for a connection, over
// the default world's clubs. Beside it the full marking pass that used to run on every pass, and
// what a pass costs the same in every world: the idle message pump and the control signals' pass.
#include <benchmark/benchmark.h>

#include "bench/bench_kopflos.h"
#include "bench/bench_welt.h"
#include "database/team.h"
#include "gameflow/ablauf.h"
#include "gameflow/globals.h"
#include "network/netzuser.h"
#include "network/server.h"
#include "network/socket.h"
#include "network/steuersignal.h"
#include "platform/os/os.h"
#include "platform/os/os_socket.h"
#include "platform/timer.h"
#include "platform/win95.h"

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

// A socket on a free loopback port, listening with nobody at it.
static uint32_t lauscher_oeffnen()
{
    const uint8_t ip[4] = {127, 0, 0, 1};
    const uint32_t lauscher = Os_Socket_Create();
    if (!lauscher || !Os_Socket_Bind(lauscher, 0, ip) || !Os_Socket_Listen(lauscher, 4))
        Bench_Scheitern("bench_durchlauf", "kein lauschender Socket");
    return lauscher;
}

// The window thread's idle message pump of a lone headless game, as a season makes some 300,000 of
// them: the server's listening socket with nobody at it, the timer's passes on the clock, and the
// script either held (busy work), standing at "wait input" on a match day's screen, or in the wait
// of a held button (a click's 100 ms). Each pump lets one millisecond of the virtual clock pass.
void Durchlauf_Leerer_Pump(benchmark::State& state)
{
    Bench_Kopflos_Starten(true);
    const uint32_t lauscher = lauscher_oeffnen();
    if (!Os_Socket_Select(lauscher, OS_FD_ACCEPT)) Bench_Scheitern("bench_durchlauf", "kein lauschender Socket");
    const int64_t art = state.range(0);
    Os_Script_Load_Text(art == 2 ? "left down\nwait 2000000000\n" : "wait input\n");
    Os_Script_Laufender_Schirm(art == 1);
    Os_Script_Halten(art == 0);
    if (art == 2) Win95_Message_Pump();
    const uint32_t vorher = Os_Time_Ms();
    for (auto _ : state) Win95_Message_Pump();
    if (Os_Time_Ms() - vorher != uint32_t(state.iterations())) state.SkipWithError("die Uhr ging anders");
    Os_Script_Stop();
    Os_Clear_Messages();
    Os_Socket_Close(lauscher);
    Timer_Thread_Stop();
}
BENCHMARK(Durchlauf_Leerer_Pump)->ArgName("gehalten_wartet_gedrueckt")->DenseRange(0, 2);

// A pass of the control signals in a lone game: a server listening with nobody at it, its own
// manager in his turn. Besides the pass's two message pumps it has nothing to do.
void Durchlauf_Signalpass(benchmark::State& state)
{
    welt();
    Bench_Kopflos_Starten(false);
    const uint32_t lauscher = lauscher_oeffnen();
    static Sock_Info lauschend{};
    Server_Lauschend = &lauschend;
    Win95_Netz_Modus = 2;
    Ablauf_Zustand = state.range(0) ? ABLAUF_SPIELTAG_MENUERUNDE : ABLAUF_MENUERUNDE;
    Os_Script_Load_Text("wait input\n");
    for (auto _ : state) Steuersignal_Verarbeiten();
    Os_Script_Stop();
    Server_Lauschend = nullptr;
    Win95_Netz_Modus = 0;
    Os_Socket_Close(lauscher);
}
BENCHMARK(Durchlauf_Signalpass)->ArgName("spieltag")->DenseRange(0, 1);
