// The network client: connect and log-in at start-up, then the one connection's blocking
// transfers, which pump window messages while they wait.
//
// Settings file "dorvin_client_dialog_ini.bin" (360 bytes, little-endian): 0 address bytes[4]
// (most significant first), 4 u16 port word, 6 user name[40], 46 pass word[40], 86 0[2],
// 88 u32 dialog number, 92 u32 don't store the pass word, 96 u32 dialog flag, 100 u32 save,
// 104 error text[256].
// Server address file "dorvin_server.cfg": five decimal numbers (address bytes, port) between
// any other characters; four give the address alone.
#pragma once
#include <cstdint>

struct Os_Window;
struct Sock_Info;
struct Mw_User_Login;

constexpr uint32_t CLIENT_EINSTELLUNGEN_GROESSE = 360;

struct Client_Einstellungen {
    uint8_t ip[4];
    uint16_t port;
    char user_name[40];
    char pass_word[40];
    uint32_t dialog_zahl;
    uint32_t pass_word_nicht_speichern;
    uint32_t dialog_flag;
    uint32_t speichern;
    char fehler_text[256];
};

extern Client_Einstellungen Client_Settings;
extern Sock_Info* Client_Sock;
extern Mw_User_Login Client_Login;

// With a user name, a pass word and an address these are taken; otherwise the connect dialog
// asks, showing the address given (else the settings file's).
int Client_Connect(Os_Window* fenster, void* instanz, const char* user_name, const char* pass_word, const uint8_t* ip,
                   uint16_t port);
int Client_Dialog(Os_Window* fenster, void* instanz, const char* option);
int Client_User_Registration(const char* user_name, const char* pass_word, uint32_t hardware_id);
// Reads the server address file: 1 with the address (and the port when the file has one) taken
// and `gelesen` set; 1 with nothing taken for a missing file; 0 after "Fehler in <file>." for a
// damaged one (a number too long or too large, fewer than four numbers, port 0), nothing taken.
int Client_Server_Adresse_Lesen(const char* datei, uint8_t ip[4], uint16_t* port, bool* gelesen = nullptr);
void Client_Einstellungen_Standard();
int Client_Einstellungen_Lesen();
int Client_Einstellungen_Schreiben();
void Client_Einstellungen_Bytes(const Client_Einstellungen& e, uint8_t* bytes);
void Client_Einstellungen_Aus_Bytes(const uint8_t* bytes, Client_Einstellungen* e);
int Client_Disconnect();
int Client_User_Destroy();

int Client_Send_Message(const void* daten, uint32_t len, uint32_t typ, int warten);
int Client_Wait_Sending_Finished();
int Client_Poll();
// One complete message of the type (a negative type takes any) into the buffer (at most
// *laenge bytes) or, with a null buffer, into a new block; *laenge becomes the bytes taken.
uint8_t* Client_Internet_Receive_Data(uint8_t* puffer, uint32_t* laenge, int32_t* ergebnis, int warten, int32_t typ);
int Client_Message_Waiting(int32_t typ);
void Client_Ping();
int Client_Send_Client_Data(const uint8_t* daten, uint32_t len);
uint8_t* Client_Receive_Client_Data(uint32_t* laenge, int32_t* ergebnis);
