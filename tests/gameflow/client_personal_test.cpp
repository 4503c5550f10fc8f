// A remote client's staff and club screens, headless on loopback: the server's hot-seat manager
// hires an assistant, then a client joins and takes that club.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "netz_lauf.h"
#include "programm_bilder.h"

namespace {

using namespace programm_lauf;
using namespace netz_lauf;

// The club group's tabs (Börse, Stadion) and the staff screen's second row (applicant 1).
constexpr int BOERSE_X = 4 + 2 * 85 + 41, STADION_X = 4 + 3 * 85 + 41, TAB_Y = 54;
constexpr int ICON_X = 144, ZEILE_X = 212, ZEILE_1_Y = 212 + 32 + 14;

TEST(Client_Personal, AClientSeesTheStaffTheServerHiredAndItsClubsStadium)
{
    Zwei_Rechner r;
    ASSERT_TRUE(r.anlegen("cpers"));
    const Installation &server = r.server, &client = r.client;
    const auto s_bild = [&](const std::string& n) { return (server.ordner / (n + ".png")).string(); };
    const auto c_bild = [&](const std::string& n) { return (client.ordner / (n + ".png")).string(); };

    // Anna ends her turn; Bernd hires applicant 1 and ends his. On the next day the server waits
    // for the client and until it has gone.
    Skript s = neues_spiel({"Anna", "Bernd"});
    dazu(s, klick(WEITER_X, WEITER_Y));
    dazu(s, klick(GRUPPE_X, STAB_Y));
    dazu(s, klick(ICON_X, ZEILE_1_Y));
    dazu(s, klick(150, 292));  // "Ja"
    dazu(s, klick(470, 292));  // "OK"
    dazu(s, {"move 300 150", "wait 500", "dump " + s_bild("personal")});
    dazu(s, klick(WEITER_X, WEITER_Y));
    dazu(s, {SPIELTAG_ABWARTEN, "game pruefsumme", "game vereine 1", "game allein", "quit"});
    std::ofstream(server.ordner / "server.txt") << text(s);
    // The client takes the club left free (Bernd's): its stock market, its stadium, its staff with
    // applicant 1 chosen as on the server.
    Skript k{"answer 0", "wait 1000"};
    dazu(k, klick(GRUPPE_X, VEREIN_Y));
    dazu(k, klick(BOERSE_X, TAB_Y));
    k.push_back("dump " + c_bild("boerse"));
    dazu(k, klick(STADION_X, TAB_Y));
    k.push_back("dump " + c_bild("stadion"));
    dazu(k, klick(GRUPPE_X, STAB_Y));
    dazu(k, klick(ZEILE_X, ZEILE_1_Y));
    dazu(k, {"move 300 150", "wait 500", "dump " + c_bild("personal"), "quit"});
    std::ofstream(client.ordner / "client.txt") << text(k);

    // The client comes once the server's second day has begun.
    EXPECT_TRUE(r.spielen("", 60, [&](pid_t s_pid) {
        for (int i = 0; i < 1200 && pruefsummen(server, "server").empty() && waitpid(s_pid, nullptr, WNOHANG) == 0; ++i)
            usleep(100000);
    }));

    Bild s_personal, boerse, stadion, personal;
    for (auto [b, pfad, n] : {std::tuple{&s_personal, s_bild("personal"), "server_personal"},
                              {&boerse, c_bild("boerse"), "boerse"},
                              {&stadion, c_bild("stadion"), "stadion"},
                              {&personal, c_bild("personal"), "personal"}}) {
        ASSERT_TRUE(bild_lesen(pfad, "client_personal_" + std::string(n), b)) << n;
        ASSERT_EQ(b->w * b->h, 640 * 480) << n;
    }
    // The stadium tab opens its screen over the stock market's.
    EXPECT_GT(stadion.anders(boerse, 0, 65, 597, 480), 20000);
    // The client's staff rows are the server's: the free first assistant, the one Bernd hired with
    // his months and his wage, and the applicants' offers.
    EXPECT_EQ(personal.anders(s_personal, 130, 212, 586, 468), 0);
}

}  // namespace
