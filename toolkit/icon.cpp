#include "toolkit/icon.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

#include "database/manager.h"
#include "gameflow/globals.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_meldung.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/exit.h"
#include "platform/handle.h"
#include "platform/print.h"
#include "platform/resfile.h"
#include "platform/soundeffekt.h"
#include "platform/win95_dialog.h"
#include "toolkit/dialog.h"
#include "toolkit/dienste.h"
#include "toolkit/event.h"
#include "toolkit/menue_intern.h"
#include "toolkit/scroll.h"
#include "toolkit/screen.h"
#include "toolkit/slave.h"
#include "toolkit/spielstand.h"
#include "toolkit/ziehen.h"

Menue_Icon_Zustand Menue_Icons;
Menue_Icon* Menue_Init_Vorlagen[4] = {};

namespace {

int32_t tiefe() { return Grafik_Render_Ziel ? Grafik_Render_Ziel->depth : 16; }

void doppelt_melden(int32_t nummer, const Menue_Icon* icon)
{
    const Menue_Icon* da = Menue_Icons.reg[nummer].icon;
    if (!da || da == icon) return;
    // One control that two pages each place (the player lists' buttons on the line-up screen
    // and in the transfer search): same procedures, same help; not a second icon.
    const auto gleich = [](const char* a, const char* b) { return a == b || (a && b && std::strcmp(a, b) == 0); };
    if (da->klick == icon->klick && da->refresh_prozedur == icon->refresh_prozedur && da->kontext == icon->kontext &&
        gleich(da->hilfetext, icon->hilfetext))
        return;
    Menue_Icon_Doppelt_Pruefen(nummer, icon);
    Print_Fehler("Icon Nr. %d doppelt definiert!", nummer);
    if (icon->hilfetext && *icon->hilfetext) Print_Fehler("Hilfet.=%s", icon->hilfetext);
    else Print_Fehler("Kein Hilfetext!");
}

}  // namespace

// Soft blur of a 15/16-bit bitmap with a 3 x 3 box, `durchgaenge` times: each pixel becomes the
// mean of the box's pixels inside the bitmap. Visible pixels stay visible: a result of 0 becomes
// 1. The means are taken in the pixel's own channel units (5 or 6 bits), which gives the pixel
// the mean of the 8-bit channels would: a channel's 8-bit value is its units times 8 (green at
// 16 bits: times 4), and the pixel keeps only the units of the mean. The three channels travel
// in ten bits each of one word, so that a box of nine adds them at once without a carry into the
// next; the rows' sums are taken first, three rows of them kept.
namespace {

// The blur's two row loops, written plainly and vectorised on their own (the build's -O2 leaves
// loops that need a remainder scalar): a row packed into ten-bit channels and summed over three
// columns (w >= 2), and a row of whole boxes divided by nine.
__attribute__((optimize("O3", "tree-vectorize")))
void weich_zeile_summieren(const uint16_t* __restrict p, uint32_t* __restrict g, uint32_t* __restrict s, int32_t w,
                           uint32_t rot, uint32_t gruen)
{
    for (int32_t x = 0; x < w; ++x) {
        const uint32_t q = p[x];
        g[x] = ((q >> rot) & 31) << 20 | ((q >> 5) & gruen) << 10 | (q & 31u);
    }
    s[0] = g[0] + g[1];
    for (int32_t x = 1; x + 1 < w; ++x) s[x] = g[x - 1] + g[x] + g[x + 1];
    s[w - 1] = g[w - 2] + g[w - 1];
}

// A channel's sum (below 1024) times 7282, shifted by 16, is its ninth exactly.
__attribute__((optimize("O3", "tree-vectorize")))
void weich_zeile_9(const uint32_t* __restrict o, const uint32_t* __restrict m, const uint32_t* __restrict u,
                   uint16_t* __restrict z, int32_t von, int32_t bis, uint32_t rot)
{
    for (int32_t x = von; x < bis; ++x) {
        const uint32_t s = o[x] + m[x] + u[x];
        const uint32_t p = (((s >> 20) & 1023) * 7282 >> 16) << rot | (((s >> 10) & 1023) * 7282 >> 16) << 5 |
                           ((s & 1023) * 7282 >> 16);
        z[x] = uint16_t(p ? p : 1);
    }
}

}  // namespace

void Menue_Weichzeichnen(Rastport* rp, int durchgaenge)
{
    if (!rp || rp->packed || (rp->depth != 15 && rp->depth != 16)) return;
    const int32_t w = int32_t(rp->width), h = int32_t(rp->height);
    if (w <= 0 || h <= 0) return;
    Grafik_Seite_Beschrieben(rp);
    auto* px = static_cast<uint16_t*>(rp->pixels);
    const uint32_t rot = rp->depth == 16 ? 11 : 10, gruen = rp->depth == 16 ? 63 : 31;
    const size_t breite = size_t(w);
    std::vector<uint32_t> summen(3 * breite), gepackt(breite);
    // The row's sums of the box's three columns.
    auto zeile_summieren = [&](int32_t y, uint32_t* s) {
        const uint16_t* p = px + size_t(y) * breite;
        if (w == 1) {
            const uint32_t q = p[0];
            s[0] = ((q >> rot) & 31) << 20 | ((q >> 5) & gruen) << 10 | (q & 31u);
            return;
        }
        weich_zeile_summieren(p, gepackt.data(), s, w, rot, gruen);
    };
    auto pixel = [rot](uint32_t s, uint32_t anzahl) {
        const uint32_t p = ((s >> 20) & 1023) / anzahl << rot | ((s >> 10) & 1023) / anzahl << 5 | (s & 1023) / anzahl;
        return uint16_t(p ? p : 1);
    };
    for (int d = 0; d < durchgaenge; ++d) {
        uint32_t* oben = summen.data();
        uint32_t* mitte = oben + breite;
        uint32_t* unten = mitte + breite;
        std::fill(oben, oben + breite, 0u);
        zeile_summieren(0, mitte);
        for (int32_t y = 0; y < h; ++y) {
            // The row below is summed before this row is written over.
            if (y + 1 < h) zeile_summieren(y + 1, unten);
            else std::fill(unten, unten + breite, 0u);
            const uint32_t hoch = 1u + (y > 0) + (y + 1 < h);
            uint16_t* z = px + size_t(y) * breite;
            if (hoch == 3 && w >= 3) {
                z[0] = pixel(oben[0] + mitte[0] + unten[0], 6);
                weich_zeile_9(oben, mitte, unten, z, 1, w - 1, rot);
                z[w - 1] = pixel(oben[w - 1] + mitte[w - 1] + unten[w - 1], 6);
            } else {
                for (int32_t x = 0; x < w; ++x)
                    z[x] = pixel(oben[x] + mitte[x] + unten[x], hoch * (1u + (x > 0) + (x + 1 < w)));
            }
            uint32_t* frei = oben;
            oben = mitte;
            mitte = unten;
            unten = frei;
        }
    }
}

namespace {

// The icons' own bitmaps are built anew in every turn, in the sizes of the turn before. A plain
// bitmap an icon gives up waits here for the next of its size and depth instead of going back
// to the heap; taken again it is what a new one would be: zero-filled (or filled whole by its
// face), with nothing of the old one reported (as Grafik_Bitmap_Anlegen does).
struct Bitmap_Vorrat : std::vector<Rastport*> {
    // What waits here at the program's end goes back with it.
    ~Bitmap_Vorrat()
    {
        for (Rastport* b : *this) Grafik_Bitmap_Freigeben(b);
    }
};
Bitmap_Vorrat vorrat;
constexpr size_t VORRAT_GROESSE = 48;

void bitmap_abgeben(Rastport* b)
{
    if (!b) return;
    if (Grafik_Bitmap_Schlicht(b) && vorrat.size() < VORRAT_GROESSE) vorrat.push_back(b);
    else Grafik_Bitmap_Freigeben(b);
}

void vorrat_leeren()
{
    for (Rastport* b : vorrat) Grafik_Bitmap_Freigeben(b);
    vorrat.clear();
}

// A bitmap of the size and depth; `ganz_gefuellt`: the caller fills every pixel at once, or
// with `vom_vorrat_wie_er_ist` leaves one from the store as it is (a new one comes cleared).
Rastport* bitmap_nehmen(int32_t w, int32_t h, int32_t tiefe, bool ganz_gefuellt, bool vom_vorrat_wie_er_ist = false)
{
    for (size_t i = vorrat.size(); i-- > 0;) {
        Rastport* b = vorrat[i];
        if (int64_t(b->width) != w || int64_t(b->height) != h || b->depth != tiefe) continue;
        vorrat.erase(vorrat.begin() + std::ptrdiff_t(i));
        Grafik_Bitmap_Erneuern(b, ganz_gefuellt || vom_vorrat_wie_er_ist);
        return b;
    }
    return ganz_gefuellt && !vom_vorrat_wie_er_ist ? Grafik_Bitmap_Anlegen_Ungeloescht(w, h, tiefe, false)
                                                    : Grafik_Bitmap_Anlegen(w, h, tiefe);
}

// A new bitmap of the icon's size, prefilled by its face colour.
Rastport* eigene_bitmap(Menue_Icon* icon)
{
    const bool flaeche = icon->farbe != 24 && icon->farbe != 25 && icon->farbe != 41;
    // Over a screen page nobody sees (a headless run that takes no picture) a plain or glass face
    // is never shown: its fill is left out. While a check follows what is drawn it is made.
    const bool ungesehen = icon->farbe != 25 && Grafik_Niemand_Sieht(Grafik_Render_Ziel);
    Rastport* b = bitmap_nehmen(icon->breite, icon->hoehe, tiefe(), flaeche, ungesehen);
    if (!b || ungesehen) return b;
    int32_t w = icon->breite, h = icon->hoehe;
    // A glass face over a screen page nobody sees would blur what was never drawn.
    if ((icon->farbe == 24 || icon->farbe == 41) && Grafik_Seite_Ungesehen(Grafik_Render_Ziel)) return b;
    switch (icon->farbe) {
    case 25:
        if (Rastport* hg = Menue_Get_Hintergrund()) {
            if (icon->flags & ICON_EBENE) Grafik_Blit_Transparent(hg, icon->x, icon->y, w, h, b, 0, 0);
            else Grafik_Blit(hg, icon->x, icon->y, w, h, b, 0, 0);
        }
        break;
    case 24:
        if (Grafik_Render_Ziel) Grafik_Blit(Grafik_Render_Ziel, icon->x, icon->y, w, h, b, 0, 0);
        Menue_Weichzeichnen(b, 2);
        Grafik_Linie(b, 0, 0, w, 0, Grafik_Farbe(15, 15, 15));
        Grafik_Linie(b, 0, 0, 0, h, Grafik_Farbe(15, 15, 15));
        Grafik_Linie(b, w - 1, 0, w - 1, h, Grafik_Farbe(6, 6, 6));
        Grafik_Linie(b, 0, h - 1, w, h - 1, Grafik_Farbe(6, 6, 6));
        break;
    case 41:
        if (Grafik_Render_Ziel) Grafik_Blit_Transparent(Grafik_Render_Ziel, icon->x, icon->y, w, h, b, 0, 0);
        Menue_Weichzeichnen(b, 1);
        break;
    case 255: Grafik_Rechteck_Fuellen(b, 0, 0, w, h, Grafik_Farbe(0, 5, 8)); break;
    default:
        if (icon->farbe < UI_FARBEN) Grafik_Rechteck_Fuellen(b, 0, 0, w, h, uint16_t(UI_Farbtabelle[icon->farbe].farbe));
        else Grafik_Rechteck_Fuellen(b, 0, 0, w, h, Grafik_Farbe(0, 5, 8));
        break;
    }
    return b;
}

// Frees a bitmap the registry holds: a slave through its own module, any other after every
// reference to it is gone.
void registry_bitmap_freigeben(Rastport* b)
{
    if (!b) return;
    int32_t slave = Menue_Slave_Von_Bitmap(b);
    if (slave >= 0) {
        Menue_Free_Slave_Rastport(slave);
        return;
    }
    Menue_Bitmap_Vergessen(b);
    Handle_Objekt_Freigeben(b);
    bitmap_abgeben(b);
}

void hintergrund_freigeben(int32_t nummer)
{
    Menue_Register_Eintrag& r = Menue_Icons.reg[nummer];
    Handle_Objekt_Freigeben(r.hintergrund);
    r.hintergrund = Grafik_Bitmap_Freigeben(r.hintergrund);
    r.gesichert = 0;
}

Rastport* icon_bitmap(Menue_Icon* icon, bool doppelt_pruefen)
{
    if (!icon) {
        Print_Fehler("Menue_Screen_Icon_Bitmap: s_icon=NULL!");
        return nullptr;
    }
    bool slave = Menue_Ist_Slave_Icon(icon);
    if (slave && icon->bitmap) {
        Menue_Screen_Icon_Orig_Anlegen(icon);
        return icon->bitmap;
    }
    if (!Menue_Nummer_Gueltig(icon->nummer)) {
        Print_Fehler("Menue_Screen_Icon_Bitmap: si_nr zu groß!");
        return nullptr;
    }
    Menue_Register_Eintrag& r = Menue_Icons.reg[icon->nummer];
    if (!r.bitmap) {
        if (slave) {
            icon->bitmap = Menue_Get_Slave_Rastport(icon->bitmap_quelle);
            if (!icon->bitmap) Print_Fehler("Menue_Screen_Icon_Rastport: Icon mit Slave-Bitmap==NULL!");
            else if ((icon->flags & ICON_SLAVE) && !(icon->flags & ICON_SLAVE_FEST)) {
                icon->breite = uint16_t(icon->bitmap->width);
                icon->hoehe = uint16_t(icon->bitmap->height);
            }
        } else if (!icon->bitmap) {
            Rastport* b = nullptr;
            if (icon->bitmap_quelle >= MENUE_RESSOURCE_CODE) {
                int32_t datei = icon->bitmap_quelle / MENUE_RESSOURCE_CODE - 1;
                if (datei < RESFILE_STANDARD && ResFile_Handles[datei].handle >= 0)
                    b = Menue_Ressource_Bild(ResFile_Handles[datei].handle, icon->bitmap_quelle % MENUE_RESSOURCE_CODE);
            } else {
                b = eigene_bitmap(icon);
            }
            if (b) {
                icon->breite = uint16_t(b->width);
                icon->hoehe = uint16_t(b->height);
                r.bitmap = b;
                Menue_Register_Merken(icon->nummer);
            }
            icon->bitmap = b;
        }
    } else if (!slave) {
        icon->bitmap = r.bitmap;
    }
    Menue_Screen_Icon_Orig_Anlegen(icon);
    if (doppelt_pruefen) doppelt_melden(icon->nummer, icon);
    return icon->bitmap;
}

// Files the icon into its priority list; false when the list is full.
bool einreihen(Menue_Icon* icon, int32_t p)
{
    int32_t s = Menue_Icons.frei[p];
    if (Menue_Icons.slot[p][s]) {
        // A full list: storing now would lose the icon in the occupied slot.
        Print_Fehler("Menue_Screen_Icon_Hinzufuegen: Maximum erreicht!");
        return false;
    }
    Menue_Icons.slot[p][s] = icon;
    ++Menue_Icons.stand;
    if (s > Menue_Icons.hoechster[p]) Menue_Icons.hoechster[p] = s;
    int32_t start = s == MENUE_PRIORITAET_SLOTS - 1 ? s : s + 1;
    int32_t i = start;
    do {
        if (!Menue_Icons.slot[p][i]) {
            Menue_Icons.frei[p] = i;
            return true;
        }
        i = (i + 1) % MENUE_PRIORITAET_SLOTS;
    } while (i != start);
    Print_Fehler("Menue_Screen_Icon_Hinzufuegen: Maximum erreicht!");
    Menue_Icons.frei[p] = start;
    return true;
}

}  // namespace

void Menue_Prioritaeten_Leeren()
{
    std::memset(Menue_Icons.slot, 0, sizeof Menue_Icons.slot);
    std::memset(Menue_Icons.frei, 0, sizeof Menue_Icons.frei);
    std::memset(Menue_Icons.hoechster, 0, sizeof Menue_Icons.hoechster);
    std::memset(Menue_Icons.vorhanden, 0, sizeof Menue_Icons.vorhanden);
    ++Menue_Icons.stand;
}

void Menue_Icon_Flaeche(const Menue_Icon* icon, int32_t* x, int32_t* y, int32_t* w, int32_t* h)
{
    if (icon->flags & ICON_EBENE) {
        *x = 0, *y = 0;
        *w = Grafik_Render_Ziel ? int32_t(Grafik_Render_Ziel->width) : 640;
        *h = Grafik_Render_Ziel ? int32_t(Grafik_Render_Ziel->height) : 480;
        return;
    }
    *x = icon->x, *y = icon->y, *w = icon->breite, *h = icon->hoehe;
}

namespace {

// Every reference of the registry and the priority lists to a bitmap for which `weg` holds.
template <class Weg>
void bitmaps_vergessen(Weg weg)
{
    for (const int16_t n : Menue_Icons.belegt) {
        Menue_Register_Eintrag& r = Menue_Icons.reg[n];
        if (r.bitmap && weg(r.bitmap)) r.bitmap = nullptr;
        if (r.icon && r.icon->bitmap && weg(r.icon->bitmap)) r.icon->bitmap = nullptr;
    }
    for (int32_t p = 0; p < MENUE_PRIORITAETEN; ++p)
        for (int32_t s = 0; s <= Menue_Icons.hoechster[p]; ++s) {
            Menue_Icon* i = Menue_Icons.slot[p][s];
            if (i && i->bitmap && weg(i->bitmap)) i->bitmap = nullptr;
        }
}

}  // namespace

void Menue_Bitmap_Vergessen(const Rastport* bitmap)
{
    if (!bitmap) return;
    bitmaps_vergessen([bitmap](const Rastport* b) { return b == bitmap; });
}

void Menue_Bitmaps_Vergessen(const std::vector<const Rastport*>& sortiert)
{
    bitmaps_vergessen([&sortiert](const Rastport* b) { return std::binary_search(sortiert.begin(), sortiert.end(), b); });
}

void Menue_Alle_Icons_Speicher_Befreien()
{
    // As Menue_Einzel_Icon_Speicher_Befreien for every registered icon in turn, with one walk
    // that forgets the freed bitmaps at the end instead of one walk for each. A bitmap already
    // given up counts as forgotten where a later entry still names it.
    std::vector<Rastport*> frei;
    auto gegeben = [&](const Rastport* b) { return std::binary_search(frei.begin(), frei.end(), b); };
    // The slaves as they stand before the walk: one freed in it leaves no entry naming it.
    const std::vector<std::pair<const Rastport*, int32_t>> slaves = Menue_Slave_Bitmaps();
    auto slave_von = [&slaves](const Rastport* b) {
        const auto i = std::lower_bound(slaves.begin(), slaves.end(), std::pair<const Rastport*, int32_t>(b, INT32_MIN));
        return i != slaves.end() && i->first == b ? i->second : -1;
    };
    // The entries as filed before the walk (an entry not filed holds no record).
    const std::vector<int16_t> belegt = Menue_Icons.belegt;
    for (const int16_t n : belegt) {
        Menue_Icon* icon = Menue_Icons.reg[n].icon;
        if (!icon || !Menue_Nummer_Gueltig(icon->nummer)) continue;
        Menue_Register_Eintrag& r = Menue_Icons.reg[icon->nummer];
        if (r.icon && r.bitmap && gegeben(r.bitmap)) {
            if (icon->bitmap == r.bitmap) icon->bitmap = nullptr;
            r.bitmap = nullptr;
        } else if (r.icon && r.bitmap) {
            Rastport* b = r.bitmap;
            if (icon->bitmap == b) icon->bitmap = nullptr;
            int32_t slave = slave_von(b);
            if (slave >= 0) Menue_Free_Slave_Rastport(slave);
            else frei.insert(std::upper_bound(frei.begin(), frei.end(), b), b);
        }
        hintergrund_freigeben(icon->nummer);
    }
    if (!frei.empty()) {
        bitmaps_vergessen(gegeben);
        for (Rastport* b : frei) {
            Handle_Objekt_Freigeben(b);
            bitmap_abgeben(b);
        }
    }
    // Entries left with nothing leave the filed ones.
    auto leer = [](int16_t n) {
        const Menue_Register_Eintrag& r = Menue_Icons.reg[n];
        if (r.icon || r.bitmap || r.hintergrund || r.gesichert) return false;
        Menue_Icons.gemerkt[n] = 0;
        return true;
    };
    Menue_Icons.belegt.erase(std::remove_if(Menue_Icons.belegt.begin(), Menue_Icons.belegt.end(), leer),
                             Menue_Icons.belegt.end());
}

void Menue_Register_Merken(int32_t nummer)
{
    if (!Menue_Nummer_Gueltig(nummer) || Menue_Icons.gemerkt[nummer]) return;
    Menue_Icons.gemerkt[nummer] = 1;
    std::vector<int16_t>& b = Menue_Icons.belegt;
    b.insert(std::upper_bound(b.begin(), b.end(), int16_t(nummer)), int16_t(nummer));
}

void Menue_Register_Hintergruende_Freigeben()
{
    // An entry not filed holds no background, and only one that holds one is marked saved.
    for (const int16_t n : Menue_Icons.belegt) {
        Menue_Register_Eintrag& r = Menue_Icons.reg[n];
        if (r.hintergrund) r.hintergrund = Grafik_Bitmap_Freigeben(r.hintergrund);
        r.gesichert = 0;
    }
}

uint32_t Menue_Knopf_Zustand(int32_t nummer)
{
    return Aktuelles_Team >= 0 ? Manager_Icon_Button_Lesen(Aktuelles_Team, nummer) : 0;
}

void Menue_Init(uint8_t keep_screen)
{
    Print_Log(0, "Icons von System: %d bis %d\n", 701, 768);
    Print_Log(0, "Icons von Rilo  : %d bis %d\n", 801, 1745);
    Print_Log(0, "Icons von Pallum: %d bis %d\n", 2001, 2330);
    Print_Log(0, "Icons von Sefo  : %d bis %d\n", 2501, 2600);
    Menue_Prioritaeten_Leeren();
    Menue_Icons.modal_tiefe = 0;
    Menue_Farben_Init();
    Menue_Slaves_Init();
    Menue_Scrollscreens_Init();
    Soundeffekt_Load_All(ResFile_Handles[0].handle);
    Menue_Screen_Reset(keep_screen);
    for (Menue_Icon* liste : Menue_Init_Vorlagen)
        if (liste) Menue_Icon_Liste_Registrieren(liste);
    if (!keep_screen) Menue_Titelbild_Zeigen();
    Menue_Spielstand_Init();
    Win95_Dialog_Hook_Setzen(Menue_Dialog_Zeigen);
    // The menu goes at exit before the screen closes.
    Exit_Freigabe_Registrieren(EXIT_FREIGABE_MENUE, Menue_Beenden);
}

void Menue_Screen_Icon_Hinzufuegen(Menue_Icon* icon)
{
    if (!icon) {
        Print_Fehler("Menue_Screen_Icon_Hinzufuegen: s_icon=NULL!");
        return;
    }
    if (!Menue_Nummer_Gueltig(icon->nummer)) {
        Print_Fehler("Menue_Screen_Icon_Hinzufuegen: screen_icon_nr>ANZ_SCREEN_ICONS");
        return;
    }
    int32_t nummer = icon->nummer;
    doppelt_melden(nummer, icon);
    icon->refresh = 1;
    if (Menue_Icons.vorhanden[nummer]) return;
    int32_t p = icon->prioritaet;
    if (p > MAX_SCREEN_ICON_PRIORITY) {
        Print_Fehler("Menue_Screen_Icon_Hinzufuegen: pri>MAX_SCREEN_ICON_PRIORITY!");
        p = MAX_SCREEN_ICON_PRIORITY;
    }
    if (p < 0) p = 0;
    if (!einreihen(icon, p)) return;
    Menue_Icons.vorhanden[nummer] = 1;
    if (!Menue_Icons.reg[nummer].icon) {
        Menue_Icons.reg[nummer].icon = icon;
        Menue_Register_Merken(nummer);
    }
    icon_bitmap(icon, false);
    Menue_Icons.reg[nummer].gesichert = 0;
    if (icon->flags & ICON_SCROLLBUTTON) Menue_Scrollbuttonpos_Zuweisen(icon);
    if (icon->flags & ICON_EBENE) ++Menue_Icons.modal_tiefe;
    if ((icon->flags & ICON_WERTFELD) && icon->daten) {
        icon->kontext = Menue_Eingabefeld_Kontextmenue;
        auto* w = static_cast<Menue_Wert_Beschreibung*>(icon->daten);
        if (w->wert_f32) w->kopie_f32 = *w->wert_f32;
        if (w->wert_u32) w->kopie_u32 = *w->wert_u32;
        if (w->wert_u16) w->kopie_u16 = *w->wert_u16;
    }
}

void Menue_Screen_Icon_Loeschen(int32_t nummer, Menue_Icon* icon, int32_t modus)
{
    if (nummer != -1) icon = Menue_Screen_Icon_Aus_Nummer(nummer);
    if (!icon) {
        Print_Fehler("Menue_Screen_Icon_Loeschen: s_icon=NULL!");
        return;
    }
    if (modus != 0 && modus != 8 && modus != 16) {
        Print_Fehler("Menue_Screen_Icon_Loeschen: falscher Modus!");
        return;
    }
    if (!Menue_Nummer_Gueltig(icon->nummer) || !Menue_Icons.vorhanden[icon->nummer]) return;
    int32_t nr = icon->nummer, p = 0, s = -1;
    for (p = 0; p < MENUE_PRIORITAETEN && s < 0; ++p)
        for (int32_t i = 0; i <= Menue_Icons.hoechster[p]; ++i)
            if (Menue_Icons.slot[p][i] == icon) {
                s = i;
                break;
            }
    if (s < 0) return;
    --p;  // the loop stepped past the priority it found
    Menue_Icons.vorhanden[nr] = 0;
    Menue_Slot_Raeumen(p, s);
    if (!(icon->status & ICON_VERSTECKT)) {
        if (modus == 16) Menue_Hintergrund_Kopieren(Grafik_Render_Ziel, icon->x, icon->y, icon->breite, icon->hoehe, 0, 0);
        else if (modus == 8) Menue_Screen_Icon_Hintergrund_Zeichnen(icon);
    }
    icon->refresh = 0;
    if ((icon->flags & ICON_EBENE) && --Menue_Icons.modal_tiefe == 0) Menue_Icons.abgedunkelt = 1;
    if (icon->bitmap_quelle != -1 && !(icon->flags & ICON_BITMAP_FREIGEBEN)) hintergrund_freigeben(nr);
    else Menue_Einzel_Icon_Speicher_Befreien(icon);
    Menue_Event_Icon_Entfernt(icon);
}

void Menue_Icon_Entfernen(Menue_Icon* icon) { Menue_Screen_Icon_Loeschen(-1, icon, 0); }

void Menue_Icon_Liste_Hinzufuegen(Menue_Icon* liste)
{
    for (Menue_Icon* i = liste; i && i->nummer != -1; ++i) Menue_Screen_Icon_Hinzufuegen(i);
}

void Menue_Icon_Liste_Entfernen(Menue_Icon* liste, int32_t modus)
{
    Grafik_Screen_Seite_Waehlen(1);
    for (Menue_Icon* i = liste; i && i->nummer != -1; ++i) Menue_Screen_Icon_Loeschen(-1, i, modus);
}

void Menue_Icon_Liste_Registrieren(Menue_Icon* liste)
{
    for (Menue_Icon* i = liste; i && i->nummer != -1; ++i)
        if (Menue_Nummer_Gueltig(i->nummer)) {
            Menue_Icons.reg[i->nummer].icon = i;
            Menue_Register_Merken(i->nummer);
        }
}

void Menue_Icon_Liste_Abmelden(Menue_Icon* liste)
{
    for (Menue_Icon* i = liste; i && i->nummer != -1; ++i) {
        const int32_t n = i->nummer;
        if (!Menue_Nummer_Gueltig(n) || Menue_Icons.reg[n].icon != i || Menue_Icons.vorhanden[n]) continue;
        registry_bitmap_freigeben(Menue_Icons.reg[n].bitmap);
        hintergrund_freigeben(n);
        Menue_Icons.reg[n] = {};
    }
}

void Menue_Icon_Liste_Aktiv_Setzen(uint8_t wert, Menue_Icon* liste)
{
    for (Menue_Icon* i = liste; i && i->nummer != -1; ++i) i->refresh = wert;
}

Menue_Icon* Menue_Icon_Liste_Suchen(int32_t nummer, Menue_Icon* liste)
{
    for (Menue_Icon* i = liste; i && i->nummer != -1; ++i)
        if (i->nummer == nummer) return i;
    return nullptr;
}

void Menue_Screen_Icon_Aktiv_Setzen(uint8_t wert, int32_t nummer)
{
    if (!Menue_Nummer_Gueltig(nummer)) {
        Print_Fehler("Menue_Screen_Icon_Aktiv_Setzen: Nr= %d", nummer);
        return;
    }
    if (Menue_Icon* i = Menue_Icons.reg[nummer].icon) i->refresh = wert;
}

uint8_t Menue_Screen_Icon_Ist_Vorhanden(int32_t nummer)
{
    if (!Menue_Nummer_Gueltig(nummer)) {
        Print_Fehler("Menue_Screen_Icon_Ist_Vorhanden: Nr= %d", nummer);
        return 0;
    }
    return Menue_Icons.vorhanden[nummer];
}

Menue_Icon* Menue_Screen_Icon_Aus_Nummer(int32_t nummer)
{
    if (!Menue_Nummer_Gueltig(nummer)) {
        Print_Fehler("Menue_Screen_Icon_Aus_Nummer: Nr= %d", nummer);
        return nullptr;
    }
    return Menue_Icons.reg[nummer].icon;
}

Rastport* Menue_Screen_Icon_Bitmap(Menue_Icon* icon) { return icon_bitmap(icon, true); }

Rastport* Menue_Screen_Icon_Slave_Rastport(Menue_Icon* icon)
{
    if (!icon || !Menue_Nummer_Gueltig(icon->nummer)) return nullptr;
    return Menue_Icons.reg[icon->nummer].bitmap;
}

Rastport* Menue_Screen_Icon_Orig_Bitmap(Menue_Icon* icon)
{
    if (!icon) {
        Print_Fehler("Menue_Screen_Icon_Orig_Bitmap: s_icon=NULL!");
        return nullptr;
    }
    if (!Menue_Nummer_Gueltig(icon->nummer)) return nullptr;
    return Menue_Icons.reg[icon->nummer].hintergrund;
}

void Menue_Screen_Icon_Orig_Anlegen(Menue_Icon* icon)
{
    if (!icon) {
        Print_Fehler("Menue_Screen_Icon_Orig_Anlegen: s_icon=NULL!");
        return;
    }
    if (!(icon->flags & ICON_ZIEHBAR) && !(icon->status & ICON_HINTERGRUND_BEHALTEN)) return;
    if (!Menue_Nummer_Gueltig(icon->nummer)) return;
    Menue_Register_Eintrag& r = Menue_Icons.reg[icon->nummer];
    if (r.hintergrund) return;
    int32_t x, y, w, h;
    Menue_Icon_Flaeche(icon, &x, &y, &w, &h);
    // As large as the picture, and as the icon where it is larger (a button widened for its label).
    if (!(icon->flags & ICON_EBENE) && icon->bitmap) {
        w = std::max(w, int32_t(icon->bitmap->width));
        h = std::max(h, int32_t(icon->bitmap->height));
    }
    r.hintergrund = Grafik_Bitmap_Anlegen(w, h, tiefe());
    Menue_Register_Merken(icon->nummer);
}

void Menue_Screen_Icon_Orig_Neu(Menue_Icon* icon)
{
    if (!icon || !Menue_Nummer_Gueltig(icon->nummer)) return;
    hintergrund_freigeben(icon->nummer);
    Menue_Screen_Icon_Orig_Anlegen(icon);
}

void Menue_Screen_Icon_Hintergrund_Sichern(Menue_Icon* icon)
{
    if (!icon) {
        Print_Fehler("Menue_Screen_Icon_Hintergrund_Sichern: s_icon=NULL!");
        return;
    }
    if (!Menue_Nummer_Gueltig(icon->nummer)) return;
    Menue_Register_Eintrag& r = Menue_Icons.reg[icon->nummer];
    if (!r.hintergrund) return;
    int32_t x, y, w, h;
    Menue_Icon_Flaeche(icon, &x, &y, &w, &h);
    Rastport* quelle = Grafik_Render_Ziel;
    if (icon->scrollscreen < MENUE_SCROLLSCREENS && (icon->status & ICON_SCROLL_HINTERGRUND)) {
        Scrollscreen* s = Menue_Get_Scrollscreen(icon->scrollscreen);
        if (s && s->bitmap) {
            quelle = s->bitmap;
            if (s->flags & 1) x += s->position;
            else y += s->position;
        }
    }
    if (!quelle) return;
    Grafik_Blit(quelle, x, y, w, h, r.hintergrund, 0, 0);
    r.gesichert = 1;
}

uint8_t Menue_Screen_Icon_Hintergrund_Wurde_Gesichert(Menue_Icon* icon)
{
    if (!icon) {
        Print_Fehler("Menue_Screen_Icon_Hintergrund_Wurde_Gesichert: s_icon=NULL!");
        return 0;
    }
    return Menue_Nummer_Gueltig(icon->nummer) ? Menue_Icons.reg[icon->nummer].gesichert : 0;
}

void Menue_Screen_Icon_Hintergrund_Freigeben(Menue_Icon* icon)
{
    if (!icon) {
        Print_Fehler("Menue_Screen_Icon_Hintergrund_Freigeben: s_icon=NULL!");
        return;
    }
    if (Menue_Nummer_Gueltig(icon->nummer)) Menue_Icons.reg[icon->nummer].gesichert = 0;
}

void Menue_Einzel_Icon_Speicher_Befreien(Menue_Icon* icon)
{
    if (!icon) {
        Print_Fehler("Menue_Einzel_Icon_Speicher_Befreien: s_icon=NULL!");
        return;
    }
    if (!Menue_Nummer_Gueltig(icon->nummer)) return;
    Menue_Register_Eintrag& r = Menue_Icons.reg[icon->nummer];
    if (r.icon && r.bitmap) {
        Rastport* b = r.bitmap;
        if (icon->bitmap == b) icon->bitmap = nullptr;
        registry_bitmap_freigeben(b);
    }
    hintergrund_freigeben(icon->nummer);
}

void Menue_Init_Icon(Menue_Icon* icon, const Menue_Icon* vorlage, void* daten, int32_t slave)
{
    if (!icon) return;
    Menue_Screen_Icon_Loeschen(-1, icon, 0);
    if (Menue_Nummer_Gueltig(icon->nummer)) hintergrund_freigeben(icon->nummer);
    if (!vorlage) {
        Print_Fehler("Menue_Init_Icon: Vorlage==NULL!");
        return;
    }
    icon->flags = vorlage->flags;
    icon->x = vorlage->x;
    icon->y = vorlage->y;
    std::memcpy(icon->bereich, vorlage->bereich, sizeof icon->bereich);
    icon->move = vorlage->move;
    icon->drop_typ = vorlage->drop_typ;
    icon->status = vorlage->status;
    icon->hilfetext = vorlage->hilfetext;
    icon->hilfesound = vorlage->hilfesound;
    icon->klick = vorlage->klick;
    icon->refresh_prozedur = vorlage->refresh_prozedur;
    icon->prioritaet = vorlage->prioritaet;
    icon->scrollscreen = vorlage->scrollscreen;
    icon->farbe = vorlage->farbe;
    icon->kontext = vorlage->kontext;
    icon->mausover = vorlage->mausover;
    icon->glow_gruppe = vorlage->glow_gruppe;
    icon->verknuepft = vorlage->verknuepft;
    icon->daten = daten;
    icon->kennung_1 = icon->kennung_2 = -1;
    icon->refresh = 1;
    icon->bitmap = nullptr;
    if (slave != -1) icon->bitmap_quelle = slave;
    else if (vorlage->flags & (ICON_SLAVE | ICON_SLAVE_FEST)) icon->bitmap_quelle = vorlage->bitmap_quelle;
    else {
        Print_Fehler("Menue_Init_Icon: slave_rp==NULL!");
        return;
    }
    icon->bitmap = Menue_Get_Slave_Rastport(icon->bitmap_quelle);
    if (!icon->bitmap) {
        Print_Fehler("Menue_Init_Icon: RP=NULL!");
        return;
    }
    if (icon->flags & ICON_SLAVE_FEST) {
        icon->breite = vorlage->breite;
        icon->hoehe = vorlage->hoehe;
    } else {
        icon->breite = uint16_t(icon->bitmap->width);
        icon->hoehe = uint16_t(icon->bitmap->height);
    }
    Menue_Screen_Icon_Orig_Anlegen(icon);
}

void Menue_Init_Icon_Liste(Menue_Icon* liste, const Menue_Icon* vorlage, void* daten, int32_t slave)
{
    if (!liste) {
        Print_Fehler("Menue_Init_Icon_Liste: Liste-Icon==NULL!");
        return;
    }
    for (Menue_Icon* i = liste; i->nummer != -1; ++i) Menue_Init_Icon(i, vorlage, daten, slave);
}

void Menue_Icon_Slave_Rastport_Zuweisen(Menue_Icon* icon, int32_t slave)
{
    if (!icon) {
        Print_Fehler("Menue_Icon_Slave_Rastport_Zuweisen: s_icon=NULL!");
        return;
    }
    if (slave == 0xFFFF) {
        if (!Menue_Nummer_Gueltig(icon->nummer)) return;
        icon->bitmap = Menue_Icons.reg[icon->nummer].bitmap;
    } else {
        icon->bitmap = Menue_Get_Slave_Rastport(slave);
        if (icon->bitmap) icon->bitmap_quelle = slave;
    }
    if (!icon->bitmap) return;
    icon->breite = uint16_t(icon->bitmap->width);
    icon->hoehe = uint16_t(icon->bitmap->height);
}

void Menue_Icons_Nach_Kennung_Aktiv_Setzen(uint8_t wert, int16_t kennung_1, uint8_t mit_1,
                                           int16_t kennung_2, uint8_t mit_2)
{
    for (int32_t p = 0; p < MENUE_PRIORITAETEN; ++p)
        for (int32_t s = 0; s <= Menue_Icons.hoechster[p]; ++s) {
            Menue_Icon* i = Menue_Icons.slot[p][s];
            if (!i || (i->status & ICON_VERSTECKT) || !(i->flags & ICON_SLAVE_FEST)) continue;
            if (mit_1 && i->kennung_1 != kennung_1) continue;
            if (mit_2 && i->kennung_2 != kennung_2) continue;
            i->refresh = wert;
        }
}

Menue_Icon* Menue_Get_Aktuelles_Icon() { return Menue_Aktuelles_Icon; }
uint8_t Menue_Ist_Modal() { return Menue_Modal_Aktiv; }
int8_t Menue_Modal_Tiefe() { return Menue_Icons.modal_tiefe; }

const Menue_Register_Eintrag* Menue_Register(int32_t nummer)
{
    return Menue_Nummer_Gueltig(nummer) ? &Menue_Icons.reg[nummer] : nullptr;
}

void Menue_Register_Leeren()
{
    for (int32_t n = 0; n < ANZ_SCREEN_ICONS; ++n) {
        registry_bitmap_freigeben(Menue_Icons.reg[n].bitmap);
        hintergrund_freigeben(n);
    }
    vorrat_leeren();
    std::memset(Menue_Icons.reg, 0, sizeof Menue_Icons.reg);
    std::memset(Menue_Icons.gemerkt, 0, sizeof Menue_Icons.gemerkt);
    Menue_Icons.belegt.clear();
}

// ---- The icon blit worker ----

namespace {

// The toggle state that shows an icon pressed (state 0x8000) while its click runs.
constexpr uint32_t KNOPF_GEDRUECKT = 9000;

// The picture the icon shows now: an alternative face by the manager's toggle state (the
// first face at rest, the second when on, the last while pressed), else its bitmap.
Rastport* gesicht(Menue_Icon* icon, Rastport* bm)
{
    if (!icon->gesichter || !(icon->status & (ICON_KLANG_6 | ICON_GEDRUECKT))) return bm;
    int32_t n = icon->gesichter[0];
    if (n <= 0) return bm;
    uint32_t t = Menue_Knopf_Zustand(icon->nummer);
    int32_t k = t == KNOPF_GEDRUECKT ? n - 1 : t ? std::min(1, n - 1) : 0;
    Rastport* g = Menue_Get_Slave_Rastport(icon->gesichter[1 + k]);
    return g ? g : bm;
}

// The blurred menu background under the icon's place, drawn first.
void weiche_basis(const Menue_Icon* icon, Rastport* ziel, int32_t x, int32_t y)
{
    Rastport* hg = Menue_Get_Hintergrund();
    Rastport* basis = hg ? Grafik_Bitmap_Anlegen(icon->breite, icon->hoehe, hg->depth) : nullptr;
    if (!basis) return;
    Grafik_Blit(hg, icon->x, icon->y, icon->breite, icon->hoehe, basis, 0, 0);
    Menue_Weichzeichnen(basis, 2);
    Grafik_Blit(basis, 0, 0, icon->breite, icon->hoehe, ziel, x, y);
    Grafik_Bitmap_Freigeben(basis);
}

}  // namespace

void Menue_Icon_Blit_Effekt(Menue_Icon* icon, Rastport* bm, Rastport* ziel, int32_t x, int32_t y)
{
    if (!icon || !bm || !ziel) return;
    bm = gesicht(icon, bm);
    const int32_t w = icon->breite, h = icon->hoehe;
    if (icon->flags & ICON_WEICHE_BASIS) weiche_basis(icon, ziel, x, y);
    // Mirrored pictures are turned in a bitmap of their own first: the mirrored blit writes into
    // memory only, and the looks below apply to the turned picture.
    Rastport* gespiegelt = nullptr;
    if ((icon->flags & ICON_GESPIEGELT) && !bm->packed && (gespiegelt = Grafik_Bitmap_Anlegen(w, h, bm->depth))) {
        Grafik_Rechteck_Fuellen(gespiegelt, 0, 0, w, h, 0);
        if (Grafik_Blit_Gespiegelt(bm, 0, 0, w, h, gespiegelt, 0, 0)) bm = gespiegelt;
    }
    const bool gesperrt = icon->status & ICON_GESPERRT;
    const bool gesperrt_2 = icon->status & ICON_GESPERRT_2;
    const bool gedrueckt = (icon->status & ICON_GEDRUECKT) && Menue_Knopf_Zustand(icon->nummer) == KNOPF_GEDRUECKT;
    const UI_Farbe* f = Menue_Icon_Hervorhebung(icon);
    // Pressed: darker and sunk by a pixel; disabled: darker (disabled by the event step a little
    // less, so that the two can be told apart); a face colour tints; else the picture as it is.
    // Looks that cannot draw on the target (the screen page) fall back to the plain picture.
    const bool fertig = (gedrueckt && Grafik_Blit_Abdunkeln_Maske(bm, 0, 0, w - 1, h - 1, ziel, x + 1, y + 1, 48)) ||
                        (gesperrt && Grafik_Blit_Abdunkeln_Maske(bm, 0, 0, w, h, ziel, x, y, 56)) ||
                        (gesperrt_2 && Grafik_Blit_Abdunkeln_Maske(bm, 0, 0, w, h, ziel, x, y, 44)) ||
                        (f && Grafik_Blit_Mischen_Maske(bm, 0, 0, w, h, ziel, x, y, uint16_t(f->farbe), int32_t(f->staerke)));
    if (!fertig) Grafik_Blit_Transparent(bm, 0, 0, w, h, ziel, x, y);
    Grafik_Bitmap_Freigeben(gespiegelt);
}
