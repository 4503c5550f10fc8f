// The line-up and tactics screen.
#pragma once
#include <cstdint>

// Applies the acting club's line-up tactics when a manager's turn begins.
void Spieler_Einsetzen_Taktik_Anwenden(int32_t modus);
// The club's line-up mode (an offset from team field 170).
int32_t Spieler_Einsetzen_Get_Modus(int32_t team);
// Proposes a line-up for the acting club.
void Spieler_Einsetzen_Aufstellung_Vorschlagen(int32_t team, int32_t modus, int32_t flags);
