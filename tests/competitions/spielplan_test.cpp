// Fixture set-up, match-day rules and tie winners over the small test world.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "competitions/spiele.h"
#include "competitions/spiele_welt.h"
#include "competitions/wettbewerb.h"
#include "gameflow/globals.h"
#include "platform/liste.h"
#include "platform/print.h"
#include "platform/zufall.h"

namespace {

using Spielplan = spielwelt::Spielwelt;

using spielwelt::Plan;
using spielwelt::plan_lesen;

// Every ordered pair of the list once over the season, each club at most once a match day and,
// with an odd list, exactly one club idle each day.
void liga_pruefen(Wettbewerb_Id id)
{
    SCOPED_TRACE(id);
    int16_t liste[WETTBEWERB_MAX_TEAMS];
    const int32_t n = Wettbewerb_Get_Teams(id, liste);
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(id);
    ASSERT_TRUE(info);
    const int32_t tage = info->spieltage;
    ASSERT_EQ(tage, 2 * (n + (n & 1) - 1));
    std::set<std::pair<int, int>> paare;
    std::map<int, std::set<int>> am_tag;
    for (const auto& [k, v] : plan_lesen(id)) {
        if (v.first == SPIELE_KEIN_TEAM) continue;
        EXPECT_TRUE(paare.insert(v).second) << v.first << "-" << v.second;
        EXPECT_TRUE(am_tag[std::get<0>(k)].insert(v.first).second);
        EXPECT_TRUE(am_tag[std::get<0>(k)].insert(v.second).second);
    }
    EXPECT_EQ(int32_t(paare.size()), n * (n - 1));
    for (int32_t t = 0; t < tage; ++t) EXPECT_EQ(int32_t(am_tag[t].size()), n - (n & 1));

    // Home and away take turns: no club plays long runs on one side (three at the turn of the
    // halves, one more where an idle day falls between).
    std::map<int, std::pair<bool, int>> lauf;  // club -> side of its last game, games in a row
    for (const auto& [k, v] : plan_lesen(id)) {
        if (v.first == SPIELE_KEIN_TEAM) continue;
        for (const auto& [verein, heim] : {std::make_pair(v.first, true), std::make_pair(v.second, false)}) {
            auto& [seite, folge] = lauf[verein];
            folge = folge > 0 && seite == heim ? folge + 1 : 1;
            seite = heim;
            EXPECT_LE(folge, 3 + (n & 1)) << "club " << verein << (heim ? " at home" : " away") << " on day "
                                          << std::get<0>(k);
        }
    }
}

TEST_F(Spielplan, LeaguesPlayEveryPairOnceAndCupsDrawOnlyTheFirstRound)
{
    // An odd league: five clubs, one idle each day.
    Wettbewerb_Datensatz* b = Wettbewerb_Zeiger(testwelt::B1);
    b->teams = 5;
    b->spieltage = 10;
    b->listen.teams[4] = 16;
    b->listen.anzahl = 5;
    Wettbewerb_Zeiger(testwelt::POKAL1)->best_of_x = 2;
    ASSERT_TRUE(Wettbewerb_Spielplaene_Anlegen());
    liga_pruefen(spielwelt::LIGA);
    liga_pruefen(spielwelt::ANDERE_LIGA);
    EXPECT_EQ(Wettbewerb_Zeiger(testwelt::B1)->wer_gegen_wen_anz, 2 * 3 * 10);

    const Plan pokal = plan_lesen(spielwelt::POKAL_R1);
    std::set<int> erste_runde;
    for (const auto& [k, v] : pokal) {
        const auto [tag, bein, slot] = k;
        if (tag > 0) {
            EXPECT_EQ(v.first, SPIELE_KEIN_TEAM);
            continue;
        }
        if (bein == 0) {
            EXPECT_TRUE(erste_runde.insert(v.first).second);
            EXPECT_TRUE(erste_runde.insert(v.second).second);
        } else {
            // The return leg swaps the home right.
            const auto hin = pokal.at({0, 0, slot});
            EXPECT_EQ(v, std::make_pair(hin.second, hin.first));
        }
    }
    EXPECT_EQ(erste_runde, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    // A later round's block waits for its entrants.
    for (const auto& [k, v] : plan_lesen(spielwelt::POKAL_R2)) EXPECT_EQ(v.first, SPIELE_KEIN_TEAM);
}

TEST_F(Spielplan, ALargerLeagueTakesTurnsAtHomeAndAway)
{
    // Ten clubs: the circle's pairs beyond the first kept their sides for a whole half, so that
    // a club played nine games running at home and then nine away.
    Wettbewerb_Datensatz* b = Wettbewerb_Zeiger(testwelt::B1);
    b->teams = 10;
    b->spieltage = 18;
    for (int i = 4; i < 10; ++i) b->listen.teams[i] = int16_t(16 + i);
    b->listen.anzahl = 10;
    ASSERT_TRUE(Wettbewerb_Spielplaene_Anlegen());
    liga_pruefen(spielwelt::ANDERE_LIGA);
}

TEST_F(Spielplan, SameSeedSameFixturesAndClientRebuildsWithoutDraw)
{
    Zufall_Set_Seed(99);
    ASSERT_TRUE(Wettbewerb_Spielplaene_Anlegen());
    const Plan liga = plan_lesen(spielwelt::LIGA), pokal = plan_lesen(spielwelt::POKAL_R1);
    // The set-up shuffles the lists it finds: start again from the configured ones.
    Wettbewerb_Free();
    spielwelt::laden();
    Zufall_Set_Seed(99);
    ASSERT_TRUE(Wettbewerb_Spielplaene_Anlegen());
    EXPECT_EQ(plan_lesen(spielwelt::LIGA), liga);
    EXPECT_EQ(plan_lesen(spielwelt::POKAL_R1), pokal);

    // A client gets the records (lists in the order used, recorded pairs) and draws nothing.
    const std::vector<uint8_t> bild = Wettbewerb_Block_Packen();
    Spiele_Freigeben();
    Wettbewerb_Free();
    Spiele_Init();
    ASSERT_TRUE(Wettbewerb_Block_Entpacken(bild.data(), bild.size(), testwelt::TEAM_ANZAHL));
    Netz_Rolle = 1;
    Print_Fehler_Set_Hook([](const std::string&) {});
    const int32_t seed = Zufall_Get_Seed();
    const bool ok = Wettbewerb_Spielplaene_Anlegen();
    Netz_Rolle = 0;
    Print_Fehler_Set_Hook(nullptr);
    ASSERT_TRUE(ok);
    EXPECT_EQ(Zufall_Get_Seed(), seed);
    EXPECT_EQ(plan_lesen(spielwelt::LIGA), liga);
    EXPECT_EQ(plan_lesen(spielwelt::POKAL_R1), pokal);
}

// Lengths 45 and 15, two halves of each: a two-legged cup tie with extra time and a shoot-out.
TEST_F(Spielplan, HalvesExtraTimeAndShootOut)
{
    EXPECT_EQ(Wettbewerb_Get_Halbzeiten(spielwelt::LIGA), 2);
    Wettbewerb_Datensatz* p = Wettbewerb_Zeiger(testwelt::POKAL1);
    p->best_of_x = 2;
    p->modus |= VERLAENGERUNG | ELFMETERSCHIESSEN;
    const int32_t c = spielwelt::POKAL_R1;
    EXPECT_EQ(Wettbewerb_Get_Halbzeit_Ende(c, 44, 0), -1);
    EXPECT_EQ(Wettbewerb_Get_Halbzeit_Ende(c, 45, 0), 45);
    EXPECT_EQ(Wettbewerb_Get_Halbzeit_Ende(c, 105, 2), 105);
    EXPECT_EQ(Wettbewerb_Get_Halbzeit_Ende(c, 120, 3), 120);
    EXPECT_EQ(Wettbewerb_Get_Halbzeit_Ende(c, 200, 4), -1);
    EXPECT_EQ(Wettbewerb_Get_Spielminuten(c, 1), 120);
    EXPECT_EQ(Wettbewerb_Get_Spielminuten(c, 0), 90);
    // A first leg is never decided: no extra time and no shoot-out on it.
    EXPECT_EQ(Wettbewerb_Get_Halbzeiten(c, 0), 2);
    EXPECT_EQ(Wettbewerb_Get_Halbzeiten(c, 1), 5);
    // Without ELFMETERSCHIESSEN a knock-out tie still counts (and needs) its shoot-out.
    p->modus &= ~ELFMETERSCHIESSEN;
    EXPECT_EQ(Wettbewerb_Get_Halbzeiten(c, 1), 5);

    EXPECT_FALSE(Wettbewerb_Ist_Sudden_Death(c, 2));
    p->modus |= SUDDEN_DEATH;
    EXPECT_FALSE(Wettbewerb_Ist_Sudden_Death(c, 1));
    EXPECT_TRUE(Wettbewerb_Ist_Sudden_Death(c, 2));

    EXPECT_EQ(Wettbewerb_Halbzeit_Ende_Pruefen(c, 45, 0, 0, 1), 1);
    EXPECT_EQ(Wettbewerb_Halbzeit_Ende_Pruefen(c, 90, 1, 0, 1), 2);
    EXPECT_EQ(Wettbewerb_Halbzeit_Ende_Pruefen(c, 105, 2, 0, 1), 1);
    EXPECT_EQ(Wettbewerb_Halbzeit_Ende_Pruefen(c, 120, 3, 0, 1), 2);
    EXPECT_EQ(Wettbewerb_Halbzeit_Ende_Pruefen(c, 44, 0, 0, 1), 0);
    // Stoppage time: drawn once, then the half ends within five minutes and the memo clears.
    int32_t minute = 45;
    while (!Wettbewerb_Halbzeit_Ende_Pruefen(c, minute, 0, 0, 0)) ++minute;
    EXPECT_LE(minute, 50);
    const int32_t seed = Zufall_Get_Seed();
    EXPECT_EQ(Wettbewerb_Halbzeit_Ende_Pruefen(c, 45, 0, 0, 1), 1);
    EXPECT_EQ(Zufall_Get_Seed(), seed);

    Wettbewerb_Free();
    EXPECT_EQ(Wettbewerb_Get_Halbzeit_Ende(c, 45, 0), 0);
    EXPECT_EQ(Wettbewerb_Get_Halbzeiten(c), 0);
}

void spielen(int32_t c, int32_t bein, int32_t ht, int32_t gt)
{
    const int32_t h = Spiele_Lock(Wettbewerb_Get_Spiele_Block(c), 0, bein, 0);
    ASSERT_NE(h, 0);
    Spiele_Set_Ergebnis(h, ht, gt, 0);
    Spiele_Unlock(h);
}

TEST_F(Spielplan, TieWinnerOnAggregateAwayGoalsAndShootOut)
{
    Wettbewerb_Datensatz* p = Wettbewerb_Zeiger(testwelt::POKAL1);
    p->best_of_x = 2;
    p->modus |= VERLAENGERUNG | ELFMETERSCHIESSEN;
    const int32_t c = spielwelt::POKAL_R1;
    ASSERT_TRUE(Wettbewerb_Spielplan_Anlegen(c));
    const auto hin = plan_lesen(c).at({0, 0, 0});
    const int32_t a = hin.first, b = hin.second;

    EXPECT_EQ(Wettbewerb_Get_Paarung_Sieger(c, 0, 0, -1), -1);
    spielen(c, 0, 2, 1);
    EXPECT_EQ(Wettbewerb_Get_Paarung_Sieger(c, 0, 0, -1), -1);  // first leg: undecided
    spielen(c, 1, 1, 0);
    EXPECT_EQ(Wettbewerb_Get_Paarung_Sieger(c, 1, 0, -1), b);   // 2:2, B scored away
    EXPECT_EQ(Wettbewerb_Get_Paarung_Sieger(c, 1, 0, 257), a);  // one more for A, away
    EXPECT_FALSE(Wettbewerb_Elfmeterschiessen_Noetig(c, 1, 0, 3));
    spielen(c, 1, 2, 1);                                        // 3:3, one away goal each
    EXPECT_EQ(Wettbewerb_Get_Paarung_Sieger(c, 1, 0, -1), -1);
    EXPECT_FALSE(Wettbewerb_Elfmeterschiessen_Noetig(c, 1, 0, 2));
    EXPECT_TRUE(Wettbewerb_Elfmeterschiessen_Noetig(c, 1, 0, 3));
    EXPECT_FALSE(Wettbewerb_Elfmeterschiessen_Noetig(c, 0, 0, 3));
    // Without away goals the aggregate alone counts.
    p->modus &= ~HEIMRECHT;
    spielen(c, 1, 1, 0);
    EXPECT_EQ(Wettbewerb_Get_Paarung_Sieger(c, 1, 0, -1), -1);

    EXPECT_EQ(Wettbewerb_Get_Paarung_Sieger(spielwelt::LIGA, 0, 0, -1), -2);
    EXPECT_EQ(Wettbewerb_Get_Paarung_Sieger(spielwelt::GRUPPE, 1, 0, -1), -2);
}

TEST_F(Spielplan, DayListEntryHoldsRealGamesInSlotOrder)
{
    Liste liste;
    Liste_Init(&liste);
    std::vector<std::string> meldungen;
    Print_Fehler_Set_Hook([&](const std::string& m) { meldungen.push_back(m); });
    EXPECT_FALSE(Wettbewerb_Spieltag_Hinzufuegen(&liste, spielwelt::LIGA));
    EXPECT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(Liste_First_Element(&liste), nullptr);
    Print_Fehler_Set_Hook(nullptr);

    // Five clubs: two games and a bye a day.
    Wettbewerb_Datensatz* b = Wettbewerb_Zeiger(testwelt::B1);
    b->teams = 5;
    b->spieltage = 10;
    b->listen.teams[4] = 16;
    b->listen.anzahl = 5;
    ASSERT_TRUE(Wettbewerb_Spielplaene_Anlegen());
    ASSERT_TRUE(Wettbewerb_Spieltag_Hinzufuegen(&liste, spielwelt::ANDERE_LIGA));
    ASSERT_TRUE(Wettbewerb_Spieltag_Hinzufuegen(&liste, spielwelt::LIGA));
    Liste_Element* e = Liste_First_Element(&liste);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->key, uint32_t(spielwelt::LIGA));
    const uint32_t* d = static_cast<const uint32_t*>(e->data);
    EXPECT_EQ(e->size, 24u + 8u + 8u * 2u);
    EXPECT_EQ(d[0], 2u);
    for (uint32_t i = 0; i < d[0]; ++i) {
        EXPECT_EQ(d[2 + i], 0u);
        EXPECT_EQ(Spiele_Get_Spiel(int32_t(d[4 + i]), 1)->slot, int8_t(i));
    }
    e = Liste_Next_Element(&liste, e);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->key, uint32_t(spielwelt::ANDERE_LIGA));
    EXPECT_EQ(static_cast<const uint32_t*>(e->data)[0], 2u);
    EXPECT_EQ(e->size, 24u + 8u + 8u * 2u);
    Spiele_Unlock(-1);
    Liste_Delete_All(&liste);
}

}  // namespace
