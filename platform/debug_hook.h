// Empty hooks that the game's start, main loop and day advance call at fixed points.
#pragma once
#include <cstdint>

void Debug_Hook_Arg(int32_t arg);
void Debug_Hook_1();
void Debug_Hook_2();
void Debug_Hook_3();
void Mem_Statistik_Stub();
