// The empty table of a competition's teams, a club's place in it (answered from kept tables), and
// the pairings of a competition whose match days hold a varying number of matches.
#include <gtest/gtest.h>

#include "common/capture.h"
#include "competitions/spiele_welt.h"

namespace {

using namespace spielwelt;
using VorbereitenTest = Spielwelt;

TEST_F(VorbereitenTest, EmptyTableOfTheTeamListClearsAnEarlierOne)
{
    int32_t b = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
    ergebnis(b, 0, 0, 0, 1, 3, 1);
    ergebnis(b, 1, 0, 1, 0, 2, 2);
    Tabelle_Datensatz t;
    ASSERT_EQ(Wettbewerb_Tabelle_Vorbereiten(LIGA, &t), 4);
    ASSERT_GE(Spiele_Tabelle_Berechnen(LIGA, b, -1, -1, 1, TAB_NORMAL, &t, 0, 0, -1, -1, 0, 0, -1), 0);
    EXPECT_EQ(t.punkte[TAB_GESAMT][0], 4);
    EXPECT_EQ(t.vorher[0], 0);

    // The same record prepared again holds nothing of that computation.
    EXPECT_EQ(Wettbewerb_Tabelle_Vorbereiten(LIGA, &t), 4);
    EXPECT_EQ(t.anzahl, 4);
    EXPECT_EQ(t.wettbewerb, LIGA);
    for (int32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(t.team[i], i);
        EXPECT_EQ(t.platz[i], i);
        EXPECT_EQ(t.vorher[i], -1);
        EXPECT_EQ(t.punkte[TAB_GESAMT][i], 0);
        EXPECT_EQ(t.spiele[TAB_TEIL_HEIM][i], 0);
    }
    EXPECT_EQ(t.team[4], -1);
    EXPECT_EQ(t.tag_ergebnis[1], 0);
    EXPECT_EQ(t.tag_ort[0], 0);

    // Unknown competition or no record: no rows, nothing written.
    EXPECT_EQ(Wettbewerb_Tabelle_Vorbereiten(99, &t), 0);
    EXPECT_EQ(t.anzahl, 0);
    Fehler_Capture cap;
    EXPECT_EQ(Wettbewerb_Tabelle_Vorbereiten(LIGA, nullptr), 0);
    EXPECT_TRUE(cap.contains("Wettbewerb_Tabelle_Vorbereiten: tabelle=NULL!"));
}

TEST_F(VorbereitenTest, VaryingMatchDaysCountTheirMatchesInTheStore)
{
    Wettbewerb_Datensatz* w = Wettbewerb_Zeiger(testwelt::GRUPPE_A);
    ASSERT_NE(w, nullptr);
    w->modus |= SPIELE_PRO_SPIELTAG_VARIABEL;
    EXPECT_EQ(Wettbewerb_Paarungen_Zaehlen(w, 0), 0);  // no fixture block yet

    // Day 0 one pairing, day 1 its second leg, day 2 three matches.
    int32_t b = Spiele_Spiel_Einfuegen(1, -1, GRUPPE, 0, 0, 1, 2);
    ASSERT_GE(b, 0);
    ASSERT_EQ(Spiele_Spiel_Einfuegen(1, b, GRUPPE, 1, 0, 2, 1), b);
    for (int32_t i = 0; i < 3; ++i) ASSERT_EQ(Spiele_Spiel_Einfuegen(1, b, GRUPPE, 2, 0, 5 + i, 9 + i), b);
    w->spiele_block = b;
    w->spieltag = 2;
    // Counted again and again: every lock taken for counting is given back.
    for (int32_t k = 0; k < 300; ++k) ASSERT_EQ(Wettbewerb_Paarungen_Zaehlen(w, 2), 3) << k;
    EXPECT_EQ(Wettbewerb_Paarungen_Zaehlen(w, -1), 3);
    EXPECT_EQ(Wettbewerb_Paarungen_Zaehlen(w, 0), 1);
    EXPECT_EQ(Wettbewerb_Paarungen_Zaehlen(w, 7), 0);
    EXPECT_EQ(Wettbewerb_Get_Paarung(GRUPPE, 1), 1);

    // Two legs: the table pairs day 0 with the record one pairing later, so team 2 wins 3:2.
    int32_t h = Spiele_Lock(b, 0, 0, 0);
    Spiele_Set_Ergebnis(h, 2, 0, 0);
    Spiele_Unlock(h);
    h = Spiele_Lock(b, 1, 0, 0);
    Spiele_Set_Ergebnis(h, 3, 0, 0);
    Spiele_Unlock(h);
    w->spieltage = 3;
    w->listen.teams[0] = 1;
    w->listen.teams[1] = 2;
    w->listen.anzahl = 2;
    EXPECT_EQ(Wettbewerb_Get_Tabellenplatz(GRUPPE, 2), 0);
    EXPECT_EQ(Wettbewerb_Get_Tabellenplatz(GRUPPE, 1), 1);
}

// A club's place comes from a table kept while the results stand: every result, cleared result,
// team list and day range after the first question must show in the next answer.
TEST_F(VorbereitenTest, AClubsPlaceFollowsEveryResultTheTeamListAndTheDays)
{
    const int32_t b = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
    Wettbewerb_Datensatz* w = Wettbewerb_Zeiger(testwelt::A1);
    ASSERT_NE(w, nullptr);
    w->spiele_block = b;
    auto platz = [](int32_t team, int32_t erster = -1, int32_t letzter = -1) {
        return Wettbewerb_Get_Tabellenplatz(LIGA, team, erster, letzter, TAB_NORMAL, 0);
    };
    ergebnis(b, 0, 0, 0, 1, 3, 0);
    ergebnis(b, 0, 1, 2, 3, 1, 0);
    const int32_t nach_tag_0[4] = {0, 3, 1, 2};
    for (int32_t team = 0; team < 4; ++team) EXPECT_EQ(platz(team), nach_tag_0[team]) << team;

    // The return matches after the first answers: 3 (+3) before 1 (+2), 0 (-2) and 2 (-3).
    ergebnis(b, 1, 0, 1, 0, 5, 0);
    ergebnis(b, 1, 1, 3, 2, 4, 0);
    const int32_t nach_tag_1[4] = {2, 1, 3, 0};
    for (int32_t team = 0; team < 4; ++team) EXPECT_EQ(platz(team), nach_tag_1[team]) << team;
    // The first day alone, and the whole season again: each range its own table.
    EXPECT_EQ(platz(1, 0, 0), 3);
    EXPECT_EQ(platz(1), 1);
    // The forecast table asked in between leaves the plain one as it was.
    EXPECT_GE(Wettbewerb_Get_Tabellenplatz(LIGA, 1, -1, -1, TAB_NORMAL, 1), 0);
    EXPECT_EQ(platz(1), 1);

    // A club leaves the league: it has no place, and its games count for no one.
    w->listen.teams[3] = 7;
    EXPECT_EQ(platz(3), -1);
    EXPECT_EQ(platz(1), 0);
    EXPECT_EQ(platz(0), 1);
    w->listen.teams[3] = 3;
    EXPECT_EQ(platz(3), 0);

    // Results cleared: no result counts, every club stands at its slot.
    Spiele_Ergebnisse_Loeschen(b);
    for (int32_t team = 0; team < 4; ++team) EXPECT_EQ(platz(team), team) << team;
    EXPECT_EQ(platz(9), -1);
}

}  // namespace
