#include "graphics/grafik_blit_hilfe.h"

#include <algorithm>
#include <cstring>
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

// The runs of opaque pixels of each row of the decoded sprite.
template <typename T>
static void laeufe_finden(const std::vector<T>& p, int32_t sw, int32_t sh, Grafik_Sprite_Vorrat::Eintrag& e)
{
    e.laeufe.clear();
    e.zeile.assign(size_t(sh) + 1, 0);
    for (int32_t r = 0; r < sh; ++r) {
        e.zeile[size_t(r)] = int32_t(e.laeufe.size() / 2);
        const T* z = p.data() + size_t(r) * size_t(sw);
        for (int32_t c = 0; c < sw;) {
            if (!z[c]) {
                ++c;
                continue;
            }
            const int32_t a = c;
            while (c < sw && z[c]) ++c;
            e.laeufe.push_back(int16_t(a));
            e.laeufe.push_back(int16_t(c));
        }
    }
    e.zeile[size_t(sh)] = int32_t(e.laeufe.size() / 2);
}

// The store's entry of a sprite, decoded (and its spans worked out) where it is new or changed;
// nullptr where it does not decode.
static Grafik_Sprite_Vorrat::Eintrag* aus_vorrat(Grafik_Sprite_Vorrat& vorrat, const Grafik_Sprite_Daten& s, bool gespiegelt)
{
    const uintptr_t schluessel = reinterpret_cast<uintptr_t>(s.daten) ^ uintptr_t(gespiegelt);
    Grafik_Sprite_Vorrat::Schnell& schnell = vorrat.schnell[(schluessel >> 3 ^ schluessel >> 13) & (Grafik_Sprite_Vorrat::SCHNELL - 1)];
    if (schnell.eintrag && schnell.schluessel == schluessel && gleich(schnell.eintrag->s, s)) return schnell.eintrag;
    auto [e, neu] = vorrat.eintraege.try_emplace(schluessel);
    Grafik_Sprite_Vorrat::Eintrag& eintrag = e->second;
    if (neu || !gleich(eintrag.s, s)) {
        eintrag.s = s;
        if (!entpacken(s, gespiegelt, eintrag.acht, eintrag.sechzehn)) {
            for (Grafik_Sprite_Vorrat::Schnell& k : vorrat.schnell)
                if (k.eintrag == &eintrag) k = Grafik_Sprite_Vorrat::Schnell{};
            vorrat.eintraege.erase(e);
            return nullptr;
        }
        if (s.tiefe == 8) laeufe_finden(eintrag.acht, s.breite, s.hoehe, eintrag);
        else laeufe_finden(eintrag.sechzehn, s.breite, s.hoehe, eintrag);
    }
    schnell.schluessel = schluessel;
    schnell.eintrag = &eintrag;
    return &eintrag;
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
    const Grafik_Sprite_Vorrat::Eintrag* eintrag = nullptr;
    if (vorrat) {
        eintrag = aus_vorrat(*vorrat, s, gespiegelt);
        if (!eintrag) return 0;
        p8 = &eintrag->acht, p16 = &eintrag->sechzehn;
    } else if (!entpacken(s, gespiegelt, puffer8, puffer16)) {
        return 0;
    }
    const uint8_t* b8 = p8->data();
    const uint16_t* b16 = p16->data();
    const size_t sx = size_t(teil), zeilen_schritt = size_t(teil) * size_t(sw);
    uint16_t* zeile = ziel + size_t(y + y0) * size_t(ziel_breite) + size_t(x);
    size_t quelle = size_t(y0) * zeilen_schritt;
    int32_t geschrieben = 0;
    // The stretches of a row to draw: at full size the row's opaque runs cut to the clip, at half
    // size the clip's columns (narrowed to the opaque margins where they are known). Source
    // column xx * teil lies in [a, e) for xx from ceil(a / teil) to ceil(e / teil).
    auto stuecke = [&](int32_t yy, auto&& zeichne) {
        if (!eintrag) {
            zeichne(x0, x1);
            return;
        }
        const int32_t zr = yy * teil;
        const int32_t erster = eintrag->zeile[size_t(zr)], ende = eintrag->zeile[size_t(zr) + 1];
        if (erster == ende) return;
        const int16_t* l = eintrag->laeufe.data();
        if (teil == 2) {
            zeichne(std::max(x0, (l[2 * erster] + 1) >> 1), std::min(x1, (l[2 * ende - 1] + 1) >> 1));
            return;
        }
        for (int32_t k = erster; k < ende; ++k) zeichne(std::max(x0, int32_t(l[2 * k])), std::min(x1, int32_t(l[2 * k + 1])));
    };
    // one loop per kind of pixel, so that the per-pixel work holds no test of the kind
    if (acht && remap) {
        for (int32_t yy = y0; yy < y1; ++yy, zeile += ziel_breite, quelle += zeilen_schritt)
            stuecke(yy, [&](int32_t von, int32_t bis) {
                for (int32_t xx = von; xx < bis; ++xx) {
                    const uint8_t i = b8[quelle + size_t(xx) * sx];
                    if (!i || !remap[i] || !farben[remap[i]]) continue;
                    zeile[xx] = farben[remap[i]];
                    ++geschrieben;
                }
            });
    } else if (acht && eintrag && teil == 1) {
        // the stored runs hold no index 0: only a colour of 0 leaves the page's pixel
        for (int32_t yy = y0; yy < y1; ++yy, zeile += ziel_breite, quelle += zeilen_schritt)
            stuecke(yy, [&](int32_t von, int32_t bis) {
                const uint8_t* q = b8 + quelle;
                for (int32_t xx = von; xx < bis; ++xx) {
                    const uint16_t v = farben[q[xx]];
                    zeile[xx] = v ? v : zeile[xx];
                    geschrieben += v != 0;
                }
            });
    } else if (acht) {
        for (int32_t yy = y0; yy < y1; ++yy, zeile += ziel_breite, quelle += zeilen_schritt)
            stuecke(yy, [&](int32_t von, int32_t bis) {
                for (int32_t xx = von; xx < bis; ++xx) {
                    const uint8_t i = b8[quelle + size_t(xx) * sx];
                    if (!i || !farben[i]) continue;
                    zeile[xx] = farben[i];
                    ++geschrieben;
                }
            });
    } else if (eintrag && teil == 1) {
        // the stored runs hold only pixels other than 0: each run is copied as it stands
        for (int32_t yy = y0; yy < y1; ++yy, zeile += ziel_breite, quelle += zeilen_schritt)
            stuecke(yy, [&](int32_t von, int32_t bis) {
                if (von >= bis) return;
                std::memcpy(zeile + von, b16 + quelle + size_t(von), size_t(bis - von) * sizeof(uint16_t));
                geschrieben += bis - von;
            });
    } else {
        for (int32_t yy = y0; yy < y1; ++yy, zeile += ziel_breite, quelle += zeilen_schritt)
            stuecke(yy, [&](int32_t von, int32_t bis) {
                for (int32_t xx = von; xx < bis; ++xx) {
                    const uint16_t v = b16[quelle + size_t(xx) * sx];
                    if (!v) continue;
                    zeile[xx] = v;
                    ++geschrieben;
                }
            });
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
