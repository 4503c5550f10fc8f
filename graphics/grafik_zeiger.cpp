#include "graphics/grafik_zeiger.h"

#include "graphics/grafik_blit.h"

#include <mutex>

#include "graphics/grafik_screen.h"
#include "graphics/pixel.h"

// One pointer transfer at a time, whichever thread calls.
static std::mutex zeiger_laeuft;

int Grafik_Zeiger_Blit(int32_t* sx, int32_t* sy, int32_t* w, int32_t* h, int32_t sw, int32_t sh,
                       int32_t* dx, int32_t* dy, int32_t dw, int32_t dh)
{
    if (!sx || !sy || !w || !h || !dx || !dy) return 0;
    // The pointer's quick test stops one short of the right and bottom edges, but the full clip
    // gives the same answer there, so both are the blit's clip.
    return Grafik_Blit_Clip(sx, sy, w, h, sw, sh, dx, dy, dw, dh);
}

namespace {

enum class Art { Kopieren, Zeichnen };

// Page 0 and the bitmap in memory must share the screen depth: the loops copy raw pixels.
bool passt(const Rastport* rp)
{
    return rp->pixels && !rp->packed && rp->depth == Grafik_Screen_Geometrie.depth;
}

void uebertragen(Art art, Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                 Rastport* dst, int32_t dx, int32_t dy)
{
    std::lock_guard<std::mutex> lock(zeiger_laeuft);
    if (!src || !dst) return;
    // Page 0 nobody sees (a headless run that takes no picture): what lies under the pointer
    // there is never shown, and neither is the pointer.
    if (Grafik_Seite_Ungesehen(src) || Grafik_Seite_Ungesehen(dst)) return;
    if (!Grafik_Zeiger_Blit(&sx, &sy, &w, &h, int32_t(src->width), int32_t(src->height), &dx, &dy,
                            int32_t(dst->width), int32_t(dst->height)))
        return;
    bool von_seite = Grafik_Ist_Seite_0(src), auf_seite = Grafik_Ist_Seite_0(dst);
    if (von_seite == auf_seite || !passt(src) || !passt(dst)) return;
    int32_t depth = Grafik_Screen_Geometrie.depth;
    if (auf_seite) {
        Pixel_Zeiger_Auf_Display(depth, src->pixels, sx, sy, w, h, int32_t(src->width), dx, dy,
                                 art == Art::Zeichnen);
        return;
    }
    if (art != Art::Kopieren) return;
    Grafik_Seite_Beschrieben(dst, dy, h);
    if (depth == 8)
        Pixel_Kopieren_8(static_cast<const uint8_t*>(src->pixels), sx, sy, w, h,
                         int32_t(src->width), static_cast<uint8_t*>(dst->pixels), dx, dy,
                         int32_t(dst->width));
    else
        Grafik_Blit_16_Zeilen(static_cast<const uint16_t*>(src->pixels), sx, sy, w, h,
                              int32_t(src->width), static_cast<uint16_t*>(dst->pixels), dx, dy,
                              int32_t(dst->width));
}

}  // namespace

int Grafik_Zeiger_Kopieren(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                           Rastport* dst, int32_t dx, int32_t dy)
{
    uebertragen(Art::Kopieren, src, sx, sy, w, h, dst, dx, dy);
    return 0;
}

int Grafik_Zeiger_Bild_Zeichnen(Rastport* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                                Rastport* dst, int32_t dx, int32_t dy)
{
    uebertragen(Art::Zeichnen, src, sx, sy, w, h, dst, dx, dy);
    return 0;
}
