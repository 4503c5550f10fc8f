// The table-driven sequence draws exactly what the generator draws, from any seed, across the
// end of its cycle, and hands its state back so that the generator goes on where it stopped.
#include <gtest/gtest.h>

#include <vector>

#include "database/zufall_folge.h"
#include "platform/zufall.h"

namespace {

struct Bereich {
    int32_t lo, hi;
};
constexpr Bereich BEREICHE[] = {{0, 14}, {0, 2}, {0, 100}, {0, 3}, {36, 146}, {0, 365}, {75, 99}, {-5, 5}, {0, 1072}};

std::vector<int32_t> mit_generator(int32_t seed, int32_t n)
{
    Zufall_Set_Seed(seed);
    std::vector<int32_t> r;
    for (int32_t i = 0; i < n; ++i) {
        const Bereich b = BEREICHE[i % std::size(BEREICHE)];
        const int32_t z = Zufall(b.lo, b.hi);
        r.push_back(z);
    }
    r.push_back(Zufall_Get_Seed());
    return r;
}

std::vector<int32_t> mit_folge(int32_t seed, int32_t n)
{
    Zufall_Set_Seed(seed);
    Zufall_Folge folge;
    std::vector<int32_t> r;
    for (int32_t i = 0; i < n; ++i) {
        const Bereich b = BEREICHE[i % std::size(BEREICHE)];
        const int32_t z = folge.Zufall(b.lo, b.hi);
        r.push_back(z);
    }
    folge.Abgeben();
    r.push_back(Zufall_Get_Seed());
    return r;
}

TEST(Zufall_Folge, DrawsAsTheGeneratorFromSeedsOnAndOffTheCycle)
{
    // 23 and 279 lie on the cycle, the others reach it after a step or two; a negative seed
    // and one beyond the modulus stay with the generator's own arithmetic
    for (int32_t seed : {23, 279, 0, 1, 7, 1999, 3999999, -17, 4000000, 2147483647})
        EXPECT_EQ(mit_folge(seed, 40000), mit_generator(seed, 40000)) << "seed " << seed;
}

TEST(Zufall_Folge, CopiesDrawOnAndHandBackMidwayAndTheGeneratorContinues)
{
    const std::vector<int32_t> soll = mit_generator(12345, 300);
    Zufall_Set_Seed(12345);
    Zufall_Folge folge;
    std::vector<int32_t> ist;
    for (int32_t i = 0; i < 300; ++i) {
        const Bereich b = BEREICHE[i % std::size(BEREICHE)];
        if (i % 100 == 50) {
            // another routine draws through the generator in between
            folge.Abgeben();
            const int32_t z = Zufall(b.lo, b.hi);
            ist.push_back(z);
            folge.Uebernehmen();
            continue;
        }
        Zufall_Folge kopie = folge;
        const int32_t z = kopie.Zufall(b.lo, b.hi);
        ist.push_back(z);
        folge = kopie;
    }
    folge.Abgeben();
    ist.push_back(Zufall_Get_Seed());
    EXPECT_EQ(ist, soll);
}

TEST(Zufall_Folge, ReadsTheNextDrawsByItsPlaceAndStepsOverThemAsTheDrawsWould)
{
    Zufall_Set_Seed(1999);
    Zufall_Folge folge;
    ASSERT_EQ(folge.Stelle(), -1);  // 1999 is off the cycle until its second step
    folge.Zufall(0, 1);
    folge.Zufall(0, 1);
    ASSERT_GE(folge.Stelle(), 0);
    // around the whole cycle and across its end
    for (int32_t i = 0; i < 2 * Zufall_Folge::LAENGE; ++i) {
        const Bereich b = BEREICHE[i % std::size(BEREICHE)];
        const int32_t p = folge.Stelle();
        ASSERT_GE(p, 0);
        if (p + 3 < Zufall_Folge::LAENGE) {
            const int32_t erwartet = Zufall_Folge::Wert(p + 1, b.lo, b.hi);
            Zufall_Folge gesprungen = folge;
            gesprungen.Vor(3);
            Zufall_Folge gezogen = folge;
            ASSERT_EQ(gezogen.Zufall(b.lo, b.hi), erwartet) << "place " << p;
            gezogen.Zufall(0, 9);
            gezogen.Zufall(0, 9);
            ASSERT_EQ(gesprungen.Stelle(), gezogen.Stelle());
            gesprungen.Abgeben();
            const int32_t seed = Zufall_Get_Seed();
            gezogen.Abgeben();
            ASSERT_EQ(seed, Zufall_Get_Seed());
        }
        folge.Zufall(b.lo, b.hi);
    }
}

// Without the test for the cycle's end, from every place before its last one, a draw is the
// same draw and leaves the sequence at the same place; Ziehe takes either by its flag; a draw
// stepped over is read again from where it left the sequence.
TEST(Zufall_Folge, UntestedDrawsBeforeTheCyclesLastPlaceAreTheTestedOnes)
{
    Zufall_Set_Seed(23);  // the cycle's first place
    Zufall_Folge folge;
    ASSERT_EQ(folge.Stelle(), 0);
    for (int32_t i = 0; i + 1 < Zufall_Folge::LAENGE; ++i) {
        const Bereich b = BEREICHE[i % std::size(BEREICHE)];
        Zufall_Folge frei = folge, frei_gezogen = folge, geprueft = folge, gesprungen = folge;
        const int32_t z = folge.Zufall(b.lo, b.hi);
        ASSERT_EQ(frei.Zufall_Frei(b.lo, b.hi), z) << "place " << i;
        ASSERT_EQ(frei_gezogen.Ziehe<true>(b.lo, b.hi), z) << "place " << i;
        ASSERT_EQ(geprueft.Ziehe<false>(b.lo, b.hi), z) << "place " << i;
        ASSERT_EQ(frei.Stelle(), folge.Stelle());
        ASSERT_EQ(frei_gezogen.Stelle(), folge.Stelle());
        // stepped over, the draw is read again where it left the sequence
        gesprungen.Vor(1);
        ASSERT_EQ(gesprungen.Zuletzt(b.lo, b.hi), z) << "place " << i;
    }
    // from the last place the tested draw takes the generator's step, back to the first
    ASSERT_EQ(folge.Stelle(), Zufall_Folge::LAENGE - 1);
    folge.Ziehe<false>(0, 1);
    EXPECT_EQ(folge.Stelle(), 0);
}

// Taking the generator over where a sequence handed it back finds the same place as a look-up,
// whether something drew in between or not, across the cycle's end and off the cycle.
TEST(Zufall_Folge, TakesOverFromWhereItHandedBackOrFromWhereTheGeneratorStands)
{
    for (int32_t seed : {23, 1999, -17}) {
        Zufall_Set_Seed(seed);
        Zufall_Folge bisher;
        for (int32_t i = 0; i < 2 * Zufall_Folge::LAENGE + 5; i += 7) {
            for (int32_t k = 0; k < 7; ++k) bisher.Zufall(0, 9);
            bisher.Abgeben();
            if (i % 3 == 0) Zufall(0, 1);  // another routine draws in between
            Zufall_Folge nachgesehen;
            Zufall_Folge folge = bisher;
            folge.Uebernehmen(bisher);
            ASSERT_EQ(folge.Stelle(), nachgesehen.Stelle()) << "seed " << seed << " step " << i;
            bisher = folge;
        }
    }
}

// After a routine drew through the generator in between (mostly once, at times not at all or
// more often, or set a seed off the cycle), following on finds the place a look-up finds: across
// the cycle's end, from its last place and off it.
TEST(Zufall_Folge, FollowsTheGeneratorAfterNoneOneOrMoreOfItsDraws)
{
    constexpr int32_t DAZWISCHEN[] = {1, 0, 1, 2, 1, 7};
    auto pruefen = [](Zufall_Folge& folge, int32_t dazwischen) {
        folge.Abgeben();
        for (int32_t k = 0; k < dazwischen; ++k) Zufall(0, 9);
        folge.Nachfolgen();
        ASSERT_EQ(folge.Stelle(), Zufall_Folge().Stelle()) << "after " << dazwischen;
    };
    for (int32_t seed : {23, 1999, -17, 4000000}) {
        SCOPED_TRACE(seed);
        Zufall_Set_Seed(seed);
        Zufall_Folge folge;
        for (int32_t i = 0; i < 2 * Zufall_Folge::LAENGE + 10; ++i) {
            for (int32_t k = 0; k < i % 3; ++k) folge.Zufall(0, 100);
            if (i % 5000 == 4999) Zufall_Set_Seed(1999);
            pruefen(folge, DAZWISCHEN[i % std::size(DAZWISCHEN)]);
            if (HasFatalFailure()) return;
        }
    }
    // from the cycle's last place: the generator's step takes it back to the first
    for (int32_t dazwischen : {0, 1, 2}) {
        Zufall_Set_Seed(23);
        Zufall_Folge folge;
        folge.Ueberspringen(Zufall_Folge::LAENGE - 1);
        ASSERT_EQ(folge.Stelle(), Zufall_Folge::LAENGE - 1);
        pruefen(folge, dazwischen);
    }
}

// A draw's test against a bound and the test of the seed it read against the seed the bound
// begins at agree for every seed of the cycle.
TEST(Zufall_Folge, ADrawReachesABoundExactlyFromTheSeedTheBoundBeginsAt)
{
    for (const Bereich b : {Bereich{0, 365}, Bereich{0, 100}, Bereich{36, 146}, Bereich{-5, 5}}) {
        for (int32_t w = b.lo + 1; w <= b.hi; w += 7) {
            const uint32_t ab = Zufall_Folge::Saat_Ab(b.lo, b.hi, w);
            Zufall_Set_Seed(23);  // the cycle's first place
            Zufall_Folge folge;
            for (int32_t i = 0; i + 1 < Zufall_Folge::LAENGE; ++i) {
                const int32_t z = folge.Zufall(b.lo, b.hi);
                ASSERT_EQ(z >= w, folge.Saat() >= ab) << "range " << b.lo << ".." << b.hi << " bound " << w << " place " << i;
            }
        }
    }
}

}  // namespace

namespace {

// Skipping n steps leaves the generator where n draws leave it, from a seed off the cycle too.
TEST(Zufall_Folge, SkippingStandsWhereTheDrawsWouldStand)
{
    for (int32_t seed : {1000, 4999, 23, -3})
        for (int32_t n : {0, 1, 2, 153, Zufall_Folge::LAENGE - 1, Zufall_Folge::LAENGE + 7}) {
            Zufall_Set_Seed(seed);
            for (int32_t i = 0; i < n; ++i) {
                const int32_t z = Zufall(90, 110);
                (void)z;
            }
            const int32_t soll = Zufall_Get_Seed();
            Zufall_Set_Seed(seed);
            Zufall_Folge folge;
            folge.Ueberspringen(n);
            folge.Abgeben();
            EXPECT_EQ(Zufall_Get_Seed(), soll) << "seed " << seed << ", " << n << " Schritte";
        }
}

}  // namespace
