// The clipped sprite loop that the live view's blitters draw with, and its thin entry points:
// a sprite (run-length 8 or 16 bit, or 8-bit plain rows) put into a 16-bit page at (x, y) with
// the page's width, only where it lies inside a clip rectangle of the page, plain or mirrored,
// at full or at half size. 8-bit pixels go through a remap table (when given) and then a colour
// table of 256 screen colours. Pixel 0 is transparent throughout. Each returns the pixels
// written (0 for bad arguments).
#pragma once
#include <cstdint>

struct Grafik_Sprite_Daten {
    const uint8_t* daten;
    uint32_t groesse;   // bytes of data (plain rows need breite x hoehe)
    int32_t breite, hoehe;
    uint8_t tiefe;      // 8, 15 or 16
    uint8_t wide;       // 8-bit run-length: word control codes
    uint8_t zeilen;     // 8-bit plain rows rather than runs
};
// Target pixels; x1 and y1 exclusive. The caller keeps it inside the page.
struct Grafik_Clip {
    int32_t x0, y0, x1, y1;
};

// (x, y) is the page position of the drawn sprite's top left (at half size the halved sprite's).
int32_t Grafik_Sprite_Seite(const Grafik_Sprite_Daten& s, uint16_t* ziel, int32_t ziel_breite, int32_t x, int32_t y,
                            const Grafik_Clip& clip, bool gespiegelt, bool halb, const uint16_t* farben, const uint8_t* remap);

// A 16-bit run-length sprite cut to rows and columns of the clip rectangle.
int32_t Grafik_Blit_Hilfe_A(const uint8_t* daten, uint32_t groesse, int32_t breite, int32_t hoehe, uint16_t* ziel, int32_t x,
                            int32_t y, int32_t ziel_breite, const Grafik_Clip& clip, bool gespiegelt);
// The same cut to the page rows from erste_zeile, `zeilen` of them, every column drawn.
int32_t Grafik_Blit_Hilfe_B(const uint8_t* daten, uint32_t groesse, int32_t breite, int32_t hoehe, uint16_t* ziel, int32_t x,
                            int32_t y, int32_t ziel_breite, int32_t erste_zeile, int32_t zeilen, bool gespiegelt);
// An 8-bit sprite of plain rows copied through the colour table, uncut.
int32_t Grafik_Block_Kopieren(const uint8_t* daten, uint32_t groesse, int32_t breite, int32_t hoehe, uint16_t* ziel, int32_t x,
                              int32_t y, int32_t ziel_breite, const uint16_t* farben);
