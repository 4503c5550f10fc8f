// The game's entrance: start options and the start of a game.
#pragma once
#include <cstdint>

// A start-option byte, 1 at program start; while it is not 0 the configuration reader shows its
// alias warnings.
uint8_t Eingang_Get_Start_Option_Byte();
// Refreshes the club's competition entries of the entrance screens.
void Eingang_Team_Wettbewerbe_Aktualisieren(int32_t team);

// Non-zero once a game has been started (the menu background shows slave rastport 53 until
// then).
bool Eingang_Get_Spiel_Gestartet();
// Tests answer the question in its place (null: none).
using Eingang_Spiel_Gestartet_Hook = bool (*)();
void Eingang_Set_Spiel_Gestartet_Hook(Eingang_Spiel_Gestartet_Hook hook);
