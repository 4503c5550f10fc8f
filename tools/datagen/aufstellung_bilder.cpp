// The line-up screen's pictures: the background with the pitch (1330), the tactic faces
// (1261-1269), the stored line-ups' small pitches (1271-1276), the commitment slider (1286), the
// buttons' signs (1288-1295, 1302) and the room handles (1341-1346). RGB565; in masked pictures
// what is not drawn is see-through.
#include <cstdlib>
#include <cstring>

#include "tools/datagen/bild_flaeche.h"
#include "tools/datagen/manifest.h"

namespace {

uint16_t rgb(int r, int g, int b) { return uint16_t((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3)); }

// The pitch as the screen's grid sees it: 207 x 337 from (226, 114), the own goal below.
constexpr int32_t FELD_X = 226, FELD_Y = 114, FELD_W = 207, FELD_H = 337;

void feld(Bild_Flaeche& f)
{
    const uint16_t hell = rgb(40, 150, 50), dunkel = rgb(34, 134, 44), weiss = rgb(235, 240, 235);
    for (int32_t k = 0; k < 12; ++k)
        f.rechteck(FELD_X, FELD_Y + k * FELD_H / 12, FELD_W, FELD_H / 12 + 1, k % 2 ? dunkel : hell);
    const int32_t x1 = FELD_X + 4, y1 = FELD_Y + 4, x2 = FELD_X + FELD_W - 5, y2 = FELD_Y + FELD_H - 5;
    f.rahmen(x1, y1, x2 - x1 + 1, y2 - y1 + 1, weiss);
    const int32_t xm = FELD_X + FELD_W / 2, ym = FELD_Y + FELD_H / 2;
    f.rechteck(x1, ym, x2 - x1 + 1, 1, weiss);
    for (int32_t y = ym - 30; y <= ym + 30; ++y)
        for (int32_t x = xm - 30; x <= xm + 30; ++x) {
            const int32_t d = (x - xm) * (x - xm) + (y - ym) * (y - ym);
            if (d <= 900 && d >= 841) f.setzen(x, y, weiss);
        }
    // penalty areas, goal areas and goals at both ends
    f.rahmen(FELD_X + 50, y1, FELD_W - 100, 41, weiss);
    f.rahmen(FELD_X + 50, y2 - 40, FELD_W - 100, 41, weiss);
    f.rahmen(xm - 25, y1, 51, 15, weiss);
    f.rahmen(xm - 25, y2 - 14, 51, 15, weiss);
    f.rechteck(xm - 15, y1 - 3, 31, 3, weiss);
    f.rechteck(xm - 15, y2 + 1, 31, 3, weiss);
    f.setzen(xm, y1 + 28, weiss);
    f.setzen(xm, y2 - 28, weiss);
}

// Dark panel, framed areas for the squads, the tactics, the strength box and the stored
// line-ups; the bench strip and the slider's track left of the pitch.
Bild_Flaeche hintergrund()
{
    const uint16_t grund = rgb(14, 32, 24), flaeche = rgb(20, 44, 34), hell = rgb(70, 110, 90),
                   dunkel = rgb(4, 12, 8), bank = rgb(60, 48, 36), spur = rgb(90, 90, 100);
    Bild_Flaeche f(640, 480, false, grund);
    for (int32_t y = 0; y < 480; y += 4) f.rechteck(0, y, 640, 1, rgb(16, 36, 27));
    auto kasten = [&](int32_t x, int32_t y, int32_t w, int32_t h) {
        f.rechteck(x, y, w, h, flaeche);
        f.relief(x, y, w, h, dunkel, hell);
    };
    kasten(2, 92, 164, 346);      // own squad
    kasten(450, 92, 149, 346);    // other club's squad
    kasten(166, 42, 282, 40);     // tactic rows
    kasten(164, 256, 57, 51);     // strength box
    kasten(210, 452, 234, 28);    // stored line-ups
    f.rechteck(FELD_X - 22, FELD_Y, 22, FELD_H, bank);
    for (int32_t y = FELD_Y + 6; y < FELD_Y + FELD_H; y += 26) f.rechteck(FELD_X - 20, y, 18, 2, rgb(90, 74, 56));
    f.rechteck(209 + 6, 120, 3, 134, spur);
    f.rechteck(FELD_X - 2, FELD_Y - 2, FELD_W + 4, 2, dunkel);
    f.rechteck(FELD_X - 2, FELD_Y + FELD_H, FELD_W + 4, 2, dunkel);
    f.rechteck(FELD_X + FELD_W, FELD_Y - 2, 2, FELD_H + 4, dunkel);
    feld(f);
    return f;
}

// A stored line-up's button: the pitch on its side, 27 x 17 cells from (3, 3), own goal left.
Bild_Flaeche kleines_feld()
{
    const uint16_t gruen = rgb(40, 140, 50), weiss = rgb(225, 235, 225), rand = rgb(10, 40, 14);
    Bild_Flaeche f(35, 23, false, gruen);
    f.rahmen(0, 0, 35, 23, rand);
    f.rahmen(2, 2, 31, 19, weiss);
    f.rechteck(17, 2, 1, 19, weiss);
    f.rahmen(2, 7, 5, 9, weiss);
    f.rahmen(28, 7, 5, 9, weiss);
    f.rechteck(1, 9, 1, 5, weiss);
    f.rechteck(33, 9, 1, 5, weiss);
    return f;
}

// A tactic row's face: raised, blue, its label written over it by the screen.
Bild_Flaeche taktik_flaeche(int32_t k)
{
    Bild_Flaeche f(68, 12, false, rgb(30, 60, 120 + 6 * k));
    for (int32_t y = 1; y < 6; ++y) f.rechteck(1, y, 66, 1, rgb(44, 80, 150 + 6 * k));
    f.relief(0, 0, 68, 12, rgb(120, 150, 220), rgb(10, 20, 50));
    return f;
}

// "Also train these tactics": an arrow down onto a bar, white on the face the screen paints.
Bild_Flaeche training_zeichen()
{
    const uint16_t s = rgb(250, 250, 250);
    Bild_Flaeche f(8, 11, true, 0);
    f.rechteck(3, 1, 2, 4, s);
    for (int32_t r = 0; r < 3; ++r) f.rechteck(1 + r, 5 + r, 6 - 2 * r, 1, s);
    f.rechteck(1, 9, 6, 1, s);
    return f;
}

// The slider's handle: a grip with three grooves.
Bild_Flaeche regler()
{
    Bild_Flaeche f(15, 8, true, 0);
    f.rechteck(0, 0, 15, 8, rgb(16, 16, 16));
    f.rechteck(1, 1, 13, 6, rgb(240, 176, 32));
    for (int32_t x = 4; x <= 10; x += 3) f.rechteck(x, 2, 1, 4, rgb(140, 90, 10));
    return f;
}

// A button's sign, white on the face the screen paints (orange while on).
Bild_Flaeche zeichen(int32_t nummer)
{
    const uint16_t s = rgb(250, 250, 250);
    Bild_Flaeche f(8, 8, true, 0);
    switch (nummer) {
    case 1288:  // line-up set A: one bar
        f.rechteck(3, 1, 2, 6, s);
        break;
    case 1289:  // set B: two bars
        f.rechteck(1, 1, 2, 6, s);
        f.rechteck(5, 1, 2, 6, s);
        break;
    case 1291:  // DEFENSIV: an arrowhead down to the own goal
    case 1292:  // OFFENSIV: up to the other goal
        for (int32_t r = 0; r < 4; ++r) {
            const int32_t y = nummer == 1292 ? 2 + r : 5 - r;
            f.rechteck(3 - r, y, 2 + 2 * r, 1, s);
        }
        break;
    case 1293:  // own rooms: a frame with a dot below
    case 1294:  // the other club's: with a dot above
        f.rahmen(1, 1, 6, 6, s);
        f.rechteck(3, nummer == 1293 ? 4 : 2, 2, 2, s);
        break;
    case 1295:  // the other team: two heads
        f.rechteck(1, 2, 2, 2, s);
        f.rechteck(5, 2, 2, 2, s);
        f.rechteck(0, 5, 4, 2, s);
        f.rechteck(4, 5, 4, 2, s);
        break;
    default:  // 1302, heads: a face
        f.rahmen(1, 0, 6, 7, s);
        f.setzen(3, 2, s);
        f.setzen(5, 2, s);
        f.rechteck(3, 4, 2, 1, s);
        break;
    }
    return f;
}

// A room handle: 1341-1344 the corners (orange squares), 1345/1346 the defensive and offensive
// positions (red diamonds).
Bild_Flaeche griff(int32_t nummer)
{
    Bild_Flaeche f(7, 7, true, 0);
    if (nummer < 1345) {
        f.rechteck(0, 0, 7, 7, rgb(16, 16, 16));
        f.rechteck(1, 1, 5, 5, rgb(250, 150, 0));
        f.setzen(2, 2, rgb(255, 220, 140));
    } else {
        for (int32_t y = 0; y < 7; ++y) {
            const int32_t r = 3 - std::abs(y - 3);
            f.rechteck(3 - r, y, 2 * r + 1, 1, rgb(16, 16, 16));
            if (r > 0) f.rechteck(4 - r, y, 2 * r - 1, 1, nummer == 1345 ? rgb(240, 60, 60) : rgb(250, 110, 110));
        }
    }
    return f;
}

}  // namespace

bool Aufstellung_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild)
{
    if (std::strcmp(e.datei, "resf_scr.res") != 0) return false;
    const int32_t n = e.nummer;
    if (n == 1330) bild = hintergrund().fertig(n);
    else if (n >= 1261 && n <= 1268) bild = taktik_flaeche(n - 1261).fertig(n);
    else if (n == 1269) bild = training_zeichen().fertig(n);
    else if (n >= 1271 && n <= 1276) bild = kleines_feld().fertig(n);
    else if (n == 1286) bild = regler().fertig(n);
    else if ((n >= 1288 && n <= 1295 && n != 1290) || n == 1302) bild = zeichen(n).fertig(n);
    else if (n >= 1341 && n <= 1346) bild = griff(n).fertig(n);
    else return false;
    return true;
}
