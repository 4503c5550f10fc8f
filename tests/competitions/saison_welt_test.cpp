// Two seasons of the generated default world, played day by day along the calendar with results
// the test enters: every competition that has games is decided, every knock-out round is drawn
// in the season it is played, and the season change hands the clubs on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/welt_ordner.h"
#include "competitions/ligen_tabelle.h"
#include "competitions/spiele.h"
#include "competitions/spiele_ewig.h"
#include "competitions/statistik.h"
#include "competitions/wettbewerb.h"
#include "database/db_hilfe.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "gameflow/spielstart.h"
#include "platform/zufall.h"

namespace {

class Saison_Welt : public ::testing::Test {
protected:
    std::filesystem::path welt;
    int32_t alte_teams = 0;
    void SetUp() override
    {
        alte_teams = Team_Anzahl;
        welt = Test_Welt_Bauen("saison_welt", {"welt", "wettbewerbe"});
        Spielstart_Module_Zuruecksetzen();
        ASSERT_TRUE(Spielstart_Welt_Laden(0));
        Zufall(0, 1);
        Zufall_Set_Seed(1999);
    }
    void TearDown() override
    {
        Spielstart_Module_Zuruecksetzen();
        Spiele_Freigeben();
        Statistik_Deinit();
        Wettbewerb_Free();
        Test_Aufraeumen();
        std::filesystem::remove_all(welt);
        Team_Anzahl = alte_teams;
    }
};

bool in_liste(Wettbewerb_Id id, int32_t team)
{
    return team >= 0 && Wettbewerb_Team_In_Liste(id, team);
}

// Plays one competition's scheduled leg: the lower team number wins 1:0. Every game of a
// knock-out day has two entrants of the round, or one and an empty away side (a bye).
void leg_spielen(Wettbewerb_Id id, int32_t* spiele)
{
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(id);
    const bool ko = info->modus & KO_SYSTEM;
    for (int32_t slot = 0;; ++slot) {
        const int32_t h = Spiele_Lock(info->spiele_block, info->spieltag, info->runde, slot);
        if (!h) break;
        Spiele_Spiel* s = Spiele_Get_Spiel(h, 1);
        if (s->heim != SPIELE_KEIN_TEAM) {
            EXPECT_TRUE(in_liste(id, s->heim)) << id << " Tag " << info->spieltag << " Platz " << slot << ": " << s->heim;
            if (s->gast != SPIELE_KEIN_TEAM) {
                EXPECT_TRUE(in_liste(id, s->gast)) << id << " Tag " << info->spieltag << " Platz " << slot << ": " << s->gast;
                Spiele_Set_Ergebnis(h, s->heim < s->gast ? 1 : 0, s->heim < s->gast ? 0 : 1, 0);
                ++*spiele;
            } else {
                EXPECT_TRUE(ko) << id;
            }
        }
        Spiele_Unlock(h);
    }
    Wettbewerb_Spiele_Beendet(id);
}

// Plays the season that starts on `start` along the calendar; the games per competition id.
std::map<int32_t, int32_t> saison_spielen(int32_t start)
{
    std::map<int32_t, int32_t> spiele;
    EXPECT_TRUE(Wettbewerb_Spielplaene_Anlegen());
    EXPECT_TRUE(Kalender_Spielplan_Anlegen(start)) << Kalender_Spielplan_Fehler();
    const int32_t ende = Kalender_Get_Tagnummer(1, 7, Kalender_Get_Datum(start, 0).jahr + 1);
    for (int32_t tag = start; tag < ende; ++tag) {
        Aktueller_Tag = tag;
        int32_t ids[256];
        const int32_t n = Kalender_Get_Anzahl_Spiele(tag, 1, ids);
        for (int32_t i = 0; i < n; ++i) {
            const Wettbewerb_Info* info = Wettbewerb_Get_Info(ids[i]);
            EXPECT_EQ(info->spieltag, Kalender_Get_Spieltag_Nummer(tag, ids[i])) << ids[i] << " am Tag " << tag;
            leg_spielen(ids[i], &spiele[ids[i]]);
        }
    }
    return spiele;
}

// Winner and runner-up of every competition that played games, printed for the record.
void sieger_pruefen(const std::map<int32_t, int32_t>& spiele, int32_t start)
{
    for (int32_t id = Wettbewerb_Get_Erster(); id >= 0; id = Wettbewerb_Get_Naechster()) {
        const bool spielt = Wettbewerb_Get_Info(id)->spieltage > 0;
        EXPECT_TRUE(!spielt || (spiele.count(id) && spiele.at(id) > 0)) << id;
    }
    std::set<int32_t> besitzer;
    for (const auto& [id, n] : spiele) {
        if (n == 0) continue;
        const Wettbewerb_Info* info = Wettbewerb_Get_Info(id);
        // Every match day of the competition has been played.
        EXPECT_EQ(info->spieltag, info->spieltage) << id;
        besitzer.insert(Wettbewerb_Get_Oberwettbewerb(id));
    }
    const int32_t jahr = Kalender_Get_Datum(start, 0).jahr;
    for (int32_t id : besitzer) {
        int32_t zweiter = -1, w1, w2;
        int32_t sieger = Spiele_Get_Wettbewerb_Sieger(id, jahr, &zweiter, &w1, &w2);
        if (sieger < 0) sieger = Spiele_Get_Wettbewerb_Sieger(id, jahr + 1, &zweiter, &w1, &w2);
        EXPECT_GE(sieger, 0) << Wettbewerb_Get_Anzeigename(id);
        if (sieger >= 0)
            std::printf("%d/%d %-24s %-24s (%3d), Zweiter %-24s (%3d)\n", jahr, jahr + 1, Wettbewerb_Get_Anzeigename(id),
                        T_Fix[sieger].name, sieger, zweiter >= 0 ? T_Fix[zweiter].name : "-", zweiter);
    }
}

TEST_F(Saison_Welt, EveryCompetitionIsDecidedAndASecondSeasonRuns)
{
    constexpr int32_t MEISTER_KO = 208;
    const int32_t erste = Kalender_Get_Tagnummer(1, 7, 1999);
    const std::map<int32_t, int32_t> spiele_1 = saison_spielen(erste);
    // The champions' cup's knock-out played its rounds with the groups' best two.
    ASSERT_TRUE(spiele_1.count(MEISTER_KO));
    EXPECT_EQ(spiele_1.at(MEISTER_KO), 2 * (8 + 4 + 2 + 1));
    sieger_pruefen(spiele_1, erste);

    // The final tables, recomputed: the lower number won every game, so each league's table
    // is its clubs in number order; a cup's winner and runner-up come from the roll.
    std::map<int32_t, std::vector<int32_t>> stand;   // record number -> clubs by place
    for (int32_t id = Wettbewerb_Get_Erster(); id >= 0; id = Wettbewerb_Get_Naechster()) {
        const Wettbewerb_Info* info = Wettbewerb_Get_Info(id);
        std::vector<int32_t>& st = stand[Wettbewerb_Get_Nummer(id)];
        if (!(info->modus & KO_SYSTEM)) {
            int16_t teams[WETTBEWERB_MAX_TEAMS];
            st.assign(teams, teams + Wettbewerb_Get_Teams(id, teams));
            std::sort(st.begin(), st.end());
        } else if (!Wettbewerb_Nachfolgerunde(Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(id)))) {
            int32_t zweiter = -1, w1, w2;
            const int32_t oben = Wettbewerb_Get_Oberwettbewerb(id);
            int32_t sieger = Spiele_Get_Wettbewerb_Sieger(oben, 1999, &zweiter, &w1, &w2);
            if (sieger < 0) sieger = Spiele_Get_Wettbewerb_Sieger(oben, 2000, &zweiter, &w1, &w2);
            st = {sieger, zweiter};
        }
    }
    // Where each place sends its club: base leagues by list 0, every competition of another
    // kind by the other lists (never within its own competition).
    std::map<int32_t, std::multiset<int32_t>> erwartet;
    for (const auto& [nr, st] : stand) {
        const Wettbewerb_Datensatz* w = Wettbewerb_Zeiger(nr);
        for (size_t p = 0; p < st.size(); ++p) {
            if (w->basisliga) erwartet[w->ziele.ziel[0][p] >= 0 ? w->ziele.ziel[0][p] : nr].insert(st[p]);
            for (int32_t l = w->basisliga ? 1 : 0; l < WETTBEWERB_ZIEL_LISTEN; ++l) {
                const int32_t z = w->ziele.ziel[l][p];
                if (z >= 0 && Wettbewerb_Get_Oberwettbewerb(Wettbewerb_Zeiger(z)->id) != Wettbewerb_Get_Oberwettbewerb(w->id))
                    erwartet[z].insert(st[p]);
            }
        }
    }

    Wettbewerb_Jedes_Jahr();
    // Promotion and relegation moved exactly the targeted places; the international fields hold
    // the targeted places, a club qualified twice for one competition entering once and leaving
    // its place to another club.
    std::map<int32_t, std::set<int32_t>> familie;   // owner -> clubs entered
    for (const auto& [nr, clubs] : erwartet) {
        const Wettbewerb_Datensatz* w = Wettbewerb_Zeiger(nr);
        std::multiset<int32_t> ist(w->listen.teams, w->listen.teams + w->listen.anzahl);
        if (w->basisliga) {
            EXPECT_EQ(ist, clubs) << w->name;
            continue;
        }
        EXPECT_EQ(ist.size(), std::min<size_t>(clubs.size(), size_t(w->teams))) << w->name;
        for (int32_t t : ist) EXPECT_TRUE(familie[Wettbewerb_Get_Oberwettbewerb(w->id)].insert(t).second) << w->name << " " << t;
    }

    // Its field is made in the new season, not by the old season's groups.
    EXPECT_EQ(Wettbewerb_Get_Teams(MEISTER_KO, nullptr), 0);
    // Every club plays in exactly one base league.
    std::map<int32_t, int32_t> ligen_je_team;
    for (int32_t id = Wettbewerb_Get_Erster(); id >= 0; id = Wettbewerb_Get_Naechster()) {
        if (!Wettbewerb_Get_Info(id)->basisliga) continue;
        int16_t teams[WETTBEWERB_MAX_TEAMS];
        const int32_t n = Wettbewerb_Get_Teams(id, teams);
        EXPECT_EQ(n, Wettbewerb_Get_Info(id)->teams) << id;
        for (int32_t k = 0; k < n; ++k) ++ligen_je_team[teams[k]];
    }
    for (const auto& [team, n] : ligen_je_team) EXPECT_EQ(n, 1) << team;

    const int32_t zweite = Kalender_Get_Tagnummer(1, 7, 2000);
    const std::map<int32_t, int32_t> spiele_2 = saison_spielen(zweite);
    EXPECT_EQ(spiele_2.at(MEISTER_KO), spiele_1.at(MEISTER_KO));
    sieger_pruefen(spiele_2, zweite);
}

// The table graph's bands: the first target list decides, so the first division marks only the
// places that go down (its cup places lie in the second list), the second division both ways.
TEST_F(Saison_Welt, TableGraphBandsOfTheFirstAndSecondDivision)
{
    auto zaehlen = [](Wettbewerb_Id w, int* gruen, int* rot) {
        *gruen = *rot = 0;
        for (const Tabelle_Band& b : Ligen_Tabelle_Baender(w)) {
            *gruen += b.g > 0 && b.r == 0;
            *rot += b.r > 0 && b.g == 0;
        }
    };
    ASSERT_STREQ(Wettbewerb_Get_Anzeigename(1), "1. Liga");
    int gruen = 0, rot = 0;
    zaehlen(1, &gruen, &rot);
    EXPECT_EQ(gruen, 0);
    EXPECT_EQ(rot, 3);
    // The lowest places carry the red bands, each stronger than the one above.
    const auto erste = Ligen_Tabelle_Baender(1);
    ASSERT_EQ(erste.size(), 3u);
    EXPECT_EQ(erste.back().y1, LT_GRAFIK_H);
    EXPECT_LT(erste[0].staerke, erste[2].staerke);
    zaehlen(2, &gruen, &rot);
    EXPECT_EQ(gruen, 3);
    EXPECT_EQ(rot, 3);
}

}  // namespace
