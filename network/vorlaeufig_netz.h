// Stand-in for an entry point built elsewhere at the same time.
#pragma once
#include <cstdint>

// The network lamps of the menu bar: send and receive state (0 off, 1 active, 2 idle).
bool Netz_Aktivitaet_Anzeigen(int32_t senden, int32_t empfangen);
