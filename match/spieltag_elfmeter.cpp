// Penalty shoot-outs: five pairs of kicks, then pair by pair. Every draw uses the live record's
// own seed, swapped in and out around the global state, so that server and clients kick alike
// and no other draw of the day moves.
#include <algorithm>
#include <cstring>

#include "competitions/spiele.h"
#include "match/pitch/spielfeld_standard.h"
#include "match/spielfeld.h"
#include "match/spielfeld_netz.h"
#include "match/spieltag.h"
#include "match/spieltag_intern.h"
#include "platform/print.h"
#include "platform/sortiere.h"
#include "platform/zufall.h"

namespace {

constexpr int32_t SCHUETZEN_MAX = 11;
constexpr int32_t KEIN_SPIELER = 32767;
constexpr uint8_t GEHT_VOM_PLATZ = '&';  // the walk of a substituted player to the bench

// The record's seed in, the global state aside; back again when it goes.
class Seed_Tausch {
public:
    explicit Seed_Tausch(Spielfeld_Record* r) : r_(r)
    {
        if (!r_) return;
        global_ = Zufall_Get_Seed();
        Zufall_Set_Seed(int32_t(r_->seed));
    }
    ~Seed_Tausch()
    {
        if (!r_) return;
        const int32_t eigen = Zufall_Get_Seed();
        r_->seed = uint32_t(eigen);
        Zufall_Set_Seed(global_);
    }
    Seed_Tausch(const Seed_Tausch&) = delete;
    Seed_Tausch& operator=(const Seed_Tausch&) = delete;

private:
    Spielfeld_Record* r_;
    int32_t global_ = 0;
};

int32_t tore(const Spiele_Spiel* m, int32_t seite)
{
    if (!m) return 0;
    const int32_t t = seite == 0 ? m->heim_tore : m->gast_tore;
    return t < 0 ? 0 : t;
}

// The side's takers: the starters on the pitch (state word exactly 16), else every player with
// bit 16; without a live record the side's line-up. A player still walking off after a late
// substitution keeps bit 16 until he reaches the bench, beside the man who replaced him: he is
// no longer one of the eleven.
int32_t schuetzen_sammeln(const Spielfeld_Record* r, int32_t team, int32_t seite, uint32_t* aus)
{
    int32_t feld[64];
    int32_t n = 0;
    if (r) {
        for (int32_t genau = 1; genau >= 0 && n == 0; --genau)
            for (int32_t s = 16 * seite; s < 16 * seite + 16; ++s) {
                const Spielfeld_Spieler& p = r->spieler[s];
                const bool passt = genau ? p.zustand == SPIELFELD_AUF_DEM_PLATZ : (p.zustand & SPIELFELD_AUF_DEM_PLATZ) != 0;
                if (r->objekt[s].zustand == GEHT_VOM_PLATZ) continue;
                if (passt && p.spnr >= 0) feld[n++] = p.spnr;
            }
    } else {
        n = spieltag_aufstellung(team, feld);
    }
    if (n > SCHUETZEN_MAX) {
        Print_Fehler("Team %d spielt mit zu vielen Spielern", team);
        n = SCHUETZEN_MAX;
    }
    Mischen_Dword(feld, n);
    for (int32_t i = 0; i < n; ++i) aus[i] = uint32_t(feld[i]);
    return n;
}

// One kick of side x.am_zug; true when the shoot-out is decided.
bool schuss(Spieltag_Elfmeter_Eintrag& x, int32_t spiel, const Spielfeld_Record* r)
{
    const int32_t k = x.am_zug;
    const Spiele_Spiel* m = Spiele_Get_Spiel(spiel, 1);
    if (!m) return false;
    // A pitch game records its goals itself; a background kick scores three times in four.
    if ((!r || !r->aktiv) && x.anzahl[k] > 0) {
        const int32_t fehl = Zufall(0, 3);
        if (fehl != 0)
            Spiele_Set_Ereignis(spiel, SPE_TOR | (k == 0 ? uint32_t(SPE_HEIM) : 0u), m->minute, int32_t(x.schuetzen[k][x.index[k]]),
                                KEIN_SPIELER);
    }
    m = Spiele_Get_Spiel(spiel, 1);
    const int32_t eigen = tore(m, k) - x.start_tore[k];
    const int32_t andere = tore(m, 1 - k) - x.start_tore[1 - k];
    int32_t c = k != x.erster ? 1 : 0;
    int32_t rest = x.rest;
    if (rest > 0 && (eigen + rest - 1 < andere || andere + rest - c < eigen)) {
        rest = 0;
        c = 1;
    }
    if (rest == 0 && eigen != andere && c == 1) {
        x.rest = 0;
        return true;
    }
    if (x.anzahl[k] > 0) x.index[k] = uint8_t((x.index[k] + 1) % x.anzahl[k]);
    if (c == 1 && rest > 0) {
        --rest;
        if (rest == 0) {
            x.serie = 1;
            rest = 1;
        }
    }
    x.am_zug = uint8_t(1 - k);
    x.rest = uint8_t(rest);
    return false;
}

// On the pitch the side to kick steps up with its taker at the current index.
void kick_aufstellen(int32_t spiel, const Spielfeld_Record* r, const Spieltag_Elfmeter_Eintrag& x)
{
    if (!r || !r->aktiv) return;
    const int32_t k = x.am_zug;
    int32_t slot = -1;
    if (x.anzahl[k] > 0)
        for (int32_t s = 16 * k; s < 16 * k + 16 && slot < 0; ++s)
            if (r->spieler[s].spnr >= 0 && uint32_t(r->spieler[s].spnr) == x.schuetzen[k][x.index[k]]) slot = s;
    Spielfeld_Elfmeterschiessen_Aufstellen(spiel, k, slot);
    Spielfeld_Netz_Elfmeter(Spielfeld_Get_Spiel(spiel));
}

// The state of the game: through the cursor when it stands on the game, else by search.
void zustand_setzen(int32_t spiel, uint32_t zustand)
{
    Spieltag_Eintrag e;
    uint32_t i = 0;
    if (!spieltag_spiel_finden(spiel, &e, &i)) return;
    e.zustand(i) = zustand;
}

}  // namespace

void Spieltag_Elfmeterschiessen_Starten(int32_t spiel)
{
    Spielfeld_Record* r = Spielfeld_Get_Spiel(spiel);
    const Spiele_Spiel* m = Spiele_Get_Spiel(spiel, 1);
    if (!m) return;
    const int32_t team[2] = {m->heim, m->gast};
    Seed_Tausch tausch(r);
    zustand_setzen(spiel, SPIELTAG_ELFMETER);
    Spieltag_Elfmeter_Eintrag x{};
    for (int32_t s = 0; s < 2; ++s) {
        x.anzahl[s] = uint8_t(schuetzen_sammeln(r, team[s], s, x.schuetzen[s]));
        x.start_tore[s] = tore(Spiele_Get_Spiel(spiel, 1), s);
    }
    const int32_t erster = Zufall(0, 1);
    x.am_zug = x.erster = uint8_t(erster);
    x.serie = x.rest = 5;

    uint8_t bild[sizeof x];
    Spieltag_Elfmeter_Packen(x, bild);
    const bool eingefuegt = Liste_Insert_Element(&Spieltag_Elfmeter_Liste, nullptr, bild, sizeof bild, uint32_t(spiel));
    if (!eingefuegt) Print_Fehler("So ein Quatsch, kein Elferschiessen möglich\n");
    if (x.anzahl[0] == 0 && x.anzahl[1] == 0) {
        // Nobody to take a kick: the side to kick first wins one goal to none.
        const Spiele_Spiel* jetzt = Spiele_Get_Spiel(spiel, 1);
        Spiele_Set_Ereignis(spiel, SPE_TOR | (erster == 0 ? uint32_t(SPE_HEIM) : 0u), jetzt ? jetzt->minute : 255, KEIN_SPIELER,
                            KEIN_SPIELER);
    } else if (!eingefuegt) {
        // Without an entry no step would ever come: the kicks are drawn at once.
        while (!schuss(x, spiel, nullptr)) {}
    } else {
        kick_aufstellen(spiel, r, x);
        return;
    }
    if (eingefuegt) Liste_Delete_Element(&Spieltag_Elfmeter_Liste, Liste_Find_Key(&Spieltag_Elfmeter_Liste, uint32_t(spiel)));
    Spieltag_Eintrag e;
    uint32_t i = 0;
    if (spieltag_spiel_finden(spiel, &e, &i)) spieltag_spiel_aus(e, i);
}

bool Spieltag_Elfmeterschiessen_Schritt(int32_t spiel)
{
    Liste_Element* e = Liste_Find_Key(&Spieltag_Elfmeter_Liste, uint32_t(spiel));
    Spieltag_Elfmeter_Eintrag x;
    if (!e || !Spieltag_Elfmeter_Entpacken(static_cast<const uint8_t*>(e->data), e->size - LISTE_KOPF_BYTES, &x)) {
        Print_Fehler("Elferschiessen nicht mehr da??\n");
        return false;
    }
    Spielfeld_Record* r = Spielfeld_Get_Spiel(spiel);
    Seed_Tausch tausch(r);
    const bool entschieden = schuss(x, spiel, r);
    if (!entschieden) kick_aufstellen(spiel, r, x);
    Spieltag_Elfmeter_Packen(x, static_cast<uint8_t*>(e->data));
    return entschieden;
}
