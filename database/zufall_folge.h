// The generator's sequence read from a table, for loops that draw hundreds of thousands of times
// a day. The generator's step seed * 16 + 167 (mod 4000000) brings every seed after two steps to
// one of the 15,625 seeds of the form 256 k + 23, and on those it runs through a single cycle of
// all of them. The table holds that cycle in order: a draw is the next entry, so that a draw no
// longer waits for the one before it, and the draws and their results are exactly the
// generator's. A seed off the cycle (the first steps after a seed was set, a negative one, an
// unsown generator) is drawn by the generator itself until it reaches the cycle.
//
// While a Zufall_Folge draws, the generator's own state stands still: call Abgeben() before
// anything that may draw through the generator and when done, and Uebernehmen() after it. A
// copy draws on from where its original stands (a loop may keep one in registers and hand it
// back by assignment).
#pragma once
#include <cstddef>
#include <cstdint>

#include "platform/zufall.h"

class Zufall_Folge {
public:
    static constexpr int32_t LAENGE = 15625;

    Zufall_Folge() { Uebernehmen(); }

    // Takes over the generator's state.
    void Uebernehmen()
    {
        zyklus_ = tabelle();
        stelle_ = stelle_von(zufall_intern::seed);
    }
    // Takes over the generator's state where `bisher` handed it back, when nothing drew since:
    // its place needs no look-up then.
    void Uebernehmen(const Zufall_Folge& bisher)
    {
        zyklus_ = tabelle();
        if (bisher.stelle_ >= 0 && zufall_intern::gesaet && zufall_intern::seed == zyklus_[bisher.stelle_])
            stelle_ = bisher.stelle_;
        else
            stelle_ = stelle_von(zufall_intern::seed);
    }
    // Takes over the generator's state after Abgeben(), where the generator has drawn once or
    // not at all since (as a routine between a loop's draws mostly does): no look-up then.
    void Nachfolgen()
    {
        if (uint64_t(stelle_) < uint64_t(LAENGE - 1) && zufall_intern::gesaet) {
            const int32_t seed = zufall_intern::seed;
            if (seed == zyklus_[stelle_ + 1]) {
                ++stelle_;
                return;
            }
            if (seed == zyklus_[stelle_]) return;
        }
        Uebernehmen();
    }
    // Hands the state back to the generator.
    void Abgeben()
    {
        if (stelle_ >= 0) zufall_intern::seed = zyklus_[stelle_];
    }

    // One step and a draw in lo..hi, as Zufall(lo, hi).
    int32_t Zufall(int32_t lo, int32_t hi)
    {
        // off the cycle (-1) and at its last seed the generator's own step is taken
        if (uint64_t(stelle_) >= uint64_t(LAENGE - 1)) {
            const Schritt s = langsam(static_cast<int32_t>(stelle_), lo, hi);
            stelle_ = s.stelle;
            return s.wert;
        }
        ++stelle_;
        const uint32_t produkt = (uint32_t(hi) - uint32_t(lo) + 1u) * uint32_t(zyklus_[stelle_]);
        return int32_t(uint32_t(lo) + produkt / uint32_t(ZUFALL_MODUL));
    }

    // As Zufall, from a place on the cycle the caller knows to lie before its last one: a loop
    // that has made sure of room for all its draws takes them without a test each.
    int32_t Zufall_Frei(int32_t lo, int32_t hi)
    {
        ++stelle_;
        const uint32_t produkt = (uint32_t(hi) - uint32_t(lo) + 1u) * uint32_t(zyklus_[stelle_]);
        return int32_t(uint32_t(lo) + produkt / uint32_t(ZUFALL_MODUL));
    }
    // Zufall_Frei where `frei`, else Zufall.
    template <bool frei>
    int32_t Ziehe(int32_t lo, int32_t hi)
    {
        if constexpr (frei) return Zufall_Frei(lo, hi);
        else return Zufall(lo, hi);
    }

    // n steps without their draws: the sequence stands where n draws would have left it.
    void Ueberspringen(int32_t n);

    // A loop that tabulates what the draws from each place of the cycle give may read them
    // from its table and step over them. The sequence's place on the cycle, -1 off it; a
    // draw from place p reads the seed at p + 1, and one from the cycle's last place leaves
    // the table for the generator's own step.
    int32_t Stelle() const { return static_cast<int32_t>(stelle_); }
    // Stelle() as an index, for a sequence on the cycle: a table by place needs no widening.
    size_t Platz() const { return static_cast<size_t>(stelle_); }
    // The draw in lo..hi that reads the seed at place p of the cycle.
    static int32_t Wert(int32_t p, int32_t lo, int32_t hi)
    {
        const uint32_t produkt = (uint32_t(hi) - uint32_t(lo) + 1u) * uint32_t(tabelle()[p]);
        return int32_t(uint32_t(lo) + produkt / uint32_t(ZUFALL_MODUL));
    }
    // n draws from a place on the cycle at least n before its last one.
    void Vor(int32_t n) { stelle_ += n; }
    // The smallest seed whose draw in lo..hi is at least w (lo < w <= hi).
    static uint32_t Saat_Ab(int32_t lo, int32_t hi, int32_t w)
    {
        const uint64_t n = uint64_t(uint32_t(hi) - uint32_t(lo) + 1u);
        return uint32_t((uint64_t(ZUFALL_MODUL) * uint64_t(uint32_t(w) - uint32_t(lo)) + n - 1) / n);
    }
    // The seed the last draw read (the sequence stands on the cycle, where Vor took it): a test
    // of a draw against a bound may test its seed against the seed the bound begins at.
    uint32_t Saat() const { return uint32_t(zyklus_[stelle_]); }
    // The last draw again, in lo..hi: the one that read the seed at the sequence's place (on
    // the cycle, where Vor took it).
    int32_t Zuletzt(int32_t lo, int32_t hi) const
    {
        const uint32_t produkt = (uint32_t(hi) - uint32_t(lo) + 1u) * uint32_t(zyklus_[stelle_]);
        return int32_t(uint32_t(lo) + produkt / uint32_t(ZUFALL_MODUL));
    }

private:
    // The routines out of line take and give the state by value, so that a sequence a loop
    // keeps never has its address taken and may stay in registers.
    struct Schritt {
        int32_t wert, stelle;
    };
    static Schritt langsam(int32_t stelle, int32_t lo, int32_t hi);
    static const int32_t* tabelle();
    static int32_t stelle_von(int32_t seed);

    const int32_t* zyklus_ = nullptr;
    // The current seed's place in the cycle, -1 off it: as wide as the pointer, so that a copy
    // kept in registers moves on by a plain addition, with no padding beside it to keep.
    int64_t stelle_ = -1;
};
