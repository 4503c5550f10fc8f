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

#include "network/client.h"
#include "network/server.h"
#include "programm_lauf.h"
#include "network/netz_hilfe.h"

namespace {

using namespace programm_lauf;

pid_t starten_im_hintergrund(const Installation& inst, const std::string& name, const std::string& rolle)
{
    const std::string skript = (inst.ordner / (name + ".txt")).string();
    const std::string aus = (inst.ordner / (name + "_aus.txt")).string();
    const std::string fehler = (inst.ordner / (name + "_fehler.txt")).string();
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("DORVIN_REGISTRY", inst.registry.c_str(), 1);
        unsetenv("DORVIN_DEBUG");
        if (!std::freopen(fehler.c_str(), "w", stderr) || !std::freopen(aus.c_str(), "w", stdout)) _exit(126);
        const std::string bin = inst.bin + "/dorvin";
        execl(bin.c_str(), bin.c_str(), "--headless", "--nosound", "--role", rolle.c_str(), "--script", skript.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

// The exit code, or 200 when the process had to be stopped after the time.
int warten(pid_t pid, int sekunden)
{
    for (int i = 0; i < sekunden * 10; ++i) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        usleep(100000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return 200;
}

// "Pruefsumme CLUB CRC" lines of a process: club -> the CRCs in order.
std::map<int, std::vector<std::string>> pruefsummen(const Installation& inst, const std::string& name)
{
    std::ifstream in(inst.ordner / (name + "_aus.txt"));
    std::map<int, std::vector<std::string>> m;
    std::string wort, crc;
    int team = 0;
    while (in >> wort >> team >> crc)
        if (wort == "Pruefsumme") m[team].push_back(crc);
    return m;
}

TEST(Netz_Prozesse, ServerAndTwoClientsPlayADayAndReachTheNextRound)
{
    Installation server, eins, zwei;
    ASSERT_TRUE(server.anlegen("dorvin_netz_server"));
    ASSERT_TRUE(eins.anlegen("dorvin_netz_eins"));
    ASSERT_TRUE(zwei.anlegen("dorvin_netz_zwei"));
    // The server listens on a free port of its own; the clients' start dialogs hold it.
    const uint16_t wort = netz_test::port_wort(netz_test::freier_port());
    Server_Einstellungen_Standard();
    Server_Settings.port = wort;
    uint8_t ini[SERVER_EINSTELLUNGEN_GROESSE];
    Server_Einstellungen_Bytes(Server_Settings, ini);
    std::ofstream(fs::path(server.programm) / "dorvin_server_start_dialog_ini.bin", std::ios::binary)
        .write(reinterpret_cast<const char*>(ini), sizeof ini);
    Client_Einstellungen_Standard();
    Client_Settings.port = wort;
    uint8_t client_ini[CLIENT_EINSTELLUNGEN_GROESSE];
    Client_Einstellungen_Bytes(Client_Settings, client_ini);
    for (const Installation* c : {&eins, &zwei})
        std::ofstream(fs::path(c->programm) / "dorvin_client_dialog_ini.bin", std::ios::binary)
            .write(reinterpret_cast<const char*>(client_ini), sizeof client_ini);

    // The server: a new game with three managers, then the round of its own once both clients
    // hold their clubs (their finished turns may show a message: it is acknowledged).
    Skript s = neues_spiel({"Anna", "Bernd", "Carl"});
    s.push_back("game vereine 2");
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
    usleep(2000000);
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
