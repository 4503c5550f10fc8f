// The end of match days and of a season over the small test world: prizes, legs and rounds,
// promotion and relegation, the next season's lists; importance and point prizes.
#include <gtest/gtest.h>

#include <cstring>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "competitions/saisonende.h"
#include "competitions/spiele.h"
#include "competitions/spiele_ewig.h"
#include "competitions/spiele_welt.h"
#include "competitions/wettbewerb.h"
#include "database/manager.h"
#include "economy/bank.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "graphics/grafik_farbe.h"
#include "platform/print.h"

namespace {

struct Buchung {
    int32_t empfaenger;
    float betrag;
    uint8_t kategorie;
};
std::vector<Buchung> buchungen;
bool buchen(int32_t, int32_t empfaenger, float betrag, uint8_t kategorie)
{
    buchungen.push_back({empfaenger, betrag, kategorie});
    return true;
}

class Saisonende : public spielwelt::Spielwelt {
protected:
    void SetUp() override
    {
        Spielwelt::SetUp();
        buchungen.clear();
        Bank_Set_Buchung_Beobachter(buchen);
    }
    void TearDown() override
    {
        Bank_Set_Buchung_Beobachter(nullptr);
        Spielwelt::TearDown();
    }
};

// The weaker club (higher number) always loses 0:1 or 1:0: final places follow team numbers.
void tag_spielen(Wettbewerb_Id id, bool remis = false)
{
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(id);
    const int32_t block = info->spiele_block, tag = info->spieltag, runde = info->runde;
    for (int32_t slot = 0;; ++slot) {
        const int32_t h = Spiele_Lock(block, tag, runde, slot);
        if (!h) break;
        const Spiele_Spiel* s = Spiele_Get_Spiel(h, 1);
        if (s->heim != SPIELE_KEIN_TEAM && s->gast != SPIELE_KEIN_TEAM)
            Spiele_Set_Ergebnis(h, remis || s->heim < s->gast ? 1 : 0, remis || s->heim > s->gast ? 1 : 0, 0);
        Spiele_Unlock(h);
    }
    Wettbewerb_Spiele_Beendet(id);
}

// A match day's first legs with a home club, slot by slot.
std::vector<Spiele_Spiel> erste_spiele(Wettbewerb_Id id, int32_t tag)
{
    std::vector<Spiele_Spiel> v;
    const int32_t block = Wettbewerb_Get_Spiele_Block(id);
    for (int32_t slot = 0;; ++slot) {
        const int32_t h = Spiele_Lock(block, tag, 0, slot);
        if (!h) break;
        const Spiele_Spiel s = *Spiele_Get_Spiel(h, 1);
        Spiele_Unlock(h);
        if (s.heim != SPIELE_KEIN_TEAM) v.push_back(s);
    }
    return v;
}

// The clubs of a match day's first legs, sorted; a tie's empty away side is left out.
std::vector<int16_t> tag_teams(Wettbewerb_Id id, int32_t tag)
{
    std::vector<int16_t> v;
    for (const Spiele_Spiel& s : erste_spiele(id, tag)) {
        v.push_back(int16_t(s.heim));
        if (s.gast != SPIELE_KEIN_TEAM) v.push_back(int16_t(s.gast));
    }
    std::sort(v.begin(), v.end());
    return v;
}

std::vector<int16_t> liste(Wettbewerb_Id id)
{
    int16_t t[WETTBEWERB_MAX_TEAMS];
    const int32_t n = Wettbewerb_Get_Teams(id, t);
    std::vector<int16_t> v(t, t + n);
    std::sort(v.begin(), v.end());
    return v;
}

TEST_F(Saisonende, MatchDayPaysEntryPrizesAndKnockOutWinnersMoveOn)
{
    Wettbewerb_Datensatz* p = Wettbewerb_Zeiger(testwelt::POKAL1);
    p->best_of_x = 2;
    p->antritts_praemie = 1000;
    p->sieg_praemie = 5000;
    p->pokal_praemie = 1;
    ASSERT_TRUE(Wettbewerb_Spielplaene_Anlegen());
    const int32_t c = spielwelt::POKAL_R1;
    tag_spielen(c);
    EXPECT_EQ(Wettbewerb_Get_Info(c)->runde, 1);
    EXPECT_EQ(Wettbewerb_Get_Info(c)->spieltag, 0);
    ASSERT_EQ(buchungen.size(), 8u);  // four games, both clubs
    for (const Buchung& b : buchungen) {
        EXPECT_EQ(b.betrag, 1000.0f);
        EXPECT_EQ(b.kategorie, 36);
    }
    buchungen.clear();
    tag_spielen(c);
    EXPECT_EQ(Wettbewerb_Get_Info(c)->spieltag, 1);
    EXPECT_EQ(Wettbewerb_Get_Info(c)->runde, 0);
    // Eight entry prizes and four cup prizes for the ties won, each to the club that won it.
    std::vector<int16_t> bezahlt;
    for (const Buchung& b : buchungen)
        if (b.betrag == 5000.0f) bezahlt.push_back(int16_t(b.empfaenger));
    EXPECT_EQ(bezahlt.size(), 4u);

    // The lower team number wins both legs: the winners of the four ties meet on day 1.
    std::vector<int16_t> erwartet, gezogen;
    for (int32_t slot = 0; slot < 4; ++slot) {
        const int32_t h = Spiele_Lock(Wettbewerb_Get_Spiele_Block(c), 0, 0, slot);
        erwartet.push_back(int16_t(std::min(Spiele_Get_Spiel(h, 1)->heim, Spiele_Get_Spiel(h, 1)->gast)));
        Spiele_Unlock(h);
    }
    for (int32_t slot = 0; slot < 2; ++slot) {
        const int32_t h = Spiele_Lock(Wettbewerb_Get_Spiele_Block(c), 1, 0, slot);
        ASSERT_NE(h, 0);
        gezogen.push_back(int16_t(Spiele_Get_Spiel(h, 1)->heim));
        gezogen.push_back(int16_t(Spiele_Get_Spiel(h, 1)->gast));
        Spiele_Unlock(h);
    }
    std::vector<int16_t> runde_2 = {std::min(gezogen[0], gezogen[1]), std::min(gezogen[2], gezogen[3])};
    std::sort(runde_2.begin(), runde_2.end());
    std::sort(erwartet.begin(), erwartet.end());
    std::sort(gezogen.begin(), gezogen.end());
    EXPECT_EQ(gezogen, erwartet);
    std::sort(bezahlt.begin(), bezahlt.end());
    EXPECT_EQ(bezahlt, erwartet);
    tag_spielen(c);
    tag_spielen(c);
    // The round's two winners enter the next round, which draws its first day: its games hold
    // both winners and nobody else.
    EXPECT_EQ(liste(spielwelt::POKAL_R2), runde_2);
    EXPECT_EQ(tag_teams(spielwelt::POKAL_R2, 0), runde_2);
}

// Two clubs an odd knock-out field leaves without an opponent, and a final without a winner.
TEST_F(Saisonende, ByeInAnOddFieldAndAnUndecidedFinal)
{
    // A cup of three entrants standing alone: semi-final and final.
    auto r = testwelt::bauen();
    r[testwelt::POKAL1].vk.v[WV_NACHFOLGERUNDE] = -1;
    r[testwelt::POKAL2].listen.anzahl = r[testwelt::POKAL2].listen.start_anzahl = 3;
    for (int16_t k = 0; k < 3; ++k) r[testwelt::POKAL2].listen.teams[k] = r[testwelt::POKAL2].listen.start[k] = int16_t(5 + k);
    r[testwelt::POKAL2].modus |= LOSEN;
    ASSERT_TRUE(Wettbewerb_Uebernehmen(r.data(), testwelt::ANZAHL, testwelt::TEAM_ANZAHL));
    ASSERT_TRUE(Wettbewerb_Spielplaene_Anlegen());
    const int32_t c = spielwelt::POKAL_R2;
    const int32_t block = Wettbewerb_Get_Spiele_Block(c);
    // One game and one bye: the club left over goes on alone, its away side empty.
    int32_t freilos = -1, spiele = 0;
    for (int32_t slot = 0; slot < 2; ++slot) {
        const int32_t h = Spiele_Lock(block, 0, 0, slot);
        ASSERT_NE(h, 0);
        const Spiele_Spiel s = *Spiele_Get_Spiel(h, 1);
        Spiele_Unlock(h);
        ASSERT_NE(s.heim, SPIELE_KEIN_TEAM);
        if (s.gast == SPIELE_KEIN_TEAM) freilos = s.heim;
        else ++spiele;
    }
    ASSERT_GE(freilos, 5);
    EXPECT_EQ(spiele, 1);
    tag_spielen(c);
    const std::vector<int16_t> finale = tag_teams(c, 1);
    ASSERT_EQ(finale.size(), 2u);
    EXPECT_TRUE(std::count(finale.begin(), finale.end(), freilos));
    EXPECT_EQ(std::count(finale.begin(), finale.end(), 0), 0);

    // A drawn final with nobody going on: the home club takes the cup, the other is runner-up.
    const int32_t h = Spiele_Lock(block, 1, 0, 0);
    const Spiele_Spiel s = *Spiele_Get_Spiel(h, 1);
    Spiele_Set_Ergebnis(h, 1, 1, 0);
    Spiele_Unlock(h);
    Wettbewerb_Spiele_Beendet(c);
    int32_t zweiter = -1, w1, w2;
    EXPECT_EQ(Spiele_Get_Wettbewerb_Sieger(Wettbewerb_Get_Oberwettbewerb(c), Kalender_Get_Datum_Heute().jahr, &zweiter,
                                           &w1, &w2),
              s.heim);
    EXPECT_EQ(zweiter, s.gast);
}

// A bye that a later match day's odd field of winners leaves, and a winner who stands in the
// next round already.
TEST_F(Saisonende, ByeOnALaterDayAndAWinnerEnteredBefore)
{
    {
        // Six entrants of a cup of eight standing alone: three ties, then one tie and a bye, then
        // the final.
        auto r = testwelt::bauen();
        r[testwelt::POKAL1].vk.v[WV_NACHFOLGERUNDE] = -1;
        r[testwelt::POKAL2].listen.anzahl = r[testwelt::POKAL2].listen.start_anzahl = 6;
        for (int16_t k = 0; k < 6; ++k) r[testwelt::POKAL2].listen.teams[k] = r[testwelt::POKAL2].listen.start[k] = int16_t(5 + k);
        r[testwelt::POKAL2].teams = 8;
        r[testwelt::POKAL2].spieltage = 3;
        ASSERT_TRUE(Wettbewerb_Uebernehmen(r.data(), testwelt::ANZAHL, testwelt::TEAM_ANZAHL));
        ASSERT_TRUE(Wettbewerb_Spielplaene_Anlegen());
        const int32_t c = spielwelt::POKAL_R2;
        const int32_t block = Wettbewerb_Get_Spiele_Block(c);
        tag_spielen(c);
        ASSERT_EQ(Wettbewerb_Get_Info(c)->spieltag, 1);
        // The three winners: one tie and one club alone, its away side empty on every leg.
        const std::vector<int16_t> drei = tag_teams(c, 1);
        ASSERT_EQ(drei.size(), 3u);
        int32_t freilos = -1;
        for (int32_t bein = 0; bein < 2; ++bein)
            for (int32_t slot = 0; slot < 2; ++slot) {
                const int32_t h = Spiele_Lock(block, 1, bein, slot);
                if (!h) continue;
                const Spiele_Spiel s = *Spiele_Get_Spiel(h, 1);
                Spiele_Unlock(h);
                EXPECT_NE(s.gast, 0) << "leg " << bein << " slot " << slot;
                if (s.gast == SPIELE_KEIN_TEAM) {
                    EXPECT_TRUE(freilos == -1 || freilos == s.heim);
                    freilos = s.heim;
                }
            }
        ASSERT_GE(freilos, 5);
        tag_spielen(c);
        const std::vector<int16_t> finale = tag_teams(c, 2);
        ASSERT_EQ(finale.size(), 2u);
        EXPECT_TRUE(std::count(finale.begin(), finale.end(), freilos));
    }
    Wettbewerb_Free();
    {
        // The cup's first round of eight sends two on; club 0, who wins every tie, stands in the
        // second round already and is entered only once.
        auto r = testwelt::bauen();
        r[testwelt::POKAL1].best_of_x = 2;
        r[testwelt::POKAL2].listen.anzahl = 1;
        r[testwelt::POKAL2].listen.teams[0] = 0;
        ASSERT_TRUE(Wettbewerb_Uebernehmen(r.data(), testwelt::ANZAHL, testwelt::TEAM_ANZAHL));
        ASSERT_TRUE(Wettbewerb_Spielplaene_Anlegen());
        const int32_t c = spielwelt::POKAL_R1;
        for (int i = 0; i < 4; ++i) tag_spielen(c);
        const std::vector<int16_t> zwei = liste(spielwelt::POKAL_R2);
        ASSERT_EQ(zwei.size(), 2u);
        EXPECT_EQ(zwei[0], 0);
        EXPECT_NE(zwei[1], 0);
        EXPECT_EQ(tag_teams(spielwelt::POKAL_R2, 0), zwei);
    }
}

// Fields that are not a power of two, standing alone: every match day holds exactly the winners
// of the day before (a bye where their count is odd), and the final crowns the best club.
TEST_F(Saisonende, EveryKnockOutDayOfAnOddFieldHoldsAllWinners)
{
    for (const int32_t feld : {5, 6, 9, 12}) {
        SCOPED_TRACE(feld);
        int32_t tage = 0;
        for (int32_t n = feld; n > 1; n = (n + 1) / 2) ++tage;
        auto r = testwelt::bauen();
        r[testwelt::POKAL1].vk.v[WV_NACHFOLGERUNDE] = -1;
        auto& p = r[testwelt::POKAL2];
        p.listen.anzahl = p.listen.start_anzahl = int16_t(feld);
        for (int16_t k = 0; k < feld; ++k) p.listen.teams[k] = p.listen.start[k] = int16_t(5 + k);
        p.teams = feld;
        p.spieltage = tage;
        p.best_of_x = 2;
        ASSERT_TRUE(Wettbewerb_Uebernehmen(r.data(), testwelt::ANZAHL, testwelt::TEAM_ANZAHL));
        ASSERT_TRUE(Wettbewerb_Spielplaene_Anlegen());
        const int32_t c = spielwelt::POKAL_R2;
        std::vector<int16_t> im_feld = liste(c);
        ASSERT_EQ(im_feld.size(), size_t(feld));
        for (int32_t tag = 0; tag < tage; ++tag) {
            SCOPED_TRACE(tag);
            ASSERT_EQ(tag_teams(c, tag), im_feld);
            // Every tie of the day is counted, the bye's too.
            EXPECT_EQ(Wettbewerb_Get_Paarung(c, tag), int32_t(im_feld.size() + 1) / 2);
            // The lower team number wins: the field keeps the better half, a bye's club with it.
            std::vector<int16_t> weiter;
            for (const Spiele_Spiel& s : erste_spiele(c, tag)) weiter.push_back(int16_t(std::min(s.heim, s.gast)));
            tag_spielen(c);
            tag_spielen(c);
            std::sort(weiter.begin(), weiter.end());
            im_feld = weiter;
        }
        ASSERT_EQ(im_feld, std::vector<int16_t>{5});
        EXPECT_EQ(Wettbewerb_Get_Info(c)->spieltag, tage);
        int32_t zweiter = -1, w1, w2;
        EXPECT_EQ(Spiele_Get_Wettbewerb_Sieger(Wettbewerb_Get_Oberwettbewerb(c), Kalender_Get_Datum_Heute().jahr, &zweiter,
                                               &w1, &w2),
                  5);
        Wettbewerb_Free();
    }
}

TEST_F(Saisonende, SeasonMovesClubsAlongPlaceTargetsAndASecondSeasonRuns)
{
    // One club up from the north, one down: both leagues keep four clubs.
    Wettbewerb_Zeiger(testwelt::A2B)->ziele.ziel[0][0] = -1;
    for (int32_t saison = 0; saison < 2; ++saison) {
        SCOPED_TRACE(saison);
        ASSERT_TRUE(Wettbewerb_Spielplaene_Anlegen());
        const auto a1 = liste(spielwelt::LIGA), a2 = liste(2), b1 = liste(spielwelt::ANDERE_LIGA);
        for (Wettbewerb_Id id : {1, 2, 3, 4})
            while (Wettbewerb_Get_Info(id)->spieltag < Wettbewerb_Get_Info(id)->spieltage) tag_spielen(id);
        int32_t zweiter = -1, w1, w2;
        EXPECT_EQ(Spiele_Get_Wettbewerb_Sieger(spielwelt::LIGA, Kalender_Get_Datum_Heute().jahr, &zweiter, &w1, &w2),
                  a1[0]);
        EXPECT_EQ(zweiter, a1[1]);

        Wettbewerb_Jedes_Jahr();
        std::vector<int16_t> a1_neu(a1.begin(), a1.begin() + 3), a2_neu(a2.begin() + 1, a2.end());
        a1_neu.push_back(a2[0]);
        a2_neu.push_back(a1[3]);
        std::sort(a1_neu.begin(), a1_neu.end());
        std::sort(a2_neu.begin(), a2_neu.end());
        EXPECT_EQ(liste(spielwelt::LIGA), a1_neu);
        EXPECT_EQ(liste(2), a2_neu);
        EXPECT_EQ(liste(spielwelt::ANDERE_LIGA), b1);
        // The champions go to the international groups; the unplayed cup sends nobody.
        EXPECT_EQ(liste(20), std::vector<int16_t>{a1[0]});
        EXPECT_EQ(liste(21), std::vector<int16_t>{b1[0]});
        EXPECT_EQ(Wettbewerb_Get_Spiele_Block(spielwelt::LIGA), -1);
        // The cup keeps its configured entrants.
        EXPECT_EQ(liste(spielwelt::POKAL_R1), (std::vector<int16_t>{0, 1, 2, 3, 4, 5, 6, 7}));
    }
}

// The next season's fields: the league tree's best places, a club qualified twice, free places
// filled from a number range, and a rule voted for the new season.
TEST_F(Saisonende, NextSeasonsFieldsFromTheLeagueTreeAndTheTables)
{
    using namespace testwelt;
    auto r = bauen();
    r[A2B].ziele.ziel[0][0] = -1;   // the leagues keep four clubs
    pokal_aus_ligabaum(r);
    r[B1].ziele.ziel[2][1] = POKAL1;          // a place of another country that led there
    r[A1].ziele.ziel[1][0] = GRUPPE_A;        // the champion and the cup winner to one group
    r[GRUPPE_B].auffuell_anz = 2;
    r[GRUPPE_B].auffuell[0] = {0, 0, 1};      // club 0 plays in group A already
    r[GRUPPE_B].auffuell[1] = {30, 39, 2};
    r[A1].englische_tabelle_neu = 0;
    ASSERT_TRUE(Wettbewerb_Uebernehmen(r.data(), ANZAHL, TEAM_ANZAHL));
    Wettbewerb_Datensatz* a1 = Wettbewerb_Zeiger(A1);
    auto ziel4 = [](int32_t liga, int32_t platz) { return Wettbewerb_Zeiger(liga)->ziele.ziel[4][platz]; };

    // The pyramid's six best places as the lists stand: A1's four, then the best of each
    // league below. The first round gets the lower four.
    Wettbewerb_Ligabaum_Qualifikanten_Setzen(spielwelt::LIGA);
    EXPECT_EQ(liste(spielwelt::POKAL_R1), (std::vector<int16_t>{2, 3, 4, 8}));
    EXPECT_EQ(liste(spielwelt::POKAL_R2), (std::vector<int16_t>{0, 1}));
    EXPECT_EQ((std::vector<int32_t>{ziel4(A1, 0), ziel4(A1, 1), ziel4(A1, 2), ziel4(A1, 3), ziel4(A2, 0), ziel4(A2B, 0)}),
              (std::vector<int32_t>{POKAL2, POKAL2, POKAL1, POKAL1, POKAL1, POKAL1}));
    EXPECT_EQ(ziel4(A2, 1), -1);
    EXPECT_EQ(Wettbewerb_Zeiger(B1)->ziele.ziel[2][1], -1);

    ASSERT_TRUE(Wettbewerb_Spielplaene_Anlegen());
    // The second round waits for the first round's winners before it is drawn.
    EXPECT_TRUE(tag_teams(spielwelt::POKAL_R2, 0).empty());
    for (Wettbewerb_Id id : {10, 11, 1, 2, 3, 4, 20, 21})
        while (Wettbewerb_Get_Info(id)->spieltag < Wettbewerb_Get_Info(id)->spieltage) tag_spielen(id);
    int32_t finalist = -1, w1, w2;
    ASSERT_EQ(Spiele_Get_Wettbewerb_Sieger(spielwelt::POKAL_R1, Kalender_Get_Datum_Heute().jahr, &finalist, &w1, &w2), 0);
    EXPECT_EQ(a1->modus & ENGLISCHE_TABELLE, ENGLISCHE_TABELLE);

    Wettbewerb_Jedes_Jahr();
    // The walk reads the final tables, not the lists' shuffled order.
    EXPECT_EQ(liste(spielwelt::POKAL_R1), (std::vector<int16_t>{2, 3, 4, 8}));
    EXPECT_EQ(liste(spielwelt::POKAL_R2), (std::vector<int16_t>{0, 1}));
    // Club 0 won league and cup: the cup's place in group A goes to the finalist.
    std::vector<int16_t> gruppe_a = {0, int16_t(finalist)};
    std::sort(gruppe_a.begin(), gruppe_a.end());
    EXPECT_EQ(liste(20), gruppe_a);
    EXPECT_EQ(liste(21), (std::vector<int16_t>{12, 30, 31}));
    EXPECT_EQ(a1->modus & ENGLISCHE_TABELLE, 0u);
    EXPECT_EQ(a1->englische_tabelle_neu, -1);
    EXPECT_EQ(Wettbewerb_Zeiger(B1)->modus & ENGLISCHE_TABELLE, ENGLISCHE_TABELLE);
}

// Managers see the end of a competition their club finished, with where the place leads.
TEST_F(Saisonende, ManagedClubsSeeTheirEndOfCompetitionPages)
{
    static std::vector<std::vector<int32_t>> seiten;
    seiten.clear();
    Saisonende_Set_Beobachter([](Wettbewerb_Id id, int32_t team, int32_t platz, Wettbewerb_Id ziel, int32_t art) {
        seiten.push_back({id, team, platz, ziel, art});
    });
    for (int32_t team : {0, 3, 4, 5}) Manager_Neuer_Mitspieler(team, "Test");
    ASSERT_TRUE(Team_Hat_Manager(3));
    ASSERT_TRUE(Wettbewerb_Spielplaene_Anlegen());
    auto spielen = [](std::initializer_list<Wettbewerb_Id> ids) {
        for (Wettbewerb_Id id : ids)
            while (Wettbewerb_Get_Info(id)->spieltag < Wettbewerb_Get_Info(id)->spieltage) tag_spielen(id);
    };
    // Before a game is under way (the world being set up) nobody is shown anything.
    spielen({2});
    EXPECT_TRUE(seiten.empty());
    Eingang_Set_Spiel_Gestartet(true);
    spielen({1, 10, 11});
    Eingang_Set_Spiel_Gestartet(false);
    for (int32_t team : {0, 3, 4, 5}) Manager_Mitspieler_Killen(team);
    Saisonende_Set_Beobachter(nullptr);
    // League A: the champion goes to the international groups, the last goes down; the cup's
    // winner sees the title alone. Club 4 and 5 of the league below have seen theirs before.
    EXPECT_EQ(seiten, (std::vector<std::vector<int32_t>>{{1, 0, 1, 20, 3}, {1, 3, 4, 2, 2}, {11, 0, 1, -1, 0}}));
}

TEST_F(Saisonende, ImportanceAndPointPrizes)
{
    Wettbewerb_Datensatz* a = Wettbewerb_Zeiger(testwelt::A1);
    a->wichtig = 80;
    a->spieltage = 34;
    EXPECT_EQ(Wettbewerb_Get_Spieltag_Gesamt(spielwelt::LIGA, -1), 40);
    a->spieltag = 33;
    EXPECT_EQ(Wettbewerb_Get_Spieltag_Gesamt(spielwelt::LIGA, -1), 80);
    a->wichtig = 0;
    EXPECT_EQ(Wettbewerb_Get_Spieltag_Gesamt(spielwelt::LIGA, -1), 50);

    a->sieg_praemie = 3000;
    a->unentschieden_praemie = 1000;
    Wettbewerb_Zahle_Punkt_U(spielwelt::LIGA, 2, 1);
    Wettbewerb_Zahle_Punkt_U(spielwelt::LIGA, 3, 0);
    ASSERT_EQ(buchungen.size(), 2u);
    EXPECT_EQ(buchungen[0].empfaenger, 2);
    EXPECT_EQ(buchungen[0].betrag, 3000.0f);
    EXPECT_EQ(buchungen[1].betrag, 1000.0f);
    std::vector<std::string> meldungen;
    Print_Fehler_Set_Hook([&](const std::string& m) { meldungen.push_back(m); });
    Netz_Rolle = 1;
    Wettbewerb_Zahle_Punkt_U(spielwelt::LIGA, 2, 1);
    Netz_Rolle = 0;
    Print_Fehler_Set_Hook(nullptr);
    EXPECT_EQ(buchungen.size(), 2u);
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0], "Client-Zugriff: Wettbewerb_Zahle_Punkt_U");
}

}  // namespace

namespace {

TEST_F(Saisonende, PlaceZonesReachablePlacesStakesAndBonusKinds)
{
    std::vector<std::string> meldungen;
    Print_Fehler_Set_Hook([&](const std::string& m) { meldungen.push_back(m); });
    EXPECT_EQ(Wettbewerb_Get_Platz_Farbe(spielwelt::LIGA, 0), Grafik_Farbe(3, 6, 15));
    EXPECT_EQ(Wettbewerb_Get_Platz_Farbe(spielwelt::LIGA, 1), -1);
    EXPECT_EQ(Wettbewerb_Get_Platz_Farbe(spielwelt::LIGA, 3), Grafik_Farbe(13, 0, 0));
    EXPECT_EQ(Wettbewerb_Platz_Farbe(2, 0), Grafik_Farbe(0, 12, 0));
    EXPECT_TRUE(meldungen.empty());
    EXPECT_EQ(Wettbewerb_Get_Platz_Farbe(spielwelt::LIGA, 4), -1);
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0], "Wettbewerb_Set_Qu.: Platzangabe falsch!");
    Print_Fehler_Set_Hook(nullptr);

    bool arten[6];
    Wettbewerb_Get_Praemien_Booleans_Von_Team(0, arten);
    EXPECT_EQ(std::vector<bool>(arten, arten + 6), (std::vector<bool>{true, true, true, true, true, false}));
    Wettbewerb_Get_Praemien_Booleans_Von_Team(12, arten);
    EXPECT_EQ(std::vector<bool>(arten, arten + 6), (std::vector<bool>{true, true, true, false, false, false}));

    int32_t beste = 0, schlechteste = 0;
    EXPECT_EQ(Wettbewerb_Erreichbare_Plaetze(spielwelt::LIGA, 0, &beste, &schlechteste), -1);  // no fixtures yet
    ASSERT_TRUE(Wettbewerb_Spielplaene_Anlegen());
    const int32_t paar[2] = {0, 3};
    int32_t wichtig[2];
    Wettbewerb_Spiel_Wichtigkeit(spielwelt::LIGA, paar, wichtig, 2);
    EXPECT_EQ(wichtig[0], 100);
    EXPECT_EQ(wichtig[1], 100);
    while (Wettbewerb_Get_Info(spielwelt::LIGA)->spieltag < Wettbewerb_Get_Info(spielwelt::LIGA)->spieltage)
        tag_spielen(spielwelt::LIGA);
    // Decided: the best club stays first, the last stays last; both stakes fall.
    const auto a1 = liste(spielwelt::LIGA);
    ASSERT_EQ(Wettbewerb_Erreichbare_Plaetze(spielwelt::LIGA, a1[0], &beste, &schlechteste), 0);
    EXPECT_EQ(beste, 1);
    EXPECT_EQ(schlechteste, 1);
    ASSERT_EQ(Wettbewerb_Erreichbare_Plaetze(spielwelt::LIGA, a1[3], &beste, &schlechteste), 0);
    EXPECT_EQ(beste, 4);
    EXPECT_EQ(schlechteste, 4);
    Wettbewerb_Spiel_Wichtigkeit(spielwelt::LIGA, paar, wichtig, 2);
    EXPECT_EQ(wichtig[0], 20);
    EXPECT_EQ(wichtig[1], 20);
    EXPECT_EQ(Wettbewerb_Erreichbare_Plaetze(spielwelt::POKAL_R1, 0, &beste, &schlechteste), -1);
}

}  // namespace

namespace {

// A match day reads stakes under a hold: as without one, and a later hold sees changed targets.
TEST_F(Saisonende, StakesUnderAHoldMatchThoseWithoutAndANewHoldSeesChangedTargets)
{
    ASSERT_TRUE(Wettbewerb_Spielplaene_Anlegen());
    const int32_t paar[2] = {0, 3};
    auto einsatz = [&](bool halten) {
        std::optional<Wettbewerb_Abfragen_Halten> h;
        if (halten) h.emplace();
        int32_t w[2] = {0, 0};
        Wettbewerb_Spiel_Wichtigkeit(spielwelt::LIGA, paar, w, 2);
        return std::vector<int32_t>(w, w + 2);
    };
    EXPECT_EQ(einsatz(true), (std::vector<int32_t>{100, 100}));
    for (auto& l : Wettbewerb_Zeiger(testwelt::A1)->ziele.ziel) std::fill(std::begin(l), std::end(l), -1);
    EXPECT_EQ(einsatz(true), (std::vector<int32_t>{20, 20}));  // no place leads anywhere
    EXPECT_EQ(einsatz(false), (std::vector<int32_t>{20, 20}));
}

// The bonus kinds of a club come from the cups' lists: under a hold as without one, kept while
// it lives, and a new hold reads a changed list.
TEST_F(Saisonende, BonusKindsUnderAHoldMatchThoseWithoutAndANewHoldReadsTheLists)
{
    auto arten_aller = [] {
        std::vector<bool> v;
        for (int32_t team = -1; team < testwelt::TEAM_ANZAHL; ++team) {
            bool a[6];
            Wettbewerb_Get_Praemien_Booleans_Von_Team(team, a);
            v.insert(v.end(), a, a + 6);
        }
        return v;
    };
    Wettbewerb_Zeiger(testwelt::FINALE)->listen.teams[0] = 12;
    Wettbewerb_Zeiger(testwelt::FINALE)->listen.anzahl = 1;
    const std::vector<bool> frei = arten_aller();
    std::optional<Wettbewerb_Abfragen_Halten> h(std::in_place);
    EXPECT_EQ(arten_aller(), frei);
    Wettbewerb_Datensatz* pokal = Wettbewerb_Zeiger(testwelt::POKAL1);
    pokal->listen.anzahl = 4;  // the second country's clubs are out of the cup
    EXPECT_EQ(arten_aller(), frei) << "kept while the hold lives";
    h.reset();
    const std::vector<bool> danach = arten_aller();
    EXPECT_NE(danach, frei);
    h.emplace();
    EXPECT_EQ(arten_aller(), danach);
    bool a[6];
    Wettbewerb_Get_Praemien_Booleans_Von_Team(5, a);
    EXPECT_FALSE(a[4]);
    Wettbewerb_Get_Praemien_Booleans_Von_Team(12, a);
    EXPECT_TRUE(a[5]) << "in the international final";
}

// A club level on points with others can end below all of them: at a season of draws every club
// may still end anywhere from first to last, and so after the first day, when every club could
// still reach every other's points.
TEST_F(Saisonende, ClubsLevelOnPointsCountAtTheWorstReachablePlace)
{
    ASSERT_TRUE(Wettbewerb_Spielplaene_Anlegen());
    const auto teams = liste(spielwelt::LIGA);
    const int32_t n = int32_t(teams.size());
    ASSERT_GE(n, 3);
    auto plaetze = [&](const char* wann) {
        for (int16_t team : teams) {
            int32_t beste = 0, schlechteste = 0;
            ASSERT_EQ(Wettbewerb_Erreichbare_Plaetze(spielwelt::LIGA, team, &beste, &schlechteste), 0);
            EXPECT_EQ(beste, 1) << wann << ", club " << team;
            EXPECT_EQ(schlechteste, n) << wann << ", club " << team;
        }
    };
    tag_spielen(spielwelt::LIGA, true);
    plaetze("after the first day");
    while (Wettbewerb_Get_Info(spielwelt::LIGA)->spieltag < Wettbewerb_Get_Info(spielwelt::LIGA)->spieltage)
        tag_spielen(spielwelt::LIGA, true);
    plaetze("at the end");
}

// A table counted for a match day's stakes answers the sponsors' places too, and a table that a
// screen later takes from the kept ones is the one a count from nothing gives, also after a
// count of a shorter list.
TEST_F(Saisonende, ASharedCountAnswersEveryQuestionAndLeavesNothingOfAnEarlierTable)
{
    ASSERT_TRUE(Wettbewerb_Spielplaene_Anlegen());
    const int32_t block = Wettbewerb_Get_Spiele_Block(spielwelt::LIGA);
    tag_spielen(spielwelt::LIGA);
    tag_spielen(spielwelt::LIGA);
    auto frisch = [&](Tabelle_Datensatz* t) {
        Spiele_Tabellen_Cache_Leeren();
        Wettbewerb_Tabelle_Vorbereiten(spielwelt::LIGA, t);
        return Spiele_Tabelle_Berechnen(spielwelt::LIGA, block, -1, -1, 1, TAB_NORMAL, t, t->team[0], 0, -1, -1, 0, 0, -1);
    };
    static Tabelle_Datensatz neu, vom_bildschirm;
    for (int32_t runde = 0; runde < 2; ++runde) {
        // the stakes count anew, and their count goes among the kept tables
        Spiele_Tabellen_Cache_Leeren();
        int32_t beste = 0, schlechteste = 0;
        ASSERT_EQ(Wettbewerb_Erreichbare_Plaetze(spielwelt::LIGA, liste(spielwelt::LIGA)[0], &beste, &schlechteste), 0);
        std::vector<int32_t> plaetze(testwelt::TEAM_ANZAHL, -9);
        for (int16_t team : liste(spielwelt::LIGA))
            plaetze[size_t(team)] = Wettbewerb_Get_Tabellenplatz(spielwelt::LIGA, team, -1, -1, TAB_NORMAL, 0);
        Wettbewerb_Tabelle_Vorbereiten(spielwelt::LIGA, &vom_bildschirm);
        ASSERT_GE(Spiele_Tabelle_Berechnen(spielwelt::LIGA, block, -1, -1, 1, TAB_NORMAL, &vom_bildschirm,
                                           vom_bildschirm.team[0], 0, -1, -1, 0, 0, -1),
                  0);
        ASSERT_GE(frisch(&neu), 0);
        EXPECT_EQ(std::memcmp(&vom_bildschirm, &neu, sizeof neu), 0) << "round " << runde;
        for (int32_t platz = 0; platz < neu.anzahl; ++platz)
            EXPECT_EQ(plaetze[size_t(neu.team[neu.platz[platz]])], platz) << "round " << runde;
        // the last club leaves the list: the next count has a row less
        --Wettbewerb_Zeiger(testwelt::A1)->listen.anzahl;
    }
}

// Sponsors and auctions ask places club by club: each is the counted one, after new results,
// for another range of days and after the team list changed.
TEST_F(Saisonende, PlacesFollowResultsTheAskedDaysAndTheTeamList)
{
    ASSERT_TRUE(Wettbewerb_Spielplaene_Anlegen());
    const int32_t block = Wettbewerb_Get_Spiele_Block(spielwelt::LIGA);
    auto wie_gezaehlt = [&](int32_t letzter) {
        static Tabelle_Datensatz t;
        for (int16_t team : liste(spielwelt::LIGA)) {
            const int32_t gefragt = Wettbewerb_Get_Tabellenplatz(spielwelt::LIGA, team, -1, letzter, TAB_NORMAL, 0);
            Wettbewerb_Tabelle_Vorbereiten(spielwelt::LIGA, &t);
            Spiele_Tabelle_Berechnen(spielwelt::LIGA, block, -1, letzter, 1, TAB_NORMAL, &t, team, 0, -1, -1, 0, 0, -1);
            int32_t platz = 0;
            while (platz < t.anzahl && t.team[t.platz[platz]] != team) ++platz;
            EXPECT_EQ(gefragt, platz < t.anzahl ? platz : -1) << team << " " << letzter;
        }
    };
    tag_spielen(spielwelt::LIGA);
    wie_gezaehlt(-1);
    tag_spielen(spielwelt::LIGA);
    for (int32_t letzter : {0, -1}) wie_gezaehlt(letzter);
    Wettbewerb_Datensatz* a = Wettbewerb_Zeiger(testwelt::A1);
    const int32_t weg = a->listen.teams[--a->listen.anzahl];  // the last club leaves the list
    EXPECT_EQ(Wettbewerb_Get_Tabellenplatz(spielwelt::LIGA, weg, -1, -1, TAB_NORMAL, 0), -1);
    wie_gezaehlt(-1);
}

}  // namespace
