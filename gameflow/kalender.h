// The calendar: day numbers counted from 1 July 1999. Entry points only until the calendar
// lands: dates are plain Gregorian dates of the day number, the game starts on day 0, and no
// competition is scheduled on any day.
#pragma once
#include <cstdint>

struct Kalender_Datum {
    int32_t tag;    // 1..31
    int32_t monat;  // 1..12
    int32_t jahr;
};

// The date of a day number; with `erste_saison` set, the first day of the calendar's first season.
Kalender_Datum Kalender_Get_Datum(int32_t tag, int32_t erste_saison);
int32_t Kalender_Get_Heute();
Kalender_Datum Kalender_Get_Datum_Heute();
// Competitions playing on a day, their ids into `ids` (room for 256) when given.
int32_t Kalender_Get_Anzahl_Spiele(int32_t tag, int32_t flag, int32_t* ids = nullptr);
// The competition's match-day index on that day, -1 none.
int32_t Kalender_Get_Spieltag_Nummer(int32_t tag, int32_t wettbewerb);
// First day of the running season.
int32_t Kalender_Get_Saisonstart();
// The long date text of a day number ("1. Juli 1999"); a temporary string.
const char* Kalender_Get_Datum_String(int32_t tag);
