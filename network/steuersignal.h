// Control signals: small packets (marker 0xBBBBBBBB, a code, a team) beside the remote calls
// (0xAAAAAAAA) and chat packets (0xDDDDDDDD), and the network pump that serves them all.
//
// Packet (little-endian): 0 marker, 4 code, 8 club, 12 minute (6) or action (7), 16 value (6),
// 20 tactics flag, 24 the 320-byte tactics change. Forms of 12, 16, 24 and 344 bytes.
#pragma once
#include <cstdint>

struct Mitspieler_Eintrag;

constexpr uint32_t STEUERSIGNAL_MARKE = 0xBBBBBBBBu;
constexpr uint32_t NETZUSER_MARKE = 0xCCCCCCCCu;
constexpr uint32_t STEUERSIGNAL_ANWEISUNGEN = 320;
constexpr uint32_t STEUERSIGNAL_MAX = 24 + STEUERSIGNAL_ANWEISUNGEN;
// Waits of the network clock: a client's data, a side's minute, a side at the match.
constexpr uint32_t STEUERSIGNAL_WARTEZEIT = 10000;
constexpr int32_t STEUERSIGNAL_VERSUCHE = 30;
// The bit of a club's status byte that its manager has ended today's turn.
constexpr int32_t ZUG_BEENDET_BIT = 4;

enum : uint32_t {
    SIGNAL_NEUER_SPIELTAG = 1,
    SIGNAL_SPIELTAG_START = 2,
    SIGNAL_ZUG_BEENDET = 3,
    SIGNAL_ZUG_BEENDET_RELAIS = 4,
    SIGNAL_GEGNER_RAUS = 5,
    SIGNAL_MINUTE = 6,
    SIGNAL_SONDERAKTION = 7,
    SIGNAL_ZU_LANGSAM = 8,
    SIGNAL_AM_SPIEL = 9,
    SIGNAL_SAMMEL_DATEN = 10,
    SIGNAL_DATEN_VERSCHICKT = 11,
    SIGNAL_LANGSAM = 12,
    SIGNAL_CLIENT_RAUS = 13,
    SIGNAL_TEAM_NR = 14,
};

// A control packet read from the wire after its checks.
struct Steuersignal_Paket {
    uint32_t code;
    int32_t team;
    uint32_t minute;   // minute (6) or action (7)
    uint32_t wert;
    uint32_t taktik;   // 1 only when the 320 bytes are there
    const uint8_t* anweisungen;
    uint32_t laenge;
};
// Checks a control packet before anything reads it: the marker, the size its code allows (12;
// code 7 at least 16; code 6 24, or exactly 344 with the flag 1, else the flag counts 0), the
// minute 0..199 and the club in range (-1 allowed where the server speaks of nobody). False
// for anything else.
bool Steuersignal_Paket_Lesen(const uint8_t* nachricht, uint32_t laenge, Steuersignal_Paket* p);

// One pass of the network pump. A client hands at most one message to Steuersignal_Vom_Server;
// the server takes at most one message of every participant: a remote call is answered, a
// control or chat packet goes to Steuersignal_Vom_Client. Called by the main loop's waiting
// states, the chat and the modal loops.
void Steuersignal_Verarbeiten();
// Test hook: sees every pass.
using Steuersignal_Beobachter = void (*)();
void Steuersignal_Set_Beobachter(Steuersignal_Beobachter beobachter);
// The handlers of the packets; true for one they have handled (control or chat).
bool Steuersignal_Vom_Server(const uint8_t* nachricht, uint32_t laenge);
bool Steuersignal_Vom_Client(const uint8_t* nachricht, uint32_t laenge, Mitspieler_Eintrag* m);
// The client of the team has sent its data back: the server stops waiting for it. Returns its
// participant, null when the team has none.
Mitspieler_Eintrag* Steuersignal_Daten_Von_Client(int32_t team);
// Stamps every participant with a club with the time the server asked for its data.
void Steuersignal_Zeiten_Zuruecksetzen();

// Client senders (up to 30 tries, the client pump between). Return 1 when sent.
int Steuersignal_Client_Senden(uint32_t code);
int Steuersignal_Client_Minute(uint32_t minute, uint32_t wert, const uint8_t* anweisungen);
int Steuersignal_Client_Sonderaktion(uint32_t aktion);
// Server senders. Null participant: every participant.
int Steuersignal_Server_Senden(uint32_t code, Mitspieler_Eintrag* m);
void Steuersignal_Zug_Beendet_Melden();
void Steuersignal_Gegner_Raus(int32_t team);
void Steuersignal_Zu_Langsam(int32_t team);
void Steuersignal_Client_Raus(int32_t team);
void Steuersignal_Server_Sonderaktion(int32_t team, uint32_t aktion);
// Pending releases at the participants of the two teams whose side flag is 0.
void Steuersignal_Minute_Vormerken(const int32_t teams[2], const uint8_t seiten[2], uint32_t minute,
                                   uint32_t wert);
int Steuersignal_Server_Eigene_Minute(int32_t empfaenger, int32_t team, uint32_t minute, uint32_t wert,
                                      const uint8_t* anweisungen);

// Menu-signal mode: operation 0 reads, 1 sets; others are refused (0).
uint8_t Steuersignal_Menue_Modus(uint8_t wert, int32_t operation);
// Bit 4 of Team_Wert 168 of teams 1 .. count - 1: set (mode 8) or cleared (mode 4).
void Steuersignal_Setze_Team_Status(int32_t modus);
// The stand-alone server's page with one line of text.
void Steuersignal_Statuszeile(const char* text);
// Code 11 came outside state 14: kept for the loop that waits for the match data.
bool Steuersignal_Daten_Verschickt_Nehmen();
// A manager's finished turn that came during a remote call: shown once the call has returned.
void Steuersignal_Nachholen();
// How many notices that a manager has ended his turn this PC has shown since its start.
int32_t Steuersignal_Zugenden_Gezeigt();
// Prints "Abpfiff CLUB GAME HOME AWAY" for each club whose live game this PC played over the
// network (a client its own, the server its participants'), as this PC's pitch ended it.
void Steuersignal_Abpfiff_Drucken();
// The server's own manager, his turn ended while clients still play theirs, reads whom the round
// waits for in the strip at the bottom of the screen: "Warte auf den Spielzug von: " and their
// managers' names. The line goes when the round is over. The text standing, empty when none.
const char* Steuersignal_Wartende_Zeile();

// Test hooks: the sends to a participant and to the server (1 sent, 0 failed). Null: the network.
using Steuersignal_Server_Sender = int (*)(Mitspieler_Eintrag* m, const uint8_t* daten, uint32_t len);
using Steuersignal_Client_Sender = int (*)(const uint8_t* daten, uint32_t len);
void Steuersignal_Set_Sender(Steuersignal_Server_Sender s, Steuersignal_Client_Sender c);
// The sends every network module of the game uses (through the hooks above).
int Steuersignal_An_Mitspieler(Mitspieler_Eintrag* m, const uint8_t* daten, uint32_t len);
int Steuersignal_An_Server(const uint8_t* daten, uint32_t len);
// The club a participant acts for: its claimed one, -1 before the claim.
int32_t Steuersignal_Mitspieler_Team(const Mitspieler_Eintrag* m);
