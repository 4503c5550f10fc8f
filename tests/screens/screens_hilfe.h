// A small world for the player screens: club 1 with a human manager (acting), club 2 its opponent
// and shown club, club 3 another club, then the transfer market and the youth team. Club 1 has
// goalkeepers 0 and 1 and field players 2..21; club 2 goalkeeper 30 and field players 31..45;
// club 3 players 50..59; players 100..299 have no club. All are 25. Every message box is recorded
// and answered from a queue (yes when empty).
#pragma once
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "database/db_hilfe.h"
#include "database/manager.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "gameflow/highscore.h"
#include "toolkit/requester.h"

namespace screens_test {

inline std::vector<std::string> meldungen;
inline std::deque<uint8_t> antworten;

inline uint8_t requester(int32_t, int32_t, const char* text, const char*, const char*)
{
    meldungen.push_back(text ? text : "");
    if (antworten.empty()) return 1;
    const uint8_t a = antworten.front();
    antworten.pop_front();
    return a;
}

inline bool gemeldet(const std::string& teil)
{
    for (const auto& m : meldungen)
        if (m.find(teil) != std::string::npos) return true;
    return false;
}

constexpr int32_t EIGEN = 1, GEGNER = 2, ANDERE = 3;

// Field player at a favourite cell (its row picks the line).
inline void feldspieler(int32_t p, int32_t zelle = 8 * 17 + 8) { Spieler_Fix_Daten[p].lieblingspos = int16_t(zelle); }
inline void torwart(int32_t p) { Spieler_Fix_Daten[p].lieblingspos = 459; }

inline void aufnehmen(int32_t team, int32_t p) { ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, team, p, 10, 0, 24, -1, false)); }

inline uint32_t flags(int32_t team, int32_t p) { return uint32_t(Teamspieler_Wert(317, team, p, 0, 0)); }

struct Welt : ::testing::Test {
    void SetUp() override
    {
        meldungen.clear();
        antworten.clear();
        Test_Teams_Anlegen(6);
        Test_Spieler_Anlegen(300);
        Netz_Rolle = 3;
        Manager_Anzahl = 0;
        Highscore_Init();
        Teamspieler_Init_Listen();
        Menue_Requester_Set_Anzeige(requester);
        for (int32_t p = 0; p < 300; ++p) {
            feldspieler(p);
            Spieler_Daten[p].alter = 25;
        }
        torwart(0);
        torwart(1);
        torwart(30);
        for (int32_t p = 0; p < 22; ++p) aufnehmen(EIGEN, p);
        for (int32_t p = 30; p < 46; ++p) aufnehmen(GEGNER, p);
        for (int32_t p = 50; p < 60; ++p) aufnehmen(ANDERE, p);
        Manager_Neuer_Mitspieler(EIGEN, "Test");
        Aktuelles_Team = EIGEN;
        Handelndes_Team = EIGEN;
        Gegner_Team = GEGNER;
        Anzeige_Gegner_Team = GEGNER;
    }
    void TearDown() override
    {
        Menue_Requester_Set_Anzeige(nullptr);
        Netz_Rolle = 0;
        Gegner_Team = Anzeige_Gegner_Team = -1;
        Handelndes_Team = 0;
        Test_Aufraeumen();
        Manager_Anzahl = 0;
        Highscore_Init();
    }
    // Players 2..n+1 on the pitch at distinct cells, each with a valid room of 3 x 3 around it.
    static void elf(int32_t feldspieler_anzahl, bool mit_torwart = true)
    {
        for (int32_t k = 0; k < feldspieler_anzahl; ++k) {
            const int32_t p = 2 + k;
            const int32_t z = 3 + 2 * (k % 10), s = 2 + (k / 10) * 6;
            platzieren(EIGEN, p, z, s);
        }
        if (mit_torwart) {
            Teamspieler_Wert(317, EIGEN, 0, TS_STARTELF, 8);
            Teamspieler_Wert(310, EIGEN, 0, 459, 1);
        }
    }
    static void platzieren(int32_t team, int32_t p, int32_t z, int32_t s)
    {
        Teamspieler_Wert(317, team, p, TS_STARTELF, 8);
        Teamspieler_Wert(310, team, p, z * 17 + s, 1);
        Teamspieler_Wert(311, team, p, (z - 1) * 17 + s - 1, 1);
        Teamspieler_Wert(312, team, p, (z + 1) * 17 + s + 1, 1);
        Teamspieler_Wert(313, team, p, (z - 1) * 17 + s, 1);
        Teamspieler_Wert(314, team, p, (z + 1) * 17 + s, 1);
    }
    static int32_t zelle(int32_t team, int32_t p, int32_t feld = 310) { return Teamspieler_Wert(feld, team, p, 0, 0); }
};

}  // namespace screens_test
