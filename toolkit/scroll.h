// Scroll screens (off-screen content bitmaps of which a window is shown) and scroll bars. The
// button's place on its track is stored per manager and drives the content offset.
#pragma once
#include <cstdint>

struct Rastport;
struct Menue_Icon;

constexpr int32_t MENUE_SCROLLSCREENS = 23;
constexpr uint8_t MENUE_KEIN_SCROLLSCREEN = 255;
// Icons over a window that its redraw draws again.
constexpr int32_t MENUE_SCROLL_OVERLAYS = 5;

using Menue_Scroll_Prozedur = void (*)(int32_t nummer, uint32_t wert);
using Menue_Balken_Prozedur = int32_t (*)(Menue_Icon* icon, int32_t position);

struct Scrollscreen {
    Rastport* bitmap;                 // content, null when freed
    int32_t breite, hoehe;            // content size
    int32_t sicht_breite, sicht_hoehe;
    int32_t x, y;                     // the window on the screen
    uint32_t blit_worte[2];
    Menue_Scroll_Prozedur prozedur;   // called by the refresh for a touched scroll screen
    int16_t balken_icon;
    int16_t fenster_slave;
    uint32_t flags;                   // 0x1 horizontal
    int32_t letzte_position;
    int32_t position;                 // scroll offset in pixels
    int32_t erste_zeile;
    int32_t laenge;
    uint32_t weitere[4];
};

// Data record of a scroll button (flag 0x20); its first word is the bar's value procedure.
struct Menue_Scrollbar_Daten {
    Menue_Balken_Prozedur wert_prozedur;
    int16_t ohne_zeichnen;              // not 0: the button is not drawn while dragged (its owner does)
    int16_t x_start, x_ende, x_marke;   // x_marke -1: vertical bar
    int16_t y_start, y_ende, y_marke;   // y_marke -1: horizontal bar
    float faktor;
    int8_t scrollscreen;
};

// Points the 23 records' table at them and clears their bitmaps (start-up).
void Menue_Scrollscreens_Init();
// The record, null and a report outside 0..22.
Scrollscreen* Menue_Get_Scrollscreen(int32_t nummer);
// Frees every content bitmap.
void Menue_Scrollscreens_Freigeben();
void Menue_Kill_Scrollscreen(int32_t nummer, uint32_t flags);
int32_t Menue_Scrollbar_Klick(Menue_Icon* icon, uint32_t flags);
// Moves the button for one wheel step.
void Menue_Scrollbar_Rad(Menue_Icon* icon);
int32_t Menue_Abs_Balkenpos(Menue_Icon* icon);
// procedure(icon, Menue_Abs_Balkenpos(icon)) when the procedure is set.
int32_t Menue_Balken_Prozedur_Aufrufen(Menue_Balken_Prozedur prozedur, Menue_Icon* icon);

// v mapped from min..max into the target range; forward 0 counts from max down (max - v + 1).
int32_t Menue_Position_In_Prozent(int32_t wert, uint8_t vorwaerts, int32_t min, int32_t max, int32_t ziel_min,
                                  int32_t ziel_max);
// The value of a button's place on its track (icon by number, or `icon` with -1); 0 for a
// zero-length track, -1 without a bar.
int32_t Menue_Scrollpos_In_Wert_Umrechnen(uint32_t frei, int32_t nummer, Menue_Icon* icon, int32_t min,
                                          int32_t max, int32_t start, int32_t ende);
// The content bitmap, made on demand; null for a bad number or when memory runs out.
Rastport* Menue_Screen_Icon_Scroll_Bitmap(int32_t nummer);
Rastport* Menue_Scrollscreen_Leeren(int32_t nummer);
// Moves the scroll screen's icons by the change of position since the last call.
void Menue_Scrollscreen_Verschiebung(int32_t nummer);
// The bar's factor from content and track; hides bar and button when the content fits.
void Menue_Scrollscreen_Rasterbreite_Festlegen(int32_t nummer);
void Menue_Dynamischen_Scrollbar_Korrigieren(Scrollscreen* s);
// Value procedure of scroll bars: redraws the bar's scroll screen.
int32_t Menue_Universale_Scroll_Prozedur(Menue_Icon* icon, int32_t wert);
// Redraws a scroll screen's window from its content at the current position.
void Menue_Universale_Scroll_Blit_Prozedur(int32_t nummer, uint32_t wert);
// The visible part of an icon in its scroll screen's window: its clipped place on the screen and
// its visible length along the scroll axis. 0 (and size 0) when none of it shows.
int32_t Menue_Icon_Passgroesse_Ermitteln(Menue_Icon* icon, int32_t* x, int32_t* y, int32_t* groesse);
// Pixels one wheel step moves the button.
int32_t Menue_Scrollbar_Rad_Schritt(Menue_Icon* icon);

// The knob position of a value on a scroll bar (the icon by number, or `icon` when the number is
// -1), stored as the button's state for the team's manager; -1 without such a bar.
int32_t Menue_Wert_In_Scrollpos_Umrechnen(int32_t team, int32_t nummer, Menue_Icon* icon, int32_t wert,
                                          uint8_t vorwaerts, int32_t min, int32_t max, int32_t start,
                                          int32_t ende);
