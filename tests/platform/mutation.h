// Deterministic damage for the readers' robustness tests: every input is derived from one good
// byte image by a fixed-seed generator, so a failure names a case that can be replayed.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

struct Mutation_Feld {
    size_t offset;
    int breite;  // 1, 2 or 4 bytes, little-endian
};

inline uint32_t mutation_lesen(const std::vector<uint8_t>& b, const Mutation_Feld& f)
{
    uint32_t v = 0;
    for (int i = 0; i < f.breite; ++i) v |= uint32_t(b[f.offset + size_t(i)]) << (8 * i);
    return v;
}

inline void mutation_setzen(std::vector<uint8_t>& b, const Mutation_Feld& f, uint32_t v)
{
    for (int i = 0; i < f.breite; ++i) b[f.offset + size_t(i)] = uint8_t(v >> (8 * i));
}

// Runs `pruefe(bytes, name)` on
//   - the image cut at `schnitte` points spread over its length (and at every byte of the first 64),
//   - every length field set to the edge values of its width and to values near the image's size,
//   - `zufaellige` images with 1-4 flipped bits or a run of up to 8 random bytes.
// Returns the number of inputs.
template <class Pruefe>
int Mutationen(const std::vector<uint8_t>& gut, const std::vector<Mutation_Feld>& felder, uint32_t seed,
               int schnitte, int zufaellige, Pruefe pruefe)
{
    int n = 0;
    std::vector<size_t> cuts;
    for (size_t c = 0; c < std::min<size_t>(64, gut.size()); ++c) cuts.push_back(c);
    for (int i = 0; i < schnitte; ++i) cuts.push_back(gut.size() * size_t(i) / size_t(schnitte));
    cuts.push_back(gut.size() - 1);
    for (size_t c : cuts) {
        pruefe(std::vector<uint8_t>(gut.begin(), gut.begin() + long(c)), "cut " + std::to_string(c));
        ++n;
    }

    const uint32_t groesse = uint32_t(gut.size());
    for (const Mutation_Feld& f : felder) {
        if (f.offset + size_t(f.breite) > gut.size()) continue;
        uint32_t alt = mutation_lesen(gut, f);
        uint32_t top = f.breite == 4 ? 0xFFFFFFFFu : (1u << (8 * f.breite)) - 1;
        std::vector<uint32_t> werte = {0, 1, 2, 3, alt + 1, alt - 1, alt * 2, top, top / 2, top / 2 + 1,
                                       groesse, groesse - uint32_t(f.offset), groesse + 1, 0x10000, 0x8000,
                                       0x7FFF};
        for (uint32_t v : werte) {
            v &= top;
            if (v == alt) continue;
            std::vector<uint8_t> b = gut;
            mutation_setzen(b, f, v);
            pruefe(b, "field @" + std::to_string(f.offset) + " = " + std::to_string(v));
            ++n;
        }
    }

    std::mt19937 rng(seed);
    for (int k = 0; k < zufaellige; ++k) {
        std::vector<uint8_t> b = gut;
        uint32_t art = rng() % 2;
        if (art == 0) {
            uint32_t flips = 1 + rng() % 4;
            for (uint32_t i = 0; i < flips; ++i) {
                size_t at = rng() % b.size();
                uint32_t bit = rng() % 8;
                b[at] ^= uint8_t(1u << bit);
            }
        } else {
            size_t at = rng() % b.size();
            size_t len = 1 + rng() % 8;
            for (size_t i = at; i < std::min(b.size(), at + len); ++i) b[i] = uint8_t(rng());
        }
        pruefe(b, "random " + std::to_string(k));
        ++n;
    }
    return n;
}
