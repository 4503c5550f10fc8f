// A client's start in the default world on loopback, as the installed program does it: log-in,
// club choice, the copies of the world and the first round's refresh, up to the check sum of its
// club (the time includes the program's own start and end). The server is the installed program
// too, in its first round with free clubs; each client leaves again, and its club is free anew.
#include <benchmark/benchmark.h>

#include <limits.h>

#ifndef DORVIN_BINARY_DIR
#define DORVIN_BINARY_DIR ""
#endif
#include "../tests/gameflow/netz_lauf.h"

namespace {

using namespace programm_lauf;
using namespace netz_lauf;

std::string programm_ordner()
{
    char pfad[PATH_MAX] = {};
    const ssize_t n = readlink("/proc/self/exe", pfad, sizeof pfad - 1);
    return n > 0 ? fs::path(std::string(pfad, size_t(n))).parent_path().string() : ".";
}

void BM_Client_Start(benchmark::State& state)
{
    Installation server, client;
    server.bin = client.bin = programm_ordner();
    if (!server.anlegen("dorvin_bench_server") || !client.anlegen("dorvin_bench_client")) {
        state.SkipWithError("Datenbau oder Installation gescheitert");
        return;
    }
    port_einrichten(server, {&client});
    Skript s = neues_spiel({"Anna", "Bernd", "Carl"});
    s.push_back("game vereine 99");
    std::ofstream(server.ordner / "server.txt") << text(s);
    std::ofstream(client.ordner / "client.txt") << text({"answer 0", "wait 1000", "game pruefsumme", "quit"});
    const pid_t s_pid = starten_im_hintergrund(server, "server", "server");
    // The server's game runs once the new game is set up.
    usleep(3000000);
    int fehler = 0;
    for (auto _ : state) {
        const pid_t c_pid = starten_im_hintergrund(client, "client", "client");
        fehler += warten(c_pid, 30) != 0;
        state.PauseTiming();
        // The server notices the client gone before the next one logs in.
        usleep(300000);
        state.ResumeTiming();
    }
    state.counters["Fehler"] = fehler;
    // The last client printed the check sum of the club it took.
    const auto summen = pruefsummen(client, "client");
    if (fehler || summen.size() != 1 || summen.begin()->first <= 0) state.SkipWithError("Client-Start gescheitert");
    kill(s_pid, SIGKILL);
    waitpid(s_pid, nullptr, 0);
    fs::remove_all(server.ordner);
    fs::remove_all(client.ordner);
}
BENCHMARK(BM_Client_Start)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace
