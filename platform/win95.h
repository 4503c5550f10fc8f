// Small operations over the operating system that the rest of the program uses instead of
// calling it itself: message pump, message box, cursor, input state, files, registry, exit.
#pragma once
#include <atomic>
#include <cstdint>

// Quit flag: 1 once the program is ending (window closed, Exit_Game).
extern uint32_t Programm_Ende;

// Modal message box with the caption "Meldung:"; the formatted text is cut to 259 characters.
// Headless: one UTF-8 line "Meldung: <text>" on standard error, acknowledged at once.
int Win95_Meldung(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Handles at most one pending window message.
void Win95_Message_Pump();
uint32_t Win95_Sleep(uint32_t ms);

// The input words that the window procedure writes and the program polls.
struct Win95_Eingabe_Worte {
    int32_t taste = -1;    // virtual-key code of the last key down, -1 none
    int32_t shift = -1;    // Shift state at that key down (negative while held), -1 after key up
    int32_t taste_3 = -1;  // third key word, only reset
    int32_t rad = 0;       // wheel: -1 a step up (away from the hand), +1 down
    uint32_t doppelklick = 0;
    std::atomic<uint32_t> aktiv{0};  // application active; the timer thread reads it
};
extern Win95_Eingabe_Worte Win95_Eingabe;

int32_t Win95_Get_Cursor_X();
int32_t Win95_Get_Cursor_Y();
// 1 left button down, else 2 right button down, else 0.
int Win95_Maustasten();

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
