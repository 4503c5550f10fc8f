#include "toolkit/scroll.h"

#include <algorithm>
#include <cstring>

#include "database/manager.h"
#include "gameflow/globals.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_screen.h"
#include "platform/maus.h"
#include "platform/print.h"
#include "platform/win95.h"
#include "toolkit/icon.h"
#include "toolkit/menue_intern.h"
#include "toolkit/screen.h"
#include "toolkit/slave.h"

// Three static tables as the screens know them: 0..11, 12..19, 20..22.
static Scrollscreen scroll_tabelle_1[12];
static Scrollscreen scroll_tabelle_2[8];
static Scrollscreen scroll_tabelle_3[3];
static Scrollscreen* scrollscreens[MENUE_SCROLLSCREENS];

void Menue_Scrollscreens_Init()
{
    for (int32_t n = 0; n < MENUE_SCROLLSCREENS; ++n) {
        scrollscreens[n] = n < 12 ? &scroll_tabelle_1[n] : n < 20 ? &scroll_tabelle_2[n - 12] : &scroll_tabelle_3[n - 20];
        scrollscreens[n]->bitmap = Grafik_Bitmap_Freigeben(scrollscreens[n]->bitmap);
    }
}

Scrollscreen* Menue_Get_Scrollscreen(int32_t nummer)
{
    if (nummer < 0 || nummer >= MENUE_SCROLLSCREENS) {
        Print_Fehler("Menue_Get_Scrollscreen: nr falsch!");
        return nullptr;
    }
    if (!scrollscreens[nummer]) Menue_Scrollscreens_Init();
    return scrollscreens[nummer];
}

void Menue_Scrollscreens_Freigeben()
{
    for (Scrollscreen* s : scrollscreens)
        if (s) s->bitmap = Grafik_Bitmap_Freigeben(s->bitmap);
}

int32_t Menue_Balken_Prozedur_Aufrufen(Menue_Balken_Prozedur prozedur, Menue_Icon* icon)
{
    return prozedur ? prozedur(icon, Menue_Abs_Balkenpos(icon)) : 0;
}


// The track of a bar along its axis: x for a horizontal bar (y marker -1), else y.
static bool ist_horizontal(const Menue_Scrollbar_Daten* d) { return d->y_marke == -1; }
static int32_t spur_start(const Menue_Scrollbar_Daten* d) { return ist_horizontal(d) ? d->x_start : d->y_start; }
static int32_t spur_ende(const Menue_Scrollbar_Daten* d) { return ist_horizontal(d) ? d->x_ende : d->y_ende; }
static Menue_Scrollbar_Daten* balken_daten(Menue_Icon* icon)
{
    return icon && (icon->flags & ICON_SCROLLBUTTON) ? static_cast<Menue_Scrollbar_Daten*>(icon->daten) : nullptr;
}
static int32_t knopf_position(const Menue_Icon* icon, const Menue_Scrollbar_Daten* d)
{
    return ist_horizontal(d) ? icon->x : icon->y;
}

int32_t Menue_Position_In_Prozent(int32_t wert, uint8_t vorwaerts, int32_t min, int32_t max, int32_t ziel_min,
                                  int32_t ziel_max)
{
    const int32_t bereich = max - min;
    if (!vorwaerts) wert = max - wert + 1;
    const float p = bereich > 0 ? float(wert - min) * 100.0f / float(bereich) : 0.0f;
    return int32_t(float(ziel_min) + float(ziel_max - ziel_min) * p * 0.01f + 0.5f);
}

int32_t Menue_Wert_In_Scrollpos_Umrechnen(int32_t team, int32_t nummer, Menue_Icon* icon, int32_t wert,
                                          uint8_t vorwaerts, int32_t min, int32_t max, int32_t start,
                                          int32_t ende)
{
    if (nummer != -1) icon = Menue_Screen_Icon_Aus_Nummer(nummer);
    if (!icon) return -1;
    const Menue_Scrollbar_Daten* d = balken_daten(icon);
    if (!d) {
        Print_Fehler("Menue_Wert_In_Scrollpos_Umrechnen: scr==NULL!\n");
        return -1;
    }
    if (start == -1) start = spur_start(d);
    if (ende == -1) ende = spur_ende(d);
    const int32_t position = Menue_Position_In_Prozent(wert, vorwaerts, min, max, start, ende);
    Manager_Icon_Button_An_Aus(team, icon->nummer, uint32_t(position));
    return position;
}

int32_t Menue_Scrollpos_In_Wert_Umrechnen(uint32_t, int32_t nummer, Menue_Icon* icon, int32_t min, int32_t max,
                                          int32_t start, int32_t ende)
{
    if (nummer != -1) icon = Menue_Screen_Icon_Aus_Nummer(nummer);
    if (!icon) {
        Print_Fehler("Menue_Scrollpos_In_Wert_Umrechnen: scroll_icon==NULL!\n");
        return -1;
    }
    const Menue_Scrollbar_Daten* d = balken_daten(icon);
    if (!d) {
        Print_Fehler("Menue_Scrollpos_In_Wert_Umrechnen: scr==NULL!\n");
        return -1;
    }
    if (start == -1) start = spur_start(d);
    if (ende == -1) ende = spur_ende(d);
    if (ende == start) return 0;
    const float p = float(knopf_position(icon, d) - start) * 100.0f / float(ende - start);
    return min + int32_t(float(max - min) * p * 0.01f + 0.5f);
}

Rastport* Menue_Screen_Icon_Scroll_Bitmap(int32_t nummer)
{
    Scrollscreen* s = Menue_Get_Scrollscreen(nummer);
    if (!s) return nullptr;
    if (!s->bitmap) {
        s->bitmap = s->breite > 0 && s->hoehe > 0 ? Grafik_Bitmap_Anlegen(s->breite, s->hoehe, 16) : nullptr;
        if (s->bitmap)
            Print_Log(0, "Scroll_RP Nr. %d belegt (br=%d,ho=%d), frei=%d\n", nummer, s->breite, s->hoehe, 0);
        else
            Print_Fehler("Menue_Screen_Icon_Scroll_Bitmap: Kein Speicher f. Nr. %d (br=%d, ho=%d)\n", nummer,
                         s->breite, s->hoehe);
    }
    return s->bitmap;
}

// Clears the used part of the content; the record's lengths may claim more than the bitmap has,
// so the fill is cut to the bitmap.
Rastport* Menue_Scrollscreen_Leeren(int32_t nummer)
{
    Scrollscreen* s = Menue_Get_Scrollscreen(nummer);
    if (!s || !s->bitmap) return nullptr;
    Rastport* rp = s->bitmap;
    int32_t w = s->sicht_breite, h = std::max(s->sicht_hoehe, s->laenge);
    if (s->flags & 0x1) w = std::max(s->sicht_breite, s->laenge), h = s->sicht_hoehe;
    w = std::clamp(w, 0, int32_t(rp->width));
    h = std::clamp(h, 0, int32_t(rp->height));
    const uint32_t bpp = Grafik_Bytes_Pro_Pixel(rp->depth);
    auto* pixel = static_cast<uint8_t*>(rp->pixels);
    for (int32_t y = 0; y < h; ++y) std::memset(pixel + size_t(y) * rp->width * bpp, 0, size_t(w) * bpp);
    return rp;
}

void Menue_Scrollscreen_Verschiebung(int32_t nummer)
{
    Scrollscreen* s = Menue_Get_Scrollscreen(nummer);
    if (!s) return;
    const int32_t d = s->letzte_position == -1 ? s->position : s->position - s->letzte_position;
    s->letzte_position = s->position;
    if (!d) return;
    const bool horizontal = s->flags & 0x1;
    for (int32_t p = 0; p < MENUE_PRIORITAETEN; ++p)
        for (int32_t i = Menue_Icons.hoechster[p]; i >= 0; --i) {
            Menue_Icon* icon = Menue_Icons.slot[p][i];
            if (!icon || icon->scrollscreen != uint8_t(nummer)) continue;
            if (horizontal)
                icon->x = int16_t(icon->x - d);
            else
                icon->y = int16_t(icon->y - d);
        }
}

void Menue_Dynamischen_Scrollbar_Korrigieren(Scrollscreen* s)
{
    if (s) s->letzte_position = s->position;
}

static void zeigen(Menue_Icon* icon, bool sichtbar)
{
    if (sichtbar) {
        if (icon->status & ICON_VERSTECKT) {
            icon->status &= uint16_t(~ICON_VERSTECKT);
            icon->refresh |= REFRESH_NORMAL;
        }
    } else {
        icon->status |= ICON_VERSTECKT;
        if (icon->status & ICON_HINTERGRUND_BEHALTEN) icon->refresh |= REFRESH_UNTERGRUND;
    }
}

// A track of zero length leaves nothing to scroll: the bar hides, as it does for content that
// fits its window.
void Menue_Scrollscreen_Rasterbreite_Festlegen(int32_t nummer)
{
    Scrollscreen* s = Menue_Get_Scrollscreen(nummer);
    if (!s) return;
    Menue_Icon* spur = s->balken_icon >= 0 ? Menue_Screen_Icon_Aus_Nummer(s->balken_icon) : nullptr;
    Menue_Icon* knopf = spur && spur->verknuepft >= 0 ? Menue_Screen_Icon_Aus_Nummer(spur->verknuepft) : nullptr;
    Menue_Scrollbar_Daten* d = balken_daten(knopf);
    if (!d) {
        Print_Fehler("Menue_Scrollscreen_Rasterbreite_Festlegen: scrollbutton_icon=NULL\n");
        return;
    }
    const int32_t sicht = (s->flags & 0x1) ? s->sicht_breite : s->sicht_hoehe;
    const int32_t spur_laenge = spur_ende(d) - spur_start(d);
    if (s->laenge - s->erste_zeile > sicht && spur_laenge > 0) {
        zeigen(spur, true);
        zeigen(knopf, true);
        d->faktor = float(s->laenge - sicht) * 100.0f / float(spur_laenge);
    } else {
        zeigen(spur, false);
        zeigen(knopf, false);
        d->faktor = 0.0f;
        s->position = 0;
    }
}

int32_t Menue_Abs_Balkenpos(Menue_Icon* icon)
{
    Menue_Scrollbar_Daten* d = balken_daten(icon);
    if (!d) {
        Print_Fehler("Menue_Abs_Balkenpos: sc=NULL!\n");
        return -1;
    }
    Scrollscreen* s = d->scrollscreen >= 0 && d->scrollscreen < MENUE_SCROLLSCREENS
                          ? Menue_Get_Scrollscreen(d->scrollscreen) : nullptr;
    if (s) Menue_Scrollscreen_Rasterbreite_Festlegen(d->scrollscreen);
    const int32_t start = spur_start(d), ende = spur_ende(d);
    int32_t position = int32_t(Menue_Knopf_Zustand(icon->nummer));
    // A savegame may hold a position outside the track; kept, it would point the offset outside
    // the content bitmap.
    if (position < start || position > ende) {
        Print_Fehler("Menue_Abs_Balkenpos: Scrollbutton-Pos falsch!");
        position = std::clamp(position, start, std::max(start, ende));
    }
    const int32_t wert = int32_t(float(position - start) * d->faktor * 0.01f);
    if (s) s->position = wert;
    return wert;
}

// Puts the button at a new place on its track, stores it for the acting manager and tells the
// bar's value procedure.
static void knopf_setzen(Menue_Icon* knopf, Menue_Scrollbar_Daten* d, int32_t position)
{
    const int32_t start = spur_start(d), ende = std::max(spur_start(d), spur_ende(d));
    position = std::clamp(position, start, ende);
    const bool sichtbar = Grafik_Render_Ziel && Menue_Screen_Icon_Ist_Vorhanden(knopf->nummer) &&
                          !(knopf->status & ICON_VERSTECKT);
    const int32_t alt_x = knopf->x, alt_y = knopf->y;
    if (sichtbar) {
        if (Grafik_Seite_1 && Grafik_Render_Ziel != Grafik_Seite_1) Grafik_Screen_Seite_Waehlen(1);
        Menue_Screen_Icon_Hintergrund_Zeichnen(knopf);
    }
    if (ist_horizontal(d))
        knopf->x = int16_t(position);
    else
        knopf->y = int16_t(position);
    if (Aktuelles_Team >= 0) Manager_Icon_Button_An_Aus(Aktuelles_Team, knopf->nummer, uint32_t(position));
    if (sichtbar) {
        Menue_Screen_Icon_Hintergrund_Sichern(knopf);
        Menue_Screen_Icon_Zeichnen(knopf);
        knopf->refresh = 0;
        if (Grafik_Render_Ziel == Grafik_Seite_1 && Grafik_Seite_0) {
            const int32_t x1 = std::min(alt_x, int32_t(knopf->x)), y1 = std::min(alt_y, int32_t(knopf->y));
            const int32_t x2 = std::max(alt_x, int32_t(knopf->x)) + knopf->breite;
            const int32_t y2 = std::max(alt_y, int32_t(knopf->y)) + knopf->hoehe;
            Grafik_Blit(Grafik_Seite_1, x1, y1, x2 - x1, y2 - y1, Grafik_Seite_0, x1, y1);
        }
    }
    Menue_Balken_Prozedur_Aufrufen(d->wert_prozedur, knopf);
}

// The pixels one wheel step moves a button: 3000 / f, f the bar's factor rounded, capped at 250
// and at least 1.
int32_t Menue_Scrollbar_Rad_Schritt(Menue_Icon* icon)
{
    const Menue_Scrollbar_Daten* d = balken_daten(icon);
    int32_t f = 50;
    if (d) {
        f = int32_t(d->faktor + 0.5f);
        if (d->scrollscreen < 0 && f == 1) f = 400;
        else if (d->scrollscreen < 0 && f == 100) f = 300;
        f = std::clamp(f, 1, 250);
    }
    return 3000 / f;
}

void Menue_Scrollbar_Rad(Menue_Icon* icon)
{
    Menue_Scrollbar_Daten* d = balken_daten(icon);
    if (!d) return;
    if (icon->status & (ICON_GESPERRT | ICON_GESPERRT_2)) return;
    const int32_t schritt = Menue_Scrollbar_Rad_Schritt(icon);
    knopf_setzen(icon, d, knopf_position(icon, d) + (Win95_Eingabe.rad < 0 ? -schritt : schritt));
}

int32_t Menue_Scrollbar_Klick(Menue_Icon* spur, uint32_t)
{
    if (!spur) {
        Print_Fehler("Menue_Scrollbar_Klick: icon=NULL!");
        return 0;
    }
    Menue_Icon* knopf = spur->verknuepft >= 0 ? Menue_Screen_Icon_Aus_Nummer(spur->verknuepft) : nullptr;
    Menue_Scrollbar_Daten* d = balken_daten(knopf);
    if (!d) {
        Print_Fehler("Menue_Scrollbar_Klick: Kein Scr_Icon!\n");
        return 0;
    }
    if (knopf->status & (ICON_GESPERRT | ICON_GESPERRT_2)) return 0;
    const int32_t position = ist_horizontal(d) ? Maus_Get_X() - knopf->breite / 2 : Maus_Get_Y() - knopf->hoehe / 2;
    knopf_setzen(knopf, d, position);
    return 0;
}

int32_t Menue_Universale_Scroll_Prozedur(Menue_Icon* icon, int32_t wert)
{
    if (!icon) {
        Print_Fehler("Menue_Universale_Scroll_Prozedur: s_icon==NULL!\n");
        return 0;
    }
    const Menue_Scrollbar_Daten* d = balken_daten(icon);
    if (!d) {
        Print_Fehler("Menue_Universale_Scroll_Prozedur: s_icon ohne scrollbar_type!\n");
        return 0;
    }
    Menue_Universale_Scroll_Blit_Prozedur(d->scrollscreen, uint32_t(wert));
    return 0;
}

// The window's background: the window slave when the record names one, else the menu background.
static void fenster_hintergrund(const Scrollscreen* s, Rastport* ziel)
{
    Rastport* slave = s->fenster_slave >= 0 ? Menue_Get_Slave_Rastport(s->fenster_slave) : nullptr;
    if (slave)
        Grafik_Blit(slave, 0, 0, int32_t(slave->width), int32_t(slave->height), ziel, s->x, s->y);
    else
        Menue_Hintergrund_Kopieren(ziel, s->x, s->y, s->sicht_breite, s->sicht_hoehe, 0, 0);
}

// Icons outside the scroll screen that lie over its window above the screen's own icons (a
// table head, a frame) are drawn again over the new content, at most five.
static void overlays_zeichnen(int32_t nummer, const Scrollscreen* s)
{
    int32_t unterste = 0;
    for (int32_t p = 0; p < MENUE_PRIORITAETEN; ++p)
        for (int32_t i = 0; i <= Menue_Icons.hoechster[p]; ++i)
            if (const Menue_Icon* icon = Menue_Icons.slot[p][i]; icon && icon->scrollscreen == uint8_t(nummer))
                unterste = p + 1;
    int32_t anzahl = 0;
    for (int32_t p = unterste; p < MENUE_PRIORITAETEN && anzahl < MENUE_SCROLL_OVERLAYS; ++p)
        for (int32_t i = Menue_Icons.hoechster[p]; i >= 0 && anzahl < MENUE_SCROLL_OVERLAYS; --i) {
            Menue_Icon* icon = Menue_Icons.slot[p][i];
            if (!icon || icon->scrollscreen < MENUE_SCROLLSCREENS || (icon->status & ICON_VERSTECKT) ||
                (icon->flags & ICON_NIE_ZEICHNEN))
                continue;
            if (icon->x >= s->x + s->sicht_breite || icon->x + icon->breite <= s->x ||
                icon->y >= s->y + s->sicht_hoehe || icon->y + icon->hoehe <= s->y)
                continue;
            Menue_Icon_Blit(icon);
            ++anzahl;
        }
}

// Shows the content rectangle at the current position in the window; the rectangle is cut to
// the content bitmap, whatever the record's position says.
void Menue_Universale_Scroll_Blit_Prozedur(int32_t nummer, uint32_t)
{
    Scrollscreen* s = nummer >= 0 && nummer < MENUE_SCROLLSCREENS ? Menue_Get_Scrollscreen(nummer) : nullptr;
    if (!s || !s->bitmap) {
        Print_Fehler("Menue_Universale_Scroll_Blit_Prozedur: ss=NULL!\n");
        return;
    }
    Grafik_Screen_Seite_Waehlen(1);
    Rastport* ziel = Grafik_Render_Ziel;
    if (!ziel) return;
    fenster_hintergrund(s, ziel);
    const bool horizontal = s->flags & 0x1;
    const int32_t sx = horizontal ? s->position : 0, sy = horizontal ? 0 : s->position;
    const int32_t w = std::min(s->sicht_breite, int32_t(s->bitmap->width) - sx);
    const int32_t h = std::min(s->sicht_hoehe, int32_t(s->bitmap->height) - sy);
    if (sx >= 0 && sy >= 0 && w > 0 && h > 0) Grafik_Blit_Transparent(s->bitmap, sx, sy, w, h, ziel, s->x, s->y);
    overlays_zeichnen(nummer, s);
    Menue_Scrollscreen_Verschiebung(nummer);
    // Outside a refresh (a dragged button, the wheel) nobody else shows the back page.
    if (Menue_Status.refresh_tiefe == 0 && Grafik_Seite_0 && ziel == Grafik_Seite_1)
        Grafik_Blit(Grafik_Seite_1, s->x, s->y, s->sicht_breite, s->sicht_hoehe, Grafik_Seite_0, s->x, s->y);
}

void Menue_Kill_Scrollscreen(int32_t nummer, uint32_t flags)
{
    if (nummer < 0 || nummer >= MENUE_SCROLLSCREENS) {
        Print_Fehler("Menue_Kill_Scrollscreen: nr falsch!");
        return;
    }
    Scrollscreen* s = Menue_Get_Scrollscreen(nummer);
    if (s->bitmap) {
        s->bitmap = Grafik_Bitmap_Freigeben(s->bitmap);
        Print_Log(0, "Scroll_RP Nr. %d befreit (br=%d,ho=%d), frei=%d\n", nummer, s->breite, s->hoehe, 0);
    }
    s->letzte_position = -1;
    s->position = 0;
    for (int32_t p = 0; p < MENUE_PRIORITAETEN; ++p)
        for (int32_t i = Menue_Icons.hoechster[p]; i >= 0; --i) {
            Menue_Icon* icon = Menue_Icons.slot[p][i];
            if (icon && icon->scrollscreen == uint8_t(nummer)) Menue_Screen_Icon_Loeschen(-1, icon, 0);
        }
    if (s->balken_icon >= 0) {
        Menue_Icon* spur = Menue_Screen_Icon_Aus_Nummer(s->balken_icon);
        if (spur && spur->verknuepft >= 0 && Menue_Screen_Icon_Ist_Vorhanden(spur->verknuepft))
            Menue_Screen_Icon_Loeschen(spur->verknuepft, nullptr, 0);
        if (Menue_Screen_Icon_Ist_Vorhanden(s->balken_icon)) Menue_Screen_Icon_Loeschen(s->balken_icon, nullptr, 0);
    }
    if (flags && Grafik_Render_Ziel) {
        Rastport* slave = s->fenster_slave >= 0 ? Menue_Get_Slave_Rastport(s->fenster_slave) : nullptr;
        Menue_Hintergrund_Kopieren(Grafik_Render_Ziel, s->x, s->y, slave ? int32_t(slave->width) : s->sicht_breite,
                                   slave ? int32_t(slave->height) : s->sicht_hoehe, 0, 0);
    }
}

// Table rows lie across the whole window: only their extent along the scroll axis is cut.
static bool ist_tabellenzeile(const Menue_Icon* icon)
{
    constexpr uint16_t TABELLENZEILE = 0x200;
    return (icon->status & TABELLENZEILE) && icon->nummer < 701 && icon->nummer != 200;
}

int32_t Menue_Icon_Passgroesse_Ermitteln(Menue_Icon* icon, int32_t* x, int32_t* y, int32_t* groesse)
{
    if (!icon || !x || !y || !groesse) {
        Print_Fehler("Menue_Icon_Passgroesse_Ermitteln: Parameter=NULL!\n");
        return 0;
    }
    *x = icon->x;
    *y = icon->y;
    *groesse = 0;
    const Scrollscreen* s = icon->scrollscreen < MENUE_SCROLLSCREENS ? Menue_Get_Scrollscreen(icon->scrollscreen) : nullptr;
    if (!s) return 0;
    const bool horizontal = s->flags & 0x1;
    // Along the scroll axis: the icon's span cut to the window's.
    const int32_t anfang = horizontal ? icon->x : icon->y, laenge = horizontal ? icon->breite : icon->hoehe;
    const int32_t fenster = horizontal ? s->x : s->y, fenster_laenge = horizontal ? s->sicht_breite : s->sicht_hoehe;
    const int32_t a = std::max(anfang, fenster), e = std::min(anfang + laenge, fenster + fenster_laenge);
    // Across it: a table row counts wherever it stands; other icons must overlap the window.
    const int32_t quer = horizontal ? icon->y : icon->x, quer_laenge = horizontal ? icon->hoehe : icon->breite;
    const int32_t qf = horizontal ? s->y : s->x, qf_laenge = horizontal ? s->sicht_hoehe : s->sicht_breite;
    const bool quer_drin = ist_tabellenzeile(icon) || (quer < qf + qf_laenge && quer + quer_laenge > qf);
    if (e <= a || !quer_drin) return 0;
    (horizontal ? *x : *y) = a;
    if (ist_tabellenzeile(icon)) (horizontal ? *y : *x) = qf;
    *groesse = e - a;
    return 1;
}
