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
    Drei_Rechner r;
    ASSERT_TRUE(r.anlegen("netz"));
    Installation &server = r.server, &eins = r.eins, &zwei = r.zwei;

    // The server: a new game with three managers, then the round of its own once both clients
    // hold their clubs.
    Skript s = server_erste_runde();
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
    pid_t s_pid, e_pid, z_pid;
    ASSERT_TRUE(r.neu_starten(&s_pid, &e_pid, &z_pid));
    // Two different clubs, each printed in both rounds; the server computed both clubs.
    Drei_Rechner::Summen d;
    ASSERT_TRUE(r.beendet(s_pid, e_pid, z_pid, 240, 60, &d));
    EXPECT_EQ(d.eins.begin()->second.size(), 2u);
    EXPECT_EQ(d.zwei.begin()->second.size(), 2u);
    EXPECT_TRUE(fs::exists(eins.ordner / "client_tag2.png"));
    EXPECT_TRUE(fs::exists(server.ordner / "server_tag2.png"));
    r.aufraeumen();
}

// A client that takes a manager's club names its manager: after its first turn the server
// holds the name; the server's other manager keeps his.
TEST(Netz_Prozesse, AClientNamesItsManager)
{
    Zwei_Rechner r;
    ASSERT_TRUE(r.anlegen("netz_name"));
    Skript s = neues_spiel({"Anna", "Bernd"});
    dazu(s, {"game vereine 1", "game zuege 1", "game manager"});
    // the client's notice acknowledged, then the server's own turn: the client's next round
    dazu(s, klick(470, 292));
    dazu(s, klick(WEITER_X, WEITER_Y));
    dazu(s, klick(150, 292));
    dazu(s, klick(470, 292));
    dazu(s, {"game allein", "quit"});
    std::ofstream(r.server.ordner / "server.txt") << text(s);
    Skript k{"answer 0", "answer Dora Neu", "wait 1000", "game pruefsumme", "game manager"};
    dazu(k, klick(WEITER_X, WEITER_Y));
    dazu(k, klick(150, 292));
    dazu(k, klick(470, 292));
    dazu(k, {"wait 1000", "quit"});
    std::ofstream(r.client.ordner / "client.txt") << text(k);
    ASSERT_TRUE(r.spielen("", 120));

    const auto vereine = pruefsummen(r.client, "client");
    ASSERT_EQ(vereine.size(), 1u);
    const int team = vereine.begin()->first;
    std::map<int, std::string> namen;
    std::ifstream aus(r.server.ordner / "server_aus.txt");
    for (std::string zeile; std::getline(aus, zeile);) {
        int t = -1;
        char name[64] = {};
        if (std::sscanf(zeile.c_str(), "Manager %d %63[^\n]", &t, name) == 2) namen[t] = name;
    }
    ASSERT_EQ(namen.size(), 2u);
    EXPECT_EQ(namen[team], "Dora Neu");
    for (const auto& [t, name] : namen)
        if (t != team) { EXPECT_TRUE(name == "Anna" || name == "Bernd") << name; }
    // the client showed the name at once
    std::ifstream c_aus(r.client.ordner / "client_aus.txt");
    std::stringstream c_text;
    c_text << c_aus.rdbuf();
    EXPECT_NE(c_text.str().find("Manager " + std::to_string(team) + " Dora Neu"), std::string::npos);
}

}  // namespace
