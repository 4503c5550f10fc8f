#include "screens/spieler_einsetzen.h"

// No tactics to apply until the line-up screen lands.
void Spieler_Einsetzen_Taktik_Anwenden(int32_t) {}
