#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "database/spieler.h"
#include "gameflow/ablauf.h"
#include "gameflow/globals.h"
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
#include "network/netz.h"
#include "platform/maus.h"
#include "platform/print.h"
#include "platform/temp.h"
#include "screens/spieler_gesicht.h"
#include "database/team.h"
#include "toolkit/btnscreen.h"

namespace {

constexpr int32_t PAARE = 7, LEER = 255, ZEIGE_MAX = 5, AENDERUNGS_FLAG = 7;
constexpr uint8_t WECHSEL_GEAENDERT = 4;
// A substitute's row: its texts right of the shrunk figure (12 pixels wide), on two baselines:
// the name alone on the first, the strength and, at the right, the class on the second. The
// line of substitutions left takes up to three lines 10 pixels apart.
constexpr int32_t BANK_FONT = 11, BANK_TEXT_X = 15, BANK_ZEILE_1 = 8, BANK_ZEILE_2 = 18;
constexpr int32_t REST_ZEILE_1 = 8, REST_ABSTAND = 9, REST_RAND = 4;

Btnscreen_Gadget* G(int32_t n) { return &Aufstellung_Liste[n]; }
Rastport* schirm() { return Grafik_Seite_0 ? Grafik_Seite_0 : Grafik_Render_Ziel; }

// Network play: a lone manager's PC plays alone whatever network role the program runs in.
bool vernetzt() { return !Ablauf_Allein(); }

// The side's two columns: the record's own lists alone, the change block's in network play.
uint8_t* spalte(Spielfeld_Record* r, int32_t seite, bool ein)
{
    if (vernetzt()) return ein ? r->netz_einwechsel[seite] : r->netz_auswechsel[seite];
    return reinterpret_cast<uint8_t*>(ein ? r->einwechsel[seite] : r->auswechsel[seite]);
}

// A list byte is a slot of the side or empty; anything else read from a record counts as empty.
int32_t eintrag(const uint8_t* spalte, int32_t i, int32_t seite)
{
    const int32_t v = spalte[i];
    return v >= 16 * seite && v < 16 * seite + 16 ? v : -1;
}

bool ruht(const Spielfeld_Record* r) { return r->laufende_spieler > 0; }

struct {
    Rastport* bild = nullptr;
    Rastport* grund = nullptr;
    int32_t slot = -1, x = 0, y = 0;
} zug;

void zug_weg()
{
    Rastport* s = schirm();
    if (zug.grund && s) Grafik_Blit(zug.grund, 0, 0, int32_t(zug.grund->width), int32_t(zug.grund->height), s, zug.x, zug.y);
    zug.bild = Grafik_Bitmap_Freigeben(zug.bild);
    zug.grund = Grafik_Bitmap_Freigeben(zug.grund);
}

void zug_zeigen(int32_t x, int32_t y)
{
    Rastport* s = schirm();
    if (!zug.bild || !s) return;
    const int32_t w = int32_t(zug.bild->width), h = int32_t(zug.bild->height);
    Grafik_Blit(s, x, y, w, h, zug.grund, 0, 0);
    Grafik_Blit_Transparent(zug.bild, 0, 0, w, h, s, x, y);
    zug.x = x;
    zug.y = y;
}

int32_t rechte_seite(const Spielfeld_Record* r, int32_t seite) { return r ? r->wechsel_uebrig[seite] : 0; }

const char* klasse_text(int32_t k)
{
    static constexpr const char* namen[4] = {"TOR", "ABW", "MIT", "STU"};
    return namen[k & 3];
}

bool im_rechteck(const Btnscreen_Gadget* g, int32_t x, int32_t y)
{
    return x >= g->x && x <= g->x + g->w && y >= g->y && y <= g->y + g->h;
}

// The pair for a drop on a player: out the target, in the dragged slot, when neither is listed.
void paar_auf(Spielfeld_Record* r, int32_t seite, int32_t aus, int32_t ein)
{
    if (Auswechsel_Beteiligt(r, aus) || Auswechsel_Beteiligt(r, ein)) return;
    Auswechsel_Eintragen(r, seite, ein, aus);
}

void neu_aufbauen()
{
    Auswechsel_Zeichnen();
    switch (Screen_Page) {
    case PAGE_DATEN: Update_Feld(); break;
    case PAGE_AUFSTELLUNG:
        Feld_Aufbauen();
        Update_Feld();
        Update_Liste();
        Update_Liste_Variabel();
        break;
    default:
        Update_Liste();
        Update_Liste_Variabel();
        break;
    }
}

}  // namespace

int32_t Spieler_Positionsklasse(int32_t spnr)
{
    return spnr >= 0 && spnr < Spieler_Anzahl ? Spieler_Wert(SP_ART, spnr, 0, 0) % 4 : 0;
}

bool Spieler_Ist_Ersatz(const Spielfeld_Record* r, int32_t slot)
{
    return r && slot >= 0 && slot < SPIELFELD_SLOTS && r->spieler[slot].spnr != -1 &&
           (r->spieler[slot].zustand & SPIELFELD_ERSATZ) && r->objekt[slot].aktiv;
}

bool Auswechsel_Beteiligt(const Spielfeld_Record* r, int32_t slot)
{
    if (!r || slot < 0 || slot >= SPIELFELD_SLOTS) return false;
    auto* rw = const_cast<Spielfeld_Record*>(r);
    for (int32_t s = 0; s < 2; ++s)
        for (bool ein : {true, false})
            for (int32_t i = 0; i < PAARE; ++i)
                if (eintrag(spalte(rw, s, ein), i, s) == slot) return true;
    return false;
}

int32_t Auswechsel_Anzahl(const Spielfeld_Record* r, int32_t seite)
{
    if (!r || seite < 0 || seite > 1) return 0;
    const uint8_t* ein = spalte(const_cast<Spielfeld_Record*>(r), seite, true);
    int32_t n = 0;
    for (int32_t i = 0; i < PAARE; ++i) n += eintrag(ein, i, seite) >= 0;
    return n;
}

int32_t Auswechsel_Partner(const Spielfeld_Record* r, int32_t slot)
{
    if (!r || slot < 0 || slot >= SPIELFELD_SLOTS || ruht(r)) return -1;
    const int32_t s = slot / 16;
    auto* rw = const_cast<Spielfeld_Record*>(r);
    const uint8_t *ein = spalte(rw, s, true), *aus = spalte(rw, s, false);
    for (int32_t i = 0; i < PAARE; ++i) {
        if (eintrag(aus, i, s) == slot) return eintrag(ein, i, s);
        if (eintrag(ein, i, s) == slot) return eintrag(aus, i, s);
    }
    return -1;
}

int32_t Auswechsel_Stoppen(Spielfeld_Record* r, int32_t slot)
{
    if (!r || slot < 0 || slot >= SPIELFELD_SLOTS || ruht(r)) return -1;
    const int32_t s = slot / 16;
    uint8_t *ein = spalte(r, s, true), *aus = spalte(r, s, false);
    for (int32_t i = 0; i < PAARE; ++i)
        if (eintrag(aus, i, s) == slot || eintrag(ein, i, s) == slot) {
            ein[i] = aus[i] = LEER;
            if (vernetzt()) r->anweisungen[AENDERUNGS_FLAG + s] |= WECHSEL_GEAENDERT;
            break;
        }
    return -1;
}

bool Auswechsel_Eintragen(Spielfeld_Record* r, int32_t seite, int32_t ein_slot, int32_t aus_slot)
{
    uint8_t *ein = spalte(r, seite, true), *aus = spalte(r, seite, false);
    for (int32_t i = 0; i < PAARE; ++i) {
        if (eintrag(ein, i, seite) >= 0 || eintrag(aus, i, seite) >= 0) continue;
        ein[i] = uint8_t(ein_slot);
        aus[i] = aus_slot < 0 ? uint8_t(LEER) : uint8_t(aus_slot);
        if (vernetzt()) r->anweisungen[AENDERUNGS_FLAG + Screen_Seite] |= WECHSEL_GEAENDERT;
        Print_Log(0, "Auswechsel OK!!\n");
        return true;
    }
    return false;
}

int32_t Aufgestellte_Zaehlen(const Spielfeld_Record* r, int32_t seite)
{
    int32_t n = 0;
    for (int32_t slot = 16 * seite; slot < 16 * seite + 16; ++slot) n += Spieler_Ist_Aufgestellt(r, slot);
    return n;
}

uint16_t Staerke_Farbe(const Spielfeld_Record* r, int32_t slot)
{
    if (!r || slot < 0 || slot >= SPIELFELD_SLOTS) return Grafik_Farbe(3, 3, 15);
    int32_t hi = 0, lo = 4000;
    const int32_t s = slot / 16;
    for (int32_t i = 16 * s; i < 16 * s + 16; ++i) {
        hi = std::max<int32_t>(hi, r->spieler[i].wert_89);
        lo = std::min<int32_t>(lo, r->spieler[i].wert_89);
    }
    const int32_t spanne = std::max(1, hi - lo);
    const int32_t stufe = std::clamp((int32_t(r->spieler[slot].wert_89) - lo) * 128 / spanne / 8, 3, 15);
    return Grafik_Farbe(uint32_t(stufe), uint32_t(stufe), 15);
}

std::vector<std::string> Auswechsel_Zeilen_Umbrechen(const char* text, int32_t font, int32_t breite)
{
    // The words, with the text's own line break (a "^z" line feed and its "^tl" tab) as a gap.
    std::vector<std::string> woerter(1);
    for (const char* p = text ? text : ""; *p;) {
        if (*p == '^' && (p[1] == 'z' || p[1] == 't')) {
            p += std::min<size_t>(std::strlen(p), p[1] == 'z' ? 6 : 7);
            if (!woerter.back().empty()) woerter.emplace_back();
        } else if (*p == ' ') {
            ++p;
            if (!woerter.back().empty()) woerter.emplace_back();
        } else {
            woerter.back() += *p++;
        }
    }
    if (woerter.back().empty()) woerter.pop_back();
    std::vector<std::string> zeilen;
    Font_Record* f = Font(font);
    for (const std::string& w : woerter) {
        if (!zeilen.empty() && Font_Text_Breite(f, (zeilen.back() + " " + w).c_str()) <= breite) zeilen.back() += " " + w;
        else zeilen.push_back(w);
    }
    return zeilen;
}

const char* Auswechsel_Zeile_Text(int32_t uebrig)
{
    if (uebrig <= 0) return "keine Einwechslungen^z0008^tl0004mehr möglich";
    return Temp_Sprintf("%d Einwechslung%s^z0008^tl0004möglich", uebrig, uebrig == 1 ? "" : "en");
}

void Auswechsel_Zeichnen()
{
    const Spielfeld_Record* r = Screen_Record;
    for (int32_t n : {AG_HEIM_BANK_TAFEL, AG_GAST_BANK_TAFEL}) {
        Btnscreen_Gadget* t = G(n);
        if (t->bitmap1 && t->bitmap2) Grafik_Blit(t->bitmap2, 0, 0, t->w, t->h, t->bitmap1, 0, 0);
    }
    for (int32_t i = 0; i < 12; ++i) {
        Btnscreen_Gadget* e = G(AG_HEIM_BANK + i);
        if (e->bitmap1) Grafik_Rechteck_Fuellen(e->bitmap1, 0, 0, e->w, e->h, 0);
        e->benutzer[0] = e->benutzer[1] = e->benutzer[2] = 0;
        e->zeiger = 0;
    }
    if (!r) return;
    const int32_t eigen = Screen_Eigenes_Team();
    int32_t gezeigt[2] = {0, 0};
    for (int32_t k = 0; k < 4; ++k)
        for (int32_t slot = 0; slot < SPIELFELD_SLOTS; ++slot) {
            const int32_t s = slot / 16, spnr = r->spieler[slot].spnr;
            if (!Spieler_Ist_Ersatz(r, slot) || Spieler_Positionsklasse(spnr) != k || gezeigt[s] >= ZEIGE_MAX) continue;
            Btnscreen_Gadget* e = G((s ? AG_GAST_BANK : AG_HEIM_BANK) + gezeigt[s]++);
            e->benutzer[0] = uint32_t(spnr);
            e->benutzer[1] = uint32_t(slot);
            e->benutzer[2] = TYP_BANK;
            e->zeiger = int32_t(r->team[s]) == eigen ? 7 : 0;
            const uint16_t farbe = s == Screen_Seite ? Staerke_Farbe(r, slot) : Grafik_Farbe(8, 8, 8);
            // The row is 18 pixels high: the figure shrunk to it, the name (cut to its room) and
            // the class on the first line, the strength on the second, so that nothing stands on
            // anything (the full figure was cut, the class stood above the row's top).
            Feld_Spieler_Zeichnen(e, 0, 0, (s == Screen_Seite ? 3 : 9) | FELD_KLEIN);
            if (Rastport* b = e->bitmap1) {
                const char* name = spnr >= 0 && spnr < Spieler_Anzahl ? Spieler_String(SP_NAME, spnr, nullptr, 0) : "";
                char kurz[64];
                Spielszenen_Text_Kuerzen(kurz, sizeof kurz, name ? name : "", BANK_FONT, e->w - 1 - BANK_TEXT_X);
                Grafik_Printf(b, Font(BANK_FONT), "^c%05d^tl%04d%s", 0, BANK_ZEILE_1, farbe, BANK_TEXT_X, kurz);
                Grafik_Printf(b, Font(BANK_FONT), "^c%05d^tl%04dStärke: %d", 0, BANK_ZEILE_2, farbe, BANK_TEXT_X,
                              int32_t(r->spieler[slot].wert_89));
                Grafik_Printf(b, Font(BANK_FONT), "^c%05d^tr%04d%s", 0, BANK_ZEILE_2, farbe, e->w - 1, klasse_text(k));
                Btnscreen_Gadget* t = G(s ? AG_GAST_BANK_TAFEL : AG_HEIM_BANK_TAFEL);
                if (t->bitmap1) Grafik_Blit_Transparent(b, 0, 0, e->w, e->h, t->bitmap1, e->x - t->x, e->y - t->y);
            }
        }
    for (int32_t s = 0; s < 2; ++s) {
        Btnscreen_Gadget* z = G(s ? AG_GAST_WECHSEL : AG_HEIM_WECHSEL);
        Btnscreen_Gadget* t = G(s ? AG_GAST_BANK_TAFEL : AG_HEIM_BANK_TAFEL);
        const char* text = Auswechsel_Zeile_Text(rechte_seite(r, s) - Auswechsel_Anzahl(r, s));
        if (Auswechsel_Text_Hook) Auswechsel_Text_Hook(s, text);
        if (z->bitmap1) {
            // Its words filled into the row's width ("keine Einwechslungen" is wider than the
            // panel even in the smallest font), each line far enough below the one before for its
            // descenders.
            const std::vector<std::string> zeilen = Auswechsel_Zeilen_Umbrechen(text, BANK_FONT, z->w - REST_RAND - 1);
            for (size_t k = 0; k < zeilen.size(); ++k) {
                char kurz[64];
                Spielszenen_Text_Kuerzen(kurz, sizeof kurz, zeilen[k].c_str(), BANK_FONT, z->w - REST_RAND - 1);
                Grafik_Printf(z->bitmap1, Font(BANK_FONT), "^c%05d^tl%04d%s", 0, REST_ZEILE_1 + REST_ABSTAND * int32_t(k),
                              Grafik_Farbe(15, 15, 15), REST_RAND, kurz);
            }
            if (t->bitmap1) Grafik_Blit_Transparent(z->bitmap1, 0, 0, z->w, z->h, t->bitmap1, z->x - t->x, z->y - t->y);
        }
    }
    Rastport* sch = schirm();
    for (int32_t n : {AG_HEIM_BANK_TAFEL, AG_GAST_BANK_TAFEL}) {
        Btnscreen_Gadget* t = G(n);
        if (t->bitmap1 && sch) Grafik_Blit(t->bitmap1, 0, 0, t->w, t->h, sch, t->x, t->y);
    }
}

void (*Auswechsel_Text_Hook)(int32_t seite, const char* text) = nullptr;

void Auswechsel_Drag_Start(Btnscreen_Gadget* g)
{
    Spielfeld_Record* r = Screen_Record;
    if (!g || !r) return;
    const int32_t slot = int32_t(g->benutzer[1]);
    if (Screen_Page == PAGE_STATISTIK || Screen_Page == PAGE_MOTIVATION) {
        Screen_Auswahl_Slot = slot;
        if (Screen_Page == PAGE_STATISTIK) Screen_Anweisungen_Seite();
        else Screen_Motivation_Seite();
    }
    if (g->benutzer[2] != TYP_BANK || slot < 0 || slot >= SPIELFELD_SLOTS) return;
    const int32_t s = slot / 16;
    if (vernetzt() && (r->anweisungen[AENDERUNGS_FLAG + Screen_Seite] & WECHSEL_GEAENDERT)) return;
    if (s != Screen_Seite || int32_t(r->team[s]) != Screen_Eigenes_Team() || rechte_seite(r, s) == 0) return;
    zug_weg();
    const int32_t tiefe = Grafik_Render_Ziel ? Grafik_Render_Ziel->depth : 16;
    const int32_t spnr = r->spieler[slot].spnr, team = int32_t(r->team[s]);
    const bool portrait = (G(AG_PORTRAIT)->benutzer[0] & 1) != 0;
    zug.bild = Feld_Spieler_Bild(spnr, team, portrait, FIGUR_STIL_A, tiefe);
    const int32_t w = zug.bild ? int32_t(zug.bild->width) : 0, h = zug.bild ? int32_t(zug.bild->height) : 0;
    zug.grund = zug.bild ? Grafik_Bitmap_Anlegen(w, h, tiefe) : nullptr;
    if (!zug.bild || !zug.grund) {
        zug_weg();
        return;
    }
    if (portrait) Grafik_Spielerfigur_Sprite_Zeichnen(zug.bild, spnr, team, 0, 24);
    zug.slot = slot;
    zug_zeigen(Maus_Get_X() - w / 2, Maus_Get_Y() - h / 2);
}

void Auswechsel_Drag_Serve(Btnscreen_Gadget*, int32_t, int32_t)
{
    if (!zug.bild) return;
    // The driver hands over the entry's dragged corner; the image follows the pointer itself.
    const int32_t mx = Maus_Get_X(), my = Maus_Get_Y();
    const int32_t x = mx - int32_t(zug.bild->width) / 2, y = my - int32_t(zug.bild->height) / 2;
    if (x == zug.x && y == zug.y) return;
    Rastport* s = schirm();
    if (s) Grafik_Blit(zug.grund, 0, 0, int32_t(zug.grund->width), int32_t(zug.grund->height), s, zug.x, zug.y);
    zug_zeigen(x, y);
}

void Auswechsel_Drag_Stop(Btnscreen_Gadget*)
{
    Spielfeld_Record* r = Screen_Record;
    const int32_t slot = zug.slot;
    if (zug.bild && r && slot >= 0 && slot < SPIELFELD_SLOTS && !Screen_Phase_Vor_Spiel && !Screen_Phase_Nach_Spiel) {
        const int32_t s = slot / 16;
        if (rechte_seite(r, s) >= Auswechsel_Anzahl(r, s) + 1) {
            const int32_t px = zug.x + int32_t(zug.bild->width) / 2, py = zug.y + int32_t(zug.bild->height) / 2;
            bool erledigt = false;
            for (int32_t i = 0; i < 11 && !erledigt; ++i) {
                Btnscreen_Gadget* g = G((s ? AG_GAST_ICON : AG_HEIM_ICON) + i);
                if (g->benutzer[2] != TYP_ICON || !im_rechteck(g, px, py)) continue;
                Print_Log(0, "Drop auf Trikot!!\n");
                paar_auf(r, s, int32_t(g->benutzer[1]), slot);
                Feld_Spieler_Zeichnen(g, 0, 0, 5);
                erledigt = true;
            }
            for (int32_t i = 0; i < 11 && !erledigt && Screen_Page != PAGE_DATEN; ++i) {
                Btnscreen_Gadget* g = G(AG_LISTE + i);
                const int32_t ziel = int32_t(g->benutzer[1]);
                if (g->benutzer[2] != TYP_ZEILE || !im_rechteck(g, px, py) || ziel < 0 || ziel >= SPIELFELD_SLOTS) continue;
                if (r->spieler[ziel].zustand & (SPIELFELD_ROT | SPIELFELD_GELB_ROT)) continue;
                Print_Log(0, "Drop auf Liste!!\n");
                paar_auf(r, s, ziel, slot);
                erledigt = true;
            }
            const int32_t aufgestellt = Aufgestellte_Zaehlen(r, s);
            if (!erledigt && aufgestellt < 11) {
                const uint8_t* aus = spalte(r, s, false);
                int32_t raus = 0;
                for (int32_t i = 0; i < PAARE; ++i) raus += eintrag(aus, i, s) >= 0;
                const int32_t extra = std::max(0, 1 + Auswechsel_Anzahl(r, s) - raus);
                if (aufgestellt + extra < 12 && !Auswechsel_Beteiligt(r, slot)) Auswechsel_Eintragen(r, s, slot, -1);
            }
        }
    }
    zug_weg();
    zug.slot = -1;
    neu_aufbauen();
}

bool Auswechsel_Zieht() { return zug.bild != nullptr; }

void Auswechsel_Zug_Freigeben()
{
    zug.bild = Grafik_Bitmap_Freigeben(zug.bild);
    zug.grund = Grafik_Bitmap_Freigeben(zug.grund);
    zug.slot = -1;
}
