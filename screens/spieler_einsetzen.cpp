#include "screens/spieler_einsetzen.h"

// No tactics to apply until the line-up screen lands.
void Spieler_Einsetzen_Taktik_Anwenden(int32_t) {}
int32_t Spieler_Einsetzen_Get_Modus(int32_t) { return 0; }
void Spieler_Einsetzen_Aufstellung_Vorschlagen(int32_t, int32_t, int32_t) {}
