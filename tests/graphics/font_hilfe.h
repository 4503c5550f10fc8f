// Test fonts: every glyph a different pattern, so that pictures of different texts differ.
#pragma once
#include <cstdint>
#include <vector>

#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "tools/datagen/font_datei.h"

// Glyphs of width w (extra advance 0, so each advances w + 1), strip height h, ink in rows
// 1 .. h - 2 (the blank has none). Ink is 255 at depth 8 (palette: 255 white), 0xFFFF at 15/16.
Font_Bild Test_Font_Bild(int w = 5, int h = 10, int ascent = 8, uint8_t depth = 8);
// The font as loaded from a resource entry at the given depth.
Font_Record* Test_Font(int32_t depth = 16, int w = 5, int h = 10, int ascent = 8);

struct Test_Bitmap {
    Rastport* rp;
    Test_Bitmap(int w, int h, int depth = 16) : rp(Grafik_Bitmap_Anlegen(w, h, depth)) {}
    ~Test_Bitmap() { Grafik_Bitmap_Freigeben(rp); }
    uint16_t at(int x, int y) const
    {
        return rp->depth == 8 ? static_cast<uint8_t*>(rp->pixels)[y * int(rp->width) + x]
                              : static_cast<uint16_t*>(rp->pixels)[y * int(rp->width) + x];
    }
    std::vector<uint16_t> pixels() const
    {
        std::vector<uint16_t> v;
        for (int y = 0; y < int(rp->height); ++y)
            for (int x = 0; x < int(rp->width); ++x) v.push_back(at(x, y));
        return v;
    }
    // Columns holding any non-zero pixel: first and last, -1 when empty.
    int erste_spalte() const;
    int letzte_spalte() const;
};
