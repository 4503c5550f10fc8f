// The transfer search page of group 707 (switch button 803) on the icon toolkit: the own squad on
// the left, the four search slots with their small pitches, age and strength bars in the middle,
// the scope and filter switches above them, and the matching players on the right.
#pragma once
#include <cstdint>

struct Menue_Icon;

// Opens the page on a click carrying the flag 0x20000000; nothing while icon 1347 is on screen.
int32_t Spieler_Suche_Oeffnen(Menue_Icon* icon, uint32_t flags);
// Builds the page afresh from the search block and the switches and redraws it.
void Spieler_Suche_Seite_Zeigen();
// Takes the page's icons off the screen (another page of the group opens).
void Spieler_Suche_Seite_Entfernen();
// The matching players the right-hand list shows now (player, club), at most 200.
int32_t Spieler_Suche_Treffer(int32_t* spieler, int32_t* teams, int32_t max);
// Where slot s's small pitch lies on the screen (its top-left corner).
void Spieler_Suche_Feld_Ursprung(int32_t slot, int32_t* x, int32_t* y);
// A room corner icon's drag ended with its picture's top-left at (x, y); an age or strength
// handle's drag ended with its top at y.
void Spieler_Suche_Ecke_Abgelegt(Menue_Icon* icon, int32_t x, int32_t y);
void Spieler_Suche_Regler_Abgelegt(Menue_Icon* icon, int32_t y);
// The screen y of slot s's handles of bar art (0 age, 1 strength): the upper (maximum) and the
// lower (minimum) one.
void Spieler_Suche_Regler_Position(int32_t slot, int32_t art, int32_t* y_oben, int32_t* y_unten);
