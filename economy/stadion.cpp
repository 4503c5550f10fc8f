#include "economy/stadion.h"

Stadion_Daten* Stadion_Zeiger(int32_t, int32_t) { return nullptr; }

bool Stadion_Neu(int32_t, const Stadion_Daten*) { return false; }

void Stadion_Optionale_Teile_Setzen(Stadion_Daten*, bool) {}

static Stadion_Anlage_Abfrage anlage_abfrage = nullptr;

void Stadion_Set_Anlage_Abfrage(Stadion_Anlage_Abfrage abfrage) { anlage_abfrage = abfrage; }

int32_t Stadion_Get_Anlage_Wert(int32_t team, int32_t slot) { return anlage_abfrage ? anlage_abfrage(team, slot) : 0; }

static void (*neues_spiel_beobachter)() = nullptr;

void Stadion_Set_Neues_Spiel_Beobachter(void (*beobachter)()) { neues_spiel_beobachter = beobachter; }

void Stadion_Neues_Spiel()
{
    if (neues_spiel_beobachter) neues_spiel_beobachter();
}

static Stadion_Dauerkarten_Abfrage dauerkarten_abfrage = nullptr;

void Stadion_Set_Dauerkarten_Abfrage(Stadion_Dauerkarten_Abfrage abfrage) { dauerkarten_abfrage = abfrage; }

int32_t Stadion_Dauerkarten_Monat(int32_t team, int32_t* monate, int32_t abrechnen)
{
    if (dauerkarten_abfrage) return dauerkarten_abfrage(team, monate, abrechnen);
    if (monate) *monate = 0;
    return 0;
}
