// The player and club editors' pictures: the two windows, a field's face, a face category's
// button, the favourite position's pitch in perspective with its handles, an empty crest's
// place. RGB565; masked pictures are see-through where nothing is drawn.
#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <cstring>

#include "screens/spieler_edit.h"
#include "screens/spieler_edit_bilder.h"
#include "tools/datagen/bild_flaeche.h"
#include "tools/datagen/manifest.h"

namespace {

constexpr uint16_t rgb(int r, int g, int b)
{
    const uint16_t p = uint16_t((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3));
    return p ? p : 1;
}

const uint16_t HELL = rgb(110, 130, 180), DUNKEL = rgb(4, 8, 20);

// A window: dark face, a title band, a raised frame; the boxes where the editor puts its parts.
Bild_Flaeche fenster(int32_t w, int32_t h, std::initializer_list<std::array<int32_t, 4>> kaesten)
{
    Bild_Flaeche b(w, h, false, rgb(16, 24, 48));
    for (int32_t y = 0; y < h; y += 4) b.rechteck(0, y, w, 1, rgb(18, 28, 54));
    b.rechteck(2, 2, w - 4, 20, rgb(30, 44, 90));
    b.relief(0, 0, w, h, HELL, DUNKEL);
    b.relief(1, 1, w - 2, h - 2, HELL, DUNKEL);
    for (const auto& k : kaesten) {
        b.rechteck(k[0], k[1], k[2], k[3], rgb(10, 16, 34));
        b.relief(k[0], k[1], k[2], k[3], DUNKEL, HELL);
    }
    return b;
}

Bild_Flaeche feld(bool an)
{
    Bild_Flaeche b(EDIT_FELD_B, EDIT_FELD_H, false, an ? rgb(40, 64, 120) : rgb(40, 42, 52));
    b.rechteck(1, 1, EDIT_FELD_B - 2, 5, an ? rgb(50, 78, 140) : rgb(48, 50, 60));
    b.relief(0, 0, EDIT_FELD_B, EDIT_FELD_H, an ? HELL : rgb(80, 80, 90), DUNKEL);
    return b;
}

Bild_Flaeche kategorie(bool an)
{
    Bild_Flaeche b(14, 14, false, an ? rgb(70, 100, 180) : rgb(44, 46, 56));
    b.relief(0, 0, 14, 14, an ? rgb(190, 210, 250) : rgb(80, 80, 90), DUNKEL);
    return b;
}

// Grass in stripes inside the grid's outline, the outline, halfway line and the near box.
Bild_Flaeche spielfeld()
{
    Bild_Flaeche b(117, 71, false, rgb(20, 60, 26));
    int32_t lx, ly, rx, ry;
    for (int32_t y = 0; y < 71; ++y) {
        const double t = std::clamp((y - 4.0) / 63.0, 0.0, 1.0);
        Spieler_Edit_Raster_Zu_Bild(int32_t(std::lround(t * 26)), 0, &lx, &ly);
        Spieler_Edit_Raster_Zu_Bild(int32_t(std::lround(t * 26)), 16, &rx, &ry);
        b.rechteck(lx - 2, y, rx - lx + 5, 1, (y / 6) % 2 ? rgb(40, 132, 48) : rgb(46, 146, 56));
    }
    const uint16_t weiss = rgb(230, 240, 230);
    auto linie = [&](int32_t z1, int32_t s1, int32_t z2, int32_t s2) {
        int32_t x1, y1, x2, y2;
        Spieler_Edit_Raster_Zu_Bild(z1, s1, &x1, &y1);
        Spieler_Edit_Raster_Zu_Bild(z2, s2, &x2, &y2);
        const int32_t n = std::max(std::abs(x2 - x1), std::abs(y2 - y1));
        for (int32_t k = 0; k <= n; ++k)
            b.setzen(x1 + (n ? (x2 - x1) * k / n : 0), y1 + (n ? (y2 - y1) * k / n : 0), weiss);
    };
    linie(0, 0, 0, 16);
    linie(26, 0, 26, 16);
    linie(0, 0, 26, 0);
    linie(0, 16, 26, 16);
    linie(13, 0, 13, 16);
    linie(21, 4, 21, 12);  // the near penalty box
    linie(21, 4, 26, 4);
    linie(21, 12, 26, 12);
    linie(4, 5, 4, 11);  // the far one
    linie(0, 5, 4, 5);
    linie(0, 11, 4, 11);
    return b;
}

Bild_Flaeche griff(bool tor)
{
    Bild_Flaeche b(7, 7, true, 0);
    for (int32_t y = 0; y < 7; ++y) {
        const int32_t r = 3 - std::abs(y - 3);
        b.rechteck(3 - r, y, 2 * r + 1, 1, rgb(16, 16, 16));
        if (r > 0) b.rechteck(4 - r, y, 2 * r - 1, 1, tor ? rgb(250, 140, 20) : rgb(250, 240, 40));
    }
    return b;
}

Bild_Flaeche torgriff(bool an)
{
    Bild_Flaeche b(12, 4, false, an ? rgb(250, 140, 20) : rgb(150, 150, 150));
    b.rahmen(0, 0, 12, 4, rgb(16, 16, 16));
    return b;
}

Bild_Flaeche wappen_platz()
{
    Bild_Flaeche b(40, 40, false, rgb(40, 42, 52));
    b.relief(0, 0, 40, 40, DUNKEL, HELL);
    // a shield's outline: the crest goes here
    for (int32_t y = 8; y < 32; ++y) {
        const int32_t r = y < 22 ? 12 : 12 - (y - 22);
        b.setzen(20 - r, y, rgb(110, 110, 120));
        b.setzen(19 + r, y, rgb(110, 110, 120));
    }
    b.rechteck(8, 8, 24, 1, rgb(110, 110, 120));
    return b;
}

}  // namespace

bool Edit_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild)
{
    if (std::strcmp(e.datei, "resf_scr.res") != 0) return false;
    const int32_t n = e.nummer;
    // the player editor: category buttons, face, the fields' column, pitch; the club editor: fields, crest, kits
    if (n == EDIT_BILD_SPIELER) bild = fenster(290, 250, {{34, 52, 60, 78}, {96, 148, 121, 75}, {188, 60, 40, 60}}).fertig(n);
    else if (n == EDIT_BILD_VEREIN) bild = fenster(400, 252, {{88, 38, 204, 92}, {88, 134, 220, 18}, {296, 96, 60, 60}}).fertig(n);
    else if (n == EDIT_BILD_FELD || n == EDIT_BILD_FELD + 1) bild = feld(n == EDIT_BILD_FELD).fertig(n);
    else if (n == EDIT_BILD_KATEGORIE || n == EDIT_BILD_KATEGORIE + 1) bild = kategorie(n == EDIT_BILD_KATEGORIE).fertig(n);
    else if (n == EDIT_BILD_SPIELFELD) bild = spielfeld().fertig(n);
    else if (n == EDIT_BILD_GRIFF || n == EDIT_BILD_GRIFF + 1) bild = griff(n != EDIT_BILD_GRIFF).fertig(n);
    else if (n == EDIT_BILD_TORGRIFF || n == EDIT_BILD_TORGRIFF + 1) bild = torgriff(n != EDIT_BILD_TORGRIFF).fertig(n);
    else if (n == EDIT_BILD_WAPPEN) bild = wappen_platz().fertig(n);
    else return false;
    return true;
}
