// Substitutions on the pitch: the two lists per side (coming on +21772, going off +21786), their
// execution at the next restart, and the assistant's automatic choice.
#pragma once
#include <cstdint>

#include "match/spielfeld.h"

// Bit of the state word: the player has been substituted out.
constexpr uint32_t SPIELFELD_AUSGEWECHSELT = 0x100000;

// The slot stands as the player to go off (or to come on) in either side's list.
bool Spielfeld_Wechsel_Ist_Aus(const Spielfeld_Record* r, int32_t slot);
bool Spielfeld_Wechsel_Ist_Ein(const Spielfeld_Record* r, int32_t slot);
// Carries out the queued substitutions of both sides (restart pass).
void Spielfeld_Wechsel_Ausfuehren(Spielfeld_Record* r);
// The side's assistant queues one pair: plan 0..4 orders the thirds tried (0 defence on, attack
// off; 2 a drawn order); aus the player to go off, -1 to choose.
void Spielfeld_Auto_Auswechslung(Spielfeld_Record* r, int32_t seite, int32_t plan, int32_t aus);
// Puts the player at once on his seat on the bench (written to x, y when not null).
void Spielfeld_Bank_Position(Spielfeld_Record* r, int32_t slot, Spielfeld_Objekt* o, float* x, float* y);
