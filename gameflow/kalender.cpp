#include "gameflow/kalender.h"

#include "gameflow/globals.h"
#include "platform/temp.h"

Kalender_Datum Kalender_Get_Datum(int32_t tag, int32_t erste_saison)
{
    if (erste_saison || tag < 0) tag = 0;
    // Civil date from days since 1970-01-01; 1 July 1999 is day 10773.
    int64_t z = int64_t(tag) + 10773 + 719468;
    int64_t era = z / 146097;
    int64_t doe = z - era * 146097;
    int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    int64_t mp = (5 * doy + 2) / 153;
    int32_t d = int32_t(doy - (153 * mp + 2) / 5 + 1);
    int32_t m = int32_t(mp < 10 ? mp + 3 : mp - 9);
    int32_t y = int32_t(yoe + era * 400 + (m <= 2));
    return {d, m, y};
}

int32_t Kalender_Get_Heute() { return Aktueller_Tag; }

Kalender_Datum Kalender_Get_Datum_Heute() { return Kalender_Get_Datum(Aktueller_Tag, 0); }

int32_t Kalender_Get_Anzahl_Spiele(int32_t, int32_t, int32_t*) { return 0; }

int32_t Kalender_Get_Spieltag_Nummer(int32_t, int32_t) { return -1; }

int32_t Kalender_Get_Saisonstart()
{
    Kalender_Datum d = Kalender_Get_Datum(Aktueller_Tag, 0);
    int32_t jahr = d.monat >= 7 ? d.jahr : d.jahr - 1;
    // Day of 1 July of that year: step from day 0 by whole years.
    int32_t tag = 0;
    for (int32_t j = 1999; j < jahr; ++j) tag += ((j + 1) % 4 == 0 && ((j + 1) % 100 != 0 || (j + 1) % 400 == 0)) ? 366 : 365;
    return tag;
}

const char* Kalender_Get_Datum_String(int32_t tag)
{
    static const char* const MONATE[12] = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                                           "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
    const Kalender_Datum d = Kalender_Get_Datum(tag, 0);
    return Temp_Sprintf("%d. %s %d", d.tag, MONATE[(d.monat - 1) % 12], d.jahr);
}
