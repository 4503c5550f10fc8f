// The team comparison of a competition: one value per club (mean strength in attribute groups, or
// a team statistic), their order, places and column heights, the scale labels and the buttons.
// A remote client fetches the values from the server (call 70).
#pragma once
#include <cstdint>
#include <string>

#include "competitions/ligen_tabelle.h"
#include "competitions/wettbewerb.h"

// Results of one computation; arrays of WETTBEWERB_MAX_TEAMS entries, `anzahl` of them used.
struct Teamvergleich_Ergebnis {
    int32_t absteigend = 1;
    int32_t anzahl = 0;
    int32_t eine_stelle = 0;
    int32_t groesster = -999999;
    int32_t kleinster = 999999;
    int16_t hoehe[WETTBEWERB_MAX_TEAMS] = {};
    int32_t team[WETTBEWERB_MAX_TEAMS] = {};
    uint8_t platz[WETTBEWERB_MAX_TEAMS] = {};
    int32_t wert[WETTBEWERB_MAX_TEAMS] = {};
};

// Icons and words of the settings.
enum : int32_t {
    TV_POSITION = 2575,  // 2575-2578
    TV_ALLE = 2579,
    TV_ELF = 2580,
    TV_STAERKE = 2581,
    TV_STATISTIK = 2582,
    TV_TABELLE = 2587,
    TV_RANG = 2588,
};
// The view's buttons with their labels and help texts; the data builder draws the labels into
// faces of the same numbers in the screen file, beside the view's background.
inline constexpr Ligen_Tabelle_Knopf TV_KNOEPFE[] = {
    {2575, "Torwart", "Nur die Torhüter vergleichen"},
    {2576, "Abwehr", "Nur die Abwehrspieler vergleichen"},
    {2577, "Mittelf.", "Nur die Mittelfeldspieler vergleichen"},
    {2578, "Sturm", "Nur die Stürmer vergleichen"},
    {2579, "Alle", "Alle Spieler einbeziehen"},
    {2580, "Nur Elf", "Nur die Spieler der Elf vergleichen"},
    {2581, "Stärke", "Die Stärke vergleichen (rechte Taste: Bereiche)"},
    {2582, "Statistik", "Eine Statistik vergleichen (rechte Taste: Auswahl)"},
    {2587, "Tabelle", "Nach Tabellenplatz ordnen"},
    {2588, "Rang", "Nach dem Wert ordnen"},
};
inline const Ligen_Tabelle_Knopf* Ligen_Teamvergleich_Knopf_Suchen(int32_t nummer)
{
    return Ligen_Tabelle_Knopf_In(TV_KNOEPFE, nummer);
}
constexpr int32_t TV_KNOPF_BREITE = 56, TV_KNOPF_HOEHE = 17, TV_HINTERGRUND = 1232;
constexpr int32_t TV_STATISTIKEN = 32;
// Headline and statistic mode of each index (-1 strength; + 32768 counted for the opponents).
struct Teamvergleich_Statistik {
    const char* titel;
    int32_t modus;
};
extern const Teamvergleich_Statistik Teamvergleich_Statistiken[TV_STATISTIKEN];

// Descending order unless the mode ranks the smaller value first; tenths only for the match marks.
bool Ligen_Teamvergleich_Absteigend(int32_t modus);
// The values of the competition's clubs, sorted, with places (rank with icon 2588 on, else the
// table place or, without one, the rank) and column heights between 273 and 383. The server's
// computation; `rang` says whether places are ranks.
void Ligen_Teamvergleich_Werte_Berechnen(Wettbewerb_Id w, int32_t nur_elf, int32_t positionen, int32_t gruppen,
                                         int32_t modus, bool rang, Teamvergleich_Ergebnis* e);
// The column's y: 383 for the smallest (descending) down to 273 for the largest; 383 for all
// when the values are equal or the largest is 0.
int32_t Ligen_Teamvergleich_Hoehe(int32_t wert, int32_t groesster, int32_t kleinster, bool absteigend);
// The same on any side: a remote client asks the server (call 70); false when no answer came.
bool Ligen_Teamvergleich_Werte_Holen(Wettbewerb_Id w, int32_t nur_elf, int32_t positionen, int32_t gruppen,
                                     int32_t modus, bool rang, Teamvergleich_Ergebnis* e);
// The value of one club in the result; 0 with a message when it is not there.
int32_t Ligen_Teamvergleich_Team_Wert(const Teamvergleich_Ergebnis& e, int32_t team);
// A scale number: tenths "2.4", millions "3.4M", thousands "  5T", else "%3d".
std::string Ligen_Teamvergleich_Zahl_Text(int32_t wert, bool eine_stelle);
// The columns stand side by side between the two value scales (x 40 to 554, the right scale's
// figures begin at 558): a column's width for n teams, 30 at most, and its crest's size.
struct Teamvergleich_Spalten {
    int32_t links, breite, wappen;
};
Teamvergleich_Spalten Ligen_Teamvergleich_Spalten(int32_t anzahl);
// The y of a column's short name under the bars: neighbouring places take turns on two rows.
int32_t Ligen_Teamvergleich_Name_Y(int32_t platz);
// The scale labels of one side: values and their y.
struct Teamvergleich_Skala {
    int32_t anzahl = 0;
    int32_t wert[10] = {};
    int32_t y[10] = {};
};
Teamvergleich_Skala Ligen_Teamvergleich_Skala(int32_t groesster, int32_t kleinster, bool absteigend);
// The buttons 2575-2588 of the acting manager after a click on `icon`.
void Ligen_Teamvergleich_Knopf_Klick(int32_t icon);
// Takes the comparison view off the screen.
void Ligen_Teamvergleich_Entfernen();
// Puts the comparison view behind the sub-menu bar's button 2503.
void Ligen_Teamvergleich_Registrieren();
// Plugs the server's handler of call 70 into the remote-call registry.
void Ligen_Teamvergleich_Fern_Registrieren();
