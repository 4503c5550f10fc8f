// The sub-menu bar of main group 706 (icons 2502-2506), its place in the savegame, and the
// network activity lamps in the bottom right corner of the screen.
#pragma once
#include <cstdint>

struct Disk_Datei;
struct Menue_Icon;

constexpr int32_t MENUE_LEISTE_ERSTES = 2502;
constexpr int32_t MENUE_LEISTE_ANZAHL = 5;
// Where the bar's buttons stand (one above the other from y 46, 16 apart) and their faces' size.
constexpr int32_t MENUE_LEISTE_X = 517, MENUE_LEISTE_BREITE = 78, MENUE_LEISTE_HOEHE = 14;
// The bar's icon list (five buttons and the end record).
extern Menue_Icon Menue_Leiste[MENUE_LEISTE_ANZAHL + 1];
// The screen procedures behind 2502-2506; the screens' modules put theirs here (null: none).
extern int32_t (*Menue_Leiste_Screens[MENUE_LEISTE_ANZAHL])(Menue_Icon* icon, uint32_t flags);

// Send and receive lamp: state 0 green, 1 red, other states dark; the lamps blink between
// brightness 15 and 7. False without a screen or bitmap.
bool Netz_Aktivitaet_Anzeigen(int32_t senden, int32_t empfangen);

// Puts the bar on screen below the top bar when it is not there, and marks the club panels.
void Menue_Leiste_Zeigen();
// Click procedure of the bar's buttons: makes the icon the chosen one and opens its screen.
int32_t Menue_Leiste_Untermenue_Klick(Menue_Icon* icon, uint32_t flags);

// The bar's list in the savegame (position 5), in the 92-byte image of the icon records.
bool Eingabe_Write_Savegame(Disk_Datei* datei);
bool Menue_Leiste_Laden(Disk_Datei* datei, const char* version = nullptr);
