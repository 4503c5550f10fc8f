// Read-only statistics over the match records and events: a team's record over its played
// matches, a general event counter per player or per team, and the info lines of one match.
#pragma once
#include <cstdint>

constexpr int32_t SPIELE_STAT_MINUTEN = 200;
constexpr int32_t SPIELE_STAT_MASKEN = 10;

// Mask bits of the general counter besides the event flag bits.
constexpr uint32_t SPST_ZWEITER_SPIELER = 0x80000000u;  // per player: count the second player
constexpr uint32_t SPST_HEIMSPIELE = 0x20000000u;       // per team: home matches
constexpr uint32_t SPST_GESPIELT = 0x10000000u;         // per team: matches played
constexpr uint32_t SPST_ZUSCHAUER = 0x8000000u;         // per team: home attendance
constexpr uint32_t SPST_GEGNER = 0x4000000u;            // per team: count for the other side

// 3368 bytes, all i32; the "latest" pairs are (ordinal, position in block), -1 none.
struct Spiele_Team_Statistik {
    int32_t tore_minute[SPIELE_STAT_MINUTEN];
    int32_t chancen_minute[SPIELE_STAT_MINUTEN];
    int32_t gegentore_minute[SPIELE_STAT_MINUTEN];
    int32_t gegenchancen_minute[SPIELE_STAT_MINUTEN];
    int32_t tore, chancen, gegentore, gegenchancen;
    int32_t spiele, siege, unentschieden, niederlagen;
    int32_t spiele_mit_toren[10];
    int32_t spiele_mit_gegentoren[10];
    int32_t letzter_sieg[2];
    int32_t letzte_niederlage[2];
    int32_t erstes_tor[2];           // count, latest position
    int32_t erstes_gegentor[2];
    int32_t sieg_nach_rueckstand[2];
    int32_t niederlage_nach_fuehrung[2];
    int32_t minuten_ohne_tor;
    int32_t minuten_ohne_gegentor;
};
static_assert(sizeof(Spiele_Team_Statistik) == 3368);

// Fills `aus` over the team's played matches (team -1: any); wettbewerb -1 takes every
// competition; days and leg -1 are open; seiten 1 home, 2 away, 0 both; with a player only
// events naming him first count.
void Spiele_Team_Statistik_Berechnen(int32_t team, int32_t wettbewerb, int32_t erster, int32_t letzter,
                                     int32_t runde, int32_t seiten, Spiele_Team_Statistik* aus,
                                     int32_t spieler);

// Counts events per player or per team into zaehler[mask][number] (Spieler_Anzahl or
// Team_Anzahl columns), cleared first. False on bad arguments.
bool Spiele_Get_Statistik(int32_t pro_spieler, int32_t pro_team, const int32_t* wettbewerbe, int32_t anzahl,
                          const uint32_t* masken, int32_t masken_anzahl, int32_t erster, int32_t letzter,
                          int32_t von_minute, int32_t bis_minute, int32_t seiten, int32_t* zaehler);
// The same for one player: zaehler[mask], cleared first; no column per player is kept.
bool Spiele_Get_Statistik_Eines_Spielers(int32_t spieler, const int32_t* wettbewerbe, int32_t anzahl,
                                         const uint32_t* masken, int32_t masken_anzahl, int32_t erster,
                                         int32_t letzter, int32_t von_minute, int32_t bis_minute, int32_t* zaehler);

// Test hook: sees every count that runs (per-player flag, competitions).
using Spiele_Statistik_Hook = void (*)(int32_t pro_spieler, const int32_t* wettbewerbe, int32_t anzahl);
void Spiele_Set_Statistik_Hook(Spiele_Statistik_Hook hook);

struct Menue_Icon;
struct Menue_Kontextmenue;
// The info lines of the match a result cell stands for (tag 1: fixture block, tag 2:
// (match day - 1) x 256 + slot); asked twice in a row it shows the second leg. Null when the
// match cannot be locked.
Menue_Kontextmenue* Spiele_Info_Kontext_Erzeugen(Menue_Icon* icon);
