// Transfer offers: entering and ordering them, the clubs' demand, the countdown forecast,
// patience, the decision with its exclusions and finalists, and what each outcome leaves behind.
#include <gtest/gtest.h>

#include "graphics/grafik_screen.h"

#include "graphics/grafik_fortschritt.h"
#include "graphics/grafik_meldung.h"
#include "platform/os/os_display.h"

#include <algorithm>
#include <string>
#include <vector>

#include "common/capture.h"
#include "competitions/wettbewerb_welt.h"
#include "database/assistent.h"
#include "database/db_hilfe.h"
#include "database/manager.h"
#include "database/richter.h"
#include "database/teamspieler.h"
#include "economy/auktion.h"
#include "economy/bank.h"
#include "gameflow/highscore.h"
#include "gameflow/news.h"
#include "platform/zufall.h"

namespace {

struct Buchung {
    int32_t zahler, empfaenger;
    float betrag;
    int32_t kategorie;
    bool operator==(const Buchung&) const = default;
};
std::vector<Buchung> buchungen;
int32_t kontostand = 100000000;
std::vector<std::vector<int32_t>> auktionen;  // bidders of each auction, best first

constexpr int32_t PRO_TEAM = 20;
// Squad of each club 0..5: 2 keepers, 5 defenders, 6 midfielders, 4 forwards.
constexpr int32_t TW = 0, ABW = 2, MIT = 7, STU = 13, KADER = 17;

int32_t spieler(int32_t team, int32_t index) { return team * PRO_TEAM + index; }

std::vector<std::string> nachrichten(int32_t team)
{
    std::vector<std::string> t;
    for (int32_t i = News_Suche_Erste(team, NEWS_FLAG_DA); i >= 0; i = News_Suche_Naechste())
        t.push_back(News_Get_Nachricht(i)->text);
    return t;
}

bool nachricht_mit(int32_t team, const std::string& teil)
{
    for (const std::string& t : nachrichten(team))
        if (t.find(teil) != std::string::npos) return true;
    return false;
}

std::vector<int32_t> bieter(int32_t spnr)
{
    std::vector<Spieler_Angebot> a(RICHTER_MAX_ANGEBOTE);
    const int32_t n = Richter_Get_Spieler_Angebote(spnr, a.data(), RICHTER_MAX_ANGEBOTE, nullptr);
    std::vector<int32_t> b;
    for (int32_t i = 0; i < std::min(n, RICHTER_MAX_ANGEBOTE); ++i) b.push_back(a[size_t(i)].bieter);
    return b;
}

struct Angebote : ::testing::Test {
    void SetUp() override
    {
        Test_Teams_Anlegen(testwelt::TEAM_ANZAHL);
        Test_Spieler_Anlegen(400);
        ASSERT_TRUE(testwelt::laden());
        News_Init();
        Highscore_Init();
        Richter_Init();
        Teamspieler_Init_Listen();
        Netz_Rolle = 2;
        Aktueller_Tag = 100;
        Schwierigkeitsstufe = 2;
        Zufall(0, 1);
        Zufall_Set_Seed(4711);
        buchungen.clear();
        auktionen.clear();
        kontostand = 100000000;
        Bank_Set_Buchung_Beobachter([](int32_t z, int32_t e, float b, uint8_t k) {
            buchungen.push_back({z, e, b, k});
            return true;
        });
        Bank_Set_Kontostand_Abfrage([](int32_t, int32_t) { return kontostand; });
        Auktion_Set_Abfrage([](int32_t, int32_t, int32_t n, const Spieler_Angebot* a) {
            std::vector<int32_t> b;
            for (int32_t i = 0; i < n; ++i) b.push_back(a[i].bieter);
            auktionen.push_back(b);
            return 0;
        });
        for (int32_t i = 0; i < Spieler_Anzahl; ++i) Spieler_Daten[i].alter = 25;
        for (int32_t t = 0; t < 6; ++t)
            for (int32_t i = 0; i < KADER; ++i) {
                const int32_t p = spieler(t, i);
                Spieler_Fix_Daten[p].lieblingspos = static_cast<int16_t>(i < ABW ? 459 : i < MIT ? 39 : i < STU ? 200 : 348);
                ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, t, p, 100, 0, 24, -1, false));
            }
    }
    void TearDown() override
    {
        Netz_Rolle = 2;  // a client would keep its manager records
        Bank_Set_Buchung_Beobachter(nullptr);
        Bank_Set_Kontostand_Abfrage(nullptr);
        Auktion_Set_Abfrage(nullptr);
        Test_Welt_Aufraeumen();
    }
    // What the player's club asks: salary for `monate` months and his fee.
    static int32_t gehalt(int32_t p, int32_t monate = 24)
    {
        int32_t g = 0;
        Spieler_Bewerte_Marktwert_Gehalt(0, p, -1, -1, monate, &g, nullptr, 1);
        return g;
    }
    static int32_t abloese(int32_t team, int32_t p)
    {
        int32_t f = 0;
        Spieler_Bewerte_Marktwert_Gehalt(team, p, -1, -1, Teamspieler_Wert(305, team, p, 0, 0), nullptr, &f, 1);
        return f;
    }
    static const Spieler_Angebot* gespeichert(int32_t p, int32_t b)
    {
        for (Liste_Element* e = Richter_Liste.next; e; e = e->next) {
            const auto* a = static_cast<const Spieler_Angebot*>(e->data);
            if (e->key == RICHTER_ANGEBOT && a->spnr == p && a->bieter == b) return a;
        }
        return nullptr;
    }
    static void aendern(int32_t p, int32_t b, void (*f)(Spieler_Angebot&))
    {
        Spieler_Angebot a = *gespeichert(p, b);
        f(a);
        ASSERT_TRUE(Richter_Set_Spieler_Angebot(&a, false, false));
    }
    static void faellig(int32_t p) { Spieler_Wert(SP_ANGEBOTSZAEHLER, p, 0, SP_SCHREIBEN); }
    static void manager(int32_t team, bool transfer_assistent)
    {
        Manager_Neuer_Mitspieler(team, "M");
        if (!transfer_assistent) return;
        auto* b = static_cast<uint8_t*>(Team_Zeiger(TEAM_ASSISTENTEN, team, nullptr, 0));
        b[5] = 1;
        b[ASSI_OFFSET_AUFGABEN + ASSI_AUFGABEN * 5 + ASSI_AUFGABE_TRANSFER] = 1;
    }
};

TEST_F(Angebote, EnteringSetsTheCountdownOnceAndReplacesTheSameClubsOffer)
{
    const int32_t p = spieler(0, MIT);
    Richter_Spieler_Angebot_Struktur_Erzeugen(1, 0, p, 500, 0, 200, 24, 50);
    const int32_t zaehler = Spieler_Wert(SP_ANGEBOTSZAEHLER, p, 0, SP_LESEN);
    EXPECT_GE(zaehler, 4);
    EXPECT_LE(zaehler, 12);
    EXPECT_EQ(gespeichert(p, 1)->geduld, -1);  // a computer club's player: no patience
    EXPECT_EQ(gespeichert(p, 1)->tag, 100u);
    Spieler_Wert(SP_ANGEBOTSZAEHLER, p, 7, SP_SCHREIBEN);
    Richter_Spieler_Angebot_Struktur_Erzeugen(1, 0, p, 600, 0, 250, 36, 60);
    EXPECT_EQ(Richter_Get_Spieler_Angebote(p, nullptr, 0, nullptr), 1);
    EXPECT_EQ(gespeichert(p, 1)->abloese, 600);
    EXPECT_EQ(Spieler_Wert(SP_ANGEBOTSZAEHLER, p, 0, SP_LESEN), 7);

    // the own club's offer: 2..4
    for (int32_t k = 0; k < 20; ++k) {
        const int32_t q = spieler(1, MIT + k % 6);
        Spieler_Wert(SP_ANGEBOTSZAEHLER, q, -1, SP_SCHREIBEN);
        Richter_Alle_Angebote_Zu_Einem_Spieler_Loeschen(q);
        Richter_Spieler_Angebot_Struktur_Erzeugen(1, 1, q, 0, 0, 100, 24, 50);
        const int32_t z = Spieler_Wert(SP_ANGEBOTSZAEHLER, q, 0, SP_LESEN);
        EXPECT_TRUE(z >= 2 && z <= 4) << z;
    }

    // a manager's player: the computer club's patience 12..25
    manager(2, false);
    Richter_Spieler_Angebot_Struktur_Erzeugen(3, 2, spieler(2, MIT), 500, 0, 200, 24, 50);
    EXPECT_GE(gespeichert(spieler(2, MIT), 3)->geduld, 12);
    EXPECT_LE(gespeichert(spieler(2, MIT), 3)->geduld, 25);
}

TEST_F(Angebote, RatingOfAHundredIsDecidedOnTheNextDaysRun)
{
    const int32_t p = spieler(0, MIT + 1);
    Richter_Spieler_Angebot_Struktur_Erzeugen(1, 0, p, 3 * abloese(0, p), 0, 3 * gehalt(p), 24, 100);
    EXPECT_EQ(Spieler_Wert(SP_ANGEBOTSZAEHLER, p, 0, SP_LESEN), 1);
    Aktueller_Tag = 101;
    Richter_Jeden_Tag();
    EXPECT_EQ(Teamspieler_Ist_Im_Team(1, p), 1);
    // an ordinary offer waits for its countdown
    const int32_t q = spieler(0, MIT + 2);
    Richter_Spieler_Angebot_Struktur_Erzeugen(1, 0, q, 3 * abloese(0, q), 0, 3 * gehalt(q), 24, 99);
    Richter_Jeden_Tag();
    EXPECT_EQ(Teamspieler_Ist_Im_Team(0, q), 0);
    EXPECT_EQ(Richter_Get_Spieler_Angebote(q, nullptr, 0, nullptr), 1);
}

TEST_F(Angebote, ThirtyFirstOfferDisplacesTheWeakestComputerOfferOrIsDropped)
{
    const int32_t p = spieler(0, MIT);
    manager(3, false);
    for (int32_t b = 1; b <= 30; ++b) Richter_Spieler_Angebot_Struktur_Erzeugen(b, 0, p, 100, 0, 100, 24, b == 3 ? 1 : 50 + b);
    aendern(p, 1, [](Spieler_Angebot& a) { a.behalten = 1; });
    // weakest: bidder 3 (a manager), 1 (kept), then 2
    Richter_Spieler_Angebot_Struktur_Erzeugen(31, 0, p, 100, 0, 100, 24, 70);
    EXPECT_EQ(Richter_Get_Spieler_Angebote(p, nullptr, 0, nullptr), 30);
    EXPECT_EQ(gespeichert(p, 2), nullptr);
    EXPECT_NE(gespeichert(p, 31), nullptr);
    EXPECT_NE(gespeichert(p, 3), nullptr);
    // nothing left to displace: dropped
    for (int32_t b = 4; b <= 31; ++b) aendern(p, b, [](Spieler_Angebot& a) { a.behalten = 1; });
    Richter_Spieler_Angebot_Struktur_Erzeugen(32, 0, p, 100, 0, 100, 24, 999);
    EXPECT_EQ(Richter_Get_Spieler_Angebote(p, nullptr, 0, nullptr), 30);
    EXPECT_EQ(gespeichert(p, 32), nullptr);
}

TEST_F(Angebote, BestFirstByOfferedMinusAskedFee)
{
    const int32_t p = spieler(0, MIT);
    const int32_t v = abloese(0, p);
    int32_t leih = 0;
    Spieler_Bewerte_Marktwert_Gehalt_Angebot(0, p, -1, -1, 12, nullptr, &leih, 0);
    Richter_Spieler_Angebot_Struktur_Erzeugen(1, 0, p, v + 100, 0, 100, 24, 50);
    Richter_Spieler_Angebot_Struktur_Erzeugen(2, 0, p, v + 500, 0, 100, 24, 50);
    Richter_Spieler_Angebot_Struktur_Erzeugen(3, 0, p, 0, 0, 900, 24, 50);
    Richter_Spieler_Angebot_Struktur_Erzeugen(4, 0, p, 0, leih + 300, 100, 12, 50);
    EXPECT_EQ(bieter(p), (std::vector<int32_t>{2, 4, 1, 3}));
    Spieler_Angebot zwei[2];
    int32_t annehmer = 7;
    EXPECT_EQ(Richter_Get_Spieler_Angebote(p, zwei, 2, &annehmer), 4);
    EXPECT_EQ(zwei[1].bieter, 4);
    EXPECT_EQ(annehmer, -1);
}

TEST_F(Angebote, DemandByTheCountOfThePlayersKind)
{
    int32_t anzahl[4], bedarf = 0, ueber = 0;
    Fehler_Capture cap;
    Richter_Get_Transfer_Artzahl(0, spieler(0, 0), nullptr, &bedarf, &ueber);
    EXPECT_TRUE(cap.contains("Richter_Get_Transfer_Artzahl: pointer==NULL!"));
    for (int k = 0; k < 30; ++k) {
        Richter_Get_Transfer_Artzahl(0, spieler(0, TW), anzahl, &bedarf, &ueber);
        EXPECT_TRUE(bedarf >= 165 && bedarf <= 195) << bedarf;  // exactly two keepers
        EXPECT_EQ(ueber, 0);
    }
    EXPECT_EQ(std::vector<int32_t>(anzahl, anzahl + 4), (std::vector<int32_t>{2, 5, 6, 4}));
    Richter_Get_Transfer_Artzahl(0, spieler(0, ABW), anzahl, &bedarf, &ueber);
    EXPECT_EQ(bedarf, 100);
    EXPECT_EQ(ueber, 1);
    // an injured defender and one who leaves at the end of his contract do not count
    Teamspieler_Wert(317, 0, spieler(0, ABW), TS_ARZT, 8);
    for (int k = 0; k < 30; ++k) {
        Richter_Get_Transfer_Artzahl(0, spieler(0, ABW + 1), anzahl, &bedarf, &ueber);
        EXPECT_TRUE(bedarf >= 140 && bedarf <= 170) << bedarf;
    }
    Spieler_Wert(SP_STATUS, spieler(0, ABW + 1), SP_STATUS_WECHSEL, SP_SETZEN);
    Richter_Get_Transfer_Artzahl(0, spieler(0, ABW + 2), anzahl, &bedarf, &ueber);
    EXPECT_EQ(bedarf, 9999);
    EXPECT_EQ(ueber, -1);
}

// The forecast names the day the auction comes: the countdown drops one step a week, however
// crowded the market is, and the offer is decided on the forecast day, not before.
TEST_F(Angebote, CountdownForecastIsTheDayTheOfferIsDecided)
{
    const int32_t markt = Transfermarkt_Team;
    for (int32_t i = 0; i < 200; ++i) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, markt, 150 + i, 0, 0, 12, -1, false));
    Aktueller_Tag = 10;
    Spieler_Wert(SP_ANGEBOTSZAEHLER, 150, 2, SP_SCHREIBEN);
    EXPECT_EQ(Richter_Transfermarkt_Abgang_Datum(150), 22);
    Spieler_Wert(SP_ANGEBOTSZAEHLER, spieler(0, MIT), 2, SP_SCHREIBEN);
    EXPECT_EQ(Richter_Transfermarkt_Abgang_Datum(spieler(0, MIT)), 22);
    for (int32_t i = 100; i < 200; ++i) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(0, markt, 150 + i, 0, 0, 0, -1, false));
    EXPECT_EQ(Richter_Transfermarkt_Abgang_Datum(150), 22);  // 100 players: one step a week
    Spieler_Wert(SP_ANGEBOTSZAEHLER, 150, -1, SP_SCHREIBEN);
    EXPECT_EQ(Richter_Transfermarkt_Abgang_Datum(150), -1);

    // a manager's offer for a player of a crowded market, with the days as the day advance runs them
    for (int32_t i = 100; i < 200; ++i) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, markt, 150 + i, 0, 0, 12, -1, false));
    manager(1, false);
    const int32_t p = 151;
    Spieler_Egal_Daten[p].heimatsystem = 1;
    Richter_Spieler_Angebot_Struktur_Erzeugen(1, markt, p, 0, 0, 3 * gehalt(p), 24, 50);
    const int32_t tag = Richter_Transfermarkt_Abgang_Datum(p);
    ASSERT_GT(tag, Aktueller_Tag + 7);
    for (Aktueller_Tag = 11; Aktueller_Tag < tag; ++Aktueller_Tag) {
        Richter_Jeden_Tag();
        ASSERT_EQ(Teamspieler_Ist_Im_Team(1, p), -1) << "decided on day " << Aktueller_Tag << ", forecast " << tag;
        if (Aktueller_Tag % 7 == 0) Spieler_Jede_Woche();
    }
    Richter_Jeden_Tag();
    EXPECT_EQ(Teamspieler_Ist_Im_Team(1, p), 1) << "not decided on the forecast day " << tag;
    EXPECT_TRUE(nachricht_mit(1, " von TRANSFERMARKT nach Team 1."));
}

// A bidder whose squad is full does not get the player; the offers are gone all the same, and he
// reads why.
TEST_F(Angebote, AFullSquadEndsTheDealAndTheBidderIsTold)
{
    manager(1, false);
    for (int32_t q = 200; Team_Wert(TEAM_SPIELERANZAHL, 1, 0, TEAM_LESEN) < TEAM_MAX_SPIELER; ++q)
        ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 1, q, 0, 0, 12, -1, false));
    const int32_t p = 150;
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, Transfermarkt_Team, p, 0, 0, 12, -1, false));
    Richter_Spieler_Angebot_Struktur_Erzeugen(1, Transfermarkt_Team, p, 0, 0, 3 * gehalt(p), 24, 50);
    faellig(p);
    Richter_Jeden_Tag();
    EXPECT_EQ(Teamspieler_Ist_Im_Team(Transfermarkt_Team, p), Transfermarkt_Team);
    EXPECT_EQ(Richter_Get_Spieler_Angebote(p, nullptr, 0, nullptr), 0);
    EXPECT_TRUE(nachricht_mit(1, "ist leider geplatzt, da im Kader von Team 1 kein Platz mehr frei ist."));
}

TEST_F(Angebote, PatienceRunsOutEverySeventhRunUnlessAccepted)
{
    manager(0, false);
    const int32_t p = spieler(0, MIT), q = spieler(0, MIT + 1);
    Richter_Spieler_Angebot_Struktur_Erzeugen(1, 0, p, 500, 0, 200, 24, 50);
    Richter_Spieler_Angebot_Struktur_Erzeugen(2, 0, q, 500, 0, 200, 24, 50);
    aendern(p, 1, [](Spieler_Angebot& a) { a.geduld = 2; });
    aendern(q, 2, [](Spieler_Angebot& a) { a.geduld = 1; a.angenommen = 1; });
    Spieler_Wert(SP_ANGEBOTSZAEHLER, p, 50, SP_SCHREIBEN);
    // the run counter is the module's: find the next multiple of 7 by watching the patience
    int32_t laeufe = 0;
    while (gespeichert(p, 1)->geduld == 2 && laeufe < 7) {
        Richter_Check_Spieler_Angebote(-1);
        ++laeufe;
        // the accepted offer is carried out at once, whatever its patience
        if (laeufe == 1) {
            EXPECT_EQ(Teamspieler_Ist_Im_Team(2, q), 2);
        }
    }
    ASSERT_NE(gespeichert(p, 1), nullptr);
    EXPECT_EQ(gespeichert(p, 1)->geduld, 1);
    for (int32_t i = 0; i < 6; ++i) Richter_Check_Spieler_Angebote(-1);
    EXPECT_NE(gespeichert(p, 1), nullptr);
    EXPECT_FALSE(nachricht_mit(0, "Die Geduld"));
    Richter_Check_Spieler_Angebote(-1);
    EXPECT_EQ(gespeichert(p, 1), nullptr);
    EXPECT_TRUE(nachricht_mit(0, "Die Geduld von Team 1 ist am Ende. Der Verein zieht sein Angebot für "));
    EXPECT_GE(Spieler_Wert(SP_ANGEBOTSWERT, p, 0, SP_LESEN), 20);
}

TEST_F(Angebote, OnlyTheBestSevenTakePartAndTheOthersAreTold)
{
    manager(1, false);
    manager(2, false);
    const int32_t p = spieler(0, MIT);
    const int32_t v = abloese(0, p), g = gehalt(p);
    // bidders 1..9 bid 1.1 to 1.9 times the fee: the managers 1 and 2 rank eighth and ninth
    for (int32_t b = 1; b <= 9; ++b) Richter_Spieler_Angebot_Struktur_Erzeugen(b, 0, p, v * (10 + b) / 10, 0, 3 * g, 24, 50);
    faellig(p);
    Richter_Jeden_Tag();
    ASSERT_EQ(auktionen.size(), 1u);
    EXPECT_EQ(auktionen[0], (std::vector<int32_t>{9, 8, 7, 6, 5, 4, 3}));
    for (int32_t m : {1, 2})
        EXPECT_TRUE(nachricht_mit(m, "Es haben mehr als 7 Vereine ein Angebot für den Spieler ")) << m;
    EXPECT_EQ(Teamspieler_Ist_Im_Team(9, p), 9);
    EXPECT_EQ(Richter_Get_Spieler_Angebote(p, nullptr, 0, nullptr), 0);
}

TEST_F(Angebote, ClubShortOfTheKindOrARetiringPlayerEndTheAuction)
{
    manager(1, false);
    const int32_t tw = spieler(0, TW);
    // a keeper of a club with exactly two: a fee at 1.2 times his value is below the 165 asked
    Richter_Spieler_Angebot_Struktur_Erzeugen(1, 0, tw, abloese(0, tw) * 12 / 10, 0, 3 * gehalt(tw), 24, 50);
    Richter_Spieler_Angebot_Struktur_Erzeugen(2, 0, tw, abloese(0, tw) * 3, 0, 3 * gehalt(tw), 24, 50);
    faellig(tw);
    Richter_Jeden_Tag();
    EXPECT_TRUE(nachricht_mit(1, "Team 0 erklärt, daß Spieler "));
    EXPECT_TRUE(nachricht_mit(1, "nur über lediglich 1 Torhüter verfügen würde..."));
    EXPECT_TRUE(auktionen.empty());
    EXPECT_EQ(Teamspieler_Ist_Im_Team(0, tw), 0);
    EXPECT_EQ(Richter_Get_Spieler_Angebote(tw, nullptr, 0, nullptr), 0);

    const int32_t p = spieler(0, STU);
    Spieler_Wert(SP_STATUS, p, SP_STATUS_KARRIERE_ENDE, SP_SETZEN);
    Richter_Spieler_Angebot_Struktur_Erzeugen(1, 0, p, abloese(0, p) * 3, 0, 3 * gehalt(p), 24, 50);
    Richter_Spieler_Angebot_Struktur_Erzeugen(2, 0, p, abloese(0, p) * 3, 0, 3 * gehalt(p), 24, 50);
    faellig(p);
    Richter_Jeden_Tag();
    EXPECT_TRUE(nachricht_mit(1, "hatte sich bereits vor der Auktion entschieden, seine Karriere zu beenden."));
    EXPECT_TRUE(auktionen.empty());
    EXPECT_EQ(Teamspieler_Ist_Im_Team(0, p), 0);
}

TEST_F(Angebote, TransferAssistantMoneyCheck)
{
    manager(1, true);
    manager(2, false);
    const int32_t g = Team_Get_Liga_Basisbetrag(1);
    EXPECT_EQ(g, 1050000);
    kontostand = 5 * g + 500000 - 1;
    EXPECT_FALSE(Assis_Transfer_Finanzierbar(1, 1000, 99));
    EXPECT_TRUE(Assis_Transfer_Finanzierbar(1, 1000, 100));
    EXPECT_TRUE(Assis_Transfer_Finanzierbar(1, 0, 50));
    EXPECT_FALSE(Assis_Transfer_Finanzierbar(1, g + 1, 100));  // balance below eight bases
    EXPECT_TRUE(Assis_Transfer_Finanzierbar(2, 1000, 1));      // no transfer assistant
    kontostand = 8 * g;
    EXPECT_TRUE(Assis_Transfer_Finanzierbar(1, g + 1, 100));
    kontostand = -1;
    EXPECT_FALSE(Assis_Transfer_Finanzierbar(1, 1000, 500));

    // in the decision the delegating manager's offer below 100 drops out with his assistant's word
    kontostand = 5 * g;
    const int32_t p = spieler(0, MIT);
    Richter_Spieler_Angebot_Struktur_Erzeugen(1, 0, p, 3 * abloese(0, p), 0, 3 * gehalt(p), 24, 99);
    Richter_Spieler_Angebot_Struktur_Erzeugen(4, 0, p, abloese(0, p) * 11 / 10, 0, 3 * gehalt(p), 24, 50);
    faellig(p);
    Richter_Jeden_Tag();
    EXPECT_TRUE(nachricht_mit(1, "Ihr Assistent Raimund Kettler hat entschieden, das Angebot für Spieler "));
    EXPECT_EQ(auktionen, std::vector<std::vector<int32_t>>{{4}});
    EXPECT_EQ(Teamspieler_Ist_Im_Team(4, p), 4);
}

TEST_F(Angebote, AcceptedOfferCannotBeWithdrawn)
{
    const int32_t p = spieler(0, MIT);
    Richter_Spieler_Angebot_Struktur_Erzeugen(1, 0, p, 500, 0, 200, 24, 50);
    Spieler_Angebot a = *gespeichert(p, 1);
    a.angenommen = 1;
    ASSERT_TRUE(Richter_Set_Spieler_Angebot(&a, false, false));
    EXPECT_FALSE(Richter_Set_Spieler_Angebot(&a, true, true));
    EXPECT_TRUE(Richter_Spieler_Angebot_Vorhanden(p, 0, 1));
    // an unaccepted one goes, and a manager bidding is told
    manager(2, false);
    Richter_Spieler_Angebot_Struktur_Erzeugen(2, 0, p, 500, 0, 200, 24, 50);
    Spieler_Angebot b = *gespeichert(p, 2);
    EXPECT_TRUE(Richter_Set_Spieler_Angebot(&b, true, true));
    EXPECT_FALSE(Richter_Spieler_Angebot_Vorhanden(p, 0, 2));
    EXPECT_TRUE(nachricht_mit(2, "Ihr Angebot an Team 0 für Spieler "));
    // a client may not touch an offer between two other clubs
    Netz_Rolle = 1;
    Aktuelles_Team = 5;
    Fehler_Capture cap;
    EXPECT_FALSE(Richter_Set_Spieler_Angebot(&a, true, false));
    EXPECT_TRUE(cap.contains("Client-Zugriff: Richter_Set_Spieler_Angebot"));
}

TEST_F(Angebote, ExtensionFreeMoveTransferAndLoanEachLeaveTheirTraces)
{
    manager(0, false);
    manager(1, false);
    const int32_t verlaengert = spieler(0, MIT), frei = spieler(0, STU), verkauft = spieler(0, MIT + 2),
                  geliehen = spieler(0, MIT + 3), vom_markt = spieler(5, MIT);
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(0, 5, vom_markt, 0, 0, 0, -1, false));
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, Transfermarkt_Team, vom_markt, 0, 0, 12, -1, false));
    Teamspieler_Wert(317, 0, verlaengert, TS_TRANSFERLISTE, 8);
    const int32_t fee = 2 * abloese(0, verkauft);
    int32_t leih = 0;
    Spieler_Bewerte_Marktwert_Gehalt_Angebot(0, geliehen, -1, -1, 12, nullptr, &leih, 0);
    Richter_Spieler_Angebot_Struktur_Erzeugen(0, 0, verlaengert, 0, 0, 3 * gehalt(verlaengert, 36), 36, 50);
    Richter_Spieler_Angebot_Struktur_Erzeugen(1, 0, frei, 0, 0, 3 * gehalt(frei), 24, 50);
    Richter_Spieler_Angebot_Struktur_Erzeugen(1, 0, verkauft, fee, 0, 3 * gehalt(verkauft), 24, 50);
    Richter_Spieler_Angebot_Struktur_Erzeugen(2, 0, geliehen, 0, 3 * leih, 3 * gehalt(geliehen, 12), 12, 50);
    Richter_Spieler_Angebot_Struktur_Erzeugen(3, Transfermarkt_Team, vom_markt, 0, 0, 3 * gehalt(vom_markt), 24, 50);
    for (int32_t p : {verlaengert, frei, verkauft, geliehen, vom_markt}) faellig(p);
    Richter_Jeden_Tag();
    // only the move at the end of the contract stays (the midfielders leave before the forward
    // is decided, so his club's shortage cannot stop him)
    EXPECT_EQ(Liste_Count(&Richter_Liste), 1);

    // extension: new salary and length, off the transfer list, told, points for the manager
    EXPECT_EQ(Teamspieler_Wert(301, 0, verlaengert, 0, 0), 3 * gehalt(verlaengert, 36) * 1000);
    EXPECT_EQ(Teamspieler_Wert(305, 0, verlaengert, 0, 0), 36);
    EXPECT_FALSE(Teamspieler_Wert(317, 0, verlaengert, 0, 0) & TS_TRANSFERLISTE);
    EXPECT_TRUE(nachricht_mit(0, "bleibt Ihrem Verein länger erhalten. Er verlängerte soeben seinen Vertrag bei Team 0 auf 3 Jahre."));
    EXPECT_LE(Spieler_Wert(SP_ANGEBOTSWERT, verlaengert, 0, SP_LESEN), 90);
    EXPECT_GT(Highscore_Get_Wert(0, 1, -1), 0);

    // free move: recorded for the end of the contract, he stays meanwhile
    int32_t team = -1, g = -1, m = -1;
    EXPECT_TRUE(Richter_Spieler_Wechsel_Nach_Vertragsende_Suchen(frei, &team, &g, &m));
    EXPECT_EQ(std::vector<int32_t>({team, g, m}), std::vector<int32_t>({1, 3 * gehalt(frei), 24}));
    EXPECT_EQ(Teamspieler_Ist_Im_Team(0, frei), 0);
    EXPECT_EQ(Spieler_Wert(SP_ANGEBOTSWERT, frei, 0, SP_LESEN), 125);
    EXPECT_TRUE(nachricht_mit(1, "wechselt ablösefrei zum Vertragsende von Team 0 nach Team 1."));

    // transfer: the links, the fee booked to the seller and from the buyer, the record
    EXPECT_EQ(Teamspieler_Ist_Im_Team(1, verkauft), 1);
    EXPECT_EQ(Teamspieler_Ist_Im_Team(0, verkauft), -1);
    EXPECT_EQ(Teamspieler_Wert(318, 1, verkauft, 0, 0), 1);
    EXPECT_EQ(Spieler_Wert(SP_ANGEBOTSZAEHLER, verkauft, 0, SP_LESEN), -1);
    const float dm = float(fee) * 1000.0f;
    EXPECT_NE(std::find(buchungen.begin(), buchungen.end(), Buchung{-1, 0, dm, 30}), buchungen.end());
    EXPECT_NE(std::find(buchungen.begin(), buchungen.end(), Buchung{1, -1, dm, 31}), buchungen.end());
    const auto* liste = static_cast<const Teamspieler_Transfer*>(Teamspieler_Zeiger(TEAMSP_TRANSFERLISTE, 0));
    bool verbucht = false;
    for (int i = 0; i < 4; ++i)
        verbucht |= liste[i].spieler == verkauft && liste[i].verkaeufer == 0 && liste[i].kaeufer == 1 && liste[i].abloese == fee;
    EXPECT_TRUE(verbucht);
    EXPECT_TRUE(nachricht_mit(0, "wechselt für die Ablösesumme von "));

    // loan: he plays for the borrower, his rights stay with his club
    EXPECT_EQ(Teamspieler_Ist_Im_Team(2, geliehen), 2);
    EXPECT_EQ(Teamspieler_Wert(304, 2, geliehen, 0, 0), 2);
    EXPECT_EQ(Teamspieler_Wert(318, 2, geliehen, 0, 0), 0);
    EXPECT_NE(std::find(buchungen.begin(), buchungen.end(), Buchung{2, -1, float(3 * leih) * 1000.0f, 31}), buchungen.end());
    EXPECT_TRUE(nachricht_mit(0, " LEIHWEISE von Team 0 nach Team 2."));

    // the transfer market's player joins at once, and nothing is booked for him
    EXPECT_EQ(Teamspieler_Ist_Im_Team(3, vom_markt), 3);
    EXPECT_EQ(buchungen.size(), 4u);
    for (int32_t t : {0, 1, 2, 3, 4, 5, Transfermarkt_Team})
        EXPECT_EQ(Team_Wert(TEAM_SPIELERANZAHL, t, 0, TEAM_LESEN), Teamspieler_Ins_Array(t, nullptr, -1, 0)) << t;
}

// A computer club's contract runs to the player's 36th year at most: cut when the offer was made,
// and cut again when the deal is done, since he may have had a birthday in between. A manager's
// contract is his to make and stays as offered.
TEST_F(Angebote, AComputerClubsContractIsCutToThePlayersAgeWhenTheDealIsDone)
{
    manager(1, false);
    const int32_t fuer_computer = spieler(5, MIT), fuer_manager = spieler(5, MIT + 1);
    for (int32_t p : {fuer_computer, fuer_manager}) {
        ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(0, 5, p, 0, 0, 0, -1, false));
        ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, Transfermarkt_Team, p, 0, 0, 12, -1, false));
    }
    Richter_Spieler_Angebot_Struktur_Erzeugen(3, Transfermarkt_Team, fuer_computer, 0, 0, 3 * gehalt(fuer_computer, 36), 36, 50);
    Richter_Spieler_Angebot_Struktur_Erzeugen(1, Transfermarkt_Team, fuer_manager, 0, 0, 3 * gehalt(fuer_manager, 36), 36, 50);
    ASSERT_EQ(gespeichert(fuer_computer, 3)->monate, 36);
    // both turn 34 before the day of the decision
    for (int32_t p : {fuer_computer, fuer_manager}) {
        Spieler_Daten[p].alter = 34;
        faellig(p);
    }
    Richter_Jeden_Tag();
    ASSERT_EQ(Teamspieler_Ist_Im_Team(3, fuer_computer), 3);
    EXPECT_EQ(Teamspieler_Wert(305, 3, fuer_computer, 0, 0), 24);
    ASSERT_EQ(Teamspieler_Ist_Im_Team(1, fuer_manager), 1);
    EXPECT_EQ(Teamspieler_Wert(305, 1, fuer_manager, 0, 0), 36);
}

// A day with many players due: each decision moves its player and takes his offers out of the
// list while the others wait, and each of them is decided on his own offers; a player whose
// countdown runs keeps his.
TEST_F(Angebote, EveryPlayerOfABusyDayIsDecidedOnHisOwnOffers)
{
    std::vector<int32_t> due;
    for (int32_t t = 0; t < 6; ++t)
        for (int32_t i = MIT; i < MIT + 2; ++i) {
            const int32_t p = spieler(t, i);
            Richter_Spieler_Angebot_Struktur_Erzeugen((t + 1) % 6, t, p, 2 * abloese(t, p), 0, 3 * gehalt(p), 24, 50);
            Richter_Spieler_Angebot_Struktur_Erzeugen((t + 2) % 6, t, p, 3 * abloese(t, p), 0, 4 * gehalt(p), 24, 50);
            faellig(p);
            due.push_back(p);
        }
    const int32_t wartet = spieler(0, STU);
    Richter_Spieler_Angebot_Struktur_Erzeugen(3, 0, wartet, 2 * abloese(0, wartet), 0, 3 * gehalt(wartet), 24, 50);
    Spieler_Wert(SP_ANGEBOTSZAEHLER, wartet, 5, SP_SCHREIBEN);

    Richter_Jeden_Tag();
    // one auction each, the better offer first (the list's newest players come first)
    std::vector<std::vector<int32_t>> erwartet;
    for (int32_t t = 0; t < 6; ++t)
        for (int32_t i = 0; i < 2; ++i) erwartet.push_back({(t + 2) % 6, (t + 1) % 6});
    std::sort(erwartet.begin(), erwartet.end());
    std::sort(auktionen.begin(), auktionen.end());
    EXPECT_EQ(auktionen, erwartet);
    for (size_t k = 0; k < due.size(); ++k) {
        const int32_t t = static_cast<int32_t>(k / 2);
        EXPECT_EQ(Teamspieler_Ist_Im_Team((t + 2) % 6, due[k]), (t + 2) % 6) << k;
        EXPECT_TRUE(bieter(due[k]).empty()) << k;
    }
    EXPECT_EQ(bieter(wartet), std::vector<int32_t>{3});
    EXPECT_EQ(Liste_Count(&Richter_Liste), 1);
}

// A player whose countdown still runs keeps his offers, and his day draws what the whole
// decision would: nothing for a player of ordinary strength, and for a very weak one the draw
// that rating each fee offer makes; offers from two clubs wait the same.
TEST_F(Angebote, AWaitingPlayerKeepsHisOffersAndDrawsOnlyWhereTheRatingDoes)
{
    const int32_t stark = spieler(0, TW), schwach = spieler(1, TW), zwei_vereine = spieler(2, TW);
    Spieler_Daten[stark].attribute[0] = 500;
    Spieler_Daten[schwach].attribute[0] = 5;
    Spieler_Daten[zwei_vereine].attribute[0] = 500;
    for (int32_t p : {stark, schwach, zwei_vereine}) {
        const int32_t t = p / PRO_TEAM;
        Richter_Spieler_Angebot_Struktur_Erzeugen(4, t, p, 2 * abloese(t, p) + 100, 0, 3 * gehalt(p), 24, 50);
        // the second offer of the last player names another club as his
        Richter_Spieler_Angebot_Struktur_Erzeugen(5, p == zwei_vereine ? 3 : t, p, 3 * abloese(t, p) + 100, 0,
                                                  4 * gehalt(p), 24, 50);
        Spieler_Wert(SP_ANGEBOTSZAEHLER, p, 5, SP_SCHREIBEN);
    }
    auto nach = [](int32_t seed, int32_t zuege) {
        Zufall_Set_Seed(seed);
        for (int32_t i = 0; i < zuege; ++i) {
            const int32_t z = Zufall(8, 15);
            (void)z;
        }
        return Zufall_Get_Seed();
    };
    Zufall_Set_Seed(99);
    Richter_Check_Spieler_Angebote(stark);
    EXPECT_EQ(Zufall_Get_Seed(), 99);
    Zufall_Set_Seed(99);
    Richter_Check_Spieler_Angebote(schwach);
    const int32_t nach_schwach = Zufall_Get_Seed();
    EXPECT_EQ(nach_schwach, nach(99, 2));
    Zufall_Set_Seed(99);
    Richter_Check_Spieler_Angebote(zwei_vereine);
    EXPECT_EQ(Zufall_Get_Seed(), 99);
    EXPECT_TRUE(auktionen.empty());
    for (int32_t p : {stark, schwach, zwei_vereine}) EXPECT_EQ(bieter(p).size(), 2u) << p;
    EXPECT_EQ(Teamspieler_Ist_Im_Team(0, stark), 0);
}

// More than twenty players due: the progress box stands while the decisions run, and is gone after.
TEST_F(Angebote, ALongAuctionDayShowsItsCountInTheProgressBox)
{
    ASSERT_EQ(Grafik_Screen_Init(640, 480, 16), 1);
    static bool offen_bei_buchung;
    for (const int32_t anzahl : {20, 21}) {
        Richter_Init();
        int32_t n = 0;
        for (int32_t t = 0; t < 6 && n < anzahl; ++t)
            for (int32_t i = MIT; i < MIT + 4 && n < anzahl; ++i, ++n) {
                const int32_t p = spieler(t, i);
                Richter_Spieler_Angebot_Struktur_Erzeugen((t + 1) % 6, t, p, 2 * abloese(t, p), 0, 3 * gehalt(p), 24, 50);
                faellig(p);
            }
        offen_bei_buchung = false;
        Bank_Set_Buchung_Beobachter([](int32_t, int32_t, float, uint8_t) {
            offen_bei_buchung = offen_bei_buchung || Grafik_Fortschritt_Lage(nullptr, nullptr, nullptr);
            return true;
        });
        Richter_Jeden_Tag();
        EXPECT_EQ(offen_bei_buchung, anzahl > 20) << anzahl;
        EXPECT_FALSE(Grafik_Fortschritt_Lage(nullptr, nullptr, nullptr));
    }
    Grafik_Screen_DeInit();
}

// Over a page nobody sees the box is left out, but the day's decisions all run; someone told what
// is drawn still gets it.
TEST_F(Angebote, ALongAuctionDayOverAnUnseenPageOpensTheBoxOnlyForSomeoneTold)
{
    ASSERT_EQ(Grafik_Screen_Init(640, 480, 16), 1);
    static bool offen_bei_buchung;
    static int32_t buchungen_am_tag;
    Bank_Set_Buchung_Beobachter([](int32_t, int32_t, float, uint8_t) {
        offen_bei_buchung = offen_bei_buchung || Grafik_Fortschritt_Lage(nullptr, nullptr, nullptr);
        ++buchungen_am_tag;
        return true;
    });
    Os_Display_Set_Ungesehen(true);
    for (const bool erzaehlt : {false, true}) {
        Richter_Init();
        // fresh players each round: the first round's have moved
        for (int32_t n = 0; n < 24; ++n) {
            const int32_t t = n / 4, p = spieler(t, (erzaehlt ? STU : MIT) + n % 4);
            Richter_Spieler_Angebot_Struktur_Erzeugen((t + 1) % 6, t, p, 2 * abloese(t, p), 0, 3 * gehalt(p), 24, 50);
            faellig(p);
        }
        Grafik_Text_Hook_Setzen(erzaehlt ? [](const Grafik_Text_Lauf&) {} : Grafik_Text_Hook(nullptr));
        offen_bei_buchung = false;
        buchungen_am_tag = 0;
        Richter_Jeden_Tag();
        Grafik_Text_Hook_Setzen(nullptr);
        EXPECT_EQ(offen_bei_buchung, erzaehlt);
        EXPECT_GT(buchungen_am_tag, 0) << erzaehlt;
        EXPECT_FALSE(Grafik_Fortschritt_Lage(nullptr, nullptr, nullptr));
    }
    Os_Display_Set_Ungesehen(false);
    Grafik_Screen_DeInit();
}

}  // namespace
