// Credits, fixed deposits, share trades and the lender menu.
#include <cmath>
#include <cstring>
#include <string>

#include "../database/db_hilfe.h"
#include "bank_hilfe.h"
#include "gameflow/kalender.h"
#include "gameflow/kalender.h"
#include "toolkit/kontextmenue.h"

static int32_t tag(int32_t t, int32_t m, int32_t j) { return Kalender_Get_Tagnummer(t, m, j); }

static int32_t anlagen(int32_t team, Bank_Anlage* erste = nullptr)
{
    void* cursor = nullptr;
    int32_t n = 0;
    while (Bank_Anlage* a = Bank_Naechste_Anlage(team, &cursor)) {
        if (n == 0 && erste) *erste = *a;
        ++n;
    }
    return n;
}

TEST_F(BankTest, CompoundInterestAndDueDaysClampToTheMonth)
{
    EXPECT_NEAR(Bank_Zinseszins(100000, 12, 6.0), 106167.8, 0.05);
    EXPECT_EQ(Bank_Faelligkeit(tag(15, 11, 1999), 3), tag(15, 2, 2000));
    EXPECT_EQ(Bank_Faelligkeit(tag(31, 1, 2001), 1), tag(28, 2, 2001));
    EXPECT_EQ(Bank_Faelligkeit(tag(31, 1, 2000), 1), tag(29, 2, 2000));
    EXPECT_EQ(Bank_Faelligkeit(tag(10, 8, 1999), 48), tag(10, 8, 2003));
    EXPECT_EQ(Bank_Laufzeit_Index(2), 0);
    EXPECT_EQ(Bank_Laufzeit_Index(30), 4);
    EXPECT_EQ(Bank_Zufall_Zwischen(7, 7), 7);
    EXPECT_EQ(Bank_Zufall_Zwischen(9, 3), 9);
}

TEST_F(BankTest, BankCreditIsRecordedAndRepaidWhenDue)
{
    Aktueller_Tag = tag(31, 1, 2001);
    ASSERT_TRUE(Bank_Konto_Einrichten(4, 0, 0));
    ASSERT_TRUE(Bank_Betrag_Anlegen(-1, 4, 100000.0f, 12, 0, 6.0f));
    EXPECT_EQ(stand(4), 100000);
    Bank_Anlage a{};
    ASSERT_EQ(anlagen(4, &a), 1);
    EXPECT_EQ(a.betrag, -100000);
    EXPECT_EQ(a.endbetrag, -106168);
    EXPECT_EQ(Bank_Get_Kreditrahmen(4), 11900000.0f);

    // above the remaining line: not made, the rocker shows the line
    EXPECT_FALSE(Bank_Betrag_Anlegen(-1, 4, 12000000.0f, 12, 0, -1.0f));
    EXPECT_EQ(Bank_Wippe_Betrag, 11900000.0f);
    EXPECT_EQ(anlagen(4), 1);

    // one month from 31 January: due on the last day of February, and paid there
    ASSERT_TRUE(Bank_Betrag_Anlegen(-1, 4, 10000.0f, 1, 0, -1.0f));
    ASSERT_EQ(anlagen(4, &a), 2);
    EXPECT_EQ(a.faellig, uint32_t(tag(28, 2, 2001)));  // ordered by due day
    EXPECT_FLOAT_EQ(a.zins, 8.5f);
    Aktueller_Tag = tag(28, 2, 2001);
    static int32_t rueckzahlung;
    rueckzahlung = 0;
    Bank_Set_Buchung_Protokoll([](int32_t z, int32_t, int32_t ab, int32_t, uint8_t k) {
        if (z == 4 && k == 45) rueckzahlung += ab;
    });
    Bank_Faelligkeiten_Tag();
    EXPECT_EQ(anlagen(4), 1);
    EXPECT_EQ(rueckzahlung, -a.endbetrag);
    // a record whose day has passed is still settled
    Aktueller_Tag = tag(1, 3, 2002);
    Bank_Faelligkeiten_Tag();
    EXPECT_EQ(anlagen(4), 0);
}

TEST_F(BankTest, DepositsCorrectTheAmountAndPayBeforeTheDaysInterest)
{
    ASSERT_TRUE(Bank_Konto_Einrichten(2, 25300, 0));
    EXPECT_FALSE(Bank_Betrag_Anlegen(2, -1, 50000.0f, 3, 1, -1.0f));
    EXPECT_EQ(Bank_Wippe_Betrag, 20000.0f);
    ASSERT_TRUE(Bank_Konto_Einrichten(3, -5, 0));
    EXPECT_FALSE(Bank_Betrag_Anlegen(3, -1, 50000.0f, 3, 1, -1.0f));
    EXPECT_EQ(Bank_Wippe_Betrag, 0.0f);
    EXPECT_EQ(meldungen.size(), 1u);

    Aktueller_Tag = tag(15, 11, 1999);
    ASSERT_TRUE(Bank_Betrag_Anlegen(2, -1, 20000.0f, 3, 1, -1.0f));
    EXPECT_EQ(stand(2), 5300);
    Bank_Anlage a{};
    ASSERT_EQ(anlagen(2, &a), 1);
    EXPECT_EQ(a.faellig, uint32_t(tag(15, 2, 2000)));
    EXPECT_FLOAT_EQ(a.zins, 4.0f);
    Aktueller_Tag = int32_t(a.faellig);
    Bank_Faelligkeiten_Tag();
    const double b = 5300.0 + a.endbetrag;
    const int32_t zins = int32_t(std::floor((double(Bank_Giro_Zins) / 365.0 + 100.0) * b * 0.01 - b + 0.5));
    EXPECT_EQ(stand(2), int32_t(b) + zins);
}

TEST_F(BankTest, CreditBetweenManagersNeedsTheLendersCover)
{
    ASSERT_TRUE(Bank_Konto_Einrichten(1, 1000, 0));
    ASSERT_TRUE(Bank_Konto_Einrichten(2, 0, 0));
    EXPECT_FALSE(Bank_Betrag_Anlegen(1, 2, 50000.0f, 6, 0, 5.0f));
    EXPECT_EQ(stand(1), 1000);
    EXPECT_EQ(stand(2), 0);
    EXPECT_EQ(anlagen(1) + anlagen(2), 0);
    ASSERT_TRUE(Bank_Konto_Einrichten(1, 100000, 0));
    ASSERT_TRUE(Bank_Betrag_Anlegen(1, 2, 50000.0f, 6, 0, 5.0f));
    Bank_Anlage geber{}, nehmer{};
    anlagen(1, &geber);
    anlagen(2, &nehmer);
    EXPECT_EQ(geber.betrag, 50000);
    EXPECT_EQ(nehmer.betrag, -50000);
    EXPECT_EQ(geber.endbetrag, -nehmer.endbetrag);
    EXPECT_EQ(stand(1) + stand(2), 100000);
    // a client sends bank credits only
    Netz_Rolle = 1;
    EXPECT_FALSE(Bank_Betrag_Anlegen(1, 2, 100.0f, 6, 0, 5.0f));
}

TEST_F(BankTest, ShareTradesCapAndCorrectTheCount)
{
    ASSERT_TRUE(Bank_Konto_Einrichten(6, 10000000, 0));
    Bank_Boerse[0].kurs[3] = 100.0f;
    ASSERT_TRUE(Bank_Aktien_Handel(6, 10, 0, 3));
    EXPECT_EQ(stand(6), 10000000 - 1010);
    void* c = nullptr;
    Bank_Aktienbesitz* h = Bank_Naechster_Aktienbesitz(6, &c, 0, 3);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->anzahl, 10);
    EXPECT_EQ(h->summe, 1010);

    EXPECT_FALSE(Bank_Aktien_Handel(6, -11, 0, 3));
    EXPECT_EQ(Bank_Aktien_Anzahl, 10);
    EXPECT_FALSE(Bank_Aktien_Handel(6, -1, 0, 4));
    EXPECT_EQ(Bank_Aktien_Anzahl, 0);
    ASSERT_TRUE(Bank_Aktien_Handel(6, -4, 0, 3));
    EXPECT_EQ(h->summe, 606);
    ASSERT_TRUE(Bank_Aktien_Handel(6, -6, 0, 3));
    c = nullptr;
    EXPECT_EQ(Bank_Naechster_Aktienbesitz(6, &c, -1, -1), nullptr);
    EXPECT_EQ(stand(6), 10000000 - 1010 + 1000);

    // the third exchange stops at 1000 shares
    Bank_Boerse[2].kurs[1] = 20.0f;
    EXPECT_FALSE(Bank_Aktien_Handel(6, 1001, 2, 1));
    EXPECT_EQ(Bank_Aktien_Anzahl, 1000);
    EXPECT_NE(meldungen.back().find("korrigiert"), std::string::npos);
    ASSERT_TRUE(Bank_Aktien_Handel(6, 1000, 2, 1));
    EXPECT_EQ(Bank_Max_Aktien(6, 2, 1, 0), 0);
    // a "no" trades nothing
    antwort = 0;
    const int32_t vorher = stand(6);
    EXPECT_TRUE(Bank_Aktien_Handel(6, 5, 0, 1));
    EXPECT_EQ(stand(6), vorher);
    EXPECT_FALSE(Bank_Aktien_Handel(6, 5, 3, 1));
    EXPECT_FALSE(Bank_Aktien_Handel(6, 5, 0, 13));
    EXPECT_EQ(Bank_Get_Aktienkurs(0, 13), -1.0f);
}

TEST_F(BankTest, LenderMenuListsTenManagersThenPagesOfTwenty)
{
    Test_Teams_Anlegen(60);
    for (int32_t t = 0; t < 35; ++t) T_Fix[t].manager = Test_Manager_Schein();
    Aktuelles_Team = 0;
    const auto m = Bank_Kreditgeber_Eintraege(12, 7);
    // the context menu: bank, 10 managers, two page items and the rate wish at the top level
    Menue_Kontextmenue* k = Bank_Kreditgeber_Menue(12);
    EXPECT_STREQ(k->titel, "Kreditgeber");
    EXPECT_STREQ(k->texte[13], "Ihr Zinswunsch: 0%");
    EXPECT_EQ(k->texte[14], nullptr);
    Menue_Kontextmenue unter{};
    ASSERT_NE(k->unterlisten[12], nullptr);
    k->unterlisten[12](&unter, 12);
    EXPECT_STREQ(unter.texte[3], "Team 34");
    EXPECT_EQ(unter.texte[4], nullptr);
    k->unterlisten[13](&unter, 13);
    EXPECT_STREQ(unter.titel, "Wählen Sie Ihren Wunschzins");
    EXPECT_STREQ(unter.texte[11], "11 %");
    EXPECT_TRUE(unter.status[0] & POPUP_GEWAEHLT);
    unter.prozeduren[9](9, 0, unter.wert_a[9], -1);
    EXPECT_STREQ(Bank_Kreditgeber_Menue(12)->texte[13], "Ihr Zinswunsch: 9%");
    unter.prozeduren[0](0, 0, 0, -1);
    for (int32_t t = 0; t < 35; ++t) T_Fix[t].manager = nullptr;
    Test_Aufraeumen();
    // bank, 10 managers, page 1 with 20, page 2 with 4, the rate wish
    ASSERT_EQ(m.size(), 1u + 10 + 1 + 20 + 1 + 4 + 1);
    EXPECT_STREQ(m[0].text, "Bank (8.0 % Zinsen)");
    EXPECT_EQ(m[1].team, 1);
    EXPECT_EQ(m[10].seite, 0);
    EXPECT_STREQ(m[11].text, "Weitere Teams Seite 1");
    EXPECT_EQ(m[12].seite, 1);
    EXPECT_STREQ(m[32].text, "Weitere Teams Seite 2");
    EXPECT_EQ(m[33].team, 31);
    EXPECT_STREQ(m.back().text, "Ihr Zinswunsch: 7%");
}
