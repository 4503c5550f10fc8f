// The run-length packer: round trips within the bound, the stored form pinned, and damaged or
// short buffers refused without reading or writing past them.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "match/spielfeld.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes packen(const Bytes& ein)
{
    Bytes aus(Spielfeld_Packen_Grenze(uint32_t(ein.size())));
    const int32_t n = Spielfeld_Speicher_Packen(ein.data(), aus.data(), uint32_t(ein.size()), uint32_t(aus.size()));
    EXPECT_GE(n, 0);
    aus.resize(size_t(n < 0 ? 0 : n));
    return aus;
}

Bytes entpacken(const Bytes& gepackt, uint32_t kapazitaet)
{
    Bytes aus(kapazitaet);
    const int32_t n = Spielfeld_Speicher_Entpacken(aus.data(), kapazitaet, gepackt.data(), uint32_t(gepackt.size()));
    if (n < 0) return {0xDE, 0xAD};
    aus.resize(size_t(n));
    return aus;
}

// Inputs that stress the run boundaries: noise, long runs, runs of two, runs at the edges.
Bytes muster(int art, size_t n, std::mt19937& gen)
{
    Bytes b(n);
    for (size_t i = 0; i < n; ++i) {
        switch (art) {
        case 0: b[i] = uint8_t(gen()); break;
        case 1: b[i] = 0; break;
        case 2: b[i] = uint8_t(i / 2); break;
        case 3: b[i] = uint8_t((i / 131) % 2 ? gen() : 9); break;
        default: b[i] = uint8_t(gen() % 3 ? 0 : gen()); break;
        }
    }
    return b;
}

TEST(Packer, RoundTripsFromNothingToAMegabyteWithinTheBound)
{
    std::mt19937 gen(11);
    for (size_t n : {size_t(0), size_t(1), size_t(2), size_t(3), size_t(127), size_t(128), size_t(129), size_t(130),
                     size_t(131), size_t(257), size_t(25120), size_t(26380), size_t(1) << 20})
        for (int art = 0; art < 5; ++art) {
            const Bytes ein = muster(art, n, gen);
            const Bytes p = packen(ein);
            EXPECT_LE(p.size(), Spielfeld_Packen_Grenze(uint32_t(n))) << n << " " << art;
            EXPECT_EQ(entpacken(p, uint32_t(n)), ein) << n << " " << art;
        }
    // A table record's bound fits the client's receive buffer.
    EXPECT_LE(Spielfeld_Packen_Grenze(26380), 52760u);
    // A long run shrinks to two bytes per 130.
    EXPECT_EQ(packen(Bytes(1300, 5)).size(), 3u + 20u);
}

TEST(Packer, StoredFormIsPinned)
{
    const Bytes ein = {1, 2, 2, 7, 7, 7, 7, 3};
    const Bytes erwartet = {8, 0, 0, 2, 1, 2, 2, 129, 7, 0, 3};
    EXPECT_EQ(packen(ein), erwartet);
    EXPECT_EQ(packen({}), Bytes({0, 0, 0}));
    Bytes lauf(130, 0xAA);
    lauf.push_back(0xAA);
    EXPECT_EQ(packen(lauf), Bytes({131, 0, 0, 255, 0xAA, 0, 0xAA}));
}

TEST(Packer, ShortDestinationsAndDamagedStreamsFailCleanly)
{
    std::mt19937 gen(3);
    const Bytes ein = muster(3, 600, gen);
    const Bytes p = packen(ein);
    // Every capacity below the packed length is refused, before a byte is written past it.
    for (uint32_t k = 0; k < p.size(); ++k) {
        Bytes ziel(k);
        EXPECT_EQ(Spielfeld_Speicher_Packen(ein.data(), ziel.data(), uint32_t(ein.size()), k), -1) << k;
    }
    EXPECT_EQ(entpacken(p, uint32_t(ein.size()) - 1), Bytes({0xDE, 0xAD}));
    // Every truncation, and one byte too many.
    for (size_t k = 0; k < p.size(); ++k) {
        const Bytes kurz(p.begin(), p.begin() + long(k));
        EXPECT_EQ(entpacken(kurz, 600), Bytes({0xDE, 0xAD})) << k;
    }
    Bytes lang = p;
    lang.push_back(0);
    EXPECT_EQ(entpacken(lang, 600), Bytes({0xDE, 0xAD}));
    // A run that overshoots the stated length.
    EXPECT_EQ(entpacken({2, 0, 0, 130, 1}, 100), Bytes({0xDE, 0xAD}));
    EXPECT_EQ(entpacken({2, 0, 0, 2, 1, 2, 3}, 100), Bytes({0xDE, 0xAD}));
    EXPECT_EQ(Spielfeld_Speicher_Entpacken(nullptr, 10, p.data(), uint32_t(p.size())), -1);
    // Random streams: whatever they claim, nothing outside the buffers is touched.
    for (int i = 0; i < 3000; ++i) {
        Bytes zufall(gen() % 64);
        for (auto& b : zufall) b = uint8_t(gen());
        if (zufall.size() >= 3) zufall[2] = 0;
        const Bytes aus = entpacken(zufall, uint32_t(gen() % 300));
        EXPECT_LE(aus.size(), 300u);
    }
}

}  // namespace
