#include "match/spieltag.h"

// No match day runs until the match-day module lands: nobody plays today.
int32_t Spieltag_Get_Gegner(int32_t, int32_t*, int32_t* wichtigkeit, int32_t* spiel, int32_t*)
{
    if (wichtigkeit) *wichtigkeit = 0;
    if (spiel) *spiel = -1;
    return -1;
}
