// The server's main loop through a networked day without a match: its own manager and two
// clients, every round ended at once, the clients' signals and data as they come back.
#include <benchmark/benchmark.h>

#include <string>

#include "../tests/database/db_hilfe.h"
#include "gameflow/ablauf.h"
#include "gameflow/eingang.h"
#include "gameflow/kalender.h"
#include "match/spieltag.h"
#include "network/netzuser.h"
#include "network/socket.h"
#include "network/steuersignal.h"
#include "platform/win95.h"

namespace {

constexpr int32_t SERVER = 1, A = 2, B = 3;

int senden(Mitspieler_Eintrag*, const uint8_t*, uint32_t) { return 1; }
int32_t zug(int32_t, bool) { return -1; }
int32_t spieltag(const char* aufruf) { return std::string(aufruf) == "Spieltag_Run" ? 0 : 1; }
uint32_t uhr = 1000;

void welt()
{
    Test_Teams_Anlegen(10);
    News_Init();
    Ablauf_Init(0);
    Kalender_Spielplan_Leeren();
    Spieltag_Set_Ablauf_Hook(spieltag);
    Kalender_Set_Autosave_Hook([](const char*) {});
    Ablauf_Set_Zug_Hook(zug);
    Socket_Set_Uhr([] { return uhr; });
    Eingang_Set_Spiel_Gestartet(true);
    Manager_Neuer_Mitspieler(SERVER, "Server");
    Manager_Neuer_Mitspieler(A, "Eins");
    Manager_Neuer_Mitspieler(B, "Zwei");
    Server_Team = SERVER;
    Netz_Rolle = 3;
    Win95_Netz_Modus = 2;
    Steuersignal_Set_Sender(senden, nullptr);
    for (int32_t i : {0, 1}) {
        Netzuser_Loeschen(&Mitspieler[i]);
        Mitspieler[i].in_benutzung = 1;
        Mitspieler[i].verein_beansprucht = 1;
        Mitspieler[i].verein = Mitspieler[i].team = i ? B : A;
    }
}

void BM_Netz_Tag_Ohne_Spiel(benchmark::State& state)
{
    welt();
    int64_t paesse = 0;
    for (auto _ : state) {
        // The same quiet day again: the calendar does not run out.
        Aktueller_Tag = 1;
        Ablauf_Zustand = ABLAUF_TAG_ENDE;
        do {
            Steuersignal_Verarbeiten();
            Ablauf_Schritt();
            ++paesse;
            // The clients end their rounds and send their data as soon as they are asked.
            if (Ablauf_Zustand == ABLAUF_SERVER_WARTET)
                for (int32_t t : {A, B}) Team_Wert(TEAM_STATUS, t, 4, TEAM_SETZEN);
            if (Ablauf_Zustand == ABLAUF_DATEN_SAMMELN)
                for (int32_t t : {A, B}) Steuersignal_Daten_Von_Client(t);
        } while (Ablauf_Zustand != ABLAUF_TAG_ENDE);
    }
    state.counters["Durchlaeufe/Tag"] = double(paesse) / double(state.iterations());
    Steuersignal_Set_Sender(nullptr, nullptr);
    Spieltag_Set_Ablauf_Hook(nullptr);
    Ablauf_Set_Zug_Hook(nullptr);
    Socket_Set_Uhr(nullptr);
}
BENCHMARK(BM_Netz_Tag_Ohne_Spiel)->Unit(benchmark::kMillisecond);

}  // namespace
