#include "match/spieltag.h"

// No match day runs until the match-day module lands: nobody plays today.
static Spieltag_Gegner_Hook gegner_hook = nullptr;

void Spieltag_Set_Gegner_Hook(Spieltag_Gegner_Hook hook) { gegner_hook = hook; }

int32_t Spieltag_Get_Gegner(int32_t team, int32_t* auswaerts, int32_t* wichtigkeit, int32_t* spiel,
                            int32_t* wettbewerb)
{
    if (gegner_hook) return gegner_hook(team, auswaerts, wichtigkeit, spiel, wettbewerb);
    if (wichtigkeit) *wichtigkeit = 0;
    if (spiel) *spiel = -1;
    return -1;
}
