// The pictures of the league tables screen, the team information screen and the team
// comparison: the buttons' faces with their labels (the information pages' with a small drawing
// of their subject), the knobs of the match-day bar and the table range, the information frame
// and the comparison's background. RGB565; the knobs are see-through round the edge.
#include <cstring>
#include <string>

#include "competitions/ligen_tabelle.h"
#include "competitions/ligen_teamvergleich.h"
#include "competitions/statistik_teaminfo.h"
#include "tools/datagen/bild_flaeche.h"
#include "tools/datagen/bild_schrift.h"
#include "tools/datagen/font_raster.h"
#include "tools/datagen/manifest.h"

namespace {

constexpr uint16_t rgb(int r, int g, int b)
{
    const uint16_t p = uint16_t((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3));
    return p ? p : 1;  // 0 would be see-through
}

// The labels in DejaVu Condensed at 10 pixels, or narrowed to an 8-pixel em where a label is
// too long for its face; rasterised once, without the font file the labels stay blank.
const Font_Bild* schrift(bool schmal)
{
    static Font_Bild bild[2];
    static int geladen = -1;
    if (geladen < 0) {
        const std::string ttf = std::string(FONT_DEJAVU_ORDNER) + "DejaVuSansCondensed.ttf";
        geladen = Font_Rastern(ttf, 10, "tabk", bild[0]) && Font_Rastern(ttf, 10, "tabks", bild[1], 8);
    }
    return geladen ? &bild[schmal] : nullptr;
}

// A face: a blue body darkening downwards, a relief, the label centred with a shadow right of
// the drawing on the left, if any, and clear of the relief.
Bild_Flaeche gesicht(const char* text, int32_t w = LT_KNOPF_BREITE, int32_t h = LT_KNOPF_HOEHE, int32_t links = 0)
{
    Bild_Flaeche b(w, h, false, rgb(30, 60, 100));
    for (int32_t y = 0; y < h; ++y) b.rechteck(0, y, w, 1, rgb(44 - y, 82 - y * 2, 130 - y * 3));
    b.relief(0, 0, w, h, rgb(160, 190, 225), rgb(8, 14, 24));
    if (const Font_Bild* f = Bild_Schrift_Passend({schrift(false), schrift(true)}, text, w - links - 5)) {
        const int32_t tx = links + (w - links - Bild_Schrift_Breite(f, text)) / 2, ty = (h - int32_t(f->height)) / 2;
        Bild_Schrift(b, f, tx + 1, ty + 1, text, rgb(6, 10, 18));
        Bild_Schrift(b, f, tx, ty, text, rgb(236, 240, 244));
    }
    return b;
}

// A knob: a brass plate with a lit edge and a groove across its middle.
Bild_Flaeche griff(int32_t w, int32_t h)
{
    Bild_Flaeche b(w, h, true, 0);
    b.rechteck(1, 0, w - 2, h, rgb(200, 170, 60));
    b.rechteck(0, 1, w, h - 2, rgb(200, 170, 60));
    b.relief(1, 1, w - 2, h - 2, rgb(250, 230, 140), rgb(110, 86, 20));
    b.rechteck(w / 2 - 1, 2, 2, h - 4, rgb(120, 96, 30));
    return b;
}

// A page button of the information screen: the face with a 14 x 14 drawing of the page's
// subject on the left.
Bild_Flaeche seite(const Teaminfo_Knopf& k)
{
    Bild_Flaeche b = gesicht(k.text, k.breite, k.hoehe, 18);
    const int32_t x = 3, y = (k.hoehe - 14) / 2;
    const uint16_t weiss = rgb(240, 240, 240), gelb = rgb(240, 210, 40), rot = rgb(220, 40, 30), gruen = rgb(40, 170, 60);
    const uint16_t grau = rgb(150, 160, 170), schwarz = rgb(10, 10, 10);
    auto tor = [&](uint16_t netz) {
        b.rahmen(x, y + 3, 14, 10, weiss);
        for (int32_t i = 2; i < 14; i += 3) b.rechteck(x + i, y + 4, 1, 8, netz);
    };
    switch (k.nummer - TI_ERSTE_SEITE) {
    case 0: b.rechteck(x + 5, y, 4, 3, weiss), b.rechteck(x + 5, y + 5, 4, 9, weiss); break;  // an "i"
    case 1: b.rechteck(x + 3, y + 2, 8, 10, weiss), b.rechteck(x + 2, y + 4, 10, 6, weiss), b.rechteck(x + 6, y + 6, 2, 2, schwarz); break;
    case 2: b.rahmen(x, y, 14, 14, weiss), b.rechteck(x + 7, y + 3, 1, 5, weiss), b.rechteck(x + 7, y + 7, 4, 1, weiss); break;
    case 3: b.rechteck(x + 1, y + 4, 5, 10, gelb), b.rechteck(x + 8, y + 1, 5, 13, grau); break;
    case 4: for (int32_t i = 0; i < 3; ++i) b.rechteck(x + i * 5, y + 1, 3, 3, weiss), b.rechteck(x + i * 5, y + 5, 3, 8, gruen); break;
    case 5: for (int32_t i = 0; i < 4; ++i) b.rechteck(x, y + i * 4, 14, 2, i ? weiss : gelb); break;
    case 6: tor(gruen); break;
    case 7: b.rechteck(x, y + 6, 10, 2, gruen), b.rechteck(x + 9, y + 3, 2, 8, gruen), b.rechteck(x + 11, y + 5, 2, 4, gruen); break;
    case 8: tor(rot); break;
    case 9: b.rechteck(x, y + 6, 10, 2, rot), b.rechteck(x + 9, y + 3, 2, 8, rot), b.rechteck(x + 11, y + 5, 2, 4, rot); break;
    case 10: b.rechteck(x, y + 4, 6, 6, gelb), b.rechteck(x + 8, y + 4, 6, 6, grau); break;
    case 11: b.rechteck(x + 2, y + 1, 5, 9, schwarz), b.rechteck(x + 2, y + 9, 11, 4, schwarz); break;  // a boot
    case 12: b.rechteck(x + 6, y, 2, 14, gelb), b.rechteck(x, y + 6, 14, 2, gelb), b.rechteck(x + 3, y + 3, 8, 8, gelb); break;
    default: b.rechteck(x, y + 1, 7, 11, gelb), b.rechteck(x + 7, y + 2, 7, 11, rot); break;  // cards
    }
    return b;
}

// The information frame: a dark panel with a lit edge and the pages' field.
Bild_Flaeche info_rahmen()
{
    Bild_Flaeche b(TI_RAHMEN_BREITE, TI_RAHMEN_HOEHE, false, rgb(10, 18, 40));
    for (int32_t y = 0; y < TI_RAHMEN_HOEHE; y += 2) b.rechteck(0, y, TI_RAHMEN_BREITE, 1, rgb(12, 22, 46));
    b.relief(0, 0, TI_RAHMEN_BREITE, TI_RAHMEN_HOEHE, rgb(90, 120, 180), rgb(2, 4, 10));
    // The page's pane: (100, 118) on the screen, the frame standing at y 45.
    b.rechteck(98, 71, 434, 356, rgb(16, 26, 56));
    b.relief(98, 71, 434, 356, rgb(2, 4, 10), rgb(70, 100, 160));
    return b;
}

// The comparison's background: the columns' field between the two scale strips at x 4 and 558.
Bild_Flaeche vergleich_hintergrund()
{
    Bild_Flaeche b(640, 480, false, rgb(8, 14, 32));
    b.rechteck(0, 72, 38, 390, rgb(14, 22, 44));
    b.rechteck(554, 72, 43, 390, rgb(14, 22, 44));
    for (int32_t y = 273; y <= 423; y += 15) b.rechteck(38, y, 516, 1, rgb(20, 32, 62));
    b.rechteck(38, 423, 516, 2, rgb(90, 120, 180));
    return b;
}

}  // namespace

bool Tabellen_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild)
{
    if (std::strcmp(e.datei, "resf_scr.res") != 0) return false;
    if (e.nummer == LT_BILD_TAGKNOPF) bild = griff(LT_TAGKNOPF_BREITE, LT_TAGKNOPF_HOEHE).fertig(e.nummer);
    else if (e.nummer == LT_BILD_VONKNOPF || e.nummer == LT_BILD_BISKNOPF) bild = griff(LT_BEREICHKNOPF_BREITE, LT_BEREICHKNOPF_HOEHE).fertig(e.nummer);
    else if (const Ligen_Tabelle_Knopf* k = Ligen_Tabelle_Knopf_Mit_Bild(e.nummer))
        bild = gesicht(k->text, LT_KNOPF_BREITE, Ligen_Tabelle_Knopf_Hoehe(k->nummer)).fertig(e.nummer);
    else if (const Teaminfo_Knopf* t = Statistik_Teaminfo_Knopf_Suchen(e.nummer))
        bild = (e.nummer >= TI_ERSTE_SEITE && e.nummer <= TI_LETZTE_SEITE ? seite(*t) : gesicht(t->text, t->breite, t->hoehe))
                   .fertig(e.nummer);
    else if (e.nummer == TI_RAHMEN) bild = info_rahmen().fertig(e.nummer);
    else if (e.nummer == TV_HINTERGRUND) bild = vergleich_hintergrund().fertig(e.nummer);
    else if (const Ligen_Tabelle_Knopf* v = Ligen_Teamvergleich_Knopf_Suchen(e.nummer))
        bild = gesicht(v->text, TV_KNOPF_BREITE, TV_KNOPF_HOEHE).fertig(e.nummer);
    else return false;
    return true;
}
