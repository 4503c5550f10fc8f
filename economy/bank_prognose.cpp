#include "economy/bank.h"

static Bank_Prognose_Abfrage prognose_abfrage = nullptr;

void Bank_Set_Prognose_Abfrage(Bank_Prognose_Abfrage abfrage) { prognose_abfrage = abfrage; }

float Bank_Prognose_Kategorie(int32_t team, int32_t kategorie)
{
    return prognose_abfrage ? prognose_abfrage(team, kategorie) : 0.0f;
}
