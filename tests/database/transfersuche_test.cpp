// Squad planning and the weekly transfer search: squad limits, listing from a crowded area,
// search slots for the thin one, and which players the search offers for.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <vector>

#include "common/capture.h"
#include "database/assi_aufstellung.h"
#include "database/assistent.h"
#include "database/db_hilfe.h"
#include "database/manager.h"
#include "database/richter.h"
#include "database/teamspieler.h"
#include "economy/bank.h"
#include "gameflow/highscore.h"
#include "gameflow/news.h"
#include "platform/sortiere.h"
#include "platform/zufall.h"

namespace {

constexpr int32_t SYSTEM = 5;

std::vector<Spieler_Angebot> angebote()
{
    std::vector<Spieler_Angebot> a;
    for (Liste_Element* e = Richter_Liste.next; e; e = e->next)
        if (e->key == RICHTER_ANGEBOT) a.push_back(*static_cast<const Spieler_Angebot*>(e->data));
    return a;
}

struct Suche : ::testing::Test {
    int32_t naechster = 0;
    void SetUp() override
    {
        Test_Teams_Anlegen(12);
        Test_Spieler_Anlegen(300);
        News_Init();
        Highscore_Init();
        Richter_Init();
        Netz_Rolle = 2;
        Schwierigkeitsstufe = 2;
        Aktueller_Tag = 100;
        Zufall(0, 1);
        Zufall_Set_Seed(2024);
        for (int32_t t = 0; t < 12; ++t) {
            T_Own[t].oberliga = SYSTEM;
            T_Own[t].finanzkraft = 50;
        }
        Bank_Set_Kontostand_Abfrage([](int32_t, int32_t) { return 50000000; });
    }
    void TearDown() override
    {
        Netz_Rolle = 2;  // a client would keep its manager records
        Bank_Set_Kontostand_Abfrage(nullptr);
        Richter_DeInit();
        News_Init();
        Manager_Anzahl = 0;
        Highscore_Init();
        Test_Aufraeumen();
        Aktueller_Tag = 0;
    }
    // A new player of the team at a favourite cell.
    int32_t neu(int32_t team, int32_t zelle, int32_t alter = 25, int32_t monate = 24)
    {
        const int32_t p = naechster++;
        Spieler_Fix_Daten[p].lieblingspos = static_cast<int16_t>(zelle);
        Spieler_Daten[p].alter = static_cast<uint8_t>(alter);
        Spieler_Egal_Daten[p].heimatsystem = SYSTEM;
        EXPECT_TRUE(Teamspieler_Kommt_Oder_Geht(1, team, p, 100, 0, monate, -1, false));
        return p;
    }
    // Club 0 poor (selling limit 17) with 22 players: 2 keepers and the 20 returned, aged 20..25,
    // in the crowded coarse cell of rows 3..5, columns 7..9 (cell 76).
    std::vector<int32_t> gedraengt()
    {
        T_Own[0].finanzkraft = 10;
        neu(0, SP_POS_TORWART);
        neu(0, SP_POS_TORWART);
        std::vector<int32_t> feld;
        for (int32_t i = 0; i < 20; ++i) feld.push_back(neu(0, 76, 20 + i % 6));
        return feld;
    }
    // Slot k of the buyer wants any player of cells a..b (or a keeper).
    static void slot(int32_t b, int32_t k, int32_t a, int32_t z, bool torwart = false, int32_t preis = 100)
    {
        Team_Transfersuche& s = T_Own[b].suche;
        s.alter_min[k] = 16;
        s.alter_max[k] = 40;
        s.staerke_min[k] = 1;
        s.staerke_max[k] = 999;
        s.zelle_a[k] = static_cast<int16_t>(a);
        s.zelle_b[k] = static_cast<int16_t>(z);
        s.spieler[k] = -1;
        s.preis[k] = static_cast<uint16_t>(preis);
        s.torwart[k] = torwart;
        s.aktiv[k] = 1;
    }
    static bool gelistet(int32_t team, int32_t p) { return Teamspieler_Wert(317, team, p, 0, 0) & TS_TRANSFERLISTE; }
    static void suchen(std::vector<int32_t> vereine)
    {
        Richter_Spieler_Transfer_Suche_Spieler(vereine.data(), static_cast<int32_t>(vereine.size()));
    }
};

TEST_F(Suche, SquadLimitsFollowTheFinancialStrength)
{
    // a computer club with a season of its wages in the bank plans by its place in the table
    Bank_Set_Kontostand_Abfrage([](int32_t, int32_t) { return 50000000; });
    for (auto [g, verkauf, kauf] : {std::tuple{0, 17, 20}, std::tuple{50, 19, 22}, std::tuple{99, 22, 25}}) {
        T_Own[3].finanzkraft = static_cast<uint8_t>(g);
        EXPECT_EQ(Assi_Kader_Grenze(3), verkauf);
        EXPECT_EQ(Assi_Kader_Grenze_Kauf(3), kauf);
    }
    // one in debt plans as a poor club, whatever its place
    Bank_Set_Kontostand_Abfrage([](int32_t, int32_t) { return -1; });
    EXPECT_EQ(Assi_Kader_Grenze(3), 17);
    EXPECT_EQ(Assi_Kader_Grenze_Kauf(3), 20);
    // a manager's club: its balance in money bases (none known here: 0)
    Manager_Neuer_Mitspieler(4, "M");
    Bank_Set_Kontostand_Abfrage([](int32_t, int32_t) { return 50000000; });
    EXPECT_EQ(Team_Get_Finanzkraft(4), 96);
    Bank_Set_Kontostand_Abfrage([](int32_t, int32_t) { return -5; });
    EXPECT_EQ(Team_Get_Finanzkraft(4), 0);
    EXPECT_EQ(Team_Get_Finanzkraft(Transfermarkt_Team), 0);
}

TEST_F(Suche, AShortSquadSignsTheKindsItLacksFromTheMarket)
{
    for (int32_t t = 0; t < Transfermarkt_Team; ++t)
        if (t != 1 && t != 2) T[t].status = 1;  // not in a league
    // 14 players and no keeper
    for (int32_t i = 0; i < 4; ++i) neu(1, 10);
    for (int32_t i = 0; i < 5; ++i) neu(1, 200);
    for (int32_t i = 0; i < 5; ++i) neu(1, 400);
    const int32_t feld = neu(Transfermarkt_Team, 10);
    const int32_t torwart = neu(Transfermarkt_Team, SP_POS_TORWART);
    const int32_t zweiter = neu(Transfermarkt_Team, SP_POS_TORWART);
    // a club with its eleven and its bench signs nobody
    for (int32_t i = 0; i < TEAM_KADER_MINIMUM; ++i) neu(2, 200);
    Team_Kader_Auffuellen();
    EXPECT_EQ(T[1].spieleranzahl, TEAM_KADER_MINIMUM);
    EXPECT_EQ(T[2].spieleranzahl, TEAM_KADER_MINIMUM);
    EXPECT_GE(Teamspieler_Ist_Im_Team(1, torwart), 0);
    EXPECT_GE(Teamspieler_Ist_Im_Team(1, zweiter), 0);
    EXPECT_GE(Teamspieler_Ist_Im_Team(Transfermarkt_Team, feld), 0);
    EXPECT_EQ(Teamspieler_Wert(305, 1, torwart, 0, 0), 24);
    EXPECT_GT(Teamspieler_Wert(301, 1, torwart, 0, 0), 0);
    // an empty market leaves a short squad as it is, without a fault
    for (int32_t i = 0; i < 3; ++i) Teamspieler_Kommt_Oder_Geht(0, 1, i, 0, 0, 0, -1, false);
    Teamspieler_Kommt_Oder_Geht(0, Transfermarkt_Team, feld, 0, 0, 0, -1, false);
    Team_Kader_Auffuellen();
    EXPECT_EQ(T[1].spieleranzahl, TEAM_KADER_MINIMUM - 3);
}

// A computer club with money in the bank keeps two players beyond its eleven and bench, young
// ones of its own league system from the market (the old and the foreign stay there); a club
// in debt and a manager's club sign only up to the bench, and a full squad signs nobody more.
TEST_F(Suche, AComputerClubWithMoneyTakesTwoYoungPlayersOfItsSystemBeyondItsBench)
{
    for (int32_t t = 0; t < Transfermarkt_Team; ++t)
        if (t < 1 || t > 3) T[t].status = 1;
    for (int32_t t = 1; t <= 3; ++t)
        for (int32_t i = 0; i < TEAM_KADER_MINIMUM; ++i) neu(t, 10 + i % 3 * 20);
    Manager_Neuer_Mitspieler(2, "M");
    Bank_Set_Kontostand_Abfrage([](int32_t team, int32_t) { return team == 3 ? -1 : 50000000; });
    const int32_t alt = neu(Transfermarkt_Team, 30, 28);
    const int32_t fremd = neu(Transfermarkt_Team, 30, 19);
    Spieler_Egal_Daten[fremd].heimatsystem = SYSTEM + 1;
    std::vector<int32_t> junge;
    for (int32_t alter : {19, 20, 21}) junge.push_back(neu(Transfermarkt_Team, 30, alter));
    Team_Kader_Auffuellen();
    EXPECT_EQ(T[1].spieleranzahl, TEAM_KADER_MINIMUM + 2);
    EXPECT_EQ(T[2].spieleranzahl, TEAM_KADER_MINIMUM);
    EXPECT_EQ(T[3].spieleranzahl, TEAM_KADER_MINIMUM);
    int32_t genommen = 0;
    for (int32_t p : junge) genommen += Teamspieler_Ist_Im_Team(1, p) >= 0;
    EXPECT_EQ(genommen, 2);
    EXPECT_GE(Teamspieler_Ist_Im_Team(Transfermarkt_Team, alt), 0);
    EXPECT_GE(Teamspieler_Ist_Im_Team(Transfermarkt_Team, fremd), 0);
    Team_Kader_Auffuellen();
    EXPECT_EQ(T[1].spieleranzahl, TEAM_KADER_MINIMUM + 2);
}

// The two kept youngsters come from the club's own league system or not at all: with one young
// player of its own system on the market, young players of other systems (of the kind the squad
// lacks most, too) stay there and the squad ends one short of its two.
TEST_F(Suche, AComputerClubKeepsNoYoungPlayersOfAnotherSystem)
{
    for (int32_t t = 0; t < Transfermarkt_Team; ++t)
        if (t != 1) T[t].status = 1;
    for (int32_t i = 0; i < TEAM_KADER_MINIMUM; ++i) neu(1, 10 + i % 3 * 20);
    Bank_Set_Kontostand_Abfrage([](int32_t, int32_t) { return 50000000; });
    std::vector<int32_t> fremde;
    for (int32_t zelle : {int32_t(SP_POS_TORWART), 30, 10}) {
        fremde.push_back(neu(Transfermarkt_Team, zelle, 19));
        Spieler_Egal_Daten[fremde.back()].heimatsystem = SYSTEM + 1;
    }
    const int32_t eigener = neu(Transfermarkt_Team, 30, 20);
    Team_Kader_Auffuellen();
    EXPECT_EQ(T[1].spieleranzahl, TEAM_KADER_MINIMUM + 1);
    EXPECT_GE(Teamspieler_Ist_Im_Team(1, eigener), 0);
    for (int32_t p : fremde) EXPECT_GE(Teamspieler_Ist_Im_Team(Transfermarkt_Team, p), 0) << p;
}

// A computer club pays a player it signs his full demand while its balance holds; in debt a
// share that falls with the debt against a season of its wages, to half at a quarter of a
// season's wages owed; with more than an eighth of a season's wages in the bank more, up to a quarter more at
// well under a season's.
// A manager's club pays his demand whatever it holds or owes.
TEST_F(Suche, AClubInDebtPaysItsSigningsAShareOfTheirDemand)
{
    for (int32_t t = 0; t < Transfermarkt_Team; ++t)
        if (t != 1) T[t].status = 1;
    for (int32_t i = 0; i < TEAM_KADER_MINIMUM - 1; ++i) neu(1, 200);
    const int32_t markt = neu(Transfermarkt_Team, 200);
    const int64_t jahr = 52 * int64_t(Team_Get_Wochenausgaben(1, 26));
    ASSERT_GT(jahr, 0);
    static int32_t stand = 0;
    Bank_Set_Kontostand_Abfrage([](int32_t, int32_t) { return stand; });
    for (auto [schuld, prozent] : {std::pair{int64_t(0), 100}, std::pair{(jahr + 7) / 8, 75}, std::pair{jahr / 4, 50}, std::pair{3 * jahr, 50},
                                    std::pair{-(jahr + 7) / 8, 100}, std::pair{-jahr / 2, 118}, std::pair{-jahr, 125}, std::pair{-3 * jahr, 125}}) {
        stand = int32_t(-schuld);
        EXPECT_EQ(Team_Gehalt_Prozent(1), prozent) << schuld;
    }
    stand = int32_t(-(jahr + 7) / 8);
    Team_Kader_Auffuellen();
    ASSERT_GE(Teamspieler_Ist_Im_Team(1, markt), 0);
    int32_t forderung = 0, abloese = 0;
    Spieler_Bewerte_Marktwert_Gehalt(1, markt, -1, -1, 24, &forderung, &abloese, 0);
    EXPECT_EQ(Teamspieler_Wert(301, 1, markt, 0, 0), forderung * 75 / 100 * 1000);
    Manager_Neuer_Mitspieler(1, "M");
    EXPECT_EQ(Team_Gehalt_Prozent(1), 100);
}

TEST_F(Suche, CrowdedSquadListsExactlyOneByItsFinancialClass)
{
    // a poor crowded club: the oldest and strongest goes
    const std::vector<int32_t> feld = gedraengt();
    const int32_t alt = feld[7];
    Spieler_Daten[alt].alter = 30;
    Assi_Suche_Analysiere_Grobes_Spielfeld(0);
    int32_t anzahl = 0;
    for (int32_t p : feld) anzahl += gelistet(0, p);
    EXPECT_EQ(anzahl, 1);
    EXPECT_TRUE(gelistet(0, alt));
    // a second analysis lists one more only while the squad exceeds the limit by more
    Assi_Suche_Analysiere_Grobes_Spielfeld(0);
    anzahl = 0;
    for (int32_t p : feld) anzahl += gelistet(0, p);
    EXPECT_EQ(anzahl, 2);

    // a rich club sells the one whose (100 - 2 x age) x strength is lowest: the oldest too
    T_Own[1].finanzkraft = 90;
    neu(1, SP_POS_TORWART);
    neu(1, SP_POS_TORWART);
    std::vector<int32_t> reich;
    for (int32_t i = 0; i < 22; ++i) reich.push_back(neu(1, 76, 22));
    Spieler_Daten[reich[3]].alter = 29;
    Assi_Suche_Analysiere_Grobes_Spielfeld(1);
    EXPECT_TRUE(gelistet(1, reich[3]));
    // within the limit nothing is listed
    T_Own[2].finanzkraft = 99;
    for (int32_t i = 0; i < 18; ++i) neu(2, 76);
    Assi_Suche_Analysiere_Grobes_Spielfeld(2);
    for (int32_t p = naechster - 18; p < naechster; ++p) EXPECT_FALSE(gelistet(2, p));
}

TEST_F(Suche, BackToBackLineUpsPlanAsOftenAsTheSquadAsks)
{
    // a poor crowded club: each set's line-up after a match lists one more, the second's too
    const std::vector<int32_t> feld = gedraengt();
    auto anzahl_gelistet = [&] {
        int32_t n = 0;
        for (int32_t p : feld) n += gelistet(0, p);
        return n;
    };
    {
        const Assi_Aufstellung_Reihe reihe;
        Assi_Mannschaftsaufstellung(0, -1, 2, 0, 50, -1, false);
        EXPECT_EQ(anzahl_gelistet(), 1);
        Assi_Mannschaftsaufstellung(0, -1, 2, 1, 50, -1, false);
        EXPECT_EQ(anzahl_gelistet(), 2);
    }

    // a club without a keeper whose keepers' slot is on already plans nothing in one scope; in the
    // next, after the slot went off, it switches it on again
    T_Own[1].finanzkraft = 99;
    for (int32_t i = 0; i < 12; ++i) neu(1, 76);
    Team_Transfersuche& s = T_Own[1].suche;
    Assi_Suche_Analysiere_Grobes_Spielfeld(1);
    ASSERT_EQ(s.aktiv[0], 1);
    {
        const Assi_Aufstellung_Reihe reihe;
        Assi_Mannschaftsaufstellung(1, -1, 2, 0, 50, -1, false);
        Assi_Mannschaftsaufstellung(1, -1, 2, 1, 50, -1, false);
        EXPECT_EQ(s.aktiv[1], 0);
    }
    s.aktiv[0] = 0;
    {
        const Assi_Aufstellung_Reihe reihe;
        Assi_Mannschaftsaufstellung(1, -1, 2, 0, 50, -1, false);
        EXPECT_EQ(s.aktiv[0], 1);
        EXPECT_EQ(s.torwart[0], 1);
    }
}

TEST_F(Suche, ListingPassesOverLentForeignUnfitAndListedPlayers)
{
    // a poor club lists the oldest and strongest of its crowded cell: the four oldest may not go
    const std::vector<int32_t> feld = gedraengt();
    for (int32_t p : feld)
        for (int16_t& a : Spieler_Daten[p].attribute) a = 500;
    const int32_t geliehen = feld[2], fremd = feld[5], verletzt = feld[9], gelistet_schon = feld[11], frei = feld[14];
    for (int32_t p : {geliehen, fremd, verletzt, gelistet_schon}) Spieler_Daten[p].alter = 30;
    Spieler_Daten[frei].alter = 29;
    Teamspieler_Wert(324, 0, geliehen, 3, 1);
    Teamspieler_Wert(318, 0, fremd, 4, 1);
    Teamspieler_Wert(317, 0, verletzt, 0x100, 8);
    Teamspieler_Wert(317, 0, gelistet_schon, TS_TRANSFERLISTE, 8);
    Assi_Suche_Analysiere_Grobes_Spielfeld(0);
    EXPECT_TRUE(gelistet(0, frei));
    int32_t anzahl = 0;
    for (int32_t p : feld) anzahl += gelistet(0, p);
    EXPECT_EQ(anzahl, 2);  // the one listed before and the free one
    for (int32_t p : {geliehen, fremd, verletzt}) EXPECT_FALSE(gelistet(0, p)) << p;
}

TEST_F(Suche, MostNeededAreaGetsASearchSlotOnce)
{
    // no keeper at all: the keepers are the most needed
    for (int32_t i = 0; i < 12; ++i) neu(0, 76);
    Assi_Suche_Analysiere_Grobes_Spielfeld(0);
    const Team_Transfersuche& s = T_Own[0].suche;
    EXPECT_EQ(s.aktiv[0], 1);
    EXPECT_EQ(s.torwart[0], 1);
    EXPECT_EQ(s.spieler[0], -1);
    EXPECT_EQ(s.alter_min[0], 18);
    EXPECT_EQ(s.alter_max[0], 35);
    EXPECT_GE(s.staerke_max[0] - s.staerke_min[0], 80);
    // with a season of its wages in the bank a computer club bids as an assistant does ...
    EXPECT_GE(s.preis[0], 90);
    EXPECT_LE(s.preis[0], 110);
    // ... and in debt little above a player's demand
    Bank_Set_Kontostand_Abfrage([](int32_t, int32_t) { return -1; });
    Assi_Suche_Slot_Setzen(0, 2, 1, 3);
    EXPECT_GE(s.preis[3], 30);
    EXPECT_LE(s.preis[3], 50);
    T_Own[0].suche.aktiv[3] = 0;
    Bank_Set_Kontostand_Abfrage([](int32_t, int32_t) { return 50000000; });
    Assi_Suche_Analysiere_Grobes_Spielfeld(0);
    EXPECT_EQ(s.aktiv[1], 0);  // the same need switches on no second slot
    // a manager without a transfer assistant plans nothing
    Manager_Neuer_Mitspieler(3, "M");
    neu(3, 76);
    Assi_Suche_Analysiere_Grobes_Spielfeld(3);
    EXPECT_EQ(T_Own[3].suche.aktiv[0], 0);
    // a field slot covers its coarse cell, at least 3 x 3 cells
    int32_t a = 0, b = 0;
    Assi_Grobfeld_Rechteck(2, 1, &a, &b);
    EXPECT_EQ(a, 6 * 17 + 4);
    EXPECT_EQ(b, 8 * 17 + 6);
    Assi_Rechteck_Vergroessern(2, 3, 5 * 17 + 1, 5 * 17 + 2, &a, &b);
    EXPECT_EQ(a, 3 * 17 + 0);
    EXPECT_EQ(b, 7 * 17 + 5);
}

TEST_F(Suche, SlotOffersOnceAndStaysOff)
{
    const int32_t p = neu(1, 76);
    Teamspieler_Wert(317, 1, p, TS_TRANSFERLISTE, 8);
    slot(2, 1, 3 * 17 + 7, 5 * 17 + 9);
    suchen({1, 2});
    std::vector<Spieler_Angebot> a = angebote();
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0].bieter, 2);
    EXPECT_EQ(a[0].verein, 1);
    EXPECT_EQ(a[0].leihgebuehr, 0);
    EXPECT_GE(a[0].monate, 12);
    EXPECT_LE(a[0].monate, 48);
    EXPECT_EQ(T_Own[2].suche.aktiv[1], 0);
    EXPECT_EQ(T_Own[2].suche.spieler[1], -1);
    // a second listed player of that cell finds the slot off
    const int32_t q = neu(1, 76);
    Teamspieler_Wert(317, 1, q, TS_TRANSFERLISTE, 8);
    suchen({1, 2});
    EXPECT_EQ(angebote().size(), 1u);
}

// Every buyer of the system bids for a player in list order; one whose last active slot has
// bid drops out, and the buyers behind it still get their turn for the same player.
TEST_F(Suche, ABuyerWhoseSlotsAreSpentStepsAsideForTheNextOfItsSystem)
{
    for (int32_t i = 0; i < 2; ++i) Teamspieler_Wert(317, 1, neu(1, 76), TS_TRANSFERLISTE, 8);
    for (auto [b, k] : {std::pair{2, 0}, {3, 1}, {3, 3}, {4, 2}}) slot(b, k, 3 * 17 + 7, 5 * 17 + 9);
    suchen({1, 2, 3, 4});
    std::map<int32_t, std::vector<int32_t>> je_bieter;
    for (const Spieler_Angebot& a : angebote()) je_bieter[a.bieter].push_back(a.spnr);
    ASSERT_EQ(je_bieter[2].size(), 1u);
    EXPECT_EQ(je_bieter[4], je_bieter[2]);  // both for the first player drawn
    ASSERT_EQ(je_bieter[3].size(), 2u);     // and 3 for both
    EXPECT_NE(je_bieter[3][1], je_bieter[3][0]);
    EXPECT_TRUE(je_bieter[3][0] == je_bieter[2][0] || je_bieter[3][1] == je_bieter[2][0]);
}

// A club named twice among the buyers has one set of slots: in its second turn for the first
// player the slot that bid is off, its next slot bids (renewing the club's one offer for him),
// and no slot is left for the other players.
TEST_F(Suche, ABuyerNamedTwiceHasOneSetOfSlots)
{
    for (int32_t i = 0; i < 3; ++i) Teamspieler_Wert(317, 1, neu(1, 76), TS_TRANSFERLISTE, 8);
    for (int32_t k : {0, 2}) slot(2, k, 3 * 17 + 7, 5 * 17 + 9);
    suchen({1, 2, 2});
    std::vector<Spieler_Angebot> a = angebote();
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0].bieter, 2);
    EXPECT_EQ(T_Own[2].suche.aktiv[0], 0);
    EXPECT_EQ(T_Own[2].suche.aktiv[2], 0);
    suchen({1, 2});
    EXPECT_EQ(angebote().size(), 1u);
}

TEST_F(Suche, WhoIsOfferedAndWhoMayBid)
{
    // a computer club's unlisted player, a listed one of 36 and a listed keeper for a field slot:
    // none; the market's player of 36 for a keeper slot: yes
    neu(1, 76);
    const int32_t alt = neu(1, 76, 36);
    Teamspieler_Wert(317, 1, alt, TS_TRANSFERLISTE, 8);
    const int32_t tw = neu(1, SP_POS_TORWART);
    Teamspieler_Wert(317, 1, tw, TS_TRANSFERLISTE, 8);
    const int32_t markt_alt = neu(Transfermarkt_Team, SP_POS_TORWART, 36);
    slot(2, 0, 0, 26 * 17 + 16);
    for (int32_t k = 0; k < 3; ++k) suchen({Transfermarkt_Team, 1, 2});
    EXPECT_TRUE(angebote().empty());
    // two keeper slots of one club: one offer each, for the market's keeper of 36 (a transfer
    // without fee) and for the listed keeper (with one)
    const int32_t feldspieler = neu(1, 76);
    Teamspieler_Wert(317, 1, feldspieler, TS_TRANSFERLISTE, 8);  // listed, but no keeper
    slot(3, 0, 0, 0, true);
    slot(3, 2, 0, 0, true);
    suchen({Transfermarkt_Team, 1, 3});
    std::vector<Spieler_Angebot> a = angebote();
    ASSERT_EQ(a.size(), 2u);
    for (const Spieler_Angebot& x : a) {
        EXPECT_EQ(x.bieter, 3);
        EXPECT_EQ(x.leihgebuehr, 0);
        EXPECT_TRUE(x.spnr == tw || x.spnr == markt_alt);
        EXPECT_EQ(x.abloese == 0, x.spnr == markt_alt);
    }
    EXPECT_EQ(T_Own[3].suche.aktiv[0] + T_Own[3].suche.aktiv[2], 0);

    // a manager buying without a transfer assistant makes no offer; with one he does
    Richter_Init();
    Manager_Neuer_Mitspieler(4, "M");
    slot(4, 0, 0, 0, true);
    suchen({Transfermarkt_Team, 4});
    EXPECT_TRUE(angebote().empty());
    auto* b = static_cast<uint8_t*>(Team_Zeiger(TEAM_ASSISTENTEN, 4, nullptr, 0));
    b[5] = 1;
    b[ASSI_OFFSET_AUFGABEN + ASSI_AUFGABEN * 5 + ASSI_AUFGABE_TRANSFER] = 1;
    suchen({Transfermarkt_Team, 4});
    EXPECT_EQ(angebote().size(), 1u);
}

}  // namespace

namespace {

// An offer's figures follow from the draws in their order: a fee ceiling, the contract years,
// two swings of the price percent, then a floor that replaces the percent only when the percent
// lies below it (one on the floor stays), then the salary's spread. Seeds are picked so that
// percents below, on and above the floor all occur.
TEST_F(Suche, OfferedSalaryKeepsAPercentOnTheFloor)
{
    const int32_t p = neu(Transfermarkt_Team, 76);
    constexpr int32_t PROZENT = 15;
    int32_t drunter = 0, gleich = 0, drueber = 0;
    for (int32_t seed = 1; seed < 2000 && gleich < 8; ++seed) {
        Zufall_Set_Seed(seed);
        int32_t reihe = p;
        Mischen_Dword(&reihe, 1);  // the market's squad, shuffled
        Zufall_Gross(3, 7);        // a free move: never from the market
        Zufall_Gross(150, 200);    // the ceiling lies above the percent
        const int32_t monate = 12 * Zufall_Gross(1, 4);
        const int32_t plus = Zufall_Gross(0, 10);
        const int32_t minus = Zufall_Gross(0, 10);
        const int32_t r = PROZENT + plus - minus;
        const int32_t boden = Zufall_Gross(10, 20);
        const int32_t neu_gezogen = boden > r ? Zufall_Gross(10, 20) : r;
        const int64_t streuung = Zufall_Gross(90, 110);
        if (boden == r) ++gleich;
        else if (boden > r) ++drunter;
        else ++drueber;
        int32_t forderung = 0;
        Spieler_Bewerte_Marktwert_Gehalt(Transfermarkt_Team, p, -1, -1, monate, &forderung, nullptr, 1);
        const int64_t s = forderung;
        const int64_t erwartet = s * 8 / 10 + ((2 * s * streuung) / 10 / 100) * (neu_gezogen + 100) / 100;

        Richter_Init();
        slot(2, 0, 0, 26 * 17 + 16, false, PROZENT);
        Zufall_Set_Seed(seed);
        suchen({Transfermarkt_Team, 2});
        const std::vector<Spieler_Angebot> a = angebote();
        ASSERT_EQ(a.size(), 1u) << seed;
        EXPECT_EQ(a[0].monate, monate) << seed;
        EXPECT_EQ(a[0].gehalt, erwartet) << "seed " << seed << ", percent " << r << ", floor " << boden;
    }
    EXPECT_GE(gleich, 8);
    EXPECT_GT(drunter, 0);
    EXPECT_GT(drueber, 0);
}

// A manager without a transfer assistant makes no offer and his slot stays on, but his terms are
// drawn all the same: the contract years, his raise of the percent and, for a player this weak,
// the strength each of the two price figures draws.
TEST_F(Suche, AManagerWithoutAssistantDrawsTheTermsOfTheOfferHeDoesNotMake)
{
    Manager_Neuer_Mitspieler(4, "M");
    for (const bool schwach : {false, true}) {
        const int32_t p = neu(Transfermarkt_Team, 76);
        for (int16_t& a : Spieler_Daten[p].attribute) a = schwach ? 0 : 500;
        ASSERT_EQ(Spieler_Wert(SP_K_I_T, p, 0, SP_LESEN) < 10, schwach);
        Zufall_Set_Seed(99);
        int32_t reihe = p;
        Mischen_Dword(&reihe, 1);
        for (auto [lo, hi] : {std::pair{3, 7}, {150, 200}, {2, 4}, {10, 30}}) Zufall_Gross(lo, hi);
        for (int32_t i = 0; schwach && i < 2; ++i) Zufall(8, 15);
        const int32_t danach = Zufall(0, 1000000);
        Richter_Init();
        slot(4, 0, 0, 26 * 17 + 16);
        T_Own[4].suche.staerke_min[0] = 0;
        Zufall_Set_Seed(99);
        suchen({Transfermarkt_Team, 4});
        EXPECT_TRUE(angebote().empty());
        EXPECT_EQ(T_Own[4].suche.aktiv[0], 1);
        EXPECT_EQ(Zufall(0, 1000000), danach) << schwach;
        Teamspieler_Kommt_Oder_Geht(0, Transfermarkt_Team, p, 0, 0, 0, -1, false);
    }
}

}  // namespace
