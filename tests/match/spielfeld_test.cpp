// The live records of a match day: their saved image, the strength balance, creation over a small
// world, the shell calls the match day makes, and the savegame block.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "common/capture.h"
#include "common/spielstand_ordner.h"
#include "competitions/spiele_welt.h"
#include "competitions/wettbewerb.h"
#include "database/teamspieler.h"
#include "economy/ligen.h"
#include "economy/bank_intern.h"
#include "match/spielfeld.h"
#include "match/spielfeld_netz.h"
#include "match/pitch/spielfeld_schritt.h"
#include "match/spieltag.h"
#include "matchview/live/spielszenen_live.h"
#include "matchview/spielszenen_taktik.h"
#include "platform/disk.h"
#include "platform/os/os.h"
#include "platform/zufall.h"

namespace {

using namespace spielwelt;
using Bytes = std::vector<uint8_t>;

Bytes bild_von(const Spielfeld_Record& r)
{
    Bytes b(SPIELFELD_RECORD_BYTES, 0xEE);
    Spielfeld_Record_Schreiben(r, b.data());
    return b;
}

uint32_t le32(const Bytes& b, uint32_t p) { return Disk_LE32_Lesen(b.data() + p); }

TEST(SpielfeldRecord, FieldsSitAtTheirImagePositions)
{
    Fehler_Capture cap;
    auto r = std::make_unique<Spielfeld_Record>();
    r->team[0] = 0x01020304;
    r->team[1] = 0x05060708;
    r->spiel = 417;
    r->minute = 0x1234;
    r->staerke[0] = 67;
    r->staerke[1] = -3;
    r->team_wert[1] = 999;
    r->aktiv = 1;
    r->seed = 3999001;
    r->spieler[0].spnr = -1;
    r->spieler[31].spnr = 77;
    r->spieler[31].zustand = SPIELFELD_ERSATZ;
    r->spieler[5].fitness = -2;
    r->naechster_abstand[1] = 1.5f;
    r->ansprache_druecke[1][9] = 0xAB;
    const Bytes b = bild_von(*r);
    EXPECT_EQ(le32(b, 20260), 0x01020304u);
    EXPECT_EQ(le32(b, 20264), 0x05060708u);
    EXPECT_EQ(le32(b, 20404), 417u);
    EXPECT_EQ(Disk_LE16_Lesen(b.data() + 20408), 0x1234);
    EXPECT_EQ(b[21726], 67);
    EXPECT_EQ(b[21727], 0xFD);
    EXPECT_EQ(le32(b, 21732), 999u);
    EXPECT_EQ(b[21800], 1);
    EXPECT_EQ(le32(b, 21804), 3999001u);
    EXPECT_EQ(le32(b, 12), 0xFFFFFFFFu);
    EXPECT_EQ(le32(b, 12 + 160 * 31), 77u);
    EXPECT_EQ(le32(b, 12 + 160 * 31 + 64), uint32_t(SPIELFELD_ERSATZ));
    EXPECT_EQ(Disk_LE16_Lesen(b.data() + 12 + 160 * 5 + 20), 0xFFFE);
    EXPECT_EQ(le32(b, 20388), 0x3FC00000u);
    EXPECT_EQ(b[25118], 0xAB);
    EXPECT_TRUE(cap.texts.empty()) << cap.texts[0];
}

TEST(SpielfeldRecord, EveryByteOfAnImageSurvivesTheRecord)
{
    // Unnamed ranges too: a byte the record did not keep would come back as another value.
    std::mt19937 gen(7);
    for (int runde = 0; runde < 3; ++runde) {
        Bytes ein(SPIELFELD_RECORD_BYTES);
        for (auto& x : ein) x = uint8_t(gen());
        auto r = std::make_unique<Spielfeld_Record>();
        Spielfeld_Record_Lesen(ein.data(), *r);
        EXPECT_EQ(bild_von(*r), ein);
    }
}

Spielfeld_Record ausgleich(int8_t sh, int8_t sa, int32_t wh, int32_t wa)
{
    Spielfeld_Record r{};
    r.staerke[0] = sh;
    r.staerke[1] = sa;
    r.team_wert[0] = wh;
    r.team_wert[1] = wa;
    Spielfeld_Staerke_Ausgleichen(r);
    return r;
}

TEST(SpielfeldStaerke, BalanceFavoursTheStrongerClubAndStaysOnItsScale)
{
    auto s = std::make_unique<Spielfeld_Record>(ausgleich(60, 60, 500, 400));
    EXPECT_EQ(s->staerke[0], 67);
    EXPECT_EQ(s->staerke[1], 39);
    // The bonus and the malus begin beyond a gap of 40 in club value.
    s = std::make_unique<Spielfeld_Record>(ausgleich(60, 60, 441, 400));
    EXPECT_EQ(s->staerke[0], 61);
    EXPECT_EQ(s->staerke[1], 39);
    s = std::make_unique<Spielfeld_Record>(ausgleich(60, 60, 440, 400));
    EXPECT_EQ(s->staerke[0], 48);
    EXPECT_EQ(s->staerke[1], 46);
    // A club value past 999 counts as 999 (1200 x 1.4 thrown away would make this side weakest).
    s = std::make_unique<Spielfeld_Record>(ausgleich(60, 60, 1200, 400));
    EXPECT_EQ(s->staerke[0], 89);
    EXPECT_EQ(s->staerke[1], 38);
    // The strongest side after the balance keeps 99, the weakest never drops below 0.
    s = std::make_unique<Spielfeld_Record>(ausgleich(99, 0, 999, -50));
    EXPECT_EQ(s->staerke[0], 99);
    EXPECT_EQ(s->staerke[1], 0);
    // Equal sides stay equal.
    s = std::make_unique<Spielfeld_Record>(ausgleich(50, 50, 600, 600));
    EXPECT_EQ(s->staerke[0], s->staerke[1]);
}

// The pitch module over the small world: team 1 with players 10..27, 11 starters and 3 substitutes.
class SpielfeldWelt : public Spielwelt {
protected:
    int32_t block = -1;
    void SetUp() override
    {
        Spielwelt::SetUp();
        for (int32_t sp = 10; sp < 28; ++sp) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 1, sp, 150, 0, 24, -1, false));
        for (int32_t sp = 10; sp < 21; ++sp) Teamspieler_Wert(317, 1, sp, TS_STARTELF, 8);
        for (int32_t sp = 21; sp < 24; ++sp) Teamspieler_Wert(317, 1, sp, TS_ERSATZ, 8);
        block = Spiele_Init_Neue_Spiele(1, 4, 20, 1, LIGA, -1);
    }
    void TearDown() override
    {
        Spielfeld_DeInit();
        Spielwelt::TearDown();
    }
    int32_t spiel(int32_t tag, int32_t slot, int32_t heim, int32_t gast)
    {
        const int32_t h = Spiele_Lock(block, tag, 0, slot);
        Spiele_Set_Teams(h, heim, gast);
        return h;
    }
};

TEST_F(SpielfeldWelt, ARecordTakesTeamsLineUpStrengthAndOneGlobalDraw)
{
    const int32_t h = spiel(0, 0, 1, 2);
    {
        Fehler_Capture cap;
        EXPECT_FALSE(Spielfeld_Record_Anlegen(h, 0, 0, nullptr, 1, 0));
        EXPECT_TRUE(cap.contains("nicht initialisiert"));
    }
    Spielfeld_Init();
    Zufall_Set_Seed(123456);
    Zufall(0, 1);
    const int32_t nach_einem_zug = Zufall_Get_Seed();
    Zufall_Set_Seed(123456);
    ASSERT_TRUE(Spielfeld_Record_Anlegen(h, 1, 0, nullptr, 1, 0));
    EXPECT_EQ(Zufall_Get_Seed(), nach_einem_zug);

    const Spielfeld_Record* r = Spielfeld_Get_Spiel(h);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->spiel, uint32_t(h));
    EXPECT_EQ(r->team[0], 1u);
    EXPECT_EQ(r->team[1], 2u);
    EXPECT_EQ(r->aktiv, 1);  // a shown game plays on the pitch
    EXPECT_EQ(r->anzeige, 1);
    EXPECT_LT(r->seed, uint32_t(ZUFALL_MODUL));
    for (int32_t i = 0; i < 11; ++i) EXPECT_EQ(r->spieler[i].zustand, uint32_t(SPIELFELD_AUF_DEM_PLATZ)) << i;
    for (int32_t i = 11; i < 14; ++i) EXPECT_EQ(r->spieler[i].zustand, uint32_t(SPIELFELD_ERSATZ)) << i;
    EXPECT_EQ(r->spieler[14].spnr, -1);
    // The away side has nobody: all its slots are empty.
    for (int32_t i = 16; i < 32; ++i) EXPECT_EQ(r->spieler[i].spnr, -1) << i;
    EXPECT_EQ(r->einsatz[0], 70);
    EXPECT_GE(r->staerke[0], 0);
    EXPECT_LE(r->staerke[0], 99);

    Fehler_Capture cap;
    EXPECT_FALSE(Spielfeld_Record_Anlegen(h, 0, 0, nullptr, 1, 0));
    EXPECT_FALSE(Spielfeld_Record_Anlegen(Spiele_Lock(block, 1, 0, 0), 0, 0, nullptr, 1, 0));  // no teams yet
    EXPECT_EQ(cap.texts.size(), 2u);
}

TEST_F(SpielfeldWelt, ShownAndPitchModesOrTheCompetitionsSwitchPlayOnThePitch)
{
    Spielfeld_Init();
    const int32_t hinter = spiel(0, 0, 1, 2), fenster = spiel(1, 0, 1, 2), platz = spiel(2, 0, 1, 2);
    ASSERT_TRUE(Spielfeld_Record_Anlegen(hinter, 0, 0, nullptr, 1, 0));
    ASSERT_TRUE(Spielfeld_Record_Anlegen(fenster, 1, 0, nullptr, 1, 0));
    ASSERT_TRUE(Spielfeld_Record_Anlegen(platz, 2, 0, nullptr, 1, 0));
    EXPECT_EQ(Spielfeld_Get_Spiel(hinter)->aktiv, 0);
    EXPECT_EQ(Spielfeld_Get_Spiel(fenster)->aktiv, 1);
    EXPECT_EQ(Spielfeld_Get_Spiel(platz)->aktiv, 1);
    EXPECT_EQ(Spielfeld_Get_Spiel(platz)->anzeige, 0);  // a pitch without a window
    // The competition's switch 3 puts its background games on the pitch as well.
    const int32_t c = Spiele_Get_Spiel(hinter, 0)->wettbewerb;
    const int32_t vorher = Wettbewerb_Get_Schalter(c, 3);
    Wettbewerb_Set_Schalter(c, 3, 1);
    const int32_t noch_eins = spiel(3, 0, 1, 2);
    ASSERT_TRUE(Spielfeld_Record_Anlegen(noch_eins, 0, 0, nullptr, 1, 0));
    EXPECT_EQ(Spielfeld_Get_Spiel(noch_eins)->aktiv, 1);
    Wettbewerb_Set_Schalter(c, 3, vorher ? 1 : 0);
}

TEST_F(SpielfeldWelt, ABackgroundRecordHoldsWhatItsDrawsReadAndNoPitch)
{
    Spielfeld_Init();
    const int32_t hinter = spiel(0, 0, 1, 2), platz = spiel(1, 0, 1, 2);
    ASSERT_TRUE(Spielfeld_Record_Anlegen(hinter, 0, 0, nullptr, 1, 0));
    ASSERT_TRUE(Spielfeld_Record_Anlegen(platz, 2, 0, nullptr, 1, 0));
    const Spielfeld_Record* a = Spielfeld_Get_Spiel(hinter);
    const Spielfeld_Record* b = Spielfeld_Get_Spiel(platz);
    // The clubs, their balanced strengths (the side of a drawn goal), the players in their slots
    // (the shoot-out's takers) and their Kraft (the marks) as on the pitch.
    EXPECT_EQ(a->team[0], b->team[0]);
    EXPECT_EQ(a->team[1], b->team[1]);
    EXPECT_EQ(a->staerke[0], b->staerke[0]);
    EXPECT_EQ(a->staerke[1], b->staerke[1]);
    int32_t besetzt = 0;
    for (int32_t s = 0; s < SPIELFELD_SLOTS; ++s) {
        EXPECT_EQ(a->spieler[s].spnr, b->spieler[s].spnr) << s;
        EXPECT_EQ(a->spieler[s].zustand, b->spieler[s].zustand) << s;
        EXPECT_EQ(a->objekt[s].torwart, b->objekt[s].torwart) << s;
        if (a->spieler[s].spnr < 0) continue;
        ++besetzt;
        // The random part of a player's strength differs from fill to fill by a few points.
        EXPECT_NEAR(double(a->spieler[s].kraft), double(b->spieler[s].kraft), 60.0) << s;
        EXPECT_NEAR(a->spieler[s].fitness, b->spieler[s].fitness, 1) << s;
    }
    EXPECT_EQ(besetzt, 14);
    // Nothing of the pitch: no referee, no ball on the spot.
    EXPECT_EQ(a->objekt[32].aktiv, 0);
    EXPECT_EQ(b->objekt[32].aktiv, 1);
}

TEST_F(SpielfeldWelt, EachStandIsAsFullAsTheVenuesAttendanceLeftIt)
{
    Spielfeld_Init();
    const int32_t h = spiel(0, 0, 1, 2);
    const int32_t fuellung[6] = {100, 0, 55, 120, -3, 37};
    ASSERT_TRUE(Spielfeld_Record_Anlegen(h, 1, 0, fuellung, 1, 0));
    const Spielfeld_Record* r = Spielfeld_Get_Spiel(h);
    int32_t tribuenen = 0;
    for (int32_t k = 0; k < 6; ++k) {
        if (Spielszenen_Tribuene_Art(r, k) < 0) continue;
        ++tribuenen;
        EXPECT_EQ(Spielszenen_Tribuene_Fuellung(r, k), std::clamp(fuellung[k], 0, 100)) << k;
    }
    EXPECT_GT(tribuenen, 0);
}

TEST_F(SpielfeldWelt, TheTwoHundredAndFirstGameIsRefused)
{
    Spielfeld_Init();
    std::vector<int32_t> bloecke = {block};
    for (int i = 0; i < 5; ++i) bloecke.push_back(Spiele_Init_Neue_Spiele(1, 4, 20, 1, LIGA, -1));
    int32_t n = 0;
    for (int32_t b : bloecke)
        for (int32_t tag = 0; tag < 20 && n <= SPIELFELD_MAX_SPIELE; ++tag)
            for (int32_t slot = 0; slot < 2 && n <= SPIELFELD_MAX_SPIELE; ++slot) {
                const int32_t h = Spiele_Lock(b, tag, 0, slot);
                Spiele_Set_Teams(h, slot * 2, slot * 2 + 1);
                Fehler_Capture cap;
                EXPECT_EQ(Spielfeld_Record_Anlegen(h, 0, 0, nullptr, 0, 0), n < SPIELFELD_MAX_SPIELE) << n;
                ++n;
            }
    ASSERT_EQ(n, SPIELFELD_MAX_SPIELE + 1);
    EXPECT_EQ(Spielfeld_Get_Angezeigte_Spiele(nullptr, 1000, false), 0);
}

// A record is found as the record list stands, whatever other lists do; an ended day has none.
TEST_F(SpielfeldWelt, RecordsAreFoundAsTheRecordListStands)
{
    const int32_t a = spiel(0, 0, 1, 2), b = spiel(0, 1, 3, 4);
    Spielfeld_Init();
    ASSERT_TRUE(Spielfeld_Record_Anlegen(a, 0, 0, nullptr, 1, 0));
    Spielfeld_Record* ra = Spielfeld_Get_Spiel(a);
    EXPECT_EQ(Spielfeld_Get_Spiel(b), nullptr);
    Liste andere{};
    Liste_Init(&andere);
    Liste_Insert_Element(&andere, nullptr, nullptr, 8, uint32_t(b));
    ASSERT_TRUE(Spielfeld_Record_Anlegen(b, 0, 0, nullptr, 3, 0));
    Liste_Delete_All(&andere);
    EXPECT_EQ(Spielfeld_Get_Spiel(a), ra);
    ASSERT_NE(Spielfeld_Get_Spiel(b), nullptr);
    EXPECT_EQ(Spielfeld_Get_Spiel(b)->spiel, uint32_t(b));
    Spielfeld_DeInit();
    Spielfeld_Init();
    EXPECT_EQ(Spielfeld_Get_Spiel(a), nullptr);
}

// The day's records come in the list's order, the list's cursor left where a walk of it stops.
TEST_F(SpielfeldWelt, TheDaysRecordsComeAsAWalkOfTheListTakesThem)
{
    Spielfeld_Init();
    Spielfeld_Record* rs[SPIELFELD_MAX_SPIELE] = {};
    EXPECT_EQ(Spielfeld_Records_In_Folge(rs, SPIELFELD_MAX_SPIELE), 0);
    const int32_t spiele[3] = {spiel(0, 0, 1, 2), spiel(0, 1, 3, 4), spiel(1, 0, 1, 3)};
    Spielfeld_Record* erwartet[3];
    for (int32_t i = 0; i < 3; ++i) {
        ASSERT_TRUE(Spielfeld_Record_Anlegen(spiele[i], 0, 0, nullptr, 1, 0));
        erwartet[i] = Spielfeld_Get_Spiel(spiele[i]);
    }
    ASSERT_EQ(Spielfeld_Records_In_Folge(rs, SPIELFELD_MAX_SPIELE), 3);
    EXPECT_EQ(Liste_Next_Cursor(), nullptr);
    EXPECT_TRUE(std::equal(erwartet, erwartet + 3, rs));
    // room for one: the walk stops on the second
    ASSERT_EQ(Spielfeld_Records_In_Folge(rs, 1), 1);
    const Liste_Element* dritter = Liste_Next_Cursor();
    EXPECT_EQ(rs[0], erwartet[0]);
    ASSERT_NE(dritter, nullptr);
    EXPECT_EQ(dritter->data, erwartet[2]);
}

// The ball went out for a corner as the half ended: no corner follows. In network play the
// taker's panel of the club's PC opens for a set piece still marked open, and its choice lands in
// that PC's record alone; the others never hear of it, and their records part at the next kick
// of that kind. The half's end leaves no set piece open.
TEST_F(SpielfeldWelt, ASetPieceCutOffByTheHalfsEndOpensNoTakerPanelInTheNext)
{
    Spielfeld_Init();
    const int32_t a = spiel(0, 0, 1, 2);
    ASSERT_TRUE(Spielfeld_Record_Anlegen(a, 1, 0, nullptr, 1, 0));
    Spielfeld_Record* r = Spielfeld_Get_Spiel(a);
    for (uint8_t* offen : {&r->ecke_offen, &r->freistoss_offen, &r->elfmeter_offen}) {
        *offen = 1;
        r->standard_seite = 0;
        ASSERT_GE(Spielszenen_Standard_Art(r), 0);
        Spielfeld_Halbzeit_Beenden(a);
        EXPECT_EQ(Spielszenen_Standard_Art(r), -1);
        Spielfeld_Anpfiff(a, 1);
        EXPECT_EQ(Spielszenen_Standard_Art(r), -1);
    }
}

// The server's manager plays his match days at a longer duration; a client's own option plays
// no part on its PC. A client that plays the server's record at its own minute length ends its
// minutes at other steps, and the records part; taking the server's length, it keeps step.
TEST_F(SpielfeldWelt, AClientPlaysTheServersRecordAtTheServersMinuteLength)
{
    Spielfeld_Init();
    // The record's own draw comes from the global generator: the same game whatever ran before.
    Zufall_Set_Seed(4711);
    // The clubs' readiness as this record was first measured: the home club rating its bonuses
    // at nothing, the away club at the full.
    Ligen_Set_Praemie_Bewertung([](int32_t team, int32_t, int32_t) { return team == 2 ? 100 : 0; });
    struct Bewertung_Zurueck {
        ~Bewertung_Zurueck() { Ligen_Set_Praemie_Bewertung(nullptr); }
    } bewertung_zurueck;
    const int32_t h = spiel(0, 0, 1, 2);
    const int32_t vorher = Spieltag_Get_Geschwindigkeit(nullptr, nullptr);
    Spieltag_Set_Geschwindigkeit(116);
    ASSERT_TRUE(Spielfeld_Record_Anlegen(h, 1, 0, nullptr, 1, 0));
    Spielfeld_Anpfiff(h, 0);
    const auto server = std::make_unique<Spielfeld_Record>(*Spielfeld_Get_Spiel(h));
    const auto spielen = [](Spielfeld_Record* r) {
        for (int32_t n = 0; n < 3000; ++n) {
            Zufall_Set_Seed(int32_t(r->seed));
            Spielfeld_Record_Schritt(r, SPIELFELD_SCHRITT_MS);
            r->seed = uint32_t(Zufall_Get_Seed());
        }
    };
    // The crowd's mood drifts by the bank's generator, which both PCs of a network game hold
    // alike when the match day starts: each run starts from the same state of it.
    const uint32_t bank_zufall = Bank.zufall;
    const auto zurueck = [&] { Bank.zufall = bank_zufall; };
    for (const bool uebernommen : {false, true}) {
        SCOPED_TRACE(uebernommen ? "the server's length" : "the client's own");
        auto client = std::make_unique<Spielfeld_Record>(*server);
        auto r = std::make_unique<Spielfeld_Record>(*server);
        Spieltag_Set_Geschwindigkeit(116);
        zurueck();
        spielen(r.get());
        zurueck();
        Spieltag_Set_Geschwindigkeit(SPIELTAG_TEMPO_START);
        if (uebernommen) Spielfeld_Netz_Tempo_Uebernehmen(client.get());
        spielen(client.get());
        ASSERT_GE(r->minute, 3);
        EXPECT_EQ(bild_von(*client) == bild_von(*r), uebernommen);
        EXPECT_EQ(client->minute == r->minute, uebernommen);
    }
    Spieltag_Set_Geschwindigkeit(vorher);
}

TEST_F(SpielfeldWelt, HalvesEndsAndListsOfTheMatchDay)
{
    EXPECT_FALSE(Spielfeld_Spieltag_Beendet_Setzen());
    EXPECT_FALSE(Spielfeld_Set_Anzeige(1, 1));
    Spielfeld_Init();
    const int32_t a = spiel(0, 0, 1, 2), b = spiel(0, 1, 0, 3);
    ASSERT_TRUE(Spielfeld_Record_Anlegen(a, 1, 0, nullptr, 1, 0));
    ASSERT_TRUE(Spielfeld_Record_Anlegen(b, 0, 1, nullptr, 0, 0));
    Spielfeld_Record* ra = Spielfeld_Get_Spiel(a);
    Spielfeld_Record* rb = Spielfeld_Get_Spiel(b);

    Spielfeld_Halbzeit_Beenden(a);
    EXPECT_EQ(ra->spielende, 2);
    EXPECT_EQ(ra->situation, 5u);
    EXPECT_EQ(ra->spieler[0].zustand, uint32_t(SPIELFELD_AUF_DEM_PLATZ));
    Spielfeld_Halbzeit_Zaehlen(a);
    Spielfeld_Halbzeit_Zaehlen(a);
    EXPECT_EQ(ra->halbzeiten, 2);
    // The kick-off of a later half plays again and leaves the day's generator where it was.
    Zufall_Set_Seed(777);
    Spielfeld_Anpfiff(a, 1);
    EXPECT_EQ(Zufall_Get_Seed(), 777);
    EXPECT_EQ(ra->spielende, 0);
    EXPECT_EQ(ra->situation, 0u);

    // A shown game closes after its delay, a background game at once.
    Spielfeld_Spiel_Beenden(a);
    Spielfeld_Spiel_Beenden(b);
    Spielfeld_Spiel_Beenden(-1);
    EXPECT_EQ(ra->schliess_verzoegerung, 30);
    EXPECT_EQ(ra->abgeschlossen, 0);
    EXPECT_EQ(rb->abgeschlossen, 1);
    EXPECT_EQ(rb->anzeige, 0);

    int32_t liste[4] = {-1, -1, -1, -1};
    EXPECT_EQ(Spielfeld_Get_Angezeigte_Spiele(liste, 4, true), 1);
    EXPECT_EQ(liste[0], a);
    EXPECT_EQ(Spielfeld_Get_Angezeigte_Spiele(liste, 0, true), 0);
    ASSERT_TRUE(Spielfeld_Set_Anzeige(a, 0));
    EXPECT_EQ(Spielfeld_Get_Angezeigte_Spiele(liste, 4, false), 0);
    // Only active games of a human manager's club are running games.
    EXPECT_EQ(Spielfeld_Get_Laufende_Spiele(liste, 4), 0);
    EXPECT_EQ(Spielfeld_Get_Spielernote(ra, 0), -1);
    EXPECT_TRUE(Spielfeld_Spieltag_Beendet_Setzen());
    EXPECT_EQ(Spielfeld_Steuerung.spieltag_beendet, 1);
}

TEST_F(SpielfeldWelt, FramesCountOneUnitOrTwoAfterALongFrame)
{
    Spielfeld_Init();
    ASSERT_TRUE(Spielfeld_Record_Anlegen(spiel(0, 0, 1, 2), 0, 0, nullptr, 1, 0));
    Zufall_Set_Seed(4242);
    uint8_t stopp = 0;
    Spielfeld_Run(1, 0, 1, 0, &stopp, 0);
    EXPECT_EQ(Spielfeld_Run(1, 0, 1, 0, &stopp, 0), 1.0f);
    Os_Sleep(60);
    EXPECT_EQ(Spielfeld_Run(1, 0, 1, 0, &stopp, 0), 2.0f);
    EXPECT_EQ(Zufall_Get_Seed(), 4242);
    EXPECT_EQ(stopp, 0);
}

// The replay buffer belongs to one match day: none outside a day, and each day's (also one
// started over a running day) starts zeroed whatever the day before left in it.
TEST_F(SpielfeldWelt, EachDayHasAReplayBufferOfItsOwnStartingEmpty)
{
    constexpr size_t BYTES = 85612;
    Spielfeld_DeInit();
    EXPECT_EQ(Spielfeld_Replay_Puffer(), nullptr);
    for (int32_t tag = 0; tag < 3; ++tag) {
        Spielfeld_Init();
        EXPECT_EQ(Spielfeld_Replay_Flag(), 0);
        uint8_t* p = Spielfeld_Replay_Puffer();
        ASSERT_NE(p, nullptr);
        EXPECT_TRUE(std::all_of(p, p + BYTES, [](uint8_t b) { return b == 0; })) << tag;
        std::memset(p, 0x5A, BYTES);
        EXPECT_EQ(Spielfeld_Replay_Flag(), 0x5A);
        if (tag == 0) Spielfeld_DeInit();
    }
}

TEST(SpielfeldOptionen, DurationOptionSetsTheSpeedAndTakerChoices)
{
    const int32_t vorher = Spieltag_Get_Geschwindigkeit(nullptr, nullptr);
    Spielfeld_Spieloptionen(9, 0, 1, 0);
    EXPECT_EQ(Spieltag_Get_Geschwindigkeit(nullptr, nullptr), 280);
    EXPECT_EQ(Spielfeld_Steuerung.schuetze_waehlen[1], 1);
    EXPECT_EQ(Spielfeld_Steuerung.schuetze_waehlen[0], 0);
    Spielfeld_Spieloptionen(0, 0, 0, 0);
    EXPECT_EQ(Spieltag_Get_Geschwindigkeit(nullptr, nullptr), 70);
    Spielfeld_Spieloptionen(4, 0, 0, 0);
    EXPECT_EQ(Spieltag_Get_Geschwindigkeit(nullptr, nullptr), 163);
    Spieltag_Set_Geschwindigkeit(vorher);
}

// ---- The savegame block ----

Bytes kopf(uint32_t version, uint8_t init, uint8_t ansicht)
{
    Bytes k(14);
    Disk_LE32_Setzen(k.data(), version);
    k[4] = init;
    k[5] = ansicht;
    Disk_LE32_Setzen(k.data() + 6, 0x457A0000);  // 4000.0
    Disk_LE32_Setzen(k.data() + 10, 0x457A0000);
    return k;
}

Bytes eintrag(uint32_t spiel, uint32_t bild_spiel, uint32_t bild_laenge = SPIELFELD_RECORD_BYTES)
{
    auto r = std::make_unique<Spielfeld_Record>();
    r->spiel = bild_spiel;
    r->minute = 45;
    r->seed = spiel * 11;
    Bytes b(SPIELFELD_RECORD_BYTES);
    Spielfeld_Record_Schreiben(*r, b.data());
    b.resize(bild_laenge, 7);
    Bytes e(8 + Spielfeld_Packen_Grenze(bild_laenge));
    const int32_t n = Spielfeld_Speicher_Packen(b.data(), e.data() + 8, bild_laenge, uint32_t(e.size()) - 8);
    e.resize(8 + size_t(n));
    Disk_LE32_Setzen(e.data(), spiel);
    Disk_LE32_Setzen(e.data() + 4, uint32_t(n));
    return e;
}

// The same entry as a version-2 block holds it: nothing pending after the image.
Bytes mit_ende(Bytes e)
{
    e.resize(e.size() + 2 * SPIELFELD_AENDERUNG_BYTES, 0);
    return e;
}

Bytes u32(uint32_t v)
{
    Bytes b(4);
    Disk_LE32_Setzen(b.data(), v);
    return b;
}

// Games 1..4 of the small world's league are held in the match store, as a running day holds them.
class SpielfeldBlock : public Spielwelt {
protected:
    Test_Spielstand_Ordner ordner;
    void SetUp() override
    {
        Spielwelt::SetUp();
        const int32_t block = Spiele_Init_Neue_Spiele(1, 4, 20, 1, LIGA, -1);
        for (int32_t i = 0; i < 4; ++i) ASSERT_EQ(Spiele_Lock(block, i / 2, 0, i % 2), i + 1);
        ordner.anlegen("dorvin_spielfeld", true);
        Spielfeld_Disk_Registrieren();
    }
    void TearDown() override
    {
        Spielfeld_DeInit();
        Disk_Block_Registrieren(DISK_POS_SPIELFELD, nullptr, nullptr);
        ordner.entfernen();
        Spielwelt::TearDown();
    }
    // Loads a savegame whose area 26 holds these blocks.
    bool laden(const Disk_Bereich& bloecke)
    {
        Disk_Bereiche b{};
        b[DISK_POS_SPIELFELD - 1] = bloecke;
        const Bytes datei = Disk_Spielstand_Bauen(SPIELSTAND_VERSION, b);
        const std::string pfad = ordner.pfad + "/t.sgv";
        FILE* f = std::fopen(pfad.c_str(), "wb");
        std::fwrite(datei.data(), 1, datei.size(), f);
        std::fclose(f);
        return Disk_Spielstand_Laden(pfad.c_str());
    }
    Disk_Bereich gespeichert()
    {
        std::string version;
        Disk_Bereiche b{};
        const Bytes abbild = Disk_Spielstand_Abbild();
        EXPECT_TRUE(Disk_Spielstand_Zerlegen(abbild.data(), abbild.size(), &version, &b));
        return b[DISK_POS_SPIELFELD - 1];
    }
};

TEST_F(SpielfeldBlock, BlockRoundTripsByteForByteAlsoUninitialised)
{
    const Disk_Bereich leer = gespeichert();
    ASSERT_EQ(leer.size(), 1u);
    EXPECT_EQ(leer[0], kopf(SPIELFELD_BLOCK_VERSION, 0, 0));

    const Disk_Bereich voll = {kopf(1, 1, 1), u32(2), eintrag(3, 3), eintrag(4, 4)};
    ASSERT_TRUE(laden(voll));
    EXPECT_TRUE(Spielfeld_Ist_Initialisiert());
    EXPECT_TRUE(Spielfeld_Ansicht_Geladen());
    ASSERT_NE(Spielfeld_Get_Spiel(4), nullptr);
    EXPECT_EQ(Spielfeld_Get_Spiel(4)->minute, 45);
    EXPECT_EQ(gespeichert(), (Disk_Bereich{kopf(SPIELFELD_BLOCK_VERSION, 1, 1), u32(2), mit_ende(eintrag(3, 3)), mit_ende(eintrag(4, 4))}));
    ASSERT_TRUE(laden(gespeichert()));
    EXPECT_EQ(Spielfeld_Get_Spiel(4)->minute, 45);

    // A savegame without a running match day ends the running one.
    ASSERT_TRUE(laden({leer}));
    EXPECT_FALSE(Spielfeld_Ist_Initialisiert());
    EXPECT_EQ(gespeichert(), leer);
}

TEST_F(SpielfeldBlock, DamagedBlocksAreRefusedAndTheRunningDayStays)
{
    const Disk_Bereich gut = {kopf(1, 1, 0), u32(1), eintrag(1, 1)};
    ASSERT_TRUE(laden(gut));
    Bytes falsche_laenge = eintrag(2, 2);
    Disk_LE32_Setzen(falsche_laenge.data() + 4, uint32_t(falsche_laenge.size()));
    Bytes abgeschnitten = eintrag(2, 2);
    abgeschnitten.pop_back();
    const std::vector<Disk_Bereich> schlecht = {
        {kopf(3, 1, 0), u32(0)},                                 // unknown version
        {kopf(1, 2, 0)},                                         // flag out of range
        {kopf(1, 1, 0), u32(201)},                               // too many games
        {kopf(1, 1, 0), u32(2), eintrag(2, 2)},                  // a record missing
        {kopf(1, 1, 0), u32(2), eintrag(2, 2), eintrag(2, 2)},   // a game twice
        {kopf(1, 1, 0), u32(1), eintrag(2, 5)},                  // image of another game
        {kopf(1, 1, 0), u32(1), eintrag(9, 9)},                  // a game the store does not hold
        {kopf(1, 1, 0), u32(1), falsche_laenge},
        {kopf(1, 1, 0), u32(1), abgeschnitten},
        {kopf(1, 1, 0), u32(1), eintrag(2, 2, SPIELFELD_RECORD_BYTES - 1)},
        {kopf(1, 1, 0), u32(1), eintrag(2, 2, SPIELFELD_RECORD_BYTES + 1)},
        {kopf(1, 0, 0), u32(0)},                                 // data behind the block
    };
    for (size_t i = 0; i < schlecht.size(); ++i) {
        Fehler_Capture cap;
        EXPECT_FALSE(laden(schlecht[i])) << i;
        EXPECT_TRUE(cap.contains("Spielfeld_Laden")) << i;
        EXPECT_NE(Spielfeld_Get_Spiel(1), nullptr) << i;
        EXPECT_EQ(Spielfeld_Get_Spiel(2), nullptr) << i;
        EXPECT_EQ(gespeichert(), (Disk_Bereich{kopf(SPIELFELD_BLOCK_VERSION, 1, 0), u32(1), mit_ende(eintrag(1, 1))})) << i;
    }
}

TEST_F(SpielfeldBlock, PendingChangesTravelWithTheRecordsAndAreCheckedWhole)
{
    ASSERT_TRUE(laden({kopf(1, 1, 0), u32(2), eintrag(1, 1), eintrag(2, 2)}));
    Spielfeld_Record* r = Spielfeld_Get_Spiel(2);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(Spielfeld_Aenderung_Minute(r, 0), -1);  // a version-1 block: nothing pending
    Spielfeld_Anweisungen_Fuellen(r);
    r->anweisungen[ANW_TAKTIK + 6] = 2;
    r->anweisungen[ANW_FLAGS] = ANWEISUNG_TAKTIK;
    r->minute = 40;
    Spielfeld_Anweisungen_Uebernehmen(r, 40);
    Spielfeld_Anweisungen_Anwenden(r, 41);
    const Disk_Bereich mitten = gespeichert();
    ASSERT_EQ(mitten.size(), 4u);
    // the tail sits after the packed image: flags, minute 42, the tactic
    const Bytes& e = mitten[3];
    const size_t ende = e.size() - 2 * SPIELFELD_AENDERUNG_BYTES;
    EXPECT_EQ(Disk_LE32_Lesen(e.data() + 4), ende - 8);
    EXPECT_EQ(e[ende], ANWEISUNG_TAKTIK);
    EXPECT_EQ(Disk_LE16_Lesen(e.data() + ende + 1), 42);
    EXPECT_EQ(e[ende + 4 + 6], 2);
    EXPECT_EQ(e[ende + SPIELFELD_AENDERUNG_BYTES], 0);

    ASSERT_TRUE(laden(mitten));
    r = Spielfeld_Get_Spiel(2);
    EXPECT_EQ(Spielfeld_Aenderung_Minute(r, 0), 42);
    Spielfeld_Anweisungen_Anwenden(r, 42);
    EXPECT_EQ(r->taktik[0][6], 2);
    EXPECT_EQ(Spielfeld_Aenderung_Minute(r, 0), -1);

    // a tail out of range or cut short is refused and the loaded day stays
    const Disk_Bereich gut = gespeichert();
    Disk_Bereich schlecht = mitten;
    schlecht[3][ende] = 16;
    Disk_Bereich kurz = mitten;
    kurz[3].pop_back();
    for (const Disk_Bereich& b : {schlecht, kurz}) {
        Fehler_Capture cap;
        EXPECT_FALSE(laden(b));
        EXPECT_TRUE(cap.contains("Spielfeld_Laden"));
        EXPECT_EQ(gespeichert(), gut);
    }
}

}  // namespace
