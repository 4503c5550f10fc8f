// The game main routine: role, services in their start order, the game, and the services'
// release in the reverse order.
#pragma once

// Runs the game with the command line (a savegame name, "-q"); returns when it is over.
void Game_Main(const char* kommandozeile);
// The game: a savegame from the command line, else the start menu until a game begins (new,
// loaded or continued), then the main loop. -1 when the program ended before a game began.
int Init_Game(const char* kommandozeile = nullptr);
// The savegame blocks of the platform's services (the game's globals, the random numbers, the
// sound effects); the game's modules register their own.
void Game_Spielstand_Bloecke_Registrieren();
// For tests: called after every step of the start and of the stop with the step's name, so that
// a test can look at what each service left behind. Null removes it.
using Game_Main_Schritt_Hook = void (*)(const char* schritt);
void Game_Main_Set_Schritt_Hook(Game_Main_Schritt_Hook hook);
// Starts the server side with `starten` (Netz_Server_Starten); a port that is taken brings the
// start dialog back (the option "" shows it) until a start succeeds or fails otherwise. 1 on
// success.
int Game_Main_Server_Starten(int (*starten)(const char* option), const char* option);
