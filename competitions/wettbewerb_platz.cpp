// What a table place means: the zone it leads into (colour), the places a club can still reach,
// the stake of a game for each side, and which season bonuses a club can earn.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "competitions/spiele_intern.h"
#include "competitions/spiele_tabelle.h"
#include "competitions/wettbewerb.h"
#include "competitions/wettbewerb_intern.h"
#include "gameflow/globals.h"
#include "graphics/grafik_farbe.h"
#include "platform/print.h"

namespace {

enum class Zone { KEINE, AUF, AB, WEITER };

int32_t stufe(Wettbewerb_Id id)
{
    int32_t eigene = 0;
    Wettbewerb_Visuell_Vertikal_Anz(id, nullptr, &eigene);
    return eigene;
}

// Where a place leads: up or down the pyramid (list 0) or on to a cup or an international
// competition (the other lists).
Zone zone(const Wettbewerb_Datensatz& w, int32_t platz)
{
    if (const Wettbewerb_Datensatz* z = wb_link(w.ziele.ziel[0][platz]); z && z->basisliga && w.basisliga) {
        const int32_t a = stufe(w.id), b = stufe(z->id);
        if (b < a) return Zone::AUF;
        if (b > a) return Zone::AB;
    }
    for (int32_t l = 0; l < WETTBEWERB_ZIEL_LISTEN; ++l)
        if (const Wettbewerb_Datensatz* z = wb_link(w.ziele.ziel[l][platz]); z && !z->basisliga) return Zone::WEITER;
    return Zone::KEINE;
}

bool hat_zone(const Wettbewerb_Datensatz& w, Zone gesucht)
{
    for (int32_t p = 0; p < std::min(w.teams, WETTBEWERB_PLAETZE); ++p)
        if (zone(w, p) == gesucht) return true;
    return false;
}

// A record's number in the block while a hold of the competitions lives, else -1. `stand` and
// `daten` belong to one kept set: true in *neu when a new hold (or a new block) began since it
// was taken, and the set must start again.
ptrdiff_t gehaltene_nummer(const Wettbewerb_Datensatz& w, uint64_t& stand, const Wettbewerb_Datensatz*& daten, bool* neu)
{
    const uint64_t h = wb_halten_stand();
    const ptrdiff_t nummer = &w - wb_daten;
    if (h == 0 || nummer < 0 || nummer >= WETTBEWERB_ANZAHL) return -1;
    *neu = stand != h || daten != wb_daten;
    stand = h;
    daten = wb_daten;
    return nummer;
}

// A record's zones by place while a hold lives (-1: not yet worked out), null without a hold
// (a match day asks for both clubs of every game, and each answer reads a run of places).
std::array<int8_t, WETTBEWERB_PLAETZE>* zonen_gemerkt(const Wettbewerb_Datensatz& w)
{
    static uint64_t stand = 0;
    static const Wettbewerb_Datensatz* daten = nullptr;
    static std::array<bool, WETTBEWERB_ANZAHL> angelegt;
    static std::array<std::array<int8_t, WETTBEWERB_PLAETZE>, WETTBEWERB_ANZAHL> gemerkt;
    bool neu = false;
    const ptrdiff_t nummer = gehaltene_nummer(w, stand, daten, &neu);
    if (nummer < 0) return nullptr;
    if (neu) angelegt.fill(false);
    auto& zeile = gemerkt[size_t(nummer)];
    if (!angelegt[size_t(nummer)]) {
        zeile.fill(-1);
        angelegt[size_t(nummer)] = true;
    }
    return &zeile;
}

// A place's zone from the record's kept zones (null: worked out anew).
Zone zone_gemerkt(const Wettbewerb_Datensatz& w, std::array<int8_t, WETTBEWERB_PLAETZE>* zeile, int32_t platz)
{
    if (!zeile) return zone(w, platz);
    int8_t& z = (*zeile)[size_t(platz)];
    if (z < 0) z = int8_t(zone(w, platz));
    return Zone(z);
}

// Whether a league has a place of the kind, looked at once per league and kind under a hold.
bool liga_hat_zone(const Wettbewerb_Datensatz& w, Zone gesucht)
{
    static uint64_t stand = 0;
    static const Wettbewerb_Datensatz* daten = nullptr;
    static std::array<int8_t, 4 * WETTBEWERB_ANZAHL> gemerkt;
    bool neu = false;
    const ptrdiff_t nummer = gehaltene_nummer(w, stand, daten, &neu);
    if (nummer < 0) return hat_zone(w, gesucht);
    if (neu) gemerkt.fill(-1);
    int8_t& g = gemerkt[size_t(nummer) * 4 + size_t(gesucht)];
    if (g < 0) g = hat_zone(w, gesucht) ? 1 : 0;
    return g != 0;
}

}  // namespace

int32_t Wettbewerb_Get_Platz_Farbe(Wettbewerb_Id id, int32_t platz)
{
    const Wettbewerb_Datensatz* w = Wettbewerb_Bereit() ? wb_per_id(id) : nullptr;
    if (!w) return -1;
    if (platz < 0 || platz >= std::min(w->teams, WETTBEWERB_PLAETZE)) {
        Print_Fehler("Wettbewerb_Set_Qu.: Platzangabe falsch!");
        return -1;
    }
    switch (zone(*w, platz)) {
        case Zone::AUF: return Grafik_Farbe(0, 12, 0);
        case Zone::AB: return Grafik_Farbe(13, 0, 0);
        case Zone::WEITER: return Grafik_Farbe(3, 6, 15);
        default: return -1;
    }
}

int32_t Wettbewerb_Platz_Farbe(Wettbewerb_Id id, int32_t platz) { return Wettbewerb_Get_Platz_Farbe(id, platz); }

int32_t Wettbewerb_Erreichbare_Plaetze(Wettbewerb_Id id, int32_t team, int32_t* beste, int32_t* schlechteste)
{
    const Wettbewerb_Datensatz* w = Wettbewerb_Bereit() ? wb_per_id(id) : nullptr;
    if (!w || (w->modus & KO_SYSTEM) || w->spiele_block < 0) return -1;
    // The whole table as the places read it: the same whichever club asks, so a match day's
    // clubs share one count (the question of the sponsors' table too).
    int16_t liste[WETTBEWERB_MAX_TEAMS];
    const int32_t n = Wettbewerb_Get_Teams(w->id, liste);
    const Wb_Gezaehlte_Tabelle* p = n > 0 ? wb_gezaehlte_tabelle(*w, -1, -1, TAB_NORMAL, 0, liste, n, team) : nullptr;
    if (!p) return -1;
    const int32_t drei = (w->modus & ENGLISCHE_TABELLE) ? 1 : 0;
    int32_t eigen = p->zeilen - 1;  // the club's last row
    while (eigen >= 0 && p->team[eigen] != team) --eigen;
    if (eigen < 0) return -1;
    // Each cycle of the circle meets every other club once.
    const int32_t sieg = drei ? 3 : 2;
    const int32_t zyklus = std::max(1, p->zeilen + (p->zeilen & 1) - 1);
    const int32_t gesamt = w->spieltage / zyklus * (p->zeilen - 1);
    auto maximum = [&](int32_t s) { return p->punkte[s] + sieg * std::max(0, gesamt - p->spiele[s]); };
    const int32_t eigen_maximum = maximum(eigen), eigen_punkte = p->punkte[eigen];
    int32_t oben = 1, unten = 1;
    for (int32_t s = 0; s < p->zeilen; ++s) {
        if (s == eigen) continue;
        if (p->punkte[s] > eigen_maximum) ++oben;
        if (maximum(s) >= eigen_punkte) ++unten;
    }
    if (beste) *beste = oben;
    if (schlechteste) *schlechteste = unten;
    return 0;
}

void Wettbewerb_Spiel_Wichtigkeit(Wettbewerb_Id id, const int32_t* teams, int32_t* wichtig, int32_t anzahl)
{
    if (!teams || !wichtig) return;
    const Wettbewerb_Datensatz* w = Wettbewerb_Bereit() ? wb_per_id(id) : nullptr;
    for (int32_t i = 0; i < anzahl; ++i) {
        wichtig[i] = 20;
        if (!w) continue;
        if (w->modus & KO_SYSTEM) {
            const Wettbewerb_Info* info = Wettbewerb_Get_Info(id);
            const int32_t d = info->ketten_offset + info->spieltag;
            wichtig[i] = 50 + 50 * std::min(d + 1, info->saison_spieltage) / std::max(1, info->saison_spieltage);
            continue;
        }
        int32_t a = 0, b = 0;
        if (Wettbewerb_Erreichbare_Plaetze(id, teams[i], &a, &b) < 0) continue;
        a = std::clamp(a - 1, 0, WETTBEWERB_PLAETZE - 1);
        b = std::clamp(b - 1, 0, WETTBEWERB_PLAETZE - 1);
        // One differing neighbour decides: the stake is high.
        std::array<int8_t, WETTBEWERB_PLAETZE>* zonen = zonen_gemerkt(*w);
        for (int32_t p = a; p < b; ++p)
            if (zone_gemerkt(*w, zonen, p) != zone_gemerkt(*w, zonen, p + 1)) {
                wichtig[i] = 100;
                break;
            }
    }
}

namespace {

constexpr uint8_t POKAL_NATIONAL = 1, POKAL_INTERNATIONAL = 2;

// Per team number the kinds of cup (knock-out competitions outside the leagues) whose list holds
// it, worked out once while a hold lives: a match day asks for both clubs of every game, and
// each answer would read every cup's list. Null without a hold.
const std::vector<uint8_t>* pokale_gemerkt()
{
    static uint64_t stand = 0;
    static const Wettbewerb_Datensatz* daten = nullptr;
    static std::vector<uint8_t> art;
    const uint64_t h = wb_halten_stand();
    if (h == 0) return nullptr;
    if (stand == h && daten == wb_daten) return &art;
    stand = h;
    daten = wb_daten;
    art.clear();
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL; ++i) {
        const Wettbewerb_Datensatz* w = wb_link(i);
        if (!w || !wb_benutzt(*w) || w->basisliga || !(w->modus & KO_SYSTEM)) continue;
        // the list a club is looked for in is that of the id's record
        const Wettbewerb_Datensatz* r = wb_per_id(w->id);
        if (!r) continue;
        const uint8_t kind = Wettbewerb_Ist_International(w->id) ? POKAL_INTERNATIONAL : POKAL_NATIONAL;
        for (int32_t k = 0; k < r->listen.anzahl && k < WETTBEWERB_MAX_TEAMS; ++k) {
            const int32_t t = r->listen.teams[k];
            if (t < 0) continue;
            if (size_t(t) >= art.size()) art.resize(size_t(t) + 1, 0);
            art[size_t(t)] |= kind;
        }
    }
    return &art;
}

}  // namespace

void Wettbewerb_Get_Praemien_Booleans_Von_Team(int32_t team, bool* arten)
{
    if (!arten) {
        Print_Fehler("Wettbewerb_Get_Praemien_Booleans_Von_Team: NULL-Pointer");
        return;
    }
    for (int32_t k = 0; k < 6; ++k) arten[k] = false;
    if (!Wettbewerb_Bereit()) return;
    if (const Wettbewerb_Datensatz* liga = wb_per_id(Wettbewerb_Get_Team_Wettbewerb(team, 1))) {
        arten[0] = arten[1] = true;
        arten[2] = liga_hat_zone(*liga, Zone::WEITER);
        arten[3] = liga_hat_zone(*liga, Zone::AB);
    }
    const std::vector<uint8_t>* pokale = pokale_gemerkt();
    if (pokale) {
        const uint8_t m = team >= 0 && size_t(team) < pokale->size() ? (*pokale)[size_t(team)] : 0;
        if (m & POKAL_NATIONAL) arten[4] = true;
        if (m & POKAL_INTERNATIONAL) arten[5] = true;
        return;
    }
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL; ++i) {
        const Wettbewerb_Datensatz* w = wb_link(i);
        if (!w || !wb_benutzt(*w) || w->basisliga || !(w->modus & KO_SYSTEM)) continue;
        if (!Wettbewerb_Team_In_Liste(w->id, team)) continue;
        arten[Wettbewerb_Ist_International(w->id) ? 5 : 4] = true;
    }
}
