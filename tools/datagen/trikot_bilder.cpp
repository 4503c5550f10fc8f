#include "tools/datagen/trikot_bilder.h"

#include <algorithm>
#include <vector>

namespace {

// 3 x 5 digits, one row per byte (bit 2 = left column).
constexpr uint8_t ZIFFERN[10][5] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 7, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 2, 2, 2}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7},
};
constexpr uint16_t HELL = 0xFFFF, DUNKEL = 0x2104;

}  // namespace

Resf_Bytes Trikot_Nummer_Eintrag(int32_t n)
{
    const int w = TRIKOT_NUMMER_BREITE, h = TRIKOT_NUMMER_HOEHE;
    std::vector<uint16_t> bild(size_t(w * h), 0);
    std::vector<int> ziffern;
    if (n >= 10) ziffern.push_back(n / 10 % 10);
    ziffern.push_back(n % 10);
    int x0 = ziffern.size() == 2 ? 2 : 4;
    for (size_t z = 0; z < ziffern.size(); ++z)
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 3; ++x)
                if (ZIFFERN[ziffern[z]][y] & (4 >> x)) bild[size_t((y + 2) * w + x0 + int(z) * 4 + x)] = HELL;
    // the outline: every empty pixel beside a digit pixel
    std::vector<uint16_t> mit = bild;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (bild[size_t(y * w + x)]) continue;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    int xx = x + dx, yy = y + dy;
                    if (xx >= 0 && yy >= 0 && xx < w && yy < h && bild[size_t(yy * w + xx)] == HELL)
                        mit[size_t(y * w + x)] = DUNKEL;
                }
        }
    Resf_Bytes pixel;
    for (uint16_t v : mit) {
        pixel.push_back(uint8_t(v));
        pixel.push_back(uint8_t(v >> 8));
    }
    return Resf_Sprite(Resf_Sprite_Block(int16_t(w), int16_t(h), 16, pixel), 0, 0);
}

Resf_Bitmap Trikot_Grundbild(int32_t nummer)
{
    const int w = 32, h = 48;
    const int stil = nummer == 328 ? 1 : nummer == 212 ? 2 : 0;
    const uint16_t umriss = 0x2104, kragen = 0xFFDF, hose = 0x18C6, streifen = 0xFFFF;
    std::vector<uint16_t> bild(size_t(w * h), 0);
    auto setzen = [&](int x, int y, uint16_t v) {
        if (x >= 0 && y >= 0 && x < w && y < h) bild[size_t(y * w + x)] = v;
    };
    // B sits lower (a longer collar), so the body starts further down
    const int oben = stil == 1 ? 10 : 5, unten = stil == 1 ? 40 : 36;
    for (int y = oben; y <= unten; ++y)
        for (int x = 7; x <= 24; ++x) setzen(x, y, TRIKOT_SCHLUESSEL);
    for (int y = oben + 1; y <= oben + 10; ++y)  // sleeves, narrowing outwards
        for (int x = 1 + (y - oben) / 3; x < 7; ++x) {
            setzen(x, y, TRIKOT_SCHLUESSEL);
            setzen(w - 1 - x, y, TRIKOT_SCHLUESSEL);
        }
    for (int x = 13; x <= 18; ++x) setzen(x, oben, kragen);  // collar
    setzen(14, oben + 1, kragen);
    setzen(17, oben + 1, kragen);
    if (stil == 2)  // C: side stripes
        for (int y = oben + 1; y <= unten; ++y) {
            setzen(8, y, streifen);
            setzen(23, y, streifen);
        }
    // shorts below the shirt
    for (int y = unten + 1; y <= std::min(unten + 6, h - 2); ++y)
        for (int x = 8; x <= 23; ++x)
            if (!(x >= 15 && x <= 16 && y > unten + 3)) setzen(x, y, hose);
    // a dark outline around everything
    std::vector<uint16_t> mit = bild;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (bild[size_t(y * w + x)]) continue;
            for (int d = 0; d < 4; ++d) {
                int xx = x + (d == 0) - (d == 1), yy = y + (d == 2) - (d == 3);
                if (xx >= 0 && yy >= 0 && xx < w && yy < h && bild[size_t(yy * w + xx)]) mit[size_t(y * w + x)] = umriss;
            }
        }
    Resf_Bitmap b;
    b.width = w;
    b.height = h;
    b.depth = 16;
    b.pixels.resize(size_t(2 * w * h));
    b.mask.assign(size_t(w * h + 7) / 8, 0);
    for (int i = 0; i < w * h; ++i) {
        b.pixels[size_t(2 * i)] = uint8_t(mit[size_t(i)]);
        b.pixels[size_t(2 * i + 1)] = uint8_t(mit[size_t(i)] >> 8);
        if (mit[size_t(i)]) b.mask[size_t(i / 8)] |= uint8_t(1u << (i % 8));
    }
    return b;
}
