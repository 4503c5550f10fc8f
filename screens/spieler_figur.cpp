#include "screens/spieler_figur.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "database/richter.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_wappen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/resfile.h"
#include "screens/spieler_bilder.h"
#include "screens/spieler_gesicht.h"
#include "screens/spieler_schirme.h"
#include "toolkit/icon.h"
#include "toolkit/slave.h"

namespace {

// The screen file's picture at the target's depth; null when it is missing.
Rastport* laden(int32_t nummer, int32_t tiefe)
{
    const int32_t datei = ResFile_Handles[0].handle;
    return datei >= 0 ? static_cast<Rastport*>(Load_Resource(datei, nummer, tiefe, nullptr)) : nullptr;
}

// RGB565 to 5-bit components, and a pixel of the depth back.
void zerlegen(uint16_t p, int32_t tiefe, int32_t* r, int32_t* g, int32_t* b)
{
    if (tiefe == 15) *r = (p >> 10) & 31, *g = (p >> 5) & 31, *b = p & 31;
    else *r = p >> 11, *g = ((p >> 5) & 63) >> 1, *b = p & 31;
}
uint16_t bauen(int32_t r, int32_t g, int32_t b, int32_t tiefe)
{
    const uint16_t p = tiefe == 15 ? uint16_t(r << 10 | g << 5 | b) : uint16_t(r << 11 | (g << 1 | (g >> 4)) << 5 | b);
    return p ? p : 1;  // 0 is see-through
}

// A figure without a colour of its own: light grey.
constexpr uint16_t GRAU = 0xC618;

// Entry `farbe` of the pitch figures' colour table (kind x 3 + variant), grey outside it.
uint16_t tabellen_farbe(int32_t farbe)
{
    uint16_t rgb = GRAU;
    if (farbe >= 0 && farbe < SPIELER_FIGUR_ARTEN * 3) Spieler_Figur_Get_Farbe(farbe / 3, farbe % 3 == 1 ? 0x10 : farbe % 3 == 2 ? 0x20 : 0, &rgb);
    return rgb;
}

// A club's kit colours, null for no club.
const uint8_t* trikot(int32_t team)
{
    return team >= 0 && team < Team_Anzahl ? static_cast<const uint8_t*>(Team_Zeiger(TEAM_FARBEN, team, nullptr, 0)) : nullptr;
}

// Every visible pixel times the colour: the grey pictures take the colour's shades.
void toenen(Rastport* bild, uint16_t rgb)
{
    if (!bild || (bild->depth != 15 && bild->depth != 16)) return;
    int32_t fr, fg, fb;
    zerlegen(rgb, 16, &fr, &fg, &fb);
    for (int32_t y = 0; y < int32_t(bild->height); ++y)
        for (int32_t x = 0; x < int32_t(bild->width); ++x) {
            const uint16_t p = Grafik_Pixel_Lesen(bild, x, y);
            if (!p) continue;
            int32_t r, g, b;
            zerlegen(p, bild->depth, &r, &g, &b);
            Grafik_Pixel_Setzen(bild, x, y, bauen(r * fr / 31, g * fg / 31, b * fb / 31, bild->depth));
        }
}

// Where an attribute sits on the standing figure (24 x 36): the head for the mind, the chest for
// strength, the feet for the kicks, the hands for the keeper.
constexpr int8_t ORT[28][2] = {
    {6, 12}, {6, 14}, {6, 16}, {9, 2},  {9, 2},  {9, 4},  {6, 28}, {14, 29}, {14, 31},  // visible
    {14, 30}, {14, 31}, {14, 31}, {14, 30}, {9, 0},                                     // kicks, header
    {9, 3},  {6, 15}, {9, 2},  {6, 13}, {6, 11}, {6, 17}, {9, 3},                        // mind and body
    {0, 8},  {9, 28}, {16, 8},                                                           // goalkeeper
    {9, 18}, {9, 3},  {9, 14}, {9, 16},                                                  // height, age, fatigue, form
};
// Attributes that the running and jumping figures show on their left side.
constexpr uint8_t RECHTS[28] = {1, 1, 1, 1, 1, 1, 0, 1, 1, 0, 1, 1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

void zeichnen(int32_t art, int32_t index, Rastport* ziel, int32_t x, int32_t y, uint16_t rgb)
{
    if (!ziel || art < 0 || art > 3) return;
    if (Rastport* f = laden(LISTE_BILD_FIGUR + art, ziel->depth)) {
        toenen(f, rgb);
        Grafik_Blit_Transparent(f, 0, 0, int32_t(f->width), int32_t(f->height), ziel, x, y);
        Grafik_Bitmap_Freigeben(f);
    }
    int32_t mx = 0, my = 0;
    if (!Spieler_Figur_Marke_Ort(art, index, &mx, &my)) return;
    Rastport* m = laden(LISTE_BILD_FIGUR_MARKE, ziel->depth);
    if (!m) return;
    const int32_t w = int32_t(m->width), h = int32_t(m->height);
    if ((art == 1 || art == 2) && !RECHTS[index]) {
        // mirrored, pixel by pixel: the marker looks to the other side
        for (int32_t yy = 0; yy < h; ++yy)
            for (int32_t xx = 0; xx < w; ++xx)
                if (const uint16_t p = Grafik_Pixel_Lesen(m, w - 1 - xx, yy)) Grafik_Pixel_Setzen(ziel, x + mx + xx, y + my + yy, p);
    } else {
        Grafik_Blit_Transparent(m, 0, 0, w, h, ziel, x + mx, y + my);
    }
    Grafik_Bitmap_Freigeben(m);
}

}  // namespace

int32_t Spieler_Figur_Art(int32_t attribut)
{
    if (attribut >= 21 && attribut <= 23) return 3;
    if (attribut == 13) return 2;
    if ((attribut >= 9 && attribut <= 12) || (attribut >= 6 && attribut <= 8)) return 1;
    return 0;
}

bool Spieler_Figur_Marke_Ort(int32_t art, int32_t index, int32_t* x, int32_t* y)
{
    if (index < 0 || index >= 28 || art < 0 || art > 3 || !x || !y) return false;
    // the kinds move the marker with their pose: running a step right, jumping two rows lower
    *x = ORT[index][0] + (art == 1 || art == 3 ? 7 : 0);
    *y = ORT[index][1] + (art == 2 || art == 3 ? 2 : 0);
    if ((art == 1 || art == 2) && !RECHTS[index]) *x = FIGUR_B - 7 - *x;
    *x = std::clamp(*x, 0, FIGUR_B - 7);
    *y = std::clamp(*y, 0, FIGUR_H - 7);
    return true;
}

void Spieler_Figur_Zeichnen(int32_t art, int32_t index, Rastport* ziel, int32_t x, int32_t y, int32_t farbe)
{
    zeichnen(art, index, ziel, x, y, tabellen_farbe(farbe));
}

void Spieler_Figur_Zeichnen_Rgb(int32_t art, int32_t index, Rastport* ziel, int32_t x, int32_t y, uint16_t rgb)
{
    zeichnen(art, index, ziel, x, y, rgb);
}

void Spieler_Figur_Mit_Gesicht(Rastport* ziel, int32_t x, int32_t y, int32_t spnr, int32_t team)
{
    if (!ziel || spnr < 0 || spnr >= Spieler_Anzahl) return;
    if (team < 0) team = Teamspieler_Get_Team_Des_Spielers(-1, spnr, -1);
    if (Rastport* f = laden(LISTE_BILD_FIGUR, ziel->depth)) {
        toenen(f, Spieler_Figur_Trikotfarbe(team));
        // doubled pixel by pixel, the figure's own head left out: the portrait stands there
        for (int32_t yy = 10; yy < int32_t(f->height); ++yy)
            for (int32_t xx = 0; xx < int32_t(f->width); ++xx)
                if (const uint16_t p = Grafik_Pixel_Lesen(f, xx, yy))
                    Grafik_Rechteck_Fuellen(ziel, x + 2 * xx, y + 40 + 2 * (yy - 10), 2, 2, p);
        Grafik_Bitmap_Freigeben(f);
    }
    Spieler_Gesicht_Bauen(ziel, x + 6, y, spnr, uint32_t(Spieler_Wert(SP_GESICHT, spnr, 0, SP_LESEN)), trikot(team));
}

uint16_t Spieler_Figur_Trikotfarbe(int32_t team)
{
    const uint8_t* f = trikot(team);
    if (!f) return GRAU;
    const uint16_t p = uint16_t((f[0] >> 3) << 11 | (f[1] >> 2) << 5 | (f[2] >> 3));
    return p ? p : 1;
}

namespace {

void marke(Rastport* karte, int32_t nummer, bool slave, int32_t x, int32_t y)
{
    Rastport* m = slave ? Menue_Get_Slave_Rastport(nummer) : laden(nummer, karte->depth);
    if (!m) return;
    Grafik_Blit_Transparent(m, 0, 0, int32_t(m->width), int32_t(m->height), karte, x, y);
    if (!slave) Grafik_Bitmap_Freigeben(m);
}

void karte_malen(Rastport* k, int32_t spnr, int32_t team, int32_t farbe)
{
    const uint16_t rgb = tabellen_farbe(farbe);
    if (Rastport* grund = laden(LISTE_BILD_KARTE, k->depth)) {
        toenen(grund, rgb);
        Grafik_Blit(grund, 0, 0, KARTE_B, KARTE_H, k, 0, 0);
        Grafik_Bitmap_Freigeben(grund);
    } else {
        Grafik_Rechteck_Fuellen(k, 0, 0, KARTE_B, KARTE_H, Grafik_Farbe(10, 10, 10));
    }
    const bool markt = team == Transfermarkt_Team;
    Spieler_Gesicht_Bauen(k, 4, 4, spnr, uint32_t(Spieler_Wert(SP_GESICHT, spnr, 0, SP_LESEN)), markt ? nullptr : trikot(team));
    const int32_t typ = std::clamp(Spieler_Wert(SP_ART, spnr, 0, SP_LESEN), 0, 3);
    if (Rastport* t = laden(LISTE_BILD_TYP + typ, k->depth)) {
        toenen(t, rgb);
        Grafik_Blit_Transparent(t, 0, 0, 14, 14, k, 45, 4);
        Grafik_Bitmap_Freigeben(t);
    }
    // status marks over the portrait: injury or ban, a doctor's care, a trial
    const uint32_t fl = team >= 0 && Teamspieler_Get_Record(team, spnr) ? uint32_t(Teamspieler_Wert(317, team, spnr, 0, 0)) : 0;
    if (fl & 0x200) marke(k, 59, true, 11, 23);
    else if (fl & 0x100) marke(k, 58, true, 11, 23);
    else if (fl & 0x80) marke(k, 57, true, 11, 23);
    else if (fl & 0x80000) marke(k, LISTE_BILD_MARKE + MARKE_SPERRE_DROHT, false, 10, 23);
    else if (fl & TS_ARZT) marke(k, LISTE_BILD_MARKE + MARKE_VERLETZT, false, 10, 23);
    if (fl & TS_ARZT) marke(k, LISTE_BILD_MARKE + MARKE_BEHANDLUNG, false, 23, 12);
    if (fl & TS_PROBE) marke(k, LISTE_BILD_MARKE + MARKE_PROBE, false, 34, 23);
    if (Richter_Spieler_Angebot_Vorhanden(spnr, -1, -1)) marke(k, LISTE_BILD_MARKE + MARKE_ANGEBOT, false, 45, 20);
    if (team != Aktuelles_Team && Aktuelles_Team >= 0 && Spieler_Ist_Beobachtet(Aktuelles_Team, spnr)) marke(k, 55, true, 0, 60);
    char text[80];
    const char* name = Spieler_String(SP_NAME, spnr, nullptr, 0);
    if (markt) std::snprintf(text, sizeof text, "?? %s", name ? name : "");
    else std::snprintf(text, sizeof text, "%d %s", team >= 0 ? Teamspieler_Wert(300, team, spnr, 0, 0) : 0, name ? name : "");
    const int32_t schwarz = int32_t(Grafik_Farbe(0, 0, 0));
    char kurz[100];
    // a short name is centred on its stripe
    if (Font(4) && Font_Text_Breite(Font(4), text) < 54) std::snprintf(kurz, sizeof kurz, "^tz%04d%s", 27, text);
    else std::snprintf(kurz, sizeof kurz, "%s", text);
    Grafik_Printf(k, Font(4), "^c%05d%s", 61, 26, schwarz, kurz);
    const char* verein = team >= 0 && !markt ? Team_String(TEAM_NAME, team, nullptr, 0) : "Transfermarkt";
    Grafik_Printf(k, Font(4), "^c%05d%s", 61, 36, schwarz, verein ? verein : "");
    // the best attributes as small figures, side by side under the club
    int32_t beste[4] = {-1, -1, -1, -1};
    Spieler_Herausragende_Attribute(spnr, 0, 0, beste);
    for (int32_t i = 0; i < 4; ++i)
        if (beste[i] >= 0) Spieler_Figur_Zeichnen_Rgb(Spieler_Figur_Art(beste[i]), beste[i], k, 44 + 18 * i, 36, rgb);
}

}  // namespace

void Spieler_Einsetzen_Spielerliste_Zeichnen(Menue_Icon* icon, Rastport* ziel)
{
    if (!icon || !ziel || icon->kennung_1 < 0 || icon->kennung_1 >= Spieler_Anzahl) return;
    Rastport* k = Grafik_Bitmap_Anlegen(KARTE_B, KARTE_H, ziel->depth);
    if (!k) return;
    karte_malen(k, icon->kennung_1, icon->kennung_2, icon->farbe);
    const int32_t w = icon->breite ? icon->breite : KARTE_B, h = icon->hoehe ? icon->hoehe : KARTE_H;
    if (w >= KARTE_B && h >= KARTE_H) {
        Grafik_Blit(k, 0, 0, KARTE_B, KARTE_H, ziel, icon->x, icon->y);
    } else if (Rastport* klein = Grafik_Bitmap_Anlegen(w, h, ziel->depth)) {
        Grafik_Bild_Verkleinern(k, klein, w, h);
        Grafik_Blit(klein, 0, 0, w, h, ziel, icon->x, icon->y);
        Grafik_Bitmap_Freigeben(klein);
    }
    Grafik_Bitmap_Freigeben(k);
}
