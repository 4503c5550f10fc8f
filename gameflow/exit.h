// End of the game.
#pragma once

// Sets Programm_Ende. With a text: shows it, releases what is open and ends the process. With
// null: releases the game's modules, writes the closing log line and returns.
void Exit_Game(const char* format, ...) __attribute__((format(printf, 1, 2)));
