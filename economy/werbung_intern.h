// Shared inside the advertising module: its state, tables and the rules on a block in hand.
#pragma once
#include <cstdint>

#include "economy/werbung.h"

struct Werbung_Zustand {
    bool initialisiert = false;
    uint8_t geholt = 0;  // a client fetched the sponsor table
};
extern Werbung_Zustand Werbung_Modul;

extern const int32_t Werbung_Basisimage[WERBEPARTNER_ANZAHL];
extern const int32_t Werbung_Preisgewicht[WERBEPARTNER_ANZAHL];
extern const int32_t Werbung_Laufzeiten[7];

// The club's block 304 in the manager record, null for a computer club.
uint8_t* Werbung_Block(int32_t team);
int32_t Werbung_Niveau(int32_t team);
int32_t Werbung_Liga(int32_t team);
// Teams of the league; the given stand-ins for a knock-out competition and for none.
int32_t Werbung_Liga_Groesse(int32_t liga, int32_t ersatz_ko, int32_t ersatz_fehlt);
bool Werbung_International(int32_t team);
// The club's 1-based table place in the league with the table's last flag, 0 none.
int32_t Werbung_Tabellenplatz(int32_t team, int32_t liga, int32_t flag);
int32_t Werbung_Agentur_Qualitaet(int32_t agentur, int32_t aufgabe);
float Werbung_Image_Von(int32_t team, const Werbung_Team_Daten& d, int32_t sponsor, float* einzeln);
int32_t Werbung_Zufriedenheit_Von(int32_t team, const Werbung_Team_Daten& d, int32_t flaeche);
// The server's signing on a block in hand (space -1: the first free one of the category).
bool Werbung_Abschliessen_Von(int32_t team, Werbung_Team_Daten& d, int32_t sponsor, int32_t kategorie, int32_t flaeche);
