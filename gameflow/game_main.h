// The game main routine: role, services in their start order, the game, and the services'
// release in the reverse order.
#pragma once

// Runs the game with the command line (a savegame name, "-q"); returns when it is over.
void Game_Main(const char* kommandozeile);
// The game: waits until the window is closed or the script ends, until the start menu lands.
int Init_Game();
// For tests: the names of the steps that the last Game_Main ran, in order.
const char* Game_Main_Protokoll();
