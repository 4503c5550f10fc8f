// The program: the platform's start-up runs the game's main routine.
#include "gameflow/game_main.h"
#include "platform/win95.h"

int main(int argc, char** argv) { return Win95_Main(argc, argv, Game_Main); }
