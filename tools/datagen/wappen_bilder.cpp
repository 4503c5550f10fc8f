#include "tools/datagen/wappen_bilder.h"

#include <cstdlib>
#include <vector>

namespace {

constexpr int W = 48, H = 48;

uint16_t rgb(int r, int g, int b)
{
    uint16_t v = uint16_t(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
    return v ? v : 1;  // visible black is 1
}

// Inside the shield of shape s (0 classic, 1 round, 2 angular)?
bool schild(int s, int x, int y)
{
    if (x < 4 || x > 43 || y < 3 || y > 45) return false;
    int dx = std::abs(2 * x - 47);  // distance from the middle, in half pixels
    if (s == 1) return y < 24 || (dx * dx) / 4 + (y - 24) * (y - 24) <= 21 * 21;
    if (s == 2) return y < 28 || dx <= 2 * (45 - y) + 2;
    return y < 26 || dx * dx / 4 <= 20 * 20 - (y - 26) * (y - 26) * 20 * 20 / (20 * 20);
}

bool emblem(int e, int x, int y)
{
    int cx = x - 24, cy = y - 22;
    switch (e) {
    case 0: return cx * cx + cy * cy <= 64;                        // ball
    case 1: return std::abs(cx) + std::abs(cy) <= 9;               // diamond
    case 2: return (std::abs(cx) <= 2 && std::abs(cy) <= 10) || (std::abs(cy) <= 2 && std::abs(cx) <= 10);  // cross
    default: return cy >= -4 && cy <= 6 && std::abs(cy + std::abs(cx) - 2) <= 2 && std::abs(cx) <= 10;     // chevron
    }
}

}  // namespace

Resf_Bitmap Manager_Wappen_Bild(int32_t n)
{
    static const int farben[12][6] = {
        {200, 30, 30, 255, 255, 255}, {20, 60, 170, 255, 220, 0}, {0, 120, 50, 255, 255, 255},
        {20, 20, 20, 240, 200, 40},   {120, 0, 120, 255, 255, 255}, {250, 120, 0, 20, 20, 20},
        {0, 110, 120, 250, 250, 200}, {160, 160, 160, 150, 0, 0},   {90, 50, 20, 240, 200, 120},
        {255, 220, 0, 20, 60, 170},   {100, 190, 250, 10, 40, 100}, {240, 240, 240, 0, 120, 50},
    };
    const int i = ((n % MANAGER_WAPPEN_ZAHL) + MANAGER_WAPPEN_ZAHL) % MANAGER_WAPPEN_ZAHL;
    const int* f = farben[i];
    const uint16_t grund = rgb(f[0], f[1], f[2]), zeichen = rgb(f[3], f[4], f[5]), rand = rgb(30, 30, 30);
    const int form = i % 3, bild = (i / 3 + i) % 4;
    Resf_Bitmap b;
    b.width = W;
    b.height = H;
    b.depth = 16;
    b.pixels.assign(2 * W * H, 0);
    b.mask.assign((W * H + 7) / 8, 0);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (!schild(form, x, y)) continue;
            bool kante = !schild(form, x - 1, y) || !schild(form, x + 1, y) || !schild(form, x, y - 1) ||
                         !schild(form, x, y + 1);
            uint16_t v = kante ? rand : emblem(bild, x, y) ? zeichen : grund;
            int k = y * W + x;
            b.pixels[size_t(2 * k)] = uint8_t(v);
            b.pixels[size_t(2 * k + 1)] = uint8_t(v >> 8);
            b.mask[size_t(k / 8)] |= uint8_t(1u << (k % 8));
        }
    return b;
}
