// Shared set-up of the network tests: a fresh working folder per test, a free loopback port,
// raw-socket peers written here, forked client processes, and a clock the test drives.
#pragma once
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "network/client.h"
#include "network/mw_user_login.h"
#include "network/netz.h"
#include "network/netzuser.h"
#include "network/server.h"
#include "network/socket.h"
#include "platform/bytes.h"
#include "platform/compress.h"
#include "platform/mem.h"
#include "platform/os/os.h"
#include "platform/os/os_socket.h"
#include "platform/win95.h"

namespace netz_test {

inline uint32_t uhr_wert = 1000;
inline uint32_t test_uhr() { return uhr_wert; }

inline std::string datei_lesen(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void datei_schreiben(const std::string& name, const std::string& inhalt)
{
    std::ofstream(name, std::ios::binary) << inhalt;
}

// Closes every socket of this process's table (a forked child drops the parent's copies).
inline void tabelle_schliessen()
{
    for (auto& s : Socket_Tabelle)
        if (s.sock) Os_Socket_Close(s.sock);
    Socket_Init_Socket_Info_Struc();
    Socket_Auslaufende_Schliessen();
    Socket_Set_Abweisung(nullptr, 0);
    for (auto& m : Mitspieler) Netzuser_Loeschen(&m);
    Server_Lauschend = nullptr;
    Client_Sock = nullptr;
    Os_Clear_Messages();
}

// A free TCP port whose port word prints with four hex digits. It is drawn at random below the
// system's range for outgoing connections: a port the system just gave out and took back may go
// to another test's client a moment later, and parallel tests must not meet on one port.
inline uint16_t freier_port()
{
    int unten = 32768;
    if (FILE* f = std::fopen("/proc/sys/net/ipv4/ip_local_port_range", "r")) {
        if (std::fscanf(f, "%d", &unten) != 1) unten = 32768;
        std::fclose(f);
    }
    std::random_device quelle;
    for (int versuch = 0; versuch < 1000; ++versuch) {
        const uint32_t oben = unten > 12000 ? uint32_t(unten) : 65536u;
        const uint16_t port = uint16_t(10000 + quelle() % (oben - 10000));
        if ((port & 0xFF) < 0x10) continue;
        int fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = htons(port);
        const bool frei = bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
        close(fd);
        if (frei) return port;
    }
    // Nothing free down there: one the system gives out.
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t n = sizeof a;
    getsockname(fd, reinterpret_cast<sockaddr*>(&a), &n);
    close(fd);
    return ntohs(a.sin_port);
}

struct Netz_Test : ::testing::Test {
    std::string ordner;
    std::string alt_ordner;
    uint16_t tcp_port = 0;
    std::vector<std::string> log;

    void SetUp() override
    {
        char cwd[4096];
        alt_ordner = getcwd(cwd, sizeof cwd) ? cwd : ".";
        char vorlage[] = "/tmp/netz_test_XXXXXX";
        ordner = mkdtemp(vorlage);
        ASSERT_EQ(chdir(ordner.c_str()), 0);
        setenv("DORVIN_REGISTRY", (ordner + "/registry").c_str(), 1);
        mkdir_p("config_files");
        mkdir_p("server_logfiles");
        version("2.2");
        tabelle_schliessen();
        Win95_Set_Socket_Hook(Socket_Window_Message);
        Socket_Set_Log_Hook([this](int, const char* t) { log.emplace_back(t); });
        uhr_wert = 1000;
        tcp_port = freier_port();
    }

    void TearDown() override
    {
        tabelle_schliessen();
        Socket_Set_Log_Hook({});
        Socket_Set_Uhr(nullptr);
        Socket_Set_Recv_Hook(nullptr);
        Win95_Netz_Modus = 0;
        if (chdir(alt_ordner.c_str()) != 0) ADD_FAILURE() << "chdir";
        std::string cmd = "rm -rf '" + ordner + "'";
        if (std::system(cmd.c_str()) != 0) ADD_FAILURE() << cmd;
    }

    static void mkdir_p(const std::string& name) { std::system(("mkdir -p '" + name + "'").c_str()); }
    static void version(const std::string& v) { datei_schreiben("config_files/version.cfg", v); }

    bool log_hat(const std::string& teil) const
    {
        for (const auto& t : log)
            if (t.find(teil) != std::string::npos) return true;
        return false;
    }

    // Starts the server on the test's port through its headless start dialog.
    void server_starten()
    {
        Server_Einstellungen_Standard();
        Server_Settings.port = tcp_port;
        ASSERT_TRUE(Server_Einstellungen_Schreiben());
        Win95_Netz_Modus = 2;
        ASSERT_EQ(Server_Start(nullptr, nullptr, ""), 1) << Server_Settings.fehler_text;
    }

    // Pumps the server until the condition holds or 20 s of real time have passed.
    static bool pumpen_bis(const std::function<bool()>& fertig, int ms = 20000)
    {
        auto ende = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (!fertig()) {
            if (std::chrono::steady_clock::now() > ende) return false;
            Netz_Server_Pumpe();
            Netz_Warten();
        }
        return true;
    }

    // Runs the body in a child process as a client of the test's server; the exit code of the
    // body (or 100 + signal) comes back once the child has ended, the server pumping meanwhile.
    int client_prozess(const std::function<int()>& koerper, const std::function<void()>& waehrend = {})
    {
        std::fflush(nullptr);
        pid_t pid = fork();
        if (pid == 0) {
            std::freopen("client_stderr.txt", "w", stderr);
            tabelle_schliessen();
            Socket_Set_Uhr(nullptr);
            Win95_Netz_Modus = 1;
            int code = koerper();
            std::fflush(nullptr);
            _exit(code);
        }
        int status = 0;
        pumpen_bis([&] {
            if (waehrend) waehrend();
            return waitpid(pid, &status, WNOHANG) == pid;
        }, 60000);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
    }

    // Connects and logs in as "Tester"; 1 on success.
    int client_anmelden(const char* name = "Tester")
    {
        const uint8_t ip[4] = {127, 0, 0, 1};
        return Client_Connect(nullptr, nullptr, name, "geheim", ip, tcp_port);
    }
};

// A connection to the port from the loopback address given (host order, 127.x.y.z): the whole
// 127.0.0.0/8 range is this machine's, so a test has as many peer addresses as it needs.
inline int verbinden_von(uint32_t adresse, uint16_t port, int art = SOCK_STREAM)
{
    const int fd = socket(AF_INET, art, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(adresse);
    if (bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) ADD_FAILURE() << "bind " << std::hex << adresse;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 && !(art & SOCK_NONBLOCK)) ADD_FAILURE() << "connect";
    return fd;
}

// A raw TCP peer of the test's own making.
struct Roh {
    int fd = -1;
    explicit Roh(uint16_t tcp_port)
    {
        fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(tcp_port);
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) ADD_FAILURE() << "connect";
    }
    explicit Roh(int f) : fd(f) {}
    ~Roh() { schliessen(); }
    void schliessen()
    {
        if (fd >= 0) close(fd);
        fd = -1;
    }
    void senden(const std::vector<uint8_t>& b) const
    {
        size_t pos = 0;
        while (pos < b.size()) {
            ssize_t n = send(fd, b.data() + pos, b.size() - pos, MSG_NOSIGNAL);
            if (n <= 0) return;
            pos += size_t(n);
        }
    }
    void nachricht(uint32_t typ, const std::vector<uint8_t>& daten) const { senden(rahmen(typ, daten)); }
    // Reads exactly n bytes, pumping the given step while none are there; false after 20 s.
    bool lesen(uint8_t* ziel, size_t n, const std::function<void()>& schritt = {}) const
    {
        size_t pos = 0;
        auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (pos < n) {
            ssize_t r = recv(fd, ziel + pos, n - pos, MSG_DONTWAIT);
            if (r > 0) {
                pos += size_t(r);
                continue;
            }
            if (r == 0 || std::chrono::steady_clock::now() > ende) return false;
            if (schritt) schritt();
            else usleep(1000);
        }
        return true;
    }
    // One message: its type and data; type 0 when none came.
    uint32_t nachricht_lesen(std::vector<uint8_t>* daten, const std::function<void()>& schritt = {}) const
    {
        uint8_t kopf[20];
        if (!lesen(kopf, 20, schritt)) return 0;
        if (Bytes_Hole32(kopf) != SOCKET_DATA_KENNUNG) return 0;
        daten->assign(Bytes_Hole32(kopf + 8), 0);
        if (!daten->empty() && !lesen(daten->data(), daten->size(), schritt)) return 0;
        return Bytes_Hole32(kopf + 4);
    }
    static std::vector<uint8_t> rahmen(uint32_t typ, const std::vector<uint8_t>& daten)
    {
        uint8_t kopf[20] = {};
        Bytes_Setze32(kopf, SOCKET_DATA_KENNUNG);
        Bytes_Setze32(kopf + 4, typ);
        Bytes_Setze32(kopf + 8, uint32_t(daten.size()));
        std::vector<uint8_t> b(kopf, kopf + 20);
        b.insert(b.end(), daten.begin(), daten.end());
        return b;
    }
};

inline std::vector<uint8_t> login_bytes(const char* name, uint32_t major, uint32_t minor)
{
    Mw_User_Login r{};
    std::memcpy(r.user_name, name, std::min<size_t>(std::strlen(name), 40));
    std::memcpy(r.pass_word, "pw", 2);
    r.hardware_id = 255;
    r.major_version = major;
    r.minor_version = minor;
    r.language = 1;
    std::vector<uint8_t> b(MW_USER_LOGIN_GROESSE);
    Mw_User_Login_Schreiben(r, b.data());
    return b;
}

// Bytes that do not pack: a seeded xorshift sequence.
inline std::vector<uint8_t> zufall_bytes(size_t n, uint32_t seed)
{
    std::vector<uint8_t> b(n);
    uint32_t s = seed ? seed : 1;
    for (auto& x : b) {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        x = uint8_t(s >> 24);
    }
    return b;
}

}  // namespace netz_test

namespace netz_test {

// A block as the program's client sends it: packed, as one message or announced and in pieces.
inline std::vector<uint8_t> gepackt_gerahmt(const std::vector<uint8_t>& block)
{
    uint32_t g = 0;
    uint8_t* p = Compress_Block(block.data(), uint32_t(block.size()), &g);
    std::vector<uint8_t> paket(p, p + g);
    Mem_Free(p, 0);
    if (g < SOCKET_MAX_DATA_SIZE) return Roh::rahmen(CLIENT_DATA_SIMPLE, paket);
    std::vector<uint8_t> kopf(4);
    Bytes_Setze32(kopf.data(), g);
    std::vector<uint8_t> aus = Roh::rahmen(CLIENT_DATA_KOMPLEX_FIRST, kopf);
    for (uint32_t pos = 0; pos < g; pos += NETZ_STUECK) {
        const auto r = Roh::rahmen(CLIENT_DATA_KOMPLEX,
                                   std::vector<uint8_t>(paket.begin() + pos, paket.begin() + std::min(g, pos + NETZ_STUECK)));
        aus.insert(aus.end(), r.begin(), r.end());
    }
    return aus;
}

// The next whole block the server sends the peer, unpacked; empty when none comes.
inline std::vector<uint8_t> block_lesen(const Roh& peer, const std::function<void()>& schritt)
{
    std::vector<uint8_t> d, paket;
    uint32_t erwartet = 0;
    for (;;) {
        const uint32_t typ = peer.nachricht_lesen(&d, schritt);
        if (typ == CLIENT_DATA_SIMPLE) {
            paket = d;
            break;
        }
        if (typ == CLIENT_DATA_KOMPLEX_FIRST && d.size() == 4) {
            erwartet = Bytes_Hole32(d.data());
            paket.clear();
            continue;
        }
        if (typ == CLIENT_DATA_KOMPLEX) {
            paket.insert(paket.end(), d.begin(), d.end());
            if (paket.size() >= erwartet) break;
            continue;
        }
        if (typ == 0) return {};
    }
    uint32_t n = 0;
    uint8_t* b = Decompress_Block(paket.data(), uint32_t(paket.size()), &n);
    if (!b) return {};
    std::vector<uint8_t> aus(b, b + n);
    Mem_Free(b, 0);
    return aus;
}

}  // namespace netz_test
