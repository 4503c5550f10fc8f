// The server's log-in and the participants table, driven on records whose messages the test
// lays in; answers stay in the record's send buffer (the handle is not a real socket).
#include "netz_hilfe.h"

using namespace netz_test;

namespace {

struct Login : Netz_Test {
    uint32_t naechster = 0x7FFF0100;

    void SetUp() override
    {
        Netz_Test::SetUp();
        Server_Einstellungen_Standard();
        Server_Settings.user_log_an = 1;
        Netz_Pfad(Server_Settings.user_log, 256, "server_logfiles", "user_dorvin_server.log");
        Server_Version_Major = 2;
        Server_Version_Minor = 2;
    }

    Sock_Info* verbindung()
    {
        Sock_Info* s = Socket_Get_Socket_Info();
        s->sock = naechster++;
        const uint8_t peer[8] = {2, 0, 0x12, 0x34, 127, 0, 0, 9};
        std::memcpy(s->peer_adresse, peer, 8);
        return s;
    }

    // Lays the message into the record and dispatches it; the answer record, if one went out.
    static bool senden(Sock_Info* s, uint32_t typ, const std::vector<uint8_t>& daten, Mw_User_Login* antwort = nullptr)
    {
        Socket_Reset_Socket_Info(s, SOCKET_RESET_EMPFANG);
        Socket_Reset_Socket_Info(s, SOCKET_RESET_SENDEN);
        std::memcpy(s->empfang_daten, daten.data(), std::min<size_t>(daten.size(), SOCKET_MAX_DATA_SIZE));
        s->socket_datainfo_receive = {SOCKET_DATA_KENNUNG, typ, uint32_t(daten.size()), 0, 0};
        s->empfang_status = SOCKET_EMPFANG_FERTIG;
        Server_Dispatch_Message(s);
        if (s->sende_status != SOCKET_SENDEN_WARTET) return false;
        if (antwort) Mw_User_Login_Lesen(s->sende_puffer + 20, antwort);
        return Bytes_Hole32(s->sende_puffer + 4) == NETZ_TYP_ANTWORT;
    }
};

}  // namespace

TEST_F(Login, AcceptedVersionMismatchAndTheUserLog)
{
    Sock_Info* a = verbindung();
    Mw_User_Login r{};
    ASSERT_TRUE(senden(a, NETZ_TYP_LOGIN, login_bytes("Anna", 2, 2), &r));
    EXPECT_EQ(r.middle_ware_response, MW_ANTWORT_ANGENOMMEN);
    EXPECT_STREQ(r.user_ip_addr, "127.0.0.9");
    EXPECT_EQ(r.port_addr, Server_Settings.port) << "the answer carries the server's port";
    EXPECT_EQ(std::memcmp(r.ip_addr, Server_Settings.ip, 4), 0);
    ASSERT_NE(a->mitspieler, nullptr);
    EXPECT_EQ(a->mitspieler->team, -1) << "no club until the participant claims one";
    EXPECT_GE(r.team_nr, 1u);
    EXPECT_LE(r.team_nr, 4u);
    // The answer's number makes no club look held.
    EXPECT_EQ(Mitspieler_Team_Ist_Online(int32_t(r.team_nr)), 0);

    Sock_Info* b = verbindung();
    ASSERT_TRUE(senden(b, NETZ_TYP_LOGIN, login_bytes("Bert", 2, 1), &r));
    EXPECT_EQ(r.middle_ware_response, MW_ANTWORT_VERSION);
    EXPECT_STREQ(r.message_to_user, "Server Version: 2.2. Ihre Client Version: 2.1.\nBitte Update laden!");
    EXPECT_EQ(Netzuser_Anzahl(), 1) << "the refused client leaves no entry behind";
    EXPECT_EQ(b->mitspieler, nullptr);
    EXPECT_EQ(b->abweisen, 1u) << "its connection ends once the answer has gone";

    Server_User_Logout(a);
    EXPECT_EQ(Netzuser_Anzahl(), 0);
    EXPECT_EQ(a->sock, 0u) << "the record is free again";
    char name[600];
    Server_Log_Name(name, sizeof name, Server_Settings.user_log);
    std::string inhalt = datei_lesen(name);
    EXPECT_NE(inhalt.find(",Anna,"), std::string::npos);
    EXPECT_NE(inhalt.find("logout,"), std::string::npos);
    EXPECT_NE(inhalt.find(",127.0.0.9,0x3412,"), std::string::npos) << inhalt;
}

TEST_F(Login, SecondLoginOnOneConnectionAndFullTableRegisterNothing)
{
    Sock_Info* a = verbindung();
    Mw_User_Login r{};
    ASSERT_TRUE(senden(a, NETZ_TYP_LOGIN, login_bytes("Anna", 2, 2), &r));
    Mitspieler_Eintrag* erster = a->mitspieler;
    ASSERT_TRUE(senden(a, NETZ_TYP_LOGIN, login_bytes("Anna", 2, 2), &r));
    EXPECT_EQ(r.middle_ware_response, 0u) << "the second log-in is answered with 0";
    EXPECT_EQ(Netzuser_Anzahl(), 1) << "and leaves no ghost entry";
    EXPECT_EQ(a->mitspieler, erster);

    // every entry taken by a participant holding a club: nobody makes room
    for (auto& m : Mitspieler) m.in_benutzung = m.verein_beansprucht = 1;
    Sock_Info* b = verbindung();
    ASSERT_TRUE(senden(b, NETZ_TYP_LOGIN, login_bytes("Bert", 2, 2), &r));
    EXPECT_EQ(r.middle_ware_response, 0u) << "no free entry: the database fields stay untouched";
    EXPECT_EQ(b->mitspieler, nullptr);
    for (auto& m : Mitspieler) m.in_benutzung = m.verein_beansprucht = 0;
}

TEST_F(Login, FortyCharacterNamesKeepTheirEnd)
{
    Sock_Info* a = verbindung();
    const std::string name(40, 'x');
    ASSERT_TRUE(senden(a, NETZ_TYP_LOGIN, login_bytes(name.c_str(), 2, 2)));
    ASSERT_NE(a->mitspieler, nullptr);
    EXPECT_EQ(std::string(a->mitspieler->user_name), name) << "whole and NUL-terminated";
    EXPECT_STREQ(a->mitspieler->pass_word, "pw");
}

TEST_F(Login, TestAnswerWaitsWhileTheRecordIsStillSending)
{
    Sock_Info* a = verbindung();
    ASSERT_TRUE(senden(a, NETZ_TYP_TEST, {9}));
    EXPECT_EQ(Bytes_Hole32(a->sende_puffer + 8), 4u);
    EXPECT_EQ(Bytes_Hole32(a->sende_puffer + 20), 100u);
    // The answer has not gone (no real socket): a second test stays until it has.
    a->socket_datainfo_receive = {SOCKET_DATA_KENNUNG, NETZ_TYP_TEST, 1, 0, 0};
    a->empfang_status = SOCKET_EMPFANG_FERTIG;
    Server_Dispatch_Message(a);
    EXPECT_EQ(a->empfang_status, SOCKET_EMPFANG_FERTIG) << "left for a later pass, nothing blocked";
}

namespace {
Sock_Info* wartender = nullptr;
// While the wait pumps, the connection goes and a new one takes its record, with nothing to send.
int neu_vergeben()
{
    Server_User_Logout(wartender);
    wartender->sock = 0x7FFF0F00;
    return 1;
}
}  // namespace

TEST_F(Login, WaitForARecordTakenAgainMeanwhileFails)
{
    wartender = verbindung();
    const uint8_t d[4] = {};
    Socket_Prepare_Send(wartender, d, 4, NETZ_TYP_TEST);
    ASSERT_EQ(wartender->sende_status, SOCKET_SENDEN_WARTET);
    EXPECT_EQ(Netz_Senden_Abwarten(wartender, neu_vergeben, SERVER_SENDE_TIMEOUT, "Test"), 0)
        << "the message never went, though the new record has nothing pending";
    EXPECT_TRUE(log_hat("Test(): write error!"));
}

TEST_F(Login, ParticipantWalkStatisticsAndFreeEntry)
{
    Mitspieler[0].in_benutzung = 1;
    Mitspieler[255].in_benutzung = 1;
    Mitspieler[0].bloecke_gesendet = 3;
    Mitspieler[255].bloecke_gesendet = 4;
    Mitspieler[255].gepackt_empfangen = 7;
    Mitspieler[17].bloecke_gesendet = 100;  // not in use: not counted
    int32_t i = 0;
    EXPECT_EQ(Netzuser_Naechster(&i), &Mitspieler[0]);
    EXPECT_EQ(Netzuser_Naechster(&i), &Mitspieler[255]);
    EXPECT_EQ(Netzuser_Naechster(&i), nullptr);
    uint32_t gesendet = 0, gepackt = 0;
    Netzuser_Statistik(&gesendet, nullptr, nullptr, nullptr, nullptr, &gepackt);
    Netzuser_Statistik(&gesendet, nullptr, nullptr, nullptr, nullptr, &gepackt);
    EXPECT_EQ(gesendet, 7u) << "a second call sums the same: no counter changed";
    EXPECT_EQ(gepackt, 7u);
    EXPECT_EQ(Netzuser_Get_Free(), &Mitspieler[1]);
    EXPECT_EQ(Netzuser_Get_Free(), &Mitspieler[1]) << "the entry is not marked";
    Mitspieler[17] = Mitspieler_Eintrag{};
}
