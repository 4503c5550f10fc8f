// The finance pages' week toggles, rows and panel, and the investment page's buttons.
#include <cstring>

#include "bank_hilfe.h"
#include "economy/bank_finanzen.h"
#include "economy/bank_intern.h"
#include "gameflow/kalender.h"

using BankSeiten = BankRingTest;

TEST_F(BankSeiten, TogglesExcludeEachOtherAndRestoreTheChosenWeek)
{
    Bank_Finanz_Zustand z;
    const int32_t aktuell = Bank_Finanz_Aktuelle_Woche();
    ASSERT_GE(aktuell, 3);
    Bank_Finanz_Woche_Waehlen(&z, aktuell + 5);
    EXPECT_EQ(z.woche, aktuell);  // no week after the current one
    Bank_Finanz_Woche_Waehlen(&z, 2);
    Bank_Finanz_Prognose_Schalten(&z, true);
    EXPECT_EQ(z.woche, -1);
    Bank_Finanz_Woche_Waehlen(&z, 1);  // the list is off meanwhile
    EXPECT_EQ(z.woche, -1);
    Bank_Finanz_Jahr_Schalten(&z, true);  // takes over from the forecast
    EXPECT_FALSE(z.prognose);
    EXPECT_TRUE(z.jahr);
    Bank_Finanz_Jahr_Schalten(&z, false);
    EXPECT_EQ(z.woche, 2);
    Bank_Finanz_Prognose_Schalten(&z, true);
    Bank_Finanz_Prognose_Schalten(&z, false);
    EXPECT_EQ(z.woche, 2);
    EXPECT_EQ(Bank_Finanz_Wochenliste().size(), size_t(aktuell + 1));
    const std::string letzte = Bank_Finanz_Wochenliste().back(), ende = "0" + std::to_string(aktuell + 1) + ".Woche";
    EXPECT_EQ(letzte.substr(letzte.size() - ende.size()), ende);
}

TEST_F(BankSeiten, RowsAddTheirPackedCategoriesOnTheirSide)
{
    buchen(0, start + 14, 0x80 | 40, 300);  // prizes
    buchen(1, start + 15, 0x80 | 36, 200);  // donations, same row
    buchen(2, start + 15, 22, -50);         // fine
    buchen(3, start + 15, 40, -999);        // an expense of category 40 is not in the income row
    Bank_Finanz_Zustand z;
    z.woche = 2;
    EXPECT_FLOAT_EQ(Bank_Finanz_Zeile(3, 0, 10, z), 500.0f);
    EXPECT_FLOAT_EQ(Bank_Finanz_Zeile(3, 0, 11, z), 50.0f);
    z.woche = 1;
    EXPECT_FLOAT_EQ(Bank_Finanz_Zeile(3, 0, 10, z), 0.0f);
    const auto zeilen = Bank_Finanz_Zeilen(3, z);
    ASSERT_EQ(zeilen.size(), 8u);  // heading and seven lines
    EXPECT_NE(zeilen[6].find("Preise u. Spenden"), std::string::npos);
    k->steuergewinn = 600000;
    const auto panel = Bank_Finanz_Panel(3, 0, z);
    // the page button's panel names each row's amounts, as the page does
    ASSERT_EQ(panel.size(), 9u);
    EXPECT_NE(panel[6].find("Preise u. Spenden"), std::string::npos) << panel[6];
    EXPECT_NE(panel[6].find("Strafen"), std::string::npos) << panel[6];
    EXPECT_NE(panel[1].find("Zinsen für Girokonto"), std::string::npos) << panel[1];
    EXPECT_NE(panel.back().find("Steuerrelevanter Gewinn:"), std::string::npos);
    EXPECT_NE(panel.back().find(Bank_Betrag_String(Bank_Steuer_Berechnen(600000), 3, -1, 0)), std::string::npos);
    EXPECT_NE(panel.back().find(std::string("fällige Steuern: ") + Bank_Betrag_String(Bank_Steuer_Berechnen(600000), 3, -1, 0)),
              std::string::npos)
        << "the amount stands apart from its label";
    float saldo[52];
    Bank_Finanz_Saison(3, saldo);
    EXPECT_FLOAT_EQ(saldo[2], 500.0f - 50.0f - 999.0f);
}

TEST_F(BankSeiten, ButtonsAskForAnAmountAndExplainRefusedTrades)
{
    EXPECT_FALSE(Bank_Anlegen_Knopf(3));
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_NE(meldungen[0].find("anlegen"), std::string::npos);
    EXPECT_FALSE(Bank_Kredit_Knopf(3, -1));
    EXPECT_NE(meldungen.back().find("leihen"), std::string::npos);
    Bank_Aktie_Waehlen(0, 3);
    EXPECT_FALSE(Bank_Aktien_Knopf(3, 10, true));
    EXPECT_EQ(meldungen.back().rfind("So viele Aktien der im Monitor eingestellten Firma besitzen Sie nicht.", 0), 0u);
    EXPECT_FALSE(Bank_Aktien_Knopf(3, Bank_Aktien_Limit[0] + 1, false));
    EXPECT_NE(meldungen.back().find(std::to_string(Bank_Aktien_Limit[0]) + " Aktien pro Firma"), std::string::npos);
    EXPECT_FALSE(Bank_Aktien_Knopf(3, 0, false));
    EXPECT_EQ(meldungen.back(), "Sie sollten zunächst die gewünschte Anzahl mit der Wippe rechts einstellen.");
    // an amount and yes: the deposit is made
    Bank_Wippe_Betrag = 100000;
    antwort = 1;
    EXPECT_TRUE(Bank_Anlegen_Knopf(3));
    void* cursor = nullptr;
    const Bank_Anlage* a = Bank_Naechste_Anlage(3, &cursor);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->betrag, 100000);
    // the bank's credit question prints one percent sign
    Bank_Wippe_Betrag = 1000;
    antwort = 0;
    EXPECT_FALSE(Bank_Kredit_Knopf(3, -1));
    const std::string& frage = meldungen.back();
    EXPECT_EQ(frage.rfind("Möchten Sie einen Kredit", 0), 0u) << frage;
    EXPECT_NE(frage.find(" %\r"), std::string::npos);
    EXPECT_EQ(frage.find("%%"), std::string::npos);
}

// A big club's row passes 16.7 million (2^24), where a float no longer holds every whole DM: the
// row, the page's figure and the panel's balance keep the odd mark.
TEST_F(BankSeiten, ARowAboveSixteenMillionKeepsEveryMark)
{
    buchen(0, start + 14, 0x80 | 40, 16000001);  // prizes
    buchen(1, start + 15, 0x80 | 36, 777216);    // donations, same row
    Bank_Finanz_Zustand z;
    z.woche = 2;
    EXPECT_EQ(Bank_Finanz_Zeile(3, 0, 10, z), 16777217.0);
    const std::string betrag = Bank_Betrag_String(16777217.0, 3, -1, 0);
    ASSERT_NE(betrag, Bank_Betrag_String(16777216.0, 3, -1, 0));
    const auto zeilen = Bank_Finanz_Zeilen(3, z);
    ASSERT_EQ(zeilen.size(), 8u);
    EXPECT_NE(zeilen[6].find(betrag), std::string::npos) << zeilen[6];
    const auto panel = Bank_Finanz_Panel(3, 0, z);
    ASSERT_EQ(panel.size(), 9u);
    EXPECT_NE(panel[6].find(betrag), std::string::npos) << panel[6];
}
