#include "platform/debug_hook.h"

void Debug_Hook_Arg(int32_t) {}
void Debug_Hook_1() {}
void Debug_Hook_2() {}
void Debug_Hook_3() {}
void Mem_Statistik_Stub() {}
