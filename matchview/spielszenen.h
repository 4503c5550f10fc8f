// The live match view's scenes. Entry points until the view lands.
#pragma once
#include <cstdint>

// Resets the scene animations for a new match day.
void Spielszenen_Animationen_Zuruecksetzen();

struct Spielfeld_Record;
struct Spielfeld_Steuerung_Block;
// Loads the view's graphics and sounds; false when they cannot be had (so far always).
bool Spielszenen_Grafik_Laden();
void Spielszenen_Grafik_Freigeben();
// One frame of the view for a record (replay: the display buffer's flag).
void Spielszenen_Run(Spielfeld_Record* r, Spielfeld_Steuerung_Block* st, uint8_t replay);
// Test hook: answers the load in place of the view (empty function: the view's own answer).
using Spielszenen_Lade_Hook = bool (*)();
void Spielszenen_Set_Lade_Hook(Spielszenen_Lade_Hook hook);

// The stadium's sound set 0-2 (-1 none: every request below does nothing). Choosing another set
// frees the old set's samples and loads the new one's; the view chooses set 0 when entered.
extern int32_t Spielszenen_Sound_Satz;
int32_t Spielszenen_Sound_Satz_Waehlen(int32_t satz);
// Level 0-4: 4 is the row's own volume, each step below one decibel quieter (above 4 counts as 4).
// A crowd reaction (kind 0-4): a reduced and a full sound, once each.
void Spielszenen_Sound_Reaktion_Spielen(int32_t art, int32_t pegel);
// A member of sound group 0-8 (variant -1 or an empty slot: a random one), centred; with the
// start flag a continuous row loops (once playing, left alone) and fades 5 s later.
void Spielszenen_Sound_Gruppe_Spielen(int32_t gruppe, int32_t start, int32_t position, int32_t pegel, int32_t variante);
// The engine's form: started, a random member.
void Spielszenen_Sound_Gruppe_Spielen(int32_t gruppe, int32_t pegel);
// Scene sound 0-34 once, panned (x - centre) x 15.
void Spielszenen_Sound_Spielen(int32_t nummer, int32_t x, int32_t mitte);
// Test hook: sees each load, play and free in place of the sound layer (a load gives the row's
// number as its sample).
enum : int32_t { SPIELSZENEN_TON_LADEN = 0, SPIELSZENEN_TON_SPIELEN = 1, SPIELSZENEN_TON_FREI = 2 };
using Spielszenen_Ton_Hook = void (*)(int32_t art, int32_t zeile, int32_t schleife, int32_t lautstaerke, int32_t pan);
void Spielszenen_Set_Ton_Hook(Spielszenen_Ton_Hook hook);
// The ticker line of the active window; nothing when no window is active.
void Spielszenen_Ticker_Setzen(const char* text);
void Spielszenen_Ticker_Loeschen();
// Test hook: sees every ticker text set.
using Spielszenen_Ticker_Hook = void (*)(const char* text);
void Spielszenen_Set_Ticker_Hook(Spielszenen_Ticker_Hook hook);
// The view's mode: 4000 a screen is showing, 5001 leaving requested, 5002 the user asked for
// the next game, 5003 the half-time sequence runs.
enum : int32_t { SPIELSZENEN_SCREEN = 4000, SPIELSZENEN_VERLASSEN = 5001, SPIELSZENEN_NAECHSTES = 5002,
                 SPIELSZENEN_HALBZEIT = 5003 };
extern int32_t Spielszenen_Modus;
// The running match day may be saved from here: the scene is up and the live view shows.
bool Spielszenen_Speichern_Moeglich();
// Asks the view to redraw itself whole at its next frame.
void Spielszenen_Neu_Zeichnen();
extern uint8_t Spielszenen_Neu_Zeichnen_Angefordert;
// Leaves the view's own screen handling (a screen takes over).
void Spielszenen_Bildschirm_Freigeben();
// The view's blink timers, run by whatever screen is up.
void Spielszenen_Blinken();

// The action replay: the frame step stores a snapshot of each shown record every fourth step.
void Spielfeld_Replay_Schnappschuss(Spielfeld_Record* r);
