// The match day: which games are played today.
#pragma once
#include <cstdint>

// Today's opponent of the club, -1 when it does not play (or no match day runs). Every output
// may be null: auswaerts 1 when the club plays away in a competition with home right,
// wichtigkeit the competition's match-day weight (0 without a game), spiel the game's lock
// handle in the match store (-1 without a game), wettbewerb its competition.
int32_t Spieltag_Get_Gegner(int32_t team, int32_t* auswaerts, int32_t* wichtigkeit, int32_t* spiel,
                            int32_t* wettbewerb);
// Test hook: answers in place of the match day while set (null removes it).
using Spieltag_Gegner_Hook = int32_t (*)(int32_t team, int32_t* auswaerts, int32_t* wichtigkeit, int32_t* spiel,
                                         int32_t* wettbewerb);
void Spieltag_Set_Gegner_Hook(Spieltag_Gegner_Hook hook);

// ---- The match day as the main loop drives it (the match engine lands later) ----

// Starts the day's match day for `anzahl` competitions (in calendar order); ends a running one
// first.
void Spieltag_Init(const int32_t* wettbewerbe, int32_t anzahl);
// Reserves the games' event memory; false when no match day runs.
bool Spieltag_Spiele_Anlegen();
// Enters what the menu round decided (line-ups, tactics) into the day's games.
void Spieltag_Nach_Menue_Bekannte_Daten_Eintragen(uint8_t flag);
// One frame of the match day; false when it is over.
bool Spieltag_Run(uint8_t flag);
// Kicks off the next half after a break; true when a game was waiting.
bool Spieltag_Naechste_Halbzeit_Anpfeifen();
// Books the day's results into tables, statistics and finances.
void Spieltag_Weiterschalten();
// Ends the match day.
void Spieltag_DeInit();
// Test hook: every call above is reported by its name, and the hook's answer is the result of
// those with one (null removes it). Until the engine lands a match day is over at once.
using Spieltag_Ablauf_Hook = int32_t (*)(const char* aufruf);
void Spieltag_Set_Ablauf_Hook(Spieltag_Ablauf_Hook hook);

// The game numbers of the competition's games today: spiele[0] = count, spiele[1..count] in the
// day's order (room for 129). False, with a count of 0, when it plays none or no match day runs.
bool Spieltag_Get_Spiele(int32_t wettbewerb, int32_t* spiele);
// Test hook: answers in place of the day list while set (null removes it).
using Spieltag_Spiele_Hook = bool (*)(int32_t wettbewerb, int32_t* spiele);
void Spieltag_Set_Spiele_Hook(Spieltag_Spiele_Hook hook);
