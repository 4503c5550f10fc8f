// Setting up a game: the world of a configuration set, a new game with its managers, loading
// a savegame, and the game from the start menu to the end of the main loop.
#pragma once
#include <cstdint>

// Resets the game's modules for a game that has not begun.
void Spielstart_Module_Zuruecksetzen();
// Reads the teams, the players and the competitions of a configuration set; false with a
// message when one of them cannot be read.
bool Spielstart_Welt_Laden(int32_t konfiguration);
// The screens of the menu's groups (staff, club, team): a remote client, which reads no world of
// its own, opens them as well.
void Spielstart_Schirme_Registrieren();
// A new game in its fixed order: world, fixtures, schedule, squads, the start screen (which adds
// the managers), then the bank's and the stadiums' start. False, with the reason shown, when the
// game cannot begin.
bool Spielstart_Neues_Spiel();
// A human manager takes over a club, in a new game or later ("Neuer Manager"): his record and
// staff, his club's account with its credit limit, its first contracts and its cup buttons.
bool Spielstart_Manager_Hinzufuegen(int32_t team, const char* name);
// Loads a savegame (the world is read first when no game runs). False when the name is empty or
// the file is refused; the running game then stays as it was.
bool Spielstart_Laden(const char* name);
// The savegame named on the command line (the first word that is not an option), "" none.
const char* Spielstart_Kommandozeile_Spielstand(const char* kommandozeile, char* name, uint32_t groesse);
