// State and helpers shared by the files of the competition module; not for other modules.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "competitions/wettbewerb.h"

// The 128 records, null while none are loaded.
extern Wettbewerb_Datensatz* wb_daten;
extern bool wb_bereit;
// Set when records come in whole (Wettbewerb_Uebernehmen: configuration, savegame, server), the
// only way the -3 marks of places arrive; cleared once the daily clearing has looked.
extern bool wb_ziel_marken_moeglich;
// Count of the changes that may move a record's id or name (the lookup by id rests on them):
// new, cleared or released records, and every record handed out writable. A writer of ids or
// names that reaches the records another way counts here itself.
extern uint64_t wb_liste_stand;

inline bool wb_benutzt(const Wettbewerb_Datensatz& w) { return w.name[0] != 0; }
// The first record in use of each id, as the search through the records finds it; it stands
// while the change count and the block stand (stand ~0: to be built again). A hit is taken
// only while its record still carries the id; everything else is searched.
struct Wb_Id_Index {
    uint64_t stand = ~uint64_t(0);
    const Wettbewerb_Datensatz* daten = nullptr;
    std::array<int16_t, WETTBEWERB_MAX_ID + 1> nummer{};  // -1 none
    Wettbewerb_Datensatz* treffer(Wettbewerb_Id id) const
    {
        const int16_t n = nummer[size_t(id)];
        return n >= 0 && wb_daten[n].id == id && wb_benutzt(wb_daten[n]) ? &wb_daten[n] : nullptr;
    }
};
extern Wb_Id_Index wb_id_index;
Wettbewerb_Datensatz* wb_per_id_suchen(Wettbewerb_Id id);
// Record by id, null when unknown or not ready.
inline Wettbewerb_Datensatz* wb_per_id(Wettbewerb_Id id)
{
    if (wb_bereit && wb_daten && uint32_t(id) <= uint32_t(WETTBEWERB_MAX_ID) && wb_id_index.stand == wb_liste_stand &&
        wb_id_index.daten == wb_daten)
        if (Wettbewerb_Datensatz* w = wb_id_index.treffer(id)) return w;
    return wb_per_id_suchen(id);
}
// The record of a link or owner value, null for -1 or a value outside the block.
inline Wettbewerb_Datensatz* wb_link(int32_t nummer)
{
    return wb_daten && nummer >= 0 && nummer < WETTBEWERB_ANZAHL ? &wb_daten[nummer] : nullptr;
}
// 0 while no Wettbewerb_Abfragen_Halten lives, else a number of the outermost hold, new with
// each one: what is worked out under it holds while the number stands.
uint64_t wb_halten_stand();

// A league's counted table, read by slot (the competition's list order) and by place.
struct Wb_Gezaehlte_Tabelle {
    int32_t zeilen = 0;
    int32_t team[WETTBEWERB_MAX_TEAMS] = {}, punkte[WETTBEWERB_MAX_TEAMS] = {}, spiele[WETTBEWERB_MAX_TEAMS] = {};
    int32_t team_am_platz[WETTBEWERB_MAX_TEAMS] = {};
    // The club's 0-based place, -1 when it has no row.
    int32_t platz_von(int32_t team) const;
};
// The table of competition w over match days erster..letzter counted from its fixtures for the
// `n` team numbers of `liste` (its current list), null when it cannot be counted or `team` has
// no row in a table of one club's games. Kept per competition while the fixtures and the
// question stand; valid until the next call.
const Wb_Gezaehlte_Tabelle* wb_gezaehlte_tabelle(const Wettbewerb_Datensatz& w, int32_t erster, int32_t letzter,
                                                 int32_t optionen, int32_t live, const int16_t* liste, int32_t n,
                                                 int32_t team);

// Checks a block of records and derives reverse links and owners in place. Returns "" when
// the block is sound, else the German reason naming the competition and the keyword.
std::string wb_pruefen_und_ableiten(Wettbewerb_Datensatz* recs, int32_t anzahl, int32_t team_anzahl);
// Display of a record for messages: "\"NAME\" (IDENTIFIKATION)" or "Nr. n".
std::string wb_bezeichnung(const Wettbewerb_Datensatz& w, int32_t nummer);
// The number field a keyword names, null when it names none.
int32_t* wb_zahlfeld(Wettbewerb_Datensatz& w, const char* wort);
// Reads a configuration text (the entries behind the CHECKSUMME line) through the reader and its
// checks into `recs` (WETTBEWERB_ANZAHL records) without installing anything; the reader's sum
// goes to *summe, a refusal's reason to *grund.
bool wb_config_text_lesen(const std::string& text, int32_t alias_set, Wettbewerb_Datensatz* recs, uint32_t* summe,
                          std::string* grund);
// The first character among the first `max` of a text that a quoted value in the file cannot
// hold ('"', '[', ']', control characters), 0 when there is none.
int32_t wb_text_zeichen_falsch(const char* text, size_t max);
// Daily jobs of the rule vote (start on 1 March, decision at the deadline) and of the friendly
// competition (today's match day from the calendar).
void wb_regel_tag();
// The daily clearing of the place marks: a full look only after records came in.
void wb_ziel_marken_taeglich();
void wb_freundschaft_tag();
