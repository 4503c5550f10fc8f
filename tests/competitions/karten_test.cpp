// Cards, bans and appearances per competition, through the match events and the steps before a match.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <utility>
#include <vector>

#include "common/capture.h"
#include "competitions/spiele_intern.h"
#include "competitions/spiele_karten.h"
#include "competitions/spiele_welt.h"
#include "database/teamspieler.h"
#include "platform/mem.h"

namespace {

using namespace spielwelt;

// Team 1 with players 10..14; 10 and 11 in the starting eleven.
class KartenTest : public Spielwelt {
protected:
    int32_t block = -1;
    void SetUp() override
    {
        Spielwelt::SetUp();
        for (int32_t sp = 10; sp < 15; ++sp) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 1, sp, 150, 0, 24, -1, false));
        Teamspieler_Wert(317, 1, 10, TS_STARTELF, 8);
        Teamspieler_Wert(317, 1, 11, TS_STARTELF, 8);
        block = Spiele_Init_Neue_Spiele(1, 4, 20, 1, LIGA, -1);
    }
    // One match of team 1 at home in competition w with the given events for player sp.
    void spiel(int32_t w, int32_t tag, uint32_t karte, int32_t sp)
    {
        int32_t b = w == LIGA ? block : Spiele_Init_Neue_Spiele(0, 4, 1, 1, w, -1);
        int32_t h = Spiele_Lock(b, tag, 0, 0);
        Spiele_Set_Teams(h, 1, 2);
        Spiele_Ereignis_Speicher_Reservieren(h);
        if (karte) Spiele_Set_Ereignis(h, karte | SPE_HEIM, 30, sp, 0);
        Spiele_Unlock(h);
    }
    uint32_t flags(int32_t sp) { return uint32_t(Teamspieler_Wert(317, 1, sp, 0, 0)); }
    int32_t wert(int32_t w, int32_t sp, int32_t art) { return Spiele_Get_Wettbewerb_Ereignis(w, art, -1, sp, -1, -1); }
};

TEST_F(KartenTest, YellowCardsBanAtTheThresholdAndEveryInterval)
{
    // Threshold 5, interval 2: bans after the 5th, 7th and 9th card.
    for (int32_t n = 1; n <= 9; ++n) {
        SCOPED_TRACE(n);
        Spiele_Setze_Sperren_Spieler_Vor_Spiel(LIGA, 1, 1);
        const bool gesperrt = flags(10) & TS_GESPERRT_GELB;
        EXPECT_FALSE(gesperrt);
        // One card short of a ban: the warning flag before the match.
        EXPECT_EQ(bool(flags(10) & TS_GELB_WARNUNG), n == 5 || n == 7 || n == 9);
        spiel(LIGA, n - 1, SPE_GELB, 10);
        EXPECT_EQ(wert(LIGA, 10, KARTE_GELB), n);
        const bool bann = n == 5 || n == 7 || n == 9;
        EXPECT_EQ(wert(LIGA, 10, KARTE_SPERRE), bann ? 33 : 0);
        // The step right after the card match does not serve a ban of that match.
        Spiele_Setze_Sperren_Spieler_Vor_Spiel(LIGA, 1, 1);
        EXPECT_EQ(bool(flags(10) & TS_GESPERRT_GELB), bann);
        if (bann) {
            Spiele_Setze_Sperren_Spieler_Vor_Spiel(LIGA, 1, 1);
            EXPECT_FALSE(flags(10) & TS_GESPERRT_GELB);
            EXPECT_EQ(wert(LIGA, 10, KARTE_SPERRE), 0);
        }
    }
    // Without count-down the ban stays.
    spiel(LIGA, 9, SPE_GELB, 11);
    Spiele_Set_Wettbewerb_Ereignis(LIGA, 11, KARTE_SPERRE, 2 + 32);
    Spiele_Setze_Sperren_Spieler_Vor_Spiel(LIGA, 1, 0);
    Spiele_Setze_Sperren_Spieler_Vor_Spiel(LIGA, 1, 0);
    EXPECT_TRUE(flags(11) & TS_GESPERRT_GELB);
    EXPECT_EQ(wert(LIGA, 11, KARTE_SPERRE), 2 + 32);
}

TEST_F(KartenTest, IntervalZeroBansOnlyOnceAndRoundsShareCounters)
{
    // The cup: first ban at 2 cards, interval 0; both rounds count together.
    spiel(POKAL_R1, 0, SPE_GELB, 12);
    EXPECT_EQ(wert(POKAL_R2, 12, KARTE_SPERRE), 0);
    Spiele_Setze_Sperren_Spieler_Vor_Spiel(POKAL_R2, 1, 1);
    EXPECT_TRUE(flags(12) & TS_GELB_WARNUNG) << "the next card of either round bans";
    EXPECT_FALSE(flags(12) & TS_GESPERRT_GELB);

    spiel(POKAL_R2, 0, SPE_GELB, 12);
    EXPECT_EQ(wert(POKAL_R1, 12, KARTE_GELB), 2);
    EXPECT_EQ(wert(POKAL_R1, 12, KARTE_SPERRE), 33);
    // Not served by the match that earned it: banned for the next one, free after it.
    Spiele_Setze_Sperren_Spieler_Vor_Spiel(POKAL_R2, 1, 1);
    EXPECT_TRUE(flags(12) & TS_GESPERRT_GELB);
    EXPECT_FALSE(flags(12) & TS_GELB_WARNUNG) << "no further ban to warn of";
    Spiele_Setze_Sperren_Spieler_Vor_Spiel(POKAL_R1, 1, 1);
    EXPECT_FALSE(flags(12) & TS_GESPERRT_GELB);
    EXPECT_EQ(wert(POKAL_R2, 12, KARTE_SPERRE), 0);

    // No second ban, however many cards follow.
    for (int32_t n = 3; n <= 6; ++n) {
        SCOPED_TRACE(n);
        spiel(POKAL_R2, 0, SPE_GELB, 12);
        EXPECT_EQ(wert(POKAL_R2, 12, KARTE_GELB), n);
        EXPECT_EQ(wert(POKAL_R2, 12, KARTE_SPERRE), 0);
        Spiele_Setze_Sperren_Spieler_Vor_Spiel(POKAL_R2, 1, 1);
        Spiele_Setze_Sperren_Spieler_Vor_Spiel(POKAL_R2, 1, 1);
        EXPECT_FALSE(flags(12) & (TS_GESPERRT_GELB | TS_GELB_WARNUNG));
    }
    EXPECT_EQ(wert(LIGA, 12, KARTE_GELB), 0);  // another competition
}

TEST_F(KartenTest, RedAndYellowRedCards)
{
    spiel(LIGA, 0, SPE_ROT, 10);
    EXPECT_EQ(wert(LIGA, 10, KARTE_ROT), 1);
    const int32_t sperre = wert(LIGA, 10, KARTE_SPERRE);
    EXPECT_TRUE(sperre & 128);
    const int32_t spiele = sperre & 31;
    EXPECT_GE(spiele, 2);
    EXPECT_LE(spiele, 6);
    EXPECT_TRUE(flags(10) & TS_GESPERRT_ROT);
    EXPECT_FALSE(flags(10) & TS_STARTELF);
    // Every step with count-down serves one match, the first one included.
    for (int32_t i = 1; i < spiele; ++i) {
        Spiele_Setze_Sperren_Spieler_Vor_Spiel(LIGA, 1, 1);
        EXPECT_TRUE(flags(10) & TS_GESPERRT_ROT) << i;
    }
    Spiele_Setze_Sperren_Spieler_Vor_Spiel(LIGA, 1, 1);
    EXPECT_FALSE(flags(10) & TS_GESPERRT_ROT);

    spiel(LIGA, 1, SPE_GELBROT, 11);
    EXPECT_EQ(wert(LIGA, 11, KARTE_GELBROT), 1);
    EXPECT_EQ(wert(LIGA, 11, KARTE_SPERRE), 65);
    EXPECT_TRUE(flags(11) & TS_GESPERRT_GELBROT);
    Spiele_Setze_Sperren_Spieler_Vor_Spiel(LIGA, 1, 1);
    EXPECT_FALSE(flags(11) & TS_GESPERRT_GELBROT);
}

TEST_F(KartenTest, AppearancesSumsAndBadArguments)
{
    Fehler_Capture cap;
    Spiele_Setze_Eingesetzte_Spieler_Vor_Spiel(LIGA, 1);
    Spiele_Setze_Eingesetzte_Spieler_Vor_Spiel(LIGA, 1);
    EXPECT_EQ(wert(LIGA, 10, KARTE_EINSAETZE), 2);
    EXPECT_EQ(wert(LIGA, 12, KARTE_EINSAETZE), 0);
    EXPECT_EQ(Spiele_Get_Wettbewerb_Ereignis(LIGA, KARTE_EINSAETZE, 1, -1, TS_STARTELF, -1), 4);
    EXPECT_EQ(Spiele_Get_Wettbewerb_Ereignis(LIGA, KARTE_EINSAETZE, 1, -1, -1, -1), 4);
    EXPECT_TRUE(cap.contains("Spiele_Get_Wettbewerb_Ereignis: Status&Spieler==NIX"));
    EXPECT_EQ(Spiele_Get_Wettbewerb_Ereignis(LIGA, KARTE_EINSAETZE, -1, -1, 0, -1), 0);

    // All-competition statistics: one appearance for the starters, minutes 0 for a substitute.
    Teamspieler_Wert(317, 1, 13, TS_EINGEWECHSELT, 8);
    Spiele_Setze_Eingesetzte_Spieler_Gesamtstatistik_Vor_Spiel(LIGA, 1);
    Statistik_Spieler s{};
    ASSERT_TRUE(Spiele_Get_Statistik_Spieler(10, &s));
    EXPECT_EQ(s.einsaetze, 1);
    ASSERT_TRUE(Spiele_Get_Statistik_Spieler(13, &s));
    EXPECT_EQ(s.einsaetze, 0);
    EXPECT_EQ(s.minuten_letzte[0], 0);
    EXPECT_FALSE(Spiele_Get_Statistik_Spieler(14, &s));

    Spiele_Set_Wettbewerb_Ereignis(LIGA, 10, 9, 1);
    Spiele_Set_Wettbewerb_Ereignis(LIGA, 200, 1, 1);
    Spiele_Set_Wettbewerb_Ereignis(-3, 10, 1, 1);
    EXPECT_EQ(Spiele_Get_Wettbewerb_Ereignis(LIGA, 9, -1, 10, -1, -1), 0);
    EXPECT_EQ(Spiele_Wettbewerb_Ereignis_Suchen(1u * 200u + 200u + 1u), -1);
    Spiele_Loesche_Wettbewerb_Ereignis(LIGA);
    EXPECT_EQ(wert(LIGA, 10, KARTE_EINSAETZE), 0);
}

// A squad's counters are looked for beside the one found before: every starter counts one
// appearance whether his counter stands next to a team-mate's, apart from it behind another
// player's, or is new between them, and the others keep theirs.
TEST_F(KartenTest, AppearancesReachEveryStarterWhereverHisCounterStands)
{
    for (int32_t sp : {12, 14}) Teamspieler_Wert(317, 1, sp, TS_STARTELF, 8);
    Spiele_Set_Wettbewerb_Ereignis(LIGA, 10, KARTE_EINSAETZE, 3);
    Spiele_Set_Wettbewerb_Ereignis(LIGA, 11, KARTE_EINSAETZE, 5);
    Spiele_Set_Wettbewerb_Ereignis(LIGA, 13, KARTE_EINSAETZE, 7);  // no starter
    Spiele_Set_Wettbewerb_Ereignis(LIGA, 14, KARTE_EINSAETZE, 1);
    Spiele_Set_Wettbewerb_Ereignis(POKAL_R1, 12, KARTE_EINSAETZE, 9);  // another competition
    for (int32_t runde = 1; runde <= 2; ++runde) {
        SCOPED_TRACE(runde);
        Spiele_Setze_Eingesetzte_Spieler_Vor_Spiel(LIGA, 1);
        EXPECT_EQ(wert(LIGA, 10, KARTE_EINSAETZE), 3 + runde);
        EXPECT_EQ(wert(LIGA, 11, KARTE_EINSAETZE), 5 + runde);
        EXPECT_EQ(wert(LIGA, 12, KARTE_EINSAETZE), runde);
        EXPECT_EQ(wert(LIGA, 13, KARTE_EINSAETZE), 7);
        EXPECT_EQ(wert(LIGA, 14, KARTE_EINSAETZE), 1 + runde);
        EXPECT_EQ(wert(POKAL_R1, 12, KARTE_EINSAETZE), 9);
    }
    // The bans' step finds the same counters: a ban to serve beside a player without one.
    Spiele_Set_Wettbewerb_Ereignis(LIGA, 11, KARTE_SPERRE, 2 + 128);
    Spiele_Setze_Sperren_Spieler_Vor_Spiel(LIGA, 1, 1);
    EXPECT_TRUE(flags(11) & TS_GESPERRT_ROT);
    EXPECT_EQ(wert(LIGA, 11, KARTE_SPERRE), 1 + 128);
    for (int32_t sp : {10, 12, 13, 14}) EXPECT_FALSE(flags(sp) & TS_GESPERRT_ROT) << sp;
}

// A squad listed against the order of its numbers: every starter counts one appearance, new
// counters among old ones included, and each player's ban and warning stay his own.
TEST_F(KartenTest, AppearancesAndBansOfASquadOutOfNumberOrder)
{
    for (int32_t sp : {24, 20, 22, 21, 23}) {
        ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 2, sp, 150, 0, 24, -1, false));
        Teamspieler_Wert(317, 2, sp, TS_STARTELF, 8);
    }
    Spiele_Set_Wettbewerb_Ereignis(LIGA, 22, KARTE_EINSAETZE, 4);
    Spiele_Set_Wettbewerb_Ereignis(LIGA, 20, KARTE_SPERRE, 2 + 128);
    Spiele_Set_Wettbewerb_Ereignis(LIGA, 21, KARTE_GELB, 4);
    for (int32_t runde = 1; runde <= 2; ++runde) {
        SCOPED_TRACE(runde);
        Spiele_Setze_Eingesetzte_Spieler_Vor_Spiel(LIGA, 2);
        for (int32_t sp : {20, 21, 23, 24}) EXPECT_EQ(wert(LIGA, sp, KARTE_EINSAETZE), runde) << sp;
        EXPECT_EQ(wert(LIGA, 22, KARTE_EINSAETZE), 4 + runde);
        EXPECT_EQ(wert(LIGA, 10, KARTE_EINSAETZE), 0);
    }
    Spiele_Setze_Sperren_Spieler_Vor_Spiel(LIGA, 2, 1);
    auto flags2 = [](int32_t sp) { return uint32_t(Teamspieler_Wert(317, 2, sp, 0, 0)); };
    EXPECT_TRUE(flags2(20) & TS_GESPERRT_ROT);
    EXPECT_EQ(wert(LIGA, 20, KARTE_SPERRE), 1 + 128);
    EXPECT_TRUE(flags2(21) & TS_GELB_WARNUNG);
    for (int32_t sp : {21, 22, 23, 24}) EXPECT_FALSE(flags2(sp) & TS_GESPERRT_ROT) << sp;
    for (int32_t sp : {20, 22, 23, 24}) EXPECT_FALSE(flags2(sp) & TS_GELB_WARNUNG) << sp;
}

// Counters inserted together end as they would one by one, in whatever order: the same entries
// in the same order, what stood there kept, and the same room after the same steps of growth.
TEST_F(KartenTest, CountersInsertedTogetherMatchOneByOne)
{
    auto neues_feld = [] {
        Spiele_Array a{static_cast<uint8_t*>(Mem_Alloc_Clear(4 * 12, 0, 0)), 0, 4, 12, 4, "zu klein %d\n", "kein Speicher\n"};
        for (uint32_t k : {10u, 20u, 30u}) spiele_array_holen(a, k, true)[4] = uint8_t(k);
        return a;
    };
    Spiele_Array einzeln = neues_feld(), zusammen = neues_feld();
    for (uint32_t k : {41u, 1u, 25u, 12u, 40u, 31u, 11u}) spiele_array_holen(einzeln, k, true);
    const uint32_t neu[] = {1, 11, 12, 25, 31, 40, 41}, nichts_da[] = {0, 50};
    EXPECT_EQ(spiele_array_einfuegen(zusammen, neu, 7), 0);
    ASSERT_EQ(zusammen.anzahl, einzeln.anzahl);
    EXPECT_EQ(zusammen.kapazitaet, einzeln.kapazitaet);
    EXPECT_EQ(std::memcmp(zusammen.daten, einzeln.daten, size_t(einzeln.anzahl) * 12), 0);
    EXPECT_EQ(spiele_array_eintrag(zusammen, 1)[4], 10);
    Spiele_Array ohne{nullptr, 0, 0, 12, 4, "", ""};
    EXPECT_EQ(spiele_array_einfuegen(ohne, nichts_da, 2), -1);
    Mem_Free(einzeln.daten, 0);
    Mem_Free(zusammen.daten, 0);
}

// The appearances of both sides of a game counted at once end as one side's after the other's:
// numbers of the two squads interleaved and out of order, counters new and old among them, and
// a club that meets itself counted twice.
TEST_F(KartenTest, BothSidesAtOnceCountAsOneSideAfterTheOther)
{
    for (int32_t sp : {16, 18}) Teamspieler_Wert(317, 1, sp - 4, TS_STARTELF, 8);
    for (int32_t sp : {19, 15, 17, 9}) {
        ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 2, sp, 150, 0, 24, -1, false));
        Teamspieler_Wert(317, 2, sp, TS_STARTELF, 8);
    }
    Spiele_Set_Wettbewerb_Ereignis(LIGA, 15, KARTE_EINSAETZE, 2);
    Spiele_Set_Wettbewerb_Ereignis(LIGA, 11, KARTE_EINSAETZE, 5);
    Spiele_Set_Wettbewerb_Ereignis(POKAL_R1, 12, KARTE_EINSAETZE, 9);
    Spiele_Array& a = spiele_arrays[SPA_WETTBEWERB];
    auto bild = [&a] { return std::vector<uint8_t>(a.daten, a.daten + size_t(a.anzahl) * a.groesse); };
    auto zuruecksetzen = [&a](const std::vector<uint8_t>& b) {
        std::memcpy(a.daten, b.data(), b.size());
        a.anzahl = int32_t(b.size() / a.groesse);
    };
    for (const auto& seiten : {std::array<int32_t, 2>{1, 2}, std::array<int32_t, 2>{2, 1}, std::array<int32_t, 2>{1, 1}}) {
        SCOPED_TRACE(seiten[0] * 10 + seiten[1]);
        for (int32_t runde = 0; runde < 2; ++runde) {
            const std::vector<uint8_t> vorher = bild();
            const int32_t kapazitaet = a.kapazitaet;
            Spiele_Setze_Eingesetzte_Spieler_Vor_Spiel(LIGA, seiten[0]);
            Spiele_Setze_Eingesetzte_Spieler_Vor_Spiel(LIGA, seiten[1]);
            const std::vector<uint8_t> einzeln = bild();
            ASSERT_EQ(a.kapazitaet, kapazitaet);
            zuruecksetzen(vorher);
            Spiele_Setze_Eingesetzte_Spieler_Vor_Spiel(LIGA, seiten.data(), 2);
            EXPECT_EQ(bild(), einzeln);
        }
    }
    EXPECT_EQ(wert(LIGA, 9, KARTE_EINSAETZE), 2 * 2);
    EXPECT_EQ(wert(LIGA, 11, KARTE_EINSAETZE), 5 + 2 * 2 + 2 * 2);  // twice in his club's own game
    EXPECT_EQ(wert(LIGA, 13, KARTE_EINSAETZE), 0);
    EXPECT_EQ(wert(POKAL_R1, 12, KARTE_EINSAETZE), 9);
}

// The check before the bans drops each counter whose key stands below the one before it, wherever
// the first such stands, and keeps the rest with their counts.
TEST_F(KartenTest, TheOrderCheckDropsTheCountersOutOfOrder)
{
    Spiele_Array& a = spiele_arrays[SPA_WETTBEWERB];
    for (const auto& [keys, bleiben] : std::vector<std::pair<std::vector<uint32_t>, std::vector<uint32_t>>>{
             {{}, {}}, {{1, 2, 2, 9}, {1, 2, 2, 9}}, {{5, 3, 7, 8, 6, 6, 9, 1, 10}, {5, 7, 8, 9, 10}}, {{1, 2, 0}, {1, 2}}, {{9, 1, 2}, {9}}}) {
        a.anzahl = 0;
        for (uint32_t k : keys) std::memcpy(spiele_array_eintrag(a, a.anzahl++), &k, 4);
        for (int32_t i = 0; i < a.anzahl; ++i) spiele_array_eintrag(a, i)[4] = uint8_t(i);
        Spiele_Check_Wettbewerb_Ereignis();
        std::vector<uint32_t> da;
        for (int32_t i = 0; i < a.anzahl; ++i) {
            da.push_back(spiele_array_key(a, i));
            EXPECT_EQ(keys[spiele_array_eintrag(a, i)[4]], da.back());
        }
        EXPECT_EQ(da, bleiben);
    }
}

}  // namespace
