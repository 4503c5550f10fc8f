#include "toolkit/event.h"

#include "database/manager.h"
#include "database/team.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "gameflow/highscore.h"
#include "graphics/font.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/maus.h"
#include "platform/mauszeiger.h"
#include "platform/print.h"
#include "platform/soundeffekt.h"
#include "platform/timer.h"
#include "platform/wert.h"
#include "platform/win95.h"
#include "platform/zufall.h"
#include "toolkit/dienste.h"
#include "toolkit/hilfe.h"
#include "toolkit/mausover.h"
#include "toolkit/menue_intern.h"
#include "toolkit/optionen.h"
#include "toolkit/popup.h"
#include "toolkit/requester.h"
#include "toolkit/runde.h"
#include "toolkit/screen.h"
#include "toolkit/scroll.h"
#include "toolkit/ziehen.h"

Menue_Icon* Menue_Aktuelles_Icon = nullptr;
Menue_Icon* Menue_Gezogenes_Icon = nullptr;
Rastport* Menue_Zieh_Bild = nullptr;
Rastport* Menue_Zieh_Hintergrund = nullptr;
int32_t Menue_Zieh_Versatz[2] = {0, 0};
int32_t Menue_Letzte_Mauspos[2] = {0, 0};
uint8_t Menue_Modal_Aktiv = 0;
int32_t Menue_Hover_Rechteck[4] = {0, 0, 0, 0};
uint8_t Menue_Hilfe_Status = 0;
int32_t Menue_Glow_Stufe = 0;
uint32_t Menue_Rad_Zeit = 0;
uint32_t Menue_Zeitlimit = 0;
uint32_t Menue_Startzeit = 0;
int32_t Menue_Wippe_Verzoegerung = 250;
int32_t Menue_Wippe_Schritt = 10;

namespace {

constexpr int32_t MAX_KANDIDATEN = 700;
constexpr int32_t MAX_GLOW = 19;
constexpr uint16_t GESPERRT = ICON_GESPERRT | ICON_GESPERRT_2;

// Time since the current icon changed or was clicked.
uint32_t stoppuhr = 0;
int32_t zeiger_form = 0;
int32_t balken_x = -1;
// The click sound of the last real click; a forced click plays it again.
int32_t letzter_klang = 4;
Menue_Icon* letzter_klick = nullptr;
uint32_t letzte_flags = 0;
// One press is one click: once a press has fired, the held button fires nothing more (in the
// next menu round or the next manager's turn either) until it has been up or pressed anew.
// Rockers repeat while held on purpose.
bool druck_gefeuert = false;
// A press belongs to the icon it was begun on: only that one may fire for it. While the press
// is open (it has not yet been through a whole step) the icon at the press's place may take it;
// after that only the icon it fired (a rocker repeats), none when it was begun beside every
// icon. A button held from empty space and carried onto an icon so fires nothing.
bool druck_offen = false;
Menue_Icon* druck_ziel = nullptr;
int32_t druck_stelle[2] = {0, 0};

struct Schritt {
    int32_t x = 0, y = 0, tasten = 0;
    uint32_t jetzt = 0;
    int16_t einstellung = -1;          // the help setting, read when an icon first wants it
    bool oben = false;                 // a top layer (priority 24 or more) was met
    Menue_Icon* modal = nullptr;
    int32_t modal_rechteck[4] = {};    // x1, y1, x2, y2, closed
    Menue_Icon* kandidaten[MAX_KANDIDATEN];
    int32_t anzahl = 0;
    Menue_Icon* glow[MAX_GLOW];
    int32_t glows = 0;
};

uint8_t hilfe_einstellung()
{
    if (Aktuelles_Team < 0) return 5;
    const auto* b = static_cast<const uint8_t*>(Team_Zeiger(309, Aktuelles_Team, nullptr, 0));
    return b ? b[0] : 5;
}

// Only the current icon's help asks for the setting: a step with the pointer beside every icon
// (nearly every idle pass) reads no manager.
uint8_t einstellung(Schritt& st)
{
    if (st.einstellung < 0) st.einstellung = hilfe_einstellung();
    return uint8_t(st.einstellung);
}

// The walk asks these of every icon on every pass: kept inline.
[[gnu::always_inline]] inline bool im_bereich(const Menue_Icon* i, int32_t x, int32_t y)
{
    return x >= i->bereich[0] && x <= i->bereich[2] && y >= i->bereich[1] && y <= i->bereich[3];
}

// One unsigned compare per axis: a point left of or above the icon wraps far beyond its size.
// Taken in 64 bits, so that no position can overflow into the icon.
[[gnu::always_inline]] inline bool in_flaeche(const Menue_Icon* i, int32_t x, int32_t y)
{
    return uint64_t(int64_t(x) - i->x) < i->breite && uint64_t(int64_t(y) - i->y) < i->hoehe;
}

// The pointer is outside nearly every icon: the rectangle is asked first.
[[gnu::always_inline]] inline bool im_rechteck(const Menue_Icon* i, int32_t x, int32_t y)
{
    return in_flaeche(i, x, y) && im_bereich(i, x, y);
}

// A pixel-exact icon asks its picture within its area, which pumps the messages once; any other
// is hit in its rectangle within its area.
[[gnu::always_inline]] inline bool getroffen(const Menue_Icon* i, int32_t x, int32_t y)
{
    if (!(i->flags & ICON_PIXELGENAU) || (i->flags & ICON_SLAVE_FEST)) return im_rechteck(i, x, y);
    return im_bereich(i, x, y) && Maus_Over_Bild(i->bitmap, i->x, i->y) != 0;
}

// True when the held press may fire this icon.
bool druck_gehoert(const Menue_Icon* i)
{
    return druck_offen ? im_rechteck(i, druck_stelle[0], druck_stelle[1]) : i == druck_ziel;
}

bool ueberdeckt(const Menue_Icon* i, const Schritt& st)
{
    const int32_t* m = st.modal_rechteck;
    return i->x <= m[2] && i->x + i->breite >= m[0] && i->y <= m[3] && i->y + i->hoehe >= m[1];
}

void kandidat(Schritt& st, Menue_Icon* icon)
{
    if (st.anzahl >= MAX_KANDIDATEN) {
        Print_Fehler("Menue_Icons_Check: neue_gefunden zu klein!\n");
        return;
    }
    st.kandidaten[st.anzahl++] = icon;
}

void warte_tasten_los()
{
    while (Maus_Get_Tasten() != 0 && !Programm_Ende) {
    }
}

void strip_loeschen(int32_t hoehe)
{
    if (Grafik_Render_Ziel) Grafik_Rechteck_Fuellen(Grafik_Render_Ziel, 60, 490, 550, hoehe, 0);
}

void verlassen(uint32_t code)
{
    Menue_Hilfe_Status = 0;
    Menue_Hilfe_Schliessen();
    if (Menue_Aktuelles_Icon && !Menue_Gezogenes_Icon) Menue_Glow_Beenden();
    strip_loeschen(12);
    if (!Menue_Modal_Aktiv && !Menue_Gezogenes_Icon && Menue_Aktuelles_Icon)
        Menue_Mouse_Not_Over_Info(Menue_Aktuelles_Icon, nullptr, 0, 1, code);
    Menue_Wippe_Zuruecksetzen(Menue_Aktuelles_Icon);
}

bool spiel_laeuft() { return Eingang_Get_Spiel_Gestartet(); }

bool automatik() { return Menue_Automatik_Aktiv(0) || Menue_Merker(); }

// Draws the icon on the back page and carries its rectangle onto the screen at once.
void sofort_zeichnen(Menue_Icon* icon)
{
    Grafik_Screen_Seite_Waehlen(1);
    Menue_Screen_Icon_Zeichnen(icon);
    if (Grafik_Render_Ziel == Grafik_Seite_1 && Grafik_Seite_0)
        Grafik_Blit(Grafik_Seite_1, icon->x, icon->y, icon->breite, icon->hoehe, Grafik_Seite_0, icon->x, icon->y);
}

// The click part of the dispatch: the click procedure of the current icon.
int8_t klick(Schritt& st, Menue_Icon* icon, bool erzwungen)
{
    // Leaving resets a pressed rocker; a held rocker clicking again keeps its repeat speed, or
    // it would never get faster.
    const bool wiederholt = (icon->flags & ICON_WERTFELD) && uint16_t(icon->kennung_2) == WIPPE_GEDRUECKT;
    const int32_t verzoegerung = Menue_Wippe_Verzoegerung, schritt = Menue_Wippe_Schritt;
    verlassen(0x20);
    if (wiederholt) Menue_Wippe_Verzoegerung = verzoegerung, Menue_Wippe_Schritt = schritt;
    if (!erzwungen && (icon->flags & ICON_ZIEHBAR) && (!Menue_Modal_Aktiv || icon->prioritaet > 19)) {
        Win95_Sleep(200);
        if (Maus_Get_Tasten() == 1) {
            Menue_Drag_Start(icon, st.x, st.y);
            return 0;
        }
    }
    Menue_Mouse_Not_Over_Info(icon, Menue_Gezogenes_Icon, Menue_Modal_Aktiv, 1, 0x120);
    bool wippe = icon->flags & ICON_WERTFELD;
    int32_t klang = letzter_klang;
    if (!erzwungen) {
        if (icon->flags & ICON_KEIN_KLANG) klang = -1;
        else if (wippe) klang = st.tasten == 2 ? 4 : -1;
        else if (icon->flags & ICON_KLANG_5) klang = 5;
        else if (icon->status & ICON_KLANG_6) klang = 6;
        else klang = 4;
        letzter_klang = klang;
    }
    uint32_t flags = erzwungen ? 0u : st.tasten == 2 ? uint32_t(KLICK_RECHTS) : uint32_t(KLICK_LINKS);
    if (wippe && !erzwungen) {
        int32_t zone = Menue_Wippe_Zone(icon, st.x, st.y);
        Menue_Wippe_Zone_Zeichnen(icon, zone);
        icon->kennung_2 = int16_t(WIPPE_GEDRUECKT);
        flags |= zone < 3 ? 1 : 2;
        if (icon->flags & ICON_WIPPE_STANDARD) Menue_Wippe_Standard(icon, flags);
    }
    if (icon->flags & ICON_KLICK_MARKE) flags |= KLICK_MARKE;
    if (icon->status & ICON_GEDRUECKT) {
        Manager_Icon_Button_An_Aus(Aktuelles_Team, icon->nummer, 9000);
        sofort_zeichnen(icon);
        Manager_Icon_Button_An_Aus(Aktuelles_Team, icon->nummer, 0);
    }
    letzter_klick = icon;
    letzte_flags = flags;
    icon->klick(icon, flags);
    if (klang >= 0) Soundeffekt_Play_Pos(klang, icon->x + icon->breite / 2);
    if (icon->status & ICON_GEDRUECKT) {
        warte_tasten_los();
        if (!Grafik_Screen_Seite_Ist_Aktiv()) Grafik_Screen_Seite_Waehlen(1);
        sofort_zeichnen(icon);
    }
    stoppuhr = Timer_Get_Time();
    if (!Menue_Aktuelles_Icon) return -2;
    if (wippe && !erzwungen) {
        Win95_Sleep(uint32_t(Menue_Wippe_Verzoegerung));
        if (Menue_Wippe_Verzoegerung > 70) {
            Menue_Wippe_Verzoegerung -= Menue_Wippe_Schritt;
            ++Menue_Wippe_Schritt;
        }
        return 1;
    }
    if (icon->klick == Menue_Scrollbar_Klick) {
        Menue_Glow_Beenden();
        Menue_Wippe_Zuruecksetzen(icon);
        Menue_Aktuelles_Icon = nullptr;
        return 1;
    }
    Menue_Wippe_Zuruecksetzen(icon);
    Menue_Aktuelles_Icon = nullptr;
    return 2;
}

// The dispatch of a firing current icon; false in `gehandelt` when nothing happened.
int8_t feuern(Schritt& st, Menue_Icon* icon, bool& gehandelt)
{
    gehandelt = true;
    if (icon->nummer == MENUE_WEITER_ICON && st.tasten == 1 && !Menue_Gezogenes_Icon && spiel_laeuft()) {
        verlassen(0x20);
        Menue_Aktuelles_Icon = Menue_Gezogenes_Icon = nullptr;
        if (automatik() || Menue_Runde_Beenden_Pruefen()) return -1;
        return 0;
    }
    if (Menue_Gezogenes_Icon) return Menue_Drop(st.x, st.y);
    if (st.tasten == 2 && icon->kontext) {
        verlassen(0x28);
        Menue_Wippe_Zuruecksetzen(icon);
        Menue_Aktuelles_Icon = nullptr;
        if (Menue_Kontextmenue* m = icon->kontext(icon)) Popup_Liste_Ausfuehren(m);
        warte_tasten_los();
        return 2;
    }
    if (icon->klick) return klick(st, icon, false);
    if (icon->flags & ICON_ZIEHBAR) {
        Menue_Drag_Start(icon, st.x, st.y);
        return 0;
    }
    gehandelt = false;
    return 0;
}

// Before priority 19 is walked: the things that concern the step as a whole. True when the
// step ends here with *ergebnis.
bool tor(Schritt& st, int32_t icon_nr, int8_t* ergebnis)
{
    if (icon_nr != -1 && !Menue_Modal_Aktiv) {
        if (!Menue_Nummer_Gueltig(icon_nr)) Print_Fehler("Menue_Icons_Check: icon_nr=%d!", icon_nr);
        else if (Menue_Icon* f = Menue_Icons.reg[icon_nr].icon) {
            if (f != Menue_Aktuelles_Icon) verlassen(0x20);
            Menue_Aktuelles_Icon = f;
            if (f->nummer == MENUE_WEITER_ICON && !Menue_Gezogenes_Icon && spiel_laeuft()) {
                verlassen(0x20);
                Menue_Aktuelles_Icon = Menue_Gezogenes_Icon = nullptr;
                *ergebnis = (automatik() || Menue_Runde_Beenden_Pruefen()) ? -1 : 0;
                return true;
            }
            if (f->klick) {
                *ergebnis = klick(st, f, true);
                return true;
            }
        }
    }
    Menue_Icon* cur = Menue_Aktuelles_Icon;
    if (!Menue_Gezogenes_Icon && cur) {
        const int32_t* h = Menue_Hover_Rechteck;
        bool drauf = getroffen(cur, st.x, st.y) ||
                     (st.x >= h[0] && st.x < h[0] + h[2] && st.y >= h[1] && st.y < h[1] + h[3] && im_bereich(cur, st.x, st.y));
        if (!drauf) {
            verlassen(0x20);
            Menue_Aktuelles_Icon = nullptr;
            *ergebnis = 1;
            return true;
        }
    }
    if (cur && (cur->flags & ICON_WERTFELD) && st.tasten != 1) Menue_Wippe_Zuruecksetzen(cur);
    if (Menue_Gezogenes_Icon && st.tasten != 1) {
        *ergebnis = Menue_Drop(st.x, st.y);
        return true;
    }
    if (!cur && !Menue_Modal_Aktiv && st.tasten == 2) {
        verlassen(0x20);
        if (Menue_Kontextmenue* m = Menue_Optionen_Kontextmenue()) Popup_Liste_Ausfuehren(m);
        warte_tasten_los();
        *ergebnis = Aktuelles_Team < 0 ? -1 : 2;
        return true;
    }
    if (automatik() && Menue_Screen_Icon_Ist_Vorhanden(MENUE_WEITER_ICON)) {
        if (Menue_Icon* w = Menue_Icons.reg[MENUE_WEITER_ICON].icon) {
            Menue_Aktuelles_Icon = w;
            st.tasten = 1;
            bool gehandelt = false;
            int8_t r = feuern(st, w, gehandelt);
            if (gehandelt) {
                *ergebnis = r;
                return true;
            }
        }
    }
    return false;
}

// The menu's time as a bar on row 0 of the screen; true when the time ran out.
bool zeitbalken(Schritt& st)
{
    int32_t x = int32_t(uint64_t(st.jetzt - Menue_Startzeit) * 639u / Menue_Zeitlimit);
    Rastport* schirm = Grafik_Seite_0 ? Grafik_Seite_0 : Grafik_Render_Ziel;
    if (x != balken_x && x <= 639 && schirm) {
        Grafik_Linie(schirm, 0, 0, x, 0, Grafik_Farbe(9, 1, 1));
        balken_x = x;
    }
    if (x < 639 || Menue_Modal_Aktiv) return false;
    verlassen(0x20);
    Menue_Aktuelles_Icon = Menue_Gezogenes_Icon = nullptr;
    return true;
}

void rad_kandidaten(Schritt& st)
{
    if (Menue_Modal_Aktiv || Win95_Eingabe.rad == 0) return;
    bool gefunden = false;
    for (int32_t n = 0; n < ANZ_SCREEN_ICONS; ++n) {
        Menue_Icon* i = Menue_Icons.reg[n].icon;
        if (!i || !Menue_Icons.vorhanden[n] || (i->status & 3) || !(i->flags & ICON_SCROLLBUTTON)) continue;
        kandidat(st, i);
        gefunden = true;
    }
    if (gefunden) Menue_Rad_Zeit = st.jetzt;
    else Win95_Eingabe.rad = 0;
}

void hilfe(Schritt& st, Menue_Icon* icon)
{
    // Spoken already: nothing more to come until the icon changes.
    if (Menue_Hilfe_Status != 0 && Menue_Hilfe_Status != 1) return;
    const uint8_t e = einstellung(st);
    uint32_t zeit = st.jetzt - stoppuhr;
    if (Menue_Hilfe_Status == 1 && icon->hilfesound >= 0 && (e & 0x0C) &&
        zeit > ((e & 0x08) ? 1500u : 6000u)) {
        Menue_Hilfe_Sprechen(icon->hilfesound);
        Menue_Hilfe_Status = 2;
    }
    if (Menue_Hilfe_Status == 0 && (e & 0x03) &&
        (zeit > 1500 || (icon->flags & ICON_SOFORT) || (e & 0x02)) &&
        (!(icon->status & ICON_GLUEHT) || Menue_Glow_Stufe > 7) && !Menue_Gezogenes_Icon) {
        Menue_Hilfe_Schliessen();
        if (Aktuelles_Team >= 0) {
            const char* text = icon->mausover ? icon->mausover(icon) : icon->hilfetext;
            if (text && *text)
                Hilfe_Text_Ausgabe(text, -1, -1, 0, (icon->flags & ICON_SOFORT) || (e & 0x02));
        }
        Menue_Hilfe_Status = 1;
    }
}

int32_t abstand(const Menue_Icon* i, int32_t x, int32_t y)
{
    return Hypotenuse_Int(x - (i->x + i->breite / 2), y - (i->y + i->hoehe / 2));
}

void zeiger_waehlen()
{
    Menue_Icon* cur = Menue_Aktuelles_Icon;
    Menue_Icon* gez = Menue_Gezogenes_Icon;
    bool passt = false;
    if (gez && cur && gez->move) {
        int8_t maske = gez->move->maske;
        passt = cur->drop_typ != -1 && maske != -1 && (cur->drop_typ & maske) &&
                (cur != gez || (gez->status & ICON_AUF_SICH_SELBST));
    }
    int32_t form = zeiger_form;
    if (Menue_Modal_Aktiv && !passt && (!cur || cur->prioritaet < 20)) form = 1;
    else if (!cur) form = spiel_laeuft() && !gez ? 19 : 0;
    else if (gez && ((gez->flags & ICON_SCROLLBUTTON) || !gez->move)) form = 0;
    else if (gez && (gez->move->optionen & 0x80)) form = zeiger_form;
    else if (gez) form = passt ? 18 : 0;
    else if (cur->nummer == MENUE_WEITER_ICON && spiel_laeuft()) form = 17;
    else if (cur->status & GESPERRT) form = 1;
    else if (cur->flags & ICON_ZEIGER_15) form = 15;
    else {
        bool klick = cur->klick && !(cur->flags & ICON_KEIN_KLICKZEIGER);
        bool rechts = (cur->flags & ICON_RECHTE_TASTE) || cur->kontext;
        bool zieh = cur->flags & ICON_ZIEHBAR;
        if (klick && rechts) form = zieh ? 14 : 7;
        else if (klick) form = zieh ? 12 : 6;
        else if (rechts) form = zieh ? 13 : 8;
        else form = zieh ? 10 : 0;
    }
    // Work outside the menu (the busy pointer of a load or a list being built) may have changed
    // the pointer behind the menu's back: what is shown counts, not what the menu chose last.
    if (form != zeiger_form || form != Mauszeiger_Get_Selected()) {
        zeiger_form = form;
        Mauszeiger_Select(form);
    }
}

int8_t walk_ende(Schritt& st)
{
    if (st.glows > 0)
        while (Menue_Glow_Stufe <= 7) {
            const int32_t* m = st.modal_rechteck;
            for (int32_t g = 0; g < st.glows; ++g)
                Menue_Glow(st.glow[g], 0, Menue_Modal_Aktiv, m[0], m[1], m[2] - m[0], m[3] - m[1], Menue_Glow_Stufe);
            ++Menue_Glow_Stufe;
            if (Menue_Aktuelles_Icon && !(Menue_Aktuelles_Icon->flags & ICON_SOFORT)) break;
        }
    Menue_Icon* alt = Menue_Aktuelles_Icon;
    if (st.anzahl == 0) {
        if (alt) verlassen(0x20);
        Menue_Aktuelles_Icon = nullptr;
        stoppuhr = st.jetzt;
    } else {
        bool rad = Win95_Eingabe.rad != 0;
        Menue_Icon* sieger = nullptr;
        int32_t bester = 0;
        for (int32_t k = 0; k < st.anzahl; ++k) {
            Menue_Icon* c = st.kandidaten[k];
            int32_t wert;
            if (rad) {
                Menue_Icon* l = (c->flags & ICON_SCROLLBUTTON) && Menue_Nummer_Gueltig(c->verknuepft)
                                    ? Menue_Icons.reg[c->verknuepft].icon : nullptr;
                wert = l ? abstand(l, st.x, st.y) : 2000000;
            } else {
                wert = abstand(c, st.x, st.y) - 1000 * c->prioritaet;
            }
            if (c->status & 0x5002) wert += 2;
            if (!sieger || wert < bester) sieger = c, bester = wert;
        }
        if (sieger != alt && alt) {
            verlassen(0x20);
            Menue_Aktuelles_Icon = nullptr;
        }
        if (sieger != alt || (sieger->flags & ICON_MAUSOVER_WIEDER) || rad) {
            strip_loeschen(20);
            if (Grafik_Render_Ziel && !Grafik_Seite_Ungesehen(Grafik_Render_Ziel))
                Grafik_Printf(Grafik_Render_Ziel, Font(3),
                              "^c%05dAuf Icon %d, Abst=%d (x:%d,y:%d), Pri=%d, Status=%d, Main_P=%d, br=%d, ho=%d, d=%d, d2=%d",
                              62, 497, int(Grafik_Farbe(15, 15, 15)), sieger->nummer, bester, sieger->x, sieger->y,
                              sieger->prioritaet, sieger->status, sieger->klick ? 1 : 0, sieger->breite, sieger->hoehe,
                              sieger->verknuepft, sieger->kennung_2);
            if (!(sieger->flags & ICON_MAUSOVER_WIEDER)) Menue_Glow_Beenden();
            Menue_Wippe_Zuruecksetzen(sieger);
            Menue_Aktuelles_Icon = sieger;
            if (rad && (sieger->flags & ICON_SCROLLBUTTON)) {
                Menue_Scrollbar_Rad(sieger);
                Menue_Aktuelles_Icon = nullptr;
            } else {
                Menue_Mouse_Over_Info(sieger, Menue_Gezogenes_Icon, Menue_Modal_Aktiv);
            }
            Win95_Eingabe.rad = 0;
            Menue_Hover_Rechteck[0] = sieger->x;
            Menue_Hover_Rechteck[1] = sieger->y;
            Menue_Hover_Rechteck[2] = sieger->breite;
            Menue_Hover_Rechteck[3] = sieger->hoehe;
            stoppuhr = st.jetzt;
        }
    }
    zeiger_waehlen();
    if (Grafik_Screen_Seite_Ist_Aktiv()) Grafik_Screen_Seite_Waehlen(1);
    return 0;
}

// The walk over the icons of priority p: the pointer's candidates and the current icon's help and
// click. True when the step ends there with *ergebnis.
// LAGEN: the priority may set the modal icon or the step has the right button down; without
// either (nearly every walk) the loop is compiled without their tests.
template <bool LAGEN>
[[gnu::always_inline]] inline bool ebene_gehen(Schritt& st, int32_t p, bool setzt_modal, bool rechts, int8_t* ergebnis)
{
    Menue_Icon* const* const reihe = Menue_Icons.slot[p];
    const int32_t x = st.x, y = st.y;
    for (int32_t s = Menue_Icons.hoechster[p]; s >= 0; --s) {
        Menue_Icon* icon = reihe[s];
        if (!icon) continue;
        // Outside the modal layers an icon that is hit only within its rectangle (no picture
        // test), with the pointer beside that rectangle, neither current nor glowing, has nothing
        // to do in the walk, hidden or not: it is passed on the fewest reads.
        if (!LAGEN && !(icon->flags & ICON_PIXELGENAU) && !in_flaeche(icon, x, y) && icon != Menue_Aktuelles_Icon &&
            !(icon->status & ICON_GLUEHT))
            continue;
        if ((icon->status & ICON_VERSTECKT) || (icon->flags & ICON_NICHT_TREFFEN)) continue;
        if (LAGEN && setzt_modal) {
            Menue_Modal_Aktiv = 1;
            if (p > 23) st.oben = true;
            st.modal = icon;
            st.modal_rechteck[0] = icon->x;
            st.modal_rechteck[1] = icon->y;
            st.modal_rechteck[2] = icon->x + icon->breite;
            st.modal_rechteck[3] = icon->y + icon->hoehe;
        }
        if (LAGEN && rechts && Menue_Modal_Aktiv && st.modal && (st.modal->flags & ICON_RECHTS_VERKNUEPFT) &&
            Menue_Nummer_Gueltig(st.modal->verknuepft) && Menue_Icons.vorhanden[st.modal->verknuepft]) {
            Menue_Icon* l = Menue_Icons.reg[st.modal->verknuepft].icon;
            if ((!Menue_Aktuelles_Icon || !Menue_Aktuelles_Icon->kontext) && l && l->klick) {
                Menue_Hilfe_Schliessen();
                verlassen(0x20);
                l->klick(l, KLICK_LINKS);
                Menue_Aktuelles_Icon = Menue_Gezogenes_Icon = nullptr;
                while (Maus_Get_Tasten() == 2 && !Programm_Ende) {
                }
            }
            *ergebnis = -2;
            return true;
        }
        bool treffer = getroffen(icon, x, y);
        Menue_Icon* cur = Menue_Aktuelles_Icon;
        // The pointer is off nearly every icon, and nearly none glows or is the current one.
        if (!treffer && icon != cur && !(icon->status & ICON_GLUEHT)) continue;
        if (treffer && ((Menue_Modal_Aktiv && p < 20) || (st.oben && p < 24)) && ueberdeckt(icon, st)) treffer = false;
        if (treffer && Menue_Rad_Zeit == 0) kandidat(st, icon);
        cur = Menue_Aktuelles_Icon;
        if ((icon->status & ICON_GLUEHT) && cur && !Menue_Gezogenes_Icon &&
            (icon == cur || (icon->glow_gruppe != -1 && icon->glow_gruppe == cur->glow_gruppe)) &&
            (!Menue_Modal_Aktiv || p > 19) && st.glows < MAX_GLOW)
            st.glow[st.glows++] = icon;
        if (icon != cur) continue;
        hilfe(st, icon);
        uint32_t maske = ((icon->flags & ICON_RECHTE_TASTE) || icon->kontext) ? 3 : 1;
        bool ebene_ok = !Menue_Modal_Aktiv || (p > 19 && !st.oben) || (p > 23 && st.oben);
        const bool wiederholt = icon->flags & ICON_WERTFELD;
        if (!Menue_Gezogenes_Icon && treffer && (maske & uint32_t(st.tasten)) && ebene_ok &&
            !(icon->status & GESPERRT) && (wiederholt || !druck_gefeuert) && druck_gehoert(icon)) {
            bool gehandelt = false;
            // Set before the dispatch: an icon that removes itself takes its press along.
            druck_ziel = icon;
            druck_offen = false;
            int8_t r = feuern(st, icon, gehandelt);
            if (gehandelt) {
                if (!wiederholt) druck_gefeuert = true;
                *ergebnis = r;
                return true;
            }
        }
    }
    return false;
}

// Fixed for the whole priority: only a top priority sets st.oben, and a top priority makes every
// icon of it the modal one anyway. The walk never changes the position or the buttons.
[[gnu::always_inline]] inline bool ebene(Schritt& st, int32_t p, int8_t* ergebnis)
{
    const bool setzt_modal = p > 23 || (p > 19 && !st.oben);
    const bool rechts = st.tasten == 2;
    if (setzt_modal || rechts) return ebene_gehen<true>(st, p, setzt_modal, rechts, ergebnis);
    return ebene_gehen<false>(st, p, false, false, ergebnis);
}

// The priorities that hold an icon (bit p for priority p), as of the slot lists' count `stand`.
// A walk skips the others: most of the 27 priorities are empty on every screen.
uint32_t besetzt_maske = 0;
uint32_t besetzt_stand = 0;
bool besetzt_bekannt = false;

[[gnu::noinline]] uint32_t besetzte_zaehlen()
{
    uint32_t m = 0;
    // A priority whose top slot is 0 and empty holds nothing; any other is walked, as before.
    for (int32_t p = 0; p <= MAX_SCREEN_ICON_PRIORITY; ++p)
        if (Menue_Icons.hoechster[p] > 0 || Menue_Icons.slot[p][0]) m |= 1u << p;
    besetzt_maske = m;
    besetzt_stand = Menue_Icons.stand;
    besetzt_bekannt = true;
    return m;
}

// Asked before every priority of every walk: the answer stands until the lists change.
inline uint32_t besetzte_prioritaeten()
{
    return besetzt_bekannt && besetzt_stand == Menue_Icons.stand ? besetzt_maske : besetzte_zaehlen();
}

// Bits unten..oben; none when oben is below unten.
constexpr uint32_t bits(int32_t oben, int32_t unten)
{
    return oben < unten ? 0u : (oben >= 31 ? ~0u : (2u << oben) - 1u) & ~((1u << unten) - 1u);
}

static_assert(MAX_SCREEN_ICON_PRIORITY < 31, "the priorities fit one mask");

// The walk over the priorities oben down to unten that hold an icon. The lists may change in a
// priority's walk (help, a pixel test that pumps the messages): the rest is taken from them anew.
[[gnu::noinline]] bool ebenen_gehen(Schritt& st, uint32_t m, int32_t unten, int8_t* ergebnis)
{
    while (m) {
        const int32_t p = 31 - __builtin_clz(m);
        if (ebene(st, p, ergebnis)) return true;
        m = besetzte_prioritaeten() & bits(p - 1, unten);
    }
    return false;
}

// Most screens hold nothing above priority 19 or at 0: those walks end before they begin.
inline bool ebenen(Schritt& st, int32_t oben, int32_t unten, int8_t* ergebnis)
{
    const uint32_t m = besetzte_prioritaeten() & bits(oben, unten);
    return m && ebenen_gehen(st, m, unten, ergebnis);
}

// The walk from the top priority down; before priority 19 the step's gate, before priority 0 the
// time limit. True when the step ends there with *ergebnis.
bool durchgehen(Schritt& st, int32_t icon_nr, int8_t* ergebnis)
{
    if (ebenen(st, MAX_SCREEN_ICON_PRIORITY, 20, ergebnis)) return true;
    rad_kandidaten(st);
    if (tor(st, icon_nr, ergebnis)) return true;
    if (ebenen(st, 19, 1, ergebnis)) return true;
    if (Menue_Zeitlimit && zeitbalken(st)) {
        *ergebnis = -1;
        return true;
    }
    return ebenen(st, 0, 0, ergebnis);
}

}  // namespace

void Menue_Icon_Verlassen() { verlassen(0x20); }

int32_t Menue_Zeiger_Form() { return zeiger_form; }

void Menue_Event_Icon_Entfernt(Menue_Icon* icon)
{
    if (!icon) return;
    if (icon == Menue_Aktuelles_Icon) {
        Menue_Mouse_Not_Over_Info(icon, Menue_Gezogenes_Icon, Menue_Modal_Aktiv, 1, 0x20);
        Menue_Aktuelles_Icon = nullptr;
        Menue_Glow_Stufe = 0;
    }
    if (icon == Menue_Gezogenes_Icon) Menue_Gezogenes_Icon = nullptr;
    if (icon == letzter_klick) letzter_klick = nullptr;
    if (icon == druck_ziel) druck_ziel = nullptr;
}

int8_t Menue_Icons_Check(int32_t icon_nr)
{
    Menue_Modal_Aktiv = 0;
    Schritt st;
    st.jetzt = Timer_Get_Time();
    if (Menue_Rad_Zeit && st.jetzt - Menue_Rad_Zeit > 500) Menue_Rad_Zeit = 0;
    st.tasten = Maus_Get_Tasten();
    if (Maus_Neue_Tasten() != 0 || st.tasten == 0) {
        druck_gefeuert = false;
        druck_offen = st.tasten != 0;
        druck_ziel = nullptr;
        Maus_Druck_Position(&druck_stelle[0], &druck_stelle[1]);
    }
    st.x = Maus_Get_X();
    st.y = Maus_Get_Y();
    if (Menue_Hook && Menue_Modal_Schleife_Aktiv()) {
        // The hook belongs to the screen beneath a modal box: it keeps its passes but sees no
        // pointer, button or key, which are the box's (a press beside the box or Escape closed
        // the player window under it).
        const int32_t taste = Win95_Eingabe.taste;
        Win95_Eingabe.taste = -1;
        Menue_Hook(-1, -1, 0);
        if (Win95_Eingabe.taste == -1) Win95_Eingabe.taste = taste;
    } else if (Menue_Hook) {
        Menue_Hook(st.x, st.y, st.tasten);
    }
    if (st.x != Menue_Letzte_Mauspos[0] || st.y != Menue_Letzte_Mauspos[1]) {
        if (Menue_Gezogenes_Icon) Menue_Drag_Schritt(st.x, st.y, st.tasten);
        Menue_Letzte_Mauspos[0] = st.x;
        Menue_Letzte_Mauspos[1] = st.y;
    }
    int8_t ergebnis = 0;
    if (durchgehen(st, icon_nr, &ergebnis)) return ergebnis;
    Menue_Icon* vorher = Menue_Aktuelles_Icon;
    ergebnis = walk_ende(st);
    // A press that came with the pointer onto an icon (moved and pressed within one step, as a
    // fast pointer does after a menu closed) is that icon's click: the walk is taken again with
    // it current, or the press would be gone by the next step.
    Menue_Icon* neu = Menue_Aktuelles_Icon;
    if (druck_offen && st.tasten != 0 && !druck_gefeuert && icon_nr == -1 && neu && neu != vorher &&
        !Menue_Gezogenes_Icon && druck_gehoert(neu)) {
        Schritt wieder;
        wieder.x = st.x, wieder.y = st.y, wieder.tasten = st.tasten, wieder.jetzt = st.jetzt;
        wieder.einstellung = st.einstellung;
        Menue_Modal_Aktiv = 0;
        int8_t r = 0;
        if (durchgehen(wieder, icon_nr, &r)) return r;
    }
    // A whole step has seen the press: what it did not fire now, it never fires.
    druck_offen = false;
    return ergebnis;
}

int8_t Menue_Event_Schritt(uint8_t refresh, int32_t icon_nr)
{
    if (Menue_Status.wieder_rein) {
        Menue_Rein(Aktuelles_Team, 1);
        Highscore_Zeige_Aufgabenfrist(Aktuelles_Team, 0);
        return 1;
    }
    if (refresh) Menue_Screen_Refresh(refresh, -1, -1, -1, -1);
    return Menue_Icons_Check(icon_nr);
}

Menue_Icon* Menue_Zufalls_Icon()
{
    int32_t anzahl = 0;
    for (int32_t p = MAX_SCREEN_ICON_PRIORITY; p >= 0; --p)
        for (int32_t s = Menue_Icons.hoechster[p]; s >= 0; --s)
            if (Menue_Icons.slot[p][s]) ++anzahl;
    if (anzahl == 0) return nullptr;
    int32_t gewaehlt = Zufall(0, anzahl - 1);
    for (int32_t p = MAX_SCREEN_ICON_PRIORITY; p >= 0; --p)
        for (int32_t s = Menue_Icons.hoechster[p]; s >= 0; --s)
            if (Menue_Icons.slot[p][s] && gewaehlt-- == 0) return Menue_Icons.slot[p][s];
    return nullptr;
}

bool Menue_Maus_Status_Loeschen()
{
    if (Menue_Modal_Aktiv) return false;
    verlassen(0x20);
    Menue_Aktuelles_Icon = nullptr;
    Menue_Gezogenes_Icon = nullptr;
    Menue_Zieh_Bild = nullptr;
    Menue_Zieh_Hintergrund = nullptr;
    return true;
}

void Menue_Icon_Prozedur_Nachholen()
{
    Menue_Icon* i = letzter_klick;
    if (!i || !i->klick || !Menue_Nummer_Gueltig(i->nummer) || !Menue_Icons.vorhanden[i->nummer]) return;
    i->klick(i, letzte_flags);
}
