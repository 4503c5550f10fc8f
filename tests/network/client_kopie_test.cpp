// A client's copies of the clubs: the fixed records it fetches tell it which clubs are not normal,
// so that it counts the normal clubs as the server does and takes the server's records of them.
#include <gtest/gtest.h>

#include <vector>

#include "common/capture.h"
#include "database/db_hilfe.h"
#include "database/spieler.h"
#include "database/teamspieler.h"
#include "platform/bytes.h"
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

// Players of a client's club may still hold marks from an earlier match day. The match never
// reads them (it looks for the marked player on the pitch), so the server takes the line-up with
// them, as the same day played at one PC keeps them; a mark of today's opponent is still checked.
TEST(Client_Kopie, ALineUpWithMarksLeftFromAnEarlierMatchDayIsTaken)
{
    Test_Netz_Welt_Anlegen();
    for (int32_t p : {3, 4}) Teamspieler_Get_Record(1, p)->flags = TS_STARTELF;
    Teamspieler_Get_Record(1, 3)->deckt = 60;
    Teamspieler_Get_Record(1, 4)->deckt = 21;
    std::vector<uint8_t> eigene, fremde;
    ASSERT_TRUE(Teamspieler_Internet_Aufstellung_Packen(1, 2, &eigene, &fremde));
    auto zurueck = [&](int32_t gegner, int16_t position) {
        Bytes_Setze16(eigene.data() + 3 * 24 + 8, uint16_t(position));
        return Teamspieler_Internet_Server_Get_Data_Back(1, gegner, eigene.data(), uint32_t(eigene.size()), nullptr, 0);
    };
    ASSERT_TRUE(zurueck(2, 100));
    EXPECT_EQ(Teamspieler_Get_Record(1, 3)->position, 100);
    EXPECT_EQ(Teamspieler_Get_Record(1, 3)->deckt, 60);
    EXPECT_EQ(Teamspieler_Get_Record(1, 4)->deckt, 21);
    // A day without a match: every mark is an old one.
    ASSERT_TRUE(zurueck(-1, 101));
    EXPECT_EQ(Teamspieler_Get_Record(1, 3)->position, 101);
    // Today's opponent's keeper is marked by nobody.
    Spieler_Fix_Daten[21].lieblingspos = SP_POS_TORWART;
    EXPECT_FALSE(zurueck(2, 102));
    EXPECT_EQ(Teamspieler_Get_Record(1, 3)->position, 101);
    Test_Welt_Aufraeumen();
}

}  // namespace
