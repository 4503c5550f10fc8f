// The refresh of the icon screen and the drawing of one icon: its bitmap through the blit
// worker, then its texts.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "graphics/font.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_meldung.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/eingabe.h"
#include "platform/print.h"
#include "toolkit/dienste.h"
#include "toolkit/menue_intern.h"
#include "toolkit/screen.h"
#include "toolkit/scroll.h"
#include "toolkit/slave.h"

namespace {

constexpr int32_t MAX_SCROLLBUTTONS = 199;
constexpr int32_t WERTTEXT_KLEIN = 11;

bool in_scrollscreen(const Menue_Icon* i) { return i->scrollscreen < MENUE_SCROLLSCREENS; }

bool ist_seite(const Rastport* rp) { return rp && (rp == Grafik_Seite_0 || rp == Grafik_Seite_1); }

// The back page as render target; a target that is no screen page hands its picture over first.
void rueckseite()
{
    if (Grafik_Render_Ziel && !ist_seite(Grafik_Render_Ziel)) Grafik_Screen_Seite_Wechseln(0, 1);
    Grafik_Screen_Seite_Waehlen(1);
}

bool farbe_gueltig(int32_t index) { return index >= 0 && index < UI_FARBEN; }

int32_t font_hoehe(const Font_Record* f) { return f && f->strip ? int32_t(f->strip->height) : 0; }

// Prints one text in up to three passes: a shadow in pixel value 1, a doubled pass, the text.
void drucken(Rastport* ziel, Font_Record* font, uint8_t stil, uint32_t farbe, int32_t x, int32_t y,
             const char* format, const char* text, int32_t zahl)
{
    auto eins = [&](uint32_t f, int32_t px) {
        if (text) Grafik_Printf(ziel, font, format, px, y, int(f), text);
        else Grafik_Printf(ziel, font, format, px, y, int(f), zahl);
    };
    if (stil & TEIL_SCHATTEN) eins(1, x++);
    if (stil & TEIL_DOPPELT) eins(farbe, x++);
    eins(farbe, x);
}

void teil_zeichnen(Menue_Icon* icon, Menue_Text_Teil* teil, Rastport* ziel, int32_t ix, int32_t iy)
{
    if (!farbe_gueltig(teil->farbe_an) || !farbe_gueltig(teil->farbe_aus) || !farbe_gueltig(teil->farbe_3)) {
        Print_Fehler("Textfarbe illegal !");
        return;
    }
    uint32_t farbe;
    if (icon->status & ICON_GESPERRT) farbe = UI_Farbtabelle[UI_FARBE_GESPERRT].farbe;
    else farbe = UI_Farbtabelle[Menue_Knopf_Zustand(icon->nummer) ? teil->farbe_an : teil->farbe_aus].farbe;
    Font_Record* font = Font(teil->font);
    char format[24];
    if (teil->text) std::snprintf(format, sizeof format, "^c%%05d%%s");
    else std::snprintf(format, sizeof format, "^c%%05d%%%dd", teil->feldbreite);
    bool absolut = teil->stil & TEIL_ABSOLUT;
    int32_t x, y;
    if (teil->stil & TEIL_ZENTRIERT_X) {
        int32_t breite;
        if (teil->text) breite = Font_Text_Breite(font, teil->text);
        else {
            char zahl[16];
            std::snprintf(zahl, sizeof zahl, "%*d", int(teil->feldbreite), int(teil->zahl));
            breite = Font_Text_Breite(font, zahl);
        }
        x = (absolut ? teil->x : ix + icon->breite / 2 + teil->x) - breite / 2;
    } else {
        x = absolut ? teil->x : ix + teil->x;
    }
    if (teil->stil & TEIL_ZENTRIERT_Y)
        y = (absolut ? teil->y : iy + icon->hoehe / 2 + teil->y) + font_hoehe(font) / 2;
    else
        y = absolut ? teil->y : iy + teil->y;
    drucken(ziel, font, teil->stil, farbe, x, y, format, teil->text, teil->zahl);
}

}  // namespace

void Menue_Icon_Texte_Zeichnen(Menue_Icon* icon, Rastport* ziel, int32_t x, int32_t y)
{
    if (!icon->daten || !ziel) return;
    if (icon->flags & ICON_TEXT) {
        auto* erster = static_cast<Menue_Text_Teil*>(icon->daten);
        for (Menue_Text_Teil* t = erster; t; t = t->naechster) {
            if ((t->stil & TEIL_PROZEDUR) && t->prozedur) t->prozedur(icon, t);
            teil_zeichnen(icon, t, ziel, x, y);
        }
    }
    if (icon->flags & ICON_WERTTEXT) {
        const char* text = static_cast<const char*>(icon->daten);
        // A label wider than its button takes the small font.
        Font_Record* font = Font(9);
        if (Font_Text_Breite(font, text) > int32_t(icon->breite) - 2) font = Font(WERTTEXT_KLEIN);
        int32_t index = (icon->status & ICON_GESPERRT) ? UI_FARBE_GESPERRT : Menue_Knopf_Zustand(icon->nummer) ? 41 : 42;
        int32_t tx = x + icon->breite / 2 - Font_Text_Breite(font, text) / 2;
        int32_t ty = y + (icon->hoehe + font_hoehe(font)) / 2 - 2;
        Grafik_Printf(ziel, font, "^c%05d%s", tx, ty, int(UI_Farbtabelle[index].farbe), text);
    }
}

const UI_Farbe* Menue_Icon_Hervorhebung(const Menue_Icon* icon)
{
    const uint8_t f = icon->farbe;
    const bool eigene = icon->bitmap_quelle == -1 && !Menue_Ist_Slave_Icon(icon);
    if (eigene || f >= UI_FARBEN || f == 20 || f == 24 || f == 25 || f == 41 || !UI_Farbtabelle[f].staerke)
        return nullptr;
    return &UI_Farbtabelle[f];
}

bool Menue_Icon_Ist_Innen(const Menue_Icon* i)
{
    if (i->status & ICON_VERSTECKT) return false;
    if (in_scrollscreen(i)) {
        if (i->refresh & REFRESH_SICHTBAR) return true;
        const Scrollscreen* s = Menue_Get_Scrollscreen(i->scrollscreen);
        if (!s) return false;
        return i->x <= s->x + s->sicht_breite && i->x + i->breite >= s->x && i->y <= s->y + s->sicht_hoehe &&
               i->y + i->hoehe >= s->y;
    }
    return i->x >= i->bereich[0] && i->y >= i->bereich[1] && i->x + i->breite <= i->bereich[2] &&
           i->y + i->hoehe <= i->bereich[3];
}

Rastport* Menue_Blit_Rastport(Menue_Icon* icon, int32_t* x, int32_t* y)
{
    if (!icon || !x || !y) {
        Print_Fehler("Menue_Blit_Rastport: x||y||s_icon==NULL!");
        return nullptr;
    }
    *x = icon->x;
    *y = icon->y;
    if (in_scrollscreen(icon)) {
        const Scrollscreen* s = Menue_Get_Scrollscreen(icon->scrollscreen);
        if (s && s->bitmap) {
            *x = icon->x - s->x + ((s->flags & 1) ? s->position : 0);
            *y = icon->y - s->y + ((s->flags & 1) ? 0 : s->position);
            return s->bitmap;
        }
    }
    return Grafik_Render_Ziel;
}

void Menue_Screen_Refresh(uint8_t flags, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    // A screen drawn on the back page outside a manager's turn starts from the turn end's fill.
    Menue_Seite_Fuellen_Nachholen();
    ++Menue_Status.refresh_tiefe;
    if (y1 != -1 && Grafik_Render_Ziel && Grafik_Seite_1) {
        if (Grafik_Render_Ziel != Grafik_Seite_1)
            Grafik_Blit(Grafik_Render_Ziel, x1, y1, x2 - x1, y2 - y1, Grafik_Seite_1, x1, y1);
        Grafik_Screen_Seite_Waehlen(1);
    }
    bool beruehrt[MENUE_SCROLLSCREENS] = {};
    Menue_Icon* knoepfe[MAX_SCROLLBUTTONS];
    int32_t anzahl_knoepfe = 0;
    for (int32_t p = 0; p < MENUE_PRIORITAETEN; ++p)
        for (int32_t s = Menue_Icons.hoechster[p]; s >= 0; --s) {
            Menue_Icon* icon = Menue_Icons.slot[p][s];
            if (!icon || (icon->flags & ICON_NIE_ZEICHNEN)) continue;
            if (icon->status & ICON_VERSTECKT) icon->refresh = 0;
            if (!icon->refresh) continue;
            if (in_scrollscreen(icon)) icon->refresh = uint8_t((icon->refresh & ~REFRESH_NORMAL) | REFRESH_OHNE_SEITE);
            if (!Menue_Screen_Icon_Bitmap(icon)) {
                Print_Fehler("Menue_Screen_Refresh: Kein Base-Icon fuer Screen-Icon Nr. %d !", icon->nummer);
                continue;
            }
            bool innen = Menue_Icon_Ist_Innen(icon);
            if (!(icon->refresh & REFRESH_OHNE_SEITE)) rueckseite();
            if (innen) {
                if (icon->refresh & REFRESH_UNTERGRUND) Menue_Screen_Icon_Hintergrund_Neu(icon);
                if (icon->refresh & REFRESH_HINTERGRUND) Menue_Screen_Icon_Hintergrund_Zeichnen(icon);
                if (!Menue_Icons.reg[icon->nummer].gesichert && !(icon->refresh & REFRESH_NICHT_SICHERN))
                    Menue_Screen_Icon_Hintergrund_Sichern(icon);
                if (in_scrollscreen(icon)) beruehrt[icon->scrollscreen] = true;
                if (icon->flags & ICON_SCROLLBUTTON) {
                    if (anzahl_knoepfe < MAX_SCROLLBUTTONS) knoepfe[anzahl_knoepfe++] = icon;
                    else Print_Fehler("Menue_Screen_Refresh: anz_scrollbuttons zu klein!");
                }
            }
            if (Menue_Icons.modal_tiefe < 0) Print_Fehler("schirm_abgedunkelt<0!");
            if (icon->flags & ICON_EBENE) Menue_Schirm_Aufhellen(Menue_Icons.reg[icon->nummer].hintergrund, 0);
            Menue_Icon_Blit(icon);
            if (icon->status & ICON_EBENEN_REFRESH) Menue_Icon_Multilayer_Refresh(icon, p + 1, 0);
            icon->refresh = 0;
        }
    for (int32_t n = 0; n < MENUE_SCROLLSCREENS; ++n)
        if (beruehrt[n])
            if (Scrollscreen* s = Menue_Get_Scrollscreen(n); s && s->prozedur) s->prozedur(n, 0x80000000u);
    for (int32_t p = 0; p < MENUE_PRIORITAETEN; ++p)
        for (int32_t k = 0; k < anzahl_knoepfe; ++k)
            if (knoepfe[k]->prioritaet == p && knoepfe[k]->daten)
                Menue_Balken_Prozedur_Aufrufen(static_cast<Menue_Scrollbar_Daten*>(knoepfe[k]->daten)->wert_prozedur, knoepfe[k]);
    if (y1 != -1 && Grafik_Seite_0 && Grafik_Seite_1) {
        Grafik_Blit(Grafik_Seite_1, x1, y1, x2 - x1, y2 - y1, Grafik_Seite_0, x1, y1);
        Grafik_Screen_Seite_Waehlen(0);
    }
    if (ist_seite(Grafik_Render_Ziel)) {
        Grafik_Screen_Seite_Zeigen(1);
        Grafik_Screen_Seite_Waehlen(0);
    }
    if (flags & 0x2)
        while (Maus_Get_Tasten_Quit() == 1) {
        }
    if (--Menue_Status.refresh_tiefe != 0) Print_Fehler("Menue_Screen_Refresh: REKURSIONSFEHLER!");
}

void Menue_Icon_Blit(Menue_Icon* icon)
{
    if (!icon) {
        Print_Fehler("Menue_Icon_Blit: icon=NULL!");
        return;
    }
    if (icon->flags & ICON_NIE_ZEICHNEN) return;
    Menue_Screen_Icon_Bitmap(icon);
    bool innen = Menue_Icon_Ist_Innen(icon);
    bool prozedur = (innen || in_scrollscreen(icon)) && icon->refresh_prozedur;
    int32_t x, y;
    Rastport* ziel = Menue_Blit_Rastport(icon, &x, &y);
    if (prozedur && !(icon->status & ICON_SPAETER_REFRESH)) {
        // What the procedure prints on the screen belongs to the icon (for the text check).
        Grafik_Kasten_Bereich kasten(ziel, x, y, x + icon->breite, y + icon->hoehe, "Icon", icon->nummer);
        icon->refresh_prozedur(icon, 0);
    }
    if (icon->status & ICON_VERSTECKT) return;
    // The procedure may have moved the icon or given it another bitmap.
    ziel = Menue_Blit_Rastport(icon, &x, &y);
    Rastport* bm = Menue_Screen_Icon_Bitmap(icon);
    if (bm && ziel) Menue_Icon_Blit_Effekt(icon, bm, ziel, x, y);
    Grafik_Kasten_Bereich kasten(ziel, x, y, x + icon->breite, y + icon->hoehe, "Icon", icon->nummer);
    Menue_Icon_Texte_Zeichnen(icon, ziel, x, y);
    if (prozedur && (icon->status & ICON_SPAETER_REFRESH)) icon->refresh_prozedur(icon, 0);
}

int32_t Menue_Font_Passend(int32_t font, const char* text, int32_t breite)
{
    return text && Font_Text_Breite(Font(font), text) > breite ? MENUE_SCHMAL_FONT : font;
}

int32_t Menue_Universaler_Text_Refresh(Menue_Icon* icon, uint32_t)
{
    if (!icon || !(icon->flags & ICON_SLAVE_FEST) || !icon->daten) return 0;
    const auto* t = static_cast<const Menue_Icon_Text*>(icon->daten);
    if (!farbe_gueltig(t->textfarbe) || !farbe_gueltig(t->hintergrund)) {
        Print_Fehler("Textfarbe illegal !");
        return 0;
    }
    Rastport* bm = Menue_Screen_Icon_Bitmap(icon);
    if (!bm) return 0;
    Grafik_Rechteck_Fuellen(bm, 0, 0, icon->breite, icon->hoehe, uint16_t(UI_Farbtabelle[t->hintergrund].farbe));
    if (icon->nummer < 701 && t->text) {
        size_t grenze = icon->nummer >= 200 ? 250 : 200;
        if (std::strlen(t->text) > grenze)
            Print_Fehler("Menue_Universaler_Text_Refresh: Text von Icon %d zu lang!", icon->nummer);
    }
    Font_Record* font = Font(t->font);
    drucken(bm, font, t->stil, UI_Farbtabelle[t->textfarbe].farbe, 0, int32_t(font->ascent),
            t->text ? "^c%05d%s" : "^c%05d%d", t->text, t->zahl);
    return 1;
}

void Menue_Icon_Multilayer_Refresh(Menue_Icon* icon, int32_t erste, uint8_t zwingen)
{
    if (!icon || (icon->flags & ICON_KLANG_5)) return;
    if (!zwingen && !(icon->status & ICON_EBENEN_REFRESH)) return;
    if (++Menue_Status.ebenen_tiefe > 40) {
        Print_Fehler("Menue_Icon_Multilayer_Refresh: %d rekursiver Aufruf!", Menue_Status.ebenen_tiefe);
        --Menue_Status.ebenen_tiefe;
        return;
    }
    for (int32_t p = std::max(erste, int32_t(0)); p < MENUE_PRIORITAETEN; ++p)
        for (int32_t s = Menue_Icons.hoechster[p]; s >= 0; --s) {
            Menue_Icon* o = Menue_Icons.slot[p][s];
            if (!o || o == icon || !Menue_Icons.vorhanden[o->nummer] || (o->status & ICON_VERSTECKT) ||
                (o->flags & ICON_KLANG_5))
                continue;
            if (p == icon->prioritaet && (o->status & (ICON_GESPERRT | ICON_GESPERRT_2))) continue;
            if (o->x >= icon->x + icon->breite || o->x + o->breite <= icon->x || o->y >= icon->y + icon->hoehe ||
                o->y + o->hoehe <= icon->y)
                continue;
            Menue_Icon_Blit(o);
            o->refresh = 0;
            Menue_Icon_Multilayer_Refresh(o, p + 1, zwingen);
        }
    --Menue_Status.ebenen_tiefe;
}

void Menue_Screen_Icon_Hintergrund_Zeichnen(Menue_Icon* icon)
{
    if (!icon || !Menue_Nummer_Gueltig(icon->nummer)) return;
    const Menue_Register_Eintrag& r = Menue_Icons.reg[icon->nummer];
    if (!r.hintergrund || !r.gesichert) {
        Menue_Screen_Icon_Hintergrund_Neu(icon);
        return;
    }
    int32_t x, y;
    Rastport* ziel = Menue_Blit_Rastport(icon, &x, &y);
    if (icon->flags & ICON_EBENE) x = y = 0;
    if (ziel) Grafik_Blit(r.hintergrund, 0, 0, int32_t(r.hintergrund->width), int32_t(r.hintergrund->height), ziel, x, y);
}

void Menue_Screen_Icon_Hintergrund_Neu(Menue_Icon* icon)
{
    if (!icon) {
        Print_Fehler("Menue_Screen_Icon_Hintergrund_Neu: s_icon==NULL!");
        return;
    }
    if (Menue_Nummer_Gueltig(icon->nummer) && Menue_Icons.reg[icon->nummer].hintergrund && Menue_Icons.reg[icon->nummer].gesichert) {
        Menue_Screen_Icon_Hintergrund_Zeichnen(icon);
        return;
    }
    int32_t x, y;
    Rastport* ziel = Menue_Blit_Rastport(icon, &x, &y);
    if (!ziel) return;
    if (ziel != Grafik_Render_Ziel) Grafik_Rechteck_Fuellen(ziel, x, y, icon->breite, icon->hoehe, 0);
    else Menue_Hintergrund_Kopieren(ziel, icon->x, icon->y, icon->breite, icon->hoehe, 0, 0);
}
