#include "economy/ligen.h"

static Ligen_Praemie_Bewertung bewertung = nullptr;

void Ligen_Set_Praemie_Bewertung(Ligen_Praemie_Bewertung b) { bewertung = b; }

int32_t Ligen_Motivation_Bewerte_Praemie(int32_t team, int32_t praemie, int32_t betrag, int32_t, int32_t* erwartet)
{
    if (erwartet) *erwartet = 0;
    return bewertung ? bewertung(team, praemie, betrag) : 0;
}
