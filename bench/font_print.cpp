// Printing a full 640 x 480 page of marked-up text: 25 lines of 80 characters (2,000 in all)
// with colour, tab and bold codes. Goal: at least 2,000 pages per second. Each glyph is one
// blend of the font's colour into the page (keyed, or through the strip's mask plane); the
// icons' faces are blends of a whole picture.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "graphics/font.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/mem.h"

namespace {

// A font of 7 x 14 glyphs with a checker-like ink pattern, at depth 16; with a mask plane
// the ink's bits are set.
Font_Record* bench_font(bool maske = false)
{
    auto* f = static_cast<Font_Record*>(Mem_Alloc_Clear(sizeof(Font_Record), 0, 0));
    const int w = 7, h = 14;
    f->strip = maske ? Grafik_Bitmap_Anlegen_Maske(224 * w, h, 16) : Grafik_Bitmap_Anlegen(224 * w, h, 16);
    auto* px = static_cast<uint16_t*>(f->strip->pixels);
    for (int i = 0; i < 224; ++i) {
        f->strip_x[i] = uint32_t(i * w);
        f->glyph_width[i] = w - 1;
        for (int y = 2; y < h - 2 && i; ++y)
            for (int x = 0; x < w - 1; ++x)
                if ((x + y + i) % 3) {
                    px[y * 224 * w + i * w + x] = 0xFFFF;
                    if (maske) Grafik_Bit_Setzen(f->strip->mask, uint32_t(y * 224 * w + i * w + x));
                }
    }
    f->ascent = 11;
    f->spacing = 1;
    f->colour = 0xFFFF;
    return f;
}

std::vector<std::string> seite()
{
    std::vector<std::string> zeilen;
    const char* woerter[] = {"Größe", "Übergang", "Mannschaft", "Tabelle", "ßäöü", "Spieltag"};
    for (int z = 0; z < 25; ++z) {
        std::string s = "^c31000" + std::to_string(z + 1) + ".^tl0040";
        for (int i = 0; s.size() < 80; ++i) {
            if (i == 3) s += "^bb";
            if (i == 5) s += "^be^c02016";
            s += woerter[(z + i) % 6];
            s += ' ';
        }
        s.resize(80);
        zeilen.push_back(s);
    }
    return zeilen;
}

// Argument 1: the font's strip has a mask plane.
void BM_Seite_Drucken(benchmark::State& state)
{
    Font_Record* f = bench_font(state.range(0) != 0);
    Rastport* bm = Grafik_Bitmap_Anlegen(640, 480, 16);
    auto zeilen = seite();
    size_t zeichen = 0;
    for (auto& z : zeilen) zeichen += z.size();
    for (auto _ : state) {
        int y = 16;
        for (auto& z : zeilen) {
            Grafik_Printf(bm, f, "%s", 8, y, z.c_str());
            y += 19;
        }
        benchmark::DoNotOptimize(bm->pixels);
    }
    state.counters["Seiten/s"] = benchmark::Counter(double(state.iterations()),
                                                   benchmark::Counter::kIsRate);
    state.counters["Zeichen"] = double(zeichen);
    Grafik_Bitmap_Freigeben(bm);
    Font_Free(f);
}
BENCHMARK(BM_Seite_Drucken)->Arg(0)->Arg(1);

// One line printed again and again at (x, y) into a w x h bitmap.
void zeile_drucken(benchmark::State& state, int32_t w, int32_t h, const std::string& zeile, int32_t x, int32_t y)
{
    Font_Record* f = bench_font();
    Rastport* bm = Grafik_Bitmap_Anlegen(w, h, 16);
    for (auto _ : state) {
        Grafik_Printf(bm, f, "%s", x, y, zeile.c_str());
        benchmark::DoNotOptimize(bm->pixels);
    }
    Grafik_Bitmap_Freigeben(bm);
    Font_Free(f);
}

// One line of a menu info panel: 30 characters into a 200 x 20 icon bitmap.
void BM_Zeile_Ins_Icon(benchmark::State& state) { zeile_drucken(state, 200, 20, seite()[3].substr(0, 30), 2, 14); }
BENCHMARK(BM_Zeile_Ins_Icon);

// An icon's face (64 x 48 with a mask plane) blended half into the colour, into a bitmap.
void BM_Icon_Mischen(benchmark::State& state)
{
    Rastport* icon = Grafik_Bitmap_Anlegen_Maske(64, 48, 16);
    Rastport* bm = Grafik_Bitmap_Anlegen(640, 480, 16);
    auto* px = static_cast<uint16_t*>(icon->pixels);
    for (uint32_t i = 0; i < 64 * 48; ++i) {
        px[i] = uint16_t(i * 2654435761u >> 16);
        if (i % 7) Grafik_Bit_Setzen(icon->mask, i);
    }
    for (auto _ : state) {
        Grafik_Blit_Mischen_Maske(icon, 0, 0, 64, 48, bm, 101, 57, 0x7BEF, 64);
        benchmark::DoNotOptimize(bm->pixels);
    }
    Grafik_Bitmap_Freigeben(bm);
    Grafik_Bitmap_Freigeben(icon);
}
BENCHMARK(BM_Icon_Mischen);

// The menu's pointer line: a line of 80 characters printed below the 480 rows of the page, on
// every change of the icon under the pointer. It draws nothing.
void BM_Zeile_Unter_Der_Seite(benchmark::State& state) { zeile_drucken(state, 640, 480, seite()[0], 62, 497); }
BENCHMARK(BM_Zeile_Unter_Der_Seite);

}  // namespace
