#include "matchview/lineup/aufstellung.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <utility>

#include "database/team.h"
#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_wappen.h"
#include "graphics/grafik_zeichnen.h"
#include "match/spielfeld.h"
#include "matchview/lineup/screen.h"
#include "matchview/lineup/anweisungen.h"
#include "matchview/lineup/motivation.h"
#include "matchview/lineup/spieldaten.h"
#include "platform/temp.h"
#include "matchview/live/spielszenen_live.h"
#include "matchview/spielszenen.h"
#include "network/netz.h"
#include "platform/maus.h"
#include "platform/resfile.h"
#include "platform/win95.h"
#include "toolkit/btnscreen.h"
#include "toolkit/dienste.h"

Btnscreen_Gadget Aufstellung_Liste[AUFSTELLUNG_GADGETS];
uint32_t Screen_Page = PAGE_AUFSTELLUNG;
int32_t Screen_Auswahl_Slot = 0;
Btnscreen_Gadget* Screen_Hover_Icon = nullptr;
Btnscreen_Gadget* Screen_Edit_Icon = nullptr;
int32_t Screen_Letzter_Seitenwechsel = -1;
Rastport* Screen_Markenbilder[6] = {};
Rastport* Screen_Energie_Bilder[2] = {};
Rastport* Screen_Motivation_Bilder[2] = {};
Rastport* Screen_Anweisung_Bilder[25] = {};

namespace {

// How a gadget of the table is made.
enum : uint32_t {
    GEZEICHNET = 1, KOPIE = 2, ZWEITES = 4, ZIEHBAR = 8, INAKTIV = 16, SCHWEBT = 32, TRANSPARENT = 64,
};

struct Zeile {
    int32_t x, y, w, h;  // w < 0: the size comes from the picture
    int32_t bild;        // -1 none
    uint32_t art;
    int32_t zeiger, prio, hilfe;
    uint32_t typ;
};

Zeile zeile(int32_t n)
{
    auto bild = [](int32_t x, int32_t y, int32_t b, uint32_t art, int32_t zeiger, int32_t prio, int32_t hilfe) {
        return Zeile{x, y, -1, -1, b, art, zeiger, prio, hilfe, 0};
    };
    if (n == 0) return bild(0, 0, 1616, GEZEICHNET | SCHWEBT, 0, 0, 2000);
    if (n == 1) return bild(113, 271, 1617, GEZEICHNET | KOPIE | SCHWEBT, 0, 1, 2001);
    if (n >= 2 && n <= 7) {
        static constexpr int32_t bilder[6] = {197, 199, 198, 200, 201, 202};
        static constexpr int32_t hilfe[6] = {2002, 2002, 2002, 2002, 2003, 2025};
        Zeile z = bild(0, 0, bilder[n - 2], ZIEHBAR | INAKTIV | SCHWEBT | TRANSPARENT, 12, 4, hilfe[n - 2]);
        z.typ = TYP_GRIFF;
        return z;
    }
    if (n >= 8 && n <= 29) {
        Zeile z = bild(0, 0, 139, ZIEHBAR | SCHWEBT | TRANSPARENT, 12, 2, 2004);
        z.typ = TYP_ICON;
        return z;
    }
    switch (n) {
    case 30: return bild(113, 461, 1618, ZWEITES | SCHWEBT, 6, 2, 2005);
    case 31: return bild(514, 461, 1620, ZWEITES | SCHWEBT, 6, 2, 2005);
    case 32: return bild(257, 271, 1626, ZWEITES | SCHWEBT, 6, 2, 2006);
    case 33: return bild(358, 271, 1628, ZWEITES | SCHWEBT, 6, 2, 2007);
    case 34: return bild(113, 272, 1624, ZWEITES | SCHWEBT, 6, 2, 2008);
    case 35: return bild(514, 272, 1622, ZWEITES | SCHWEBT, 6, 2, 2009);
    case 36: return bild(0, 0, 1630, ZWEITES | SCHWEBT, 6, 2, 2010);
    case 37: return bild(428, 0, 1632, ZWEITES | SCHWEBT, 6, 2, 2010);
    case 38: return bild(602, 438, 1655, GEZEICHNET | ZWEITES | SCHWEBT, 6, 2, 2011);
    default: break;
    }
    if ((n >= 39 && n <= 44) || (n >= 45 && n <= 50)) {
        const bool gast = n >= 45;
        const int32_t i = n - (gast ? 45 : 39);
        // Below the panel's title, 18 pixels high, the rows touching: the small font's two lines
        // need them; the line of substitutions left below them takes up to three lines, as far as
        // the panel reaches (its words do not fit two lines of the panel's width). 100 wide, the
        // panel's width but for its rims.
        const bool zeile_rest = i == 5;
        Zeile z{gast ? 533 : 7, 288 + 18 * i, 100, zeile_rest ? 29 : 18, -1, zeile_rest ? 0u : (ZIEHBAR | SCHWEBT), zeile_rest ? 0 : 6, 2, 2012,
                zeile_rest ? 0u : TYP_BANK};
        return z;
    }
    switch (n) {
    case 51: return bild(538, 433, 1657, GEZEICHNET | KOPIE | ZWEITES | SCHWEBT, 0, 1, 2013);
    case 52: return bild(5, 277, 1643, GEZEICHNET | KOPIE | INAKTIV, 0, 1, 0);
    case 53: return bild(531, 277, 1642, GEZEICHNET | KOPIE | INAKTIV, 0, 1, 0);
    case 54: return bild(50, 45, 1644, GEZEICHNET | KOPIE | INAKTIV, 0, 1, 2014);
    default: break;
    }
    if (n >= 55 && n <= 65) return Zeile{55, 68 + 18 * (n - 55), 144, 18, -1, 0, 6, 2, 2015, TYP_ZEILE};
    if (n == 66) return bild(230, 4, 1664, GEZEICHNET | KOPIE | INAKTIV, 0, 1, 0);
    if (n >= 67 && n <= 70) {
        static constexpr int32_t y[4] = {414, 431, 447, 462};
        return bild(5, y[n - 67], 1647 + 2 * (n - 67), ZWEITES, 6, 1, 2016 + (n - 67));
    }
    if (n == 71) return bild(113, 271, 1667, KOPIE, 0, 1, 0);
    // The instruction buttons frame the lines the page prints in them, as the talk items do.
    if (n >= 72 && n <= 76) return bild(119, 376 + 19 * (n - 72), 1669 + (n - 72), INAKTIV | TRANSPARENT, 7, 3, 2020);
    if (n == 77) return bild(113, 271, 1700, KOPIE, 6, 1, 0);
    // The talk items frame their texts, which the page prints under them.
    if (n >= 78 && n <= 87) return bild(117, 288 + 18 * (n - 78), 1701 + (n - 78), INAKTIV | TRANSPARENT, 6, 3, 2021);
    // Praise and blame frame their lines the same way (the page centres them in the frames).
    if (n == 88) return bild(363, 453, 1711, INAKTIV | TRANSPARENT, 6, 3, 2022);
    if (n == 89) return bild(363, 434, 1712, INAKTIV | TRANSPARENT, 6, 3, 2023);
    if (n == 90) return bild(113, 271, 1717, KOPIE, 6, 1, 0);
    if (n >= 91 && n <= 95) {
        static constexpr int32_t xy[5][2] = {{391, 316}, {382, 343}, {378, 374}, {381, 406}, {391, 435}};
        return bild(xy[n - 91][0], xy[n - 91][1], 1718 + 2 * (n - 91), ZWEITES | INAKTIV, 6, 3, 2023);
    }
    switch (n) {
    case 96: return bild(556, 411, 1715, ZWEITES, 6, 3, 2024);
    case 97: return bild(50, 157, 1645, KOPIE, 0, 1, 0);
    case 98: return bild(50, 45, 1646, KOPIE, 0, 1, 0);
    case 99: return bild(579, 160, 1728, KOPIE, 0, 3, 0);
    case 100: return bild(579, 160, 1729, ZIEHBAR | KOPIE, 6, 4, 0);
    // the toggle "Anweisung gilt für" frames the line the page prints in it
    default: return bild(351, 456, 1733, ZWEITES | TRANSPARENT, 6, 4, 0);
    }
}

const char* kein_text(Btnscreen_Gadget*, int32_t) { return ""; }
const char* feld_text(Btnscreen_Gadget*, int32_t) { return "Hier sehen Sie die Aufstellung der Teams."; }

Btnscreen_Gadget* G(int32_t n) { return &Aufstellung_Liste[n]; }
Spielfeld_Record* R() { return Screen_Record; }

Rastport* schirm() { return Grafik_Seite_0 ? Grafik_Seite_0 : Grafik_Render_Ziel; }
int32_t tiefe() { return Grafik_Render_Ziel ? Grafik_Render_Ziel->depth : 16; }

Rastport* bild_laden(int32_t nummer)
{
    const int32_t handle = ResFile_Handles[0].handle;
    if (handle < 0) return nullptr;
    auto* b = static_cast<Rastport*>(Load_Resource(handle, nummer, tiefe(), nullptr));
    if (b && b->packed) {
        Rastport* offen = Unpack_Bitmap(b, b->depth);
        Grafik_Bitmap_Freigeben(b);
        b = offen;
    }
    return b;
}

int32_t weiss() { return Grafik_Farbe(15, 15, 15); }

void drucken(Rastport* ziel, int32_t font, int32_t y, const char* text)
{
    if (ziel) Grafik_Printf(ziel, Font(font), "%s", 0, y, text);
}

// A gadget's picture (the second when `zweites`) at its place on the screen.
void zeigen(Btnscreen_Gadget* g, bool zweites) { Screen_Gadget_Zeigen(g, zweites && g->bitmap2 ? g->bitmap2 : g->bitmap1); }

void aktiv(Btnscreen_Gadget* g, bool an)
{
    if (an) g->zustand &= ~BTN_INAKTIV;
    else g->zustand |= BTN_INAKTIV;
}

// Steps 1-3 of the background: decorations, the strength labels and the two strength bars.
void hg_seiten(Rastport* hg)
{
    static constexpr int32_t deko[6][3] = {{1634, 5, 91}, {1635, 23, 81}, {1636, 589, 81},
                                           {1637, 627, 91}, {1638, 12, 80}, {1640, 616, 80}};
    for (const auto& d : deko) {
        Rastport* b = bild_laden(d[0]);
        if (b && hg) Grafik_Blit(b, 0, 0, int32_t(b->width), int32_t(b->height), hg, d[1], d[2]);
        Grafik_Bitmap_Freigeben(b);
    }
    for (int32_t x : {17, 622}) drucken(hg, 9, 248, Temp_Sprintf("^c%05d^tz%04dStärke", weiss(), x));
    const Spielfeld_Record* r = R();
    for (int32_t s = 0; s < 2 && r; ++s) {
        const int32_t wert = Aufstellung_Elf_Staerke(r, s);
        const int32_t staerke = std::clamp(wert, 0, 1000);
        Rastport* b = bild_laden(s ? 1641 : 1639);
        if (b && hg) {
            const int32_t h = int32_t(b->height), ab = h - (staerke / 10) * h / 100;
            if (ab < h) Grafik_Blit(b, 0, ab, int32_t(b->width), h - ab, hg, s ? 616 : 12, 80 + ab);
        }
        Grafik_Bitmap_Freigeben(b);
        drucken(hg, 9, 88,
                s ? Temp_Sprintf("^c%05d^tr%04d%d", weiss(), 612, wert)
                  : Temp_Sprintf("^c%05d^tl%04d%d", weiss(), 26, wert));
    }
}

}  // namespace

int32_t Aufstellung_Elf_Staerke(const Spielfeld_Record* r, int32_t seite)
{
    if (!r || seite < 0 || seite > 1) return 0;
    // The bar tells the strength of the players the list shows on the pitch: the record's figure
    // was counted when it was filled, from the club's line-up of that moment.
    int32_t summe = 0, n = 0;
    for (int32_t slot = 16 * seite; slot < 16 * seite + 16; ++slot)
        if (Spieler_Ist_Auf_Feld(r, slot)) summe += r->spieler[slot].wert_89, ++n;
    return n > 0 ? summe / n : r->team_wert[seite];
}

namespace {

// Crest and club name into both pictures of an ear.
void ohr_beschriften(Btnscreen_Gadget* ohr, int32_t seite)
{
    const Spielfeld_Record* r = R();
    if (!r) return;
    const int32_t team = int32_t(r->team[seite]);
    for (Rastport* b : {ohr->bitmap1, ohr->bitmap2}) {
        if (!b) continue;
        Grafik_Wappen_Laden(0, b, b->depth, team, seite ? 168 : 6, seite ? 4 : 5, 1, 0, 0);
        const char* name = Team_String(TEAM_NAME, team, nullptr, 0);
        drucken(b, 9, 16, Temp_Sprintf("^c%05d^tz%04d%s", weiss(), seite ? 100 : 128, name ? name : ""));
    }
}

void ohren_zeigen()
{
    zeigen(G(AG_OHR_LINKS), Screen_Seite == 0);
    zeigen(G(AG_OHR_RECHTS), Screen_Seite == 1);
}

void bilder_laden(Rastport** feld, int32_t n, int32_t erstes, int32_t schritt)
{
    for (int32_t i = 0; i < n; ++i)
        if (!feld[i]) feld[i] = bild_laden(erstes + schritt * i);
}

void ohr_waehlen(int32_t seite)
{
    Screen_Seite = seite;
    ohren_zeigen();
    for (int32_t i = 0; i < 22; ++i) G(AG_HEIM_ICON + i)->prioritaet = (i / 11) == seite ? 3 : 2;
    if ((G(AG_GEGNER)->benutzer[0] & 1) == 0) {
        for (int32_t i = 0; i < 22; ++i) {
            Btnscreen_Gadget* g = G(AG_HEIM_ICON + i);
            if (i / 11 != seite) aktiv(g, false);
            else if (Screen_Page == PAGE_AUFSTELLUNG && g->benutzer[2] == TYP_ICON) aktiv(g, true);
        }
    }
    Screen_Hover_Icon = Screen_Edit_Icon = nullptr;
    for (int32_t i = 0; i < 6; ++i) aktiv(G(AG_GRIFF + i), false);
    G(AG_DEFENSIV)->benutzer[0] &= ~1u;
    G(AG_OFFENSIV)->benutzer[0] &= ~1u;
    Feld_Aufbauen();
    Auswechsel_Zeichnen();
    switch (Screen_Page) {
    case PAGE_AUFSTELLUNG:
        Update_Liste_Variabel();
        Update_Liste();
        Update_Feld();
        break;
    case PAGE_STATISTIK:
    case PAGE_MOTIVATION:
        Screen_Diode_LB(G(AG_DIODE + int32_t(Screen_Page)));
        break;
    default: break;
    }
}

uint8_t letzter_blink = 0;

// Who the list and the benches show: a bit per slot for the fielded, one per slot for the
// substitutes. A substitute is listed as he comes on, the man he replaces until he has walked
// off the pitch, which no event tells.
uint64_t besetzung(const Spielfeld_Record* r)
{
    uint64_t b = 0;
    for (int32_t slot = 0; slot < SPIELFELD_SLOTS; ++slot)
        b |= (uint64_t(Spieler_Ist_Aufgestellt(r, slot)) << slot) | (uint64_t(Spieler_Ist_Ersatz(r, slot)) << (32 + slot));
    return b;
}
uint64_t letzte_besetzung = 0;
constexpr int32_t BALL_OBJEKT = 35;

// What the clock box's bitmap shows: its clean copy with the lines of these details. Nothing
// else draws into it, so the same details leave it as it is.
struct Uhr_Stand {
    const Rastport* box = nullptr;
    const Rastport* sauber = nullptr;
    Screen_Uhr_Angaben angaben;
};
Uhr_Stand uhr_stand;

// What the radar's bitmap shows: its clean copy with the score, the red flash of a goal and the
// dots (ball first, then the slots).
struct Radar_Stand {
    const Rastport* box = nullptr;
    const Rastport* sauber = nullptr;
    int32_t w = 0, h = 0;
    std::array<int32_t, 2> tore{};
    bool rot = false;
    std::array<std::array<int32_t, 3>, SPIELFELD_SLOTS + 1> punkte{};
    bool operator==(const Radar_Stand&) const = default;
};
Radar_Stand radar_stand;

}  // namespace

void Aufstellung_Liste_Bauen()
{
    for (int32_t n = 0; n < AUFSTELLUNG_GADGETS; ++n) {
        const Zeile z = zeile(n);
        Btnscreen_Gadget& g = Aufstellung_Liste[n];
        g = Btnscreen_Gadget{};
        g.x = z.x;
        g.y = z.y;
        g.w = z.w;
        g.h = z.h;
        g.resfile = z.bild >= 0 ? 0 : -1;
        g.resource = z.bild;
        if (z.w < 0) g.flag_a |= BTN_A_GROESSE_AUS_BILD;
        if (z.art & GEZEICHNET) g.flag_a |= BTN_A_SICHTBAR;
        if (z.art & KOPIE) g.flag_a |= BTN_A_KOPIE;
        if (z.art & SCHWEBT) g.flag_a |= BTN_A_HILFE;
        if (z.art & ZWEITES) g.flag_b |= BTN_B_ZWEITES_BILD;
        if (z.art & ZIEHBAR) g.flag_b |= BTN_B_ZIEHBAR;
        if (z.art & TRANSPARENT) g.flag_b |= BTN_B_TRANSPARENT;
        if (z.art & INAKTIV) g.zustand |= BTN_INAKTIV;
        if (z.zeiger) {
            g.flag_a |= BTN_A_ZEIGER;
            g.zeiger = z.zeiger;
        }
        g.prioritaet = z.prio;
        // Only the gadgets that take part in hovering speak.
        g.hilfe_sound = (z.art & SCHWEBT) ? z.hilfe : 0;
        g.benutzer[2] = z.typ;
        g.klick_sound = -1;
        g.modus = 1;
        g.next = n + 1 < AUFSTELLUNG_GADGETS ? &Aufstellung_Liste[n + 1] : nullptr;
    }
    G(AG_HINTERGRUND)->init = Draw_HG_Func;
    G(AG_HINTERGRUND)->hilfetext = kein_text;
    G(AG_FELD)->init = Draw_Feld;
    G(AG_FELD)->hilfetext = feld_text;
    G(AG_RADAR)->hilfetext = kein_text;
    G(AG_HEIM_BANK_TAFEL)->init = G(AG_GAST_BANK_TAFEL)->init = Auswechsel_Titel_Init;
    G(AG_LISTE_TAFEL)->init = Liste_Kopf_Init;
    for (int32_t n : {AG_HINTERGRUND, AG_FELD, AG_HEIM_BANK_TAFEL, AG_GAST_BANK_TAFEL, AG_LISTE_TAFEL})
        G(n)->flag_a |= BTN_A_INIT;
    for (int32_t n : {AG_HEIM_BANK_TAFEL, AG_GAST_BANK_TAFEL}) G(n)->hilfetext = kein_text;
    G(AG_GEGNER)->benutzer[0] = 1;
    G(AG_FELD)->links = LB_Feld_Func;
    for (int32_t i = 0; i < 6; ++i) {
        G(AG_GRIFF + i)->zieh_start = Feld_Drag_Start;
        G(AG_GRIFF + i)->zieh_bedienen = Feld_Drag_Serve;
        G(AG_GRIFF + i)->zieh_stop = Feld_Drag_Stop;
    }
    for (int32_t i = 0; i < 22; ++i) {
        Btnscreen_Gadget* g = G(AG_HEIM_ICON + i);
        g->zieh_start = Feld_Drag_Start;
        g->zieh_bedienen = Feld_Drag_Serve;
        g->zieh_stop = Feld_Drag_Stop;
        g->mausover_start = Start_Lieblings_Pos;
        g->mausover_stop = Stop_Lieblings_Pos;
        g->rechts = Spieler_Kontext_Menue;
    }
    for (int32_t i = 0; i < 12; ++i) {
        Btnscreen_Gadget* g = G(AG_HEIM_BANK + i);
        if (i == 5 || i == 11) continue;
        g->zieh_start = Auswechsel_Drag_Start;
        g->zieh_bedienen = Auswechsel_Drag_Serve;
        g->zieh_stop = Auswechsel_Drag_Stop;
        g->mausover_start = Start_Lieblings_Pos;
        g->mausover_stop = Stop_Lieblings_Pos;
        g->rechts = Spieler_Kontext_Menue;
    }
    for (int32_t i = 0; i < 11; ++i) {
        Btnscreen_Gadget* g = G(AG_LISTE + i);
        g->links = Liste_LB;
        g->rechts = Spieler_Kontext_Menue;
        g->mausover_start = Liste_Mouse_Over_Start;
        g->mausover_stop = Liste_Mouse_Over_Stop;
    }
    Aufstellung_Hilfetexte_Setzen();
    G(AG_RAUM_LINKS)->links = Raum_Links_LB;
    G(AG_RAUM_RECHTS)->links = Raum_Rechts_LB;
    G(AG_GEGNER)->links = Gegner_Trikots_LB;
    G(AG_PORTRAIT)->links = Portrait_LB;
    G(AG_DEFENSIV)->links = Defensiv_LB;
    G(AG_OFFENSIV)->links = Offensiv_LB;
    G(AG_OHR_LINKS)->links = Ohr_Links_LB;
    G(AG_OHR_RECHTS)->links = Ohr_Rechts_LB;
    G(AG_ZURUECK)->links = Zurueck_LB;
    G(AG_ZURUECK)->mausover_start = Zurueck_Mouse_Over_Start;
    G(AG_ZURUECK)->mausover_stop = Zurueck_Mouse_Over_Stop;
    for (int32_t i = 0; i < 4; ++i) G(AG_DIODE + i)->links = Screen_Diode_LB;
    G(AG_PAUSE)->links = Pause_Schalter_LB;
    for (int32_t i = 0; i < 5; ++i) {
        G(AG_ANWEISUNG + i)->links = Anweisung_LB;
        G(AG_ANWEISUNG + i)->rechts = Anweisung_RB;
        G(AG_VORGABE + i)->links = Team_Motivation_vs_LB;
    }
    for (int32_t i = 0; i < 12; ++i) G(AG_KABINE + i)->links = Kabine_LB;
    G(AG_GILT_FUER)->links = Gilt_Fuer_LB;
    G(AG_KNOPF)->zieh_start = Scroll_Start;
    G(AG_KNOPF)->zieh_bedienen = Scroll_Serve;
    G(AG_KNOPF)->zieh_stop = Scroll_Stop;
}

int32_t Screen_Seite_Entscheiden(const Spielfeld_Record* r, int32_t seite)
{
    if (!r) return 0;
    const int32_t eigen = Screen_Eigenes_Team();
    if ((seite == 0 || seite == 1) && int32_t(r->team[seite]) != eigen) seite = -1;
    if (seite != 0 && seite != 1) {
        seite = -1;
        if (int32_t(r->team[0]) == eigen) seite = 0;
        if (int32_t(r->team[1]) == eigen) seite = 1;
        if (seite < 0) seite = 0;
    }
    return seite;
}

int32_t Screen_Eigenes_Team() { return Netz_Rolle == 3 ? Server_Team : Netz_Get_Eigenes_Team(); }

bool Screen_Eigene_Seite()
{
    const Spielfeld_Record* r = R();
    return r && (Screen_Seite == 0 || Screen_Seite == 1) && int32_t(r->team[Screen_Seite]) == Screen_Eigenes_Team();
}

void Draw_HG_Func(Btnscreen_Gadget* g)
{
    Screen_Letzter_Seitenwechsel = -1;
    Screen_Seite = Screen_Seite_Entscheiden(R(), Screen_Seite);
    Btnscreen_Gadget* schiene = G(AG_SCHIENE);
    if (schiene->bitmap1 && schiene->bitmap2)
        Grafik_Blit(schiene->bitmap1, 0, 0, schiene->w, schiene->h, schiene->bitmap2, 0, 0);
    bilder_laden(Screen_Markenbilder, 6, 1658, 1);
    Rastport* hg = g ? g->bitmap1 : nullptr;
    hg_seiten(hg);
    static constexpr int32_t led_y[4] = {414, 431, 447, 462};
    static constexpr const char* namen[4] = {"Daten zum Spiel", "Aufstellung", "Spielerstatistiken", "Motivation"};
    static constexpr int32_t text_y[4] = {427, 442, 457, 471};
    for (int32_t i = 0; i < 4; ++i) {
        Btnscreen_Gadget* led = G(AG_DIODE + i);
        if (hg && led->bitmap1) Grafik_Blit(led->bitmap1, 0, 0, led->w, led->h, hg, 5, led_y[i]);
        drucken(hg, 9, text_y[i], Temp_Sprintf("^c%05d^tl%04d%s", weiss(), 23, namen[i]));
    }
    Screen_Diode_Update();
    ohr_beschriften(G(AG_OHR_LINKS), 0);
    ohr_beschriften(G(AG_OHR_RECHTS), 1);
    zeigen(G(AG_OHR_LINKS), false);
    zeigen(G(AG_OHR_RECHTS), false);
    ohren_zeigen();
    aktiv(G(AG_PAUSE), false);
    bilder_laden(Screen_Energie_Bilder, 2, 1713, 1);
    bilder_laden(Screen_Motivation_Bilder, 2, 1731, 1);
    bilder_laden(Screen_Anweisung_Bilder, ANWEISUNG_BILDER, ANWEISUNG_BILD_ERSTES, 1);
}

void Aufstellung_Kopf_Neu()
{
    Screen_Seite = Screen_Seite_Entscheiden(R(), Screen_Seite);
    for (int32_t s = 0; s < 2; ++s) {
        Btnscreen_Gadget* ohr = G(s ? AG_OHR_RECHTS : AG_OHR_LINKS);
        ohr->bitmap1 = Grafik_Bitmap_Freigeben(ohr->bitmap1);
        ohr->bitmap2 = Grafik_Bitmap_Freigeben(ohr->bitmap2);
        ohr->bitmap1 = bild_laden(ohr->resource);
        ohr->bitmap2 = bild_laden(ohr->resource + 1);
        ohr_beschriften(ohr, s);
    }
    ohren_zeigen();
    Btnscreen_Gadget* hg = G(AG_HINTERGRUND);
    hg->bitmap1 = Grafik_Bitmap_Freigeben(hg->bitmap1);
    hg->bitmap1 = bild_laden(1616);
    hg_seiten(hg->bitmap1);
    Rastport* s = schirm();
    if (hg->bitmap1 && s) {
        Grafik_Blit(hg->bitmap1, 0, 78, 50, 172, s, 0, 78);
        Grafik_Blit(hg->bitmap1, 588, 78, 50, 172, s, 588, 78);
    }
}

void Aufstellung_Ohren_Zeigen() { ohren_zeigen(); }

void Ohr_Links_LB(Btnscreen_Gadget*) { ohr_waehlen(0); }
void Ohr_Rechts_LB(Btnscreen_Gadget*) { ohr_waehlen(1); }

void Zurueck_Mouse_Over_Start(Btnscreen_Gadget* g) { zeigen(g, true); }
void Zurueck_Mouse_Over_Stop(Btnscreen_Gadget* g) { zeigen(g, false); }

void Zurueck_LB(Btnscreen_Gadget* g)
{
    if (g) zeigen(g, false);
    while (Maus_Get_Tasten() != 0 && !Programm_Ende) Win95_Message_Pump();
    const Spielfeld_Record* r = R();
    if ((Screen_Phase_Kabine || Screen_Phase_Vor_Spiel) && Screen_Seite == 0 && r &&
        int32_t(r->team[1]) == Screen_Eigenes_Team()) {
        Screen_Seite = 1;
        Ohr_Rechts_LB(nullptr);
        if (Screen_Phase_Kabine) Motivation_Kurve_Fertig = 0;
        return;
    }
    Spielszenen_Modus = SPIELSZENEN_NAECHSTES;
}

void Auswechsel_Titel_Init(Btnscreen_Gadget* g)
{
    // Into the copy as well: every update of the substitutes starts from it. Just under the
    // panel's rim, the rows begin below it.
    if (g)
        for (Rastport* b : {g->bitmap1, g->bitmap2})
            drucken(b, 9, 9, Temp_Sprintf("^c%05d^tl%04dAuswechselspieler", weiss(), 6));
}

bool Ereignis_Neu(const Spielfeld_Record* r, uint32_t maske) { return r && r->kopf.offen && (r->kopf.code & maske) == maske; }
void Ereignis_Quittieren(Spielfeld_Record* r)
{
    if (r) r->kopf.offen = 0;
}

void Screen_Minikarte()
{
    Btnscreen_Gadget* g = G(AG_RADAR);
    Spielfeld_Record* r = R();
    Rastport* k = g->bitmap1;
    if (!k || !r) return;
    const int32_t a = r->seiten_getauscht ? 1 : 0;
    const bool rot = Ereignis_Neu(r, 4);
    if (rot) Ereignis_Quittieren(r);
    auto punkt = [&](const Spielfeld_Objekt& o, int32_t* x, int32_t* y) {
        *x = int32_t(std::lround(double(g->w) * o.x / 10800.0));
        *y = int32_t(std::lround(double(g->h) * o.y / 6800.0));
        return *x >= 0 && *x <= 51 && *y >= 0 && *y <= 32;
    };
    // the ball's dot, then the players' (slot + 1 marks a shown one, 0 a missing one)
    Radar_Stand neu{k, g->bitmap2, g->w, g->h, {r->tore[a], r->tore[1 - a]}, rot, {}};
    int32_t x = 0, y = 0;
    if (punkt(r->objekt[BALL_OBJEKT], &x, &y)) neu.punkte[0] = {1, x, y};
    for (int32_t s = 0; s < SPIELFELD_SLOTS; ++s)
        if (r->objekt[s].aktiv && punkt(r->objekt[s], &x, &y)) neu.punkte[size_t(s) + 1] = {s + 1, x, y};
    if (!(neu == radar_stand)) {
        if (g->bitmap2) Grafik_Blit(g->bitmap2, 0, 0, g->w, g->h, k, 0, 0);
        Grafik_Printf(k, Font(0), "^c%05d^tz0014%d^tz0042%d", 0, 14, Grafik_Farbe(8, 8, 8), neu.tore[0], neu.tore[1]);
        if (rot) Grafik_Rechteck_Fuellen(k, 2, 2, g->w, g->h, Grafik_Farbe(15, 0, 0));
        const uint16_t ball = Grafik_Farbe(15, 15, 15), heim = Grafik_Farbe(15, 15, 0), gast = Grafik_Farbe(15, 0, 0);
        if (neu.punkte[0][0]) Grafik_Rechteck_Fuellen(k, neu.punkte[0][1] + 1, neu.punkte[0][2] + 1, 2, 2, ball);
        for (int32_t s = 0; s < SPIELFELD_SLOTS; ++s) {
            const std::array<int32_t, 3>& p = neu.punkte[size_t(s) + 1];
            if (p[0]) Grafik_Rechteck_Fuellen(k, p[1] + 2, p[2] + 2, 1, 1, s < 16 ? heim : gast);
        }
        radar_stand = neu;
    }
    Rastport* sch = schirm();
    if (sch) Grafik_Blit(k, 0, 0, g->w, g->h, sch, g->x, g->y);
}

void Screen_Refresh(Spielfeld_Steuerung_Block* st)
{
    Spielfeld_Record* r = R();
    if (!r) return;
    Screen_Minikarte();
    Btnscreen_Gadget* uhr = G(AG_UHR);
    if (uhr->bitmap1) {
        Screen_Uhr_Angaben angaben = Screen_Minutenanzeige_Angaben(uhr->bitmap1, r);
        if (uhr_stand.box != uhr->bitmap1 || uhr_stand.sauber != uhr->bitmap2 || !(uhr_stand.angaben == angaben)) {
            if (uhr->bitmap2) Grafik_Blit(uhr->bitmap2, 0, 0, uhr->w, uhr->h, uhr->bitmap1, 0, 0);
            Screen_Minutenanzeige_Drucken(uhr->bitmap1, angaben);
            uhr_stand = {uhr->bitmap1, uhr->bitmap2, std::move(angaben)};
        }
        zeigen(uhr, false);
    }
    if (Screen_Page == PAGE_MOTIVATION && !Screen_Phase_Vor_Spiel) Screen_Motivation_Kurve(r);
    bool neu = false;
    for (uint32_t bit : {131072u, 262144u, 32u, 16u, 64u})
        if (Ereignis_Neu(r, bit)) neu = true;
    if (neu) Ereignis_Quittieren(r);
    if (int32_t(r->seiten_getauscht) != Screen_Letzter_Seitenwechsel) neu = true;
    const uint64_t jetzt = besetzung(r);
    if (jetzt != letzte_besetzung) neu = true;
    letzte_besetzung = jetzt;
    Btnscreen_Gadget* pause = G(AG_PAUSE);
    if (neu) {
        if (st) {
            pause->benutzer[0] = st->pause;
            aktiv(pause, false);
        }
        Btnscreen_Hover_Loeschen(Aufstellung_Liste);
        for (int32_t i = 0; i < 6; ++i) aktiv(G(AG_GRIFF + i), false);
        Screen_Hover_Icon = Screen_Edit_Icon = nullptr;
        G(AG_DEFENSIV)->benutzer[0] &= ~1u;
        G(AG_OFFENSIV)->benutzer[0] &= ~1u;
        Auswechsel_Zeichnen();
        Screen_Letzter_Seitenwechsel = r->seiten_getauscht;
        if (Screen_Page == PAGE_AUFSTELLUNG) {
            Feld_Aufbauen();
            Update_Feld();
        } else if (Screen_Page == PAGE_STATISTIK) {
            Screen_Anweisungen_Seite();
        }
        if (Screen_Page != PAGE_DATEN) {
            // The list's rebuild clears its columns: they come back with it, not a blink later.
            Update_Liste();
            Update_Liste_Variabel();
        }
    }
    if (Screen_Page != PAGE_DATEN && Spielszenen_Blink_Normal != letzter_blink) Update_Liste_Variabel();
    letzter_blink = Spielszenen_Blink_Normal;
    if (st) st->pause = uint8_t(pause->benutzer[0] & 0xFF);
    if (Menue_Automatik_Aktiv()) Spielszenen_Modus = SPIELSZENEN_NAECHSTES;
}

void Screen_Anzeigen_Vergessen()
{
    uhr_stand = Uhr_Stand{};
    radar_stand = Radar_Stand{};
}

void Screen_Bilder_Freigeben()
{
    Screen_Anzeigen_Vergessen();
    Auswechsel_Zug_Freigeben();
    for (Rastport*& b : Screen_Markenbilder) b = Grafik_Bitmap_Freigeben(b);
    for (Rastport*& b : Screen_Energie_Bilder) b = Grafik_Bitmap_Freigeben(b);
    for (Rastport*& b : Screen_Motivation_Bilder) b = Grafik_Bitmap_Freigeben(b);
    for (Rastport*& b : Screen_Anweisung_Bilder) b = Grafik_Bitmap_Freigeben(b);
    Screen_Motivation_Kurve_Freigeben();
}

void Screen_Gadget_Zeigen(Btnscreen_Gadget* g, Rastport* b)
{
    Rastport* s = schirm();
    if (!g || !b || !s) return;
    // A transparent button (the talk items) frames what the page printed under it.
    if (g->flag_b & BTN_B_TRANSPARENT) Grafik_Blit_Transparent(b, 0, 0, g->w, g->h, s, g->x, g->y);
    else Grafik_Blit(b, 0, 0, g->w, g->h, s, g->x, g->y);
}
