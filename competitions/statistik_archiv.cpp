// Table archive and statistics queries.
#include "competitions/statistik_archiv.h"

#include <algorithm>
#include <cstring>

#include "competitions/spiele.h"
#include "competitions/spiele_ewig.h"
#include "competitions/spiele_tabelle.h"
#include "competitions/statistik.h"
#include "competitions/wettbewerb.h"
#include "database/spieler.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "platform/compress.h"
#include "platform/liste.h"
#include "platform/mem.h"

namespace {

constexpr int32_t ARCHIV_MODUL = 384;
constexpr int32_t MAX_TEAM_SPIELER = 500;

uint32_t woerter_fuer(int32_t n, int32_t tage)
{
    const uint32_t bits = uint32_t(n) * uint32_t(tage);
    return 2u + 15u * uint32_t(n) + (bits + 15u) / 16u + (bits + 7u) / 8u;
}

int32_t wort(const uint8_t* p, uint32_t i) { return int16_t(uint16_t(p[2 * i] | (p[2 * i + 1] << 8))); }

// The expanded payload of an archive element; null when it does not expand.
struct Entpackt {
    uint8_t* daten = nullptr;
    uint32_t laenge = 0;
    explicit Entpackt(const Liste_Element* e)
    {
        if (e && e->size > LISTE_KOPF_BYTES)
            daten = Decompress_Block(static_cast<const uint8_t*>(e->data), e->size - LISTE_KOPF_BYTES, &laenge);
    }
    ~Entpackt() { Mem_Free(daten, 0); }
};

int32_t jahr_heute() { return Kalender_Get_Datum_Heute().jahr; }
int32_t jahr_erster() { return Kalender_Get_Datum(0, 1).jahr; }

Liste* archiv() { return Statistik_Ist_Initialisiert() ? Statistik_Tabellen_Archiv() : nullptr; }

}  // namespace

uint32_t Statistik_Archiv_Schluessel(int32_t wettbewerb, int32_t jahr)
{
    return uint32_t(wettbewerb) + uint32_t(jahr) * uint32_t(ARCHIV_MODUL);
}

std::vector<uint8_t> Statistik_Tabelle_Packen(const Tabelle_Datensatz* t)
{
    std::vector<uint8_t> aus;
    if (!t || t->anzahl < 0 || t->anzahl > TABELLE_MAX_TEAMS) return aus;
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(t->wettbewerb);
    if (!info) return aus;
    const int32_t n = t->anzahl, tage = std::max(info->spieltage, 0);
    std::vector<uint16_t> w(woerter_fuer(n, tage), 0);
    uint32_t i = 0;
    w[i++] = uint16_t(t->wettbewerb);
    w[i++] = uint16_t(n);
    for (int32_t s = 0; s < n; ++s) {
        w[i++] = uint16_t(t->platz[s]);
        w[i++] = uint16_t(t->vorher[s]);
        w[i++] = uint16_t(t->team[s]);
        for (int32_t teil = 0; teil < 3; ++teil) {
            w[i++] = uint16_t(t->spiele[teil][s]);
            w[i++] = uint16_t(t->punkte[teil][s]);
            w[i++] = uint16_t(t->tore[teil][s]);
            w[i++] = uint16_t(t->gegentore[teil][s]);
        }
    }
    const uint32_t ort_start = i, ergebnis_start = i + (uint32_t(n * tage) + 15u) / 16u;
    for (int32_t s = 0; s < n; ++s)
        for (int32_t d = 0; d < tage; ++d) {
            // Only the record's 24 slots x 245 days carry day results.
            if (s >= TABELLE_TAG_SLOTS || d >= TABELLE_MAX_TAGE) continue;
            const uint32_t k = uint32_t(s * tage + d), feld = uint32_t(d * TABELLE_TAG_SLOTS + s);
            w[ort_start + k / 16] |= uint16_t((t->tag_ort[feld] & 1u) << (k % 16));
            w[ergebnis_start + k / 8] |= uint16_t((t->tag_ergebnis[feld] & 3u) << (2 * (k % 8)));
        }
    aus.resize(w.size() * 2);
    for (size_t j = 0; j < w.size(); ++j) {
        aus[2 * j] = uint8_t(w[j]);
        aus[2 * j + 1] = uint8_t(w[j] >> 8);
    }
    return aus;
}

bool Statistik_Tabelle_Entpacken(const uint8_t* p, uint32_t laenge, Tabelle_Datensatz* t)
{
    if (!p || !t || laenge < 4 || laenge % 2) return false;
    const int32_t wettbewerb = wort(p, 0), n = wort(p, 1);
    if (n < 0 || n > TABELLE_MAX_TEAMS) return false;
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(wettbewerb);
    if (!info) {
        t->wettbewerb = wettbewerb;
        t->anzahl = n;
        return true;
    }
    // The match days come from the competition as it is now: a snapshot of another length
    // belongs to a different season layout and is no table.
    const int32_t tage = std::max(info->spieltage, 0);
    if (laenge != 2 * woerter_fuer(n, tage)) return false;
    t->wettbewerb = wettbewerb;
    t->anzahl = n;
    uint32_t i = 2;
    for (int32_t s = 0; s < n; ++s) {
        t->platz[s] = wort(p, i++);
        t->vorher[s] = wort(p, i++);
        t->team[s] = wort(p, i++);
        for (int32_t teil = 0; teil < 3; ++teil) {
            t->spiele[teil][s] = wort(p, i++);
            t->punkte[teil][s] = wort(p, i++);
            t->tore[teil][s] = wort(p, i++);
            t->gegentore[teil][s] = wort(p, i++);
        }
    }
    const uint32_t ort_start = i, ergebnis_start = i + (uint32_t(n * tage) + 15u) / 16u;
    for (int32_t s = 0; s < n && s < TABELLE_TAG_SLOTS; ++s)
        for (int32_t d = 0; d < tage && d < TABELLE_MAX_TAGE; ++d) {
            const uint32_t k = uint32_t(s * tage + d), feld = uint32_t(d * TABELLE_TAG_SLOTS + s);
            t->tag_ort[feld] = uint8_t((uint16_t(wort(p, ort_start + k / 16)) >> (k % 16)) & 1u);
            t->tag_ergebnis[feld] = uint16_t((uint16_t(wort(p, ergebnis_start + k / 8)) >> (2 * (k % 8))) & 3u);
        }
    return true;
}

bool Statistik_Tabelle_Archivieren(const Tabelle_Datensatz* t)
{
    Liste* l = archiv();
    if (!l || !t) return false;
    const int32_t c = t->wettbewerb;
    if (c < 0 || c >= ARCHIV_MODUL) return false;
    int32_t jahr = jahr_heute();
    for (int32_t y = jahr_erster(); y < jahr - 20; ++y)
        if (Liste_Element* e = Liste_Find_Key(l, Statistik_Archiv_Schluessel(c, y))) Liste_Delete_Element(l, e);
    while (Liste_Find_Key(l, Statistik_Archiv_Schluessel(c, jahr))) ++jahr;
    std::vector<uint8_t> woerter = Statistik_Tabelle_Packen(t);
    if (woerter.empty()) return false;
    uint32_t groesse = 0;
    uint8_t* block = Compress_Block(woerter.data(), uint32_t(woerter.size()), &groesse);
    if (!block) return false;
    Liste_Element* e = Liste_Insert_Element(l, nullptr, block, groesse, Statistik_Archiv_Schluessel(c, jahr));
    Mem_Free(block, 0);
    return e != nullptr;
}

bool Statistik_Suche_Tabelle(Tabelle_Datensatz* t, int32_t wettbewerb, int32_t jahr)
{
    if (Netz_Rolle == 1) return Statistik_Internet_Client_Suche_Tabelle(t, wettbewerb, jahr);
    Liste* l = archiv();
    if (!l || !t || wettbewerb < 0 || wettbewerb >= ARCHIV_MODUL || jahr < 0) return false;
    Entpackt x(Liste_Find_Key(l, Statistik_Archiv_Schluessel(wettbewerb, jahr)));
    return x.daten && Statistik_Tabelle_Entpacken(x.daten, x.laenge, t);
}

int32_t Statistik_Tabellen_In_Array(int32_t wettbewerb, int32_t* jahre, int32_t max)
{
    if (Netz_Rolle == 1) return Statistik_Internet_Client_Tabellen_In_Array(wettbewerb, jahre, max);
    Liste* l = archiv();
    if (!l || wettbewerb < 0 || wettbewerb >= ARCHIV_MODUL) return 0;
    int32_t n = 0;
    for (int32_t y = jahr_erster(); y <= jahr_heute() && n < max; ++y)
        if (Liste_Find_Key(l, Statistik_Archiv_Schluessel(wettbewerb, y))) {
            if (jahre) jahre[n] = y;
            ++n;
        }
    return n;
}

bool Statistik_Tabelle_Team_Finden(int32_t team, const uint8_t* p, uint32_t laenge, int32_t* platz, int32_t* punkte,
                                   int32_t* minus, int32_t* tore, int32_t* gegentore)
{
    if (!p || laenge < 4) return false;
    const int32_t n = wort(p, 1);
    if (n < 0 || n > TABELLE_MAX_TEAMS || 2u * (2u + 15u * uint32_t(n)) > laenge) return false;
    int32_t reihenfolge[TABELLE_MAX_TEAMS], slot = -1;
    for (int32_t s = 0; s < n; ++s) {
        const uint32_t b = 2u + 15u * uint32_t(s);
        reihenfolge[s] = wort(p, b);
        if (slot < 0 && wort(p, b + 2) == team) slot = s;
    }
    if (slot < 0) return false;
    const uint32_t b = 2u + 15u * uint32_t(slot);
    const int32_t spiele = wort(p, b + 3), pkt = wort(p, b + 4);
    int32_t pl = -1;
    for (int32_t i = 0; i < n && pl < 0; ++i)
        if (reihenfolge[i] == slot) pl = i;
    if (platz) *platz = pl;
    if (punkte) *punkte = pkt;
    if (minus) *minus = 2 * spiele - pkt;
    if (tore) *tore = wort(p, b + 5);
    if (gegentore) *gegentore = wort(p, b + 6);
    return true;
}

int32_t Statistik_Tabellen_Suche_Team(int32_t team, int32_t* jahre, int32_t* wettbewerbe, int32_t* plaetze,
                                      int32_t* punkte, int32_t* minuspunkte, int32_t* tore, int32_t* gegentore,
                                      int32_t max)
{
    if (Netz_Rolle == 1)
        return Statistik_Internet_Client_Tabellen_Suche_Team(team, jahre, wettbewerbe, plaetze, punkte, minuspunkte,
                                                             tore, gegentore, max);
    Liste* l = archiv();
    if (!l || team < 0) return 0;
    int32_t n = 0;
    for (Liste_Element* e = l->next; e && n < max; e = e->next) {
        Entpackt x(e);
        int32_t pl, pk, mi, tf, tg;
        if (!x.daten || !Statistik_Tabelle_Team_Finden(team, x.daten, x.laenge, &pl, &pk, &mi, &tf, &tg)) continue;
        const int32_t c = int32_t(e->key % ARCHIV_MODUL);
        const Wettbewerb_Info* info = Wettbewerb_Get_Info(c);
        if (info && (info->modus & ENGLISCHE_TABELLE)) mi = -1;
        const int32_t werte[7] = {int32_t(e->key / ARCHIV_MODUL), c, pl, pk, mi, tf, tg};
        int32_t* ziele[7] = {jahre, wettbewerbe, plaetze, punkte, minuspunkte, tore, gegentore};
        for (int32_t i = 0; i < 7; ++i)
            if (ziele[i]) ziele[i][n] = werte[i];
        ++n;
    }
    return n;
}

int32_t Statistik_Titel_Suchen(int32_t team, int32_t wettbewerb, int32_t* wettbewerbe, int32_t* jahre, int32_t* a,
                               int32_t* b, int32_t* c, int32_t max)
{
    if (Netz_Rolle == 1) return Statistik_Internet_Client_Titel_Suchen(team, wettbewerb, wettbewerbe, jahre, a, b, c, max);
    if (!Statistik_Ist_Initialisiert() || team < 0) return 0;
    int32_t ids[WETTBEWERB_ANZAHL * 2];
    const int32_t anzahl = Wettbewerb_Get_Land_Wettbewerbe(-1, ids);
    const int32_t filter = wettbewerb < 0 ? -1 : Wettbewerb_Get_Oberwettbewerb(wettbewerb);
    int32_t n = 0;
    for (int32_t jahr = jahr_heute() + 30; jahr >= jahr_erster() && n < max; --jahr)
        for (int32_t i = 0; i < anzahl && n < max; ++i) {
            if (wettbewerb >= 0 && ids[i] != filter) continue;
            int32_t x = 0, y = 0, z = 0;
            if (Spiele_Get_Wettbewerb_Sieger(ids[i], jahr, &x, &y, &z) != team) continue;
            const int32_t werte[5] = {ids[i], jahr, x, y, z};
            int32_t* ziele[5] = {wettbewerbe, jahre, a, b, c};
            for (int32_t k = 0; k < 5; ++k)
                if (ziele[k]) ziele[k][n] = werte[k];
            ++n;
        }
    return n;
}

int32_t Statistik_Team_Spiele_Im_Jahr(int32_t team, int32_t wettbewerb, int32_t* gegner, int32_t* tage,
                                      int32_t* wettbewerbe, int32_t* seiten, int32_t max, int32_t seiten_filter)
{
    if (!Statistik_Ist_Initialisiert()) return 0;
    int32_t n = 0;
    const int32_t ende = Kalender_Get_Saisonstart() + 366;
    for (int32_t tag = Kalender_Get_Heute(); tag <= ende && n < max; ++tag) {
        int32_t ids[256];
        const int32_t k = std::clamp(Kalender_Get_Anzahl_Spiele(tag, 1, ids), 0, 256);
        for (int32_t i = 0; i < k && n < max; ++i) {
            const int32_t w = ids[i];
            if (wettbewerb >= 0 && w != wettbewerb) continue;
            if (team >= 0 && !Wettbewerb_Team_Noch_Dabei(w, team)) continue;
            const int32_t spieltag = Kalender_Get_Spieltag_Nummer(tag, w);
            const int32_t paare = Wettbewerb_Get_Paarung(w, spieltag);
            const bool heimrecht = Wettbewerb_Ist_Heimrecht(w);
            for (int32_t p = 0; p < paare && n < max; ++p) {
                const int32_t h = Spiele_Lock(Wettbewerb_Get_Spiele_Block(w), spieltag, 0, p);
                if (!h) continue;
                const Spiele_Spiel s = *Spiele_Get_Spiel(h, 1);
                Spiele_Unlock(h);
                const bool heim = team < 0 || s.heim == team;
                if (!heim && s.gast != team) continue;
                const int32_t seite = heimrecht ? (heim ? 0 : 1) : 2;
                if (heimrecht && ((seiten_filter == 1 && seite != 0) || (seiten_filter == 2 && seite != 1))) continue;
                if (gegner) gegner[n] = heim ? s.gast : s.heim;
                if (tage) tage[n] = tag;
                if (wettbewerbe) wettbewerbe[n] = w;
                if (seiten) seiten[n] = seite;
                ++n;
            }
        }
    }
    return n;
}

namespace {

// Average of a value over the team's players (integer sum / count), with the first player met
// at the highest and at the lowest value.
float team_schnitt(int32_t team, int32_t (*wert)(int32_t team, int32_t spieler), int32_t* hoch_sp, int32_t* hoch,
                   int32_t* tief_sp, int32_t* tief, int32_t* summe_aus)
{
    int32_t feld[MAX_TEAM_SPIELER];
    const int32_t n = std::clamp(Teamspieler_Ins_Array(team, feld, MAX_TEAM_SPIELER, 0), 0, MAX_TEAM_SPIELER);
    int32_t summe = 0, h = 0, t = 2147483647, hs = -1, ts = -1;
    for (int32_t i = 0; i < n; ++i) {
        const int32_t v = wert(team, feld[i]);
        summe += v;
        if (v > h) h = v, hs = feld[i];
        if (v < t) t = v, ts = feld[i];
    }
    if (hoch_sp) *hoch_sp = hs;
    if (hoch) *hoch = h;
    if (tief_sp) *tief_sp = ts;
    if (tief) *tief = t;
    if (summe_aus) *summe_aus = summe;
    return n ? float(summe / n) : 0.0f;
}

}  // namespace

int32_t Statistik_Team_Spieleranzahl(int32_t team)
{
    return std::max(Teamspieler_Ins_Array(team, nullptr, 0, 0), 0);
}

float Statistik_Team_Alter(int32_t team, int32_t* aeltester, int32_t* alter_max, int32_t* juengster, int32_t* alter_min)
{
    return team_schnitt(
        team, [](int32_t, int32_t sp) { return Spieler_Wert(SP_ALTER, sp, 0, 0); }, aeltester, alter_max, juengster,
        alter_min, nullptr);
}

float Statistik_Team_Gehalt(int32_t team, int32_t* hoechster, int32_t* hoechst, int32_t* niedrigster,
                            int32_t* niedrigst, int32_t* summe)
{
    return team_schnitt(
        team, [](int32_t t, int32_t sp) { return Teamspieler_Wert(301, t, sp, 0, 0) / 12; }, hoechster, hoechst,
        niedrigster, niedrigst, summe);
}

float Statistik_Team_Vertragsdauer(int32_t team, int32_t* laengster, int32_t* laengst, int32_t* kuerzester,
                                   int32_t* kuerzest)
{
    return team_schnitt(
        team, [](int32_t t, int32_t sp) { return Teamspieler_Wert(305, t, sp, 0, 0); }, laengster, laengst,
        kuerzester, kuerzest, nullptr);
}
