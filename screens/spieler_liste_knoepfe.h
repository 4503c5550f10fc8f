// The controls under a player list of the line-up screen and the transfer search: the colour sorting by the chosen
// attributes ("lt. Kontextm."), the quick sort by one attribute, the extra columns, "only the
// players on the pitch" and, under the own list, the player types.
#pragma once
#include <cstdint>

struct Menue_Icon;

// Fills up to `max` icons for list 0, 1 or 2 from (x, y) on; the count. After a change the
// procedures redraw the area of the lists.
int32_t Spieler_Einsetzen_Listen_Knoepfe(Menue_Icon* aus, int32_t max, int32_t liste, int32_t x, int32_t y);
// A control's click (its list from its number); true when the list changed.
bool Spieler_Einsetzen_Listen_Knopf_Klick(int32_t icon);
// Whether a control shows as on: quick sort, only on the pitch, a player type.
bool Spieler_Einsetzen_Listen_Knopf_An(int32_t icon);
