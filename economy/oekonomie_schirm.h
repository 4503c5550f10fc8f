// The economy group of the main menu (group button 705): a row of switch buttons over the work
// area, one per screen (bank: finances, investments, exchange monitor; stadium; advertising;
// training camps; club events and bonuses), and the drawing helpers these screens share.
#pragma once
#include <cstdint>
#include <string>

#include "toolkit/icon.h"

struct Rastport;

constexpr int32_t OEKONOMIE_FINANZEN = 2001, OEKONOMIE_ANLAGEN = 2002, OEKONOMIE_BOERSE = 2003;
constexpr int32_t OEKONOMIE_STADION = 2241, OEKONOMIE_WERBUNG = 2242, OEKONOMIE_LAGER = 2243, OEKONOMIE_VEREIN = 2244;
constexpr int32_t OEKONOMIE_SCHALTER = 7;

// The work area below the switch row: the screens draw here.
constexpr int32_t OEK_X = 0, OEK_Y = 66, OEK_B = 598, OEK_H = 414;

// A screen of the group: builds and adds its icons (the previous screen's are gone).
using Oekonomie_Schirm = int32_t (*)(Menue_Icon* icon, uint32_t flags);

// The group procedure of 705: shows the switch row and the screen chosen last (finances first).
int32_t Bank_Screen(Menue_Icon* icon, uint32_t flags);
// Opens one screen of the group by its switch number; 0 for a number outside the group.
int32_t Oekonomie_Schirm_Oeffnen(int32_t nummer);
// Registers the group with the main menu.
void Oekonomie_Schirme_Registrieren();
// The switch number of the screen shown, -1 none.
int32_t Oekonomie_Aktueller_Schirm();

// The finance pages' state as the screen keeps it (page, week, toggles).
struct Bank_Finanz_Zustand;
const Bank_Finanz_Zustand& Bank_Finanzen_Zustand();
// A new or loaded game's finance pages start on the first page, the whole season, no toggle on.
void Bank_Finanzen_Zuruecksetzen();
// The days of history the exchange monitor's chart shows (its range buttons 2026..2037).
int32_t Bank_Kurs_Zeitraum();

// The screens' icon lists live in fixed storage: the toolkit keeps pointers into them.
struct Oek_Liste {
    static constexpr int32_t MAX = 200;
    Menue_Icon feld[MAX + 1];
    int32_t n = 0;
    Menue_Icon* icons() { return feld; }
    // Starts a new list; the toolkit must not hold the old one (taken away first).
    void leeren();
    // A button: drawn by `zeichnen`, clicked by `klick`, with its help text.
    Menue_Icon& knopf(int16_t nummer, int16_t x, int16_t y, uint16_t b, uint16_t h, int8_t prioritaet,
                      Menue_Refresh_Prozedur zeichnen, Menue_Klick_Prozedur klick, const char* hilfe);
    // A rocker of the toolkit (toolkit/wippe.h) bound by `wert`, which must outlive the list.
    Menue_Icon& wippe(int16_t nummer, int16_t x, int16_t y, uint16_t breite, int8_t prioritaet, Menue_Wert_Beschreibung* wert,
                      Menue_Klick_Prozedur klick, Menue_Refresh_Prozedur zeichnen, const char* hilfe);
    // A new icon drawn by `zeichnen` after the toolkit's own face (or never drawn when null).
    Menue_Icon& neu(int16_t nummer, int16_t x, int16_t y, uint16_t b, uint16_t h, int8_t prioritaet,
                    Menue_Refresh_Prozedur zeichnen);
};
// Takes the shown screen's list away and puts `liste` in its place, then redraws the work area.
void Oekonomie_Liste_Zeigen(Oek_Liste* liste);
// Redraws the work area (after a click that changed what a screen shows).
void Oekonomie_Neu_Zeichnen();

// Drawing helpers on the render target: text with inline codes at (x, y) in a colour; a filled
// box with a frame; a picture of the screen resource file, blitted whole (transparent when
// asked); a panel background for a page.
// A model's line, whose own colour codes fall back to the font's colour: printed in `farbe`
// (0: the dark ink of the paper panels).
void Oek_Zeile(int32_t x, int32_t y, const std::string& text, uint16_t farbe = 0);
// Tests see every text the pages print, with its place (x, baseline y).
extern void (*Oek_Text_Hook)(int32_t x, int32_t y, const char* text);
std::string Oek_Fmt(const char* format, ...) __attribute__((format(printf, 1, 2)));
uint16_t Oek_Tinte();
uint16_t Oek_Papier();
void Oek_Text(int32_t x, int32_t y, uint16_t farbe, const char* text, int32_t font = 11);
void Oek_Kasten(int32_t x, int32_t y, int32_t b, int32_t h, uint16_t fuellung, uint16_t rahmen);
// Only the frame of such a box.
void Oek_Rahmen(int32_t x, int32_t y, int32_t b, int32_t h, uint16_t farbe);
bool Oek_Bild(int32_t nummer, int32_t x, int32_t y, bool transparent = false, int32_t datei = 0);
// At most `hoehe` rows of a picture at (x, y): its top rows, or with `unten` its bottom rows.
bool Oek_Bild_Ausschnitt(int32_t nummer, int32_t x, int32_t y, int32_t hoehe, bool unten, int32_t datei = 0);
// The same two for a picture in memory (a screen that keeps its pictures while it runs).
void Oek_Rastport_Zeigen(Rastport* bild, int32_t x, int32_t y, bool transparent);
void Oek_Rastport_Ausschnitt(Rastport* bild, int32_t x, int32_t y, int32_t hoehe, bool unten);
// A picture stretched or shrunk into b x h at (x, y), see-through pixels kept; with `drehen`
// turned a quarter (its top to the right), for a board standing upright.
bool Oek_Bild_Skaliert(int32_t nummer, int32_t x, int32_t y, int32_t b, int32_t h, bool drehen, int32_t datei = 0);
// The same for a picture in memory.
void Oek_Rastport_Skaliert(const Rastport* bild, int32_t x, int32_t y, int32_t b, int32_t h, bool drehen);
// A picture shrunk by a whole factor (every teiler-th pixel), for small pictures in a list.
bool Oek_Bild_Verkleinert(int32_t nummer, int32_t x, int32_t y, int32_t teiler, int32_t datei = 0);
void Oek_Hintergrund(int32_t bild, const char* titel);
uint16_t Oek_Farbe(int r, int g, int b);
// Prints `text` (inline codes allowed, "^l" breaks a line) wrapped at word boundaries into
// `breite` pixels from (x, y) on, at most `zeilen` lines of 13 pixels; the y after the last line.
int32_t Oek_Umbruch(int32_t x, int32_t y, int32_t breite, const std::string& text, uint16_t farbe, int32_t zeilen = 20);
// A clickable face: a framed button with its label, lit when `an`.
void Oek_Knopf(const Menue_Icon* icon, const char* text, bool an);
