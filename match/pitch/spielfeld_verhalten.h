// Behaviour routines of the pitch objects and the contact resolution: entry points with neutral
// bodies until the behaviour and contact modules land.
#pragma once
#include <cstdint>

#include "match/spielfeld.h"

// A substitute walks to his seat on the bench (platzieren 1 when a line-up is placed).
void Spielfeld_Verhalten_Bank(Spielfeld_Record* r, int32_t slot, int32_t platzieren);
// The bench figures and other side objects.
void Spielfeld_Verhalten_Nebenobjekt(Spielfeld_Record* r, int32_t objekt, int32_t platzieren);
// Contacts between players and ball, once per frame and once at creation.
void Spielfeld_Kontakte_Aufloesen(Spielfeld_Record* r);
// The kick-off's special actions.
void Spielfeld_Sonderaktion(Spielfeld_Record* r);
// Sets the ball's flight clock to match its present height (a flight that continues).
void Spielfeld_Ball_Flugdauer();
