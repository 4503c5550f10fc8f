#include "matchview/live/spielszenen_grafik.h"

namespace {

void setzen(uint8_t* p, int32_t i, int32_t r, int32_t g, int32_t b)
{
    auto k = [](int32_t v) { return uint8_t(v < 0 ? 0 : v > 63 ? 63 : v); };
    p[3 * i] = k(r);
    p[3 * i + 1] = k(g);
    p[3 * i + 2] = k(b);
}

}  // namespace

void Spielszenen_Szenen_Palette(uint8_t* p)
{
    if (!p) return;
    for (int32_t i = 0; i < 256; ++i) setzen(p, i, i / 4, i / 4, i / 4);
    setzen(p, 0, 0, 0, 0);
    setzen(p, 1, 12, 30, 14);
    setzen(p, SZ_WEISS, 63, 63, 63);
    setzen(p, SZ_SCHWARZ, 6, 6, 7);
    // grass from dark to light: the pitch kinds pick their stripes from this ramp
    for (int32_t i = 0; i < SZ_GRAS_STUFEN; ++i) setzen(p, SZ_GRAS + i, 6 + i / 3, 20 + (i * 25) / 40, 5 + i / 5);
    setzen(p, SZ_BAHN, 40, 18, 12);
    setzen(p, SZ_BAHN + 1, 34, 15, 10);
    setzen(p, SZ_BAHN + 2, 28, 12, 8);
    setzen(p, SZ_BODEN, 18, 18, 20);
    setzen(p, SZ_BODEN + 1, 14, 14, 16);
    setzen(p, SZ_BODEN + 2, 24, 22, 20);
    setzen(p, SZ_SCHNEE, 60, 61, 63);
    setzen(p, SZ_SCHNEE + 1, 55, 57, 60);
    setzen(p, SZ_SCHNEE + 2, 50, 52, 57);
    setzen(p, SZ_SCHNEE + 3, 45, 47, 53);
    setzen(p, SZ_LINIE_BLAU, 10, 20, 55);
    setzen(p, SZ_ERDE, 30, 24, 14);
    setzen(p, SZ_ERDE + 1, 26, 20, 11);
    setzen(p, SZ_ERDE + 2, 22, 17, 9);
    setzen(p, SZ_SCHATTEN, 4, 10, 4);
    setzen(p, SZ_FAHNE_GELB, 63, 56, 5);
    setzen(p, SZ_KARTE_ROT, 58, 6, 6);
    setzen(p, SZ_NETZ, 56, 56, 58);
    setzen(p, SZ_FAN_HEMD, 52, 10, 10);
    setzen(p, SZ_FAN_HEMD + 1, 42, 8, 8);
    setzen(p, SZ_FAN_HEMD + 2, 30, 5, 5);
    setzen(p, SZ_FAN_SCHAL, 62, 62, 62);
    setzen(p, SZ_FAN_HOSE, 12, 12, 16);
    // skin from light to dark, hair colours, then the kit ramps the slot remap replaces
    for (int32_t i = 0; i <= 12; ++i) setzen(p, SZ_HAUT + i, 62 - 3 * i, 55 - 3 * i, 48 - 3 * i);
    static constexpr uint8_t HAAR[8][3] = {{10, 7, 4}, {30, 20, 8}, {50, 40, 18}, {40, 14, 6},
                                           {6, 6, 6},  {44, 44, 44}, {22, 14, 8}, {56, 48, 30}};
    for (int32_t i = 0; i < 8; ++i) setzen(p, 212 + i, HAAR[i][0], HAAR[i][1], HAAR[i][2]);
    for (int32_t i = 232; i <= 247; ++i) setzen(p, i, 40, 40, 44);
    setzen(p, SZ_SCHUH, 4, 4, 5);
}
