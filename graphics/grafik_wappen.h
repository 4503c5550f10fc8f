// Crests of clubs and scaling of pictures.
#pragma once
#include <cstdint>

#include "graphics/grafik_bitmap.h"

// The crest of a team (-1: the crest for no team) from the resource file, scaled to w x h when
// w or h is positive; drawn into target at (x, y) and freed (result null), or returned to the
// caller when there is no target.
Rastport* Grafik_Wappen_Laden(int32_t resfile, Rastport* target, int32_t depth, int32_t team,
                              int32_t x, int32_t y, int32_t transparent, int32_t w, int32_t h);
// Shrinks the source into the w x h top-left area of the target.
void Grafik_Bild_Verkleinern(Rastport* source, Rastport* target, int32_t w, int32_t h);
// Fills the target (its own width, height h) from the source by the nearest pixel.
void Grafik_Bild_Vergroessern(Rastport* source, Rastport* target, int32_t h);
