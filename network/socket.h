// The socket layer of network play: a table of connection records, messages framed with a
// 20-byte header, moved one message per record and direction at a time in non-blocking steps.
//
// Wire format of one message (little-endian):
//   0 u32 0xFAFAFAFA   4 u32 type   8 u32 len (0..10239 sent, up to 10240 accepted)
//   12 u32 0   16 u32 0   then len data bytes.
#pragma once
#include <cstdint>
#include <functional>

struct Os_Window;
struct Mitspieler_Eintrag;

constexpr uint32_t SOCKET_DATA_KENNUNG = 0xFAFAFAFAu;
constexpr uint32_t SOCKET_MAX_DATA_SIZE = 10240;
constexpr uint32_t SOCKET_KOPF_GROESSE = 20;
constexpr int SOCKET_ANZAHL = 257;

constexpr uint32_t SOCKET_STATUS_FEHLER = 403;
constexpr uint16_t SOCKET_SENDEN_WARTET = 501;
constexpr uint16_t SOCKET_EMPFANG_FERTIG = 502;
constexpr int SOCKET_RESET_EMPFANG = 1000;
constexpr int SOCKET_RESET_SENDEN = 1001;

// Event bits of a notification.
constexpr uint32_t FD_READ = 1, FD_WRITE = 2, FD_OOB = 4, FD_ACCEPT = 8, FD_CONNECT = 16, FD_CLOSE = 32;

// Log levels.
constexpr int SOCKET_LOG_LO = 200, SOCKET_LOG_HI = 201, SOCKET_LOG_INFO = 202, SOCKET_LOG_ZEIGEN = 203;

struct Socket_Datainfo {
    uint32_t kennung;
    uint32_t typ;
    uint32_t len;
    uint32_t reserviert_1;
    uint32_t reserviert_2;
};

struct Sock_Info {
    uint32_t sock;  // handle of the operating-system layer, 0 = free record
    uint32_t event;
    uint8_t peer_adresse[16];  // family, port, four address bytes
    Socket_Datainfo socket_datainfo_receive;
    uint8_t empfang_kopf[SOCKET_KOPF_GROESSE];
    uint8_t empfang_daten[SOCKET_MAX_DATA_SIZE];
    uint16_t empfang_status;
    uint16_t empfangene_bytes;
    uint32_t lese_zaehler;
    Socket_Datainfo socket_datainfo_send;
    uint8_t sende_puffer[SOCKET_KOPF_GROESSE + SOCKET_MAX_DATA_SIZE];  // header and data as sent
    uint16_t sende_status;
    uint16_t gesendete_bytes;
    uint32_t schreib_zaehler;
    uint32_t status;
    Mitspieler_Eintrag* mitspieler;
    uint32_t letzte_aktivitaet;
    uint32_t geschlossen;
    // Network clock when the pending message last moved (queued or bytes sent).
    uint32_t sende_bewegung;
    // 1 once the connection was refused: it ends as soon as its pending message has gone.
    uint32_t abweisen;
    // Network clock when the server accepted the connection (never 0); 0 for any other record.
    uint32_t angenommen;
};

extern Sock_Info Socket_Tabelle[SOCKET_ANZAHL];

int Socket_StartUp(char* status, int32_t* maximum);
int Socket_CleanUp();
void Socket_Init_Socket_Info_Struc();
Sock_Info* Socket_Get_Socket_Info();
void Socket_Clear_Socket_Info(Sock_Info* s);
void Socket_Reset_Socket_Info(Sock_Info* s, int selector);
int Socket_Create(Sock_Info* s);
int Socket_Destroy(Sock_Info* s);
int Socket_Option(Sock_Info* s, int32_t option, uint32_t wert);
int Socket_Bind_Socket(Sock_Info* s, uint16_t port, const uint8_t* ip4);
int Socket_Server_Listen(Sock_Info* s);
int Socket_Connect_Socket(Sock_Info* s, uint16_t port, const uint8_t* ip4);
int Socket_Async_Select_Event(Sock_Info* s, Os_Window* fenster, uint32_t maske);
int Socket_Async_Stop_Events(Sock_Info* s, Os_Window* fenster);
Sock_Info* Socket_Accept_Connection(Sock_Info* lauschend);
int Socket_Get_Host_Setttings(char* host_name, uint8_t* ip4);

// Connections that are being refused: the end of sending goes out after what was sent, what the
// peer still sends is read and dropped, and the socket closes once the peer has closed or
// SOCKET_AUSLAUF_MS have passed. At most SOCKET_AUSLAUF_MAX at a time; beyond that the oldest
// closes at once.
constexpr uint32_t SOCKET_AUSLAUF_MS = 5000;
constexpr int SOCKET_AUSLAUF_MAX = 32;
// Hands the record's socket to the ending connections and frees the record.
void Socket_Auslaufen_Lassen(Sock_Info* s);
// One step of every ending connection.
void Socket_Auslaufende_Pruefen();
// Closes every ending connection now.
void Socket_Auslaufende_Schliessen();
int Socket_Auslaufende_Anzahl();
// The framed message that a connection accepted beyond the table is sent before it ends (the
// server's refusal); without one such a connection is closed at once.
void Socket_Set_Abweisung(const uint8_t* nachricht, uint32_t len);
// Connections one address may hold at once (0: no bound). A newcomer beyond it is sent the framed
// message and ends at accept, before it takes a record: one address cannot fill the table.
// An address may also open no more than twice its bound of connections at once, and one more
// each SOCKET_ZUGANG_ABSTAND ms after that: beyond, a connection gets the same message at accept.
// The pace of the last SOCKET_ZUGAENGE addresses is kept.
void Socket_Set_Adressgrenze(int32_t grenze, const uint8_t* nachricht, uint32_t len);
constexpr uint32_t SOCKET_ZUGANG_ABSTAND = 250;
constexpr int SOCKET_ZUGAENGE = 64;
// The accepted connections from the record's peer address, the record itself included.
int32_t Socket_Verbindungen_Von(const Sock_Info* s);

// Stores the event in the record of the connection with this socket and returns the record;
// null when no connection has that socket.
Sock_Info* Socket_Decode_Event(uint64_t socket, uint32_t event);
// A decoded notification on the server.
void Socket_Server_Event(Sock_Info* s, Os_Window* fenster);
// A decoded notification on a client; 1 when a counter was raised.
int Socket_Client_Event(Sock_Info* s, Os_Window* fenster);
// The window procedure's socket notification: decodes it and hands it to the server or the
// client side by the network mode.
void Socket_Window_Message(uint64_t socket, uint32_t event);

// Queues one message; always 0 (the send state tells whether it was taken).
int Socket_Prepare_Send(Sock_Info* s, const void* daten, uint32_t len, uint32_t typ);
int Socket_Send(Sock_Info* s);
int Socket_Receive(Sock_Info* s);

void Socket_Log(int level, const char* format, ...) __attribute__((format(printf, 2, 3)));
void Socket_Debug_Console_Open();
void Socket_Debug_Console_Write(const char* text);
void Socket_Debug_Console_Close();

// The network's millisecond clock: real time, also headless (each process's virtual clock runs
// at its own pace).
uint32_t Netz_Zeit();
// One pass of a network wait: sleeps up to 5 ms, less when a socket becomes ready.
void Netz_Warten();

// Test seams. The clock; null restores the real one.
void Socket_Set_Uhr(uint32_t (*uhr)());
// Reads instead of recv(): > 0 bytes, 0 closed by the peer, -1 would block, -2 error. Null
// restores the socket.
using Socket_Recv_Hook = int32_t (*)(uint32_t sock, void* puffer, uint32_t len);
void Socket_Set_Recv_Hook(Socket_Recv_Hook hook);
// Receives every log line (level, text).
void Socket_Set_Log_Hook(std::function<void(int, const char*)> hook);
