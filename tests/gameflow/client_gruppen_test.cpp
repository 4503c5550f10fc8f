// A remote client's menu, headless on loopback: in its first round the group buttons open their
// screens (club, team), as they do on the server.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "netz_lauf.h"
#include "programm_bilder.h"

namespace {

using namespace programm_lauf;
using namespace netz_lauf;

TEST(Client_Gruppen, TheGroupButtonsOpenTheirScreensOnAClient)
{
    Installation server, client;
    ASSERT_TRUE(server.anlegen("dorvin_gruppen_server"));
    ASSERT_TRUE(client.anlegen("dorvin_gruppen_client"));
    const uint16_t port = port_einrichten(server, {&client});

    // The server waits in its own round until the client is gone.
    Skript s = neues_spiel({"Anna", "Bernd"});
    dazu(s, {"game vereine 1", "game allein", "quit"});
    std::ofstream(server.ordner / "server.txt") << text(s);
    // The client: its round's first screen, then the club's and the team's group.
    const auto bild = [&](const std::string& n) { return (client.ordner / (n + ".png")).string(); };
    Skript k{"answer 0", "wait 1000", "dump " + bild("runde")};
    dazu(k, klick(618, 155));
    dazu(k, {"wait 500", "dump " + bild("verein")});
    dazu(k, klick(618, 250));
    dazu(k, {"wait 500", "dump " + bild("team"), "quit"});
    std::ofstream(client.ordner / "client.txt") << text(k);

    const pid_t s_pid = starten_im_hintergrund(server, "server", "server");
    ASSERT_TRUE(server_lauscht(port, 60));
    const pid_t c_pid = starten_im_hintergrund(client, "client", "client");
    EXPECT_TRUE(gut_beendet(c_pid, client, "client", 120));
    EXPECT_TRUE(gut_beendet(s_pid, server, "server", 60));

    Bild runde, verein, team;
    for (auto [b, n] : {std::pair{&runde, "runde"}, {&verein, "verein"}, {&team, "team"}}) {
        ASSERT_TRUE(bild_lesen(bild(n), "client_gruppen_" + std::string(n), b)) << n;
        ASSERT_EQ(b->w * b->h, 640 * 480) << n;
    }
    // A screen fills the field left of the button column; a dead button only lights up.
    EXPECT_GT(verein.anders(runde, 0, 45, 597, 480), 20000);
    EXPECT_GT(team.anders(verein, 0, 45, 597, 480), 20000);
    if (!HasFailure()) {
        fs::remove_all(server.ordner);
        fs::remove_all(client.ordner);
    }
}

}  // namespace
