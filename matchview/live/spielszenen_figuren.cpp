// The figures of a view window: sprite blitters that place a sprite of the pitch picture in a
// window (hot spot, mirroring, clipping, half size), the objects' positions, frames and depth
// order, and the player marking (rings, strength bars, clicks and hovering).
#include <algorithm>
#include <cmath>
#include <cstring>

#include "graphics/grafik_blit_hilfe.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_sprite.h"
#include "match/pitch/spielfeld_animationen.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/spielfeld.h"
#include "matchview/live/spielszenen_live.h"
#include "matchview/spielszenen.h"
#include "platform/maus.h"

namespace {

// The scene's sprites decoded once: the same figures, fans and signs are drawn every frame.
Grafik_Sprite_Vorrat vorrat;

int32_t zeichenfolge[SPIELFELD_OBJEKTE];
int32_t zeichenfolge_anzahl = 0;

// Per window and object: the cached choice (code, frame, direction) and its next change time.
struct Wahl {
    int32_t code = -1, bild = 0, richtung = 0;
    uint32_t naechste = 0;
};
Wahl wahl[SPIELSZENEN_FENSTER][SPIELFELD_OBJEKTE];

// The page the view draws on; what it draws there goes partly straight into the pixels.
Rastport* seite()
{
    Rastport* s = Grafik_Seite_1 ? Grafik_Seite_1 : Grafik_Render_Ziel;
    Grafik_Seite_Beschrieben(s);
    return s;
}

// Window position of a full-size picture position; halb maps it onto the half-size picture.
void fenster_position(const Spielszenen_Fenster* f, int32_t x, int32_t y, bool halb, int32_t* wx, int32_t* wy)
{
    const Spielfeld_Record* r = f->record;
    const int32_t cx = r ? r->ansicht_x : 0, cy = r ? r->ansicht_y : 0;
    if (!halb) {
        *wx = x - cx;
        *wy = y - cy;
        return;
    }
    *wx = x / 2 - (f->groesse == 1 ? std::max(cx - 320, 0) / 2 : cx / 2);
    *wy = y / 2 - cy / 2;
}

// The model of all view blitters: hot spot and mirroring applied, the sprite cut to the window
// and put onto page 1 through the colour table (none: 16-bit sprites as they are).
void zeichnen(Rle_Sprite* s, const Spielszenen_Fenster* f, const uint16_t* farben, int32_t x, int32_t y, bool halb,
              bool spiegeln, bool pos_halb)
{
    Rastport* ziel = seite();
    if (!s || !f || !ziel || !ziel->pixels || ziel->depth == 8 || s->width <= 0 || s->height <= 0) return;
    const bool gespiegelt = (s->mirrored != 0) != spiegeln;
    int32_t wx, wy;
    fenster_position(f, x, y, pos_halb, &wx, &wy);
    const int32_t teil = halb ? 2 : 1;
    const int32_t w = s->width / teil, h = s->height / teil, hx = s->x_offset / teil, hy = s->y_offset / teil;
    wx += gespiegelt ? -(w + hx) : hx;
    wy += hy;
    // nothing wholly outside the window, nor wholly under the rows its header covers later
    if (wx >= f->breite || wy >= f->hoehe || wx + w <= 0 || wy + h <= f->kopf_gedeckt || wy + h <= 0 || w <= 0 || h <= 0) return;
    if (s->depth == 8 && !farben) return;
    const Grafik_Clip fenster{std::max(f->x, 0), std::max(f->y, 0), std::min(f->x + f->breite, int32_t(ziel->width)),
                              std::min(f->y + f->hoehe, int32_t(ziel->height))};
    const Grafik_Sprite_Daten d{s->data, s->data_size, s->width, s->height, s->depth, s->wide, 0};
    Grafik_Sprite_Seite(d, static_cast<uint16_t*>(ziel->pixels), int32_t(ziel->width), f->x + wx, f->y + wy, fenster, gespiegelt, halb,
                        s->depth == 8 ? farben : nullptr, nullptr, &vorrat);
}

Rle_Sprite* sprite_von(int32_t code, int32_t richtung, int32_t bild, bool halb_tor)
{
    if (!Spielszenen_Animation_Gueltig(code)) return nullptr;
    if (halb_tor && code >= 16 && code <= 31) {
        const int32_t k = code - 16;
        const int32_t n = Spielszenen_Grafik.tor_halb_bilder[k];
        if (!Spielszenen_Grafik.tor_halb[k] || n <= 0) return nullptr;
        return Spielszenen_Grafik.tor_halb[k][std::clamp(bild, 0, n - 1)];
    }
    const int32_t dirs = std::max(1, int32_t(SPIELSZENEN_ANIMATIONSDATEN[size_t(code)].richtungen));
    const int32_t d = std::clamp(richtung, 0, std::min(dirs, 8) - 1);
    const int32_t n = Spielszenen_Grafik.bilder[code][d];
    Rle_Sprite** l = Spielszenen_Grafik.animation[code][d];
    // frames and directions from a record are clamped to what was loaded
    if (!l || n <= 0) return nullptr;
    return l[std::clamp(bild, 0, n - 1)];
}

const Spielfeld_Auftrag& eintrag(const Spielfeld_Objekt& o) { return o.auftrag[std::clamp(int32_t(o.ring), 0, 3)]; }

int32_t fenster_index(const Spielszenen_Fenster* f) { return int32_t(f - Spielszenen_Fenster_Liste); }

}  // namespace

void Spielszenen_Sprite_Vorrat_Leeren()
{
    vorrat.leeren();
    Spielszenen_Zuschauer_Bilder_Vergessen();
}

void Spielszenen_Sprite_Zeichnen(Rle_Sprite* s, const Spielszenen_Fenster* f, int32_t x, int32_t y)
{
    zeichnen(s, f, nullptr, x, y, false, false, f && f->groesse != 0);
}

void Spielszenen_Sprite_Farbe_Zeichnen(Rle_Sprite* s, const Spielszenen_Fenster* f, const uint16_t* farben, int32_t x,
                                       int32_t y)
{
    zeichnen(s, f, farben, x, y, false, false, false);
}

void Spielszenen_Sprite_Farbe_Halb(Rle_Sprite* s, const Spielszenen_Fenster* f, const uint16_t* farben, int32_t x, int32_t y)
{
    zeichnen(s, f, farben, x, y, true, false, true);
}

void Spielszenen_Figur_Blit(Rle_Sprite* s, int32_t x, int32_t y, int32_t tabelle, const Spielszenen_Fenster* f)
{
    if (!s || !f) return;
    const uint16_t* farben = tabelle >= 0 && tabelle < SZ_FIGUR_FARBEN ? f->figur_farben[tabelle] : f->farben;
    zeichnen(s, f, farben, x, y, f->groesse != 0, false, f->groesse != 0);
}

void Spielszenen_Objekt_Blit(Rle_Sprite* s, int32_t x, int32_t y, const Spielszenen_Fenster* f)
{
    if (!s || !f) return;
    zeichnen(s, f, f->farben, x, y, f->groesse != 0, false, f->groesse != 0);
}

void Spielszenen_Zeichen_Blit(const Spielszenen_Fenster* f, Rle_Sprite* s, int32_t x, int32_t y)
{
    if (f && f->groesse == 0) Spielszenen_Sprite_Zeichnen(s, f, x, y);
}

int32_t Spielszenen_Animation_Ebene(int32_t code) { return code; }

int32_t Spielszenen_Ring_Index(uint8_t bits)
{
    static constexpr uint8_t ORDNUNG[5] = {8, 16, 2, 4, 1};
    int32_t ring = -1;
    for (int32_t k = 0; k < 5; ++k)
        if (bits & ORDNUNG[k]) ring = k;
    return ring;
}

void Spielszenen_Animation_Ton(Spielszenen_Fenster* f, Spielfeld_Record* r, int32_t objekt)
{
    if (!f || !r || !f->aktiv) return;
    const Spielfeld_Auftrag& a = eintrag(r->objekt[objekt]);
    if (((a.animation >= 88 && a.animation <= 96) || a.animation == 100) && a.wert_40 == 5)
        Spielszenen_Sound_Spielen(14, r->objekt[objekt].pixel_x - r->ansicht_x, 320);
}

void Spielszenen_Animation_Spiegeln(Spielfeld_Record* r, int32_t objekt)
{
    if (!r) return;
    Spielfeld_Auftrag& a = r->objekt[objekt].auftrag[std::clamp(int32_t(r->objekt[objekt].ring), 0, 3)];
    const int32_t c = a.animation;
    if ((c >= 97 && c <= 99) || c == 113 || c == 114 || (c >= 117 && c <= 120)) a.blickrichtung = r->gespiegelt ? 0 : 1;
}

void Spielszenen_Kraftbalken_Zeichnen(Spielszenen_Fenster* f, Spielfeld_Record* r, int32_t slot)
{
    if (!f || !r || f->groesse != 0) return;
    const Spielfeld_Objekt& o = r->objekt[slot];
    const int32_t k = std::clamp(int32_t(float(r->spieler[slot].kraft) * 15.0f * 0.0001f), 0, 15);
    Spielszenen_Sprite_Zeichnen(Spielszenen_Bild(SZ_BALKEN_RAHMEN), f, o.pixel_x - 9, o.pixel_y - 36);
    Spielszenen_Sprite_Zeichnen(Spielszenen_Bild(SZ_BALKEN_FUELLUNG + k), f, o.pixel_x - 9,
                                o.pixel_y - 36);
}

void Spielszenen_Spieler_Markierung(Spielszenen_Fenster* f, Spielfeld_Record* r, int32_t slot, const Spielfeld_Steuerung_Block* st)
{
    if (!f || !r || slot < 0 || slot >= 32) return;
    uint8_t& m = f->markierung[slot];
    const Spielfeld_Objekt& o = r->objekt[slot];
    // bit 2 follows the strength entry's mark
    if (r->spieler[slot].marker) m |= 2;
    else m &= uint8_t(~2);
    m &= uint8_t(~1);
    const int32_t wx = f->groesse == 0 ? o.pixel_x - r->ansicht_x + f->x : 0, wy = f->groesse == 0 ? o.pixel_y - r->ansicht_y + f->y : 0;
    const int32_t mx = Maus_Get_X(), my = Maus_Get_Y();
    const bool ueber = f->groesse == 0 && mx >= f->x && my >= f->y && mx < f->x + f->breite && my < f->y + f->hoehe &&
                       mx >= wx - 15 && mx < wx + 15 && my >= wy - 30 && my < wy;
    if (f->klick_figur >= 0 && r->ballhalter == slot && ueber) {
        m |= 1;
        f->klick_figur = -1;
    }
    if (ueber) {
        m |= 4;
        f->schwebe_zeit[slot] = r->frame_zeit;
        if (st && st->pause) {
            Spielszenen_Zeiger_Form = 7;
            const int32_t tasten = Maus_Get_Tasten();
            if (tasten & 1) Spielszenen_Schirm_Befehl = 0;
            if (tasten & 2) Spielszenen_Schirm_Befehl = 2;
            if (tasten & 3) Spielszenen_Schirm_Slot = slot, Spielszenen_Schirm_Seite = slot / 16;
        }
    }
    const int32_t ring = Spielszenen_Ring_Index(m);
    if (ring >= 0) {
        Rle_Sprite* s = Spielszenen_Bild(SZ_RING + ring);
        Spielszenen_Sprite_Zeichnen(s, f, o.pixel_x, o.pixel_y);
    }
    const uint32_t kraft = r->spieler[slot].kraft;
    if ((kraft < 2000 && Spielszenen_Blink_Schnell) || (kraft >= 2000 && float(kraft) < 3333.33f && Spielszenen_Blink_Normal))
        Spielszenen_Kraftbalken_Zeichnen(f, r, slot);
    m &= uint8_t(~4);
}

void Spielszenen_Figuren_Zeichnen(Spielfeld_Record* r, const Spielfeld_Steuerung_Block* st, Spielszenen_Fenster* f)
{
    zeichenfolge_anzahl = 0;
    if (!r || !f) return;
    const int32_t fi = fenster_index(f);
    Spielfeld_Objekt& ball = r->objekt[SPIELFELD_BALL];
    Spielfeld_Objekt& schatten = r->objekt[SPIELFELD_BALL + 1];
    if (ball.aktiv) {
        Spielfeld_Auftrag& a = ball.auftrag[std::clamp(int32_t(ball.ring), 0, 3)];
        if (ball.z <= 20.0f) {
            a.animation = 10;
            schatten.aktiv = 0;
        } else {
            a.animation = 9;
            schatten.aktiv = 1;
            schatten.x = ball.x;
            schatten.y = ball.y;
            schatten.z = 0.0f;
            schatten.ring = 0;
            schatten.auftrag[0].animation = 11;
            schatten.wert_276 = -1;
        }
        Spielszenen_Feld_Zu_Bild(r, ball.x, ball.y, ball.z, &ball.pixel_x, &ball.pixel_y);
        const int32_t w = Spielszenen_Winkel_Berechnen(a.ziel[0] - ball.x, a.ziel[1] - ball.y);
        a.blickrichtung = uint8_t((w / 40) & 7);
    }
    int32_t liste[SPIELFELD_OBJEKTE];
    int32_t n = 0;
    for (int32_t i = 0; i < SPIELFELD_OBJEKTE; ++i) {
        Spielfeld_Objekt& o = r->objekt[i];
        if (!o.aktiv) continue;
        Spielszenen_Feld_Zu_Bild(r, o.x, o.y, o.z, &o.pixel_x, &o.pixel_y);
        if (i <= 34) {
            Spielszenen_Animation_Ton(f, r, i);
            Spielfeld_Auftrag& a = o.auftrag[std::clamp(int32_t(o.ring), 0, 3)];
            float zx = a.ziel[0], zy = a.ziel[1];
            if (a.richtung >= 0 && a.richtung < SPIELFELD_OBJEKTE) {
                const int32_t ziel = a.richtung == 35 ? SPIELFELD_BALL : a.richtung;
                zx = r->objekt[ziel].x;
                zy = r->objekt[ziel].y;
            }
            int32_t px = 0, py = 0;
            Spielszenen_Feld_Zu_Bild(r, zx, zy, 0, &px, &py);
            if (std::abs(px - o.pixel_x) + std::abs(py - o.pixel_y) > 10)
                a.blickrichtung = uint8_t(Spielszenen_Richtung_Berechnen(o.x, o.y, zx, zy));
            if (i < 32) Spielszenen_Spieler_Markierung(f, r, i, st);
            Spielszenen_Animation_Spiegeln(r, i);
        }
        liste[n++] = i;
    }
    const bool gespiegelt = r->gespiegelt != 0;
    std::stable_sort(liste, liste + n, [&](int32_t a, int32_t b) {
        return gespiegelt ? r->objekt[a].y > r->objekt[b].y : r->objekt[a].y < r->objekt[b].y;
    });
    const bool zwischenspeicher = st && st->kamera_teiler >= 18;
    for (int32_t k = 0; k < n; ++k) {
        const int32_t i = liste[k];
        Spielfeld_Objekt& o = r->objekt[i];
        const Spielfeld_Auftrag& a = eintrag(o);
        Wahl& w = wahl[fi][i];
        int32_t code = a.animation, bild = a.wert_40, richtung = a.blickrichtung;
        const bool figur = o.wert_276 >= 0 && i < 35;
        if (figur) {
            // a figure keeps its picture for 70 ms of match time
            // a change time further ahead than 70 ms is left from another record or a clock that
            // started again, and is not trusted
            const int32_t bis = int32_t(w.naechste - r->frame_zeit);
            if (zwischenspeicher && bis > 0 && bis <= 70 && w.code == code && w.richtung == richtung) {
                code = w.code, bild = w.bild;
            } else {
                if (r->anim_remap) code = Spielszenen_Animation_Ebene(code);
                w.code = code, w.bild = bild, w.richtung = richtung;
                w.naechste = r->frame_zeit + 70;
            }
            Spielszenen_Figur_Blit(sprite_von(code, richtung, bild, false), o.pixel_x, o.pixel_y, i < 32 ? i : -1, f);
        } else {
            w.code = code, w.bild = bild, w.richtung = richtung;
            bool spiegeln = false;
            // goals seen from the other side: the far goal's picture, turned round
            if (gespiegelt && code >= 16 && code <= 31) {
                code = 16 + ((code - 16) ^ 4);
                spiegeln = true;
            }
            Rle_Sprite* s = sprite_von(code, richtung, bild, f->groesse != 0);
            if (i == SPIELFELD_BANK || i == SPIELFELD_BANK + 1)
                Spielszenen_Figur_Blit(s, o.pixel_x, o.pixel_y, SZ_STAB_FARBEN + i - SPIELFELD_BANK, f);
            else if (f->groesse != 0 && code >= 16 && code <= 31)
                zeichnen(s, f, f->farben, o.pixel_x, o.pixel_y, false, spiegeln, true);
            else if (spiegeln)
                zeichnen(s, f, f->farben, o.pixel_x, o.pixel_y, false, true, false);
            else
                Spielszenen_Objekt_Blit(s, o.pixel_x, o.pixel_y, f);
        }
        zeichenfolge[zeichenfolge_anzahl++] = i;
    }
}

int32_t Spielszenen_Zeichenfolge(int32_t* objekte, int32_t max)
{
    const int32_t n = std::min(max, zeichenfolge_anzahl);
    for (int32_t i = 0; i < n; ++i) objekte[i] = zeichenfolge[i];
    return n;
}

void Spielszenen_Figur_Wahl(int32_t fenster, int32_t objekt, int32_t* code, int32_t* bild, int32_t* richtung)
{
    if (fenster < 0 || fenster >= SPIELSZENEN_FENSTER || objekt < 0 || objekt >= SPIELFELD_OBJEKTE) return;
    const Wahl& w = wahl[fenster][objekt];
    if (code) *code = w.code;
    if (bild) *bild = w.bild;
    if (richtung) *richtung = w.richtung;
}
