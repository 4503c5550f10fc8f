// Small shirt pictures: a base picture recoloured to a team's kit, with the back number.
#pragma once
#include <cstdint>

#include "graphics/grafik_bitmap.h"

// Style flags of Grafik_Spielerfigur_Erzeugen.
constexpr int32_t FIGUR_STIL_A = 1;       // base picture 139, number at (10, 13)
constexpr int32_t FIGUR_STIL_B = 2;       // base picture 328, number at (10, 19)
constexpr int32_t FIGUR_EIGENE_FARBE = 4; // the colour argument instead of the kit colour
constexpr int32_t FIGUR_STIL_C = 8;       // base picture 212, number at (10, 13)
constexpr int32_t FIGUR_OHNE_NUMMER = 16;

constexpr int32_t F_TRIKOT_SPIELER = 0;
constexpr int32_t F_TRIKOT_TORWART = 8;
constexpr int32_t POSITION_TORWART = 459;

// What the shirts need of the game's database; the game registers it at start-up.
struct Grafik_Spielerfigur_Daten {
    const uint8_t* (*kit)(int32_t team);          // 12 RGB triplets, or null
    int32_t (*position)(int32_t spieler);         // player value 57
    int32_t (*rueckennummer)(int32_t team, int32_t spieler);  // squad value 300
};
void Grafik_Spielerfigur_Set_Daten(const Grafik_Spielerfigur_Daten& daten);

Rastport* Grafik_Spielerfigur_Erzeugen(Rastport* target, int32_t spieler, int32_t team, int32_t stil,
                                       uint16_t farbe);
int Grafik_Spielerfigur_Sprite_Zeichnen(Rastport* dst, int32_t spieler, int32_t team, int32_t x,
                                        int32_t y);
// Frees the base pictures and number sprites (at game end).
void Grafik_Spielerfigur_Cache_Freigeben();
// In the rectangle every pixel of the old colour becomes the new one (15/16-bit); 0 when rp is
// null or packed or the rectangle does not lie inside.
int Grafik_Farbe_Ersetzen(Rastport* rp, int32_t x, int32_t y, int32_t w, int32_t h, uint16_t alt,
                          uint16_t neu);
// Every 0 pixel of a 15/16-bit bitmap becomes 1.
void Grafik_Nullpixel_Ersetzen(Rastport* rp);
