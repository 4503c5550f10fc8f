#include "platform/win95.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include "platform/os/os_text.h"

uint32_t Programm_Ende = 0;

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

void Win95_Message_Pump() {}

// The window procedure and the input state of the operating-system layer replace these.
Win95_Eingabe_Worte Win95_Eingabe;
uint32_t Win95_Sleep(uint32_t ms) { return ms; }
int32_t Win95_Get_Cursor_X() { return 0; }
int32_t Win95_Get_Cursor_Y() { return 0; }
int Win95_Maustasten() { return 0; }

void Win95_Exit() { std::exit(0); }

int Win95_Registry_Get_A_Value(const char*, char* buffer, int size)
{
    if (buffer && size > 0) buffer[0] = 0;
    return 0;
}

int Win95_Registry_Set_A_Value(const char*, const char*) { return 0; }

const char* Win95_Registry_Get_Extension() { return ".sgv"; }

int Win95_File_Exists(const char* path)
{
    FILE* f = path ? std::fopen(path, "rb") : nullptr;
    if (!f) return 0;
    std::fclose(f);
    return 1;
}

uint32_t Win95_Get_File_Size(const char* path)
{
    FILE* f = path ? std::fopen(path, "rb") : nullptr;
    if (!f) return 0;
    std::fseek(f, 0, SEEK_END);
    long n = std::ftell(f);
    std::fclose(f);
    return n > 0 ? uint32_t(n) : 0;
}
