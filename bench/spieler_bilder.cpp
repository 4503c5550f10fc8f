// The line-up screen's pitch redrawn from the builder's background picture (part of the one
// accepted change, goal under 2 ms with the rest) and a detail window's background.
#include <benchmark/benchmark.h>

#include "bench_welt.h"
#include "graphics/grafik_bitmap.h"
#include "platform/resfile.h"
#include "screens/spieler_bilder.h"
#include "screens/spieler_schirme.h"

namespace {

struct Bilder {
    Bench_Welt_Ordner daten{"spieler_bilder", {"resfiles"}};
    int32_t vorher = -1;
    Bilder()
    {
        vorher = ResFile_Handles[0].handle;
        ResFile_Handles[0].handle = Init_ResFile((daten.ordner / "resfile" / "resf_scr.res").c_str());
        if (ResFile_Handles[0].handle < 0) Bench_Scheitern("spieler_bilder", "resf_scr.res fehlt");
    }
    ~Bilder()
    {
        DeInit_ResFile(ResFile_Handles[0].handle);
        ResFile_Handles[0].handle = vorher;
    }
};

Bilder& bilder()
{
    static Bilder b;
    return b;
}

void bild_zeichnen(benchmark::State& state, int32_t nummer, int32_t x, int32_t y, int32_t w, int32_t h)
{
    bilder();
    Rastport* ziel = Grafik_Bitmap_Anlegen(640, 480, 16);
    for (auto _ : state)
        if (!Spieler_Screen_Bild(nummer, ziel, x, y, true, x, y, w, h)) state.SkipWithError("Bild fehlt");
    Grafik_Bitmap_Freigeben(ziel);
}

void BM_Aufstellung_Feld_Hintergrund(benchmark::State& state) { bild_zeichnen(state, 1330, 202, 114, 231, 337); }
BENCHMARK(BM_Aufstellung_Feld_Hintergrund)->Unit(benchmark::kMicrosecond);

void BM_Detailfenster_Hintergrund(benchmark::State& state) { bild_zeichnen(state, DETAIL_BILD_FENSTER, 0, 0, 600, 440); }
BENCHMARK(BM_Detailfenster_Hintergrund)->Unit(benchmark::kMicrosecond);

}  // namespace
