#include "gameflow/kalender.h"

#include <cstdio>

#include "competitions/wettbewerb.h"
#include "gameflow/globals.h"
#include "platform/print.h"
#include "platform/temp.h"

namespace {

constexpr const char* MONATE[12] = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                                    "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
// 1 July 1999 counted from 1 March of year 0 (the civil-date arithmetic below).
constexpr int64_t TAG_NULL = 10773 + 719468;

bool schaltjahr(int32_t j) { return j % 4 == 0 && (j % 100 != 0 || j % 400 == 0); }

int32_t monatslaenge(int32_t m, int32_t j)
{
    static constexpr int32_t L[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && schaltjahr(j) ? 29 : L[m - 1];
}

}  // namespace

Kalender_Datum Kalender_Get_Datum(int32_t tag, int32_t erste_saison)
{
    if (erste_saison || tag < 0) tag = 0;
    const int64_t z = int64_t(tag) + TAG_NULL;
    const int64_t era = z / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    Kalender_Datum d{};
    d.tag = int32_t(doy - (153 * mp + 2) / 5 + 1);
    d.monat = int32_t(mp < 10 ? mp + 3 : mp - 9);
    d.jahr = int32_t(yoe + era * 400 + (d.monat <= 2));
    d.wochentag = Kalender_Get_Wochentag(tag);
    std::snprintf(d.text, sizeof d.text, "%d. %s %d", d.tag, MONATE[d.monat - 1], d.jahr);
    return d;
}

int32_t Kalender_Get_Tagnummer(int32_t tag, int32_t monat, int32_t jahr)
{
    if (monat < 1 || monat > 12 || jahr < 1999 || jahr > 1999 + 200 || tag < 1 || tag > monatslaenge(monat, jahr) ||
        (jahr == 1999 && monat < 7)) {
        Print_Fehler("Kalender_Get_Tagnummer: kein Spieltag %d.%d.%d", tag, monat, jahr);
        return -1;
    }
    const int64_t y = monat <= 2 ? jahr - 1 : jahr;
    const int64_t era = y / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (monat > 2 ? monat - 3 : monat + 9) + 2) / 5 + tag - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return int32_t(era * 146097 + doe - TAG_NULL);
}

int32_t Kalender_Get_Heute() { return Aktueller_Tag; }

Kalender_Datum Kalender_Get_Datum_Heute() { return Kalender_Get_Datum(Aktueller_Tag, 0); }

int32_t Kalender_Get_Saisonstart() { return Kalender_Get_Saisonstart(Aktueller_Tag); }

int32_t Kalender_Get_Saisonstart(int32_t tag)
{
    const Kalender_Datum d = Kalender_Get_Datum(tag, 0);
    return Kalender_Get_Tagnummer(1, 7, d.monat >= 7 ? d.jahr : d.jahr - 1);
}

int32_t Kalender_Get_Saison()
{
    const Kalender_Datum d = Kalender_Get_Datum(Aktueller_Tag, 0);
    return (d.monat >= 7 ? d.jahr : d.jahr - 1) - 1999 + 1;
}

int32_t Kalender_Get_Wochentag(int32_t tag) { return ((tag % 7) + 7 + 5) % 7; }

const char* Kalender_Get_Wochentag_Name(int32_t index) { return Wettbewerb_Wochentag[((index % 7) + 7) % 7]; }

const char* Kalender_Get_Datum_String(int32_t tag) { return Temp_Sprintf("%s", Kalender_Get_Datum(tag, 0).text); }

const char* Kalender_Get_Datum_String_Knapp(int32_t tag, int32_t mit_wochentag)
{
    const Kalender_Datum d = Kalender_Get_Datum(tag, 0);
    if (!mit_wochentag) return Temp_Sprintf("%d.%d.%d", d.tag, d.monat, d.jahr);
    const char* name = Kalender_Get_Wochentag_Name(d.wochentag);
    return Temp_Sprintf("%c%c %d.%d.%d", name[0], name[1], d.tag, d.monat, d.jahr);
}

const char* Kalender_Get_Dauer_String(int32_t von, int32_t bis)
{
    int32_t tage = bis > von ? bis - von : 0;
    const int32_t jahre = tage / 365;
    tage -= jahre * 365;
    const char* t = Temp_Sprintf("%d %s", tage, tage == 1 ? "Tag" : "Tage");
    if (!jahre) return t;
    const char* j = Temp_Sprintf("%d %s", jahre, jahre == 1 ? "Jahr" : "Jahre");
    return tage ? Temp_Sprintf("%s und %s", j, t) : j;
}

const char* Kalender_Get_Wetter_Text(int32_t temperatur, int32_t wetter)
{
    const bool schnee = temperatur < 2;
    if (wetter > 90) return schnee ? "starker Schneefall" : "starker Regen";
    if (wetter > 76) return schnee ? "Schneefall" : "Regen";
    if (wetter > 60) return "bedeckt";
    if (wetter > 40) return "bewölkt";
    if (wetter > 20) return "heiter";
    return "wolkenlos";
}
