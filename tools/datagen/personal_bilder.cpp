// The staff screen's pictures. The portraits: head and shoulders of the eight assistants (jacket
// and tie) and the eight doctors (white coat, stethoscope) of the built-in applicant lists, each
// an invented face of its own, RGB565, 80 x 100, no see-through parts. The icons: the applicants'
// buttons in their colours, the step arrows and the symbols of the areas and specialties.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

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

// --- the icons ---

uint16_t vier_bit(const uint8_t c[3]) { return rgb(c[0] * 255 / 15, c[1] * 255 / 15, c[2] * 255 / 15); }

void linie(Bild_Flaeche& b, int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint16_t c, int32_t dicke = 1)
{
    const int32_t n = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    for (int32_t k = 0; k <= n; ++k) {
        const int32_t x = n ? x0 + (x1 - x0) * k / n : x0, y = n ? y0 + (y1 - y0) * k / n : y0;
        b.rechteck(x - dicke / 2, y - dicke / 2, dicke, dicke, c);
    }
}

// A round disc about the pixel centre (x, y) + 0.5, without the single-pixel tips of an ellipse.
void scheibe(Bild_Flaeche& b, int32_t cx, int32_t cy, int32_t r, uint16_t c)
{
    for (int32_t y = -r; y < r; ++y)
        for (int32_t x = -r; x < r; ++x)
            if ((2 * x + 1) * (2 * x + 1) + (2 * y + 1) * (2 * y + 1) <= 4 * r * r) b.setzen(cx + x, cy + y, c);
}

// Head and shoulders about the icon's middle line, with a tie for an assistant and a red cross
// for a doctor.
void silhouette(Bild_Flaeche& b, uint16_t koerper, uint16_t zeichen, bool arzt)
{
    scheibe(b, 14, 9, 5, koerper);
    for (int32_t y = 16; y < 26; ++y) {
        const int32_t h = std::min(9, 4 + (y - 16));
        b.rechteck(14 - h, y, 2 * h, 1, koerper);
    }
    if (arzt) {
        b.rechteck(13, 18, 2, 7, zeichen);
        b.rechteck(11, 20, 6, 2, zeichen);
    } else {
        b.rechteck(13, 16, 2, 2, zeichen);
        for (int32_t y = 18; y < 25; ++y) b.rechteck(13 - (y > 19), y, 2 + 2 * (y > 19), 1, zeichen);
    }
}

// An applicant's icon: on paper in a frame of his colour; hired, filled with it.
Bild_Flaeche bewerber(int32_t k)
{
    const bool arzt = k >= 16, angestellt = k % 16 >= 8;
    const uint16_t farbe = vier_bit(PERSONAL_FARBE[k % 8]), papier = vier_bit(PERSONAL_PAPIER),
                   tinte = vier_bit(PERSONAL_TINTE), weiss = rgb(248, 248, 248), rot = rgb(214, 30, 30);
    Bild_Flaeche b(PERSONAL_BEWERBER_B, PERSONAL_BEWERBER_B, false, angestellt ? farbe : papier);
    b.rahmen(0, 0, b.w, b.h, tinte);
    if (angestellt) {
        silhouette(b, weiss, arzt ? rot : farbe, arzt);
    } else {
        b.rahmen(1, 1, b.w - 2, b.h - 2, farbe);
        silhouette(b, farbe, arzt ? weiss : papier, arzt);
        // The free place's sign: a plus in the corner.
        b.rechteck(21, 3, 5, 1, tinte);
        b.rechteck(23, 1 + 1, 1, 5, tinte);
    }
    return b;
}

Bild_Flaeche pfeil(bool vor)
{
    Bild_Flaeche b(PERSONAL_PFEIL_B, PERSONAL_PFEIL_H, false, rgb(180, 180, 172));
    b.relief(0, 0, b.w, b.h, rgb(236, 236, 228), rgb(96, 96, 92));
    const uint16_t tinte = vier_bit(PERSONAL_TINTE);
    for (int32_t d = 0; d < 6; ++d) {
        const int32_t x = vor ? 15 - d : 8 + d;
        b.rechteck(x, 9 - d, 1, 2 * d + 1, tinte);
    }
    b.rechteck(vor ? 6 : 14, 8, 4, 3, tinte);
    return b;
}

// A symbol on a light disc with a dark rim, readable on every holder's colour.
Bild_Flaeche symbol(bool fach, int32_t k)
{
    Bild_Flaeche b(PERSONAL_SYMBOL_B, PERSONAL_SYMBOL_B, true, 0);
    const int32_t m = PERSONAL_SYMBOL_B / 2;
    const uint16_t tinte = vier_bit(PERSONAL_TINTE);
    scheibe(b, m, m, m, tinte);
    scheibe(b, m, m, m - 1, rgb(224, 232, 240));
    const uint16_t gruen = rgb(40, 150, 60), weiss = rgb(250, 250, 250), rot = rgb(210, 30, 30),
                   orange = rgb(240, 140, 30), blau = rgb(40, 80, 200), grau = rgb(120, 120, 120),
                   haut = rgb(236, 190, 150), knochen = rgb(236, 230, 210), lila = rgb(130, 50, 160);
    // The severe kinds are marked red, the light ones orange.
    const uint16_t schwer = rot, leicht = orange;
    // A bone, outlined so that it stands off the light disc.
    auto knochen_zeichnen = [&](int32_t x0, int32_t x1) {
        for (int32_t rand = 1; rand >= 0; --rand) {
            const uint16_t c = rand ? grau : knochen;
            b.rechteck(x0, 10 - rand, x1 - x0 + 1, 3 + 2 * rand, c);
            for (int32_t x : {x0, x1}) {
                scheibe(b, x, 9, 2 + rand, c);
                scheibe(b, x, 14, 2 + rand, c);
            }
        }
    };
    if (!fach) {
        switch (k) {
        case 0:  // line-up: players on a pitch
            b.rechteck(5, 5, 12, 12, gruen);
            for (auto [x, y] : {std::pair{8, 7}, {13, 7}, {7, 12}, {11, 10}, {15, 12}, {11, 15}}) b.rechteck(x, y, 2, 2, weiss);
            break;
        case 1:  // tactics: a cross, a ring and the move between them
            linie(b, 4, 5, 9, 10, blau, 2);
            linie(b, 9, 5, 4, 10, blau, 2);
            scheibe(b, 15, 15, 4, rot);
            scheibe(b, 15, 15, 2, rgb(224, 232, 240));
            linie(b, 9, 13, 12, 16, tinte);
            linie(b, 6, 12, 9, 13, tinte);
            break;
        case 2:  // training: a cone and a ball
            for (int32_t y = 4; y < 17; ++y) b.rechteck(9 - (y - 4) / 3, y, 1 + 2 * ((y - 4) / 3), 1, orange);
            b.rechteck(5, 16, 9, 2, orange);
            b.rechteck(7, 10, 5, 2, weiss);
            ellipse_fuellen(b, 15, 14, 3, 3, tinte);
            ellipse_fuellen(b, 15, 14, 2, 2, weiss);
            break;
        case 3:  // transfers: two arrows, one in and one out
            linie(b, 5, 8, 16, 8, blau, 2);
            linie(b, 16, 8, 13, 5, blau, 2);
            linie(b, 5, 14, 16, 14, rot, 2);
            linie(b, 5, 14, 8, 17, rot, 2);
            break;
        case 4:  // advertising: a loud-hailer
            b.rechteck(5, 9, 4, 5, grau);
            for (int32_t x = 9; x < 17; ++x) b.rechteck(x, 10 - (x - 9) / 2, 1, 3 + (x - 9), rot);
            break;
        default:  // stadium: stands round a pitch
            b.rechteck(4, 6, 14, 10, grau);
            b.rechteck(6, 9, 10, 5, gruen);
            b.rechteck(4, 5, 14, 1, tinte);
            break;
        }
        return b;
    }
    switch (k) {
    case 0:  // small complaints: a plaster
        b.rechteck(5, 9, 12, 5, haut);
        b.rechteck(9, 9, 4, 5, knochen);
        break;
    case 1:  // virus: a spiked ball
        for (int32_t w = 0; w < 8; ++w) {
            static constexpr int32_t DX[8] = {0, 5, 7, 5, 0, -5, -7, -5}, DY[8] = {-7, -5, 0, 5, 7, 5, 0, -5};
            linie(b, m, m, m + DX[w], m + DY[w], gruen);
        }
        ellipse_fuellen(b, m, m, 4, 4, gruen);
        break;
    case 2:  // poisoning: a bottle
        b.rechteck(9, 4, 4, 4, lila);
        b.rechteck(6, 8, 10, 10, lila);
        linie(b, 8, 11, 13, 16, weiss);
        linie(b, 13, 11, 8, 16, weiss);
        break;
    case 3:
    case 4:  // wounds: a bandage with a stain
        b.rechteck(5, 8, 12, 7, weiss);
        b.rahmen(5, 8, 12, 7, grau);
        ellipse_fuellen(b, m, 11, k == 3 ? 1 : 3, k == 3 ? 1 : 2, k == 3 ? leicht : schwer);
        break;
    case 5:
    case 6:  // fractures: a bone, cracked or broken through
        knochen_zeichnen(6, 15);
        if (k == 6) linie(b, 10, 7, 12, 15, schwer, 2);
        else linie(b, 10, 9, 11, 13, leicht);
        break;
    case 7:
    case 8:  // muscles: a flexed arm
        ellipse_fuellen(b, 11, 12, 6, 4, haut);
        ellipse_fuellen(b, 15, 7, 2, 4, haut);
        if (k == 8) linie(b, 9, 9, 12, 15, schwer, 2);
        else b.rechteck(8, 12, 5, 1, leicht);
        break;
    default:  // ligaments: two bones joined by a band, torn in the severe kind
        b.rechteck(4, 4, 5, 8, grau);
        b.rechteck(13, 10, 5, 8, grau);
        b.rechteck(5, 5, 3, 6, knochen);
        b.rechteck(14, 11, 3, 6, knochen);
        linie(b, 7, 10, 14, 12, k == 9 ? leicht : schwer, 2);
        if (k == 10) b.rechteck(10, 9, 2, 4, rgb(224, 232, 240));
        break;
    }
    return b;
}

}  // namespace

// The staff screen's picture of entry `e`; false for another picture.
bool Personal_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild)
{
    if (std::strcmp(e.datei, "resf_scr.res") != 0) return false;
    const int32_t n = e.nummer;
    if (n >= PERSONAL_BILD_ASSI && n < PERSONAL_BILD_ARZT + 8) bild = portrait(n - PERSONAL_BILD_ASSI).fertig(n);
    else if (n >= PERSONAL_BILD_BEWERBER && n < PERSONAL_BILD_BEWERBER + 32) bild = bewerber(n - PERSONAL_BILD_BEWERBER).fertig(n);
    else if (n == PERSONAL_BILD_PFEIL || n == PERSONAL_BILD_PFEIL + 1) bild = pfeil(n > PERSONAL_BILD_PFEIL).fertig(n);
    else if (n >= PERSONAL_BILD_BEREICH && n < PERSONAL_BILD_BEREICH + 6) bild = symbol(false, n - PERSONAL_BILD_BEREICH).fertig(n);
    else if (n >= PERSONAL_BILD_FACH && n < PERSONAL_BILD_FACH + 11) bild = symbol(true, n - PERSONAL_BILD_FACH).fertig(n);
    else return false;
    return true;
}
