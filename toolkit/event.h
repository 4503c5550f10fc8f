// The event step: one poll of pointer, buttons and wheel, the icon under the pointer among all
// icons on screen, and at most one action (a click, a context menu, a drag step, a drop, a new
// current icon, the end of the menu's time). It never waits for input; the caller loops.
//
// Results: 0 nothing (or a drag started or moved), 1 the current icon was left, a drop ended, a
// rocker repeated or a scroll bar was clicked, 2 a click procedure or a context menu ran, -1
// leave the menu, -2 the clicked icon vanished or the modal right click fired.
#pragma once
#include <cstdint>

#include "toolkit/icon.h"

struct Rastport;

// Click flags.
enum : uint32_t {
    KLICK_LINKS = 4,
    KLICK_RECHTS = 8,
    KLICK_MARKE = 0x20000000,
};

constexpr int32_t MENUE_WEITER_ICON = 723;

// The step's state.
extern Menue_Icon* Menue_Aktuelles_Icon;
extern Menue_Icon* Menue_Gezogenes_Icon;
extern Rastport* Menue_Zieh_Bild;
extern Rastport* Menue_Zieh_Hintergrund;
extern int32_t Menue_Zieh_Versatz[2];
extern int32_t Menue_Letzte_Mauspos[2];
extern uint8_t Menue_Modal_Aktiv;
extern int32_t Menue_Hover_Rechteck[4];
extern uint8_t Menue_Hilfe_Status;
extern int32_t Menue_Glow_Stufe;
extern uint32_t Menue_Rad_Zeit;
extern uint32_t Menue_Zeitlimit;
extern uint32_t Menue_Startzeit;
extern int32_t Menue_Wippe_Verzoegerung;
extern int32_t Menue_Wippe_Schritt;

// With the re-enter flag set: enters the acting team's turn again and returns 1. Otherwise
// refreshes first when `refresh` is non-zero, then runs Menue_Icons_Check(icon_nr).
int8_t Menue_Event_Schritt(uint8_t refresh, int32_t icon_nr);
// icon_nr -1 is the normal call; another number clicks that registered icon (keyboard).
int8_t Menue_Icons_Check(int32_t icon_nr);
// One of the icons on screen at random, null when there is none.
Menue_Icon* Menue_Zufalls_Icon();
// Leaves the current icon and forgets it, the dragged icon and the drag images; false (and
// nothing done) inside a modal layer.
bool Menue_Maus_Status_Loeschen();
// Leaves the current icon: help bubble closed, glow ended, mouse-over info ended.
void Menue_Icon_Verlassen();
// The last clicked icon's click procedure once more with the same flags, while it is on screen.
void Menue_Icon_Prozedur_Nachholen();
// The pointer shape the last step chose (pointer numbers of the pointer images).
int32_t Menue_Zeiger_Form();
