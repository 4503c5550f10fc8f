#include "tools/datagen/uebersicht_bilder.h"

#include <cstring>
#include <string>

#include "tools/datagen/bild_flaeche.h"
#include "tools/datagen/bild_schrift.h"
#include "tools/datagen/font_raster.h"

namespace {

constexpr uint16_t rgb(int r, int g, int b)
{
    uint16_t p = uint16_t((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3));
    return p ? p : 1;  // 0 would be see-through
}

// The labels in DejaVu, rasterised once: bold at 12 pixels, the small ones at 9 pixels and, for
// a small label too long for its button, at 9 pixels narrowed to a 6.5-pixel em. Without the
// font file the labels stay blank.
const Font_Bild* schrift(bool klein, bool schmal = false)
{
    static Font_Bild gross_bild, klein_bild, schmal_bild;
    static int geladen = -1;
    if (geladen < 0) {
        const std::string ttf = std::string(FONT_DEJAVU_ORDNER) + "DejaVuSansCondensed.ttf";
        geladen = Font_Rastern(std::string(FONT_DEJAVU_ORDNER) + "DejaVuSansCondensed-Bold.ttf", 12, "ueber", gross_bild) &&
                  Font_Rastern(ttf, 9, "ueberk", klein_bild) && Font_Rastern(ttf, 9, "ueberks", schmal_bild, 6.5);
    }
    return geladen ? (!klein ? &gross_bild : schmal ? &schmal_bild : &klein_bild) : nullptr;
}

struct Bild : Bild_Flaeche {
    using Bild_Flaeche::Bild_Flaeche;

    static int32_t breite(const Font_Bild* f, const std::string& t) { return Bild_Schrift_Breite(f, t); }
    void schrift_an(const Font_Bild* f, int32_t x, int32_t y, const std::string& t, uint16_t c) { Bild_Schrift(*this, f, x, y, t, c); }
    // Centred in the box (x, y, bw, bh), with a dark shadow one pixel down and right; a small
    // text narrowed where it would not fit between the button's two-pixel relief.
    void mitte(int32_t x, int32_t y, int32_t bw, int32_t bh, const std::string& t, uint16_t c, bool klein)
    {
        const Font_Bild* f = klein ? Bild_Schrift_Passend({schrift(true), schrift(true, true)}, t, bw - 5) : schrift(false);
        if (!f) return;
        const int32_t tx = x + (bw - breite(f, t)) / 2, ty = y + (bh - int32_t(f->height)) / 2;
        schrift_an(f, tx + 1, ty + 1, t, rgb(10, 14, 20));
        schrift_an(f, tx, ty, t, c);
    }
};

// A panel: a dark body with a lit frame; see-through outside the rounded corners.
Bild tafel(int32_t w, int32_t h, bool maske)
{
    Bild b(w, h, maske, rgb(18, 30, 44));
    b.rechteck(0, 0, w, h, rgb(18, 30, 44));
    for (int32_t y = 0; y < h; ++y) b.rechteck(1, y, w - 2, 1, rgb(18 + y * 20 / h, 30 + y * 24 / h, 46 + y * 30 / h));
    b.relief(0, 0, w, h, rgb(120, 150, 176), rgb(6, 10, 16));
    if (maske)
        for (int32_t e : {0, 1}) {
            b.px[size_t(e ? w - 1 : 0)] = 0;
            b.px[size_t(h - 1) * w + (e ? w - 1 : 0)] = 0;
        }
    return b;
}

// A button face: 0 normal, 1 hovered (lit), 2 disabled (grey, the label faded).
Bild knopf(int32_t w, int32_t h, int32_t zustand, const std::string& t, bool klein)
{
    const uint16_t grund[3] = {rgb(36, 74, 112), rgb(70, 124, 176), rgb(58, 62, 68)};
    const uint16_t schrift_farbe[3] = {rgb(236, 240, 244), rgb(255, 244, 170), rgb(120, 124, 130)};
    Bild b(w, h, false, grund[zustand]);
    b.relief(0, 0, w, h, zustand == 2 ? rgb(90, 94, 100) : rgb(170, 200, 230), rgb(8, 12, 18));
    b.relief(1, 1, w - 2, h - 2, zustand == 2 ? rgb(70, 74, 80) : rgb(100, 140, 180), rgb(20, 30, 44));
    const size_t schraeg = t.find('/');
    if (schraeg != std::string::npos && klein) {
        b.mitte(0, 1, w, h / 2, t.substr(0, schraeg + 1), schrift_farbe[zustand], true);
        b.mitte(0, h / 2 - 1, w, h / 2, t.substr(schraeg + 1), schrift_farbe[zustand], true);
    } else {
        b.mitte(0, 0, w, h, t, schrift_farbe[zustand], klein);
    }
    return b;
}

// Ten digits of 8 x 12 side by side, drawn as seven-segment figures in light amber.
Bild ziffern()
{
    static const uint8_t SEGMENTE[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    Bild b(80, 12, true, 0);
    const uint16_t c = rgb(255, 210, 90);
    for (int32_t d = 0; d < 10; ++d) {
        const int32_t x = d * 8 + 1;
        const uint8_t s = SEGMENTE[d];
        if (s & 1) b.rechteck(x + 1, 0, 4, 1, c);
        if (s & 2) b.rechteck(x + 5, 1, 1, 4, c);
        if (s & 4) b.rechteck(x + 5, 6, 1, 4, c);
        if (s & 8) b.rechteck(x + 1, 10, 4, 1, c);
        if (s & 16) b.rechteck(x, 6, 1, 4, c);
        if (s & 32) b.rechteck(x, 1, 1, 4, c);
        if (s & 64) b.rechteck(x + 1, 5, 4, 1, c);
    }
    return b;
}

// A pitch from above in w x h: stripes, outline, halfway line, centre spot and both boxes.
void spielfeld(Bild& b, int32_t x0, int32_t y0, int32_t w, int32_t h)
{
    for (int32_t x = 0; x < w; ++x) b.rechteck(x0 + x, y0, 1, h, (x / 6) % 2 ? rgb(30, 110, 46) : rgb(26, 96, 40));
    const uint16_t linie = rgb(190, 226, 190);
    b.rahmen(x0, y0, w, h, linie);
    b.rechteck(x0 + w / 2, y0, 1, h, linie);
    const int32_t bh = h * 44 / 100, bw = w * 16 / 100;
    b.rahmen(x0, y0 + (h - bh) / 2, bw, bh, linie);
    b.rahmen(x0 + w - bw, y0 + (h - bh) / 2, bw, bh, linie);
    b.setzen(x0 + w / 2, y0 + h / 2, linie);
}

Bild kasten(int32_t w, int32_t h, bool maske)
{
    Bild b(w, h, maske, rgb(12, 20, 30));
    b.rechteck(0, 0, w, h, rgb(12, 20, 30));
    b.relief(0, 0, w, h, rgb(6, 10, 16), rgb(90, 120, 150));
    return b;
}

Bild ueberblick(int32_t n, const Uebersicht_Bild_Mass& m)
{
    const int32_t w = m.breite, h = m.hoehe;
    const int32_t i = n - UEBERSICHT_BILD_ERSTES;
    static const char* const KNOPF_0[] = {"<", ">", "Tabelle", "Spiele", "Ende", "Pause"};
    static const char* const KNOPF_5[] = {"Live", "Statistik", "Tore/Karten", "Pause", "Zurück"};
    if (i == 0) return ziffern();
    if (i >= 3 && i <= 20) return knopf(w, h, (i - 3) % 3, KNOPF_0[(i - 3) / 3], false);
    if (i >= 27 && i <= 41) return knopf(w, h, (i - 27) % 3, KNOPF_5[(i - 27) / 3], true);
    switch (i) {
    case 1:
    case 2:
    case 25:
    case 26: return tafel(w, h, m.maske);
    case 21:
    case 42:
    case 45: return kasten(w, h, m.maske);
    case 22:
    case 43:
    case 44: {
        Bild b(w, h, m.maske, 0);
        // The boxes lie on their panel: a faint band where the texts stand.
        for (int32_t y = 4; y < h - 4; ++y) b.rechteck(2, y, w - 4, 1, rgb(22 + y / 4, 36 + y / 4, 52 + y / 3));
        return b;
    }
    case 23: {
        // A tab on the line's right with a frame around the radar's place.
        Bild b(w, h, true, 0);
        b.rechteck(0, h / 2 - 4, 12, 8, rgb(250, 210, 60));
        b.rechteck(11, 0, w - 11, h, rgb(18, 30, 44));
        b.relief(11, 0, w - 11, h, rgb(250, 210, 60), rgb(120, 90, 20));
        return b;
    }
    case 24: {
        Bild b(w, h, false, rgb(10, 40, 18));
        spielfeld(b, 1, 1, 53, 34);
        return b;
    }
    default: return Bild(w, h, m.maske, rgb(20, 30, 40));
    }
}

}  // namespace

bool Uebersicht_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild)
{
    if (std::strcmp(e.datei, "resf_scr.res") != 0) return false;
    const Uebersicht_Bild_Mass* m = Uebersicht_Bild_Masse(e.nummer);
    if (!m) return false;
    bild = ueberblick(e.nummer, *m).fertig(e.nummer);
    return true;
}
