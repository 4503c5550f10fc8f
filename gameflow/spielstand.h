// The player's savegame choices: the file dialog, loading and saving from the menu.
#pragma once
#include <cstdint>

constexpr uint32_t SPIELSTAND_NAME_LAENGE = 260;

// The file dialog for savegames (filter "Spielstand (*.sgv)"): `speichern` picks a name to
// save under, else a file to load. `dateiname` holds SPIELSTAND_NAME_LAENGE bytes. True when a
// name was chosen.
bool Disk_Datei_Dialog(char* dateiname, bool speichern);
// Test hook: answers the dialog in its place (null removes it).
using Disk_Datei_Dialog_Hook = bool (*)(char* dateiname, bool speichern);
void Disk_Set_Datei_Dialog_Hook(Disk_Datei_Dialog_Hook hook);

// Asks for a savegame and loads it; false (the running game unchanged) when none was chosen or
// the file was refused. On a remote client nothing is loaded: the file only names a club
// (Spielstand_Client_Laden).
bool Spielstand_Laden_Auswahl();

// The club a remote client's savegame names (the club the client held when it saved); -1, with a
// German message, when the file does not read, was saved by a server or a single PC, or names no
// club.
int32_t Spielstand_Client_Verein(const char* name);
// A remote client's load: the world and the club's data are the server's, so a client's file is
// never read into the running modules; the club it names is taken when the server still offers
// it. False, with a German message and nothing changed, otherwise.
bool Spielstand_Client_Laden(const char* name);
// Saves under a new name from the dialog, or (neu false) under the running game's name; a game
// that has none yet (new and never saved) asks for one as "Speichern unter neuem Namen" does.
bool Spielstand_Speichern_Auswahl(bool neu);
// The name the running game was loaded from or last saved under ("" for a new game never saved:
// the last savegame of the registry may belong to another game). The start of a new game clears
// it, a successful load sets it.
const char* Spielstand_Name();
void Spielstand_Name_Setzen(const char* name);
