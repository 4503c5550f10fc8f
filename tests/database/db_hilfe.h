// Small player and team databases built in memory, for the accessor and link tests.
#pragma once
#include <cstdio>
#include <cstring>
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/manager.h"
#include "database/richter.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "economy/bank.h"
#include "gameflow/globals.h"
#include "gameflow/highscore.h"
#include "gameflow/news.h"
#include "platform/liste.h"
#include "platform/mem.h"

inline void Test_Spieler_Anlegen(int32_t n)
{
    Spieler_DeInit();
    Spieler_Anzahl = n;
    uint32_t u = static_cast<uint32_t>(n);
    Spieler_Daten = static_cast<Spieler_Struktur*>(Mem_Alloc_Clear(u * sizeof(Spieler_Struktur), 0, 0));
    Spieler_Fix_Daten = static_cast<Spieler_Fix*>(Mem_Alloc_Clear(u * sizeof(Spieler_Fix), 0, 0));
    Spieler_Egal_Daten = static_cast<Spieler_Client_Egal*>(Mem_Alloc_Clear(u * sizeof(Spieler_Client_Egal), 0, 0));
    Spieler_Client_Flags = static_cast<uint8_t*>(Mem_Alloc_Clear(u, 0, 0));
    for (int32_t i = 0; i < n; ++i) {
        std::snprintf(Spieler_Fix_Daten[i].name, 20, "Spieler%d", i);
        Spieler_Fix_Daten[i].vorname[0] = 'T';
        Spieler_Fix_Daten[i].lieblingspos = 200;
        Spieler_Egal_Daten[i].angebotszaehler = -1;
        for (auto& a : Spieler_Daten[i].attribute) a = 500;
    }
}

// n teams; the last two are the transfer market and the youth team.
inline void Test_Teams_Anlegen(int32_t n)
{
    Team_Free_Arrays(true);
    uint32_t u = static_cast<uint32_t>(n) + 1;
    T = static_cast<Team_Struktur*>(Mem_Alloc_Clear(u * sizeof(Team_Struktur), 0, 0));
    T_Fix = static_cast<Team_Fix*>(Mem_Alloc_Clear(u * sizeof(Team_Fix), 0, 0));
    T_Own = static_cast<Team_Own*>(Mem_Alloc_Clear(u * sizeof(Team_Own), 0, 0));
    Team_Anzahl = Team_Anzahl_Gelesen = n;
    Transfermarkt_Team = n - 2;
    Jugend_Team = n - 1;
    Team_Heimatland = 0xFFFF;
    for (int32_t t = 0; t < n; ++t) {
        Liste_Init(&T_Fix[t].liste);
        std::snprintf(T_Fix[t].name, 24, "Team %d", t);
        for (auto& b : T_Own[t].beobachtet) b = -1;
        for (auto& z : T_Own[t].einzeltraining)
            for (auto& x : z) x = -1;
    }
    std::strcpy(T_Fix[n - 2].name, "TRANSFERMARKT");
    std::strcpy(T_Fix[n - 1].name, "JUGENDTEAM");
}

inline void Test_Aufraeumen()
{
    // The managers go with their clubs: a count left behind sends the next test's news for all
    // managers to the clubs of managers that are gone.
    Team_Free_Arrays(true);
    Manager_Anzahl = Manager_Anzahl_Netz = 0;
    Spieler_DeInit();
    Netz_Rolle = 0;
    Aktuelles_Team = -1;
}

// The stores a world test leaves behind given back: arbiter, news, competitions, managers,
// highscores, teams and players.
inline void Test_Welt_Aufraeumen()
{
    Netz_Rolle = 2;  // a client would keep its manager records
    Richter_DeInit();
    News_Init();
    Wettbewerb_Free();
    Highscore_Init();
    Test_Aufraeumen();
    Aktueller_Tag = 0;
}

// Every booking through the bank's test hook, and one balance for every club.
struct Test_Buchung {
    int32_t zahler, empfaenger;
    float betrag;
    int32_t kategorie;
};
inline std::vector<Test_Buchung> Test_Buchungen;
inline int32_t Test_Kontostand = 0;
inline void Test_Bank_Beobachten(int32_t kontostand)
{
    Test_Buchungen.clear();
    Test_Kontostand = kontostand;
    Bank_Set_Buchung_Beobachter([](int32_t z, int32_t e, float b, uint8_t k) {
        Test_Buchungen.push_back({z, e, b, k});
        return true;
    });
    Bank_Set_Kontostand_Abfrage([](int32_t, int32_t) { return Test_Kontostand; });
}
inline void Test_Bank_Loslassen()
{
    Bank_Set_Buchung_Beobachter(nullptr);
    Bank_Set_Kontostand_Abfrage(nullptr);
}

// Six teams and 100 players on a server, with links: 20 players at team 1 and 5 at team 2, and the
// arbiter ready; the world of the network tests.
inline void Test_Netz_Welt_Anlegen()
{
    Test_Teams_Anlegen(6);
    Test_Spieler_Anlegen(100);
    Netz_Rolle = 2;
    Teamspieler_Init_Listen();
    Richter_Init();
    for (int32_t p = 0; p < 20; ++p) Teamspieler_Kommt_Oder_Geht(1, 1, p, 50, 0, 24, -1, false);
    for (int32_t p = 20; p < 25; ++p) Teamspieler_Kommt_Oder_Geht(1, 2, p, 50, 0, 24, -1, false);
}
