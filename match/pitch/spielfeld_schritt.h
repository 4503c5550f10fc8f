// One step of a live record: decisions, the restart pass, the objects' orders and moves, the
// contacts, the foul's booking and the record's own clock.
#pragma once
#include <cstdint>

#include "match/spielfeld.h"

constexpr int32_t SPIELFELD_SCHRITT_MS = 28;

// Pitch time after which a restart is played by force, and a shoot-out kick's longest flight.
constexpr int32_t SPIELFELD_STANDARD_WAECHTER_MS = 10000;
constexpr int32_t SPIELFELD_ELFMETER_WAECHTER_MS = 5000;
// Pitch time after which the walks of a substitution end where the walkers stand.
constexpr int32_t SPIELFELD_WECHSEL_WAECHTER_MS = 60000;

// One step of ms milliseconds on the running generator (the caller swaps the record's seed in).
void Spielfeld_Record_Schritt(Spielfeld_Record* r, int32_t ms);

// The calls the frame step makes into the neighbours that own them (the change block, the minute
// sync, the replay, the overview and the live view), in the order it makes them.
enum Spielfeld_Aufruf : int32_t {
    AUFRUF_ANWENDEN, AUFRUF_UEBERNEHMEN, AUFRUF_MINUTE_ENDE, AUFRUF_SCHNAPPSCHUSS, AUFRUF_UEBERSICHT, AUFRUF_ANSICHT,
};
// Test hook: sees each of those calls just before it is made (null: none).
using Spielfeld_Aufruf_Beobachter = void (*)(Spielfeld_Aufruf aufruf, const Spielfeld_Record* r, int32_t minute);
void Spielfeld_Set_Aufruf_Beobachter(Spielfeld_Aufruf_Beobachter b);
void Spielfeld_Aufruf_Melden(Spielfeld_Aufruf aufruf, const Spielfeld_Record* r, int32_t minute);
