// Stopwatch for timing the day's work.
#pragma once
#include <cstdint>

uint32_t Stoppuhr_Start();
// Milliseconds since the start.
uint32_t Stoppuhr_Get_Zeit();
// With `log` set the duration goes to the developer log.
uint32_t Stoppuhr_Stop(bool log);
