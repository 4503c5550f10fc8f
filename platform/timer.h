// The program's millisecond clock.
#pragma once
#include <cstdint>

// Milliseconds, wrapping after about 49 days.
uint32_t Timer_Get_Time();
