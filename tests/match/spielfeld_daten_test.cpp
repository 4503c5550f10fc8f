// Filling a live record and placing the sides: line-up order, goalkeepers, mirrored ends, the
// strength entries, the record's surroundings, determinism and the change of ends.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "common/capture.h"
#include "competitions/spiele_welt.h"
#include "database/assistent.h"
#include "database/manager.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "economy/stadion.h"
#include "match/pitch/spielfeld_daten.h"
#include "match/pitch/spielfeld_ereignis.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/pitch/spielfeld_spieler.h"
#include "match/pitch/spielfeld_wechsel.h"
#include "match/spielfeld.h"
#include "matchview/live/spielszenen_kamera.h"
#include "platform/zufall.h"

namespace {

using namespace spielwelt;
constexpr int32_t L = 10800, W = 6806;

class Aufstellung : public Spielwelt {
protected:
    int32_t block = -1;
    std::unique_ptr<Spielfeld_Record> r = std::make_unique<Spielfeld_Record>();

    void SetUp() override
    {
        Spielwelt::SetUp();
        // no stadium (nor its undersoil heating) that an earlier test of this process built
        Stadion_DeInit();
        Spielfeld_Init();
        *r = Spielfeld_Record{};
        r->team[0] = 1;
        r->team[1] = 2;
        for (Spielfeld_Spieler& e : r->spieler) e.spnr = -1;
        block = Spiele_Init_Neue_Spiele(1, 4, 20, 1, LIGA, -1);
    }
    void TearDown() override
    {
        Spielfeld_DeInit();
        Spielwelt::TearDown();
    }
    // A player joins the team at line-up cell `pos` (459 keeper) with his four tactical cells.
    void spieler(int32_t team, int32_t sp, int32_t pos, uint32_t kader, int32_t zelle = 229, int32_t zelle3 = 229)
    {
        ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, team, sp, 150, 0, 24, -1, false));
        Teamspieler_Wert(310, team, sp, pos, 1);
        Teamspieler_Wert(311, team, sp, zelle, 1);
        Teamspieler_Wert(312, team, sp, zelle + 17, 1);
        Teamspieler_Wert(313, team, sp, zelle3, 1);
        Teamspieler_Wert(314, team, sp, zelle3 + 1, 1);
        Teamspieler_Wert(317, team, sp, int32_t(kader), 8);
    }
    // Keeper 10, starters 11..20 at cells 40 + 17 k, substitutes 21..23.
    void kader(int32_t team)
    {
        spieler(team, 10, 459, TS_STARTELF);
        for (int32_t k = 0; k < 10; ++k) spieler(team, 11 + k, 40 + 17 * k, TS_STARTELF);
        for (int32_t k = 0; k < 3; ++k) spieler(team, 21 + k, 300 + k, TS_ERSATZ);
    }
    int32_t spiel(int32_t heim, int32_t gast)
    {
        const int32_t h = Spiele_Lock(block, 0, 0, 0);
        Spiele_Set_Teams(h, heim, gast);
        return h;
    }
};

TEST_F(Aufstellung, KeeperFirstThenLineUpOrderWithPointsAndBench)
{
    kader(1);
    Spielfeld_Team_An_Positionen(r.get(), 0, 0);
    EXPECT_EQ(r->spieler[0].spnr, 10);
    EXPECT_EQ(r->objekt[0].torwart, 1);
    EXPECT_EQ(r->objekt[0].x, 400.0f);
    EXPECT_EQ(r->objekt[0].y, 3202.0f);
    const int32_t tw[8] = {0, 550, 2487, 4319, 0, 550, W / 2, W / 2};
    for (int32_t i = 0; i < 8; ++i) EXPECT_EQ(r->spieler[0].taktik_punkte[i], tw[i]) << i;
    for (int32_t k = 0; k < 10; ++k) {
        EXPECT_EQ(r->spieler[1 + k].spnr, 11 + k);
        EXPECT_EQ(r->objekt[1 + k].torwart, 0);
        EXPECT_EQ(r->spieler[1 + k].zustand, uint32_t(SPIELFELD_AUF_DEM_PLATZ));
    }
    // Cell 229 is the centre spot; the next column lies a 26th of 96 m on.
    EXPECT_EQ(r->spieler[1].taktik_punkte[0], 5400);
    EXPECT_EQ(r->spieler[1].taktik_punkte[2], 3403);
    EXPECT_EQ(r->spieler[1].taktik_punkte[1], 9600 * 14 / 26 + 600);
    // Kick-off place of cell 40: column 2, row 6.
    EXPECT_EQ(r->objekt[1].x, float(L * 2 / 27));
    EXPECT_EQ(r->objekt[1].y, float(W * 6 / 17));
    EXPECT_EQ(r->objekt[1].aktiv, 1);
    for (int32_t k = 0; k < 3; ++k) {
        EXPECT_EQ(r->spieler[11 + k].zustand, uint32_t(SPIELFELD_ERSATZ));
        EXPECT_EQ(r->spieler[11 + k].bank_nummer, k);
    }
    EXPECT_EQ(r->spieler[14].spnr, -1);
    EXPECT_EQ(Spielfeld_Aufstellung_Spieler[0], 10);
    // A substitute without cells stands in the centre, never off the pitch.
    spieler(1, 40, -1, TS_ERSATZ, -1, -1);
    Teamspieler_Wert(312, 1, 40, -1, 1);
    Teamspieler_Wert(314, 1, 40, -1, 1);
    for (Spielfeld_Spieler& e : r->spieler) e.spnr = -1;
    Spielfeld_Team_An_Positionen(r.get(), 0, 0);
    int32_t s40 = 0;
    while (s40 < 16 && r->spieler[s40].spnr != 40) ++s40;
    ASSERT_LT(s40, 16);
    EXPECT_EQ(r->spieler[s40].zustand, uint32_t(SPIELFELD_ERSATZ));
    EXPECT_EQ(r->spieler[s40].taktik_punkte[0], 5400);
    EXPECT_EQ(r->spieler[s40].taktik_punkte[7], 3403);
    EXPECT_EQ(r->objekt[s40].x, float(L * 13 / 27));
    EXPECT_EQ(Spielfeld_Aufstellung_Zustand[s40], SPIELFELD_ERSATZ);
}

// A client reads its squad's fields one by one instead of in the link records: both ways must
// give the same line-up, slot by slot, for a full squad and for one far below the table's 50.
TEST_F(Aufstellung, LineUpReadInPlaceEqualsTheOneReadFieldByField)
{
    kader(1);
    // joined against the line-up order: the one further up first, the keeper last but one
    spieler(2, 30, 200, TS_STARTELF, 120, 121);
    spieler(2, 31, 57, TS_STARTELF, 60, 61);
    spieler(2, 32, 459, TS_STARTELF);
    spieler(2, 33, 300, TS_ERSATZ);
    const uint32_t rolle = Netz_Rolle;
    auto aufstellen = [&](uint32_t netz) {
        auto x = std::make_unique<Spielfeld_Record>();
        x->team[0] = 1;
        x->team[1] = 2;
        for (Spielfeld_Spieler& e : x->spieler) e.spnr = -1;
        Netz_Rolle = netz;
        Spielfeld_Team_An_Positionen(x.get(), 0, 0);
        Spielfeld_Team_An_Positionen(x.get(), 1, 1);
        Netz_Rolle = rolle;
        return x;
    };
    const auto direkt = aufstellen(0), gelesen = aufstellen(1);
    for (int32_t slot = 0; slot < SPIELFELD_SLOTS; ++slot) {
        const Spielfeld_Spieler &a = direkt->spieler[slot], &b = gelesen->spieler[slot];
        EXPECT_EQ(a.spnr, b.spnr) << slot;
        EXPECT_EQ(a.zustand, b.zustand) << slot;
        EXPECT_EQ(a.bank_nummer, b.bank_nummer) << slot;
        EXPECT_EQ(0, std::memcmp(a.taktik_punkte, b.taktik_punkte, sizeof a.taktik_punkte)) << slot;
        EXPECT_EQ(direkt->objekt[slot].torwart, gelesen->objekt[slot].torwart) << slot;
        EXPECT_EQ(direkt->objekt[slot].x, gelesen->objekt[slot].x) << slot;
        EXPECT_EQ(direkt->objekt[slot].y, gelesen->objekt[slot].y) << slot;
    }
    // The small squad fills its first four slots in line-up order, keeper first, and leaves the rest empty.
    const int32_t folge[4] = {32, 31, 30, 33};
    for (int32_t k = 0; k < 4; ++k) EXPECT_EQ(direkt->spieler[16 + k].spnr, folge[k]) << k;
    EXPECT_EQ(direkt->objekt[16].torwart, 1);
    EXPECT_EQ(direkt->spieler[19].zustand, uint32_t(SPIELFELD_ERSATZ));
    EXPECT_EQ(direkt->spieler[20].spnr, -1);
    EXPECT_EQ(direkt->spieler[14].spnr, -1);
}

// Equal line-up cells keep the squad's order, and so does a keeper against a player without a
// cell (both sort first): the slots, and with them every later draw over them, follow it.
TEST_F(Aufstellung, EqualCellsKeepTheSquadsOrder)
{
    spieler(2, 30, 100, TS_STARTELF);
    spieler(2, 31, -1, TS_ERSATZ, -1, -1);
    spieler(2, 32, 50, TS_STARTELF);
    spieler(2, 33, 459, TS_STARTELF);
    spieler(2, 34, 100, TS_STARTELF);
    spieler(2, 35, 50, TS_ERSATZ);
    spieler(2, 36, -1, TS_STARTELF, -1, -1);
    spieler(2, 37, 100, TS_ERSATZ);
    spieler(2, 38, 7, TS_STARTELF);
    Spielfeld_Team_An_Positionen(r.get(), 1, 0);
    const int32_t folge[9] = {31, 33, 36, 38, 32, 35, 30, 34, 37};
    for (int32_t k = 0; k < 9; ++k) EXPECT_EQ(r->spieler[16 + k].spnr, folge[k]) << k;
    EXPECT_EQ(r->spieler[25].spnr, -1);
    EXPECT_EQ(r->objekt[17].torwart, 1);
    // the bench numbers count the substitutes in that order
    EXPECT_EQ(r->spieler[16].bank_nummer, 0);
    EXPECT_EQ(r->spieler[21].bank_nummer, 1);
    EXPECT_EQ(r->spieler[24].bank_nummer, 2);
}

TEST_F(Aufstellung, MirroredSideAttacksTheOtherWay)
{
    kader(1);
    Spielfeld_Team_An_Positionen(r.get(), 0, 1);
    EXPECT_EQ(r->objekt[0].x, float(L - 400));
    EXPECT_EQ(r->objekt[0].y, float(W - 3202));
    const int32_t tw[8] = {L - 550, L, W - 4319, W - 2487, L, L - 550, W - W / 2, W - W / 2};
    for (int32_t i = 0; i < 8; ++i) EXPECT_EQ(r->spieler[0].taktik_punkte[i], tw[i]) << i;
    EXPECT_EQ(r->spieler[1].taktik_punkte[0], L - 5769);
    EXPECT_EQ(r->spieler[1].taktik_punkte[1], L - 5400);
}

// Corner cells give the pitch's outermost points; another pitch size moves every point with it.
TEST_F(Aufstellung, CellPointsReachTheGridsCornersAndFollowThePitchSize)
{
    spieler(1, 10, 459, TS_STARTELF);
    spieler(1, 11, 458, TS_STARTELF, 441, 0);  // cells 441, 458, 0, 1; placed at cell 458
    const int32_t masse[2] = {Spielfeld_Masse[0], Spielfeld_Masse[1]};
    for (const auto& [l, w] : {std::pair{9000, 6000}, std::pair{L, W}}) {
        Spielfeld_Masse[0] = l;
        Spielfeld_Masse[1] = w;
        for (Spielfeld_Spieler& e : r->spieler) e.spnr = -1;
        Spielfeld_Team_An_Positionen(r.get(), 0, 0);
        Spielfeld_Masse[0] = masse[0];
        Spielfeld_Masse[1] = masse[1];
        const int32_t erwartet[8] = {(l - 1200) * 25 / 26 + 600, l - 600, w - 30, w - 30, 600, 600, 30, 30 + (w - 60) / 16};
        for (int32_t i = 0; i < 8; ++i) EXPECT_EQ(r->spieler[1].taktik_punkte[i], erwartet[i]) << l << " " << i;
        EXPECT_EQ(r->objekt[1].x, float(l * 26 / 27)) << l;
        EXPECT_EQ(r->objekt[0].y, float(w * 8 / 17)) << l;
    }
}

TEST_F(Aufstellung, TwelfthStarterIsReportedOnceAndLeftOut)
{
    kader(1);
    spieler(1, 30, 450, TS_STARTELF);
    Fehler_Capture cap;
    Spielfeld_Team_An_Positionen(r.get(), 0, 0);
    EXPECT_EQ(cap.texts.size(), 1u);
    EXPECT_TRUE(cap.contains("mehr als 11 Feldspielern"));
    for (int32_t s = 0; s < 16; ++s) EXPECT_NE(r->spieler[s].spnr, 30);
    EXPECT_EQ(r->spieler[10].spnr, 20);
}

TEST_F(Aufstellung, TwoKeepersOrNoneAtAll)
{
    kader(1);
    spieler(1, 30, 459, TS_STARTELF);
    Teamspieler_Wert(317, 1, 20, TS_STARTELF, 4);
    Spielfeld_Team_An_Positionen(r.get(), 0, 0);
    EXPECT_EQ(r->objekt[0].torwart + r->objekt[1].torwart, 2);
    EXPECT_EQ(r->spieler[1].taktik_punkte[1], 550);

    // Team 2 without a keeper: the starter with the deepest third point keeps goal.
    for (int32_t k = 0; k < 11; ++k) spieler(2, 40 + k, 60 + 17 * k, TS_STARTELF, 229, k == 6 ? 17 : 200);
    Spielfeld_Team_An_Positionen(r.get(), 1, 0);
    int32_t torhueter = 0;
    for (int32_t s = 16; s < 32; ++s) torhueter += r->objekt[s].torwart;
    EXPECT_EQ(torhueter, 1);
    EXPECT_EQ(r->objekt[16 + 6].torwart, 1);
    EXPECT_EQ(r->spieler[16 + 6].taktik_punkte[1], 550);
}

TEST_F(Aufstellung, FilledRecordHasItsSurroundingsAndIsDeterministic)
{
    kader(1);
    const int32_t h = spiel(1, 2);
    Spiele_Get_Spiel(h, 1)->wetter = 90;
    Spiele_Get_Spiel(h, 1)->temperatur = -3;
    std::vector<uint8_t> bild[2];
    for (auto& b : bild) {
        Spielfeld_Init();
        Zufall_Set_Seed(777);
        ASSERT_TRUE(Spielfeld_Record_Anlegen(h, 2, 0, nullptr, 1, 0));
        b.resize(SPIELFELD_RECORD_BYTES);
        Spielfeld_Record_Schreiben(*Spielfeld_Get_Spiel(h), b.data());
        auto zurueck = std::make_unique<Spielfeld_Record>();
        Spielfeld_Record_Lesen(b.data(), *zurueck);
        std::vector<uint8_t> wieder(SPIELFELD_RECORD_BYTES);
        Spielfeld_Record_Schreiben(*zurueck, wieder.data());
        EXPECT_EQ(wieder, b);
    }
    for (uint32_t i = 20348; i < 20352; ++i) bild[0][i] = bild[1][i] = 0;
    EXPECT_EQ(bild[0], bild[1]);

    const Spielfeld_Record* f = Spielfeld_Get_Spiel(h);
    EXPECT_EQ(Ball_Objekt, &f->objekt[35]);
    EXPECT_EQ(Ball_Auftrag, &f->objekt[35].auftrag[0]);
    EXPECT_EQ(f->aktiv, 1);  // filled for the pitch, not shown
    EXPECT_EQ(f->anzeige, 0);
    EXPECT_EQ(f->wetter, 3) << "snow without undersoil heating";
    EXPECT_FLOAT_EQ(f->boden_faktor, 1.4f);
    EXPECT_EQ(f->zuschauer_stimmung[1], 40);
    EXPECT_EQ(f->schiri_wert[0], 3);
    EXPECT_EQ(f->aktions_sperre, 1);
    EXPECT_EQ(f->periode, 1u);
    EXPECT_EQ(f->wechsel_uebrig[1], 3);
    // A dressing room starts with an empty response curve, not a complete one of zeros.
    EXPECT_EQ(f->antwortkurve[0][0], -1);
    EXPECT_EQ(f->antwortkurve[1][37], -1);
    EXPECT_GE(f->tempo_faktor, 1.0f);
    EXPECT_EQ(f->objekt[32].aktiv, 1);
    EXPECT_EQ(f->objekt[32].x, float(L / 2));
    EXPECT_EQ(f->objekt[32].y, float(W / 2 - 150));
    EXPECT_EQ(f->objekt[34].y, float(W));
    EXPECT_EQ(f->objekt[40].x, float(L));
    EXPECT_EQ(f->objekt[41].z, 300.0f);
    EXPECT_EQ(f->objekt[48].wert_276, -1);
    EXPECT_EQ(f->objekt[35].zielpunkt, 1);
    EXPECT_EQ(f->objekt[35].x, float(L / 2));
    // The ends follow the drawn swap.
    const int32_t heim_tor = f->seiten_getauscht ? 0 : L;
    EXPECT_EQ(f->tor_x[0], heim_tor);
    EXPECT_EQ(f->spieler[0].taktik_punkte[0], f->seiten_getauscht ? L - 550 : 0);
    EXPECT_EQ(f->spieler[0].kraft, 9999u);
    EXPECT_EQ(f->spieler[0].fitness, 100);
}

// A background game's record new from the list skips the fill's clear: it must come out as one
// filled over an old record, and its sides' strengths as the slot-by-slot reckoning gives them.
TEST_F(Aufstellung, BackgroundRecordNewFromTheListEqualsOneFilledOverAnOldOne)
{
    kader(1);
    const int32_t h = spiel(1, 2);
    const Spiele_Spiel* sp = Spiele_Get_Spiel(h, 0);
    ASSERT_NE(sp, nullptr);
    auto neu = std::make_unique<Spielfeld_Record>();
    auto alt = std::make_unique<Spielfeld_Record>();
    std::memset(static_cast<void*>(alt.get()), 0x5A, sizeof(Spielfeld_Record));
    std::vector<uint8_t> bild[2];
    int32_t k = 0;
    for (Spielfeld_Record* x : {neu.get(), alt.get()}) {
        x->seed = 4321;
        x->anzeige = 0;
        Zufall_Set_Seed(99);
        Spielfeld_Daten_Eintragen_Hintergrund(x, sp, h, x == neu.get());
        bild[k].resize(SPIELFELD_RECORD_BYTES);
        Spielfeld_Record_Schreiben(*x, bild[k++].data());
    }
    EXPECT_EQ(bild[0], bild[1]);
    EXPECT_EQ(neu->seed, 4321u) << "the record's seed survives the fill";
    EXPECT_EQ(neu->aktiv, 0);
    EXPECT_EQ(neu->beschriftung, -3) << "a game comes into the view with every player's number";
    EXPECT_EQ(neu->spieler[0].kraft, 9999u) << "the keeper";
    // A field player's slot reckoned alone gives the same values as the side at once.
    ASSERT_GE(neu->spieler[1].spnr, 0);
    const Spielfeld_Spieler vorher = neu->spieler[1];
    neu->spieler[1].kraft = 0;
    neu->spieler[1].fitness = 0;
    Zufall_Set_Seed(7);
    Spielfeld_Get_Spielerkraft(neu.get(), 1, 1);
    const Spielfeld_Spieler einzeln = neu->spieler[1];
    neu->spieler[1] = vorher;
    neu->spieler[1].kraft = 0;
    Zufall_Set_Seed(7);
    Spielfeld_Get_Spielerkraft_Seite(neu.get(), 0);
    EXPECT_EQ(std::memcmp(&einzeln, &neu->spieler[1], sizeof einzeln), 0);
    EXPECT_GT(einzeln.kraft, 0u);
}

// A manager's club left alone plays at a computer club's effort, and both take tired players off
// without an assistant; the manager's slider still counts.
TEST_F(Aufstellung, AManagersClubPlaysOnTheSameFootingAsAComputerClub)
{
    kader(1);
    kader(2);
    static Manager_Struktur manager{};
    T_Fix[1].manager = &manager;
    struct Ohne {
        ~Ohne() { T_Fix[1].manager = nullptr; }
    } ohne;
    ASSERT_TRUE(Team_Hat_Manager(1));
    ASSERT_FALSE(Team_Hat_Manager(2));
    ASSERT_LT(Assistent_Mit_Aufgabe(1, 0), 0) << "a new manager has no assistant";
    const Spiele_Spiel* sp = Spiele_Get_Spiel(spiel(1, 2), 0);
    ASSERT_NE(sp, nullptr);
    for (const int32_t figur : {70, 99, 20}) {
        SCOPED_TRACE(figur);
        Team_Wert(TEAM_OPTION, 1, figur, TEAM_SCHREIBEN);
        Team_Wert(TEAM_OPTION, 2, 40, TEAM_SCHREIBEN);
        Zufall_Set_Seed(5);
        Spielfeld_Daten_Eintragen_Hintergrund(r.get(), sp, 0, false);
        EXPECT_EQ(r->einsatz[0], figur);
        EXPECT_EQ(r->einsatz[1], 70);
        EXPECT_EQ(r->assistent[0], 1);
        EXPECT_EQ(r->assistent[1], 1);
    }
}

TEST_F(Aufstellung, TacticsChangeRecomputesOnlyThePlayersOnThePitch)
{
    kader(1);
    Spielfeld_Team_An_Positionen(r.get(), 0, 1);
    Teamspieler_Wert(311, 1, 11, 17 * 20 + 3, 1);
    Teamspieler_Wert(311, 1, 21, 17 * 20 + 3, 1);
    const int32_t bank_x1 = r->spieler[11].taktik_punkte[0];
    Spielfeld_Taktik_Positionen_Setzen(r.get(), 0, 1);
    EXPECT_EQ(r->spieler[1].taktik_punkte[1], L - (9600 * 20 / 26 + 600));
    EXPECT_EQ(r->spieler[1].taktik_punkte[3], W - ((W - 60) * 3 / 16 + 30));
    EXPECT_EQ(r->spieler[11].taktik_punkte[0], bank_x1) << "substitutes wait for their turn";
    EXPECT_EQ(r->spieler[0].taktik_punkte[0], L - 550) << "the keeper keeps his goal";
}

TEST_F(Aufstellung, PercentOfEveryValueForFieldPlayersAndKeepers)
{
    const int32_t tw = 60, feld = 61;
    Spieler_Fix_Daten[tw].lieblingspos = SP_POS_TORWART;
    Spieler_Fix_Daten[feld].lieblingspos = 100;
    for (int32_t sp : {tw, feld}) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 5, sp, 150, 0, 24, -1, false));
    Spieler_Wert(60, tw, 7, 1);
    Spieler_Werte_Prozent_Setzen(5, 150);
    int32_t lo = 0, hi = 0;
    Spieler_Wert_Min_Max(58, &lo, &hi);
    EXPECT_EQ(Spieler_Wert(58, feld, 0, 0), hi);
    EXPECT_EQ(Spieler_Wert(60, tw, 0, 0), 7) << "a keeper's field values stay";
    Spieler_Wert_Min_Max(83, &lo, &hi);
    EXPECT_EQ(Spieler_Wert(83, feld, 0, 0), std::max(lo, 100 - hi));
    Spieler_Wert_Min_Max(79, &lo, &hi);
    EXPECT_EQ(Spieler_Wert(79, tw, 0, 0), hi);
    Spieler_Werte_Prozent_Setzen(5, -20);
    Spieler_Wert_Min_Max(60, &lo, &hi);
    EXPECT_EQ(Spieler_Wert(60, feld, 0, 0), std::max(lo, 0));
    Spieler_Wert_Min_Max(80, &lo, &hi);
    EXPECT_EQ(Spieler_Wert(80, tw, 0, 0), std::max(lo, 0));
}

int32_t rasenheizung(int32_t, int32_t slot) { return slot == 8 ? 1 : 0; }

TEST(SpielfeldUmgebung, WeatherFromRainTemperatureAndUndersoilHeating)
{
    auto r = std::make_unique<Spielfeld_Record>();
    Spiele_Spiel m{};
    m.wetter = 76;
    m.temperatur = -5;
    Spielfeld_Umgebung_Setzen(r.get(), &m);
    EXPECT_EQ(r->wetter, 0);
    EXPECT_FLOAT_EQ(r->boden_faktor, 1.2f);
    m.wetter = 77;
    m.temperatur = 2;
    Spielfeld_Umgebung_Setzen(r.get(), &m);
    EXPECT_EQ(r->wetter, 1);
    EXPECT_FLOAT_EQ(r->boden_faktor, 1.4f);
    m.temperatur = 1;
    Stadion_Set_Anlage_Abfrage(rasenheizung);
    Spielfeld_Umgebung_Setzen(r.get(), &m);
    Stadion_Set_Anlage_Abfrage(nullptr);
    EXPECT_EQ(r->wetter, 2);
    EXPECT_FLOAT_EQ(r->boden_faktor, 1.4f);
    m.wetter = 255;  // no match data yet
    Spielfeld_Umgebung_Setzen(r.get(), &m);
    EXPECT_EQ(r->wetter, 0);
    EXPECT_EQ(r->aktions_sperre, 1);
}

TEST_F(Aufstellung, BallPointersNeverOutliveTheRecords)
{
    kader(1);
    ASSERT_TRUE(Spielfeld_Record_Anlegen(spiel(1, 2), 2, 0, nullptr, 1, 0));
    ASSERT_NE(Ball_Objekt, nullptr);
    Spielfeld_DeInit();
    EXPECT_EQ(Ball_Objekt, nullptr);
    EXPECT_EQ(Ball_Auftrag, nullptr);
}

// Each game finds its own record while others are added after it, and none once the day's
// records are gone; a game of a new day finds only the records of that day.
TEST_F(Aufstellung, EachGameFindsItsRecordWhileTheDayGrows)
{
    const int32_t h[3] = {spiel(1, 2), Spiele_Lock(block, 0, 0, 1), Spiele_Lock(block, 1, 0, 0)};
    Spiele_Set_Teams(h[1], 3, 4);
    Spiele_Set_Teams(h[2], 2, 3);
    ASSERT_TRUE(Spielfeld_Record_Anlegen(h[0], 0, 0, nullptr, 1, 0));
    const Spielfeld_Record* erster = Spielfeld_Get_Spiel(h[0]);
    ASSERT_NE(erster, nullptr);
    EXPECT_EQ(Spielfeld_Get_Spiel(h[1]), nullptr);
    ASSERT_TRUE(Spielfeld_Record_Anlegen(h[1], 0, 0, nullptr, 1, 0));
    ASSERT_TRUE(Spielfeld_Record_Anlegen(h[2], 0, 0, nullptr, 1, 0));
    EXPECT_EQ(Spielfeld_Get_Spiel(h[0]), erster);
    for (int32_t g : h) {
        ASSERT_NE(Spielfeld_Get_Spiel(g), nullptr);
        EXPECT_EQ(Spielfeld_Get_Spiel(g)->spiel, uint32_t(g));
    }
    EXPECT_EQ(Spielfeld_Get_Spiel(h[2] + 100), nullptr);
    Spielfeld_DeInit();
    for (int32_t g : h) EXPECT_EQ(Spielfeld_Get_Spiel(g), nullptr);
    Spielfeld_Init();
    ASSERT_TRUE(Spielfeld_Record_Anlegen(h[1], 0, 0, nullptr, 1, 0));
    EXPECT_EQ(Spielfeld_Get_Spiel(h[0]), nullptr);
    ASSERT_NE(Spielfeld_Get_Spiel(h[1]), nullptr);
    EXPECT_EQ(Spielfeld_Get_Spiel(h[1])->spiel, uint32_t(h[1]));
}

// One record a game however the list changed since the last insert: a game whose record was
// taken out of the list has one again, at the list's end, and the others stay refused.
TEST_F(Aufstellung, OneRecordAGameWhileTheListChangesBetweenInserts)
{
    const int32_t h[3] = {spiel(1, 2), Spiele_Lock(block, 0, 0, 1), Spiele_Lock(block, 1, 0, 0)};
    Spiele_Set_Teams(h[1], 3, 4);
    Spiele_Set_Teams(h[2], 2, 3);
    for (int32_t g : h) ASSERT_TRUE(Spielfeld_Record_Anlegen(g, 0, 0, nullptr, 1, 0));
    Liste_Delete_Element(&Spielfeld_Liste, Spielfeld_Liste.next->next);
    ASSERT_TRUE(Spielfeld_Record_Anlegen(h[1], 0, 0, nullptr, 1, 0));
    const Fehler_Capture fehler;
    EXPECT_FALSE(Spielfeld_Record_Anlegen(h[2], 0, 0, nullptr, 1, 0));
    EXPECT_EQ(fehler.texts.size(), 1u);
    std::vector<uint32_t> folge;
    for (const Liste_Element* e = Spielfeld_Liste.next; e; e = e->next) folge.push_back(e->key);
    EXPECT_EQ(folge, (std::vector<uint32_t>{uint32_t(h[0]), uint32_t(h[2]), uint32_t(h[1])}));
}

TEST_F(Aufstellung, NextHalfChangesEndsConsistently)
{
    kader(1);
    const int32_t h = spiel(1, 2);
    ASSERT_TRUE(Spielfeld_Record_Anlegen(h, 2, 0, nullptr, 1, 0));
    Spielfeld_Record* f = Spielfeld_Get_Spiel(h);
    const uint8_t vorher = f->seiten_getauscht;
    const int32_t tor0 = f->tor_x[0], tor1 = f->tor_x[1];
    const Spielfeld_Spieler stuermer = f->spieler[5];
    Spielfeld_Anpfiff(h, 1);
    EXPECT_EQ(f->seiten_getauscht, vorher ^ 1);
    EXPECT_EQ(f->tor_x[0], tor1);
    EXPECT_EQ(f->tor_x[1], tor0);
    EXPECT_EQ(f->periode, 2u);
    const Spielfeld_Spieler& jetzt = f->spieler[5];
    EXPECT_EQ(jetzt.taktik_punkte[0], L - stuermer.taktik_punkte[1]);
    EXPECT_EQ(jetzt.taktik_punkte[1], L - stuermer.taktik_punkte[0]);
    EXPECT_EQ(jetzt.taktik_punkte[6], W - stuermer.taktik_punkte[6]);
    EXPECT_EQ(f->objekt[5].x, float((jetzt.taktik_punkte[0] + jetzt.taktik_punkte[1]) / 2));
    // The keeper now guards the goal the other side attacks.
    EXPECT_EQ(f->spieler[0].taktik_punkte[4], f->tor_x[0] == L ? 0 : L);
}

// A change made during the break (the dressing room's drop, an assistant's pair still queued)
// comes on with the next half's kick-off, not at its first stoppage: the replaced man sits at
// once and the substitute starts in his place, turned round with the ends.
TEST_F(Aufstellung, AChangeQueuedAtTheBreakComesOnWithTheNextHalfsKickOff)
{
    kader(1);
    const int32_t h = spiel(1, 2);
    ASSERT_TRUE(Spielfeld_Record_Anlegen(h, 2, 0, nullptr, 1, 0));
    Spielfeld_Record* f = Spielfeld_Get_Spiel(h);
    ASSERT_EQ(f->spieler[11].zustand, uint32_t(SPIELFELD_ERSATZ));
    // the replaced man's zones apart from the substitute's own
    f->spieler[5].taktik_punkte[0] = 1000;
    f->spieler[5].taktik_punkte[1] = 2000;
    f->einwechsel[0][0] = 11;
    f->auswechsel[0][0] = 5;
    Spielfeld_Anpfiff(h, 1);
    EXPECT_EQ(f->spieler[11].zustand, uint32_t(SPIELFELD_AUF_DEM_PLATZ));
    EXPECT_EQ(f->objekt[11].aktiv, 1);
    EXPECT_EQ(f->objekt[11].zustand, 0) << "nobody walks at a kick-off";
    EXPECT_EQ(f->spieler[11].taktik_punkte[0], L - 2000);
    EXPECT_EQ(f->spieler[11].taktik_punkte[1], L - 1000);
    EXPECT_EQ(f->objekt[11].x, float((f->spieler[11].taktik_punkte[0] + f->spieler[11].taktik_punkte[1]) / 2));
    EXPECT_EQ(f->objekt[5].aktiv, 0);
    EXPECT_EQ(f->spieler[5].zustand & SPIELFELD_AUF_DEM_PLATZ, 0u);
    EXPECT_NE(f->spieler[5].zustand & SPIELFELD_AUSGEWECHSELT, 0u);
    EXPECT_EQ(f->einwechsel[0][0], -1);
    EXPECT_EQ(f->auswechsel[0][0], -1);
    EXPECT_EQ(f->wechsel_uebrig[0], 2);
    // The ticker's event names him; the kick-off itself is play.
    EXPECT_EQ(f->kopf.offen, 1);
    EXPECT_NE(f->kopf.code & EREIGNIS_WECHSEL, 0u);
    EXPECT_EQ(f->kopf.slot, 11);
    EXPECT_EQ(f->situation, 0u);
}

// The away side's home factor is one for the whole side, except under the amateur home right,
// where each player's own value sets it: a weak player loses a larger share than a strong one.
TEST_F(Aufstellung, AmateurHomeRightWeighsEachAwayPlayerByHisOwnValue)
{
    kader(1);
    kader(2);
    Spieler_Wert(58, 11, 20, 1);
    Spieler_Wert(58, 12, 95, 1);
    const int32_t h = spiel(1, 2);
    auto kraft_auswaerts = [&](bool amateur) {
        auto recs = testwelt::bauen();
        recs[testwelt::A1].erste_gelbsperre = 5;
        if (amateur) recs[testwelt::A1].modus |= AMATEUR_HEIMRECHT;
        EXPECT_TRUE(Wettbewerb_Uebernehmen(recs.data(), testwelt::ANZAHL, testwelt::TEAM_ANZAHL));
        auto x = std::make_unique<Spielfeld_Record>();
        Zufall_Set_Seed(99);
        Spielfeld_Daten_Eintragen_Hintergrund(x.get(), Spiele_Get_Spiel(h, 0), h, true);
        std::vector<int32_t> k(2, -1);
        for (int32_t slot = 16; slot < 32; ++slot)
            for (int32_t i = 0; i < 2; ++i)
                if (x->spieler[slot].spnr == 11 + i) k[size_t(i)] = x->spieler[slot].faehigkeit[FAEHIGKEIT_KRAFT];
        return k;
    };
    const std::vector<int32_t> normal = kraft_auswaerts(false), amateur = kraft_auswaerts(true);
    ASSERT_GT(normal[0], 0);
    ASSERT_GT(normal[1], normal[0]);
    EXPECT_LT(amateur[0], normal[0]);
    EXPECT_LT(amateur[1], normal[1]);
    EXPECT_LT(amateur[0] * 1000 / normal[0], amateur[1] * 1000 / normal[1]);
}

TEST_F(Aufstellung, StrengthEntryOrderKeeperValuesAndKraft)
{
    kader(1);
    Spieler_Wert(72, 11, 70, 1);
    Spieler_Wert(73, 11, 10, 1);
    Spieler_Wert(71, 11, 40, 1);
    Spielfeld_Team_An_Positionen(r.get(), 0, 0);
    r->staerke[0] = 50;
    Zufall_Set_Seed(99);
    Spielfeld_Get_Spielerstaerke(r.get(), 1, 1);
    const Spielfeld_Spieler feld = r->spieler[1];
    EXPECT_GT(feld.faehigkeit[13], feld.faehigkeit[15]);
    EXPECT_GT(feld.faehigkeit[15], feld.faehigkeit[14]);
    EXPECT_EQ(feld.kraft, uint32_t((1000 - feld.faehigkeit[21]) * 2 + 3 * feld.faehigkeit[0] + 5000));
    EXPECT_EQ(feld.fitness, (1100 - feld.faehigkeit[1]) / 2);
    EXPECT_TRUE(feld.faehigkeit[21] == 0 || feld.faehigkeit[21] >= 500);
    // The same player as the keeper object: no home factor, his own Kraft and Fitness.
    r->objekt[1].torwart = 1;
    Zufall_Set_Seed(99);
    Spielfeld_Get_Spielerstaerke(r.get(), 1, 1);
    const Spielfeld_Spieler& tw = r->spieler[1];
    EXPECT_NEAR(tw.faehigkeit[0] * 92 / 100, feld.faehigkeit[0], 1);
    EXPECT_GT(tw.faehigkeit[0], feld.faehigkeit[0]);
    EXPECT_EQ(tw.faehigkeit[2], tw.faehigkeit[19]);
    EXPECT_EQ(tw.faehigkeit[6], tw.faehigkeit[19]);
    EXPECT_EQ(tw.kraft, 9999u);
    EXPECT_EQ(tw.fitness, 100);
    Fehler_Capture cap;
    Spielfeld_Get_Spielerstaerke(r.get(), 1, 32);
    EXPECT_TRUE(cap.contains("Spielfeld_Get_Spielerstaerke 32"));
}

}  // namespace
