// The generated small world on a single PC with two human managers in the top league: sponsors
// and camps ready, bookings caught by the bank's hook, requesters and news caught as texts.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../database/db_hilfe.h"
#include "database/assistent.h"
#include "database/manager.h"
#include "economy/trainingslager.h"
#include "economy/werbung.h"
#include "economy/werbung_intern.h"
#include "gameflow/kalender.h"
#include "gameflow/team_requester.h"
#include "platform/zufall.h"
#include "toolkit/requester.h"
#include "welt_hilfe.h"

struct WerbungTest : ::testing::Test {
    std::filesystem::path ordner;
    int32_t manager[2] = {-1, -1};
    int32_t computer = -1;
    static inline std::vector<std::string> requester;
    static inline uint8_t antwort = 1;

    void SetUp() override
    {
        Netz_Rolle = 0;
        Aktueller_Tag = 0;
        Schwierigkeitsstufe = 2;
        // no match days of a season an earlier test played in this process
        Kalender_Spielplan_Leeren();
        Zufall_Set_Seed(321);
        ordner = std::filesystem::temp_directory_path() / ("dorvin_werbung_" + std::to_string(::getpid()));
        ASSERT_NO_FATAL_FAILURE(Test_Welt_Laden(ordner, "--world small"));
        Richter_Init();
        Highscore_Init();
        for (int32_t t = 0; t < Team_Anzahl && computer < 0; ++t) {
            // top-league clubs outside the international competitions: their reputation is known
            if (Wettbewerb_Get_Liga_Niveau(t) != 100 || Werbung_International(t)) continue;
            if (manager[0] < 0) manager[0] = t;
            else if (manager[1] < 0) manager[1] = t;
            else computer = t;
        }
        ASSERT_GE(computer, 0);
        for (int32_t m : manager) Manager_Neuer_Mitspieler(m, "Test");
        Test_Bank_Beobachten(5000000);
        requester.clear();
        antwort = 1;
        Team_Requester_Set_Anzeige([](int32_t, int32_t, const char* text) {
            requester.emplace_back(text);
            return antwort;
        });
        // Questions with answers of their own come through the message box itself.
        Menue_Requester_Set_Anzeige([](int32_t, int32_t, const char* text, const char*, const char*) {
            requester.emplace_back(text ? text : "");
            return antwort;
        });
        Werbung_Init();
        Trainingslager_Init();
    }
    void TearDown() override
    {
        Team_Requester_Set_Anzeige(nullptr);
        Menue_Requester_Set_Anzeige(nullptr);
        Werbung_Set_Fernaufruf(nullptr);
        Trainingslager_Set_Fernaufruf(nullptr);
        Test_Bank_Loslassen();
        Werbung_DeInit();
        Trainingslager_DeInit();
        Test_Welt_Aufraeumen();
        Schwierigkeitsstufe = 2;
        std::filesystem::remove_all(ordner);
    }

    // The texts of every stored news message for the club.
    static std::vector<std::string> nachrichten(int32_t team)
    {
        std::vector<std::string> v;
        for (int32_t i = 0; i < NEWS_MAX; ++i)
            if (const News_Nachricht* n = News_Get_Nachricht(i); n && (n->team == team || n->team == -1))
                v.emplace_back(n->text);
        return v;
    }
    static bool enthaelt(const std::vector<std::string>& texte, const std::string& teil)
    {
        for (const std::string& t : texte)
            if (t.find(teil) != std::string::npos) return true;
        return false;
    }
    // An advertising assistant (slot 2) for the club.
    static void assistent_geben(int32_t team)
    {
        auto* b = static_cast<uint8_t*>(Team_Zeiger(811, team, nullptr, 0));
        b[2] = 1;
        b[ASSI_OFFSET_AUFGABEN + ASSI_AUFGABEN * 2 + 4] = 1;
    }
    // A sponsor that will sign in the category: offers, a low minimum image.
    static void angebot(int32_t s, int32_t k, uint8_t anzahl = 5, float monate = 12)
    {
        Werbepartner_Tabelle[s].angebote[k] = anzahl;
        Werbepartner_Tabelle[s].min_image = 0;
        Werbepartner_Tabelle[s].laufzeit[k] = monate;
        Werbepartner_Tabelle[s].preis[k] = 50000;
    }
    static Werbung_Team_Daten daten(int32_t team)
    {
        Werbung_Team_Daten d{};
        EXPECT_TRUE(Werbung_Team_Holen(team, &d));
        return d;
    }
    static std::vector<uint8_t> Werbung_Team_Bytes(int32_t team)
    {
        const auto* b = static_cast<const uint8_t*>(Team_Zeiger(304, team, nullptr, 0));
        return std::vector<uint8_t>(b, b + WERBUNG_TEAM_BYTES);
    }
    static int32_t summe(int32_t kategorie)
    {
        int32_t n = 0;
        for (const Test_Buchung& b : Test_Buchungen)
            if (b.kategorie == kategorie) n += int32_t(b.betrag);
        return n;
    }
};
