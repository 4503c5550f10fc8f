// Team-player links: one TS record per player of a team, kept in the team's list (keyed by the
// player number), with the field-id accessor Teamspieler_Wert, listings with filters, arrivals
// and departures, back numbers and the record of completed transfers.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The link record. Its layout is the stored one: bytes 0-31 go to clients, 32-51 stay on the
// server.
struct TS {
    uint32_t flags;              // 317
    int16_t deckt;               // 316 opposing player he marks, -1 none
    int16_t gedeckt_von;         // 309 opposing player who marks him, -1 none
    int16_t position;            // 310 main position 0..458, 459 keeper, -1 none
    int16_t bereich_a;           // 311
    int16_t bereich_b;           // 312
    int16_t position2_a;         // 313
    int16_t position2_b;         // 314
    uint8_t rueckennummer;       // 300
    int8_t ankunft_art;          // 304
    int8_t vertrag_monate;       // 305
    uint8_t reserve_21;
    int16_t versicherung_kosten; // 308, unit 500 DM
    int16_t gehalt;              // 301, unit 1000 DM
    int16_t herkunft;            // 318
    uint16_t taktik;             // 329
    uint16_t reserve_30;
    int32_t ankunft_tag;         // 323
    uint8_t reserve_36;
    int8_t versicherung_monate;  // 303
    int8_t wert_324;             // 324
    int8_t wert_306;             // 306
    int8_t versicherer;          // 307
    int8_t leih_rest;            // 326
    int8_t versicherung_tage;    // 328
    uint8_t reserve_43;
    int16_t versicherung_zahlung; // 302, unit 500 DM
    int16_t versicherung_erhalten; // 327, unit 500 DM
    uint16_t spnr;               // 315
    uint16_t reserve_50;
};
static_assert(sizeof(TS) == 52);

constexpr uint32_t TS_BYTES = 52;
constexpr uint32_t TS_WRITE_SORT_BYTES = 32;
constexpr uint32_t TS_SERVER_ONLY_BYTES = 20;
void Teamspieler_TS_Packen(const TS& ts, uint8_t* bytes);
void Teamspieler_TS_Entpacken(const uint8_t* bytes, TS& ts);

// Flag bits of field 317.
enum : uint32_t {
    TS_STARTELF = 0x10, TS_ERSATZ = 0x20, TS_ARZT = 0x40, TS_PROBE = 0x1000, TS_KAPITAEN = 0x2000,
    TS_TRANSFERLISTE = 0x20000,
};
// Filter bits of Teamspieler_Ins_Array besides the line bits 0-3 and the flag bits.
constexpr int32_t TS_FILTER_OHNE_WECHSLER = 0x40000;
constexpr int32_t TS_FILTER_NICHT_AUFGESTELLT = 0x100000;

constexpr int32_t TEAMSP_TRANSFERLISTE = 320;
constexpr int32_t TEAMSP_SPIELER_WETTBEWERB_LISTE = 321;
constexpr int32_t TEAMSP_TRANSFER_PRIORITY_LISTE = 322;
constexpr int32_t TEAMSP_TRANSFERLISTE_ANZAHL = 2500;
// Table 321: the target player count of each league system (u16 per competition id). Table 322:
// the clubs' open search interests, highest priority first, each (slot, priority, team, system);
// an empty one has priority -1 and team -1.
constexpr int32_t TEAMSP_SYSTEME = 384;
constexpr int32_t TEAMSP_INTERESSEN = 255;

struct Teamspieler_Transfer {
    uint16_t spieler, verkaeufer, kaeufer, abloese, art, reserve;
    uint32_t tag;
};

int32_t Teamspieler_Wert(int32_t feld, int32_t team, int32_t spieler, int32_t wert, uint8_t modus);
void* Teamspieler_Zeiger(int32_t feld, int32_t schreiben, void* zeiger = nullptr);
TS* Teamspieler_Get_Record(int32_t team, int32_t spieler);
int32_t Teamspieler_Ist_Im_Team(int32_t team, int32_t spieler);
int32_t Teamspieler_Ins_Array(int32_t team, int32_t* feld, int32_t kapazitaet, int32_t filter);
// As Teamspieler_Ins_Array, with each player's link record in `records` beside his number
// (either may be null): a loop over a squad's records need not look each player up again.
int32_t Teamspieler_Kader(int32_t team, int32_t* feld, TS** records, int32_t kapazitaet, int32_t filter);
int32_t Teamspieler_Get_Team_Des_Spielers(int32_t hinweis, int32_t spieler, int32_t hinweis_2);
// Positions 310-314 as (row, column): aus[2k] row, aus[2k+1] column; null entries are skipped.
void Teamspieler_Get_Positionen(int32_t team, int32_t spieler, int32_t* aus[10]);
void Teamspieler_Set_Manndeckung(int32_t spieler_a, int32_t team_a, int32_t spieler_c, int32_t team_c);
// A write (mode 1) of field `feld` of the player, as Teamspieler_Wert makes it, into his link
// record at hand (`ts`, as his squad's listing hands it over) where a server may write it in
// place; otherwise (no record, a client, a field or value for the checks) through Teamspieler_Wert.
void Teamspieler_Wert_Schreiben(TS* ts, int32_t feld, int32_t team, int32_t spieler, int32_t wert);
int32_t Teamspieler_Zaehle_Startelf(int32_t team, int32_t* kapitaen, int32_t* schnitt, bool mit_probe);
int32_t Teamspieler_Rueckennummer_Zuweisen(int32_t spieler, int32_t team, int32_t wunsch);
// richtung bit 0: the player comes (else he goes); gehalt in thousand DM.
bool Teamspieler_Kommt_Oder_Geht(int32_t richtung, int32_t team, int32_t spieler, int32_t gehalt,
                                 int32_t art, int32_t monate, int32_t quelle, bool folgen);
void Teamspieler_Transfer_Speichern(int32_t verkaeufer, int32_t kaeufer, int32_t spieler,
                                    int32_t abloese, int32_t art);
// Career points for a contract of player `spieler` between clubs a (his club) and b at the agreed
// salary and fee (thousand DM), rated over `monate` months; kind 1 takes the plain valuation, any
// other the offer's. The manager of b (a move) and of a (his own club) gets them.
void Teamspieler_Vertragspunkte_Machen(int32_t a, int32_t b, int32_t spieler, int32_t gehalt, int32_t abloese,
                                       int32_t monate, int32_t art);
// The interest list for its builder, who fills it whole: it counts as fresh from here on.
int32_t (*Teamspieler_Interessen_Neu())[4];
// A batch of moves (the arbiter's day): between the two calls a move with follow-ups only marks
// its club, and the end rebuilds each marked club's line-up once. Batches nest.
void Teamspieler_Folgen_Sammeln();
void Teamspieler_Folgen_Ausfuehren();
void Teamspieler_Init_Listen();
// The 100 search lists of 134 bytes, each with its first twelve words 0xFFFF.
void Teamspieler_Suchlisten_Init();
int32_t Teamspieler_Leer();
void Teamspieler_Log_Strukturgroessen();
// Scans a team configuration text: the team count (highest NUMMER + 1) and, through the out
// value, the highest player number of any SPIELER list (-1 none).
int32_t Teamspieler_Config_Max_Spielernummer(const char* text, int32_t* max_spieler);
// Writes the squads of the game back into a team configuration text: in each team block the
// SPIELER entries are replaced by one SPIELER line per player of the team's list, where the
// first of them stood (or after NUMMER); everything else stays as it was, and a CHECKSUMME at
// the head is renewed. False with a German message, and *neu untouched, when the text does not
// describe the game's teams.
bool Teamspieler_Config_Speichern(const char* text, std::string* neu);
// A remote client renews its copies of the team-player links from the server.
void Teamspieler_Internet_Client_Refresh();

// The links' savegame block (server only); the reader checks every count, team and player.
struct Disk_Datei;
bool Teamspieler_Write_Bin_Block(Disk_Datei* datei);
bool Teamspieler_Read_Bin_Block(Disk_Datei* datei, const char* version);

// --- network images (the remote calls that carry them come with network play) ---
// Requests 40 and 41: the links of the given teams (34 bytes each, 6 more per team of one).
bool Teamspieler_Internet_TS_Block_Packen(const int32_t* teams, int32_t anzahl, std::vector<uint8_t>* aus);
// The client's copy: each team in the packet gets its list anew; false, and nothing changed,
// for a packet with counts beyond it or teams and players that do not exist.
bool Teamspieler_Internet_TS_Block_Einlesen(const uint8_t* block, uint32_t laenge);
// Request 42: the own line-up (24-byte entries) and the opponent's markers (4-byte entries).
bool Teamspieler_Internet_Aufstellung_Packen(int32_t team, int32_t gegner, std::vector<uint8_t>* eigene,
                                             std::vector<uint8_t>* fremde);
bool Teamspieler_Internet_Server_Get_Data_Back(int32_t team, int32_t gegner, const uint8_t* eigene, uint32_t laenge,
                                               const uint8_t* fremde, uint32_t fremd_laenge);
