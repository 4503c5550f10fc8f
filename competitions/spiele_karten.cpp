// Per-competition player counters: cards, appearances and bans.
#include "competitions/spiele_karten.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "competitions/spiele.h"
#include "competitions/spiele_intern.h"
#include "competitions/statistik.h"
#include "competitions/wettbewerb.h"
#include "gameflow/globals.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "platform/print.h"
#include "match/spielfeld.h"
#include "platform/zufall.h"

namespace {

constexpr int32_t MAX_TEAM_SPIELER = 500;

int32_t ober(int32_t wettbewerb) { return wettbewerb < 0 ? -1 : Wettbewerb_Get_Oberwettbewerb(wettbewerb); }

// 0 when the key does not fit.
uint32_t karten_key(int32_t o, int32_t spieler)
{
    uint64_t k = uint64_t(o) * uint64_t(Spieler_Anzahl) + uint64_t(spieler) + 1u;
    return k > 0xFFFFFFFFu ? 0 : uint32_t(k);
}

Spiele_Wettbewerb_Ereignis* eintrag(int32_t wettbewerb, int32_t spieler, bool anlegen)
{
    const int32_t o = ober(wettbewerb);
    if (o < 0 || spieler < 0 || spieler >= Spieler_Anzahl) return nullptr;
    const uint32_t key = karten_key(o, spieler);
    if (!key) return nullptr;
    return reinterpret_cast<Spiele_Wettbewerb_Ereignis*>(spiele_array_holen(spiele_arrays[SPA_WETTBEWERB], key, anlegen));
}

uint8_t roh(int32_t wettbewerb, int32_t spieler, int32_t art)
{
    const Spiele_Wettbewerb_Ereignis* e = eintrag(wettbewerb, spieler, false);
    if (!e && Netz_Rolle == 1) {
        const int32_t o = ober(wettbewerb);
        const uint32_t key = o < 0 || spieler < 0 || spieler >= Spieler_Anzahl ? 0 : karten_key(o, spieler);
        if (key && spiele_fern_wettbewerb_ereignisse(key)) e = eintrag(wettbewerb, spieler, false);
    }
    return e ? e->zaehler[art - 1] : 0;
}

bool team_ok(int32_t team) { return team >= 0 && team < Team_Anzahl; }

void link_flags(int32_t team, int32_t spieler, uint32_t loeschen, uint32_t setzen)
{
    if (!team_ok(team)) return;
    if (loeschen) Teamspieler_Wert(317, team, spieler, int32_t(loeschen), 4);
    if (setzen) Teamspieler_Wert(317, team, spieler, int32_t(setzen), 8);
}

int32_t team_spieler(int32_t team, int32_t* feld, int32_t filter)
{
    if (!team_ok(team)) return 0;
    int32_t n = Teamspieler_Ins_Array(team, feld, MAX_TEAM_SPIELER, filter);
    return n < 0 ? 0 : n > MAX_TEAM_SPIELER ? MAX_TEAM_SPIELER : n;
}

struct Suche_Ober {
    int32_t ober;
    bool gefunden;
};

// The counters of a squad in one competition before its game: the top competition is asked once.
// Asked for in rising order of players (which leaves every change the same: each player has his
// own counters), an entry is looked for upward from the one found before, first in small steps,
// as a squad's players mostly stand close together among the counters.
class Kader_Karten {
public:
    explicit Kader_Karten(int32_t wettbewerb) : o_(ober(wettbewerb)) {}

    // The player's key, 0 when he has no counters in this competition.
    uint32_t key(int32_t spieler) const
    {
        if (o_ < 0 || spieler < 0 || spieler >= Spieler_Anzahl) return 0;
        return karten_key(o_, spieler);
    }

    // The entry of a key, null when it has none; as eintrag() finds it.
    Spiele_Wettbewerb_Ereignis* finden(uint32_t key)
    {
        if (!key) return nullptr;
        Spiele_Array& a = spiele_arrays[SPA_WETTBEWERB];
        const int32_t i = platz(key);
        if (i >= a.anzahl || spiele_array_key(a, i) != key) return nullptr;
        return reinterpret_cast<Spiele_Wettbewerb_Ereignis*>(spiele_array_eintrag(a, i));
    }

    // The place of a key among the counters: its entry's, else where it would go.
    int32_t platz(uint32_t key)
    {
        const Spiele_Array& a = spiele_arrays[SPA_WETTBEWERB];
        int32_t lo = 0, hi = a.anzahl;
        if (letzter_ >= 0 && letzter_ < a.anzahl && spiele_array_key(a, letzter_) < key) {
            // upward from the place before, in growing steps
            lo = hi = letzter_ + 1;
            for (int32_t schritt = 1; hi < a.anzahl && spiele_array_key(a, hi) < key; schritt *= 2) {
                lo = hi + 1;
                hi += schritt;
            }
            if (hi > a.anzahl) hi = a.anzahl;
        }
        while (lo < hi) {
            const int32_t mitte = lo + (hi - lo) / 2;
            if (spiele_array_key(a, mitte) < key) lo = mitte + 1;
            else hi = mitte;
        }
        // the next key, a greater one, is looked for from here on
        letzter_ = lo < a.anzahl && spiele_array_key(a, lo) == key ? lo : lo - 1;
        return lo;
    }

private:

    int32_t o_;
    int32_t letzter_ = -1;
};

// The places 0..n-1 of a squad in rising order of the players' numbers, places of one number
// in their order. A squad mostly comes in that order already: sorted by insertion.
void nach_nummer(const int32_t* feld, int32_t n, int32_t* folge)
{
    for (int32_t i = 0; i < n; ++i) {
        int32_t j = i;
        for (; j > 0 && feld[folge[j - 1]] > feld[i]; --j) folge[j] = folge[j - 1];
        folge[j] = i;
    }
}

// Whether a given number of yellow cards makes a ban in one competition, asked once per number.
class Gelbsperre {
public:
    explicit Gelbsperre(int32_t wettbewerb) : wettbewerb_(wettbewerb) { gemerkt_.fill(-1); }
    bool faellig(int32_t gelbe)
    {
        if (gelbe < 0 || gelbe >= int32_t(gemerkt_.size())) return Wettbewerb_Gelbsperre_Faellig(wettbewerb_, gelbe) != 0;
        int8_t& g = gemerkt_[size_t(gelbe)];
        if (g < 0) g = Wettbewerb_Gelbsperre_Faellig(wettbewerb_, gelbe) ? 1 : 0;
        return g != 0;
    }

private:
    int32_t wettbewerb_;
    std::array<int8_t, 129> gemerkt_;
};

// A squad with each player's link record beside him where flags may be changed in place (not on a
// network client, whose writes go through the checks of Teamspieler_Wert).
struct Kader_Links {
    int32_t feld[MAX_TEAM_SPIELER];
    TS* ts[MAX_TEAM_SPIELER];
    int32_t anzahl = 0;
    bool direkt = false;
    Kader_Links(int32_t team, int32_t filter)
    {
        if (!team_ok(team)) return;
        direkt = Netz_Rolle != 1;
        const int32_t n = Teamspieler_Kader(team, feld, direkt ? ts : nullptr, MAX_TEAM_SPIELER, filter);
        anzahl = n < 0 ? 0 : n > MAX_TEAM_SPIELER ? MAX_TEAM_SPIELER : n;
    }
    // link_flags() for player i
    void flags(int32_t team, int32_t i, uint32_t loeschen, uint32_t setzen) const
    {
        if (!direkt) {
            link_flags(team, feld[i], loeschen, setzen);
            return;
        }
        if (loeschen) ts[i]->flags &= 2147483647u - loeschen;
        if (setzen) ts[i]->flags |= setzen;
    }
};

}  // namespace

int32_t Spiele_Wettbewerb_Ereignis_Suchen(uint32_t key)
{
    return spiele_array_suchen(spiele_arrays[SPA_WETTBEWERB], key);
}

void Spiele_Set_Wettbewerb_Ereignis(int32_t wettbewerb, int32_t spieler, int32_t art, int32_t wert)
{
    if (!Spiele_Ist_Initialisiert()) return;
    if (!Spiele_Client_Am_Spiel()) spiele_client_marker("Set_Wettbewerb_Ereignis");
    if (art < 1 || art > 8) return;
    Spiele_Wettbewerb_Ereignis* e = eintrag(wettbewerb, spieler, true);
    if (!e) return;
    uint8_t& z = e->zaehler[art - 1];
    z = wert == -1 ? uint8_t(z == 255 ? 255 : z + 1) : uint8_t(wert);
}

int32_t Spiele_Get_Wettbewerb_Ereignis(int32_t wettbewerb, int32_t art, int32_t team, int32_t spieler,
                                       int32_t filter, int32_t status_maske)
{
    if (!Spiele_Ist_Initialisiert() || art < 1 || art > 8) return 0;
    // The current-match mark of the yellow cards is bookkeeping, not a count.
    auto wert = [&](int32_t sp) {
        uint8_t v = roh(wettbewerb, sp, art);
        return int32_t(art == KARTE_GELB ? v & 127 : v);
    };
    if (spieler >= 0) return wert(spieler);
    if (team < 0) return 0;
    if (filter == -1) {
        Print_Fehler("Spiele_Get_Wettbewerb_Ereignis: Status&Spieler==NIX");
        filter = TS_STARTELF;
    }
    int32_t feld[MAX_TEAM_SPIELER];
    const int32_t n = team_spieler(team, feld, filter);
    int32_t summe = 0;
    for (int32_t i = 0; i < n; ++i) {
        if (status_maske != -1 && !(Spieler_Wert(50, feld[i], 0, 0) & status_maske)) continue;
        summe += wert(feld[i]);
    }
    return summe;
}

bool Spiele_Gelb_In_Dieser_Partie(int32_t wettbewerb, int32_t spieler)
{
    return Spiele_Ist_Initialisiert() && (roh(wettbewerb, spieler, KARTE_GELB) & 128);
}

void Spiele_Loesche_Wettbewerb_Ereignis(int32_t wettbewerb)
{
    if (!Spiele_Ist_Initialisiert()) return;
    Spiele_Array& a = spiele_arrays[SPA_WETTBEWERB];
    if (wettbewerb == -1) {
        a.anzahl = 0;
        return;
    }
    if (wettbewerb < 0) return;
    const uint64_t von = uint64_t(wettbewerb) * uint64_t(Spieler_Anzahl) + 1u;
    const uint64_t bis = von + uint64_t(Spieler_Anzahl) - 1u;
    int32_t j = 0;
    for (int32_t i = 0; i < a.anzahl; ++i) {
        const uint64_t k = spiele_array_key(a, i);
        if (k >= von && k <= bis) continue;
        if (i != j) std::memcpy(spiele_array_eintrag(a, j), spiele_array_eintrag(a, i), a.groesse);
        ++j;
    }
    a.anzahl = j;
}

namespace {

// The counters as the last check left them: in order, until a load or a new start writes them
// anew (either bumps the change count) or they move to other memory. Entries in between are
// only inserted in order or removed.
struct Karten_Geprueft {
    uint32_t aenderungen = 0;
    const uint8_t* daten = nullptr;
};
Karten_Geprueft karten_geprueft;

// The check before the bans of a match: skipped while the counters are still in order.
void karten_ordnung_sichern()
{
    const Spiele_Array& a = spiele_arrays[SPA_WETTBEWERB];
    if (a.daten && a.daten == karten_geprueft.daten && spiele_aenderungen == karten_geprueft.aenderungen) return;
    Spiele_Check_Wettbewerb_Ereignis();
}

}  // namespace

void Spiele_Check_Wettbewerb_Ereignis()
{
    if (!Spiele_Ist_Initialisiert()) return;
    Spiele_Array& a = spiele_arrays[SPA_WETTBEWERB];
    // Up to the first key below the one before it nothing is dropped: found in one pass.
    int32_t i = 1;
    if (a.anzahl > 1)
        for (uint32_t vorher = spiele_array_key(a, 0); i < a.anzahl; ++i) {
            const uint32_t k = spiele_array_key(a, i);
            if (k < vorher) break;
            vorher = k;
        }
    while (i < a.anzahl) {
        if (spiele_array_key(a, i) < spiele_array_key(a, i - 1)) {
            spiele_array_entfernen(a, i);
            if (i > 1) --i;
        } else {
            ++i;
        }
    }
    karten_geprueft = {spiele_aenderungen, a.daten};
}

void spiele_karte_buchen(int32_t wettbewerb, int32_t spieler, int32_t team, uint32_t karte)
{
    Spiele_Wettbewerb_Ereignis* e = eintrag(wettbewerb, spieler, true);
    if (!e) return;
    uint8_t* z = e->zaehler;
    switch (karte) {
    case SPE_GELB: {
        const int32_t n = (z[KARTE_GELB - 1] & 127) + 1;
        z[KARTE_SPERRE - 1] = Wettbewerb_Gelbsperre_Faellig(wettbewerb, n) ? 1 + 32 : 0;
        z[KARTE_GELB - 1] = uint8_t((n > 127 ? 127 : n) + 128);
        break;
    }
    case SPE_GELBROT:
        z[KARTE_SPERRE - 1] = 1 + 64;
        if (z[KARTE_GELBROT - 1] < 255) ++z[KARTE_GELBROT - 1];
        link_flags(team, spieler, TS_STARTELF, TS_GESPERRT_GELBROT);
        break;
    case SPE_ROT:
        z[KARTE_SPERRE - 1] = uint8_t(Zufall(2, 6) + 128);
        if (z[KARTE_ROT - 1] < 255) ++z[KARTE_ROT - 1];
        link_flags(team, spieler, TS_STARTELF, TS_GESPERRT_ROT);
        break;
    default: break;
    }
}

void spiele_karten_nach_block_loeschen(int32_t wettbewerb)
{
    Suche_Ober s{ober(wettbewerb), false};
    if (s.ober < 0) return;
    // Another round or group of the same competition still needs the counters.
    spiele_fuer_alle_bloecke(
        [](int32_t w, void* ctx) {
            auto* s = static_cast<Suche_Ober*>(ctx);
            if (ober(w) == s->ober) s->gefunden = true;
        },
        &s);
    if (!s.gefunden) Spiele_Loesche_Wettbewerb_Ereignis(s.ober);
}

void Spiele_Setze_Eingesetzte_Spieler_Vor_Spiel(int32_t wettbewerb, int32_t team)
{
    Spiele_Setze_Eingesetzte_Spieler_Vor_Spiel(wettbewerb, &team, 1);
}

void Spiele_Setze_Eingesetzte_Spieler_Vor_Spiel(int32_t wettbewerb, const int32_t* teams, int32_t anzahl)
{
    if (!Spiele_Ist_Initialisiert() || anzahl < 1 || anzahl > 2) return;
    // The starters of the sides one after another: each side's appearances change only the
    // counters, never who starts for the other.
    int32_t feld[2 * MAX_TEAM_SPIELER];
    const int32_t n1 = team_spieler(teams[0], feld, TS_STARTELF);
    const int32_t n = n1 + (anzahl == 2 ? team_spieler(teams[1], feld + n1, TS_STARTELF) : 0);
    // Spiele_Set_Wettbewerb_Ereignis(wettbewerb, spieler, KARTE_EINSAETZE, -1) for each of them;
    // the entries still missing go into the counters together, each of the rest moved once.
    int32_t folge[2 * MAX_TEAM_SPIELER], platz[2 * MAX_TEAM_SPIELER];
    uint32_t key[2 * MAX_TEAM_SPIELER], fehlen[2 * MAX_TEAM_SPIELER];
    // each side in order, then both merged (a number both hold: the first side's place first)
    int32_t seiten[2 * MAX_TEAM_SPIELER];
    nach_nummer(feld, n1, seiten);
    nach_nummer(feld + n1, n - n1, seiten + n1);
    for (int32_t j = n1; j < n; ++j) seiten[j] += n1;
    std::merge(seiten, seiten + n1, seiten + n1, seiten + n, folge,
               [&feld](int32_t a, int32_t b) { return feld[a] < feld[b]; });
    Kader_Karten karten(wettbewerb);
    Spiele_Array& a = spiele_arrays[SPA_WETTBEWERB];
    int32_t m = 0;
    for (int32_t j = 0; j < n; ++j) {
        key[j] = karten.key(feld[folge[j]]);
        if (!key[j]) continue;
        platz[j] = karten.platz(key[j]);
        if ((platz[j] >= a.anzahl || spiele_array_key(a, platz[j]) != key[j]) && (m == 0 || fehlen[m - 1] != key[j]))
            fehlen[m++] = key[j];
    }
    if (m && spiele_array_einfuegen(a, fehlen, m) < 0) m = -1;
    // Each entry stands where it stood or was to go, behind the new keys below it.
    int32_t davor = 0;
    for (int32_t j = 0; j < n; ++j) {
        if (!Spiele_Client_Am_Spiel()) spiele_client_marker("Set_Wettbewerb_Ereignis");
        if (!key[j]) continue;
        while (davor < m && fehlen[davor] < key[j]) ++davor;
        const int32_t i = platz[j] + davor;
        if (m < 0 || i >= a.anzahl || spiele_array_key(a, i) != key[j]) continue;
        uint8_t& z = reinterpret_cast<Spiele_Wettbewerb_Ereignis*>(spiele_array_eintrag(a, i))->zaehler[KARTE_EINSAETZE - 1];
        z = uint8_t(z == 255 ? 255 : z + 1);
    }
}

void Spiele_Setze_Eingesetzte_Spieler_Gesamtstatistik_Vor_Spiel(int32_t wettbewerb, int32_t team)
{
    if (!Spiele_Ist_Initialisiert()) return;
    int32_t feld[MAX_TEAM_SPIELER];
    const int32_t n = team_spieler(team, feld, 0);
    const bool international = Wettbewerb_Ist_International(wettbewerb);
    for (int32_t i = 0; i < n; ++i) {
        const uint32_t flags = uint32_t(Teamspieler_Wert(317, team, feld[i], 0, 0));
        Statistik_Spieler u = Statistik_Leeres_Update(feld[i]);
        if (flags & TS_STARTELF) {
            u.einsaetze = 1;
            if (international) u.international = 1;
            Spiele_Set_Statistik_Spieler(feld[i], &u, 1);
        } else if (flags & TS_EINGEWECHSELT) {
            u.minuten_letzte[0] = 0;
            Spiele_Set_Statistik_Spieler(feld[i], &u, 1);
            Spielfeld_Belastung_Pruefen(team, feld[i], Spieler_Wert(SP_ALTER, feld[i], 0, 0),
                                        Spieler_Wert(SP_SPIEL_ERSCHOEPFUNG, feld[i], 0, 0), 0);
        }
    }
}

void Spiele_Setze_Sperren_Spieler_Vor_Spiel(int32_t wettbewerb, int32_t team, int32_t herunterzaehlen)
{
    if (!Spiele_Ist_Initialisiert()) return;
    karten_ordnung_sichern();
    const Kader_Links kader(team, 0);
    // Each player's counters and flags are his own: taken in the order of their numbers.
    int32_t folge[MAX_TEAM_SPIELER];
    nach_nummer(kader.feld, kader.anzahl, folge);
    Kader_Karten karten(wettbewerb);
    Gelbsperre gelbsperre(wettbewerb);
    for (int32_t j = 0; j < kader.anzahl; ++j) {
        const int32_t i = folge[j];
        const int32_t sp = kader.feld[i];
        Spiele_Wettbewerb_Ereignis* e = karten.finden(karten.key(sp));
        const uint8_t gelb = e ? e->zaehler[KARTE_GELB - 1] : 0;
        // His flags change once: the bans of before go, the warning and a ban still to serve come.
        const bool warnung = gelbsperre.faellig((gelb & 127) + 1);
        uint32_t setzen = warnung ? uint32_t(TS_GELB_WARNUNG) : 0u;
        const uint32_t loeschen =
            uint32_t(TS_GESPERRT_GELB | TS_GESPERRT_GELBROT | TS_GESPERRT_ROT) | (warnung ? 0u : uint32_t(TS_GELB_WARNUNG));
        if (e) {
            uint8_t s = e->zaehler[KARTE_SPERRE - 1];
            if (s > 0) {
                const uint8_t art_bit = s & 32 ? 32 : s & 64 ? 64 : s & 128 ? 128 : 0;
                const uint32_t f = art_bit == 32 ? TS_GESPERRT_GELB : art_bit == 64 ? TS_GESPERRT_GELBROT
                                                                  : art_bit == 128 ? uint32_t(TS_GESPERRT_ROT) : 0u;
                int32_t rest = s & ~(32 | 64 | 128);
                // A ban earned in this very match is not served by it.
                const bool diese_partie = (gelb & 128) && (f == TS_GESPERRT_GELB || f == TS_GESPERRT_GELBROT);
                if (herunterzaehlen && !diese_partie && rest > 0) --rest;
                if (rest != 0) {
                    setzen |= f;
                    s = uint8_t(rest | art_bit);
                } else {
                    s = 0;
                }
                e->zaehler[KARTE_SPERRE - 1] = s;
            }
            if (herunterzaehlen) e->zaehler[KARTE_GELB - 1] = uint8_t(gelb & 127);
        }
        kader.flags(team, i, loeschen, setzen);
    }
}
