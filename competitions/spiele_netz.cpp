// The match store's statistics on the network: a client asks the server for series,
// head-to-head records, a team's statistics record and past winners; the server answers from
// its own store. Every count, index and size in a request or a reply is checked before use.
//
// 1033 "iiiI<4I<4I<4I<4I<4I<4I<4i": competition, team, 7 x i32 counters, column -> found.
// 1034 "iiiiI<4I<4I<4I<%di": competition, team, opponent, wins, draws, losses, capacity x 3 i32
//      recent results (own goals, opponent's goals, competition), capacity -> found.
// 1035 "iiiiiiiiC<3368": team, competition, first and last match day, leg, side mask, player,
//      the 842 i32 of the team statistics record in its field order -> 1.
// 1041 "iii": competition, season -> winner or -1.
//
// The store's records, events and tables:
// 1006 "iC000C<4iiii": block, match day, leg, slot -> 1,400 bytes (the 50 records of the slot's
//      group of 50, from its first slot on, until one is missing), their count n.
// 1007 "vI4I4": -> the event capacity and used count.
// 1009 "vC<%dii" (n x 9): first event index, n (1..100) -> the n events.
// 1010 "iC000iiiiciiciicciI4": the table arguments (competition, block, first and last match
//      day, three points, options, team, minute flag, minutes from/to, live, eternal, minute
//      limit) -> the 26,380-byte table record run-length packed, the low 32 bits of the result.
// 1011 "iC<=0iiiiI<4": competition, match day, leg, minute (-1 final) -> n x 2 goal bytes (home,
//      away; 255 unplayed), n x u32 home teams, n.
// 1036 "iiiiiciiciicciC<368": the table arguments -> the team's place index after each match day
//      (-1 none), at most 92; the count.
// 1042 "iC<=0C<4i": a key of the per-competition player counters -> n entries of the 100 keys
//      from it on that exist: u32 owning competition, u32 player, the 8 counter bytes; n.
#include "competitions/spiele_netz.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "competitions/spiele.h"
#include "competitions/spiele_ewig.h"
#include "competitions/spiele_intern.h"
#include "competitions/spiele_statistik.h"
#include "competitions/spiele_tabelle.h"
#include "competitions/wettbewerb.h"
#include "database/spieler.h"
#include "match/spielfeld.h"
#include "platform/mem.h"
#include "network/internet_read.h"
#include "platform/bytes.h"
#include "platform/print.h"

namespace {

constexpr int32_t GEGEN_MAX = 100;  // recent results one request may carry
constexpr uint32_t STATISTIK_BYTES = sizeof(Spiele_Team_Statistik);
constexpr int32_t STATISTIK_WERTE = int32_t(STATISTIK_BYTES / 4);

void statistik_packen(const Spiele_Team_Statistik& s, uint8_t* b)
{
    int32_t w[STATISTIK_WERTE];
    std::memcpy(w, &s, STATISTIK_BYTES);
    for (int32_t i = 0; i < STATISTIK_WERTE; ++i) Bytes_Setze32(b + 4 * i, uint32_t(w[i]));
}
void statistik_entpacken(const uint8_t* b, Spiele_Team_Statistik& s)
{
    int32_t w[STATISTIK_WERTE];
    for (int32_t i = 0; i < STATISTIK_WERTE; ++i) w[i] = int32_t(Bytes_Hole32(b + 4 * i));
    std::memcpy(&s, w, STATISTIK_BYTES);
}

// A handler's pointer fields are all present and at least as large as asked.
bool felder_da(const Internet_Positionen* p, int32_t anzahl, int32_t ints, std::initializer_list<uint32_t> groessen)
{
    if (p->zeiger_anzahl != anzahl || p->anzahl_i != ints) return false;
    int32_t k = 0;
    for (uint32_t g : groessen) {
        if (!p->daten[k] || p->groesse[k] < g) return false;
        ++k;
    }
    return true;
}

bool serien_1033(Internet_Aufruf* a)
{
    const Internet_Positionen* p = a->p;
    if (!felder_da(p, 7, 3, {4, 4, 4, 4, 4, 4, 4})) return false;
    int32_t werte[SERIE_ANZAHL] = {};
    a->ergebnis = Spiele_Get_Serien(p->ints[0], p->ints[1], werte, p->ints[2]) ? 1 : 0;
    for (int32_t i = 0; i < SERIE_ANZAHL; ++i) Bytes_Setze32(p->daten[i], uint32_t(werte[i]));
    return true;
}

bool gegen_1034(Internet_Aufruf* a)
{
    const Internet_Positionen* p = a->p;
    if (p->zeiger_anzahl != 4 || p->anzahl_i != 4) return false;
    const int32_t kapazitaet = p->ints[3];
    if (kapazitaet < 0 || kapazitaet > GEGEN_MAX) return false;
    if (!felder_da(p, 4, 4, {4, 4, 4, uint32_t(kapazitaet) * 12u})) return false;
    int32_t w = 0, d = 0, l = 0, ergebnisse[GEGEN_MAX * 3];
    std::fill(std::begin(ergebnisse), std::end(ergebnisse), -1);
    a->ergebnis = Spiele_Get_Spiele_Gegen(p->ints[0], p->ints[1], p->ints[2], &w, &d, &l, ergebnisse, kapazitaet) ? 1 : 0;
    Bytes_Setze32(p->daten[0], uint32_t(w));
    Bytes_Setze32(p->daten[1], uint32_t(d));
    Bytes_Setze32(p->daten[2], uint32_t(l));
    for (int32_t i = 0; i < kapazitaet * 3; ++i) Bytes_Setze32(p->daten[3] + 4 * i, uint32_t(ergebnisse[i]));
    return true;
}

bool statistik_1035(Internet_Aufruf* a)
{
    const Internet_Positionen* p = a->p;
    if (!felder_da(p, 1, 7, {STATISTIK_BYTES})) return false;
    Spiele_Team_Statistik s;
    Spiele_Team_Statistik_Berechnen(p->ints[0], p->ints[1], p->ints[2], p->ints[3], p->ints[4], p->ints[5], &s,
                                    p->ints[6]);
    statistik_packen(s, p->daten[0]);
    a->ergebnis = 1;
    return true;
}

bool sieger_1041(Internet_Aufruf* a)
{
    const Internet_Positionen* p = a->p;
    if (p->zeiger_anzahl != 0 || p->anzahl_i != 2) return false;
    a->ergebnis = Spiele_Get_Wettbewerb_Sieger(p->ints[0], p->ints[1], nullptr, nullptr, nullptr);
    return true;
}

// The records of one match day and leg of a block, by slot (null where missing).
void tag_spiele(int32_t block, int32_t tag, int32_t runde, const Spiele_Spiel* (&nach_slot)[128])
{
    std::fill(std::begin(nach_slot), std::end(nach_slot), nullptr);
    uint32_t anzahl = 0;
    const Spiele_Spiel* s = spiele_block_spiele(block, &anzahl);
    if (!s) {
        Print_Fehler("Gesuchter Wettbewerb nicht eingetragen...\n");
        return;
    }
    for (uint32_t i = 0; i < anzahl; ++i)
        if (s[i].spieltag == tag && s[i].runde == runde && s[i].slot >= 0 && !nach_slot[s[i].slot])
            nach_slot[s[i].slot] = &s[i];
}

bool lock_1006(Internet_Aufruf* a)
{
    const Internet_Positionen* p = a->p;
    if (p->zeiger_anzahl != 2 || p->anzahl_i != 4 || !p->daten[1] || p->groesse[1] < 4 || !a->var) return false;
    const int32_t slot = p->ints[3];
    constexpr uint32_t BYTES = SPIELE_NETZ_GRUPPE * sizeof(Spiele_Spiel);
    auto* b = static_cast<uint8_t*>(Mem_Alloc_Clear(BYTES, 0, 0));
    if (!b) return false;
    int32_t n = 0;
    if (slot >= 0 && slot <= 127) {
        const Spiele_Spiel* nach_slot[128];
        tag_spiele(p->ints[0], p->ints[1], p->ints[2], nach_slot);
        // The group of 50 that holds the asked slot, so that slots past 49 are reached too.
        const int32_t gruppe = slot / SPIELE_NETZ_GRUPPE * SPIELE_NETZ_GRUPPE;
        while (n < SPIELE_NETZ_GRUPPE && gruppe + n < 128 && nach_slot[gruppe + n]) {
            std::memcpy(b + size_t(n) * sizeof(Spiele_Spiel), nach_slot[gruppe + n], sizeof(Spiele_Spiel));
            ++n;
        }
    }
    Bytes_Setze32(p->daten[1], uint32_t(n));
    *a->var = b;
    a->ergebnis = int32_t(BYTES);
    return true;
}

bool ereignis_anzahl_1007(Internet_Aufruf* a)
{
    const Internet_Positionen* p = a->p;
    if (!felder_da(p, 2, 0, {4, 4})) return false;
    int32_t kap = 0, benutzt = 0;
    Spiele_Get_Ereignis_Anzahl(&kap, &benutzt);
    Bytes_Setze32(p->daten[0], uint32_t(kap));
    Bytes_Setze32(p->daten[1], uint32_t(benutzt));
    return true;
}

bool ereignisse_1009(Internet_Aufruf* a)
{
    const Internet_Positionen* p = a->p;
    if (p->zeiger_anzahl != 1 || p->anzahl_i != 2) return false;
    const int32_t erstes = p->ints[0], n = p->ints[1];
    if (erstes < 0 || n < 1 || n > SPIELE_NETZ_EREIGNISSE || !felder_da(p, 1, 2, {uint32_t(n) * 9u})) return false;
    int32_t kap = 0;
    const Spiele_Ereignis* e = spiele_ereignis_feld(&kap);
    for (int32_t k = 0; k < n; ++k) {
        if (!e || int64_t(erstes) + k >= kap) {
            Print_Fehler("ACHTUNG: SPIELEREIGNIS SCHREIBT BEIM CLIENT REIN!!");
            continue;
        }
        std::memcpy(p->daten[0] + 9 * k, e + erstes + k, 9);
    }
    return true;
}

// The table arguments of 1010 and 1036: nine i32 and four bytes.
struct Tabelle_Argumente {
    int32_t wettbewerb, block, erster, letzter, drei, optionen, team, minuten_flag, von, bis, live, ewig, limit;
};
Tabelle_Argumente tabelle_argumente(const Internet_Positionen* p)
{
    const int32_t* i = p->ints;
    const uint8_t* c = p->bytes;
    return {i[0], i[1], i[2], i[3], c[0], i[4], i[5], c[1], i[6], i[7], c[2], c[3], i[8]};
}

int64_t tabelle_rechnen(const Tabelle_Argumente& x, int32_t letzter, Tabelle_Datensatz* t)
{
    std::memset(t, 0, sizeof *t);
    Wettbewerb_Tabelle_Vorbereiten(x.wettbewerb, t);
    Spiele_Tabelle_Loesche_Backup(x.block);
    return Spiele_Tabelle_Berechnen(x.wettbewerb, x.block, x.erster, letzter, x.drei, x.optionen, t, x.team,
                                    x.minuten_flag, x.von, x.bis, x.live, x.ewig, x.limit);
}

bool tabelle_1010(Internet_Aufruf* a)
{
    const Internet_Positionen* p = a->p;
    if (p->zeiger_anzahl != 2 || p->anzahl_i != 9 || p->anzahl_c != 4 || !p->daten[1] || p->groesse[1] < 4 ||
        !a->var)
        return false;
    static Tabelle_Datensatz t;
    const Tabelle_Argumente x = tabelle_argumente(p);
    const int64_t r = tabelle_rechnen(x, x.letzter, &t);
    constexpr uint32_t KAP = sizeof(Tabelle_Datensatz) + sizeof(Tabelle_Datensatz) / 128 + 8;
    auto* b = static_cast<uint8_t*>(Mem_Alloc(KAP, 0));
    if (!b) return false;
    const int32_t n = Spielfeld_Speicher_Packen(&t, b, sizeof t, KAP);
    if (n < 0) {
        Mem_Free(b, 0);
        return false;
    }
    Bytes_Setze32(p->daten[1], uint32_t(r));
    *a->var = b;
    a->ergebnis = n;
    return true;
}

bool spiele_1011(Internet_Aufruf* a)
{
    const Internet_Positionen* p = a->p;
    if (p->zeiger_anzahl != 2 || p->anzahl_i != 4 || !p->daten[1] || p->groesse[1] < 4 || !a->var) return false;
    const int32_t wettbewerb = p->ints[0], minute = p->ints[3];
    const Spiele_Spiel* nach_slot[128];
    tag_spiele(Wettbewerb_Get_Spiele_Block(wettbewerb), p->ints[1], p->ints[2], nach_slot);
    auto* b = static_cast<uint8_t*>(Mem_Alloc_Clear(128 * 6, 0, 0));
    if (!b) return false;
    int32_t n = 0;
    while (n < 128 && nach_slot[n]) ++n;
    for (int32_t i = 0; i < n; ++i) {
        const Spiele_Spiel& s = *nach_slot[i];
        int32_t h = 0, g = 0;
        if (minute < 0 && s.heim_tore == -1) h = 255;
        else if (minute < 0) h = s.heim_tore, g = s.gast_tore;
        else spiele_tore_im_bereich(s, -1, minute, &h, &g);
        b[2 * i] = uint8_t(std::min(h, 255));
        b[2 * i + 1] = uint8_t(std::min(g, 255));
        Bytes_Setze32(b + 2 * n + 4 * i, s.heim);
    }
    Bytes_Setze32(p->daten[1], uint32_t(n));
    *a->var = b;
    a->ergebnis = n * 6;
    return true;
}

bool verlauf_1036(Internet_Aufruf* a)
{
    const Internet_Positionen* p = a->p;
    if (p->anzahl_c != 4 || !felder_da(p, 1, 9, {92 * 4})) return false;
    const Tabelle_Argumente x = tabelle_argumente(p);
    const int32_t von = std::max(x.erster, 0);
    int32_t bis = x.letzter;
    if (bis < 0) {
        const Wettbewerb_Info* info = Wettbewerb_Get_Info(x.wettbewerb);
        bis = info ? info->spieltag : -1;
    }
    static Tabelle_Datensatz t;
    int32_t n = 0;
    for (int32_t tag = von; tag <= bis && n < 92; ++tag, ++n) {
        tabelle_rechnen({x.wettbewerb, x.block, -1, tag, x.drei, x.optionen, x.team, 0, -1, -1, 0, 0, -1}, tag, &t);
        int32_t platz = -1;
        for (int32_t i = 0; i < std::clamp(t.anzahl, 0, TABELLE_MAX_TEAMS) && platz < 0; ++i)
            if (t.platz[i] >= 0 && t.platz[i] < TABELLE_MAX_TEAMS && t.team[t.platz[i]] == x.team) platz = i;
        Bytes_Setze32(p->daten[0] + 4 * n, uint32_t(platz));
    }
    a->ergebnis = n;
    return true;
}

bool zaehler_1042(Internet_Aufruf* a)
{
    const Internet_Positionen* p = a->p;
    if (p->zeiger_anzahl != 2 || p->anzahl_i != 1 || !p->daten[1] || p->groesse[1] < 4 || !a->var) return false;
    constexpr int32_t KEYS = 100;
    const uint32_t key = uint32_t(p->ints[0]);
    auto* b = static_cast<uint8_t*>(Mem_Alloc_Clear(KEYS * 16, 0, 0));
    if (!b) return false;
    int32_t n = 0;
    const Spiele_Array& feld = spiele_arrays[SPA_WETTBEWERB];
    for (uint64_t k = key; key && Spieler_Anzahl > 0 && k < uint64_t(key) + KEYS && k <= 0xFFFFFFFFu; ++k) {
        const int32_t i = spiele_array_suchen(feld, uint32_t(k));
        if (i < 0) continue;
        Bytes_Setze32(b + 16 * n, uint32_t((k - 1) / uint64_t(Spieler_Anzahl)));
        Bytes_Setze32(b + 16 * n + 4, uint32_t((k - 1) % uint64_t(Spieler_Anzahl)));
        std::memcpy(b + 16 * n + 8, feld.daten + size_t(i) * feld.groesse + 4, 8);
        ++n;
    }
    Bytes_Setze32(p->daten[1], uint32_t(n));
    *a->var = b;
    a->ergebnis = n * 16;
    return true;
}

}  // namespace

void Spiele_Netz_Registrieren()
{
    Wettbewerb_Netz_Registrieren();
    Internet_Handler_Registrieren(1042, zaehler_1042);
    Internet_Handler_Registrieren(1006, lock_1006);
    Internet_Handler_Registrieren(1007, ereignis_anzahl_1007);
    Internet_Handler_Registrieren(1009, ereignisse_1009);
    Internet_Handler_Registrieren(1010, tabelle_1010);
    Internet_Handler_Registrieren(1011, spiele_1011);
    Internet_Handler_Registrieren(1036, verlauf_1036);
    Internet_Handler_Registrieren(1033, serien_1033);
    Internet_Handler_Registrieren(1034, gegen_1034);
    Internet_Handler_Registrieren(1035, statistik_1035);
    Internet_Handler_Registrieren(1041, sieger_1041);
}

// ---- Client side ----

bool spiele_fern_serien(int32_t wettbewerb, int32_t team, int32_t* werte, int32_t spalte)
{
    int32_t w[SERIE_ANZAHL] = {};
    Internet_Arg args[3 + SERIE_ANZAHL];
    args[0] = Internet_Wert(wettbewerb);
    args[1] = Internet_Wert(team);
    for (int32_t i = 0; i < SERIE_ANZAHL; ++i) args[2 + i] = Internet_Zeiger(&w[i], 4);
    args[2 + SERIE_ANZAHL] = Internet_Wert(spalte);
    int32_t ergebnis = 0;
    uint8_t fertig = 0;
    Internet_Client_Read(1033, "iiiI<4I<4I<4I<4I<4I<4I<4i", &ergebnis, &fertig, args, 3 + SERIE_ANZAHL);
    if (!(fertig & 1)) return false;
    if (werte) std::copy(w, w + SERIE_ANZAHL, werte);
    return ergebnis != 0;
}

bool spiele_fern_gegen(int32_t wettbewerb, int32_t team, int32_t gegner, int32_t* siege, int32_t* remis,
                       int32_t* niederlagen, int32_t* ergebnisse, int32_t kapazitaet)
{
    kapazitaet = ergebnisse ? std::clamp(kapazitaet, 0, GEGEN_MAX) : 0;
    int32_t w = 0, d = 0, l = 0, liste[GEGEN_MAX * 3];
    std::fill(std::begin(liste), std::end(liste), -1);
    char format[48];
    std::snprintf(format, sizeof format, "iiiiI<4I<4I<4I<%di", kapazitaet * 12);
    const Internet_Arg args[] = {Internet_Wert(wettbewerb), Internet_Wert(team),     Internet_Wert(gegner),
                                 Internet_Zeiger(&w, 4),    Internet_Zeiger(&d, 4),  Internet_Zeiger(&l, 4),
                                 Internet_Zeiger(liste, uint32_t(kapazitaet) * 12u), Internet_Wert(kapazitaet)};
    int32_t ergebnis = 0;
    uint8_t fertig = 0;
    Internet_Client_Read(1034, format, &ergebnis, &fertig, args, 8);
    if (!(fertig & 1)) w = d = l = 0;
    if (siege) *siege = w;
    if (remis) *remis = d;
    if (niederlagen) *niederlagen = l;
    if (ergebnisse && (fertig & 1)) std::copy(liste, liste + kapazitaet * 3, ergebnisse);
    return (fertig & 1) && ergebnis;
}

bool spiele_fern_team_statistik(int32_t team, int32_t wettbewerb, int32_t erster, int32_t letzter, int32_t runde,
                                int32_t seiten, Spiele_Team_Statistik* aus, int32_t spieler)
{
    uint8_t bytes[STATISTIK_BYTES] = {};
    const Internet_Arg args[] = {Internet_Wert(team),  Internet_Wert(wettbewerb), Internet_Wert(erster),
                                 Internet_Wert(letzter), Internet_Wert(runde),    Internet_Wert(seiten),
                                 Internet_Wert(spieler), Internet_Zeiger(bytes, sizeof bytes)};
    int32_t ergebnis = 0;
    uint8_t fertig = 0;
    Internet_Client_Read(1035, "iiiiiiiiC<3368", &ergebnis, &fertig, args, 8);
    if (!(fertig & 1) || ergebnis != 1) return false;
    statistik_entpacken(bytes, *aus);
    return true;
}

int32_t spiele_fern_sieger(int32_t wettbewerb, int32_t saison)
{
    const Internet_Arg args[] = {Internet_Wert(wettbewerb), Internet_Wert(saison)};
    int32_t ergebnis = -1;
    uint8_t fertig = 0;
    Internet_Client_Read(1041, "iii", &ergebnis, &fertig, args, 2);
    return (fertig & 1) ? ergebnis : -1;
}


