// The face parts of the player portraits (36 x 41), drawn in code: seven head bases, fifteen eye
// pairs, two moustache parts, twenty hairstyles, thirteen noses, ten mouths, nothing / glasses /
// beard, and the shirt mask with its twin. Each part carries its place in the portrait as the
// bitmap's x and y offsets; pixel 0 is see-through.
#pragma once
#include <cstdint>
#include <string>

#include "tools/datagen/manifest.h"
#include "tools/datagen/resf_writer.h"

constexpr int32_t GESICHT_ERSTES = 6133, GESICHT_LETZTES = 6205, GESICHT_LUECKE = 6170;

// Size and place of the parts of each category (0 eyes, 1 moustache, 2 hair, 3 heads, 4 noses,
// 5 mouths, 6 glasses and beard, 7 shirt masks); the glasses (6201 + 1) have their own.
struct Gesicht_Teil_Mass {
    int32_t erste, anzahl;
    uint16_t w, h, x, y;
};
constexpr Gesicht_Teil_Mass GESICHT_MASSE[8] = {
    {6133, 15, 18, 6, 9, 14}, {6148, 2, 12, 3, 12, 25}, {6150, 20, 36, 26, 0, 0}, {6171, 7, 36, 41, 0, 0},
    {6178, 13, 7, 7, 15, 19},  {6191, 10, 14, 5, 11, 27}, {6201, 3, 24, 12, 6, 25}, {6204, 2, 36, 8, 0, 33},
};
constexpr Gesicht_Teil_Mass GESICHT_BRILLE = {6202, 1, 17, 7, 9, 14};

// Size and place of face part `nummer` (6133..6205 but 6170); false for another number.
inline bool Gesicht_Teil_Masse(int32_t nummer, uint16_t* w, uint16_t* h, uint16_t* x, uint16_t* y)
{
    for (const Gesicht_Teil_Mass& m : GESICHT_MASSE)
        if (nummer >= m.erste && nummer < m.erste + m.anzahl) {
            const Gesicht_Teil_Mass& g = nummer == GESICHT_BRILLE.erste ? GESICHT_BRILLE : m;
            if (w) *w = g.w;
            if (h) *h = g.h;
            if (x) *x = g.x;
            if (y) *y = g.y;
            return true;
        }
    return false;
}
// The part as a picture; false for another number.
bool Gesicht_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild);
// The hair colours (RGB) that entries 212..216 of the figures' palette hold.
void Gesicht_Haarfarbe_RGB(int32_t farbe, uint8_t rgb[3]);
// Every head composed with every hairstyle: false, with the reason, when a part leaves the head
// or covers the eyes.
bool Gesicht_Bilder_Pruefen(std::string* fehler);
