// The training page's pictures: the background with the 17 kind areas, their names and symbols,
// the slider's handle, a ball, a glove, the two highlight frames, the K.O. bar and the 24
// pictures of the trained tactic's switches. RGB565; in masked pictures what is not drawn is
// see-through.
#include <cstring>
#include <string>

#include "screens/spieler_taktik.h"
#include "screens/spieler_training.h"
#include "screens/spieler_training_bilder.h"
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

// The names in DejaVu Condensed at 9 and 8 pixels, then the 9-pixel height narrowed to a
// 6.5-pixel em (a 7-pixel font is no narrower and far harder to read); blank without the font.
const Font_Bild* schrift(int32_t stufe)
{
    static Font_Bild f[3];
    static int geladen = -1;
    if (geladen < 0) {
        const std::string ttf = std::string(FONT_DEJAVU_ORDNER) + "DejaVuSansCondensed.ttf";
        geladen = Font_Rastern(ttf, 9, "train9", f[0]) && Font_Rastern(ttf, 8, "train8", f[1]) &&
                  Font_Rastern(ttf, 9, "train9s", f[2], 6.5);
    }
    return geladen ? &f[stufe] : nullptr;
}

// The text centred in (x, y, w) with its top at y, in the largest size that fits.
void mittig(Bild_Flaeche& b, int32_t x, int32_t y, int32_t w, const char* text, uint16_t c)
{
    if (const Font_Bild* f = Bild_Schrift_Passend({schrift(0), schrift(1), schrift(2)}, text, w))
        Bild_Schrift(b, f, x + (w - Bild_Schrift_Breite(f, text)) / 2, y, text, c);
}

void ball(Bild_Flaeche& b, int32_t x, int32_t y)
{
    const uint16_t weiss = rgb(245, 245, 245), schwarz = rgb(20, 20, 20);
    b.rechteck(x + 3, y, 6, 12, weiss);
    b.rechteck(x, y + 3, 12, 6, weiss);
    b.rechteck(x + 1, y + 1, 10, 10, weiss);
    b.rechteck(x + 4, y + 4, 4, 4, schwarz);
    b.setzen(x + 1, y + 5, schwarz);
    b.setzen(x + 10, y + 5, schwarz);
    b.rechteck(x + 5, y + 1, 2, 1, schwarz);
    b.rechteck(x + 3, y + 10, 2, 1, schwarz);
    b.rechteck(x + 7, y + 10, 2, 1, schwarz);
}

void handschuh(Bild_Flaeche& b, int32_t x, int32_t y)
{
    const uint16_t orange = rgb(250, 140, 20), dunkel = rgb(120, 50, 0);
    for (int32_t k = 0; k < 4; ++k) b.rechteck(x + 2 + 2 * k, y, 1, 5, orange);
    b.rechteck(x + 2, y + 4, 8, 7, orange);
    b.rechteck(x, y + 4, 2, 4, orange);
    b.rechteck(x + 2, y + 9, 8, 1, dunkel);
    b.rechteck(x + 3, y + 11, 6, 1, dunkel);
}

void kasten(Bild_Flaeche& b, int32_t x, int32_t y, int32_t w, int32_t h, uint16_t grund)
{
    b.rechteck(x, y, w, h, grund);
    b.relief(x, y, w, h, rgb(90, 110, 150), rgb(4, 8, 20));
}

// Screen places minus the page's top (40).
Bild_Flaeche hintergrund()
{
    const int32_t oy = 40;
    Bild_Flaeche b(600, 440, false, rgb(16, 24, 48));
    for (int32_t y = 0; y < 440; y += 4) b.rechteck(0, y, 600, 1, rgb(18, 28, 54));
    kasten(b, 196, 66 - oy, 396, 52, rgb(22, 32, 64));          // the switches
    kasten(b, 16, 60 - oy, 144, 72, rgb(22, 32, 64));           // the current tactic
    kasten(b, 18, 138 - oy, 142, 310, rgb(22, 32, 64));         // the squad
    kasten(b, 156, 296 - oy, 44, 118, rgb(22, 32, 64));         // K.O. bar
    kasten(b, 196, 160 - oy, 396, 306, rgb(20, 40, 36));        // the kinds
    b.rechteck(TRAINING_REGLER_X, TRAINING_REGLER_Y + 5 - oy, TRAINING_REGLER_B, 4, rgb(6, 8, 16));
    b.rahmen(TRAINING_REGLER_X - 1, TRAINING_REGLER_Y + 4 - oy, TRAINING_REGLER_B + 2, 6, rgb(90, 110, 150));
    b.rahmen(183, 457 - oy, 16, 16, rgb(90, 110, 150));  // the reserve of balls
    const uint16_t orange = rgb(250, 140, 20);
    b.rahmen(TRAINING_TW_L, TRAINING_TW_O - oy, TRAINING_TW_R - TRAINING_TW_L + 1, TRAINING_TW_U - TRAINING_TW_O + 1, orange);
    for (int32_t a = 0; a < 17; ++a) {
        const bool tw = a >= 14;
        const int32_t x = TRAINING_ORT[a][0], y = TRAINING_ORT[a][1] - oy;
        b.rechteck(x, y, TRAINING_FLAECHE_B, TRAINING_FLAECHE_H, tw ? rgb(96, 60, 28) : rgb(36, 110, 48));
        for (int32_t s = 0; s < TRAINING_FLAECHE_H; s += 10)
            b.rechteck(x, y + s, TRAINING_FLAECHE_B, 5, tw ? rgb(104, 66, 32) : rgb(40, 120, 52));
        b.relief(x, y, TRAINING_FLAECHE_B, TRAINING_FLAECHE_H, rgb(150, 200, 150), rgb(8, 30, 12));
        if (tw) handschuh(b, x + TRAINING_FLAECHE_B - 15, y + 3);
        else ball(b, x + TRAINING_FLAECHE_B - 15, y + 3);
        // the name along the foot, the units' and players' rows stay clear above it
        b.rechteck(x + 1, y + TRAINING_FLAECHE_H - 13, TRAINING_FLAECHE_B - 2, 12, rgb(10, 20, 14));
        mittig(b, x + 2, y + TRAINING_FLAECHE_H - 12, TRAINING_FLAECHE_B - 4, Spieler_Training_Art_Name(a),
               rgb(240, 240, 240));
    }
    return b;
}

Bild_Flaeche einheit(bool ist_ball)
{
    Bild_Flaeche b(12, 12, true, 0);
    if (ist_ball) ball(b, 0, 0);
    else handschuh(b, 0, 0);
    return b;
}

Bild_Flaeche rahmen(bool tw)
{
    Bild_Flaeche b(TRAINING_FLAECHE_B, TRAINING_FLAECHE_H, true, 0);
    const uint16_t c = tw ? rgb(255, 150, 30) : rgb(255, 240, 40);
    b.rahmen(0, 0, TRAINING_FLAECHE_B, TRAINING_FLAECHE_H, c);
    b.rahmen(1, 1, TRAINING_FLAECHE_B - 2, TRAINING_FLAECHE_H - 2, c);
    return b;
}

Bild_Flaeche griff()
{
    Bild_Flaeche b(TRAINING_GRIFF_B, TRAINING_GRIFF_H, true, 0);
    b.rechteck(0, 0, TRAINING_GRIFF_B, TRAINING_GRIFF_H, rgb(16, 16, 16));
    b.rechteck(1, 1, TRAINING_GRIFF_B - 2, TRAINING_GRIFF_H - 2, rgb(235, 235, 245));
    for (int32_t y = 4; y <= 9; y += 2) b.rechteck(2, y, 2, 1, rgb(120, 120, 140));
    return b;
}

// Segment s (0 at the foot) on rows 48 - 3 (s + 1) and the next: green, then yellow, then red.
Bild_Flaeche ko_balken()
{
    Bild_Flaeche b(TRAINING_KO_B, TRAINING_KO_H, false, rgb(6, 8, 16));
    for (int32_t s = 0; s < 16; ++s)
        b.rechteck(0, TRAINING_KO_H - 3 * (s + 1), TRAINING_KO_B, 2,
                   s < 8 ? rgb(60, 210, 60) : s < 12 ? rgb(245, 195, 0) : rgb(245, 50, 30));
    return b;
}

Bild_Flaeche schalter(int32_t k, int32_t stufe)
{
    const uint16_t grund[3] = {rgb(48, 80, 160), rgb(80, 145, 64), rgb(195, 112, 16)};
    Bild_Flaeche b(TRAINING_SCHALTER_B, TRAINING_SCHALTER_H, false, grund[stufe]);
    b.rechteck(1, 1, TRAINING_SCHALTER_B - 2, 8, uint16_t(grund[stufe] | rgb(24, 24, 24)));
    b.relief(0, 0, TRAINING_SCHALTER_B, TRAINING_SCHALTER_H, rgb(220, 225, 240), rgb(10, 14, 30));
    // the level as one to three dots on the left
    for (int32_t d = 0; d <= stufe; ++d) b.rechteck(4, 4 + 5 * d, 3, 3, rgb(250, 250, 250));
    mittig(b, 10, 5, TRAINING_SCHALTER_B - 14, Spieler_Einsetzen_Taktik_Label(k, stufe), rgb(250, 250, 250));
    return b;
}

}  // namespace

bool Training_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild)
{
    if (std::strcmp(e.datei, "resf_scr.res") != 0) return false;
    const int32_t n = e.nummer;
    if (n == TRAINING_BILD_HINTERGRUND) bild = hintergrund().fertig(n);
    else if (n == TRAINING_BILD_GRIFF) bild = griff().fertig(n);
    else if (n == TRAINING_BILD_BALL || n == TRAINING_BILD_HANDSCHUH) bild = einheit(n == TRAINING_BILD_BALL).fertig(n);
    else if (n == TRAINING_BILD_RAHMEN || n == TRAINING_BILD_RAHMEN_TW) bild = rahmen(n == TRAINING_BILD_RAHMEN_TW).fertig(n);
    else if (n == TRAINING_BILD_KO) bild = ko_balken().fertig(n);
    else if (n >= TRAINING_BILD_SCHALTER && n < TRAINING_BILD_SCHALTER + 24)
        bild = schalter((n - TRAINING_BILD_SCHALTER) / 3, (n - TRAINING_BILD_SCHALTER) % 3).fertig(n);
    else return false;
    return true;
}
