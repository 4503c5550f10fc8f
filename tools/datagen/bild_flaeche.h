// A 16-bit picture being drawn (RGB565, row by row): points, filled rectangles and frames, and
// the finished bitmap entry. With a mask, pixel 0 is see-through and drawing never writes 0.
#pragma once
#include <cstdint>
#include <vector>

#include "tools/datagen/resf_writer.h"

struct Bild_Flaeche {
    int32_t w, h;
    bool maske;
    std::vector<uint16_t> px;

    Bild_Flaeche(int32_t breite, int32_t hoehe, bool m, uint16_t grund)
        : w(breite), h(hoehe), maske(m), px(size_t(breite) * hoehe, m ? 0 : grund)
    {
    }
    void setzen(int32_t x, int32_t y, uint16_t c)
    {
        if (x >= 0 && y >= 0 && x < w && y < h) px[size_t(y) * w + x] = c ? c : 1;
    }
    void rechteck(int32_t x, int32_t y, int32_t bw, int32_t bh, uint16_t c)
    {
        for (int32_t yy = y; yy < y + bh; ++yy)
            for (int32_t xx = x; xx < x + bw; ++xx) setzen(xx, yy, c);
    }
    void rahmen(int32_t x, int32_t y, int32_t bw, int32_t bh, uint16_t c)
    {
        rechteck(x, y, bw, 1, c);
        rechteck(x, y + bh - 1, bw, 1, c);
        rechteck(x, y, 1, bh, c);
        rechteck(x + bw - 1, y, 1, bh, c);
    }
    Resf_Bitmap fertig(int32_t nummer) const { return Resf_Bitmap_Rgb565(w, h, px, maske, nummer); }
};
