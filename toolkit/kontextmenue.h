// Context menus and sub-menus: the initialisation of a popup list record for an icon's
// right-click menu, the two shared records the builders fill, and the choice of one icon of a
// group of sub-menu icons.
#pragma once
#include <cstdint>

#include "toolkit/popup.h"

struct Menue_Icon;

// The one shared context menu and the shared buffer for sub-lists; a builder overwrites them.
extern Menue_Kontextmenue Kontext_Menue;
extern Menue_Kontextmenue Kontextmenue_Puffer;

constexpr int32_t MENUE_UNTERMENUE_MAX = 9;
// Flags of Menue_Untermenue_Registrieren: exactly this value restores the stored choice; a
// bit of 0x60000000 records the visit.
constexpr uint32_t UNTERMENUE_WIEDERHERSTELLEN = 0x40000000;
constexpr uint32_t UNTERMENUE_BESUCH = 0x60000000;

// Clears the record and gives every item the default status (-1 is reported and becomes 0),
// values A and B -1, value C and the procedure; used and list flags 1.
void Menue_Init_Kontextmenue(Menue_Kontextmenue* menue, const char* titel, int32_t wert_c, int32_t status,
                             Popup_Eintrag_Prozedur prozedur);
// Makes the icon (or with UNTERMENUE_WIEDERHERSTELLEN the stored choice) the chosen one of up
// to nine sub-menu icons and switches the main group `basis` on; the chosen number, -1 when
// nothing changes or there are more than nine.
int32_t Menue_Untermenue_Registrieren(Menue_Icon* icon, uint32_t flags, int32_t basis, Menue_Icon* liste,
                                      int32_t anzahl, ...);
// Click procedure: flips the acting manager's mailbox request (icon 2600).
int32_t Menue_Briefkasten_Klick(Menue_Icon* icon, uint32_t flags);
