#include "matchview/reports/bericht_seite.h"

#include <string>

#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_wappen.h"
#include "matchview/spieltagbericht.h"
#include "platform/resfile.h"

namespace {

constexpr int16_t SCHATTEN = 1;  // palette colour 1
Spieltagbericht_Zeichen_Hook zeichen_hook = nullptr;

}  // namespace

void Spieltagbericht_Set_Zeichen_Hook(Spieltagbericht_Zeichen_Hook hook) { zeichen_hook = hook; }

namespace bericht {

Rastport* seite() { return Grafik_Seite_1; }

int32_t farbe(uint32_t r, uint32_t g, uint32_t b) { return int32_t(Grafik_Farbe(r, g, b)); }

void text(int32_t font, int32_t x, int32_t y, const char* zeile)
{
    if (zeichen_hook) zeichen_hook(SPIELTAGBERICHT_TEXT, font, x, y, zeile);
    if (seite()) Grafik_Printf(seite(), Font(font), "%s", x, y, zeile);
}

void text_mit_schatten(int32_t font, int32_t x, int32_t y, const char* zeile)
{
    // A locked colour keeps the shadow in one colour through the line's own colour codes.
    if (seite()) Grafik_Printf(seite(), Font(font), "^ic%05d%s", x + 2, y + 2, SCHATTEN, zeile);
    text(font, x, y, zeile);
}

int32_t bild(int32_t nummer, int32_t x, int32_t y)
{
    if (zeichen_hook) zeichen_hook(SPIELTAGBERICHT_BILD, nummer, x, y, "");
    const int32_t handle = ResFile_Handles[0].handle;
    if (!seite() || handle < 0) return 0;
    auto* b = static_cast<Rastport*>(Load_Resource(handle, nummer, seite()->depth, nullptr));
    if (!b) return 0;
    const int32_t w = int32_t(b->width);
    Grafik_Blit_Transparent(b, 0, 0, w, int32_t(b->height), seite(), x, y);
    Grafik_Bitmap_Freigeben(b);
    return w;
}

namespace {

// The crest drawn with its left edge at x (its right edge at `rechts` where that is given) and its
// top at y (its bottom edge at `unten` where that is given); its width, 0 when missing.
int32_t wappen_zeichnen(int32_t team, int32_t x, int32_t y, int32_t groesse, bool schatten, int32_t rechts,
                        int32_t unten = -1)
{
    const int32_t handle = ResFile_Handles[0].handle;
    if (!seite() || handle < 0) return 0;
    Rastport* w = Grafik_Wappen_Laden(handle, nullptr, seite()->depth, team, 0, 0, 1, groesse, groesse);
    if (!w) return 0;
    const int32_t b = int32_t(w->width), h = int32_t(w->height);
    if (rechts >= 0) x = rechts - b;
    if (unten >= 0) y = unten - h;
    if (zeichen_hook) zeichen_hook(SPIELTAGBERICHT_WAPPEN, team, x, y, "");
    if (schatten) Grafik_Blit_Einfarbig(w, 0, 0, b, h, seite(), x + 2, y + 2, SCHATTEN);
    Grafik_Blit_Transparent(w, 0, 0, b, h, seite(), x, y);
    Grafik_Bitmap_Freigeben(w);
    return b;
}

}  // namespace

int32_t wappen(int32_t team, int32_t rechts, int32_t y, int32_t groesse) { return wappen_zeichnen(team, 0, y, groesse, true, rechts); }

void wappen_auf(int32_t team, int32_t x, int32_t unten) { wappen_zeichnen(team, x, 0, 0, false, -1, unten); }

}  // namespace bericht
