// The player instructions and attributes page of the line-up screen: five instructions of five
// steps for a field player, three for a goalkeeper, stepped by the page's buttons, and his
// attributes shaded against his team-mates'.
#pragma once
#include <cstdint>

struct Rastport;
struct Spielfeld_Record;

constexpr int32_t ANWEISUNG_REIHEN = 5;
constexpr uint8_t ANWEISUNG_AENDERUNG = 8;  // the side's change flag bit for instructions
// The chosen player's name, portrait and kit figure on the page: from x 346, the pictures right
// above the toggle "Anweisung gilt für" (page y 185 on) and the name above them.
constexpr int32_t ANWEISUNG_BILD_X = 346, ANWEISUNG_SCHALTER_Y = 185, ANWEISUNG_NAME_H = 14;

// Whether the slot's player is a goalkeeper (position class 0).
bool Anweisung_Ist_Torwart(const Spielfeld_Record* r, int32_t slot);
// The value of button row 0-4 for the slot (a goalkeeper's rows 0-2 are his keeper values):
// the change block's with a network role, else the strength entry's; -1 for no such row.
int32_t Anweisung_Wert(const Spielfeld_Record* r, int32_t slot, int32_t reihe);
// One button press on row 0-4: forward (vor) or back, wrapping at the row's steps. With a
// network role into the change block and the side's change flag, else into the strength entry.
// False when the row does nothing for this player.
bool Anweisung_Schritt(Spielfeld_Record* r, int32_t slot, int32_t reihe, bool vor);
// "alle Spieler": the field player's five values for every slot of his side (a goalkeeper
// selected changes nothing).
void Anweisung_Alle_Uebernehmen(Spielfeld_Record* r, int32_t slot);
// The text of a row's value.
const char* Anweisung_Text(bool torwart, int32_t reihe, int32_t wert);
// Minimum, maximum and spread over the side of the attribute entries [erster, ende) (ids from
// the page's table; entries 18 on count goalkeepers only).
void Anweisung_Attribut_Spanne(const Spielfeld_Record* r, int32_t erster, int32_t ende, int32_t seite, int32_t* minimum,
                               int32_t* maximum, int32_t* spanne);
// The page's texts into its bitmap (may be null): the instructions (or "-- ??? --" for the
// opponent's side), the attributes, the toggle; then with "alle Spieler" the copy.
void Draw_Anweisungen_Seite(Rastport* seite, Spielfeld_Record* r, int32_t slot, bool eigene_seite, bool alle);

// Test hook: every text the page prints (x, y, text with its codes).
using Anweisung_Text_Hook = void (*)(int32_t x, int32_t y, const char* text);
void Anweisung_Set_Text_Hook(Anweisung_Text_Hook hook);
