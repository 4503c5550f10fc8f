// Input polling beside the start-up routines: a key or a click, a typed character, the mouse
// buttons that let waiting loops end once the program quits, a bounded string copy.
#pragma once
#include <cstdint>

// The last mouse button that counted as input: 0 none, 1 left, 2 right.
extern int32_t Eingabe_Letzte_Maustaste;

// Fetches the pending key code; letters come back lower case unless the shift word is -1.
int32_t Taste_Get_Zeichen();
// The mouse buttons; while the program quits: 2 on four of every six calls, else 0.
int Maus_Get_Tasten_Quit();
// True when a key is pending or (with mouse) a button is down.
bool Eingabe_Taste_Oder_Maus(bool mit_maus);
// The next typed character, 0 when none; while the program quits: "?" on two of every four.
int32_t Eingabe_Get_Zeichen();
// Copies up to n characters and a terminator (dst needs n + 1 bytes); returns the terminator.
char* String_Copy_Max(char* dst, const char* src, int n);
void Sys_Leer_Hook();
// Restarts the quit cycles (tests).
void Eingabe_Reset();
