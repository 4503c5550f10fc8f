#include "tools/datagen/zeiger_bilder.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int N = ZEIGER_BILD_GROESSE;

constexpr uint16_t rgb(int r, int g, int b)
{
    return uint16_t((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3));
}

constexpr uint16_t SCHWARZ = 1;  // 0 would be transparent
constexpr uint16_t WEISS = rgb(255, 255, 255);
constexpr uint16_t GRAU = rgb(176, 176, 176);
constexpr uint16_t ROT = rgb(214, 40, 40);
constexpr uint16_t GRUEN = rgb(46, 160, 67);
constexpr uint16_t HELLGRUEN = rgb(190, 240, 190);
constexpr uint16_t BLAU = rgb(30, 100, 210);
constexpr uint16_t GELB = rgb(250, 200, 40);
constexpr uint16_t ORANGE = rgb(245, 130, 20);
constexpr uint16_t SAND = rgb(235, 205, 120);


// One picture under construction: shapes are filled and get a one-pixel black outline.
struct Leinwand {
    uint16_t px[N * N] = {};

    // Fills every pixel whose centre lies in the shape; the outline is the shape grown by one
    // pixel, drawn first.
    template <class Drin>
    void form(Drin drin, uint16_t farbe, bool rand = true)
    {
        bool in[N * N];
        for (int y = 0; y < N; ++y)
            for (int x = 0; x < N; ++x) in[y * N + x] = drin(x + 0.5, y + 0.5);
        if (rand)
            for (int y = 0; y < N; ++y)
                for (int x = 0; x < N; ++x) {
                    if (in[y * N + x]) continue;
                    bool nah = false;
                    for (int dy = -1; dy <= 1 && !nah; ++dy)
                        for (int dx = -1; dx <= 1 && !nah; ++dx) {
                            int xx = x + dx, yy = y + dy;
                            nah = xx >= 0 && yy >= 0 && xx < N && yy < N && in[yy * N + xx];
                        }
                    if (nah) px[y * N + x] = SCHWARZ;
                }
        for (int i = 0; i < N * N; ++i)
            if (in[i]) px[i] = farbe;
    }

    void polygon(std::vector<std::pair<double, double>> p, uint16_t farbe, bool rand = true)
    {
        form(
            [&](double x, double y) {
                bool innen = false;
                for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
                    auto [xi, yi] = p[i];
                    auto [xj, yj] = p[j];
                    if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
                        innen = !innen;
                }
                return innen;
            },
            farbe, rand);
    }

    void rechteck(double x, double y, double w, double h, uint16_t farbe, bool rand = true)
    {
        polygon({{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}}, farbe, rand);
    }

    void scheibe(double cx, double cy, double r, uint16_t farbe, bool rand = true)
    {
        form([&](double x, double y) { return std::hypot(x - cx, y - cy) <= r; }, farbe, rand);
    }

    void ring(double cx, double cy, double r, double d, uint16_t farbe)
    {
        form(
            [&](double x, double y) {
                double a = std::hypot(x - cx, y - cy);
                return a <= r && a >= r - d;
            },
            farbe, false);
    }

    // A thick line without outline.
    void strich(double x1, double y1, double x2, double y2, double d, uint16_t farbe)
    {
        form(
            [&](double x, double y) {
                double vx = x2 - x1, vy = y2 - y1;
                double t = std::clamp(((x - x1) * vx + (y - y1) * vy) / (vx * vx + vy * vy), 0.0, 1.0);
                return std::hypot(x - (x1 + t * vx), y - (y1 + t * vy)) <= d / 2;
            },
            farbe, false);
    }
};

// The arrow with its point on pixel (0, 0), about 12 x 20.
void pfeil(Leinwand& l, uint16_t farbe)
{
    l.polygon({{1, 1}, {1, 17}, {5, 13}, {8, 20}, {10.5, 19}, {7.5, 12.5}, {12.5, 12.5}}, farbe);
}

// Small mouse in the lower right with its pressed buttons marked.
void maus(Leinwand& l, bool links, bool rechts)
{
    l.rechteck(17, 14, 12, 16, WEISS);
    l.rechteck(17, 14, 6, 6, links ? ROT : WEISS);
    l.rechteck(23, 14, 6, 6, rechts ? ROT : WEISS);
    l.strich(23, 14, 23, 20, 1, SCHWARZ);
    l.strich(17, 20, 29, 20, 1, SCHWARZ);
}

// Four arrow heads around a centre: "can be moved".
void kreuz(Leinwand& l, double cx, double cy, uint16_t farbe)
{
    l.polygon({{cx - 1.5, cy - 1.5}, {cx - 1.5, cy - 5}, {cx - 4, cy - 5}, {cx, cy - 9}, {cx + 4, cy - 5},
               {cx + 1.5, cy - 5}, {cx + 1.5, cy - 1.5}, {cx + 5, cy - 1.5}, {cx + 5, cy - 4}, {cx + 9, cy},
               {cx + 5, cy + 4}, {cx + 5, cy + 1.5}, {cx + 1.5, cy + 1.5}, {cx + 1.5, cy + 5},
               {cx + 4, cy + 5}, {cx, cy + 9}, {cx - 4, cy + 5}, {cx - 1.5, cy + 5}, {cx - 1.5, cy + 1.5},
               {cx - 5, cy + 1.5}, {cx - 5, cy + 4}, {cx - 9, cy}, {cx - 5, cy - 4}, {cx - 5, cy - 1.5}},
              farbe);
}

void sanduhr(Leinwand& l, double x, double y, double s)
{
    auto p = [&](double a, double b) { return std::pair<double, double>{x + a * s, y + b * s}; };
    l.polygon({p(0, 0), p(10, 0), p(10, 1.5), p(6, 6), p(10, 10.5), p(10, 12), p(0, 12), p(0, 10.5),
               p(4, 6), p(0, 1.5)},
              WEISS);
    l.polygon({p(2, 2), p(8, 2), p(5, 5.5)}, SAND, false);
    l.polygon({p(5, 7), p(8.5, 10.5), p(1.5, 10.5)}, SAND, false);
}

Leinwand zeichnen(int n)
{
    Leinwand l;
    switch (n) {
    case 0: pfeil(l, WEISS); break;
    case 1:
        pfeil(l, GRAU);
        l.scheibe(23, 23, 7.5, WEISS);
        l.ring(23, 23, 7.5, 2, ROT);
        l.strich(18, 18, 28, 28, 2, ROT);
        break;
    case 2:
        pfeil(l, WEISS);
        l.scheibe(23, 22, 7.5, BLAU);
        l.rechteck(22, 21, 2, 6, WEISS, false);
        l.rechteck(22, 17, 2, 2, WEISS, false);
        break;
    case 3:
        pfeil(l, WEISS);
        sanduhr(l, 17, 14, 1.2);
        break;
    case 4:
        pfeil(l, WEISS);
        l.scheibe(23, 23, 7.5, ROT);
        l.strich(19.5, 19.5, 26.5, 26.5, 2.5, WEISS);
        l.strich(26.5, 19.5, 19.5, 26.5, 2.5, WEISS);
        break;
    case 5: sanduhr(l, 1, 1, 2.4); break;
    case 6: pfeil(l, WEISS), maus(l, true, false); break;
    case 7: pfeil(l, WEISS), maus(l, true, true); break;
    case 8: pfeil(l, WEISS), maus(l, false, true); break;
    case 9: kreuz(l, 10, 10, WEISS); break;
    case 10: pfeil(l, HELLGRUEN), kreuz(l, 22, 22, HELLGRUEN); break;
    case 11:
        pfeil(l, WEISS);
        l.rechteck(16, 16, 14, 14, GELB);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) l.rechteck(18 + 4 * i, 18 + 4 * j, 2, 2, SCHWARZ, false);
        break;
    case 12: pfeil(l, HELLGRUEN), maus(l, true, false); break;
    case 13: pfeil(l, HELLGRUEN), maus(l, false, true); break;
    case 14: pfeil(l, HELLGRUEN), maus(l, true, true); break;
    case 15:
        l.polygon({{1, 1}, {10, 1}, {10, 3}, {6.5, 3}, {6.5, 20}, {10, 20}, {10, 22}, {1, 22}, {1, 20},
                   {4.5, 20}, {4.5, 3}, {1, 3}},
                  WEISS);
        break;
    case 16:
        pfeil(l, WEISS);
        l.rechteck(17, 17, 12, 12, WEISS);
        l.rechteck(22, 19, 2, 8, SCHWARZ, false);
        l.rechteck(19, 22, 8, 2, SCHWARZ, false);
        break;
    case 17:
        pfeil(l, WEISS);
        l.polygon({{16, 14}, {30, 22}, {16, 30}}, GRUEN);
        break;
    case 18:
        pfeil(l, WEISS);
        l.rechteck(15, 21, 15, 9, ORANGE);
        l.polygon({{20, 11}, {25, 11}, {25, 17}, {28, 17}, {22.5, 23}, {17, 17}, {20, 17}}, WEISS);
        break;
    // Over the empty screen of a running game: the right button opens the options menu there.
    case 19: pfeil(l, WEISS), maus(l, false, true); break;
    default: break;
    }
    return l;
}

}  // namespace

Zeiger_Bild Zeiger_Bild_Erzeugen(int n)
{
    Zeiger_Bild b;
    if (n < 0 || n >= ZEIGER_BILD_ANZAHL) return b;
    Leinwand l = zeichnen(n);
    b.width = b.height = N;
    b.pixels.assign(l.px, l.px + N * N);
    b.mask.assign((N * N + 7) / 8, 0);
    for (int i = 0; i < N * N; ++i)
        if (b.pixels[i]) b.mask[i / 8] |= uint8_t(1u << (i % 8));
    return b;
}

std::vector<uint8_t> Zeiger_Bild_Bytes(const Zeiger_Bild& bild)
{
    std::vector<uint8_t> bytes(bild.pixels.size() * 2);
    for (size_t i = 0; i < bild.pixels.size(); ++i) {
        bytes[2 * i] = uint8_t(bild.pixels[i]);
        bytes[2 * i + 1] = uint8_t(bild.pixels[i] >> 8);
    }
    return bytes;
}
