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

// The player lists and cards: the name column's flag marks (9 x 9, masked), the four small
// figure pictures (24 x 36, grey, tinted when drawn) and their marker (7 x 7), the card's
// background (118 x 72) and the four player-type pictures (14 x 14, grey, tinted).
constexpr int32_t LISTE_BILD_MARKE = 770;
enum Spieler_Marke : int32_t {
    MARKE_VERLETZT, MARKE_BEHANDLUNG, MARKE_SPERRE_DROHT, MARKE_PROBE, MARKE_KAPITAEN, MARKE_FREIGABE,
    MARKE_ANGEBOT, MARKE_ANZAHL
};
constexpr int32_t LISTE_BILD_FIGUR = 778;     // + kind 0..3
constexpr int32_t LISTE_BILD_FIGUR_MARKE = 782;
constexpr int32_t LISTE_BILD_KARTE = 783;
constexpr int32_t LISTE_BILD_TYP = 784;       // + player type 0..3 (goalkeeper .. forward)
constexpr int32_t FIGUR_B = 24, FIGUR_H = 36, KARTE_B = 118, KARTE_H = 72;
// The line-up screen's assistant (1277-1280) and doctor marks (1281-1284), 10 x 15.
constexpr int32_t AUFSTELLUNG_BILD_ASSI = 1277, AUFSTELLUNG_BILD_ARZT = 1281;
