// The rocker gadget: a value field whose top line shows the value and whose six buttons below
// step it, the left three down and the right three up, from the outside in by a hundred, ten and
// one step (the standard rocker handler runs at the click, before the icon's click procedure).
// Held down it repeats faster and faster; the right button offers the input-field menu. Every
// screen that sets a number with a rocker builds it here.
#pragma once
#include <cstdint>

#include "toolkit/icon.h"

// The face fits the default zone places: six buttons of 11 x 11 from x 5 to 78, y 14 to 27. A
// wider rocker spreads them over its width.
constexpr uint16_t WIPPE_BREITE = 80, WIPPE_HOEHE = 28;

// A descriptor bound to one variable, its range and step, the zones at their default places;
// the default value (input-field menu) is the variable's value now. Whole numbers go through
// the 32-bit form and must not be negative.
Menue_Wert_Beschreibung Menue_Wippe_Wert(float* wert, int32_t minimum, int32_t maximum, int32_t schritt);
Menue_Wert_Beschreibung Menue_Wippe_Wert(int32_t* wert, int32_t minimum, int32_t maximum, int32_t schritt);

// The rocker's record at (x, y), `breite` wide (0: WIPPE_BREITE; wider ones move the zones of
// `wert` apart): value field with the standard handler, `wert` as its data.
// `klick` runs after the value stepped (also after a choice of the input-field menu, with flag
// 0x400); null redraws the rocker only. `zeichnen` draws the face through Menue_Wippe_Zeichnen;
// null shows the bound value as a whole number.
Menue_Icon Menue_Wippe_Vorlage(int16_t nummer, int16_t x, int16_t y, uint16_t breite, int8_t prioritaet,
                               Menue_Wert_Beschreibung* wert, Menue_Klick_Prozedur klick, Menue_Refresh_Prozedur zeichnen,
                               const char* hilfe);

// Draws the face of a rocker icon on the render target: the plate, `text` centred on its top
// line, the six buttons (greyed when the icon is disabled), the held one pressed.
void Menue_Wippe_Zeichnen(Menue_Icon* icon, const char* text);

// The bound value of a rocker icon as a whole number (0 without one).
int32_t Menue_Wippe_Wert_Lesen(const Menue_Icon* icon);
