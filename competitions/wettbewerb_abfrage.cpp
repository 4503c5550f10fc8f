// Structural queries over the competition records: rounds and groups, pyramids and league
// systems, team lists, and the values other modules derive from a team's league.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "competitions/wettbewerb.h"

#include "competitions/spiele.h"
#include "competitions/spiele_intern.h"
#include "competitions/spiele_tabelle.h"
#include "competitions/wettbewerb_intern.h"
#include "gameflow/globals.h"
#include "toolkit/icon.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_screen.h"
#include "platform/print.h"
#include "platform/resfile.h"
#include "platform/temp.h"

namespace {

int32_t nummer_von(const Wettbewerb_Datensatz* w) { return static_cast<int32_t>(w - wb_daten); }

Wettbewerb_Id id_von(int32_t nummer)
{
    Wettbewerb_Datensatz* w = wb_link(nummer);
    return w && wb_benutzt(*w) ? w->id : -1;
}

int32_t anzahl_benutzt()
{
    int32_t n = 0;
    while (wb_daten && n < WETTBEWERB_ANZAHL && wb_benutzt(wb_daten[n])) ++n;
    return n;
}

// Cursors of the iterations that the callers drive one call at a time.
int32_t cursor_alle = -1;
int32_t cursor_hierarchie = -1;
int32_t cursor_horizontal = -1;

// First parallel group of a record's round.
Wettbewerb_Datensatz* erste_gruppe(Wettbewerb_Datensatz* w)
{
    for (int32_t s = 0; w && s < WETTBEWERB_ANZAHL && w->vk.v[WV_VORGRUPPE] >= 0; ++s)
        w = wb_link(w->vk.v[WV_VORGRUPPE]);
    return w;
}

// Next round after a record's round (taken from the round's first group, then from any group).
Wettbewerb_Datensatz* naechste_runde(Wettbewerb_Datensatz* w)
{
    Wettbewerb_Datensatz* g = erste_gruppe(w);
    for (int32_t s = 0; g && s < WETTBEWERB_ANZAHL; ++s) {
        if (g->vk.v[WV_NACHFOLGERUNDE] >= 0) return erste_gruppe(wb_link(g->vk.v[WV_NACHFOLGERUNDE]));
        g = wb_link(g->vk.v[WV_NACHGRUPPE]);
    }
    return nullptr;
}

// Calls f for every round (first group) of the record's chain, from the owner on.
template <class F> void fuer_kette(Wettbewerb_Datensatz* w, F&& f)
{
    Wettbewerb_Datensatz* r = w ? wb_link(w->besitzer) : nullptr;
    for (int32_t s = 0; r && s < WETTBEWERB_ANZAHL; ++s, r = naechste_runde(r))
        if (!f(r)) return;
}

// Calls f for every group of the record's round.
template <class F> void fuer_gruppen(Wettbewerb_Datensatz* w, F&& f)
{
    Wettbewerb_Datensatz* g = erste_gruppe(w);
    for (int32_t s = 0; g && s < WETTBEWERB_ANZAHL; ++s, g = wb_link(g->vk.v[WV_NACHGRUPPE]))
        if (!f(g)) return;
}

Wettbewerb_Datensatz* pyramiden_spitze(Wettbewerb_Datensatz* w)
{
    for (int32_t s = 0; w && s < WETTBEWERB_ANZAHL && w->vk.v[WV_OBERLIGA] >= 0; ++s)
        w = wb_link(w->vk.v[WV_OBERLIGA]);
    return w;
}

bool in_liste(const Wettbewerb_Datensatz& w, int32_t team)
{
    for (int32_t i = 0; i < w.listen.anzahl && i < WETTBEWERB_MAX_TEAMS; ++i)
        if (w.listen.teams[i] == team) return true;
    return false;
}

bool in_start(const Wettbewerb_Datensatz& w, int32_t team)
{
    for (int32_t i = 0; i < w.listen.start_anzahl && i < WETTBEWERB_MAX_TEAMS; ++i)
        if (w.listen.start[i] == team) return true;
    return false;
}

// Every team's base league: the record number of the first base league whose current list
// holds the team, -1 none. The lists are plain arrays that many places write directly, so the
// index keeps a compact copy of everything its answers rest on (per used record the base-league
// mark, and a base league's list) and is built again whenever the records differ from that copy:
// a promotion, a changed list, a loaded savegame or a new game can never leave it stale. The
// comparison reads each list in one go instead of searching every list for every team.
struct Liga_Index {
    const Wettbewerb_Datensatz* daten = nullptr;
    std::vector<int16_t> abbild;  // per used record: 0, or 1, the list length and the list
    std::vector<int16_t> liga;    // per team number
};
Liga_Index liga_index;

int32_t listen_laenge(const Wettbewerb_Datensatz& w) { return std::clamp(w.listen.anzahl, 0, WETTBEWERB_MAX_TEAMS); }

bool liga_index_stimmt()
{
    if (liga_index.daten != wb_daten || !wb_daten) return liga_index.daten == wb_daten;
    const int16_t* p = liga_index.abbild.data();
    const int16_t* const ende = p + liga_index.abbild.size();
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL && wb_benutzt(wb_daten[i]); ++i) {
        const Wettbewerb_Datensatz& w = wb_daten[i];
        if (p == ende || *p++ != (w.basisliga ? 1 : 0)) return false;
        if (!w.basisliga) continue;
        const int32_t n = listen_laenge(w);
        if (ende - p < 1 + n || *p++ != n || !std::equal(p, p + n, w.listen.teams)) return false;
        p += n;
    }
    return p == ende;
}

// The holds alive, and what they keep: whether the index was checked under them, and per record
// whether its competition is international (-1 not yet known), for the records at `daten`.
struct Gehalten {
    int32_t tiefe = 0;
    uint64_t nummer = 0;
    bool liga_geprueft = false;
    const Wettbewerb_Datensatz* daten = nullptr;
    std::vector<int8_t> international;
    // Per record the set of records its place targets name, filled when first asked (ziel_da).
    std::vector<std::array<uint64_t, 2>> ziel_menge;
    std::vector<uint8_t> ziel_da;
};
Gehalten gehalten;

const std::vector<int16_t>& liga_tabelle()
{
    if (gehalten.tiefe > 0 && gehalten.liga_geprueft && liga_index.daten == wb_daten) return liga_index.liga;
    gehalten.liga_geprueft = gehalten.tiefe > 0;
    if (liga_index_stimmt()) return liga_index.liga;
    liga_index.daten = wb_daten;
    liga_index.abbild.clear();
    liga_index.liga.clear();
    for (int32_t i = 0, benutzt = anzahl_benutzt(); i < benutzt; ++i) {
        const Wettbewerb_Datensatz& w = wb_daten[i];
        liga_index.abbild.push_back(w.basisliga ? 1 : 0);
        if (!w.basisliga) continue;
        const int32_t n = listen_laenge(w);
        liga_index.abbild.push_back(int16_t(n));
        liga_index.abbild.insert(liga_index.abbild.end(), w.listen.teams, w.listen.teams + n);
        for (int32_t k = 0; k < n; ++k) {
            const int32_t t = w.listen.teams[k];
            if (t < 0) continue;
            if (size_t(t) >= liga_index.liga.size()) liga_index.liga.resize(size_t(t) + 1, -1);
            if (liga_index.liga[size_t(t)] < 0) liga_index.liga[size_t(t)] = int16_t(i);
        }
    }
    return liga_index.liga;
}

// The base league whose current list holds the team.
Wettbewerb_Datensatz* liga_von(int32_t team)
{
    if (team < 0 || !wb_daten) return nullptr;
    const std::vector<int16_t>& liga = liga_tabelle();
    return size_t(team) < liga.size() && liga[size_t(team)] >= 0 ? &wb_daten[liga[size_t(team)]] : nullptr;
}

int32_t klemmen(int32_t v, int32_t lo, int32_t hi) { return std::min(hi, std::max(lo, v)); }

}  // namespace

int32_t Wettbewerb_Get_Nummer(Wettbewerb_Id id)
{
    Wettbewerb_Datensatz* w = wb_per_id(id);
    return w ? nummer_von(w) : -1;
}

Wettbewerb_Id Wettbewerb_Get_Erster()
{
    cursor_alle = -1;
    if (!Wettbewerb_Bereit() || !wb_benutzt(wb_daten[0])) return -1;
    cursor_alle = 0;
    return wb_daten[0].id;
}

Wettbewerb_Id Wettbewerb_Get_Naechster()
{
    if (!Wettbewerb_Bereit() || cursor_alle < 0) return -1;
    ++cursor_alle;
    if (cursor_alle >= anzahl_benutzt()) {
        cursor_alle = -1;
        return -1;
    }
    return wb_daten[cursor_alle].id;
}

Wettbewerb_Id Wettbewerb_Get_Oberwettbewerb(Wettbewerb_Id id)
{
    Wettbewerb_Datensatz* w = wb_per_id(id);
    if (!w) return -1;
    Wettbewerb_Id o = id_von(w->besitzer);
    return o >= 0 ? o : id;
}

Wettbewerb_Id Wettbewerb_Get_Erster_Der_Kette(Wettbewerb_Id id)
{
    Wettbewerb_Datensatz* w = wb_per_id(id);
    return w ? id_von(w->besitzer) : -1;
}

Wettbewerb_Id Wettbewerb_Get_Naechster_Der_Kette(Wettbewerb_Id id)
{
    Wettbewerb_Datensatz* n = naechste_runde(wb_per_id(id));
    return n ? n->id : -1;
}

Wettbewerb_Id Wettbewerb_Get_Erste_Gruppe(Wettbewerb_Id id)
{
    Wettbewerb_Datensatz* g = erste_gruppe(wb_per_id(id));
    return g ? g->id : -1;
}

Wettbewerb_Id Wettbewerb_Get_Naechste_Gruppe(Wettbewerb_Id id)
{
    Wettbewerb_Datensatz* w = wb_per_id(id);
    return w ? id_von(w->vk.v[WV_NACHGRUPPE]) : -1;
}

Wettbewerb_Datensatz* Wettbewerb_Vorrunde(const Wettbewerb_Datensatz* w)
{
    return w && wb_daten ? wb_link(w->vk.v[WV_VORRUNDE]) : nullptr;
}

Wettbewerb_Datensatz* Wettbewerb_Vorgruppe(const Wettbewerb_Datensatz* w)
{
    return w && wb_daten ? wb_link(w->vk.v[WV_VORGRUPPE]) : nullptr;
}

Wettbewerb_Datensatz* Wettbewerb_Nachfolgerunde(const Wettbewerb_Datensatz* w)
{
    return w && wb_daten ? wb_link(w->vk.v[WV_NACHFOLGERUNDE]) : nullptr;
}

Wettbewerb_Id Wettbewerb_Get_Runden_Wettbewerb(Wettbewerb_Id id, int32_t tag, int32_t* tag_in_runde)
{
    Wettbewerb_Datensatz* w = wb_per_id(id);
    if (!w || tag < -1) return -1;
    Wettbewerb_Datensatz* treffer = nullptr;
    Wettbewerb_Datensatz* letzte = nullptr;
    int32_t offset = 0, innen = 0;
    fuer_kette(w, [&](Wettbewerb_Datensatz* r) {
        letzte = r;
        bool hier = tag == -1 ? r->spieltag < r->spieltage : tag < offset + r->spieltage;
        if (hier) {
            treffer = r;
            innen = tag == -1 ? r->spieltag : tag - offset;
            return false;
        }
        offset += r->spieltage;
        return true;
    });
    if (!treffer && tag == -1 && letzte) {  // the chain has finished: its last round
        treffer = letzte;
        innen = letzte->spieltag;
    }
    if (!treffer) return -1;
    if (tag_in_runde) *tag_in_runde = innen;
    return treffer->id;
}

const Wettbewerb_Info* Wettbewerb_Get_Info(Wettbewerb_Id id)
{
    static Wettbewerb_Info info;
    Wettbewerb_Datensatz* w = wb_per_id(id);
    if (!w) return nullptr;
    Wettbewerb_Datensatz* runde = erste_gruppe(w);
    int32_t gesamt = 0, offset = 0;
    bool davor = true;
    fuer_kette(w, [&](Wettbewerb_Datensatz* r) {
        if (r == runde) davor = false;
        if (davor) offset += r->spieltage;
        gesamt += r->spieltage;
        return true;
    });
    info = {};
    info.modus = static_cast<int32_t>(w->modus);
    info.teams = w->teams;
    info.spieltage = w->spieltage;
    info.spieltag = w->spieltag;
    info.saison_spieltage = gesamt;
    info.ketten_offset = offset;
    info.oberwettbewerb = Wettbewerb_Get_Oberwettbewerb(id);
    info.runde = w->runde;
    info.halbzeit_laenge = w->halbzeit_laenge;
    info.halbzeit_laenge_verl = w->halbzeit_laenge_verl;
    info.anz_halbzeiten = w->anz_halbzeiten;
    info.anz_halbzeiten_verl = w->anz_halbzeiten_verl;
    info.best_of_x = w->best_of_x;
    info.spiele_block = w->spiele_block;
    info.id = w->id;
    info.ausrichter = w->ausrichter;
    info.ausrichter_stadion = w->ausrichter_stadion;
    info.basisliga = w->basisliga;
    return &info;
}

Wettbewerb_Id Wettbewerb_Hierarchie_Oben(Wettbewerb_Id id)
{
    Wettbewerb_Datensatz* top = pyramiden_spitze(wb_per_id(id));
    cursor_hierarchie = top ? nummer_von(top) : -1;
    return top ? top->id : -1;
}

Wettbewerb_Id Wettbewerb_Hierarchie_Naechste()
{
    Wettbewerb_Datensatz* w = Wettbewerb_Bereit() ? wb_link(cursor_hierarchie) : nullptr;
    Wettbewerb_Datensatz* u = w ? wb_link(w->vk.v[WV_UNTERLIGA]) : nullptr;
    cursor_hierarchie = u ? nummer_von(u) : -1;
    return u ? u->id : -1;
}

int32_t Wettbewerb_Get_Ligasysteme(int32_t* ids)
{
    int32_t n = 0;
    for (int32_t i = 0, benutzt = anzahl_benutzt(); i < benutzt; ++i) {
        if (!wb_daten[i].basisliga) continue;
        Wettbewerb_Datensatz* top = pyramiden_spitze(&wb_daten[i]);
        if (!top || top != &wb_daten[i]) continue;
        if (ids) ids[n] = top->id;
        ++n;
    }
    return n;
}

int32_t Wettbewerb_Get_Ligasystem_Teams(Wettbewerb_Id system, int16_t* teams, int32_t max)
{
    Wettbewerb_Datensatz* s = wb_per_id(system);
    if (!s) return 0;
    int32_t n = 0;
    for (int32_t i = 0, benutzt = anzahl_benutzt(); i < benutzt; ++i) {
        const Wettbewerb_Datensatz& w = wb_daten[i];
        if (!w.basisliga || pyramiden_spitze(&wb_daten[i]) != s) continue;
        for (int32_t k = 0; k < w.listen.anzahl; ++k) {
            if (w.listen.teams[k] < 0) continue;
            if (teams && n < max) teams[n] = w.listen.teams[k];
            ++n;
        }
    }
    if (teams && n > max) {
        Print_Fehler("Wettbewerb_Get_Ligasystem_Teams: %d Teams, Platz für %d", n, max);
        return max;
    }
    return n;
}

int32_t Wettbewerb_Visuell_Horizontal_Anz(Wettbewerb_Id id, int32_t* anzahl, int32_t* position)
{
    Wettbewerb_Datensatz* w = wb_per_id(id);
    int32_t n = 0, pos = 0;
    if (w) {
        int32_t key = w->vk.v[WV_HORIZONTAL];
        if (key < 0) {
            n = 1;
        } else {
            for (int32_t i = 0, benutzt = anzahl_benutzt(); i < benutzt; ++i) {
                if (wb_daten[i].vk.v[WV_HORIZONTAL] != key) continue;
                if (&wb_daten[i] == w) pos = n;
                ++n;
            }
        }
    }
    if (anzahl) *anzahl = n;
    if (position) *position = pos;
    return n;
}

Wettbewerb_Id Wettbewerb_Visuell_Horizontal_Erster(Wettbewerb_Id id)
{
    cursor_horizontal = -1;
    Wettbewerb_Datensatz* w = wb_per_id(id);
    if (!w) return -1;
    int32_t key = w->vk.v[WV_HORIZONTAL];
    if (key < 0) {
        cursor_horizontal = -2 - nummer_von(w);  // a lone league: iteration of one
        return w->id;
    }
    for (int32_t i = 0, benutzt = anzahl_benutzt(); i < benutzt; ++i)
        if (wb_daten[i].vk.v[WV_HORIZONTAL] == key) {
            cursor_horizontal = i;
            return wb_daten[i].id;
        }
    return -1;
}

Wettbewerb_Id Wettbewerb_Visuell_Horizontal_Naechster()
{
    if (!Wettbewerb_Bereit() || cursor_horizontal < 0) {
        cursor_horizontal = -1;
        return -1;
    }
    int32_t key = wb_daten[cursor_horizontal].vk.v[WV_HORIZONTAL];
    for (int32_t i = cursor_horizontal + 1, benutzt = anzahl_benutzt(); i < benutzt; ++i)
        if (wb_daten[i].vk.v[WV_HORIZONTAL] == key) {
            cursor_horizontal = i;
            return wb_daten[i].id;
        }
    cursor_horizontal = -1;
    return -1;
}

int32_t Wettbewerb_Visuell_Vertikal_Anz(Wettbewerb_Id id, int32_t* stufen, int32_t* eigene)
{
    Wettbewerb_Datensatz* w = wb_per_id(id);
    int32_t n = 0, own = 0;
    // Under a hold each record's tiers are counted once.
    const uint64_t halten = wb_halten_stand();
    static uint64_t stand = 0;
    static const Wettbewerb_Datensatz* daten = nullptr;
    static std::array<std::pair<int16_t, int16_t>, WETTBEWERB_ANZAHL> gemerkt;  // tiers and own, -1: not yet
    std::pair<int16_t, int16_t>* merken = nullptr;
    if (w && halten) {
        if (stand != halten || daten != wb_daten) {
            stand = halten;
            daten = wb_daten;
            gemerkt.fill({-1, -1});
        }
        merken = &gemerkt[size_t(nummer_von(w))];
        if (merken->first >= 0) {
            if (stufen) *stufen = merken->first;
            if (eigene) *eigene = merken->second;
            return merken->first;
        }
    }
    if (w) {
        Wettbewerb_Datensatz* r = pyramiden_spitze(w);
        Wettbewerb_Datensatz* w_tier = w->vk.v[WV_HORIZONTAL] >= 0 ? wb_link(w->vk.v[WV_HORIZONTAL]) : w;
        for (int32_t s = 0; r && s < WETTBEWERB_ANZAHL; ++s) {
            Wettbewerb_Datensatz* r_tier = r->vk.v[WV_HORIZONTAL] >= 0 ? wb_link(r->vk.v[WV_HORIZONTAL]) : r;
            if (r_tier == w_tier) own = n;
            ++n;
            r = wb_link(r->vk.v[WV_UNTERLIGA]);
        }
    }
    if (merken) *merken = {int16_t(n), int16_t(own)};
    if (stufen) *stufen = n;
    if (eigene) *eigene = own;
    return n;
}

bool Wettbewerb_Visuell_Vertikal_Anz_Min(Wettbewerb_Id id, int32_t* stufe_a, int32_t* stufe_b, int32_t minimum)
{
    Wettbewerb_Datensatz* w = wb_per_id(id);
    int32_t a = 0, b = 1;
    if (w) {
        Wettbewerb_Visuell_Vertikal_Anz(id, &b, &a);
        if (w->basisliga) b = std::max(b, minimum);
        b = std::max(b, 1);
    }
    if (stufe_a) *stufe_a = a;
    if (stufe_b) *stufe_b = b;
    return w != nullptr;
}

int32_t Wettbewerb_Get_Teams(Wettbewerb_Id id, int16_t* teams)
{
    Wettbewerb_Datensatz* w = wb_per_id(id);
    if (!w) return 0;
    int32_t n = std::min(w->listen.anzahl, WETTBEWERB_MAX_TEAMS);
    if (teams)
        for (int32_t i = 0; i < n; ++i) teams[i] = w->listen.teams[i];
    return n;
}

bool Wettbewerb_Team_In_Liste(Wettbewerb_Id id, int32_t team)
{
    Wettbewerb_Datensatz* w = wb_per_id(id);
    return w && team >= 0 && in_liste(*w, team);
}

int32_t Wettbewerb_Team_Noch_Dabei(Wettbewerb_Id id, int32_t team, int32_t, int32_t)
{
    bool dabei = false;
    if (team >= 0)
        fuer_gruppen(wb_per_id(id), [&](Wettbewerb_Datensatz* g) {
            dabei = in_liste(*g, team);
            return !dabei;
        });
    return dabei ? 1 : 0;
}

int32_t Wettbewerb_Team_In_Wettbewerb(Wettbewerb_Id id, int32_t team) { return Wettbewerb_Team_Noch_Dabei(id, team); }

bool Wettbewerb_Team_Erreicht(Wettbewerb_Id id, int32_t team, int32_t, int32_t)
{
    bool gefunden = false;
    if (team >= 0)
        fuer_kette(wb_per_id(id), [&](Wettbewerb_Datensatz* r) {
            fuer_gruppen(r, [&](Wettbewerb_Datensatz* g) {
                gefunden = in_liste(*g, team) || in_start(*g, team);
                return !gefunden;
            });
            return !gefunden;
        });
    return gefunden;
}

Wettbewerb_Id Wettbewerb_Get_Team_Wettbewerb(int32_t team, int32_t nur_liga, int32_t)
{
    if (team < 0 || !Wettbewerb_Bereit()) return -1;
    if (nur_liga) {
        const Wettbewerb_Datensatz* liga = liga_von(team);
        return liga ? liga->id : -1;
    }
    for (int32_t i = 0, benutzt = anzahl_benutzt(); i < benutzt; ++i)
        if (in_liste(wb_daten[i], team)) return wb_daten[i].id;
    return -1;
}

int32_t Wettbewerb_Get_Land_Wettbewerbe(int32_t land, int32_t* ids, int32_t nur_basisligen)
{
    int32_t n = 0;
    for (int32_t i = 0, benutzt = anzahl_benutzt(); i < benutzt; ++i) {
        const Wettbewerb_Datensatz& w = wb_daten[i];
        const Wettbewerb_Datensatz* nf = wb_link(w.vk.v[WV_NACHFOLGERUNDE]);
        if (nf && !(w.basisliga && !nf->basisliga)) continue;
        if (land != -1 && w.land != land) continue;
        if (nur_basisligen && !w.basisliga) continue;
        if (!ids) {
            ++n;
            continue;
        }
        Wettbewerb_Id o = Wettbewerb_Get_Oberwettbewerb(w.id);
        if (std::find(ids, ids + n, o) == ids + n) ids[n++] = o;
    }
    return n;
}

int32_t Wettbewerb_Get_Schalter(Wettbewerb_Id id, int32_t art)
{
    Wettbewerb_Datensatz* w = wb_per_id(id);
    Wettbewerb_Datensatz* o = w ? wb_link(w->besitzer) : nullptr;
    if (!o || art < 1 || art > WETTBEWERB_SCHALTER) return 0;
    return o->schalter[art - 1];
}

int32_t Wettbewerb_Set_Schalter(Wettbewerb_Id id, int32_t art, int32_t modus)
{
    Wettbewerb_Datensatz* w = wb_per_id(id);
    Wettbewerb_Datensatz* o = w ? wb_link(w->besitzer) : nullptr;
    if (!o || art < 1 || art > WETTBEWERB_SCHALTER || modus < 0 || modus > 2) {
        Print_Fehler("Wettbewerb_Set_Schalter: Wettbewerb %d, Schalter %d, Modus %d falsch", id, art, modus);
        return 0;
    }
    uint8_t& s = o->schalter[art - 1];
    s = modus == 2 ? !s : static_cast<uint8_t>(modus);
    return s;
}

const char* Wettbewerb_Get_Anzeigename(Wettbewerb_Id id, int32_t zusatz)
{
    Wettbewerb_Datensatz* w = wb_per_id(id);
    if (!w) return "";
    if (zusatz && w->gruppen_name[0]) return Temp_Sprintf("%s, %s", w->name, w->gruppen_name);
    return Temp_Sprintf("%s", w->name);
}

const char* Wettbewerb_Get_Rundentext(Wettbewerb_Id id, int32_t tag, int32_t)
{
    static const char* const TEXTE[RT_ANZAHL] = {
        "%d.Spieltag", "1. Runde", "2. Runde", "3. Runde", "4. Runde", "Achtelfinale",
        "Viertelfinale", "Halbfinale", "Finale", "Qualifikation", "Vorrunde", "Zwischenrunde",
        "Spiel um Platz 3"};
    Wettbewerb_Datensatz* w = wb_per_id(id);
    if (!w || tag < 0) return "";
    int32_t rt = tag < WETTBEWERB_MAX_SPIELTAGE ? w->rundentext[tag] : -1;
    if (rt <= RT_SPIELTAG || rt >= RT_ANZAHL) return Temp_Sprintf(TEXTE[RT_SPIELTAG], tag + 1);
    return Temp_Sprintf("%s", TEXTE[rt]);
}

int32_t Wettbewerb_Get_Grafik_Nummer(Wettbewerb_Id id)
{
    Wettbewerb_Datensatz* w = wb_per_id(id);
    return w ? w->grafik_nummer : -1;
}

int32_t Wettbewerb_Get_Spiele_Block(Wettbewerb_Id id)
{
    Wettbewerb_Datensatz* w = wb_per_id(id);
    return w ? w->spiele_block : -1;
}

Wettbewerb_Id Wettbewerb_Get_Quali_Ziel(Wettbewerb_Id id, int32_t platz, int32_t liste)
{
    Wettbewerb_Datensatz* w = wb_per_id(id);
    if (!w || platz < 0 || platz >= WETTBEWERB_PLAETZE || liste < 0 || liste >= WETTBEWERB_ZIEL_LISTEN) return -1;
    return id_von(w->ziele.ziel[liste][platz]);
}

bool Wettbewerb_Ist_Heimrecht(Wettbewerb_Id id)
{
    Wettbewerb_Datensatz* w = wb_per_id(id);
    return w && (w->modus & HEIMRECHT);
}

namespace {

uint64_t halten_zaehler = 0;

}  // namespace

Wettbewerb_Abfragen_Halten::Wettbewerb_Abfragen_Halten()
{
    if (gehalten.tiefe++ == 0) gehalten.nummer = ++halten_zaehler;
}

Wettbewerb_Abfragen_Halten::~Wettbewerb_Abfragen_Halten()
{
    if (--gehalten.tiefe > 0) return;
    gehalten = Gehalten{};
}

uint64_t wb_halten_stand() { return gehalten.tiefe > 0 ? gehalten.nummer : 0; }

namespace {

bool ist_international(Wettbewerb_Datensatz* w);

}  // namespace

bool Wettbewerb_Ist_International(Wettbewerb_Id id)
{
    Wettbewerb_Datensatz* w = wb_per_id(id);
    if (!w) return false;
    if (gehalten.tiefe <= 0) return ist_international(w);
    if (gehalten.daten != wb_daten) {
        gehalten.daten = wb_daten;
        gehalten.international.assign(WETTBEWERB_ANZAHL, -1);
        gehalten.ziel_menge.assign(WETTBEWERB_ANZAHL, {});
        gehalten.ziel_da.assign(WETTBEWERB_ANZAHL, 0);
    }
    int8_t& gemerkt = gehalten.international[size_t(nummer_von(w))];
    if (gemerkt < 0) gemerkt = ist_international(w) ? 1 : 0;
    return gemerkt != 0;
}

namespace {

// Whether every place of a list holds a negative value: the sign bits of all its values, two
// values a word.
bool alle_negativ(const int32_t (&liste)[WETTBEWERB_PLAETZE])
{
    static_assert(WETTBEWERB_PLAETZE % 8 == 0);
    constexpr uint64_t VORZEICHEN = 0x8000000080000000ull;
    uint64_t a = ~uint64_t(0), b = a, c = a, d = a;
    for (int32_t k = 0; k < WETTBEWERB_PLAETZE; k += 8) {
        uint64_t w[4];
        std::memcpy(w, liste + k, sizeof w);
        a &= w[0];
        b &= w[1];
        c &= w[2];
        d &= w[3];
    }
    return (a & b & c & d & VORZEICHEN) == VORZEICHEN;
}

// Whether a place target of record i names record nr. Under a hold the targets of a record are
// gathered once into a set and kept for the hold's further questions.
bool zielt_auf(int32_t i, int32_t nr)
{
    const Wettbewerb_Platz_Ziele& z = wb_daten[i].ziele;
    if (gehalten.tiefe <= 0 || gehalten.daten != wb_daten || size_t(i) >= gehalten.ziel_da.size() || nr < 0 ||
        nr >= WETTBEWERB_ANZAHL) {
        for (const auto& liste : z.ziel)
            if (std::find(liste, liste + WETTBEWERB_PLAETZE, nr) != liste + WETTBEWERB_PLAETZE) return true;
        return false;
    }
    std::array<uint64_t, 2>& menge = gehalten.ziel_menge[size_t(i)];
    if (!gehalten.ziel_da[size_t(i)]) {
        gehalten.ziel_da[size_t(i)] = 1;
        for (const auto& liste : z.ziel) {
            if (alle_negativ(liste)) continue;  // most lists name no record at all
            for (int32_t v : liste)
                if (uint32_t(v) < uint32_t(WETTBEWERB_ANZAHL)) menge[size_t(v) / 64] |= uint64_t(1) << (v % 64);
        }
    }
    return (menge[size_t(nr) / 64] >> (nr % 64)) & 1;
}

bool ist_international(Wettbewerb_Datensatz* w)
{
    int32_t erstes = -2;
    bool mehrere = false;
    auto land = [&](int32_t l) {
        if (l < 0) return;
        if (erstes == -2) erstes = l;
        else if (l != erstes) mehrere = true;
    };
    // The land of a team's base league (the index checked once for the whole call).
    const std::vector<int16_t>& liga = liga_tabelle();
    auto team_land = [&](int32_t team) {
        if (team >= 0 && size_t(team) < liga.size() && liga[size_t(team)] >= 0) land(wb_daten[liga[size_t(team)]].land);
    };
    const int32_t benutzt = anzahl_benutzt();
    // The whole competition counts, so that a later round of an international cup is one too.
    fuer_kette(w, [&](Wettbewerb_Datensatz* r) {
        fuer_gruppen(r, [&](Wettbewerb_Datensatz* g) {
            if (g->ausrichter >= 0) mehrere = true;
            for (int32_t k = 0; k < g->quali_land_anz; ++k) land(g->quali_land[k].land);
            for (int32_t k = 0; k < g->listen.anzahl; ++k) team_land(g->listen.teams[k]);
            for (int32_t k = 0; k < g->listen.start_anzahl; ++k) team_land(g->listen.start[k]);
            int32_t nr = nummer_von(g);
            for (int32_t i = 0; i < benutzt; ++i) {
                // a land that is none or the first one changes nothing: no need to look
                const int32_t l = wb_daten[i].land;
                if (mehrere || l < 0 || l == erstes || i == nr || wb_daten[i].besitzer == w->besitzer) continue;
                if (zielt_auf(i, nr)) land(l);
            }
            return !mehrere;
        });
        return !mehrere;
    });
    return mehrere;
}

}  // namespace

int32_t Wettbewerb_Get_Anzahl_Spiele_Pro_Paarung(Wettbewerb_Id id)
{
    Wettbewerb_Datensatz* w = wb_per_id(id);
    return w && w->best_of_x > 1 ? w->best_of_x : 1;
}

int32_t Wettbewerb_Gelbsperre_Faellig(Wettbewerb_Id id, int32_t gelbe)
{
    Wettbewerb_Datensatz* w = wb_per_id(id);
    if (!w || w->erste_gelbsperre <= 0 || gelbe < w->erste_gelbsperre) return 0;
    int32_t ueber = gelbe - w->erste_gelbsperre;
    if (w->intervall_gelbsperre <= 0) return ueber == 0 ? 1 : 0;  // only the first ban
    return ueber % w->intervall_gelbsperre == 0 ? 1 : 0;
}

int32_t Wettbewerb_Get_Liga_Niveau(int32_t team)
{
    Wettbewerb_Datensatz* liga = Wettbewerb_Bereit() ? liga_von(team) : nullptr;
    if (!liga) return 0;
    int32_t stufen = 1, eigene = 0;
    Wettbewerb_Visuell_Vertikal_Anz(liga->id, &stufen, &eigene);
    if (stufen < 1) return 0;
    return klemmen(100 * (stufen - eigene) / stufen, 0, 100);
}

int32_t Wettbewerb_Get_Team_Ansehen(int32_t team)
{
    Wettbewerb_Datensatz* liga = Wettbewerb_Bereit() ? liga_von(team) : nullptr;
    return liga ? klemmen(liga->wichtig, 0, 100) : 0;
}

int32_t Wettbewerb_Get_Team_Bedeutung(int32_t team, int32_t nur_liga)
{
    int32_t best = 0;
    if (team < 0 || !Wettbewerb_Bereit()) return 0;
    for (int32_t i = 0, benutzt = anzahl_benutzt(); i < benutzt; ++i) {
        const Wettbewerb_Datensatz& w = wb_daten[i];
        if ((!nur_liga || w.basisliga) && in_liste(w, team)) best = std::max(best, klemmen(w.wichtig, 0, 100));
    }
    return best;
}

int32_t Wettbewerb_Niveau_Skalieren(int32_t team, int32_t wert, int32_t invertieren)
{
    int32_t p = klemmen(Wettbewerb_Get_Liga_Niveau(team), 1, 100);
    if (invertieren) p = 101 - p;
    return static_cast<int32_t>(static_cast<int64_t>(wert) * p / 100);
}

int32_t Wettbewerb_Niveau_Gewichten(int32_t team, int32_t wert, int32_t gewicht)
{
    int64_t g = klemmen(gewicht, 0, 100);
    int64_t n = Wettbewerb_Get_Liga_Niveau(team);
    return static_cast<int32_t>(static_cast<int64_t>(wert) * ((100 - g) * 100 + g * n) / 10000);
}

namespace {

// A competition's last counted table as the sponsors, the auctions and a match day's stakes read
// it (order, points and games): they ask club by club, day after day, and the table holds while
// no result changes, no kept table is dropped and the count asks the same (a table of one
// club's games only is not kept here, nor a client's, which is the server's answer for the club
// asked about).
struct Gezaehlt {
    bool gueltig = false;
    Wb_Gezaehlte_Tabelle tabelle;
    int32_t block = -1, erster = 0, letzter = 0, drei = 0, optionen = 0, live = 0;
    uint32_t aenderungen = 0, verworfen = 0;
    int32_t anzahl = 0;
    int16_t liste[WETTBEWERB_MAX_TEAMS] = {};

    bool passt(int32_t b, int32_t e, int32_t l, int32_t d, int32_t o, int32_t li, const int16_t* teams, int32_t n) const
    {
        return gueltig && block == b && erster == e && letzter == l && drei == d && optionen == o && live == li &&
               aenderungen == spiele_aenderungen && verworfen == spiele_tabellen_verworfen && anzahl == n &&
               std::equal(teams, teams + n, liste);
    }
};

std::array<Gezaehlt, WETTBEWERB_MAX_ID + 1> gezaehlt;

// The team numbers of a competition into a table that is about to be counted, the whole record
// from zero first, as a caller may read fields that a count does not write.
void tabelle_anlegen(Tabelle_Datensatz* t, Wettbewerb_Id id, const int16_t* liste, int32_t n)
{
    *t = Tabelle_Datensatz{};
    for (int32_t i = 0; i < TABELLE_MAX_TEAMS; ++i) {
        t->team[i] = i < n ? liste[i] : -1;
        t->platz[i] = i < n ? i : -1;
        t->vorher[i] = -1;
    }
    t->anzahl = n;
    t->wettbewerb = id;
}

}  // namespace

int32_t Wb_Gezaehlte_Tabelle::platz_von(int32_t nr) const
{
    for (int32_t platz = 0; platz < zeilen; ++platz)
        if (team_am_platz[platz] == nr) return platz;
    return -1;
}

const Wb_Gezaehlte_Tabelle* wb_gezaehlte_tabelle(const Wettbewerb_Datensatz& w, int32_t erster, int32_t letzter,
                                                 int32_t optionen, int32_t live, const int16_t* liste, int32_t n,
                                                 int32_t team)
{
    if (w.id < 0 || w.id > WETTBEWERB_MAX_ID || n <= 0 || n > WETTBEWERB_MAX_TEAMS) return nullptr;
    const int32_t drei = (w.modus & ENGLISCHE_TABELLE) ? 1 : 0;
    const bool behalten = Netz_Rolle != 1 && (live == 0 || live == 1) && !(optionen & TAB_NUR_TEAM);
    static Gezaehlt einmal;  // a table that is not kept
    Gezaehlt& g = behalten ? gezaehlt[size_t(w.id)] : einmal;
    if (behalten && g.passt(w.spiele_block, erster, letzter, drei, optionen, live, liste, n)) return &g.tabelle;
    g.gueltig = false;
    Wb_Gezaehlte_Tabelle& z = g.tabelle;
    int32_t platz[TABELLE_MAX_TEAMS];
    if (behalten) {
        // The columns and the order are all that is read: counted without a table record.
        int32_t teams[TABELLE_MAX_TEAMS];
        std::copy(liste, liste + n, teams);
        if (!spiele_tabelle_zaehlen(w.id, w.spiele_block, erster, letzter, drei, optionen, teams, n, live, z.punkte,
                                    z.spiele, platz))
            return nullptr;
        z.zeilen = n;
        std::copy(teams, teams + n, z.team);
    } else {
        // 26 KB: too large for the stack of every caller, and the window thread is the only one.
        static Tabelle_Datensatz t;
        tabelle_anlegen(&t, w.id, liste, n);
        if (Spiele_Tabelle_Berechnen(w.id, w.spiele_block, erster, letzter, drei, optionen, &t, team, 0, -1, -1,
                                     live, 0, -1) < 0)
            return nullptr;
        z.zeilen = std::clamp(t.anzahl, 0, TABELLE_MAX_TEAMS);
        for (int32_t s = 0; s < z.zeilen; ++s) {
            z.team[s] = t.team[s];
            z.punkte[s] = t.punkte[TAB_GESAMT][s];
            z.spiele[s] = t.spiele[TAB_GESAMT][s];
        }
        std::copy(t.platz, t.platz + z.zeilen, platz);
    }
    for (int32_t s = 0; s < z.zeilen; ++s)
        z.team_am_platz[s] = platz[s] >= 0 && platz[s] < z.zeilen ? z.team[platz[s]] : -1;
    if (behalten) {
        g.gueltig = true;
        g.block = w.spiele_block;
        g.erster = erster;
        g.letzter = letzter;
        g.drei = drei;
        g.optionen = optionen;
        g.live = live;
        g.aenderungen = spiele_aenderungen;
        g.verworfen = spiele_tabellen_verworfen;
        g.anzahl = n;
        std::copy(liste, liste + n, g.liste);
    }
    return &z;
}

int32_t Wettbewerb_Get_Tabellenplatz(Wettbewerb_Id id, int32_t team, int32_t erster, int32_t letzter,
                                     int32_t optionen, int32_t live)
{
    Wettbewerb_Datensatz* w = wb_per_id(id);
    if (!w || team < 0 || w->spiele_block < 0) return -1;
    const int32_t drei = (w->modus & ENGLISCHE_TABELLE) ? 1 : 0;
    int16_t liste[WETTBEWERB_MAX_TEAMS];
    const int32_t n = Wettbewerb_Get_Teams(id, liste);
    if (n <= 0) return -1;
    if (Netz_Rolle != 1 && gezaehlt[size_t(id)].passt(w->spiele_block, erster, letzter, drei, optionen, live, liste, n))
        return gezaehlt[size_t(id)].tabelle.platz_von(team);
    // The panels ask club by club too: a table kept since the last result answers without a
    // table of its own.
    const int32_t gehalten =
        Spiele_Tabelle_Gehaltener_Platz(id, w->spiele_block, erster, letzter, drei, optionen, liste, n, team, live);
    if (gehalten != SPIELE_TABELLE_NICHT_GEHALTEN) return gehalten;
    const Wb_Gezaehlte_Tabelle* z = wb_gezaehlte_tabelle(*w, erster, letzter, optionen, live, liste, n, team);
    return z ? z->platz_von(team) : -1;
}

int32_t Wettbewerb_Get_Tabellenplatz_Prozent(int32_t team, int32_t* platz)
{
    Wettbewerb_Datensatz* liga = Wettbewerb_Bereit() ? liga_von(team) : nullptr;
    int32_t p = liga ? Wettbewerb_Get_Tabellenplatz(liga->id, team, -1, -1, 31, 0) : -1;
    if (platz) *platz = p;
    if (p < 0 || liga->teams <= 0) return 80;
    return klemmen(100 - p * 100 / liga->teams, 0, 100);
}

static_assert(WETTBEWERB_MAX_TEAMS == TABELLE_MAX_TEAMS, "a table holds every team of a list");

int32_t Wettbewerb_Tabelle_Vorbereiten(Wettbewerb_Id id, Tabelle_Datensatz* t)
{
    if (!t) {
        Print_Fehler("Wettbewerb_Tabelle_Vorbereiten: tabelle=NULL!");
        return 0;
    }
    int16_t liste[WETTBEWERB_MAX_TEAMS];
    const int32_t n = Wettbewerb_Get_Teams(id, liste);
    tabelle_anlegen(t, id, liste, n);
    return n;
}

int32_t Wettbewerb_Paarungen_Zaehlen(const Wettbewerb_Datensatz* w, int32_t tag)
{
    if (!w) return 0;
    if (tag == -1) tag = w->spieltag;
    if (tag < 0) return 0;
    if (w->modus & SPIELE_PRO_SPIELTAG_VARIABEL) {
        // The day's matches stand in the fixture block, first legs in slots from 0: count them by
        // locking one after the other.
        if (w->spiele_block < 0) return 0;
        int32_t n = 0;
        for (; n < 128; ++n) {
            const int32_t h = Spiele_Lock(w->spiele_block, tag, 0, n);
            if (!h) break;
            Spiele_Unlock(h);
        }
        return n;
    }
    if (w->modus & KO_SYSTEM) {
        // Each knock-out match day halves the field, a bye kept.
        return Spiele_KO_Paare(w->teams, tag);
    }
    return w->teams / 2;
}

int32_t Wettbewerb_Get_Paarung(Wettbewerb_Id id, int32_t tag)
{
    if (!Wettbewerb_Bereit() || tag < -1) return -1;
    Wettbewerb_Datensatz* w = wb_per_id(id);
    return w ? Wettbewerb_Paarungen_Zaehlen(w, tag) : -1;
}

Wettbewerb_Id Wettbewerb_Get_Dummy_Id()
{
    for (int32_t i = 0, benutzt = Wettbewerb_Bereit() ? anzahl_benutzt() : 0; i < benutzt; ++i)
        if (wb_daten[i].schalter[4]) return wb_daten[i].id;
    return -1;
}

bool Wettbewerb_Gibt_Es_International()
{
    for (int32_t i = 0, benutzt = Wettbewerb_Bereit() ? anzahl_benutzt() : 0; i < benutzt; ++i)
        if (!wb_daten[i].basisliga && Wettbewerb_Ist_International(wb_daten[i].id)) return true;
    return false;
}

void Wettbewerb_Platz_Ziele_Marken_Loeschen()
{
    // Over every record: a list is read first and written only when it holds a mark, which is
    // rare; the read runs without a branch per place (four places a step).
    Wettbewerb_Datensatz* const daten = wb_daten;
    for (int32_t i = 0; daten && i < WETTBEWERB_ANZAHL; ++i)
        for (auto& liste : daten[i].ziele.ziel) {
            uint32_t markiert = 0;
            for (const int32_t z : liste) markiert |= uint32_t(z == -3);
            if (!markiert) continue;
            for (auto& z : liste)
                if (z == -3) z = -1;
        }
    wb_ziel_marken_moeglich = false;
}

void wb_ziel_marken_taeglich()
{
    if (wb_ziel_marken_moeglich) Wettbewerb_Platz_Ziele_Marken_Loeschen();
}

int32_t Wettbewerb_Startscreen_Bild(Menue_Icon* icon, uint32_t)
{
    Rastport* ziel = icon ? (icon->bitmap ? icon->bitmap : Grafik_Render_Ziel) : nullptr;
    if (!ziel || ResFile_Handles[0].handle < 0) return 0;
    auto* bild = static_cast<Rastport*>(Load_Resource(ResFile_Handles[0].handle, 450, ziel->depth, nullptr));
    if (!bild) return 0;
    const int32_t x = icon->bitmap ? 0 : icon->x, y = icon->bitmap ? 0 : icon->y;
    Grafik_Blit(bild, 0, 0, std::min<int32_t>(int32_t(bild->width), icon->breite),
                std::min<int32_t>(int32_t(bild->height), icon->hoehe), ziel, x, y);
    Grafik_Bitmap_Freigeben(bild);
    return 1;
}
