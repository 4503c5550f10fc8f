// State shared by the bank's source files.
#pragma once
#include <cstdint>

#include "economy/bank.h"
#include "platform/liste.h"

struct Bank_Zustand {
    bool initialisiert = false;
    int32_t kontostand[BANK_TEAMS] = {};
    Liste konten{};      // Bank_Konto keyed by team
    Liste aktien{};      // Bank_Aktienbesitz keyed by team
    Liste anlagen{};     // Bank_Anlage keyed by team, ascending due day
    Bank_Konto* konto[BANK_TEAMS] = {};  // index into `konten`
    uint32_t zufall = 0;  // state of Bank_Zufall_Zwischen
    uint8_t client_konto = 0, client_buchungen = 0, client_boerse[BANK_BOERSEN] = {};
    uint8_t schirm[2] = {};
    uint8_t boerse_wahl = 0;
    uint32_t firma_wahl = 1;
    bool stumm = false;          // a remote call is served: no dialogs
    bool ohne_faelligkeit = false;  // the new game's warm-up days
};
extern Bank_Zustand Bank;

// Rebuilds the team index of the account list.
void Bank_Konten_Indizieren();
// Silent while the server serves a remote call.
bool Bank_Stumm();
// True on a pure network client.
bool Bank_Ist_Client();
bool Bank_Team_Gueltig(int32_t team);
// Inserts a credit or deposit keeping the list ordered by due day.
bool Bank_Anlage_Einfuegen(int32_t team, const Bank_Anlage& a);
void Bank_Boersen_Vorbelegen();
// Exchange record as bytes and back.
void Bank_Boerse_Schreiben(const Boerse& b, uint8_t* ziel);
void Bank_Boerse_Lesen(Boerse* b, const uint8_t* quelle);
// The exchange's index: the newest prices of firms 1-12 summed, weighted by the exchange.
int32_t Bank_Boerse_Index(int32_t e);
int32_t Bank_Runden(double x);
// The callers' test hook of credits: true when it answered (result in *ergebnis).
bool Bank_Kredit_Beobachtet(int32_t geber, int32_t nehmer, float betrag, int32_t laufzeit, float zins, bool* ergebnis);

// Tells the test hook of the new-game sequence about a call.
void Bank_Neues_Spiel_Melden(const char* aufruf, int32_t team, int32_t betrag);
