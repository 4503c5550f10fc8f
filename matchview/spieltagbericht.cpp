#include "matchview/spieltagbericht.h"

static Spieltagbericht_Beobachter beobachter = nullptr;

void Spieltagbericht_Set_Beobachter(Spieltagbericht_Beobachter b) { beobachter = b; }

int32_t Spieltagbericht_Ergebnisse_Zeigen(int32_t wettbewerb)
{
    if (beobachter) beobachter(wettbewerb);
    return 0;
}

static Spieltagbericht_Elf_Beobachter elf_beobachter = nullptr;

void Spieltagbericht_Set_Elf_Beobachter(Spieltagbericht_Elf_Beobachter b) { elf_beobachter = b; }

void Spieltagbericht_Elf_Des_Tages(int32_t wettbewerb, const int32_t* spieler, const int32_t* teams)
{
    if (elf_beobachter) elf_beobachter(wettbewerb, spieler, teams);
}
