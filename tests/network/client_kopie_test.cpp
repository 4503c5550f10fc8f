// A client's copies of the clubs: the fixed records it fetches tell it which clubs are not normal,
// so that it counts the normal clubs as the server does and takes the server's records of them.
#include <gtest/gtest.h>

#include <vector>

#include "common/capture.h"
#include "database/db_hilfe.h"
#include "gameflow/ablauf_anfrage.h"

namespace {

TEST(Client_Kopie, FixedRecordsNameThePseudoClubsAndTheRecordsOfTheNormalClubsFit)
{
    Test_Netz_Welt_Anlegen();
    std::vector<uint8_t> fix, block;
    Team_Internet_Server_Send_T_Fix_Block(&fix);
    T[3].system_1 = 5;
    Team_Internet_Server_Send_T_Block(&block);
    // a client that knows only the start info: the market from it, the youth club not at all
    T[3].system_1 = 0;
    const int32_t markt = Transfermarkt_Team, jugend = Jugend_Team;
    Jugend_Team = -1;
    Netz_Rolle = 1;
    ASSERT_TRUE(Team_Internet_Client_T_Fix_Block_Einlesen(fix.data(), uint32_t(fix.size())));
    EXPECT_EQ(Jugend_Team, jugend);
    EXPECT_EQ(Transfermarkt_Team, markt);
    ASSERT_TRUE(Team_Internet_Client_T_Block_Einlesen(block.data(), uint32_t(block.size())));
    EXPECT_EQ(T[3].system_1, 5);
    Test_Welt_Aufraeumen();
}

// Whether this PC fetched a club's links is its own knowledge: the check sum of the club must
// not tell a client from the server by it, yet still see a changed record.
TEST(Client_Kopie, ChecksumIgnoresOnlyTheFetchedLinksMark)
{
    Test_Netz_Welt_Anlegen();
    const uint32_t vorher = Ablauf_Pruefsumme(2);
    T_Fix[2].netz = int8_t(T_Fix[2].netz | 4);
    EXPECT_EQ(Ablauf_Pruefsumme(2), vorher);
    T_Fix[2].netz = int8_t(T_Fix[2].netz | 2);
    EXPECT_NE(Ablauf_Pruefsumme(2), vorher);

    // Nor does whether the club's manager is connected here: a client's club is online at the
    // server and not in the same game played at one PC. Its other status bits still count.
    T_Fix[2].netz = int8_t(T_Fix[2].netz & ~2);
    T[2].status = uint8_t(T[2].status | 16 | 32);
    EXPECT_EQ(Ablauf_Pruefsumme(2), vorher);
    T[2].status = uint8_t(T[2].status | 2);
    EXPECT_NE(Ablauf_Pruefsumme(2), vorher);
    Test_Welt_Aufraeumen();
}

}  // namespace
