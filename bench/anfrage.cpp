// A remote call over loopback to a second process: the client packs and sends, the server's
// network pump receives, lays the block out, runs the handler and sends the reply, the client
// unpacks.
// Goals: a small call's round trip at most 1 ms (median), a 1 MB variable reply under 20 ms.
#include <benchmark/benchmark.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "bench_netz.h"
#include "database/manager.h"
#include "database/team.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "network/client.h"
#include "network/internet_read.h"
#include "network/netz.h"
#include "network/netzuser.h"
#include "network/server.h"
#include "network/socket.h"
#include "network/steuersignal.h"
#include "platform/mem.h"
#include "platform/win95.h"

namespace {

// Call 499 answering as many bytes as its first integer asks for.
bool antwort_der_groesse(Internet_Aufruf* a)
{
    const uint32_t n = uint32_t(a->p->ints[0]);
    uint8_t* b = static_cast<uint8_t*>(Mem_Alloc(n ? n : 1, 0));
    if (!b) return false;
    for (uint32_t i = 0; i < n; ++i) b[i] = uint8_t(i % 7);
    *a->var = b;
    a->ergebnis = int32_t(n);
    return true;
}

// The client's club: a participant without one is served at a slow pace.
constexpr int32_t VEREIN = 1;

void server_vorbereiten()
{
    static Team_Struktur t[2];
    static Team_Fix f[2];
    static Manager_Struktur manager;
    T = t;
    T_Fix = f;
    Team_Anzahl = 2;
    f[VEREIN].manager = &manager;
    Server_Team = -1;
    Eingang_Set_Spiel_Gestartet(true);
    Internet_Handler_Registrieren(499, antwort_der_groesse);
}

void pumpe()
{
    int32_t i = 0;
    while (Mitspieler_Eintrag* m = Netzuser_Naechster(&i))
        if (!m->verein_beansprucht) Internet_Verein_Beanspruchen(m, VEREIN);
    Steuersignal_Verarbeiten();
}

struct Verbindung : Bench_Netz_Verbindung {
    Verbindung() : Bench_Netz_Verbindung(server_vorbereiten, nullptr, "anfrage_bench", pumpe)
    {
        Netz_Rolle = 1;
        Aktuelles_Team = VEREIN;
    }
};

void BM_Anfrage(benchmark::State& state)
{
    static Verbindung v;
    if (!v.ok) {
        state.SkipWithError("keine Verbindung");
        return;
    }
    const uint32_t n = uint32_t(state.range(0));
    std::vector<uint8_t> puffer(n + 4);
    for (auto _ : state) {
        uint8_t fertig = 0;
        const Internet_Arg args[] = {Internet_Zeiger(puffer.data(), uint32_t(puffer.size())), Internet_Wert(int32_t(n)),
                                     Internet_Wert(0), Internet_Wert(0)};
        if (Internet_Client_Read(499, "iC000iwc", nullptr, &fertig, args, 4) != int32_t(n) || !fertig) {
            state.SkipWithError("Aufruf fehlgeschlagen");
            return;
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * state.range(0));
}

}  // namespace

BENCHMARK(BM_Anfrage)->Arg(16)->Arg(1 << 20)->Unit(benchmark::kMillisecond)->UseRealTime();
