// A remote client's player detail window opened from the transfer search's list (its player
// menu), headless on loopback: the window closes by its own "Fertig" and by Escape, each the
// first time.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "netz_lauf.h"
#include "programm_bilder.h"

namespace {

using namespace programm_lauf;
using namespace netz_lauf;

constexpr int SCHALTER_X = 622, TRANSFER_Y = 184;  // the team group's switch 803
constexpr int FERTIG_X = 575, FERTIG_Y = 460;

Skript rechtsklick(int x, int y)
{
    return {"move " + std::to_string(x) + " " + std::to_string(y), "wait 300", "right down", "wait 100", "right up",
            "wait 700"};
}

TEST(Client_Detail, TheDetailWindowFromTheTransferSearchClosesByItsButtonAndByEscape)
{
    Zwei_Rechner r;
    ASSERT_TRUE(r.anlegen("detail"));
    const Installation &server = r.server, &client = r.client;
    // The server waits in its own round until the client is gone.
    server_haelt_runde(server);
    const auto bild = [&](const std::string& n) { return (client.ordner / (n + ".png")).string(); };
    Skript k{"answer 0", "wait 1000"};
    dazu(k, klick(GRUPPE_X, TEAM_Y));
    dazu(k, klick(SCHALTER_X, TRANSFER_Y));
    dazu(k, {"move 300 470", "wait 500", "dump " + bild("suche")});
    // A transfer-market player's menu on the right list: on a client it offers the contract page
    dazu(k, rechtsklick(480, 104));
    k.push_back("dump " + bild("menue"));
    dazu(k, klick(440, 115));  // "Vertragsverhandlung"
    dazu(k, {"move 300 470", "wait 500", "dump " + bild("fenster")});
    dazu(k, klick(FERTIG_X, FERTIG_Y));
    dazu(k, {"move 300 470", "wait 500", "dump " + bild("fertig")});
    dazu(k, rechtsklick(480, 104));
    dazu(k, klick(440, 115));
    dazu(k, {"move 300 470", "wait 500", "dump " + bild("fenster2"), "key 27", "wait 500", "dump " + bild("escape")});
    k.push_back("quit");
    std::ofstream(client.ordner / "client.txt") << text(k);

    EXPECT_TRUE(r.spielen());
    Bild suche, menue, fenster, fertig, fenster2, escape;
    for (auto [b, n] : {std::pair{&suche, "suche"}, {&menue, "menue"}, {&fenster, "fenster"}, {&fertig, "fertig"},
                        {&fenster2, "fenster2"}, {&escape, "escape"}})
        ASSERT_TRUE(bild_lesen(bild(n), "client_detail_" + std::string(n), b)) << n;
    // The menu of the search's list opens the window over the page.
    EXPECT_GT(menue.anders(suche, 360, 80, 640, 160), 500) << "no player menu on the search list";
    EXPECT_GT(fenster.anders(suche, 0, 45, 597, 480), 50000) << "no detail window";
    // "Fertig" and Escape each close it at once: the search page is back.
    EXPECT_LT(fertig.anders(suche, 0, 45, 597, 480), 5000) << "the window stayed after \"Fertig\"";
    EXPECT_GT(fenster2.anders(suche, 0, 45, 597, 480), 50000) << "no detail window the second time";
    EXPECT_LT(escape.anders(suche, 0, 45, 597, 480), 5000) << "the window stayed after Escape";
}

}  // namespace
