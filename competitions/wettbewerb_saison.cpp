// The end of a match day and of a season. A match day pays the entry prizes and moves the
// competition on a leg or a day; a finished knock-out round sends its winners on, a finished
// group its best places. On 1 July the final tables move the clubs along their place targets
// into next season's team lists.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "competitions/spiele.h"
#include "competitions/spiele_ewig.h"
#include "competitions/spiele_tabelle.h"
#include "competitions/statistik_archiv.h"
#include "competitions/wettbewerb.h"
#include "competitions/wettbewerb_intern.h"
#include "database/team.h"
#include "economy/bank.h"
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

// The record's final order: table places of a league or group, winner and runner-up of a
// knock-out record's last match day. Empty when nothing was played.
std::vector<int32_t> endstand(Wettbewerb_Datensatz& w)
{
    std::vector<int32_t> r;
    if (w.spiele_block < 0 || !Spiele_Get_Block_Kopf(w.spiele_block)) return r;
    if (w.modus & KO_SYSTEM) {
        const int32_t tag = w.spieltage - 1;
        const int32_t h = Spiele_Lock(w.spiele_block, tag, beine(w) - 1, 0);
        if (!h) return r;
        const Spiele_Spiel s = *Spiele_Get_Spiel(h, 1);
        Spiele_Unlock(h);
        if (s.heim == SPIELE_KEIN_TEAM) return r;
        const int32_t alt_tag = w.spieltag;
        w.spieltag = tag;
        int32_t sieger = Wettbewerb_Get_Paarung_Sieger(w.id, beine(w) - 1, 0, -1);
        w.spieltag = alt_tag;
        if (sieger < 0) sieger = s.gast;  // the last leg's home team is the first leg's away team
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
    }
    if (w.basisliga && w.vk.v[WV_OBERLIGA] < 0) {
        int32_t beste[12];
        const int32_t n = int32_t(std::min<size_t>(12, stand.size()));
        std::copy(stand.begin(), stand.begin() + n, beste);
        Bank_Liga_Aktien_Neu_Besetzen(beste, n);
    }
}

// After the last leg of a knock-out match day: the winners meet on the next day, or go on to
// the next round.
void ko_tag_beenden(Wettbewerb_Datensatz& w)
{
    const int32_t paare = Wettbewerb_Paarungen_Zaehlen(&w, w.spieltag);
    std::vector<int32_t> sieger;
    for (int32_t slot = 0; slot < paare; ++slot) {
        const int32_t h = Spiele_Lock(w.spiele_block, w.spieltag, 0, slot);
        if (!h) continue;
        const Spiele_Spiel s = *Spiele_Get_Spiel(h, 1);
        Spiele_Unlock(h);
        if (s.heim == SPIELE_KEIN_TEAM) continue;
        int32_t t = Wettbewerb_Get_Paarung_Sieger(w.id, beine(w) - 1, slot, -1);
        if (t < 0) {
            // An awarded or broken tie has no winner on the pitch: the home club goes on.
            Print_Log(0, "%s: Paarung %d ohne Sieger, %d kommt weiter\n", w.name, slot, int32_t(s.heim));
            t = s.heim;
        }
        if (w.pokal_praemie && s.gast != SPIELE_KEIN_TEAM) praemie(t, w.sieg_praemie);
        sieger.push_back(t);
    }
    const int32_t naechster = w.spieltag + 1;
    if (naechster < w.spieltage) {
        if ((w.modus & LOSEN) && Netz_Rolle != 1)
            for (int32_t i = int32_t(sieger.size()) - 1; i > 0; --i) {
                const int32_t j = Zufall(0, i);
                std::swap(sieger[size_t(i)], sieger[size_t(j)]);
            }
        for (int32_t bein = 0; bein < beine(w); ++bein)
            for (size_t k = 0; k < sieger.size(); k += 2) {
                const int32_t h = Spiele_Lock(w.spiele_block, naechster, bein, int32_t(k / 2));
                if (!h) continue;
                if (k + 1 < sieger.size()) {
                    const int32_t a = sieger[k], b = sieger[k + 1];
                    Spiele_Set_Teams(h, bein % 2 ? b : a, bein % 2 ? a : b);
                } else if (bein == 0) {
                    // An odd field: the last winner goes on without a game.
                    Spiele_Get_Spiel(h, 1)->heim = uint16_t(sieger[k]);
                }
                Spiele_Unlock(h);
            }
        return;
    }
    if (Wettbewerb_Datensatz* nach = wb_link(w.vk.v[WV_NACHFOLGERUNDE])) {
        in_runde_setzen(*nach, sieger);
        if (gruppen_fertig(w))
            for (Wettbewerb_Id g = Wettbewerb_Get_Erste_Gruppe(nach->id); g >= 0; g = Wettbewerb_Get_Naechste_Gruppe(g))
                Wettbewerb_Spielplan_Anlegen(g);
    }
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
    in_runde_setzen(*nach, std::vector<int32_t>(stand.begin(), stand.begin() + std::min(weiter, stand.size())));
    if (gruppen_fertig(w))
        for (Wettbewerb_Id g = Wettbewerb_Get_Erste_Gruppe(nach->id); g >= 0; g = Wettbewerb_Get_Naechste_Gruppe(g))
            Wettbewerb_Spielplan_Anlegen(g);
}

}  // namespace

void Wettbewerb_Spiele_Beendet(Wettbewerb_Id id)
{
    Wettbewerb_Datensatz* w = Wettbewerb_Bereit() ? wb_per_id(id) : nullptr;
    if (!w || w->spiele_block < 0 || w->spieltag >= w->spieltage) return;
    for (int32_t slot = 0; slot < 128; ++slot) {
        const int32_t h = Spiele_Lock(w->spiele_block, w->spieltag, w->runde, slot);
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
    if (w->modus & KO_SYSTEM) ko_tag_beenden(*w);
    w->runde = 0;
    ++w->spieltag;
    if (w->spieltag < w->spieltage) return;
    if (w->modus & KO_SYSTEM) {
        if (!wb_link(w->vk.v[WV_NACHFOLGERUNDE])) wettbewerb_ende(*w, endstand(*w));
    } else {
        liga_beendet(*w);
    }
}

void Wettbewerb_Jeden_Tag()
{
    Wettbewerb_Platz_Ziele_Marken_Loeschen();
    wb_regel_tag();
    wb_freundschaft_tag();
}

void Wettbewerb_Jedes_Jahr()
{
    if (!Wettbewerb_Bereit() || Netz_Rolle == 1) return;
    struct Neu {
        std::vector<int32_t> teams;
        bool gefuellt = false;  // fed by place targets: starts empty
    };
    std::vector<Neu> neu(WETTBEWERB_ANZAHL);
    std::vector<int32_t> finanzen;  // team, outcome pairs

    // Final orders while the blocks still stand.
    std::vector<std::vector<int32_t>> staende(WETTBEWERB_ANZAHL);
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL; ++i)
        if (Wettbewerb_Datensatz* w = Wettbewerb_Zeiger(i); w && wb_benutzt(*w)) staende[size_t(i)] = endstand(*w);

    for (int32_t i = 0; i < WETTBEWERB_ANZAHL; ++i) {
        Wettbewerb_Datensatz* w = Wettbewerb_Zeiger(i);
        if (!w || !wb_benutzt(*w)) continue;
        const auto& stand = staende[size_t(i)];
        for (size_t p = 0; p < stand.size() && p < size_t(WETTBEWERB_PLAETZE); ++p) {
            const int32_t team = stand[p];
            // Base leagues: list 0 moves the club up or down, else it stays.
            if (w->basisliga) {
                const int32_t ziel = w->ziele.ziel[0][p];
                const int32_t nr = ziel >= 0 && Wettbewerb_Zeiger(ziel) ? ziel : i;
                neu[size_t(nr)].teams.push_back(team);
                const int32_t stufe_a = stufe(w->id), stufe_b = stufe(Wettbewerb_Zeiger(nr)->id);
                finanzen.push_back(team);
                finanzen.push_back(stufe_b < stufe_a ? 1 : stufe_b > stufe_a ? 2 : 0);
            }
            for (int32_t l = w->basisliga ? 1 : 0; l < WETTBEWERB_ZIEL_LISTEN; ++l) {
                const int32_t ziel = w->ziele.ziel[l][p];
                if (ziel < 0 || !Wettbewerb_Zeiger(ziel)) continue;
                Neu& n = neu[size_t(ziel)];
                n.gefuellt = true;
                n.teams.push_back(team);
            }
        }
    }
    // Outcome per club while the final tables stand.
    for (size_t k = 0; k + 1 < finanzen.size(); k += 2) Team_Set_Finanzdaten(finanzen[k], finanzen[k + 1]);

    for (int32_t i = 0; i < WETTBEWERB_ANZAHL; ++i) {
        Wettbewerb_Datensatz* w = Wettbewerb_Zeiger(i);
        if (!w || !wb_benutzt(*w)) continue;
        if (w->spiele_block >= 0 && Spiele_Get_Block_Kopf(w->spiele_block)) Spiele_Wettbewerb_Loeschen(w->spiele_block);
        w->spiele_block = -1;
        w->spieltag = 0;
        w->runde = 0;
        Wettbewerb_Teamlisten& l = w->listen;
        if (w->basisliga && !neu[size_t(i)].teams.empty()) {
            l.anzahl = 0;
            for (int32_t t : neu[size_t(i)].teams)
                if (l.anzahl < WETTBEWERB_MAX_TEAMS && !in_liste(l, t)) l.teams[l.anzahl++] = int16_t(t);
            std::copy(l.teams, l.teams + l.anzahl, l.start);
            l.start_anzahl = l.anzahl;
            continue;
        }
        if (w->basisliga) continue;
        // Target-fed lists restart with the clubs sent to them; others with their configured
        // entrants. A club qualified twice enters once.
        std::vector<int32_t> teams;
        if (neu[size_t(i)].gefuellt) teams = neu[size_t(i)].teams;
        else teams.assign(l.start, l.start + l.start_anzahl);
        l.anzahl = 0;
        for (int32_t t : teams) {
            if (t < 0 || l.anzahl >= std::min(w->teams, WETTBEWERB_MAX_TEAMS) || in_liste(l, t)) continue;
            l.teams[l.anzahl++] = int16_t(t);
        }
        for (int32_t k = l.anzahl; k < WETTBEWERB_MAX_TEAMS; ++k) l.teams[k] = -1;
    }
    Spiele_Ereignisse_Zuruecksetzen();
    Spiele_Tabellen_Cache_Leeren();
    Wettbewerb_Platz_Ziele_Marken_Loeschen();
}

void Wettbewerb_Ligabaum_Qualifikanten_Setzen(Wettbewerb_Id) {}
