#include "toolkit/hilfe.h"

// No bubble and no spoken help until the help module lands.
void Hilfe_Text_Ausgabe(const char*, int32_t, int32_t, uint8_t, uint8_t) {}
void Hilfe_Schliessen(uint8_t) {}
int32_t Hilfe_Sound_Play(int32_t) { return -1; }
void Hilfe_Sound_Stop() {}
void Hilfe_Glow_Freigeben() {}
