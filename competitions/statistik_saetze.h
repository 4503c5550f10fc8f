// Remarkable facts about a team in plain sentences, for the facts page and the match report.
#pragma once
#include <cstdint>

// Writes up to `max` sentences (an indented continuation takes a buffer of its own) into
// texte[0..], each buffer `groesse` bytes; returns how many. wettbewerb -1: sentences that speak
// of the last matches of a competition are left out. seite 1 home, 2 away, 3 all, -1 from the
// match (lock handle `spiel`, 0 none). gegner -1: none.
int32_t Statistik_Fakten_Saetze(int32_t wettbewerb, int32_t team, int32_t gegner, int32_t seite, int32_t spiel,
                                char** texte, int32_t max, int32_t groesse);
