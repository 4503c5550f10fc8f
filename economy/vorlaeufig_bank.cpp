#include "economy/vorlaeufig_bank.h"

int32_t Kalender_Get_Tagnummer(int32_t tag, int32_t monat, int32_t jahr)
{
    // days from the civil date, 1 July 1999 being day 0
    const int64_t y = int64_t(jahr) - (monat <= 2);
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (monat + (monat > 2 ? -3 : 9)) + 2) / 5 + tag - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return int32_t(era * 146097 + doe - 719468 - 10773);
}
