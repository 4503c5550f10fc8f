#include "screens/spieler_gesicht.h"

// The face parts come with the player screens; the hair colour stays as drawn until then.
void Spieler_Gesicht_Set_Haarfarbe(int32_t) {}
