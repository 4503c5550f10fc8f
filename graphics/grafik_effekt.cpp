#include "graphics/grafik_effekt.h"

#include <algorithm>
#include <cstring>

#include "graphics/grafik_blit.h"
#include "graphics/grafik_filter.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/asm.h"
#include "platform/maus.h"
#include "platform/resfile.h"

namespace {

constexpr int32_t PINSEL_B = 27, PINSEL_H = 23;
// Shadow strength 11 at the centre (13, 11), falling by about one per pixel.
constexpr uint8_t PINSEL[PINSEL_H][PINSEL_B] = {
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 1, 1, 1, 2, 2, 3, 3, 3, 3, 3, 3, 3, 2, 2, 1, 1, 1, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 4, 4, 4, 4, 4, 3, 3, 2, 2, 1, 1, 0, 0, 0, 0},
    {0, 0, 0, 1, 1, 2, 2, 3, 4, 4, 4, 5, 5, 5, 5, 5, 4, 4, 4, 3, 2, 2, 1, 1, 0, 0, 0},
    {0, 0, 1, 1, 2, 2, 3, 4, 4, 5, 5, 6, 6, 6, 6, 6, 5, 5, 4, 4, 3, 2, 2, 1, 1, 0, 0},
    {0, 1, 1, 2, 2, 3, 4, 5, 5, 6, 6, 7, 7, 7, 7, 7, 6, 6, 5, 5, 4, 3, 2, 2, 1, 1, 0},
    {0, 1, 1, 2, 3, 4, 5, 5, 6, 7, 7, 8, 8, 8, 8, 8, 7, 7, 6, 5, 5, 4, 3, 2, 1, 1, 0},
    {1, 1, 1, 2, 3, 4, 5, 6, 7, 7, 8, 9, 9, 9, 9, 9, 8, 7, 7, 6, 5, 4, 3, 2, 1, 1, 1},
    {1, 1, 2, 3, 4, 5, 6, 6, 7, 8, 9, 9, 10, 10, 10, 9, 9, 8, 7, 6, 6, 5, 4, 3, 2, 1, 1},
    {1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 10, 10, 11, 10, 10, 9, 9, 8, 7, 6, 5, 4, 3, 2, 1, 1},
    {1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10, 11, 11, 11, 10, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 1},
    {1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 10, 10, 11, 10, 10, 9, 9, 8, 7, 6, 5, 4, 3, 2, 1, 1},
    {1, 1, 2, 3, 4, 5, 6, 6, 7, 8, 9, 9, 10, 10, 10, 9, 9, 8, 7, 6, 6, 5, 4, 3, 2, 1, 1},
    {1, 1, 1, 2, 3, 4, 5, 6, 7, 7, 8, 9, 9, 9, 9, 9, 8, 7, 7, 6, 5, 4, 3, 2, 1, 1, 1},
    {0, 1, 1, 2, 3, 4, 5, 5, 6, 7, 7, 8, 8, 8, 8, 8, 7, 7, 6, 5, 5, 4, 3, 2, 1, 1, 0},
    {0, 1, 1, 2, 2, 3, 4, 5, 5, 6, 6, 7, 7, 7, 7, 7, 6, 6, 5, 5, 4, 3, 2, 2, 1, 1, 0},
    {0, 0, 1, 1, 2, 2, 3, 4, 4, 5, 5, 6, 6, 6, 6, 6, 5, 5, 4, 4, 3, 2, 2, 1, 1, 0, 0},
    {0, 0, 0, 1, 1, 2, 2, 3, 4, 4, 4, 5, 5, 5, 5, 5, 4, 4, 4, 3, 2, 2, 1, 1, 0, 0, 0},
    {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 4, 4, 4, 4, 4, 3, 3, 2, 2, 1, 1, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 1, 1, 1, 2, 2, 3, 3, 3, 3, 3, 3, 3, 2, 2, 1, 1, 1, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
};

bool hicolor(const Rastport* rp) { return rp && !rp->packed && rp->pixels && (rp->depth == 15 || rp->depth == 16); }

uint16_t* px16(Rastport* rp) { return static_cast<uint16_t*>(rp->pixels); }
const uint16_t* px16(const Rastport* rp) { return static_cast<const uint16_t*>(rp->pixels); }
uint8_t* px8(Rastport* rp) { return static_cast<uint8_t*>(rp->pixels); }
const uint8_t* px8(const Rastport* rp) { return static_cast<const uint8_t*>(rp->pixels); }

// Channels of a pixel in the plane scale (channel bits at the top of the byte).
void kanaele(uint16_t p, int32_t depth, int32_t c[3])
{
    if (depth == 15) c[0] = (p & 0x7C00) >> 7, c[1] = (p & 0x03E0) >> 2, c[2] = (p & 0x1F) << 3;
    else c[0] = (p & 0xF800) >> 8, c[1] = (p & 0x07E0) >> 3, c[2] = (p & 0x1F) << 3;
}

uint16_t pixel(const int32_t c[3], int32_t depth)
{
    if (depth == 15) return uint16_t(((c[0] << 7) & 0x7C00) | ((c[1] << 2) & 0x03E0) | ((c[2] >> 3) & 0x1F));
    return uint16_t(((c[0] << 8) & 0xF800) | ((c[1] << 3) & 0x07E0) | ((c[2] >> 3) & 0x1F));
}

bool sichtbar(const Rastport* rp, uint32_t i)
{
    if (rp->mask) return (rp->mask[i / 8] >> (i % 8)) & 1;
    if (rp->depth == 8) return px8(rp)[i] != 0;
    return px16(rp)[i] != 0;
}

bool pixel_gesetzt(const Rastport* rp, uint32_t i)
{
    return rp->depth == 8 ? px8(rp)[i] != 0 : px16(rp)[i] != 0;
}

struct Planes {
    Rastport* e[3] = {};
    bool anlegen(int32_t w, int32_t h)
    {
        for (Rastport*& p : e)
            if (!(p = Grafik_Bitmap_Anlegen(w, h, 8))) return false;
        return true;
    }
    ~Planes()
    {
        for (Rastport*& p : e) p = Grafik_Bitmap_Freigeben(p);
    }
};

}  // namespace

void Grafik_Werte_Ordnen(int32_t* a, int32_t* b)
{
    if (a && b && *a > *b) std::swap(*a, *b);
}

int32_t Grafik_Minimum(int32_t a, int32_t b) { return a < b ? a : b; }

int Grafik_Maske_Aus_Pixeln(Rastport* rp)
{
    Grafik_Seite_Beschrieben(rp);
    if (!hicolor(rp) || !rp->mask) return 0;
    const uint32_t n = rp->width * rp->height;
    for (uint32_t i = 0; i < n; ++i)
        if (px16(rp)[i]) Grafik_Bit_Setzen(rp->mask, i);
    return 1;
}

Rastport* Grafik_Raum_Maske_Anlegen(int32_t x1, int32_t y1, int32_t w1, int32_t x2, int32_t y2, int32_t w2,
                                    uint16_t farbe, int32_t depth)
{
    if (y2 < y1) {
        Grafik_Werte_Ordnen(&x1, &x2);
        Grafik_Werte_Ordnen(&y1, &y2);
        Grafik_Werte_Ordnen(&w1, &w2);
    }
    const int32_t links = Grafik_Minimum(x1, x2);
    const int32_t breite = std::max(x1 + w1, x2 + w2) - links, hoehe = y2 - y1;
    if (breite <= 0 || hoehe <= 0 || w1 < 0 || w2 < 0 || farbe == 0) return nullptr;
    Rastport* rp = Grafik_Bitmap_Anlegen_Maske(breite, hoehe, depth);
    if (!rp) return nullptr;
    const int32_t a = x1 - links, b = x2 - links, u = hoehe - 1;
    Grafik_Linie(rp, a, 0, a + w1, 0, farbe);
    Grafik_Linie(rp, b, u, b + w2, u, farbe);
    Grafik_Linie(rp, a, 0, b, u, farbe);
    Grafik_Linie(rp, a + std::max(w1 - 1, 0), 0, b + std::max(w2 - 1, 0), u, farbe);
    // Each row is filled from its first edge pixel to its last: a side that covers several
    // pixels of a row must not switch the filling off again.
    for (int32_t y = 1; y < hoehe - 1; ++y) {
        int32_t erster = -1, letzter = -1;
        for (int32_t x = 0; x < breite; ++x)
            if (Grafik_Pixel_Lesen(rp, x, y)) {
                if (erster < 0) erster = x;
                letzter = x;
            }
        for (int32_t x = erster; erster >= 0 && x <= letzter; ++x) Grafik_Pixel_Setzen(rp, x, y, farbe);
    }
    if (depth == 8) {
        for (uint32_t i = 0; i < rp->width * rp->height; ++i)
            if (px8(rp)[i]) Grafik_Bit_Setzen(rp->mask, i);
    } else {
        Grafik_Maske_Aus_Pixeln(rp);
    }
    return rp;
}

void Grafik_Raum_Malen(Rastport* rp, int32_t x1, int32_t y1, int32_t w1, int32_t x2, int32_t y2, int32_t w2,
                       uint16_t farbe, int32_t k)
{
    Grafik_Seite_Beschrieben(rp);
    if (!hicolor(rp)) return;
    k = std::clamp(k, 0, 128);
    Rastport* form = Grafik_Raum_Maske_Anlegen(x1, y1, w1, x2, y2, w2, 0xFFFF, rp->depth);
    if (!form) return;
    const int32_t bx = Grafik_Minimum(x1, x2), by = Grafik_Minimum(y1, y2);
    const int32_t w = int32_t(form->width), h = int32_t(form->height);
    Rastport* box = Grafik_Bitmap_Anlegen(w, h, rp->depth);
    Planes p;
    if (box && p.anlegen(w, h)) {
        Grafik_Blit(rp, bx, by, w, h, box, 0, 0);
        Grafik_Kanaele_Trennen(box, p.e[0], p.e[1], p.e[2], nullptr);
        int32_t c[3];
        kanaele(farbe, rp->depth, c);
        for (int32_t& v : c) v = v * k / 128;
        for (uint32_t i = 0; i < uint32_t(w * h); ++i) {
            if (!px16(form)[i]) continue;
            for (int j = 0; j < 3; ++j) {
                int32_t v = ((px8(p.e[j])[i] * (128 - k)) >> 7) + c[j];
                px8(p.e[j])[i] = uint8_t(std::min(v, 255));
            }
        }
        Grafik_Kanaele_Verbinden(box, p.e[0], p.e[1], p.e[2]);
        Grafik_Blit(box, 0, 0, w, h, rp, bx, by);
    }
    Grafik_Bitmap_Freigeben(box);
    Grafik_Bitmap_Freigeben(form);
}

void Grafik_Raum_Maske_Malen(Rastport* karte, int32_t x1, int32_t y1, int32_t w1, int32_t x2, int32_t y2,
                             int32_t w2, uint16_t wert)
{
    Grafik_Seite_Beschrieben(karte);
    if (!karte || karte->packed || karte->depth != 16 || !karte->pixels) return;
    Rastport* form = Grafik_Raum_Maske_Anlegen(x1, y1, w1, x2, y2, w2, 0xFFFF, 16);
    if (!form) return;
    const int32_t bx = Grafik_Minimum(x1, x2), by = Grafik_Minimum(y1, y2);
    for (int32_t y = 0; y < int32_t(form->height); ++y)
        for (int32_t x = 0; x < int32_t(form->width); ++x) {
            const uint32_t i = uint32_t(y) * form->width + uint32_t(x);
            const int32_t kx = bx + x, ky = by + y;
            if (!((form->mask[i / 8] >> (i % 8)) & 1)) continue;
            if (kx < 0 || ky < 0 || kx >= int32_t(karte->width) || ky >= int32_t(karte->height)) continue;
            uint16_t& z = px16(karte)[uint32_t(ky) * karte->width + uint32_t(kx)];
            z = uint16_t(z + wert);
        }
    Grafik_Bitmap_Freigeben(form);
}

int Grafik_Kanal_Effekt(Rastport* rp, const Rastport* karte)
{
    Grafik_Seite_Beschrieben(rp);
    if (!hicolor(rp) || !karte || karte->packed || !karte->pixels || karte->depth == 8) return 0;
    if (karte->width != rp->width || karte->height != rp->height) return 0;
    const uint32_t n = rp->width * rp->height;
    for (uint32_t i = 0; i < n; ++i) {
        const int32_t d = int16_t(px16(karte)[i]);
        if (!d) continue;
        int32_t c[3];
        kanaele(px16(rp)[i], rp->depth, c);
        for (int32_t& v : c) v = std::clamp(v + d, 0, 255);
        if (c[0] <= 7 && c[1] <= 7 && c[2] <= 7) c[2] = 8;
        px16(rp)[i] = pixel(c, rp->depth);
    }
    return 1;
}

void Grafik_Rand_Fuellen(Rastport* rp, uint8_t wert)
{
    Grafik_Seite_Beschrieben(rp);
    if (!hicolor(rp) || rp->width == 0 || rp->height == 0) return;
    const uint16_t v = uint16_t(wert * 0x101);
    const uint32_t w = rp->width, h = rp->height;
    uint16_t* p = px16(rp);
    for (uint32_t x = 0; x < w; ++x) p[x] = p[(h - 1) * w + x] = v;
    for (uint32_t y = 0; y < h; ++y) p[y * w] = p[y * w + w - 1] = v;
}

Rastport* Grafik_Umriss(const Rastport* rp, int32_t depth)
{
    if (!rp) return nullptr;
    Rastport* entpackt = nullptr;
    if (rp->packed) {
        entpackt = Unpack_Bitmap(rp, rp->depth);
        if (!entpackt) return nullptr;
        rp = entpackt;
    }
    const int32_t w = int32_t(rp->width), h = int32_t(rp->height);
    const int32_t tiefe = depth == 8 ? 8 : (depth == 15 ? 15 : 16);
    Rastport* aus = Grafik_Bitmap_Anlegen(w + 2, h + 2, tiefe);
    if (aus) {
        const int32_t aw = w + 2;
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x) {
                if (!sichtbar(rp, uint32_t(y * w + x))) continue;
                for (int32_t dy = 0; dy < 3; ++dy)
                    for (int32_t dx = 0; dx < 3; ++dx) {
                        const int32_t i = (y + dy) * aw + x + dx;
                        if (tiefe == 8) px8(aus)[i] = 255;
                        else px16(aus)[i] = 0xFFFF;
                    }
            }
    }
    Grafik_Bitmap_Freigeben(entpackt);
    return aus;
}

Rastport* Grafik_Schatten_Karte(const Rastport* sil, const Rastport* rp)
{
    if (!sil || sil->packed || !sil->pixels) return nullptr;
    const int32_t sw = int32_t(sil->width), sh = int32_t(sil->height);
    const int32_t kw = sw + PINSEL_B, kh = sh + PINSEL_H;
    Rastport* karte = Grafik_Bitmap_Anlegen(kw, kh, 8);
    if (!karte) return nullptr;
    const bool acht = sil->depth == 8;
    for (int32_t y = 0; y < sh; ++y)
        for (int32_t x = 0; x < sw; ++x) {
            // The build can take a while on a large picture: a click stops it.
            if (acht && Maus_Get_Tasten() != 0) return Grafik_Bitmap_Freigeben(karte);
            if (!pixel_gesetzt(sil, uint32_t(y * sw + x))) continue;
            Asm_Max_8(&PINSEL[0][0], px8(karte) + y * kw + x, PINSEL_B, PINSEL_H, kw);
        }
    if (rp && !rp->packed && rp->pixels) {
        const int32_t w = int32_t(rp->width), h = int32_t(rp->height);
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x) {
                if (!pixel_gesetzt(rp, uint32_t(y * w + x))) continue;
                const int32_t kx = x + 14, ky = y + 12;
                if (kx >= kw || ky >= kh) continue;
                uint8_t& v = px8(karte)[ky * kw + kx];
                v = uint8_t(v > 7 ? v - 7 : 0);
            }
    }
    return karte;
}

Rastport* Grafik_Effekt_Vorbereiten(const Rastport* rp)
{
    if (!rp) return nullptr;
    Rastport* entpackt = nullptr;
    if (rp->packed) {
        entpackt = Unpack_Bitmap(rp, rp->depth);
        if (!entpackt) return nullptr;
        rp = entpackt;
    }
    Rastport* sil = Grafik_Umriss(rp, 8);
    Rastport* karte = Grafik_Schatten_Karte(sil, rp);
    Grafik_Bitmap_Freigeben(sil);
    Grafik_Bitmap_Freigeben(entpackt);
    return karte;
}

Rastport* Grafik_Hilfe_Bild_Effekt(const Rastport* bild, const Rastport* karte, uint16_t farbe_1, uint16_t farbe_2,
                                   int32_t stufe)
{
    if (!hicolor(bild) || !karte || karte->packed || !karte->pixels || karte->depth != 8) return nullptr;
    if (bild->width != karte->width || bild->height != karte->height) return nullptr;
    stufe = std::clamp(stufe, 0, 11);
    const int32_t schwelle = 11 - stufe;
    const int32_t w = int32_t(karte->width), h = int32_t(karte->height);
    Rastport* aus = Grafik_Bitmap_Anlegen(w, h, bild->depth);
    if (!aus) return nullptr;
    Asm_Copy_Bytes(aus->pixels, bild->pixels, uint32_t(w * h) * 2);
    if (stufe == 0) return aus;
    Planes p;
    if (!p.anlegen(w, h)) return Grafik_Bitmap_Freigeben(aus);
    Grafik_Kanaele_Trennen(aus, p.e[0], p.e[1], p.e[2], nullptr);
    int32_t c1[3], c2[3];
    kanaele(farbe_1, bild->depth, c1);
    kanaele(farbe_2, bild->depth, c2);
    int32_t t[12][3];
    for (int32_t l = 0; l < 12; ++l)
        for (int j = 0; j < 3; ++j) t[l][j] = (((l + 3) * (c1[j] * 32 / 11) + (11 - l) * (c2[j] * 32 / 11)) / 11) * l;
    const uint8_t* s = px8(karte);
    for (int32_t i = 0; i < w * h; ++i) {
        const int32_t tt = s[i] - schwelle;
        if (!s[i] || tt <= 0) continue;
        const int32_t l = std::min(tt, 11);
        for (int j = 0; j < 3; ++j) {
            uint8_t& v = px8(p.e[j])[i];
            v = uint8_t(std::min((t[l][j] + (v * 32 / 11) * (11 - l)) >> 5, 255));
        }
    }
    Grafik_Kanaele_Verbinden(aus, p.e[0], p.e[1], p.e[2]);
    return aus;
}

void Grafik_Schatten_Anwenden(Rastport* rp, const Rastport* karte, int32_t stufe)
{
    Grafik_Seite_Beschrieben(rp);
    if (!hicolor(rp) || !karte || karte->packed || karte->depth != 8) return;
    if (karte->width != rp->width || karte->height != rp->height) return;
    const uint32_t n = rp->width * rp->height;
    for (uint32_t i = 0; i < n; ++i) {
        const int32_t s = px8(karte)[i];
        const int32_t t = s - stufe;
        if (s <= 0 || t <= 0) continue;
        const int32_t f = std::max(11 - std::min(t, 11), 0);
        int32_t c[3];
        kanaele(px16(rp)[i], rp->depth, c);
        for (int32_t& v : c) v = v * f / 11;
        px16(rp)[i] = pixel(c, rp->depth);
    }
}
