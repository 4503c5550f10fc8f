#include "competitions/statistik_anzeige.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "gameflow/eingang.h"
#include "gameflow/wappen.h"
#include "graphics/font.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_wappen.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_wappen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/resfile.h"
#include "toolkit/dienste.h"
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

const char* Team_Liga_Name(int32_t team)
{
    static char puffer[96];
    puffer[0] = 0;
    if (team < 0 || team >= Team_Anzahl) return puffer;
    const Wettbewerb_Id liga = Wettbewerb_Get_Team_Wettbewerb(team, 1);
    const Wettbewerb_Id erster = Wettbewerb_Get_Team_Wettbewerb(team, 0);
    const int32_t nummer = Wettbewerb_Get_Nummer(erster >= 0 ? erster : liga);
    const Wettbewerb_Datensatz* w = nummer >= 0 ? Wettbewerb_Zeiger(nummer) : nullptr;
    const bool amateur = w && w->amateur_liga;
    if (liga >= 0) {
        std::snprintf(puffer, sizeof puffer, amateur ? "%s, Amat." : "%s", Wettbewerb_Get_Anzeigename(liga));
    } else {
        const int32_t nation = Team_Wert(TEAM_NATION, team, 0, 0);
        const char* name = nation >= 0 && nation < Team_Anzahl ? Team_String(TEAM_NAME_LAND, nation, nullptr, 0) : "";
        std::snprintf(puffer, sizeof puffer, amateur ? "%s, Amateur" : "%s", name ? name : "");
    }
    return puffer;
}

void Team_Platz_Info_Zeichnen(Rastport* bitmap, int32_t team, int32_t x, int32_t y)
{
    if (!bitmap || team < 0 || team >= Team_Anzahl) return;
    const int32_t w = int32_t(bitmap->width) - x;
    const int32_t resfile = ResFile_Handles[0].handle;
    int32_t c = 0;
    if (resfile >= 0) {
        if (Rastport* wappen = Grafik_Wappen_Laden(resfile, nullptr, bitmap->depth, team, 0, 0, 1, 0, 0)) {
            c = int32_t(wappen->width);
            Grafik_Blit_Transparent(wappen, 0, 0, c, int32_t(wappen->height), bitmap, x + 2, y + 2);
            Grafik_Bitmap_Freigeben(wappen);
        }
        if (Rastport* klein = Wappen_Load_Team(resfile, nullptr, 0, 0, team, 0, 30, 34)) {
            Grafik_Blit_Transparent(klein, 0, 0, int32_t(klein->width), int32_t(klein->height), bitmap,
                                    x + w - 4 - int32_t(klein->width), y + 4);
            Grafik_Bitmap_Freigeben(klein);
        }
    }
    if (Team_Hat_Manager(team)) c = 0;
    const int32_t mitte = w / 2 + c / 2;
    const char* name = Team_String(TEAM_NAME, team, nullptr, 0);
    Grafik_Printf(bitmap, Font(0), "^c%05d^tz%04d%s", x, y + 18, int32_t(Grafik_Farbe(15, 15, 15)), mitte,
                  name ? name : "");
    const Wettbewerb_Id liga = Wettbewerb_Get_Team_Wettbewerb(team, 1);
    const int32_t platz = liga >= 0 ? Wettbewerb_Get_Tabellenplatz(liga, team) : -1;
    const int32_t farbe = int32_t(Grafik_Farbe(11, 11, 11));
    if (platz >= 0)
        Grafik_Printf(bitmap, Font(3), "^c%05d^tz%04d%d. Platz in %s", x, y + 32, farbe, mitte, platz + 1,
                      Team_Liga_Name(team));
    else
        Grafik_Printf(bitmap, Font(3), "^c%05d^tz%04d(%s)", x, y + 32, farbe, mitte, Team_Liga_Name(team));
    Grafik_Linie(bitmap, x + 4, y + 44, x + w - 4, y + 44, Grafik_Farbe(10, 10, 10));
}

void Ligen_Wappen_Zeichnen(Menue_Icon* icon, Rastport* ziel, int32_t team, int32_t x, int32_t y, int32_t w,
                           int32_t h)
{
    if (team == -1 && !Eingang_Get_Spiel_Gestartet()) return;
    if (!ziel) ziel = icon ? icon->bitmap : nullptr;
    if (!ziel) return;
    if (w == -1) w = icon ? icon->breite : -1;
    if (h == -1) h = icon ? icon->hoehe : -1;
    const int32_t resfile = ResFile_Handles[0].handle;
    if (resfile < 0) return;
    Grafik_Wappen_Laden(resfile, ziel, ziel->depth, team, x, y, 1, std::max(w, 0), std::max(h, 0));
}

void Ligen_Bild_Maske_Erzeugen(const Rastport* bild, Rastport* maske)
{
    if (!bild || !maske || bild->depth != 16 || maske->depth != 16 || bild->width != maske->width ||
        bild->height != maske->height || !bild->pixels || !maske->pixels)
        return;
    const auto* q = static_cast<const uint16_t*>(bild->pixels);
    auto* z = static_cast<uint16_t*>(maske->pixels);
    const size_t n = size_t(bild->width) * bild->height;
    for (size_t i = 0; i < n; ++i) z[i] = q[i] ? 1 : 0;
}

namespace {

// The shadows laid last: the crest, the page's rectangle under crest and shadow before, and after.
struct Schatten_Eintrag {
    int32_t w = 0, h = 0;
    std::vector<uint16_t> wappen, vorher, nachher;
    uint64_t benutzt = 0;
};
std::array<Schatten_Eintrag, 8> schatten_gemerkt;
uint64_t schatten_uhr = 0;

// The rectangle of an off-screen 16-bit page a crest's shadow is laid on, cut at the page's
// right and bottom edges as the shadow is; only such a page is taken from or kept for the list
// (the screen page draws as ever).
class Schatten_Flaeche {
public:
    Schatten_Flaeche(Rastport* seite, int32_t x, int32_t y, int32_t w, int32_t h) : seite_(seite), x_(x), y_(y)
    {
        gilt_ = seite && seite->pixels && seite->depth == 16 && !seite->packed && !Grafik_Ist_Seite_0(seite) && x >= 0 &&
                y >= 0 && int64_t(x) < int64_t(seite->width) && int64_t(y) < int64_t(seite->height);
        if (!gilt_) return;
        w_ = int32_t(std::min<int64_t>(w, int64_t(seite->width) - x));
        h_ = int32_t(std::min<int64_t>(h, int64_t(seite->height) - y));
        gilt_ = w_ > 0 && h_ > 0;
        if (gilt_) vorher_ = lesen();
    }
    // True when the shadow of this crest over this rectangle was laid before: it is laid again.
    bool nehmen(const Rastport* bm)
    {
        if (!gilt_) return false;
        const std::vector<uint16_t> wappen = pixel(bm);
        for (Schatten_Eintrag& e : schatten_gemerkt)
            if (e.benutzt && e.w == w_ && e.h == h_ && e.wappen == wappen && e.vorher == vorher_) {
                e.benutzt = ++schatten_uhr;
                Grafik_Seite_Beschrieben(seite_, y_, h_);
                auto* p = static_cast<uint16_t*>(seite_->pixels);
                for (int32_t z = 0; z < h_; ++z)
                    std::copy_n(e.nachher.data() + size_t(z) * size_t(w_), w_, p + size_t(y_ + z) * seite_->width + size_t(x_));
                return true;
            }
        return false;
    }
    // Keeps the shadow just laid in place of the one used longest ago.
    void merken(const Rastport* bm)
    {
        if (!gilt_) return;
        Schatten_Eintrag& e = *std::min_element(schatten_gemerkt.begin(), schatten_gemerkt.end(),
                                                [](const Schatten_Eintrag& a, const Schatten_Eintrag& b) { return a.benutzt < b.benutzt; });
        e.w = w_;
        e.h = h_;
        e.wappen = pixel(bm);
        e.vorher = std::move(vorher_);
        e.nachher = lesen();
        e.benutzt = ++schatten_uhr;
    }

private:
    static std::vector<uint16_t> pixel(const Rastport* b)
    {
        const auto* p = static_cast<const uint16_t*>(b->pixels);
        return {p, p + size_t(b->width) * b->height};
    }
    std::vector<uint16_t> lesen() const
    {
        std::vector<uint16_t> v(size_t(w_) * size_t(h_));
        const auto* p = static_cast<const uint16_t*>(seite_->pixels);
        for (int32_t z = 0; z < h_; ++z) std::copy_n(p + size_t(y_ + z) * seite_->width + size_t(x_), w_, v.data() + size_t(z) * size_t(w_));
        return v;
    }
    Rastport* seite_;
    int32_t x_, y_, w_ = 0, h_ = 0;
    bool gilt_ = false;
    std::vector<uint16_t> vorher_;
};

}  // namespace

int32_t Rahmen_Wappen_Zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon || !icon->bitmap || !Eingang_Get_Spiel_Gestartet()) return 0;
    Rastport* bm = icon->bitmap;
    Rastport* seite = Grafik_Render_Ziel;
    // Crest and shadow go onto a page nobody sees, and each blit of the icon draws them first:
    // they keep what they showed last.
    if (Grafik_Seite_Ungesehen(seite)) return 1;
    const int32_t w = int32_t(bm->width), h = int32_t(bm->height), team = icon->kennung_1;
    // The old shadow goes with the page behind the icon.
    Rastport* hg = Menue_Get_Hintergrund();
    if (seite && hg) Grafik_Blit(hg, icon->x, icon->y, w + 3, h + 3, seite, icon->x, icon->y);
    Grafik_Rechteck_Fuellen(bm, 0, 0, w, h, 0);
    if (icon->kennung_2 != -1) {
        if (ResFile_Handles[0].handle >= 0) Wappen_Load_Team(ResFile_Handles[0].handle, bm, 6, 3, team, WAPPEN_RAHMEN, 27, 34);
    } else {
        Ligen_Wappen_Zeichnen(icon, bm, team, 0, 0, 40, 40);
    }
    if (!seite || bm->depth != 16) return 1;
    // The same crest over the same page gives the same shadow: the menu lays the turn's two
    // crests on its background at every turn, and takes the shadow it laid before.
    Schatten_Flaeche flaeche(seite, icon->x, icon->y, w + RAND, h + RAND);
    if (flaeche.nehmen(bm)) return 1;
    Rastport* maske = Grafik_Bitmap_Anlegen(w, h, 16);
    if (!maske) return 1;
    Ligen_Bild_Maske_Erzeugen(bm, maske);
    // Soft: faint far out, stronger close to the crest.
    static constexpr struct {
        int8_t dx, dy, staerke;
    } SCHATTEN_WEICH[] = {{3, 3, 5}, {1, 3, 5}, {3, 1, 5}, {2, 2, 15}, {1, 1, 25}};
    for (const auto& s : SCHATTEN_WEICH)
        Grafik_Blit_Ueberblenden_Maske(maske, 0, 0, w, h, seite, icon->x + s.dx, icon->y + s.dy, s.staerke, nullptr, 0, 0);
    Grafik_Bitmap_Freigeben(maske);
    flaeche.merken(bm);
    return 1;
}
