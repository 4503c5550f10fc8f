// Seeded mutations of byte blocks for the robustness tests of the savegame readers and the saved
// lists: the same seed gives the same inputs on every machine.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace mutation {

using Block = std::vector<uint8_t>;

// xorshift32: the test's own sequence, apart from the game's generator.
struct Folge {
    uint32_t s;
    explicit Folge(uint32_t seed) : s(seed ? seed : 1u) {}
    uint32_t operator()()
    {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    }
    uint32_t bis(size_t n) { return n ? uint32_t((*this)() % n) : 0; }
};

// Values that sit on the edges of counts, capacities, seeds and team numbers.
inline uint32_t grenzwert(Folge& f)
{
    static constexpr uint32_t werte[] = {0,          1,          2,          23,         24,         39,
                                         40,         127,        128,        160,        161,        255,
                                         256,        1499,       1500,       3999999,    4000000,    4194304,
                                         0x7FFF,     0x8000,     0xFFFF,     0x10000,    0x7FFFFFFF, 0x80000000u,
                                         0xF0F0F0F0, 0xFFFFFFFE, 0xFFFFFFFF, 16u << 20};
    return werte[f.bis(sizeof werte / sizeof werte[0])];
}

// An offset inside a block, half of the time among its first bytes where counts and headers sit.
inline size_t stelle(Folge& f, size_t n) { return (f() & 1) && n > 64 ? f.bis(64) : f.bis(n); }

// One change to one of the blocks: a flipped bit, a byte, a 16- or 32-bit edge value, a value
// nudged by one, a cut or grown block, a block dropped, doubled or swapped with another.
inline void einmal(std::vector<Block>& bloecke, Folge& f)
{
    if (bloecke.empty()) {
        bloecke.emplace_back(f.bis(9), uint8_t(0));
        return;
    }
    Block& b = bloecke[f.bis(bloecke.size())];
    switch (f.bis(10)) {
    case 0:
        if (!b.empty()) b[stelle(f, b.size())] ^= uint8_t(1u << f.bis(8));
        break;
    case 1:
        if (!b.empty()) b[stelle(f, b.size())] = uint8_t(f());
        break;
    case 2:
    case 3:
        if (b.size() >= 4) {
            const size_t p = stelle(f, b.size() - 3) & ~size_t(3);
            const uint32_t v = grenzwert(f);
            for (int i = 0; i < 4; ++i) b[p + size_t(i)] = uint8_t(v >> (8 * i));
        }
        break;
    case 4:
        if (b.size() >= 2) {
            const size_t p = stelle(f, b.size() - 1) & ~size_t(1);
            const uint32_t v = grenzwert(f);
            b[p] = uint8_t(v);
            b[p + 1] = uint8_t(v >> 8);
        }
        break;
    case 5:
        if (b.size() >= 4) {
            const size_t p = stelle(f, b.size() - 3) & ~size_t(3);
            uint32_t v = uint32_t(b[p]) | uint32_t(b[p + 1]) << 8 | uint32_t(b[p + 2]) << 16 | uint32_t(b[p + 3]) << 24;
            v += (f() & 1) ? 1u : 0xFFFFFFFFu;
            for (int i = 0; i < 4; ++i) b[p + size_t(i)] = uint8_t(v >> (8 * i));
        }
        break;
    case 6:
        b.resize(b.empty() ? 0 : f.bis(b.size()));
        break;
    case 7:
        b.resize(b.size() + 1 + f.bis(8), uint8_t(f()));
        break;
    case 8: {
        const size_t i = f.bis(bloecke.size());
        if (f() & 1) bloecke.erase(bloecke.begin() + long(i));
        else bloecke.insert(bloecke.begin() + long(i), bloecke[i]);
        break;
    }
    default:
        std::swap(b, bloecke[f.bis(bloecke.size())]);
        break;
    }
}

// One to three changes.
inline void mutieren(std::vector<Block>& bloecke, Folge& f)
{
    const uint32_t n = 1 + f.bis(3);
    for (uint32_t i = 0; i < n; ++i) einmal(bloecke, f);
}

}  // namespace mutation
