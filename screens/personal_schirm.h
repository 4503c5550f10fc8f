// The staff menu of the manager group (group button 704): its five switch buttons and the staff
// screen, where the manager hires assistants and doctors and gives them their areas and
// specialties, and the savegame block of the menu's state and the current offers.
//
// Savegame block (position 18), one block of 616 bytes, little-endian:
//   0 six 92-byte icon records (1061, 1062, 1063, 1064, 1136, the closing record)
//   552 4 x 8 u16: assistants' years, assistants' prices (thousand DM), doctors' prices,
//       doctors' years
#pragma once
#include <cstdint>

struct Disk_Datei;
struct Menue_Icon;
struct Menue_Kontextmenue;

constexpr int32_t PERSONAL_MENUE_EINTRAEGE = 5;
constexpr uint32_t PERSONAL_SCHIRME_BYTES = (PERSONAL_MENUE_EINTRAEGE + 1) * 92 + 4 * 8 * 2;
constexpr int32_t PERSONAL_SCHALTER_PERSONAL = 1061;
constexpr int32_t PERSONAL_DETAIL_ASSI = 1115, PERSONAL_DETAIL_ARZT = 1123;
constexpr int32_t PERSONAL_ZURUECK = 1132, PERSONAL_VOR = 1133;
constexpr int32_t PERSONAL_BEREICH_ICON = 1097, PERSONAL_FACH_ICON = 1104;
// The two list switches of the screen (assistants, doctors).
constexpr int32_t PERSONAL_LISTE_ASSIS = 1134, PERSONAL_LISTE_AERZTE = 1135;

extern Menue_Icon Personal_Menue_Knoepfe[PERSONAL_MENUE_EINTRAEGE + 1];

// The group procedure of 704: shows the switch buttons and the screen chosen last.
int32_t Personal_Menue(Menue_Icon* icon, uint32_t flags);
// Another module's screen behind one of the switch buttons; a button without one stays grey.
void Personal_Menue_Oeffner_Setzen(int32_t nummer, int32_t (*oeffner)(Menue_Icon* icon, uint32_t flags));
// Shows the switch buttons (when not on screen) and the club panels 701 and 702.
void Personal_Screen_Icons_Setzen();
// Opens the staff screen with its lists; 0 without an acting club with a manager.
int32_t Personal_Screen_Oeffnen(Menue_Icon* icon, uint32_t flags);
// Registers the group with the main menu.
void Personal_Menue_Registrieren();
// Registers the group with the main menu and the block with the savegame.
void Personal_Schirme_Registrieren();

// The screen state: the assistant and doctor shown in the detail panel, the active list.
int32_t Personal_Schirm_Auswahl(bool arzt);
bool Personal_Schirm_Aerzte_Aktiv();

// Switches area 0..5 of hired assistant `slot` of the acting club, with the work the switch
// sets off at once (line-up suggestion, tactics, training, transfer search); area 6 asks him for
// a line-up suggestion.
void Personal_Schirm_Aufgabe_Umschalten(int32_t bereich, int32_t slot);
// The context menus of a hired assistant or doctor (null for a slot not hired).
Menue_Kontextmenue* Personal_Assi_Kontextmenue(int32_t slot);
Menue_Kontextmenue* Personal_Arzt_Kontextmenue(int32_t slot);

// The block in memory form and back; the reader refuses anything but the six records of the
// menu's list and offers of 1..4 years, and then leaves everything as it was.
void Personal_Block_Packen(uint8_t bytes[PERSONAL_SCHIRME_BYTES]);
bool Personal_Block_Entpacken(const uint8_t* bytes, uint32_t laenge);
bool Personal_Write_Bin_Block(Disk_Datei* datei);
bool Personal_Read_Bin_Block(Disk_Datei* datei, const char* version);
