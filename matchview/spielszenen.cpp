#include "matchview/spielszenen.h"

void Spielszenen_Spielfeld_Masse_Setzen() {}
void Spielszenen_Animationen_Zuruecksetzen() {}
