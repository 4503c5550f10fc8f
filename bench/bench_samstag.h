// The default world's first Saturday with games, reached once per process through the main
// loop, and a way to play all its games in the background.
#pragma once
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>

#include "bench_welt.h"
#include "competitions/spiele.h"
#include "database/team.h"
#include "gameflow/ablauf.h"
#include "gameflow/eingang.h"
#include "gameflow/game_main.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "gameflow/spielstart.h"
#include "match/spieltag.h"
#include "graphics/font.h"
#include "graphics/grafik_screen.h"
#include "platform/disk.h"
#include "platform/resfile.h"

namespace bench_samstag {

struct Samstag {
    int32_t ids[256] = {};
    int32_t anzahl = 0;   // competitions of the day
    int32_t spiele = 0;   // their games
};

// The running day's games, and with `tore` their goals.
inline int32_t spiele_des_tages(int32_t* tore = nullptr)
{
    int32_t w[256];
    const int32_t n = Spieltag_Get_Wettbewerbe(w, 256);
    int32_t summe = 0;
    for (int32_t i = 0; i < n; ++i) {
        int32_t s[SPIELTAG_TAGESLISTE];
        if (!Spieltag_Get_Spiele(w[i], s, SPIELTAG_TAGESLISTE)) continue;
        summe += s[0];
        for (int32_t k = 1; tore && k <= s[0]; ++k)
            if (const Spiele_Spiel* m = Spiele_Get_Spiel(s[k], 0)) *tore += m->heim_tore + m->gast_tore;
    }
    return summe;
}

// The Saturday as it stood before its first game, kept in the benchmark's savegame folder: a
// played day leaves its mark on the world (bans, injuries, form, results, the random numbers),
// and a few replays of one day on the state the last one left found the manager's club without
// a game of its own. Each replay starts from it (samstag_zurueck).
inline constexpr const char* SAMSTAG_STAND = "samstag";

// The new game, walked by the main loop to the menu round of its first Saturday with games.
// `programm` names the failure; the builder runs `schritte` (the world's steps first).
inline const Samstag& samstag(const char* programm = "spieltag",
                              std::initializer_list<const char*> schritte = {"welt", "wettbewerbe"})
{
    static Bench_Welt_Ordner daten{programm, schritte};
    static Samstag tag = [programm] {
        Samstag s;
        const std::string ordner = (daten.ordner / "spielstand").string();
        std::filesystem::create_directories(ordner);
        setenv("DORVIN_REGISTRY", (daten.ordner / "registry").c_str(), 1);
        Disk_Set_Spielstand_Ordner(ordner.c_str());
        Game_Spielstand_Bloecke_Registrieren();
        Netz_Rolle = 3;
        Eingang_Set_Start_Hook([](Eingang_Einstellungen& e, Eingang_Eingabe& m) {
            e.schwierigkeit = 2;
            m.starten = true;
        });
        if (!Spielstart_Neues_Spiel()) Bench_Scheitern(programm, "neues Spiel nicht möglich");
        // The new manager's club would be broadcast live, its games drawn frame by frame and
        // waiting for his set-piece takers: the day is measured unseen, as after "Alle
        // Übertragungen aus".
        Team_Uebertragung_Setzen(TEAM_UEBERTRAGUNG_ALLE_AUS, 0);
        Ablauf_Set_Zug_Hook([](int32_t, bool) { return -1; });
        for (int32_t i = 0; i < 2000000; ++i) {
            if (Ablauf_Zustand == ABLAUF_SPIELTAG_MENUERUNDE && Kalender_Get_Wochentag(Aktueller_Tag) == 0) break;
            Ablauf_Schritt();
        }
        if (Ablauf_Zustand != ABLAUF_SPIELTAG_MENUERUNDE) Bench_Scheitern(programm, "kein Samstag mit Spielen");
        s.anzahl = Kalender_Get_Anzahl_Spiele(-1, 1, s.ids);
        s.spiele = spiele_des_tages();
        Spieltag_DeInit();
        if (s.spiele <= 0) Bench_Scheitern(programm, "Samstag ohne Spiele");
        if (!Disk_Spielstand_Speichern(SAMSTAG_STAND)) Bench_Scheitern(programm, "Samstag nicht zu sichern");
        return s;
    }();
    return tag;
}

// The world as it stood on the Saturday before its first game (call outside the timed part).
inline const Samstag& samstag_zurueck(const char* programm = "spieltag",
                                      std::initializer_list<const char*> schritte = {"welt", "wettbewerbe"})
{
    const Samstag& s = samstag(programm, schritte);
    if (!Disk_Spielstand_Laden(SAMSTAG_STAND)) Bench_Scheitern(programm, "Samstag nicht wiederherzustellen");
    return s;
}

// The day's games from their start to the last frame; the number of frames.
inline int64_t tag_spielen(const Samstag& s)
{
    Spieltag_Init(s.ids, s.anzahl);
    Spieltag_Spiele_Anlegen();
    Spieltag_Nach_Menue_Bekannte_Daten_Eintragen(0);
    int64_t frames = 0;
    while (Spieltag_Run(0)) {
        ++frames;
        // A single PC waits for the half-time reports here; nothing is shown in this run.
        if (Ablauf_Zustand == ABLAUF_HALBZEIT) {
            Spieltag_Naechste_Halbzeit_Anpfeifen();
            Ablauf_Zustand = ABLAUF_SPIEL_LAEUFT;
        }
    }
    return frames;
}

// The resource files the builder wrote for `programm` opened, and a 640 x 480 headless screen.
inline void bildschirm_oeffnen(const char* programm)
{
    const std::filesystem::path ordner =
        std::filesystem::temp_directory_path() / ("dorvin_bench_" + std::string(programm) + "_" + std::to_string(::getpid()));
    std::snprintf(ResFile_Ordner, sizeof ResFile_Ordner, "%s/resfile", ordner.c_str());
    std::snprintf(ResFile_Daten_Praefix, sizeof ResFile_Daten_Praefix, "%s/", ordner.c_str());
    for (int i = 0; i < RESFILE_SLOTS; ++i) DeInit_ResFile(i);
    if (Init_System_Dateien() != 1) Bench_Scheitern(programm, "Ressourcen fehlen");
    if (Grafik_Screen_Init(640, 480, 16) != 1) Bench_Scheitern(programm, "kein Bildschirm");
    Grafik_Init();
}

}  // namespace bench_samstag
