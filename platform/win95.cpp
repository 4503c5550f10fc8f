#include "platform/win95.h"

#include <cstdarg>
#include <cstdio>

#include "platform/os/os_text.h"

int Win95_Meldung(const char* format, ...)
{
    char text[260];
    text[0] = 0;
    if (format) {
        va_list args;
        va_start(args, format);
        std::vsnprintf(text, sizeof text, format, args);
        va_end(args);
    }
    std::fprintf(stderr, "Meldung: %s\n", Os_Text_Utf8(text).c_str());
    return 1;
}
