// Restarts on scripted positions: the free kick's wall and flags, the penalty's end, the shoot-out's
// goal, the dispatcher's choice of routine and the restart pass's single run and placements.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "competitions/spiele_welt.h"
#include "database/teamspieler.h"
#include "match/pitch/spielfeld_abfragen.h"
#include "match/pitch/spielfeld_ball.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/pitch/spielfeld_standard.h"
#include "match/pitch/spielfeld_verhalten.h"
#include "match/spielfeld.h"
#include "platform/zufall.h"
#include "match/spielfeld_szene.h"

namespace {

using namespace spielwelt;
constexpr float L = 10800, B = 6806;

struct Aufruf {
    Spielfeld_Routine routine;
    int32_t objekt, arg;
};
std::vector<Aufruf> aufrufe;
void aufzeichnen(Spielfeld_Record*, Spielfeld_Routine routine, int32_t objekt, int32_t arg)
{
    aufrufe.push_back({routine, objekt, arg});
}

class Standard : public Spielfeld_Szene {
protected:
    void SetUp() override
    {
        Spielfeld_Szene::SetUp();
        aufrufe.clear();
        Spielfeld_Routine_Aufrufen = aufzeichnen;
    }
    void TearDown() override
    {
        Spielfeld_Routine_Aufrufen = Spielfeld_Routine_Standard;
        Spielfeld_Szene::TearDown();
    }
    int32_t mauer() const
    {
        int32_t n = 0;
        for (int32_t i = 0; i < SPIELFELD_SLOTS; ++i) n += r->objekt[i].zustand >= 29 && r->objekt[i].zustand <= 32;
        return n;
    }
    static std::vector<Spielfeld_Routine> routinen()
    {
        std::vector<Spielfeld_Routine> v;
        for (const Aufruf& a : aufrufe) v.push_back(a.routine);
        return v;
    }
    std::vector<int32_t> gerufen(Spielfeld_Routine routine) const
    {
        std::vector<int32_t> v;
        for (const Aufruf& a : aufrufe)
            if (a.routine == routine) v.push_back(a.objekt);
        return v;
    }
};

TEST_F(Standard, TheNearGoalFlagStartsInsideThirtyOneMetresAtTheEndTheKickerAttacks)
{
    Spielfeld_Freistoss_Aufstellen(r.get(), L - 3100, 3403, 0);
    EXPECT_EQ(r->freistoss_offen, 0);
    EXPECT_EQ(r->situation, SITUATION_FREISTOSS);
    EXPECT_EQ(r->standard_seite, 0);
    EXPECT_EQ(r->letzte_beruehrung, 1);
    EXPECT_EQ(b().x, L - 3100);
    r->sync_standard[0] = 1;
    Spielfeld_Freistoss_Aufstellen(r.get(), L - 3099, 3403, 0);
    EXPECT_EQ(r->freistoss_offen, 1);
    EXPECT_EQ(r->sync_standard[0], 0);
    // With the ends swapped the home side attacks x = 0: the same spot is far from its goal.
    r->freistoss_offen = 0;
    r->seiten_getauscht = 1;
    Spielfeld_Tor_Punkte_Setzen(r.get());
    Spielfeld_Freistoss_Aufstellen(r.get(), L - 3099, 3403, 0);
    EXPECT_EQ(r->freistoss_offen, 0);
}

TEST_F(Standard, TheWallGrowsNearTheGoalButNeverFromKeepersLeaversOrCloseToTheLine)
{
    for (int32_t i = 16; i < 22; ++i) spieler(i, L - 1500 + 50 * float(i), 3000);
    spieler(22, L - 1400, 3403, true);
    // Close to the line: one man, however near the goal.
    Spielfeld_Freistoss_Aufstellen(r.get(), L - 1200, 3403, 0);
    EXPECT_EQ(mauer(), 1);
    // 1300 out in the middle: four, the keeper never among them.
    Spielfeld_Freistoss_Aufstellen(r.get(), L - 1300, 3403, 0);
    EXPECT_EQ(mauer(), 4);
    EXPECT_EQ(r->objekt[22].zustand, 0);
    // Between 2000 and 2700: three; between 2700 and 3200: two; wide of the goal: one.
    Spielfeld_Freistoss_Aufstellen(r.get(), L - 2300, 3403, 0);
    EXPECT_EQ(mauer(), 3);
    Spielfeld_Freistoss_Aufstellen(r.get(), L - 3000, 3403, 0);
    EXPECT_EQ(mauer(), 2);
    // Each size up to its limit, the next one beyond it.
    for (const auto& [abstand, mann] : {std::pair{1990, 4}, {2010, 3}, {2690, 3}, {2710, 2}, {3190, 2}, {3210, 1}}) {
        Spielfeld_Freistoss_Aufstellen(r.get(), L - float(abstand), 3403, 0);
        EXPECT_EQ(mauer(), mann) << abstand;
    }
    Spielfeld_Freistoss_Aufstellen(r.get(), L - 1300, 500, 0);
    EXPECT_EQ(mauer(), 1);
    // Too few eligible: those leaving the pitch or not on it stay out, the wall shrinks.
    for (int32_t i = 16; i < 20; ++i) r->spieler[i].zustand = SPIELFELD_ERSATZ;
    r->auswechsel[1][3] = 20;
    Spielfeld_Freistoss_Aufstellen(r.get(), L - 1300, 3403, 0);
    EXPECT_EQ(mauer(), 1);
    EXPECT_EQ(r->objekt[21].zustand, 29);
}

// A man walking off for a substitution keeps walking: put into the wall he stayed on the pitch
// beside the man who came on for him.
TEST_F(Standard, NoManWalkingOnOrOffStandsInTheWall)
{
    spieler(16, L - 1400, 3403);
    spieler(17, L - 1500, 3403);
    spieler(18, L - 2500, 3403);
    r->objekt[16].zustand = '&';
    r->objekt[17].zustand = '$';
    Spielfeld_Freistoss_Aufstellen(r.get(), L - 1300, 3403, 0);
    EXPECT_EQ(r->objekt[16].zustand, '&');
    EXPECT_EQ(r->objekt[17].zustand, '$');
    EXPECT_EQ(r->objekt[18].zustand, 29);
    EXPECT_EQ(mauer(), 1);
}

TEST_F(Standard, TheWallIsRankedByDistanceFromTheBall)
{
    spieler(16, L - 1800, 3403);
    spieler(17, L - 1500, 3403);
    spieler(18, L - 2500, 3403);
    Spielfeld_Freistoss_Aufstellen(r.get(), L - 1300, 3403, 0);
    EXPECT_EQ(r->objekt[17].zustand, 29);
    EXPECT_EQ(r->objekt[16].zustand, 30);
    EXPECT_EQ(r->objekt[18].zustand, 31);
}

TEST_F(Standard, APenaltyGoesToTheEndOfTheFoulAndHalfwayCountsAsTheNearEnd)
{
    b().x = L / 2;
    b().y = 100;
    Spielfeld_Elfmeter_Aufstellen(r.get());
    EXPECT_EQ(b().x, 1100);
    EXPECT_EQ(b().y, 3403);
    EXPECT_EQ(r->standard_seite, 1);
    EXPECT_EQ(r->situation, SITUATION_ELFMETER);
    EXPECT_EQ(r->strafstoss, 2);
    b().x = L / 2 + 1;
    Spielfeld_Elfmeter_Aufstellen(r.get());
    EXPECT_EQ(b().x, L - 1100);
    EXPECT_EQ(r->standard_seite, 0);
}

TEST_F(Standard, AFoulInTheAreaTheFouledSideAttacksIsAPenaltyElsewhereAFreeKick)
{
    Spielfeld_Foul_Standard(r.get(), L - 1000, 3000, 0);
    EXPECT_EQ(r->situation, SITUATION_ELFMETER);
    EXPECT_EQ(b().x, L - 1100);
    EXPECT_EQ(r->elfmeter[0], 1);
    // The home side's own area is no penalty for it.
    Spielfeld_Foul_Standard(r.get(), 1000, 3000, 0);
    EXPECT_EQ(r->situation, SITUATION_FREISTOSS);
    EXPECT_EQ(r->freistoesse[0], 1);
    Spielfeld_Foul_Standard(r.get(), 1000, 3000, 1);
    EXPECT_EQ(r->situation, SITUATION_ELFMETER);
    EXPECT_EQ(b().x, 1100);
    EXPECT_EQ(r->elfmeter[1], 1);
}

TEST_F(Standard, NoHolderSendsHomeToAttackAndAwayToDefendAndAReceivingKeeperPlaysAlong)
{
    spieler(3, 5000, 3000);
    spieler(20, 5000, 3000);
    spieler(16, 500, 3403, true);
    Spielfeld_Verhalten_Verteilen(r.get(), 3);
    Spielfeld_Verhalten_Verteilen(r.get(), 20);
    r->ballhalter = 5;
    spieler(5, 4000, 3000);
    r->passempfaenger = 16;
    Spielfeld_Verhalten_Verteilen(r.get(), 16);
    r->passempfaenger = -1;
    Spielfeld_Verhalten_Verteilen(r.get(), 16);
    Spielfeld_Verhalten_Verteilen(r.get(), 5);
    EXPECT_EQ(routinen(), (std::vector<Spielfeld_Routine>{ROUTINE_ANGRIFF, ROUTINE_ABWEHR, ROUTINE_TORWART,
                                                           ROUTINE_TORWART, ROUTINE_BALLFUEHRER}));
    EXPECT_EQ(aufrufe[2].arg, 1);
    EXPECT_EQ(aufrufe[3].arg, 0);
}

TEST_F(Standard, HalfTimeBenchAndStatesPickTheirOwnRoutines)
{
    spieler(2, 5000, 3000);
    r->objekt[2].zustand = '$';
    spieler(18, 5000, 3000);
    r->spieler[19].spnr = 19;
    r->spieler[19].zustand = SPIELFELD_ERSATZ;
    r->situation = SITUATION_HALBZEIT;
    Spielfeld_Verhalten_Verteilen(r.get(), 2);
    Spielfeld_Verhalten_Verteilen(r.get(), 18);
    Spielfeld_Verhalten_Verteilen(r.get(), 19);
    EXPECT_EQ(gerufen(ROUTINE_SITUATION_5), (std::vector<int32_t>{2, 18}));
    EXPECT_EQ(gerufen(ROUTINE_BANK), (std::vector<int32_t>{19}));
    aufrufe.clear();
    r->situation = SITUATION_EINWURF;
    Spielfeld_Verhalten_Verteilen(r.get(), 2);
    // A waiting player is left alone in play.
    r->situation = SITUATION_SPIEL;
    r->objekt[18].countdown_b = 300;
    Spielfeld_Verhalten_Verteilen(r.get(), 18);
    Spielfeld_Verhalten_Verteilen(r.get(), 32);
    Spielfeld_Verhalten_Verteilen(r.get(), 36);
    Spielfeld_Verhalten_Verteilen(r.get(), 50);
    EXPECT_EQ(routinen(), (std::vector<Spielfeld_Routine>{ROUTINE_ZUSTAND, ROUTINE_SCHIEDSRICHTER,
                                                           ROUTINE_LINIENRICHTER, ROUTINE_NEBENOBJEKT}));
}

TEST_F(Standard, TheRestartPassRunsOnceSkipsWalkersAndPlacesMovingObjects)
{
    b().x = 0;
    b().y = 0;
    spieler(1, 300, 300);  // nearest the corner: the taker, his own order stands
    r->objekt[1].vx = 100;
    Spielfeld_Auftrag* zur_ecke = Spielfeld_Aktueller_Auftrag(&r->objekt[1]);
    zur_ecke->ziel[0] = 40;
    zur_ecke->ziel[1] = 30;
    spieler(2, 3000, 3000);
    r->objekt[2].vx = 100;
    Spielfeld_Aktueller_Auftrag(&r->objekt[2])->ziel[0] = 0;  // the pass resets a standing order
    spieler(17, 6000, 3403);
    r->objekt[17].zustand = '&';
    r->objekt[17].vy = 50;
    Spielfeld_Auftrag* weg = Spielfeld_Aktueller_Auftrag(&r->objekt[17]);
    weg->ziel[0] = 6000;
    weg->ziel[1] = -300;
    r->situation = SITUATION_ECKE;
    r->letzte_beruehrung = 1;
    EXPECT_EQ(Spielfeld_Situation_Aufstellen(r.get()), 1);
    EXPECT_EQ(gerufen(ROUTINE_ZUSTAND), (std::vector<int32_t>{1}));  // never the walker
    EXPECT_EQ(gerufen(ROUTINE_ANGRIFF), (std::vector<int32_t>{2}));
    EXPECT_EQ(r->objekt[1].zustand, 7);
    EXPECT_EQ(r->ballhalter, 1);
    EXPECT_EQ(r->objekt[1].x, 40);
    EXPECT_EQ(r->objekt[2].x, 3000);  // its own place was its target
    EXPECT_EQ(r->objekt[17].y, -300);  // the walker is put at the end of his walk
    EXPECT_EQ(r->standard_aufgebaut, 1);
    aufrufe.clear();
    EXPECT_EQ(Spielfeld_Situation_Aufstellen(r.get()), 0);
    EXPECT_TRUE(aufrufe.empty());
}

TEST_F(Standard, NobodyIsPlacedWhileWalksArePendingOrInTheStoppagesThatAreWatched)
{
    for (uint32_t s : {SITUATION_WECHSEL, SITUATION_VERLETZUNG, SITUATION_TORJUBEL, SITUATION_ECKE}) {
        spieler(4, 1000, 1000);
        r->objekt[4].vx = 100;
        Spielfeld_Aktueller_Auftrag(&r->objekt[4])->ziel[0] = 2000;
        r->objekt[4].zustand = '$';
        r->laufende_spieler = s == SITUATION_ECKE ? 1 : 0;
        r->situation = s;
        r->standard_aufgebaut = 0;
        EXPECT_EQ(Spielfeld_Situation_Aufstellen(r.get()), 2) << s;  // he heads far from the centre
        EXPECT_EQ(r->objekt[4].x, 1000) << s;
    }
}

TEST_F(Standard, HalfTimeOnlyMarksThePassAndABusyRefereeHoldsIt)
{
    spieler(1, 1000, 1000);
    r->situation = SITUATION_HALBZEIT;
    EXPECT_EQ(Spielfeld_Situation_Aufstellen(r.get()), 0);
    EXPECT_EQ(r->standard_aufgebaut, 1);
    EXPECT_TRUE(aufrufe.empty());
    r->situation = SITUATION_ECKE;
    r->standard_aufgebaut = 0;
    Spielfeld_Aktueller_Auftrag(&r->objekt[SPIELFELD_SCHIEDSRICHTER])->art = 8;
    EXPECT_EQ(Spielfeld_Situation_Aufstellen(r.get()), 0);
    EXPECT_EQ(r->standard_aufgebaut, 0);
}

// The shoot-out over a record of the small world.
class Elfmeterschiessen : public Spielwelt {
protected:
    void TearDown() override
    {
        Spielfeld_DeInit();
        Spielwelt::TearDown();
    }
};

TEST_F(Elfmeterschiessen, EveryKickIsAtTheGoalAtZeroAndTheGameWaitsForIt)
{
    for (int32_t sp = 10; sp < 28; ++sp) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 1, sp, 150, 0, 24, -1, false));
    for (int32_t sp = 10; sp < 21; ++sp) Teamspieler_Wert(317, 1, sp, TS_STARTELF, 8);
    const int32_t block = Spiele_Init_Neue_Spiele(1, 4, 20, 1, LIGA, -1);
    const int32_t h = Spiele_Lock(block, 0, 0, 0);
    Spiele_Set_Teams(h, 1, 2);
    EXPECT_TRUE(Spielfeld_Elfmeterschiessen_Wartet(h));  // not initialised
    Spielfeld_Init();
    EXPECT_TRUE(Spielfeld_Elfmeterschiessen_Wartet(h));  // no record
    ASSERT_TRUE(Spielfeld_Record_Anlegen(h, 1, 0, nullptr, 1, 0));
    Spielfeld_Record* r = Spielfeld_Get_Spiel(h);
    for (int32_t seite : {0, 1}) {
        Spielfeld_Elfmeterschiessen_Aufstellen(h, seite, 7);
        EXPECT_EQ(r->objekt[SPIELFELD_BALL].x, 1100) << seite;
        EXPECT_EQ(r->tor_x[seite], 0) << seite;
        EXPECT_EQ(r->situation, SITUATION_ELFMETERSCHIESSEN);
        EXPECT_EQ(r->schuetze_bestimmt, 7);
        EXPECT_EQ(r->letzte_beruehrung, 1 - seite);
        EXPECT_FALSE(Spielfeld_Elfmeterschiessen_Wartet(h));
        r->elfmeter_schuss = 2;
        EXPECT_TRUE(Spielfeld_Elfmeterschiessen_Wartet(h));
    }
}

}  // namespace

namespace {

class Offizielle : public Spielfeld_Szene {
protected:
    const Spielfeld_Auftrag* ziel(int32_t o) { return Spielfeld_Aktueller_Auftrag(&r->objekt[o]); }
};

TEST_F(Offizielle, TheRefereeKeepsHisDistanceInsideThePitchAndTheAssistantsTheirLinesAndHalves)
{
    for (int32_t o : {32, 33, 34}) r->objekt[o].aktiv = 1;
    for (const auto& [bx, by] : {std::pair{300.0f, 200.0f}, std::pair{10700.0f, 6700.0f}, std::pair{5400.0f, 3403.0f},
                                 std::pair{8000.0f, 3000.0f}}) {
        b().x = bx;
        b().y = by;
        for (int32_t o : {32, 33, 34}) Spielfeld_Verhalten_Verteilen(r.get(), o);
        const Spielfeld_Auftrag* s = ziel(32);
        EXPECT_TRUE(s->ziel[0] >= 100 && s->ziel[0] <= L - 100 && s->ziel[1] >= 100 && s->ziel[1] <= B - 100) << bx;
        EXPECT_NEAR(std::hypot(s->ziel[0] - bx, s->ziel[1] - by), 1500.0f, 600.0f) << bx;
        EXPECT_LT(ziel(33)->ziel[1], 0.0f);
        EXPECT_GT(ziel(34)->ziel[1], B);
        EXPECT_GE(ziel(33)->ziel[0], L / 2);
        EXPECT_LE(ziel(34)->ziel[0], L / 2);
    }
}

}  // namespace
