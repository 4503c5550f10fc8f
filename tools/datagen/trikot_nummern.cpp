#include "tools/datagen/trikot_nummern.h"

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
