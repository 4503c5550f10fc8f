// The main menu's services: the four main-group buttons (704-707) with their frame colours,
// the info panels of the two clubs (701/702), the strength comparison bars (714-716) and the
// chat icon (762).
#pragma once
#include <cstdint>
#include <string>

struct Menue_Icon;

// The screen procedures of groups 704, 705 and 707 (706 is the sub-menu bar); the screens'
// modules put theirs here (null: none).
extern int32_t (*Menue_Gruppen_Screens[4])(Menue_Icon* icon, uint32_t flags);
// The frame colour of the group chosen last (a pixel value).
extern uint32_t Menue_Rahmenfarbe;

int32_t Menue_Hauptgruppe_Klick(Menue_Icon* icon, uint32_t flags);
// The group buttons 704-707 sit in the right-hand column below the rows where a group shows its
// sub-buttons, one above the other.
constexpr int16_t MENUE_GRUPPE_Y = 240, MENUE_GRUPPE_H = 22, MENUE_GRUPPE_ABSTAND = 24;
// The rows of the right-hand column that hold the open group's sub-buttons.
constexpr int32_t MENUE_SPALTE_X = 599, MENUE_SPALTE_OBEN = 86, MENUE_SPALTE_UNTEN = 239;
// Refresh procedure of the group buttons: the group's label on its colour, bright while open.
int32_t Menue_Gruppe_Zeichnen(Menue_Icon* icon, uint32_t wert);
// Click procedure of MENUE (703): closes the open group and its screen; the menu's own screen
// (the empty pitch) shows.
int32_t Menue_Menue_Klick(Menue_Icon* icon, uint32_t flags);
// Takes every sub-button out of the column's rows and draws the background there; the icons of
// `behalten` (a list ended by -1, may be null) that were on screen stay.
void Menue_Spalte_Leeren(Menue_Icon* behalten);
// Takes every icon below the top bar but the base icons (scroll screens too) and draws the menu
// background there: what the screen of another group drew goes.
void Menue_Arbeitsbereich_Leeren();
// The text of the date icon (709): today's date while a game runs.
extern char Menue_Datum_Text[48];
void Menue_Datum_Setzen();
// Refresh procedure of the info panels: the own club (701) or today's opponent.
int32_t Menue_Info_Panel_Refresh(Menue_Icon* icon, uint32_t wert);
// The opponent panel's referee line in the font within the width: "Schiedsrichter: " and the
// whole name, else the first names as initials, else the surname alone, else its cut beginning.
std::string Menue_Schiedsrichter_Zeile(const char* name, int32_t font, int32_t breite);
// The own club's second line: today's competition and round, else its place in the league table
// ("3. Platz, 1. Liga", counted as the table shows it), else today's date.
std::string Menue_Info_Zweite_Zeile(int32_t team);
// The referee of the acting club's game today (on a client as the day's data name him), -1 none.
int32_t Menue_Heutiger_Schiedsrichter();
// Refresh procedure of the comparison bars: 21 segments of 3 pixels between two caps.
int32_t Menue_Staerke_Balken(Menue_Icon* icon, uint32_t wert);
// The number of filled segments for a comparison value (50 an even match).
int32_t Menue_Staerke_Segmente(int32_t wert);
// The start icon (763): its refresh procedure is the screen a menu turn starts with.
extern Menue_Icon Menue_Startliste[2];
// Adds the start icon; with nach_wahl the screen is the one of the acting manager's chosen main
// group and item, else none (the menu screen itself).
void Menue_Startscreen_Setzen(uint8_t nach_wahl);
void Menue_Startliste_Entfernen();
// The club popup of the icon's club (tag 1) while a game is under way, else null.
struct Menue_Kontextmenue;
Menue_Kontextmenue* Menue_Team_Kontextmenue(Menue_Icon* icon);
// The text of the series info icon (708): the view's default text, then on each call the next
// series of the acting club with a length of at least 2. Flag: 0 home, 1 away, 2 both; with
// 4 the league alone (" (Liga)").
void Menue_Serien_Info(int32_t flag);
extern char Menue_Serien_Text[96];
// True when the main menu's base icon 701 is on screen.
bool Menue_Basis_Vorhanden();
// Each pass of the main menu (no modal level open): moves the series info on with the view
// `flag` gave last; unless the pointer is on a base icon, takes `flag` for the next pass, closes
// the help bubble and glow left in the panels' top strip and redraws the club panels.
void Menue_Basisicons_Pruefen(int32_t flag);
void Menue_Chat_Icon_Markieren(uint8_t an);
void Menue_Chat_Oeffnen();
// Click procedure of the chat icon: the chat in a network game.
int32_t Menue_Chat_Klick(Menue_Icon* icon, uint32_t flags);
