// The finance pages' week sums and the bank's share of the weekly forecast.
#include "bank_hilfe.h"
#include "economy/bank_intern.h"
#include "economy/stadion.h"
#include "gameflow/kalender.h"

#include <cstring>

using BankFinanzen = BankRingTest;

TEST_F(BankFinanzen, WeeksCoverSevenDaysFromTheSeasonStartAndTheYearRunsFromDayZeroThroughToday)
{
    buchen(0, start + 6, 0x80 | 4, 100);   // week 0, last day
    buchen(1, start + 7, 0x80 | 4, 200);   // week 1, first day
    buchen(2, start + 8, 0x80 | 5, 400);   // week 1, other income
    buchen(3, start + 8, 4, -800);         // week 1, an expense of the same category
    buchen(4, Aktueller_Tag, 0x80 | 4, 1000);
    buchen(5, Aktueller_Tag + 1, 0x80 | 4, 5000);  // tomorrow's: not in the year so far
    EXPECT_FLOAT_EQ(Bank_Summe_Kategorie(3, 0, 0x80 | 4, 0), 100.0f);
    EXPECT_FLOAT_EQ(Bank_Summe_Kategorie(3, 1, 0x80 | 4, 0), 200.0f);
    EXPECT_FLOAT_EQ(Bank_Summe_Kategorie(3, 1, 0x80, 0), 600.0f);  // all income of the week
    EXPECT_FLOAT_EQ(Bank_Summe_Kategorie(3, 1, 4, 0), 800.0f);     // the expense, as a magnitude
    EXPECT_FLOAT_EQ(Bank_Summe_Kategorie(3, -1, 0x80 | 4, 0), 1300.0f);
    EXPECT_FLOAT_EQ(Bank_Summe_Kategorie(4, -1, 0x80 | 4, 0), 0.0f);  // no account
}

TEST_F(BankFinanzen, ForecastOfDepositsAndCreditsAddsEachRecordsWeeklyInterest)
{
    ASSERT_TRUE(Bank_Anlage_Einfuegen(3, Bank_Anlage{10700, 10000, uint32_t(start + 70), uint32_t(start), 5.0f}));
    ASSERT_TRUE(Bank_Anlage_Einfuegen(3, Bank_Anlage{3140, 3000, uint32_t(start + 140), uint32_t(start), 5.0f}));
    ASSERT_TRUE(Bank_Anlage_Einfuegen(3, Bank_Anlage{-21400, -20000, uint32_t(start + 700), uint32_t(start), 8.0f}));
    EXPECT_FLOAT_EQ(Bank_Prognose_Bank(3, 2), 700.0f / 70 * 7 + 140.0f / 140 * 7);
    EXPECT_FLOAT_EQ(Bank_Prognose_Bank(3, 45), 1400.0f / 700 * 7);
    EXPECT_FLOAT_EQ(Bank_Summe_Kategorie(3, 0, 0x80 | 2, 1), Bank_Prognose_Bank(3, 2));
}

TEST_F(BankFinanzen, InterestForecastFollowsTheBalancesSign)
{
    Bank.kontostand[3] = 365000;
    EXPECT_NEAR(Bank_Prognose_Bank(3, 20), 365000 * Bank_Giro_Zins / 36500 * 7, 0.01);
    EXPECT_FLOAT_EQ(Bank_Prognose_Bank(3, 21), 0.0f);
    k->kreditlinie = 100000;
    Bank.kontostand[3] = -50000;  // within the limit
    EXPECT_FLOAT_EQ(Bank_Prognose_Bank(3, 20), 0.0f);
    EXPECT_NEAR(Bank_Prognose_Bank(3, 21), 50000 * Bank_Dispo_Zins / 36500 * 7, 0.01);
    Bank.kontostand[3] = -200000;  // half beyond it: the mixed rate
    EXPECT_NEAR(Bank_Prognose_Bank(3, 21), 200000 * (Bank_Dispo_Zins + Bank_Ueberzieh_Zins) / 2 / 36500 * 7, 0.01);
    Bank.kontostand[5] = -36500;  // no account: the overdraft rate
    EXPECT_NEAR(Bank_Prognose_Bank(5, 21), Bank_Ueberzieh_Zins * 7, 0.01);
}

TEST_F(BankFinanzen, CompensationForecastSplitsTheStadiumsEstimateBySign)
{
    static int32_t schaetzung = 0;
    Stadion_Set_Dauerkarten_Abfrage([](int32_t, int32_t*, int32_t) { return schaetzung; });
    schaetzung = 5200;
    EXPECT_FLOAT_EQ(Bank_Prognose_Bank(3, 41), 1200.0f);
    EXPECT_FLOAT_EQ(Bank_Prognose_Bank(3, 42), 0.0f);
    schaetzung = -5200;
    EXPECT_FLOAT_EQ(Bank_Prognose_Bank(3, 41), 0.0f);
    EXPECT_FLOAT_EQ(Bank_Prognose_Bank(3, 42), 1200.0f);
    // the totals carry the bank's shares on their side
    EXPECT_FLOAT_EQ(Bank_Prognose_Kategorie(3, 0x80 | 41), 0.0f);
    EXPECT_GE(Bank_Prognose_Kategorie(3, 0), 1200.0f);
    Stadion_Set_Dauerkarten_Abfrage(nullptr);
}
