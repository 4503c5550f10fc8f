// The world's figures: where the players are, the smallest league squad, the league clubs'
// money (median, sum, lowest), and the line the world-health tool prints.
#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "database/db_hilfe.h"
#include "database/welt_bilanz.h"

namespace {

struct WeltBilanz : ::testing::Test {
    void SetUp() override
    {
        Test_Teams_Anlegen(6);  // 0..3 clubs, 4 the market, 5 the youth team
        Test_Spieler_Anlegen(60);
        Netz_Rolle = 2;
        T[3].status = 1;  // not a league club
        Bank_Set_Kontostand_Abfrage([](int32_t team, int32_t) { return team == 0 ? -500 : team == 1 ? 3000 : 7000; });
    }
    void TearDown() override
    {
        Bank_Set_Kontostand_Abfrage(nullptr);
        Test_Aufraeumen();
    }
};

TEST_F(WeltBilanz, CountsPlayersSquadsAndTheLeagueClubsMoney)
{
    int32_t p = 0;
    for (int32_t t : {0, 0, 0, 1, 1, 2, 2, 2, 2, 3, 4, 4, 5})
        ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, t, p++, 100, 0, 12, -1, false));
    // names: two men of one name in club 0; one surname under two initials in club 2; a full name
    // shared between a club outside the leagues and the market counts in the world alone
    std::snprintf(Spieler_Fix_Daten[1].name, 20, "Spieler0");
    std::snprintf(Spieler_Fix_Daten[5].name, 20, "Spieler3");
    Spieler_Fix_Daten[5].vorname[0] = 'X';
    std::snprintf(Spieler_Fix_Daten[9].name, 20, "Spieler10");
    Aktueller_Tag = 77;
    const Welt_Bilanz b = Welt_Bilanz_Zaehlen();
    EXPECT_EQ(b.tag, 77);
    EXPECT_EQ(b.liga_spieler, 9);
    EXPECT_EQ(b.markt_spieler, 2);
    EXPECT_EQ(b.ohne_verein, 60 - 13);
    EXPECT_EQ(b.erster_ohne_verein, 13);
    EXPECT_EQ(b.kleinster_kader, 2);
    EXPECT_EQ(b.kleinster_verein, 1);
    EXPECT_EQ(b.vereine_unter_16, 3);
    EXPECT_EQ(b.geld_median, 3000);
    EXPECT_EQ(b.geld_summe, 9500);
    EXPECT_EQ(b.geld_min, -500);
    EXPECT_EQ(b.vereine, 3);
    EXPECT_EQ(b.vereine_im_minus, 1);
    EXPECT_EQ(b.nachnamen, 57);
    EXPECT_EQ(b.vollnamen_doppelt, 4);
    EXPECT_EQ(b.vereine_doppelter_name, 1);
    EXPECT_EQ(Welt_Bilanz_Zeile(b), "tag=77 liga_spieler=9 markt_spieler=2 ohne_verein=47 kleinster_kader=2 vereine_unter_16=3 "
                                    "geld_median=3000 geld_summe=9500 geld_min=-500 vereine_im_minus=1 elf_staerke=0 "
                                    "staerke_bis23=500 staerke_24_28=0 staerke_29_32=0 staerke_ab33=0 spieler_ab33=0 "
                                    "spieler_ab900=0 beste_100=500 perzentil_99=500 alte_lange_vertraege=0 nachnamen=57 vollnamen_doppelt=4 vereine_doppelter_name=1");
    Aktueller_Tag = 0;
}

// The strength figures: the starting elevens of the highest level's clubs alone, and every
// league club's player by his age's bracket (market, youth team and clubs outside the
// leagues left out), each at the strength the game shows, a keeper's his keeper strength.
TEST_F(WeltBilanz, MeasuresTheTopElevensAndTheStrengthByAge)
{
    const auto staerke = [](int32_t p, int32_t wert, int32_t alter) {
        for (int32_t i = 0; i < 9; ++i) Spieler_Daten[p].attribute[i] = static_cast<int16_t>(wert);
        Spieler_Daten[p].alter = static_cast<uint8_t>(alter);
    };
    // player: team, strength, age, in the eleven
    struct Fall { int32_t team, wert, alter; bool elf; };
    const Fall faelle[] = {
        {0, 600, 23, true},  {0, 400, 24, true}, {0, 900, 28, false},  // club 0, level 100
        {1, 800, 29, true},  {1, 300, 32, false},                        // club 1, level 100
        {2, 990, 33, true},  {2, 200, 36, false},                        // club 2, level 50
        {3, 100, 40, true},  {4, 100, 40, false}, {5, 100, 20, false},   // not counted
    };
    for (int32_t p = 0; p < int32_t(std::size(faelle)); ++p) {
        const Fall& f = faelle[p];
        staerke(p, f.wert, f.alter);
        ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, f.team, p, 100, 0, 36, -1, false));
        if (f.elf) Teamspieler_Wert(317, f.team, p, TS_STARTELF, 8);
    }
    Spieler_Fix_Daten[1].lieblingspos = SP_POS_TORWART;  // a keeper: his strength is his first slot
    Spieler_Daten[1].attribute[1] = 10;
    const Welt_Bilanz b = Welt_Bilanz_Zaehlen([](int32_t team) { return team == 2 ? 50 : 100; });
    EXPECT_EQ(b.elf_staerke, (600 + 400 + 800) / 3);
    EXPECT_EQ(b.staerke_alter[0], 600);
    EXPECT_EQ(b.staerke_alter[1], (400 + 900) / 2);
    EXPECT_EQ(b.staerke_alter[2], (800 + 300) / 2);
    EXPECT_EQ(b.staerke_alter[3], (990 + 200) / 2);
    EXPECT_EQ(b.spieler_alter[0], 1);
    EXPECT_EQ(b.spieler_alter[3], 2);
    EXPECT_EQ(b.spieler_ab900, 2);  // 900 and 990; the 40-year-olds at 100 are not counted
    EXPECT_EQ(b.alte_lange_vertraege, 1);  // the 36-year-old with three years left
    // fewer than a hundred league players: the best hundred are all of them, and the best of
    // them stands above 99 in 100
    EXPECT_EQ(b.beste_100, (600 + 400 + 900 + 800 + 300 + 990 + 200) / 7);
    EXPECT_EQ(b.perzentil_99, 990);
    EXPECT_EQ(Welt_Altersstufe(18), 0);
    EXPECT_EQ(Welt_Altersstufe(24), 1);
    EXPECT_EQ(Welt_Altersstufe(32), 2);
    EXPECT_EQ(Welt_Altersstufe(33), 3);
}

// Long contracts of old men: league clubs' players of 35 or more with more than 25 months left;
// a man of 34, one with 25 months and the clubs outside the leagues do not count.
TEST_F(WeltBilanz, LongContractsOfOldMenCountFrom35WithMoreThan25Months)
{
    // player: team, age, months
    struct Fall { int32_t team, alter, monate; };
    const Fall faelle[] = {
        {0, 35, 36}, {1, 35, 26}, {2, 41, 48},  // counted
        {0, 34, 36}, {1, 35, 25}, {2, 30, 48},  // too young or too short
        {3, 36, 36}, {4, 36, 36}, {5, 36, 36},  // outside the leagues, market, youth team
    };
    for (int32_t p = 0; p < int32_t(std::size(faelle)); ++p) {
        Spieler_Daten[p].alter = static_cast<uint8_t>(faelle[p].alter);
        ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, faelle[p].team, p, 100, 0, faelle[p].monate, -1, false));
        Teamspieler_Wert(305, faelle[p].team, p, faelle[p].monate, 1);  // the market's own length set aside
    }
    EXPECT_EQ(Welt_Bilanz_Zaehlen([](int32_t) { return 100; }).alte_lange_vertraege, 3);
}

// The best hundred of the league clubs' players and the strength 99 in 100 fall short of: the
// market and the clubs outside the leagues count for neither.
TEST_F(WeltBilanz, MeasuresTheLeaguesBestHundredAndTheTopPercent)
{
    Test_Aufraeumen();
    Test_Teams_Anlegen(8);  // 0..5 clubs, 6 the market, 7 the youth team
    Test_Spieler_Anlegen(260);
    Netz_Rolle = 2;
    T[5].status = 1;  // not a league club
    for (int32_t p = 0; p < 260; ++p) {
        // 200 league players of 1..200 (times 4), the rest far stronger but not counted
        const int32_t team = p < 200 ? p % 5 : p < 230 ? 5 : 6;
        const int32_t wert = p < 200 ? 4 * (p + 1) : 990;
        for (int16_t& a : Spieler_Daten[p].attribute) a = static_cast<int16_t>(wert);
        ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, team, p, 100, 0, 12, -1, false));
    }
    const Welt_Bilanz b = Welt_Bilanz_Zaehlen([](int32_t) { return 100; });
    EXPECT_EQ(b.beste_100, 4 * (101 + 200) / 2);  // the mean of 101..200
    EXPECT_EQ(b.perzentil_99, 4 * 198);           // two of the 200 lie above it
}

// The same players a year on: a record counts where its player was a league player on both days
// and is a year older; a record a new player took, one who went to the market, a club outside
// the leagues or one who had no birthday are left out.
TEST_F(WeltBilanz, FollowsTheSamePlayersFromOneYearToTheNext)
{
    struct Fall { int32_t team, alter, wert; };
    const Fall faelle[] = {{0, 20, 500}, {0, 20, 520}, {1, 28, 600}, {1, 33, 700}, {2, 33, 650},
                           {2, 35, 400}, {0, 24, 300}, {3, 20, 500}, {1, 27, 500}};
    for (int32_t p = 0; p < int32_t(std::size(faelle)); ++p) {
        for (int16_t& a : Spieler_Daten[p].attribute) a = static_cast<int16_t>(faelle[p].wert);
        Spieler_Daten[p].alter = static_cast<uint8_t>(faelle[p].alter);
        ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, faelle[p].team, p, 100, 0, 36, -1, false));
    }
    const Welt_Spieler_Stand vorher = Welt_Spieler_Merken();
    ASSERT_EQ(vorher.staerke.size(), size_t(Spieler_Anzahl));
    EXPECT_EQ(vorher.staerke[9], -1);  // in no team
    const int32_t neu[] = {512, 540, 600, 680, 640, 350, 300, 900, 900};
    for (int32_t p = 0; p < int32_t(std::size(faelle)); ++p) {
        for (int16_t& a : Spieler_Daten[p].attribute) a = static_cast<int16_t>(neu[p]);
        ++Spieler_Daten[p].alter;
    }
    Spieler_Daten[5].alter = 18;  // the man of 35 retired, his record a new player's
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(0, 0, 6, 100, 0, 36, -1, false));  // to the market
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 4, 6, 100, 0, 36, -1, false));
    Spieler_Daten[8].alter = 27;  // no birthday
    const Welt_Entwicklung e = Welt_Entwicklung_Zaehlen(vorher, Welt_Spieler_Merken());
    EXPECT_EQ(e.gezaehlt(0, WELT_ALTER_MAX), 5);
    EXPECT_DOUBLE_EQ(e.mittel(20, 20), (12 + 20) / 2.0);
    EXPECT_DOUBLE_EQ(e.mittel(28, 28), 0.0);
    EXPECT_DOUBLE_EQ(e.mittel(33, 33), (-20 - 10) / 2.0);
    EXPECT_DOUBLE_EQ(e.mittel(18, 30), (12 + 20 + 0) / 3.0);
    EXPECT_EQ(e.gezaehlt(24, 27), 0);
    EXPECT_EQ(e.gezaehlt(35, 35), 0);
    EXPECT_EQ(Welt_Entwicklung_Zeile(e).substr(0, 28), "d18_21=16.0 d22_23=0.0 d24_2");
}

// The league clubs by level, the highest first: the market, the youth team and a club outside
// the leagues count in no level; a level's median and mean wages are its own clubs' alone.
TEST_F(WeltBilanz, GroupsTheLeagueClubsByLevelWithTheirMedianAndWages)
{
    int32_t p = 0;
    // club 0: two players at 100 and 300 thousand; 1: one at 50; 2: one at 250; 3, 4, 5 not counted
    const int32_t vereine[] = {0, 0, 1, 2, 3, 4, 5};
    const int32_t gehaelter[] = {100, 300, 50, 250, 900, 900, 900};
    for (size_t i = 0; i < std::size(vereine); ++i)
        ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, vereine[i], p++, gehaelter[i], 0, 12, -1, false));
    const auto niveau = [](int32_t team) { return team == 0 ? 50 : 100; };
    const std::vector<Welt_Stufe> s = Welt_Bilanz_Stufen(niveau);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].niveau, 100);
    EXPECT_EQ(s[0].vereine, 2);
    EXPECT_EQ(s[0].geld_median, 7000);  // of 3000 and 7000, the upper one as in the world's line
    EXPECT_EQ(s[0].gehaelter, 150000);  // (50 + 250) thousand over two clubs
    EXPECT_EQ(s[0].im_minus, 0);
    EXPECT_EQ(s[1].niveau, 50);
    EXPECT_EQ(s[1].vereine, 1);
    EXPECT_EQ(s[1].geld_median, -500);
    EXPECT_EQ(s[1].gehaelter, 400000);
    EXPECT_EQ(s[1].im_minus, 1);
    EXPECT_EQ(Welt_Stufe_Zeile(s[1]), "niveau=50 vereine=1 geld_median=-500 gehaelter=400000 im_minus=1");
}

// Each league club on its own, in team order, for finding the club behind a level's figures:
// the market, the youth team and a club outside the leagues are not listed, and the club a
// human manager runs is marked (an idle manager's club is not run by the computer's money rules).
TEST_F(WeltBilanz, ListsEachLeagueClubWithItsMoneySquadWagesAndManager)
{
    int32_t p = 0;
    const int32_t vereine[] = {0, 0, 2, 3, 4};
    const int32_t gehaelter[] = {100, 300, 250, 900, 900};
    for (size_t i = 0; i < std::size(vereine); ++i)
        ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, vereine[i], p++, gehaelter[i], 0, 12, -1, false));
    Manager_Struktur anna{};
    T_Fix[2].manager = &anna;
    const std::vector<Welt_Verein> v = Welt_Bilanz_Vereine([](int32_t team) { return team == 0 ? 25 : 100; });
    T_Fix[2].manager = nullptr;
    ASSERT_EQ(v.size(), 3u);
    EXPECT_EQ(Welt_Verein_Zeile(v[0]), "verein=0 niveau=25 geld=-500 kader=2 gehaelter=400000 manager=0");
    EXPECT_EQ(Welt_Verein_Zeile(v[1]), "verein=1 niveau=100 geld=3000 kader=0 gehaelter=0 manager=0");
    EXPECT_EQ(Welt_Verein_Zeile(v[2]), "verein=2 niveau=100 geld=7000 kader=1 gehaelter=250000 manager=1");
}

}  // namespace
