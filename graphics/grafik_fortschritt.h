// The progress box: a small box on the front page with a title and a bar of yellow blocks
// while a long operation runs, faded in over the blurred screen, redrawn at most every 200 ms
// and faded out when closed. One box at a time; it can be suppressed as a whole.
#pragma once
#include <cstdint>

constexpr int32_t FORTSCHRITT_HOEHE = 60;
constexpr int32_t FORTSCHRITT_MIN_BREITE = 240;

// Opens the box (x -1: centred, y -1: 190). 1 when open; 0 when suppressed, on an 8-bit screen
// or when memory runs out.
int Grafik_Fortschritt_Oeffnen(const char* titel, int32_t x, int32_t y);
// Redraws the bar (percent 0..100, other values count as 0) with an optional item line when
// 200 ms passed since the last redraw; 1 when it drew.
int Grafik_Fortschritt_Setzen(int32_t prozent, const char* eintrag);
void Grafik_Fortschritt_Schliessen();
void Grafik_Fortschritt_Sperren();
void Grafik_Fortschritt_Freigeben();

// Where the open box stands (for the tests and the panel's position); false when closed.
bool Grafik_Fortschritt_Lage(int32_t* x, int32_t* y, int32_t* w);
