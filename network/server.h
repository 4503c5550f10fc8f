// The network server: accepts clients, lets them log in, answers the small protocol messages,
// logs clients out when their connection fails or falls silent, and moves the game data.
//
// Settings file "dorvin_server_start_dialog_ini.bin" (1140 bytes, little-endian): 0 address
// bytes[4] (most significant first), 4 u16 port word, 6 name[40], 46 pass word[40], 86 0[2],
// 88 u32 server id, 92 u32 dialog number, 96 u32 console, 100 u32 save, 104 error text[256],
// 360 host name[256], 616 u32 socket count, 620 user log path[256], 876 u32 user log on,
// 880 error log path[256], 1136 u32 error log on.
#pragma once
#include <cstdint>

struct Os_Window;
struct Sock_Info;
struct Mitspieler_Eintrag;

constexpr uint32_t SERVER_EINSTELLUNGEN_GROESSE = 1140;
constexpr uint16_t NETZ_STANDARD_PORT = 0x4741;

struct Server_Einstellungen {
    uint8_t ip[4];
    uint16_t port;
    char name[40];
    char pass_word[40];
    uint32_t server_id;
    uint32_t dialog_zahl;
    uint32_t konsole;
    uint32_t speichern;
    char fehler_text[256];
    char host_name[256];
    uint32_t socket_anzahl;
    char user_log[256];
    uint32_t user_log_an;
    char error_log[256];
    uint32_t error_log_an;
    // Participants and connections one address may hold (not in the file above: read at the
    // start from SERVER_ADRESSGRENZE_DATEI).
    int32_t anmeldungen_pro_adresse;
};
// The configuration folder's text file with the bound per address, one number of 1 to 256.
constexpr const char* SERVER_ADRESSGRENZE_DATEI = "anmeldungen_pro_adresse.cfg";

// Message types.
enum : uint32_t {
    NETZ_TYP_LOGIN = 1, NETZ_TYP_TEST = 3, NETZ_TYP_LOGOUT = 4, NETZ_TYP_PING = 5, NETZ_TYP_UPDATE = 6,
    NETZ_TYP_ANTWORT = 500, CLIENT_DATA_SIMPLE = 700, CLIENT_DATA_KOMPLEX = 701, CLIENT_DATA_KOMPLEX_FIRST = 703,
};

extern Server_Einstellungen Server_Settings;
extern Sock_Info* Server_Lauschend;
extern int32_t Server_Version_Major, Server_Version_Minor;
// "<app_path>/config_files" and "<app_path>/server_logfiles".
extern char Server_Pfad_Config[256];
extern char Server_Pfad_Logs[256];

int Server_Start(Os_Window* fenster, void* instanz, const char* option);
int Server_Poll();
int Server_Socket_Steps();
int Server_Dispatch_All();
int Server_Dispatch_Message(Sock_Info* s);
int Server_Test(Sock_Info* s);
int Server_User_Ping(Sock_Info* s);
int32_t Server_User_Logout(Sock_Info* s);
void Server_Idle_Logout();
int Server_Wait_Sending_Finished(Sock_Info* s);
const char* Server_Get_Name();
int Server_Shutdown();
int Server_Registry_Pfade(const char* produkt);
// Reads "version.cfg" of the configuration folder: the first number is the major, the second
// the minor version. 1 when the minor was read.
int Server_Version_Lesen(int32_t* major, int32_t* minor);
// Reads the bound per address into the settings: NETZ_ANMELDUNGEN_PRO_ADRESSE without the file or
// with one that holds no number of 1 to 256 (reported); 1 when the file's number was taken.
int Server_Adressgrenze_Lesen();
void Server_Einstellungen_Standard();
int Server_Einstellungen_Lesen();
int Server_Einstellungen_Schreiben();
void Server_Einstellungen_Bytes(const Server_Einstellungen& e, uint8_t* bytes);
void Server_Einstellungen_Aus_Bytes(const uint8_t* bytes, Server_Einstellungen* e);
int Server_Start_Dialog(Os_Window* fenster, void* instanz, const char* option);

// Log-in, update request and the team-online pass.
// A refused log-in leaves no participant behind and ends its connection once the answer has
// gone; a connection beyond the socket table gets the answer "Server voll" (prepared at start).
int32_t Server_User_Login(Sock_Info* s);
void Server_Abweisung_Vorbereiten();
int32_t Server_Auto_Update(Sock_Info* s);
int32_t Server_Mitspieler_Statistik();
// The team-online pass on a serving PC (roles 2 and 3); elsewhere nothing, and 0.
int32_t Internet_Server_Mitspieler_Statistik();
// The same for a pass of the main loop: the marks are set anew only when a participant, its
// club, the server's own clubs or the club table changed since (or a mark was cleared); the
// number of clubs marked or cleared, 0 when nothing changed.
int32_t Internet_Server_Mitspieler_Nachfuehren();
// A club the server's own manager plays here (its acting or its own club, unless the server
// plays none): it counts as online as a client's club does.
bool Server_Spielt_Verein(int32_t team);
// The day's name of a server log: prefix_a.b.c.d_port_day_month_year.log.
void Server_Log_Name(char* name, uint32_t groesse, const char* praefix);

// Game data per participant.
int Server_Send_Client_Data(Mitspieler_Eintrag* m, const uint8_t* daten, uint32_t len);
uint8_t* Server_Receive_Client_Data(Mitspieler_Eintrag* m, uint32_t* laenge, int32_t* ergebnis);
int Server_Send_Message(Sock_Info* s, const void* daten, uint32_t len, uint32_t typ, int warten);
void Server_Client_Data_Pump();
