// The checks before a manager's turn ends (line-up, trial players, captain, training).
#pragma once
#include <cstdint>

// 1: the turn may end; 0: it stays open.
uint8_t Menue_Runde_Beenden_Pruefen();
