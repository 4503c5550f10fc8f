#include "toolkit/key_input.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_filter.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/maus.h"
#include "platform/mauszeiger.h"
#include "platform/os/os.h"
#include "platform/print.h"
#include "platform/string_util.h"
#include "platform/timer.h"
#include "platform/win95.h"

int32_t Key_Input_Ende = 0;

namespace {

constexpr char ZIFFERN[] = "01234567890,.";
constexpr char NAMEN[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ üöäÜÖÄß'";
constexpr char TEXT[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ .,:;üöäÜÖÄß!§%&/(){}[]?!#'+-0123456789<>|@_*\"";

const char* zeichensatz(uint32_t flags)
{
    if (flags & KEY_INPUT_TEXT) return TEXT;
    if (flags & KEY_INPUT_NAME) return NAMEN;
    if (flags & KEY_INPUT_ZAHL) return ZIFFERN;
    return TEXT;
}

}  // namespace

char Key_Input_Zeichen(int32_t code, bool shift)
{
    if (code >= 'A' && code <= 'Z') return char(shift ? code : code + 32);
    if (shift) {
        switch (code) {
        case '0': return '=';
        case '1': return '!';
        case '2': return '"';
        case '3': return '\xA7';
        case '4': return '$';
        case '5': return '%';
        case '6': return '&';
        case '7': return '/';
        case '8': return '(';
        case '9': return ')';
        default: break;
        }
    }
    switch (code) {
    case 186: return shift ? '\xDC' : '\xFC';
    case 187: return shift ? '*' : '+';
    case 188: return shift ? ';' : ',';
    case 189: return shift ? '_' : '-';
    case 190: return shift ? ':' : '.';
    case 191: return shift ? '\'' : '#';
    case 192: return shift ? '\xD6' : '\xF6';
    case 219: return shift ? '?' : '\xDF';
    case 222: return shift ? '\xC4' : '\xE4';
    case 226: return shift ? '>' : '<';
    default: break;
    }
    return code > 0 && code < 256 ? char(code) : 0;
}

namespace {

struct Feld {
    Font_Record* font;
    std::string text;
    int32_t x, y, w, h, rand, versatz;
    int32_t cursor = 0;
    int32_t sel_a = -1, sel_b = -1;
    bool blink = true;
    Rastport* grund = nullptr;
    Rastport* bild = nullptr;

    int32_t breite(int32_t n) const { return Key_Input_Text_Breite(font, text.c_str(), n); }
    int32_t zeile() const { return font->strip ? font->strip->height : 10; }
    bool auswahl() const { return sel_a >= 0 && sel_a != sel_b; }
    void auswahl_loeschen()
    {
        int32_t a = sel_a, b = sel_b;
        Key_Input_Bereich_Ordnen(&a, &b);
        text.erase(size_t(a), size_t(b - a));
        cursor = a;
        sel_a = sel_b = -1;
    }

    void zeichnen(bool erstes)
    {
        Grafik_Blit(grund, 0, 0, w, h, bild, 0, 0);
        if (auswahl()) {
            int32_t a = sel_a, b = sel_b;
            Key_Input_Bereich_Ordnen(&a, &b);
            const int32_t xa = rand + breite(a), xb = rand + breite(b);
            if (erstes) Grafik_Rechteck_Fuellen(bild, xa, versatz, xb - xa, zeile(), Grafik_Farbe(3, 15, 14));
            else Grafik_Rechteck_Fuellen(bild, xa, versatz + 1, xb - xa, zeile() - 2, Grafik_Farbe(5, 9, 5));
        }
        // The text is an argument: a typed '%' is no conversion.
        if (!text.empty()) Grafik_Printf(bild, font, "%s", rand, int32_t(font->ascent) + versatz, text.c_str());
        if (!erstes && blink)
            Grafik_Rechteck_Fuellen(bild, rand + breite(cursor) - 1, versatz, 1, zeile(), Grafik_Farbe(15, 15, 0));
        auf_schirm(bild);
    }
    void auf_schirm(Rastport* quelle) const
    {
        for (Rastport* seite : {Grafik_Seite_0, Grafik_Seite_1})
            if (seite) Grafik_Blit(quelle, 0, 0, w, h, seite, x, y);
    }
    bool innen(int32_t px, int32_t py) const { return px >= x && px < x + w && py >= y && py < y + h; }
};

// Buttons are read without pumping: a pump between a key's down and up message loses the key.
void warten_bis_los()
{
    while (Win95_Maustasten() != 0 && !Programm_Ende) Win95_Message_Pump();
}

}  // namespace

int32_t Key_Input_Text_Breite(const Font_Record* font, const char* text, int32_t n)
{
    if (!font || !text || n <= 0) return 0;
    int32_t b = 0;
    for (int32_t i = 0; i < n && text[i]; ++i) {
        const uint8_t c = uint8_t(text[i]);
        b += int32_t(font->glyph_width[c] + font->spacing + font->extra_advance[c]);
    }
    return b;
}

void Key_Input_Bereich_Ordnen(int32_t* a, int32_t* b)
{
    if (a && b && *a > *b) std::swap(*a, *b);
}

bool Key_Input_Taste_Vorhanden()
{
    if (Win95_Eingabe.taste != -1) return true;
    Win95_Message_Pump();
    return Win95_Eingabe.taste != -1;
}

int32_t Key_Input_Taste_Holen()
{
    const int32_t t = Win95_Eingabe.taste;
    Win95_Eingabe.taste = -1;
    return t;
}

int32_t Key_Input_Pos_Aus_X(const Font_Record* font, const char* text, int32_t feld_x)
{
    if (!text) return 0;
    const int32_t n = int32_t(std::strlen(text));
    const int32_t dx = Maus_Get_X() - feld_x;
    for (int32_t i = 0; i <= n; ++i)
        if (dx < Key_Input_Text_Breite(font, text, i)) return std::max(0, i - 1);
    return n;
}

void Key_Input_Wort_Waehlen(int32_t index, const char* text, int32_t* start, int32_t* ende)
{
    if (!text || !start || !ende) return;
    const int32_t n = int32_t(std::strlen(text));
    index = std::clamp(index, 0, n);
    int32_t s = index - 1;
    while (s > 0 && text[s] != ' ') --s;
    *start = std::max(s, 0);
    int32_t e = index;
    while (e < n && text[e] != ' ') ++e;
    *ende = e;
}

int32_t Key_Input_String(Font_Record* font, char* text, int32_t size, int32_t max_len, uint32_t flags, int32_t x,
                         int32_t y, int32_t w, int32_t h, int32_t margin_x, int32_t offset_y, Rastport* hintergrund,
                         int32_t bx, int32_t by, uint32_t* zahl)
{
    if (flags & KEY_INPUT_STANDARD) font = Font(3);
    // The arguments are checked before the text is read.
    if (!font || !text || size <= 0 || max_len <= 0 || w <= 0 || h <= 0 || x < 0 || y < 0) return 0;
    if (strnlen(text, size_t(size)) >= size_t(size)) {
        Print_Log(0, "Key_Input_String: Str zu lang");
        text[size - 1] = 0;
    }
    // The text is drawn marked up: a start text from a file or another PC shows as it reads.
    String_Klartext(text, size_t(size));
    max_len = std::min(max_len, size - 1);
    if ((flags & KEY_INPUT_ZAHL) && zahl) std::snprintf(text, size_t(size), "%u", *zahl);

    Feld f{font, text, x, y, w, h, margin_x, offset_y};
    Rastport* extra = nullptr;
    if (flags & KEY_INPUT_STANDARD) {
        f.rand = 4;
        f.versatz = 1;
        f.h = h = 14;
    }
    f.rand += 1;
    const std::string anfang = text;
    const int32_t tiefe = Grafik_Seite_0 ? Grafik_Seite_0->depth : 16;
    f.grund = Grafik_Bitmap_Anlegen(w, h, tiefe);
    f.bild = Grafik_Bitmap_Anlegen(w, h, tiefe);
    if (flags & KEY_INPUT_STANDARD) extra = Grafik_Bitmap_Anlegen(w, 14, tiefe);
    if (!f.grund || !f.bild || ((flags & KEY_INPUT_STANDARD) && !extra)) {
        Grafik_Bitmap_Freigeben(f.grund);
        Grafik_Bitmap_Freigeben(f.bild);
        Grafik_Bitmap_Freigeben(extra);
        return -1;
    }
    if (hintergrund) Grafik_Blit(hintergrund, bx, by, w, h, f.grund, 0, 0);
    else if (Grafik_Seite_0) Grafik_Blit(Grafik_Seite_0, x, y, w, h, f.grund, 0, 0);
    if (extra) {
        Grafik_Blit(f.grund, 0, 0, w, 14, extra, 0, 0);
        Grafik_Filter_Anwenden(&Filter_Kern_Weich, f.grund);
    }
    if (flags & KEY_INPUT_ALLES_WAEHLEN) f.sel_a = 0, f.sel_b = int32_t(f.text.size());
    f.cursor = int32_t(f.text.size());
    f.zeichnen(true);
    const int32_t zeiger = Mauszeiger_Get_Selected();
    warten_bis_los();

    const char* satz = zeichensatz(flags);
    uint32_t blink_zeit = Timer_Get_Time();
    bool war_unten = false, maus_auswahl = false;
    int32_t druck_start = 0, tasten_anker = -1;
    bool fertig = false;
    Key_Input_Ende = 0;
    while (!fertig) {
        bool neu = false;
        const int32_t tasten = Maus_Get_Tasten(), mx = Maus_Get_X(), my = Maus_Get_Y();
        bool ende = false;
        if (flags & KEY_INPUT_MAUS) Mauszeiger_Select(f.innen(mx, my) ? 15 : zeiger);
        if (Timer_Get_Time() - blink_zeit >= 350) {
            blink_zeit = Timer_Get_Time();
            f.blink = !f.blink;
            neu = true;
        }
        if ((flags & KEY_INPUT_RECHTS_ENDE) && tasten == 2) ende = true;
        if (tasten != 0 && !f.innen(mx, my) && !maus_auswahl) ende = true;
        if ((flags & KEY_INPUT_MAUS) && tasten == 1 && f.innen(mx, my)) {
            f.cursor = Key_Input_Pos_Aus_X(font, f.text.c_str(), x + f.rand);
            if (Win95_Eingabe.doppelklick) {
                Win95_Eingabe.doppelklick = 0;
                Key_Input_Wort_Waehlen(f.cursor, f.text.c_str(), &f.sel_a, &f.sel_b);
                f.cursor = f.sel_b;
                f.zeichnen(false);
                warten_bis_los();
                war_unten = maus_auswahl = false;
                continue;
            }
            if (war_unten) {
                f.sel_a = druck_start;
                f.sel_b = f.cursor;
                maus_auswahl = true;
            } else {
                druck_start = f.cursor;
                f.sel_a = f.sel_b = -1;
            }
            neu = true;
        }
        war_unten = tasten == 1 && (war_unten || f.innen(mx, my));
        if (tasten == 0) maus_auswahl = false;
        if (!Win95_Shift_Gedrueckt()) tasten_anker = -1;

        if (Key_Input_Taste_Vorhanden()) {
            const int32_t code = Key_Input_Taste_Holen();
            const bool shift = Win95_Shift_Gedrueckt() != 0;
            Print_Log(0, "tasten_code: %d %c", code, code > 31 && code < 127 ? char(code) : ' ');
            const int32_t laenge = int32_t(f.text.size());
            auto bewegen = [&](int32_t ziel) {
                if (shift) {
                    if (tasten_anker < 0) tasten_anker = f.cursor;
                    f.cursor = ziel;
                    f.sel_a = tasten_anker;
                    f.sel_b = f.cursor;
                } else {
                    f.cursor = ziel;
                    f.sel_a = f.sel_b = -1;
                }
            };
            neu = true;
            switch (code) {
            case VK_BACK:
                if (f.auswahl()) f.auswahl_loeschen();
                else if (f.cursor > 0) f.text.erase(size_t(--f.cursor), 1);
                f.sel_a = f.sel_b = -1;
                break;
            case VK_TAB:
                ende = true;
                Key_Input_Ende = VK_TAB;
                break;
            case VK_RETURN:
                fertig = true;
                Key_Input_Ende = VK_RETURN;
                break;
            case VK_ESCAPE:
                f.text = anfang;
                f.cursor = int32_t(f.text.size());
                f.sel_a = f.sel_b = -1;
                ende = true;
                Key_Input_Ende = VK_ESCAPE;
                break;
            case VK_END: bewegen(laenge); break;
            case VK_HOME: bewegen(0); break;
            case VK_LEFT: bewegen(std::max(0, f.cursor - 1)); break;
            case VK_RIGHT: bewegen(std::min(laenge, f.cursor + 1)); break;
            case VK_DELETE:
                if (f.auswahl()) f.auswahl_loeschen();
                else if (f.cursor < laenge) f.text.erase(size_t(f.cursor), 1);
                f.sel_a = f.sel_b = -1;
                break;
            case VK_UP:
            case VK_DOWN: f.sel_a = f.sel_b = -1; break;
            default: {
                const char c = Key_Input_Zeichen(code, shift);
                // '^' would start a code of the renderer wherever the text is drawn: never taken.
                if (c == 0 || c == '^' || !std::strchr(satz, c)) break;
                std::string vorher = f.text;
                int32_t cursor = f.cursor;
                if (f.auswahl()) f.auswahl_loeschen();
                if (int32_t(f.text.size()) >= max_len) {
                    f.text = vorher;
                    f.cursor = cursor;
                    break;
                }
                f.text.insert(size_t(f.cursor), 1, c);
                if (f.breite(int32_t(f.text.size())) < w - f.rand - 2) {
                    ++f.cursor;
                    f.sel_a = f.sel_b = -1;
                } else {
                    f.text = vorher;
                    f.cursor = cursor;
                }
                break;
            }
            }
        }
        if (ende && !(flags & KEY_INPUT_NUR_RETURN)) fertig = true;
        if (Programm_Ende) fertig = true;
        if (neu && !fertig) f.zeichnen(false);
        if (!neu) Win95_Sleep(1);
    }

    std::memcpy(text, f.text.c_str(), f.text.size() + 1);
    if ((flags & KEY_INPUT_ZAHL) && zahl) *zahl = uint32_t(std::strtoul(text, nullptr, 10));
    f.sel_a = f.sel_b = -1;
    f.blink = false;
    if (flags & KEY_INPUT_ZURUECK) f.auf_schirm(extra ? extra : f.grund);
    else f.zeichnen(false);
    Grafik_Bitmap_Freigeben(f.grund);
    Grafik_Bitmap_Freigeben(f.bild);
    Grafik_Bitmap_Freigeben(extra);
    Mauszeiger_Select(zeiger);
    return 1;
}
