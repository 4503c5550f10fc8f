// State shared by the stadium's source files.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "economy/stadion.h"

struct Stadion_Zustand {
    bool initialisiert = false;
    std::vector<std::unique_ptr<Stadion_Daten>> liste;  // list order
    std::vector<Stadion_Daten*> index;                  // by team
    uint32_t viertel = 0;                               // weekly quarter counter 0..3
    uint8_t geholt = 0;                                 // a client's copy is fresh
};
extern Stadion_Zustand Stadion;

int32_t Stadion_Heute();
bool Stadion_Ist_Client();
void Stadion_Index_Neu();
Stadion_Daten* Stadion_Finden(int32_t team);
int32_t Stadion_Plaetze_Von(const Stadion_Daten& d, int32_t maske);
float Stadion_Renovierungskosten_Von(const Stadion_Daten& d, int32_t slot);
bool Stadion_Modell_Passt(int32_t slot, int32_t modell);
bool Stadion_Firma_Verkauft(int32_t modell, int32_t firma);
bool Stadion_Bau_Gueltig(int32_t slot, int32_t modell, int32_t firma, int32_t plaetze);
// What the stadium screen charges for an order: the added seats of a kept stand, parking or
// shop, or the new building plus the demolition of the old one.
float Stadion_Auftrag_Preis(const Stadion_Daten& d, int32_t slot, int32_t modell, int32_t firma, int32_t plaetze);
const char* Stadion_Artikel(int32_t slot, bool gross);
// The league level the stadium values a club at: a level too low to divide by counts as 100.
int32_t Stadion_Niveau(int32_t team);
int32_t Stadion_Attraktivitaet_Von(const Stadion_Daten& d, int32_t niveau);

// Client side of the requests.
bool Stadion_Client_Holen(int32_t team);
bool Stadion_Client_Bauen(int32_t team, int32_t slot, int32_t modell, int32_t firma, int32_t plaetze, float preis);
bool Stadion_Client_Renovieren(int32_t team, int32_t slot, float preis);
