// Remote calls: a call number, a field format and the arguments, packed into one block that the
// server lays out again, hands to the number's handler and sends back with the results.
//
// Request (little-endian): 0 u32 0xAAAAAAAA, 4 u32 call number, 8 u32 L (format length with its
// NUL), 12 i32 caller's club, 16 the format, 16 + L the packed block.
// Reply: 0 u32 0xAAAAAAAA, 4 u32 call number, 8 u32 L', 12 the rewritten format, 12 + L' the block.
//
// Format: result letter (v c w i f), then per argument a value letter (c w i f) or a pointer
// letter (C W I F V) with flags '<' (reply only; '-' the old spelling), '>' (request only), '='
// (caller's pointer is set into the block) and a byte count; count 0 marks the one variable field,
// whose length the handler decides. Block: every field at a multiple of 4; a result slot (none for
// v), a 4-byte slot per value (value at its start), a 4-byte slot per pointer (0 null, 1 otherwise)
// followed by its data when it travels in that direction, padded to 4.
// The reply's format carries the variable field's byte count and zeros after every '>'.
#pragma once
#include <cstdint>
#include <vector>

constexpr uint32_t INTERNET_MARKE = 0xAAAAAAAAu;
constexpr uint32_t SENDBLOCK_SIZE = 4u << 20;
// The one limit for every format, the reply's rewritten digits included.
constexpr uint32_t INTERNET_FORMAT_MAX = 63;
constexpr int INTERNET_ZEIGER_MAX = 30;
constexpr int INTERNET_WERTE_MAX = 64;
// What the fields of one call may hold before its caller has claimed a club: the start lists
// (the free clubs, 46 bytes each for at most 1000) fit.
constexpr uint32_t INTERNET_VOR_ANSPRUCH_MAX = 64u << 10;
// And after the claim: the largest a client asks for, the fixed parts of every club of the
// largest world (951 x 128 bytes), fits eight times over.
constexpr uint32_t INTERNET_FELDER_MAX = 1u << 20;

extern uint8_t* Internet_Sendblock;
extern uint32_t Internet_Bytes_Gesamt;

// The layout of one block, as the reader and the handlers see it.
struct Internet_Positionen {
    char ergebnis_typ;
    uint32_t ergebnis_pos;
    uint32_t ergebnis_groesse;
    int32_t zeiger_anzahl;
    uint32_t slot_pos[INTERNET_ZEIGER_MAX];
    uint8_t* daten[INTERNET_ZEIGER_MAX];  // null where the caller passed null or nothing travels
    uint32_t groesse[INTERNET_ZEIGER_MAX];
    bool nur_hin[INTERNET_ZEIGER_MAX];  // '>' fields
    int32_t var_ziffer;  // index of the variable field's first digit in the format, -1 none
    int32_t var_zeiger;  // its pointer field, -1 none
    bool hat_groesser;
    uint32_t gesamt;
    int32_t anzahl_c, anzahl_w, anzahl_i, anzahl_f;
    uint8_t bytes[INTERNET_WERTE_MAX];
    uint16_t worte[INTERNET_WERTE_MAX];
    int32_t ints[INTERNET_WERTE_MAX];
    float floats[INTERNET_WERTE_MAX];
};

// Reads the flags and the count of the pointer letter at *cursor and leaves the cursor behind
// the digits. Counts past SENDBLOCK_SIZE come back as 0xFFFFFFFF. No digits: reported, 1.
uint32_t Internet_Get_Pointer_Bytes(const char** cursor, int32_t* ziffern, bool* kleiner, bool* gleich,
                                    bool* groesser);
// Mode 0 lays out a received request of *laenge bytes in block (capacity SENDBLOCK_SIZE), opening
// zeroed room for the '<' fields; mode 1 lays out a reply block of *laenge bytes. False, with
// nothing to be trusted, when the format or the block does not hold together.
bool Internet_Get_Blockpositionen(int modus, uint8_t* block, uint32_t* laenge, const char* format,
                                  Internet_Positionen* p);

// One call as its handler sees it: the result goes to ergebnis; variable data is a Mem_Alloc'd
// buffer in *var whose length is the result.
struct Internet_Aufruf {
    int32_t nr;
    Internet_Positionen* p;
    uint8_t** var;
    int32_t ergebnis;
};
using Internet_Handler = bool (*)(Internet_Aufruf* a);

// The registry: every known call number with its templates ("%d" where a count may vary).
struct Internet_Anfrage_Eintrag {
    int32_t nr;
    const char* name;  // for the network log, or null
    const char* vorlage[2];
};
const Internet_Anfrage_Eintrag* Internet_Anfrage_Suchen(int32_t nr);
// True when the format has exactly the letters and flags of one of the number's templates.
bool Internet_Format_Passt(int32_t nr, const char* format);
// Owners plug their handlers in here as they land; a number without one runs nothing.
void Internet_Handler_Registrieren(int32_t nr, Internet_Handler handler);
// Whether a call changes what the server holds of the caller's club (a line-up, an offer, a
// contract, a booking, money): such calls come from a manager's screens and are taken only while
// they can be open, never while the server's match day runs.
bool Internet_Anfrage_Schreibt(int32_t nr, const char* format);
// Whether the club may send the call now: a reading call always; a writing one not while the
// server's match day runs, and once the club's turn of the day is over only the data of its
// turn's end (the line-up, the own team, the broadcast choice, the manager record).
bool Internet_Schreiben_Offen(int32_t team, int32_t nr, const char* format);
// Plugs in the server's handlers of the database, the bank and the stadium (again does no harm).
void Internet_Fern_Anbinden();
// A remote client's bank and stadium send their requests through here.
void Internet_Fern_Client_Anbinden();

// Server side: lays the block out, runs the handler with Handelndes_Team set to the caller's club
// and writes the reply in place; the format is rewritten. Returns the reply size (0 refused).
uint32_t Internet_Server_Read_Block(int32_t team, int32_t nr, char* format, uint8_t* block, uint32_t groesse);
// A client's round begins with its refresh of the players (request 3): the server notes the day
// on which each club's client began one, which tells a script that the client is in its round.
constexpr int32_t INTERNET_RUNDENBEGINN_ANFRAGE = 3;
// The list of the clubs a newcomer may take (TEAM_STARTTEAMS).
constexpr int32_t INTERNET_VEREINSLISTE = 17;
bool Internet_Server_Runde_Begonnen(int32_t team);
// Answers one request message of a participant; 1 after answering, 0 on a null argument.
int Internet_Server_Antwort(struct Mitspieler_Eintrag* m, const uint8_t* nachricht, uint32_t laenge);

// One argument of a client call. A pointer argument states the capacity of the caller's memory
// (what a variable field may fill); an '=' argument names the caller's pointer variable.
struct Internet_Arg {
    uint32_t wert = 0;
    void* zeiger = nullptr;
    void** ziel = nullptr;
    uint32_t kapazitaet = 0;
    bool ist_zeiger = false;
    uint32_t* var_laenge = nullptr;  // receives the variable field's byte count
};
Internet_Arg Internet_Wert(int32_t v);
Internet_Arg Internet_Wert_F(float v);
Internet_Arg Internet_Zeiger(void* p, uint32_t kapazitaet);
Internet_Arg Internet_Zeiger_Ref(void** ziel, uint32_t* var_laenge = nullptr);

// Packs, sends (or runs locally on a server with its own manager), waits and unpacks. Returns the
// result slot, 0 when refused; *fertig gets bit 0 only when a matching reply was unpacked.
int32_t Internet_Client_Read(int32_t nr, const char* format, int32_t* ergebnis, uint8_t* fertig,
                             const Internet_Arg* args, int32_t anzahl);
// True while a client waits for the reply of a remote call.
bool Internet_Client_Wartet();
// Sends the packed block and leaves the reply in it with its format in format (64 bytes); returns
// the reply block's size, or -1 without a matching reply.
int32_t Internet_Client_Send_And_Read_Block(int32_t nr, char* format, uint8_t* block, uint32_t groesse);

// A line of text in the strip at rows 462-479, across the whole row (not while icon 703 is on the
// screen) or left of the menu's icon column, never over the live match view; shown again it keeps
// the screen it covered first, and Entfernen gives that screen back where nothing was drawn over
// the line meanwhile.
void Internet_Zeile_Zeigen(const char* text, bool links_der_icons);
void Internet_Zeile_Entfernen();
// The strip with the running total of the transferred bytes, standing while a client call runs.
void Internet_Transferzeile_Zeigen();
void Internet_Transferzeile_Entfernen();

// A remote client's start-up (role 1 only): manager start info (31), the team copies (16, 14),
// its manager record "Mitspieler", the player copies (2, 0), the links (40, 41), the manager's
// head (32).
void Internet_Client_Init();
// A remote client sends its changed data back: the line-up (42), the own team (15), the manager
// record (33).
void Internet_Client_Refresh();
// The server's list of the clubs a client may take (request 17): 46 bytes each, u16 club first,
// then its name (24 bytes) and its manager's name; at most 1,000 clubs. False without an answer.
bool Internet_Client_Freie_Vereine(std::vector<uint8_t>* liste);
// 1 when the server's list of clubs held by a manager names the team; at most 1,000 clubs are read.
int32_t Internet_Team_Hat_Manager(int32_t team);

void Internet_Client_Zero_Size_Test();
bool Internet_Server_Zero_Size_Test(Internet_Aufruf* a);

// Who may call for whom. A participant claims its club once: in range, with a manager record, not
// Server_Team, not 0 (the wire's "none") and held by no other participant. Until then only the
// start-up numbers run; afterwards every request must name that club.
bool Internet_Verein_Beanspruchen(struct Mitspieler_Eintrag* m, int32_t team);
bool Internet_Darf_Anfragen(const struct Mitspieler_Eintrag* m, int32_t nr, int32_t team);
// Marks the participant's claimed club as taken by a connected client.
void Internet_Verein_Gehalten(const struct Mitspieler_Eintrag* m);
// Numbers another module lets run before a claim.
void Internet_Vor_Anspruch_Erlauben(int32_t nr);
// True when a game is under way and the team arrays exist.
bool Internet_Spiel_Laeuft();

// Test hooks: the server's send of a reply; the client's exchange with the server (request in,
// reply out, false when nothing came back); the control-signal handler that takes other messages
// during a wait (true when it accepted one).
using Internet_Server_Sender = int (*)(struct Mitspieler_Eintrag* m, const uint8_t* daten, uint32_t len);
void Internet_Set_Server_Sender(Internet_Server_Sender s);
using Internet_Client_Austausch = bool (*)(const std::vector<uint8_t>& anfrage, std::vector<uint8_t>* antwort);
void Internet_Set_Client_Austausch(Internet_Client_Austausch a);
using Internet_Signal_Handler = bool (*)(const uint8_t* nachricht, uint32_t laenge);
void Internet_Set_Signal_Handler(Internet_Signal_Handler h);
