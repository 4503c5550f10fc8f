// Services that other parts of the game are building now; neutral until they land.
#pragma once
#include <cstdint>

// The start menu: 0 new game, 1 load, 2 continue, 3 editor, -1 quit.
int32_t Intro_Setup();
// Global options by mode; mode 0 holds the autosave bits (0x01 weekly, 0x02 monthly).
int32_t Globale_Optionen(int32_t modus);
// File dialogs; the name buffer holds 260 bytes. 1 when a name was chosen.
int32_t Win95_Open_File_Dialog(char* dateiname, const char* beschreibung, const char* muster);
int32_t Win95_Save_File_Dialog(char* dateiname, const char* beschreibung, const char* muster);
