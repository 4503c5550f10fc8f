// The player detail pages: what other screens draw with them.
#pragma once
#include <cstdint>

struct Rastport;

// The picture index (slave rastport 368 + index) of attribute number 0..27, -1 none.
extern const int8_t Sp_Attribut_Bilder[28];
// Draws the attribute's picture with see-through pixels at (x, y), or centred on it; its size
// goes to *breite and *hoehe. False, reported, for a missing target or an attribute without
// picture.
bool Sp_Attribute_Blit(Rastport* rp, int32_t attribut, int32_t x, int32_t y, bool zentriert, int32_t* breite,
                       int32_t* hoehe);
// The attribute's picture shrunk to at most groesse x groesse pixels, its top left at (x, y)
// (rows of small text are lower than the pictures); false as above.
bool Sp_Attribute_Blit_Klein(Rastport* rp, int32_t attribut, int32_t x, int32_t y, int32_t groesse);

// The shown player, team and page, and the copy the pages reopen with.
struct Spieler_Detail_Zustand {
    int16_t spnr = -1, team = -1, seite = 0;
    int32_t gemerkt_spnr = -1, gemerkt_team = -1, gemerkt_seite = 0;
};
extern Spieler_Detail_Zustand Spieler_Detail;

constexpr int32_t SPIELER_DETAIL_ERSTER_TOGGLE = 908;
constexpr int32_t SPIELER_DETAIL_LETZTER_TOGGLE = 920;
constexpr int32_t SPIELER_DETAIL_MARKE = 922;  // on screen while the window is open

// Opens the pages (page -1 keeps the page whose toggle is on; page p is toggle 908 + p). With
// `wieder` the remembered player is shown again, which works only while the window is open.
bool Spieler_Detailseite_Oeffnen(int32_t team, int32_t spnr, int32_t seite, bool wieder);
bool Spieler_Detailseite_Ist_Offen();
void Spieler_Detailseite_Schliessen();
// The previous (-1) or next (+1) player of the shown team, wrapping at both ends. A shown player
// who left starts at the first; an empty team closes the pages. False when closed.
bool Spieler_Detailseite_Blaettern(int32_t richtung);
// A page toggle 908..920 clicked.
bool Spieler_Detailseite_Seite_Klick(int32_t toggle);
// The toggle that is on for the acting manager, and whether a toggle is greyed for the shown team.
int32_t Spieler_Detailseite_Toggle();
bool Spieler_Detailseite_Toggle_Grau(int32_t toggle);
// The toggle's text ("" for another number).
const char* Spieler_Detailseite_Toggle_Text(int32_t toggle);

// The profile head's six lines ("^c%05d%s" in font 3 is the drawing's business).
void Spieler_Detail_Profil_Zeilen(int32_t team, int32_t spnr, char zeilen[6][120]);
// The portrait's shadow offsets, drawn in one dark colour before the picture.
extern const int8_t Spieler_Portrait_Schatten[5][2];

// Chart values, oldest first; the count returned. Marks: the low three bits of the last 16
// matches' entries (scale 6). Minutes: capped at 120. Season strengths (capped 999) and season
// goals (capped 120): up to 8.
int32_t Spieler_Detail_Noten(int32_t spnr, int32_t werte[16]);
int32_t Spieler_Detail_Minuten(int32_t spnr, int32_t werte[16]);
int32_t Spieler_Detail_Saison_Staerken(int32_t spnr, int32_t werte[8]);
int32_t Spieler_Detail_Saison_Tore(int32_t spnr, int32_t werte[8]);
// The six minute ranges of the minute chart: first and last minute of range k.
extern const int8_t Spieler_Minuten_Bereiche[6][2];
// The team's goals (or chances) on each played match day of its league, from the first one up to
// the current match day or the first day without a figure; the count.
constexpr int32_t SPIELER_DETAIL_SPIELTAGE = 64;
int32_t Spieler_Detail_Spieltag_Werte(int32_t team, bool chancen, int32_t werte[SPIELER_DETAIL_SPIELTAGE]);
// The team's league goals (or chances) of the season summed over the six minute ranges.
void Spieler_Detail_Minuten_Werte(int32_t team, bool chancen, int32_t werte[6]);

// The curve pickers: strength categories (13) and property categories (15).
extern const char* const Spieler_Staerke_Kategorien[13];
extern const char* const Spieler_Eigenschaft_Kategorien[15];
// One curve: with the own club's history 52 points (51 weekly values oldest first, then the
// current value) and true; else only the current value in werte[0] and false.
bool Spieler_Detail_Kurve(int32_t team, int32_t spnr, bool eigenschaft, int32_t kategorie, int32_t werte[52]);
// Which pickers take part: a picker's stored button, the last one on staying on.
bool Spieler_Detail_Picker_Klick(int32_t picker);
// The labels of the training page's kind toggles 1480..1496.
const char* Spieler_Training_Toggle_Text(int32_t icon, char* text, uint32_t groesse);
// The window's icons: shown (again) with the current page, and taken away.
// The window covers the work area from the top bar down to the group column; a press on the
// column (x from SPIELER_DETAIL_FENSTER_RECHTS, below the bar) closes it and goes on to the
// button there, as Escape and "Fertig" close it.
constexpr int32_t SPIELER_DETAIL_FENSTER_OBEN = 40, SPIELER_DETAIL_FENSTER_RECHTS = 601;
void Spieler_Detail_Fenster_Zeigen();
void Spieler_Detail_Fenster_Entfernen();
