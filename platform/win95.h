// Small operations over the operating system that the rest of the program uses instead of
// calling it itself: message pump, message box, cursor, input state, files, registry, exit.
#pragma once
#include <cstdint>

// Quit flag: 1 once the program is ending (window closed, Exit_Game).
extern uint32_t Programm_Ende;

// Modal message box with the caption "Meldung:"; the formatted text is cut to 259 characters.
// Headless: one UTF-8 line "Meldung: <text>" on standard error, acknowledged at once.
int Win95_Meldung(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Handles at most one pending window message.
void Win95_Message_Pump();

// Ends the process at once with code 0.
[[noreturn]] void Win95_Exit();

// Registry values of the installation (a text file on this system). The getters return 1 only
// when the key opened and the value could not be read, 0 otherwise; the buffer is zeroed first.
int Win95_Registry_Get_A_Value(const char* name, char* buffer, int size);
int Win95_Registry_Set_A_Value(const char* name, const char* text);
// The savegame extension (".sgv" unless the registry names another); null without the key.
const char* Win95_Registry_Get_Extension();

int Win95_File_Exists(const char* path);
uint32_t Win95_Get_File_Size(const char* path);
