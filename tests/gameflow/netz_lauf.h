// Networked runs of the installed program on loopback: a server and its clients in processes of
// their own, the port they share, and the check sums they print.
#pragma once
#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "network/client.h"
#include "../network/netz_hilfe.h"
#include "network/server.h"
#include "programm_lauf.h"

namespace netz_lauf {

using namespace programm_lauf;

inline pid_t starten_im_hintergrund(const Installation& inst, const std::string& name, const std::string& rolle)
{
    const std::string skript = (inst.ordner / (name + ".txt")).string();
    const std::string aus = (inst.ordner / (name + "_aus.txt")).string();
    const std::string fehler = (inst.ordner / (name + "_fehler.txt")).string();
    const pid_t pid = fork();
    if (pid == 0) {
        // a test or benchmark that dies leaves no program behind
        prctl(PR_SET_PDEATHSIG, SIGKILL);
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
    Client_Einstellungen_Standard();
    Client_Settings.port = wort;
    uint8_t client_ini[CLIENT_EINSTELLUNGEN_GROESSE];
    Client_Einstellungen_Bytes(Client_Settings, client_ini);
    for (const Installation* c : clients)
        std::ofstream(fs::path(c->programm) / "dorvin_client_dialog_ini.bin", std::ios::binary)
            .write(reinterpret_cast<const char*>(client_ini), sizeof client_ini);
    return port;
}

}  // namespace netz_lauf
