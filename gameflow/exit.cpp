#include "gameflow/exit.h"

#include <cstdarg>
#include <cstdio>

#include "platform/win95.h"

void Exit_Game(const char* format, ...)
{
    Programm_Ende = 1;
    if (!format) return;
    char text[260];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    Win95_Meldung("%s", text);
    Win95_Exit();
}
