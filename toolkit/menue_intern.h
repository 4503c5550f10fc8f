// Inside the toolkit only: the icon state that the icon, refresh and event modules share. The
// walks of the refresh and the event step read the priority lists directly, as they run many
// thousand times a second.
#pragma once
#include <vector>
#include <cstdint>

#include "toolkit/dienste.h"
#include "toolkit/icon.h"

struct Menue_Icon_Zustand {
    Menue_Icon* slot[MENUE_PRIORITAETEN][MENUE_PRIORITAET_SLOTS];
    int32_t frei[MENUE_PRIORITAETEN];       // where the next icon of the priority goes
    // The highest slot that may hold an icon (every slot above it is empty); the walks of every
    // pass start there. Emptying the top slot lowers it to the next one in use.
    int32_t hoechster[MENUE_PRIORITAETEN];
    // Counts every filling and emptying of a slot: a walk that keeps what it learnt of the
    // slots (which priorities hold an icon) sees by it that the lists changed under it.
    uint32_t stand;
    uint8_t vorhanden[ANZ_SCREEN_ICONS];
    Menue_Register_Eintrag reg[ANZ_SCREEN_ICONS];
    // The registry entries that may hold something (a record, a bitmap, a background), in
    // ascending order and each once, so that the walks of every turn visit only these: an entry
    // is filed (Menue_Register_Merken) wherever one of the three is set, and leaves when a walk
    // finds it empty.
    std::vector<int16_t> belegt;
    uint8_t gemerkt[ANZ_SCREEN_ICONS];
    int8_t modal_tiefe;
    uint8_t abgedunkelt;                    // the next layer dims the screen again
};
extern Menue_Icon_Zustand Menue_Icons;

inline bool Menue_Nummer_Gueltig(int32_t nummer) { return nummer >= 0 && nummer < ANZ_SCREEN_ICONS; }

// Takes the icon out of slot s of priority p; the slot is the next one filled.
inline void Menue_Slot_Raeumen(int32_t p, int32_t s)
{
    Menue_Icons.slot[p][s] = nullptr;
    Menue_Icons.frei[p] = s;
    ++Menue_Icons.stand;
    int32_t& h = Menue_Icons.hoechster[p];
    while (h > 0 && !Menue_Icons.slot[p][h]) --h;
}

// Files a valid registry entry among those that may hold something.
void Menue_Register_Merken(int32_t nummer);
// Frees the background of every registry entry and marks none as saved.
void Menue_Register_Hintergruende_Freigeben();

// Icons whose bitmap is a slave rastport rather than one of their own.
inline bool Menue_Ist_Slave_Icon(const Menue_Icon* icon)
{
    return (icon->flags & (ICON_SLAVE | ICON_SLAVE_FEST)) != 0;
}

// The UI colour entry an icon's picture is blended with, null for none. An own-bitmap icon's
// colour index is its face colour, and a few indices are plain text colours.
const UI_Farbe* Menue_Icon_Hervorhebung(const Menue_Icon* icon);

// Whole screen for full-screen layers, else the icon's own rectangle.
void Menue_Icon_Flaeche(const Menue_Icon* icon, int32_t* x, int32_t* y, int32_t* w, int32_t* h);

// Clears every reference to a bitmap that is about to be freed: registry bitmaps, the records
// registered and the records on screen.
void Menue_Bitmap_Vergessen(const Rastport* bitmap);
// The same for every bitmap of a list sorted by address, in one walk.
void Menue_Bitmaps_Vergessen(const std::vector<const Rastport*>& sortiert);
// Clears the priority lists, their counters and the presence bytes.
void Menue_Prioritaeten_Leeren();

// The event step's part of removing an icon: a removed current icon is left and forgotten.
void Menue_Event_Icon_Entfernt(Menue_Icon* icon);

// The soft blur of the modal backgrounds and the glass faces: a 3 x 3 box mean of a 15/16-bit
// bitmap, `durchgaenge` times; a mean of 0 becomes 1, so that nothing turns transparent.
void Menue_Weichzeichnen(Rastport* rp, int durchgaenge);

// Prints a text part chain or a value text (the parts of Menue_Icon_Blit after the bitmap).
void Menue_Icon_Texte_Zeichnen(Menue_Icon* icon, Rastport* ziel, int32_t x, int32_t y);

// The current toggle state of an icon for the acting manager (0 without one).
uint32_t Menue_Knopf_Zustand(int32_t nummer);

// A picture of the resource file `handle` as Load_Resource gives it (the render target's depth),
// to be freed by the caller. The menu's plain pictures come from a copy kept per opening of the
// file, without reading the file again.
Rastport* Menue_Ressource_Bild(int32_t handle, int32_t nummer);
