#include "platform/print.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/os/os_text.h"

static Print_Fehler_Hook fehler_hook;
static Print_Log_Sink log_sink = nullptr;
static int debug_to_stderr = -1;

static bool debug_enabled()
{
    if (debug_to_stderr < 0) {
        const char* v = std::getenv("DORVIN_DEBUG");
        debug_to_stderr = (v && std::strcmp(v, "1") == 0) ? 1 : 0;
    }
    return debug_to_stderr == 1;
}

void Print_Fehler_Set_Hook(Print_Fehler_Hook hook) { fehler_hook = std::move(hook); }

Print_Fehler_Hook Print_Fehler_Get_Hook() { return fehler_hook; }

void Print_Log_Set_Sink(Print_Log_Sink sink) { log_sink = sink; }

void Print_Fehler(const char* format, ...)
{
    if (!format || (!fehler_hook && !debug_enabled())) return;
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (fehler_hook) fehler_hook(text);
    if (debug_enabled()) std::fprintf(stderr, "%s\n", Os_Text_Utf8(text).c_str());
}

void Print_Log(int /*channel*/, const char* format, ...)
{
    if (!format || !log_sink) return;
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    log_sink(text);
}
