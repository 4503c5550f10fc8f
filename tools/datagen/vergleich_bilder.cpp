// The player comparison's pictures: the page's background with the list's box and the two
// ranges' tracks, the toggles, the criterion's button, the competition buttons, the range handles,
// the paging arrows and the two title pictures. RGB565; masked pictures are see-through where
// nothing is drawn.
#include <cstring>
#include <string>

#include "screens/spielervergleich_bilder.h"
#include "tools/datagen/bild_flaeche.h"
#include "tools/datagen/bild_schrift.h"
#include "tools/datagen/font_raster.h"
#include "tools/datagen/manifest.h"

namespace {

constexpr uint16_t rgb(int r, int g, int b)
{
    const uint16_t p = uint16_t((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3));
    return p ? p : 1;
}

const uint16_t HELL = rgb(110, 130, 180), DUNKEL = rgb(4, 8, 20);

Bild_Flaeche hintergrund()
{
    const int32_t oy = 40;
    Bild_Flaeche b(600, 440, false, rgb(16, 24, 48));
    for (int32_t y = 0; y < 440; y += 4) b.rechteck(0, y, 600, 1, rgb(18, 28, 54));
    auto kasten = [&](int32_t x, int32_t y, int32_t w, int32_t h, uint16_t c) {
        b.rechteck(x, y - oy, w, h, c);
        b.relief(x, y - oy, w, h, HELL, DUNKEL);
    };
    kasten(2, 104, 144, 196, rgb(22, 32, 64));   // the groups and the club
    kasten(2, 302, 144, 112, rgb(22, 32, 64));   // manager clubs, minutes, match days
    kasten(148, 90, 446, 18, rgb(30, 44, 84));   // the header
    kasten(148, 106, 446, 352, rgb(8, 16, 32));  // the rows
    kasten(56, 48, 270, 38, rgb(22, 32, 64));    // the competition buttons
    // the two bars' grooves, each between its pair of handle columns (80/96 and 114/130), the
    // handles' tops running from 232 to 436
    for (int32_t x : {95, 129}) {
        b.rechteck(x, 232 - oy, 2, 214, DUNKEL);
        b.rechteck(x + 2, 232 - oy, 1, 214, HELL);
    }
    return b;
}

Bild_Flaeche schalter(bool an)
{
    Bild_Flaeche b(14, 14, false, an ? rgb(250, 150, 0) : rgb(50, 54, 64));
    b.relief(0, 0, 14, 14, an ? rgb(255, 220, 140) : HELL, DUNKEL);
    if (an)
        for (int32_t k = 0; k < 4; ++k) {  // a tick
            b.rechteck(3 + k, 6 + k, 2, 1, rgb(20, 20, 20));
            b.rechteck(6 + k, 8 - 2 * k, 1, 2, rgb(20, 20, 20));
        }
    return b;
}

Bild_Flaeche kriterium()
{
    Bild_Flaeche b(150, 18, false, rgb(34, 50, 96));
    b.rechteck(1, 1, 148, 7, rgb(44, 64, 120));
    b.relief(0, 0, 150, 18, HELL, DUNKEL);
    // a small arrow on the right: the button opens the sort menu
    for (int32_t r = 0; r < 4; ++r) b.rechteck(139 - r, 7 + r, 1 + 2 * r, 1, rgb(230, 230, 240));
    return b;
}

Bild_Flaeche wettbewerb(bool an)
{
    Bild_Flaeche b(32, 32, true, 0);
    b.rechteck(0, 0, 32, 32, an ? rgb(245, 190, 30) : rgb(64, 80, 128));
    b.rechteck(3, 3, 26, 26, an ? rgb(255, 230, 120) : rgb(90, 110, 160));
    b.relief(0, 0, 32, 32, rgb(235, 235, 245), DUNKEL);
    // the corners stay clear: round buttons on the panel
    for (int32_t x : {0, 31})
        for (int32_t y : {0, 31}) b.px[size_t(y * 32 + x)] = 0;
    return b;
}

// A handle: the screen writes its value on it.
Bild_Flaeche griff(bool aktiv)
{
    Bild_Flaeche b(16, 10, false, aktiv ? rgb(200, 120, 20) : rgb(56, 56, 64));
    b.relief(0, 0, 16, 10, aktiv ? rgb(255, 210, 120) : rgb(90, 90, 100), DUNKEL);
    return b;
}

Bild_Flaeche pfeil(bool runter)
{
    Bild_Flaeche b(14, 14, false, rgb(40, 64, 120));
    b.relief(0, 0, 14, 14, HELL, DUNKEL);
    for (int32_t r = 0; r < 4; ++r) {
        const int32_t y = runter ? 8 - r : 5 + r;  // the tip is the narrow row
        b.rechteck(7 - r - 1, y, 2 + 2 * r, 1, rgb(240, 240, 250));
    }
    return b;
}

// A banner with the page's name, centred where the screens put it.
Bild_Flaeche titel(bool zweites)
{
    Bild_Flaeche b(320, 120, true, 0);
    b.rechteck(0, 30, 320, 60, zweites ? rgb(120, 40, 30) : rgb(30, 50, 110));
    b.relief(0, 30, 320, 60, rgb(230, 230, 240), DUNKEL);
    static Font_Bild f;
    static const bool da = Font_Rastern(std::string(FONT_DEJAVU_ORDNER) + "DejaVuSansCondensed-Bold.ttf", 24, "vergl", f);
    if (da) {
        const std::string t = "Spielervergleich";
        Bild_Schrift(b, &f, (320 - Bild_Schrift_Breite(&f, t)) / 2, 60 - int32_t(f.height) / 2, t, rgb(250, 230, 80));
    }
    return b;
}

}  // namespace

bool Vergleich_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild)
{
    if (std::strcmp(e.datei, "resf_scr.res") != 0) return false;
    const int32_t n = e.nummer;
    if (n == VERGLEICH_BILD_HINTERGRUND) bild = hintergrund().fertig(n);
    else if (n == VERGLEICH_BILD_SCHALTER || n == VERGLEICH_BILD_SCHALTER + 1) bild = schalter(n != VERGLEICH_BILD_SCHALTER).fertig(n);
    else if (n == VERGLEICH_BILD_KRITERIUM) bild = kriterium().fertig(n);
    else if (n == VERGLEICH_BILD_WETTBEWERB || n == VERGLEICH_BILD_WETTBEWERB + 1) bild = wettbewerb(n != VERGLEICH_BILD_WETTBEWERB).fertig(n);
    else if (n == VERGLEICH_BILD_GRIFF || n == VERGLEICH_BILD_GRIFF + 1) bild = griff(n == VERGLEICH_BILD_GRIFF).fertig(n);
    else if (n == VERGLEICH_BILD_PFEIL || n == VERGLEICH_BILD_PFEIL + 1) bild = pfeil(n != VERGLEICH_BILD_PFEIL).fertig(n);
    else if (n == VERGLEICH_BILD_TITEL || n == VERGLEICH_BILD_TITEL_2) bild = titel(n == VERGLEICH_BILD_TITEL_2).fertig(n);
    else return false;
    return true;
}
