// State and helpers shared by the files of the competition module; not for other modules.
#pragma once
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

// Record by id, null when unknown or not ready.
Wettbewerb_Datensatz* wb_per_id(Wettbewerb_Id id);
inline bool wb_benutzt(const Wettbewerb_Datensatz& w) { return w.name[0] != 0; }
// The record of a link or owner value, null for -1 or a value outside the block.
Wettbewerb_Datensatz* wb_link(int32_t nummer);
// 0 while no Wettbewerb_Abfragen_Halten lives, else a number of the outermost hold, new with
// each one: what is worked out under it holds while the number stands.
uint64_t wb_halten_stand();

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
