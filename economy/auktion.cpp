#include "economy/auktion.h"

static Auktion_Abfrage abfrage = nullptr;

void Auktion_Set_Abfrage(Auktion_Abfrage a) { abfrage = a; }

int32_t Auktion_Durchfuehren(int32_t spnr, int32_t verein, int32_t n, int32_t, Spieler_Angebot* angebote)
{
    if (abfrage) return abfrage(spnr, verein, n, angebote);
    return n > 0 ? 0 : -1;
}
