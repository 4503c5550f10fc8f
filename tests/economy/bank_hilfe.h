// A fresh bank on a single PC for the bank's tests, with the manager's messages caught.
#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "database/manager.h"
#include "economy/bank.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "gameflow/team_requester.h"
#include "platform/zufall.h"

// A zeroed manager record that marks a club as human-run without the manager module's set-up.
inline Manager_Struktur* Test_Manager_Schein()
{
    alignas(Manager_Struktur) static uint8_t schein[sizeof(Manager_Struktur)] = {};
    return reinterpret_cast<Manager_Struktur*>(schein);
}

struct BankTest : ::testing::Test {
    static inline std::vector<std::string> meldungen;
    static inline uint8_t antwort = 1;
    void SetUp() override
    {
        meldungen.clear();
        antwort = 1;
        Netz_Rolle = 0;
        Aktuelles_Team = -1;
        Handelndes_Team = 0;
        Schwierigkeitsstufe = 2;
        Aktueller_Tag = 100;
        Zufall_Set_Seed(1234);
        Team_Requester_Set_Anzeige([](int32_t, int32_t, const char* text) {
            meldungen.emplace_back(text);
            return antwort;
        });
        Bank_Init();
    }
    void TearDown() override
    {
        Team_Requester_Set_Anzeige(nullptr);
        Bank_Set_Buchung_Protokoll(nullptr);
        Bank_Set_Fernaufruf(nullptr);
        Bank_DeInit();
        Netz_Rolle = 0;
        Aktuelles_Team = -1;
        Aktueller_Tag = 0;
    }
    static int32_t stand(int32_t team) { return Bank_Get_Kontostand(team, 0, -1); }
};

// Club 3 with an account of 1,000,000 DM and an empty booking ring on day 400, a season under way.
struct BankRingTest : BankTest {
    Bank_Konto* k = nullptr;
    int32_t start = 0;
    void SetUp() override
    {
        BankTest::SetUp();
        Aktueller_Tag = 400;
        ASSERT_TRUE(Bank_Konto_Einrichten(3, 1000000, 0));
        k = Bank_Get_Konto(3);
        ASSERT_NE(k, nullptr);
        std::memset(k->buchung, 0, sizeof k->buchung);
        start = Kalender_Get_Saisonstart();
        Bank_Wippe_Betrag = 0;
        Bank_Wippe_Laufzeit = 0;
    }
    void buchen(int32_t i, int32_t tag, uint8_t kategorie, int32_t betrag)
    {
        k->buchung[i] = Buchung{betrag, uint32_t(tag), kategorie, {}};
    }
};
