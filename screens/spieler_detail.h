// The player detail pages: what other screens draw with them.
#pragma once
#include <cstdint>

struct Rastport;

// The picture index (slave rastport 368 + index) of attribute number 0..27, -1 none.
extern const int8_t Sp_Attribut_Bilder[28];
// Draws the attribute's picture with see-through pixels at (x, y), or centred on it; its size
// goes to *breite and *hoehe. False, reported, for a missing target or an attribute without
// picture.
bool Sp_Attribute_Blit(Rastport* rp, int32_t attribut, int32_t x, int32_t y, bool zentriert, int32_t* breite,
                       int32_t* hoehe);
