// The player comparison screen. Entry points only until the screen lands.
#pragma once
#include <cstdint>

// Assigns the club's cups to the screen's cup buttons.
void Spieler_Spielervergleich_Pokale_Den_Icons_Zuordnen(int32_t team);
// Test hook: sees every assignment.
using Spielervergleich_Pokale_Beobachter = void (*)(int32_t team);
void Spielervergleich_Set_Pokale_Beobachter(Spielervergleich_Pokale_Beobachter beobachter);
