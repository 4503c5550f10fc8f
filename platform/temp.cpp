#include "platform/temp.h"

#include <cstdarg>
#include <cstdio>

static char temp_strings[TEMP_STRING_ANZAHL][TEMP_STRING_LAENGE];
static int temp_next = 0;

char* Get_Temp_String()
{
    char* s = temp_strings[temp_next];
    temp_next = (temp_next + 1) % TEMP_STRING_ANZAHL;
    return s;
}

char* Temp_Sprintf(const char* format, ...)
{
    char* s = Get_Temp_String();
    s[0] = 0;
    if (!format) return s;
    va_list args;
    va_start(args, format);
    std::vsnprintf(s, TEMP_STRING_LAENGE, format, args);
    va_end(args);
    return s;
}

void Clear_Temp_Strings()
{
    for (auto& s : temp_strings) s[0] = 0;
}
