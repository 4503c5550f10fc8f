// Contacts on the pitch: players against the ball (reach, saves, deflections, challenges) and
// players against each other (duels, falls, fouls, injuries). The resolution itself,
// Spielfeld_Kontakte_Aufloesen, is declared with the behaviour routines that call it.
#pragma once
#include <cstdint>

#include "match/spielfeld.h"

// Body contacts between the listed players (every third contact pass).
void Spielfeld_Spieler_Kontakte(Spielfeld_Record* r, const int32_t* liste, int32_t anzahl);
// The challenge chance per 1000 of a challenger with value vc against a holder with vh.
int32_t Spielfeld_Zweikampf_Chance(int32_t vc, int32_t vh);
// The ball is played along the ground to (x, y).
void Spielfeld_Ball_Spielen(Spielfeld_Record* r, float x, float y, float tempo);
