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
// The ball is played along the ground to (x, y); versatz -1 replaces an order it is still busy with.
void Spielfeld_Ball_Spielen(Spielfeld_Record* r, float x, float y, float tempo, int32_t versatz = 0);

// The attitude bonus of a duel: the side's attitude B against a draw of 0 or 1 (the holder's
// side wins it with B >= 2 - draw, the other with B <= draw), and only then a draw of 0..100
// below the side's setting C.
bool Spielfeld_Haltung_Bonus(int32_t haltung, int32_t grenze, bool halter);
// The referee reverses a foul when the fouled side's dive record beats a draw of 1..5, or else
// when his strictness reaches a draw of 5..6.
bool Spielfeld_Schiri_Umkehr(int32_t schwalben, int32_t strenge);
