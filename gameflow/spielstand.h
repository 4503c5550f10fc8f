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
// the file was refused.
bool Spielstand_Laden_Auswahl();
// Saves under a new name from the dialog, or (neu false) under the last name when there is one.
bool Spielstand_Speichern_Auswahl(bool neu);
