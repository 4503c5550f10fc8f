// The match reports on a match day: before the kick-off, at half-time and after the games, the
// human managers' games one after the other on the line-up screen. Each is a start and a step
// that the main loop calls every frame until it returns 1; the user's back button (view mode
// 5002) moves on to the next game. Without the screen nothing is shown and every step is over.
#pragma once
#include <cstdint>

void Spielbericht_Vor_Spiel_Starten();
int32_t Spielbericht_Vor_Spiel_Schritt();
void Spielbericht_Halbzeit_Starten(int32_t zwingen);
int32_t Spielbericht_Halbzeit_Schritt();
void Spielbericht_Nach_Spiel_Starten();
int32_t Spielbericht_Nach_Spiel_Schritt();
// True while one of them shows its screen (it takes the user's input).
bool Spielbericht_Zeigt();
// True when the live match view was loaded on this match day and is still up.
bool Spielszenen_Geladen();
// Test hook: every call above is reported by its name; the steps and Spielszenen_Geladen
// answer with the hook's result (null removes it).
using Spielbericht_Hook = int32_t (*)(const char* aufruf);
void Spielbericht_Set_Hook(Spielbericht_Hook hook);
