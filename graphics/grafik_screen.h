// Screen pages: page 0 mirrors the display (every write to it goes through to the display at
// once), page 1 is the back page of 15/16-bit screens. The render target is one of them.
#pragma once
#include <cstdint>

#include "graphics/grafik_bitmap.h"

extern Rastport* Grafik_Render_Ziel;
extern Rastport* Grafik_Seite_0;
extern Rastport* Grafik_Seite_1;

struct Grafik_Screen_Geometrie_Record {
    int32_t depth;          // 8, 15 or 16; 0 while closed
    void* page0_pixels;     // recognises screen writes and reads
    int32_t width;
    int32_t height;
    int32_t write_through;  // 1 while open: page-0 writes land in page 0, then on the display
    int32_t hicolor;        // 8, 15 or 16
};
extern Grafik_Screen_Geometrie_Record Grafik_Screen_Geometrie;

int Grafik_Screen_Init(int32_t width, int32_t height, int32_t depth);
int Grafik_Screen_DeInit();
int Grafik_Screen_Seite_Waehlen(uint32_t page);
int Grafik_Screen_Seite_Zeigen(uint32_t page);
int Grafik_Screen_Seite_Wechseln(uint32_t from, uint32_t to);
int Grafik_Screen_Seite_Ist_Aktiv();
int Grafik_Screen_Dummy();
// Copies a rectangle of page 0 to the display again (after the window was covered).
void Grafik_Screen_Zeilen_Kopieren(int32_t x, int32_t y, int32_t width, int32_t height);
// The match view's present: page 1 at 640 x 480 straight to the display, no pointer handling.
int Grafik_Screen_Direkt_Kopieren();
// The same from other pixels of page 1's size (a present left waiting).
int Grafik_Screen_Direkt_Kopieren_Aus(const Rastport* quelle);
// Headless, while no picture is asked for, the present may wait until the display is next read
// or written: `kopie` is left waiting, and when it runs it presents the pixels it is given (page
// 1, or the ones page 1 held) by Grafik_Screen_Direkt_Kopieren_Aus, the pointer drawn in for
// the copy. Page 1 stays bound meanwhile: a write onto it makes the copy first. False when it
// cannot wait (the caller presents now).
using Grafik_Direkt_Kopie = void (*)(Rastport* quelle);
bool Grafik_Screen_Direkt_Aufschieben(Grafik_Direkt_Kopie kopie);
// Before the next frame draws onto page 1: with `deckt` (the frame covers page 1 whole with
// opaque copies before it reads any of it) a waiting present keeps the pixels page 1 holds and
// page 1 draws into a second set; otherwise the present is made now. Where no picture of the
// screen can be taken any more (Os_Display_Kein_Bild_Voraus) the present is dropped instead.
void Grafik_Screen_Direkt_Abloesen(bool deckt);

// The rows in which page 0 and page 1 may differ, [von, bis); empty (von >= bis) while the pages
// are known equal. Every write onto a page widens them; the flip of page 1 onto page 0 copies
// only these rows, none while they are empty (a menu refresh that drew nothing), and empties
// them. Whatever writes into a bitmap's pixels itself reports it through Grafik_Seite_Beschrieben,
// or a flip may leave rows behind (DORVIN_SEITEN_PRUEFEN=1 names such rows on standard error).
struct Grafik_Seiten_Zeilen {
    int32_t von, bis;
};
extern Grafik_Seiten_Zeilen Grafik_Seiten_Unterschied;
void Grafik_Seiten_Zeilen_Erweitern(int64_t y, int64_t h);
// A write onto rows y .. y + h - 1 of `rp` (cut to the page); nothing unless it is a screen page.
// True while a copy of page 1 waits for the display (Grafik_Screen_Direkt_Aufschieben): page 1
// must stay as it is until the copy is made, so a write onto it makes the copy first.
extern bool Grafik_Seite_1_Gebunden;
void Grafik_Seite_1_Loesen();
inline void Grafik_Seite_Beschrieben(const Rastport* rp, int64_t y, int64_t h)
{
    if (!rp || (rp != Grafik_Seite_0 && rp != Grafik_Seite_1)) return;
    if (rp == Grafik_Seite_1 && Grafik_Seite_1_Gebunden) Grafik_Seite_1_Loesen();
    Grafik_Seiten_Zeilen_Erweitern(y, h);
}
// A write that may reach anywhere on `rp`.
inline void Grafik_Seite_Beschrieben(const Rastport* rp)
{
    if (rp) Grafik_Seite_Beschrieben(rp, 0, int64_t(rp->height));
}

// A screen page whose pixels nobody will see (Os_Display_Niemand_Sieht: a headless script that
// takes no picture): the blits, fills and flips leave their pixel work on it out, and report
// their success as if they had drawn. The pages' contents are undefined meanwhile.
bool Grafik_Seite_Ungesehen(const Rastport* rp);

// For the blits and primitives: page 0 is recognised by its pixel pointer.
inline bool Grafik_Ist_Seite_0(const Rastport* rp)
{
    return rp && rp->pixels && rp->pixels == Grafik_Screen_Geometrie.page0_pixels;
}
// Carries a rectangle of page 0 to the display, widened to x - x % 4, w + 8 - w % 4 and cut at
// the screen edges, with the pointer drawn in for the copy. 1, or 0 when the lock failed.
int Grafik_Screen_Rechteck_Zeigen(int32_t x, int32_t y, int32_t w, int32_t h);
// Direct surface write: takes the pointer off when it overlaps and locks the rectangle; null
// when the lock failed (the pointer is back then). Schliessen copies page 0's rectangle into
// the surface, unlocks and draws the pointer again.
void* Grafik_Screen_Surface_Oeffnen(int32_t x, int32_t y, int32_t w, int32_t h, int32_t* pitch);
void Grafik_Screen_Surface_Schliessen(void* surface, int32_t pitch, int32_t x, int32_t y,
                                      int32_t w, int32_t h);

// How a write onto page 0 reaches the display.
enum class Grafik_Pfad {
    Seite_0,           // into page 0, then the widened rectangle to the display
    Surface_Rechnen,   // lock first; page 0 and the display only when the lock succeeded
    Surface_Getrennt,  // page 0 in any case; the display when the lock succeeded
};

// A write onto page 0: draw() writes the rectangle into page 0's memory with a memory loop.
// 1, or 0 when the display could not be locked.
template <class Draw>
int Grafik_Screen_Schreiben(Grafik_Pfad pfad, int32_t x, int32_t y, int32_t w, int32_t h,
                            Draw draw)
{
    if (pfad == Grafik_Pfad::Seite_0) {
        if (Grafik_Screen_Geometrie.write_through) draw();
        return Grafik_Screen_Rechteck_Zeigen(x, y, w, h);
    }
    int32_t pitch = 0;
    void* surface = Grafik_Screen_Surface_Oeffnen(x, y, w, h, &pitch);
    if (!surface && pfad == Grafik_Pfad::Surface_Rechnen) return 0;
    draw();
    if (!surface) return 0;
    Grafik_Screen_Surface_Schliessen(surface, pitch, x, y, w, h);
    return 1;
}
