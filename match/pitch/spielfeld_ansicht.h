// The engine's side of the live view: the hooks that load, drive and free it, the running speeds
// of the players, the animation table's preparation and small pitch routines.
#pragma once
#include <cstdint>

#include "match/spielfeld.h"

// Loads the view once (the record is not used); the flag is set only when loading succeeds.
void Spielfeld_Ansicht_Laden(Spielfeld_Record* r);
// One frame of the view while it is loaded.
void Spielfeld_Ansicht_Frame(Spielfeld_Record* r);
// The view-loaded flag as saved with the records.
uint8_t Spielfeld_Ansicht_Flag();
void Spielfeld_Ansicht_Flag_Setzen(uint8_t wert);

// On the pitch, lines included.
bool Spielfeld_Punkt_Im_Feld(float x, float y);
// Running speed in cm/s from the slot's quickness, aggressiveness and stamina.
float Spielfeld_Laufgeschwindigkeit(const Spielfeld_Spieler* e);
// The same under the side's effort (0..100); ohne_kraft ignores a spent stamina.
float Spielfeld_Laufgeschwindigkeit_Einsatz(const Spielfeld_Spieler* e, uint8_t ohne_kraft, int32_t einsatz);
// Developer's dump of one object to the debug log.
void Spielfeld_Debug_Objekt_Ausgeben(const Spielfeld_Record* r, int32_t objekt);
