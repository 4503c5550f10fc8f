// The line-up and tactics screen: the position grid and its mapping to the screen, the drops and
// clicks as rules that need no icon, the list sources and the list values a client fetches.
#pragma once
#include <cstdint>

// The grid: 27 rows (along, from the own goal line) by 17 columns (across); cell = along * 17 +
// across, 459 no cell.
constexpr int32_t RASTER_ZEILEN = 27;
constexpr int32_t RASTER_SPALTEN = 17;
constexpr int32_t RASTER_KEINE_ZELLE = 459;

// Manager icons of the screen.
enum : int32_t {
    SE_SATZ_A = 1288, SE_SATZ_B = 1289, SE_FIGUREN = 1290, SE_DEFENSIV = 1291, SE_OFFENSIV = 1292,
    SE_RAUM_SPIELER = 1295, SE_KOEPFE = 1302, SE_AUFSTELLUNG_1 = 1271,
};

// Applies the acting club's line-up tactics when a manager's turn begins.
void Spieler_Einsetzen_Taktik_Anwenden(int32_t modus);
// Shows the acting club's new commitment figure (team field 152) on the tactics screen's
// control, when the screen is open.
void Spieler_Einsetzen_Einsatz_Refresh(int32_t wert);
// Test hook: sees every refresh.
using Spieler_Einsetzen_Refresh_Beobachter = void (*)(int32_t wert);
void Spieler_Einsetzen_Set_Refresh_Beobachter(Spieler_Einsetzen_Refresh_Beobachter beobachter);
// The line-up set in use (0 "A", 1 "B"), an offset from team field 170.
int32_t Spieler_Einsetzen_Get_Modus(int32_t team);
// Proposes a line-up for the acting club by its line-up assistant.
void Spieler_Einsetzen_Aufstellung_Vorschlagen(int32_t team, int32_t modus, int32_t flags);

// A screen point on the drawn pitch becomes a grid position in place: *x the across, *y the along.
void Spieler_Interne_Pos_Aus_Screenpos(int32_t* x, int32_t* y);
// A grid position to the screen: mode 1 the big pitch, mode 0 the small pitch of the search.
void Spieler_Einsetzen_Raster_Zu_Screen(int32_t modus, int32_t zeile, int32_t spalte, int32_t team, int32_t spnr,
                                        int32_t* x, int32_t* y);
// Where a figure stands: the bench (counting on *bank_index), the goal or its cell.
void Spieler_Einsetzen_Figur_Platzieren(int32_t zelle, int32_t team, int32_t spnr, int32_t* bank_index, int32_t* x,
                                        int32_t* y);
// The club's on-pitch player whose figure is at the point, -1 none.
int32_t Spieler_Einsetzen_Figur_An_Punkt(int32_t team, int32_t x, int32_t y);
// The cell a player shows in the current mode (313 DEFENSIV, 314 OFFENSIV, else 310).
int32_t Spieler_Einsetzen_Gezeigte_Zelle(int32_t team, int32_t spnr);

// A dragged player (of `team`) dropped at a screen point: bench, goal, figure, free pitch spot or
// outside. True when the line-up changed.
bool Spieler_Einsetzen_Drop(int32_t team, int32_t spnr, int32_t x, int32_t y);
// Two own players exchange their places; false with the message when refused.
bool Spieler_Einsetzen_Tauschen(int32_t a, int32_t b);
// An own player marks a player of the other club (or stands on his mirrored cell).
bool Spieler_Einsetzen_Manndeckung(int32_t eigener, int32_t fremder);
// Moves an own player's room by whole cells, cut at the grid's edges.
bool Spieler_Einsetzen_Raum_Verschieben(int32_t spnr, int32_t d_zeile, int32_t d_spalte);
// A handle of the edited room dragged to a cell: 0 first corner (low along, low across), 1 second
// corner (high, high), 2 (low along, high across), 3 (high along, low across), 4 the defensive and
// 5 the offensive position.
bool Spieler_Einsetzen_Raum_Griff(int32_t spnr, int32_t griff, int32_t zeile, int32_t spalte);
// A left click on the pitch without drag: chooses or ends the room edit.
void Spieler_Einsetzen_Spielfeld_Klick(int32_t x, int32_t y);
// The DEFENSIV (1291) or OFFENSIV (1292) button clicked.
void Spieler_Einsetzen_Modus_Klick(int32_t icon);
// The hand-made line-up leaves its stored line-up.
void Spieler_Einsetzen_Aufstellung_Loesen();
// A player dropped on an individual-training kind 0..16.
bool Spieler_Einsetzen_Einzeltraining_Setzen(int32_t team, int32_t spnr, int32_t art);

// The teams of a list (0 own, 1 the shown club, 2 the chosen sources) marked in teams[Team_Anzahl].
int32_t Spieler_Einsetzen_Get_Teamliste(int32_t liste, uint8_t* teams);
// The colour values of a list's entries into werte[500], the rest up to 500 cleared.
void Spieler_Einsetzen_Server_Send_Scrollscreen_Data(int32_t liste, int32_t a, int32_t b, int32_t c, int32_t d,
                                                     int32_t anzahl, int32_t* werte, const uint16_t* teams,
                                                     const uint16_t* spieler);
// The same, through remote call 75 on a remote client.
void Spieler_Einsetzen_Scrollscreen_Werte_Holen(int32_t liste, int32_t a, int32_t b, int32_t c, int32_t d,
                                                int32_t anzahl, int32_t* werte, const uint16_t* teams,
                                                const uint16_t* spieler);
// Plugs the server's handler of call 75 into the remote-call registry.
void Spieler_Einsetzen_Fern_Registrieren();

// A line-up from outside (a client's send-back, a savegame) before it is taken: at most 11 on the
// pitch with one goalkeeper, 5 on the bench, never both, nobody unavailable in, cells on the grid
// or 459, the eleven's field players marking field players of the other club. One entry per player.
struct Spieler_Aufstellung_Eintrag {
    int32_t spnr;
    uint32_t flags;
    int32_t zellen[5];  // 310..314
    int32_t deckt;      // 316
};
bool Spieler_Einsetzen_Aufstellung_Pruefen(int32_t team, int32_t gegner, const Spieler_Aufstellung_Eintrag* e,
                                           int32_t anzahl);
// Test hook: answers the check in its place.
using Spieler_Einsetzen_Pruef_Hook = bool (*)(int32_t team, int32_t gegner, const Spieler_Aufstellung_Eintrag* e,
                                              int32_t anzahl);
void Spieler_Einsetzen_Set_Pruef_Hook(Spieler_Einsetzen_Pruef_Hook hook);

// Set once the two notices of the DEFENSIV and OFFENSIV modes have been shown.
extern uint8_t Spieler_Screen_Hinweis_Gezeigt;
