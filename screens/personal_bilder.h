// The staff screen's pictures in the screen file, which the screen and the data builder share.
// The competition badges fill 1382 + picture number for every competition of the world (up to
// 1520) and the fonts follow, so the staff pictures have a block of their own.
#pragma once
#include <cstdint>

constexpr int32_t PERSONAL_BILD_ASSI = 3111;  // + applicant 0..7: the assistants' portraits
constexpr int32_t PERSONAL_BILD_ARZT = 3119;  // + applicant 0..7: the doctors' portraits
constexpr int32_t PERSONAL_BILD_B = 80, PERSONAL_BILD_H = 100;

// The applicant icons: + 16 for a doctor, + 8 hired, + applicant 0..7.
constexpr int32_t PERSONAL_BILD_BEWERBER = 3127;
constexpr int32_t PERSONAL_BEWERBER_B = 28;
// The step arrows 1132 and 1133: + 1 forward.
constexpr int32_t PERSONAL_BILD_PFEIL = 3159;
constexpr int32_t PERSONAL_PFEIL_B = 24, PERSONAL_PFEIL_H = 19;
// The symbols of the area labels 1097-1102 and the specialty labels 1104-1114, with see-through
// corners so that the holder's colour shows round them.
constexpr int32_t PERSONAL_BILD_BEREICH = 3171;  // + area 0..5
constexpr int32_t PERSONAL_BILD_FACH = 3177;     // + specialty 0..10
constexpr int32_t PERSONAL_SYMBOL_B = 22;

// Each applicant's colour, 4 bits a component: his icon and the labels he holds.
constexpr uint8_t PERSONAL_FARBE[8][3] = {{12, 3, 3}, {3, 10, 3}, {3, 5, 13}, {13, 11, 2},
                                          {11, 4, 12}, {2, 11, 11}, {14, 7, 2}, {8, 8, 8}};
// The screen's paper and ink, 4 bits a component.
constexpr uint8_t PERSONAL_PAPIER[3] = {14, 14, 12}, PERSONAL_TINTE[3] = {1, 1, 3};
