#include "platform/string_util.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "platform/temp.h"
#include "graphics/font.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_filter.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/text_umbruch.h"
#include "platform/maus.h"
#include "platform/win95.h"

static Requester_Printf_Hook requester_hook;

static Requester_Anzeige requester_anzeige = nullptr;

void Requester_Printf_Set_Hook(Requester_Printf_Hook hook) { requester_hook = std::move(hook); }

void Requester_Set_Anzeige(Requester_Anzeige anzeige) { requester_anzeige = anzeige; }

char* String_Cat(char* dst, const char* s1, const char* s2, int32_t flag)
{
    if (!s1) s1 = "";
    if (!s2) s2 = "";
    if (!dst) {
        char* t = Get_Temp_String();
        std::snprintf(t, TEMP_STRING_LAENGE, "%s%s", s1, flag == 1 ? "" : s2);
        return t;
    }
    size_t n1 = std::strlen(s1);
    if (dst != s1) std::memmove(dst, s1, n1 + 1);
    if (flag != 1) std::memmove(dst + n1, s2, std::strlen(s2) + 1);
    return dst;
}

int32_t String_Klartext(char* text, size_t n)
{
    if (!text || n == 0) return 0;
    int32_t geaendert = 0;
    size_t i = 0;
    for (; i < n && text[i]; ++i) {
        const uint8_t c = uint8_t(text[i]);
        if (c == '^') text[i] = STRING_KLARTEXT_DACH;
        else if (c < 32 || c == 127) text[i] = ' ';
        else continue;
        ++geaendert;
    }
    if (i == n) {
        text[n - 1] = 0;
        ++geaendert;
    }
    return geaendert;
}

int32_t String_Klartext_Ganz(char* text, size_t n)
{
    int32_t geaendert = String_Klartext(text, n);
    for (size_t i = text ? strnlen(text, n) + 1 : n; i < n; ++i) {
        if (!text[i]) continue;
        text[i] = 0;
        ++geaendert;
    }
    return geaendert;
}

std::string String_Klartext(std::string text)
{
    // A zero inside would end the text for every reader: it ends it here too.
    text.resize(std::strlen(text.c_str()));
    String_Klartext(text.data(), text.size() + 1);
    return text;
}

const char* String_Pad(const char* text, int32_t n)
{
    // Callers pad to small column widths.
    static char blanks[256];
    int32_t len = text ? int32_t(std::strlen(text)) : 0;
    int32_t k = n - len;
    if (k < 0) k = 0;
    if (k > int32_t(sizeof blanks) - 1) k = int32_t(sizeof blanks) - 1;
    std::memset(blanks, ' ', size_t(k));
    blanks[k] = 0;
    return blanks;
}

void String_Kuerzen_Breite(char* text, int32_t max_breite,
                           const std::function<int32_t(const char*)>& breite)
{
    if (!text) return;
    size_t len = std::strlen(text);
    // Two characters at a time, but never before the start of the text.
    while (len > 0 && breite(text) > max_breite) {
        len = len >= 2 ? len - 2 : 0;
        text[len] = 0;
    }
}

void String_Kuerzen_Pixel(char* src, char* dst, int32_t font_nr, int32_t max_breite)
{
    if (!src) return;
    char* text = src;
    if (dst) {
        if (dst != src) std::memmove(dst, src, std::strlen(src) + 1);
        text = dst;
    }
    Font_Record* font = Font(font_nr);
    String_Kuerzen_Breite(text, max_breite,
                          [font](const char* t) { return Font_Text_Breite(font, t); });
}

static char* formatieren(const char* format, va_list args)
{
    char* t = Get_Temp_String();
    t[0] = 0;
    if (format) std::vsnprintf(t, TEMP_STRING_LAENGE, format, args);
    return t;
}

void Requester_Printf(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    char* t = formatieren(format, args);
    va_end(args);
    if (requester_hook) requester_hook(t);
    if (requester_anzeige) requester_anzeige(t);
}

void Requester_Fenster(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    char* t = formatieren(format, args);
    va_end(args);
    Rastport* schirm = Grafik_Seite_0 ? Grafik_Seite_0 : Grafik_Render_Ziel;
    if (!schirm || (schirm->depth != 15 && schirm->depth != 16)) return;
    constexpr int32_t W = 300, H = 135, X = 320 - W / 2, Y = 240 - H / 2;
    Rastport* grund = Grafik_Bitmap_Anlegen(W, H, schirm->depth);
    Rastport* fenster = Grafik_Bitmap_Anlegen(W, H, schirm->depth);
    if (grund && fenster) {
        Grafik_Blit(schirm, X, Y, W, H, grund, 0, 0);
        Grafik_Blit(schirm, X, Y, W, H, fenster, 0, 0);
        Grafik_Filter_Anwenden(&Filter_Kern_Weich, fenster);
        const int weiss = int(Grafik_Farbe(15, 15, 15));
        Grafik_Printf(fenster, Font(0), "^c%05d^tz0%03d^ubAn Alle^ue", 10, 10, weiss, W / 2);
        Text_Umbruch_Ausgeben(fenster, Font(2), t, 10, W - 10, 21, H + 7, uint32_t(weiss), 13);
        Grafik_Blit(fenster, 0, 0, W, H, schirm, X, Y);
        // A click acknowledges it; the end of the program ends the wait too.
        while (Maus_Get_Tasten() != 0 && !Programm_Ende) {
        }
        while (Maus_Get_Tasten() == 0 && !Programm_Ende) {
        }
        Grafik_Blit(grund, 0, 0, W, H, schirm, X, Y);
    }
    Grafik_Bitmap_Freigeben(grund);
    Grafik_Bitmap_Freigeben(fenster);
}
