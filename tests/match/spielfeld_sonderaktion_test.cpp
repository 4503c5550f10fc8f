// Who goes to the ball at a restart, the free point near a player, and the flight clock of a ball
// already in the air.
#include <gtest/gtest.h>

#include <cmath>

#include "match/pitch/spielfeld_ball.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/pitch/spielfeld_sonderaktion.h"
#include "match/pitch/spielfeld_standard.h"
#include "match/pitch/spielfeld_verhalten.h"
#include "match/spielfeld_szene.h"
#include "platform/zufall.h"

namespace {

constexpr float L = 10800, B = 6806;

class Rollen : public Spielfeld_Szene {
protected:
    void SetUp() override
    {
        Spielfeld_Szene::SetUp();
        for (int32_t s = 0; s < 2; ++s)
            r->freistoss_schuetze[s] = r->elfmeter_schuetze[s] = r->ecken_schuetze[s] = uint32_t(-1);
        r->schuetze_bestimmt = r->zweiter_bestimmt = -1;
        for (Spielfeld_Spieler& e : r->spieler)
            for (uint16_t& f : e.faehigkeit) f = 500;
    }
    void ball_bei(float x, float y)
    {
        b().x = x;
        b().y = y;
        Spielfeld_Auftrag* a = Spielfeld_Aktueller_Auftrag(&b());
        a->ziel[0] = x;
        a->ziel[1] = y;
    }
};

TEST_F(Rollen, AThrowInGivesEachSidesNearestTheThrowAndTheNextTheCatch)
{
    ball_bei(5000, 0);
    spieler(3, 5000, 500);
    spieler(4, 5000, 1500);
    spieler(5, 5000, 3000);
    spieler(19, 5200, 700);
    spieler(20, 5200, 2500);
    r->situation = SITUATION_EINWURF;
    r->letzte_beruehrung = 1;
    Spielfeld_Sonderaktion(r.get());
    EXPECT_EQ(r->objekt[3].zustand, 10);
    EXPECT_EQ(r->objekt[4].zustand, 14);
    EXPECT_EQ(r->objekt[5].zustand, 0);
    EXPECT_EQ(r->objekt[19].zustand, 10);
    EXPECT_EQ(r->objekt[20].zustand, 14);
    EXPECT_EQ(r->ballhalter, 3);  // the ball is the throwing side's
    EXPECT_EQ(r->bester_slot, 3);
    EXPECT_EQ(r->objekt[3].ballspieler, 1);
}

TEST_F(Rollen, InPlayTheSideThatTouchedLastGetsNothing)
{
    ball_bei(5000, 3000);
    spieler(3, 5100, 3000);
    spieler(19, 4900, 3000);
    r->letzte_beruehrung = 0;
    Spielfeld_Sonderaktion(r.get());
    EXPECT_EQ(r->objekt[3].ballspieler, 0);
    EXPECT_EQ(r->objekt[19].ballspieler, 1);
    EXPECT_EQ(r->objekt[19].neu_entscheiden, 1);
    EXPECT_EQ(r->ballhalter, -1);  // in play nobody is linked to the ball
}

TEST_F(Rollen, TheChosenTakerComesFirstWhereverHeStands)
{
    ball_bei(L, 0);
    spieler(3, L - 100, 100);
    spieler(9, 500, B);
    r->spieler[9].spnr = 909;
    r->ecken_schuetze[0] = 909;
    r->situation = SITUATION_ECKE;
    r->letzte_beruehrung = 1;
    Spielfeld_Sonderaktion(r.get());
    EXPECT_EQ(r->schuetze_bestimmt, 9);
    EXPECT_EQ(r->objekt[9].zustand, 7);
    EXPECT_EQ(r->objekt[3].zustand, 0);
    // A choice of a player who is not in the side names nobody.
    r->ecken_schuetze[0] = 4242;
    r->schuetze_bestimmt = -1;
    r->objekt[9].zustand = 0;
    r->situation = SITUATION_EINWURF;
    Spielfeld_Sonderaktion(r.get());
    r->situation = SITUATION_ECKE;
    Spielfeld_Sonderaktion(r.get());
    EXPECT_EQ(r->schuetze_bestimmt, -1);
}

TEST_F(Rollen, AKeeperTakesNoCornerOrFreeKickUnlessAlone)
{
    ball_bei(800, 3403);
    spieler(0, 700, 3403, true);
    spieler(6, 3000, 3403);
    r->letzte_beruehrung = 1;
    for (uint32_t s : {SITUATION_FREISTOSS, SITUATION_ECKE}) {
        r->objekt[0].zustand = r->objekt[6].zustand = 0;
        r->situation = s;
        Spielfeld_Sonderaktion(r.get());
        EXPECT_EQ(r->objekt[0].zustand, 0) << s;
        EXPECT_NE(r->objekt[6].zustand, 0) << s;
    }
    // His own goal kick is his.
    r->objekt[0].zustand = r->objekt[6].zustand = 0;
    r->situation = SITUATION_ABSTOSS;
    Spielfeld_Sonderaktion(r.get());
    EXPECT_EQ(r->objekt[0].zustand, 4);
    // Alone on the pitch he takes the free kick.
    r->spieler[6].zustand = SPIELFELD_ERSATZ;
    r->objekt[0].zustand = 0;
    r->situation = SITUATION_FREISTOSS;
    Spielfeld_Sonderaktion(r.get());
    EXPECT_EQ(r->objekt[0].zustand, 21);
}

// The manager chooses the taker while his free kick or penalty is being set up (its pass has run):
// the one chosen gets the role and the ball, the one named before loses them, and the restart has
// its whole time again. Only the kicking side takes a penalty's role; another side's choice
// changes nothing.
TEST_F(Rollen, ATakerChosenWhileTheSetPieceIsSetUpTakesIt)
{
    spieler(0, 300, 3403, true);
    spieler(7, L - 2600, 3000);
    spieler(8, L - 5000, 1000);
    spieler(9, L - 4500, 5000);
    spieler(16, L - 400, 3403, true);
    spieler(20, L - 2000, 3300);
    for (int32_t art : {1, 0}) {
        for (int32_t i : {7, 8, 9}) r->objekt[i].zustand = 0;
        r->schuetze_bestimmt = -1;
        if (art == 1) Spielfeld_Freistoss_Aufstellen(r.get(), L - 2500, 3403, 0);
        else {
            b().x = L - 1500;
            Spielfeld_Elfmeter_Aufstellen(r.get());
        }
        Spielfeld_Situation_Aufstellen(r.get());
        const uint8_t rolle = art == 1 ? 21 : 18;
        const int32_t vorher = r->ballhalter;
        ASSERT_TRUE(vorher >= 7 && vorher <= 9 && r->objekt[vorher].zustand == rolle) << art << " " << vorher;
        const int32_t neu = vorher == 8 ? 9 : 8;
        Spielfeld_Standard_Schuetze_Setzen(r.get(), art, 1, 20);
        EXPECT_EQ(r->standard_aufgebaut, 1);
        r->waechter_ms = 7000;
        Spielfeld_Standard_Schuetze_Setzen(r.get(), art, 0, uint32_t(neu));
        EXPECT_EQ(r->waechter_ms, 0);
        Spielfeld_Situation_Aufstellen(r.get());
        EXPECT_EQ(r->objekt[neu].zustand, rolle) << art;
        EXPECT_NE(r->objekt[vorher].zustand, rolle) << art;
        EXPECT_EQ(r->ballhalter, neu);
    }
}

TEST_F(Rollen, AtAKickOffTheTakerStopsAndAMateJoinsHim)
{
    ball_bei(L / 2, B / 2);
    spieler(9, L / 2 - 200, B / 2);
    spieler(10, L / 2 - 2000, 1000);
    r->objekt[9].vx = 300;
    r->objekt[12].zustand = 16;  // an old partner's role is cleared
    r->situation = SITUATION_ANSTOSS;
    r->letzte_beruehrung = 1;
    Spielfeld_Sonderaktion(r.get());
    EXPECT_EQ(r->objekt[9].zustand, 15);
    EXPECT_EQ(r->objekt[9].vx, 0.0f);
    EXPECT_EQ(r->objekt[10].zustand, 16);
    EXPECT_EQ(r->objekt[12].zustand, 0);
}

TEST_F(Rollen, AFreePointIsOnThePitchAndClearOfPlayersOrGivenUp)
{
    spieler(3, 5000, 3000);
    spieler(4, 5300, 3000);
    spieler(20, 4700, 3100);
    for (int32_t seed = 1; seed < 300; ++seed) {
        Zufall_Set_Seed(seed * 104729);
        float x = -1, y = -1;
        ASSERT_TRUE(Spielfeld_Freie_Position_Suchen(r.get(), 3, 3, 300, &x, &y, seed & 1));
        EXPECT_TRUE(x >= 0 && x <= L && y >= 0 && y <= B);
        for (int32_t i : {3, 4, 20}) EXPECT_GE(std::hypot(x - r->objekt[i].x, y - r->objekt[i].y), 50.0f) << seed;
        EXPECT_NEAR(std::hypot(x - 5000, y - 3000), 310.0f, 1.5f);
        if (seed & 1) { EXPECT_GE(x, 5000.0f); }  // the home side looks towards x = length
    }
    // Beyond the corner with a huge radius nothing lies on the pitch: the search ends.
    r->objekt[3].x = -500;
    r->objekt[3].y = -500;
    float x = 0, y = 0;
    EXPECT_FALSE(Spielfeld_Freie_Position_Suchen(r.get(), 3, 3, 100, &x, &y, 0));
    EXPECT_EQ(x, 0.0f);
    EXPECT_EQ(y, 0.0f);
}

TEST_F(Rollen, TheFlightClockContinuesFromTheBallsHeight)
{
    Ball_Objekt = &b();
    Spielfeld_Aktueller_Auftrag(&b())->start_tempo = 1962.0f;  // apex at 1 s, 981 high
    b().z = 300.0f;
    Spielfeld_Ball_Flugdauer();
    const float u = b().flug_uhr / 1000.0f;
    EXPECT_GE(1962.0f * u - 981.0f * u * u, 300.0f);
    EXPECT_LT(1962.0f * (u - 0.1f) - 981.0f * (u - 0.1f) * (u - 0.1f), 300.0f);
    EXPECT_EQ(b().flug_start, 0.0f);
    // Higher than the flight can reach: the clock stops at the apex.
    b().z = 2000.0f;
    Spielfeld_Ball_Flugdauer();
    EXPECT_NEAR(b().flug_uhr, 1000.0f, 100.0f);
}

}  // namespace

namespace {

class Deckung : public Rollen {
protected:
    int32_t slot = -2, nah = -1, eng = -1;
    float d = -1;
    int32_t gedeckt(float x, float y, int32_t seite, float reichweite = 400)
    {
        return Spielfeld_Zuspiel_Gedeckt(r.get(), &b(), x, y, seite, &d, &slot, reichweite, &nah, &eng);
    }
};

TEST_F(Deckung, OnlyPlayersInTheWideningCorridorOfTheirSideCoverAPass)
{
    ball_bei(2000, 3000);
    spieler(20, 4000, 3050);  // on the line halfway: covers
    spieler(21, 3000, 3300);  // 300 off at a quarter of the way: outside the corridor
    spieler(5, 4000, 3000);   // a team-mate does not count
    EXPECT_EQ(gedeckt(6000, 3000, 1), 1);
    EXPECT_EQ(slot, 20);
    EXPECT_NEAR(d, 50.0f, 0.5f);
    EXPECT_EQ(eng, 1);
    // Beyond the target he covers only when he stands within reach of it.
    r->objekt[21].x = 6300;
    r->objekt[21].y = 3100;
    EXPECT_EQ(gedeckt(6000, 3000, 1), 2);
    r->objekt[21].x = 7000;
    EXPECT_EQ(gedeckt(6000, 3000, 1), 1);
    EXPECT_EQ(gedeckt(6000, 3000, 0), 1);
    EXPECT_EQ(slot, 5);
}

TEST_F(Deckung, AKeeperOnTheLineIsNamedBeforeANearerFieldPlayer)
{
    ball_bei(2000, 3000);
    spieler(20, 3000, 3010);
    spieler(16, 5000, 3200, true);
    EXPECT_EQ(gedeckt(6000, 3000, 1), 2);
    EXPECT_EQ(slot, 16);
    EXPECT_NEAR(d, 200.0f, 0.5f);
    // A pass along a line (equal y) and nobody near it.
    EXPECT_EQ(gedeckt(2000, 500, 0), 0);
    EXPECT_EQ(slot, -1);
}

}  // namespace
