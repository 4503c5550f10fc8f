#include "economy/trainingslager.h"

static Trainingslager_Melde_Beobachter melde_beobachter = nullptr;
static Trainingslager_Freigabe_Beobachter freigabe_beobachter = nullptr;
static Trainingslager_Termin_Abfrage termin_abfrage = nullptr;

void Trainingslager_Set_Melde_Beobachter(Trainingslager_Melde_Beobachter b) { melde_beobachter = b; }
void Trainingslager_Set_Freigabe_Beobachter(Trainingslager_Freigabe_Beobachter b) { freigabe_beobachter = b; }
void Trainingslager_Set_Termin_Abfrage(Trainingslager_Termin_Abfrage a) { termin_abfrage = a; }

void Trainingslager_Buchung_Melden(int32_t team, const Trainingslager_Buchung* buchung, bool bestaetigt)
{
    if (melde_beobachter) melde_beobachter(team, buchung, bestaetigt);
}

void Trainingslager_Buchung_Freigeben(int32_t team, const Trainingslager_Buchung* buchung)
{
    if (freigabe_beobachter) freigabe_beobachter(team, buchung);
}

int32_t Trainingslager_Termin_Pruefen(int32_t team, int32_t gegner, int32_t tag, int32_t, int32_t, int32_t)
{
    return termin_abfrage ? termin_abfrage(team, gegner, tag) : 1;
}

void Trainingslager_Jeden_Tag(int32_t) {}
