// The training page of the player screens. Entry points only until the page lands: no player
// has an individual-training place.
#pragma once
#include <cstdint>

// Occupied individual-training places of the club.
int32_t Spieler_Training_Zaehle_Einzeltraining(int32_t team, int32_t flag);
// The training kind of the player's individual-training place, -1 none.
int32_t Spieler_Training_Get_Einzeltraining_Platz(int32_t team, int32_t spnr);
