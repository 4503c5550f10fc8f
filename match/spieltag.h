// The match day: which games are played today, the day's clock and speed, the events of games
// played in the background, penalty shoot-outs, and the preparation and closing of the day.
//
// Savegame block (position 24), little-endian, each item a block of its own in the container:
//   u8 init flag; when 1:
//     the competitions list and the shoot-out list in the list module's file form,
//     i32 minute, i32 speed, f32 clock ratio, f32 fraction, i32 fast-forward count.
// A competitions entry is 8 + 8n bytes of u32: n, half counter, n running states (0..3), n game
// numbers (lock handles of the match store). A shoot-out entry is 104 bytes (see below).
#pragma once
#include <cstdint>

struct Liste_Element;
struct Spiele_Spiel;
struct Spielfeld_Record;
struct Disk_Datei;

// Running state of one game.
enum : uint32_t {
    SPIELTAG_SPIELT = 0,
    SPIELTAG_HALBZEIT = 1,
    SPIELTAG_AUS = 2,
    SPIELTAG_ELFMETER = 3,
};

constexpr int32_t SPIELTAG_TEMPO_MIN = 35;
constexpr int32_t SPIELTAG_TEMPO_MAX = 280;
constexpr int32_t SPIELTAG_TEMPO_START = 70;
// Clock units the day runs on after its last game ended.
constexpr int32_t SPIELTAG_AUSLAUF = 175;

// The match speed: clock units per match minute, 35..280.
extern int32_t Spielgeschwindigkeit;

struct Spieltag_Uhr_Daten {
    int32_t minute;
    float bruchteil;     // clock units left in the minute
    float verhaeltnis;   // 70 / speed at the start of the day
    int32_t vorlauf;     // fast-forward count (Spieltag_Vorlauf)
    uint8_t initialisiert;
};
extern Spieltag_Uhr_Daten Spieltag_Uhr;
// Once a lone manager's games and those on the pitch are over, or he has none today, the day's
// other games play a minute a frame rather than at the live pace, unless he follows them in the
// overview (on by default; a test turns it off to compare the results).
extern bool Spieltag_Rest_Eilt;
// True while only other clubs' games are left on a lone PC: the overview may be left at once,
// and their results are then worked out in that frame.
bool Spieltag_Nur_Andere_Spielen();

// One running shoot-out, 104 bytes in the shoot-out list (key = game number).
struct Spieltag_Elfmeter_Eintrag {
    int32_t start_tore[2];
    uint32_t schuetzen[2][11];
    uint8_t anzahl[2];
    uint8_t index[2];
    uint8_t am_zug;
    uint8_t erster;
    uint8_t serie;
    uint8_t rest;
};
static_assert(sizeof(Spieltag_Elfmeter_Eintrag) == 104);
// Its byte image and back; false for a short or implausible image.
void Spieltag_Elfmeter_Packen(const Spieltag_Elfmeter_Eintrag& e, uint8_t bild[104]);
bool Spieltag_Elfmeter_Entpacken(const uint8_t* bild, uint32_t laenge, Spieltag_Elfmeter_Eintrag* e);

// ---- Life cycle and clock ----

// Starts the day's match day for `anzahl` competitions (in calendar order); ends a running one
// first.
void Spieltag_Init(const int32_t* wettbewerbe, int32_t anzahl);
// Ends the match day: releases the games' locks, empties the lists, ends the pitch module.
void Spieltag_DeInit();
// True when a match day runs; otherwise reported.
bool Spieltag_Ist_Initialisiert();
// Reserves the games' event memory and clears their goals; false when no match day runs.
bool Spieltag_Spiele_Anlegen();
// One frame of the match day; false when it is over.
bool Spieltag_Run(uint8_t flag);
// Kicks off the next half after a break; true when a game was waiting.
bool Spieltag_Naechste_Halbzeit_Anpfeifen();
// True when a game waits for its next half.
bool Spieltag_Halbzeit_Wartet();
// The frame step's end-of-half test of a game on the pitch; true when its half or game is over.
bool Spieltag_Halbzeit_Auf_Dem_Platz_Pruefen(Spielfeld_Record* r);
void Spieltag_Set_Uhr(int32_t minute, float bruchteil);
void Spieltag_Get_Uhr(int32_t* minute, float* bruchteil);
// Stores a speed within 35..280 (others leave it); returns the value given.
int32_t Spieltag_Set_Geschwindigkeit(int32_t tempo);
// The speed; writes the limits where given.
int32_t Spieltag_Get_Geschwindigkeit(int32_t* minimum, int32_t* maximum);
// Whether the club plays today.
bool Spieltag_Team_Spielt(int32_t team);
// True while a game of the club is played on the pitch here (its live record active) and is not
// over; a game between two halves or in its shoot-out still plays.
bool Spieltag_Team_Spielt_Auf_Dem_Platz(int32_t team);

// ---- Background events and shoot-outs ----

// Records one event of a game, its minute clamped to the end of the caller's half.
void Spieltag_Set_Grafik_Ereignis(int32_t spiel, uint32_t code, int32_t minute, int32_t spieler_1, int32_t spieler_2);
void Spieltag_Elfmeterschiessen_Starten(int32_t spiel);
// One kick; true when the shoot-out is decided.
bool Spieltag_Elfmeterschiessen_Schritt(int32_t spiel);

// ---- Preparing and closing ----

// Referees, weather, forecasts, suspensions and the computer's line-ups of the day's games.
void Spieltag_Spiele_Vorbereiten();
// Enters what the menu round decided (line-ups, tactics) into the day's games and creates their
// live records.
void Spieltag_Nach_Menue_Bekannte_Daten_Eintragen(uint8_t flag);
// Books the day's results into tables, statistics and finances.
void Spieltag_Weiterschalten();
// The clubs' mood after one game and the press's verdict.
void Spieltag_Pressebericht(const Spiele_Spiel* m);
// A PC with a local manager shows the day's results pages, the scores asked from the server on
// a network client (which closes no match day itself).
void Spieltag_Ergebnisse_Zeigen();
// The pre-match and press texts of a club (kind as the news uses it); dropped unless a hook
// listens.
using Spieltag_Meldung_Hook = void (*)(int32_t team, int32_t art, const char* text);
void Spieltag_Set_Meldung_Hook(Spieltag_Meldung_Hook hook);

// ---- Lists, cursor and lookups ----

Liste_Element* Spieltag_Get_Wettbewerbe_Liste();
Liste_Element* Spieltag_Get_Elfmeter_Liste();
// Makes the node current; its first game number, 0 without games.
int32_t Spieltag_Wettbewerb_Erstes_Spiel(Liste_Element* knoten);
// The next game of the current entry, 0 after the last.
int32_t Spieltag_Naechstes_Spiel();
// State of game i of the current entry (i < 0: the game the cursor returned last).
uint32_t Spieltag_Get_Laeuft(int32_t i);
void Spieltag_Set_Laeuft(int32_t i, uint32_t zustand);
int32_t Spieltag_Get_Spiel(int32_t i);
// Half counter of the current entry, -1 without one; the next raises it.
int32_t Spieltag_Get_Halbzeit();
void Spieltag_Naechste_Halbzeit();
// Makes the node current and returns its number of games.
int32_t Spieltag_Wettbewerb_Anzahl_Spiele(Liste_Element* knoten);
// Today's competitions, at most `kapazitaet`; their count.
int32_t Spieltag_Get_Wettbewerbe(int32_t* wettbewerbe, int32_t kapazitaet);
// spiele[0] = n and spiele[1..n] the competition's games today; spiele holds `kapazitaet`
// words. False (count 0) when it does not play today or the games do not fit.
bool Spieltag_Get_Spiele(int32_t wettbewerb, int32_t* spiele, int32_t kapazitaet);
constexpr int32_t SPIELTAG_TAGESLISTE = 129;

// Today's opponent of the club, -1 when it does not play (or no match day runs). Every output
// may be null: auswaerts 1 when the club plays away in a competition with home right,
// wichtigkeit the competition's match-day weight (0 without a game), spiel the game's lock
// handle in the match store (-1 without a game), wettbewerb its competition.
int32_t Spieltag_Get_Gegner(int32_t team, int32_t* auswaerts, int32_t* wichtigkeit, int32_t* spiel,
                            int32_t* wettbewerb);
// The shorter forms the menus and the network use.
int32_t Spieltag_Get_Gegner(int32_t team, int32_t* spiel);
int32_t Spieltag_Get_Gegner(int32_t team, int32_t* auswaerts, int32_t* spiel, int32_t* wettbewerb);
// Test hook: answers in place of the match day while set (null removes it).
using Spieltag_Gegner_Hook = int32_t (*)(int32_t team, int32_t* auswaerts, int32_t* wichtigkeit, int32_t* spiel,
                                         int32_t* wettbewerb);
void Spieltag_Set_Gegner_Hook(Spieltag_Gegner_Hook hook);

// ---- Savegame ----

bool Spieltag_Speichern(Disk_Datei* datei);
// A damaged block is refused as a whole; the running day stays as it was.
bool Spieltag_Laden(Disk_Datei* datei, const char* version);
// Registers the block with the savegame container.
void Spieltag_Disk_Registrieren();

// Test hook: the main loop's calls (Init, Spiele_Anlegen, Nach_Menue..., Run,
// Naechste_Halbzeit_Anpfeifen, Weiterschalten, DeInit) are reported by their name instead of
// running, and the hook's answer is the result of those with one (null removes it).
using Spieltag_Ablauf_Hook = int32_t (*)(const char* aufruf);
void Spieltag_Set_Ablauf_Hook(Spieltag_Ablauf_Hook hook);

// The game numbers of the competition's games today: spiele[0] = count, spiele[1..count] in the
// day's order (room for 129). False, with a count of 0, when it plays none or no match day runs.
bool Spieltag_Get_Spiele(int32_t wettbewerb, int32_t* spiele);
// Test hook: answers in place of the day list while set (null removes it).
using Spieltag_Spiele_Hook = bool (*)(int32_t wettbewerb, int32_t* spiele);
void Spieltag_Set_Spiele_Hook(Spieltag_Spiele_Hook hook);
