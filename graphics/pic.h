// Picture files of the program folder (players, managers, crests).
#pragma once
#include <cstdint>

#include "graphics/grafik_bitmap.h"

// User picture number of a kind from its folder, into target (or a new bitmap) at depth 15 or
// 16; *gefunden = 1 when the file exists. Null when there is none.
Rastport* Pic_Change_Load_User_Bild(int32_t nummer, Rastport* target, int32_t depth, int32_t art,
                                    int32_t* gefunden);
// Number of ".rpb" picture files of a kind (1 players, 2 crests) in its folder.
int32_t Pic_Anzahl(int32_t art);
// Fills `nummern` with the numbers of those files (their names are numbers); returns the count.
int32_t Pic_Nummern_Ermitteln(int32_t anzahl, int32_t* nummern);
