#include "matchview/spielszenen.h"

void Spielszenen_Animationen_Zuruecksetzen() {}

