#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "common/capture.h"
#include "database/db_hilfe.h"
#include "database/teamspieler.h"
#include "platform/liste.h"
#include "platform/mem.h"

namespace {

// Teams 0-3 are clubs, 4 the transfer market, 5 the youth team; 120 players.
struct LinkTest : ::testing::Test {
    void SetUp() override
    {
        Test_Teams_Anlegen(6);
        Test_Spieler_Anlegen(120);
        for (int32_t t = 0; t < 4; ++t) T_Fix[t].liga = 1;
        Spieler_Fix_Daten[0].lieblingspos = SP_POS_TORWART;
    }
    void TearDown() override { Test_Aufraeumen(); }
    bool kommt(int32_t team, int32_t sp, int32_t monate = 24, int32_t art = 0, int32_t quelle = -1)
    {
        // the links alone: without consequences, so no new line-up runs behind the test's back
        return Teamspieler_Kommt_Oder_Geht(1, team, sp, 150, art, monate, quelle, false);
    }
};

TEST_F(LinkTest, ArrivalDepartureAndFindingThePlayer)
{
    ASSERT_TRUE(kommt(0, 0));
    ASSERT_TRUE(kommt(0, 7));
    EXPECT_EQ(T[0].spieleranzahl, 2);
    EXPECT_EQ(Team_Wert(TEAM_SPIELERANZAHL, 0, 0, 0), 2);
    EXPECT_EQ(Spieler_Wert(SP_STATUS, 7, 0, 0) & SP_STATUS_OHNE_VEREIN, 0);
    EXPECT_EQ(Teamspieler_Wert(310, 0, 0, 0, 0), 459);  // the keeper's place
    EXPECT_EQ(Teamspieler_Wert(300, 0, 0, 0, 0), 1);    // keepers may wear 1
    EXPECT_EQ(Teamspieler_Wert(300, 0, 7, 0, 0), 2);    // field players start at 2
    EXPECT_EQ(Teamspieler_Wert(310, 0, 7, 0, 0), -1);
    EXPECT_EQ(Teamspieler_Wert(316, 0, 7, 0, 0), -1);
    EXPECT_EQ(Teamspieler_Wert(301, 0, 7, 0, 0), 150000);
    EXPECT_EQ(Teamspieler_Wert(305, 0, 7, 0, 0), 24);
    EXPECT_EQ(Teamspieler_Wert(307, 0, 7, 0, 0), -1);
    EXPECT_EQ(Teamspieler_Wert(315, 0, 7, 0, 0), 7);
    EXPECT_EQ(Teamspieler_Wert(318, 0, 7, 0, 0), 0);
    int32_t w306 = Teamspieler_Wert(306, 0, 7, 0, 0);
    EXPECT_GE(w306, 60);
    EXPECT_LE(w306, 90);
    EXPECT_EQ(T[0].flags & 2, 2);

    // Transfer: he leaves club 0 and joins club 1 on loan for 12 of his 24 months.
    T_Own[0].einzeltraining[3][1] = 7;
    ASSERT_TRUE(kommt(1, 7, 12, 2, 0));
    EXPECT_EQ(Teamspieler_Wert(326, 1, 7, 0, 0), 12);
    EXPECT_EQ(Teamspieler_Wert(318, 1, 7, 0, 0), 0);
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(0, 0, 7, 0, 0, 0, -1, false));
    EXPECT_EQ(T[0].spieleranzahl, 1);
    EXPECT_EQ(T_Own[0].einzeltraining[3][1], -1);
    EXPECT_EQ(Teamspieler_Ist_Im_Team(0, 7), -1);
    EXPECT_EQ(Teamspieler_Get_Team_Des_Spielers(-1, 7, -1), 1);
    EXPECT_EQ(Teamspieler_Get_Team_Des_Spielers(0, 7, -1), -1);
    EXPECT_EQ(Teamspieler_Get_Team_Des_Spielers(1, 7, -1), 1);
    EXPECT_EQ(Teamspieler_Get_Team_Des_Spielers(-1, 99, -1), -1);
    ASSERT_TRUE(kommt(Transfermarkt_Team, 99));
    EXPECT_EQ(Teamspieler_Get_Team_Des_Spielers(-1, 99, -1), Transfermarkt_Team);

    Fehler_Capture cap;
    EXPECT_FALSE(Teamspieler_Kommt_Oder_Geht(0, 0, 7, 0, 0, 0, -1, false));
    EXPECT_TRUE(cap.contains("Spieler geht: Listeneintrag nicht gefunden!"));
    EXPECT_FALSE(kommt(1, 7));  // a second link would count him twice
    EXPECT_EQ(T[1].spieleranzahl, 1);
    ASSERT_TRUE(kommt(2, 8, 30, 2, 3));  // lender without the player
    EXPECT_TRUE(cap.contains("Teamspieler_Kommt_Oder_Geht: Leihdauer zu groß!"));
    EXPECT_EQ(Teamspieler_Wert(326, 2, 8, 0, 0), 0);
}

// A squad lookup is remembered while no list changes: it must follow a player who leaves one
// club and joins another (his new link may take the old one's memory), and a miss must not stick.
TEST_F(LinkTest, ALookupFollowsThePlayerWhenTheSquadsChange)
{
    ASSERT_TRUE(kommt(0, 7));
    for (int32_t i = 0; i < 2; ++i) {
        EXPECT_EQ(Teamspieler_Ist_Im_Team(0, 7), 0);
        EXPECT_EQ(Teamspieler_Ist_Im_Team(1, 7), -1);
    }
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(0, 0, 7, 0, 0, 0, -1, false));
    EXPECT_EQ(Teamspieler_Ist_Im_Team(0, 7), -1);
    ASSERT_TRUE(kommt(1, 7));
    EXPECT_EQ(Teamspieler_Ist_Im_Team(0, 7), -1);
    EXPECT_EQ(Teamspieler_Ist_Im_Team(1, 7), 1);
    Teamspieler_Wert(310, 1, 7, 200, 1);
    EXPECT_EQ(Teamspieler_Wert(310, 1, 7, 0, 0), 200);
    EXPECT_EQ(Teamspieler_Get_Record(1, 7)->position, 200);
}

// The club of a player asked for without a hint follows every move at once, and a player that
// two lists hold is found where a walk over the clubs in their order finds him first.
TEST_F(LinkTest, TheClubAskedForWithoutAHintFollowsEveryMove)
{
    auto verein = [] { return Teamspieler_Get_Team_Des_Spielers(-1, 9, -1); };
    ASSERT_TRUE(kommt(2, 9));
    EXPECT_EQ(verein(), 2);
    EXPECT_EQ(verein(), 2);
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(0, 2, 9, 0, 0, 0, -1, false));
    EXPECT_EQ(verein(), -1);
    ASSERT_TRUE(kommt(3, 9));
    EXPECT_EQ(verein(), 3);
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(0, 3, 9, 0, 0, 0, -1, false));
    ASSERT_TRUE(kommt(Jugend_Team, 9));
    EXPECT_EQ(verein(), Jugend_Team);
    ASSERT_NE(Liste_Insert_Element(&T_Fix[1].liste, nullptr, nullptr, sizeof(TS), 9), nullptr);
    EXPECT_EQ(verein(), 1);
    EXPECT_EQ(Teamspieler_Get_Team_Des_Spielers(-1, 10, -1), -1);

    // a lookup after a change walks every list to its end and leaves the lists' cursor there
    ASSERT_TRUE(kommt(Jugend_Team, 11));
    ASSERT_TRUE(kommt(Jugend_Team, 12));
    ASSERT_TRUE(kommt(3, 13));
    Liste_Set_Cursor(Liste_First_Element(&T_Fix[0].liste));
    EXPECT_EQ(Teamspieler_Get_Team_Des_Spielers(-1, 13, -1), 3);
    EXPECT_EQ(Liste_Next_Cursor(), nullptr);
}

// A write to a player just looked up lands in his record as the general path writes it: within
// the field's bounds as it is (a wide one cut to the record's width), beyond them cut to the
// bound and reported; after a move, in the new club's record.
TEST_F(LinkTest, AWriteAfterALookupKeepsTheBoundsAndFollowsThePlayer)
{
    ASSERT_TRUE(kommt(0, 7));
    for (const auto& [feld, wert, gelesen] : {std::tuple{305, 60, 60}, {310, 459, 459}, {309, 40000, 32767}, {324, 99, 99}}) {
        Teamspieler_Wert(feld, 0, 7, 0, 0);
        Teamspieler_Wert(feld, 0, 7, wert, 1);
        EXPECT_EQ(Teamspieler_Wert(feld, 0, 7, 0, 0), gelesen) << feld;
    }
    Fehler_Capture cap;
    Teamspieler_Wert(305, 0, 7, 61, 1);
    EXPECT_TRUE(cap.contains("Wert nicht innerhalb der Grenzen"));
    EXPECT_EQ(Teamspieler_Get_Record(0, 7)->vertrag_monate, 60);
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(0, 0, 7, 0, 0, 0, -1, false));
    ASSERT_TRUE(kommt(1, 7, 30));
    Teamspieler_Wert(305, 1, 7, 0, 0);
    Teamspieler_Wert(305, 1, 7, 12, 1);
    EXPECT_EQ(Teamspieler_Get_Record(1, 7)->vertrag_monate, 12);
}

// A write into the record at hand leaves the record and the reports as Teamspieler_Wert's write
// leaves them, for every field and for values inside, on and beyond the bounds.
TEST_F(LinkTest, AWriteIntoTheRecordAtHandIsTheAccessorsWrite)
{
    ASSERT_TRUE(kommt(0, 7));
    TS* ts = Teamspieler_Get_Record(0, 7);
    const TS anfang = *ts;
    for (int32_t feld = 300; feld <= 337; ++feld)
        for (const int32_t wert : {-70000, -2, -1, 0, 7, 48, 61, 100, 459, 460, 32767, 40000, 50000, 50001}) {
            Fehler_Capture soll_cap;
            Teamspieler_Wert(feld, 0, 7, wert, 1);
            const TS soll = *ts;
            *ts = anfang;
            Fehler_Capture cap;
            Teamspieler_Wert_Schreiben(ts, feld, 0, 7, wert);
            EXPECT_EQ(std::memcmp(ts, &soll, sizeof soll), 0) << feld << " " << wert;
            EXPECT_EQ(cap.texts, soll_cap.texts) << feld << " " << wert;
            *ts = anfang;
        }
}

// The club asked for without a hint stays known while only lists other than the clubs' change,
// and the lists' cursor ends as a walk of the clubs' lists leaves it; a club's list given
// another's elements shows at once.
TEST_F(LinkTest, TheClubWithoutAHintOutlastsOtherListsButNotItsOwn)
{
    auto verein = [](int32_t p) { return Teamspieler_Get_Team_Des_Spielers(-1, p, -1); };
    ASSERT_TRUE(kommt(2, 4));
    EXPECT_EQ(verein(4), 2);
    Liste fremd{};
    Liste_Init(&fremd);
    for (uint32_t p : {5u, 6u}) ASSERT_NE(Liste_Insert_Element(&fremd, nullptr, nullptr, sizeof(TS), p), nullptr);
    Liste_Set_Cursor(fremd.next);
    EXPECT_EQ(verein(5), -1);
    EXPECT_EQ(Liste_Next_Cursor(), nullptr);
    ASSERT_TRUE(Liste_Tauschen(&T_Fix[1].liste, &fremd));
    EXPECT_EQ(verein(5), 1);
    EXPECT_EQ(verein(4), 2);
    Liste_Delete_All(&fremd);
}

// A squad is held in one row while no list changes: an arrival at the front, a departure and a
// list entry without a player must all show in the next listing and lookup, in the list's order,
// and the lists' cursor stands where a walk of the list leaves it.
TEST_F(LinkTest, AHeldSquadFollowsEveryChangeOfItsList)
{
    for (int32_t sp : {3, 4, 5}) ASSERT_TRUE(kommt(0, sp));
    auto kader = [](int32_t team) {
        int32_t feld[60];
        TS* records[60];
        const int32_t n = Teamspieler_Kader(team, feld, records, -1, 0);
        std::vector<int32_t> spieler(feld, feld + n);
        for (int32_t i = 0; i < n; ++i) EXPECT_EQ(records[i], Teamspieler_Get_Record(team, feld[i])) << i;
        return spieler;
    };
    const std::vector<int32_t> vorher = kader(0);
    ASSERT_EQ(vorher.size(), 3u);
    EXPECT_EQ(kader(0), vorher);
    EXPECT_EQ(Liste_Next_Cursor(), nullptr);

    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(0, 0, vorher[1], 0, 0, 0, -1, false));
    ASSERT_NE(Liste_Insert_Element(&T_Fix[0].liste, nullptr, nullptr, sizeof(TS), 0xFFFFFFFFu), nullptr);
    ASSERT_NE(Liste_Insert_Element(&T_Fix[0].liste, nullptr, nullptr, sizeof(TS), 9), nullptr);
    EXPECT_EQ(kader(0), (std::vector<int32_t>{9, vorher[0], vorher[2]}));
    EXPECT_EQ(Teamspieler_Ist_Im_Team(0, vorher[1]), -1);
    EXPECT_EQ(Teamspieler_Ist_Im_Team(0, 9), 0);
    EXPECT_EQ(Teamspieler_Get_Record(0, 9), T_Fix[0].liste.next->data);

    // An empty squad leaves the cursor where it stood.
    Liste_Set_Cursor(T_Fix[0].liste.next);
    EXPECT_TRUE(kader(2).empty());
    EXPECT_EQ(Liste_Next_Cursor(), T_Fix[0].liste.next->next);
}

// A held squad and a remembered lookup answer for their own club's list: changes of other lists
// leave them standing, and every way the club's list itself changes (a swap with another list,
// a saved form read into it, an entry removed behind the lookup's back) shows at once.
TEST_F(LinkTest, AHeldSquadFollowsItsOwnListWhateverElseChanges)
{
    for (int32_t sp : {3, 4}) ASSERT_TRUE(kommt(0, sp));
    ASSERT_TRUE(kommt(1, 6));
    auto kader = [](int32_t team) {
        int32_t feld[60];
        const int32_t n = Teamspieler_Kader(team, feld, nullptr, -1, 0);
        return std::vector<int32_t>(feld, feld + n);
    };
    EXPECT_EQ(kader(0), (std::vector<int32_t>{3, 4}));
    TS* record = Teamspieler_Get_Record(0, 3);
    ASSERT_NE(record, nullptr);

    // another club's list and a list of its own change: club 0 stays as it was
    ASSERT_TRUE(kommt(2, 8));
    Liste fremd{};
    Liste_Init(&fremd);
    ASSERT_NE(Liste_Insert_Element(&fremd, nullptr, nullptr, sizeof(TS), 3), nullptr);
    EXPECT_EQ(kader(0), (std::vector<int32_t>{3, 4}));
    EXPECT_EQ(Teamspieler_Get_Record(0, 3), record);
    EXPECT_EQ(Teamspieler_Ist_Im_Team(0, 4), 0);
    EXPECT_EQ(Teamspieler_Ist_Im_Team(2, 8), 2);

    // club 0 and the other list swap their entries: the lookups follow both ways
    ASSERT_TRUE(Liste_Tauschen(&T_Fix[0].liste, &fremd));
    EXPECT_EQ(kader(0), (std::vector<int32_t>{3}));
    EXPECT_NE(Teamspieler_Get_Record(0, 3), record);
    EXPECT_EQ(Teamspieler_Ist_Im_Team(0, 4), -1);
    ASSERT_TRUE(Liste_Tauschen(&T_Fix[0].liste, &fremd));
    EXPECT_EQ(Teamspieler_Get_Record(0, 3), record);
    EXPECT_EQ(Teamspieler_Ist_Im_Team(0, 4), 0);

    // club 1's saved form read into club 0's list
    uint8_t* puffer = nullptr;
    const uint32_t laenge = Liste_Save_Buffer(&puffer, &T_Fix[1].liste, -1);
    ASSERT_TRUE(Liste_Load_Buffer(puffer, laenge, &T_Fix[0].liste));
    Mem_Free(puffer, 0);
    EXPECT_EQ(kader(0), (std::vector<int32_t>{6}));
    EXPECT_EQ(Teamspieler_Ist_Im_Team(0, 3), -1);
    EXPECT_EQ(Teamspieler_Ist_Im_Team(0, 6), 0);

    // an entry removed straight through the list
    Liste_Delete_Element(&T_Fix[0].liste, T_Fix[0].liste.next);
    EXPECT_TRUE(kader(0).empty());
    EXPECT_EQ(Teamspieler_Ist_Im_Team(0, 6), -1);
    EXPECT_EQ(Teamspieler_Ist_Im_Team(1, 6), 1);
    Liste_Delete_All(&fremd);
}

// A held squad answers only while its list stands: a list given up has no squad, and one that
// holds nothing but a marker has no players. The lists' cursor stays where it stood for an
// unregistered list and ends behind a walked one.
TEST_F(LinkTest, AHeldSquadGoesWithItsList)
{
    for (int32_t sp : {3, 4}) ASSERT_TRUE(kommt(1, sp));
    ASSERT_TRUE(kommt(0, 7));
    ASSERT_TRUE(kommt(0, 8));
    int32_t feld[60];
    ASSERT_EQ(Teamspieler_Kader(1, feld, nullptr, -1, 0), 2);
    ASSERT_EQ(Teamspieler_Kader(1, feld, nullptr, -1, 0), 2);
    Liste_Element* const merke = T_Fix[0].liste.next;

    Fehler_Capture fehler;
    ASSERT_TRUE(Liste_Delete_All(&T_Fix[1].liste));
    Liste_Set_Cursor(merke);
    EXPECT_EQ(Teamspieler_Kader(1, feld, nullptr, -1, 0), 0);
    EXPECT_EQ(Liste_Next_Cursor(), merke->next);
    EXPECT_EQ(Teamspieler_Ist_Im_Team(1, 3), -1);

    Liste_Init(&T_Fix[1].liste);
    ASSERT_NE(Liste_Insert_Element(&T_Fix[1].liste, nullptr, nullptr, sizeof(TS), 0xFFFFFFFFu), nullptr);
    for (int runde = 0; runde < 2; ++runde) {
        Liste_Set_Cursor(merke);
        EXPECT_EQ(Teamspieler_Kader(1, feld, nullptr, -1, 0), 0) << runde;
        EXPECT_EQ(Liste_Next_Cursor(), nullptr) << runde;
    }
}

TEST_F(LinkTest, SquadLimitAndFilters)
{
    for (int32_t sp = 0; sp < TEAM_MAX_SPIELER; ++sp) ASSERT_TRUE(kommt(0, sp)) << sp;
    Fehler_Capture cap;
    EXPECT_FALSE(kommt(0, 60));
    EXPECT_TRUE(cap.contains("Teamspieler_Kommt_Oder_Geht: Max_Spielerzahl erreicht!"));
    EXPECT_EQ(T[0].spieleranzahl, TEAM_MAX_SPIELER);
    EXPECT_EQ(Teamspieler_Ins_Array(0, nullptr, -1, 0), TEAM_MAX_SPIELER);
    EXPECT_FALSE(cap.contains("MAX_SPIELER_PRO_TEAM"));
    // every back number is unique
    bool gesehen[100] = {};
    for (int32_t sp = 0; sp < TEAM_MAX_SPIELER; ++sp) {
        int32_t nr = Teamspieler_Wert(300, 0, sp, 0, 0);
        ASSERT_TRUE(nr >= 1 && nr <= 99);
        EXPECT_FALSE(gesehen[nr]);
        gesehen[nr] = true;
    }

    Teamspieler_Wert(317, 0, 3, TS_STARTELF, 8);
    Teamspieler_Wert(317, 0, 4, TS_STARTELF | TS_KAPITAEN, 8);
    Teamspieler_Wert(317, 0, 5, TS_ERSATZ, 8);
    Spieler_Fix_Daten[3].lieblingspos = 400;  // line 3
    int32_t feld[60];
    EXPECT_EQ(Teamspieler_Ins_Array(0, feld, 60, TS_STARTELF), 2);
    EXPECT_EQ(feld[0], 3);
    EXPECT_EQ(Teamspieler_Ins_Array(0, feld, 60, TS_STARTELF | (1 << 3)), 1);
    EXPECT_EQ(Teamspieler_Ins_Array(0, feld, 60, 1 << 0), 1);  // the keeper
    EXPECT_EQ(Teamspieler_Ins_Array(0, nullptr, -1, TS_FILTER_NICHT_AUFGESTELLT), TEAM_MAX_SPIELER - 3);
    EXPECT_EQ(Teamspieler_Ins_Array(0, feld, 2, 0), TEAM_MAX_SPIELER);  // counts beyond the capacity
    Spieler_Daten[10].status |= SP_STATUS_WECHSEL;
    EXPECT_EQ(Teamspieler_Ins_Array(0, nullptr, -1, TS_FILTER_OHNE_WECHSLER), TEAM_MAX_SPIELER - 1);

    int32_t kapitaen = -2, schnitt = -2;
    Spieler_Daten[3].spiel_erschoepfung = 20;
    Spieler_Daten[4].spiel_erschoepfung = 30;
    EXPECT_EQ(Teamspieler_Zaehle_Startelf(0, &kapitaen, &schnitt, false), 2);
    EXPECT_EQ(kapitaen, 1);
    EXPECT_EQ(schnitt, 25);
    Teamspieler_Wert(317, 0, 3, TS_PROBE, 8);
    EXPECT_EQ(Teamspieler_Zaehle_Startelf(0, nullptr, nullptr, false), 1);
    EXPECT_EQ(Teamspieler_Zaehle_Startelf(0, nullptr, nullptr, true), 2);

    // The whole squad with its link records, in the list's order; a list grown past the bound
    // (a damaged savegame) is reported and counted one short of it.
    TS* records[60];
    ASSERT_EQ(Teamspieler_Kader(0, feld, records, 60, 0), TEAM_MAX_SPIELER);
    int32_t k = 0;
    for (Liste_Element* e = T_Fix[0].liste.next; e; e = e->next, ++k) {
        EXPECT_EQ(feld[k], static_cast<int32_t>(e->key)) << k;
        EXPECT_EQ(records[k], e->data) << k;
    }
    for (int32_t sp = 200; sp < 200 + 50 - TEAM_MAX_SPIELER; ++sp)
        ASSERT_NE(Liste_Insert_Element(&T_Fix[0].liste, nullptr, nullptr, sizeof(TS), static_cast<uint32_t>(sp)), nullptr);
    EXPECT_EQ(Teamspieler_Kader(0, feld, records, 60, 0), 49);
    EXPECT_TRUE(cap.contains("Teamspieler_Ins_Array: i==MAX_SPIELER_PRO_TEAM !"));
    EXPECT_EQ(feld[0], 200 + 50 - TEAM_MAX_SPIELER - 1);

    // The market takes more than a club.
    for (int32_t sp = 50; sp < 110; ++sp) ASSERT_TRUE(kommt(Transfermarkt_Team, sp));
    EXPECT_EQ(Teamspieler_Ins_Array(Transfermarkt_Team, nullptr, -1, 0), 60);
    int32_t m = Teamspieler_Wert(305, Transfermarkt_Team, 50, 0, 0);
    EXPECT_GE(m, 9);
    EXPECT_LE(m, 15);
}

TEST_F(LinkTest, BackNumbersPositionsAndMarking)
{
    ASSERT_TRUE(kommt(0, 1));
    ASSERT_TRUE(kommt(0, 2));
    EXPECT_EQ(Teamspieler_Wert(300, 0, 1, 0, 0), 2);
    EXPECT_EQ(Teamspieler_Wert(300, 0, 2, 0, 0), 3);
    // A wish held by a team-mate swaps numbers when the player has one already.
    EXPECT_EQ(Teamspieler_Rueckennummer_Zuweisen(2, 0, 2), 2);
    EXPECT_EQ(Teamspieler_Wert(300, 0, 1, 0, 0), 3);
    // A new player (number 0) wishing a taken number gets the lowest free one instead.
    Spieler_Egal_Daten[5].rueckennummer = 2;
    ASSERT_TRUE(kommt(0, 5));
    EXPECT_EQ(Teamspieler_Wert(300, 0, 5, 0, 0), 4);
    Spieler_Egal_Daten[6].rueckennummer = 17;
    ASSERT_TRUE(kommt(0, 6));
    EXPECT_EQ(Teamspieler_Wert(300, 0, 6, 0, 0), 17);

    Teamspieler_Wert(310, 0, 1, 3 * 17 + 4, 1);
    Teamspieler_Wert(311, 0, 1, 2 * 17 + 1, 1);
    Teamspieler_Wert(312, 0, 1, 5 * 17 + 9, 1);
    Teamspieler_Wert(313, 0, 1, 10 * 17 + 2, 1);
    Teamspieler_Wert(314, 0, 1, 12 * 17 + 3, 1);
    int32_t z[5], s[5];
    int32_t* aus[10] = {&z[0], &s[0], &z[1], &s[1], &z[2], &s[2], &z[3], &s[3], &z[4], nullptr};
    Aktuelles_Team = 0;
    Teamspieler_Get_Positionen(0, 1, aus);
    EXPECT_EQ(z[0], 3);
    EXPECT_EQ(s[0], 4);
    EXPECT_EQ(z[1], 2);
    EXPECT_EQ(s[2], 9);
    Aktuelles_Team = 1;  // seen from the other side: mirrored, corners exchanged
    Teamspieler_Get_Positionen(0, 1, aus);
    EXPECT_EQ(z[0], 3);
    EXPECT_EQ(z[1], 26 - 5);
    EXPECT_EQ(s[1], 16 - 9);
    EXPECT_EQ(z[2], 26 - 2);
    EXPECT_EQ(z[3], 26 - 12);
    EXPECT_EQ(s[3], 16 - 2);
    EXPECT_EQ(z[4], 26 - 10);

    ASSERT_TRUE(kommt(1, 9));
    Teamspieler_Set_Manndeckung(1, 0, 9, 1);
    EXPECT_EQ(Teamspieler_Wert(316, 0, 1, 0, 0), 9);
    EXPECT_EQ(Teamspieler_Wert(309, 1, 9, 0, 0), 1);
}

TEST_F(LinkTest, EveryFieldOfTheAccessor)
{
    ASSERT_TRUE(kommt(0, 3));
    struct F {
        int32_t id, min, max;
    };
    const F felder[] = {{300, 0, 99}, {303, -1, 48}, {304, -1, 7},  {305, -1, 60}, {306, 0, 99},
                        {307, -1, 5}, {309, -1, 32767}, {310, -1, 459}, {311, -1, 459}, {312, -1, 459},
                        {313, -1, 459}, {314, -1, 459}, {315, 0, 50000}, {316, -1, 32767},
                        {318, -1, 1000}, {323, -1, 2147483647}, {324, 0, 99}, {326, 0, 99}, {328, 0, 99},
                        {329, 0, 32767}, {330, 0, 4}, {331, 0, 4}, {332, 0, 4}, {333, 0, 4}, {334, 0, 4},
                        {335, 0, 4}, {336, 0, 4}, {337, 0, 4}};
    for (const F& f : felder) {
        SCOPED_TRACE(f.id);
        EXPECT_EQ(Teamspieler_Wert(f.id, 0, 3, f.max, 1), -1);
        EXPECT_EQ(Teamspieler_Wert(f.id, 0, 3, 0, 0), f.max);
        Teamspieler_Wert(f.id, 0, 3, f.min, 1);
        EXPECT_EQ(Teamspieler_Wert(f.id, 0, 3, 0, 0), f.min);
    }
    {
        Fehler_Capture cap;
        Teamspieler_Wert(305, 0, 3, 61, 1);
        EXPECT_TRUE(cap.contains("Teamspieler_Wert: Wert nicht innerhalb der Grenzen, wert=61,modus=305"));
        EXPECT_EQ(Teamspieler_Wert(305, 0, 3, 0, 0), 60);
    }
    // Money in units: salary in thousands, insurance in five hundreds.
    Teamspieler_Wert(301, 0, 3, 1999, 1);
    EXPECT_EQ(Teamspieler_Wert(301, 0, 3, 0, 0), 1000);
    Teamspieler_Wert(302, 0, 3, 499, 1);
    EXPECT_EQ(Teamspieler_Wert(302, 0, 3, 0, 0), 0);
    Teamspieler_Wert(308, 0, 3, 99999999, 1);
    EXPECT_EQ(Teamspieler_Wert(308, 0, 3, 0, 0), 32767 * 500);  // saturates, never wraps
    Teamspieler_Wert(327, 0, 3, 1500, 1);
    EXPECT_EQ(Teamspieler_Wert(327, 0, 3, 0, 0), 1500);

    // Tactical sub-fields share the word.
    Teamspieler_Wert(329, 0, 3, 9362, 1);
    EXPECT_EQ(Teamspieler_Wert(333, 0, 3, 0, 0), 2);
    Teamspieler_Wert(331, 0, 3, 4, 1);
    EXPECT_EQ(Teamspieler_Wert(336, 0, 3, 0, 0), 4);
    EXPECT_EQ(Teamspieler_Wert(329, 0, 3, 0, 0), 9362 - (2 << 3) + (4 << 3));

    Teamspieler_Wert(310, 0, 3, -1, 1);
    EXPECT_EQ(Teamspieler_Wert(319, 0, 3, 0, 0), 1);
    Teamspieler_Wert(310, 0, 3, 459, 1);
    EXPECT_EQ(Teamspieler_Wert(319, 0, 3, 0, 0), 0);
    Teamspieler_Wert(310, 0, 3, 153, 1);
    EXPECT_EQ(Teamspieler_Wert(319, 0, 3, 0, 0), 2);

    Teamspieler_Wert(317, 0, 3, static_cast<int32_t>(0x80000000u | 0x2030u), 8);
    Teamspieler_Wert(317, 0, 3, -1, 4);
    EXPECT_EQ(static_cast<uint32_t>(Teamspieler_Wert(317, 0, 3, 0, 0)), 0x80000000u);
    Teamspieler_Wert(317, 0, 3, 0x30, 2);
    EXPECT_EQ(static_cast<uint32_t>(Teamspieler_Wert(317, 0, 3, 0, 0)), 0x80000030u);

    Fehler_Capture cap;
    Teamspieler_Wert(317, 0, 3, 1, 1);
    EXPECT_TRUE(cap.contains("Teamspieler_Wert: WRITE bei Flags!"));
    Teamspieler_Wert(319, 0, 3, 1, 1);
    EXPECT_TRUE(cap.contains("Teamspieler_Wert: Art nicht beschreibbar!"));
    for (int32_t id : {320, 321, 322, 325, 299, 338}) EXPECT_EQ(Teamspieler_Wert(id, 0, 3, 0, 0), -1);
    EXPECT_TRUE(cap.contains("Teamspieler_Wert: Falscher Parameter!"));
    EXPECT_EQ(Teamspieler_Wert(301, 0, 3, 0, 0x20), -1);
    EXPECT_TRUE(cap.contains("READ_PROZENT nicht erlaubt!n"));
    EXPECT_EQ(Teamspieler_Wert(301, 0, 44, 0, 0), -1);
    EXPECT_TRUE(cap.contains("Suchliste nicht belegt!"));
    Teamspieler_Wert(301, 0, 3, -5000, 1);
    EXPECT_TRUE(cap.contains("Teamspieler_Wert: Gehalt<0 !"));
    EXPECT_EQ(Teamspieler_Zeiger(TEAMSP_TRANSFERLISTE, 1, &cap), nullptr);
    EXPECT_TRUE(cap.contains("TEAMSP_TRANSFERLISTE beschreiben verboten!"));
}

TEST_F(LinkTest, ClientRulesAndTransferRecord)
{
    ASSERT_TRUE(kommt(0, 3));
    ASSERT_TRUE(kommt(1, 4));
    Netz_Rolle = 1;
    Aktuelles_Team = 0;
    Fehler_Capture cap;
    EXPECT_EQ(Teamspieler_Wert(306, 1, 4, 0, 0), 0);
    EXPECT_TRUE(cap.contains("Teamspieler_Wert: CLIENT-TEAM falsch!"));
    EXPECT_EQ(Teamspieler_Wert(305, 1, 4, 0, 0), 24);
    EXPECT_EQ(Teamspieler_Wert(305, 1, 4, 3, 1), 0);
    EXPECT_TRUE(cap.contains("Teamspieler_Wert: CLIENT-TEAM-WRITE falsch!"));
    EXPECT_EQ(Teamspieler_Wert(305, 0, 3, 3, 1), 0);
    EXPECT_TRUE(cap.contains("Teamspieler_Wert: CLIENT-WRITE!"));
    EXPECT_EQ(Teamspieler_Wert(305, 0, 3, 0, 0), 24);
    Teamspieler_Wert(330, 0, 3, 3, 1);
    EXPECT_EQ(Teamspieler_Wert(330, 0, 3, 0, 0), 3);
    EXPECT_FALSE(kommt(0, 5));
    EXPECT_TRUE(cap.contains("Teamspieler_Kommt_Oder_Geht: Client-Zugriff!"));
    EXPECT_EQ(Teamspieler_Zeiger(TEAMSP_TRANSFERLISTE, 0), nullptr);
    Netz_Rolle = 0;

    Teamspieler_Init_Listen();
    Teamspieler_Transfer_Speichern(0, 1, 3, 500, 1);
    Teamspieler_Transfer_Speichern(1, 2, 4, 700, 1);
    Teamspieler_Transfer_Speichern(2, 2, 5, 1, 1);
    auto* liste = static_cast<Teamspieler_Transfer*>(Teamspieler_Zeiger(TEAMSP_TRANSFERLISTE, 0));
    ASSERT_NE(liste, nullptr);
    EXPECT_EQ(liste[0].spieler, 4);
    EXPECT_EQ(liste[1].spieler, 3);
    EXPECT_EQ(liste[1].abloese, 500);
    EXPECT_EQ(liste[2].spieler, 0xFFFF);
}

TEST_F(LinkTest, ConfigurationDataOfTheTeams)
{
    ASSERT_TRUE(kommt(1, 5));
    ASSERT_TRUE(kommt(1, 9));
    T_Own[1].staerke[2] = 640;
    T_Fix[1].nation = 3;
    std::vector<Team_Config_Daten> daten(static_cast<size_t>(Team_Anzahl));
    Team_Get_Config_Daten(daten.data());
    EXPECT_EQ(daten[1].nummer, 1);
    EXPECT_STREQ(daten[1].name, "Team 1");
    EXPECT_EQ(daten[1].staerke[2], 640);
    EXPECT_EQ(daten[1].nation, 3);
    ASSERT_EQ(daten[1].spieleranzahl, 2);
    EXPECT_EQ(daten[1].spieler[0], 5);
    EXPECT_EQ(daten[1].spieler[1], 9);
    EXPECT_EQ(daten[0].spieleranzahl, 0);
    for (auto& d : daten) Mem_Free(d.spieler, 0);
}

TEST(LinkBytes, ImageSplitsIntoClientAndServerPart)
{
    TS ts{};
    ts.flags = 0x80020010u;
    ts.deckt = -1;
    ts.position = 459;
    ts.rueckennummer = 13;
    ts.gehalt = 1200;
    ts.taktik = 9362;
    ts.ankunft_tag = 400;
    ts.versicherer = -1;
    ts.versicherung_erhalten = 77;
    ts.spnr = 4711;
    uint8_t b[TS_BYTES];
    Teamspieler_TS_Packen(ts, b);
    EXPECT_EQ(TS_BYTES, 52u);
    EXPECT_EQ(TS_WRITE_SORT_BYTES + TS_SERVER_ONLY_BYTES, TS_BYTES);
    EXPECT_EQ(b[3], 0x80);
    EXPECT_EQ(b[4], 0xFF);
    EXPECT_EQ(b[8] | (b[9] << 8), 459);
    EXPECT_EQ(b[18], 13);
    EXPECT_EQ(b[24] | (b[25] << 8), 1200);
    EXPECT_EQ(b[28] | (b[29] << 8), 9362);
    EXPECT_EQ(b[32] | (b[33] << 8), 400);  // first server-only byte
    EXPECT_EQ(b[40], 0xFF);
    EXPECT_EQ(b[46], 77);
    EXPECT_EQ(b[48] | (b[49] << 8), 4711);
    TS zurueck;
    Teamspieler_TS_Entpacken(b, zurueck);
    uint8_t b2[TS_BYTES];
    Teamspieler_TS_Packen(zurueck, b2);
    EXPECT_EQ(std::memcmp(b, b2, TS_BYTES), 0);
}

}  // namespace

namespace {

// A filtered squad, held or walked, gives what a walk of the list with the player's own fields
// gives: status and line as they stand now (they change without the list), a number beyond the
// players reported, the count past the capacity, and the lists' cursor behind the list.
TEST_F(LinkTest, AFilteredSquadFollowsThePlayersAsTheyStandNow)
{
    for (int32_t sp = 10; sp < 30; ++sp) ASSERT_TRUE(kommt(1, sp));
    ASSERT_NE(Liste_Insert_Element(&T_Fix[1].liste, nullptr, nullptr, sizeof(TS), 0xFFFFFFFFu), nullptr);
    for (int32_t sp = 10; sp < 30; sp += 3) Teamspieler_Wert(317, 1, sp, sp % 2 ? TS_STARTELF : TS_ERSATZ, 8);
    auto erwartet = [](int32_t filter, int32_t kapazitaet, std::vector<int32_t>& spieler) {
        const bool ohne_wechsler = filter & TS_FILTER_OHNE_WECHSLER;
        filter &= ~TS_FILTER_OHNE_WECHSLER;
        int32_t n = 0;
        for (Liste_Element* e = T_Fix[1].liste.next; e; e = e->next) {
            if (e->key == 0xFFFFFFFFu) continue;
            const int32_t sp = static_cast<int32_t>(e->key);
            const uint32_t flags = static_cast<const TS*>(e->data)->flags;
            if (ohne_wechsler && (Spieler_Wert(SP_STATUS, sp, 0, 0) & SP_STATUS_WECHSEL)) continue;
            if ((filter & 0xF) && !(filter & (1 << Spieler_Wert(SP_ART, sp, 0, 0)))) continue;
            if ((filter & 0xFFFF0) && !(flags & static_cast<uint32_t>(filter & ~0xF))) continue;
            if ((filter & TS_FILTER_NICHT_AUFGESTELLT) && (flags & (TS_STARTELF | TS_ERSATZ))) continue;
            if (n++ < kapazitaet) spieler.push_back(sp);
        }
        return n;
    };
    const int32_t filter[] = {TS_STARTELF, TS_STARTELF | TS_ERSATZ, 1 << 0, (1 << 2) | (1 << 3), TS_FILTER_OHNE_WECHSLER,
                              TS_FILTER_NICHT_AUFGESTELLT, TS_FILTER_OHNE_WECHSLER | (1 << 1) | TS_FILTER_NICHT_AUFGESTELLT,
                              0, TS_ERSATZ, TS_STARTELF | TS_FILTER_NICHT_AUFGESTELLT};
    for (int32_t runde = 0; runde < 3; ++runde) {
        for (int32_t sp = 10; sp < 30; ++sp) {
            Spieler_Fix_Daten[sp].lieblingspos = static_cast<int16_t>((sp * 7 + runde * 150) % 460);
            Spieler_Daten[sp].status = static_cast<uint8_t>((sp + runde) % 3 == 0 ? SP_STATUS_WECHSEL : 0);
        }
        if (runde == 2) {
            ASSERT_NE(Liste_Insert_Element(&T_Fix[1].liste, nullptr, nullptr, sizeof(TS), 500), nullptr);
        }
        for (const int32_t f : filter)
            for (const int32_t kapazitaet : {60, 3}) {
                std::vector<int32_t> soll;
                const int32_t n = erwartet(f, kapazitaet, soll);
                Fehler_Capture cap;
                int32_t feld[60];
                TS* records[60];
                std::fill_n(feld, 60, -7);
                Liste_Set_Cursor(T_Fix[0].liste.next);
                ASSERT_EQ(Teamspieler_Kader(1, feld, records, kapazitaet, f), n) << runde << " " << f;
                EXPECT_EQ(std::vector<int32_t>(feld, feld + std::min(n, kapazitaet)), soll) << runde << " " << f;
                EXPECT_TRUE(std::all_of(feld + std::min(n, kapazitaet), feld + 60, [](int32_t x) { return x == -7; }));
                for (int32_t i = 0; i < std::min(n, kapazitaet); ++i)
                    EXPECT_EQ(records[i], Teamspieler_Get_Record(1, feld[i])) << i;
                EXPECT_EQ(Liste_Next_Cursor(), nullptr);
                EXPECT_EQ(cap.contains("Aufruf von Spieler_Wert mit spnr = 500"), runde == 2 && (f & (0xF | TS_FILTER_OHNE_WECHSLER)));
            }
    }
}

}  // namespace
