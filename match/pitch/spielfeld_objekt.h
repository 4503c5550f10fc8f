// Pitch objects and their orders: every decision of the engine becomes an order in the object's
// ring of four, which the object step carries out.
#pragma once
#include <cstdint>

#include "match/spielfeld.h"

constexpr int32_t SPIELFELD_SCHIEDSRICHTER = 32;
constexpr int32_t SPIELFELD_BALL = 35;
constexpr int32_t SPIELFELD_ECKFAHNEN = 37;
constexpr int32_t SPIELFELD_TORTEILE = 41;
constexpr int32_t SPIELFELD_BANK = 49;

// Flags of Spielfeld_Auftrag_Geben / _Eintragen.
enum : int32_t { AUFTRAG_SUCHEN = 1, AUFTRAG_ART_2 = 2, AUFTRAG_ART_0 = 4 };

// The ball of the record being stepped and its first order.
extern Spielfeld_Objekt* Ball_Objekt;
extern Spielfeld_Auftrag* Ball_Auftrag;

// Gives an order; 1 when entered. x -1 takes the animation's rest position; duration -1 computes
// it; ring offset 0 current, -1 replace even if busy, n > 0 the n-th slot after the current one.
int32_t Spielfeld_Auftrag_Geben(Spielfeld_Record* r, int32_t objekt, int32_t x, int32_t y, int32_t z, int32_t tempo,
                                int32_t animation, int32_t wert_40, int32_t dauer, int32_t wert_4, int32_t wert_6,
                                int32_t wert_28, int32_t ende, int32_t versatz, int32_t flags);
// Enters the target; the slot relative to the current one, or -1 (no slot: all four marked done).
int32_t Spielfeld_Auftrag_Eintragen(Spielfeld_Record* r, int32_t objekt, int32_t x, int32_t y, int32_t z, int32_t versatz,
                                    int32_t flags);
void Spielfeld_Auftrag_Tempo_Setzen(Spielfeld_Record* r, int32_t objekt, float tempo, int32_t relativ);
void Spielfeld_Auftrag_Animation_Setzen(Spielfeld_Record* r, int32_t objekt, int32_t animation, int32_t wert_40, int32_t dauer,
                                        int32_t wert_4, int32_t wert_6, int32_t wert_28, int32_t ende, int32_t relativ);
// Aims the object's velocity (and rolling components) at its current order's target.
void Spielfeld_Objekt_Richtung_Setzen(Spielfeld_Objekt* o, float tempo);
// Speed class of an order: 0 standing, 2 up to 222.22 cm/s, 3 up to 555.56 cm/s, 4 faster.
int32_t Spielfeld_Tempo_Stufe(const Spielfeld_Auftrag* a);
void Spielfeld_Flug_Setzen(Spielfeld_Record* r, int32_t objekt, float start_tempo);
// Puts the object at (x, y, z); x -1 on its current order's target.
void Spielfeld_Objekt_Setzen(Spielfeld_Record* r, int32_t objekt, int32_t x, int32_t y, int32_t z);
// Puts a player at (x, y, 0) with a standing order to that place in place of his current one:
// the same object as Spielfeld_Objekt_Setzen followed by Spielfeld_Auftrag_Geben(x, y, 0, speed 0,
// ANIM_BEWEGEN, duration 0, replacing), for the many line-up placings of a match day.
void Spielfeld_Spieler_Hinstellen(Spielfeld_Record* r, int32_t objekt, int32_t x, int32_t y);
void Spielfeld_Spieler_Zustaende_Loeschen(Spielfeld_Record* r);
// The object's current order.
Spielfeld_Auftrag* Spielfeld_Aktueller_Auftrag(Spielfeld_Objekt* o);
