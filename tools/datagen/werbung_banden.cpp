// The live view's advertising boards in werbung.res: per firm a board in its colour with its
// name (the brand word alone when the whole name is too long), near side 112 x 16 in the bold
// font, far side 80 x 12 in the small one.
#include "tools/datagen/werbung_banden.h"

#include <cstring>
#include <string>

#include "economy/werbung.h"
#include "tools/datagen/bild_schrift.h"
#include "tools/datagen/font_raster.h"

namespace {

uint16_t rgb(int r, int g, int b)
{
    const uint16_t p = uint16_t((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3));
    return p ? p : 1;
}

// The near boards' lettering in bold at 11 pixels, the far ones' at 9 pixels or, for a name too
// long for the board, at 9 pixels narrowed to a 6.5-pixel em.
const Font_Bild* schrift(bool klein, bool schmal = false)
{
    static Font_Bild gross, kleine, schmale;
    static int geladen = -1;
    if (geladen < 0) {
        const std::string ttf = std::string(FONT_DEJAVU_ORDNER) + "DejaVuSansCondensed.ttf";
        geladen = Font_Rastern(std::string(FONT_DEJAVU_ORDNER) + "DejaVuSansCondensed-Bold.ttf", 11, "bande", gross) &&
                  Font_Rastern(ttf, 9, "bandek", kleine) && Font_Rastern(ttf, 9, "bandeks", schmale, 6.5);
    }
    return geladen ? (!klein ? &gross : schmal ? &schmale : &kleine) : nullptr;
}

// The firm's colours: ground and lettering, distinct along a side.
void farben(int32_t k, uint16_t* grund, uint16_t* schrift_farbe)
{
    static const int F[8][6] = {{20, 70, 150, 255, 255, 255}, {200, 30, 30, 255, 240, 120}, {250, 210, 40, 20, 20, 60},
                                {20, 120, 50, 255, 255, 255}, {250, 250, 245, 180, 20, 20}, {40, 40, 50, 250, 200, 40},
                                {230, 110, 0, 255, 255, 255}, {110, 30, 130, 240, 240, 240}};
    const int* f = F[(k * 3 + k / 8) % 8];
    *grund = rgb(f[0], f[1], f[2]);
    *schrift_farbe = rgb(f[3], f[4], f[5]);
}

}  // namespace

bool Werbung_Banden_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild)
{
    if (std::strcmp(e.datei, "werbung.res") != 0 || e.nummer < WERBUNG_BANDE_NAH ||
        e.nummer >= WERBUNG_BANDE_FERN + WERBUNG_BANDE_BILDER)
        return false;
    const bool fern = e.nummer >= WERBUNG_BANDE_FERN;
    const int32_t k = e.nummer - (fern ? WERBUNG_BANDE_FERN : WERBUNG_BANDE_NAH);
    const int32_t w = fern ? WERBUNG_BANDE_FERN_B : WERBUNG_BANDE_NAH_B, h = fern ? WERBUNG_BANDE_FERN_H : WERBUNG_BANDE_NAH_H;
    uint16_t grund = 0, farbe = 0;
    farben(k, &grund, &farbe);
    Bild_Flaeche b(w, h, false, grund);
    b.rechteck(0, 0, w, 1, rgb(235, 235, 235));
    b.rechteck(0, h - 1, w, 1, rgb(30, 30, 30));
    std::string name = Werbung_Banden_Name(k);
    if (const Font_Bild* f = fern ? Bild_Schrift_Passend({schrift(true), schrift(true, true)}, name, w - 4) : schrift(false)) {
        if (Bild_Schrift_Breite(f, name) > w - 4) name = name.substr(name.rfind(' ') + 1);
        while (name.size() > 1 && Bild_Schrift_Breite(f, name) > w - 4) name.pop_back();
        const int32_t x = (w - Bild_Schrift_Breite(f, name)) / 2, y = (h - int32_t(f->height)) / 2;
        Bild_Schrift(b, f, x, y, name, farbe);
    }
    bild = b.fertig(e.nummer);
    return true;
}
