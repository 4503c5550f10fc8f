// Ball possession and the questions the behaviour routines ask about the pitch: who is near a
// point, who stands in a box, how far the goal is; the engine's initialisation guard and release.
#pragma once
#include <cstdint>

#include "match/spielfeld.h"

// Home attacks x = length, away x = 0, both at half the width; swapped ends exchange them.
void Spielfeld_Tor_Punkte_Setzen(Spielfeld_Record* r);
// Changes the holder (slot or -1) and keeps the bookkeeping of possession; true when it changed.
bool Spielfeld_Ballbesitz_Setzen(Spielfeld_Record* r, int32_t slot);
// The away side holds the ball.
bool Spielfeld_Ballbesitz_Gast(const Spielfeld_Record* r);
// Whole centimetres from the object to the goal the holder's side (home without one) attacks.
float Spielfeld_Entfernung_Zum_Tor(const Spielfeld_Record* r, int32_t objekt);
// Distance of two objects, rounded.
float Spielfeld_Entfernung_Objekte(const Spielfeld_Record* r, int32_t a, int32_t b);
// Midpoint of the object's position and its current order's target.
void Spielfeld_Ziel_Mitte(Spielfeld_Objekt* o, float* x, float* y);
float Spielfeld_Entfernung_Zur_Ziel_Mitte(Spielfeld_Objekt* a, Spielfeld_Objekt* b);
// First playing slot in transient state 0 (not the object) within the radius of the object, or of
// (x, y) when the object is -1 or x is not -1; -1 when none.
int32_t Spielfeld_Spieler_In_Naehe(const Spielfeld_Record* r, int32_t objekt, int32_t x, int32_t y, int32_t radius);
// The same over the object's opponents only.
int32_t Spielfeld_Gegner_In_Naehe(const Spielfeld_Record* r, int32_t objekt, int32_t x, int32_t y, int32_t radius);
// Playing slots of a side (1 away, 2 both, else home) within the square around the object; a
// slot close in y counts twice. Look-ahead shifts them by the object's velocity; mark makes the
// object their marker.
int32_t Spielfeld_Spieler_Im_Feld_Zaehlen(Spielfeld_Record* r, int32_t objekt, int32_t radius, int32_t seitenwahl,
                                          int32_t vorausschau, int32_t markieren);
// Playing slots other than the object strictly inside the box; the last one found goes to slot.
int32_t Spielfeld_Spieler_Im_Rechteck(const Spielfeld_Record* r, int32_t objekt, int32_t x1, int32_t y1, int32_t x2,
                                      int32_t y2, int32_t* slot);
// The side's (home when seite is not 0) playing slots inside the box, and the best one to play
// to; with an out point the box shrinks by `faktor` percent and the reference point goes there.
int32_t Spielfeld_Anspielstation_Suchen(const Spielfeld_Record* r, int32_t seite, int32_t x1, int32_t y1, int32_t x2,
                                        int32_t y2, int32_t* slot, float* px, float* py, int32_t faktor);
// One row of the band table: slots ending with -1.
constexpr int32_t SPIELFELD_BAND_ZEILE = 32;
// Playing slots within radius of a slot (or of (x, y) when c is -1): their count. With a list, up
// to `groesse` of them go there with their signed distances (negative: not ahead), into the band
// rows by their distance in x, and into the ring counters. Tables hold radius / 100 + 1 rows.
int32_t Spielfeld_Umkreis_Suchen(const Spielfeld_Record* r, int32_t radius, int32_t seitenwahl, int32_t modus, int32_t c,
                                 int32_t x, int32_t y, int32_t* liste, int32_t* abstaende,
                                 int8_t (*band)[SPIELFELD_BAND_ZEILE], int32_t* ringe, int32_t groesse);
// The engine's guard: false (with its message) before Spielfeld_Init.
bool Spielfeld_Initialisiert();
// Releases the per-game state and the list of live records.
void Spielfeld_Liste_Freigeben();
