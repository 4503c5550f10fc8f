// A networked day goes on without the clients that leave it: a client killed in its round, and a
// connection that logs in and then sends garbage, leave the server and the remaining client to
// finish the day and reach the next round.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include "netz_lauf.h"

namespace {

using namespace programm_lauf;
using namespace netz_lauf;

bool zeile_da(const Installation& inst, const std::string& name, int sekunden)
{
    for (int i = 0; i < sekunden * 10; ++i) {
        if (!pruefsummen(inst, name).empty()) return true;
        usleep(100000);
    }
    return false;
}

// A log-in, then bytes that make no request; the connection stays open a moment.
void muell_senden(uint16_t port)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0) {
        const std::vector<uint8_t> login = netz_test::login_bytes("Muell", 2, 2);
        (void)!send(fd, login.data(), login.size(), MSG_NOSIGNAL);
        usleep(300000);
        for (uint32_t seed = 1; seed <= 8; ++seed) {
            const std::vector<uint8_t> m = netz_test::zufall_bytes(512, seed);
            (void)!send(fd, m.data(), m.size(), MSG_NOSIGNAL);
        }
        usleep(500000);
    }
    close(fd);
}

TEST(Netz_Abbruch, KilledClientAndGarbageLeaveTheDayToTheOthers)
{
    Drei_Rechner r;
    ASSERT_TRUE(r.anlegen("abbruch"));
    Installation &server = r.server, &eins = r.eins, &zwei = r.zwei;

    Skript s = server_erste_runde();
    dazu(s, {"game pruefsumme -1", "game allein", "quit"});
    std::ofstream(server.ordner / "server.txt") << text(s);
    // The first client stays in its round (no club count ever reaches 99 on a client) until killed.
    std::ofstream(eins.ordner / "client.txt") << text({"answer 0", "wait 1000", "game pruefsumme", "game vereine 99"});
    Skript k{"answer 1", "wait 1000", "game pruefsumme"};
    dazu(k, klick(WEITER_X, WEITER_Y));
    dazu(k, {"wait 1000", "game pruefsumme", "quit"});
    std::ofstream(zwei.ordner / "client.txt") << text(k);

    pid_t s_pid, e_pid, z_pid;
    ASSERT_TRUE(r.neu_starten(&s_pid, &e_pid, &z_pid));
    EXPECT_TRUE(zeile_da(eins, "client", 120));
    kill(e_pid, SIGKILL);
    waitpid(e_pid, nullptr, 0);
    muell_senden(r.port);
    EXPECT_TRUE(gut_beendet(z_pid, zwei, "client", 240));
    EXPECT_TRUE(gut_beendet(s_pid, server, "server", 60));

    // The remaining client reached the next round; the server went on with it.
    const auto b = pruefsummen(zwei, "client");
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b.begin()->second.size(), 2u);
    EXPECT_EQ(pruefsummen(server, "server").count(b.begin()->first), 1u);
    r.aufraeumen();
}

}  // namespace
