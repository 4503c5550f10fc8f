// The team chooser of the editors: a popup list with one page per continent (Europe split at
// "M"), each page up to 33 clubs with their small crests.
#pragma once
#include <cstdint>

struct Menue_Kontextmenue;

constexpr int32_t WETTBEWERBSLISTE_SEITEN = 7;

// Runs the chooser; the chosen team, -1 when it is left without a choice or cannot be shown.
int32_t Wettbewerbsliste_Team_Auswahl();
// The entries of page 0..6 (one static buffer), built from the team list of the running chooser.
Menue_Kontextmenue* Wettbewerbsliste_Seite_Fuellen(int32_t seite);
// Teams whose continent is `kontinent`.
int32_t Wettbewerbsliste_Teams_Zaehlen(int32_t kontinent);
// The entries' procedure: remembers the entry's team; always 1.
uint8_t Wettbewerbsliste_Eintrag_Waehlbar(int32_t eintrag, int32_t wert_c, int32_t wert_a, int32_t wert_b);
