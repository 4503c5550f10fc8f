// Resource numbers of the player detail window's pictures in the screen file. Its icon numbers
// are taken by other pictures there, so the window's pictures have a block of their own.
#pragma once
#include <cstdint>

constexpr int32_t DETAIL_BILD_FENSTER = 730;         // the window (icon 923)
constexpr int32_t DETAIL_BILD_KNOPF = 731;           // + 0..2: back, forward, done (icons 905-907)
constexpr int32_t DETAIL_BILD_SEITE = 734;           // + 0..12: the page toggles (icons 908-920)
constexpr int32_t DETAIL_BILD_LIEBLINGSFELD = 747;   // the favourite position's pitch
constexpr int32_t VERSICHERUNG_BILD_LOGO = 748;      // + company 0..5
