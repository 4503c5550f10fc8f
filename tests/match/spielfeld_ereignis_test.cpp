// The event recorder and the referee: who gets the credit, what reaches the header and the match
// record, cards and their bookkeeping, the statistics counters, goals lifting values, team talks.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "common/capture.h"
#include "competitions/spiele_karten.h"
#include "competitions/spiele_welt.h"
#include "database/spieler.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "match/pitch/spielfeld_ball.h"
#include "match/pitch/spielfeld_ereignis.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/pitch/spielfeld_wechsel.h"
#include "match/spielfeld.h"
#include "platform/zufall.h"

namespace {

using namespace spielwelt;

class Rekorder : public Spielwelt {
protected:
    int32_t h = -1;
    std::unique_ptr<Spielfeld_Record> r = std::make_unique<Spielfeld_Record>();

    void SetUp() override
    {
        Spielwelt::SetUp();
        Spielfeld_Init();
        const int32_t block = Spiele_Init_Neue_Spiele(1, 4, 20, 1, LIGA, -1);
        h = Spiele_Lock(block, 0, 0, 0);
        Spiele_Set_Teams(h, 1, 2);
        Spiele_Ereignis_Speicher_Reservieren(h);
        Spiele_Tore_Nullen(h);
        *r = Spielfeld_Record{};
        r->spiel = uint32_t(h);
        r->team[0] = 1;
        r->team[1] = 2;
        r->periode = 1;
        r->minute = 23;
        for (Spielfeld_Spieler& e : r->spieler) e.spnr = -1;
        std::fill(&r->einwechsel[0][0], &r->einwechsel[0][0] + 14, int8_t(-1));
        std::fill(&r->auswechsel[0][0], &r->auswechsel[0][0] + 14, int8_t(-1));
        for (int32_t s : {3, 20}) {
            const int32_t sp = s == 3 ? 13 : 30, team = s == 3 ? 1 : 2;
            ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, team, sp, 150, 0, 24, -1, false));
            Teamspieler_Wert(317, team, sp, TS_STARTELF, 8);
            r->spieler[s].spnr = sp;
            r->spieler[s].zustand = SPIELFELD_AUF_DEM_PLATZ;
        }
    }
    void TearDown() override
    {
        Spielfeld_DeInit();
        Spielwelt::TearDown();
    }
    std::vector<Spiele_Ereignis_Info> ereignisse()
    {
        std::vector<Spiele_Ereignis_Info> v;
        Spiele_Ereignis_Info i{};
        for (bool ok = Spiele_Get_Erstes_Ereignis(h, &i); ok; ok = Spiele_Get_Naechstes_Ereignis(&i)) v.push_back(i);
        return v;
    }
    // A foul by slot f on slot 3 that the referee must punish (no red: a dive flag blocks it).
    void foul(int32_t f, uint8_t karte)
    {
        r->foul_taeter = int8_t(f);
        r->gefoulter = 3;
        r->spieler[f].karte = karte;
        r->b_20530 = 1;
        r->schwalbe = 1;
        r->tempo_faktor = 0.0f;
        r->schiri_wert[0] = 3;
        Zufall_Set_Seed(5);
        Spielfeld_Foul_Bewerten(r.get());
    }
};

TEST_F(Rekorder, ShotIntoOwnGoalIsAnOwnGoalForTheOtherSide)
{
    EXPECT_EQ(EREIGNIS_ART_MASKE, 4218u);
    // Home attacks x = 10800; the away player 20 scores there.
    r->objekt[SPIELFELD_BALL].x = 10700;
    Spielfeld_Ereignis_Melden(r.get(), SPIELFELD_EREIGNIS_CHANCE | SPIELFELD_EREIGNIS_TOR, 20, 3);
    EXPECT_EQ(r->kopf.code, (uint32_t(SPIELFELD_EREIGNIS_CHANCE | SPIELFELD_EREIGNIS_TOR | SPIELFELD_EREIGNIS_HEIM) | EREIGNIS_EIGENTOR));
    EXPECT_EQ(r->kopf.zweiter, -1);
    EXPECT_EQ(r->kopf.slot, 20);
    EXPECT_EQ(r->kopf.minute, 23);
    EXPECT_EQ(r->kopf.offen, 1);
    EXPECT_EQ(r->neuer_kopf, 1);
    const auto e = ereignisse();
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0].spieler_2, -1);
    // The shooter is not credited with the goal, nor lifted for it.
    Statistik_Spieler st{};
    EXPECT_FALSE(Spiele_Get_Statistik_Spieler(30, &st) && st.tore != 0) << st.tore;
    EXPECT_EQ(r->spieler[20].marker, 0);
    // With swapped ends the same spot is the away side's attack: a plain goal.
    r->seiten_getauscht = 1;
    Spielfeld_Ereignis_Melden(r.get(), SPIELFELD_EREIGNIS_CHANCE | SPIELFELD_EREIGNIS_TOR, 20, 3);
    EXPECT_EQ(r->kopf.code, uint32_t(SPIELFELD_EREIGNIS_CHANCE | SPIELFELD_EREIGNIS_TOR));
    EXPECT_EQ(r->kopf.zweiter, 3);
}

TEST_F(Rekorder, WhatReachesHeaderAndMatchRecord)
{
    Spielfeld_Ereignis_Melden(r.get(), uint32_t(SPIELFELD_EREIGNIS_GELB) | EREIGNIS_FOUL, 3, 20);
    EXPECT_EQ(r->kopf.code & (uint32_t(SPIELFELD_EREIGNIS_GELB) | EREIGNIS_FOUL), uint32_t(uint32_t(SPIELFELD_EREIGNIS_GELB) | EREIGNIS_FOUL));
    EXPECT_EQ(r->kopf.code & SPIELFELD_EREIGNIS_HEIM, 1u);
    EXPECT_EQ(ereignisse().size(), 1u);
    for (uint32_t nie : {uint32_t(EREIGNIS_SCHWALBE), uint32_t(EREIGNIS_WARNUNG), uint32_t(EREIGNIS_TAKTIK)}) {
        r->neuer_kopf = 0;
        Spielfeld_Ereignis_Melden(r.get(), nie, 3, -1);
        EXPECT_EQ(r->neuer_kopf, 0) << nie;
    }
    EXPECT_EQ(ereignisse().size(), 1u);
    // Offside is shown but never booked.
    Spielfeld_Ereignis_Melden(r.get(), EREIGNIS_ABSEITS, 20, -1);
    EXPECT_EQ(r->neuer_kopf, 1);
    EXPECT_EQ(ereignisse().size(), 1u);
    EXPECT_EQ(r->kopf.code & SPIELFELD_EREIGNIS_HEIM, 0u);
}

TEST_F(Rekorder, CardsOnceWithTheirLinkBits)
{
    Spielfeld_Ereignis_Melden(r.get(), SPIELFELD_EREIGNIS_ROT, 20, -1);
    EXPECT_EQ(r->spieler[20].zustand & SPIELFELD_ROT, uint32_t(SPIELFELD_ROT));
    const uint32_t flags = uint32_t(Teamspieler_Wert(317, 2, 30, 0, 0));
    EXPECT_EQ(flags & TS_STARTELF, 0u);
    EXPECT_EQ(flags & 512u, 512u);
    // The referee shows a player sent off nothing more.
    r->spieler[20].karte = 64;
    const uint8_t rot = r->rot[1];
    foul(20, 64);
    EXPECT_EQ(r->spieler[20].karte, 64);
    EXPECT_EQ(r->rot[1], rot);
}

TEST_F(Rekorder, RefereeBooksWarnedAndSendsOffBooked)
{
    foul(3, 8);
    EXPECT_EQ(r->spieler[3].karte, 16) << "a warned player sees yellow";
    EXPECT_EQ(r->gelb[0], 1);
    EXPECT_EQ(r->kopf.code & (uint32_t(SPIELFELD_EREIGNIS_GELB) | EREIGNIS_FOUL), uint32_t(uint32_t(SPIELFELD_EREIGNIS_GELB) | EREIGNIS_FOUL));
    EXPECT_EQ(Spielfeld_Aktueller_Auftrag(&r->objekt[SPIELFELD_SCHIEDSRICHTER])->animation, 89);

    foul(20, 16);
    EXPECT_EQ(r->spieler[20].karte, 32);
    EXPECT_EQ(r->gelb[1], 1);
    EXPECT_EQ(r->spieler[20].zustand & SPIELFELD_GELB_ROT, uint32_t(SPIELFELD_GELB_ROT));
    EXPECT_EQ(r->auswechsel[1][0], 20);
    EXPECT_EQ(r->netz_auswechsel[1][0], 20);
    EXPECT_EQ(r->kopf.code & SPIELFELD_EREIGNIS_GELB_ROT, uint32_t(SPIELFELD_EREIGNIS_GELB_ROT));

    // A booked keeper is only warned.
    r->objekt[3].torwart = 1;
    r->neuer_kopf = 0;
    foul(3, 16);
    EXPECT_EQ(r->spieler[3].karte, 8);
    EXPECT_EQ(r->neuer_kopf, 1) << "the foul itself is still recorded";
    EXPECT_EQ(r->kopf.code, (EREIGNIS_FOUL | uint32_t(SPIELFELD_EREIGNIS_HEIM)));
}

// A second yellow on the pitch: the side's yellow-red count for the match data page, the card in
// the match record with its ban, and off he walks at the next stoppage, with no substitution
// in the ticker for him.
TEST_F(Rekorder, YellowRedIsCountedBannedAndSentOff)
{
    r->objekt[20].aktiv = 1;
    foul(20, 16);
    EXPECT_EQ(r->gelb_rot[1], 1);
    EXPECT_EQ(r->gelb_rot[0], 0);
    bool gebucht = false;
    for (const Spiele_Ereignis_Info& e : ereignisse())
        gebucht |= (e.flags & SPE_GELBROT) && !(e.flags & SPE_HEIM) && e.spieler_1 == 30;
    EXPECT_TRUE(gebucht);
    EXPECT_NE(Teamspieler_Wert(317, 2, 30, 0, 0) & TS_GESPERRT_GELBROT, 0);
    r->kopf.offen = 0;
    Spielfeld_Wechsel_Ausfuehren(r.get());
    EXPECT_EQ(r->objekt[20].zustand, '&');
    EXPECT_EQ(r->auswechsel[1][0], -1);
    EXPECT_EQ(r->kopf.offen, 0);
}

TEST_F(Rekorder, SentOffWithAFullListAndAWildStrictness)
{
    for (int32_t i = 0; i < 7; ++i) r->auswechsel[1][i] = int8_t(24 + i);
    Fehler_Capture cap;
    foul(20, 16);
    EXPECT_EQ(r->spieler[20].karte, 32);
    EXPECT_TRUE(cap.contains("kein Platz"));
    for (int32_t i = 0; i < 7; ++i) EXPECT_EQ(r->auswechsel[1][i], 24 + i);
    EXPECT_EQ(r->spieler[20].zustand & SPIELFELD_GELB_ROT, uint32_t(SPIELFELD_GELB_ROT));

    for (int32_t seed = 1; seed < 200; ++seed) {
        r->foul_taeter = 3;
        r->gefoulter = -1;
        r->spieler[3].karte = 0;
        r->b_20530 = 0;
        r->schwalbe = 0;
        r->schiri_wert[0] = 200;
        r->tempo_faktor = 1.0f;
        Zufall_Set_Seed(seed);
        Spielfeld_Foul_Bewerten(r.get());
        const uint8_t k = r->spieler[3].karte;
        ASSERT_TRUE(k == 0 || k == 8 || k == 16 || k == 64) << int(k);
    }
}

TEST_F(Rekorder, EveryJudgedFoulCountsForTheOffendersSideButADiveDoesNot)
{
    foul(3, 0);
    foul(20, 16);  // sent off: still one foul
    r->gefoulter = -1;
    Spielfeld_Foul_Bewerten(r.get());
    EXPECT_EQ(r->fouls[0], 1);
    EXPECT_EQ(r->fouls[1], 1);
}

TEST_F(Rekorder, OnAClientAGoalMarksTheScorerAsTheServerDoesAndWritesNothing)
{
    Spieler_Wert(72, 13, 74, 1);
    r->objekt[SPIELFELD_BALL].x = 10700;
    Netz_Rolle = 1;
    Fehler_Capture cap;
    Spielfeld_Ereignis_Melden(r.get(), SPIELFELD_EREIGNIS_CHANCE | SPIELFELD_EREIGNIS_TOR, 3, -1);
    Netz_Rolle = 0;
    EXPECT_EQ(r->spieler[3].marker, 15);
    EXPECT_EQ(Spieler_Wert(72, 13, 0, 0), 74);
    EXPECT_FALSE(cap.contains("CLIENT-WRITE"));
}

TEST_F(Rekorder, StatisticsCountersRefuseBadSlotsAndElements)
{
    Spielfeld_Statistik_Zaehlen(r.get(), 31, 7);
    EXPECT_EQ(r->statistik[31][7], 1);
    Fehler_Capture cap;
    Spielfeld_Statistik_Zaehlen(r.get(), 31, 8);
    Spielfeld_Statistik_Zaehlen(r.get(), 32, 0);
    Spielfeld_Statistik_Zaehlen(nullptr, 0, 0);
    EXPECT_TRUE(cap.contains("Falsches Statistik-Element"));
    EXPECT_TRUE(cap.contains("Falscher Statistik-Spieler"));
    EXPECT_EQ(r->statistik[31][7], 1);
    EXPECT_EQ(r->ecken[0], 0);
}

TEST_F(Rekorder, GoalLiftsTheScorersValuesAndLeavesTheMarker)
{
    Spieler_Wert(72, 13, 74, 1);
    Spieler_Wert(71, 13, 40, 1);
    r->objekt[SPIELFELD_BALL].x = 10700;
    Spielfeld_Ereignis_Melden(r.get(), SPIELFELD_EREIGNIS_CHANCE | SPIELFELD_EREIGNIS_TOR, 3, -1);
    EXPECT_EQ(Spieler_Wert(72, 13, 0, 0), 75);
    EXPECT_EQ(Spieler_Wert(71, 13, 0, 0), 40);
    EXPECT_EQ(r->spieler[3].marker, 15);
    Statistik_Spieler st{};
    ASSERT_TRUE(Spiele_Get_Statistik_Spieler(13, &st));
    EXPECT_EQ(st.tore, 1);
    Spielfeld_Ereignis_Melden(r.get(), uint32_t(SPIELFELD_EREIGNIS_CHANCE | SPIELFELD_EREIGNIS_TOR) | EREIGNIS_TOR_WERT, 3, -1);
    EXPECT_EQ(Spieler_Wert(72, 13, 0, 0), 76);
    EXPECT_GE(Spieler_Wert(71, 13, 0, 0), 41);
    EXPECT_LE(Spieler_Wert(71, 13, 0, 0), 45);
    // A shot that misses lifts nothing.
    Spielfeld_Ereignis_Melden(r.get(), SPIELFELD_EREIGNIS_CHANCE, 3, -1);
    EXPECT_EQ(Spieler_Wert(72, 13, 0, 0), 76);
}

// The player coming on is marked as brought on, the one he replaces as taken off.
TEST_F(Rekorder, ASubstitutesMarkReadsInAndTheReplacedMansOut)
{
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 1, 14, 150, 0, 24, -1, false));
    Teamspieler_Wert(317, 1, 14, TS_ERSATZ, 8);
    r->spieler[5].spnr = 14;
    r->spieler[5].zustand = SPIELFELD_ERSATZ;
    r->wechsel_uebrig[0] = 3;
    r->situation = SITUATION_EINWURF;
    r->einwechsel[0][0] = 5;
    r->auswechsel[0][0] = 3;
    Spielfeld_Wechsel_Ausfuehren(r.get());
    ASSERT_EQ(r->spieler[5].zustand, uint32_t(SPIELFELD_AUF_DEM_PLATZ));
    Statistik_Spieler ein{}, aus{};
    ASSERT_TRUE(Spiele_Get_Statistik_Spieler(14, &ein));
    ASSERT_TRUE(Spiele_Get_Statistik_Spieler(13, &aus));
    EXPECT_EQ(ein.noten[0] & (STAT_NOTE_EINGEWECHSELT | STAT_NOTE_AUSGEWECHSELT), STAT_NOTE_EINGEWECHSELT);
    EXPECT_EQ(aus.noten[0] & (STAT_NOTE_EINGEWECHSELT | STAT_NOTE_AUSGEWECHSELT), STAT_NOTE_AUSGEWECHSELT);
}

TEST_F(Rekorder, TeamTalkKeepsOrLowersToSeventyPercent)
{
    for (int32_t s = 0; s < 32; ++s)
        for (uint16_t& x : r->spieler[s].faehigkeit) x = 900;
    Spielfeld_Motivation_Anwenden(r.get(), 0, 100);
    EXPECT_EQ(r->spieler[5].faehigkeit[3], 900);
    Spielfeld_Motivation_Anwenden(r.get(), 1, 0);
    EXPECT_EQ(r->spieler[16].faehigkeit[0], 630);
    EXPECT_EQ(r->spieler[31].faehigkeit[21], 630);
    EXPECT_EQ(r->spieler[15].faehigkeit[21], 900);
}

}  // namespace
