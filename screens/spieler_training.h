// The training page of the player screens: the individual-training grid (team field 806, 17
// kinds by 3 places) as the line-up screen and the daily training read it.
#pragma once
#include <cstdint>

constexpr int32_t SPIELER_TRAININGSARTEN = 17;  // kinds 0..13 field players, 14..16 goalkeepers

// The name of a training kind ("" for another number).
const char* Spieler_Training_Art_Name(int32_t art);
// Occupied individual-training places of the club: kinds 0..13 with the flag set, else 14..16.
int32_t Spieler_Training_Zaehle_Einzeltraining(int32_t team, int32_t flag);
// The training kind of the player's individual-training place, -1 none.
int32_t Spieler_Training_Get_Einzeltraining_Platz(int32_t team, int32_t spnr);
// Shows the acting club's training total (1..45) on the training page's control, when the page
// is open.
void Spieler_Training_Regler_Refresh(int32_t summe);
// Test hook: sees every refresh.
using Spieler_Training_Refresh_Beobachter = void (*)(int32_t summe);
void Spieler_Training_Set_Refresh_Beobachter(Spieler_Training_Refresh_Beobachter beobachter);
// Tests answer the count in its place (null: the grid counts).
using Spieler_Training_Zaehl_Hook = int32_t (*)(int32_t team);
void Spieler_Training_Set_Zaehl_Hook(Spieler_Training_Zaehl_Hook hook);
