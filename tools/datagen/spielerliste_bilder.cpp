// The player lists' and cards' pictures: the flag marks of a list entry's name, the four small
// figures with their marker, the card's background, the player-type pictures and the line-up
// screen's assistant and doctor marks. RGB565; masked pictures are see-through where nothing is
// drawn. The figures and type pictures are grey so that the screens tint them.
#include <cmath>
#include <cstring>

#include "screens/spieler_bilder.h"
#include "tools/datagen/bild_flaeche.h"
#include "tools/datagen/manifest.h"

namespace {

uint16_t rgb(int r, int g, int b) { return uint16_t((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3)); }

void scheibe(Bild_Flaeche& f, double cx, double cy, double r, uint16_t c)
{
    for (int32_t y = 0; y < f.h; ++y)
        for (int32_t x = 0; x < f.w; ++x)
            if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= r) f.setzen(x, y, c);
}

// Rows of up to 8 pixels, bit 7 the leftmost.
void muster(Bild_Flaeche& f, int32_t x, int32_t y, const uint8_t* zeilen, int32_t n, uint16_t c)
{
    for (int32_t r = 0; r < n; ++r)
        for (int32_t k = 0; k < 8; ++k)
            if (zeilen[r] & (0x80 >> k)) f.setzen(x + k, y + r, c);
}

Bild_Flaeche marke(int32_t art)
{
    Bild_Flaeche f(9, 9, true, 0);
    const uint16_t weiss = rgb(250, 250, 250), schwarz = rgb(16, 16, 16);
    switch (art) {
    case MARKE_VERLETZT:  // a red cross on white
        scheibe(f, 4.5, 4.5, 4.5, weiss);
        f.rechteck(3, 1, 3, 7, rgb(220, 30, 30));
        f.rechteck(1, 3, 7, 3, rgb(220, 30, 30));
        break;
    case MARKE_BEHANDLUNG:  // a white cross on green: a doctor takes care of him
        scheibe(f, 4.5, 4.5, 4.5, rgb(30, 150, 60));
        f.rechteck(3, 1, 3, 7, weiss);
        f.rechteck(1, 3, 7, 3, weiss);
        break;
    case MARKE_SPERRE_DROHT: {  // a yellow card with an exclamation mark
        f.rechteck(2, 0, 6, 9, rgb(250, 214, 40));
        f.rahmen(2, 0, 6, 9, rgb(120, 100, 10));
        f.rechteck(4, 2, 2, 3, schwarz);
        f.rechteck(4, 6, 2, 1, schwarz);
        break;
    }
    case MARKE_PROBE: {  // a blue disc with a white P
        static const uint8_t P[5] = {0xE0, 0x90, 0xE0, 0x80, 0x80};
        scheibe(f, 4.5, 4.5, 4.5, rgb(30, 90, 200));
        muster(f, 3, 2, P, 5, weiss);
        break;
    }
    case MARKE_KAPITAEN: {  // the armband: a black C on yellow
        static const uint8_t C[5] = {0x70, 0x80, 0x80, 0x80, 0x70};
        f.rechteck(0, 1, 9, 7, rgb(250, 210, 30));
        f.rahmen(0, 1, 9, 7, rgb(120, 90, 0));
        muster(f, 3, 2, C, 5, schwarz);
        break;
    }
    case MARKE_FREIGABE: {  // an orange arrow out of the club
        static const uint8_t PFEIL[7] = {0x08, 0x0C, 0xFE, 0xFF, 0xFE, 0x0C, 0x08};
        muster(f, 0, 1, PFEIL, 7, rgb(240, 130, 20));
        break;
    }
    default: {  // an offer: a white envelope
        f.rechteck(0, 1, 9, 7, weiss);
        f.rahmen(0, 1, 9, 7, rgb(90, 90, 90));
        for (int32_t k = 0; k < 4; ++k) f.setzen(1 + k, 2 + k, rgb(90, 90, 90)), f.setzen(7 - k, 2 + k, rgb(90, 90, 90));
        break;
    }
    }
    return f;
}

// A small player seen from the front, in shades of grey: 0 standing, 1 running to the right,
// 2 jumping for a header, 3 a goalkeeper with spread arms.
Bild_Flaeche figur(int32_t art)
{
    Bild_Flaeche f(FIGUR_B, FIGUR_H, true, 0);
    const uint16_t hemd = rgb(235, 235, 235), schatten = rgb(170, 170, 170), hose = rgb(120, 120, 120),
                   haut = rgb(200, 200, 200), schuh = rgb(40, 40, 40);
    const int32_t mx = FIGUR_B / 2, hoch = art == 2 ? -3 : 0;
    scheibe(f, mx, 5 + hoch, 4, haut);
    f.rechteck(mx - 5, 10 + hoch, 10, 11, hemd);
    f.rechteck(mx + 3, 10 + hoch, 2, 11, schatten);
    if (art == 3) {
        f.rechteck(mx - 11, 10, 6, 3, hemd), f.rechteck(mx + 5, 10, 6, 3, hemd);
        f.rechteck(mx - 12, 9, 2, 3, schuh), f.rechteck(mx + 10, 9, 2, 3, schuh);
    } else if (art == 2) {
        f.rechteck(mx - 8, 4 + hoch, 3, 8, hemd), f.rechteck(mx + 5, 4 + hoch, 3, 8, hemd);
    } else {
        f.rechteck(mx - 7, 11, 2, 9, hemd), f.rechteck(mx + 5, 11, 2, 9, schatten);
    }
    f.rechteck(mx - 5, 21 + hoch, 10, 5, hose);
    if (art == 1) {
        // one leg forward, one back
        for (int32_t k = 0; k < 8; ++k) f.rechteck(mx - 4 - k / 2, 26 + k, 3, 1, haut), f.rechteck(mx + 1 + k / 2, 26 + k, 3, 1, haut);
        f.rechteck(mx - 9, 33, 4, 2, schuh), f.rechteck(mx + 5, 33, 4, 2, schuh);
    } else {
        f.rechteck(mx - 4, 26 + hoch, 3, 7, haut), f.rechteck(mx + 1, 26 + hoch, 3, 7, haut);
        f.rechteck(mx - 5, 33 + hoch, 4, 2, schuh), f.rechteck(mx + 1, 33 + hoch, 4, 2, schuh);
    }
    return f;
}

// The marker over the part of the figure that an attribute belongs to: a ring.
Bild_Flaeche figur_marke()
{
    Bild_Flaeche f(7, 7, true, 0);
    for (int32_t y = 0; y < 7; ++y)
        for (int32_t x = 0; x < 7; ++x) {
            const double d = std::hypot(x - 3.0, y - 3.0);
            if (d <= 3.4 && d >= 2.0) f.setzen(x, y, rgb(250, 60, 40));
        }
    return f;
}

// The card: a light frame, the portrait's place at the left, a stripe for the name.
Bild_Flaeche karte()
{
    Bild_Flaeche f(KARTE_B, KARTE_H, false, rgb(200, 200, 200));
    for (int32_t y = 0; y < KARTE_H; ++y) f.rechteck(0, y, KARTE_B, 1, rgb(210 - y / 3, 210 - y / 3, 210 - y / 3));
    f.relief(0, 0, KARTE_B, KARTE_H, rgb(255, 255, 255), rgb(60, 60, 60));
    f.rechteck(2, 2, 40, 46, rgb(150, 150, 150));
    f.rechteck(58, 18, KARTE_B - 60, 12, rgb(235, 235, 235));
    return f;
}

// A player type: goalkeeper a glove, defence a shield, midfield a ring, forward an arrow up.
Bild_Flaeche typ(int32_t art)
{
    Bild_Flaeche f(14, 14, true, 0);
    const uint16_t c = rgb(230, 230, 230), rand = rgb(60, 60, 60);
    switch (art) {
    case 0:
        f.rechteck(3, 5, 8, 8, c);
        for (int32_t k = 0; k < 4; ++k) f.rechteck(3 + 2 * k, 1, 1, 4, c);
        f.rahmen(3, 5, 8, 8, rand);
        break;
    case 1:
        for (int32_t y = 1; y < 13; ++y) {
            const int32_t r = y < 8 ? 5 : 5 - (y - 7);
            f.rechteck(7 - r, y, 2 * r, 1, c);
        }
        f.rechteck(6, 2, 2, 9, rand);
        break;
    case 2:
        scheibe(f, 7, 7, 6, c);
        scheibe(f, 7, 7, 2, rand);
        break;
    default:
        for (int32_t d = 0; d < 6; ++d) f.rechteck(6 - d, 1 + d, 2 + 2 * d, 1, c);
        f.rechteck(5, 7, 4, 6, c);
        break;
    }
    return f;
}

// An assistant's (a tie) or a doctor's (a red cross) mark over a white coat, 10 x 15.
Bild_Flaeche personal(bool arzt)
{
    Bild_Flaeche f(10, 15, true, 0);
    scheibe(f, 5, 3, 3, rgb(230, 190, 150));
    f.rechteck(1, 6, 8, 9, arzt ? rgb(245, 245, 245) : rgb(40, 60, 110));
    f.rahmen(1, 6, 8, 9, rgb(30, 30, 30));
    if (arzt) {
        f.rechteck(4, 8, 2, 6, rgb(220, 30, 30));
        f.rechteck(2, 10, 6, 2, rgb(220, 30, 30));
    } else {
        f.rechteck(4, 7, 2, 6, rgb(220, 180, 30));
    }
    return f;
}

}  // namespace

bool Spielerliste_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild)
{
    if (std::strcmp(e.datei, "resf_scr.res") != 0) return false;
    const int32_t n = e.nummer;
    if (n >= LISTE_BILD_MARKE && n < LISTE_BILD_MARKE + MARKE_ANZAHL) bild = marke(n - LISTE_BILD_MARKE).fertig(n);
    else if (n >= LISTE_BILD_FIGUR && n < LISTE_BILD_FIGUR + 4) bild = figur(n - LISTE_BILD_FIGUR).fertig(n);
    else if (n == LISTE_BILD_FIGUR_MARKE) bild = figur_marke().fertig(n);
    else if (n == LISTE_BILD_KARTE) bild = karte().fertig(n);
    else if (n >= LISTE_BILD_TYP && n < LISTE_BILD_TYP + 4) bild = typ(n - LISTE_BILD_TYP).fertig(n);
    else if (n >= AUFSTELLUNG_BILD_ASSI && n < AUFSTELLUNG_BILD_ARZT + 4) bild = personal(n >= AUFSTELLUNG_BILD_ARZT).fertig(n);
    else return false;
    return true;
}
