// Behaviour routines of the pitch objects and the contact resolution: the dispatcher picks one
// routine per object and the restart pass lets every object take its place for a restart.
#pragma once
#include <cstdint>

#include "match/spielfeld.h"

// A substitute walks to his seat on the bench (platzieren 1 when a line-up is placed).
void Spielfeld_Verhalten_Bank(Spielfeld_Record* r, int32_t slot, int32_t platzieren);
// The bench figures and other side objects.
void Spielfeld_Verhalten_Nebenobjekt(Spielfeld_Record* r, int32_t objekt, int32_t platzieren);
void Spielfeld_Verhalten_Zustand(Spielfeld_Record* r, int32_t slot, int32_t seite);
// Ends a substitution's walk of the slot where he stands: the substitute plays, the replaced
// player sits on the bench.
void Spielfeld_Wechsel_Lauf_Beenden(Spielfeld_Record* r, int32_t slot);
// A player in a restart role (taker, partner, wall) or lying hurt.
void Spielfeld_Verhalten_Standard(Spielfeld_Record* r, int32_t slot, int32_t seite);
// hat_ball 1 when his side has the ball or he is the pass receiver.
void Spielfeld_Verhalten_Torwart(Spielfeld_Record* r, int32_t slot, int32_t seite, int32_t hat_ball);
void Spielfeld_Verhalten_Ballfuehrer(Spielfeld_Record* r, int32_t slot, int32_t seite);
void Spielfeld_Verhalten_Angriff(Spielfeld_Record* r, int32_t slot, int32_t seite);
void Spielfeld_Verhalten_Abwehr(Spielfeld_Record* r, int32_t slot, int32_t seite);
void Spielfeld_Verhalten_Situation_5(Spielfeld_Record* r, int32_t slot, int32_t seite);
void Spielfeld_Verhalten_Schiedsrichter(Spielfeld_Record* r, int32_t objekt);
void Spielfeld_Verhalten_Linienrichter(Spielfeld_Record* r, int32_t objekt);

// Which routine the dispatcher chose.
enum Spielfeld_Routine : int32_t {
    ROUTINE_BANK, ROUTINE_NEBENOBJEKT, ROUTINE_ZUSTAND, ROUTINE_TORWART, ROUTINE_BALLFUEHRER, ROUTINE_ANGRIFF,
    ROUTINE_ABWEHR, ROUTINE_SITUATION_5, ROUTINE_SCHIEDSRICHTER, ROUTINE_LINIENRICHTER,
};
// Where a penalty of the taker in slot crosses the goal line (y) and how high (cm): a corner
// and a height drawn, missed by the more the poorer his penalty skill, now and then wide or over.
void Spielfeld_Strafstoss_Ziel(const Spielfeld_Record* r, int32_t slot, float* ty, float* zh);

// Calls the routine (arg: the goalkeeper's or the bench's further argument). A settable hook so
// that a test can watch the choice without the routines acting.
extern void (*Spielfeld_Routine_Aufrufen)(Spielfeld_Record* r, Spielfeld_Routine routine, int32_t objekt, int32_t arg);
void Spielfeld_Routine_Standard(Spielfeld_Record* r, Spielfeld_Routine routine, int32_t objekt, int32_t arg);

// Chooses and runs the routine of one object.
void Spielfeld_Verhalten_Verteilen(Spielfeld_Record* r, int32_t objekt);
// Once per restart: substitutions, cleared transient state, special actions, everyone up to the
// assistants decides; 1 when an object was put on its target at once, 2 when a player on the
// pitch stands or heads more than 915 from the centre spot.
uint8_t Spielfeld_Situation_Aufstellen(Spielfeld_Record* r);

// Contacts between players and ball, once per frame and once at creation.
void Spielfeld_Kontakte_Aufloesen(Spielfeld_Record* r);
// The kick-off's special actions.
void Spielfeld_Sonderaktion(Spielfeld_Record* r);
// Sets the ball's flight clock to match its present height (a flight that continues).
void Spielfeld_Ball_Flugdauer();
