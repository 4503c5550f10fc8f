// Club events and match bonuses. Entry points only until the economy screens land: a promised
// bonus motivates nobody yet.
#pragma once
#include <cstdint>

// Rates a promised bonus of kind 0..7 and amount (DM) against the club's situation: 0 or more.
// With salary flag set the base is the squad's mean salary. The expected amount goes to
// *erwartet when given.
int32_t Ligen_Motivation_Bewerte_Praemie(int32_t team, int32_t praemie, int32_t betrag, int32_t gehalt,
                                         int32_t* erwartet);

// Test hook: answers in place of the rating.
using Ligen_Praemie_Bewertung = int32_t (*)(int32_t team, int32_t praemie, int32_t betrag);
void Ligen_Set_Praemie_Bewertung(Ligen_Praemie_Bewertung bewertung);
