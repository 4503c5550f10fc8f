// Start-up of the program: checks the installation, creates the main window, derives the
// folders, checks the data files and runs the game's main routine inside the crash guard.
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/os/crash.h"
#include "platform/os/os.h"
#include "platform/os/os_file.h"
#include "platform/os/os_text.h"
#include "platform/os/os_speicher.h"
#include "platform/timer.h"
#include "platform/win95.h"

static int WinMain(const char* kommandozeile, void (*spiel)(const char*))
{
    Win95_Wheel_Message = Os_Register_Message("MSWHEEL_ROLLMSG");
    std::snprintf(Win95_Produkt_Key, sizeof Win95_Produkt_Key, "%s", WIN95_PRODUKT);
    if (!Win95_Create_Window(nullptr, 1)) return 0;

    if (!Win95_Registry_Check_Key(Win95_Produkt_Key)) {
        Win95_Meldung("Bitte installieren Sie 'Dorvin Zidurida Vozozor' vor dem ersten Start.");
        return 0;
    }
    if (const char* app = Win95_Registry_Get_App_Path()) {
        std::snprintf(Spielstand_Ordner, sizeof Spielstand_Ordner, "%s/spielstand", app);
        std::snprintf(Pfad_Resfile, sizeof Pfad_Resfile, "%s/resfile", app);
        std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s/config_files", app);
        std::snprintf(Pfad_Server_Logfiles, sizeof Pfad_Server_Logfiles, "%s/server_logfiles", app);
    }
    Win95_Registry_Get_Extension();

    char installation[10];
    Win95_Registry_Get_A_Value("Installation", installation, sizeof installation);
    if (std::strcmp(installation, "TRUE") != 0) {
        Win95_Meldung("Die Dorvin Installation wurde nicht korrekt ausgeführt.\n"
                      "Bitte starten Sie die Installation nochmals.");
        return 0;
    }
    if (!Win95_Check_Data_Files()) return 0;

    Os_Change_Dir(Pfad_Programm);
    Win95_Play_Video("intro.dmv");

    // The guard: a fault in the game writes the crash report into the program folder.
    Crash_Install(Pfad_Programm, "main thread");
    spiel(kommandozeile);
    return 0;
}

int Win95_Main(int argc, char** argv, void (*spiel)(const char*))
{
    for (int i = 1; i < argc; ++i)
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            std::printf("dorvin [SPIELSTAND] [-q] [--headless] [--script DATEI] [--role server|client] [--nosound]\n");
            return 0;
        }
    Os_Heap_Vorbereiten();
    Os_Init(argc, argv);
    // The command line of the game: what the layer's options leave.
    std::string zeile;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--headless") || !std::strcmp(argv[i], "--nosound")) continue;
        if ((!std::strcmp(argv[i], "--script") || !std::strcmp(argv[i], "--role")) && i + 1 < argc) {
            ++i;
            continue;
        }
        if (!zeile.empty()) zeile += ' ';
        // a savegame named in the shell's UTF-8 becomes the program's text
        zeile += Os_Text_Aus_System(argv[i]);
    }
    int result = WinMain(zeile.c_str(), spiel);
    Timer_Thread_Stop();
    Os_Shutdown();
    return result;
}
