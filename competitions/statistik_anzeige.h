// Crests and club headers that the statistics screens draw and the toolkit borrows: the
// requester's crest icons and the help bubble's club form. The club crest and the club header
// come with the competition screens; until then they draw nothing.
#pragma once
#include <cstdint>

struct Menue_Icon;
struct Rastport;

// The one crest routine: draws the picture (taken over and freed) into the icon's bitmap (the
// screen at the icon's place when it has none), after dark one-colour copies 1 to 3 pixels down
// and right as its shadow. The picture is loaded at the icon's size less 3. 1 when drawn.
int32_t Statistik_Wappen_Bild_Zeichnen(Menue_Icon* icon, Rastport* wappen);
// Refresh procedure: the crest of the club in the icon's tag 1 into the icon's bitmap.
int32_t Statistik_Wappen_Zeichnen(Menue_Icon* icon, uint32_t wert);
// Refresh procedure: the crest of the manager of the club in the icon's tag 1 (the acting club).
int32_t Statistik_Manager_Wappen_Zeichnen(Menue_Icon* icon, uint32_t wert);
// A club's info header (crest, name, table place) into the bitmap at (x, y).
void Team_Platz_Info_Zeichnen(Rastport* bitmap, int32_t team, int32_t x, int32_t y);
