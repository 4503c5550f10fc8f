// How the players play: the keeper meets a shot, a pressed man passes to a free mate, an offside
// receiver gives a free kick, the defending side's chaser is the one who meets the ball first,
// and whole seeded games end with plausible football.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "match/pitch/spielfeld_animationen.h"
#include "match/pitch/spielfeld_ball.h"
#include "match/pitch/spielfeld_ereignis.h"
#include "match/pitch/spielfeld_schritt.h"
#include "match/pitch/spielfeld_sonderaktion.h"
#include "match/pitch/spielfeld_spieler.h"
#include "match/pitch/spielfeld_standard.h"
#include "match/pitch/spielfeld_verhalten.h"
#include "match/pitch/spielfeld_wechsel.h"
#include "match/spielfeld_szene.h"
#include "match/spieltag_welt.h"
#include "matchview/live/spielszenen_kamera.h"
#include "platform/zufall.h"

namespace {

using namespace spielwelt;

// ---------------------------------------------------------------------------------------------
// Scenes set by hand.

class Verhalten : public Spielfeld_Szene {
protected:
    void SetUp() override
    {
        Spielfeld_Szene::SetUp();
        r->boden_faktor = 1.2f;
        r->aktions_sperre = 1;
        r->tempo_faktor = 1.0f;
        r->schiri_wert[0] = r->schiri_wert[1] = 3;
        for (int32_t s = 0; s < 2; ++s) {
            r->einsatz[s] = 70;
            r->freistoss_schuetze[s] = r->elfmeter_schuetze[s] = r->ecken_schuetze[s] = uint32_t(-1);
        }
        r->schuetze_bestimmt = r->zweiter_bestimmt = -1;
        Zufall_Set_Seed(4711);
    }
    void feld(int32_t slot, float x, float y, bool torwart = false)
    {
        spieler(slot, x, y, torwart);
        for (uint16_t& w : r->spieler[slot].faehigkeit) w = 500;
        r->spieler[slot].kraft = 9000;
        r->spieler[slot].anweisung[0] = 2;
        r->spieler[slot].anweisung[4] = 2;
        Spielfeld_Objekt& o = r->objekt[slot];
        for (Spielfeld_Auftrag& a : o.auftrag) a.animation = -1;
        Spielfeld_Auftrag_Geben(r.get(), slot, int32_t(x), int32_t(y), 0, 0, ANIM_BEWEGEN, 0, 0, 0, -1, 1, 0, -1, 0);
        // his zone: a box around where he stands
        int32_t* p = r->spieler[slot].taktik_punkte;
        p[0] = int32_t(x) - 300;
        p[1] = int32_t(x) + 300;
        p[2] = int32_t(y) - 300;
        p[3] = int32_t(y) + 300;
    }
    void ball_bei(float x, float y, float z = 0.0f)
    {
        Spielfeld_Objekt_Setzen(r.get(), SPIELFELD_BALL, int32_t(x), int32_t(y), int32_t(z));
        Spielfeld_Auftrag_Geben(r.get(), SPIELFELD_BALL, int32_t(x), int32_t(y), 0, 0, ANIM_BALL, 0, 0, 0, -1, 1, 0, -1, 0);
        b().vx = b().vy = b().vz = 0.0f;
    }
    // The ball leaves (from wherever it is) towards (x, y), rising at hoch.
    void ball_nach(float x, float y, float tempo, float hoch = 0.0f)
    {
        Spielfeld_Auftrag_Geben(r.get(), SPIELFELD_BALL, int32_t(x), int32_t(y), 0, int32_t(tempo), 10, 0, -1, 0, -1, 1, -1, -1, 0);
        if (hoch == 0.0f) return;
        Spielfeld_Flug_Setzen(r.get(), SPIELFELD_BALL, hoch);
        Spielfeld_Auftrag_Tempo_Setzen(r.get(), SPIELFELD_BALL, tempo, 0);
    }
    void schritte(int32_t n)
    {
        for (int32_t k = 0; k < n; ++k) Spielfeld_Record_Schritt(r.get(), SPIELFELD_SCHRITT_MS);
    }
};

TEST_F(Verhalten, AKeeperDivesForAShotWithinReachAndKeepsMostOutButNotOneOutOfReach)
{
    // A home striker shoots at the away goal (x = 0 for the away keeper's side when ends are
    // not swapped: home attacks x = length).
    const float L = float(Spielfeld_Masse[0]), W = float(Spielfeld_Masse[1]);
    int32_t gehalten = 0, tore = 0;
    for (int32_t versuch = 0; versuch < 20; ++versuch) {
        SetUp();
        feld(16, L - 60, W / 2, true);
        r->spieler[16].faehigkeit[18] = 900;
        feld(5, L - 1800, W / 2);
        feld(20, 2000, W / 2);
        ball_bei(L - 1780, W / 2);
        Spielfeld_Ballbesitz_Setzen(r.get(), 5);
        // the ball goes a metre beside him at waist height
        ball_nach(L + 300, W / 2 + 110, 3000, 500);
        r->letzte_beruehrung = 0;
        r->schuss_offen = 1;
        r->schuetzen_slot = r->letzter_schuetze = 5;
        Spielfeld_Ballbesitz_Setzen(r.get(), -1);
        r->objekt[5].countdown_a = 500.0f;
        r->objekt[16].neu_entscheiden = 1;
        const uint8_t vorher = r->tore[0];
        bool gehechtet = false;
        for (int32_t k = 0; k < 60 && r->ball_zustand != BALL_IM_TOR; ++k) {
            schritte(1);
            const int32_t a = Spielfeld_Aktueller_Auftrag(&r->objekt[16])->animation;
            gehechtet |= a >= 37 && a <= 46 && a != 43;
            if (r->ballhalter == 16 || r->letzte_beruehrung == 1) break;
        }
        EXPECT_TRUE(gehechtet) << "try " << versuch;
        if (r->ballhalter == 16 || r->letzte_beruehrung == 1) ++gehalten;
        if (r->ball_zustand == BALL_IM_TOR || r->tore[0] != vorher) ++tore;
        TearDown();
    }
    SetUp();
    // A good keeper stops most of them; not every one, or nobody would score.
    EXPECT_GE(gehalten, 12);
    EXPECT_EQ(gehalten + tore, 20);
    // A shot far out of his reach is not dived for.
    feld(16, L - 60, W / 2 - 400, true);
    ball_bei(L - 300, W / 2 + 420);
    ball_nach(L + 300, W / 2 + 420, 3000);
    r->letzte_beruehrung = 0;
    Spielfeld_Verhalten_Torwart(r.get(), 16, 1, 0);
    const int32_t a = Spielfeld_Aktueller_Auftrag(&r->objekt[16])->animation;
    EXPECT_FALSE(a >= 37 && a <= 46 && a != 43 && a != 38 && a != 36);
}

TEST_F(Verhalten, APressedHolderPassesToAFreeMateNotToACoveredOne)
{
    const float W = float(Spielfeld_Masse[1]);
    feld(0, 500, W / 2, true);
    feld(16, 10300, W / 2, true);
    feld(3, 3000, W / 2);        // on the ball
    feld(19, 2920, W / 2 - 70);  // pressing him from behind
    feld(6, 4200, W / 2);        // straight ahead, but covered
    feld(20, 3700, W / 2);
    feld(7, 4000, W / 2 + 1500);  // free on the wing
    feld(22, 8000, 500);
    feld(23, 8000, W - 500);
    ball_bei(3020, W / 2);
    Spielfeld_Ballbesitz_Setzen(r.get(), 3);
    Spielfeld_Verhalten_Ballfuehrer(r.get(), 3, 0);
    EXPECT_EQ(r->ballhalter, -1);
    EXPECT_EQ(r->passempfaenger, 7);
    EXPECT_EQ(r->letzter_passgeber, 3);
    EXPECT_EQ(r->letzte_beruehrung, 0);
    // the ball is on its way to him (give or take his passing) and he goes to meet it
    const Spielfeld_Auftrag* a = Spielfeld_Aktueller_Auftrag(&b());
    EXPECT_LT(std::hypot(a->ziel[0] - 4000.0f, a->ziel[1] - (W / 2 + 1500)), 400.0f);
    EXPECT_GT(std::hypot(b().vx, b().vy), 0.0f);
    bool angekommen = false;
    for (int32_t k = 0; k < 80 && !angekommen; ++k) {
        schritte(1);
        angekommen = r->ballhalter == 7;
    }
    EXPECT_TRUE(angekommen);
}

// Box entries are what fouls in the area, and so penalties, come from: from distance a striker
// shoots only now and then, in the area as a rule, unless a man is at him.
TEST_F(Verhalten, AStrikerShootsFromTheAreaRatherThanFromDistanceAndTakesOnAManInIt)
{
    const float L = float(Spielfeld_Masse[0]), W = float(Spielfeld_Masse[1]);
    const auto schuesse = [&](float vor_dem_tor, bool bedraengt) {
        int32_t n = 0;
        for (int32_t seed = 1; seed <= 100; ++seed) {
            SetUp();
            feld(16, L - 60, W / 2, true);
            feld(9, L - vor_dem_tor, W / 2);
            if (bedraengt) feld(20, L - vor_dem_tor + 150, W / 2 + 100);
            ball_bei(L - vor_dem_tor + 20, W / 2);
            Spielfeld_Ballbesitz_Setzen(r.get(), 9);
            Zufall_Set_Seed(seed * 7919);
            Spielfeld_Verhalten_Ballfuehrer(r.get(), 9, 0);
            n += r->schuss_offen != 0;
            TearDown();
        }
        SetUp();
        return n;
    };
    EXPECT_LT(schuesse(1700.0f, false), 75);  // just outside the area
    EXPECT_GT(schuesse(1200.0f, false), 95);
    const int32_t gedraengt = schuesse(1200.0f, true);
    EXPECT_LT(gedraengt, 60);
    EXPECT_GT(gedraengt, 20);
}

TEST_F(Verhalten, AReceiverBeyondTheLastDefenderGivesTheOtherSideAFreeKick)
{
    const float W = float(Spielfeld_Masse[1]);
    // Home attacks x = length. The only mate ahead stands beyond both defenders; now and then
    // the man on the ball plays him all the same, and the flag goes up.
    const auto szene = [&](float x9) {
        SetUp();
        feld(16, 10700, W / 2, true);
        feld(17, 7000, W / 2 - 800);
        feld(18, 7000, W / 2 + 800);
        feld(3, 6000, W / 2);
        feld(19, 6080, W / 2 + 60);  // pressing
        feld(9, x9, W / 2 + 1200);
        ball_bei(6020, W / 2);
        Spielfeld_Ballbesitz_Setzen(r.get(), 3);
    };
    int32_t abseits = 0, gespielt = 0;
    for (int32_t versuch = 0; versuch < 60; ++versuch) {
        szene(8500);
        Zufall_Set_Seed((12345 + versuch * 65537) % ZUFALL_MODUL);
        Spielfeld_Verhalten_Ballfuehrer(r.get(), 3, 0);
        if (r->situation == SITUATION_FREISTOSS) {
            ++abseits;
            EXPECT_EQ(r->letzte_beruehrung, 0);  // the home side defends the free kick
            EXPECT_NEAR(b().x, 8500.0f, 1.0f);
            EXPECT_NEAR(b().y, W / 2 + 1200, 1.0f);
        }
        EXPECT_NE(r->passempfaenger, 9);  // never played on as if onside
        TearDown();
        // Level with the line he is onside: played to, never a free kick.
        szene(6990);
        Zufall_Set_Seed((12345 + versuch * 65537) % ZUFALL_MODUL);
        Spielfeld_Verhalten_Ballfuehrer(r.get(), 3, 0);
        EXPECT_NE(r->situation, SITUATION_FREISTOSS);
        gespielt += r->passempfaenger == 9;
        TearDown();
    }
    SetUp();
    EXPECT_GT(abseits, 0);
    EXPECT_GT(gespielt, 0);
}

TEST_F(Verhalten, TheDefendingSidesChaserIsTheOneWhoMeetsTheBallFirst)
{
    const float W = float(Spielfeld_Masse[1]);
    feld(16, 10300, W / 2, true);
    feld(17, 5300, 900);        // nearest to the ball now, but it runs away from him
    feld(18, 6900, 2300);       // further, but on its way
    feld(19, 9000, W / 2);
    feld(2, 5600, 1200);
    ball_bei(5800, 1200);
    // the ball rolls across towards (8000, 3200)
    ball_nach(8000, 3200, 1800);
    r->letzte_beruehrung = 0;
    r->passempfaenger = -1;
    for (int32_t i : {17, 18, 19}) Spielfeld_Verhalten_Abwehr(r.get(), i, 1);
    EXPECT_EQ(r->ballholer[1], 18);
    // he runs onto the ball's path, the others do not chase it
    const Spielfeld_Auftrag* a = Spielfeld_Aktueller_Auftrag(&r->objekt[18]);
    float fx = 0, fy = 0;
    const float abseits_weg = Spielfeld_Ballweg_Abstand(5800, 1200, 8000, 3200, a->ziel[0], a->ziel[1], &fx, &fy);
    EXPECT_GE(abseits_weg, 0.0f);
    EXPECT_LT(abseits_weg, 150.0f);
    // Near a holder the chaser goes in: with enough aggression and effort he tackles.
    SetUp();
    feld(16, 10300, W / 2, true);
    feld(17, 6000, 3000);
    r->spieler[17].faehigkeit[17] = 999;
    r->einsatz[1] = 100;
    feld(2, 5850, 3000);
    ball_bei(5870, 3000);
    Spielfeld_Ballbesitz_Setzen(r.get(), 2);
    int32_t tacklings = 0;
    for (int32_t k = 0; k < 50; ++k) {
        Spielfeld_Verhalten_Abwehr(r.get(), 17, 1);
        const int32_t anim = Spielfeld_Aktueller_Auftrag(&r->objekt[17])->animation;
        tacklings += anim == 62 || anim == 101;
        Spielfeld_Auftrag_Geben(r.get(), 17, 6000, 3000, 0, 0, ANIM_BEWEGEN, 0, 0, 0, -1, 1, 0, -1, 0);
    }
    EXPECT_GT(tacklings, 10);
    EXPECT_LT(tacklings, 50);
}

TEST_F(Verhalten, AThrowInTakerGoesToTheBallAndPlaysItOnceTheRestartIsSet)
{
    const float W = float(Spielfeld_Masse[1]);
    feld(0, 500, W / 2, true);
    feld(16, 10300, W / 2, true);
    feld(4, 4000, 1500);
    feld(5, 4800, 1200);
    feld(20, 4300, 2500);
    ball_bei(4200, 0);
    r->situation = SITUATION_EINWURF;
    r->letzte_beruehrung = 1;
    r->standard_aufgebaut = 0;
    Spielfeld_Situation_Aufstellen(r.get());
    ASSERT_TRUE(r->objekt[4].zustand == ROLLE_EINWURF || r->objekt[5].zustand == ROLLE_EINWURF);
    const int32_t werfer = r->objekt[4].zustand == ROLLE_EINWURF ? 4 : 5;
    for (int32_t k = 0; k < 200 && r->situation == SITUATION_EINWURF; ++k) schritte(1);
    EXPECT_EQ(r->situation, SITUATION_SPIEL);
    EXPECT_EQ(r->objekt[werfer].zustand, 0);
    EXPECT_EQ(r->letzte_beruehrung, 0);
    EXPECT_GE(r->passempfaenger, 0);
    EXPECT_LT(r->passempfaenger, 16);
}

TEST_F(Verhalten, APenaltyAndAShootOutKickAreTakenByTheKickingSide)
{
    const float L = float(Spielfeld_Masse[0]), W = float(Spielfeld_Masse[1]);
    // The defender nearest the spot must not take the home side's penalty.
    feld(0, 500, W / 2, true);
    feld(16, L - 60, W / 2, true);
    feld(17, L - 1000, W / 2 + 150);
    feld(9, L - 1500, W / 2 - 400);
    feld(10, L - 2500, W / 2 + 900);
    ball_bei(L - 900, W / 2);
    Spielfeld_Elfmeter_Aufstellen(r.get());
    ASSERT_EQ(r->situation, SITUATION_ELFMETER);
    int32_t k = 0;
    for (; k < 400 && !r->schuss_offen && r->ball_zustand != BALL_IM_TOR; ++k) schritte(1);
    EXPECT_LT(k, 400);
    EXPECT_TRUE(r->letzter_schuetze == 9 || r->letzter_schuetze == 10);
    EXPECT_EQ(r->situation, SITUATION_SPIEL);
    // A shoot-out kick: the designated taker, at the goal at x = 0.
    SetUp();
    r->spiel = 77;
    feld(0, 500, W / 2, true);
    feld(16, 60, W / 2, true);
    feld(9, L / 2, W / 2);
    feld(12, L / 2, W / 2 + 300);
    r->elfmeter_schuss = 1;
    r->situation = SITUATION_ELFMETERSCHIESSEN;
    r->schuetze_bestimmt = 12;
    r->letzte_beruehrung = 1;
    r->seiten_getauscht = 1;
    Spielfeld_Tor_Punkte_Setzen(r.get());
    ball_bei(1100, W / 2);
    for (k = 0; k < 400 && !r->schuss_offen && r->ball_zustand != BALL_IM_TOR; ++k) schritte(1);
    EXPECT_LT(k, 400);
    EXPECT_EQ(r->letzter_schuetze, 12);
    EXPECT_LT(b().vx, 0.0f);
}

TEST_F(Verhalten, AHurtPlayerIsReplacedByTheAssistantOrGetsUpWhenPlayGoesOn)
{
    const float W = float(Spielfeld_Masse[1]);
    const auto verletzt = [&](uint8_t assistent) {
        feld(0, 500, W / 2, true);
        feld(5, 4000, 3000);
        spieler(6, 4658, -348, false, SPIELFELD_ERSATZ);
        r->objekt[5].zustand = 44;
        r->spieler[5].zustand |= 0x40;
        r->assistent[0] = assistent;
        r->wechsel_uebrig[0] = 3;
        r->situation = SITUATION_VERLETZUNG;
        Spielfeld_Verhalten_Zustand(r.get(), 5, 0);
    };
    verletzt(1);
    EXPECT_TRUE(Spielfeld_Wechsel_Ist_Aus(r.get(), 5));
    EXPECT_TRUE(Spielfeld_Wechsel_Ist_Ein(r.get(), 6));
    // Without an assistant he gets up once the restart is set, and plays on (the contacts and
    // the restarts know him again).
    SetUp();
    verletzt(0);
    EXPECT_FALSE(Spielfeld_Wechsel_Ist_Aus(r.get(), 5));
    EXPECT_EQ(r->objekt[5].zustand, 44);
    r->situation = SITUATION_FREISTOSS;
    r->standard_aufgebaut = 1;
    Spielfeld_Verhalten_Zustand(r.get(), 5, 0);
    EXPECT_EQ(r->objekt[5].zustand, 0);
    EXPECT_EQ(r->spieler[5].zustand, SPIELFELD_AUF_DEM_PLATZ);
}

// ---------------------------------------------------------------------------------------------
// Whole games.

struct Bilanz {
    int32_t tore = 0, schuesse = 0, fouls = 0, ecken = 0, einwuerfe = 0, abseits = 0, elfmeter = 0, wechsel = 0;
    int32_t ohne_pfiff = 0;              // halves the match day's clock had to end
    int32_t laengste_unterbrechung = 0;  // steps
    void dazu(const Bilanz& b)
    {
        tore += b.tore, schuesse += b.schuesse, fouls += b.fouls, ecken += b.ecken, einwuerfe += b.einwuerfe;
        abseits += b.abseits, elfmeter += b.elfmeter, ohne_pfiff += b.ohne_pfiff, wechsel += b.wechsel;
        laengste_unterbrechung = std::max(laengste_unterbrechung, b.laengste_unterbrechung);
    }
};

// Plays 2 x 45 minutes by the record's steps as the frame step does; a half ends with the
// final whistle at the next dead ball, or by the match day's clock.
Bilanz spielen(Spielfeld_Record* r, int32_t seed)
{
    Bilanz b;
    Zufall_Set_Seed(seed);
    r->aktiv = 1;
    uint32_t vorher = r->situation;
    int32_t unterbrochen = 0;
    for (int32_t halbzeit = 0; halbzeit < 2; ++halbzeit) {
        Spielfeld_Anpfiff_Record(r, halbzeit);
        const int32_t ende = 45 * (halbzeit + 1);
        while (r->spielende != 2) {
            const uint8_t frei = uint8_t(r->freistoesse[0] + r->freistoesse[1]);
            Spielfeld_Record_Schritt(r, SPIELFELD_SCHRITT_MS);
            if (r->minute >= ende && r->spielende == 0) r->spielende = 1;
            // the match day's clock ends a half five minutes after its time at the latest
            if (r->minute >= ende + 5 && r->spielende == 1) {
                r->spielende = 2;
                r->situation = SITUATION_HALBZEIT;
                ++b.ohne_pfiff;
            }
            const uint32_t sit = r->situation;
            if (sit != vorher) {
                if (sit == SITUATION_EINWURF) ++b.einwuerfe;
                if (sit == SITUATION_FREISTOSS && uint8_t(r->freistoesse[0] + r->freistoesse[1]) == frei) ++b.abseits;
                vorher = sit;
            }
            // walks on and off hold a restart as long as they take
            const bool wartet = sit != SITUATION_SPIEL && sit != SITUATION_HALBZEIT && r->laufende_spieler <= 0;
            unterbrochen = wartet ? unterbrochen + 1 : 0;
            b.laengste_unterbrechung = std::max(b.laengste_unterbrechung, unterbrochen);
        }
    }
    b.tore = r->tore[0] + r->tore[1];
    for (int32_t i = 0; i < SPIELFELD_SLOTS; ++i) b.schuesse += r->statistik[i][2];
    b.fouls = r->freistoesse[0] + r->freistoesse[1] + r->elfmeter[0] + r->elfmeter[1];
    b.elfmeter = r->elfmeter[0] + r->elfmeter[1];
    b.ecken = r->ecken[0] + r->ecken[1];
    b.wechsel = r->wechsel[0] + r->wechsel[1];
    return b;
}

// The clubs of the generated world on a match day: each of the day's games twice, on a copy of
// its record that no match day looks after.
class Welt_Spiele : public Spieltag_Welt {};

TEST_F(Welt_Spiele, SeededGamesHaveGoalsShotsFoulsAndCornersAndTheStrongerSideAhead)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_VOR_SPIEL));
    Bilanz summe;
    int32_t n = 0, ohne_schuss = 0, vorn = 0, hinten = 0;
    for (int32_t runde = 0; runde < 4; ++runde)
        for (const auto& [wettbewerb, spiel] : spiele()) {
            const Spielfeld_Record* quelle = Spielfeld_Get_Spiel(spiel);
            if (!quelle) continue;
            // A background game's record holds no pitch: the game is filled for one.
            auto r = std::make_unique<Spielfeld_Record>(*quelle);
            Spielfeld_Record_Fuellen(r.get(), Spiele_Get_Spiel(spiel, 1), spiel, 0);
            r->spiel = uint32_t(-1);
            const Bilanz b = spielen(r.get(), (++n) * 104729 % ZUFALL_MODUL);
            ohne_schuss += b.schuesse == 0;
            summe.dazu(b);
            // the side with the higher strength byte by ten or more
            const int32_t staerker = r->staerke[0] - r->staerke[1];
            const int32_t diff = int32_t(r->tore[0]) - int32_t(r->tore[1]);
            if (std::abs(staerker) >= 10 && diff != 0) (diff > 0) == (staerker > 0) ? ++vorn : ++hinten;
        }
    ASSERT_GE(n, 12);
    std::printf("%d games, per game: goals %.2f shots %.2f fouls %.2f corners %.2f throw-ins %.2f offsides %.2f "
                "penalties %.2f substitutions %.2f; the stronger side won %d, lost %d; halves ended by the clock %d; longest stoppage %d ms\n",
                n, double(summe.tore) / n, double(summe.schuesse) / n, double(summe.fouls) / n, double(summe.ecken) / n,
                double(summe.einwuerfe) / n, double(summe.abseits) / n, double(summe.elfmeter) / n, double(summe.wechsel) / n, vorn, hinten, summe.ohne_pfiff,
                summe.laengste_unterbrechung * SPIELFELD_SCHRITT_MS);
    EXPECT_EQ(ohne_schuss, 0);
    EXPECT_GE(summe.tore * 2, n * 3);
    EXPECT_LE(summe.tore, n * 4);
    EXPECT_GT(summe.fouls, 0);
    EXPECT_GT(summe.ecken, 0);
    EXPECT_GT(summe.einwuerfe, 0);
    // the clubs' assistants bring on fresh legs for the tired late on
    EXPECT_GE(summe.wechsel, n);
    EXPECT_GT(vorn, hinten);
    // no restart waits longer than ten seconds of pitch time (walks on and off aside)
    EXPECT_LT(summe.laengste_unterbrechung * SPIELFELD_SCHRITT_MS, 10000);
}

}  // namespace
