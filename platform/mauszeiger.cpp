// The software pointer. The window thread and the timer thread share the words below, all
// atomic. The window thread changes the pointer's pixels or its image only while the timer
// slot is paused and no redraw is running (warten ... weiter), so the two never draw the
// pointer at once; the display itself is exclusive through the display lock that every
// pointer transfer takes.
#include "platform/mauszeiger.h"

#include <atomic>

#include "platform/print.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeiger.h"
#include "graphics/pixel.h"
#include "platform/mem.h"
#include "platform/os/os.h"
#include "platform/os/os_display.h"
#include "platform/resfile.h"
#include "platform/timer.h"
#include "platform/win95.h"

Mauszeiger_Tabelle_Record Mauszeiger_Tabelle = {};

namespace {

std::atomic<Mauszeiger_Image*> aktuell{nullptr};
std::atomic<int32_t> letzt_x{-1}, letzt_y{-1};
std::atomic<uint32_t> gezeichnet{0};
std::atomic<uint32_t> gewollt{0};
std::atomic<uint32_t> callback_zaehler{0};
std::atomic<uint32_t> eingefroren{0};
std::atomic<int32_t> timer_slot{-1};
std::atomic<uint32_t> timer_aktiv{0};
// The mouse position as the pointer code read it last (the overlap test uses it).
std::atomic<int32_t> maus_x{0}, maus_y{0};
// Window thread only: Blit_Start drew the pointer into the page.
bool komposit = false;

constexpr uint32_t MEM_TAG = 0x4D5A;

// Pauses the redraw slot and waits until no redraw runs.
void warten()
{
    Timer_Pause(timer_slot.load());
    while (callback_zaehler.load()) Win95_Sleep(1);
}

void weiter()
{
    if (!eingefroren.load()) Timer_Resume(timer_slot.load());
}

bool aktiv(const Mauszeiger_Image* img) { return img && timer_aktiv.load(); }

// The mouse position clamped to the screen, remembered for the overlap test.
void position_lesen(int32_t* x, int32_t* y)
{
    const auto& g = Grafik_Screen_Geometrie;
    int32_t mx = Os_Mouse_X(), my = Os_Mouse_Y();
    if (mx < 1) mx = 0;
    if (my < 1) my = 0;
    if (g.width > 0 && mx > g.width - 1) mx = g.width - 1;
    if (g.height > 0 && my > g.height - 1) my = g.height - 1;
    maus_x.store(mx);
    maus_y.store(my);
    *x = mx;
    *y = my;
}

int32_t breite(const Mauszeiger_Image* img) { return int32_t(img->width); }
int32_t hoehe(const Mauszeiger_Image* img) { return int32_t(img->height); }

// Saves the screen under the pointer at (x, y) and draws the picture onto the display there.
void auflegen(Mauszeiger_Image* img, int32_t x, int32_t y)
{
    Grafik_Zeiger_Kopieren(Grafik_Seite_0, x, y, breite(img), hoehe(img), img->background, 0, 0);
    // A whole-screen copy waiting (headless) draws the pointer where it stands then.
    if (!Os_Display_Aufgeschoben())
        Grafik_Zeiger_Bild_Zeichnen(img->picture, 0, 0, breite(img), hoehe(img), Grafik_Seite_0, x, y);
    letzt_x.store(x);
    letzt_y.store(y);
}

// Puts the saved background back onto the display at the last drawn position.
void abheben(Mauszeiger_Image* img)
{
    int32_t x = letzt_x.load(), y = letzt_y.load();
    if (x < 0 || y < 0 || Os_Display_Aufgeschoben()) return;
    Grafik_Zeiger_Kopieren(img->background, 0, 0, breite(img), hoehe(img), Grafik_Seite_0, x, y);
}

// The pointer rectangle at (x, y) cut to the screen: columns/rows of the image and of the page.
struct Ausschnitt {
    int32_t ix, iy, px, py, w, h;
};

bool ausschneiden(const Mauszeiger_Image* img, int32_t x, int32_t y, Ausschnitt* a)
{
    const auto& g = Grafik_Screen_Geometrie;
    int32_t sx = 0, sy = 0, w = breite(img), h = hoehe(img);
    if (!Grafik_Zeiger_Blit(&sx, &sy, &w, &h, breite(img), hoehe(img), &x, &y, g.width, g.height))
        return false;
    *a = {sx, sy, x, y, w, h};
    return true;
}

}  // namespace

// ---- The redraw ----

void Mauszeiger_Redraw()
{
    callback_zaehler.fetch_add(1);
    Mauszeiger_Image* img = aktuell.load();
    if (img && img->picture && gezeichnet.load()) {
        int32_t x, y;
        position_lesen(&x, &y);
        if (x != letzt_x.load() || y != letzt_y.load()) {
            abheben(img);
            auflegen(img, x, y);
        }
    }
    callback_zaehler.fetch_sub(1);
}

// ---- Images ----

Mauszeiger_Image* Mauszeiger_Image_Create(Rastport* picture, int32_t width, int32_t height,
                                          int32_t hot_x, int32_t hot_y)
{
    if (!picture) {
        Print_Fehler("Mauszeiger_Image_Create: picture=NULL!");
        return nullptr;
    }
    if (picture->depth != Grafik_Screen_Geometrie.depth || width <= 0 || height <= 0) {
        Print_Fehler("Mauszeiger_Image_Create: Tiefe %d statt %d", int(picture->depth),
                     int(Grafik_Screen_Geometrie.depth));
        return nullptr;
    }
    auto* img = static_cast<Mauszeiger_Image*>(
        Mem_Alloc_Clear(uint32_t(sizeof(Mauszeiger_Image)), MEM_TAG, 0));
    if (!img) return nullptr;
    img->width = uint32_t(width);
    img->height = uint32_t(height);
    img->hot_x = uint32_t(hot_x);
    img->hot_y = uint32_t(hot_y);
    img->picture = Grafik_Bitmap_Anlegen(width, height, picture->depth);
    img->background = Grafik_Bitmap_Anlegen(width, height, picture->depth);
    if (!img->picture || !img->background) return Mauszeiger_Image_Free(img);
    Grafik_Blit(picture, 0, 0, width, height, img->picture, 0, 0);
    return img;
}

Mauszeiger_Image* Mauszeiger_Image_Free(Mauszeiger_Image* image)
{
    if (!image) return nullptr;
    if (image == aktuell.load()) {
        Mauszeiger_Remove();
        // The timer thread must not be inside a redraw with this image when it goes.
        warten();
        aktuell.store(nullptr);
        weiter();
    }
    Grafik_Bitmap_Freigeben(image->picture);
    Grafik_Bitmap_Freigeben(image->background);
    Mem_Free(image, MEM_TAG);
    return nullptr;
}

int Mauszeiger_Image_Select(Mauszeiger_Image* image)
{
    if (image == aktuell.load()) return 1;
    Mauszeiger_Remove();
    warten();
    aktuell.store(image);
    weiter();
    Mauszeiger_Draw();
    return 1;
}

int Mauszeiger_Load_All(int32_t resfile)
{
    auto& t = Mauszeiger_Tabelle;
    if (t.anzahl > 0) return 0;
    for (int32_t i = 0; i < MAUSZEIGER_MAX; ++i) {
        auto* bild = static_cast<Rastport*>(Load_Resource(resfile, MAUSZEIGER_RESSOURCE + i,
                                                          Grafik_Screen_Geometrie.depth, nullptr));
        if (!bild) continue;
        t.images[t.anzahl++] = Mauszeiger_Image_Create(bild, int32_t(bild->width),
                                                       int32_t(bild->height), 0, 0);
        Grafik_Bitmap_Freigeben(bild);
    }
    if (t.anzahl > 0) {
        Mauszeiger_Select(0);
        Mauszeiger_Show();
    }
    return 0;
}

int Mauszeiger_Free_All()
{
    auto& t = Mauszeiger_Tabelle;
    bool belegt = false;
    for (int32_t i = 0; i < t.anzahl; ++i) belegt = belegt || t.images[i];
    if (!belegt) return 0;
    Mauszeiger_Hide();
    // The count stays (a second load is refused); the slots are cleared so that nothing can
    // select a freed image.
    for (int32_t i = 0; i < t.anzahl; ++i) t.images[i] = Mauszeiger_Image_Free(t.images[i]);
    return 1;
}

int Mauszeiger_Select(int32_t n)
{
    auto& t = Mauszeiger_Tabelle;
    if (n < 0 || n >= t.anzahl || !t.images[n]) return 0;
    Mauszeiger_Image_Select(t.images[n]);
    t.gewaehlt = n;
    return 1;
}

int32_t Mauszeiger_Get_Selected() { return Mauszeiger_Tabelle.anzahl > 0 ? Mauszeiger_Tabelle.gewaehlt : 0; }

// ---- Timer slot ----

int Mauszeiger_Start_Timer()
{
    // A waiting copy draws the pointer only while the timer runs: it lands as it was left.
    Os_Display_Nachholen();
    if (timer_aktiv.load()) return 0;
    int slot = Timer_Add(Mauszeiger_Redraw, MAUSZEIGER_INTERVALL);
    if (slot < 0) return 0;
    timer_slot.store(slot);
    timer_aktiv.store(1);
    return 1;
}

int Mauszeiger_Stop_Timer()
{
    Os_Display_Nachholen();
    int slot = timer_slot.load();
    if (!timer_aktiv.load() || slot < 0) return 0;
    Timer_Pause(slot);
    Timer_Remove(slot);
    timer_slot.store(-1);
    aktuell.store(nullptr);
    timer_aktiv.store(0);
    gezeichnet.store(0);
    letzt_x.store(-1);
    letzt_y.store(-1);
    return 1;
}

// ---- Protocol ----

void Mauszeiger_Hide()
{
    Mauszeiger_Remove();
    gewollt.store(0);
}

void Mauszeiger_Show()
{
    // Shown already: take it off first, else a show after the mouse moved would leave the
    // first pointer standing on the display.
    Mauszeiger_Remove();
    gewollt.store(1);
    Mauszeiger_Draw();
}

void Mauszeiger_Remove()
{
    if (!gezeichnet.load()) return;
    gezeichnet.store(0);
    Mauszeiger_Image* img = aktuell.load();
    if (!aktiv(img)) return;
    warten();
    abheben(img);
    Mauszeiger_Redraw();
    weiter();
}

void Mauszeiger_Draw()
{
    if (!gewollt.load() || gezeichnet.load()) return;
    Mauszeiger_Image* img = aktuell.load();
    if (!aktiv(img)) {
        gezeichnet.store(1);
        return;
    }
    warten();
    // Drawn only now that no redraw runs: one running meanwhile would put back a stale background.
    gezeichnet.store(1);
    int32_t x, y;
    position_lesen(&x, &y);
    auflegen(img, x, y);
    Mauszeiger_Redraw();
    weiter();
}

void Mauszeiger_Freeze()
{
    if (eingefroren.load()) return;
    Timer_Pause(timer_slot.load());
    while (callback_zaehler.load()) Win95_Sleep(1);
    eingefroren.store(1);
}

void Mauszeiger_Unfreeze()
{
    if (!eingefroren.load()) return;
    Mauszeiger_Redraw();
    Timer_Resume(timer_slot.load());
    eingefroren.store(0);
}

int Mauszeiger_Is_Frozen() { return eingefroren.load() ? 0 : 1; }

int Mauszeiger_Overlaps_Rect(int32_t x, int32_t y, int32_t w, int32_t h)
{
    Mauszeiger_Image* img = aktuell.load();
    if (!aktiv(img)) return 0;
    int32_t px = maus_x.load(), py = maus_y.load();
    return px + breite(img) >= x && y + h >= py && py + hoehe(img) >= y && x + w >= px ? 1 : 0;
}

// ---- Composite pair ----

void Mauszeiger_Blit_Start(void* page0_pixels)
{
    Os_Display_Nachholen();
    Mauszeiger_Image* img = aktuell.load();
    const auto& g = Grafik_Screen_Geometrie;
    if (!page0_pixels || !gewollt.load() || !gezeichnet.load() || !aktiv(img) || komposit) return;
    warten();
    komposit = true;
    int32_t x = letzt_x.load(), y = letzt_y.load();
    Ausschnitt a;
    if (x < 0 || y < 0 || !ausschneiden(img, x, y, &a)) return;
    maus_x.store(x);
    maus_y.store(y);
    if (g.depth == 8) {
        auto* page = static_cast<uint8_t*>(page0_pixels);
        Pixel_Kopieren_8(page, a.px, a.py, a.w, a.h, g.width,
                         static_cast<uint8_t*>(img->background->pixels), a.ix, a.iy,
                         breite(img));
        Pixel_Transparent_8(static_cast<const uint8_t*>(img->picture->pixels), a.ix, a.iy, a.w,
                            a.h, breite(img), page, a.px, a.py, g.width, nullptr);
    } else {
        auto* page = static_cast<uint16_t*>(page0_pixels);
        Grafik_Blit_16_Zeilen(page, a.px, a.py, a.w, a.h, g.width,
                              static_cast<uint16_t*>(img->background->pixels), a.ix, a.iy,
                              breite(img));
        Pixel_Transparent_16(static_cast<const uint16_t*>(img->picture->pixels), a.ix, a.iy, a.w,
                             a.h, breite(img), page, a.px, a.py, g.width, nullptr);
    }
}

namespace {

void* blit_end(void* page0_pixels, bool redraw)
{
    if (!komposit) return page0_pixels;
    komposit = false;
    Mauszeiger_Image* img = aktuell.load();
    const auto& g = Grafik_Screen_Geometrie;
    int32_t x = letzt_x.load(), y = letzt_y.load();
    Ausschnitt a;
    if (page0_pixels && img && x >= 0 && y >= 0 && ausschneiden(img, x, y, &a)) {
        if (g.depth == 8)
            Pixel_Kopieren_8(static_cast<const uint8_t*>(img->background->pixels), a.ix, a.iy,
                             a.w, a.h, breite(img), static_cast<uint8_t*>(page0_pixels), a.px,
                             a.py, g.width);
        else
            Grafik_Blit_16_Zeilen(static_cast<const uint16_t*>(img->background->pixels), a.ix,
                                  a.iy, a.w, a.h, breite(img),
                                  static_cast<uint16_t*>(page0_pixels), a.px, a.py, g.width);
        letzt_x.store(x);
        letzt_y.store(y);
    }
    if (redraw) Mauszeiger_Redraw();
    weiter();
    return page0_pixels;
}

}  // namespace

void* Mauszeiger_Blit_End(void* page0_pixels) { return blit_end(page0_pixels, true); }
void* Mauszeiger_Blit_End_Nachgeholt(void* page0_pixels) { return blit_end(page0_pixels, false); }

void Mauszeiger_Nachziehen()
{
    // The composite pair ends in a redraw only with the pointer shown and drawn.
    Mauszeiger_Image* img = aktuell.load();
    if (!gewollt.load() || !gezeichnet.load() || !aktiv(img) || !img->picture) return;
    int32_t x, y;
    position_lesen(&x, &y);
    if (x == letzt_x.load() && y == letzt_y.load()) return;
    warten();
    Mauszeiger_Redraw();
    weiter();
}
