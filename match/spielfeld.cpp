#include "match/spielfeld.h"

void Spielfeld_Belastung_Pruefen(int32_t, int32_t, int32_t, int32_t, int32_t) {}
