// Team statistics, the general event counter and the match info lines over scripted histories.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "competitions/spiele_intern.h"
#include "competitions/spiele_statistik.h"
#include "competitions/spiele_welt.h"
#include "toolkit/icon.h"
#include "toolkit/popup.h"

namespace {

using namespace spielwelt;

struct Ev {
    uint32_t flags;
    int32_t minute, sp1, sp2;
};

class SpieleStatistikTest : public Spielwelt {
protected:
    int32_t block = -1;
    void SetUp() override
    {
        Spielwelt::SetUp();
        block = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
        ASSERT_GE(block, 0);
    }
    // A played match with its events in order; the goals come from the events.
    void spiel(int32_t b, int32_t tag, int32_t runde, int32_t slot, int32_t heim, int32_t gast, std::vector<Ev> ev,
               uint8_t art = 0, uint32_t zuschauer = 0)
    {
        int32_t h = Spiele_Lock(b, tag, runde, slot);
        ASSERT_NE(h, 0);
        Spiele_Set_Teams(h, heim, gast);
        Spiele_Set_Ergebnis(h, 0, 0, art);
        Spiele_Ereignis_Speicher_Reservieren(h);
        for (const Ev& e : ev) Spiele_Set_Ereignis(h, e.flags, e.minute, e.sp1, e.sp2);
        Spiele_Set_Minute(h, 90);
        Spiele_Set_Zuschauer(h, zuschauer);
        Spiele_Get_Spiel(h, 1)->wetter = 10;
        Spiele_Get_Spiel(h, 1)->temperatur = 18;
        Spiele_Unlock(h);
    }
    Spiele_Team_Statistik stat(int32_t team, int32_t w = LIGA)
    {
        Spiele_Team_Statistik s;
        Spiele_Team_Statistik_Berechnen(team, w, -1, -1, -1, 0, &s, -1);
        return s;
    }
    std::vector<int32_t> zaehlen(bool pro_spieler, std::vector<uint32_t> masken, int32_t seiten = 0)
    {
        const int32_t spalten = pro_spieler ? Spieler_Anzahl : Team_Anzahl;
        std::vector<int32_t> z(masken.size() * size_t(spalten), -7);
        const int32_t w = LIGA;
        EXPECT_TRUE(Spiele_Get_Statistik(pro_spieler, !pro_spieler, &w, 1, masken.data(), int32_t(masken.size()), -1,
                                         -1, -1, -1, seiten, z.data()));
        return z;
    }
};

constexpr uint32_t HT = SPE_TOR | SPE_HEIM, GT = SPE_TOR;

TEST_F(SpieleStatistikTest, ComebackCountsTrailingWinAndOpponentsFirstGoal)
{
    // 0:2 down, then 3:2.
    spiel(block, 0, 0, 0, 0, 1, {{GT, 10, 20, 0}, {GT, 20, 21, 0}, {HT, 50, 5, 6}, {HT, 60, 5, 0}, {HT, 80, 7, 0}});
    Spiele_Team_Statistik s = stat(0);
    EXPECT_EQ(s.spiele, 1);
    EXPECT_EQ(s.siege, 1);
    EXPECT_EQ(s.tore, 3);
    EXPECT_EQ(s.gegentore, 2);
    EXPECT_EQ(s.sieg_nach_rueckstand[0], 1);
    EXPECT_EQ(s.erstes_gegentor[0], 1);
    EXPECT_EQ(s.erstes_tor[0], 0);
    EXPECT_EQ(s.niederlage_nach_fuehrung[0], 0);
    EXPECT_EQ(s.tore_minute[50] + s.tore_minute[60] + s.tore_minute[80], 3);
    EXPECT_EQ(s.gegentore_minute[10], 1);
    EXPECT_EQ(s.spiele_mit_toren[3], 1);
    EXPECT_EQ(s.spiele_mit_gegentoren[2], 1);
    EXPECT_EQ(s.letzter_sieg[0], 0);
    EXPECT_EQ(s.letzte_niederlage[0], -1);
    EXPECT_EQ(s.minuten_ohne_tor, 10);
    EXPECT_EQ(s.minuten_ohne_gegentor, 70);

    // The loser's view: it led first and lost.
    Spiele_Team_Statistik g = stat(1);
    EXPECT_EQ(g.niederlagen, 1);
    EXPECT_EQ(g.niederlage_nach_fuehrung[0], 1);
    EXPECT_EQ(g.erstes_tor[0], 1);
    EXPECT_EQ(g.sieg_nach_rueckstand[0], 0);
    // Away only: the winner played at home.
    Spiele_Team_Statistik_Berechnen(0, LIGA, -1, -1, -1, 2, &s, -1);
    EXPECT_EQ(s.spiele, 0);
}

TEST_F(SpieleStatistikTest, ShootOutCountsAsResultButNotInDistributionsAndLatestIsNewest)
{
    spiel(block, 0, 0, 0, 0, 1, {{HT, 30, 5, 0}});                                           // 1:0
    spiel(block, 1, 0, 0, 2, 0, {{HT, 10, 8, 0}, {GT, 20, 5, 0}, {GT, 121, 5, 0}}, SPIELE_ART_NE);  // 1:2 n.E.
    spiel(block, 2, 0, 0, 0, 3, {});                                                          // 0:0
    Spiele_Team_Statistik s = stat(0);
    EXPECT_EQ(s.spiele, 3);
    EXPECT_EQ(s.siege, 2);
    EXPECT_EQ(s.unentschieden, 1);
    int32_t verteilt = 0;
    for (int32_t i = 0; i < 10; ++i) verteilt += s.spiele_mit_toren[i];
    EXPECT_EQ(verteilt, 2);  // the shoot-out is left out
    EXPECT_EQ(s.spiele_mit_toren[1], 1);
    EXPECT_EQ(s.spiele_mit_toren[0], 1);
    // Newest first: the 0:0 is ordinal 0, the shoot-out win ordinal 1.
    EXPECT_EQ(s.letzter_sieg[0], 1);
    EXPECT_GE(s.letzter_sieg[1], 0);
    // Without a competition the positions stay unset.
    Spiele_Team_Statistik_Berechnen(0, -1, -1, -1, -1, 0, &s, -1);
    EXPECT_EQ(s.spiele, 3);
    EXPECT_EQ(s.letzter_sieg[0], -1);
    // Match-day range.
    Spiele_Team_Statistik_Berechnen(0, LIGA, 1, 1, -1, 0, &s, -1);
    EXPECT_EQ(s.spiele, 1);
}

TEST_F(SpieleStatistikTest, CounterMasksSecondPlayerOtherSideAndAttendance)
{
    spiel(block, 0, 0, 0, 0, 1, {{HT, 10, 5, 6}, {HT, 20, 5, 0x7FFF}, {GT | SPE_CHANCE, 30, 20, 21}}, 0, 30000);
    spiel(block, 1, 0, 0, 2, 0, {{GT, 40, 7, 6}}, 0, 12000);
    auto z = zaehlen(true, {SPE_TOR, SPST_ZWEITER_SPIELER | SPE_TOR});
    const int32_t n = Spieler_Anzahl;
    EXPECT_EQ(z[5], 2);
    EXPECT_EQ(z[7], 1);
    EXPECT_EQ(z[20], 1);
    EXPECT_EQ(z[n + 6], 2);   // assisted twice
    EXPECT_EQ(z[n + 21], 1);
    EXPECT_EQ(z[n + 5], 0);

    const int32_t t = Team_Anzahl;
    auto k = zaehlen(false, {SPE_TOR, SPE_TOR | SPST_GEGNER, SPST_ZUSCHAUER, SPST_HEIMSPIELE, SPST_GESPIELT});
    EXPECT_EQ(k[0], 3);          // team 0 scored twice at home and once away
    EXPECT_EQ(k[1], 1);
    EXPECT_EQ(k[t + 0], 1);      // conceded by team 0
    EXPECT_EQ(k[t + 1], 2);
    EXPECT_EQ(k[2 * t + 0], 30000);
    EXPECT_EQ(k[2 * t + 2], 12000);
    EXPECT_EQ(k[3 * t + 0], 1);
    EXPECT_EQ(k[4 * t + 0], 2);
    // Home events only.
    auto h = zaehlen(false, {SPE_TOR}, 1);
    EXPECT_EQ(h[0], 2);
}

// The kicks of a shoot-out (goals stored without their shot) stand in the score but are no
// player's goals: not in the counter per player, nor in a player's own team figures. Outside a
// match decided on penalties a goal is counted as stored.
TEST_F(SpieleStatistikTest, ShootOutKicksAreNoPlayersGoals)
{
    const uint32_t HC = HT | SPE_CHANCE, GC = GT | SPE_CHANCE;
    spiel(block, 0, 0, 0, 0, 1,
          {{HC, 30, 5, 6}, {GC, 80, 20, 0x7FFF}, {HT, 121, 5, 0x7FFF}, {GT, 121, 20, 0x7FFF}, {HT, 121, 7, 0x7FFF}},
          SPIELE_ART_NE);
    spiel(block, 1, 0, 0, 2, 0, {{GT, 40, 7, 6}});
    const int32_t n = Spieler_Anzahl;
    auto z = zaehlen(true, {SPE_TOR, SPST_ZWEITER_SPIELER | SPE_TOR});
    EXPECT_EQ(z[5], 1);
    EXPECT_EQ(z[20], 1);
    EXPECT_EQ(z[7], 1) << "only his goal of the second match";
    EXPECT_EQ(z[n + 6], 2);
    const int32_t w = LIGA;
    const uint32_t m = SPE_TOR;
    int32_t eins = -1;
    ASSERT_TRUE(Spiele_Get_Statistik_Eines_Spielers(5, &w, 1, &m, 1, -1, -1, -1, -1, &eins));
    EXPECT_EQ(eins, 1);
    Spiele_Team_Statistik s;
    Spiele_Team_Statistik_Berechnen(0, LIGA, 0, 0, -1, 0, &s, 5);
    EXPECT_EQ(s.tore, 1);
    // the team's score keeps the kicks that decided it
    auto k = zaehlen(false, {SPE_TOR});
    EXPECT_EQ(k[1], 2);
}

// One player's count is his column of the count for every player, the second player's mask and a
// minute range included; a number beyond the players has none.
TEST_F(SpieleStatistikTest, OnePlayersCountIsHisColumnOfTheFullCount)
{
    spiel(block, 0, 0, 0, 0, 1, {{HT, 10, 5, 6}, {HT, 20, 5, 0x7FFF}, {GT | SPE_CHANCE, 30, 20, 21}}, 0, 30000);
    spiel(block, 1, 0, 0, 2, 0, {{GT, 40, 7, 6}, {HT, 80, 6, 5}});
    const uint32_t m[2] = {SPE_TOR, SPST_ZWEITER_SPIELER | SPE_TOR};
    const int32_t w = LIGA, n = Spieler_Anzahl;
    std::vector<int32_t> alle(size_t(n) * 2);
    for (const auto& [von, bis] : {std::pair{-1, -1}, std::pair{15, 50}}) {
        ASSERT_TRUE(Spiele_Get_Statistik(1, 0, &w, 1, m, 2, -1, -1, von, bis, 0, alle.data()));
        for (int32_t sp : {5, 6, 7, 20, 21, 0}) {
            int32_t eins[2] = {99, 99};
            ASSERT_TRUE(Spiele_Get_Statistik_Eines_Spielers(sp, &w, 1, m, 2, -1, -1, von, bis, eins));
            EXPECT_EQ(eins[0], alle[size_t(sp)]) << sp << " from " << von;
            EXPECT_EQ(eins[1], alle[size_t(n + sp)]) << sp << " from " << von;
        }
    }
    int32_t eins[2];
    EXPECT_FALSE(Spiele_Get_Statistik_Eines_Spielers(n, &w, 1, m, 2, -1, -1, -1, -1, eins));
    EXPECT_FALSE(Spiele_Get_Statistik_Eines_Spielers(-1, &w, 1, m, 2, -1, -1, -1, -1, eins));
}

TEST_F(SpieleStatistikTest, WildMinutesAndPlayerNumbersChangeNothing)
{
    spiel(block, 0, 0, 0, 0, 1, {{HT | SPE_CHANCE, 10, 5, 6}, {SPE_CHANCE, 30, 20, 0}});
    const auto vorher_sp = zaehlen(true, {SPE_CHANCE, SPE_CHANCE | SPST_ZWEITER_SPIELER});
    const auto vorher_t = zaehlen(false, {SPE_CHANCE});
    const Spiele_Team_Statistik vorher = stat(0);
    int32_t h = Spiele_Lock(block, 0, 0, 0);
    Spiele_Set_Ereignis(h, SPE_CHANCE | SPE_HEIM, 230, 5, 6);
    Spiele_Set_Ereignis(h, SPE_CHANCE, 40, 40000, 40000);
    Spiele_Unlock(h);
    EXPECT_EQ(zaehlen(true, {SPE_CHANCE, SPE_CHANCE | SPST_ZWEITER_SPIELER}), vorher_sp);
    const Spiele_Team_Statistik nachher = stat(0);
    EXPECT_EQ(nachher.chancen, vorher.chancen);
    // The team still sees the chance of player 40,000 (its side is known), nothing else moved.
    auto t = zaehlen(false, {SPE_CHANCE});
    EXPECT_EQ(t[0], vorher_t[0]);
    EXPECT_EQ(t[1], vorher_t[1] + 1);
}

TEST_F(SpieleStatistikTest, CounterRefusesBadArguments)
{
    std::vector<int32_t> z(size_t(Spieler_Anzahl) * 11);
    const uint32_t m[11] = {SPE_TOR};
    const int32_t w = LIGA;
    EXPECT_FALSE(Spiele_Get_Statistik(1, 1, &w, 1, m, 1, -1, -1, -1, -1, 0, z.data()));
    EXPECT_FALSE(Spiele_Get_Statistik(0, 0, &w, 1, m, 1, -1, -1, -1, -1, 0, z.data()));
    EXPECT_FALSE(Spiele_Get_Statistik(1, 0, &w, 1, m, 0, -1, -1, -1, -1, 0, z.data()));
    EXPECT_FALSE(Spiele_Get_Statistik(1, 0, &w, 1, m, 11, -1, -1, -1, -1, 0, z.data()));
    EXPECT_FALSE(Spiele_Get_Statistik(1, 0, &w, 1, m, 1, -1, -1, -1, -1, 0, nullptr));
}

TEST_F(SpieleStatistikTest, InfoTextOfUnplayedAndPlayedMatchAndSecondLeg)
{
    const int32_t b = Spiele_Init_Neue_Spiele(1, 4, 3, 2, GRUPPE, -1);
    Menue_Icon icon = Menue_Icon_Vorlage(1, -1, 0, 0, 0, 10, 10, 0, 255);
    icon.kennung_1 = int16_t(b);
    icon.kennung_2 = int16_t(1 * 256 + 0);
    {
        int32_t h = Spiele_Lock(b, 1, 0, 0);
        Spiele_Set_Teams(h, 2, 3);
        Spiele_Unlock(h);
    }
    Menue_Kontextmenue* k = Spiele_Info_Kontext_Erzeugen(&icon);
    ASSERT_NE(k, nullptr);
    EXPECT_STREQ(k->titel, "Daten zum Spiel Team 2 gegen Team 3");
    EXPECT_STREQ(k->texte[0], "Noch keine Daten zum Spiel verfügbar.");
    EXPECT_EQ(k->texte[1], nullptr);

    spiel(b, 1, 1, 0, 3, 2, {{HT, 12, 5, 6}, {GT, 30, 7, 0}, {SPE_GELB, 44, 8, 0}});
    k = Spiele_Info_Kontext_Erzeugen(&icon);  // asked again: the second leg
    ASSERT_NE(k, nullptr);
    EXPECT_STREQ(k->titel, "Daten zum Spiel Team 3 gegen Team 2");
    std::vector<std::string> z;
    for (int32_t i = 0; i < MENUE_KONTEXT_EINTRAEGE && k->texte[i]; ++i) z.emplace_back(k->texte[i]);
    ASSERT_EQ(z.size(), 6u);
    EXPECT_NE(z[0].find("Temperatur"), std::string::npos);
    EXPECT_NE(z[0].find("18 Grad"), std::string::npos);
    EXPECT_NE(z[0].find("wolkenlos"), std::string::npos);
    EXPECT_NE(z[1].find(": 0^tl0160"), std::string::npos);
    EXPECT_NE(z[1].find("Schiedsrichter"), std::string::npos);
    EXPECT_EQ(z[2], "^tl0125Team 3^tl0250Team 2");
    EXPECT_NE(z[3].find("1^tl0047:^tl0051""0"), std::string::npos);
    EXPECT_NE(z[3].find("12^tl0080.Minute^tl0125"), std::string::npos);
    EXPECT_NE(z[3].find("Spieler5"), std::string::npos);
    EXPECT_NE(z[3].find(" (Spieler6)"), std::string::npos);
    EXPECT_NE(z[4].find("1^tl0047:^tl0051""1"), std::string::npos);
    EXPECT_NE(z[4].find("^tl0250"), std::string::npos);
    EXPECT_EQ(z[4].find(" ("), std::string::npos);
    EXPECT_NE(z[5].find("Spieler8"), std::string::npos);

    // A third ask goes back to the first leg; a cell whose match is missing gives nothing.
    k = Spiele_Info_Kontext_Erzeugen(&icon);
    ASSERT_NE(k, nullptr);
    EXPECT_STREQ(k->titel, "Daten zum Spiel Team 2 gegen Team 3");
    icon.kennung_2 = int16_t(100 * 256);
    EXPECT_EQ(Spiele_Info_Kontext_Erzeugen(&icon), nullptr);
}

}  // namespace
