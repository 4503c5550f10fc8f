#include "graphics/grafik_blit.h"

#include <cstring>

#include "graphics/grafik_meldung.h"
#include "graphics/grafik_screen.h"
#include "graphics/pixel.h"
#include "platform/display.h"
#include "platform/maus.h"
#include "platform/resfile.h"

namespace {

// A rectangle wholly inside both bitmaps, as most are: the clip leaves it as it is.
inline bool ganz_innen(int32_t x, int32_t y, int32_t ww, int32_t hh, int32_t sw, int32_t sh,
                       int32_t tx, int32_t ty, int32_t dw, int32_t dh)
{
    return x >= 0 && x + ww <= sw && y >= 0 && y + hh <= sh && tx >= 0 && tx + ww <= dw && ty >= 0 &&
           ty + hh <= dh && hh > 0 && ww > 0;
}

}  // namespace

int Grafik_Blit_Clip(int32_t* sx, int32_t* sy, int32_t* w, int32_t* h, int32_t sw, int32_t sh,
                     int32_t* dx, int32_t* dy, int32_t dw, int32_t dh)
{
    if (!sx || !sy || !w || !h || !dx || !dy) return 0;
    int32_t& x = *sx;
    int32_t& y = *sy;
    int32_t& ww = *w;
    int32_t& hh = *h;
    int32_t& tx = *dx;
    int32_t& ty = *dy;
    if (ganz_innen(x, y, ww, hh, sw, sh, tx, ty, dw, dh)) return 1;
    if (!(x < sw && y < sh && x + ww > 0 && y + hh > 0 && tx < dw && ty < dh)) return 0;
    if (x < 0) {
        ww += x, tx -= x, x = 0;
        if (ww < 1) return 0;
    }
    if (x + ww > sw) ww = sw - x;
    if (y < 0) {
        hh += y, ty -= y, y = 0;
        if (hh < 1) hh = 0;
    }
    if (y + hh > sh) hh = sh - y;
    if (!(hh > 0 && ww > 0 && tx + ww > 0 && ty + hh > 0)) return 0;
    if (tx < 0) {
        x -= tx, ww += tx, tx = 0;
        if (ww < 1) return 0;
    }
    if (ty < 0) {
        y -= ty, hh += ty, ty = 0;
        if (hh < 1) return 0;
    }
    if (tx + ww > dw) {
        ww = dw - tx;
        if (ww < 1) return 0;
    }
    if (ty + hh > dh) {
        hh = dh - ty;
        if (hh < 1) return 0;
    }
    return (ww >= 0 && hh >= 0 && tx >= 0 && ty >= 0 && x >= 0 && y >= 0) ? 1 : 0;
}

namespace {

// One blit call after the common checks: clipped rectangle and the source to read from (an
// unpacked copy of a packed source, freed with the call).
struct Auftrag {
    Rastport* src = nullptr;
    Rastport* dst = nullptr;
    int32_t sx = 0, sy = 0, w = 0, h = 0, dx = 0, dy = 0;
    Rastport* unpacked = nullptr;
    // onto a page nobody sees: the blit reports success and draws nothing
    bool ungesehen = false;
    ~Auftrag()
    {
        if (unpacked) Grafik_Bitmap_Freigeben(unpacked);
    }

    const uint16_t* s16() const { return static_cast<const uint16_t*>(src->pixels); }
    const uint8_t* s8() const { return static_cast<const uint8_t*>(src->pixels); }
    uint16_t* d16() const { return static_cast<uint16_t*>(dst->pixels); }
    uint8_t* d8() const { return static_cast<uint8_t*>(dst->pixels); }
    int32_t sw() const { return int32_t(src->width); }
    int32_t dw() const { return int32_t(dst->width); }
    bool hicolor() const { return dst->depth == 15 || dst->depth == 16; }
    bool to_screen() const { return Grafik_Ist_Seite_0(dst); }
};

enum class Tiefe { Gleich, Acht_Auf_Hicolor };

bool depth_ok(int d) { return d == 8 || d == 15 || d == 16; }

// Argument checks, clipping and unpacking; false: the blit returns 0.
bool vorbereiten(Auftrag& a, Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                 Rastport* dst, int32_t dx, int32_t dy, Tiefe tiefe = Tiefe::Gleich, bool deckend = false)
{
    if (!src || !dst || dst->packed || !depth_ok(src->depth) || !depth_ok(dst->depth)) return false;
    if (tiefe == Tiefe::Gleich && src->depth != dst->depth) return false;
    if (tiefe == Tiefe::Acht_Auf_Hicolor && (src->depth != 8 || dst->depth == 8)) return false;
    if (src->width > 0x7FFFFFFF || src->height > 0x7FFFFFFF || dst->width > 0x7FFFFFFF ||
        dst->height > 0x7FFFFFFF)
        return false;
    const int32_t sw = int32_t(src->width), sh = int32_t(src->height);
    const int32_t dw = int32_t(dst->width), dh = int32_t(dst->height);
    if (!ganz_innen(sx, sy, w, h, sw, sh, dx, dy, dw, dh) &&
        !Grafik_Blit_Clip(&sx, &sy, &w, &h, sw, sh, &dx, &dy, dw, dh))
        return false;
    if (w <= 0 || h <= 0) return false;
    if (Grafik_Ist_Seite_0(src) && Grafik_Ist_Seite_0(dst)) return false;
    Grafik_Flaeche_Melden(src, sx, sy, w, h, dst, dx, dy, deckend);
    Grafik_Seite_Beschrieben(dst, dy, h);
    if (Grafik_Seite_Ungesehen(dst)) {
        a.ungesehen = true;
        a.src = src, a.dst = dst;
        return true;
    }
    if (src->packed) {
        a.unpacked = Unpack_Bitmap(src, src->depth);
        if (!a.unpacked || a.unpacked->width != src->width || a.unpacked->height != src->height ||
            a.unpacked->depth != src->depth || a.unpacked->packed)
            return false;
        src = a.unpacked;
    }
    a.src = src, a.dst = dst;
    a.sx = sx, a.sy = sy, a.w = w, a.h = h, a.dx = dx, a.dy = dy;
    return true;
}

Pixel_Auswahl auswahl_of(const Rastport* src)
{
    return src->mask ? Pixel_Auswahl::Maske : Pixel_Auswahl::Schluessel;
}

}  // namespace

int Grafik_Blit(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h, Rastport* dst,
                int32_t dx, int32_t dy)
{
    Auftrag a;
    if (!vorbereiten(a, src, sx, sy, w, h, dst, dx, dy, Tiefe::Gleich, true)) return 0;
    if (a.ungesehen) return 1;
    auto copy = [&] {
        if (a.hicolor())
            Grafik_Blit_16_Zeilen(a.s16(), a.sx, a.sy, a.w, a.h, a.sw(), a.d16(), a.dx, a.dy, a.dw());
        else
            Pixel_Kopieren_8(a.s8(), a.sx, a.sy, a.w, a.h, a.sw(), a.d8(), a.dx, a.dy, a.dw());
    };
    if (!a.to_screen()) {
        copy();
        return 1;
    }
    const auto& g = Grafik_Screen_Geometrie;
    bool whole = a.sw() == g.width && a.sx == 0 && a.sy == 0 && a.dx == 0 && a.dy == 0 &&
                 a.w == g.width && a.h == g.height;
    if (a.hicolor()) {
        if (!whole) return Grafik_Screen_Schreiben(Grafik_Pfad::Seite_0, a.dx, a.dy, a.w, a.h, copy);
        // One copy of the whole screen instead of the widened rectangle.
        if (g.write_through) copy();
        return Grafik_Screen_Seite_Zeigen(0);
    }
    return Grafik_Screen_Schreiben(Grafik_Pfad::Surface_Getrennt, a.dx, a.dy, a.w, a.h, copy);
}

int Grafik_Blit_Transparent(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                            Rastport* dst, int32_t dx, int32_t dy)
{
    Auftrag a;
    if (!vorbereiten(a, src, sx, sy, w, h, dst, dx, dy)) return 0;
    if (a.ungesehen) return 1;
    auto draw = [&] {
        if (a.hicolor())
            Pixel_Transparent_16(a.s16(), a.sx, a.sy, a.w, a.h, a.sw(), a.d16(), a.dx, a.dy, a.dw(),
                                 a.src->mask);
        else
            Pixel_Transparent_8(a.s8(), a.sx, a.sy, a.w, a.h, a.sw(), a.d8(), a.dx, a.dy, a.dw(),
                                a.src->mask);
    };
    if (!a.to_screen()) {
        draw();
        return 1;
    }
    return Grafik_Screen_Schreiben(a.hicolor() ? Grafik_Pfad::Seite_0 : Grafik_Pfad::Surface_Getrennt, a.dx, a.dy, a.w, a.h, draw);
}

int Grafik_Blit_Einfarbig(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                          Rastport* dst, int32_t dx, int32_t dy, int16_t colour)
{
    Auftrag a;
    if (!vorbereiten(a, src, sx, sy, w, h, dst, dx, dy) || !a.hicolor()) return 0;
    if (a.ungesehen) return 1;
    auto draw = [&] {
        Pixel_Einfarbig_16(a.s16(), a.sx, a.sy, a.w, a.h, a.sw(), a.d16(), a.dx, a.dy, a.dw(),
                           a.src->mask, uint16_t(colour));
    };
    if (!a.to_screen()) {
        draw();
        return 1;
    }
    return Grafik_Screen_Schreiben(Grafik_Pfad::Seite_0, a.dx, a.dy, a.w, a.h, draw);
}

int Grafik_Blit_Gespiegelt(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                           Rastport* dst, int32_t dx, int32_t dy)
{
    Auftrag a;
    if (!vorbereiten(a, src, sx, sy, w, h, dst, dx, dy) || !a.hicolor() || a.to_screen()) return 0;
    if (a.ungesehen) return 1;
    return Pixel_Gespiegelt_16(a.s16(), a.sx, a.sy, a.w, a.h, a.sw(), a.d16(), a.dx, a.dy, a.dw(),
                               a.src->mask);
}

int Grafik_Blit_Aufhellen(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                          Rastport* dst, int32_t dx, int32_t dy, int32_t k)
{
    Auftrag a;
    if (!vorbereiten(a, src, sx, sy, w, h, dst, dx, dy) || !a.hicolor()) return 0;
    if (a.ungesehen) return 1;
    auto draw = [&] {
        Pixel_Aufhellen(a.dst->depth, a.s16(), a.sx, a.sy, a.w, a.h, a.sw(), a.d16(), a.dx, a.dy,
                        a.dw(), k);
    };
    if (!a.to_screen()) {
        draw();
        return 1;
    }
    return Grafik_Screen_Schreiben(Grafik_Pfad::Surface_Rechnen, a.dx, a.dy, a.w, a.h, draw);
}

// The blit's k is the amount of darkening; the loops take the multiplier of the source.
static int32_t darken_factor(int32_t k) { return 128 - (k < 0 ? 0 : (k > 128 ? 128 : k)); }

int Grafik_Blit_Abdunkeln(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                          Rastport* dst, int32_t dx, int32_t dy, int32_t k)
{
    Auftrag a;
    if (!vorbereiten(a, src, sx, sy, w, h, dst, dx, dy) || !a.hicolor()) return 0;
    if (a.ungesehen) return 1;
    bool screen = a.to_screen();
    auto draw = [&] {
        Pixel_Abdunkeln(a.dst->depth, a.s16(), a.sx, a.sy, a.w, a.h, a.sw(), a.d16(), a.dx, a.dy,
                        a.dw(), Pixel_Auswahl::Alle, nullptr, darken_factor(k),
                        screen ? Null_Regel::Keine : Null_Regel::Wenn_Quelle);
    };
    if (!screen) {
        draw();
        return 1;
    }
    return Grafik_Screen_Schreiben(Grafik_Pfad::Surface_Rechnen, a.dx, a.dy, a.w, a.h, draw);
}

int Grafik_Blit_Abdunkeln_Maske(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                                Rastport* dst, int32_t dx, int32_t dy, int32_t k)
{
    Auftrag a;
    if (!vorbereiten(a, src, sx, sy, w, h, dst, dx, dy) || !a.hicolor() || a.to_screen()) return 0;
    if (a.ungesehen) return 1;
    return Pixel_Abdunkeln(a.dst->depth, a.s16(), a.sx, a.sy, a.w, a.h, a.sw(), a.d16(), a.dx,
                           a.dy, a.dw(), auswahl_of(a.src), a.src->mask, darken_factor(k),
                           a.src->mask ? Null_Regel::Immer : Null_Regel::Wenn_Quelle);
}

int Grafik_Blit_Farbe_Mischen(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                              Rastport* dst, int32_t dx, int32_t dy, uint16_t colour, int32_t k)
{
    Auftrag a;
    if (!vorbereiten(a, src, sx, sy, w, h, dst, dx, dy) || !a.hicolor()) return 0;
    if (a.ungesehen) return 1;
    bool screen = a.to_screen();
    auto draw = [&] {
        Pixel_Farbe_Mischen(a.dst->depth, a.s16(), a.sx, a.sy, a.w, a.h, a.sw(), a.d16(), a.dx,
                            a.dy, a.dw(), Pixel_Auswahl::Alle, nullptr, colour, darken_factor(k),
                            screen ? Null_Regel::Keine : Null_Regel::Wenn_Quelle);
    };
    if (!screen) {
        draw();
        return 1;
    }
    return Grafik_Screen_Schreiben(Grafik_Pfad::Seite_0, a.dx, a.dy, a.w, a.h, draw);
}

int Grafik_Blit_Mischen_Maske(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                              Rastport* dst, int32_t dx, int32_t dy, uint16_t colour, int32_t k)
{
    Auftrag a;
    if (!vorbereiten(a, src, sx, sy, w, h, dst, dx, dy)) return 0;
    if (a.ungesehen) return 1;
    bool screen = a.to_screen();
    if (!a.hicolor()) {
        // 8-bit bitmaps get the colour itself where the source is visible.
        auto draw = [&] {
            Pixel_Einfarbig_8(a.s8(), a.sx, a.sy, a.w, a.h, a.sw(), a.d8(), a.dx, a.dy, a.dw(),
                              a.src->mask, uint8_t(colour));
        };
        if (!screen) {
            draw();
            return 1;
        }
        return Grafik_Screen_Schreiben(Grafik_Pfad::Surface_Getrennt, a.dx, a.dy, a.w, a.h, draw);
    }
    Null_Regel regel = (!screen && a.src->mask) ? Null_Regel::Immer : Null_Regel::Keine;
    auto draw = [&] {
        Pixel_Farbe_Mischen(a.dst->depth, a.s16(), a.sx, a.sy, a.w, a.h, a.sw(), a.d16(), a.dx,
                            a.dy, a.dw(), auswahl_of(a.src), a.src->mask, colour, darken_factor(k),
                            regel);
    };
    if (!screen) {
        draw();
        return 1;
    }
    return Grafik_Screen_Schreiben(Grafik_Pfad::Seite_0, a.dx, a.dy, a.w, a.h, draw);
}

static int einfaerben(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h, Rastport* dst,
                      int32_t dx, int32_t dy, uint16_t colour, bool maske)
{
    Auftrag a;
    if (!vorbereiten(a, src, sx, sy, w, h, dst, dx, dy) || !a.hicolor()) return 0;
    if (a.ungesehen) return 1;
    auto draw = [&] {
        Pixel_Einfaerben(a.dst->depth, a.s16(), a.sx, a.sy, a.w, a.h, a.sw(), a.d16(), a.dx, a.dy,
                         a.dw(), maske ? auswahl_of(a.src) : Pixel_Auswahl::Alle, a.src->mask,
                         colour);
    };
    if (!a.to_screen()) {
        draw();
        return 1;
    }
    return Grafik_Screen_Schreiben(Grafik_Pfad::Seite_0, a.dx, a.dy, a.w, a.h, draw);
}

int Grafik_Blit_Einfaerben(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                           Rastport* dst, int32_t dx, int32_t dy, uint16_t colour)
{
    return einfaerben(src, sx, sy, w, h, dst, dx, dy, colour, false);
}

int Grafik_Blit_Einfaerben_Maske(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                                 Rastport* dst, int32_t dx, int32_t dy, uint16_t colour)
{
    return einfaerben(src, sx, sy, w, h, dst, dx, dy, colour, true);
}

static int ueberblenden(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                        Rastport* dst, int32_t dx, int32_t dy, int32_t weight, Rastport* bg,
                        int32_t bx, int32_t by, bool maske)
{
    if (bg && (bg->packed || !src || bg->width < src->width || bg->height < src->height ||
               !dst || bg->depth != dst->depth))
        return 0;
    int32_t dx0 = dx, dy0 = dy;
    Auftrag a;
    if (!vorbereiten(a, src, sx, sy, w, h, dst, dx, dy) || !a.hicolor()) return 0;
    if (a.ungesehen) return 1;
    const uint16_t* c = nullptr;
    int32_t cw = 0;
    if (bg) {
        // The background walks with the destination position, clipped or not; nothing may be
        // read outside it.
        bx += a.dx - dx0, by += a.dy - dy0;
        if (bx < 0 || by < 0 || int64_t(bx) + a.w > int64_t(bg->width) ||
            int64_t(by) + a.h > int64_t(bg->height))
            return 0;
        c = static_cast<const uint16_t*>(bg->pixels);
        cw = int32_t(bg->width);
    }
    auto draw = [&] {
        Pixel_Ueberblenden(a.dst->depth, a.s16(), a.sx, a.sy, a.w, a.h, a.sw(), a.d16(), a.dx,
                           a.dy, a.dw(), maske ? auswahl_of(a.src) : Pixel_Auswahl::Alle,
                           a.src->mask, weight, c, bx, by, cw);
    };
    if (!a.to_screen()) {
        draw();
        return 1;
    }
    return Grafik_Screen_Schreiben(Grafik_Pfad::Surface_Rechnen, a.dx, a.dy, a.w, a.h, draw);
}

int Grafik_Blit_Ueberblenden(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                             Rastport* dst, int32_t dx, int32_t dy, int32_t a, Rastport* bg,
                             int32_t bx, int32_t by)
{
    return ueberblenden(src, sx, sy, w, h, dst, dx, dy, a, bg, bx, by, false);
}

int Grafik_Blit_Ueberblenden_Maske(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                                   Rastport* dst, int32_t dx, int32_t dy, int32_t a, Rastport* bg,
                                   int32_t bx, int32_t by)
{
    return ueberblenden(src, sx, sy, w, h, dst, dx, dy, a, bg, bx, by, true);
}

int Grafik_Blit_8_Auf_Hicolor(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                              Rastport* dst, int32_t dx, int32_t dy, uint16_t colour)
{
    Auftrag a;
    if (!vorbereiten(a, src, sx, sy, w, h, dst, dx, dy, Tiefe::Acht_Auf_Hicolor)) return 0;
    if (a.ungesehen) return 1;
    if (!a.to_screen())
        return Pixel_Alpha_Farbe(a.dst->depth, a.s8(), a.sx, a.sy, a.w, a.h, a.sw(), a.d16(),
                                 a.dx, a.dy, a.dw(), colour);
    // Onto the screen through a copy of the destination rectangle, so that the write goes
    // through Grafik_Blit.
    Rastport* tmp = Grafik_Bitmap_Anlegen(a.w, a.h, a.dst->depth);
    if (!tmp) return 0;
    auto* t = static_cast<uint16_t*>(tmp->pixels);
    Grafik_Blit_16_Zeilen(a.d16(), a.dx, a.dy, a.w, a.h, a.dw(), t, 0, 0, a.w);
    Pixel_Alpha_Farbe(a.dst->depth, a.s8(), a.sx, a.sy, a.w, a.h, a.sw(), t, 0, 0, a.w, colour);
    int result = Grafik_Blit(tmp, 0, 0, a.w, a.h, a.dst, a.dx, a.dy);
    Grafik_Bitmap_Freigeben(tmp);
    return result;
}
