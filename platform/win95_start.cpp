// Program start: the main window and its procedure, the registry values of the installation,
// the folders of the program folder, the data check, external programs, the role dialog.
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/print.h"
#include "platform/os/os.h"
#include "platform/os/os_file.h"
#include "platform/os/os_text.h"
#include "platform/os/os_registry.h"
#include "platform/win95.h"
#include "graphics/grafik_screen.h"
#include "platform/display.h"
#include "platform/resfile.h"

Os_Window* Win95_Fenster = nullptr;
void* Win95_Instanz = nullptr;
char Win95_Produkt_Key[64] = "";
uint32_t Win95_Wheel_Message = 0;
const Win95_Dialog_Position* Win95_Dialog_Fenster = nullptr;
uint32_t Win95_Netz_Modus = 0;
Win95_Eingabe_Worte Win95_Eingabe;

char Pfad_Programm[256] = "";
char Pfad_Config_Files[256] = "";
char Pfad_Szenario[256] = "";
char Pfad_Vereins_Wappen[256] = "";
char Pfad_Spieler_Bilder[256] = "";
char Pfad_Manager_Bilder[256] = "";
char Pfad_User_Sounds[256] = "";
char Pfad_Menu_Sounds[256] = "";
char Pfad_Video[256] = "";
char Pfad_Server_Logfiles[256] = "";
char Spielstand_Ordner[256] = "";
char Pfad_Resfile[256] = "";
char Win95_Extension[20] = ".sgv";

static char res_path[256] = "";
static char letzter_spielstand[256] = "";

// ---- Main window ----

static void mode_size(uint32_t mode, int* w, int* h)
{
    switch (mode) {
    case 101: *w = 640, *h = 480; break;
    case 103: case 106: *w = 1024, *h = 768; break;
    default: *w = 800, *h = 600; break;
    }
}

int Win95_Create_Window(void* instance, int)
{
    uint32_t mode = Bildschirm_Modus;
    int w, h;
    mode_size(mode, &w, &h);
    // Modes 101-103 cover the screen; every other mode is a window of the mode's size.
    Os_Window* window = Os_Window_Open(WIN95_FENSTER_TITEL, w, h, Win95_Ist_Vollbild());
    if (!window) return 0;
    Win95_Instanz = instance;
    Win95_Fenster = window;
    return 1;
}

int Win95_Repaint_Rechtecke(int32_t r[4][4])
{
    uint32_t mode = Bildschirm_Modus;
    int n = 0;
    auto add = [&](int32_t x, int32_t y, int32_t w, int32_t h) {
        r[n][0] = x, r[n][1] = y, r[n][2] = w, r[n][3] = h;
        ++n;
    };
    if (Win95_Dialog_Offen && (mode == 101 || mode == 102)) {
        if (!Win95_Dialog_Fenster) return 0;
        int32_t W = mode == 101 ? 640 : 800, H = mode == 101 ? 480 : 600;
        int32_t x = Win95_Dialog_Fenster->links - 2, y = Win95_Dialog_Fenster->oben - 20;
        int32_t w = 426, h = 285;
        if (x < W) {
            if (x < 0) w += x, x = 0;
            add(0, 0, x, H);
        }
        if (y < H) {
            if (y < 0) h += y, y = 0;
            add(0, 0, W, y);
        }
        int32_t right = x + w;
        if (!(right > W || right < 0)) add(right, 0, W - right, H);
        int32_t bottom = y + h;
        if (!(bottom > H || bottom < 0)) add(0, bottom, W, H - bottom);
        return n;
    }
    switch (mode) {
    case 101: add(0, 0, 640, 480); break;
    case 103: case 106: add(0, 0, 1024, 768); break;
    case 102: case 104: case 105: case 107: case 108: add(0, 0, 800, 600); break;
    default: break;
    }
    return n;
}

static Win95_Socket_Hook socket_hook = nullptr;

void Win95_Set_Socket_Hook(Win95_Socket_Hook hook) { socket_hook = hook; }

static void repaint()
{
    int32_t r[4][4];
    int n = Win95_Repaint_Rechtecke(r);
    for (int i = 0; i < n; ++i)
        if (r[i][2] > 0 && r[i][3] > 0) Grafik_Screen_Zeilen_Kopieren(r[i][0], r[i][1], r[i][2], r[i][3]);
}

int64_t Win95_Window_Proc(Os_Window*, uint32_t message, uint64_t wparam, int64_t lparam)
{
    switch (message) {
    case WM_DESTROY:
        Programm_Ende = 1;
        Os_Post_Message(WM_QUIT, 0, 0);
        return 0;
    case WM_PAINT:
        repaint();
        break;
    case WM_CLOSE:
        // The window stays; the game's loops see the flag and end.
        Programm_Ende = 1;
        return 1;
    case WM_ACTIVATEAPP:
        Win95_Eingabe.aktiv = uint32_t(wparam);
        break;
    case WM_SETCURSOR:
        if (Win95_Ist_Vollbild()) {
            if (!Win95_Dialog_Offen && Win95_Eingabe.aktiv) Win95_Hide_Windows_Cursor();
            else Win95_Show_Windows_Cursor();
        }
        return 1;
    case WM_KEYDOWN:
        Win95_Eingabe.taste = int32_t(wparam);
        Win95_Eingabe.shift = Os_Shift_Held() ? int16_t(0x8000) : 0;
        break;
    case WM_KEYUP:
        Win95_Eingabe.taste = -1;
        Win95_Eingabe.shift = -1;
        Win95_Eingabe.taste_3 = -1;
        break;
    case WM_VSCROLL:
        if ((wparam & 0xFFFF) == 0) Win95_Eingabe.rad = -1;
        else if ((wparam & 0xFFFF) == 1) Win95_Eingabe.rad = 1;
        break;
    case WM_LBUTTONDBLCLK:
        Win95_Eingabe.doppelklick = 1;
        break;
    case WM_MOUSEWHEEL:
        Win95_Eingabe.rad = int16_t(uint16_t(wparam >> 16)) < 0 ? 1 : -1;
        break;
    case WM_SOCKET_NOTIFY:
        if (socket_hook) socket_hook(uint64_t(wparam), uint32_t(lparam & 0xFFFF));
        break;
    default:
        if (message == Win95_Wheel_Message && message != 0)
            Win95_Eingabe.rad = int64_t(int32_t(uint32_t(wparam))) < 0 ? 1 : -1;
        break;
    }
    return 0;
}

// ---- Registry ----

static std::string produkt_key()
{
    return std::string("Software\\") + WIN95_FIRMA + "\\" + (Win95_Produkt_Key[0] ? Win95_Produkt_Key : WIN95_PRODUKT);
}

int Win95_Registry_Check_Key(const char* produkt)
{
    if (!produkt) return 0;
    return Os_Registry_Key_Exists((std::string("Software\\") + WIN95_FIRMA + "\\" + produkt).c_str()) ? 1 : 0;
}

// Reads the default value of a sub-key into buf (cut to fit); false when the key does not open.
static bool read_default(const char* sub, char* buf, size_t size)
{
    std::string key = produkt_key() + "\\" + sub;
    std::string value;
    Os_Registry_Result r = Os_Registry_Get(key.c_str(), "", &value);
    if (r == Os_Registry_Result::no_key) return false;
    if (r == Os_Registry_Result::ok) std::snprintf(buf, size, "%s", value.c_str());
    return true;
}

static void folder(char* out, const char* name)
{
    if (std::snprintf(out, 256, "%s/%s", Pfad_Programm, name) >= 256)
        Print_Fehler("Win95_Registry_Get_App_Path: Pfad zu lang: %s", out);
}

const char* Win95_Registry_Get_App_Path()
{
    if (!read_default("app_path", Pfad_Programm, sizeof Pfad_Programm)) return nullptr;
    // A trailing separator would double in every joined path.
    size_t n = std::strlen(Pfad_Programm);
    while (n > 1 && Pfad_Programm[n - 1] == '/') Pfad_Programm[--n] = 0;
    folder(Pfad_Config_Files, "config_files");
    folder(Pfad_Szenario, "szenario");
    folder(Pfad_Vereins_Wappen, "vereins_wappen");
    folder(Pfad_Spieler_Bilder, "spieler_bilder");
    folder(Pfad_Manager_Bilder, "manager_bilder");
    folder(Pfad_User_Sounds, "user_sounds");
    folder(Pfad_Menu_Sounds, "menu_sounds");
    folder(Pfad_Video, "fmdv_system");
    folder(Pfad_Server_Logfiles, "server_logfiles");
    return Pfad_Programm;
}

const char* Win95_Registry_Get_Extension()
{
    std::snprintf(Win95_Extension, sizeof Win95_Extension, ".sgv");
    if (!read_default("extension", Win95_Extension, sizeof Win95_Extension)) return nullptr;
    return Win95_Extension;
}

const char* Win95_Registry_Get_Res_Path()
{
    if (!read_default("res_path", res_path, sizeof res_path)) return nullptr;
    return res_path;
}

static int get_value(const char* sub, const char* name, char* buffer, int size)
{
    if (!buffer || size <= 0) {
        Print_Fehler("Win95_Registry_Get_Value: buffer=NULL!");
        return 0;
    }
    // Zeroed first, so that a caller never compares what the buffer held before.
    std::memset(buffer, 0, size_t(size));
    std::string value;
    Os_Registry_Result r = Os_Registry_Get((produkt_key() + "\\" + sub).c_str(), name, &value);
    if (r == Os_Registry_Result::no_key) return 0;
    // The file holds UTF-8; a value an older version wrote as Windows-1252 is read as it is.
    value = Os_Text_Aus_System(value);
    if (r == Os_Registry_Result::no_value || value.size() + 1 > size_t(size)) return 1;
    std::memcpy(buffer, value.c_str(), value.size() + 1);
    return 0;
}

static int set_value(const char* sub, const char* name, const char* text)
{
    if (!name || !text) {
        Print_Fehler("Win95_Registry_Set_Value: NULL-Argument!");
        return 0;
    }
    return Os_Registry_Set((produkt_key() + "\\" + sub).c_str(), name, Os_Text_Utf8(text).c_str()) ? 0 : 1;
}

int Win95_Registry_Get_A_Value(const char* name, char* buffer, int size)
{
    return get_value("a_value", name, buffer, size);
}

int Win95_Registry_Get_W_Value(const char* name, char* buffer, int size)
{
    return get_value("w_value", name, buffer, size);
}

int Win95_Registry_Set_A_Value(const char* name, const char* text) { return set_value("a_value", name, text); }

int Win95_Registry_Set_W_Value(const char* name, const char* text) { return set_value("w_value", name, text); }

const char* Win95_Registry_Get_Letzter_Spielstand()
{
    if (Win95_Registry_Get_A_Value("letzter_spielstand", letzter_spielstand, sizeof letzter_spielstand))
        letzter_spielstand[0] = 0;
    return letzter_spielstand;
}

// ---- Data check, external programs, role ----

int Win95_Check_Data_Files()
{
    // "data.bin" lies in the program folder, the other resource files in their own folder.
    // The program folder is at most 255 characters long after the registry read; cut to fit.
    size_t n = std::strlen(Pfad_Programm);
    if (n > sizeof ResFile_Daten_Praefix - 2) n = sizeof ResFile_Daten_Praefix - 2;
    std::memcpy(ResFile_Daten_Praefix, Pfad_Programm, n);
    ResFile_Daten_Praefix[n] = '/';
    ResFile_Daten_Praefix[n + 1] = 0;
    std::snprintf(ResFile_Ordner, sizeof ResFile_Ordner, "%s", Pfad_Resfile);
    struct Pflicht {
        const char* folder;
        const char* name;
    };
    const Pflicht files[] = {{Pfad_Resfile, "resf_scr.res"},
                             {Pfad_Config_Files, "1_spieler.cfg"},
                             {Pfad_Config_Files, "1_team.cfg"},
                             {Pfad_Config_Files, "1_wettbewerb.cfg"}};
    for (const auto& f : files) {
        char path[600];
        std::snprintf(path, sizeof path, "%s/%s", f.folder, f.name);
        if (!Win95_File_Exists(path)) {
            Win95_Meldung("Fehler: Kann das File %s/%s nicht finden.", f.folder, f.name);
            return 0;
        }
    }
    return 1;
}

int Win95_Wait_Program(const char* program, const char* argument)
{
    if (!program || !Win95_File_Exists(program)) return 0;
    int pid = Os_Process_Start(program, argument);
    if (pid < 0) return 0;
    while (Os_Process_Running(pid)) {
        Win95_Message_Pump();
        Os_Sleep(1);
    }
    return 1;
}

int Win95_Play_Video(const char* name)
{
    if (!name) return 0;
    char video[600], player[600];
    std::snprintf(video, sizeof video, "%s/%s", Pfad_Video, name);
    std::snprintf(player, sizeof player, "%s/play", Pfad_Video);
    if (!Win95_File_Exists(video) || !Win95_File_Exists(player)) return 0;
    return Win95_Wait_Program(player, video);
}

int Win95_Rollen_Dialog()
{
    Win95_Dialog_Offen = 1;
    Win95_Show_Windows_Cursor();
    int server = Os_Role_Dialog(
        "Server+Client oder Client?",
        "Wollen Sie das Netzwerkprogramm als Sever und Client starten oder nur als Client?\n\n"
        "Starten Sie mit Server + Client, müssen sich andere User an Ihrem Rechner als Client "
        "anmelden. Ihr Rechner ist dann der Server, Sie können jedoch genauso am Spiel teilhaben "
        "wie alle anderen Clients.\n\n"
        "Starten Sie mit Client, müssen Sie sich an einem bereits gestartetem Server anmelden.");
    Win95_Hide_Windows_Cursor();
    Win95_Dialog_Offen = 0;
    return server ? 1 : 0;
}
