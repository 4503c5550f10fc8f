// The ball on scripted records stepped by 28 ms: goals, posts and bar, the restarts behind the
// goal lines and over the touchlines, flight and bounces, the final whistle, and repeatability.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "common/capture.h"
#include "competitions/spiele_welt.h"
#include "database/team.h"
#include "match/pitch/spielfeld_animationen.h"
#include "match/pitch/spielfeld_ball.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/pitch/spielfeld_tor_reaktion.h"
#include "competitions/spiele.h"
#include "gameflow/globals.h"
#include "match/spielfeld.h"
#include "matchview/live/spielszenen_kamera.h"
#include "matchview/spielszenen.h"
#include "platform/zufall.h"

namespace {

using namespace spielwelt;
constexpr int32_t L = 10800, W = 6806;
constexpr int32_t PFOSTEN_UNTEN = 2953;

std::vector<std::string> ticker;
void ticker_merken(const char* text) { ticker.emplace_back(text); }

class Ball : public Spielwelt {
protected:
    std::unique_ptr<Spielfeld_Record> r = std::make_unique<Spielfeld_Record>();
    Spielfeld_Objekt& b() { return r->objekt[SPIELFELD_BALL]; }
    Spielfeld_Auftrag& auftrag() { return *Spielfeld_Aktueller_Auftrag(&b()); }

    void SetUp() override
    {
        Spielwelt::SetUp();
        Spielfeld_Init();
        ticker.clear();
        Spielszenen_Set_Ticker_Hook(ticker_merken);
        leeren(*r);
    }
    void TearDown() override
    {
        Spielszenen_Set_Ticker_Hook(nullptr);
        Spielfeld_DeInit();
        Spielwelt::TearDown();
    }
    static void leeren(Spielfeld_Record& s)
    {
        s = Spielfeld_Record{};
        s.team[0] = 1;
        s.team[1] = 2;
        for (Spielfeld_Spieler& e : s.spieler) e.spnr = -1;
        for (Spielfeld_Objekt& o : s.objekt)
            for (Spielfeld_Auftrag& a : o.auftrag) a.animation = -1;
        s.ballhalter = s.voriger_halter = -1;
        s.passempfaenger = s.letzter_schuetze = s.letzter_passgeber = s.schuetzen_slot = -1;
        s.boden_faktor = 1.2f;
        s.aktions_sperre = 1;
        s.objekt[SPIELFELD_BALL].zielpunkt = 1;
    }
    // Kicks the ball from (x, y) towards (zx, zy) at tempo cm/s with launch speed u.
    void schuss(float x, float y, int32_t zx, int32_t zy, int32_t tempo, float u = 0.0f)
    {
        Spielfeld_Objekt_Setzen(r.get(), SPIELFELD_BALL, int32_t(x), int32_t(y), 0);
        ASSERT_EQ(Spielfeld_Auftrag_Geben(r.get(), SPIELFELD_BALL, zx, zy, 0, tempo, ANIM_BALL, 0, 0, 0, -1, 1, 0, -1, 0), 1);
        auftrag().start_tempo = u;
        b().flug_start = b().flug_uhr = 0.0f;
    }
    void schritt() { Spielfeld_Objekt_Bewegen(r.get(), SPIELFELD_BALL, &b(), 28, 1); }
    // Steps until the situation leaves play on (or n steps); the zones seen on the way.
    std::vector<uint32_t> bis_stoppage(int32_t n = 400)
    {
        std::vector<uint32_t> zonen;
        for (int32_t k = 0; k < n && r->situation == SITUATION_SPIEL; ++k) {
            schritt();
            if (zonen.empty() || zonen.back() != r->ball_zustand) zonen.push_back(r->ball_zustand);
        }
        return zonen;
    }
    static bool gesehen(const std::vector<uint32_t>& z, uint32_t w)
    {
        for (uint32_t v : z)
            if (v == w) return true;
        return false;
    }
};

TEST_F(Ball, RolledIntoTheGoalMouthIsBookedOnceAtRestWithTheTickerLine)
{
    Zufall_Set_Seed(5);
    r->anzeige = 2;
    r->minute = 37;
    r->letzte_beruehrung = 0;
    schuss(10300, 3403, 11500, 3403, 1600);
    const std::vector<uint32_t> zonen = bis_stoppage();
    EXPECT_TRUE(gesehen(zonen, BALL_IM_TOR));
    EXPECT_EQ(r->situation, SITUATION_TORJUBEL);
    EXPECT_EQ(r->tor_pause, 30);
    EXPECT_EQ(r->tore[0], 1);
    EXPECT_EQ(r->tore[1], 0);
    EXPECT_EQ(Spielfeld_Steuerung.tor, 1);
    EXPECT_EQ(r->ball_zustand, BALL_IM_SPIEL);
    EXPECT_GE(b().x, float(L)) << "the ball lies in the net";
    EXPECT_LE(b().x, float(L) + 175.0f) << "the net holds it";
    for (int32_t k = 0; k < 50; ++k) schritt();
    EXPECT_EQ(r->tore[0], 1) << "booked once";
    ASSERT_EQ(ticker.size(), 1u);
    const std::string heim = Team_String(TEAM_NAME, 1, nullptr, 0), gast = Team_String(TEAM_NAME, 2, nullptr, 0);
    EXPECT_EQ(ticker[0], heim + "-" + gast + " 1:0 (37.Min für " + heim + ")");
}

TEST_F(Ball, SwappedEndsCreditTheOtherSideAndShootOutGoalsRestartAtOnce)
{
    Zufall_Set_Seed(6);
    r->seiten_getauscht = 1;
    r->elfmeter_schuss = 1;
    schuss(10300, 3403, 11500, 3403, 1600);
    bis_stoppage();
    EXPECT_EQ(r->tore[1], 1);
    EXPECT_EQ(r->tore[0], 0);
    EXPECT_EQ(r->situation, SITUATION_ANSTOSS) << "no celebration pause after a shoot-out kick";
    EXPECT_EQ(r->tor_pause, 0);
    EXPECT_EQ(b().x, float(L / 2));
    EXPECT_EQ(b().y, float(W / 2));
    EXPECT_TRUE(ticker.empty()) << "no ticker lines wanted";
}

// Along the post: 13 inside rebounds, 14 inside scores, 14 outside rebounds, 15 outside misses.
TEST_F(Ball, AtThePostFourteenCentimetresDecide)
{
    struct Fall {
        int32_t versatz;
        bool tor;
        bool abprall;
    };
    for (const Fall f : {Fall{13, false, true}, Fall{14, true, false}, Fall{-14, false, true}, Fall{-15, false, false}}) {
        SCOPED_TRACE(f.versatz);
        leeren(*r);
        Zufall_Set_Seed(11);
        const int32_t y = PFOSTEN_UNTEN + f.versatz;
        schuss(10500, float(y), 11500, y, 1500);
        bool abprall = false;
        for (int32_t k = 0; k < 30 && r->situation == SITUATION_SPIEL; ++k) {
            schritt();
            abprall = abprall || r->ball_zustand == BALL_ABPRALL;
        }
        EXPECT_EQ(abprall, f.abprall);
        EXPECT_EQ(r->tore[0], f.tor ? 1 : 0);
        if (abprall) {
            EXPECT_LE(b().x, float(L - 14) + 1.0f) << "thrown back into the pitch";
            EXPECT_TRUE(std::isfinite(b().vx));
        }
    }
}

TEST_F(Ball, NearTheBarTheHeightDecidesTheSame)
{
    // Lobs at the top of their flight on the line: 10 under the bar rebounds, 100 under scores.
    for (const float gipfel : {290.0f, 200.0f}) {
        leeren(*r);
        Zufall_Set_Seed(3);
        const float u = std::sqrt(gipfel * 3924.0f);
        const float start = float(L) - 1500.0f * u / 1962.0f;
        schuss(start, 3403, 12000, 3403, 1500, u);
        bool abprall = false;
        for (int32_t k = 0; k < 60 && r->situation == SITUATION_SPIEL; ++k) {
            schritt();
            abprall = abprall || r->ball_zustand == BALL_ABPRALL;
        }
        EXPECT_EQ(abprall, gipfel > 250.0f) << gipfel;
        EXPECT_EQ(r->tore[0], gipfel > 250.0f ? 0 : 1) << gipfel;
    }
}

TEST_F(Ball, TheGateShutMeansNothingBehindALineCounts)
{
    r->aktions_sperre = 0;
    schuss(10300, 3403, 12500, 3403, 2000);
    for (int32_t k = 0; k < 200; ++k) schritt();
    EXPECT_EQ(r->tore[0], 0);
    EXPECT_EQ(r->ball_zustand, BALL_IM_SPIEL);
    EXPECT_EQ(r->situation, SITUATION_SPIEL);
}

TEST_F(Ball, AGoalKickWaitsUntilTheBallSlowsOrIsFarBeyond)
{
    r->letzte_beruehrung = 0;  // the home side kicked it out over the end it attacks
    schuss(10500, 1000, 13000, 1000, 1400);
    bool frueh = false;
    for (int32_t k = 0; k < 400 && r->situation == SITUATION_SPIEL; ++k) {
        const float vx = b().vx, vy = b().vy, x = b().x;
        schritt();
        if (r->situation != SITUATION_SPIEL && x > float(L + 10)) {
            // It stopped on this step: it was slow or far beyond before it.
            const bool erlaubt = std::fabs(vx) + std::fabs(vy) <= 70.0f || b().x <= float(L + 10) || x > float(L + 700);
            frueh = frueh || !erlaubt;
        }
    }
    EXPECT_FALSE(frueh);
    EXPECT_EQ(r->situation, SITUATION_ABSTOSS);
    EXPECT_EQ(b().x, float(Spielfeld_Masse[23]));
    EXPECT_EQ(b().y, float(Spielfeld_Masse[19])) << "goal-area corner of the lower half";
    EXPECT_EQ(r->nach_standard, 1);
    EXPECT_EQ(r->ecken[0] + r->ecken[1], 0);
}

TEST_F(Ball, TheDefendersLastTouchGivesACornerInTheNearerCorner)
{
    Zufall_Set_Seed(8);
    r->letzte_beruehrung = 0;  // home defends x = 0
    schuss(300, 5500, -2000, 5500, 1500);
    bis_stoppage();
    EXPECT_EQ(r->situation, SITUATION_ECKE);
    EXPECT_EQ(b().x, 0.0f);
    EXPECT_EQ(b().y, float(W - 8));
    EXPECT_EQ(r->ecken[1], 1) << "the away side's corner count";
    EXPECT_EQ(r->ecke_offen, 1);
    EXPECT_EQ(r->standard_seite, 1);
    EXPECT_EQ(r->kopf.code & 0x802u, 0x802u) << "the wide chance is recorded";
}

TEST_F(Ball, AThrowInIsTakenWhereThePathCrossedTheTouchline)
{
    schuss(5000, 6600, 6000, 7600, 1200);
    bis_stoppage();
    EXPECT_EQ(r->situation, SITUATION_EINWURF);
    EXPECT_EQ(b().y, float(W));
    EXPECT_NEAR(b().x, 5000.0f + (W - 6600), 30.0f) << "on the 45-degree path";
    EXPECT_EQ(r->ball_zustand, BALL_IM_SPIEL);
    EXPECT_EQ(r->ballhalter, -1);
    EXPECT_EQ(b().vx, 0.0f);
}

TEST_F(Ball, TheFinalWhistleWaitsForADeadBall)
{
    r->spielende = 1;
    schuss(5000, 3000, 5400, 3000, 600);
    for (int32_t k = 0; k < 100; ++k) schritt();
    EXPECT_EQ(r->spielende, 1) << "a ball in play is not dead";
    schuss(5000, 6600, 6000, 7600, 1200);
    bis_stoppage();
    EXPECT_EQ(r->spielende, 2);
    EXPECT_EQ(r->situation, SITUATION_SPIEL) << "the stoppage is reset with the whistle";
}

TEST_F(Ball, FlightFollowsTheParabolaAndHeavyGroundStopsTheBounce)
{
    schuss(2000, 3000, 2600, 3000, 300, 500.0f);
    for (int32_t k = 0; k < 5; ++k) schritt();
    const double t = 0.14;
    EXPECT_NEAR(b().z, 500.0 * t - 981.0 * t * t, 0.01);
    for (const float boden : {1.2f, 1.4f}) {
        leeren(*r);
        r->boden_faktor = boden;
        schuss(2000, 3000, 2001, 3000, 0, 600.0f);
        bool gelandet = false, wieder_hoch = false;
        for (int32_t k = 0; k < 200; ++k) {
            schritt();
            if (gelandet && b().z > 0.0f) wieder_hoch = true;
            if (b().z == 0.0f && k > 0) gelandet = true;
        }
        EXPECT_TRUE(gelandet);
        EXPECT_EQ(wieder_hoch, boden < 1.4f) << boden;
    }
}

TEST_F(Ball, ARolledBallStopsWithinAboutASecond)
{
    schuss(3000, 3000, 9000, 3000, 1000);
    int32_t k = 0;
    while (k < 200 && b().vx != 0.0f) {
        schritt();
        ++k;
    }
    EXPECT_LT(k * 28, 1500);
}

TEST_F(Ball, ShownAndUnshownPlayAlikeApartFromTheCrowd)
{
    std::vector<uint8_t> bilder[2];
    for (int32_t anzeige = 0; anzeige < 2; ++anzeige) {
        leeren(*r);
        r->anzeige = uint8_t(anzeige);
        r->zuschauer_stimmung[0] = r->zuschauer_stimmung[1] = 40;
        Zufall_Set_Seed(21);
        schuss(10500, float(PFOSTEN_UNTEN + 5), 11500, PFOSTEN_UNTEN + 5, 1500);
        for (int32_t k = 0; k < 300; ++k) schritt();
        for (int32_t& w : r->zuschauer_reaktion) w = 0;
        for (int32_t& w : r->zuschauer_stimmung) {
            EXPECT_GE(w, 0);
            EXPECT_LE(w, 100);
            w = 0;
        }
        r->anzeige = 0;
        bilder[anzeige].resize(SPIELFELD_RECORD_BYTES);
        Spielfeld_Record_Schreiben(*r, bilder[anzeige].data());
        EXPECT_EQ(Zufall_Get_Seed() != 21, true);
    }
    EXPECT_EQ(bilder[0], bilder[1]);
}

TEST_F(Ball, TheSameStepsFromTheSameSeedGiveTheSameImage)
{
    std::vector<uint8_t> bilder[2];
    for (std::vector<uint8_t>& bild : bilder) {
        leeren(*r);
        Zufall_Set_Seed(77);
        schuss(10500, float(PFOSTEN_UNTEN - 10), 11500, PFOSTEN_UNTEN - 10, 1500);
        for (int32_t k = 0; k < 300; ++k) schritt();
        bild.resize(SPIELFELD_RECORD_BYTES);
        Spielfeld_Record_Schreiben(*r, bild.data());
    }
    EXPECT_EQ(bilder[0], bilder[1]);
}

TEST_F(Ball, OnlyANetworkGameWaitsForTheSetPieceSync)
{
    const uint32_t rolle = Netz_Rolle;
    r->letzte_beruehrung = 0;
    Netz_Rolle = 0;
    schuss(300, 5500, -2000, 5500, 1500);
    bis_stoppage();
    EXPECT_EQ(r->situation, SITUATION_ECKE);
    EXPECT_EQ(r->sync_ecke, 0);
    // In network play a stoppage with nothing pending waits; a pending corner does not.
    Netz_Rolle = 2;
    r->ecke_offen = 0;
    Spielfeld_Sync_Standard(r.get());
    EXPECT_EQ(r->sync_ecke, 1);
    r->sync_ecke = 0;
    r->ecke_offen = 1;
    Spielfeld_Sync_Standard(r.get());
    EXPECT_EQ(r->sync_ecke, 0);
    r->ecke_offen = 0;
    r->situation = SITUATION_SPIEL;
    Spielfeld_Sync_Standard(r.get());
    EXPECT_EQ(r->sync_ecke, 0);
    Netz_Rolle = rolle;
}

// A league game belongs to no tie: every answer is "no pairing".
TEST_F(Ball, ALeagueGoalCheersByTheScoreAndAnimatesNobody)
{
    const int32_t block = Spiele_Init_Neue_Spiele(1, 4, 20, 1, LIGA, -1);
    ASSERT_GE(block, 0);
    const int32_t h = Spiele_Lock(block, 0, 0, 0);
    Spiele_Set_Teams(h, 1, 2);
    struct Fall {
        uint8_t heim, gast;
        int32_t stufe;
    };
    for (const Fall f : {Fall{0, 0, 4}, Fall{0, 1, 3}, Fall{2, 0, 1}}) {
        SCOPED_TRACE(int(f.heim) * 10 + f.gast);
        leeren(*r);
        r->spiel = uint32_t(h);
        r->tore[0] = f.heim;
        r->tore[1] = f.gast;
        r->zuschauer_stimmung[0] = r->zuschauer_stimmung[1] = 40;
        for (int32_t slot = 0; slot < SPIELFELD_SLOTS; ++slot)
            r->spieler[slot].zustand = slot % 16 < 11 ? SPIELFELD_AUF_DEM_PLATZ : SPIELFELD_ERSATZ;
        r->letzter_schuetze = 9;
        Zufall_Set_Seed(1234567);
        Spielfeld_Tor_Reaktion(r.get(), 0);
        EXPECT_EQ(r->zuschauer_reaktion[0], f.stufe > 2 ? 3 : 2);
        EXPECT_EQ(r->zuschauer_stimmung[0], 40 + 5 * f.stufe + 5);
        EXPECT_EQ(r->zuschauer_stimmung[1], 40 - 3 * f.stufe);
        for (int32_t o = 0; o < SPIELFELD_OBJEKTE; ++o)
            for (const Spielfeld_Auftrag& a : r->objekt[o].auftrag) EXPECT_EQ(a.animation, -1) << o;
    }
    // Moods stay within 0..100.
    r->zuschauer_stimmung[0] = 98;
    r->zuschauer_stimmung[1] = 2;
    Spielfeld_Tor_Reaktion(r.get(), 0);
    EXPECT_EQ(r->zuschauer_stimmung[0], 100);
    EXPECT_EQ(r->zuschauer_stimmung[1], 0);
    Spiele_Unlock(h);
}

}  // namespace
