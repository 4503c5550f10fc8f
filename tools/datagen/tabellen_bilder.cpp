// The league tables screen's pictures: the option buttons' faces with their labels, and the
// knobs of the match-day bar and the table range. RGB565; the knobs are see-through round the
// edge.
#include <cstring>
#include <string>

#include "competitions/ligen_tabelle.h"
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

// The labels in DejaVu, rasterised once; without the font file the labels stay blank.
const Font_Bild* schrift()
{
    static Font_Bild bild;
    static int geladen = -1;
    if (geladen < 0)
        geladen = Font_Rastern(std::string(FONT_DEJAVU_ORDNER) + "DejaVuSansCondensed.ttf", 10, "tabk", bild);
    return geladen ? &bild : nullptr;
}

// A face: a blue body darkening downwards, a relief, the label centred with a shadow.
Bild_Flaeche gesicht(const char* text)
{
    constexpr int32_t w = LT_KNOPF_BREITE, h = LT_KNOPF_HOEHE;
    Bild_Flaeche b(w, h, false, rgb(30, 60, 100));
    for (int32_t y = 0; y < h; ++y) b.rechteck(0, y, w, 1, rgb(44 - y, 82 - y * 2, 130 - y * 3));
    b.relief(0, 0, w, h, rgb(160, 190, 225), rgb(8, 14, 24));
    if (const Font_Bild* f = schrift()) {
        const int32_t tx = (w - Bild_Schrift_Breite(f, text)) / 2, ty = (h - int32_t(f->height)) / 2;
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

}  // namespace

bool Tabellen_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild)
{
    if (std::strcmp(e.datei, "resf_scr.res") != 0) return false;
    if (e.nummer == LT_BILD_TAGKNOPF) bild = griff(LT_TAGKNOPF_BREITE, LT_TAGKNOPF_HOEHE).fertig(e.nummer);
    else if (e.nummer == LT_BILD_VONKNOPF || e.nummer == LT_BILD_BISKNOPF) bild = griff(LT_BEREICHKNOPF_BREITE, LT_BEREICHKNOPF_HOEHE).fertig(e.nummer);
    else if (const Ligen_Tabelle_Knopf* k = Ligen_Tabelle_Knopf_Suchen(e.nummer)) bild = gesicht(k->text).fertig(e.nummer);
    else return false;
    return true;
}
