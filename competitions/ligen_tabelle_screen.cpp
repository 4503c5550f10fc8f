// The league tables screen: the shortcut buttons, the match day's pairings, the table of the
// chosen range with its tendencies, the table-position graph and the option buttons. Every
// choice lives in the acting manager's icon states.
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "competitions/ligen_tabelle.h"
#include "competitions/ligen_teamvergleich.h"
#include "competitions/spiele.h"
#include "competitions/spiele_ewig.h"
#include "competitions/spiele_statistik.h"
#include "competitions/spiele_tabelle.h"
#include "competitions/statistik_archiv.h"
#include "competitions/team_hilfetext.h"
#include "database/manager.h"
#include "database/team.h"
#include "gameflow/ablauf.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "match/spieltag.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_meldung.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/maus.h"
#include "platform/print.h"
#include "platform/resfile.h"
#include "platform/string_util.h"
#include "toolkit/event.h"
#include "toolkit/kontextmenue.h"
#include "screens/spieler_vereinsauswahl.h"
#include "toolkit/icon.h"
#include "toolkit/menueleiste.h"
#include "toolkit/scroll.h"
#include "toolkit/slave.h"
#include "toolkit/screen.h"

namespace {

constexpr int32_t ZEILE = 13, TABELLE_ZEILE = 10;
// The match-day bar under the fixtures, its knob's travel narrow and wide; the range knobs sit
// over the graph.
constexpr int32_t BALKEN_X = 13, BALKEN_Y = 251, BALKEN_H = 9, KNOPF_W = 16;
constexpr int32_t BALKEN_W_SCHMAL = 340, BALKEN_W_BREIT = 580;
constexpr int32_t VON_BIS_Y = 142, VON_BIS_W = LT_BEREICHKNOPF_BREITE, VON_BIS_H = LT_BEREICHKNOPF_HOEHE;
constexpr int32_t GRAFIK_X = 385, GRAFIK_Y = 151, GRAFIK_W = 205, GRAFIK_H = 110;
// wider than the 190 pixels of old: the title of one match day needs 200 in the condensed font
constexpr int32_t TITEL_X = 384, TITEL_Y = 130, TITEL_W = 212, TITEL_H = 12, GRAFIK_TITEL_FONT = 9;
// The panes' windows below their header lines; the scroll bars' tracks right of them.
constexpr int32_t PAARUNGEN_X = 13, PAARUNGEN_Y = 110, PAARUNGEN_H = 139;
// Fifteen rows of ten pixels and the last one's descenders (not yet the next row's top).
constexpr int32_t TABELLE_X = 13, TABELLE_Y = 286, TABELLE_H = 151;
constexpr int32_t PAARUNGEN_W_SCHMAL = 340, PAARUNGEN_W_BREIT = 560, SPUR_X_SCHMAL = 355, SPUR_X_BREIT = 585;
// The head: the match-day label over the club filter, the shortcuts beside them, the fixtures'
// toggles one above the other right of the shortcuts.
constexpr int32_t KURZWAHL_X[] = {187, 223, 258, 293, 329, 364, 397};
constexpr int32_t KURZWAHL_Y = 52, KURZWAHL_W = 30, KURZWAHL_H = 25;
constexpr int32_t PAARUNGSKNOPF_X = 435, PAARUNGSKNOPF_Y[] = {46, 62, 76};
// The option buttons' two rows under the table.
constexpr int32_t OPTIONEN_Y = 438, OPTIONEN_ZEILE = 20, OPTIONEN_SCHRITT = 84;
// The selector of the competitions the club is still in, over the range knobs; the group bar
// at the match-day bar's end; the reachable places' markers left of the graph.
constexpr int32_t AUSWAHL_X = 375, AUSWAHL_Y = 93, AUSWAHL_W = 30, AUSWAHL_H = 25, AUSWAHL_ANZAHL = 6;
constexpr int32_t GRUPPEN_W = 64, MARKE_X = 366, MARKE_W = 18, MARKE_H = 9;
enum : int16_t { I_AUSWAHL = 2558, I_GRUPPEN_BALKEN = 2564, I_GRUPPE = 2565, I_MARKE_OBEN = 2518, I_MARKE_UNTEN = 2570 };

enum : int16_t {
    I_SPIELTAG = 2515,
    I_PAARUNGEN = 2514,
    I_TABELLE = 2513,
    I_GRAFIK = 2540,
    I_TITEL = 2519,
    I_NAMEN = 2610,  // 2610-2633, one per table row
};

using Knopf = Ligen_Tabelle_Knopf;
constexpr const Knopf* TABELLENKNOEPFE = LT_TABELLENKNOEPFE;
constexpr const Knopf* PAARUNGSKNOEPFE = LT_PAARUNGSKNOEPFE;
constexpr int32_t PAARUNGSKNOEPFE_ANZAHL = int32_t(std::size(LT_PAARUNGSKNOEPFE));
constexpr int32_t KNOEPFE = int32_t(std::size(LT_TABELLENKNOEPFE));

std::vector<Menue_Icon> liste;

bool an(int32_t icon) { return Manager_Icon_Button_Lesen(Aktuelles_Team, icon) != 0; }
int32_t wort(int32_t icon) { return int16_t(Manager_Icon_Word_Data_Lesen(Aktuelles_Team, icon)); }
void wort_setzen(int32_t icon, int32_t w) { Manager_Icon_Word_Data_Schreiben(Aktuelles_Team, icon, uint16_t(w)); }

uint16_t farbe(uint32_t r, uint32_t g, uint32_t b) { return Grafik_Farbe(r, g, b); }
void text(int32_t x, int32_t y, uint16_t f, const std::string& s, int32_t font = 3)
{
    if (Grafik_Render_Ziel) Grafik_Printf(Grafik_Render_Ziel, Font(font), "^c%05d%s", x, y, int(f), s.c_str());
}

// The chosen round of the active competition and the day inside it (0-based).
Wettbewerb_Id gewaehlt(int32_t* tag_in_runde)
{
    const Wettbewerb_Id aktiv = Ligen_Tabelle_Get_Aktiven_Wettbewerb();
    int32_t tag = 0;
    Wettbewerb_Id runde = Wettbewerb_Get_Runden_Wettbewerb(aktiv, std::max(wort(LT_SPIELTAG) - 1, 0), &tag);
    if (runde < 0) runde = aktiv, tag = std::max(wort(LT_SPIELTAG) - 1, 0);
    if (tag_in_runde) *tag_in_runde = tag;
    // A round of groups shows the chosen one.
    if (Ligen_Tabelle_Gruppen_Anzahl(runde) > 1) runde = Ligen_Tabelle_Gruppe(runde, std::max(wort(LT_GRUPPE), 0));
    return runde;
}

std::string name(int32_t team, int32_t form = 178)
{
    const char* n = team >= 0 && team < Team_Anzahl ? Team_String(form, team, nullptr, 0) : nullptr;
    return n ? n : "?";
}

// A club's name cut at its end to `breite` pixels of font 4; the codes that mark up the
// manager's own club ("^bb^ub...^be^ue") stay whole around it.
std::string name_in(const std::string& text, int32_t breite)
{
    return Ligen_Tabelle_Namen_Kuerzen_Pixel(text, 4, breite);
}

int32_t spieltag_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    int32_t tag = 0;
    const Wettbewerb_Id w = gewaehlt(&tag);
    char t[64];
    std::snprintf(t, sizeof t, "%s", Ligen_Tabelle_Spieltag_Text(w, tag, std::max(wort(LT_SPIELTAG), 1)).c_str());
    const int32_t font = Menue_Font_Passend(4, t, icon->breite - 2);
    String_Kuerzen_Pixel(t, nullptr, font, icon->breite - 2);
    text(icon->x, icon->y + 12, farbe(15, 15, 15), t, font);
    return 0;
}

// ---- the panes: scroll screens of drawn rows, hit icons over the club names ----------------

using Zelle = Ligen_Tabelle_Zelle;
using Treffer = Ligen_Tabelle_Treffer;
// The fixtures' hit icons take 2640 up to the last icon number, 2700.
constexpr int32_t FENSTER = 0, SPUR = 1, KNOPF = 2, TREFFER_ERSTES = 3, TREFFER_MAX = LT_PAARUNGEN_TREFFER;
constexpr int32_t SPUR_W = 10, SCROLLKNOPF_H = 16;
struct Pane : Ligen_Tabelle_Inhalt {
    Pane(int32_t ss, int16_t f, int16_t sp, int16_t k, int16_t t, int16_t tm, const char* sh, const char* kh)
        : scrollscreen(ss), fenster(f), spur(sp), knopf(k), erster_treffer(t), treffer_max(tm), spur_hilfe(sh), knopf_hilfe(kh)
    {
    }
    int32_t scrollscreen;
    int16_t fenster, spur, knopf, erster_treffer, treffer_max;
    const char* spur_hilfe;
    const char* knopf_hilfe;
    int32_t x = 0, y = 0, w = 0, h = 0, spur_x = 0;
    bool neu = true;
    Menue_Scrollbar_Daten daten{};
    // The toolkit keeps pointers to the records: a fixed array.
    std::array<Menue_Icon, TREFFER_ERSTES + TREFFER_MAX> icons{};
    int32_t icon_anzahl = 0;
};
Pane paarungen_pane{21, 2634, 2507, 2508, 2640, TREFFER_MAX, "Paarungen anzeigen", "Paarungen anzeigen"};
Pane tabelle_pane{20, 2635, 2511, 2512, I_NAMEN, 24, "Tabelle anzeigen", "Hiermit können Sie die Tabelle bewegen"};

// The shown leg's goals of a match, the forecast's for an unplayed one when asked; false when
// there are none.
// A tie decided on penalties: its goals after extra time, the shoot-out's in elf (else -1).
bool tore_holen(int32_t h, bool tip, int32_t* heim, int32_t* gast, int32_t (&elf)[2])
{
    const Spiele_Spiel* s = h ? Spiele_Get_Spiel(h, 1) : nullptr;
    elf[0] = elf[1] = -1;
    if (!s) return false;
    if (s->heim_tore >= 0) {
        const Spiele_Stand st = Spiele_Get_Stand(s);
        *heim = st.heim, *gast = st.gast;
        elf[0] = st.elf_heim, elf[1] = st.elf_gast;
        return true;
    }
    return tip && Spiele_Get_Tip(h, heim, gast, 0);
}

// Today's games stand at 0:0 from the start of the match day, while the managers still make
// their turns: until the kick-off they have no result.
bool noch_nicht_angepfiffen(int32_t kalendertag)
{
    return Ablauf_Zustand == ABLAUF_SPIELTAG_MENUERUNDE && kalendertag == Kalender_Get_Heute();
}

// The chosen day's pairings (or the filter club's matches of every round) into the pane.
void paarungen_fuellen(Ligen_Tabelle_Inhalt& p, bool breit)
{
    p.zellen.clear();
    p.treffer.clear();
    int32_t tag = 0;
    const Wettbewerb_Id w = gewaehlt(&tag);
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(w);
    const bool filter = an(LT_FILTER) && wort(LT_FILTER) >= 0 && wort(LT_FILTER) < Team_Anzahl;
    const bool details = an(LT_PAARUNGEN_DETAILS), tip = an(LT_PAARUNGEN_TIP);
    const uint16_t weiss = farbe(15, 15, 15), gelb = farbe(15, 15, 6), grau = farbe(9, 9, 9);
    char kopf[200];
    if (filter)
        std::snprintf(kopf, sizeof kopf, "^ubNur Spiele von %s, %s^ue", name(wort(LT_FILTER), 150).c_str(),
                      Wettbewerb_Get_Anzeigename(w, 1));
    else if (an(LT_NUR_PAARUNGEN))
        std::snprintf(kopf, sizeof kopf, "^ub%s (%s)^ue", Wettbewerb_Get_Anzeigename(w, 1), Wettbewerb_Get_Rundentext(w, tag));
    else
        std::snprintf(kopf, sizeof kopf, "^ub%s (%s), %s:^ue", Wettbewerb_Get_Anzeigename(w, 1),
                      Wettbewerb_Get_Rundentext(w, tag),
                      Kalender_Get_Datum_String_Knapp(Kalender_Get_Spieltag_Tag(w, tag, 0, 0), 0));
    p.kopf = kopf;
    // With details a row holds the strengths on a line of their own, clear under the names and
    // the own club's underline; five such rows fill the pane's view, the sixth starts below it.
    const int32_t zeile = details ? 28 : ZEILE;
    int32_t zeilen = 0;
    // One pairing: the shown leg, and with two legs the first in brackets seen from this row.
    struct Reihe {
        int32_t heim, gast, h_tore = -1, g_tore = -1, h_hin = -1, g_hin = -1;
        int32_t elf[2] = {-1, -1};
        std::string datum;
        int32_t kennung = -1, kalendertag = -1;
    };
    std::vector<Reihe> reihen;
    const bool zwei_spiele = info && info->best_of_x > 1;
    auto leg = [&](int32_t block, int32_t d, int32_t runde, int32_t slot, Spiele_Spiel* s, int32_t* ht, int32_t* gt,
                   int32_t (&elf)[2]) {
        const int32_t h = Spiele_Lock(block, d, runde, slot);
        if (!h) return false;
        *s = *Spiele_Get_Spiel(h, 1);
        if (!tore_holen(h, tip, ht, gt, elf)) *ht = *gt = -1;
        Spiele_Unlock(h);
        return true;
    };
    if (info && Spiele_Ist_Initialisiert()) {
        const Wettbewerb_Id oben = Wettbewerb_Get_Oberwettbewerb(w);
        if (filter) {
            const int32_t club = wort(LT_FILTER);
            for (Wettbewerb_Id r = Wettbewerb_Get_Erster_Der_Kette(oben); r >= 0; r = Wettbewerb_Get_Naechster_Der_Kette(r))
                for (Wettbewerb_Id g = Wettbewerb_Get_Erste_Gruppe(r); g >= 0; g = Wettbewerb_Get_Naechste_Gruppe(g)) {
                    const Wettbewerb_Info* gi = Wettbewerb_Get_Info(g);
                    if (!gi) continue;
                    const int32_t legs = gi->best_of_x > 1 ? 2 : 1;
                    for (int32_t d = 0; d < gi->spieltage; ++d)
                        for (int32_t slot = 0, n = Wettbewerb_Get_Paarung(g, d); slot < n; ++slot)
                            for (int32_t runde = 0; runde < legs; ++runde) {
                                Spiele_Spiel s{};
                                Reihe r{};
                                if (!leg(gi->spiele_block, d, runde, slot, &s, &r.h_tore, &r.g_tore, r.elf)) continue;
                                if (s.heim == SPIELE_KEIN_TEAM || s.gast == SPIELE_KEIN_TEAM) continue;
                                if (s.heim != club && s.gast != club) continue;
                                r.heim = s.heim, r.gast = s.gast;
                                r.kalendertag = Kalender_Get_Spieltag_Tag(g, d, runde, 0);
                                if (!tip && noch_nicht_angepfiffen(r.kalendertag)) r.h_tore = r.g_tore = -1;
                                r.datum = Kalender_Get_Datum_String_Knapp(r.kalendertag, 0);
                                reihen.push_back(r);
                            }
                }
        } else {
            const int32_t n = Wettbewerb_Get_Paarung(w, tag);
            // The second legs once a first leg has a result.
            bool rueck = false;
            for (int32_t slot = 0; zwei_spiele && slot < n && !rueck; ++slot) {
                Spiele_Spiel s{};
                int32_t ht = -1, gt = -1, elf[2];
                rueck = leg(info->spiele_block, tag, 0, slot, &s, &ht, &gt, elf) && s.heim != SPIELE_KEIN_TEAM &&
                        s.gast != SPIELE_KEIN_TEAM && ht >= 0;
            }
            for (int32_t slot = 0; slot < n; ++slot) {
                Spiele_Spiel s{}, hin{};
                Reihe r{};
                if (!leg(info->spiele_block, tag, rueck ? 1 : 0, slot, &s, &r.h_tore, &r.g_tore, r.elf)) continue;
                if (!tip && noch_nicht_angepfiffen(Kalender_Get_Spieltag_Tag(w, tag, rueck ? 1 : 0, 0))) r.h_tore = r.g_tore = -1;
                if (s.heim == SPIELE_KEIN_TEAM || s.gast == SPIELE_KEIN_TEAM) continue;
                int32_t hin_elf[2];
                if (rueck && leg(info->spiele_block, tag, 0, slot, &hin, &r.g_hin, &r.h_hin, hin_elf) && hin.heim != s.gast)
                    std::swap(r.g_hin, r.h_hin);
                r.heim = s.heim, r.gast = s.gast;
                r.kennung = tag * 256 + slot;
                reihen.push_back(r);
            }
            // The acting manager's nation first, the rest in their order.
            const int32_t nation = Aktuelles_Team >= 0 ? Team_Wert(TEAM_NATION, Aktuelles_Team, 0, 0) : -1;
            std::stable_partition(reihen.begin(), reihen.end(), [nation](const Reihe& r) {
                return (r.heim < Team_Anzahl && Team_Wert(TEAM_NATION, r.heim, 0, 0) == nation) ||
                       (r.gast < Team_Anzahl && Team_Wert(TEAM_NATION, r.gast, 0, 0) == nation);
            });
        }
    }
    const bool spalten = breit && !filter;
    const int32_t haelfte = spalten ? (int32_t(reihen.size()) + 1) / 2 : int32_t(reihen.size());
    // The club view's dates stand right-aligned before the home club, as wide as the widest.
    int32_t datum_w = 0;
    for (const Reihe& r : reihen) datum_w = std::max(datum_w, Font_Text_Breite(Font(4), r.datum.c_str()));
    for (const Reihe& r : reihen) {
        const bool rechts = spalten && zeilen >= haelfte;
        const int32_t x = rechts ? 290 : 0, top = (rechts ? zeilen - haelfte : zeilen) * zeile;
        // (the other club and the result keep their places: the home club gives up the room)
        const int32_t basis = r.datum.empty() ? 0 : 58, dx = r.datum.empty() ? 0 : std::max(basis, datum_w + 6);
        const int32_t form = spalten ? 185 : 150;
        const int32_t namen_w = spalten ? 100 : 125, gast_x = x + basis + (spalten ? 105 : 130);
        const int32_t ergebnis_x = x + basis + (spalten ? 215 : 262);
        if (!r.datum.empty())
            p.zellen.push_back({x + dx - 6 - Font_Text_Breite(Font(4), r.datum.c_str()), top + 10, weiss, 4, r.datum});
        // A shoot-out's winner wins the line as one after the match.
        const bool elf = r.h_tore >= 0 && r.elf[0] >= 0;
        const int32_t ht = elf ? r.elf[0] : r.h_tore, gt = elf ? r.elf[1] : r.g_tore;
        const bool h_sieg = r.h_tore >= 0 && ht > gt, g_sieg = r.h_tore >= 0 && gt > ht;
        p.zellen.push_back({x + dx, top + 10, h_sieg ? gelb : weiss, 4, name_in(name(r.heim, form), gast_x - (x + dx) - 4)});
        p.zellen.push_back({gast_x, top + 10, g_sieg ? gelb : weiss, 4, name_in("- " + name(r.gast, form), ergebnis_x - gast_x - 4)});
        char e[32];
        if (r.h_tore < 0 && r.g_hin < 0) std::snprintf(e, sizeof e, "-:-");
        else if (r.h_tore < 0) std::snprintf(e, sizeof e, "-:- (%d:%d)", r.h_hin, r.g_hin);
        else if (r.h_hin >= 0) std::snprintf(e, sizeof e, "%d:%d (%d:%d)", r.h_tore, r.g_tore, r.h_hin, r.g_hin);
        else std::snprintf(e, sizeof e, "%d:%d", r.h_tore, r.g_tore);
        if (elf) std::snprintf(e + std::strlen(e), sizeof e - std::strlen(e), " n.E. %d:%d", r.elf[0], r.elf[1]);
        p.zellen.push_back({ergebnis_x, top + 10, weiss, 4, e});
        if (details) {
            char st[48];
            std::snprintf(st, sizeof st, "Stärke: %d", Team_Wert(TEAM_STAERKE, r.heim, 0, 0));
            p.zellen.push_back({x + dx + 10, top + 23, grau, 3, st});
            std::snprintf(st, sizeof st, "Stärke: %d", Team_Wert(TEAM_STAERKE, r.gast, 0, 0));
            p.zellen.push_back({gast_x + 10, top + 23, grau, 3, st});
        }
        if (filter) {
            // One hit area a row, so that every match of a season finds an icon number: the
            // filter club plays in each, the row stands for the opponent and its result.
            Treffer t{r.heim == wort(LT_FILTER) ? r.gast : r.heim, x, top, ergebnis_x - x + 80, zeile};
            t.zeile = true, t.ergebnis_x = ergebnis_x - x, t.kalendertag = r.kalendertag;
            p.treffer.push_back(t);
        } else {
            p.treffer.push_back({r.heim, x + dx, top, namen_w, zeile});
            p.treffer.push_back({r.gast, gast_x, top, namen_w, zeile});
        }
        if (r.kennung >= 0)
            p.treffer.push_back({-1, ergebnis_x, top, spalten ? 70 : 80, zeile, info->spiele_block, r.kennung, r.h_tore >= 0});
        ++zeilen;
    }
    if (reihen.empty())
        p.zellen.push_back({30, 16, weiss, 4,
                            filter ? name(wort(LT_FILTER), 150) + " spielt nicht mit!" : "Noch keine Paarungen an diesem Spieltag!"});
    p.laenge = std::max(haelfte, 1) * zeile + 4;
    p.zeile = zeile;
}

// The table of the chosen view into t; false when there is none.
bool historie_gefunden = false;
bool tabelle_fuellen(Wettbewerb_Id w, Tabelle_Datensatz& t, int32_t* erster, int32_t* letzter)
{
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(w);
    if (!info || (info->modus & KO_SYSTEM)) return false;
    if (!Wettbewerb_Tabelle_Vorbereiten(w, &t)) return false;
    const int32_t maske = Ligen_Tabelle_Sicht_Maske(an(LT_HEIM), an(LT_AUSWAERTS), an(LT_TORDIFFERENZ), an(LT_TORE),
                                                    an(LT_GEGENTORE));
    const bool tip = an(LT_TIP);
    *erster = tip ? 0 : std::max(wort(LT_VON) - 1, 0);
    // Never past the last day played: an unplayed day holds no result.
    *letzter = tip ? info->saison_spieltage : std::min(wort(LT_BIS) - 1, info->spieltag - 1);
    int32_t von = -1, bis = -1;
    const int32_t halb = info->halbzeit_laenge > 0 ? info->halbzeit_laenge : 45;
    if (an(LT_HALBZEIT_1)) von = 0, bis = halb;
    else if (an(LT_HALBZEIT_2)) von = halb + 1, bis = 200;
    // The final tables: the season chosen in the button's menu, else the latest archived one; a
    // competition without any archived table shows the eternal one.
    const Wettbewerb_Id oben = Wettbewerb_Get_Oberwettbewerb(w);
    historie_gefunden = an(LT_HISTORIE) && Statistik_Suche_Tabelle(&t, oben, wort(LT_HISTORIE));
    if (an(LT_HISTORIE) && !historie_gefunden) {
        int32_t jahre[20];
        const int32_t n = std::clamp(Statistik_Tabellen_In_Array(oben, jahre, 20), 0, 20);
        if (n > 0 && Statistik_Suche_Tabelle(&t, oben, jahre[n - 1])) {
            wort_setzen(LT_HISTORIE, jahre[n - 1]);
            historie_gefunden = true;
        }
    }
    if (historie_gefunden) {
        Spiele_Tabelle_Umsortieren(&t, maske, (info->modus & ENGLISCHE_TABELLE) ? 1 : 0);
        *erster = 0, *letzter = info->spieltage - 1;
        return t.anzahl > 0 && t.anzahl <= TABELLE_MAX_TEAMS && t.team[t.platz[t.anzahl - 1]] >= 0;
    }
    if (an(LT_HISTORIE) && !Wettbewerb_Tabelle_Vorbereiten(w, &t)) return false;
    Spiele_Tabelle_Berechnen(w, info->spiele_block, *erster, std::max(*letzter, 0), (info->modus & ENGLISCHE_TABELLE) ? 1 : 0, maske,
                             &t, 0, von >= 0 ? 1 : 0, von, bis, tip ? 1 : 0, an(LT_EWIG) || an(LT_HISTORIE) ? 1 : 0, -1);
    return t.anzahl > 0 && t.anzahl <= TABELLE_MAX_TEAMS && t.team[t.platz[t.anzahl - 1]] >= 0;
}

// The table rows (two columns side by side when asked), with the points-gap rows of the
// details view, into the pane.
// The past winners of the competition, the oldest first: the season's year and the club, in one
// column or split over two. False when it has none yet (the pane says so as for a table).
bool sieger_fuellen(Ligen_Tabelle_Inhalt& p, Wettbewerb_Id w)
{
    int32_t sieger[100], saisons[100];
    const int32_t n = std::clamp(Spiele_Get_Wettbewerb_Sieger_Array(w, sieger, saisons, 100), 0, 100);
    std::vector<int32_t> reihen;
    for (int32_t i = 0; i < n; ++i)
        if (sieger[i] >= 0 && sieger[i] < Team_Anzahl) reihen.push_back(i);
    if (reihen.empty()) return false;
    const char* anzeige = Wettbewerb_Get_Anzeigename(w);
    p.kopf = std::string("^ubHistorische Sieger im Wettbewerb \"") + (anzeige ? anzeige : "") + "\":^ue";
    const bool zwei = an(LT_SPALTEN);
    const int32_t haelfte = zwei ? (int32_t(reihen.size()) + 1) / 2 : int32_t(reihen.size());
    const uint16_t farben[2] = {farbe(15, 15, 12), farbe(11, 12, 15)};
    for (int32_t z = 0; z < int32_t(reihen.size()); ++z) {
        const bool rechts = zwei && z >= haelfte;
        const int32_t x = rechts ? 270 : 0, top = (rechts ? z - haelfte : z) * TABELLE_ZEILE, y = top + 9;
        const int32_t i = reihen[size_t(z)];
        char jahr[32];
        std::snprintf(jahr, sizeof jahr, "^fb0006%d:^fe", saisons[i]);
        p.zellen.push_back({x + 20, y, farben[z & 1], 4, jahr});
        p.zellen.push_back({x + 60, y, farben[z & 1], 4, name_in(name(sieger[i], 178), zwei ? 200 : 160)});
        p.treffer.push_back({sieger[i], x + 60, top, 160, TABELLE_ZEILE});
    }
    p.laenge = std::max(haelfte, 1) * TABELLE_ZEILE + 2;
    return true;
}

void tabelle_pane_fuellen(Ligen_Tabelle_Inhalt& p)
{
    p.zellen.clear();
    p.treffer.clear();
    p.kopf.clear();
    int32_t tag = 0;
    const Wettbewerb_Id w = gewaehlt(&tag);
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(w);
    static Tabelle_Datensatz t;
    int32_t erster = 0, letzter = 0;
    const uint16_t weiss = farbe(15, 15, 15);
    if (!an(LT_NUR_PAARUNGEN) && an(LT_SIEGER) && sieger_fuellen(p, w)) return;
    if (an(LT_NUR_PAARUNGEN) || an(LT_SIEGER) || !tabelle_fuellen(w, t, &erster, &letzter)) {
        p.zellen.push_back({30, 12, weiss, 4,
                            info && !(info->modus & KO_SYSTEM) ? "Für diesen Wettbewerb gibt es noch keine Tabelle."
                                                               : "Für diesen Wettbewerb gibt es keine Tabelle."});
        p.laenge = TABELLE_ZEILE * 2;
        return;
    }
    const bool drei = info->modus & ENGLISCHE_TABELLE;
    const bool zwei = an(LT_SPALTEN), details = an(LT_DETAILS);
    // The title with the column headings over the cells, one column or two; a season's final
    // table starts at the left edge, where its longer title keeps clear of "Spiele".
    static constexpr const char* EINE = "^tz%04dSpiele^tz%04d  S      U      N  ^tz%04dTorverh.^tz%04dTordiff.^tz%04dPunkte";
    static constexpr const char* ZWEI = "^tz%04dSpiele^tz%04dTorverh.^tz%04dPunkte^tz%04dSpiele^tz%04dTorverh.^tz%04dPunkte";
    char titel[96], spalten[200], kopf[320];
    int32_t tabs[5] = {172, 229, 298, 354, 403};
    bool tendenz = true;
    if (historie_gefunden) {
        std::snprintf(titel, sizeof titel, zwei ? "^tl0010Abschlußtabelle %d/%d:" : "^tl0004Abschlußtabelle %d/%d:",
                      wort(LT_HISTORIE) - 1, wort(LT_HISTORIE));
        tendenz = false;
    } else if (an(LT_EWIG) || an(LT_HISTORIE)) {
        std::snprintf(titel, sizeof titel, zwei ? "^tl0020Ewige Tabelle:" : "^tl0030Ewige Tabelle:");
        tabs[1] = 234;
        tabs[2] = 305;
        tendenz = false;
    } else if (an(LT_TIP) && !zwei) {
        std::snprintf(titel, sizeof titel, "Prognostozierte ENDTABELLE:");
    } else if (info->spieltag < 1) {
        std::snprintf(titel, sizeof titel, "Tabelle vor dem %2d. Spieltag:", 1);
    } else if (erster >= letzter) {
        std::snprintf(titel, sizeof titel, "Tabelle vom %2d. Spieltag:", erster + 1);
    } else {
        std::snprintf(titel, sizeof titel, "Tabelle vom %2d bis %2d. Spieltag:", erster + 1, letzter + 1);
    }
    // A season's title ends before the first heading, centred at its tab ("Tabelle vom  1 bis
    // 5. Spieltag:" ran into "Spiele" over two columns): cut where it does not fit.
    // Whole words go first: "Tabelle vom  1 bis  5." still says what it is.
    if (titel[0] != '^') {
        const int32_t raum = (zwei ? 140 : tabs[0]) - Font_Text_Breite(Font(9), "Spiele") / 2 - 4;
        for (char* leer; Font_Text_Breite(Font(9), titel) > raum && (leer = std::strrchr(titel, ' '));) {
            *leer = 0;
            for (size_t n = std::strlen(titel); n > 0 && titel[n - 1] == ' '; --n) titel[n - 1] = 0;
        }
        String_Kuerzen_Pixel(titel, nullptr, 9, raum);
    }
    if (zwei) {
        std::snprintf(spalten, sizeof spalten, ZWEI, 140, 191, 248, 410, 461, 518);
    } else {
        const int32_t n = std::snprintf(spalten, sizeof spalten, EINE, tabs[0], tabs[1], tabs[2], tabs[3], tabs[4]);
        if (tendenz && n > 0) std::snprintf(spalten + n, sizeof spalten - size_t(n), "^tz%04dTendenz", 492);
    }
    std::snprintf(kopf, sizeof kopf, "^ub%s%s^ue", titel, spalten);
    p.kopf = kopf;
    const int32_t teil = an(LT_HEIM) ? 1 : an(LT_AUSWAERTS) ? 2 : 0;
    const bool ewig = !historie_gefunden && (an(LT_EWIG) || an(LT_HISTORIE));
    const uint16_t zeilenfarbe[2] = {farbe(15, 15, 12), farbe(11, 12, 15)};
    // Rows in content order: each place, then its gap rows; the second column starts at the row
    // where half of them are used.
    struct Zeile {
        int32_t platz, bilder;
    };
    std::vector<Zeile> zeilen;
    int32_t benutzt = 0;
    for (int32_t pl = 0; pl < t.anzahl && benutzt < LT_ZEILEN_MAX; ++pl) {
        zeilen.push_back({pl, 0});
        ++benutzt;
        if (!details) continue;
        const int32_t slot = t.platz[pl];
        const int32_t d = pl + 1 < t.anzahl ? t.punkte[teil][slot] - t.punkte[teil][t.platz[pl + 1]] : 0;
        if (d <= 0) continue;
        const Tabelle_Abstand a = Ligen_Tabelle_Abstand_Zeilen(benutzt, t.anzahl, d);
        for (int32_t k = 0; k < a.einzeln; ++k) zeilen.push_back({-1, 1});
        benutzt += a.einzeln;
        if (a.addiert) zeilen.push_back({-1, d}), ++benutzt;
    }
    const int32_t haelfte = zwei ? (int32_t(zeilen.size()) + 1) / 2 : int32_t(zeilen.size());
    // The places stand right-aligned before the names, which begin after the widest place (a
    // two-digit place is wider than the room a one-digit table leaves) and are cut before games.
    const Ligen_Tabelle_Spalten sp = Ligen_Tabelle_Platz_Spalten(t.anzahl, zwei);
    // Won, drawn and lost end with their last digit under the heading's letter.
    const int32_t sun_x = tabs[1] - 40;
    int32_t sun_tabs[3] = {12, 30, 48};
    if (Font(9) && Font(9)->strip) {
        static constexpr const char* SUN = "  S      U      N  ";
        const int32_t anfang = tabs[1] - Font_Text_Breite(Font(9), SUN) / 2;
        for (int32_t i = 0; i < 3; ++i) {
            const char* b = std::strchr(SUN, "SUN"[i]);
            const char buchstabe[2] = {*b, 0};
            const int32_t mitte =
                anfang + Font_Text_Breite(Font(9), std::string(SUN, b).c_str()) + Font_Text_Breite(Font(9), buchstabe) / 2;
            sun_tabs[i] = mitte + 3 - sun_x;
        }
    }
    int32_t tor_stellen = 1;
    for (int32_t pl = 0; pl < t.anzahl; ++pl)
        if (t.platz[pl] >= 0 && t.platz[pl] < TABELLE_TAG_SLOTS)
            tor_stellen = std::max(tor_stellen, t.tore[teil][t.platz[pl]] >= 100 ? 3 : t.tore[teil][t.platz[pl]] >= 10 ? 2 : 1);
    for (int32_t z = 0; z < int32_t(zeilen.size()); ++z) {
        const bool rechts = zwei && z >= haelfte;
        const int32_t x = rechts ? 270 : 0, top = (rechts ? z - haelfte : z) * TABELLE_ZEILE, y = top + 9;
        if (zeilen[size_t(z)].platz < 0) {
            p.zellen.push_back({x + (zwei ? 38 : 44), top, 0, 0, {}, zeilen[size_t(z)].bilder});
            continue;
        }
        const int32_t pl = zeilen[size_t(z)].platz, slot = t.platz[pl], team = t.team[slot];
        const uint16_t f = zeilenfarbe[pl & 1];
        const int32_t pf = an(LT_EWIG) ? -1 : Wettbewerb_Get_Platz_Farbe(w, pl);
        const uint16_t platz_farbe = pf >= 0 ? uint16_t(pf) : f;
        char s[128];
        std::snprintf(s, sizeof s, "%d.", pl + 1);
        p.zellen.push_back({x + sp.platz_ende - Font_Text_Breite(Font(4), s), y, platz_farbe, 4, s});
        p.zellen.push_back({x + sp.name_x, y, f, 4, name_in(name(team, zwei ? 185 : 150), sp.name_breite)});
        p.treffer.push_back({team, x + sp.name_x, top, sp.name_breite, TABELLE_ZEILE});
        // Numbers in fixed-width digits, each right-aligned at its column's tab, so that they
        // stand under their headings whatever their width.
        // The eternal table's counts grow past two digits and stand further left.
        std::snprintf(s, sizeof s, ewig ? "^fb0006^tr0024%4d^fe" : "^fb0006^tr0014%2d^fe", t.spiele[teil][slot]);
        p.zellen.push_back({x + (zwei ? 137 : ewig ? 168 : 174), y, f, 4, s});
        const int32_t b = an(LT_TIP) ? 0 : erster, e = an(LT_TIP) ? info->saison_spieltage - 1 : letzter;
        if (!zwei) {
            // the eternal table keeps its won, drawn and lost counts per row; a season's table
            // counts them over its match days
            int32_t sun[3];
            for (int32_t r = 0; r < 3; ++r)
                sun[r] = ewig ? Tabelle_Ewig_Zaehler(t, teil, r, slot) : Tabelle_Zaehle_Ergebnisse(&t, slot, r, b, e, teil);
            std::snprintf(s, sizeof s, "^fb0006^tr%04d%d^tr%04d%d^tr%04d%d^fe", int(sun_tabs[0]), sun[0], int(sun_tabs[1]),
                          sun[1], int(sun_tabs[2]), sun[2]);
            p.zellen.push_back({x + sun_x, y, f, 4, s});
        }
        // The goals start by the widest count of the table, the difference stands right-aligned
        // under its own heading.
        const char* einzug = tor_stellen >= 3 ? "" : tor_stellen == 2 ? "^tl0006" : "^tl0012";
        // (its sign is wider than a fixed digit: it keeps the font's own widths)
        std::snprintf(s, sizeof s, "%s^fb0006%*d:%*d^fe", einzug, int(tor_stellen), t.tore[teil][slot],
                      int(tor_stellen), t.gegentore[teil][slot]);
        if (!zwei) {
            const size_t n = std::strlen(s);
            std::snprintf(s + n, sizeof s - n, "^tr0084%s",
                          Tabelle_Tordifferenz_Text(t.tore[teil][slot] - t.gegentore[teil][slot]));
        }
        p.zellen.push_back({x + (zwei ? 180 : 288), y, f, 4, s});
        p.zellen.push_back({x + (zwei ? 232 : 400), y, f, 4,
                            "^fb0006" + Ligen_Tabelle_Punkte_Text(t.punkte[teil][slot], t.spiele[teil][slot], drei) + "^fe"});
        if (!zwei && !an(LT_EWIG) && !an(LT_HISTORIE)) {
            std::string tendenz = Ligen_Tabelle_Tendenz_Text(w, team, an(LT_TIP) ? info->saison_spieltage - 1 : letzter,
                                                            info->saison_spieltage, -1, -1, an(LT_TIP), teil);
            tendenz = tendenz.substr(7, tendenz.size() - 10);
            p.zellen.push_back({x + 454, y, f, 4, tendenz});
        }
    }
    p.laenge = std::max(haelfte, 1) * TABELLE_ZEILE + 2;
}

// The content of a pane into its scroll screen's bitmap: texts, and the gap rows' marks.
void pane_malen(Pane& p)
{
    Rastport* rp = Menue_Screen_Icon_Scroll_Bitmap(p.scrollscreen);
    if (!rp) return;
    Menue_Scrollscreen_Leeren(p.scrollscreen);
    // what stood there is gone: a text check forgets the old cells (a number now right-aligned
    // starts elsewhere than the one before it and would seem to lie on it)
    Grafik_Flaeche_Melden(nullptr, 0, 0, int32_t(rp->width), int32_t(rp->height), rp, 0, 0, true);
    const uint16_t marke = farbe(12, 12, 4);
    for (const Zelle& z : p.zellen) {
        if (z.bilder > 0) {
            // Marks that no longer fit the row are left out; the row's count stays in the help.
            for (int32_t k = 0; k < z.bilder && z.x + k * 10 + 8 <= p.w; ++k)
                Grafik_Rechteck_Fuellen(rp, z.x + k * 10, z.y + 3, 8, 4, marke);
            continue;
        }
        Grafik_Printf(rp, Font(z.font), "^c%05d%s", z.x, z.y, int(z.farbe), z.text.c_str());
    }
    p.neu = false;
}

Pane* pane_von(int32_t nummer)
{
    if (nummer == paarungen_pane.fenster) return &paarungen_pane;
    if (nummer == tabelle_pane.fenster) return &tabelle_pane;
    return nullptr;
}

// The window of a pane: a calm ground (the menu background's pitch lines ran through the
// rows), then the content at the bar's place.
int32_t fenster_zeichnen(Menue_Icon* icon, uint32_t)
{
    Pane* p = icon ? pane_von(icon->nummer) : nullptr;
    Scrollscreen* s = p ? Menue_Get_Scrollscreen(p->scrollscreen) : nullptr;
    if (!s || !Grafik_Render_Ziel) return 0;
    if (p->neu) pane_malen(*p);
    if (!s->bitmap) return 0;
    Grafik_Rechteck_Fuellen(Grafik_Render_Ziel, s->x, s->y, s->sicht_breite, s->sicht_hoehe, farbe(1, 2, 3));
    const int32_t h = std::min(s->sicht_hoehe, int32_t(s->bitmap->height) - s->position);
    if (h > 0) Grafik_Blit_Transparent(s->bitmap, 0, s->position, s->sicht_breite, h, Grafik_Render_Ziel, s->x, s->y);
    return 0;
}

int32_t spur_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon || !Grafik_Render_Ziel) return 0;
    Grafik_Rechteck_Fuellen(Grafik_Render_Ziel, icon->x + icon->breite / 2 - 1, icon->y, 3, icon->hoehe, farbe(5, 5, 8));
    return 0;
}

int32_t scrollknopf_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon || !Grafik_Render_Ziel) return 0;
    Grafik_Rechteck_Fuellen(Grafik_Render_Ziel, icon->x, icon->y, icon->breite, icon->hoehe, farbe(12, 10, 3));
    Grafik_Rechteck_Fuellen(Grafik_Render_Ziel, icon->x + 2, icon->y + icon->hoehe / 2 - 1, icon->breite - 4, 2, farbe(7, 5, 1));
    return 0;
}

// The header line over a pane.
int32_t kopf_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon || !Grafik_Render_Ziel) return 0;
    const Pane& p = icon->nummer == I_PAARUNGEN ? paarungen_pane : tabelle_pane;
    // the table's title shares its line with the column headings: the condensed font
    text(icon->x, icon->y + 10, farbe(15, 15, 15), p.kopf, icon->nummer == I_PAARUNGEN ? 4 : 9);
    return 0;
}

// The team the graph follows: the filter club while the filter is on, else the manager's.
int32_t grafik_team() { return an(LT_FILTER) && wort(LT_FILTER) >= 0 ? wort(LT_FILTER) : Aktuelles_Team; }

// The graph follows a club through a competition with a table that it plays in.
bool grafik_moeglich(Wettbewerb_Id w)
{
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(w);
    return info && !(info->modus & KO_SYSTEM) && grafik_team() >= 0 && Wettbewerb_Team_In_Liste(w, grafik_team());
}

// The title names the club and the table range of the graph; without a graph (a cup shown, a
// club not in the competition) there is no range to name.
int32_t grafik_titel_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon || !Grafik_Render_Ziel) return 0;
    const Wettbewerb_Id w = gewaehlt(nullptr);
    if (!grafik_moeglich(w)) return 0;
    char t[160];
    std::snprintf(t, sizeof t, "%s", Ligen_Tabelle_Grafik_Titel(grafik_team(), wort(LT_VON), wort(LT_BIS), w).c_str());
    String_Kuerzen_Pixel(t, nullptr, GRAFIK_TITEL_FONT, icon->breite);
    text(icon->x, icon->y + 9, farbe(15, 15, 15), t, GRAFIK_TITEL_FONT);
    return 0;
}

int32_t grafik_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* ziel = Grafik_Render_Ziel;
    if (!icon || !ziel) return 0;
    const Wettbewerb_Id w = gewaehlt(nullptr);
    const int32_t team = grafik_team();
    if (!grafik_moeglich(w)) return 0;
    std::vector<int32_t> plaetze;
    Ligen_Tabelle_Grafik_Daten(w, team, &plaetze);
    Ligen_Tabelle_Grafik_Malen(ziel, icon->x, icon->y, w, plaetze);
    return 0;
}

// The yellow frame of a button that is on.
void an_rahmen(const Menue_Icon* icon, int32_t d)
{
    Rastport* z = Grafik_Render_Ziel;
    const uint16_t gelb = farbe(15, 14, 4);
    Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, d, gelb);
    Grafik_Rechteck_Fuellen(z, icon->x, icon->y + icon->hoehe - d, icon->breite, d, gelb);
    Grafik_Rechteck_Fuellen(z, icon->x, icon->y, d, icon->hoehe, gelb);
    Grafik_Rechteck_Fuellen(z, icon->x + icon->breite - d, icon->y, d, icon->hoehe, gelb);
}

const Knopf* knopf_suchen(int32_t nummer) { return Ligen_Tabelle_Knopf_Suchen(nummer); }

// Over the face from the screen file a frame marks the button that is on; the toolkit greys a
// locked one. Without its face the button is drawn as a plain field with its label.
int32_t knopf_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon || !Grafik_Render_Ziel) return 0;
    const Knopf* k = knopf_suchen(icon->nummer);
    if (!k) return 0;
    const bool ein = an(icon->nummer), frei = Ligen_Tabelle_Tabellenknopf_Frei(icon->nummer);
    if (Menue_Screen_Icon_Bitmap(icon)) {
        if (ein) an_rahmen(icon, 2);
        return 0;
    }
    Grafik_Rechteck_Fuellen(Grafik_Render_Ziel, icon->x, icon->y, icon->breite, icon->hoehe,
                            ein ? farbe(4, 6, 12) : farbe(2, 2, 5));
    text(icon->x + 3, icon->y + 12, frei ? (ein ? farbe(15, 15, 6) : farbe(14, 14, 14)) : farbe(7, 7, 7), k->text);
    return 0;
}

void panes_bauen();

// The chosen round's current match day and match-day count, 1 and 1 without info.
void runden_tage(int32_t* aktuell, int32_t* tage)
{
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(gewaehlt(nullptr));
    *aktuell = info ? std::max(info->spieltag, 1) : 1;
    *tage = info ? std::max(info->saison_spieltage, 1) : 1;
}

int32_t ketten_tage()
{
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(Ligen_Tabelle_Get_Aktiven_Wettbewerb());
    return info ? std::max(info->saison_spieltage, 1) : 1;
}

Menue_Icon* aus_liste(int32_t nummer)
{
    for (Menue_Icon& i : liste)
        if (i.nummer == nummer) return &i;
    return nullptr;
}

// The panes again after a knob moved; the list stays, for the toolkit holds the knob it drags.
// While the knob is dragged the panes wait for its drop: a refresh under the dragged picture
// would keep a copy of it on the screen.
bool auffrischen_offen = false;
void panes_auffrischen(bool geaendert)
{
    auffrischen_offen = auffrischen_offen || geaendert;
    if (!auffrischen_offen || (Menue_Gezogenes_Icon && Maus_Get_Tasten() != 0)) return;
    auffrischen_offen = false;
    panes_bauen();
    for (Menue_Icon& i : liste)
        if (i.nummer != -1 && !(i.flags & ICON_SCROLLBUTTON)) Menue_Screen_Icon_Hinzufuegen(&i);
    Menue_Bereich_Refresh(20, 0, 45, 640, 480);
}

Menue_Scrollbar_Daten tag_daten{}, von_daten{}, bis_daten{};

// The refresh of a knob's area calls its bar's procedure again: once is enough.
bool im_knopf = false;
struct Knopf_Sperre {
    bool frei = !im_knopf;
    Knopf_Sperre() { im_knopf = true; }
    ~Knopf_Sperre() { im_knopf = !frei; }
};

int32_t spieltag_knopf(Menue_Icon* icon, int32_t)
{
    const Knopf_Sperre sperre;
    if (!icon || !sperre.frei) return 0;
    const int32_t tage = ketten_tage();
    const int32_t tag = std::clamp(Menue_Scrollpos_In_Wert_Umrechnen(0, -1, icon, 1, tage, -1, -1), 1, tage);
    const bool neu = tag != wort(LT_SPIELTAG);
    wort_setzen(LT_SPIELTAG, tag);
    // Another round may have fewer groups.
    int32_t tag_in_runde = 0;
    const Wettbewerb_Id runde = Wettbewerb_Get_Runden_Wettbewerb(Ligen_Tabelle_Get_Aktiven_Wettbewerb(), tag - 1, &tag_in_runde);
    if (runde >= 0) wort_setzen(LT_GRUPPE, std::clamp(wort(LT_GRUPPE), 0, Ligen_Tabelle_Gruppen_Anzahl(runde) - 1));
    panes_auffrischen(neu);
    return 0;
}

// The group knob: the group of the chosen round.
Menue_Scrollbar_Daten gruppe_daten{};
int32_t gruppen_jetzt = 1;
int32_t gruppe_knopf(Menue_Icon* icon, int32_t)
{
    const Knopf_Sperre sperre;
    if (!icon || !sperre.frei) return 0;
    const int32_t g = std::clamp(Menue_Scrollpos_In_Wert_Umrechnen(0, -1, icon, 1, gruppen_jetzt, -1, -1), 1, gruppen_jetzt) - 1;
    const bool neu = g != wort(LT_GRUPPE);
    wort_setzen(LT_GRUPPE, g);
    panes_auffrischen(neu);
    return 0;
}

void spuren_setzen(int32_t von_x, int32_t bis_x)
{
    int32_t aktuell = 1, tage = 1;
    runden_tage(&aktuell, &tage);
    const Tabelle_Von_Bis_Spuren s = Ligen_Tabelle_Von_Bis_Spuren(von_x, bis_x, aktuell, tage);
    von_daten.x_start = int16_t(s.von_start), von_daten.x_ende = int16_t(s.von_ende);
    bis_daten.x_start = int16_t(s.bis_start), bis_daten.x_ende = int16_t(s.bis_ende);
}

// Either knob of the table range moved: the other's track follows, the range is read off the
// fixed scales and the table is counted again when it changed.
int32_t von_bis_knopf(Menue_Icon*, int32_t)
{
    const Knopf_Sperre sperre;
    Menue_Icon *von = aus_liste(LT_VON), *bis = aus_liste(LT_BIS);
    if (!von || !bis || !sperre.frei) return 0;
    spuren_setzen(von->x, bis->x);
    int32_t aktuell = 1, tage = 1;
    runden_tage(&aktuell, &tage);
    const int32_t v = std::clamp(Menue_Scrollpos_In_Wert_Umrechnen(0, -1, von, 1, tage, LT_VON_X0, LT_VON_X1), 1, tage);
    const int32_t b = std::clamp(Menue_Scrollpos_In_Wert_Umrechnen(0, -1, bis, 1, tage, LT_BIS_X0, LT_BIS_X1), v, aktuell);
    const bool neu = v != wort(LT_VON) || b != wort(LT_BIS);
    wort_setzen(LT_VON, v);
    wort_setzen(LT_BIS, b);
    panes_auffrischen(neu);
    return 0;
}

int32_t rinne_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon || !Grafik_Render_Ziel) return 0;
    Grafik_Rechteck_Fuellen(Grafik_Render_Ziel, icon->x, icon->y + icon->hoehe / 2 - 1, icon->breite, 3, farbe(5, 5, 8));
    return 0;
}

int32_t filter_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon || !Grafik_Render_Ziel) return 0;
    const bool ein = an(LT_FILTER);
    Grafik_Rechteck_Fuellen(Grafik_Render_Ziel, icon->x, icon->y, icon->breite, icon->hoehe,
                            ein ? farbe(4, 6, 12) : farbe(2, 2, 5));
    const std::string t = Ligen_Tabelle_Filter_Text(
        name(wort(LT_FILTER), 193).c_str(), [](const char* s) { return Font_Text_Breite(Font(9), s); }, icon->breite - 6);
    text(icon->x + 3, icon->y + 12, ein ? farbe(15, 15, 6) : farbe(14, 14, 14), t, 9);
    return 0;
}

void neu_zeichnen()
{
    for (Menue_Icon& i : liste)
        if (knopf_suchen(i.nummer)) {
            const bool frei = Ligen_Tabelle_Tabellenknopf_Frei(i.nummer);
            i.status = uint16_t(frei ? i.status & ~ICON_GESPERRT : i.status | ICON_GESPERRT);
        }
    for (Menue_Icon& i : liste)
        if (i.nummer != -1) Menue_Screen_Icon_Hinzufuegen(&i);
    panes_bauen();
    Menue_Bereich_Refresh(20, 0, 45, 640, 480);
}

int32_t knopf_klick(Menue_Icon* icon, uint32_t)
{
    if (!icon || !Ligen_Tabelle_Tabellenknopf_Frei(icon->nummer)) return 0;
    Ligen_Tabelle_Tabellenknopf_Klick(icon->nummer);
    neu_zeichnen();
    return 0;
}

Menue_Kontextmenue* team_kontext(Menue_Icon* icon)
{
    return icon ? Team_Popup_Menue_Erzeugen(icon->kennung_1) : nullptr;
}

void liste_bauen();
void zum_aktuellen_tag();

// The club picker of the filter: the club's league becomes the competition, the filter goes on.
uint8_t verein_gewaehlt(int32_t, int32_t, int32_t team, int32_t)
{
    if (team < 0 || team >= Team_Anzahl) return 1;
    wort_setzen(LT_FILTER, team);
    Manager_Icon_Button_An_Aus(Aktuelles_Team, LT_FILTER, 1);
    const Wettbewerb_Id liga = Wettbewerb_Get_Team_Wettbewerb(team, 1);
    if (Wettbewerb_Get_Info(liga)) Ligen_Tabelle_Kurzwahl_Setzen(Wettbewerb_Get_Oberwettbewerb(liga));
    zum_aktuellen_tag();
    return 1;
}

Menue_Kontextmenue* filter_menue(Menue_Icon*)
{
    Menue_Kontextmenue* k = &Kontext_Menue;
    Menue_Init_Kontextmenue(k, "Verein auswählen:", -1, POPUP_WAEHLBAR, verein_gewaehlt);
    Spieler_Einsetzen_Vereinsauswahl_Setzen(wort(LT_FILTER), false);
    Spieler_Einsetzen_Vereinsauswahl_Menue(k, 0, verein_gewaehlt, true);
    return k;
}

// The competition picker of a shortcut button (value C its index): the button takes the
// competition and shows it.
int32_t kurzwahl_liste[WETTBEWERB_ANZAHL + 1];
uint8_t wettbewerb_gewaehlt(int32_t, int32_t knopf, int32_t w, int32_t)
{
    if (knopf < 0 || knopf >= LT_KURZWAHL_ANZAHL || !Wettbewerb_Get_Info(w)) return 1;
    wort_setzen(LT_KURZWAHL_WORT + knopf, w);
    for (int32_t i = 0; i < LT_KURZWAHL_ANZAHL; ++i)
        Manager_Icon_Button_An_Aus(Aktuelles_Team, LT_KURZWAHL + i, i == knopf ? 1 : 0);
    zum_aktuellen_tag();
    return 1;
}

Menue_Kontextmenue* kurzwahl_menue(Menue_Icon* icon)
{
    if (!icon) return nullptr;
    const int32_t knopf = icon->nummer - LT_KURZWAHL;
    Menue_Kontextmenue* k = &Kontext_Menue;
    Menue_Init_Kontextmenue(k, "Wettbewerb auswählen:", knopf, POPUP_WAEHLBAR | POPUP_RADIO, wettbewerb_gewaehlt);
    const int32_t n = std::clamp(Ligen_Tabelle_Liste_Aufbauen(kurzwahl_liste), 0, int32_t(MENUE_KONTEXT_EINTRAEGE));
    for (int32_t i = 0; i < n; ++i) {
        k->texte[i] = Wettbewerb_Get_Anzeigename(kurzwahl_liste[i]);
        k->wert_a[i] = kurzwahl_liste[i];
        if (kurzwahl_liste[i] == wort(LT_KURZWAHL_WORT + knopf)) k->status[i] |= POPUP_GEWAEHLT;
    }
    return k;
}

// The season menu of the history button: the archived final tables of the competition.
std::string historie_texte[MENUE_KONTEXT_EINTRAEGE];
int32_t historie_jahre[20];
uint8_t historie_gewaehlt(int32_t eintrag, int32_t, int32_t jahr, int32_t)
{
    if (jahr <= 0) return 1;
    (void)eintrag;
    wort_setzen(LT_HISTORIE, jahr);
    if (!an(LT_HISTORIE)) Ligen_Tabelle_Tabellenknopf_Klick(LT_HISTORIE);
    neu_zeichnen();
    return 1;
}

Menue_Kontextmenue* historie_menue(Menue_Icon*)
{
    const Wettbewerb_Id w = Wettbewerb_Get_Oberwettbewerb(gewaehlt(nullptr));
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(w);
    const int32_t n = std::clamp(Statistik_Tabellen_In_Array(w, historie_jahre, 20), 0, 20);
    const int32_t m = Ligen_Tabelle_Historie_Eintraege(historie_jahre, n, info && (info->modus & KO_SYSTEM), historie_texte,
                                                      MENUE_KONTEXT_EINTRAEGE);
    Menue_Kontextmenue* k = &Kontext_Menue;
    Menue_Init_Kontextmenue(k, "Wählen Sie eine historische Tabelle:", -1, n > 0 ? POPUP_WAEHLBAR : POPUP_KEIN_HOVER,
                            historie_gewaehlt);
    for (int32_t i = 0; i < m; ++i) {
        k->texte[i] = historie_texte[i].c_str();
        k->wert_a[i] = i < n ? historie_jahre[i] : -1;
    }
    return k;
}

// The club filter goes on and off; the layout follows it (the knobs grey while it is on).
int32_t filter_klick(Menue_Icon*, uint32_t)
{
    Manager_Icon_Button_An_Aus(Aktuelles_Team, LT_FILTER, an(LT_FILTER) ? 0 : 1);
    Ligen_Tabelle_Entfernen();
    liste_bauen();
    neu_zeichnen();
    return 0;
}

// The fixtures' toggles; two columns change the layout.
int32_t paarungsknopf_klick(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    const int32_t nummer = icon->nummer;
    Manager_Icon_Button_An_Aus(Aktuelles_Team, nummer, an(nummer) ? 0 : 1);
    if (nummer == LT_PAARUNGEN_BREIT) {
        Ligen_Tabelle_Entfernen();
        liste_bauen();
    }
    neu_zeichnen();
    return 0;
}

// The shortcut buttons: the competition's picture (the middle of its 40 x 40), a frame on the one
// that is on; without the picture its name's first letters.
constexpr int32_t WETTBEWERB_BILD = 1382;
std::string kurzwahl_namen[LT_KURZWAHL_ANZAHL];

void wettbewerb_zeichnen(Menue_Icon* icon, Wettbewerb_Id w, bool rahmen)
{
    Rastport* ziel = Grafik_Render_Ziel;
    if (!icon || !ziel) return;
    const int32_t handle = ResFile_Handles[0].handle;
    auto* bild = handle >= 0 && Wettbewerb_Get_Info(w)
                     ? static_cast<Rastport*>(Load_Resource(handle, WETTBEWERB_BILD + Wettbewerb_Get_Grafik_Nummer(w),
                                                            ziel->depth, nullptr))
                     : nullptr;
    Grafik_Rechteck_Fuellen(ziel, icon->x, icon->y, icon->breite, icon->hoehe, farbe(2, 2, 5));
    if (bild) {
        // A picture taller than the button keeps its foot, where the competition's name stands
        // (cut to the button's middle, the name was lost).
        const int32_t bw = std::min<int32_t>(icon->breite, int32_t(bild->width));
        const int32_t bh = std::min<int32_t>(icon->hoehe, int32_t(bild->height));
        Grafik_Blit(bild, (int32_t(bild->width) - bw) / 2, int32_t(bild->height) - bh, bw, bh, ziel, icon->x, icon->y);
        Grafik_Bitmap_Freigeben(bild);
    } else if (Wettbewerb_Get_Info(w)) {
        text(icon->x + 2, icon->y + 12, farbe(14, 14, 14), std::string(Wettbewerb_Get_Anzeigename(w)).substr(0, 4), 3);
    }
    if (rahmen) an_rahmen(icon, 1);
}

int32_t kurzwahl_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (icon) wettbewerb_zeichnen(icon, wort(LT_KURZWAHL_WORT + icon->nummer - LT_KURZWAHL), an(icon->nummer));
    return 0;
}

// The current match day of the active competition's chain and its count.
void ketten_stand(int32_t* aktuell, int32_t* tage)
{
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(Ligen_Tabelle_Get_Aktiven_Wettbewerb());
    *aktuell = info ? info->ketten_offset + info->spieltag : 0;
    *tage = info ? std::max(info->saison_spieltage, 1) : 1;
}

// The active competition's next match day, the table up to the current one, its first group.
void zum_aktuellen_tag()
{
    int32_t aktuell = 0, tage = 1;
    ketten_stand(&aktuell, &tage);
    wort_setzen(LT_SPIELTAG, std::min(aktuell + 1, tage));
    wort_setzen(LT_VON, 1);
    wort_setzen(LT_BIS, std::max(aktuell, 1));
    wort_setzen(LT_GRUPPE, 0);
    Ligen_Tabelle_Kalender_Anzeigen(Ligen_Tabelle_Termin_Tag(LT_HINSPIEL));
    Ligen_Tabelle_Entfernen();
    liste_bauen();
    neu_zeichnen();
}

// A shortcut goes on, the others off; the screen moves to that competition's next match day
// with the table up to the current one.
int32_t kurzwahl_klick(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    for (int32_t i = 0; i < LT_KURZWAHL_ANZAHL; ++i)
        Manager_Icon_Button_An_Aus(Aktuelles_Team, LT_KURZWAHL + i, LT_KURZWAHL + i == icon->nummer ? 1 : 0);
    zum_aktuellen_tag();
    return 0;
}

// The selector: a competition the club is still in; its picture, framed when it is shown.
char auswahl_hilfe[AUSWAHL_ANZAHL][128];
int32_t auswahl_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (icon)
        wettbewerb_zeichnen(icon, icon->kennung_1, Wettbewerb_Get_Oberwettbewerb(gewaehlt(nullptr)) == icon->kennung_1);
    return 0;
}

int32_t auswahl_klick(Menue_Icon* icon, uint32_t)
{
    if (!icon || !Wettbewerb_Get_Info(icon->kennung_1)) return 0;
    Ligen_Tabelle_Kurzwahl_Setzen(icon->kennung_1);
    zum_aktuellen_tag();
    return 0;
}

// The best and worst place the club can still reach, beside the graph at their heights.
int32_t marke_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon || !Grafik_Render_Ziel || icon->kennung_1 < 1) return 0;
    char t[16];
    std::snprintf(t, sizeof t, "%2d.", icon->kennung_1);
    // "18." takes the condensed font where it would run into the graph
    text(icon->x, icon->y + 9, farbe(9, 9, 15), t, Menue_Font_Passend(3, t, icon->breite));
    return 0;
}

// A click on a club's name filters the fixtures to its matches.
int32_t team_klick(Menue_Icon* icon, uint32_t)
{
    if (!icon || icon->kennung_1 < 0 || icon->kennung_1 >= Team_Anzahl) return 0;
    wort_setzen(LT_FILTER, icon->kennung_1);
    Manager_Icon_Button_An_Aus(Aktuelles_Team, LT_FILTER, 1);
    neu_zeichnen();
    return 0;
}

// A row of the club view: on the result its calendar day, elsewhere the opponent's matches.
int32_t zeilen_klick(Menue_Icon* icon, uint32_t f)
{
    const int32_t k = icon ? icon->nummer - paarungen_pane.erster_treffer : -1;
    if (k < 0 || k >= int32_t(paarungen_pane.treffer.size())) return 0;
    const Treffer& t = paarungen_pane.treffer[size_t(k)];
    if (Maus_Get_X() - icon->x >= t.ergebnis_x) {
        Ligen_Tabelle_Kalender_Anzeigen(t.kalendertag);
        return 0;
    }
    return team_klick(icon, f);
}

// Takes a pane's icons off the screen (the background goes back where they stood).
void pane_entfernen(Pane& p)
{
    for (int32_t k = 0; k < p.icon_anzahl; ++k) {
        // By the record: the number's register may still name a record of an earlier visit. The
        // back page gets the background too: the next refresh draws there and shows it.
        Menue_Icon& i = p.icons[size_t(k)];
        if (Grafik_Seite_1 && Menue_Screen_Icon_Ist_Vorhanden(i.nummer) && !(i.status & ICON_VERSTECKT) &&
            !(i.flags & ICON_NIE_ZEICHNEN))
            Menue_Hintergrund_Kopieren(Grafik_Seite_1, i.x, i.y, i.breite, i.hoehe, 0, 0);
        Menue_Screen_Icon_Loeschen(-1, &i, 16);
    }
    p.icon_anzahl = 0;
}

// A pane as a scroll screen: its window at (x, y), w x h, the bar at spur_x; the content is
// counted anew, the bar goes back to the top and hides when the content fits.
void pane_bauen(Pane& p, int32_t x, int32_t y, int32_t w, int32_t h, int32_t spur_x)
{
    pane_entfernen(p);
    p.x = x, p.y = y, p.w = w, p.h = h, p.spur_x = spur_x;
    Scrollscreen* s = Menue_Get_Scrollscreen(p.scrollscreen);
    if (!s) return;
    const int32_t hoehe = std::max(p.laenge, h);
    if (s->bitmap && (int32_t(s->bitmap->width) != w || int32_t(s->bitmap->height) != hoehe))
        s->bitmap = Grafik_Bitmap_Freigeben(s->bitmap);
    // A list longer than its window shows whole rows only, not half a name at its foot.
    const int32_t sicht = p.zeile > 0 && p.laenge > h ? std::max(p.zeile, h / p.zeile * p.zeile) : h;
    *s = Scrollscreen{s->bitmap, w, hoehe, w, sicht, x, y, {0, 0}, nullptr, p.spur, -1, 0, 0, 0, 0, p.laenge, {}};
    p.neu = true;
    Menue_Icon f = Menue_Icon_Vorlage(p.fenster, -1, ICON_NICHT_TREFFEN, int16_t(x), int16_t(y), uint16_t(w),
                                      uint16_t(h), 12, 255);
    f.refresh_prozedur = fenster_zeichnen;
    f.status = ICON_SPAETER_REFRESH;
    p.icons[FENSTER] = f;
    Menue_Icon sp = Menue_Icon_Vorlage(p.spur, -1, 0, int16_t(spur_x), int16_t(y), SPUR_W, uint16_t(h), 13, 255);
    sp.refresh_prozedur = spur_zeichnen;
    sp.klick = Menue_Scrollbar_Klick;
    sp.verknuepft = p.knopf;
    sp.hilfetext = p.spur_hilfe;
    sp.status = ICON_SPAETER_REFRESH;
    p.icons[SPUR] = sp;
    p.daten = {Menue_Universale_Scroll_Prozedur, 0, int16_t(spur_x), int16_t(spur_x), -1, int16_t(y),
               int16_t(y + h - SCROLLKNOPF_H), 0, 0.0f, int8_t(p.scrollscreen)};
    Menue_Icon k = Menue_Icon_Vorlage(p.knopf, -1, ICON_SCROLLBUTTON | ICON_ZIEHBAR, int16_t(spur_x), int16_t(y), SPUR_W,
                                      SCROLLKNOPF_H, 14, 255);
    k.daten = &p.daten;
    k.refresh_prozedur = scrollknopf_zeichnen;
    k.hilfetext = p.knopf_hilfe;
    k.status = ICON_SPAETER_REFRESH;
    p.icons[KNOPF] = k;
    if (Aktuelles_Team >= 0) Manager_Icon_Button_An_Aus(Aktuelles_Team, p.knopf, uint32_t(y));
    p.icon_anzahl = TREFFER_ERSTES;
    // Hit icons over the club names; they move with the content and count only inside the window.
    for (const Treffer& t : p.treffer) {
        if (p.icon_anzahl - TREFFER_ERSTES >= p.treffer_max) break;
        Menue_Icon i = Menue_Icon_Vorlage(int16_t(p.erster_treffer + p.icon_anzahl - TREFFER_ERSTES), -1, ICON_NIE_ZEICHNEN,
                                          int16_t(x + t.x), int16_t(y + t.y), uint16_t(t.w), uint16_t(t.h), 13, 255);
        i.bereich[0] = int16_t(x), i.bereich[1] = int16_t(y), i.bereich[2] = int16_t(x + w - 1), i.bereich[3] = int16_t(y + h - 1);
        i.scrollscreen = uint8_t(p.scrollscreen);
        if (t.team < 0) {
            // A result: its match's information on a right click.
            i.kennung_1 = int16_t(t.block), i.kennung_2 = int16_t(t.kennung);
            i.kontext = Spiele_Info_Kontext_Erzeugen;
            i.hilfetext = t.gespielt ? "Sie können Informationen zu diesem Spiel^lmit der rechten Taste abrufen."
                                     : "Dieses Spiel hat noch nicht stattgefunden.";
        } else {
            i.kennung_1 = int16_t(t.team);
            i.klick = t.zeile ? zeilen_klick : team_klick;
            i.kontext = team_kontext;
            // A pure client has no match store to draw the course from.
            i.mausover = &p == &tabelle_pane && Netz_Rolle != 1 ? Team_Hilfetext_Team_Sefo : Team_Infotext_Erzeugen;
            i.hilfetext = "";
        }
        p.icons[size_t(p.icon_anzahl++)] = i;
    }
    for (int32_t n = 0; n < p.icon_anzahl; ++n) Menue_Screen_Icon_Hinzufuegen(&p.icons[size_t(n)]);
    Menue_Scrollscreen_Rasterbreite_Festlegen(p.scrollscreen);
}

// Both panes anew from the acting manager's choices, in the layout of the fixtures' width.
void panes_bauen()
{
    const bool breit = an(LT_PAARUNGEN_BREIT);
    paarungen_fuellen(paarungen_pane, breit);
    pane_bauen(paarungen_pane, PAARUNGEN_X, PAARUNGEN_Y, breit ? PAARUNGEN_W_BREIT : PAARUNGEN_W_SCHMAL, PAARUNGEN_H,
               breit ? SPUR_X_BREIT : SPUR_X_SCHMAL);
    tabelle_pane_fuellen(tabelle_pane);
    if (an(LT_NUR_PAARUNGEN)) pane_entfernen(tabelle_pane);
    else pane_bauen(tabelle_pane, TABELLE_X, TABELLE_Y, 570, TABELLE_H, SPUR_X_BREIT);
}

// The leg-date buttons: the date with the calendar picture; a click shows the day in the
// magnifier.
constexpr int32_t TERMIN_W = 72;
int32_t termin_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon || !Grafik_Render_Ziel) return 0;
    text(icon->x + 2, icon->y + 10, farbe(14, 14, 14), Ligen_Tabelle_Termin_Texte(icon->nummer), 4);
    return 0;
}

int32_t termin_klick(Menue_Icon* icon, uint32_t)
{
    const int32_t tag = icon ? Ligen_Tabelle_Termin_Tag(icon->nummer) : -1;
    if (tag >= 0) Kalender_Lupe_Auf_Tag(tag);
    return 0;
}

void liste_bauen()
{
    liste.clear();
    // The toolkit keeps pointers to the records: one buffer that never moves.
    liste.reserve(96);
    auto icon = [](int16_t nr, int16_t x, int16_t y, uint16_t w, uint16_t h, Menue_Refresh_Prozedur r) {
        // Drawn panes only: a right click on them reaches the menu beneath. Priorities above 19
        // are modal layers.
        Menue_Icon i = Menue_Icon_Vorlage(nr, -1, ICON_NICHT_TREFFEN, x, y, w, h, 12, 255);
        i.refresh_prozedur = r;
        i.status = ICON_SPAETER_REFRESH;
        liste.push_back(i);
    };
    const bool breit = an(LT_PAARUNGEN_BREIT);
    // The leg dates at the header's right end: the first leg's unless only fixtures are shown,
    // the second leg's of a two-legged round.
    const bool hin = !an(LT_NUR_PAARUNGEN), rueck = hin && Ligen_Tabelle_Hat_Rueckspiele();
    const std::vector<Ligen_Tabelle_Platz> plaetze = Ligen_Tabelle_Kopf_Plaetze(breit, !hin, rueck);
    auto platz = [&](int32_t nr) {
        for (const Ligen_Tabelle_Platz& p : plaetze)
            if (p.nummer == nr) return p;
        return Ligen_Tabelle_Platz{nr, 0, 0, 0, 0};
    };
    auto an_platz = [&](int32_t nr, Menue_Refresh_Prozedur r) {
        const Ligen_Tabelle_Platz p = platz(nr);
        icon(int16_t(nr), int16_t(p.x), int16_t(p.y), uint16_t(p.w), uint16_t(p.h), r);
    };
    an_platz(I_SPIELTAG, spieltag_zeichnen);
    // A click goes back to the next match day of the competition.
    liste.back().flags &= ~uint32_t(ICON_NICHT_TREFFEN);
    liste.back().klick = [](Menue_Icon*, uint32_t) {
        zum_aktuellen_tag();
        return int32_t(0);
    };
    liste.back().hilfetext = "Auf aktuellen Spieltag schalten";
    an_platz(I_PAARUNGEN, kopf_zeichnen);
    for (auto [nr, h] : {std::pair{LT_HINSPIEL, "Hinspiel im Kalender anzeigen"}, std::pair{LT_RUECKSPIEL, "Rückspiel im Kalender anzeigen"}}) {
        if (nr == LT_HINSPIEL ? !hin : !rueck) continue;
        an_platz(nr, termin_zeichnen);
        liste.back().flags &= ~uint32_t(ICON_NICHT_TREFFEN);
        liste.back().klick = termin_klick;
        liste.back().hilfetext = h;
    }
    if (!breit) {
        an_platz(I_GRAFIK, grafik_zeichnen);
        an_platz(I_TITEL, grafik_titel_zeichnen);
        // The places still reachable for the filter club, on the graph's place scale.
        const Wettbewerb_Id w = gewaehlt(nullptr);
        const Wettbewerb_Info* info = Wettbewerb_Get_Info(w);
        const int32_t club = wort(LT_FILTER) >= 0 && wort(LT_FILTER) < Team_Anzahl ? wort(LT_FILTER) : Aktuelles_Team;
        int32_t beste = 0, schlechteste = 0;
        // (none for a club that does not play in the competition: it has no places to reach)
        if (info && !(info->modus & KO_SYSTEM) && Wettbewerb_Team_In_Liste(w, club) &&
            Wettbewerb_Erreichbare_Plaetze(w, club, &beste, &schlechteste) >= 0 && beste >= 1)
            for (auto [nr, platz, dy] : {std::tuple{I_MARKE_OBEN, beste, 0}, std::tuple{I_MARKE_UNTEN, schlechteste, 1}}) {
                icon(nr, MARKE_X, int16_t(GRAFIK_Y + Ligen_Tabelle_Marke_Y(platz, info->teams) + dy * MARKE_H / 2), MARKE_W,
                     MARKE_H, marke_zeichnen);
                liste.back().kennung_1 = int16_t(platz);
                liste.back().flags &= ~uint32_t(ICON_NICHT_TREFFEN);
                liste.back().hilfetext = "Noch erreichbare Tabellenplätze";
            }
    }
    auto knopf = [&](int32_t nr, Menue_Refresh_Prozedur r, Menue_Klick_Prozedur k, const char* hilfe) {
        const Ligen_Tabelle_Platz p = platz(nr);
        Menue_Icon i = Menue_Icon_Vorlage(int16_t(nr), r == knopf_zeichnen ? int32_t(MENUE_RESSOURCE_CODE + Ligen_Tabelle_Knopf_Bild(nr)) : -1, 0,
                                          int16_t(p.x), int16_t(p.y), uint16_t(p.w), uint16_t(p.h), 13, 255);
        i.refresh_prozedur = r;
        i.klick = k;
        i.hilfetext = hilfe;
        i.status = ICON_SPAETER_REFRESH;
        liste.push_back(i);
    };
    knopf(LT_FILTER, filter_zeichnen, filter_klick, "Nur die Spiele eines bestimmten Vereins anzeigen");
    liste.back().kontext = filter_menue;
    for (int32_t i = 0; i < LT_KURZWAHL_ANZAHL; ++i) {
        Wettbewerb_Id w = wort(LT_KURZWAHL_WORT + i);
        if (w < 0) wort_setzen(LT_KURZWAHL_WORT + i, w = Wettbewerb_Get_Erster());
        kurzwahl_namen[i] = Wettbewerb_Get_Info(w) ? Wettbewerb_Get_Anzeigename(w) : "";
        knopf(LT_KURZWAHL + i, kurzwahl_zeichnen, kurzwahl_klick, kurzwahl_namen[i].c_str());
        liste.back().kontext = kurzwahl_menue;
    }
    if (!breit) {
        int32_t ids[AUSWAHL_ANZAHL];
        const int32_t n = Ligen_Tabelle_Auswahl_Fuellen(Aktuelles_Team, ids, AUSWAHL_ANZAHL);
        // Filled from the last button down, as many as the club is in.
        for (int32_t k = 0; k < n; ++k) {
            const int32_t nr = I_AUSWAHL + AUSWAHL_ANZAHL - 1 - k;
            std::snprintf(auswahl_hilfe[k], sizeof auswahl_hilfe[k], "Sie sind noch im Wettbewerb \"%s\".",
                          Wettbewerb_Get_Anzeigename(ids[k]));
            knopf(nr, auswahl_zeichnen, auswahl_klick, auswahl_hilfe[k]);
            liste.back().kennung_1 = int16_t(ids[k]);
        }
    }
    for (int32_t k = 0; k < PAARUNGSKNOEPFE_ANZAHL; ++k)
        knopf(PAARUNGSKNOEPFE[k].nummer, knopf_zeichnen, paarungsknopf_klick, PAARUNGSKNOEPFE[k].hilfe);

    // The match-day bar: its knob stands on the chosen day of the chain, greyed under the filter.
    const bool filter = an(LT_FILTER);
    int32_t tag_in_runde = 0;
    const Wettbewerb_Id runde = Wettbewerb_Get_Runden_Wettbewerb(Ligen_Tabelle_Get_Aktiven_Wettbewerb(),
                                                                 std::max(wort(LT_SPIELTAG) - 1, 0), &tag_in_runde);
    gruppen_jetzt = runde >= 0 ? Ligen_Tabelle_Gruppen_Anzahl(runde) : 1;
    const int32_t balken_w = (breit ? BALKEN_W_BREIT : BALKEN_W_SCHMAL) - (gruppen_jetzt > 1 ? GRUPPEN_W + 6 : 0);
    Menue_Icon rinne = Menue_Icon_Vorlage(int16_t(LT_SPIELTAG_BALKEN), -1, 0, BALKEN_X, BALKEN_Y, uint16_t(balken_w),
                                          BALKEN_H, 13, 255);
    rinne.refresh_prozedur = rinne_zeichnen;
    rinne.klick = Menue_Scrollbar_Klick;
    rinne.verknuepft = int16_t(LT_SPIELTAG);
    rinne.hilfetext = "Spieltag anzeigen";
    rinne.status = ICON_SPAETER_REFRESH;
    liste.push_back(rinne);
    tag_daten = {spieltag_knopf, 0, int16_t(BALKEN_X), int16_t(BALKEN_X + balken_w - KNOPF_W), 0,
                 int16_t(BALKEN_Y), int16_t(BALKEN_Y), -1, 0.0f, -1};
    Menue_Icon tk = Menue_Icon_Vorlage(int16_t(LT_SPIELTAG), int32_t(MENUE_RESSOURCE_CODE + LT_BILD_TAGKNOPF),
                                       ICON_SCROLLBUTTON | ICON_ZIEHBAR, BALKEN_X, BALKEN_Y, KNOPF_W, BALKEN_H, 14, 255);
    tk.daten = &tag_daten;
    tk.hilfetext = "Hier können Sie den Spieltag einstellen";
    tk.status = uint16_t(ICON_SPAETER_REFRESH | (filter ? ICON_GESPERRT : 0));
    Menue_Wert_In_Scrollpos_Umrechnen(Aktuelles_Team, -1, &tk, std::max(wort(LT_SPIELTAG), 1), 1, 1, ketten_tage(),
                                      -1, -1);
    liste.push_back(tk);
    // The group bar of a round of groups, greyed under the filter as the day's.
    if (gruppen_jetzt > 1) {
        const int32_t gx = BALKEN_X + balken_w + 6;
        Menue_Icon gr = rinne;
        gr.nummer = I_GRUPPEN_BALKEN, gr.x = int16_t(gx), gr.breite = GRUPPEN_W, gr.verknuepft = I_GRUPPE;
        gr.hilfetext = "Gruppen anzeigen";
        liste.push_back(gr);
        gruppe_daten = {gruppe_knopf, 0, int16_t(gx), int16_t(gx + GRUPPEN_W - KNOPF_W), 0, int16_t(BALKEN_Y), int16_t(BALKEN_Y),
                        -1, 0.0f, -1};
        Menue_Icon gk = tk;
        gk.nummer = I_GRUPPE, gk.x = int16_t(gx), gk.daten = &gruppe_daten;
        gk.hilfetext = "Hier können Sie die Gruppe einstellen";
        wort_setzen(LT_GRUPPE, std::clamp(wort(LT_GRUPPE), 0, gruppen_jetzt - 1));
        Menue_Wert_In_Scrollpos_Umrechnen(Aktuelles_Team, -1, &gk, wort(LT_GRUPPE) + 1, 1, 1, gruppen_jetzt, -1, -1);
        liste.push_back(gk);
    }

    // The table range's knobs, in the narrow layout of a table that has played days.
    int32_t aktuell = 1, tage = 1;
    runden_tage(&aktuell, &tage);
    const Wettbewerb_Info* ri = Wettbewerb_Get_Info(gewaehlt(nullptr));
    if (!breit && !an(LT_NUR_PAARUNGEN) && ri && !(ri->modus & KO_SYSTEM) && ri->spieltag >= 1) {
        const int32_t v = std::clamp(wort(LT_VON), 1, tage), b = std::clamp(wort(LT_BIS), v, aktuell);
        const int32_t vx = Menue_Position_In_Prozent(v, 1, 1, tage, LT_VON_X0, LT_VON_X1);
        const int32_t bx = Menue_Position_In_Prozent(b, 1, 1, tage, LT_BIS_X0, LT_BIS_X1);
        von_daten = {von_bis_knopf, 0, 0, 0, 0, int16_t(VON_BIS_Y), int16_t(VON_BIS_Y), -1, 0.0f, -1};
        bis_daten = von_daten;
        spuren_setzen(vx, bx);
        for (auto [nr, bild, x, d, hilfe] :
             {std::tuple{LT_VON, LT_BILD_VONKNOPF, vx, &von_daten, "Tabelle berechnen von Spieltag..."},
              std::tuple{LT_BIS, LT_BILD_BISKNOPF, bx, &bis_daten, "Tabelle berechnen bis Spieltag..."}}) {
            Menue_Icon k = Menue_Icon_Vorlage(int16_t(nr), int32_t(MENUE_RESSOURCE_CODE + bild),
                                              ICON_SCROLLBUTTON | ICON_ZIEHBAR, int16_t(x), VON_BIS_Y, VON_BIS_W,
                                              VON_BIS_H, 14, 255);
            k.daten = d;
            k.hilfetext = hilfe;
            k.status = ICON_SPAETER_REFRESH;
            Manager_Icon_Button_An_Aus(Aktuelles_Team, nr, uint32_t(x));
            liste.push_back(k);
        }
    }
    if (!an(LT_NUR_PAARUNGEN)) {
        an_platz(I_TABELLE, kopf_zeichnen);
        for (int32_t k = 0; k < KNOEPFE; ++k) {
            const Ligen_Tabelle_Platz p = platz(TABELLENKNOEPFE[k].nummer);
            Menue_Icon i = Menue_Icon_Vorlage(TABELLENKNOEPFE[k].nummer, int32_t(MENUE_RESSOURCE_CODE + Ligen_Tabelle_Knopf_Bild(TABELLENKNOEPFE[k].nummer)), 0,
                                              int16_t(p.x), int16_t(p.y), uint16_t(p.w), uint16_t(p.h), 13, 255);
            i.refresh_prozedur = knopf_zeichnen;
            i.klick = knopf_klick;
            if (i.nummer == LT_HISTORIE) i.kontext = historie_menue;
            i.hilfetext = TABELLENKNOEPFE[k].hilfe;
            i.status = ICON_SPAETER_REFRESH;
            liste.push_back(i);
        }
    }
    liste.push_back(Menue_Icon_Listenende());
    Menue_Icon_Liste_Registrieren(liste.data());
}

// The bar calls this with its button's click: every call builds the screen (handing the call
// back to the bar would call here again).
int32_t screen(bool nur_paarungen)
{
    Manager_Icon_Button_An_Aus(Aktuelles_Team, LT_NUR_PAARUNGEN, nur_paarungen ? 1 : 0);
    // Coming from another screen the tables follow the day: the competition of today's match
    // and its next match day.
    if (!Menue_Screen_Icon_Ist_Vorhanden(I_PAARUNGEN)) Ligen_Tabelle_Get_Wettbewerb();
    Menue_Leiste_Zeigen();
    if (wort(LT_FILTER) == -1 || wort(LT_FILTER) >= Team_Anzahl) wort_setzen(LT_FILTER, Aktuelles_Team);
    const bool folgen = an(LT_FOLGEN);
    if (folgen) {
        int32_t wb = -1;
        if (Spieltag_Get_Gegner(Aktuelles_Team, nullptr, nullptr, &wb) >= 0 && Wettbewerb_Get_Info(wb))
            Ligen_Tabelle_Kurzwahl_Setzen(Wettbewerb_Get_Oberwettbewerb(wb));
        Manager_Icon_Button_An_Aus(Aktuelles_Team, LT_FOLGEN, 0);
    }
    bool kurzwahl = false;
    for (int32_t i = 0; i < LT_KURZWAHL_ANZAHL; ++i) kurzwahl = kurzwahl || an(LT_KURZWAHL + i);
    if (!kurzwahl || !Wettbewerb_Get_Info(Ligen_Tabelle_Get_Aktiven_Wettbewerb()))
        Ligen_Tabelle_Kurzwahl_Setzen(Wettbewerb_Get_Team_Wettbewerb(Aktuelles_Team, 1));
    // The day after the current one, and the table up to the current one.
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(Ligen_Tabelle_Get_Aktiven_Wettbewerb());
    const int32_t aktuell = info ? info->ketten_offset + info->spieltag : 0;
    const int32_t tage = info ? std::max(info->saison_spieltage, 1) : 1;
    if (folgen || wort(LT_SPIELTAG) < 1) {
        wort_setzen(LT_SPIELTAG, std::min(aktuell + 1, tage));
        wort_setzen(LT_GRUPPE, 0);
    }
    wort_setzen(LT_VON, 1);
    wort_setzen(LT_BIS, std::max(aktuell, 1));
    if (!an(LT_AKTUELL) && !an(LT_EWIG) && !an(LT_HISTORIE)) Manager_Icon_Button_An_Aus(Aktuelles_Team, LT_AKTUELL, 1);
    Ligen_Tabelle_Entfernen();
    Ligen_Teamvergleich_Entfernen();
    liste_bauen();
    neu_zeichnen();
    return 0;
}

int32_t tabellen_screen(Menue_Icon*, uint32_t) { return screen(false); }
int32_t paarungen_screen(Menue_Icon*, uint32_t) { return screen(true); }

}  // namespace

std::vector<Ligen_Tabelle_Platz> Ligen_Tabelle_Kopf_Plaetze(bool breit, bool nur_paarungen, bool rueckspiele)
{
    // The filter's "nur" and club name take the room up to the shortcut buttons: our font needs
    // it for a whole name.
    std::vector<Ligen_Tabelle_Platz> v = {{I_SPIELTAG, 50, 46, 110, 20}, {LT_FILTER, 50, 69, KURZWAHL_X[0] - 4 - 50, 20}};
    for (int32_t i = 0; i < LT_KURZWAHL_ANZAHL; ++i) v.push_back({LT_KURZWAHL + i, KURZWAHL_X[i], KURZWAHL_Y, KURZWAHL_W, KURZWAHL_H});
    for (int32_t k = 0; k < PAARUNGSKNOEPFE_ANZAHL; ++k)
        v.push_back({PAARUNGSKNOEPFE[k].nummer, PAARUNGSKNOPF_X, PAARUNGSKNOPF_Y[k], LT_KNOPF_BREITE, LT_PAARUNGSKNOPF_HOEHE});
    // The fixtures' header ends where the leg dates begin; the pane's window and bar below it,
    // the match-day bar under them.
    const int32_t breite = breit ? PAARUNGEN_W_BREIT + 20 : PAARUNGEN_W_SCHMAL + 20;
    const bool hin = !nur_paarungen, rueck = hin && rueckspiele;
    const int32_t termin_x = PAARUNGEN_X + breite - TERMIN_W;
    const int32_t kopf_w = hin ? termin_x - (rueck ? TERMIN_W + 2 : 0) - PAARUNGEN_X : breite;
    v.push_back({I_PAARUNGEN, PAARUNGEN_X, PAARUNGEN_Y - 14, kopf_w, 14});
    if (hin) v.push_back({LT_HINSPIEL, termin_x - (rueck ? TERMIN_W + 2 : 0), PAARUNGEN_Y - 14, TERMIN_W, 14});
    if (rueck) v.push_back({LT_RUECKSPIEL, termin_x, PAARUNGEN_Y - 14, TERMIN_W, 14});
    const int32_t spur_x = breit ? SPUR_X_BREIT : SPUR_X_SCHMAL;
    v.push_back({paarungen_pane.fenster, PAARUNGEN_X, PAARUNGEN_Y, spur_x + SPUR_W - PAARUNGEN_X, PAARUNGEN_H});
    v.push_back({LT_SPIELTAG_BALKEN, BALKEN_X, BALKEN_Y, breit ? BALKEN_W_BREIT : BALKEN_W_SCHMAL, BALKEN_H});
    if (!breit) {
        for (int32_t k = 0; k < AUSWAHL_ANZAHL; ++k) v.push_back({I_AUSWAHL + k, AUSWAHL_X + k * 35, AUSWAHL_Y, AUSWAHL_W, AUSWAHL_H});
        v.push_back({I_GRAFIK, GRAFIK_X, GRAFIK_Y, GRAFIK_W, GRAFIK_H});
        v.push_back({I_TITEL, TITEL_X, TITEL_Y, TITEL_W, TITEL_H});
        // The range knobs' common track.
        v.push_back({LT_VON, LT_VON_X0, VON_BIS_Y, LT_BIS_X1 + VON_BIS_W - LT_VON_X0, VON_BIS_H});
    }
    if (nur_paarungen) return v;
    v.push_back({I_TABELLE, TABELLE_X, TABELLE_Y - 14, 570, 14});
    v.push_back({tabelle_pane.fenster, TABELLE_X, TABELLE_Y, SPUR_X_BREIT + SPUR_W - TABELLE_X, TABELLE_H});
    for (int32_t k = 0; k < KNOEPFE; ++k)
        v.push_back({TABELLENKNOEPFE[k].nummer, 13 + (k % 7) * OPTIONEN_SCHRITT, OPTIONEN_Y + (k / 7) * OPTIONEN_ZEILE,
                     LT_KNOPF_BREITE, LT_KNOPF_HOEHE});
    return v;
}

bool Ligen_Tabelle_Hat_Rueckspiele()
{
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(gewaehlt(nullptr));
    return info && info->best_of_x > 1;
}

int32_t Ligen_Tabelle_Termin_Tag(int32_t icon)
{
    if (icon != LT_HINSPIEL && icon != LT_RUECKSPIEL) return -1;
    if (icon == LT_RUECKSPIEL && !Ligen_Tabelle_Hat_Rueckspiele()) return -1;
    int32_t tag = 0;
    const Wettbewerb_Id w = gewaehlt(&tag);
    if (!Wettbewerb_Get_Info(w)) return -1;
    return Kalender_Get_Spieltag_Tag(w, tag, icon == LT_RUECKSPIEL ? 1 : 0, 0);
}

std::string Ligen_Tabelle_Termin_Texte(int32_t icon)
{
    const int32_t tag = Ligen_Tabelle_Termin_Tag(icon);
    if (tag < 0) return "";
    // No picture before the date: the shared slot meant for it is a bare 100 x 14 canvas that
    // nothing draws, and it would push the date out of the button.
    std::string t;
    if (icon == LT_RUECKSPIEL) t += "R: ";
    else if (Ligen_Tabelle_Hat_Rueckspiele()) t += "H: ";
    return t + Kalender_Get_Datum_String_Knapp(tag, 0);
}

void Ligen_Tabelle_Kalender_Anzeigen(int32_t kalendertag)
{
    if (kalendertag >= 0 && Kalender_Lupe_Aktiv()) Kalender_Lupe_Auf_Tag(kalendertag);
}

void Ligen_Tabelle_Get_Wettbewerb()
{
    if (Aktuelles_Team >= 0) Manager_Icon_Button_An_Aus(Aktuelles_Team, LT_FOLGEN, 1);
}

Wettbewerb_Id Ligen_Tabelle_Get_Aktiven_Wettbewerb()
{
    for (int32_t i = 0; i < LT_KURZWAHL_ANZAHL; ++i)
        if (an(LT_KURZWAHL + i)) return wort(LT_KURZWAHL_WORT + i);
    Print_Fehler("Ligen_Tabelle_Get_Aktiven_Wettbewerb: kein Button an!");
    return Wettbewerb_Get_Erster();
}

void Ligen_Tabelle_Paarungen_Inhalt(Ligen_Tabelle_Inhalt* p, bool breit)
{
    if (p) paarungen_fuellen(*p, breit);
}

void Ligen_Tabelle_Tabelle_Inhalt(Ligen_Tabelle_Inhalt* p)
{
    if (p) tabelle_pane_fuellen(*p);
}

void Ligen_Tabelle_Entfernen()
{
    // The menu background goes back where a pane stood, so the next view starts clean; so it
    // does under every icon of the view, the range knobs and place markers of a league's graph
    // too (icons of pictures the toolkit removes without their ground: they stayed over a cup).
    Grafik_Screen_Seite_Waehlen(1);
    for (Menue_Icon& i : liste)
        if (i.nummer != -1 && Menue_Screen_Icon_Ist_Vorhanden(i.nummer)) {
            if (Grafik_Render_Ziel) Menue_Hintergrund_Kopieren(Grafik_Render_Ziel, i.x, i.y, i.breite, i.hoehe, 0, 0);
            Menue_Screen_Icon_Loeschen(i.nummer, nullptr, 16);
        }
    liste.clear();
    for (Pane* p : {&paarungen_pane, &tabelle_pane}) {
        pane_entfernen(*p);
        Menue_Kill_Scrollscreen(p->scrollscreen, 0);
    }
}

void Ligen_Tabelle_Registrieren()
{
    Menue_Leiste_Screens[0] = tabellen_screen;
    Menue_Leiste_Screens[2] = paarungen_screen;
    Ligen_Teamvergleich_Registrieren();
}

std::string Ligen_Tabelle_Spieltag_Text(Wettbewerb_Id runde, int32_t tag_in_runde, int32_t spieltag)
{
    // A knock-out round (a cup's) is named; the days of a league or a group stage are counted.
    char liga[32];
    std::snprintf(liga, sizeof liga, "%d.Spieltag", tag_in_runde + 1);
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(runde);
    const std::string r = info && (info->modus & KO_SYSTEM) ? Wettbewerb_Get_Rundentext(runde, tag_in_runde) : liga;
    if (r != liga && !r.empty()) return r;
    std::snprintf(liga, sizeof liga, "%d. Spieltag", spieltag);
    return liga;
}

Ligen_Tabelle_Spalten Ligen_Tabelle_Platz_Spalten(int32_t plaetze, bool zwei)
{
    int32_t ende = 0;
    char s[16];
    for (int32_t pl = 1; pl <= std::max(plaetze, 9); ++pl) {
        std::snprintf(s, sizeof s, "%d.", pl);
        ende = std::max(ende, Font_Text_Breite(Font(4), s));
    }
    const int32_t name_x = std::max(18, ende + 4), spiele = zwei ? 137 : 174;
    return {ende, name_x, spiele - name_x - 4};
}

std::string Ligen_Tabelle_Grafik_Titel(int32_t team, int32_t von, int32_t bis, Wettbewerb_Id w)
{
    const char* name = team >= 0 && team < Team_Anzahl ? Team_String(194, team, nullptr, 0) : nullptr;
    const char* wettbewerb = Wettbewerb_Get_Anzeigename(w);
    char t[200];
    if (von != bis)
        std::snprintf(t, sizeof t, "%s, %d.- %d. Spieltag, %s", name ? name : "", von, bis, wettbewerb ? wettbewerb : "");
    else
        std::snprintf(t, sizeof t, "%s, Tabellenplatz vom %d. Spieltag", name ? name : "", von);
    return t;
}
