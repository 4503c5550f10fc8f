// The team information screen's computations: chart points, the league label of the player
// screens and the walk to the previous or next club.
#pragma once
#include <cstdint>

// Screen positions of the chart points of `anzahl` values inside the rectangle (swapped corners
// are put right). The range is the values' own unless a fixed minimum or maximum (not -1) is
// given; the scales grow or shrink by a tenth until they fit and stay within the largest steps.
// Without the invert flag a larger value lies lower. False for missing arrays or no values.
bool Statistik_Graph_Punkte(const int32_t* werte, int32_t anzahl, int32_t* x, int32_t* y, int32_t links,
                            int32_t oben, int32_t rechts, int32_t unten, int32_t schritt_x, int32_t schritt_y,
                            int32_t minimum, int32_t maximum, int32_t umkehren);

// Room a league label needs.
constexpr int32_t STATISTIK_LIGA_TEXT_LAENGE = 160;
// The club's mean strength (fitness, intelligence, technique of its eleven) x skala / 11; with a
// buffer (STATISTIK_LIGA_TEXT_LAENGE bytes) also its league's name or "Keine Liga" and, for a
// skala other than 0, the three parts and their mean.
int32_t Statistik_Liga_Text(char* text, int32_t maske, int32_t skala, int32_t team);

// The club before (richtung < 0) or after the given one in the list, wrapping at the ends and
// skipping clubs that are not normal. After one turn without a normal club the club stays.
int32_t Statistik_Teaminfo_Nachbar(const int32_t* teams, int32_t anzahl, int32_t team, int32_t richtung);

// The screen's icons: frame, crest, options, the 14 page buttons, previous/next and leave.
enum : int32_t {
    TI_RAHMEN = 1165, TI_WAPPEN = 1148, TI_MANAGER = 1149, TI_WETTBEWERB = 1150, TI_MOEGLICH = 1161,
    TI_PROGNOSE = 1162, TI_NUR_HEIM = 1157, TI_NUR_AUSWAERTS = 1158, TI_LIGA = 1159, TI_ERSTE_SEITE = 1166,
    TI_LETZTE_SEITE = 1179, TI_ZURUECK = 1212, TI_VOR = 1213, TI_FERTIG = 1138, TI_MARKE = 1214,
};
constexpr int32_t TI_SEITEN = TI_LETZTE_SEITE - TI_ERSTE_SEITE + 1;

// The faces of the screen's buttons in the screen file under their icons' numbers (the page
// buttons with a small drawing of their subject), and the frame's picture.
struct Teaminfo_Knopf {
    int16_t nummer, breite, hoehe;
    const char* text;
};
inline constexpr Teaminfo_Knopf TI_KNOEPFE[] = {
    {1166, 86, 20, "Fakten"},    {1167, 86, 20, "Spiele"},  {1168, 86, 20, "Historie"},   {1169, 86, 20, "Vergleich"},
    {1170, 86, 20, "Kader"},     {1171, 86, 20, "Tabelle"}, {1172, 86, 20, "Tore"},       {1173, 86, 20, "Chancen"},
    {1174, 86, 20, "Gegentore"}, {1175, 86, 20, "Geg.Chancen"}, {1176, 86, 20, "Zweikampf"}, {1177, 86, 20, "Fouls"},
    {1178, 86, 20, "Torjäger"},  {1179, 86, 20, "Karten"},  {1157, 88, 20, "Nur Heim"},   {1158, 88, 20, "Nur Auswärts"},
    {1159, 88, 20, "Wettbewerb"}, {1212, 40, 24, "<"},      {1213, 40, 24, ">"},          {1138, 88, 24, "Fertig"},
};
inline const Teaminfo_Knopf* Statistik_Teaminfo_Knopf_Suchen(int32_t nummer)
{
    for (const Teaminfo_Knopf& k : TI_KNOEPFE)
        if (k.nummer == nummer) return &k;
    return nullptr;
}
constexpr int32_t TI_RAHMEN_BREITE = 640, TI_RAHMEN_HOEHE = 435;

// Opens the screen for the club (from its context menu and the player screens). With `flag` the
// call only refreshes a screen already open.
void Statistik_Teaminfo_Zeigen(int32_t team, int32_t flag);
// As above; the chosen competition starts anew and the option switches follow the first club
// with a manager at this PC.
void Statistik_Teaminfo_Vor_Spiel(int32_t team);
int32_t Statistik_Teaminfo_Get_Team();
// The club's place (0-based) in the league's table up to the current match day, as the tables
// screen shows it; -1 without one.
int32_t Statistik_Teaminfo_Platz(int32_t team, int32_t wettbewerb);
// The comparison page's two clubs, the home club first.
void Statistik_Teaminfo_Vergleich_Teams(int32_t* heim, int32_t* gast);
// A club chosen for one side of the comparison (-1 keeps that side).
void Statistik_Teaminfo_Vergleich_Setzen(int32_t heim, int32_t gast);
void Statistik_Teaminfo_Listen_Entfernen();
void Statistik_Teaminfo_Seite_Aufbauen();
bool Statistik_Teaminfo_Ist_Offen();

// Options of the acting manager: 0 all matches, 1 home only, 2 away only; the competition
// filter (-1 all competitions).
int32_t Statistik_Teaminfo_Seiten_Option();
int32_t Statistik_Teaminfo_Wettbewerb_Option();
// A click on an option switch or a page button (the screen is rebuilt when it is open).
void Statistik_Teaminfo_Schalten(int32_t icon);
// The shown page's button (1166-1179).
int32_t Statistik_Teaminfo_Seite();
// Previous (richtung < 0) or next club of the shown club's competition.
void Statistik_Teaminfo_Blaettern(int32_t richtung);

// The strength bar's position 0..20 (10 balanced) of a comparison value (50 = even).
int32_t Statistik_Teaminfo_Balken(int32_t wert);
// "Bisherige Bilanz: ..." of wins, draws and losses, into a buffer of `n` bytes.
void Statistik_Teaminfo_Bilanz_Text(char* text, int32_t n, int32_t siege, int32_t unentschieden, int32_t niederlagen);
// The six minute ranges 1-15 .. 76-90 summed from per-minute values (index = minute).
void Statistik_Teaminfo_Minuten_Summen(const int32_t* pro_minute, int32_t summen[6]);

// The history page's placings: oldest first, ten to a column.
struct Teaminfo_Platzierung {
    int32_t jahr, wettbewerb, platz, punkte, minuspunkte, tore, gegentore, spalte, zeile;
};
int32_t Statistik_Teaminfo_Platzierungen(int32_t team, Teaminfo_Platzierung* aus, int32_t max);

// One player row of the player-list pages (1176-1179), sorted by descending key.
struct Teaminfo_Spielerzeile {
    int32_t spieler;
    int32_t wert[4];
    int64_t schluessel;
};
int32_t Statistik_Teaminfo_Spielerliste(int32_t seite, int32_t team, Teaminfo_Spielerzeile* aus, int32_t max);

// The facts page's lines under the current options; the count (0: the empty text applies).
int32_t Statistik_Teaminfo_Fakten(char (*zeilen)[256], int32_t max);
// The head-to-head record of the comparison page under the competition option: wins, draws,
// losses of `heim`, and the last ten results ("%d:%d" seen from `heim`), newest last.
void Statistik_Teaminfo_Bilanz(int32_t heim, int32_t gast, int32_t wettbewerb, int32_t* siege, int32_t* unentschieden,
                               int32_t* niederlagen, char* letzte, int32_t n);
