#include "tools/datagen/gesicht_bilder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>


// Named, not anonymous: the tests compile several builder files into one unit.
namespace gesicht_bild {

// The hair colour of each hairstyle (numbers 0..4, entries 212..216 of the figures' palette).
constexpr int32_t HAARFARBE[20] = {2, 3, 4, 4, 2, 2, 0, 4, 0, 1, 4, 1, 2, 4, 0, 1, 4, 4, 4, 4};
constexpr uint8_t HAAR_RGB[5][3] = {{28, 24, 22}, {92, 56, 30}, {150, 100, 52}, {222, 190, 96}, {176, 74, 32}};
constexpr uint8_t HAUT[7][3] = {{250, 222, 196}, {240, 204, 166}, {226, 184, 144}, {204, 156, 114},
                                {174, 124, 86},  {136, 94, 62},   {100, 68, 46}};
// Head shapes: half width and half height of the face around (18, 18).
constexpr int32_t KOPF_RX[7] = {11, 12, 10, 13, 11, 12, 11};
constexpr int32_t KOPF_RY[7] = {14, 15, 13, 14, 15, 13, 14};
// The eyes' box in the portrait: hair and glasses keep out of it.
constexpr int32_t AUGE_X0 = 9, AUGE_X1 = 26, AUGE_Y0 = 14, AUGE_Y1 = 20;

uint16_t rgb(int r, int g, int b)
{
    const uint16_t v = uint16_t((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3));
    return v ? v : 0x0821;  // black stays visible
}
uint16_t rgb(const uint8_t c[3], int dunkler = 0)
{
    return rgb(std::max(0, c[0] - dunkler), std::max(0, c[1] - dunkler), std::max(0, c[2] - dunkler));
}

struct Teil {
    int32_t w, h, x, y;
    std::vector<uint16_t> px;
    explicit Teil(int32_t nummer)
    {
        uint16_t mw = 0, mh = 0, mx = 0, my = 0;
        Gesicht_Teil_Masse(nummer, &mw, &mh, &mx, &my);
        w = mw, h = mh, x = mx, y = my;
        px.assign(size_t(w * h), 0);
    }
    // set in portrait coordinates; outside the part nothing happens
    void p(int32_t ax, int32_t ay, uint16_t v)
    {
        const int32_t lx = ax - x, ly = ay - y;
        if (lx >= 0 && ly >= 0 && lx < w && ly < h) px[size_t(ly * w + lx)] = v;
    }
    uint16_t at(int32_t ax, int32_t ay) const
    {
        const int32_t lx = ax - x, ly = ay - y;
        return lx >= 0 && ly >= 0 && lx < w && ly < h ? px[size_t(ly * w + lx)] : 0;
    }
};

bool in_ellipse(double x, double y, double cx, double cy, double rx, double ry)
{
    const double dx = (x - cx) / rx, dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

Teil kopf(int32_t k)
{
    Teil t(GESICHT_MASSE[3].erste + k);
    const uint16_t grund = rgb(150, 176, 206), haut = rgb(HAUT[k]), schatten = rgb(HAUT[k], 40);
    const int32_t rx = KOPF_RX[k], ry = KOPF_RY[k];
    for (int32_t y = 0; y < 41; ++y)
        for (int32_t x = 0; x < 36; ++x) {
            uint16_t v = grund;
            if (x >= 14 && x <= 22 && y >= 26) v = (x == 14 || x == 22) ? schatten : haut;  // neck
            if (in_ellipse(x, y, 18 - rx - 0.5, 18, 2, 3) || in_ellipse(x, y, 18 + rx + 0.5, 18, 2, 3)) v = schatten;
            if (in_ellipse(x, y, 18, 18, rx + 0.5, ry + 0.5)) v = in_ellipse(x, y, 18, 18, rx - 0.5, ry - 0.5) ? haut : schatten;
            t.p(x, y, v);
        }
    // cheeks a touch warmer on the lighter tones
    if (k < 4)
        for (int32_t y = 23; y <= 24; ++y)
            for (int32_t x : {11, 12, 24, 25}) t.p(x, y, rgb(236, 170, 150));
    return t;
}

Teil augen(int32_t k)
{
    Teil t(GESICHT_MASSE[0].erste + k);
    static constexpr uint8_t PUPILLE[5][3] = {{96, 62, 30}, {44, 96, 204}, {52, 132, 64}, {112, 112, 124}, {26, 22, 20}};
    const uint16_t weiss = rgb(245, 245, 240), pupille = rgb(PUPILLE[k % 5]), braue = rgb(70, 48, 34);
    const int32_t breite = 4 + (k / 5) % 2;  // 4 or 5 wide
    for (int32_t a : {11, 20}) {
        for (int32_t y = 16; y <= 18; ++y)
            for (int32_t x = a; x < a + breite; ++x) t.p(x, y, weiss);
        const int32_t px = a + breite / 2 - 1 + (k % 3 == 2 ? 1 : 0);
        for (int32_t y = 16; y <= 17 + (k % 2); ++y)
            for (int32_t x = px; x <= px + 1; ++x) t.p(x, y, pupille);
        // brows: straight, raised at the outside, or heavy
        for (int32_t x = a - 1; x <= a + breite; ++x) {
            int32_t y = 14;
            if (k >= 10) y = (a == 11 ? x <= a + 1 : x >= a + breite - 2) ? 14 : 15;
            t.p(x, y, braue);
            if (k >= 5 && k < 10) t.p(x, y + 1 < 16 ? y + 1 : y, braue);
        }
    }
    return t;
}

Teil nase(int32_t k)
{
    Teil t(GESICHT_MASSE[4].erste + k);
    const uint16_t linie = rgb(158, 104, 72);
    const int32_t laenge = 3 + k % 4;
    for (int32_t y = 19; y < 19 + laenge; ++y) t.p(k % 2 ? 18 : 17, y, linie);
    const int32_t unten = 19 + laenge;
    const int32_t halb = 1 + (k / 4) % 3;
    for (int32_t x = 18 - halb; x <= 18 + halb; ++x) t.p(x, std::min(unten, 25), linie);
    if (k >= 8) {
        t.p(18 - halb, std::min(unten, 25) - 1, linie);
        t.p(18 + halb, std::min(unten, 25) - 1, linie);
    }
    return t;
}

Teil mund(int32_t k)
{
    Teil t(GESICHT_MASSE[5].erste + k);
    const uint16_t lippe = rgb(184, 72, 70), innen = rgb(90, 20, 24), zahn = rgb(250, 250, 250);
    const int32_t halb = 3 + k % 3;
    for (int32_t x = 18 - halb; x <= 18 + halb; ++x) {
        int32_t y = 29;
        const int32_t d = std::abs(x - 18);
        if (k % 4 == 0 && d >= halb - 1) y = 28;  // smile
        if (k % 4 == 3 && d >= halb - 1) y = 30;  // serious
        t.p(x, y, lippe);
        if (k >= 6 && d < halb) {  // open mouth
            t.p(x, y + 1, d < 2 && k >= 8 ? zahn : innen);
            t.p(x, y + 2, lippe);
        }
    }
    return t;
}

Teil schnurrbart(int32_t k)
{
    Teil t(GESICHT_MASSE[1].erste + k);
    if (k == 1)
        for (int32_t x = 13; x <= 22; ++x) {
            t.p(x, 26, rgb(70, 46, 30));
            if (x >= 15 && x <= 20) t.p(x, 25, rgb(70, 46, 30));
        }
    return t;
}

Teil extra(int32_t k)
{
    if (k == 1) {  // glasses: two frames round the eyes and a bridge
        Teil t(GESICHT_MASSE[6].erste + k);
        const uint16_t rahmen = rgb(40, 40, 48);
        for (int32_t a : {9, 18}) {
            for (int32_t x = a; x <= a + 7; ++x) {
                t.p(x, 14, rahmen);
                t.p(x, 20, rahmen);
            }
            for (int32_t y = 14; y <= 20; ++y) {
                t.p(a, y, rahmen);
                t.p(a + 7, y, rahmen);
            }
        }
        t.p(17, 16, rahmen);
        return t;
    }
    Teil t(GESICHT_MASSE[6].erste + k);
    if (k == 2) {  // beard round the chin, the mouth left free
        const uint16_t bart = rgb(64, 44, 30);
        for (int32_t y = 25; y < 37; ++y)
            for (int32_t x = 6; x < 30; ++x) {
                const bool gesicht = in_ellipse(x, y, 18, 18, 11.5, 15.5);
                const bool mund = x >= 11 && x <= 25 && y >= 27 && y <= 31;
                if (gesicht && !mund && (y >= 29 || x <= 10 || x >= 26)) t.p(x, y, (x + y) % 3 ? bart : rgb(84, 60, 40));
            }
    }
    return t;
}

Teil haar(int32_t k)
{
    Teil t(GESICHT_MASSE[2].erste + k);
    const uint8_t* c = HAAR_RGB[HAARFARBE[k]];
    const uint16_t farbe = rgb(c), hell = rgb(std::min(255, c[0] + 40), std::min(255, c[1] + 36), std::min(255, c[2] + 30));
    const int32_t dicke = 1 + k % 3;
    const int32_t stirn = 7 + (k / 3) % 4 * 2;  // the fringe's lowest row
    const bool lang = k % 5 == 4, glatze = k == 7, locken = k % 4 == 1, stachel = k % 6 == 5;
    const int32_t seite = lang ? 25 : 12 + (k % 2) * 4;
    for (int32_t y = 0; y < 26; ++y)
        for (int32_t x = 0; x < 36; ++x) {
            if (x >= AUGE_X0 && x <= AUGE_X1 && y >= AUGE_Y0 && y <= AUGE_Y1) continue;
            if (!in_ellipse(x, y, 18, 18, 11 + dicke, 14 + dicke)) continue;
            const bool oben = y <= stirn && !glatze;
            const bool seitlich = (x <= 8 || x >= 27) && y <= seite && (y >= 9 || !glatze);
            if (!oben && !seitlich) continue;
            // spikes: the top edge cut into teeth
            if (stachel && !in_ellipse(x, y, 18, 18, 11 + dicke, 13 + dicke) && x % 3 != 0) continue;
            t.p(x, y, locken && (x + 2 * y) % 4 == 0 ? hell : farbe);
        }
    return t;
}

Teil hemd(int32_t k)
{
    Teil t(GESICHT_MASSE[7].erste + k);
    for (int32_t r = 0; r < 8; ++r) {
        const int32_t x0 = std::max(0, 8 - 2 * r), x1 = std::min(35, 27 + 2 * r);
        const int32_t v = std::max(0, 3 - r);  // the collar's opening
        for (int32_t x = x0; x <= x1; ++x) {
            if (std::abs(x - 18) < v) continue;
            const bool rand = x == x0 || x == x1 || r == 0 || std::abs(x - 18) == v;
            t.p(x, 33 + r, rand ? 0x0020 : 0xFFFF);
        }
    }
    return t;
}

// Category and index of a resource number; false outside the library.
bool einordnen(int32_t nummer, int32_t* kat, int32_t* index)
{
    for (int32_t k = 0; k < 8; ++k)
        if (nummer >= GESICHT_MASSE[k].erste && nummer < GESICHT_MASSE[k].erste + GESICHT_MASSE[k].anzahl) {
            *kat = k;
            *index = nummer - GESICHT_MASSE[k].erste;
            return true;
        }
    return false;
}

Teil teil(int32_t kat, int32_t i)
{
    switch (kat) {
    case 0: return augen(i);
    case 1: return schnurrbart(i);
    case 2: return haar(i);
    case 3: return kopf(i);
    case 4: return nase(i);
    case 5: return mund(i);
    case 6: return extra(i);
    default: return hemd(i);
    }
}

}  // namespace gesicht_bild

using gesicht_bild::einordnen;
using gesicht_bild::haar;
using gesicht_bild::in_ellipse;
using gesicht_bild::kopf;
using gesicht_bild::teil;
using gesicht_bild::Teil;

bool Gesicht_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild)
{
    int32_t kat = 0, i = 0;
    if (!einordnen(e.nummer, &kat, &i)) return false;
    const Teil t = teil(kat, i);
    bild.width = uint16_t(t.w);
    bild.height = uint16_t(t.h);
    bild.x_offset = uint16_t(t.x);
    bild.y_offset = uint16_t(t.y);
    bild.depth = 16;
    bild.compression = (e.nummer % 2) ? 5 : 4;
    bild.pixels.resize(t.px.size() * 2);
    for (size_t n = 0; n < t.px.size(); ++n) {
        bild.pixels[2 * n] = uint8_t(t.px[n]);
        bild.pixels[2 * n + 1] = uint8_t(t.px[n] >> 8);
    }
    return true;
}

void Gesicht_Haarfarbe_RGB(int32_t farbe, uint8_t rgb_aus[3])
{
    const uint8_t* c = gesicht_bild::HAAR_RGB[std::clamp(farbe, 0, 4)];
    for (int32_t i = 0; i < 3; ++i) rgb_aus[i] = c[i];
}

bool Gesicht_Bilder_Pruefen(std::string* fehler)
{
    for (int32_t h = 0; h < GESICHT_MASSE[3].anzahl; ++h) {
        const Teil k = kopf(h);
        for (int32_t s = 0; s < GESICHT_MASSE[2].anzahl; ++s) {
            const Teil hr = haar(s);
            for (int32_t y = 0; y < 41; ++y)
                for (int32_t x = 0; x < 36; ++x) {
                    if (!hr.at(x, y)) continue;
                    char text[160];
                    if (x >= gesicht_bild::AUGE_X0 && x <= gesicht_bild::AUGE_X1 && y >= gesicht_bild::AUGE_Y0 && y <= gesicht_bild::AUGE_Y1) {
                        std::snprintf(text, sizeof text, "Frisur %d verdeckt die Augen bei (%d, %d)", s, x, y);
                        if (fehler) *fehler = text;
                        return false;
                    }
                    if (!in_ellipse(x, y, 18, 18, gesicht_bild::KOPF_RX[h] + 5, gesicht_bild::KOPF_RY[h] + 5)) {
                        std::snprintf(text, sizeof text, "Frisur %d verläßt Kopf %d bei (%d, %d)", s, h, x, y);
                        if (fehler) *fehler = text;
                        return false;
                    }
                }
        }
    }
    // every other part stays inside the portrait
    for (int32_t kat = 0; kat < 8; ++kat)
        for (int32_t i = 0; i < GESICHT_MASSE[kat].anzahl; ++i) {
            const Teil t = teil(kat, i);
            if (t.x < 0 || t.y < 0 || t.x + t.w > 36 || t.y + t.h > 41) {
                if (fehler) *fehler = "Gesichtsteil außerhalb des Bildes";
                return false;
            }
        }
    return true;
}
