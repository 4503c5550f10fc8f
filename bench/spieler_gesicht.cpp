// Portraits from the builder's face parts: composing into a screen bitmap (goal: at least 50,000
// a second) and the 27 heads of 19 x 22 of a team page (goal: under 0.5 ms).
#include <benchmark/benchmark.h>

#include <string>

#include "bench_welt.h"
#include "database/spieler.h"
#include "graphics/grafik_bitmap.h"
#include "platform/mem.h"
#include "platform/resfile.h"
#include "screens/spieler_gesicht.h"

namespace {

struct Teile {
    Bench_Welt_Ordner daten{"spieler_gesicht", {"resfiles"}};
    int32_t handle = -1;
    Teile()
    {
        handle = Init_ResFile((daten.ordner / "resfile" / "resf_scr.res").c_str());
        if (handle < 0 || Spieler_Gesicht_Init(handle) != 1) Bench_Scheitern("spieler_gesicht", "Gesichtsteile fehlen");
    }
    ~Teile()
    {
        Spieler_Gesicht_DeInit();
        DeInit_ResFile(handle);
    }
};

Teile& teile()
{
    static Teile t;
    return t;
}

uint32_t code(int32_t n) { return uint32_t(n) * 2654435761u & 0x0FFFFFFFu; }

void BM_Portraits(benchmark::State& state)
{
    teile();
    Rastport* ziel = Grafik_Bitmap_Anlegen(640, 480, 16);
    uint8_t farben[36] = {200, 20, 20};
    int32_t n = 0;
    for (auto _ : state) {
        Spieler_Gesicht_Bauen(ziel, (n % 16) * 38, (n / 16 % 10) * 42, -1, code(n), farben);
        ++n;
    }
    state.SetItemsProcessed(int64_t(state.iterations()));
    Grafik_Bitmap_Freigeben(ziel);
}
BENCHMARK(BM_Portraits);

void BM_27_Koepfe_19x22(benchmark::State& state)
{
    teile();
    Rastport* ziel = Grafik_Bitmap_Anlegen(640, 480, 16);
    for (auto _ : state)
        for (int32_t k = 0; k < 27; ++k)
            Spieler_Gesicht_Bauen_Skaliert(ziel, (k % 9) * 21, (k / 9) * 24, -1, code(k), nullptr, 19, 22);
    Grafik_Bitmap_Freigeben(ziel);
}
BENCHMARK(BM_27_Koepfe_19x22)->Unit(benchmark::kMicrosecond);

}  // namespace
