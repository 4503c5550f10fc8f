// Ball possession and the pitch queries: the same holder again, touchline refusals, passes and
// interceptions, the goal points, the neighbourhood searches and the engine's guard.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "common/capture.h"
#include "match/pitch/spielfeld_abfragen.h"
#include "match/pitch/spielfeld_ball.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/spielfeld.h"

namespace {

constexpr int32_t L = 10800, W = 6806;

class Besitz : public ::testing::Test {
protected:
    std::unique_ptr<Spielfeld_Record> r = std::make_unique<Spielfeld_Record>();
    void SetUp() override
    {
        Spielfeld_Init();
        *r = Spielfeld_Record{};
        for (Spielfeld_Objekt& o : r->objekt)
            for (Spielfeld_Auftrag& a : o.auftrag) a.animation = -1;
        r->ballhalter = r->voriger_halter = -1;
        r->passempfaenger = r->letzter_passgeber = r->letzter_schuetze = r->schuetzen_slot = -1;
        Spielfeld_Tor_Punkte_Setzen(r.get());
    }
    void TearDown() override { Spielfeld_DeInit(); }
    void aufstellen(int32_t slot, float x, float y)
    {
        r->spieler[slot].zustand = SPIELFELD_AUF_DEM_PLATZ;
        r->objekt[slot].x = x;
        r->objekt[slot].y = y;
    }
    Spielfeld_Auftrag& ball_auftrag() { return *Spielfeld_Aktueller_Auftrag(&r->objekt[SPIELFELD_BALL]); }
};

TEST_F(Besitz, TheSameHolderAgainRollsARestingBallAndStopsItsTimer)
{
    aufstellen(4, 3000, 3000);
    ASSERT_TRUE(Spielfeld_Ballbesitz_Setzen(r.get(), 4));
    ball_auftrag().dauer = 500.0f;
    EXPECT_FALSE(Spielfeld_Ballbesitz_Setzen(r.get(), 4));
    EXPECT_EQ(ball_auftrag().dauer, 0.0f);
    EXPECT_EQ(ball_auftrag().tempo, 20.0f);
    EXPECT_EQ(r->objekt[SPIELFELD_BALL].vx, 20.0f);
    EXPECT_EQ(r->objekt[SPIELFELD_BALL].vy, 20.0f);
    // A moving ball keeps its speed.
    ball_auftrag().tempo = 900.0f;
    EXPECT_FALSE(Spielfeld_Ballbesitz_Setzen(r.get(), 4));
    EXPECT_EQ(ball_auftrag().tempo, 900.0f);
}

TEST_F(Besitz, BeyondATouchlineTheChangeIsRefusedAndTheThrowInIsDue)
{
    aufstellen(2, 3000, 3000);
    aufstellen(20, 3100, 3000);
    ASSERT_TRUE(Spielfeld_Ballbesitz_Setzen(r.get(), 2));
    r->ball_zustand = BALL_SEITENAUS;
    EXPECT_FALSE(Spielfeld_Ballbesitz_Setzen(r.get(), 20));
    EXPECT_EQ(r->ballhalter, 2);
    EXPECT_EQ(r->ball_zustand, BALL_EINWURF_SOFORT);
}

TEST_F(Besitz, APassNamesTheGiverAnInterceptionClearsHimAndCountsTheShot)
{
    aufstellen(3, 3000, 3000);
    aufstellen(5, 4000, 3000);
    aufstellen(20, 5000, 3000);
    ASSERT_TRUE(Spielfeld_Ballbesitz_Setzen(r.get(), 3));
    ASSERT_TRUE(Spielfeld_Ballbesitz_Setzen(r.get(), 5));
    EXPECT_EQ(r->letzter_passgeber, 3);
    EXPECT_EQ(r->angriffslinie_x, L) << "home attacks x = length";
    EXPECT_EQ(r->voriger_halter, 5);
    r->schuss_offen = 1;
    r->schuetzen_slot = 5;
    // The ball comes free and the other side wins it: the giver is the last holder.
    ASSERT_TRUE(Spielfeld_Ballbesitz_Setzen(r.get(), -1));
    EXPECT_EQ(r->bester_slot, 3);  // the role pass names the player first at the free ball
    ASSERT_TRUE(Spielfeld_Ballbesitz_Setzen(r.get(), 20));
    EXPECT_EQ(r->letzter_passgeber, -1);
    EXPECT_EQ(r->statistik[5][0], 1);
    EXPECT_EQ(r->schuss_offen, 0);
    EXPECT_EQ(r->verteidiger_x, float(L / 2));
    EXPECT_EQ(r->angriffslinie_x, 0);
    EXPECT_EQ(r->statistik[20][5], 1) << "the ball won is counted";
}

TEST_F(Besitz, TheGoalPointsAndDistancesFollowTheSwappedEnds)
{
    aufstellen(20, 0, W / 2);
    EXPECT_EQ(Spielfeld_Entfernung_Zum_Tor(r.get(), 20), float(L)) << "nobody holds: the home side's goal";
    ASSERT_TRUE(Spielfeld_Ballbesitz_Setzen(r.get(), 20));
    EXPECT_EQ(Spielfeld_Entfernung_Zum_Tor(r.get(), 20), 0.0f);
    r->seiten_getauscht = 1;
    Spielfeld_Tor_Punkte_Setzen(r.get());
    EXPECT_EQ(r->tor_x[0], 0);
    EXPECT_EQ(r->tor_x[1], L);
    EXPECT_EQ(Spielfeld_Entfernung_Zum_Tor(r.get(), 20), float(L));
}

TEST_F(Besitz, NearbySearchesSkipTheAskerAndPlayersInATransientState)
{
    aufstellen(1, 1000, 1000);
    aufstellen(2, 1050, 1000);
    aufstellen(3, 1100, 1000);
    aufstellen(17, 1120, 1000);
    r->objekt[2].zustand = '+';
    EXPECT_EQ(Spielfeld_Spieler_In_Naehe(r.get(), 1, -1, -1, 200), 3);
    EXPECT_EQ(Spielfeld_Spieler_In_Naehe(r.get(), -1, 1000, 1000, 200), 1);
    EXPECT_EQ(Spielfeld_Spieler_In_Naehe(r.get(), 1, -1, -1, 50), -1);
    EXPECT_EQ(Spielfeld_Gegner_In_Naehe(r.get(), 1, -1, -1, 200), 17);
    int32_t slot = -1;
    EXPECT_EQ(Spielfeld_Spieler_Im_Rechteck(r.get(), 1, 1200, 900, 900, 1100, &slot), 3) << "corners sorted";
    EXPECT_EQ(slot, 17);
}

TEST_F(Besitz, TheSquareCountDoublesCloseRowsLooksAheadAndMarks)
{
    aufstellen(4, 5000, 3000);
    aufstellen(20, 5200, 3050);  // close in y: counts twice
    aufstellen(21, 5200, 3250);  // inside the square only
    aufstellen(22, 5700, 3000);  // outside
    aufstellen(5, 5100, 3000);   // own side
    EXPECT_EQ(Spielfeld_Spieler_Im_Feld_Zaehlen(r.get(), 4, 300, 1, 0, 0), 3);
    EXPECT_EQ(Spielfeld_Spieler_Im_Feld_Zaehlen(r.get(), 4, 300, 2, 0, 0), 5) << "both sides";
    EXPECT_EQ(Spielfeld_Spieler_Im_Feld_Zaehlen(r.get(), 4, 300, 0, 0, 0), 2) << "home only, not himself";
    // Running at 500 cm/s towards +x: the look-ahead puts them all a second further on.
    r->objekt[4].vx = 500.0f;
    EXPECT_EQ(Spielfeld_Spieler_Im_Feld_Zaehlen(r.get(), 4, 300, 1, 1, 0), 0);
    r->objekt[4].vx = 0.0f;
    EXPECT_EQ(Spielfeld_Spieler_Im_Feld_Zaehlen(r.get(), 4, 300, 1, 0, 1), 3);
    EXPECT_EQ(r->spieler[20].partner[0], 4);
    EXPECT_EQ(r->objekt[21].neu_entscheiden, 1);
    EXPECT_EQ(r->objekt[22].neu_entscheiden, 0);
}

TEST_F(Besitz, ThePassingOptionTakesTheLowestLevelThenTheNearestInsideTheShrunkBox)
{
    // Home (flag 1, ends not swapped) is measured from x2; the box loses its x1 part.
    aufstellen(6, 6000, 3000);
    aufstellen(7, 7900, 3400);
    aufstellen(8, 7000, 3400);
    aufstellen(9, 6600, 3400);
    r->spieler[7].frei_4[4] = 3;  // not available
    r->spieler[8].frei_4[4] = 1;  // 2000 worse than level 0
    int32_t slot = -1;
    float px = 0, py = 0;
    EXPECT_EQ(Spielfeld_Anspielstation_Suchen(r.get(), 1, 8000, 4000, 5000, 2000, &slot, &px, &py, 50), 3)
        << "x 6000 lies in the part the shift takes away";
    EXPECT_EQ(slot, 9) << "level 0 at 1400 beats level 1 at 1000";
    EXPECT_EQ(px, 8000.0f);
    EXPECT_EQ(py, float(W / 2)) << "the box spans the centre line";
    // Without the out point nothing shrinks; the away flag looks at the other slots.
    EXPECT_EQ(Spielfeld_Anspielstation_Suchen(r.get(), 1, 5000, 2000, 8000, 4000, &slot, nullptr, nullptr, 50), 4);
    EXPECT_EQ(Spielfeld_Anspielstation_Suchen(r.get(), 0, 5000, 2000, 8000, 4000, &slot, &px, &py, 50), 0);
    EXPECT_EQ(slot, -1);
    EXPECT_EQ(px, 5000.0f);
}

TEST_F(Besitz, TheRadiusSearchStaysInsideItsTablesAndCountsEveryone)
{
    aufstellen(10, 5000, 3000);
    aufstellen(11, 5240, 3000);  // band row 2 of a 250 search
    aufstellen(12, 5050, 3010);
    aufstellen(25, 5100, 3100);
    aufstellen(26, 9000, 3000);
    int32_t liste[2] = {-1, -1}, abstaende[2] = {};
    int8_t band[3][SPIELFELD_BAND_ZEILE];
    int32_t ringe[3] = {7, 7, 7};
    const int32_t n = Spielfeld_Umkreis_Suchen(r.get(), 250, 0, 0, 10, 0, 0, liste, abstaende, band, ringe, 2);
    EXPECT_EQ(n, 3) << "beyond the list's size still counted";
    EXPECT_EQ(liste[0], 11);
    EXPECT_EQ(liste[1], 12);
    EXPECT_EQ(abstaende[0], 240);
    EXPECT_EQ(band[2][0], 11);
    EXPECT_EQ(band[2][1], -1);
    EXPECT_EQ(band[0][0], 12);
    EXPECT_EQ(band[1][0], -1);
    EXPECT_EQ(ringe[0], 1) << "only the near one from ring 0";
    EXPECT_EQ(ringe[1], 1);
    EXPECT_EQ(ringe[2], 0);
    EXPECT_EQ(Spielfeld_Umkreis_Suchen(r.get(), 250, 2, 0, 10, 0, 0, nullptr, nullptr, nullptr, nullptr, 0), 1)
        << "opponents only";
}

TEST(SpielfeldGuard, BeforeInitTheGuardSaysSo)
{
    Spielfeld_DeInit();
    Fehler_Capture cap;
    EXPECT_FALSE(Spielfeld_Initialisiert());
    EXPECT_TRUE(cap.contains("Spielfeld wurde nicht initialisiert!\n"));
    Spielfeld_Init();
    EXPECT_TRUE(Spielfeld_Initialisiert());
    Spielfeld_DeInit();
}

}  // namespace
