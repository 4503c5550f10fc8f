// Small services of the menu module: the UI colour table, the automatic mode and the menu
// mark, the title picture, the dimmed screen behind layers, the duplicate report.
#pragma once
#include <cstdint>

struct Rastport;
struct Menue_Icon;

// 47 entries: a pixel value made at start-up and a strength the icon blit tints faces with.
// Entry 20 keeps pixel 0; entries 24 and 25 are -1 in both words (no colour).
constexpr int32_t UI_FARBEN = 47;
struct UI_Farbe {
    uint32_t farbe;
    uint32_t staerke;
};
extern UI_Farbe UI_Farbtabelle[UI_FARBEN];
// Colour of the text of disabled icons; the value text's on and off colours.
constexpr int32_t UI_FARBE_GESPERRT = 43;

void Menue_Farben_Init();
// Reads an entry; false (outputs untouched) for a bad index.
bool Menue_Farbe_Holen(int32_t index, uint32_t* farbe, uint32_t* staerke);

// The two automatic-mode bytes, set and cleared together by the menu services.
extern uint8_t Menue_Automatik_Bytes[2];
// Byte 0 (also for -1) or byte 1 of the automatic mode.
uint8_t Menue_Automatik_Aktiv(int32_t welches = -1);
// On: both bytes set, the manager no longer picks penalty takers, the own manager's settings
// bytes cleared and the pages that would wait for a manager (results, team of the day, live
// draw) switched off in every competition. Off: both bytes cleared. Returns byte 0.
uint8_t Menue_Automatik_Setzen(uint8_t an);
// Byte 0, 1 or 2 of the acting manager's settings for 1, 2 or 3 (help, animations, music).
int32_t Menue_Optionen_Wert(int32_t welcher);
// The competition of the acting club's match today, -1 without one.
int32_t Menue_Heutiges_Spiel_Wert();
// Menue_Rein notes the competition of the turn club's game today (-1 none).
void Menue_Set_Heutiger_Wettbewerb(int32_t wettbewerb);
// The menu mark: the turn ends at the next continue, as in automatic mode.
void Menue_Merker_Setzen(uint8_t wert);
uint8_t Menue_Merker();
// Presets the icon states of the sub-menu bar in a new manager's block: its first button chosen
// (toolkit/menueleiste.cpp).
struct Manager_Icon_Zustand;
void Menue_Leiste_Icons_Vorbelegen(Manager_Icon_Zustand* zustand);

// When the screen is to be dimmed: the saved screen goes back darkened, and is shown (with
// seite set, on the back page).
void Menue_Schirm_Aufhellen(Rastport* gesichert, uint8_t seite);
// The 640 x 480 title picture with the program's version on the render target.
void Menue_Titelbild_Zeigen();
Rastport* Menue_Get_Hintergrund();
// Logs a second record under a registered number with its owner and help text.
void Menue_Icon_Doppelt_Pruefen(int32_t nummer, const Menue_Icon* icon);
// Puts a scroll button at the position stored for the acting manager (menu services).
void Menue_Scrollbuttonpos_Zuweisen(Menue_Icon* icon);
// The frame colours of the main groups after the chosen group changed (704-707; others are
// reported), toolkit/hauptmenue.cpp.
void Menue_Rahmenfarben_Wechsel(int32_t basis);
