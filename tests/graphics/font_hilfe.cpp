#include "graphics/font_hilfe.h"

#include "graphics/font.h"

Font_Bild Test_Font_Bild(int w, int h, int ascent, uint8_t depth)
{
    Font_Bild f;
    f.name = "test";
    f.ascent = uint32_t(ascent);
    f.depth = depth;
    f.width = uint32_t(w * 224);
    f.height = uint32_t(h);
    f.palette[255 * 3] = f.palette[255 * 3 + 1] = f.palette[255 * 3 + 2] = 63;
    int bpp = depth == 8 ? 1 : 2;
    f.pixels.assign(size_t(f.width) * f.height * bpp, 0);
    for (int c = 32; c < 256; ++c) {
        int i = c - 32;
        f.strip_x[i] = uint32_t(i * w);
        f.glyph_width[i] = uint32_t(w);
        if (c == 32) continue;
        for (int r = 1; r < h - 1; ++r)
            for (int j = 0; j < w; ++j) {
                if ((c * 131 + r * 17 + j * 7) % 3 == 0 && j != 0 && r != 1) continue;
                size_t n = size_t(r) * f.width + size_t(i * w + j);
                for (int b = 0; b < bpp; ++b) f.pixels[n * bpp + b] = 0xFF;
            }
    }
    return f;
}

Font_Record* Test_Font(int32_t depth, int w, int h, int ascent)
{
    auto bytes = Font_Datei_Resource(Test_Font_Bild(w, h, ascent, 8));
    return Font_Aus_Resource(bytes.data(), uint32_t(bytes.size()), depth);
}

int Test_Bitmap::erste_spalte() const
{
    for (int x = 0; x < int(rp->width); ++x)
        for (int y = 0; y < int(rp->height); ++y)
            if (at(x, y)) return x;
    return -1;
}

int Test_Bitmap::letzte_spalte() const
{
    for (int x = int(rp->width) - 1; x >= 0; --x)
        for (int y = 0; y < int(rp->height); ++y)
            if (at(x, y)) return x;
    return -1;
}
