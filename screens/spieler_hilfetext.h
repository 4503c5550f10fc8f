// The player tooltip: one text about a player for every icon that stands for one, and the help
// text of the training page's slots.
#pragma once
#include <cstdint>

struct Menue_Icon;

constexpr uint32_t SPIELER_HILFETEXT_GROESSE = 1020;

// The word for a count: the singular for exactly 1, else the plural.
const char* Spieler_Wortform(int32_t anzahl, const char* einzahl, const char* mehrzahl);

// The tooltip text of the player as shown for `team` (the club the icon was built for). The
// returned buffer is overwritten by the next call; an overlong text ends at its last whole line.
const char* Spieler_Screen_Hilfetext_Spieler(int32_t spnr, int32_t team);
// The mouse-over procedure of player icons (first value player, second team).
const char* Spieler_Screen_Hilfetext_Spieler(Menue_Icon* icon);
// Appends a field player's strength line to text (of room `groesse`).
void Spieler_Screen_Hilfetext_Staerkezeile(char* text, uint32_t groesse, int32_t spnr);
// The training page's slot: "%s trainiert %s" (player by the first value, kind by the second).
const char* Spieler_Training_Slot_Hilfetext(Menue_Icon* icon);

// Appends `stueck` to the text in a buffer of `groesse` bytes. A piece that does not fit sets
// *voll and leaves the text at its last whole line ("^l" separates lines); later pieces are dropped.
void Spieler_Text_Anhaengen(char* text, uint32_t groesse, bool* voll, const char* stueck);
