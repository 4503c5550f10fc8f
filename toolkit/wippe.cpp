#include "toolkit/wippe.h"

#include <cmath>
#include <cstdio>

#include "graphics/font.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/maus.h"
#include "toolkit/ziehen.h"

namespace {

constexpr int16_t ZONE_X[6] = {5, 20, 32, 44, 55, 67}, ZONE_Y[6] = {14, 15, 16, 16, 15, 14};
constexpr int32_t KNOPF = 11;

Menue_Wert_Beschreibung leer(int32_t minimum, int32_t maximum, int32_t schritt)
{
    Menue_Wert_Beschreibung d{};
    d.minimum = minimum;
    d.maximum = maximum < minimum ? minimum : maximum;
    d.schritt = schritt > 0 ? schritt : 1;
    for (int32_t i = 0; i < 6; ++i) d.zone_x[i] = d.zone_y[i] = d.zone_slave[i] = -1;
    return d;
}

// One button at rest: a light disc with its sign, thicker the farther out it steps.
void knopf(Rastport* z, int32_t x, int32_t y, int32_t zone, bool gesperrt)
{
    const uint16_t grund = gesperrt ? Grafik_Farbe(9, 9, 9) : Grafik_Farbe(13, 13, 14);
    const uint16_t rand = Grafik_Farbe(2, 2, 3);
    const uint16_t zeichen = gesperrt ? Grafik_Farbe(6, 6, 6) : Grafik_Farbe(1, 1, 2);
    for (int32_t py = 0; py < KNOPF; ++py)
        for (int32_t px = 0; px < KNOPF; ++px) {
            const int32_t dx = px - KNOPF / 2, dy = py - KNOPF / 2, d = dx * dx + dy * dy;
            if (d <= 30) Grafik_Pixel_Setzen(z, x + px, y + py, d >= 20 ? rand : grund);
        }
    const int32_t staerke = zone == 0 || zone == 5 ? 2 : 1, laenge = zone == 2 || zone == 3 ? 2 : 3;
    Grafik_Rechteck_Fuellen(z, x + 5 - laenge, y + 5, 2 * laenge + 1, staerke, zeichen);
    if (zone >= 3) Grafik_Rechteck_Fuellen(z, x + 5, y + 5 - laenge, staerke, 2 * laenge + 1, zeichen);
}

int32_t zahl_zeichnen(Menue_Icon* icon, uint32_t)
{
    char t[16];
    std::snprintf(t, sizeof t, "%d", Menue_Wippe_Wert_Lesen(icon));
    Menue_Wippe_Zeichnen(icon, t);
    return 0;
}

// The standard handler has moved the value already and asked for the redraw.
int32_t nur_zeichnen(Menue_Icon*, uint32_t) { return 1; }

}  // namespace

Menue_Wert_Beschreibung Menue_Wippe_Wert(float* wert, int32_t minimum, int32_t maximum, int32_t schritt)
{
    Menue_Wert_Beschreibung d = leer(minimum, maximum, schritt);
    d.wert_f32 = wert;
    d.vorgabe = wert ? int32_t(std::lround(*wert)) : minimum;
    return d;
}

Menue_Wert_Beschreibung Menue_Wippe_Wert(int32_t* wert, int32_t minimum, int32_t maximum, int32_t schritt)
{
    Menue_Wert_Beschreibung d = leer(minimum, maximum, schritt);
    d.wert_u32 = reinterpret_cast<uint32_t*>(wert);
    d.vorgabe = wert ? *wert : minimum;
    return d;
}

Menue_Icon Menue_Wippe_Vorlage(int16_t nummer, int16_t x, int16_t y, uint16_t breite, int8_t prioritaet,
                               Menue_Wert_Beschreibung* wert, Menue_Klick_Prozedur klick, Menue_Refresh_Prozedur zeichnen,
                               const char* hilfe)
{
    if (breite < WIPPE_BREITE) breite = WIPPE_BREITE;
    if (wert && breite > WIPPE_BREITE)
        // Each button keeps its distance from the middle in proportion, and with it its step.
        for (int32_t k = 0; k < 6; ++k)
            wert->zone_x[k] = int16_t(std::lround(breite / 2.0 + (ZONE_X[k] + KNOPF / 2.0 - WIPPE_BREITE / 2.0) * breite / WIPPE_BREITE -
                                                  KNOPF / 2.0));
    Menue_Icon i = Menue_Icon_Vorlage(nummer, -1, ICON_WERTFELD | ICON_WIPPE_STANDARD, x, y, breite, WIPPE_HOEHE,
                                      prioritaet, 255);
    i.daten = wert;
    i.klick = klick ? klick : nur_zeichnen;
    i.refresh_prozedur = zeichnen ? zeichnen : zahl_zeichnen;
    i.status = ICON_SPAETER_REFRESH;
    i.hilfetext = hilfe;
    return i;
}

int32_t Menue_Wippe_Wert_Lesen(const Menue_Icon* icon)
{
    const auto* d = icon ? static_cast<const Menue_Wert_Beschreibung*>(icon->daten) : nullptr;
    if (!d) return 0;
    if (d->wert_f32) return int32_t(std::lround(*d->wert_f32));
    if (d->wert_u16) return *d->wert_u16;
    if (d->wert_u32) return int32_t(*d->wert_u32);
    return 0;
}

void Menue_Wippe_Zeichnen(Menue_Icon* icon, const char* text)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!icon || !z) return;
    const bool gesperrt = icon->status & ICON_GESPERRT;
    const int32_t x = icon->x, y = icon->y, b = icon->breite, h = icon->hoehe;
    Grafik_Rechteck_Fuellen(z, x, y, b, h, Grafik_Farbe(3, 4, 7));
    Grafik_Rechteck_Fuellen(z, x + 1, y + 1, b - 2, 12, Grafik_Farbe(1, 1, 3));
    const uint16_t hell = Grafik_Farbe(8, 9, 13), dunkel = Grafik_Farbe(1, 1, 2);
    Grafik_Linie(z, x, y, x + b - 1, y, hell);
    Grafik_Linie(z, x, y, x, y + h - 1, hell);
    Grafik_Linie(z, x, y + h - 1, x + b - 1, y + h - 1, dunkel);
    Grafik_Linie(z, x + b - 1, y, x + b - 1, y + h - 1, dunkel);
    if (text && *text) {
        Font_Record* f = Font(11);
        Grafik_Printf(z, f, "^c%05d%s", x + (b - Font_Text_Breite(f, text)) / 2, y + 10,
                      int(gesperrt ? Grafik_Farbe(8, 8, 8) : Grafik_Farbe(15, 15, 12)), text);
    }
    const auto* d = static_cast<const Menue_Wert_Beschreibung*>(icon->daten);
    for (int32_t k = 0; k < 6; ++k) {
        const int32_t zx = d && d->zone_x[k] != -1 ? d->zone_x[k] : ZONE_X[k];
        const int32_t zy = d && d->zone_y[k] != -1 ? d->zone_y[k] : ZONE_Y[k];
        knopf(z, x + zx, y + zy, k, gesperrt);
    }
    // Redrawn while held (the click changed what it shows): the held button stays pressed.
    if (uint16_t(icon->kennung_2) == WIPPE_GEDRUECKT)
        Menue_Wippe_Zone_Zeichnen(icon, Menue_Wippe_Zone(icon, Maus_Get_X(), Maus_Get_Y()));
}
