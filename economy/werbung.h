// Sponsors and advertising contracts of the human managers' clubs: 17 spaces per club rented to
// 20 sponsors, three advertising tasks given to five agencies, fan articles, the advertising
// assistant; computer clubs get a flat monthly income. Changes run on the serving PC; a network
// client holds copies and uses requests 1021-1023.
//
// Sponsor table (savegame block and reply of 1021), 20 rows of 76 bytes, little-endian:
//   0 name[30] | 30 u8 offers per category[4] | 34 reserved[2] | 36 f32 price[4] | 52 f32 months[4]
//   | 68 f32 minimum image | 72 u8 weeks to the next price change | 73 reserved[3]
// Club block (manager record block 304, reply of 1023), 456 bytes:
//   0 i8 sponsor per space[17] | 20 f32 monthly amount[17] (0 free) | 88 i32 end day[17]
//   | 258 u8 placing at signing[17] | 292 u8 league at signing[17] | 326 u8 European status[17]
//   | 344 i32 attitude per sponsor[20] | 436 u8 agency per task[3] | 440 i32 fan income
//   | 448 i32 home matches with fan sales | 452 u8 promised placing | 453 u8 European flag
#pragma once
#include <cstdint>
#include <vector>

struct Disk_Datei;

constexpr int32_t WERBEPARTNER_ANZAHL = 20;
constexpr int32_t WERBUNG_FLAECHEN = 17;
constexpr int32_t WERBUNG_KATEGORIEN = 4;
constexpr int32_t WERBUNG_AGENTUREN = 5;
constexpr int32_t WERBUNG_AUFGABEN = 3;
constexpr int32_t WERBUNG_BANDEN = 14;
constexpr int32_t WERBUNG_MAX_ANGEBOTE = 250;
constexpr uint32_t WERBEPARTNER_BYTES = 76;
constexpr uint32_t WERBEPARTNER_TABELLE_BYTES = WERBEPARTNER_ANZAHL * WERBEPARTNER_BYTES;
constexpr uint32_t WERBUNG_TEAM_BYTES = 456;

struct Werbepartner {
    char name[30];
    uint8_t angebote[WERBUNG_KATEGORIEN];
    float preis[WERBUNG_KATEGORIEN];     // DM per month
    float laufzeit[WERBUNG_KATEGORIEN];  // months
    float min_image;
    uint8_t wochen;
};
extern Werbepartner Werbepartner_Tabelle[WERBEPARTNER_ANZAHL];

struct Werbung_Team_Daten {
    int8_t sponsor[WERBUNG_FLAECHEN];
    float betrag[WERBUNG_FLAECHEN];
    int32_t ende[WERBUNG_FLAECHEN];
    uint8_t platzierung[WERBUNG_FLAECHEN];
    uint8_t liga[WERBUNG_FLAECHEN];
    uint8_t europa[WERBUNG_FLAECHEN];  // 0 none, 1 promised, 2 promised for 12 months or more
    int32_t einstellung[WERBEPARTNER_ANZAHL];
    uint8_t agentur[WERBUNG_AUFGABEN];
    int32_t fan_einnahme;
    int32_t heimspiele;
    uint8_t erwartet;
    uint8_t europa_flag;
};

// Base prices per difficulty level and category.
extern int32_t Werbung_Grundpreis[5][WERBUNG_KATEGORIEN];

// ---- Module ----
void Werbung_Init();
void Werbung_DeInit();
// Reports "Werbung muß initialisiert werden" when off.
bool Werbung_Ist_Initialisiert();

// ---- Byte images ----
// The block's fields at their offsets. The reader takes what is there; a space whose sponsor is
// outside 0..19 or whose amount is negative or not finite counts as free, an agency outside 0..4
// as agency 0. The writer changes only the fields, never the reserved bytes.
void Werbung_Team_Lesen(const uint8_t* block, Werbung_Team_Daten* d);
void Werbung_Team_Schreiben(const Werbung_Team_Daten& d, uint8_t* block);
// The club's block read into *d; false for a club without one.
bool Werbung_Team_Holen(int32_t team, Werbung_Team_Daten* d);
bool Werbung_Team_Ablegen(int32_t team, const Werbung_Team_Daten& d);
std::vector<uint8_t> Werbepartner_Bild_Schreiben();
// False, the table untouched, for a wrong size, an unterminated name, an offer count above 250
// or a value that is negative or not finite.
bool Werbepartner_Bild_Lesen(const uint8_t* p, uint32_t laenge);
// The savegame block: u8 fetched flag, then the sponsor table.
std::vector<uint8_t> Werbung_Block_Bauen();
bool Werbung_Block_Lesen(const uint8_t* p, uint32_t laenge);
bool Werbung_Write_Bin_Block(Disk_Datei* datei);
bool Werbung_Read_Bin_Block(Disk_Datei* datei, const char* version);

// ---- Rules ----
int32_t Werbung_Flaeche_Kategorie(int32_t flaeche);
void Werbung_Kategorie_Flaechen(int32_t kategorie, int32_t* anzahl, int32_t* erste);
const char* Werbung_Kategorie_Name(int32_t kategorie);
// The club's quality factor: league level (0 counts as 100) x (100 + (2 - difficulty) x 10) / 100.
float Werbung_Faktor(int32_t team);
int32_t Werbung_Berechne_Ansehen(int32_t platzierung, int32_t liga, int32_t europa);
int32_t Werbung_Team_Ansehen(int32_t team);
float Werbung_Berechne_Image(int32_t team, int32_t sponsor, float* einzeln);
int32_t Werbung_Vertrag_Zufriedenheit(int32_t team, int32_t flaeche);
int32_t Werbung_Agentur_Wirkung(int32_t team, int32_t aufgabe);
// A sponsor's expected worth of a contract in the category for the club (the signing's rating).
float Werbung_Erwartung(int32_t sponsor, int32_t kategorie, float faktor);
// The advertising assistant's readiness to take an offer of that price and runtime (the offer
// value y of the assistant's rule).
int32_t Werbung_Angebotswert(int32_t sponsor, int32_t kategorie, float faktor, float preis_mal_faktor, float laufzeit);

// ---- Contracts ----
// Space -1 takes the first free space of the category. On a network client: request 1023.
bool Werbung_Vertrag_Abschliessen(int32_t team, int32_t sponsor, int32_t kategorie, int32_t flaeche);
// Prepares a club that a human manager takes over; flag 1 also signs its first contracts.
void Werbung_Team_Vorbelegen(int32_t team, int32_t flag);
// The sponsors on the 14 boards of a live match (sponsor + 1, 0 free): true for a human
// manager's club; a computer club gets the same draw all season and false.
bool Werbung_Banden_Sponsoren(int32_t team, int32_t* sponsoren, int32_t anzahl);
// The live view's board pictures in werbung.res: two sets of 32, the near side (112 x 16) from
// 47 and the far side (80 x 12) from 79. Board value v (1..20) shows sponsor v - 1; the last
// twelve of a set carry invented local firms that fill the free boards.
constexpr int32_t WERBUNG_BANDE_NAH = 47, WERBUNG_BANDE_FERN = 79, WERBUNG_BANDE_BILDER = 32;
// The picture of board `bande` (0..13) with value `wert` on the near or far side.
int32_t Werbung_Banden_Bild(int32_t wert, bool fern, int32_t bande);
// The firm on board picture k (0..31) of a set: the sponsors' own names, then the fillers.
const char* Werbung_Banden_Name(int32_t k);

// ---- Texts ----
const char* Werbepartner_Name(int32_t nummer);
const char* Werbung_Agentur_Text(int32_t agentur, int32_t aufgabe);
const char* Werbung_Agentur_Kuerzel(int32_t agentur, int32_t aufgabe);
const char* Werbung_Agentur_Preis_String(int32_t agentur, int32_t aufgabe);
int32_t Werbung_Agentur_Gebuehr(int32_t agentur, int32_t aufgabe);

// ---- Jobs ----
void Werbung_Angebote_Erneuern();
void Werbung_Jede_Woche();
void Werbung_Jeden_Tag(int32_t team);
void Werbung_Jeden_Monat(int32_t team);
// The fan-article sale after a match (kind 1 win, 0 draw): the home club with the match's
// attendance, the away club with 0.
void Werbung_Fanartikel_Verkauf(int32_t art, int32_t team, int32_t zuschauer);
// The weekly share of a monthly income or cost of booking category 4..10.
int32_t Werbung_Wochenbetrag(int32_t team, int32_t kategorie);

// ---- Requests 1021-1023 ----
// Server side: a request image in, the reply image out; for Handelndes_Team only.
int32_t Werbung_Server_Anfrage(int32_t anfrage, const uint8_t* daten, uint32_t laenge, std::vector<uint8_t>* antwort);
int32_t Werbung_Server_Set_Agentur(int32_t team, int32_t aufgabe, int32_t wert);
int32_t Werbung_Server_Vertrag(uint8_t* block, int32_t team, int32_t sponsor, int32_t kategorie, int32_t flaeche,
                               int32_t platzierung);
// The club's 456-byte block as a client sends it back with its manager data (request 33): into
// the server's image `bild` go the promised placing, the European promise and the three agencies,
// the fields the advertising screen sets; contracts, amounts, sponsors' attitudes and fan income
// stay the server's. False, `bild` untouched, when one of them is out of the screen's range.
bool Werbung_Server_Block_Uebernehmen(int32_t team, const uint8_t* client, uint8_t* bild);
// The promise runs from first place to the last of the club's league (1 without a league).
int32_t Werbung_Letzter_Platz(int32_t team);
// Client side.
bool Werbung_Client_Partner_Holen();
void Werbung_Client_Partner_Ungueltig();
bool Werbung_Client_Partner_Neu_Holen();
bool Werbung_Client_Set_Agentur(int32_t team, int32_t aufgabe, int32_t wert);
int32_t Werbung_Client_Vertrag(int32_t team, int32_t sponsor, int32_t kategorie, int32_t flaeche);
// The transport of a client's request: sends the image, leaves the reply in `block`, returns the
// result. The network's remote calls plug in here.
using Werbung_Fernaufruf = int32_t (*)(int32_t anfrage, std::vector<uint8_t>* block);
void Werbung_Set_Fernaufruf(Werbung_Fernaufruf aufruf);

// Test hook: sees every call of Werbung_Team_Vorbelegen in place of the preparation.
using Werbung_Vorbelegen_Beobachter = void (*)(int32_t team, int32_t flag);
void Werbung_Set_Vorbelegen_Beobachter(Werbung_Vorbelegen_Beobachter beobachter);
