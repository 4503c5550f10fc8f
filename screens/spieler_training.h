// The training page of the player screens. Entry points only until the page lands: no player
// has an individual-training place.
#pragma once
#include <cstdint>

// Occupied individual-training places of the club.
int32_t Spieler_Training_Zaehle_Einzeltraining(int32_t team, int32_t flag);
// The training kind of the player's individual-training place, -1 none.
int32_t Spieler_Training_Get_Einzeltraining_Platz(int32_t team, int32_t spnr);
// Tests answer the count in its place (null: none).
using Spieler_Training_Zaehl_Hook = int32_t (*)(int32_t team);
void Spieler_Training_Set_Zaehl_Hook(Spieler_Training_Zaehl_Hook hook);
