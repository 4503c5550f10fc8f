// Pitch objects and their orders: the ring of four, replacing, the ball's target point, speed
// classes, the move codes of each kind of figure, and the order image.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <memory>
#include <vector>

#include "common/capture.h"
#include "match/pitch/spielfeld_animationen.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/spielfeld.h"
#include "platform/bytes.h"

namespace {

struct Objekte : ::testing::Test {
    std::unique_ptr<Spielfeld_Record> r = std::make_unique<Spielfeld_Record>();
    void SetUp() override
    {
        *r = Spielfeld_Record{};
        r->ballhalter = -1;
        Spielfeld_Animationen_Vorberechnen();
        for (Spielfeld_Objekt& o : r->objekt)
            for (Spielfeld_Auftrag& a : o.auftrag) a.animation = -1;
    }
    // A long action order at speed, so it stays busy.
    int32_t geben(int32_t o, int32_t x, int32_t versatz, int32_t flags, int32_t anim = 50)
    {
        return Spielfeld_Auftrag_Geben(r.get(), o, x, 1000, 0, 300, anim, 0, 2000, 0, -1, 1, 0, versatz, flags);
    }
};

TEST_F(Objekte, FullRingRefusesAFifthOrderAndMarksAllDone)
{
    for (int32_t k = 0; k < 4; ++k) EXPECT_EQ(geben(3, 1000 + k, k, 0), 1) << k;
    EXPECT_EQ(r->objekt[3].auftrag[0].art, 2);
    EXPECT_EQ(geben(3, 5000, 0, AUFTRAG_SUCHEN), 0);
    for (const Spielfeld_Auftrag& a : r->objekt[3].auftrag) EXPECT_EQ(a.ende, 1);
    EXPECT_EQ(r->objekt[3].auftrag[0].ziel[0], 1000.0f) << "nothing was overwritten";
    // Replacing never searches and never refuses.
    EXPECT_EQ(geben(3, 7000, -1, 0), 1);
    EXPECT_EQ(r->objekt[3].auftrag[0].ziel[0], 7000.0f);
    EXPECT_EQ(r->objekt[3].ring, 0);
}

TEST_F(Objekte, BusyCurrentOrderSendsTheSearchToTheNextFreeSlot)
{
    EXPECT_EQ(geben(5, 1000, 0, 0), 1);
    EXPECT_EQ(Spielfeld_Auftrag_Eintragen(r.get(), 5, 2000, 10, 0, 0, 0), -1) << "busy and no search";
    EXPECT_EQ(geben(5, 1200, 0, AUFTRAG_SUCHEN), 1);
    EXPECT_EQ(r->objekt[5].ring, 0);
    EXPECT_EQ(r->objekt[5].auftrag[1].ziel[0], 1200.0f);
    EXPECT_EQ(r->objekt[5].auftrag[0].ziel[0], 1000.0f);
}

TEST_F(Objekte, TargetAtThePositionGetsSpeedZeroButStaysCurrent)
{
    Spielfeld_Objekt& o = r->objekt[7];
    o.x = 400;
    o.y = 1000;
    ASSERT_EQ(Spielfeld_Auftrag_Geben(r.get(), 7, 400, 1000, 0, 500, ANIM_BEWEGEN, 0, -1, 0, -1, 1, 0, 0, 0), 1);
    const Spielfeld_Auftrag& a = o.auftrag[0];
    EXPECT_EQ(a.tempo, 0.0f);
    EXPECT_EQ(o.vx, 0.0f);
    EXPECT_EQ(a.animation, ANIM_STEHEN);
    EXPECT_EQ(a.richtung, 35) << "standing faces the ball";
    EXPECT_EQ(a.dauer, 0.0f);
    EXPECT_EQ(o.neuer_auftrag, 1);
}

TEST_F(Objekte, OrderToTheBallMovesTheTargetPointAndWakesTheHolder)
{
    r->ballhalter = 9;
    r->objekt[SPIELFELD_BALL].fx = 0.0f;
    ASSERT_EQ(Spielfeld_Auftrag_Geben(r.get(), SPIELFELD_BALL, 3000, 2000, 0, 900, ANIM_BALL, 0, 0, 0, -1, 1, 0, 0, 0), 1);
    EXPECT_EQ(r->ball_ziel_x, 3000.0f);
    EXPECT_EQ(r->ball_ziel_y, 2000.0f);
    EXPECT_EQ(r->objekt[9].neu_entscheiden, 1);
    // The ball rolls: its friction points along the path (3:2).
    const Spielfeld_Objekt& b = r->objekt[SPIELFELD_BALL];
    EXPECT_NEAR(b.fx / b.fy, 1.5f, 1e-4f);
    EXPECT_NEAR(b.vx * b.vx + b.vy * b.vy, 900.0f * 900.0f, 1.0f);
    // Towards smaller x and y every component turns round.
    r->objekt[SPIELFELD_BALL].x = 5000;
    r->objekt[SPIELFELD_BALL].y = 5000;
    Spielfeld_Auftrag_Geben(r.get(), SPIELFELD_BALL, 4000, 4000, 0, 900, ANIM_BALL, 0, 0, 0, -1, 1, 0, -1, 0);
    EXPECT_LT(b.vx, 0.0f);
    EXPECT_LT(b.vy, 0.0f);
    EXPECT_LT(b.fx, 0.0f);
    EXPECT_LT(b.ay, 0.0f);
}

TEST_F(Objekte, SpeedClassesAndMoveCodesOfEachFigure)
{
    Spielfeld_Auftrag a{};
    a.tempo = 222.22f;
    EXPECT_EQ(Spielfeld_Tempo_Stufe(&a), 2);
    a.tempo = 222.3f;
    EXPECT_EQ(Spielfeld_Tempo_Stufe(&a), 3);
    a.tempo = 555.56f;
    EXPECT_EQ(Spielfeld_Tempo_Stufe(&a), 3);
    a.tempo = 556.0f;
    EXPECT_EQ(Spielfeld_Tempo_Stufe(&a), 4);
    a.tempo = 0.0f;
    EXPECT_EQ(Spielfeld_Tempo_Stufe(&a), 0);

    r->objekt[1].torwart = 1;
    struct Fall { int32_t objekt, tempo, anim; };
    const Fall faelle[] = {{2, 150, 2},   {2, 400, 3},   {2, 800, 4},   {1, 0, 36},  {1, 150, 38}, {1, 400, 43},
                           {1, 800, 43},  {32, 0, 82},   {32, 150, 76}, {32, 400, 78}, {32, 800, 80}, {33, 0, 84},
                           {34, 150, 77}, {34, 400, 79}, {33, 800, 81}};
    for (const Fall& f : faelle) {
        r->objekt[f.objekt].x = 100;
        Spielfeld_Auftrag_Geben(r.get(), f.objekt, 2000, 0, 0, f.tempo, ANIM_BEWEGEN, 0, -1, 0, -1, 1, 0, -1, 0);
        EXPECT_EQ(Spielfeld_Aktueller_Auftrag(&r->objekt[f.objekt])->animation, f.anim) << f.objekt << " at " << f.tempo;
    }
    // A goalkeeper shown the chest control stands instead.
    Spielfeld_Auftrag_Geben(r.get(), 1, 2000, 0, 0, 0, ANIM_BRUST, 0, 0, 0, -1, 1, 0, -1, 0);
    EXPECT_EQ(r->objekt[1].auftrag[0].animation, ANIM_TW_STEHEN);
}

TEST_F(Objekte, ComputedDurationAndNextSlotEmptied)
{
    r->objekt[4].auftrag[1].animation = 50;
    r->objekt[4].auftrag[1].art = 2;
    ASSERT_EQ(Spielfeld_Auftrag_Geben(r.get(), 4, 1000, 0, 0, 400, 50, 7, -1, 0, -1, 1, -1, 0, 0), 1);
    const Spielfeld_Auftrag& a = r->objekt[4].auftrag[0];
    const Spielszenen_Animation& t = Spielszenen_Animationstabelle[50];
    EXPECT_FLOAT_EQ(a.dauer, t.ms_pro_bild * t.dauer_faktor / 400.0f);
    EXPECT_FLOAT_EQ(r->objekt[4].auftrag_zeit, a.dauer);
    EXPECT_EQ(a.wert_40, 7);
    EXPECT_EQ(a.wert_6, t.letztes_bild) << "-1 takes the animation's default";
    EXPECT_EQ(a.ende, -1);
    EXPECT_EQ(r->objekt[4].auftrag[1].animation, -1);
    EXPECT_EQ(r->objekt[4].auftrag[1].art, 0);
    // The flags force the kind: 2 an action to its end, 4 none.
    Spielfeld_Auftrag_Geben(r.get(), 4, 1000, 0, 0, 400, 0, 7, 0, 0, -1, 1, 0, -1, AUFTRAG_ART_2);
    EXPECT_EQ(r->objekt[4].auftrag[0].art, 2);
    Spielfeld_Auftrag_Geben(r.get(), 4, 1000, 0, 0, 400, 50, 7, 0, 0, -1, 1, 0, -1, AUFTRAG_ART_2 | AUFTRAG_ART_0);
    EXPECT_EQ(r->objekt[4].auftrag[0].art, 0);
}

TEST_F(Objekte, RestPositionsAndBadAnimationsRefused)
{
    ASSERT_EQ(Spielfeld_Auftrag_Geben(r.get(), 46, -1, 0, 0, 0, 29, 0, 0, 0, -1, 1, 0, 0, 0), 1);
    Spielfeld_Objekt_Setzen(r.get(), 46, -1, 0, 0);
    EXPECT_EQ(r->objekt[46].x, 11000.0f);
    EXPECT_EQ(r->objekt[46].y, 3853.0f);
    EXPECT_EQ(r->objekt[46].z, -10.0f);
    Fehler_Capture cap;
    for (int32_t anim : {-1, 123, 5000}) EXPECT_EQ(geben(8, 100, 0, 0, anim), 0) << anim;
    EXPECT_EQ(r->objekt[8].auftrag[0].animation, -1);
    EXPECT_EQ(Spielfeld_Auftrag_Geben(r.get(), 51, 0, 0, 0, 0, 0, 0, 0, 0, -1, 1, 0, 0, 0), 0);
    EXPECT_EQ(Spielfeld_Auftrag_Geben(nullptr, 1, 0, 0, 0, 0, 0, 0, 0, 0, -1, 1, 0, 0, 0), 0);
}

TEST_F(Objekte, StatesClearedExceptTheLastingOnes)
{
    const uint8_t zustaende[] = {',', '+', '0', '.', '&', '\'', '$', '%', 1, 2};
    for (int32_t i = 0; i < 10; ++i) {
        r->objekt[i].zustand = zustaende[i];
        r->objekt[i].countdown_b = 50;
    }
    r->objekt[32].zustand = ',';
    Spielfeld_Spieler_Zustaende_Loeschen(r.get());
    const uint8_t erwartet[] = {0, 0, '0', '.', '&', '\'', '$', '%', 0, 0};
    for (int32_t i = 0; i < 10; ++i) {
        EXPECT_EQ(r->objekt[i].zustand, erwartet[i]) << i;
        EXPECT_EQ(r->objekt[i].countdown_b, 0.0f);
    }
    EXPECT_EQ(r->objekt[32].zustand, ',');
}

TEST_F(Objekte, ObjectAndOrderFieldsSitAtTheirImagePositions)
{
    Spielfeld_Objekt& o = r->objekt[2];
    o.x = 1.5f;
    o.ring = -1;
    o.auftrag[1].ziel[2] = 2.5f;
    o.auftrag[1].animation = 0x01020304;
    o.auftrag[1].richtung = -2;
    o.auftrag[1].art = 0x29;
    o.aktiv = 0x27;
    o.wert_276 = -1;
    std::vector<uint8_t> b(SPIELFELD_RECORD_BYTES);
    Spielfeld_Record_Schreiben(*r, b.data());
    const uint32_t p = 5368 + 292 * 2;
    EXPECT_EQ(Bytes_Hole32(&b[p + 72]), 0x3FC00000u);
    EXPECT_EQ(b[p + 92], 0xFF);
    EXPECT_EQ(Bytes_Hole32(&b[p + 96 + 44 + 24]), 0x40200000u);
    EXPECT_EQ(Bytes_Hole32(&b[p + 96 + 44 + 36]), 0x01020304u);
    EXPECT_EQ(Bytes_Hole16(&b[p + 96 + 44 + 42]), 0xFFFE);
    EXPECT_EQ(b[p + 96 + 44 + 29], 0x29);
    EXPECT_EQ(b[p + 272], 0x27);
    EXPECT_EQ(Bytes_Hole32(&b[p + 276]), 0xFFFFFFFFu);
    auto zurueck = std::make_unique<Spielfeld_Record>();
    Spielfeld_Record_Lesen(b.data(), *zurueck);
    EXPECT_EQ(zurueck->objekt[2].auftrag[1].animation, 0x01020304);
    EXPECT_EQ(zurueck->objekt[2].ring, -1);
}

TEST_F(Objekte, HeaderEntriesAndStatisticsSitAtTheirImagePositions)
{
    r->kopf.code = 0x01020304;
    r->kopf.minute = 0x0506;
    r->kopf.sekunden = 0x0708;
    r->kopf.zweiter = -2;
    r->kopf.slot = 0x0B;
    r->kopf.offen = 0x0C;
    Spielfeld_Spieler& e = r->spieler[3];
    e.kraft = 0x11223344;
    e.zustand = 0x55667788;
    e.faehigkeit[0] = 0x99AA;
    e.bank_nummer = 0xBB;
    e.praesenz[0] = 0xCC;
    e.karte = 0xDD;
    e.marker = 0xEE;
    r->rot[1] = 1;
    r->gelb_rot[0] = 2;
    r->gelb[1] = 3;
    r->fouls[0] = 4;
    r->elfmeter[1] = 5;
    r->statistik[31][7] = 6;
    std::vector<uint8_t> b(SPIELFELD_RECORD_BYTES);
    Spielfeld_Record_Schreiben(*r, b.data());
    EXPECT_EQ(Bytes_Hole32(&b[0]), 0x01020304u);
    EXPECT_EQ(Bytes_Hole16(&b[4]), 0x0506);
    EXPECT_EQ(Bytes_Hole16(&b[6]), 0x0708);
    EXPECT_EQ(Bytes_Hole16(&b[8]), 0xFFFE);
    EXPECT_EQ(b[10], 0x0B);
    EXPECT_EQ(b[11], 0x0C);
    const uint32_t p = 12 + 160 * 3;
    EXPECT_EQ(b[p + 15], 0xDD);
    EXPECT_EQ(Bytes_Hole32(&b[p + 16]), 0x11223344u);
    EXPECT_EQ(b[p + 23], 0xEE);
    EXPECT_EQ(Bytes_Hole32(&b[p + 64]), 0x55667788u);
    EXPECT_EQ(Bytes_Hole16(&b[p + 70]), 0x99AA);
    EXPECT_EQ(b[p + 114], 0xBB);
    EXPECT_EQ(b[p + 126], 0xCC);
    EXPECT_EQ(b[21838], 1);
    EXPECT_EQ(b[21839], 2);
    EXPECT_EQ(b[21842], 3);
    EXPECT_EQ(b[21847], 4);
    EXPECT_EQ(b[21852], 5);
    EXPECT_EQ(b[21853 + 8 * 31 + 7], 6);
}

TEST(Animationstabelle, KindsRestPositionsAndReach)
{
    const auto& t = SPIELSZENEN_ANIMATIONSDATEN;
    for (int32_t c : {0, 1, 2, 3, 4, 5, 6, 7, 8, 36, 38, 43, 76, 82, 84, 99}) EXPECT_EQ(t[c].art, 0) << c;
    EXPECT_EQ(t[ANIM_FALLEN].art, 1);
    EXPECT_EQ(t[ANIM_AUFSTEHEN].art, 1);
    for (int32_t c : {40, 44, 45, 46, 62, 64, 88, 89, 90, 101, 122}) EXPECT_EQ(t[c].art, 2) << c;
    EXPECT_EQ(t[13].ruhe[0], 10800.0f);
    EXPECT_EQ(t[14].ruhe[1], 6806.0f);
    EXPECT_EQ(t[24].ruhe[2], 300.0f);
    EXPECT_EQ(t[25].ruhe[0], -185.0f);
    EXPECT_EQ(t[ANIM_AUSSER_REICHWEITE].reichweite_hoehe, 0.0f);
    int32_t paraden = 0;
    for (const auto& a : t) paraden += a.reichweite_radius >= 150.0f && a.art == 2;
    EXPECT_GE(paraden, 2) << "goalkeepers need dives that reach";
    for (int32_t c = 0; c < SPIELSZENEN_ANIMATIONEN; ++c) {
        EXPECT_GT(t[c].bilder, 0);
        EXPECT_EQ(t[c].letztes_bild, t[c].bilder - 1);
        if (t[c].reichweite_radius > 0.0f) {
            EXPECT_LT(t[c].kontakt_bild, t[c].bilder) << c;
        }
    }
}

}  // namespace

// Placing a player for a line-up leaves the very record that putting him there and giving him a
// replacing standing order does, whatever his object held (the officials and x -1 go that way).
TEST_F(Objekte, PlacingAPlayerLeavesTheRecordOfTheGeneralOrder)
{
    struct Vorher {
        int8_t ring;
        uint8_t torwart, zustand, zielpunkt, art;
        float fx, letzte_x;
        int32_t animation;
    };
    const Vorher faelle[] = {{0, 0, 0, 0, 0, 0.0f, 0.0f, -1},  {0, 1, 0, 0, 0, 0.0f, 0.0f, -1},
                             {2, 0, '0', 0, 2, 3.0f, 700.0f, 50}, {3, 1, 0, 1, 8, -9.0f, -1.0f, 36},
                             {1, 0, ',', 0, 10, 1.0f, 800.0f, 0}};
    for (const Vorher& f : faelle)
        for (int32_t nr : {3, 20, SPIELFELD_SCHIEDSRICHTER, SPIELFELD_BALL})
            for (int32_t x : {2500, -1}) {
                auto a = std::make_unique<Spielfeld_Record>(*r);
                a->situation = f.zustand == ',' ? 5 : 0;
                Spielfeld_Objekt& o = a->objekt[nr];
                o = {};
                o.vx = o.vy = o.vz = 7.0f;
                o.ax = o.fx = f.fx;
                o.entscheidung_timer = 0.4f;
                o.neu_entscheiden = 1;
                o.torwart = f.torwart;
                o.zustand = f.zustand;
                o.x = 900.0f;
                o.y = 400.0f;
                o.letzte_x = f.letzte_x;
                o.ring = f.ring;
                o.zielpunkt = f.zielpunkt;
                for (Spielfeld_Auftrag& auf : o.auftrag) {
                    auf = {};
                    auf.dauer = 500.0f;
                    auf.tempo = 300.0f;
                    auf.art = f.art;
                    auf.wartend = 1;
                    auf.x_unter = 1;
                    auf.animation = f.animation;
                }
                auto b = std::make_unique<Spielfeld_Record>(*a);
                Spielfeld_Objekt_Setzen(a.get(), nr, x, 1800, 0);
                Spielfeld_Auftrag_Geben(a.get(), nr, x, 1800, 0, 0, ANIM_BEWEGEN, 0, 0, 0, -1, 1, 0, -1, 0);
                Spielfeld_Spieler_Hinstellen(b.get(), nr, x, 1800);
                EXPECT_EQ(std::memcmp(a.get(), b.get(), sizeof(Spielfeld_Record)), 0) << int(f.ring) << " " << nr << " " << x;
            }
    Spielfeld_Spieler_Hinstellen(nullptr, 3, 0, 0);
}
