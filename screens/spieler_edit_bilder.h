// The player and club editors' pictures in the screen file, a block of their own (clear of the
// team information screen's buttons 1166-1179).
#pragma once
#include <cstdint>

constexpr int32_t EDIT_BILD_SPIELER = 3960;     // the player editor's window, 290 x 250
constexpr int32_t EDIT_BILD_VEREIN = 3961;      // the club editor's window, 400 x 252
constexpr int32_t EDIT_BILD_FELD = 3962;        // + 1 not usable: a field's face, 200 x 14 (cut to width)
constexpr int32_t EDIT_BILD_KATEGORIE = 3964;   // + 1 not usable: a face category's button, 14 x 14
constexpr int32_t EDIT_BILD_SPIELFELD = 3966;   // the favourite position's pitch in perspective, 117 x 71
constexpr int32_t EDIT_BILD_GRIFF = 3967;       // + 1 in goal: the position's handle, 7 x 7
constexpr int32_t EDIT_BILD_TORGRIFF = 3969;    // + 1 in goal: the goal's handle, 12 x 4
constexpr int32_t EDIT_BILD_WAPPEN = 3971;      // an empty crest's place, 40 x 40
constexpr int32_t EDIT_FELD_B = 200, EDIT_FELD_H = 14;
