// What the report pages after a match day share: drawing on back page 1 with a shadow two
// pixels right and down, the pictures of the main resource file, and a test's view of both.
#pragma once
#include <cstdint>

struct Rastport;

namespace bericht {

constexpr int32_t BREITE = 640, HOEHE = 480;
constexpr int32_t BILD_HINTERGRUND = 6240, BILD_ELF = 6238, BILD_PFEIL = 6233, BILD_WETTBEWERB = 1382;
constexpr int32_t WARTEN_MS = 40000;

// The page's target (back page 1); null without a screen.
Rastport* seite();
// The text in its own colour codes (a leading "^c" is the line's colour).
void text(int32_t font, int32_t x, int32_t y, const char* zeile);
// The same over its shadow in palette colour 1 two pixels right and down.
void text_mit_schatten(int32_t font, int32_t x, int32_t y, const char* zeile);
// A picture of the main resource file drawn transparently at (x, y); its width (0 when missing).
int32_t bild(int32_t nummer, int32_t x, int32_t y);
// A team's crest right-aligned to x (scaled to groesse x groesse when positive), with its
// one-colour shadow two pixels right and down; the crest's width (0 when missing).
int32_t wappen(int32_t team, int32_t rechts, int32_t y, int32_t groesse);
// A crest at its natural size from x, without shadow, its bottom edge on the line `unten`.
void wappen_auf(int32_t team, int32_t x, int32_t unten);
// The eleven of the team of the day on their places.
void elf_zeichnen(int32_t wettbewerb, const int32_t* spieler, const int32_t* teams);
// A colour as the pages' "^c" codes take it.
int32_t farbe(uint32_t stufe_r, uint32_t stufe_g, uint32_t stufe_b);

}  // namespace bericht
