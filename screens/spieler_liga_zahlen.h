// A player's figures of his club's league, as the tooltip and the information panel show them.
#pragma once
#include <cstdint>

struct Spieler_Liga_Zahlen {
    int32_t einsaetze;
    int32_t tore, vorlagen;
    int32_t pro_spiel, pro_spiel_zehntel;  // goals per match, whole and tenths
    int32_t paraden;                       // balls a goalkeeper saved
    int32_t gelb, gelb_rot, rot;           // cards
};
// Appearances, and for a goalkeeper his saves, for a field player his goals, assists and goals
// per match, and his cards, over the league of `team` (the player statistics of the database).
Spieler_Liga_Zahlen Spieler_Liga_Zahlen_Holen(int32_t team, int32_t spnr);
