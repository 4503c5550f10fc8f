// Value fields: the standard rocker handler and the "Eingabefeld ändern:" menu.
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/maus.h"
#include "platform/print.h"
#include "platform/wert.h"
#include "toolkit/icon.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/menue_intern.h"
#include "toolkit/ziehen.h"

namespace {

constexpr int32_t SETZEN_ERSTE_ZEILE = 3;
char setzen_texte[5][24];

// The bound value as a number: the float form first, then the 16-bit, then the 32-bit one.
bool wert_lesen(const Menue_Wert_Beschreibung* d, double* wert)
{
    if (d->wert_f32) *wert = *d->wert_f32;
    else if (d->wert_u16) *wert = *d->wert_u16;
    else if (d->wert_u32) *wert = *d->wert_u32;
    else return false;
    return true;
}

void wert_schreiben(Menue_Wert_Beschreibung* d, double wert)
{
    if (d->wert_f32) *d->wert_f32 = float(wert);
    else if (d->wert_u16) *d->wert_u16 = uint16_t(std::lround(wert));
    else if (d->wert_u32) *d->wert_u32 = uint32_t(std::llround(wert));
}

Menue_Wert_Beschreibung* beschreibung(Menue_Icon* icon, const char* wer)
{
    if (!icon || !icon->daten) {
        Print_Fehler("%s: NULL-Zeiger!", wer);
        return nullptr;
    }
    auto* d = static_cast<Menue_Wert_Beschreibung*>(icon->daten);
    if (!d->wert_f32 && !d->wert_u16 && !d->wert_u32) {
        Print_Fehler("%s: kein Wert!", wer);
        return nullptr;
    }
    return d;
}

}  // namespace

int32_t Menue_Wippe_Standard(Menue_Icon* icon, uint32_t flags)
{
    Menue_Wert_Beschreibung* d = beschreibung(icon, "Menue_Wippe_Standard");
    if (!d) return 0;
    double schritt = d->schritt;
    const double halb = icon->breite / 2.0;
    const double abstand = std::abs(Maus_Get_X() - (icon->x + halb));
    if (abstand > 0.26 * halb) schritt *= 10;
    if (abstand > 0.52 * halb) schritt *= 10;
    double wert = 0;
    wert_lesen(d, &wert);
    const double vorher = wert;
    if (flags & 0x01) wert = std::max(wert - schritt, double(d->minimum));
    if (flags & 0x02) wert = std::min(wert + schritt, double(d->maximum));
    wert_schreiben(d, wert);
    icon->refresh = wert != vorher ? 2 : 0;
    return 1;
}

Menue_Kontextmenue* Menue_Eingabefeld_Kontextmenue(Menue_Icon* icon)
{
    if (!icon) return nullptr;
    Menue_Init_Kontextmenue(&Kontext_Menue, "Eingabefeld ändern:", icon->nummer, POPUP_WAEHLBAR,
                            Menue_Kontext_Eingabefeld_Jump_Call);
    Kontext_Menue.texte[0] = "Zurücksetzen auf Vorgabewert";
    Kontext_Menue.texte[1] = "Zurücksetzen auf Minimalwert";
    Kontext_Menue.texte[2] = "Zurücksetzen auf Maximalwert";
    const auto* d = static_cast<const Menue_Wert_Beschreibung*>(icon->daten);
    if (!d || d->schritt <= 1) return &Kontext_Menue;
    const int32_t spanne = (d->maximum - d->minimum) / 5;
    int32_t r = 1;
    while (r <= spanne / 10) r *= 10;
    int32_t letzter = d->minimum, zeile = SETZEN_ERSTE_ZEILE;
    for (int32_t i = 0; i < 5; ++i) {
        const int32_t roh = r * ((spanne * i + d->minimum) / r);
        if (roh == letzter) continue;
        letzter = Wert_Im_Bereich(roh, d->minimum, d->maximum, -1);
        std::snprintf(setzen_texte[zeile - SETZEN_ERSTE_ZEILE], sizeof setzen_texte[0], "Setzen auf %d", letzter);
        Kontext_Menue.texte[zeile] = setzen_texte[zeile - SETZEN_ERSTE_ZEILE];
        Kontext_Menue.wert_a[zeile] = letzter;
        ++zeile;
    }
    return &Kontext_Menue;
}

uint8_t Menue_Kontext_Eingabefeld_Jump_Call(int32_t zeile, int32_t icon_nr, int32_t wert_a, int32_t)
{
    Menue_Icon* icon = Menue_Nummer_Gueltig(icon_nr) ? Menue_Icons.reg[icon_nr].icon : nullptr;
    Menue_Wert_Beschreibung* d = icon && icon->daten ? static_cast<Menue_Wert_Beschreibung*>(icon->daten) : nullptr;
    if (!d || zeile < 0 || zeile > 7) {
        Print_Fehler("Menue_Kontext_Eingabefeld_Jump_Call: item/icon-error!");
        return 0;
    }
    const int32_t werte[3] = {d->vorgabe, d->minimum, d->maximum};
    wert_schreiben(d, zeile < 3 ? werte[zeile] : wert_a);
    if (icon->klick && icon->klick != Menue_Wippe_Standard) icon->klick(icon, 0x400);
    icon->refresh = 6;
    return 1;
}
