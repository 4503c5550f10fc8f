#include "screens/spieler_versicherung.h"

// Nothing is concluded until the insurance page computes premium and cost.
bool Spieler_Versicherung_Abschliessen(int32_t, int32_t, int32_t, int32_t) { return false; }
