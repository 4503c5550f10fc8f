// Utilities over the operating-system layer: message pump, waiting, message box, cursor balance,
// input state, files and folders, console, exit.
#include "platform/win95.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/print.h"
#include "platform/os/os.h"
#include "platform/os/os_file.h"
#include "platform/timer.h"
#include "graphics/grafik_screen.h"
#include "platform/display.h"

uint32_t Programm_Ende = 0;
uint32_t Win95_Dialog_Offen = 0;

void Win95_Message_Pump()
{
    Os_Message m;
    if (!Os_Take_Message(&m)) {
        // Headless: an idle pump lets one millisecond of the virtual clock pass, so that
        // loops waiting for the clock end.
        if (Os_Headless()) Os_Clock_Advance(1);
        return;
    }
    if (m.message == WM_QUIT) return;
    Win95_Window_Proc(Win95_Fenster, m.message, m.wparam, m.lparam);
}

int Win95_Read_Message_Cue_Eine_Halbe_Sekunde()
{
    uint32_t start = Timer_Get_Time();
    while (Timer_Get_Time() - start < 150) {
        Win95_Message_Pump();
        if (!Os_Headless()) Os_Sleep(1);
    }
    return 1;
}

uint32_t Win95_Sleep(uint32_t ms)
{
    Os_Sleep(ms);
    return ms;
}

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
    Win95_Dialog_Offen = 1;
    Win95_Show_Windows_Cursor();
    Timer_Thread_Suspend(0);
    Os_Message_Box("Meldung:", text);
    Win95_Hide_Windows_Cursor();
    Timer_Thread_Suspend(1);
    Win95_Dialog_Offen = 0;
    return 1;
}

// ---- Cursor and input ----

int Win95_Show_Windows_Cursor()
{
    if (!Win95_Ist_Vollbild()) return 1;
    int count = Os_Cursor_Count(+1);
    if (count > 0) Os_Cursor_Count(-count);
    return 1;
}

int Win95_Hide_Windows_Cursor()
{
    if (!Win95_Ist_Vollbild()) return 1;
    int count = Os_Cursor_Count(-1);
    if (count < -1) Os_Cursor_Count(-1 - count);
    return 1;
}

// The layer gives the position in frame pixels, which is what the window's client area shows.
int32_t Win95_Get_Cursor_X() { return Os_Mouse_X(); }
int32_t Win95_Get_Cursor_Y() { return Os_Mouse_Y(); }

int Win95_Maustasten()
{
    if (Os_Mouse_Left()) return 1;
    if (Os_Mouse_Right()) return 2;
    return 0;
}

int Win95_Shift_Gedrueckt() { return Os_Shift_Held() ? 1 : 0; }

// ---- Files ----

int Win95_File_Exists(const char* path) { return Os_File_Readable(path) ? 1 : 0; }

uint32_t Win95_Get_File_Size(const char* path)
{
    int64_t n = Os_File_Size(path);
    return n > 0 ? uint32_t(n) : 0;
}

int Win95_Count_Files(const char* folder, const char* pattern)
{
    if (!folder || !pattern) {
        Print_Fehler("Win95_Count_Files: folder=NULL oder pattern=NULL!");
        return 0;
    }
    return int(Os_File_Search(folder, pattern).size());
}

int Win95_Get_File_Names(const char* folder, const char* pattern, int max, char* names)
{
    if (!folder || !pattern || !names) {
        Print_Fehler("Win95_Get_File_Names: NULL-Argument!");
        return 0;
    }
    if (max <= 0) return 0;
    int n = 0;
    for (const auto& name : Os_File_Search(folder, pattern)) {
        if (n >= max) break;
        std::snprintf(names + size_t(n) * 256, 256, "%s", name.c_str());
        ++n;
    }
    return n;
}

int Win95_Get_File_Time(const char* path, Win95_Datei_Zeiten* zeiten)
{
    if (!zeiten) {
        Print_Fehler("Win95_Get_File_Time: zeiten=NULL!");
        return 0;
    }
    uint64_t c = 0, w = 0;
    if (!Os_File_Times(path, &c, &w)) return 0;
    zeiten->erstellt = c;
    zeiten->geschrieben = w;
    return 1;
}

int Win95_Copy_File(const char* from, const char* to) { return Os_File_Copy(from, to) ? 1 : 0; }

int Win95_Delete_File(const char* path) { return Os_File_Delete(path) ? 1 : 0; }

uint64_t Win95_Get_Disk_Free(char) { return Os_Disk_Free(Pfad_Programm[0] ? Pfad_Programm : "."); }

// ---- Memory, version, console, exit ----

void* Win95_Global_Alloc(uint32_t size) { return std::malloc(size ? size : 1); }

void* Win95_Global_Free(void* block)
{
    std::free(block);
    return nullptr;
}

int Win95_Is_NT() { return 1; }

static bool console_open = false;

void Debug_Console_Write(const char* text)
{
    if (console_open && text) std::fputs(text, stderr);
}

void Debug_Console_Open()
{
    // The terminal that started the program serves as the console.
    console_open = true;
    Print_Log_Set_Sink(Debug_Console_Write);
}

void Debug_Console_Close()
{
    console_open = false;
    Print_Log_Set_Sink(nullptr);
}

void Win95_Call(void (*routine)())
{
    if (routine) routine();
}

void Win95_Exit()
{
    // The timer thread would otherwise be torn down while it runs.
    Timer_Thread_Stop();
    Os_Shutdown();
    std::fflush(nullptr);
    std::exit(0);
}
