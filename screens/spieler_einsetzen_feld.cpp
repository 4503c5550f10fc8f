#include "screens/spieler_einsetzen_feld.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "database/manager.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_zeichnen.h"
#include "graphics/grafik_spielerfigur.h"
#include "platform/maus.h"
#include "platform/print.h"
#include "screens/spieler_einsetzen.h"
#include "screens/spieler_einsetzen_figuren.h"
#include "screens/spieler_gesicht.h"
#include "screens/spieler_hilfetext.h"
#include "screens/spieler_kontext_menue.h"
#include "screens/spieler_schirme.h"
#include "screens/spieler_taktik.h"
#include "screens/spieler_vereinsauswahl.h"
#include "toolkit/dienste.h"
#include "toolkit/icon.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/mausover.h"
#include "toolkit/screen.h"
#include "toolkit/ziehen.h"

namespace {

// Every figure icon has the shirt picture's size, so that the bitmap the toolkit keeps per icon
// number fits shirts and heads alike.
constexpr uint16_t FIGUR_W = 32, FIGUR_H = 36;
constexpr uint16_t GRIFF_W = 7, GRIFF_H = 7;
// The shirts at half size: the bench places are 22 pixels apart and the own goalkeeper stands 17
// pixels above the pitch's end.
constexpr int32_t TRIKOT_W = 16, TRIKOT_H = 17;

void figur_abgelegt(Menue_Move_Struktur*, Menue_Icon* icon, int32_t x, int32_t y, uint32_t code);
void griff_abgelegt(Menue_Move_Struktur*, Menue_Icon* icon, int32_t x, int32_t y, uint32_t code);

// The toolkit keeps pointers into these records while they are on screen.
Menue_Icon figuren[SPIELER_FIGUREN + 1];
Menue_Move_Struktur figur_move{-1, 0, figur_abgelegt, nullptr, {-1, 0, 0, 0}, nullptr, -1};
Menue_Icon griffe[6 + 1];
Menue_Move_Struktur griff_move{-1, 0, griff_abgelegt, nullptr, {226, 114, 432, 450}, nullptr, -1};
bool auf_dem_schirm = false;

uint16_t farbe(int r, int g, int b) { return Grafik_Farbe(uint32_t(r), uint32_t(g), uint32_t(b)); }

bool koepfe() { return Aktuelles_Team >= 0 && Manager_Icon_Button_Lesen(Aktuelles_Team, SE_KOEPFE) != 0; }

// The figure is drawn into the icon's own bitmap, which the toolkit blits and lifts for a drag.
int32_t figur_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* b = icon ? Menue_Screen_Icon_Bitmap(icon) : nullptr;
    if (!b || icon->kennung_1 < 0 || icon->kennung_2 < 0) return 0;
    Grafik_Rechteck_Fuellen(b, 0, 0, int32_t(b->width), int32_t(b->height), 0);
    const int32_t spnr = icon->kennung_1, team = icon->kennung_2;
    if (koepfe()) {
        Spieler_Einsetzen_Kopf_Zeichnen(b, spnr, team);
        return 0;
    }
    Rastport* s = Spieler_Trikot_Klein(spnr, team, TRIKOT_W, TRIKOT_H);
    if (!s) return 0;
    Grafik_Blit_Transparent(s, 0, 0, int32_t(s->width), int32_t(s->height), b, 0, 0);
    Grafik_Bitmap_Freigeben(s);
    return 0;
}

}  // namespace

void Spieler_Einsetzen_Kopf_Zeichnen(Rastport* b, int32_t spnr, int32_t team)
{
    if (!b || spnr < 0 || spnr >= Spieler_Anzahl) return;
    Spieler_Gesicht_Bauen_Skaliert(b, 0, 0, spnr, uint32_t(Spieler_Wert(SP_GESICHT, spnr, 0, 0)),
                                   static_cast<const uint8_t*>(Team_Zeiger(TEAM_FARBEN, team, nullptr, 0)), KOPF_W, KOPF_H);
    // The back number on a dark tab in the portrait's top corner, as the match screen's list shows
    // it: printed below the head it stood on the head of the player two rows further back and
    // left the bottom of the pitch.
    char nr[8];
    std::snprintf(nr, sizeof nr, "%d", Teamspieler_Wert(300, team, spnr, 0, 0));
    Font_Record* font = Font(KOPF_NUMMER_FONT);
    const int32_t w = font ? Font_Text_Breite(font, nr) : 0;
    if (!font || w <= 0) return;
    Grafik_Rechteck_Fuellen(b, 0, 0, w + 2, KOPF_NUMMER_H, farbe(1, 1, 1));
    const uint16_t f = team == Aktuelles_Team ? farbe(15, 15, 15) : uint16_t(UI_Farbtabelle[6].farbe);
    Grafik_Printf(b, font, "^c%05d%s", 1, int32_t(font->ascent) - 1, int(f), nr);
}

namespace {

// The player whose figure the mouse rests on (his favourite position is shown), -1 none.
int32_t lieblings_team = -1, lieblings_spieler = -1;

// The mouse coming onto a figure or leaving it shows or hides his favourite position; a click
// without a drag edits rooms as Spieler_Einsetzen_Spielfeld_Klick does, which looks the figure up
// by its place.
int32_t figur_klick(Menue_Icon* icon, uint32_t flags)
{
    if (!icon) return 0;
    if (flags & (MAUSOVER_START | MAUSOVER_ENDE)) {
        const bool drauf = flags == MAUSOVER_START;
        lieblings_team = drauf ? icon->kennung_2 : -1;
        lieblings_spieler = drauf ? icon->kennung_1 : -1;
        // the pitch with what stands wholly on it; the background and the lists stay
        Menue_Bereich_Aktiv_Setzen(0x2, 1, 202, 112, 434, 481);
        Menue_Screen_Refresh(1, 202, 112, 434, 481);
        return 0;
    }
    Spieler_Einsetzen_Spielfeld_Klick(icon->x, icon->y);
    Spieler_Einsetzen_Feld_Neu_Zeichnen();
    return 1;
}

int32_t griff_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* b = icon ? Menue_Screen_Icon_Bitmap(icon) : nullptr;
    if (!b) return 0;
    Grafik_Rechteck_Fuellen(b, 0, 0, GRIFF_W, GRIFF_H, 0);
    if (Spieler_Screen_Bild(icon->nummer, b, 0, 0)) return 0;
    const bool position = icon->nummer >= SE_GRIFF_ERSTER + 4;
    Grafik_Rechteck_Fuellen(b, 0, 0, GRIFF_W, GRIFF_H, farbe(1, 1, 1));
    Grafik_Rechteck_Fuellen(b, 1, 1, GRIFF_W - 2, GRIFF_H - 2, position ? farbe(15, 4, 4) : farbe(15, 9, 0));
    return 0;
}

void figur_abgelegt(Menue_Move_Struktur*, Menue_Icon* icon, int32_t x, int32_t y, uint32_t code)
{
    if (code != 0x80 || !icon) return;
    Spieler_Einsetzen_Figur_Abgelegt(icon, x, y);
    Spieler_Einsetzen_Feld_Neu_Zeichnen();
}

void griff_abgelegt(Menue_Move_Struktur*, Menue_Icon* icon, int32_t x, int32_t y, uint32_t code)
{
    if (code != 0x80 || !icon) return;
    Spieler_Einsetzen_Griff_Abgelegt(icon, x - icon->x, y - icon->y);
    Spieler_Einsetzen_Feld_Neu_Zeichnen();
}

void figuren_bauen()
{
    Spieler_Figur f[SPIELER_FIGUREN];
    const int32_t n = Spieler_Einsetzen_Figuren_Bauen(f);
    if (koepfe()) Spieler_Einsetzen_Koepfe_Auseinander(f, n, KOPF_W, KOPF_H);
    for (int32_t k = 0; k < SPIELER_FIGUREN; ++k) {
        Menue_Icon& i = figuren[k];
        if (k >= n) {
            i = Menue_Icon_Listenende();
            break;
        }
        const uint32_t flags = (f[k].ziehbar ? ICON_ZIEHBAR : 0u) | ICON_PIXELGENAU | ICON_MAUSOVER_KLICK;
        i = Menue_Icon_Vorlage(int16_t(SE_FIGUR_ERSTE + k), -1, flags, int16_t(f[k].x), int16_t(f[k].y), FIGUR_W, FIGUR_H,
                               int8_t(f[k].prioritaet), 255);
        i.refresh_prozedur = figur_zeichnen;
        i.klick = figur_klick;
        i.mausover = Spieler_Screen_Hilfetext_Spieler;
        // a right click on a figure opens his player menu, as on the squad lists
        i.kontext = Spieler_Kontext_Menue_Erzeugen;
        i.move = f[k].ziehbar ? &figur_move : nullptr;
        i.drop_typ = 1;
        i.kennung_1 = int16_t(f[k].spnr);
        i.kennung_2 = int16_t(f[k].team);
    }
    figuren[SPIELER_FIGUREN] = Menue_Icon_Listenende();
}

void griffe_bauen()
{
    griffe[0] = Menue_Icon_Listenende();
    const int32_t t = Aktuelles_Team;
    if (t < 0 || t >= Team_Anzahl) return;
    const int32_t spnr = int16_t(Manager_Icon_Word_Data_Lesen(t, SE_RAUM_SPIELER));
    int32_t xy[6][2];
    if (spnr < 0 || !(Teamspieler_Wert(317, t, spnr, 0, 0) & TS_STARTELF) || !Spieler_Einsetzen_Griffe(spnr, xy)) return;
    for (int32_t k = 0; k < 6; ++k) {
        Menue_Icon& i = griffe[k];
        i = Menue_Icon_Vorlage(int16_t(SE_GRIFF_ERSTER + k), -1, ICON_ZIEHBAR, int16_t(xy[k][0] - GRIFF_W / 2),
                               int16_t(xy[k][1] - GRIFF_H / 2), GRIFF_W, GRIFF_H, 5, 255);
        i.refresh_prozedur = griff_zeichnen;
        i.move = &griff_move;
        i.mausover = Spieler_Einsetzen_Griff_Hilfe;
        i.kennung_1 = int16_t(spnr);
        i.kennung_2 = int16_t(t);
    }
    griffe[6] = Menue_Icon_Listenende();
}

// Pixels on the big pitch to whole cells, as grid-to-screen maps them for the own club.
int32_t spalten_aus_pixeln(int32_t dx) { return int32_t(std::lround(dx * 17.0 / 201.0)); }
int32_t zeilen_aus_pixeln(int32_t dy) { return -int32_t(std::lround(dy / 11.0)); }

Menue_Kontextmenue feld_menue;
char feld_titel[200];

}  // namespace

void Spieler_Einsetzen_Lieblingsbox_Malen(Rastport* z)
{
    int32_t b[4];
    if (!z || lieblings_spieler < 0 || !Spieler_Einsetzen_Lieblingsbox(lieblings_team, lieblings_spieler, b)) return;
    const uint16_t f = farbe(15, 12, 0);
    const int32_t l = 226 + b[0], o = 114 + b[1], r = 226 + b[2], u = 114 + b[3];
    // a frame two pixels wide, corners included
    Grafik_Rechteck_Fuellen(z, l, o, r - l + 1, 2, f);
    Grafik_Rechteck_Fuellen(z, l, u - 1, r - l + 1, 2, f);
    Grafik_Rechteck_Fuellen(z, l, o, 2, u - o + 1, f);
    Grafik_Rechteck_Fuellen(z, r - 1, o, 2, u - o + 1, f);
}

void Spieler_Einsetzen_Feld_Entfernen()
{
    lieblings_team = lieblings_spieler = -1;
    if (!auf_dem_schirm) return;
    Menue_Icon_Liste_Entfernen(figuren, 0);
    Menue_Icon_Liste_Entfernen(griffe, 0);
    auf_dem_schirm = false;
}

void Spieler_Aufs_Spielfeld_Setzen(bool nur_zeichnen)
{
    if (nur_zeichnen && auf_dem_schirm) {
        Menue_Icon_Liste_Aktiv_Setzen(1, figuren);
        Menue_Icon_Liste_Aktiv_Setzen(1, griffe);
        return;
    }
    Spieler_Einsetzen_Feld_Entfernen();
    figuren_bauen();
    griffe_bauen();
    Menue_Icon_Liste_Hinzufuegen(figuren);
    Menue_Icon_Liste_Hinzufuegen(griffe);
    auf_dem_schirm = true;
}

void Spieler_Einsetzen_Feld_Neu_Zeichnen()
{
    Spieler_Aufs_Spielfeld_Setzen(false);
    Menue_Bereich_Refresh(0, 0, 40, 598, 480);
}

bool Spieler_Einsetzen_Figur_Abgelegt(Menue_Icon* icon, int32_t x, int32_t y)
{
    if (!icon) {
        Print_Fehler("Spieler_Einsetzen_Move: s_icon==NULL!\n");
        return false;
    }
    if (icon->kennung_1 < 0 || icon->kennung_2 < 0) return false;
    return Spieler_Einsetzen_Drop(icon->kennung_2, icon->kennung_1, x, y);
}

bool Spieler_Einsetzen_Griff_Abgelegt(Menue_Icon* icon, int32_t dx, int32_t dy)
{
    if (!icon) {
        Print_Fehler("Spieler_Einsetzen_Move_Spielfeld: s_icon==NULL!\n");
        return false;
    }
    const int32_t t = Aktuelles_Team, spnr = icon->kennung_1, griff = icon->nummer - SE_GRIFF_ERSTER;
    if (t < 0 || spnr < 0 || griff < 0 || griff > 5) return false;
    const int32_t a = Teamspieler_Wert(311, t, spnr, 0, 0), b = Teamspieler_Wert(312, t, spnr, 0, 0);
    if (a < 0 || a >= RASTER_KEINE_ZELLE || b < 0 || b >= RASTER_KEINE_ZELLE) return false;
    // The handle's cell now: the corners are combinations of the two corner cells.
    int32_t zelle;
    switch (griff) {
    case 0: zelle = a; break;
    case 1: zelle = b; break;
    case 2: zelle = (a / RASTER_SPALTEN) * RASTER_SPALTEN + b % RASTER_SPALTEN; break;
    case 3: zelle = (b / RASTER_SPALTEN) * RASTER_SPALTEN + a % RASTER_SPALTEN; break;
    default: zelle = Teamspieler_Wert(313 + griff - 4, t, spnr, 0, 0);
    }
    if (zelle < 0 || zelle >= RASTER_KEINE_ZELLE) zelle = Teamspieler_Wert(310, t, spnr, 0, 0);
    if (zelle < 0 || zelle >= RASTER_KEINE_ZELLE) return false;
    const int32_t zeile = zelle / RASTER_SPALTEN + zeilen_aus_pixeln(dy);
    const int32_t spalte = zelle % RASTER_SPALTEN + spalten_aus_pixeln(dx);
    if (zeile < 0 || zeile >= RASTER_ZEILEN || spalte < 0 || spalte >= RASTER_SPALTEN) return false;
    return Spieler_Einsetzen_Raum_Griff(spnr, griff, zeile, spalte);
}

Menue_Kontextmenue* Spieler_Einsetzen_Feld_Menue(Menue_Icon*)
{
    const int32_t t = Aktuelles_Team;
    if (t < 0 || t >= Team_Anzahl) return nullptr;
    std::snprintf(feld_titel, sizeof feld_titel, "Feldspieler-Anzeige ändern: %s", Spieler_Einsetzen_Menue_Titel().c_str());
    Menue_Kontextmenue* m = &feld_menue;
    Menue_Init_Kontextmenue(m, feld_titel, 0, POPUP_WAEHLBAR, Spieler_Einsetzen_Feld_Menue_Gewaehlt);
    const uint32_t bits = Manager_Icon_Button_Lesen(t, SE_FIGUREN);
    const struct {
        const char* text;
        uint16_t status;
    } punkte[4] = {
        {"Spielerfiguren des eigenen Teams einblenden", uint16_t(POPUP_WAEHLBAR | POPUP_HAKEN | (bits & 1 ? POPUP_GEWAEHLT : 0))},
        {"Spielerfiguren des anderen Teams einblenden",
         uint16_t(POPUP_WAEHLBAR | POPUP_HAKEN | POPUP_TRENNER | (bits & 2 ? POPUP_GEWAEHLT : 0))},
        {"Anderes Team = Aktueller Gegner", uint16_t(Gegner_Team >= 0 ? POPUP_WAEHLBAR : POPUP_KEIN_HOVER)},
        {"Feldspieler-Kopf sofort zentrieren",
         uint16_t(POPUP_WAEHLBAR | POPUP_HAKEN | POPUP_TRENNER | (bits & 4 ? POPUP_GEWAEHLT : 0))},
    };
    for (int32_t k = 0; k < 4; ++k) {
        m->texte[k] = punkte[k].text;
        m->status[k] = punkte[k].status;
        m->wert_a[k] = -1;
        m->wert_b[k] = k;
    }
    Spieler_Einsetzen_Vereinsauswahl_Setzen(Anzeige_Gegner_Team, false);
    Spieler_Einsetzen_Vereinsauswahl_Menue(m, 4, Spieler_Einsetzen_Feld_Menue_Gewaehlt, true, 1);
    return m;
}

uint8_t Spieler_Einsetzen_Feld_Menue_Gewaehlt(int32_t eintrag, int32_t wert_c, int32_t wert_a, int32_t)
{
    const int32_t t = Aktuelles_Team;
    if (t < 0 || t >= Team_Anzahl) return 0;
    const uint32_t bits = Manager_Icon_Button_Lesen(t, SE_FIGUREN);
    if (wert_c == 1) {
        // A club of the picker becomes the other team, shown.
        if (wert_a < 0 || wert_a >= Team_Anzahl || wert_a == t) return 0;
        Anzeige_Gegner_Team = wert_a;
        Manager_Icon_Button_An_Aus(t, SE_FIGUREN, bits | 2);
    } else if (eintrag == 0 || eintrag == 1 || eintrag == 3) {
        Manager_Icon_Button_An_Aus(t, SE_FIGUREN, bits ^ (eintrag == 3 ? 4u : eintrag == 0 ? 1u : 2u));
    } else if (eintrag == 2) {
        if (Gegner_Team < 0) return 0;
        Anzeige_Gegner_Team = Gegner_Team;
        Manager_Icon_Button_An_Aus(t, SE_FIGUREN, bits | 2);
    } else {
        return 0;
    }
    Spieler_Einsetzen_Feld_Neu_Zeichnen();
    return 1;
}
