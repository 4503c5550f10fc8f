// The player comparison: up to seven competitions, match-day and minute ranges, position groups,
// one club or the managers' clubs, and one of 43 criteria; the best 99 players of the teams of
// those competitions, collected where the game world lives (request 60 from a client).
//
// Request 60 "vwccwC4wI512wwwwcI4I4I4W<198W<198I<396I<396I<396I<396": kind, line-up only,
// manager clubs only, club (-1 none), 4 group bytes, competition count, 128 ids, first and last
// minute, first and last match day, descending; out: icons per row, rows, value mode, 99 players,
// 99 teams, four times 99 values. Request block 612 bytes, reply block 2596.
#pragma once
#include <cstdint>
#include <string>

struct Menue_Icon;
struct Menue_Kontextmenue;

constexpr int32_t VERGLEICH_ZEILEN = 99;
constexpr int32_t VERGLEICH_WETTBEWERBE = 7;
constexpr const char* VERGLEICH_FORMAT = "vwccwC4wI512wwwwcI4I4I4W<198W<198I<396I<396I<396I<396";

// One criterion: its stored value (datum of 1713), the collector's kind, the list header's tab
// and title, the value column's format and the caption.
struct Spielervergleich_Kriterium {
    int32_t wert, art;
    const char* tab;
    const char* titel;
    const char* format;
    const char* ueberschrift;
    const char* menue;  // its entry in the sort menu (or sub-menu)
};
// The criterion of a stored value; null for another value.
const Spielervergleich_Kriterium* Spieler_Spielervergleich_Kriterium(int32_t wert);
// The list header of a criterion ("^ubSpieler^ue^tl0107^ubVerein^ue..."); a static buffer.
const char* Spieler_Spielervergleich_Kopfzeile(int32_t wert);
// The sort key of a player's value: money scaled down, a second value behind the first
// (x 1000), then x players + player number so that equal values rank by number. 64 bits wide:
// a big world passes 2^31 there.
int64_t Spieler_Spielervergleich_Schluessel(int32_t art, int64_t wert, int32_t zweiter, int32_t spnr, int32_t spieler);
// Ascending for age, contract length and marks.
bool Spieler_Spielervergleich_Aufsteigend(int32_t art);

// The collected rows.
struct Spielervergleich_Ergebnis {
    int32_t icons_pro_zeile = 3, zeilen = 0, wertmodus = -1;
    uint16_t spieler[VERGLEICH_ZEILEN] = {};
    uint16_t teams[VERGLEICH_ZEILEN] = {};
    int32_t wert[4][VERGLEICH_ZEILEN] = {};
};
// The collector (server side). Groups: four flags, goalkeepers .. forwards. Minutes and match
// days are 1-based and inclusive (-1: no bound); counts, ids, bounds and kinds are checked here.
int32_t Spieler_Spielervergleich_Spieler_Sammeln(int32_t art, bool nur_manager, bool nur_elf, int32_t verein,
                                                 const uint8_t gruppen[4], int32_t anzahl, const int32_t* wettbewerbe,
                                                 int32_t erste_minute, int32_t letzte_minute, int32_t erster_tag,
                                                 int32_t letzter_tag, bool aufsteigend, Spielervergleich_Ergebnis* aus);
// The rows for the acting manager's switches: collected locally, or by request 60 on a client.
// False on a PC that only serves.
bool Spieler_Spielervergleich_Daten_Holen(Spielervergleich_Ergebnis* aus);
// Registers the server's handler of request 60.
void Spieler_Spielervergleich_Fern_Registrieren();

// Switches 1671-1677 and 1712 (the rules of the groups and of club against managers' clubs).
int32_t Spieler_Spielervergleich_Knopf_Klick(Menue_Icon* icon, uint32_t flags);
void Spieler_Spielervergleich_Schalten(int32_t icon);
// A competition button 1690-1696: one always stays on.
int32_t Spieler_Spielervergleich_Wettbewerb_Klick(Menue_Icon* icon, uint32_t flags);
void Spieler_Spielervergleich_Wettbewerb_Schalten(int32_t icon);
// The chosen competitions (buttons on), at most seven; the count.
int32_t Spieler_Spielervergleich_Wettbewerbe(int32_t ids[VERGLEICH_WETTBEWERBE]);
// The longest match of the chosen competitions: 90 unless exactly one is chosen.
int32_t Spieler_Spielervergleich_Max_Spielminute();
// The match-day bar: its range, whether it can be used and its help text.
struct Spielervergleich_Spieltage {
    int32_t min, max, start;
    bool aktiv;
    const char* hilfe;
};
Spielervergleich_Spieltage Spieler_Spielervergleich_Spieltag_Bereich();
// The minute and match-day handles (1698, 1699, 1701, 1702): their value (the range's ends when
// never set), and a new value, clamped to the range, the other handle pushed along.
int32_t Spieler_Spielervergleich_Bereich_Wert(int32_t icon);
void Spieler_Spielervergleich_Bereich_Setzen(int32_t icon, int32_t wert);
// The handles are dragged on a track from y 232 to 436 (their tops), the range's top at the top:
// a handle's top to its value in 1..hoch and back.
constexpr int32_t VERGLEICH_SPUR_OBEN = 232, VERGLEICH_SPUR_UNTEN = 436;
int32_t Spieler_Spielervergleich_Griff_Wert(int32_t y, int32_t hoch);
int32_t Spieler_Spielervergleich_Griff_Y(int32_t wert, int32_t hoch);
// A club chosen in the club menu (-1: none).
void Spieler_Spielervergleich_Verein_Setzen(int32_t team);
// A criterion chosen in the sort menu.
void Spieler_Spielervergleich_Kriterium_Setzen(int32_t wert);

// Fills the seven competition buttons of the club's manager: the club's competitions first.
void Spieler_Spielervergleich_Pokale_Den_Icons_Zuordnen(int32_t team);
// Test hook: sees every assignment.
using Spielervergleich_Pokale_Beobachter = void (*)(int32_t team);
void Spielervergleich_Set_Pokale_Beobachter(Spielervergleich_Pokale_Beobachter beobachter);
// Places the seven buttons at x + 33 i, y (-1: where they stand) with their competitions' names.
void Spieler_Spielervergleich_Icons_Positionieren(int32_t x, int32_t y);
Menue_Icon* Spieler_Spielervergleich_Wettbewerb_Icons();
// A competition button's label in `font` within `breite` pixels: the name where it fits, else a
// short form that keeps what tells two names apart ("England 2. Liga": the country's first
// letters, the number, the initial: "Eng2L"), cut to the width.
void Spieler_Spielervergleich_Knopf_Text(const char* name, int32_t font, int32_t breite, char* aus, uint32_t groesse);
// The font of a button's label: `font`, or the condensed one where it holds a single word that
// `font` would cut.
int32_t Spieler_Spielervergleich_Knopf_Font(const char* name, int32_t font, int32_t breite);
// The label of button i beside the other buttons' names (null or empty: none) and its font: as
// above, but a single word cut to what reads as another button's label takes the initials of its
// parts ("Pokalsiegerpokal" beside "Pokal": "PSP").
std::string Spieler_Spielervergleich_Knopf_Beschriftung(const char* const* namen, int32_t anzahl, int32_t i, int32_t font,
                                                        int32_t breite, int32_t* font_aus);

// A manager's first visit: the buttons get their competitions, the first is on, "Alle
// einbeziehen" follows the groups, the criterion "Tore insgesamt".
void Spieler_Spielervergleich_Vorbelegen();
// The screen (switch button 801) and its list.
int32_t Spieler_Spielervergleich_Oeffnen(Menue_Icon* icon, uint32_t flags);
void Spieler_Spielervergleich_Scrollscreen_Bauen();
// The row texts of the last build: name, club and value column.
struct Spielervergleich_Zeile {
    char name[80], verein[48], wert[120], hilfe[160];
};
int32_t Spieler_Spielervergleich_Zeilen(const Spielervergleich_Zeile** zeilen);
void Spieler_Spielervergleich_Registrieren();
// The title pictures 1226 and 1228, centred, for the start-screen table.
void Spieler_Spielervergleich_Titelbild();
void Spieler_Spielervergleich_Titelbild_2();
