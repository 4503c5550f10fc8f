// A server process on loopback for the network benchmarks: it is forked, answers each game-data
// block through the benchmark's handler, and ends with the benchmark, also when that one dies.
#pragma once
#include <csignal>
#include <cstdio>
#include <cstdlib>
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

struct Bench_Netz_Verbindung {
    // Run in the server process: once before it listens, and for each game-data block received;
    // without a block handler the server runs the program's own network pump.
    using Vorbereiten = void (*)();
    using Block_Handler = void (*)(Mitspieler_Eintrag* m, uint8_t* block, uint32_t laenge);
    using Pumpe = void (*)();

    pid_t server = 0;
    bool ok = false;
    std::string ordner;

    Bench_Netz_Verbindung(Vorbereiten vorbereiten, Block_Handler handler, const char* vorlage_name,
                          Pumpe pumpe = nullptr)
    {
        std::string vorlage = std::string("/tmp/") + vorlage_name + "_XXXXXX";
        ordner = mkdtemp(vorlage.data());
        if (chdir(ordner.c_str()) != 0) return;
        setenv("DORVIN_REGISTRY", (ordner + "/registry").c_str(), 1);
        std::system("mkdir -p config_files server_logfiles");
        if (FILE* f = std::fopen("config_files/version.cfg", "w")) {
            std::fputs("2.01", f);
            std::fclose(f);
        }
        Win95_Set_Socket_Hook(Socket_Window_Message);
        // A port of the process id's range.
        const uint16_t wort = uint16_t(20000 + getpid() % 20000);
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
            if (vorbereiten) vorbereiten();
            if (!Server_Start(nullptr, nullptr, "")) _exit(2);
            if (write(bereit[1], "x", 1) != 1) _exit(3);
            // Ends with the benchmark, also when that one dies.
            while (getppid() == eltern) {
                if (pumpe) {
                    pumpe();
                    Netz_Warten();
                    continue;
                }
                Netz_Server_Pumpe();
                int32_t i = 0;
                while (Mitspieler_Eintrag* m = Netzuser_Naechster(&i)) {
                    uint32_t n = 0;
                    int32_t code = 0;
                    if (uint8_t* b = Server_Receive_Client_Data(m, &n, &code)) {
                        handler(m, b, n);
                        Mem_Free(b, 0);
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

    ~Bench_Netz_Verbindung()
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
