#include "economy/werbung.h"

static Werbung_Vorbelegen_Beobachter beobachter = nullptr;

void Werbung_Set_Vorbelegen_Beobachter(Werbung_Vorbelegen_Beobachter b) { beobachter = b; }

void Werbung_Team_Vorbelegen(int32_t team, int32_t flag)
{
    if (beobachter) beobachter(team, flag);
}

const char* Werbepartner_Name(int32_t) { return ""; }

void Werbung_Jeden_Tag(int32_t) {}
void Werbung_Jeden_Monat(int32_t) {}

int32_t Werbung_Agentur_Wirkung(int32_t, int32_t) { return 80; }

void Werbung_Fanartikel_Verkauf(int32_t, int32_t, int32_t) {}
