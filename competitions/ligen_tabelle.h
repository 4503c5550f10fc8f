// The league tables screen's rules: the table pane's cell texts and tendencies, its view mask and
// gap rows, the option buttons of the acting manager and the competition list of the screens.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <iterator>
#include <vector>

#include "competitions/wettbewerb.h"

struct Tabelle_Datensatz;

// The signed goal difference right-aligned in four places, "+" just before the first digit:
// "  +7", "  -3", "   0". Beyond three digits the number with its sign ("+1000", "-1234").
// A static buffer, valid until the next call.
const char* Tabelle_Tordifferenz_Text(int32_t differenz);
// Match days erster (not below 0) to letzter with the given result code (0 win, 1 draw, 2 loss)
// for the slot; teil 1 only home days, 2 only away days, 0 all.
int32_t Tabelle_Zaehle_Ergebnisse(const Tabelle_Datensatz* t, int32_t slot, int32_t ergebnis, int32_t erster,
                                  int32_t letzter, int32_t teil);
// The team's result on a match day (0-based) of the competition as one letter: home "s", "u", "n",
// away "S", "U", "N", "-" unplayed or no match; two legs add up crosswise. Minutes von..bis
// (-1 open); with tip the forecast. The letter's colour goes to *farbe when given.
char Tabelle_Tendenz_Zeichen(Wettbewerb_Id w, int32_t tag, int32_t team, int32_t von, int32_t bis, int32_t tip,
                             uint16_t* farbe);
// The twelve tendency letters of the team's cell between "^fb0008" and "^fe": the window ends
// behind match day letzter (0-based) and at the season's match days; teil 1 keeps only home
// letters, 2 only away letters.
std::string Ligen_Tabelle_Tendenz_Text(Wettbewerb_Id w, int32_t team, int32_t letzter, int32_t spieltage,
                                       int32_t von, int32_t bis, int32_t tip, int32_t teil);
// The table computation's view mask of the option buttons.
int32_t Ligen_Tabelle_Sicht_Maske(bool nur_heim, bool nur_auswaerts, bool tordifferenz, bool tore, bool gegentore);
// Points-gap rows after a place: `einzeln` rows of one picture each while room is left, then,
// when the gap did not fit, one row with all d pictures ("(addiert)").
struct Tabelle_Abstand {
    int32_t einzeln = 0;
    bool addiert = false;
};
Tabelle_Abstand Ligen_Tabelle_Abstand_Zeilen(int32_t benutzt, int32_t plaetze, int32_t d);
// The text of a gap row with `bilder` pictures of the handle; grows with the count.
std::string Ligen_Tabelle_Abstand_Text(int32_t bilder, uint32_t handle);
// "14:6" form of the points without the three-points rule, else the points alone.
std::string Ligen_Tabelle_Punkte_Text(int32_t punkte, int32_t spiele, bool drei_punkte);

// The table-position graph (235 x 110): one band per place that leads up (green, strength 50,
// 35, 20, ...), down (red, 30, 40, 50, ...) or into a knock-out competition (yellow, 30).
struct Tabelle_Band {
    int32_t y0, y1;          // rows within the graph
    uint8_t r, g, b;         // colour 0-15
    int32_t staerke;         // weight of 128 over the background
};
constexpr int32_t LT_GRAFIK_W = 235, LT_GRAFIK_H = 110;
std::vector<Tabelle_Band> Ligen_Tabelle_Baender(Wettbewerb_Id w);
// The team's place (0-based, -1 none) after each match day up to the current one.
void Ligen_Tabelle_Grafik_Daten(Wettbewerb_Id w, int32_t team, std::vector<int32_t>* plaetze);
// The graph's title line: the team's short name, the table's range of match days (1-based) and
// the competition; one match day names the table place of that day.
std::string Ligen_Tabelle_Grafik_Titel(int32_t team, int32_t von, int32_t bis, Wettbewerb_Id w);
// Point positions of the places: x step 190 / match days (at least 1), y step 88 / (teams - 1);
// fewer than two teams give no points.
struct Tabelle_Punkt {
    int32_t tag, x, y;
};
std::vector<Tabelle_Punkt> Ligen_Tabelle_Grafik_Punkte(int32_t teams, int32_t spieltage, const std::vector<int32_t>& plaetze);
// Bands, points and the lines joining them into the bitmap at (x, y).
struct Rastport;
void Ligen_Tabelle_Grafik_Malen(Rastport* ziel, int32_t x, int32_t y, Wettbewerb_Id w, const std::vector<int32_t>& plaetze);
// The panes of the tables screen: their texts in the content's coordinates (y the base line; a
// cell with `bilder` draws that many points-gap marks instead), the club names' hit areas, the
// header line and the content's height. Built from the acting manager's choices.
// The match-day label over the fixtures: the name of a knock-out round ("Finale", "2. Runde",
// ...), else "%d. Spieltag" with the chain's match day.
std::string Ligen_Tabelle_Spieltag_Text(Wettbewerb_Id runde, int32_t tag_in_runde, int32_t spieltag);
// The place and name columns of a table row (from the row's x): the places end right-aligned at
// `platz_ende`, the names start at `name_x` and are at most `name_breite` wide before the games.
struct Ligen_Tabelle_Spalten {
    int32_t platz_ende, name_x, name_breite;
};
Ligen_Tabelle_Spalten Ligen_Tabelle_Platz_Spalten(int32_t plaetze, bool zwei);
struct Ligen_Tabelle_Zelle {
    int32_t x, y;
    uint16_t farbe;
    int32_t font;
    std::string text;
    int32_t bilder = 0;
};
// A club name's hit area (team), or a result's (team -1): its fixture block and (day x 256 +
// slot) for the match's information menu, and whether it was played.
struct Ligen_Tabelle_Treffer {
    int32_t team, x, y, w, h;
    int32_t block = -1, kennung = -1;
    bool gespielt = false;
    // A whole row of the club view (team the opponent): from ergebnis_x on it is the result,
    // whose click shows the match's calendar day (-1 unscheduled) in the magnifier.
    bool zeile = false;
    int32_t ergebnis_x = 0, kalendertag = -1;
};
// Icon numbers for the fixtures' hit areas (2640-2700).
constexpr int32_t LT_PAARUNGEN_TREFFER = 61;
struct Ligen_Tabelle_Inhalt {
    std::string kopf;
    std::vector<Ligen_Tabelle_Zelle> zellen;
    std::vector<Ligen_Tabelle_Treffer> treffer;
    int32_t laenge = 0;
    int32_t zeile = 0;  // row height of a list that shows whole rows only, else 0
};
// The fixtures (breit: the wide layout, pairings in two columns) and the table.
void Ligen_Tabelle_Paarungen_Inhalt(Ligen_Tabelle_Inhalt* p, bool breit);
void Ligen_Tabelle_Tabelle_Inhalt(Ligen_Tabelle_Inhalt* p);
// The next build of the tables screen follows the day: the competition of the acting manager's
// match and its next match day, the table up to the current one.
void Ligen_Tabelle_Get_Wettbewerb();
// The competition whose shortcut button is on for the acting manager.
Wettbewerb_Id Ligen_Tabelle_Get_Aktiven_Wettbewerb();
// Takes the tables screen's panes off the screen.
void Ligen_Tabelle_Entfernen();
// Puts the tables screen (sub-menu 2502, fixtures only 2504) and the comparison (2503) into the
// sub-menu bar.
void Ligen_Tabelle_Registrieren();

// Option buttons of the table pane for the acting manager: radio groups that can be all off
// (sort keys, halves, venue), the views (one stays on), the plain toggles; then the greying.
void Ligen_Tabelle_Tabellenknopf_Klick(int32_t icon);
// Whether the table button is usable with the acting manager's view.
bool Ligen_Tabelle_Tabellenknopf_Frei(int32_t icon);
// A competition chosen elsewhere: its shortcut button goes on, or the seventh button takes it.
void Ligen_Tabelle_Kurzwahl_Setzen(Wettbewerb_Id oben);
// The first competition of every chain, each once, into `ids` (room for WETTBEWERB_ANZAHL,
// -1 filled). Returns the count.
int32_t Ligen_Tabelle_Liste_Aufbauen(int32_t* ids);
// Groups of a round (1 without groups), and its group of that index (the round itself without
// groups, the last group for an index past the end).
int32_t Ligen_Tabelle_Gruppen_Anzahl(Wettbewerb_Id runde);
Wettbewerb_Id Ligen_Tabelle_Gruppe(Wettbewerb_Id runde, int32_t index);
// The selector's competitions: the top competitions the team still takes part in, at most max.
int32_t Ligen_Tabelle_Auswahl_Fuellen(int32_t team, int32_t* ids, int32_t max);
// A reachable place's marker: its height below the graph's top on the graph's place scale.
int32_t Ligen_Tabelle_Marke_Y(int32_t platz, int32_t teams);
// Season menu entries of the history button: "Abschlußtabelle Y-1/Y" per archived year, or the
// one entry that says why there is none.
int32_t Ligen_Tabelle_Historie_Eintraege(const int32_t* jahre, int32_t anzahl, bool ko, std::string* eintraege,
                                         int32_t max);

// Tracks of the table range's knobs: the from knob on x 380..566, the to knob on x 390..576;
// each stops 8 pixels before the other, and the to knob at the current match day's place on the
// scale 1..tage. An end never lies before its start.
struct Tabelle_Von_Bis_Spuren {
    int32_t von_start, von_ende, bis_start, bis_ende;
};
constexpr int32_t LT_VON_X0 = 380, LT_VON_X1 = 566, LT_BIS_X0 = 390, LT_BIS_X1 = 576, LT_KNOPF_ABSTAND = 8;
Tabelle_Von_Bis_Spuren Ligen_Tabelle_Von_Bis_Spuren(int32_t von_x, int32_t bis_x, int32_t aktuell, int32_t tage);
// The filter button's label "nur %s", the name shortened one character at a time until the
// label measures at most `max` pixels.
std::string Ligen_Tabelle_Filter_Text(const char* name, int32_t (*breite)(const char*), int32_t max);
// A club's name as the lists show it, with its pictures (crest, camera) and the marks of the
// manager's own ("^bb^ub...^be^ue"), cut letter by letter at the end of its letters while
// `zu_lang` says the whole text or its letters are too long. Every code stays whole: a cut one
// swallowed the codes that end the bold and the underline, which then ran on in the font.
std::string Ligen_Tabelle_Namen_Kuerzen(const std::string& text,
                                        const std::function<bool(const std::string& ganz, const std::string& buchstaben)>& zu_lang);
// The same to `breite` pixels of a font, pictures included.
std::string Ligen_Tabelle_Namen_Kuerzen_Pixel(const std::string& text, int32_t font, int32_t breite);

// The option buttons' labels and help texts; the data builder draws the labels into the faces
// (`Ligen_Tabelle_Knopf_Bild`) in the screen file.
struct Ligen_Tabelle_Knopf {
    int16_t nummer;
    const char* text;
    const char* hilfe;
};
inline constexpr Ligen_Tabelle_Knopf LT_TABELLENKNOEPFE[] = {
    {2522, "Heim", "Nur Heimspiele berücksichtigen"},
    {2523, "Auswärts", "Nur Auswärtsspiele berücksichtigen"},
    {2524, "Torverhältnis", "Nach Tordifferenz sortieren"},
    {2525, "Erzielte Tore", "Nach Toren sortieren"},
    {2526, "Gegentore", "Nach Gegentoren sortieren"},
    {2527, "1. Halbzeit", "Nur 1. Halbzeit berücksichtigen"},
    {2528, "2. Halbzeit", "Nur 2. Halbzeit berücksichtigen"},
    {2529, "Aktuelle Saison", "Tabelle für die aktuelle Saison anzeigen"},
    {2530, "Ewige Tabelle", "\"Ewige\" Tabelle anzeigen"},
    {2532, "Endtabellen", "Endtabellen der vergangenen Jahre anzeigen"},
    {2566, "Sieger", "Sieger der Wettbewerbe"},
    {2531, "Tip", "Tabelle hochrechnen"},
    {2541, "Zwei Spalten", "Tabelle splitten"},
    {2542, "Details", "Detaillierte Tabelle"},
};
inline constexpr Ligen_Tabelle_Knopf LT_PAARUNGSKNOEPFE[] = {
    {2516, "Spieltag-Tip", "Spieltag-TIP anzeigen"},
    {2544, "Zwei Spalten", "Paarungen splitten"},
    {2545, "Details", "Detaillierte Paarungen"},
};
// The entry of a button table with that number, null for none.
template <size_t N>
inline const Ligen_Tabelle_Knopf* Ligen_Tabelle_Knopf_In(const Ligen_Tabelle_Knopf (&tabelle)[N], int32_t nummer)
{
    for (const Ligen_Tabelle_Knopf& k : tabelle)
        if (k.nummer == nummer) return &k;
    return nullptr;
}
// The label and help of a table or fixtures button, null for another number.
inline const Ligen_Tabelle_Knopf* Ligen_Tabelle_Knopf_Suchen(int32_t nummer)
{
    const Ligen_Tabelle_Knopf* k = Ligen_Tabelle_Knopf_In(LT_TABELLENKNOEPFE, nummer);
    return k ? k : Ligen_Tabelle_Knopf_In(LT_PAARUNGSKNOEPFE, nummer);
}
// Faces of the option buttons in the screen file from LT_BILD_KNOEPFE on, the table's buttons
// first, then the fixtures'; not under the icons' numbers, which the live scene's crowd sounds
// hold in the same file. The knobs of the match-day bar and of the table range (from, to) under
// numbers of their own. An icon names its picture as a resource code plus the number, which
// reaches the screen file only below 4000: at 6241 the faces were looked for in another file and
// every button stood without a picture.
constexpr int32_t LT_BILD_KNOEPFE = 3780;
constexpr int32_t LT_KNOPF_BREITE = 80, LT_KNOPF_HOEHE = 17;
// The face's resource number of a table or fixtures button, -1 for another number.
inline int32_t Ligen_Tabelle_Knopf_Bild(int32_t nummer)
{
    constexpr int32_t tabelle = int32_t(std::size(LT_TABELLENKNOEPFE));
    if (const Ligen_Tabelle_Knopf* k = Ligen_Tabelle_Knopf_In(LT_TABELLENKNOEPFE, nummer))
        return LT_BILD_KNOEPFE + int32_t(k - LT_TABELLENKNOEPFE);
    if (const Ligen_Tabelle_Knopf* k = Ligen_Tabelle_Knopf_In(LT_PAARUNGSKNOEPFE, nummer))
        return LT_BILD_KNOEPFE + tabelle + int32_t(k - LT_PAARUNGSKNOEPFE);
    return -1;
}
// The button whose face has that resource number, null for none.
inline const Ligen_Tabelle_Knopf* Ligen_Tabelle_Knopf_Mit_Bild(int32_t bild)
{
    for (const Ligen_Tabelle_Knopf& k : LT_TABELLENKNOEPFE)
        if (Ligen_Tabelle_Knopf_Bild(k.nummer) == bild) return &k;
    for (const Ligen_Tabelle_Knopf& k : LT_PAARUNGSKNOEPFE)
        if (Ligen_Tabelle_Knopf_Bild(k.nummer) == bild) return &k;
    return nullptr;
}
// The fixtures' three toggles stand one above the other beside the shortcuts: lower faces.
constexpr int32_t LT_PAARUNGSKNOPF_HOEHE = 14;
inline int32_t Ligen_Tabelle_Knopf_Hoehe(int32_t nummer)
{
    return Ligen_Tabelle_Knopf_In(LT_PAARUNGSKNOEPFE, nummer) ? LT_PAARUNGSKNOPF_HOEHE : LT_KNOPF_HOEHE;
}
constexpr int32_t LT_BILD_TAGKNOPF = 2590, LT_BILD_VONKNOPF = 2591, LT_BILD_BISKNOPF = 2592;
constexpr int32_t LT_TAGKNOPF_BREITE = 16, LT_TAGKNOPF_HOEHE = 9, LT_BEREICHKNOPF_BREITE = 8, LT_BEREICHKNOPF_HOEHE = 8;

// Icons of the screen's settings.
enum : int32_t {
    LT_NUR_PAARUNGEN = 2504,
    LT_SPIELTAG = 2510,
    LT_GRUPPE = 2565,
    LT_FILTER = 2517,
    LT_VON = 2520,
    LT_BIS = 2521,
    LT_HEIM = 2522,
    LT_AUSWAERTS = 2523,
    LT_TORDIFFERENZ = 2524,
    LT_TORE = 2525,
    LT_GEGENTORE = 2526,
    LT_HALBZEIT_1 = 2527,
    LT_HALBZEIT_2 = 2528,
    LT_AKTUELL = 2529,
    LT_EWIG = 2530,
    LT_TIP = 2531,
    LT_HISTORIE = 2532,
    LT_KURZWAHL = 2533,  // 2533-2539, words 1690-1696
    LT_KURZWAHL_WORT = 1690,
    LT_SPALTEN = 2541,
    LT_DETAILS = 2542,
    LT_SIEGER = 2566,
    LT_SPIELTAG_BALKEN = 2509,
    LT_PAARUNGEN_BREIT = 2544,
    LT_PAARUNGEN_DETAILS = 2545,
    LT_PAARUNGEN_TIP = 2516,
    LT_FOLGEN = 2550,
    LT_HINSPIEL = 2568,
    LT_RUECKSPIEL = 2567,
};
constexpr int32_t LT_KURZWAHL_ANZAHL = 7;

// Where the screen's head icons stand: the match-day label, the club filter, the seven
// shortcuts, the fixtures' toggles, the fixtures' header with its leg-date buttons, and in the
// narrow layout the selector, the graph and the range knobs' band. None covers another.
struct Ligen_Tabelle_Platz {
    int32_t nummer, x, y, w, h;
};
std::vector<Ligen_Tabelle_Platz> Ligen_Tabelle_Kopf_Plaetze(bool breit, bool nur_paarungen, bool rueckspiele);
// Rows of the table pane, gap rows included.
constexpr int32_t LT_ZEILEN_MAX = 130;

// The leg-date buttons over the fixtures: true when the chosen round plays two legs a pairing.
bool Ligen_Tabelle_Hat_Rueckspiele();
// The calendar day of the chosen match day's first leg (LT_HINSPIEL) or second leg
// (LT_RUECKSPIEL), -1 when it is not scheduled; and the button's text, the short date after
// "H: " or "R: " in a two-legged round ("" without a day).
int32_t Ligen_Tabelle_Termin_Tag(int32_t icon);
std::string Ligen_Tabelle_Termin_Texte(int32_t icon);
// The magnifier on a calendar day, when it is switched on; an unscheduled day (-1) shows nothing.
void Ligen_Tabelle_Kalender_Anzeigen(int32_t kalendertag);
