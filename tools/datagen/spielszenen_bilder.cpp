// The live match view's pictures, drawn in code: the pitch backgrounds (projected through the
// view's own Spielszenen_Feld_Zu_Bild, so that lines and figures meet), the figures' animations
// in 8 directions, ball, flags and goals, the frame, side panel and score panel sheets, the small
// signs of the picture array and the scene sounds.
#include "tools/datagen/spielszenen_bilder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "match/pitch/spielfeld_animationen.h"
#include "match/spielfeld.h"
#include "matchview/live/spielszenen_grafik.h"
#include "matchview/live/spielszenen_kamera.h"
#include "platform/resfile.h"
#include "tools/datagen/bild_flaeche.h"
#include "tools/datagen/manifest.h"
#include "tools/datagen/resf_writer.h"
#include "tools/datagen/zeiger_bilder.h"

// Named, not anonymous: the tests compile several builder files into one unit.
namespace spielszenen_bild {

uint16_t rgb(int r, int g, int b) { return uint16_t((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3)); }

// ---- the pitch ---------------------------------------------------------------------------

struct Platz {
    int32_t w, h;
    std::vector<uint8_t> px;
    void setzen(int32_t x, int32_t y, uint8_t c)
    {
        if (x >= 0 && y >= 0 && x < w && y < h) px[size_t(y) * size_t(w) + size_t(x)] = c;
    }
};

const Spielfeld_Record* record(bool gespiegelt)
{
    static std::unique_ptr<Spielfeld_Record> r[2];
    if (!r[gespiegelt]) {
        r[gespiegelt] = std::make_unique<Spielfeld_Record>();
        r[gespiegelt]->gespiegelt = gespiegelt ? 1 : 0;
    }
    return r[gespiegelt].get();
}

// The ground colour of a pitch point (cm) for a look.
uint8_t boden(int32_t x, int32_t y, int32_t art, int32_t variante, int32_t wetter)
{
    const int32_t L = Spielfeld_Masse[0], B = Spielfeld_Masse[1];
    const int32_t aussen = std::max({-x, x - L, -y, y - B, 0});
    if (aussen > 700) return wetter >= 2 ? uint8_t(SZ_SCHNEE + 1) : uint8_t(SZ_BODEN + ((x / 300 + y / 300) & 1));
    if (aussen > 350) return wetter >= 2 ? uint8_t(SZ_SCHNEE) : uint8_t(SZ_BAHN + ((x / 1000) & 1));
    if (wetter == 3) return uint8_t(SZ_SCHNEE + ((x / 540) & 1));
    // mowing patterns per pitch kind, each with its own tone
    static constexpr int32_t TON[5] = {20, 16, 24, 12, 18};
    int32_t streifen;
    switch (art) {
    case 0: streifen = (x / 540) & 1; break;
    case 1: streifen = (y / 567) & 1; break;
    case 2: streifen = ((x / 900) + (y / 850)) & 1; break;
    case 3: streifen = ((x + y) / 700) & 1; break;
    default: streifen = (x / 1080) & 1; break;
    }
    int32_t ton = TON[art] + (streifen ? 7 : 0);
    if (wetter == 1) ton -= 8;
    // worn goalmouths: bare earth in front of the goals, thinning out
    if (variante == 1) {
        for (int32_t gx : {0, L}) {
            const float dx = float(x - gx) / 1100.0f, dy = float(y - B / 2) / 1000.0f;
            const float d = dx * dx + dy * dy;
            if (d < 1.0f && ((x * 7 + y * 13) % 100) < int32_t((1.0f - d) * 110.0f))
                return uint8_t(SZ_ERDE + (wetter == 1 ? 2 : (x / 50 + y / 50) % 2));
        }
    }
    return uint8_t(SZ_GRAS + std::clamp(ton, 0, SZ_GRAS_STUFEN - 1));
}

void punkt(Platz& p, const Spielfeld_Record* r, float x, float y, uint8_t farbe)
{
    int32_t bx = 0, by = 0;
    Spielszenen_Feld_Zu_Bild(r, x, y, 0.0f, &bx, &by);
    p.setzen(bx, by, farbe);
    p.setzen(bx + 1, by, farbe);
    p.setzen(bx, by + 1, farbe);
    p.setzen(bx + 1, by + 1, farbe);
}

void linie(Platz& p, const Spielfeld_Record* r, float x1, float y1, float x2, float y2, uint8_t farbe)
{
    const float l = std::hypot(x2 - x1, y2 - y1);
    const int32_t n = std::max(1, int32_t(l / 4.0f));
    for (int32_t i = 0; i <= n; ++i) {
        const float t = float(i) / float(n);
        punkt(p, r, x1 + (x2 - x1) * t, y1 + (y2 - y1) * t, farbe);
    }
}

// An arc around (cx, cy) from angle a to b (radians), kept to points with x between x_min and x_max.
void bogen(Platz& p, const Spielfeld_Record* r, float cx, float cy, float rad, float a, float b, float x_min, float x_max,
           uint8_t farbe)
{
    const int32_t n = int32_t(rad * (b - a) / 4.0f) + 1;
    for (int32_t i = 0; i <= n; ++i) {
        const float t = a + (b - a) * float(i) / float(n);
        const float x = cx + rad * std::cos(t), y = cy + rad * std::sin(t);
        if (x >= x_min && x <= x_max) punkt(p, r, x, y, farbe);
    }
}

void linien(Platz& p, const Spielfeld_Record* r, uint8_t farbe)
{
    const int32_t* m = Spielfeld_Masse;
    const float L = float(m[0]), B = float(m[1]), PI = 3.14159265f;
    linie(p, r, 0, 0, L, 0, farbe);
    linie(p, r, 0, B, L, B, farbe);
    linie(p, r, 0, 0, 0, B, farbe);
    linie(p, r, L, 0, L, B, farbe);
    linie(p, r, L / 2, 0, L / 2, B, farbe);
    bogen(p, r, L / 2, B / 2, 915, 0, 2 * PI, -1e9f, 1e9f, farbe);
    for (int32_t s = 0; s < 2; ++s) {
        const float tor = s ? L : 0, strafraum = float(m[16 + s]), torraum = float(m[22 + s]), spot = float(m[8 + s]);
        linie(p, r, tor, float(m[12]), strafraum, float(m[12]), farbe);
        linie(p, r, tor, float(m[14]), strafraum, float(m[14]), farbe);
        linie(p, r, strafraum, float(m[12]), strafraum, float(m[14]), farbe);
        linie(p, r, tor, float(m[18]), torraum, float(m[18]), farbe);
        linie(p, r, tor, float(m[20]), torraum, float(m[20]), farbe);
        linie(p, r, torraum, float(m[18]), torraum, float(m[20]), farbe);
        for (float d = -12; d <= 12; d += 4) linie(p, r, spot - 12, B / 2 + d, spot + 12, B / 2 + d, farbe);
        // the arc outside the penalty area
        bogen(p, r, spot, B / 2, 915, 0, 2 * PI, s ? -1e9f : strafraum, s ? strafraum : 1e9f, farbe);
    }
    for (float d = -14; d <= 14; d += 4) linie(p, r, L / 2 - 14, B / 2 + d, L / 2 + 14, B / 2 + d, farbe);
    bogen(p, r, 0, 0, 100, 0, PI / 2, -1e9f, 1e9f, farbe);
    bogen(p, r, L, 0, 100, PI / 2, PI, -1e9f, 1e9f, farbe);
    bogen(p, r, 0, B, 100, -PI / 2, 0, -1e9f, 1e9f, farbe);
    bogen(p, r, L, B, 100, PI, 1.5f * PI, -1e9f, 1e9f, farbe);
}

// The full-size pitch of one look.
Platz platz_voll(int32_t art, int32_t variante, int32_t wetter, bool gespiegelt)
{
    Platz p{SZ_BILD_BREITE, SZ_BILD_HOEHE, std::vector<uint8_t>(size_t(SZ_BILD_BREITE) * SZ_BILD_HOEHE)};
    const Spielfeld_Record* r = record(gespiegelt);
    for (int32_t y = 0; y < p.h; ++y) {
        int32_t fx = 0, fy = 0;
        for (int32_t x = 0; x < p.w; ++x) {
            Spielszenen_Bild_Zu_Feld(r, x, y, &fx, &fy);
            p.px[size_t(y) * size_t(p.w) + size_t(x)] = boden(fx, fy, art, variante, wetter);
        }
    }
    linien(p, r, wetter == 3 ? uint8_t(SZ_LINIE_BLAU) : uint8_t(SZ_WEISS));
    return p;
}

// Half the pixels each way; a line pixel in the block wins, so that lines stay whole.
Platz halbieren(const Platz& v)
{
    Platz h{SZ_BILD_HALB_BREITE, SZ_BILD_HALB_HOEHE, std::vector<uint8_t>(size_t(SZ_BILD_HALB_BREITE) * SZ_BILD_HALB_HOEHE)};
    for (int32_t y = 0; y < h.h; ++y)
        for (int32_t x = 0; x < h.w; ++x) {
            uint8_t c = v.px[size_t(2 * y) * size_t(v.w) + size_t(2 * x)];
            for (int32_t k = 1; k < 4; ++k) {
                const uint8_t d = v.px[size_t(2 * y + k / 2) * size_t(v.w) + size_t(2 * x + k % 2)];
                if (d == SZ_WEISS || d == SZ_LINIE_BLAU) c = d;
            }
            h.px[size_t(y) * size_t(h.w) + size_t(x)] = c;
        }
    return h;
}

Resf_Bytes palette()
{
    Resf_Bytes p(768);
    Spielszenen_Szenen_Palette(p.data());
    return p;
}

// Resource number -> look, following Spielszenen_Hintergrund_Id.
void look(int32_t id, int32_t* art, int32_t* variante, int32_t* wetter, bool* gespiegelt, bool* halb)
{
    const int32_t i = id - SZ_HINTERGRUND_ERSTES;
    *art = i / 24;
    *halb = (i % 24) >= 12;
    const int32_t k = i % 12;
    *gespiegelt = (k & 1) != 0;
    const int32_t rest = k / 2;  // 0..5: variants 0/1 dry, 0/1 wet, heating, snow
    *wetter = rest < 4 ? rest / 2 : rest - 2;
    *variante = rest < 4 ? rest % 2 : 0;
}

Resf_Bytes hintergrund(int32_t id)
{
    int32_t art, variante, wetter;
    bool gespiegelt, halb;
    look(id, &art, &variante, &wetter, &gespiegelt, &halb);
    // the half-size picture follows its full-size one in the manifest: draw each look once
    static int32_t zuletzt = -1;
    static Platz voll;
    const int32_t schluessel = ((art * 2 + variante) * 4 + wetter) * 2 + (gespiegelt ? 1 : 0);
    if (schluessel != zuletzt) {
        voll = platz_voll(art, variante, wetter, gespiegelt);
        zuletzt = schluessel;
    }
    Platz v = halb ? halbieren(voll) : voll;
    Resf_Bitmap b;
    b.width = uint16_t(v.w);
    b.height = uint16_t(v.h);
    b.depth = 8;
    b.compression = RES_LZSS;
    b.pixels = std::move(v.px);
    b.palette = palette();
    return Resf_Bitmap_Daten(b);
}

// ---- figures ------------------------------------------------------------------------------

constexpr int32_t FW = 24, FH = 32, FUSS_X = 12, FUSS_Y = 30;

struct Figur {
    int32_t w = FW, h = FH;
    std::vector<uint8_t> px = std::vector<uint8_t>(size_t(FW * FH), 0);
    void p(int32_t x, int32_t y, uint8_t c)
    {
        if (x >= 0 && y >= 0 && x < w && y < h) px[size_t(y * w + x)] = c;
    }
    void r(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint8_t c)
    {
        if (x0 > x1) std::swap(x0, x1);
        if (y0 > y1) std::swap(y0, y1);
        for (int32_t y = y0; y <= y1; ++y)
            for (int32_t x = x0; x <= x1; ++x) p(x, y, c);
    }
    void kreis(int32_t cx, int32_t cy, int32_t rad, uint8_t c)
    {
        for (int32_t y = cy - rad; y <= cy + rad; ++y)
            for (int32_t x = cx - rad; x <= cx + rad; ++x)
                if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= rad * rad + rad / 2) p(x, y, c);
    }
    // a limb from (x0, y0) to (x1, y1), 2 px thick
    void glied(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint8_t c)
    {
        const int32_t n = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
        for (int32_t i = 0; i <= n; ++i) {
            const int32_t x = n ? x0 + (x1 - x0) * i / n : x0, y = n ? y0 + (y1 - y0) * i / n : y0;
            p(x, y, c);
            p(x + 1, y, c);
        }
    }
};

enum class Pose { Stehen, Laufen, Schuss, Kopf, Hecht, Fangen, Graetsche, Liegen, Aufstehen, Jubel, Frust, Pfeifen,
                  Karte_Gelb, Karte_Rot, Fahne, Sitzen };

struct Stil {
    uint8_t hemd, besatz, hose, stutzen, haut;
    bool fahne;
};

// Facing on screen of a pitch direction 0..7: -1 left, 1 right; front 1 towards the viewer, -1 away.
void blick(int32_t richtung, int32_t* seite, int32_t* vorne)
{
    static constexpr float UX[8] = {0, 0.707f, 1, 0.707f, 0, -0.707f, -1, -0.707f};
    static constexpr float UY[8] = {-1, -0.707f, 0, 0.707f, 1, 0.707f, 0, -0.707f};
    const float sx = 13.2f * (UX[richtung & 7] - UY[richtung & 7]), sy = 3.3f * (UX[richtung & 7] + UY[richtung & 7]);
    *seite = sx > 2.0f ? 1 : sx < -2.0f ? -1 : 0;
    *vorne = sy > 1.0f ? 1 : sy < -1.0f ? -1 : 0;
}

// A figure standing upright: hop lifts it, schritt swings the legs (-3..3), arme the arms' height.
void aufrecht(Figur& f, const Stil& s, int32_t seite, int32_t vorne, int32_t hop, int32_t schritt, int32_t arm_l,
              int32_t arm_r, int32_t tritt)
{
    const int32_t cx = FUSS_X, y0 = FUSS_Y - hop;
    // legs: a step apart along the facing, the kicking leg forward and raised
    const int32_t d = seite == 0 ? 0 : seite;
    const int32_t lx = cx - 2 + (seite ? d * schritt : 0), rx = cx + 1 - (seite ? d * schritt : 0);
    const int32_t ly = y0 - (seite == 0 ? std::max(0, schritt) : 0), ry = y0 - (seite == 0 ? std::max(0, -schritt) : 0);
    f.glied(lx, ly - 8, lx, ly - 5, s.haut);
    f.glied(lx, ly - 4, lx, ly - 2, s.stutzen);
    f.r(lx, ly - 1, lx + 2 * (d ? d : 1) - (d < 0 ? 0 : 0), ly, SZ_SCHUH);
    if (tritt) {
        const int32_t tx = cx + d * 6;
        f.glied(rx, y0 - 9, tx, y0 - 4 - tritt, s.haut);
        f.r(tx - 1, y0 - 5 - tritt, tx + 1, y0 - 4 - tritt, SZ_SCHUH);
    } else {
        f.glied(rx, ry - 8, rx, ry - 5, s.haut);
        f.glied(rx, ry - 4, rx, ry - 2, s.stutzen);
        f.r(rx, ry - 1, rx + 1, ry, SZ_SCHUH);
    }
    // shorts, shirt with trim, neck, head and hair
    f.r(cx - 3, y0 - 12, cx + 3, y0 - 9, s.hose);
    f.r(cx - 4, y0 - 20, cx + 4, y0 - 13, s.hemd);
    f.r(cx - 4, y0 - 20, cx + 4, y0 - 20, s.besatz);
    f.r(cx - 4, y0 - 13, cx + 4, y0 - 13, uint8_t(s.hemd + 2));
    if (vorne < 0) f.r(cx - 1, y0 - 18, cx + 1, y0 - 15, s.besatz);  // back number field
    f.r(cx - 1, y0 - 21, cx + 1, y0 - 21, s.haut);
    f.kreis(cx + d, y0 - 24, 3, s.haut);
    if (vorne < 0) f.kreis(cx + d, y0 - 24, 3, SZ_HAAR);
    else f.r(cx - 2 + d, y0 - 27, cx + 2 + d, y0 - 26, SZ_HAAR);
    if (vorne > 0) f.p(cx - 1 + d, y0 - 24, SZ_SCHWARZ), f.p(cx + 1 + d, y0 - 24, SZ_SCHWARZ);
    else if (d) f.p(cx + 2 * d, y0 - 24, SZ_SCHWARZ);
    // arms from the shoulders: sleeve, then skin
    auto arm = [&](int32_t sx, int32_t hoehe) {
        const int32_t ex = sx + (sx < cx ? -2 : 2), ey = y0 - 14 - hoehe;
        f.glied(sx, y0 - 19, ex, y0 - 17 - hoehe / 2, s.hemd);
        f.glied(ex, y0 - 17 - hoehe / 2, ex, ey, s.haut);
    };
    arm(cx - 5, arm_l);
    arm(cx + 4, arm_r);
    if (s.fahne) {
        const int32_t fx = cx + 8, fy = y0 - 14 - arm_r;
        f.glied(fx - 1, fy + 2, fx - 1, fy - 8, SZ_SCHWARZ);
        f.r(fx, fy - 8, fx + 4, fy - 5, SZ_FAHNE_GELB);
    }
}

// A figure lying along the ground (dive, tackle, fall); hoehe lifts it off the ground.
void liegend(Figur& f, const Stil& s, int32_t seite, int32_t hoehe, bool arme_vor)
{
    const int32_t d = seite >= 0 ? 1 : -1, y = FUSS_Y - 2 - hoehe, cx = FUSS_X;
    f.r(cx - 9 * d, y - 1, cx - 6 * d, y, SZ_SCHUH);
    f.r(cx - 6 * d, y - 1, cx - 3 * d, y, s.stutzen);
    f.r(cx - 3 * d, y - 2, cx, y, s.hose);
    f.r(cx, y - 3, cx + 6 * d, y, s.hemd);
    f.r(cx, y - 3, cx, y, s.besatz);
    f.kreis(cx + 8 * d, y - 2, 2, s.haut);
    f.r(cx + 7 * d, y - 4, cx + 9 * d, y - 4, SZ_HAAR);
    if (arme_vor) f.glied(cx + 6 * d, y - 3, cx + 11 * d, y - 5, s.haut);
    else f.glied(cx + 3 * d, y, cx + 4 * d, y + 1, s.haut);
}

Figur figur(Pose pose, const Stil& s, int32_t richtung, int32_t bild, int32_t bilder)
{
    Figur f;
    int32_t seite, vorne;
    blick(richtung, &seite, &vorne);
    const float t = bilder > 1 ? float(bild) / float(bilder - 1) : 0.0f;
    const int32_t schwung = int32_t(std::lround(3.0 * std::sin(6.2831853 * double(bild) / double(std::max(1, bilder)))));
    // a small shadow at the feet keeps every figure on the ground
    for (int32_t x = FUSS_X - 4; x <= FUSS_X + 4; ++x) f.p(x + 2, FUSS_Y + 1, SZ_SCHATTEN);
    switch (pose) {
    case Pose::Stehen: aufrecht(f, s, seite, vorne, 0, 0, 0, 0, 0); break;
    case Pose::Sitzen: aufrecht(f, s, seite, vorne, -3, 0, 2, 2, 0); break;
    case Pose::Laufen: aufrecht(f, s, seite, vorne, std::abs(schwung) / 2, schwung, schwung, -schwung, 0); break;
    case Pose::Schuss: aufrecht(f, s, seite, vorne, 0, 0, 2, 2, bild >= bilder / 3 && bild < 2 * bilder / 3 ? 4 : 0); break;
    case Pose::Kopf: {
        const int32_t hop = int32_t(8.0f * std::sin(3.14159f * t));
        aufrecht(f, s, seite, vorne, hop, 0, 4, 4, 0);
        break;
    }
    case Pose::Hecht: liegend(f, s, seite, int32_t(10.0f * std::sin(3.14159f * t)), true); break;
    case Pose::Fangen: aufrecht(f, s, seite, vorne, bild % 3 == 1 ? 3 : 0, 0, 8, 8, 0); break;
    case Pose::Graetsche: liegend(f, s, seite, 0, false); break;
    case Pose::Liegen: liegend(f, s, seite, 0, bild % 2 == 0); break;
    case Pose::Aufstehen:
        if (bild < bilder / 2) liegend(f, s, seite, 0, true);
        else aufrecht(f, s, seite, vorne, 0, 0, 0, 0, 0);
        break;
    case Pose::Jubel: aufrecht(f, s, seite, vorne, bild % 4 < 2 ? 3 : 0, 0, 10, 10, 0); break;
    case Pose::Frust: aufrecht(f, s, seite, vorne, -2, 0, 9, 9, 0); break;
    case Pose::Pfeifen: aufrecht(f, s, seite, vorne, 0, 0, 0, 5, 0); break;
    case Pose::Karte_Gelb:
    case Pose::Karte_Rot: {
        aufrecht(f, s, seite, vorne, 0, 0, 0, 10, 0);
        const uint8_t k = pose == Pose::Karte_Gelb ? uint8_t(SZ_FAHNE_GELB) : uint8_t(SZ_KARTE_ROT);
        f.r(FUSS_X + 6, FUSS_Y - 30, FUSS_X + 8, FUSS_Y - 27, k);
        break;
    }
    case Pose::Fahne: aufrecht(f, s, seite, vorne, 0, 0, 0, 8, 0); break;
    }
    return f;
}

Pose pose_von(int32_t c)
{
    if (c == 0 || c == 1 || (c >= 5 && c <= 8) || c == 36 || c == 82 || c == 84) return Pose::Stehen;
    if ((c >= 2 && c <= 4) || c == 38 || c == 43 || (c >= 76 && c <= 81) || c == 85 || c == 87) return Pose::Laufen;
    if (c == 37 || c == 39 || c == 41 || c == 42) return Pose::Hecht;
    if (c == 40 || (c >= 44 && c <= 48)) return Pose::Fangen;
    if (c == 62 || c == 101 || c == 63 || c == 100) return Pose::Graetsche;
    if (c == 66 || c == 69 || c == 70) return Pose::Kopf;
    if (c == 67) return Pose::Aufstehen;
    if (c == 68 || c == 35) return Pose::Liegen;
    if (c == 64 || c == 65 || c == 102 || c == 104 || (c >= 117 && c <= 120)) return Pose::Jubel;
    if (c == 103 || c == 105 || c == 106 || c == 121 || c == 122) return Pose::Frust;
    if (c == 86 || c == 88) return Pose::Pfeifen;
    if (c == 89) return Pose::Karte_Gelb;
    if (c == 90) return Pose::Karte_Rot;
    if (c == 91) return Pose::Fahne;
    if (c == 99) return Pose::Sitzen;
    return Pose::Schuss;
}

bool schiedsrichter_code(int32_t c) { return (c >= 76 && c <= 91) && c != 83; }
bool linienrichter_code(int32_t c) { return c == 77 || c == 79 || c == 81 || c == 84 || c == 91; }

Resf_Bytes block_mit_fuss(const Figur& f, int32_t fuss_x, int32_t fuss_y)
{
    Resf_Bytes b = Resf_Sprite_Block(int16_t(f.w), int16_t(f.h), 8, f.px);
    if (b.size() < 8) return b;
    const int16_t hx = int16_t(-fuss_x), hy = int16_t(-fuss_y);
    std::memcpy(b.data() + 4, &hx, 2);
    std::memcpy(b.data() + 6, &hy, 2);
    return b;
}

// ---- ball, flags, goals -------------------------------------------------------------------

Figur ball(int32_t art, int32_t bild)
{
    Figur f;
    f.w = 8;
    f.h = 10;
    f.px.assign(size_t(f.w * f.h), 0);
    if (art != 9) f.r(1, 8, 6, 9, SZ_SCHATTEN);  // shadow
    if (art != 11) {
        f.kreis(4, 4, 2, SZ_WEISS);
        f.p(3 + bild % 2, 3 + (bild / 2) % 2, SZ_SCHWARZ);
    }
    return f;
}

Figur eckfahne(int32_t bild)
{
    Figur f;
    f.w = 10;
    f.h = 22;
    f.px.assign(size_t(f.w * f.h), 0);
    f.r(1, 2, 1, 21, SZ_WEISS);
    const int32_t w = bild % 2;
    f.r(2, 2 + w, 7, 6 + w, SZ_FAHNE_GELB);
    return f;
}

// A whole goal (posts, bar, net) drawn through the projection; the anchor is the crossbar
// centre's ground point. Goal g 0 at x 0, 1 at the far end; halb: at half size.
Figur tor(int32_t g, bool halb, int32_t* anker_x, int32_t* anker_y)
{
    const float x0 = g ? float(Spielfeld_Masse[0]) : 0.0f, tief = g ? 185.0f : -185.0f;
    const float y1 = float(Spielfeld_Masse[2]), y2 = float(Spielfeld_Masse[4]), mitte = (y1 + y2) / 2, hoch = 244.0f;
    const float s = halb ? 0.5f : 1.0f;
    int32_t ax = 0, ay = 0;
    Spielszenen_Feld_Zu_Bild(nullptr, x0, mitte, 0, &ax, &ay);
    auto proj = [&](float x, float y, float z, float* px, float* py) {
        int32_t bx = 0, by = 0;
        Spielszenen_Feld_Zu_Bild(nullptr, x, y, z, &bx, &by);
        *px = float(bx - ax) * s;
        *py = float(by - ay) * s;
    };
    Figur f;
    f.w = halb ? 80 : 150;
    f.h = halb ? 30 : 56;
    f.px.assign(size_t(f.w * f.h), 0);
    *anker_x = f.w / 2;
    *anker_y = f.h - (halb ? 8 : 14);
    auto linie3 = [&](float xa, float ya, float za, float xb, float yb, float zb, uint8_t c, bool dick) {
        float pa, qa, pb, qb;
        proj(xa, ya, za, &pa, &qa);
        proj(xb, yb, zb, &pb, &qb);
        const int32_t n = int32_t(std::max(std::fabs(pb - pa), std::fabs(qb - qa))) + 1;
        for (int32_t i = 0; i <= n; ++i) {
            const int32_t x = *anker_x + int32_t(std::lround(pa + (pb - pa) * float(i) / float(n)));
            const int32_t y = *anker_y + int32_t(std::lround(qa + (qb - qa) * float(i) / float(n)));
            f.p(x, y, c);
            if (dick) f.p(x, y - 1, c);
        }
    };
    // net: a grid on the back, the roof and the sides
    for (int32_t i = 0; i <= 12; ++i) {
        const float y = y1 + (y2 - y1) * float(i) / 12.0f;
        linie3(x0 + tief, y, 0, x0 + tief, y, hoch * 0.8f, SZ_NETZ, false);
        linie3(x0, y, hoch, x0 + tief, y, hoch * 0.8f, SZ_NETZ, false);
    }
    for (int32_t k = 0; k <= 4; ++k) {
        const float z = hoch * 0.8f * float(k) / 4.0f;
        linie3(x0 + tief, y1, z, x0 + tief, y2, z, SZ_NETZ, false);
        linie3(x0, y1, z, x0 + tief, y1, z, SZ_NETZ, false);
        linie3(x0, y2, z, x0 + tief, y2, z, SZ_NETZ, false);
    }
    // posts and crossbar in white
    linie3(x0, y1, 0, x0, y1, hoch, SZ_WEISS, true);
    linie3(x0, y2, 0, x0, y2, hoch, SZ_WEISS, true);
    linie3(x0, y1, hoch, x0, y2, hoch, SZ_WEISS, true);
    return f;
}

// Goal part k (0..15): the crossbar part of each goal carries the whole goal, the others a knot.
Resf_Bytes torteil(int32_t k, bool halb)
{
    const int32_t teil = k % 8;
    int32_t ax = 0, ay = 0;
    Figur f;
    if (teil % 4 == 0) {
        f = tor(teil / 4, halb, &ax, &ay);
    } else {
        f.w = f.h = 1;
        f.px.assign(1, SZ_NETZ);
    }
    return block_mit_fuss(f, ax, ay);
}

Resf_Bytes animation(int32_t code, int32_t richtung)
{
    const Spielszenen_Animation& a = SPIELSZENEN_ANIMATIONSDATEN[size_t(code)];
    std::vector<Resf_Bytes> bloecke;
    const int32_t bilder = std::max(1, a.bilder);
    for (int32_t b = 0; b < bilder; ++b) {
        if (code >= 9 && code <= 11) {
            bloecke.push_back(block_mit_fuss(ball(code, b), 4, code == 9 ? 6 : 8));
        } else if (code >= 12 && code <= 15) {
            bloecke.push_back(block_mit_fuss(eckfahne(b), 1, 21));
        } else if (code >= 16 && code <= 31) {
            bloecke.push_back(torteil(code - 16, false));
        } else {
            Stil s{SZ_HEMD, SZ_BESATZ, SZ_HOSE, SZ_STUTZEN, SZ_HAUT, false};
            if (schiedsrichter_code(code)) {
                s = {SZ_SCHWARZ, SZ_SCHWARZ, SZ_SCHWARZ, SZ_SCHWARZ, SZ_HAUT, linienrichter_code(code)};
                s.besatz = SZ_WEISS;
            }
            bloecke.push_back(block_mit_fuss(figur(pose_von(code), s, richtung, b, bilder), FUSS_X, FUSS_Y));
        }
    }
    return Resf_Sprite_Liste(bloecke);
}

Resf_Bytes tor_halb(int32_t k)
{
    const int32_t bilder = k < 8 ? SPIELSZENEN_ANIMATIONSDATEN[size_t(16 + k)].bilder : 1;
    std::vector<Resf_Bytes> bloecke(size_t(std::max(1, bilder)), torteil(k, true));
    return Resf_Sprite_Liste(bloecke);
}

// ---- 16-bit sheets ------------------------------------------------------------------------

const uint16_t RAHMEN_GRUND = rgb(28, 36, 52), RAHMEN_HELL = rgb(70, 86, 112), RAHMEN_DUNKEL = rgb(12, 16, 24);

void relief(Bild_Flaeche& b, int32_t x, int32_t y, int32_t w, int32_t h)
{
    b.rechteck(x, y, w, 1, RAHMEN_DUNKEL);
    b.rechteck(x, y, 1, h, RAHMEN_DUNKEL);
    b.rechteck(x, y + h - 1, w, 1, RAHMEN_HELL);
    b.rechteck(x + w - 1, y, 1, h, RAHMEN_HELL);
}

// The frame of style 0..4: window holes are plain (windows cover them), the gaps between them framed.
Resf_Bitmap rahmen(int32_t stil, int32_t nummer)
{
    Bild_Flaeche b(640, 480, false, RAHMEN_GRUND);
    for (int32_t y = 0; y < 480; y += 4) b.rechteck(0, y, 640, 1, rgb(32, 40, 58));
    const bool oben_halb = stil == 1 || stil == 3, unten_halb = stil == 2 || stil == 3;
    if (stil == 4) relief(b, 4, 3, 605, 473);
    else {
        if (oben_halb) relief(b, 4, 3, 605, 235);
        else relief(b, 4, 3, 300, 235), relief(b, 307, 3, 302, 235);
        if (unten_halb) relief(b, 4, 241, 605, 235);
        else relief(b, 4, 241, 300, 235), relief(b, 307, 241, 302, 235);
    }
    return b.fertig(nummer);
}

// Side panel faces: table, events, mirror, labels, line-up, tactics, camera, replay, pause,
// game, size, skip; 40 px each. zustand 0 plain, 1 pressed, 2 highlighted.
Resf_Bitmap seitenleiste(int32_t zustand, int32_t nummer)
{
    const uint16_t grund = zustand == 1 ? rgb(20, 26, 40) : zustand == 2 ? rgb(60, 76, 110) : rgb(38, 48, 70);
    Bild_Flaeche b(SZ_SEITENLEISTE_BREITE, 480, false, grund);
    const uint16_t s = zustand == 2 ? rgb(255, 230, 120) : rgb(220, 226, 236);
    for (int32_t k = 0; k < SZ_KNOEPFE; ++k) {
        const int32_t y = SZ_KNOPF_Y[k];
        if (zustand == 1) relief(b, 0, y, SZ_KNOPF_B, SZ_KNOPF_H);
        else b.rahmen(0, y, SZ_KNOPF_B, SZ_KNOPF_H, RAHMEN_HELL);
        const int32_t cx = 14, cy = y + 14;
        switch (k) {
        case 0: for (int32_t i = 0; i < 4; ++i) b.rechteck(6, cy - 8 + 4 * i, 16, 2, s); break;           // table
        case 1: for (int32_t i = 0; i < 3; ++i) b.rechteck(6, cy - 6 + 5 * i, 3, 3, s), b.rechteck(11, cy - 6 + 5 * i, 11, 2, s); break;
        case 2: for (int32_t i = 0; i < 6; ++i) b.rechteck(cx - 8 + i, cy - i, 1, 2 * i + 1, s), b.rechteck(cx + 8 - i, cy - i, 1, 2 * i + 1, s); break;
        case 3: b.rechteck(6, cy - 4, 16, 8, s); b.rechteck(8, cy - 2, 12, 4, grund); break;              // labels
        case 4: for (int32_t i = 0; i < 3; ++i) b.rechteck(7 + 6 * i, cy - 7, 3, 14, s); break;           // line-up
        case 5: b.rahmen(6, cy - 8, 16, 16, s); b.rechteck(13, cy - 8, 1, 16, s); b.rechteck(6, cy, 16, 1, s); break;
        case 6: b.rechteck(7, cy - 4, 12, 9, s); b.rechteck(19, cy - 2, 3, 5, s); break;                 // camera
        case 7: for (int32_t i = 0; i < 6; ++i) b.rechteck(8 + i, cy - 6 + i, 1, 12 - 2 * i, s), b.rechteck(15 + i, cy - 6 + i, 1, 12 - 2 * i, s); break;
        case 8: b.rechteck(9, cy - 7, 4, 14, s); b.rechteck(16, cy - 7, 4, 14, s); break;                // pause
        case 9: b.rahmen(6, cy - 6, 16, 12, s); b.rechteck(13, cy - 6, 1, 12, s); break;                 // game
        case 10: b.rahmen(6, cy - 7, 16, 14, s); b.rahmen(9, cy - 4, 10, 8, s); break;                  // size
        default: for (int32_t i = 0; i < 7; ++i) b.rechteck(7 + i, cy - 7 + i, 2, 14 - 2 * i, s); b.rechteck(17, cy - 7, 3, 14, s); break;
        }
    }
    return b.fertig(nummer);
}

// Score panel bases: a bar with the own side's end lit; crests and names come at run time.
Resf_Bitmap kopfzeile(int32_t id)
{
    const int32_t k = id - SZ_KOPFZEILE, w = k < 3 ? SZ_KOPF_BREITE : SZ_KOPF_HALB_BREITE, seite = k % 3;
    Bild_Flaeche b(w, SZ_KOPF_HOEHE, false, rgb(18, 22, 34));
    for (int32_t y = 0; y < SZ_KOPF_HOEHE; ++y) b.rechteck(0, y, w, 1, rgb(18 + y, 22 + y, 34 + 2 * y));
    relief(b, 0, 0, w, SZ_KOPF_HOEHE);
    const uint16_t licht = rgb(200, 160, 40);
    if (seite == 0) b.rechteck(1, SZ_KOPF_HOEHE - 3, w / 3, 2, licht);
    if (seite == 1) b.rechteck(w - 1 - w / 3, SZ_KOPF_HOEHE - 3, w / 3, 2, licht);
    return b.fertig(id);
}

// The tactics panel: title strip, two rows of four tactic buttons, the effort track, and its
// highlights, close button and knob (the panel places them at these offsets).
Resf_Bitmap taktik_bild(const Manifest_Eintrag& e)
{
    static constexpr int32_t KNOPF_X[8] = {2, 85, 159, 232, 2, 79, 152, 225};
    const int32_t n = e.nummer, w = e.width, h = e.height;
    if (n == SZ_TAKTIK_PANEL) {
        Bild_Flaeche b(w, h, false, rgb(30, 40, 60));
        b.rechteck(0, 0, w, 14, rgb(60, 80, 120));
        b.rechteck(0, 44, w, 1, rgb(70, 86, 112));
        for (int32_t k = 0; k < 8; ++k) b.rahmen(KNOPF_X[k], k < 4 ? 54 : 76, 72, 21, rgb(90, 110, 150));
        b.rechteck(7, 122, 211, 11, rgb(14, 18, 28));
        b.rahmen(7, 122, 211, 11, rgb(90, 110, 150));
        b.rahmen(288, 109, 16, 16, rgb(150, 60, 60));
        for (int32_t i = 4; i < 12; ++i) b.setzen(288 + i, 109 + i, rgb(200, 200, 200)), b.setzen(303 - i, 109 + i, rgb(200, 200, 200));
        relief(b, 0, 0, w, h);
        return b.fertig(n);
    }
    if (n >= SZ_TAKTIK_KNOPF && n < SZ_TAKTIK_KNOPF + 8) {
        Bild_Flaeche b(w, h, false, rgb(60, 90, 150));
        b.rahmen(0, 0, w, h, rgb(230, 230, 120));
        return b.fertig(n);
    }
    Bild_Flaeche b(w, h, true, 0);
    if (n == SZ_TAKTIK_SCHLIESSEN) {
        b.rechteck(0, 0, w, h, rgb(150, 40, 40));
        for (int32_t i = 3; i < w - 3; ++i) b.setzen(i, i, rgb(255, 255, 255)), b.setzen(w - 1 - i, i, rgb(255, 255, 255));
    } else {
        b.rechteck(0, 0, w, h, rgb(200, 200, 210));
        b.rahmen(0, 0, w, h, rgb(60, 60, 70));
        b.rechteck(w / 2, 2, 1, h - 4, rgb(60, 60, 70));
    }
    return b.fertig(n);
}

Resf_Bitmap festbild(const Manifest_Eintrag& e)
{
    if ((e.nummer >= SZ_TAKTIK_PANEL && e.nummer <= SZ_TAKTIK_SCHLIESSEN) || e.nummer == SZ_TAKTIK_REGLER) return taktik_bild(e);
    const bool ergebnis = e.nummer == SZ_ERGEBNIS_KOPF || e.nummer == SZ_ERGEBNIS_FUSS;
    if (e.nummer == SZ_EREIGNIS_KOPF || e.nummer == SZ_EREIGNIS_FUSS || e.nummer == SZ_TABELLE_KOPF || e.nummer == SZ_TABELLE_FUSS ||
        ergebnis) {
        // the results' head and foot a shade greener than the table's, so the two are told apart
        Bild_Flaeche b(e.width, e.height, false, ergebnis ? rgb(34, 62, 66) : rgb(40, 52, 80));
        b.rechteck(0, 0, e.width, 2, rgb(90, 110, 150));
        relief(b, 0, 0, e.width, e.height);
        if (e.nummer == SZ_EREIGNIS_FUSS) b.rahmen(e.width - 20, 1, 16, 16, rgb(150, 60, 60));
        if (e.nummer == SZ_TABELLE_FUSS || e.nummer == SZ_ERGEBNIS_FUSS) {  // close, content and variant buttons
            const int32_t zu = e.nummer == SZ_TABELLE_FUSS ? 242 : SZ_ERGEBNIS_SCHLIESSEN_X + 5;
            for (const auto& k : {std::array<int32_t, 2>{zu, 32}, std::array<int32_t, 2>{116, 42}, std::array<int32_t, 2>{167, 30}})
                b.rahmen(k[0], 8, k[1], 24, rgb(90, 110, 150));
            for (int32_t i = 4; i < 16; ++i) b.setzen(zu + 10 + i - 4, 14 + i - 4, rgb(220, 220, 220)), b.setzen(zu + 21 - i + 4, 14 + i - 4, rgb(220, 220, 220));
            for (int32_t i = 0; i < 4; ++i) b.rechteck(116 + 8, 12 + 4 * i, 26, 2, rgb(200, 200, 210));
            b.rahmen(167 + 6, 12, 18, 16, rgb(200, 200, 210));
        }
        return b.fertig(e.nummer);
    }
    if (e.nummer == SZ_TABELLE_INHALT || e.nummer == SZ_TABELLE_ART || (e.nummer >= SZ_ERGEBNIS_KNOPF && e.nummer < SZ_ERGEBNIS_KNOPF + 3)) {
        Bild_Flaeche b(e.width, e.height, true, 0);
        // the results' close and variant highlights are narrower than their sheet
        const int32_t k = e.nummer - SZ_ERGEBNIS_KNOPF, w = k == 0 ? 32 : k == 2 ? 30 : e.width;
        b.rahmen(0, 0, w, e.height, rgb(230, 230, 120));
        return b.fertig(e.nummer);
    }
    if (e.nummer == SZ_EREIGNIS_SCHLIESSEN || (e.nummer >= SZ_MARKEN_ERSTE && e.nummer < SZ_MARKEN_ERSTE + SZ_MARKEN)) {
        Bild_Flaeche b(e.width, e.height, true, 0);
        const int32_t k = e.nummer - SZ_MARKEN_ERSTE;
        if (e.nummer == SZ_EREIGNIS_SCHLIESSEN) {
            b.rechteck(0, 0, e.width, e.height, rgb(200, 50, 50));
            for (int32_t i = 3; i < e.width - 3; ++i) b.setzen(i, i, rgb(255, 255, 255)), b.setzen(e.width - 1 - i, i, rgb(255, 255, 255));
        } else if (e.nummer == SZ_MARKE_GELB_ROT) {
            b.rechteck(2, 0, 6, 10, rgb(250, 220, 0)), b.rechteck(5, 2, 6, 10, rgb(220, 30, 30));
        } else if (e.nummer == SZ_MARKE_ROT || e.nummer == SZ_MARKE_GELB) {
            b.rechteck(3, 1, 7, 10, e.nummer == SZ_MARKE_ROT ? rgb(220, 30, 30) : rgb(250, 220, 0));
        } else {
            // the goal and further marks: a ball and small signs
            b.rechteck(3, 3, 6, 6, k == 0 ? rgb(255, 255, 255) : rgb(120, 200, 255));
            b.rahmen(2, 2, 8, 8, rgb(30, 30, 30));
        }
        return b.fertig(e.nummer);
    }
    if (e.nummer == SZ_BALKEN_GRUND || e.nummer == SZ_BALKEN_VOLL) {
        const bool voll = e.nummer == SZ_BALKEN_VOLL;
        Bild_Flaeche b(e.width, e.height, false, voll ? rgb(60, 190, 70) : rgb(20, 24, 34));
        b.rahmen(0, 0, e.width, e.height, voll ? rgb(30, 120, 40) : rgb(70, 86, 112));
        return b.fertig(e.nummer);
    }
    if (e.nummer >= SZ_RAHMEN && e.nummer < SZ_RAHMEN + 5) return rahmen(e.nummer - SZ_RAHMEN, e.nummer);
    if (e.nummer >= SZ_SEITENLEISTE && e.nummer < SZ_SEITENLEISTE + 3) return seitenleiste(e.nummer - SZ_SEITENLEISTE, e.nummer);
    if (e.nummer >= SZ_KOPFZEILE && e.nummer < SZ_KOPFZEILE + 6) return kopfzeile(e.nummer);
    Bild_Flaeche b(e.width, e.height, false, rgb(38, 48, 70));
    relief(b, 0, 0, e.width, e.height);
    return b.fertig(e.nummer);
}

// Small 16-bit sprites of the picture array.
Resf_Bytes zeichen(int32_t id, int32_t w, int32_t h)
{
    std::vector<uint16_t> px(size_t(w * h), 0);
    auto p = [&](int32_t x, int32_t y, uint16_t c) {
        if (x >= 0 && y >= 0 && x < w && y < h) px[size_t(y * w + x)] = c ? c : 1;
    };
    auto r = [&](int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint16_t c) {
        for (int32_t y = y0; y <= y1; ++y)
            for (int32_t x = x0; x <= x1; ++x) p(x, y, c);
    };
    int32_t hx = 0, hy = 0;
    if (id >= SZ_ZEIGER && id < SZ_ZEIGER + 12) {
        const Zeiger_Bild z = Zeiger_Bild_Erzeugen(id - SZ_ZEIGER);
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x) {
                const uint32_t i = uint32_t(y * z.width + x);
                if (i < z.pixels.size() && (z.mask[i / 8] >> (i % 8) & 1)) p(x, y, z.pixels[i]);
            }
    } else if (id == SZ_BALKEN_RAHMEN) {
        r(0, 0, w - 1, 0, rgb(20, 20, 20)), r(0, h - 1, w - 1, h - 1, rgb(20, 20, 20));
        r(0, 0, 0, h - 1, rgb(20, 20, 20)), r(w - 1, 0, w - 1, h - 1, rgb(20, 20, 20));
    } else if (id >= SZ_BALKEN_FUELLUNG && id < SZ_BALKEN_FUELLUNG + 16) {
        const int32_t k = id - SZ_BALKEN_FUELLUNG, breite = 1 + (w - 3) * k / 15;
        const uint16_t c = k < 4 ? rgb(220, 40, 30) : k < 8 ? rgb(240, 200, 40) : rgb(60, 200, 60);
        r(1, 1, breite, h - 2, c);
    } else if (id >= SZ_RING && id < SZ_RING + 5) {
        static const uint16_t FARBE[5] = {rgb(255, 255, 255), rgb(255, 220, 0), rgb(80, 160, 255), rgb(255, 80, 80),
                                          rgb(120, 255, 120)};
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x) {
                const float dx = (float(x) - float(w - 1) / 2) / (float(w) / 2), dy = (float(y) - float(h - 1) / 2) / (float(h) / 2);
                const float d = dx * dx + dy * dy;
                if (d <= 1.0f && d >= 0.5f) p(x, y, FARBE[id - SZ_RING]);
            }
        hx = -w / 2;
        hy = -h / 2;
    } else if (id >= SZ_ZEICHEN && id < SZ_ZEICHEN + 6) {
        switch (id - SZ_ZEICHEN) {
        case 0: r(1, 2, 5, 3, rgb(60, 200, 60)), r(6, 8, 10, 9, rgb(220, 40, 30)), p(5, 1, rgb(60, 200, 60)), p(6, 10, rgb(220, 40, 30)); break;
        case 1: r(3, 1, 8, 10, rgb(220, 30, 30)); break;
        case 2: r(2, 1, 6, 9, rgb(250, 220, 0)), r(5, 2, 9, 10, rgb(220, 30, 30)); break;
        case 3: r(2, 1, 2, 10, rgb(230, 230, 230)), r(3, 1, 9, 5, rgb(250, 220, 0)); break;
        case 4: r(5, 1, 6, 7, rgb(250, 160, 0)), r(5, 9, 6, 10, rgb(250, 160, 0)); break;
        default: r(3, 1, 8, 10, rgb(250, 220, 0)); break;
        }
    } else if (id >= SZ_GROESSE_SYMBOL && id < SZ_GROESSE_SYMBOL + 6) {
        const int32_t k = (id - SZ_GROESSE_SYMBOL) % 3;
        r(0, 0, w - 1, h - 1, rgb(200, 200, 210));
        r(1, 1, w - 2, h - 2, rgb(40, 50, 70));
        r(1, 1, k == 0 ? w - 2 : w / 2, k == 2 ? h / 2 : h - 2, rgb(200, 200, 210));
    } else {
        r(0, 0, w - 1, h - 1, rgb(90, 100, 120));
        r(1, 1, w - 2, h - 2, rgb(150, 160, 180));
    }
    std::vector<uint8_t> bytes(px.size() * 2);
    for (size_t i = 0; i < px.size(); ++i) bytes[2 * i] = uint8_t(px[i]), bytes[2 * i + 1] = uint8_t(px[i] >> 8);
    return Resf_Sprite(Resf_Sprite_Block(int16_t(w), int16_t(h), 16, bytes), uint32_t(hx), uint32_t(hy));
}

}  // namespace spielszenen_bild

bool Spielszenen_Resf_Daten(const Manifest_Eintrag& e, Resf_Bytes& daten)
{
    using namespace spielszenen_bild;
    if (std::strcmp(e.datei, "resf_scr.res") != 0) return false;
    if (Tribuenen_Resf_Daten && Tribuenen_Resf_Daten(e, daten)) return true;
    const int32_t n = e.nummer;
    if (e.typ == 14 && n >= SZ_HINTERGRUND_ERSTES && n <= SZ_HINTERGRUND_LETZTES) return daten = hintergrund(n), true;
    if (e.typ == 14 && ((n >= SZ_RAHMEN && n <= 1767) || (n >= SZ_KOPFZEILE && n < SZ_KOPFZEILE + 6) || n == SZ_BALKEN_GRUND ||
                        n == SZ_BALKEN_VOLL || n == SZ_EREIGNIS_KOPF || n == SZ_EREIGNIS_FUSS || n == SZ_EREIGNIS_SCHLIESSEN ||
                        n == SZ_TABELLE_KOPF || n == SZ_TABELLE_FUSS || n == SZ_TABELLE_INHALT || n == SZ_TABELLE_ART ||
                        (n >= SZ_MARKEN_ERSTE && n < SZ_MARKEN_ERSTE + SZ_MARKEN)))
        return daten = Resf_Bitmap_Daten(festbild(e)), true;
    if (e.typ == 38 && n >= SZ_ANIMATION_BASIS && n < Spielszenen_Animation_Erste_Resource(SPIELSZENEN_ANIMATIONEN))
        return daten = animation((n - SZ_ANIMATION_BASIS) / 8, (n - SZ_ANIMATION_BASIS) % 8), true;
    if (e.typ == 38 && n >= SZ_TORE_HALB && n < SZ_TORE_HALB + SZ_TOR_ANIMATIONEN) return daten = tor_halb(n - SZ_TORE_HALB), true;
    if (e.typ == 40 && Spielszenen_Bild_Index(n) >= 0 && !(n >= SZ_RUECKENNUMMER && n < SZ_RUECKENNUMMER + 100))
        return daten = zeichen(n, e.width, e.height), true;
    return false;
}

std::string Spielszenen_Platz_Pruefen(int32_t id)
{
    using namespace spielszenen_bild;
    int32_t art, variante, wetter;
    bool gespiegelt, halb;
    look(id, &art, &variante, &wetter, &gespiegelt, &halb);
    const Platz p = platz_voll(art, variante, wetter, gespiegelt);
    const uint8_t linie_farbe = wetter == 3 ? uint8_t(SZ_LINIE_BLAU) : uint8_t(SZ_WEISS);
    const int32_t* m = Spielfeld_Masse;
    const float ecken[8][2] = {{0, 0}, {float(m[0]), 0}, {0, float(m[1])}, {float(m[0]), float(m[1])},
                               {0, float(m[12])}, {float(m[16]), float(m[12])}, {float(m[16]), float(m[14])},
                               {float(m[17]), float(m[14])}};
    for (const auto& e : ecken) {
        int32_t bx = 0, by = 0;
        Spielszenen_Feld_Zu_Bild(record(gespiegelt), e[0], e[1], 0, &bx, &by);
        bool gefunden = false;
        for (int32_t dy = -1; dy <= 1 && !gefunden; ++dy)
            for (int32_t dx = -1; dx <= 1 && !gefunden; ++dx) {
                const int32_t x = bx + dx, y = by + dy;
                gefunden = x >= 0 && y >= 0 && x < p.w && y < p.h && p.px[size_t(y) * size_t(p.w) + size_t(x)] == linie_farbe;
            }
        if (!gefunden)
            return "Platz " + std::to_string(id) + ": keine Linie bei " + std::to_string(bx) + ", " + std::to_string(by);
    }
    return {};
}
