// Many connections on loopback, each from an address of 127.0.0.0/8: the bound per address as
// the server's setting, one address that re-opens connections without end, and crowds of
// participants that never take a club; a newcomer from elsewhere gets in and gets his club all
// the same.
#include "feind_hilfe.h"

#include "network/server.h"

using namespace netz_test;

namespace {

struct Adressen : Feind {
    // A log-in from 127.0.0.x: the server's answer, or a record with no answer at all.
    Mw_User_Login anmelden(std::vector<std::unique_ptr<Roh>>& peers, uint8_t x, const char* name = "Menge")
    {
        peers.push_back(std::make_unique<Roh>(verbinden_von(0x7F000000u | x, tcp_port)));
        peers.back()->nachricht(NETZ_TYP_LOGIN, login_bytes(name, 2, 2));
        std::vector<uint8_t> d;
        Mw_User_Login r{};
        if (peers.back()->nachricht_lesen(&d, server_schritt) == NETZ_TYP_ANTWORT && d.size() == MW_USER_LOGIN_GROESSE)
            Mw_User_Login_Lesen(d.data(), &r);
        return r;
    }

    // A participant from 127.0.0.x, that looks at the free clubs when asked and is let in.
    std::unique_ptr<Feind_Peer> teilnehmer(uint8_t x, const char* name, bool liste)
    {
        auto p = std::make_unique<Feind_Peer>(Roh(verbinden_von(0x7F000000u | x, tcp_port)), name);
        if (liste && p->angenommen) EXPECT_EQ(p->aufruf(17, "vC<46I<4", Bild().w(1).w(1).b, -1).size(), 60u);
        return p;
    }

    // 33 addresses with eight participants each, the first of them a manager holding his club,
    // the rest without one; whoever of them is thrown out logs in again at once, sixteen a second
    // at most. Two newcomers one after the other, each from an address of its own, look at the
    // free clubs for 30 s and then claim one.
    void menge_gegen_neulinge(bool liste)
    {
        Socket_Set_Uhr(test_uhr);
        server_starten();
        const auto manager = teilnehmer(10, "Manager", true);
        manager->steuersignal(SIGNAL_TEAM_NR, FEIND);
        ASSERT_TRUE(schritte_bis([] { return Netzuser_Get_By_Team(FEIND) != nullptr; }));
        struct Platz {
            uint8_t x;
            std::unique_ptr<Feind_Peer> p;
        };
        std::vector<Platz> menge;
        for (uint8_t x = 10; x < 43; ++x)
            for (int i = x == 10; i < NETZ_ANMELDUNGEN_PRO_ADRESSE; ++i) {
                ++uhr_wert;
                menge.push_back({x, teilnehmer(x, "Menge", liste)});
            }
        int wieder = 0;
        const auto wiederkehr = [&] {
            int n = 0;
            for (Platz& p : menge)
                if (n < 16 && p.p->beendet()) {
                    p.p = teilnehmer(p.x, "Menge", liste);
                    n += p.p->angenommen;
                }
            wieder += n;
        };
        for (const auto& [x, name] : {std::pair<uint8_t, const char*>{200, "Neuling"}, {201, "Zweiter"}}) {
            ++uhr_wert;
            auto neu = teilnehmer(x, name, true);
            ASSERT_TRUE(neu->angenommen) << name;
            for (int sekunde = 0; sekunde < 30; ++sekunde) {
                uhr_wert += 1000;
                wiederkehr();
            }
            ASSERT_FALSE(neu->beendet()) << name << " was thrown out while looking at the list";
            neu->steuersignal(SIGNAL_TEAM_NR, OPFER);
            EXPECT_TRUE(schritte_bis([name] {
                const Mitspieler_Eintrag* m = Netzuser_Get_By_Team(OPFER);
                return m && std::strcmp(m->user_name, name) == 0;
            })) << name;
            // it leaves, and its club is free for the next
            neu.reset();
            ASSERT_TRUE(schritte_bis([] { return Netzuser_Get_By_Team(OPFER) == nullptr; }));
        }
        EXPECT_GT(wieder, 2 * SERVER_OHNE_VEREIN_MAX) << "the crowd came back again and again";
        EXPECT_FALSE(manager->beendet());
        const Mitspieler_Eintrag* m = Netzuser_Get_By_Team(FEIND);
        EXPECT_TRUE(m && std::strcmp(m->user_name, "Manager") == 0) << "the manager kept his club";
    }
};

}  // namespace

// The bound per address comes from the configuration folder's file: twelve managers behind one
// address log in, a thirteenth does not. A file without a number of 1 to 256 leaves the bound
// of eight and says so.
TEST_F(Adressen, TheBoundPerAddressIsTheServersSetting)
{
    datei_schreiben(std::string("config_files/") + SERVER_ADRESSGRENZE_DATEI, "12\n");
    server_starten();
    EXPECT_EQ(Server_Settings.anmeldungen_pro_adresse, 12);
    std::vector<std::unique_ptr<Roh>> peers;
    for (int i = 0; i < 12; ++i) EXPECT_EQ(anmelden(peers, 9).middle_ware_response, MW_ANTWORT_ANGENOMMEN) << i;
    const Mw_User_Login r = anmelden(peers, 9);
    EXPECT_EQ(r.middle_ware_response, 0u);
    EXPECT_STREQ(r.message_to_user, "Zu viele Anmeldungen von Ihrer Adresse");
    peers.clear();
    ASSERT_TRUE(pumpen_bis([] { return Netzuser_Anzahl() == 0; }));
    Server_Shutdown();

    for (const char* falsch : {"0", "257", "viele", ""}) {
        datei_schreiben(std::string("config_files/") + SERVER_ADRESSGRENZE_DATEI, falsch);
        log.clear();
        server_starten();
        EXPECT_EQ(Server_Settings.anmeldungen_pro_adresse, NETZ_ANMELDUNGEN_PRO_ADRESSE) << falsch;
        EXPECT_TRUE(log_hat(SERVER_ADRESSGRENZE_DATEI)) << falsch;
        Server_Shutdown();
    }
}

// One address re-opens connections four hundred times while the clock stands: twice its bound of
// them are taken, the rest are refused at accept, before a record or a log-in is spent on them.
// A newcomer from another address logs in meanwhile, and the flooding address may connect again
// once its pace allows.
TEST_F(Adressen, AFloodOfReopenedConnectionsIsRefusedAtAccept)
{
    Socket_Set_Uhr(test_uhr);
    server_starten();
    int angenommen = 0;
    Socket_Set_Log_Hook([&](int, const char* t) {
        angenommen += std::strstr(t, "Socket_Accept_Connet() OK! IP-Adr: 127.0.0.7,") != nullptr;
    });
    for (int i = 0; i < 400; ++i) {
        const int fd = verbinden_von(0x7F000007u, tcp_port);
        close(fd);
        if (i % 8 == 0) Netz_Server_Pumpe();
    }
    pumpen_bis([] { return false; }, 300);
    EXPECT_GT(angenommen, 0);
    EXPECT_LE(angenommen, 2 * NETZ_ANMELDUNGEN_PRO_ADRESSE);
    Socket_Set_Log_Hook([this](int, const char* t) { log.emplace_back(t); });
    std::vector<std::unique_ptr<Roh>> peers;
    EXPECT_EQ(anmelden(peers, 8, "Neu").middle_ware_response, MW_ANTWORT_ANGENOMMEN) << "another address";
    EXPECT_STREQ(anmelden(peers, 7).message_to_user, "Zu viele Anmeldungen von Ihrer Adresse");
    uhr_wert += 2 * NETZ_ANMELDUNGEN_PRO_ADRESSE * SOCKET_ZUGANG_ABSTAND;
    EXPECT_EQ(anmelden(peers, 7, "Wieder").middle_ware_response, MW_ANTWORT_ANGENOMMEN) << "its pace allows again";
}

// 33 addresses with eight participants each log in, look at the free clubs and claim none: they
// hold no more than their share of the records, and a newcomer from another address gets in, in
// the place of the one that has waited longest.
TEST_F(Adressen, ANewcomerGetsInBehindACrowdWithoutClubs)
{
    Socket_Set_Uhr(test_uhr);
    server_starten();
    std::vector<std::unique_ptr<Feind_Peer>> menge;
    for (uint8_t x = 10; x < 43; ++x)
        for (int i = 0; i < NETZ_ANMELDUNGEN_PRO_ADRESSE; ++i) {
            ++uhr_wert;
            menge.push_back(std::make_unique<Feind_Peer>(Roh(verbinden_von(0x7F000000u | x, tcp_port)), "Menge"));
            EXPECT_EQ(menge.back()->aufruf(17, "vC<46I<4", Bild().w(1).w(1).b, -1).size(), 60u) << "the free clubs";
        }
    EXPECT_EQ(Netzuser_Anzahl(), SERVER_OHNE_VEREIN_MAX);
    // the first of the crowd made room for a later one: its connection has ended
    char c;
    EXPECT_TRUE(pumpen_bis([&] { return recv(menge.front()->roh.fd, &c, 1, MSG_DONTWAIT) == 0; }, 5000));
    ++uhr_wert;
    std::vector<std::unique_ptr<Roh>> peers;
    const Mw_User_Login r = anmelden(peers, 200, "Neuling");
    EXPECT_EQ(r.middle_ware_response, MW_ANTWORT_ANGENOMMEN) << r.message_to_user;
    EXPECT_EQ(Netzuser_Anzahl(), SERVER_OHNE_VEREIN_MAX);
    bool drin = false;
    for (const auto& m : Mitspieler) drin = drin || (m.in_benutzung && std::strcmp(m.user_name, "Neuling") == 0);
    EXPECT_TRUE(drin);
}

// Newcomers get their clubs past a crowd of 33 addresses that takes every place it can, whether
// the crowd looks at the free clubs or never does; the crowd's manager keeps his club.
TEST_F(Adressen, NewcomersGetTheirClubsPastACrowdThatLooksAtTheListAndReturns)
{
    menge_gegen_neulinge(true);
}

TEST_F(Adressen, NewcomersGetTheirClubsPastACrowdThatNeverLooksAtTheList)
{
    menge_gegen_neulinge(false);
}
