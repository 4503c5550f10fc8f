// Resource numbers of the player detail window's pictures in the screen file. Its icon numbers
// are taken by other pictures there, so the window's pictures have a block of their own.
#pragma once
#include <cstdint>

constexpr int32_t DETAIL_BILD_FENSTER = 730;         // the window (icon 923)
constexpr int32_t DETAIL_BILD_KNOPF = 731;           // + 0..2: back, forward, done (icons 905-907)
constexpr int32_t DETAIL_BILD_SEITE = 734;           // + 0..12: the page toggles (icons 908-920)
constexpr int32_t DETAIL_BILD_LIEBLINGSFELD = 747;   // the favourite position's pitch
constexpr int32_t VERSICHERUNG_BILD_LOGO = 748;      // + company 0..5

// The transfer search's slots: the small pitch (72 x 108), the frame (111 x 140, + 1 active),
// the goal toggle (22 x 8, + 1 on), the active toggle (10 x 10, + 1 on), and the handles
// (8 x 8 a bar's, 7 x 7 a room corner's).
constexpr int32_t SUCHE_BILD_FELD = 760;
constexpr int32_t SUCHE_BILD_RAHMEN = 761;
constexpr int32_t SUCHE_BILD_TOR = 763;
constexpr int32_t SUCHE_BILD_AKTIV = 765;
constexpr int32_t SUCHE_BILD_REGLER = 767;
constexpr int32_t SUCHE_BILD_ECKE = 768;
