// The stadium screen's rules: building orders of the building dialog, renovations from the slot
// menu, the ticket price rockers, the top-surcharge switches and menus and the needed-average
// line. Each works on the acting club's record.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct Stadion_Daten;
struct Stadion_Top;

// The 22 clickable areas of the stadium plan picture (icons 2166..2187): the six stands, the
// board, the four floodlight masts and the facilities of slots 8..18, in picture pixels.
struct Stadion_Plan_Flaeche {
    int16_t x, y, w, h;
    int8_t slot;
};
constexpr int32_t STADION_PLAN_FLAECHEN = 22, STADION_PLAN_BREITE = 480, STADION_PLAN_HOEHE = 300;
extern const Stadion_Plan_Flaeche Stadion_Plan_Flaechen[STADION_PLAN_FLAECHEN];

// What an order of the building dialog does to a slot.
struct Stadion_Auftrag {
    bool moeglich = false;  // the firm sells the model
    int32_t bauen = 0;      // seats or units built
    int32_t abreissen = 0;  // seats or units demolished
    float baukosten = 0, abrisskosten = 0;
    int32_t plaetze = 0;    // the slot's count afterwards
};
Stadion_Auftrag Stadion_Auftrag_Berechnen(const Stadion_Daten& d, int32_t slot, int32_t modell, int32_t firma,
                                          int32_t plaetze);
// Asks the manager and orders; true when something was ordered.
bool Stadion_Schirm_Bestellen(int32_t team, int32_t slot, int32_t modell, int32_t firma, int32_t plaetze);
// The slot menu's renovation of one slot, or of every stand for -1; true when something was ordered.
bool Stadion_Schirm_Renovieren(int32_t team, int32_t slot);

// The average rocker: all six prices move together in steps of 1/6 DM (each within 0..50) until
// the rounded average of the rounded prices is the rounded target; then all are whole DM.
void Stadion_Preise_Auf_Schnitt(float* preis, float ziel);
// The top-surcharge switches exclude each other.
void Stadion_Schirm_Immer_Schalten(Stadion_Top* top);
void Stadion_Schirm_Top_Teams_Schalten(Stadion_Top* top);
// The surcharge menu "Topzuschlag ändern:": 5 to 35 percent; entry k sets (k + 1) x 5.
std::vector<std::string> Stadion_Zuschlag_Eintraege();
// The slot menu's three entries.
std::vector<std::string> Stadion_Slot_Menue(int32_t team, int32_t slot);
// Icon 2188's line with the needed average ("noch nicht verfügbar" without prices).
std::string Stadion_Schnitt_Zeile(int32_t team);
// The events page's messages of the club, the latest day first (within a day the last written
// first), whatever order they were written in.
std::vector<int32_t> Stadion_Ereignisse_Neueste_Zuerst(int32_t team);
