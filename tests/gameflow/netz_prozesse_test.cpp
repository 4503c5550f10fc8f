// Network play of the installed program, headless on loopback: a server with its own manager and
// two client processes that choose their clubs, end their rounds by script and reach the next
// day's round.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "netz_lauf.h"

namespace {

using namespace programm_lauf;
using namespace netz_lauf;

TEST(Netz_Prozesse, ServerAndTwoClientsPlayADayAndReachTheNextRound)
{
    Installation server, eins, zwei;
    ASSERT_TRUE(server.anlegen("dorvin_netz_server"));
    ASSERT_TRUE(eins.anlegen("dorvin_netz_eins"));
    ASSERT_TRUE(zwei.anlegen("dorvin_netz_zwei"));
    const uint16_t port = port_einrichten(server, {&eins, &zwei});

    // The server: a new game with three managers, then the round of its own once both clients
    // hold their clubs (their finished turns may show a message: it is acknowledged).
    Skript s = neues_spiel({"Anna", "Bernd", "Carl"});
    // Every club is printed while both clients are still there: a client may leave the next day
    // before the server's own round begins.
    dazu(s, {"game vereine 2", "game pruefsumme -1"});
    dazu(s, klick(470, 292));
    dazu(s, klick(470, 292));
    dazu(s, klick(WEITER_X, WEITER_Y));
    dazu(s, {"dump " + (server.ordner / "server_tag2.png").string(), "game pruefsumme -1", "game allein", "quit"});
    std::ofstream(server.ordner / "server.txt") << text(s);
    // Each client: its club from the list, its turn ended, the next day's round.
    int index = 0;
    for (Installation* c : {&eins, &zwei}) {
        Skript k{"answer " + std::to_string(index++), "wait 1000", "game pruefsumme"};
        dazu(k, klick(WEITER_X, WEITER_Y));
        dazu(k, {"wait 1000", "dump " + (c->ordner / "client_tag2.png").string(), "game pruefsumme", "quit"});
        std::ofstream(c->ordner / "client.txt") << text(k);
    }
    const pid_t s_pid = starten_im_hintergrund(server, "server", "server");
    // The clients come once the server listens (its start takes a moment).
    ASSERT_TRUE(server_lauscht(port, 60));
    const pid_t e_pid = starten_im_hintergrund(eins, "client", "client");
    const pid_t z_pid = starten_im_hintergrund(zwei, "client", "client");
    EXPECT_EQ(warten(e_pid, 240), 0) << netz_test::datei_lesen((eins.ordner / "client_fehler.txt").string());
    EXPECT_EQ(warten(z_pid, 60), 0) << netz_test::datei_lesen((zwei.ordner / "client_fehler.txt").string());
    EXPECT_EQ(warten(s_pid, 60), 0) << netz_test::datei_lesen((server.ordner / "server_fehler.txt").string());

    // Two different clubs, each printed in both rounds; the server computed both clubs.
    const auto a = pruefsummen(eins, "client"), b = pruefsummen(zwei, "client"), srv = pruefsummen(server, "server");
    ASSERT_EQ(a.size(), 1u);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_NE(a.begin()->first, b.begin()->first);
    EXPECT_EQ(a.begin()->second.size(), 2u);
    EXPECT_EQ(b.begin()->second.size(), 2u);
    EXPECT_EQ(srv.count(a.begin()->first), 1u);
    EXPECT_EQ(srv.count(b.begin()->first), 1u);
    EXPECT_TRUE(fs::exists(eins.ordner / "client_tag2.png"));
    EXPECT_TRUE(fs::exists(server.ordner / "server_tag2.png"));
    for (const Installation* i : {&server, &eins, &zwei}) fs::remove_all(i->ordner);
}

}  // namespace
