// The line-up screen on the icon toolkit: pitch with figures and rooms, the two squads beside it,
// the tactic rows, the strength box and the stored line-up buttons. Entered from group 707.
#pragma once
#include <cstdint>
#include <vector>

struct Menue_Icon;
struct Menue_Kontextmenue;
struct Spieler_Listen_Eintrag;

// Opener of the line-up screen (switch button 804), called with the click flag.
int32_t Spieler_Einsetzen_Screen(Menue_Icon* icon, uint32_t flags);
// The screen procedure of main group 707: the switch button chosen last (804 at first) opens.
int32_t Spieler_Screens_Gruppe(Menue_Icon* icon, uint32_t flags);
// Puts the openers in place: group 707 and the line-up screen's switch button.
void Spieler_Screens_Registrieren();
// The strength box's tooltip.
const char* Spieler_Einsetzen_Staerke_Hilfe(Menue_Icon* icon);
// The commitment slider's handle: its screen y from the club's commitment (team field 152), and
// the commitment it writes when dropped at y.
int32_t Spieler_Einsetzen_Einsatz_Y();
void Spieler_Einsetzen_Einsatz_Abgelegt(int32_t y);
// After a change to a player (-1: to any): the squad list beside the pitch is drawn again when it
// shows him, and so is the other list. Nothing while the line-up screen is not up.
void Spieler_Einsetzen_Spieler_Icons_Refresh(int32_t spnr);
// The own list's five type toggles in their row above the own entries, and the entries under the
// row: kind 0 right under the list's title, kind 2 one line lower, the line between naming the
// assistant who sets the line-up. Reports a missing own list.
void Spieler_Einsetzen_Set_Own_Button_Positionen(int32_t art);
// The layout the screen takes when it is entered: 2 while an assistant has the line-up task, else 0.
int32_t Spieler_Einsetzen_Own_Button_Art();
// The list entry under the pointer's y: `oben` holds the drawn entries' tops (as the list painter
// hands them back); -1 above the first and on the "full" notice.
int32_t Spieler_Einsetzen_Liste_Eintrag(const std::vector<int32_t>& oben, const std::vector<Spieler_Listen_Eintrag>& eintraege,
                                        int32_t y);
// Opens the detail pages of the entry under y (a left click on a list); false where there is none.
bool Spieler_Einsetzen_Liste_Details(const std::vector<int32_t>& oben, const std::vector<Spieler_Listen_Eintrag>& eintraege,
                                     int32_t y);
// The player menu of the list entry under the pointer's y: `oben` holds the drawn entries' tops
// (as the list painter hands them back). Null beside the entries and on the "full" notice.
Menue_Kontextmenue* Spieler_Einsetzen_Liste_Kontext(Menue_Icon* liste, const std::vector<int32_t>& oben,
                                                    const std::vector<Spieler_Listen_Eintrag>& eintraege, int32_t y);
