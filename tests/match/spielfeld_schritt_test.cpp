// The frame step: what it returns to the match day's clock, how many steps an active record takes,
// the record's own clock, its generator kept apart, and a foul booked as a set piece.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "database/teamspieler.h"
#include "match/pitch/spielfeld_animationen.h"
#include "match/pitch/spielfeld_ball.h"
#include "match/pitch/spielfeld_ereignis.h"
#include "match/pitch/spielfeld_schritt.h"
#include "match/pitch/spielfeld_verhalten.h"
#include "match/pitch/spielfeld_wechsel.h"
#include "gameflow/globals.h"
#include "matchview/spielszenen.h"
#include "match/spieltag.h"
#include "match/spielfeld_szene.h"
#include "platform/os/os.h"
#include "platform/zufall.h"

namespace {

using namespace spielwelt;

class Frame : public Spielwelt {
protected:
    int32_t h = 0;
    Spielfeld_Record* r = nullptr;
    void SetUp() override
    {
        Spielwelt::SetUp();
        for (int32_t sp = 10; sp < 28; ++sp) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 1, sp, 150, 0, 24, -1, false));
        for (int32_t sp = 10; sp < 21; ++sp) Teamspieler_Wert(317, 1, sp, TS_STARTELF, 8);
        const int32_t block = Spiele_Init_Neue_Spiele(1, 4, 20, 1, LIGA, -1);
        h = Spiele_Lock(block, 0, 0, 0);
        Spiele_Set_Teams(h, 1, 2);
        Spielfeld_Init();
        ASSERT_TRUE(Spielfeld_Record_Anlegen(h, 1, 0, nullptr, 1, 0));
        r = Spielfeld_Get_Spiel(h);
    }
    void TearDown() override
    {
        Spielfeld_Set_Halten(0);
        Spielfeld_Set_Ueberspringen(0);
        Spielfeld_DeInit();
        Spielwelt::TearDown();
    }
    float run()
    {
        uint8_t stopp = 0;
        const float x = Spielfeld_Run(1, 0, 1, 0, &stopp, 0);
        EXPECT_EQ(stopp, 0);  // never set: the day's minute always moves on
        return x;
    }
};

TEST_F(Frame, TheReturnsTellTheClockToWaitSkipEndOrCountOneOrTwoUnits)
{
    EXPECT_EQ(run(), 0.0f);  // the first frame after init plays nothing
    EXPECT_EQ(run(), 1.0f);
    Spielfeld_Steuerung.pause = 1;
    EXPECT_EQ(run(), 0.0f);
    Spielfeld_Steuerung.pause = 0;
    Spielfeld_Set_Ueberspringen(1);
    EXPECT_EQ(run(), 100000.0f);
    Spielfeld_Set_Halten(1);
    EXPECT_EQ(run(), -1.0f);  // the hold comes before everything
    Spielfeld_Set_Halten(0);
    Spielfeld_Set_Ueberspringen(0);
    Spielfeld_Steuerung.uebersicht_verlassen = 1;
    EXPECT_EQ(run(), 1000.0f);
    Spielfeld_Steuerung.uebersicht_verlassen = 0;
    EXPECT_EQ(run(), 1.0f);
}

TEST_F(Frame, AnActiveRecordStepsOncePerUnitOnItsOwnSequenceAndItsClockStopsInStoppages)
{
    r->aktiv = 1;
    r->situation = SITUATION_SPIEL;
    r->einheiten = 0;
    const uint16_t minute = r->minute;
    run();
    const uint32_t uhr = r->frame_zeit;
    Zufall_Set_Seed(777);
    EXPECT_EQ(run(), 1.0f);
    EXPECT_EQ(r->einheiten, 1);
    Os_Sleep(60);
    EXPECT_EQ(run(), 2.0f);
    EXPECT_EQ(r->einheiten, 3);
    EXPECT_EQ(Zufall_Get_Seed(), 777);
    // the record's millisecond clock moves by every step, in play as in stoppages
    EXPECT_EQ(r->frame_zeit, uhr + 3 * SPIELFELD_SCHRITT_MS);
    r->situation = SITUATION_ECKE;
    r->standard_aufgebaut = 1;
    run();
    EXPECT_EQ(r->einheiten, 3);
    EXPECT_EQ(r->frame_zeit, uhr + 4 * SPIELFELD_SCHRITT_MS);
    // A full minute of units turns the record's minute.
    r->situation = SITUATION_SPIEL;
    r->einheiten = uint16_t(Spielgeschwindigkeit - 1);
    run();
    EXPECT_EQ(r->minute, minute + 1);
    EXPECT_EQ(r->einheiten, 0);
    // A closed record is left alone.
    r->abgeschlossen = 1;
    run();
    EXPECT_EQ(r->einheiten, 0);
}

TEST_F(Frame, TheUnitCountIsPartOfTheSavedImage)
{
    r->einheiten = 0x1234;
    std::vector<uint8_t> bild(SPIELFELD_RECORD_BYTES);
    Spielfeld_Record_Schreiben(*r, bild.data());
    EXPECT_EQ(bild[20412], 0x34);
    EXPECT_EQ(bild[20413], 0x12);
    auto zurueck = std::make_unique<Spielfeld_Record>();
    Spielfeld_Record_Lesen(bild.data(), *zurueck);
    EXPECT_EQ(zurueck->einheiten, 0x1234);
}

class Schritt : public Spielfeld_Szene {};

TEST_F(Schritt, ADueFoulInTheAreaBecomesAPenaltyAndWaitsWhileItCountsDown)
{
    spieler(3, 10000, 3000);
    spieler(20, 10100, 3000);
    r->objekt[SPIELFELD_BALL].x = 10050;
    r->objekt[SPIELFELD_BALL].y = 3000;
    r->foul_x = 10000;
    r->foul_y = 3000;
    r->gefoulte_seite = 0;
    r->gefoulter = 3;
    r->foul_taeter = 20;
    r->foul_countdown = 3;
    r->standard_aufgebaut = 1;
    Spielfeld_Record_Schritt(r.get(), SPIELFELD_SCHRITT_MS);
    EXPECT_EQ(r->situation, SITUATION_SPIEL);
    EXPECT_EQ(r->foul_countdown, 2);
    Spielfeld_Record_Schritt(r.get(), SPIELFELD_SCHRITT_MS);
    Spielfeld_Record_Schritt(r.get(), SPIELFELD_SCHRITT_MS);
    EXPECT_EQ(r->situation, SITUATION_ELFMETER);
    EXPECT_EQ(r->elfmeter[0], 1);
    EXPECT_EQ(r->foul_countdown, 0);
}

TEST_F(Schritt, WalksEndWhenNobodyWalksAndPlayResumes)
{
    spieler(3, 5000, 3000);
    r->objekt[3].zustand = '$';
    r->laufende_spieler = 1;
    r->situation = SITUATION_WECHSEL;
    r->standard_aufgebaut = 1;
    Spielfeld_Record_Schritt(r.get(), SPIELFELD_SCHRITT_MS);
    EXPECT_EQ(r->situation, SITUATION_WECHSEL);
    r->objekt[3].zustand = 0;
    Spielfeld_Record_Schritt(r.get(), SPIELFELD_SCHRITT_MS);
    EXPECT_EQ(r->laufende_spieler, -1);
    EXPECT_EQ(r->situation, SITUATION_SPIEL);
}

}  // namespace

namespace {

TEST_F(Frame, AnInjuryIsStoredForTheHurtPlayerAloneBeforeTheFoulIsJudged)
{
    Spiele_Ereignis_Speicher_Reservieren(h);
    const int32_t opfer = 2, taeter = 18;
    r->objekt[opfer].zustand = 44;
    r->gefoulter = opfer;
    r->foul_taeter = taeter;
    r->foul_x = r->objekt[opfer].x;
    r->foul_y = r->objekt[opfer].y;
    r->gefoulte_seite = 0;
    r->situation = SITUATION_VERLETZUNG;
    r->standard_aufgebaut = 1;
    r->foul_countdown = 1;
    Spielfeld_Record_Schritt(r, SPIELFELD_SCHRITT_MS);
    EXPECT_TRUE(r->situation == SITUATION_FREISTOSS || r->situation == SITUATION_ELFMETER);
    bool verletzung = false;
    Spiele_Ereignis_Info e;
    for (bool da = Spiele_Get_Erstes_Ereignis(h, &e); da; da = Spiele_Get_Naechstes_Ereignis(&e)) {
        if (!(e.flags & EREIGNIS_VERLETZUNG)) continue;
        verletzung = true;
        EXPECT_EQ(e.spieler_1, r->spieler[opfer].spnr);
        EXPECT_LT(e.spieler_2, 0);  // the kind is no player
    }
    EXPECT_TRUE(verletzung);
}

}  // namespace

namespace {

TEST_F(Schritt, AfterTheGoalsPauseTheConcedingSideKicksOffFromTheCentre)
{
    spieler(9, 5000, 3000);
    spieler(25, 5600, 3200);
    b().x = 10900;
    b().y = 3400;
    r->situation = SITUATION_TORJUBEL;
    r->tor_pause = 3;
    r->letzte_beruehrung = 1;  // the away side scored
    r->ball_zustand = BALL_IM_TOR;
    Spielfeld_Record_Schritt(r.get(), SPIELFELD_SCHRITT_MS);
    Spielfeld_Record_Schritt(r.get(), SPIELFELD_SCHRITT_MS);
    EXPECT_EQ(r->situation, SITUATION_TORJUBEL);
    EXPECT_EQ(r->einheiten, 0);  // no clock in the pause
    Spielfeld_Record_Schritt(r.get(), SPIELFELD_SCHRITT_MS);
    EXPECT_EQ(r->situation, SITUATION_ANSTOSS);
    EXPECT_EQ(b().x, 5400);
    EXPECT_EQ(b().y, 3403);
    EXPECT_EQ(r->ball_zustand, BALL_IM_SPIEL);
    EXPECT_EQ(r->kamera_ziel[0], 5400.0f);
    // The next step's restart pass gives the kick-off to the home side.
    Spielfeld_Record_Schritt(r.get(), SPIELFELD_SCHRITT_MS);
    EXPECT_EQ(r->objekt[9].zustand, 15);
    EXPECT_NE(r->objekt[25].zustand, 15);
}

}  // namespace

namespace {

struct Aufruf {
    Spielfeld_Aufruf art;
    int32_t minute;
};
std::vector<Aufruf> aufrufe;
void mitschreiben(Spielfeld_Aufruf a, const Spielfeld_Record*, int32_t m) { aufrufe.push_back({a, m}); }

class Aufrufe : public Frame {
protected:
    uint32_t rolle = 0;
    void SetUp() override
    {
        Frame::SetUp();
        rolle = Netz_Rolle;
        aufrufe.clear();
        Spielfeld_Set_Aufruf_Beobachter(mitschreiben);
        r->aktiv = 1;
        r->situation = SITUATION_SPIEL;
        r->einheiten = 0;
        run();  // the first frame plays nothing
        aufrufe.clear();
    }
    void TearDown() override
    {
        Spielfeld_Set_Aufruf_Beobachter(nullptr);
        Spielszenen_Set_Lade_Hook(nullptr);
        Netz_Rolle = rolle;
        Frame::TearDown();
    }
    int32_t zaehlen(Spielfeld_Aufruf a) const
    {
        int32_t n = 0;
        for (const Aufruf& x : aufrufe) n += x.art == a;
        return n;
    }
};

TEST_F(Aufrufe, AMinuteStartsWithTheApplyAndEndsWithTheTakeBeforeTheSync)
{
    Netz_Rolle = 3;
    const int32_t m = r->minute;
    for (int32_t i = 0; i < Spielgeschwindigkeit; ++i) run();
    std::vector<Spielfeld_Aufruf> minute_folge;
    for (const Aufruf& a : aufrufe)
        if (a.art == AUFRUF_ANWENDEN || a.art == AUFRUF_UEBERNEHMEN || a.art == AUFRUF_MINUTE_ENDE) minute_folge.push_back(a.art);
    ASSERT_GE(minute_folge.size(), 3u);
    EXPECT_EQ(minute_folge[0], AUFRUF_ANWENDEN);
    EXPECT_EQ(minute_folge[1], AUFRUF_UEBERNEHMEN);
    EXPECT_EQ(minute_folge[2], AUFRUF_MINUTE_ENDE);
    for (const Aufruf& a : aufrufe)
        if (a.art == AUFRUF_UEBERNEHMEN || a.art == AUFRUF_MINUTE_ENDE) {
            EXPECT_EQ(a.minute, m);
        }
    EXPECT_EQ(zaehlen(AUFRUF_ANWENDEN), 1);
    // The next minute starts with its own apply; a stoppage neither starts nor ends one.
    r->situation = SITUATION_ECKE;
    r->standard_aufgebaut = 1;
    run();
    EXPECT_EQ(zaehlen(AUFRUF_ANWENDEN), 1);
    r->situation = SITUATION_SPIEL;
    run();
    EXPECT_EQ(zaehlen(AUFRUF_ANWENDEN), 2);
    EXPECT_EQ(aufrufe.back().art, AUFRUF_UEBERSICHT);
    // Playing alone without a network role the sync is not called.
    Netz_Rolle = 0;
    aufrufe.clear();
    r->einheiten = uint16_t(Spielgeschwindigkeit - 1);
    run();
    EXPECT_EQ(zaehlen(AUFRUF_UEBERNEHMEN), 1);
    EXPECT_EQ(zaehlen(AUFRUF_MINUTE_ENDE), 0);
}

TEST_F(Aufrufe, EveryFourthStepSnapshotsAShownRecordAndTheOverviewRunsOnlyWithoutTheView)
{
    for (int32_t i = 0; i < 40; ++i) run();
    EXPECT_EQ(zaehlen(AUFRUF_SCHNAPPSCHUSS), 10);
    EXPECT_EQ(zaehlen(AUFRUF_UEBERSICHT), 40);
    EXPECT_EQ(zaehlen(AUFRUF_ANSICHT), 0);
    // The overview is told the smallest running minute + 1.
    EXPECT_EQ(aufrufe.back().minute, int32_t(r->minute) + 1);
    // A record that is not shown is not snapshot.
    r->anzeige = 0;
    aufrufe.clear();
    for (int32_t i = 0; i < 8; ++i) run();
    EXPECT_EQ(zaehlen(AUFRUF_SCHNAPPSCHUSS), 0);
    // Once the view loads for a shown record it takes the frames; the overview rests.
    r->anzeige = 1;
    Spielszenen_Set_Lade_Hook([] { return true; });
    aufrufe.clear();
    for (int32_t i = 0; i < 4; ++i) run();
    EXPECT_EQ(zaehlen(AUFRUF_ANSICHT), 4);
    EXPECT_EQ(zaehlen(AUFRUF_UEBERSICHT), 0);
    // Paused, the hooks still run but nothing plays.
    Spielfeld_Steuerung.pause = 1;
    const uint16_t einheiten = r->einheiten;
    aufrufe.clear();
    EXPECT_EQ(run(), 0.0f);
    EXPECT_EQ(zaehlen(AUFRUF_ANSICHT), 1);
    EXPECT_EQ(r->einheiten, einheiten);
    Spielfeld_Steuerung.pause = 0;
    Spielfeld_Ansicht_Freigeben();
}

// A day with no record to step (all in the background, or finished) still shows: the overview is
// told the day's minute + 1, and a shown record takes the view.
TEST_F(Aufrufe, AFrameWithNothingToStepStillFeedsTheViews)
{
    r->minute = 30;
    r->abgeschlossen = 1;  // finished: not stepped, its minute no longer the smallest
    const uint16_t einheiten = r->einheiten;
    run();
    EXPECT_EQ(r->einheiten, einheiten);
    EXPECT_EQ(zaehlen(AUFRUF_SCHNAPPSCHUSS), 0);
    ASSERT_FALSE(aufrufe.empty());
    EXPECT_EQ(aufrufe.back().art, AUFRUF_UEBERSICHT);
    EXPECT_EQ(aufrufe.back().minute, 2);
    // a background record, shown: the view loads for it although nothing plays
    r->abgeschlossen = 0;
    r->aktiv = 0;
    r->anzeige = 1;
    Spielszenen_Set_Lade_Hook([] { return true; });
    aufrufe.clear();
    run();
    EXPECT_EQ(r->einheiten, einheiten);
    EXPECT_EQ(zaehlen(AUFRUF_ANSICHT), 1);
    EXPECT_EQ(zaehlen(AUFRUF_UEBERSICHT), 0);
    Spielfeld_Ansicht_Freigeben();
    // the same record running again is stepped and its minute is the view's
    r->aktiv = 1;
    aufrufe.clear();
    run();
    EXPECT_GT(r->einheiten, einheiten);
    ASSERT_EQ(zaehlen(AUFRUF_ANSICHT), 1);
    Spielfeld_Ansicht_Freigeben();
}

// A restart nobody takes is played by force after ten seconds of pitch time; a shoot-out kick
// ends once its ball is dead, at the latest five seconds after the shot.
// Silences the behaviour routines for a scope: nobody gives new orders or takes restarts.
struct Stumm {
    Stumm() { Spielfeld_Routine_Aufrufen = [](Spielfeld_Record*, Spielfeld_Routine, int32_t, int32_t) {}; }
    ~Stumm() { Spielfeld_Routine_Aufrufen = Spielfeld_Routine_Standard; }
};

// However a substitution's walk is held up, the stoppage ends within its time: the man walking
// off sits on the bench and the one coming on plays.
TEST_F(Schritt, AHeldUpSubstitutionEndsWithinItsWatchdog)
{
    Stumm stumm;
    spieler(3, 5000, 3000);
    spieler(12, 5000, -300, false, SPIELFELD_ERSATZ);
    r->objekt[3].zustand = '&';
    r->objekt[3].aktiv = 0;  // nothing moves him any more
    r->objekt[12].zustand = '$';
    r->spieler[12].zustand = SPIELFELD_AUF_DEM_PLATZ;
    r->laufende_spieler = 2;
    r->situation = SITUATION_WECHSEL;
    r->standard_aufgebaut = 1;
    const int32_t schritte = SPIELFELD_WECHSEL_WAECHTER_MS / SPIELFELD_SCHRITT_MS;
    for (int32_t i = 0; i < schritte - 1; ++i) {
        Spielfeld_Record_Schritt(r.get(), SPIELFELD_SCHRITT_MS);
        ASSERT_EQ(r->situation, SITUATION_WECHSEL) << i;
    }
    for (int32_t i = 0; i < 3; ++i) Spielfeld_Record_Schritt(r.get(), SPIELFELD_SCHRITT_MS);
    EXPECT_EQ(r->situation, SITUATION_SPIEL);
    EXPECT_EQ(r->laufende_spieler, -1);
    EXPECT_EQ(r->objekt[3].zustand, 0);
    EXPECT_NE(r->spieler[3].zustand & SPIELFELD_AUSGEWECHSELT, 0u);
    EXPECT_EQ(r->objekt[12].zustand, 0);
}

TEST_F(Schritt, RestartsAndShootOutKicksEndWithinTheirWatchdogs)
{
    Stumm stumm;
    spieler(9, 3000, 3000);
    spieler(25, 7000, 3000);
    b().x = 5000;
    b().y = 3000;
    r->situation = SITUATION_FREISTOSS;
    r->standard_aufgebaut = 1;
    r->freistoss_offen = 1;
    const int32_t schritte = SPIELFELD_STANDARD_WAECHTER_MS / SPIELFELD_SCHRITT_MS;
    for (int32_t i = 0; i < schritte - 1; ++i) {
        Spielfeld_Record_Schritt(r.get(), SPIELFELD_SCHRITT_MS);
        ASSERT_EQ(r->situation, SITUATION_FREISTOSS) << i;
    }
    Spielfeld_Record_Schritt(r.get(), SPIELFELD_SCHRITT_MS);
    Spielfeld_Record_Schritt(r.get(), SPIELFELD_SCHRITT_MS);
    EXPECT_EQ(r->situation, SITUATION_SPIEL);
    EXPECT_EQ(r->freistoss_offen, 0);
    EXPECT_EQ(r->waechter_ms, 0);
    // the nearer player played it
    EXPECT_EQ(r->letzte_beruehrung, 0);

    // The kick: set up, taken by force, then over when the ball stops or after five seconds.
    r->situation = SITUATION_ELFMETERSCHIESSEN;
    r->elfmeter_schuss = 1;
    r->schuetze_bestimmt = 25;
    r->standard_aufgebaut = 1;
    int32_t n = 0;
    while (r->situation == SITUATION_ELFMETERSCHIESSEN && n < 2 * schritte) {
        Spielfeld_Record_Schritt(r.get(), SPIELFELD_SCHRITT_MS);
        ++n;
    }
    EXPECT_LE(n, schritte + 1);
    EXPECT_EQ(r->letzter_schuetze, 25);
    n = 0;
    while (r->elfmeter_schuss == 1 && n < 2 * SPIELFELD_ELFMETER_WAECHTER_MS / SPIELFELD_SCHRITT_MS) {
        Spielfeld_Record_Schritt(r.get(), SPIELFELD_SCHRITT_MS);
        ++n;
    }
    EXPECT_EQ(r->elfmeter_schuss, 2);
    EXPECT_LE(n, SPIELFELD_ELFMETER_WAECHTER_MS / SPIELFELD_SCHRITT_MS + 1);
    // Play and the goal's pause are no restart: the watchdog rests.
    r->situation = SITUATION_SPIEL;
    r->elfmeter_schuss = 0;
    for (int32_t i = 0; i < schritte + 5; ++i) Spielfeld_Record_Schritt(r.get(), SPIELFELD_SCHRITT_MS);
    EXPECT_EQ(r->waechter_ms, 0);

    // A ball behind the goal line that kept its last speed, its order over, and does not move:
    // once lain still it brings the restart. It once held a match from the 20th minute to
    // half-time, the clock running.
    b().x = -727;
    b().y = 1023;
    b().vx = 0.0f;
    b().vy = -154.0f;
    Spielfeld_Aktueller_Auftrag(&b())->tempo = 0.0f;
    r->ball_zustand = BALL_TORAUS;
    n = 0;
    while (r->situation == SITUATION_SPIEL && n < 2 * schritte) {
        Spielfeld_Record_Schritt(r.get(), SPIELFELD_SCHRITT_MS);
        ++n;
    }
    EXPECT_TRUE(r->situation == SITUATION_ABSTOSS || r->situation == SITUATION_ECKE) << r->situation;
    EXPECT_LE(n, schritte + 1);
}

// ---------------------------------------------------------------------------------------------
// The objects' order clock: order time, animation frames, the ring.

class Auftragsuhr : public Schritt {
protected:
    Stumm stumm;
    const Spielfeld_Auftrag& aktuell(int32_t nr) { return *Spielfeld_Aktueller_Auftrag(&r->objekt[nr]); }
    void schritte(int32_t n)
    {
        for (int32_t i = 0; i < n; ++i) Spielfeld_Record_Schritt(r.get(), SPIELFELD_SCHRITT_MS);
    }
    // the referee's signs: 12 frames of 125 ms where he stands
    void zeigen(int32_t anim, int32_t dauer, int32_t versatz = 0)
    {
        r->objekt[SPIELFELD_SCHIEDSRICHTER].aktiv = 1;
        Spielfeld_Auftrag_Geben(r.get(), SPIELFELD_SCHIEDSRICHTER, 0, 0, 0, 0, anim, 0, dauer, 0, -1, 1, 0, versatz, AUFTRAG_SUCHEN);
    }
};

TEST_F(Auftragsuhr, TimedOrdersEndWithTheirTimeUntimedActionsOnceTheyHavePlayedOut)
{
    const Spielfeld_Objekt& schiri = r->objekt[SPIELFELD_SCHIEDSRICHTER];
    zeigen(ANIM_GELB, 500);
    schritte(17);  // 476 ms
    EXPECT_NE(aktuell(32).art, 0);
    EXPECT_EQ(aktuell(32).wert_40, 3);
    r->objekt[SPIELFELD_SCHIEDSRICHTER].neu_entscheiden = 0;
    schritte(1);
    EXPECT_EQ(aktuell(32).art, 0);  // the restarts wait for this
    EXPECT_EQ(schiri.neu_entscheiden, 1);
    // given again with its animation the order keeps its spent time and ends at once
    zeigen(ANIM_GELB, 500);
    schritte(1);
    EXPECT_EQ(aktuell(32).art, 0);
    zeigen(ANIM_PFIFF, 0);
    schritte(53);  // 1484 ms: the last of its twelve frames
    EXPECT_NE(aktuell(32).art, 0);
    schritte(1);
    EXPECT_EQ(aktuell(32).art, 0);
    EXPECT_EQ(aktuell(32).wert_40, 11);
    // a red card queued behind a yellow one follows it with its own time
    zeigen(ANIM_GELB, 200);
    zeigen(ANIM_ROT, 300, 1);
    schritte(8);  // 224 ms
    EXPECT_EQ(aktuell(32).animation, ANIM_ROT);
    EXPECT_FLOAT_EQ(schiri.auftrag_zeit, 300.0f);
}

TEST_F(Auftragsuhr, ARunLoopsItsFramesAndATackleMeetsTheBallWithItsContactFrame)
{
    spieler(5, 2000, 3000);
    Spielfeld_Auftrag_Geben(r.get(), 5, 9000, 3000, 0, 400, ANIM_LAUFEN, 0, 0, 0, -1, 1, -1, -1, 0);
    schritte(12);  // 336 ms at 12 frames a second
    EXPECT_EQ(aktuell(5).wert_40, 4);
    schritte(12);
    EXPECT_EQ(aktuell(5).wert_40, 0);  // eight frames, round again
    // started two frames early, the contact frame comes 167 ms later; the last one holds
    const Spielszenen_Animation& t = Spielszenen_Animationstabelle[ANIM_TACKLING_GEFALLEN];
    Spielfeld_Auftrag_Geben(r.get(), 5, int32_t(r->objekt[5].x), 3000, 0, 0, ANIM_TACKLING_GEFALLEN, t.kontakt_bild - 2, 0,
                            0, -1, 1, -1, -1, 0);
    schritte(6);
    EXPECT_EQ(aktuell(5).wert_40, t.kontakt_bild);
    schritte(15);  // 588 ms
    EXPECT_EQ(aktuell(5).wert_40, t.bilder - 1);
    EXPECT_NE(aktuell(5).art, 0);
}

}  // namespace
