#include "economy/bank.h"

static Bank_Konto_Beobachter beobachter = nullptr;

void Bank_Set_Konto_Beobachter(Bank_Konto_Beobachter b) { beobachter = b; }

bool Bank_Konto_Einrichten(int32_t team, int32_t start, int8_t)
{
    if (beobachter) beobachter(true, team, start);
    return false;
}

bool Bank_Konto_Loeschen(int32_t team)
{
    if (beobachter) beobachter(false, team, 0);
    return false;
}

void Bank_Manager_Icon_Status_Vorbelegen(Manager_Icon_Zustand*) {}
