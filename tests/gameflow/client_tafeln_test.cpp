// A remote client's rounds, headless on loopback: its calendar is the server's, so that the
// league's next match day and the table's date read as on the server; on a match day its club's
// panels name the round and the referee as the server's do.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>

#include "netz_lauf.h"
#include "programm_bilder.h"

namespace {

using namespace programm_lauf;
using namespace netz_lauf;

TEST(Client_Tafeln, TheClientsFirstRoundKnowsTheServersMatchDays)
{
    Zwei_Rechner r;
    ASSERT_TRUE(r.anlegen("tafeln"));
    const Installation &server = r.server, &client = r.client;
    // Both managers' clubs play in one league; each PC opens its league screen in its first round.
    const auto liga = [](const Installation& i) {
        Skript s{"game spieltag"};
        dazu(s, klick(GRUPPE_X, LIGA_Y));
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

    EXPECT_TRUE(r.spielen());

    int heute = -1, tag = -1, c_heute = -1, c_tag = -1;
    ASSERT_TRUE(spieltag_lesen(server, "server", &heute, &tag));
    EXPECT_GT(tag, heute);
    ASSERT_TRUE(spieltag_lesen(client, "client", &c_heute, &c_tag));
    EXPECT_EQ(c_tag, tag);
    // The pairings' heading names the league, its match day and the day's date, as on the server.
    Bild b_server, b_client;
    ASSERT_TRUE(bild_lesen((server.ordner / "liga.png").string(), "client_tafeln_server", &b_server));
    ASSERT_TRUE(bild_lesen((client.ordner / "liga.png").string(), "client_tafeln_client", &b_client));
    ASSERT_EQ(b_server.w * b_server.h, 640 * 480);
    ASSERT_EQ(b_client.w * b_client.h, 640 * 480);
    EXPECT_EQ(b_client.anders(b_server, 10, 95, 372, 109), 0);
}

// The prepared match day's round of the second manager's club: played at one PC (the first
// manager's turn ended) and on a client that holds the club; its panels read alike.
TEST(Client_Tafeln, OnAMatchDayTheClientsPanelsReadAsAtOnePc)
{
    Zwei_Rechner r;
    ASSERT_TRUE(r.anlegen("tafeln_tag"));
    const Installation &server = r.server, &client = r.client;
    ASSERT_TRUE(vor_dem_spieltag(server, {"Anna", "Bernd"}));
    const std::string allein = (server.ordner / "allein.png").string(), netz = (client.ordner / "netz.png").string();
    Skript a{"wait 1000"};
    dazu(a, zug());
    dazu(a, {"move 300 250", "wait 1000", "dump " + allein, "quit"});
    std::ofstream(server.ordner / "allein.txt") << text(a);
    ASSERT_TRUE(gut_beendet(starten_im_hintergrund(server, "allein", "server", "vorbereitet"), server, "allein", 120));

    // The server ends its turn once the client's round has begun; the client then leaves.
    Skript s{"game vereine 1", "game runden 1"};
    dazu(s, zug());
    dazu(s, {"game allein", "quit"});
    std::ofstream(server.ordner / "server.txt") << text(s);
    std::ofstream(client.ordner / "client.txt") << text(Skript{"answer 0", "game zug", "move 300 250", "wait 1000", "dump " + netz, "quit"});
    EXPECT_TRUE(r.spielen("vorbereitet", 120));

    Bild b_allein, b_netz;
    ASSERT_TRUE(bild_lesen(allein, "client_tafeln_allein", &b_allein));
    ASSERT_TRUE(bild_lesen(netz, "client_tafeln_netz", &b_netz));
    ASSERT_EQ(b_allein.w * b_allein.h, 640 * 480);
    ASSERT_EQ(b_netz.w * b_netz.h, 640 * 480);
    // The own club's panel (name, competition and round, balance) and the opponent's (name,
    // referee and his ratings).
    for (auto [x, name] : {std::pair{40, "own"}, std::pair{424, "opponent"}})
        EXPECT_EQ(b_netz.anders(b_allein, x, 3, x + 176, 35), 0) << name;
}

}  // namespace
