// A newcomer's log-in while one address floods the server with connections that never log in:
// three hundred from 127.0.0.3, then the newcomer from 127.0.0.2 until its answer has come.
// Goal: the newcomer is in within 2 s.
#include <benchmark/benchmark.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <cstring>
#include <vector>

#include "bench_netz.h"
#include "network/mw_user_login.h"
#include "network/server.h"
#include "network/socket.h"
#include "platform/bytes.h"

namespace {

constexpr int FLUT = 300;

// A connection to the server from a loopback address (host order); -1 when it failed.
int verbinden(uint32_t von, uint16_t port, bool blockierend)
{
    const int fd = socket(AF_INET, SOCK_STREAM | (blockierend ? 0 : SOCK_NONBLOCK), 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(von);
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        if (fd >= 0) close(fd);
        return -1;
    }
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 && blockierend) {
        close(fd);
        return -1;
    }
    return fd;
}

// Logs in on the connection and waits for the answer: true when it was accepted.
bool anmelden(int fd)
{
    Mw_User_Login r{};
    std::memcpy(r.user_name, "Neu", 3);
    std::memcpy(r.pass_word, "pw", 2);
    r.major_version = 2;
    r.minor_version = 1;
    uint8_t b[SOCKET_KOPF_GROESSE + MW_USER_LOGIN_GROESSE] = {};
    Bytes_Setze32(b, SOCKET_DATA_KENNUNG);
    Bytes_Setze32(b + 4, NETZ_TYP_LOGIN);
    Bytes_Setze32(b + 8, MW_USER_LOGIN_GROESSE);
    Mw_User_Login_Schreiben(r, b + SOCKET_KOPF_GROESSE);
    if (send(fd, b, sizeof b, MSG_NOSIGNAL) != ssize_t(sizeof b)) return false;
    size_t da = 0;
    while (da < sizeof b) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 10000) <= 0) return false;
        const ssize_t n = recv(fd, b + da, sizeof b - da, 0);
        if (n <= 0) return false;
        da += size_t(n);
    }
    Mw_User_Login_Lesen(b + SOCKET_KOPF_GROESSE, &r);
    return r.middle_ware_response == MW_ANTWORT_ANGENOMMEN;
}

void Newcomer_Hinter_Flut(benchmark::State& state)
{
    static Bench_Netz_Verbindung v(nullptr, nullptr, "tuer_bench", Netz_Server_Pumpe);
    if (!v.ok) {
        state.SkipWithError("keine Verbindung");
        return;
    }
    for (auto _ : state) {
        std::vector<int> flut;
        for (int i = 0; i < FLUT; ++i) flut.push_back(verbinden(0x7F000003u, Server_Settings.port, false));
        const int neu = verbinden(0x7F000002u, Server_Settings.port, true);
        const bool drin = neu >= 0 && anmelden(neu);
        state.PauseTiming();
        if (neu >= 0) close(neu);
        for (int fd : flut)
            if (fd >= 0) close(fd);
        if (!drin) {
            state.SkipWithError("der Neue kam nicht hinein");
            return;
        }
        // The server forgets the crowd before the next round.
        usleep(200000);
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(Newcomer_Hinter_Flut)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
