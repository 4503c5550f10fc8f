// Server and clients as separate processes on loopback.
#include "netz_hilfe.h"

using namespace netz_test;

namespace {

// The client's side of the test message: 1 when the answer is 500 with the u32 100.
int test_nachricht()
{
    const uint8_t daten[4] = {1, 2, 3, 4};
    if (!Client_Send_Message(daten, 4, NETZ_TYP_TEST, 1)) return 0;
    uint8_t antwort[8] = {};
    uint32_t n = sizeof antwort;
    int32_t code = 0;
    Client_Internet_Receive_Data(antwort, &n, &code, 1, NETZ_TYP_ANTWORT);
    return code == NETZ_EMPFANGEN && n == 4 && Bytes_Hole32(antwort) == 100;
}

}  // namespace

using Prozesse = Netz_Test;

TEST_F(Prozesse, LoginTestAnswerAndUserLog)
{
    server_starten();
    std::string adresse;
    int code = client_prozess(
        [&] {
            if (!client_anmelden()) return 2;
            if (Client_Login.middle_ware_response != MW_ANTWORT_ANGENOMMEN) return 3;
            return test_nachricht() ? 0 : 4;
        },
        [&] {
            if (Mitspieler[0].in_benutzung)
                adresse = std::to_string(Mitspieler[0].adresse[0]) + "." + std::to_string(Mitspieler[0].adresse[3]);
        });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(adresse, "127.1") << "the entry holds the peer's address";
    EXPECT_TRUE(pumpen_bis([] { return Netzuser_Anzahl() == 0; })) << "logged out when the client ended";

    // The user log is named after the server's address, port and today's date.
    char name[600];
    Server_Log_Name(name, sizeof name, Server_Settings.user_log);
    int32_t t[6];
    Netz_Lokalzeit_Voll(t);
    char datum[32];
    std::snprintf(datum, sizeof datum, "_%02d_%02d_%04d.log", t[2], t[1], t[0]);
    EXPECT_NE(std::string(name).find(datum), std::string::npos) << name;
    std::string inhalt = datei_lesen(name);
    EXPECT_NE(inhalt.find("login,"), std::string::npos) << inhalt;
    EXPECT_NE(inhalt.find(",Tester,"), std::string::npos) << inhalt;
    EXPECT_NE(inhalt.find("logout,"), std::string::npos) << inhalt;
    EXPECT_NE(inhalt.find("\r\n"), std::string::npos);
}

TEST_F(Prozesse, OtherVersionIsRefusedWithoutTheServersText)
{
    server_starten();
    int anzahl_waehrend = 0;
    int code = client_prozess(
        [&] {
            version("2.1");
            int ok = client_anmelden();
            if (ok) return 2;
            if (Client_Login.middle_ware_response != MW_ANTWORT_VERSION) return 3;
            if (std::strcmp(Client_Login.message_to_user,
                            "Server Version: 2.2. Ihre Client Version: 2.1.\nBitte Update laden!") != 0)
                return 4;
            return std::strcmp(Client_Settings.fehler_text, "Der Server hat die Anmeldung abgelehnt.") == 0 ? 0 : 5;
        },
        [&] { anzahl_waehrend = std::max(anzahl_waehrend, int(Netzuser_Anzahl())); });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(anzahl_waehrend, 0) << "the refused client was never registered";
    EXPECT_TRUE(pumpen_bis([] { return Netzuser_Anzahl() == 0; }));
}

TEST_F(Prozesse, BlocksRoundTripBothWays)
{
    server_starten();
    // A client sends at most NETZ_CLIENT_BLOCK_MAX; the larger blocks only come from the server.
    const std::vector<uint32_t> groessen = {0, 1, 10 * 1024, NETZ_CLIENT_BLOCK_MAX, 1 << 20, 4u << 20};
    constexpr uint32_t BESTELLUNG = 0x5A5A5A5A;
    // The server sends back what each client block held, or the block it ordered.
    auto echo = [] {
        int32_t i = 0;
        while (Mitspieler_Eintrag* m = Netzuser_Naechster(&i)) {
            uint32_t n = 0;
            int32_t code = 0;
            uint8_t* b = Server_Receive_Client_Data(m, &n, &code);
            if (b && n == 12 && Bytes_Hole32(b) == BESTELLUNG) {
                auto daten = zufall_bytes(Bytes_Hole32(b + 4), Bytes_Hole32(b + 8));
                Server_Send_Client_Data(m, daten.data(), uint32_t(daten.size()));
            } else if (b) {
                Server_Send_Client_Data(m, b, n);
            }
            Mem_Free(b, 0);
        }
    };
    int code = client_prozess(
        [&] {
            if (!client_anmelden()) return 2;
            for (size_t i = 0; i < groessen.size(); ++i) {
                auto daten = zufall_bytes(groessen[i], uint32_t(i + 7));
                bool ok;
                if (groessen[i] <= NETZ_CLIENT_BLOCK_MAX) {
                    ok = Client_Send_Client_Data(daten.data(), uint32_t(daten.size()));
                } else {
                    uint8_t bestellung[12];
                    Bytes_Setze32(bestellung, BESTELLUNG);
                    Bytes_Setze32(bestellung + 4, groessen[i]);
                    Bytes_Setze32(bestellung + 8, uint32_t(i + 7));
                    ok = Client_Send_Client_Data(bestellung, 12);
                }
                if (!ok) return 10 + int(i);
                uint32_t n = 0;
                int32_t c = NETZ_NICHTS;
                uint8_t* zurueck = nullptr;
                for (int versuch = 0; !zurueck && versuch < 20000 && c != NETZ_FEHLER; ++versuch) {
                    Netz_Client_Pumpe();
                    zurueck = Client_Receive_Client_Data(&n, &c);
                    if (!zurueck) Netz_Warten();
                }
                bool gleich = zurueck && n == daten.size() && std::equal(daten.begin(), daten.end(), zurueck);
                Mem_Free(zurueck, 0);
                if (!gleich) return 20 + int(i);
            }
            return 0;
        },
        echo);
    EXPECT_EQ(code, 0);
}

TEST_F(Prozesse, LostConnectionEndsTheClientWithCodeOne)
{
    server_starten();
    bool geschlossen = false;
    int code = client_prozess(
        [&] {
            if (!client_anmelden()) return 2;
            for (;;) {
                Netz_Client_Pumpe();
                Netz_Warten();
            }
        },
        [&] {
            if (!geschlossen && Mitspieler[0].in_benutzung) {
                Server_User_Logout(Mitspieler[0].sock_info);
                geschlossen = true;
            }
        });
    EXPECT_TRUE(geschlossen);
    EXPECT_EQ(code, 1);
    EXPECT_NE(datei_lesen("client_stderr.txt").find("Verbindungsfehler! Bitte neu starten"), std::string::npos);
}

// One client never reads, another floods garbage and drops; a third is served all the same.
TEST_F(Prozesse, NoClientStallsTheOthers)
{
    Socket_Set_Uhr(test_uhr);
    server_starten();
    Roh leser(tcp_port);
    leser.nachricht(NETZ_TYP_LOGIN, login_bytes("Leser", 2, 2));
    ASSERT_TRUE(pumpen_bis([] { return Netzuser_Anzahl() == 1; }));
    Mitspieler_Eintrag* m = &Mitspieler[0];
    Sock_Info* leser_record = m->sock_info;
    auto viel = zufall_bytes(4u << 20, 3);
    for (int i = 0; i < 2; ++i) ASSERT_TRUE(Server_Send_Client_Data(m, viel.data(), uint32_t(viel.size())));
    {
        Roh flut(tcp_port);
        flut.senden(zufall_bytes(64 * 1024, 9));
    }
    int code = client_prozess([&] {
        if (!client_anmelden("Dritter")) return 2;
        for (int i = 0; i < 50; ++i)
            if (!test_nachricht()) return 3;
        return 0;
    });
    EXPECT_EQ(code, 0) << "every test message of the third client was answered";
    EXPECT_TRUE(pumpen_bis([&] { return Netzuser_Anzahl() == 1; }));
    int offen = 0;
    for (auto& s : Socket_Tabelle) offen += (s.sock && &s != Server_Lauschend) ? 1 : 0;
    EXPECT_EQ(offen, 1) << "the flooder is gone, the reader is still there while the clock stands";
    EXPECT_EQ(leser_record->sende_status, SOCKET_SENDEN_WARTET);
    // The kernel may still take a few bytes now and then, and each moves the message on: the
    // clock runs on until the message has stood still for the whole time-out, and the reader
    // must be gone within a step or two of that (40 s of write time-out), however late the
    // kernel took its last bytes.
    constexpr uint32_t SCHRITT = SERVER_SENDE_TIMEOUT / 20;
    uint32_t stand = 0;
    EXPECT_TRUE(pumpen_bis([&] {
        if (Netzuser_Anzahl() == 0) return true;
        stand = std::max(stand, uhr_wert - leser_record->sende_bewegung);
        uhr_wert += SCHRITT;
        return false;
    })) << "the reader goes once its message stands still for 40 s";
    EXPECT_LE(stand, SERVER_SENDE_TIMEOUT + 2 * SCHRITT) << "the reader stayed with his message standing still";
    EXPECT_EQ(SERVER_SENDE_TIMEOUT, 40000u);
}
