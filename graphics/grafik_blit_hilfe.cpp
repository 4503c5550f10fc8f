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

// Decodes the sprite as it is drawn (mirrored where asked) into the buffers; false for plain rows
// too short for the sprite.
static bool entpacken(const Grafik_Sprite_Daten& s, bool gespiegelt, std::vector<uint8_t>& p8, std::vector<uint16_t>& p16)
{
    const int32_t sw = s.breite, sh = s.hoehe;
    const size_t n = size_t(sw) * size_t(sh);
    if (s.tiefe == 8) {
        p8.assign(n, 0);
        if (s.zeilen) {
            if (s.groesse < n) return false;
            for (int32_t r = 0; r < sh; ++r)
                for (int32_t c = 0; c < sw; ++c) p8[size_t(r) * size_t(sw) + size_t(gespiegelt ? sw - 1 - c : c)] = s.daten[size_t(r) * size_t(sw) + size_t(c)];
        } else {
            Pixel_Sprite_8(s.daten, s.wide, sw, sh, p8.data(), sw, 0, gespiegelt);
        }
    } else {
        p16.assign(n, 0);
        Pixel_Sprite_16(s.daten, sw, sh, p16.data(), sw, 0, gespiegelt);
    }
    return true;
}

static bool gleich(const Grafik_Sprite_Daten& a, const Grafik_Sprite_Daten& b)
{
    return a.daten == b.daten && a.groesse == b.groesse && a.breite == b.breite && a.hoehe == b.hoehe && a.tiefe == b.tiefe &&
           a.wide == b.wide && a.zeilen == b.zeilen;
}

int32_t Grafik_Sprite_Seite(const Grafik_Sprite_Daten& s, uint16_t* ziel, int32_t ziel_breite, int32_t x, int32_t y,
                            const Grafik_Clip& clip, bool gespiegelt, bool halb, const uint16_t* farben, const uint8_t* remap,
                            Grafik_Sprite_Vorrat* vorrat)
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
    const std::vector<uint8_t>* p8 = &puffer8;
    const std::vector<uint16_t>* p16 = &puffer16;
    if (vorrat) {
        auto [e, neu] = vorrat->eintraege.try_emplace(reinterpret_cast<uintptr_t>(s.daten) ^ uintptr_t(gespiegelt));
        if (neu || !gleich(e->second.s, s)) {
            e->second.s = s;
            if (!entpacken(s, gespiegelt, e->second.acht, e->second.sechzehn)) {
                vorrat->eintraege.erase(e);
                return 0;
            }
        }
        p8 = &e->second.acht, p16 = &e->second.sechzehn;
    } else if (!entpacken(s, gespiegelt, puffer8, puffer16)) {
        return 0;
    }
    const uint8_t* b8 = p8->data();
    const uint16_t* b16 = p16->data();
    const size_t sx = size_t(teil), zeilen_schritt = size_t(teil) * size_t(sw);
    uint16_t* zeile = ziel + size_t(y + y0) * size_t(ziel_breite) + size_t(x);
    size_t quelle = size_t(y0) * zeilen_schritt;
    int32_t geschrieben = 0;
    // one loop per kind of pixel, so that the per-pixel work holds no test of the kind
    if (acht && remap) {
        for (int32_t yy = y0; yy < y1; ++yy, zeile += ziel_breite, quelle += zeilen_schritt)
            for (int32_t xx = x0; xx < x1; ++xx) {
                const uint8_t i = b8[quelle + size_t(xx) * sx];
                if (!i || !remap[i] || !farben[remap[i]]) continue;
                zeile[xx] = farben[remap[i]];
                ++geschrieben;
            }
    } else if (acht) {
        for (int32_t yy = y0; yy < y1; ++yy, zeile += ziel_breite, quelle += zeilen_schritt)
            for (int32_t xx = x0; xx < x1; ++xx) {
                const uint8_t i = b8[quelle + size_t(xx) * sx];
                if (!i || !farben[i]) continue;
                zeile[xx] = farben[i];
                ++geschrieben;
            }
    } else {
        for (int32_t yy = y0; yy < y1; ++yy, zeile += ziel_breite, quelle += zeilen_schritt)
            for (int32_t xx = x0; xx < x1; ++xx) {
                const uint16_t v = b16[quelle + size_t(xx) * sx];
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
