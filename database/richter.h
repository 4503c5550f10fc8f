// The arbiter: requests between clubs that are decided once a day on the server (transfer offers,
// training-camp bookings, friendly matches, moves at the end of a contract) and the answers of
// the human managers to the questions in their news. One list holds every pending item, newest
// first.
#pragma once
#include <bit>
#include <cstddef>
#include <cstdint>

#include "platform/liste.h"

struct Disk_Datei;
struct Trainingslager_Buchung;

// Item types of Richter_Liste (the element key).
enum Richter_Element_Typ : uint32_t {
    RICHTER_ANGEBOT = 1,                 // Spieler_Angebot
    RICHTER_TRAININGSLAGER = 2,          // Trainingslager_Buchung: camp request
    RICHTER_FREUNDSCHAFTSSPIEL = 3,      // Trainingslager_Buchung: agreed by both, to confirm
    RICHTER_FREUNDSCHAFTSSPIEL_VORSCHLAG = 4,  // Trainingslager_Buchung: proposal of a club
    RICHTER_WECHSEL_VERTRAGSENDE = 7,    // Richter_Wechsel
};

// A transfer offer: 28 bytes, the stored and remote-call image (little-endian host).
struct Spieler_Angebot {
    uint32_t tag;          // day it was made
    int32_t bewertung;     // rating figure; 100 or more shortens the player's countdown to 1
    uint16_t bieter;       // bidding club; the player's club for a contract extension
    uint16_t verein;       // the player's club (may be the transfer market)
    uint16_t spnr;
    uint16_t abloese;      // transfer fee, thousand DM (0: none)
    uint16_t leihgebuehr;  // loan fee, thousand DM, when there is no transfer fee
    uint16_t gehalt;       // yearly salary, thousand DM
    uint16_t monate;       // contract length
    uint8_t behalten;      // kept: never displaced, not deleted with the player's other offers
    int8_t geduld;         // a computer club's patience with a manager's player, else -1
    uint8_t angenommen;    // the player's club accepted it
    uint8_t reserve[3];
};
static_assert(sizeof(Spieler_Angebot) == 28 && offsetof(Spieler_Angebot, bieter) == 8 &&
              offsetof(Spieler_Angebot, monate) == 20 && offsetof(Spieler_Angebot, angenommen) == 24);
static_assert(std::endian::native == std::endian::little, "the stored images are little-endian");

// A move at the end of the contract: 8 bytes.
struct Richter_Wechsel {
    int16_t spnr;
    uint16_t team;    // new club
    uint16_t gehalt;  // yearly salary there, thousand DM
    uint16_t monate;  // contract length there
};
static_assert(sizeof(Richter_Wechsel) == 8);

constexpr int32_t RICHTER_MAX_ANGEBOTE = 30;
constexpr int32_t RICHTER_MAX_FINALISTEN = 7;

extern Liste Richter_Liste;

// Empties the list and registers the savegame block and the release at exit.
void Richter_Init();
void Richter_DeInit();
// The daily decision (server only): offers, expired and answered questions, camp requests and
// friendly matches.
void Richter_Jeden_Tag();

// A camp request (kind 2 item) or a friendly-match proposal (kind 4) of row `index` of the club's
// 44-byte booking table; a proposal with index -1 copies row 0 unchanged.
void Richter_Trainingslager_Anfrage_Hinzufuegen(int32_t team, int32_t index, Trainingslager_Buchung* tabelle);
void Richter_Trainingslager_Buchung_Hinzufuegen(int32_t team, int32_t index, Trainingslager_Buchung* tabelle);
// Deciders of one item each; they delete the items they decide.
void Richter_Trainingslager_Buchung_Testen(Liste_Element* element);
void Richter_Freundschaftsspiel_Fragen(Liste_Element* element);
void Richter_Freundschaftsspiel_Testen(Liste_Element* element);

// Moves at the end of the contract; the player's status bit 4 mirrors the item.
void Richter_Spieler_Wechsel_Nach_Vertragsende_Hinzufuegen(int32_t spnr, int32_t team, int32_t gehalt, int32_t monate);
// With all three outputs null only the status bit answers.
bool Richter_Spieler_Wechsel_Nach_Vertragsende_Suchen(int32_t spnr, int32_t* team, int32_t* gehalt, int32_t* monate);
void Richter_Spieler_Wechsel_Nach_Vertragsende_Loeschen(int32_t spnr);

// --- transfer offers ---

// Fills an offer with today's date and the patience and enters it (server only).
void Richter_Spieler_Angebot_Struktur_Erzeugen(int32_t bieter, int32_t verein, int32_t spnr, int32_t abloese,
                                               int32_t leihgebuehr, int32_t gehalt, int32_t monate, int32_t bewertung);
void Richter_Spieler_Angebot_Hinzufuegen(const Spieler_Angebot* angebot);
// Number of offers for the player; with `aus` at most `max` of them, best first, and in
// *annehmer the bidder of an accepted one (-1 none).
int32_t Richter_Get_Spieler_Angebote(int32_t spnr, Spieler_Angebot* aus, int32_t max, int32_t* annehmer);
// Overwrites (or with `loeschen` withdraws) the stored offer of the same player and clubs; an
// accepted one cannot be withdrawn. True when there is none.
bool Richter_Set_Spieler_Angebot(const Spieler_Angebot* angebot, bool loeschen, bool melden);
bool Richter_Spieler_Angebot_Vorhanden(int32_t spnr, int32_t verein, int32_t bieter);
void Richter_Alle_Angebote_Zu_Einem_Spieler_Loeschen(int32_t spnr);
// The club's available players per kind (4 entries), its demand in percent for the player (9999:
// not for sale) and the surplus of his kind over the minimum.
void Richter_Get_Transfer_Artzahl(int32_t verein, int32_t spnr, int32_t* anzahl, int32_t* bedarf, int32_t* ueberschuss);
// Day on which the player's countdown runs out, -1 when it is not running.
int32_t Richter_Transfermarkt_Abgang_Datum(int32_t spnr);
// Tells the human bidders (`verein` itself only with `mit_verein`) `text`; with `hinweis` the
// refused player or the bidder's squad is displeased. Offers scored -3 were told already.
void Richter_Spieler_Angebot_Absage_Grund(const Spieler_Angebot* angebote, const int32_t* wertungen, int32_t n,
                                          int32_t verein, const char* text, bool mit_verein, bool hinweis);
// Decides the offers of one player, or of all (-1) whose countdown has run out.
void Richter_Check_Spieler_Angebote(int32_t spnr);
// Calls of the offer check so far (saved with the game).
extern int32_t Richter_Angebot_Aufrufe;

// --- the weekly transfer search of the clubs ---
void Richter_Spieler_Transfer_Marktplatz();
void Richter_Spieler_Transfer_Suche_Spieler(int32_t* vereine, int32_t anzahl);

// --- savegame block (position 17): the list in the list module's file form, server only ---
bool Richter_Write_Bin_Block(Disk_Datei* datei);
// Refuses a block with an unknown type, a payload of the wrong size or a team or player out of
// range, and keeps the running list.
bool Richter_Read_Bin_Block(Disk_Datei* datei, const char* version);

// A remote client fetches the list of pending requests from the server; the remote calls come
// with network play, until then there is nothing to fetch.
void Richter_Internet_Client_Get_Liste();

// True for an item of a known type whose payload has its size and whose teams and player exist.
bool Richter_Element_Gueltig(const Liste_Element* element);

// --- network images; the remote calls that carry them come with network play ---

// Request 50: copies of the offers in which Handelndes_Team bids or owns the player, in the list
// module's memory form (a new buffer, Mem_Free); the length.
uint32_t Richter_Internet_Server_Send_Liste(uint8_t** aus);
// The client's copy of that list replaces its own; false, and the copy kept, for a packet that
// does not read or holds an item it cannot trust.
bool Richter_Internet_Client_Liste_Einlesen(const uint8_t* block, uint32_t laenge);
// Request 51 on the server: a 28-byte offer that Handelndes_Team makes for a player of the club it
// names; the day, rating, patience and acceptance are set here.
bool Richter_Internet_Server_Neues_Angebot(const uint8_t* block, uint32_t laenge);
// A client's change of an offer (request 53): the bidder withdraws the stored offer, the player's
// club turns it down or accepts it; the terms stay the server's. False when refused.
bool Richter_Internet_Server_Set_Spieler_Angebot(const Spieler_Angebot& angebot, bool loeschen);
// Request 52 on the server: a camp request (type 2) or friendly-match proposal (type 4) of 44
// bytes that Handelndes_Team asks for goes to the front of the list.
bool Richter_Internet_Server_Neues_Element(const uint8_t* nutzlast, uint32_t groesse, int32_t typ);
