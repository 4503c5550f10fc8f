// The player detail window's pictures: the window, the back/forward/done signs, the page
// toggles' frames, the favourite-position pitch and the six insurance companies' logos. RGB565; in masked pictures what is not drawn is see-through, so
// that the screen's state colour and texts show through.
#include <cstdlib>
#include <cstring>

#include "tools/datagen/bild_flaeche.h"
#include "screens/spieler_bilder.h"
#include "tools/datagen/manifest.h"

namespace {

uint16_t rgb(int r, int g, int b) { return uint16_t((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3)); }

// Dark blue window with a raised double frame, a title band and the panel's sunken area.
Bild_Flaeche fenster()
{
    const uint16_t grund = rgb(16, 16, 40), hell = rgb(120, 120, 180), dunkel = rgb(4, 4, 12);
    Bild_Flaeche f(600, 440, false, grund);
    for (int32_t y = 0; y < 440; y += 3) f.rechteck(0, y, 600, 1, rgb(18, 18, 44));
    f.relief(0, 0, 600, 440, hell, dunkel);
    f.relief(3, 3, 594, 434, dunkel, hell);
    f.rechteck(4, 4, 592, 24, rgb(34, 34, 80));
    f.relief(4, 4, 592, 24, hell, dunkel);
    f.relief(4, 78, 444, 324, dunkel, hell);       // the panel and the page
    f.relief(450, 84, 148, 306, dunkel, hell);     // the toggles
    f.relief(6, 26, 66, 52, dunkel, hell);         // the portrait
    return f;
}

// A toggle's frame with a page sign at its right end; the face between is the screen's.
Bild_Flaeche toggle(int32_t nummer)
{
    Bild_Flaeche f(140, 20, true, 0);
    f.relief(0, 0, 140, 20, rgb(200, 200, 230), rgb(20, 20, 40));
    const uint16_t s = rgb(235, 235, 245), d = rgb(60, 60, 80);
    f.rechteck(126, 4, 9, 12, s);
    if (nummer >= 913) {  // a chart
        for (int32_t k = 0; k < 4; ++k) f.rechteck(127 + 2 * k, 14 - (k * 3 + nummer % 3) % 8, 1, 2 + (k * 3 + nummer % 3) % 8, d);
    } else {  // lines of text
        for (int32_t k = 0; k < 4; ++k) f.rechteck(127, 6 + 2 * k, 7 - (k + nummer) % 3, 1, d);
    }
    return f;
}

// Back, forward and done: arrows and a tick, centred in white.
Bild_Flaeche knopf(int32_t nummer, int32_t w)
{
    Bild_Flaeche f(w, 20, true, 0);
    const uint16_t s = rgb(250, 250, 250);
    f.relief(0, 0, w, 20, rgb(150, 220, 150), rgb(10, 40, 10));
    const int32_t mx = w / 2;
    if (nummer == 907) {
        // a small tick at the right end, clear of the screen's "Fertig" and a pixel off the
        // frame (touching it, it looked cut)
        for (int32_t k = 0; k < 3; ++k) f.setzen(w - 10 + k, 10 + k, s);
        for (int32_t k = 0; k < 6; ++k) f.setzen(w - 8 + k, 12 - k, s);
        return f;
    }
    for (int32_t r = 0; r < 6; ++r) {
        const int32_t x = nummer == 905 ? mx - 3 + r : mx + 3 - r;
        f.rechteck(x, 10 - r, 1, 2 * r + 1, s);
    }
    return f;
}

// The favourite position's small pitch, the own goal below: lines 4 pixels in, the halfway
// line, both penalty areas.
Bild_Flaeche lieblingsfeld()
{
    const uint16_t weiss = rgb(210, 230, 210);
    Bild_Flaeche f(75, 123, false, rgb(30, 120, 40));
    for (int32_t y = 0; y < 123; y += 16) f.rechteck(0, y, 75, 8, rgb(36, 132, 46));
    f.rahmen(4, 4, 67, 115, weiss);
    f.rechteck(4, 61, 67, 1, weiss);
    f.rahmen(19, 4, 37, 16, weiss);
    f.rahmen(19, 103, 37, 16, weiss);
    f.rechteck(32, 1, 11, 3, weiss);
    f.rechteck(32, 119, 11, 3, weiss);
    return f;
}

// An insurance company's logo in the band between its name and its premium line.
Bild_Flaeche logo(int32_t k)
{
    static const uint16_t farben[6] = {rgb(220, 40, 40),  rgb(40, 110, 220), rgb(240, 190, 30),
                                       rgb(40, 170, 80),  rgb(160, 70, 200), rgb(240, 120, 30)};
    const uint16_t c = farben[k], w = rgb(250, 250, 250);
    Bild_Flaeche f(90, 55, true, 0);
    const int32_t mx = 45, oben = 16, unten = 38;
    switch (k) {
    case 0:  // a shield
        for (int32_t y = oben; y < unten; ++y) {
            const int32_t r = y < 28 ? 10 : 10 - (y - 28);
            f.rechteck(mx - r, y, 2 * r, 1, c);
        }
        f.rechteck(mx - 1, oben + 3, 2, 14, w);
        f.rechteck(mx - 6, oben + 8, 12, 2, w);
        break;
    case 1:  // an umbrella
        for (int32_t y = oben; y < oben + 10; ++y) {
            const int32_t r = (y - oben) * 14 / 9 + 2;
            f.rechteck(mx - r, y, 2 * r, 1, c);
        }
        f.rechteck(mx - 1, oben + 10, 2, 10, w);
        f.rechteck(mx - 4, unten - 2, 4, 2, w);
        break;
    case 2:  // a sun
        for (int32_t y = oben; y < unten; ++y)
            for (int32_t x = mx - 11; x <= mx + 11; ++x) {
                const int32_t dx = x - mx, dy = y - 27, d = dx * dx + dy * dy;
                if (d <= 36 || (d <= 110 && (dx == 0 || dy == 0 || dx == dy || dx == -dy))) f.setzen(x, y, c);
            }
        break;
    case 3:  // a cross in a circle
        for (int32_t y = oben; y < unten; ++y)
            for (int32_t x = mx - 11; x <= mx + 11; ++x) {
                const int32_t dx = x - mx, dy = y - 27, d = dx * dx + dy * dy;
                if (d <= 110) f.setzen(x, y, std::abs(dx) <= 2 || std::abs(dy) <= 2 ? w : c);
            }
        break;
    case 4:  // three bars rising
        for (int32_t b = 0; b < 3; ++b) f.rechteck(mx - 12 + 9 * b, unten - 8 - 6 * b, 7, 8 + 6 * b, c);
        break;
    default:  // a diamond with a heart line
        for (int32_t y = oben; y < unten; ++y) {
            const int32_t r = 11 - std::abs(y - 27);
            f.rechteck(mx - r, y, 2 * r + 1, 1, c);
        }
        f.rechteck(mx - 8, 27, 5, 1, w);
        for (int32_t k2 = 0; k2 < 4; ++k2) f.setzen(mx - 3 + k2, 27 - 3 + 2 * k2 % 7, w);
        f.rechteck(mx + 1, 27, 7, 1, w);
        break;
    }
    return f;
}

}  // namespace

bool Detail_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild)
{
    if (std::strcmp(e.datei, "resf_scr.res") != 0) return false;
    const int32_t n = e.nummer;
    if (n == DETAIL_BILD_FENSTER) bild = fenster().fertig(n);
    else if (n >= DETAIL_BILD_KNOPF && n <= DETAIL_BILD_KNOPF + 2)
        bild = knopf(905 + n - DETAIL_BILD_KNOPF, n == DETAIL_BILD_KNOPF + 2 ? 45 : 36).fertig(n);
    else if (n >= DETAIL_BILD_SEITE && n <= DETAIL_BILD_SEITE + 12) bild = toggle(908 + n - DETAIL_BILD_SEITE).fertig(n);
    else if (n == DETAIL_BILD_LIEBLINGSFELD) bild = lieblingsfeld().fertig(n);
    else if (n >= VERSICHERUNG_BILD_LOGO && n <= VERSICHERUNG_BILD_LOGO + 5) bild = logo(n - VERSICHERUNG_BILD_LOGO).fertig(n);
    else return false;
    return true;
}
