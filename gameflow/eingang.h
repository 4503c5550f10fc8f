// The game's entrance: start options, the new-game start screen and the start of a game.
#pragma once
#include <cstdint>

// A start-option byte, 1 at program start and 0 once a game is under way; while it is not 0
// the configuration reader shows its alias warnings.
uint8_t Eingang_Get_Start_Option_Byte();
// Refreshes the club's competition entries (its league and top league from the competitions).
void Eingang_Team_Wettbewerbe_Aktualisieren(int32_t team);

// Non-zero once a game has been started (a new game or a savegame loaded); the menu background
// shows slave rastport 53 until then.
bool Eingang_Get_Spiel_Gestartet();
// Marks a game as under way (or, false, none: back to the start menu).
void Eingang_Set_Spiel_Gestartet(bool gestartet);
// Tests answer the question in its place (null: none).
using Eingang_Spiel_Gestartet_Hook = bool (*)();
void Eingang_Set_Spiel_Gestartet_Hook(Eingang_Spiel_Gestartet_Hook hook);

// The set-up values of the start screen.
struct Eingang_Einstellungen {
    int32_t konfiguration;  // configuration set
    int32_t schwierigkeit;  // 0..4
    int32_t dauerkarten;    // 1: the clubs sell season tickets
};
Eingang_Einstellungen& Eingang_Get_Einstellungen();
// The start option "with season tickets".
int32_t Eingang_Get_Dauerkarten_Option();

// What the start screen takes in: the manager's name, his club (-1: none added), his crest
// 0..11, and whether it was left with "Spiel starten" rather than "Manager hinzufügen".
struct Eingang_Eingabe {
    char name[20];
    int32_t team;
    int32_t wappen;
    bool starten;
};
// The new-game start screen: set-up values, a manager's name, his club and crest; it adds the
// manager. The options menu's "Neuer Manager" reuses it. Without a screen to draw on it takes
// the first free club of the first league and starts.
void Eingang_Start();
// The screen itself, modal: fills the values and the input; false when there is no screen.
bool Eingang_Start_Screen(Eingang_Einstellungen& einstellungen, Eingang_Eingabe& eingabe);
// Test and script hook: fills the set-up values and the input in place of the screen.
using Eingang_Start_Hook = void (*)(Eingang_Einstellungen& einstellungen, Eingang_Eingabe& eingabe);
void Eingang_Set_Start_Hook(Eingang_Start_Hook hook);
// True when the start screen was left with "Spiel starten" (not with "Manager hinzufügen").
bool Eingang_Get_Start_Bestaetigt();

// The country entries (team numbers) whose clubs play in a competition, each once, in the order
// of their lowest-numbered club; `laender` has room for Team_Anzahl entries. Returns the count.
int32_t Eingang_Liga_Icons_Bauen(int32_t* laender);
