// Strength entries of the player slots (their skill values for this game, already adjusted for
// weather, difficulty, team strength, home advantage and crowd), the presence grid, and the small
// numerical routines the pitch code shares.
#pragma once
#include <cstdint>

#include "match/spielfeld.h"

// Positions of the adjusted values (+70 + 2 i) and their Spieler_Wert ids.
constexpr int32_t SPIELFELD_FAEHIGKEITEN = 22;
extern const int32_t Spielfeld_Faehigkeit_Id[SPIELFELD_FAEHIGKEITEN];
enum : int32_t { FAEHIGKEIT_KRAFT = 0, FAEHIGKEIT_AUSDAUER = 1, FAEHIGKEIT_ZWEIKAMPF = 2, FAEHIGKEIT_SPRITZIGKEIT = 6,
                 FAEHIGKEIT_HERAUSLAUFEN = 19, FAEHIGKEIT_83 = 21 };

// Fills the slot's values (its player number already set). Nothing before Spielfeld_Init.
void Spielfeld_Get_Spielerstaerke(Spielfeld_Record* r, int32_t team, int32_t slot);
// Only what a game in the background reads of the entry: Kraft, Fitness and the three values
// they are made of.
void Spielfeld_Get_Spielerkraft(Spielfeld_Record* r, int32_t team, int32_t slot);
// The same for every slot of the side (0 home, 1 away) that holds a player, in slot order; what
// the game and the club give is looked up once for the side.
void Spielfeld_Get_Spielerkraft_Seite(Spielfeld_Record* r, int32_t seite);
// The factor (percent) a slot's value v at position i is multiplied with: home right, crowd and
// the share of seats of kind 14 in the home stadium, the amateur home right on the away side.
int32_t Spielfeld_Heim_Faktor(uint32_t modus, bool gast, int32_t i, int32_t v, int32_t zuschauer, int32_t s13, int32_t s14);
// Every player of the club to `prozent` of each value's range (the cheat keys).
void Spieler_Werte_Prozent_Setzen(int32_t team, int32_t prozent);

// The match view's strength and fitness lines of one slot.
struct Spielfeld_Kraft_Fitness {
    const char* name;
    int32_t nummer;
    const char* kraft_text;
    int32_t kraft;
    const char* fitness_text;
    int32_t fitness;
    const char* leer[2];
    int32_t leer_wert[2];
};
bool Spielfeld_Get_Spieler_Kraft_Fitness(const Spielfeld_Record* r, int32_t slot, Spielfeld_Kraft_Fitness* aus);

// Counts the player's presence at (x, y) cm in the 10 x 10 grid.
void Spielfeld_Laufweg_Eintragen(Spielfeld_Record* r, Spielfeld_Spieler* e, float x, float y);
// Turns all 32 grids round for the other half.
void Spielfeld_Laufwege_Spiegeln(Spielfeld_Record* r);
// Two-bit counter of grid cell (column, row).
int32_t Spielfeld_Laufweg_Zaehler(const Spielfeld_Spieler* e, int32_t spalte, int32_t zeile);

// Distance of (px, py) from the path (x1, y1)-(x2, y2) with its foot point, or -1 when the foot
// lies beyond the path.
float Spielfeld_Ballweg_Abstand(float x1, float y1, float x2, float y2, float px, float py, float* fx, float* fy);
// y where the line through both points crosses x = X.
float Spielfeld_Linie_Schneiden(float x1, float y1, float x2, float y2, float X);
// Varies an idle or running animation now and then (draws on the record's sequence).
void Spielfeld_Animation_Variieren(Spielfeld_Objekt* o);
// The referee stands idle.
bool Spielfeld_Schiedsrichter_Bereit(const Spielfeld_Record* r);
