// The tables screen on a network client: the place course of the graph and the information
// screen comes from the server in one call and equals the server's own.
#include <gtest/gtest.h>

#include <vector>

#include "common/netz_schleife.h"
#include "competitions/ligen_tabelle.h"
#include "competitions/spiele_netz.h"
#include "competitions/spiele_welt.h"

namespace {

using namespace spielwelt;

int32_t anfragen(int32_t nr) { return Netz_Schleife_Anfragen_Zaehlen(nr); }

class TabellenverlaufClient : public Spielwelt {
protected:
    void SetUp() override
    {
        Spielwelt::SetUp();
        ASSERT_TRUE(Netz_Schleife_Anlegen(1));
        Spiele_Netz_Registrieren();
        const int32_t block = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
        Wettbewerb_Datensatz* d = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA));
        d->spiele_block = block;
        d->spieltag = 4;
        // Team 2 wins, loses, wins big and draws: its place moves every day.
        const int32_t tore[4][2][2] = {{{1, 0}, {2, 0}}, {{0, 0}, {0, 3}}, {{1, 2}, {5, 0}}, {{1, 1}, {0, 0}}};
        for (int32_t tag = 0; tag < 4; ++tag)
            for (int32_t slot = 0; slot < 2; ++slot)
                ergebnis(block, tag, slot, slot * 2 + tag % 2, slot * 2 + 1 - tag % 2, tore[tag][slot][0],
                         tore[tag][slot][1]);
        Netz_Schleife_Anfragen.clear();
    }
    void TearDown() override
    {
        Netz_Schleife_Abbauen();
        Spielwelt::TearDown();
    }
};

TEST_F(TabellenverlaufClient, CourseComesInOneCallAndEqualsTheServers)
{
    std::vector<int32_t> server, client;
    Ligen_Tabelle_Grafik_Daten(LIGA, 2, &server);
    ASSERT_EQ(server.size(), 4u);

    Internet_Set_Client_Austausch(Netz_Schleife_Ueber_Den_Server);
    Netz_Rolle = 1;
    Spiele_Client_Start();
    Netz_Schleife_Anfragen.clear();
    client = {7, 7};  // what the caller held before goes
    Ligen_Tabelle_Grafik_Daten(LIGA, 2, &client);
    Netz_Rolle = 2;
    EXPECT_EQ(client, server);
    EXPECT_EQ(anfragen(1036), 1);
    EXPECT_EQ(anfragen(1010), 0);  // no table per day
}

TEST_F(TabellenverlaufClient, AFailedCallLeavesNoCourse)
{
    Internet_Set_Client_Austausch([](const std::vector<uint8_t>&, std::vector<uint8_t>*) { return false; });
    Netz_Rolle = 1;
    std::vector<int32_t> client = {1, 2, 3};
    Ligen_Tabelle_Grafik_Daten(LIGA, 2, &client);
    Netz_Rolle = 2;
    EXPECT_TRUE(client.empty());
}

}  // namespace
