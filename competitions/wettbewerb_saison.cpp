// The end of a match day and of a season. A match day pays the entry prizes and moves the
// competition on a leg or a day; a finished knock-out round sends its winners on, a finished
// group its best places. On 1 July the final tables move the clubs along their place targets
// into next season's team lists.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "competitions/saisonende.h"
#include "competitions/spiele.h"
#include "competitions/spiele_ewig.h"
#include "competitions/spiele_tabelle.h"
#include "competitions/statistik_archiv.h"
#include "competitions/wettbewerb.h"
#include "competitions/wettbewerb_intern.h"
#include "database/team.h"
#include "economy/bank.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "platform/print.h"
#include "platform/zufall.h"

namespace {

constexpr uint8_t PRAEMIEN_KATEGORIE = 36;

void praemie(int32_t team, int32_t betrag)
{
    if (team >= 0 && betrag > 0 && Netz_Rolle != 1) Schreibe_Überweisung(-1, team, float(betrag), PRAEMIEN_KATEGORIE, 1, -1);
}

int32_t beine(const Wettbewerb_Datensatz& w) { return (w.modus & KO_SYSTEM) ? std::max(1, w.best_of_x) : 1; }

// The winner of the tie in `slot` of the current match day, whose first leg is `s`. A finished
// tie without a winner on the pitch (awarded or broken game) sends the home club on.
int32_t tie_sieger(const Wettbewerb_Datensatz& w, int32_t slot, const Spiele_Spiel& s)
{
    const int32_t t = Wettbewerb_Get_Paarung_Sieger(w.id, beine(w) - 1, slot, -1);
    if (t >= 0) return t;
    Print_Log(0, "%s: Paarung %d ohne Sieger, %d kommt weiter\n", w.name, slot, int32_t(s.heim));
    return s.heim;
}

// The record's final order: table places of a league or group, winner and runner-up of a
// knock-out record's last match day. Empty when nothing was played.
std::vector<int32_t> endstand(Wettbewerb_Datensatz& w)
{
    std::vector<int32_t> r;
    if (w.spiele_block < 0 || !Spiele_Get_Block_Kopf(w.spiele_block)) return r;
    if (w.modus & KO_SYSTEM) {
        // The last match day's first leg holds the tie's home club.
        const int32_t tag = w.spieltage - 1;
        const int32_t h = Spiele_Lock(w.spiele_block, tag, 0, 0);
        if (!h) return r;
        const Spiele_Spiel s = *Spiele_Get_Spiel(h, 1);
        Spiele_Unlock(h);
        if (s.heim == SPIELE_KEIN_TEAM) return r;
        const int32_t alt_tag = w.spieltag;
        w.spieltag = tag;
        const int32_t sieger = tie_sieger(w, 0, s);
        w.spieltag = alt_tag;
        r.push_back(sieger);
        if (s.gast != SPIELE_KEIN_TEAM) r.push_back(sieger == s.heim ? s.gast : s.heim);
        return r;
    }
    static Tabelle_Datensatz t;
    if (Wettbewerb_Tabelle_Vorbereiten(w.id, &t) <= 0) return r;
    const int32_t drei = (w.modus & ENGLISCHE_TABELLE) ? 1 : 0;
    if (Spiele_Tabelle_Berechnen(w.id, w.spiele_block, -1, -1, drei, TAB_NORMAL, &t, t.team[0], 0, -1, -1, 0, 0, -1) < 0)
        return r;
    for (int32_t p = 0; p < t.anzahl; ++p) r.push_back(t.team[t.platz[p]]);
    return r;
}

// Tier of a league in its pyramid, 0 at the top.
int32_t stufe(Wettbewerb_Id id)
{
    int32_t eigene = 0;
    Wettbewerb_Visuell_Vertikal_Anz(id, nullptr, &eigene);
    return eigene;
}

bool gleicher_wettbewerb(const Wettbewerb_Datensatz& a, const Wettbewerb_Datensatz& b)
{
    return Wettbewerb_Get_Oberwettbewerb(a.id) == Wettbewerb_Get_Oberwettbewerb(b.id);
}

bool in_liste(const Wettbewerb_Teamlisten& l, int32_t team)
{
    return std::find(l.teams, l.teams + l.anzahl, int16_t(team)) != l.teams + l.anzahl;
}

// Adds entrants to a round, spread over its parallel groups; a club already in is skipped.
void in_runde_setzen(Wettbewerb_Datensatz& ziel, const std::vector<int32_t>& teams)
{
    std::vector<Wettbewerb_Datensatz*> gruppen;
    for (Wettbewerb_Id g = Wettbewerb_Get_Erste_Gruppe(ziel.id); g >= 0; g = Wettbewerb_Get_Naechste_Gruppe(g))
        if (Wettbewerb_Datensatz* d = wb_per_id(g)) gruppen.push_back(d);
    if (gruppen.empty()) gruppen.push_back(&ziel);
    size_t k = 0;
    for (int32_t team : teams) {
        bool schon = false;
        for (auto* g : gruppen) schon = schon || in_liste(g->listen, team);
        if (schon) continue;
        for (size_t v = 0; v < gruppen.size(); ++v, ++k) {
            Wettbewerb_Datensatz* g = gruppen[k % gruppen.size()];
            if (g->listen.anzahl < std::min(g->teams, WETTBEWERB_MAX_TEAMS)) {
                g->listen.teams[g->listen.anzahl++] = int16_t(team);
                ++k;
                break;
            }
        }
    }
}

bool gruppen_fertig(const Wettbewerb_Datensatz& w)
{
    for (Wettbewerb_Id g = Wettbewerb_Get_Erste_Gruppe(w.id); g >= 0; g = Wettbewerb_Get_Naechste_Gruppe(g)) {
        const Wettbewerb_Datensatz* d = wb_per_id(g);
        if (d && d->spieltag < d->spieltage) return false;
    }
    return true;
}

// The end-of-competition page for a managed club at place p (0-based), with where the place
// leads: another league of the pyramid (up or down), else a competition beyond the leagues.
void seite_zeigen(const Wettbewerb_Datensatz& w, int32_t team, int32_t p)
{
    if (!Eingang_Get_Spiel_Gestartet() || !Team_Hat_Manager(team)) return;
    Wettbewerb_Id ziel = -1;
    int32_t art = 0;
    if (!(w.modus & KO_SYSTEM) && p < WETTBEWERB_PLAETZE) {
        const Wettbewerb_Datensatz* liga = wb_link(w.ziele.ziel[0][p]);
        if (w.basisliga && liga && liga->id != w.id) {
            ziel = liga->id;
            art = stufe(liga->id) < stufe(w.id) ? 1 : 2;
        }
        for (int32_t l = w.basisliga ? 1 : 0; ziel < 0 && l < WETTBEWERB_ZIEL_LISTEN; ++l)
            if (const Wettbewerb_Datensatz* z = wb_link(w.ziele.ziel[l][p]); z && !gleicher_wettbewerb(*z, w)) {
                ziel = z->id;
                art = 3;
            }
    }
    Saisonende_Seite_Zeigen(w.id, team, p + 1, ziel >= 0 ? &ziel : nullptr, ziel >= 0, art);
}

// Season bonuses and the winners' roll at the end of a whole competition.
void wettbewerb_ende(Wettbewerb_Datensatz& w, const std::vector<int32_t>& stand)
{
    if (stand.empty()) return;
    const int32_t jahr = Kalender_Get_Datum_Heute().jahr;
    Spiele_Set_Wettbewerb_Sieger(Wettbewerb_Get_Oberwettbewerb(w.id), stand[0], jahr, stand.size() > 1 ? stand[1] : -1,
                                 0, 0);
    if (Netz_Rolle == 1) return;
    if (w.modus & KO_SYSTEM) {
        Team_Schuette_Praemie_Aus(stand[0], Wettbewerb_Ist_International(w.id) ? 5 : 4);
        seite_zeigen(w, stand[0], 0);
        return;
    }
    static Tabelle_Datensatz t;
    if (Wettbewerb_Tabelle_Vorbereiten(w.id, &t) > 0 &&
        Spiele_Tabelle_Berechnen(w.id, w.spiele_block, -1, -1, (w.modus & ENGLISCHE_TABELLE) ? 1 : 0, TAB_NORMAL, &t,
                                 t.team[0], 0, -1, -1, 0, 0, -1) >= 0)
        Statistik_Tabelle_Archivieren(&t);
    for (size_t p = 0; p < stand.size(); ++p) {
        const int32_t team = stand[p];
        if (p < 2) Team_Schuette_Praemie_Aus(team, int32_t(p));
        bool international = false;
        for (int32_t l = 1; l < WETTBEWERB_ZIEL_LISTEN; ++l)
            if (const Wettbewerb_Datensatz* z = wb_link(w.ziele.ziel[l][p])) international = international || !z->basisliga;
        if (international) Team_Schuette_Praemie_Aus(team, 2);
        const Wettbewerb_Datensatz* ziel = wb_link(w.ziele.ziel[0][p]);
        if (w.basisliga && !(ziel && stufe(ziel->id) > stufe(w.id)))
            Team_Schuette_Praemie_Aus(team, 3);
        seite_zeigen(w, team, int32_t(p));
    }
    if (w.basisliga && w.vk.v[WV_OBERLIGA] < 0) {
        int32_t beste[12];
        const int32_t n = int32_t(std::min<size_t>(12, stand.size()));
        std::copy(stand.begin(), stand.begin() + n, beste);
        Bank_Liga_Aktien_Neu_Besetzen(beste, n);
    }
}

// The draw page of a round drawn at random, once its last parallel group is drawn.
void auslosung_zeigen(const Wettbewerb_Datensatz& w)
{
    if (!(w.modus & LOSEN) || !w.schalter[2] || Netz_Rolle == 1 || !Eingang_Get_Spiel_Gestartet()) return;
    const Wettbewerb_Id erste = Wettbewerb_Get_Erste_Gruppe(w.id);
    const Wettbewerb_Datensatz* g = wb_per_id(erste);
    if (g) Wettbewerb_Auslosung_Anzeigen(erste, g->spieltag);
}

// The next round gets its entrants; once every group of the round before is over, each of its
// groups draws its fixtures.
void in_naechste_runde(Wettbewerb_Datensatz& w, Wettbewerb_Datensatz& nach, const std::vector<int32_t>& teams)
{
    in_runde_setzen(nach, teams);
    if (!gruppen_fertig(w)) return;
    for (Wettbewerb_Id g = Wettbewerb_Get_Erste_Gruppe(nach.id); g >= 0; g = Wettbewerb_Get_Naechste_Gruppe(g))
        Wettbewerb_Spielplan_Anlegen(g);
    auslosung_zeigen(nach);
}

// The winners of a knock-out match day's ties, with the cup prize for each tie won.
std::vector<int32_t> ko_sieger(const Wettbewerb_Datensatz& w)
{
    const int32_t paare = Wettbewerb_Paarungen_Zaehlen(&w, w.spieltag);
    std::vector<int32_t> sieger;
    for (int32_t slot = 0; slot < paare; ++slot) {
        const int32_t h = Spiele_Lock(w.spiele_block, w.spieltag, 0, slot);
        if (!h) continue;
        const Spiele_Spiel s = *Spiele_Get_Spiel(h, 1);
        Spiele_Unlock(h);
        if (s.heim == SPIELE_KEIN_TEAM) continue;
        const int32_t t = tie_sieger(w, slot, s);
        if (w.pokal_praemie && s.gast != SPIELE_KEIN_TEAM) praemie(t, w.sieg_praemie);
        sieger.push_back(t);
    }
    return sieger;
}

// The winners meet on the record's next match day: drawn with LOSEN, else the winners of ties
// 2k and 2k + 1. An odd field leaves the last winner a bye (away side empty on every leg).
void ko_tag_auslosen(Wettbewerb_Datensatz& w, std::vector<int32_t> sieger)
{
    if ((w.modus & LOSEN) && Netz_Rolle != 1)
        for (int32_t i = int32_t(sieger.size()) - 1; i > 0; --i) {
            const int32_t j = Zufall(0, i);
            std::swap(sieger[size_t(i)], sieger[size_t(j)]);
        }
    for (int32_t bein = 0; bein < beine(w); ++bein)
        for (size_t k = 0; k < sieger.size(); k += 2) {
            const int32_t h = Spiele_Lock(w.spiele_block, w.spieltag, bein, int32_t(k / 2));
            if (!h) continue;
            if (k + 1 < sieger.size()) {
                const int32_t a = sieger[k], b = sieger[k + 1];
                Spiele_Set_Teams(h, bein % 2 ? b : a, bein % 2 ? a : b);
            } else {
                Spiele_Set_Teams(h, sieger[k], SPIELE_KEIN_TEAM);
            }
            Spiele_Unlock(h);
        }
    auslosung_zeigen(w);
}

// A league or group has played its last day: its best places go on, or the competition ends.
void liga_beendet(Wettbewerb_Datensatz& w)
{
    const std::vector<int32_t> stand = endstand(w);
    Wettbewerb_Datensatz* nach = wb_link(w.vk.v[WV_NACHFOLGERUNDE]);
    if (!nach) {
        wettbewerb_ende(w, stand);
        return;
    }
    const size_t weiter = size_t(std::max(0, w.weiterkomm_anz[0]));
    in_naechste_runde(w, *nach, std::vector<int32_t>(stand.begin(), stand.begin() + std::min(weiter, stand.size())));
}

}  // namespace

void Wettbewerb_Spiele_Beendet(Wettbewerb_Id id)
{
    Wettbewerb_Datensatz* w = Wettbewerb_Bereit() ? wb_per_id(id) : nullptr;
    if (!w || w->spiele_block < 0 || w->spieltag >= w->spieltage) return;
    const Spiele_Tag_Locks tag(w->spiele_block, w->spieltag, w->runde);
    for (int32_t slot = 0; slot < 128; ++slot) {
        const int32_t h = tag.lock(slot);
        if (!h) break;
        const Spiele_Spiel s = *Spiele_Get_Spiel(h, 1);
        Spiele_Unlock(h);
        if (s.heim == SPIELE_KEIN_TEAM || s.gast == SPIELE_KEIN_TEAM) continue;
        praemie(s.heim, w->antritts_praemie);
        praemie(s.gast, w->antritts_praemie);
    }
    if (w->runde + 1 < beine(*w)) {
        ++w->runde;
        return;
    }
    // The day's ties are decided before the day moves on; what follows (the next day's draw,
    // the next round, the end) sees this record's day as played.
    const bool ko = (w->modus & KO_SYSTEM) != 0;
    const std::vector<int32_t> sieger = ko ? ko_sieger(*w) : std::vector<int32_t>{};
    w->runde = 0;
    ++w->spieltag;
    if (!ko) {
        if (w->spieltag >= w->spieltage) liga_beendet(*w);
        return;
    }
    if (w->spieltag < w->spieltage) {
        ko_tag_auslosen(*w, sieger);
        return;
    }
    if (Wettbewerb_Datensatz* nach = wb_link(w->vk.v[WV_NACHFOLGERUNDE])) in_naechste_runde(*w, *nach, sieger);
    else wettbewerb_ende(*w, endstand(*w));
}

void Wettbewerb_Jeden_Tag()
{
    wb_ziel_marken_taeglich();
    wb_regel_tag();
    wb_freundschaft_tag();
}

namespace {

int32_t nummer_von(const Wettbewerb_Datensatz& w) { return int32_t(&w - Wettbewerb_Zeiger(0)); }

// Entrants a league-tree round takes.
int32_t baum_plaetze(const Wettbewerb_Datensatz& r) { return r.anz_quali_aus_ligabaum > 0 ? r.anz_quali_aus_ligabaum : r.teams; }

// The league-tree walk of one system; every round it fills is marked in `gefuellt` (by record
// number) when given.
void ligabaum_setzen(Wettbewerb_Id system, std::vector<bool>* gefuellt)
{
    const Wettbewerb_Datensatz* sys = wb_per_id(system);
    if (!sys || !sys->basisliga) return;
    // The pyramid's places, best first: tier by tier, place by place, each league of a tier's
    // horizontal group in turn.
    std::vector<Wettbewerb_Id> stufen;
    for (Wettbewerb_Id id = Wettbewerb_Hierarchie_Oben(system); id >= 0 && stufen.size() < size_t(WETTBEWERB_ANZAHL);
         id = Wettbewerb_Hierarchie_Naechste())
        stufen.push_back(id);
    struct Platz {
        Wettbewerb_Datensatz* liga;
        int32_t platz;
    };
    std::vector<Platz> plaetze;
    const size_t max = size_t(std::max(0, Team_Anzahl));
    for (Wettbewerb_Id stufe_id : stufen) {
        std::vector<Wettbewerb_Datensatz*> ligen;
        for (Wettbewerb_Id g = Wettbewerb_Visuell_Horizontal_Erster(stufe_id); g >= 0 && ligen.size() < size_t(WETTBEWERB_ANZAHL);
             g = Wettbewerb_Visuell_Horizontal_Naechster())
            if (Wettbewerb_Datensatz* d = wb_per_id(g)) ligen.push_back(d);
        if (ligen.empty()) continue;
        for (int32_t p = 0; p < ligen[0]->teams; ++p)
            for (Wettbewerb_Datensatz* l : ligen)
                // A smaller member of the tier has no such place.
                if (plaetze.size() < max && p < l->listen.anzahl && l->listen.teams[p] >= 0) plaetze.push_back({l, p});
    }
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL; ++i) {
        Wettbewerb_Datensatz* c = Wettbewerb_Zeiger(i);
        if (!c || !wb_benutzt(*c)) break;
        if (c->schalter[4] || c->basisliga || c->vk.v[WV_VORRUNDE] >= 0 || c->land != sys->land ||
            !(c->modus & QUALIFIKANTEN_AUS_LIGABAUM))
            continue;
        int32_t gesamt = 0;
        for (Wettbewerb_Datensatz* r = c; r; r = Wettbewerb_Nachfolgerunde(r)) {
            if (!(r->modus & QUALIFIKANTEN_AUS_LIGABAUM)) continue;
            gesamt += baum_plaetze(*r);
            std::fill(r->listen.teams, r->listen.teams + WETTBEWERB_MAX_TEAMS, int16_t(-1));
            r->listen.anzahl = 0;
            const int32_t nr = nummer_von(*r);
            for (int32_t k = 0; k < WETTBEWERB_ANZAHL; ++k) {
                Wettbewerb_Datensatz* b = Wettbewerb_Zeiger(k);
                if (!wb_benutzt(*b)) break;
                if (!b->basisliga) continue;
                for (auto& liste : b->ziele.ziel)
                    for (int32_t& z : liste)
                        if (z == nr) z = -1;
            }
            if (gefuellt) (*gefuellt)[size_t(nr)] = true;
        }
        // The first round takes the lowest of the qualifying places, later rounds higher ones.
        int32_t pos = gesamt - 1;
        for (Wettbewerb_Datensatz* r = c; r && pos >= 0; r = Wettbewerb_Nachfolgerunde(r)) {
            if (!(r->modus & QUALIFIKANTEN_AUS_LIGABAUM)) continue;
            const int32_t grenze = std::min(r->teams, WETTBEWERB_MAX_TEAMS);
            for (int32_t n = baum_plaetze(*r); n > 0 && pos >= 0; --n, --pos) {
                if (size_t(pos) >= plaetze.size()) continue;
                const Platz& q = plaetze[size_t(pos)];
                if (r->listen.anzahl < grenze) r->listen.teams[r->listen.anzahl++] = q.liga->listen.teams[q.platz];
                q.liga->ziele.ziel[4][q.platz] = nummer_von(*r);
            }
        }
    }
}

// A club that is already in (one of the rounds or groups of) competition `ziel` for next season.
bool schon_dabei(const std::vector<std::vector<int32_t>>& neu, const Wettbewerb_Datensatz& ziel, int32_t team)
{
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL; ++i) {
        const Wettbewerb_Datensatz* w = wb_link(i);
        if (!w || !wb_benutzt(*w)) break;
        if (gleicher_wettbewerb(*w, ziel) && std::find(neu[size_t(i)].begin(), neu[size_t(i)].end(), team) != neu[size_t(i)].end())
            return true;
    }
    return false;
}

// True when place p of the record leads to no competition of another season's field (the base
// leagues' own list 0 is promotion and relegation, not a field).
bool fuehrt_nirgendwohin(const Wettbewerb_Datensatz& w, size_t p)
{
    if (p >= size_t(WETTBEWERB_PLAETZE)) return true;
    for (int32_t l = w.basisliga ? 1 : 0; l < WETTBEWERB_ZIEL_LISTEN; ++l)
        if (const Wettbewerb_Datensatz* z = wb_link(w.ziele.ziel[l][p]); z && !gleicher_wettbewerb(*z, w)) return false;
    return true;
}

// AUFFUELL_MIT_TEAMS: free places of the list go to clubs of the configured number ranges, the
// lowest first, that are not in the competition yet (nor, for a base league, in another one).
void auffuellen(Wettbewerb_Datensatz& w, std::vector<std::vector<int32_t>>& neu, int32_t nr)
{
    std::vector<int32_t>& liste = neu[size_t(nr)];
    const size_t grenze = size_t(std::min(w.teams, WETTBEWERB_MAX_TEAMS));
    for (int32_t e = 0; e < std::min(w.auffuell_anz, WETTBEWERB_AUFFUELL_MAX) && liste.size() < grenze; ++e) {
        const Wettbewerb_Datensatz::Auffuell& a = w.auffuell[e];
        int32_t genommen = 0;
        for (int32_t t = std::max(0, a.von); t <= a.bis && t < Team_Anzahl && genommen < a.anzahl && liste.size() < grenze; ++t) {
            bool belegt = schon_dabei(neu, w, t);
            for (int32_t k = 0; !belegt && w.basisliga && k < WETTBEWERB_ANZAHL; ++k) {
                const Wettbewerb_Datensatz* b = wb_link(k);
                if (!b || !wb_benutzt(*b)) break;
                belegt = b->basisliga && std::find(neu[size_t(k)].begin(), neu[size_t(k)].end(), t) != neu[size_t(k)].end();
            }
            if (belegt) continue;
            liste.push_back(t);
            ++genommen;
        }
    }
}

}  // namespace

void Wettbewerb_Ligabaum_Qualifikanten_Setzen(Wettbewerb_Id system)
{
    if (Wettbewerb_Bereit()) ligabaum_setzen(system, nullptr);
}

void Wettbewerb_Jedes_Jahr()
{
    if (!Wettbewerb_Bereit() || Netz_Rolle == 1) return;
    int32_t anzahl = 0;
    while (anzahl < WETTBEWERB_ANZAHL && wb_benutzt(*Wettbewerb_Zeiger(anzahl))) ++anzahl;
    Wettbewerb_Datensatz* recs = Wettbewerb_Zeiger(0);

    // Final orders while the blocks still stand; the base leagues' lists take their table's
    // order, so that the league-tree walk reads place p at index p.
    std::vector<std::vector<int32_t>> staende(static_cast<size_t>(WETTBEWERB_ANZAHL));
    for (int32_t i = 0; i < anzahl; ++i) staende[size_t(i)] = endstand(recs[i]);
    for (int32_t i = 0; i < anzahl; ++i) {
        Wettbewerb_Teamlisten& l = recs[i].listen;
        const auto& stand = staende[size_t(i)];
        if (!recs[i].basisliga || stand.size() != size_t(l.anzahl)) continue;
        for (size_t k = 0; k < stand.size(); ++k) l.teams[k] = int16_t(stand[k]);
    }
    std::vector<bool> vom_baum(size_t(WETTBEWERB_ANZAHL), false);
    int32_t systeme[WETTBEWERB_ANZAHL];
    const int32_t anz_systeme = Wettbewerb_Get_Ligasysteme(systeme);
    for (int32_t k = 0; k < anz_systeme; ++k) ligabaum_setzen(systeme[k], &vom_baum);

    // Next season's lists. Base leagues: list 0 moves a club up or down, else it stays. Other
    // targets feed a competition's field for next season, unless they lead on within the same
    // competition (played out this season) or to a league-tree round (just filled). A club
    // qualified for a competition it already enters leaves its place to the next club of the
    // same table whose place leads nowhere.
    std::vector<std::vector<int32_t>> neu(static_cast<size_t>(WETTBEWERB_ANZAHL));
    std::vector<bool> von_zielen(size_t(WETTBEWERB_ANZAHL), false);
    std::vector<int32_t> finanzen;  // team, outcome pairs
    for (int32_t i = 0; i < anzahl; ++i) {
        Wettbewerb_Datensatz& w = recs[i];
        const auto& stand = staende[size_t(i)];
        std::vector<bool> nachgerueckt(stand.size(), false);
        for (size_t p = 0; p < stand.size() && p < size_t(WETTBEWERB_PLAETZE); ++p) {
            const int32_t team = stand[p];
            if (w.basisliga) {
                const int32_t ziel = w.ziele.ziel[0][p];
                const int32_t nr = ziel >= 0 && ziel < anzahl ? ziel : i;
                neu[size_t(nr)].push_back(team);
                const int32_t stufe_a = stufe(w.id), stufe_b = stufe(recs[nr].id);
                finanzen.push_back(team);
                finanzen.push_back(stufe_b < stufe_a ? 1 : stufe_b > stufe_a ? 2 : 0);
            }
            for (int32_t l = w.basisliga ? 1 : 0; l < WETTBEWERB_ZIEL_LISTEN; ++l) {
                const int32_t ziel = w.ziele.ziel[l][p];
                if (ziel < 0 || ziel >= anzahl || vom_baum[size_t(ziel)] || gleicher_wettbewerb(recs[ziel], w)) continue;
                von_zielen[size_t(ziel)] = true;
                int32_t kommt = team;
                if (schon_dabei(neu, recs[ziel], kommt)) {
                    kommt = -1;
                    for (size_t q = p + 1; q < stand.size() && kommt < 0; ++q)
                        if (!nachgerueckt[q] && fuehrt_nirgendwohin(w, q) && !schon_dabei(neu, recs[ziel], stand[q])) {
                            nachgerueckt[q] = true;
                            kommt = stand[q];
                        }
                    Print_Log(0, "%s: %d schon qualifiziert für %s, Platz geht an %d\n", w.name, team, recs[ziel].name, kommt);
                }
                if (kommt >= 0) neu[size_t(ziel)].push_back(kommt);
            }
        }
    }
    // Outcome per club while the final tables stand.
    for (size_t k = 0; k + 1 < finanzen.size(); k += 2) Team_Set_Finanzdaten(finanzen[k], finanzen[k + 1]);

    // Lists fed by no target restart with their configured entrants; league-tree rounds keep
    // what the walk gave them.
    for (int32_t i = 0; i < anzahl; ++i) {
        const Wettbewerb_Datensatz& w = recs[i];
        if (vom_baum[size_t(i)]) neu[size_t(i)].assign(w.listen.teams, w.listen.teams + w.listen.anzahl);
        else if (!w.basisliga && !von_zielen[size_t(i)]) neu[size_t(i)].assign(w.listen.start, w.listen.start + w.listen.start_anzahl);
        else if (w.basisliga && neu[size_t(i)].empty()) neu[size_t(i)].assign(w.listen.teams, w.listen.teams + w.listen.anzahl);
    }
    for (int32_t i = 0; i < anzahl; ++i) auffuellen(recs[i], neu, i);

    for (int32_t i = 0; i < anzahl; ++i) {
        Wettbewerb_Datensatz* w = &recs[i];
        if (w->spiele_block >= 0 && Spiele_Get_Block_Kopf(w->spiele_block)) Spiele_Wettbewerb_Loeschen(w->spiele_block);
        w->spiele_block = -1;
        w->spieltag = 0;
        w->runde = 0;
        // A rule voted for this season takes effect before the fixtures are made.
        if (w->englische_tabelle_neu >= 0) {
            w->modus = w->englische_tabelle_neu ? (w->modus | ENGLISCHE_TABELLE) : (w->modus & ~ENGLISCHE_TABELLE);
            w->englische_tabelle_neu = -1;
        }
        Wettbewerb_Teamlisten& l = w->listen;
        const int32_t grenze = w->basisliga ? WETTBEWERB_MAX_TEAMS : std::min(w->teams, WETTBEWERB_MAX_TEAMS);
        l.anzahl = 0;
        for (int32_t t : neu[size_t(i)])
            if (t >= 0 && l.anzahl < grenze && !in_liste(l, t)) l.teams[l.anzahl++] = int16_t(t);
        for (int32_t k = l.anzahl; k < WETTBEWERB_MAX_TEAMS; ++k) l.teams[k] = -1;
        if (w->basisliga) {
            std::copy(l.teams, l.teams + l.anzahl, l.start);
            l.start_anzahl = l.anzahl;
        }
    }
    Spiele_Ereignisse_Zuruecksetzen();
    Spiele_Tabellen_Cache_Leeren();
    wb_ziel_marken_taeglich();
}
