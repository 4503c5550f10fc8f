// The main loop on one PC (or a server with its own manager): a state machine over
// Ablauf_Zustand that advances the calendar, runs the menu rounds of the human managers and
// drives the match days.
//
// States: 0 end of the day, advance the calendar; 1 menu round; 2 menu round before a match day;
// 16 report before the kick-off; 5 match running; 18 match interrupted for half-time; 17 report
// after the games; 7 close the match day.
#pragma once
#include <cstdint>

enum : int32_t {
    ABLAUF_TAG_ENDE = 0,
    ABLAUF_MENUERUNDE = 1,
    ABLAUF_SPIELTAG_MENUERUNDE = 2,
    ABLAUF_SPIEL_LAEUFT = 5,
    ABLAUF_SPIELTAG_SCHLIESSEN = 7,
    ABLAUF_VOR_SPIEL = 16,
    ABLAUF_NACH_SPIEL = 17,
    ABLAUF_HALBZEIT = 18,
};
// States of network play: 3 start the match day, 4 client waits, 6 client's match, 8 client waits
// for the next day, 10 server waits for its clients, 12 server collects their data, 13 data in,
// 14 client waits for the match data, 15 client goes to the match.
enum : int32_t {
    ABLAUF_SPIELTAG_STARTEN = 3,
    ABLAUF_CLIENT_WARTET = 4,
    ABLAUF_CLIENT_SPIEL = 6,
    ABLAUF_CLIENT_NAECHSTER_TAG = 8,
    ABLAUF_SERVER_WARTET = 10,
    ABLAUF_DATEN_SAMMELN = 12,
    ABLAUF_DATEN_GESAMMELT = 13,
    ABLAUF_CLIENT_WARTET_DATEN = 14,
    ABLAUF_CLIENT_ZUM_SPIEL = 15,
};

// Commands carried out by the next pass of the loop.
enum : int32_t { ABLAUF_LADEN = 1, ABLAUF_SPEICHERN_UNTER = 2, ABLAUF_SPEICHERN = 3, ABLAUF_BEENDEN = 4 };

// Resets the loop and calendar state (menu mode 1, no command) and puts the calendar's and the
// modules' landed jobs into the day advance's table.
void Ablauf_Init(int32_t modus);
void Ablauf_DeInit();
// Runs the loop until the quit command or the end of the program. While a turn waits for the
// player each pass sleeps up to ABLAUF_WARTE_MS (less when input comes).
constexpr uint32_t ABLAUF_WARTE_MS = 10;
void Ablauf_Hauptschleife();
// One pass of the loop: the pending command, then one step of the current state.
void Ablauf_Schritt();
void Ablauf_Set_Befehl(int32_t befehl);
// When menu rounds come: 1 every day, 2 match days, 3 days a manager's club plays, 4 those and
// days with a message he has not opened. -1 before Ablauf_Init.
int32_t Ablauf_Get_Menue_Modus();
void Ablauf_Set_Menue_Modus(int32_t modus);
// In state 5 (match running): switches to the half-time state 18.
void Ablauf_Spieltag_Abbrechen();
// True while a menu round runs.
bool Ablauf_Ist_Menuerunde();
// True while a manager's turn is under way (entered, not yet ended): the loop waits for him.
bool Ablauf_Wartet_Auf_Eingabe();
// Keys the loop takes itself: F12 opens the chat in a network game, 'S' saves on a stand-alone
// server and, outside a network game, in a match watched live (with Shift under a new name).
constexpr int32_t ABLAUF_CHAT_TASTE = 0x7B;
constexpr int32_t ABLAUF_SPEICHERN_TASTE = 'S';
// Takes those keys, then carries out the pending command (load, save, save under a new name, quit).
void Ablauf_Tastatur_Auswerten();
// True once the quit command has been carried out.
bool Ablauf_Beendet();

// Requests of the control signals on a client, carried out by the loop's network states: the
// state to go to next (-1 none) and the send of the client's collected data on the next pass.
// Reading a request takes it.
void Ablauf_Set_Naechster_Zustand(int32_t zustand);
int32_t Ablauf_Naechster_Zustand_Nehmen();
void Ablauf_Client_Daten_Senden_Anfordern();
bool Ablauf_Client_Daten_Anforderung_Nehmen();

// Whether the loop runs its network states: on a remote client, and on a server while a
// participant is logged in (or a collecting day is under way).
bool Ablauf_Netz_Aktiv();
// One PC on its own: no network role, or a server with its own manager and no participant
// logged in (the lone game). Its match day shows the reports and takes the half-time break.
bool Ablauf_Allein();
// A waiting state of network play: its pass sleeps on the sockets up to ABLAUF_NETZ_WARTE_MS.
bool Ablauf_Netz_Wartet();
// A remote client's turn of today has ended (from its end in the menu round to the next day).
bool Ablauf_Client_Zug_Vorbei();
constexpr uint32_t ABLAUF_NETZ_WARTE_MS = 5;
// A pass of the match day's screens in the window lasts at least this long (60 frames a second).
constexpr uint32_t ABLAUF_BILD_MS = 16;
// Server: the turns of the managers who play at the server are not yet over today, or a round
// the loop has begun is under way (the pump does not start the match day before).
bool Ablauf_Lokale_Runde_Offen();
// True from the collected data of a match day to its close (the games, their reports, the
// half-time): no manager's screen is open then, so nothing a client would write is taken.
bool Ablauf_Spieltag_Laeuft();
// True when a logged-in participant has claimed the club: its turns are played there.
bool Ablauf_Verein_Gehalten(int32_t team);

// Test hook: stands in for one pass of a club's turn (Menue_Rein on the first pass, then the
// event step); returns -1 when the manager ends his turn. Null: the menu itself.
using Ablauf_Zug_Hook = int32_t (*)(int32_t team, bool erster_schritt);
void Ablauf_Set_Zug_Hook(Ablauf_Zug_Hook hook);
