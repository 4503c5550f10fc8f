// Game-data transfer over loopback to a second process: a block is packed, sent as one 700 or as
// 703 and 701 pieces, received, unpacked, and acknowledged by the server with a small block.
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

#include "network/client.h"
#include "network/netz.h"
#include "network/netzuser.h"
#include "network/server.h"
#include "network/socket.h"
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

struct Verbindung {
    pid_t server = 0;
    bool ok = false;
    std::string ordner;

    Verbindung()
    {
        char vorlage[] = "/tmp/netz_bench_XXXXXX";
        ordner = mkdtemp(vorlage);
        if (chdir(ordner.c_str()) != 0) return;
        setenv("DORVIN_REGISTRY", (ordner + "/registry").c_str(), 1);
        std::system("mkdir -p config_files server_logfiles");
        if (FILE* f = std::fopen("config_files/version.cfg", "w")) {
            std::fputs("2.01", f);
            std::fclose(f);
        }
        Win95_Set_Socket_Hook(Socket_Window_Message);
        // A port of the process id's range, printed with four hex digits either way.
        const uint16_t tcp = uint16_t(20000 + getpid() % 20000) | 0x10;
        const uint16_t wort = uint16_t((tcp >> 8) | (tcp << 8));
        Server_Einstellungen_Standard();
        Server_Settings.port = wort;
        Server_Einstellungen_Schreiben();
        std::fflush(nullptr);
        int bereit[2];
        if (pipe(bereit) != 0) return;
        const pid_t eltern = getpid();
        server = fork();
        if (server == 0) {
            close(bereit[0]);
            Win95_Netz_Modus = 2;
            if (!Server_Start(nullptr, nullptr, "")) _exit(2);
            if (write(bereit[1], "x", 1) != 1) _exit(3);
            const uint8_t quittung[4] = {1, 2, 3, 4};
            // Ends with the benchmark, also when that one dies.
            while (getppid() == eltern) {
                Netz_Server_Pumpe();
                int32_t i = 0;
                while (Mitspieler_Eintrag* m = Netzuser_Naechster(&i)) {
                    uint32_t n = 0;
                    int32_t code = 0;
                    if (uint8_t* b = Server_Receive_Client_Data(m, &n, &code)) {
                        Mem_Free(b, 0);
                        Server_Send_Client_Data(m, quittung, 4);
                        Server_Client_Data_Pump();
                    }
                }
                Netz_Warten();
            }
            _exit(0);
        }
        close(bereit[1]);
        char c;
        if (read(bereit[0], &c, 1) != 1) return;
        close(bereit[0]);
        Win95_Netz_Modus = 1;
        const uint8_t ip[4] = {127, 0, 0, 1};
        ok = Client_Connect(nullptr, nullptr, "Bench", "bench", ip, wort) == 1;
    }

    ~Verbindung()
    {
        if (server > 0) {
            kill(server, SIGKILL);
            waitpid(server, nullptr, 0);
        }
        std::system(("rm -rf '" + ordner + "'").c_str());
    }

    // One block to the server and its acknowledgement back.
    bool hin_und_quittung(const std::vector<uint8_t>& b)
    {
        if (!Client_Send_Client_Data(b.data(), uint32_t(b.size()))) return false;
        for (int i = 0; i < 200000; ++i) {
            Win95_Message_Pump();
            Client_Poll();
            uint32_t n = 0;
            int32_t code = 0;
            if (uint8_t* q = Client_Receive_Client_Data(&n, &code)) {
                Mem_Free(q, 0);
                return true;
            }
            if (code == NETZ_FEHLER) return false;
            Netz_Warten();
        }
        return false;
    }
};

void BM_Transfer(benchmark::State& state)
{
    static Verbindung v;
    if (!v.ok) {
        state.SkipWithError("keine Verbindung");
        return;
    }
    const auto b = daten(size_t(state.range(0)));
    for (auto _ : state)
        if (!v.hin_und_quittung(b)) {
            state.SkipWithError("Übertragung fehlgeschlagen");
            return;
        }
    state.SetBytesProcessed(int64_t(state.iterations()) * state.range(0));
}

}  // namespace

BENCHMARK(BM_Transfer)->Arg(10 * 1024)->Arg(1 << 20)->Arg(4 << 20)->Unit(benchmark::kMillisecond)->UseRealTime();
