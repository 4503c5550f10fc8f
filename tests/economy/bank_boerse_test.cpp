// The three exchanges: a new game, the clubs' shares after matches and at the season's end,
// and a client's fetches.
#include <cmath>
#include <cstring>
#include <string>

#include "../competitions/wettbewerb_welt.h"
#include "../database/db_hilfe.h"
#include "bank_hilfe.h"
#include "database/manager.h"
#include "economy/stadion.h"
#include "gameflow/news.h"

struct BankBoerseTest : BankTest {
    void SetUp() override
    {
        BankTest::SetUp();
        Test_Teams_Anlegen(testwelt::TEAM_ANZAHL);
        ASSERT_TRUE(testwelt::laden());
        News_Init();
        T_Fix[1].manager = Test_Manager_Schein();
        Manager_Anzahl = 1;
    }
    void TearDown() override
    {
        T_Fix[1].manager = nullptr;
        Manager_Anzahl = 0;
        Wettbewerb_Free();
        News_DeInit();
        Test_Aufraeumen();
        BankTest::TearDown();
    }
};

TEST_F(BankBoerseTest, NewGameFillsTheLeagueAndEveryHistoryWithoutBooking)
{
    ASSERT_TRUE(Bank_Konto_Einrichten(1, 3000000, 0));
    ASSERT_TRUE(Bank_Betrag_Anlegen(1, -1, 100000.0f, 1, 1, -1.0f));
    Aktueller_Tag = 40;  // the deposit would be due
    const int32_t vorher = stand(1);
    for (int32_t i = 0; i < 20; ++i) Bank_Neues_Spiel();
    EXPECT_EQ(Bank_Kredit_Zins[0], 8.5f);
    EXPECT_EQ(stand(1), vorher);
    EXPECT_EQ(News_Anzahl(), 0);
    void* c = nullptr;
    EXPECT_NE(Bank_Naechste_Anlage(1, &c), nullptr);
    const Boerse& liga = Bank_Boerse[2];
    // four clubs: the first is not traded
    EXPECT_GE(Bank_Get_Aktien_Liga(), 0);
    EXPECT_EQ(liga.team[1], 1);
    EXPECT_EQ(liga.team[3], 3);
    EXPECT_EQ(liga.team[4], -1);
    EXPECT_STREQ(liga.firma[2], "Team 2");
    EXPECT_EQ(liga.firma[4][0], 0);
    for (const Boerse& b : Bank_Boerse)
        for (int32_t i = 0; i < BANK_FIRMEN; ++i)
            for (float v : b.verlauf[i]) EXPECT_GE(v, 15.0f) << b.name << " " << i;
    for (int32_t i = 0; i < BANK_FIRMEN; ++i) EXPECT_EQ(Bank_Boerse[0].ziel[i], Bank_Boerse[0].kurs[i]);
    EXPECT_EQ(Bank_Waehrungsfaktor[0], 100.0f);
}

TEST_F(BankBoerseTest, MatchesResetToTheBaseValueAndMoveHalfTheTime)
{
    Bank_Neues_Spiel();
    const float basis = Bank_Liga_Aktie_Basiswert(2) < 15.0f ? 15.0f : Bank_Liga_Aktie_Basiswert(2);
    Bank_Boerse[2].kurs[2] = 777.0f;
    Bank_Aktie_Liga_Nach_Spiel(2, 0);
    EXPECT_EQ(Bank_Boerse[2].kurs[2], 777.0f);
    int32_t bewegt = 0;
    for (int32_t i = 0; i < 400; ++i) {
        Bank_Boerse[2].kurs[2] = 777.0f;
        Bank_Aktie_Liga_Nach_Spiel(2, i % 2 ? 1 : 2);
        EXPECT_EQ(Bank_Boerse[2].ziel[2], basis);
        const float k = Bank_Boerse[2].kurs[2];
        if (k != basis) {
            ++bewegt;
            if (i % 2) EXPECT_GT(k, basis);
            else EXPECT_LT(k, basis);
        }
    }
    EXPECT_GT(bewegt, 150);
    EXPECT_LT(bewegt, 250);
}

TEST_F(BankBoerseTest, ClubsLeavingTheBestLoseTheirHoldersShares)
{
    Bank_Neues_Spiel();
    ASSERT_TRUE(Bank_Konto_Einrichten(1, 3000000, 0));
    ASSERT_TRUE(Bank_Aktien_Handel(1, 10, 2, 3));
    ASSERT_TRUE(Bank_Aktien_Handel(1, 5, 2, 1));
    const int32_t vorher = stand(1);
    const int32_t beste[] = {1, 7, 3};
    Bank_Liga_Aktien_Neu_Besetzen(beste, 3);
    // team 2 dropped out, its slot goes to the next untraded club
    EXPECT_EQ(Bank_Boerse[2].team[1], 1);
    EXPECT_EQ(Bank_Boerse[2].team[2], 7);
    EXPECT_EQ(Bank_Boerse[2].team[3], 3);
    EXPECT_EQ(stand(1), vorher);
    EXPECT_EQ(News_Anzahl(), 0);
    const int32_t andere[] = {1, 7, 9};
    Bank_Liga_Aktien_Neu_Besetzen(andere, 3);
    EXPECT_EQ(Bank_Boerse[2].team[3], 9);
    void* c = nullptr;
    EXPECT_EQ(Bank_Naechster_Aktienbesitz(1, &c, 2, 3), nullptr);
    c = nullptr;
    EXPECT_NE(Bank_Naechster_Aktienbesitz(1, &c, 2, 1), nullptr);
    ASSERT_EQ(News_Anzahl(), 1);
    const int32_t n = News_Suche_Erste(1, NEWS_FLAG_DA);
    ASSERT_GE(n, 0);
    EXPECT_NE(std::strstr(News_Get_Nachricht(n)->text, "besten 3"), nullptr);
}

TEST_F(BankBoerseTest, AClientFetchesAnExchangeOncePerRefresh)
{
    static int32_t abrufe;
    abrufe = 0;
    Bank_Set_Fernaufruf([](int32_t anfrage, std::vector<uint8_t>* block) {
        if (anfrage == BANK_GET_BOERSE) ++abrufe;
        // the server answers in this process
        Netz_Rolle = 2;
        std::vector<uint8_t> antwort;
        const int32_t r = Bank_Server_Anfrage(anfrage, block->data(), uint32_t(block->size()), &antwort);
        Netz_Rolle = 1;
        *block = antwort;
        return r;
    });
    Bank_Boerse[1].kurs[5] = 321.0f;
    Handelndes_Team = 1;
    Netz_Rolle = 1;
    Bank_Client_Boerse_Holen(1, 1);
    Bank_Client_Boerse_Holen(1, 1);
    EXPECT_EQ(abrufe, 1);
    EXPECT_EQ(Bank_Boerse[1].kurs[5], 321.0f);
    Bank_Client_Boerse_Holen(1, 3);
    EXPECT_EQ(abrufe, 1);
    Bank_Client_Refresh(1);
    Bank_Client_Boerse_Holen(1, 1);
    EXPECT_EQ(abrufe, 2);
    // a client's trade is the server's: asked here, carried out there, the holdings fetched back
    Netz_Rolle = 2;
    ASSERT_TRUE(Bank_Konto_Einrichten(1, 100000, 0));
    Netz_Rolle = 1;
    Bank_Boerse[0].kurs[4] = 100.0f;
    ASSERT_TRUE(Bank_Aktien_Handel(1, 5, 0, 4));
    EXPECT_EQ(stand(1), 100000 - 505);
    void* c = nullptr;
    const Bank_Aktienbesitz* h = Bank_Naechster_Aktienbesitz(1, &c, 0, 4);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->anzahl, 5);
    ASSERT_TRUE(Bank_Betrag_Anlegen(-1, 1, 20000.0f, 6, 0, -1.0f));
    c = nullptr;
    EXPECT_NE(Bank_Naechste_Anlage(1, &c), nullptr);
    EXPECT_EQ(Bank_Get_Vermoegen(1, -1), stand(1) + 500 - 20000);
}

TEST_F(BankBoerseTest, SeasonTicketCompensationFollowsTheStadiumsEstimate)
{
    auto r = testwelt::bauen();
    r[testwelt::A1].spiele_block = r[testwelt::A2].spiele_block = r[testwelt::B1].spiele_block = 0;
    r[testwelt::A1].spieltage = 34;  // 17 home games: nothing to settle
    r[testwelt::A2].spieltage = 40;
    r[testwelt::B1].spieltage = 6;
    ASSERT_TRUE(Wettbewerb_Uebernehmen(r.data(), testwelt::ANZAHL, testwelt::TEAM_ANZAHL));
    for (int32_t t : {1, 5, 13}) ASSERT_TRUE(Bank_Konto_Einrichten(t, 0, 0));
    Stadion_Set_Dauerkarten_Abfrage([](int32_t team, int32_t* monate, int32_t abrechnen) {
        if (abrechnen) {
            *monate = 2;
            return 0;
        }
        return team == 5 ? -600 : 600;
    });
    Bank_Dauerkarten_Ausgleich();
    Stadion_Set_Dauerkarten_Abfrage(nullptr);
    EXPECT_EQ(stand(1), 0);
    EXPECT_EQ(stand(5), -1200);
    EXPECT_EQ(stand(13), 1200);
    EXPECT_EQ(stand(6), 0);
    EXPECT_EQ(Bank_Get_Konto(5)->buchung[0].kategorie, 42);
    EXPECT_EQ(Bank_Get_Konto(13)->buchung[0].kategorie, 41 | 0x80);
}

TEST_F(BankBoerseTest, CreditRequestGoesToTheLenderAsAQuestion)
{
    Aktuelles_Team = 2;
    Bank_Wippe_Betrag = 0;
    EXPECT_FALSE(Bank_Kredit_Anfrage(1, 5));
    EXPECT_EQ(News_Anzahl(), 0);
    Bank_Wippe_Betrag = 250000.0f;
    Bank_Wippe_Laufzeit = 3;
    ASSERT_TRUE(Bank_Kredit_Anfrage(1, 5));
    const int32_t n = News_Suche_Erste(1, NEWS_FLAG_OFFEN);
    ASSERT_GE(n, 0);
    const News_Nachricht* m = News_Get_Nachricht(n);
    EXPECT_EQ(m->art, NEWS_ART_FRAGE);
    const int32_t erwartet[8] = {5, 2, 1, Aktueller_Tag + 30, 250000, 5, 12, -1};
    EXPECT_EQ(std::memcmp(m->frage.wort, erwartet, sizeof erwartet), 0);
    EXPECT_NE(std::strstr(m->text, "12 Monate Laufzeit, 5% Zinsen"), nullptr) << m->text;
    ASSERT_EQ(meldungen.size(), 3u);
    // The texts are formatted once: a per cent sign shows single.
    EXPECT_NE(meldungen[1].find("Zins^tl0135: 5 %\r"), std::string::npos) << meldungen[1];
    EXPECT_NE(meldungen[2].find("weitergeleitet"), std::string::npos);
}

// A club's share is worth more the stronger its squad: its players' mean strength counts from
// 700 up, 40 points of the base per 300 strength before the tenth.
TEST_F(BankBoerseTest, TheBaseValueFollowsTheSquadsStrength)
{
    Test_Spieler_Anlegen(20);
    Teamspieler_Init_Listen();
    for (int32_t p = 0; p < 20; ++p) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 2, p, 50, 0, 24, -1, false));
    const auto staerke = [](int32_t wert) {
        for (int32_t p = 0; p < 20; ++p)
            for (auto& a : Spieler_Daten[p].attribute) a = int16_t(wert);
    };
    staerke(700);
    const float mittel = Bank_Liga_Aktie_Basiswert(2);
    staerke(850);
    EXPECT_EQ(Bank_Liga_Aktie_Basiswert(2) - mittel, 200.0f);  // 150 * 100 / 300 * 40 / 10
    staerke(1);
    EXPECT_LT(Bank_Liga_Aktie_Basiswert(2), mittel - 900.0f);
}

// A jump of more than ten per cent is news: "PLUS" or "MINUS" carries the sign, the figure has a
// decimal comma and no sign of its own.
TEST_F(BankBoerseTest, APriceJumpReadsGermanWithOneSign)
{
    ASSERT_TRUE(Bank_Konto_Einrichten(1, 3000000, 0));
    for (int32_t e = 0; e < 2; ++e)
        for (int32_t i = 1; i < BANK_FIRMEN; ++i) {
            Bank_Boerse[e].kurs[i] = Bank_Boerse[e].ziel[i] = 1000.0f;
            Bank_Boerse[e].drift[i] = e == 0 ? -12.0f : 12.0f;
            Bank_Boerse[e].zaehler[i] = 5;
        }
    Bank_Boerse_Tag();
    bool minus = false, plus = false;
    for (int32_t n = 0; n < NEWS_MAX; ++n) {
        const News_Nachricht* m = News_Get_Nachricht(n);
        if (!m || !std::strstr(m->text, "Parketthandel")) continue;
        const std::string t = m->text;
        const size_t von = t.rfind(" von ");
        ASSERT_NE(von, std::string::npos) << t;
        const std::string zahl = t.substr(von + 5, t.find(" Prozent") - von - 5);
        EXPECT_EQ(zahl.find_first_not_of("0123456789,"), std::string::npos) << t;
        EXPECT_NE(zahl.find(','), std::string::npos) << t;
        minus = minus || t.find("einem MINUS von 1") != std::string::npos;
        plus = plus || t.find("einem PLUS von 1") != std::string::npos;
    }
    EXPECT_TRUE(minus);
    EXPECT_TRUE(plus);
}
