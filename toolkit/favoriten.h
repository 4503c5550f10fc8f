// Favourite menus and the visit history of the managers. They come with their own issue;
// until then no visit is recorded.
#pragma once
#include <cstdint>

struct Menue_Icon;

// Records the visit of a sub-menu icon in the manager's history.
void Menue_Besucht_Eintragen(int32_t team, Menue_Icon* icon);
