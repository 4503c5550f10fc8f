#include "matchview/spieltagbericht.h"

static Spieltagbericht_Beobachter beobachter = nullptr;

void Spieltagbericht_Set_Beobachter(Spieltagbericht_Beobachter b) { beobachter = b; }

int32_t Spieltagbericht_Ergebnisse_Zeigen(int32_t wettbewerb)
{
    if (beobachter) beobachter(wettbewerb);
    return 0;
}
