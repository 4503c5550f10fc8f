// The match store's statistics as a client fetches them: series, head-to-head records, team
// statistics and winners equal the server's; mutated requests change nothing.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "common/netz_schleife.h"
#include "competitions/spiele_ewig.h"
#include "competitions/spiele_statistik.h"
#include "competitions/spiele_welt.h"
#include "database/manager.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "network/internet_read.h"
#include "network/netzuser.h"
#include "platform/bytes.h"

namespace {

using namespace spielwelt;

class SpieleNetz : public Spielwelt {
protected:
    int32_t block = -1;
    void SetUp() override
    {
        Spielwelt::SetUp();
        ASSERT_TRUE(Netz_Schleife_Anlegen(1));

        block = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
        const uint32_t ev[][2] = {{SPE_TOR | SPE_HEIM, 12}, {SPE_CHANCE, 20}, {SPE_TOR, 33}, {SPE_TOR | SPE_HEIM, 80}};
        for (int32_t tag = 0; tag < 3; ++tag) {
            int32_t h = Spiele_Lock(block, tag, 0, 0);
            Spiele_Set_Teams(h, 1, 2 + tag % 2);
            Spiele_Set_Ergebnis(h, 0, 0, 0);
            Spiele_Ereignis_Speicher_Reservieren(h);
            for (int32_t e = 0; e <= tag; ++e) Spiele_Set_Ereignis(h, ev[e][0], int32_t(ev[e][1]), 10, 11);
            Spiele_Set_Minute(h, 90);
            Spiele_Unlock(h);
        }
        const int32_t flags[SERIE_ANZAHL] = {0, 1, 0, 1, 0, 0, 1};
        for (int32_t i = 0; i < 3; ++i) Spiele_Set_Serien(LIGA, 1, flags, 0);
        Spiele_Set_Spiele_Gegen(LIGA, 1, 2, 2, 1);
        Spiele_Set_Spiele_Gegen(LIGA, 1, 2, 0, 0);
        Spiele_Set_Wettbewerb_Sieger(LIGA, 3, 1999, 1, 0, 0);
    }
    void TearDown() override
    {
        Netz_Schleife_Abbauen();
        Spielwelt::TearDown();
    }
    template <typename F>
    auto als_client(F f)
    {
        Internet_Set_Client_Austausch(Netz_Schleife_Ueber_Den_Server);
        Netz_Rolle = 1;
        auto r = f();
        Netz_Rolle = 2;
        Internet_Set_Client_Austausch(nullptr);
        return r;
    }
};

TEST_F(SpieleNetz, ClientStatisticsEqualTheServers)
{
    for (int32_t wettbewerb : {LIGA, -1}) {
        for (int32_t seiten : {0, 1, 2}) {
            for (int32_t spieler : {-1, 10}) {
                SCOPED_TRACE(std::to_string(wettbewerb) + "/" + std::to_string(seiten) + "/" + std::to_string(spieler));
                Spiele_Team_Statistik server, client;
                Spiele_Team_Statistik_Berechnen(1, wettbewerb, -1, -1, -1, seiten, &server, spieler);
                als_client([&] {
                    Spiele_Team_Statistik_Berechnen(1, wettbewerb, -1, -1, -1, seiten, &client, spieler);
                    return 0;
                });
                EXPECT_EQ(std::memcmp(&server, &client, sizeof server), 0);
            }
        }
    }
    Spiele_Team_Statistik s;
    Spiele_Team_Statistik_Berechnen(1, LIGA, -1, -1, -1, 0, &s, -1);
    EXPECT_EQ(s.spiele, 3);  // the comparison saw real numbers

    for (int32_t spalte = 0; spalte < 3; ++spalte) {
        int32_t a[SERIE_ANZAHL], b[SERIE_ANZAHL];
        const bool sa = Spiele_Get_Serien(LIGA, 1, a, spalte);
        const bool sb = als_client([&] { return Spiele_Get_Serien(LIGA, 1, b, spalte); });
        EXPECT_EQ(sa, sb);
        EXPECT_EQ(std::vector<int32_t>(a, a + SERIE_ANZAHL), std::vector<int32_t>(b, b + SERIE_ANZAHL));
    }
    int32_t w[3], c[3], ea[30], eb[30];
    std::fill(std::begin(ea), std::end(ea), -7);
    std::fill(std::begin(eb), std::end(eb), -7);
    EXPECT_TRUE(Spiele_Get_Spiele_Gegen(LIGA, 1, 2, &w[0], &w[1], &w[2], ea, 10));
    EXPECT_TRUE(als_client([&] { return Spiele_Get_Spiele_Gegen(LIGA, 1, 2, &c[0], &c[1], &c[2], eb, 10); }));
    EXPECT_EQ(std::vector<int32_t>(w, w + 3), (std::vector<int32_t>{1, 1, 0}));
    EXPECT_EQ(std::vector<int32_t>(c, c + 3), std::vector<int32_t>(w, w + 3));
    EXPECT_EQ(std::vector<int32_t>(eb, eb + 6), std::vector<int32_t>(ea, ea + 6));
    EXPECT_EQ(als_client([&] { return Spiele_Get_Wettbewerb_Sieger(LIGA, 1999, nullptr, nullptr, nullptr); }), 3);
    EXPECT_EQ(als_client([&] { return Spiele_Get_Wettbewerb_Sieger(LIGA, 1998, nullptr, nullptr, nullptr); }), -1);
}

TEST_F(SpieleNetz, ClientWithoutAServerGetsClearedOutputs)
{
    Netz_Rolle = 1;
    int32_t werte[SERIE_ANZAHL] = {9, 9, 9, 9, 9, 9, 9};
    EXPECT_FALSE(Spiele_Get_Serien(LIGA, 1, werte, 0));
    EXPECT_EQ(std::vector<int32_t>(werte, werte + SERIE_ANZAHL), std::vector<int32_t>(SERIE_ANZAHL, 0));
    Spiele_Team_Statistik s;
    s.spiele = 77;
    Spiele_Team_Statistik_Berechnen(1, LIGA, -1, -1, -1, 0, &s, -1);
    EXPECT_EQ(s.spiele, 0);
    EXPECT_EQ(s.letzter_sieg[0], -1);
    EXPECT_EQ(Spiele_Get_Wettbewerb_Sieger(LIGA, 1999, nullptr, nullptr, nullptr), -1);
    Netz_Rolle = 2;
}

TEST_F(SpieleNetz, MutatedRequestsLeaveTheStoreAlone)
{
    als_client([&] {
        int32_t w[SERIE_ANZAHL], x = 0, e[30];
        Spiele_Get_Serien(LIGA, 1, w, 0);
        Spiele_Get_Spiele_Gegen(LIGA, 1, 2, &x, &x, &x, e, 10);
        Spiele_Team_Statistik s;
        Spiele_Team_Statistik_Berechnen(1, LIGA, -1, -1, -1, 0, &s, -1);
        return Spiele_Get_Wettbewerb_Sieger(LIGA, 1999, nullptr, nullptr, nullptr);
    });
    const auto gut = Netz_Schleife_Anfragen;
    ASSERT_EQ(gut.size(), 4u);
    Spiele_Team_Statistik vorher, nachher;
    Spiele_Team_Statistik_Berechnen(1, LIGA, -1, -1, -1, 0, &vorher, -1);
    int32_t serien_vorher[SERIE_ANZAHL], serien_nachher[SERIE_ANZAHL];
    Spiele_Get_Serien(LIGA, 1, serien_vorher, 2);
    Netz_Schleife_Mutiert_Senden(gut, 99, Netz_Schleife_Mutationen(6000));
    Spiele_Team_Statistik_Berechnen(1, LIGA, -1, -1, -1, 0, &nachher, -1);
    Spiele_Get_Serien(LIGA, 1, serien_nachher, 2);
    EXPECT_EQ(std::memcmp(&vorher, &nachher, sizeof vorher), 0);
    EXPECT_EQ(std::vector<int32_t>(serien_vorher, serien_vorher + SERIE_ANZAHL),
              std::vector<int32_t>(serien_nachher, serien_nachher + SERIE_ANZAHL));
}

}  // namespace
