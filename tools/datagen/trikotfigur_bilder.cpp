// The full-body kit figures of the player editors, drawn in code: eight 8-bit frames of a player
// juggling a ball (2881) and of a goalkeeper with gloves (3170), in the index ranges that the
// figures' palette (1998) and the kit ramps give: skin 162..168, hair 216 (remapped to 212..219),
// shirt 236..240, shorts 241..245, socks 234..235, gloves 232..233. The background is the top-left
// pixel's colour.
#include <algorithm>
#include <cmath>
#include <vector>

#include "matchview/live/spielszenen_grafik.h"
#include "tools/datagen/gesicht_bilder.h"
#include "tools/datagen/manifest.h"
#include "tools/datagen/resf_writer.h"

// Named, not anonymous: the tests compile several builder files into one unit.
namespace trikotfigur_bild {

constexpr int32_t W = 24, H = 40, FRAMES = 8;
constexpr uint8_t GRUND = 1, WEISS = 15, SCHUH = 16, HAUT = 162, HAAR = 216, HEMD = 236, HOSE = 241, STUTZEN = 234,
                  HANDSCHUH = 232, NAHT = 239;

struct Frame {
    std::vector<uint8_t> px = std::vector<uint8_t>(size_t(W * H), GRUND);
    void p(int32_t x, int32_t y, uint8_t v)
    {
        if (x >= 0 && y >= 0 && x < W && y < H) px[size_t(y * W + x)] = v;
    }
    void rechteck(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint8_t v)
    {
        for (int32_t y = y0; y <= y1; ++y)
            for (int32_t x = x0; x <= x1; ++x) p(x, y, v);
    }
    void kreis(int32_t cx, int32_t cy, int32_t r, uint8_t v)
    {
        for (int32_t y = cy - r; y <= cy + r; ++y)
            for (int32_t x = cx - r; x <= cx + r; ++x)
                if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r) p(x, y, v);
    }
};

Frame figur(int32_t n, bool torwart)
{
    Frame f;
    // the ball's path: foot, knee, head, knee, foot ... and the leg that plays it
    static constexpr int32_t BALL_Y[FRAMES] = {34, 26, 16, 6, 2, 6, 16, 26};
    const bool bein_hoch = n == 0 || n == 1 || n == 7;
    f.kreis(12, 6, 4, HAUT);                   // head
    f.rechteck(8, 1, 16, 3, HAAR);             // hair
    f.p(8, 4, HAAR), f.p(16, 4, HAAR);
    f.p(10, 6, SCHUH), f.p(14, 6, SCHUH);      // eyes
    f.rechteck(11, 10, 13, 11, HAUT);          // neck
    f.rechteck(8, 12, 16, 22, HEMD);           // shirt with its seam
    f.rechteck(8, 12, 8, 22, NAHT);
    f.rechteck(12, 13, 12, 21, uint8_t(HEMD + 1));
    // arms swing with the ball
    const int32_t arm = n % 2 ? 1 : 0;
    f.rechteck(5, 13 - arm, 7, 20 - arm, torwart ? HEMD : HAUT);
    f.rechteck(17, 13 + arm, 19, 20 + arm, torwart ? HEMD : HAUT);
    f.rechteck(5, 21 - arm, 7, 23 - arm, torwart ? HANDSCHUH : HAUT);
    f.rechteck(17, 21 + arm, 19, 23 + arm, torwart ? HANDSCHUH : HAUT);
    f.rechteck(8, 23, 16, 27, HOSE);           // shorts
    // legs: the left stands, the right is raised when it plays the ball
    f.rechteck(9, 28, 11, 32, HAUT);
    f.rechteck(9, 33, 11, 36, STUTZEN);
    f.rechteck(8, 37, 11, 38, SCHUH);
    const int32_t hub = bein_hoch ? 4 : 0;
    f.rechteck(13, 28 - hub, 15, 32 - hub, HAUT);
    f.rechteck(13, 33 - hub, 15, 36 - hub, STUTZEN);
    f.rechteck(13, 37 - hub, 17, 38 - hub, SCHUH);
    // the ball in front, white with a dark patch
    const int32_t by = BALL_Y[n], bx = n >= 3 && n <= 5 ? 12 : 19;
    f.kreis(bx, by, 2, WEISS);
    f.p(bx, by, SCHUH);
    return f;
}

Resf_Bytes palette()
{
    Resf_Bytes p(768, 0);
    auto setzen = [&](int32_t i, int32_t r, int32_t g, int32_t b) {
        p[size_t(3 * i)] = uint8_t(std::clamp(r, 0, 63));
        p[size_t(3 * i + 1)] = uint8_t(std::clamp(g, 0, 63));
        p[size_t(3 * i + 2)] = uint8_t(std::clamp(b, 0, 63));
    };
    // the live scene shares this palette: its colours first, the figures' own on top
    Spielszenen_Szenen_Palette(p.data());
    setzen(GRUND, 12, 30, 14);
    setzen(WEISS, 63, 63, 63);
    setzen(SCHUH, 6, 6, 7);
    // skin from light to dark over 162..174, as the appearance shifts it
    for (int32_t i = 0; i <= 12; ++i) setzen(162 + i, 62 - 3 * i, 55 - 3 * i, 48 - 3 * i);
    // hair colours 0..7 at 212..219
    for (int32_t i = 0; i < 8; ++i) {
        uint8_t rgb[3];
        Gesicht_Haarfarbe_RGB(std::min(i, 4), rgb);
        setzen(212 + i, rgb[0] / 4, rgb[1] / 4, rgb[2] / 4);
    }
    // kit ramps until a club's colours replace them
    for (int32_t i = 232; i <= 245; ++i) setzen(i, 40, 40, 44);
    return p;
}

Resf_Bytes figuren(bool torwart)
{
    std::vector<Resf_Bytes> bloecke;
    for (int32_t n = 0; n < FRAMES; ++n) bloecke.push_back(Resf_Sprite_Block(W, H, 8, figur(n, torwart).px));
    return Resf_Sprite_Liste(bloecke);
}

}  // namespace trikotfigur_bild

// The figure lists and their palette; empty for any other entry.
Resf_Bytes Trikotfigur_Resf_Daten(const Manifest_Eintrag& e)
{
    if (e.nummer == 2881 && e.typ == 38) return trikotfigur_bild::figuren(false);
    if (e.nummer == 3170 && e.typ == 38) return trikotfigur_bild::figuren(true);
    if (e.nummer == 1998 && e.typ == 48) return Resf_Palette(trikotfigur_bild::palette());
    return {};
}
