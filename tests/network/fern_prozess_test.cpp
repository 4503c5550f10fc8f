// A client process starts up against a server process over loopback, refreshes its copies at a
// menu round and sends its changes back; the server answers from its network pump.
#include "netz_hilfe.h"

#include "database/datenbank_fern.h"
#include "database/db_hilfe.h"
#include "gameflow/eingang.h"
#include "network/internet_read.h"
#include "network/steuersignal.h"

using namespace netz_test;

namespace {

constexpr int32_t CLIENT_TEAM = 2;

std::vector<uint32_t> beantwortet;
uint32_t wartezeit_nach_33 = 1;
int antwort_senden(Mitspieler_Eintrag* m, const uint8_t* d, uint32_t n)
{
    beantwortet.push_back(Bytes_Hole32(d + 4));
    if (beantwortet.back() == 33) wartezeit_nach_33 = m->datenanfrage_zeit;
    return Netz_Server_Senden(m, d, n);
}

void schreiben(const char* name, const std::vector<uint8_t>& b)
{
    datei_schreiben(name, std::string(b.begin(), b.end()));
}

std::vector<uint8_t> lesen(const char* name)
{
    const std::string s = datei_lesen(name);
    return {s.begin(), s.end()};
}

// The images both ends compare. Bits the client keeps for itself are masked: the marks in the
// first two bytes of T, the network bit of T_Fix and which clubs' manager records it holds.
struct Abbild {
    std::vector<uint8_t> t, t_fix, own, links, manager;
};

Abbild abbild()
{
    Abbild a;
    Team_Internet_Server_Send_T_Block(&a.t);
    for (size_t o = 0; o + TEAM_STRUKTUR_BYTES <= a.t.size(); o += TEAM_STRUKTUR_BYTES) {
        a.t[o] &= uint8_t(~8);
        a.t[o + 1] &= uint8_t(~(8 | 16));
    }
    Team_Internet_Server_Send_T_Fix_Block(&a.t_fix);
    for (size_t o = 0; o + TEAM_FIX_BYTES <= a.t_fix.size(); o += TEAM_FIX_BYTES) {
        a.t_fix[o + 24] &= uint8_t(~4);
        std::memset(a.t_fix.data() + o + 124, 0, 4);
    }
    a.own.resize(TEAM_OWN_BYTES);
    Team_Own_Packen(T_Own[CLIENT_TEAM], a.own.data());
    const int32_t teams[] = {CLIENT_TEAM, Transfermarkt_Team};
    Teamspieler_Internet_TS_Block_Packen(teams, 2, &a.links);
    Manager_Internet_Bloecke_Packen(CLIENT_TEAM, true, &a.manager);
    return a;
}

struct FernProzess : Netz_Test {
    void SetUp() override
    {
        Netz_Test::SetUp();
        Test_Netz_Welt_Anlegen();
        Manager_Neuer_Mitspieler(1, "Server");
        Manager_Neuer_Mitspieler(CLIENT_TEAM, "Gast");
        T_Own[CLIENT_TEAM].moral = 61;
        T_Fix[CLIENT_TEAM].manager->werbung[5] = 3;
        Teamspieler_Get_Record(CLIENT_TEAM, 21)->rueckennummer = 14;
        Server_Team = 1;
        Eingang_Set_Spiel_Gestartet(true);
        Internet_Set_Server_Sender(antwort_senden);
        beantwortet.clear();
    }
    void TearDown() override
    {
        Internet_Set_Server_Sender(nullptr);
        Eingang_Set_Spiel_Gestartet(false);
        Server_Team = -1;
        Test_Welt_Aufraeumen();
        Netz_Test::TearDown();
    }
};

TEST_F(FernProzess, StartMenuerundeUndRuecksendung)
{
    server_starten();
    const Abbild server = abbild();
    Mitspieler_Eintrag* gast = nullptr;
    const int code = client_prozess(
        [this] {
            // The child starts with nothing of the server's world.
            Test_Welt_Aufraeumen();
            Netz_Rolle = 1;
            Aktuelles_Team = CLIENT_TEAM;
            if (!client_anmelden()) return 2;
            Internet_Client_Init();
            if (!T || !T_Fix || !Spieler_Daten || !T_Fix[CLIENT_TEAM].manager) return 3;
            Team_Internet_Client_Refresh();
            Teamspieler_Internet_Client_Refresh();
            Manager_Internet_Client_Refresh();
            const Abbild a = abbild();
            schreiben("t.bin", a.t);
            schreiben("t_fix.bin", a.t_fix);
            schreiben("own.bin", a.own);
            schreiben("links.bin", a.links);
            schreiben("manager.bin", a.manager);
            if (Internet_Team_Hat_Manager(1) != 1 || Internet_Team_Hat_Manager(3) != 0) return 4;
            // The manager changes his line-up, his team and his record, and ends his turn.
            Teamspieler_Get_Record(CLIENT_TEAM, 20)->rueckennummer = 33;
            T_Own[CLIENT_TEAM].beobachtet[0] = 9;
            T_Fix[CLIENT_TEAM].manager->werbung[6] = 4;
            Internet_Client_Refresh();
            return 0;
        },
        [&] {
            // The claim the client's team signal makes, and the server waiting for its data.
            if (!gast && Mitspieler[0].in_benutzung) {
                gast = &Mitspieler[0];
                Internet_Verein_Beanspruchen(gast, CLIENT_TEAM);
                gast->datenanfrage_zeit = 5000;
            }
            Steuersignal_Verarbeiten();
        });
    ASSERT_EQ(code, 0) << datei_lesen("client_stderr.txt");

    // Start-up in its order, then the menu round, the manager-team look-ups and the send-back.
    const std::vector<uint32_t> erwartet = {31, 16, 14, 2, 0, 0, 40, 40, 41, 32, 13, 12, 40, 40, 41, 30,
                                            16, 17, 16, 17, 42, 15, 33};
    EXPECT_EQ(beantwortet, erwartet);
    EXPECT_EQ(lesen("t.bin"), server.t);
    EXPECT_EQ(lesen("t_fix.bin"), server.t_fix);
    EXPECT_EQ(lesen("own.bin"), server.own);
    EXPECT_EQ(lesen("links.bin"), server.links);
    EXPECT_EQ(lesen("manager.bin"), server.manager);

    EXPECT_EQ(Teamspieler_Get_Record(CLIENT_TEAM, 20)->rueckennummer, 33);
    EXPECT_EQ(Teamspieler_Get_Record(CLIENT_TEAM, 21)->rueckennummer, 14);
    EXPECT_EQ(T_Own[CLIENT_TEAM].beobachtet[0], 9);
    EXPECT_EQ(T_Fix[CLIENT_TEAM].manager->werbung[6], 4);
    EXPECT_EQ(T_Fix[CLIENT_TEAM].manager->werbung[5], 3);
    ASSERT_NE(gast, nullptr);
    EXPECT_EQ(wartezeit_nach_33, 0u) << "the manager record marks the client's data as sent";
}

}  // namespace
