// Club events and match bonuses: eight season bonuses per club (0 title, 1 runner-up, 2
// international place, 3 staying up, 4 national cup, 5 international cup, 6 per point, 7 per win).
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

constexpr int32_t LIGEN_PRAEMIEN = 8;

// The bonus page's working copy and the amounts agreed when it was loaded (the sliders' floors).
struct Ligen_Praemien {
    int32_t wert[LIGEN_PRAEMIEN];
    int32_t vereinbart[LIGEN_PRAEMIEN];
};
extern Ligen_Praemien Ligen_Praemien_Arbeit;

// The expected amount of a bonus before the league level's scaling: shares of the base for the
// season bonuses 0..5, tier amounts (tier 0 the top, 3 and below alike) per point and per win.
int64_t Ligen_Praemie_Erwartet(int32_t praemie, int32_t stufe, int64_t basis);
// An expected amount as the proposal offers it: whole 10,000 above 100,000, whole 1,000 above
// 10,000, whole 100 above 1,000.
int32_t Ligen_Praemie_Runden(int32_t erwartet);
// Fills the working copy with the rounded expected amounts, none below its agreed amount.
void Ligen_Motivation_Praemien_Vorschlag(int32_t team);
// Reloads the working copy and the floors from the club; false (copy cleared) without block.
bool Ligen_Motivation_Praemien_Check(int32_t team);
// With `ja` the working copy becomes the club's bonuses (never lowering one); then reloads.
bool Ligen_Motivation_Praemien_Uebernehmen(int32_t team, bool ja);
// Leaving without take-over: the club's amounts back into the working copy.
void Ligen_Motivation_Praemien_Verwerfen(int32_t team);
// A slider moved: the amount, kept at or above the agreed one.
void Ligen_Motivation_Praemie_Setzen(int32_t praemie, int32_t betrag);
