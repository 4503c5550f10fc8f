// The small player figures and the player card that other screens' player lists draw: a figure
// picture tinted in a colour with a marker on the part of the body an attribute belongs to; the
// card with portrait, type, status marks, number, name, club and the best attributes.
#pragma once
#include <cstdint>

struct Rastport;
struct Menue_Icon;

// The figure kind that shows an attribute (0..27): 0 standing, 1 running and kicking, 2 jumping
// for a header, 3 a goalkeeper.
int32_t Spieler_Figur_Art(int32_t attribut);
// The marker's place on a figure of that kind for an attribute (index), relative to the figure;
// false for an index outside 0..27.
bool Spieler_Figur_Marke_Ort(int32_t art, int32_t index, int32_t* x, int32_t* y);
// Draws figure picture art (0..3) at (x, y), tinted with entry `farbe` of the pitch figures'
// colour table, and the marker of attribute `index` (-1 none). Nothing for a kind outside 0..3.
void Spieler_Figur_Zeichnen(int32_t art, int32_t index, Rastport* ziel, int32_t x, int32_t y, int32_t farbe);
// The same in a colour of its own (RGB565), as a club's kit gives it.
void Spieler_Figur_Zeichnen_Rgb(int32_t art, int32_t index, Rastport* ziel, int32_t x, int32_t y, uint16_t rgb);
// The player's portrait standing on his figure (twice the small size) in his club's shirt, the
// whole 48 x 96 from (x, y); the club -1 finds his club.
void Spieler_Figur_Mit_Gesicht(Rastport* ziel, int32_t x, int32_t y, int32_t spnr, int32_t team);
// A club's shirt colour (its first kit colour) as RGB565; a light grey without a club.
uint16_t Spieler_Figur_Trikotfarbe(int32_t team);

// The player card of an icon (player kennung_1, team kennung_2, colour-table entry in farbe) at
// the icon's place; an icon without a player draws nothing. Scaled down into a smaller icon.
void Spieler_Einsetzen_Spielerliste_Zeichnen(Menue_Icon* icon, Rastport* ziel);
