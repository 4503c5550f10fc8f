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
    Zwei_Rechner r;
    ASSERT_TRUE(r.anlegen("gruppen"));
    const Installation &server = r.server, &client = r.client;

    // The server waits in its own round until the client is gone.
    server_haelt_runde(server);
    // The client: its round's first screen, then the club's and the team's group.
    const auto bild = [&](const std::string& n) { return (client.ordner / (n + ".png")).string(); };
    Skript k{"answer 0", "wait 1000", "dump " + bild("runde")};
    dazu(k, klick(GRUPPE_X, VEREIN_Y));
    dazu(k, {"wait 500", "dump " + bild("verein")});
    dazu(k, klick(GRUPPE_X, TEAM_Y));
    dazu(k, {"wait 500", "dump " + bild("team"), "quit"});
    std::ofstream(client.ordner / "client.txt") << text(k);

    EXPECT_TRUE(r.spielen());

    Bild runde, verein, team;
    for (auto [b, n] : {std::pair{&runde, "runde"}, {&verein, "verein"}, {&team, "team"}}) {
        ASSERT_TRUE(bild_lesen(bild(n), "client_gruppen_" + std::string(n), b)) << n;
        ASSERT_EQ(b->w * b->h, 640 * 480) << n;
    }
    // A screen fills the field left of the button column; a dead button only lights up.
    EXPECT_GT(verein.anders(runde, 0, 45, 597, 480), 20000);
    EXPECT_GT(team.anders(verein, 0, 45, 597, 480), 20000);
}

}  // namespace
