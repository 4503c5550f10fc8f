// The bank's daily, monthly and yearly jobs.
#include <cmath>
#include <cstring>
#include <string>

#include "../database/db_hilfe.h"
#include "bank_hilfe.h"
#include "database/manager.h"

struct BankJobsTest : BankTest {
    void SetUp() override
    {
        BankTest::SetUp();
        Test_Teams_Anlegen(10);
    }
    void TearDown() override
    {
        Test_Aufraeumen();
        Server_Team = -1;
        Stand_Alone_Server = 0;
        BankTest::TearDown();
    }
    static int32_t gewinn_buchen(int32_t team, int32_t gewinn)
    {
        EXPECT_TRUE(Bank_Konto_Einrichten(team, 5000000, 0));
        EXPECT_TRUE(Schreibe_Überweisung(-1, team, float(gewinn), 30, 1, -1));
        return stand(team);
    }
};

TEST_F(BankJobsTest, TaxesWithTheIllegalCutAndTheLossRefund)
{
    Netz_Rolle = 3;
    Server_Team = 1;
    const int32_t a = gewinn_buchen(1, 600000), b = gewinn_buchen(2, 600000), c = gewinn_buchen(3, 500000);
    Bank_Steuern();
    EXPECT_EQ(stand(1), a - 20000);
    EXPECT_EQ(Bank_Get_Konto(1)->hinterziehung, 1);
    EXPECT_EQ(Bank_Get_Konto(1)->letzte_steuer, 20000);
    ASSERT_EQ(meldungen.size(), 2u);  // only the local manager is asked and told
    EXPECT_EQ(stand(2), b - 40000);
    EXPECT_EQ(Bank_Get_Konto(2)->hinterziehung, 0);
    EXPECT_EQ(stand(3), c);
    EXPECT_EQ(Bank_Get_Steuergewinn(2), 0);
    for (const Buchung& x : Bank_Get_Konto(2)->buchung) EXPECT_EQ(x.betrag, 0);

    // a loss after a tax year: the whole last tax back, or only the difference
    Schreibe_Überweisung(2, -1, 100000.0f, 31, 1, -1);
    Bank_Get_Konto(3)->letzte_steuer = 40000;
    Schreibe_Überweisung(3, -1, 50000.0f, 31, 1, -1);
    const int32_t b2 = stand(2), c2 = stand(3);
    Bank_Steuern();
    EXPECT_EQ(stand(2), b2 + 40000);
    EXPECT_EQ(stand(3), c2 + 20000);
    EXPECT_EQ(Bank_Get_Konto(2)->letzte_steuer, 0);
    EXPECT_EQ(Bank_Get_Konto(1)->hinterziehung, 0);
}

TEST_F(BankJobsTest, DailyInterestRatesCapsAndGifts)
{
    Bank_Dispo_Zins = 3.0f;
    Bank_Ueberzieh_Zins = 12.0f;
    ASSERT_TRUE(Bank_Konto_Einrichten(1, -1500000, 0));
    Bank_Set_Kreditlinie(1, 1000000.0f, 0);
    // a third beyond the limit: a third of the way to the higher rate
    const double satz = 3.0 * 2.0 / 3.0 + 12.0 / 3.0;
    ASSERT_TRUE(Bank_Konto_Einrichten(2, 700000000, 0));
    Bank_Konto_Einrichten(4, -36500, 0);
    Bank_Konto_Loeschen(4);  // a club without account has no line: all its debt bears the higher rate, booked
    static int32_t ohne_konto;
    ohne_konto = 0;
    Bank_Set_Buchung_Protokoll([](int32_t z, int32_t, int32_t ab, int32_t, uint8_t k) {
        if (z == 4 && k == 21) ohne_konto = ab;
    });
    Bank_Faelligkeiten_Tag();
    EXPECT_EQ(stand(1), -1500000 - int32_t(std::floor(1500000.0 * satz / 36500.0 + 0.5)));
    const double rest = 80000000.0;
    EXPECT_EQ(stand(2), int32_t(rest + std::floor((double(Bank_Giro_Zins) / 365.0 + 100.0) * rest * 0.01 - rest + 0.5)));
    EXPECT_EQ(ohne_konto, 12);
    EXPECT_EQ(stand(4), -36512);

    Schwierigkeitsstufe = 0;
    ASSERT_TRUE(Bank_Konto_Einrichten(3, 0, 0));
    Bank_Faelligkeiten_Tag();
    EXPECT_EQ(stand(3), 10000000);
}

TEST_F(BankJobsTest, NothingChangesOnAClientOrUninitialised)
{
    ASSERT_TRUE(Bank_Konto_Einrichten(1, -100000, 0));
    ASSERT_TRUE(Bank_Konto_Einrichten(2, 600000, 0));
    Schreibe_Überweisung(-1, 2, 900000.0f, 30, 1, -1);
    const std::vector<uint8_t> vorher = Bank_Block_Bauen();
    Netz_Rolle = 1;
    Bank_Boerse_Tag();
    Bank_Faelligkeiten_Tag();
    Bank_Dauerkarten_Ausgleich();
    Bank_Steuern();
    Bank_Neues_Spiel();
    EXPECT_EQ(Bank_Block_Bauen(), vorher);
    Netz_Rolle = 0;
    Bank_DeInit();
    Bank_Boerse_Tag();
    Bank_Steuern();
    EXPECT_EQ(stand(1), -1000000000);
}
