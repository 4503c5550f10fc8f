// The report pages after a match day: results, table and team of the day. Entry points until
// the pages land: nothing is shown.
#pragma once
#include <cstdint>

// The competition's results page (and its table page); 1 when shown, else 0.
int32_t Spieltagbericht_Ergebnisse_Zeigen(int32_t wettbewerb);
// Test hook: sees every results page asked for.
using Spieltagbericht_Beobachter = void (*)(int32_t wettbewerb);
void Spieltagbericht_Set_Beobachter(Spieltagbericht_Beobachter beobachter);
