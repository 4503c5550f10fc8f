// Small operations over the operating system that the rest of the program uses instead of
// calling it itself: start-up checks, the main window and its procedure, message pump, message
// box, cursor, input state, files, registry, exit.
#pragma once
#include <atomic>
#include <cstdint>

struct Os_Window;

// Quit flag: 1 once the program is ending (window closed, Exit_Game).
extern uint32_t Programm_Ende;

// The main window (owner of every message box, target of socket notifications).
extern Os_Window* Win95_Fenster;
extern void* Win95_Instanz;
// "Dorvin_Zidurida_Vozozor", copied first thing at start.
extern char Win95_Produkt_Key[64];
// Number of the registered message "MSWHEEL_ROLLMSG".
extern uint32_t Win95_Wheel_Message;
// 1 while a dialog or message box of this program is open.
extern uint32_t Win95_Dialog_Offen;
// Where the open file dialog stands (set by the dialog); null when unknown.
struct Win95_Dialog_Position {
    int32_t links, oben;
};
extern const Win95_Dialog_Position* Win95_Dialog_Fenster;
// 1 = this program is a network client, 2 = it is the server, 0 = no network.
extern uint32_t Win95_Netz_Modus;

// The input words that the window procedure writes and the program polls.
struct Win95_Eingabe_Worte {
    int32_t taste = -1;    // virtual-key code of the last key down, -1 none
    int32_t shift = -1;    // Shift state at that key down (negative while held), -1 after key up
    int32_t taste_3 = -1;  // third key word, only reset
    int32_t rad = 0;       // wheel: -1 a step up (away from the hand), +1 down
    uint32_t doppelklick = 0;
    std::atomic<uint32_t> aktiv{0};  // application active; the timer thread reads it
};
extern Win95_Eingabe_Worte Win95_Eingabe;

// Folders under the program folder (registry "app_path"), '/' as separator.
extern char Pfad_Programm[256];
extern char Pfad_Config_Files[256];
extern char Pfad_Szenario[256];
extern char Pfad_Vereins_Wappen[256];
extern char Pfad_Spieler_Bilder[256];
extern char Pfad_Manager_Bilder[256];
extern char Pfad_User_Sounds[256];
extern char Pfad_Menu_Sounds[256];
extern char Pfad_Video[256];
extern char Pfad_Server_Logfiles[256];
extern char Spielstand_Ordner[256];
extern char Pfad_Resfile[256];
// The data check hands the folders of the resource files to the resource loader
// (ResFile_Ordner, ResFile_Daten_Praefix in platform/resfile.h).
// Savegame extension, ".sgv" unless the registry names another.
extern char Win95_Extension[20];

constexpr const char* WIN95_FENSTER_TITEL = "Netzwerk-Version 1.10";
constexpr const char* WIN95_FIRMA = "moss-quill";
constexpr const char* WIN95_PRODUKT = "Dorvin_Zidurida_Vozozor";

// ---- Start-up and main window ----

// Creates the main window for the display mode; 1 when it exists, 0 on failure (and for the
// modes 107 and 108, which have no window of their own).
int Win95_Create_Window(void* instance, int show);
// The window procedure: turns messages into the input words, routes socket notifications.
int64_t Win95_Window_Proc(Os_Window* window, uint32_t message, uint64_t wparam, int64_t lparam);
// The program's start-up with its command line: the installation checks, the window and the
// folders, then `spiel` (the game's main routine) with what the layer's options leave of the
// command line. The exit status of the process.
int Win95_Main(int argc, char** argv, void (*spiel)(const char*));

// The network side takes the socket notifications (socket, event) that the window procedure
// receives; without a hook they are dropped.
using Win95_Socket_Hook = void (*)(uint64_t socket, uint32_t event);
void Win95_Set_Socket_Hook(Win95_Socket_Hook hook);
// The rectangles (x, y, w, h) that a repaint copies back from the screen page; returns their
// number (at most 4).
int Win95_Repaint_Rechtecke(int32_t rechtecke[4][4]);

int Win95_Registry_Check_Key(const char* produkt);
// Reads app_path, fills the folders; the program folder, null without the key.
const char* Win95_Registry_Get_App_Path();
// The savegame extension (".sgv" unless the registry names another); null without the key.
const char* Win95_Registry_Get_Extension();
const char* Win95_Registry_Get_Res_Path();
// Registry values of the installation. The getters zero the buffer, then return 1 only when
// the key opened and the value could not be read (or did not fit), 0 otherwise.
int Win95_Registry_Get_A_Value(const char* name, char* buffer, int size);
int Win95_Registry_Get_W_Value(const char* name, char* buffer, int size);
// Setters: 1 when the key opened and the store failed, else 0.
int Win95_Registry_Set_A_Value(const char* name, const char* text);
int Win95_Registry_Set_W_Value(const char* name, const char* text);
// The name of the last savegame ("letzter_spielstand"), "" when none.
const char* Win95_Registry_Get_Letzter_Spielstand();

int Win95_File_Exists(const char* path);
uint32_t Win95_Get_File_Size(const char* path);
// 1 when the required data files exist, else shows which is missing and returns 0.
int Win95_Check_Data_Files();
// Plays a video of the video folder with its player; 0 when either is missing.
int Win95_Play_Video(const char* name);
// Starts a program with one argument and pumps messages until it ends; 0 when it is missing.
int Win95_Wait_Program(const char* program, const char* argument);
// 1 for "Server + Client", 0 for "Client".
int Win95_Rollen_Dialog();

// ---- Messages and waiting ----

// Handles at most one pending window message.
void Win95_Message_Pump();
// Pumps messages for 150 ms of the clock; returns 1.
int Win95_Read_Message_Cue_Eine_Halbe_Sekunde();
uint32_t Win95_Sleep(uint32_t ms);
// Modal message box with the caption "Meldung:"; the formatted text is cut to 259 characters.
// Headless: one UTF-8 line "Meldung: <text>" on standard error, acknowledged at once.
int Win95_Meldung(const char* format, ...) __attribute__((format(printf, 1, 2)));

// ---- Cursor and input state ----

// Full-screen modes: leave the cursor's display count at exactly 0 (shown) or -1 (hidden).
int Win95_Show_Windows_Cursor();
int Win95_Hide_Windows_Cursor();
int32_t Win95_Get_Cursor_X();
int32_t Win95_Get_Cursor_Y();
// 1 left button down, else 2 right button down, else 0.
int Win95_Maustasten();
int Win95_Shift_Gedrueckt();

// ---- Files and folders ----

int Win95_Count_Files(const char* folder, const char* pattern);
// Copies at most max names (sorted) into consecutive 256-byte entries; the number copied.
int Win95_Get_File_Names(const char* folder, const char* pattern, int max, char* names);
struct Win95_Datei_Zeiten {
    uint64_t erstellt;     // Windows file time
    uint64_t geschrieben;  // Windows file time
};
int Win95_Get_File_Time(const char* path, Win95_Datei_Zeiten* zeiten);
int Win95_Copy_File(const char* from, const char* to);
int Win95_Delete_File(const char* path);
// Free bytes where the program folder lies (the drive letter means nothing here), 64-bit.
uint64_t Win95_Get_Disk_Free(char laufwerk);

// ---- Memory, version, console, exit ----

void* Win95_Global_Alloc(uint32_t size);
void* Win95_Global_Free(void* block);
int Win95_Is_NT();
void Debug_Console_Open();
void Debug_Console_Write(const char* text);
void Debug_Console_Close();
void Win95_Call(void (*routine)());
// Ends the process at once with code 0.
[[noreturn]] void Win95_Exit();
