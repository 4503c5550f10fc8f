// What the view writes and signs over the play: back numbers and name labels, signs of
// substitutions, cards and states on the players, beside the score panel and in the window's
// corner, and the icon bar at the screen's right edge with its twelve commands.
#include <algorithm>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

#include "database/spieler.h"
#include "graphics/font.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_sprite.h"
#include "match/spielfeld.h"
#include "matchview/live/spielszenen_live.h"
#include "matchview/spielszenen.h"
#include "gameflow/ablauf.h"
#include "gameflow/globals.h"
#include "network/netz.h"
#include "platform/maus.h"

namespace {

bool knopf_sperre = false;  // a posted icon waits until every button is up

enum : int32_t { Z_WECHSEL = 0, Z_ROT = 1, Z_GELB_ROT = 2, Z_FLAGGE_64 = 3, Z_BIT_3 = 4, Z_BIT_4 = 5 };

Rle_Sprite* zeichen(int32_t k) { return Spielszenen_Bild(SZ_ZEICHEN + k); }

bool sichtbar(const Spielfeld_Record* r, int32_t slot) { return r->objekt[slot].aktiv != 0; }

bool im_wechsel(const Spielfeld_Record* r, int32_t slot)
{
    for (int32_t s = 0; s < 2; ++s)
        for (int32_t j = 0; j < 7; ++j)
            if (uint8_t(r->einwechsel[s][j]) == slot || uint8_t(r->auswechsel[s][j]) == slot) return true;
    return false;
}

// Highlighted player k (0, 1) of a side, -1 none.
int32_t hervorgehoben(const Spielfeld_Record* r, int32_t seite, int32_t k)
{
    if (k == 0) return r->naechster[seite];
    int32_t v = -1;
    std::memcpy(&v, seite == 0 ? r->frei_20368 : r->frei_20376, sizeof v);
    return v;
}

bool nummer_gezeigt(int32_t einstellung, int32_t slot)
{
    switch (einstellung) {
    case -1: case -7: return slot < 16;
    case -2: case -6: return slot >= 16;
    case -3: case -5: return true;
    case -4: return false;
    default: return slot == einstellung;
    }
}

bool name_gezeigt(int32_t einstellung, int32_t slot)
{
    return einstellung == -5 || (einstellung == -6 && slot >= 16) || (einstellung == -7 && slot < 16);
}

// The labels written over the play of the window being drawn, in its pitch picture's pixels:
// a name that would run into one written before it moves up above it. Emptied with each
// window's numbers.
struct Beschriftung {
    int32_t x, y, w, h, slot;
};
std::vector<Beschriftung> beschriftungen;

bool ueberlappt(const Beschriftung& a, int32_t x, int32_t y, int32_t w, int32_t h)
{
    return x < a.x + a.w && a.x < x + w && y - h < a.y && a.y - a.h < y;
}

}  // namespace

int32_t Spielszenen_Rueckennummer(int32_t wert) { return wert < 0 ? 0 : wert % 100; }

int32_t Spielszenen_Text_Im_Feld(const Spielszenen_Fenster* f, int32_t font, const char* format, int32_t x, int32_t y, ...)
{
    if (!f || !format) return 0;
    const Spielfeld_Record* r = f->record;
    char text[512];
    va_list args;
    va_start(args, y);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    const int32_t cx = r ? r->ansicht_x : 0, cy = r ? r->ansicht_y : 0;
    int32_t px = x - cx, py = y - cy;
    if (f->groesse == 1) px = x - std::max(cx - 320, 0) / 2, py = y - cy / 2;
    if (f->groesse == 2) px = x - cx / 2, py = y - cy / 2;
    Font_Record* fo = Font(font);
    const int32_t w = fo ? Font_Text_Breite_Mit_Tabs(fo, text) : int32_t(std::strlen(text)) * 6;
    const int32_t h = fo && fo->strip ? int32_t(fo->strip->height) : 10;
    if (px < 0 || py < 0 || px + w > f->breite || py + h > f->hoehe) return 0;
    if (Grafik_Seite_1 && fo) Grafik_Printf(Grafik_Seite_1, fo, "%s", f->x + px, f->y + py, text);
    return 1;
}

void Spielszenen_Spieler_Beschriften(const Spielszenen_Fenster* f, const Spielfeld_Record* r, int32_t slot)
{
    Spielszenen_Spieler_Beschriften_Bei(f, r, slot);
}

int32_t Spielszenen_Spieler_Beschriften_Bei(const Spielszenen_Fenster* f, const Spielfeld_Record* r, int32_t slot)
{
    if (!f || !r || slot < 0 || slot >= SPIELFELD_SLOTS) return INT32_MIN;
    const Spielfeld_Spieler& s = r->spieler[slot];
    const char* name = s.spnr >= 0 && s.spnr < Spieler_Anzahl ? Spieler_String(SP_NAME, s.spnr, nullptr, 0) : nullptr;
    if (!name) return INT32_MIN;
    for (const Beschriftung& b : beschriftungen)
        if (b.slot == slot) return b.y;  // the ball's holder or a highlighted player once only
    const int32_t x = r->objekt[slot].pixel_x, y = r->objekt[slot].pixel_y;
    const int weiss = Grafik_Farbe(15, 15, 15);
    char text[96];
    if (f->groesse == 0) std::snprintf(text, sizeof text, "%s", name);
    else std::snprintf(text, sizeof text, "%d %s", int(Spielszenen_Rueckennummer(int8_t(s.anweisung[2]))), name);
    Font_Record* fo = Font(4);
    const int32_t w = fo ? Font_Text_Breite_Mit_Tabs(fo, text) : int32_t(std::strlen(text)) * 6;
    const int32_t h = fo && fo->strip ? int32_t(fo->strip->height) : 10;
    const int32_t lx = f->groesse == 0 ? x + 6 : (x + 6) / 2 + 2;
    int32_t ly = f->groesse == 0 ? y - 39 : (y - 39) / 2;
    for (int32_t versuch = 0; versuch < 4; ++versuch) {
        bool frei = true;
        for (const Beschriftung& b : beschriftungen)
            if (ueberlappt(b, lx, ly, w, h)) {
                ly = b.y - b.h - 1;
                frei = false;
            }
        if (frei) break;
    }
    beschriftungen.push_back({lx, ly, w, h, slot});
    Spielszenen_Text_Im_Feld(f, 4, "^c%05d%s", lx, ly, weiss, text);
    return ly;
}

void Spielszenen_Nummern_Zeichnen(const Spielszenen_Fenster* f, const Spielfeld_Record* r)
{
    beschriftungen.clear();
    if (!f || !r) return;
    const int32_t e = r->beschriftung;
    for (int32_t slot = 0; slot < SPIELFELD_SLOTS; ++slot) {
        if (!sichtbar(r, slot)) continue;
        const Spielfeld_Objekt& o = r->objekt[slot];
        if (nummer_gezeigt(e, slot))
            Spielszenen_Zeichen_Blit(f, Spielszenen_Bild(SZ_RUECKENNUMMER + Spielszenen_Rueckennummer(int8_t(r->spieler[slot].anweisung[2]))),
                                     o.pixel_x, o.pixel_y - 30);
        if (name_gezeigt(e, slot)) Spielszenen_Spieler_Beschriften(f, r, slot);
    }
    if (r->ballhalter >= 0 && r->ballhalter < SPIELFELD_SLOTS) Spielszenen_Spieler_Beschriften(f, r, r->ballhalter);
    for (int32_t seite = 0; seite < 2; ++seite)
        for (int32_t k = 0; k < 2; ++k) {
            const int32_t slot = hervorgehoben(r, seite, k);
            if (slot >= 0 && slot < SPIELFELD_SLOTS && sichtbar(r, slot)) Spielszenen_Spieler_Beschriften(f, r, slot);
        }
}

void Spielszenen_Spieler_Zeichen(const Spielszenen_Fenster* f, const Spielfeld_Record* r)
{
    if (!f || !r || f->groesse != 0) return;
    for (int32_t slot = 0; slot < SPIELFELD_SLOTS; ++slot) {
        if (!sichtbar(r, slot)) continue;
        const int32_t x = r->objekt[slot].pixel_x - 6, y = r->objekt[slot].pixel_y - 26;
        const Spielfeld_Spieler& s = r->spieler[slot];
        if (Spielszenen_Blink_Normal) {
            if (im_wechsel(r, slot)) Spielszenen_Zeichen_Blit(f, zeichen(Z_WECHSEL), x, y);
            continue;
        }
        if (s.zustand & SPIELFELD_ROT) Spielszenen_Zeichen_Blit(f, zeichen(Z_ROT), x, y);
        if (s.zustand & SPIELFELD_GELB_ROT) Spielszenen_Zeichen_Blit(f, zeichen(Z_GELB_ROT), x, y);
        if (s.zustand & 64) Spielszenen_Zeichen_Blit(f, zeichen(Z_FLAGGE_64), x, y);
        if (s.karte & 8) Spielszenen_Zeichen_Blit(f, zeichen(Z_BIT_3), x, y);
        if (s.karte & 16) Spielszenen_Zeichen_Blit(f, zeichen(Z_BIT_4), x, y);
    }
}

void Spielszenen_Seiten_Zeichen(Rastport* seite, const Spielszenen_Fenster* f, const Spielfeld_Record* r)
{
    if (!seite || !f || !r || f->groesse == 2) return;
    for (int32_t s = 0; s < 2; ++s) {
        bool wechsel = false, raus = false, flagge = false;
        for (int32_t slot = 16 * s; slot < 16 * s + 16; ++slot) {
            const uint32_t z = r->spieler[slot].zustand;
            wechsel |= im_wechsel(r, slot);
            if (z & SPIELFELD_AUF_DEM_PLATZ) raus |= (z & (SPIELFELD_GELB_ROT | SPIELFELD_ROT)) != 0, flagge |= (z & 64) != 0;
        }
        const int32_t x = s == 0 ? f->x + 30 : f->x + f->breite - 42, y = f->y + 4;
        auto zeige = [&](int32_t k) {
            if (Rle_Sprite* z = zeichen(k)) Grafik_Sprite_Blit(z, seite, x, y);
        };
        if (Spielszenen_Blink_Normal) {
            if (wechsel) zeige(Z_WECHSEL);
            if (raus) zeige(Z_ROT);
        } else if (flagge) {
            zeige(Z_FLAGGE_64);
        }
    }
}

void Spielszenen_Status_Zeichen(Rastport* seite, const Spielszenen_Fenster* f, const Spielfeld_Steuerung_Block* st, int32_t replay)
{
    if (!seite || !f || !Spielszenen_Blink_Normal) return;
    int32_t k = -1;
    if (replay) k = 0;
    else if (st && st->kamera_glatt_aus) k = 1;
    else if (st && st->pause) k = 2;
    if (k < 0) return;
    if (Rle_Sprite* z = Spielszenen_Bild(SZ_ZUSTAND + k)) Grafik_Sprite_Blit(z, seite, f->x + 4, f->y + (f->groesse == 2 ? 40 : 28));
}

bool Spielszenen_Knopf_Gesperrt(int32_t knopf)
{
    if (Netz_Rolle == 1) return knopf >= 8;
    // a lone manager at the server is one PC: his pause stops nobody else's game
    if (Netz_Rolle == 3) return knopf >= (Ablauf_Allein() ? 9 : 8) && knopf <= 10;
    return false;
}

void Spielszenen_Knopfleiste_Zeichnen(Rastport* seite, const Spielfeld_Steuerung_Block* st, int32_t replay)
{
    Spielszenen_Knopfleiste_Bei(seite, st, replay, Maus_Get_X(), Maus_Get_Y(), Maus_Get_Tasten());
}

void Spielszenen_Knopfleiste_Bei(Rastport* seite, const Spielfeld_Steuerung_Block* st, int32_t replay, int32_t mx, int32_t my,
                                 int32_t tasten)
{
    Rastport* gedrueckt = Spielszenen_Grafik.fest[1];
    Rastport* hell = Spielszenen_Grafik.fest[2];
    auto zeige = [&](Rastport* blatt, int32_t k) {
        if (blatt && seite) Grafik_Blit(blatt, 0, SZ_KNOPF_Y[k], SZ_KNOPF_B, SZ_KNOPF_H, seite, SZ_KNOPF_X, SZ_KNOPF_Y[k]);
    };
    if (!tasten) knopf_sperre = false;
    if (replay) zeige(gedrueckt, 7);
    if (st && st->kamera_glatt_aus) zeige(gedrueckt, 6);
    if (st && st->pause) zeige(gedrueckt, 8);
    for (int32_t k = 0; k < SZ_KNOEPFE; ++k) {
        if (Spielszenen_Knopf_Gesperrt(k)) continue;
        if (mx < SZ_KNOPF_X || mx >= SZ_KNOPF_X + SZ_KNOPF_B || my < SZ_KNOPF_Y[k] || my >= SZ_KNOPF_Y[k] + SZ_KNOPF_H) continue;
        Spielszenen_Zeiger_Form = 6;
        if (knopf_sperre) {
            zeige(gedrueckt, k);
        } else {
            if (tasten & 1) {
                Spielszenen_Ansicht_Befehl = k + 1;
                knopf_sperre = true;
                Spielszenen_Sound_Spielen(15, 640, 320);
            }
            zeige(hell, k);
        }
        break;
    }
}
