#include "database/team_staerke.h"

#include <initializer_list>

int32_t Team_Spieler_Summen_Staerke(int32_t, int32_t, int32_t) { return 0; }

void Team_Vergleiche_Abw_Mit_Stu(int32_t, int32_t, int32_t* gesamt, int32_t* abwehr, int32_t* mittelfeld,
                                 int32_t* sturm, int32_t, int32_t)
{
    for (int32_t* p : {gesamt, abwehr, mittelfeld, sturm})
        if (p) *p = 50;
}
