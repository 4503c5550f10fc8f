#include "gameflow/game_main.h"

#include <cstdlib>
#include <cstring>

#include "gameflow/ablauf.h"
#include "gameflow/eingang.h"
#include "gameflow/netz_start.h"
#include "gameflow/spielstand.h"
#include "gameflow/spielstart.h"
#include "match/spieltag.h"
#include "gameflow/globals.h"
#include "gameflow/team_requester.h"
#include "graphics/pic.h"
#include "network/netz.h"
#include "network/server.h"
#include "network/socket.h"
#include "platform/read_config.h"
#include "platform/string_util.h"
#include "toolkit/icon.h"
#include "toolkit/intro.h"
#include "toolkit/requester.h"
#include "toolkit/text_pruefung.h"
#include "platform/exit.h"
#include "platform/print.h"
#include "platform/os/os.h"
#include "platform/timer.h"
#include "platform/win95.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_spielerfigur.h"
#include "graphics/grafik_wappen.h"
#include "gameflow/wappen.h"
#include "platform/display.h"
#include "graphics/font.h"
#include "platform/debug.h"
#include "platform/disk.h"
#include "graphics/grafik_bitmap.h"
#include "competitions/ligen_tabelle.h"
#include "platform/compress.h"
#include "platform/resfile.h"
#include "platform/maus.h"
#include "platform/menuesound.h"
#include "platform/sound.h"
#include "platform/soundeffekt.h"
#include "screens/spieler_gesicht.h"
#include "screens/spieler_liste.h"
#include "platform/zufall.h"

static Game_Main_Schritt_Hook schritt_hook = nullptr;

// The savegame blocks of the platform's services; the game's modules register their own.
void Game_Spielstand_Bloecke_Registrieren()
{
    Globals_Module_Registrieren();
    Disk_Block_Registrieren(
        DISK_POS_ZUFALL, [](Disk_Datei* d) { Zufall_Write_Savegame(d); return !Disk_Fehler(d); },
        [](Disk_Datei* d, const char*) { Zufall_Read_Savegame(d); return !Disk_Fehler(d); });
    Disk_Block_Registrieren(
        DISK_POS_SOUNDEFFEKTE,
        [](Disk_Datei* d) { Soundeffekt_Write_Savegame(d); return !Disk_Fehler(d); },
        [](Disk_Datei* d, const char*) { Soundeffekt_Read_Savegame(d); return !Disk_Fehler(d); });
}
// What the engine tells the game goes through these hooks.
static void engine_hooks_registrieren()
{
    Requester_Set_Anzeige([](const char* text) { Team_Requester(0, -1, "%s", text); });
    Team_Requester_Set_Anzeige(
        [](int32_t modus, int32_t team, const char* text) { return Menue_Requester(modus, team, text, nullptr, nullptr, 0); });
    Read_Config_Set_Start_Option_Abfrage(Eingang_Get_Start_Option_Byte);
    Win95_Set_Socket_Hook(Socket_Window_Message);
    Os_Set_Script_Game_Hook(Ablauf_Skript_Zeile);
    // The text check of the tests: every text drawn is followed onto the screen.
    if (const char* texte = std::getenv("DORVIN_TEXTE"); texte && *texte) Text_Pruefung_Starten();
    Grafik_Wappen_Set_Hook(Wappen_Team_Nummer);
    Wappen_Spielerfigur_Daten_Registrieren();
    Ligen_Tabelle_Registrieren();
    Exit_Freigabe_Registrieren(EXIT_FREIGABE_SPIELERFIGUR, Grafik_Spielerfigur_Cache_Freigeben);
}
static bool debug_console_flag = false;

// Before a step: the log names it, so that a hang or a crash shows where the start stood.
static void schritt(const char* name) { Print_Log(0, "Game_Main: %s\n", name); }
// After a step: what it left behind is there to look at.
static void erledigt(const char* name)
{
    if (schritt_hook) schritt_hook(name);
}

// ---- Services built by later modules: wire each call in here when its module lands ----
// Start order: network, system files, compression, graphics option, debug console, display,
// timer thread, sound, debug font, pointer, random numbers, fonts. Stop order: the reverse.

int Game_Main_Server_Starten(int (*starten)(const char* option), const char* option)
{
    // A port another program holds is no reason to end: after the message the start dialog
    // comes back for another port; its "Abbruch" ends.
    while (!starten(option)) {
        if (std::strcmp(Server_Settings.fehler_text, "Bind socket failed.") != 0 || Programm_Ende) return 0;
        option = "";
    }
    return 1;
}

// Network side of the chosen role: the server listens, the client connects and logs in. A
// failed start has shown its "Error: %s" and ends the program.
static bool netzwerk_starten()
{
    if (EIGENER_SERVER) {
        // In the window a role given on the command line answers the server's start dialog as
        // well: the stored settings are taken, so that a scripted run is not held up.
        // Headless the server has looked for a free port itself, and no user chooses another.
        if (Os_Headless() ? !Netz_Server_Starten("") : !Game_Main_Server_Starten(Netz_Server_Starten, Os_Role_Given() ? "-q" : ""))
            return false;
        Netz_Rolle = 3;
        return true;
    }
    if (!Netz_Client_Starten(nullptr, nullptr)) return false;
    Netz_Rolle = 1;
    return true;
}
// Init_System_Dateien(): resource files; the program ends when it returns 0.
static bool system_dateien_starten() { return Init_System_Dateien() != 0; }
// Compress_LZW_Init(): the LZW tables, released with the game's other services at exit.
static void kompression_starten()
{
    Compress_LZW_Init();
    Exit_Freigabe_Registrieren(EXIT_FREIGABE_COMPRESS_LZW, [] { Compress_LZW_DeInit(); });
}
// Resource bitmaps may stay packed in memory.
static void grafik_option_setzen() { Grafik_Option_Setzen(); }
// The screen pages and the display by Bildschirm_Modus (Win95_Open_Screen); false ends.
static bool bildschirm_oeffnen()
{
    int32_t w = 0, h = 0;
    Win95_Modus_Groesse(Bildschirm_Modus, &w, &h);
    return Grafik_Screen_Init(w, h, 16) != 0;
}
// Sound_Init().
static void sound_starten()
{
    Menuesound_Set_Ordner(Pfad_Menu_Sounds);
    Sound_Init();
}
// Init_Debug_Font().
static void debug_font_starten() { Init_Debug_Font(); }
// Mauszeiger_Start_Timer(), and below mode 104 Mauszeiger_Load_All() and Mauszeiger_Select(0).
static void mauszeiger_starten()
{
    Mauszeiger_Start_Timer();
    if (Bildschirm_Modus < 104) {
        Mauszeiger_Load_All(ResFile_Handles[0].handle);
        Mauszeiger_Select(0);
    }
}
// Zufall_Init().
static void zufall_starten() { Zufall_Init(); }
// Grafik_Init(): the fonts of the graphics library.
static void grafik_starten() { Grafik_Init(); }
// Mauszeiger_Free_All().
static void mauszeiger_freigeben() { Mauszeiger_Free_All(); }
// Mauszeiger_Stop_Timer().
static void mauszeiger_timer_stoppen() { Mauszeiger_Stop_Timer(); }
// DeInit_Debug_Font().
static void debug_font_freigeben() { DeInit_Debug_Font(); }
// Sound_DeInit().
static void sound_freigeben() { Sound_DeInit(); }
// The display's release (the screen pages close it).
static void bildschirm_schliessen()
{
    // The fonts' strips are at the screen's depth: they go with the screen.
    Font_Alle_Freigeben();
    Grafik_Screen_DeInit();
}
static void system_dateien_schliessen() { DeInit_System_Dateien(); }

int Init_Game(const char* kommandozeile)
{
    Spielstart_Module_Zuruecksetzen();
    Exit_Freigabe_Registrieren(EXIT_FREIGABE_SPIELTAG, Spieltag_DeInit);
    // the game goes on without faces when a part is missing
    Spieler_Gesicht_Init(ResFile_Handles[0].handle);
    // the player lists' small heads are made from the faces: they go first
    Exit_Freigabe_Registrieren(EXIT_FREIGABE_SPIELER_GESICHT, [] {
        Spieler_Einsetzen_Koepfe_Freigeben();
        Spieler_Gesicht_DeInit();
    });
    Menue_Init(0);
    // pictures the user dropped into the picture folders as PCX files since the last start
    Pic_Import_Beim_Start();
    char name[SPIELSTAND_NAME_LAENGE];
    // A remote client has no game of its own: it joins the server's, as the club of the savegame
    // named on the command line when the server still offers it.
    if (Netz_Rolle == 1) {
        Spielstart_Schirme_Registrieren();
        if (!Ablauf_Client_Start(Spielstart_Kommandozeile_Spielstand(kommandozeile, name, sizeof name))) return -1;
        Ablauf_Hauptschleife();
        return 0;
    }
    // A savegame named on the command line loads at once; a refused one leads to the start menu.
    bool laeuft = *Spielstart_Kommandozeile_Spielstand(kommandozeile, name, sizeof name) && Spielstart_Laden(name);
    while (!laeuft && !Programm_Ende) {
        switch (Intro_Setup()) {
        case 0: laeuft = Spielstart_Neues_Spiel(); break;
        case 1: laeuft = Disk_Datei_Dialog(name, false) && Spielstart_Laden(name); break;
        case 2: laeuft = Spielstart_Laden(Disk_Lade_Letzten_Spielstand_Namen()); break;
        case 3: break;  // there is no editor: the menu comes again
        default:
            // A menu that cannot be shown (its pictures missing) ends the program with a word why.
            if (!Programm_Ende)
                Win95_Meldung("Das Startmenü kann nicht angezeigt werden.\nBitte starten Sie die Installation nochmals.");
            return -1;
        }
    }
    if (!laeuft) return -1;
    Ablauf_Server_Netz_Start();
    Ablauf_Hauptschleife();
    return 0;
}

void Game_Main(const char* kommandozeile)
{
    Disk_Set_Spielstand_Ordner(Spielstand_Ordner);
    engine_hooks_registrieren();
    Game_Spielstand_Bloecke_Registrieren();
    schritt("Rollen_Dialog");
    // Alone at one PC the game is a server with its own client and no remote one.
    if (Win95_Rollen_Dialog()) {
        EIGENER_SERVER = 1;
        Win95_Netz_Modus = 2;
    } else {
        EIGENER_CLIENT = 1;
        Win95_Netz_Modus = 1;
    }
    // Connecting only waits: a script's input is for the game's screens.
    const bool gehalten = Os_Script_Halten(true);
    const bool netz = netzwerk_starten();
    Os_Script_Halten(gehalten);
    if (!netz) return;
    erledigt("Rollen_Dialog");
    schritt("Init_System_Dateien");
    if (!system_dateien_starten()) return;
    erledigt("Init_System_Dateien");
    schritt("Compress_LZW_Init");
    kompression_starten();
    grafik_option_setzen();
    erledigt("Compress_LZW_Init");
    if (debug_console_flag) {
        schritt("Debug_Console_Open");
        Debug_Console_Open();
        erledigt("Debug_Console_Open");
    }
    schritt("Bildschirm");
    if (!bildschirm_oeffnen()) return;
    erledigt("Bildschirm");
    bool timer = Bildschirm_Modus < 104;
    if (timer) {
        schritt("Timer_Thread_Start");
        Timer_Thread_Start();
        erledigt("Timer_Thread_Start");
    }
    schritt("Sound_Init");
    sound_starten();
    erledigt("Sound_Init");
    schritt("Init_Debug_Font");
    debug_font_starten();
    erledigt("Init_Debug_Font");
    schritt("Mauszeiger");
    mauszeiger_starten();
    erledigt("Mauszeiger");
    schritt("Zufall_Init");
    zufall_starten();
    erledigt("Zufall_Init");
    schritt("Grafik_Init");
    grafik_starten();
    erledigt("Grafik_Init");

    schritt("Init_Game");
    Init_Game(kommandozeile);
    erledigt("Init_Game");

    schritt("Exit_Game");
    Exit_Game(nullptr);
    erledigt("Exit_Game");
    schritt("Mauszeiger_Free_All");
    mauszeiger_freigeben();
    erledigt("Mauszeiger_Free_All");
    schritt("Mauszeiger_Stop_Timer");
    mauszeiger_timer_stoppen();
    erledigt("Mauszeiger_Stop_Timer");
    schritt("DeInit_Debug_Font");
    debug_font_freigeben();
    erledigt("DeInit_Debug_Font");
    schritt("Sound_DeInit");
    sound_freigeben();
    erledigt("Sound_DeInit");
    if (timer) {
        schritt("Timer_Thread_Stop");
        Timer_Thread_Stop();
        erledigt("Timer_Thread_Stop");
    }
    schritt("Bildschirm_Schliessen");
    bildschirm_schliessen();
    erledigt("Bildschirm_Schliessen");
    schritt("DeInit_System_Dateien");
    system_dateien_schliessen();
    erledigt("DeInit_System_Dateien");
    if (debug_console_flag) {
        schritt("Debug_Console_Close");
        Debug_Console_Close();
        erledigt("Debug_Console_Close");
    }
    schritt("Ende");
}

void Game_Main_Set_Schritt_Hook(Game_Main_Schritt_Hook hook) { schritt_hook = hook; }
