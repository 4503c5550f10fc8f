#include "graphics/grafik_zeichnen.h"

#include <algorithm>

#include "graphics/grafik_blit.h"
#include "graphics/grafik_meldung.h"
#include "graphics/grafik_screen.h"
#include "graphics/pixel.h"

static bool drawable(const Rastport* rp)
{
    return rp && !rp->packed && rp->pixels && rp->width <= 0x7FFFFFFF && rp->height <= 0x7FFFFFFF;
}

// Fills an already clipped rectangle, through to the display on page 0.
static int fill(Rastport* rp, int32_t x, int32_t y, int32_t w, int32_t h, uint16_t colour)
{
    int32_t W = int32_t(rp->width);
    bool hicolor = rp->depth == 15 || rp->depth == 16;
    Grafik_Seite_Beschrieben(rp, y, h);
    if (Grafik_Seite_Ungesehen(rp)) return 1;
    auto draw = [&] {
        if (hicolor) Pixel_Fuellen_16(static_cast<uint16_t*>(rp->pixels), x, y, w, h, W, colour);
        else Pixel_Fuellen_8(static_cast<uint8_t*>(rp->pixels), x, y, w, h, W, uint8_t(colour));
    };
    if (!Grafik_Ist_Seite_0(rp)) {
        draw();
        return 1;
    }
    return Grafik_Screen_Schreiben(hicolor ? Grafik_Pfad::Seite_0 : Grafik_Pfad::Surface_Getrennt,
                                   x, y, w, h, draw);
}

int Grafik_Rechteck_Fuellen(Rastport* rp, int32_t x, int32_t y, int32_t w, int32_t h,
                            uint16_t colour)
{
    if (!drawable(rp)) return 0;
    int32_t W = int32_t(rp->width), H = int32_t(rp->height);
    if (x > W || y > H) return 0;
    if (int64_t(x) + w < 1 || int64_t(y) + h < 1) return 0;
    if (x < 0) w += x, x = 0;
    if (y < 0) h += y, y = 0;
    if (int64_t(x) + w > W) w = W - x;
    if (int64_t(y) + h > H) h = H - y;
    if (w < 1 || h < 1) return 0;
    Grafik_Flaeche_Melden(nullptr, 0, 0, w, h, rp, x, y, true);
    return fill(rp, x, y, w, h, colour);
}

int Grafik_Pixel_Setzen(Rastport* rp, int32_t x, int32_t y, uint16_t colour)
{
    return Grafik_Rechteck_Fuellen(rp, x, y, 1, 1, colour);
}

uint16_t Grafik_Pixel_Lesen(const Rastport* rp, int32_t x, int32_t y)
{
    if (!drawable(rp) || x < 0 || y < 0 || x >= int32_t(rp->width) || y >= int32_t(rp->height))
        return 0;
    size_t i = size_t(y) * rp->width + size_t(x);
    if (rp->depth == 8) return static_cast<const uint8_t*>(rp->pixels)[i];
    // RGB555 bitmaps are read like RGB565 ones: a pixel is a pixel.
    if (rp->depth == 15 || rp->depth == 16) return static_cast<const uint16_t*>(rp->pixels)[i];
    return 0;
}

int Grafik_Linie(Rastport* rp, int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint16_t colour)
{
    if (!drawable(rp) || rp->width == 0 || rp->height == 0) return 0;
    int32_t W = int32_t(rp->width), H = int32_t(rp->height);
    x1 = std::clamp(x1, 0, W - 1), x2 = std::clamp(x2, 0, W - 1);
    y1 = std::clamp(y1, 0, H - 1), y2 = std::clamp(y2, 0, H - 1);
    if (x1 == x2 && y1 == y2) return 0;
    bool hicolor = rp->depth == 15 || rp->depth == 16;
    bool screen = Grafik_Ist_Seite_0(rp);
    if (x1 == x2) {
        if (!hicolor) return 0;
        if (y1 > y2) std::swap(y1, y2);
        // Both ends belong to the line, as they do to a slanted one.
        return fill(rp, x1, y1, 1, y2 - y1 + 1, colour);
    }
    if (y1 == y2) {
        if (x1 > x2) std::swap(x1, x2);
        if (!hicolor) {
            // 8-bit bitmaps in memory get the row, but the call reports nothing drawn.
            if (!screen) fill(rp, x1, y1, x2 - x1 + 1, 1, colour);
            return 0;
        }
        return fill(rp, x1, y1, x2 - x1 + 1, 1, colour);
    }
    if (!hicolor) return 0;
    auto* px = static_cast<uint16_t*>(rp->pixels);
    Grafik_Seite_Beschrieben(rp, std::min(y1, y2), std::abs(y2 - y1) + 1);
    Pixel_Linie_16(px, W, x1, y1, x2, y2, colour);
    if (!screen) return 1;
    // The bounding rectangle, widened as every screen write, goes to the display.
    int32_t left = std::min(x1, x2), top = std::min(y1, y2);
    int32_t width = std::abs(x2 - x1) + 1, height = std::abs(y2 - y1) + 1;
    int32_t wx = left - left % 4, ww = width + 8 - width % 4;
    ww = std::min(ww, W - wx);
    int32_t pitch = 0;
    void* surface = Grafik_Screen_Surface_Oeffnen(wx, top, ww, height, &pitch);
    Grafik_Screen_Surface_Schliessen(surface, pitch, wx, top, ww, height);
    return 1;
}

void Grafik_Ecken_Abrunden(Rastport* rp, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    if (!drawable(rp)) return;
    int32_t W = int32_t(rp->width), H = int32_t(rp->height);
    if (!(H >= 4 && x1 < W - 3 && x2 < W && y1 < H - 4 && y2 < H)) return;
    if (x1 == -1) x1 = 0;
    if (y1 == -1 || y1 == -2) y1 = 0;
    if (x2 == -1) x2 = W - 1;
    if (y2 == -1) y2 = H - 1;
    if (rp->depth != 15 && rp->depth != 16) return;
    // Every corner pixel must lie inside the bitmap.
    if (x1 < 0 || y1 < 0 || x2 < 2 || y2 < 3) return;
    auto* px = static_cast<uint16_t*>(rp->pixels);
    Grafik_Seite_Beschrieben(rp, std::min(y1, y2), std::abs(y2 - y1) + 1);
    auto clear = [&](int32_t x, int32_t y) { px[size_t(y) * W + x] = 0; };
    for (int32_t i = 0; i < 3; ++i) {
        clear(x1 + i, y1), clear(x2 - i, y1), clear(x1 + i, y2), clear(x2 - i, y2);
    }
    for (int32_t i = 0; i < 2; ++i) {
        clear(x1 + i, y1 + 1), clear(x2 - i, y1 + 1), clear(x1 + i, y2 - 1), clear(x2 - i, y2 - 1);
    }
    for (int32_t r = 2; r <= 3; ++r) {
        clear(x1, y1 + r), clear(x2, y1 + r), clear(x1, y2 - r), clear(x2, y2 - r);
    }
    if (Grafik_Ist_Seite_0(rp)) {
        int32_t left = std::min(x1, x2), top = std::min(y1, y2);
        Grafik_Screen_Rechteck_Zeigen(left, top, std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1);
    }
}

static bool bit(const uint8_t* bits, size_t n) { return (bits[n >> 3] >> (n & 7)) & 1; }

void Grafik_Bit_Schreiben(uint8_t* bits, uint32_t n, int32_t value)
{
    if (!bits) return;
    if (value) bits[n >> 3] = uint8_t(bits[n >> 3] | (1u << (n & 7)));
    else bits[n >> 3] = uint8_t(bits[n >> 3] & ~(1u << (n & 7)));
}

void Grafik_Bit_Setzen(uint8_t* bits, uint32_t n) { Grafik_Bit_Schreiben(bits, n, 1); }

int Grafik_Bitmap_Maske_Kopieren(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                                 Rastport* dst, int32_t dx, int32_t dy)
{
    if (!src || !dst || !src->mask || !dst->mask) return 0;
    if (!Grafik_Blit_Clip(&sx, &sy, &w, &h, int32_t(src->width), int32_t(src->height), &dx, &dy,
                          int32_t(dst->width), int32_t(dst->height)) ||
        w <= 0 || h <= 0)
        return 0;
    for (int32_t row = 0; row < h; ++row) {
        size_t s = size_t(sy + row) * src->width + size_t(sx);
        size_t d = size_t(dy + row) * dst->width + size_t(dx);
        for (int32_t i = 0; i < w; ++i)
            Grafik_Bit_Schreiben(dst->mask, uint32_t(d + size_t(i)), bit(src->mask, s + size_t(i)));
    }
    return 1;
}
