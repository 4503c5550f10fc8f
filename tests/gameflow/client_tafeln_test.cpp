// A remote client's first round, headless on loopback: its calendar is the server's, so that the
// league's next match day and the table's date read as on the server.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "netz_lauf.h"
#include "programm_bilder.h"

namespace {

using namespace programm_lauf;
using namespace netz_lauf;

// "Spieltag CLUB TODAY DAY" of a run: the next day with a game of the league; -1 none read.
int naechster_spieltag(const Installation& inst, const std::string& name)
{
    std::ifstream in(inst.ordner / (name + "_aus.txt"));
    std::string wort;
    int team = 0, heute = 0, tag = -1;
    while (in >> wort)
        if (wort == "Spieltag" && in >> team >> heute >> tag) return tag;
    return -1;
}

TEST(Client_Tafeln, TheClientsFirstRoundKnowsTheServersMatchDays)
{
    Installation server, client;
    ASSERT_TRUE(server.anlegen("dorvin_tafeln_server"));
    ASSERT_TRUE(client.anlegen("dorvin_tafeln_client"));
    const uint16_t port = port_einrichten(server, {&client});
    // Both managers' clubs play in one league; each PC opens its league screen in its first round.
    const auto liga = [](const Installation& i) {
        Skript s{"game spieltag"};
        dazu(s, klick(618, 195));
        dazu(s, {"wait 500", "dump " + (i.ordner / "liga.png").string()});
        return s;
    };
    Skript s = neues_spiel({"Anna", "Bernd"});
    dazu(s, {"game vereine 1", "wait 1000"});
    dazu(s, liga(server));
    dazu(s, {"game allein", "quit"});
    std::ofstream(server.ordner / "server.txt") << text(s);
    Skript k{"answer 0", "wait 1000"};
    dazu(k, liga(client));
    k.push_back("quit");
    std::ofstream(client.ordner / "client.txt") << text(k);

    const pid_t s_pid = starten_im_hintergrund(server, "server", "server");
    ASSERT_TRUE(server_lauscht(port, 60));
    const pid_t c_pid = starten_im_hintergrund(client, "client", "client");
    EXPECT_TRUE(gut_beendet(c_pid, client, "client", 120));
    EXPECT_TRUE(gut_beendet(s_pid, server, "server", 60));

    const int tag = naechster_spieltag(server, "server");
    EXPECT_GT(tag, 0);
    EXPECT_EQ(naechster_spieltag(client, "client"), tag);
    // The pairings' heading names the league, its match day and the day's date, as on the server.
    Bild b_server, b_client;
    ASSERT_TRUE(bild_lesen((server.ordner / "liga.png").string(), "client_tafeln_server", &b_server));
    ASSERT_TRUE(bild_lesen((client.ordner / "liga.png").string(), "client_tafeln_client", &b_client));
    ASSERT_EQ(b_server.w * b_server.h, 640 * 480);
    ASSERT_EQ(b_client.w * b_client.h, 640 * 480);
    EXPECT_EQ(b_client.anders(b_server, 10, 95, 372, 109), 0);
    if (!HasFailure()) {
        fs::remove_all(server.ordner);
        fs::remove_all(client.ordner);
    }
}

}  // namespace
