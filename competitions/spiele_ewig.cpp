// Eternal table, series, head-to-head and winners, and the eternal view of the table computation.
#include "competitions/spiele_ewig.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "competitions/spiele.h"
#include "competitions/spiele_intern.h"
#include "gameflow/globals.h"
#include "competitions/spiele_tabelle.h"
#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "gameflow/kalender.h"

namespace {

// The owning competition of a competition, -1 when unknown.
int32_t ober(int32_t wettbewerb)
{
    if (wettbewerb < 0) return -1;
    return Wettbewerb_Get_Oberwettbewerb(wettbewerb);
}

bool team_ok(int32_t team) { return team >= 0 && team < Team_Anzahl; }

uint32_t ewig_key(int32_t o, int32_t team) { return uint32_t(o) * uint32_t(Team_Anzahl) + uint32_t(team) + 1u; }

// The head-to-head key grows with the square of the team count; 0 when it does not fit.
uint32_t gegen_key(int32_t o, int32_t team, int32_t gegner)
{
    const uint64_t t = uint64_t(Team_Anzahl);
    uint64_t k = uint64_t(team) * t + uint64_t(o) * t * t + uint64_t(gegner) + 1u;
    return k > 0xFFFFFFFFu ? 0 : uint32_t(k);
}

template <typename E>
E* eintrag(int32_t array, uint32_t key, bool anlegen, bool* neu = nullptr)
{
    return reinterpret_cast<E*>(spiele_array_holen(spiele_arrays[array], key, anlegen, neu));
}

uint8_t plus_eins(uint8_t v) { return v == 255 ? v : uint8_t(v + 1); }
uint16_t plus(uint16_t v, int32_t d) { return uint16_t(v + d); }

}  // namespace

int32_t Spiele_Ewige_Tabelle_Suchen(uint32_t key) { return spiele_array_suchen(spiele_arrays[SPA_EWIG], key); }
int32_t Spiele_Serien_Suchen(uint32_t key) { return spiele_array_suchen(spiele_arrays[SPA_SERIEN], key); }
int32_t Spiele_Gegen_Suchen(uint32_t key) { return spiele_array_suchen(spiele_arrays[SPA_GEGEN], key); }
int32_t Spiele_Sieger_Suchen(uint32_t key) { return spiele_array_suchen(spiele_arrays[SPA_SIEGER], key); }

void Spiele_Set_Nachspiel_Statistik(int32_t h)
{
    if (!Spiele_Ist_Initialisiert()) return;
    spiele_client_marker("Set_Nachspiel_Statistik");
    const Spiele_Spiel* s = Spiele_Get_Spiel(h, 1);
    if (!s || s->heim_tore == -1 || !team_ok(s->heim) || !team_ok(s->gast)) return;
    const Spiele_Spiel r = *s;
    const int32_t hg = r.heim_tore, ag = r.gast_tore;
    const int32_t ph = hg > ag ? 3 : hg == ag ? 1 : 0, pa = ag > hg ? 3 : hg == ag ? 1 : 0;
    const int32_t ch = hg > ag ? 1 : hg == ag ? 0 : 2, ca = ag > hg ? 1 : hg == ag ? 0 : 2;
    Spiele_Set_Ewige_Tabelle(r.wettbewerb, r.heim, 64, ph, hg, ag, ch, 0);
    Spiele_Set_Ewige_Tabelle(r.wettbewerb, r.gast, 64, pa, ag, hg, ca, 1);
    auto flags = [](int32_t f, int32_t g, int32_t* out) {
        out[SERIE_OHNE_TOR] = f == 0;
        out[SERIE_OHNE_GEGENTOR] = g == 0;
        out[SERIE_NIEDERLAGEN] = f < g;
        out[SERIE_SIEGE] = f > g;
        out[SERIE_REMIS] = f == g;
        out[SERIE_OHNE_SIEG] = f <= g;
        out[SERIE_OHNE_NIEDERLAGE] = f >= g;
    };
    int32_t fh[SERIE_ANZAHL], fa[SERIE_ANZAHL];
    flags(hg, ag, fh);
    flags(ag, hg, fa);
    for (int32_t w : {int32_t(r.wettbewerb), -1}) {
        Spiele_Set_Serien(w, r.heim, fh, 0);
        Spiele_Set_Serien(w, r.gast, fa, 1);
    }
    Spiele_Set_Spiele_Gegen(r.wettbewerb, r.heim, r.gast, hg, ag);
}

void Spiele_Set_Ewige_Tabelle(int32_t wettbewerb, int32_t team, int32_t modus, int32_t punkte, int32_t tore,
                              int32_t gegentore, int32_t ergebnis, int32_t seite)
{
    if (!Spiele_Ist_Initialisiert()) return;
    spiele_client_marker("Set_Ewige_Tabelle");
    const int32_t o = ober(wettbewerb);
    if (o < 0 || !team_ok(team) || (seite != 0 && seite != 1)) return;
    auto* z = eintrag<Ewige_Tabelle_Zeile>(SPA_EWIG, ewig_key(o, team), true);
    if (!z) return;
    if (modus != 64) {
        z->punkte[seite] = z->tore[seite] = z->gegentore[seite] = 0;
        z->siege[seite] = z->remis[seite] = z->niederlagen[seite] = 0;
        return;
    }
    z->punkte[seite] = plus(z->punkte[seite], punkte);
    z->tore[seite] = plus(z->tore[seite], tore);
    z->gegentore[seite] = plus(z->gegentore[seite], gegentore);
    if (ergebnis == 1) z->siege[seite] = plus(z->siege[seite], 1);
    else if (ergebnis == 0) z->remis[seite] = plus(z->remis[seite], 1);
    else if (ergebnis == 2) z->niederlagen[seite] = plus(z->niederlagen[seite], 1);
}

bool Spiele_Get_Ewige_Tabelle(int32_t block, int32_t team, int32_t* punkte, int32_t* tore, int32_t* gegentore,
                              int32_t* siege, int32_t* remis, int32_t* niederlagen, int32_t ansicht)
{
    int32_t* aus[6] = {punkte, tore, gegentore, siege, remis, niederlagen};
    for (int32_t* p : aus)
        if (p) *p = 0;
    if (!Spiele_Ist_Initialisiert()) return false;
    spiele_client_marker("Get_Ewige_Tabelle");
    const int32_t o = ober(spiele_block_wettbewerb(block));
    if (o < 0 || !team_ok(team)) return false;
    const auto* z = eintrag<Ewige_Tabelle_Zeile>(SPA_EWIG, ewig_key(o, team), false);
    if (!z) return false;
    for (int32_t seite = 0; seite < 2; ++seite) {
        if (ansicht != 2 && ansicht != seite) continue;
        const uint16_t werte[6] = {z->punkte[seite], z->tore[seite], z->gegentore[seite],
                                   z->siege[seite], z->remis[seite], z->niederlagen[seite]};
        for (int32_t i = 0; i < 6; ++i)
            if (aus[i]) *aus[i] += werte[i];
    }
    return true;
}

void Spiele_Set_Serien(int32_t wettbewerb, int32_t team, const int32_t flags[SERIE_ANZAHL], int32_t seite)
{
    if (!Spiele_Ist_Initialisiert()) return;
    spiele_client_marker("Set_Serien");
    const int32_t o = wettbewerb == -1 ? SERIE_ALLE : ober(wettbewerb);
    if (o < 0 || !flags || !team_ok(team) || (seite != 0 && seite != 1)) return;
    auto* s = eintrag<Spiele_Serie>(SPA_SERIEN, ewig_key(o, team), true);
    if (!s) return;
    for (int32_t i = 0; i < SERIE_ANZAHL; ++i) {
        s->zaehler[i][seite] = flags[i] ? plus_eins(s->zaehler[i][seite]) : 0;
        s->zaehler[i][2] = flags[i] ? plus_eins(s->zaehler[i][2]) : 0;
    }
}

void Spiele_Serien_Zuruecksetzen()
{
    // A client keeps no series: it asks the server for them.
    if (Netz_Rolle == 1 || !Spiele_Ist_Initialisiert()) return;
    Spiele_Array& a = spiele_arrays[SPA_SERIEN];
    for (int32_t i = 0; i < a.anzahl; ++i)
        std::memset(spiele_array_eintrag(a, i) + offsetof(Spiele_Serie, zaehler), 0, sizeof(Spiele_Serie::zaehler));
}

bool Spiele_Get_Serien(int32_t wettbewerb, int32_t team, int32_t werte[SERIE_ANZAHL], int32_t spalte)
{
    if (werte) std::fill(werte, werte + SERIE_ANZAHL, 0);
    if (Netz_Rolle == 1) return spiele_fern_serien(wettbewerb, team, werte, spalte);
    if (!Spiele_Ist_Initialisiert()) return false;
    const int32_t o = wettbewerb == -1 ? SERIE_ALLE : ober(wettbewerb);
    if (o < 0 || !team_ok(team) || spalte < 0 || spalte > 2) return false;
    const auto* s = eintrag<Spiele_Serie>(SPA_SERIEN, ewig_key(o, team), false);
    if (!s) return false;
    for (int32_t i = 0; werte && i < SERIE_ANZAHL; ++i) werte[i] = s->zaehler[i][spalte];
    return true;
}

void Spiele_Set_Spiele_Gegen(int32_t wettbewerb, int32_t team, int32_t gegner, int32_t tore, int32_t gegentore)
{
    if (!Spiele_Ist_Initialisiert()) return;
    spiele_client_marker("Set_Spiele_Gegen");
    const int32_t o = ober(wettbewerb);
    if (o < 0 || !team_ok(team) || !team_ok(gegner) || tore < 0 || gegentore < 0) return;
    const uint32_t key = gegen_key(o, team, gegner);
    if (!key) return;
    bool neu = false;
    auto* g = eintrag<Spiele_Gegen>(SPA_GEGEN, key, true, &neu);
    if (!g) return;
    if (neu) std::memset(g->letzte, 255, sizeof g->letzte);
    if (tore > gegentore) g->siege = plus_eins(g->siege);
    else if (tore == gegentore) g->remis = plus_eins(g->remis);
    else g->niederlagen = plus_eins(g->niederlagen);
    std::memmove(g->letzte + 1, g->letzte, 4);
    g->letzte[0] = uint8_t(std::min(tore, 15) + 16 * std::min(gegentore, 15));
}

bool Spiele_Get_Spiele_Gegen(int32_t wettbewerb, int32_t team, int32_t gegner, int32_t* siege, int32_t* remis,
                             int32_t* niederlagen, int32_t* ergebnisse, int32_t kapazitaet)
{
    if (Netz_Rolle == 1)
        return spiele_fern_gegen(wettbewerb, team, gegner, siege, remis, niederlagen, ergebnisse, kapazitaet);
    int32_t w = 0, d = 0, l = 0, n = 0;
    bool gefunden = false;
    auto sammeln = [&](int32_t o) {
        const uint32_t key = gegen_key(o, team, gegner);
        const auto* g = key ? eintrag<Spiele_Gegen>(SPA_GEGEN, key, false) : nullptr;
        if (!g) return;
        gefunden = true;
        w += g->siege;
        d += g->remis;
        l += g->niederlagen;
        for (int32_t i = 0; i < 5 && ergebnisse && n < kapazitaet; ++i) {
            if (g->letzte[i] == 255) break;
            ergebnisse[3 * n] = g->letzte[i] & 15;
            ergebnisse[3 * n + 1] = g->letzte[i] >> 4;
            ergebnisse[3 * n + 2] = o;
            ++n;
        }
    };
    if (Spiele_Ist_Initialisiert() && team_ok(team) && team_ok(gegner)) {
        if (wettbewerb >= 0) {
            if (ober(wettbewerb) >= 0) sammeln(ober(wettbewerb));
        } else if (wettbewerb == -1) {
            bool gesehen[384] = {};
            for (int32_t id = 0; id < 384; ++id) {
                const int32_t o = ober(id);
                if (o < 0 || o >= 384 || gesehen[o]) continue;
                gesehen[o] = true;
                sammeln(o);
            }
        }
    }
    if (siege) *siege = w;
    if (remis) *remis = d;
    if (niederlagen) *niederlagen = l;
    return gefunden;
}

void Spiele_Set_Wettbewerb_Sieger(int32_t wettbewerb, int32_t sieger, int32_t saison, int32_t zweiter,
                                  int32_t wert_1, int32_t wert_2)
{
    if (!Spiele_Ist_Initialisiert()) return;
    spiele_client_marker("Set_Wettbewerb_Sieger");
    const int32_t o = ober(wettbewerb);
    if (o < 0 || !team_ok(sieger) || saison < 0 || saison > 6000000) return;
    auto* s = eintrag<Spiele_Sieger>(SPA_SIEGER, uint32_t(saison) * 640u + uint32_t(o) + 1u, true);
    if (!s) return;
    s->sieger = uint16_t(sieger);
    s->zweiter = team_ok(zweiter) ? uint16_t(zweiter) : 0xFFFF;
    s->wert_1 = uint8_t(wert_1);
    s->wert_2 = uint8_t(wert_2);
}

int32_t Spiele_Get_Wettbewerb_Sieger(int32_t wettbewerb, int32_t saison, int32_t* zweiter, int32_t* wert_1,
                                     int32_t* wert_2)
{
    if (zweiter) *zweiter = -1;
    if (wert_1) *wert_1 = 0;
    if (wert_2) *wert_2 = 0;
    if (Netz_Rolle == 1) return spiele_fern_sieger(wettbewerb, saison);
    if (!Spiele_Ist_Initialisiert()) return -1;
    const int32_t o = ober(wettbewerb);
    if (o < 0 || saison < 0 || saison > 6000000) return -1;
    const auto* s = eintrag<Spiele_Sieger>(SPA_SIEGER, uint32_t(saison) * 640u + uint32_t(o) + 1u, false);
    if (!s) return -1;
    if (zweiter) *zweiter = s->zweiter == 0xFFFF ? -1 : s->zweiter;
    if (wert_1) *wert_1 = s->wert_1;
    if (wert_2) *wert_2 = s->wert_2;
    return s->sieger;
}

int32_t Spiele_Get_Wettbewerb_Sieger_Array(int32_t wettbewerb, int32_t* sieger, int32_t* saisons, int32_t kapazitaet)
{
    if (!Spiele_Ist_Initialisiert()) return 0;
    spiele_client_marker("Get_Wettbewerb_Sieger_Array");
    int32_t n = 0;
    const int32_t bis = Kalender_Get_Datum_Heute().jahr;
    for (int32_t jahr = Kalender_Get_Datum(0, 1).jahr; jahr <= bis && n < kapazitaet; ++jahr) {
        const int32_t s = Spiele_Get_Wettbewerb_Sieger(wettbewerb, jahr, nullptr, nullptr, nullptr);
        if (s < 0) continue;
        if (sieger) sieger[n] = s;
        if (saisons) saisons[n] = jahr;
        ++n;
    }
    return n;
}

// ---- The eternal view of the table computation ----

namespace {

struct Ewig_Reihe {
    int32_t team;
    int32_t punkte, tore, gegentore, siege, remis, niederlagen;
    int32_t spiele() const { return siege + remis + niederlagen; }
};

bool schlaegt(const Ewig_Reihe& a, const Ewig_Reihe& b, int32_t optionen, int32_t drei)
{
    if (optionen & TAB_PUNKTE) {
        if (a.punkte != b.punkte) return a.punkte > b.punkte;
        if (!drei) {
            const int32_t ma = a.spiele() * 2 - a.punkte, mb = b.spiele() * 2 - b.punkte;
            if (ma != mb) return ma > mb;
        }
    }
    if (!(optionen & (TAB_TORE | TAB_GEGENTORE))) return false;
    auto wert = [&](const Ewig_Reihe& r) {
        return int64_t(100000) + ((optionen & TAB_TORE) ? r.tore : 0) - ((optionen & TAB_GEGENTORE) ? r.gegentore : 0);
    };
    return wert(a) > wert(b);
}

}  // namespace

int64_t spiele_ewige_tabelle(int32_t block, int32_t drei, int32_t optionen, Tabelle_Datensatz* t, int32_t team)
{
    const int32_t ansicht = !(optionen & TAB_HEIM) ? 1 : !(optionen & TAB_AUSWAERTS) ? 0 : 2;
    Ewig_Reihe reihen[TABELLE_EWIG_ZEILEN + 1];
    int32_t n = 0;
    for (int32_t nr = 0; nr < Team_Anzahl; ++nr) {
        Ewig_Reihe r{nr, 0, 0, 0, 0, 0, 0};
        if (!Spiele_Get_Ewige_Tabelle(block, nr, &r.punkte, &r.tore, &r.gegentore, &r.siege, &r.remis,
                                      &r.niederlagen, ansicht))
            continue;
        int32_t pos = 0;
        while (pos < n && !schlaegt(r, reihen[pos], optionen, drei)) ++pos;
        if (pos >= TABELLE_EWIG_ZEILEN) continue;
        std::copy_backward(reihen + pos, reihen + n, reihen + n + 1);
        reihen[pos] = r;
        n = std::min(n + 1, TABELLE_EWIG_ZEILEN);
    }
    std::memset(t->spiele, 0, sizeof t->spiele);
    std::memset(t->punkte, 0, sizeof t->punkte);
    std::memset(t->tore, 0, sizeof t->tore);
    std::memset(t->gegentore, 0, sizeof t->gegentore);
    std::memset(t->tag_ergebnis, 0, sizeof t->tag_ergebnis);
    std::memset(t->tag_ort, 0, sizeof t->tag_ort);
    int64_t ergebnis = -1;
    t->anzahl = n;
    for (int32_t i = 0; i < TABELLE_MAX_TEAMS; ++i) t->platz[i] = t->vorher[i] = -1;
    for (int32_t i = 0; i < n; ++i) {
        t->team[i] = reihen[i].team;
        t->platz[i] = i;
        for (int32_t teil = 1; teil <= 2; ++teil) {
            if (ansicht != 2 && ansicht != teil - 1) continue;
            Ewig_Reihe r{};
            Spiele_Get_Ewige_Tabelle(block, reihen[i].team, &r.punkte, &r.tore, &r.gegentore, &r.siege, &r.remis,
                                     &r.niederlagen, teil - 1);
            const int32_t werte[3] = {r.siege, r.remis, r.niederlagen};
            for (int32_t ziel : {0, teil}) {
                t->punkte[ziel][i] += r.punkte;
                t->tore[ziel][i] += r.tore;
                t->gegentore[ziel][i] += r.gegentore;
                t->spiele[ziel][i] += r.spiele();
                for (int32_t e = 0; e < 3; ++e) Tabelle_Ewig_Zaehler(*t, ziel, e, i) = uint16_t(Tabelle_Ewig_Zaehler(*t, ziel, e, i) + werte[e]);
            }
        }
        const int64_t k = Spiele_Tabelle_Key(t, i, optionen, drei);
        t->key[i] = uint32_t(k);
        if (reihen[i].team == team && ergebnis < 0) ergebnis = int64_t(uint32_t(k));
    }
    t->optionen = optionen;
    t->wettbewerb = spiele_block_wettbewerb(block);
    return ergebnis;
}
