#include "toolkit/menue_dienste.h"

uint8_t Menue_Screen_Icon_Ist_Vorhanden(int32_t) { return 0; }

void Menue_Screen_Icon_Aktiv_Setzen(uint8_t, int32_t) {}

void Menue_Leiste_Icons_Vorbelegen(Manager_Icon_Zustand*) {}

int32_t Menue_Wert_In_Scrollpos_Umrechnen(int32_t, int32_t, Menue_Icon*, int32_t, uint8_t, int32_t, int32_t,
                                          int32_t, int32_t)
{
    return -1;
}

void Menue_Merker_Setzen() {}
