// A new game of the generated small world, played through the main loop to its match days.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/spielfeld_spieltag.h"
#include "common/welt_ordner.h"
#include "competitions/spiele.h"
#include "competitions/wettbewerb.h"
#include "database/manager.h"
#include "database/team.h"
#include "gameflow/ablauf.h"
#include "gameflow/eingang.h"
#include "gameflow/game_main.h"
#include "gameflow/globals.h"
#include "database/db_hilfe.h"
#include "gameflow/spielstand.h"
#include "gameflow/spielstand_ordner.h"
#include "gameflow/spielstart.h"
#include "match/spielfeld.h"
#include "match/spieltag.h"
#include "platform/liste.h"
#include "platform/zufall.h"

// The small world by default; a suite may build the default world instead.
class Spieltag_Welt : public Spielstand_Ordner {
protected:
    static inline std::filesystem::path welt;
    static void SetUpTestSuite() { welt = Test_Welt_Bauen("spieltag", {"welt --world small", "wettbewerbe --world small"}); }
    static void TearDownTestSuite() { std::filesystem::remove_all(welt); }
    // Set up by SetUp unless a test starts its game itself.
    static inline bool neues_spiel = true;

    void SetUp() override
    {
        Spielstand_Ordner::SetUp();
        Game_Spielstand_Bloecke_Registrieren();
        Team_Anzahl = alte_teams;
        std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", (welt / "config_files").c_str());
        Netz_Rolle = 3;
        Spieltag_Set_Geschwindigkeit(SPIELTAG_TEMPO_START);
        // Every test plays the same game, whatever ran before it in this process.
        Zufall_Set_Seed(1999);
        // One manager, the default club.
        Eingang_Set_Start_Hook([](Eingang_Einstellungen& e, Eingang_Eingabe& m) {
            e.schwierigkeit = 2;
            m.starten = true;
        });
        if (neues_spiel) {
            ASSERT_TRUE(Spielstart_Neues_Spiel());
            // The games are followed in the background: the manager's club is not shown live.
            for (int32_t t = 0; t < Team_Anzahl; ++t)
                if (Team_Hat_Manager(t)) Team_Wert(TEAM_FLAGS, t, 8, TEAM_LOESCHEN);
        }
        // The passive manager still fills the gaps injuries and bans leave in his eleven.
        Ablauf_Set_Zug_Hook(spielfeld_spieltag::zug);
    }
    void TearDown() override
    {
        Ablauf_Set_Zug_Hook(nullptr);
        Eingang_Set_Start_Hook(nullptr);
        Disk_Set_Datei_Dialog_Hook(nullptr);
        Spieltag_DeInit();
        Spieltag_Set_Geschwindigkeit(SPIELTAG_TEMPO_START);
        for (int32_t t = 0; t < Team_Anzahl; ++t)
            if (Team_Hat_Manager(t)) Manager_Mitspieler_Killen(t);
        Spielstart_Module_Zuruecksetzen();
        Spiele_Freigeben();
        Ablauf_DeInit();
        Wettbewerb_Free();
        Test_Aufraeumen();
        alte_teams = Team_Anzahl;
        for (int pos = 1; pos <= DISK_POSITIONEN; ++pos)
            if (pos != DISK_POS_FREI) Disk_Block_Registrieren(pos, nullptr, nullptr);
        Globals_Module_Registrieren();
        Spielstand_Ordner::TearDown();
    }

    // The main loop runs until it reaches the state (a match day's state on a day with games).
    static bool bis_zustand(int32_t zustand, int32_t grenze = 400000)
    {
        for (int32_t i = 0; i < grenze; ++i) {
            if (Ablauf_Zustand == zustand) return true;
            Ablauf_Schritt();
        }
        return Ablauf_Zustand == zustand;
    }
    // The games of the running day: (competition, game) pairs in list order.
    static std::vector<std::pair<int32_t, int32_t>> spiele()
    {
        std::vector<std::pair<int32_t, int32_t>> r;
        int32_t w[64];
        const int32_t n = Spieltag_Get_Wettbewerbe(w, 64);
        for (int32_t i = 0; i < n; ++i) {
            int32_t s[SPIELTAG_TAGESLISTE];
            if (!Spieltag_Get_Spiele(w[i], s)) continue;
            for (int32_t k = 1; k <= s[0]; ++k) r.emplace_back(w[i], s[k]);
        }
        return r;
    }
};

// A suite whose tests start their games themselves, on the small world.
class Spieltag_Welt_Eigenes_Spiel : public Spieltag_Welt {
protected:
    static void SetUpTestSuite()
    {
        Spieltag_Welt::SetUpTestSuite();
        neues_spiel = false;
    }
    static void TearDownTestSuite()
    {
        Spieltag_Welt::TearDownTestSuite();
        neues_spiel = true;
    }
};
