// The report pages after a match day: results, table and team of the day. Entry points until
// the pages land: nothing is shown.
#pragma once
#include <cstdint>

// The competition's results page (and its table page); 1 when shown, else 0.
int32_t Spieltagbericht_Ergebnisse_Zeigen(int32_t wettbewerb);
// Test hook: sees every results page asked for.
using Spieltagbericht_Beobachter = void (*)(int32_t wettbewerb);
void Spieltagbericht_Set_Beobachter(Spieltagbericht_Beobachter beobachter);

// The team of the day page of a competition (eleven players and their clubs, 1-3-4-3).
void Spieltagbericht_Elf_Des_Tages(int32_t wettbewerb, const int32_t* spieler, const int32_t* teams);
// Test hook: sees every team of the day shown.
using Spieltagbericht_Elf_Beobachter = void (*)(int32_t wettbewerb, const int32_t* spieler, const int32_t* teams);
void Spieltagbericht_Set_Elf_Beobachter(Spieltagbericht_Elf_Beobachter beobachter);
