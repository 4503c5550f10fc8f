// A client's savegame in the installed program, headless on loopback: the client saves from the
// options menu, ends, and started again with its savegame on the command line plays its club
// without the club choice; a savegame whose club the server does not offer leads to the choice.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "netz_lauf.h"
#include "platform/disk.h"

namespace {

using namespace programm_lauf;
using namespace netz_lauf;

// The programs still running and the folders go with the test, whatever its end.
struct Aufraeumen {
    std::vector<pid_t> pids;
    std::vector<const Installation*> ordner;
    ~Aufraeumen()
    {
        for (pid_t pid : pids)
            if (pid > 0 && waitpid(pid, nullptr, WNOHANG) == 0) {
                kill(pid, SIGKILL);
                waitpid(pid, nullptr, 0);
            }
        for (const Installation* i : ordner) fs::remove_all(i->ordner);
    }
};

TEST(Netz_Prozesse, AClientStartedWithItsSavegamePlaysItsClubAgain)
{
    Installation server, eins;
    Aufraeumen weg;
    weg.ordner = {&server, &eins};
    ASSERT_TRUE(server.anlegen("dorvin_csgv_server"));
    ASSERT_TRUE(eins.anlegen("dorvin_csgv_eins"));
    const uint16_t port = port_einrichten(server, {&eins});
    // The client finds the server by its server address file, whatever its dialog saved last.
    Client_Einstellungen_Standard();
    Client_Settings.port = uint16_t(port ^ 0x0101);
    uint8_t ini[CLIENT_EINSTELLUNGEN_GROESSE];
    Client_Einstellungen_Bytes(Client_Settings, ini);
    std::ofstream(fs::path(eins.programm) / "dorvin_client_dialog_ini.bin", std::ios::binary)
        .write(reinterpret_cast<const char*>(ini), sizeof ini);
    std::ofstream(fs::path(eins.programm) / "config_files" / "dorvin_server.cfg") << "127.0.0.1 " << port << "\n";

    // The server waits in its round for each client's claim and end; it prints every manager's club
    // and the club each client holds.
    Skript s = neues_spiel({"Anna", "Bernd", "Carl"});
    dazu(s, {"game pruefsumme -2", "game vereine 1", "game allein", "game vereine 1", "game pruefsumme -1", "game allein",
             "game vereine 1", "game pruefsumme -1", "game allein", "quit"});
    std::ofstream(server.ordner / "server.txt") << text(s);
    // The first start chooses the list's second club and saves; the second names its savegame (a
    // choice would take the list's first club) and loads it again from the options menu, which
    // leaves its game as it is.
    Skript k{"answer 1", "wait 1000", "game pruefsumme"};
    optionen(k, SPEICHERN_NEU, "carl1");
    dazu(k, {"quit"});
    std::ofstream(eins.ordner / "client.txt") << text(k);
    Skript wieder_skript{"wait 1000", "game pruefsumme"};
    optionen(wieder_skript, LADEN, "carl1");
    dazu(wieder_skript, {"wait 1000", "game pruefsumme", "quit"});
    std::ofstream(eins.ordner / "wieder.txt") << text(wieder_skript);

    const pid_t s_pid = starten_im_hintergrund(server, "server", "server");
    weg.pids.push_back(s_pid);
    ASSERT_TRUE(server_lauscht(port, 60));
    const pid_t e_pid = starten_im_hintergrund(eins, "client", "client");
    weg.pids.push_back(e_pid);
    ASSERT_TRUE(gut_beendet(e_pid, eins, "client", 120));
    ASSERT_TRUE(fs::exists(eins.spielstand("carl1")));
    const pid_t w_pid = starten_im_hintergrund(eins, "wieder", "client", "carl1");
    weg.pids.push_back(w_pid);
    ASSERT_TRUE(gut_beendet(w_pid, eins, "wieder", 120));
    const auto erst = pruefsummen(eins, "client"), wieder = pruefsummen(eins, "wieder");
    ASSERT_EQ(erst.size(), 1u);
    ASSERT_EQ(wieder.size(), 1u);
    const int verein = erst.begin()->first;
    EXPECT_EQ(wieder.begin()->first, verein) << "the savegame's club, not the list's";
    EXPECT_EQ(wieder.begin()->second.size(), 2u);
    const std::string wieder_meldung = netz_test::datei_lesen((eins.ordner / "wieder_fehler.txt").string());
    EXPECT_NE(wieder_meldung.find("bereits Ihr Verein"), std::string::npos) << wieder_meldung;

    // The same file naming a club that no manager runs: refused with the message, then the choice.
    const auto manager = pruefsummen(server, "server");
    int fremd = 1;
    while (manager.count(fremd)) ++fremd;
    const std::vector<uint8_t> bild = lesen(eins.spielstand("carl1"));
    std::string version;
    Disk_Bereiche bereiche;
    ASSERT_TRUE(Disk_Spielstand_Zerlegen(bild.data(), bild.size(), &version, &bereiche));
    std::vector<uint8_t>& eigener_verein = bereiche[DISK_POS_TEAMS - 1].at(6);
    ASSERT_EQ(eigener_verein.size(), 4u);
    ASSERT_EQ(int(Disk_LE32_Lesen(eigener_verein.data())), verein);
    Disk_LE32_Setzen(eigener_verein.data(), uint32_t(fremd));
    const std::vector<uint8_t> neu = Disk_Spielstand_Bauen(version.c_str(), bereiche);
    std::ofstream(eins.spielstand("fremd"), std::ios::binary).write(reinterpret_cast<const char*>(neu.data()), long(neu.size()));
    std::ofstream(eins.ordner / "fremd.txt") << text({"answer 0", "wait 1000", "game pruefsumme", "quit"});
    const pid_t f_pid = starten_im_hintergrund(eins, "fremd", "client", "fremd");
    weg.pids.push_back(f_pid);
    ASSERT_TRUE(gut_beendet(f_pid, eins, "fremd", 120));
    ASSERT_TRUE(gut_beendet(s_pid, server, "server", 60));
    const std::string meldung = netz_test::datei_lesen((eins.ordner / "fremd_fehler.txt").string());
    EXPECT_NE(meldung.find("nicht mehr frei"), std::string::npos) << meldung;
    const auto gewaehlt = pruefsummen(eins, "fremd");
    ASSERT_EQ(gewaehlt.size(), 1u);
    EXPECT_NE(gewaehlt.begin()->first, fremd);
    EXPECT_TRUE(manager.count(gewaehlt.begin()->first)) << "a manager's club from the list";

    // The server printed its managers' clubs and then each club a client held: the savegame's
    // club held by the second start, the refused club never.
    const auto gehalten = pruefsummen(server, "server");
    EXPECT_GE(gehalten.at(verein).size(), 2u);
    EXPECT_EQ(gehalten.count(fremd), 0u);
}

}  // namespace
