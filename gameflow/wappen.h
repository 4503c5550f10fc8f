// The crest of a club's manager.
#pragma once
#include <cstdint>

struct Rastport;

// Crest flag: draw a frame around the crest.
constexpr uint32_t WAPPEN_RAHMEN = 1u << 30;
// The crest of the acting club (Aktuelles_Team, with a manager record): picture 1079 + crest
// number (at most 11) of the resource file, or the user crest the crest table names; scaled to
// w x h when a size is given (a negative side takes the other). Drawn into target at (x, y) and
// freed (result null), or returned to the caller without a target. Null for any other team.
Rastport* Wappen_Load_Team(int32_t resfile, Rastport* target, int32_t x, int32_t y, int32_t team,
                           uint32_t flags, int32_t w, int32_t h);
// The team side of the club crests (Grafik_Wappen_Set_Hook): crest number (team value 173),
// and whether it names a user crest picture (status value 168, bit 3).
int32_t Wappen_Team_Nummer(int32_t team, int32_t* user_bild);
// The database side of the shirts (Grafik_Spielerfigur_Set_Daten): kit colours, position and
// back number.
void Wappen_Spielerfigur_Daten_Registrieren();
