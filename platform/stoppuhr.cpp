#include "platform/stoppuhr.h"

#include "platform/print.h"
#include "platform/timer.h"

static uint32_t start_zeit = 0;
static uint32_t stop_zeit = 0;

uint32_t Stoppuhr_Start()
{
    start_zeit = Timer_Get_Time();
    return start_zeit;
}

uint32_t Stoppuhr_Get_Zeit() { return Timer_Get_Time() - start_zeit; }

uint32_t Stoppuhr_Stop(bool log)
{
    stop_zeit = Timer_Get_Time();
    if (log) Print_Log(0, "Dauer: %f sek.\n", double(stop_zeit - start_zeit) * 0.001);
    return stop_zeit;
}
