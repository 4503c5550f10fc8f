// A stadium module on a single PC with a dozen computer clubs, bookings caught by the bank's
// hook (answer switchable) and one balance for every club.
#pragma once
#include <gtest/gtest.h>

#include "../database/db_hilfe.h"
#include "economy/bank.h"
#include "economy/stadion.h"
#include "gameflow/globals.h"
#include "gameflow/news.h"
#include "platform/zufall.h"

struct StadionTest : ::testing::Test {
    static inline bool bank_zahlt = true;
    void SetUp() override
    {
        Netz_Rolle = 0;
        Handelndes_Team = 3;
        Aktueller_Tag = 400;
        Zufall_Set_Seed(77);
        Test_Teams_Anlegen(12);
        News_Init();
        Bank_Init();
        Stadion_Init();
        bank_zahlt = true;
        Test_Bank_Beobachten(2000000);
        Bank_Set_Buchung_Beobachter([](int32_t z, int32_t e, float b, uint8_t k) {
            if (!bank_zahlt && k != 11 && k != 13 && k != 15 && k != 16 && k != 22) return false;
            Test_Buchungen.push_back({z, e, b, k});
            return true;
        });
    }
    void TearDown() override
    {
        Test_Bank_Loslassen();
        Stadion_DeInit();
        Bank_DeInit();
        News_DeInit();
        Test_Aufraeumen();
        Aktueller_Tag = 0;
    }
    // A stand or facility, ready since `seit`.
    static void setzen(Stadion_Daten& d, int32_t slot, int32_t modell, int32_t plaetze, int32_t seit = 1)
    {
        Stadion_Slot& s = d.slot[slot];
        s.modell = uint8_t(modell);
        s.plaetze = plaetze;
        s.fertig = s.bauende = seit;
        s.zustand = 100.0f;
        s.qualitaet = 100;
        s.firma = 2;
    }
    // A club with six roofed seated stands of `plaetze` at the standard price.
    static Stadion_Daten* anlegen(int32_t team, int32_t modell = 4, int32_t plaetze = 10000)
    {
        Stadion_Daten v{};
        for (int i = 0; i < STADION_TRIBUENEN; ++i) {
            setzen(v, i, modell, plaetze);
            v.preis[i] = Stadion_Eintrittspreis(team);
        }
        EXPECT_TRUE(Stadion_Neu(team, &v));
        return Stadion_Zeiger(team, 1);
    }
    static int32_t gebucht(int32_t kategorie)
    {
        int32_t n = 0;
        for (const auto& b : Test_Buchungen) n += b.kategorie == kategorie;
        return n;
    }
};
