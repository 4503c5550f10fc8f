#include "competitions/statistik_anzeige.h"

#include <algorithm>

#include "gameflow/wappen.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_wappen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/resfile.h"
#include "toolkit/icon.h"

namespace {

// The shadow's copies, farthest first: offset and grey level 0-255 (darkest nearest the crest).
constexpr struct {
    int32_t versatz, grau;
} SCHATTEN[] = {{3, 72}, {2, 48}, {1, 24}};
constexpr int32_t RAND = 3;

}  // namespace

int32_t Statistik_Wappen_Bild_Zeichnen(Menue_Icon* icon, Rastport* wappen)
{
    Rastport* ziel = icon ? (icon->bitmap ? icon->bitmap : Grafik_Render_Ziel) : nullptr;
    if (!ziel || !wappen) {
        if (wappen) Grafik_Bitmap_Freigeben(wappen);
        return 0;
    }
    const int32_t x = icon->bitmap ? 0 : icon->x, y = icon->bitmap ? 0 : icon->y;
    // The icon's own bitmap is redrawn from see-through; the screen keeps what lies beneath.
    if (icon->bitmap) Grafik_Rechteck_Fuellen(ziel, 0, 0, int32_t(ziel->width), int32_t(ziel->height), 0);
    const int32_t w = int32_t(wappen->width), h = int32_t(wappen->height);
    for (const auto& s : SCHATTEN) {
        // A shade of 0 is the see-through key: the darkest stays visible.
        const uint16_t farbe = std::max<uint16_t>(1, Grafik_RGB_Zu_Pixel(ziel->depth, s.grau, s.grau, s.grau));
        Grafik_Blit_Einfarbig(wappen, 0, 0, w, h, ziel, x + s.versatz, y + s.versatz, int16_t(farbe));
    }
    const int32_t gezeichnet = Grafik_Blit_Transparent(wappen, 0, 0, w, h, ziel, x, y);
    Grafik_Bitmap_Freigeben(wappen);
    return gezeichnet ? 1 : 0;
}

namespace {

// Both crest forms end here: one with no picture leaves the icon empty.
int32_t wappen_oder_leer(Menue_Icon* icon, Rastport* wappen)
{
    if (!wappen) {
        // No crest (or no manager): the icon shows nothing rather than an old crest.
        if (icon->bitmap) Grafik_Rechteck_Fuellen(icon->bitmap, 0, 0, int32_t(icon->bitmap->width),
                                                  int32_t(icon->bitmap->height), 0);
        return 0;
    }
    return Statistik_Wappen_Bild_Zeichnen(icon, wappen);
}

}  // namespace

int32_t Statistik_Wappen_Zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon || icon->breite <= RAND || icon->hoehe <= RAND) return 0;
    const int32_t resfile = ResFile_Handles[0].handle;
    if (resfile < 0) return 0;
    const Rastport* ziel = icon->bitmap ? icon->bitmap : Grafik_Render_Ziel;
    return wappen_oder_leer(icon, Grafik_Wappen_Laden(resfile, nullptr, ziel ? int32_t(ziel->depth) : 16, icon->kennung_1,
                                                       0, 0, 1, icon->breite - RAND, icon->hoehe - RAND));
}

int32_t Statistik_Manager_Wappen_Zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon || icon->breite <= RAND || icon->hoehe <= RAND) return 0;
    const int32_t resfile = ResFile_Handles[0].handle;
    if (resfile < 0) return 0;
    return wappen_oder_leer(icon, Wappen_Load_Team(resfile, nullptr, 0, 0, icon->kennung_1, 0, icon->breite - RAND,
                                                   icon->hoehe - RAND));
}

void Team_Platz_Info_Zeichnen(Rastport*, int32_t, int32_t, int32_t) {}
