// A network client's side of the match store: records fetched in groups of 50 slots into a ring
// cache, events fetched 100 at a time into the mirror, tables and a day's goals from the server.
// Every reply is checked before anything of it is kept; a reply that does not hold together
// counts as a failed call.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "competitions/spiele.h"
#include "competitions/spiele_intern.h"
#include "competitions/spiele_karten.h"
#include "competitions/spiele_tabelle.h"
#include "competitions/wettbewerb.h"
#include "database/spieler.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "gameflow/team_requester.h"
#include "match/spieltag.h"
#include "match/spielfeld.h"
#include "network/internet_read.h"
#include "platform/exit.h"
#include "platform/print.h"

namespace {

constexpr uint32_t FREI = 0xFFFFFFFFu;
constexpr uint32_t KEIN_SPIEL = 0xFFFFFFFFu;  // first word of a record the server does not have
// Far above any real season; a forged capacity cannot make the client claim gigabytes.
constexpr int32_t MAX_EREIGNISSE = 16 << 20;
constexpr uint32_t TABELLE_GEPACKT_MAX = sizeof(Tabelle_Datensatz) + sizeof(Tabelle_Datensatz) / 128 + 8;

struct Cache_Eintrag {
    uint32_t key;
    Spiele_Spiel spiel;
};
static_assert(sizeof(Cache_Eintrag) == 32);

Cache_Eintrag cache[SPIELE_CLIENT_CACHE];
int32_t ring = -1;  // newest entry, -1 empty
bool cache_bereit = false;

void cache_leeren()
{
    for (Cache_Eintrag& e : cache) e.key = FREI;
    ring = -1;
    cache_bereit = true;
}

bool key_gueltig(int32_t block, int32_t tag, int32_t runde, int32_t slot)
{
    return block >= 0 && block < (1 << 13) && tag >= 0 && tag <= 127 && runde >= 0 && runde <= 15 && slot >= 0 &&
           slot <= 127;
}
uint32_t key_von(int32_t block, int32_t tag, int32_t runde, int32_t slot)
{
    return (uint32_t(block) << 19) + (uint32_t(runde) << 15) + (uint32_t(tag) << 8) + uint32_t(slot) + 1u;
}

Cache_Eintrag* suchen(uint32_t key)
{
    if (!cache_bereit) cache_leeren();
    for (int32_t n = 0; ring >= 0 && n < SPIELE_CLIENT_CACHE; ++n) {
        Cache_Eintrag& e = cache[(ring - n + SPIELE_CLIENT_CACHE) % SPIELE_CLIENT_CACHE];
        if (e.key == FREI) break;
        if (e.key == key) return &e;
    }
    return nullptr;
}

void ablegen(uint32_t key, const Spiele_Spiel& s)
{
    if (!cache_bereit) cache_leeren();
    ring = (ring + 1) % SPIELE_CLIENT_CACHE;
    cache[ring] = {key, s};
}

bool team_gueltig(uint32_t team) { return team == SPIELE_KEIN_TEAM || int64_t(team) < int64_t(Team_Anzahl); }

// A record of a reply: the asked day, leg and slot, its events within the per-match room.
bool spiel_gueltig(const Spiele_Spiel& s, int32_t tag, int32_t runde, int32_t slot)
{
    return s.spieltag == tag && s.runde == runde && s.slot == slot && s.ereignis_anzahl <= SPIELE_EREIGNISSE_PRO_SPIEL &&
           s.erstes_ereignis <= uint32_t(MAX_EREIGNISSE) && team_gueltig(s.heim) && team_gueltig(s.gast);
}

// Request 1006: the 50-slot group holding the slot, each record cached; the asked slot marked as
// absent when the server has none. False when the call failed or the reply is damaged.
bool gruppe_holen(int32_t block, int32_t tag, int32_t runde, int32_t slot)
{
    uint8_t daten[SPIELE_NETZ_GRUPPE * sizeof(Spiele_Spiel)] = {};
    uint32_t laenge = 0;
    int32_t n = 0;
    Internet_Arg var = Internet_Zeiger(daten, sizeof daten);
    var.var_laenge = &laenge;
    const Internet_Arg args[] = {var,
                                 Internet_Zeiger(&n, 4),
                                 Internet_Wert(block),
                                 Internet_Wert(tag),
                                 Internet_Wert(runde),
                                 Internet_Wert(slot)};
    uint8_t fertig = 0;
    Internet_Client_Read(1006, "iC000C<4iiii", nullptr, &fertig, args, 6);
    if (!(fertig & 1)) return false;
    const int32_t gruppe = slot / SPIELE_NETZ_GRUPPE * SPIELE_NETZ_GRUPPE;
    if (n < 0 || n > SPIELE_NETZ_GRUPPE || uint64_t(n) * sizeof(Spiele_Spiel) > laenge) {
        Print_Fehler("Spiele_Lock: Antwort des Servers beschädigt (%d Spiele)\n", n);
        return false;
    }
    Spiele_Spiel s[SPIELE_NETZ_GRUPPE];
    std::memcpy(s, daten, size_t(n) * sizeof(Spiele_Spiel));
    for (int32_t i = 0; i < n; ++i)
        if (!spiel_gueltig(s[i], tag, runde, gruppe + i)) {
            Print_Fehler("Spiele_Lock: Antwort des Servers beschädigt (Spiel %d)\n", i);
            return false;
        }
    for (int32_t i = 0; i < n; ++i) ablegen(key_von(block, tag, runde, gruppe + i), s[i]);
    if (slot - gruppe >= n) {
        Spiele_Spiel keins{};
        keins.zuschauer = KEIN_SPIEL;
        ablegen(key_von(block, tag, runde, slot), keins);
    }
    return true;
}

// Request 1009: n events from index `erstes` into the mirror.
bool ereignisse_holen(int32_t erstes, int32_t n)
{
    uint8_t daten[SPIELE_NETZ_EREIGNISSE * sizeof(Spiele_Ereignis)] = {};
    char format[24];
    std::snprintf(format, sizeof format, "vC<%dii", n * 9);
    const Internet_Arg args[] = {Internet_Zeiger(daten, uint32_t(n) * 9u), Internet_Wert(erstes), Internet_Wert(n)};
    uint8_t fertig = 0;
    Internet_Client_Read(1009, format, nullptr, &fertig, args, 3);
    if (!(fertig & 1)) return false;
    int32_t kap = 0;
    Spiele_Ereignis* m = spiele_spiegel(&kap);
    if (!m || erstes < 1 || erstes + n > kap) return false;
    std::memcpy(m + erstes, daten, size_t(n) * 9u);
    return true;
}

// A table of a reply: rows and places within the record.
bool tabelle_gueltig(const Tabelle_Datensatz& t)
{
    if (t.anzahl < 0 || t.anzahl > TABELLE_MAX_TEAMS) return false;
    for (int32_t i = 0; i < TABELLE_MAX_TEAMS; ++i)
        if (t.platz[i] < -1 || t.platz[i] >= TABELLE_MAX_TEAMS || t.vorher[i] < -1 || t.vorher[i] >= TABELLE_MAX_TEAMS)
            return false;
    return true;
}

}  // namespace

void spiele_client_zuruecksetzen()
{
    cache_leeren();
    spiele_spiegel_freigeben();
}

int32_t spiele_client_lock(int32_t block, int32_t tag, int32_t runde, int32_t slot)
{
    if (!key_gueltig(block, tag, runde, slot)) return 0;
    const uint32_t key = key_von(block, tag, runde, slot);
    Cache_Eintrag* e = suchen(key);
    if (!e) {
        if (!gruppe_holen(block, tag, runde, slot)) return 0;
        e = suchen(key);
    }
    if (!e || e->spiel.zuschauer == KEIN_SPIEL) return 0;
    return spiele_lock_nehmen(&e->spiel);
}

void spiele_client_ereignisse_holen(int32_t erstes, int32_t anzahl)
{
    int32_t kap = 0;
    const Spiele_Ereignis* m = spiele_spiegel(&kap);
    if (!m || erstes < 1) return;
    const int32_t ende = int32_t(std::min<int64_t>(int64_t(erstes) + anzahl, kap));
    for (int32_t i = erstes; i < ende;) {
        if (m[i].flags) {
            ++i;
            continue;
        }
        const int32_t n = std::min(SPIELE_NETZ_EREIGNISSE, kap - i);
        if (!ereignisse_holen(i, n)) return;
        i += n;
    }
}

void Spiele_Client_Start()
{
    if (Netz_Rolle != 1) return;
    cache_leeren();
    Spiele_Client_Ereignisse_Abgleichen();
}

void Spiele_Client_Ereignisse_Abgleichen()
{
    if (Netz_Rolle != 1 || !Spiele_Ist_Initialisiert()) return;
    Spiele_Tabellen_Cache_Leeren();
    Spieltag_DeInit();
    cache_leeren();

    int32_t kap = 0, benutzt = 0;
    const Internet_Arg args[] = {Internet_Zeiger(&kap, 4), Internet_Zeiger(&benutzt, 4)};
    uint8_t fertig = 0;
    Internet_Client_Read(1007, "vI4I4", nullptr, &fertig, args, 2);
    if ((fertig & 1) && (kap < 1 || kap > MAX_EREIGNISSE || benutzt < 0 || benutzt > kap)) {
        Print_Fehler("Spiele: Ereigniszähler des Servers unbrauchbar (%d/%d)\n", kap, benutzt);
        fertig = 0;
    }
    if (fertig & 1) {
        if (!spiele_spiegel_vergroessern(kap)) {
            Team_Requester(0, -1, "Kann %d Bytes nicht bekommen.(%d Elemente)", kap * 9, kap);
            Exit_Game("Kein Speicher für Spielereignisse!\n");
            return;
        }
    }
    // Events the server may have moved or reused since are fetched anew.
    int32_t spiegel_kap = 0;
    if (Spiele_Ereignis* m = spiele_spiegel(&spiegel_kap)) std::memset(m, 0, size_t(spiegel_kap) * 9u);
    Spiele_Array& w = spiele_arrays[SPA_WETTBEWERB];
    if (w.daten) w.anzahl = 0;
}

bool spiele_fern_tabelle(int32_t wettbewerb, int32_t block, int32_t erster, int32_t letzter, int32_t drei,
                         int32_t optionen, Tabelle_Datensatz* t, int32_t team, int32_t minuten_flag, int32_t von,
                         int32_t bis, int32_t live, int32_t ewig, int32_t limit, int64_t* ergebnis)
{
    static uint8_t gepackt[TABELLE_GEPACKT_MAX];
    uint32_t laenge = 0;
    uint32_t wert = 0;
    Internet_Arg var = Internet_Zeiger(gepackt, sizeof gepackt);
    var.var_laenge = &laenge;
    const Internet_Arg args[] = {var,
                                 Internet_Wert(wettbewerb),
                                 Internet_Wert(block),
                                 Internet_Wert(erster),
                                 Internet_Wert(letzter),
                                 Internet_Wert(drei),
                                 Internet_Wert(optionen),
                                 Internet_Wert(team),
                                 Internet_Wert(minuten_flag),
                                 Internet_Wert(von),
                                 Internet_Wert(bis),
                                 Internet_Wert(live),
                                 Internet_Wert(ewig),
                                 Internet_Wert(limit),
                                 Internet_Zeiger(&wert, 4)};
    uint8_t fertig = 0;
    Internet_Client_Read(1010, "iC000iiiiciiciicciI4", nullptr, &fertig, args, 15);
    if (!(fertig & 1) || laenge > sizeof gepackt) return false;
    static Tabelle_Datensatz neu;
    if (Spielfeld_Speicher_Entpacken(&neu, sizeof neu, gepackt, laenge) != int32_t(sizeof neu) || !tabelle_gueltig(neu)) {
        Print_Fehler("Tabelle: Antwort des Servers beschädigt\n");
        return false;
    }
    *t = neu;
    *ergebnis = wert == 0xFFFFFFFFu ? -1 : int64_t(wert);
    return true;
}

void Spiele_Client_Spiele_Holen(int32_t h, int32_t minute)
{
    if (Netz_Rolle != 1 || !Spiele_Ist_Initialisiert()) return;
    const Spiele_Spiel* eigen = Spiele_Get_Spiel(h, 1);
    if (!eigen) return;
    const Spiele_Spiel frage = *eigen;
    uint8_t daten[TABELLE_MAX_TEAMS * 6] = {};
    uint32_t laenge = 0;
    int32_t n = 0;
    Internet_Arg var = Internet_Zeiger(daten, sizeof daten);
    var.var_laenge = &laenge;
    const Internet_Arg args[] = {var,
                                 Internet_Wert(frage.wettbewerb),
                                 Internet_Wert(frage.spieltag),
                                 Internet_Wert(frage.runde),
                                 Internet_Wert(minute < 0 ? -1 : minute),
                                 Internet_Zeiger(&n, 4)};
    uint8_t fertig = 0;
    Internet_Client_Read(1011, "iC<=0iiiiI<4", nullptr, &fertig, args, 6);
    if (!(fertig & 1) || n < 0 || n > TABELLE_MAX_TEAMS || uint64_t(n) * 6u > laenge) return;
    for (int32_t i = 0; i < n; ++i) {
        const uint8_t heim_tore = daten[2 * i], gast_tore = daten[2 * i + 1];
        uint32_t heim;
        std::memcpy(&heim, daten + 2 * n + 4 * i, 4);
        for (Cache_Eintrag& e : cache) {
            Spiele_Spiel& s = e.spiel;
            if (e.key == FREI || s.zuschauer == KEIN_SPIEL || s.wettbewerb != frage.wettbewerb ||
                s.spieltag != frage.spieltag || s.runde != frage.runde || s.heim != heim)
                continue;
            if (minute >= 0 && &s == eigen) continue;
            s.heim_tore = int8_t(heim_tore);
            s.gast_tore = heim_tore == 0xFF ? 0 : gast_tore;
        }
    }
}

int32_t Spiele_Client_Tabellenverlauf(int32_t wettbewerb, int32_t block, int32_t erster, int32_t letzter, int32_t drei,
                                      int32_t optionen, int32_t team, int32_t* plaetze)
{
    if (Netz_Rolle != 1 || !plaetze) return 0;
    int32_t p[92];
    std::fill(std::begin(p), std::end(p), -1);
    const Internet_Arg args[] = {Internet_Wert(wettbewerb), Internet_Wert(block), Internet_Wert(erster),
                                 Internet_Wert(letzter),    Internet_Wert(drei),  Internet_Wert(optionen),
                                 Internet_Wert(team),       Internet_Wert(0),     Internet_Wert(-1),
                                 Internet_Wert(-1),         Internet_Wert(0),     Internet_Wert(0),
                                 Internet_Wert(-1),         Internet_Zeiger(p, sizeof p)};
    int32_t n = 0;
    uint8_t fertig = 0;
    Internet_Client_Read(1036, "iiiiiciiciicciC<368", &n, &fertig, args, 14);
    if (!(fertig & 1) || n < 0 || n > 92) return 0;
    for (int32_t i = 0; i < n; ++i) plaetze[i] = std::clamp(p[i], -1, TABELLE_MAX_TEAMS - 1);
    return n;
}

bool spiele_fern_wettbewerb_ereignisse(uint32_t key)
{
    constexpr int32_t KEYS = 100;
    Spiele_Array& a = spiele_arrays[SPA_WETTBEWERB];
    if (Netz_Rolle != 1 || !a.daten || !key || Spieler_Anzahl <= 0) return false;
    uint8_t daten[KEYS * 16] = {};
    uint32_t laenge = 0;
    int32_t n = 0;
    Internet_Arg var = Internet_Zeiger(daten, sizeof daten);
    var.var_laenge = &laenge;
    const Internet_Arg args[] = {var, Internet_Zeiger(&n, 4), Internet_Wert(int32_t(key))};
    uint8_t fertig = 0;
    Internet_Client_Read(1042, "iC<=0C<4i", nullptr, &fertig, args, 3);
    if (!(fertig & 1) || n < 0 || n > KEYS || uint64_t(n) * 16u > laenge) return false;
    // Every entry must be one of the asked keys: owning competition and player in range.
    uint32_t keys[KEYS];
    for (int32_t i = 0; i < n; ++i) {
        uint32_t wettbewerb, spieler;
        std::memcpy(&wettbewerb, daten + 16 * i, 4);
        std::memcpy(&spieler, daten + 16 * i + 4, 4);
        const uint64_t k = uint64_t(wettbewerb) * uint64_t(Spieler_Anzahl) + spieler + 1u;
        if (spieler >= uint32_t(Spieler_Anzahl) || k < key || k >= uint64_t(key) + KEYS) {
            Print_Fehler("Spiele: Wettbewerbszähler des Servers unbrauchbar\n");
            return false;
        }
        keys[i] = uint32_t(k);
    }
    for (uint64_t k = key; k < uint64_t(key) + KEYS && k <= 0xFFFFFFFFu; ++k) spiele_array_holen(a, uint32_t(k), true);
    for (int32_t i = 0; i < n; ++i)
        if (uint8_t* e = spiele_array_holen(a, keys[i], true)) std::memcpy(e + 4, daten + 16 * i + 8, 8);
    return true;
}
