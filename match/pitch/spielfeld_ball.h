// The ball's physics and the laws that follow from where it is: friction, flight and bounces,
// carrying and blocking, posts, bar and net, goals, corners, goal kicks and throw-ins, and the
// final whistle once the ball is dead.
#pragma once
#include <cstdint>

#include "match/spielfeld.h"

// Zones of the ball with respect to the lines (+20400).
enum : uint32_t { BALL_IM_SPIEL = 0, BALL_IM_TOR = 1, BALL_TORAUS = 2, BALL_ABPRALL = 3, BALL_SEITENAUS = 4,
                  BALL_EINWURF_SOFORT = 5 };
// Situations (+20352).
enum : uint32_t { SITUATION_SPIEL = 0, SITUATION_EINWURF = 1, SITUATION_ABSTOSS = 2, SITUATION_ECKE = 3,
                  SITUATION_ANSTOSS = 4, SITUATION_HALBZEIT = 5, SITUATION_ELFMETER = 6, SITUATION_ELFMETERSCHIESSEN = 7,
                  SITUATION_FREISTOSS = 8, SITUATION_WECHSEL = 9, SITUATION_VERLETZUNG = 10, SITUATION_TORJUBEL = 11 };

// Moves object nr along its order by ms milliseconds; ist_ball for object 35 only.
void Spielfeld_Objekt_Bewegen(Spielfeld_Record* r, int32_t nr, Spielfeld_Objekt* o, int32_t ms, int32_t ist_ball);
// Books the goal scored at goal end 0 (x = 0) or 1 (x = length), before the ends are swapped.
void Spielfeld_Tor_Eintragen(Spielfeld_Record* r, int32_t ende);
// Play on, or the substitution stoppage while substitutes still walk.
void Spielfeld_Situation_Zuruecksetzen(Spielfeld_Record* r);
// A ball out of play, in play's time, that lies without its step (its order over): the restart
// it is due, as the ball step gives it once the ball lies still.
void Spielfeld_Ball_Aus_Ruhe(Spielfeld_Record* r);
// Shakes the four frame objects of one goal.
void Spielfeld_Torteile_Wackeln(Spielfeld_Record* r, int32_t ende);
// In network play: a set piece other than the pending ones waits for the minute sync.
void Spielfeld_Sync_Standard(Spielfeld_Record* r);
