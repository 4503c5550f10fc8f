#include "toolkit/requester.h"

#include "competitions/statistik_anzeige.h"
#include "database/manager.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "gameflow/team_requester.h"
#include "graphics/font.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/text_umbruch.h"
#include "network/internet.h"
#include "platform/maus.h"
#include "platform/os/os.h"
#include "platform/print.h"
#include "platform/soundeffekt.h"
#include "platform/win95.h"
#include "toolkit/dienste.h"
#include "toolkit/event.h"
#include "toolkit/icon.h"
#include "toolkit/mausover.h"
#include "toolkit/screen.h"

namespace {

Menue_Requester_Anzeige anzeige = nullptr;
const char* nachricht = "";
uint8_t anonym = 0;

Menue_Icon knopf(int16_t nummer, int32_t quelle, int16_t x, int8_t pri, bool klick)
{
    Menue_Icon i = Menue_Icon_Vorlage(nummer, quelle, 0, x, 282, 80, 22, pri, 255);
    if (klick) i.klick = Menue_Requester_Klick;
    return i;
}

Menue_Icon bild(int16_t nummer, int16_t x, int16_t y, uint16_t w, uint16_t h, Menue_Refresh_Prozedur p)
{
    // Own bitmaps that their refresh procedures draw into; see-through until then.
    Menue_Icon i = Menue_Icon_Vorlage(nummer, -1, 0, x, y, w, h, 25, 20);
    i.refresh_prozedur = p;
    return i;
}

Menue_Icon rahmen()
{
    Menue_Icon i = Menue_Icon_Vorlage(REQ_RAHMEN, -1, 0, 97, 80, 354, 146, 24, 24);
    i.refresh_prozedur = Menue_Requester_Zeichnen;
    i.status = ICON_SPAETER_REFRESH;  // the texts go over the frame
    return i;
}

Menue_Icon* eintrag(int16_t nummer)
{
    for (Menue_Icon* i = Menue_Requester_Liste; i->nummer != -1; ++i)
        if (i->nummer == nummer) return i;
    return nullptr;
}

void warte_tasten_los()
{
    while (Maus_Get_Tasten() != 0 && !Programm_Ende) {
    }
}

}  // namespace

// Button faces: 5043 "Ja", 5044 "Nein", 5045 "OK", 5046 an inactive face.
Menue_Icon Menue_Requester_Liste[8] = {
    knopf(REQ_JA, 5043, 110, 25, true),
    knopf(REQ_NEIN, 5044, 431, 25, true),
    knopf(REQ_OK, 5045, 431, 25, true),
    knopf(REQ_FUELLER, 5046, 110, 26, false),
    bild(REQ_WAPPEN, 132, 97, 43, 43, Statistik_Wappen_Zeichnen),
    bild(REQ_BILD, 416, 97, 30, 40, Statistik_Manager_Wappen_Zeichnen),
    rahmen(),
    Menue_Icon_Listenende(),
};

void Menue_Requester_Set_Anzeige(Menue_Requester_Anzeige a) { anzeige = a; }

static bool modal_schleife(int32_t nummer)
{
    uint8_t refresh = 1;
    for (;;) {
        if (Netz_Rolle & 1) {
            Steuersignal_Verarbeiten();
            if (!Menue_Screen_Icon_Ist_Vorhanden(nummer) || Menue_Automatik_Aktiv(0)) return false;
        }
        if (refresh) Menue_Screen_Refresh(refresh, -1, -1, -1, -1);
        if (Menue_Automatik_Aktiv(1)) {
            Menue_Icon_Verlassen();
            if (!Menue_Modal_Aktiv && Menue_Aktuelles_Icon)
                Menue_Mouse_Not_Over_Info(Menue_Aktuelles_Icon, nullptr, 0, 1, MAUSOVER_ENDE);
            Menue_Aktuelles_Icon = Menue_Gezogenes_Icon = nullptr;
            Menue_Zieh_Bild = Menue_Zieh_Hintergrund = nullptr;
            return false;
        }
        refresh = uint8_t(Menue_Icons_Check(-1));
        if (Programm_Ende) return false;
        if (!Menue_Screen_Icon_Ist_Vorhanden(nummer) || Menue_Automatik_Aktiv(0) || Menue_Merker()) {
            warte_tasten_los();
            return true;
        }
    }
}

bool Menue_Modal_Schleife(int32_t nummer)
{
    // A modal screen waits for input, even inside work that holds the script back.
    const bool gehalten = Os_Script_Halten(false);
    const bool normal = modal_schleife(nummer);
    Os_Script_Halten(gehalten);
    return normal;
}

static uint8_t requester(int32_t type, int32_t team, const char* message, const char* yes_text, const char* no_text,
                         uint8_t anonymous);

uint8_t Menue_Requester(int32_t type, int32_t team, const char* message, const char* yes_text, const char* no_text,
                        uint8_t anonymous)
{
    // It waits for the button of the click before to be let go, then for an answer: input, even
    // in the middle of work that holds the script back.
    const bool gehalten = Os_Script_Halten(false);
    const uint8_t antwort = requester(type, team, message, yes_text, no_text, anonymous);
    Os_Script_Halten(gehalten);
    return antwort;
}

static uint8_t requester(int32_t type, int32_t team, const char* message, const char* yes_text, const char* no_text,
                         uint8_t anonymous)
{
    if (anzeige) return anzeige(type, team, message, yes_text, no_text);
    if (Menue_Automatik_Aktiv(1)) return 1;
    if (team != -1 && (team < 0 || team >= Team_Anzahl || !Team_Hat_Manager(team) || !Team_Ist_Lokal(team))) return 1;
    if (!message) message = "";
    const int32_t alt = Aktuelles_Team;
    const uint32_t alt_handelnd = Handelndes_Team;
    const int32_t ziel = Team_Requester_Get_Team(team, nullptr);
    // The message is text, never a format.
    if (ziel == -1) return Team_Requester(type, -1, "%s", message);
    Aktuelles_Team = ziel;
    if (EIGENER_SERVER) Handelndes_Team = uint32_t(ziel);
    while (Maus_Get_Tasten() == 1 && !Programm_Ende) {
    }
    Menue_Icon* wappen = eintrag(REQ_WAPPEN);
    Menue_Icon* bild_icon = eintrag(REQ_BILD);
    Menue_Icon* r = eintrag(REQ_RAHMEN);
    if (anonymous) {
        wappen->kennung_1 = -1;
        bild_icon->status |= ICON_VERSTECKT;
    } else {
        wappen->kennung_1 = bild_icon->kennung_1 = int16_t(Aktuelles_Team);
        bild_icon->status &= uint16_t(~ICON_VERSTECKT);
    }
    eintrag(REQ_JA)->hilfetext = yes_text ? yes_text : "Ja";
    eintrag(REQ_OK)->hilfetext = yes_text ? yes_text : "OK";
    eintrag(REQ_NEIN)->hilfetext = no_text ? no_text : "Nein";
    for (int16_t n : {REQ_JA, REQ_NEIN, REQ_OK, REQ_FUELLER}) {
        eintrag(n)->status &= uint16_t(~ICON_VERSTECKT);
        Manager_Icon_Button_An_Aus(Aktuelles_Team, n, 0);
    }
    const int32_t mitte = r->x + r->breite / 2;
    if (type == 2) {
        eintrag(REQ_OK)->status |= ICON_VERSTECKT;
        eintrag(REQ_FUELLER)->status |= ICON_VERSTECKT;
        r->verknuepft = REQ_NEIN;
        Soundeffekt_Play_Pos(4, mitte);
    } else {
        eintrag(REQ_JA)->status |= ICON_VERSTECKT;
        eintrag(REQ_NEIN)->status |= ICON_VERSTECKT;
        r->verknuepft = REQ_OK;
        Soundeffekt_Play_Pos(type == 0 ? 3 : 4, mitte);
    }
    r->kennung_1 = -1;
    Menue_Aktuelles_Icon = nullptr;
    nachricht = message;
    anonym = anonymous;
    Menue_Icon_Liste_Hinzufuegen(Menue_Requester_Liste);
    const bool normal = Menue_Modal_Schleife(REQ_RAHMEN);
    // A loop ended by the quit flag or the automatic mode leaves nothing on the screen.
    if (Menue_Screen_Icon_Ist_Vorhanden(REQ_RAHMEN)) Menue_Icon_Liste_Entfernen(Menue_Requester_Liste, 8);
    nachricht = "";
    Aktuelles_Team = alt;
    if (EIGENER_SERVER) Handelndes_Team = alt_handelnd;
    return normal && r->kennung_1 == REQ_JA ? 1 : 0;
}

int32_t Menue_Requester_Klick(Menue_Icon* icon, uint32_t)
{
    Menue_Icon* r = Menue_Screen_Icon_Aus_Nummer(REQ_RAHMEN);
    if (!r) {
        Print_Fehler("Menue_Requester_Klick: req_icon=NULL!\n");
        return 0;
    }
    if (!icon || (icon->nummer != REQ_JA && icon->nummer != REQ_NEIN && icon->nummer != REQ_OK)) {
        Print_Fehler("Menue_Requester_Klick: Button falsch!\n");
        return 0;
    }
    Soundeffekt_Play_Pos(icon->nummer == REQ_JA ? 2 : 0, icon->x + icon->breite / 2);
    Menue_Icon_Liste_Entfernen(Menue_Requester_Liste, 8);
    r->kennung_1 = icon->nummer;
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    return 0;
}

int32_t Menue_Requester_Zeichnen(Menue_Icon*, uint32_t)
{
    Rastport* ziel = Grafik_Render_Ziel;
    if (!ziel) return 0;
    const int farbe = int(Grafik_Farbe(9, 9, 15));
    if (anonym) {
        Grafik_Printf(ziel, Font(0), "^c%05d^tz0110Lieber Manager !", 184, 120, farbe);
    } else {
        const char* name = Team_String(299, Aktuelles_Team, nullptr, 0);
        const char* verein = Team_String(150, Aktuelles_Team, nullptr, 0);
        Grafik_Printf(ziel, Font(0), "^c%05d^tz0110%s", 184, 113, farbe, name ? name : "");
        Grafik_Printf(ziel, Font(0), "^c%05d^tz0110%s", 184, 125, farbe, verein ? verein : "");
    }
    Text_Umbruch_Ausgeben(ziel, Font(2), nachricht, 135, 440, 153, 330, Grafik_Farbe(15, 15, 0), 12);
    return 0;
}
