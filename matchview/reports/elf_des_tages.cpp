// The team of the day: eleven portraits on the places of a 1-3-4-3, each with name, count of
// nominations, position, crest and club.
#include <cstdio>
#include <cstring>

#include "competitions/spiele_karten.h"
#include "database/spieler.h"
#include "database/team.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/font.h"
#include "match/spielfeld.h"
#include "matchview/live/spielszenen_live.h"
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

// The labels of a place end before the next place of its row (a row's last has as much room).
constexpr int32_t ABSTAND = 6, KLEIN = 9;
// Free rows between a crest and the club name below it.
constexpr int32_t WAPPEN_LUECKE = 3;

int32_t platz_bis(int32_t i)
{
    const int32_t n = i + 1 < 11 && PLAETZE[i + 1].y == PLAETZE[i].y ? PLAETZE[i + 1].x : PLAETZE[i].x + 142;
    return n - ABSTAND;
}

int32_t breite(int32_t font, const char* t)
{
    Font_Record* f = Font(font);
    return f ? Font_Text_Breite_Mit_Tabs(f, t) : int32_t(std::strlen(t)) * 7;
}

// A label in its own font where it fits in the room, else in the small font, the name cut so
// that the rest stays whole. The font it takes.
int32_t beschriften(int32_t font, const char* name, const char* rest, int32_t raum, char* out, uint32_t groesse)
{
    std::snprintf(out, groesse, "%s%s", name, rest);
    if (breite(font, out) <= raum) return font;
    char kurz[96];
    Spielszenen_Text_Kuerzen(kurz, sizeof kurz, name, KLEIN, raum - breite(KLEIN, rest));
    std::snprintf(out, groesse, "%s%s", kurz, rest);
    return KLEIN;
}

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
        const char* name = Spieler_String(SP_NAME_LAND, p, nullptr, 0);
        char zeile[128];
        const int32_t font = beschriften(0, name ? name : "", Temp_Sprintf(" (%d), %s", anzahl > 0 ? anzahl : 0, pl.position),
                                         platz_bis(i) - pl.x, zeile, sizeof zeile);
        text(font, pl.x, pl.y + h + 12, Temp_Sprintf("^c%05d%s", weiss, zeile));
        if (t < 0 || t >= Team_Anzahl) continue;
        const char* verein = Team_String(TEAM_NAME, t, nullptr, 0);
        const int32_t vfont = beschriften(3, verein ? verein : "", "", platz_bis(i) - (pl.x + w + 4), zeile, sizeof zeile);
        text(vfont, pl.x + w + 4, pl.y + 42, Temp_Sprintf("^c%05d%s", weiss, zeile));
        // The crest stands on the club's name, clear of its tallest letters.
        const Font_Record* f = Font(vfont);
        wappen_auf(t, pl.x + w + 4, pl.y + 42 - (f ? int32_t(f->ascent) : 12) - WAPPEN_LUECKE);
    }
}
