#include "graphics/grafik_filter.h"

#include <cstring>

#include "graphics/grafik_screen.h"
#include "platform/asm.h"

namespace {

constexpr int32_t WEICH[9] = {3, 13, 3, 13, 16, 13, 3, 13, 3};
constexpr int32_t STARK[9] = {0, 8, 0, 8, 11, 8, 0, 8, 0};

bool gleich_gross(const Rastport* a, const Rastport* b)
{
    return a && b && a->width == b->width && a->height == b->height;
}

bool ebene_ok(const Rastport* bitmap, const Rastport* e)
{
    return gleich_gross(bitmap, e) && e->depth == 8 && !e->packed && e->pixels;
}

uint8_t* px8(Rastport* rp) { return static_cast<uint8_t*>(rp->pixels); }
const uint8_t* px8(const Rastport* rp) { return static_cast<const uint8_t*>(rp->pixels); }

// One output row of a 3 x 3 kernel whose weights lie in 0..255: the same sum as
// Asm_Filter_Punkt (every product shifted on its own, clamped). A product fits 16 bits, so the
// loop runs in 16-bit lanes; it runs whenever a box opens, on up to a full screen, and is
// vectorised on its own even where the build does not ask for it.
__attribute__((optimize("O3", "tree-vectorize")))
void zeile_3x3(const uint8_t* __restrict oben, const uint8_t* __restrict mitte, const uint8_t* __restrict unten,
               uint8_t* __restrict aus, int32_t w, const int32_t* g)
{
    const uint16_t g0 = uint16_t(g[0]), g1 = uint16_t(g[1]), g2 = uint16_t(g[2]), g3 = uint16_t(g[3]),
                   g4 = uint16_t(g[4]), g5 = uint16_t(g[5]), g6 = uint16_t(g[6]), g7 = uint16_t(g[7]),
                   g8 = uint16_t(g[8]);
    for (int32_t x = 1; x < w - 1; ++x) {
        uint16_t s = uint16_t(uint16_t(oben[x - 1] * g0) >> 7) + uint16_t(uint16_t(oben[x] * g1) >> 7) +
                     uint16_t(uint16_t(oben[x + 1] * g2) >> 7) + uint16_t(uint16_t(mitte[x - 1] * g3) >> 7) +
                     uint16_t(uint16_t(mitte[x] * g4) >> 7) + uint16_t(uint16_t(mitte[x + 1] * g5) >> 7) +
                     uint16_t(uint16_t(unten[x - 1] * g6) >> 7) + uint16_t(uint16_t(unten[x] * g7) >> 7) +
                     uint16_t(uint16_t(unten[x + 1] * g8) >> 7);
        aus[x] = uint8_t(s > 255 ? 255 : s);
    }
}

void ebene_falten(const Filter_Kern* k, const Rastport* ein, Rastport* aus)
{
    const int32_t w = int32_t(ein->width), h = int32_t(ein->height);
    const int32_t rx = (k->breite - 1) / 2, ry = (k->hoehe - 1) / 2;
    const uint8_t* e = px8(ein);
    uint8_t* a = px8(aus);
    bool schnell = k->breite == 3 && k->hoehe == 3;
    for (int32_t i = 0; i < 9 && schnell; ++i) schnell = k->gewichte[i] >= 0 && k->gewichte[i] <= 255;
    if (schnell) {
        for (int32_t y = 1; y < h - 1; ++y)
            zeile_3x3(e + (y - 1) * w, e + y * w, e + (y + 1) * w, a + y * w, w, k->gewichte);
        return;
    }
    for (int32_t y = ry; y < h - ry; ++y)
        for (int32_t x = rx; x < w - rx; ++x) {
            int32_t s = 0;
            Asm_Filter_Punkt(&s, e + (y - ry) * w + (x - rx), k->gewichte, k->hoehe, k->breite, w - k->breite);
            a[y * w + x] = uint8_t(s);
        }
}

}  // namespace

const Filter_Kern Filter_Kern_Weich = {3, 3, WEICH};
const Filter_Kern Filter_Kern_Halbieren = {-1, 1, nullptr};
const Filter_Kern Filter_Kern_Stark = {3, 3, STARK};

int Grafik_Kanaele_Trennen(const Rastport* bitmap, Rastport* rot, Rastport* gruen, Rastport* blau,
                           const uint8_t* palette)
{
    Grafik_Seite_Beschrieben(rot);
    Grafik_Seite_Beschrieben(gruen);
    Grafik_Seite_Beschrieben(blau);
    if (!bitmap || bitmap->packed || !bitmap->pixels) return 0;
    if (!ebene_ok(bitmap, rot) || !ebene_ok(bitmap, gruen) || !ebene_ok(bitmap, blau)) return 0;
    const uint32_t n = bitmap->width * bitmap->height;
    if (bitmap->depth == 16) Asm_Split_565(static_cast<const uint16_t*>(bitmap->pixels), px8(rot), px8(gruen), px8(blau), n);
    else if (bitmap->depth == 15) Asm_Split_555(static_cast<const uint16_t*>(bitmap->pixels), px8(rot), px8(gruen), px8(blau), n);
    else {
        if (!palette) palette = bitmap->palette;
        if (!palette) return 0;
        const uint8_t* p = px8(bitmap);
        for (uint32_t i = 0; i < n; ++i) {
            const uint8_t* c = palette + 3 * p[i];
            px8(rot)[i] = uint8_t((c[0] & 63) * 4);
            px8(gruen)[i] = uint8_t((c[1] & 63) * 4);
            px8(blau)[i] = uint8_t((c[2] & 63) * 4);
        }
    }
    return 1;
}

int Grafik_Kanaele_Verbinden(Rastport* bitmap, const Rastport* rot, const Rastport* gruen, const Rastport* blau)
{
    Grafik_Seite_Beschrieben(bitmap);
    if (!bitmap || bitmap->packed || !bitmap->pixels || (bitmap->depth != 15 && bitmap->depth != 16)) return 0;
    if (!ebene_ok(bitmap, rot) || !ebene_ok(bitmap, gruen) || !ebene_ok(bitmap, blau)) return 0;
    const uint32_t n = bitmap->width * bitmap->height;
    auto* d = static_cast<uint16_t*>(bitmap->pixels);
    if (bitmap->depth == 16) Asm_Join_565(d, px8(rot), px8(gruen), px8(blau), n);
    else Asm_Join_555(d, px8(rot), px8(gruen), px8(blau), n);
    return 1;
}

void Grafik_Filter_Anwenden(const Filter_Kern* kern, Rastport* bitmap)
{
    Grafik_Seite_Beschrieben(bitmap);
    if (!kern || !bitmap || bitmap->packed || !bitmap->pixels) return;
    if (bitmap->depth != 15 && bitmap->depth != 16) return;  // an 8-bit bitmap is not joined back
    if (kern->breite > 0 && (!(kern->breite & 1) || !(kern->hoehe & 1) || kern->hoehe <= 0 || !kern->gewichte)) return;
    const int32_t w = int32_t(bitmap->width), h = int32_t(bitmap->height);
    Rastport* e[6] = {};
    bool ok = true;
    for (Rastport*& p : e) ok = ok && (p = Grafik_Bitmap_Anlegen(w, h, 8)) != nullptr;
    if (ok && Grafik_Kanaele_Trennen(bitmap, e[0], e[1], e[2], nullptr)) {
        const uint32_t n = uint32_t(w) * uint32_t(h);
        for (int k = 0; k < 3; ++k) {
            if (kern->breite > 0) ebene_falten(kern, e[k], e[3 + k]);
            else if (kern->breite == -1) {
                const uint32_t s = uint32_t(kern->hoehe) & 31;
                for (uint32_t i = 0; i < n; ++i) px8(e[3 + k])[i] = uint8_t(px8(e[k])[i] >> s);
            }
        }
        Grafik_Kanaele_Verbinden(bitmap, e[3], e[4], e[5]);
    }
    for (Rastport*& p : e) p = Grafik_Bitmap_Freigeben(p);
}
