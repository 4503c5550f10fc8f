// Small pitch routines: running speeds, the point-on-pitch test, path distance and line crossing,
// the presence grid, idle variations, the referee's readiness and the view hooks.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>

#include "competitions/wettbewerb.h"
#include "match/pitch/spielfeld_ansicht.h"
#include "match/pitch/spielfeld_animationen.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/pitch/spielfeld_spieler.h"
#include "match/spielfeld.h"
#include "matchview/spielszenen.h"
#include "platform/print.h"
#include "platform/zufall.h"

namespace {

Spielfeld_Spieler laeufer(uint32_t kraft, uint16_t spritzigkeit = 500, uint8_t aggressiv = 2)
{
    Spielfeld_Spieler e{};
    e.kraft = kraft;
    e.faehigkeit[FAEHIGKEIT_SPRITZIGKEIT] = spritzigkeit;
    e.anweisung[0] = aggressiv;
    return e;
}

TEST(SpielfeldTempo, RunningSpeedFromQuicknessAggressionAndStamina)
{
    const Spielfeld_Spieler voll = laeufer(9999);
    EXPECT_NEAR(Spielfeld_Laufgeschwindigkeit(&voll), 843.9f, 0.1f);
    const Spielfeld_Spieler grenze = laeufer(7000);
    EXPECT_FLOAT_EQ(Spielfeld_Laufgeschwindigkeit(&grenze), Spielfeld_Laufgeschwindigkeit(&voll));
    const Spielfeld_Spieler muede = laeufer(6999);
    EXPECT_NEAR(Spielfeld_Laufgeschwindigkeit(&muede) / Spielfeld_Laufgeschwindigkeit(&voll), 0.7019f, 1e-4f);
    const Spielfeld_Spieler leer = laeufer(0, 0, 4);
    EXPECT_NEAR(Spielfeld_Laufgeschwindigkeit(&leer), 277.78f, 0.01f);
    const Spielfeld_Spieler wild = laeufer(9999, 500, 0);
    EXPECT_GT(Spielfeld_Laufgeschwindigkeit(&wild), Spielfeld_Laufgeschwindigkeit(&voll));

    // Effort: full effort and a fresh player run faster than the plain speed; a spent player
    // slows down unless his stamina is ignored.
    EXPECT_NEAR(Spielfeld_Laufgeschwindigkeit_Einsatz(&voll, 0, 100), (25.88f + 2.5f + 4.0f - 8.0f + 16.129f) * 27.7778f, 0.1f);
    const Spielfeld_Spieler kaputt = laeufer(500);
    const float ohne = Spielfeld_Laufgeschwindigkeit_Einsatz(&kaputt, 1, 50);
    EXPECT_NEAR(Spielfeld_Laufgeschwindigkeit_Einsatz(&kaputt, 0, 50), std::max(ohne * 0.25f, 277.78f), 0.1f);
}

TEST(SpielfeldStaerkeFaktor, HomeRightCrowdAndAmateurAwaySide)
{
    EXPECT_EQ(Spielfeld_Heim_Faktor(HEIMRECHT, false, 0, 500, 40000, 1000, 1000), 96);
    EXPECT_EQ(Spielfeld_Heim_Faktor(HEIMRECHT, false, 0, 500, 400000, 0, 1000), 100);
    EXPECT_EQ(Spielfeld_Heim_Faktor(HEIMRECHT, false, 0, 500, 40000, 0, 0), 92 + 8 * 20 / 100);
    EXPECT_EQ(Spielfeld_Heim_Faktor(HEIMRECHT, false, 20, 500, 40000, 1000, 1000), 92) << "position 20 has no crowd";
    EXPECT_EQ(Spielfeld_Heim_Faktor(HEIMRECHT, true, 0, 500, 40000, 1000, 1000), 78);
    EXPECT_EQ(Spielfeld_Heim_Faktor(0, true, 0, 500, 40000, 1000, 1000), 92);
    EXPECT_EQ(Spielfeld_Heim_Faktor(0, false, 0, 500, 40000, 1000, 1000), 92);
    // The amateur home right costs a weak away player more than a strong one.
    const int32_t schwach = Spielfeld_Heim_Faktor(AMATEUR_HEIMRECHT, true, 0, 300, 0, 0, 0);
    const int32_t stark = Spielfeld_Heim_Faktor(AMATEUR_HEIMRECHT, true, 0, 900, 0, 0, 0);
    EXPECT_LT(schwach, stark);
    EXPECT_EQ(stark, 92 * 100 / 114);
}

TEST(SpielfeldGeometrie, PointOnPitchIncludesTheLines)
{
    EXPECT_TRUE(Spielfeld_Punkt_Im_Feld(0, 0));
    EXPECT_TRUE(Spielfeld_Punkt_Im_Feld(10800, 6806));
    EXPECT_FALSE(Spielfeld_Punkt_Im_Feld(-0.5f, 10));
    EXPECT_FALSE(Spielfeld_Punkt_Im_Feld(10, 6806.5f));
}

TEST(SpielfeldGeometrie, PathDistanceFootPointAndCrossing)
{
    float fx = -7, fy = -7;
    EXPECT_FLOAT_EQ(Spielfeld_Ballweg_Abstand(100, 100, 100, 100, 103, 104, &fx, &fy), 5.0f);
    EXPECT_EQ(fx, 100.0f);
    EXPECT_EQ(fy, 100.0f);
    // A diagonal path and a point beside it.
    EXPECT_NEAR(Spielfeld_Ballweg_Abstand(100, 200, 300, 400, 300, 200, &fx, &fy), std::sqrt(2.0f) * 100.0f, 0.05f);
    EXPECT_NEAR(fx, 200.0f, 0.01f);
    EXPECT_NEAR(fy, 300.0f, 0.01f);
    // A foot beyond the path's end gives -1 and leaves the outputs.
    fx = fy = -7;
    EXPECT_EQ(Spielfeld_Ballweg_Abstand(100, 200, 300, 400, 900, 900, &fx, &fy), -1.0f);
    EXPECT_EQ(fx, -7.0f);
    // Through the origin.
    EXPECT_NEAR(Spielfeld_Ballweg_Abstand(0, 0, 100, 100, 100, 0, nullptr, nullptr), std::sqrt(2.0f) * 50.0f, 0.1f);
    EXPECT_NEAR(Spielfeld_Linie_Schneiden(0, 0, 100, 50, 40), 20.0f, 1e-4f);
    EXPECT_TRUE(std::isfinite(Spielfeld_Linie_Schneiden(10, 0, 10, 50, 40)));
}

TEST(SpielfeldLaufwege, CellsCountedOnceEachVisitUpToThreeAndMirrored)
{
    auto r = std::make_unique<Spielfeld_Record>();
    Spielfeld_Spieler& e = r->spieler[4];
    Spielfeld_Laufweg_Eintragen(r.get(), &e, 20000, -300);  // beyond the pitch: the border cell
    EXPECT_EQ(Spielfeld_Laufweg_Zaehler(&e, 9, 0), 1);
    Spielfeld_Laufweg_Eintragen(r.get(), &e, 10000, 100);
    EXPECT_EQ(Spielfeld_Laufweg_Zaehler(&e, 9, 0), 1) << "the same cell again is no new visit";
    for (int32_t i = 0; i < 5; ++i) {
        Spielfeld_Laufweg_Eintragen(r.get(), &e, 5000, 3000);
        Spielfeld_Laufweg_Eintragen(r.get(), &e, 10000, 100);
    }
    EXPECT_EQ(Spielfeld_Laufweg_Zaehler(&e, 9, 0), 3);
    EXPECT_EQ(Spielfeld_Laufweg_Zaehler(&e, 4, 4), 3);
    Spielfeld_Laufweg_Eintragen(r.get(), &e, 2200, 6700);
    Spielfeld_Laufwege_Spiegeln(r.get());
    EXPECT_EQ(Spielfeld_Laufweg_Zaehler(&e, 0, 9), 3);
    EXPECT_EQ(Spielfeld_Laufweg_Zaehler(&e, 5, 5), 3);
    EXPECT_EQ(Spielfeld_Laufweg_Zaehler(&e, 7, 0), 1);
    EXPECT_EQ(Spielfeld_Laufweg_Zaehler(&e, 9, 0), 0);
}

// Every cell of every player's grid goes to the cell seen from the other end, whatever its count,
// and mirroring twice gives the grid back.
TEST(SpielfeldLaufwege, EveryCellOfEveryPlayerMirrored)
{
    auto r = std::make_unique<Spielfeld_Record>();
    for (size_t s = 0; s < std::size(r->spieler); ++s)
        for (size_t i = 0; i < sizeof r->spieler[s].praesenz; ++i) r->spieler[s].praesenz[i] = uint8_t(37 * s + 101 * i + 7);
    const auto vorher = std::make_unique<Spielfeld_Record>(*r);
    Spielfeld_Laufwege_Spiegeln(r.get());
    for (size_t s = 0; s < std::size(r->spieler); ++s)
        for (int32_t a = 0; a < 10; ++a)
            for (int32_t b = 0; b < 10; ++b)
                ASSERT_EQ(Spielfeld_Laufweg_Zaehler(&r->spieler[s], 9 - a, 9 - b), Spielfeld_Laufweg_Zaehler(&vorher->spieler[s], a, b))
                    << "slot " << s << " cell " << a << "," << b;
    Spielfeld_Laufwege_Spiegeln(r.get());
    for (size_t s = 0; s < std::size(r->spieler); ++s)
        EXPECT_EQ(0, std::memcmp(r->spieler[s].praesenz, vorher->spieler[s].praesenz, sizeof r->spieler[s].praesenz));
}

TEST(SpielfeldLaufwege, IdleVariationsStayIdleAndActionsStay)
{
    Spielfeld_Objekt o{};
    Zufall_Set_Seed(31);
    int32_t gewechselt = 0;
    for (int32_t i = 0; i < 200; ++i) {
        o.auftrag[0].animation = 5;
        Spielfeld_Animation_Variieren(&o);
        const int32_t a = o.auftrag[0].animation;
        ASSERT_TRUE(a == 0 || a == 1 || (a >= 5 && a <= 8)) << a;
        gewechselt += a != 5;
    }
    EXPECT_GT(gewechselt, 20);
    o.auftrag[0].animation = 50;
    for (int32_t i = 0; i < 50; ++i) Spielfeld_Animation_Variieren(&o);
    EXPECT_EQ(o.auftrag[0].animation, 50);
}

TEST(SpielfeldLaufwege, RefereeReadyOnlyStandingIdle)
{
    auto r = std::make_unique<Spielfeld_Record>();
    Spielfeld_Objekt& s = r->objekt[32];
    s.auftrag[0].animation = 82;
    EXPECT_TRUE(Spielfeld_Schiedsrichter_Bereit(r.get()));
    s.vy = 1.0f;
    EXPECT_FALSE(Spielfeld_Schiedsrichter_Bereit(r.get()));
    s.vy = 0.0f;
    s.auftrag[0].animation = ANIM_PFIFF;
    EXPECT_FALSE(Spielfeld_Schiedsrichter_Bereit(r.get()));
    s.auftrag[0].animation = 82;
    s.auftrag[0].art = 2;
    EXPECT_FALSE(Spielfeld_Schiedsrichter_Bereit(r.get()));
}

int32_t ladungen = 0;
bool laden_gelingt() { return ++ladungen > 0; }

TEST(SpielfeldAnsicht, LoadsOnceOnlyWhenTheViewLoadsAndFreesAgain)
{
    Spielfeld_Init();
    Spielfeld_Ansicht_Laden(nullptr);
    EXPECT_FALSE(Spielfeld_Ansicht_Geladen()) << "no view yet: the flag stays 0";
    Spielszenen_Set_Lade_Hook(laden_gelingt);
    ladungen = 0;
    Spielfeld_Ansicht_Laden(nullptr);
    Spielfeld_Ansicht_Laden(nullptr);
    EXPECT_EQ(ladungen, 1);
    EXPECT_TRUE(Spielfeld_Ansicht_Geladen());
    Spielfeld_Ansicht_Frame(nullptr);
    Spielfeld_Ansicht_Freigeben();
    EXPECT_FALSE(Spielfeld_Ansicht_Geladen());
    Spielfeld_Ansicht_Laden(nullptr);
    EXPECT_EQ(ladungen, 2);
    Spielfeld_DeInit();
    EXPECT_FALSE(Spielfeld_Ansicht_Geladen());
    Spielszenen_Set_Lade_Hook(nullptr);
}

TEST(SpielfeldAnsicht, AnimationTableTimingPrepared)
{
    Spielfeld_Animationen_Vorberechnen();
    for (int32_t i = 0; i < SPIELSZENEN_ANIMATIONEN; ++i) {
        const Spielszenen_Animation& a = Spielszenen_Animationstabelle[i];
        EXPECT_FLOAT_EQ(a.ms_pro_bild * a.bildrate, 1000.0f) << i;
        EXPECT_FLOAT_EQ(a.dauer_faktor, float(a.bilder) * a.bildrate) << i;
    }
}

std::string protokoll;
void protokollieren(const char* text) { protokoll += text; }

TEST(SpielfeldAnsicht, DebugDumpOfRefereeAndPlayer)
{
    auto r = std::make_unique<Spielfeld_Record>();
    r->ballhalter = 7;
    protokoll.clear();
    Print_Log_Set_Sink(protokollieren);
    Spielfeld_Debug_Objekt_Ausgeben(r.get(), 32);
    Spielfeld_Debug_Objekt_Ausgeben(r.get(), 5);
    Spielfeld_Debug_Objekt_Ausgeben(r.get(), 51);
    Print_Log_Set_Sink(nullptr);
    EXPECT_NE(protokoll.find("Ballbesitz:7 Torentf. Ball:0.0 M."), std::string::npos) << protokoll;
    EXPECT_NE(protokoll.find("Torentf. Spieler:0.0 M."), std::string::npos);
    EXPECT_NE(protokoll.find("Gegn. im Rad 10M.: 0"), std::string::npos);
    size_t striche = 0;
    for (size_t p = protokoll.find("----------"); p != std::string::npos; p = protokoll.find("----------", p + 1)) ++striche;
    EXPECT_EQ(striche, 2u) << "an object beyond the record writes nothing";
}

TEST(SpielfeldAnsicht, StrengthAndFitnessLines)
{
    auto r = std::make_unique<Spielfeld_Record>();
    r->spieler[7].spnr = -1;
    r->spieler[7].anweisung[2] = 0xF6;
    r->spieler[7].kraft = 8123;
    r->spieler[7].fitness = 77;
    Spielfeld_Kraft_Fitness b{};
    ASSERT_TRUE(Spielfeld_Get_Spieler_Kraft_Fitness(r.get(), 7, &b));
    EXPECT_EQ(b.nummer, -10);
    EXPECT_STREQ(b.kraft_text, "Kraft:");
    EXPECT_EQ(b.kraft, 8123);
    EXPECT_STREQ(b.fitness_text, "Fitness:");
    EXPECT_EQ(b.fitness, 77);
    EXPECT_FALSE(Spielfeld_Get_Spieler_Kraft_Fitness(r.get(), 32, &b));
}

}  // namespace
