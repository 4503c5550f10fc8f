// The clipped sprite loop that the live view's blitters draw with, and its thin entry points:
// a sprite (run-length 8 or 16 bit, or 8-bit plain rows) put into a 16-bit page at (x, y) with
// the page's width, only where it lies inside a clip rectangle of the page, plain or mirrored,
// at full or at half size. 8-bit pixels go through a remap table (when given) and then a colour
// table of 256 screen colours. Pixel 0 is transparent throughout. Each returns the pixels
// written (0 for bad arguments).
#pragma once
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

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

// Sprites decoded once and kept, by their data and mirroring, for a caller that draws the same
// sprites frame after frame. The caller empties it before it gives any of those sprites back.
// Each entry also holds the runs of opaque pixels of each row, so that the drawing loop touches
// no transparent pixel at full size (and skips a row's transparent margins at half size); a
// small table in front of the map finds the sprites drawn frame after frame without hashing.
struct Grafik_Sprite_Vorrat {
    struct Eintrag {
        Grafik_Sprite_Daten s;
        std::vector<uint8_t> acht;
        std::vector<uint16_t> sechzehn;
        std::vector<int16_t> laeufe;  // opaque runs: first column, end column
        std::vector<int32_t> zeile;   // per source row its first run in laeufe (pairs), then the end
    };
    static constexpr size_t SCHNELL = 1024;
    struct Schnell {
        uintptr_t schluessel = 0;
        Eintrag* eintrag = nullptr;
    };
    std::unordered_map<uintptr_t, Eintrag> eintraege;
    Schnell schnell[SCHNELL];
    void leeren()
    {
        eintraege.clear();
        for (Schnell& s : schnell) s = Schnell{};
    }
};

// (x, y) is the page position of the drawn sprite's top left (at half size the halved sprite's).
// With a store the decoded sprite is taken from it (and kept there).
int32_t Grafik_Sprite_Seite(const Grafik_Sprite_Daten& s, uint16_t* ziel, int32_t ziel_breite, int32_t x, int32_t y,
                            const Grafik_Clip& clip, bool gespiegelt, bool halb, const uint16_t* farben, const uint8_t* remap,
                            Grafik_Sprite_Vorrat* vorrat = nullptr);

// A 16-bit run-length sprite cut to rows and columns of the clip rectangle.
int32_t Grafik_Blit_Hilfe_A(const uint8_t* daten, uint32_t groesse, int32_t breite, int32_t hoehe, uint16_t* ziel, int32_t x,
                            int32_t y, int32_t ziel_breite, const Grafik_Clip& clip, bool gespiegelt);
// The same cut to the page rows from erste_zeile, `zeilen` of them, every column drawn.
int32_t Grafik_Blit_Hilfe_B(const uint8_t* daten, uint32_t groesse, int32_t breite, int32_t hoehe, uint16_t* ziel, int32_t x,
                            int32_t y, int32_t ziel_breite, int32_t erste_zeile, int32_t zeilen, bool gespiegelt);
// An 8-bit sprite of plain rows copied through the colour table, uncut.
int32_t Grafik_Block_Kopieren(const uint8_t* daten, uint32_t groesse, int32_t breite, int32_t hoehe, uint16_t* ziel, int32_t x,
                              int32_t y, int32_t ziel_breite, const uint16_t* farben);
