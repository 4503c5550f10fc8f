// The training page's pictures in the screen file and the places of its kind areas, which the
// page and the data builder share. Other pictures use the icons' numbers, so the page has a
// block of its own; ball and glove stand apart, for 1232 is the team comparison's background.
#pragma once
#include <cstdint>

constexpr int32_t TRAINING_BILD_HINTERGRUND = 1230;  // 600 x 440 at (0, 40): areas, names, symbols
constexpr int32_t TRAINING_BILD_GRIFF = 1231;        // the slider's handle (icon 1498)
constexpr int32_t TRAINING_BILD_BALL = 3972;         // a ball (icons 1510-1558)
constexpr int32_t TRAINING_BILD_HANDSCHUH = 3973;    // a glove (icons 1502-1509)
constexpr int32_t TRAINING_BILD_RAHMEN = 1234;       // highlight of a field kind (frames 1628-1641)
constexpr int32_t TRAINING_BILD_RAHMEN_TW = 1235;    // of a goalkeeper kind (frame 1642)
constexpr int32_t TRAINING_BILD_KO = 1236;           // the K.O. bar, 16 segments from below
constexpr int32_t TRAINING_BILD_SCHALTER = 1237;     // + 3 x switch + state: the trained tactic's switches

constexpr int32_t TRAINING_FLAECHE_B = 75, TRAINING_FLAECHE_H = 50;
constexpr int32_t TRAINING_KO_B = 16, TRAINING_KO_H = 48;
constexpr int32_t TRAINING_SCHALTER_B = 94, TRAINING_SCHALTER_H = 20;
constexpr int32_t TRAINING_GRIFF_B = 6, TRAINING_GRIFF_H = 14;

// Top left of each kind's area on screen: 14 field kinds, then the goalkeepers' three.
constexpr int16_t TRAINING_ORT[17][2] = {
    {255, 356}, {207, 407}, {311, 407}, {453, 231}, {405, 282}, {509, 282}, {255, 231}, {207, 282}, {311, 282},
    {205, 169}, {282, 169}, {359, 169}, {436, 169}, {513, 169}, {405, 407}, {509, 407}, {453, 356},
};
// The slider (icon 1498) and the goalkeepers' orange region.
constexpr int32_t TRAINING_REGLER_X = 24, TRAINING_REGLER_Y = 456, TRAINING_REGLER_B = 156, TRAINING_REGLER_H = 14;
constexpr int32_t TRAINING_TW_L = 400, TRAINING_TW_O = 351, TRAINING_TW_R = 590, TRAINING_TW_U = 462;
