// Player statistics: one 68-byte record per player ever fielded (career totals and short
// histories), sorted by player number; and the archive of final tables, saved with it.
#pragma once
#include <cstddef>
#include <cstdint>

#include "platform/liste.h"

// Stored byte for byte in the savegame (little-endian).
struct Statistik_Spieler {
    int32_t spieler;
    uint16_t tore;
    uint16_t einsaetze;
    uint16_t international;
    uint16_t minuten;
    uint8_t saison_werte[8];       // newest first, 0xFF empty
    uint16_t saison_staerke[8];    // newest first, 0xFFFF empty
    uint8_t noten[16];             // newest first, 0xFF empty; STAT_NOTE_* bits
    uint8_t minuten_letzte[16];    // newest first, 0xFF empty
};
static_assert(sizeof(Statistik_Spieler) == 68);
static_assert(offsetof(Statistik_Spieler, saison_staerke) == 20 && offsetof(Statistik_Spieler, noten) == 36);
static_assert(offsetof(Statistik_Spieler, minuten_letzte) == 52);

// Match-mark entry bits.
enum : uint8_t {
    STAT_NOTE_MASKE = 0x07,
    STAT_NOTE_EINGEWECHSELT = 0x08,
    STAT_NOTE_AUSGEWECHSELT = 0x10,
    STAT_NOTE_GESCHLOSSEN = 0x20,
};

constexpr int32_t STATISTIK_START_KAPAZITAET = 1500;

void Statistik_Init();
void Statistik_Deinit();
bool Statistik_Ist_Initialisiert();

// An update whose fields all say "unchanged" (0xFF bytes), for the given player.
Statistik_Spieler Statistik_Leeres_Update(int32_t spieler);
// Applies an update; a missing record is created only with `anlegen`.
void Spiele_Set_Statistik_Spieler(int32_t spieler, const Statistik_Spieler* update, int32_t anlegen);
bool Spiele_Get_Statistik_Spieler(int32_t spieler, Statistik_Spieler* aus);
int32_t Statistik_Spieler_Suchen(int32_t spieler);
void Statistik_Get_Anzahl(int32_t* anzahl, int32_t* kapazitaet);

// The archive list (the archive module works on it).
Liste* Statistik_Tabellen_Archiv();

// Savegame block (position 29): the archive list, u32 count, u32 capacity, count records.
struct Disk_Datei;
bool Statistik_Speichern(Disk_Datei* datei);
// A damaged block is refused as a whole; the store keeps what it held.
bool Statistik_Laden(Disk_Datei* datei, const char* version);

// The pause of the report pages: ends at a key, a click or after `ms` milliseconds (without
// `ohne_loslassen` first waiting for the mouse button to be released); 1. The pause comes with
// the draw pages; until then it returns at once, or runs a test's hook.
int32_t Auslosung_Warten(int32_t ms, int32_t ohne_loslassen);
using Auslosung_Warten_Hook = int32_t (*)(int32_t ms, int32_t ohne_loslassen);
void Auslosung_Set_Warten_Hook(Auslosung_Warten_Hook hook);

// Remarkable facts about a team (and its meetings with the opponent) in German sentences, at
// most `max` into 256-byte buffers; the count written (the sentences of statistik_saetze.h).
int32_t Statistik_Fakten_Saetze(int32_t wettbewerb, int32_t team, int32_t gegner, int32_t seite, int32_t spiel,
                                char (*saetze)[256], int32_t max);

// A player's figures of the current league season in his club's league: goals, appearances and
// assists; zeros for a player without a club in a league.
void Statistik_Spieler_Liga_Werte(int32_t spieler, int32_t* tore, int32_t* einsaetze, int32_t* vorlagen);
