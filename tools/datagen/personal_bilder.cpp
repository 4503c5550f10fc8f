// The staff screen's portraits: head and shoulders of the eight assistants (jacket and tie) and
// the eight doctors (white coat, stethoscope) of the built-in applicant lists, each an invented
// face of its own. RGB565, 80 x 100, no see-through parts.
#include <algorithm>
#include <cstring>

#include "screens/personal_bilder.h"
#include "tools/datagen/bild_flaeche.h"
#include "tools/datagen/manifest.h"

namespace {

constexpr uint16_t rgb(int r, int g, int b)
{
    const uint16_t p = uint16_t((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3));
    return p ? p : 1;
}
struct Farbe {
    int r, g, b;
    uint16_t px(int dunkler = 0) const
    {
        auto k = [dunkler](int c) { return c - dunkler < 0 ? 0 : c - dunkler; };
        return rgb(k(r), k(g), k(b));
    }
};

enum class Haar { Kurz, Glatze, Lang, Bob, Scheitel, Locken };

struct Person {
    Farbe haut, haar, kleidung, akzent;  // akzent: the tie or blouse, or the shirt under the coat
    Haar frisur;
    bool brille, schnurrbart, vollbart;
};

constexpr Farbe HELL{242, 206, 174}, MITTEL{222, 178, 140}, GEBRAEUNT{190, 140, 100}, DUNKEL{132, 90, 60};
constexpr Farbe SCHWARZ{36, 30, 28}, BRAUN{96, 60, 34}, BLOND{214, 178, 96}, ROT{168, 72, 34}, GRAU{168, 168, 164},
                WEISS{226, 226, 222};

// Assistants 0..7, then doctors 0..7, in the order of the applicant lists; the long and bobbed
// hair are the five women's.
constexpr Person PERSONEN[16] = {
    {MITTEL, BRAUN, {92, 70, 52}, {150, 40, 40}, Haar::Kurz, false, true, false},
    {HELL, BLOND, {44, 80, 60}, {200, 170, 60}, Haar::Scheitel, false, false, false},
    {HELL, ROT, {70, 90, 130}, {110, 170, 180}, Haar::Bob, true, false, false},
    {GEBRAEUNT, SCHWARZ, {40, 40, 48}, {60, 90, 170}, Haar::Kurz, true, false, true},
    {MITTEL, BRAUN, {120, 40, 50}, {220, 200, 80}, Haar::Locken, false, false, false},
    {HELL, GRAU, {60, 60, 70}, {170, 30, 40}, Haar::Glatze, false, true, false},
    {DUNKEL, SCHWARZ, {140, 90, 40}, {210, 90, 70}, Haar::Lang, false, false, false},
    {HELL, WEISS, {30, 36, 60}, {120, 20, 30}, Haar::Scheitel, true, false, false},
    {HELL, BRAUN, {}, {90, 120, 170}, Haar::Glatze, true, true, false},
    {MITTEL, BLOND, {}, {160, 60, 80}, Haar::Lang, false, false, false},
    {GEBRAEUNT, SCHWARZ, {}, {70, 110, 80}, Haar::Kurz, false, false, true},
    {HELL, GRAU, {}, {120, 70, 140}, Haar::Bob, true, false, false},
    {MITTEL, ROT, {}, {60, 60, 90}, Haar::Locken, false, true, false},
    {DUNKEL, SCHWARZ, {}, {200, 120, 40}, Haar::Bob, false, false, false},
    {HELL, BRAUN, {}, {40, 90, 140}, Haar::Scheitel, false, false, false},
    {HELL, WEISS, {}, {110, 30, 30}, Haar::Glatze, true, false, true},
};

bool frau(const Person& p) { return p.frisur == Haar::Lang || p.frisur == Haar::Bob; }

constexpr int32_t KX = 40, KY = 42, RX = 16, RY = 21;  // the face's ellipse

bool ellipse(int32_t x, int32_t y, int32_t cx, int32_t cy, int32_t rx, int32_t ry)
{
    const int64_t dx = x - cx, dy = y - cy;
    return dx * dx * ry * ry + dy * dy * rx * rx <= int64_t(rx) * rx * ry * ry;
}
void ellipse_fuellen(Bild_Flaeche& b, int32_t cx, int32_t cy, int32_t rx, int32_t ry, uint16_t c)
{
    for (int32_t y = cy - ry; y <= cy + ry; ++y)
        for (int32_t x = cx - rx; x <= cx + rx; ++x)
            if (ellipse(x, y, cx, cy, rx, ry)) b.setzen(x, y, c);
}

// Shoulders widen from the neck down to the foot of the picture.
int32_t schulter_halb(int32_t y) { return y < 70 ? 0 : std::min(39, 16 + (y - 70) * 3 / 2); }

void koerper(Bild_Flaeche& b, const Person& p, bool arzt)
{
    const Farbe stoff = arzt ? WEISS : p.kleidung;
    b.rechteck(KX - 7, KY + 14, 15, 18, p.haut.px(24));  // neck, in the face's shade
    for (int32_t y = 70; y < b.h; ++y) {
        const int32_t h = schulter_halb(y);
        b.rechteck(KX - h, y, 2 * h + 1, 1, stoff.px(y > 96 ? 30 : 0));
        b.setzen(KX - h, y, stoff.px(50));
        b.setzen(KX + h, y, stoff.px(50));
    }
    // The open collar: shirt (or the shirt under the coat) in a V down the chest.
    const Farbe hemd = arzt || frau(p) ? p.akzent : Farbe{238, 238, 234};
    for (int32_t y = 68; y < b.h; ++y) {
        const int32_t h = std::max(0, 9 - (y - 68) / 3);
        if (h) b.rechteck(KX - h, y, 2 * h + 1, 1, hemd.px());
        b.setzen(KX - h - 1, y, stoff.px(60));
        b.setzen(KX + h + 1, y, stoff.px(60));
    }
    if (arzt) {
        // The stethoscope hangs round the neck, its bell on the right of the chest.
        const uint16_t schlauch = rgb(50, 50, 56);
        for (int32_t y = 70; y < 92; ++y) {
            b.setzen(KX - 12 + (y - 70) / 6, y, schlauch);
            b.setzen(KX + 12 - (y - 70) / 6, y, schlauch);
        }
        ellipse_fuellen(b, KX + 9, 94, 3, 3, rgb(170, 170, 176));
        b.rechteck(KX + 20, 86, 8, 1, rgb(150, 150, 150));  // the breast pocket's pen
        b.rechteck(KX + 19, 87, 10, 8, WEISS.px(20));
    } else if (!frau(p)) {
        // Tie from the knot down; the women wear a blouse in its colour instead.
        const uint16_t t = p.akzent.px(), k = p.akzent.px(40);
        for (int32_t y = 70; y < b.h; ++y) {
            const int32_t h = y < 74 ? 2 : 2 + (y - 74) / 8;
            b.rechteck(KX - h, y, 2 * h + 1, 1, y < 74 ? k : t);
        }
    }
}

void haare_hinten(Bild_Flaeche& b, const Person& p)
{
    const uint16_t h = p.haar.px(20);
    if (p.frisur == Haar::Lang) {
        ellipse_fuellen(b, KX, KY - 2, RX + 5, RY + 3, h);
        b.rechteck(KX - RX - 5, KY, 2 * RX + 11, 30, h);
    } else if (p.frisur == Haar::Bob) {
        ellipse_fuellen(b, KX, KY - 2, RX + 4, RY + 2, h);
        b.rechteck(KX - RX - 4, KY, 2 * RX + 9, 16, h);
    }
}

void gesicht(Bild_Flaeche& b, const Person& p)
{
    ellipse_fuellen(b, KX - RX, KY + 2, 3, 5, p.haut.px(16));  // ears
    ellipse_fuellen(b, KX + RX, KY + 2, 3, 5, p.haut.px(16));
    ellipse_fuellen(b, KX, KY, RX, RY, p.haut.px());
    // Cheeks a little shaded towards the edge of the face.
    for (int32_t y = KY - RY; y <= KY + RY; ++y)
        for (int32_t x = KX - RX; x <= KX + RX; ++x)
            if (ellipse(x, y, KX, KY, RX, RY) && !ellipse(x, y, KX, KY, RX - 2, RY - 1)) b.setzen(x, y, p.haut.px(18));
    const uint16_t braue = p.haar.px(40), weiss = rgb(246, 246, 246), iris = rgb(60, 50, 40);
    for (int32_t s : {-1, 1}) {
        const int32_t ax = KX + 7 * s;
        b.rechteck(ax - 4, KY - 6, 9, 2, braue);
        ellipse_fuellen(b, ax, KY - 1, 3, 2, weiss);
        b.rechteck(ax - 1, KY - 2, 2, 3, iris);
    }
    // Nose: the shaded side and the base.
    b.rechteck(KX + 1, KY, 1, 8, p.haut.px(40));
    b.rechteck(KX - 2, KY + 8, 5, 1, p.haut.px(46));
    // Mouth, smiling at the corners.
    const uint16_t lippe = rgb(176, 84, 84);
    b.rechteck(KX - 5, KY + 13, 11, 1, lippe);
    b.setzen(KX - 6, KY + 12, lippe);
    b.setzen(KX + 6, KY + 12, lippe);
    b.rechteck(KX - 3, KY + 14, 7, 1, p.haut.px(30));
    if (p.vollbart)
        for (int32_t y = KY + 6; y <= KY + RY + 1; ++y)
            for (int32_t x = KX - RX; x <= KX + RX; ++x)
                if (ellipse(x, y, KX, KY, RX, RY + 1) && (y > KY + 15 || x < KX - 8 || x > KX + 8))
                    b.setzen(x, y, p.haar.px(10));
    if (p.schnurrbart || p.vollbart) b.rechteck(KX - 6, KY + 10, 13, 2, p.haar.px(10));
    if (p.brille) {
        const uint16_t g = rgb(40, 40, 44);
        for (int32_t s : {-1, 1}) b.rahmen(KX + 7 * s - 5, KY - 4, 11, 7, g);
        b.rechteck(KX - 2, KY - 3, 5, 1, g);
    }
}

void haare_oben(Bild_Flaeche& b, const Person& p)
{
    const uint16_t h = p.haar.px(), schatten = p.haar.px(30);
    const int32_t oben = KY - RY - 3;
    switch (p.frisur) {
    case Haar::Glatze:
        // A fringe round the back of the head above the ears.
        for (int32_t s : {-1, 1}) b.rechteck(KX + s * (RX + 1) - 2, KY - 10, 5, 10, h);
        return;
    case Haar::Locken:
        for (int32_t k = 0; k < 9; ++k) ellipse_fuellen(b, KX - 16 + 4 * k, oben + 6 + (k % 2) * 3, 5, 5, k % 2 ? h : schatten);
        return;
    default: break;
    }
    // A cap over the top of the head down to the hairline; the parting leaves a line.
    const int32_t haaransatz = frau(p) ? KY - 10 : KY - 12;
    for (int32_t y = oben; y <= haaransatz; ++y)
        for (int32_t x = KX - RX - 2; x <= KX + RX + 2; ++x)
            if (ellipse(x, y, KX, KY - 1, RX + 2, RY + 3)) b.setzen(x, y, h);
    if (p.frisur == Haar::Scheitel) b.rechteck(KX - 6, oben + 1, 1, 7, schatten);
    if (frau(p)) {
        // The fringe falls over the forehead's sides.
        for (int32_t s : {-1, 1}) b.rechteck(KX + s * (RX - 1) - 2, KY - 10, 5, 14, h);
    }
}

Bild_Flaeche portrait(int32_t k)
{
    const bool arzt = k >= 8;
    const Person& p = PERSONEN[k];
    Bild_Flaeche b(PERSONAL_BILD_B, PERSONAL_BILD_H, false, 0);
    // A soft backdrop: grey-blue for the office, pale green for the practice.
    for (int32_t y = 0; y < b.h; ++y) {
        const int32_t t = y * 40 / b.h;
        b.rechteck(0, y, b.w, 1, arzt ? rgb(176 - t, 206 - t, 190 - t) : rgb(168 - t, 182 - t, 204 - t));
    }
    haare_hinten(b, p);
    koerper(b, p, arzt);
    gesicht(b, p);
    haare_oben(b, p);
    return b;
}

}  // namespace

// The portrait of entry `e`; false for another picture.
bool Personal_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild)
{
    if (std::strcmp(e.datei, "resf_scr.res") != 0 || e.nummer < PERSONAL_BILD_ASSI || e.nummer >= PERSONAL_BILD_ARZT + 8)
        return false;
    bild = portrait(e.nummer - PERSONAL_BILD_ASSI).fertig(e.nummer);
    return true;
}
