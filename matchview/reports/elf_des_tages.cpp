// The team of the day: eleven portraits on the places of a 1-3-4-3, each with name, count of
// nominations, position, crest and club.
#include "competitions/spiele_karten.h"
#include "database/spieler.h"
#include "database/team.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "match/spielfeld.h"
#include "matchview/reports/bericht_seite.h"
#include "platform/temp.h"
#include "screens/spieler_gesicht.h"

namespace {

struct Platz {
    int32_t x, y;
    const char* position;
};
constexpr Platz PLAETZE[11] = {
    {276, 94, "TOR"},  {134, 190, "ABW"}, {276, 190, "ABW"}, {418, 190, "ABW"}, {54, 286, "MIT"},  {198, 286, "MIT"},
    {342, 286, "MIT"}, {486, 286, "MIT"}, {134, 382, "STU"}, {276, 382, "STU"}, {418, 382, "STU"},
};

}  // namespace

void bericht::elf_zeichnen(int32_t wettbewerb, const int32_t* spieler, const int32_t* teams)
{
    const int32_t weiss = farbe(15, 15, 15);
    for (int32_t i = 0; i < 11; ++i) {
        const int32_t p = spieler[i], t = teams[i];
        // A place the day left empty stays empty.
        if (p < 0 || p >= Spieler_Anzahl) continue;
        const Platz& pl = PLAETZE[i];
        const auto* farben = t >= 0 && t < Team_Anzahl ? static_cast<const uint8_t*>(Team_Zeiger(TEAM_FARBEN, t, nullptr, 0)) : nullptr;
        int32_t w = GESICHT_BREITE, h = GESICHT_HOEHE;
        if (seite())
            if (Rastport* g = Spieler_Gesicht_Bauen(nullptr, 0, 0, p, uint32_t(Spieler_Wert(SP_GESICHT, p, 0, 0)), farben)) {
                w = int32_t(g->width);
                h = int32_t(g->height);
                Grafik_Blit_Transparent(g, 0, 0, w, h, seite(), pl.x, pl.y);
                Grafik_Bitmap_Freigeben(g);
            }
        const int32_t anzahl = Spiele_Get_Wettbewerb_Ereignis(wettbewerb, SPIELFELD_NOMINIERUNGS_ZAEHLER, -1, p, -1, -1);
        text(0, pl.x, pl.y + h + 12,
             Temp_Sprintf("^c%05d%s (%d), %s", weiss, Spieler_String(SP_NAME_LAND, p, nullptr, 0), anzahl > 0 ? anzahl : 0,
                          pl.position));
        if (t < 0 || t >= Team_Anzahl) continue;
        wappen_an(t, pl.x + w + 4, pl.y - 8);
        text(3, pl.x + w + 4, pl.y + 42, Temp_Sprintf("^c%05d%s", weiss, Team_String(TEAM_NAME, t, nullptr, 0)));
    }
}
