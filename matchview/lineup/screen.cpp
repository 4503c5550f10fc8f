#include "matchview/lineup/screen.h"

#include "gameflow/globals.h"
#include "graphics/grafik_screen.h"
#include "match/spielfeld.h"
#include "matchview/lineup/aufstellung.h"
#include "matchview/live/spielszenen_live.h"
#include "matchview/spielszenen.h"
#include "matchview/spielszenen_taktik.h"
#include "platform/maus.h"
#include "platform/mauszeiger.h"
#include "platform/timer.h"
#include "platform/win95.h"
#include "toolkit/btnscreen.h"

Spielfeld_Record* Screen_Record = nullptr;
int32_t Screen_Seite = 0;

static Screen_Hook hook = nullptr;
static bool gebaut = false, geladen = false;
// Whether the view opened the screen (the report sequence runs its own in the same modes).
static bool aus_ansicht = false;

void Screen_Set_Hook(Screen_Hook h) { hook = h; }

// Away from role 0 the screen's changes go through the record's change block. Until its first
// fill from the record (the tactics panel's or this) its lists read as pairs of the home slot 0 and
// its values as zeros, which the engine would take with the first change.
static void aenderungen_bereit(Spielfeld_Record* r)
{
    if (r && Netz_Rolle != 0 && !r->anweisungen[ANW_INITIALISIERT]) Spielfeld_Anweisungen_Fuellen(r);
}

bool Screen_Oeffnen()
{
    aenderungen_bereit(Screen_Record);
    if (hook) return hook("Screen_Oeffnen", 0);
    if (!gebaut) Aufstellung_Liste_Bauen();
    gebaut = true;
    if (geladen) Screen_Freigeben();
    if (!Btnscreen_Laden(Aufstellung_Liste, 1)) return false;
    Screen_Anzeigen_Vergessen();
    geladen = true;
    Btnscreen_Init_Callbacks(Aufstellung_Liste);
    Btnscreen_Zeichnen(Aufstellung_Liste, 1);
    Grafik_Screen_Seite_Zeigen(1);
    // The ears are the screen's own drawing: on the page now shown.
    Aufstellung_Ohren_Zeigen();
    return true;
}

void Screen_Schritt()
{
    if (hook) {
        hook("Screen_Schritt", 0);
        return;
    }
    if (!geladen) return;
    Screen_Refresh(nullptr);
    Btnscreen_Schritt(Aufstellung_Liste);
}

void Screen_Seite_Zeigen(int32_t seite)
{
    if (hook) {
        hook("Screen_Seite_Zeigen", seite);
        return;
    }
    if (!geladen || seite < 0 || seite > 3) return;
    Screen_Diode_LB(&Aufstellung_Liste[AG_DIODE + seite]);
}

void Screen_Freigeben()
{
    if (hook) {
        hook("Screen_Freigeben", 0);
        return;
    }
    Screen_Bilder_Freigeben();
    if (geladen) Btnscreen_Freigeben(Aufstellung_Liste, 1);
    geladen = false;
}

void Screen_Kopf_Neu()
{
    if (hook) {
        hook("Screen_Kopf_Neu", 0);
        return;
    }
    if (geladen) Aufstellung_Kopf_Neu();
}

bool Screen_Geladen() { return geladen; }

void Screen_Spieler_Menue(Spielfeld_Record* r, int32_t slot)
{
    if (hook) {
        hook("Screen_Spieler_Menue", slot);
        return;
    }
    if (!r || slot < 0 || slot >= SPIELFELD_SLOTS || r->spieler[slot].spnr < 0) return;
    // The menu reads player and slot from the gadget it was opened on: a stand-in for the
    // figure. The screen itself stays closed, so the menu redraws none of its parts.
    Btnscreen_Gadget figur{};
    figur.benutzer[0] = uint32_t(r->spieler[slot].spnr);
    figur.benutzer[1] = uint32_t(slot);
    aenderungen_bereit(r);
    Screen_Record = r;
    Screen_Seite = slot / 16;
    Spielszenen_Bildschirm_Freigeben();
    Spieler_Kontext_Menue(&figur);
    Screen_Record = nullptr;
    Mauszeiger_Freeze();
    Spielszenen_Neu_Zeichnen();
}

void Screen_Ansicht(Spielfeld_Steuerung_Block* st)
{
    switch (Spielszenen_Modus) {
    case SPIELSZENEN_VERLASSEN: {
        Spielfeld_Record* r = Spielszenen_Get_Aktives_Spiel();
        Screen_Record = r;
        Spielszenen_Bildschirm_Freigeben();
        if (!r || !Screen_Oeffnen()) {
            // Without the screen the view stays as it was.
            Screen_Record = nullptr;
            Spielszenen_Modus = SPIELSZENEN_SCREEN;
            Spielszenen_Neu_Zeichnen();
            return;
        }
        aus_ansicht = true;
        Screen_Seite_Zeigen(1);
        Spielszenen_Modus = SPIELSZENEN_HALBZEIT;
        return;
    }
    case SPIELSZENEN_HALBZEIT:
        if (!aus_ansicht) return;
        if (Screen_Record) Screen_Record->gezeichnet = 1;
        Screen_Frame_Zeit = Timer_Get_Time();
        Screen_Refresh(st);
        Btnscreen_Schritt(Aufstellung_Liste);
        return;
    case SPIELSZENEN_NAECHSTES:
        if (!aus_ansicht) return;
        aus_ansicht = false;
        Screen_Freigeben();
        Screen_Record = nullptr;
        Spielszenen_Modus = SPIELSZENEN_SCREEN;
        Spielszenen_Neu_Zeichnen();
        while (Maus_Get_Tasten() != 0 && !Programm_Ende) Win95_Message_Pump();
        return;
    default: return;
    }
}
