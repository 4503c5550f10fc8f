#include <algorithm>

#include "database/spieler.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_spielerfigur.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "match/spielfeld.h"
#include "matchview/lineup/anweisungen.h"
#include "matchview/lineup/aufstellung.h"
#include "matchview/lineup/motivation.h"
#include "matchview/lineup/screen.h"
#include "matchview/lineup/spieldaten.h"
#include "matchview/live/spielszenen_live.h"
#include "platform/maus.h"
#include "platform/timer.h"
#include "toolkit/btnscreen.h"

int32_t Screen_Daten_Liste_Hoehe = 0;
int32_t Screen_Scroll_Versatz = 0;

namespace {

constexpr int32_t SICHTBAR = 100, STREIFEN = 17;

struct {
    int32_t greif = 0, gezeichnet = 0;
    float weg = 0;
} rollen;

Btnscreen_Gadget* G(int32_t n) { return &Aufstellung_Liste[n]; }
Rastport* schirm() { return Grafik_Seite_0 ? Grafik_Seite_0 : Grafik_Render_Ziel; }

void aktiv(int32_t erstes, int32_t n, bool an)
{
    for (int32_t i = 0; i < n; ++i) {
        Btnscreen_Gadget* g = G(erstes + i);
        if (an) g->zustand &= ~BTN_INAKTIV;
        else g->zustand |= BTN_INAKTIV;
    }
}

void icons_aktiv()
{
    for (int32_t i = 0; i < 22; ++i)
        if (G(AG_HEIM_ICON + i)->benutzer[2] == TYP_ICON) aktiv(AG_HEIM_ICON + i, 1, true);
}

bool rollbar() { return Screen_Daten_Liste_Hoehe > SICHTBAR; }

int32_t knopf_grenzen(int32_t y)
{
    const Btnscreen_Gadget* s = G(AG_SCHIENE);
    const Btnscreen_Gadget* k = G(AG_KNOPF);
    return std::clamp(y, s->y, std::max(s->y, s->y + s->h - k->h));
}

// Saves what lies under the knob at y and draws it there.
void knopf_setzen(int32_t y)
{
    Btnscreen_Gadget* k = G(AG_KNOPF);
    Rastport* s = schirm();
    k->y = y;
    if (s && k->bitmap2) Grafik_Blit(s, k->x, y, k->w, k->h, k->bitmap2, 0, 0);
    if (s && k->bitmap1) Grafik_Blit_Transparent(k->bitmap1, 0, 0, k->w, k->h, s, k->x, y);
    rollen.gezeichnet = y;
}

// The match-data boxes from their clean copies, with the list from the knob's place.
void daten_zeichnen(bool oben)
{
    Btnscreen_Gadget *o = G(AG_DATEN_OBEN), *u = G(AG_DATEN_UNTEN), *s = G(AG_SCHIENE), *k = G(AG_KNOPF);
    for (Btnscreen_Gadget* b : {o, u})
        if (b->bitmap1 && b->bitmap2 && (oben || b == u)) Grafik_Blit(b->bitmap2, 0, 0, b->w, b->h, b->bitmap1, 0, 0);
    Spieldaten_Ziel z;
    z.oben = oben ? o->bitmap1 : nullptr;
    z.unten = u->bitmap1;
    z.knopf_y = k->y;
    z.schiene_y = s->y;
    z.schiene_hoehe = s->h;
    z.knopf_hoehe = k->h;
    if (Screen_Record) {
        Spieldaten_Zeichnen(Screen_Record, z);
        Screen_Daten_Liste_Hoehe = z.liste_hoehe;
    }
    z.rollbalken = rollbar();
    Screen_Scroll_Versatz = z.rollbalken ? Spieldaten_Listen_Versatz(k->y, s->y, s->h, k->h, Screen_Daten_Liste_Hoehe, SICHTBAR) : 0;
    Rastport* sch = schirm();
    if (!sch) return;
    if (oben && o->bitmap1) Grafik_Blit(o->bitmap1, 0, 0, o->w, o->h, sch, o->x, o->y);
    if (u->bitmap1) Grafik_Blit(u->bitmap1, 0, 0, u->w - (z.rollbalken ? STREIFEN : 0), u->h, sch, u->x, u->y);
}

// A page's frame from its clean copy with the page drawn into it, and its usable buttons.
Rastport* rahmen_auf(int32_t n)
{
    Btnscreen_Gadget* f = G(n);
    if (f->bitmap1 && f->bitmap2) Grafik_Blit(f->bitmap2, 0, 0, f->w, f->h, f->bitmap1, 0, 0);
    return f->bitmap1;
}

void rahmen_zeigen(int32_t n, int32_t erster, int32_t anzahl)
{
    Screen_Gadget_Zeigen(G(n), G(n)->bitmap1);
    for (int32_t i = 0; i < anzahl; ++i) {
        Btnscreen_Gadget* k = G(erster + i);
        if (!(k->zustand & BTN_INAKTIV)) Screen_Gadget_Zeigen(k, (k->benutzer[0] & 1) && k->bitmap2 ? k->bitmap2 : k->bitmap1);
    }
}

// The selected player's picture laid into a page bitmap at (x, y): his portrait or his kit figure,
// shrunk to w x h where given.
void spielerbild(Rastport* seite, int32_t x, int32_t y, bool portrait, int32_t w = 0, int32_t h = 0)
{
    const Spielfeld_Record* r = Screen_Record;
    const int32_t slot = Screen_Auswahl_Slot;
    if (!seite || !r || slot < 0 || slot >= SPIELFELD_SLOTS) return;
    const int32_t spnr = r->spieler[slot].spnr, team = int32_t(r->team[slot / 16]);
    if (spnr < 0 || spnr >= Spieler_Anzahl) return;
    Rastport* b = Feld_Spieler_Bild(spnr, team, portrait, FIGUR_STIL_A, seite->depth);
    if (b && w > 0 && h > 0) {
        Rastport* klein = Feld_Spieler_Bild_Klein(b, spnr, team, portrait, w, h);
        Grafik_Bitmap_Freigeben(b);
        b = klein;
    }
    if (b) Grafik_Blit_Transparent(b, 0, 0, int32_t(b->width), int32_t(b->height), seite, x, y);
    Grafik_Bitmap_Freigeben(b);
}

}  // namespace

void Screen_Anweisungen_Seite()
{
    if (!Screen_Record) return;
    Rastport* seite = rahmen_auf(AG_ANWEISUNG_RAHMEN);
    // the handles of the area's two positions mark them on the small pitch
    Draw_Anweisungen_Seite(seite, Screen_Record, Screen_Auswahl_Slot, Screen_Eigene_Seite(),
                           (G(AG_GILT_FUER)->benutzer[0] & 1) != 0, Screen_Anweisung_Bilder, G(AG_GRIFF + 4)->bitmap1,
                           G(AG_GRIFF + 5)->bitmap1);
    // the chosen player: portrait over kit figure right of the small pitch, his name below it
    spielerbild(seite, ANWEISUNG_BILD_X, ANWEISUNG_BILD_Y, true, ANWEISUNG_BILD_B, ANWEISUNG_BILD_H);
    spielerbild(seite, ANWEISUNG_BILD_X, ANWEISUNG_BILD_Y + ANWEISUNG_BILD_H + 4, false, ANWEISUNG_BILD_B, ANWEISUNG_BILD_H);
    const int32_t slot = Screen_Auswahl_Slot;
    const int32_t spnr = slot >= 0 && slot < SPIELFELD_SLOTS ? Screen_Record->spieler[slot].spnr : -1;
    if (seite && spnr >= 0 && spnr < Spieler_Anzahl) {
        char name[48];
        Spielszenen_Text_Kuerzen(name, sizeof name, Spieler_String(SP_NAME, spnr, nullptr, 0), ANWEISUNG_NAME_FONT,
                                 G(AG_ANWEISUNG_RAHMEN)->w - ANWEISUNG_NAME_X - 4);
        Grafik_Printf(seite, Font(ANWEISUNG_NAME_FONT), "^c%05d^tl%04d%s", 0, ANWEISUNG_NAME_Y, int(Grafik_Farbe(15, 15, 15)),
                      ANWEISUNG_NAME_X, name);
    }
    // a goalkeeper has three instructions: the last two buttons would stand empty and do nothing
    if (Screen_Page == PAGE_STATISTIK && Screen_Eigene_Seite())
        aktiv(AG_ANWEISUNG + 3, 2, !Anweisung_Ist_Torwart(Screen_Record, slot));
    rahmen_zeigen(AG_ANWEISUNG_RAHMEN, AG_ANWEISUNG, 5);
    if (Screen_Eigene_Seite()) Screen_Gadget_Zeigen(G(AG_GILT_FUER), (G(AG_GILT_FUER)->benutzer[0] & 1) ? G(AG_GILT_FUER)->bitmap2 : G(AG_GILT_FUER)->bitmap1);
}

// The response curve's box at (363, 285): the curve with its shadow over the page picture's
// own background, and, while the own side's curve grows, the scan bar sweeping across it;
// redrawn at most every 20 ms. The bar's pass over the middle asks the sequence for the next
// point.
namespace {
struct {
    Rastport *kurve = nullptr, *kasten = nullptr;
    uint32_t zuletzt = 0;
    int32_t pos = 0;
} kurven_kasten;
}  // namespace

void Screen_Motivation_Kurve_Freigeben()
{
    kurven_kasten.kurve = Grafik_Bitmap_Freigeben(kurven_kasten.kurve);
    kurven_kasten.kasten = Grafik_Bitmap_Freigeben(kurven_kasten.kasten);
}

void Screen_Motivation_Kurve(const Spielfeld_Record* r)
{
    Rastport*& kurve = kurven_kasten.kurve;
    Rastport*& kasten = kurven_kasten.kasten;
    uint32_t& zuletzt = kurven_kasten.zuletzt;
    int32_t& pos = kurven_kasten.pos;
    Rastport* s = schirm();
    Btnscreen_Gadget* rahmen = G(AG_KABINE_RAHMEN);
    if (!r || !s || !rahmen->bitmap1) return;
    const uint32_t jetzt = Timer_Get_Time();
    if (jetzt - zuletzt < 20) return;
    if (!kurve || !kasten || kurve->depth != s->depth) {
        Screen_Motivation_Kurve_Freigeben();
        kurve = Grafik_Bitmap_Anlegen(MOTIVATION_KURVE_BREITE, MOTIVATION_KURVE_HOEHE, s->depth);
        kasten = Grafik_Bitmap_Anlegen(158, 147, s->depth);
        if (!kurve || !kasten) return;
    }
    Grafik_Rechteck_Fuellen(kurve, 0, 0, MOTIVATION_KURVE_BREITE, MOTIVATION_KURVE_HOEHE, 0);
    const bool fertig = Motivation_Kurve_Zeichnen(kurve, r, Screen_Seite);
    Motivation_Kurve_Fertig = fertig ? 1 : 0;
    Grafik_Blit(rahmen->bitmap1, 250, 14, 158, 147, kasten, 0, 0);
    Grafik_Blit_Einfarbig(kurve, 0, 0, MOTIVATION_KURVE_BREITE, MOTIVATION_KURVE_HOEHE, kasten, 12, 10, 1);
    Grafik_Blit_Transparent(kurve, 0, 0, MOTIVATION_KURVE_BREITE, MOTIVATION_KURVE_HOEHE, kasten, 10, 8);
    if (!fertig && Screen_Eigene_Seite()) {
        // Five bluish shades across the bar's six columns, brightest in columns 2 and 3.
        static constexpr uint8_t HELL[6] = {4, 8, 14, 14, 10, 6};
        for (int32_t x = 0; x < 6; ++x)
            Grafik_Rechteck_Fuellen(kasten, pos + 10 + x, 7, 1, MOTIVATION_KURVE_HOEHE,
                                    Grafik_Farbe(HELL[x] / 3, HELL[x] / 2, HELL[x]));
        if (Motivation_Scan_Schritt(&pos)) Motivation_Naechster_Punkt = 1;
    }
    Grafik_Blit(kasten, 0, 0, 158, 147, s, 363, 285);
    zuletzt = jetzt;
}

void Screen_Motivation_Seite()
{
    if (!Screen_Record) return;
    const bool vor = Screen_Phase_Vor_Spiel != 0;
    const int32_t rahmen = vor ? AG_VORGABE_RAHMEN : AG_KABINE_RAHMEN;
    if (vor)
        for (int32_t i = 0; i < 5; ++i)
            G(AG_VORGABE + i)->benutzer[0] = Motivation_Gewaehlter_Knopf(Screen_Record, Screen_Seite) == i ? 1u : 0u;
    Rastport* seite = rahmen_auf(rahmen);
    Draw_Motivation_Seite(seite, Screen_Record, Screen_Seite, Screen_Eigene_Seite(), vor);
    // at half-time the player to praise or blame stands beside the two lines, his feet inside
    // the page (the pitch icon is taller than the room below y 174)
    if (!vor && Screen_Eigene_Seite()) spielerbild(seite, 389, std::min(174, G(rahmen)->h - G(AG_HEIM_ICON)->h), false);
    if (vor) rahmen_zeigen(rahmen, AG_VORGABE, 5);
    else rahmen_zeigen(rahmen, AG_KABINE, 12);
}

void Anweisung_LB(Btnscreen_Gadget* g)
{
    if (!g || !Screen_Record || !Screen_Eigene_Seite()) return;
    Anweisung_Schritt(Screen_Record, Screen_Auswahl_Slot, int32_t(g - G(AG_ANWEISUNG)), true);
    Screen_Anweisungen_Seite();
}

void Anweisung_RB(Btnscreen_Gadget* g)
{
    if (!g || !Screen_Record || !Screen_Eigene_Seite()) return;
    Anweisung_Schritt(Screen_Record, Screen_Auswahl_Slot, int32_t(g - G(AG_ANWEISUNG)), false);
    Screen_Anweisungen_Seite();
}

void Gilt_Fuer_LB(Btnscreen_Gadget* g)
{
    if (!g || !Screen_Eigene_Seite()) return;
    g->benutzer[0] ^= 1u;
    Screen_Anweisungen_Seite();
}

void Kabine_LB(Btnscreen_Gadget* g)
{
    if (!g || !Screen_Record || !Screen_Eigene_Seite()) return;
    const int32_t n = int32_t(g - G(AG_KABINE));
    if (n < 10) Motivation_Spruch(Screen_Record, Screen_Seite, n);
    else Motivation_Lob(Screen_Record, Screen_Auswahl_Slot, g == G(AG_LOB));
    Screen_Motivation_Seite();
}

void Team_Motivation_vs_LB(Btnscreen_Gadget* g)
{
    if (!g || !Screen_Record || !Screen_Eigene_Seite()) return;
    Motivation_Vorgabe(Screen_Record, Screen_Seite, int32_t(g - G(AG_VORGABE)));
    Screen_Motivation_Seite();
}

void Screen_Daten_Seite()
{
    // The two boxes leave a gap between them where the player list of another page stood: the
    // screen's background comes back there first.
    const Btnscreen_Gadget *hg = G(AG_HINTERGRUND), *liste = G(AG_LISTE_TAFEL);
    if (Rastport* sch = schirm(); sch && hg->bitmap1)
        Grafik_Blit(hg->bitmap1, liste->x, liste->y, liste->w, liste->h, sch, liste->x, liste->y);
    daten_zeichnen(true);
    if (rollbar()) {
        Btnscreen_Gadget* s = G(AG_SCHIENE);
        Screen_Gadget_Zeigen(s, s->bitmap1);
        knopf_setzen(knopf_grenzen(G(AG_KNOPF)->y));
    }
}

void Screen_Diode_Update()
{
    for (uint32_t i = 0; i < 4; ++i) {
        Btnscreen_Gadget* led = G(AG_DIODE + int32_t(i));
        Screen_Gadget_Zeigen(led, i == Screen_Page && led->bitmap2 ? led->bitmap2 : led->bitmap1);
    }
}

void Screen_Diode_LB(Btnscreen_Gadget* g)
{
    for (int32_t i = 0; i < 4; ++i)
        if (g == G(AG_DIODE + i)) Screen_Page = uint32_t(i);
    Screen_Diode_Update();
    aktiv(AG_HEIM_ICON, 22, false);
    aktiv(AG_RAUM_LINKS, 6, false);
    aktiv(AG_FELD, 7, false);
    aktiv(AG_KNOPF, 1, false);
    aktiv(AG_LISTE, 11, false);
    aktiv(AG_ANWEISUNG, 5, false);
    aktiv(AG_KABINE, 12, false);
    aktiv(AG_VORGABE, 5, false);
    const bool eigen = Screen_Eigene_Seite();
    switch (Screen_Page) {
    case PAGE_DATEN:
        icons_aktiv();
        aktiv(AG_RAUM_LINKS, 6, true);
        aktiv(AG_FELD, 7, true);
        aktiv(AG_KNOPF, 1, true);
        Feld_Aufbauen();
        Auswechsel_Zeichnen();
        Update_Feld();
        Screen_Daten_Seite();
        break;
    case PAGE_AUFSTELLUNG:
        icons_aktiv();
        aktiv(AG_RAUM_LINKS, 6, true);
        aktiv(AG_FELD, 7, true);
        aktiv(AG_LISTE, 11, true);
        Feld_Aufbauen();
        Auswechsel_Zeichnen();
        Update_Liste();
        Update_Liste_Variabel();
        Update_Feld();
        break;
    case PAGE_STATISTIK:
        aktiv(AG_ANWEISUNG, 5, eigen);
        aktiv(AG_LISTE, 11, true);
        Auswechsel_Zeichnen();
        Update_Liste();
        Update_Liste_Variabel();
        Screen_Anweisungen_Seite();
        break;
    default:
        aktiv(AG_KABINE, 12, eigen && Screen_Phase_Kabine);
        aktiv(AG_VORGABE, 5, eigen && Screen_Phase_Vor_Spiel);
        aktiv(AG_LISTE, 11, true);
        Update_Liste();
        Update_Liste_Variabel();
        Auswechsel_Zeichnen();
        Screen_Motivation_Seite();
        break;
    }
}

void Scroll_Start(Btnscreen_Gadget* k)
{
    if (!rollbar() || !k) return;
    Btnscreen_Gadget* s = G(AG_SCHIENE);
    Screen_Gadget_Zeigen(s, s->bitmap1);
    const int32_t maus = Maus_Get_Y();
    rollen.greif = maus - k->y;
    rollen.weg = float(s->h - k->h);
    knopf_setzen(knopf_grenzen(maus - rollen.greif));
}

void Scroll_Serve(Btnscreen_Gadget* k, int32_t, int32_t)
{
    if (!rollbar() || !k) return;
    const int32_t y = knopf_grenzen(Maus_Get_Y() - rollen.greif);
    if (y != rollen.gezeichnet) {
        Rastport* s = schirm();
        if (s && k->bitmap2) Grafik_Blit(k->bitmap2, 0, 0, k->w, k->h, s, k->x, rollen.gezeichnet);
        knopf_setzen(y);
    }
    daten_zeichnen(false);
}

void Scroll_Stop(Btnscreen_Gadget*) {}

void Pause_Schalter_LB(Btnscreen_Gadget* g)
{
    if (!g) return;
    g->benutzer[0] ^= 1u;
    Screen_Gadget_Zeigen(g, (g->benutzer[0] & 1) && g->bitmap2 ? g->bitmap2 : g->bitmap1);
}

void Liste_Slot_Waehlen(int32_t slot)
{
    for (int32_t i = 0; i < 11; ++i) {
        Btnscreen_Gadget* z = G(AG_LISTE + i);
        if (int32_t(z->benutzer[1]) == slot) {
            if (z->links) z->links(z);
            return;
        }
    }
}
