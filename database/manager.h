// Human managers: one record per managed club, hung in the club's team record (team pointer field
// 153) and addressed by the team number. The record keeps the manager's portrait, his stored and
// manual line-ups, the development history of his players, the state of every screen icon, the
// advertising and training-camp data of his club and his training plan.
#pragma once
#include <cstdint>
#include <vector>

struct Disk_Datei;

constexpr int32_t MANAGER_ICON_ANZAHL = 2701;  // icon numbers 0..2700
constexpr int32_t MANAGER_KOEPFE = 45;         // portrait heads 0..44
constexpr int32_t MANAGER_ZUSATZSPIELER = 50;
constexpr int32_t MANAGER_ATTRIBUTE = 24;
constexpr int32_t MANAGER_VERLAUF = 52;
constexpr int32_t MANAGER_MANUELL = 50;
constexpr int32_t MANAGER_TRAININGSARTEN = 14;
constexpr int32_t MANAGER_BESUCHT = 15;
constexpr int32_t MANAGER_BESUCHT_LOG = 100;

// Six stored line-ups (formations 0..5 of the set), 864 bytes in the image.
struct Manager_Aufstellungssatz {
    uint8_t plaetze[6][20];    // (row, column) of the ten field places
    uint8_t bereiche[6][80];   // per field player: room corners, defensive and offensive place
    int16_t spieler[6][11];    // player at each place, the keeper last; -1 none
    uint16_t taktik[6][11];    // tactical word (link field 329) per place
};

// One entry of the manual line-up: eight pairs, the first of a pair for slot 0, the second for
// slot 1: link fields 316, 310-314, the flags masked with 0x30, and the player (0xFFFF ends).
struct Manager_Manuell_Eintrag {
    uint16_t werte[8][2];
};

// A player of the manager's squad with 52 past values of each of his 24 attributes.
struct Manager_Zusatzspieler {
    int16_t spnr;  // -1 free
    uint16_t verlauf[MANAGER_ATTRIBUTE][MANAGER_VERLAUF];
    uint8_t reserve[52];
};

// Per-manager state of the screens' icons. The visit history's pointer words are placeholders:
// the toolkit links the entries again by their icon numbers.
struct Manager_Icon_Zustand {
    uint32_t status[MANAGER_ICON_ANZAHL];
    uint16_t wort[MANAGER_ICON_ANZAHL];
    uint8_t luecke[2];
    uint32_t besucht_position;
    uint32_t besucht[MANAGER_BESUCHT];
    int16_t besucht_nr[MANAGER_BESUCHT];
    uint32_t log[MANAGER_BESUCHT_LOG];
    int16_t log_nr[MANAGER_BESUCHT_LOG];
    uint8_t ende[2];
};

// One stored setting of a manager: used or not, and the three settings bytes it holds.
constexpr int32_t MANAGER_EINSTELLUNGEN = 8;
struct Manager_Einstellung {
    uint8_t belegt;
    uint8_t optionen[3];
};

struct Manager_Struktur {
    uint8_t kopfnr;  // 306
    uint8_t reserve_1;
    Manager_Aufstellungssatz aufstellung[2];  // 301, 302
    Manager_Manuell_Eintrag manuell[MANAGER_MANUELL];
    Manager_Zusatzspieler zusatzspieler[MANAGER_ZUSATZSPIELER];  // 308
    uint8_t reserve_2[2];
    Manager_Icon_Zustand icons;  // 303
    uint8_t werbung[456];         // 304, kept for the advertising module
    uint8_t trainingslager[1320]; // 307, kept for the training camps
    float trainingsverteilung[MANAGER_TRAININGSARTEN];  // 305, percentages summing to 100
    uint8_t optionen[3];          // 309, read by the toolkit
    uint8_t reserve_3;
    // The manager's eight stored settings. Held in memory only: the record's image has its
    // fixed size and no room for them.
    Manager_Einstellung einstellungen[MANAGER_EINSTELLUNGEN];
};

// The record's image in savegames and packets, and the sizes and offsets of its blocks.
constexpr uint32_t MANAGER_STRUKTUR_BYTES = 149572;
constexpr uint32_t MANAGER_AUFSTELLUNG_BYTES = 864;
constexpr uint32_t MANAGER_ZUSATZSPIELER_BYTES = 2550;
constexpr uint32_t MANAGER_ICON_ZUSTAND_BYTES = 16904;
void Manager_Struktur_Packen(const Manager_Struktur& m, uint8_t* bytes);
void Manager_Struktur_Entpacken(const uint8_t* bytes, Manager_Struktur& m);
// False (the record untouched) for an image whose values the game cannot use.
bool Manager_Struktur_Pruefen(const uint8_t* bytes);

// Fields of a manager record; the team accessors forward their ids 300..311 here. Only 306, the
// portrait head number, is a value; 301-305 and 307-309 are blocks: mode 0 gives their address,
// mode 1 copies the block's image from the buffer into the record, other modes copy it out.
int32_t Manager_Wert(int32_t feld, Manager_Struktur* manager, uint8_t modus, int32_t wert);
void* Manager_Zeiger(int32_t feld, Manager_Struktur* manager, void* puffer, uint8_t modus);
const char* Manager_String(int32_t feld, Manager_Struktur* manager, uint8_t modus);

// Tests put a double of the toggle states here (null: none); Manager_Icon_Button_Lesen and
// Manager_Icon_Button_An_Aus go to it first.
using Manager_Icon_Lese_Hook = uint32_t (*)(int32_t team, int32_t icon);
using Manager_Icon_Schreib_Hook = void (*)(int32_t team, int32_t icon, uint32_t zustand);
void Manager_Icon_Set_Hook(Manager_Icon_Lese_Hook lesen, Manager_Icon_Schreib_Hook schreiben);
// A remote client renews its copies of the manager records and of their scroll positions.
void Manager_Internet_Client_Refresh();
void Manager_Internet_Client_Scrollpos_Refresh();
// Resets every used entry of the manager's stored settings; the number reset.
int32_t Manager_Einstellungen_Zuruecksetzen(Manager_Struktur* manager);
// Frees a manager record and returns null.
Manager_Struktur* Manager_Freigeben(Manager_Struktur* manager);
// Entry of the table of ten default first names of new managers (index modulo 10).
const char* Manager_Standard_Vorname(int32_t index);

// The player's history entry in the team's manager record; null on a pure client, for a team
// without manager or when he has none.
Manager_Zusatzspieler* Manager_Zusatzspieler_Array_Position(int32_t team, int32_t spnr);
// Gives every player of the team an entry (server only).
void Manager_Init_Zusatzspieler_Struktur(int32_t team);
// An arriving player takes a free entry, filled with his present attributes; a leaving one frees
// his. False when no entry is free or none is found.
bool Manager_Zusatzspieler_Anlegen(int32_t team, int32_t spnr);
bool Manager_Zusatzspieler_Freigeben(int32_t team, int32_t spnr);

// Icon state of the screens per manager. On a PC that runs a client only the acting team's
// (Handelndes_Team) state is reachable.
void Manager_Icon_Button_An_Aus(int32_t team, int32_t icon, uint32_t status);
uint32_t Manager_Icon_Button_Lesen(int32_t team, int32_t icon);
void Manager_Icon_Word_Data_Schreiben(int32_t team, int32_t icon, uint16_t wert);
uint16_t Manager_Icon_Word_Data_Lesen(int32_t team, int32_t icon);
void Manager_Icon_Word_Data_Setzen(int32_t team, int32_t icon, int16_t wert);
// The sum of the listed icons' states, each shifted left by its place in the list when
// `schieben` is set.
uint32_t Manager_Icon_Buttons_In_Bitfeld(int32_t team, int32_t schieben, int32_t anzahl, ...);
// The first listed icon whose state is not 0, -1 none.
int32_t Manager_Icon_Welcher_Togglebutton_Ist_An(int32_t team, int32_t anzahl, ...);
// The chosen icon of the listed ones gets state 1, the others 0.
void Manager_Icon_Togglebutton_An_Aus(int32_t team, int32_t anzahl, int32_t gewaehlt, ...);
// Raw presets of an icon state block, used when a manager is made.
void Manager_Icon_Status_Vorbelegen(Manager_Icon_Zustand* zustand, int32_t icon, uint32_t status);
void Manager_Icon_Word_Data_Vorbelegen(Manager_Icon_Zustand* zustand, int32_t icon, uint16_t wert);

// Presets stored line-up set 0 (formations 2..7) or 1 (formations 0..5) of the team's manager.
void Manager_Aufstellung_Vorbelegen(int32_t team, int32_t satz);

// Number of teams that hold a manager record; the manager lifecycle keeps it and the turn order
// checks it. The copy goes into the network header.
extern int32_t Manager_Anzahl;
extern int32_t Manager_Anzahl_Netz;
constexpr int32_t MANAGER_DRAN_MAX = 100;

// A human manager takes over the team; a manager leaves the game (his team becomes computer-run).
void Manager_Neuer_Mitspieler(int32_t team, const char* name);
void Manager_Mitspieler_Killen(int32_t team);
// The acting manager changes club after two confirmations.
void Manager_Teamwechsel(int32_t alt, int32_t neu);
// Moves the record of `von` to `nach`; `von` takes `nach`'s former record, or none.
bool Manager_Team_Wechsel(int32_t von, int32_t nach);
// The teams of the human managers whose turn it is, into feld (room for MANAGER_DRAN_MAX);
// feld[0] is -1 when there is none. Mode 1 asks for the managers at this PC only: on the
// server its own manager. Returns the count, -1 on a fault.
int32_t Manager_Ist_Dran(int32_t* feld, bool mischen, int32_t modus);
// Store and restore the line-up of Aktuelles_Team in slot 0 or 1 of the manual line-up.
void Manager_Manuelle_Aufstellung_Speichern(int32_t slot);
void Manager_Manuelle_Aufstellung_Lesen(int32_t slot);
// At game start: refreshes the competition entries of Aktuelles_Team.
void Manager_Init_Eingang_Icons();

// The manager module's savegame block (u32 Manager_Anzahl, u32 Schwierigkeitsstufe), and one
// manager record inside the team block. The reader gives a new record, null when it refuses.
bool Manager_Write_Bin_Block(Disk_Datei* datei);
bool Manager_Read_Bin_Block(Disk_Datei* datei, const char* version);
bool Manager_Team_Write_Bin_Block(Disk_Datei* datei, const Manager_Struktur* manager);
Manager_Struktur* Manager_Team_Read_Bin_Block(Disk_Datei* datei);

// The training plan: 14 weights normalised to percentages in the manager record, whole units
// per type (0..5) in team pointer field 805.
void Manager_Trainingsverteilung_Normieren(int32_t team, const int8_t* gewichte);
void Manager_Trainingseinheiten_Verteilen(int32_t team, int32_t einheiten, bool behalten);
// All 14 weights 2 for `einheiten` units; the knob position of the units on their scroll bar.
int32_t Manager_Trainingsverteilung_Vorbelegen(int32_t team, int32_t einheiten);
// The three goalkeeper training bytes (team pointer field 814): 2, 3, 2.
void Manager_Training_Vorbelegen(int32_t team);


// The manager record's blocks that travel to a client (request 30) in this order: both stored
// line-up sets, the manual line-up, advertising, training camps, training distribution, options.
// Request 33 sends them back without the manual line-up (index 1).
struct Manager_Netz_Block {
    uint32_t offset, bytes;  // in the record's image
};
constexpr int32_t MANAGER_NETZ_BLOECKE = 6;
extern const Manager_Netz_Block Manager_Netz_Bloecke[MANAGER_NETZ_BLOECKE];
// The blocks of request 30 (mit_manuell) or 33 of the team's manager, one after the other.
bool Manager_Internet_Bloecke_Packen(int32_t team, bool mit_manuell, std::vector<uint8_t>* aus);
// Takes such blocks into the team's manager record; false, and the record untouched, for a
// packet of the wrong length or with values the game cannot use.
bool Manager_Internet_Bloecke_Einlesen(int32_t team, bool mit_manuell, const uint8_t* block, uint32_t laenge);
// The server's reader of request 33: of the client's blocks it takes what the manager sets on his
// screens (stored line-ups, the advertising promise and agencies, camp programmes and new club
// events, the training distribution, the options), each checked, and keeps its own values for the
// rest. False, the record untouched, for a packet of the wrong length or a value out of range.
bool Manager_Internet_Server_Bloecke_Uebernehmen(int32_t team, const uint8_t* block, uint32_t laenge);
