// A generated world for a new game of the program, and taking down what the game set up, so
// that the next test starts clean.
#pragma once
#include <filesystem>
#include <initializer_list>

#include "common/welt_ordner.h"
#include "gameflow/game_main.h"

#include "competitions/spiele.h"
#include "competitions/statistik.h"
#include "competitions/wettbewerb.h"
#include "database/db_hilfe.h"
#include "database/manager.h"
#include "gameflow/ablauf.h"
#include "gameflow/globals.h"
#include "gameflow/spielstand.h"
#include "gameflow/spielstart.h"
#include "platform/disk.h"
#include "platform/exit.h"

// Builds the world with the data builder's steps; the game plays as a server with its own
// client. A savegame holds the random numbers too: without them a loaded season would draw
// differently from the uninterrupted one.
inline std::filesystem::path Neues_Spiel_Welt_Bauen(const char* name, std::initializer_list<const char*> schritte,
                                                    int32_t alte_teams)
{
    Game_Spielstand_Bloecke_Registrieren();
    Team_Anzahl = alte_teams;
    const std::filesystem::path welt = Test_Welt_Bauen(name, schritte);
    Wettbewerb_Disk_Registrieren();
    Netz_Rolle = 3;
    return welt;
}

inline void Neues_Spiel_Abbauen(const std::filesystem::path& welt, int32_t& alte_teams)
{
    Disk_Set_Datei_Dialog_Hook(nullptr);
    for (int32_t t = 0; t < Team_Anzahl; ++t)
        if (Team_Hat_Manager(t)) Manager_Mitspieler_Killen(t);
    Spielstart_Module_Zuruecksetzen();
    Spiele_Freigeben();
    Statistik_Deinit();
    Ablauf_DeInit();
    // The reset starts the bank afresh; bank, stadiums, sponsors and camps go as at the game's end.
    DeInit_Game();
    Wettbewerb_Free();
    Test_Aufraeumen();
    Server_Team = -1;
    std::filesystem::remove_all(welt);
    alte_teams = Team_Anzahl;
    // The world's modules registered their savegame blocks; the other tests save without them.
    for (int pos = 1; pos <= DISK_POSITIONEN; ++pos)
        if (pos != DISK_POS_FREI) Disk_Block_Registrieren(pos, nullptr, nullptr);
    Globals_Module_Registrieren();
}
