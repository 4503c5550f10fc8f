#include "graphics/pixel.h"

// The per-pixel loops are written plainly for the vectoriser; the default cost model at -O2
// would leave every loop that needs a remainder or an alias check scalar.
#pragma GCC optimize("tree-vectorize", "vect-cost-model=dynamic")

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "graphics/grafik_farbe.h"
#include "graphics/grafik_screen.h"
#include "platform/asm.h"
#include "platform/display.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <emmintrin.h>
#endif

namespace {

// Channel layout of a 16-bit format. Channels are worked on in their stored units.
template <int RS, uint32_t RMAX, uint32_t GMAX>
struct Format {
    static constexpr int R_SHIFT = RS;
    static constexpr uint32_t R_MAX = RMAX, G_MAX = GMAX, B_MAX = 31;
    static constexpr uint32_t RM = RMAX << RS, GM = GMAX << 5, BM = 31;
    static uint32_t r(uint32_t p) { return (p >> RS) & RMAX; }
    static uint32_t g(uint32_t p) { return (p >> 5) & GMAX; }
    static uint32_t b(uint32_t p) { return p & 31; }
    static uint16_t pack(uint32_t r, uint32_t g, uint32_t b)
    {
        return uint16_t((r << RS) | (g << 5) | b);
    }
};
using F565 = Format<11, 31, 63>;
using F555 = Format<10, 31, 31>;

inline bool mask_bit(const uint8_t* mask, size_t n) { return (mask[n >> 3] >> (n & 7)) & 1; }
constexpr uint32_t ACHT_BITS[8] = {1, 2, 4, 8, 16, 32, 64, 128};
// The `anzahl` (1 to 8) bits from bit n on, the first in bit 0; no byte beyond the last bit
// is read.
inline uint32_t mask_bits(const uint8_t* mask, size_t n, int32_t anzahl)
{
    const uint32_t shift = uint32_t(n & 7);
    uint32_t v = mask[n >> 3];
    if (shift + uint32_t(anzahl) > 8) v |= uint32_t(mask[(n >> 3) + 1]) << 8;
    return (v >> shift) & ((1u << anzahl) - 1);
}

template <Null_Regel R>
inline uint16_t rule(uint16_t result, uint16_t source)
{
    if constexpr (R == Null_Regel::Immer) return result ? result : 1;
    else if constexpr (R == Null_Regel::Wenn_Quelle) return (result == 0 && source != 0) ? 1 : result;
    else return result;
}

// Row walk over source and destination with the variant's pixel test; op(s, d) gives the new
// destination pixel.
template <Pixel_Auswahl A, class T, class D, class Op>
void walk(const T* src, int32_t sx, int32_t sy, int32_t w, int32_t h, int32_t sw, D* dst,
          int32_t dx, int32_t dy, int32_t dw, const uint8_t* mask, Op op)
{
    if (w <= 0 || h <= 0) return;
    for (int32_t row = 0; row < h; ++row) {
        const T* s = src + size_t(sy + row) * size_t(sw) + size_t(sx);
        D* d = dst + size_t(dy + row) * size_t(dw) + size_t(dx);
        if constexpr (A == Pixel_Auswahl::Alle) {
            for (int32_t i = 0; i < w; ++i) d[i] = op(s[i], d[i]);
        } else if constexpr (A == Pixel_Auswahl::Schluessel) {
            for (int32_t i = 0; i < w; ++i) {
                D v = op(s[i], d[i]);
                d[i] = s[i] ? v : d[i];
            }
        } else {
            size_t bit = size_t(sy + row) * size_t(sw) + size_t(sx);
            int32_t i = 0;
            // Eight pixels at a time from distinct bitmaps: a group without a set bit is
            // skipped, a full one written whole, a mixed one worked out whole and its set
            // pixels taken. A bitmap on itself keeps the pixel order.
            if (static_cast<const void*>(src) != static_cast<const void*>(dst))
                for (; i + 8 <= w; i += 8) {
                    const uint32_t bits = mask_bits(mask, bit + size_t(i), 8);
                    if (bits == 0) continue;
                    if (bits == 0xFF) {
                        for (int k = 0; k < 8; ++k) d[i + k] = op(s[i + k], d[i + k]);
                        continue;
                    }
                    for (int k = 0; k < 8; ++k) {
                        const D v = op(s[i + k], d[i + k]);
                        const D m = D(0u - ((bits & ACHT_BITS[k]) != 0));
                        d[i + k] = D((v & m) | (d[i + k] & D(~m)));
                    }
                }
            if (static_cast<const void*>(src) != static_cast<const void*>(dst) && i < w) {
                // The last pixels of the row: only those whose bit is set.
                for (uint32_t rest = mask_bits(mask, bit + size_t(i), w - i); rest; rest &= rest - 1) {
                    const int32_t k = i + __builtin_ctz(rest);
                    d[k] = op(s[k], d[k]);
                }
                i = w;
            }
            for (; i < w; ++i)
                if (mask_bit(mask, bit + size_t(i))) d[i] = op(s[i], d[i]);
        }
    }
}

template <class T, class D, class Op>
void walk_any(Pixel_Auswahl a, const T* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
              int32_t sw, D* dst, int32_t dx, int32_t dy, int32_t dw, const uint8_t* mask, Op op)
{
    if (a == Pixel_Auswahl::Maske && !mask) a = Pixel_Auswahl::Schluessel;
    switch (a) {
    case Pixel_Auswahl::Alle:
        walk<Pixel_Auswahl::Alle>(src, sx, sy, w, h, sw, dst, dx, dy, dw, mask, op);
        break;
    case Pixel_Auswahl::Schluessel:
        walk<Pixel_Auswahl::Schluessel>(src, sx, sy, w, h, sw, dst, dx, dy, dw, mask, op);
        break;
    case Pixel_Auswahl::Maske:
        walk<Pixel_Auswahl::Maske>(src, sx, sy, w, h, sw, dst, dx, dy, dw, mask, op);
        break;
    }
}

// Calls f with the rule as a compile-time value, so that the loops stay branch-free.
template <class F>
void with_rule(Null_Regel r, F f)
{
    switch (r) {
    case Null_Regel::Keine: f(std::integral_constant<Null_Regel, Null_Regel::Keine>{}); break;
    case Null_Regel::Wenn_Quelle:
        f(std::integral_constant<Null_Regel, Null_Regel::Wenn_Quelle>{});
        break;
    case Null_Regel::Immer: f(std::integral_constant<Null_Regel, Null_Regel::Immer>{}); break;
    }
}

template <class F>
void with_format(int32_t format, F f)
{
    if (format == 15) f(F555{});
    else f(F565{});
}

}  // namespace

// One row of 1 to 32 pixels between distinct rows.
static void zeile_kurz(uint16_t* dst, const uint16_t* src, int32_t w)
{
    // the first and the last piece of a size overlap where the row is not a multiple of it;
    // both are read before either is written, so the pieces may share pixels
    auto stuecke = [&](auto wort) {
        using T = decltype(wort);
        const size_t n = size_t(w) * 2, k = sizeof(T);
        T a, b;
        std::memcpy(&a, src, k), std::memcpy(&b, reinterpret_cast<const uint8_t*>(src) + n - k, k);
        std::memcpy(dst, &a, k), std::memcpy(reinterpret_cast<uint8_t*>(dst) + n - k, &b, k);
    };
    struct Sechzehn {
        uint64_t a, b;
    };
    struct Zweiunddreissig {
        uint64_t a, b, c, d;
    };
    if (w >= 16) stuecke(Zweiunddreissig{});
    else if (w >= 8) stuecke(Sechzehn{});
    else if (w >= 4) stuecke(uint64_t{});
    else if (w >= 2) stuecke(uint32_t{});
    else if (w == 1) *dst = *src;
}

// How many rows ahead a copy between distinct bitmaps asks for its rows' cache lines.
constexpr int32_t VORAUS = 4;

// The cache lines of a row of w pixels, soon to be written (or only read); a hint that reads
// and writes nothing.
template <int SCHREIBEN>
static void zeile_vorholen(const uint16_t* zeile, int32_t w)
{
    const uintptr_t ende = reinterpret_cast<uintptr_t>(zeile) + uintptr_t(w) * 2 - 1;
    for (uintptr_t a = reinterpret_cast<uintptr_t>(zeile) & ~uintptr_t(63); a <= ende; a += 64)
        __builtin_prefetch(reinterpret_cast<const void*>(a), SCHREIBEN, 3);
}

int Grafik_Blit_16_Zeilen(const uint16_t* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                          int32_t sw, uint16_t* dst, int32_t dx, int32_t dy, int32_t dw)
{
    if (w <= 0 || h <= 0) return 1;
    // Whole rows of equally wide distinct bitmaps lie back to back: one block.
    if (w == sw && w == dw && src != dst) {
        std::memcpy(dst + size_t(dy) * dw, src + size_t(sy) * sw, size_t(w) * h * 2);
        return 1;
    }
    // Narrow rows of distinct bitmaps (the frame's edges beside a window, a few pixels across
    // each of hundreds of rows): each row in two overlapping moves, without a call a row.
    if (src != dst && w <= 32) {
        for (int32_t row = 0; row < h; ++row) {
            uint16_t* ziel = dst + size_t(dy + row) * dw + dx;
            if (row + VORAUS < h) zeile_vorholen<1>(ziel + size_t(VORAUS) * dw, w);
            zeile_kurz(ziel, src + size_t(sy + row) * sw + sx, w);
        }
        return 1;
    }
    // Wide rows of distinct bitmaps (a window's background onto the page): the destination's
    // rows are often out of the cache (the page drawn two frames before), and each row starts
    // anew in memory; asked for a few rows ahead, they are there when the copy comes.
    if (src != dst) {
        for (int32_t row = 0; row < h; ++row) {
            uint16_t* ziel = dst + size_t(dy + row) * dw + dx;
            const uint16_t* quelle = src + size_t(sy + row) * sw + sx;
            if (row + VORAUS < h) {
                zeile_vorholen<1>(ziel + size_t(VORAUS) * dw, w);
                zeile_vorholen<0>(quelle + size_t(VORAUS) * sw, w);
            }
            std::memmove(ziel, quelle, size_t(w) * 2);
        }
        return 1;
    }
    // Rows in order top to bottom; memmove keeps a bitmap blitted onto itself sound.
    for (int32_t row = 0; row < h; ++row)
        std::memmove(dst + size_t(dy + row) * dw + dx, src + size_t(sy + row) * sw + sx,
                     size_t(w) * 2);
    return 1;
}

int Pixel_Kopieren_8(const uint8_t* src, int32_t sx, int32_t sy, int32_t w, int32_t h, int32_t sw,
                     uint8_t* dst, int32_t dx, int32_t dy, int32_t dw)
{
    if (w <= 0 || h <= 0) return 1;
    for (int32_t row = 0; row < h; ++row)
        std::memmove(dst + size_t(dy + row) * dw + dx, src + size_t(sy + row) * sw + sx, size_t(w));
    return 1;
}

int Pixel_Transparent_16(const uint16_t* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                         int32_t sw, uint16_t* dst, int32_t dx, int32_t dy, int32_t dw,
                         const uint8_t* mask)
{
    if (mask) {
        walk<Pixel_Auswahl::Maske>(src, sx, sy, w, h, sw, dst, dx, dy, dw, mask,
                                   [](uint16_t s, uint16_t) { return s; });
        return 1;
    }
    if (w <= 0 || h <= 0) return 1;
    // Whole rows of equally wide distinct bitmaps lie back to back: one run.
    if (w == sw && w == dw && src != dst && int64_t(w) * h <= INT32_MAX) {
        Asm_Copy_Transparent_16(dst + size_t(dy) * dw, src + size_t(sy) * sw, uint32_t(w * h));
        return 1;
    }
    for (int32_t row = 0; row < h; ++row)
        Asm_Copy_Transparent_16(dst + size_t(dy + row) * dw + dx, src + size_t(sy + row) * sw + sx,
                                uint32_t(w));
    return 1;
}

int Pixel_Transparent_8(const uint8_t* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                        int32_t sw, uint8_t* dst, int32_t dx, int32_t dy, int32_t dw,
                        const uint8_t* mask)
{
    if (mask) {
        walk<Pixel_Auswahl::Maske>(src, sx, sy, w, h, sw, dst, dx, dy, dw, mask,
                                   [](uint8_t s, uint8_t) { return s; });
        return 1;
    }
    if (w <= 0 || h <= 0) return 1;
    if (w == sw && w == dw && src != dst && int64_t(w) * h <= INT32_MAX) {
        Asm_Copy_Transparent_8(dst + size_t(dy) * dw, src + size_t(sy) * sw, uint32_t(w * h));
        return 1;
    }
    for (int32_t row = 0; row < h; ++row)
        Asm_Copy_Transparent_8(dst + size_t(dy + row) * dw + dx, src + size_t(sy + row) * sw + sx,
                               uint32_t(w));
    return 1;
}

int Pixel_Einfarbig_16(const uint16_t* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                       int32_t sw, uint16_t* dst, int32_t dx, int32_t dy, int32_t dw,
                       const uint8_t* mask, uint16_t colour)
{
    walk_any(mask ? Pixel_Auswahl::Maske : Pixel_Auswahl::Schluessel, src, sx, sy, w, h, sw, dst,
             dx, dy, dw, mask, [colour](uint16_t, uint16_t) { return colour; });
    return 1;
}

int Pixel_Einfarbig_8(const uint8_t* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                      int32_t sw, uint8_t* dst, int32_t dx, int32_t dy, int32_t dw,
                      const uint8_t* mask, uint8_t colour)
{
    walk_any(mask ? Pixel_Auswahl::Maske : Pixel_Auswahl::Schluessel, src, sx, sy, w, h, sw, dst,
             dx, dy, dw, mask, [colour](uint8_t, uint8_t) { return colour; });
    return 1;
}

int Pixel_Gespiegelt_16(const uint16_t* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                        int32_t sw, uint16_t* dst, int32_t dx, int32_t dy, int32_t dw,
                        const uint8_t* mask)
{
    if (w <= 0 || h <= 0) return 1;
    for (int32_t row = 0; row < h; ++row) {
        size_t first = size_t(sy + row) * size_t(sw) + size_t(sx);
        const uint16_t* s = src + first;
        uint16_t* d = dst + size_t(dy + row) * size_t(dw) + size_t(dx);
        for (int32_t c = 0; c < w; ++c) {
            int32_t from = w - 1 - c;
            bool visible = mask ? mask_bit(mask, first + size_t(from)) : s[from] != 0;
            if (visible) d[c] = s[from];
        }
    }
    return 1;
}

namespace {

// A long run of one 16-bit value. The string store fills a whole screen in about two thirds of
// the time of the vector loop (it writes whole lines without reading them first); short runs
// keep the loop, which starts faster.
void lauf_fuellen(uint16_t* dst, uint16_t colour, size_t n)
{
#if defined(__x86_64__) && defined(__GNUC__)
    constexpr size_t LANG = 4096;
    if (n >= LANG && !(reinterpret_cast<uintptr_t>(dst) & 1)) {
        // Single pixels up to the next 8-byte boundary.
        while (reinterpret_cast<uintptr_t>(dst) & 7) *dst++ = colour, --n;
        uint64_t muster = colour;
        muster |= muster << 16;
        muster |= muster << 32;
        size_t worte = n / 4;
        void* ziel = dst;
        __asm__ volatile("rep stosq" : "+D"(ziel), "+c"(worte) : "a"(muster) : "memory");
        dst += n & ~size_t(3);
        n &= 3;
    }
#endif
    // The loop counts in 32 bits.
    while (n) {
        const size_t k = n < 0x7FFFFFFF ? n : 0x7FFFFFFF;
        Asm_Fill_Words(dst, colour, uint32_t(k));
        dst += k, n -= k;
    }
}

}  // namespace

int Pixel_Fuellen_16(uint16_t* dst, int32_t x, int32_t y, int32_t w, int32_t h, int32_t dw,
                     uint16_t colour)
{
    if (w <= 0 || h <= 0) return 1;
    // Whole rows lie back to back: one run.
    if (w == dw) {
        lauf_fuellen(dst + size_t(y) * dw, colour, size_t(w) * size_t(h));
        return 1;
    }
    for (int32_t row = 0; row < h; ++row)
        Asm_Fill_Words(dst + size_t(y + row) * dw + x, colour, uint32_t(w));
    return 1;
}

int Pixel_Fuellen_8(uint8_t* dst, int32_t x, int32_t y, int32_t w, int32_t h, int32_t dw,
                    uint8_t colour)
{
    if (w <= 0 || h <= 0) return 1;
    for (int32_t row = 0; row < h; ++row)
        Asm_Fill_Bytes(dst + size_t(y + row) * dw + x, colour, uint32_t(w));
    return 1;
}

int Pixel_Aufhellen(int32_t format, const uint16_t* src, int32_t sx, int32_t sy, int32_t w,
                    int32_t h, int32_t sw, uint16_t* dst, int32_t dx, int32_t dy, int32_t dw,
                    int32_t k)
{
    uint32_t f = uint32_t(k < -128 ? 0 : k + 128);
    with_format(format, [&](auto fmt) {
        using F = decltype(fmt);
        walk<Pixel_Auswahl::Alle>(src, sx, sy, w, h, sw, dst, dx, dy, dw, nullptr,
                                  [f](uint16_t s, uint16_t) {
                                      uint32_t r = F::r(s) * f >> 7, g = F::g(s) * f >> 7,
                                               b = F::b(s) * f >> 7;
                                      return F::pack(r < F::R_MAX ? r : F::R_MAX,
                                                     g < F::G_MAX ? g : F::G_MAX,
                                                     b < F::B_MAX ? b : F::B_MAX);
                                  });
    });
    return 1;
}

int Pixel_Abdunkeln(int32_t format, const uint16_t* src, int32_t sx, int32_t sy, int32_t w,
                    int32_t h, int32_t sw, uint16_t* dst, int32_t dx, int32_t dy, int32_t dw,
                    Pixel_Auswahl auswahl, const uint8_t* mask, int32_t f, Null_Regel regel)
{
    uint32_t factor = uint32_t(f < 0 ? 0 : (f > 128 ? 128 : f));
    with_format(format, [&](auto fmt) {
        using F = decltype(fmt);
        with_rule(regel, [&](auto r) {
            constexpr Null_Regel R = decltype(r)::value;
            // The masked channels scaled in place: with a factor up to 1 nothing spills.
            walk_any(auswahl, src, sx, sy, w, h, sw, dst, dx, dy, dw, mask,
                     [factor](uint16_t s, uint16_t) {
                         uint32_t p = s;
                         uint32_t v = (((p & F::RM) * factor >> 7) & F::RM) |
                                      (((p & F::GM) * factor >> 7) & F::GM) |
                                      (((p & F::BM) * factor >> 7) & F::BM);
                         return rule<R>(uint16_t(v), s);
                     });
        });
    });
    return 1;
}

int Pixel_Alpha_Farbe(int32_t format, const uint8_t* src, int32_t sx, int32_t sy, int32_t w,
                      int32_t h, int32_t sw, uint16_t* dst, int32_t dx, int32_t dy, int32_t dw,
                      uint16_t colour)
{
    with_format(format, [&](auto fmt) {
        using F = decltype(fmt);
        // 8-bit units: 5-bit channels x 8, a 6-bit green x 4.
        constexpr uint32_t GU = F::G_MAX == 63 ? 4 : 8;
        uint32_t cr = F::r(colour) * 8, cg = F::g(colour) * GU, cb = F::b(colour) * 8;
        walk<Pixel_Auswahl::Alle>(src, sx, sy, w, h, sw, dst, dx, dy, dw, nullptr,
                                  [=](uint8_t a, uint16_t d) -> uint16_t {
                                      if (a <= 2) return d;
                                      if (a >= 240) return colour;
                                      uint32_t keep = 255u - a;
                                      uint32_t r = F::r(d) * 8 * keep / 256 + cr * a / 256;
                                      uint32_t g = F::g(d) * GU * keep / 256 + cg * a / 256;
                                      uint32_t b = F::b(d) * 8 * keep / 256 + cb * a / 256;
                                      return F::pack(r / 8, g / GU, b / 8);
                                  });
    });
    return 1;
}

namespace {

// One mix, worked out once per call: the source's weight, the colour's share of each channel
// and the colour alone (without the source's part every pixel is that).
struct Mischung {
    uint32_t wa, cr, cg, cb;
    uint16_t allein;
};

template <class F>
Mischung mischung(uint16_t colour, uint32_t wa)
{
    return {wa, F::r(colour) * (128 - wa) >> 7, F::g(colour) * (128 - wa) >> 7,
            F::b(colour) * (128 - wa) >> 7, F::pack(F::r(colour), F::g(colour), F::b(colour))};
}

template <class F, Null_Regel R>
inline uint16_t mischen_1(uint16_t s, const Mischung& m)
{
    uint32_t r = (F::r(s) * m.wa >> 7) + m.cr, g = (F::g(s) * m.wa >> 7) + m.cg,
             b = (F::b(s) * m.wa >> 7) + m.cb;
    uint16_t v = F::pack(r < F::R_MAX ? r : F::R_MAX, g < F::G_MAX ? g : F::G_MAX,
                         b < F::B_MAX ? b : F::B_MAX);
    return rule<R>(v, s);
}

#if defined(__x86_64__) && defined(__GNUC__)

// Whether the pixels a call touches in source and destination lie apart: only then may a
// group of pixels be read before any of it is written.
inline bool getrennt(const uint16_t* src, int32_t sx, int32_t sy, int32_t w, int32_t h, int32_t sw,
                     const uint16_t* dst, int32_t dx, int32_t dy, int32_t dw)
{
    const auto von = [](const uint16_t* p, int32_t x, int32_t y, int32_t breite) {
        return reinterpret_cast<uintptr_t>(p) + (size_t(y) * size_t(breite) + size_t(x)) * 2;
    };
    const uintptr_t s0 = von(src, sx, sy, sw), s1 = von(src, sx + w, sy + h - 1, sw);
    const uintptr_t d0 = von(dst, dx, dy, dw), d1 = von(dst, dx + w, dy + h - 1, dw);
    return s1 <= d0 || d1 <= s0;
}

// The kernel's helpers are lambdas; left as calls they would reload every constant.
#define IMMER_INLINE __attribute__((always_inline))

// The text's glyphs are rows of 2 to 12 pixels: a row is worked in SSE2 vectors of eight (on
// every x86-64). Only the row's own pixels are read and written: a row narrower than a vector
// is taken as its first and its last four (or two) pixels, which overlap where the row is
// narrower than both, and a wider row ends with the vector of its last eight. Every part is
// read before any is written, so a pixel in two parts is written twice with the same value.

template <class F, Null_Regel R, Pixel_Auswahl A, bool ALLEIN>
void mischen_sse2(const uint16_t* src, int32_t sx, int32_t sy, int32_t w, int32_t h, int32_t sw,
                  uint16_t* dst, int32_t dx, int32_t dy, int32_t dw, const uint8_t* mask,
                  const Mischung& m)
{
    const __m128i null = _mm_setzero_si128(), eins = _mm_set1_epi16(1);
    const __m128i wa = _mm_set1_epi16(int16_t(m.wa)), fuenf = _mm_set1_epi16(31),
                  g_max = _mm_set1_epi16(int16_t(F::G_MAX));
    const __m128i cr = _mm_set1_epi16(int16_t(m.cr)), cg = _mm_set1_epi16(int16_t(m.cg)),
                  cb = _mm_set1_epi16(int16_t(m.cb)), allein = _mm_set1_epi16(int16_t(m.allein));
    const __m128i bitwerte = _mm_setr_epi16(1, 2, 4, 8, 16, 32, 64, 128);
    // The new pixels of a vector with its old ones; `bits` are the mask bits of its lanes.
    const auto mischen = [&](__m128i s, __m128i d, uint32_t bits) IMMER_INLINE -> __m128i {
        __m128i v = allein;
        if constexpr (!ALLEIN) {
            __m128i r = _mm_and_si128(_mm_srli_epi16(s, F::R_SHIFT), fuenf);
            __m128i g = _mm_and_si128(_mm_srli_epi16(s, 5), g_max);
            __m128i b = _mm_and_si128(s, fuenf);
            r = _mm_min_epi16(_mm_add_epi16(_mm_srli_epi16(_mm_mullo_epi16(r, wa), 7), cr), fuenf);
            g = _mm_min_epi16(_mm_add_epi16(_mm_srli_epi16(_mm_mullo_epi16(g, wa), 7), cg), g_max);
            b = _mm_min_epi16(_mm_add_epi16(_mm_srli_epi16(_mm_mullo_epi16(b, wa), 7), cb), fuenf);
            v = _mm_or_si128(_mm_or_si128(_mm_slli_epi16(r, F::R_SHIFT), _mm_slli_epi16(g, 5)), b);
        }
        if constexpr (R == Null_Regel::Immer)
            v = _mm_or_si128(v, _mm_and_si128(_mm_cmpeq_epi16(v, null), eins));
        else if constexpr (R == Null_Regel::Wenn_Quelle)
            v = _mm_or_si128(v, _mm_andnot_si128(_mm_cmpeq_epi16(s, null),
                                                 _mm_and_si128(_mm_cmpeq_epi16(v, null), eins)));
        if constexpr (A == Pixel_Auswahl::Alle) {
            (void)d, (void)bits;
            return v;
        } else if constexpr (A == Pixel_Auswahl::Schluessel) {
            (void)bits;
            const __m128i leer = _mm_cmpeq_epi16(s, null);
            return _mm_or_si128(_mm_andnot_si128(leer, v), _mm_and_si128(leer, d));
        } else {
            const __m128i an = _mm_cmpeq_epi16(
                _mm_and_si128(_mm_set1_epi16(int16_t(bits)), bitwerte), bitwerte);
            return _mm_or_si128(_mm_and_si128(an, v), _mm_andnot_si128(an, d));
        }
    };
    const auto laden_8 = [](const uint16_t* p) IMMER_INLINE {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    };
    // T (4 or 2) pixels into the low lanes, and back.
    const auto laden_t = [](auto t, const uint16_t* p) IMMER_INLINE {
        if constexpr (decltype(t)::value == 4) return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
        int32_t v;
        std::memcpy(&v, p, 4);
        return _mm_cvtsi32_si128(v);
    };
    const auto schreiben_t = [](auto t, uint16_t* p, __m128i v) IMMER_INLINE {
        if constexpr (decltype(t)::value == 4) {
            _mm_storel_epi64(reinterpret_cast<__m128i*>(p), v);
        } else {
            const int32_t n = _mm_cvtsi128_si32(v);
            std::memcpy(p, &n, 4);
        }
    };
    const auto bits_von = [&](size_t bit, int32_t n) IMMER_INLINE {
        return A == Pixel_Auswahl::Maske ? mask_bits(mask, bit, n) : 0u;
    };
    // Each row through `zeile(s, d, bit)`, bit the mask number of its first pixel.
    const auto zeilen = [&](auto zeile) IMMER_INLINE {
        size_t bit = size_t(sy) * size_t(sw) + size_t(sx);
        uint16_t* d = dst + size_t(dy) * size_t(dw) + size_t(dx);
        for (int32_t row = 0; row < h; ++row, bit += size_t(sw), d += dw) zeile(src + bit, d, bit);
    };
    if (w >= 8) {
        const int32_t k = w - 8;
        zeilen([&](const uint16_t* s, uint16_t* d, size_t bit) IMMER_INLINE {
            const __m128i letzte = mischen(laden_8(s + k), A == Pixel_Auswahl::Alle ? null : laden_8(d + k),
                                           bits_von(bit + size_t(k), 8));
            for (int32_t i = 0; i < k; i += 8) {
                const __m128i alt = A == Pixel_Auswahl::Alle ? null : laden_8(d + i);
                _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i),
                                 mischen(laden_8(s + i), alt, bits_von(bit + size_t(i), 8)));
            }
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d + k), letzte);
        });
    } else if (w >= 2) {
        // The first and the last T pixels side by side in one vector.
        const auto haelften = [&](auto t) IMMER_INLINE {
            constexpr int32_t T = decltype(t)::value;
            const int32_t k = w - T;
            const auto paar = [&](const uint16_t* p) IMMER_INLINE {
                return T == 4 ? _mm_unpacklo_epi64(laden_t(t, p), laden_t(t, p + k))
                              : _mm_unpacklo_epi32(laden_t(t, p), laden_t(t, p + k));
            };
            zeilen([&](const uint16_t* s, uint16_t* d, size_t bit) IMMER_INLINE {
                const __m128i alt = A == Pixel_Auswahl::Alle ? null : paar(d);
                const __m128i v = mischen(paar(s), alt, bits_von(bit, T) | bits_von(bit + size_t(k), T) << T);
                schreiben_t(t, d, v);
                schreiben_t(t, d + k, _mm_srli_si128(v, 2 * T));
            });
        };
        if (w >= 4) haelften(std::integral_constant<int32_t, 4>{});
        else haelften(std::integral_constant<int32_t, 2>{});
    } else {
        zeilen([&](const uint16_t* s, uint16_t* d, size_t bit) IMMER_INLINE {
            const __m128i v = mischen(_mm_cvtsi32_si128(s[0]), _mm_cvtsi32_si128(d[0]), bits_von(bit, 1));
            d[0] = uint16_t(_mm_cvtsi128_si32(v));
        });
    }
}

#undef IMMER_INLINE

#endif

}  // namespace

int Pixel_Farbe_Mischen(int32_t format, const uint16_t* src, int32_t sx, int32_t sy, int32_t w,
                        int32_t h, int32_t sw, uint16_t* dst, int32_t dx, int32_t dy, int32_t dw,
                        Pixel_Auswahl auswahl, const uint8_t* mask, uint16_t colour, int32_t a,
                        Null_Regel regel)
{
    if (w <= 0 || h <= 0) return 1;
    if (auswahl == Pixel_Auswahl::Maske && !mask) auswahl = Pixel_Auswahl::Schluessel;
    const uint32_t wa = uint32_t(a < 0 ? 0 : (a > 128 ? 128 : a));
    with_format(format, [&](auto fmt) {
        using F = decltype(fmt);
        const Mischung m = mischung<F>(colour, wa);
        with_rule(regel, [&](auto rr) {
            constexpr Null_Regel R = decltype(rr)::value;
#if defined(__x86_64__) && defined(__GNUC__)
            if (getrennt(src, sx, sy, w, h, sw, dst, dx, dy, dw)) {
                const auto vektor = [&](auto auswahl_c) {
                    constexpr Pixel_Auswahl A = decltype(auswahl_c)::value;
                    // Without the source's part (text in its colour) every pixel is the colour.
                    if (wa == 0)
                        mischen_sse2<F, R, A, true>(src, sx, sy, w, h, sw, dst, dx, dy, dw, mask, m);
                    else
                        mischen_sse2<F, R, A, false>(src, sx, sy, w, h, sw, dst, dx, dy, dw, mask, m);
                };
                switch (auswahl) {
                case Pixel_Auswahl::Alle:
                    vektor(std::integral_constant<Pixel_Auswahl, Pixel_Auswahl::Alle>{});
                    break;
                case Pixel_Auswahl::Schluessel:
                    vektor(std::integral_constant<Pixel_Auswahl, Pixel_Auswahl::Schluessel>{});
                    break;
                case Pixel_Auswahl::Maske:
                    vektor(std::integral_constant<Pixel_Auswahl, Pixel_Auswahl::Maske>{});
                    break;
                }
                return;
            }
#endif
            // A bitmap on itself (and other processors): pixel by pixel in order.
            walk_any(auswahl, src, sx, sy, w, h, sw, dst, dx, dy, dw, mask,
                     [&m](uint16_t s, uint16_t) { return mischen_1<F, R>(s, m); });
        });
    });
    return 1;
}

int Pixel_Einfaerben(int32_t format, const uint16_t* src, int32_t sx, int32_t sy, int32_t w,
                     int32_t h, int32_t sw, uint16_t* dst, int32_t dx, int32_t dy, int32_t dw,
                     Pixel_Auswahl auswahl, const uint8_t* mask, uint16_t colour)
{
    int32_t depth = format == 15 ? 15 : 16;
    int32_t cr = 0, cg = 0, cb = 0;
    Grafik_Pixel_Zu_RGB(colour, depth, &cr, &cg, &cb);
    int32_t lc = Grafik_Pixel_Helligkeit(colour, depth);
    walk_any(auswahl, src, sx, sy, w, h, sw, dst, dx, dy, dw, mask, [=](uint16_t s, uint16_t) {
        int32_t d = Grafik_Pixel_Helligkeit(s, depth) - lc;
        return rule<Null_Regel::Wenn_Quelle>(Grafik_RGB_Zu_Pixel(depth, cr + d, cg + d, cb + d), s);
    });
    return 1;
}

int Pixel_Ueberblenden(int32_t format, const uint16_t* src, int32_t sx, int32_t sy, int32_t w,
                       int32_t h, int32_t sw, uint16_t* dst, int32_t dx, int32_t dy, int32_t dw,
                       Pixel_Auswahl auswahl, const uint8_t* mask, int32_t a, const uint16_t* bg,
                       int32_t bx, int32_t by, int32_t bw)
{
    if (w <= 0 || h <= 0) return 1;
    if (auswahl == Pixel_Auswahl::Maske && !mask) auswahl = Pixel_Auswahl::Schluessel;
    uint32_t wa = uint32_t(a < 0 ? 0 : (a > 128 ? 128 : a)), wb = 128 - wa;
    with_format(format, [&](auto fmt) {
        using F = decltype(fmt);
        auto fade = [wa, wb](uint16_t p, uint16_t q) -> uint16_t {
            uint32_t r = (F::r(p) * wa >> 7) + (F::r(q) * wb >> 7);
            uint32_t g = (F::g(p) * wa >> 7) + (F::g(q) * wb >> 7);
            uint32_t b = (F::b(p) * wa >> 7) + (F::b(q) * wb >> 7);
            uint16_t v = F::pack(r < F::R_MAX ? r : F::R_MAX, g < F::G_MAX ? g : F::G_MAX,
                                 b < F::B_MAX ? b : F::B_MAX);
            return p == q ? q : v;
        };
        for (int32_t row = 0; row < h; ++row) {
            size_t first = size_t(sy + row) * size_t(sw) + size_t(sx);
            const uint16_t* s = src + first;
            uint16_t* d = dst + size_t(dy + row) * size_t(dw) + size_t(dx);
            const uint16_t* c = bg ? bg + size_t(by + row) * size_t(bw) + size_t(bx) : d;
            switch (auswahl) {
            case Pixel_Auswahl::Alle:
                for (int32_t i = 0; i < w; ++i) d[i] = fade(s[i], c[i]);
                break;
            case Pixel_Auswahl::Schluessel:
                for (int32_t i = 0; i < w; ++i) {
                    uint16_t v = fade(s[i], c[i]);
                    d[i] = s[i] ? v : d[i];
                }
                break;
            case Pixel_Auswahl::Maske:
                for (int32_t i = 0; i < w; ++i)
                    if (mask_bit(mask, first + size_t(i))) d[i] = fade(s[i], c[i]);
                break;
            }
        }
    });
    return 1;
}

int Pixel_Linie_16(uint16_t* dst, int32_t dw, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                   uint16_t colour)
{
    int32_t ax = std::abs(x2 - x1), ay = std::abs(y2 - y1);
    bool along_x = ax >= ay;
    // Step from the end with the smaller major coordinate.
    if (along_x ? x1 > x2 : y1 > y2) std::swap(x1, x2), std::swap(y1, y2);
    int32_t major = along_x ? ax : ay, minor = along_x ? ay : ax;
    int32_t step = along_x ? (y2 > y1) - (y2 < y1) : (x2 > x1) - (x2 < x1);
    int32_t e = 2 * minor - major;
    int32_t x = x1, y = y1;
    dst[size_t(y) * dw + x] = colour;
    for (int32_t i = 0; i < major; ++i) {
        if (along_x) ++x;
        else ++y;
        if (e < 0) {
            e += 2 * minor;
        } else {
            if (along_x) y += step;
            else x += step;
            e += 2 * (minor - major);
        }
        dst[size_t(y) * dw + x] = colour;
    }
    return 1;
}

int Pixel_Zeiger_Auf_Display(int32_t depth, const void* src, int32_t sx, int32_t sy, int32_t w,
                             int32_t h, int32_t sw, int32_t dx, int32_t dy, bool transparent)
{
    if (w <= 0 || h <= 0) return 1;
    int32_t pitch = 0;
    auto* surface = static_cast<uint8_t*>(Win95_Lock_Screen(dx, dy, w, h, &pitch));
    if (!surface) return 0;
    // A windowed surface comes back cleared: what shows between the pointer's pixels is
    // page 0, which the display mirrors.
    const auto& g = Grafik_Screen_Geometrie;
    bool underlay = transparent && g.page0_pixels && (g.depth == 8) == (depth == 8) &&
                    dx + w <= g.width && dy + h <= g.height;
    int32_t bpp = depth == 8 ? 1 : 2;
    for (int32_t row = 0; row < h; ++row) {
        uint8_t* line = surface + size_t(row) * pitch;
        if (underlay)
            std::memcpy(line,
                        static_cast<const uint8_t*>(g.page0_pixels) +
                            (size_t(dy + row) * g.width + dx) * bpp,
                        size_t(w) * bpp);
        if (depth == 8) {
            const uint8_t* s = static_cast<const uint8_t*>(src) + size_t(sy + row) * sw + sx;
            if (transparent) Asm_Copy_Transparent_8(line, s, uint32_t(w));
            else std::memcpy(line, s, size_t(w));
        } else {
            const uint16_t* s = static_cast<const uint16_t*>(src) + size_t(sy + row) * sw + sx;
            auto* d = reinterpret_cast<uint16_t*>(line);
            if (transparent) Asm_Copy_Transparent_16(d, s, uint32_t(w));
            else std::memcpy(d, s, size_t(w) * 2);
        }
    }
    Win95_Unlock_Screen();
    return 1;
}
