// The hostile client of the network tests: a peer on loopback that logs in, claims a club and
// sends raw blocks and remote calls to the server's real pump and handlers, in the network world
// of the database tests (the server's own manager, the hostile client's club and a third one).
#pragma once
#include "netz_hilfe.h"

#include "common/capture.h"

#include "database/db_hilfe.h"
#include "database/richter.h"
#include "gameflow/eingang.h"
#include "network/internet_read.h"
#include "network/steuersignal.h"

namespace netz_test {

inline constexpr int32_t SERVER = 1, FEIND = 2, OPFER = 3;

inline void server_schritt() { Steuersignal_Verarbeiten(); }

// Runs the server's passes until the condition holds; false after the time (real milliseconds).
inline bool schritte_bis(const std::function<bool()>& fertig, int ms = 20000)
{
    const auto ende = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!fertig()) {
        if (std::chrono::steady_clock::now() > ende) return false;
        server_schritt();
        Netz_Warten();
    }
    return true;
}

// A 32-bit image, field by field.
struct Bild {
    std::vector<uint8_t> b;
    Bild& w(uint32_t x)
    {
        b.resize(b.size() + 4);
        Bytes_Setze32(b.data() + b.size() - 4, x);
        return *this;
    }
    Bild& f(float x)
    {
        uint32_t u;
        std::memcpy(&u, &x, 4);
        return w(u);
    }
    Bild& roh(const void* d, size_t n)
    {
        const auto* p = static_cast<const uint8_t*>(d);
        b.insert(b.end(), p, p + n);
        while (b.size() % 4) b.push_back(0);
        return *this;
    }
};

// An offer of the bidder for the player of the club: a salary of 100 thousand DM for two years.
inline Spieler_Angebot angebot_von(int32_t bieter, int32_t verein, int32_t spnr, uint16_t abloese)
{
    Spieler_Angebot a{};
    a.bieter = uint16_t(bieter);
    a.verein = uint16_t(verein);
    a.spnr = uint16_t(spnr);
    a.abloese = abloese;
    a.gehalt = 100;
    a.monate = 24;
    return a;
}

struct Feind_Peer {
    Roh roh;
    // Whether the server took the log-in.
    bool angenommen = false;
    explicit Feind_Peer(uint16_t port, const char* name = "Feind") : Feind_Peer(Roh(port), name) {}
    Feind_Peer(Roh&& r, const char* name) : roh(r.fd)
    {
        r.fd = -1;
        roh.nachricht(NETZ_TYP_LOGIN, login_bytes(name, 2, 2));
        std::vector<uint8_t> d;
        EXPECT_EQ(roh.nachricht_lesen(&d, server_schritt), NETZ_TYP_ANTWORT);
        Mw_User_Login a{};
        if (d.size() == MW_USER_LOGIN_GROESSE) Mw_User_Login_Lesen(d.data(), &a);
        angenommen = a.middle_ware_response == MW_ANTWORT_ANGENOMMEN;
    }
    // Whether the server has ended the connection (what it sent before is read and dropped).
    bool beendet() const
    {
        uint8_t b[4096];
        ssize_t r;
        while ((r = recv(roh.fd, b, sizeof b, MSG_DONTWAIT)) > 0) {
        }
        return r == 0;
    }
    void block(const std::vector<uint8_t>& b) const { roh.senden(gepackt_gerahmt(b)); }
    void steuersignal(uint32_t code, int32_t team) const { block(Bild().w(STEUERSIGNAL_MARKE).w(code).w(uint32_t(team)).b); }
    // A remote call; the reply's block (after its format), or empty when the reply did not come.
    std::vector<uint8_t> aufruf(uint32_t nr, const std::string& format, const std::vector<uint8_t>& daten,
                                int32_t team = FEIND) const
    {
        std::vector<uint8_t> m = Bild().w(INTERNET_MARKE).w(nr).w(uint32_t(format.size() + 1)).w(uint32_t(team)).b;
        m.insert(m.end(), format.begin(), format.end());
        m.push_back(0);
        m.insert(m.end(), daten.begin(), daten.end());
        block(m);
        for (int i = 0; i < 50; ++i) {
            const std::vector<uint8_t> a = block_lesen(roh, server_schritt);
            if (a.empty()) return {};
            if (a.size() < 12 || Bytes_Hole32(a.data()) != INTERNET_MARKE || Bytes_Hole32(a.data() + 4) != nr) continue;
            const uint32_t l = Bytes_Hole32(a.data() + 8);
            return std::vector<uint8_t>(a.begin() + 12 + l, a.end());
        }
        return {};
    }
};

// The network world of the database tests, a server with its own manager, the hostile client's
// club and a third manager's club.
struct Feind : Netz_Test {
    void SetUp() override
    {
        Netz_Test::SetUp();
        Internet_Fern_Anbinden();
        Test_Netz_Welt_Anlegen();
        Manager_Neuer_Mitspieler(SERVER, "Server");
        Manager_Neuer_Mitspieler(FEIND, "Feind");
        Manager_Neuer_Mitspieler(OPFER, "Opfer");
        Server_Team = SERVER;
        Eingang_Set_Spiel_Gestartet(true);
    }
    void TearDown() override
    {
        Test_Bank_Loslassen();
        Eingang_Set_Spiel_Gestartet(false);
        Server_Team = -1;
        Test_Welt_Aufraeumen();
        Netz_Test::TearDown();
    }
    // A peer that has claimed the club.
    std::unique_ptr<Feind_Peer> mit_verein(int32_t team = FEIND)
    {
        auto p = std::make_unique<Feind_Peer>(tcp_port);
        p->steuersignal(SIGNAL_TEAM_NR, team);
        EXPECT_TRUE(schritte_bis([team] { return Netzuser_Get_By_Team(team) != nullptr; }));
        return p;
    }
};

}  // namespace netz_test
