// The start dialogs' fields and checks, the settings files and the server address file.
#include "netz_hilfe.h"
#include "platform/os/os_dialog.h"

using namespace netz_test;

namespace {

// Standard error of this process, caught while the object lives (headless message boxes).
struct Stderr_Fang {
    int alt;
    std::string datei = "stderr_fang.txt";
    Stderr_Fang()
    {
        std::fflush(stderr);
        alt = dup(2);
        int fd = open(datei.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(fd, 2);
        close(fd);
    }
    std::string text()
    {
        std::fflush(stderr);
        return datei_lesen(datei);
    }
    ~Stderr_Fang()
    {
        std::fflush(stderr);
        dup2(alt, 2);
        close(alt);
    }
};

}  // namespace

using Einstellungen = Netz_Test;

// The edges the dialog cases below leave out.
TEST(NetzDialog, FieldEdges)
{
    uint16_t port = 1;
    EXPECT_FALSE(Netz_Port_Lesen("7a7b0", &port));
    EXPECT_FALSE(Netz_Port_Lesen(" 7a7", &port));
    EXPECT_EQ(port, 1) << "nothing taken";
    uint8_t ip[4] = {9, 9, 9, 9};
    const char* gut[4] = {"0", "10", "255", "007"};
    EXPECT_TRUE(Netz_Adresse_Lesen(gut, ip));
    EXPECT_EQ(ip[2], 255);
    EXPECT_EQ(ip[3], 7);
    const char* falsch[4] = {"1", "256", "1", "1a"};
    EXPECT_FALSE(Netz_Adresse_Lesen(falsch, ip));
    EXPECT_EQ(ip[0], 0) << "a refused address leaves the bytes";
}

TEST_F(Einstellungen, ServerFileRoundTripsAtItsOffsets)
{
    Server_Einstellungen_Standard();
    const uint8_t ip[4] = {192, 168, 1, 20};
    std::memcpy(Server_Settings.ip, ip, 4);
    Server_Settings.port = 0x7a7b;
    std::snprintf(Server_Settings.pass_word, 40, "kennwort");
    Server_Settings.server_id = 4711;
    Server_Settings.error_log_an = 1;
    std::snprintf(Server_Settings.error_log, 256, "fehler.log");
    ASSERT_TRUE(Server_Einstellungen_Schreiben());
    std::string b = datei_lesen("dorvin_server_start_dialog_ini.bin");
    ASSERT_EQ(b.size(), SERVER_EINSTELLUNGEN_GROESSE);
    auto u = [&](size_t o) { return Bytes_Hole32(reinterpret_cast<const uint8_t*>(b.data()) + o); };
    EXPECT_EQ(b.substr(0, 6), std::string("\xC0\xA8\x01\x14\x7b\x7a", 6));
    EXPECT_EQ(b.substr(46, 9), std::string("kennwort\0", 9));
    EXPECT_EQ(u(88), 4711u);
    EXPECT_EQ(u(92), 256u);
    EXPECT_EQ(u(1136), 1u);
    EXPECT_EQ(b.substr(880, 10), "fehler.log");
    Server_Einstellungen_Standard();
    ASSERT_TRUE(Server_Einstellungen_Lesen());
    EXPECT_EQ(Server_Settings.port, 0x7a7b);
    EXPECT_EQ(Server_Settings.server_id, 4711u);
    EXPECT_STREQ(Server_Settings.error_log, "fehler.log");
    // A damaged (short) file leaves the settings as they were.
    datei_schreiben("dorvin_server_start_dialog_ini.bin", b.substr(0, 100));
    EXPECT_FALSE(Server_Einstellungen_Lesen());
    EXPECT_EQ(Server_Settings.server_id, 4711u);
}

TEST_F(Einstellungen, ClientFileRoundTripsAndCanLeaveThePassWordOut)
{
    Client_Einstellungen_Standard();
    Client_Settings.port = 0x1234;
    std::snprintf(Client_Settings.user_name, 40, "Client");
    std::snprintf(Client_Settings.pass_word, 40, "brumf");
    ASSERT_TRUE(Client_Einstellungen_Schreiben());
    std::string b = datei_lesen("dorvin_client_dialog_ini.bin");
    ASSERT_EQ(b.size(), CLIENT_EINSTELLUNGEN_GROESSE);
    EXPECT_EQ(b.substr(4, 2), std::string("\x34\x12", 2));
    EXPECT_EQ(b.substr(6, 6), std::string("Client"));
    EXPECT_EQ(b.substr(46, 5), "brumf");
    EXPECT_EQ(Bytes_Hole32(reinterpret_cast<const uint8_t*>(b.data()) + 88), 10001u);
    Client_Settings.pass_word_nicht_speichern = 1;
    ASSERT_TRUE(Client_Einstellungen_Schreiben());
    b = datei_lesen("dorvin_client_dialog_ini.bin");
    EXPECT_EQ(b.substr(46, 40), std::string(40, '\0')) << "the pass word is zeroed in the written copy";
    EXPECT_STREQ(Client_Settings.pass_word, "brumf") << "and kept in memory";
    Client_Einstellungen_Standard();
    ASSERT_TRUE(Client_Einstellungen_Lesen());
    EXPECT_EQ(Client_Settings.port, 0x1234);
    EXPECT_EQ(Client_Settings.pass_word_nicht_speichern, 1u);
}

namespace {
void drei_ziffern(Os_Dialog_Feld* f, int anzahl)
{
    if (anzahl > 4) std::snprintf(f[4].text, sizeof f[4].text, "741");
}
}  // namespace

TEST_F(Einstellungen, HeadlessDialogsAnswerFromTheirFilesThroughTheChecks)
{
    // The client dialog takes the file's address and sets its fixed user.
    Client_Einstellungen_Standard();
    Client_Settings.port = 0x7a7b;
    ASSERT_TRUE(Client_Einstellungen_Schreiben());
    Client_Einstellungen_Standard();
    ASSERT_EQ(Client_Dialog(nullptr, nullptr, ""), 1);
    EXPECT_EQ(Client_Settings.port, 0x7a7b);
    EXPECT_STREQ(Client_Settings.user_name, "Client");
    EXPECT_STREQ(Client_Settings.pass_word, "brumf");

    // A port word below 0x1000 shows with its leading zero and passes the four-digit check.
    Server_Einstellungen_Standard();
    Server_Settings.port = 0x0741;
    ASSERT_TRUE(Server_Einstellungen_Schreiben());
    Server_Einstellungen_Standard();
    EXPECT_EQ(Server_Start_Dialog(nullptr, nullptr, ""), 1);
    EXPECT_EQ(Server_Settings.port, 0x0741);
    // Three typed digits do not, and the start ends as a cancelled one.
    Os_Dialog_Set_Eingabe(drei_ziffern);
    Stderr_Fang fang;
    EXPECT_EQ(Server_Start_Dialog(nullptr, nullptr, ""), 0);
    EXPECT_NE(fang.text().find("Fehler: Port-Adresse, falsches Format. (z.B. 7a7b)"), std::string::npos);
    EXPECT_EQ(Server_Start_Dialog(nullptr, nullptr, "-Q"), 1) << "-q skips the dialog";
    EXPECT_EQ(Server_Start(nullptr, nullptr, ""), 0);
    EXPECT_STREQ(Server_Settings.fehler_text, "User break.");
    Os_Dialog_Set_Eingabe(nullptr);
}

namespace {
const char* getippt[5];
void tippen(Os_Dialog_Feld* f, int anzahl)
{
    for (int i = 0; i < anzahl && i < 5; ++i)
        if (getippt[i]) std::snprintf(f[i].text, sizeof f[i].text, "%s", getippt[i]);
}
}  // namespace

TEST_F(Einstellungen, TypedFieldsGoThroughTheChecksWithTheirMessages)
{
    Os_Dialog_Set_Eingabe(tippen);
    struct Fall {
        const char* felder[5];
        int ergebnis;
        const char* meldung;
    } faelle[] = {
        {{"10", "0", "0", "1", "7A7b"}, 1, nullptr},
        {{nullptr, nullptr, nullptr, nullptr, "7a7"}, 0, "Fehler: Port-Adresse, falsches Format. (z.B. 7a7b)"},
        {{nullptr, nullptr, nullptr, nullptr, "7g7b"}, 0, "Fehler: Port-Adresse, falsches Format. (z.B. 7a7b)"},
        {{"", nullptr, nullptr, nullptr, "7a7b"}, 0, "Error: IP-Adresse, falsches Format."},
        {{nullptr, "1234", nullptr, nullptr, "7a7b"}, 0, "Error: IP-Adresse, falsches Format."},
        {{nullptr, nullptr, "999", nullptr, "7a7b"}, 0, "Error: IP-Adresse, falsches Format."},
    };
    for (const Fall& f : faelle) {
        std::copy(f.felder, f.felder + 5, getippt);
        Server_Einstellungen_Standard();
        Stderr_Fang fang;
        EXPECT_EQ(Server_Start_Dialog(nullptr, nullptr, ""), f.ergebnis) << f.felder[4];
        if (f.meldung) {
            EXPECT_NE(fang.text().find(f.meldung), std::string::npos) << fang.text();
        }
    }
    Server_Einstellungen_Standard();
    ASSERT_TRUE(Server_Einstellungen_Lesen());
    EXPECT_EQ(Server_Settings.ip[0], 10) << "only the good answer was stored";
    EXPECT_EQ(Server_Settings.port, 0x7a7b);
    Os_Dialog_Set_Eingabe(nullptr);
}

TEST_F(Einstellungen, ServerAddressFile)
{
    uint8_t ip[4] = {1, 1, 1, 1};
    uint16_t port = 7;
    EXPECT_EQ(Client_Server_Adresse_Lesen("fehlt.cfg", ip, &port), 1) << "a missing file changes nothing";
    EXPECT_EQ(port, 7);
    datei_schreiben("dorvin_server.cfg", "IP: 10.0.0.42 Port:30584\r\n");
    EXPECT_EQ(Client_Server_Adresse_Lesen("dorvin_server.cfg", ip, &port), 1);
    EXPECT_EQ(ip[0], 10);
    EXPECT_EQ(ip[3], 42);
    EXPECT_EQ(port, 30584);
    bool gelesen = true;
    EXPECT_EQ(Client_Server_Adresse_Lesen("fehlt.cfg", ip, &port, &gelesen), 1);
    EXPECT_FALSE(gelesen) << "a missing file is no configuration";
    for (const char* falsch : {"10.0.0.123456789 1", "10.0.0.300 1", "10.0.7", "10.0.0.7 0", ""}) {
        datei_schreiben("dorvin_server.cfg", falsch);
        Stderr_Fang fang;
        EXPECT_EQ(Client_Server_Adresse_Lesen("dorvin_server.cfg", ip, &port), 0) << falsch;
        EXPECT_NE(fang.text().find("Fehler in dorvin_server.cfg."), std::string::npos) << falsch;
        EXPECT_EQ(ip[3], 42) << "nothing taken";
        EXPECT_EQ(port, 30584) << "nothing taken";
    }
}

// The client connects to the address of the server address file, which fills its connect dialog
// in place of the address the dialog saved last; a damaged file is reported and the dialog's
// address stands.
TEST_F(Einstellungen, TheServerAddressFileOutranksTheDialogsSavedAddress)
{
    server_starten();
    auto dialog_port = [](uint16_t p) {
        Client_Einstellungen_Standard();
        Client_Settings.port = p;
        ASSERT_TRUE(Client_Einstellungen_Schreiben());
    };
    auto verbinden = [this] {
        return client_prozess([this] {
            if (!Netz_Client_Starten(nullptr, nullptr)) return 1;
            return Client_Settings.port == tcp_port ? 0 : 2;
        });
    };
    dialog_port(uint16_t(tcp_port ^ 0x0101));
    datei_schreiben("config_files/dorvin_server.cfg", "127.0.0.1:" + std::to_string(tcp_port) + "\n");
    EXPECT_EQ(verbinden(), 0) << datei_lesen("client_stderr.txt");

    dialog_port(tcp_port);
    datei_schreiben("config_files/dorvin_server.cfg", "127.0.0.1:99999\n");
    EXPECT_EQ(verbinden(), 0) << datei_lesen("client_stderr.txt");
    EXPECT_NE(datei_lesen("client_stderr.txt").find("Fehler in"), std::string::npos);
}
