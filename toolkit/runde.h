// The checks before a manager's turn ends: an incomplete line-up, trial players who leave, a
// captain for a club that plays today, and once per game too much individual training.
#pragma once
#include <cstdint>

// 1: the turn may end; 0: it stays open.
uint8_t Menue_Runde_Beenden_Pruefen();
// A new game warns about individual training once again.
void Menue_Runde_Neues_Spiel();
