#include "economy/stadion.h"

Stadion_Daten* Stadion_Zeiger(int32_t, int32_t) { return nullptr; }

bool Stadion_Neu(int32_t, const Stadion_Daten*) { return false; }

void Stadion_Optionale_Teile_Setzen(Stadion_Daten*, bool) {}

int32_t Stadion_Get_Anlage_Wert(int32_t, int32_t) { return 0; }
