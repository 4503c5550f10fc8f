// The stadium of a view window: stands and benches painted into the background picture once per
// set-up, the crowd placed from the record's view seed and stepped and drawn every frame, the
// advertising boards along the lines.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <emmintrin.h>
#include <immintrin.h>
#include <iterator>
#include <vector>

#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_sprite.h"
#include "match/spielfeld.h"
#include "matchview/live/spielszenen_live.h"
#include "match/pitch/spielfeld_daten.h"
#include "match/pitch/spielfeld_objekt.h"
#include "matchview/live/spielszenen_szenerie.h"
#include "platform/resfile.h"

namespace {

constexpr float L = 108.0f, W = 68.06f;
constexpr int32_t BILD_B = SZ_BILD_BREITE;

struct Szenerie {
    Spielszenen_Zuschauer zuschauer[SZ_ZUSCHAUER_MAX];
    int32_t anzahl = 0;
    int32_t erste[SZ_BLOECKE] = {}, ende[SZ_BLOECKE] = {};
    int32_t art[SZ_BLOECKE] = {};
    int32_t tribuene[SZ_ABSCHNITTE] = {-1, -1, -1, -1, -1, -1};
    uint16_t farben[8][256];
    bool farben_fertig = false;
    uint32_t farben_stand = 0;  // counts the tables' fillings (0 none yet)
    // Per block the fans that may still step, in their order: a fan on a row that neither
    // animates nor starts anything new keeps it for good, and leaves the list at its next pass.
    // A list holds while the crowd's placing and the rows' steps are those it was made from.
    std::vector<uint16_t> schritte[SZ_BLOECKE];
    uint32_t schritte_stand[SZ_BLOECKE] = {};
    int32_t kasten[SZ_BLOECKE][4] = {};  // the block's fans' places: least x and y, greatest x and y
    uint32_t stand = 1;  // counts the changes of the placing and of the rows' steps
    bool bewegt[SZ_ZUSCHAUER_REIHEN] = {};
};
Szenerie szenerie[SPIELSZENEN_FENSTER];

int32_t fenster_index(const Spielszenen_Fenster* f)
{
    const int32_t i = int32_t(f - Spielszenen_Fenster_Liste);
    return i >= 0 && i < SPIELSZENEN_FENSTER ? i : 0;
}
Szenerie& von(const Spielszenen_Fenster* f) { return szenerie[fenster_index(f)]; }

// The page the view draws on; what it draws there goes partly straight into the pixels.
Rastport* seite()
{
    Rastport* s = Grafik_Seite_1 ? Grafik_Seite_1 : Grafik_Render_Ziel;
    Grafik_Seite_Beschrieben(s);
    return s;
}

// The section's line: from (x0, y0) to (x1, y1) in metres, the outward step of a row and its rise.
struct Abschnitt_Linie {
    float x0, y0, x1, y1, aus_x, aus_y, steigung;
    int32_t blick;
};
constexpr float ABSTAND = 5.0f, REIHE = 0.8f, SITZ = 0.6f;
constexpr Abschnitt_Linie LINIE[SZ_ABSCHNITTE] = {
    {-ABSTAND, -4.0f, -ABSTAND, W + 4.0f, -REIHE, 0, 0.5f, 1},        // behind the home goal
    {-2.0f, -ABSTAND, L + 2.0f, -ABSTAND, 0, -REIHE, 0.5f, 0},       // far touchline
    {L + ABSTAND, -4.0f, L + ABSTAND, W + 4.0f, REIHE, 0, 0.0f, 2},   // behind the away goal
    {-4.0f, W + ABSTAND, 36.0f, W + ABSTAND, 0, REIHE, 0.0f, 3},     // near touchline, three parts
    {36.0f, W + ABSTAND, 72.0f, W + ABSTAND, 0, REIHE, 0.0f, 3},
    {72.0f, W + ABSTAND, L + 4.0f, W + ABSTAND, 0, REIHE, 0.0f, 3},
};

// Per depth section: the stand blocks and board places of each pass (normal, mirrored)
struct Teil {
    int8_t bloecke[2][3], banden[2][3];
};
constexpr Teil ERSTER[SZ_ABSCHNITTE] = {
    {{{0, 1, -1}, {16, 17, -1}}, {{0, 1, -1}, {16, 17, -1}}}, {{{2, 3, -1}, {14, 15, -1}}, {{2, 3, -1}, {14, 15, -1}}},
    {{{-1, -1, -1}, {13, -1, -1}}, {{5, 4, -1}, {12, 13, -1}}}, {{{6, -1, -1}, {23, -1, -1}}, {{6, 7, -1}, {23, -1, -1}}},
    {{{-1, -1, -1}, {-1, -1, -1}}, {{8, 9, -1}, {20, 21, -1}}}, {{{-1, -1, -1}, {-1, -1, -1}}, {{10, 11, -1}, {18, 19, -1}}}};
constexpr int8_t ZWEITER[SZ_ABSCHNITTE][2][2] = {{{-1, -1}, {-1, -1}}, {{-1, -1}, {-1, -1}}, {{4, 5}, {12, -1}},
                                                        {{7, -1}, {22, -1}},   {{8, 9}, {20, 21}},   {{10, 11}, {18, 19}}};

int32_t gross(float v) { return int32_t(std::lround(v)); }

// Whether a full-size picture box (x0 .. x1, y0 .. y1, inclusive) meets one of the dugouts of the
// orientation: no fan sits in front of them and no board stands before them.
bool an_der_bank(bool gespiegelt, int32_t x0, int32_t y0, int32_t x1, int32_t y1)
{
    for (int32_t k = 0; k < 2; ++k) {
        int32_t bx, by;
        Spielszenen_Bank_Platz(k, gespiegelt, &bx, &by);
        if (x1 >= bx && x0 < bx + SZ_BANK_BREITE && y1 >= by && y0 < by + SZ_BANK_HOEHE) return true;
    }
    return false;
}

// Per block: how its fans choose a pose from r (0-100): below `a` pose p, below `b` a random
// pose 0-5, below 100 pose q.
struct Pose_Regel {
    int32_t a, b, p, q;
};
Pose_Regel pose_regel(int32_t block)
{
    switch (block) {
    case 0: case 1: case 7: case 12: case 13: case 19: return {30, 85, 11, 7};
    case 4: case 16: return {3, 95, 10, 6};
    case 5: case 10: case 11: case 17: case 22: case 23: return {30, 85, 10, 6};
    default: return {3, 95, 11, 7};
    }
}

int32_t reihe_von(int32_t pose, int32_t art)
{
    if (art <= 2) {
        if (pose <= 5) return 12 + pose;
        if (pose <= 7) return 80 + pose - 6;
        if (pose <= 9) return 82 + pose - 8;
        return 50 + pose - 10;
    }
    if (pose <= 5) return pose;
    if (pose <= 7) return 78 + pose - 6;
    if (pose <= 9) return 82 + pose - 8;
    return 48 + pose - 10;
}

// Frames a facing of an animation row as loaded (the builder's count when the scene is not up).
int32_t bilder_von(int32_t reihe)
{
    const int32_t i = std::clamp(reihe, 0, SZ_ZUSCHAUER_REIHEN - 1);
    const int32_t n = Spielszenen_Grafik.zuschauer[i] ? Spielszenen_Grafik.zuschauer_bilder[i] / SZ_ZUSCHAUER_BLICKE : 0;
    return n > 0 ? n : Spielszenen_Zuschauer_Bilder(i);
}

// The shirt colours of the crowd (RGB).
constexpr uint8_t HEMD[8][3] = {{200, 30, 30}, {240, 240, 240}, {40, 70, 190}, {230, 200, 40},
                                {60, 60, 60},  {30, 140, 60},  {210, 110, 30}, {130, 40, 130}};

// The window's colours with a fan's shirt and scarf put in, one table per shirt colour.
void fan_farben(Spielszenen_Fenster* f, uint16_t (*t)[256])
{
    const int32_t tiefe = Grafik_Screen_Geometrie.depth == 15 ? 15 : 16;
    for (int32_t k = 0; k < 8; ++k) {
        std::memcpy(t[k], f->farben, sizeof f->farben);
        for (int32_t s = 0; s < 3; ++s) {
            const int32_t m = 256 - 52 * s;
            t[k][SZ_FAN_HEMD + s] = Grafik_RGB_Zu_Pixel(tiefe, HEMD[k][0] * m / 256 + 4, HEMD[k][1] * m / 256 + 4, HEMD[k][2] * m / 256 + 4);
        }
        const uint8_t* schal = HEMD[(k + 3) % 8];
        t[k][SZ_FAN_SCHAL] = Grafik_RGB_Zu_Pixel(tiefe, schal[0] + 4, schal[1] + 4, schal[2] + 4);
    }
}

// Board pictures of werbung.res, loaded once: touchline and behind-goal sets.
Rastport* bande_bild[2][33];

Rastport* bande(int32_t id)
{
    const bool tor = id >= 79;
    const int32_t k = std::clamp(id - (tor ? 78 : 46), 0, 32);
    Rastport*& b = bande_bild[tor][k];
    if (b) return b;
    const int32_t tiefe = Grafik_Screen_Geometrie.depth == 15 ? 15 : 16;
    b = Grafik_Bitmap_Anlegen(tor ? 80 : 112, tor ? 12 : 16, tiefe);
    if (b) Load_Resource_Buffer(b, ResFile_Handles[2].handle, id, tiefe, nullptr);
    return b;
}

// A window-relative pixel of the page for a picture position at the window's size.
bool fenster_pixel(const Spielszenen_Fenster* f, const Spielfeld_Record* r, int32_t px, int32_t py, int32_t* sx, int32_t* sy)
{
    int32_t ox = r->ansicht_x, oy = r->ansicht_y;
    if (f->groesse == 1) ox = std::max(0, r->ansicht_x / 2 - 160), oy = r->ansicht_y / 2;
    if (f->groesse == 2) ox = r->ansicht_x / 2, oy = r->ansicht_y / 2;
    *sx = px - ox;
    *sy = py - oy;
    return *sx >= 0 && *sy >= 0 && *sx < f->breite && *sy < f->hoehe;
}

// Where a window's board columns go on the page: the step from picture pixels (at the window's
// size) to page pixels, and the window's part of the page.
struct Spalten_Ziel {
    uint16_t* pixel;
    size_t breite;
    int32_t dx, dy, x0, y0, x1, y1;
};

Spalten_Ziel spalten_ziel(Rastport* z, const Spielszenen_Fenster* f, const Spielfeld_Record* r)
{
    int32_t sx, sy;
    fenster_pixel(f, r, 0, 0, &sx, &sy);
    return {static_cast<uint16_t*>(z->pixels), size_t(z->width), sx + f->x, sy + f->y, std::max(f->x, 0), std::max(f->y, 0),
            std::min(f->x + f->breite, int32_t(z->width)), std::min(f->y + f->hoehe, int32_t(z->height))};
}

}  // namespace

void Spielszenen_Szene_Punkt(float x, float y, float z, float* px, float* py)
{
    const float a = x * 357.0f / 108.0f, b = (W - y) * 225.0f / W;
    *px = 4.0f * (a + b) + 33.0f;
    *py = a - b - 4.0f * z * 225.0f / W + 292.0f;
}

Spielszenen_Block Spielszenen_Block_Geometrie(int32_t block)
{
    Spielszenen_Block b{};
    const bool gespiegelt = block >= 12;
    const int32_t n = std::clamp(block, 0, SZ_BLOECKE - 1) % 12;
    const Abschnitt_Linie& l = LINIE[n / 2];
    const float laenge = std::hypot(l.x1 - l.x0, l.y1 - l.y0), ux = (l.x1 - l.x0) / laenge, uy = (l.y1 - l.y0) / laenge;
    const float halb = laenge / 2, start = n % 2 ? halb : 0.0f;
    float x0, y0, x1, y1, x2, y2;
    Spielszenen_Szene_Punkt(l.x0 + ux * start, l.y0 + uy * start, 0, &x0, &y0);
    Spielszenen_Szene_Punkt(l.x0 + ux * (start + SITZ), l.y0 + uy * (start + SITZ), 0, &x1, &y1);
    Spielszenen_Szene_Punkt(l.x0 + ux * start + l.aus_x, l.y0 + uy * start + l.aus_y, l.steigung, &x2, &y2);
    b = {x0, y0, x1 - x0, y1 - y0, x2 - x0, y2 - y0, int32_t(halb / SITZ), SZ_BLOCK_REIHEN, n / 2, l.blick};
    if (gespiegelt) {
        b.x = float(BILD_B) - b.x, b.sitz_dx = -b.sitz_dx, b.reihe_dx = -b.reihe_dx;
        if (b.blick == 1 || b.blick == 2) b.blick = 3 - b.blick;
    }
    return b;
}

Spielszenen_Bandenplatz Spielszenen_Banden_Platz(int32_t position)
{
    const bool gespiegelt = position >= 12;
    const int32_t n = std::clamp(position, 0, SZ_BLOECKE - 1) % 12;
    const Abschnitt_Linie& l = LINIE[n / 2];
    const bool tor = n / 2 == 0 || n / 2 == 2;
    // the boards stand halfway between the line and the stand
    const float ab = tor ? 2.5f : 2.0f, sx = l.aus_x / REIHE * ab - l.aus_x / REIHE * ABSTAND,
                sy = l.aus_y / REIHE * ab - l.aus_y / REIHE * ABSTAND;
    const float laenge = std::hypot(l.x1 - l.x0, l.y1 - l.y0), ux = (l.x1 - l.x0) / laenge, uy = (l.y1 - l.y0) / laenge;
    const float start = n % 2 ? laenge / 2 : 0.0f;
    float x0, y0, x1, y1;
    Spielszenen_Szene_Punkt(l.x0 + sx + ux * start, l.y0 + sy + uy * start, 0, &x0, &y0);
    Spielszenen_Szene_Punkt(l.x0 + sx + ux * (start + 1), l.y0 + sy + uy * (start + 1), 0, &x1, &y1);
    const float breite = tor ? 80.0f : 112.0f, meter = std::fabs(x1 - x0);
    Spielszenen_Bandenplatz p{x0, y0, x1 - x0, y1 - y0, 0, tor};
    const float s = breite / meter;
    p.dx *= s, p.dy *= s;
    p.anzahl = int32_t(laenge / 2 / s);
    if (gespiegelt) p.x = float(BILD_B) - p.x, p.dx = -p.dx;
    return p;
}

void Spielszenen_Bank_Platz(int32_t k, bool gespiegelt, int32_t* x, int32_t* y)
{
    // the mirrored picture shows the pitch's length the other way round: the place of the
    // mirrored length, turned over
    const float mitte = SZ_BANK_MITTE_X[k ? 1 : 0];
    float px, py;
    Spielszenen_Szene_Punkt(gespiegelt ? L - mitte : mitte, SZ_BANK_Y, 0, &px, &py);
    if (gespiegelt) px = float(BILD_B) - px;
    *x = gross(px) - SZ_BANK_BREITE / 2;
    *y = gross(py) - SZ_BANK_BODEN_Y;
}

// ---- set-up ----

void Spielszenen_Bank_Zeichnen(Spielszenen_Fenster* f, Spielfeld_Record* r)
{
    if (!f || !r || !f->hintergrund) return;
    const bool voll = f->groesse == 0, gespiegelt = r->gespiegelt != 0;
    const int32_t id = SZ_BANK + (voll ? 0 : 2) + (gespiegelt ? 1 : 0);
    const int32_t tiefe = Grafik_Screen_Geometrie.depth == 15 ? 15 : 16;
    auto* s = static_cast<Rle_Sprite*>(Load_Resource(ResFile_Handles[0].handle, id, tiefe, nullptr));
    if (!s) return;
    for (int32_t k = 0; k < 2; ++k) {
        int32_t x, y;
        Spielszenen_Bank_Platz(k, gespiegelt, &x, &y);
        // the sprite's own offset is 0: it is drawn at the place's corner
        Grafik_Sprite_Blit(s, f->hintergrund, voll ? x : x / 2, voll ? y : y / 2);
    }
    Grafik_Sprite_Freigeben(s);
}

void Spielszenen_Tribuenen_Laden(Spielszenen_Fenster* f, Spielfeld_Record* r)
{
    if (!f || !r) return;
    Szenerie& sz = von(f);
    sz.farben_fertig = false;
    const bool voll = f->groesse == 0, gespiegelt = r->gespiegelt != 0;
    const bool schnee = r->wetter >= 2, variante = r->platz_variante != 0;
    const int32_t tiefe = Grafik_Screen_Geometrie.depth == 15 ? 15 : 16;
    for (int32_t k = 0; k < SZ_ABSCHNITTE; ++k) {
        const int32_t art = Spielszenen_Tribuene_Art(r, k);
        sz.art[(gespiegelt ? 12 : 0) + 2 * k] = sz.art[(gespiegelt ? 12 : 0) + 2 * k + 1] = art;
        if (k == 3) Spielszenen_Bank_Zeichnen(f, r);
        const int32_t id = Spielszenen_Tribuene_Id(art, k, voll, gespiegelt, variante, schnee);
        sz.tribuene[k] = id;
        if (!f->hintergrund) continue;
        // the picture carries its own place; painted once and freed at once
        if (auto* s = static_cast<Rle_Sprite*>(Load_Resource(ResFile_Handles[0].handle, id, tiefe, nullptr))) {
            Grafik_Sprite_Blit(s, f->hintergrund, 0, 0);
            Grafik_Sprite_Freigeben(s);
        }
    }
    Spielszenen_Zuschauer_Verteilen(f, r);
}

void Spielszenen_Zuschauer_Setzen(Spielszenen_Fenster* f, Spielfeld_Record* r, int32_t block, int32_t sitz, int32_t reihe)
{
    Szenerie& sz = von(f);
    if (sz.anzahl >= SZ_ZUSCHAUER_MAX || block < 0 || block >= SZ_BLOECKE) return;
    const Spielszenen_Block g = Spielszenen_Block_Geometrie(block);
    const float fx = g.x + g.sitz_dx * float(sitz) + g.reihe_dx * float(reihe);
    const float fy = g.y + g.sitz_dy * float(sitz) + g.reihe_dy * float(reihe);
    const int32_t teil = f->groesse == 0 ? 1 : 2;
    const int32_t x = gross(fx) / teil, y = gross(fy) / teil;
    // seats the picture cuts off hold nobody, nor those a dugout stands in front of
    if (x < 0 || y < 4 / teil || x >= BILD_B / teil || y >= SZ_BILD_HOEHE / teil) return;
    if (an_der_bank(block >= 12, gross(fx) - SZ_ZUSCHAUER_FUSS_X, gross(fy) - SZ_ZUSCHAUER_FUSS_Y,
                    gross(fx) + SZ_ZUSCHAUER_BREITE - SZ_ZUSCHAUER_FUSS_X, gross(fy)))
        return;
    const Pose_Regel p = pose_regel(block);
    const int32_t zahl = Spielszenen_Zufall(0, 100);
    int32_t pose = 0;
    if (zahl < p.a) pose = p.p;
    else if (zahl < p.b) {
        const int32_t wahl = Spielszenen_Zufall(0, 5);
        pose = wahl;
    } else if (zahl < 100) pose = p.q;
    const int32_t rate = Spielszenen_Zufall(0, 100);
    Spielszenen_Zuschauer& z = sz.zuschauer[sz.anzahl++];
    ++sz.stand;
    z = {};
    z.pose = uint8_t(pose);
    z.reihe = uint8_t(reihe_von(pose, sz.art[block]));
    z.blick = uint8_t(g.blick);
    z.ueberlagerung = 1;
    z.block = uint8_t(block);
    z.naechste = z.letzte = r->frame_zeit;
    z.rate = 2 * rate + 50;
    z.x = int16_t(x), z.y = int16_t(y);
}

void Spielszenen_Zuschauer_Verteilen(Spielszenen_Fenster* f, Spielfeld_Record* r)
{
    if (!f || !r) return;
    Szenerie& sz = von(f);
    sz.anzahl = 0;
    ++sz.stand;
    std::fill(std::begin(sz.erste), std::end(sz.erste), 0);
    std::fill(std::begin(sz.ende), std::end(sz.ende), 0);
    // the same game shows the same crowd on every set-up and every PC
    Spielszenen_Zufall_Starten(r);
    const int32_t erster = r->gespiegelt ? 12 : 0;
    for (int32_t b = erster; b < erster + 12; ++b) {
        sz.erste[b] = sz.anzahl;
        const int32_t stand = (b % 12) / 2;
        const int32_t prozent = sz.art[b] < 0 ? 0 : Spielszenen_Tribuene_Fuellung(r, stand);
        const Spielszenen_Block g = Spielszenen_Block_Geometrie(b);
        // the rows higher on the picture first, so that nearer fans stand in front of them
        for (int32_t k = 0; k < g.reihen && prozent > 0; ++k)
            for (int32_t sitz = 0, reihe = g.reihe_dy < 0 ? g.reihen - 1 - k : k; sitz < g.sitze; ++sitz) {
                const int32_t zahl = Spielszenen_Zufall(0, 100);
                if (zahl < prozent) Spielszenen_Zuschauer_Setzen(f, r, b, sitz, reihe);
            }
        sz.ende[b] = sz.anzahl;
    }
}

// ---- every frame ----

namespace {

// The rows of an excited fan, who calms down after a few loops.
bool erregt(int32_t reihe)
{
    return (reihe >= 6 && reihe < 12) || (reihe >= 24 && reihe < 30) || (reihe >= 36 && reihe < 42) || (reihe >= 56 && reihe < 62);
}

// Whether a fan's step can change anything: a resting pose of one frame beyond the rows that
// start something new stays as it is, and draws nothing from the view's generator.
bool bewegt_sich(int32_t reihe, int32_t bilder) { return bilder > 1 || reihe < 6 || erregt(reihe); }

// A fan's next step; `bilder` are the frames per facing of the fan's row.
void bewegen(Spielfeld_Record* r, Spielszenen_Zuschauer* z, int32_t bilder)
{
    const uint32_t jetzt = r->frame_zeit;
    const int32_t stimmung = r->zuschauer_reaktion[0] & 7;
    if (bilder > 1 && z->letzte + uint32_t(z->rate) < jetzt) {
        z->letzte = jetzt;
        if (++z->bild >= bilder) {
            z->bild = 0;
            if (z->schleifen < 255) ++z->schleifen;
            if (z->reihe >= 68 && z->reihe <= 73) {
                z->reihe = uint8_t(z->reihe - (z->blick == 1 || z->blick == 2 ? 6 : 12));
                const int32_t pause = Spielszenen_Zufall(0, 75);
                z->naechste = jetzt + 1500 + 10 * uint32_t(pause);
                z->schleifen = 0;
            }
        }
    }
    const int32_t reihe = z->reihe;
    if (erregt(reihe)) {
        const int32_t mehr = Spielszenen_Zufall(0, 10);
        if (z->schleifen >= 4 + mehr && z->naechste <= jetzt) {
            z->reihe = uint8_t(reihe < 12 ? reihe - 6 : reihe < 30 ? reihe - 24 : reihe < 42 ? reihe - 36 : reihe - 56);
            z->bild = 0, z->schleifen = 0;
        }
        return;
    }
    if (reihe >= 6) return;  // only resting fans start something new
    if (stimmung == 0) {
        const int32_t warte = Spielszenen_Zufall(0, 100);
        if (z->letzte + 800 + 3 * uint32_t(warte) >= jetzt) return;
        const int32_t los = Spielszenen_Zufall(0, 100);
        if (los >= 2) return;
        const int32_t wahl = Spielszenen_Zufall(0, 4);
        static constexpr int32_t PLUS[4] = {24, 6, 36, 56};
        z->reihe = uint8_t(wahl < 4 ? reihe + PLUS[wahl] : 68 + std::min<int32_t>(z->blick, 3));
    } else {
        const int32_t zahl = Spielszenen_Zufall(0, 100);
        if (zahl >= std::abs(r->zuschauer_stimmung[0])) return;
        // cheering, whistling and lamenting rows per facing
        z->reihe = uint8_t(stimmung & 1 ? 68 + std::min<int32_t>(z->blick, 5) : stimmung & 2 ? reihe + 36 : reihe + 56);
    }
    z->bild = 0, z->schleifen = 0, z->letzte = jetzt;
}

// A fan's frame decoded once into its opaque runs, for drawing it straight onto the page where
// it lies wholly inside its window: the same pixels the view's clipped blitter puts there.
struct Fan_Bild {
    const Rle_Sprite* s = nullptr;
    const uint8_t* daten = nullptr;
    int16_t breite = 0, hoehe = 0;
    struct Lauf {
        int16_t zeile, spalte, laenge;
        uint16_t start;
    };
    std::vector<Lauf> laeufe;
    std::vector<uint8_t> pixel;  // the runs' colour indices, one run after the other
    // the runs' pixels through each of a window's fan colour tables, made at the table's stand
    std::vector<uint16_t> farbig[SPIELSZENEN_FENSTER][8];
    uint32_t farbig_stand[SPIELSZENEN_FENSTER][8] = {};
    bool farbig_luecken[SPIELSZENEN_FENSTER][8] = {};  // a colour of 0 among them
    // The same pixels as rows of 16: per row the colours, then a lane mask of the pixels
    // written (a colour of 0 writes none), so that a narrow frame goes on without a branch a run.
    std::vector<uint16_t> zeilen[SPIELSZENEN_FENSTER][8];
};
constexpr int32_t ZEILE = 16;
constexpr int32_t FAN_BILDER = 16;
Fan_Bild fan_bild[SZ_ZUSCHAUER_REIHEN][FAN_BILDER];

Fan_Bild& fan_bild_von(int32_t reihe, int32_t k, const Rle_Sprite* s)
{
    Fan_Bild& b = fan_bild[reihe][k];
    if (b.s == s && b.daten == s->data && b.breite == s->width && b.hoehe == s->height) return b;
    b.s = s, b.daten = s->data, b.breite = s->width, b.hoehe = s->height;
    b.laeufe.clear(), b.pixel.clear();
    for (auto& fenster : b.farbig_stand)
        for (uint32_t& stand : fenster) stand = 0;
    const int32_t w = s->width, h = s->height;
    std::vector<uint8_t> p(size_t(w) * size_t(h), 0);
    Pixel_Sprite_8(s->data, s->wide, w, h, p.data(), w, 0, s->mirrored != 0);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w;) {
            const uint8_t* z = p.data() + size_t(y) * size_t(w);
            if (!z[x]) {
                ++x;
                continue;
            }
            const int32_t a = x;
            while (x < w && z[x]) ++x;
            b.laeufe.push_back({int16_t(y), int16_t(a), int16_t(x - a), uint16_t(b.pixel.size())});
            b.pixel.insert(b.pixel.end(), z + a, z + x);
        }
    return b;
}

// Where a window's page and its part of it lie, for the fans drawn straight onto it.
struct Fan_Ziel {
    Rastport* seite = nullptr;
    uint16_t* pixel = nullptr;
    int32_t breite = 0;
    int32_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // the window cut to the page
    int32_t gedeckt = 0;                       // above this page row the header covers the window
    int32_t ox = 0, oy = 0;                    // page position of the picture's (0, 0)
    bool gemeldet = false;
};

Fan_Ziel fan_ziel(const Spielszenen_Fenster* f)
{
    Fan_Ziel z;
    z.seite = Grafik_Seite_1 ? Grafik_Seite_1 : Grafik_Render_Ziel;
    if (!z.seite || !z.seite->pixels || z.seite->depth == 8) return z;
    z.pixel = static_cast<uint16_t*>(z.seite->pixels);
    z.breite = int32_t(z.seite->width);
    z.x0 = std::max(f->x, 0), z.y0 = std::max(f->y, 0);
    z.x1 = std::min(f->x + f->breite, z.breite), z.y1 = std::min(f->y + f->hoehe, int32_t(z.seite->height));
    z.gedeckt = f->y + f->kopf_gedeckt;
    // the blitters place by the window's own record (a replay's record moves no sprite)
    const Spielfeld_Record* r = f->record;
    z.ox = f->x - (r ? r->ansicht_x : 0), z.oy = f->y - (r ? r->ansicht_y : 0);
    return z;
}

bool avx2_erlaubt = true;

// A narrow frame's rows of 16 (colours, then the lane mask) onto the page from `basis`, a row
// of the page `breite` pixels on from the last: a vector of eight for each eight of its `w`.
void fan_zeilen_sse2(const uint16_t* q, uint16_t* basis, int32_t breite, int32_t w, int32_t h)
{
    for (int32_t y = 0; y < h; ++y, q += 2 * ZEILE, basis += breite)
        for (int32_t k = 0; k < w; k += 8) {
            const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q + k));
            const __m128i m = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q + ZEILE + k));
            __m128i* d = reinterpret_cast<__m128i*>(basis + k);
            _mm_storeu_si128(d, _mm_or_si128(_mm_and_si128(m, c), _mm_andnot_si128(m, _mm_loadu_si128(d))));
        }
}

// The same for frames wider than eight, each row of 16 as one vector: the lanes the SSE2 loop
// writes, with the values it writes.
__attribute__((target("avx2"))) void fan_zeilen_avx2(const uint16_t* q, uint16_t* basis, int32_t breite, int32_t h)
{
    for (int32_t y = 0; y < h; ++y, q += 2 * ZEILE, basis += breite) {
        const __m256i c = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(q));
        const __m256i m = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(q + ZEILE));
        __m256i* d = reinterpret_cast<__m256i*>(basis);
        _mm256_storeu_si256(d, _mm256_blendv_epi8(_mm256_loadu_si256(d), c, m));
    }
}

// A full-size fan's frame straight onto the page when it lies inside the window (by rows of 16
// also one the window's top or bottom edge cuts); false leaves it to the clipped blitter.
bool fan_direkt(Fan_Ziel& z, int32_t reihe, int32_t k, const Rle_Sprite* s, const Szenerie& sz, int32_t fenster, int32_t tafel,
                int32_t x, int32_t y)
{
    const uint16_t* farben = sz.farben[tafel];
    if (!z.pixel || !s || s->depth != 8 || !farben || k >= FAN_BILDER || s->width <= 0 || s->height <= 0) return false;
    const int32_t w = s->width, h = s->height;
    const int32_t px = z.ox + x + (s->mirrored ? -(w + s->x_offset) : s->x_offset), py = z.oy + y + s->y_offset;
    // a frame wholly under the header's rows would be drawn over
    if (py + h <= z.gedeckt) return true;
    // a frame the window's top or bottom edge cuts goes on by its rows inside the window
    const int32_t von = std::max(z.y0 - py, 0), bis = std::min(z.y1 - py, h);
    if (px < z.x0 || px + w > z.x1 || von >= bis) return false;
    if (!z.gemeldet) Grafik_Seite_Beschrieben(z.seite), z.gemeldet = true;
    Fan_Bild& b = fan_bild_von(reihe, k, s);
    std::vector<uint16_t>& farbig = b.farbig[fenster][tafel];
    if (b.farbig_stand[fenster][tafel] != sz.farben_stand) {
        farbig.resize(b.pixel.size());
        bool luecken = false;
        for (size_t n = 0; n < b.pixel.size(); ++n) farbig[n] = farben[b.pixel[n]], luecken = luecken || !farbig[n];
        b.farbig_stand[fenster][tafel] = sz.farben_stand;
        b.farbig_luecken[fenster][tafel] = luecken;
        std::vector<uint16_t>& zeilen = b.zeilen[fenster][tafel];
        zeilen.assign(w <= ZEILE ? size_t(h) * 2 * ZEILE : 0, 0);
        if (!zeilen.empty())
            for (const Fan_Bild::Lauf& l : b.laeufe)
                for (int32_t n = 0; n < l.laenge; ++n) {
                    const uint16_t c = farbig[size_t(l.start) + size_t(n)];
                    uint16_t* zeile = zeilen.data() + size_t(l.zeile) * 2 * ZEILE + size_t(l.spalte + n);
                    zeile[0] = c, zeile[ZEILE] = c ? 0xFFFF : 0;
                }
    }
    // whole rows of 16 where the page's row has room for them; the lanes outside the frame's
    // pixels write back what they read
    const std::vector<uint16_t>& zeilen = b.zeilen[fenster][tafel];
    if (!zeilen.empty() && px + ZEILE <= z.breite) {
        static const bool avx2 = __builtin_cpu_supports("avx2");
        const uint16_t* q = zeilen.data() + size_t(von) * 2 * ZEILE;
        uint16_t* erste = z.pixel + size_t(py + von) * size_t(z.breite) + size_t(px);
        if (avx2 && avx2_erlaubt && w > 8) fan_zeilen_avx2(q, erste, z.breite, bis - von);
        else fan_zeilen_sse2(q, erste, z.breite, w, bis - von);
        return true;
    }
    // by runs only a frame wholly inside the window; a cut one is the clipped blitter's
    if (von > 0 || bis < h) return false;
    uint16_t* basis = z.pixel + size_t(py) * size_t(z.breite) + size_t(px);
    const uint16_t* q = farbig.data();
    if (b.farbig_luecken[fenster][tafel]) {
        for (const Fan_Bild::Lauf& l : b.laeufe) {
            uint16_t* d = basis + size_t(l.zeile) * size_t(z.breite) + size_t(l.spalte);
            const uint16_t* c = q + l.start;
            // a colour of 0 leaves the page's pixel
            for (int32_t n = 0; n < l.laenge; ++n) d[n] = c[n] ? c[n] : d[n];
        }
        return true;
    }
    for (const Fan_Bild::Lauf& l : b.laeufe) {
        uint16_t* d = basis + size_t(l.zeile) * size_t(z.breite) + size_t(l.spalte);
        const uint16_t* c = q + l.start;
        // the short runs in pieces of a fixed size, each a single move
        int32_t n = l.laenge;
        for (; n >= 4; n -= 4, d += 4, c += 4) std::memcpy(d, c, 8);
        if (n & 2) std::memcpy(d, c, 4), d += 2, c += 2;
        if (n & 1) *d = *c;
    }
    return true;
}

// Where a window's picture starts on the full picture at the window's size (as fenster_pixel
// counts), for a block's fans at once.
void fenster_ursprung(const Spielszenen_Fenster* f, const Spielfeld_Record* r, int32_t* ox, int32_t* oy)
{
    int32_t sx, sy;
    fenster_pixel(f, r, 0, 0, &sx, &sy);
    *ox = -sx, *oy = -sy;
}

// Where a fan's place (window-relative, at the window's size) lets it be drawn: x0 .. x1 - 1,
// y0 .. y1 - 1.
struct Sicht {
    int32_t x0, x1, y0, y1;
};

Sicht sicht_von(const Spielszenen_Fenster* f)
{
    const int32_t rand = f->groesse == 1 ? 320 : 0;
    return {-4 - rand, f->breite + rand + 4, -8, f->hoehe + 2};
}

bool sichtbar_ab(const Spielszenen_Fenster* f, int32_t sx, int32_t sy)
{
    const Sicht s = sicht_von(f);
    return sx >= s.x0 && sx < s.x1 && sy >= s.y0 && sy < s.y1;
}

}  // namespace

void Spielszenen_Zuschauer_Avx2(bool erlaubt) { avx2_erlaubt = erlaubt; }

void Spielszenen_Zuschauer_Bewegen(Spielszenen_Fenster*, Spielfeld_Record* r, Spielszenen_Zuschauer* z)
{
    if (!r || !z) return;
    bewegen(r, z, bilder_von(z->reihe));
}

bool Spielszenen_Zuschauer_Sichtbar(const Spielszenen_Fenster* f, const Spielfeld_Record* r, const Spielszenen_Zuschauer* z)
{
    if (!f || !r || !z) return false;
    int32_t sx, sy;
    fenster_pixel(f, r, z->x, z->y, &sx, &sy);
    return sichtbar_ab(f, sx, sy);
}

namespace {

// Per fan row its frames per facing and whether its fans step (a row past the last steps as the
// last does: by its frames alone), read once for the blocks a window draws.
struct Reihen {
    int32_t bilder[SZ_ZUSCHAUER_REIHEN];
    bool bewegt[SZ_ZUSCHAUER_REIHEN];
};

Reihen reihen_lesen()
{
    Reihen t;
    for (int32_t k = 0; k < SZ_ZUSCHAUER_REIHEN; ++k) t.bilder[k] = bilder_von(k), t.bewegt[k] = bewegt_sich(k, t.bilder[k]);
    return t;
}

void zuschauer_zeichnen(Spielszenen_Fenster* f, Spielfeld_Record* r, int32_t block, const Reihen& reihen)
{
    if (!f || !r || block < 0 || block >= SZ_BLOECKE) return;
    Szenerie& sz = von(f);
    if (!sz.farben_fertig) fan_farben(f, sz.farben), sz.farben_fertig = true, ++sz.farben_stand;
    const bool voll = f->groesse == 0;
    const int32_t teil = voll ? 1 : 2, art = sz.art[block];
    // the seat backs of two-tier stands, a seat further on along the block's row
    const bool lehne = voll && (art == 5 || art == 6);
    const Spielszenen_Block g = lehne ? Spielszenen_Block_Geometrie(block) : Spielszenen_Block{};
    // the window's place, read once for the block's fans
    const int32_t* bilder_je_reihe = reihen.bilder;
    const bool* bewegt = reihen.bewegt;
    int32_t ox, oy;
    fenster_ursprung(f, r, &ox, &oy);
    Fan_Ziel direkt = voll ? fan_ziel(f) : Fan_Ziel{};
    // the visibility cut moved to the picture's places once for the block: the fans' steps
    // write the crowd, which would have the window's size read again for every fan
    const Sicht sicht = sicht_von(f);
    const int32_t x0 = sicht.x0 + ox, x1 = sicht.x1 + ox, y0 = sicht.y0 + oy, y1 = sicht.y1 + oy;
    if (std::memcmp(sz.bewegt, bewegt, sizeof sz.bewegt) != 0) std::memcpy(sz.bewegt, bewegt, sizeof sz.bewegt), ++sz.stand;
    std::vector<uint16_t>& schritte = sz.schritte[block];
    int32_t* kasten = sz.kasten[block];
    if (sz.schritte_stand[block] != sz.stand) {
        schritte.clear();
        kasten[0] = kasten[1] = INT32_MAX, kasten[2] = kasten[3] = INT32_MIN;
        for (int32_t i = sz.erste[block]; i < sz.ende[block]; ++i) {
            const Spielszenen_Zuschauer& z = sz.zuschauer[i];
            schritte.push_back(uint16_t(i));
            kasten[0] = std::min<int32_t>(kasten[0], z.x), kasten[1] = std::min<int32_t>(kasten[1], z.y);
            kasten[2] = std::max<int32_t>(kasten[2], z.x), kasten[3] = std::max<int32_t>(kasten[3], z.y);
        }
        sz.schritte_stand[block] = sz.stand;
    }
    // All the block's fans are drawn before any steps: a fan's step changes that fan alone, and
    // the steps keep their order. A block whose places all lie outside the cut draws nothing.
    const bool aussen = kasten[2] < x0 || kasten[0] >= x1 || kasten[3] < y0 || kasten[1] >= y1;
    for (int32_t i = aussen ? sz.ende[block] : sz.erste[block]; i < sz.ende[block]; ++i) {
        const Spielszenen_Zuschauer& z = sz.zuschauer[i];
        if (z.x >= x0 && z.x < x1 && z.y >= y0 && z.y < y1) {
            const int32_t reihe = std::min<int32_t>(z.reihe, SZ_ZUSCHAUER_REIHEN - 1);
            const int32_t n = bilder_je_reihe[reihe], alle = Spielszenen_Grafik.zuschauer_bilder[reihe];
            Rle_Sprite** bilder = Spielszenen_Grafik.zuschauer[reihe];
            const int32_t tafel = (i * 7 + z.pose) % 8;
            const uint16_t* farben = sz.farben[tafel];
            // positions are kept at the window's size; the blitters take the full-size picture's
            const int32_t k = (z.blick & 3) * n + std::min<int32_t>(z.bild, n - 1);
            if (bilder && k < alle) {
                Rle_Sprite* s = bilder[k];
                if (!voll) Spielszenen_Sprite_Farbe_Halb(s, f, farben, z.x * teil, z.y * teil);
                else if (!fan_direkt(direkt, reihe, k, s, sz, fenster_index(f), tafel, z.x, z.y))
                    Spielszenen_Sprite_Farbe_Zeichnen(s, f, farben, z.x, z.y);
            }
            if (lehne)
                for (int32_t k = 1; k <= z.ueberlagerung; ++k)
                    Spielszenen_Sprite_Zeichnen(Spielszenen_Grafik.ueberlagerung[(art - 5) * 4 + (z.blick & 3)], f,
                                                z.x + gross(g.sitz_dx * float(k - 1)), z.y + gross(g.sitz_dy * float(k - 1)));
        }
    }
    size_t bleiben = 0;
    for (const uint16_t i : schritte) {
        Spielszenen_Zuschauer& z = sz.zuschauer[i];
        const int32_t zeile = std::min<int32_t>(z.reihe, SZ_ZUSCHAUER_REIHEN - 1);
        if (!bewegt[zeile]) continue;
        bewegen(r, &z, bilder_je_reihe[zeile]);
        schritte[bleiben++] = i;
    }
    schritte.resize(bleiben);
}

}  // namespace

void Spielszenen_Zuschauer_Zeichnen(Spielszenen_Fenster* f, Spielfeld_Record* r, int32_t block)
{
    if (f && r && block >= 0 && block < SZ_BLOECKE) zuschauer_zeichnen(f, r, block, reihen_lesen());
}

namespace {

// A board's columns on the picture, each sheared along its line: they follow from the board's
// place and width alone, so they are worked out once per place, board and size.
struct Brett_Spalten {
    int32_t bw = -1;
    std::vector<int32_t> cx, cy;
    // What the columns of a board picture leave on the picture (a later column over an earlier
    // one): its box from (x, y), per row its runs of written pixels, and their pixels.
    const Rastport* bild = nullptr;
    int32_t x = 0, y = 0, hoehe = 0;
    struct Lauf {
        int32_t von, laenge, start;
    };
    std::vector<int32_t> zeile;  // per box row its first run, then the end
    std::vector<Lauf> laeufe;
    std::vector<uint16_t> pixel;
};
std::vector<Brett_Spalten> brett_spalten[SZ_BLOECKE][2];

const Brett_Spalten& spalten_von(const Spielszenen_Bandenplatz& p, int32_t position, int32_t k, int32_t bw, int32_t teil)
{
    std::vector<Brett_Spalten>& bretter = brett_spalten[position][teil - 1];
    if (int32_t(bretter.size()) <= k) bretter.resize(size_t(k) + 1);
    Brett_Spalten& b = bretter[size_t(k)];
    if (b.bw == bw) return b;
    b.bw = bw, b.cx.clear(), b.cy.clear();
    const float x0 = p.x + p.dx * float(k), y0 = p.y + p.dy * float(k);
    for (int32_t c = 0; c < bw; c += teil) {
        const float t = float(c) / float(bw);
        b.cx.push_back(gross(x0 + p.dx * t) / teil);
        b.cy.push_back(gross(y0 + p.dy * t) / teil);
    }
    return b;
}

// The board picture b (bw x bh) set column by column along its place, made once per picture.
const Brett_Spalten& brett_von(const Spielszenen_Bandenplatz& p, int32_t position, int32_t k, const Rastport* b, int32_t teil)
{
    const int32_t bw = int32_t(b->width), bh = int32_t(b->height);
    const Brett_Spalten& sp = spalten_von(p, position, k, bw, teil);
    Brett_Spalten& e = brett_spalten[position][teil - 1][size_t(k)];
    if (e.bild == b) return e;
    e.bild = b;
    const int32_t n = (bh + teil - 1) / teil;
    int32_t x0 = INT32_MAX, x1 = INT32_MIN, y0 = INT32_MAX, y1 = INT32_MIN;
    for (size_t i = 0; i < sp.cx.size(); ++i) {
        x0 = std::min(x0, sp.cx[i]), x1 = std::max(x1, sp.cx[i] + 1);
        y0 = std::min(y0, sp.cy[i] - bh / teil), y1 = std::max(y1, sp.cy[i] - bh / teil + n);
    }
    e.zeile.clear(), e.laeufe.clear(), e.pixel.clear(), e.hoehe = 0;
    if (x0 >= x1) return e;
    const int32_t w = x1 - x0;
    e.x = x0, e.y = y0, e.hoehe = y1 - y0;
    std::vector<uint16_t> wert(size_t(w) * size_t(e.hoehe), 0);
    std::vector<uint8_t> gesetzt(wert.size(), 0);
    const auto* q = static_cast<const uint16_t*>(b->pixels);
    for (int32_t c = 0, i = 0; c < bw; c += teil, ++i) {
        const int32_t spalte = p.dx < 0 ? bw - 1 - c : c;
        // rows z = 0, teil, ... land on consecutive picture rows from cy - bh / teil
        const int32_t x = sp.cx[size_t(i)] - x0, y = sp.cy[size_t(i)] - bh / teil - y0;
        for (int32_t z = 0; z < n; ++z) {
            const size_t o = size_t(y + z) * size_t(w) + size_t(x);
            wert[o] = q[size_t(spalte) + size_t(z) * size_t(bw) * size_t(teil)], gesetzt[o] = 1;
        }
    }
    for (int32_t y = 0; y < e.hoehe; ++y) {
        e.zeile.push_back(int32_t(e.laeufe.size()));
        const size_t o = size_t(y) * size_t(w);
        for (int32_t x = 0; x < w;) {
            if (!gesetzt[o + size_t(x)]) {
                ++x;
                continue;
            }
            const int32_t a = x;
            while (x < w && gesetzt[o + size_t(x)]) ++x;
            e.laeufe.push_back({a, x - a, int32_t(e.pixel.size())});
            e.pixel.insert(e.pixel.end(), wert.begin() + std::ptrdiff_t(o) + a, wert.begin() + std::ptrdiff_t(o) + x);
        }
    }
    e.zeile.push_back(int32_t(e.laeufe.size()));
    return e;
}

// A board as its columns leave it, onto the window's part of the page.
void brett_setzen(const Spalten_Ziel& z, const Brett_Spalten& e)
{
    for (int32_t y = 0; y < e.hoehe; ++y) {
        const int32_t py = e.y + y + z.dy;
        if (py < z.y0 || py >= z.y1) continue;
        uint16_t* zeile = z.pixel + size_t(py) * z.breite;
        for (int32_t k = e.zeile[size_t(y)]; k < e.zeile[size_t(y) + 1]; ++k) {
            const Brett_Spalten::Lauf& l = e.laeufe[size_t(k)];
            const int32_t a = e.x + l.von + z.dx;
            const int32_t von = std::max(a, z.x0), bis = std::min(a + l.laenge, z.x1);
            if (von < bis) std::memcpy(zeile + von, e.pixel.data() + l.start + (von - a), size_t(bis - von) * sizeof(uint16_t));
        }
    }
}

}  // namespace

void Spielszenen_Werbung_Zeichnen(Spielszenen_Fenster* f, Spielfeld_Record* r, int32_t position)
{
    Rastport* ziel = seite();
    if (!f || !r || !ziel || !ziel->pixels || ziel->depth == 8 || position < 0 || position >= SZ_BLOECKE) return;
    // the places follow from the fixed stand lines: worked out once
    static const auto plaetze = [] {
        std::array<Spielszenen_Bandenplatz, SZ_BLOECKE> p{};
        for (int32_t k = 0; k < SZ_BLOECKE; ++k) p[size_t(k)] = Spielszenen_Banden_Platz(k);
        return p;
    }();
    const Spielszenen_Bandenplatz& p = plaetze[size_t(position)];
    const int32_t teil = f->groesse == 0 ? 1 : 2;
    const Spalten_Ziel sz = spalten_ziel(ziel, f, r);
    for (int32_t k = 0; k < p.anzahl; ++k) {
        Rastport* b = bande(Spielszenen_Banden_Bild(r, (position % 12 * 3 + k) % SPIELSZENEN_BANDEN, p.hinter_tor));
        if (!b || !b->pixels || b->packed || b->depth == 8) continue;
        const float x0 = p.x + p.dx * float(k), y0 = p.y + p.dy * float(k);
        const int32_t bw = int32_t(b->width), bh = int32_t(b->height);
        // the boards leave a gap before the dugouts along the far touchline
        if (!p.hinter_tor && position % 12 / 2 == 1 &&
            an_der_bank(position >= 12, gross(std::min(x0, x0 + p.dx)), gross(y0) - bh, gross(std::max(x0, x0 + p.dx)), gross(y0 + p.dy)))
            continue;
        // cull the whole board first: a board outside the view costs nothing
        int32_t sx, sy;
        fenster_pixel(f, r, gross(std::min(x0, x0 + p.dx)) / teil, gross(y0) / teil, &sx, &sy);
        if (sx > f->breite || sx + (bw + 4) / teil < 0 || sy - (bh + 40) / teil > f->hoehe || sy + (bh + 40) / teil < 0) continue;
        brett_setzen(sz, brett_von(p, position, k, b, teil));
    }
}

namespace {
struct Abschnitt_Kasten {
    float x0, x1, y0, y1;
};
const Abschnitt_Kasten& abschnitt_kasten(int32_t abschnitt, int32_t m);
}  // namespace

bool Spielszenen_Abschnitt_Sichtbar(const Spielszenen_Fenster* f, const Spielfeld_Record* r, int32_t abschnitt)
{
    if (!f || !r || abschnitt < 0 || abschnitt >= SZ_ABSCHNITTE) return false;
    if (f->groesse == 1) return true;
    const int32_t teil = f->groesse == 0 ? 1 : 2, m = r->gespiegelt ? 1 : 0;
    const Abschnitt_Kasten& k = abschnitt_kasten(abschnitt, m);
    if (k.x0 > k.x1) return false;
    int32_t ax, ay, bx, by;
    fenster_pixel(f, r, gross(k.x0) / teil, gross(k.y0 - 40) / teil, &ax, &ay);
    fenster_pixel(f, r, gross(k.x1) / teil, gross(k.y1 + 10) / teil, &bx, &by);
    return bx >= 0 && ax < f->breite && by >= 0 && ay < f->hoehe;
}

namespace {

// The box of the blocks and board places a section draws in an orientation (full-size picture
// pixels): it follows from the fixed stand lines alone, so it is worked out once.
Abschnitt_Kasten abschnitt_kasten_rechnen(int32_t abschnitt, int32_t m)
{
    float x0 = 1e9f, x1 = -1e9f, y0 = 1e9f, y1 = -1e9f;
    auto dazu = [&](float x, float y) { x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y); };
    auto block = [&](int32_t b) {
        if (b < 0) return;
        const Spielszenen_Block g = Spielszenen_Block_Geometrie(b);
        for (int32_t e = 0; e < 4; ++e)
            dazu(g.x + (e & 1 ? g.sitz_dx * float(g.sitze) : 0) + (e & 2 ? g.reihe_dx * float(g.reihen) : 0),
                 g.y + (e & 1 ? g.sitz_dy * float(g.sitze) : 0) + (e & 2 ? g.reihe_dy * float(g.reihen) : 0));
    };
    for (int8_t b : ERSTER[abschnitt].bloecke[m]) block(b);
    for (int8_t b : ZWEITER[abschnitt][m]) block(b);
    for (int8_t b : ERSTER[abschnitt].banden[m]) {
        if (b < 0) continue;
        const Spielszenen_Bandenplatz p = Spielszenen_Banden_Platz(b);
        dazu(p.x, p.y);
        dazu(p.x + p.dx * float(p.anzahl + 1), p.y + p.dy * float(p.anzahl + 1));
    }
    return {x0, x1, y0, y1};
}

const Abschnitt_Kasten& abschnitt_kasten(int32_t abschnitt, int32_t m)
{
    static const auto kaesten = [] {
        std::array<std::array<Abschnitt_Kasten, 2>, SZ_ABSCHNITTE> k{};
        for (int32_t a = 0; a < SZ_ABSCHNITTE; ++a)
            for (int32_t s = 0; s < 2; ++s) k[size_t(a)][size_t(s)] = abschnitt_kasten_rechnen(a, s);
        return k;
    }();
    return kaesten[size_t(abschnitt)][size_t(m)];
}

}  // namespace

void Spielszenen_Szenerie_Zeichnen(Spielszenen_Fenster* f, Spielfeld_Record* r, int32_t durchgang)
{
    if (!f || !r) return;
    const int32_t m = r->gespiegelt ? 1 : 0;
    const Reihen reihen = reihen_lesen();
    for (int32_t s = 0; s < SZ_ABSCHNITTE; ++s) {
        if (f->groesse != 1 && !Spielszenen_Abschnitt_Sichtbar(f, r, s)) continue;
        if (durchgang == 0) {
            for (int8_t b : ERSTER[s].bloecke[m])
                if (b >= 0) zuschauer_zeichnen(f, r, b, reihen);
            for (int8_t b : ERSTER[s].banden[m])
                if (b >= 0) Spielszenen_Werbung_Zeichnen(f, r, b);
        } else {
            for (int8_t b : ZWEITER[s][m])
                if (b >= 0) zuschauer_zeichnen(f, r, b, reihen);
        }
    }
}

void Spielszenen_Tore_Platzieren(Spielszenen_Fenster* f, Spielfeld_Record* r)
{
    if (!f || !r) return;
    // set up only when missing: setting them up again every frame would cut a net's movement
    // short and change the record the other PCs share
    for (int32_t i = 0; i < 8; ++i)
        if (!r->objekt[SPIELFELD_TORTEILE + i].aktiv) {
            Spielfeld_Torteile_Aufstellen_Start(r);
            return;
        }
}

const Spielszenen_Zuschauer* Spielszenen_Zuschauer_Liste(const Spielszenen_Fenster* f, int32_t* anzahl)
{
    const Szenerie& sz = von(f);
    if (anzahl) *anzahl = sz.anzahl;
    return sz.zuschauer;
}

void Spielszenen_Block_Spanne(const Spielszenen_Fenster* f, int32_t block, int32_t* erste, int32_t* ende)
{
    const Szenerie& sz = von(f);
    const int32_t b = std::clamp(block, 0, SZ_BLOECKE - 1);
    *erste = sz.erste[b], *ende = sz.ende[b];
}

int32_t Spielszenen_Tribuene_Geladen(const Spielszenen_Fenster* f, int32_t abschnitt)
{
    return von(f).tribuene[std::clamp(abschnitt, 0, SZ_ABSCHNITTE - 1)];
}

void Spielszenen_Zuschauer_Bilder_Vergessen()
{
    for (auto& reihe : fan_bild)
        for (Fan_Bild& b : reihe) b = Fan_Bild{};
}

void Spielszenen_Szenerie_Freigeben()
{
    for (auto& satz : bande_bild)
        for (Rastport*& b : satz) b = Grafik_Bitmap_Freigeben(b);
    // the boards as set along their places go with their pictures
    for (auto& platz : brett_spalten)
        for (auto& groesse : platz)
            for (Brett_Spalten& e : groesse) e.bild = nullptr;
}
