// The training page of the player screens. Entry points only until the page lands: no player
// has an individual-training place.
#pragma once
#include <cstdint>

// Occupied individual-training places of the club.
int32_t Spieler_Training_Zaehle_Einzeltraining(int32_t team, int32_t flag);
// The training kind of the player's individual-training place, -1 none.
int32_t Spieler_Training_Get_Einzeltraining_Platz(int32_t team, int32_t spnr);
// Shows the acting club's training total (1..45) on the training page's control, when the page
// is open. Entry point until the page lands.
void Spieler_Training_Regler_Refresh(int32_t summe);
// Test hook: sees every refresh.
using Spieler_Training_Refresh_Beobachter = void (*)(int32_t summe);
void Spieler_Training_Set_Refresh_Beobachter(Spieler_Training_Refresh_Beobachter beobachter);
// Tests answer the count in its place (null: none).
using Spieler_Training_Zaehl_Hook = int32_t (*)(int32_t team);
void Spieler_Training_Set_Zaehl_Hook(Spieler_Training_Zaehl_Hook hook);
