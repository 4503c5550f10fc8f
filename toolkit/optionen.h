// The options menu of a right click on empty space and the menu-display menu of the club
// icons. They come with their own issue; until then there is no menu.
#pragma once

struct Menue_Icon;
struct Menue_Kontextmenue;

// The options menu; null when there is none (no game under way).
Menue_Kontextmenue* Menue_Optionen_Kontextmenue();
// "Menü einblenden...", the context menu of the club icons; null when there is none.
Menue_Kontextmenue* Menue_Einblenden_Kontextmenue(Menue_Icon* icon);
