// The archive of final tables (one compressed snapshot per competition and year, kept in the
// statistics module's list) and the statistics queries over it, the match store and the teams.
//
// Snapshot: 16-bit words, little-endian, each table value stored as its low 16 bits:
//   competition, team count n,
//   per slot: place order, previous order, team, then for total, home, away:
//             played, points, goals for, goals against            (15 words)
//   venue bits, one per slot and match day (slot outer), 16 to a word
//   result bits, two per slot and match day, 8 to a word
// with D = the competition's match days. The element payload is Compress_Block's output.
#pragma once
#include <cstdint>
#include <vector>

struct Tabelle_Datensatz;

uint32_t Statistik_Archiv_Schluessel(int32_t wettbewerb, int32_t jahr);

// The snapshot words of a table; empty when its competition is unknown or the record is bad.
std::vector<uint8_t> Statistik_Tabelle_Packen(const Tabelle_Datensatz* t);
// Writes the snapshot's fields into t (the rest stays). False when the words do not have the
// length that the competition's match days give.
bool Statistik_Tabelle_Entpacken(const uint8_t* woerter, uint32_t laenge, Tabelle_Datensatz* t);

bool Statistik_Tabelle_Archivieren(const Tabelle_Datensatz* t);
bool Statistik_Suche_Tabelle(Tabelle_Datensatz* t, int32_t wettbewerb, int32_t jahr);
// Years with a snapshot of the competition, ascending from the game's first year to this one.
int32_t Statistik_Tabellen_In_Array(int32_t wettbewerb, int32_t* jahre, int32_t max);
// One entry per snapshot that holds the team, newest first; places from 0; minus points -1
// where a win gives three points. Any array may be null.
int32_t Statistik_Tabellen_Suche_Team(int32_t team, int32_t* jahre, int32_t* wettbewerbe, int32_t* plaetze,
                                      int32_t* punkte, int32_t* minuspunkte, int32_t* tore, int32_t* gegentore,
                                      int32_t max);
bool Statistik_Tabelle_Team_Finden(int32_t team, const uint8_t* woerter, uint32_t laenge, int32_t* platz,
                                   int32_t* punkte, int32_t* minuspunkte, int32_t* tore, int32_t* gegentore);
// Titles of a team from the winners records, newest year first.
int32_t Statistik_Titel_Suchen(int32_t team, int32_t wettbewerb, int32_t* wettbewerbe, int32_t* jahre, int32_t* a,
                               int32_t* b, int32_t* c, int32_t max);
// The four queries above on a remote client: requests 1037-1040 to the server.
bool Statistik_Internet_Client_Suche_Tabelle(Tabelle_Datensatz* t, int32_t wettbewerb, int32_t jahr);
int32_t Statistik_Internet_Client_Tabellen_In_Array(int32_t wettbewerb, int32_t* jahre, int32_t max);
int32_t Statistik_Internet_Client_Tabellen_Suche_Team(int32_t team, int32_t* jahre, int32_t* wettbewerbe,
                                                      int32_t* plaetze, int32_t* punkte, int32_t* minuspunkte,
                                                      int32_t* tore, int32_t* gegentore, int32_t max);
int32_t Statistik_Internet_Client_Titel_Suchen(int32_t team, int32_t wettbewerb, int32_t* wettbewerbe, int32_t* jahre,
                                               int32_t* a, int32_t* b, int32_t* c, int32_t max);
// The team's matches (team -1: all) from today to the end of the season.
int32_t Statistik_Team_Spiele_Im_Jahr(int32_t team, int32_t wettbewerb, int32_t* gegner, int32_t* tage,
                                      int32_t* wettbewerbe, int32_t* seiten, int32_t max, int32_t seiten_filter);

int32_t Statistik_Team_Spieleranzahl(int32_t team);
float Statistik_Team_Alter(int32_t team, int32_t* aeltester, int32_t* alter_max, int32_t* juengster, int32_t* alter_min);
float Statistik_Team_Gehalt(int32_t team, int32_t* hoechster, int32_t* hoechst, int32_t* niedrigster,
                            int32_t* niedrigst, int32_t* summe);
float Statistik_Team_Vertragsdauer(int32_t team, int32_t* laengster, int32_t* laengst, int32_t* kuerzester,
                                   int32_t* kuerzest);
