// Match days of the generated world played through the main loop with clubs on the pitch: a new
// game, the clubs' pitch flag, the loop to a state. Shared by the pitch tool and the pitch
// benchmarks; the configuration reader must point at a world folder first.
#pragma once
#include <cstdint>
#include <cstdlib>
#include <filesystem>

#include "database/assistent.h"
#include "database/personal_anheuern.h"
#include "database/team.h"
#include "gameflow/ablauf.h"
#include "gameflow/eingang.h"
#include "gameflow/game_main.h"
#include "gameflow/globals.h"
#include "gameflow/spielstart.h"
#include "match/spieltag.h"
#include "platform/disk.h"
#include "platform/zufall.h"
#include "toolkit/requester.h"

namespace spielfeld_spieltag {

// Field 169's value that puts a club's games on the pitch without a window.
constexpr int32_t AUF_DEM_PLATZ = 16;

// The manager's turn: without a line-up assistant he fills the gaps in his eleven before his
// game himself, then ends it.
inline int32_t zug(int32_t team, bool erster)
{
    if (!erster) return -1;
    int32_t auswaerts = 0, wichtigkeit = 0;
    const int32_t gegner = Spieltag_Get_Gegner(team, &auswaerts, &wichtigkeit, nullptr, nullptr);
    if (gegner >= 0) Assi_Mannschaftsaufstellung(team, gegner, 1, auswaerts, wichtigkeit, -1, true);
    return -1;
}

// The club the next new game's manager takes; -1 the start screen's default.
inline int32_t& start_verein()
{
    static int32_t verein = -1;
    return verein;
}

// A new game on seed `seed` with one manager at `verein` (-1: the default club); savegames and
// settings go to `ordner`. False when the game does not start.
inline bool neues_spiel(const std::filesystem::path& ordner, int32_t seed, int32_t verein = -1)
{
    start_verein() = verein;
    std::error_code fehler;
    std::filesystem::create_directories(ordner / "spielstand", fehler);
    setenv("DORVIN_REGISTRY", (ordner / "registry").c_str(), 1);
    Disk_Set_Spielstand_Ordner((ordner / "spielstand").c_str());
    Game_Spielstand_Bloecke_Registrieren();
    Netz_Rolle = 3;
    Zufall_Set_Seed(seed);
    Eingang_Set_Start_Hook([](Eingang_Einstellungen& e, Eingang_Eingabe& m) {
        e.schwierigkeit = 2;
        if (start_verein() >= 0) m.team = start_verein();
        m.starten = true;
    });
    if (!Spielstart_Neues_Spiel()) return false;
    Ablauf_Set_Zug_Hook(zug);
    return true;
}

inline void auf_den_platz(int32_t team) { Team_Wert(TEAM_FLAGS, team, AUF_DEM_PLATZ, TEAM_SETZEN); }

// The manager of `team` hands a task (0 the line-up, 1 the tactics) to the first assistant who
// takes it, as on his staff screen, answering its question with yes.
inline void an_assistent(int32_t team, int32_t aufgabe)
{
    const int32_t vorher = Aktuelles_Team;
    Aktuelles_Team = team;
    Menue_Requester_Set_Anzeige([](int32_t, int32_t, const char*, const char*, const char*) -> uint8_t { return 1; });
    for (int32_t slot = 0; slot < ASSI_SLOTS && Assistent_Mit_Aufgabe(team, aufgabe) < 0; ++slot)
        Personal_Assi_Aufgabe_Wechseln(aufgabe, slot);
    Menue_Requester_Set_Anzeige(nullptr);
    Aktuelles_Team = vorher;
}

// Calls f(competition, game) for each game of the running day, in list order.
template <typename F>
void jedes_spiel(F&& f)
{
    int32_t w[256];
    const int32_t n = Spieltag_Get_Wettbewerbe(w, 256);
    for (int32_t i = 0; i < n; ++i) {
        int32_t s[SPIELTAG_TAGESLISTE];
        if (!Spieltag_Get_Spiele(w[i], s, SPIELTAG_TAGESLISTE)) continue;
        for (int32_t k = 1; k <= s[0]; ++k) f(w[i], s[k]);
    }
}

// The loop until it stands in `zustand`; false when it does not within `grenze` passes.
inline bool bis(int32_t zustand, int64_t grenze)
{
    for (int64_t i = 0; i < grenze; ++i) {
        if (Ablauf_Zustand == zustand) return true;
        Ablauf_Schritt();
    }
    return Ablauf_Zustand == zustand;
}

}  // namespace spielfeld_spieltag
