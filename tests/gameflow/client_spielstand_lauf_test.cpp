// A client's savegame in the installed program, headless on loopback: the client saves from the
// options menu, ends, and started again with its savegame on the command line plays its club
// without the club choice.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "netz_lauf.h"

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

    // The server waits in its round for the first claim, the client's end and the second claim.
    Skript s = neues_spiel({"Anna", "Bernd", "Carl"});
    dazu(s, {"game vereine 1", "game allein", "game vereine 1", "game pruefsumme -1", "game allein", "quit"});
    std::ofstream(server.ordner / "server.txt") << text(s);
    // The first start chooses from the list and saves; the second names its savegame and is asked
    // nothing (an answer for a club choice would take the list's second club).
    Skript k{"answer 0", "wait 1000", "game pruefsumme"};
    optionen(k, SPEICHERN_NEU, "carl1");
    dazu(k, {"quit"});
    std::ofstream(eins.ordner / "client.txt") << text(k);
    std::ofstream(eins.ordner / "wieder.txt") << text({"answer 1", "wait 1000", "game pruefsumme", "quit"});

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
    ASSERT_TRUE(gut_beendet(s_pid, server, "server", 60));

    const auto erst = pruefsummen(eins, "client"), wieder = pruefsummen(eins, "wieder");
    ASSERT_EQ(erst.size(), 1u);
    ASSERT_EQ(wieder.size(), 1u);
    EXPECT_EQ(wieder.begin()->first, erst.begin()->first) << "the savegame's club, not the list's";
    EXPECT_EQ(pruefsummen(server, "server").count(erst.begin()->first), 1u) << "the server counts it held";
}

}  // namespace
