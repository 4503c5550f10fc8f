// Player portraits composed from face parts.
#pragma once
#include <cstdint>

// Sets the player's hair colour from the hair part of his face code.
void Spieler_Gesicht_Set_Haarfarbe(int32_t spnr);
