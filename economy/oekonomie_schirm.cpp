#include "economy/oekonomie_schirm.h"

#include <cstdarg>
#include <cstdio>
#include <algorithm>

#include "database/manager.h"
#include "economy/auktion.h"
#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/resfile.h"
#include "toolkit/event.h"
#include "toolkit/favoriten.h"
#include "toolkit/hauptmenue.h"
#include "toolkit/icon.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/screen.h"
#include "toolkit/wippe.h"

// The screens of the group (each in its own file).
int32_t Bank_Finanzen_Seite(Menue_Icon* icon, uint32_t flags);
int32_t Bank_Anlage_Seite(Menue_Icon* icon, uint32_t flags);
int32_t Bank_Boerse_Seite(Menue_Icon* icon, uint32_t flags);
int32_t Stadion_Screen_Oeffnen(Menue_Icon* icon, uint32_t flags);
int32_t Werbung_Screen(Menue_Icon* icon, uint32_t flags);
int32_t Trainingslager_Screen(Menue_Icon* icon, uint32_t flags);
int32_t Ligen_Motivation(Menue_Icon* icon, uint32_t flags);

namespace {

struct Schalter {
    int16_t nummer;
    const char* name;
    const char* hilfe;
    Oekonomie_Schirm schirm;
};
const Schalter SCHALTER[OEKONOMIE_SCHALTER] = {
    {OEKONOMIE_FINANZEN, "Finanzen", "Einnahmen und Ausgaben Ihres Vereins", Bank_Finanzen_Seite},
    {OEKONOMIE_ANLAGEN, "Anlagen", "Festgeld, Kredite und Aktienhandel", Bank_Anlage_Seite},
    {OEKONOMIE_BOERSE, "Börse", "Der Börsenmonitor: Kurse, Firmen und Ihre Aktien", Bank_Boerse_Seite},
    {OEKONOMIE_STADION, "Stadion", "Stadionausbau, Statistik und Ereignisse", Stadion_Screen_Oeffnen},
    {OEKONOMIE_WERBUNG, "Werbung", "Werbeverträge für Banden, Trikot, Ausrüstung und Fernsehen", Werbung_Screen},
    {OEKONOMIE_LAGER, "Trainingslager", "Buchen Sie ein Trainingslager für Ihre Mannschaft", Trainingslager_Screen},
    {OEKONOMIE_VEREIN, "Verein", "Freundschaftsspiele, Vereinsfeiern, Dr. Hypno und die Prämien", Ligen_Motivation},
};
constexpr int32_t SCHALTER_X = 4, SCHALTER_Y = 45, SCHALTER_B = 82, SCHALTER_H = 19, SCHALTER_ABSTAND = 85;

int32_t gezeigt = -1;
Oek_Liste* gezeigte_liste = nullptr;

int32_t schalter_index(int32_t nummer)
{
    for (int32_t k = 0; k < OEKONOMIE_SCHALTER; ++k)
        if (SCHALTER[k].nummer == nummer) return k;
    return -1;
}

int32_t schalter_zeichnen(Menue_Icon* icon, uint32_t)
{
    const int32_t k = icon ? schalter_index(icon->nummer) : -1;
    if (k < 0) return 0;
    Oek_Knopf(icon, SCHALTER[k].name, gezeigt == icon->nummer);
    return 0;
}

int32_t schalter_klick(Menue_Icon* icon, uint32_t flags);

Menue_Icon schalter_vorlage(int32_t k)
{
    Menue_Icon i = Menue_Icon_Vorlage(SCHALTER[k].nummer, -1, ICON_KLICK_MARKE, int16_t(SCHALTER_X + k * SCHALTER_ABSTAND),
                                      SCHALTER_Y, SCHALTER_B, SCHALTER_H, 10, 255);
    i.hilfetext = SCHALTER[k].hilfe;
    i.klick = schalter_klick;
    i.refresh_prozedur = schalter_zeichnen;
    // a right click takes the page into one of the manager's favourite menus
    i.kontext = Menue_Make_Lieblingsmenue_Kontextmenue;
    i.status = ICON_SPAETER_REFRESH;
    return i;
}

Menue_Icon schalter_liste[OEKONOMIE_SCHALTER + 1] = {
    schalter_vorlage(0), schalter_vorlage(1), schalter_vorlage(2), schalter_vorlage(3),
    schalter_vorlage(4), schalter_vorlage(5), schalter_vorlage(6), Menue_Icon_Listenende(),
};

// A switch clicked by the manager enters its screen in his history; a jump of the history (or of
// a favourite) from another group brings the group's frame and button with it.
int32_t untermenue(Menue_Icon* icon, uint32_t flags)
{
    return Menue_Untermenue_Registrieren(icon, flags, 705, schalter_liste, OEKONOMIE_SCHALTER, SCHALTER[0].nummer,
                                         SCHALTER[1].nummer, SCHALTER[2].nummer, SCHALTER[3].nummer, SCHALTER[4].nummer,
                                         SCHALTER[5].nummer, SCHALTER[6].nummer);
}

int32_t schalter_klick(Menue_Icon* icon, uint32_t flags)
{
    if (!icon) return 0;
    // From another group (the history, a favourite) what that group drew goes first.
    if (Manager_Icon_Welcher_Togglebutton_Ist_An(Aktuelles_Team, 5, 703, 704, 705, 706, 707) != 705)
        Menue_Arbeitsbereich_Leeren();
    untermenue(icon, flags & KLICK_MARKE);
    return Oekonomie_Schirm_Oeffnen(icon->nummer);
}

}  // namespace

void Oek_Liste::leeren()
{
    if (gezeigte_liste == this && n > 0) Menue_Icon_Liste_Entfernen(feld, 0);
    if (gezeigte_liste == this) gezeigte_liste = nullptr;
    n = 0;
    feld[0] = Menue_Icon_Listenende();
}

Menue_Icon& Oek_Liste::neu(int16_t nummer, int16_t x, int16_t y, uint16_t b, uint16_t h, int8_t prioritaet,
                           Menue_Refresh_Prozedur zeichnen)
{
    // A full list keeps its last record as the end mark; the extra icon is dropped.
    static Menue_Icon verworfen;
    if (n >= MAX) return verworfen = Menue_Icon_Vorlage(nummer, -1, 0, x, y, b, h, prioritaet, 255);
    Menue_Icon& i = feld[n++];
    i = Menue_Icon_Vorlage(nummer, -1, zeichnen ? 0u : uint32_t(ICON_NIE_ZEICHNEN), x, y, b, h, prioritaet, 255);
    i.refresh_prozedur = zeichnen;
    i.status = ICON_SPAETER_REFRESH;
    feld[n] = Menue_Icon_Listenende();
    return i;
}

Menue_Icon& Oek_Liste::knopf(int16_t nummer, int16_t x, int16_t y, uint16_t b, uint16_t h, int8_t prioritaet,
                             Menue_Refresh_Prozedur zeichnen, Menue_Klick_Prozedur klick, const char* hilfe)
{
    Menue_Icon& i = neu(nummer, x, y, b, h, prioritaet, zeichnen);
    i.klick = klick;
    i.hilfetext = hilfe;
    return i;
}

Menue_Icon& Oek_Liste::wippe(int16_t nummer, int16_t x, int16_t y, uint16_t breite, int8_t prioritaet,
                             Menue_Wert_Beschreibung* wert, Menue_Klick_Prozedur klick, Menue_Refresh_Prozedur zeichnen,
                             const char* hilfe)
{
    Menue_Icon& i = neu(nummer, x, y, WIPPE_BREITE, WIPPE_HOEHE, prioritaet, nullptr);
    i = Menue_Wippe_Vorlage(nummer, x, y, breite, prioritaet, wert, klick, zeichnen, hilfe);
    return i;
}

int32_t Oekonomie_Aktueller_Schirm() { return gezeigt; }

void Oekonomie_Liste_Zeigen(Oek_Liste* liste)
{
    Grafik_Screen_Seite_Waehlen(1);
    if (gezeigte_liste && gezeigte_liste->n > 0) Menue_Icon_Liste_Entfernen(gezeigte_liste->icons(), 0);
    // Whatever another group left in the work area goes too; the right-hand column stays.
    Menue_Bereich_Loeschen(0x25B, 0, 40, 598, 480);
    Menue_Icon_Liste_Hinzufuegen(schalter_liste);
    gezeigte_liste = liste;
    if (liste && liste->n > 0) {
        // A rebuilt list may hold a number in another record than before (the finance pages list
        // one week more each week): the registry names the one on screen before it is added, so
        // that the record is neither taken for a second icon of its number nor missed by the
        // input-field menu of a rocker, which finds its value through it.
        Menue_Icon_Liste_Registrieren(liste->icons());
        Menue_Icon_Liste_Hinzufuegen(liste->icons());
    }
    Menue_Screen_Icon_Aktiv_Setzen(1, 701);
    Menue_Screen_Icon_Aktiv_Setzen(1, 702);
    Oekonomie_Neu_Zeichnen();
}

void Oekonomie_Neu_Zeichnen() { Menue_Bereich_Refresh(20, 0, 40, 598, 480); }

int32_t Oekonomie_Schirm_Oeffnen(int32_t nummer)
{
    const int32_t k = schalter_index(nummer);
    if (k < 0 || Aktuelles_Team < 0) return 0;
    for (int32_t j = 0; j < OEKONOMIE_SCHALTER; ++j)
        Manager_Icon_Button_An_Aus(Aktuelles_Team, SCHALTER[j].nummer, j == k ? 1 : 0);
    gezeigt = nummer;
    return SCHALTER[k].schirm(Menue_Icon_Liste_Suchen(nummer, schalter_liste), 0);
}

int32_t Bank_Screen(Menue_Icon*, uint32_t)
{
    if (Aktuelles_Team < 0) return 0;
    // The group opens the screen chosen last (a new manager's finances), as a visit.
    const int32_t nummer = untermenue(nullptr, UNTERMENUE_WIEDERHERSTELLEN);
    return Oekonomie_Schirm_Oeffnen(schalter_index(nummer) >= 0 ? nummer : OEKONOMIE_FINANZEN);
}

void Oekonomie_Schirme_Registrieren()
{
    Menue_Gruppen_Screens[1] = Bank_Screen;
    // The switches stand in the managers' histories: a loaded game links them again.
    Menue_Init_Vorlagen[0] = schalter_liste;
    Auktion_Schirm_Registrieren();
}

uint16_t Oek_Farbe(int r, int g, int b) { return Grafik_Farbe(uint32_t(r), uint32_t(g), uint32_t(b)); }

void (*Oek_Text_Hook)(int32_t x, int32_t y, const char* text) = nullptr;

void Oek_Text(int32_t x, int32_t y, uint16_t farbe, const char* text, int32_t font)
{
    if (Oek_Text_Hook && text) Oek_Text_Hook(x, y, text);
    if (!Grafik_Render_Ziel || !text) return;
    Grafik_Printf(Grafik_Render_Ziel, Font(font), "^c%05d%s", x, y, int(farbe), text);
}

void Oek_Kasten(int32_t x, int32_t y, int32_t b, int32_t h, uint16_t fuellung, uint16_t rahmen)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || b <= 0 || h <= 0) return;
    Grafik_Rechteck_Fuellen(z, x, y, b, h, fuellung);
    Oek_Rahmen(x, y, b, h, rahmen);
}

void Oek_Rahmen(int32_t x, int32_t y, int32_t b, int32_t h, uint16_t farbe)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || b <= 0 || h <= 0) return;
    // Filled strips, not lines: a line along an axis stops short of its end point, which left
    // the bottom right corner open.
    Grafik_Rechteck_Fuellen(z, x, y, b, 1, farbe);
    Grafik_Rechteck_Fuellen(z, x, y + h - 1, b, 1, farbe);
    Grafik_Rechteck_Fuellen(z, x, y, 1, h, farbe);
    Grafik_Rechteck_Fuellen(z, x + b - 1, y, 1, h, farbe);
}

namespace {
// Pictures are loaded for each drawing and freed again: the screens keep no memory of their own.
Rastport* bild_laden(int32_t nummer, int32_t datei)
{
    if (datei < 0 || datei >= RESFILE_STANDARD || ResFile_Handles[datei].handle < 0) return nullptr;
    const int32_t tiefe = Grafik_Render_Ziel ? Grafik_Render_Ziel->depth : 16;
    return static_cast<Rastport*>(Load_Resource(ResFile_Handles[datei].handle, nummer, tiefe, nullptr));
}
}  // namespace

void Oek_Rastport_Zeigen(Rastport* b, int32_t x, int32_t y, bool transparent)
{
    if (!b || !Grafik_Render_Ziel) return;
    if (transparent) Grafik_Blit_Transparent(b, 0, 0, int32_t(b->width), int32_t(b->height), Grafik_Render_Ziel, x, y);
    else Grafik_Blit(b, 0, 0, int32_t(b->width), int32_t(b->height), Grafik_Render_Ziel, x, y);
}

void Oek_Rastport_Ausschnitt(Rastport* b, int32_t x, int32_t y, int32_t hoehe, bool unten)
{
    if (!b || !Grafik_Render_Ziel) return;
    const int32_t h = std::clamp(hoehe, 0, int32_t(b->height));
    if (h > 0) Grafik_Blit(b, 0, unten ? int32_t(b->height) - h : 0, int32_t(b->width), h, Grafik_Render_Ziel, x, y);
}

bool Oek_Bild(int32_t nummer, int32_t x, int32_t y, bool transparent, int32_t datei)
{
    Rastport* b = Grafik_Render_Ziel ? bild_laden(nummer, datei) : nullptr;
    if (!b) return false;
    Oek_Rastport_Zeigen(b, x, y, transparent);
    Grafik_Bitmap_Freigeben(b);
    return true;
}

bool Oek_Bild_Ausschnitt(int32_t nummer, int32_t x, int32_t y, int32_t hoehe, bool unten, int32_t datei)
{
    Rastport* b = Grafik_Render_Ziel ? bild_laden(nummer, datei) : nullptr;
    if (!b) return false;
    Oek_Rastport_Ausschnitt(b, x, y, hoehe, unten);
    Grafik_Bitmap_Freigeben(b);
    return true;
}

bool Oek_Bild_Verkleinert(int32_t nummer, int32_t x, int32_t y, int32_t teiler, int32_t datei)
{
    Rastport* b = Grafik_Render_Ziel && teiler > 0 ? bild_laden(nummer, datei) : nullptr;
    if (!b) return false;
    Oek_Rastport_Skaliert(b, x, y, (int32_t(b->width) + teiler - 1) / teiler, (int32_t(b->height) + teiler - 1) / teiler, false);
    Grafik_Bitmap_Freigeben(b);
    return true;
}

void Oek_Rastport_Skaliert(const Rastport* q, int32_t x, int32_t y, int32_t b, int32_t h, bool drehen)
{
    if (!q || !Grafik_Render_Ziel || b <= 0 || h <= 0) return;
    const int32_t qb = int32_t(q->width), qh = int32_t(q->height);
    // Each target pixel takes the source pixel it falls on.
    for (int32_t yy = 0; yy < h; ++yy)
        for (int32_t xx = 0; xx < b; ++xx) {
            const int32_t sx = drehen ? yy * qb / h : xx * qb / b;
            const int32_t sy = drehen ? (b - 1 - xx) * qh / b : yy * qh / h;
            if (const uint16_t p = Grafik_Pixel_Lesen(q, sx, sy)) Grafik_Pixel_Setzen(Grafik_Render_Ziel, x + xx, y + yy, p);
        }
}

bool Oek_Bild_Skaliert(int32_t nummer, int32_t x, int32_t y, int32_t b, int32_t h, bool drehen, int32_t datei)
{
    Rastport* q = Grafik_Render_Ziel && b > 0 && h > 0 ? bild_laden(nummer, datei) : nullptr;
    if (!q) return false;
    Oek_Rastport_Skaliert(q, x, y, b, h, drehen);
    Grafik_Bitmap_Freigeben(q);
    return true;
}

void Oek_Hintergrund(int32_t bild, const char* titel)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z) return;
    Rastport* b = bild >= 0 ? bild_laden(bild, 0) : nullptr;
    if (b && b->width >= uint32_t(OEK_B) && b->height >= uint32_t(OEK_Y + OEK_H))
        Grafik_Blit(b, 0, OEK_Y, OEK_B, OEK_H, z, 0, OEK_Y);
    else
        Grafik_Rechteck_Fuellen(z, 0, OEK_Y, OEK_B, OEK_H, Oek_Farbe(2, 3, 5));
    Grafik_Bitmap_Freigeben(b);
    if (titel) Oek_Text(10, OEK_Y + 16, Oek_Farbe(15, 15, 8), titel, 3);
}

void Oek_Knopf(const Menue_Icon* icon, const char* text, bool an)
{
    if (!icon || !Grafik_Render_Ziel) return;
    Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe, an ? Oek_Farbe(12, 7, 0) : Oek_Farbe(3, 4, 9),
               an ? Oek_Farbe(15, 13, 6) : Oek_Farbe(8, 9, 13));
    Font_Record* f = Font(11);
    const int32_t b = Font_Text_Breite(f, text);
    Grafik_Printf(Grafik_Render_Ziel, f, "^c%05d%s", icon->x + (icon->breite - b) / 2, icon->y + icon->hoehe / 2 + 4,
                  int(Oek_Farbe(15, 15, 15)), text);
}

int32_t Oek_Umbruch(int32_t x, int32_t y, int32_t breite, const std::string& text, uint16_t farbe, int32_t zeilen)
{
    Font_Record* f = Font(11);
    size_t a = 0;
    int32_t n = 0;
    while (a <= text.size() && n < zeilen) {
        const size_t e = text.find("^l", a);
        std::string teil = text.substr(a, e == std::string::npos ? std::string::npos : e - a);
        do {
            size_t k = teil.size();
            while (k > 1 && Font_Text_Breite(f, teil.substr(0, k).c_str()) > breite) {
                const size_t leer = teil.rfind(' ', k - 1);
                k = leer == std::string::npos || leer == 0 ? k - 1 : leer;
            }
            Oek_Text(x, y, farbe, teil.substr(0, k).c_str());
            teil = k < teil.size() ? teil.substr(teil[k] == ' ' ? k + 1 : k) : "";
            y += 13;
            ++n;
        } while (!teil.empty() && n < zeilen);
        if (e == std::string::npos) break;
        a = e + 2;
    }
    return y;
}

uint16_t Oek_Tinte() { return Oek_Farbe(1, 1, 3); }
uint16_t Oek_Papier() { return Oek_Farbe(14, 14, 12); }

void Oek_Zeile(int32_t x, int32_t y, const std::string& text, uint16_t farbe)
{
    if (Oek_Text_Hook) Oek_Text_Hook(x, y, text.c_str());
    Rastport* z = Grafik_Render_Ziel;
    if (!z) return;
    Font_Record* f = Font(11);
    const uint32_t alt = f->colour;
    f->colour = farbe ? farbe : Oek_Tinte();
    Grafik_Printf(z, f, "%s", x, y, text.c_str());
    f->colour = alt;
}

std::string Oek_Fmt(const char* format, ...)
{
    char t[2048];
    va_list a;
    va_start(a, format);
    std::vsnprintf(t, sizeof t, format, a);
    va_end(a);
    return t;
}
