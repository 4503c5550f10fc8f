// Small operations over the operating system that the rest of the program uses instead of
// calling it itself: message pump, message box, cursor, input state, files, console, exit.
#pragma once
#include <cstdint>

// Modal message box with the caption "Meldung:"; the formatted text is cut to 259 characters.
// Headless: one UTF-8 line "Meldung: <text>" on standard error, acknowledged at once.
int Win95_Meldung(const char* format, ...) __attribute__((format(printf, 1, 2)));
