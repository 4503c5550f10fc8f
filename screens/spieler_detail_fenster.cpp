// The window of the player detail pages: background, profile head, portrait with its shadow,
// the information panel, the page toggles, the stepping and closing buttons and the page itself.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "database/manager.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "economy/bank.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/maus.h"
#include "platform/os/os.h"
#include "platform/win95.h"
#include "platform/string_util.h"
#include "screens/spieler_angebot.h"
#include "screens/spieler_detail.h"
#include "screens/spieler_bilder.h"
#include "screens/spieler_schirme.h"
#include "screens/spieler_gesicht.h"
#include "screens/spieler_versicherung.h"
#include "toolkit/icon.h"
#include "toolkit/screen.h"

namespace {

enum : int16_t { DF_HINTERGRUND = 923, DF_PANEL = 890, DF_SEITE = 886, DF_ZURUECK = 905, DF_VOR = 906, DF_FERTIG = 907 };
// The page begins below the line at y 120; the profile's two columns stand 225 apart.
constexpr int32_t SEITE_OBEN = 120, PROFIL_SPALTE = 225;
// The strength curves' value lines (a year ago, now), under the curves' area.
constexpr int32_t WERT_Y[2] = {421, 434};
constexpr int16_t TOGGLE_REIHE[13] = {908, 909, 911, 912, 910, 913, 914, 915, 916, 917, 918, 919, 920};

uint16_t farbe(int r, int g, int b) { return Grafik_Farbe(uint32_t(r), uint32_t(g), uint32_t(b)); }
void text(Rastport* z, int32_t font, int32_t x, int32_t y, uint16_t f, const std::string& t)
{
    Grafik_Printf(z, Font(font), "^c%05d%s", x, y, int(f), t.c_str());
}
// A label inside its icon from x on: the condensed font where it would run past the icon's edge.
void text_im(Rastport* z, int32_t font, const Menue_Icon* icon, int32_t x, int32_t y, uint16_t f, const std::string& t)
{
    text(z, Menue_Font_Passend(font, t.c_str(), icon->x + icon->breite - x - 2), x, y, f, t);
}
int32_t team() { return Spieler_Detail.team; }
int32_t spnr() { return Spieler_Detail.spnr; }

// The portrait down to the row `unten` (exclusive): it ends at the line over the page, whose
// first line would otherwise stand on its shirt.
void portrait(Rastport* z, int32_t x, int32_t y, int32_t unten)
{
    const auto* kit = static_cast<const uint8_t*>(Team_Zeiger(TEAM_FARBEN, team(), nullptr, 0));
    Rastport* b = Spieler_Gesicht_Bauen_Skaliert(nullptr, 0, 0, spnr(), uint32_t(Spieler_Wert(SP_GESICHT, spnr(), 0, 0)),
                                                 kit, 56, 71);
    if (!b) return;
    // The shadow: the picture's shape five times in one dark colour.
    Rastport* s = Grafik_Bitmap_Anlegen(int32_t(b->width), int32_t(b->height), b->depth);
    if (s && b->pixels && s->pixels && !b->packed) {
        const auto* q = static_cast<const uint16_t*>(b->pixels);
        auto* d = static_cast<uint16_t*>(s->pixels);
        const uint16_t dunkel = farbe(1, 1, 2);
        for (size_t i = 0; i < size_t(b->width) * b->height; ++i) d[i] = q[i] ? dunkel : 0;
        for (const auto& o : Spieler_Portrait_Schatten)
            Grafik_Blit_Transparent(s, 0, 0, int32_t(s->width), std::clamp(unten - y - o[1], 0, int32_t(s->height)), z,
                                    x + o[0], y + o[1]);
    }
    if (s) Grafik_Bitmap_Freigeben(s);
    Grafik_Blit_Transparent(b, 0, 0, int32_t(b->width), std::clamp(unten - y, 0, int32_t(b->height)), z, x, y);
    Grafik_Bitmap_Freigeben(b);
}

int32_t breite_mit_codes(int32_t font, const std::string& t) { return Spieler_Screen_Text_Breite(font, t); }

// Drops the last printed character, before the codes that close the text ("^be^ue"); false when
// none is left.
bool letztes_zeichen_weg(std::string& t)
{
    size_t ende = t.size();
    while (ende >= 3 && t[ende - 3] == '^') ende -= 3;
    if (ende == 0 || t[ende - 1] == ' ') return false;
    t.erase(ende - 1, 1);
    return true;
}

int32_t hintergrund_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon || spnr() < 0) return 0;
    if (!Spieler_Screen_Bild(DETAIL_BILD_FENSTER, z, icon->x, icon->y, true)) {
        Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, icon->hoehe, farbe(2, 2, 5));
        const uint16_t rand = farbe(8, 8, 13);
        Grafik_Linie(z, icon->x, icon->y, icon->x + icon->breite - 1, icon->y, rand);
        Grafik_Linie(z, icon->x, icon->y + icon->hoehe - 1, icon->x + icon->breite - 1, icon->y + icon->hoehe - 1, rand);
        Grafik_Linie(z, icon->x, icon->y, icon->x, icon->y + icon->hoehe - 1, rand);
        Grafik_Linie(z, icon->x + icon->breite - 1, icon->y, icon->x + icon->breite - 1, icon->y + icon->hoehe - 1, rand);
    }
    Grafik_Printf(z, Font(11), "%s", 1, 58, Spieler_Info_Titel(spnr()).c_str());
    portrait(z, 12, 70, SEITE_OBEN);
    char profil[6][120];
    Spieler_Detail_Profil_Zeilen(team(), spnr(), profil);
    for (int32_t k = 0; k < 6; ++k) {
        // A long club name takes the condensed font, and is cut where even that runs into the
        // right column.
        std::string zeile = profil[k];
        int32_t font = 3;
        if (k % 2 == 0 && breite_mit_codes(font, zeile) > PROFIL_SPALTE - 4) {
            font = MENUE_SCHMAL_FONT;
            while (breite_mit_codes(font, zeile) > PROFIL_SPALTE - 4 && letztes_zeichen_weg(zeile)) {
            }
        }
        text(z, font, 80 + (k % 2) * PROFIL_SPALTE, 84 + (k / 2) * 13, farbe(13, 13, 15), zeile);
    }
    return 0;
}

// Whether a bold run is still open at the end of the text.
bool fett_offen(const std::string& t)
{
    const size_t an = t.rfind("^bb"), aus = t.rfind("^be");
    return an != std::string::npos && (aus == std::string::npos || aus < an);
}

// A panel entry as lines of at most `breite` pixels: broken at its "^l" and between words; a bold
// run broken off goes on bold in the next line.
std::vector<std::string> umbrochen(int32_t font, const std::string& eintrag, int32_t breite)
{
    std::vector<std::string> zeilen;
    std::string zeile;
    bool woerter = false;
    auto abschliessen = [&] {
        const bool fett = fett_offen(zeile);
        zeilen.push_back(fett ? zeile + "^be" : zeile);
        zeile = fett ? "^bb" : "";
        woerter = false;
    };
    size_t a = 0;
    while (a <= eintrag.size()) {
        size_t e = eintrag.find("^l", a);
        if (e == std::string::npos) e = eintrag.size();
        size_t w = a;
        while (w < e) {
            size_t ende = eintrag.find(' ', w);
            if (ende == std::string::npos || ende > e) ende = e;
            const std::string wort = eintrag.substr(w, ende - w);
            if (woerter && breite_mit_codes(font, zeile + " " + wort) > breite) abschliessen();
            zeile += (woerter ? " " : "") + wort;
            woerter = true;
            w = ende + 1;
        }
        abschliessen();
        a = e + 2;
    }
    return zeilen;
}

// The page's lines from x 11 to the panel's right edge; an entry's lines 13 apart, entries 15.
constexpr int32_t PANEL_TEXT_X = 11, PANEL_RECHTS = 445;

int32_t panel_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon || spnr() < 0) return 0;
    const int32_t seite = Spieler_Detailseite_Toggle();
    std::vector<std::string> zeilen;
    if (seite <= 912) Spieler_Info_Seite_Zeilen(team(), spnr(), seite, &zeilen);
    else zeilen.push_back(Spieler_Detailseite_Toggle_Text(seite));
    int32_t y = 138;
    for (const auto& l : zeilen) {
        for (const std::string& teil : umbrochen(3, l, PANEL_RECHTS - 2 - PANEL_TEXT_X)) {
            if (y > 430) break;
            text(z, 3, PANEL_TEXT_X, y, farbe(14, 14, 14), teil);
            y += 13;
        }
        y += 2;
    }
    return 0;
}

void kurve(Rastport* z, const int32_t* w, int32_t n, int32_t x0, int32_t y0, int32_t breite, int32_t hoehe, int32_t max,
           uint16_t f, bool beschriften = true)
{
    if (n <= 0 || max <= 0) return;
    auto punkt = [&](int32_t k) {
        return std::pair{x0 + (n == 1 ? breite / 2 : k * breite / (n - 1)), y0 + hoehe - std::min(w[k], max) * hoehe / max};
    };
    for (int32_t k = 1; k < n; ++k) {
        const auto [vx, vy] = punkt(k - 1);
        const auto [x, y] = punkt(k);
        for (int32_t d = -1; d <= 1; ++d) Grafik_Linie(z, vx, vy + d, x, y + d, f);
    }
    if (!beschriften) return;
    // the points and their values over the whole line: the next stretch of it ran through a value
    for (int32_t k = 0; k < n; ++k) {
        const auto [x, y] = punkt(k);
        Grafik_Rechteck_Fuellen(z, x - 2, y - 2, 5, 5, farbe(15, 15, 15));
        char t[16];
        std::snprintf(t, sizeof t, "%d", w[k]);
        text(z, 4, x - 4, y + 12, farbe(15, 15, 10), t);
    }
}

// The page beside the panel, by the toggle that is on.
int32_t seite_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon || spnr() < 0) return 0;
    const int32_t seite = Spieler_Detailseite_Toggle();
    if (seite == 909) {
        text(z, 3, 11, 288, farbe(15, 15, 15), "Beste Attribute:");
        text(z, 3, 275, 288, farbe(15, 15, 15), "Lieblingsposition:");
        int32_t beste[7];
        const int32_t n = Spieler_Info_Beste_Attribute(spnr(), beste);
        int32_t v[SP_ATTRIBUTVEKTOR] = {};
        Spieler_Attribute(spnr(), v, SP_ATTRIBUTE_LESEN);
        for (int32_t k = 0; k < n; ++k) {
            const int32_t y = 306 + 18 * k, wert = v[beste[k]];
            const uint16_t f = wert >= 75 ? farbe(15, 15, 15) : farbe(9, 9, 15);
            text(z, 3, 11, y, f, std::string(Spieler_Attribut_Namen[beste[k]]) + " (" + std::to_string(wert) + ")");
            if (wert >= 75) text(z, 3, 11 + 195, y, f, "GELERNT!");
        }
        // The favourite position on a small pitch (75 x 123 at 310, 305).
        if (!Spieler_Screen_Bild(DETAIL_BILD_LIEBLINGSFELD, z, 310, 305, true)) {
            Grafik_Rechteck_Fuellen(z, 310, 305, 75, 123, farbe(2, 8, 3));
            const uint16_t w = farbe(12, 14, 12);
            Grafik_Linie(z, 314, 309, 380, 309, w);
            Grafik_Linie(z, 314, 423, 380, 423, w);
            Grafik_Linie(z, 314, 309, 314, 423, w);
            Grafik_Linie(z, 380, 309, 380, 423, w);
            Grafik_Linie(z, 314, 366, 380, 366, w);
        }
        int32_t x = 0, y = 0;
        if (Spieler_Info_Lieblingsposition(spnr(), 315, 310, 65, 113, &x, &y)) {
            Grafik_Rechteck_Fuellen(z, x - 5, y - 8, 10, 8, farbe(2, 10, 2));
            Grafik_Rechteck_Fuellen(z, x - 3, y - 6, 6, 4, farbe(5, 15, 6));
        } else {
            Grafik_Rechteck_Fuellen(z, 337, 420, 21, 8, farbe(2, 10, 2));
            Grafik_Rechteck_Fuellen(z, 338, 421, 19, 6, farbe(5, 15, 6));
        }
        return 0;
    }
    if (seite == 912) {
        std::vector<std::string> zeilen;
        Spieler_Angebot_Liste_Zeilen(team(), spnr(), &zeilen);
        int32_t y = 348;
        for (const auto& l : zeilen) {
            const size_t umbruch = l.find("^l");
            text(z, 4, 15, y, farbe(14, 14, 14), l.substr(0, umbruch));
            if (umbruch != std::string::npos) text(z, 4, 25, y + 11, farbe(11, 11, 14), l.substr(umbruch + 2));
            y += 26;
            if (y > 440) break;
        }
        return 0;
    }
    int32_t w[SPIELER_DETAIL_SPIELTAGE] = {}, n = 0, max = 0;
    if (seite == 910) {
        int32_t slot = 0, ohne = 0;
        bool kopf = false;
        for (int32_t p = 880; p <= 885; ++p) {
            if (!Manager_Icon_Button_Lesen(Aktuelles_Team, p)) continue;
            const bool eigenschaft = (p - 880) % 2 == 1;
            const int32_t kat = int32_t(Manager_Icon_Word_Data_Lesen(Aktuelles_Team, p));
            const bool verlauf = Spieler_Detail_Kurve(team(), spnr(), eigenschaft, kat, w);
            const char* name = eigenschaft ? Spieler_Eigenschaft_Kategorien[std::clamp(kat, 0, 14)]
                                           : Spieler_Staerke_Kategorien[std::clamp(kat, 0, 12)];
            const uint16_t f = slot % 2 ? farbe(15, 8, 3) : farbe(4, 12, 15);
            if (verlauf) {
                if (!kopf) {
                    // the two value lines stand under the curves and above the page's foot at 440
                    Grafik_Rechteck_Fuellen(z, 20, 150, 410, 262, farbe(1, 1, 3));
                    text(z, 4, 20, WERT_Y[0], farbe(15, 15, 15), "Vor 1 Jahr:");
                    text(z, 4, 20, WERT_Y[1], farbe(15, 15, 15), "Akt.:");
                    kopf = true;
                }
                kurve(z, w, 52, 30, 160, 390, 248, eigenschaft ? 100 : 1000, f, false);
                text(z, 4, 90 + 60 * slot, WERT_Y[0], f, std::to_string(w[0]));
                text(z, 4, 90 + 60 * slot, WERT_Y[1], f, std::to_string(w[51]));
            } else {
                text(z, 4, 30, 260 + 14 * ohne++, farbe(15, 15, 15),
                     std::string(name) + ": " + std::to_string(w[0]) + (eigenschaft ? " Prozent" : ""));
            }
            ++slot;
        }
        if (ohne > 0) {
            text(z, 4, 30, 266 + 14 * ohne, farbe(15, 15, 15), "Die Entwicklungskurven sind");
            text(z, 4, 30, 280 + 14 * ohne, farbe(15, 15, 15), "bei Dorvin-Online nicht verfügbar.");
        }
        return 0;
    }
    if (seite == 915 || seite == 916) {
        // the minute chart: six ranges, every second label a little higher
        Spieler_Detail_Minuten_Werte(team(), seite == 916, w);
        for (int32_t k = 0; k < 6; ++k) max = std::max(max, w[k]);
        Grafik_Rechteck_Fuellen(z, 45, 162, 380, 278, farbe(1, 1, 3));
        kurve(z, w, 6, 45 + 20, 162 + 20, 380 - 40, 278 - 60, std::max(max, 1), farbe(4, 12, 15));
        for (int32_t k = 0; k < 6; ++k) {
            char t[24];
            std::snprintf(t, sizeof t, "%d.-%d.", Spieler_Minuten_Bereiche[k][0], Spieler_Minuten_Bereiche[k][1]);
            text(z, 4, 45 + 20 + k * (380 - 40) / 5 - 12, 432 - 4 * (k % 2), farbe(15, 15, 15), t);
        }
        return 0;
    }
    std::string ueberschrift;
    if (seite == 913 || seite == 914) {
        n = Spieler_Detail_Spieltag_Werte(team(), seite == 914, w);
    } else if (seite == 917) {
        n = Spieler_Detail_Noten(spnr(), w);
        max = 6;
        const char* name = Spieler_String(SP_VOLLNAME, spnr(), nullptr, 0);
        ueberschrift = std::string("Noten aus den letzten 16 Spielen in denen ") + (name ? name : "") + " eingesetzt wurde";
    } else if (seite == 918) {
        n = Spieler_Detail_Minuten(spnr(), w);
        ueberschrift = "Einsatzzeiten in Minuten aus den letzten 16 Spielen";
    } else if (seite == 919) {
        n = Spieler_Detail_Saison_Staerken(spnr(), w);
    } else if (seite == 920) {
        n = Spieler_Detail_Saison_Tore(spnr(), w);
    }
    if (seite >= 913) {
        for (int32_t k = 0; k < n; ++k) max = std::max(max, w[k]);
        Grafik_Rechteck_Fuellen(z, 7, 155, 433, 283, farbe(1, 1, 3));
        // The heading centred over the chart, in the room above its highest point: at the
        // page's first line it stood on the page's name.
        if (!ueberschrift.empty())
            Grafik_Printf(z, Font(4), "^c%05d^tz0223%s", 0, 167, int(farbe(15, 15, 15)), ueberschrift.c_str());
        kurve(z, w, n, 17, 175, 408, 233, std::max(max, 1), farbe(4, 12, 15));
        // An empty chart says why it is empty: the season charts fill at each season's end.
        if (n == 0)
            Grafik_Printf(z, Font(4), "^c%05d^tz0223%s", 0, 290, int(farbe(15, 15, 15)),
                          seite >= 919 ? "Noch keine Werte: sie kommen am Ende jeder Saison hinzu."
                                       : "Noch keine Werte vorhanden.");
    }
    return 0;
}

// The insurance page: company buttons 893..898 and their duration rockers 899..904.
int32_t firma_von(const Menue_Icon* icon) { return (icon->nummer - 893) % 6; }

int32_t firma_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    const int32_t f = firma_von(icon);
    bool grau = false;
    Spieler_Versicherung_Knopf_Aktiv(icon->kennung_2, icon->kennung_1, f, &grau);
    Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, icon->hoehe, grau ? farbe(5, 5, 5) : farbe(3, 6, 12));
    Spieler_Screen_Bild(VERSICHERUNG_BILD_LOGO + f, z, icon->x, icon->y);
    // The name stands above the logo and, where it is longer than the button, goes on below it;
    // what the company pays is written under the duration rocker beside the button.
    const Versicherung_Karte k =
        Spieler_Versicherung_Karte(Versicherung_Gesellschaften[f].name, float(Versicherung_Angebot[f].praemie), icon->kennung_2,
                                   icon->breite - 6);
    text(z, VERSICHERUNG_FONT, icon->x + 3, icon->y + 11, farbe(15, 15, 15), k.name[0]);
    text(z, VERSICHERUNG_FONT, icon->x + 3, icon->y + 51, farbe(15, 15, 15), k.name[1]);
    text(z, VERSICHERUNG_FONT, icon->x + VERSICHERUNG_ZAHLT_X, icon->y + 42, farbe(15, 15, 8), k.zahlt[0]);
    text(z, VERSICHERUNG_FONT, icon->x + VERSICHERUNG_ZAHLT_X, icon->y + 53, farbe(15, 15, 8), k.zahlt[1]);
    return 0;
}

int32_t wippe_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    char w[120];
    Spieler_Versicherung_Wippe_Text(icon->kennung_2, icon->kennung_1, firma_von(icon), w, sizeof w);
    std::string t = w;
    const bool laufend = t.find('\n') != std::string::npos;
    Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, laufend ? 30 : icon->hoehe,
                            laufend ? farbe(5, 5, 5) : farbe(2, 4, 8));
    int32_t y = icon->y + (laufend ? 6 : 9) + 4;
    for (size_t a = 0;;) {
        const size_t e = t.find('\n', a);
        text_im(z, 4, icon, icon->x + 3, y, farbe(15, 15, 15), t.substr(a, e == std::string::npos ? e : e - a));
        if (e == std::string::npos) break;
        a = e + 1;
        y += 10;
    }
    return 0;
}

int32_t firma_klick(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    if (Spieler_Versicherung_Klick(icon->kennung_2, icon->kennung_1, firma_von(icon))) {
        Spieler_Detail_Fenster_Zeigen();
        Menue_Screen_Refresh(1, -1, -1, -1, -1);
    }
    return 1;
}

// The rocker steps the years 1..4 round; the cost follows on the redraw.
int32_t wippe_klick(Menue_Icon* icon, uint32_t)
{
    if (!icon || !Spieler_Versicherung_Knopf_Aktiv(icon->kennung_2, icon->kennung_1, firma_von(icon), nullptr)) return 0;
    int32_t& jahre = Versicherung_Angebot[firma_von(icon)].jahre;
    jahre = jahre >= 4 ? 1 : jahre + 1;
    Menue_Screen_Icon_Hinzufuegen(icon);
    return 1;
}

// The offer form: rockers 806 salary, 807 purchase fee, 808 loan fee, 809 length, and 810 send.
int32_t formular_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    const int32_t k = icon->nummer - 806;
    const bool grau = Spieler_Formular.grau[k] || Spieler_Formular.taub;
    Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, icon->hoehe,
                            grau ? farbe(5, 5, 5) : k == 4 ? farbe(3, 8, 3) : farbe(2, 4, 8));
    const Spieler_Angebot& a = Spieler_Angebot_Formular;
    std::string t;
    switch (k) {
    case 0: t = std::string("Gehalt ") + Bank_Betrag_String(float(a.gehalt) * 1000, Aktuelles_Team, -1, 0); break;
    case 1: t = std::string("Kauf ") + Bank_Betrag_String(float(a.abloese) * 1000, Aktuelles_Team, -1, 0); break;
    case 2: t = std::string("Leihe ") + Bank_Betrag_String(float(a.leihgebuehr) * 1000, Aktuelles_Team, -1, 0); break;
    case 3: t = std::to_string(a.monate / 12) + (a.monate / 12 == 1 ? " Jahr" : " Jahre"); break;
    default: t = "Angebot abgeben"; break;
    }
    text_im(z, 4, icon, icon->x + 3, icon->y + 13, grau ? farbe(9, 9, 9) : farbe(15, 15, 15), t);
    return 0;
}

// A rocker: the left half steps down, the right half up.
int32_t formular_klick(Menue_Icon* icon, uint32_t flags)
{
    if (!icon || Spieler_Formular.taub) return 0;
    const int32_t k = icon->nummer - 806;
    if (Spieler_Formular.grau[k]) return 0;
    if (k == 4) {
        Spieler_Angebot_Abschicken(icon, flags);
        Spieler_Detail_Fenster_Zeigen();
        Menue_Screen_Refresh(1, -1, -1, -1, -1);
        return 1;
    }
    Spieler_Angebot& a = Spieler_Angebot_Formular;
    const int32_t r = Maus_Get_X() < icon->x + icon->breite / 2 ? -1 : 1;
    auto schritt = [r](int32_t v, int32_t lo, int32_t hi) { return std::clamp(v + r * std::max(1, v / 10), lo, hi); };
    if (k == 0) a.gehalt = uint16_t(schritt(a.gehalt, 10, 9999));
    if (k == 1) a.abloese = uint16_t(schritt(a.abloese, 0, 9999));
    if (k == 2) Spieler_Angebot_Leihe_Setzen(schritt(a.leihgebuehr, 0, 9999));
    if (k == 3) Spieler_Angebot_Dauer_Setzen(a.monate + 12 * r);
    for (int32_t n = 806; n <= 810; ++n)
        if (Menue_Icon* i = Menue_Screen_Icon_Aus_Nummer(n)) Menue_Screen_Icon_Hinzufuegen(i);
    return 1;
}

int32_t toggle_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    const bool an = Spieler_Detailseite_Toggle() == icon->nummer, grau = Spieler_Detailseite_Toggle_Grau(icon->nummer);
    Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, icon->hoehe,
                            an ? farbe(12, 8, 0) : grau ? farbe(4, 4, 4) : farbe(3, 5, 10));
    // the picture's page symbol takes the last 16 pixels: the label ends before it
    const int32_t symbol = Spieler_Screen_Bild(DETAIL_BILD_SEITE + icon->nummer - 908, z, icon->x, icon->y) ? 16 : 0;
    const char* t = Spieler_Detailseite_Toggle_Text(icon->nummer);
    text(z, Menue_Font_Passend(4, t, icon->breite - 6 - symbol), icon->x + 4, icon->y + 13,
         grau ? farbe(8, 8, 8) : farbe(15, 15, 15), t);
    return 0;
}

int32_t knopf_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, icon->hoehe, farbe(3, 7, 3));
    // the arrows' pictures say "<" and ">" themselves
    if (Spieler_Screen_Bild(DETAIL_BILD_KNOPF + icon->nummer - DF_ZURUECK, z, icon->x, icon->y) && icon->nummer != DF_FERTIG)
        return 0;
    text(z, 4, icon->x + 4, icon->y + 13, farbe(15, 15, 15),
         icon->nummer == DF_FERTIG ? "Fertig" : icon->nummer == DF_ZURUECK ? "<" : ">");
    return 0;
}

void alles_neu()
{
    Spieler_Detail_Fenster_Zeigen();
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
}

int32_t toggle_klick(Menue_Icon* icon, uint32_t)
{
    if (icon && Spieler_Detailseite_Seite_Klick(icon->nummer)) alles_neu();
    return 0;
}

int32_t knopf_klick(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    if (icon->nummer == DF_FERTIG) {
        Spieler_Detailseite_Schliessen();
        Menue_Screen_Refresh(1, -1, -1, -1, -1);
    } else if (Spieler_Detailseite_Blaettern(icon->nummer == DF_ZURUECK ? -1 : 1)) {
        alles_neu();
    }
    return 0;
}

// Escape closes the window as its "Fertig" does: the event step's hook sees the key while the
// window is up (the window is no modal layer that would take keys of its own). So does a press
// on the group column beside it: the window's layer held the groups, the continue icon and the
// mailbox there under a barred pointer, and the manager had to find "Fertig" first. The hook
// comes before the step looks for the icon, so that the same press reaches the group.
bool links_gehalten = false;

void taste_sehen(int32_t x, int32_t y, int32_t tasten)
{
    const bool links = tasten == 1, neu = links && !links_gehalten;
    links_gehalten = links;
    if (Win95_Eingabe.taste == VK_ESCAPE) {
        Win95_Eingabe.taste = -1;
    } else if (!neu || x < SPIELER_DETAIL_FENSTER_RECHTS || y < SPIELER_DETAIL_FENSTER_OBEN) {
        return;
    }
    Spieler_Detailseite_Schliessen();
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
}

// Fixed storage: the toolkit keeps pointers into it, also while a click procedure rebuilds it.
struct Liste {
    Menue_Icon icons[48];
    int32_t n = 0;
    bool leer() const { return n == 0; }
    void clear() { n = 0; }
    void push_back(const Menue_Icon& i)
    {
        if (n < 47) icons[n++] = i;
    }
    Menue_Icon* data() { return icons; }
} liste;

Menue_Icon icon(int16_t n, int16_t x, int16_t y, uint16_t w, uint16_t h, int8_t pri, Menue_Refresh_Prozedur r)
{
    Menue_Icon i = Menue_Icon_Vorlage(n, -1, 0, x, y, w, h, pri, 255);
    i.refresh_prozedur = r;
    i.status = ICON_SPAETER_REFRESH;
    return i;
}

}  // namespace

void Spieler_Detail_Fenster_Zeigen()
{
    if (!liste.leer()) Menue_Icon_Liste_Entfernen(liste.data(), 0);
    liste.clear();
    liste.push_back(icon(DF_HINTERGRUND, 1, SPIELER_DETAIL_FENSTER_OBEN, SPIELER_DETAIL_FENSTER_RECHTS - 1,
                         480 - SPIELER_DETAIL_FENSTER_OBEN, 20, hintergrund_zeichnen));
    liste.push_back(icon(DF_PANEL, 5, 120, 440, 1, 21, panel_zeichnen));
    liste.push_back(icon(DF_SEITE, 5, 121, 440, 1, 21, seite_zeichnen));
    for (int32_t k = 0; k < 13; ++k) {
        Menue_Icon t = icon(TOGGLE_REIHE[k], 455, int16_t(129 + 23 * k), 140, 20, 22, toggle_zeichnen);
        t.klick = toggle_klick;
        t.hilfetext = Spieler_Detailseite_Toggle_Text(TOGGLE_REIHE[k]);
        liste.push_back(t);
    }
    const struct {
        int16_t n, x;
        uint16_t w;
        const char* hilfe;
    } k[] = {{DF_ZURUECK, 462, 36, "Hier schalten Sie einen Spieler innerhalb dieses Teams zurück"},
             {DF_VOR, 502, 36, "Hier schalten Sie einen Spieler innerhalb dieses Teams vor"},
             {DF_FERTIG, 547, 45, "Ich habe fertig !"}};
    // (six pixels left of the layout's 468/508/553: "Fertig" ended on the window's frame, under
    // the group column's edge)
    for (const auto& b : k) {
        Menue_Icon i = icon(b.n, b.x, 450, b.w, 20, 22, knopf_zeichnen);
        i.klick = knopf_klick;
        i.hilfetext = b.hilfe;
        liste.push_back(i);
    }
    if (Spieler_Detailseite_Toggle() == 912) {
        static constexpr const char* HILFE[5] = {
            "Gebotenes Gehalt einstellen", "Gebotene Ablösesumme (KAUFEN) einstellen^l\"0\" = Transfer NACH Vertragsende",
            "Gebotene Ablösesumme (LEIHEN) einstellen^lEr muß zum Leihen mind. 18 Monate Vertragsdauer haben.^l\"0\" = "
            "Kauf-Angebot",
            "Gewünschte Vertragsdauer einstellen", "Angebot abgeben"};
        for (int32_t k = 0; k < 5; ++k) {
            Menue_Icon f = icon(int16_t(806 + k), int16_t(k < 4 ? 12 + 108 * k : 12), int16_t(k < 4 ? 290 : 315),
                                k < 4 ? 104 : 140, 20, 23, formular_zeichnen);
            f.klick = formular_klick;
            f.hilfetext = HILFE[k];
            liste.push_back(f);
        }
    }
    if (Spieler_Detailseite_Toggle() == 911) {
        for (int32_t f = 0; f < VERSICHERUNG_FIRMEN; ++f) {
            const int16_t x = f % 2 ? 231 : 31, y = int16_t(247 + 60 * (f / 2));
            Menue_Icon b = icon(int16_t(893 + f), x, y, 90, 55, 23, firma_zeichnen);
            b.klick = firma_klick;
            b.hilfetext = Versicherung_Gesellschaften[f].beschreibung;
            Menue_Icon w = icon(int16_t(899 + f), int16_t(x + 93), y, 95, 20, 23, wippe_zeichnen);
            w.klick = wippe_klick;
            w.hilfetext = "Gewünschte Vertragsdauer (in Jahren) einstellen";
            for (Menue_Icon* i : {&b, &w}) {
                i->kennung_1 = int16_t(spnr());
                i->kennung_2 = int16_t(team());
                liste.push_back(*i);
            }
        }
    }
    liste.push_back(Menue_Icon_Listenende());
    Menue_Icon_Liste_Hinzufuegen(liste.data());
    // the press that opened the window is still held
    links_gehalten = true;
    if (!Menue_Hook) Menue_Hook_Registrieren(taste_sehen, 0);
}

void Spieler_Detail_Fenster_Entfernen()
{
    if (liste.leer()) return;
    if (Menue_Hook == taste_sehen) Menue_Hook_Registrieren(taste_sehen, 1);
    Menue_Icon_Liste_Entfernen(liste.data(), 0);
    liste.clear();
    // The screen the window covered is drawn anew with the next refresh: without it the window's
    // picture stayed, and its "Fertig" seemed to do nothing.
    Menue_Bereich_Aktiv_Setzen(0x20, 1, 0, 40, 601, 480);
}
