// State of the match store shared by its source files (spiele*.cpp) and nobody else.
#pragma once
#include <cstdint>
#include <cstring>

#include "competitions/spiele.h"

// A sorted side array: entries of `groesse` bytes, each starting with its u32 key.
struct Spiele_Array {
    uint8_t* daten;
    int32_t anzahl;
    int32_t kapazitaet;
    uint32_t groesse;
    int32_t start_kapazitaet;
    const char* name_zu_klein;  // log line when it grows
    const char* kein_speicher;  // fatal message when growing fails
};

enum : int32_t { SPA_WETTBEWERB, SPA_EWIG, SPA_SERIEN, SPA_GEGEN, SPA_SIEGER, SPA_ANZAHL };
extern Spiele_Array spiele_arrays[SPA_ANZAHL];

inline uint32_t spiele_array_key(const Spiele_Array& a, int32_t i)
{
    uint32_t k;
    std::memcpy(&k, a.daten + size_t(i) * a.groesse, 4);
    return k;
}
inline uint8_t* spiele_array_eintrag(Spiele_Array& a, int32_t i) { return a.daten + size_t(i) * a.groesse; }
// Index of the key or -1.
int32_t spiele_array_suchen(const Spiele_Array& a, uint32_t key);
// The entry of the key; a missing one is inserted in order with its bytes after the key zeroed
// (the caller fills other defaults). Null only when `anlegen` is false and the key is absent.
uint8_t* spiele_array_holen(Spiele_Array& a, uint32_t key, bool anlegen, bool* neu = nullptr);
// Inserts m >= 1 keys (rising, none of them in the array yet) in order, each entry zeroed after
// its key; the room grows as for m single inserts. The index of the first key, -1 when there is
// nothing to insert into or memory runs out.
int32_t spiele_array_einfuegen(Spiele_Array& a, const uint32_t* keys, int32_t m);
void spiele_array_entfernen(Spiele_Array& a, int32_t i);

// True on a network client; markers report "Cl: Spiele <name>".
bool spiele_client_marker(const char* name);

// Counter writes of a card event, from Spiele_Set_Ereignis (cards module).
void spiele_karte_buchen(int32_t wettbewerb, int32_t spieler, int32_t team, uint32_t karte);
// Removes the per-competition counters of an owning competition unless one of the remaining
// fixture blocks still belongs to it (cards module).
void spiele_karten_nach_block_loeschen(int32_t wettbewerb);
// Competition id of a block's records, -1 for an empty or unknown block.
int32_t spiele_block_wettbewerb(int32_t block);
// Calls f(competition id of its records) for every block that has records.
void spiele_fuer_alle_bloecke(void (*f)(int32_t wettbewerb, void* ctx), void* ctx);
// Calls f(block id, competition id of its records) for every block that has records.
void spiele_fuer_alle_bloecke_id(void (*f)(int32_t block, int32_t wettbewerb, void* ctx), void* ctx);
// The stored events of a record (ereignis_anzahl of them, at most the per-match room), null when
// none are reserved or the run lies outside the array.
const Spiele_Ereignis* spiele_ereignisse_von(const Spiele_Spiel& s);

// Bumped by every write to a match record or event, so cached tables go stale at once.
extern uint32_t spiele_aenderungen;
// Bumped whenever the kept tables are dropped: what was read from them goes stale too.
extern uint32_t spiele_tabellen_verworfen;

// The records of a block (null when unknown), valid until the block changes.
const Spiele_Spiel* spiele_block_spiele(int32_t block, uint32_t* anzahl);
// Goal events of a match per side whose minute lies in von..bis (-1 open).
void spiele_tore_im_bereich(const Spiele_Spiel& s, int32_t von, int32_t bis, int32_t* heim, int32_t* gast);

struct Tabelle_Datensatz;
// Forecast result of an unplayed match (tip module).
bool spiele_tip_ergebnis(const Spiele_Spiel& s, int32_t* heim, int32_t* gast);
// The eternal table of the block's competition (eternal table module).
int64_t spiele_ewige_tabelle(int32_t block, int32_t drei_punkte, int32_t optionen, Tabelle_Datensatz* t,
                             int32_t team);

// A table's whole-season columns (points and games of every row, TAB_GESAMT) and its place
// order (slot at each place) as Spiele_Tabelle_Berechnen counts them for these `n` team numbers
// with no minutes, not eternal, not one club's games only and not on a network client; without
// the per-day areas and the previous day's order, and no table is kept. Each competition keeps
// its last count and counts the next one from the records that changed since (when each record
// counts for itself: one leg, no forecasts). False where that count fails (nothing written).
bool spiele_tabelle_zaehlen(int32_t wettbewerb, int32_t block, int32_t erster, int32_t letzter, int32_t drei,
                            int32_t optionen, const int32_t* team, int32_t n, int32_t live, int32_t* punkte,
                            int32_t* spiele, int32_t* platz);

// A client's fetches from the server (network module); false or -1 when the call failed.
struct Spiele_Team_Statistik;
bool spiele_fern_serien(int32_t wettbewerb, int32_t team, int32_t* werte, int32_t spalte);
bool spiele_fern_gegen(int32_t wettbewerb, int32_t team, int32_t gegner, int32_t* siege, int32_t* remis,
                       int32_t* niederlagen, int32_t* ergebnisse, int32_t kapazitaet);
bool spiele_fern_team_statistik(int32_t team, int32_t wettbewerb, int32_t erster, int32_t letzter, int32_t runde,
                                int32_t seiten, Spiele_Team_Statistik* aus, int32_t spieler);
int32_t spiele_fern_sieger(int32_t wettbewerb, int32_t saison);

// ---- A network client's copies (client module) ----

// A lock slot for a record; 0 with the no-lock message when none is free.
int32_t spiele_lock_nehmen(Spiele_Spiel* s);
// Lock on a client: the record from the cache, fetched from the server when missing.
int32_t spiele_client_lock(int32_t block, int32_t spieltag, int32_t runde, int32_t slot);
// Fetches the missing events of the run first..first+anzahl into the mirror.
void spiele_client_ereignisse_holen(int32_t erstes, int32_t anzahl);
// Forgets every fetched record and event (store set-up and release).
void spiele_client_zuruecksetzen();
// The store's own event array and its capacity (what a server sends).
const Spiele_Ereignis* spiele_ereignis_feld(int32_t* kap);
// The client's event mirror and its capacity; growing keeps what it holds and zeroes the rest.
Spiele_Ereignis* spiele_spiegel(int32_t* kap);
bool spiele_spiegel_vergroessern(int32_t kap);
void spiele_spiegel_freigeben();
// A client's table from the server (false when the call failed; the record is then untouched).
bool spiele_fern_tabelle(int32_t wettbewerb, int32_t block, int32_t erster, int32_t letzter, int32_t drei_punkte,
                         int32_t optionen, Tabelle_Datensatz* t, int32_t team, int32_t minuten_flag, int32_t von,
                         int32_t bis, int32_t live, int32_t ewig, int32_t limit, int64_t* ergebnis);
// Request 1042: the server's counters of the 100 keys from `key` on; keys it does not hold are
// kept as zeros so that they are not asked again. False when the call failed.
bool spiele_fern_wettbewerb_ereignisse(uint32_t key);
