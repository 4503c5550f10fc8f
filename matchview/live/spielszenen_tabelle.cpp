// The league table or the day's results of the shown game's competition over a view window:
// floating with head and foot (dragged, closed, switched between table and results and the
// compact block) or compact in the window's corner. A click on another running game's row
// switches the window to it.
#include <algorithm>
#include <cstdio>

#include "competitions/spiele.h"
#include "competitions/spiele_tabelle.h"
#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_wappen.h"
#include "match/spielfeld.h"
#include "matchview/lineup/aufstellung.h"
#include "matchview/live/spielszenen_live.h"
#include "matchview/spielszenen.h"
#include "platform/maus.h"
#include "platform/resfile.h"

int32_t Spielszenen_Tabelle_X = SPIELSZENEN_TABELLE_START_X, Spielszenen_Tabelle_Y = SPIELSZENEN_PANEL_START_Y;

namespace {

constexpr int32_t WAPPEN_SLOTS = 128, KOPF_H = 36, FUSS_H = 38;
constexpr int32_t RECHTS = 606, UNTEN = 475;
// the compact block's small font; the ticker line's box and a gap above it
constexpr int32_t KLEIN = 11, TICKER_FREI = 18 + 2;
// The floating table's name column: under its head, clear of the 12-pixel crest at 48, and the
// games' column after it.
constexpr int32_t TABELLE_NAME = 62, TABELLE_SPIELE = 166;
// The compact table's name column, clear of a two-digit place ("18.").
constexpr int32_t KOMPAKT_NAME = 18;

struct Panel {
    bool zieht = false;
    int32_t griff_x = 0, griff_y = 0;
    int32_t letzte_minute = -1;
    Rastport* bild[10] = {};  // table, then results: head, foot, close, content, variant (highlighted)
    Rastport* wappen[WAPPEN_SLOTS] = {};
    int32_t wappen_team[WAPPEN_SLOTS];
    int32_t wappen_belegt = 0;
};
Panel p;
constexpr int32_t BILD_ID[10] = {SZ_TABELLE_KOPF,   SZ_TABELLE_FUSS,       SZ_EREIGNIS_SCHLIESSEN, SZ_TABELLE_INHALT,
                                  SZ_TABELLE_ART,    SZ_ERGEBNIS_KOPF,      SZ_ERGEBNIS_FUSS,       SZ_ERGEBNIS_KNOPF,
                                  SZ_ERGEBNIS_KNOPF + 1, SZ_ERGEBNIS_KNOPF + 2};

Rastport* bild(int32_t k)
{
    const int32_t tiefe = Grafik_Render_Ziel ? Grafik_Render_Ziel->depth : 16;
    if (!p.bild[k] && ResFile_Handles[0].handle >= 0)
        p.bild[k] = static_cast<Rastport*>(Load_Resource(ResFile_Handles[0].handle, BILD_ID[k], tiefe, nullptr));
    return p.bild[k];
}

void drucken(Rastport* seite, const char* text, int32_t x, int32_t y, int32_t font = 9)
{
    Spielszenen_Text_Melden(x, y, text);
    if (Font_Record* fo = Font(font); seite && fo) Grafik_Printf(seite, fo, "%s", x, y, text);
}

const char* team_name(int32_t team)
{
    const char* n = team >= 0 && team < Team_Anzahl ? Team_String(TEAM_NAME, team, nullptr, 0) : nullptr;
    return n ? n : "";
}

// The game of the day's record that a click may switch to: active, not closed, not this window's.
Spielfeld_Record* wechsel_ziel(const Spielszenen_Fenster* f, int32_t spiel)
{
    if (spiel <= 0 || spiel == f->spiel) return nullptr;
    Spielfeld_Record* r = Spielszenen_Record_Von(spiel);
    return r && r->aktiv && !r->abgeschlossen ? r : nullptr;
}

// A game played on the pitch whose final whistle has not gone yet (its shoot-out may still be
// under way).
bool laufend(int32_t spiel)
{
    const Spielfeld_Record* r = Spielfeld_Get_Spiel(spiel);
    return r && r->aktiv && r->spielende < 2;
}

int32_t zeilen_farbe(const Spielszenen_Fenster* f, int32_t team, int32_t spiel)
{
    int32_t c = Grafik_Farbe(15, 15, 15);
    if (team == Screen_Eigenes_Team()) c = Grafik_Farbe(10, 10, 16);
    if (spiel > 0 && spiel == f->spiel) c = Grafik_Farbe(14, 14, 0);
    if (spiel > 0) {
        const Spielfeld_Record* r = Spielszenen_Record_Von(spiel);
        if (r && r->abgeschlossen) c = Grafik_Farbe(8, 8, 8);
    }
    return c;
}

enum Aktion { KEINE, SCHLIESSEN, INHALT, ART, WECHSEL };

void ausfuehren(Spielszenen_Fenster* f, Aktion a, int32_t spiel)
{
    switch (a) {
    case SCHLIESSEN:
        Spielszenen_Sound_Spielen(13, 320, 320);
        Spielszenen_Tabelle_Freigeben();
        f->tabelle_offen = 0;
        break;
    case INHALT:
        Spielszenen_Sound_Spielen(13, 320, 320);
        f->tabelle_inhalt ^= 1;
        break;
    case ART:
        Spielszenen_Sound_Spielen(13, 320, 320);
        f->tabelle_kompakt ^= 1;
        break;
    case WECHSEL: {
        Spielszenen_Sound_Spielen(15, 320, 320);
        if (f->eingerichtet && f->record) f->record->anzeige = 0;
        f->eingerichtet = 0;
        f->spiel = spiel;
        f->record = Spielszenen_Record_Von(spiel);
        if (f->record) f->record->anzeige = 1;
        Spielszenen_Zeiger_Form = 5;
        break;
    }
    case KEINE: break;
    }
}

}  // namespace

int32_t Spielszenen_Wappen_Klein_Zeichnen(int32_t team, int32_t x, int32_t y)
{
    int32_t slot = -1;
    for (int32_t i = 0; i < p.wappen_belegt; ++i)
        if (p.wappen_team[i] == team) slot = i;
    if (slot < 0) {
        if (p.wappen_belegt == WAPPEN_SLOTS) {
            for (int32_t i = 0; i < WAPPEN_SLOTS; ++i) p.wappen[i] = Grafik_Bitmap_Freigeben(p.wappen[i]);
            p.wappen_belegt = 0;
        }
        slot = p.wappen_belegt++;
        p.wappen_team[slot] = team;
        const int32_t tiefe = Grafik_Render_Ziel ? Grafik_Render_Ziel->depth : 16;
        if (ResFile_Handles[0].handle >= 0)
            p.wappen[slot] = Grafik_Wappen_Laden(ResFile_Handles[0].handle, nullptr, tiefe, team, 0, 0, 1, 12, 12);
    }
    if (Rastport* w = p.wappen[slot]; w && Grafik_Seite_1) Grafik_Blit_Transparent(w, 0, 0, 12, 12, Grafik_Seite_1, x, y);
    return slot;
}

int32_t Spielszenen_Wappen_Belegt() { return p.wappen_belegt; }

bool Spielszenen_Tabelle_Auffrischen(int32_t minute)
{
    if ((minute % 4 == 0 && minute != p.letzte_minute) || minute > p.letzte_minute + 4) {
        p.letzte_minute = minute;
        return true;
    }
    return false;
}

int32_t Spielszenen_Tabelle_Bei(Rastport* seite, Spielszenen_Fenster* f, const Tabelle_Datensatz* t, const int32_t* tagesspiele,
                                int32_t mx, int32_t my, int32_t tasten)
{
    if (!f || !f->record) return 0;
    // a competition without a table shows its results
    if (!t || t->anzahl <= 0) f->tabelle_inhalt = 1;
    const bool tabelle = f->tabelle_inhalt == 0;
    const int32_t n = tabelle ? t->anzahl : std::clamp(tagesspiele ? tagesspiele[0] : 0, 0, 128);
    const int32_t zeile = !tabelle && n >= 25 && n <= 32 ? 10 : 12;
    const int32_t tab_w = tabelle ? 274 : 350;
    Aktion aktion = KEINE;
    int32_t ziel = -1;
    char text[512];

    if (f->tabelle_kompakt) {
        // the compact block in the window's corner: left click floats it, right click closes
        const int32_t h = (n + 1) * 8 + 4, w = 146;
        // the results end above the ticker line at the window's foot, where the table has its place
        const int32_t kx = f->x + 2;
        const int32_t ky = !tabelle           ? f->y + f->hoehe - TICKER_FREI - h
                           : f->groesse == 0 ? f->y + 470 - h
                                             : f->y + f->hoehe - 2 - h;
        // small text, each name cut to its column so that the columns stay apart
        const int32_t klein = Font(KLEIN) ? KLEIN : 9;
        char a[64], b[64];
        Spielszenen_Kasten_Abdunkeln(f, kx, ky, w, h);
        const Spiele_Spiel* eigen = Spiele_Get_Spiel(f->spiel, 0);
        const int32_t wb = eigen ? int32_t(eigen->wettbewerb) : -1;
        const char* name = wb >= 0 ? Wettbewerb_Get_Anzeigename(wb) : nullptr;
        const char* runde = wb >= 0 && !tabelle ? Wettbewerb_Get_Rundentext(wb, eigen->spieltag) : nullptr;
        std::snprintf(text, sizeof text, runde ? "%s, %s" : "%s", name ? name : "", runde ? runde : "");
        Spielszenen_Text_Kuerzen(a, sizeof a, text, klein, w - 4);
        std::snprintf(text, sizeof text, "^c%05d^tz%04d%s", int(Grafik_Farbe(15, 15, 15)), int(w / 2), a);
        drucken(seite, text, kx, ky + 8, klein);
        for (int32_t k = 0; k < n; ++k) {
            const int32_t by = ky + 8 * (k + 2);
            if (tabelle) {
                const int32_t s = t->platz[k];
                Spielszenen_Text_Kuerzen(a, sizeof a, team_name(t->team[s]), klein, 88 - KOMPAKT_NAME - 4);
                std::snprintf(text, sizeof text, "^c%05d%d.^tl%04d%s^tl%04d%d^tr%04d^fb0004%d:%d^fe",
                              int(zeilen_farbe(f, t->team[s], t->tagesspiel[s])), int(k + 1), KOMPAKT_NAME, a, 88, int(t->punkte[0][s]), 136,
                              int(t->tore[0][s]), int(t->gegentore[0][s]));
            } else {
                const Spiele_Spiel* sp = Spiele_Get_Spiel(tagesspiele[k + 1], 0);
                if (!sp) continue;
                const int32_t c = zeilen_farbe(f, -1, tagesspiele[k + 1]);
                char stand[24];
                // after extra time; a shoot-out, whose kicks the block has no room for, marked
                // "nE" behind it
                const Spiele_Stand st = Spiele_Get_Stand(sp);
                const char* const ne = st.elf_heim >= 0 ? "nE" : "";
                const int32_t stand_w =
                    4 * std::snprintf(stand, sizeof stand, *ne ? "%d:%d " : "%d:%d", int(st.heim), int(st.gast)) +
                    (*ne ? Spielszenen_Text_Kuerzen(b, sizeof b, ne, klein, w) : 0);
                Spielszenen_Text_Kuerzen(a, sizeof a, team_name(sp->heim), klein, 70 - 2 - 3);
                const int32_t strich = Spielszenen_Text_Kuerzen(b, sizeof b, "-  ", klein, w);
                Spielszenen_Text_Kuerzen(b, sizeof b, team_name(sp->gast), klein, 136 - stand_w - 3 - 70 - strich);
                std::snprintf(text, sizeof text, "^c%05d^tl%04d%s^c%05d^tl%04d-  %s^tr%04d^fb0004%s^fe%s", int(c), 2, a, int(c), 70, b, 136,
                              stand, ne);
            }
            drucken(seite, text, kx, by, klein);
        }
        if (mx >= kx && mx < kx + w && my >= ky && my < ky + h) {
            Spielszenen_Maus_Genommen = 2;
            if (tasten & 1) aktion = ART;
            else if (tasten & 2) aktion = SCHLIESSEN;
        }
        ausfuehren(f, aktion, -1);
        return 0;
    }

    int32_t& x = Spielszenen_Tabelle_X;
    int32_t& y = Spielszenen_Tabelle_Y;
    const int32_t body = n * zeile + 18;
    // the results come with their own, wider head and foot
    const int32_t satz = tabelle ? 0 : 5;
    Rastport* const kopf = bild(satz), *const fuss = bild(satz + 1);
    const int32_t kopf_w = kopf ? int32_t(kopf->width) : tab_w + 10;
    if (!tasten) p.zieht = false;
    const bool ueber_kopf = mx >= x - 7 && mx < x - 7 + kopf_w && my >= y - KOPF_H && my < y;
    if (ueber_kopf) Spielszenen_Zeiger_Form = 6;
    if ((tasten && ueber_kopf) || p.zieht) {
        if (!p.zieht) p.griff_x = mx - x, p.griff_y = my - y, p.zieht = true;
        Spielszenen_Zeiger_Form = 2;
        x = mx - p.griff_x;
        y = my - p.griff_y;
    }
    x = std::max(std::min(x, RECHTS - kopf_w + 7), 12);
    y = std::max(std::min(y, UNTEN - body - FUSS_H), KOPF_H + 5);
    if (mx >= x - 7 && mx < x - 7 + kopf_w && my >= y - KOPF_H && my < y + body + FUSS_H) Spielszenen_Maus_Genommen = 2;

    Spielszenen_Kasten_Decken(x, y, tab_w, body);
    if (seite && kopf) Grafik_Blit_Transparent(kopf, 0, 0, int32_t(kopf->width), int32_t(kopf->height), seite, x - 5, y - KOPF_H);
    const Spiele_Spiel* eigen = Spiele_Get_Spiel(f->spiel, 0);
    const int32_t wb = eigen ? int32_t(eigen->wettbewerb) : -1;
    const char* name = wb >= 0 ? Wettbewerb_Get_Anzeigename(wb) : nullptr;
    const char* runde = wb >= 0 ? Wettbewerb_Get_Rundentext(wb, eigen->spieltag) : nullptr;
    std::snprintf(text, sizeof text, tabelle ? "^c%05d%s, %s." : "^c%05d%s, %s", int(Grafik_Farbe(15, 15, 15)), name ? name : "",
                  runde ? runde : "");
    drucken(seite, text, x + 50, y - KOPF_H + 24);
    if (seite && fuss) Grafik_Blit_Transparent(fuss, 0, 0, int32_t(fuss->width), int32_t(fuss->height), seite, x - 5, y + body);

    if (tabelle) {
        std::snprintf(text, sizeof text, "^c%05d^tl%04d%s^tl%04d%s^tz%04d%s^tz%04d%s^tz%04d%s", int(Grafik_Farbe(15, 15, 15)), 44, "",
                      TABELLE_NAME, "Verein", 174, "Sp.", 196, "Pkt.", 240, "Torverh.");
    } else {
        std::snprintf(text, sizeof text, "^c%05d^tl%04d%s^tl%04d%s^tz%04d%s", int(Grafik_Farbe(15, 15, 15)), 44, "Heimmannschaft", 171,
                      "Gastmannschaft", 320, "Spielstand");
    }
    drucken(seite, text, x, y + 12);
    for (int32_t k = 0; k < n; ++k) {
        const int32_t by = y + 18 + zeile * (k + 1);
        int32_t team = -1, spiel = 0;
        if (tabelle) {
            const int32_t s = t->platz[k];
            team = t->team[s];
            spiel = t->tagesspiel[s];
        } else {
            spiel = tagesspiele[k + 1];
        }
        const bool unter = mx >= x + 6 && mx < x + 6 + tab_w && my >= by - 10 && my < by + 1;
        int32_t c = zeilen_farbe(f, team, spiel);
        if (unter) {
            if (wechsel_ziel(f, spiel)) {
                c = Grafik_Farbe(16, 16, 0);
                Spielszenen_Zeiger_Form = 6;
                if ((tasten & 1) && aktion == KEINE) aktion = WECHSEL, ziel = spiel;
            } else {
                Spielszenen_Zeiger_Form = 1;
            }
        }
        if (tabelle) {
            const int32_t s = t->platz[k];
            char vorher[16] = "-";
            if (t->vorher[k] >= 0) std::snprintf(vorher, sizeof vorher, "%d", int(t->vorher[k] + 1));
            // the name starts right of its crest, under the column's head, and ends before the games
            char name[64];
            Spielszenen_Text_Kuerzen(name, sizeof name, team_name(team), 9, TABELLE_SPIELE - TABELLE_NAME - 3);
            std::snprintf(text, sizeof text, "^c%05d%d.^tl%04d(%s)^tl%04d%s^tl%04d%d^tl%04d%d^tr%04d^fb0007%d:%d^fe", int(c), int(k + 1), 20, vorher,
                          TABELLE_NAME, name, TABELLE_SPIELE, int(t->spiele[0][s]), 186, int(t->punkte[0][s]), 250, int(t->tore[0][s]),
                          int(t->gegentore[0][s]));
            drucken(seite, text, x, by);
            Spielszenen_Wappen_Klein_Zeichnen(team, x + (unter ? 47 : 48), by - 10);
        } else if (const Spiele_Spiel* sp = Spiele_Get_Spiel(spiel, 0)) {
            const bool eigenes = spiel == f->spiel;
            const auto farbe = [&](int32_t tm) {
                if (unter && wechsel_ziel(f, spiel)) return Grafik_Farbe(16, 16, 0);
                if (eigenes) return Grafik_Farbe(14, 14, 0);
                return tm == Screen_Eigenes_Team() ? Grafik_Farbe(10, 10, 16) : Grafik_Farbe(15, 15, 15);
            };
            std::snprintf(text, sizeof text, "^c%05d^tl%04d%s %s^c%05d^tl%04d-^tl%04d%s %s^tr%04d^fb0007%s^fe", int(farbe(sp->heim)), 13,
                          "", team_name(sp->heim), int(farbe(sp->gast)), 144, 165, "", team_name(sp->gast), 334,
                          Spiele_Stand_Text(spiel, sp->heim_tore, sp->gast_tore, laufend(spiel)));
            drucken(seite, text, x, by);
            Spielszenen_Wappen_Klein_Zeichnen(sp->heim, x, by - 10);
            Spielszenen_Wappen_Klein_Zeichnen(sp->gast, x + 152, by - 10);
        }
    }
    // foot buttons: close, content, variant
    const int32_t fy = y + body;
    const struct {
        int32_t dx, w, bild;
        Aktion a;
    } knopf[3] = {{tabelle ? 237 : SZ_ERGEBNIS_SCHLIESSEN_X, 32, 2, SCHLIESSEN}, {111, 42, 3, INHALT}, {162, 30, 4, ART}};
    for (const auto& k : knopf) {
        if (mx < x + k.dx || mx >= x + k.dx + k.w || my < fy || my >= fy + FUSS_H) continue;
        Spielszenen_Zeiger_Form = 6;
        if (Rastport* hell = bild(satz + k.bild); seite && hell)
            Grafik_Blit_Transparent(hell, 0, 0, std::min<int32_t>(k.w, int32_t(hell->width)), int32_t(hell->height), seite, x + k.dx, fy + 8);
        if ((tasten & 1) && aktion == KEINE) aktion = k.a;
    }
    ausfuehren(f, aktion, ziel);
    return tabelle ? 1 : 0;
}

void Spielszenen_Tabelle_Zeichnen(Spielszenen_Fenster* f, Spielfeld_Record* r)
{
    if (!f || !r) return;
    static Tabelle_Datensatz t;
    static int32_t tagesspiele[WETTBEWERB_TAGESLISTE];
    // every 4 match minutes a client fetches the day's goals from the server before the table
    // is built (the call does nothing elsewhere)
    if (Spielszenen_Tabelle_Auffrischen(r->minute)) Spiele_Client_Spiele_Holen(f->spiel, r->minute);
    if (!Wettbewerb_Spiel_Tabelle(int32_t(r->spiel), &t, -1, -1, -1, r->minute)) t.anzahl = 0;
    if (!Wettbewerb_Spiel_Tagesspiele(int32_t(r->spiel), tagesspiele)) tagesspiele[0] = 0;
    Spielszenen_Tabelle_Bei(Grafik_Seite_1 ? Grafik_Seite_1 : Grafik_Render_Ziel, f, &t, tagesspiele, Maus_Get_X(), Maus_Get_Y(),
                            Maus_Get_Tasten());
}

void Spielszenen_Tabelle_Freigeben()
{
    for (Rastport*& b : p.bild) b = Grafik_Bitmap_Freigeben(b);
    for (int32_t i = 0; i < WAPPEN_SLOTS; ++i) p.wappen[i] = Grafik_Bitmap_Freigeben(p.wappen[i]);
    p.wappen_belegt = 0;
    p.zieht = false;
}

void Spielszenen_Tabelle_Zuruecksetzen()
{
    Spielszenen_Tabelle_Freigeben();
    p.letzte_minute = -1;
    Spielszenen_Tabelle_X = SPIELSZENEN_TABELLE_START_X;
    Spielszenen_Tabelle_Y = SPIELSZENEN_PANEL_START_Y;
}
