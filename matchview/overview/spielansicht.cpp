// The match overview: its 53 scene objects (pictures of the main resource file or bitmaps made
// at a fixed size, children drawn inside their parent's picture), its ten buttons, the frame's
// input and refresh, and the texts of its two pages. Full redraws go through back page 1 and
// are shown in one step; a frame draws only what changed, straight onto page 0. Headless, while
// no picture is asked for, the drawing waits (see "Drawing that waits" below).
#include "matchview/spielansicht.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <cstdio>
#include <cstdarg>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "competitions/spiele.h"
#include "competitions/spiele_tabelle.h"
#include "competitions/statistik_anzeige.h"
#include "competitions/wettbewerb.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/team_staerke.h"
#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_filter.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_spielerfigur.h"
#include "graphics/grafik_wappen.h"
#include "graphics/grafik_zeichnen.h"
#include "match/spielfeld.h"
#include "match/spieltag.h"
#include "matchview/overview/uebersicht_seiten.h"
#include "platform/maus.h"
#include "platform/os/os_display.h"
#include "platform/resfile.h"
#include "platform/sound.h"
#include "platform/soundeffekt.h"
#include "platform/temp.h"
#include "platform/win95.h"
#include "toolkit/dienste.h"
#include "toolkit/popup.h"

int32_t Spielansicht_Offen = 0;
int32_t Spielansicht_Seite = 0;
int32_t Spielansicht_Unterseite = 1;
int32_t Spielansicht_Eingabe = 0;
int32_t Spielansicht_Spiel = 0;

namespace {

constexpr int32_t OBJEKTE = 53;
constexpr int32_t WETTBEWERBE_MAX = 128;
constexpr int32_t POPUP_MAX = MENUE_KONTEXT_EINTRAEGE;
constexpr int32_t KLANG_PUBLIKUM = 2512;
// The games list below its top: the first game's baseline, the header 16 above it, a line's
// hover rectangle and the marker; placed so that the last game's second line clears the bar.
constexpr int32_t LISTE_ERSTE = 18, LISTE_KOPF = 12, LISTE_HOVER = 11, LISTE_MARKE = 0;
// The 10-pixel rows of a long list start higher, so that its last row and the shadows of its
// scores clear the bar too; its header stays clear of the title panel above it.
constexpr int32_t LISTE_ENG = 5, LISTE_KOPF_ENG = 3;
// The wait for a released button after a pause click ends at the latest after this many naps.
constexpr int32_t LOSLASSEN_GRENZE = 3000;

struct Vorlage {
    int32_t resource;
    int16_t x, y, w, h;
    uint8_t dirty, kopie, transparent;
    int32_t parent;
};
// Resource numbers 0x602-0x62f are the overview's pictures 1538-1583.
constexpr Vorlage VORLAGEN[OBJEKTE] = {
    {0x602, 0, 0, 0, 0, 0, 0, 0, -1},       {0x603, 150, 30, 0, 0, 1, 1, 1, -1},  {0x604, 150, 432, 0, 0, 1, 1, 1, -1},
    {0x605, 7, 0, 0, 0, 0, 0, 0, 2},        {0x606, 7, 0, 0, 0, 0, 0, 0, 2},      {0x607, 7, 0, 0, 0, 1, 0, 0, 2},
    {0x608, 53, 0, 0, 0, 1, 0, 0, 2},       {0x609, 53, 0, 0, 0, 0, 0, 0, 2},     {0x60a, 53, 0, 0, 0, 0, 0, 0, 2},
    {0x60b, 100, 0, 0, 0, 1, 0, 0, 2},      {0x60c, 100, 0, 0, 0, 0, 0, 0, 2},    {0x60d, 100, 0, 0, 0, 0, 0, 0, 2},
    {0x60e, 100, 0, 0, 0, 0, 0, 0, 2},      {0x60f, 100, 0, 0, 0, 0, 0, 0, 2},    {0x610, 100, 0, 0, 0, 0, 0, 0, 2},
    {0x611, 297, 0, 0, 0, 1, 0, 0, 2},      {0x612, 297, 0, 0, 0, 0, 0, 0, 2},    {0x613, 297, 0, 0, 0, 0, 0, 0, 2},
    {0x614, 163, 0, 0, 0, 1, 0, 0, 2},      {0x615, 163, 0, 0, 0, 0, 0, 0, 2},    {0x616, 163, 0, 0, 0, 0, 0, 0, 2},
    {0x617, 288, 2, 0, 0, 1, 1, 0, 1},      {0x618, 0, 0, 0, 0, 1, 1, 1, 1},      {-1, 130, 0, 510, 480, 0, 0, 0, -1},
    {-1, 160, 0, 320, 480, 0, 0, 0, -1},    {-1, 160, 0, 320, 480, 0, 0, 0, -1},  {-1, 160, 0, 320, 480, 0, 0, 0, -1},
    {0x619, 0, 0, 0, 0, 0, 0, 0, -1},       {0x619, 0, 0, 0, 0, 0, 0, 0, -1},     {0x61a, 0, 0, 0, 0, 0, 0, 0, -1},
    {0x61a, 0, 0, 0, 0, 0, 0, 0, -1},       {0x61b, 130, 70, 0, 0, 1, 1, 1, -1},  {0x61c, 130, 352, 0, 0, 1, 1, 1, -1},
    {0x61d, 4, 0, 0, 0, 0, 0, 0, 32},       {0x61e, 4, 0, 0, 0, 0, 0, 0, 32},     {0x61f, 4, 0, 0, 0, 0, 0, 0, 32},
    {0x620, 52, 0, 0, 0, 0, 0, 0, 32},      {0x621, 52, 0, 0, 0, 0, 0, 0, 32},    {0x622, 52, 0, 0, 0, 0, 0, 0, 32},
    {0x623, 94, 0, 0, 0, 0, 0, 0, 32},      {0x624, 94, 0, 0, 0, 0, 0, 0, 32},    {0x625, 94, 0, 0, 0, 0, 0, 0, 32},
    {0x626, 138, 0, 0, 0, 0, 0, 0, 32},     {0x627, 138, 0, 0, 0, 0, 0, 0, 32},   {0x628, 138, 0, 0, 0, 0, 0, 0, 32},
    {0x629, 342, 0, 0, 0, 0, 0, 0, 32},     {0x62a, 342, 0, 0, 0, 0, 0, 0, 32},   {0x62b, 342, 0, 0, 0, 0, 0, 0, 32},
    {0x62c, 222, 6, 0, 0, 1, 1, 0, 31},     {0x62d, 0, 0, 0, 0, 1, 1, 1, 31},     {0x62e, 222, 0, 0, 0, 1, 1, 0, 31},
    {0x62f, 163, 44, 0, 0, 1, 1, 0, 31},    {-1, 138, 137, 366, 215, 0, 1, 0, -1},
};

enum : int32_t {
    O_ZIFFERN = 0, O_KOPF = 1, O_LEISTE = 2, O_UHR = 21, O_TITEL = 22, O_GESICHERT = 23, O_TEXTFELD = 24,
    O_STREIFEN = 25, O_TABELLE = 26, O_MARKE = 27, O_UNTER_MARKE = 28, O_RADAR_GRUND = 29, O_RADAR = 30,
    O_SPIEL_KOPF = 31, O_SPIEL_LEISTE = 32, O_SPIEL_UHR = 48, O_HEIM = 49, O_GAST = 50, O_STAND = 51, O_SPIEL_TEXT = 52,
    FACE_SPIELE = 9, FACE_TABELLE = 12,
};

struct Objekt {
    Vorlage v;
    Rastport* bild = nullptr;
    Rastport* kopie = nullptr;
};

struct Knopf_Vorlage {
    int32_t x, y, bild, art;
};
constexpr Knopf_Vorlage KNOPF_VORLAGEN[SPIELANSICHT_KNOEPFE] = {
    {157, 440, 3, 7}, {203, 440, 6, 7}, {250, 434, 9, 6}, {313, 434, 18, 6}, {447, 434, 15, 6},
    {134, 355, 33, 6}, {182, 355, 36, 6}, {224, 355, 39, 6}, {268, 355, 42, 6}, {472, 355, 45, 6},
};
int32_t erstes_bild(int32_t k) { return KNOPF_VORLAGEN[k].bild; }

struct Zustand {
    Objekt obj[OBJEKTE];
    Spielansicht_Knopf knopf[SPIELANSICHT_KNOEPFE] = {};
    int32_t wettbewerbe[WETTBEWERBE_MAX] = {};
    int32_t anzahl = 0, index = 0, wettbewerb = -1;
    Spielansicht_Liste_Masse masse;
    int32_t spiele[SPIELTAG_TAGESLISTE] = {};
    int32_t gelistet = 0;
    bool liste_neu = false;
    int32_t hover_zeile = -1, marke_zeile = -1;
    Spielfeld_Record* hover_record = nullptr;
    int32_t minute_gezeigt = -1, pause_gezeigt = -1, titel_wettbewerb = -1, tabelle_wettbewerb = -1, radar_spiel = -1;
    int32_t klang = -1;
    int32_t letzte_tasten = 0;
    bool ueber_knopf = false;  // the pointer is on a button: the games list under it takes no click
    int32_t ereignisse = -1;   // the game page's game's events when its goals list was drawn
    // Something of this opening was drawn onto the pages (or a list of waiting steps played).
    bool seiten_beruehrt = false;
    // The stripe behind the text field holds its blurred picture; so does the game page's text
    // panel's clean copy, blurred when the game page first needs it.
    bool streifen_weich = false;
    bool spiel_text_weich = false;
};
Zustand z;

Spielansicht_Maus_Hook maus_hook = nullptr;
Spielansicht_Text_Hook text_hook = nullptr;
Spielansicht_Popup_Hook popup_hook = nullptr;

Rastport* bild(int32_t o) { return z.obj[o].bild; }
bool tabelle_gezeigt() { return z.knopf[2].bild >= FACE_TABELLE && z.knopf[2].bild < FACE_TABELLE + 3; }
uint16_t farbe(uint32_t r, uint32_t g, uint32_t b) { return Grafik_Farbe(r, g, b); }

// ---- Drawing that waits ----

// Headless, while no picture is asked for (Os_Display_Bild_Gefragt false), every pixel step of
// the overview (onto the pages and into its own pictures alike) waits in this list, with what
// it draws taken at its time: the texts formatted, the radar's points, places and sizes. A
// picture asked for (the dump hook), a popup over the overview, a page change that asks for
// pixels, or the overview's closing plays the list in order first, so that the pages end as
// every step drawn at its time would have left them. Only the running results column takes its
// scores when played, as a dump always drew it; a newer column or a full redraw replaces a
// waiting one. All state (buttons, hover, the chosen game, pause) moves on at once.
// Steps whose pixels nobody would see are left out: a full redraw draws the pages anew (page 1
// right of x 130 on every row, the screen behind left of it, then page 1 onto page 0), so the
// page steps before it go; and an opaque page step at the same place as an earlier one covers
// it, unless a page was read into a picture between them. At the closing, when nothing but the
// pages counts any more, the steps into pictures that no kept step reads go too.
struct Wirkung {
    const Rastport* ziel = nullptr;          // null: not known, the step stays
    std::array<const Rastport*, 2> liest{};  // pictures or pages read besides the target
    bool ganz = false;                       // the target written whole, without reading it
};
struct Seiten_Ort {
    const Rastport* seite;
    int32_t x, y, w, h;
    bool operator==(const Seiten_Ort& o) const { return seite == o.seite && x == o.x && y == o.y && w == o.w && h == o.h; }
};
struct Warteliste {
    std::vector<std::function<void()>> schritte;
    std::vector<Wirkung> wirkung;
    std::vector<std::pair<Seiten_Ort, size_t>> deckend;  // the last opaque page step of each place
    bool abspielen = false;
    size_t spalte = SIZE_MAX;  // the waiting results column's step
};
Warteliste warte;
// A day kept open for long is played now and then, so that the list stays small.
constexpr size_t WARTE_GRENZE = size_t(1) << 16;

bool warten() { return !warte.abspielen && !Os_Display_Bild_Gefragt(); }

void nachholen()
{
    if (warte.abspielen || warte.schritte.empty()) return;
    warte.abspielen = true;
    z.seiten_beruehrt = true;
    std::vector<std::function<void()>> schritte;
    schritte.swap(warte.schritte);
    warte.wirkung.clear();
    warte.deckend.clear();
    warte.spalte = SIZE_MAX;
    for (const auto& f : schritte)
        if (f) f();
    schritte.clear();
    warte.schritte.swap(schritte);
    warte.abspielen = false;
}

void warteliste_verwerfen()
{
    warte.schritte.clear();
    warte.wirkung.clear();
    warte.deckend.clear();
    warte.spalte = SIZE_MAX;
}

bool ist_seite(const Rastport* b) { return b && (b == Grafik_Seite_0 || b == Grafik_Seite_1); }

// One pixel step: kept while it may wait, else drawn now (after what waits).
template <typename F>
void zeichnen(F&& f, const Wirkung& w)
{
    // A run that never takes a picture needs none of it.
    if (Os_Display_Niemand_Sieht()) return;
    if (warten()) {
        warte.schritte.emplace_back(std::forward<F>(f));
        warte.wirkung.push_back(w);
        if (warte.schritte.size() >= WARTE_GRENZE) nachholen();
        return;
    }
    nachholen();
    z.seiten_beruehrt = true;
    f();
}

// A page step that covers its place whole: a waiting one at the same place goes.
template <typename F>
void seite_deckend(F&& f, const Seiten_Ort& ort, const Wirkung& w)
{
    if (!warten()) return zeichnen(std::forward<F>(f), w);
    auto it = std::find_if(warte.deckend.begin(), warte.deckend.end(), [&](const auto& e) { return e.first == ort; });
    if (it != warte.deckend.end()) warte.schritte[it->second] = nullptr;
    const size_t i = warte.schritte.size();
    zeichnen(std::forward<F>(f), w);
    // (A played list starts afresh.)
    if (warte.schritte.size() != i + 1) return;
    if (it != warte.deckend.end()) it->second = i;
    else warte.deckend.push_back({ort, i});
}

// A page read into a picture: what stands there now counts.
void seite_gelesen()
{
    if (warten()) warte.deckend.clear();
}

// A full redraw begins: the waiting page steps before it are covered.
void seiten_schritte_verwerfen()
{
    if (!warten()) return;
    for (size_t i = 0; i < warte.schritte.size(); ++i)
        if (ist_seite(warte.wirkung[i].ziel)) warte.schritte[i] = nullptr;
    warte.deckend.clear();
    warte.spalte = SIZE_MAX;
}

void spalte_verwerfen()
{
    if (warte.spalte < warte.schritte.size()) {
        if (warte.spalte + 1 == warte.schritte.size()) {
            warte.schritte.pop_back();
            warte.wirkung.pop_back();
        } else {
            warte.schritte[warte.spalte] = nullptr;
        }
    }
    warte.spalte = SIZE_MAX;
}

// The overview closes: only the pages count from here on (every picture is written whole before
// it is read at the next opening). Going back from the last step, a step into a picture no kept
// later step reads is left out; a step that writes its target whole ends the need for earlier
// steps into it.
void tote_schritte_weglassen()
{
    if (!warten()) return;
    std::vector<const Rastport*> lebt{Grafik_Seite_0, Grafik_Seite_1};
    auto lebendig = [&](const Rastport* b) { return std::find(lebt.begin(), lebt.end(), b) != lebt.end(); };
    for (size_t i = warte.schritte.size(); i-- > 0;) {
        if (!warte.schritte[i]) continue;
        const Wirkung& w = warte.wirkung[i];
        if (!w.ziel) return;
        if (!lebendig(w.ziel)) {
            warte.schritte[i] = nullptr;
            continue;
        }
        if (w.ganz) lebt.erase(std::find(lebt.begin(), lebt.end(), w.ziel));
        for (const Rastport* b : w.liest)
            if (b && !lebendig(b)) lebt.push_back(b);
    }
}

// The dump hook: what waits, for the picture asked for.
void bild_nachholen() { nachholen(); }

// ---- Drawing helpers ----

// A formatted text that the step keeps (a temporary string would be reused before it is drawn).
__attribute__((format(printf, 1, 2))) std::string formatiert(const char* format, ...)
{
    char puffer[GRAFIK_PRINTF_PUFFER];
    va_list args;
    va_start(args, format);
    std::vsnprintf(puffer, sizeof puffer, format, args);
    va_end(args);
    return puffer;
}

void drucken(Rastport* ziel, int32_t font, int32_t x, int32_t y, std::string t)
{
    if (!ziel) return;
    zeichnen([ziel, font, x, y, t = std::move(t)] { Grafik_Printf(ziel, Font(font), "%s", x, y, t.c_str()); }, {ziel});
}

void text(Rastport* ziel, int32_t font, int32_t x, int32_t y, const char* t)
{
    if (text_hook) text_hook(font, x, y, t);
    if (ziel) drucken(ziel, font, x, y, t);
}

// The text over its shadow in palette colour 1 two pixels right and down.
void text_schatten(Rastport* ziel, int32_t font, int32_t x, int32_t y, const char* t)
{
    if (ziel) drucken(ziel, font, x + 2, y + 2, formatiert("^ic%05d%s", 1, t));
    text(ziel, font, x, y, t);
}

void kopieren(Rastport* von, int32_t sx, int32_t sy, int32_t w, int32_t h, Rastport* nach, int32_t dx, int32_t dy)
{
    if (!von || !nach) return;
    auto f = [=] { Grafik_Blit(von, sx, sy, w, h, nach, dx, dy); };
    if (ist_seite(von)) seite_gelesen();
    const bool quelle_ganz = sx >= 0 && sy >= 0 && sx + w <= int32_t(von->width) && sy + h <= int32_t(von->height);
    const bool ziel_ganz = quelle_ganz && von != nach && dx == 0 && dy == 0 && w == int32_t(nach->width) && h == int32_t(nach->height);
    const Wirkung wirkung{nach, {von, nullptr}, ziel_ganz};
    if (ist_seite(nach) && quelle_ganz) seite_deckend(f, {nach, dx, dy, w, h}, wirkung);
    else zeichnen(f, wirkung);
}

// The blur of a picture taken from the screen behind the overview. That screen changes little
// from one match day to the next (the turn's end and the report before the games leave it): the
// last picture blurred and its blur are kept, and only the rows next to a changed row are blurred
// anew. The blur is a 3 x 3 kernel that leaves the picture's edge black: an inner row depends on
// the rows above and below it alone, so that a band blurred with one more row on either side
// gives its inner rows exactly.
struct Weich_Gedaechtnis {
    uint32_t breite = 0, hoehe = 0;
    int32_t tiefe = 0;
    std::vector<uint16_t> vorher, nachher;
};
Weich_Gedaechtnis streifen_gedaechtnis, spiel_text_gedaechtnis;

void weich_zeichnen(Rastport* b, Weich_Gedaechtnis& g)
{
    if (!b) return;
    if (b->packed || !b->pixels || (b->depth != 15 && b->depth != 16) || b->width < 3 || b->height < 3) {
        Grafik_Filter_Anwenden(&Filter_Kern_Stark, b);
        return;
    }
    auto* p = static_cast<uint16_t*>(b->pixels);
    const size_t w = b->width, h = b->height, n = w * h;
    if (g.breite != b->width || g.hoehe != b->height || g.tiefe != b->depth) {
        g.vorher.assign(p, p + n);
        Grafik_Filter_Anwenden(&Filter_Kern_Stark, b);
        g.nachher.assign(p, p + n);
        g.breite = b->width;
        g.hoehe = b->height;
        g.tiefe = b->depth;
        return;
    }
    std::vector<bool> anders(h);
    for (size_t y = 0; y < h; ++y) anders[y] = !std::equal(p + y * w, p + (y + 1) * w, g.vorher.begin() + long(y * w));
    auto neu = [&](size_t y) { return y >= 1 && y + 1 < h && (anders[y - 1] || anders[y] || anders[y + 1]); };
    for (size_t a = 1; a + 1 < h;) {
        if (!neu(a)) {
            ++a;
            continue;
        }
        size_t e = a;
        while (e + 2 < h && neu(e + 1)) ++e;
        // Rows a..e anew, from the band of rows a - 1..e + 1.
        if (Rastport* band = Grafik_Bitmap_Anlegen(int32_t(w), int32_t(e - a + 3), b->depth)) {
            auto* q = static_cast<uint16_t*>(band->pixels);
            std::copy(p + (a - 1) * w, p + (e + 2) * w, q);
            Grafik_Filter_Anwenden(&Filter_Kern_Stark, band);
            std::copy(q + w, q + (e - a + 2) * w, g.nachher.begin() + long(a * w));
            Grafik_Bitmap_Freigeben(band);
        } else {
            // No memory for the band: the whole picture as ever.
            g.breite = 0;
            weich_zeichnen(b, g);
            return;
        }
        a = e + 1;
    }
    g.vorher.assign(p, p + n);
    std::copy(g.nachher.begin(), g.nachher.end(), p);
}

void objekt_zuruecksetzen(int32_t o)
{
    Objekt& ob = z.obj[o];
    if (ob.bild && ob.kopie) kopieren(ob.kopie, 0, 0, ob.v.w, ob.v.h, ob.bild, 0, 0);
}

// ---- Scene objects ----

// The overview's own canvases (the pictures it takes from the screen, the text fields) stay
// from one match day to the next: at every opening each is written whole before it is read, so
// that a kept one serves as a new one would.
Rastport* leinwand[OBJEKTE][2] = {};

Rastport* leinwand_nehmen(int32_t o, int32_t k, int32_t tiefe)
{
    Rastport*& b = leinwand[o][k];
    const Vorlage& v = VORLAGEN[o];
    if (b && (b->width != uint32_t(v.w) || b->height != uint32_t(v.h) || b->depth != tiefe)) b = Grafik_Bitmap_Freigeben(b);
    Rastport* r = b ? b : Grafik_Bitmap_Anlegen(v.w, v.h, tiefe);
    b = nullptr;
    return r;
}

// The pictures of the resource file stay too, with the pixels (and mask) they were loaded with:
// at the next opening of the same open file they are set back to those instead of being read and
// unpacked anew.
struct Bild_Vorrat {
    Rastport* bild = nullptr;          // kept between match days
    const Rastport* im_gebrauch = nullptr;  // the object's picture the pixels below belong to
    int32_t handle = -1, tiefe = 0;
    uint32_t stand = 0;
    std::vector<uint8_t> pixel, maske;
};
Bild_Vorrat vorrat[OBJEKTE][2];

size_t pixel_bytes(const Rastport* b) { return size_t(b->width) * b->height * Grafik_Bytes_Pro_Pixel(b->depth); }

// The kept picture of object o (k: 0 its picture, 1 its clean copy) as loaded, or null.
Rastport* vorrat_nehmen(int32_t o, int32_t k, int32_t handle, int32_t tiefe)
{
    Bild_Vorrat& r = vorrat[o][k];
    Rastport* b = r.bild;
    r.bild = nullptr;
    if (!b) return nullptr;
    if (r.handle != handle || r.tiefe != tiefe || r.stand != ResFile_Stand(handle)) {
        Grafik_Bitmap_Freigeben(b);
        return nullptr;
    }
    // A pixel step like any other: the picture is set back before anything draws into it.
    zeichnen(
        [b, &r] {
            std::memcpy(b->pixels, r.pixel.data(), r.pixel.size());
            if (b->mask) std::memcpy(b->mask, r.maske.data(), r.maske.size());
        },
        {b, {}, true});
    r.im_gebrauch = b;
    return b;
}

void vorrat_merken(int32_t o, int32_t k, const Rastport* b, int32_t handle, int32_t tiefe)
{
    Bild_Vorrat& r = vorrat[o][k];
    r.im_gebrauch = nullptr;
    if (!b || b->packed || !b->pixels || b->depth != tiefe) return;
    const auto* p = static_cast<const uint8_t*>(b->pixels);
    r.pixel.assign(p, p + pixel_bytes(b));
    if (b->mask) r.maske.assign(b->mask, b->mask + Grafik_Masken_Groesse(b->width, b->height));
    else r.maske.clear();
    r.handle = handle;
    r.tiefe = tiefe;
    r.stand = ResFile_Stand(handle);
    r.im_gebrauch = b;
}

void objekte_freigeben()
{
    for (int32_t i = 0; i < OBJEKTE; ++i) {
        Objekt& o = z.obj[i];
        Rastport* b[2] = {o.bild, o.kopie};
        for (int32_t k = 0; k < 2; ++k) {
            if (!b[k]) continue;
            Bild_Vorrat& r = vorrat[i][k];
            if (VORLAGEN[i].resource < 0 && !leinwand[i][k]) leinwand[i][k] = b[k];
            else if (VORLAGEN[i].resource >= 0 && r.im_gebrauch == b[k] && !r.bild) r.bild = b[k];
            else Grafik_Bitmap_Freigeben(b[k]);
            if (r.im_gebrauch == b[k]) r.im_gebrauch = nullptr;
        }
        o.bild = o.kopie = nullptr;
    }
}

Rastport* objekt_bild(int32_t o, int32_t k, const Vorlage& v, int32_t tiefe)
{
    if (v.resource < 0) return leinwand_nehmen(o, k, tiefe);
    const int32_t handle = ResFile_Handles[0].handle;
    if (handle < 0) return nullptr;
    if (Rastport* b = vorrat_nehmen(o, k, handle, tiefe)) return b;
    auto* b = static_cast<Rastport*>(Load_Resource(handle, v.resource, tiefe, nullptr));
    // A packed picture is expanded: the overview draws into its pictures.
    if (b && b->packed) {
        Rastport* frei = Unpack_Bitmap(b, tiefe);
        Grafik_Bitmap_Freigeben(b);
        b = frei;
    }
    vorrat_merken(o, k, b, handle, tiefe);
    return b;
}

bool objekte_laden(int32_t tiefe)
{
    for (int32_t i = 0; i < OBJEKTE; ++i) {
        Objekt& o = z.obj[i];
        o.v = VORLAGEN[i];
        o.bild = objekt_bild(i, 0, o.v, tiefe);
        if (o.bild) {
            o.v.w = int16_t(o.bild->width);
            o.v.h = int16_t(o.bild->height);
        }
        if (o.bild && o.v.kopie) o.kopie = objekt_bild(i, 1, o.v, tiefe);
        if (!o.bild || (o.v.kopie && !o.kopie)) {
            objekte_freigeben();
            return false;
        }
    }
    return true;
}

void hintergrund_sichern()
{
    // Page 1 holds the screen behind as well (just copied): a step that waits takes it from
    // there, where nothing else draws before the overview's first full redraw.
    Rastport* s = warten() ? Grafik_Seite_1 : Grafik_Seite_0;
    kopieren(s, 130, 0, 510, 480, bild(O_GESICHERT), 0, 0);
    kopieren(s, 160, 0, 320, 480, bild(O_TEXTFELD), 0, 0);
    kopieren(s, 160, 0, 320, 480, bild(O_STREIFEN), 0, 0);
    z.streifen_weich = false;
    kopieren(s, 138, 137, 366, 215, z.obj[O_SPIEL_TEXT].kopie, 0, 0);
    z.spiel_text_weich = false;
}

void hintergrund_zurueck(Rastport* ziel) { kopieren(bild(O_GESICHERT), 0, 0, 510, 480, ziel, 130, 0); }

void objekte_markieren(int32_t seite)
{
    for (Objekt& o : z.obj) o.v.dirty = 0;
    if (seite == 0) {
        for (int32_t k = 0; k < 5; ++k) z.obj[z.knopf[k].bild].v.dirty = 1;
        z.obj[O_KOPF].v.dirty = z.obj[O_LEISTE].v.dirty = 1;
        z.obj[O_KOPF].v.y = int16_t(z.masse.oben - 80 + 30);
        z.obj[O_LEISTE].v.y = int16_t(z.masse.oben + z.masse.hoehe - 432 + 432);
    } else {
        for (int32_t k = 5; k < 10; ++k) z.obj[z.knopf[k].bild].v.dirty = 1;
        z.obj[O_SPIEL_KOPF].v.dirty = z.obj[O_SPIEL_LEISTE].v.dirty = 1;
        z.obj[O_SPIEL_KOPF].v.y = 70;
        z.obj[O_SPIEL_LEISTE].v.y = 352;
    }
}

void zeichnen_auf(Rastport* quelle, const Vorlage& v, Rastport* ziel, int32_t x, int32_t y)
{
    if (!quelle || !ziel) return;
    const bool transparent = v.transparent;
    const int32_t w = v.w, h = v.h;
    auto f = [=] {
        if (transparent) Grafik_Blit_Transparent(quelle, 0, 0, w, h, ziel, x, y);
        else Grafik_Blit(quelle, 0, 0, w, h, ziel, x, y);
    };
    const bool quelle_ganz = w <= int32_t(quelle->width) && h <= int32_t(quelle->height);
    const bool ziel_ganz = !transparent && quelle_ganz && quelle != ziel && x == 0 && y == 0 && w == int32_t(ziel->width) &&
                           h == int32_t(ziel->height);
    const Wirkung wirkung{ziel, {quelle, nullptr}, ziel_ganz};
    if (!transparent && ist_seite(ziel) && quelle_ganz) seite_deckend(f, {ziel, x, y, w, h}, wirkung);
    else zeichnen(f, wirkung);
}

// The marked top-level objects onto the target, then the marked children at their parents'
// places; each is unmarked.
template <typename Markiert>
void objekte_aufs_ziel(Rastport* ziel, Markiert markiert)
{
    for (int32_t runde = 0; runde < 2; ++runde)
        for (int32_t i = 0; i < OBJEKTE; ++i) {
            Objekt& o = z.obj[i];
            if (!markiert(i) || (o.v.parent >= 0) != (runde == 1)) continue;
            const int32_t x = o.v.parent >= 0 ? z.obj[o.v.parent].v.x + o.v.x : o.v.x;
            const int32_t y = o.v.parent >= 0 ? z.obj[o.v.parent].v.y + o.v.y : o.v.y;
            zeichnen_auf(o.bild, o.v, ziel, x, y);
            o.v.dirty = 0;
        }
}

// Children first into their parent's picture (over the parent's clean copy), then the marked
// top-level objects and the marked children onto the target.
void objekte_zeichnen(Rastport* ziel)
{
    // Most frames change nothing: one look over the objects then.
    if (std::none_of(std::begin(z.obj), std::end(z.obj), [](const Objekt& o) { return o.v.dirty != 0; })) return;
    // Pixels nobody sees, with nothing waiting that a step could cover: only the marks go.
    if (Os_Display_Niemand_Sieht() && warte.schritte.empty() && warte.deckend.empty()) {
        for (Objekt& o : z.obj) o.v.dirty = 0;
        return;
    }
    for (Objekt& o : z.obj) {
        if (!o.v.dirty || o.v.parent < 0) continue;
        Objekt& p = z.obj[o.v.parent];
        if (p.kopie) kopieren(p.kopie, o.v.x, o.v.y, o.v.w, o.v.h, p.bild, o.v.x, o.v.y);
        zeichnen_auf(o.bild, o.v, p.bild, o.v.x, o.v.y);
    }
    objekte_aufs_ziel(ziel, [](int32_t i) { return z.obj[i].v.dirty != 0; });
}

// ---- Buttons ----

void knopf_setzen(int32_t k, int32_t zustand)
{
    Spielansicht_Knopf& b = z.knopf[k];
    b.zustand = zustand;
    b.bild = (k == 2 && tabelle_gezeigt() ? FACE_TABELLE : erstes_bild(k)) + zustand;
    z.obj[b.bild].v.dirty = 1;
}

void knoepfe_init(const Spielfeld_Steuerung_Block*)
{
    for (int32_t k = 0; k < SPIELANSICHT_KNOEPFE; ++k) {
        const Knopf_Vorlage& v = KNOPF_VORLAGEN[k];
        Spielansicht_Knopf& b = z.knopf[k];
        b = {v.x, v.y, z.obj[v.bild].v.w, z.obj[v.bild].v.h, SPIELANSICHT_NORMAL, v.bild, v.art};
    }
    if (z.anzahl <= 1) {
        knopf_setzen(0, SPIELANSICHT_AUS);
        knopf_setzen(1, SPIELANSICHT_AUS);
    }
    // Decided once: switching competitions leaves the table button as it is.
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(z.wettbewerb);
    if (!info || (info->modus & KO_SYSTEM)) knopf_setzen(2, SPIELANSICHT_AUS);
    knopf_setzen(4, SPIELANSICHT_AUS);
}

Spielfeld_Record* record_pitch(int32_t spiel)
{
    Spielfeld_Record* r = Spielfeld_Get_Spiel(spiel);
    return r && r->aktiv ? r : nullptr;
}

void knoepfe_modus(int32_t seite)
{
    if (seite == 0) {
        for (int32_t k : {5, 6}) {
            z.knopf[k].zustand = SPIELANSICHT_NORMAL;
            z.knopf[k].bild = erstes_bild(k);
        }
        return;
    }
    // A game not played on the pitch has nothing to show live and no statistics.
    if (!record_pitch(Spielansicht_Spiel)) {
        knopf_setzen(5, SPIELANSICHT_AUS);
        knopf_setzen(6, SPIELANSICHT_AUS);
    }
}

void knoepfe_normal(int32_t von, int32_t bis)
{
    for (int32_t k = von; k < bis; ++k)
        if (z.knopf[k].zustand == SPIELANSICHT_UEBER) knopf_setzen(k, SPIELANSICHT_NORMAL);
}

// The pointer and the button newly pressed this frame: a held button acts once.
void maus(int32_t* x, int32_t* y, int32_t* klick)
{
    int32_t tasten = 0;
    if (maus_hook) {
        maus_hook(x, y, &tasten);
    } else {
        tasten = Maus_Get_Tasten();
        *x = Maus_Get_X();
        *y = Maus_Get_Y();
    }
    *klick = tasten != z.letzte_tasten ? tasten : 0;
    z.letzte_tasten = tasten;
}

// The buttons of the page under the pointer: hover faces, pointer image and the action clicked
// (the button, -2 - button for a right click, -1 none).
int32_t knoepfe_abfragen(const Spielfeld_Steuerung_Block* st, int32_t mx, int32_t my, int32_t tasten)
{
    const int32_t von = Spielansicht_Seite == 0 ? 0 : 5;
    int32_t aktion = -1;
    bool drueber = false;
    for (int32_t k = von; k < von + 5; ++k) {
        Spielansicht_Knopf& b = z.knopf[k];
        const bool drin = mx >= b.x && mx < b.x + b.breite && my >= b.y && my < b.y + b.hoehe;
        if (!drin) {
            if (b.zustand == SPIELANSICHT_UEBER) {
                b.zustand = SPIELANSICHT_NORMAL;
                z.obj[b.bild].v.dirty = 1;
            }
            continue;
        }
        drueber = true;
        if (b.zustand == SPIELANSICHT_AUS) {
            Mauszeiger_Select(1);
            continue;
        }
        if (b.zustand == SPIELANSICHT_NORMAL) {
            b.zustand = SPIELANSICHT_UEBER;
            z.obj[b.bild + 1].v.dirty = 1;
        }
        Mauszeiger_Select(b.art);
        if (aktion != -1) continue;
        const bool links = tasten == 1 && (b.art == 6 || b.art == 7);
        const bool rechts = tasten == 2 && (b.art == 8 || b.art == 7);
        if (links || rechts) {
            Soundeffekt_Play_Pos(4, b.x);
            aktion = links ? k : -2 - k;
        }
    }
    if (!drueber) Mauszeiger_Select(0);
    z.ueber_knopf = drueber;
    if (st->spieltag_beendet) {
        if (Spielansicht_Seite == 0) {
            if (tasten == 2) aktion = 4;
            if (z.knopf[4].zustand == SPIELANSICHT_AUS) knopf_setzen(4, SPIELANSICHT_NORMAL);
        } else {
            if (tasten == 2) aktion = 9;
            if (z.knopf[5].zustand != SPIELANSICHT_AUS) knopf_setzen(5, SPIELANSICHT_AUS);
        }
    } else if (Spielansicht_Seite == 0 && z.knopf[4].zustand == SPIELANSICHT_AUS && Spieltag_Nur_Andere_Spielen()) {
        // Only other clubs' games are left: "Ende" leaves at once with their results.
        knopf_setzen(4, SPIELANSICHT_NORMAL);
    }
    return aktion;
}

// The button that paused must be let go first; headless the clock is virtual, and a quit ends
// the wait.
void loslassen_abwarten()
{
    if (maus_hook) return;
    for (int32_t i = 0; i < LOSLASSEN_GRENZE && Win95_Maustasten() != 0 && !Programm_Ende; ++i) {
        Win95_Message_Pump();
        Win95_Sleep(10);
    }
}

// ---- Competition page ----

// Our fonts 0 and 3 are wider than the lines' room: the condensed names font for tall rows,
// the smallest font for the 10-pixel rows of long lists, and a small one for second lines.
constexpr int32_t FONT_NAMEN = 7, FONT_WINZIG = 11, FONT_KLEIN = 9;
int32_t liste_font() { return z.masse.zeile > 14 ? FONT_NAMEN : FONT_WINZIG; }
constexpr int32_t ZEILE_EREIGNIS = 11;
int32_t liste_erste() { return z.masse.zeile == 10 ? LISTE_ERSTE - LISTE_ENG : LISTE_ERSTE; }

const Spiele_Spiel* spiel_von(int32_t i) { return Spiele_Get_Spiel(z.spiele[i + 1], 1); }

void liste_masse()
{
    if (!Spieltag_Get_Spiele(z.wettbewerb, z.spiele, SPIELTAG_TAGESLISTE)) z.spiele[0] = 0;
    int32_t zeilen = 0;
    if (tabelle_gezeigt() && Wettbewerb_Live_Tabelle_Berechnen(z.wettbewerb))
        if (const Tabelle_Datensatz* t = Wettbewerb_Live_Tabelle()) zeilen = t->anzahl;
    z.masse = Spielansicht_Liste_Masse_Berechnen(z.spiele[0], tabelle_gezeigt(), zeilen);
    for (int32_t k = 0; k < 5; ++k) z.knopf[k].y = (k < 2 ? 440 : 434) + z.masse.oben + z.masse.hoehe - 432;
}

int32_t staerke(int32_t team)
{
    int32_t m[5][6] = {};
    if (team >= 0 && team < Team_Anzahl) Team_Staerke(255, 0, team, m);
    return m[4][4];
}

// "(XL), " with the first letter of the club's league, empty without a league.
const char* liga_kuerzel(int32_t team)
{
    const int32_t liga = Wettbewerb_Get_Team_Wettbewerb(team, 1, 0);
    const char* name = liga >= 0 ? Wettbewerb_Get_Anzeigename(liga, 1) : nullptr;
    if (!name || !name[0]) return "";
    return Temp_Sprintf("(%cL), ", name[0]);
}

// The table places of the list's second lines. The order of a competition's table does not
// depend on the club asked for: the list takes its clubs' places from one table, computed for
// its first club, instead of one table per club. A client's tables come from the server club by
// club, and a table that fails for the first club is asked club by club: both as before.
struct Plaetze {
    Tabelle_Datensatz tabelle;
    bool gueltig = false;
};
Plaetze plaetze;

void plaetze_berechnen(int32_t erster_club)
{
    plaetze.gueltig = false;
    if (Netz_Rolle == 1 || erster_club < 0) return;
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(z.wettbewerb);
    if (!info || info->spiele_block < 0) return;
    const int32_t block = info->spiele_block, drei = (info->modus & ENGLISCHE_TABELLE) ? 1 : 0;
    if (Wettbewerb_Tabelle_Vorbereiten(z.wettbewerb, &plaetze.tabelle) <= 0) return;
    plaetze.gueltig =
        Spiele_Tabelle_Berechnen(z.wettbewerb, block, -1, -1, drei, 31, &plaetze.tabelle, erster_club, 0, -1, -1, 0, 0, -1) >= 0;
}

int32_t tabellenplatz(int32_t team)
{
    if (!plaetze.gueltig) return Wettbewerb_Get_Tabellenplatz(z.wettbewerb, team, -1, -1, 31, 0);
    const Tabelle_Datensatz& t = plaetze.tabelle;
    for (int32_t platz = 0; team >= 0 && platz < t.anzahl; ++platz)
        if (t.team[t.platz[platz]] == team) return platz;
    return -1;
}

const char* zweite_zeile(int32_t heim, int32_t gast)
{
    const int32_t weiss = farbe(15, 15, 15);
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(z.wettbewerb);
    if (info && !(info->modus & KO_SYSTEM)) {
        const int32_t p1 = tabellenplatz(heim) + 1;
        const int32_t p2 = tabellenplatz(gast) + 1;
        return Temp_Sprintf("^c%05d^tl%04dStärke: %d, %d. Platz^tl%04dStärke: %d, %d. Platz", weiss, 17,
                            staerke(heim), p1, 151, staerke(gast), p2);
    }
    if (!Wettbewerb_Ist_International(z.wettbewerb)) {
        const char* a = liga_kuerzel(heim);
        const char* b = liga_kuerzel(gast);
        return Temp_Sprintf("^c%05d^tl%04d%sStärke %d^tl%04d%sStärke %d", weiss, 17, a, staerke(heim), 151, b,
                            staerke(gast));
    }
    const int32_t heimat = Team_Get_Heimatland();
    const int32_t land[2] = {Team_Wert(TEAM_NATION, heim, 0, TEAM_LESEN), Team_Wert(TEAM_NATION, gast, 0, TEAM_LESEN)};
    int32_t f[2];
    for (int32_t s = 0; s < 2; ++s) f[s] = land[s] == heimat ? farbe(15, 15, 15) : farbe(10, 10, 10);
    return Temp_Sprintf("^tl%04d^c%05d%s, Stärke %d^tl%04d^c%05d%s, Stärke %d", 17, f[0],
                        Team_String(TEAM_NAME_WAPPEN, land[0], nullptr, 0), staerke(heim), 151, f[1],
                        Team_String(TEAM_NAME_WAPPEN, land[1], nullptr, 0), staerke(gast));
}

// The games list's columns: the dash between the names at 126, the score right-aligned at 309
// (room for "10:10" in its fixed advance of 7, and a shoot-out's mark), and a gap before each.
// The results column is the field's last 60 pixels from 260 on, redrawn on its own while the
// games run: the away name ends before it.
constexpr int32_t LISTE_STRICH = 126, LISTE_STAND = 309, LISTE_SPALTE = 260, LISTE_SPALTE_BREITE = 60, LISTE_LUECKE = 3;

int32_t text_breite(int32_t font, const char* t)
{
    Font_Record* f = Font(font);
    return f ? Font_Text_Breite_Mit_Tabs(f, t) : 0;
}

// Where the away name starts: after the dash and its two blanks.
int32_t gast_x()
{
    Font_Record* f = Font(liste_font());
    return LISTE_STRICH + (f ? Font_Text_Breite_Mit_Tabs(f, "-  ") : 12);
}

void spiele_liste(Rastport* feld)
{
    const int32_t weiss = farbe(15, 15, 15);
    const int32_t erste = z.masse.oben + liste_erste();
    text(feld, 3, 10, erste - LISTE_KOPF + (liste_erste() == LISTE_ERSTE ? 0 : LISTE_KOPF_ENG),
         Temp_Sprintf("^c%05d^tl%04d%s^tz%04d%s^tl%04d%s", weiss, 34, "Heim", 186, "Gast", 244, "Spielstand"));
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(z.wettbewerb);
    const bool rueckspiel = info && info->runde != 0;
    plaetze.gueltig = false;
    if (z.masse.zweite_zeile && info && !(info->modus & KO_SYSTEM) && z.spiele[0] > 0)
        if (const Spiele_Spiel* m = spiel_von(0)) plaetze_berechnen(m->heim);
    z.gelistet = 0;
    for (int32_t i = 0; i < z.spiele[0]; ++i) {
        const Spiele_Spiel* m = spiel_von(i);
        if (!m) continue;
        const int32_t heim = m->heim, gast = m->gast;
        const int32_t y = erste + i * z.masse.zeile;
        const Spiele_Spiel* hin = nullptr;
        if (rueckspiel) {
            const int32_t h = Spiele_Get_Hinspiel(z.spiele[i + 1]);
            hin = h ? Spiele_Get_Spiel(h, 1) : nullptr;
        }
        std::string hin_stand;
        if (hin && hin->heim_tore >= 0) hin_stand = formatiert("^y0003^tr%04d(%d:%d)", 318, int32_t(hin->gast_tore), int32_t(hin->heim_tore));
        // The names carry their crests; each ends before the next column: the home name before
        // the dash, the away name before the score. A club's name and marks stay the same all
        // day: a line that waits takes them when it is drawn.
        const int32_t font = liste_font(), gast_breite = LISTE_SPALTE - LISTE_LUECKE - gast_x();
        auto kopf = [=] {
            const std::string h = Spielansicht_Name_In_Breite(heim, font, LISTE_STRICH - 2 - LISTE_LUECKE);
            const std::string g = Spielansicht_Name_In_Breite(gast, font, gast_breite);
            return formatiert("^c%05d^tl%04d%s^tl%04d-  %s%s", weiss, 2, h.c_str(), LISTE_STRICH, g.c_str(), hin_stand.c_str());
        };
        if (text_hook || !warten()) {
            text_schatten(feld, font, 0, y, kopf().c_str());
        } else if (feld) {
            zeichnen(
                [feld, font, y, kopf] {
                    const std::string k = kopf();
                    Grafik_Printf(feld, Font(font), "%s", 2, y + 2, formatiert("^ic%05d%s", 1, k.c_str()).c_str());
                    Grafik_Printf(feld, Font(font), "%s", 0, y, k.c_str());
                },
                {feld});
        }
        if (z.masse.zweite_zeile) {
            const char* zweite = zweite_zeile(heim, gast);
            if (info && (info->modus & KO_SYSTEM) && Wettbewerb_Ist_International(z.wettbewerb))
                text(feld, FONT_KLEIN, 0, y + 10, zweite);
            else
                text_schatten(feld, FONT_KLEIN, 0, y + 10, zweite);
        }
        z.gelistet = i + 1;
    }
}

void textfeld_zeichnen(Rastport* ziel)
{
    Rastport* feld = bild(O_TEXTFELD);
    // The stripe behind the text field is shown blurred only: blurred at its first redraw, not
    // on every one.
    if (!z.streifen_weich) zeichnen([b = bild(O_STREIFEN)] { weich_zeichnen(b, streifen_gedaechtnis); }, {bild(O_STREIFEN)});
    z.streifen_weich = true;
    kopieren(bild(O_STREIFEN), 0, 0, 320, 480, feld, 0, 0);
    // From the header's clean copy: its picture holds the title drawn into it.
    if (Rastport* kopf = z.obj[O_KOPF].kopie)
        zeichnen([kopf, feld, y = z.masse.oben - 36] { Grafik_Blit_Transparent(kopf, 10, 0, 60, int32_t(kopf->height), feld, 0, y); },
                 {feld, {kopf, nullptr}});
    if (!tabelle_gezeigt()) spiele_liste(feld);
    const int32_t y = std::max(0, z.masse.oben - 14);
    kopieren(feld, 0, y, 320, z.masse.hoehe + 14, ziel, 160, y);
}

void tabelle_zeichnen(Rastport* ziel)
{
    if (z.tabelle_wettbewerb == z.wettbewerb) return;
    z.tabelle_wettbewerb = z.wettbewerb;
    Rastport* t = bild(O_TABELLE);
    kopieren(bild(O_TEXTFELD), 0, 0, 320, 480, t, 0, 0);
    if (!Wettbewerb_Live_Tabelle_Berechnen(z.wettbewerb)) return;
    const Tabelle_Datensatz* tab = Wettbewerb_Live_Tabelle();
    if (!tab) return;
    const int32_t weiss = farbe(15, 15, 15);
    const int32_t oben = z.masse.oben;
    text_schatten(t, FONT_KLEIN, 10, oben + LISTE_ERSTE - LISTE_KOPF,
                  Temp_Sprintf("^c%05d^tl%04d%s^tz%04d%s^tz%04d%s^tz%04d%s", weiss, 34, "Verein", 196, "Spiele", 236,
                               "Punkte", 280, "Tore"));
    const int32_t n = std::min(tab->anzahl, TABELLE_MAX_TEAMS);
    // a name ends before the games' column (two digits right-aligned at 200)
    constexpr int32_t NAME_X = 20, SPIELE_X = 200;
    const int32_t name_breite = SPIELE_X - text_breite(FONT_NAMEN, "99") - LISTE_LUECKE - NAME_X;
    for (int32_t p = 0; p < n; ++p) {
        const int32_t s = tab->platz[p];
        if (s < 0 || s >= TABELLE_MAX_TEAMS) continue;
        const std::string name = Spielansicht_Name_In_Breite(tab->team[s], FONT_NAMEN, name_breite);
        text_schatten(t, FONT_NAMEN, 10, oben + LISTE_ERSTE + p * 14,
                      Temp_Sprintf("^c%05d^tr0010%d.^tl%04d%s^tr%04d%d^tr%04d%d^tr%04d^fb0007%d:%d^fe", weiss, p + 1, NAME_X,
                                   name.c_str(), SPIELE_X, tab->spiele[0][s], 240,
                                   tab->punkte[0][s], 294, tab->tore[0][s], tab->gegentore[0][s]));
    }
    kopieren(t, 0, oben + 1, 320, z.masse.hoehe, ziel, 160, oben + 1);
}

int32_t tor_farbe(const Spiele_Spiel* m, int32_t team)
{
    const int32_t sieger = Wettbewerb_Get_Paarung_Sieger(z.wettbewerb, m->runde, m->slot, -1);
    return sieger >= 0 && sieger == team ? farbe(14, 14, 10) : farbe(15, 15, 15);
}

void ergebnisse_spalte(Rastport* ziel)
{
    Rastport* t = bild(O_TABELLE);
    const int32_t oben = z.masse.oben;
    kopieren(bild(O_TEXTFELD), LISTE_SPALTE, 0, LISTE_SPALTE_BREITE, 480, t, LISTE_SPALTE, 0);
    const int32_t weiss = farbe(15, 15, 15);
    for (int32_t i = 0; i < z.gelistet; ++i) {
        const Spiele_Spiel* m = spiel_von(i);
        if (!m) continue;
        // The score after extra time; the winner of a shoot-out stands out by his colour.
        const Spiele_Stand st = Spiele_Get_Stand(m);
        const int32_t h = st.heim, g = st.gast;
        const int32_t y = oben + liste_erste() + 1 + i * z.masse.zeile;
        // The shoot-out under it, where the rows have a second line; the single rows of a long
        // list have room for its mark only.
        const char* const ne = st.elf_heim >= 0 && !z.masse.zweite_zeile ? " nE" : "";
        if (t) drucken(t, liste_font(), 2, y + 2, formatiert("^ic%05d^tr%04d^fb0007%d:%d^fe%s", 1, LISTE_STAND, h, g, ne));
        text(t, liste_font(), 0, y,
             Temp_Sprintf("^c%05d^tr%04d^fb0007%d^c%05d:^c%05d%d^fe^c%05d%s", tor_farbe(m, m->heim), LISTE_STAND, h, weiss,
                          tor_farbe(m, m->gast), g, weiss, ne));
        if (st.elf_heim >= 0 && z.masse.zweite_zeile)
            text_schatten(t, FONT_KLEIN, 0, y + 10, Temp_Sprintf("^c%05d^tr%04dn.E. %d:%d", weiss, LISTE_STAND, st.elf_heim, st.elf_gast));
    }
    kopieren(t, LISTE_SPALTE, std::max(0, oben - 14), LISTE_SPALTE_BREITE, z.masse.hoehe + 14, ziel, 160 + LISTE_SPALTE,
             std::max(0, oben - 14));
}

// The results column while the games run, after a goal and once after a full redraw. A frame's
// column that waits takes the scores when it is played, and a newer one replaces it.
void ergebnisse_zeichnen(Rastport* ziel, Spielfeld_Steuerung_Block* st, bool aufschiebbar)
{
    const bool laeuft = !st->pause && !st->spieltag_beendet;
    if (!laeuft && !z.liste_neu && !st->tor) return;
    st->tor = 0;
    z.liste_neu = false;
    if (Os_Display_Niemand_Sieht()) return;
    if (aufschiebbar && warten()) {
        spalte_verwerfen();
        warte.spalte = warte.schritte.size();
        warte.schritte.emplace_back([ziel] { ergebnisse_spalte(ziel); });
        // It writes the table's picture too, and reads it and the text field.
        warte.wirkung.push_back({ziel, {bild(O_TEXTFELD), bild(O_TABELLE)}});
        return;
    }
    ergebnisse_spalte(ziel);
}

void farbe_ersetzen(int32_t zeile, int32_t alt, int32_t neu, Rastport* ziel)
{
    const int32_t y = z.masse.oben + liste_erste() + zeile * z.masse.zeile - (z.masse.zeile == 10 ? 8 : 12);
    if (!ziel) return;
    zeichnen(
        [=] {
            Grafik_Farbe_Ersetzen(ziel, 176, y, 114, 12, uint16_t(alt), uint16_t(neu));
            Grafik_Farbe_Ersetzen(ziel, 309, y, 114, 12, uint16_t(alt), uint16_t(neu));
        },
        {ziel});
}

void minute_zeigen(int32_t minute, const Spielfeld_Steuerung_Block* st)
{
    const int32_t pause = st->pause ? 1 : 0;
    if (minute == z.minute_gezeigt && pause == z.pause_gezeigt) return;
    z.minute_gezeigt = minute;
    z.pause_gezeigt = pause;
    const int32_t o = Spielansicht_Seite == 0 ? O_UHR : O_SPIEL_UHR;
    objekt_zuruecksetzen(o);
    const int32_t m = std::clamp(minute, 0, 999);
    Rastport* strip = bild(O_ZIFFERN);
    const int16_t rot = int16_t(farbe(15, 0, 0));
    // The three digits in one step.
    const std::array<int8_t, 3> stellen{int8_t(m / 100), int8_t(m / 10 % 10), int8_t(m % 10)};
    if (strip)
        zeichnen(
            [=, ziel = bild(o)] {
                for (int32_t i = 0; i < 3; ++i) {
                    const int32_t sx = stellen[size_t(i)] * 8;
                    const int32_t x = o == O_UHR ? 10 + 12 * i : 12 * i, y = o == O_UHR ? 10 : 0;
                    if (pause) Grafik_Blit_Einfarbig(strip, sx, 0, 8, 12, ziel, x, y, rot);
                    else Grafik_Blit_Transparent(strip, sx, 0, 8, 12, ziel, x, y);
                }
            },
            {bild(o), {strip, nullptr}});
    z.obj[o].v.dirty = 1;
}

void wettbewerb_kopf()
{
    if (z.titel_wettbewerb == z.wettbewerb) return;
    z.titel_wettbewerb = z.wettbewerb;
    objekt_zuruecksetzen(O_TITEL);
    Rastport* t = bild(O_TITEL);
    const int32_t handle = ResFile_Handles[0].handle;
    if (t && handle >= 0) {
        const int32_t nummer = Wettbewerb_Get_Grafik_Nummer(z.wettbewerb) + 1382;
        zeichnen(
            [t, handle, nummer] {
                if (auto* b = static_cast<Rastport*>(Load_Resource(handle, nummer, t->depth, nullptr))) {
                    const int32_t w = int32_t(b->width), h = int32_t(b->height);
                    Grafik_Blit_Einfarbig(b, 0, 0, w, h, t, 14, 10, 1);
                    Grafik_Blit_Transparent(b, 0, 0, w, h, t, 12, 8);
                    Grafik_Bitmap_Freigeben(b);
                }
            },
            {t});
    }
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(z.wettbewerb);
    const int32_t tag = info ? info->spieltag : 0;
    const char* name = Wettbewerb_Get_Anzeigename(z.wettbewerb, 1);
    const char* runde = Wettbewerb_Get_Rundentext(z.wettbewerb, tag, 1);
    text(t, 0, 0, 20, Temp_Sprintf("^c%05d^tl0050%s, %s", farbe(15, 15, 15), name ? name : "", runde ? runde : ""));
    z.obj[O_TITEL].v.dirty = 1;
}

// The hovered line of the games list: its text dimmed; a click returns its index.
int32_t spiel_waehlen(int32_t mx, int32_t my, int32_t tasten, Rastport* ziel)
{
    int32_t zeile = -1;
    for (int32_t i = 0; i < z.gelistet; ++i) {
        const int32_t y = z.masse.oben + LISTE_HOVER - (liste_erste() == LISTE_ERSTE ? 0 : LISTE_ENG) + i * z.masse.zeile;
        if (mx >= 160 && mx < 480 && my >= y && my < y + z.masse.zeile - 1) zeile = i;
    }
    if (zeile != z.hover_zeile) {
        const uint16_t weiss = farbe(15, 15, 15), grau = farbe(10, 10, 10);
        auto faerben = [&](int32_t i, uint16_t alt, uint16_t neu) { farbe_ersetzen(i, alt, neu, ziel); };
        if (z.hover_zeile >= 0) faerben(z.hover_zeile, grau, weiss);
        if (zeile >= 0) faerben(zeile, weiss, grau);
        z.hover_zeile = zeile;
    }
    return zeile >= 0 && tasten == 1 ? zeile : -1;
}

void radar(const Spielfeld_Record* r, Rastport* ziel, int32_t x, int32_t y)
{
    Rastport* grund = bild(O_RADAR_GRUND);
    Rastport* rad = bild(O_RADAR);
    if (!grund || !rad) return;
    kopieren(grund, 0, 0, int32_t(grund->width), int32_t(grund->height), rad, 0, 0);
    std::vector<Spielansicht_Radar_Strich> striche;
    if (Spielansicht_Radar_Striche(r, &striche) && !striche.empty())
        zeichnen([rad, striche = std::move(striche)] { Spielansicht_Radar_Malen(striche, rad); }, {rad});
    kopieren(rad, 0, 0, int32_t(rad->width), int32_t(rad->height), ziel, x, y);
}

void marke_weg(Rastport* ziel)
{
    if (z.marke_zeile < 0) return;
    const Objekt& u = z.obj[O_UNTER_MARKE];
    kopieren(u.bild, 0, 0, u.v.w, u.v.h, ziel, 480, z.marke_zeile);
    z.marke_zeile = -1;
}

void spiel_unter_maus(Rastport* ziel)
{
    Spielfeld_Record* r = z.hover_zeile >= 0 ? record_pitch(z.spiele[z.hover_zeile + 1]) : nullptr;
    if (!r || r->abgeschlossen) {
        marke_weg(ziel);
        z.hover_record = nullptr;
        return;
    }
    Objekt& m = z.obj[O_MARKE];
    Objekt& u = z.obj[O_UNTER_MARKE];
    radar(r, m.bild, 14, 4);
    const int32_t y = z.masse.oben + LISTE_MARKE + z.hover_zeile * z.masse.zeile - (z.masse.zeile == 10 ? 2 : 0);
    if (y != z.marke_zeile) {
        marke_weg(ziel);
        kopieren(ziel, 480, y, u.v.w, u.v.h, u.bild, 0, 0);
        z.marke_zeile = y;
    }
    zeichnen_auf(m.bild, {0, 0, 0, m.v.w, m.v.h, 0, 0, 1, -1}, ziel, 480, y);
    z.hover_record = r;
}

// ---- Game page ----

Spielfeld_Record* spiel_record() { return Spielfeld_Get_Spiel(Spielansicht_Spiel); }

void spielstand_zeigen()
{
    objekt_zuruecksetzen(O_STAND);
    const Spielfeld_Record* r = record_pitch(Spielansicht_Spiel);
    const Spiele_Spiel* m = Spiele_Get_Spiel(Spielansicht_Spiel, 1);
    int32_t h = 0, g = 0;
    if (r) {
        h = r->tore[0];
        g = r->tore[1];
    } else if (m) {
        // A game in the background keeps its score in the match record.
        h = std::max(0, int32_t(m->heim_tore));
        g = m->gast_tore;
    }
    const Objekt& o = z.obj[O_STAND];
    // A shoot-out's kicks stand apart from the score after extra time, in the small font that
    // fits the box.
    const Spiele_Stand st = Spiele_Get_Stand_Tore(m, h, g);
    text(o.bild, st.elf_heim < 0 ? 1 : FONT_WINZIG, 0, st.elf_heim < 0 ? 12 : 11,
         Temp_Sprintf("^c%05d^tz%04d%s", farbe(15, 15, 15), o.v.w / 2, Spiele_Stand_Text(Spielansicht_Spiel, h, g)));
    z.obj[O_STAND].v.dirty = 1;
}

// The game page's radar on the screen; in the header's own pixels it starts at x 163.
constexpr int32_t SPIEL_RADAR_X = 293, SPIEL_RADAR_Y = 77;

void team_kasten(int32_t o, int32_t team, bool gast, uint32_t zuschauer)
{
    objekt_zuruecksetzen(o);
    Rastport* b = bild(o);
    if (!b) return;
    const int32_t grau = farbe(11, 11, 11), w = z.obj[o].v.w;
    const int32_t handle = ResFile_Handles[0].handle;
    if (handle >= 0)
        zeichnen(
            [=] {
                if (Rastport* wappen = Grafik_Wappen_Laden(handle, nullptr, b->depth, team, 0, 0, 1, 0, 0)) {
                    const int32_t x = gast ? w - 7 - int32_t(wappen->width) : 7;
                    Grafik_Blit_Transparent(wappen, 0, 0, int32_t(wappen->width), int32_t(wappen->height), b, x, 8);
                    Grafik_Bitmap_Freigeben(wappen);
                }
            },
            {b});
    const char* name = Team_String(TEAM_NAME, team, nullptr, 0);
    const char* liga = Team_Liga_Name(team);
    const char* ort = gast ? "Gast" : "Heim";
    const char* punkte = gast ? "(gelbe Punkte)" : "(rote Punkte)";
    // The radar stands right of the home box's texts and the clock over the start of the away
    // box: a name ends before them, and the spectators' line says "Zusch." (as the live view's
    // score panel does) where the whole word does not fit.
    const Objekt& uhr = z.obj[O_SPIEL_UHR];
    const int32_t rechts = std::min(w, SPIEL_RADAR_X - z.obj[O_SPIEL_KOPF].v.x) - 3;
    const int32_t raum = gast ? w - 52 - (uhr.v.x + uhr.v.w - z.obj[O_GAST].v.x + 3) : rechts - 53;
    // a name too wide for the names' font is shown whole in the small one where that fits
    const int32_t name_font = text_breite(FONT_NAMEN, name ? name : "") <= raum ? FONT_NAMEN : FONT_KLEIN;
    const std::string n = Spielansicht_Kuerzen("", name ? name : "", "", name_font, raum);
    const char* zeile = Temp_Sprintf("%s, %u Zuschauer", ort, zuschauer);
    if (text_breite(FONT_KLEIN, zeile) > (gast ? w - 52 : rechts - 53)) zeile = Temp_Sprintf("%s, %u Zusch.", ort, zuschauer);
    if (!gast) {
        text(b, name_font, 0, 24, Temp_Sprintf("^c%05d^tl0053%s", grau, n.c_str()));
        text(b, FONT_KLEIN, 0, 34, Temp_Sprintf("^c%05d^tl0053%s", grau, zeile));
        text(b, FONT_KLEIN, 0, 44, Temp_Sprintf("^c%05d^tl0053%s", grau, punkte));
        text(b, FONT_KLEIN, 0, 57, Temp_Sprintf("^c%05d^tl0013%s", grau, liga ? liga : ""));
    } else {
        text(b, name_font, 0, 24, Temp_Sprintf("^c%05d^tr%04d%s", grau, w - 52, n.c_str()));
        text(b, FONT_KLEIN, 0, 34, Temp_Sprintf("^c%05d^tr%04d%s", grau, w - 52, zeile));
        text(b, FONT_KLEIN, 0, 44, Temp_Sprintf("^c%05d^tr%04d%s", grau, w - 52, punkte));
        text(b, FONT_KLEIN, 0, 57, Temp_Sprintf("^c%05d^tr%04d%s", grau, w - 13, liga ? liga : ""));
    }
    z.obj[o].v.dirty = 1;
}

void spiel_kopf()
{
    const Spiele_Spiel* m = Spiele_Get_Spiel(Spielansicht_Spiel, 1);
    if (!m) return;
    const int32_t heim = m->heim, gast = m->gast;
    const uint32_t zuschauer = m->zuschauer;
    team_kasten(O_HEIM, heim, false, zuschauer);
    team_kasten(O_GAST, gast, true, zuschauer);
}

const char* spieler_name(int32_t spnr)
{
    if (spnr < 0 || spnr == 0x7FFF || spnr == 0xFFFF) return "";
    const char* n = Spieler_String(SP_VOLLNAME, spnr, nullptr, 0);
    return n ? n : "";
}

void spiel_text(Rastport* ziel)
{
    Objekt& o = z.obj[O_SPIEL_TEXT];
    // Most match days never show the game page: its panel's background is blurred only here.
    if (!z.spiel_text_weich) zeichnen([k = o.kopie] { weich_zeichnen(k, spiel_text_gedaechtnis); }, {o.kopie});
    z.spiel_text_weich = true;
    objekt_zuruecksetzen(O_SPIEL_TEXT);
    Rastport* b = o.bild;
    const int32_t weiss = farbe(15, 15, 15);
    const Spielfeld_Record* r = record_pitch(Spielansicht_Spiel);
    if (Spielansicht_Unterseite == 0) {
        if (r) {
            const Spielansicht_Statistik s = Spielansicht_Statistik_Texte(r);
            // Lines from the panel's top: passes, tackles, shots on target, ball contacts.
            static constexpr int32_t ZEILEN[4] = {32, 112, 144, 168};
            // Each line centred in its half of the panel; one wider than its half breaks at the
            // space nearest its middle into two rows.
            const int32_t spalte = o.v.w / 2;
            auto zeile = [&](const std::string& t, int32_t x, int32_t y) {
                const size_t tab = t.find("^tz");
                const std::string vor = tab == std::string::npos ? "" : t.substr(0, tab + 7), rest = t.substr(vor.size());
                Font_Record* f = Font(FONT_KLEIN);
                size_t teil = std::string::npos;
                if (f && Font_Text_Breite(f, rest.c_str()) > spalte - 8)
                    for (size_t k = 0; k < rest.size(); ++k)
                        if (rest[k] == ' ' && (teil == std::string::npos || std::abs(int32_t(k) - int32_t(rest.size() / 2)) <
                                                                                std::abs(int32_t(teil) - int32_t(rest.size() / 2))))
                            teil = k;
                if (teil == std::string::npos) return text(b, FONT_KLEIN, x, y, t.c_str());
                text(b, FONT_KLEIN, x, y - 5, (vor + rest.substr(0, teil)).c_str());
                text(b, FONT_KLEIN, x, y + 6, (vor + rest.substr(teil + 1)).c_str());
            };
            for (int32_t i = 0; i < 4; ++i) {
                if (!s.heim[i].empty()) zeile(s.heim[i], 4, ZEILEN[i]);
                if (!s.gast[i].empty()) zeile(s.gast[i], spalte + 4, ZEILEN[i]);
            }
        }
    } else {
        Spiele_Ereignis_Info e{};
        int32_t tore[2] = {0, 0}, elf[2] = {0, 0}, y = 8;
        bool elf_kopf = false;
        const Spiele_Spiel* m = Spiele_Get_Spiel(Spielansicht_Spiel, 1);
        const Spiele_Spiel kopf = m ? *m : Spiele_Spiel{};
        // The lines' tabs leave room for the small font only.
        for (bool da = Spiele_Get_Erstes_Ereignis(Spielansicht_Spiel, &e); da && y < o.v.h;
             da = Spiele_Get_Naechstes_Ereignis(&e)) {
            const bool heim = e.flags & SPE_HEIM;
            const char* tab = heim ? "^tl0115" : "^tl0230";
            if (m && Spiele_Ist_Elfmeter_Tor(kopf, e.flags)) {
                // The shoot-out's kicks follow apart, under a row of their own, with its own score.
                if (!elf_kopf) {
                    text(b, FONT_WINZIG, 0, y + 10, Temp_Sprintf("^c%05d^tl0070Elfmeterschießen", weiss));
                    elf_kopf = true;
                    y += ZEILE_EREIGNIS;
                }
                ++elf[heim ? 0 : 1];
                text(b, FONT_WINZIG, 0, y + 10,
                     Temp_Sprintf("^c%05d^tr0035%d^tl0037:^tl0041%d%s^c%05d%s", weiss, elf[0], elf[1], tab, weiss,
                                  spieler_name(e.spieler_1)));
            } else if (e.flags & 4) {
                ++tore[heim ? 0 : 1];
                const char* zweiter = e.spieler_2 >= 0 && e.spieler_2 != 0x7FFF && e.spieler_2 != 0xFFFF && e.spieler_2 != 0
                                          ? Temp_Sprintf(" (%s)", spieler_name(e.spieler_2))
                                          : "";
                text(b, FONT_WINZIG, 0, y + 10,
                     Temp_Sprintf("^c%05d^tr0035%d^tl0037:^tl0041%d^c%05d^tr0068%d^tl0070.Minute%s^c%05d%s^c%05d%s", weiss,
                                  tore[0], tore[1], weiss, e.minute, tab, weiss, spieler_name(e.spieler_1), weiss, zweiter));
            } else if (e.flags & (16 | 32 | 64)) {
                if (b) {
                    const bool gelb = e.flags & (16 | 32), rot = e.flags & (32 | 64);
                    const uint16_t f_gelb = farbe(15, 15, 0), f_rot = farbe(15, 0, 0);
                    zeichnen(
                        [=] {
                            if (gelb) Grafik_Rechteck_Fuellen(b, 4, y + 2, 7, 9, f_gelb);
                            if (rot) Grafik_Rechteck_Fuellen(b, 4, y + 2, 7, 9, f_rot);
                        },
                        {b});
                }
                text(b, FONT_WINZIG, 0, y + 10, Temp_Sprintf("^c%05d^tr0068%d^tl0070.Minute%s^c%05d%s", weiss, e.minute, tab, weiss,
                                                    spieler_name(e.spieler_1)));
            } else {
                continue;
            }
            y += ZEILE_EREIGNIS;
        }
    }
    kopieren(b, 0, 0, o.v.w, o.v.h, ziel, o.v.x, o.v.y);
}

// ---- Full redraw ----

void neu_zeichnen(Spielfeld_Steuerung_Block* st, int32_t minute)
{
    Rastport* ziel = Grafik_Seite_1;
    Grafik_Screen_Seite_Waehlen(1);
    z.hover_zeile = -1;
    z.marke_zeile = -1;
    z.hover_record = nullptr;
    // The pages are drawn anew: what waits to be drawn on them would be covered.
    spalte_verwerfen();
    seiten_schritte_verwerfen();
    if (Spielansicht_Seite == 0) {
        z.liste_neu = true;
        hintergrund_zurueck(ziel);
        liste_masse();
        knoepfe_normal(0, 5);
        textfeld_zeichnen(ziel);
        z.tabelle_wettbewerb = -1;
        if (tabelle_gezeigt()) tabelle_zeichnen(ziel);
        else ergebnisse_zeichnen(ziel, st, false);
        objekte_markieren(0);
        z.minute_gezeigt = -1;
        minute_zeigen(minute, st);
        z.titel_wettbewerb = -1;
        wettbewerb_kopf();
        knoepfe_modus(0);
        objekte_zeichnen(ziel);
    } else {
        hintergrund_zurueck(ziel);
        knoepfe_normal(5, 10);
        spiel_text(ziel);
        z.ereignisse = -1;
        objekte_markieren(1);
        spiel_kopf();
        knoepfe_modus(1);
        objekte_zeichnen(ziel);
        Spielansicht_Eingabe = 1;
    }
    seite_gelesen();
    zeichnen([] { Grafik_Screen_Seite_Zeigen(1); }, {Grafik_Seite_0, {Grafik_Seite_1, nullptr}});
    Grafik_Screen_Seite_Waehlen(0);
}

void wettbewerb_setzen(int32_t i)
{
    if (z.anzahl <= 0) return;
    z.index = ((i % z.anzahl) + z.anzahl) % z.anzahl;
    z.wettbewerb = z.wettbewerbe[z.index];
}

// The first competition with a human manager's club in a game on the pitch; else the first.
void erster_wettbewerb()
{
    for (int32_t i = 0; i < z.anzahl; ++i) {
        int32_t spiele[SPIELTAG_TAGESLISTE];
        if (!Spieltag_Get_Spiele(z.wettbewerbe[i], spiele, SPIELTAG_TAGESLISTE)) continue;
        for (int32_t k = 1; k <= spiele[0]; ++k) {
            const Spielfeld_Record* r = Spielfeld_Get_Spiel(spiele[k]);
            if (r && (Team_Hat_Manager(int32_t(r->team[0])) || Team_Hat_Manager(int32_t(r->team[1])))) {
                wettbewerb_setzen(i);
                return;
            }
        }
    }
    wettbewerb_setzen(0);
}

void zustand_reset()
{
    Spielansicht_Seite = 0;
    Spielansicht_Eingabe = 0;
    Spielansicht_Spiel = 0;
    z.anzahl = std::clamp(Spieltag_Get_Wettbewerbe(z.wettbewerbe, WETTBEWERBE_MAX), 0, WETTBEWERBE_MAX);
    z.index = 0;
    z.wettbewerb = z.anzahl > 0 ? z.wettbewerbe[0] : -1;
    z.masse = {};
    z.spiele[0] = 0;
    z.gelistet = 0;
    z.liste_neu = true;
    z.hover_zeile = z.marke_zeile = -1;
    z.hover_record = nullptr;
    z.minute_gezeigt = z.pause_gezeigt = z.titel_wettbewerb = z.tabelle_wettbewerb = z.radar_spiel = -1;
    // A button held while the overview opens is no click.
    z.letzte_tasten = maus_hook ? 0 : Win95_Maustasten();
}

// The crowd's sound as the resource file holds it, read at the first match day and kept while
// that file stays the same.
struct Klang_Vorrat {
    std::vector<uint8_t> wav;
    int32_t handle = -1;
    uint32_t stand = 0;
} klang_vorrat;

void klang_starten()
{
    const int32_t handle = ResFile_Handles[0].handle;
    if (handle < 0) return;
    auto& k = klang_vorrat;
    if (k.handle != handle || k.stand != ResFile_Stand(handle) || k.wav.empty()) {
        k.handle = -1;
        if (!Soundeffekt_Resource_Holen(handle, KLANG_PUBLIKUM, k.wav)) return;
        k.handle = handle;
        k.stand = ResFile_Stand(handle);
    }
    const std::vector<uint8_t>& wav = k.wav;
    z.klang = Sound_Load_Sample(wav.data(), uint32_t(wav.size()));
    if (z.klang >= 0) Sound_Play(z.klang, 1, 0, Sound_Volume_Max(), 0);
}

bool oeffnen(Spielfeld_Steuerung_Block* st, int32_t minute)
{
    if (!Grafik_Seite_0 || !Grafik_Seite_1) return false;
    // Both pages hold the screen behind from here on, until the overview draws.
    Grafik_Screen_Seite_Wechseln(0, 1);
    warteliste_verwerfen();
    z.seiten_beruehrt = false;
    if (!objekte_laden(Grafik_Seite_1->depth)) {
        warteliste_verwerfen();
        return false;
    }
    hintergrund_sichern();
    Os_Display_Bild_Hook_Registrieren(bild_nachholen);
    Spielansicht_Offen = 1;
    klang_starten();
    zustand_reset();
    erster_wettbewerb();
    knoepfe_init(st);
    neu_zeichnen(st, minute);
    Spielansicht_Eingabe = 0;
    return true;
}

void pause_umschalten(Spielfeld_Steuerung_Block* st)
{
    st->pause = st->pause ? 0 : 1;
    loslassen_abwarten();
}

void popup_wettbewerbe()
{
    if (z.anzahl <= 1) return;
    Menue_Kontextmenue liste{};
    Spielansicht_Wettbewerb_Liste(&liste);
    if (popup_hook) {
        popup_hook(&liste);
        return;
    }
    // The popup reads and draws the screen: the overview stands there first.
    nachholen();
    Popup_Liste_Ausfuehren(&liste);
}

// The leave byte set, the screen behind restored.
int32_t verlassen(Spielfeld_Steuerung_Block* st)
{
    st->uebersicht_verlassen = 1;
    Spielansicht_Beenden(1);
    return 1;
}

}  // namespace

const Spielansicht_Knopf* Spielansicht_Get_Knopf(int32_t i)
{
    return i >= 0 && i < SPIELANSICHT_KNOEPFE ? &z.knopf[i] : nullptr;
}

int32_t Spielansicht_Wettbewerb_Anzahl() { return z.anzahl; }
int32_t Spielansicht_Wettbewerb() { return z.wettbewerb; }

Spielansicht_Liste_Stand Spielansicht_Get_Liste() { return {z.masse.zeile, z.masse.oben, z.masse.hoehe, z.gelistet}; }

int32_t Spielansicht_Wettbewerb_Liste(Menue_Kontextmenue* liste)
{
    if (!liste) return 0;
    *liste = Menue_Kontextmenue{};
    liste->titel = "Wettbewerb wählen:";
    const int32_t n = std::min(z.anzahl, POPUP_MAX);
    for (int32_t i = 0; i < n; ++i) {
        const char* name = Wettbewerb_Get_Anzeigename(z.wettbewerbe[i], 1);
        liste->texte[i] = Temp_Sprintf("%s", name ? name : "");
        liste->status[i] = POPUP_WAEHLBAR | POPUP_RADIO | (i == z.index ? POPUP_GEWAEHLT : 0);
        liste->wert_a[i] = i;
        liste->prozeduren[i] = Spielansicht_Wettbewerb_Setzen;
    }
    return n;
}

uint8_t Spielansicht_Wettbewerb_Setzen(int32_t eintrag, int32_t, int32_t, int32_t)
{
    if (eintrag >= 0 && eintrag < std::min(z.anzahl, POPUP_MAX)) wettbewerb_setzen(eintrag);
    return 1;
}

void Spielansicht_Set_Maus_Hook(Spielansicht_Maus_Hook hook) { maus_hook = hook; }
void Spielansicht_Set_Text_Hook(Spielansicht_Text_Hook hook) { text_hook = hook; }
void Spielansicht_Set_Popup_Hook(Spielansicht_Popup_Hook hook) { popup_hook = hook; }

void Spielansicht_Beenden(uint8_t wiederherstellen)
{
    if (!Spielansicht_Offen) return;
    z.klang = Sound_Free_Sample(z.klang);
    // Nothing of this opening reached the pages, and nothing else wrote on them since they were
    // made equal at the opening: both still hold the screen behind, as the restore would leave
    // them, and what waits need not be drawn.
    const Grafik_Seiten_Zeilen u = Grafik_Seiten_Unterschied;
    const bool unberuehrt = !z.seiten_beruehrt && u.von >= u.bis;
    if (wiederherstellen && Grafik_Seite_0 && unberuehrt) {
        warteliste_verwerfen();
    } else {
        if (wiederherstellen && Grafik_Seite_0) {
            // The screen behind goes back on both pages, so that the next full page shows it too.
            hintergrund_zurueck(Grafik_Seite_1);
            hintergrund_zurueck(Grafik_Seite_0);
        }
        // Whoever comes next finds the pages as the overview's frames left them.
        tote_schritte_weglassen();
        nachholen();
    }
    objekte_freigeben();
    Spielansicht_Offen = 0;
}

int32_t Spielansicht_Frame(Spielfeld_Steuerung_Block* st, int32_t minute)
{
    if (!st) return Spielansicht_Offen;
    if (!Spielansicht_Offen) {
        // Once the user left the day the overview stays closed.
        if (st->uebersicht_verlassen || !oeffnen(st, minute)) return 0;
        return Spielansicht_Offen;
    }
    int32_t mx = 0, my = 0, klick = 0;
    maus(&mx, &my, &klick);
    int32_t aktion = knoepfe_abfragen(st, mx, my, klick);
    if (st->taste == 'g') {
        aktion = Spielansicht_Seite == 0 ? 3 : 8;
        st->taste = 255;
    }
    if (aktion >= 0) Spielansicht_Eingabe = 1;
    if (Spielansicht_Seite == 0) {
        switch (aktion) {
        case 0:
        case 1:
            wettbewerb_setzen(z.index + (aktion == 0 ? -1 : 1));
            neu_zeichnen(st, minute);
            break;
        case 2: {
            const bool tabelle = tabelle_gezeigt();
            z.knopf[2].bild = (tabelle ? FACE_SPIELE : FACE_TABELLE) + z.knopf[2].zustand;
            z.obj[z.knopf[2].bild].v.dirty = 1;
            neu_zeichnen(st, minute);
            break;
        }
        case 3: pause_umschalten(st); break;
        case 4:
            if (st->spieltag_beendet || Spieltag_Nur_Andere_Spielen()) return verlassen(st);
            break;
        case -2:
        case -3:
            popup_wettbewerbe();
            neu_zeichnen(st, minute);
            break;
        default: break;
        }
    } else {
        switch (aktion) {
        case 5: {
            Spielfeld_Record* r = spiel_record();
            Spielansicht_Beenden(1);
            if (r && r->aktiv) r->anzeige = 1;
            return 1;
        }
        case 6:
        case 7:
            if (Spielansicht_Unterseite != aktion - 6) {
                Spielansicht_Unterseite = aktion - 6;
                spiel_text(Grafik_Seite_0);
            }
            break;
        case 8: pause_umschalten(st); break;
        case 9:
            Spielansicht_Seite = 0;
            neu_zeichnen(st, minute);
            z.minute_gezeigt = -1;
            break;
        default: break;
        }
    }
    Rastport* ziel = Grafik_Seite_0;
    if (Spielansicht_Seite == 0) {
        const Spielfeld_Record* h = z.hover_record;
        minute_zeigen(h ? int32_t(h->minute) : minute, st);
        wettbewerb_kopf();
        if (tabelle_gezeigt()) tabelle_zeichnen(ziel);
        else ergebnisse_zeichnen(ziel, st, ziel == Grafik_Seite_0);
        objekte_zeichnen(ziel);
        if (!tabelle_gezeigt()) {
            // The hovered line first: the marker follows the pointer in the same frame.
            const int32_t zeile = spiel_waehlen(mx, my, z.ueber_knopf ? 0 : klick, ziel);
            spiel_unter_maus(ziel);
            if (zeile >= 0 && zeile < z.spiele[0]) {
                Spielansicht_Spiel = z.spiele[zeile + 1];
                Spielansicht_Seite = 1;
                Spielansicht_Eingabe = 1;
                z.minute_gezeigt = -1;
                z.radar_spiel = -1;
                neu_zeichnen(st, minute);
            }
        }
    } else {
        Spielfeld_Record* r = spiel_record();
        minute_zeigen(r ? int32_t(r->minute) : minute, st);
        const bool laeuft = !st->pause && !st->spieltag_beendet;
        if (laeuft || z.radar_spiel != Spielansicht_Spiel) {
            z.radar_spiel = Spielansicht_Spiel;
            radar(record_pitch(Spielansicht_Spiel), ziel, SPIEL_RADAR_X, SPIEL_RADAR_Y);
            spielstand_zeigen();
        }
        // A game in the background reports no event on its record: its match record's count
        // of events tells.
        const Spiele_Spiel* m = Spiele_Get_Spiel(Spielansicht_Spiel, 1);
        const int32_t ereignisse = m ? m->ereignis_anzahl : 0;
        if ((r && r->kopf.offen) || ereignisse != z.ereignisse) {
            if (r) r->kopf.offen = 0;
            z.ereignisse = ereignisse;
            if (Spielansicht_Unterseite == 1) spiel_text(ziel);
        }
        objekte_zeichnen(ziel);
    }
    Win95_Sleep(2);
    if (st->spieltag_beendet && Spielansicht_Offen) {
        if (Menue_Automatik_Aktiv()) verlassen(st);
        else if (!Wettbewerb_Get_Schalter(z.wettbewerb, 4) && !Spielansicht_Eingabe) verlassen(st);
    }
    return Spielansicht_Offen;
}
