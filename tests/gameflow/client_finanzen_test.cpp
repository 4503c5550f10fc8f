// A remote client's money pages, headless on loopback: the club's finances, investments and
// stadium show the server's figures for the club, not the empty copies a client starts with.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <string>

#include "netz_lauf.h"
#include "programm_bilder.h"

namespace {

using namespace programm_lauf;
using namespace netz_lauf;

constexpr int GRUPPE_X = 618, VEREIN_Y = 155;
constexpr int ANLAGEN_X = 130, STADION_X = 300, TAB_Y = 54;

Skript seiten(const std::function<std::string(const std::string&)>& bild)
{
    Skript k;
    dazu(k, klick(GRUPPE_X, VEREIN_Y));
    dazu(k, {"move 300 470", "wait 500", "dump " + bild("finanzen")});
    dazu(k, klick(ANLAGEN_X, TAB_Y));
    dazu(k, {"move 300 470", "wait 500", "dump " + bild("anlagen")});
    dazu(k, klick(STADION_X, TAB_Y));
    dazu(k, {"move 300 470", "wait 500", "dump " + bild("stadion")});
    return k;
}

TEST(Client_Finanzen, AClientsMoneyPagesShowTheServersFigures)
{
    Installation server, client;
    ASSERT_TRUE(server.anlegen("dorvin_cfin_server"));
    ASSERT_TRUE(client.anlegen("dorvin_cfin_client"));
    const uint16_t port = port_einrichten(server, {&client});
    const auto s_bild = [&](const std::string& n) { return (server.ordner / (n + ".png")).string(); };
    const auto c_bild = [&](const std::string& n) { return (client.ordner / (n + ".png")).string(); };

    // Anna and Bernd end their first turns; on the second day Bernd's pages are pictured, then the
    // server waits for the client, which takes Bernd's club, and until it has gone.
    Skript s = neues_spiel({"Anna", "Bernd"});
    dazu(s, klick(WEITER_X, WEITER_Y));
    dazu(s, klick(WEITER_X, WEITER_Y));
    s.push_back(SPIELTAG_ABWARTEN);
    dazu(s, klick(WEITER_X, WEITER_Y));
    dazu(s, seiten(s_bild));
    dazu(s, klick(WEITER_X, WEITER_Y));
    dazu(s, {SPIELTAG_ABWARTEN, "game pruefsumme", "game vereine 1", "game allein", "quit"});
    std::ofstream(server.ordner / "server.txt") << text(s);
    Skript k{"answer 0", "wait 1000"};
    dazu(k, seiten(c_bild));
    k.push_back("quit");
    std::ofstream(client.ordner / "client.txt") << text(k);

    const pid_t s_pid = starten_im_hintergrund(server, "server", "server");
    ASSERT_TRUE(server_lauscht(port, 60));
    for (int i = 0; i < 1200 && pruefsummen(server, "server").empty() && waitpid(s_pid, nullptr, WNOHANG) == 0; ++i)
        usleep(100000);
    const pid_t c_pid = starten_im_hintergrund(client, "client", "client");
    EXPECT_TRUE(gut_beendet(c_pid, client, "client", 120));
    EXPECT_TRUE(gut_beendet(s_pid, server, "server", 60));

    std::map<std::string, std::pair<Bild, Bild>> b;
    for (const char* n : {"finanzen", "anlagen", "stadion"}) {
        auto& [sb, cb] = b[n];
        ASSERT_TRUE(Png_Lesen(s_bild(n), sb.px, sb.w, sb.h, false)) << n;
        ASSERT_TRUE(Png_Lesen(c_bild(n), cb.px, cb.w, cb.h, false)) << n;
        ASSERT_EQ(sb.w * sb.h, 640 * 480) << n;
        ASSERT_EQ(cb.w * cb.h, 640 * 480) << n;
        // DORVIN_BILDER=DIR keeps the frames to be looked at.
        if (const char* ziel = std::getenv("DORVIN_BILDER")) {
            fs::copy_file(s_bild(n), fs::path(ziel) / ("client_finanzen_server_" + std::string(n) + ".png"),
                          fs::copy_options::overwrite_existing);
            fs::copy_file(c_bild(n), fs::path(ziel) / ("client_finanzen_client_" + std::string(n) + ".png"),
                          fs::copy_options::overwrite_existing);
        }
    }
    // The server pictured the day before the client's: figures that move daily are compared by
    // their ink (many digits, not a lone 0), the credit limit as it is.
    const auto tinte = [](const Bild& x, int x1, int y1, int x2, int y2) {
        return x.anders(Bild{std::vector<uint16_t>(x.px.size(), x.at(x1, y1)), x.w, x.h}, x1, y1, x2, y2);
    };
    const auto& [s_fin, c_fin] = b["finanzen"];
    EXPECT_GE(tinte(c_fin, 235, 453, 560, 467) * 10, tinte(s_fin, 235, 453, 560, 467) * 9) << "taxable profit and tax";
    const auto& [s_anl, c_anl] = b["anlagen"];
    EXPECT_EQ(c_anl.anders(s_anl, 300, 397, 590, 411), 0) << "credit limit";
    EXPECT_GE(tinte(c_anl, 370, 219, 430, 263) * 10, tinte(s_anl, 370, 219, 430, 263) * 8) << "exchange indices";
    if (!HasFailure()) {
        fs::remove_all(server.ordner);
        fs::remove_all(client.ordner);
    }
}

}  // namespace
