#include "graphics/grafik_spielerfigur.h"

#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_sprite.h"
#include "platform/resfile.h"

namespace {

Grafik_Spielerfigur_Daten daten{};
Rastport* basis[3] = {nullptr, nullptr, nullptr};  // styles A, B, C
Rle_Sprite* nummern[100] = {};
bool geladen = false;

constexpr int32_t BASIS_BILD[3] = {139, 328, 212};
constexpr int32_t NUMMER_X[3] = {10, 10, 10};
constexpr int32_t NUMMER_Y[3] = {13, 19, 13};
constexpr int32_t NUMMER_SPRITE = 1838;
constexpr uint16_t ROT = 0xFA00;

void laden()
{
    if (geladen) return;
    geladen = true;
    int32_t h = ResFile_Handles[0].handle;
    if (h < 0) return;
    int32_t tiefe = Grafik_Screen_Geometrie.depth == 15 ? 15 : 16;
    for (int i = 0; i < 3; ++i)
        if (ResFile_Get_Typ(h, BASIS_BILD[i]) == RES_BITMAP)
            basis[i] = static_cast<Rastport*>(Load_Resource(h, BASIS_BILD[i], tiefe, nullptr));
    for (int i = 0; i < 100; ++i)
        if (ResFile_Get_Typ(h, NUMMER_SPRITE + i) == RES_SPRITE)
            nummern[i] = static_cast<Rle_Sprite*>(Load_Resource(h, NUMMER_SPRITE + i, tiefe, nullptr));
}

int32_t rueckennummer(int32_t team, int32_t spieler)
{
    if (spieler < 0 || !daten.rueckennummer) return 0;
    int32_t n = daten.rueckennummer(team, spieler);
    return n < 0 ? 0 : n % 100;
}

}  // namespace

void Grafik_Spielerfigur_Set_Daten(const Grafik_Spielerfigur_Daten& d) { daten = d; }

void Grafik_Spielerfigur_Cache_Freigeben()
{
    for (auto& b : basis) b = Grafik_Bitmap_Freigeben(b);
    for (auto& s : nummern) s = (Grafik_Sprite_Freigeben(s), nullptr);
    geladen = false;
}

int Grafik_Spielerfigur_Sprite_Zeichnen(Rastport* dst, int32_t spieler, int32_t team, int32_t x,
                                        int32_t y)
{
    Grafik_Seite_Beschrieben(dst);
    laden();
    return Grafik_Sprite_Blit(nummern[rueckennummer(team, spieler)], dst, x, y);
}

Rastport* Grafik_Spielerfigur_Erzeugen(Rastport* target, int32_t spieler, int32_t team, int32_t stil,
                                       uint16_t farbe)
{
    Grafik_Seite_Beschrieben(target);
    int32_t index = F_TRIKOT_SPIELER;
    if (spieler >= 0 && daten.position && daten.position(spieler) == POSITION_TORWART)
        index = F_TRIKOT_TORWART;
    const uint8_t* kit = daten.kit ? daten.kit(team) : nullptr;
    uint16_t trikot = kit ? Grafik_Farbe(kit[3 * index] >> 4, kit[3 * index + 1] >> 4,
                                         kit[3 * index + 2] >> 4)
                          : ROT;
    // a black kit must stay visible: 0 is the transparent key
    if (trikot == 0) trikot = 1;
    if (stil & FIGUR_EIGENE_FARBE) trikot = farbe;
    laden();
    if (!target) {
        Rastport* b = (stil & FIGUR_STIL_B) ? basis[1]
                      : (stil & FIGUR_STIL_A) ? basis[0]
                      : (stil & FIGUR_STIL_C) ? basis[2]
                                              : nullptr;
        if (!b) return nullptr;
        target = Grafik_Bitmap_Anlegen(int32_t(b->width), int32_t(b->height), b->depth);
        if (!target) return nullptr;
    }
    int k = (stil & FIGUR_STIL_A) ? 0 : (stil & FIGUR_STIL_B) ? 1 : (stil & FIGUR_STIL_C) ? 2 : -1;
    if (k < 0 || !basis[k]) return target;
    Rastport* b = basis[k];
    int32_t bw = int32_t(b->width), bh = int32_t(b->height);
    Grafik_Blit(b, 0, 0, bw, bh, target, 0, 0);
    if (int32_t(target->width) >= bw && int32_t(target->height) >= bh && bw > 0 && bh > 0 &&
        !target->packed && target->depth != 8) {
        // the key pixel at its place in the base picture's rectangle, whatever the target's width
        int32_t i = bw / 2 + (bw * bh) / 2;
        int32_t kx = i % bw, ky = i / bw;
        if (ky < bh) {
            uint16_t schluessel = static_cast<uint16_t*>(target->pixels)[size_t(ky) * target->width + kx];
            Grafik_Farbe_Ersetzen(target, 0, 0, bw, bh, schluessel, trikot);
        }
    }
    if (!(stil & FIGUR_OHNE_NUMMER) && spieler >= 0)
        Grafik_Sprite_Blit(nummern[rueckennummer(team, spieler)], target, NUMMER_X[k], NUMMER_Y[k]);
    return target;
}

int Grafik_Farbe_Ersetzen(Rastport* rp, int32_t x, int32_t y, int32_t w, int32_t h, uint16_t alt,
                          uint16_t neu)
{
    Grafik_Seite_Beschrieben(rp);
    if (!rp || rp->packed || !rp->pixels) return 0;
    if (x < 0 || y < 0 || w < 0 || h < 0 || int64_t(x) + w > int64_t(rp->width) ||
        int64_t(y) + h > int64_t(rp->height))
        return 0;
    if (rp->depth != 15 && rp->depth != 16) return 1;
    if (w == 0 || h == 0) return 1;
    if (rp == Grafik_Render_Ziel || Grafik_Ist_Seite_0(rp)) {
        // a screen page gets one write: replace in a copy and blit the copy back
        Rastport* kopie = Grafik_Bitmap_Anlegen(w, h, rp->depth);
        if (!kopie) return 0;
        Grafik_Blit(rp, x, y, w, h, kopie, 0, 0);
        Grafik_Farbe_Ersetzen(kopie, 0, 0, w, h, alt, neu);
        Grafik_Blit(kopie, 0, 0, w, h, rp, x, y);
        Grafik_Bitmap_Freigeben(kopie);
        return 1;
    }
    auto* p = static_cast<uint16_t*>(rp->pixels);
    for (int32_t j = y; j < y + h; ++j)
        for (int32_t i = x; i < x + w; ++i) {
            uint16_t& v = p[size_t(j) * rp->width + i];
            if (v == alt) v = neu;
        }
    return 1;
}

void Grafik_Nullpixel_Ersetzen(Rastport* rp)
{
    Grafik_Seite_Beschrieben(rp);
    if (!rp || rp->packed || !rp->pixels || (rp->depth != 15 && rp->depth != 16)) return;
    auto* p = static_cast<uint16_t*>(rp->pixels);
    for (size_t i = 0; i < size_t(rp->width) * rp->height; ++i)
        if (p[i] == 0) p[i] = 1;
}
