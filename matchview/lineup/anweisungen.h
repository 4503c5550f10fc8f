// The player instructions and attributes page of the line-up screen: five instructions of five
// steps for a field player, three for a goalkeeper, stepped by the page's buttons, and his
// attributes shaded against his team-mates'.
#pragma once
#include <cstdint>

struct Rastport;
struct Spielfeld_Record;

constexpr int32_t ANWEISUNG_REIHEN = 5;
constexpr uint8_t ANWEISUNG_AENDERUNG = 8;  // the side's change flag bit for instructions
// Places on the page (its bitmap, 414 x 208). The five button rows from (6, 105), 19 apart,
// 230 x 17, each with its value's picture at its left. The small pitch of where the player has
// been, his area and his two positions at (257, 90), 123 x 76. Right of it the chosen player's
// portrait over his kit figure, shrunk to 18 x 27 (the pitch icon's pictures are taller than the
// room there), his name below the pitch beside the label "Anweisung gilt für", and under both
// the toggle (the page's y 185 on).
constexpr int32_t ANWEISUNG_KNOPF_X = 6, ANWEISUNG_KNOPF_Y = 105, ANWEISUNG_KNOPF_ABSTAND = 19;
constexpr int32_t ANWEISUNG_KNOPF_B = 230, ANWEISUNG_KNOPF_H = 17;
constexpr int32_t ANWEISUNG_BILD_ERSTES = 1674, ANWEISUNG_BILDER = 25;
constexpr int32_t MINI_FELD_X = 257, MINI_FELD_Y = 90, MINI_FELD_B = 123, MINI_FELD_H = 76;
constexpr int32_t ANWEISUNG_BILD_X = 387, ANWEISUNG_BILD_Y = 92, ANWEISUNG_BILD_B = 18, ANWEISUNG_BILD_H = 27;
constexpr int32_t ANWEISUNG_NAME_X = 346, ANWEISUNG_NAME_Y = 180, ANWEISUNG_NAME_FONT = 9, ANWEISUNG_SCHALTER_Y = 185;

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
// The picture (0-24 of the 25 from 1674) of a row's value: five a row.
int32_t Anweisung_Bild_Index(int32_t reihe, int32_t wert);
// The page into its bitmap (may be null): the instructions (or "-- ??? --" for the opponent's
// side) with their pictures (`bilder`, the 25 pictures; null or missing ones draw nothing), the
// attributes with their symbols, the small pitch with the handle pictures `defensiv` and
// `offensiv` as markers, the toggle's lines; then with "alle Spieler" the copy.
void Draw_Anweisungen_Seite(Rastport* seite, Spielfeld_Record* r, int32_t slot, bool eigene_seite, bool alle,
                            Rastport* const* bilder = nullptr, Rastport* defensiv = nullptr, Rastport* offensiv = nullptr);
// How often the player stood in cell 0-99 of the pitch's 10 x 10 grid (row-major): 0-3, two bits
// a cell, four cells a byte.
int32_t Anweisung_Praesenz(const Spielfeld_Record* r, int32_t slot, int32_t zelle);
// The small pitch (123 x 76) of the slot's player into its bitmap: a pitch, his presence as
// lighter cells, his area outlined, his defensive and offensive positions marked.
void Anweisung_Mini_Feld(Rastport* feld, const Spielfeld_Record* r, int32_t slot, Rastport* defensiv, Rastport* offensiv);

// Test hook: every text the page prints (x, y, text with its codes).
using Anweisung_Text_Hook = void (*)(int32_t x, int32_t y, const char* text);
void Anweisung_Set_Text_Hook(Anweisung_Text_Hook hook);
