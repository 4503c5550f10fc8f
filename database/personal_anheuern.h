// Hiring assistants and doctors for the manager's club: the current offers (contract years and
// yearly prices), the hire after a confirmation, and switching an assistant's areas or a
// doctor's specialties (one holder each).
#pragma once
#include <cstdint>

constexpr int32_t PERSONAL_MAX_ANGESTELLTE = 4;
constexpr int16_t PERSONAL_ICON_ASSI = 1065;  // applicant icons 1065..1072
constexpr int16_t PERSONAL_ICON_ARZT = 1081;  // applicant icons 1081..1088

// The four offer tables, saved with the staff block.
struct Personal_Angebote {
    uint16_t assi_jahre[8];
    uint16_t assi_preis[8];  // thousand DM a year
    uint16_t arzt_preis[8];
    uint16_t arzt_jahre[8];
};
extern Personal_Angebote Personal_Angebot;

// Yearly price in thousand DM of a contract of `jahre` (1..4) at league level `niveau` percent.
int32_t Personal_Angebot_Preis(int32_t grundpreis, int32_t jahre, int32_t niveau);
// Every offer back to one year, priced for the club's league level.
void Personal_Angebote_Auffrischen(int32_t team);

// Hires applicant `icon` of Aktuelles_Team after the manager agreed; false when refused.
bool Personal_Assi_Anheuern(int32_t icon);
bool Personal_Arzt_Anheuern(int32_t icon);
// Switches area 0..5 of hired assistant `slot` of Aktuelles_Team and tells the manager; area 6
// asks him for a line-up suggestion.
void Personal_Assi_Aufgabe_Wechseln(int32_t bereich, int32_t slot);
// Switches specialty 0..10 of hired doctor `slot`.
void Personal_Arzt_Spezialgebiet_Umschalten(int32_t slot, int32_t fach);
