// Picture files of the program folder (players, managers, crests).
#pragma once
#include <cstdint>

// Number of ".rpb" picture files of a kind (1 players, 2 crests) in its folder.
int32_t Pic_Anzahl(int32_t art);
// Fills `nummern` with the numbers of those files (their names are numbers); returns the count.
int32_t Pic_Nummern_Ermitteln(int32_t anzahl, int32_t* nummern);
