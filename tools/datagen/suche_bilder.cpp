// The transfer search's pictures: the title (1227), a pitch seen from above under a magnifying
// glass; the assistants' frames (1347-1350), a figure with a clipboard; the switches' signs
// (1351-1362) drawn on the lit or unlit button face. RGB565; what is not drawn is see-through.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "screens/spieler_bilder.h"
#include "tools/datagen/bild_flaeche.h"
#include "tools/datagen/manifest.h"
#include "tools/datagen/resf_writer.h"

namespace suche_bild {

uint16_t rgb(int r, int g, int b) { return uint16_t((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3)); }

struct Leinwand {
    Resf_Bitmap& b;
    int32_t w, h;
    void punkt(int32_t x, int32_t y, uint16_t v)
    {
        if (x < 0 || y < 0 || x >= w || y >= h) return;
        const size_t i = size_t(y * w + x);
        b.pixels[2 * i] = uint8_t(v);
        b.pixels[2 * i + 1] = uint8_t(v >> 8);
        b.mask[i / 8] |= uint8_t(1u << (i % 8));
    }
    void feld(int32_t x, int32_t y, int32_t bw, int32_t bh, uint16_t v)
    {
        for (int32_t j = y; j < y + bh; ++j)
            for (int32_t i = x; i < x + bw; ++i) punkt(i, j, v);
    }
    void linie(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint16_t v)
    {
        const int32_t n = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
        for (int32_t k = 0; k <= n; ++k)
            punkt(x0 + (n ? (x1 - x0) * k / n : 0), y0 + (n ? (y1 - y0) * k / n : 0), v);
    }
};

// An assistant: head and shoulders in a suit, a clipboard in front; the four differ in the tie.
void assistent(Leinwand& l, int32_t k)
{
    const uint16_t rahmen = rgb(30, 30, 40), grund = rgb(60, 70, 110), haut = rgb(230, 190, 150),
                   anzug = rgb(40, 45, 60), brett = rgb(160, 120, 70), papier = rgb(245, 245, 235);
    static const uint16_t krawatte[4] = {rgb(200, 40, 40), rgb(40, 160, 60), rgb(230, 200, 40), rgb(60, 120, 220)};
    l.feld(0, 0, l.w, l.h, rahmen);
    l.feld(1, 1, l.w - 2, l.h - 2, grund);
    for (int32_t y = 5; y < 14; ++y)
        for (int32_t x = 10; x < 20; ++x)
            if ((x - 14.5) * (x - 14.5) / 25.0 + (y - 9.5) * (y - 9.5) / 20.0 <= 1.0) l.punkt(x, y, haut);
    l.feld(7, 15, 16, 14, anzug);
    l.feld(14, 15, 2, 8, krawatte[k & 3]);
    l.feld(16, 19, 10, 9, brett);
    l.feld(17, 21, 8, 6, papier);
    for (int32_t z = 0; z < 3; ++z) l.linie(18, 22 + 2 * z, 23, 22 + 2 * z, rgb(90, 90, 90));
}

// A switch's sign, centred on its 13 x 12 face.
void zeichen(Leinwand& l, int32_t nummer)
{
    const uint16_t s = rgb(250, 250, 250), dunkel = rgb(20, 20, 20), rot = rgb(230, 40, 40);
    switch (nummer) {
    case 1351:  // the own squad: a shirt
        l.feld(3, 3, 7, 7, s);
        l.feld(1, 3, 2, 3, s);
        l.feld(10, 3, 2, 3, s);
        l.feld(5, 2, 3, 1, dunkel);
        break;
    case 1352:  // a club: a crest
        l.feld(3, 2, 7, 5, s);
        for (int32_t y = 7; y < 11; ++y) l.feld(3 + (y - 6), y, 7 - 2 * (y - 6), 1, s);
        l.feld(6, 3, 1, 5, rot);
        break;
    case 1353:  // players without a club: an open door
        l.feld(3, 1, 7, 10, s);
        l.feld(4, 2, 3, 8, dunkel);
        l.punkt(8, 6, dunkel);
        break;
    case 1354:  // a league: a cup
        l.feld(3, 2, 7, 4, s);
        l.feld(5, 6, 3, 2, s);
        l.feld(4, 9, 5, 2, s);
        l.punkt(2, 3, s);
        l.punkt(10, 3, s);
        break;
    case 1355:  // contracts ending: a clock
        for (int32_t y = 0; y < 12; ++y)
            for (int32_t x = 0; x < 13; ++x) {
                const double d = (x - 6) * (x - 6) + (y - 5.5) * (y - 5.5);
                if (d <= 25 && d >= 12) l.punkt(x, y, s);
            }
        l.linie(6, 6, 6, 2, s);
        l.linie(6, 6, 9, 6, s);
        break;
    case 1357:  // released: a tick
        l.linie(2, 6, 5, 9, s);
        l.linie(5, 9, 10, 2, s);
        l.linie(3, 6, 5, 8, s);
        break;
    case 1358:  // an offer: a sheet
    case 1359:  // an own offer: a sheet with a mark
        l.feld(3, 1, 7, 10, s);
        for (int32_t z = 0; z < 3; ++z) l.feld(4, 3 + 2 * z, 5, 1, dunkel);
        if (nummer == 1359) l.feld(1, 7, 4, 4, rot);
        break;
    case 1360:  // watched: an eye
        for (int32_t x = 1; x < 12; ++x) {
            const int32_t d = 3 - std::abs(x - 6) / 2;
            l.punkt(x, 6 - d, s);
            l.punkt(x, 6 + d, s);
        }
        l.feld(5, 4, 3, 4, s);
        l.feld(6, 5, 1, 2, dunkel);
        break;
    default:  // 1356, 1361, 1362 carry no procedure: small dividers
        l.feld(1, 5, 11, 2, s);
        break;
    }
}

// A slot's small pitch, the own goal below: lines on its edge, the halfway line, the penalty area.
Bild_Flaeche slot_feld()
{
    const uint16_t weiss = rgb(210, 240, 210);
    Bild_Flaeche f(72, 108, false, rgb(16, 160, 24));
    for (int32_t k = 1; k < 6; k += 2) f.rechteck(0, k * 18, 72, 18, rgb(16, 144, 24));
    f.rahmen(0, 0, 72, 108, weiss);
    f.rechteck(0, 54, 72, 1, weiss);
    f.rahmen(18, 93, 36, 15, weiss);
    f.rahmen(18, 0, 36, 15, weiss);
    return f;
}

// A slot's frame with the two bars' tracks right of the pitch; lit while the slot is active.
Bild_Flaeche slot_rahmen(bool aktiv)
{
    Bild_Flaeche f(111, 140, false, rgb(8, 16, 24));
    const uint16_t rand = aktiv ? rgb(200, 200, 40) : rgb(90, 90, 110);
    f.relief(0, 0, 111, 140, rand, aktiv ? rgb(120, 120, 20) : rgb(40, 40, 50));
    for (int32_t art = 0; art < 2; ++art) {
        f.rechteck(93 + 13 * art, 6, 4, 123, rgb(90, 90, 100));
        f.rechteck(93 + 13 * art, 6, 1, 123, rgb(50, 50, 60));
    }
    return f;
}

// The goal toggle: the goal's frame, filled orange while goalkeepers are searched.
Bild_Flaeche slot_tor(bool an)
{
    Bild_Flaeche f(22, 8, true, 0);
    const uint16_t s = an ? rgb(250, 150, 0) : rgb(230, 230, 230);
    f.rechteck(0, 0, 22, 2, s);
    f.rechteck(0, 0, 2, 8, s);
    f.rechteck(20, 0, 2, 8, s);
    if (an) f.rechteck(2, 2, 18, 6, rgb(200, 100, 0));
    else
        for (int32_t x = 3; x < 20; x += 3) f.rechteck(x, 2, 1, 6, rgb(170, 170, 170));  // the net
    return f;
}

Bild_Flaeche slot_aktiv(bool an)
{
    Bild_Flaeche f(10, 10, false, rgb(0, 0, 0));
    f.rechteck(1, 1, 8, 8, an ? rgb(32, 240, 32) : rgb(96, 96, 96));
    f.relief(1, 1, 8, 8, an ? rgb(180, 255, 180) : rgb(150, 150, 150), an ? rgb(0, 120, 0) : rgb(50, 50, 50));
    return f;
}

Bild_Flaeche slot_griff(int32_t w, uint16_t farbe)
{
    Bild_Flaeche f(w, w, false, rgb(16, 16, 16));
    f.rechteck(1, 1, w - 2, w - 2, farbe);
    f.rechteck(1, 1, w - 2, 1, rgb(255, 255, 255));
    return f;
}

}  // namespace suche_bild

bool Suche_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& b)
{
    using suche_bild::rgb;
    if (std::strcmp(e.datei, "resf_scr.res") != 0) return false;
    const int32_t n = e.nummer;
    if (n >= SUCHE_BILD_FELD && n <= SUCHE_BILD_ECKE) {
        using namespace suche_bild;
        if (n == SUCHE_BILD_FELD) b = slot_feld().fertig(n);
        else if (n < SUCHE_BILD_TOR) b = slot_rahmen(n == SUCHE_BILD_RAHMEN + 1).fertig(n);
        else if (n < SUCHE_BILD_AKTIV) b = slot_tor(n == SUCHE_BILD_TOR + 1).fertig(n);
        else if (n < SUCHE_BILD_REGLER) b = slot_aktiv(n == SUCHE_BILD_AKTIV + 1).fertig(n);
        else if (n == SUCHE_BILD_REGLER) b = slot_griff(8, rgb(208, 208, 240)).fertig(n);
        else b = slot_griff(7, rgb(240, 240, 0)).fertig(n);
        return true;
    }
    if (e.nummer >= 1347 && e.nummer <= 1362) {
        b.width = e.width;
        b.height = e.height;
        b.depth = 16;
        b.pixels.assign(size_t(e.width * e.height * 2), 0);
        b.mask.assign(size_t(e.width * e.height + 7) / 8, 0);
        suche_bild::Leinwand l{b, e.width, e.height};
        if (e.nummer <= 1350) suche_bild::assistent(l, e.nummer - 1347);
        else suche_bild::zeichen(l, e.nummer);
        return true;
    }
    if (e.nummer != 1227) return false;
    const int32_t w = e.width, h = e.height;
    b.width = uint16_t(w);
    b.height = uint16_t(h);
    b.depth = 16;
    b.compression = 4;
    b.pixels.assign(size_t(w * h * 2), 0);
    b.mask.assign(size_t(w * h + 7) / 8, 0);
    const uint16_t rasen = rgb(40, 130, 50), streifen = rgb(48, 146, 58), linie = rgb(235, 240, 235),
                   rand = rgb(20, 60, 24), glas = rgb(150, 200, 230), ring = rgb(60, 60, 70), griff = rgb(120, 80, 40);
    const double gx = w * 0.62, gy = h * 0.45, r = h * 0.3;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            // rounded frame
            const int32_t ex = x < 8 ? 8 - x : x >= w - 8 ? x - (w - 9) : 0, ey = y < 8 ? 8 - y : y >= h - 8 ? y - (h - 9) : 0;
            if (ex * ex + ey * ey > 64) continue;
            uint16_t v = (x / 20) % 2 ? streifen : rasen;
            if (x < 3 || y < 3 || x >= w - 3 || y >= h - 3) v = rand;
            const bool aussenlinie = (x == 12 || x == w - 13) && y >= 12 && y < h - 12;
            const bool quer = (y == 12 || y == h - 13) && x >= 12 && x < w - 12;
            const bool mitte = x == w / 2 && y >= 12 && y < h - 12;
            const double dk = std::hypot(x - w / 2.0, y - h / 2.0);
            if (aussenlinie || quer || mitte || std::fabs(dk - h * 0.18) < 0.7) v = linie;
            const double dg = std::hypot(x - gx, y - gy);
            if (dg < r) v = (x + y) % 7 ? glas : linie;
            if (std::fabs(dg - r) < 2.5) v = ring;
            // the handle down to the right
            const double t = (x - gx) * 0.7071 + (y - gy) * 0.7071, q = -(x - gx) * 0.7071 + (y - gy) * 0.7071;
            if (t > r + 2 && t < r * 2.1 && std::fabs(q) < 4) v = griff;
            const size_t i = size_t(y * w + x);
            b.pixels[2 * i] = uint8_t(v);
            b.pixels[2 * i + 1] = uint8_t(v >> 8);
            b.mask[i / 8] |= uint8_t(1u << (i % 8));
        }
    return true;
}
