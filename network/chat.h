// The chat of network games and the online status of the clubs.
//
// Chat packet (little-endian) inside a game-data block: 0 u32 0xDDDDDDDD, 4 u32 size, 8 i32
// sender (-1 the server), 12 u16 colour (RGB565 on the wire), 14 u16 0, 16 u32 mode (1 text,
// 2 status list or its request, 3 enter, 4 leave), 20 u32 text length with NUL, 24 u32 lines or
// entries, 28 u32 0, 32 8 zero bytes, 40 the line offsets (u32 each) then the text, or entries
// {u32 club, u32 flags: bit 0 in the chat, bit 1 connected}.
//
// Online state: bit 32 of Team_Wert 168 (a client is connected for the club) and bit 0x80 of
// Team_Wert 169 (its manager has the chat open).
#pragma once
#include <cstdint>
#include <string>

struct Mitspieler_Eintrag;

constexpr uint32_t CHAT_MARKE = 0xDDDDDDDDu;
constexpr uint32_t CHAT_KOPF = 40;
constexpr uint32_t CHAT_TEXT_MAX = 256;
constexpr uint32_t CHAT_ZEILEN_MAX = 40;
constexpr uint32_t CHAT_HISTORIE = 262144;
constexpr uint32_t CHAT_STATUS_ABSTAND = 1000;
// What one participant may send the server: a burst of 10 packets, then one every half second.
constexpr uint32_t CHAT_PAKETE_BURST = 10;
constexpr uint32_t CHAT_PAKET_ABSTAND = 500;
enum : uint32_t { CHAT_TEXT = 1, CHAT_STATUS = 2, CHAT_BETRETEN = 3, CHAT_VERLASSEN = 4 };
enum : int32_t { CHAT_VERBUNDEN_BIT = 32, CHAT_OFFEN_BIT = 0x80 };
// Width of the message area less 8 pixels: what one line of a message may fill.
constexpr int32_t CHAT_ZEILEN_BREITE = 448 - 8;

// Checks a chat packet before anything reads it: the marker, a size that is the whole block, and
// per mode the size its fields make (text: 40 + 4 x lines + length, length 1..257 ending in NUL,
// at most 40 lines, each offset below the length; status list: 40 + 8 x entries, clubs in range
// and each once; notices: 40). False for anything else.
bool Chat_Paket_Pruefen(const uint8_t* paket, uint32_t laenge);

// Once: the history (cleared) and the club list; returns the initialised flag.
bool Chat_Init();
void Chat_DeInit();
// One step of the chat screen.
void Chat_Screen();
void Chat_Screen_Schliessen();
bool Chat_Screen_Ist_Offen();
void Chat_Betreten();
void Chat_Verlassen();
// Sends a text as a mode-1 packet ("/me " first becomes the own club's name); 1 when sent.
int Chat_Senden(const char* text);
// The server takes a packet of a participant (null: its own): checked, its sender set to the
// participant's club, relayed by mode. True when it was a chat packet (taken or dropped).
bool Chat_Server_Verteilen(const uint8_t* paket, uint32_t laenge, Mitspieler_Eintrag* m);
// A received packet: mode 1 into the history, mode 2 taken as the status; true for a chat packet.
bool Chat_Empfangen(const uint8_t* paket, uint32_t laenge);
void Chat_Sende_Status_An_Alle();
void Chat_Pruefe_Online_Status(uint32_t jetzt);
// A new block with the status list of every normal club; its size in *groesse.
uint8_t* Chat_Status_Liste(uint32_t* groesse);

// The normal clubs in team order (made by Chat_Init) and whether each is among the buddies.
int32_t Chat_Vereine_Anzahl();
int32_t Chat_Verein(int32_t index);
bool Chat_Ist_Buddy(int32_t index);
void Chat_Buddy_Umschalten(int32_t index);
// The popup "Buddies wählen:" with one entry per 33 clubs, each opening the clubs to tick. The
// choice does not change whom a message goes to.
void Chat_Buddies_Waehlen();
// Puts out the chat icon 50 ms after a message lit it; the pump calls it.
void Chat_Blinken_Schritt();
// The history, newest first: the k-th message kept whole, null past the last.
const uint8_t* Chat_Historie_Nachricht(int32_t k, uint32_t* groesse);
// The line above a message: "CLUB, MANAGER: " of its sender's club, "Server: " for a server
// without a club of its own (sender -1).
std::string Chat_Absender(int32_t sender);
// The colour a message is drawn in (the render target's pixel format).
uint16_t Chat_Nachricht_Farbe(const uint8_t* paket);
// The colour of the own messages (the render target's pixel format).
void Chat_Set_Farbe(uint16_t farbe);
// Bit 0: the status list must go to every participant.
uint8_t Chat_Status_Geaendert();

// The chat's one-line text entry: at most 256 characters, a cursor, a selection made with Shift
// and Home, End, Left, Right. A key step returns true when Return ended the input.
struct Chat_Eingabe {
    char text[CHAT_TEXT_MAX + 1];
    int32_t cursor;
    int32_t auswahl_start, auswahl_ende;  // equal: no selection
    bool waehlt;
    int32_t anker;
};
Chat_Eingabe& Chat_Eingabe_Get();
void Chat_Eingabe_Leeren();
bool Chat_Eingabe_Taste(int32_t code, bool shift);
