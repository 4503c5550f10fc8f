#include "match/spielfeld.h"

void Spielfeld_Belastung_Pruefen(int32_t, int32_t, int32_t, int32_t, int32_t) {}

void Spielfeld_Attribut_Erhoehen(int32_t, int32_t, int32_t, int32_t) {}
