#include "screens/spieler_suche_screen.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "database/assistent.h"
#include "database/manager.h"
#include "database/spieler.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/maus.h"
#include "platform/resfile.h"
#include "screens/spieler_einsetzen.h"
#include "screens/spieler_einsetzen_feld.h"
#include "screens/spieler_einsetzen_screen.h"
#include "screens/spieler_bilder.h"
#include "screens/spieler_liste.h"
#include "screens/spieler_liste_knoepfe.h"
#include "screens/spieler_schirme.h"
#include "screens/spieler_suche.h"
#include "toolkit/icon.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/screen.h"
#include "toolkit/ziehen.h"

namespace {

constexpr int32_t ASSI_ERSTES = 1347, SLOT_ERSTES = 1388, SLOT_ABSTAND = 23;
// The page's own background and lists (the line-up page has its own under other numbers).
constexpr int32_t SEITE_HINTERGRUND = 1380, SEITE_LINKS = 1381, SEITE_RECHTS = 1382;
// The slots' places, and the small pitch's corner relative to them (the corner drag's mapping
// counts from x 204, y 178 for slot 0).
constexpr int32_t SLOT_ORT[4][2] = {{193, 181}, {306, 166}, {193, 341}, {306, 325}};
constexpr int32_t FELD_DX = 11, FELD_DY = -3, FELD_W = 72, FELD_H = 108;
constexpr int32_t BALKEN_LAENGE = 115, GRIFF = 8;
// Room corners: where the pointer holds a corner relative to the corner point (left, right; top,
// bottom), as the drag mapping takes it back.
constexpr int32_t ECKE_X[2] = {8, -2}, ECKE_Y[2] = {10, -4};

uint16_t farbe(int r, int g, int b) { return Grafik_Farbe(uint32_t(r), uint32_t(g), uint32_t(b)); }
Rastport* ziel() { return Grafik_Render_Ziel; }

void text(int32_t font, int32_t x, int32_t y, uint16_t f, const char* t)
{
    if (ziel()) Grafik_Printf(ziel(), Font(font), "^c%05d%s", x, y, int(f), t);
}

bool mit_manager() { return Aktuelles_Team >= 0 && Aktuelles_Team < Team_Anzahl && Team_Hat_Manager(Aktuelles_Team); }
bool knopf(int32_t icon) { return mit_manager() && Manager_Icon_Button_Lesen(Aktuelles_Team, icon) != 0; }

const Transfer_Suchblock* suchblock()
{
    return mit_manager() ? static_cast<const Transfer_Suchblock*>(Team_Zeiger(TEAM_TRANSFERSUCHE, Aktuelles_Team, nullptr, 0))
                         : nullptr;
}

int32_t slot_von(const Menue_Icon* icon) { return icon ? Spieler_Suche_Slot_Aus_Icon(icon->nummer) : -1; }
int32_t rolle_von(const Menue_Icon* icon) { return icon->nummer - SLOT_ERSTES - SLOT_ABSTAND * slot_von(icon); }

// The page's records: the toolkit keeps pointers into them while they are on screen.
Menue_Icon seite[160];
int32_t seite_n = 0;
bool auf_dem_schirm = false;
std::vector<Spieler_Listen_Eintrag> links, rechts;
std::vector<int32_t> links_oben, rechts_oben;  // the drawn entries' tops, for the menu under the pointer

void hinzu(const Menue_Icon& i)
{
    if (seite_n < int32_t(std::size(seite)) - 1) seite[seite_n++] = i;
}

Menue_Icon vorlage(int32_t n, int32_t x, int32_t y, int32_t w, int32_t h, int8_t pri, Menue_Refresh_Prozedur r)
{
    Menue_Icon i = Menue_Icon_Vorlage(int16_t(n), -1, 0, int16_t(x), int16_t(y), uint16_t(w), uint16_t(h), pri, 255);
    i.refresh_prozedur = r;
    i.status = ICON_SPAETER_REFRESH;
    return i;
}

// -- drawing ----------------------------------------------------------------------------------

int32_t hintergrund_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!ziel() || !icon) return 0;
    Grafik_Rechteck_Fuellen(ziel(), 0, 40, 600, 440, farbe(1, 3, 2));
    Grafik_Rechteck_Fuellen(ziel(), 4, 96, 160, 376, farbe(1, 5, 9));
    Grafik_Rechteck_Fuellen(ziel(), 452, 96, 145, 376, farbe(1, 5, 9));
    Spieler_Suche_Texte t{};
    Spieler_Suche_Texte_Setzen(&t);
    const uint16_t weiss = farbe(15, 15, 15), gelb = farbe(15, 15, 0);
    // a value follows its caption
    auto danach = [](int32_t x, const char* t) { return x + Font_Text_Breite(Font(SPIELER_SUCHE_FONT), t) + 4; };
    text(4, 184, 58, weiss, "nur");
    text(4, 246, 58, weiss, "Mit ");
    text(4, danach(246, "Mit"), 58, gelb, t.verein);
    text(4, 246, 74, weiss, "Transfermarkt");
    text(4, 246, 90, weiss, "Mit Vereinen aus");
    text(4, danach(246, "Mit Vereinen aus"), 90, gelb, t.liga);
    text(4, 246, 106, weiss, "Auslaufende Vertr.");
    text(4, danach(246, "Auslaufende Vertr."), 106, gelb, t.monate);
    text(4, 168, 132, weiss, "Suchpositionen:");
    for (int32_t k = 0; k < 4; ++k) text(4, 282 + 44 * k - danach(0, "nur"), 132, weiss, "nur");
    text(3, 456, 92, gelb, Spieler_Suche_Bereich_Text());
    return 0;
}

// The picture of the same number as the icon (the switches' signs, the assistants), drawn with
// its see-through pixels at (x, y); false when it is missing.
bool bild_zeichnen(int32_t nummer, int32_t x, int32_t y) { return Spieler_Screen_Bild(nummer, ziel(), x, y); }

// A switch: a small framed face, lit while on, with its sign.
int32_t knopf_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!ziel() || !icon) return 0;
    const bool an = knopf(icon->nummer);
    const int32_t x = icon->x, y = icon->y, w = icon->breite, h = icon->hoehe;
    Grafik_Rechteck_Fuellen(ziel(), x, y, w, h, farbe(0, 0, 0));
    Grafik_Rechteck_Fuellen(ziel(), x + 1, y + 1, w - 2, h - 2, an ? farbe(15, 9, 0) : farbe(5, 6, 8));
    bild_zeichnen(icon->nummer, x, y);
    return 0;
}

int32_t assi_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!ziel() || !icon || icon->kennung_1 < 0 || icon->kennung_1 >= ASSI_SLOTS) return 0;
    if (bild_zeichnen(icon->nummer, icon->x, icon->y)) return 0;
    Grafik_Rechteck_Fuellen(ziel(), icon->x, icon->y, icon->breite, icon->hoehe, farbe(3, 3, 6));
    const char* name = Assistenten_Tabelle[icon->kennung_1].name;
    char kurz[4] = {name && name[0] ? name[0] : '?', 0};
    text(3, icon->x + 6, icon->y + 13, farbe(15, 15, 15), kurz);
    return 0;
}

const char* assi_hilfe(Menue_Icon* icon)
{
    if (!icon || icon->kennung_1 < 0 || icon->kennung_1 >= ASSI_SLOTS) return "";
    return Assistenten_Tabelle[icon->kennung_1].name;
}

void feld_ursprung(int32_t slot, int32_t* x, int32_t* y)
{
    *x = SLOT_ORT[slot][0] + FELD_DX;
    *y = SLOT_ORT[slot][1] + FELD_DY;
}

// The room's corners on the small pitch (left, top, right, bottom), relative to its corner.
bool raum_rechteck(int32_t slot, int32_t r[4])
{
    const Transfer_Suchblock* s = suchblock();
    if (!s) return false;
    const int32_t a = std::clamp<int32_t>(s->zelle_a[slot], 0, RASTER_KEINE_ZELLE - 1);
    const int32_t b = std::clamp<int32_t>(s->zelle_b[slot], 0, RASTER_KEINE_ZELLE - 1);
    Spieler_Einsetzen_Raster_Zu_Screen(0, std::min(a, b) / RASTER_SPALTEN, std::min(a % RASTER_SPALTEN, b % RASTER_SPALTEN),
                                       Aktuelles_Team, -1, &r[0], &r[3]);
    Spieler_Einsetzen_Raster_Zu_Screen(0, std::max(a, b) / RASTER_SPALTEN, std::max(a % RASTER_SPALTEN, b % RASTER_SPALTEN),
                                       Aktuelles_Team, -1, &r[2], &r[1]);
    return true;
}

// The small pitch with the room, drawn into a bitmap of its own and put on the screen.
void feld_malen(int32_t slot)
{
    const Transfer_Suchblock* s = suchblock();
    Rastport* b = ziel() ? Grafik_Bitmap_Anlegen(FELD_W, FELD_H, ziel()->depth) : nullptr;
    if (!b || !s) {
        Grafik_Bitmap_Freigeben(b);
        return;
    }
    if (!Spieler_Screen_Bild(SUCHE_BILD_FELD, b, 0, 0, true)) {
        for (int32_t k = 0; k < 6; ++k)
            Grafik_Rechteck_Fuellen(b, 0, k * FELD_H / 6, FELD_W, FELD_H / 6 + 1, k % 2 ? farbe(2, 9, 3) : farbe(2, 10, 3));
        const uint16_t w = farbe(13, 15, 13);
        Grafik_Linie(b, 0, 0, FELD_W - 1, 0, w);
        Grafik_Linie(b, 0, FELD_H - 1, FELD_W - 1, FELD_H - 1, w);
        Grafik_Linie(b, 0, 0, 0, FELD_H - 1, w);
        Grafik_Linie(b, FELD_W - 1, 0, FELD_W - 1, FELD_H - 1, w);
        Grafik_Linie(b, 0, FELD_H / 2, FELD_W - 1, FELD_H / 2, w);
        Grafik_Linie(b, 18, FELD_H - 1, 18, FELD_H - 15, w);
        Grafik_Linie(b, FELD_W - 19, FELD_H - 1, FELD_W - 19, FELD_H - 15, w);
        Grafik_Linie(b, 18, FELD_H - 15, FELD_W - 19, FELD_H - 15, w);
    }
    const bool aktiv = s->aktiv[slot] != 0;
    if (!s->torwart[slot]) {
        int32_t r[4];
        if (raum_rechteck(slot, r) && r[2] > r[0] && r[3] > r[1] && aktiv)
            Grafik_Rechteck_Fuellen(b, r[0] + 1, r[1] + 1, r[2] - r[0] - 1, r[3] - r[1] - 1, farbe(9, 13, 6));
        Spieler_Suche_Raum_Malen(b, slot, aktiv ? farbe(15, 15, 0) : farbe(10, 10, 10));
    }
    int32_t x, y;
    feld_ursprung(slot, &x, &y);
    Grafik_Blit(b, 0, 0, FELD_W, FELD_H, ziel(), x, y);
    Grafik_Bitmap_Freigeben(b);
}

int32_t rahmen_zeichnen(Menue_Icon* icon, uint32_t)
{
    const int32_t slot = slot_von(icon);
    if (!ziel() || slot < 0) return 0;
    const Transfer_Suchblock* s = suchblock();
    const bool aktiv = s && s->aktiv[slot];
    // the frame's picture holds the two bars' tracks
    if (Spieler_Screen_Bild(SUCHE_BILD_RAHMEN + (aktiv ? 1 : 0), ziel(), icon->x, icon->y, true)) {
        feld_malen(slot);
        return 0;
    }
    Grafik_Rechteck_Fuellen(ziel(), icon->x, icon->y, icon->breite, icon->hoehe, aktiv ? farbe(6, 6, 1) : farbe(3, 3, 4));
    Grafik_Rechteck_Fuellen(ziel(), icon->x + 1, icon->y + 1, icon->breite - 2, icon->hoehe - 2, farbe(1, 2, 3));
    feld_malen(slot);
    int32_t fx, fy;
    feld_ursprung(slot, &fx, &fy);
    for (int32_t art = 0; art < 2; ++art)
        Grafik_Rechteck_Fuellen(ziel(), fx + 78 + 13 * art, SLOT_ORT[slot][1], 4, BALKEN_LAENGE + GRIFF, farbe(6, 6, 7));
    return 0;
}

int32_t tor_zeichnen(Menue_Icon* icon, uint32_t)
{
    const int32_t slot = slot_von(icon);
    const Transfer_Suchblock* s = suchblock();
    if (!ziel() || slot < 0 || !s) return 0;
    if (Spieler_Screen_Bild(SUCHE_BILD_TOR + (s->torwart[slot] ? 1 : 0), ziel(), icon->x, icon->y)) return 0;
    const uint16_t f = s->torwart[slot] ? farbe(15, 9, 0) : farbe(14, 14, 14);
    Grafik_Rechteck_Fuellen(ziel(), icon->x, icon->y, icon->breite, 2, f);
    Grafik_Rechteck_Fuellen(ziel(), icon->x, icon->y, 2, icon->hoehe, f);
    Grafik_Rechteck_Fuellen(ziel(), icon->x + icon->breite - 2, icon->y, 2, icon->hoehe, f);
    if (s->torwart[slot]) Grafik_Rechteck_Fuellen(ziel(), icon->x + 2, icon->y + 2, icon->breite - 4, icon->hoehe - 2, farbe(12, 6, 0));
    return 0;
}

int32_t aktiv_zeichnen(Menue_Icon* icon, uint32_t)
{
    const int32_t slot = slot_von(icon);
    const Transfer_Suchblock* s = suchblock();
    if (!ziel() || slot < 0 || !s) return 0;
    if (Spieler_Screen_Bild(SUCHE_BILD_AKTIV + (s->aktiv[slot] ? 1 : 0), ziel(), icon->x, icon->y, true)) return 0;
    Grafik_Rechteck_Fuellen(ziel(), icon->x, icon->y, icon->breite, icon->hoehe, farbe(0, 0, 0));
    Grafik_Rechteck_Fuellen(ziel(), icon->x + 1, icon->y + 1, icon->breite - 2, icon->hoehe - 2,
                            s->aktiv[slot] ? farbe(4, 15, 4) : farbe(6, 6, 6));
    return 0;
}

int32_t griff_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* b = icon ? Menue_Screen_Icon_Bitmap(icon) : nullptr;
    if (!b) return 0;
    const bool ecke = rolle_von(icon) >= 19;
    if (Spieler_Screen_Bild(ecke ? SUCHE_BILD_ECKE : SUCHE_BILD_REGLER, b, 0, 0, true)) return 0;
    Grafik_Rechteck_Fuellen(b, 0, 0, icon->breite, icon->hoehe, farbe(1, 1, 1));
    Grafik_Rechteck_Fuellen(b, 1, 1, icon->breite - 2, icon->hoehe - 2, ecke ? farbe(15, 15, 0) : farbe(13, 13, 15));
    return 0;
}

// The labels under a slot's pitch: "Alter" and "Stärke" with their bounds.
int32_t wert_zeichnen(Menue_Icon* icon, uint32_t)
{
    const int32_t slot = slot_von(icon);
    const Transfer_Suchblock* s = suchblock();
    if (!ziel() || slot < 0 || !s) return 0;
    char t[24];
    const int32_t rolle = rolle_von(icon);
    switch (rolle) {
    case 1: std::snprintf(t, sizeof t, "Alter"); break;
    case 2: std::snprintf(t, sizeof t, "%d", std::clamp<int32_t>(s->alter_max[slot], 16, 42)); break;
    case 3: std::snprintf(t, sizeof t, "%d", std::clamp<int32_t>(s->alter_min[slot], 16, 42)); break;
    case 7: std::snprintf(t, sizeof t, "Stärke"); break;
    case 8: std::snprintf(t, sizeof t, "%d", std::clamp<int32_t>(s->staerke_max[slot], 1, 999)); break;
    case 9: std::snprintf(t, sizeof t, "%d", std::clamp<int32_t>(s->staerke_min[slot], 1, 999)); break;
    default: return 0;
    }
    // The condensed font where a text is wider than its box (a label keeps 4 pixels to the bound
    // beside it, a bound a pixel each side); a bound centred in its box, apart from the label and
    // the other bound.
    const bool label = rolle == 1 || rolle == 7;
    const int32_t font = Menue_Font_Passend(4, t, icon->breite - (label ? 4 : 2));
    const int32_t x = label ? icon->x : icon->x + std::max(0, (icon->breite - Font_Text_Breite(Font(font), t)) / 2);
    text(font, x, icon->y + 9, label ? farbe(15, 15, 0) : farbe(15, 15, 15), t);
    return 0;
}

int32_t liste_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!ziel() || !icon) return 0;
    const bool linke = icon->nummer == SEITE_LINKS;
    // built as drawn, so that the controls under the lists take effect at once
    Spieler_Einsetzen_Liste_Bauen(linke ? 0 : 2, linke ? &links : &rechts);
    Spieler_Einsetzen_Liste_Malen(ziel(), linke ? 0 : 2, linke ? links : rechts, icon->x + 2, icon->y + 2, icon->hoehe - 4,
                                  linke ? &links_oben : &rechts_oben);
    return 0;
}

// A right click on an entry opens the player's menu, as on the line-up screen.
Menue_Kontextmenue* liste_menue(Menue_Icon* icon)
{
    if (!icon) return nullptr;
    const bool linke = icon->nummer == SEITE_LINKS;
    return Spieler_Einsetzen_Liste_Kontext(icon, linke ? links_oben : rechts_oben, linke ? links : rechts, Maus_Get_Y());
}

// -- input ------------------------------------------------------------------------------------

// A left click on an entry of either list opens the player's detail pages.
int32_t liste_klick(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    const bool linke = icon->nummer == SEITE_LINKS;
    return Spieler_Einsetzen_Liste_Details(linke ? links_oben : rechts_oben, linke ? links : rechts, Maus_Get_Y()) ? 1 : 0;
}

int32_t schalter_klick(Menue_Icon* icon, uint32_t flags)
{
    if (!icon) return 0;
    Spieler_Suche_Knopf_Klick(icon, flags);
    Spieler_Suche_Seite_Zeigen();
    return 1;
}

uint8_t team_gewaehlt(int32_t e, int32_t c, int32_t a, int32_t b)
{
    const uint8_t r = Spieler_Suche_Team_Gewaehlt(e, c, a, b);
    Spieler_Suche_Seite_Zeigen();
    return r;
}
uint8_t liga_gewaehlt(int32_t e, int32_t c, int32_t a, int32_t b)
{
    const uint8_t r = Spieler_Suche_Liga_Gewaehlt(e, c, a, b);
    Spieler_Suche_Seite_Zeigen();
    return r;
}
uint8_t vertrag_gewaehlt(int32_t e, int32_t c, int32_t a, int32_t b)
{
    const uint8_t r = Spieler_Suche_Vertrag_Gewaehlt(e, c, a, b);
    Spieler_Suche_Seite_Zeigen();
    return r;
}

// The menus of the search module, whose choices redraw the page afterwards.
Menue_Kontextmenue* umleiten(Menue_Kontextmenue* m, Popup_Eintrag_Prozedur von, Popup_Eintrag_Prozedur nach)
{
    if (!m) return nullptr;
    for (auto& p : m->prozeduren)
        if (p == von) p = nach;
    return m;
}
Menue_Kontextmenue* team_menue(Menue_Icon* i) { return umleiten(Spieler_Suche_Team_Menue(i), Spieler_Suche_Team_Gewaehlt, team_gewaehlt); }
Menue_Kontextmenue* liga_menue(Menue_Icon* i) { return umleiten(Spieler_Suche_Liga_Menue(i), Spieler_Suche_Liga_Gewaehlt, liga_gewaehlt); }
Menue_Kontextmenue* vertrag_menue(Menue_Icon* i)
{
    return umleiten(Spieler_Suche_Vertrag_Menue(i), Spieler_Suche_Vertrag_Gewaehlt, vertrag_gewaehlt);
}

void ecke_abgelegt(Menue_Move_Struktur*, Menue_Icon* icon, int32_t x, int32_t y, uint32_t code)
{
    if (code == 0x80) Spieler_Suche_Ecke_Abgelegt(icon, x, y);
}
void regler_abgelegt(Menue_Move_Struktur*, Menue_Icon* icon, int32_t, int32_t y, uint32_t code)
{
    if (code == 0x80) Spieler_Suche_Regler_Abgelegt(icon, y);
}

Menue_Move_Struktur ecken_move[4];
Menue_Move_Struktur regler_move[4][2];

// -- building ---------------------------------------------------------------------------------

void schalter(int32_t n, int32_t x, int32_t y, const char* hilfe, Menue_Kontext_Prozedur kontext = nullptr)
{
    Menue_Icon i = vorlage(n, x, y, 13, 12, 5, knopf_zeichnen);
    i.klick = schalter_klick;
    i.hilfetext = hilfe;
    i.kontext = kontext;
    hinzu(i);
}

void slot_bauen(int32_t slot, bool gesperrt)
{
    const Transfer_Suchblock* s = suchblock();
    if (!s) return;
    const int32_t b = SLOT_ERSTES + SLOT_ABSTAND * slot;
    int32_t fx, fy;
    feld_ursprung(slot, &fx, &fy);
    const uint16_t sperre = gesperrt ? ICON_GESPERRT_2 : 0;
    Menue_Icon rahmen = vorlage(b, SLOT_ORT[slot][0] - 4, SLOT_ORT[slot][1] - 6, 111, 140, 2, rahmen_zeichnen);
    rahmen.mausover = Spieler_Suche_Slot_Hilfe;
    hinzu(rahmen);
    static const struct {
        int32_t rolle, dx, dy, w;
        const char* hilfe;
    } LABEL[6] = {
        {1, 0, 112, 30, nullptr},
        {3, 36, 112, 16, "Minimales Alter des^lhier gesuchten Spielers"},
        {2, 56, 112, 16, "Maximales Alter des^lhier gesuchten Spielers"},
        {7, 0, 124, 32, nullptr},  // "Stärke", a gap before its bounds
        {9, 35, 124, 19, "Minimale Stärke des^lhier gesuchten Spielers"},
        {8, 56, 124, 19, "Maximale Stärke des^lhier gesuchten Spielers"},
    };
    for (const auto& l : LABEL) {
        Menue_Icon i = vorlage(b + l.rolle, fx + l.dx, fy + l.dy, l.w, 11, 4, wert_zeichnen);
        i.hilfetext = l.hilfe;
        hinzu(i);
    }
    // the bars and their handles: the upper handle is the maximum
    static const char* const BALKEN_HILFE[2] = {"Stellen Sie hier das Alter des gesuchten Spielers ein",
                                                "Stellen Sie hier die Stärke des gesuchten Spielers ein"};
    static const char* const GRIFF_HILFE[2][2] = {{"So alt darf er höchstens sein", "So alt soll er mindestens sein"},
                                                  {"So stark soll er höchstens sein^l(Stärkewert aus K+T+I+F)",
                                                   "So stark soll er mindestens sein^l(Stärkewert aus K+T+I+F)"}};
    for (int32_t art = 0; art < 2; ++art) {
        const int32_t bx = fx + 76 + 13 * art, oben = SLOT_ORT[slot][1];
        Menue_Icon balken = vorlage(b + 4 + 6 * art, bx, oben, 8, BALKEN_LAENGE + GRIFF, 4, nullptr);
        balken.flags |= ICON_NIE_ZEICHNEN;
        balken.hilfetext = BALKEN_HILFE[art];
        balken.status |= sperre;
        hinzu(balken);
        int32_t y_oben, y_unten;
        Spieler_Suche_Regler_Position(slot, art, &y_oben, &y_unten);
        // icon numbers: age 1394 maximum, 1393 minimum; strength 1399 maximum, 1400 minimum
        const int32_t nummern[2] = {art == 0 ? b + 6 : b + 11, art == 0 ? b + 5 : b + 12};
        const int32_t ys[2] = {y_oben, y_unten};
        for (int32_t k = 0; k < 2; ++k) {
            Menue_Move_Struktur& m = regler_move[slot][art];
            m = Menue_Move_Struktur{-1, 0, regler_abgelegt, nullptr, {int16_t(bx), int16_t(oben), int16_t(bx + 7), int16_t(oben + BALKEN_LAENGE + GRIFF - 1)}, nullptr, -1};
            Menue_Icon g = vorlage(nummern[k], bx, ys[k], GRIFF, GRIFF, 6, griff_zeichnen);
            g.status = 0;
            g.flags = gesperrt ? 0u : uint32_t(ICON_ZIEHBAR);
            g.move = gesperrt ? nullptr : &m;
            g.hilfetext = GRIFF_HILFE[art][k];
            hinzu(g);
        }
    }
    Menue_Icon tor = vorlage(b + 17, fx + 25, fy + FELD_H - 6, 22, 8, 5, tor_zeichnen);
    tor.klick = gesperrt ? nullptr : schalter_klick;
    tor.mausover = Spieler_Suche_Raum_Hilfe;
    tor.status |= sperre;
    hinzu(tor);
    Menue_Icon aktiv = vorlage(b + 18, SLOT_ORT[slot][0] - 1, SLOT_ORT[slot][1] - 3, 10, 10, 5, aktiv_zeichnen);
    aktiv.klick = gesperrt ? nullptr : schalter_klick;
    aktiv.mausover = Spieler_Suche_Aktiv_Hilfe;
    aktiv.status |= sperre;
    hinzu(aktiv);
    // the room's corners: left top, right top, left bottom, right bottom
    int32_t r[4];
    if (!raum_rechteck(slot, r)) return;
    const bool fest = gesperrt || s->torwart[slot];
    ecken_move[slot] = Menue_Move_Struktur{-1, 0, ecke_abgelegt, nullptr, {int16_t(fx), int16_t(fy), int16_t(fx + FELD_W + 8), int16_t(fy + FELD_H + 8)}, nullptr, -1};
    for (int32_t e = 0; e < 4; ++e) {
        const bool links_ = e == 0 || e == 2, oben_ = e < 2;
        const int32_t px = fx + (links_ ? r[0] + ECKE_X[0] : r[2] + ECKE_X[1]);
        const int32_t py = fy + (oben_ ? r[1] + ECKE_Y[0] : r[3] + ECKE_Y[1]);
        Menue_Icon c = vorlage(b + 19 + e, px - 3, py - 3, 7, 7, 6, griff_zeichnen);
        c.status = fest ? ICON_GESPERRT_2 : 0;
        c.flags = fest ? 0u : uint32_t(ICON_ZIEHBAR);
        c.move = fest ? nullptr : &ecken_move[slot];
        c.mausover = Spieler_Suche_Raum_Hilfe;
        hinzu(c);
    }
}

void seite_bauen()
{
    seite_n = 0;
    hinzu(vorlage(SEITE_HINTERGRUND, 0, 40, 600, 440, 0, hintergrund_zeichnen));
    Menue_Icon l = vorlage(SEITE_LINKS, 4, 96, 160, 340, 3, liste_zeichnen);
    l.kontext = liste_menue;
    l.klick = liste_klick;
    hinzu(l);
    Menue_Icon r = vorlage(SEITE_RECHTS, 452, 96, 145, 340, 3, liste_zeichnen);
    r.kontext = liste_menue;
    r.klick = liste_klick;
    hinzu(r);
    // the lists' controls underneath, as on the line-up screen
    Menue_Icon steuer[16];
    for (const int32_t liste : {0, 2}) {
        const int32_t n = Spieler_Einsetzen_Listen_Knoepfe(steuer, 16, liste, liste == 0 ? 4 : 452, 440);
        for (int32_t k = 0; k < n; ++k) hinzu(steuer[k]);
    }
    // the team's assistants, in slot order
    const auto* assis = mit_manager() ? static_cast<const uint8_t*>(Team_Zeiger(TEAM_ASSISTENTEN, Aktuelles_Team, nullptr, 0)) : nullptr;
    int32_t k = 0;
    for (int32_t slot = 0; slot < ASSI_SLOTS && k < 4; ++slot) {
        if (!assis || !assis[slot]) continue;
        Menue_Icon a = vorlage(ASSI_ERSTES + k, 452 + 36 * k, 46, 30, 30, 4, assi_zeichnen);
        a.kennung_1 = int16_t(slot);
        a.mausover = assi_hilfe;
        hinzu(a);
        ++k;
    }
    // 1347 marks the page as open, so it stands there (hidden) without assistants too
    for (; k < 4; ++k) {
        Menue_Icon a = vorlage(ASSI_ERSTES + k, 452 + 36 * k, 46, 30, 30, 4, nullptr);
        a.status = ICON_VERSTECKT;
        hinzu(a);
    }
    schalter(1351, 168, 49, "Eigenes Team: nur freigegebene^loder umworbene Spieler anzeigen");
    schalter(1352, 230, 49, "Spieler aus diesem Verein anzeigen", team_menue);
    schalter(1353, 230, 65, "Spieler ohne Verein anzeigen^l(arbeitlose Dorvin)");
    schalter(1354, 230, 81, "Spieler aus dieser Liga anzeigen", liga_menue);
    schalter(1355, 230, 97, nullptr, vertrag_menue);
    seite[seite_n - 1].mausover = Spieler_Suche_Vertrag_Hilfe;
    static const char* const FILTER[4] = {"Nur freigegebene Spieler anzeigen", "Nur Spieler mit vorliegendem Angebot anzeigen",
                                          "Nur Spieler mit EIGENEM Angebot anzeigen^l(Raumangaben und Team-Einschränkungen^lwerden ignoriert)",
                                          "Nur Spieler unter Beobachtung anzeigen^l(Raumangaben und Team-Einschränkungen^lwerden ignoriert)"};
    for (int32_t f = 0; f < 4; ++f) schalter(1357 + f, 282 + 44 * f, 123, FILTER[f]);
    const bool gesperrt = mit_manager() && Assistent_Mit_Aufgabe(Aktuelles_Team, ASSI_AUFGABE_TRANSFER) >= 0;
    for (int32_t slot = 0; slot < 4; ++slot) slot_bauen(slot, gesperrt);
    seite[seite_n] = Menue_Icon_Listenende();
    Spieler_Einsetzen_Liste_Bauen(0, &links);
    Spieler_Einsetzen_Liste_Bauen(2, &rechts);
}

}  // namespace

void Spieler_Suche_Feld_Ursprung(int32_t slot, int32_t* x, int32_t* y)
{
    if (!x || !y || slot < 0 || slot > 3) return;
    feld_ursprung(slot, x, y);
}

void Spieler_Suche_Regler_Position(int32_t slot, int32_t art, int32_t* y_oben, int32_t* y_unten)
{
    const Transfer_Suchblock* s = suchblock();
    if (!y_oben || !y_unten || slot < 0 || slot > 3) return;
    const int32_t oben = SLOT_ORT[slot][1];
    if (!s) {
        *y_oben = oben, *y_unten = oben + BALKEN_LAENGE;
        return;
    }
    // The inverse of the bars' value mapping (age 42 and strength 999 at the top), rounded up:
    // the first pixel that gives the value back, so that a handle left alone keeps its value.
    auto pixel = [](int32_t d, int32_t spanne) { return (d * BALKEN_LAENGE + spanne - 1) / spanne; };
    int32_t o, u;
    if (art == 0) {
        o = pixel(42 - std::clamp<int32_t>(s->alter_max[slot], 16, 42), 26);
        u = pixel(42 - std::clamp<int32_t>(s->alter_min[slot], 16, 42), 26);
    } else {
        o = pixel(999 - std::clamp<int32_t>(s->staerke_max[slot], 1, 999), 998);
        u = pixel(999 - std::clamp<int32_t>(s->staerke_min[slot], 1, 999), 998);
    }
    o = std::clamp(o, 0, BALKEN_LAENGE - GRIFF);
    u = std::clamp(u, o + GRIFF, BALKEN_LAENGE);
    *y_oben = oben + o;
    *y_unten = oben + u;
}

void Spieler_Suche_Ecke_Abgelegt(Menue_Icon* icon, int32_t x, int32_t y)
{
    const int32_t slot = slot_von(icon);
    const int32_t e = slot >= 0 ? rolle_von(icon) - 19 : -1;
    if (e < 0 || e > 3) return;
    Spieler_Suche_Ecke_Ziehen(slot, e, x + 3, y + 3);
    if (auf_dem_schirm) Spieler_Suche_Seite_Zeigen();
}

void Spieler_Suche_Regler_Abgelegt(Menue_Icon* icon, int32_t y)
{
    const int32_t slot = slot_von(icon);
    if (slot < 0) return;
    const int32_t rolle = rolle_von(icon);
    const int32_t art = rolle == 5 || rolle == 6 ? 0 : rolle == 11 || rolle == 12 ? 1 : -1;
    if (art < 0) return;
    const bool maximum = rolle == 6 || rolle == 11;
    int32_t y_oben, y_unten;
    Spieler_Suche_Regler_Position(slot, art, &y_oben, &y_unten);
    const int32_t oben = SLOT_ORT[slot][1];
    // the dragged handle keeps 8 pixels from its partner by pushing it
    if (maximum) {
        y_oben = std::clamp(y - oben, 0, BALKEN_LAENGE - GRIFF);
        y_unten = std::max(y_unten - oben, y_oben + GRIFF);
    } else {
        y_unten = std::clamp(y - oben, GRIFF, BALKEN_LAENGE);
        y_oben = std::min(y_oben - oben, y_unten - GRIFF);
    }
    Spieler_Suche_Regler_Setzen(slot, art, y_oben, y_unten);
    if (auf_dem_schirm) Spieler_Suche_Seite_Zeigen();
}

int32_t Spieler_Suche_Treffer(int32_t* spieler, int32_t* teams, int32_t max)
{
    std::vector<Spieler_Listen_Eintrag> e;
    Spieler_Einsetzen_Liste_Bauen(2, &e);
    int32_t n = 0;
    for (const auto& x : e)
        if (x.spnr >= 0 && n < max) {
            if (spieler) spieler[n] = x.spnr;
            if (teams) teams[n] = x.team;
            ++n;
        }
    return n;
}

void Spieler_Suche_Seite_Entfernen()
{
    if (!auf_dem_schirm) return;
    Menue_Icon_Liste_Entfernen(seite, 0);
    auf_dem_schirm = false;
}

void Spieler_Suche_Seite_Zeigen()
{
    Spieler_Suche_Seite_Entfernen();
    seite_bauen();
    Menue_Icon_Liste_Hinzufuegen(seite);
    // looked up by number, the list controls are this page's, not the line-up screen's
    Menue_Icon_Liste_Registrieren(seite);
    auf_dem_schirm = true;
    Spieler_Suche_Icons_Sperren();
    Menue_Bereich_Refresh(0, 0, 40, 598, 480);
}

int32_t Spieler_Suche_Oeffnen(Menue_Icon*, uint32_t flags)
{
    if (!(flags & 0x20000000) || !mit_manager()) return 0;
    if (auf_dem_schirm && Menue_Screen_Icon_Ist_Vorhanden(ASSI_ERSTES)) return 0;
    // the line-up page's icons leave the group's area
    Spieler_Einsetzen_Feld_Entfernen();
    Menue_Bereich_Loeschen(0x2, 0, 40, 601, 481);
    auf_dem_schirm = false;
    Spieler_Suche_Seite_Zeigen();
    return 1;
}
