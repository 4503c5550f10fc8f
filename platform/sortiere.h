// Sorting with a parallel array, shuffles driven by the game's generator, swaps and fills.
#pragma once
#include <cstdint>

// Quicksort of n keys (descending when the flag is set); every exchange is applied to the
// values array too. Not stable.
void Sortiere_Int(int32_t* werte, int32_t* keys, int32_t n, bool absteigend);
void Sortiere_Uint(int32_t* werte, uint32_t* keys, int32_t n, bool absteigend);

// One Zufall draw per position, in order, so the draws belong to the reproducible sequence.
void Mischen_Dword(int32_t* feld, int32_t n);
void Mischen_Byte(uint8_t* feld, int32_t n);
// n words as n / 2 pairs.
void Mischen_Paare(int32_t* feld, int32_t n);

void Swap_Float(float* a, float* b);
void Swap_Byte(uint8_t* a, uint8_t* b);
void Swap_Word(uint16_t* a, uint16_t* b);
void Fill_Dword(uint32_t* feld, uint32_t wert, int32_t n);
void Fill_Word(uint16_t* feld, uint16_t wert, int32_t n);
// Index of the first entry equal to wert, -1 when none.
int32_t Array_Find_Dword(const uint32_t* feld, int32_t n, uint32_t wert);
