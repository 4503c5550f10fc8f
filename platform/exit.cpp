#include "platform/exit.h"

#include <cstdarg>
#include <cstdio>

#include "platform/print.h"
#include "platform/win95.h"

static void (*freigaben[EXIT_FREIGABE_ANZAHL])() = {};

bool Exit_Freigabe_Registrieren(int slot, void (*freigabe)())
{
    if (slot < 0 || slot >= EXIT_FREIGABE_ANZAHL) {
        Print_Fehler("Exit_Freigabe_Registrieren: falscher Platz %d!", slot);
        return false;
    }
    freigaben[slot] = freigabe;
    return true;
}

static void freigeben(int von, int bis)
{
    for (int i = von; i < bis; ++i) {
        // Cleared before the call: a release that ends the program again (Exit_Game from a
        // broken list) must not run the same release a second time.
        void (*f)() = freigaben[i];
        freigaben[i] = nullptr;
        if (f) f();
    }
}

void DeInit_Game()
{
    freigeben(0, EXIT_FREIGABE_ANZAHL_MODULE);
}

void Exit_Game(const char* format, ...)
{
    Programm_Ende = 1;
    char text[260];
    if (format) {
        va_list args;
        va_start(args, format);
        std::vsnprintf(text, sizeof text, format, args);
        va_end(args);
        Win95_Meldung("%s", text);
    }
    DeInit_Game();
    freigeben(EXIT_FREIGABE_ANZAHL_MODULE, EXIT_FREIGABE_ANZAHL);
    if (format) Win95_Exit();
    Print_Log(0, "Programm beendet.\n");
}
