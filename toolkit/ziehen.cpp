#include "toolkit/ziehen.h"

#include "toolkit/event.h"
#include "toolkit/icon.h"
#include "toolkit/screen.h"

// Until the drag module lands a draggable icon is only clicked, and a drop just ends.
void Menue_Drag_Start(Menue_Icon*, int32_t, int32_t) {}
void Menue_Drag_Schritt(int32_t, int32_t, int32_t) {}
int8_t Menue_Drop(int32_t, int32_t)
{
    Menue_Gezogenes_Icon = nullptr;
    return 1;
}
int32_t Menue_Wippe_Zone(Menue_Icon*, int32_t, int32_t) { return 0; }
void Menue_Wippe_Zone_Zeichnen(Menue_Icon*, int32_t) {}
int32_t Menue_Wippe_Standard(Menue_Icon*, uint32_t) { return 0; }
Menue_Kontextmenue* Menue_Eingabefeld_Kontextmenue(Menue_Icon*) { return nullptr; }

void Menue_Wippe_Zuruecksetzen(Menue_Icon* icon)
{
    if (!icon || !(icon->flags & ICON_WERTFELD) || uint16_t(icon->kennung_2) != WIPPE_GEDRUECKT) return;
    Menue_Wippe_Verzoegerung = 250;
    Menue_Wippe_Schritt = 10;
    icon->kennung_2 = 0;
    Menue_Screen_Icon_Zeichnen(icon);
}
