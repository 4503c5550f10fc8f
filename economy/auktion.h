// Player auctions. Entry point only until the auction screen lands: the best offer wins.
#pragma once
#include <cstdint>

struct Spieler_Angebot;

// Holds the auction of the player of `verein` among the n offers (best first); the index of the
// winning offer, or -1 when nobody got him. `fortschritt`: a progress box is open.
int32_t Auktion_Durchfuehren(int32_t spnr, int32_t verein, int32_t n, int32_t fortschritt, Spieler_Angebot* angebote);

// Test hook: answers in place of the auction.
using Auktion_Abfrage = int32_t (*)(int32_t spnr, int32_t verein, int32_t n, const Spieler_Angebot* angebote);
void Auktion_Set_Abfrage(Auktion_Abfrage abfrage);
