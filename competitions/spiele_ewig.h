// Long-term records of the match store: the eternal table of each competition, the current
// series of every team, head-to-head records and the past winners of each competition. All are
// kept under the owning competition, so the rounds and groups of one competition count together.
#pragma once
#include <cstdint>

// Stored entries (little-endian, packed).
struct __attribute__((packed)) Ewige_Tabelle_Zeile {
    uint32_t key;  // owning competition x team count + team + 1
    uint16_t punkte[2];  // [home, away]
    uint16_t tore[2];
    uint16_t gegentore[2];
    uint16_t siege[2];
    uint16_t remis[2];
    uint16_t niederlagen[2];
};
static_assert(sizeof(Ewige_Tabelle_Zeile) == 28);

enum : int32_t {
    SERIE_OHNE_TOR, SERIE_OHNE_GEGENTOR, SERIE_NIEDERLAGEN, SERIE_SIEGE, SERIE_REMIS,
    SERIE_OHNE_SIEG, SERIE_OHNE_NIEDERLAGE, SERIE_ANZAHL
};
struct __attribute__((packed)) Spiele_Serie {
    uint32_t key;  // (owning competition or 640) x team count + team + 1
    uint8_t zaehler[SERIE_ANZAHL][3];  // [home, away, total]
};
static_assert(sizeof(Spiele_Serie) == 25);

struct __attribute__((packed)) Spiele_Gegen {
    uint32_t key;  // team x T + owning competition x T x T + opponent + 1
    uint8_t siege, remis, niederlagen;
    uint8_t letzte[5];  // newest first: own goals + 16 x opponent's goals, 255 none
};
static_assert(sizeof(Spiele_Gegen) == 12);

struct __attribute__((packed)) Spiele_Sieger {
    uint32_t key;  // season x 640 + owning competition + 1
    uint16_t sieger;
    uint16_t zweiter;  // 0xFFFF none
    uint8_t wert_1, wert_2;
};
static_assert(sizeof(Spiele_Sieger) == 10);

constexpr int32_t SERIE_ALLE = 640;

// Eternal table, series, head-to-head and winners of one finished match.
void Spiele_Set_Nachspiel_Statistik(int32_t h);

// modus 64 adds to the side's counters (ergebnis 1 win, 0 draw, 2 loss); any other mode clears
// the side. seite 0 home, 1 away.
void Spiele_Set_Ewige_Tabelle(int32_t wettbewerb, int32_t team, int32_t modus, int32_t punkte, int32_t tore,
                              int32_t gegentore, int32_t ergebnis, int32_t seite);
// Sums the asked sides (0 home, 1 away, 2 both) of the team's row of the block's competition.
bool Spiele_Get_Ewige_Tabelle(int32_t block, int32_t team, int32_t* punkte, int32_t* tore, int32_t* gegentore,
                              int32_t* siege, int32_t* remis, int32_t* niederlagen, int32_t ansicht);

// flags: one per series (SERIE_* order), non-zero when this match continues it.
void Spiele_Set_Serien(int32_t wettbewerb, int32_t team, const int32_t flags[SERIE_ANZAHL], int32_t seite);
// At the season change every series starts again: a form line of the season gone says nothing
// of the new one.
void Spiele_Serien_Zuruecksetzen();
// One column (0 home, 1 away, 2 total); werte (may be null) gets the seven counters.
bool Spiele_Get_Serien(int32_t wettbewerb, int32_t team, int32_t werte[SERIE_ANZAHL], int32_t spalte);

void Spiele_Set_Spiele_Gegen(int32_t wettbewerb, int32_t team, int32_t gegner, int32_t tore, int32_t gegentore);
// Over the owning competition, or with -1 over every owning competition once. ergebnisse gets up
// to `kapazitaet` triples (own goals, opponent's goals, competition), newest first per competition.
bool Spiele_Get_Spiele_Gegen(int32_t wettbewerb, int32_t team, int32_t gegner, int32_t* siege, int32_t* remis,
                             int32_t* niederlagen, int32_t* ergebnisse, int32_t kapazitaet);

void Spiele_Set_Wettbewerb_Sieger(int32_t wettbewerb, int32_t sieger, int32_t saison, int32_t zweiter,
                                  int32_t wert_1, int32_t wert_2);
int32_t Spiele_Get_Wettbewerb_Sieger(int32_t wettbewerb, int32_t saison, int32_t* zweiter, int32_t* wert_1,
                                     int32_t* wert_2);
// Winners from the calendar's first season to the current one, oldest first.
int32_t Spiele_Get_Wettbewerb_Sieger_Array(int32_t wettbewerb, int32_t* sieger, int32_t* saisons,
                                           int32_t kapazitaet);

int32_t Spiele_Ewige_Tabelle_Suchen(uint32_t key);
int32_t Spiele_Serien_Suchen(uint32_t key);
int32_t Spiele_Gegen_Suchen(uint32_t key);
int32_t Spiele_Sieger_Suchen(uint32_t key);
