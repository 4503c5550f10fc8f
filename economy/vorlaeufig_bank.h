// Calendar entry point that the game flow is building now; a plain Gregorian stand-in.
#pragma once
#include <cstdint>

// Day number (from 1 July 1999) of a date.
int32_t Kalender_Get_Tagnummer(int32_t tag, int32_t monat, int32_t jahr);
