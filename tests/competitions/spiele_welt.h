// The match store over a small world: 40 teams, 200 players and the test competitions, with the
// ban rules and a two-legged group added.
#pragma once
#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <utility>
#include <vector>

#include "competitions/spiele.h"
#include "competitions/spiele_tabelle.h"
#include "competitions/statistik.h"
#include "competitions/wettbewerb.h"
#include "competitions/wettbewerb_welt.h"
#include "database/db_hilfe.h"
#include "platform/zufall.h"

namespace spielwelt {

constexpr int32_t LIGA = 1;      // 4 teams 0..3, three points for a win
constexpr int32_t POKAL_R1 = 10, POKAL_R2 = 11;  // two rounds of one cup
constexpr int32_t GRUPPE = 20;   // two legs per pairing
constexpr int32_t ANDERE_LIGA = 4;

inline void laden()
{
    auto r = testwelt::bauen();
    r[testwelt::A1].erste_gelbsperre = 5;
    r[testwelt::A1].intervall_gelbsperre = 2;
    r[testwelt::POKAL1].erste_gelbsperre = 2;
    r[testwelt::POKAL1].intervall_gelbsperre = 0;
    r[testwelt::POKAL2].erste_gelbsperre = 2;
    r[testwelt::POKAL2].intervall_gelbsperre = 0;
    r[testwelt::GRUPPE_A].best_of_x = 2;
    ASSERT_TRUE(Wettbewerb_Uebernehmen(r.data(), testwelt::ANZAHL, testwelt::TEAM_ANZAHL));
}

class Spielwelt : public ::testing::Test {
protected:
    void SetUp() override
    {
        Test_Teams_Anlegen(testwelt::TEAM_ANZAHL);
        Test_Spieler_Anlegen(200);
        laden();
        Zufall(0, 1);  // seeds the generator before any forecast pushes its seed
        Zufall_Set_Seed(4711);
        Spiele_Init();
        Statistik_Init();
    }
    void TearDown() override
    {
        Spiele_Freigeben();
        Statistik_Deinit();
        Wettbewerb_Free();
        Test_Aufraeumen();
    }
};

// A played league match on (day, slot) of a block, through a lock handle.
inline void ergebnis(int32_t block, int32_t tag, int32_t slot, int32_t heim, int32_t gast, int32_t ht, int32_t gt)
{
    int32_t h = Spiele_Lock(block, tag, 0, slot);
    ASSERT_NE(h, 0);
    Spiele_Set_Teams(h, heim, gast);
    if (ht >= 0) Spiele_Set_Ergebnis(h, ht, gt, 0);
    Spiele_Unlock(h);
}

// One leg (0 first, 1 second) of a pairing on (day, slot); ht -1 leaves it unplayed.
inline void bein(int32_t block, int32_t tag, int32_t runde, int32_t slot, int32_t heim, int32_t gast, int32_t ht,
                 int32_t gt)
{
    const int32_t h = Spiele_Lock(block, tag, runde, slot);
    ASSERT_NE(h, 0);
    Spiele_Set_Teams(h, heim, gast);
    if (ht >= 0) Spiele_Set_Ergebnis(h, ht, gt, 0);
    Spiele_Unlock(h);
}

inline void tabelle_vorbereiten(Tabelle_Datensatz& t, const std::vector<int32_t>& teams)
{
    t = Tabelle_Datensatz{};
    t.anzahl = int32_t(teams.size());
    for (size_t i = 0; i < teams.size(); ++i) t.team[i] = teams[i];
}

// (match day, leg, slot) -> (home, away), 0xFFFF for a bye or an undrawn side.
using Plan = std::map<std::tuple<int, int, int>, std::pair<int, int>>;

inline Plan plan_lesen(Wettbewerb_Id id)
{
    Plan p;
    const int32_t block = Wettbewerb_Get_Spiele_Block(id);
    for (int32_t i = 0; i < Spiele_Get_Anzahl_Spiele(block); ++i) {
        const int32_t h = Spiele_Lock_Index(block, i);
        const Spiele_Spiel s = *Spiele_Get_Spiel(h, 1);
        Spiele_Unlock(h);
        p[{s.spieltag, s.runde, s.slot}] = {s.heim, s.heim == SPIELE_KEIN_TEAM ? SPIELE_KEIN_TEAM : s.gast};
    }
    return p;
}

// Place of a team (0 first), -1 none.
inline int32_t platz_von(const Tabelle_Datensatz& t, int32_t team)
{
    for (int32_t p = 0; p < t.anzahl; ++p)
        if (t.team[t.platz[p]] == team) return p;
    return -1;
}

}  // namespace spielwelt
