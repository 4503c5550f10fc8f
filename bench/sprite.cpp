// Sprite blits of a match figure (32 x 48, about half its pixels visible) onto a 640 x 480 page,
// plain and mirrored; the 8-to-16-bit colour-table loop; a crest shrunk to 12 x 12.
// Goals: 1 million plain blits a second, 600,000 mirrored and colour-table figures; the shrink
// under 20 us.
#include <benchmark/benchmark.h>

#include <vector>

#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_sprite.h"
#include "graphics/grafik_wappen.h"

namespace {

// A figure: a body of visible pixels in a transparent frame, a few holes between the legs.
Rastport* figur(int depth)
{
    Rastport* rp = Grafik_Bitmap_Anlegen(32, 48, depth);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 32; ++x) {
            bool sichtbar = x >= 8 && x < 24 && !(y > 30 && x >= 14 && x < 18);
            uint16_t v = sichtbar ? uint16_t(1 + (x * 7 + y * 13) % 200) : 0;
            if (depth == 8)
                static_cast<uint8_t*>(rp->pixels)[y * 32 + x] = uint8_t(v);
            else
                static_cast<uint16_t*>(rp->pixels)[y * 32 + x] = v;
        }
    return rp;
}

void blit(benchmark::State& state, bool gespiegelt)
{
    Rastport* f = figur(16);
    Rle_Sprite* s = Grafik_Bitmap_Packen(f, 0, 0, 32, 48);
    s->mirrored = gespiegelt;
    Rastport* seite = Grafik_Bitmap_Anlegen(640, 480, 16);
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Grafik_Sprite_Blit(s, seite, 100 + (i & 255), 50 + (i & 127)));
        ++i;
    }
    state.SetItemsProcessed(state.iterations());
    Grafik_Bitmap_Freigeben(seite);
    Grafik_Sprite_Freigeben(s);
    Grafik_Bitmap_Freigeben(f);
}

void BM_Sprite_Blit(benchmark::State& state) { blit(state, false); }
void BM_Sprite_Blit_Gespiegelt(benchmark::State& state) { blit(state, true); }

void BM_Sprite_Farbtabelle(benchmark::State& state)
{
    Rastport* f = figur(8);
    Rle_Sprite* s = Grafik_Bitmap_Packen(f, 0, 0, 32, 48);
    std::vector<uint16_t> seite(640 * 480);
    uint16_t farben[256];
    for (int i = 0; i < 256; ++i) farben[i] = uint16_t(i * 257);
    for (auto _ : state) {
        Pixel_Sprite_8_16(s->data, s->wide, 32, 48, seite.data() + 100 * 640 + 100, 640, 0, farben);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
    Grafik_Sprite_Freigeben(s);
    Grafik_Bitmap_Freigeben(f);
}

void BM_Wappen_Verkleinern(benchmark::State& state)
{
    Rastport* w = Grafik_Bitmap_Anlegen(48, 48, 16);
    for (int i = 0; i < 48 * 48; ++i) static_cast<uint16_t*>(w->pixels)[i] = uint16_t(i * 31 + 1);
    Rastport* z = Grafik_Bitmap_Anlegen(12, 12, 16);
    for (auto _ : state) {
        Grafik_Bild_Verkleinern(w, z, 12, 12);
        benchmark::ClobberMemory();
    }
    Grafik_Bitmap_Freigeben(z);
    Grafik_Bitmap_Freigeben(w);
}

}  // namespace

BENCHMARK(BM_Sprite_Blit);
BENCHMARK(BM_Sprite_Blit_Gespiegelt);
BENCHMARK(BM_Sprite_Farbtabelle);
BENCHMARK(BM_Wappen_Verkleinern);
