// Player statistics store: creation, growth, update rules and the history of match marks.
#include <gtest/gtest.h>

#include <map>

#include "common/capture.h"
#include "competitions/statistik.h"

namespace {

struct StatistikTest : ::testing::Test {
    void SetUp() override { Statistik_Init(); }
    void TearDown() override { Statistik_Deinit(); }
};

void tor(int32_t sp, int32_t anlegen = 1)
{
    Statistik_Spieler u = Statistik_Leeres_Update(sp);
    u.tore = 1;
    Spiele_Set_Statistik_Spieler(sp, &u, anlegen);
}

void note(int32_t sp, uint8_t bits, uint8_t minuten = 0xFF)
{
    Statistik_Spieler u = Statistik_Leeres_Update(sp);
    u.noten[0] = bits;
    u.minuten_letzte[0] = minuten;
    Spiele_Set_Statistik_Spieler(sp, &u, 1);
}

TEST_F(StatistikTest, CreatesInOrderAndGrowsByAFifth)
{
    Statistik_Spieler s{};
    tor(50, 0);
    EXPECT_FALSE(Spiele_Get_Statistik_Spieler(50, &s));
    tor(50);
    tor(10);
    tor(30);
    tor(30);
    ASSERT_TRUE(Spiele_Get_Statistik_Spieler(30, &s));
    EXPECT_EQ(s.tore, 2);
    EXPECT_EQ(s.einsaetze, 0);
    EXPECT_EQ(s.noten[0], 0xFF);
    EXPECT_EQ(s.saison_staerke[7], 0xFFFF);
    EXPECT_EQ(Statistik_Spieler_Suchen(10), 0);
    EXPECT_EQ(Statistik_Spieler_Suchen(50), 2);
    EXPECT_EQ(Statistik_Spieler_Suchen(20), -1);
    ASSERT_TRUE(Spiele_Get_Statistik_Spieler(50, &s));
    EXPECT_EQ(s.tore, 1);

    int32_t n = 0, kap = 0;
    for (int32_t sp = 3000; n < 1499; Statistik_Get_Anzahl(&n, nullptr)) tor(sp++);
    Statistik_Get_Anzahl(&n, &kap);
    EXPECT_EQ(kap, 1500);
    tor(2000);  // count + 1 reaches 1500: grow before inserting
    Statistik_Get_Anzahl(&n, &kap);
    EXPECT_EQ(n, 1500);
    EXPECT_EQ(kap, 1800);
    for (int32_t sp = 9000; n < 1800; Statistik_Get_Anzahl(&n, nullptr)) tor(sp++);
    Statistik_Get_Anzahl(&n, &kap);
    EXPECT_EQ(kap, 2160);
    ASSERT_TRUE(Spiele_Get_Statistik_Spieler(30, &s));
    EXPECT_EQ(s.tore, 2);
    ASSERT_TRUE(Spiele_Get_Statistik_Spieler(2000, &s));
    EXPECT_EQ(Statistik_Spieler_Suchen(2000), 3);
}

TEST_F(StatistikTest, PlayersCreatedAllOverTheArrayEndUpInOrderWithTheirOwnCounts)
{
    std::map<int32_t, int32_t> tore;
    int32_t kap_erwartet = 1500, n = 0, kap = 0;
    for (uint32_t x = 12345, runde = 0; runde < 4000; ++runde) {
        x = x * 1103515245u + 12345u;
        const int32_t sp = int32_t((x >> 8) % 20000u);
        if (!tore.count(sp) && int32_t(tore.size()) + 1 >= kap_erwartet) kap_erwartet = kap_erwartet * 120 / 100;
        for (int32_t k = 0; k <= sp % 3; ++k, ++tore[sp]) tor(sp);
        Statistik_Get_Anzahl(&n, &kap);
        ASSERT_EQ(n, int32_t(tore.size()));
        ASSERT_EQ(kap, kap_erwartet) << runde;
    }
    int32_t platz = 0;
    for (const auto& [sp, anzahl] : tore) {
        Statistik_Spieler s{};
        ASSERT_TRUE(Spiele_Get_Statistik_Spieler(sp, &s)) << sp;
        EXPECT_EQ(s.tore, anzahl) << sp;
        EXPECT_EQ(Statistik_Spieler_Suchen(sp), platz++) << sp;
    }
}

TEST_F(StatistikTest, MarksOfOneMatchMergeIntoOneEntry)
{
    // A substitute comes on, then gets his mark: one closed entry 0x08 | mark | 0x20.
    note(7, STAT_NOTE_EINGEWECHSELT);
    note(7, 4, 35);
    Statistik_Spieler s{};
    ASSERT_TRUE(Spiele_Get_Statistik_Spieler(7, &s));
    EXPECT_EQ(s.noten[0], STAT_NOTE_EINGEWECHSELT | 4 | STAT_NOTE_GESCHLOSSEN);
    EXPECT_EQ(s.noten[1], 0xFF);
    EXPECT_EQ(s.minuten_letzte[0], 35);
    // The next match opens a new entry; a player taken off gets 0x10 beside his mark.
    note(7, STAT_NOTE_AUSGEWECHSELT);
    note(7, 2, 60);
    ASSERT_TRUE(Spiele_Get_Statistik_Spieler(7, &s));
    EXPECT_EQ(s.noten[0], STAT_NOTE_AUSGEWECHSELT | 2 | STAT_NOTE_GESCHLOSSEN);
    EXPECT_EQ(s.noten[1], STAT_NOTE_EINGEWECHSELT | 4 | STAT_NOTE_GESCHLOSSEN);
    // Fifteen more matches: the first falls out.
    for (int32_t i = 0; i < 14; ++i) note(7, uint8_t(1 + i % 6), uint8_t(i));
    ASSERT_TRUE(Spiele_Get_Statistik_Spieler(7, &s));
    EXPECT_EQ(s.noten[15], STAT_NOTE_EINGEWECHSELT | 4 | STAT_NOTE_GESCHLOSSEN);
    note(7, 3, 90);
    ASSERT_TRUE(Spiele_Get_Statistik_Spieler(7, &s));
    EXPECT_EQ(s.noten[15], STAT_NOTE_AUSGEWECHSELT | 2 | STAT_NOTE_GESCHLOSSEN);
    EXPECT_EQ(s.minuten_letzte[0], 90);
    EXPECT_EQ(s.minuten_letzte[15], 60);

    // Season values and strengths push; counters add with 16-bit wrap.
    Statistik_Spieler u = Statistik_Leeres_Update(7);
    u.saison_werte[0] = 12;
    u.saison_staerke[0] = 812;
    u.minuten = 65530;
    Spiele_Set_Statistik_Spieler(7, &u, 0);
    u.saison_werte[0] = 13;
    u.saison_staerke[0] = 0xFFFF;
    u.minuten = 10;
    Spiele_Set_Statistik_Spieler(7, &u, 0);
    ASSERT_TRUE(Spiele_Get_Statistik_Spieler(7, &s));
    EXPECT_EQ(s.saison_werte[0], 13);
    EXPECT_EQ(s.saison_werte[1], 12);
    EXPECT_EQ(s.minuten, 4);
    EXPECT_EQ(s.saison_staerke[0], 812);
    EXPECT_EQ(s.saison_staerke[1], 0xFFFF);
}

TEST_F(StatistikTest, UninitialisedAndBadArguments)
{
    Fehler_Capture cap;
    Spiele_Set_Statistik_Spieler(-1, nullptr, 1);
    EXPECT_FALSE(Spiele_Get_Statistik_Spieler(1, nullptr));
    Statistik_Deinit();
    tor(5);
    EXPECT_TRUE(cap.contains("Statistik-Modul muß initialisiert werden"));
    Statistik_Init();
    int32_t n = -1;
    Statistik_Get_Anzahl(&n, nullptr);
    EXPECT_EQ(n, 0);
}

}  // namespace
