// Money texts, accounts and bookings.
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "bank_hilfe.h"
#include "economy/bank_intern.h"
#include "economy/bank_welt.h"
#include "platform/print.h"

// The texts are Windows-1252; these contain only ASCII.
TEST_F(BankTest, MoneyTextsFormatCentsSignsAndCap)
{
    EXPECT_STREQ(Bank_Betrag_String(1234567.5f, -1, 0, 0), "1.234.567,50 DM");
    EXPECT_STREQ(Bank_Betrag_String(-2500.0f, -1, 1, 0), "$ -2.500");
    EXPECT_STREQ(Bank_Betrag_String(1.5e9f, -1, 0, 0), "1.200.000.000 DM");
    EXPECT_STREQ(Bank_Betrag_String(-1.5e9f, -1, 2, 0), "-1.200.000.000 DM");
    EXPECT_STREQ(Bank_Betrag_String(0.0f, -1, 0, 1), "0,00 DM");
    EXPECT_STREQ(Bank_Betrag_String(0.0f, -1, 0, 0), "0 DM");
    EXPECT_STREQ(Bank_Betrag_String(12.75f, -1, 0, -1), "12 DM");
    EXPECT_STREQ(Bank_Betrag_String(5.0f, -1, 7, 0), "5");
    // the fourth text reuses the first buffer, the three before stay intact
    const char* a = Bank_Betrag_String(1.0f, -1, 0, 0);
    const char* b = Bank_Betrag_String(2.0f, -1, 0, 0);
    const char* c = Bank_Betrag_String(3.0f, -1, 0, 0);
    EXPECT_STREQ(a, "1 DM");
    EXPECT_STREQ(b, "2 DM");
    EXPECT_STREQ(c, "3 DM");
    EXPECT_EQ(Bank_Betrag_String(4.0f, -1, 0, 0), a);
    // a club's own currency when none is given
    ASSERT_TRUE(Bank_Konto_Einrichten(5, 1000, 1));
    EXPECT_STREQ(Bank_Betrag_String(1000.0f, 5, -1, 0), "$ 1.000");
    EXPECT_STREQ(Bank_Zahl_String(1234, 6), "  1.234");
    EXPECT_STREQ(Bank_Zahl_String(1234, 64), "1234");
    // the extremes of the range print whole (the smallest has no positive counterpart)
    EXPECT_STREQ(Bank_Zahl_String(INT64_MIN, 64), "-9223372036854775808");
    EXPECT_STREQ(Bank_Zahl_String(-1234567, 0), "-1.234.567");
}

TEST_F(BankTest, AccountsConvertOnReopeningAndOutOfRangeTeamsHaveNone)
{
    ASSERT_TRUE(Bank_Konto_Einrichten(3, 182000, 0));
    Bank_Set_Kreditlinie(3, 50000.0f, 0);
    ASSERT_TRUE(Schreibe_Überweisung(-1, 3, 1000.0f, 30, 1, -1));
    EXPECT_EQ(Bank_Get_Steuergewinn(3), 1000);
    ASSERT_TRUE(Bank_Konto_Einrichten(3, -1, 1));
    EXPECT_EQ(stand(3), 100549);  // 183,000 DM at 100:182
    EXPECT_EQ(Bank_Get_Kreditlinie(3, -1), 0.0f);
    EXPECT_EQ(Bank_Get_Steuergewinn(3), 0);
    EXPECT_EQ(Bank_Get_Waehrung(3), 1);
    EXPECT_EQ(Bank_Get_Kontostand(3, 0, 0), 182999);
    EXPECT_EQ(Bank_Get_Waehrung(9), 0);

    EXPECT_EQ(stand(1000), 0);
    EXPECT_EQ(stand(-5), 0);
    EXPECT_FALSE(Bank_Konto_Einrichten(1000, 5, 0));
    EXPECT_FALSE(Schreibe_Überweisung(-1, 1000, 5.0f, 30, 1, -1));
    EXPECT_EQ(Bank_Get_Konto(1000), nullptr);

    ASSERT_TRUE(Bank_Konto_Loeschen(3));
    EXPECT_EQ(Bank_Get_Konto(3), nullptr);
    EXPECT_EQ(stand(3), 100549);
    Netz_Rolle = 1;
    ASSERT_TRUE(Bank_Konto_Einrichten(4, 0, 0));
    EXPECT_FALSE(Bank_Konto_Loeschen(4));

}

TEST_F(BankTest, CoverCheckRoundingAndRefusals)
{
    ASSERT_TRUE(Bank_Konto_Einrichten(1, 1000, 0));
    Bank_Set_Kreditlinie(1, 500.0f, -1);
    EXPECT_FALSE(Schreibe_Überweisung(1, 2, 0.0f, 30, 0, -1));
    EXPECT_FALSE(Schreibe_Überweisung(1, 2, -0.0f, 30, 0, -1));
    EXPECT_FALSE(Schreibe_Überweisung(1, 2, std::numeric_limits<float>::quiet_NaN(), 30, 1, -1));
    EXPECT_FALSE(Schreibe_Überweisung(1, 2, std::numeric_limits<float>::infinity(), 30, 1, -1));
    EXPECT_FALSE(Schreibe_Überweisung(1, 2, 0.49f, 30, 1, -1));
    EXPECT_EQ(Bank_Get_Konto(1)->index, 0u);

    EXPECT_FALSE(Schreibe_Überweisung(1, 2, 1501.0f, 31, 0, -1));
    EXPECT_TRUE(meldungen.empty());  // another club's refusal is silent
    EXPECT_TRUE(Schreibe_Überweisung(1, 2, 1500.0f, 31, 0, -1));
    EXPECT_EQ(stand(1), -500);
    EXPECT_EQ(stand(2), 1500);

    Aktuelles_Team = 1;
    EXPECT_FALSE(Schreibe_Überweisung(1, -1, 1.0f, 31, 0, -1));
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_NE(meldungen[0].find("nicht gedeckt"), std::string::npos);
    Netz_Rolle = 2;
    EXPECT_FALSE(Schreibe_Überweisung(1, -1, 1.0f, 31, 0, -1));
    EXPECT_EQ(meldungen.size(), 1u);
    EXPECT_TRUE(Schreibe_Überweisung(1, -1, 1.0f, 31, 1, -1));  // forced
    EXPECT_EQ(stand(1), -501);

    EXPECT_TRUE(Schreibe_Überweisung(-1, 2, 0.5f, 36, 1, -1));
    EXPECT_EQ(stand(2), 1501);
    EXPECT_TRUE(Schreibe_Überweisung(2, -1, -0.5f, 22, 1, -1));  // a negative amount runs backwards
    EXPECT_EQ(stand(2), 1502);

    Netz_Rolle = 1;
    EXPECT_FALSE(Schreibe_Überweisung(-1, 2, 100.0f, 36, 1, -1));
    EXPECT_EQ(stand(2), 1502);
}

// Amounts book as whole marks rounded half away from zero on either side of zero, up to the
// largest a float holds exactly; amounts beyond every balance are refused.
TEST_F(BankTest, AmountsRoundHalfAwayFromZeroAndHugeOnesAreRefused)
{
    ASSERT_TRUE(Bank_Konto_Einrichten(1, 0, 0));
    const std::pair<float, int32_t> faelle[] = {{2.5f, 3}, {-1.5f, 1}, {1.4999f, 2}, {-0.5f, 1}, {16777215.0f, 16777216},
                                                {-16777216.0f, 0}, {0.5000001f, 1}};
    for (auto [betrag, danach] : faelle) {
        EXPECT_TRUE(Schreibe_Überweisung(-1, 1, betrag, 36, 1, -1)) << betrag;
        EXPECT_EQ(stand(1), danach) << betrag;
    }
    Print_Fehler_Set_Hook([](const std::string&) {});
    for (float riesig : {1e19f, -1e19f, 3e38f, -3e38f}) EXPECT_FALSE(Schreibe_Überweisung(-1, 1, riesig, 36, 1, -1)) << riesig;
    Print_Fehler_Set_Hook({});
    EXPECT_EQ(stand(1), 1);
}

TEST_F(BankTest, WholeMarksSurviveLargeBalancesAndTheLimitHolds)
{
    ASSERT_TRUE(Bank_Konto_Einrichten(7, 20000000, 0));
    EXPECT_TRUE(Schreibe_Überweisung(-1, 7, 1.0f, 36, 1, -1));
    EXPECT_EQ(stand(7), 20000001);
    ASSERT_TRUE(Bank_Konto_Einrichten(8, 1100000000, 0));
    const Bank_Konto vorher = *Bank_Get_Konto(8);
    std::string fehler;
    Print_Fehler_Set_Hook([&](const std::string& t) { fehler = t; });
    EXPECT_FALSE(Schreibe_Überweisung(-1, 8, 100000008.0f, 36, 1, -1));
    Print_Fehler_Set_Hook({});
    EXPECT_FALSE(fehler.empty());
    EXPECT_EQ(stand(8), 1100000000);
    EXPECT_EQ(std::memcmp(&vorher, Bank_Get_Konto(8), sizeof vorher), 0);
    // the payer side is checked too, before anything moves
    ASSERT_TRUE(Bank_Konto_Einrichten(9, -1100000000, 0));
    EXPECT_FALSE(Schreibe_Überweisung(9, 8, 100000008.0f, 31, 1, -1));
    EXPECT_EQ(stand(9), -1100000000);
    // one currency: payer and receiver move the same integer
    Bank_Set_Buchung_Protokoll([](int32_t, int32_t, int32_t ab, int32_t zu, uint8_t) { EXPECT_EQ(ab, zu); });
    EXPECT_TRUE(Schreibe_Überweisung(7, 9, 2.5f, 31, 1, 0));
    EXPECT_EQ(stand(7), 20000001 - 3);
}

TEST_F(BankTest, RingMergesPerWeekAndCategoryAndWrapsAfter500)
{
    ASSERT_TRUE(Bank_Konto_Einrichten(1, 0, 0));
    const Bank_Konto* k = Bank_Get_Konto(1);
    Schreibe_Überweisung(1, -1, 100.0f, 26, 1, -1);
    Schreibe_Überweisung(1, -1, 50.0f, 27, 1, -1);
    Schreibe_Überweisung(1, -1, 10.0f, 26, 1, -1);
    EXPECT_EQ(k->index, 2u);
    EXPECT_EQ(k->buchung[0].betrag, 110);
    EXPECT_EQ(k->buchung[0].kategorie, 26);
    EXPECT_EQ(k->buchung[1].betrag, 50);
    // income carries bit 7, a negative receipt does not
    Schreibe_Überweisung(-1, 1, 40.0f, 30, 1, -1);
    EXPECT_EQ(k->index, 3u);
    EXPECT_EQ(k->buchung[2].kategorie, 30 | 0x80);
    Schreibe_Überweisung(-1, 1, -70.0f, 36, 1, -1);
    EXPECT_EQ(k->buchung[3].betrag, -70);
    EXPECT_EQ(k->buchung[3].kategorie, 36);
    Aktueller_Tag += 7;
    Schreibe_Überweisung(1, -1, 5.0f, 26, 1, -1);
    EXPECT_EQ(k->index, 5u);
    EXPECT_EQ(k->buchung[4].tag, uint32_t(Aktueller_Tag));

    for (int i = 0; i < 495; ++i) {
        Aktueller_Tag += 7;
        Schreibe_Überweisung(1, -1, 1.0f, 26, 1, -1);
    }
    EXPECT_EQ(k->index, 0u);
    Aktueller_Tag += 7;
    Schreibe_Überweisung(1, -1, 9.0f, 22, 1, -1);
    EXPECT_EQ(k->index, 1u);
    EXPECT_EQ(k->buchung[0].betrag, 9);  // the oldest is gone
    EXPECT_EQ(k->buchung[1].betrag, 50);

    // taxable profit follows the taxable categories only
    ASSERT_TRUE(Bank_Konto_Einrichten(2, 0, 0));
    Schreibe_Überweisung(-1, 2, 1000.0f, 30, 1, -1);
    Schreibe_Überweisung(-1, 2, 1000.0f, 3, 1, -1);
    Schreibe_Überweisung(2, -1, 300.0f, 26, 1, -1);
    EXPECT_EQ(Bank_Get_Steuergewinn(2), 700);
}

// A run of payments books exactly as the same payments one by one: balances, taxable profit,
// the ring (merging, a new week, a full ring that wraps) and the world's sums; amounts that
// round to nothing are skipped, one beyond the range is refused alone, and a protocol hears each.
TEST_F(BankRingTest, PaymentsInOneRunBookAsOneByOne)
{
    const std::vector<Bank_Posten> posten = {
        {1200.4f, 26}, {300.0f, 27}, {0.4f, 26}, {980.6f, 26}, {2.0e9f, 26}, {55.0f, 27},
        {75.0f, 33},   {410.5f, 26}, {-20.0f, 34}, {12.0f, 0},  {33.0f, 26},
    };
    ASSERT_TRUE(Bank_Konto_Einrichten(4, 1000000, 0));
    Bank_Konto* k4 = Bank_Get_Konto(4);
    auto vergleichen = [&](const char* fall) {
        SCOPED_TRACE(fall);
        // club 3 one by one, club 4 in one run, from the same account
        *k4 = *k;
        Bank.kontostand[4] = Bank.kontostand[3];
        int32_t fehler = 0;
        Print_Fehler_Set_Hook([&](const std::string&) { ++fehler; });
        const Bank_Welt_Summen vorher = Bank_Welt_Get_Summen(0);
        for (const Bank_Posten& p : posten) Schreibe_Überweisung(3, -1, p.betrag, p.kategorie, 1, -1);
        const Bank_Welt_Summen einzeln = Bank_Welt_Get_Summen(0);
        const int32_t fehler_einzeln = fehler;
        Schreibe_Zahlungen(4, posten.data(), int32_t(posten.size()));
        const Bank_Welt_Summen gesammelt = Bank_Welt_Get_Summen(0);
        Print_Fehler_Set_Hook({});
        EXPECT_EQ(fehler_einzeln, 2);  // the category missing, the amount beyond the range
        EXPECT_EQ(fehler, 2 * fehler_einzeln);
        EXPECT_EQ(Bank.kontostand[4], Bank.kontostand[3]);
        EXPECT_EQ(k4->steuergewinn, k->steuergewinn);
        EXPECT_EQ(k4->index, k->index);
        EXPECT_EQ(std::memcmp(k4->buchung, k->buchung, sizeof k->buchung), 0);
        for (int32_t c = 0; c < BANK_KATEGORIEN; ++c) {
            EXPECT_EQ(gesammelt.ausgaben[c] - einzeln.ausgaben[c], einzeln.ausgaben[c] - vorher.ausgaben[c]) << c;
            EXPECT_EQ(gesammelt.einnahmen[c], vorher.einnahmen[c]) << c;
        }
    };
    // an entry of this week to merge into behind others, and one of last week that must not take any
    buchen(0, Aktueller_Tag - 7, 27, 500);
    buchen(1, Aktueller_Tag, 26, 700);
    buchen(2, Aktueller_Tag, 30, 90);
    k->index = 3;
    vergleichen("merging");
    EXPECT_EQ(k->buchung[1].betrag, 700 + 1200 + 981 + 411 + 33);
    EXPECT_EQ(k->buchung[3].betrag, 355);  // a new entry for this week's premiums

    // a ring full of this week's entries of another kind: the new ones take the oldest places
    for (int32_t i = 0; i < BANK_RING; ++i) buchen(i, Aktueller_Tag, 30, 1 + i);
    k->index = BANK_RING - 1;
    vergleichen("full ring");
    EXPECT_EQ(k->index, 4u);

    // a protocol hears every booking that is made
    int32_t gehoert = 0;
    static int32_t* zaehler = nullptr;
    zaehler = &gehoert;
    Bank_Set_Buchung_Protokoll([](int32_t, int32_t, int32_t, int32_t, uint8_t) { ++*zaehler; });
    Print_Fehler_Set_Hook([](const std::string&) {});
    Schreibe_Zahlungen(4, posten.data(), int32_t(posten.size()));
    Print_Fehler_Set_Hook({});
    EXPECT_EQ(gehoert, 9);
}
