// The match overview of the running match day: a competition page (the day's games with live
// scores, or the live table) and a game page (teams, score, radar, statistics or goals and
// cards), drawn over whatever the screen showed while the live view is not loaded. From it the
// user pauses the day, switches competitions, opens a game, sends it to the live view and, once
// every game is over, leaves the day.
#pragma once
#include <cstdint>

struct Menue_Kontextmenue;
struct Spielfeld_Steuerung_Block;

// One frame of the overview; opens it on the first call (the next frame retries when its
// pictures cannot be had). `minute` is the smallest current minute of the day's games plus one.
// Returns whether the overview is open after the frame, or 1 when a button closed it now.
int32_t Spielansicht_Frame(Spielfeld_Steuerung_Block* st, int32_t minute);
// Closes the overview when it is open; with `wiederherstellen` the screen behind comes back.
void Spielansicht_Beenden(uint8_t wiederherstellen);

// The screen's state, as a test or the frame step may read it.
extern int32_t Spielansicht_Offen;       // 0 closed, 1 open
extern int32_t Spielansicht_Seite;       // 0 competition page, 1 game page
extern int32_t Spielansicht_Unterseite;  // game page: 0 statistics, 1 goals and cards
extern int32_t Spielansicht_Eingabe;     // 1 once a button or key acted since opening
extern int32_t Spielansicht_Spiel;       // the game of the game page

// The ten buttons: 0-4 on the competition page (previous, next, table/games, pause, leave),
// 5-9 on the game page (live view, statistics, goals and cards, pause, back).
constexpr int32_t SPIELANSICHT_KNOEPFE = 10;
enum : int32_t { SPIELANSICHT_NORMAL = 0, SPIELANSICHT_UEBER = 1, SPIELANSICHT_AUS = 2 };
struct Spielansicht_Knopf {
    int32_t x, y, breite, hoehe;
    int32_t zustand;  // SPIELANSICHT_NORMAL, _UEBER, _AUS
    int32_t bild;     // scene object shown: first face + state
    int32_t art;      // 6 left button, 8 right button, 7 both
};
const Spielansicht_Knopf* Spielansicht_Get_Knopf(int32_t i);

// The day's competitions of the overview and the one shown; the popup list holds at most 33.
int32_t Spielansicht_Wettbewerb_Anzahl();
int32_t Spielansicht_Wettbewerb();
// Fills the popup list "Wettbewerb wählen:" (one radio item per competition, the shown one
// chosen); the number of items.
int32_t Spielansicht_Wettbewerb_Liste(Menue_Kontextmenue* liste);
// The item procedure of that list: the chosen competition becomes the shown one.
uint8_t Spielansicht_Wettbewerb_Setzen(int32_t eintrag, int32_t wert_c, int32_t wert_a, int32_t wert_b);

// The games list's geometry as last laid out (rows, top, height) and the listed games.
struct Spielansicht_Liste_Stand {
    int32_t zeile, oben, hoehe, spiele;
};
Spielansicht_Liste_Stand Spielansicht_Get_Liste();

// Test hooks: the pointer and buttons (x, y, buttons 1 left / 2 right / 0) in place of the
// mouse; every text drawn (font, x, y in the target, the text) and every popup list run (the
// hook answers in place of the list; null removes a hook).
using Spielansicht_Maus_Hook = void (*)(int32_t* x, int32_t* y, int32_t* tasten);
void Spielansicht_Set_Maus_Hook(Spielansicht_Maus_Hook hook);
using Spielansicht_Text_Hook = void (*)(int32_t font, int32_t x, int32_t y, const char* text);
void Spielansicht_Set_Text_Hook(Spielansicht_Text_Hook hook);
using Spielansicht_Popup_Hook = int32_t (*)(Menue_Kontextmenue* liste);
void Spielansicht_Set_Popup_Hook(Spielansicht_Popup_Hook hook);
