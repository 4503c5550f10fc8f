#include "toolkit/mausover.h"

#include "database/team.h"
#include "gameflow/globals.h"
#include "platform/maus.h"
#include "platform/print.h"
#include "platform/sound.h"
#include "platform/win95.h"
#include "toolkit/event.h"
#include "toolkit/hilfe.h"
#include "toolkit/icon.h"
#include "toolkit/menue_intern.h"
#include "toolkit/screen.h"

int16_t Menue_Mouse_Over_Nr = -1;
Menue_Icon* Menue_Glow_Liste[MAX_ICON_GLOWLIST] = {};

namespace {

uint8_t hilfe_einstellung()
{
    if (Aktuelles_Team < 0) return 5;
    const auto* b = static_cast<const uint8_t*>(Team_Zeiger(309, Aktuelles_Team, nullptr, 0));
    return b ? b[0] : 5;
}

bool darf(Menue_Icon* icon, Menue_Icon* gezogen, uint8_t modal)
{
    return icon && !modal && !gezogen && (icon->flags & ICON_MAUSOVER_KLICK) && icon->klick;
}

Menue_Icon* info_icon(Menue_Icon* icon)
{
    return Menue_Nummer_Gueltig(icon->verknuepft) && Menue_Screen_Icon_Ist_Vorhanden(icon->verknuepft)
               ? Menue_Screen_Icon_Aus_Nummer(icon->verknuepft) : nullptr;
}

// The rectangle the glow is drawn over: the icon's own, cut to its hit area.
bool glow_rechteck(const Menue_Icon* icon, int32_t* x, int32_t* y, int32_t* w, int32_t* h)
{
    Menue_Icon_Flaeche(icon, x, y, w, h);
    int32_t x2 = *x + *w, y2 = *y + *h;
    if (*x < icon->bereich[0]) *x = icon->bereich[0];
    if (*y < icon->bereich[1]) *y = icon->bereich[1];
    if (x2 > icon->bereich[2]) x2 = icon->bereich[2];
    if (y2 > icon->bereich[3]) y2 = icon->bereich[3];
    *w = x2 - *x;
    *h = y2 - *y;
    return *w > 0 && *h > 0;
}

}  // namespace

void Menue_Mouse_Over_Info(Menue_Icon* icon, Menue_Icon* gezogen, uint8_t modal)
{
    if (!darf(icon, gezogen, modal)) return;
    if (Menue_Mouse_Over_Nr == icon->nummer && !(icon->flags & ICON_MAUSOVER_WIEDER)) {
        Print_Fehler("Menue_Mouse_Over_Info: 2x aufgerufen!");
        return;
    }
    Menue_Mouse_Over_Nr = icon->nummer;
    icon->klick(icon, MAUSOVER_START);
    if (!(icon->flags & ICON_INFO_ICON)) return;
    Menue_Icon* info = info_icon(icon);
    if (!info) {
        Print_Fehler("Menue_Mouse_Over_Info(ICON_TYPE_DO_MOUSEOVER_GRAPHICS): info_icon==NULL!");
        return;
    }
    info->status &= uint16_t(~ICON_VERSTECKT);
    info->refresh = Menue_Screen_Icon_Hintergrund_Wurde_Gesichert(info) ? 5 : 1;
    Menue_Screen_Refresh(1, info->x, info->y, info->x + info->breite, info->y + info->hoehe);
}

void Menue_Mouse_Not_Over_Info(Menue_Icon* icon, Menue_Icon* gezogen, uint8_t modal, uint8_t leise, uint32_t code)
{
    if (!darf(icon, gezogen, modal)) return;
    if (Menue_Mouse_Over_Nr != icon->nummer) {
        if (!leise) Print_Fehler("Menue_Mouse_Not_Over_Info: 2x aufgerufen!");
        return;
    }
    Menue_Mouse_Over_Nr = -1;
    icon->klick(icon, code);
    if (!(icon->flags & ICON_INFO_ICON)) return;
    if (Menue_Icon* info = info_icon(icon)) {
        info->status |= ICON_VERSTECKT;
        Menue_Screen_Icon_Hintergrund_Zeichnen(info);
        Menue_Screen_Icon_Hintergrund_Freigeben(info);
    }
}

void Menue_Hilfe_Zeigen(Menue_Icon* icon, int32_t modus, int32_t x, int32_t y, uint8_t sofort)
{
    Hilfe_Schliessen(1);
    if (!icon) return;
    const char* text = icon->mausover ? icon->mausover(icon) : icon->hilfetext;
    if (!text || !*text) return;
    if (modus != 0) {
        Hilfe_Text_Ausgabe(text, x, y, 0, sofort);
        return;
    }
    if (Aktuelles_Team < 0) return;
    Hilfe_Text_Ausgabe(text, x, y, 0, uint8_t(sofort || (hilfe_einstellung() & 0x02)));
}

void Menue_Hilfe_Schliessen() { Hilfe_Schliessen(uint8_t((hilfe_einstellung() & 0x02) != 0)); }

static Menue_Hilfe_Sprech_Hook sprech_hook = nullptr;

void Menue_Hilfe_Sprechen_Set_Hook(Menue_Hilfe_Sprech_Hook hook) { sprech_hook = hook; }

void Menue_Hilfe_Sprechen(int32_t sound)
{
    if (sprech_hook) {
        sprech_hook(sound);
        return;
    }
    const int32_t id = Hilfe_Sound_Play(sound);
    if (id < 0) return;
    Win95_Eingabe.taste = -1;
    while (!Programm_Ende && Sound_Stream_Id() == id) {
        Sound_Stream_Service();
        if (Maus_Get_Tasten() != 0 || Win95_Eingabe.taste != -1) break;
        Win95_Sleep(10);
    }
    Hilfe_Sound_Stop();
}

void Menue_Glow(Menue_Icon* icon, int32_t modus, uint8_t modal, int32_t mx, int32_t my, int32_t mw, int32_t mh,
                int32_t stufe)
{
    if (modus == 1) {
        for (Menue_Icon*& g : Menue_Glow_Liste) {
            if (!g) continue;
            int32_t x, y, w, h;
            glow_rechteck(g, &x, &y, &w, &h);
            Hilfe_Glow_Schliessen(g, x, y, 1);
            g = nullptr;
        }
        Hilfe_Glow_Freigeben();
        Menue_Glow_Stufe = 0;
        return;
    }
    if (!icon || (icon->status & (ICON_VERSTECKT | ICON_GESPERRT)) || !(icon->status & ICON_GLUEHT)) return;
    const int16_t* b = icon->bereich;
    if (icon->x > b[2] || icon->x + icon->breite < b[0] || icon->y > b[3] || icon->y + icon->hoehe < b[1]) return;
    if (modal && icon->prioritaet <= 19) {
        const bool aussen = icon->x >= mx + mw || icon->x + icon->breite <= mx || icon->y >= my + mh ||
                            icon->y + icon->hoehe <= my;
        if (!aussen) return;
    }
    bool gelistet = false;
    for (Menue_Icon* g : Menue_Glow_Liste) gelistet = gelistet || g == icon;
    for (int32_t i = 0; i < MAX_ICON_GLOWLIST && !gelistet; ++i)
        if (!Menue_Glow_Liste[i]) {
            Menue_Glow_Liste[i] = icon;
            gelistet = true;
        }
    if (!gelistet) Print_Fehler("Glow: MAX_ICON_GLOWLIST erreicht!\n");
    int32_t x, y, w, h;
    const bool flaeche = glow_rechteck(icon, &x, &y, &w, &h);
    if (stufe == 0 && icon->refresh_prozedur) icon->refresh_prozedur(icon, 0);
    // A scroll button glows transparently over its bar; a mouse-over icon's glow is copied whole.
    if (flaeche)
        Hilfe_Glow_Fenster(icon, x, y, w, h, stufe, gelistet, icon->flags & (HILFE_GLOW_TRANSPARENT | HILFE_GLOW_OHNE_SCHLUESSEL));
}

void Menue_Glow_Beenden()
{
    Menue_Glow(nullptr, 1, 0, 0, 0, 0, 0, Menue_Glow_Stufe);
    Menue_Glow_Stufe = 0;
}
