#include "graphics/grafik_blit_hilfe.h"

#include <algorithm>
#include <vector>

#include "graphics/grafik_screen.h"
#include "graphics/grafik_sprite.h"

namespace {

// The decoded sprite, kept between calls: 8-bit indices or 16-bit pixels (window thread).
std::vector<uint8_t> puffer8;
std::vector<uint16_t> puffer16;

}  // namespace

int32_t Grafik_Sprite_Seite(const Grafik_Sprite_Daten& s, uint16_t* ziel, int32_t ziel_breite, int32_t x, int32_t y,
                            const Grafik_Clip& clip, bool gespiegelt, bool halb, const uint16_t* farben, const uint8_t* remap)
{
    const int32_t sw = s.breite, sh = s.hoehe, teil = halb ? 2 : 1;
    const bool acht = s.tiefe == 8;
    // Put straight into a screen page's pixels: the page is written, wherever.
    for (const Rastport* seite : {Grafik_Seite_0, Grafik_Seite_1})
        if (seite && ziel == seite->pixels) Grafik_Seite_Beschrieben(seite);
    if (!s.daten || !ziel || ziel_breite <= 0 || sw <= 0 || sh <= 0 || (acht && !farben)) return 0;
    if (s.tiefe != 8 && s.tiefe != 15 && s.tiefe != 16) return 0;
    const int32_t w = sw / teil, h = sh / teil;
    const int32_t x0 = std::max(clip.x0 - x, 0), y0 = std::max(clip.y0 - y, 0);
    const int32_t x1 = std::min(clip.x1 - x, w), y1 = std::min(clip.y1 - y, h);
    if (x0 >= x1 || y0 >= y1) return 0;
    const size_t n = size_t(sw) * size_t(sh);
    if (acht) {
        puffer8.assign(n, 0);
        if (s.zeilen) {
            if (s.groesse < n) return 0;
            for (int32_t r = 0; r < sh; ++r)
                for (int32_t c = 0; c < sw; ++c) puffer8[size_t(r) * size_t(sw) + size_t(gespiegelt ? sw - 1 - c : c)] = s.daten[size_t(r) * size_t(sw) + size_t(c)];
        } else {
            Pixel_Sprite_8(s.daten, s.wide, sw, sh, puffer8.data(), sw, 0, gespiegelt);
        }
    } else {
        puffer16.assign(n, 0);
        Pixel_Sprite_16(s.daten, sw, sh, puffer16.data(), sw, 0, gespiegelt);
    }
    int32_t geschrieben = 0;
    for (int32_t yy = y0; yy < y1; ++yy) {
        uint16_t* zeile = ziel + size_t(y + yy) * size_t(ziel_breite) + size_t(x);
        const size_t quelle = size_t(yy * teil) * size_t(sw);
        for (int32_t xx = x0; xx < x1; ++xx) {
            const size_t q = quelle + size_t(xx * teil);
            uint16_t v;
            if (acht) {
                uint8_t i = puffer8[q];
                if (i && remap) i = remap[i];
                if (!i) continue;
                v = farben[i];
            } else {
                v = puffer16[q];
            }
            if (!v) continue;
            zeile[xx] = v;
            ++geschrieben;
        }
    }
    return geschrieben;
}

int32_t Grafik_Blit_Hilfe_A(const uint8_t* daten, uint32_t groesse, int32_t breite, int32_t hoehe, uint16_t* ziel, int32_t x,
                            int32_t y, int32_t ziel_breite, const Grafik_Clip& clip, bool gespiegelt)
{
    return Grafik_Sprite_Seite({daten, groesse, breite, hoehe, 16, 0, 0}, ziel, ziel_breite, x, y, clip, gespiegelt, false, nullptr,
                               nullptr);
}

int32_t Grafik_Blit_Hilfe_B(const uint8_t* daten, uint32_t groesse, int32_t breite, int32_t hoehe, uint16_t* ziel, int32_t x,
                            int32_t y, int32_t ziel_breite, int32_t erste_zeile, int32_t zeilen, bool gespiegelt)
{
    const Grafik_Clip clip{x, erste_zeile, x + breite, erste_zeile + zeilen};
    return Grafik_Blit_Hilfe_A(daten, groesse, breite, hoehe, ziel, x, y, ziel_breite, clip, gespiegelt);
}

int32_t Grafik_Block_Kopieren(const uint8_t* daten, uint32_t groesse, int32_t breite, int32_t hoehe, uint16_t* ziel, int32_t x,
                              int32_t y, int32_t ziel_breite, const uint16_t* farben)
{
    const Grafik_Clip alles{x, y, x + breite, y + hoehe};
    return Grafik_Sprite_Seite({daten, groesse, breite, hoehe, 8, 0, 1}, ziel, ziel_breite, x, y, alles, false, false, farben, nullptr);
}
