// The softening filter on a full 640 x 480 screen copy (goal: under 3 ms, it runs whenever a
// box, bubble or list opens), and the glow effect of a 160 x 40 icon: shadow map with the
// button polling plus the tinted picture (goal: under 8 ms, half a 60 Hz frame).
#include <benchmark/benchmark.h>

#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_effekt.h"
#include "graphics/grafik_filter.h"
#include "platform/os/os_intern.h"

namespace {

void muster(Rastport* rp)
{
    auto* p = static_cast<uint16_t*>(rp->pixels);
    for (uint32_t i = 0; i < rp->width * rp->height; ++i) p[i] = uint16_t(i * 2654435761u >> 16) | 1;
}

void BM_Filter_Weich_Vollbild(benchmark::State& state)
{
    Rastport* rp = Grafik_Bitmap_Anlegen(640, 480, 16);
    for (auto _ : state) {
        state.PauseTiming();
        muster(rp);
        state.ResumeTiming();
        Grafik_Filter_Anwenden(&Filter_Kern_Weich, rp);
        benchmark::DoNotOptimize(rp->pixels);
    }
    Grafik_Bitmap_Freigeben(rp);
}
BENCHMARK(BM_Filter_Weich_Vollbild)->Unit(benchmark::kMillisecond);

void BM_Glow_Icon_160x40(benchmark::State& state)
{
    Os_Input_Set_Buttons(false, false);
    Rastport* icon = Grafik_Bitmap_Anlegen_Maske(160, 40, 16);
    muster(icon);
    Grafik_Maske_Aus_Pixeln(icon);
    Rastport* bild = Grafik_Bitmap_Anlegen(160 + 29, 40 + 25, 16);
    muster(bild);
    for (auto _ : state) {
        Rastport* karte = Grafik_Effekt_Vorbereiten(icon);
        Rastport* e = Grafik_Hilfe_Bild_Effekt(bild, karte, 0xFFE0, 0xF800, 11);
        benchmark::DoNotOptimize(e);
        Grafik_Bitmap_Freigeben(e);
        Grafik_Bitmap_Freigeben(karte);
    }
    Grafik_Bitmap_Freigeben(bild);
    Grafik_Bitmap_Freigeben(icon);
}
BENCHMARK(BM_Glow_Icon_160x40)->Unit(benchmark::kMillisecond);

}  // namespace
