// The report pages after a match day: results, table and team of the day, each composed on back
// page 1, shown whole and held until a key, a click or 40 seconds.
#pragma once
#include <cstdint>

// The competition's results page (and its table page); 1 when shown, else 0 (switch 1 clear,
// no background picture, no screen).
int32_t Spieltagbericht_Ergebnisse_Zeigen(int32_t wettbewerb);
// The heading the pages share: title, competition and round, the competition's picture.
void Spieltagbericht_Kopf(int32_t wettbewerb, const char* titel);
// The result lines of the competition's games today.
void Spieltagbericht_Ergebniszeilen(int32_t wettbewerb);
// An away name of a result line for the room before its score (pixels): the club's full name in
// the lines' font, else its short name in that font or the small one, else the short name cut in
// the small one and ended with a point.
struct Spieltagbericht_Name {
    int32_t font;
    char text[64];
};
Spieltagbericht_Name Spieltagbericht_Gast_Name(int32_t team, int32_t platz);
// The table after today with each club's previous place and an arrow for the change.
void Spieltagbericht_Tabelle(int32_t wettbewerb);
// The team of the day page of a competition (eleven players and their clubs, 1-3-4-3).
void Spieltagbericht_Elf_Des_Tages(int32_t wettbewerb, const int32_t* spieler, const int32_t* teams);
// The page's background: 1 when it loaded. Freigeben darkens the screen and frees it.
int32_t Spieltagbericht_Hintergrund_Laden();
void Spieltagbericht_Hintergrund_Freigeben();

// Test hooks: every results page asked for, every team of the day, and every text, picture and
// crest the pages draw (kind, font / picture / team, x, y, the text with its codes).
using Spieltagbericht_Beobachter = void (*)(int32_t wettbewerb);
void Spieltagbericht_Set_Beobachter(Spieltagbericht_Beobachter beobachter);
using Spieltagbericht_Elf_Beobachter = void (*)(int32_t wettbewerb, const int32_t* spieler, const int32_t* teams);
void Spieltagbericht_Set_Elf_Beobachter(Spieltagbericht_Elf_Beobachter beobachter);
enum : int32_t { SPIELTAGBERICHT_TEXT, SPIELTAGBERICHT_BILD, SPIELTAGBERICHT_WAPPEN };
using Spieltagbericht_Zeichen_Hook = void (*)(int32_t art, int32_t wert, int32_t x, int32_t y, const char* text);
void Spieltagbericht_Set_Zeichen_Hook(Spieltagbericht_Zeichen_Hook hook);
