// Crests and club headers that the statistics screens draw and the toolkit borrows: the
// requester's crest icons and the help bubble's club form. They come with the competition
// screens and statistics services; until then they draw nothing.
#pragma once
#include <cstdint>

struct Menue_Icon;
struct Rastport;

// Refresh procedure: the crest of the club in the icon's tag 1 into the icon's bitmap.
int32_t Statistik_Wappen_Zeichnen(Menue_Icon* icon, uint32_t wert);
// Refresh procedure: the acting manager's crest picture, drawn the same way.
int32_t Statistik_Manager_Wappen_Zeichnen(Menue_Icon* icon, uint32_t wert);
// A club's info header (crest, name, table place) into the bitmap at (x, y).
void Team_Platz_Info_Zeichnen(Rastport* bitmap, int32_t team, int32_t x, int32_t y);
