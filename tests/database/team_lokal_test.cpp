// Whose turn it is and which clubs are managed at this PC, in each network role.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "common/capture.h"
#include "database/db_hilfe.h"
#include "database/manager.h"
#include "network/netzuser.h"

namespace {

// Teams 0..107 are clubs, then the transfer market and the youth team; clubs 1 and 4 have
// managers.
struct LokalTest : ::testing::Test {
    int platzhalter = 0;
    void SetUp() override
    {
        Test_Teams_Anlegen(110);
        manager(1);
        manager(4);
    }
    void TearDown() override
    {
        for (int32_t t = 0; t < Team_Anzahl; ++t) T_Fix[t].manager = nullptr;
        Manager_Anzahl = 0;
        Server_Team = -1;
        Stand_Alone_Server = 0;
        Handelndes_Team = 0;
        Test_Aufraeumen();
    }
    void manager(int32_t team)
    {
        T_Fix[team].manager = reinterpret_cast<Manager_Struktur*>(&platzhalter);
        ++Manager_Anzahl;
    }
    std::vector<int32_t> lokal()
    {
        std::vector<int32_t> r;
        for (int32_t t = 0; t < Team_Anzahl; ++t)
            if (Team_Ist_Lokal(t)) r.push_back(t);
        return r;
    }
};

TEST_F(LokalTest, EachRoleHasItsOwnLocalClubs)
{
    // A PC without a network role: every human manager plays at it.
    Netz_Rolle = 0;
    EXPECT_EQ(lokal(), (std::vector<int32_t>{1, 4}));

    // The server: its own manager and every other manager whose club no participant holds (they
    // take their turns at the server); a participant's club is played at its client.
    Netz_Rolle = 3;
    Server_Team = 4;
    EXPECT_EQ(lokal(), (std::vector<int32_t>{1, 4}));
    Mitspieler[0].in_benutzung = 1;
    Mitspieler[0].verein_beansprucht = 1;
    Mitspieler[0].verein = 1;
    EXPECT_EQ(lokal(), (std::vector<int32_t>{4}));
    Netzuser_Loeschen(&Mitspieler[0]);
    EXPECT_EQ(lokal(), (std::vector<int32_t>{1, 4})) << "a club whose client has gone is played here again";
    Stand_Alone_Server = 1;
    EXPECT_TRUE(lokal().empty());
    Stand_Alone_Server = 0;

    // A remote client: its own club only.
    Netz_Rolle = 1;
    Handelndes_Team = 1;
    EXPECT_EQ(lokal(), (std::vector<int32_t>{1}));

    Fehler_Capture cap;
    EXPECT_FALSE(Team_Ist_Lokal(110));
    EXPECT_FALSE(Team_Ist_Lokal(-1));
    EXPECT_TRUE(cap.contains("Team_Ist_Lokal: ERROR - teamnr=110"));
    Team_Free_Arrays(true);
    EXPECT_FALSE(Team_Ist_Lokal(1));
}

TEST_F(LokalTest, TurnOrderChecksTheManagerCount)
{
    Netz_Rolle = 0;
    int32_t dran[MANAGER_DRAN_MAX];
    EXPECT_EQ(Manager_Ist_Dran(dran, false, 0), 2);
    EXPECT_EQ(dran[0], 1);
    EXPECT_EQ(dran[1], 4);

    // A record that the count does not know of: no answer rather than a wrong one.
    manager(2);
    --Manager_Anzahl;
    Fehler_Capture cap;
    EXPECT_EQ(Manager_Ist_Dran(dran, false, 0), -1);
    EXPECT_EQ(dran[0], -1);
    EXPECT_TRUE(cap.contains("Manager_Ist_Dran: nr!=managerzahl!"));
    EXPECT_FALSE(Team_Ist_Lokal(1));
    EXPECT_EQ(Manager_Ist_Dran(nullptr, false, 0), -1);
    EXPECT_TRUE(cap.contains("Manager_Ist_Dran: array=NULL!"));

    // Shuffled by the game's generator: the same teams.
    ++Manager_Anzahl;
    EXPECT_EQ(Manager_Ist_Dran(dran, true, 0), 3);
    std::vector<int32_t> gemischt(dran, dran + 3);
    std::sort(gemischt.begin(), gemischt.end());
    EXPECT_EQ(gemischt, (std::vector<int32_t>{1, 2, 4}));

    // More managers than the caller's array holds: nothing written beyond it.
    for (int32_t t = 5; t < 107; ++t) manager(t);
    std::vector<int32_t> gross(MANAGER_DRAN_MAX + 1, 12345);
    EXPECT_EQ(Manager_Ist_Dran(gross.data(), false, 0), -1);
    EXPECT_TRUE(cap.contains("Manager_Ist_Dran: array-index zu groß!"));
    EXPECT_EQ(gross[MANAGER_DRAN_MAX], 12345);
}

}  // namespace
