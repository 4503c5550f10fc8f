#include "toolkit/mausover.h"

#include "toolkit/event.h"

int16_t Menue_Mouse_Over_Nr = -1;

// Nothing is told and nothing glows until the mouse-over module lands.
void Menue_Mouse_Over_Info(Menue_Icon*, Menue_Icon*, uint8_t) {}
void Menue_Mouse_Not_Over_Info(Menue_Icon*, Menue_Icon*, uint8_t, uint8_t, uint32_t) {}
void Menue_Hilfe_Schliessen() {}
void Menue_Hilfe_Sprechen(int32_t) {}
void Menue_Glow(Menue_Icon*, int32_t, uint8_t, int32_t, int32_t, int32_t, int32_t, int32_t) {}
void Menue_Glow_Beenden() { Menue_Glow_Stufe = 0; }
