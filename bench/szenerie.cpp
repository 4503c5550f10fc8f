// The stadium of a full-size view window: a frame of its scenery with a full stadium (4000 fans
// stepped and drawn, the board places): goal under 1 ms; painting the stands and benches into
// the background and placing the crowd at set-up: goal under 20 ms.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <memory>

#include "bench_welt.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_screen.h"
#include "match/spielfeld.h"
#include "matchview/live/spielszenen_live.h"
#include "matchview/live/spielszenen_szenerie.h"
#include "matchview/spielszenen.h"
#include "platform/resfile.h"
#include "tests/matchview/spielszenen_probe.h"

namespace {

struct Stadion {
    Bench_Welt_Ordner daten{"szenerie", {"resfiles"}};
    std::unique_ptr<Spielfeld_Record> r = Spielszenen_Probe_Record(100);
    Stadion()
    {
        std::snprintf(ResFile_Ordner, sizeof ResFile_Ordner, "%s", (daten.ordner / "resfile").c_str());
        std::snprintf(ResFile_Daten_Praefix, sizeof ResFile_Daten_Praefix, "%s/", daten.ordner.c_str());
        if (Init_System_Dateien() != 1) Bench_Scheitern("szenerie", "Ressourcen fehlen");
        for (int32_t k = 0; k < 6; ++k) {
            const int32_t voll = 100;
            r->frei_22115[k] = uint8_t(k);
            std::memcpy(r->frei_22115 + 9 + 4 * k, &voll, 4);
        }
        r->ansicht_seed = 7;
    }
    Spielszenen_Fenster* fenster()
    {
        Spielszenen_Fenster* f = &Spielszenen_Fenster_Liste[0];
        *f = Spielszenen_Fenster{};
        f->spiel = 100, f->record = r.get(), f->x = 5, f->y = 27, f->breite = 603, f->hoehe = 450, f->sichtbar = 1;
        f->hintergrund = Grafik_Bitmap_Anlegen(SZ_BILD_BREITE, SZ_BILD_HOEHE, 16);
        return f;
    }
};

Stadion& stadion()
{
    static Stadion s;
    return s;
}

void BM_Szenerie_Frame_Voll(benchmark::State& state)
{
    Stadion& s = stadion();
    Grafik_Screen_Init(640, 480, 16);
    // the fans' pictures come with the scene; the window's colours as its set-up makes them
    if (!Spielszenen_Grafik_Laden()) Bench_Scheitern("szenerie", "Szene nicht geladen");
    Spielszenen_Fenster* f = s.fenster();
    uint8_t pal[768];
    Spielszenen_Szenen_Palette(pal);
    for (int32_t i = 1; i < 256; ++i) f->farben[i] = Grafik_RGB_Zu_Pixel(16, pal[3 * i] * 4, pal[3 * i + 1] * 4, pal[3 * i + 2] * 4) | 1;
    Spielszenen_Tribuenen_Laden(f, s.r.get());
    int32_t n = 0;
    Spielszenen_Zuschauer_Liste(f, &n);
    if (n < SZ_ZUSCHAUER_MAX) Bench_Scheitern("szenerie", "Stadion nicht voll");
    // the camera over the far stand, where most of the crowd is in view
    s.r->ansicht_x = 1400, s.r->ansicht_y = 0;
    for (auto _ : state) {
        s.r->frame_zeit += 20;
        Spielszenen_Szenerie_Zeichnen(f, s.r.get(), 0);
        Spielszenen_Szenerie_Zeichnen(f, s.r.get(), 1);
    }
    f->hintergrund = Grafik_Bitmap_Freigeben(f->hintergrund);
    Spielszenen_Szenerie_Freigeben();
    Spielszenen_Grafik_Freigeben();
    Grafik_Screen_DeInit();
}

void BM_Szenerie_Tribuenen_Malen(benchmark::State& state)
{
    Stadion& s = stadion();
    Grafik_Screen_Init(640, 480, 16);
    Spielszenen_Fenster* f = s.fenster();
    for (auto _ : state) Spielszenen_Tribuenen_Laden(f, s.r.get());
    f->hintergrund = Grafik_Bitmap_Freigeben(f->hintergrund);
    Grafik_Screen_DeInit();
}

}  // namespace

BENCHMARK(BM_Szenerie_Frame_Voll)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Szenerie_Tribuenen_Malen)->Unit(benchmark::kMillisecond);
