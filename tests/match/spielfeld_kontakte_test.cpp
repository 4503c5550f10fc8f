// Players against the ball on scripted positions: the challenge odds and their bounds, saves and
// deflections, the goal-line rule, restarts, the team-mates' line and long runs of saves.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "competitions/spiele_welt.h"
#include "match/pitch/spielfeld_abfragen.h"
#include "match/pitch/spielfeld_animationen.h"
#include "matchview/live/spielszenen_kamera.h"
#include "match/pitch/spielfeld_ball.h"
#include "match/pitch/spielfeld_kontakte.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/pitch/spielfeld_verhalten.h"
#include "match/spielfeld.h"
#include "platform/zufall.h"

namespace {

using namespace spielwelt;
constexpr int32_t L = 10800;

class Kontakte : public Spielwelt {
protected:
    std::unique_ptr<Spielfeld_Record> r = std::make_unique<Spielfeld_Record>();
    Spielfeld_Objekt& b() { return r->objekt[SPIELFELD_BALL]; }
    void SetUp() override
    {
        Spielwelt::SetUp();
        Spielfeld_Init();
        leeren();
    }
    void TearDown() override
    {
        Spielfeld_DeInit();
        Spielwelt::TearDown();
    }
    void leeren()
    {
        *r = Spielfeld_Record{};
        for (Spielfeld_Spieler& e : r->spieler) e.spnr = -1;
        for (Spielfeld_Objekt& o : r->objekt)
            for (Spielfeld_Auftrag& a : o.auftrag) a.animation = -1;
        r->ballhalter = r->voriger_halter = -1;
        r->passempfaenger = r->letzter_passgeber = r->letzter_schuetze = r->schuetzen_slot = -1;
        r->naechster[0] = r->naechster[1] = -1;
        r->ballholer[0] = r->ballholer[1] = -1;
        r->boden_faktor = 1.2f;
        r->aktions_sperre = 1;
        r->schiri_wert[1] = 3;
        r->kontakt_countdown[0] = r->kontakt_countdown[1] = 2;  // the periodic passes stay out
        b().aktiv = 1;
        Spielfeld_Tor_Punkte_Setzen(r.get());
        // No tactical bonuses: A 100 is never beaten, C 0 never reached.
        for (int32_t s = 0; s < 2; ++s) r->taktik_werte[s][6] = 100;
    }
    void spieler(int32_t slot, float x, float y, bool torwart = false)
    {
        r->spieler[slot].zustand = SPIELFELD_AUF_DEM_PLATZ;
        for (uint16_t& w : r->spieler[slot].faehigkeit) w = 500;
        Spielfeld_Objekt& o = r->objekt[slot];
        o.aktiv = 1;
        o.x = x;
        o.y = y;
        o.torwart = torwart ? 1 : 0;
    }
    void ball(float x, float y, float vx, float vy, float tempo)
    {
        b().x = x;
        b().y = y;
        b().z = 0.0f;
        b().vx = vx;
        b().vy = vy;
        Spielfeld_Aktueller_Auftrag(&b())->tempo = tempo;
    }
};

TEST(Zweikampf, EqualValuesGiveSixHundredAndTheBoundsHold)
{
    EXPECT_EQ(Spielfeld_Zweikampf_Chance(500, 500), 600);
    EXPECT_EQ(Spielfeld_Zweikampf_Chance(575, 500), 900);
    EXPECT_EQ(Spielfeld_Zweikampf_Chance(574, 500), 896);
    EXPECT_EQ(Spielfeld_Zweikampf_Chance(900, 100), 900);
    EXPECT_EQ(Spielfeld_Zweikampf_Chance(375, 500), 100);
    EXPECT_EQ(Spielfeld_Zweikampf_Chance(376, 500), 104);
}

TEST_F(Kontakte, AnEvenChallengeWinsAboutOnceInSixAndAHalf)
{
    int32_t gewonnen = 0;
    constexpr int32_t N = 2000;
    for (int32_t seed = 1; seed <= N; ++seed) {
        leeren();
        spieler(1, 5000, 3000);
        spieler(17, 5040, 3000);
        ball(5000, 3000, 0, 0, 0);
        ASSERT_TRUE(Spielfeld_Ballbesitz_Setzen(r.get(), 1));
        Zufall_Set_Seed(seed);
        Spielfeld_Kontakte_Aufloesen(r.get());
        if (r->ballhalter == 17) {
            ++gewonnen;
            EXPECT_GT(r->objekt[1].countdown_a, 0.0f) << "the loser is blocked";
            EXPECT_EQ(r->statistik[17][4], 1);
            EXPECT_EQ(r->statistik[1][3], 1);
        } else
            EXPECT_GT(r->objekt[17].countdown_a, 0.0f) << "a lost challenge blocks the challenger";
    }
    EXPECT_NEAR(double(gewonnen) / N, 0.6 * 0.25, 0.025);
}

TEST_F(Kontakte, AFastBallDeflectsOffAFieldPlayerButAGoalkeeperTakesIt)
{
    for (const bool torwart : {false, true}) {
        SCOPED_TRACE(torwart);
        leeren();
        spieler(20, 3000, 3000, torwart);
        ball(3000, 3010, 3000, 0, 3200);
        r->letzte_beruehrung = 0;
        Zufall_Set_Seed(4);
        Spielfeld_Kontakte_Aufloesen(r.get());
        if (torwart) {
            EXPECT_EQ(r->ballhalter, 20);
            EXPECT_EQ(r->torwart_hat_ball, 1);
        } else {
            EXPECT_EQ(r->ballhalter, -1);
            EXPECT_LT(std::fabs(b().vx), 3000.0f);
            EXPECT_EQ(b().vy, 0.0f) << "a ball along one axis stays on it";
            EXPECT_TRUE(std::isfinite(Spielfeld_Aktueller_Auftrag(&b())->tempo));
            EXPECT_LT(Spielfeld_Aktueller_Auftrag(&b())->tempo, 3200.0f);
        }
        EXPECT_EQ(r->letzte_beruehrung, 1);
    }
    // Slow enough to control: no deflection, he takes it.
    leeren();
    spieler(20, 3000, 3000);
    ball(3000, 3010, 3000, 0, 2000);
    Spielfeld_Kontakte_Aufloesen(r.get());
    EXPECT_EQ(r->ballhalter, 20);
}

TEST_F(Kontakte, ABallThirtyBeyondTheGoalLineIsPutBackThirtyOneIsNot)
{
    for (const float ueber : {30.0f, 31.0f}) {
        leeren();
        spieler(5, float(L) - 10.0f, 3000);
        r->ball_zustand = BALL_TORAUS;
        ball(float(L) + ueber, 3000, 2000, 0, 2000);  // 28 ms ago it was inside
        Spielfeld_Kontakte_Aufloesen(r.get());
        if (ueber == 30.0f) {
            EXPECT_EQ(r->ballhalter, 5);
            EXPECT_EQ(r->ball_zustand, BALL_IM_SPIEL);
            EXPECT_LE(b().x, float(L) + 20.0f);
        } else {
            EXPECT_EQ(r->ballhalter, -1) << "out of his reach and not put back";
            EXPECT_EQ(r->ball_zustand, BALL_TORAUS);
        }
    }
}

TEST_F(Kontakte, DuringARestartAPlayerAtRestNeverTouchesTheBall)
{
    for (int32_t seed = 1; seed < 50; ++seed) {
        leeren();
        r->situation = SITUATION_ECKE;
        spieler(3, 2000, 2000);
        spieler(19, 2010, 2000);
        r->letzte_beruehrung = 1;
        ball(2000, 2000, 0, 0, 0);
        Zufall_Set_Seed(seed);
        Spielfeld_Kontakte_Aufloesen(r.get());
        EXPECT_EQ(r->ballhalter, -1);
    }
    // The taker (in a state, his side not last to touch) may.
    r->objekt[3].zustand = 5;
    Spielfeld_Kontakte_Aufloesen(r.get());
    EXPECT_EQ(r->ballhalter, 3);
}

TEST_F(Kontakte, TheTeamMatesLineAndTheDeepestDefender)
{
    spieler(2, 1000, 3000);
    Spielfeld_Kontakte_Aufloesen(r.get());
    EXPECT_EQ(r->zweiter_abstand, 5400.0f) << "no holder";
    leeren();
    spieler(2, 5000, 3000);
    spieler(3, 8000, 3000);
    spieler(4, 9000, 3000);
    spieler(20, 7000, 2000);
    spieler(21, 9500, 2000);
    ball(5000, 3000, 0, 0, 0);
    ASSERT_TRUE(Spielfeld_Ballbesitz_Setzen(r.get(), 2));
    Spielfeld_Kontakte_Aufloesen(r.get());
    EXPECT_EQ(r->zweiter_abstand, 2800.0f) << "second nearest of the home side to x = length";
    EXPECT_EQ(r->verteidiger_slot, 21);
    EXPECT_EQ(r->verteidiger_x, 9500.0f);
}

TEST_F(Kontakte, AGoalkeeperSavingABallAlongOneAxisStaysFinite)
{
    spieler(0, 1000, 3450, true);
    Spielfeld_Auftrag& a = *Spielfeld_Aktueller_Auftrag(&r->objekt[0]);
    a.animation = 37;  // diving, ball met in frame 4
    a.wert_40 = 4;
    a.x_unter = 0;
    a.y_unter = 1;
    ball(1050, 3403, -2000, 0, 2000);
    r->letzte_beruehrung = 1;
    Zufall_Set_Seed(9);
    Spielfeld_Kontakte_Aufloesen(r.get());
    EXPECT_EQ(r->statistik[0][6], 1) << "a save";
    EXPECT_TRUE(std::isfinite(Spielfeld_Aktueller_Auftrag(&b())->tempo));
    for (int32_t k = 0; k < 10000; ++k) {
        Spielfeld_Objekt_Bewegen(r.get(), SPIELFELD_BALL, &b(), 28, 1);
        Spielfeld_Kontakte_Aufloesen(r.get());
    }
    for (const float v : {b().x, b().y, b().z, b().vx, b().vy, b().fx, b().fy, Spielfeld_Aktueller_Auftrag(&b())->tempo,
                          Spielfeld_Aktueller_Auftrag(&b())->start_tempo})
        EXPECT_TRUE(std::isfinite(v));
}

// Bodies in contact: duels, falls, the referee and injuries.
TEST_F(Kontakte, AnOverStrictRefereeWhistlesThePlayedOnFoulEveryTime)
{
    // Strictness beyond 6 counts as 6: the draw Zufall(0, 0) always whistles.
    for (int32_t seed = 1; seed < 40; ++seed) {
        leeren();
        r->schiri_wert[1] = 200;
        spieler(1, 5000, 3000);
        spieler(17, 5040, 3000);
        ball(5000, 3000, 0, 0, 0);
        ASSERT_TRUE(Spielfeld_Ballbesitz_Setzen(r.get(), 1));
        r->vorteil = 1;
        Zufall_Set_Seed(seed * 7919 + 1000);
        Spielfeld_Kontakte_Aufloesen(r.get());
        EXPECT_EQ(r->vorteil, 2);
        EXPECT_EQ(Spielfeld_Aktueller_Auftrag(&r->objekt[SPIELFELD_SCHIEDSRICHTER])->animation, ANIM_PFIFF);
    }
}

// Small seeds start with small draws; spread them over the generator's range.
int32_t streuen(int32_t seed) { return seed * 9973 + 123457; }

class Koerper : public Kontakte {
protected:
    int32_t liste[4] = {};
    int32_t anzahl = 0;
    void paar(int32_t i, float xi, int32_t j, float xj, float y)
    {
        leeren();
        spieler(i, xi, y);
        spieler(j, xj, y);
        liste[0] = i;
        liste[1] = j;
        anzahl = 2;
        r->tempo_faktor = 1.0f;
        r->objekt[SPIELFELD_SCHIEDSRICHTER].aktiv = 1;
    }
    void tackling(int32_t slot)
    {
        Spielfeld_Aktueller_Auftrag(&r->objekt[slot])->animation = 101;
        r->halter_nah = 1;  // the fall needs no draw
    }
    bool faellt(int32_t slot)
    {
        for (const Spielfeld_Auftrag& a : r->objekt[slot].auftrag)
            if (a.animation == ANIM_FALLEN) return true;
        return false;
    }
    void kontakte() { Spielfeld_Spieler_Kontakte(r.get(), liste, anzahl); }
};

TEST_F(Koerper, TeamMatesNeverDuelOrFallButArePushedApart)
{
    for (int32_t seed = 1; seed < 100; ++seed) {
        paar(2, 4000, 3, 4020, 3000);
        ASSERT_TRUE(Spielfeld_Ballbesitz_Setzen(r.get(), 2));
        tackling(3);
        Zufall_Set_Seed(streuen(seed));
        kontakte();
        EXPECT_FALSE(faellt(2));
        EXPECT_FALSE(faellt(3));
        EXPECT_EQ(r->foul_countdown, 0);
        EXPECT_GE(std::fabs(r->objekt[2].y - r->objekt[3].y), 50.0f) << "apart across the pitch";
    }
}

TEST_F(Koerper, AtStrictnessThreeOnlyADiveRecordOfFiveReversesAFoul)
{
    for (const uint8_t rekord : {uint8_t(4), uint8_t(5)}) {
        int32_t gepfiffen = 0, umgekehrt = 0;
        for (int32_t seed = 1; seed <= 300; ++seed) {
            paar(20, 5000, 3, 5030, 3000);
            tackling(20);
            r->schwalben[0] = rekord;
            Zufall_Set_Seed(streuen(seed));
            kontakte();
            ASSERT_TRUE(faellt(3));
            if (r->foul_countdown == 0) continue;
            ++gepfiffen;
            EXPECT_EQ(r->pfiffe, 1);
            EXPECT_EQ(r->foul_x, r->objekt[20].x) << "where the offender stands after the push";
            if (r->gefoulter == -1) {
                ++umgekehrt;
                EXPECT_EQ(r->foul_taeter, 3) << "the faller is the offender now";
                EXPECT_EQ(r->gefoulte_seite, 1);
            } else {
                EXPECT_EQ(r->gefoulter, 3);
                EXPECT_EQ(r->foul_taeter, 20);
                EXPECT_EQ(r->gefoulte_seite, 0);
            }
        }
        EXPECT_GT(gepfiffen, 150) << "the referee whistles four times in six";
        if (rekord == 4) EXPECT_EQ(umgekehrt, 0);
        else EXPECT_GT(umgekehrt, 0);
    }
}

TEST_F(Koerper, FairPlayNeverDivesNoRulesDivesInTheWidenedBox)
{
    for (const uint8_t fair : {uint8_t(2), uint8_t(0)}) {
        int32_t dives = 0;
        for (int32_t seed = 1; seed <= 400; ++seed) {
            // The home holder near the away goal line, just outside the area across (within 200).
            paar(5, float(L) - 800.0f, 20, float(L) - 780.0f, float(Spielfeld_Masse[12]) - 150.0f);
            ASSERT_TRUE(Spielfeld_Ballbesitz_Setzen(r.get(), 5));
            r->taktik[0][4] = fair;
            Zufall_Set_Seed(streuen(seed));
            kontakte();
            if (faellt(5)) ++dives;
        }
        if (fair == 2) EXPECT_EQ(dives, 0);
        else {
            EXPECT_GT(dives, 400 * 0.249 * 8 / 11 * 0.6);
            EXPECT_LT(dives, 400 * 0.249 * 8 / 11 * 1.4);
        }
    }
}

TEST_F(Koerper, InTheAttackedBoxOnlyAHighToleranceLetsAFoulGo)
{
    for (const float toleranz : {1.0f, 8.0f}) {
        int32_t gepfiffen = 0;
        for (int32_t seed = 1; seed <= 300; ++seed) {
            paar(20, float(L) - 500.0f, 3, float(L) - 470.0f, 3403);
            tackling(20);
            r->tempo_faktor = toleranz;
            Zufall_Set_Seed(streuen(seed));
            kontakte();
            if (r->foul_countdown != 0) ++gepfiffen;
        }
        if (toleranz == 1.0f) EXPECT_GT(gepfiffen, 170) << "only the referee's own draw";
        else EXPECT_LT(gepfiffen, 100) << "three in four let go";
    }
}

TEST_F(Koerper, FoulsInjureFieldPlayersButNeverAGoalkeeper)
{
    for (const bool torwart : {true, false}) {
        int32_t verletzt = 0;
        for (int32_t seed = 1; seed <= 400; ++seed) {
            paar(20, 5000, 3, 5030, 3000);
            r->objekt[3].torwart = torwart ? 1 : 0;
            r->spieler[3].faehigkeit[14] = 0;  // no robustness
            tackling(20);
            Zufall_Set_Seed(streuen(seed));
            kontakte();
            if (r->objekt[3].zustand != 44) continue;
            ++verletzt;
            EXPECT_EQ(r->situation, SITUATION_VERLETZUNG);
            EXPECT_EQ(r->foul_countdown, 2);
            EXPECT_TRUE(r->spieler[3].zustand & 0x40u);
            EXPECT_EQ(r->ballhalter, -1);
        }
        if (torwart) EXPECT_EQ(verletzt, 0);
        else EXPECT_GT(verletzt, 20);
    }
}

// Steps of the other side's attitude bonus with attitude 1: C only after a first draw of 1.
int32_t bonus_schritte(int32_t seed)
{
    Zufall_Set_Seed(seed);
    return Zufall(0, 1) == 1 ? 2 : 1;
}

// A condition joined by "and" or "or" draws its second number only when the first part leaves the
// outcome open: the draws taken decide every later number of the game's sequence.
TEST(Kontaktregeln, TheSecondDrawOfAnAndOrOrComesOnlyWhenItDecides)
{
    const int32_t gespeichert = Zufall_Get_Seed();
    auto schritte = [](int32_t seed, auto&& f) {
        Zufall_Set_Seed(seed);
        f();
        const int32_t nachher = Zufall_Get_Seed();
        Zufall_Set_Seed(seed);
        for (int32_t n = 0; n < 4; ++n) {
            if (Zufall_Get_Seed() == nachher) return n;
            Zufall(0, 0);
        }
        return -1;
    };
    int32_t bonus = 0, umkehr = 0;
    for (int32_t i = 0; i < 400; ++i) {
        const int32_t seed = 1000 + 9973 * i;  // spread over the generator's range
        // Attitude 0 never fits the holder's side: C is not drawn, nor is any bonus given.
        EXPECT_EQ(schritte(seed, [] { EXPECT_FALSE(Spielfeld_Haltung_Bonus(0, 100, true)); }), 1);
        // Attitude 2 always fits it: C decides, under a setting of 101 always.
        EXPECT_EQ(schritte(seed, [] { EXPECT_TRUE(Spielfeld_Haltung_Bonus(2, 101, true)); }), 2);
        // The other side's attitude 1 fits a draw of 1 only.
        EXPECT_EQ(schritte(seed, [&] { bonus += Spielfeld_Haltung_Bonus(1, 101, false); }), bonus_schritte(seed));
        // A dive record of 6 beats every draw of 1..5: the strictness is not asked.
        EXPECT_EQ(schritte(seed, [] { EXPECT_TRUE(Spielfeld_Schiri_Umkehr(6, 3)); }), 1);
        // Without dives the default strictness 3 never reaches 5..6.
        EXPECT_EQ(schritte(seed, [] { EXPECT_FALSE(Spielfeld_Schiri_Umkehr(0, 3)); }), 2);
        EXPECT_EQ(schritte(seed, [&] { umkehr += Spielfeld_Schiri_Umkehr(0, 6); }), 2);
    }
    EXPECT_GT(bonus, 0);
    EXPECT_LT(bonus, 400);
    EXPECT_EQ(umkehr, 400);
    Zufall_Set_Seed(gespeichert);
}

}  // namespace
