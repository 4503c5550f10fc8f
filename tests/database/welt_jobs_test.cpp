// The periodic jobs of players and teams on small databases built in memory: injuries, birthdays
// and the retirement seed, the auction countdown, the market clock, risk, insurance, morale,
// tactic training, staff contracts, weekly bookings, the history and the finances.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <string>
#include <vector>

#include "common/capture.h"
#include "competitions/spiele.h"
#include "competitions/wettbewerb.h"
#include "database/assistent.h"
#include "database/db_hilfe.h"
#include "database/manager.h"
#include "database/team_staerke.h"
#include "database/teamspieler.h"
#include "economy/bank.h"
#include "gameflow/highscore.h"
#include "gameflow/news.h"
#include "platform/win95.h"
#include "platform/zufall.h"

namespace {


int32_t news_mit(const std::string& teil)
{
    int32_t n = 0;
    for (int32_t i = 0; i < NEWS_MAX; ++i)
        if (const News_Nachricht* m = News_Get_Nachricht(i))
            if (std::string(m->text).find(teil) != std::string::npos) ++n;
    return n;
}

float gebucht(int32_t team, int32_t kategorie)
{
    float s = 0;
    for (const Test_Buchung& b : Test_Buchungen)
        if (b.kategorie == kategorie && (b.zahler == team || b.empfaenger == team)) s += b.betrag;
    return s;
}

struct WeltJobs : ::testing::Test {
    void SetUp() override
    {
        Test_Teams_Anlegen(6);
        Test_Spieler_Anlegen(400);
        Netz_Rolle = 2;
        Schwierigkeitsstufe = 2;
        Aktueller_Tag = 0;
        News_Init();
        Teamspieler_Init_Listen();
        Zufall_Set_Seed(4711);
        Test_Bank_Beobachten(0);
        Manager_Neuer_Mitspieler(0, "M");
    }
    void TearDown() override
    {
        Test_Bank_Loslassen();
        Test_Welt_Aufraeumen();
    }
    // The market emptied and filled with players 50.. of home system 1, twelve months each.
    static void markt_fuellen(int32_t groesse)
    {
        const int32_t markt = Transfermarkt_Team;
        Teamspieler_Init_Listen();
        while (Team_Wert(TEAM_SPIELERANZAHL, markt, 0, 0) > 0) {
            int32_t p = -1;
            Teamspieler_Ins_Array(markt, &p, 1, 0);
            Teamspieler_Kommt_Oder_Geht(0, markt, p, 0, 0, 0, -1, false);
        }
        for (int32_t p = 50; p < 50 + groesse; ++p) {
            dazu(markt, p);
            Spieler_Egal_Daten[p].heimatsystem = 1;
            Teamspieler_Wert(305, markt, p, 12, 1);
        }
    }
    static void dazu(int32_t team, int32_t spnr, int32_t monate = 24)
    {
        ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, team, spnr, 100, 0, monate, -1, false));
    }
};

TEST_F(WeltJobs, InjuryDrawsAreWeightedAndMatchesDrawNoPureIllness)
{
    EXPECT_EQ(Spieler_Verletzung_Listenlaenge(false), 8410);
    EXPECT_EQ(std::string(Spieler_Verletzung_Name(33)), "Kreuzbandriß");
    dazu(1, 5);
    for (int32_t runde = 0; runde < 3000; ++runde) {
        const bool im_spiel = runde % 2;
        Spieler_Daten[5].verletzung_tage = 0;
        const int32_t art = Spieler_Verletzen(1, 5, im_spiel);
        ASSERT_GE(art, 0);
        ASSERT_NE(art, 33);
        const int32_t tage = Spieler_Wert(SP_VERLETZUNG_TAGE, 5, 0, 0);
        EXPECT_GE(tage, Spieler_Verletzung_Tage(art, false));
        EXPECT_LE(tage, Spieler_Verletzung_Tage(art, true));
        // colds, flu, food poisoning and the like never happen on the pitch
        static const int32_t KRANKHEIT[] = {0, 1, 3, 5, 7, 8, 9, 10, 11, 12, 34, 36, 37, 38, 40, 41};
        if (im_spiel) {
            for (int32_t k : KRANKHEIT) ASSERT_NE(art, k);
        }
        EXPECT_TRUE(Teamspieler_Wert(317, 1, 5, 0, 0) & TS_ARZT);
    }
    // an injured player is not injured again
    EXPECT_EQ(Spieler_Verletzen(1, 5, false), -1);
    Fehler_Capture fehler;
    Spieler_Verletzung_Name(42);
    EXPECT_TRUE(fehler.contains("Spieler_Verletzen: verl_nr falsch!"));
}

TEST_F(WeltJobs, DailyInjuryIsOneDrawOverTheRiskRange)
{
    // The risk's half-step, then one draw over its whole range: every PC and savegame replays
    // the same two numbers of the sequence, and a player is hurt when the second one is 0.
    int32_t verletzt = 0;
    for (int32_t risiko : {0, 45, 100}) {
        for (int32_t seed = 1; seed < 40000; seed += 3) {
            Zufall_Set_Seed(seed);
            const bool heute = Team_Verletzung_Gewuerfelt(risiko);
            const int32_t danach = Zufall_Get_Seed();
            Zufall_Set_Seed(seed);
            const int32_t halb = Zufall(0, 100);
            const bool erwartet = Zufall(0, (risiko + halb) / 2 * 35 + 85) == 0;
            ASSERT_EQ(heute, erwartet) << risiko << " " << seed;
            ASSERT_EQ(danach, Zufall_Get_Seed());
            verletzt += heute;
        }
    }
    EXPECT_GT(verletzt, 0);
    EXPECT_LT(verletzt, 200);
}

TEST_F(WeltJobs, BirthdayAndRetirementSeedUseDefinedArithmetic)
{
    std::strcpy(Spieler_Fix_Daten[3].name, "Abel");
    Spieler_Fix_Daten[3].gesicht = 1000;
    Spieler_Daten[3].alter = 33;
    EXPECT_EQ(Spieler_Geburtstag(3), 30);
    EXPECT_EQ(Spieler_Karriere_Saat(3), 2000);
    // the same age whatever the game's sequence, which the draw leaves where it stood
    const int32_t alter = Spieler_Ruhestandsalter(3, nullptr);
    EXPECT_TRUE(alter >= 33 && alter <= 36);
    for (int32_t seed : {1, 777, 3999999}) {
        Zufall_Set_Seed(seed);
        EXPECT_EQ(Spieler_Ruhestandsalter(3, nullptr), alter);
        EXPECT_EQ(Zufall_Get_Seed(), seed);
    }
    std::strcpy(Spieler_Fix_Daten[4].name, "\xD6zil");
    Spieler_Fix_Daten[4].gesicht = 1000;
    EXPECT_EQ(Spieler_Geburtstag(4), 226);
    // a product beyond the signed range keeps its absolute value
    std::strcpy(Spieler_Fix_Daten[4].name, "\xD6z\xD6");
    Spieler_Fix_Daten[4].gesicht = 0x7FFFFFFFu;
    Spieler_Daten[4].alter = 40;
    const int32_t saat = Spieler_Karriere_Saat(4);
    EXPECT_GE(saat, 1000);
    EXPECT_LT(saat, 5000);
}

TEST_F(WeltJobs, BirthdaysAgePlayersAndRenewOnlyOldOnesOutsideCompetitions)
{
    // players 10 and 11 have their birthday on day 30
    for (int32_t p : {10, 11}) {
        std::strcpy(Spieler_Fix_Daten[p].name, "Abel");
        Spieler_Fix_Daten[p].gesicht = 1000;
        Spieler_Egal_Daten[p].heimatsystem = 1;
        dazu(2, p);
    }
    Spieler_Daten[10].alter = 35;
    Spieler_Daten[11].alter = 39;
    Aktueller_Tag = 30;
    const int32_t vorher = Spieler_Anzahl;
    Spieler_Jeden_Tag();
    EXPECT_EQ(Spieler_Daten[10].alter, 36);
    EXPECT_FALSE(Spieler_Daten[10].status & SP_STATUS_NEU);
    EXPECT_GE(Spieler_Daten[11].alter, 18);
    EXPECT_LE(Spieler_Daten[11].alter, 23);
    EXPECT_TRUE(Spieler_Daten[11].status & SP_STATUS_NEU);
    EXPECT_EQ(Spieler_Anzahl, vorher);
    // nobody else had a birthday
    EXPECT_EQ(Spieler_Daten[12].alter, 0);
}

// From 33 on a birthday takes one drawn 10..20 off every visible attribute of the player, none
// of them below 10; a player turning 32 keeps his, and one without a birthday that day too.
TEST_F(WeltJobs, BirthdaysFromThirtyThreeOnTakeStrengthAway)
{
    for (int32_t p : {10, 11, 12}) {
        std::strcpy(Spieler_Fix_Daten[p].name, "Abel");
        Spieler_Fix_Daten[p].gesicht = 1000;  // birthday on day 30
        Spieler_Egal_Daten[p].heimatsystem = 1;
        dazu(2, p);
        for (int16_t& a : Spieler_Daten[p].attribute) a = 600;
    }
    Spieler_Daten[10].alter = 31;
    Spieler_Daten[11].alter = 32;
    Spieler_Daten[12].alter = 34;
    Spieler_Daten[11].attribute[4] = 20;
    Spieler_Daten[11].attribute[5] = 10;
    Spieler_Daten[13].alter = 40;  // no birthday today
    Aktueller_Tag = 30;
    Spieler_Jeden_Tag();
    for (int16_t a : Spieler_Daten[10].attribute) EXPECT_EQ(a, 600);
    const int32_t verlust = 600 - Spieler_Daten[11].attribute[0];
    EXPECT_GE(verlust, 10);
    EXPECT_LE(verlust, 20);
    for (int32_t i : {1, 2, 3, 6, 7, 8}) EXPECT_EQ(Spieler_Daten[11].attribute[i], 600 - verlust);
    EXPECT_EQ(Spieler_Daten[11].attribute[4], 10);
    EXPECT_EQ(Spieler_Daten[11].attribute[5], 10);
    EXPECT_LT(Spieler_Daten[12].attribute[0], 600);
    for (int16_t a : Spieler_Daten[13].attribute) EXPECT_EQ(a, 500);
}

// A keeper's career runs five years longer: his birthdays take strength away from 38 on.
TEST_F(WeltJobs, KeepersFadeFiveYearsLater)
{
    for (int32_t p : {10, 11}) {
        std::strcpy(Spieler_Fix_Daten[p].name, "Abel");
        Spieler_Fix_Daten[p].gesicht = 1000;  // birthday on day 30
        Spieler_Fix_Daten[p].lieblingspos = SP_POS_TORWART;
        Spieler_Egal_Daten[p].heimatsystem = 1;
        dazu(2, p);
        for (int16_t& a : Spieler_Daten[p].attribute) a = 600;
    }
    Spieler_Daten[10].alter = 36;
    Spieler_Daten[11].alter = 37;
    EXPECT_EQ(Spieler_Laufbahn_Alter(10), 31);
    Aktueller_Tag = 30;
    Spieler_Jeden_Tag();
    EXPECT_EQ(Spieler_Daten[10].alter, 37);
    for (int16_t a : Spieler_Daten[10].attribute) EXPECT_EQ(a, 600);
    EXPECT_LE(Spieler_Daten[11].attribute[0], 590);
    EXPECT_GE(Spieler_Daten[11].attribute[0], 580);
}

// A contract ends by the player's 36th year, a year at least: what a club draws for a young man
// stands, a four-year contract shrinks with every year past 32, and a shorter one stays short.
TEST_F(WeltJobs, ContractsEndByTheThirtySixthYear)
{
    const struct { int32_t alter, monate, erwartet; } faelle[] = {
        {25, 48, 48}, {32, 48, 48}, {33, 48, 36}, {34, 48, 24}, {35, 48, 12},
        {36, 48, 12}, {40, 48, 12}, {40, 6, 6},   {34, 18, 18}, {18, 60, 60},
    };
    for (const auto& f : faelle) {
        Spieler_Daten[7].alter = static_cast<uint8_t>(f.alter);
        EXPECT_EQ(Spieler_Vertrag_Monate_Begrenzen(7, f.monate), f.erwartet) << f.alter << " " << f.monate;
    }
    EXPECT_EQ(Spieler_Vertrag_Monate_Begrenzen(-1, 48), 48);
    // a keeper's by his 41st
    Spieler_Fix_Daten[7].lieblingspos = SP_POS_TORWART;
    const struct { int32_t alter, monate, erwartet; } torwart[] = {{35, 48, 48}, {37, 48, 48}, {38, 48, 36},
                                                                   {40, 48, 12}, {44, 48, 12}};
    for (const auto& f : torwart) {
        Spieler_Daten[7].alter = static_cast<uint8_t>(f.alter);
        EXPECT_EQ(Spieler_Vertrag_Monate_Begrenzen(7, f.monate), f.erwartet) << "Torwart " << f.alter;
    }
}

// Over a year every player ages once, on the day his birthday falls: names beginning with a
// character above 127 (a negative factor), faces that take the product past 32 bits, and
// players on the first and the last day of the year.
TEST_F(WeltJobs, EveryPlayerAgesOnceOnTheDayOfHisBirthday)
{
    const char anfang[] = {'A', 'z', '\xD6', '\xFF', '\x80', '0'};
    const uint32_t gesichter[] = {1, 365, 1000, 0x7FFFFFFFu, 0xFFFFFFFFu, 0x80000001u, 4000000000u};
    for (int32_t p = 0; p < Spieler_Anzahl; ++p) {
        std::strcpy(Spieler_Fix_Daten[p].name, "Xaver");
        Spieler_Fix_Daten[p].name[0] = anfang[p % 6];
        Spieler_Fix_Daten[p].gesicht = gesichter[p % 7] + static_cast<uint32_t>(p / 42);
        Spieler_Egal_Daten[p].heimatsystem = 1;
        Spieler_Daten[p].alter = 20;
    }
    // day 0 and day 364
    Spieler_Fix_Daten[0].gesicht = 365 * 7;
    std::strcpy(Spieler_Fix_Daten[1].name, "\x01");
    Spieler_Fix_Daten[1].gesicht = 364;
    std::vector<int32_t> gealtert(static_cast<size_t>(Spieler_Anzahl), -1);
    for (int32_t tag = 0; tag < 365; ++tag) {
        Aktueller_Tag = 730 + tag;  // the third year: the day of the year counts
        Spieler_Jeden_Tag();
        for (int32_t p = 0; p < Spieler_Anzahl; ++p) {
            if (Spieler_Daten[p].alter == 20) continue;
            ASSERT_EQ(Spieler_Daten[p].alter, 21) << "Spieler " << p << ", Tag " << tag;
            if (gealtert[size_t(p)] < 0) gealtert[size_t(p)] = tag;
        }
    }
    for (int32_t p = 0; p < Spieler_Anzahl; ++p) EXPECT_EQ(gealtert[size_t(p)], Spieler_Geburtstag(p)) << "Spieler " << p;
    EXPECT_EQ(gealtert[0], 0);
    EXPECT_EQ(gealtert[1], 364);
}

TEST_F(WeltJobs, CountdownAnnouncesTheAuctionAndMarketClockRunsByMarketSize)
{
    dazu(0, 20);
    Spieler_Egal_Daten[20].heimatsystem = 1;
    Spieler_Egal_Daten[20].angebotszaehler = 2;
    Spieler_Egal_Daten[20].angebotswert = 1;
    Spieler_Jede_Woche();
    EXPECT_EQ(Spieler_Egal_Daten[20].angebotszaehler, 1);
    EXPECT_EQ(Spieler_Egal_Daten[20].angebotswert, 0);
    EXPECT_EQ(news_mit("In einer Woche wird es zur Auktion des Spielers"), 1);

    const int32_t markt = Transfermarkt_Team;
    for (int32_t groesse : {300, 200, 100}) {
        markt_fuellen(groesse);
        Spieler_Jeden_Monat();
        EXPECT_EQ(Teamspieler_Wert(305, markt, 60, 0, 0), groesse > 255 ? 9 : groesse > 150 ? 10 : 11) << groesse;
    }
}

// The market clock's steps at their edges: a market of 150 takes one month, 151 two, 255 two
// and 256 three (from twelve months left).
TEST_F(WeltJobs, MarketClockStepsAtTheirEdges)
{
    const int32_t markt = Transfermarkt_Team;
    for (const auto& [groesse, monate] : {std::pair{150, 11}, std::pair{151, 10}, std::pair{255, 10}, std::pair{256, 9}}) {
        markt_fuellen(groesse);
        Spieler_Jeden_Monat();
        EXPECT_EQ(Teamspieler_Wert(305, markt, 60, 0, 0), monate) << groesse;
    }
}

TEST_F(WeltJobs, RiskInsuranceAndCure)
{
    EXPECT_EQ(Team_Verletzungsrisiko(0, 0, 0, 15), 60);
    EXPECT_EQ(Team_Verletzungsrisiko(0, 0, 0, 99), Team_Verletzungsrisiko(0, 0, 0, 48));
    EXPECT_EQ(Team_Verletzungsrisiko(99, 50, 20, 30), 75);   // 3960 + 45 * 62 + 15 * 55
    EXPECT_EQ(Team_Verletzungsrisiko(0, 255, 255, 48), -69);  // a negative sum cut toward zero
    dazu(0, 30);
    Teamspieler_Wert(307, 0, 30, 1, 1);
    Teamspieler_Wert(302, 0, 30, 5000, 1);
    Teamspieler_Wert(317, 0, 30, static_cast<int32_t>(TS_ARZT), 8);
    Spieler_Daten[30].verletzung_tage = 3;
    Spieler_Daten[30].verletzung_art = 2;
    Team_Jeden_Tag();
    // insurer 1 pays its full contracted amount, not a random share of it
    EXPECT_FLOAT_EQ(gebucht(0, 28), 5000.0f);
    EXPECT_EQ(Teamspieler_Wert(328, 0, 30, 0, 0), 1);
    EXPECT_EQ(Spieler_Daten[30].verletzung_tage, 2);

    // a cure with no paid day divides by one
    Teamspieler_Wert(327, 0, 30, 0, 1);
    Teamspieler_Wert(328, 0, 30, 0, 1);
    Team_Versicherungs_Check(0, 30, 0, true);
    EXPECT_EQ(news_mit("0 Prozent der Vertragssumme"), 1);
    EXPECT_FALSE(Teamspieler_Wert(317, 0, 30, 0, 0) & TS_ARZT);
    EXPECT_EQ(Spieler_Daten[30].verletzung_art, 0);
}

TEST_F(WeltJobs, MoraleDriftsTowardTheMiddle)
{
    for (int32_t runde = 0; runde < 60; ++runde) {
        T_Own[1].moral = 50;
        T_Own[2].moral = 30;
        T_Own[3].moral = 100;
        Team_Jeden_Tag();
        EXPECT_EQ(T_Own[1].moral, 50);
        EXPECT_TRUE(T_Own[2].moral >= 30 && T_Own[2].moral <= 32);
        EXPECT_TRUE(T_Own[3].moral == 100 || T_Own[3].moral == 99);
    }
}

TEST_F(WeltJobs, WeekBooksWhatTheForecastSaysAndTrainsTactics)
{
    for (int32_t p = 40; p < 45; ++p) dazu(0, p);
    Teamspieler_Wert(307, 0, 41, 2, 1);
    Teamspieler_Wert(308, 0, 41, 26000, 1);
    uint8_t* assis = T_Own[0].assistenten;
    assis[2] = 1;
    assis[ASSI_OFFSET_MONATE + 2] = 2;
    assis[ASSI_OFFSET_KOSTEN + 8] = 200;
    T_Own[0].aerzte[1] = 1;
    T_Own[0].aerzte[ASSI_OFFSET_MONATE + 1] = 10;
    T_Own[0].aerzte[ASSI_OFFSET_KOSTEN + 4] = 77;
    std::memset(T_Own[0].taktik, 0, 8);
    T_Own[0].taktik_einstellungen[0] = 99;  // chosen
    T_Own[0].taktik_einstellungen[1] = 5;   // not chosen
    int32_t erwartet = 0;
    for (int32_t k : {26, 27, 33, 34}) erwartet += Team_Get_Wochenausgaben(0, k);
    EXPECT_GT(Team_Get_Wochenausgaben(0, 26), 0);
    EXPECT_EQ(Team_Get_Wochenausgaben(0, 27), 500);
    EXPECT_EQ(Team_Get_Wochenausgaben(Transfermarkt_Team, 26), 0);
    Team_Jede_Woche();
    float summe = 0;
    for (int32_t k : {26, 27, 33, 34}) {
        EXPECT_FLOAT_EQ(gebucht(0, k), static_cast<float>(Team_Get_Wochenausgaben(0, k))) << k;
        summe += gebucht(0, k);
    }
    EXPECT_FLOAT_EQ(summe, static_cast<float>(erwartet));
    EXPECT_EQ(T_Own[0].taktik_einstellungen[0], 99);
    EXPECT_EQ(T_Own[0].taktik_einstellungen[1], 5);

    // two months left: warned at the next month, gone one later
    Team_Jeden_Monat();
    EXPECT_EQ(assis[2], 1);
    EXPECT_EQ(news_mit("wird in EINEM Monat auslaufen"), 1);
    Team_Jeden_Monat();
    EXPECT_EQ(assis[2], 0);
    EXPECT_EQ(news_mit("ist soeben ausgelaufen"), 1);
}

// The week books each player's salary and insurance premium as a 52nd of the year's, each term
// cut to whole marks on its own: three salaries of 51,000 DM give 3 x 980, not 153,000 / 52.
TEST_F(WeltJobs, TheWeekBooksAFiftySecondOfEachYearlyAmount)
{
    const int32_t gehalt[3] = {51000, 51000, 51000};
    for (int32_t i = 0; i < 3; ++i) {
        dazu(0, 40 + i);
        Teamspieler_Wert(301, 0, 40 + i, gehalt[i], 1);
    }
    Teamspieler_Wert(307, 0, 42, 1, 1);
    Teamspieler_Wert(308, 0, 42, 5500, 1);
    Teamspieler_Wert(308, 0, 41, 99999, 1);  // not insured: no premium
    Team_Jede_Woche();
    EXPECT_FLOAT_EQ(gebucht(0, 26), 2940.0f);
    EXPECT_FLOAT_EQ(gebucht(0, 27), 105.0f);
}

// The weekly bill follows the squad at once: a new wage, an insurance taken out, a player gone.
TEST_F(WeltJobs, TheWeeklyBillFollowsWagesInsuranceAndTheSquadAtOnce)
{
    for (int32_t i = 0; i < 3; ++i) {
        dazu(0, 40 + i);
        Teamspieler_Wert(301, 0, 40 + i, 52000, 1);
    }
    const int32_t vorher = Team_Get_Wochenausgaben(0, 26);
    Teamspieler_Wert(301, 0, 41, 104000, 1);
    EXPECT_EQ(Team_Get_Wochenausgaben(0, 26), vorher + 1000);
    EXPECT_EQ(Team_Get_Wochenausgaben(0, 27), 0);
    Teamspieler_Wert(307, 0, 40, 3, 1);
    Teamspieler_Wert(308, 0, 40, 26000, 1);
    EXPECT_EQ(Team_Get_Wochenausgaben(0, 27), 500);
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(0, 0, 41, 0, 0, 0, -1, false));
    EXPECT_EQ(Team_Get_Wochenausgaben(0, 26), vorher - 1000);
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(0, 0, 40, 0, 0, 0, -1, false));
    EXPECT_EQ(Team_Get_Wochenausgaben(0, 27), 0);
}

TEST_F(WeltJobs, HistoryKeepsFiftyTwoValuesNewestLastAndDayChangeKeepsBonuses)
{
    dazu(0, 7);
    T_Own[0].tagesblock[3] = 1234;
    const uint16_t zaehler = Team_Aenderungszaehler;
    for (int32_t woche = 0; woche < 53; ++woche) {
        Spieler_Daten[7].attribute[0] = static_cast<int16_t>(100 + woche);
        Aktueller_Tag = 7 * woche;
        Team_Jeden_Tag();
    }
    const Manager_Zusatzspieler* z = Manager_Zusatzspieler_Array_Position(0, 7);
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(z->verlauf[0][MANAGER_VERLAUF - 1], 152);
    EXPECT_EQ(z->verlauf[0][0], 101);
    EXPECT_EQ(static_cast<uint16_t>(Team_Aenderungszaehler - zaehler), 53);
    EXPECT_EQ(T_Own[0].tagesblock[3], 1234);
    Team_Set_Basisdaten(-1, -1);
    EXPECT_EQ(T_Own[0].tagesblock[3], 0);
}

TEST_F(WeltJobs, FinancesStrengthRelegationAndBonuses)
{
    Test_Kontostand = 10000000;
    EXPECT_EQ(Team_Get_Finanzkraft(0), 96);
    Test_Kontostand = -5;
    EXPECT_EQ(Team_Get_Finanzkraft(0), 0);

    dazu(0, 60);
    Spieler_Egal_Daten[60].angebotswert = 9;
    Team_Set_Finanzdaten(0, 2);
    EXPECT_FLOAT_EQ(gebucht(0, 36), 0.0f);
    EXPECT_EQ(Spieler_Egal_Daten[60].angebotswert, 3);
    EXPECT_EQ(news_mit("Absteiger NICHT"), 1);

    // This world has no league: a club that ends the season without a table place gets no
    // prize money and no "0. Platz" message, whatever the money base would be.
    Team_Set_Finanzdaten(0, 0);
    EXPECT_FLOAT_EQ(gebucht(0, 36), 0.0f);
    EXPECT_EQ(news_mit("Platz in der abgelaufenen Saison"), 0);

    // A relegated computer club's players take a cut (whole thousands); the manager's club, a
    // club that stays up and one that goes up keep their wages.
    for (int32_t t : {1, 2, 3}) dazu(t, 60 + t);
    Teamspieler_Wert(301, 0, 60, 1000000, 1);
    for (int32_t t : {1, 2, 3}) Teamspieler_Wert(301, t, 60 + t, 1234000, 1);
    Team_Set_Finanzdaten(1, 2);
    Team_Set_Finanzdaten(2, 0);
    Team_Set_Finanzdaten(3, 1);
    Team_Set_Finanzdaten(0, 2);
    EXPECT_EQ(Teamspieler_Wert(301, 1, 61, 0, 0), 863000);
    EXPECT_EQ(Teamspieler_Wert(301, 2, 62, 0, 0), 1234000);
    EXPECT_EQ(Teamspieler_Wert(301, 3, 63, 0, 0), 1234000);
    EXPECT_EQ(Teamspieler_Wert(301, 0, 60, 0, 0), 1000000);

    T_Own[1].tagesblock[6] = 20000;
    Team_Schuette_Praemie_Aus(1, 6);
    EXPECT_FLOAT_EQ(gebucht(1, 32), 20000.0f);
    Fehler_Capture fehler;
    Team_Schuette_Praemie_Aus(1, 8);
    EXPECT_TRUE(fehler.contains("Team_Schuette_Praemie_Aus: praemie_nr falsch!"));
    EXPECT_FLOAT_EQ(gebucht(1, 32), 20000.0f);
}

}  // namespace

namespace {

TEST_F(WeltJobs, MarketPlayersOutsideTheSystemsAreReportedAndNotCounted)
{
    for (int32_t p = 100; p < 103; ++p) dazu(Transfermarkt_Team, p);
    Spieler_Egal_Daten[100].heimatsystem = 0;
    Spieler_Egal_Daten[101].heimatsystem = 5;
    Spieler_Egal_Daten[102].heimatsystem = -1;
    Fehler_Capture fehler;
    Team_Count_Wettbewerbsstrukturen();
    const auto* ziel = static_cast<const uint16_t*>(Teamspieler_Zeiger(TEAMSP_SPIELER_WETTBEWERB_LISTE, 0));
    EXPECT_EQ(ziel[0], 0);
    EXPECT_EQ(ziel[5], 1);
    EXPECT_TRUE(fehler.contains("Team_Init_Wettbewerbsstrukturen: falsches Heimatsystem!"));
    Team_Check_Transfermarkt_Nach_Saisonende();
    EXPECT_TRUE(fehler.contains("Team_Check_Transfermarkt_Nach_Saisonende: falsches Heimatsystem!"));
    // with no league system the market fill leaves the home systems as they are
    Team_Init_Transfermarkt();
    EXPECT_EQ(Spieler_Egal_Daten[101].heimatsystem, 5);
}

}  // namespace

namespace {

// A pyramid of two leagues of 18 clubs (0..17 above 18..35) with 22 players each, beside a
// competition of clubs 36 and 37 that is no base league.
struct Pyramide : ::testing::Test {
    std::filesystem::path ordner;
    char alt[sizeof Pfad_Config_Files];
    int32_t naechster = 0;
    void SetUp() override
    {
        ordner = std::filesystem::temp_directory_path() / ("pyramide_" + std::to_string(::getpid()));
        std::filesystem::create_directories(ordner);
        std::memcpy(alt, Pfad_Config_Files, sizeof alt);
        std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", ordner.c_str());
        auto teilnehmer = [](int32_t von) {
            std::string s;
            for (int32_t t = von; t < von + 18; t += 2)
                s += "\tSTARTTEILNEHMER " + std::to_string(t) + "," + std::to_string(t + 1) + "\n";
            return s;
        };
        std::ofstream(ordner / "1_wettbewerb_alias.cfg") << "";
        std::ofstream(ordner / "1_wettbewerb.cfg")
            << "INFOTEXT \"Test\"\nVERSION \"201\"\n"
               "NEUER_WETTBEWERB\n\tNAME \"Oben\"\n\tIDENTIFIKATION ALI_1\n\tTEAMS 18\n\tMODUS RUECKSPIELE\n"
               "\tSUPER_ART LIGA\n\tWOCHENTAG Sonntag\n\tSPIELTAGE 34\n\tVISUELL_NACHFOLGER ALI_2\n"
            << teilnehmer(0)
            << "\tBASISLIGA JA\n"
               "NEUER_WETTBEWERB\n\tNAME \"Unten\"\n\tIDENTIFIKATION ALI_2\n\tTEAMS 18\n\tMODUS RUECKSPIELE\n"
               "\tSUPER_ART LIGA\n\tWOCHENTAG Sonntag\n\tSPIELTAGE 34\n"
            << teilnehmer(18)
            << "\tBASISLIGA\n"
               "NEUER_WETTBEWERB\n\tNAME \"Freunde\"\n\tIDENTIFIKATION ALI_3\n\tTEAMS 2\n\tSUPER_ART LIGA\n"
               "\tWOCHENTAG Sonntag\n\tSPIELTAGE 2\n\tSTARTTEILNEHMER 36,37\n";
        Test_Teams_Anlegen(40);
        Test_Spieler_Anlegen(36 * 22 + 40 + 2 * 22);
        Netz_Rolle = 2;
        Teamspieler_Init_Listen();
        ASSERT_TRUE(Wettbewerb_Config_Lesen(0, 0));
        for (int32_t t = 0; t < 38; ++t)
            for (int32_t k = 0; k < 22; ++k)
                ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, t, naechster++, 100, 0, 24, -1, false));
    }
    void TearDown() override
    {
        Spiele_Freigeben();
        Test_Welt_Aufraeumen();
        Schwierigkeitsstufe = 2;
        std::memcpy(Pfad_Config_Files, alt, sizeof alt);
        std::filesystem::remove_all(ordner);
    }
};

// With 40 market players at home in the pyramid its target is 832 players; the competition that is
// no base league adds no players and no strength.
TEST_F(Pyramide, ItsTargetCountsItsClubsAndItsMarketPlayers)
{
    const int32_t system = Wettbewerb_Hierarchie_Oben(Team_Basisligen().front());
    ASSERT_GE(system, 1);
    for (int32_t k = 0; k < 40; ++k, ++naechster) {
        ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, Transfermarkt_Team, naechster, 0, 0, 12, -1, false));
        Spieler_Egal_Daten[naechster].heimatsystem = int8_t(system);
    }
    Team_Count_Wettbewerbsstrukturen();
    const auto* ziel = static_cast<const uint16_t*>(Teamspieler_Zeiger(TEAMSP_SPIELER_WETTBEWERB_LISTE, 0));
    EXPECT_EQ(ziel[system], 832);
    int32_t andere = 0;
    for (int32_t s = 0; s < TEAMSP_SYSTEME; ++s)
        if (s != system) andere += ziel[s];
    EXPECT_EQ(andere, 0);
    EXPECT_GT(Team_Liga_Start_Mittelwerte[system], 0);
}

// A new game's market is made to the clubs' search profiles, whose first slot asks for anyone
// of 16 to 42 and of any strength: its players stay within the league's best strength and the
// ages its squads hold, and each club's slot keeps its windows and names the player made for it.
TEST_F(Pyramide, TheStartingMarketStaysWithinTheLeaguesStrengthAndAges)
{
    for (int32_t p = 0; p < naechster; ++p) {
        Spieler_Daten[p].alter = uint8_t(20 + p % 14);
        for (auto& a : Spieler_Daten[p].attribute) a = int16_t(300 + p % 200);
    }
    int32_t beste = 0;
    for (int32_t p = 0; p < naechster; ++p) beste = std::max(beste, Spieler_Wert(SP_K_I_T, p, 0, SP_LESEN));
    for (int32_t t = 0; t < 36; ++t) {
        Team_Transfersuche& s = T_Own[t].suche;
        s.alter_min[0] = 16, s.alter_max[0] = 42, s.staerke_min[0] = 1, s.staerke_max[0] = 999;
        s.zelle_a[0] = 0, s.zelle_b[0] = 458, s.spieler[0] = -1, s.aktiv[0] = 1;
    }
    const int32_t erster = naechster;
    for (int32_t k = 0; k < 40; ++k, ++naechster)
        ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, Transfermarkt_Team, naechster, 0, 0, 12, -1, false));
    Zufall_Set_Seed(11);
    Team_Init_Transfermarkt();
    int32_t benannt = 0;
    for (int32_t t = 0; t < 36; ++t) {
        const Team_Transfersuche& s = T_Own[t].suche;
        EXPECT_EQ(s.alter_min[0], 16);
        EXPECT_EQ(s.alter_max[0], 42);
        EXPECT_EQ(s.staerke_max[0], 999);
        if (s.spieler[0] >= erster && s.spieler[0] < naechster) ++benannt;
    }
    EXPECT_EQ(benannt, 36);
    for (int32_t p = erster; p < naechster; ++p) {
        EXPECT_LE(Spieler_Wert(SP_K_I_T, p, 0, SP_LESEN), beste) << p;
        EXPECT_GE(Spieler_Wert(SP_ALTER, p, 0, SP_LESEN), 20) << p;
        EXPECT_LE(Spieler_Wert(SP_ALTER, p, 0, SP_LESEN), 33) << p;
    }
}

// The money of a league's first: the base (its league level times 15,000 DM plus 3,000,000,
// 2,300,000, 1,500,000, 500,000 or nothing by difficulty) comes on top at difficulty 0 to 2, a
// quarter of it at 3 and 4; the rest is whole 100,000, which is all the others get.
TEST_F(Pyramide, TheFirstOfALeagueGetsItsBaseOrAQuarterOnTop)
{
    Spiele_Init();
    const std::vector<int32_t> ligen = Team_Basisligen();
    ASSERT_EQ(ligen.size(), 2u);
    for (const int32_t id : ligen) {
        const int32_t block = Spiele_Init_Neue_Spiele(1, 18, 34, 1, id, 9);
        ASSERT_GE(block, 0);
        Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(id))->spiele_block = block;
    }
    static const int64_t FEST[5] = {3000000, 2300000, 1500000, 500000, 0};
    int32_t erste = 0;
    bool viertel_zaehlt = false;
    for (int32_t t = 0; t < 36; ++t) {
        int32_t platz = -1;
        Wettbewerb_Get_Tabellenplatz_Prozent(t, &platz);
        ASSERT_GE(platz, 0) << t;
        const int64_t niveau = Wettbewerb_Get_Liga_Niveau(t);
        for (uint32_t d = 0; d <= 4; ++d) {
            Schwierigkeitsstufe = d;
            const int64_t basis = niveau * 15000 + FEST[d];
            const int64_t oben = platz != 0 ? 0 : d <= 2 ? basis % 100000 : basis / 4 % 100000;
            viertel_zaehlt = viertel_zaehlt || (platz == 0 && d >= 3 && basis % 100000 != oben);
            EXPECT_EQ(Team_Berechne_Finanzbasis(t, nullptr) % 100000, oben) << "team " << t << ", difficulty " << d;
        }
        erste += platz == 0;
    }
    EXPECT_EQ(erste, 2);
    EXPECT_TRUE(viertel_zaehlt);
}

}  // namespace

namespace {

// The day's league figures are the means of the league's clubs' strength matrices; the whole
// team's strength column counts the three group columns' mean against it, and the training
// target column stays as the leagues keep it.
TEST_F(WeltJobs, TheDaysLeagueFiguresAreTheMeansOfItsClubs)
{
    const int32_t ligen[4] = {3, 3, 5, 7};
    for (int32_t t = 0; t < 4; ++t) Team_Wert(TEAM_LIGA_FEST, t, ligen[t], TEAM_SCHREIBEN);
    for (int32_t p = 100; p < 136; ++p) {
        dazu((p - 100) / 12, p);
        for (int32_t i = 0; i < 9; ++i) Spieler_Daten[p].attribute[i] = static_cast<int16_t>(100 + (p * 37 + i * 113) % 850);
        Spieler_Fix_Daten[p].lieblingspos = static_cast<int16_t>(p % 5 == 0 ? SP_POS_TORWART : (p * 53) % 459);
    }
    int32_t m[3][5][6];
    for (int32_t t = 0; t < 3; ++t) Team_Staerke(255, 0, t, m[t]);
    for (int32_t l : {3, 5, 7}) Team_Liga_Staerke[l][2][5] = 700 + l;
    Team_Jeden_Tag();
    for (int32_t z = 0; z < 5; ++z)
        for (int32_t s = 0; s < 5; ++s) {
            int32_t summe = m[0][z][s] + m[1][z][s];
            if (z == 4 && s == 4)
                for (int32_t t = 0; t < 2; ++t) summe += (m[t][4][0] + m[t][4][1] + m[t][4][2]) / 3 - m[t][4][4];
            EXPECT_EQ(Team_Liga_Staerke[3][z][s], summe / 2) << z << "/" << s;
            EXPECT_EQ(Team_Liga_Staerke[5][z][s], z == 4 && s == 4 ? (m[2][4][0] + m[2][4][1] + m[2][4][2]) / 3 : m[2][z][s]);
            EXPECT_EQ(Team_Liga_Staerke[7][z][s], 0);
        }
    for (int32_t l : {3, 5, 7}) EXPECT_EQ(Team_Liga_Staerke[l][2][5], 700 + l);
    EXPECT_EQ(Team_Liga_Anzahl[3], 2);
    EXPECT_EQ(Team_Liga_Anzahl[7], 1);
}

}  // namespace
