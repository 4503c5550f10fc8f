// The tactics panel of the live view.
#pragma once

// The labels of the eight team tactics' values 0, 1 and 2 (tactic * 3 + value), which the club
// screens print as well.
extern const char* const Taktik_Wert_Texte[24];
