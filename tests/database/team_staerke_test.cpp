// Team strength measures: the matrix, the comparison (also as the forecast calls it), the strength
// window of a league tier, the readiness for a match, and moving a team's strengths to a target.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "common/capture.h"
#include "competitions/spiele_intern.h"
#include "database/db_hilfe.h"
#include "database/manager.h"
#include "database/team_staerke.h"
#include "database/teamspieler.h"
#include "economy/ligen.h"
#include "gameflow/highscore.h"
#include "platform/zufall.h"

namespace {

struct Staerke : ::testing::Test {
    void SetUp() override
    {
        Test_Teams_Anlegen(8);
        Test_Spieler_Anlegen(40);
        Netz_Rolle = 2;
    }
    void TearDown() override
    {
        Ligen_Set_Praemie_Bewertung(nullptr);
        Manager_Anzahl = 0;
        Highscore_Init();
        Test_Aufraeumen();
    }
    // A player of the team at his favourite place with all visible attributes `wert`.
    static void spieler(int32_t team, int32_t spnr, int32_t platz, int32_t wert, int32_t form)
    {
        Spieler_Fix_Daten[spnr].lieblingspos = static_cast<int16_t>(platz);
        for (auto& a : Spieler_Daten[spnr].attribute) a = static_cast<int16_t>(wert);
        Spieler_Daten[spnr].form = static_cast<uint8_t>(form);
        ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, team, spnr, 10, 0, 24, -1, false));
    }
    // The whole squad's matrix from the list and from the squad at hand, each as the general route
    // (a mask bit no line or column uses takes it) gives it.
    static void wie_allgemein(int32_t team, const std::string& fall)
    {
        int32_t kader[50];
        TS* records[50];
        const int32_t n = Teamspieler_Kader(team, kader, records, 50, 0);
        int32_t allgemein[5][6], m[5][6], kader_m[5][6];
        Team_Staerke(255 | 1024, 0, team, allgemein);
        Team_Staerke(255, 0, team, m);
        Team_Staerke_Kader(kader, records, n, kader_m);
        for (int r = 0; r < 5; ++r) {
            EXPECT_EQ(std::vector<int32_t>(m[r], m[r] + 6), std::vector<int32_t>(allgemein[r], allgemein[r] + 6))
                << fall << ", Zeile " << r;
            EXPECT_EQ(std::vector<int32_t>(kader_m[r], kader_m[r] + 6), std::vector<int32_t>(allgemein[r], allgemein[r] + 6))
                << fall << ", Zeile " << r;
        }
    }
    // Keeper 700, defenders 400 and 600, a midfielder 500, an attacker 800.
    static void mannschaft(int32_t team, int32_t erster)
    {
        spieler(team, erster, SP_POS_TORWART, 700, 80);
        spieler(team, erster + 1, 50, 400, 90);
        spieler(team, erster + 2, 60, 600, 70);
        spieler(team, erster + 3, 200, 500, 60);
        spieler(team, erster + 4, 400, 800, 50);
    }
};

// The daily league averages hand over the squad they gathered: the same matrix as the team's
// list gives, a keeper, every line and a player whose number no record has among them.
TEST_F(Staerke, ASquadAtHandGivesTheListsMatrix)
{
    mannschaft(2, 20);
    spieler(2, 25, 300, 650, 40);
    Teamspieler_Wert(317, 2, 25, TS_STARTELF, 8);
    int32_t kader[50];
    TS* records[50];
    int32_t n = Teamspieler_Kader(2, kader, records, 50, 0);
    ASSERT_EQ(n, 6);
    int32_t liste[5][6], kader_m[5][6];
    Team_Staerke(255, 0, 2, liste);
    Team_Staerke_Kader(kader, records, n, kader_m);
    for (int r = 0; r < 5; ++r) EXPECT_EQ(std::vector<int32_t>(kader_m[r], kader_m[r] + 6), std::vector<int32_t>(liste[r], liste[r] + 6)) << r;
    EXPECT_EQ(kader_m[4][5], 6);

    kader[n] = Spieler_Anzahl + 3;  // no such player: reported and left out
    records[n] = records[0];
    Fehler_Capture fehler;
    Team_Staerke_Kader(kader, records, n + 1, kader_m);
    EXPECT_EQ(fehler.texts.size(), 1u);
    EXPECT_EQ(kader_m[4][5], 6);
    EXPECT_EQ(kader_m[4][4], liste[4][4]);
}

// The whole squad's matrix and the starting eleven's, from the list and from the squad at hand,
// agree with the general route (a mask bit no line or column uses takes it) for squads off the
// usual track: values beyond the attribute range (held at 1..999 in a group, a keeper's taken as
// they are), a player whose favourite place lies beyond the four lines, a club of keepers alone.
TEST_F(Staerke, UnusualSquadsGiveTheGeneralMatrixToo)
{
    auto gleich = [](int32_t a[5][6], int32_t b[5][6], const char* fall, int32_t flags) {
        for (int r = 0; r < 5; ++r)
            EXPECT_EQ(std::vector<int32_t>(a[r], a[r] + 6), std::vector<int32_t>(b[r], b[r] + 6))
                << fall << ", flags " << flags << ", Zeile " << r;
    };
    auto vergleichen = [&](int32_t team, const char* fall) {
        int32_t kader[50];
        TS* records[50];
        const int32_t n = Teamspieler_Kader(team, kader, records, 50, 0);
        for (int32_t flags : {0, 2}) {
            int32_t allgemein[5][6], m[5][6];
            Team_Staerke(255 | 1024, flags, team, allgemein);
            Team_Staerke(255, flags, team, m);
            gleich(m, allgemein, fall, flags);
            if (flags != 0) continue;
            Team_Staerke_Kader(kader, records, n, m);
            gleich(m, allgemein, fall, flags);
        }
    };
    mannschaft(4, 0);
    spieler(4, 5, 100, 0, 30);     // every group held at 1
    spieler(4, 6, 250, 1500, 30);  // every group held at 999
    spieler(4, 7, SP_POS_TORWART, -40, 10);
    for (int32_t p : {0, 3, 6, 7}) Teamspieler_Wert(317, 4, p, TS_STARTELF, 8);
    vergleichen(4, "Grenzwerte");
    spieler(4, 8, 500, 300, 20);  // a fifth line: the long way, also as a starter
    Teamspieler_Wert(317, 4, 8, TS_STARTELF, 8);
    vergleichen(4, "fuenfte Reihe");
    spieler(5, 10, SP_POS_TORWART, 640, 50);
    spieler(5, 11, SP_POS_TORWART, 320, 50);
    vergleichen(5, "nur Torhueter");
    int32_t leer[5][6];
    Team_Staerke_Kader(nullptr, nullptr, 0, leer);
    for (int r = 0; r < 5; ++r) EXPECT_EQ(leer[r][5], 0) << r;
}

// A row's means are its sums divided by its count, truncated, for every squad size: a defence
// growing from one player to 39, each with values of his own.
TEST_F(Staerke, RowMeansAreTheSumsByTheCountForEverySquadSize)
{
    int64_t summe[5] = {};
    for (int32_t n = 1; n <= 39; ++n) {
        const int32_t p = n - 1;
        spieler(3, p, 50, 0, 2 * p + 1);
        int16_t* a = Spieler_Daten[p].attribute;
        for (int i = 0; i < 9; ++i) a[i] = static_cast<int16_t>(100 + 21 * p + 3 * i + (p % 4) * i);
        int32_t werte_summe = 0;
        for (int c = 0; c < 3; ++c) {
            const int32_t wert = (a[3 * c] + a[3 * c + 1] + a[3 * c + 2]) / 3;
            summe[c] += wert;
            werte_summe += wert;
        }
        summe[4] += werte_summe / 3;
        int32_t m[5][6], kader_m[5][6];
        Team_Staerke(255, 0, 3, m);
        int32_t kader[50];
        TS* records[50];
        ASSERT_EQ(Teamspieler_Kader(3, kader, records, 50, 0), n);
        Team_Staerke_Kader(kader, records, n, kader_m);
        for (int c : {0, 1, 2, 4}) {
            EXPECT_EQ(m[1][c], summe[c] / n) << n << " Spalte " << c;
            EXPECT_EQ(m[4][c], summe[c] / n) << n << " Spalte " << c;
            EXPECT_EQ(kader_m[1][c], m[1][c]) << n;
            EXPECT_EQ(kader_m[4][c], m[4][c]) << n;
        }
        EXPECT_EQ(m[1][5], n);
    }
}

// A player's line and group values as the general route has them, for every favourite place
// from below the field to the end of the fifth line and for attributes on both sides of the
// range the quick reckoning takes (0..1023): each of the nine in turn set apart from the others,
// so that a group mixed up with its neighbour, or a value let through that should not be, shows.
TEST_F(Staerke, EveryPlaceAndAttributeEdgeGivesTheGeneralMatrix)
{
    auto pruefen = [](const std::string& fall) { wie_allgemein(2, fall); };
    spieler(2, 20, 0, 500, 50);
    int16_t* a = Spieler_Daten[20].attribute;
    for (int32_t pos = -305; pos <= 611; ++pos) {
        Spieler_Fix_Daten[20].lieblingspos = static_cast<int16_t>(pos);
        for (int i = 0; i < 9; ++i) a[i] = static_cast<int16_t>(300 + 61 * i + pos % 7);
        pruefen("Platz " + std::to_string(pos));
    }
    spieler(2, 21, 300, 400, 50);  // a second player keeps the rows from being empty
    Spieler_Fix_Daten[20].lieblingspos = 200;
    for (int32_t rand : {-32768, -1024, -1, 0, 1, 2, 998, 999, 1000, 1022, 1023, 1024, 1025, 3000, 10923, 32767})
        for (int i = 0; i < 9; ++i) {
            for (int j = 0; j < 9; ++j) a[j] = static_cast<int16_t>(10 + 111 * j);
            a[i] = static_cast<int16_t>(rand);
            pruefen("Attribut " + std::to_string(i) + " = " + std::to_string(rand));
            for (int j = 0; j < 9; ++j) a[j] = static_cast<int16_t>(rand);
            pruefen("alle = " + std::to_string(rand));
        }
}

// The range of the attributes is settled for the whole squad: one player beyond it, first, in the
// middle or last of a squad of twenty over all four lines, in the eleven or out of it, gives the
// general matrix from the list and from the squad at hand, and so does the squad once he is back
// in range.
TEST_F(Staerke, OnePlayerBeyondTheRangeAnywhereInTheSquadGivesTheGeneralMatrix)
{
    const int16_t plaetze[4] = {SP_POS_TORWART, 40, 230, 420};
    for (int32_t p = 0; p < 20; ++p) {
        spieler(7, p, plaetze[p % 4], 0, 50);
        for (int i = 0; i < 9; ++i) Spieler_Daten[p].attribute[i] = static_cast<int16_t>(150 + 29 * p + 53 * i);
        if (p % 3 == 0) Teamspieler_Wert(317, 7, p, TS_STARTELF, 8);
    }
    for (int32_t p : {1, 9, 19, 18})
        for (int32_t wert : {1024, -1, 2000}) {
            const std::string fall = "Spieler " + std::to_string(p) + " = " + std::to_string(wert);
            const int16_t vorher = Spieler_Daten[p].attribute[4];
            Spieler_Daten[p].attribute[4] = static_cast<int16_t>(wert);
            wie_allgemein(7, fall);
            int32_t elf[5][6], allgemein[5][6];
            Team_Staerke(255, 2, 7, elf);
            Team_Staerke(255 | 1024, 2, 7, allgemein);
            for (int r = 0; r < 5; ++r)
                EXPECT_EQ(std::vector<int32_t>(elf[r], elf[r] + 6), std::vector<int32_t>(allgemein[r], allgemein[r] + 6)) << fall << ", Elf, Zeile " << r;
            Spieler_Daten[p].attribute[4] = vorher;
            wie_allgemein(7, fall + ", zurueck");
        }
}

// A favourite place beyond the lines (a damaged record) puts its player in no row, whichever
// way the matrix is asked for, and nothing is written beside it.
TEST_F(Staerke, APlayerBeyondTheLinesCountsInNoRow)
{
    mannschaft(4, 10);
    int32_t ohne[5][6];
    Team_Staerke(255, 0, 4, ohne);
    spieler(4, 20, 0, 900, 50);
    for (int32_t pos : {612, 700, 1000, 32767, -306, -1000, -32768}) {
        Spieler_Fix_Daten[20].lieblingspos = static_cast<int16_t>(pos);
        wie_allgemein(4, "Platz " + std::to_string(pos));
        int32_t m[5][6];
        Team_Staerke(255, 0, 4, m);
        for (int r = 0; r < 5; ++r)
            EXPECT_EQ(std::vector<int32_t>(m[r], m[r] + 6), std::vector<int32_t>(ohne[r], ohne[r] + 6)) << pos << ", Zeile " << r;
    }
}

// Each player's part of the matrix follows his record at every question: a change of any one of
// his nine attributes or of his favourite place (a keeper who becomes a field player, a move
// between lines) shows in the next matrix, from the list and from the squad at hand, and a
// player number first met in a larger world is counted too.
TEST_F(Staerke, EveryChangeOfAPlayerShowsInTheNextMatrix)
{
    mannschaft(6, 30);
    spieler(6, 35, 350, 450, 40);
    auto pruefen = [](const char* fall) { wie_allgemein(6, fall); };
    pruefen("Anfang");
    for (int i = 0; i < 9; ++i) {
        Spieler_Daten[33].attribute[i] = static_cast<int16_t>(Spieler_Daten[33].attribute[i] + 90 + 3 * i);
        Spieler_Daten[30].attribute[i] = static_cast<int16_t>(Spieler_Daten[30].attribute[i] - 7 * i - 1);
        pruefen(("Attribut " + std::to_string(i)).c_str());
    }
    Spieler_Fix_Daten[30].lieblingspos = 100;  // the keeper plays in defence from now on
    pruefen("Torwart wird Abwehrspieler");
    Spieler_Fix_Daten[34].lieblingspos = SP_POS_TORWART;
    pruefen("Stuermer wird Torwart");
    Spieler_Fix_Daten[35].lieblingspos = 160;  // defence to midfield, values unchanged
    pruefen("Abwehr ins Mittelfeld");

    // A world with many players: numbers far apart (32768 and 65536 on), each counted with his
    // own values, asked for again and again.
    Test_Aufraeumen();
    Test_Teams_Anlegen(8);
    Test_Spieler_Anlegen(70000);
    Netz_Rolle = 2;
    for (int32_t p : {7, 7 + 32768, 7 + 65536}) spieler(6, p, 100 + p % 300, 200 + p % 700, 50);
    for (int runde = 0; runde < 3; ++runde) pruefen("geteilte Zeile");

    // The market's long list: more players than a squad has, still the general matrix, on both
    // sides of 64 players.
    auto markt = [] { return Teamspieler_Kader(Transfermarkt_Team, nullptr, nullptr, -1, 0); };
    for (int32_t p = 60; markt() < 65; ++p) {
        spieler(Transfermarkt_Team, p, (p * 37) % 460, 200 + (p * 53) % 790, 50);
        if (markt() < 64) continue;
        int32_t m[5][6], allgemein[5][6];
        Team_Staerke(255 | 1024, 0, Transfermarkt_Team, allgemein);
        Team_Staerke(255, 0, Transfermarkt_Team, m);
        EXPECT_EQ(m[4][5], markt());
        for (int r = 0; r < 5; ++r)
            EXPECT_EQ(std::vector<int32_t>(m[r], m[r] + 6), std::vector<int32_t>(allgemein[r], allgemein[r] + 6)) << r;
    }
}

TEST_F(Staerke, MatrixRowsAndTheWholeTeam)
{
    // One defender: fitness 400, intelligence 500, technique 600, form 50 (mask 482).
    spieler(0, 0, 40, 0, 50);
    int16_t* a = Spieler_Daten[0].attribute;
    for (int i = 0; i < 9; ++i) a[i] = static_cast<int16_t>(400 + 100 * (i / 3));
    int32_t m[5][6];
    Team_Staerke(482, 0, 0, m);
    EXPECT_EQ(std::vector<int32_t>(m[1], m[1] + 6), (std::vector<int32_t>{400, 500, 600, 50, 450, 1}));
    EXPECT_EQ(m[0][5] + m[2][5] + m[3][5] + m[4][5], 0);

    mannschaft(1, 10);
    Team_Staerke(255, 0, 1, m);
    EXPECT_EQ(std::vector<int32_t>(m[0], m[0] + 6), (std::vector<int32_t>{700, 700, 700, 0, 700, 1}));
    EXPECT_EQ(std::vector<int32_t>(m[1], m[1] + 6), (std::vector<int32_t>{500, 500, 500, 0, 500, 2}));
    // The whole team: (700 + 2 x 500 + 500 + 800) / 5 in every column.
    EXPECT_EQ(std::vector<int32_t>(m[4], m[4] + 6), (std::vector<int32_t>{600, 600, 600, 0, 600, 5}));

    // Sums kept: the whole-team row adds the rows' strengths and the columns its mask names.
    Team_Staerke(255, 1, 1, m);
    EXPECT_EQ(m[1][4], 1000);
    EXPECT_EQ(std::vector<int32_t>(m[4], m[4] + 6), (std::vector<int32_t>{3000, 3000, 0, 0, 3000, 5}));

    // Only the eleven, and rows by where they are lined up.
    Teamspieler_Wert(317, 1, 10, TS_STARTELF, 8);
    Teamspieler_Wert(317, 1, 14, TS_STARTELF, 8);
    Team_Staerke(255, 2, 1, m);
    EXPECT_EQ(m[4][5], 2);
    EXPECT_EQ(m[4][4], 750);
    Teamspieler_Wert(310, 1, 14, 20, 1);  // the attacker plays in defence
    Team_Staerke(255, 2 | 4, 1, m);
    EXPECT_EQ(m[1][4], 800);
    EXPECT_EQ(m[3][5], 0);

    Fehler_Capture cap;
    Team_Staerke(255, 0, 8, m);
    Team_Staerke(255, 0, 1, nullptr);
    EXPECT_EQ(cap.texts.size(), 2u);
    EXPECT_TRUE(cap.contains("Team_Staerke: FEHLER!"));
}

TEST_F(Staerke, EqualTeamsCompareEvenAlsoAsTheForecastAsks)
{
    mannschaft(0, 0);
    mannschaft(1, 10);
    int32_t g = 0, d = 0, mi = 0, st = 0;
    Team_Vergleiche_Abw_Mit_Stu(0, 1, &g, &d, &mi, &st, 255, 0);
    EXPECT_EQ(g, 50);
    EXPECT_EQ(mi, 50);
    EXPECT_NEAR(d + st, 100, 1);

    // The forecast asks with every mask and flag bit: sums of the eleven, rows by place.
    static const int32_t PLATZ[5] = {SP_POS_TORWART, 8, 8, 161, 314};
    for (int32_t t : {0, 1})
        for (int32_t k = 0; k < 5; ++k) {
            Teamspieler_Wert(317, t, 10 * t + k, TS_STARTELF, 8);
            Teamspieler_Wert(310, t, 10 * t + k, PLATZ[k], 1);
        }
    Team_Vergleiche_Abw_Mit_Stu(0, 1, &g, &d, &mi, &st, -1, -1);
    EXPECT_EQ(g, 50);
    EXPECT_EQ(mi, 50);
    EXPECT_NEAR(d + st, 100, 1);
    // A stronger attack and midfield: the figures follow.
    for (int32_t sp : {3, 4})
        for (auto& a : Spieler_Daten[sp].attribute) a = 990;
    Team_Vergleiche_Abw_Mit_Stu(0, 1, &g, &d, &mi, &st, -1, -1);
    EXPECT_GT(g, 50);
    EXPECT_GT(mi, 50);
    EXPECT_GT(st, 50);

    // The forecast itself: the same tip every time, and the game's sequence left where it was.
    Spiele_Spiel s{};
    s.heim = 0;
    s.gast = 1;
    s.heim_tore = -1;
    Zufall(0, 1);
    const int32_t seed = Zufall_Get_Seed();
    int32_t h1 = -1, a1 = -1, h2 = -1, a2 = -1;
    ASSERT_TRUE(spiele_tip_ergebnis(s, &h1, &a1));
    ASSERT_TRUE(spiele_tip_ergebnis(s, &h2, &a2));
    EXPECT_EQ(h1, h2);
    EXPECT_EQ(a1, a2);
    EXPECT_GE(h1, 0);
    EXPECT_GE(a1, 0);
    EXPECT_EQ(Zufall_Get_Seed(), seed);

    Fehler_Capture cap;
    Team_Vergleiche_Abw_Mit_Stu(0, -1, &g, &d, &mi, &st, 255, 0);
    EXPECT_TRUE(cap.contains("Team_Vergleiche_Abw_Mit_Stu: Teamnr==NIX!"));
    EXPECT_EQ(mi, 100);  // against nothing
    Team_Vergleiche_Abw_Mit_Stu(0, 1, &g, nullptr, &mi, &st, 255, 0);
    EXPECT_TRUE(cap.contains("Team_Vergleiche_Abw_Mit_Stu: NULL-Pointer!"));
}

TEST_F(Staerke, StrengthWindowOfALeagueTier)
{
    int32_t lo = -1, hi = -1;
    T_Fix[0].liga = -1;
    EXPECT_EQ(Team_Get_Staerke_Spanne(0, &lo, &hi, 0, 4), 249);
    EXPECT_EQ(lo, 724);
    EXPECT_EQ(hi, 999);
    EXPECT_EQ(Team_Get_Staerke_Spanne(0, &lo, &hi, 3, 4), 249);
    EXPECT_EQ(lo, 1);
    EXPECT_EQ(hi, 276);
    EXPECT_EQ(Team_Get_Staerke_Spanne(0, &lo, &hi, 0, 1), 999);
    EXPECT_EQ(lo, 1);
    EXPECT_EQ(hi, 999);
    // A club bound to a league counts at least four tiers.
    T_Fix[0].liga = 3;
    EXPECT_EQ(Team_Get_Staerke_Spanne(0, &lo, &hi, 0, 1), 249);
    EXPECT_EQ(lo, 724);
    EXPECT_EQ(Team_Get_Staerke_Spanne(Transfermarkt_Team, &lo, &hi, 2, 4), 999);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 999);
}

TEST_F(Staerke, ReadinessFromMoraleAndBonuses)
{
    T_Own[2].moral = 80;
    // A computer club promises no bonuses and is rated as promising what its players expect.
    EXPECT_EQ(Team_Spielfeld_Staerke(2, 1, 1, 1), 48 + 50 * 40 / 100);
    Fehler_Capture cap;
    T_Own[2].moral = static_cast<int8_t>(150);
    EXPECT_EQ(Team_Spielfeld_Staerke(2, 0, 0, 0), 30);
    EXPECT_TRUE(cap.contains("Team_Spielfeld_Staerke: moral falsch!"));

    // The bonus kinds 6 and 7 need a = 1; the last one in the order (7) rates.
    T_Own[2].moral = 80;
    Ligen_Set_Praemie_Bewertung([](int32_t, int32_t art, int32_t) { return art * 10; });
    EXPECT_EQ(Team_Spielfeld_Staerke(2, 1, 0, 0), 48 + 28);
    EXPECT_EQ(Team_Spielfeld_Staerke(2, 2, 0, 0), 48);
    // A human manager's club draws its motivation, lower at a harder level.
    Manager_Neuer_Mitspieler(2, "M");
    for (uint32_t stufe : {0u, 4u}) {
        Schwierigkeitsstufe = stufe;
        for (int i = 0; i < 30; ++i) {
            const int32_t r = Team_Spielfeld_Staerke(2, 1, 0, 0);
            EXPECT_GE(r, 48 + (50 - 5 * int32_t(stufe)) * 40 / 100);
            EXPECT_LE(r, 48 + (80 - 5 * int32_t(stufe)) * 40 / 100);
        }
    }
    Schwierigkeitsstufe = 2;
}

// A new manager's club and a computer club with the same morale and no bonus promised: at the
// middle level their readiness is about even, the easiest level favours the manager and the
// hardest the computer. Each level draws many matches of the manager's club.
TEST_F(Staerke, ManagedAndComputerClubsStandOnTheSameFooting)
{
    Manager_Neuer_Mitspieler(2, "M");
    T_Own[2].moral = T_Own[3].moral = 60;
    const int32_t computer = Team_Spielfeld_Staerke(3, 1, 1, 1);
    EXPECT_EQ(computer, 36 + 50 * 40 / 100);
    EXPECT_EQ(Team_Spielfeld_Staerke(3, 1, 1, 1), computer);  // nothing drawn for it
    double mittel[5] = {};
    for (uint32_t stufe = 0; stufe < 5; ++stufe) {
        Schwierigkeitsstufe = stufe;
        int32_t summe = 0;
        for (int i = 0; i < 400; ++i) summe += Team_Spielfeld_Staerke(2, 1, 1, 1);
        mittel[stufe] = summe / 400.0;
    }
    Schwierigkeitsstufe = 2;
    EXPECT_NEAR(mittel[2], computer, 3.0);
    EXPECT_GT(mittel[0], computer + 3.0);
    EXPECT_LT(mittel[4], computer - 1.0);
    for (int s = 1; s < 5; ++s) EXPECT_LT(mittel[s], mittel[s - 1]) << s;
}

TEST_F(Staerke, StrengthsMoveToTheTarget)
{
    mannschaft(3, 0);
    mannschaft(4, 5);
    int32_t v[SP_ATTRIBUTVEKTOR];
    Team_K_I_T_Variieren(SP_K_I_T, 3, 300, 10, 990);
    int32_t summe = 0;
    for (int32_t sp = 1; sp <= 4; ++sp) {
        Spieler_Attribute(sp, v, SP_ATTRIBUTE_LESEN);
        for (int i = 0; i < 9; ++i) summe += v[i];
    }
    EXPECT_LE(std::abs(summe / 36 - 300), 1);
    EXPECT_EQ(Spieler_Daten[0].attribute[0], 700);  // keepers are left out
    Team_K_I_T_Variieren(SP_TORWART_STAERKE, 3, 444, 10, 990);
    EXPECT_EQ(Spieler_Daten[0].attribute[0], 444);

    // A target the limits cannot reach stops after its rounds, each value at a limit.
    Fehler_Capture cap;
    Team_K_I_T_Variieren(SP_TE, 4, 900, 10, 500);
    EXPECT_TRUE(cap.contains("Team_K_I_T_Variieren: Counter-Overflow!"));
    for (int32_t sp = 6; sp <= 9; ++sp) EXPECT_EQ(Spieler_Daten[sp].attribute[7], 500);
    // Values of 0 cannot be scaled: they start at the target.
    for (int32_t sp = 6; sp <= 9; ++sp) Spieler_Daten[sp].attribute[3] = 0;
    Team_K_I_T_Variieren(SP_UEBERSICHT, 4, 420, 10, 990);
    for (int32_t sp = 6; sp <= 9; ++sp) EXPECT_NEAR(Spieler_Daten[sp].attribute[3], 420, 1);
    Team_K_I_T_Variieren(SP_K_I_T, 7, 300, 10, 990);
    EXPECT_TRUE(cap.contains("Team_K_I_T_Variieren: Error!"));
    Team_K_I_T_Variieren(SP_FORM, 4, 300, 10, 990);
    EXPECT_TRUE(cap.contains("Team_K_I_T_Variieren: error!!!"));
}

}  // namespace
