// The tactics panel of the live view.
#pragma once
#include <cstdint>

struct Spielfeld_Record;

// The labels of the eight team tactics' values 0, 1 and 2 (tactic * 3 + value), which the club
// screens print as well.
extern const char* const Taktik_Wert_Texte[24];

// The change block of the tactics panel: at the end of minute m the frame step has the block take
// what the manager changed, at the start of each minute it is applied to the record.
void Spielfeld_Anweisungen_Uebernehmen(Spielfeld_Record* r, int32_t minute);
void Spielfeld_Anweisungen_Anwenden(Spielfeld_Record* r, int32_t minute);
