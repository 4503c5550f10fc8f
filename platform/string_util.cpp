#include "platform/string_util.h"

#include <cstring>

// Entry points of the text utilities; neutral until they land.
void String_Kuerzen_Pixel(char* src, char* dst, int32_t, int32_t)
{
    if (src && dst && dst != src) std::strcpy(dst, src);
}
void Requester_Printf(const char*, ...) {}
