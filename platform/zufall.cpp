#include "platform/zufall.h"
#include "platform/bytes.h"

#include <cstdlib>
#include <ctime>

namespace zufall_intern {
int32_t seed = 0;
bool gesaet = false;
}  // namespace zufall_intern
using zufall_intern::seed;
using zufall_intern::gesaet;
static int32_t gemerkter_seed = 0;
static int32_t fester_seed = 0;

int32_t Zufall_2(int32_t lo, int32_t hi) { return Zufall(lo, hi); }

int32_t zufall_intern::gross_weit(int32_t lo, int32_t hi)
{
    int32_t shift = 0;
    if (lo < 0) {
        hi -= lo;
        shift = -lo;
        lo = 0;
    }
    int32_t r;
    if (hi <= 100) r = Zufall(lo, hi);
    else if (hi - lo < 100) r = lo + Zufall(0, hi - lo);
    else
        do {
            int32_t einer = Zufall(0, 99);
            r = einer + 100 * Zufall(lo / 100, hi / 100);
        } while (r < lo || r > hi);
    return r - shift;
}

// The clock starts the sequence; DORVIN_ZUFALL=N starts it from N instead, so that a test that
// plays the whole program meets the same world and the same matches on every run.
static unsigned start_wert()
{
    if (const char* v = std::getenv("DORVIN_ZUFALL"); v && *v) return unsigned(std::strtoul(v, nullptr, 10));
    return unsigned(std::time(nullptr));
}

void Zufall_Init()
{
    gesaet = true;
    std::srand(start_wert());
    int32_t v = std::rand() % 32768;
    int32_t n = 100 + v * 200 / 32768;
    for (int32_t i = 0; i < n; ++i) Zufall(0, 3);
    gemerkter_seed = seed;
}

// A seed set from outside counts as sown: the first draw must not replace it by a time-based one.
void Zufall_Set_Seed(int32_t s)
{
    seed = s;
    gesaet = true;
}
int32_t Zufall_Get_Seed() { return seed; }

void Zufall_Push_Seed()
{
    gemerkter_seed = seed;
    seed = fester_seed;
}

void Zufall_Pop_Seed() { seed = gemerkter_seed; }

static void put_i32(uint8_t* p, int32_t v) { Bytes_Setze32(p, uint32_t(v)); }
static int32_t get_i32(const uint8_t* p) { return int32_t(Bytes_Hole32(p)); }

void Zufall_Save_Buffer(uint8_t block[ZUFALL_BLOCK_BYTES])
{
    put_i32(block, seed);
    put_i32(block + 4, gemerkter_seed);
    put_i32(block + 8, fester_seed);
}

bool Zufall_Load_Buffer(const uint8_t* block, uint32_t laenge)
{
    if (!block || laenge < ZUFALL_BLOCK_BYTES) return false;
    const int32_t s[3] = {get_i32(block), get_i32(block + 4), get_i32(block + 8)};
    for (int32_t w : s)
        if (w < 0 || w >= ZUFALL_MODUL) return false;
    seed = s[0];
    gemerkter_seed = s[1];
    fester_seed = s[2];
    return true;
}
