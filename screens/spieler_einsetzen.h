// The line-up and tactics screen.
#pragma once
#include <cstdint>

// Applies the acting club's line-up tactics when a manager's turn begins.
void Spieler_Einsetzen_Taktik_Anwenden(int32_t modus);
