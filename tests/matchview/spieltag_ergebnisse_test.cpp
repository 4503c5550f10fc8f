// A network client closes no match day: once its game is over it shows the day's results pages
// itself, each competition's scores asked from the server first, whatever it held of them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "common/netz_schleife.h"
#include "competitions/spiele.h"
#include "competitions/statistik.h"
#include "competitions/wettbewerb.h"
#include "matchview/spieltagbericht.h"
#include "platform/os/os_display.h"
#include "tests/matchview/spieltag_live.h"

namespace {

class Spieltag_Ergebnisse : public Spieltag_Live_Welt {};

using Tore = std::vector<std::pair<int32_t, int32_t>>;

// The scores of the competition's current match day and leg as this PC reads them.
Tore tore_des_tages(int32_t wettbewerb)
{
    Tore v;
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(wettbewerb);
    if (!info) return v;
    const int32_t block = info->spiele_block, tag = info->spieltag, runde = info->runde;
    for (int32_t slot = 0, n = Wettbewerb_Get_Paarung(wettbewerb, -1); slot < n; ++slot) {
        const int32_t h = Spiele_Lock(block, tag, runde, slot);
        if (!h) continue;
        const Spiele_Spiel* s = Spiele_Get_Spiel(h, 1);
        v.emplace_back(s->heim_tore, int32_t(int8_t(s->gast_tore)));
        Spiele_Unlock(h);
    }
    return v;
}

std::vector<std::pair<int32_t, Tore>> seiten;
std::string erstes_bild;

TEST_F(Spieltag_Ergebnisse, AClientShowsTheDaysResultsAsTheServerHasThem)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_SCHLIESSEN));
    int32_t w[64];
    const int32_t n = Spieltag_Get_Wettbewerbe(w, 64);
    ASSERT_GT(n, 0);
    // The manager asked for every competition's results.
    for (int32_t i = 0; i < n; ++i) Wettbewerb_Set_Schalter(w[i], 1, 1);
    int32_t verein = 1;
    while (verein < Team_Anzahl && Team_Hat_Manager(verein)) ++verein;
    ASSERT_TRUE(Netz_Schleife_Anlegen(verein));
    Internet_Set_Client_Austausch(Netz_Schleife_Ueber_Den_Server);

    // The client has read the day's records during the games; the server's scores then change,
    // as a day's last minutes change them.
    Netz_Rolle = 1;
    std::map<int32_t, Tore> beim_client, beim_server;
    for (int32_t i = 0; i < n; ++i) beim_client[w[i]] = tore_des_tages(w[i]);
    Netz_Rolle = 2;
    for (int32_t i = 0; i < n; ++i) {
        const Wettbewerb_Info* info = Wettbewerb_Get_Info(w[i]);
        ASSERT_NE(info, nullptr);
        for (int32_t slot = 0, k = Wettbewerb_Get_Paarung(w[i], -1); slot < k; ++slot) {
            const int32_t h = Spiele_Lock(info->spiele_block, info->spieltag, info->runde, slot);
            if (!h) continue;
            const Spiele_Spiel s = *Spiele_Get_Spiel(h, 1);
            if (s.heim_tore >= 0) Spiele_Set_Ergebnis(h, s.heim_tore + 3, int8_t(s.gast_tore), 0);
            Spiele_Unlock(h);
        }
        beim_server[w[i]] = tore_des_tages(w[i]);
    }
    ASSERT_NE(beim_client, beim_server);

    // Each page reads the server's scores; the first page is kept as a picture.
    Netz_Rolle = 1;
    seiten.clear();
    erstes_bild = SPIELSZENEN_ORDNER + "/ergebnisse_" + std::to_string(::getpid()) + ".png";
    std::filesystem::remove(erstes_bild);
    Spieltagbericht_Set_Beobachter([](int32_t wettbewerb) { seiten.emplace_back(wettbewerb, tore_des_tages(wettbewerb)); });
    Auslosung_Set_Warten_Hook([](int32_t, int32_t) {
        if (!std::filesystem::exists(erstes_bild)) Os_Display_Dump_Png(erstes_bild.c_str());
        return 1;
    });
    Spieltag_Ergebnisse_Zeigen();
    Auslosung_Set_Warten_Hook(nullptr);
    Spieltagbericht_Set_Beobachter(nullptr);
    Internet_Set_Client_Austausch(nullptr);
    Internet_Set_Server_Sender(nullptr);
    for (auto& m : Mitspieler) Netzuser_Loeschen(&m);
    Manager_Mitspieler_Killen(verein);
    Netz_Rolle = 3;

    ASSERT_EQ(seiten.size(), size_t(n));
    for (int32_t i = 0; i < n; ++i) {
        EXPECT_EQ(seiten[size_t(i)].first, w[i]);
        EXPECT_EQ(seiten[size_t(i)].second, beim_server[w[i]]) << "competition " << w[i];
    }
    EXPECT_TRUE(std::filesystem::exists(erstes_bild));
}

}  // namespace
