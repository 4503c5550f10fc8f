#include "screens/spieler_training.h"

namespace {
Spieler_Training_Zaehl_Hook zaehl_hook = nullptr;
}

void Spieler_Training_Set_Zaehl_Hook(Spieler_Training_Zaehl_Hook hook) { zaehl_hook = hook; }

int32_t Spieler_Training_Zaehle_Einzeltraining(int32_t team, int32_t) { return zaehl_hook ? zaehl_hook(team) : 0; }

int32_t Spieler_Training_Get_Einzeltraining_Platz(int32_t, int32_t) { return -1; }

namespace {

Spieler_Training_Refresh_Beobachter refresh_beobachter = nullptr;

}  // namespace

void Spieler_Training_Set_Refresh_Beobachter(Spieler_Training_Refresh_Beobachter b) { refresh_beobachter = b; }

void Spieler_Training_Regler_Refresh(int32_t summe)
{
    if (refresh_beobachter) refresh_beobachter(summe);
}
