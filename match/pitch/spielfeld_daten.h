// Filling a new live record from its game and teams, and placing a side's line-up on the pitch.
#pragma once
#include <cstdint>

#include "match/spielfeld.h"

struct Spiele_Spiel;

// The line-up displays of the match view: per slot the state byte, player number, back number.
extern uint8_t Spielfeld_Aufstellung_Zustand[SPIELFELD_SLOTS];
extern int32_t Spielfeld_Aufstellung_Spieler[SPIELFELD_SLOTS];
extern uint8_t Spielfeld_Aufstellung_Nummer[SPIELFELD_SLOTS];

// Fills the record (draws on the running generator). angezeigt -1 never plays it on the pitch.
void Spielfeld_Daten_Eintragen(Spielfeld_Record* r, const Spiele_Spiel* spiel, int32_t spielnummer, int32_t angezeigt);
// The record of a game played in the background: clubs, strengths, both sides' players in their
// slots with their Kraft and Fitness; nothing of the pitch. `frisch`: the record is new from the
// list (zeroed, its initialisers applied), so that the clear of the fill is already done.
void Spielfeld_Daten_Eintragen_Hintergrund(Spielfeld_Record* r, const Spiele_Spiel* spiel, int32_t spielnummer,
                                           bool frisch = false);
// Places the side's line-up (the first time) or turns its stored places round (later halves).
void Spielfeld_Team_An_Positionen(Spielfeld_Record* r, int32_t seite, int32_t gespiegelt);
// Recomputes the tactical points of the side's players on the pitch.
void Spielfeld_Taktik_Positionen_Setzen(Spielfeld_Record* r, int32_t seite, int32_t gespiegelt);
// The goal frames at rest.
void Spielfeld_Torteile_Aufstellen(Spielfeld_Record* r);
void Spielfeld_Torteile_Aufstellen_Start(Spielfeld_Record* r);
// Weather, ground, crowd, referee and action gate of a filled record from its match record.
void Spielfeld_Umgebung_Setzen(Spielfeld_Record* r, const Spiele_Spiel* spiel);
