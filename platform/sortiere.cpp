#include "platform/sortiere.h"

#include <utility>

#include "platform/zufall.h"

template <typename K>
static void quicksort(int32_t* werte, K* keys, int32_t n, bool absteigend)
{
    while (n >= 2) {
        K pivot = keys[n / 2];
        int32_t i = -1, j = n;
        for (;;) {
            if (absteigend) {
                do ++i; while (keys[i] > pivot);
                do --j; while (keys[j] < pivot);
            } else {
                do ++i; while (keys[i] < pivot);
                do --j; while (keys[j] > pivot);
            }
            if (i >= j) break;
            std::swap(keys[i], keys[j]);
            std::swap(werte[i], werte[j]);
        }
        // Recurse into the smaller part and loop over the larger, so the stack stays shallow.
        if (i < n - i) {
            quicksort(werte, keys, i, absteigend);
            werte += i;
            keys += i;
            n -= i;
        } else {
            quicksort(werte + i, keys + i, n - i, absteigend);
            n = i;
        }
    }
}

void Sortiere_Int(int32_t* werte, int32_t* keys, int32_t n, bool absteigend)
{
    if (werte && keys) quicksort(werte, keys, n, absteigend);
}

void Sortiere_Uint(int32_t* werte, uint32_t* keys, int32_t n, bool absteigend)
{
    if (werte && keys) quicksort(werte, keys, n, absteigend);
}

template <typename T>
static void mischen(T* feld, int32_t n)
{
    if (!feld) return;
    for (int32_t i = 0; i < n; ++i) std::swap(feld[i], feld[Zufall(0, n - 1)]);
}

void Mischen_Dword(int32_t* feld, int32_t n) { mischen(feld, n); }
void Mischen_Byte(uint8_t* feld, int32_t n) { mischen(feld, n); }

void Mischen_Paare(int32_t* feld, int32_t n)
{
    if (!feld) return;
    int32_t m = n / 2;
    for (int32_t i = 0; i < m; ++i) {
        int32_t j = Zufall(0, m - 1);
        std::swap(feld[2 * i], feld[2 * j]);
        std::swap(feld[2 * i + 1], feld[2 * j + 1]);
    }
}

void Swap_Float(float* a, float* b)
{
    if (a && b) std::swap(*a, *b);
}

void Swap_Byte(uint8_t* a, uint8_t* b)
{
    if (a && b) std::swap(*a, *b);
}

void Swap_Word(uint16_t* a, uint16_t* b)
{
    if (a && b) std::swap(*a, *b);
}

void Fill_Dword(uint32_t* feld, uint32_t wert, int32_t n)
{
    for (int32_t i = 0; feld && i < n; ++i) feld[i] = wert;
}

void Fill_Word(uint16_t* feld, uint16_t wert, int32_t n)
{
    for (int32_t i = 0; feld && i < n; ++i) feld[i] = wert;
}

int32_t Array_Find_Dword(const uint32_t* feld, int32_t n, uint32_t wert)
{
    for (int32_t i = 0; feld && i < n; ++i)
        if (feld[i] == wert) return i;
    return -1;
}
