// The operating-system layer as the program's headless start sets it up, for the benchmarks of
// the main loop and the script: input taken, and the timer thread running where asked.
#pragma once
#include "platform/os/os.h"
#include "platform/timer.h"
#include "platform/win95.h"

inline void Bench_Kopflos_Starten(bool timer)
{
    char name[] = "bench", headless[] = "--headless";
    char* argv[] = {name, headless, nullptr};
    Os_Init(2, argv);
    if (!timer) return;
    Win95_Eingabe.aktiv = 1;
    Timer_Thread_Start();
}
