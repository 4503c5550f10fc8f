// The game's random generator: seed = (seed * 16 + 167) mod 4000000, so that a sequence can be
// saved, replayed from a stored seed and reproduced on every PC of a network game.
//
// Savegame block, 12 bytes, little-endian: seed, saved seed, fixed seed (each i32).
#pragma once
#include <cstdint>

constexpr int32_t ZUFALL_MODUL = 4000000;
constexpr uint32_t ZUFALL_BLOCK_BYTES = 12;

// Advances the generator by a clock-dependent number of steps (the first draw calls it); with
// DORVIN_ZUFALL=N in the environment the number depends on N instead of the clock.
void Zufall_Init();

// The generator's state, inline in every caller: a season draws it hundreds of thousands of times.
namespace zufall_intern {
extern int32_t seed;
extern bool gesaet;
}  // namespace zufall_intern

// One step and a draw in lo..hi; meant for ranges up to 1073 values.
inline int32_t Zufall(int32_t lo, int32_t hi)
{
    using namespace zufall_intern;
    if (!gesaet) Zufall_Init();
    if (uint32_t(seed) < uint32_t(ZUFALL_MODUL)) {
        // the usual state: the step stays below 16 moduli, and x >> 22 is the quotient or one short
        const uint32_t x = uint32_t(seed) * 16u + 167u;
        uint32_t r = x - (x >> 22) * uint32_t(ZUFALL_MODUL);
        if (r >= uint32_t(ZUFALL_MODUL)) r -= uint32_t(ZUFALL_MODUL);
        seed = int32_t(r);
    } else {
        // 32-bit wrap-around as the stored sequences expect; the signed remainder keeps a
        // negative seed (set from outside) negative, as it always was.
        seed = int32_t(uint32_t(seed) * 16u + 167u) % ZUFALL_MODUL;
    }
    const uint32_t produkt = (uint32_t(hi) - uint32_t(lo) + 1u) * uint32_t(seed);
    return int32_t(uint32_t(lo) + produkt / uint32_t(ZUFALL_MODUL));
}
namespace zufall_intern {
// Zufall_Gross beyond 0..100: a negative low end or a range wider than one draw.
int32_t gross_weit(int32_t lo, int32_t hi);
}  // namespace zufall_intern
// Wide or negative ranges: built from a units and a hundreds draw. Within 0..100 it is one draw
// of Zufall, inline (the auctions draw it hundreds of thousands of times a day).
inline int32_t Zufall_Gross(int32_t lo, int32_t hi)
{
    if (lo >= 0 && hi <= 100) return Zufall(lo, hi);
    return zufall_intern::gross_weit(lo, hi);
}
int32_t Zufall_2(int32_t lo, int32_t hi);
void Zufall_Set_Seed(int32_t seed);
int32_t Zufall_Get_Seed();
// Push switches to the fixed seed for a stretch of draws that must repeat; pop returns to the
// main sequence exactly where it stood.
void Zufall_Push_Seed();
void Zufall_Pop_Seed();

// The savegame block as bytes.
void Zufall_Save_Buffer(uint8_t block[ZUFALL_BLOCK_BYTES]);
// False, taking nothing over, for a short block or a state outside 0..ZUFALL_MODUL - 1.
bool Zufall_Load_Buffer(const uint8_t* block, uint32_t laenge);

struct Disk_Datei;
void Zufall_Write_Savegame(Disk_Datei* datei);
void Zufall_Read_Savegame(Disk_Datei* datei);
