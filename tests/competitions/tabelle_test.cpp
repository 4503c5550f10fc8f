// League tables: counting, sort rules, the 64-bit key, bounds, two legs, forecast, eternal view.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "common/capture.h"
#include "competitions/spiele_ewig.h"
#include "competitions/spiele_welt.h"

namespace {

using namespace spielwelt;
using TabelleTest = Spielwelt;

int64_t berechnen(int32_t w, int32_t b, Tabelle_Datensatz& t, int32_t erster = -1, int32_t letzter = -1,
                  int32_t drei = 1, int32_t optionen = TAB_NORMAL, int32_t team = 1, int32_t live = 0)
{
    return Spiele_Tabelle_Berechnen(w, b, erster, letzter, drei, optionen, &t, team, 0, -1, -1, live, 0, -1);
}

// Round robin of n teams (1..n) over 2 x (n - 1) days by the circle method.
std::vector<std::pair<int32_t, int32_t>> spielplan(int32_t n, int32_t tag)
{
    std::vector<int32_t> kreis(static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i) kreis[size_t(i)] = i + 1;
    const int32_t runde = tag % (n - 1);
    for (int32_t r = 0; r < runde; ++r) std::rotate(kreis.begin() + 1, kreis.end() - 1, kreis.end());
    std::vector<std::pair<int32_t, int32_t>> paare;
    for (int32_t i = 0; i < n / 2; ++i) {
        int32_t a = kreis[size_t(i)], b = kreis[size_t(n - 1 - i)];
        paare.push_back(tag >= n - 1 ? std::make_pair(b, a) : std::make_pair(a, b));
    }
    return paare;
}

TEST_F(TabelleTest, HomeWinEmptyRangeAndPreviousOrder)
{
    int32_t b = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
    ergebnis(b, 0, 0, 1, 2, 3, 1);
    ergebnis(b, 0, 1, 3, 4, 0, 0);
    Tabelle_Datensatz t;
    tabelle_vorbereiten(t, {1, 2, 3, 4});
    berechnen(LIGA, b, t);
    EXPECT_EQ(t.punkte[TAB_GESAMT][0], 3);
    EXPECT_EQ(t.punkte[TAB_TEIL_HEIM][0], 3);
    EXPECT_EQ(t.punkte[TAB_GESAMT][1], 0);
    EXPECT_EQ(t.tore[TAB_GESAMT][0], 3);
    EXPECT_EQ(t.gegentore[TAB_TEIL_AUSWAERTS][1], 3);
    EXPECT_EQ(t.tag_ergebnis[0], TAB_SIEG);
    EXPECT_EQ(t.tag_ergebnis[1], TAB_NIEDERLAGE);
    EXPECT_EQ(t.tag_ergebnis[2], TAB_REMIS);
    EXPECT_EQ(t.tag_ort[0], 1);
    EXPECT_EQ(t.tag_ort[1], 0);
    EXPECT_EQ(t.team[t.platz[0]], 1);
    EXPECT_EQ(t.team[t.platz[3]], 2);
    EXPECT_EQ(t.vorher[0], -1);  // one match day counted

    // Day 2 turns the order round; the previous order is the one after day 1.
    ergebnis(b, 1, 0, 2, 3, 5, 0);
    ergebnis(b, 1, 1, 4, 1, 4, 0);
    berechnen(LIGA, b, t);
    EXPECT_EQ(t.team[t.platz[0]], 4);
    EXPECT_EQ(t.team[t.platz[1]], 2);  // three points each: goals decide
    EXPECT_EQ(t.team[t.platz[2]], 1);
    EXPECT_EQ(t.team[t.vorher[0]], 1);
    EXPECT_EQ(t.team[t.vorher[3]], 2);

    // An empty range counts nothing; the keys hold only the offsets of the options.
    berechnen(LIGA, b, t, 3, 2);
    for (int32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(t.spiele[TAB_GESAMT][i], 0);
        EXPECT_EQ(t.key[i], 2u * 38400u);
        EXPECT_EQ(t.platz[i], i);
    }
    // Only the given team's matches.
    berechnen(LIGA, b, t, -1, -1, 1, TAB_NORMAL | TAB_NUR_TEAM, 4);
    EXPECT_EQ(t.spiele[TAB_GESAMT][1], 0);  // team 2 never met team 4
    EXPECT_EQ(t.spiele[TAB_GESAMT][3], 2);
}

TEST_F(TabelleTest, TwoPointRuleOrdersEqualPointsByMinusPoints)
{
    int32_t b = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
    // Team 1: two draws (2 points, minus 2). Team 2: one win (2 points, minus 0).
    ergebnis(b, 0, 0, 1, 3, 1, 1);
    ergebnis(b, 0, 1, 2, 4, 1, 0);
    ergebnis(b, 1, 0, 1, 4, 2, 2);
    Tabelle_Datensatz t;
    tabelle_vorbereiten(t, {1, 2, 3, 4});
    berechnen(LIGA, b, t, -1, -1, 0);
    EXPECT_EQ(t.punkte[TAB_GESAMT][0], 2);
    EXPECT_EQ(t.punkte[TAB_GESAMT][1], 2);
    EXPECT_EQ(t.team[t.platz[0]], 1);
    EXPECT_EQ(t.team[t.platz[1]], 2);
    berechnen(LIGA, b, t, -1, -1, 1);
    EXPECT_EQ(t.team[t.platz[0]], 2);
    EXPECT_EQ(t.punkte[TAB_GESAMT][0], 2);
    EXPECT_EQ(t.punkte[TAB_GESAMT][1], 3);
}

TEST_F(TabelleTest, TwentyFourTeamsOverFortySixDaysWithHugeScores)
{
    // The leader wins every match 7:0 (138 points), team 24 concedes 20 a match (over 900).
    int32_t b = Spiele_Init_Neue_Spiele(1, 24, 46, 1, LIGA, -1);
    for (int32_t tag = 0; tag < 46; ++tag) {
        auto paare = spielplan(24, tag);
        for (size_t slot = 0; slot < paare.size(); ++slot) {
            auto [h, a] = paare[slot];
            int32_t ht = 1, at = 1;
            if (h == 1) ht = 7, at = 0;
            if (a == 1) ht = 0, at = 7;
            if (h == 24 && a != 1) ht = 0, at = 20;
            if (a == 24 && h != 1) ht = 20, at = 0;
            ergebnis(b, tag, int32_t(slot), h, a, ht, at);
        }
    }
    Tabelle_Datensatz t;
    std::vector<int32_t> teams;
    for (int32_t i = 1; i <= 24; ++i) teams.push_back(i);
    tabelle_vorbereiten(t, teams);
    int64_t key = berechnen(LIGA, b, t, -1, -1, 1, TAB_NORMAL, 1);
    EXPECT_EQ(t.punkte[TAB_GESAMT][0], 138);
    EXPECT_GT(t.gegentore[TAB_GESAMT][23], 150);
    EXPECT_EQ(t.team[t.platz[0]], 1);
    EXPECT_EQ(t.team[t.platz[23]], 24);
    // The key the callers read is the low 32 bits of the exact formula.
    int64_t exakt = Spiele_Tabelle_Key(&t, 0, TAB_NORMAL, 1);
    EXPECT_GT(exakt, int64_t(0xFFFFFFFF));
    EXPECT_EQ(key, int64_t(uint32_t(exakt)));
    EXPECT_EQ(t.key[0], uint32_t(exakt));
    for (int32_t p = 1; p < 24; ++p)
        EXPECT_GE(Spiele_Tabelle_Key(&t, t.platz[p - 1], TAB_NORMAL, 1), Spiele_Tabelle_Key(&t, t.platz[p], TAB_NORMAL, 1));
    // Day results of every slot and day are inside the record's areas.
    EXPECT_EQ(t.tag_ergebnis[45 * TABELLE_TAG_SLOTS + 0], TAB_SIEG);
    EXPECT_EQ(t.tag_ergebnis[45 * TABELLE_TAG_SLOTS + 23], TAB_NIEDERLAGE);
    EXPECT_NE(t.vorher[0], -1);
}

TEST_F(TabelleTest, TeamsOutsideTheColumnAndBeyondTheDayAreasAreSafe)
{
    // 30 teams: slots 24..29 have rows but no day results; teams 35/36 are in no row.
    int32_t b = Spiele_Init_Neue_Spiele(1, 32, 2, 1, LIGA, -1);
    // Slot 24 (team 25) loses; written past the day's 24 slots it would land on day 1.
    for (int32_t slot = 0; slot < 15; ++slot) ergebnis(b, 0, slot, 1 + 2 * slot, 2 + 2 * slot, slot == 12 ? 1 : 2, slot == 12 ? 2 : 1);
    ergebnis(b, 0, 15, 35, 36, 9, 0);
    Tabelle_Datensatz t;
    std::vector<int32_t> teams;
    for (int32_t i = 1; i <= 30; ++i) teams.push_back(i);
    tabelle_vorbereiten(t, teams);
    t.tag_ergebnis[TABELLE_TAG_SLOTS] = 77;  // the next day's first slot must stay untouched
    berechnen(LIGA, b, t);
    EXPECT_EQ(t.punkte[TAB_GESAMT][28], 3);
    EXPECT_EQ(t.punkte[TAB_GESAMT][29], 0);
    EXPECT_EQ(t.punkte[TAB_GESAMT][25], 3);
    EXPECT_EQ(t.tag_ergebnis[TABELLE_TAG_SLOTS], 0);  // cleared, not written by slot 24
    int32_t summe = 0;
    for (int32_t i = 0; i < 30; ++i) summe += t.spiele[TAB_GESAMT][i];
    EXPECT_EQ(summe, 30);
}

// Rows are found by team number: a club named twice counts in its first row, and a count over
// fewer clubs after one over more finds no row for the clubs it left out.
TEST_F(TabelleTest, AClubNamedTwiceCountsInItsFirstRowAndALaterCountKnowsOnlyItsOwnClubs)
{
    int32_t b = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
    ergebnis(b, 0, 0, 1, 2, 2, 0);
    ergebnis(b, 0, 1, 3, 4, 1, 1);
    Tabelle_Datensatz t;
    for (const auto& [teams, spiele] : {std::pair{std::vector<int32_t>{1, 2, 3, 4}, std::vector<int32_t>{1, 1, 1, 1}},
                                        std::pair{std::vector<int32_t>{2, 1}, std::vector<int32_t>{1, 1, 0, 0}},
                                        std::pair{std::vector<int32_t>{1, 3, 1, 4}, std::vector<int32_t>{0, 1, 0, 1}}}) {
        tabelle_vorbereiten(t, teams);
        berechnen(LIGA, b, t);
        EXPECT_EQ(std::vector<int32_t>(t.spiele[TAB_GESAMT], t.spiele[TAB_GESAMT] + 4), spiele) << teams.size();
    }
}

TEST_F(TabelleTest, SecondLegAddsCrosswise)
{
    // Group with two legs: the second leg stands (teams / 2) records later.
    int32_t b = Spiele_Init_Neue_Spiele(1, 4, 2, 1, GRUPPE, -1);
    ergebnis(b, 0, 0, 1, 2, 2, 0);
    ergebnis(b, 0, 1, 3, 4, 1, 1);
    ergebnis(b, 1, 0, 2, 1, 3, 0);  // 2 wins the tie 3:2
    ergebnis(b, 1, 1, 4, 3, -1, 0);  // second leg not played yet
    Tabelle_Datensatz t;
    tabelle_vorbereiten(t, {1, 2, 3, 4});
    berechnen(GRUPPE, b, t);
    EXPECT_EQ(t.tore[TAB_GESAMT][0], 2);
    EXPECT_EQ(t.gegentore[TAB_GESAMT][0], 3);
    EXPECT_EQ(t.punkte[TAB_GESAMT][1], 3);
    EXPECT_EQ(t.spiele[TAB_GESAMT][1], 2);
    EXPECT_EQ(t.spiele[TAB_GESAMT][2], 0);
}

TEST_F(TabelleTest, ForecastIsReproducibleAndLeavesTheSequence)
{
    int32_t b = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
    ergebnis(b, 0, 0, 1, 2, -1, 0);
    ergebnis(b, 0, 1, 3, 4, 2, 2);
    int32_t h = Spiele_Lock(b, 0, 0, 0);
    const int32_t seed = Zufall_Get_Seed();
    int32_t a1 = -1, b1 = -1, a2 = -2, b2 = -2;
    ASSERT_TRUE(Spiele_Get_Tip(h, &a1, &b1, 1));
    ASSERT_TRUE(Spiele_Get_Tip(h, &a2, &b2, 0));
    EXPECT_EQ(a1, a2);
    EXPECT_EQ(b1, b2);
    EXPECT_GE(a1, 0);
    EXPECT_EQ(Zufall_Get_Seed(), seed);
    EXPECT_EQ(Spiele_Get_Spiel(h, 0)->heim_tore, -1);
    // A played match answers with its result; the live table counts the forecast.
    int32_t g = Spiele_Lock(b, 0, 0, 1), x = 0, y = 0;
    ASSERT_TRUE(Spiele_Get_Tip(g, &x, &y, 0));
    EXPECT_EQ(x, 2);
    Tabelle_Datensatz t;
    tabelle_vorbereiten(t, {1, 2, 3, 4});
    berechnen(LIGA, b, t, -1, -1, 1, TAB_NORMAL, 1, 1);
    EXPECT_EQ(t.spiele[TAB_GESAMT][0], 1);
    EXPECT_EQ(t.tore[TAB_GESAMT][0], a1);
    berechnen(LIGA, b, t, -1, -1, 1, TAB_NORMAL, 1, 0);
    EXPECT_EQ(t.spiele[TAB_GESAMT][0], 0);
}

TEST_F(TabelleTest, CachedTableFollowsNewResults)
{
    int32_t b = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
    ergebnis(b, 0, 0, 1, 2, 1, 0);
    Tabelle_Datensatz t;
    tabelle_vorbereiten(t, {1, 2, 3, 4});
    berechnen(LIGA, b, t);
    EXPECT_EQ(t.punkte[TAB_GESAMT][0], 3);
    int32_t h = Spiele_Lock(b, 0, 0, 0);
    Spiele_Set_Ergebnis(h, 0, 1, 0);
    tabelle_vorbereiten(t, {1, 2, 3, 4});
    berechnen(LIGA, b, t);
    EXPECT_EQ(t.punkte[TAB_GESAMT][0], 0);
    EXPECT_EQ(t.punkte[TAB_GESAMT][1], 3);

    Fehler_Capture cap;
    EXPECT_EQ(berechnen(LIGA, 42, t), -1);
    EXPECT_TRUE(cap.contains("Tabelle: Gesuchter Wettbewerb nicht eingetragen...\n"));
    EXPECT_EQ(Spiele_Tabelle_Berechnen(LIGA, b, -1, -1, 1, 31, nullptr, 1, 0, -1, -1, 0, 0, -1), -1);
}

// One kept table answers every club of it; each club's key is its own, as a fresh count gives
// it, and a club's own games only are still counted for that club alone.
TEST_F(TabelleTest, EveryClubAskingAfterAnotherGetsItsOwnKey)
{
    int32_t b = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
    ergebnis(b, 0, 0, 1, 2, 3, 1);
    ergebnis(b, 0, 1, 3, 4, 0, 0);
    ergebnis(b, 1, 0, 2, 3, 2, 0);
    ergebnis(b, 1, 1, 4, 1, 1, 1);
    Tabelle_Datensatz t;
    std::vector<int64_t> frisch;
    for (int32_t team : {1, 2, 3, 4, 9}) {
        Spiele_Tabellen_Cache_Leeren();
        tabelle_vorbereiten(t, {1, 2, 3, 4});
        frisch.push_back(berechnen(LIGA, b, t, -1, -1, 1, TAB_NORMAL, team));
    }
    EXPECT_EQ(frisch.back(), -1) << "a club without a row";
    Spiele_Tabellen_Cache_Leeren();
    for (int runde = 0; runde < 2; ++runde)
        for (size_t i = 0; i < frisch.size(); ++i) {
            tabelle_vorbereiten(t, {1, 2, 3, 4});
            EXPECT_EQ(berechnen(LIGA, b, t, -1, -1, 1, TAB_NORMAL, int32_t(i) + (i == 4 ? 5 : 1)), frisch[i]) << i;
            EXPECT_EQ(t.team[t.platz[0]], 1);
        }
    // Counting one club's games only is that club's table.
    tabelle_vorbereiten(t, {1, 2, 3, 4});
    berechnen(LIGA, b, t, -1, -1, 1, TAB_NUR_TEAM, 3);
    EXPECT_EQ(t.spiele[TAB_GESAMT][2], 2);
    EXPECT_EQ(t.spiele[TAB_GESAMT][0], 0);
    EXPECT_EQ(t.spiele[TAB_GESAMT][3], 1);
    tabelle_vorbereiten(t, {1, 2, 3, 4});
    berechnen(LIGA, b, t, -1, -1, 1, TAB_NUR_TEAM, 1);
    EXPECT_EQ(t.spiele[TAB_GESAMT][0], 2);
    EXPECT_EQ(t.spiele[TAB_GESAMT][2], 0);
}

TEST_F(TabelleTest, EternalTableHoldsTheBestTwentyFour)
{
    int32_t b = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
    ergebnis(b, 0, 0, 1, 2, 0, 0);
    for (int32_t team = 1; team <= 30; ++team) {
        Spiele_Set_Ewige_Tabelle(LIGA, team, 64, team * 3, team, 5, 1, 0);
        Spiele_Set_Ewige_Tabelle(LIGA, team, 64, 1, 2, 2, 0, 1);
    }
    Tabelle_Datensatz t{};
    Spiele_Tabelle_Berechnen(LIGA, b, -1, -1, 1, TAB_NORMAL, &t, 30, 0, -1, -1, 0, 1, -1);
    ASSERT_EQ(t.anzahl, TABELLE_EWIG_ZEILEN);
    EXPECT_EQ(t.team[0], 30);
    EXPECT_EQ(t.team[23], 7);
    EXPECT_EQ(t.punkte[TAB_GESAMT][0], 91);
    EXPECT_EQ(t.punkte[TAB_TEIL_AUSWAERTS][0], 1);
    EXPECT_EQ(t.spiele[TAB_GESAMT][0], 2);
    EXPECT_EQ(Tabelle_Ewig_Zaehler(t, TAB_GESAMT, TAB_SIEG, 0), 1);
    EXPECT_EQ(Tabelle_Ewig_Zaehler(t, TAB_TEIL_AUSWAERTS, TAB_REMIS, 0), 1);
    // Away view only without option 8: every row has 1 point, goals decide.
    Spiele_Tabelle_Berechnen(LIGA, b, -1, -1, 1, TAB_PUNKTE | TAB_TORE | TAB_AUSWAERTS, &t, 30, 0, -1, -1, 0, 1, -1);
    EXPECT_EQ(t.punkte[TAB_GESAMT][0], 1);
    EXPECT_EQ(t.anzahl, TABELLE_EWIG_ZEILEN);
}

}  // namespace

// A kept table answers byte for byte as the count did, whatever the asking record held (here
// all of it but the rows' clubs); the count clears the days after the last counted one.
TEST_F(TabelleTest, AKeptTableAnswersByteForByteAsItsCount)
{
    const int32_t b = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
    ergebnis(b, 0, 0, 1, 2, 3, 1);
    ergebnis(b, 2, 0, 4, 1, 2, 2);
    auto gezaehlt = [&](uint8_t rest) {
        Tabelle_Datensatz t;
        std::memset(&t, rest, sizeof t);
        t.anzahl = 4;
        for (int32_t i = 0; i < 4; ++i) t.team[i] = i + 1;
        berechnen(LIGA, b, t);
        return t;
    };
    Spiele_Tabellen_Cache_Leeren();
    const Tabelle_Datensatz t = gezaehlt(0xA5);
    EXPECT_EQ(t.tag_ort[2 * TABELLE_TAG_SLOTS + 3], 1);
    EXPECT_EQ(t.tag_ergebnis[3 * TABELLE_TAG_SLOTS], 0);
    EXPECT_EQ(t.tag_ort[TABELLE_MAX_TAGE * TABELLE_TAG_SLOTS - 1], 0);
    for (uint8_t rest : {0x00, 0x5A}) {
        const Tabelle_Datensatz kept = gezaehlt(rest);
        EXPECT_EQ(std::memcmp(&kept, &t, sizeof t), 0) << int(rest);
    }
}
