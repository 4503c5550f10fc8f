// Training camps and the calendar appointments of the human managers' clubs: stays in one of
// seven camps, friendly matches, club parties and the psychologist. Camp and friendly requests go
// to the arbiter, which answers here. A network client reads the camp table through request 1030.
//
// Camp table (savegame block and reply of 1030), 7 rows of 156 bytes, little-endian:
//   0 u32 availability bitmap[12] (bit d mod 32 of word d / 32: open and free on season day d)
//   | 48 name[40] | 88 town[40] | 128 i32 season value | 132 i32 current price | 136 i32 normal
//   price | 140 i32 travel cost | 144 u8 quality[3] | 147 i8 special facility[4] | 151 reserved
//   | 152 i32 cleared each season
// Appointment (manager record block 307: 30 rows), 44 bytes:
//   0 u8 kind (1 camp, 2 friendly, 3 party, 4 psychologist) | 1 u8 in use | 2 i8 slot | 3 i8
//   programme[5] | 8 asking club (arbiter's copy; reserved in the club's table) | 12 i32 camp or
//   opponent | 16 i32 first day | 20 i32 last day | 24 i32 price when booked | 28 i32 points
//   | 32 i32 exhaustion change | 36 i32 form change | 40 i32 team strength on the first day
#pragma once
#include <cstdint>
#include <vector>

struct Disk_Datei;

// The 44-byte booking record as the arbiter keeps it; the camps' own fields travel unchanged.
struct Trainingslager_Buchung {
    uint8_t art;           // 1 training camp, 2 friendly match
    uint8_t belegt;        // slot in use
    int8_t slot;           // index in the asking club's table, -1 none
    uint8_t rest_3[5];
    uint32_t team;         // asking club
    uint32_t ziel;         // camp index (kind 1) or the other club (kind 2)
    uint32_t erster_tag;
    uint32_t letzter_tag;  // a friendly match: equal to the first day
    uint8_t rest_24[20];   // the camps' own fields, carried unchanged
};
static_assert(sizeof(Trainingslager_Buchung) == 44);

constexpr int32_t TRAININGSLAGER_BUCHUNGEN = 30;
constexpr int32_t TRAININGSLAGER_ANZAHL = 7;
constexpr int32_t TRAININGSLAGER_ATTRIBUTE = 17;
constexpr int32_t TRAININGSLAGER_ZEILEN = 5;
constexpr uint32_t TRAININGSLAGER_BYTES = 156;
constexpr uint32_t TRAININGSLAGER_TABELLE_BYTES = TRAININGSLAGER_ANZAHL * TRAININGSLAGER_BYTES;
constexpr uint32_t TRAININGSLAGER_TERMIN_BYTES = 44;
constexpr uint32_t TRAININGSLAGER_TERMINE_BYTES = TRAININGSLAGER_BUCHUNGEN * TRAININGSLAGER_TERMIN_BYTES;
constexpr int32_t TRAININGSLAGER_SAISONTAGE = 366;

struct Trainingslager_Daten {
    uint32_t frei[12];
    char name[40];
    char ort[40];
    int32_t saison_wert;
    int32_t preis;
    int32_t normalpreis;
    int32_t reisekosten;
    uint8_t qualitaet[3];
    int8_t spezial[4];
    int32_t wert_152;
};

// One appointment of a club's table, with named fields.
struct Trainingslager_Termin {
    uint8_t art;
    uint8_t belegt;
    int8_t slot;
    int8_t programm[TRAININGSLAGER_ZEILEN];
    int32_t anfrager;
    int32_t ziel;
    int32_t erster_tag;
    int32_t letzter_tag;
    int32_t preis;
    int32_t punkte;
    int32_t erschoepfung;
    int32_t form;
    int32_t staerke;
};

// Trainable attributes: the player attribute id of each entry.
extern const int32_t Trainingslager_Attribut_Id[TRAININGSLAGER_ATTRIBUTE];

// ---- Module ----
// Season start (also the 1 July job): the camps' days, prices and facilities drawn anew, every
// appointment of every human manager's club freed.
void Trainingslager_Init();
inline void Trainingslager_Jedes_Jahr() { Trainingslager_Init(); }
void Trainingslager_DeInit();
// Reports "Trainingslager Objekt nicht initialisiert.\n" when off.
bool Trainingslager_Ist_Initialisiert();

// ---- Byte images ----
std::vector<uint8_t> Trainingslager_Bild_Schreiben();
// False, the table untouched, for a wrong size, an unterminated name or town, a quality above 5,
// a facility that is no trainable attribute or a negative price.
bool Trainingslager_Bild_Lesen(const uint8_t* p, uint32_t laenge);
void Trainingslager_Termin_Lesen(const uint8_t* p, Trainingslager_Termin* t);
void Trainingslager_Termin_Schreiben(const Trainingslager_Termin& t, uint8_t* p);
bool Trainingslager_Write_Bin_Block(Disk_Datei* datei);
bool Trainingslager_Read_Bin_Block(Disk_Datei* datei, const char* version);

// ---- Camps and appointments ----
// A copy of the camp record (valid until the next call), null outside 0..6.
const Trainingslager_Daten* Trainingslager_Lesen(int32_t camp);
// Days are day numbers of the running season.
int32_t Trainingslager_Tag_Belegt(int32_t camp, int32_t tag);
void Trainingslager_Tag_Setzen(int32_t camp, int32_t tag, int32_t setzen);
// The club's 30 appointments read from its block; false for a computer club.
bool Trainingslager_Buchungen(int32_t team, Trainingslager_Termin* termine);
bool Trainingslager_Buchungen_Ablegen(int32_t team, const Trainingslager_Termin* termine);
int32_t Trainingslager_Freie_Buchungen(int32_t team);
// A new appointment in use, of no slot yet, with free time in every programme row.
Trainingslager_Termin Trainingslager_Neuer_Termin(int32_t art, int32_t ziel, int32_t erster_tag, int32_t letzter_tag);
int32_t Trainingslager_Get_Termin(int32_t team, int32_t tag, int32_t* art);
void Trainingslager_Set_Programm(int32_t team, int32_t slot, int32_t zeile, int32_t attribut);
int32_t Trainingslager_Get_Programm(int32_t team, int32_t slot, int32_t zeile);
bool Trainingslager_Programm_Check(int32_t attribut);
// The number of consecutive days allowed (camp) or 1/0 (other kinds).
int32_t Trainingslager_Termin_Pruefen(int32_t team, int32_t ziel, int32_t tag, int32_t art, int32_t meldungen,
                                      int32_t kurzfristig);
// Confirmation question, new appointment, arbiter request: the slot, -1 none.
int32_t Trainingslager_Buchen(int32_t team, int32_t ziel, int32_t erster_tag, int32_t tage, int32_t art);
// Reports a decided booking to the club: confirmed, refused, or (on or after its day) not answered
// in time.
void Trainingslager_Buchung_Melden(int32_t team, const Trainingslager_Buchung* buchung, bool bestaetigt);
// Frees the club's table slot that the booking names (nothing for slot -1 or an entry that is
// no longer that booking).
void Trainingslager_Buchung_Freigeben(int32_t team, const Trainingslager_Buchung* buchung);

// ---- What a client may ask of the server ----
// A camp request (arbiter type 2) or friendly proposal (type 4) of the acting club as request 52
// brings it: the kind, camp or opponent and days are checked as the booking screen checks them
// (from five days ahead, the camp open and the club free every day, a free table entry); the
// server enters the appointment in its own table, and the item is rebuilt from it with the
// server's slot and price. False, nothing entered, for a request no screen could have made.
bool Trainingslager_Server_Anfrage_Eintragen(int32_t team, int32_t typ, Trainingslager_Buchung* buchung);
// The club's 1320-byte appointment block as a client sends it back (request 33), taken into the
// server's image `bild`: the programme rows of the camps the server holds, and parties and
// psychologist appointments new in the client's table that the calendar allows. Everything else
// stays the server's: a camp or friendly exists only as the arbiter's request entered it. False,
// `bild` untouched, for a programme row that names no trainable attribute.
bool Trainingslager_Server_Termine_Uebernehmen(int32_t team, const uint8_t* client, uint8_t* bild);

// ---- Jobs and effects ----
void Trainingslager_Jeden_Tag(int32_t team);
void Trainingslager_Jede_Woche();
// One camp day; sums: main points, secondary points, exhaustion, form, form tendency.
void Trainingslager_Mache_Team_Staerker(int32_t team, const Trainingslager_Termin& termin, int32_t tag, int32_t* summen);
void Trainingslager_Vereinsfest(int32_t team);
void Trainingslager_Psychologe(int32_t team);
// Mode 0 team strength, 1 team moral, 2 sum of the players' form.
int32_t Trainingslager_Team_Wert(int32_t team, int32_t modus);

// ---- Request 1030 ----
int32_t Trainingslager_Server_Anfrage(int32_t anfrage, const uint8_t* daten, uint32_t laenge,
                                      std::vector<uint8_t>* antwort);
bool Trainingslager_Client_Holen();
bool Trainingslager_Client_Neu_Holen();
using Trainingslager_Fernaufruf = int32_t (*)(int32_t anfrage, std::vector<uint8_t>* block);
void Trainingslager_Set_Fernaufruf(Trainingslager_Fernaufruf aufruf);

// Test hooks: see every report and release, and answer the date check, in place of the module's
// own work.
using Trainingslager_Melde_Beobachter = void (*)(int32_t team, const Trainingslager_Buchung* buchung, bool bestaetigt);
void Trainingslager_Set_Melde_Beobachter(Trainingslager_Melde_Beobachter beobachter);
using Trainingslager_Freigabe_Beobachter = void (*)(int32_t team, const Trainingslager_Buchung* buchung);
void Trainingslager_Set_Freigabe_Beobachter(Trainingslager_Freigabe_Beobachter beobachter);
using Trainingslager_Termin_Abfrage = int32_t (*)(int32_t team, int32_t gegner, int32_t tag);
void Trainingslager_Set_Termin_Abfrage(Trainingslager_Termin_Abfrage abfrage);
