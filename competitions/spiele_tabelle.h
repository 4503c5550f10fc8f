// League tables, computed on demand from the match records into a record of the caller, with a
// small cache of the last five results; the forecast ("Tip") of unplayed matches.
#pragma once
#include <cstddef>
#include <cstdint>

constexpr int32_t TABELLE_MAX_TEAMS = 128;
constexpr int32_t TABELLE_TAG_SLOTS = 24;   // slots of the per-day areas
constexpr int32_t TABELLE_MAX_TAGE = 245;   // match days of the per-day areas
constexpr int32_t TABELLE_EWIG_ZEILEN = 24;

// View options.
enum : int32_t {
    TAB_PUNKTE = 1,
    TAB_TORE = 2,
    TAB_GEGENTORE = 4,
    TAB_HEIM = 8,
    TAB_AUSWAERTS = 16,
    TAB_NUR_TEAM = 32,
    TAB_NORMAL = 31,
};
// Column parts.
enum : int32_t { TAB_GESAMT = 0, TAB_TEIL_HEIM = 1, TAB_TEIL_AUSWAERTS = 2 };
// Day results.
enum : uint16_t { TAB_SIEG = 0, TAB_REMIS = 1, TAB_NIEDERLAGE = 2 };

struct Tabelle_Datensatz {
    int32_t platz[TABELLE_MAX_TEAMS];   // slot at each place, best first
    int32_t vorher[TABELLE_MAX_TEAMS];  // the same before the last counted match day, -1 none
    int32_t anzahl;                     // rows in use
    int32_t team[TABELLE_MAX_TEAMS];    // team number by slot
    uint32_t key[TABELLE_MAX_TEAMS];    // by slot, by place after sorting (low 32 bits)
    int32_t spiele[3][TABELLE_MAX_TEAMS];
    int32_t punkte[3][TABELLE_MAX_TEAMS];
    int32_t tore[3][TABELLE_MAX_TEAMS];
    int32_t gegentore[3][TABELLE_MAX_TEAMS];
    // [day x 24 + slot]; the eternal table keeps [(column x 3 + result) x 24 + row] here.
    uint16_t tag_ergebnis[TABELLE_MAX_TAGE * TABELLE_TAG_SLOTS];
    uint8_t tag_ort[TABELLE_MAX_TAGE * TABELLE_TAG_SLOTS];  // 1 home, 0 away
    int32_t optionen;
    int32_t wettbewerb;
    uint8_t frei[20];
    int32_t tagesspiel[TABELLE_MAX_TEAMS];  // by slot: game number of the club's game of the day, 0 none
    uint8_t frei_2[4];  // keeps the record at its transfer size
};
static_assert(sizeof(Tabelle_Datensatz) == 26380);
static_assert(offsetof(Tabelle_Datensatz, tagesspiel) == 25864);

// Won/drawn/lost count of an eternal-table row (column TAB_GESAMT..., result TAB_SIEG...).
inline uint16_t& Tabelle_Ewig_Zaehler(Tabelle_Datensatz& t, int32_t teil, int32_t ergebnis, int32_t zeile)
{
    return t.tag_ergebnis[(teil * 3 + ergebnis) * TABELLE_TAG_SLOTS + zeile];
}

// Computes the table over match days erster..letzter (-1: open) into t, whose team count and
// team numbers the caller has filled. live: unplayed matches count with their forecast; ewig:
// the eternal table of the block's competition (at most 24 rows). Returns the low 32 bits of
// the team's sort key, -1 on failure or when the team has no row.
int64_t Spiele_Tabelle_Berechnen(int32_t wettbewerb, int32_t block, int32_t erster, int32_t letzter,
                                 int32_t drei_punkte, int32_t optionen, Tabelle_Datensatz* t, int32_t team,
                                 int32_t minuten_flag, int32_t von_minute, int32_t bis_minute, int32_t live,
                                 int32_t ewig, int32_t minuten_limit);
// Keys of up to 24 rows anew from the stored columns, and sorted again.
void Spiele_Tabelle_Umsortieren(Tabelle_Datensatz* t, int32_t optionen, int32_t drei_punkte);
// The sort key of one slot by the table formula, exact in 64 bits.
int64_t Spiele_Tabelle_Key(const Tabelle_Datensatz* t, int32_t slot, int32_t optionen, int32_t drei_punkte);

// The 0-based place of `team` in the kept table that Spiele_Tabelle_Berechnen (no minutes, not
// eternal) would copy out for a table of these `anzahl` team numbers, -1 when the club has no
// row; SPIELE_TABELLE_NICHT_GEHALTEN when no such table is kept and it must be counted. Nothing
// is copied and the kept tables stay as they were: a club's place costs no table of its own.
constexpr int32_t SPIELE_TABELLE_NICHT_GEHALTEN = -2;
int32_t Spiele_Tabelle_Gehaltener_Platz(int32_t wettbewerb, int32_t block, int32_t erster, int32_t letzter,
                                        int32_t drei, int32_t optionen, const int16_t* teams, int32_t anzahl,
                                        int32_t team, int32_t live);

void Spiele_Tabellen_Cache_Leeren();
void Spiele_Tabelle_Loesche_Backup(int32_t block);

// Forecast of a match: its real result when played. False when none can be made.
bool Spiele_Get_Tip(int32_t h, int32_t* heim_tore, int32_t* gast_tore, int32_t text);
