// The stands around the live view's pitch (2183-2494) and the benches (1828-1831): painted along
// the seat blocks the view places its fans on, so that they sit on the steps.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "matchview/live/spielszenen_grafik.h"
#include "matchview/live/spielszenen_szenerie.h"
#include "tools/datagen/manifest.h"
#include "tools/datagen/resf_writer.h"

namespace tribuenen_bild {

uint16_t rgb(int r, int g, int b)
{
    const uint16_t c = uint16_t((std::clamp(r, 0, 255) >> 3) << 11 | (std::clamp(g, 0, 255) >> 2) << 5 | (std::clamp(b, 0, 255) >> 3));
    return c ? c : 1;
}

struct Farben {
    int sitz[3], stufe[3], dach[3];
};

Farben farben(int32_t gruppe, int32_t form)
{
    Farben f{};
    switch (gruppe) {
    case 0: f = {{150, 150, 145}, {110, 110, 105}, {0, 0, 0}}; break;       // concrete terraces
    case 1: f = {{40, 80, 170}, {70, 70, 80}, {150, 155, 165}}; break;      // covered seats
    case 2: f = {{180, 40, 40}, {70, 60, 60}, {120, 120, 130}}; break;      // two tiers
    case 3: f = {{230, 180, 30}, {70, 70, 60}, {100, 110, 120}}; break;
    default: f = {{70, 120, 50}, {95, 80, 50}, {0, 0, 0}}; break;          // grass bank
    }
    if (form == 0)
        for (int& c : f.sitz) c = c * 4 / 5 + 20;
    if (form == 2) f.sitz[0] = f.sitz[1] = f.sitz[2] = 235, f.dach[0] = f.dach[1] = f.dach[2] = 245;
    return f;
}

Resf_Bytes tribuene(int32_t id)
{
    const Spielszenen_Tribuene_Bild t = Spielszenen_Tribuene_Zerlegen(id);
    const float teil = t.voll ? 1.0f : 0.5f;
    const int32_t bw = t.voll ? SZ_BILD_BREITE : SZ_BILD_HALB_BREITE, bh = t.voll ? SZ_BILD_HOEHE : SZ_BILD_HALB_HOEHE;
    const Spielszenen_Block g = Spielszenen_Block_Geometrie((t.gespiegelt ? 12 : 0) + 2 * t.abschnitt);
    const float sitze = float(2 * g.sitze), reihen = t.gruppe < 0 ? 3.0f : float(g.reihen);
    const float dach = t.gruppe >= 1 ? 2.0f : 0.0f;
    const float ox = g.x * teil, oy = g.y * teil, sx = g.sitz_dx * teil, sy = g.sitz_dy * teil, rx = g.reihe_dx * teil,
                ry = g.reihe_dy * teil;
    const float det = sx * ry - sy * rx;
    // bounding box over the block's corners, with its front wall and roof
    float x0 = 1e9f, x1 = -1e9f, y0 = 1e9f, y1 = -1e9f;
    for (float s : {0.0f, sitze})
        for (float r : {-1.0f, reihen + dach}) {
            const float x = ox + s * sx + r * rx, y = oy + s * sy + r * ry;
            x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y - 8 * teil), y1 = std::max(y1, y + 2);
        }
    const int32_t ya = std::clamp(int32_t(y0), 0, bh - 1), ye = std::clamp(int32_t(y1) + 1, ya + 1, bh);
    const int32_t xe = std::clamp(int32_t(x1) + 1, 1, bw), xa = std::clamp(int32_t(x0), 0, xe - 1);
    // the picture is as large as the pitch picture, so that it lies at its place when drawn at 0, 0
    const int32_t w = bw, h = bh;
    std::vector<uint8_t> px(size_t(w) * size_t(h) * 2, 0);
    const Farben f = farben(t.gruppe, t.form);
    for (int32_t y = ya; y < ye; ++y)
        for (int32_t x = xa; x < xe; ++x) {
            const float dx = float(x) - ox, dy = float(y) - oy;
            const float s = (dx * ry - dy * rx) / det, r = (sx * dy - sy * dx) / det;
            if (s < 0 || s >= sitze || det == 0) continue;
            uint16_t c = 0;
            if (r >= -0.7f && r < 0) c = rgb(80, 80, 85);  // front wall
            else if (r >= 0 && r < reihen) {
                const float frac = r - std::floor(r);
                const int32_t reihe = int32_t(r);
                const bool zweite = t.gruppe >= 2 && reihe == int32_t(reihen) / 2 && frac < 0.5f;
                const int shade = (int32_t(s) % 2) * 10 - (reihe % 2) * 6;
                if (zweite) c = rgb(f.dach[0] - 40, f.dach[1] - 40, f.dach[2] - 40);  // the upper tier's edge
                else if (frac < 0.45f) c = rgb(f.stufe[0] + shade, f.stufe[1] + shade, f.stufe[2] + shade);
                else c = rgb(f.sitz[0] + shade, f.sitz[1] + shade, f.sitz[2] + shade);
            } else if (dach > 0 && r >= reihen && r < reihen + dach) {
                const int hell = r < reihen + 0.5f ? -30 : 0;
                c = rgb(f.dach[0] + hell, f.dach[1] + hell, f.dach[2] + hell);
            }
            if (!c) continue;
            const size_t i = (size_t(y) * size_t(w) + size_t(x)) * 2;
            px[i] = uint8_t(c), px[i + 1] = uint8_t(c >> 8);
        }
    return Resf_Sprite(Resf_Sprite_Block(int16_t(w), int16_t(h), 16, px), 0, 0);
}

// A dugout: a grey shell with a dark opening and a clear roof, open towards the pitch, sheared
// along the far touchline (a quarter pixel down per pixel across), its floor at SZ_BANK_BODEN_Y
// in the middle.
Resf_Bytes bank(int32_t id)
{
    const bool halb = id >= SZ_BANK + 2, gespiegelt = (id - SZ_BANK) % 2 == 1;
    const int32_t w = halb ? SZ_BANK_BREITE / 2 : SZ_BANK_BREITE, h = halb ? SZ_BANK_HOEHE / 2 : SZ_BANK_HOEHE;
    const int32_t teil = halb ? 2 : 1, mitte = (w / 2) / 4;
    // the shell's rows so that its floor lies at the floor line in the middle
    const int32_t hoch = SZ_BANK_BODEN_Y / teil - mitte + 1;
    std::vector<uint8_t> px(size_t(w) * size_t(h) * 2, 0);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            const int32_t u = gespiegelt ? w - 1 - x : x, v = y - u / 4;
            if (v < 0 || v >= hoch) continue;
            uint16_t c = rgb(170, 175, 180);
            if (v < 3 / teil + 1) c = rgb(200, 220, 235);
            else if (v < hoch - 3 / teil - 1 && x > 2 / teil && x < w - 3 / teil) c = rgb(35, 35, 45);
            const size_t i = (size_t(y) * size_t(w) + size_t(x)) * 2;
            px[i] = uint8_t(c), px[i + 1] = uint8_t(c >> 8);
        }
    return Resf_Sprite(Resf_Sprite_Block(int16_t(w), int16_t(h), 16, px), 0, 0);
}

// ---- the fans ----------------------------------------------------------------------------

// What a row shows: seated or standing, and what the fan does.
enum class Geste { Ruhe, Arme_Hoch, Klatschen, Schal, Nicken, Springen, Pfeifen, Fahne };
struct Reihe_Art {
    bool sitzt;
    Geste geste;
};
Reihe_Art reihe_art(int32_t reihe)
{
    if (reihe < 6) return {true, Geste::Ruhe};
    if (reihe < 12) return {true, Geste::Arme_Hoch};
    if (reihe < 18) return {false, Geste::Ruhe};
    if (reihe < 24) return {false, Geste::Arme_Hoch};
    if (reihe < 30) return {true, Geste::Klatschen};
    if (reihe < 36) return {false, Geste::Klatschen};
    if (reihe < 42) return {false, Geste::Schal};
    if (reihe < 48) return {false, Geste::Schal};
    if (reihe < 56) return {reihe < 50, Geste::Nicken};
    if (reihe < 68) return {false, Geste::Springen};
    if (reihe < 74) return {false, Geste::Springen};
    if (reihe < 78) return {false, Geste::Pfeifen};
    if (reihe < 82) return {reihe < 80, Geste::Schal};
    return {false, Geste::Fahne};
}

// One frame of a fan, 8-bit in the scene palette, feet at the bottom centre.
Resf_Bytes fan(int32_t reihe, int32_t blick, int32_t bild)
{
    constexpr int32_t W = SZ_ZUSCHAUER_BREITE, H = SZ_ZUSCHAUER_HOEHE;
    std::vector<uint8_t> px(size_t(W * H), 0);
    auto p = [&](int32_t x, int32_t y, uint8_t c) {
        if (x >= 0 && y >= 0 && x < W && y < H) px[size_t(y * W + x)] = c;
    };
    auto r = [&](int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint8_t c) {
        for (int32_t y = y0; y <= y1; ++y)
            for (int32_t x = x0; x <= x1; ++x) p(x, y, c);
    };
    const Reihe_Art a = reihe_art(reihe);
    const uint8_t haut = uint8_t(SZ_HAUT + 2 + reihe % 3 * 3), haar = uint8_t(SZ_HAAR + reihe % 6);
    // jumping lifts the whole fan in the middle frames
    const int32_t hub = a.geste == Geste::Springen && (bild == 1 || bild == 2) ? 2 : 0;
    const int32_t kopf = (a.sitzt ? 5 : 2) - hub, rumpf = kopf + 3, beine = a.sitzt ? 11 : 9 - hub;
    // legs (a seated fan's knees and the seat), torso in the shirt's shades
    if (a.sitzt) r(3, beine, 5, 12, SZ_FAN_HOSE);
    else r(3, beine, 3, 13 - hub, SZ_FAN_HOSE), r(5, beine, 5, 13 - hub, SZ_FAN_HOSE);
    r(2, rumpf, 6, beine - 1, uint8_t(SZ_FAN_HEMD + 1));
    r(3, rumpf, 5, rumpf, SZ_FAN_HEMD);
    r(blick == 1 ? 2 : 6, rumpf + 1, blick == 1 ? 2 : 6, beine - 1, uint8_t(SZ_FAN_HEMD + 2));
    // the head: a face towards the camera, hair from behind, a profile from the side
    r(3, kopf, 5, kopf + 2, haut);
    r(3, kopf, 5, kopf, haar);
    if (blick == 3) r(3, kopf, 5, kopf + 1, haar);
    if (blick == 1) p(3, kopf + 1, haar);
    if (blick == 2) p(5, kopf + 1, haar);
    const bool wechsel = bild % 2 == 1;
    switch (a.geste) {
    case Geste::Ruhe:
    case Geste::Nicken:
        r(1, rumpf + 1, 1, beine - 1, haut), r(7, rumpf + 1, 7, beine - 1, haut);
        if (a.geste == Geste::Nicken && wechsel) r(3, kopf + 1, 5, kopf + 2, haut), p(blick == 2 ? 3 : 5, kopf + 1, haar);
        break;
    case Geste::Arme_Hoch:
    case Geste::Springen: {
        const int32_t oben = kopf - 2 + (wechsel ? 1 : 0);
        r(1, oben, 1, rumpf, haut), r(7, oben, 7, rumpf, haut);
        break;
    }
    case Geste::Klatschen:
        // hands apart, then together in front of the chest
        if (wechsel) r(3, rumpf + 1, 5, rumpf + 1, haut), p(2, rumpf + 2, haut), p(6, rumpf + 2, haut);
        else p(1, rumpf + 1, haut), p(7, rumpf + 1, haut), p(2, rumpf + 2, haut), p(6, rumpf + 2, haut);
        break;
    case Geste::Schal: {
        // the scarf held up between both hands, swaying
        const int32_t y = kopf - 2 + (bild % 4 == 1 ? 1 : 0);
        r(1, y, 1, rumpf, haut), r(7, y, 7, rumpf, haut);
        r(1, y - 1, 7, y - 1, SZ_FAN_SCHAL);
        for (int32_t x = 1; x <= 7; x += 2) p(x + (bild % 2), y - 1, uint8_t(SZ_FAN_HEMD));
        break;
    }
    case Geste::Pfeifen:
        r(7, rumpf + 1, 7, beine - 1, haut);
        p(blick == 2 ? 3 : 5, kopf + 2, haut), p(blick == 2 ? 2 : 6, kopf + 3, haut);
        if (wechsel) p(blick == 2 ? 1 : 7, kopf, SZ_WEISS);
        break;
    case Geste::Fahne: {
        // a flag on a pole, flapping
        r(7, 0, 7, beine - 1, SZ_ERDE);
        r(1, rumpf, 1, beine - 1, haut);
        for (int32_t y = 0; y < 4; ++y)
            for (int32_t x = 2; x < 7; ++x) p(x, y + ((x + bild) % 3 == 0 ? 1 : 0), y < 2 ? uint8_t(SZ_FAN_SCHAL) : uint8_t(SZ_FAN_HEMD));
        break;
    }
    }
    Resf_Bytes b = Resf_Sprite_Block(int16_t(W), int16_t(H), 8, px);
    if (b.size() >= 8) {
        const int16_t hx = -SZ_ZUSCHAUER_FUSS_X, hy = -SZ_ZUSCHAUER_FUSS_Y;
        std::memcpy(b.data() + 4, &hx, 2);
        std::memcpy(b.data() + 6, &hy, 2);
    }
    return b;
}

Resf_Bytes fan_reihe(int32_t reihe)
{
    std::vector<Resf_Bytes> bilder;
    for (int32_t b = 0; b < SZ_ZUSCHAUER_BLICKE; ++b)
        for (int32_t k = 0; k < Spielszenen_Zuschauer_Bilder(reihe); ++k) bilder.push_back(fan(reihe, b, k));
    return Resf_Sprite_Liste(bilder);
}

// A seat back of a two-tier stand's seat colour along the seat line of the facing, feet at
// the bottom of the fan's seat.
Resf_Bytes ueberlagerung(int32_t id)
{
    constexpr int32_t W = SZ_UEBERLAGERUNG_BREITE, H = SZ_UEBERLAGERUNG_HOEHE;
    const int32_t k = id - SZ_UEBERLAGERUNG, art = 5 + k / 4, blick = k % 4;
    const Farben f = farben(art - 3, 1);
    std::vector<uint8_t> px(size_t(W * H) * 2, 0);
    // the touchlines' seat lines fall a pixel in four to the right, behind the goals to the left
    const bool links = blick == 1 || blick == 2;
    for (int32_t x = 0; x < W; ++x)
        for (int32_t y = 0; y < 3; ++y) {
            const int32_t yy = y + (links ? (W - 1 - x) / 4 : x / 4);
            if (yy >= H) continue;
            const int hell = y == 0 ? 30 : 0;
            const uint16_t c = rgb(f.sitz[0] + hell, f.sitz[1] + hell, f.sitz[2] + hell);
            const size_t i = (size_t(yy) * W + size_t(x)) * 2;
            px[i] = uint8_t(c), px[i + 1] = uint8_t(c >> 8);
        }
    return Resf_Sprite(Resf_Sprite_Block(int16_t(W), int16_t(H), 16, px), uint32_t(-W / 2), uint32_t(-(H - 1)));
}

}  // namespace tribuenen_bild

bool Tribuenen_Resf_Daten(const Manifest_Eintrag& e, Resf_Bytes& daten)
{
    using namespace tribuenen_bild;
    if (std::strcmp(e.datei, "resf_scr.res") != 0) return false;
    if (e.typ == 38 && e.nummer >= SZ_ZUSCHAUER_ERSTE && e.nummer < SZ_ZUSCHAUER_ERSTE + SZ_ZUSCHAUER_REIHEN)
        return daten = fan_reihe(e.nummer - SZ_ZUSCHAUER_ERSTE), true;
    if (e.typ != 40) return false;
    if (e.nummer >= SZ_UEBERLAGERUNG && e.nummer < SZ_UEBERLAGERUNG + 8) return daten = ueberlagerung(e.nummer), true;
    if (e.nummer >= SZ_TRIBUENE_ERSTE && e.nummer <= SZ_TRIBUENE_LETZTE) return daten = tribuene(e.nummer), true;
    if (e.nummer >= SZ_BANK && e.nummer < SZ_BANK + 4) return daten = bank(e.nummer), true;
    return false;
}
