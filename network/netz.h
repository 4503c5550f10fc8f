// Start of the network role, the pumps that the main loop and every wait call, and the game-data
// blocks: a block is packed (u32 unpacked length, then LZW data) and travels as one 700 when the
// packed block is shorter than 10240 bytes, else as a 703 with the u32 packed size followed by
// 701 pieces of 10239 bytes, the last with the rest.
#pragma once
#include <cstdint>

// Largest game-data block unpacked, and the largest packed form of it.
constexpr uint32_t NETZ_BLOCK_MAX = (4u << 20) + 128;
constexpr uint32_t NETZ_PAKET_MAX = NETZ_BLOCK_MAX * 2 + 68;
constexpr uint32_t NETZ_STUECK = 10239;
// Largest block a client sends: a remote call whose packed arguments fill the 100,000-byte
// request area the protocol was made with, behind its 16-byte head and longest format. What a
// client announces is bounded by its packed form, so that one connection holds at most
// NETZ_CLIENT_PAKET_MAX bytes while a block comes in.
constexpr uint32_t NETZ_CLIENT_BLOCK_MAX = 16 + 64 + 100000;
constexpr uint32_t NETZ_CLIENT_PAKET_MAX = NETZ_CLIENT_BLOCK_MAX * 2 + 68;

// Results of the client's receive operations.
constexpr int32_t NETZ_EMPFANGEN = 1003, NETZ_FEHLER = 1002, NETZ_NICHTS = 1004;

// Time-outs of the network clock.
constexpr uint32_t SERVER_SENDE_TIMEOUT = 40000;
constexpr uint32_t SERVER_IDLE_PRUEFUNG = 40000;
constexpr uint32_t SERVER_IDLE_LIMIT = 120000;
// Time a participant without a club has for the choice once it has fetched the free clubs.
constexpr uint32_t SERVER_VEREINSWAHL_LIMIT = 600000;
// Time from accept to the log-in; a connection that has not logged in by then goes.
constexpr uint32_t SERVER_LOGIN_FRIST = 5000;
// Connections and participants one address may hold (a household or a LAN behind one router),
// the server's own machine too: the rest are refused, so that one peer cannot fill the table.
// The default of the server's setting (Server_Adressgrenze_Lesen).
constexpr int32_t NETZ_ANMELDUNGEN_PRO_ADRESSE = 8;
// Participants without a club beyond which a newcomer takes the place of one of them, from the
// address that holds the most.
constexpr int32_t SERVER_OHNE_VEREIN_MAX = 192;
constexpr uint32_t CLIENT_TIMEOUT = 60000;
constexpr uint32_t CLIENT_PING_ABSTAND = 60000;

// The server identification number that the statistics read.
extern uint32_t Netz_Server_Id;
// 1 while a start dialog of the network is up.
extern uint32_t Netz_Dialog_Offen;

int Netz_Server_Starten(const char* option);
int Netz_Client_Starten(const char* user_name, const char* pass_word);
int Netz_Server_Starten_Mauszeiger(const char* option);
int Netz_Client_Starten_Mauszeiger(const char* user_name, const char* pass_word);
void Netz_Server_Pumpe();
void Netz_Client_Pumpe();
int Netz_Server_Senden(struct Mitspieler_Eintrag* m, const uint8_t* daten, uint32_t len);
uint8_t* Netz_Server_Empfangen(struct Mitspieler_Eintrag* m, uint32_t* laenge);
int Netz_Client_Senden(const uint8_t* daten, uint32_t len);
uint8_t* Netz_Client_Empfangen(uint32_t* laenge, int32_t* ergebnis);
void Netz_Get_Lokalzeit(int32_t* wochentag, int32_t* stunde, int32_t* minute);
void Netz_Get_Monat_Jahr(int32_t* monat, int32_t* jahr);
void Netz_Set_Eigenes_Team(int32_t team);
int32_t Netz_Get_Eigenes_Team();

// Packs a game-data block (an empty one is its length word alone, which the compressor does
// not make); null on failure. Unpacks one whose stated length is within NETZ_BLOCK_MAX.
uint8_t* Netz_Packen(const uint8_t* daten, uint32_t len, uint32_t* gepackt);
uint8_t* Netz_Auspacken(const uint8_t* paket, uint32_t groesse, uint32_t* len);

// The address and port fields of the start dialogs. Address: 1 to 3 decimal digits of value
// 0..255 each; port: exactly 4 hexadecimal digits, either case. True when all are good.
bool Netz_Adresse_Lesen(const char* const felder[4], uint8_t ip[4]);
bool Netz_Port_Lesen(const char* feld, uint16_t* port);
// The texts of a start dialog.
struct Netz_Dialog_Texte {
    const char* titel;
    const char* ok;
    const char* abbruch;
    const char* extra;  // "IP automatisch erkennen", or null
    const char* adress_fehler;
    const char* port_fehler;
    bool nachfuellen;  // after an error the fields show the settings again
};
// A start dialog: the address bytes ("%d") and the port ("%x") in its fields; OK runs the
// checks above and takes the values (1), a failed check shows its text and keeps the dialog
// open; cancel gives 0. The third button calls erkennen and shows the fields again.
int Netz_Dialog(uint8_t ip[4], uint16_t* port, const Netz_Dialog_Texte& texte, void (*erkennen)());

// The option text "-q" (either case) skips a start dialog.
bool Netz_Ohne_Dialog(const char* option);
// folder/name into out; a path that does not fit is reported and left empty.
void Netz_Pfad(char* out, uint32_t groesse, const char* ordner, const char* name);
// Waits, pumping window messages and running the step, until the record's pending message has
// gone: 1, or 0 when the connection failed, the record was logged out or taken again meanwhile
// (the handle tells), or the message stood for longer than the limit (then the status is 403).
int Netz_Senden_Abwarten(struct Sock_Info* s, int (*schritt)(), uint32_t grenze, const char* name);
// A settings file of exactly n bytes: 1 when read whole / written.
int Netz_Datei_Lesen(const char* name, uint8_t* bytes, uint32_t n);
int Netz_Datei_Schreiben(const char* name, const uint8_t* bytes, uint32_t n);
// Local time: year, month, day, hour, minute, second.
void Netz_Lokalzeit_Voll(int32_t t[6]);

// Ends the program after a lost connection: message, modules released, exit code 1.
[[noreturn]] void Netz_Verbindungsfehler();
// Ends a client's session as a lost connection does, with the message given: data from the
// server that cannot be used would leave the client playing a game the server does not. With a
// hook set (tests) the hook gets the message instead and the call returns.
void Netz_Sitzung_Beenden(const char* meldung);
void Netz_Set_Sitzungsende_Hook(void (*hook)(const char* meldung));
