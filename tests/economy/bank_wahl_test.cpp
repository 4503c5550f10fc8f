// Choosing a firm in the share list, and the help texts of the credit and deposit rows.
#include <vector>

#include "../database/db_hilfe.h"
#include "bank_hilfe.h"
#include "economy/bank_intern.h"
#include "gameflow/kalender.h"

namespace {

std::vector<int32_t> anfragen;

}  // namespace

TEST_F(BankTest, ChoosingAFirmMovesTheExchangeButtonsTheFirmAndTheCountsLimit)
{
    Test_Teams_Anlegen(4);
    Manager_Struktur* m = Test_Manager_Schein();
    T_Fix[1].manager = m;
    Aktuelles_Team = 1;
    m->icons.status[2010] = 1;
    Bank_Aktie_Waehlen(2, 5);
    EXPECT_EQ(m->icons.status[2010], 0u);
    EXPECT_EQ(m->icons.status[2011], 0u);
    EXPECT_EQ(m->icons.status[2012], 1u);
    EXPECT_EQ(Bank.boerse_wahl, 2);
    EXPECT_EQ(Bank.firma_wahl, 5u);
    EXPECT_EQ(Bank_Aktien_Wippe_Maximum, 1000) << "the third exchange's limit";
    Bank_Aktie_Waehlen(0, 7);
    EXPECT_EQ(m->icons.status[2010], 1u);
    EXPECT_EQ(m->icons.status[2012], 0u);
    EXPECT_EQ(Bank_Aktien_Wippe_Maximum, 10000);

    // A firm without a name: the chart's first range and the first page.
    m->icons.status[2026] = 0;
    Bank_Boerse[1].firma[3][0] = 0;
    Bank_Aktie_Waehlen(1, 3);
    EXPECT_EQ(Bank.firma_wahl, 1u);
    EXPECT_EQ(m->icons.status[2026], 1u);

    // Outside the exchanges or firms nothing changes.
    Bank_Aktie_Waehlen(3, 1);
    Bank_Aktie_Waehlen(0, BANK_FIRMEN);
    Bank_Aktie_Waehlen(-1, 0);
    EXPECT_EQ(Bank.boerse_wahl, 1);
    EXPECT_EQ(m->icons.status[2011], 1u);

    // A client fetches the chosen exchange's prices first.
    Netz_Rolle = 1;
    anfragen.clear();
    Bank_Set_Fernaufruf([](int32_t anfrage, std::vector<uint8_t>* block) {
        anfragen.push_back(anfrage);
        block->clear();
        return int32_t(0);
    });
    Bank_Aktie_Waehlen(2, 4);
    EXPECT_EQ(anfragen, std::vector<int32_t>{BANK_GET_BOERSE});
    for (int i = 2010; i <= 2012; ++i) m->icons.status[i] = 0;
    m->icons.status[2026] = 0;
    T_Fix[1].manager = nullptr;
    Test_Aufraeumen();
}

TEST_F(BankTest, CreditAndDepositRowsCarryTheirHelpTexts)
{
    Aktuelles_Team = 4;
    Aktueller_Tag = Kalender_Get_Tagnummer(1, 8, 2001);
    ASSERT_TRUE(Bank_Konto_Einrichten(4, 500000, 0));
    std::vector<Bank_Anlagen_Zeile> z = Bank_Anlagen_Zeilen();
    ASSERT_EQ(z.size(), 1u);
    EXPECT_EQ(z[0].text, "(keine Anlagen vorhanden)");
    EXPECT_EQ(z[0].hilfe, nullptr);

    ASSERT_TRUE(Bank_Betrag_Anlegen(4, -1, 100000.0f, 3, 1, -1.0f));
    ASSERT_TRUE(Bank_Betrag_Anlegen(-1, 4, 50000.0f, 12, 0, -1.0f));
    z = Bank_Anlagen_Zeilen();
    ASSERT_EQ(z.size(), 2u);
    // In the order of their due days: the deposit first.
    EXPECT_NE(z[0].text.find("Anlage"), std::string::npos);
    EXPECT_STREQ(z[0].hilfe,
                 "Dies ist eine Anlage, die Sie eingezahlt haben.^lSie sehen das Datum, an dem die Anlage fällig wird "
                 "und^lden Betrag, den Sie dann bekommen.");
    EXPECT_NE(z[1].text.find("Kredit"), std::string::npos);
    EXPECT_STREQ(z[1].hilfe,
                 "Dies ist ein Kredit, den Sie aufgenommen haben.^lSie sehen das Datum, an dem der Kredit fällig wird "
                 "und^ldie Kreditsumme plus Zinsen.");
    EXPECT_STREQ(BANK_AKTIEN_HILFE, "Dies sind Ihre Aktien");
}
