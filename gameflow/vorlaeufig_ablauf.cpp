#include "gameflow/vorlaeufig_ablauf.h"

#include "platform/os/os.h"
#include "platform/win95.h"

// Without the start menu nothing can be chosen: it waits for the end of the program.
int32_t Intro_Setup()
{
    while (!Programm_Ende) {
        Win95_Message_Pump();
        if (!Os_Headless()) Win95_Sleep(10);
    }
    return -1;
}

int32_t Globale_Optionen(int32_t modus)
{
    static constexpr int32_t START[10] = {2, 1, 0, 1, 1, 1, 0, 0, 1, 1};
    return modus >= 0 && modus < 10 ? START[modus] : 0;
}

int32_t Win95_Open_File_Dialog(char*, const char*, const char*) { return 0; }
int32_t Win95_Save_File_Dialog(char*, const char*, const char*) { return 0; }
