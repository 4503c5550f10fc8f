// The minute synchronisation of live records in network play. A networked record's side is held
// by a participant (on the server) or is this client's own club's side. Each side has a release
// bit per minute (the side has played it) and the flags at the match, slow and out, mirrored into
// the record's network side bytes (+22674: 1 at the match, 2 slow, 4 out). Not saved: after a
// load every side counts as released up to its record's minute.
#pragma once
#include <cstdint>

#include "match/spielfeld.h"

enum : uint8_t { SPIELFELD_NETZ_AM_SPIEL = 1, SPIELFELD_NETZ_LANGSAM = 2, SPIELFELD_NETZ_RAUS = 4 };
constexpr int32_t SPIELFELD_NETZ_MINUTEN = 200;

// Spielfeld_Minute_Ende and Spielfeld_Netz_Wartet, which the frame step calls, are declared in
// match/spielfeld.h.
// A shoot-out kick set up on a networked record: a client signals the record's minute again, the
// server releases it for its sides, and the record waits until every side that is not out has
// set up this kick, so that no PC takes a kick ahead of the others.
void Spielfeld_Netz_Elfmeter(Spielfeld_Record* r);
// Whether a side has played a minute.
bool Spielfeld_Netz_Freigegeben(const Spielfeld_Record* r, int32_t seite, int32_t minute);
uint8_t Spielfeld_Netz_Flags(const Spielfeld_Record* r, int32_t seite);

// A minute signal of a club. Server: taken only for a side of an active record held by that
// participant and a minute below 200, also one ahead of the record (the two clients of a game
// between them wait only for each other); returns the opponent's club when a participant holds
// it, else -1. A change from ahead waits until the record stands within a minute of it. Client: naming the own club the server has released the
// minute for the sides it plays, naming another club that club's side. An attached 320-byte
// change (packet + 24) is queued for minute + 2 with the sender's period.
int32_t Spielfeld_Server_Freigabe_Empfangen(int32_t team, uint32_t minute, uint32_t wert, uint32_t taktik,
                                            const uint8_t* paket);
// A special action: the taker a club's PC chose for one of its set pieces (Spielfeld_Netz_Standard,
// declared in match/spielfeld.h). It waits for that set piece's pass; a client takes one naming
// its own club as the server's own manager's. The server returns the club to relay to, or -1.
int32_t Spielfeld_Sonderaktion_Empfangen(int32_t team, uint32_t aktion);

// Signal handlers: opponent out (5), too slow (8, with the message), client out (13), the side's
// client at the match (9), slow (12).
void Spielfeld_Netz_Gegner_Raus(int32_t team);
void Spielfeld_Netz_Zu_Langsam(int32_t team);
void Spielfeld_Netz_Client_Raus(int32_t team);
void Spielfeld_Netz_Am_Spiel(int32_t team);
void Spielfeld_Netz_Langsam(int32_t team);
// The server pump's checks in the match states: before (sides whose participant has gone), per
// participant (not at the match 10,000 ms after kick-off: 13; a minute awaited 10,000 ms, a
// taker 60,000 ms, or slow: 8), after (a remote opponent of a side made out in this pass gets 5).
// A client's first minute may take 60,000 ms, its way to the match, until it signals "at the
// match" a second time at its kick-off (a client sends that when its pitch first plays); from
// then on 10,000 ms. Every side the server stops waiting for is reported with its reason.
// The time a remote manager has for a set piece's taker.
constexpr uint32_t SPIELFELD_NETZ_WAHLZEIT = 60000;
void Spielfeld_Netz_Pruefen_Vorher();
void Spielfeld_Netz_Pruefen_Mitspieler(int32_t team);
void Spielfeld_Netz_Pruefen_Nachher();
// A client plays the server's records at the minute length the server filled them with (the
// server's match duration option, kept in each record's tempo factor): a minute of another length
// would end at other steps and part the records. Sets this PC's match day tempo from `r`.
void Spielfeld_Netz_Tempo_Uebernehmen(const Spielfeld_Record* r);
// Forgets every record's sync state (a new day, a load).
void Spielfeld_Netz_Zuruecksetzen();
// How many sides of live records this PC has stopped waiting for since its start (gone, too
// slow or cut off): a match day played in step leaves it unchanged.
int32_t Spielfeld_Netz_Getrennt();
// The 320-byte change block of a record (+22752 .. +23071) out and in.
void Spielfeld_Anweisungen_Lesen(const Spielfeld_Record& r, uint8_t* block);
void Spielfeld_Anweisungen_Schreiben(Spielfeld_Record& r, const uint8_t* block);
// Test hook: the records the sync walks (null: the live records of the match day).
using Spielfeld_Netz_Records = int32_t (*)(Spielfeld_Record** records, int32_t max);
void Spielfeld_Netz_Set_Records(Spielfeld_Netz_Records quelle);
// Test hook: sees every change block handed to the pending changes.
using Spielfeld_Einreihen_Hook = void (*)(Spielfeld_Record* r, int32_t seite, const uint8_t* block);
void Spielfeld_Set_Einreihen_Hook(Spielfeld_Einreihen_Hook h);
