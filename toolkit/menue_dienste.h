// Menu services that the game modules call on the screen's icons. Entry points only until the
// icon toolkit lands: no icon is on the screen, so nothing is marked or redrawn.
#pragma once
#include <cstdint>

struct Menue_Icon;
struct Manager_Icon_Zustand;

// 1 when the icon with that number is on the screen.
uint8_t Menue_Screen_Icon_Ist_Vorhanden(int32_t nummer);
// Writes `wert` into the redraw request of the registered icon (1: redraw at the next refresh).
void Menue_Screen_Icon_Aktiv_Setzen(uint8_t wert, int32_t nummer);
// Presets the sub-menu bar's icon states of a new manager.
void Menue_Leiste_Icons_Vorbelegen(Manager_Icon_Zustand* zustand);
// The knob position of a value on a scroll bar (the icon by number, or given when the number is
// -1), stored as the button's state for the team's manager; -1 without such a bar.
int32_t Menue_Wert_In_Scrollpos_Umrechnen(int32_t team, int32_t nummer, Menue_Icon* icon, int32_t wert,
                                          uint8_t vorwaerts, int32_t min, int32_t max, int32_t start,
                                          int32_t ende);
// Sets the menu mark that the toolkit clears when a menu is left.
void Menue_Merker_Setzen();
