// The three player lists of the line-up screen: which players they hold, their colour values and
// the layout of an entry's columns.
#pragma once
#include <cstdint>
#include <vector>

constexpr int32_t SPIELER_LISTE_KLEIN = 50;   // lists 0 and 1
constexpr int32_t SPIELER_LISTE_GROSS = 200;  // list 2

// Colour-sort attribute bits: 0..8 the visible attributes, 9..23 the invisible ones, then height,
// age, exhaustion, form, league goals, league appearances, salary, scores.
enum : uint32_t {
    FARBE_GROESSE = 1u << 24, FARBE_ALTER = 1u << 25, FARBE_ERSCHOEPFUNG = 1u << 26, FARBE_FORM = 1u << 27,
    FARBE_TORE = 1u << 28, FARBE_EINSAETZE = 1u << 29, FARBE_GEHALT = 1u << 30, FARBE_SCORES = 1u << 31,
};

// The mean of the chosen attributes' values 0..100. Strength attributes are scaled over
// skala_min..skala_max, the salary over the club's gehalt_min..gehalt_max.
int32_t Spieler_Einsetzen_Sort_Farbwert(int32_t spnr, uint32_t bits, int32_t skala_min, int32_t skala_max,
                                        int32_t gehalt_min, int32_t gehalt_max, int32_t gehalt);
// The lowest and highest salary of the club's players (thousand DM).
void Spieler_Einsetzen_Min_Max_Gehalt(int32_t team, int32_t* min, int32_t* max);
// The colour value of a player of a club in a list, the salary range taken from his club.
int32_t Spieler_Einsetzen_Liste_Farbwert(int32_t liste, int32_t team, int32_t spnr, uint32_t bits, int32_t skala_min,
                                         int32_t skala_max, int32_t);
// The strength scale of a list.
void Spieler_Einsetzen_Skala(int32_t liste, int32_t* min, int32_t* max);
// The colour-sort attributes a list has chosen (its quick sort when that is on).
uint32_t Spieler_Einsetzen_Farb_Bits(int32_t liste);

struct Spieler_Listen_Eintrag {
    int32_t spnr;     // -1: the notice that the list is full
    int32_t team;
    int32_t farbwert;  // 0..100
};
// Builds a list's entries: the marked clubs in team-number order (never the youth team), the type
// mask and pitch filter of list 0, the search of list 2; at capacity the last entry becomes the
// notice. Colour values come in one go (through call 75 on a remote client).
void Spieler_Einsetzen_Liste_Bauen(int32_t liste, std::vector<Spieler_Listen_Eintrag>* aus);
// The notice text of a full list.
const char* Spieler_Einsetzen_Liste_Voll_Text(int32_t liste);
// A player-type button of list 0 clicked (1248 forwards, 1249 midfield, 1251 defence, 1252
// goalkeepers, 1250 all); returns the new type mask.
int32_t Spieler_Einsetzen_Typ_Klick(int32_t icon);
// The type mask of list 0 (bit 1 goalkeepers, 2 defence, 4 midfield, 8 forwards).
int32_t Spieler_Einsetzen_Typ_Maske();
// Lays an entry's columns out on lines of 118 pixels: the name first, then each column in order;
// a column that does not fit is replaced by a later, narrower one that does, else a line begins.
// zeile[i] gets the line of column i, -1 where it is left out. Returns the lines used (1..4).
int32_t Spieler_Einsetzen_Spalten_Umbrechen(int32_t name_breite, const int32_t* breiten, int32_t anzahl, int32_t* zeile);

// The controls of each list (own, other club, the search's matches) whose states the manager
// keeps: colour sorting, extra columns, quick sort, only the players on the pitch.
constexpr int32_t LISTE_KNOPF_FARBE[3] = {1241, 1253, 1333}, LISTE_KNOPF_ANZEIGE[3] = {1243, 1255, 1335},
                  LISTE_KNOPF_SCHNELL[3] = {1244, 1256, 1336}, LISTE_KNOPF_NUR_PLATZ[3] = {1245, 1257, 1337};

struct Menue_Kontextmenue;
// The three context menus of a list's controls: "Anzeige von:" (extra columns, kept as a set in
// control 1243/1255/1335), "Farbliche Sortierung nach:" (the colour attributes, kept in
// 1241/1253/1333) and "Nur farblich sortieren nach:" (one attribute, in the word of 1244/1256/1336).
// Headings in capitals are not choosable; the chosen entries are checked.
Menue_Kontextmenue* Spieler_Einsetzen_Anzeige_Menue(int32_t liste);
Menue_Kontextmenue* Spieler_Einsetzen_Farb_Menue(int32_t liste);
Menue_Kontextmenue* Spieler_Einsetzen_Schnell_Menue(int32_t liste);
// Their item procedures (value A the column or attribute bit, value C the list).
uint8_t Spieler_Einsetzen_Anzeige_Gewaehlt(int32_t eintrag, int32_t liste, int32_t spalte, int32_t);
uint8_t Spieler_Einsetzen_Farbe_Gewaehlt(int32_t eintrag, int32_t liste, int32_t bit, int32_t);
uint8_t Spieler_Einsetzen_Schnell_Gewaehlt(int32_t eintrag, int32_t liste, int32_t bit, int32_t);
// The extra columns a list shows (bit = column 1..29).
uint32_t Spieler_Einsetzen_Spalten(int32_t liste);
// The text of extra column 1..29 for a player of a club; a goalkeeper shows "TW %d" in place of
// the columns 1..13. The face (15) is a small head picture; the extra category (29) names the
// attribute chosen on the list's quick-sort button with his value, so it needs the list. Empty for
// another column.
void Spieler_Einsetzen_Spalte_Text(int32_t spalte, int32_t team, int32_t spnr, char* aus, int32_t groesse,
                                   int32_t liste = -1);
// The small heads of column 15 are kept per player; this lets them all go.
void Spieler_Einsetzen_Koepfe_Freigeben();

// The widest text of each extra column (index 1..29) over a list's entries, measured once per list.
void Spieler_Einsetzen_Set_View_Text_Max_Breite(int32_t liste, const std::vector<Spieler_Listen_Eintrag>& eintraege,
                                                int32_t breiten[30]);
// An entry's text: the name (bold while he plays), then the list's extra columns in their order,
// each at its tab, over at most four lines of 118 pixels.
void Spieler_Einsetzen_Eintrag_Text(int32_t liste, int32_t team, int32_t spnr, const int32_t breiten[30], char* aus,
                                    int32_t groesse);

// The small pictures an entry's name carries: captain, trial player, injured or treated, the
// suspension's card, a ban one yellow card away, released for transfer, watched by the acting
// club, and in list 2 a pending offer. A picture of the screen file, or a slave picture.
struct Spieler_Marken_Bild {
    int32_t nummer;
    bool slave;
};
constexpr int32_t SPIELER_MARKEN_MAX = 8;
int32_t Spieler_Einsetzen_Marken(int32_t liste, int32_t team, int32_t spnr, Spieler_Marken_Bild aus[SPIELER_MARKEN_MAX]);
// The handle of a mark's picture for a text (loaded once and kept); 0 when it is missing.
uint32_t Spieler_Einsetzen_Marken_Handle(const Spieler_Marken_Bild& bild);
// The handle of an attribute's picture (attribute numbers as the colour bits: 0..23 the player
// attributes, 27 form); 0 for an attribute without one or a missing picture.
uint32_t Spieler_Einsetzen_Attribut_Bild(int32_t attribut);

struct Rastport;
// Draws a list's entries from (x, y) downward within h pixels: each entry's text (name with its
// marks, then the chosen columns over up to four lines), in white, or in shades of their colour
// value while the list sorts by colour, the notice of a full list in red. Returns the lines drawn; with
// `oben`, the top of each entry drawn, for finding the entry under the pointer.
int32_t Spieler_Einsetzen_Liste_Malen(Rastport* ziel, int32_t liste, const std::vector<Spieler_Listen_Eintrag>& eintraege,
                                      int32_t x, int32_t y, int32_t h, std::vector<int32_t>* oben = nullptr);
