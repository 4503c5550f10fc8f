// Which doctors' specialty treats each of the 42 injury kinds.
#include "database/spieler.h"

int32_t Spieler_Verletzung_Fachgebiet(int32_t art)
{
    static const uint8_t FACHGEBIET[42] = {0, 0, 9, 0, 0, 0, 5, 1, 1,  2,  2, 2, 0, 3, 3, 5, 7, 3, 7, 7, 5,
                                           5, 7, 9, 7, 9, 6, 10, 10, 10, 6, 10, 6, 10, 0, 0, 1, 0, 1, 5, 2, 1};
    return art >= 0 && art < 42 ? FACHGEBIET[art] : -1;
}
