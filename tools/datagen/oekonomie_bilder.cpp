#include "tools/datagen/oekonomie_bilder.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "economy/stadion.h"
#include "tools/datagen/bild_flaeche.h"
#include "economy/stadion_schirm.h"
#include "economy/stadion_statistik_seite.h"
#include "economy/werbung.h"
#include "economy/werbung_schirm.h"

namespace oekonomie_bild {

uint16_t rgb(int r, int g, int b) { return uint16_t((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3)); }

struct Flaeche : Bild_Flaeche {
    using Bild_Flaeche::Bild_Flaeche;
    void punkt(int32_t x, int32_t y, uint16_t c) { setzen(x, y, c); }
    // Top to bottom from one colour to another.
    void verlauf(int32_t x, int32_t y, int32_t bw, int32_t bh, int r0, int g0, int b0, int r1, int g1, int b1)
    {
        for (int32_t i = 0; i < bh; ++i) {
            const double t = bh > 1 ? double(i) / (bh - 1) : 0;
            rechteck(x, y + i, bw, 1, rgb(int(r0 + (r1 - r0) * t), int(g0 + (g1 - g0) * t), int(b0 + (b1 - b0) * t)));
        }
    }
    void scheibe(double cx, double cy, double r, uint16_t c)
    {
        for (int32_t y = int32_t(cy - r); y <= int32_t(cy + r); ++y)
            for (int32_t x = int32_t(cx - r); x <= int32_t(cx + r); ++x)
                if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= r) punkt(x, y, c);
    }
};

// A page: dark blue-green ground, a lighter work panel with a relief and a header strip.
Flaeche seite(int32_t art)
{
    static const int FARBE[5][3] = {{20, 50, 70}, {26, 56, 64}, {30, 60, 40}, {40, 56, 36}, {50, 44, 40}};
    const int* f = FARBE[art];
    Flaeche b(640, 480, false, rgb(f[0], f[1], f[2]));
    b.verlauf(0, 0, 640, 480, f[0], f[1], f[2], f[0] / 2, f[1] / 2, f[2] / 2);
    b.rechteck(8, 52, 624, 420, rgb(f[0] + 40, f[1] + 40, f[2] + 40));
    b.rahmen(8, 52, 624, 420, rgb(200, 210, 210));
    b.rahmen(9, 53, 622, 418, rgb(10, 10, 10));
    b.verlauf(10, 54, 620, 20, 180, 190, 200, 90, 100, 110);
    return b;
}

void tribuene(Flaeche& b, int32_t x, int32_t y, int32_t bw, int32_t bh, uint16_t sitz, bool dach)
{
    for (int32_t r = 0; r < 5; ++r) b.rechteck(x, y + r * bh / 5, bw, bh / 5 - 1, r % 2 ? sitz : rgb(150, 150, 150));
    if (dach) b.rechteck(x - 2, y - 4, bw + 4, 4, rgb(90, 90, 110));
}

Flaeche plan()
{
    Flaeche b(STADION_PLAN_BREITE, STADION_PLAN_HOEHE, false, rgb(60, 90, 60));
    // the pitch in the middle of the stands
    b.rechteck(120, 85, 150, 130, rgb(40, 140, 50));
    b.rahmen(124, 89, 142, 122, rgb(240, 240, 240));
    b.rechteck(195, 89, 1, 122, rgb(240, 240, 240));
    for (const Stadion_Plan_Flaeche& a : Stadion_Plan_Flaechen) {
        if (a.slot < STADION_TRIBUENEN) tribuene(b, a.x, a.y, a.w, a.h, rgb(170, 40, 40), a.slot == 1 || a.slot == 4);
        else if (a.slot == 6) b.rechteck(a.x, a.y, a.w, a.h, rgb(20, 20, 20));
        else if (a.slot == 7) b.scheibe(a.x + a.w / 2.0, a.y + a.h / 2.0, a.w / 2.0, rgb(250, 240, 120));
        else b.rechteck(a.x, a.y, a.w, a.h, rgb(90 + 12 * (a.slot - 8), 110, 150 - 6 * (a.slot - 8)));
        b.rahmen(a.x, a.y, a.w, a.h, rgb(240, 240, 240));
    }
    return b;
}

// A model picture by its slot: stands with their seats and roof, boards, masts, facilities.
Flaeche modell(int32_t m)
{
    const Stadion_Modell_Daten& d = Stadion_Modell[m];
    Flaeche b(80, 60, false, rgb(120, 170, 220));
    b.verlauf(0, 0, 80, 40, 120, 170, 230, 200, 220, 240);
    b.rechteck(0, 40, 80, 20, rgb(50, 130, 50));
    const int32_t stufe = m % 6;
    if (d.slot == 0) {
        tribuene(b, 8, 14, 64, 30, rgb(160 - 15 * stufe, 40 + 20 * stufe, 40 + 25 * stufe), (d.art & 4) != 0);
    } else if (d.slot == 6) {
        b.rechteck(22, 8, 36, 22, rgb(20, 20, 20));
        b.rechteck(26, 12, 28, 14, rgb(40 + 40 * stufe, 160, 60));
        b.rechteck(38, 30, 4, 12, rgb(90, 90, 90));
    } else if (d.slot == 7) {
        b.rechteck(38, 12 - stufe, 4, 34 + stufe, rgb(120, 120, 120));
        b.rechteck(30, 8 - stufe, 20, 8, rgb(250, 240, 140));
    } else if (d.slot == 10) {
        for (int32_t i = 0; i < 6; ++i) b.rechteck(6 + 12 * i, 42, 1, 14, rgb(240, 240, 240));
        b.rechteck(10, 44, 8, 6, rgb(200, 30, 30));
        if (stufe == 4) b.rechteck(10, 14, 60, 28, rgb(150, 150, 150));
    } else {
        // a building: its size and colour by slot and model
        const int32_t hoehe = 14 + 4 * stufe;
        b.rechteck(16, 42 - hoehe, 48, hoehe, rgb(100 + 8 * d.slot, 110, 170 - 5 * d.slot));
        b.rechteck(16, 40 - hoehe, 48, 3, rgb(60, 60, 60));
        for (int32_t i = 0; i < 4; ++i) b.rechteck(20 + 11 * i, 44 - hoehe + 6, 6, 5, rgb(240, 230, 150));
    }
    b.rahmen(0, 0, 80, 60, rgb(230, 230, 230));
    return b;
}

Flaeche balken(int32_t art)
{
    static const int F[3][3] = {{60, 200, 80}, {220, 180, 40}, {60, 140, 230}};
    Flaeche b(12, STADION_BALKEN_FELD, true, 0);
    b.verlauf(0, 0, 12, STADION_BALKEN_FELD, F[art][0], F[art][1], F[art][2], F[art][0] / 3, F[art][1] / 3, F[art][2] / 3);
    b.rahmen(0, 0, 12, STADION_BALKEN_FELD, rgb(240, 240, 240));
    return b;
}

Flaeche lager(int32_t c)
{
    Flaeche b(120, 80, false, rgb(100, 160, 230));
    b.verlauf(0, 0, 120, 50, 90, 150, 230, 200, 220, 250);
    // mountains, sea or forest behind a small pitch and house
    if (c % 3 == 0)
        for (int32_t x = 0; x < 120; ++x) b.rechteck(x, 50 - std::abs((x % 40) - 20), 1, std::abs((x % 40) - 20), rgb(110, 110, 120));
    else if (c % 3 == 1) b.rechteck(0, 38, 120, 12, rgb(30, 90, 180));
    else
        for (int32_t x = 4; x < 120; x += 10) b.scheibe(x, 40, 6, rgb(20, 100, 30));
    b.rechteck(0, 50, 120, 30, rgb(50, 140, 50));
    b.rahmen(20, 56, 50, 20, rgb(240, 240, 240));
    b.rechteck(82, 44 - 2 * c, 28, 20 + 2 * c, rgb(200, 150, 110));
    b.rechteck(80, 40 - 2 * c, 32, 4, rgb(150, 40, 40));
    b.rahmen(0, 0, 120, 80, rgb(230, 230, 230));
    return b;
}

Flaeche auktion(int32_t n)
{
    if (n == 0) {
        Flaeche b(640, 480, false, rgb(40, 20, 20));
        b.verlauf(0, 0, 640, 480, 90, 30, 30, 20, 10, 10);
        b.rechteck(0, 400, 640, 80, rgb(70, 40, 20));
        for (int32_t x = 0; x < 640; x += 16) b.rechteck(x, 400, 1, 80, rgb(50, 28, 14));
        b.rahmen(20, 10, 600, 110, rgb(220, 190, 120));
        return b;
    }
    if (n <= 7) {
        Flaeche b(80, 250, true, 0);
        b.verlauf(4, 0, 72, 250, 150, 120, 70, 60, 45, 25);
        b.rechteck(0, 0, 80, 10, rgb(200, 170, 100));
        b.rechteck(0, 240, 80, 10, rgb(200, 170, 100));
        b.rechteck(30, 20, 20, 20, rgb(40 + 25 * n, 40, 200 - 20 * n));
        return b;
    }
    const bool hell = n % 2 == 0;
    Flaeche b(16, 102, true, 0);
    if (n <= 9) b.verlauf(0, 0, 16, 102, hell ? 250 : 200, hell ? 220 : 160, 60, 120, 80, 20);
    else b.verlauf(0, 0, 16, 102, 160, 160, 160, 60, 60, 60);
    b.rahmen(0, 0, 16, 102, rgb(240, 240, 240));
    return b;
}

// A sponsor's logo, 96 x 48: its colour in a gradient, a white emblem of one of five shapes at
// the top and a band of the colour of its kind (boards, equipment, shirt, TV) at the foot; the
// screen writes the name over the middle.
Flaeche werbepartner(int32_t s)
{
    static const int FARBE[10][3] = {{46, 125, 50},  {21, 101, 192}, {198, 40, 40}, {230, 110, 0},  {106, 27, 154},
                                     {0, 131, 143},  {200, 150, 20}, {93, 64, 55},  {60, 60, 140},  {150, 30, 90}};
    const int* f = FARBE[s % 10];
    Flaeche b(96, 48, false, rgb(f[0], f[1], f[2]));
    b.verlauf(0, 0, 96, 48, std::min(255, f[0] + 50), std::min(255, f[1] + 50), std::min(255, f[2] + 50), f[0] / 2, f[1] / 2,
              f[2] / 2);
    const uint16_t weiss = rgb(245, 245, 240);
    switch (s % 5) {
    case 0: b.scheibe(48, 8, 5, weiss); break;
    case 1:
        for (int32_t d = 0; d <= 5; ++d) b.rechteck(48 - d, 3 + d, 2 * d + 1, 1, weiss), b.rechteck(48 - d, 13 - d, 2 * d + 1, 1, weiss);
        break;
    case 2:
        for (int32_t d = 0; d < 10; ++d) b.rechteck(48 - d / 2, 3 + d, d + 1, 1, weiss);
        break;
    case 3:
        for (int32_t k = 0; k < 3; ++k) b.rechteck(40 + 6 * k, 3, 4, 10, weiss);
        break;
    default: b.rechteck(42, 3, 12, 10, weiss), b.rechteck(45, 6, 6, 4, rgb(f[0], f[1], f[2])); break;
    }
    static const int ART[4][3] = {{250, 220, 60}, {120, 200, 250}, {250, 120, 120}, {200, 250, 160}};
    const int art = s < 10 ? 0 : s < 13 ? 1 : s < 15 ? 2 : 3;
    b.rechteck(0, 42, 96, 6, rgb(ART[art][0], ART[art][1], ART[art][2]));
    b.rahmen(0, 0, 96, 48, weiss);
    return b;
}

// The advertising screen's stadium seen from above: the crowd on the stands, the striped pitch
// with its lines, the 14 empty boards round it, and at the right the TV camera, a player whose
// chest carries the shirt sponsor, and the team's bag.
Flaeche werbung_stadion()
{
    Flaeche b(WERBUNG_STADION_B, WERBUNG_STADION_H, false, rgb(70, 72, 84));
    static const int PUBLIKUM[6][3] = {{200, 60, 60}, {230, 210, 80}, {80, 120, 210}, {235, 235, 235}, {60, 160, 90}, {140, 90, 60}};
    for (int32_t y = 2; y < WERBUNG_STADION_H; y += 4)
        for (int32_t x = 2 + (y / 4) % 2 * 2; x < 350; x += 4) {
            const int* f = PUBLIKUM[uint32_t(x * 7 + y * 13 + x * y) % 6];
            b.rechteck(x, y, 2, 2, rgb(f[0], f[1], f[2]));
        }
    // The pitch, its stripes and lines.
    constexpr int32_t PX = 30, PY = 28, PB = 306, PH = 140;
    for (int32_t s = 0; s < PB; s += 18) b.rechteck(PX + s, PY, std::min(18, PB - s), PH, (s / 18) % 2 ? rgb(46, 150, 56) : rgb(38, 132, 48));
    const uint16_t linie = rgb(240, 240, 240);
    b.rahmen(PX + 6, PY + 6, PB - 12, PH - 12, linie);
    b.rechteck(PX + PB / 2, PY + 6, 1, PH - 12, linie);
    for (int32_t w = 0; w < 360; ++w) {
        const double r = 3.14159265358979 * w / 180;
        b.punkt(PX + PB / 2 + int32_t(std::lround(22 * std::cos(r))), PY + PH / 2 + int32_t(std::lround(22 * std::sin(r))), linie);
    }
    b.rahmen(PX + 6, PY + PH / 2 - 30, 36, 60, linie);
    b.rahmen(PX + PB - 42, PY + PH / 2 - 30, 36, 60, linie);
    b.rechteck(PX + 2, PY + PH / 2 - 10, 4, 20, rgb(250, 250, 250));
    b.rechteck(PX + PB - 6, PY + PH / 2 - 10, 4, 20, rgb(250, 250, 250));
    // The empty boards.
    for (int32_t k = 0; k < 14; ++k) {
        const Werbung_Rechteck& r = WERBUNG_FLAECHE_ORT[k];
        b.rechteck(r.x, r.y, r.b, r.h, rgb(214, 216, 220));
        b.relief(r.x, r.y, r.b, r.h, rgb(250, 250, 250), rgb(110, 110, 120));
    }
    // The side strip with camera, player and bag.
    b.rechteck(354, 0, WERBUNG_STADION_B - 354, WERBUNG_STADION_H, rgb(40, 44, 56));
    const Werbung_Rechteck& k = WERBUNG_FLAECHE_ORT[14];
    b.rechteck(k.x + 1, k.y + 4, k.b - 9, k.h - 8, rgb(60, 60, 66));
    b.rahmen(k.x + 1, k.y + 4, k.b - 9, k.h - 8, rgb(150, 150, 160));
    b.scheibe(k.x + k.b - 5, k.y + k.h / 2, 4.5, rgb(20, 20, 24));
    b.scheibe(k.x + k.b - 5, k.y + k.h / 2, 2, rgb(90, 140, 210));
    for (int32_t d = 0; d < 10; ++d) b.punkt(k.x + 8 - d / 2, k.y + k.h - 4 + d, rgb(150, 150, 160)), b.punkt(k.x + 10 + d / 2, k.y + k.h - 4 + d, rgb(150, 150, 160));
    const Werbung_Rechteck& c = WERBUNG_FLAECHE_ORT[16];
    const uint16_t haut = rgb(236, 190, 150);
    b.scheibe(c.x + c.b / 2.0, c.y - 7, 6, haut);
    b.rechteck(c.x, c.y, c.b, c.h, rgb(245, 245, 245));
    b.rahmen(c.x, c.y, c.b, c.h, rgb(150, 150, 160));
    b.rechteck(c.x - 5, c.y + 2, 5, 20, rgb(245, 245, 245));
    b.rechteck(c.x + c.b, c.y + 2, 5, 20, rgb(245, 245, 245));
    b.rechteck(c.x - 5, c.y + 22, 5, 5, haut);
    b.rechteck(c.x + c.b, c.y + 22, 5, 5, haut);
    b.rechteck(c.x + 1, c.y + c.h, c.b - 2, 10, rgb(20, 20, 30));
    b.rechteck(c.x + 3, c.y + c.h + 10, 6, 12, haut);
    b.rechteck(c.x + c.b - 9, c.y + c.h + 10, 6, 12, haut);
    const Werbung_Rechteck& t = WERBUNG_FLAECHE_ORT[15];
    b.rechteck(t.x, t.y + 6, t.b, t.h - 6, rgb(30, 70, 160));
    b.rahmen(t.x, t.y + 6, t.b, t.h - 6, rgb(140, 170, 230));
    b.rahmen(t.x + 5, t.y, t.b - 10, 7, rgb(20, 40, 100));
    return b;
}

// A space lit for a sponsor that would sign there: light green, hatched, in a green frame.
Flaeche werbung_flaeche(int32_t k)
{
    const Werbung_Rechteck& r = WERBUNG_FLAECHE_ORT[k];
    Flaeche b(r.b, r.h, false, rgb(160, 240, 160));
    for (int32_t y = 0; y < r.h; ++y)
        for (int32_t x = 0; x < r.b; ++x)
            if ((x + y) % 4 == 0) b.punkt(x, y, rgb(110, 210, 110));
    b.rahmen(0, 0, r.b, r.h, rgb(20, 150, 40));
    return b;
}

}  // namespace oekonomie_bild

// The boards with their lettering; programs that do not link the font rasteriser (the tests)
// keep the placeholders.
bool Werbung_Banden_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild) __attribute__((weak));

bool Oekonomie_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild)
{
    using namespace oekonomie_bild;
    if (std::strcmp(e.datei, "werbung.res") == 0 && std::strcmp(e.zweck, "Werbepartner-Bild") == 0) {
        bild = werbepartner(e.nummer).fertig(e.nummer);
        return true;
    }
    if (std::strcmp(e.datei, "werbung.res") == 0 && e.nummer == WERBUNG_STADION_BILD) {
        bild = werbung_stadion().fertig(e.nummer);
        return true;
    }
    if (std::strcmp(e.datei, "werbung.res") == 0 && e.nummer >= WERBUNG_FLAECHE_BILD && e.nummer < WERBUNG_FLAECHE_BILD + WERBUNG_FLAECHEN) {
        bild = werbung_flaeche(e.nummer - WERBUNG_FLAECHE_BILD).fertig(e.nummer);
        return true;
    }
    if (Werbung_Banden_Erzeugen && Werbung_Banden_Erzeugen(e, bild)) return true;
    if (std::strcmp(e.datei, "resf_scr.res") != 0) return false;
    const int32_t n = e.nummer;
    if (n == 444 || n == 445) bild = seite(n - 444).fertig(n);
    else if (n >= 447 && n <= 449) bild = seite(n - 447 + 2).fertig(n);
    else if (n == OEKONOMIE_STADION_PLAN) bild = plan().fertig(n);
    else if (n >= OEKONOMIE_BALKEN && n < OEKONOMIE_BALKEN + 3) bild = balken(n - OEKONOMIE_BALKEN).fertig(n);
    else if (n >= OEKONOMIE_LAGER && n < OEKONOMIE_LAGER + 7) bild = lager(n - OEKONOMIE_LAGER).fertig(n);
    else if (n >= OEKONOMIE_AUKTION && n <= OEKONOMIE_AUKTION + 11) bild = auktion(n - OEKONOMIE_AUKTION).fertig(n);
    else {
        for (int32_t m = 1; m < STADION_MODELLE; ++m)
            if (Stadion_Modell[m].bild == n && std::strcmp(e.zweck, "Stadion-Modell (Bildnummer des Modells)") == 0) {
                bild = modell(m).fertig(n);
                return true;
            }
        return false;
    }
    return true;
}
