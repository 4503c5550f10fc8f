#include "matchview/spielszenen.h"

void Spielszenen_Animationen_Zuruecksetzen() {}

void Spielszenen_Sound_Reaktion_Spielen(int32_t, int32_t) {}
void Spielszenen_Sound_Gruppe_Spielen(int32_t, int32_t) {}
void Spielszenen_Sound_Spielen(int32_t, int32_t, int32_t) {}
