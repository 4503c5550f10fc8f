// Ball possession and pitch queries. The goal points are here; the possession and distance
// queries are entry points with neutral answers until the possession module lands.
#pragma once
#include <cstdint>

#include "match/spielfeld.h"

// Home attacks x = length, away x = 0, both at half the width; swapped ends exchange them.
void Spielfeld_Tor_Punkte_Setzen(Spielfeld_Record* r);
// Whole centimetres from the object to the goal the holder's side attacks.
float Spielfeld_Entfernung_Zum_Tor(const Spielfeld_Record* r, int32_t objekt);
float Spielfeld_Entfernung_Objekte(const Spielfeld_Record* r, int32_t a, int32_t b);
// Players within the radius of an object (kinds 1 own side, 2 opponents): their count.
int32_t Spielfeld_Umkreis_Suchen(const Spielfeld_Record* r, int32_t objekt, int32_t radius, int32_t seitenwahl, int32_t modus);
