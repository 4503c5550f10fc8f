// The line-up and match-data screen as its openers drive it (the report sequence and the live
// view): the record and side it shows, its phase, its pages.
#pragma once
#include <cstdint>

#include "matchview/lineup/spieldaten.h"

struct Spielfeld_Record;
struct Spielfeld_Steuerung_Block;

// Pages of the screen.
enum : int32_t { SCREEN_SEITE_DATEN = 0, SCREEN_SEITE_ANWEISUNGEN = 2, SCREEN_SEITE_MOTIVATION = 3 };

extern Spielfeld_Record* Screen_Record;
extern int32_t Screen_Seite;  // 0 home, 1 away

// Loads the gadget list and draws the screen for Screen_Record on back page 1; false when it
// cannot be loaded (nothing is shown then).
bool Screen_Oeffnen();
// One frame: the screen's refresh and one step of its gadget list.
void Screen_Schritt();
// Shows a page (through its LED) and redraws the header for a new record.
void Screen_Seite_Zeigen(int32_t seite);
void Screen_Kopf_Neu();
// Releases the gadget list and the screen's pictures.
void Screen_Freigeben();
bool Screen_Geladen();
// The live view's modes while the screen is over it: 5001 opens it on page 1 (the view stays
// as it was when it cannot load), 5003 runs a frame, 5002 closes it and has the view redrawn.
void Screen_Ansicht(Spielfeld_Steuerung_Block* st);

// The live view's right click on a player while the match day pauses: the line-up screen takes
// the record and the player's side and opens his context menu over the view (nothing for a
// player not this PC's); the view is redrawn whole afterwards.
void Screen_Spieler_Menue(Spielfeld_Record* r, int32_t slot);

// Test hook: answers Screen_Oeffnen and sees every call (name, argument).
using Screen_Hook = bool (*)(const char* aufruf, int32_t wert);
void Screen_Set_Hook(Screen_Hook hook);
