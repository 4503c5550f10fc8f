#include "graphics/grafik_printf.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <utility>
#include <vector>

#include "graphics/grafik_blit.h"
#include "graphics/grafik_meldung.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_wappen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/handle.h"
#include "platform/resfile.h"

namespace {

// Characters available before the terminator, at most n: code arguments are never read or
// skipped past the end of a text.
int32_t vorhanden(const char* p, int32_t n)
{
    int32_t i = 0;
    while (i < n && p[i]) ++i;
    return i;
}

int32_t dezimal(const char* p, int32_t n)
{
    int32_t len = vorhanden(p, n), v = 0, i = 0;
    bool minus = len > 0 && p[0] == '-';
    if (minus) i = 1;
    for (; i < len; ++i) v = v * 10 + (p[i] >= '0' && p[i] <= '9' ? p[i] - '0' : 0);
    return minus ? -v : v;
}

int32_t proportional(const Font_Record* f, uint8_t c)
{
    int i = c - 32;
    return int32_t(f->glyph_width[i] + f->spacing + f->extra_advance[i]);
}

int32_t blank(const Font_Record* f) { return int32_t(f->glyph_width[0]); }

bool ist_bild_kind_transparent(char k) { return k == 't' || k == 'n' || k == 'u' || k == 'l'; }

}  // namespace

int32_t Font_Zahl_Lesen(const char* text) { return text ? dezimal(text, 4) : 0; }
int32_t Font_Farbe_Lesen(const char* text) { return text ? dezimal(text, 5) : 0; }

uint32_t Font_Hex_Lesen(const char* text, int32_t count)
{
    if (!text) return 0;
    int32_t len = vorhanden(text, count);
    uint32_t v = 0;
    for (int32_t i = 0; i < len; ++i) {
        char c = text[i];
        uint32_t d = c >= '0' && c <= '9'   ? uint32_t(c - '0')
                     : c >= 'a' && c <= 'f' ? uint32_t(c - 'a' + 10)
                     : c >= 'A' && c <= 'F' ? uint32_t(c - 'A' + 10)
                                            : 0;
        v = v * 16 + d;
    }
    return v;
}

namespace {

// The ink a run left, for the text reports: x2 and y2 exclusive; x1 > x2 while nothing inked.
struct Tinte {
    int32_t x1 = 1 << 30, y1 = 1 << 30, x2 = -(1 << 30), y2 = -(1 << 30);
};

// Rows of ink of each character of a font (first, last + 1; 0, 0 without ink), measured once.
const std::pair<int16_t, int16_t>& tinte_zeilen(const Font_Record* font, uint8_t c)
{
    static std::map<std::pair<const Font_Record*, const Rastport*>, std::vector<std::pair<int16_t, int16_t>>> tabelle;
    auto& zeilen = tabelle[{font, font->strip}];
    if (zeilen.empty()) {
        zeilen.resize(FONT_TABELLE);
        const Rastport* st = font->strip;
        for (int i = 0; st && !st->packed && i + 32 < 256; ++i) {
            uint32_t x0 = font->strip_x[i], w = font->glyph_width[i];
            if (x0 >= st->width) continue;
            w = std::min(w, st->width - x0);
            int32_t oben = -1, unten = -1;
            for (uint32_t y = 0; y < st->height; ++y)
                for (uint32_t x = x0; x < x0 + w; ++x) {
                    size_t n = size_t(y) * st->width + x;
                    if (st->depth == 8 ? static_cast<const uint8_t*>(st->pixels)[n] == 0
                                       : static_cast<const uint16_t*>(st->pixels)[n] == 0)
                        continue;
                    if (oben < 0) oben = int32_t(y);
                    unten = int32_t(y);
                    break;
                }
            if (oben >= 0) zeilen[size_t(i)] = {int16_t(oben), int16_t(unten + 1)};
        }
    }
    return zeilen[size_t(c - 32)];
}

int32_t zeichen_ausgeben(Rastport* bitmap, Font_Record* font, const char* text, int32_t* x, int32_t y,
                         int32_t underline, Tinte* tinte);

}  // namespace

int32_t Font_Zeichen_Ausgeben(Rastport* bitmap, Font_Record* font, const char* text, int32_t* x,
                              int32_t y, uint32_t, int32_t underline)
{
    return zeichen_ausgeben(bitmap, font, text, x, y, underline, nullptr);
}

namespace {

int32_t zeichen_ausgeben(Rastport* bitmap, Font_Record* font, const char* text, int32_t* x, int32_t y,
                         int32_t underline, Tinte* tinte)
{
    if (!bitmap || !font || !font->strip || !text || !x) return 0;
    if (font->derived) font->bold = 0;
    Rastport* strip = font->strip;
    const int32_t fix = int32_t(font->fixed_advance), h = int32_t(strip->height);
    const uint16_t farbe = uint16_t(font->colour);
    const bool bold = font->bold != 0;
    // A glyph whose rows or columns (the bold pass's one more included) lie wholly beside the
    // bitmap is clipped away by the blit before it touches or reports anything: it is not
    // handed over at all. The ink report measures glyphs without clipping, so it keeps them.
    // Onto a page nobody sees only the pen moves (the blits would draw nothing either).
    const bool ungesehen = Grafik_Seite_Ungesehen(bitmap);
    const bool zeilen_ausserhalb = ungesehen || y >= int32_t(bitmap->height) || y + h <= 0;
    const int32_t breite = int32_t(bitmap->width);
    int32_t n = 0;
    for (;; ++n) {
        uint8_t c = uint8_t(text[n]);
        if (!c || c == '^') break;
        if (c < 32) continue;
        int i = c - 32;
        int32_t gw = int32_t(font->glyph_width[i]), sx = int32_t(font->strip_x[i]);
        int32_t g = gw + int32_t(font->extra_advance[i]);
        int32_t dx = *x + (fix && g < fix ? fix / 2 - g / 2 : 0);
        const bool ausserhalb = !tinte && (zeilen_ausserhalb || dx >= breite || dx + gw + 1 <= 0);
        if (gw && !ausserhalb) {
            if (font->own_colour && !font->derived) {
                Grafik_Blit_Transparent(strip, sx, 0, gw, h, bitmap, dx, y);
                if (bold) Grafik_Blit_Transparent(strip, sx, 0, gw, h, bitmap, dx + 1, y);
            } else if (font->derived) {
                Grafik_Blit_8_Auf_Hicolor(strip, sx, 0, gw, h, bitmap, dx, y, farbe);
            } else {
                Grafik_Blit_Mischen_Maske(strip, sx, 0, gw, h, bitmap, dx, y, farbe, 128);
                if (bold) Grafik_Blit_Mischen_Maske(strip, sx, 0, gw, h, bitmap, dx + 1, y, farbe, 128);
            }
        }
        if (tinte && gw) {
            const auto& [oben, unten] = tinte_zeilen(font, c);
            if (unten > oben) {
                tinte->x1 = std::min(tinte->x1, dx);
                tinte->x2 = std::max(tinte->x2, dx + gw + (bold ? 1 : 0));
                tinte->y1 = std::min(tinte->y1, y + oben);
                tinte->y2 = std::max(tinte->y2, y + unten);
            }
        }
        if (underline && !ungesehen) {
            int32_t ly = y + int32_t(font->ascent) + 2;
            int32_t ende = dx + gw + 1 + (bold && !font->own_colour && !font->derived ? 1 : 0);
            Grafik_Linie(bitmap, dx - 1, ly, ende, ly, farbe);
        }
        *x += (fix ? fix : gw + int32_t(font->spacing) + int32_t(font->extra_advance[i])) +
              (bold ? 1 : 0);
    }
    return n;
}

}  // namespace

int32_t Font_Text_Breite(Font_Record* font, const char* text)
{
    if (!font || !text || !*text) return 0;
    int32_t fix = int32_t(font->fixed_advance), w = 0;
    const char* p = text;
    while (*p) {
        uint8_t c = uint8_t(*p);
        if (c != '^') {
            if (c >= 32) w += fix ? fix : proportional(font, c);
            ++p;
            continue;
        }
        char l = p[1];
        if (l == 'c') {
            p += 2 + vorhanden(p + 2, 5);
        } else if (l == 'b' || l == 'u') {
            p += 2 + vorhanden(p + 2, 1);
        } else if (l == 'f' && p[2] == 'b') {
            fix = std::max(0, Font_Zahl_Lesen(p + 3));
            p += 3 + vorhanden(p + 3, 4);
        } else if (l == 'f' && p[2] == 'e') {
            fix = 0;
            p += 3;
        } else if (l == 's') {
            p += 2;
        } else if (l == 't' || l == 'z') {
            break;
        } else {
            // Any other code is measured as plain text.
            w += fix ? fix : proportional(font, c);
            ++p;
        }
    }
    return w;
}

int32_t Font_Text_Breite_Mit_Tabs(Font_Record* font, const char* text)
{
    if (!font || !text || !*text) return 0;
    Font_Record* f = font;
    int32_t fix = int32_t(font->fixed_advance), x = 0, breiteste = 0;
    auto zeichen = [&](uint8_t c) {
        if (c >= 32) x += (fix ? fix : proportional(f, c)) + (f->bold ? 1 : 0);
    };
    const char* p = text;
    while (*p) {
        uint8_t c = uint8_t(*p);
        if (c != '^') {
            zeichen(c);
            ++p;
            continue;
        }
        char l = p[1], l2 = l ? p[2] : 0;
        if (l == 'c') {
            p += 2 + vorhanden(p + 2, 5);
        } else if (l == 'b') {
            if (l2 == 'b') f->bold = f->derived ? 0 : 1;
            else if (l2 == 'e') f->bold = 0;
            p += 2 + vorhanden(p + 2, 1);
        } else if (l == 'f' && (l2 == 'b' || l2 == 'e')) {
            fix = l2 == 'b' ? std::max(0, Font_Zahl_Lesen(p + 3)) : 0;
            p += 3 + (l2 == 'b' ? vorhanden(p + 3, 4) : 0);
        } else if (l == 'u' || l == 's') {
            p += 2 + vorhanden(p + 2, 1);
        } else if (l == 'y') {
            Font_Record* neu = Font(Font_Zahl_Lesen(p + 2));
            if (neu) f = neu;
            p += 2 + vorhanden(p + 2, 4);
        } else if (l == 'p') {
            x -= Font_Zahl_Lesen(p + 2);
            p += 2 + vorhanden(p + 2, 4);
        } else if (l == 't' && (l2 == 'a' || l2 == 'l' || l2 == 'r' || l2 == 'z')) {
            int32_t n = Font_Zahl_Lesen(p + 3);
            p += 3 + vorhanden(p + 3, 4);
            if (l2 == 'a' || l2 == 'l') x = n;
            else if (l2 == 'r') x = n - Font_Text_Breite(f, p);
            else x = n + Font_Text_Breite(f, p) / 2;
        } else if (l == 'g' && l2) {
            const char* arg = p[3] ? p + 4 : p + 3;
            if (l2 == 'l') {
                int32_t top = 0;
                x += Font_Zeichen_Hoehe(f, 'A', &top) + 4 + blank(f);
                p = arg + vorhanden(arg, 4);
            } else {
                const Handle_Art art = p[3] == 'l' ? Handle_Art::Bild_Abgegeben : Handle_Art::Bild;
                auto* bild = static_cast<Rastport*>(Handle_Aufloesen(Font_Hex_Lesen(arg, 10), art));
                if (bild) x += int32_t(bild->width) + blank(f) + 2;
                p = arg + vorhanden(arg, 10);
            }
        } else if (l == 'l') {
            breiteste = std::max(breiteste, x);
            x = 0;
            p += 2;
        } else if (l == 'z') {
            return x;
        } else {
            zeichen(c);
            ++p;
        }
    }
    return std::max(breiteste, x);
}

namespace {

struct Druck {
    Rastport* bitmap;
    Font_Record* font;
    int32_t start_x, x, y;
    uint32_t getragen;   // the last colour argument read
    uint32_t gesichert = 1;
    bool sperre = false, unterstrichen = false, transparent = false;
    bool zeichnen = true;  // false: only the fonts' state and the freed pictures change
};

void font_wechseln(Druck& d, Font_Record* neu)
{
    if (!neu) return;
    d.y += int32_t(d.font->ascent) - int32_t(neu->ascent);
    d.font = neu;
    d.font->colour = d.getragen;
}

void bild_zeichnen(Druck& d, Rastport* bild, int32_t x, int32_t y, int32_t w, int32_t h,
                   bool transparent)
{
    if (!d.zeichnen) return;
    if (d.sperre && transparent) Grafik_Blit_Einfarbig(bild, 0, 0, w, h, d.bitmap, x, y, 1);
    else if (transparent) Grafik_Blit_Transparent(bild, 0, 0, w, h, d.bitmap, x, y);
    else Grafik_Blit(bild, 0, 0, w, h, d.bitmap, x, y);
}

// ^g: p points at the kind letter; returns the characters consumed behind "^g".
int32_t bild_code(Druck& d, const char* p)
{
    char kind = p[0];
    if (!kind) return 0;
    char besitz = p[1];
    if (!besitz) return 1;
    if (kind == 's') d.transparent = false;
    else if (ist_bild_kind_transparent(kind)) d.transparent = true;
    int32_t top = 0;
    int32_t s = Font_Zeichen_Hoehe(d.font, 'A', &top);
    if (kind == 'l') {
        int32_t team = Font_Zahl_Lesen(p + 2);
        Rastport* wappen = Grafik_Wappen_Laden(ResFile_Handles[0].handle, nullptr,
                                               d.bitmap->depth, team, 0, 0, 1, s, s);
        if (wappen) {
            bild_zeichnen(d, wappen, d.x, d.y + top, s, s, true);
            d.x += s + blank(d.font);
            Grafik_Bitmap_Freigeben(wappen);
        }
        return 2 + vorhanden(p + 2, 4);
    }
    uint32_t handle = Font_Hex_Lesen(p + 2, 10);
    // Ownership 'l' frees the picture after drawing: only a picture handed over to this drawing
    // may be named so; any other handle resolves to nothing, as an unknown one does.
    const Handle_Art art = besitz == 'l' ? Handle_Art::Bild_Abgegeben : Handle_Art::Bild;
    auto* bild = static_cast<Rastport*>(Handle_Aufloesen(handle, art));
    if (bild) {
        if (kind == 'n' || kind == 'u') {
            bild_zeichnen(d, bild, d.x, d.y + top + 1 + (kind == 'u' ? 3 : 0), int32_t(bild->width),
                          int32_t(bild->height), true);
            d.x += int32_t(bild->width) + blank(d.font);
        } else if (Rastport* tmp = Grafik_Bitmap_Anlegen(s, s, d.bitmap->depth)) {
            Grafik_Bild_Verkleinern(bild, tmp, s, s);
            bild_zeichnen(d, tmp, d.x, d.y + top, s, s, d.transparent);
            d.x += s + blank(d.font);
            Grafik_Bitmap_Freigeben(tmp);
        }
        if (besitz == 'l') {
            Handle_Freigeben(handle);
            Grafik_Bitmap_Freigeben(bild);
        }
    }
    return 2 + vorhanden(p + 2, 10);
}

// One code at p (p[0] == '^'); returns the characters consumed.
int32_t code(Druck& d, const char* p)
{
    Font_Record* f = d.font;
    char l = p[1], l2 = l ? p[2] : 0;
    switch (l) {
    case 0:
        return 1;
    case 'c': {
        uint32_t v = uint32_t(Font_Farbe_Lesen(p + 2));
        d.getragen = v;
        if (v == 0) {
            f->colour = d.gesichert;
        } else if (!d.sperre) {
            d.gesichert = f->colour;
            f->colour = v;
        }
        return 2 + vorhanden(p + 2, 5);
    }
    case 'i':
        if (l2 != 'c') return 2;
        {
            uint32_t v = uint32_t(Font_Farbe_Lesen(p + 3));
            d.getragen = v;
            if (v) {
                f->colour = v;
                d.sperre = true;
            }
            return 3 + vorhanden(p + 3, 5);
        }
    case 'y':
        font_wechseln(d, Font(Font_Zahl_Lesen(p + 2)));
        return 2 + vorhanden(p + 2, 4);
    case 'x':
        font_wechseln(d, static_cast<Font_Record*>(
                             Handle_Aufloesen(Font_Hex_Lesen(p + 2, 10), Handle_Art::Font)));
        return 2 + vorhanden(p + 2, 10);
    case 'f':
        if (l2 == 'b') {
            f->fixed_advance = uint32_t(std::max(0, Font_Zahl_Lesen(p + 3)));
            return 3 + vorhanden(p + 3, 4);
        }
        if (l2 == 'e') {
            f->fixed_advance = 0;
            return 3;
        }
        return 2;
    case 'b':
        if (l2 == 'b') f->bold = f->derived ? 0 : 1;
        else if (l2 == 'e') f->bold = 0;
        else return 2;
        return 3;
    case 'u':
        if (l2 == 'b') d.unterstrichen = true;
        else if (l2 == 'e') d.unterstrichen = false;
        return 2 + (l2 ? 1 : 0);
    case 'l':
        d.x = d.start_x;
        d.y += 10;
        return 2;
    case 'z':
        d.x = d.start_x;
        d.y += Font_Zahl_Lesen(p + 2);
        return 2 + vorhanden(p + 2, 4);
    case 't': {
        if (l2 != 'a' && l2 != 'l' && l2 != 'r' && l2 != 'z') return 2;
        int32_t n = Font_Zahl_Lesen(p + 3);
        int32_t len = 3 + vorhanden(p + 3, 4);
        if (!d.zeichnen) return len;  // the pen's place matters to nobody
        if (l2 == 'a') d.x += n;
        else if (l2 == 'l') d.x = d.start_x + n;
        else if (l2 == 'r') d.x = d.start_x + n - Font_Text_Breite(f, p + len);
        else d.x = d.start_x + n - Font_Text_Breite(f, p + len) / 2;
        return len;
    }
    case 'g':
        return 2 + bild_code(d, p + 2);
    case 'p':
        return 2 + vorhanden(p + 2, 4);
    case 's':
        return 2;
    default:
        // The '^' is dropped; the letter is handled as if it stood alone.
        return 1;
    }
}

}  // namespace

namespace {

int drucken(Rastport* bitmap, Font_Record* font, const char* format, int32_t x, int32_t y, va_list args,
            bool zeichnen)
{
    if (!bitmap || !font || !format || !*format || !font->strip) return 0;
    if (font->strip->depth != bitmap->depth && !font->derived) return 0;
    char puffer[GRAFIK_PRINTF_PUFFER] = {};
    std::vsnprintf(puffer, sizeof puffer, format, args);

    Druck d{bitmap, font, x, x, y - int32_t(font->ascent), font->colour};
    d.zeichnen = zeichnen;
    const char* p = puffer;
    while (*p) {
        if (*p != '^') {
            if (!zeichnen) {
                // What a drawn run leaves in its font: a derived font loses its bold.
                if (d.font->strip && d.font->derived) d.font->bold = 0;
                while (*p && *p != '^') ++p;
                continue;
            }
            if (!Grafik_Text_Meldung) {
                p += std::max(1, zeichen_ausgeben(bitmap, d.font, p, &d.x, d.y, d.unterstrichen, nullptr));
                continue;
            }
            // The rows the run may touch are kept, so that the pixels it changed can be told.
            const int32_t oben = std::max(0, d.y - 2);
            const int32_t unten = std::min(int32_t(bitmap->height), d.y + int32_t(d.font->strip->height) + 2);
            const bool lesbar = !bitmap->packed && bitmap->pixels && oben < unten;
            const size_t bpp = bitmap->depth == 8 ? 1 : 2, zeile = size_t(bitmap->width) * bpp;
            std::vector<uint8_t> vorher;
            if (lesbar)
                vorher.assign(static_cast<const uint8_t*>(bitmap->pixels) + size_t(oben) * zeile,
                              static_cast<const uint8_t*>(bitmap->pixels) + size_t(unten) * zeile);
            Tinte t;
            int32_t n = std::max(1, zeichen_ausgeben(bitmap, d.font, p, &d.x, d.y, d.unterstrichen, &t));
            if (t.x1 < t.x2) {
                std::vector<Grafik_Text_Punkt> punkte;
                if (lesbar)
                    for (int32_t y = std::max(t.y1, oben); y < std::min(t.y2, unten); ++y)
                        for (int32_t x = std::max(t.x1, 0); x < std::min(t.x2, int32_t(bitmap->width)); ++x) {
                            const size_t i = size_t(y) * bitmap->width + size_t(x), j = size_t(y - oben) * zeile;
                            uint16_t neu = 0;
                            std::memcpy(&neu, static_cast<const uint8_t*>(bitmap->pixels) + i * bpp, bpp);
                            uint16_t alt = 0;
                            std::memcpy(&alt, &vorher[j + size_t(x) * bpp], bpp);
                            if (neu != alt) punkte.push_back({int16_t(x), int16_t(y), neu});
                        }
                Grafik_Text_Meldung({bitmap, p, n, puffer, t.x1, t.y1, t.x2, t.y2, Grafik_Kasten_Fuer(bitmap),
                                     punkte.data(), int32_t(punkte.size())});
            }
            p += n;
        } else {
            p += code(d, p);
        }
    }
    return 1;
}

}  // namespace

int Grafik_VPrintf(Rastport* bitmap, Font_Record* font, const char* format, int32_t x, int32_t y,
                   va_list args)
{
    return drucken(bitmap, font, format, x, y, args, true);
}

int Grafik_Printf_Ungezeichnet(Rastport* bitmap, Font_Record* font, const char* format, int32_t x, int32_t y,
                               ...)
{
    va_list args;
    va_start(args, y);
    int r = drucken(bitmap, font, format, x, y, args, false);
    va_end(args);
    return r;
}

int Grafik_Printf(Rastport* bitmap, Font_Record* font, const char* format, int32_t x, int32_t y,
                  ...)
{
    va_list args;
    va_start(args, y);
    int r = Grafik_VPrintf(bitmap, font, format, x, y, args);
    va_end(args);
    return r;
}
