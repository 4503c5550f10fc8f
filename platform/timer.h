// The timer thread: up to 10 routines called at fixed intervals in the full-screen modes, and
// the program's millisecond clock.
#pragma once
#include <cstdint>

constexpr int TIMER_SLOTS = 10;

using Timer_Callback = void (*)();

// Milliseconds of the program's clock (wraps after about 49 days).
uint32_t Timer_Get_Time();
// Starts the thread once; a second call does nothing.
void Timer_Thread_Start();
// Ends the thread and waits for it (at program end and in tests).
void Timer_Thread_Stop();
// The slot index, or -1 when all ten are in use.
int Timer_Add(Timer_Callback callback, uint32_t interval_ms);
int Timer_Remove(int slot);
// 1 when it paused the slot; on return the slot's routine is not running and will not start.
int Timer_Pause(int slot);
int Timer_Resume(int slot);
// 0: wait for the end of a pass, then suspend; 1: resume.
void Timer_Thread_Suspend(int resume);
void Timer_Thread_Priority(int level);

// For tests: the slot's enabled word, and whether the thread is suspended.
uint32_t Timer_Slot_Enabled(int slot);
bool Timer_Thread_Suspended();
