#include "match/pitch/spielfeld_wechsel.h"

bool Spielfeld_Wechsel_Ist_Aus(const Spielfeld_Record* r, int32_t slot)
{
    if (!r || slot < 0) return false;
    for (int32_t s = 0; s < 2; ++s)
        for (int32_t k = 0; k < 7; ++k)
            if (r->auswechsel[s][k] == slot) return true;
    return false;
}

// The walks on and off come with the substitution step; until then nobody is changed here.
void Spielfeld_Wechsel_Ausfuehren(Spielfeld_Record*) {}
