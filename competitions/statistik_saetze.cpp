// The fact sentences: head-to-head, series, chances and goals, results, comebacks and the
// minute ranges where a team is strong or weak. One pass of the team statistics feeds them;
// everything else only compares and formats.
#include "competitions/statistik_saetze.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "competitions/spiele.h"
#include "competitions/spiele_ewig.h"
#include "competitions/spiele_intern.h"
#include "competitions/spiele_statistik.h"
#include "competitions/wettbewerb.h"
#include "database/team.h"

namespace {

struct Bereich {
    int32_t von, bis, viel, wenig;
};
constexpr Bereich BEREICHE[8] = {{0, 45, 70, 30},  {45, 90, 70, 30}, {0, 15, 35, 5},  {15, 30, 35, 5},
                                 {30, 45, 35, 5},  {45, 60, 35, 5},  {60, 75, 35, 5}, {75, 90, 35, 5}};

// Templates in telling order, each with the store's series it speaks of.
struct Serie_Text {
    int32_t serie;
    const char* text;
};
constexpr Serie_Text SERIEN[SERIE_ANZAHL] = {
    {SERIE_OHNE_TOR, "%d Spiele in Folge %skein Tor erzielt."},
    {SERIE_OHNE_GEGENTOR, "%d Spiele in Folge %skein Tor kassiert."},
    {SERIE_SIEGE, "%d Spiele in Folge %sgewonnen."},
    {SERIE_REMIS, "%d Spiele in Folge %sunentschieden."},
    {SERIE_NIEDERLAGEN, "%d Spiele in Folge %sverloren."},
    {SERIE_OHNE_SIEG, "%d Spiele in Folge %snicht gewonnen."},
    {SERIE_OHNE_NIEDERLAGE, "%d Spiele in Folge %snicht verloren."},
};

class Ausgabe {
public:
    Ausgabe(char** texte, int32_t max, int32_t groesse) : texte_(texte), max_(max), groesse_(groesse) {}
    int32_t anzahl() const { return n_; }
    bool voll() const { return n_ >= max_; }
    // One line; false when no buffer is left.
    __attribute__((format(printf, 2, 3))) bool zeile(const char* format, ...)
    {
        if (voll()) return false;
        va_list ap;
        va_start(ap, format);
        std::vsnprintf(texte_[n_], size_t(groesse_), format, ap);
        va_end(ap);
        ++n_;
        return true;
    }

private:
    char** texte_;
    int32_t max_, groesse_, n_ = 0;
};

int32_t anteil(int64_t teil, int64_t ganz) { return ganz ? int32_t(teil * 100 / ganz) : 0; }

const char* name_von(int32_t team)
{
    if (team < 0 || team >= Team_Anzahl) return "";
    const char* n = Team_String(TEAM_NAME, team, nullptr, 0);
    return n ? n : "";
}

struct Summe {
    int32_t tore = 0, chancen = 0, gegentore = 0, gegenchancen = 0;
};
Summe summe_bereich(const Spiele_Team_Statistik& st, const Bereich& b)
{
    Summe s;
    for (int32_t m = b.von; m <= b.bis && m < SPIELE_STAT_MINUTEN; ++m) {
        s.tore += st.tore_minute[m];
        s.chancen += st.chancen_minute[m];
        s.gegentore += st.gegentore_minute[m];
        s.gegenchancen += st.gegenchancen_minute[m];
    }
    return s;
}

// Score (team's view) and opponent of the record at a position of the competition's blocks.
struct Gelesen {
    bool da = false;
    int32_t eigene = 0, fremde = 0, gegner = -1;
};
Gelesen spiel_lesen(int32_t wettbewerb, int32_t team, int32_t position)
{
    Gelesen g;
    if (position < 0) return g;
    uint32_t n = 0;
    const Spiele_Spiel* s = spiele_block_spiele(Wettbewerb_Get_Spiele_Block(wettbewerb), &n);
    if (!s || uint32_t(position) >= n) return g;
    const Spiele_Spiel& r = s[position];
    if (r.heim != team && r.gast != team) return g;
    const bool heim = r.heim == team;
    g.da = true;
    // The score after extra time: a shoot-out's kicks are no goals of the match.
    const Spiele_Stand st = Spiele_Get_Stand(&r);
    g.eigene = heim ? st.heim : st.gast;
    g.fremde = heim ? st.gast : st.heim;
    g.gegner = heim ? r.gast : r.heim;
    return g;
}

// The few/many sentences of one side over the eight ranges.
struct Bereich_Texte {
    const char* viel_tore[2];      // half, range
    const char* viel_chancen[2];
    const char* wenig_tore[2];
    const char* wenig_chancen[2];
    const char* tore_zeile;
    const char* chancen_zeile;
    const char* wenig_chancen_zeile;
};
constexpr Bereich_Texte EIGENE_TEXTE = {
    {"Besonders viele Tore gelangen %s in der %d.Halbzeit.",
     "Besonders viele Tore gelangen %s zwischen der %d. und der %d.Minute."},
    {"Besonders viele Chancen erspielt sich %s in der %d.Halbzeit.",
     "Besonders viele Chancen erspielt sich %s zwischen der %d. und der %d.Minute."},
    {"Besonders wenig Tore gelangen %s in der %d.Halbzeit.",
     "Besonders wenig Tore gelangen %s zwischen der %d. und der %d.Minute."},
    {"Besonders wenig Chancen erspielt sich %s in der %d.Halbzeit.",
     "Besonders wenig Chancen erspielt sich %s zwischen der %d. und der %d.Minute."},
    "    In diesen Minuten erzielte %s %d von %d Toren.",
    "    In diesen Minuten hatte %s %d von %d Chancen.",
    "    In diesen Minuten hatte %s %d von %d Chancen.",
};
constexpr Bereich_Texte GEGNER_TEXTE = {
    {"Besonders viele Tore gelangen den Gegnern von %s in der %d.Halbzeit.",
     "Besonders viele Tore gelangen den Gegnern von %s zwischen der %d. und der %d.Minute."},
    {"Besonders viele Chancen erspielten sich die Gegner von %s in der %d.Halbzeit.",
     "Besonders viele Chancen erspielten sich die Gegner von %s zwischen der %d. und der %d.Minute."},
    {"Besonders wenig Tore gelangen den Gegnern von %s in der %d.Halbzeit.",
     "Besonders wenig Tore gelangen den Gegnern von %s zwischen der %d. und der %d.Minute."},
    {"Besonders wenig Chancen erspielten sich die Gegner von %s in der %d.Halbzeit.",
     "Besonders wenig Chancen erspielten sich die Gegner von %s zwischen der %d. und der %d.Minute."},
    "    In diesen Minuten erzielten die Gegner %d von %d Toren.",
    "    In diesen Minuten hatten die Gegner %d von %d Chancen.",
    "    In diesen Minuten hatten sie %d von %d Chancen.",
};

// A range sentence: the half's or the range's form, with its continuation when it fits.
void bereich_satz(Ausgabe& a, const char* const formen[2], int32_t r, const char* name, const char* zeile,
                  bool zeile_mit_name, int32_t teil, int32_t ganz)
{
    const Bereich& b = BEREICHE[r];
    const bool ok = r < 2 ? a.zeile(formen[0], name, r + 1) : a.zeile(formen[1], name, b.von + 1, b.bis);
    if (!ok) return;
    if (zeile_mit_name) a.zeile(zeile, name, teil, ganz);
    else a.zeile(zeile, teil, ganz);
}

void bereiche(Ausgabe& a, const Spiele_Team_Statistik& st, const char* t, bool gegner)
{
    const Bereich_Texte& tx = gegner ? GEGNER_TEXTE : EIGENE_TEXTE;
    const int32_t tore = gegner ? st.gegentore : st.tore;
    const int32_t chancen = gegner ? st.gegenchancen : st.chancen;
    bool erste_viel = false, erste_wenig = false;
    for (int32_t r = 0; r < 8; ++r) {
        const Bereich& b = BEREICHE[r];
        const Summe s = summe_bereich(st, b);
        const int32_t g = gegner ? s.gegentore : s.tore;
        const int32_t c = gegner ? s.gegenchancen : s.chancen;
        const int32_t ga = anteil(g, tore), ca = anteil(c, chancen);
        const bool genug_tore = gegner || tore > 10, genug_chancen = gegner || chancen > 10;
        if (ga > b.viel && genug_tore) {
            if (!(r == 1 && erste_wenig))
                bereich_satz(a, tx.viel_tore, r, t, tx.tore_zeile, !gegner, g, tore);
            if (r == 0) erste_viel = true;
        } else if (ca > b.viel && genug_chancen) {
            bereich_satz(a, tx.viel_chancen, r, t, tx.chancen_zeile, !gegner, c, chancen);
        }
        if (ga < b.wenig && genug_tore) {
            if (!(r == 1 && erste_viel))
                bereich_satz(a, tx.wenig_tore, r, t, tx.tore_zeile, !gegner, g, tore);
            if (r == 0) erste_wenig = true;
        } else if (ca < b.wenig && genug_chancen) {
            bereich_satz(a, tx.wenig_chancen, r, t, tx.wenig_chancen_zeile, !gegner, c, chancen);
        }
        if (gegner) continue;
        if (s.chancen && s.gegenchancen && st.gegenchancen) {
            const int32_t bereich_feld = anteil(s.chancen, s.gegenchancen);
            const int32_t ganz_feld = anteil(st.chancen, st.gegenchancen);
            if (bereich_feld > ganz_feld + 40) {
                if (r < 2) a.zeile("Ein starkes Feldübergewicht erspielte sich %s in der %d.Halbzeit.", t, r + 1);
                else a.zeile("Ein starkes Feldübergewicht erspielte sich %s bislang zwischen der %d. und der %d.Minute.", t, b.von + 1, b.bis);
            } else if (bereich_feld < ganz_feld - 40) {
                if (r < 2) a.zeile("Besonders schwach spielte %s in der %d.Halbzeit.", t, r + 1);
                else a.zeile("Besonders schwach spielte %s bislang zwischen der %d. und der %d.Minute.", t, b.von + 1, b.bis);
            }
        }
        if (s.tore && s.chancen && st.chancen) {
            const int32_t bereich_q = anteil(s.tore, s.chancen), ganz_q = anteil(st.tore, st.chancen);
            const bool hoch = bereich_q > ganz_q + 25, tief = bereich_q < ganz_q - 25;
            if (hoch || tief) {
                const char* kopf = hoch ? "Eine besonders hohe Chancenverwertung gelang %s"
                                        : "Eine besonders schlechte Chancenverwertung erreichte %s";
                if (r < 2) {
                    a.zeile(hoch ? "Eine besonders hohe Chancenverwertung gelang %s bisher in der %d.Halbzeit."
                                 : "Eine besonders schlechte Chancenverwertung erreichte %s bisher in der %d.Halbzeit.",
                            t, r + 1);
                } else if (a.zeile(kopf, t)) {
                    a.zeile("    bislang zwischen der %d. und der %d.Minute.", b.von + 1, b.bis);
                }
            }
        }
    }
}

}  // namespace

int32_t Statistik_Fakten_Saetze(int32_t wettbewerb, int32_t team, int32_t gegner, int32_t seite, int32_t spiel,
                                char** texte, int32_t max, int32_t groesse)
{
    if (!texte || team < 0 || team >= Team_Anzahl || max <= 0 || groesse <= 0) return 0;
    Ausgabe a(texte, max, groesse);
    const bool mit_wettbewerb = wettbewerb >= 0;

    // Set-up: side and words, head-to-head of the match's teams.
    const char* s_wort = "gegen";
    const char* w_wort = "Spiel";
    int32_t siege = 0, remis = 0, niederlagen = 0;
    bool hat_spiel = false;
    Spiele_Spiel sp{};
    if (spiel > 0) {
        const Spiele_Spiel* p = Spiele_Get_Spiel(spiel, 0);
        if (p) {
            sp = *p;
            hat_spiel = sp.heim != SPIELE_KEIN_TEAM;
        }
    }
    const bool auswaerts = hat_spiel && sp.heim != team;
    if (hat_spiel && seite == -1) {
        seite = auswaerts ? 2 : 1;
        s_wort = auswaerts ? "bei" : "zuhause gegen";
        w_wort = auswaerts ? "Auswärtsspiel" : "Heimspiel";
    }
    if (seite != 1 && seite != 2) seite = 3;
    if (hat_spiel) {
        int32_t ergebnisse[30];
        Spiele_Get_Spiele_Gegen(wettbewerb, sp.heim, sp.gast, &siege, &remis, &niederlagen, ergebnisse, 10);
        if (auswaerts) std::swap(siege, niederlagen);
        if (gegner < 0) gegner = auswaerts ? sp.heim : sp.gast;
    }
    Spiele_Team_Statistik st;
    Spiele_Team_Statistik_Berechnen(team, wettbewerb, -1, -1, -1, seite == 3 ? 0 : seite, &st, -1);
    const char* t = name_von(team);
    const char* o = name_von(gegner);

    // 1. Head-to-head.
    const int32_t gesamt = siege + remis + niederlagen;
    if (gesamt > 1) {
        const int32_t ws = anteil(siege, gesamt), ls = anteil(niederlagen, gesamt);
        if (!siege && !niederlagen) a.zeile("%s spielte %s %s bislang nur unentschieden.", t, s_wort, o);
        else if (!siege && !remis) a.zeile("%s verlor bislang jedes Spiel %s %s.", t, s_wort, o);
        else if (!siege) a.zeile("%s konnte %s %s noch nie gewinnen.", t, s_wort, o);
        else if (!niederlagen && !remis) a.zeile("%s gewann bislang jedes Spiel %s %s.", t, s_wort, o);
        else if (!niederlagen) a.zeile("%s verlor noch kein Spiel %s %s.", t, s_wort, o);
        else if (!remis) a.zeile("%s spielte noch nie unentschieden %s %s.", t, s_wort, o);
        else if (ws > 75) a.zeile("%s konnte %s %s %d von %d Spielen gewinnen.", t, s_wort, o, siege, gesamt);
        else if (ls >= 76) a.zeile("%s verlor %s %s %d von %d Spielen.", t, s_wort, o, niederlagen, gesamt);
        else if (anteil(siege + remis, gesamt) >= 81)
            a.zeile("%s verlor nur %d von %d direkten Vergleichen %s %s.", t, niederlagen, gesamt, s_wort, o);
        else if (anteil(niederlagen + remis, gesamt) > 80)
            a.zeile("%s konnte nur %d von %d direkten Vergleichen %s %s für sich entscheiden.", t, siege, gesamt, s_wort, o);
        else if (anteil(remis, gesamt) > 75)
            a.zeile("%d von %d Spiele %s %s %s endeten unentschieden.", remis, gesamt, t, s_wort, o);
    }

    // 2. Series of the team, then of the opponent from his side.
    for (int32_t wer = 0; wer < 2; ++wer) {
        const int32_t tm = wer ? gegner : team;
        if (tm < 0) continue;
        int32_t s = seite;
        if (wer && s != 3) s = 3 - s;
        const int32_t spalte = s == 1 ? 0 : s == 2 ? 1 : 2;
        const char* serien_wort = s == 1 ? "zuhause " : s == 2 ? "auswärts " : "";
        int32_t werte[SERIE_ANZAHL] = {};
        if (!Spiele_Get_Serien(wettbewerb, tm, werte, spalte)) continue;
        for (const Serie_Text& sx : SERIEN) {
            if (werte[sx.serie] <= 1) continue;
            char text[160];
            std::snprintf(text, sizeof text, sx.text, werte[sx.serie], serien_wort);
            a.zeile("%s hat %s", name_von(tm), text);
        }
    }

    // 3. Chances and goals, then results.
    const int32_t m_anz = st.spiele;
    if (st.chancen + st.gegenchancen != 0 && m_anz > 2 && st.chancen && st.gegenchancen) {
        if (2 * st.gegenchancen < st.chancen)
            a.zeile("%s spielte sich bislang mehr als doppelt so viele Chancen heraus, wie die jeweiligen Gegner.", t);
        else if (2 * st.chancen < st.gegenchancen)
            a.zeile("%s spielte sich bislang weniger als halb so viele Chancen heraus, wie die jeweiligen Gegner", t);
        const int32_t q = anteil(st.tore, st.chancen), gq = anteil(st.gegentore, st.gegenchancen);
        if (q > 20) a.zeile("%s konnte %d Prozent der Chancen verwerten.", t, q);
        else if (q < 5) a.zeile("%s konnte nur %d Prozent der Chancen verwerten.", t, q);
        if (gq > 20) a.zeile("Die Gegner von %s konnten jeweils %d Prozent ihrer Chancen verwerten.", t, gq);
        else if (gq < 5) a.zeile("Die Gegner von %s konnten nur jeweils %d Prozent der Chancen verwerten.", t, gq);
        if (2 * st.gegentore < st.tore)
            a.zeile("%s erzielte bislang mehr als doppelt so viele Tore, wie der jeweilige Gegner.", t);
        else if (2 * st.tore < st.gegentore)
            a.zeile("%s kassierte bislang mehr als doppelt so viele Tore, wie der jeweilige Gegner.", t);
    }
    if (mit_wettbewerb && m_anz > 0) {
        const int32_t ws = anteil(st.siege, m_anz), ds = anteil(st.unentschieden, m_anz),
                      ls = anteil(st.niederlagen, m_anz);
        if (ws >= 81) a.zeile("%s konnte bislang %d der letzten %d %se gewinnen.", t, st.siege, m_anz, w_wort);
        else if (ls < 20) a.zeile("%s verlor nur %d der letzten %d %se.", t, st.niederlagen, m_anz, w_wort);
        if (ds > 60) a.zeile("%s spielte %d der letzten %d %se unentschieden.", t, st.unentschieden, m_anz, w_wort);
        if (ls >= 81) a.zeile("%s verlor %d der letzten %d %se.", t, st.niederlagen, m_anz, w_wort);
        else if (ws < 20 && st.siege) a.zeile("%s gewann nur %d der letzten %d %se.", t, st.siege, m_anz, w_wort);
        else if (ws < 20) a.zeile("%s gewann keins der letzten %d %se.", t, m_anz, w_wort);
    }

    // 4. Goals in every match.
    int32_t n_tore = 0, n_gegen = 0;
    for (int32_t k = 0; k < 10; ++k) n_tore += st.spiele_mit_toren[k], n_gegen += st.spiele_mit_gegentoren[k];
    if (n_tore > 4 && !st.spiele_mit_toren[0] && !st.spiele_mit_toren[1])
        a.zeile("%s erzielte bisher in jedem %s mindestens zwei Tore.", t, w_wort);
    else if (n_tore > 8 && !st.spiele_mit_toren[0])
        a.zeile("%s erzielte bisher in jedem %s mindestens ein Tor.", t, w_wort);
    if (n_gegen > 4 && !st.spiele_mit_gegentoren[0] && !st.spiele_mit_gegentoren[1])
        a.zeile("%s kassierte bisher in jedem %s mindestens zwei Gegentore.", t, w_wort);
    else if (n_gegen > 8 && !st.spiele_mit_gegentoren[0])
        a.zeile("%s kassierte bisher in jedem %s mindestens ein Gegentor.", t, w_wort);

    // 5. How many goals a match usually brings.
    if (st.tore && st.gegentore && m_anz > 2) {
        for (int32_t seite_g = 0; seite_g < 2; ++seite_g) {
            const int32_t* v = seite_g ? st.spiele_mit_gegentoren : st.spiele_mit_toren;
            const int32_t n = seite_g ? n_gegen : n_tore;
            for (int32_t k = 0; k < 10; ++k) {
                const int32_t schwelle = std::max(5, 65 - 10 * k);
                const int32_t c = k == 1 ? v[0] + v[1] : v[k];
                if (c <= 1 || anteil(c, n) <= schwelle) continue;
                if (!seite_g) {
                    if (k == 0) a.zeile("%s blieb bisher in %d %sen ohne Torerfolg.", t, c, w_wort);
                    else if (k == 1) a.zeile("%s erzielte bisher in %d %sen weniger als zwei Tore.", t, c, w_wort);
                    else a.zeile("%s erzielte bisher in %d %sen %d Tore.", t, c, w_wort, k);
                } else {
                    if (k == 0) a.zeile("%s blieb bislang in %d %sen ohne Gegentor.", t, c, w_wort);
                    else if (k == 1) a.zeile("%s ließ bisher in %d %sen weniger als zwei Gegentore zu.", t, c, w_wort);
                    else a.zeile("%s kassierte bislang bereits in %d %sen %d Gegentore.", t, c, w_wort, k);
                }
            }
        }
    }

    // 6. Last win and loss of the season.
    if (mit_wettbewerb) {
        if (st.letzter_sieg[0] > 3)
            a.zeile("Den letzen Sieg in einem %s konnte %s in dieser Saison vor %d Spielen feiern.", w_wort, t,
                    st.letzter_sieg[0]);
        if (st.letzte_niederlage[0] > 3)
            a.zeile("Die letzte Niederlage in einem %s liegt für %s in dieser Saison %d Spiele zurück.", w_wort, t,
                    st.letzte_niederlage[0]);
    }

    // 7. Leading, trailing and turning a match.
    if (mit_wettbewerb && m_anz > 3) {
        const int32_t fs = anteil(st.erstes_tor[0], m_anz), rs = anteil(st.erstes_gegentor[0], m_anz);
        const int32_t cs = anteil(st.sieg_nach_rueckstand[0], m_anz);
        const int32_t vs = anteil(st.niederlage_nach_fuehrung[0], m_anz);
        Gelesen g;
        auto zuletzt = [&](const char* zeile) {
            if (g.da) a.zeile(zeile, g.eigene, g.fremde, w_wort, name_von(g.gegner));
        };
        auto satz = [&](const char* format, int32_t n) {
            if (g.da && a.zeile(format, n, m_anz, w_wort, t)) zuletzt("    Zuletzt beim %d:%d im %s gegen %s.");
        };
        if (fs > 75 || fs < 25) g = spiel_lesen(wettbewerb, team, st.erstes_tor[1]);
        if (fs <= 75 && (rs < 25 || (fs >= 25 && rs > 75))) g = spiel_lesen(wettbewerb, team, st.erstes_gegentor[1]);
        if (fs > 75) {
            satz("In %d von %d %sen ging %s in Führung.", st.erstes_tor[0]);
        } else {
            if (fs < 25) satz("Nur in %d von %d %sen ging %s in Führung.", st.erstes_tor[0]);
            else if (rs > 75) satz("In %d von %d %sen ging %s in Rückstand.", st.erstes_gegentor[0]);
            if (rs < 25) satz("In nur %d von %d %sen ging %s in Rückstand.", st.erstes_gegentor[0]);
        }
        if (cs > 30 || cs < 5) {
            g = spiel_lesen(wettbewerb, team, st.sieg_nach_rueckstand[1]);
            const int32_t n = st.sieg_nach_rueckstand[0];
            const char* format = cs >= 31 ? "%s konnte bereits %d Mal einen Rückstand in einem %s noch in einen Sieg verwandeln."
                                           : "%s konnte nur %d Mal einen Rückstand in einem %s noch in einen Sieg verwandeln.";
            if (cs < 5 && !n) a.zeile("%s konnte noch nie einen Rückstand in einem %s noch in einen Sieg verwandeln.", t, w_wort);
            else if (g.da && a.zeile(format, t, n, w_wort)) zuletzt("    Zuletzt beim %d:%d im %s gegen %s.");
        }
        const int32_t n = st.niederlage_nach_fuehrung[0];
        if (vs < 5 && !n) {
            a.zeile("%s verlor noch nie nach einer Führung ein %s.", t, w_wort);
        } else if (vs > 30 || vs < 5) {
            g = spiel_lesen(wettbewerb, team, st.niederlage_nach_fuehrung[1]);
            if (vs >= 31) {
                if (g.da && a.zeile("%s verlor nach einer Führung bereits %d Mal ein %s.", t, n, w_wort))
                    zuletzt("  Zuletzt beim %d:%d im %s gegen %s.");
            } else if (g.da && a.zeile("%s verlor nach einer Führung nur %d Mal ein %s.", t, n, w_wort)) {
                zuletzt("    Zuletzt beim %d:%d im %s gegen %s.");
            }
        }
    }

    // 8. and 9. Minute ranges of the team and of its opponents.
    if ((st.tore >= 16 && st.chancen && st.gegenchancen) || (st.tore && st.chancen > 40 && st.gegenchancen))
        bereiche(a, st, t, false);
    if ((st.gegentore >= 16 && st.gegenchancen) || (st.gegentore && st.gegenchancen > 40)) bereiche(a, st, t, true);

    // 10. Droughts.
    if (mit_wettbewerb) {
        if (st.minuten_ohne_tor > 180) a.zeile("%s ist nunmehr seit %d Minuten ohne Torerfolg.", t, st.minuten_ohne_tor);
        if (st.minuten_ohne_gegentor > 180)
            a.zeile("%s ist bereits seit %d Minuten ohne Gegentor.", t, st.minuten_ohne_gegentor);
    }
    return a.anzahl();
}
