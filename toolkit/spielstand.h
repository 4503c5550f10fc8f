// The menu's part of a savegame: the number of managers, the turn under way, the global options,
// the base icon list and the time the turn has run. Icon records go in their 92-byte image; a
// load uses only their numbers and registers the program's own templates again, and once every
// block is read it links the managers' visit histories to those templates by number.
//
// Menu block (savegame position 4), seven blocks in this order:
//   i32 number of human managers, u8 menu active, u8 turn running, i32 turn team,
//   16 bytes global options, 19 x 92 bytes base icon list, i32 milliseconds the turn has run.
#pragma once
#include <cstdint>

struct Disk_Datei;
struct Menue_Icon;

constexpr uint32_t MENUE_BLOCK_BYTES = 4 + 1 + 1 + 4 + 16 + 19 * 92 + 4;

// The block writer of the savegame (one block per call).
bool Menue_Block_Schreiben(Disk_Datei* datei, const void* puffer, uint32_t anzahl);
// True only when all seven blocks were written.
bool Menue_Status_Speichern(Disk_Datei* datei);
// False (nothing taken over) when a block is missing or has another length.
bool Menue_Status_Laden(Disk_Datei* datei, const char* version = nullptr);
// Reads anzahl / 92 records of a template list written with Menue_Block_Schreiben and registers
// the templates under their numbers. A count that is no multiple of 92 or larger than the list
// is refused (reported, false).
bool Menue_Icon_Liste_Laden(Disk_Datei* datei, Menue_Icon* liste, uint32_t anzahl);
// After a load: every visit history and log entry is the record registered under its number,
// or none; a turn of a team that does not exist is not entered again.
void Menue_Nach_Laden();
// Registers the block and the step after a load with the savegame (Menue_Init does it).
void Menue_Spielstand_Init();
