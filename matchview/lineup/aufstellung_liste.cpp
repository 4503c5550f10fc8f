#include "match/spielfeld.h"
#include "matchview/lineup/aufstellung.h"

void Update_Liste() {}
void Update_Liste_Variabel() {}
void Liste_Kopf_Init(Btnscreen_Gadget*) {}

int32_t Manndeckung_Suchen(const Spielfeld_Record* r, int32_t slot)
{
    if (!r || slot < 0 || slot >= SPIELFELD_SLOTS) return -1;
    for (int32_t i = 0; i < SPIELFELD_SLOTS; ++i)
        if (r->spieler[i].zustand == SPIELFELD_AUF_DEM_PLATZ && r->spieler[i].partner[2] == slot) return i;
    return -1;
}
