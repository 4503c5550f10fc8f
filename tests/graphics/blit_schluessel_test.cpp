// The keyed blit on every vector path against a plain per-pixel copy: odd widths, clipping,
// pitch unequal to width, whole rows as one run, rows all key or without key, and a bitmap
// blitted onto itself.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "platform/asm.h"

namespace {

template <class T>
T* px(Rastport* rp) { return static_cast<T*>(rp->pixels); }

// The copy as it must come out: clipped by hand, pixel by pixel, left to right.
template <class T>
void vorbild(Rastport* src, int sx, int sy, int w, int h, Rastport* dst, int dx, int dy)
{
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int qx = sx + x, qy = sy + y, zx = dx + x, zy = dy + y;
            if (qx < 0 || qy < 0 || qx >= int(src->width) || qy >= int(src->height)) continue;
            if (zx < 0 || zy < 0 || zx >= int(dst->width) || zy >= int(dst->height)) continue;
            T s = px<T>(src)[qy * int(src->width) + qx];
            if (s) px<T>(dst)[zy * int(dst->width) + zx] = s;
        }
}

// Rows of every kind: random with some key, all key, none key, key runs of odd lengths.
template <class T>
void fuellen(Rastport* rp, std::mt19937& rng)
{
    int w = int(rp->width);
    for (int y = 0; y < int(rp->height); ++y)
        for (int x = 0; x < w; ++x) {
            T v = T(rng() | 1);
            switch (y % 4) {
            case 0: v = rng() % 3 ? v : 0; break;
            case 1: v = 0; break;
            case 2: break;
            default: v = (x / 5) % 2 ? v : 0;
            }
            px<T>(rp)[y * w + x] = v;
        }
}

std::vector<Asm_Vektor> wege()
{
    std::vector<Asm_Vektor> w;
    for (Asm_Vektor v : {Asm_Vektor::Keine, Asm_Vektor::Sse2, Asm_Vektor::Avx2})
        if (Asm_Vektor_Begrenzen(v) == v) w.push_back(v);
    Asm_Vektor_Begrenzen(Asm_Vektor::Avx2);
    return w;
}

struct Grenze_Zurueck {
    ~Grenze_Zurueck() { Asm_Vektor_Begrenzen(Asm_Vektor::Avx2); }
};

// A source as wide as the destination makes whole rows one run.
template <class T>
void alle_lagen(int depth, int src_width)
{
    Grenze_Zurueck zurueck;
    std::mt19937 rng(7);
    Rastport* src = Grafik_Bitmap_Anlegen(src_width, 9, depth);
    fuellen<T>(src, rng);
    Rastport* dst = Grafik_Bitmap_Anlegen(77, 11, depth);
    Rastport* soll = Grafik_Bitmap_Anlegen(77, 11, depth);
    struct Lage { int sx, sy, w, h, dx, dy; };
    std::vector<Lage> lagen = {
        {0, 0, 77, 9, 0, 0},    // whole rows of the destination
        {0, 2, 77, 7, 0, 3},    // whole rows, shifted
        {3, 1, 1, 8, 5, 2},     // one pixel wide
        {1, 0, 7, 9, 0, 1},     // below every vector width
        {2, 0, 15, 9, 4, 0},    // one short of a 16-bit AVX vector
        {0, 0, 17, 9, 60, 2},   // one past it
        {5, 2, 33, 7, 40, 0},   // clipped on the right
        {0, 0, 50, 9, -13, -4}, // clipped left and top
        {70, 0, 40, 9, 0, 3},   // the source's right edge
        {0, 0, 64, 9, 13, 2},   // a whole number of vectors at an odd place
    };
    for (Asm_Vektor weg : wege()) {
        Asm_Vektor_Begrenzen(weg);
        for (const Lage& l : lagen) {
            for (int i = 0; i < 77 * 11; ++i) px<T>(dst)[i] = px<T>(soll)[i] = T(i * 7 + 1);
            vorbild<T>(src, l.sx, l.sy, l.w, l.h, soll, l.dx, l.dy);
            Grafik_Blit_Transparent(src, l.sx, l.sy, l.w, l.h, dst, l.dx, l.dy);
            for (int i = 0; i < 77 * 11; ++i)
                ASSERT_EQ(px<T>(dst)[i], px<T>(soll)[i])
                    << "Weg " << int(weg) << ", Lage " << (&l - lagen.data()) << ", Pixel " << i;
        }
    }
    Grafik_Bitmap_Freigeben(src);
    Grafik_Bitmap_Freigeben(dst);
    Grafik_Bitmap_Freigeben(soll);
}

}  // namespace

TEST(BlitSchluessel, EveryPathMatchesThePlainCopy)
{
    for (int breite : {83, 77}) {
        alle_lagen<uint16_t>(16, breite);
        alle_lagen<uint8_t>(8, breite);
    }
}

// A bitmap onto itself, shifted by less and more than a vector: the result is that of the
// plain loop, which reads pixels it has already written.
TEST(BlitSchluessel, OverlappingRowsOfOneBitmap)
{
    Grenze_Zurueck zurueck;
    for (Asm_Vektor weg : wege()) {
        Asm_Vektor_Begrenzen(weg);
        for (int schub : {1, 3, 8, 16, 20}) {
            std::mt19937 rng{uint32_t(schub)};
            Rastport* rp = Grafik_Bitmap_Anlegen(100, 3, 16);
            fuellen<uint16_t>(rp, rng);
            std::vector<uint16_t> soll(px<uint16_t>(rp), px<uint16_t>(rp) + 300);
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 60; ++x) {
                    uint16_t s = soll[y * 100 + x];
                    if (s) soll[y * 100 + x + schub] = s;
                }
            Grafik_Blit_Transparent(rp, 0, 0, 60, 3, rp, schub, 0);
            for (int i = 0; i < 300; ++i)
                ASSERT_EQ(px<uint16_t>(rp)[i], soll[i]) << int(weg) << " " << schub << " " << i;
            Grafik_Bitmap_Freigeben(rp);
        }
    }
}
