// The title picture of the transfer search (1227): a pitch seen from above under a magnifying
// glass. RGB565; the corners outside the rounded frame are see-through.
#include <cmath>
#include <cstring>

#include "tools/datagen/manifest.h"
#include "tools/datagen/resf_writer.h"

namespace suche_bild {

uint16_t rgb(int r, int g, int b) { return uint16_t((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3)); }

}  // namespace suche_bild

bool Suche_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& b)
{
    using suche_bild::rgb;
    if (e.nummer != 1227 || std::strcmp(e.datei, "resf_scr.res") != 0) return false;
    const int32_t w = e.width, h = e.height;
    b.width = uint16_t(w);
    b.height = uint16_t(h);
    b.depth = 16;
    b.compression = 4;
    b.pixels.assign(size_t(w * h * 2), 0);
    b.mask.assign(size_t(w * h + 7) / 8, 0);
    const uint16_t rasen = rgb(40, 130, 50), streifen = rgb(48, 146, 58), linie = rgb(235, 240, 235),
                   rand = rgb(20, 60, 24), glas = rgb(150, 200, 230), ring = rgb(60, 60, 70), griff = rgb(120, 80, 40);
    const double gx = w * 0.62, gy = h * 0.45, r = h * 0.3;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            // rounded frame
            const int32_t ex = x < 8 ? 8 - x : x >= w - 8 ? x - (w - 9) : 0, ey = y < 8 ? 8 - y : y >= h - 8 ? y - (h - 9) : 0;
            if (ex * ex + ey * ey > 64) continue;
            uint16_t v = (x / 20) % 2 ? streifen : rasen;
            if (x < 3 || y < 3 || x >= w - 3 || y >= h - 3) v = rand;
            const bool aussenlinie = (x == 12 || x == w - 13) && y >= 12 && y < h - 12;
            const bool quer = (y == 12 || y == h - 13) && x >= 12 && x < w - 12;
            const bool mitte = x == w / 2 && y >= 12 && y < h - 12;
            const double dk = std::hypot(x - w / 2.0, y - h / 2.0);
            if (aussenlinie || quer || mitte || std::fabs(dk - h * 0.18) < 0.7) v = linie;
            const double dg = std::hypot(x - gx, y - gy);
            if (dg < r) v = (x + y) % 7 ? glas : linie;
            if (std::fabs(dg - r) < 2.5) v = ring;
            // the handle down to the right
            const double t = (x - gx) * 0.7071 + (y - gy) * 0.7071, q = -(x - gx) * 0.7071 + (y - gy) * 0.7071;
            if (t > r + 2 && t < r * 2.1 && std::fabs(q) < 4) v = griff;
            const size_t i = size_t(y * w + x);
            b.pixels[2 * i] = uint8_t(v);
            b.pixels[2 * i + 1] = uint8_t(v >> 8);
            b.mask[i / 8] |= uint8_t(1u << (i % 8));
        }
    return true;
}
