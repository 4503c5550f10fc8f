#include <algorithm>
#include <cstdlib>

#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_effekt.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_spielerfigur.h"
#include "graphics/grafik_wappen.h"
#include "graphics/grafik_zeichnen.h"
#include "match/spielfeld.h"
#include "matchview/lineup/aufstellung.h"
#include "matchview/lineup/screen.h"
#include "network/netz.h"
#include "platform/print.h"
#include "platform/temp.h"
#include "screens/spieler_einsetzen_figuren.h"
#include "screens/spieler_gesicht.h"
#include "toolkit/btnscreen.h"

namespace {

constexpr int32_t FELD_B = 412, FELD_H = 196, FELD_X = 1, FELD_Y = 10, LAENGE = 10800, BREITE = 6806;
constexpr int32_t RAUM_MAX = FELD_B * FELD_H * 70 / 100;
constexpr int32_t ZEIGER_ZIEHEN = 14;
constexpr uint32_t WEITERER_ZUSTAND = 64;
constexpr int32_t TEAMSPIELER_POSITION_FELD = 310;

Btnscreen_Gadget* G(int32_t n) { return &Aufstellung_Liste[n]; }
Rastport* schirm() { return Grafik_Seite_0 ? Grafik_Seite_0 : Grafik_Render_Ziel; }
bool an(int32_t n) { return (G(n)->benutzer[0] & 1) != 0; }

bool slot_ok(int32_t slot) { return slot >= 0 && slot < SPIELFELD_SLOTS; }

int32_t px(int64_t u) { return int32_t(u * FELD_B / LAENGE); }
int32_t py(int64_t v) { return int32_t(v * FELD_H / BREITE); }

void setzen(Btnscreen_Gadget* g, int32_t mx, int32_t my)
{
    g->x = mx - g->w / 2;
    g->y = my - g->h / 2;
}

// Icons of a side placed with a player.
template <typename F> void platzierte(int32_t seite, F f)
{
    for (int32_t i = 0; i < 11; ++i) {
        Btnscreen_Gadget* g = G((seite ? AG_GAST_ICON : AG_HEIM_ICON) + i);
        if (g->benutzer[2] == TYP_ICON) f(g);
    }
}

void in_mitte(Btnscreen_Gadget* g)
{
    int32_t mx = 0, my = 0;
    Feld_Koordinaten_Lesen(Screen_Record, int32_t(g->benutzer[1]), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                           nullptr, nullptr, &mx, &my);
    setzen(g, mx, my);
}

// All icons to their offensive (or defensive) points, the other side's to the opposite ones.
void positionen(bool offensiv_eigen)
{
    for (int32_t s = 0; s < 2; ++s)
        platzierte(s, [&](Btnscreen_Gadget* g) {
            const bool offensiv = (s == Screen_Seite) == offensiv_eigen;
            int32_t x = 0, y = 0;
            if (offensiv)
                Feld_Koordinaten_Lesen(Screen_Record, int32_t(g->benutzer[1]), nullptr, nullptr, nullptr, nullptr, nullptr,
                                       nullptr, &x, &y, nullptr, nullptr);
            else
                Feld_Koordinaten_Lesen(Screen_Record, int32_t(g->benutzer[1]), nullptr, nullptr, nullptr, nullptr, &x, &y,
                                       nullptr, nullptr, nullptr, nullptr);
            setzen(g, x, y);
        });
}

void alle_in_mitte()
{
    for (int32_t s = 0; s < 2; ++s) platzierte(s, in_mitte);
}

// Heads mode: heads are wider than the shirts, and heads centred on neighbouring areas cover each
// other; each steps beside the head it would cover, this PC's side first, the other club's only
// while it is shown.
void koepfe_ordnen()
{
    if (!an(AG_PORTRAIT)) return;
    Btnscreen_Gadget* icons[22];
    Kopf_Platz koepfe[22];
    int32_t n = 0, w = 0, h = 0;
    const int32_t eigene = Screen_Seite == 1 ? 1 : 0;
    for (int32_t s : {eigene, 1 - eigene}) {
        if (s != eigene && !an(AG_GEGNER)) continue;
        platzierte(s, [&](Btnscreen_Gadget* g) {
            icons[n] = g;
            koepfe[n++] = {g->x, g->y, int8_t(s == eigene ? 3 : 2)};
            w = std::max(w, g->w);
            h = std::max(h, g->h);
        });
    }
    const Btnscreen_Gadget* f = G(AG_FELD);
    Koepfe_Auseinander(koepfe, n, w, h, f->x + FELD_X, f->x + FELD_X + FELD_B, 4);
    for (int32_t i = 0; i < n; ++i) icons[i]->x = koepfe[i].x;
}

// The icons to the places the pitch's buttons ask for: offensive, defensive or the areas' centres.
void grundplaetze()
{
    if (an(AG_OFFENSIV)) positionen(true);
    else if (an(AG_DEFENSIV)) positionen(false);
    else alle_in_mitte();
    koepfe_ordnen();
}

void kopie(Rastport* quelle, Rastport* ziel, int32_t x, int32_t y, int32_t modus)
{
    if (!quelle || !ziel) return;
    const int32_t w = int32_t(quelle->width), h = int32_t(quelle->height);
    if (modus & 4) Grafik_Blit(quelle, 0, 0, w, h, ziel, x, y);
    else if (modus & 8) Grafik_Blit_Ueberblenden_Maske(quelle, 0, 0, w, h, ziel, x, y, 80, nullptr, 0, 0);
    else Grafik_Blit_Transparent(quelle, 0, 0, w, h, ziel, x, y);
}

}  // namespace

bool Spieler_Ist_Auf_Feld(const Spielfeld_Record* r, int32_t slot)
{
    if (!r || !slot_ok(slot)) return false;
    const uint32_t z = r->spieler[slot].zustand;
    return (z & SPIELFELD_AUF_DEM_PLATZ) && r->objekt[slot].aktiv &&
           !(z & (WEITERER_ZUSTAND | SPIELFELD_GELB_ROT | SPIELFELD_ROT));
}

bool Spieler_Ist_Aufgestellt(const Spielfeld_Record* r, int32_t slot)
{
    if (!r || !slot_ok(slot)) return false;
    const uint32_t z = r->spieler[slot].zustand;
    return (z & SPIELFELD_AUF_DEM_PLATZ) &&
           (r->objekt[slot].aktiv || (z & (WEITERER_ZUSTAND | SPIELFELD_GELB_ROT | SPIELFELD_ROT)));
}

bool Spieler_Ist_Torwart(const Spielfeld_Record* r, int32_t slot)
{
    if (!r || !slot_ok(slot)) return false;
    const int32_t spnr = r->spieler[slot].spnr;
    return spnr >= 0 && spnr < Spieler_Anzahl &&
           Teamspieler_Wert(TEAMSPIELER_POSITION_FELD, int32_t(r->team[slot / 16]), spnr, 0, 0) == POSITION_TORWART;
}

void Feld_Koordinaten_Lesen(const Spielfeld_Record* r, int32_t slot, int32_t* links, int32_t* oben, int32_t* breite,
                            int32_t* hoehe, int32_t* def_x, int32_t* def_y, int32_t* off_x, int32_t* off_y,
                            int32_t* mitte_x, int32_t* mitte_y)
{
    int32_t t[8] = {};
    if (r && slot_ok(slot)) std::copy(r->spieler[slot].taktik_punkte, r->spieler[slot].taktik_punkte + 8, t);
    if (t[0] > t[1]) std::swap(t[0], t[1]);
    if (t[2] > t[3]) std::swap(t[2], t[3]);
    const Btnscreen_Gadget* f = G(AG_FELD);
    const int32_t x0 = f->x + FELD_X, y0 = f->y + FELD_Y;
    const int32_t l = x0 + px(t[0]), o = y0 + py(t[2]), re = x0 + px(t[1]), u = y0 + py(t[3]);
    if (links) *links = l;
    if (oben) *oben = o;
    if (breite) *breite = re - l;
    if (hoehe) *hoehe = u - o;
    if (def_x) *def_x = x0 + px(t[4]);
    if (off_x) *off_x = x0 + px(t[5]);
    if (def_y) *def_y = y0 + py(t[6]);
    if (off_y) *off_y = y0 + py(t[7]);
    if (mitte_x) *mitte_x = (l + re) / 2;
    if (mitte_y) *mitte_y = (o + u) / 2;
}

int32_t Feld_Raum_Gewicht(int32_t spnr, int32_t breite, int32_t hoehe)
{
    const int64_t a = std::min<int64_t>(std::llabs(int64_t(breite) * hoehe), RAUM_MAX);
    const int32_t q = std::max<int32_t>(15, int32_t(100 - a * 100 / RAUM_MAX));
    const int32_t k = spnr >= 0 && spnr < Spieler_Anzahl ? Spieler_Wert(SP_K_I_T_FORM, spnr, 0, 0) : 0;
    return (q * 90 / 100) * (k * 70 / 1000 + 30) / 100;
}

void Feld_Raum_Aufhellen(Rastport* karte, int32_t x, int32_t y, int32_t w, int32_t h, int32_t wert)
{
    if (!karte || !karte->pixels || karte->packed || karte->depth < 15) return;
    if (x < 0) w += x, x = 0;
    if (y < 0) h += y, y = 0;
    w = std::min(w, int32_t(karte->width) - x);
    h = std::min(h, int32_t(karte->height) - y);
    if (w <= 0 || h <= 0) return;
    for (int32_t j = y; j < y + h; ++j) {
        auto* zeile = static_cast<int16_t*>(karte->pixels) + int64_t(j) * karte->width;
        for (int32_t i = x; i < x + w; ++i) zeile[i] = int16_t(zeile[i] + wert);
    }
}

Rastport* Feld_Spieler_Bild(int32_t spnr, int32_t team, bool portrait, uint32_t stil, int32_t tiefe)
{
    Rastport* ikone = G(AG_HEIM_ICON)->bitmap1;
    const int32_t w = ikone ? int32_t(ikone->width) : G(AG_HEIM_ICON)->w, h = ikone ? int32_t(ikone->height) : G(AG_HEIM_ICON)->h;
    Rastport* b = w > 0 && h > 0 ? Grafik_Bitmap_Anlegen(w, h, tiefe) : nullptr;
    if (!b) return nullptr;
    Grafik_Rechteck_Fuellen(b, 0, 0, w, h, 0);
    if (!portrait) Grafik_Spielerfigur_Erzeugen(b, spnr, team, stil, 0);
    else if (spnr >= 0 && spnr < Spieler_Anzahl)
        Spieler_Gesicht_Bauen_Skaliert(b, 0, 0, spnr, uint32_t(Spieler_Wert(SP_GESICHT, spnr, 0, 0)),
                                       static_cast<const uint8_t*>(Team_Zeiger(TEAM_FARBEN, team, nullptr, 0)), w, h);
    return b;
}

void Feld_Spieler_Zeichnen(Btnscreen_Gadget* g, int32_t x, int32_t y, int32_t modus)
{
    const Spielfeld_Record* r = Screen_Record;
    if (!g || !g->bitmap1 || !r) return;
    const int32_t slot = int32_t(g->benutzer[1]);
    if (!slot_ok(slot)) return;
    const int32_t spnr = r->spieler[slot].spnr, team = int32_t(r->team[slot / 16]);
    const bool portrait = an(AG_PORTRAIT);
    const bool deckt = !portrait && (modus & 16) && Manndeckung_Suchen(r, slot) >= 0;
    Rastport* arbeit = Feld_Spieler_Bild(spnr, team, portrait, deckt ? FIGUR_STIL_C | FIGUR_OHNE_NUMMER : FIGUR_STIL_A | FIGUR_OHNE_NUMMER,
                                         g->bitmap1->depth);
    if (!arbeit) return;
    const int32_t w = int32_t(arbeit->width), h = int32_t(arbeit->height);
    // FELD_KLEIN: a 17-pixel substitute's row takes the figure shrunk to its height, not cut
    // (the shirt made small on its own, as the player list does: the kit colours go in only where
    // the whole picture fits)
    const bool klein = (modus & FELD_KLEIN) && h > g->h && g->h > 0;
    Rastport* klein_bild = klein ? Feld_Spieler_Bild_Klein(arbeit, spnr, team, portrait, std::max(1, w * g->h / h), g->h) : nullptr;
    kopie(klein_bild ? klein_bild : arbeit, g->bitmap1, x, y, modus);
    Grafik_Bitmap_Freigeben(klein_bild);
    Grafik_Bitmap_Freigeben(arbeit);
    if (portrait && !klein) Grafik_Spielerfigur_Sprite_Zeichnen(g->bitmap1, spnr, team, x, y + 24);
    if (!(modus & 1)) return;
    const Spielfeld_Spieler& s = r->spieler[slot];
    const bool marken[6] = {(s.zustand & WEITERER_ZUSTAND) != 0, (s.zustand & SPIELFELD_ROT) != 0,
                            (s.zustand & SPIELFELD_GELB_ROT) != 0, (s.karte & 16) != 0, (s.karte & 8) != 0,
                            Auswechsel_Beteiligt(r, slot)};
    static constexpr int32_t bild[6] = {0, 2, 4, 3, 5, 1};
    for (int32_t i = 0; i < 6; ++i)
        if (marken[i]) kopie(Screen_Markenbilder[bild[i]], g->bitmap1, x + 3, y, 2);
    if (!portrait && !klein) Grafik_Spielerfigur_Sprite_Zeichnen(g->bitmap1, spnr, team, x, y + 13);
}

Rastport* Feld_Spieler_Bild_Klein(Rastport* bild, int32_t spnr, int32_t team, bool portrait, int32_t w, int32_t h)
{
    if (!bild || w <= 0 || h <= 0) return nullptr;
    if (!portrait) return Spieler_Trikot_Klein(spnr, team, w, h);
    Rastport* klein = Grafik_Bitmap_Anlegen(w, h, bild->depth);
    if (klein) {
        Grafik_Rechteck_Fuellen(klein, 0, 0, w, h, 0);
        Grafik_Bild_Verkleinern(bild, klein, w, h);
    }
    return klein;
}

void Feld_Markierung_Zeichnen(Btnscreen_Gadget* g, int32_t art, int32_t bild)
{
    Btnscreen_Gadget* f = G(AG_FELD);
    Rastport* b = bild == 1003 ? g->bitmap2 : g->bitmap1;
    if (!b || !f->bitmap1) return;
    if (art == 1000) Grafik_Blit_Ueberblenden_Maske(b, 0, 0, g->w, g->h, f->bitmap1, g->x - f->x, g->y - f->y, 80, nullptr, 0, 0);
    else Grafik_Blit_Transparent(b, 0, 0, g->w, g->h, f->bitmap1, g->x - f->x, g->y - f->y);
}

void Feld_Aufbauen()
{
    const Spielfeld_Record* r = Screen_Record;
    for (int32_t i = 0; i < 22; ++i) {
        Btnscreen_Gadget* g = G(AG_HEIM_ICON + i);
        g->benutzer[0] = g->benutzer[1] = g->benutzer[2] = 0;
        g->zustand |= BTN_INAKTIV;
    }
    if (!r) return;
    const int32_t eigen = Screen_Eigenes_Team();
    for (int32_t seite : {1, 0}) {
        int32_t n = 0;
        const bool eigene = int32_t(r->team[seite]) == eigen;
        for (int32_t slot = 16 * seite; slot < 16 * seite + 16 && n < 11; ++slot) {
            if (!Spieler_Ist_Auf_Feld(r, slot)) continue;
            Btnscreen_Gadget* g = G((seite ? AG_GAST_ICON : AG_HEIM_ICON) + n++);
            g->benutzer[0] = uint32_t(r->spieler[slot].spnr);
            g->benutzer[1] = uint32_t(slot);
            g->benutzer[2] = TYP_ICON;
            if (eigene) g->flag_b |= BTN_B_ZIEHBAR;
            else g->flag_b &= ~BTN_B_ZIEHBAR;
            g->zeiger = eigene ? ZEIGER_ZIEHEN : 0;
            g->zustand &= ~BTN_INAKTIV;
        }
    }
    grundplaetze();
    for (int32_t s = 0; s < 2; ++s) platzierte(s, [](Btnscreen_Gadget* g) { Feld_Spieler_Zeichnen(g, 0, 0, 21); });
    if (!an(AG_GEGNER))
        for (int32_t i = 0; i < 11; ++i) G((Screen_Seite ? AG_HEIM_ICON : AG_GAST_ICON) + i)->zustand |= BTN_INAKTIV;
    for (int32_t i = 0; i < 22; ++i) G(AG_HEIM_ICON + i)->prioritaet = (i / 11) == Screen_Seite ? 3 : 2;
}

namespace {
// Where the pitch's lower name ends: left of the right area-view button in its corner, which
// would otherwise lie over its last letters.
int32_t namen_rechts() { return G(AG_RAUM_RECHTS)->x - G(AG_FELD)->x - 3; }
}  // namespace

void Update_Feld_Mit(Btnscreen_Gadget* icon)
{
    const Spielfeld_Record* r = Screen_Record;
    Btnscreen_Gadget* f = G(AG_FELD);
    Rastport* b = f->bitmap1;
    if (!r) return;
    if (b && f->bitmap2) Grafik_Blit(f->bitmap2, 0, 0, f->w, f->h, b, 0, 0);
    // Names: top-left the side playing from the left, bottom-right the other.
    const int32_t links = r->seiten_getauscht ? 1 : 0;
    const int32_t gruen = Grafik_Farbe(4, 13, 4);
    const char* zusatz[2] = {"", ""};
    if (an(AG_OFFENSIV) || an(AG_DEFENSIV)) {
        const bool off = an(AG_OFFENSIV);
        zusatz[Screen_Seite == 1] = off ? "(offensiv)" : "(defensiv)";
        zusatz[Screen_Seite != 1] = off ? "(defensiv)" : "(offensiv)";
    }
    if (b) {
        const int32_t h = f->h, rechts = namen_rechts();
        const char* n0 = Team_String(TEAM_NAME_ROH, int32_t(r->team[links]), nullptr, 0);
        const char* n1 = Team_String(TEAM_NAME_ROH, int32_t(r->team[1 - links]), nullptr, 0);
        Grafik_Printf(b, Font(9), "^c%05d%s", 6, 20, gruen, n0 ? n0 : "");
        Grafik_Printf(b, Font(9), "^c%05d^tr%04d%s", 0, h - 10, gruen, rechts, n1 ? n1 : "");
        Grafik_Printf(b, Font(9), "^c%05d%s", 6, 28, gruen, zusatz[links]);
        Grafik_Printf(b, Font(9), "^c%05d^tr%04d%s", 0, h - 18, gruen, rechts, zusatz[1 - links]);
    }
    // Areas: the manager's side lightens the pitch, the other darkens it.
    if (b && (an(AG_RAUM_LINKS) || an(AG_RAUM_RECHTS))) {
        Rastport* karte = Grafik_Bitmap_Anlegen(int32_t(b->width), int32_t(b->height), 16);
        bool etwas = false;
        if (karte) {
            Grafik_Rechteck_Fuellen(karte, 0, 0, int32_t(b->width), int32_t(b->height), 0);
            for (int32_t s = 0; s < 2; ++s) {
                if (!an(s ? AG_RAUM_RECHTS : AG_RAUM_LINKS)) continue;
                platzierte(s, [&](Btnscreen_Gadget* g) {
                    int32_t l = 0, o = 0, w = 0, h = 0;
                    Feld_Koordinaten_Lesen(r, int32_t(g->benutzer[1]), &l, &o, &w, &h, nullptr, nullptr, nullptr, nullptr,
                                           nullptr, nullptr);
                    const int32_t gewicht = Feld_Raum_Gewicht(int32_t(g->benutzer[0]), w, h);
                    Feld_Raum_Aufhellen(karte, l - f->x, o - f->y, w, h, s == Screen_Seite ? gewicht : -gewicht);
                    etwas = true;
                });
            }
            if (etwas) Grafik_Kanal_Effekt(b, karte);
            Grafik_Bitmap_Freigeben(karte);
        }
    }
    if (icon && icon->benutzer[2] == TYP_ICON) Screen_Hover_Icon = icon;
    if (const int32_t pos = Feld_Lieblings_Pos(r, Screen_Hover_Icon); pos >= 0 && b) {
        Grafik_Rechteck_Fuellen(b, (pos >> 16) - 10, (pos & 0xFFFF) - 10, 20, 20, Grafik_Farbe(8, 8, 2));
    }
    if (an(AG_GEGNER))
        platzierte(1 - Screen_Seite, [](Btnscreen_Gadget* g) { Feld_Markierung_Zeichnen(g, 1000, 1002); });
    platzierte(Screen_Seite, [](Btnscreen_Gadget* g) { Feld_Markierung_Zeichnen(g, 1001, 1002); });
    for (int32_t i = 0; i < 6; ++i) G(AG_GRIFF + i)->zustand |= BTN_INAKTIV;
    for (int32_t n : {AG_RAUM_RECHTS, AG_RAUM_LINKS, AG_OFFENSIV, AG_DEFENSIV, AG_PORTRAIT, AG_GEGNER}) {
        Btnscreen_Gadget* k = G(n);
        Rastport* kb = an(n) && k->bitmap2 ? k->bitmap2 : k->bitmap1;
        if (kb && b) Grafik_Blit_Transparent(kb, 0, 0, k->w, k->h, b, k->x - f->x, k->y - f->y);
    }
    Rastport* s = schirm();
    if (b && s) Grafik_Blit(b, 0, 0, f->w, f->h, s, f->x, f->y);
}

void Update_Feld() { Update_Feld_Mit(nullptr); }

int32_t Feld_Lieblings_Pos(const Spielfeld_Record* r, const Btnscreen_Gadget* icon)
{
    if (!r || !icon) return -1;
    const int32_t spnr = int32_t(icon->benutzer[0]), slot = int32_t(icon->benutzer[1]);
    if (spnr < 0 || spnr >= Spieler_Anzahl || !slot_ok(slot)) return -1;
    const int32_t p = Spieler_Wert(SP_LIEBLINGSPOS, spnr, 0, 0);
    if (p == POSITION_TORWART || p < 0 || p >= 27 * 17) return -1;
    int32_t reihe = p / 17, spalte = p % 17;
    if ((slot < 16) == (r->seiten_getauscht == 0)) {
        reihe = 26 - reihe;
        spalte = 16 - spalte;
    }
    const int32_t x = 1 + reihe * FELD_B * 100 / 26 / 106, y = 10 + spalte * FELD_H * 100 / 16 / 100;
    return (x << 16) | y;
}

void Draw_Feld(Btnscreen_Gadget* g)
{
    for (int32_t i = 0; i < 6; ++i) G(AG_GRIFF + i)->zustand |= BTN_INAKTIV;
    const Spielfeld_Record* r = Screen_Record;
    if (g && g->bitmap1 && r) {
        const int32_t gruen = Grafik_Farbe(4, 13, 4);
        const char* n0 = Team_String(TEAM_NAME_ROH, int32_t(r->team[0]), nullptr, 0);
        const char* n1 = Team_String(TEAM_NAME_ROH, int32_t(r->team[1]), nullptr, 0);
        Grafik_Printf(g->bitmap1, Font(9), "^c%05d%s", 6, 20, gruen, n0 ? n0 : "");
        Grafik_Printf(g->bitmap1, Font(9), "^c%05d^tr%04d%s", 0, g->h - 20, gruen, namen_rechts(), n1 ? n1 : "");
    }
    Feld_Aufbauen();
}

void LB_Feld_Func(Btnscreen_Gadget*)
{
    Screen_Hover_Icon = nullptr;
    if (Screen_Edit_Icon) {
        Screen_Edit_Icon = nullptr;
        for (int32_t i = 0; i < 6; ++i) G(AG_GRIFF + i)->zustand |= BTN_INAKTIV;
    }
    Update_Feld();
}

void Start_Lieblings_Pos(Btnscreen_Gadget* g)
{
    if (Screen_Page != PAGE_AUFSTELLUNG || !g) return;
    Screen_Hover_Icon = g;
    g->verbunden = nullptr;
    for (int32_t i = 0; i < 11; ++i)
        if (G(AG_LISTE + i)->benutzer[2] == TYP_ZEILE && G(AG_LISTE + i)->benutzer[1] == g->benutzer[1]) {
            g->verbunden = G(AG_LISTE + i);
            break;
        }
    Update_Liste();
    Update_Feld();
}

void Stop_Lieblings_Pos(Btnscreen_Gadget*)
{
    if (Screen_Page != PAGE_AUFSTELLUNG) return;
    Screen_Hover_Icon = nullptr;
    Update_Liste();
    Update_Feld();
}

void Raum_Links_LB(Btnscreen_Gadget* g)
{
    g->benutzer[0] ^= 1u;
    Update_Feld();
}
void Raum_Rechts_LB(Btnscreen_Gadget* g) { Raum_Links_LB(g); }

void Offensiv_LB(Btnscreen_Gadget* g)
{
    G(g == G(AG_OFFENSIV) ? AG_DEFENSIV : AG_OFFENSIV)->benutzer[0] &= ~1u;
    g->benutzer[0] ^= 1u;
    grundplaetze();
    Update_Feld();
}
void Defensiv_LB(Btnscreen_Gadget* g) { Offensiv_LB(g); }

void Portrait_LB(Btnscreen_Gadget* g)
{
    g->benutzer[0] ^= 1u;
    grundplaetze();
    for (int32_t s = 0; s < 2; ++s) platzierte(s, [](Btnscreen_Gadget* i) { Feld_Spieler_Zeichnen(i, 0, 0, 21); });
    Auswechsel_Zeichnen();
    Update_Feld();
}

void Gegner_Trikots_LB(Btnscreen_Gadget* g)
{
    g->benutzer[0] ^= 1u;
    for (int32_t s = 0; s < 2; ++s)
        platzierte(s, [&](Btnscreen_Gadget* i) {
            if ((g->benutzer[0] & 1) || s == Screen_Seite) i->zustand &= ~BTN_INAKTIV;
            else i->zustand |= BTN_INAKTIV;
        });
    grundplaetze();
    Update_Feld();
}

// Editing an area by hand never starts (nothing sets the edited icon), so a drag on the pitch
// changes nothing.
void Feld_Drag_Start(Btnscreen_Gadget*) { Print_Log(0, "Drag Start\n"); }
void Feld_Drag_Serve(Btnscreen_Gadget*, int32_t, int32_t) {}
void Feld_Drag_Stop(Btnscreen_Gadget*) {}
