#include "toolkit/ziehen.h"

#include <cmath>

#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_screen.h"
#include "platform/print.h"
#include "toolkit/slave.h"

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
static constexpr int16_t zone_x_vorgabe[6] = {5, 20, 32, 44, 55, 67};
static constexpr int16_t zone_y_vorgabe[6] = {14, 15, 16, 16, 15, 14};

// Place and picture of a rocker zone; -1 in the descriptor takes the default.
static Rastport* zone_bild(const Menue_Icon* icon, int32_t zone, int32_t* x, int32_t* y)
{
    const auto* w = static_cast<const Menue_Wert_Beschreibung*>(icon->daten);
    const int16_t zx = w && w->zone_x[zone] != -1 ? w->zone_x[zone] : zone_x_vorgabe[zone];
    const int16_t zy = w && w->zone_y[zone] != -1 ? w->zone_y[zone] : zone_y_vorgabe[zone];
    const int16_t slave = w && w->zone_slave[zone] != -1 ? w->zone_slave[zone] : int16_t(170 + zone);
    *x = icon->x + zx;
    *y = icon->y + zy;
    return Menue_Get_Slave_Rastport(slave);
}

// The zone whose pressed picture has its centre nearest to the pointer.
int32_t Menue_Wippe_Zone(Menue_Icon* icon, int32_t x, int32_t y)
{
    if (!icon) return 0;
    int32_t beste = -1;
    double abstand = 9999.0;
    for (int32_t zone = 0; zone < 6; ++zone) {
        int32_t zx, zy;
        const Rastport* bild = zone_bild(icon, zone, &zx, &zy);
        if (!bild) {
            Print_Fehler("Wippe: Slave_Rp==NULL!");
            continue;
        }
        const double dx = zx + int32_t(bild->width) / 2 - x, dy = zy + int32_t(bild->height) / 2 - y;
        const double d = std::sqrt(dx * dx + dy * dy);
        if (d < abstand) abstand = d, beste = zone;
    }
    if (beste < 0) {
        Print_Fehler("Menue_Icons_Check:found_eingabefeld_button_nr==NIX!");
        return 0;
    }
    return beste;
}

void Menue_Wippe_Zone_Zeichnen(Menue_Icon* icon, int32_t zone)
{
    if (!icon || zone < 0 || zone > 5 || !Grafik_Render_Ziel) return;
    int32_t zx, zy;
    Rastport* bild = zone_bild(icon, zone, &zx, &zy);
    if (bild)
        Grafik_Blit_Transparent(bild, 0, 0, int32_t(bild->width), int32_t(bild->height), Grafik_Render_Ziel, zx, zy);
}
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
