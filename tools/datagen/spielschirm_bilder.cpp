// The line-up screen's pictures: a dark dressing-room board, the pitch panel with its toggles,
// the team ears, strength gauges, page LEDs, substitutes and list panels, the match-data boxes
// with their scroll bar, the pages' frames and buttons and the area handles; and its spoken help.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "matchview/live/spielszenen_kamera.h"
#include "tools/datagen/spielschirm_bilder.h"
#include "tools/datagen/bild_flaeche.h"
#include "tools/datagen/manifest.h"
#include "tools/datagen/resf_writer.h"
#include "tools/datagen/sound_synth.h"

namespace aufstellung_bild {
namespace {

uint16_t rgb(int r, int g, int b)
{
    return uint16_t((std::clamp(r, 0, 255) >> 3) << 11 | (std::clamp(g, 0, 255) >> 2) << 5 | (std::clamp(b, 0, 255) >> 3));
}

// The pitch at the engine's measures: lines of the areas, the centre line and circle.
void feld_linien(Bild_Flaeche& f, int32_t x0, int32_t y0, int32_t w, int32_t h)
{
    const int32_t* m = Spielfeld_Masse;
    auto px = [&](int32_t u) { return x0 + u * (w - 1) / m[0]; };
    auto py = [&](int32_t v) { return y0 + v * (h - 1) / m[1]; };
    for (int32_t y = 0; y < h; ++y) f.rechteck(x0, y0 + y, w, 1, (y / 14) % 2 ? rgb(40, 120, 40) : rgb(46, 132, 46));
    const uint16_t weiss = rgb(230, 240, 230);
    f.rahmen(x0, y0, w, h, weiss);
    f.rechteck(px(m[10]), y0, 1, h, weiss);
    auto kasten = [&](int32_t x1, int32_t x2, int32_t y1, int32_t y2) {
        const int32_t a = px(std::min(x1, x2)), b = px(std::max(x1, x2));
        f.rahmen(a, py(y1), b - a + 1, py(y2) - py(y1) + 1, weiss);
    };
    kasten(0, m[16], m[12], m[14]);
    kasten(m[17], m[0], m[13], m[15]);
    kasten(0, m[22], m[18], m[20]);
    kasten(m[23], m[0], m[19], m[21]);
    const double r = (py(m[25]) - py(m[24])) / 2.0, cx = px(m[10]), cy = py(m[1] / 2);
    for (int32_t k = 0; k < 360; ++k) {
        const double a = k * 3.14159265 / 180;
        f.setzen(int32_t(std::lround(cx + r * std::cos(a))), int32_t(std::lround(cy + r * std::sin(a))), weiss);
    }
}

// Wood grain in dark browns, brighter at the edges.
void brett(Bild_Flaeche& f)
{
    for (int32_t y = 0; y < f.h; ++y)
        for (int32_t x = 0; x < f.w; ++x) {
            const int32_t maser = int32_t(8 * std::sin(y * 0.21 + std::sin(x * 0.013) * 3.0));
            f.setzen(x, y, rgb(46 + maser, 30 + maser / 2, 20));
        }
    for (int32_t x = 0; x < f.w; x += 160) f.rechteck(x, 0, 1, f.h, rgb(24, 14, 8));
}

void kanten(Bild_Flaeche& f, uint16_t hell, uint16_t dunkel)
{
    f.rechteck(0, 0, f.w, 1, hell);
    f.rechteck(0, 0, 1, f.h, hell);
    f.rechteck(0, f.h - 1, f.w, 1, dunkel);
    f.rechteck(f.w - 1, 0, 1, f.h, dunkel);
}

void flaeche_rahmen(Bild_Flaeche& f, uint16_t grund, uint16_t hell, uint16_t dunkel)
{
    f.rechteck(0, 0, f.w, f.h, grund);
    kanten(f, hell, dunkel);
}

Resf_Bitmap malen(const Bild& b, bool zweites, int32_t nummer)
{
    Bild_Flaeche f(b.w, b.h, b.maske, rgb(0, 0, 0));
    const uint16_t hell = zweites ? rgb(250, 220, 90) : rgb(170, 170, 160);
    switch (b.art) {
    case Art::BRETT: brett(f); break;
    case Art::FELD:
        flaeche_rahmen(f, rgb(28, 40, 28), rgb(90, 110, 90), rgb(10, 16, 10));
        feld_linien(f, 1, 10, 412, 196);
        break;
    case Art::KNOPF:
        flaeche_rahmen(f, zweites ? rgb(200, 160, 40) : rgb(70, 70, 70), hell, rgb(20, 20, 20));
        f.rechteck(b.w / 2 - 1, 2, 3, b.h - 4, zweites ? rgb(255, 255, 200) : rgb(140, 140, 140));
        break;
    case Art::OHR: {
        const uint16_t grund = zweites ? rgb(90, 70, 30) : rgb(50, 40, 30);
        f.rechteck(0, 0, b.w, b.h, grund);
        f.rechteck(0, b.h - 2, b.w, 2, hell);
        f.rechteck(0, 0, b.w, 1, hell);
        break;
    }
    case Art::DEKO:
        for (int32_t y = 0; y < b.h; y += 14) f.rechteck(0, y, b.w, 2, rgb(150, 130, 90));
        break;
    case Art::RAHMEN: flaeche_rahmen(f, rgb(30, 26, 22), rgb(120, 110, 90), rgb(10, 8, 6)); break;
    case Art::BALKEN:
        for (int32_t y = 0; y < b.h; ++y) f.rechteck(1, y, b.w - 2, 1, rgb(255 - y, 60 + y, 40));
        break;
    case Art::LED:
        for (int32_t y = 0; y < b.h; ++y)
            for (int32_t x = 0; x < b.w; ++x) {
                const int32_t dx = 2 * x - b.w + 1, dy = 2 * y - b.h + 1;
                if (dx * dx + dy * dy <= b.w * b.w) f.setzen(x, y, zweites ? rgb(120, 255, 80) : rgb(30, 70, 30));
            }
        break;
    case Art::ZURUECK:
        flaeche_rahmen(f, zweites ? rgb(170, 140, 40) : rgb(90, 70, 40), hell, rgb(20, 16, 8));
        for (int32_t i = 0; i < 10; ++i) f.rechteck(8 + i, b.h / 2 - i, 2, 2 * i + 1, rgb(240, 230, 200));
        break;
    case Art::RADAR:
        flaeche_rahmen(f, rgb(20, 60, 20), rgb(90, 130, 90), rgb(10, 20, 10));
        feld_linien(f, 2, 2, b.w - 4, b.h - 4);
        break;
    case Art::TAFEL: flaeche_rahmen(f, rgb(22, 26, 34), rgb(90, 100, 120), rgb(8, 10, 14)); break;
    case Art::UHR: flaeche_rahmen(f, rgb(12, 12, 16), rgb(140, 140, 150), rgb(4, 4, 6)); break;
    case Art::ZEILE:
        // A masked row is only its frame: the page's own text stands inside it.
        if (!b.maske) f.rechteck(0, 0, f.w, f.h, rgb(40, 44, 56));
        // a toggle's second picture (switched on) is lit
        kanten(f, zweites ? rgb(240, 200, 80) : rgb(110, 120, 140), rgb(14, 16, 20));
        break;
    case Art::STUFEN: {
        const int32_t stufe = (nummer - 1674) % 5;
        for (int32_t i = 0; i < 5; ++i)
            f.rechteck(2 + 10 * i, 2, 8, b.h - 4, i <= stufe ? rgb(80 + 40 * i, 200 - 20 * i, 60) : rgb(50, 50, 50));
        break;
    }
    case Art::RADIO:
        for (int32_t y = 0; y < b.h; ++y)
            for (int32_t x = 0; x < b.w; ++x) {
                const int32_t dx = 2 * x - b.w + 1, dy = 2 * y - b.h + 1, d = dx * dx + dy * dy;
                if (d <= b.w * b.w) f.setzen(x, y, d <= b.w * b.w / 4 && zweites ? rgb(250, 220, 60) : rgb(90, 90, 100));
            }
        break;
    case Art::SCHIENE: flaeche_rahmen(f, rgb(16, 16, 20), rgb(60, 60, 70), rgb(90, 90, 100)); break;
    case Art::GRIFF_KNOPF: flaeche_rahmen(f, rgb(150, 150, 170), rgb(230, 230, 240), rgb(60, 60, 70)); break;
    case Art::LINIE: f.rechteck(0, 1, b.w, 1, rgb(140, 140, 200)); break;
    case Art::KURVE:
        flaeche_rahmen(f, rgb(10, 10, 14), rgb(60, 60, 70), rgb(4, 4, 6));
        if (nummer == 1731)
            for (int32_t y = 10; y < b.h; y += 20) f.rechteck(1, y, b.w - 2, 1, rgb(40, 40, 50));
        break;
    case Art::GRIFF:
        f.rahmen(0, 0, b.w, b.h, rgb(255, 255, 255));
        f.rechteck(1, 1, b.w - 2, b.h - 2, nummer >= 201 ? (nummer == 201 ? rgb(60, 60, 220) : rgb(220, 60, 60)) : rgb(240, 240, 60));
        break;
    case Art::SCHALTER:
        flaeche_rahmen(f, zweites ? rgb(60, 140, 60) : rgb(70, 60, 50), hell, rgb(20, 16, 12));
        break;
    }
    return f.fertig(nummer);
}

const Bild* finden(int32_t nummer, bool* zweites)
{
    for (const Bild& b : Aufstellung_Bilder()) {
        if (b.nummer == nummer) return *zweites = false, &b;
        if (b.zweites && b.nummer + 1 == nummer) return *zweites = true, &b;
    }
    return nullptr;
}

}  // namespace
}  // namespace aufstellung_bild

bool Aufstellung_Resf_Daten(const Manifest_Eintrag& e, Resf_Bytes& daten);
bool Aufstellung_Resf_Daten(const Manifest_Eintrag& e, Resf_Bytes& daten)
{
    using namespace aufstellung_bild;
    if (std::strcmp(e.datei, "data.bin") == 0) {
        if (e.nummer < HILFE_DATEI_BASIS + HILFE_ERSTE || e.nummer > HILFE_DATEI_BASIS + HILFE_LETZTE) return false;
        daten = Resf_Daten(Aufstellung_Hilfe_Sprache(e.nummer));
        return true;
    }
    if (std::strcmp(e.datei, aufstellung_bild::SCR) != 0 || e.typ != aufstellung_bild::BILD) return false;
    bool zweites = false;
    const Bild* b = finden(e.nummer, &zweites);
    if (!b) return false;
    daten = Resf_Bitmap_Daten(malen(*b, zweites, e.nummer));
    return true;
}
