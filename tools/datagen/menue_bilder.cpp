#include "tools/datagen/menue_bilder.h"


#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/slave.h"
#include "tools/datagen/bild_flaeche.h"

namespace {

constexpr uint16_t rgb(int r, int g, int b)
{
    uint16_t p = uint16_t((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3));
    return p ? p : 1;  // 0 would be see-through
}

// Capitals, digits and a few signs, 5 x 7, one row per byte (bit 4 = leftmost column).
struct Zeichen {
    char c;
    uint8_t zeilen[7];
};
constexpr Zeichen SCHRIFT[] = {
    {'0', {14, 17, 19, 21, 25, 17, 14}}, {'1', {4, 12, 4, 4, 4, 4, 14}},   {'2', {14, 17, 1, 2, 4, 8, 31}},
    {'3', {31, 2, 4, 2, 1, 17, 14}},     {'4', {2, 6, 10, 18, 31, 2, 2}},  {'5', {31, 16, 30, 1, 1, 17, 14}},
    {'6', {6, 8, 16, 30, 17, 17, 14}},   {'7', {31, 1, 2, 4, 8, 8, 8}},    {'8', {14, 17, 17, 14, 17, 17, 14}},
    {'9', {14, 17, 17, 15, 1, 2, 12}},   {'A', {14, 17, 17, 31, 17, 17, 17}}, {'B', {30, 17, 17, 30, 17, 17, 30}},
    {'C', {14, 17, 16, 16, 16, 17, 14}}, {'D', {28, 18, 17, 17, 17, 18, 28}}, {'E', {31, 16, 16, 30, 16, 16, 31}},
    {'F', {31, 16, 16, 30, 16, 16, 16}}, {'G', {14, 17, 16, 23, 17, 17, 15}}, {'H', {17, 17, 17, 31, 17, 17, 17}},
    {'I', {14, 4, 4, 4, 4, 4, 14}},      {'J', {7, 2, 2, 2, 2, 18, 12}},   {'K', {17, 18, 20, 24, 20, 18, 17}},
    {'L', {16, 16, 16, 16, 16, 16, 31}}, {'M', {17, 27, 21, 21, 17, 17, 17}}, {'N', {17, 17, 25, 21, 19, 17, 17}},
    {'O', {14, 17, 17, 17, 17, 17, 14}}, {'P', {30, 17, 17, 30, 16, 16, 16}}, {'Q', {14, 17, 17, 17, 21, 18, 13}},
    {'R', {30, 17, 17, 30, 20, 18, 17}}, {'S', {15, 16, 16, 14, 1, 1, 30}}, {'T', {31, 4, 4, 4, 4, 4, 4}},
    {'U', {17, 17, 17, 17, 17, 17, 14}}, {'V', {17, 17, 17, 17, 17, 10, 4}}, {'W', {17, 17, 17, 21, 21, 21, 10}},
    {'X', {17, 17, 10, 4, 10, 17, 17}},  {'Y', {17, 17, 10, 4, 4, 4, 4}},  {'Z', {31, 1, 2, 4, 8, 16, 31}},
    {'-', {0, 0, 0, 31, 0, 0, 0}},       {'+', {0, 4, 4, 31, 4, 4, 0}},    {'.', {0, 0, 0, 0, 0, 12, 12}},
    {'!', {4, 4, 4, 4, 4, 0, 4}},        {' ', {0, 0, 0, 0, 0, 0, 0}},
};

const Zeichen* zeichen(char c)
{
    for (const Zeichen& z : SCHRIFT)
        if (z.c == c) return &z;
    return nullptr;
}

int32_t text_breite(const std::string& t, int s) { return t.empty() ? 0 : int32_t(t.size()) * 6 * s - s; }

struct Bild : Bild_Flaeche {
    using Bild_Flaeche::Bild_Flaeche;

    void scheibe(double cx, double cy, double r, uint16_t c)
    {
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x)
                if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= r) setzen(x, y, c);
    }
    void ring(double cx, double cy, double r, double d, uint16_t c)
    {
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x) {
                double a = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
                if (a <= r && a >= r - d) setzen(x, y, c);
            }
    }
    void schrift(int32_t x, int32_t y, const std::string& t, uint16_t c, int s = 1)
    {
        for (char ch : t) {
            if (const Zeichen* z = zeichen(ch))
                for (int r = 0; r < 7; ++r)
                    for (int k = 0; k < 5; ++k)
                        if (z->zeilen[r] & (16 >> k)) rechteck(x + k * s, y + r * s, s, s, c);
            x += 6 * s;
        }
    }
    // Centred text with a dark shadow one pixel down and right.
    void mitte(int32_t cx, int32_t y, const std::string& t, uint16_t c, int s = 1)
    {
        int32_t x = cx - text_breite(t, s) / 2;
        schrift(x + 1, y + 1, t, rgb(8, 8, 8), s);
        schrift(x, y, t, c, s);
    }

};

// The menu background: a dark top bar for the club panels, the right column of the main
// groups, and a pitch drawn faintly into the working area.
Bild hintergrund()
{
    Bild b(640, 480, false, rgb(16, 44, 52));
    // Mown stripes across the working area.
    for (int32_t x = 0; x < 596; x += 54) b.rechteck(x, 41, std::min(27, 596 - x), 439, rgb(18, 52, 58));
    b.rechteck(0, 0, 640, 39, rgb(10, 24, 32));
    b.rechteck(0, 39, 640, 1, rgb(96, 150, 156));
    b.rechteck(0, 40, 640, 1, rgb(6, 14, 20));
    b.rechteck(596, 41, 44, 439, rgb(12, 30, 38));
    b.rechteck(596, 41, 1, 439, rgb(70, 112, 120));
    // The club panels of the top bar and the space between them.
    b.relief(38, 2, 180, 35, rgb(40, 70, 84), rgb(4, 10, 14));
    b.relief(422, 2, 180, 35, rgb(40, 70, 84), rgb(4, 10, 14));
    b.relief(220, 2, 200, 35, rgb(28, 50, 60), rgb(4, 10, 14));
    // The pitch: outline, halfway line, centre circle and the two penalty areas.
    uint16_t linie = rgb(34, 78, 84);
    int32_t px = 28, py = 70, pw = 540, ph = 380;
    b.rahmen(px, py, pw, ph, linie);
    b.rechteck(px + pw / 2, py, 1, ph, linie);
    b.ring(px + pw / 2 + 0.5, py + ph / 2 + 0.5, 56, 1.2, linie);
    b.scheibe(px + pw / 2 + 0.5, py + ph / 2 + 0.5, 2.5, linie);
    for (int seite = 0; seite < 2; ++seite) {
        int32_t x = seite ? px + pw - 88 : px;
        b.rahmen(x, py + ph / 2 - 110, 88, 220, linie);
        b.rahmen(seite ? px + pw - 32 : px, py + ph / 2 - 48, 32, 96, linie);
    }
    // The place of the network lamp at the bottom right.
    b.relief(612, 470, 16, 11, rgb(4, 10, 14), rgb(40, 70, 84));
    return b;
}

// Shown over the background until a game has been started.
Bild vor_dem_spiel()
{
    Bild b(640, 480, true, 0);
    int32_t x = 150, y = 180, w = 300, h = 112;
    b.rechteck(x, y, w, h, rgb(12, 28, 40));
    b.relief(x, y, w, h, rgb(120, 170, 180), rgb(4, 8, 12));
    b.rechteck(x + 1, y + 1, w - 2, 30, rgb(24, 60, 76));
    b.mitte(x + w / 2, y + 8, "DORVIN", rgb(250, 210, 60), 2);
    b.mitte(x + w / 2, y + 48, "NOCH KEIN SPIEL GESTARTET", rgb(230, 236, 240));
    b.mitte(x + w / 2, y + 66, "NEUES SPIEL ODER", rgb(170, 196, 206));
    b.mitte(x + w / 2, y + 80, "SPIELSTAND LADEN", rgb(170, 196, 206));
    return b;
}

Bild briefkasten(int32_t w, int32_t h, bool voll)
{
    Bild b(w, h, true, 0);
    if (voll) {
        b.rechteck(6, 2, 22, 12, rgb(245, 245, 235));
        b.rahmen(6, 2, 22, 12, rgb(90, 90, 90));
        for (int32_t k = 0; k < 6; ++k) b.setzen(7 + 2 * k, 3 + k, rgb(90, 90, 90)), b.setzen(26 - 2 * k, 3 + k, rgb(90, 90, 90));
    }
    b.rechteck(4, 10, 28, h - 12, rgb(30, 90, 170));
    b.relief(4, 10, 28, h - 12, rgb(120, 170, 230), rgb(10, 30, 70));
    b.rechteck(8, 14, 20, 3, rgb(10, 30, 70));
    b.rechteck(32, 20, 2, h - 20, rgb(90, 90, 90));
    if (voll) b.rechteck(33, 8, 6, 5, rgb(220, 40, 40)), b.rechteck(33, 8, 1, 12, rgb(90, 90, 90));
    else b.rechteck(33, 20, 6, 4, rgb(160, 60, 60));
    return b;
}

Bild karte(int32_t w, int32_t h, int32_t art)
{
    Bild b(w, h, true, 0);
    uint16_t gelb = rgb(250, 214, 40), rot = rgb(214, 30, 30);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            bool ecke = (x == 0 || x == w - 1) && (y == 0 || y == h - 1);
            if (ecke) continue;
            uint16_t c = art == 0 ? gelb : art == 2 ? rot : (x + y < (w + h) / 2 ? gelb : rot);
            b.setzen(x, y, c);
        }
    return b;
}

Bild namenszeichen(int32_t w, int32_t h, int32_t slave)
{
    Bild b(w, h, true, 0);
    if (slave == 50) {  // conference: a small screen of four pictures
        b.rechteck(1, 0, 12, 9, rgb(40, 40, 48));
        for (int k = 0; k < 4; ++k) b.rechteck(2 + (k % 2) * 6, 1 + (k / 2) * 4, 4, 3, rgb(90, 160, 230));
    } else if (slave == 51) {  // live camera
        b.rechteck(1, 2, 9, 7, rgb(50, 50, 56));
        b.scheibe(5.5, 5.5, 2, rgb(220, 40, 40));
        b.rechteck(10, 3, 3, 5, rgb(50, 50, 56));
    } else if (slave == 55) {  // watched: an eye
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x) {
                double dx = (x + 0.5 - w / 2.0) / (w / 2.0), dy = (y + 0.5 - h / 2.0) / (h / 2.4);
                if (dx * dx + dy * dy <= 1) b.setzen(x, y, rgb(240, 240, 230));
            }
        b.scheibe(w / 2.0, h / 2.0, 2.4, rgb(40, 110, 60));
        b.scheibe(w / 2.0, h / 2.0, 1, rgb(8, 8, 8));
    }
    return b;  // 52: nothing to see, only the room
}

Bild wippe(int32_t w, int32_t h, int32_t zone)
{
    Bild b(w, h, true, 0);
    b.scheibe(w / 2.0, h / 2.0, w / 2.0, rgb(40, 44, 50));
    b.ring(w / 2.0, h / 2.0, w / 2.0, 1, rgb(10, 10, 12));
    uint16_t hell = rgb(250, 250, 250);
    b.rechteck(2, h / 2, w - 4, 1, hell);
    if (zone >= 3) b.rechteck(w / 2, 2, 1, h - 4, hell);
    return b;
}

// An attribute's symbol: its two-letter short name on a plate in the colour of its group
// (condition red, intelligence blue, technique green, the hidden ones orange, the goalkeeper's
// yellow, the rest grey), so that it reads at 12 x 12 and beside its neighbours in a column.
// Indexes as the attribute table of the player screens lays them out.
Bild attribut(int32_t w, int32_t h, int32_t index)
{
    static const char* const KURZ[28] = {"AG", "AR", "AU", "DR", "EC", "ER", "FL", "FS", "KB", "KR",
                                         "NS", "SP", "TV", "TG", "TI", "TS", "UE", "VT", "RO", "ZK",
                                         "EL", "RF", "HL", "SR", "GR", "AL", "ES", "FO"};
    enum { KON, INT, TEC, VER, TOR, SON };
    static const int8_t GRUPPE[28] = {VER, VER, KON, TEC, VER, VER, VER, VER, VER, KON, VER, TEC, INT, INT,
                                      VER, TEC, INT, VER, VER, KON, VER, TOR, TOR, TOR, SON, SON, SON, SON};
    static const uint16_t GRUND[6] = {rgb(190, 36, 36), rgb(28, 84, 190), rgb(30, 130, 50),
                                      rgb(196, 110, 20), rgb(240, 200, 40), rgb(96, 96, 110)};
    const int32_t i = std::clamp(index, 0, 27);
    const int g = GRUPPE[i];
    Bild b(w, h, true, 0);
    b.rechteck(1, 0, w - 2, h, GRUND[g]);
    b.rechteck(0, 1, w, h - 2, GRUND[g]);
    b.relief(1, 1, w - 2, h - 2, rgb(250, 250, 250), rgb(20, 20, 20));
    const uint16_t tinte = g == TOR ? rgb(20, 20, 20) : rgb(255, 255, 255);
    b.schrift(w / 2 - text_breite(KURZ[i], 1) / 2, (h - 7) / 2, KURZ[i], tinte);
    return b;
}

// The quick-sort control's face (slaves 162, 163 off; 164, 165 on): a lightning bolt, and an
// arrowhead toward the list it sorts (162/164 the left list, 163/165 the right ones).
Bild schnellsortierung(int32_t w, int32_t h, int32_t slave)
{
    const bool an = slave >= 164, rechts = slave == 163 || slave == 165;
    Bild b(w, h, false, an ? rgb(230, 140, 20) : rgb(40, 48, 60));
    b.relief(0, 0, w, h, rgb(200, 210, 220), rgb(8, 10, 14));
    const uint16_t blitz = an ? rgb(255, 255, 255) : rgb(250, 214, 40);
    // the bolt: down to the right, a step back, down to the right again
    const int32_t mx = w / 2;
    for (int32_t k = 0; k < h / 2 - 1; ++k) b.rechteck(mx - 1 + k / 2, 2 + k, 2, 1, blitz);
    b.rechteck(mx - 2, h / 2, 4, 1, blitz);
    for (int32_t k = 0; k < h / 2 - 2; ++k) b.rechteck(mx - 1 + k / 2, h / 2 + 1 + k, 2, 1, blitz);
    const int32_t sx = rechts ? w - 4 : 3, r = rechts ? 1 : -1;
    for (int32_t d = 0; d < 3; ++d) b.rechteck(sx + r * d, h / 2 - 2 + d, 1, 5 - 2 * d, rgb(240, 240, 240));
    return b;
}

Bild rahmen(int32_t w, int32_t h)
{
    Bild b(w, h, true, 0);
    b.rahmen(0, 0, w, h, rgb(190, 210, 220));
    b.rahmen(1, 1, w - 2, h - 2, rgb(30, 50, 60));
    b.px[0] = b.px[size_t(w) - 1] = b.px[size_t(h - 1) * w] = b.px[size_t(h) * w - 1] = 0;
    return b;
}

Bild flaeche(int32_t w, int32_t h, int32_t slave)
{
    static const int basis[8][3] = {{46, 125, 50}, {21, 101, 192}, {150, 50, 50}, {200, 110, 20},
                                    {106, 27, 154}, {0, 121, 133}, {160, 130, 20}, {93, 64, 55}};
    const int* c = basis[slave % 8];
    Bild b(w, h, false, rgb(c[0], c[1], c[2]));
    b.relief(0, 0, w, h, rgb(std::min(255, c[0] + 90), std::min(255, c[1] + 90), std::min(255, c[2] + 90)),
             rgb(c[0] / 3, c[1] / 3, c[2] / 3));
    std::string t = "BILD " + std::to_string(slave);
    if (text_breite(t, 1) > w - 4) t = std::to_string(slave);
    b.mitte(w / 2, (h - 7) / 2, t, rgb(250, 250, 250));
    return b;
}

Bild slave_bild(int32_t n, int32_t w, int32_t h)
{
    if (n == 48 || n == 49) return briefkasten(w, h, n == 48);
    if (n == 53) return vor_dem_spiel();
    if (n >= 57 && n <= 59) return karte(w, h, n - 57);
    if (n == 50 || n == 51 || n == 52 || n == 55) return namenszeichen(w, h, n);
    if (n >= 170 && n <= 175) return wippe(w, h, n - 170);
    if (n == 358) {
        Bild b(w, h, false, rgb(40, 54, 64));
        b.rechteck(0, 0, w, 1, rgb(120, 146, 156));
        return b;
    }
    if (n == 359) {
        Bild b(w, h, true, 0);
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x) {
                int32_t d = std::abs(x - w / 2) + std::abs(y - h / 2);
                if (d <= w / 2) b.setzen(x, y, d == w / 2 ? rgb(20, 20, 20) : rgb(250, 250, 250));
            }
        return b;
    }
    if (n >= 368 && n <= 395) return attribut(w, h, n - 368);
    if (n >= 162 && n <= 165) return schnellsortierung(w, h, n);
    if ((n >= 411 && n <= 435) || n == 445) return rahmen(w, h);
    if (n == 437) {
        Bild b(w, h, true, 0);
        b.rechteck(w / 2 - 1, 1, 2, h - 2, rgb(220, 200, 80));
        return b;
    }
    if (n >= 396 && n <= 399) {  // strength bar: segments leave their third column open
        Bild b(w, h, true, 0);
        if (n >= 398) b.rechteck(0, 0, w, h, rgb(190, 190, 190));
        else b.rechteck(0, 1, w - 1, h - 2, n == 396 ? rgb(40, 220, 40) : rgb(40, 80, 40));
        return b;
    }
    if (n == 439) {
        Bild b(w, h, true, 0);
        b.scheibe(w / 2.0, h / 2.0, w / 2.0, rgb(250, 220, 60));
        return b;
    }
    return flaeche(w, h, n);
}

}  // namespace

// A requester button: a rounded face with a bevel and its word; the inactive face is flat
// and grey, the pressed one sunk.
Bild requester_knopf(int32_t w, int32_t h, int32_t art)
{
    static const char* const worte[5] = {"JA", "NEIN", "OK", "", ""};
    Bild b(w, h, true, 0);
    const bool inaktiv = art == 3, gedrueckt = art == 4;
    const uint16_t grund = inaktiv ? rgb(70, 78, 86) : gedrueckt ? rgb(24, 70, 120) : rgb(36, 96, 160);
    b.rechteck(1, 0, w - 2, h, grund);
    b.rechteck(0, 1, w, h - 2, grund);
    if (!inaktiv) {
        if (gedrueckt) b.relief(1, 1, w - 2, h - 2, rgb(12, 30, 60), rgb(110, 160, 220));
        else b.relief(1, 1, w - 2, h - 2, rgb(150, 200, 250), rgb(12, 40, 80));
    }
    if (*worte[art]) b.mitte(w / 2 + (gedrueckt ? 1 : 0), (h - 7) / 2 + (gedrueckt ? 1 : 0), worte[art], rgb(250, 250, 250));
    return b;
}

// The icon marks before a help text: a small yellow question mark in a ring.
Bild hilfe_marken(int32_t w, int32_t h)
{
    Bild b(w, h, true, 0);
    b.scheibe(w / 2.0, h / 2.0, h / 2.0 - 0.2, rgb(40, 40, 40));
    b.ring(w / 2.0, h / 2.0, h / 2.0 - 0.2, 1.2, rgb(250, 210, 40));
    static const uint8_t frage[7] = {14, 17, 1, 2, 4, 0, 4};
    for (int r = 0; r < 7; ++r)
        for (int k = 0; k < 5; ++k)
            if (frage[r] & (16 >> k)) b.setzen(w / 2 - 2 + k, (h - 7) / 2 + r, rgb(250, 210, 40));
    return b;
}

// The start menu's background, also shown darkened behind the match screens: a floodlit
// stadium at night, stands under the sky and the pitch in front.
Bild spiel_hintergrund()
{
    Bild b(640, 480, false, rgb(8, 12, 28));
    for (int32_t y = 0; y < 200; ++y) b.rechteck(0, y, 640, 1, rgb(8 + y / 10, 12 + y / 8, 28 + y / 5));
    // Floodlight masts with their lamp banks.
    for (int32_t x : {70, 570}) {
        b.rechteck(x - 2, 40, 4, 160, rgb(60, 66, 80));
        b.rechteck(x - 22, 30, 44, 14, rgb(70, 76, 90));
        for (int32_t k = 0; k < 4; ++k) b.rechteck(x - 19 + k * 10, 33, 8, 8, rgb(255, 250, 210));
    }
    // Stands in rows, darker towards the top.
    for (int32_t r = 0; r < 10; ++r) {
        const int32_t y = 130 + r * 9;
        b.rechteck(0, y, 640, 8, rgb(40 + r * 6, 44 + r * 6, 60 + r * 6));
        for (int32_t x = (r % 2) * 5; x < 640; x += 10) b.rechteck(x, y + 2, 3, 3, rgb(150 + (x * 7 + r * 31) % 90, 60, 60));
    }
    b.rechteck(0, 220, 640, 4, rgb(20, 24, 30));
    // The pitch: stripes, the halfway line and the centre circle in perspective.
    for (int32_t y = 224; y < 480; ++y) {
        const bool hell = ((y - 224) / 32) % 2 == 0;
        b.rechteck(0, y, 640, 1, hell ? rgb(40, 120, 48) : rgb(34, 106, 42));
    }
    const uint16_t linie = rgb(220, 236, 220);
    b.rechteck(0, 236, 640, 2, linie);
    b.rechteck(319, 236, 2, 244, linie);
    for (int32_t y = 0; y < 480; ++y)
        for (int32_t x = 0; x < 640; ++x) {
            const double dx = (x + 0.5 - 320) / 150.0, dy = (y + 0.5 - 340) / 62.0;
            const double d = dx * dx + dy * dy;
            if (d <= 1.0 && d >= 0.93 && y > 238) b.setzen(x, y, linie);
        }
    return b;
}

// The title: the game's name in large letters on a framed plaque, a ball beside it. It is
// drawn solid, so the plaque fills the whole picture.
Bild titel(int32_t w, int32_t h)
{
    Bild b(w, h, false, rgb(14, 22, 44));
    for (int32_t y = 0; y < h; ++y) b.rechteck(0, y, w, 1, rgb(14 + y / 4, 22 + y / 4, 44 + y / 3));
    b.relief(0, 0, w, h, rgb(150, 170, 210), rgb(4, 6, 14));
    b.scheibe(30, h / 2.0, 24, rgb(245, 245, 245));
    b.ring(30, h / 2.0, 24, 1.5, rgb(20, 20, 20));
    for (auto [cx, cy] : {std::pair{30.0, h / 2.0}, {18.0, h / 2.0 - 12}, {42.0, h / 2.0 + 12}, {16.0, h / 2.0 + 14}})
        b.scheibe(cx, cy, 6, rgb(20, 20, 20));
    const std::string name = "DORVIN";
    b.schrift(68, 8, name, rgb(6, 10, 20), 6);
    b.schrift(65, 5, name, rgb(250, 210, 60), 6);
    b.schrift(67, h - 13, "ZIDURIDA VOZOZOR", rgb(200, 220, 235), 1);
    return b;
}

// An entry face of the start menu without text: a rounded dark plate with a bevel.
Bild intro_knopf(int32_t w, int32_t h)
{
    Bild b(w, h, true, 0);
    b.rechteck(2, 0, w - 4, h, rgb(18, 40, 78));
    b.rechteck(0, 2, w, h - 4, rgb(18, 40, 78));
    b.rechteck(1, 1, w - 2, h - 2, rgb(18, 40, 78));
    b.rechteck(2, 1, w - 4, 1, rgb(120, 160, 220));
    b.rechteck(1, 2, 1, h - 4, rgb(120, 160, 220));
    b.rechteck(2, h - 2, w - 4, 1, rgb(6, 12, 26));
    b.rechteck(w - 2, 2, 1, h - 4, rgb(6, 12, 26));
    b.rechteck(4, 3, w - 8, h / 2 - 3, rgb(28, 58, 104));
    return b;
}

// A dark sky over a faint pitch, shared by the title and the credits.
Bild buehne()
{
    Bild b(640, 480, false, rgb(6, 14, 30));
    for (int32_t y = 0; y < 480; ++y) b.rechteck(0, y, 640, 1, rgb(6 + y / 24, 14 + y / 12, 30 + y / 16));
    const uint16_t linie = rgb(40, 90, 80);
    b.rahmen(60, 300, 520, 160, linie);
    b.rechteck(320, 300, 1, 160, linie);
    b.ring(320.5, 380.5, 44, 1.2, linie);
    return b;
}

// The title picture: the program's version is printed over its top left corner.
Bild titelbild()
{
    Bild b = buehne();
    b.mitte(320, 110, "DORVIN", rgb(250, 210, 60), 10);
    b.mitte(320, 200, "FUSSBALL-MANAGER", rgb(230, 236, 240), 3);
    b.scheibe(320, 380, 22, rgb(240, 240, 240));
    for (int k = 0; k < 5; ++k) b.scheibe(320 + 11 * std::cos(k * 1.2566), 380 + 11 * std::sin(k * 1.2566), 4.5, rgb(20, 20, 20));
    b.scheibe(320, 380, 5, rgb(20, 20, 20));
    return b;
}

Bild credits()
{
    Bild b = buehne();
    b.mitte(320, 50, "DORVIN", rgb(250, 210, 60), 5);
    const char* zeilen[] = {"EIN SPIEL DER DORVIN-MANNSCHAFT", "", "PROGRAMM - GRAFIK - KLANG - DATEN",
                            "ENTSTEHEN VOLLSTAENDIG IM EIGENEN HAUS.", "", "ALLE VEREINE - SPIELER UND LIGEN",
                            "SIND FREI ERFUNDEN.", "", "DANKE FUERS SPIELEN!"};
    int32_t y = 120;
    for (const char* z : zeilen) {
        b.mitte(320, y, z, rgb(220, 230, 236), 2);
        y += 24;
    }
    b.mitte(320, 456, "MAUSTASTE - WEITER", rgb(150, 180, 190));
    return b;
}

static std::vector<Wettbewerbsende_Bild> wettbewerbsende_bilder;

// The name in the capitals of the picture font; umlauts (Windows-1252) written out.
static std::string grossschrift(const std::string& name)
{
    std::string t;
    for (char c : name) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u == 0xC4 || u == 0xE4) t += "AE";
        else if (u == 0xD6 || u == 0xF6) t += "OE";
        else if (u == 0xDC || u == 0xFC) t += "UE";
        else if (u == 0xDF) t += "SS";
        else if (u < 0x80) t += char(std::toupper(u));
        else t += ' ';
    }
    return t;
}

// The end of a competition (GRAFIK_NUMMER n): a pennant for a league, a trophy for a cup, the
// competition's name below; title (y 20-80) and bottom line (y 455-475) stand on a calm ground.
Bild wettbewerbsende(int32_t n)
{
    static const char* const NAMEN[] = {"LIGA", "POKAL", "MEISTERPOKAL", "POKALSIEGERPOKAL", "KONTINENTALPOKAL"};
    static const uint16_t FARBEN[] = {rgb(40, 120, 70), rgb(150, 40, 40), rgb(30, 60, 150), rgb(120, 60, 140),
                                      rgb(30, 120, 130), rgb(170, 110, 30), rgb(90, 90, 100)};
    const bool eigenes = size_t(n) < wettbewerbsende_bilder.size();
    const bool liga = eigenes ? wettbewerbsende_bilder[size_t(n)].liga : n == 0;
    const std::string name = eigenes ? grossschrift(wettbewerbsende_bilder[size_t(n)].name) : NAMEN[n % 5];
    Bild b(640, 480, false, rgb(8, 18, 32));
    const uint16_t gold = rgb(240, 196, 60), farbe = FARBEN[n % 7];
    b.rechteck(0, 100, 640, 330, rgb(12, 26, 44));
    if (liga) {
        b.rechteck(200, 130, 6, 260, gold);
        for (int32_t y = 0; y < 120; ++y) b.rechteck(206, 140 + y, 220 - (y < 60 ? 60 - y : y - 60) * 3, 1, farbe);
    } else {
        b.scheibe(320, 200, 80, gold);
        b.scheibe(320, 185, 62, farbe);
        b.rechteck(308, 270, 24, 70, gold);
        b.rechteck(260, 340, 120, 20, gold);
        b.ring(230, 190, 30, 6, gold);
        b.ring(410, 190, 30, 6, gold);
    }
    // Long names in a smaller size, so that they fit the picture.
    int s = 3;
    while (s > 1 && text_breite(name, s) > 600) --s;
    b.mitte(320, 400, name, rgb(230, 236, 240), s);
    return b;
}

// The buttons of the sub-menu bar (icons 2502-2506) under the league group: the tables, the team
// comparison, the fixtures; the last two open no screen.
Bild leisten_knopf(int32_t w, int32_t h, int32_t k)
{
    static const char* const TEXTE[5] = {"TABELLEN", "VERGLEICH", "SPIELPLAN", "", ""};
    Bild b(w, h, false, rgb(24, 60, 76));
    b.relief(0, 0, w, h, rgb(120, 170, 180), rgb(4, 8, 12));
    b.mitte(w / 2, (h - 7) / 2, TEXTE[k % 5], rgb(240, 240, 240));
    return b;
}

// The start screen of the competitions: a cup on a dark panel.
Bild pokal(int32_t w, int32_t h)
{
    Bild b(w, h, false, rgb(12, 28, 40));
    b.relief(0, 0, w, h, rgb(120, 170, 180), rgb(4, 8, 12));
    const uint16_t gold = rgb(240, 196, 60);
    b.scheibe(w / 2.0, h * 0.35, h * 0.2, gold);
    b.rechteck(w / 2 - 4, int32_t(h * 0.5), 8, int32_t(h * 0.2), gold);
    b.rechteck(w / 2 - 20, int32_t(h * 0.7), 40, 6, gold);
    b.ring(w / 2.0 - h * 0.2, h * 0.33, h * 0.08, 2, gold);
    b.ring(w / 2.0 + h * 0.2, h * 0.33, h * 0.08, 2, gold);
    b.mitte(w / 2, h - 18, "WETTBEWERBE", rgb(230, 236, 240));
    return b;
}

// A round-cornered button face with a lit rim.
Bild knopf_grund(int32_t w, int32_t h, uint16_t farbe)
{
    Bild b(w, h, true, 0);
    b.rechteck(1, 0, w - 2, h, farbe);
    b.rechteck(0, 1, w, h - 2, farbe);
    b.relief(1, 1, w - 2, h - 2, rgb(200, 220, 228), rgb(8, 12, 16));
    return b;
}

// An arrow pointing left (richtung -1) or right (1) around (cx, cy).
void pfeil(Bild& b, int32_t cx, int32_t cy, int32_t r, int richtung, uint16_t c)
{
    for (int32_t d = 0; d <= r; ++d) b.rechteck(cx + richtung * (d - r / 2), cy - (r - d), 1, 2 * (r - d) + 1, c);
}

Bild stehend(int32_t nummer, int32_t w, int32_t h)
{
    // The menu, then the groups 704-707: staff, club (finances, stadium, sponsors), league, team.
    static const char* const GRUPPEN[5] = {"MENUE", "STAB", "VEREIN", "LIGA", "TEAM"};
    static const uint16_t FARBEN[5] = {rgb(40, 80, 96), rgb(30, 120, 50), rgb(40, 70, 170), rgb(170, 120, 30), rgb(140, 50, 120)};
    const int32_t k = nummer - MENUE_BILD_STEHEND;
    if (k < 5) {
        Bild b = knopf_grund(w, h, FARBEN[k]);
        b.scheibe(w / 2.0, 14, 7, rgb(230, 236, 240));
        b.scheibe(w / 2.0, 14, 4, FARBEN[k]);
        b.mitte(w / 2, h - 13, GRUPPEN[k], rgb(240, 240, 240));
        return b;
    }
    if (k == 5 || k == 6) {
        Bild b = knopf_grund(w, h, rgb(40, 80, 96));
        pfeil(b, w / 2, h / 2, 6, k == 5 ? -1 : 1, rgb(250, 210, 60));
        return b;
    }
    if (k == 7) {
        Bild b = knopf_grund(w, h, rgb(30, 120, 50));
        pfeil(b, w / 2, 18, 10, 1, rgb(250, 250, 250));
        b.mitte(w / 2, h - 13, "WEITER", rgb(240, 240, 240));
        return b;
    }
    Bild b = knopf_grund(w, h, rgb(40, 80, 96));
    b.mitte(w / 2, (h - 7) / 2, "CHAT", rgb(240, 240, 240));
    return b;
}

// The table's change arrows, 8 pixels wide: 0 down by 3 or more, 1 down by 1 or 2, 2 level,
// 3 up by 1 or 2, 4 up by 3 or more.
Bild tabellen_pfeil(int32_t w, int32_t h, int32_t art)
{
    Bild b(w, h, true, 0);
    if (art == 2) {
        b.rechteck(0, h / 2 - 1, w, 3, rgb(210, 210, 120));
        return b;
    }
    const bool hoch = art > 2, gross = art == 0 || art == 4;
    const uint16_t c = hoch ? rgb(80, 220, 90) : rgb(230, 70, 60);
    const int32_t spitze = gross ? 0 : h / 4, lang = gross ? h : h - h / 4;
    for (int32_t d = 0; d < w / 2; ++d) {
        const int32_t y = hoch ? spitze + d : h - 1 - spitze - d;
        b.rechteck(w / 2 - 1 - d, y, 2 * d + 2, 1, c);
    }
    const int32_t schaft = lang - spitze - w / 2;
    b.rechteck(w / 2 - 1, hoch ? spitze + w / 2 : h - spitze - w / 2 - schaft, 2, schaft, c);
    return b;
}

// The team of the day's ground: a pitch from above with the eleven places of a 1-3-4-3.
Bild elf_des_tages()
{
    Bild b(640, 480, false, rgb(22, 86, 34));
    for (int32_t y = 0; y < 480; y += 60) b.rechteck(0, y, 640, 30, rgb(26, 96, 40));
    const uint16_t linie = rgb(200, 230, 200);
    b.rahmen(20, 70, 600, 400, linie);
    b.rechteck(20, 270, 600, 1, linie);
    b.ring(320, 270.5, 50, 1.2, linie);
    b.rahmen(180, 70, 280, 70, linie);
    b.rahmen(260, 70, 120, 26, linie);
    b.rahmen(180, 400, 280, 70, linie);
    b.rechteck(0, 0, 640, 66, rgb(10, 30, 16));
    static const int32_t PLAETZE[11][2] = {{276, 94},  {134, 190}, {276, 190}, {418, 190}, {54, 286}, {198, 286},
                                          {342, 286}, {486, 286}, {134, 382}, {276, 382}, {418, 382}};
    for (const auto& p : PLAETZE) b.scheibe(p[0] + 20, p[1] + 24, 30, rgb(30, 110, 46));
    return b;
}

// The full-screen ground of the report pages: a stadium board with a dark panel to write on.
Bild stadiontafel()
{
    Bild b(640, 480, false, rgb(14, 20, 30));
    for (int32_t y = 0; y < 90; ++y) b.rechteck(0, y, 640, 1, rgb(20 + y / 6, 28 + y / 5, 44 + y / 4));
    for (int32_t x = 12; x < 640; x += 24) b.scheibe(x, 12, 3, rgb(250, 240, 190));
    b.relief(24, 24, 592, 432, rgb(120, 130, 150), rgb(4, 6, 10));
    b.rechteck(26, 26, 588, 428, rgb(18, 26, 38));
    for (int32_t y = 90; y < 452; y += 32) b.rechteck(28, y, 584, 16, rgb(22, 32, 46));
    b.rechteck(0, 456, 640, 24, rgb(24, 70, 36));
    return b;
}

// A competition's badge: a pennant for a league, a cup for a cup, its short name below.
Bild wettbewerb_abzeichen(int32_t w, int32_t h, int32_t n)
{
    const bool eigenes = size_t(n) < wettbewerbsende_bilder.size();
    const bool liga = eigenes ? wettbewerbsende_bilder[size_t(n)].liga : n % 2 == 0;
    std::string name = eigenes ? grossschrift(wettbewerbsende_bilder[size_t(n)].name) : (liga ? "LIGA" : "POKAL");
    std::string kurz;
    for (size_t i = 0; i < name.size() && kurz.size() < 4; ++i)
        if (name[i] != ' ' && (i == 0 || name[i - 1] == ' ')) kurz += name[i];
    // One word: whole where the badge holds it (six letters), else its first five ("POKA" read
    // as a word of its own).
    if (kurz.size() < 2) kurz = name.size() <= 6 ? name : name.substr(0, 5);
    Bild b(w, h, true, 0);
    const uint16_t gold = rgb(240, 196, 60), grund = liga ? rgb(40, 120, 70) : rgb(150, 40, 40);
    b.scheibe(w / 2.0, h / 2.0 - 4, w / 2.0 - 2, grund);
    b.ring(w / 2.0, h / 2.0 - 4, w / 2.0 - 2, 2, gold);
    if (liga) {
        for (int32_t y = 0; y < 12; ++y) b.rechteck(w / 2 - 6, h / 2 - 16 + y, 14 - (y < 6 ? 6 - y : y - 6) * 2, 1, gold);
    } else {
        b.scheibe(w / 2.0, h / 2.0 - 12, 6, gold);
        b.rechteck(w / 2 - 1, h / 2 - 8, 3, 6, gold);
    }
    b.mitte(w / 2, h - 12, kurz, rgb(240, 240, 240));
    return b;
}

bool Menue_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild)
{
    if (std::strcmp(e.datei, "resf_scr.res") == 0) {
        if (e.nummer >= MENUE_BILD_PFEILE && e.nummer < MENUE_BILD_PFEILE + 5) {
            bild = tabellen_pfeil(e.width, e.height, e.nummer - MENUE_BILD_PFEILE).fertig(e.nummer);
            return true;
        }
        if (e.nummer == MENUE_BILD_ELF_DES_TAGES || e.nummer == MENUE_BILD_STADIONTAFEL) {
            bild = (e.nummer == MENUE_BILD_STADIONTAFEL ? stadiontafel() : elf_des_tages()).fertig(e.nummer);
            return true;
        }
        if (e.nummer >= MENUE_BILD_WETTBEWERBE && e.nummer < MENUE_BILD_WETTBEWERBE + MANIFEST_WETTBEWERBE) {
            bild = wettbewerb_abzeichen(e.width, e.height, e.nummer - MENUE_BILD_WETTBEWERBE).fertig(e.nummer);
            return true;
        }
    }
    if (std::strcmp(e.datei, "resf_scr.res") != 0) return false;
    if (e.nummer >= 3687 && e.nummer <= 3690) {
        bild = intro_knopf(e.width, e.height).fertig(e.nummer);
        return true;
    }
    if (e.nummer == 3691) {
        bild = spiel_hintergrund().fertig(e.nummer);
        return true;
    }
    if (e.nummer >= 3695 && e.nummer < 3695 + MANIFEST_WETTBEWERBSENDE) {
        bild = wettbewerbsende(e.nummer - 3695).fertig(e.nummer);
        return true;
    }
    if (e.nummer == 3692) {
        bild = titel(e.width, e.height).fertig(e.nummer);
        return true;
    }
    if (e.nummer >= 1043 && e.nummer <= 1047) {
        bild = requester_knopf(e.width, e.height, e.nummer - 1043).fertig(e.nummer);
        return true;
    }
    if (e.nummer == 489) {
        bild = hilfe_marken(e.width, e.height).fertig(e.nummer);
        return true;
    }
    if (e.nummer >= MENUE_BILD_STEHEND && e.nummer <= MENUE_BILD_STEHEND_ENDE) {
        bild = stehend(e.nummer, e.width, e.height).fertig(e.nummer);
        return true;
    }
    if (e.nummer == 450) {
        bild = pokal(e.width, e.height).fertig(e.nummer);
        return true;
    }
    if (e.nummer == MENUE_BILD_TITEL || e.nummer == MENUE_BILD_CREDITS) {
        bild = (e.nummer == MENUE_BILD_TITEL ? titelbild() : credits()).fertig(e.nummer);
        return true;
    }
    if (e.nummer >= MENUE_BILD_LEISTE && e.nummer < MENUE_BILD_LEISTE + 5) {
        bild = leisten_knopf(e.width, e.height, e.nummer - MENUE_BILD_LEISTE).fertig(e.nummer);
        return true;
    }
    if (e.nummer == MENUE_BILD_HINTERGRUND) {
        bild = hintergrund().fertig(e.nummer);
        return true;
    }
    int32_t slave = e.nummer - MENUE_SLAVE_BILD_BASIS;
    const Slave_Rastport* d = Menue_Slave_Beschreibung(slave);
    if (!d || d->code != MENUE_RESSOURCE_CODE + e.nummer) return false;
    bild = slave_bild(slave, e.width, e.height).fertig(e.nummer);
    return true;
}

void Menue_Wettbewerbsende_Setzen(std::vector<Wettbewerbsende_Bild> bilder) { wettbewerbsende_bilder = std::move(bilder); }
