// Who goes to the ball at a restart, and the small routines the behaviour code uses around set
// pieces and passes: a free point near a player, the ball's flight clock, covered pass lines.
#pragma once
#include <cstdint>

#include "match/spielfeld.h"

// Roles given at restarts (state byte of the object).
enum : uint8_t {
    ROLLE_ABSTOSS = 4, ROLLE_ECKE = 7, ROLLE_EINWURF = 10, ROLLE_EINWURF_PARTNER = 14, ROLLE_ANSTOSS = 15,
    ROLLE_ANSTOSS_PARTNER = 16, ROLLE_ANSTOSS_17 = 17, ROLLE_STRAFSTOSS = 18, ROLLE_STRAFSTOSS_19 = 19,
    ROLLE_FREISTOSS = 21, ROLLE_FREISTOSS_PARTNER = 24, ROLLE_FREISTOSS_PASS = 25,
};

// The set piece whose taker is the manager's choice: a free kick near the goal (1), a penalty
// that is no shoot-out kick (0) or a corner (2), taken by the side that did not touch the ball
// last (`seite`); -1 for any other situation.
int32_t Spielfeld_Standard_Wahl(const Spielfeld_Record* r, int32_t* seite);
// The manager's taker for a kind (0 penalty, 1 free kick, 2 corner) and side. While that set piece
// is being set up and not yet taken he takes it: the side's roles at the ball go out anew in a
// fresh set-up pass, with the restart's whole time.
void Spielfeld_Standard_Schuetze_Setzen(Spielfeld_Record* r, int32_t art, int32_t seite, uint32_t spnr);

// A free point on the pitch at about radius from the object, 50 from every player; gerichtet
// draws it on the slot's attacking side. After 64 draws without one: the object's own position
// held to the pitch, and false.
bool Spielfeld_Freie_Position_Suchen(Spielfeld_Record* r, int32_t slot, int32_t objekt, int32_t radius, float* x,
                                     float* y, int32_t gerichtet);
// Players of a side (0 home, 1 away) covering the straight pass from the ball to (x, y) within a
// corridor of `reichweite` that widens towards the target: their count. The nearest of them (a
// goalkeeper first) goes to slot with his distance; nah counts those at the ball's start, eng those
// closer than 100 to the line.
int32_t Spielfeld_Zuspiel_Gedeckt(const Spielfeld_Record* r, const Spielfeld_Objekt* ball, float x, float y, int32_t seite,
                                  float* abstand, int32_t* slot, float reichweite, int32_t* nah, int32_t* eng);
