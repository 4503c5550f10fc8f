// Crests and club headers that the statistics screens draw and the toolkit borrows: the
// requester's crest icons, the help bubble's club form, the league name of a club and the 0/1
// mask of a picture.
#pragma once
#include <cstdint>

struct Menue_Icon;
struct Rastport;

// The one crest routine: draws the picture (taken over and freed) into the icon's bitmap (the
// screen at the icon's place when it has none), after dark one-colour copies 1 to 3 pixels down
// and right as its shadow. The picture is loaded at the icon's size less 3. 1 when drawn.
int32_t Statistik_Wappen_Bild_Zeichnen(Menue_Icon* icon, Rastport* wappen);
// Refresh procedure: the crest of the club in the icon's tag 1 into the icon's bitmap.
int32_t Statistik_Wappen_Zeichnen(Menue_Icon* icon, uint32_t wert);
// Refresh procedure: the crest of the manager of the club in the icon's tag 1 (the acting club).
int32_t Statistik_Manager_Wappen_Zeichnen(Menue_Icon* icon, uint32_t wert);
// A club's info header (crest, name, table place) into the top of the bitmap, offset (x, y).
void Team_Platz_Info_Zeichnen(Rastport* bitmap, int32_t team, int32_t x, int32_t y);
// The display name of the club's league (", Amat." for an amateur club), or of its nation when
// it plays in no league (", Amateur"); a static buffer, overwritten by the next call.
const char* Team_Liga_Name(int32_t team);
// The club's crest scaled to w x h (-1: the icon's size) at (x, y) of the target (null: the
// icon's bitmap). Nothing for team -1 while no game is under way.
void Ligen_Wappen_Zeichnen(Menue_Icon* icon, Rastport* ziel, int32_t team, int32_t x, int32_t y, int32_t w,
                           int32_t h);
// Draw procedure of the screen frame's crest icons, once a game is under way: the crest of the
// club in tag 1 into the icon's bitmap (27 x 34 framed at (6, 3) when tag 2 is not -1, else
// 40 x 40) and its soft shadow onto the page behind the icon, restored from the menu background
// first. 1 when drawn.
int32_t Rahmen_Wappen_Zeichnen(Menue_Icon* icon, uint32_t wert);
// A 16-bit picture's mask of the same size: 1 for every non-zero pixel, 0 else. Other depths
// and a mask of another size are left alone.
void Ligen_Bild_Maske_Erzeugen(const Rastport* bild, Rastport* maske);
