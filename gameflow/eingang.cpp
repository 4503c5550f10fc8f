#include "gameflow/eingang.h"

uint8_t Eingang_Get_Start_Option_Byte() { return 1; }

// The entrance screens come with the game flow's set-up; nothing to refresh until then.
void Eingang_Team_Wettbewerbe_Aktualisieren(int32_t) {}
