// Text in the builder's pictures: a rasterised font's glyphs (Windows-1252 from 32 on) set
// into a picture in one colour.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>

#include "tools/datagen/bild_flaeche.h"
#include "tools/datagen/font_datei.h"

// The width of the text in pixels, one pixel between glyphs.
inline int32_t Bild_Schrift_Breite(const Font_Bild* f, const std::string& t)
{
    int32_t b = 0;
    for (unsigned char c : t) b += c >= 32 ? int32_t(f->glyph_width[c - 32]) + 1 : 0;
    return b > 0 ? b - 1 : 0;
}

// Of the fonts, largest first, the first in which the text is at most `w` pixels wide; the last
// when it fits none. Null entries (a font that could not be rasterised) are passed over.
inline const Font_Bild* Bild_Schrift_Passend(std::initializer_list<const Font_Bild*> fonts, const std::string& t, int32_t w)
{
    const Font_Bild* f = nullptr;
    for (const Font_Bild* k : fonts)
        if (k && Bild_Schrift_Breite(f = k, t) <= w) break;
    return f;
}

// The text with its top left at (x, y).
inline void Bild_Schrift(Bild_Flaeche& bild, const Font_Bild* f, int32_t x, int32_t y, const std::string& t, uint16_t c)
{
    for (unsigned char ch : t) {
        if (ch < 32) continue;
        const int32_t i = ch - 32;
        for (uint32_t yy = 0; yy < f->height; ++yy)
            for (uint32_t xx = 0; xx < f->glyph_width[i]; ++xx)
                if (f->pixels[size_t(yy) * f->width + f->strip_x[i] + xx]) bild.setzen(x + int32_t(xx), y + int32_t(yy), c);
        x += int32_t(f->glyph_width[i]) + 1;
    }
}
