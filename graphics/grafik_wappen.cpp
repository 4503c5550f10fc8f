#include "graphics/grafik_wappen.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

#include "graphics/grafik_blit.h"
#include "graphics/grafik_filter.h"
#include "graphics/grafik_screen.h"
#include "graphics/pic.h"
#include "platform/resfile.h"

namespace {

// The work tables hold 1025 columns and 769 rows: larger targets are refused.
constexpr int32_t MAX_W = 1024;
constexpr int32_t MAX_H = 768;

// Frees an unpacked copy when it goes out of scope.
struct Entpackt {
    Rastport* rp = nullptr;
    ~Entpackt() { Grafik_Bitmap_Freigeben(rp); }
    Rastport* von(Rastport* src)
    {
        if (!src->packed) return src;
        rp = Unpack_Bitmap(src, src->depth);
        return rp;
    }
};

uint8_t& ebene(Rastport* p, int32_t x, int32_t y)
{
    return static_cast<uint8_t*>(p->pixels)[size_t(y) * p->width + size_t(x)];
}

}  // namespace

namespace {
Grafik_Wappen_Hook wappen_hook = nullptr;
constexpr int32_t PIC_ART_WAPPEN = 2;
}  // namespace

void Grafik_Wappen_Set_Hook(Grafik_Wappen_Hook hook) { wappen_hook = hook; }

namespace {

// Crests of the resource file at a fixed size, made once: the menu draws the same few crests
// shrunk on every refresh. Kept by entry, depth and size while the file stays open.
struct Wappen_Schluessel {
    int32_t resfile, eintrag, depth, w, h;
    uint32_t stand;
    bool operator<(const Wappen_Schluessel& o) const
    {
        return std::tie(resfile, eintrag, depth, w, h, stand) < std::tie(o.resfile, o.eintrag, o.depth, o.w, o.h, o.stand);
    }
};
struct Wappen_Bild {
    std::vector<uint8_t> pixel;
    uint32_t width, height;
    uint8_t depth;
    uint16_t x_offset, y_offset;
};
std::map<Wappen_Schluessel, Wappen_Bild> wappen_gemacht;
// A few hundred crests at most in a world; beyond that nothing more is kept.
constexpr size_t WAPPEN_GEMACHT_MAX = 2048;

bool einfach(const Rastport* b) { return b && !b->packed && !b->mask && !b->companion && !b->extra && !b->palette; }

size_t pixel_bytes(const Rastport* b) { return size_t(b->width) * b->height * Grafik_Bytes_Pro_Pixel(b->depth); }

Rastport* aus_gemacht(const Wappen_Bild& g)
{
    Rastport* b = Grafik_Bitmap_Anlegen(int32_t(g.width), int32_t(g.height), g.depth);
    if (b) std::memcpy(b->pixels, g.pixel.data(), g.pixel.size());
    ResFile_Letzter_X_Offset = g.x_offset;
    ResFile_Letzter_Y_Offset = g.y_offset;
    return b;
}

// Brings the crest to w x h; the crest given is freed. Null when memory runs out.
Rastport* skaliert(Rastport* wappen, int32_t w, int32_t h)
{
    const int32_t bw = int32_t(wappen->width), bh = int32_t(wappen->height);
    Rastport* neu = Grafik_Bitmap_Anlegen(w, h, wappen->depth);
    if (neu) {
        if (w <= bw && h <= bh)
            Grafik_Bild_Verkleinern(wappen, neu, w, h);
        else
            Grafik_Bild_Vergroessern(wappen, neu, h);
    }
    Grafik_Bitmap_Freigeben(wappen);
    return neu;
}

}  // namespace

Rastport* Grafik_Wappen_Laden(int32_t resfile, Rastport* target, int32_t depth, int32_t team,
                              int32_t x, int32_t y, int32_t transparent, int32_t w, int32_t h)
{
    Grafik_Seite_Beschrieben(target);
    int32_t nummer = WAPPEN_OHNE_TEAM, user = 0;
    if (team >= 0 && wappen_hook) nummer = wappen_hook(team, &user);
    if (w > 0 || h > 0) {
        if (w < 0) w = h;
        if (h < 0) h = w;
    }
    const bool skalieren = w > 0 && h > 0;
    Rastport* wappen = nullptr;
    std::optional<Wappen_Schluessel> schluessel;
    if (user) {
        // a missing user picture shows no crest at all
        int32_t gefunden = 0;
        wappen = Pic_Change_Load_User_Bild(nummer, nullptr, depth, PIC_ART_WAPPEN, &gefunden);
    } else {
        // damaged numbers (negative or too large) get the neutral crest
        if (nummer < 0 || nummer > WAPPEN_NEUTRAL) nummer = WAPPEN_NEUTRAL;
        int32_t eintrag = WAPPEN_BILD_BASIS + nummer;
        if (skalieren) {
            schluessel = Wappen_Schluessel{resfile, eintrag, depth, w, h, ResFile_Stand(resfile)};
            if (auto it = wappen_gemacht.find(*schluessel); it != wappen_gemacht.end()) {
                wappen = aus_gemacht(it->second);
                if (!wappen) return nullptr;
                schluessel.reset();
                w = h = 0;
            }
        }
        if (!wappen && ResFile_Get_Typ(resfile, eintrag) == RES_BITMAP)
            wappen = static_cast<Rastport*>(Load_Resource(resfile, eintrag, depth, nullptr));
    }
    if (!wappen) return nullptr;
    if (w > 0 && h > 0) {
        const uint16_t xo = ResFile_Letzter_X_Offset, yo = ResFile_Letzter_Y_Offset;
        wappen = skaliert(wappen, w, h);
        if (!wappen) return nullptr;
        if (schluessel && einfach(wappen) && wappen_gemacht.size() < WAPPEN_GEMACHT_MAX) {
            const auto* p = static_cast<const uint8_t*>(wappen->pixels);
            wappen_gemacht[*schluessel] = {std::vector<uint8_t>(p, p + pixel_bytes(wappen)), wappen->width,
                                           wappen->height, wappen->depth, xo, yo};
        }
    }
    if (!target) return wappen;
    int32_t ww = int32_t(wappen->width), wh = int32_t(wappen->height);
    if (transparent)
        Grafik_Blit_Transparent(wappen, 0, 0, ww, wh, target, x, y);
    else
        Grafik_Blit(wappen, 0, 0, ww, wh, target, x, y);
    Grafik_Bitmap_Freigeben(wappen);
    return nullptr;
}

void Grafik_Bild_Verkleinern(Rastport* source, Rastport* target, int32_t w, int32_t h)
{
    Grafik_Seite_Beschrieben(target);
    if (!source || !target || target->packed || !target->pixels || w <= 0 || h <= 0) return;
    if (w > int32_t(source->width) || h > int32_t(source->height)) return;
    if (w > int32_t(target->width) || h > int32_t(target->height)) return;
    if (w >= MAX_W && h >= MAX_H) return;
    if (w > MAX_W || h > MAX_H) return;
    Entpackt hilfe;
    Rastport* src = hilfe.von(source);
    if (!src || !src->pixels) return;
    const int32_t sw = int32_t(src->width), sh = int32_t(src->height);
    if (w == sw && h == sh) {
        Grafik_Blit(src, 0, 0, w, h, target, 0, 0);
        return;
    }
    if ((src->depth != 15 && src->depth != 16) || target->depth != src->depth) return;

    // Every byte of the planes and of the small picture is written below before it is read (the
    // split and the join cover them whole, the loop every target pixel): nothing to clear first.
    auto ebene_neu = [](int32_t bw, int32_t bh) { return Grafik_Bitmap_Anlegen_Ungeloescht(bw, bh, 8, false); };
    Rastport* ein[3] = {ebene_neu(sw, sh), ebene_neu(sw, sh), ebene_neu(sw, sh)};
    Rastport* aus[3] = {ebene_neu(w, h), ebene_neu(w, h), ebene_neu(w, h)};
    Rastport* klein = Grafik_Bitmap_Anlegen_Ungeloescht(w, h, src->depth, false);
    if (klein && ein[0] && ein[1] && ein[2] && aus[0] && aus[1] && aus[2] &&
        Grafik_Kanaele_Trennen(src, ein[0], ein[1], ein[2], nullptr)) {
        const int32_t fx = (sw << 7) / w, fy = (sh << 7) / h;
        int32_t spalte[MAX_W + 1], zeile[MAX_H + 1];
        for (int32_t i = 0; i <= w; ++i) spalte[i] = (i * fx) >> 7;
        for (int32_t j = 0; j <= h; ++j) zeile[j] = (j * fy) >> 7;
        const auto* quelle = static_cast<const uint16_t*>(src->pixels);
        const uint8_t* e[3] = {&ebene(ein[0], 0, 0), &ebene(ein[1], 0, 0), &ebene(ein[2], 0, 0)};
        uint8_t* a[3] = {&ebene(aus[0], 0, 0), &ebene(aus[1], 0, 0), &ebene(aus[2], 0, 0)};
        for (int32_t j = 0; j < h; ++j) {
            const int32_t y0 = zeile[j], y1 = zeile[j + 1];
            for (int32_t i = 0; i < w; ++i) {
                const int32_t x0 = spalte[i], x1 = spalte[i + 1];
                uint32_t summe[3] = {0, 0, 0};
                bool farbig = false;
                for (int32_t y = y0; y < y1; ++y) {
                    const size_t reihe = size_t(y) * size_t(sw);
                    const uint8_t *r0 = e[0] + reihe, *r1 = e[1] + reihe, *r2 = e[2] + reihe;
                    const uint16_t* q = quelle + reihe;
                    for (int32_t x = x0; x < x1; ++x) {
                        summe[0] += r0[x];
                        summe[1] += r1[x];
                        summe[2] += r2[x];
                        farbig |= q[x] != 0;
                    }
                }
                const uint32_t anzahl = y1 > y0 && x1 > x0 ? uint32_t(y1 - y0) * uint32_t(x1 - x0) : 0;
                const size_t ziel = size_t(j) * size_t(w) + size_t(i);
                for (int k = 0; k < 3; ++k) a[k][ziel] = uint8_t(anzahl ? summe[k] / anzahl : 0);
                // a visible area must not become the transparent value 0
                if (farbig && a[2][ziel] < 8) a[2][ziel] = 8;
            }
        }
        if (Grafik_Kanaele_Verbinden(klein, aus[0], aus[1], aus[2]))
            Grafik_Blit(klein, 0, 0, w, h, target, 0, 0);
    }
    for (int k = 0; k < 3; ++k) {
        Grafik_Bitmap_Freigeben(ein[k]);
        Grafik_Bitmap_Freigeben(aus[k]);
    }
    Grafik_Bitmap_Freigeben(klein);
}

void Grafik_Bild_Vergroessern(Rastport* source, Rastport* target, int32_t h)
{
    Grafik_Seite_Beschrieben(target);
    if (!source || !target || target->packed || !target->pixels) return;
    const int32_t w = int32_t(target->width);
    if (w <= 0 || h <= 0 || w > MAX_W || h > MAX_H || h > int32_t(target->height)) return;
    Entpackt hilfe;
    Rastport* src = hilfe.von(source);
    if (!src || !src->pixels || src->depth != target->depth) return;
    const int32_t sw = int32_t(src->width), sh = int32_t(src->height);
    if (sw <= 0 || sh <= 0) return;
    const size_t bpp = Grafik_Bytes_Pro_Pixel(src->depth);
    const int64_t fx = (int64_t(sw) << 7) / w, fy = (int64_t(sh) << 7) / h;
    std::vector<int32_t> spalte(size_t(w) + 1);
    for (int32_t i = 0; i <= w; ++i) spalte[size_t(i)] = int32_t((i * fx) >> 7);
    auto* quelle = static_cast<const uint8_t*>(src->pixels);
    auto* ziel = static_cast<uint8_t*>(target->pixels);
    int32_t vorige = -1;
    for (int32_t j = 0; j < h; ++j) {
        int32_t sy = int32_t((j * fy) >> 7);
        uint8_t* z = ziel + size_t(j) * w * bpp;
        if (sy == vorige) {
            std::memcpy(z, z - size_t(w) * bpp, size_t(w) * bpp);
            continue;
        }
        vorige = sy;
        const uint8_t* q = quelle + size_t(sy) * sw * bpp;
        for (int32_t i = 0; i < w; ++i)
            std::memcpy(z + size_t(i) * bpp, q + size_t(spalte[size_t(i)]) * bpp, bpp);
    }
}

uint8_t Palette_High_Nibble(uint8_t byte) { return uint8_t(byte >> 4); }

void Palette_Low_Nibble_Setzen(uint8_t* byte, int32_t value)
{
    if (byte) *byte = uint8_t((*byte & 0xF0) | (value & 15));
}

uint8_t Palette_Shade(int32_t c, int32_t d)
{
    int32_t v = (c >> 2) - d;
    return uint8_t(v < 0 ? 0 : v);
}

namespace {

void rampe(uint8_t* pal, const Rgb8& c, int32_t start, int32_t n, bool invertiert = false)
{
    for (int32_t i = 0; i < n; ++i) {
        uint8_t* e = pal + 3 * (start + i);
        e[0] = Palette_Shade(c.r, 6 * i);
        e[1] = Palette_Shade(c.g, 6 * i);
        e[2] = Palette_Shade(c.b, 6 * i);
        // inverted within the palette's 6-bit scale
        if (invertiert)
            for (int k = 0; k < 3; ++k) e[k] = uint8_t(63 - e[k]);
    }
}

int32_t abstand(const Rgb8& a, const Rgb8& b)
{
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

}  // namespace

void Grafik_Palette_Rampen(const Rgb8* a, const Rgb8* b, uint8_t* pal)
{
    if (!a || !pal) return;
    rampe(pal, a[0], 236, 5);
    rampe(pal, a[3], 241, 5);
    if (b) {
        rampe(pal, b[0], 222, 5);
        rampe(pal, b[3], 227, 5);
        int32_t k = 0, summe = 0;
        for (int32_t j = 0; j < 4; ++j) {
            summe += abstand(a[0], b[j]);
            if (summe >= 300) break;
            k = j + 1;
        }
        switch (k) {
            case 1: rampe(pal, b[1], 222, 5); rampe(pal, b[4], 227, 5); break;
            case 2: rampe(pal, b[2], 222, 5); rampe(pal, b[5], 227, 5); break;
            case 3: rampe(pal, b[3], 222, 5); rampe(pal, b[3], 227, 5); break;
            case 4: rampe(pal, b[0], 222, 5, true); rampe(pal, b[3], 227, 5, true); break;
            default: rampe(pal, a[0], 236, 5); rampe(pal, a[3], 241, 5); break;
        }
    }
    rampe(pal, a[7], 232, 2);
    rampe(pal, a[6], 234, 2);
    rampe(pal, a[11], 185, 2);
    rampe(pal, a[10], 188, 4);
    rampe(pal, a[8], 202, 5);
    rampe(pal, a[9], 200, 2);
    if (b) {
        rampe(pal, b[7], 218, 2);
        rampe(pal, b[6], 220, 2);
        rampe(pal, b[11], 177, 2);
        rampe(pal, b[10], 180, 4);
        rampe(pal, b[8], 157, 5);
        rampe(pal, b[9], 154, 2);
    }
}

void Grafik_Palette_Remap_Tabelle(uint8_t colour, uint8_t* t, int32_t side, int32_t mode)
{
    if (!t) return;
    for (int32_t i = 0; i < 256; ++i) t[i] = uint8_t(i);
    for (int32_t i = 162; i <= 168; ++i) t[i] = uint8_t(std::min(i + (colour & 15), 174));
    t[216] = uint8_t(Palette_High_Nibble(colour) - 44);
    if (mode == 1) {
        for (int32_t i = 232; i <= 245; ++i) t[i] = 193;
    } else if (mode == 0 && side == 1) {
        auto senden = [t](int32_t von, int32_t bis, int32_t nach) {
            for (int32_t i = von; i <= bis; ++i) t[i] = uint8_t(nach + i - von);
        };
        senden(236, 240, 222);
        senden(241, 245, 227);
        senden(234, 235, 220);
        senden(232, 233, 218);
        senden(185, 186, 177);
        senden(188, 191, 180);
        senden(202, 206, 157);
        senden(200, 201, 154);
    }
}
