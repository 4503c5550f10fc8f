// The events list of a view window (the shown game's goals and cards in a floating panel) and
// one statistics line for each player the manager has marked.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "competitions/spiele.h"
#include "database/spieler.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_sprite.h"
#include "graphics/grafik_wappen.h"
#include "match/spielfeld.h"
#include "matchview/live/spielszenen_live.h"
#include "matchview/spielszenen.h"
#include "platform/maus.h"
#include "platform/resfile.h"

int32_t Spielszenen_Ereignisliste_X = SPIELSZENEN_EREIGNISLISTE_START_X, Spielszenen_Ereignisliste_Y = SPIELSZENEN_PANEL_START_Y;

namespace {

constexpr int32_t BREITE = 292, ZEILE = 12, KEIN_SPIELER = 32767;
constexpr int32_t RECHTS = 606, UNTEN = 475, RAND = 5;
constexpr uint32_t TOR = 4, GELB = 16, GELB_ROT = 32, ROT = 64;

struct Liste {
    bool zieht = false;
    int32_t griff_x = 0, griff_y = 0;
    Rastport* kopf = nullptr;
    Rastport* fuss = nullptr;
    Rastport* schliessen = nullptr;
    Rastport* zeichen[SZ_MARKEN] = {};
};
Liste l;
Spielszenen_Text_Hook text_hook = nullptr;

Rastport* laden(Rastport*& b, int32_t id)
{
    const int32_t tiefe = Grafik_Render_Ziel ? Grafik_Render_Ziel->depth : 16;
    if (!b && ResFile_Handles[0].handle >= 0) b = static_cast<Rastport*>(Load_Resource(ResFile_Handles[0].handle, id, tiefe, nullptr));
    return b;
}

int32_t hoehe(const Rastport* b, int32_t sonst) { return b ? int32_t(b->height) : sonst; }

void drucken(Rastport* seite, Font_Record* fo, int32_t x, int32_t y, const char* text)
{
    if (text_hook) text_hook(x, y, text);
    if (seite && fo) Grafik_Printf(seite, fo, "%s", x, y, text);
}

const char* name(int32_t spnr)
{
    if (spnr <= 0 || spnr == KEIN_SPIELER || spnr == 65535 || spnr >= Spieler_Anzahl) return "";
    const char* n = Spieler_String(SP_NAME, spnr, nullptr, 0);
    return n ? n : "";
}

bool gelistet(const Spiele_Ereignis_Info& e) { return e.flags & (TOR | GELB | GELB_ROT | ROT); }

}  // namespace

void Spielszenen_Set_Text_Hook(Spielszenen_Text_Hook hook) { text_hook = hook; }
void Spielszenen_Text_Melden(int32_t x, int32_t y, const char* text)
{
    if (text_hook) text_hook(x, y, text);
}

const char* Spielszenen_Minute_Text(int32_t minute)
{
    static char text[32];
    std::snprintf(text, sizeof text, "^tr0068%d^tl0068.Minute", int(minute));
    return text;
}

int32_t Spielszenen_Ereignis_Zeile(const Spiele_Ereignis_Info& e, int32_t* heim, int32_t* gast, char* out, uint32_t groesse,
                                   int32_t* karte)
{
    const bool heim_seite = e.flags & 1;
    const char* spalte = heim_seite ? "^tl0115" : "^tl0230";
    const int weiss = Grafik_Farbe(15, 15, 15), grau = Grafik_Farbe(11, 11, 11);
    *karte = -1;
    if (e.flags & TOR) {
        ++(heim_seite ? *heim : *gast);
        std::string zweiter;
        if (e.spieler_2 != 0 && e.spieler_2 != KEIN_SPIELER && e.spieler_2 != -1 && e.spieler_2 != 65535)
            zweiter = std::string(" (") + name(e.spieler_2) + ")";
        std::snprintf(out, groesse, "^c%05d^tr0035%d^tl0037:^tl0041%d^c%05d%s%s^c%05d%s^c%05d%s", weiss, int(*heim), int(*gast), grau,
                      Spielszenen_Minute_Text(e.minute), spalte, weiss, name(e.spieler_1), grau, zweiter.c_str());
        return 1;
    }
    // card pictures: red, yellow, yellow-red
    *karte = e.flags & ROT ? SZ_MARKE_ROT : e.flags & GELB_ROT ? SZ_MARKE_GELB_ROT : SZ_MARKE_GELB;
    std::snprintf(out, groesse, "^c%05d%s%s^c%05d%s", grau, Spielszenen_Minute_Text(e.minute), spalte, weiss, name(e.spieler_1));
    return 1;
}

void Spielszenen_Ereignisliste_Zeichnen(Spielszenen_Fenster* f, Spielfeld_Record* r)
{
    Spielszenen_Ereignisliste_Bei(Grafik_Seite_1 ? Grafik_Seite_1 : Grafik_Render_Ziel, f, r, Maus_Get_X(), Maus_Get_Y(), Maus_Get_Tasten());
}

void Spielszenen_Ereignisliste_Bei(Rastport* seite, Spielszenen_Fenster* f, Spielfeld_Record* r, int32_t mx, int32_t my, int32_t tasten)
{
    if (!f || !r) return;
    std::vector<Spiele_Ereignis_Info> ereignisse;
    Spiele_Ereignis_Info e{};
    for (bool da = Spiele_Get_Erstes_Ereignis(int32_t(r->spiel), &e); da; da = Spiele_Get_Naechstes_Ereignis(&e))
        if (gelistet(e)) ereignisse.push_back(e);
    const int32_t kopf_h = hoehe(laden(l.kopf, SZ_EREIGNIS_KOPF), 30), fuss_h = hoehe(laden(l.fuss, SZ_EREIGNIS_FUSS), 18);
    laden(l.schliessen, SZ_EREIGNIS_SCHLIESSEN);
    int32_t& x = Spielszenen_Ereignisliste_X;
    int32_t& y = Spielszenen_Ereignisliste_Y;

    if (!tasten) l.zieht = false;
    const bool ueber_kopf = mx >= x && mx < x + BREITE && my >= y - kopf_h && my < y;
    if (ueber_kopf) Spielszenen_Zeiger_Form = 6;
    if ((tasten == 1 && ueber_kopf) || l.zieht) {
        if (!l.zieht) l.griff_x = mx - x, l.griff_y = my - y, l.zieht = true;
        Spielszenen_Zeiger_Form = 2;
        x = mx - l.griff_x;
        y = my - l.griff_y;
    }
    // the body never reaches beyond the page: a long list shows its latest rows
    const int32_t platz = std::max(1, (UNTEN - fuss_h - (kopf_h + RAND) - 4) / ZEILE);
    const int32_t n = int32_t(ereignisse.size());
    const int32_t gezeigt = std::min(std::max(n, 1), platz), erstes = std::max(0, n - platz);
    const int32_t body = gezeigt * ZEILE + 4;
    x = std::min(std::max(x, RAND + 7), RECHTS - BREITE);
    y = std::min(std::max(y, kopf_h + RAND), UNTEN - body - fuss_h);
    if (mx >= x && mx < x + BREITE && my >= y - kopf_h && my < y + body + fuss_h) Spielszenen_Maus_Genommen = 2;

    Font_Record* fo = Font(9);
    if (seite && l.kopf) Grafik_Blit(l.kopf, 0, 0, BREITE, kopf_h, seite, x, y - kopf_h);
    else Spielszenen_Kasten_Abdunkeln(f, x, y - kopf_h, BREITE, kopf_h);
    if (seite) {
        const int32_t tiefe = seite->depth;
        if (ResFile_Handles[0].handle >= 0) {
            Grafik_Wappen_Laden(ResFile_Handles[0].handle, seite, tiefe, int32_t(r->team[0]), x + 4, y - kopf_h + 2, 1, 26, 26);
            Grafik_Wappen_Laden(ResFile_Handles[0].handle, seite, tiefe, int32_t(r->team[1]), x + BREITE - 30, y - kopf_h + 2, 1, 26, 26);
        }
    }
    char text[512];
    std::snprintf(text, sizeof text, "^c%05d^tz%04dEreignisse zum Spiel.", int(Grafik_Farbe(15, 15, 15)), int(BREITE / 2));
    drucken(seite, Font(10) ? Font(10) : fo, x, y - kopf_h / 2 + 5, text);
    Spielszenen_Kasten_Decken(x, y, BREITE, body);
    if (n == 0) {
        std::snprintf(text, sizeof text, "^c%05d^tl%04d%s", int(Grafik_Farbe(14, 14, 14)), 10, "Noch keine Ereignisse...");
        drucken(seite, fo, x, y + ZEILE, text);
    }
    int32_t heim = 0, gast = 0, zeile = 0;
    for (int32_t i = 0; i < n; ++i) {
        int32_t karte = -1;
        Spielszenen_Ereignis_Zeile(ereignisse[size_t(i)], &heim, &gast, text, sizeof text, &karte);
        if (i < erstes) continue;  // counted for the score, not shown
        const int32_t zy = y + ZEILE * (zeile + 1);
        drucken(seite, fo, x, zy, text);
        if (karte >= 0 && seite) {
            Rastport* b = laden(l.zeichen[karte - SZ_MARKEN_ERSTE], karte);
            if (b) Grafik_Blit_Transparent(b, 0, 0, int32_t(b->width), int32_t(b->height), seite, x + SZ_KARTE_X, zy - 10);
        }
        ++zeile;
    }
    // the close button in the foot
    const int32_t fy = y + body;
    if (seite && l.fuss) Grafik_Blit(l.fuss, 0, 0, BREITE, fuss_h, seite, x, fy);
    else Spielszenen_Kasten_Abdunkeln(f, x, fy, BREITE, fuss_h);
    const int32_t sx = x + BREITE - 20, sy = fy + 1;
    const int32_t sw = l.schliessen ? int32_t(l.schliessen->width) : 16, sh = l.schliessen ? int32_t(l.schliessen->height) : 16;
    if (mx >= sx && mx < sx + sw && my >= sy && my < sy + sh) {
        Spielszenen_Zeiger_Form = 6;
        if (seite && l.schliessen) Grafik_Blit_Transparent(l.schliessen, 0, 0, sw, sh, seite, sx, sy);
        if (tasten & 1) {
            Spielszenen_Sound_Spielen(13, 320, 320);
            Spielszenen_Ereignisliste_Freigeben();
            f->ereignisse_offen = 0;
        }
    }
}

void Spielszenen_Ereignisliste_Freigeben()
{
    l.kopf = Grafik_Bitmap_Freigeben(l.kopf);
    l.fuss = Grafik_Bitmap_Freigeben(l.fuss);
    l.schliessen = Grafik_Bitmap_Freigeben(l.schliessen);
    for (Rastport*& b : l.zeichen) b = Grafik_Bitmap_Freigeben(b);
    l.zieht = false;
}

void Spielszenen_Spieler_Statistik_Zeichnen(Spielszenen_Fenster* f, Spielfeld_Record* r)
{
    if (!f || !r || f->groesse == 2) return;
    Rastport* seite = Grafik_Seite_1 ? Grafik_Seite_1 : Grafik_Render_Ziel;
    Font_Record* fo = Font(9);
    int32_t zy = f->y + 54;
    for (int32_t slot = 0; slot < SPIELFELD_SLOTS; ++slot) {
        const uint8_t m = f->markierung[slot];
        if (!(m & (2 | 4 | 8 | 16))) continue;
        // lines stop at the window's foot
        if (zy + 6 > f->y + f->hoehe) break;
        int32_t farbe = Grafik_Farbe(12, 12, 16);
        if (m & 8) farbe = Grafik_Farbe(16, 0, 0);
        if (m & 16) farbe = Grafik_Farbe(0, 16, 0);
        Spielszenen_Spieler_Beschriften(f, r, slot);
        Spielszenen_Kasten_Abdunkeln(f, f->x + 4, zy - 8, 560, 14);
        if (f->groesse == 0 || f->groesse == 1) {
            const int32_t nummer = Spielszenen_Rueckennummer(int8_t(r->spieler[slot].anweisung[2]));
            if (Rle_Sprite* b = Spielszenen_Bild(SZ_RUECKENNUMMER + nummer); b && seite) Grafik_Sprite_Blit(b, seite, f->x + 14, zy + 3);
        }
        const int32_t d = r->objekt[slot].distanz / 10;
        const uint8_t* st = r->statistik[slot];
        const Spielfeld_Spieler& s = r->spieler[slot];
        const char* n = s.spnr >= 0 && s.spnr < Spieler_Anzahl ? Spieler_String(SP_NAME, s.spnr, nullptr, 0) : nullptr;
        char text[512];
        std::snprintf(text, sizeof text, "^c%05d%s^tl%04d%s^tr%04d%d.%d^tl%04d%s^tl%04d%d^tl%04d%s^tl%04d%d^tl%04d%s^tl%04d%d^tl%04d%s^tl%04d%d",
                      int(farbe), n ? n : "", 110, "Laufpensum:", 204, int(d / 1000), int((d % 1000) / 100), 215, "Pässe:", 255,
                      int(st[1]), 275, "Fehlpässe:", 337, int(st[0]), 360, "Zweikämpfe:", 438, int(st[4]), 455, ", verloren:", 514,
                      int(st[3]));
        drucken(seite, fo, f->x + 30, zy + 2, text);
        zy += 16;
    }
}
