// Networked runs of the installed program on loopback: a server and its clients in processes of
// their own, the port they share, and the check sums they print.
#pragma once
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "network/client.h"
#include "../network/netz_hilfe.h"
#include "network/server.h"
#include "programm_lauf.h"

namespace netz_lauf {

using namespace programm_lauf;

// Runs started while it is set print their error texts to NAME_fehler.txt (DORVIN_DEBUG=1).
inline bool fehler_texte_drucken = false;

// The lines of a run's error texts that hold `text`.
inline int fehler_zaehlen(const Installation& inst, const std::string& name, const std::string& text)
{
    std::ifstream in(inst.ordner / (name + "_fehler.txt"));
    int n = 0;
    for (std::string zeile; std::getline(in, zeile);) n += zeile.find(text) != std::string::npos;
    return n;
}

// The program under the script NAME.txt of the installation's folder in the role given; `spielstand`
// a savegame to load from the command line.
inline pid_t starten_im_hintergrund(const Installation& inst, const std::string& name, const std::string& rolle,
                                    const std::string& spielstand = "")
{
    const std::string skript = (inst.ordner / (name + ".txt")).string();
    const std::string aus = (inst.ordner / (name + "_aus.txt")).string();
    const std::string fehler = (inst.ordner / (name + "_fehler.txt")).string();
    const pid_t pid = fork();
    if (pid == 0) {
        // a test or benchmark that dies leaves no program behind
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        setenv("DORVIN_REGISTRY", inst.registry.c_str(), 1);
        if (fehler_texte_drucken) setenv("DORVIN_DEBUG", "1", 1);
        else unsetenv("DORVIN_DEBUG");
        if (!std::freopen(fehler.c_str(), "w", stderr) || !std::freopen(aus.c_str(), "w", stdout)) _exit(126);
        const std::string bin = inst.bin + "/dorvin";
        if (spielstand.empty())
            execl(bin.c_str(), bin.c_str(), "--headless", "--nosound", "--role", rolle.c_str(), "--script", skript.c_str(),
                  static_cast<char*>(nullptr));
        else
            execl(bin.c_str(), bin.c_str(), "--headless", "--nosound", "--role", rolle.c_str(), "--script", skript.c_str(),
                  spielstand.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

// True once a server listens on the port of the loopback address, within the time: clients
// started earlier would find no server and end, on a busy machine too. The probing connection
// closes before it logs in.
inline bool server_lauscht(uint16_t port, int sekunden)
{
    for (int i = 0; i < sekunden * 10; ++i) {
        const int fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(port);
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        const bool offen = fd >= 0 && connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
        if (fd >= 0) close(fd);
        if (offen) return true;
        usleep(100000);
    }
    return false;
}

// The exit code, or 200 when the process had to be stopped after the time.
inline int warten(pid_t pid, int sekunden)
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

// The program under NAME.txt ended with 0 within the time; else its code and standard error.
inline testing::AssertionResult gut_beendet(pid_t pid, const Installation& inst, const std::string& name, int sekunden)
{
    const int code = warten(pid, sekunden);
    if (code == 0) return testing::AssertionSuccess();
    return testing::AssertionFailure() << name << " endete mit " << code << "\n"
                                       << netz_test::datei_lesen((inst.ordner / (name + "_fehler.txt")).string());
}

// "Pruefsumme CLUB CRC" lines of a process: club -> the CRCs in order.
inline std::map<int, std::vector<std::string>> pruefsummen(const Installation& inst, const std::string& name)
{
    std::ifstream in(inst.ordner / (name + "_aus.txt"));
    std::map<int, std::vector<std::string>> m;
    std::string wort, crc;
    int team = 0;
    while (in >> wort >> team >> crc)
        if (wort == "Pruefsumme") m[team].push_back(crc);
    return m;
}

// The clients' start dialogs hold the port they connect to.
inline void clients_einrichten(std::initializer_list<const Installation*> clients, uint16_t port)
{
    Client_Einstellungen_Standard();
    Client_Settings.port = port;
    uint8_t client_ini[CLIENT_EINSTELLUNGEN_GROESSE];
    Client_Einstellungen_Bytes(Client_Settings, client_ini);
    for (const Installation* c : clients)
        std::ofstream(fs::path(c->programm) / "dorvin_client_dialog_ini.bin", std::ios::binary)
            .write(reinterpret_cast<const char*>(client_ini), sizeof client_ini);
}

// The server listens on a free port of its own; the clients' start dialogs hold it. The port.
inline uint16_t port_einrichten(const Installation& server, std::initializer_list<const Installation*> clients)
{
    const uint16_t port = netz_test::freier_port(), wort = port;
    Server_Einstellungen_Standard();
    Server_Settings.port = wort;
    uint8_t ini[SERVER_EINSTELLUNGEN_GROESSE];
    Server_Einstellungen_Bytes(Server_Settings, ini);
    std::ofstream(fs::path(server.programm) / "dorvin_server_start_dialog_ini.bin", std::ios::binary)
        .write(reinterpret_cast<const char*>(ini), sizeof ini);
    clients_einrichten(clients, port);
    return port;
}

// The programs a test started that still run: a test that stops early leaves none behind.
inline void uebrige_beenden(const std::vector<pid_t>& gestartet)
{
    for (pid_t pid : gestartet)
        if (pid > 0 && waitpid(pid, nullptr, WNOHANG) == 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
}

// A server's and two clients' program folders and the port they share.
struct Drei_Rechner {
    Installation server, eins, zwei;
    uint16_t port = 0;
    std::vector<pid_t> gestartet;

    // A test that stops early leaves no program running and no folder behind.
    ~Drei_Rechner()
    {
        uebrige_beenden(gestartet);
        aufraeumen();
    }

    // Folders named after the test; false when the data builder or the installer failed.
    bool anlegen(const std::string& name)
    {
        if (!server.anlegen("dorvin_" + name + "_server") || !eins.anlegen("dorvin_" + name + "_eins") ||
            !zwei.anlegen("dorvin_" + name + "_zwei"))
            return false;
        port = port_einrichten(server, {&eins, &zwei});
        return true;
    }
    // The server under server.txt (loading `spielstand` when given), then, once it listens, the
    // clients under their client.txt; false when the server never listened.
    bool starten(pid_t* s, pid_t* e, pid_t* z, const std::string& spielstand = "")
    {
        *s = starten_im_hintergrund(server, "server", "server", spielstand);
        gestartet.push_back(*s);
        // The clients come once the server listens (its start takes a moment).
        *e = *z = -1;
        if (!server_lauscht(port, 60)) return false;
        *e = starten_im_hintergrund(eins, "client", "client");
        *z = starten_im_hintergrund(zwei, "client", "client");
        gestartet.insert(gestartet.end(), {*e, *z});
        return true;
    }
    // As starten, on the new game that server_erste_runde makes. Its managers draw their clubs,
    // and club 0 is no club a client can hold: a game in which a manager drew it is made again,
    // a second later (other clubs) and on a new port.
    bool neu_starten(pid_t* s, pid_t* e, pid_t* z)
    {
        for (int versuch = 0; versuch < 4; ++versuch) {
            if (!starten(s, e, z)) return false;
            std::map<int, std::vector<std::string>> vereine;
            for (int i = 0; i < 1200 && vereine.size() < 3 && waitpid(*s, nullptr, WNOHANG) == 0; ++i) {
                usleep(100000);
                vereine = pruefsummen(server, "server");
            }
            if (vereine.size() == 3 && !vereine.count(0)) return true;
            for (pid_t pid : {*s, *e, *z}) {
                kill(pid, SIGKILL);
                waitpid(pid, nullptr, 0);
            }
            sleep(1);
            port = port_einrichten(server, {&eins, &zwei});
        }
        return false;
    }
    // What the three printed: club -> its sums, and the clubs the clients hold.
    struct Summen {
        std::map<int, std::vector<std::string>> eins, zwei, server;
        int team_eins = -1, team_zwei = -1;
    };
    // Waits for the three to end well (the first client up to `sekunden_eins`, the others up to
    // `sekunden` after it) and reads their sums: each client printed its club, the two clubs
    // differ, and the server printed both.
    testing::AssertionResult beendet(pid_t s, pid_t e, pid_t z, int sekunden_eins, int sekunden, Summen* d)
    {
        for (auto [pid, inst, name, zeit] : {std::tuple{e, &eins, "client", sekunden_eins}, std::tuple{z, &zwei, "client", sekunden},
                                            std::tuple{s, &server, "server", sekunden}})
            if (auto gut = gut_beendet(pid, *inst, name, zeit); !gut) return gut;
        d->eins = pruefsummen(eins, "client");
        d->zwei = pruefsummen(zwei, "client");
        d->server = pruefsummen(server, "server");
        if (d->eins.size() != 1 || d->zwei.size() != 1)
            return testing::AssertionFailure() << "Vereine der Clients: " << d->eins.size() << ", " << d->zwei.size();
        d->team_eins = d->eins.begin()->first;
        d->team_zwei = d->zwei.begin()->first;
        if (d->team_eins == d->team_zwei) return testing::AssertionFailure() << "beide Clients halten " << d->team_eins;
        if (!d->server.count(d->team_eins) || !d->server.count(d->team_zwei))
            return testing::AssertionFailure() << "der Server nennt nicht beide Vereine der Clients";
        return testing::AssertionSuccess();
    }
    // A run with a failed test keeps its folders to be looked at.
    void aufraeumen()
    {
        if (testing::UnitTest::GetInstance()->failed_test_count() > 0) return;
        for (const Installation* i : {&server, &eins, &zwei})
            if (!i->ordner.empty()) fs::remove_all(i->ordner);
    }
};

// A server's and one client's program folders and the port they share. A test that failed keeps
// its folders to be looked at; no program outlives it.
struct Zwei_Rechner {
    Installation server, client;
    uint16_t port = 0;
    std::vector<pid_t> gestartet;

    ~Zwei_Rechner()
    {
        uebrige_beenden(gestartet);
        if (testing::Test::HasFailure()) return;
        for (const Installation* i : {&server, &client})
            if (!i->ordner.empty()) fs::remove_all(i->ordner);
    }
    bool anlegen(const std::string& name)
    {
        if (!server.anlegen("dorvin_" + name + "_server") || !client.anlegen("dorvin_" + name + "_client")) return false;
        port = port_einrichten(server, {&client});
        return true;
    }
    // The server under server.txt (loading `spielstand` when given), then, once it listens and
    // `vor_client` (when given) has returned, the client under client.txt; both must end well,
    // the client within 120 s, the server within `sekunden` after it.
    testing::AssertionResult spielen(const std::string& spielstand = "", int sekunden = 60,
                                     const std::function<void(pid_t)>& vor_client = {})
    {
        const pid_t s = starten_im_hintergrund(server, "server", "server", spielstand);
        gestartet.push_back(s);
        if (!server_lauscht(port, 60)) return testing::AssertionFailure() << "der Server lauscht nicht auf " << port;
        if (vor_client) vor_client(s);
        const pid_t c = starten_im_hintergrund(client, "client", "client");
        gestartet.push_back(c);
        const testing::AssertionResult c_gut = gut_beendet(c, client, "client", 120);
        const testing::AssertionResult s_gut = gut_beendet(s, server, "server", sekunden);
        if (c_gut && s_gut) return testing::AssertionSuccess();
        testing::AssertionResult f = testing::AssertionFailure();
        if (!c_gut) f << c_gut.message() << (s_gut ? "" : "; ");
        if (!s_gut) f << s_gut.message();
        return f;
    }
};

// The server's script of a test that drives one client: a new game of two managers, its own
// round held until the client has claimed a club and left again.
inline void server_haelt_runde(const Installation& server)
{
    Skript s = neues_spiel({"Anna", "Bernd"});
    dazu(s, {"game vereine 1", "game allein", "quit"});
    std::ofstream(server.ordner / "server.txt") << text(s);
}

// A turn: the continue icon, "Ja" where the line-up is short of eleven, "OK" where a captain is
// named, then the match day played out untouched.
inline Skript zug()
{
    Skript s = klick(WEITER_X, WEITER_Y);
    dazu(s, klick(150, 292));
    dazu(s, klick(470, 292));
    s.push_back(SPIELTAG_ABWARTEN);
    return s;
}

// A networked live match day to its final whistle, however long it takes: the match day's clock
// runs on while a PC waits for a slower one or for the line (the longer the slower, `mal` times
// the span of a day over a fast one), so the clicks that answer the taker's panels outlast any
// such day, and what is left of them runs on the next day's menu at once. The script then holds
// until the day is over: a PC that quit before would rightly be reported without a connection.
inline void live_bis_zum_abpfiff(Skript& s, int mal = 1)
{
    live_spieltag(s, 1200 * mal);
    s.push_back(SPIELTAG_ABWARTEN);
}

// "Spieltag CLUB TODAY DAY" of a run: today and the club's next day with a game.
inline bool spieltag_lesen(const Installation& inst, const std::string& name, int* heute, int* tag)
{
    std::ifstream in(inst.ordner / (name + "_aus.txt"));
    std::string wort;
    int team = 0;
    while (in >> wort)
        if (wort == "Spieltag" && in >> team >> *heute >> *tag) return true;
    return false;
}

// The server's folder gets the savegame "vorbereitet": a new game of the managers, saved in the
// first round of the day on which their clubs play next (they share a league). Club 0 is no club
// a client can hold: a game in which a manager drew it is made again (a second later, so with
// other clubs). False when it could not be made.
inline bool vor_dem_spieltag(const Installation& server, const std::vector<std::string>& manager)
{
    // A new game, saved at once; its first manager's next match day.
    Skript s = neues_spiel(manager);
    s.push_back(UEBERTRAGUNG_AUS);
    s.push_back("game pruefsumme -2");
    s.push_back("game spieltag");
    optionen(s, SPEICHERN_NEU, "anfang");
    s.push_back("quit");
    std::ofstream(server.ordner / "anfang.txt") << text(s);
    bool neu = false;
    for (int versuch = 0; versuch < 4 && !neu; ++versuch) {
        if (warten(starten_im_hintergrund(server, "anfang", "server"), 240) != 0) return false;
        const auto vereine = pruefsummen(server, "anfang");
        neu = vereine.size() == manager.size() && !vereine.count(0);
        if (!neu) sleep(1);
    }
    int heute = -1, tag = -1;
    if (!neu || !spieltag_lesen(server, "anfang", &heute, &tag) || tag < heute || tag - heute > 60) return false;
    // Every manager's turn up to that day, then the save in its first turn.
    Skript w{"wait 1000"};
    for (size_t t = 0; t < manager.size() * size_t(tag - heute); ++t) dazu(w, zug());
    w.push_back("game spieltag");
    optionen(w, SPEICHERN_NEU, "vorbereitet");
    w.push_back("quit");
    std::ofstream(server.ordner / "vorbereiten.txt") << text(w);
    if (warten(starten_im_hintergrund(server, "vorbereiten", "server", "anfang"), 600) != 0) return false;
    int h2 = -1, t2 = -1;
    return spieltag_lesen(server, "vorbereiten", &h2, &t2) && h2 == tag && t2 == tag &&
           fs::exists(server.spielstand("vorbereitet"));
}

// The server's first round of a new game of three managers once both clients hold their clubs:
// every club is printed while both are still there (a client may leave the next day before the
// server's own round begins), its finished turns' messages are acknowledged, its turn ends.
inline Skript server_erste_runde()
{
    Skript s = neues_spiel({"Anna", "Bernd", "Carl"});
    dazu(s, {"game pruefsumme -2", "game vereine 2", "game pruefsumme -1"});
    dazu(s, klick(470, 292));
    dazu(s, klick(470, 292));
    dazu(s, klick(WEITER_X, WEITER_Y));
    return s;
}

}  // namespace netz_lauf
