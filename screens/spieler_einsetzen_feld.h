// The pitch's icons on the line-up screen: one icon per figure, which the manager drags onto the
// bench, into the goal, onto another figure or a free spot, and the six handles of the room being
// edited; the pitch's context menu.
#pragma once
#include <cstdint>

struct Menue_Icon;
struct Menue_Kontextmenue;

// Figure icons 1303..1329 and the room handles 1341..1346.
constexpr int32_t SE_FIGUR_ERSTE = 1303;
constexpr int32_t SE_GRIFF_ERSTER = 1341;

// Rebuilds the figure and handle icons from the line-up and puts them on the screen; with
// `nur_zeichnen` they are only marked for redraw.
void Spieler_Aufs_Spielfeld_Setzen(bool nur_zeichnen);
// While the mouse rests on a figure, his favourite position as a box on the pitch (drawn before
// the rooms).
struct Rastport;
void Spieler_Einsetzen_Lieblingsbox_Malen(Rastport* ziel);
// A figure in heads mode: the portrait at KOPF_W x KOPF_H from (0, 0) of the figure's bitmap with
// his back number on a tab in its top-left corner (the other club's in text colour 6).
constexpr int32_t KOPF_W = 19, KOPF_H = 22, KOPF_NUMMER_FONT = 11, KOPF_NUMMER_H = 8;
void Spieler_Einsetzen_Kopf_Zeichnen(Rastport* ziel, int32_t spnr, int32_t team);
// Takes the figure and handle icons off the screen.
void Spieler_Einsetzen_Feld_Entfernen();
// The pitch icon's place on screen is redrawn with everything on it (after a change).
void Spieler_Einsetzen_Feld_Neu_Zeichnen();
// A figure icon's drag ended with its picture's top-left corner at (x, y); a handle icon's drag
// moved its handle by (x, y) pixels. True when the line-up changed.
bool Spieler_Einsetzen_Figur_Abgelegt(Menue_Icon* icon, int32_t x, int32_t y);
bool Spieler_Einsetzen_Griff_Abgelegt(Menue_Icon* icon, int32_t dx, int32_t dy);
// The pitch's context menu "Feldspieler-Anzeige ändern:" and its item procedure.
Menue_Kontextmenue* Spieler_Einsetzen_Feld_Menue(Menue_Icon* icon);
uint8_t Spieler_Einsetzen_Feld_Menue_Gewaehlt(int32_t eintrag, int32_t wert_c, int32_t wert_a, int32_t wert_b);
