#include "graphics/grafik_farbe.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "graphics/grafik_screen.h"

static uint16_t pack555(uint32_t r, uint32_t g, uint32_t b)
{
    return uint16_t(((r << 7) & 0x7C00) | ((g << 2) & 0x3E0) | (b >> 3));
}

static uint16_t pack565(uint32_t r, uint32_t g, uint32_t b)
{
    return uint16_t(((r << 8) & 0xF800) | ((g << 3) & 0x7E0) | (b >> 3));
}

uint16_t Grafik_Farbe_RGB(uint32_t r, uint32_t g, uint32_t b)
{
    r = std::min(r, 255u), g = std::min(g, 255u), b = std::min(b, 255u);
    if (!Grafik_Render_Ziel) return pack565(r, g, b);
    switch (Grafik_Render_Ziel->depth) {
    case 15: return pack555(r, g, b);
    case 16:
    case 8: return pack565(r, g, b);
    default: return 0;
    }
}

uint16_t Grafik_Farbe(uint32_t r, uint32_t g, uint32_t b)
{
    r = std::min(r, 15u), g = std::min(g, 15u), b = std::min(b, 15u);
    return Grafik_Farbe_RGB(r * 255 / 15, g * 255 / 15, b * 255 / 15);
}

void Grafik_Pixel_Zu_RGB(uint16_t p, int32_t depth, int32_t* r, int32_t* g, int32_t* b)
{
    if (!r || !g || !b) return;
    if (depth == 15) {
        *r = (p & 0x7C00) >> 7, *g = (p & 0x3E0) >> 2, *b = (p & 31) * 8;
    } else if (depth == 16) {
        *r = (p & 0xF800) >> 8, *g = (p & 0x7E0) >> 3, *b = (p & 31) * 8;
    }
}

uint16_t Grafik_RGB_Zu_Pixel(int32_t depth, int32_t r, int32_t g, int32_t b)
{
    r = std::clamp(r, 0, 255), g = std::clamp(g, 0, 255), b = std::clamp(b, 0, 255);
    if (depth == 15) return pack555(uint32_t(r), uint32_t(g), uint32_t(b));
    if (depth == 16) return pack565(uint32_t(r), uint32_t(g), uint32_t(b));
    return 0;
}

int32_t Grafik_Pixel_Helligkeit(uint16_t pixel, int32_t depth)
{
    if (depth != 15 && depth != 16) return 0;
    int32_t r = 0, g = 0, b = 0;
    Grafik_Pixel_Zu_RGB(pixel, depth, &r, &g, &b);
    return (30 * r + 50 * g + 20 * b) / 100;
}

uint16_t Grafik_Kontrastfarbe(uint32_t pixel, int32_t depth)
{
    return Grafik_Pixel_Helligkeit(uint16_t(pixel), depth) < 181 ? 0xFFFF : 1;
}

// 8-bit pixels through a palette of 6-bit (or wider) entries. A picture larger than the palette
// looks its colours up in a table made once for the picture.
template <class Packen>
static void palette_wandeln(const uint8_t* src, uint16_t* dst, int32_t width, int32_t height,
                            const uint8_t* palette, Packen packen)
{
    if (!src || !dst || !palette || width <= 0 || height <= 0) return;
    const size_t n = size_t(width) * size_t(height);
    if (n < 1024) {
        for (size_t i = 0; i < n; ++i) dst[i] = packen(palette + src[i] * 3);
        return;
    }
    uint16_t farbe[256];
    for (int c = 0; c < 256; ++c) farbe[c] = packen(palette + c * 3);
    for (size_t i = 0; i < n; ++i) dst[i] = farbe[src[i]];
}

void Grafik_Palette_Zu_555(const uint8_t* src, uint16_t* dst, int32_t width, int32_t height,
                           const uint8_t* palette)
{
    palette_wandeln(src, dst, width, height, palette, [](const uint8_t* e) {
        return uint16_t(((e[0] >> 1) & 31) << 10 | ((e[1] >> 1) & 31) << 5 | ((e[2] >> 1) & 31));
    });
}

void Grafik_Palette_Zu_565(const uint8_t* src, uint16_t* dst, int32_t width, int32_t height,
                           const uint8_t* palette)
{
    palette_wandeln(src, dst, width, height, palette, [](const uint8_t* e) {
        return uint16_t(((e[0] >> 1) & 31) << 11 | (e[1] & 63) << 5 | ((e[2] >> 1) & 31));
    });
}

uint8_t Grafik_Palette_Naechste_Farbe(uint16_t pixel, int32_t depth, const uint8_t* palette)
{
    if (!palette) return 1;
    int32_t r = 0, g = 0, b = 0;
    Grafik_Pixel_Zu_RGB(pixel, depth, &r, &g, &b);
    int32_t best = 10000000, best_index = 1;
    for (int32_t i = 1; i < 256; ++i) {
        const uint8_t* e = palette + i * 3;
        int32_t d = 35 * std::abs(r - e[0]) + 47 * std::abs(g - e[1]) + 18 * std::abs(b - e[2]);
        if (d < best) {
            best = d;
            best_index = i;
            if (best < 400) break;
        }
    }
    return uint8_t(best_index);
}

Rastport* Grafik_Bitmap_Tiefe_Wandeln(const Rastport* src, int32_t depth, const uint8_t* palette)
{
    if (!src || src->packed) return nullptr;
    int32_t w = int32_t(src->width), h = int32_t(src->height);
    size_t n = size_t(w) * h;
    // Where every pixel (and the mask) is written below, the new bitmap need not be cleared first.
    if (src->depth == 8 && depth == 8) {
        Rastport* rp = Grafik_Bitmap_Anlegen_Ungeloescht(w, h, 8, false);
        if (rp && n) std::memcpy(rp->pixels, src->pixels, n);
        return rp;
    }
    if (src->depth == 8 && (depth == 15 || depth == 16)) {
        if (!palette) return nullptr;
        bool mask = depth == 15 && src->mask;
        Rastport* rp = Grafik_Bitmap_Anlegen_Ungeloescht(w, h, depth, mask);
        if (!rp) return nullptr;
        auto* s = static_cast<const uint8_t*>(src->pixels);
        auto* d = static_cast<uint16_t*>(rp->pixels);
        if (depth == 15) Grafik_Palette_Zu_555(s, d, w, h, palette);
        else Grafik_Palette_Zu_565(s, d, w, h, palette);
        if (mask) std::memcpy(rp->mask, src->mask, Grafik_Masken_Groesse(src->width, src->height));
        return rp;
    }
    if ((src->depth == 15 || src->depth == 16) && depth == 8) {
        if (!palette) return nullptr;
        Rastport* rp = src->mask ? Grafik_Bitmap_Anlegen_Maske(w, h, 8)
                                 : Grafik_Bitmap_Anlegen(w, h, 8);
        if (!rp) return nullptr;
        uint8_t pal8[768];
        for (int i = 0; i < 768; ++i) pal8[i] = uint8_t(palette[i] * 4);
        auto* s = static_cast<const uint16_t*>(src->pixels);
        auto* d = static_cast<uint8_t*>(rp->pixels);
        for (size_t i = 0; i < n; ++i)
            if (s[i]) d[i] = Grafik_Palette_Naechste_Farbe(s[i], src->depth, pal8);
        if (src->mask)
            std::memcpy(rp->mask, src->mask, Grafik_Masken_Groesse(src->width, src->height));
        return rp;
    }
    return nullptr;
}
