#include "toolkit/requester.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "competitions/statistik_anzeige.h"
#include "database/manager.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "gameflow/team_requester.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_meldung.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
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
// The message as the word wrap takes it: its line breaks are the markup's.
std::string nachricht_text;
uint8_t anonym = 0;

constexpr int16_t KNOPF_Y = 282, KNOPF_B = 80, KNOPF_H = 22, NEIN_RECHTS = 431 + KNOPF_B;
// The frame holds the crests, the message and the buttons below it, on a dark ground of its own
// so that it reads over any screen.
constexpr int16_t RAHMEN_X = 97, RAHMEN_Y = 80, RAHMEN_B = NEIN_RECHTS + 14 - RAHMEN_X, RAHMEN_H = KNOPF_Y + KNOPF_H + 10 - RAHMEN_Y;
// The names are centred over the middle of the frame.
constexpr int32_t NAME_X = RAHMEN_X + RAHMEN_B / 2 - 110;
// The message's box inside the frame (the word wrap's left, right, top) and its line step.
constexpr int32_t TEXT_LINKS = 135, TEXT_RECHTS = 487, TEXT_OBEN = 153, TEXT_UNTEN = 420;

// A label the caller gave, which the face's own word does not say; null: the face as it is.
const char* beschriftung[3] = {};

int32_t knopf_text(Menue_Icon* icon, uint32_t);

// Every part of the box keeps the screen it covers, so that its removal gives back the screen it
// came over, not the bare menu background.
Menue_Icon knopf(int16_t nummer, int32_t quelle, int16_t x, int8_t pri, bool klick)
{
    Menue_Icon i = Menue_Icon_Vorlage(nummer, quelle, 0, x, KNOPF_Y, KNOPF_B, KNOPF_H, pri, 255);
    i.status = ICON_HINTERGRUND_BEHALTEN;
    if (klick) {
        i.klick = Menue_Requester_Klick;
        i.refresh_prozedur = knopf_text;
        i.status |= ICON_SPAETER_REFRESH;  // the label goes over the face
    }
    return i;
}

Menue_Icon bild(int16_t nummer, int16_t x, int16_t y, uint16_t w, uint16_t h, Menue_Refresh_Prozedur p)
{
    // Own bitmaps that their refresh procedures draw into; see-through until then.
    Menue_Icon i = Menue_Icon_Vorlage(nummer, -1, 0, x, y, w, h, 25, 20);
    i.refresh_prozedur = p;
    i.status = ICON_HINTERGRUND_BEHALTEN;
    return i;
}

Menue_Icon rahmen()
{
    Menue_Icon i = Menue_Icon_Vorlage(REQ_RAHMEN, -1, 0, RAHMEN_X, RAHMEN_Y, RAHMEN_B, RAHMEN_H, 24, 24);
    i.refresh_prozedur = Menue_Requester_Zeichnen;
    i.status = ICON_HINTERGRUND_BEHALTEN | ICON_SPAETER_REFRESH;  // the texts go over the frame
    return i;
}

Menue_Icon* eintrag(int16_t nummer)
{
    for (Menue_Icon* i = Menue_Requester_Liste; i->nummer != -1; ++i)
        if (i->nummer == nummer) return i;
    return nullptr;
}

int32_t beschriftung_index(const Menue_Icon* icon)
{
    return icon->nummer == REQ_JA ? 0 : icon->nummer == REQ_NEIN ? 1 : icon->nummer == REQ_OK ? 2 : -1;
}

// The font a label fits in with a margin on each side, else the narrowest.
Font_Record* knopf_font(const char* text, int32_t* breite)
{
    Font_Record* schmalster = nullptr;
    int32_t kleinste = 0;
    for (int32_t f : {3, 9, 2}) {
        Font_Record* font = Font(f);
        if (!font) continue;
        const int32_t b = Font_Text_Breite(font, text);
        if (b <= KNOPF_B - 12) {
            *breite = b;
            return font;
        }
        if (!schmalster || b < kleinste) schmalster = font, kleinste = b;
    }
    *breite = kleinste;
    return schmalster;
}

// A given label: the face's colour over its own word, a light and a dark edge, the label
// centred. A long label widens the button (the yes button to the right, the others to the left).
int32_t knopf_text(Menue_Icon* icon, uint32_t)
{
    const int32_t k = icon ? beschriftung_index(icon) : -1;
    Rastport* ziel = Grafik_Render_Ziel;
    if (k < 0 || !beschriftung[k] || !ziel || !ziel->pixels || ziel->depth < 15) return 0;
    const int32_t x = icon->x, y = icon->y, w = icon->breite, h = icon->hoehe;
    if (x < 0 || y < 0 || x + w > int32_t(ziel->width) || y + h > int32_t(ziel->height)) return 0;
    const uint16_t grund = static_cast<const uint16_t*>(ziel->pixels)[size_t(y + h / 2) * ziel->width + size_t(x + 3)];
    Grafik_Rechteck_Fuellen(ziel, x + 1, y + 1, w - 2, h - 2, grund);
    Grafik_Rechteck_Fuellen(ziel, x + 1, y + 1, w - 2, 1, Grafik_Farbe(10, 12, 15));
    Grafik_Rechteck_Fuellen(ziel, x + 1, y + h - 2, w - 2, 1, Grafik_Farbe(1, 2, 5));
    int32_t breite = 0;
    Font_Record* font = knopf_font(beschriftung[k], &breite);
    if (!font) return 0;
    Grafik_Printf(ziel, font, "^c%05d%s", x + (w - breite) / 2, y + (h + int32_t(font->ascent)) / 2 - 1,
                  int(Grafik_Farbe(15, 15, 15)), beschriftung[k]);
    return 1;
}

// Sets a button's label.
void beschriften(int16_t nummer, const char* text, const char* eigenes_wort)
{
    Menue_Icon* i = eintrag(nummer);
    const int32_t k = beschriftung_index(i);
    i->hilfetext = text ? text : eigenes_wort;
    beschriftung[k] = text && std::strcmp(text, eigenes_wort) != 0 ? text : nullptr;
}

// The width a button's label needs (set once the face is loaded, which brings its own size).
void knopf_breite(int16_t nummer)
{
    Menue_Icon* i = eintrag(nummer);
    const int32_t k = beschriftung_index(i);
    int32_t breite = 0;
    if (beschriftung[k]) knopf_font(beschriftung[k], &breite);
    const uint16_t alt = i->breite;
    i->breite = uint16_t(std::max<int32_t>(KNOPF_B, breite + 12));
    i->x = int16_t(nummer == REQ_JA ? 110 : NEIN_RECHTS - i->breite);
    // A button on the screen keeps what it covers at its new width.
    if (i->breite != alt && Menue_Screen_Icon_Ist_Vorhanden(nummer)) Menue_Screen_Icon_Orig_Neu(i);
}

// A line break of the message ("\n") as the word wrap knows it ("^l").
std::string mit_umbruechen(const char* text)
{
    std::string s;
    for (const char* p = text ? text : ""; *p; ++p)
        if (*p == '\n') s += "^l";
        else s += *p;
    return s;
}

// The text is laid out on a page-sized bitmap of its own to learn where it ends; nobody looks at
// its pixels, so one bitmap serves every box (a new one while a check follows what is drawn).
Rastport* probe_bitmap = nullptr;

// The frame grows downwards to hold the whole message and the buttons below it.
void rahmen_anpassen(Menue_Icon* r, const char* text)
{
    int32_t unten = TEXT_OBEN;
    const bool behalten = !Grafik_Text_Meldung && !Grafik_Flaeche_Meldung;
    if (probe_bitmap && (!behalten || !Grafik_Seite_0 || probe_bitmap->depth != Grafik_Seite_0->depth))
        probe_bitmap = Grafik_Bitmap_Freigeben(probe_bitmap);
    Rastport* probe = probe_bitmap;
    if (!probe) probe = Grafik_Seite_0 ? Grafik_Bitmap_Anlegen(640, 480, Grafik_Seite_0->depth) : nullptr;
    if (probe) {
        unten = Text_Umbruch_Ausgeben(probe, Font(2), text, TEXT_LINKS, TEXT_RECHTS, TEXT_OBEN, TEXT_UNTEN, 0, 12);
        if (behalten) probe_bitmap = probe;
        else Grafik_Bitmap_Freigeben(probe);
    }
    const Font_Record* f = Font(2);
    const int32_t unterlaenge = f && f->strip ? int32_t(f->strip->height) - int32_t(f->ascent) : 3;
    const int16_t knopf_y = int16_t(std::clamp<int32_t>(unten + unterlaenge + 8, KNOPF_Y, 480 - 12 - KNOPF_H));
    r->hoehe = uint16_t(knopf_y + KNOPF_H + 10 - RAHMEN_Y);
    for (int16_t n : {REQ_JA, REQ_NEIN, REQ_OK, REQ_FUELLER}) eintrag(n)->y = knopf_y;
}

void warte_tasten_los()
{
    while (Maus_Get_Tasten() != 0 && !Programm_Ende) {
    }
}

// The last box was left with Escape or the right button.
bool abgebrochen = false;
// The right button's presses counted when the box came up: one more leaves it.
uint32_t rechts_zuvor = 0;

// Takes the box away after one of its buttons: the button's sound, the screen it covered back,
// the button's number in the frame's tag 1.
void schliessen(Menue_Icon* r, const Menue_Icon* knopf)
{
    Soundeffekt_Play_Pos(knopf->nummer == REQ_JA ? 2 : 0, knopf->x + knopf->breite / 2);
    Menue_Icon_Liste_Entfernen(Menue_Requester_Liste, 8);
    r->kennung_1 = knopf->nummer;
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
}

// Escape, or a press of the right button since the box came up, leaves it by its default button
// (no, or a message's button) without answering.
void abbruch_pruefen()
{
    Menue_Icon* r = Menue_Screen_Icon_Aus_Nummer(REQ_RAHMEN);
    if (!r) return;
    const bool escape = Win95_Eingabe.taste == VK_ESCAPE;
    if (!escape && Os_Mouse_Presses(2) == rechts_zuvor) return;
    if (escape) Win95_Eingabe.taste = -1;
    const Menue_Icon* knopf = Menue_Screen_Icon_Aus_Nummer(r->verknuepft);
    if (!knopf) return;
    abgebrochen = true;
    schliessen(r, knopf);
}

}  // namespace

// Button faces: 5043 "Ja", 5044 "Nein", 5045 "OK", 5046 an inactive face.
Menue_Icon Menue_Requester_Liste[8] = {
    knopf(REQ_JA, 5043, 110, 25, true),
    knopf(REQ_NEIN, 5044, 431, 25, true),
    knopf(REQ_OK, 5045, 431, 25, true),
    knopf(REQ_FUELLER, 5046, 110, 26, false),
    bild(REQ_WAPPEN, 132, 97, 43, 43, Statistik_Wappen_Zeichnen),
    bild(REQ_BILD, 460, 97, 30, 40, Statistik_Manager_Wappen_Zeichnen),
    rahmen(),
    Menue_Icon_Listenende(),
};

void Menue_Requester_Set_Anzeige(Menue_Requester_Anzeige a) { anzeige = a; }

constexpr uint32_t MODAL_WARTE_MS = 10;

// Modal loops running (they nest).
static int32_t modal_schleifen = 0;

bool Menue_Modal_Schleife_Aktiv() { return modal_schleifen > 0; }

// `abbruch`, when given, looks after every event step whether the input asks to leave.
static bool modal_schleife(int32_t nummer, void (*abbruch)() = nullptr)
{
    // Counted, so that the event step keeps the input from the screen beneath the box.
    struct Zaehler {
        Zaehler() { ++modal_schleifen; }
        ~Zaehler() { --modal_schleifen; }
    } zaehler;
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
        if (abbruch) abbruch();
        if (!Menue_Screen_Icon_Ist_Vorhanden(nummer) || Menue_Automatik_Aktiv(0) || Menue_Merker()) {
            warte_tasten_los();
            return true;
        }
        // Waiting for the player sleeps until input comes, a few milliseconds at most so that a
        // networked PC still takes the server's signals, not on a busy core.
        if (!refresh) Os_Wait_Input(MODAL_WARTE_MS);
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
    abgebrochen = false;
    const uint8_t antwort = requester(type, team, message, yes_text, no_text, anonymous);
    Os_Script_Halten(gehalten);
    return antwort;
}

bool Menue_Requester_Abgebrochen() { return abgebrochen; }

void Menue_Requester_Abbruch_Vergessen() { abgebrochen = false; }

static uint8_t requester(int32_t type, int32_t team, const char* message, const char* yes_text, const char* no_text,
                         uint8_t anonymous)
{
    if (anzeige) {
        const uint8_t antwort = anzeige(type, team, message, yes_text, no_text);
        abgebrochen = antwort == MENUE_REQUESTER_ABBRUCH;
        return abgebrochen ? 0 : antwort;
    }
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
    beschriften(REQ_JA, yes_text, "Ja");
    beschriften(REQ_OK, yes_text, "OK");
    beschriften(REQ_NEIN, no_text, "Nein");
    nachricht_text = mit_umbruechen(message);
    rahmen_anpassen(r, nachricht_text.c_str());
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
        // An empty button beside OK only asks to be clicked: a message shows its one button.
        eintrag(REQ_FUELLER)->status |= ICON_VERSTECKT;
        r->verknuepft = REQ_OK;
        Soundeffekt_Play_Pos(type == 0 ? 3 : 4, mitte);
    }
    r->kennung_1 = -1;
    Menue_Aktuelles_Icon = nullptr;
    nachricht = nachricht_text.c_str();
    anonym = anonymous;
    Menue_Icon_Liste_Hinzufuegen(Menue_Requester_Liste);
    for (int16_t n : {REQ_JA, REQ_NEIN, REQ_OK}) knopf_breite(n);
    // An Escape or a right press from before the box came up is not meant for it.
    if (Win95_Eingabe.taste == VK_ESCAPE) Win95_Eingabe.taste = -1;
    rechts_zuvor = Os_Mouse_Presses(2);
    const bool normal = modal_schleife(REQ_RAHMEN, abbruch_pruefen);
    // A loop ended by the quit flag or the automatic mode leaves nothing on the screen.
    if (Menue_Screen_Icon_Ist_Vorhanden(REQ_RAHMEN)) Menue_Icon_Liste_Entfernen(Menue_Requester_Liste, 8);
    nachricht = "";
    // The next requester starts from the standard layout.
    rahmen_anpassen(r, "");
    for (int16_t n : {REQ_JA, REQ_NEIN, REQ_OK}) {
        beschriften(n, nullptr, n == REQ_JA ? "Ja" : n == REQ_NEIN ? "Nein" : "OK");
        knopf_breite(n);
    }
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
    schliessen(r, icon);
    return 0;
}

int32_t Menue_Requester_Zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* ziel = Grafik_Render_Ziel;
    if (!ziel) return 0;
    if (icon) {
        Grafik_Rechteck_Fuellen(ziel, icon->x + 1, icon->y + 1, icon->breite - 2, icon->hoehe - 2, Grafik_Farbe(1, 2, 5));
        Grafik_Rechteck_Fuellen(ziel, icon->x + 1, icon->y + icon->hoehe - 2, icon->breite - 2, 1, Grafik_Farbe(5, 6, 10));
    }
    const int farbe = int(Grafik_Farbe(9, 9, 15));
    if (anonym) {
        Grafik_Printf(ziel, Font(0), "^c%05d^tz0110Lieber Manager !", NAME_X, 120, farbe);
    } else {
        const char* name = Team_String(299, Aktuelles_Team, nullptr, 0);
        const char* verein = Team_String(150, Aktuelles_Team, nullptr, 0);
        // The club's line goes a whole line of the font below the name (an underlined club
        // name included), not into it.
        const Font_Record* f = Font(0);
        const int32_t zeile = f && f->strip ? std::max<int32_t>(12, int32_t(f->strip->height) + 1) : 12;
        Grafik_Printf(ziel, Font(0), "^c%05d^tz0110%s", NAME_X, 119 - zeile / 2, farbe, name ? name : "");
        Grafik_Printf(ziel, Font(0), "^c%05d^tz0110%s", NAME_X, 119 + (zeile + 1) / 2, farbe, verein ? verein : "");
    }
    Text_Umbruch_Ausgeben(ziel, Font(2), nachricht, TEXT_LINKS, TEXT_RECHTS, TEXT_OBEN, TEXT_UNTEN, Grafik_Farbe(15, 15, 0), 12);
    return 0;
}
