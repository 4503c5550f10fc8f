#include "competitions/statistik_anzeige.h"

int32_t Statistik_Wappen_Zeichnen(Menue_Icon*, uint32_t) { return 0; }
int32_t Statistik_Manager_Wappen_Zeichnen(Menue_Icon*, uint32_t) { return 0; }
void Team_Platz_Info_Zeichnen(Rastport*, int32_t, int32_t, int32_t) {}
