// Crests of clubs and scaling of pictures.
#pragma once
#include <cstdint>

#include "graphics/grafik_bitmap.h"

// The crest of a team (-1: the crest for no team) from the resource file, scaled to w x h when
// w or h is positive; drawn into target at (x, y) and freed (result null), or returned to the
// caller when there is no target.
Rastport* Grafik_Wappen_Laden(int32_t resfile, Rastport* target, int32_t depth, int32_t team,
                              int32_t x, int32_t y, int32_t transparent, int32_t w, int32_t h);
// The crest of a team comes from the game's team data: the crest number (0-599), and whether it
// is a user crest picture of that number. The game registers this at start-up; without it
// every team shows the crest for no team.
using Grafik_Wappen_Hook = int32_t (*)(int32_t team, int32_t* user_bild);
void Grafik_Wappen_Set_Hook(Grafik_Wappen_Hook hook);
constexpr int32_t WAPPEN_BILD_BASIS = 5530;
constexpr int32_t WAPPEN_OHNE_TEAM = 598;
constexpr int32_t WAPPEN_NEUTRAL = 599;
// Shrinks the source into the w x h top-left area of the target.
void Grafik_Bild_Verkleinern(Rastport* source, Rastport* target, int32_t w, int32_t h);
// Fills the target (its own width, height h) from the source by the nearest pixel.
void Grafik_Bild_Vergroessern(Rastport* source, Rastport* target, int32_t h);

// Palette ramps for the palette portraits and the match scene (palette: 256 x 3 bytes, 6-bit).
struct Rgb8 {
    uint8_t r, g, b;
};
// Darkening ramps from list a (12 colours) and, when given, list b into fixed palette ranges.
void Grafik_Palette_Rampen(const Rgb8* a, const Rgb8* b, uint8_t* palette);
// Remap table for one side: identity but for the ranges the colour byte and the mode name.
void Grafik_Palette_Remap_Tabelle(uint8_t colour, uint8_t* table, int32_t side, int32_t mode);
uint8_t Palette_High_Nibble(uint8_t byte);
void Palette_Low_Nibble_Setzen(uint8_t* byte, int32_t value);
// The 6-bit palette value of component c, darkened by d (not below 0).
uint8_t Palette_Shade(int32_t c, int32_t d);
