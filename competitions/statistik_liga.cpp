#include "competitions/statistik.h"

void Statistik_Spieler_Liga_Werte(int32_t, int32_t* tore, int32_t* einsaetze, int32_t* vorlagen)
{
    if (tore) *tore = 0;
    if (einsaetze) *einsaetze = 0;
    if (vorlagen) *vorlagen = 0;
}
