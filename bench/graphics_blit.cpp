// Full-page blits and fills in memory beside memcpy of the same number of bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_zeichnen.h"

namespace {

struct Pages {
    Rastport* src;
    Rastport* dst;
    int w, h;
    Pages(int width, int height) : w(width), h(height)
    {
        src = Grafik_Bitmap_Anlegen(w, h, 16);
        dst = Grafik_Bitmap_Anlegen(w, h, 16);
        auto* s = static_cast<uint16_t*>(src->pixels);
        auto* d = static_cast<uint16_t*>(dst->pixels);
        // Every eighth pixel transparent, the rest a spread of colours.
        for (int i = 0; i < w * h; ++i) {
            s[i] = uint16_t(i % 8 == 0 ? 0 : (i * 2654435761u) >> 16);
            d[i] = uint16_t(i * 40503u);
        }
    }
    ~Pages()
    {
        Grafik_Bitmap_Freigeben(src);
        Grafik_Bitmap_Freigeben(dst);
    }
};

void account(benchmark::State& state, int w, int h)
{
    state.SetItemsProcessed(int64_t(state.iterations()) * w * h);
    state.SetBytesProcessed(int64_t(state.iterations()) * w * h * 2);
}

void BM_Memcpy(benchmark::State& state)
{
    int w = int(state.range(0)), h = int(state.range(1));
    std::vector<uint16_t> a(size_t(w) * h, 1), b(size_t(w) * h);
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), a.size() * 2);
        benchmark::ClobberMemory();
    }
    account(state, w, h);
}

template <class Op>
void run(benchmark::State& state, Op op)
{
    Pages p(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        op(p);
        benchmark::ClobberMemory();
    }
    account(state, p.w, p.h);
}

void BM_Blit(benchmark::State& state)
{
    run(state, [](Pages& p) { Grafik_Blit(p.src, 0, 0, p.w, p.h, p.dst, 0, 0); });
}

void BM_Blit_Transparent(benchmark::State& state)
{
    run(state, [](Pages& p) { Grafik_Blit_Transparent(p.src, 0, 0, p.w, p.h, p.dst, 0, 0); });
}

void BM_Blit_Abdunkeln(benchmark::State& state)
{
    run(state, [](Pages& p) { Grafik_Blit_Abdunkeln(p.src, 0, 0, p.w, p.h, p.dst, 0, 0, 40); });
}

void BM_Blit_Ueberblenden(benchmark::State& state)
{
    run(state, [](Pages& p) {
        Grafik_Blit_Ueberblenden(p.src, 0, 0, p.w, p.h, p.dst, 0, 0, 64, nullptr, 0, 0);
    });
}

// The menu clears the back page in colour 1 whenever a manager's turn ends.
void BM_Fuellen(benchmark::State& state)
{
    run(state, [](Pages& p) { Grafik_Rechteck_Fuellen(p.dst, 0, 0, p.w, p.h, 1); });
}

}  // namespace

#define PAGES ->Args({640, 480})->Args({1024, 768})
BENCHMARK(BM_Memcpy) PAGES;
BENCHMARK(BM_Blit) PAGES;
BENCHMARK(BM_Blit_Transparent) PAGES;
BENCHMARK(BM_Blit_Abdunkeln) PAGES;
BENCHMARK(BM_Blit_Ueberblenden) PAGES;
BENCHMARK(BM_Fuellen) PAGES;
