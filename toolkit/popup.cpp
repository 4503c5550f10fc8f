#include "toolkit/popup.h"

#include <algorithm>

#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_effekt.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_filter.h"
#include "graphics/grafik_meldung.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_wappen.h"
#include "graphics/grafik_zeichnen.h"
#include "network/internet.h"
#include "platform/maus.h"
#include "platform/os/os.h"
#include "platform/print.h"
#include "platform/timer.h"
#include "platform/win95.h"

int32_t Popup_Wert = -1;

namespace {

constexpr int32_t N = MENUE_KONTEXT_EINTRAEGE;
constexpr uint32_t RAUS_MS = 400;
constexpr int32_t ABDUNKELN = 80;
// A sub-list's answer when a press outside both lists or Escape closed it: the main list closes too.
constexpr int32_t POPUP_DRAUSSEN_GEKLICKT = 3;
constexpr char GLYPHE_PFEIL = char(135);

Rastport* bilder[2][N] = {};
Popup_Rechteck lage[2] = {};
bool offen[2] = {};  // while the list's loop runs
// The parent row of an open sub-list (screen coordinates).
Popup_Rechteck eltern = {};
// The left button is held over the hovered row: it is drawn pressed.
bool taste_links = false;

bool da(const Menue_Kontextmenue* l, int32_t i) { return l->texte[i] != nullptr; }
bool waehlbar(const Menue_Kontextmenue* l, int32_t i) { return l->status[i] & POPUP_WAEHLBAR; }

Rastport* schirm() { return Grafik_Seite_0 ? Grafik_Seite_0 : Grafik_Render_Ziel; }

bool in(const Popup_Rechteck& r, int32_t x, int32_t y)
{
    return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;
}

// A row's step and a separator's extra rows: a list that would be taller than the screen
// closes up its separators, then its rows, so that it fits.
struct Masse {
    int32_t zeile = 13, trenner = 8;
};
Masse masse(const Menue_Kontextmenue* l)
{
    int32_t zeilen = 0, trenner = 0;
    for (int32_t i = 0; i < N; ++i)
        if (da(l, i)) {
            ++zeilen;
            if (l->status[i] & POPUP_TRENNER) ++trenner;
        }
    const int32_t kopf = l->titel ? 32 : 13, platz = 480 - kopf;
    Masse m;
    if (zeilen * m.zeile + trenner * m.trenner <= platz) return m;
    m.trenner = 2;
    if (zeilen > 0 && zeilen * m.zeile + trenner * m.trenner > platz)
        m.zeile = std::max<int32_t>(10, (platz - trenner * m.trenner) / zeilen);
    return m;
}

// `unsichtbar`: the list is laid out but not drawn; its texts still leave the font as drawn ones would.
int32_t zeichnen(Rastport* bm, Menue_Kontextmenue* l, int32_t* ys, int32_t* idx, int32_t hover, uint8_t sub,
                 bool unsichtbar = false)
{
    for (int32_t i = 0; i < N; ++i) ys[i] = idx[i] = -1;
    if (!bm || !l) return 0;
    auto* drucken = unsichtbar ? &Grafik_Printf_Ungezeichnet : &Grafik_Printf;
    Font_Record* f = Font(3);
    const int32_t w = int32_t(bm->width), asc = f ? int32_t(f->ascent) : 9;
    const uint16_t grau = Grafik_Farbe(8, 8, 8);
    int32_t y = 16;
    if (l->titel) {
        drucken(bm, f, "^ic%05d^tz%04d%s", 0, 18, 1, int(w / 2), l->titel);
        drucken(bm, f, "^c%05d^tz%04d%s", 0, 16, int(Grafik_Farbe(15, 15, 0)), int(w / 2), l->titel);
        if (!unsichtbar) Grafik_Linie(bm, 4, 22, w - 4, 22, grau);
        y = 36;
    }
    const Masse m = masse(l);
    int32_t n = 0;
    for (int32_t i = 0; i < N; ++i) {
        if (!da(l, i)) continue;
        const int32_t oben = y - asc;
        ys[n] = oben;
        idx[n++] = i;
        const uint16_t st = l->status[i];
        if (Rastport* b = bilder[sub][i]; b && !unsichtbar) Grafik_Blit_Transparent(b, 0, 0, 12, 12, bm, 20, oben + 1);
        const int32_t text_tab = l->bilder[i] ? 38 : 20;
        // The sub-list arrow stands at the right edge, clear of the widest text.
        const int32_t pfeil_tab = w - 10;
        const char pfeil = l->unterlisten[i] ? GLYPHE_PFEIL : ' ';
        const char* fmt = "^c%05d^tl%04d%c^tl%04d%s^tr%04d%c";
        const bool gedrueckt = i == hover && taste_links && waehlbar(l, i) && !l->unterlisten[i];
        if (gedrueckt) {
            drucken(bm, f, fmt, 2, y + 2, int(Grafik_Farbe(2, 10, 2)), 6, Popup_Liste_Zeichen(st, 1), int(text_tab),
                    l->texte[i], int(pfeil_tab), pfeil);
        } else {
            uint16_t farbe;
            if (!waehlbar(l, i)) farbe = (st & POPUP_KEIN_HOVER) ? Grafik_Farbe(10, 10, 10) : grau;
            else if (i == hover && !(st & POPUP_KEIN_HOVER)) farbe = Grafik_Farbe(9, 9, 15);
            else farbe = Grafik_Farbe(15, 15, 15);
            drucken(bm, f, "^ic%05d^tl%04d%c^tl%04d%s^tr%04d%c", 2, y + 2, 1, 6, Popup_Liste_Zeichen(st, 0),
                    int(text_tab), l->texte[i], int(pfeil_tab), pfeil);
            drucken(bm, f, fmt, 0, y, int(farbe), 6, Popup_Liste_Zeichen(st, 0), int(text_tab), l->texte[i],
                    int(pfeil_tab), pfeil);
        }
        if (st & POPUP_TRENNER) {
            if (!unsichtbar) Grafik_Linie(bm, 4, y + m.trenner - 1, w - 4, y + m.trenner - 1, grau);
            y += m.trenner;
        }
        y += m.zeile;
    }
    return n;
}

// One run of a list: its place, its bitmaps and its rows.
struct Lauf {
    Menue_Kontextmenue* l = nullptr;
    uint8_t sub = 0;
    Popup_Rechteck r{};
    Rastport* gesichert = nullptr;  // the screen 10 pixels around the list
    Popup_Rechteck g{};
    Rastport* grund = nullptr;      // the blurred screen under the list
    Rastport* bild = nullptr;       // the list drawn on it
    int32_t ys[N], idx[N];
    int32_t zeilen = 0;
    int32_t hover = -1;

    ~Lauf()
    {
        Grafik_Bitmap_Freigeben(gesichert);
        Grafik_Bitmap_Freigeben(grund);
        Grafik_Bitmap_Freigeben(bild);
    }

    // Over a page nobody sees, with nobody told what is drawn, the list's picture never shows:
    // its rows are laid out only.
    static bool unsichtbar()
    {
        return Grafik_Niemand_Sieht(schirm());
    }

    void neu_zeichnen(int32_t h_item)
    {
        hover = h_item;
        const bool still = unsichtbar();
        if (!still) Grafik_Blit(grund, 0, 0, r.w, r.h, bild, 0, 0);
        zeilen = zeichnen(bild, l, ys, idx, hover, sub, still);
        Grafik_Blit(bild, 0, 0, r.w, r.h, schirm(), r.x, r.y);
    }

    // Saves the screen around the list (0: nothing could be saved) and makes the blurred
    // background (false: the work bitmaps are missing).
    int vorbereiten()
    {
        Rastport* s = schirm();
        const int32_t tiefe = s ? s->depth : 16;
        g = {r.x - 10, r.y - 10, r.w + 20, r.h + 20};
        gesichert = Grafik_Bitmap_Anlegen_Fuer_Kopie(s, g.x, g.y, g.w, g.h, tiefe);
        if (!gesichert) return 0;
        Grafik_Blit(s, g.x, g.y, g.w, g.h, gesichert, 0, 0);
        grund = Grafik_Bitmap_Anlegen_Fuer_Kopie(s, r.x, r.y, r.w, r.h, tiefe);
        // Filled whole from the ground before anything reads it.
        bild = Grafik_Bitmap_Anlegen_Fuer_Kopie(grund, 0, 0, r.w, r.h, tiefe);
        if (!grund || !bild) return -1;
        Grafik_Blit(s, r.x, r.y, r.w, r.h, grund, 0, 0);
        // Over a screen page nobody sees the ground is undefined: nothing to blur or darken.
        if (!Grafik_Seite_Ungesehen(s)) {
            if (l->listen_flags & POPUP_WEICH) {
                Grafik_Filter_Anwenden(&Filter_Kern_Weich, grund);
            } else {
                Grafik_Filter_Anwenden(&Filter_Kern_Halbieren, grund);
                Grafik_Rand_Fuellen(grund, 0);
            }
            // The rows read over any screen: what shows through is blurred and dark.
            Grafik_Blit_Abdunkeln(grund, 0, 0, r.w, r.h, grund, 0, 0, ABDUNKELN);
        }
        Grafik_Blit(grund, 0, 0, r.w, r.h, bild, 0, 0);
        zeilen = zeichnen(bild, l, ys, idx, -1, sub, unsichtbar());
        return 1;
    }

    void zurueck() { Grafik_Blit(gesichert, 0, 0, g.w, g.h, schirm(), g.x, g.y); }

    // The item under the pointer and its row top; -1 when none.
    int32_t zeile_unter(int32_t mx, int32_t my, int32_t* oben) const
    {
        for (int32_t k = 0; k < zeilen; ++k)
            if (in({r.x + 1, r.y + ys[k], r.w - 2, 12}, mx, my)) {
                *oben = ys[k];
                return idx[k];
            }
        return -1;
    }
};

void klemmen(Popup_Rechteck& r)
{
    if (r.x + r.w > 640) r.x = 640 - r.w;
    if (r.y + r.h > 480) r.y = 480 - r.h;
    if (r.x < 0) r.x = 0;
    if (r.y < 0) r.y = 0;
}

void aufrollen(Lauf& a)
{
    if (a.l->listen_flags & POPUP_AUFROLLEN)
        for (int32_t h = 10; h < a.r.h && !Programm_Ende; h += 10) {
            Grafik_Blit(a.bild, 0, 0, a.r.w, h, schirm(), a.r.x, a.r.y);
            Win95_Sleep(3);
        }
    Grafik_Blit(a.bild, 0, 0, a.r.w, a.r.h, schirm(), a.r.x, a.r.y);
}

// What the loop ended with.
struct Wahl {
    int32_t eintrag = -1;     // the item chosen last (its values as they were then)
    int32_t c = 0, a = 0, b = 0;
    bool nachher = false;     // its procedure runs after the list closed
    bool unterliste = false;  // a sub-list's choice closed both lists
    bool abbruch = false;     // Escape or a press outside closed it
    bool draussen = false;    // the press was outside every list, or Escape: every list closes
};

void merken(Wahl& w, const Menue_Kontextmenue* l, int32_t i)
{
    w.eintrag = i;
    w.c = l->wert_c[i];
    w.a = l->wert_a[i];
    w.b = l->wert_b[i];
}

// A release over the pressed row: the choice. True when the list closes.
bool waehlen(Lauf& a, Wahl& w, int32_t i)
{
    Menue_Kontextmenue* l = a.l;
    const uint16_t st = l->status[i];
    merken(w, l, i);
    bool zu = false;
    if (!(st & POPUP_SOFORT)) {
        if (!(st & POPUP_BLEIBT)) {
            w.nachher = true;
            zu = true;
        } else {
            if (l->prozeduren[i]) l->prozeduren[i](i, l->wert_c[i], l->wert_a[i], l->wert_b[i]);
            Popup_Liste_Auswahl(l, i);
        }
    } else {
        if (l->prozeduren[i]) l->prozeduren[i](i, l->wert_c[i], l->wert_a[i], l->wert_b[i]);
        if (!(st & POPUP_BLEIBT)) zu = true;
        else Popup_Liste_Auswahl(l, i);
    }
    if (st & POPUP_ALLE_AUS) Popup_Liste_Alle_Aus(l);
    if ((st & POPUP_NEU_ZEICHNEN) && !zu) a.neu_zeichnen(a.hover);
    return zu;
}

// The input loop of a list. For a sub-list, `haupt` is the main list's run (its parent row
// keeps the sub-list open).
Wahl schleife(Lauf& a, Lauf* haupt)
{
    Wahl w;
    int32_t gedrueckt = -1;
    int32_t letzte_tasten = -1;
    int32_t lx = Maus_Get_X(), ly = Maus_Get_Y();
    uint32_t letzte_zeit = Timer_Get_Time();
    uint32_t draussen_seit = 0;
    bool draussen = false;
    // A key pressed before the list opened is not meant for it.
    Win95_Eingabe.taste = -1;
    int32_t tasten_zuvor = Maus_Get_Tasten();
    // Each pump takes one message, and a key's release clears the key: it is looked at after
    // every pump.
    bool escape = false;
    const auto taste_sehen = [&escape] { escape = escape || Win95_Eingabe.taste == VK_ESCAPE; };
    while (!Programm_Ende) {
        if (Netz_Rolle & 1) Steuersignal_Verarbeiten();
        taste_sehen();
        const int32_t tasten = Maus_Get_Tasten();
        taste_sehen();
        const int32_t mx = Maus_Get_X(), my = Maus_Get_Y();
        const uint32_t jetzt = Timer_Get_Time();
        const bool geruht = mx == lx && my == ly && jetzt != letzte_zeit;
        lx = mx, ly = my, letzte_zeit = jetzt;
        if (tasten == 2) break;
        // Escape closes the list; so does a press outside it, which then goes nowhere else.
        if (escape) {
            Win95_Eingabe.taste = -1;
            w.abbruch = true;
            // In a sub-list it closes the main list too: the key is taken, and a list left open
            // would swallow the next click.
            w.draussen = true;
            break;
        }
        const bool drin = in(a.r, mx, my) || (haupt && in(eltern, mx, my));
        const bool neu_gedrueckt = tasten == 1 && tasten_zuvor != 1;
        tasten_zuvor = tasten;
        if (!drin && neu_gedrueckt) {
            while (Maus_Get_Tasten() != 0 && !Programm_Ende) Win95_Sleep(1);
            w.abbruch = true;
            // Outside the main list too: both lists close.
            w.draussen = !haupt || !in(haupt->r, mx, my);
            break;
        }
        if (!drin) {
            if (!draussen) draussen = true, draussen_seit = jetzt;
            else if (jetzt - draussen_seit > RAUS_MS) break;
        } else {
            draussen = false;
        }
        int32_t oben = 0;
        const int32_t i = in(a.r, mx, my) ? a.zeile_unter(mx, my, &oben) : -1;
        if (i < 0) {
            if (a.hover != -1 || gedrueckt != -1) {
                taste_links = false;
                a.neu_zeichnen(-1);
            }
            gedrueckt = -1;
            letzte_tasten = tasten;
            Win95_Sleep(1);
            continue;
        }
        Menue_Kontextmenue* l = a.l;
        const int32_t vorher = letzte_tasten;
        if (tasten == 0 && gedrueckt != -1) {
            // Only a release over the row that was pressed chooses it.
            if (gedrueckt == i && waehlbar(l, i) && !l->unterlisten[i]) {
                if (waehlen(a, w, i)) break;
            }
            gedrueckt = -1;
        }
        if (i != a.hover || tasten != letzte_tasten) {
            taste_links = tasten == 1;
            a.neu_zeichnen(i);
        }
        letzte_tasten = tasten;
        bool oeffnen = false;
        // A press starts on one row; dragging the held button to another row does not move it.
        if (tasten == 1 && vorher != 1) {
            gedrueckt = i;
            oeffnen = l->unterlisten[i] != nullptr;
        }
        if (!a.sub && l->unterlisten[i] && (geruht || oeffnen)) {
            eltern = {a.r.x, a.r.y + oben, a.r.w + 2, 13};
            if (Menue_Kontextmenue* u = l->unterlisten[i](l, i)) {
                const int32_t r = Popup_Unterliste_Ausfuehren(u, a.gesichert, a.r.w, a.r.h, a.r.x, a.r.y);
                if (r == 2) {
                    w.unterliste = true;
                    break;
                }
                if (r == POPUP_DRAUSSEN_GEKLICKT) {
                    w.abbruch = true;
                    break;
                }
                gedrueckt = -1;
                a.neu_zeichnen(-1);
            }
            lx = -1;  // the rest must come anew
        }
        Win95_Sleep(1);
    }
    taste_links = false;
    return w;
}

void bilder_anlegen(const Menue_Kontextmenue* l, uint8_t sub)
{
    Popup_Liste_Bilder_Anlegen(l, sub);
}

}  // namespace

Popup_Rechteck Popup_Liste_Rechteck(uint8_t sub) { return lage[sub ? 1 : 0]; }
bool Popup_Liste_Offen(uint8_t sub) { return offen[sub ? 1 : 0]; }

uint8_t Popup_Wert_Merken(int32_t eintrag, int32_t, int32_t, int32_t)
{
    Popup_Wert = eintrag;
    return 1;
}

int32_t Popup_Liste_Breite(const Menue_Kontextmenue* l)
{
    if (!l) return 0;
    Font_Record* f = Font(3);
    int32_t w = l->titel ? Font_Text_Breite_Mit_Tabs(f, l->titel) : 0;
    bool bild = false;
    for (int32_t i = 0; i < N; ++i) {
        if (!da(l, i)) continue;
        const int32_t b = Font_Text_Breite_Mit_Tabs(f, l->texte[i]);
        if (b > w) w = b;
        bild = bild || l->bilder[i];
    }
    return w + (bild ? 18 : 0);
}

int32_t Popup_Liste_Hoehe(const Menue_Kontextmenue* l)
{
    if (!l) return 0;
    const Masse m = masse(l);
    int32_t h = l->titel ? 32 : 13;
    for (int32_t i = 0; i < N; ++i) {
        if (!da(l, i)) continue;
        h += m.zeile;
        if (l->status[i] & POPUP_TRENNER) h += m.trenner;
    }
    return h;
}

char Popup_Liste_Zeichen(uint16_t st, uint8_t gedrueckt)
{
    const bool an = ((st & POPUP_GEWAEHLT) != 0) != (gedrueckt != 0);
    if (st & POPUP_HAKEN) return char(an ? 144 : 143);
    if (st & POPUP_RADIO) return char(an ? 134 : 128);
    return ' ';
}

int32_t Popup_Liste_Zeichnen(Rastport* bm, Menue_Kontextmenue* l, int32_t* ys, int32_t* idx, int32_t hover)
{
    return zeichnen(bm, l, ys, idx, hover, 0);
}

int32_t Popup_Unterliste_Zeichnen(Rastport* bm, Menue_Kontextmenue* l, int32_t* ys, int32_t* idx, int32_t hover)
{
    return zeichnen(bm, l, ys, idx, hover, 1);
}

int32_t Popup_Liste_Bilder_Anlegen(const Menue_Kontextmenue* l, uint8_t sub)
{
    sub = sub ? 1 : 0;
    Popup_Liste_Bilder_Freigeben(sub);
    if (!l) return 0;
    const int32_t tiefe = schirm() ? schirm()->depth : 16;
    int32_t n = 0;
    for (int32_t i = 0; i < N; ++i) {
        if (!da(l, i) || !l->bilder[i]) continue;
        if ((bilder[sub][i] = Grafik_Bitmap_Anlegen(12, 12, tiefe))) {
            Grafik_Bild_Verkleinern(l->bilder[i], bilder[sub][i], 12, 12);
            ++n;
        }
    }
    return n;
}

void Popup_Liste_Bilder_Freigeben(uint8_t sub)
{
    for (Rastport*& b : bilder[sub ? 1 : 0]) b = Grafik_Bitmap_Freigeben(b);
}

void Popup_Liste_Bilder_Aufraeumen(Menue_Kontextmenue* l)
{
    if (!l) return;
    for (int32_t i = 0; i < N; ++i)
        if ((l->status[i] & POPUP_BILD_FREIGEBEN) && l->bilder[i]) l->bilder[i] = Grafik_Bitmap_Freigeben(l->bilder[i]);
}

void Popup_Liste_Alle_Aus(Menue_Kontextmenue* l)
{
    if (!l) return;
    for (uint16_t& s : l->status) s &= uint16_t(~POPUP_GEWAEHLT);
}

void Popup_Liste_Auswahl(Menue_Kontextmenue* l, int32_t eintrag)
{
    if (!l || eintrag < 0 || eintrag >= N) return;
    auto trennt = [l](int32_t i) {
        return da(l, i) && (l->status[i] & POPUP_TRENNER) && !(l->status[i] & POPUP_GRUPPE_WEITER);
    };
    int32_t von = 0;
    for (int32_t i = eintrag - 1; i >= 0; --i)
        if (trennt(i)) {
            von = i + 1;
            break;
        }
    int32_t bis = N - 1;
    for (int32_t i = eintrag; i < N; ++i)
        if (trennt(i)) {
            bis = i;
            break;
        }
    uint16_t& st = l->status[eintrag];
    if (st & POPUP_RADIO) {
        for (int32_t i = von; i <= bis; ++i)
            if (l->status[i] & POPUP_RADIO) l->status[i] &= uint16_t(~POPUP_GEWAEHLT);
        st |= POPUP_GEWAEHLT;
    } else if (st & POPUP_HAKEN) {
        st ^= POPUP_GEWAEHLT;
    }
}

int32_t Popup_Liste_Ausfuehren(Menue_Kontextmenue* l)
{
    if (!l) {
        Print_Fehler("Popup_Liste_Ausfuehren: liste==NULL!");
        return 1;
    }
    l->listen_flags |= POPUP_AUFROLLEN;
    Mauszeiger_Select(5);
    Font_Set(3, Font(3)->colour);
    bilder_anlegen(l, 0);
    Lauf a;
    a.l = l;
    a.r = {Maus_Get_X() - 20, Maus_Get_Y() - 20, Popup_Liste_Breite(l) + 45, Popup_Liste_Hoehe(l)};
    klemmen(a.r);
    lage[0] = a.r;
    const int v = a.vorbereiten();
    if (v <= 0) {
        Popup_Liste_Bilder_Freigeben(0);
        Mauszeiger_Select(0);
        return v == 0 ? 1 : 0;
    }
    aufrollen(a);
    Mauszeiger_Select(0);
    while (Maus_Get_Tasten() == 2 && !Programm_Ende) {
    }
    offen[0] = true;
    const Wahl w = schleife(a, nullptr);
    offen[0] = false;
    if (!w.unterliste) a.zurueck();
    Popup_Liste_Bilder_Freigeben(0);
    int32_t ergebnis = w.unterliste ? 2 : 1;
    if (w.nachher && l->prozeduren[w.eintrag]) {
        l->prozeduren[w.eintrag](w.eintrag, w.c, w.a, w.b);
        ergebnis = 2;
    }
    Popup_Liste_Bilder_Aufraeumen(l);
    if (w.eintrag >= 0 && l->listen_prozedur) l->listen_prozedur(w.eintrag, w.c, w.a, w.b);
    return ergebnis;
}

int32_t Popup_Unterliste_Ausfuehren(Menue_Kontextmenue* l, Rastport* haupt_gesichert, int32_t haupt_w, int32_t haupt_h,
                                    int32_t haupt_x, int32_t haupt_y)
{
    if (!l) return 1;
    l->listen_flags |= POPUP_AUFROLLEN;
    bilder_anlegen(l, 1);
    Lauf a;
    a.l = l;
    a.sub = 1;
    const int32_t w = Popup_Liste_Breite(l) + 30;
    int32_t x = haupt_x + haupt_w;
    if (x + w > 640) x = haupt_x - w;
    a.r = {x, eltern.y - 6, w, Popup_Liste_Hoehe(l)};
    klemmen(a.r);
    lage[1] = a.r;
    const int v = a.vorbereiten();
    if (v <= 0) {
        if (v < 0) a.zurueck();
        Popup_Liste_Bilder_Freigeben(1);
        return 1;
    }
    aufrollen(a);
    Lauf haupt;  // only its rectangle matters: the parent row keeps the sub-list open
    haupt.r = {haupt_x, haupt_y, haupt_w, haupt_h};
    offen[1] = true;
    const Wahl wahl = schleife(a, &haupt);
    offen[1] = false;
    Popup_Liste_Bilder_Freigeben(1);
    a.zurueck();
    if (wahl.abbruch) {
        Popup_Liste_Bilder_Aufraeumen(l);
        return wahl.draussen ? POPUP_DRAUSSEN_GEKLICKT : 1;
    }
    if (wahl.eintrag < 0 || (!wahl.nachher && !(l->status[wahl.eintrag] & POPUP_SOFORT)) ||
        (l->status[wahl.eintrag] & POPUP_BLEIBT)) {
        Popup_Liste_Bilder_Aufraeumen(l);
        return 1;
    }
    // The choice closes both lists: the main list's screen goes back before anything runs.
    if (haupt_gesichert)
        Grafik_Blit(haupt_gesichert, 0, 0, int32_t(haupt_gesichert->width), int32_t(haupt_gesichert->height), schirm(),
                    haupt_x - 10, haupt_y - 10);
    if (wahl.nachher && l->prozeduren[wahl.eintrag]) l->prozeduren[wahl.eintrag](wahl.eintrag, wahl.c, wahl.a, wahl.b);
    Popup_Liste_Bilder_Aufraeumen(l);
    if (l->listen_prozedur) l->listen_prozedur(wahl.eintrag, wahl.c, wahl.a, -1);
    return 2;
}
