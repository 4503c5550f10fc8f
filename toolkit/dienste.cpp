#include "toolkit/dienste.h"

#include <algorithm>

#include "competitions/wettbewerb.h"
#include "database/manager.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "platform/print.h"
#include "platform/resfile.h"
#include "platform/win95.h"
#include "toolkit/menue_intern.h"
#include "toolkit/optionen.h"
#include "toolkit/screen.h"
#include "toolkit/scroll.h"

UI_Farbe UI_Farbtabelle[UI_FARBEN];
uint8_t Menue_Automatik_Bytes[2] = {0, 0};

namespace {

struct Vorgabe {
    int8_t r, g, b;   // -1: no colour of its own
    int32_t staerke;
};
constexpr Vorgabe VORGABEN[UI_FARBEN] = {
    {0, 7, 0, 65},     {0, 0, 7, 65},     {7, 0, 0, 75},     {6, 0, 6, 65},     {0, 6, 0, 65},
    {13, 13, 0, 65},   {15, 15, 15, 128}, {1, 1, 1, 64},     {13, 1, 1, 66},    {9, 1, 1, 66},
    {4, 0, 0, 66},     {11, 11, 15, 66},  {6, 6, 15, 66},    {0, 0, 15, 66},    {15, 15, 0, 66},
    {10, 10, 0, 66},   {9, 9, 0, 66},     {5, 15, 6, 66},    {2, 10, 2, 66},    {0, 4, 0, 66},
    {-1, 0, 0, 0},     {2, 2, 10, 28},    {2, 2, 10, 42},    {9, 1, 1, 28},     {-1, 0, 0, -1},
    {-1, 0, 0, -1},    {0, 0, 14, 65},    {0, 0, 10, 65},    {0, 0, 5, 65},     {14, 0, 0, 65},
    {10, 0, 0, 65},    {5, 0, 0, 65},     {13, 13, 15, 100}, {10, 10, 15, 100}, {7, 7, 15, 100},
    {12, 12, 15, 100}, {8, 8, 15, 100},   {4, 4, 15, 100},   {10, 10, 10, 100}, {8, 8, 8, 100},
    {6, 6, 6, 100},    {15, 11, 5, 100},  {9, 8, 15, 100},   {7, 7, 14, 100},   {15, 12, 0, 0},
    {15, 10, 0, 0},    {14, 8, 0, 0},
};

uint8_t merker = 0;

}  // namespace

void Menue_Farben_Init()
{
    for (int32_t i = 0; i < UI_FARBEN; ++i) {
        const Vorgabe& v = VORGABEN[i];
        UI_Farbtabelle[i].staerke = uint32_t(v.staerke);
        if (v.r >= 0) UI_Farbtabelle[i].farbe = Grafik_Farbe(uint32_t(v.r), uint32_t(v.g), uint32_t(v.b));
        else UI_Farbtabelle[i].farbe = v.staerke == -1 ? 0xFFFFFFFFu : 0;
    }
}

bool Menue_Farbe_Holen(int32_t index, uint32_t* farbe, uint32_t* staerke)
{
    if (index < 0 || index >= UI_FARBEN) {
        Print_Fehler("Menue_Farbe_Holen: index=%d!", index);
        return false;
    }
    if (farbe) *farbe = UI_Farbtabelle[index].farbe;
    if (staerke) *staerke = UI_Farbtabelle[index].staerke;
    return true;
}

uint8_t Menue_Automatik_Aktiv(int32_t welches) { return Menue_Automatik_Bytes[welches == 1 ? 1 : 0]; }

uint8_t Menue_Automatik_Setzen(uint8_t an)
{
    Menue_Automatik_Bytes[0] = Menue_Automatik_Bytes[1] = an ? 1 : 0;
    if (!an) return Menue_Automatik_Bytes[0];
    Globale_Optionen_Setzen(OPTION_ELFMETER, 0);
    // The manager's own choices go only for the club he manages here.
    if (Aktuelles_Team < 0 || Aktuelles_Team >= Team_Anzahl || !Team_Hat_Manager(Aktuelles_Team))
        return Menue_Automatik_Bytes[0];
    if (auto* e = static_cast<uint8_t*>(Team_Zeiger(309, Aktuelles_Team, nullptr, 0))) e[0] = e[1] = e[2] = 0;
    Manager_Einstellungen_Zuruecksetzen(static_cast<Manager_Struktur*>(Team_Zeiger(TEAM_MANAGER, Aktuelles_Team, nullptr, 0)));
    for (int32_t w = 0; w < WETTBEWERB_ANZAHL; ++w)
        if (Wettbewerb_Get_Info(w))
            for (int32_t art = 1; art <= 3; ++art) Wettbewerb_Set_Schalter(w, art, 0);
    return Menue_Automatik_Bytes[0];
}

int32_t Menue_Optionen_Wert(int32_t welcher)
{
    if (welcher < 1 || welcher > 3 || Aktuelles_Team < 0 || Aktuelles_Team >= Team_Anzahl) return 0;
    const auto* e = static_cast<const uint8_t*>(Team_Zeiger(309, Aktuelles_Team, nullptr, 0));
    return e ? e[welcher - 1] : 0;
}

namespace {
// The competition of the turn club's game today as the match day names it, -1 none.
int32_t heutiger_wettbewerb = -1;
}  // namespace

void Menue_Set_Heutiger_Wettbewerb(int32_t wettbewerb) { heutiger_wettbewerb = wettbewerb; }

int32_t Menue_Heutiges_Spiel_Wert()
{
    // A client knows today's game from the day's data only, without its record: the competition
    // still tells that the club plays (the turn's end names a captain as on the server).
    return Menue_Status.spiel_gueltig ? int32_t(Menue_Status.heutiges_spiel.wettbewerb) : heutiger_wettbewerb;
}

void Menue_Merker_Setzen(uint8_t wert) { merker = wert; }
uint8_t Menue_Merker() { return merker; }

void Menue_Schirm_Aufhellen(Rastport* gesichert, uint8_t seite)
{
    if (!Menue_Icons.abgedunkelt) return;
    Menue_Icons.abgedunkelt = 0;
    if (seite) Grafik_Screen_Seite_Waehlen(1);
    if (gesichert && Grafik_Render_Ziel)
        Grafik_Blit_Abdunkeln(gesichert, 0, 0, int32_t(gesichert->width), 480, Grafik_Render_Ziel, 0, 0, 60);
    if (seite) Grafik_Screen_Seite_Zeigen(1);
}

void Menue_Titelbild_Zeigen()
{
    if (!Grafik_Render_Ziel || ResFile_Handles[0].handle < 0) return;
    // Onto a screen page nobody sees the picture would not be drawn: it is not read either.
    if (!Grafik_Seite_Ungesehen(Grafik_Render_Ziel)) {
        auto* bild = static_cast<Rastport*>(Load_Resource(ResFile_Handles[0].handle, 1048, Grafik_Render_Ziel->depth, nullptr));
        if (bild) Grafik_Blit(bild, 0, 0, 640, 480, Grafik_Render_Ziel, 0, 0);
        Grafik_Bitmap_Freigeben(bild);
    }
    Grafik_Printf(Grafik_Render_Ziel, Font(11), "^c%05d%s", 0, 8, int(Grafik_Farbe(15, 15, 15)), WIN95_FENSTER_TITEL);
}

Rastport* Menue_Get_Hintergrund() { return Menue_Status.hintergrund; }

void Menue_Icon_Doppelt_Pruefen(int32_t nummer, const Menue_Icon* icon)
{
    if (!icon || !Menue_Nummer_Gueltig(nummer)) return;
    const Menue_Icon* da = Menue_Icons.reg[nummer].icon;
    if (!da || da == icon) return;
    Print_Log(0, "Icon Nr. %d doppelt definiert!", nummer);
    Print_Log(0, "%s", nummer < 801 ? "Ersteller: System\n" : nummer < 2001 ? "Ersteller: Rilo\n"
                       : nummer < 2501 ? "Ersteller: Pallum\n" : "Ersteller: Sefo\n");
    if (icon->hilfetext && *icon->hilfetext) Print_Log(0, "Hilfet.=%s", icon->hilfetext);
    else Print_Log(0, "Kein Hilfetext!");
}

// Stored scroll positions come with the menu services; until then a button stays where it is.
// The button goes where the acting manager left it; a state outside the track (none stored yet,
// or from an old savegame) puts it at the nearer end.
void Menue_Scrollbuttonpos_Zuweisen(Menue_Icon* icon)
{
    if (!icon) {
        Print_Fehler("Menue_Scrollbuttonpos_Zuweisen: icon==NULL!");
        return;
    }
    const auto* d = static_cast<const Menue_Scrollbar_Daten*>(icon->daten);
    if (!d) return;
    const bool senkrecht = d->x_marke == -1;
    const int32_t start = senkrecht ? d->y_start : d->x_start;
    const int32_t ende = std::max(start, int32_t(senkrecht ? d->y_ende : d->x_ende));
    const int32_t position = std::clamp(int32_t(Menue_Knopf_Zustand(icon->nummer)), start, ende);
    if (senkrecht)
        icon->y = int16_t(position);
    else
        icon->x = int16_t(position);
}
