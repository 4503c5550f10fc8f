// Player generation routines that the periodic jobs and the market fill call; neutral until the
// generation module provides them.
#pragma once
#include <cstdint>

struct Team_Transfersuche;

// A young player in the old record of spnr; false when none was made.
bool Spieler_Setze_Alten_Sack_Neu(int32_t spnr);
// New talents of the player.
void Spieler_Setze_Talent_Neu(int32_t spnr);
// Remakes the player to fit search slot `slot` of `suche`; with team not -1 he becomes the slot's
// wanted player, with flag 1 he is marked new.
bool Spieler_Erschaffe_Passenden_Gesuchten_Spieler(int32_t team, int32_t spnr, Team_Transfersuche* suche,
                                                   int32_t slot, int32_t flag);
