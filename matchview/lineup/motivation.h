// The team talk page of the line-up screen: the pre-match talk, the half-time talk items, praise
// and blame of single players, and the curve of the team's response. The page only records the
// choices in the live record; the report sequence turns them into the curve's points.
#pragma once
#include <cstdint>

struct Rastport;
struct Spielfeld_Record;

constexpr int32_t MOTIVATION_SPRUECHE = 10, MOTIVATION_DRUECKE_MAX = 10, MOTIVATION_LOB_MAX = 10;
constexpr int32_t MOTIVATION_KURVE_PUNKTE = 38, MOTIVATION_KURVE_GEZEIGT = 28;
constexpr int32_t MOTIVATION_KURVE_BREITE = 140, MOTIVATION_KURVE_HOEHE = 131;

// One press of half-time item i (0-9) for the side: its count rises to at most 10.
void Motivation_Spruch(Spielfeld_Record* r, int32_t seite, int32_t i);
// Radio i (0-4) of the pre-match talk: stores 4 - i. The selected radio of the side.
void Motivation_Vorgabe(Spielfeld_Record* r, int32_t seite, int32_t radio);
int32_t Motivation_Gewaehlter_Knopf(const Spielfeld_Record* r, int32_t seite);
// Praise (the upper button, loben true: -1 down to -10) or blame (+1 up to +10) of the slot.
void Motivation_Lob(Spielfeld_Record* r, int32_t slot, bool loben);
int32_t Motivation_Lob_Wert(const Spielfeld_Record* r, int32_t slot);
// The amount of the bonus (item 0) or fine (item 9) after `druecke` presses for a club of league
// level 0-100, in DM: presses x 1000 x level / 10000 x 100, truncated in that order.
int32_t Motivation_Betrag(int32_t druecke, int32_t niveau);
// The texts of the page into its bitmap (may be null): before the match the five talks, else
// the ten items with their counts and the praise lines; grey for a side not this PC's.
void Draw_Motivation_Seite(Rastport* seite, const Spielfeld_Record* r, int32_t seite_nr, bool eigene_seite, bool vor_spiel);
// The response curve into a 140 x 131 bitmap (may be null) in red; whether point 27 was reached.
bool Motivation_Kurve_Zeichnen(Rastport* kurve, const Spielfeld_Record* r, int32_t seite);
// One step of the scan bar: pos grows by 4, wrapping to 0 at 130; true when it becomes 60 (the
// sequence then appends the next point).
bool Motivation_Scan_Schritt(int32_t* pos);

// Test hook: every text the page prints (x, y, text with its codes).
// A half-time talk item's line stands centred on its button: a line wider than the button in the
// page's font (the amount of a large bonus, the longest sayings) takes the narrow one. The font
// slot of the line (its text as printed, codes included).
constexpr int32_t MOTIVATION_KNOPF_BREITE = 224, MOTIVATION_KNOPF_RAND = 4, MOTIVATION_SCHMAL = 9;
// The praise and blame buttons frame their lines, centred at the page's x 312.
constexpr int32_t MOTIVATION_LOB_BREITE = 124;
int32_t Motivation_Spruch_Font(const char* text);
// A pre-match talk's two lines ("...^z0013..."), printed from page x `x`: the page's font, or the
// narrow one where a line would pass the page's frame (MOTIVATION_SEITE_BREITE wide).
constexpr int32_t MOTIVATION_SEITE_BREITE = 414;
int32_t Motivation_Vorgabe_Font(const char* text, int32_t x);
// The words of such a line, behind its colour and centring codes.
const char* Motivation_Zeilentext(const char* text);
using Motivation_Text_Hook = void (*)(int32_t x, int32_t y, const char* text);
void Motivation_Set_Text_Hook(Motivation_Text_Hook hook);

// The curve's state between the page and the report sequence: complete, and the scan bar's
// request for the next point.
extern uint8_t Motivation_Kurve_Fertig, Motivation_Naechster_Punkt;
