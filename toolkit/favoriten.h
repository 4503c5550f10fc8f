// The managers' visit history (back and forward buttons 722/721 and "Zuletzt besucht:") and
// their ten favourite menus, chosen by hand from an icon's context menu or computed from the
// visit log. A screen is represented by its menu icon, whose click procedure opens it.
//
// The history lives in the manager's icon state block (team field 303); its record words are
// handles of the records (0 none), made again from the icon numbers after a load. The favourite
// slots are the button states of icons 724-733 (icon numbers, -1 empty); the button state of 758
// switches the automatic favourites, its word datum the start of each turn at the first one.
#pragma once
#include <cstdint>

struct Menue_Icon;
struct Menue_Kontextmenue;

constexpr int32_t MENUE_HISTORY_VOR = 721;
constexpr int32_t MENUE_HISTORY_ZURUECK = 722;
constexpr int32_t MENUE_LIEBLING_ERSTER = 724;
constexpr int32_t MENUE_LIEBLING_ANZAHL = 10;
// The icon number in favourite slot k of the team's manager, -1 for an empty slot.
int32_t Menue_Liebling_Icon(int32_t team, int32_t k);
constexpr int32_t MENUE_LIEBLING_SCHALTER = 758;

// The word of a history entry for a record and back (null for 0 or an unknown handle).
uint32_t Menue_Besucht_Wort(Menue_Icon* icon);
Menue_Icon* Menue_Besucht_Icon(uint32_t wort);

// Records a visit of the screen of a menu icon for the team's manager; nothing when it is the
// entry at the position already.
void Menue_Besucht_Eintragen(int32_t team, Menue_Icon* icon);
// Help texts of the two history buttons: the screen they lead to, else a note.
void Menue_History_Texte_Setzen();
// Click procedure of the history buttons.
int32_t Menue_History_Klick(Menue_Icon* icon, uint32_t flags);
Menue_Kontextmenue* Menue_Make_History_Kontextmenue(Menue_Icon* icon);
uint8_t Menue_Kontext_History_Call(int32_t zeile, int32_t wert_c, int32_t wert_a, int32_t wert_b);

// Fills the ten favourite slots from the visit log, the most visited (recent visits weigh more)
// first.
void Menue_Lieblingsmenues();
Menue_Kontextmenue* Menue_Make_Lieblingsmenue_Kontextmenue(Menue_Icon* icon);
uint8_t Menue_Kontext_Lieblingsmenue_Call(int32_t zeile, int32_t icon_nr, int32_t wert_a, int32_t wert_b);
Menue_Kontextmenue* Menue_Make_Lieblingsmenue_Jump_Kontextmenue(Menue_Icon* icon);
uint8_t Menue_Kontext_Lieblingsmenue_Jump_Call(int32_t zeile, int32_t icon_nr, int32_t wert_a, int32_t wert_b);
uint8_t Menue_Lieblingsmenue_Einstellung(int32_t zeile, int32_t wert_c, int32_t wert_a, int32_t wert_b);
uint8_t Menue_Lieblingsmenue_Leeren(int32_t zeile, int32_t wert_c, int32_t wert_a, int32_t wert_b);
// Opens the favourite after the screen shown now.
void Menue_Lieblingsmenue_Naechstes();
