// Effects on whole bitmaps, most through the channel planes: the shaded room quadrilateral of
// the player-assignment screen, a brightness map, the soft shadow and glow around a picture,
// a transparent border, and the mask plane of the visible pixels.
#pragma once
#include <cstdint>

#include "graphics/grafik_bitmap.h"

// A new bitmap with mask plane holding the quadrilateral (top edge from (x1, y1) over w1
// pixels, bottom edge from (x2, y2) over w2) filled in the colour, 0 elsewhere; its top left is
// (min(x1, x2), min(y1, y2)). Null for no width or height, or no memory.
Rastport* Grafik_Raum_Maske_Anlegen(int32_t x1, int32_t y1, int32_t w1, int32_t x2, int32_t y2, int32_t w2,
                                    uint16_t farbe, int32_t depth);
// Tints the quadrilateral of rp towards the colour by k / 128.
void Grafik_Raum_Malen(Rastport* rp, int32_t x1, int32_t y1, int32_t w1, int32_t x2, int32_t y2, int32_t w2,
                       uint16_t farbe, int32_t k);
// Adds the value to every pixel of the 16-bit map under the quadrilateral.
void Grafik_Raum_Maske_Malen(Rastport* karte, int32_t x1, int32_t y1, int32_t w1, int32_t x2, int32_t y2,
                             int32_t w2, uint16_t wert);
// Adds the signed 16-bit offsets of the map (rp's size) to all three channels of rp; a pixel
// that would end at 7 or below in every channel keeps blue 8, so it stays visible. 0 (nothing
// changed) for a map of another size.
int Grafik_Kanal_Effekt(Rastport* rp, const Rastport* karte);
// Sets the mask bit of every non-zero pixel of a 15/16-bit rp with a mask plane; 1 when done.
int Grafik_Maske_Aus_Pixeln(Rastport* rp);
// Fills the outermost rows and columns of a 16-bit rp with the byte twice.
void Grafik_Rand_Fuellen(Rastport* rp, uint8_t wert);
// rp's silhouette grown by a pixel each way, two pixels wider and higher (255 at depth 8,
// 0xFFFF else). A pixel counts as visible by its mask bit, else when it is non-zero.
Rastport* Grafik_Umriss(const Rastport* rp, int32_t depth);
// 8-bit shadow strengths 0..11 around the silhouette, (w + 27) x (h + 23) of it; rp's own
// pixels sit at (x + 14, y + 12) and are lightened by 7. Null when a mouse button is pressed
// during the build of an 8-bit silhouette, or for no memory.
Rastport* Grafik_Schatten_Karte(const Rastport* silhouette, const Rastport* rp);
// The shadow map of rp (unpacked first when packed).
Rastport* Grafik_Effekt_Vorbereiten(const Rastport* rp);
// A new bitmap: the picture (the map's size) tinted by the map between colour 1 and colour 2
// at level 0..11 (0 leaves it as it was). Null when either is missing or packed, the sizes
// differ or memory runs out.
Rastport* Grafik_Hilfe_Bild_Effekt(const Rastport* bild, const Rastport* karte, uint16_t farbe_1,
                                   uint16_t farbe_2, int32_t stufe);
// Darkens rp where the map (rp's size) is above the level.
void Grafik_Schatten_Anwenden(Rastport* rp, const Rastport* karte, int32_t stufe);
void Grafik_Werte_Ordnen(int32_t* a, int32_t* b);
int32_t Grafik_Minimum(int32_t a, int32_t b);
