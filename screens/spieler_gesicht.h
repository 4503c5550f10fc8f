// Player portraits of 36 x 41 pixels: a user picture, or composed from the face-part library
// (resources 6133..6205 of the main resource file) by the player's 32-bit face code, with the
// shirt tinted in the club's kit colour.
#pragma once
#include <cstdint>

struct Rastport;

constexpr int32_t GESICHT_BREITE = 36, GESICHT_HOEHE = 41;
constexpr int32_t GESICHT_KATEGORIEN = 8;
constexpr uint32_t GESICHT_USER_BILD = 0x80000000u;
// The shirt's pixel when no kit colours are given.
constexpr uint16_t GESICHT_HEMD_OHNE_FARBEN = 0xFA00;

// The hair-colour number of each hair index (the index is clamped to 19).
extern const int32_t Gesicht_Haarfarben[21];

// Loads the library from the open resource file; 1 when every part loaded, else everything is
// released again and the result is 0 (the portraits then lack the missing layers).
int32_t Spieler_Gesicht_Init(int32_t resfile);
int32_t Spieler_Gesicht_DeInit();
// The part bitmap of a category and index, with its offsets; null for index 0 of categories 1 and
// 6 and for a part that is not loaded.
Rastport* Spieler_Gesicht_Teil(int32_t kategorie, int32_t index, int32_t* x, int32_t* y);
// Composes the player's portrait at (x, y) of the target, or into a new 36 x 41 bitmap (the
// caller frees it); `farben` are the club's 12 kit colours (36 bytes) or null.
Rastport* Spieler_Gesicht_Bauen(Rastport* ziel, int32_t x, int32_t y, int32_t spnr, uint32_t code, const uint8_t* farben);
// The same scaled to breite x hoehe: drawn without see-through pixels into the target (null
// returned), or returned as a new bitmap.
Rastport* Spieler_Gesicht_Bauen_Skaliert(Rastport* ziel, int32_t x, int32_t y, int32_t spnr, uint32_t code,
                                         const uint8_t* farben, int32_t breite, int32_t hoehe);
// Player field 91 from the hair part of his face code (not for a user picture).
void Spieler_Gesicht_Set_Haarfarbe(int32_t spnr);
// One category's index (0..6) stepped up (1) or down (2), wrapping within its parts.
uint32_t Spieler_Gesicht_Code_Schritt(int32_t richtung, int32_t kategorie, uint32_t code);
// A code of the older layout (eight 4-bit fields) in the current one.
uint32_t Spieler_Gesicht_Code_Wandeln(uint32_t alt);

// The full-body kit figure strip: the frames of `resource` side by side, drawn in the player's
// hair and skin and the club's kit (a second club's too), converted to the screen depth with the
// background 0 and every other 0 pixel 1. Frame size and count go to the outputs; the palette
// (768 bytes) and the readable text colour on the kit (a second club's in the upper 16 bits) when
// asked. The caller frees the strip.
Rastport* Spieler_Trikotfigur_Bauen(int32_t resource, int32_t spnr, int32_t* breite, int32_t* hoehe, int32_t* anzahl,
                                    int32_t team, int32_t team2, uint8_t* palette, int32_t remap, uint32_t* textfarbe,
                                    bool kopieren);
// The strip of the player's figure (goalkeeper or field player).
Rastport* Spieler_Trikotfigur_Laden(int32_t spnr, int32_t* breite, int32_t* hoehe, int32_t* anzahl, int32_t team,
                                    uint8_t* palette);
// The figure as a picture: option bit 2 builds and frees (null), bit 1 gives the whole strip (first
// drawn into the target when one is given); else the first frame into the target or a new bitmap.
Rastport* Spieler_Trikotfigur_Bild(Rastport* ziel, int32_t spnr, int32_t team, int32_t team2, int32_t optionen,
                                   int32_t resource, int32_t* breite, int32_t* hoehe, int32_t* anzahl,
                                   uint32_t* textfarbe);
