// Reports of what is drawn, for the checks of tests: every run of text the printer draws, with
// the box it belongs to, and every copy or fill of an area (so that a checker can follow a text
// from an icon's bitmap onto the screen and forget it where something covers it). Nothing is
// reported, and nothing costs, while no hook is set; the game or a test registers them.
#pragma once
#include <cstdint>

#include "graphics/grafik_bitmap.h"

// A box texts belong to: the gadget, frame or clip on a bitmap (x2, y2 exclusive). `name` and
// `nummer` say which (an icon's number, a frame's name); null and -1 when unknown.
struct Grafik_Kasten {
    const Rastport* ziel;
    int32_t x1, y1, x2, y2;
    const char* name;
    int32_t nummer;
};

// A pixel the printer changed: where, and the value it left there.
struct Grafik_Text_Punkt {
    int16_t x, y;
    uint16_t wert;
};

// One run of characters the printer drew (between two codes of a marked-up text): its ink
// (x2, y2 exclusive), the pixels it changed, the run, the whole formatted text and its box: the
// box set for the bitmap, else the bitmap itself.
struct Grafik_Text_Lauf {
    const Rastport* ziel;
    const char* text;
    int32_t laenge;
    const char* ganz;
    int32_t x1, y1, x2, y2;
    Grafik_Kasten kasten;
    const Grafik_Text_Punkt* punkte;
    int32_t punkt_anzahl;
};

using Grafik_Text_Hook = void (*)(const Grafik_Text_Lauf& lauf);
// src null: a fill. `deckend`: what stood in the destination area is gone (an opaque copy or a
// fill); otherwise the source is laid over it (transparent or blended).
using Grafik_Flaeche_Hook = void (*)(const Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                                     const Rastport* dst, int32_t dx, int32_t dy, bool deckend);

void Grafik_Text_Hook_Setzen(Grafik_Text_Hook hook);
void Grafik_Flaeche_Hook_Setzen(Grafik_Flaeche_Hook hook);
extern Grafik_Text_Hook Grafik_Text_Meldung;
extern Grafik_Flaeche_Hook Grafik_Flaeche_Meldung;
// A page nobody sees (a headless run that takes no picture) while no check follows what is
// drawn: whatever is drawn there is never looked at.
bool Grafik_Niemand_Sieht(const Rastport* seite);

inline void Grafik_Flaeche_Melden(const Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                                  const Rastport* dst, int32_t dx, int32_t dy, bool deckend)
{
    if (Grafik_Flaeche_Meldung) Grafik_Flaeche_Meldung(src, sx, sy, w, h, dst, dx, dy, deckend);
}

// The box for texts drawn into `ziel` while the scope lasts; scopes nest.
class Grafik_Kasten_Bereich {
public:
    Grafik_Kasten_Bereich(const Rastport* ziel, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                          const char* name, int32_t nummer);
    ~Grafik_Kasten_Bereich();
    Grafik_Kasten_Bereich(const Grafik_Kasten_Bereich&) = delete;
    Grafik_Kasten_Bereich& operator=(const Grafik_Kasten_Bereich&) = delete;

private:
    Grafik_Kasten vorher_;
    bool gesetzt_;
};

// The box a text drawn into `ziel` now belongs to.
Grafik_Kasten Grafik_Kasten_Fuer(const Rastport* ziel);
