#include "database/zufall_folge.h"

namespace {

struct Zyklus {
    int32_t seed[Zufall_Folge::LAENGE];
    int16_t stelle[Zufall_Folge::LAENGE];  // by k of the seed 256 k + 23
    Zyklus()
    {
        // the generator's own step, from a seed on the cycle
        int32_t s = 23;
        for (int32_t i = 0; i < Zufall_Folge::LAENGE; ++i) {
            seed[i] = s;
            stelle[(s - 23) / 256] = static_cast<int16_t>(i);
            s = static_cast<int32_t>((int64_t(s) * 16 + 167) % ZUFALL_MODUL);
        }
    }
};

const Zyklus& zyklus()
{
    static const Zyklus z;
    return z;
}

}  // namespace

const int32_t* Zufall_Folge::tabelle() { return zyklus().seed; }

// The place of a seed on the cycle, -1 off it.
int32_t Zufall_Folge::stelle_von(int32_t seed)
{
    if (!zufall_intern::gesaet || seed < 0 || seed >= ZUFALL_MODUL || seed % 256 != 23) return -1;
    return zyklus().stelle[(seed - 23) / 256];
}

Zufall_Folge::Schritt Zufall_Folge::langsam(int32_t stelle, int32_t lo, int32_t hi)
{
    if (stelle >= 0) zufall_intern::seed = tabelle()[stelle];
    const int32_t wert = ::Zufall(lo, hi);
    return {wert, stelle_von(zufall_intern::seed)};
}

void Zufall_Folge::Ueberspringen(int32_t n)
{
    for (; n > 0 && stelle_ < 0; --n) stelle_ = langsam(static_cast<int32_t>(stelle_), 0, 0).stelle;
    if (n > 0) stelle_ = (stelle_ + n) % LAENGE;
}
