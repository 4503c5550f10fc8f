// Mouse questions of the whole program: position in screen pixels, buttons, whether the mouse
// is in a rectangle or over a visible pixel of a picture. Window thread only.
#pragma once
#include <cstdint>

// The pointer protocol that screen writes use lives beside it.
#include "platform/mauszeiger.h"

struct Rastport;

int32_t Maus_Get_X();
int32_t Maus_Get_Y();
// Handles one pending window message, then 1 while the left button is held, else 2 while the
// right one is held, else 0. A press that came and went since the last call counts as held
// for this one call.
int Maus_Get_Tasten();
// The button pressed since the last call of this function (1 left, else 2 right, else 0), also
// when it has been released again already: tells a new press from a button held all along.
int Maus_Neue_Tasten();
// Where the pointer stood at the last press: a fast hand may have moved it on since.
void Maus_Druck_Position(int32_t* x, int32_t* y);
// Clears the double-click flag of the input words; returns 0.
int Maus_Doppelklick_Loeschen();
// Handles one pending message; 1 when x <= mouse x <= x + w and y <= mouse y <= y + h.
int Maus_In_Rect(int32_t x, int32_t y, int32_t w, int32_t h);
// Handles one pending message; 1 when the mouse lies on a visible pixel of the bitmap drawn at
// (x, y): the mask bit decides, else a non-zero pixel; a packed bitmap without a mask counts as
// hit. The right and bottom edges are outside.
int Maus_Over_Bild(const Rastport* bitmap, int32_t x, int32_t y);
// "X: %d Y: %d" with the mouse position, for the on-screen debug line.
const char* Maus_Debug_Position();
