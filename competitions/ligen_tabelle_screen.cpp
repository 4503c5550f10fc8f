// The league tables screen: the shortcut buttons, the match day's pairings, the table of the
// chosen range with its tendencies, the table-position graph and the option buttons. Every
// choice lives in the acting manager's icon states.
#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "competitions/ligen_tabelle.h"
#include "competitions/ligen_teamvergleich.h"
#include "competitions/spiele.h"
#include "competitions/spiele_tabelle.h"
#include "competitions/team_hilfetext.h"
#include "database/manager.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/maus.h"
#include "platform/print.h"
#include "platform/resfile.h"
#include "toolkit/event.h"
#include "toolkit/icon.h"
#include "toolkit/menueleiste.h"
#include "toolkit/scroll.h"
#include "toolkit/slave.h"
#include "toolkit/screen.h"

namespace {

constexpr int32_t ZEILE = 13, TABELLE_ZEILE = 10;
// The match-day bar under the fixtures, its knob's travel narrow and wide; the range knobs sit
// over the graph.
constexpr int32_t BALKEN_X = 13, BALKEN_Y = 220, BALKEN_H = 9, KNOPF_W = 16;
constexpr int32_t BALKEN_W_SCHMAL = 340, BALKEN_W_BREIT = 580;
constexpr int32_t VON_BIS_Y = 98, VON_BIS_W = LT_BEREICHKNOPF_BREITE, VON_BIS_H = LT_BEREICHKNOPF_HOEHE;
constexpr int32_t GRAFIK_X = 385, GRAFIK_Y = 108, GRAFIK_W = 205, GRAFIK_H = 110;

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
    return runde;
}

std::string name(int32_t team, int32_t form = 178)
{
    const char* n = team >= 0 && team < Team_Anzahl ? Team_String(form, team, nullptr, 0) : nullptr;
    return n ? n : "?";
}

int32_t spieltag_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    char t[32];
    std::snprintf(t, sizeof t, "%d. Spieltag", std::max(wort(LT_SPIELTAG), 1));
    text(icon->x, icon->y + 12, farbe(15, 15, 15), t, 4);
    return 0;
}

int32_t paarungen_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon || !Grafik_Render_Ziel) return 0;
    int32_t tag = 0;
    const Wettbewerb_Id w = gewaehlt(&tag);
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(w);
    const bool filter = an(LT_FILTER) && wort(LT_FILTER) >= 0;
    const bool details = an(LT_PAARUNGEN_DETAILS);
    const uint16_t weiss = farbe(15, 15, 15), gelb = farbe(15, 15, 6);
    char kopf[160];
    if (filter)
        std::snprintf(kopf, sizeof kopf, "^ubNur Spiele von %s, %s^ue", name(wort(LT_FILTER), 150).c_str(),
                      Wettbewerb_Get_Anzeigename(w, 1));
    else
        std::snprintf(kopf, sizeof kopf, "^ub%s (%s), %s:^ue", Wettbewerb_Get_Anzeigename(w, 1),
                      Wettbewerb_Get_Rundentext(w, tag),
                      Kalender_Get_Datum_String_Knapp(Kalender_Get_Spieltag_Tag(w, tag, 0, 0), 0));
    text(icon->x, icon->y + 10, weiss, kopf, 4);
    int32_t y = icon->y + 26;
    int32_t zeilen = 0;
    const int32_t zeile = details ? 23 : ZEILE;
    auto reihe = [&](int32_t heim, int32_t gast, const Spiele_Spiel& s, const char* datum) {
        if (y > icon->y + icon->hoehe) return;
        const int32_t x = icon->x;
        if (datum) text(x, y, weiss, datum, 4);
        const int32_t dx = datum ? 58 : 0;
        std::string h = name(heim, 150), g = "- " + name(gast, 150);
        text(x + dx, y, s.heim_tore >= 0 && s.heim_tore > s.gast_tore ? gelb : weiss, h, 4);
        text(x + dx + 130, y, s.heim_tore >= 0 && s.gast_tore > s.heim_tore ? gelb : weiss, g, 4);
        char e[24];
        if (s.heim_tore >= 0) std::snprintf(e, sizeof e, "%d:%d", s.heim_tore, s.gast_tore);
        else std::snprintf(e, sizeof e, "-:-");
        text(x + dx + 270, y, weiss, e, 4);
        if (details) {
            char st[48];
            std::snprintf(st, sizeof st, "Stärke: %d", Team_Wert(TEAM_STAERKE, heim, 0, 0));
            text(x + dx + 10, y + 9, farbe(9, 9, 9), st, 3);
            std::snprintf(st, sizeof st, "Stärke: %d", Team_Wert(TEAM_STAERKE, gast, 0, 0));
            text(x + dx + 140, y + 9, farbe(9, 9, 9), st, 3);
        }
        y += zeile;
        ++zeilen;
    };
    if (info && Spiele_Ist_Initialisiert()) {
        const Wettbewerb_Id oben = Wettbewerb_Get_Oberwettbewerb(w);
        if (filter) {
            const int32_t club = wort(LT_FILTER);
            for (Wettbewerb_Id r = Wettbewerb_Get_Erster_Der_Kette(oben); r >= 0; r = Wettbewerb_Get_Naechster_Der_Kette(r))
                for (Wettbewerb_Id g = Wettbewerb_Get_Erste_Gruppe(r); g >= 0; g = Wettbewerb_Get_Naechste_Gruppe(g)) {
                    const Wettbewerb_Info* gi = Wettbewerb_Get_Info(g);
                    if (!gi) continue;
                    const int32_t block = gi->spiele_block, tage = gi->spieltage;
                    for (int32_t d = 0; d < tage; ++d)
                        for (int32_t p = 0, n = Wettbewerb_Get_Paarung(g, d); p < n; ++p) {
                            const int32_t h = Spiele_Lock(block, d, 0, p);
                            if (!h) continue;
                            const Spiele_Spiel s = *Spiele_Get_Spiel(h, 1);
                            Spiele_Unlock(h);
                            if (s.heim == SPIELE_KEIN_TEAM || s.gast == SPIELE_KEIN_TEAM) continue;
                            if (s.heim != club && s.gast != club) continue;
                            char datum[40];
                            std::snprintf(datum, sizeof datum, "%s",
                                          Kalender_Get_Datum_String_Knapp(Kalender_Get_Spieltag_Tag(g, d, 0, 0), 0));
                            reihe(s.heim, s.gast, s, datum);
                        }
                }
        } else {
            const int32_t n = Wettbewerb_Get_Paarung(w, tag);
            std::vector<Spiele_Spiel> spiele;
            for (int32_t p = 0; p < n; ++p) {
                const int32_t h = Spiele_Lock(info->spiele_block, tag, 0, p);
                if (!h) continue;
                spiele.push_back(*Spiele_Get_Spiel(h, 1));
                Spiele_Unlock(h);
            }
            // The acting manager's nation first, the rest in their order.
            const int32_t nation = Aktuelles_Team >= 0 ? Team_Wert(TEAM_NATION, Aktuelles_Team, 0, 0) : -1;
            std::stable_partition(spiele.begin(), spiele.end(), [nation](const Spiele_Spiel& s) {
                return (s.heim < Team_Anzahl && Team_Wert(TEAM_NATION, s.heim, 0, 0) == nation) ||
                       (s.gast < Team_Anzahl && Team_Wert(TEAM_NATION, s.gast, 0, 0) == nation);
            });
            for (const Spiele_Spiel& s : spiele)
                if (s.heim != SPIELE_KEIN_TEAM && s.gast != SPIELE_KEIN_TEAM) reihe(s.heim, s.gast, s, nullptr);
        }
    }
    if (!zeilen)
        text(icon->x + 30, icon->y + 30, weiss,
             filter ? name(wort(LT_FILTER), 150) + " spielt nicht mit!" : "Noch keine Paarungen an diesem Spieltag!");
    return 0;
}

// The table of the chosen view into t; false when there is none.
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
    Spiele_Tabelle_Berechnen(w, info->spiele_block, *erster, std::max(*letzter, 0), (info->modus & ENGLISCHE_TABELLE) ? 1 : 0, maske,
                             &t, 0, von >= 0 ? 1 : 0, von, bis, tip ? 1 : 0, an(LT_EWIG) ? 1 : 0, -1);
    return t.anzahl > 0 && t.team[t.platz[t.anzahl - 1]] >= 0;
}

int32_t tabelle_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!icon || !Grafik_Render_Ziel) return 0;
    if (an(LT_NUR_PAARUNGEN)) return 0;
    int32_t tag = 0;
    const Wettbewerb_Id w = gewaehlt(&tag);
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(w);
    static Tabelle_Datensatz t;
    int32_t erster = 0, letzter = 0;
    const uint16_t weiss = farbe(15, 15, 15);
    if (!tabelle_fuellen(w, t, &erster, &letzter)) {
        text(icon->x + 30, icon->y + 20, weiss,
             info && !(info->modus & KO_SYSTEM) ? "Für diesen Wettbewerb gibt es noch keine Tabelle."
                                                : "Für diesen Wettbewerb gibt es keine Tabelle.");
        return 0;
    }
    const bool drei = info->modus & ENGLISCHE_TABELLE;
    const bool zwei = an(LT_SPALTEN);
    char kopf[96];
    if (an(LT_TIP)) std::snprintf(kopf, sizeof kopf, "^ubPrognostozierte ENDTABELLE:^ue");
    else if (info->spieltag < 1) std::snprintf(kopf, sizeof kopf, "^ubTabelle vor dem %2d. Spieltag:^ue", 1);
    else if (erster >= letzter) std::snprintf(kopf, sizeof kopf, "^ubTabelle vom %2d. Spieltag:^ue", erster + 1);
    else std::snprintf(kopf, sizeof kopf, "^ubTabelle vom %2d bis %2d. Spieltag:^ue", erster + 1, letzter + 1);
    text(icon->x, icon->y + 10, weiss, kopf, 4);
    const int32_t teil = an(LT_HEIM) ? 1 : an(LT_AUSWAERTS) ? 2 : 0;
    const int32_t halbe = (t.anzahl + 1) / 2;
    const uint16_t zeilenfarbe[2] = {farbe(15, 15, 12), farbe(11, 12, 15)};
    for (int32_t p = 0; p < t.anzahl; ++p) {
        const int32_t slot = t.platz[p], team = t.team[slot];
        const bool rechts = zwei && p >= halbe;
        const int32_t x = icon->x + (rechts ? 270 : 0);
        const int32_t y = icon->y + 22 + (rechts ? p - halbe : p) * TABELLE_ZEILE;
        const uint16_t f = zeilenfarbe[p & 1];
        const int32_t pf = an(LT_EWIG) ? -1 : Wettbewerb_Get_Platz_Farbe(w, p);
        const uint16_t platz_farbe = pf >= 0 ? uint16_t(pf) : f;
        char s[128];
        std::snprintf(s, sizeof s, "%2d.", p + 1);
        text(x, y, platz_farbe, s, 4);
        text(x + 18, y, f, name(team, 150), 4);
        std::snprintf(s, sizeof s, "%2d", t.spiele[teil][slot]);
        text(x + (zwei ? 137 : 174), y, f, s, 4);
        const int32_t b = an(LT_TIP) ? 0 : erster, e = an(LT_TIP) ? info->saison_spieltage - 1 : letzter;
        if (!zwei) {
            std::snprintf(s, sizeof s, "%2d %2d %2d", Tabelle_Zaehle_Ergebnisse(&t, slot, 0, b, e, teil),
                          Tabelle_Zaehle_Ergebnisse(&t, slot, 1, b, e, teil),
                          Tabelle_Zaehle_Ergebnisse(&t, slot, 2, b, e, teil));
            text(x + 214, y, f, s, 4);
            std::snprintf(s, sizeof s, "%2d:%2d %s", t.tore[teil][slot], t.gegentore[teil][slot],
                          Tabelle_Tordifferenz_Text(t.tore[teil][slot] - t.gegentore[teil][slot]));
        } else {
            std::snprintf(s, sizeof s, "%2d:%2d", t.tore[teil][slot], t.gegentore[teil][slot]);
        }
        text(x + (zwei ? 180 : 288), y, f, s, 4);
        text(x + (zwei ? 244 : 400), y, f, Ligen_Tabelle_Punkte_Text(t.punkte[teil][slot], t.spiele[teil][slot], drei), 4);
        if (!zwei && !an(LT_EWIG)) {
            std::string tendenz = Ligen_Tabelle_Tendenz_Text(w, team, an(LT_TIP) ? info->saison_spieltage - 1 : letzter,
                                                            info->saison_spieltage, -1, -1, an(LT_TIP), teil);
            tendenz = tendenz.substr(7, tendenz.size() - 10);
            text(x + 454, y, f, tendenz, 4);
        }
    }
    return 0;
}

int32_t grafik_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* ziel = Grafik_Render_Ziel;
    if (!icon || !ziel) return 0;
    const Wettbewerb_Id w = gewaehlt(nullptr);
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(w);
    const int32_t team = an(LT_FILTER) && wort(LT_FILTER) >= 0 ? wort(LT_FILTER) : Aktuelles_Team;
    if (!info || (info->modus & KO_SYSTEM) || !Wettbewerb_Team_In_Liste(w, team)) return 0;
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

void namen_bauen(bool nur_auffrischen);

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
    namen_bauen(true);
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
        name(wort(LT_FILTER), 193).c_str(), [](const char* s) { return Font_Text_Breite(Font(9), s); }, 92);
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
constexpr int32_t KURZWAHL_X = 385, KURZWAHL_Y = 78, KURZWAHL_W = 28, KURZWAHL_H = 18, WETTBEWERB_BILD = 1382;
std::string kurzwahl_namen[LT_KURZWAHL_ANZAHL];

int32_t kurzwahl_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* ziel = Grafik_Render_Ziel;
    if (!icon || !ziel) return 0;
    const int32_t i = icon->nummer - LT_KURZWAHL;
    const Wettbewerb_Id w = wort(LT_KURZWAHL_WORT + i);
    const int32_t handle = ResFile_Handles[0].handle;
    auto* bild = handle >= 0 && Wettbewerb_Get_Info(w)
                     ? static_cast<Rastport*>(Load_Resource(handle, WETTBEWERB_BILD + Wettbewerb_Get_Grafik_Nummer(w),
                                                            ziel->depth, nullptr))
                     : nullptr;
    Grafik_Rechteck_Fuellen(ziel, icon->x, icon->y, icon->breite, icon->hoehe, farbe(2, 2, 5));
    if (bild) {
        const int32_t bw = std::min<int32_t>(icon->breite, int32_t(bild->width));
        const int32_t bh = std::min<int32_t>(icon->hoehe, int32_t(bild->height));
        Grafik_Blit(bild, (int32_t(bild->width) - bw) / 2, (int32_t(bild->height) - bh) / 2, bw, bh, ziel, icon->x, icon->y);
        Grafik_Bitmap_Freigeben(bild);
    } else if (Wettbewerb_Get_Info(w)) {
        text(icon->x + 2, icon->y + 12, farbe(14, 14, 14), std::string(Wettbewerb_Get_Anzeigename(w)).substr(0, 4), 3);
    }
    if (an(icon->nummer)) an_rahmen(icon, 1);
    return 0;
}

// The current match day of the active competition's chain and its count.
void ketten_stand(int32_t* aktuell, int32_t* tage)
{
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(Ligen_Tabelle_Get_Aktiven_Wettbewerb());
    *aktuell = info ? info->ketten_offset + info->spieltag : 0;
    *tage = info ? std::max(info->saison_spieltage, 1) : 1;
}

// A shortcut goes on, the others off; the screen moves to that competition's next match day
// with the table up to the current one.
int32_t kurzwahl_klick(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    for (int32_t i = 0; i < LT_KURZWAHL_ANZAHL; ++i)
        Manager_Icon_Button_An_Aus(Aktuelles_Team, LT_KURZWAHL + i, LT_KURZWAHL + i == icon->nummer ? 1 : 0);
    int32_t aktuell = 0, tage = 1;
    ketten_stand(&aktuell, &tage);
    wort_setzen(LT_SPIELTAG, std::min(aktuell + 1, tage));
    wort_setzen(LT_VON, 1);
    wort_setzen(LT_BIS, std::max(aktuell, 1));
    Ligen_Tabelle_Entfernen();
    liste_bauen();
    neu_zeichnen();
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

// One hit icon over each club name of the table: its click, context menu and help.
void namen_bauen(bool nur_auffrischen)
{
    int32_t tag = 0;
    const Wettbewerb_Id w = gewaehlt(&tag);
    static Tabelle_Datensatz t;
    int32_t erster = 0, letzter = 0;
    if (an(LT_NUR_PAARUNGEN) || !tabelle_fuellen(w, t, &erster, &letzter)) return;
    const bool zwei = an(LT_SPALTEN);
    const int32_t halbe = (t.anzahl + 1) / 2;
    for (int32_t p = 0; p < t.anzahl && p < TABELLE_MAX_TEAMS; ++p) {
        const int32_t slot = t.platz[p];
        if (slot < 0 || slot >= TABELLE_MAX_TEAMS) continue;
        if (nur_auffrischen) {
            // Another range orders the same clubs anew.
            if (Menue_Icon* i = aus_liste(I_NAMEN + p)) i->kennung_1 = int16_t(t.team[slot]);
            continue;
        }
        const bool rechts = zwei && p >= halbe;
        const int32_t x = 13 + (rechts ? 270 : 0) + 18, y = 232 + 22 + (rechts ? p - halbe : p) * TABELLE_ZEILE;
        Menue_Icon i = Menue_Icon_Vorlage(int16_t(I_NAMEN + p), -1, 0, int16_t(x), int16_t(y), uint16_t(zwei ? 115 : 150),
                                          uint16_t(TABELLE_ZEILE), 13, 255);
        i.flags |= ICON_NIE_ZEICHNEN;
        i.kennung_1 = int16_t(t.team[slot]);
        i.klick = team_klick;
        i.kontext = team_kontext;
        // A pure client has no match store to draw the course from.
        i.mausover = Netz_Rolle == 1 ? Team_Infotext_Erzeugen : Team_Hilfetext_Team_Sefo;
        liste.push_back(i);
    }
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
    icon(I_SPIELTAG, 50, 56, 120, 20, spieltag_zeichnen);
    const bool breit = an(LT_PAARUNGEN_BREIT);
    icon(I_PAARUNGEN, 13, 78, uint16_t(breit ? 580 : 360), 140, paarungen_zeichnen);
    if (!breit) icon(I_GRAFIK, GRAFIK_X, GRAFIK_Y, GRAFIK_W, GRAFIK_H, grafik_zeichnen);
    auto knopf = [](int16_t nr, int16_t x, int16_t y, uint16_t w, uint16_t h, Menue_Refresh_Prozedur r,
                    Menue_Klick_Prozedur k, const char* hilfe) {
        Menue_Icon i = Menue_Icon_Vorlage(nr, r == knopf_zeichnen ? int32_t(MENUE_RESSOURCE_CODE + nr) : -1, 0, x, y, w, h,
                                          13, 255);
        i.refresh_prozedur = r;
        i.klick = k;
        i.hilfetext = hilfe;
        i.status = ICON_SPAETER_REFRESH;
        liste.push_back(i);
    };
    knopf(int16_t(LT_FILTER), 180, 56, 110, 17, filter_zeichnen, filter_klick,
          "Nur die Spiele eines bestimmten Vereins anzeigen");
    if (!breit)
        for (int32_t i = 0; i < LT_KURZWAHL_ANZAHL; ++i) {
            Wettbewerb_Id w = wort(LT_KURZWAHL_WORT + i);
            if (w < 0) wort_setzen(LT_KURZWAHL_WORT + i, w = Wettbewerb_Get_Erster());
            kurzwahl_namen[i] = Wettbewerb_Get_Info(w) ? Wettbewerb_Get_Anzeigename(w) : "";
            knopf(int16_t(LT_KURZWAHL + i), int16_t(KURZWAHL_X + i * (KURZWAHL_W + 2)), KURZWAHL_Y, KURZWAHL_W, KURZWAHL_H,
                  kurzwahl_zeichnen, kurzwahl_klick, kurzwahl_namen[i].c_str());
        }
    for (int32_t k = 0; k < PAARUNGSKNOEPFE_ANZAHL; ++k)
        knopf(PAARUNGSKNOEPFE[k].nummer, int16_t(435 + k * 84), 56, 80, 17, knopf_zeichnen, paarungsknopf_klick,
              PAARUNGSKNOEPFE[k].hilfe);

    // The match-day bar: its knob stands on the chosen day of the chain, greyed under the filter.
    const bool filter = an(LT_FILTER);
    const int32_t balken_w = breit ? BALKEN_W_BREIT : BALKEN_W_SCHMAL;
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
        icon(I_TABELLE, 13, 232, 580, 204, tabelle_zeichnen);
        namen_bauen(false);
        for (int32_t k = 0; k < KNOEPFE; ++k) {
            Menue_Icon i = Menue_Icon_Vorlage(TABELLENKNOEPFE[k].nummer, int32_t(MENUE_RESSOURCE_CODE + TABELLENKNOEPFE[k].nummer), 0, int16_t(13 + (k % 7) * 84),
                                              int16_t(438 + (k / 7) * 20), 80, 17, 13, 255);
            i.refresh_prozedur = knopf_zeichnen;
            i.klick = knopf_klick;
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
    Menue_Leiste_Zeigen();
    if (wort(LT_FILTER) == -1 || wort(LT_FILTER) >= Team_Anzahl) wort_setzen(LT_FILTER, Aktuelles_Team);
    bool kurzwahl = false;
    for (int32_t i = 0; i < LT_KURZWAHL_ANZAHL; ++i) kurzwahl = kurzwahl || an(LT_KURZWAHL + i);
    if (!kurzwahl || !Wettbewerb_Get_Info(Ligen_Tabelle_Get_Aktiven_Wettbewerb()))
        Ligen_Tabelle_Kurzwahl_Setzen(Wettbewerb_Get_Team_Wettbewerb(Aktuelles_Team, 1));
    // The day after the current one, and the table up to the current one.
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(Ligen_Tabelle_Get_Aktiven_Wettbewerb());
    const int32_t aktuell = info ? info->ketten_offset + info->spieltag : 0;
    const int32_t tage = info ? std::max(info->saison_spieltage, 1) : 1;
    if (wort(LT_SPIELTAG) < 1) wort_setzen(LT_SPIELTAG, std::min(aktuell + 1, tage));
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

Wettbewerb_Id Ligen_Tabelle_Get_Aktiven_Wettbewerb()
{
    for (int32_t i = 0; i < LT_KURZWAHL_ANZAHL; ++i)
        if (an(LT_KURZWAHL + i)) return wort(LT_KURZWAHL_WORT + i);
    Print_Fehler("Ligen_Tabelle_Get_Aktiven_Wettbewerb: kein Button an!");
    return Wettbewerb_Get_Erster();
}

void Ligen_Tabelle_Entfernen()
{
    // The menu background goes back where a pane stood, so the next view starts clean.
    for (Menue_Icon& i : liste)
        if (i.nummer != -1 && Menue_Screen_Icon_Ist_Vorhanden(i.nummer)) Menue_Screen_Icon_Loeschen(i.nummer, nullptr, 16);
    liste.clear();
}

void Ligen_Tabelle_Registrieren()
{
    Menue_Leiste_Screens[0] = tabellen_screen;
    Menue_Leiste_Screens[2] = paarungen_screen;
    Ligen_Teamvergleich_Registrieren();
}
