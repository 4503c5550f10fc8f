// The exchange monitor's price table and holdings rows.
#include <cstdio>

#include "bank_hilfe.h"
#include "economy/bank_monitor.h"

TEST_F(BankTest, PriceTableSplitsCentsAndNamesTheEmptyClubExchange)
{
    Boerse& b = Bank_Boerse[0];
    b.kurs[1] = 12.997f;  // rounds to 13,00, never to 12,100
    for (int32_t i = 0; i < 30; ++i) b.verlauf[1][i] = 10.0f + float(i) * 0.25f;
    const auto v = Bank_Kurse_Zeilen(0);
    ASSERT_GE(v.size(), 2u);
    EXPECT_EQ(v[0].rfind("^c00000^tl0085Kurs", 0), 0u) << v[0];
    const std::string& z = v[1];
    EXPECT_EQ(z.rfind(b.firma[1], 0), 0u) << z;
    EXPECT_NE(z.find("^tr009513,^tl009400"), std::string::npos) << z;
    EXPECT_NE(z.find("^tr014517,^tl014400"), std::string::npos) << z;  // the day before: slot 28
    EXPECT_NE(z.find("^tr019517,^tl019425"), std::string::npos) << z;  // maximum
    EXPECT_NE(z.find("^tr024510,^tl024400"), std::string::npos) << z;  // minimum
    for (auto& name : Bank_Boerse[2].firma) name[0] = 0;
    const auto leer = Bank_Kurse_Zeilen(2);
    ASSERT_EQ(leer.size(), 2u);
    EXPECT_EQ(leer[1], "   Noch hat kein Team den Gang an die Börse angetreten.");
    EXPECT_TRUE(Bank_Kurse_Zeilen(3).empty());
}

TEST_F(BankTest, HoldingsRowsOrTheEmptyLine)
{
    ASSERT_TRUE(Bank_Konto_Einrichten(3, 10000000, 0));
    EXPECT_EQ(Bank_Aktien_Zeilen(3, 0), std::vector<std::string>{"(keine Aktien vorhanden)"});
    ASSERT_TRUE(Bank_Aktien_Handel(3, 40, 0, 2));
    const auto v = Bank_Aktien_Zeilen(3, 0);
    ASSERT_EQ(v.size(), 1u);
    EXPECT_NE(v[0].find("^tr006340^y0003^tl0038" + std::string(Bank_Boerse[0].firma[2])), std::string::npos) << v[0];
    EXPECT_NE(v[0].find("Kauf:"), std::string::npos);
    EXPECT_EQ(Bank_Aktien_Zeilen(3, 1), std::vector<std::string>{"(keine Aktien vorhanden)"});
}

TEST_F(BankTest, RatesPanelHasItsLabelsAndOneValuePerLine)
{
    const Bank_Zinsen_Tafel t = Bank_Zinsen_Zeilen();
    EXPECT_EQ(t.beschriftung.size(), 18u);
    ASSERT_EQ(t.werte.size(), size_t(BANK_LAUFZEITEN + BANK_BOERSEN + 1 + 3));
    for (const std::string& w : t.werte) EXPECT_EQ(w.find("%%"), std::string::npos) << w;
    char erwartet[80];
    std::snprintf(erwartet, sizeof erwartet, "^tl0055%2.1f%%^tr0106%1.1f%%", double(Bank_Anlage_Zins[0]),
                  double(Bank_Kredit_Zins[0]));
    EXPECT_NE(t.werte[0].find(erwartet), std::string::npos) << t.werte[0];
}

TEST_F(BankTest, WealthPanelSharesOfTheWealthAndNoDivisionByZero)
{
    ASSERT_TRUE(Bank_Konto_Einrichten(3, 600000, 0));
    ASSERT_TRUE(Bank_Betrag_Anlegen(3, -1, 200000.0f, 12, 1, -1.0f));
    const auto v = Bank_Vermoegen_Zeilen(3);
    ASSERT_EQ(v.size(), 9u);
    EXPECT_NE(v[2].find("(33.3%)"), std::string::npos) << v[2];  // 200,000 of 600,000
    EXPECT_NE(v[4].find("(0.0%)"), std::string::npos) << v[4];
    ASSERT_TRUE(Bank_Konto_Einrichten(4, 0, 0));
    for (const std::string& z : Bank_Vermoegen_Zeilen(4)) EXPECT_EQ(z.find("nan"), std::string::npos) << z;
}

TEST_F(BankTest, PanelLinesOpenWithZeroPaddedColourAndFontCodes)
{
    // the codes take their argument as five and four plain decimal digits
    for (const std::string& w : Bank_Zinsen_Zeilen().werte) EXPECT_EQ(w.rfind("^c00000^t", 0), 0u) << w;
    ASSERT_TRUE(Bank_Konto_Einrichten(3, 10000000, 0));
    for (const std::string& w : Bank_Vermoegen_Zeilen(3)) EXPECT_EQ(w.rfind("^c00000", 0), 0u) << w;
    ASSERT_TRUE(Bank_Aktien_Handel(3, 40, 0, 2));
    const auto v = Bank_Aktien_Zeilen(3, 0);
    ASSERT_EQ(v.size(), 1u);
    EXPECT_EQ(v[0].rfind("^y0000^tr006340^y0003^tl0038", 0), 0u) << v[0];
    EXPECT_NE(v[0].find("^y0000^c00000^tl0118Kauf:^tr0256"), std::string::npos) << v[0];
    const auto k = Bank_Kurse_Zeilen(0);
    ASSERT_GE(k.size(), 2u);
    EXPECT_NE(k[1].find("^y0003^fb0006^tr0095"), std::string::npos) << k[1];
}
