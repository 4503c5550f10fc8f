#include <algorithm>
#include <cmath>
#include <cstring>

#include "competitions/spiele.h"
#include "database/spieler.h"
#include "database/team.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_spielerfigur.h"
#include "graphics/grafik_zeichnen.h"
#include "match/spielfeld.h"
#include "matchview/lineup/anweisungen.h"
#include "matchview/lineup/aufstellung.h"
#include "matchview/lineup/motivation.h"
#include "matchview/lineup/screen.h"
#include "matchview/lineup/spieldaten.h"
#include "matchview/live/spielszenen_live.h"
#include "platform/temp.h"
#include "screens/spieler_einsetzen_figuren.h"
#include "screens/spieler_gesicht.h"
#include "toolkit/btnscreen.h"

void (*Liste_Text_Hook)(int32_t x, int32_t y, const char* text) = nullptr;

namespace {

// A row is 18 pixels high (the rows touch): the shirt beside the portrait made to fit it, the
// name's line and the strength's far enough apart that a name's descenders stay off the
// strength's capitals, both inside the row.
constexpr int32_t TRIKOT_W = 12, TRIKOT_H = 14, NAME_Y = 8, STAERKE_Y = 18;
// The man-marked opponent's shirt in its column, rows 18 pixels apart. The texts begin 3 pixels
// right of the shirt; the name has the first line to itself; the class stands right-aligned
// beside the strength on the second, clear of the row's edge by what its bold form adds.
constexpr int32_t MARKE_W = 14, MARKE_H = 16, KLASSE_RAND = 5, NAME_X = 41;
constexpr int32_t ZEILEN = 11, FONT = 11, FONT_KOPF = 9, KEIN_SPIELER = 32767, SPALTEN_X = 153;

Btnscreen_Gadget* G(int32_t n) { return &Aufstellung_Liste[n]; }
Rastport* schirm() { return Grafik_Seite_0 ? Grafik_Seite_0 : Grafik_Render_Ziel; }
int32_t weiss() { return Grafik_Farbe(15, 15, 15); }

void drucken(Rastport* ziel, int32_t x, int32_t y, const char* text, int32_t font = FONT)
{
    if (Liste_Text_Hook) Liste_Text_Hook(x, y, text);
    if (ziel) Grafik_Printf(ziel, Font(font), "%s", x, y, text);
}

void blit_t(Rastport* b, Rastport* ziel, int32_t x, int32_t y, int32_t w = -1)
{
    if (!b || !ziel) return;
    Grafik_Blit_Transparent(b, 0, 0, w < 0 ? int32_t(b->width) : w, int32_t(b->height), ziel, x, y);
}

int32_t tore(const Spielfeld_Record* r, int32_t spnr)
{
    int32_t n = 0;
    Spiele_Ereignis_Info e{};
    for (bool da = Spiele_Get_Erstes_Ereignis(int32_t(r->spiel), &e); da; da = Spiele_Get_Naechstes_Ereignis(&e))
        if ((e.flags & SPE_TOR) && !(e.flags & 512) && !Spiele_Ist_Elfmeter_Tor(e.flags) && e.spieler_1 != KEIN_SPIELER &&
            e.spieler_1 == spnr)
            ++n;
    return n;
}

}  // namespace

int32_t Liste_Spieler(const Spielfeld_Record* r, int32_t seite, int32_t* slots)
{
    int32_t n = 0;
    if (!r || seite < 0 || seite > 1) return 0;
    for (int32_t k = 0; k < 4; ++k)
        for (int32_t slot = 16 * seite; slot < 16 * seite + 16 && n < ZEILEN; ++slot) {
            const int32_t spnr = r->spieler[slot].spnr;
            if (spnr == -1 || !Spieler_Ist_Aufgestellt(r, slot) || Spieler_Positionsklasse(spnr) != k) continue;
            slots[n++] = slot;
        }
    return n;
}

void Liste_Kopf_Init(Btnscreen_Gadget* g)
{
    if (!g) return;
    Rastport* b = g->bitmap2 ? g->bitmap2 : g->bitmap1;
    // Each over its column; "Energie" and "Laufpensum" are wider than their columns and stand a
    // little right of them, so that no two headers meet.
    static constexpr const char* koepfe[9] = {
        "^tl0007Spieler in der Aufstellung", "^tl0153Manndeckung", "^tz0244Energie", "^tz0297Laufpensum", "^tz0351Pass",
        "^tz0391Zweik.", "^tz0428Ballk.", "^tz0471Torschuß", "^tz0511Note"};
    for (const char* k : koepfe) drucken(b, 0, 15, Temp_Sprintf("^c%05d%s", weiss(), k), FONT_KOPF);
    // The surface starts as the picture with its headers.
    if (g->bitmap1 && g->bitmap2) Grafik_Blit(g->bitmap2, 0, 0, g->w, g->h, g->bitmap1, 0, 0);
}

void Update_Liste()
{
    const Spielfeld_Record* r = Screen_Record;
    Btnscreen_Gadget* tafel = G(AG_LISTE_TAFEL);
    Rastport* flaeche = tafel->bitmap2;
    // Only the rows' part: the columns beside them keep their figures until they are redrawn.
    if (flaeche && tafel->bitmap1) Grafik_Blit(tafel->bitmap1, 0, 0, std::min(tafel->w, SPALTEN_X), tafel->h, flaeche, 0, 0);
    for (int32_t i = 0; i < ZEILEN; ++i) {
        Btnscreen_Gadget* z = G(AG_LISTE + i);
        z->benutzer[0] = z->benutzer[1] = z->benutzer[2] = 0;
        z->verbunden = nullptr;
        if (z->bitmap1) Grafik_Rechteck_Fuellen(z->bitmap1, 0, 0, z->w, z->h, 0);
    }
    if (!r) return;
    int32_t slots[ZEILEN];
    const int32_t n = Liste_Spieler(r, Screen_Seite, slots);
    for (int32_t i = 0; i < n; ++i) {
        Btnscreen_Gadget* z = G(AG_LISTE + i);
        const int32_t slot = slots[i], spnr = r->spieler[slot].spnr, team = int32_t(r->team[slot / 16]);
        z->benutzer[0] = uint32_t(spnr);
        z->benutzer[1] = uint32_t(slot);
        z->benutzer[2] = TYP_ZEILE;
        Rastport* b = z->bitmap1;
        const bool gueltig = spnr >= 0 && spnr < Spieler_Anzahl;
        if (b && gueltig) {
            Spieler_Gesicht_Bauen_Skaliert(b, 2, 0, spnr, uint32_t(Spieler_Wert(SP_GESICHT, spnr, 0, 0)),
                                           static_cast<const uint8_t*>(Team_Zeiger(TEAM_FARBEN, team, nullptr, 0)), 20, 16);
            Grafik_Spielerfigur_Sprite_Zeichnen(b, spnr, team, 2, 0);
            // Made on its own and put beside the portrait: the kit colour replaces the base
            // picture's key only in a bitmap the whole picture fits, and the row is lower.
            Rastport* figur = Spieler_Trikot_Klein(spnr, team, TRIKOT_W, TRIKOT_H);
            blit_t(figur, b, 26, 2);
            Grafik_Bitmap_Freigeben(figur);
        }
        const int32_t farbe = Spieler_Ist_Auf_Feld(r, slot) ? Staerke_Farbe(r, slot) : Grafik_Farbe(10, 4, 4);
        const char* name = gueltig ? Spieler_String(SP_NAME, spnr, nullptr, 0) : "";
        const char* klasse[4] = {"TOR", "ABW", "MIT", "STU"};
        const bool fett = slot == Screen_Auswahl_Slot;
        const char* an = fett ? "^bb" : "";
        const char* aus = fett ? "^be" : "";
        // bold letters are a pixel wider each: the cut leaves them room
        char kurz[64];
        const int32_t breite = z->w - 2 - NAME_X;
        Spielszenen_Text_Kuerzen(kurz, sizeof kurz, name ? name : "", FONT, breite);
        for (size_t n = std::strlen(kurz); fett && n > 0 && Font_Text_Breite(Font(FONT), kurz) + int32_t(n) > breite; --n)
            kurz[n - 1] = 0;
        drucken(b, NAME_X, NAME_Y, Temp_Sprintf("^c%05d%s%s%s", farbe, an, kurz, aus));
        drucken(b, NAME_X, STAERKE_Y, Temp_Sprintf("^c%05d%sStärke: %d%s", farbe, an, int32_t(r->spieler[slot].wert_89), aus));
        drucken(b, 0, STAERKE_Y,
                Temp_Sprintf("^c%05d^tr%04d%s%s%s", farbe, z->w - KLASSE_RAND, an, klasse[Spieler_Positionsklasse(spnr)], aus));
        if (b && flaeche) blit_t(b, flaeche, z->x - tafel->x, z->y - tafel->y);
    }
    Rastport* s = schirm();
    if (flaeche && s) Grafik_Blit(flaeche, 0, 0, tafel->w, tafel->h, s, tafel->x, tafel->y);
}

void Update_Liste_Variabel()
{
    const Spielfeld_Record* r = Screen_Record;
    Btnscreen_Gadget* tafel = G(AG_LISTE_TAFEL);
    Rastport* flaeche = tafel->bitmap2;
    const int32_t X = SPALTEN_X;
    if (flaeche && tafel->bitmap1 && tafel->w > X)
        Grafik_Blit(tafel->bitmap1, X, 0, tafel->w - X, tafel->h, flaeche, X, 0);
    if (!r) return;
    int32_t slots[ZEILEN];
    const int32_t n = Liste_Spieler(r, Screen_Seite, slots);
    const int32_t w = weiss();
    Rastport* leer = Screen_Energie_Bilder[0];
    Rastport* voll = Screen_Energie_Bilder[1];
    for (int32_t k = 0; k < n; ++k) {
        const int32_t slot = slots[k], y = 28 + 18 * k, spnr = r->spieler[slot].spnr;
        const Spielfeld_Spieler& s = r->spieler[slot];
        const int32_t gedeckt = Manndeckung_Suchen(r, slot);
        if (gedeckt >= 0 && flaeche) {
            Rastport* figur = Spieler_Trikot_Klein(r->spieler[gedeckt].spnr, int32_t(r->team[gedeckt / 16]), MARKE_W, MARKE_H);
            blit_t(figur, flaeche, X, y - 3);
            Grafik_Bitmap_Freigeben(figur);
        }
        const bool marken[6] = {(s.zustand & SPIELFELD_ROT) != 0, (s.zustand & SPIELFELD_GELB_ROT) != 0, (s.karte & 16) != 0,
                                (s.karte & 8) != 0, (s.zustand & 64) != 0, Auswechsel_Beteiligt(r, slot)};
        static constexpr int32_t bild[6] = {2, 4, 3, 5, 0, 1};
        int32_t mx = X + 20;
        for (int32_t i = 0; i < 6; ++i)
            if (marken[i]) {
                blit_t(Screen_Markenbilder[bild[i]], flaeche, mx, y);
                mx += 14;
            }
        const int32_t energie = std::clamp<int32_t>(int32_t(s.kraft), 0, 10000);
        blit_t(leer, flaeche, X + 77, y - 1);
        blit_t(voll, flaeche, X + 77, y - 1, int32_t(std::lround(energie * 30.0 / 10000)));
        drucken(flaeche, 0, y + 8, Temp_Sprintf("^c%05d^tr%04d%d", w, X + 76, int32_t(std::lround(energie * 100.0 / 10000))));
        const int32_t d = std::max(0, r->objekt[slot].distanz / 10);
        blit_t(leer, flaeche, X + 135, y - 1);
        blit_t(voll, flaeche, X + 135, y - 1, std::min(30, int32_t(int64_t(d) * 30 / 12000)));
        drucken(flaeche, 0, y + 8, Temp_Sprintf("^c%05d^tr%04d%d.%d", w, X + 134, d / 1000, (d % 1000) / 100));
        const uint8_t* st = r->statistik[slot];
        drucken(flaeche, 0, y + 8, Temp_Sprintf("^c%05d^tz%04d%d/%d", w, X + 198, st[1], st[0]));
        drucken(flaeche, 0, y + 8, Temp_Sprintf("^c%05d^tz%04d%d/%d", w, X + 238, st[4], st[3]));
        drucken(flaeche, 0, y + 8, Temp_Sprintf("^c%05d^tz%04d%d", w, X + 278, st[5]));
        drucken(flaeche, 0, y + 8, Temp_Sprintf("^c%05d^tz%04d%d/%d", w, X + 318, tore(r, spnr), st[2]));
        const int32_t note = Spielfeld_Get_Spielernote(r, slot);
        drucken(flaeche, 0, y + 8,
                note < 0 ? Temp_Sprintf("^c%05d^tz%04d-", w, X + 358)
                         : Temp_Sprintf("^c%05d^tz%04d%d.%d", w, X + 358, note / 10, note % 10));
    }
    Rastport* sch = schirm();
    if (flaeche && sch && tafel->w > X) Grafik_Blit(flaeche, X, 0, tafel->w - X, tafel->h, sch, tafel->x + X, tafel->y);
}

int32_t Liste_Energie_Breite(int32_t energie) { return int32_t(std::lround(std::clamp(energie, 0, 10000) * 30.0 / 10000)); }
int32_t Liste_Strecke_Breite(int32_t distanz) { return std::min(30, int32_t(int64_t(std::max(0, distanz / 10)) * 30 / 12000)); }

void Liste_LB(Btnscreen_Gadget* g)
{
    if (!g || g->benutzer[2] != TYP_ZEILE) return;
    if (Screen_Page == PAGE_STATISTIK || Screen_Page == PAGE_MOTIVATION) {
        Screen_Auswahl_Slot = int32_t(g->benutzer[1]);
        if (Screen_Page == PAGE_STATISTIK) Screen_Anweisungen_Seite();
        else Screen_Motivation_Seite();
    }
    Update_Liste();
}

void Liste_Mouse_Over_Start(Btnscreen_Gadget* g)
{
    if (Screen_Page != PAGE_AUFSTELLUNG || !g) return;
    Screen_Hover_Icon = nullptr;
    g->verbunden = nullptr;
    for (int32_t i = 0; i < 11; ++i) {
        Btnscreen_Gadget* icon = G((Screen_Seite ? AG_GAST_ICON : AG_HEIM_ICON) + i);
        if (icon->benutzer[2] == TYP_ICON && icon->benutzer[1] == g->benutzer[1]) {
            Screen_Hover_Icon = icon;
            g->verbunden = icon;
            break;
        }
    }
    Update_Feld();
}

void Liste_Mouse_Over_Stop(Btnscreen_Gadget*)
{
    if (Screen_Page != PAGE_AUFSTELLUNG) return;
    Screen_Hover_Icon = nullptr;
    Update_Feld();
}

int32_t Manndeckung_Suchen(const Spielfeld_Record* r, int32_t slot)
{
    if (!r || slot < 0 || slot >= SPIELFELD_SLOTS) return -1;
    for (int32_t i = 0; i < SPIELFELD_SLOTS; ++i)
        if (r->spieler[i].zustand == SPIELFELD_AUF_DEM_PLATZ && r->spieler[i].partner[2] == slot) return i;
    return -1;
}

int32_t Manndeckung_Aufheben(Spielfeld_Record* r, int32_t slot)
{
    const int32_t i = Manndeckung_Suchen(r, slot);
    if (i >= 0) r->spieler[i].partner[2] = 255;
    return -1;
}
