#include "graphics/grafik_screen.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "graphics/grafik_meldung.h"
#include "platform/display.h"
#include "platform/maus.h"
#include "platform/mauszeiger.h"
#include "platform/os/os_display.h"

Rastport* Grafik_Render_Ziel = nullptr;
Rastport* Grafik_Seite_0 = nullptr;
Rastport* Grafik_Seite_1 = nullptr;
Grafik_Screen_Geometrie_Record Grafik_Screen_Geometrie = {0, nullptr, 0, 0, 0, 8};
Grafik_Seiten_Zeilen Grafik_Seiten_Unterschied = {0, 0};
bool Grafik_Seite_1_Gebunden = false;

namespace {
// The present of page 1 left waiting (Grafik_Screen_Direkt_Aufschieben): none, from page 1 as it
// stands (bound), or from the pixels page 1 held when a covering frame took fresh ones.
enum class Wartend { Nichts, Seite_1, Abgeloest };
Wartend wartend = Wartend::Nichts;
Grafik_Direkt_Kopie seite_1_kopie = nullptr;
// The second set of pixels for page 1; `getauscht` while page 1 draws into it.
Rastport* seite_1_vorrat = nullptr;
bool getauscht = false;

void seite_1_nachholen()
{
    const Wartend w = std::exchange(wartend, Wartend::Nichts);
    Grafik_Seite_1_Gebunden = false;
    if (auto* kopie = std::exchange(seite_1_kopie, nullptr); kopie && w != Wartend::Nichts)
        kopie(w == Wartend::Seite_1 ? Grafik_Seite_1 : seite_1_vorrat);
}

// Another whole-screen copy takes the place of a waiting present of page 1.
void seite_1_ersetzt()
{
    wartend = Wartend::Nichts;
    Grafik_Seite_1_Gebunden = false;
    seite_1_kopie = nullptr;
}

bool seite_1_wartet() { return wartend != Wartend::Nichts; }

// Page 1 takes back the pixels it was created with (before it is freed).
void seite_1_zurueck()
{
    if (getauscht && Grafik_Seite_1 && seite_1_vorrat) std::swap(Grafik_Seite_1->pixels, seite_1_vorrat->pixels);
    getauscht = false;
}
}  // namespace

void Grafik_Seite_1_Loesen()
{
    if (wartend == Wartend::Seite_1) Os_Display_Nachholen();
    // the display was opened or closed meanwhile and dropped the copy
    if (wartend == Wartend::Seite_1) seite_1_ersetzt();
    Grafik_Seite_1_Gebunden = false;
}

void Grafik_Seiten_Zeilen_Erweitern(int64_t y, int64_t h)
{
    const int64_t hoehe = Grafik_Seite_0 ? int64_t(Grafik_Seite_0->height) : 0;
    const int64_t von = std::max<int64_t>(y, 0), bis = std::min<int64_t>(y + h, hoehe);
    if (von >= bis) return;
    auto& u = Grafik_Seiten_Unterschied;
    if (u.von >= u.bis) u = {int32_t(von), int32_t(bis)};
    else u = {std::min(u.von, int32_t(von)), std::max(u.bis, int32_t(bis))};
}

bool Grafik_Seite_Ungesehen(const Rastport* rp)
{
    return rp && (rp == Grafik_Seite_0 || rp == Grafik_Seite_1) && Os_Display_Niemand_Sieht();
}

// With DORVIN_SEITEN_PRUEFEN set, every copy of one page onto the other checks afterwards that
// the pages are equal, names on standard error the rows a write left unreported, and copies the
// page whole.
static bool seiten_pruefen()
{
    static const bool an = std::getenv("DORVIN_SEITEN_PRUEFEN") != nullptr;
    return an;
}

// Copies the rows in which the pages may differ from one page onto the other; they are equal then.
static void seite_abgleichen(const Rastport* von, Rastport* nach)
{
    if (nach == Grafik_Seite_1) Grafik_Seite_1_Loesen();
    const auto u = Grafik_Seiten_Unterschied;
    const size_t zeile = size_t(Grafik_Screen_Geometrie.width) * 2;
    if (Grafik_Seite_Ungesehen(nach)) {
        Grafik_Seiten_Unterschied = {0, 0};
        return;
    }
    if (u.von < u.bis)
        std::memcpy(static_cast<uint8_t*>(nach->pixels) + size_t(u.von) * zeile,
                    static_cast<const uint8_t*>(von->pixels) + size_t(u.von) * zeile, size_t(u.bis - u.von) * zeile);
    Grafik_Seiten_Unterschied = {0, 0};
    if (!seiten_pruefen()) return;
    const size_t n = zeile * size_t(Grafik_Screen_Geometrie.height);
    if (std::memcmp(nach->pixels, von->pixels, n) == 0) return;
    const auto* a = static_cast<const uint8_t*>(von->pixels);
    const auto* b = static_cast<const uint8_t*>(nach->pixels);
    int32_t erste = -1, letzte = -1;
    for (int32_t y = 0; y < Grafik_Screen_Geometrie.height; ++y)
        if (std::memcmp(a + size_t(y) * zeile, b + size_t(y) * zeile, zeile) != 0) {
            if (erste < 0) erste = y;
            letzte = y;
        }
    std::fprintf(stderr, "Bildschirmseiten: Zeilen %d bis %d ungemeldet beschrieben\n", erste, letzte);
    std::memcpy(nach->pixels, von->pixels, n);
}

static bool hicolor_open() { return Grafik_Screen_Geometrie.depth >= 15 && Grafik_Seite_0; }

static int bytes_per_pixel() { return (Grafik_Screen_Geometrie.depth + 1) / 8; }

// Copies the rectangle of page 0 into a locked surface, row by row.
static void page0_to_surface(uint8_t* surface, int32_t pitch, int32_t x, int32_t y, int32_t w,
                             int32_t h)
{
    const auto& g = Grafik_Screen_Geometrie;
    int bpp = bytes_per_pixel();
    const auto* page = static_cast<const uint8_t*>(g.page0_pixels);
    for (int32_t row = 0; row < h; ++row)
        std::memcpy(surface + size_t(row) * pitch,
                    page + (size_t(y + row) * g.width + x) * bpp, size_t(w) * bpp);
}

// Cuts a rectangle to the screen; false when nothing is left.
static bool cut_to_screen(int32_t& x, int32_t& y, int32_t& w, int32_t& h)
{
    const auto& g = Grafik_Screen_Geometrie;
    if (x < 0) w += x, x = 0;
    if (y < 0) h += y, y = 0;
    if (x + w > g.width) w = g.width - x;
    if (y + h > g.height) h = g.height - y;
    return w > 0 && h > 0;
}

int Grafik_Screen_Init(int32_t width, int32_t height, int32_t depth)
{
    if (Grafik_Render_Ziel) return 0;
    if (width <= 0 || height <= 0 || (depth != 8 && depth != 15 && depth != 16)) return 0;
    Grafik_Seite_0 = Grafik_Bitmap_Anlegen_Tiefe(width, height, int8_t(depth));
    if (!Grafik_Seite_0) return 0;
    Grafik_Render_Ziel = Grafik_Seite_0;
    if (depth >= 15) {
        Grafik_Seite_1 = Grafik_Bitmap_Anlegen_Tiefe(width, height, int8_t(depth));
        if (!Grafik_Seite_1) {
            Grafik_Seite_0 = Grafik_Bitmap_Freigeben(Grafik_Seite_0);
            Grafik_Render_Ziel = nullptr;
            return 0;
        }
    }
    int32_t granted = depth;
    if (!Win95_Open_Screen(width, height, &granted)) {
        // Leave nothing half open: the caller ends the program, but a test may try again.
        Grafik_Seite_0 = Grafik_Bitmap_Freigeben(Grafik_Seite_0);
        Grafik_Seite_1 = Grafik_Bitmap_Freigeben(Grafik_Seite_1);
        Grafik_Render_Ziel = nullptr;
        return 0;
    }
    Grafik_Seite_0->depth = uint8_t(granted);
    if (Grafik_Seite_1) Grafik_Seite_1->depth = uint8_t(granted);
    auto& g = Grafik_Screen_Geometrie;
    g.write_through = 1;
    g.page0_pixels = Grafik_Seite_0->pixels;
    g.depth = granted;
    g.width = width;
    g.height = height;
    g.hicolor = granted >= 15 ? granted : 8;
    Grafik_Seiten_Unterschied = {0, height};
    return 1;
}

int Grafik_Screen_DeInit()
{
    if (!Grafik_Render_Ziel) return 0;
    std::memset(Grafik_Render_Ziel->pixels, 0,
                size_t(Grafik_Render_Ziel->width) * Grafik_Render_Ziel->height *
                    Grafik_Bytes_Pro_Pixel(Grafik_Render_Ziel->depth));
    Win95_Close_Screen(1);
    seite_1_ersetzt();
    seite_1_zurueck();
    seite_1_vorrat = Grafik_Bitmap_Freigeben(seite_1_vorrat);
    Grafik_Seite_0 = Grafik_Bitmap_Freigeben(Grafik_Seite_0);
    Grafik_Seite_1 = Grafik_Bitmap_Freigeben(Grafik_Seite_1);
    Grafik_Render_Ziel = nullptr;
    Grafik_Screen_Geometrie = {0, nullptr, 0, 0, 0, 8};
    return 1;
}

int Grafik_Screen_Seite_Waehlen(uint32_t page)
{
    if (!hicolor_open()) return 0;
    if (page == 0) Grafik_Render_Ziel = Grafik_Seite_0;
    else if (page == 1) Grafik_Render_Ziel = Grafik_Seite_1;
    return 1;
}

// Page 0 with the pointer drawn in, whole, to the display. 1, or 0 when the lock failed.
static int seite_0_auf_display(void* (*pointer_end)(void*))
{
    const auto& g = Grafik_Screen_Geometrie;
    Mauszeiger_Blit_Start(g.page0_pixels);
    int32_t pitch = 0;
    auto* surface = static_cast<uint8_t*>(Win95_Lock_Screen(0, 0, g.width, g.height, &pitch));
    int result = 0;
    if (surface) {
        if (pitch == 0 || pitch == g.width * 2)
            std::memcpy(surface, g.page0_pixels, size_t(g.width) * g.height * 2);
        else page0_to_surface(surface, pitch, 0, 0, g.width, g.height);
        Win95_Unlock_Screen();
        result = 1;
    }
    pointer_end(g.page0_pixels);
    return result;
}

// The copy left waiting. Page 0 has changed since only by writes that carry page 0 (and the
// pointer over it) to the display, and those left their share to this copy: the frame ends as
// the copy at its time and those writes would have made it.
static void seite_0_nachholen()
{
    if (hicolor_open()) seite_0_auf_display(Mauszeiger_Blit_End_Nachgeholt);
}

int Grafik_Screen_Seite_Zeigen(uint32_t page)
{
    if (!hicolor_open()) return 0;
    if (page > 1) return 1;
    const auto& g = Grafik_Screen_Geometrie;
    if (g.write_through && page == 1) {
        seite_abgleichen(Grafik_Seite_1, Grafik_Seite_0);
        Grafik_Flaeche_Melden(Grafik_Seite_1, 0, 0, g.width, g.height, Grafik_Seite_0, 0, 0, true);
    }
    // Headless nobody looks until the frame is read: the copy waits for that (unless a lock
    // would be refused now). The pointer makes the move the copy would end with.
    seite_1_ersetzt();
    if (!Os_Display_Bild_Gefragt() && Win95_Screen_Bereit()) {
        Os_Display_Aufschieben(seite_0_nachholen);
        Mauszeiger_Nachziehen();
        return 1;
    }
    // This copy covers a waiting one whole.
    Os_Display_Aufschieben(nullptr);
    return seite_0_auf_display(Mauszeiger_Blit_End);
}

int Grafik_Screen_Seite_Wechseln(uint32_t from, uint32_t to)
{
    if (!hicolor_open()) return 0;
    const auto& g = Grafik_Screen_Geometrie;
    if (from == 0 && to == 1) {
        // Whole: a view opening over the screen takes page 0 as it stands, whoever put it there,
        // and this copy is rare.
        Grafik_Seiten_Unterschied = {0, g.height};
        seite_abgleichen(Grafik_Seite_0, Grafik_Seite_1);
        Grafik_Flaeche_Melden(Grafik_Seite_0, 0, 0, g.width, g.height, Grafik_Seite_1, 0, 0, true);
    } else if (from == 1 && to == 0)
        Grafik_Screen_Seite_Zeigen(0);
    return 1;
}

int Grafik_Screen_Seite_Ist_Aktiv()
{
    return hicolor_open() && Grafik_Render_Ziel == Grafik_Seite_1 ? 1 : 0;
}

int Grafik_Screen_Dummy() { return 0; }

int Grafik_Screen_Rechteck_Zeigen(int32_t x, int32_t y, int32_t w, int32_t h)
{
    const auto& g = Grafik_Screen_Geometrie;
    if (!g.page0_pixels) return 0;
    // a waiting present of page 1 does not carry page 0: it lands first
    if (seite_1_wartet()) Os_Display_Nachholen();
    int32_t wx = x - x % 4;
    int32_t ww = w + 8 - w % 4;
    if (!cut_to_screen(wx, y, ww, h)) return 1;
    bool pointer = Mauszeiger_Overlaps_Rect(wx, y, ww, h) != 0;
    // A waiting whole-screen copy carries the rectangle too; the pointer over it makes the
    // move the composite pair would end with.
    if (Os_Display_Aufgeschoben()) {
        if (pointer) Mauszeiger_Nachziehen();
        return 1;
    }
    if (pointer) Mauszeiger_Blit_Start(g.page0_pixels);
    int32_t pitch = 0;
    auto* surface = static_cast<uint8_t*>(Win95_Lock_Screen(wx, y, ww, h, &pitch));
    if (surface) {
        page0_to_surface(surface, pitch, wx, y, ww, h);
        Win95_Unlock_Screen();
    }
    if (pointer) Mauszeiger_Blit_End(g.page0_pixels);
    return surface ? 1 : 0;
}

void* Grafik_Screen_Surface_Oeffnen(int32_t x, int32_t y, int32_t w, int32_t h, int32_t* pitch)
{
    Os_Display_Nachholen();
    bool pointer = Mauszeiger_Overlaps_Rect(x, y, w, h) != 0;
    if (pointer) Mauszeiger_Remove();
    void* surface = Win95_Lock_Screen(x, y, w, h, pitch);
    if (!surface) Mauszeiger_Draw();
    return surface;
}

void Grafik_Screen_Surface_Schliessen(void* surface, int32_t pitch, int32_t x, int32_t y,
                                      int32_t w, int32_t h)
{
    if (!surface) return;
    page0_to_surface(static_cast<uint8_t*>(surface), pitch, x, y, w, h);
    Win95_Unlock_Screen();
    Mauszeiger_Draw();
}

void Grafik_Screen_Zeilen_Kopieren(int32_t x, int32_t y, int32_t width, int32_t height)
{
    auto& g = Grafik_Screen_Geometrie;
    if (!g.page0_pixels || !cut_to_screen(x, y, width, height)) return;
    int32_t saved = g.write_through;
    g.write_through = 0;
    int32_t pitch = 0;
    void* surface = Grafik_Screen_Surface_Oeffnen(x, y, width, height, &pitch);
    Grafik_Screen_Surface_Schliessen(surface, pitch, x, y, width, height);
    g.write_through = saved;
}

// Only a 640 x 480 area exists for sure on every hi-colour screen and back page.
static bool direkt_moeglich()
{
    const auto& g = Grafik_Screen_Geometrie;
    return hicolor_open() && Grafik_Seite_1 && g.width >= 640 && g.height >= 480 && Grafik_Seite_1->width >= 640 &&
           Grafik_Seite_1->height >= 480;
}

bool Grafik_Screen_Direkt_Aufschieben(Grafik_Direkt_Kopie kopie)
{
    // a checker follows every copy as it is made
    if (!kopie || Grafik_Flaeche_Meldung || Os_Display_Bild_Gefragt() || !Win95_Screen_Bereit() || !direkt_moeglich())
        return false;
    // another screen's waiting copy lands as it would have before this one; a waiting present
    // of page 1 is covered by this one whole
    if (!seite_1_wartet()) Os_Display_Nachholen();
    seite_1_kopie = kopie;
    wartend = Wartend::Seite_1;
    Grafik_Seite_1_Gebunden = true;
    Os_Display_Aufschieben(seite_1_nachholen);
    return true;
}

void Grafik_Screen_Direkt_Abloesen(bool deckt)
{
    if (wartend != Wartend::Seite_1) return;
    // Nobody will see it (a headless script with no picture left to take): the frame draws into
    // the pixels page 1 has, still in the cache from the frame before, and the present is dropped.
    if (Os_Display_Kein_Bild_Voraus()) {
        Os_Display_Aufschieben(nullptr);
        seite_1_ersetzt();
        return;
    }
    const Rastport* s = Grafik_Seite_1;
    if (deckt && !seite_1_vorrat && s->width == 640 && s->height == 480)
        seite_1_vorrat = Grafik_Bitmap_Anlegen_Tiefe(int32_t(s->width), int32_t(s->height), int8_t(s->depth));
    const bool passt = seite_1_vorrat && seite_1_vorrat->width == s->width && seite_1_vorrat->height == s->height &&
                       seite_1_vorrat->depth == s->depth && s->width == 640 && s->height == 480;
    if (!deckt || !passt) {
        Grafik_Seite_1_Loesen();
        return;
    }
    std::swap(Grafik_Seite_1->pixels, seite_1_vorrat->pixels);
    getauscht = !getauscht;
    wartend = Wartend::Abgeloest;
    Grafik_Seite_1_Gebunden = false;
}

int Grafik_Screen_Direkt_Kopieren() { return Grafik_Screen_Direkt_Kopieren_Aus(Grafik_Seite_1); }

int Grafik_Screen_Direkt_Kopieren_Aus(const Rastport* quelle)
{
    if (!direkt_moeglich() || !quelle || quelle->width != Grafik_Seite_1->width || quelle->height < 480) return 0;
    int32_t pitch = 0;
    auto* surface = static_cast<uint8_t*>(Win95_Lock_Screen(0, 0, 640, 480, &pitch));
    if (!surface) return 0;
    const auto* page = static_cast<const uint8_t*>(quelle->pixels);
    // a surface whose rows are as long as the page's takes the page as one block
    if ((pitch == 0 || pitch == 1280) && quelle->width == 640) {
        std::memcpy(surface, page, 640u * 480u * 2u);
    } else {
        if (pitch == 0) pitch = 1280;
        for (int row = 0; row < 480; ++row)
            std::memcpy(surface + size_t(row) * pitch,
                        page + size_t(row) * quelle->width * 2, 1280);
    }
    Win95_Unlock_Screen();
    // The display shows page 1 now, as if page 0 held it.
    Grafik_Flaeche_Melden(Grafik_Seite_1, 0, 0, 640, 480, Grafik_Seite_0, 0, 0, true);
    return 1;
}
