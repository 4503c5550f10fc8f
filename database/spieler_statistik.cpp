// Player statistic values: event counts through the general counter, totals of the
// per-competition counters, and player or link fields. A client fetches counts and totals from
// the server (requests 76 and 77) and combines them itself.
#include "database/spieler_statistik.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

#include "competitions/spiele_karten.h"
#include "competitions/spiele_statistik.h"
#include "competitions/wettbewerb.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "network/internet_read.h"
#include "platform/bytes.h"
#include "platform/print.h"

namespace {

constexpr int32_t MAX_WETTBEWERBE = 128;

// Event masks per mode, up to three; empty for the others.
struct Modus_Masken {
    int32_t anzahl;
    uint32_t m[3];
};
constexpr Modus_Masken SPIELER_MASKEN[SPIELER_STAT_MODI] = {
    {1, {0x4}}, {1, {0x80000004u}}, {2, {0x4, 0x80000004u}}, {1, {0x4004}}, {1, {0x8004}}, {1, {0x84}},
    {1, {0x2004}}, {3, {0x40, 0x20, 0x10}}, {1, {0x200}}, {1, {0x400}}, {1, {0x800}}, {1, {0x100}},
    {}, {}, {}, {}, {}, {}, {}, {}, {}, {},
    {1, {0x10}}, {1, {0x20}}, {1, {0x40}}, {1, {0x20000}}, {1, {0x10000}}, {1, {0x40000}},
    {}, {}, {2, {0x2, 0x4}},
};

int32_t klemmen(int64_t v) { return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

// Goals against chances as one sort key: the rate in front, then goals, then chances. Beyond
// 32 bits it is held at the largest value.
int32_t quote_wert(int32_t a, int32_t b)
{
    if (a <= 0) return 0;
    const float f = float(b) / float(a);
    const float t = (f * 1000.0f + float(b)) * 100.0f;
    return klemmen(int64_t(std::trunc(double(t))) * 10000 + int64_t(b) * 100 + a);
}

int32_t kombinieren(int32_t modus, const int32_t* c)
{
    switch (modus) {
    case 2: return klemmen(2 * int64_t(c[0]) + c[1]);
    case 7: return klemmen(3 * int64_t(c[0]) + 2 * int64_t(c[1]) + c[2]);
    case 30: return quote_wert(c[0], c[1]);
    default: return c[0];
    }
}

int32_t summe(const int32_t* ids, int32_t anzahl, int32_t art, int32_t spnr)
{
    int64_t s = 0;
    for (int32_t i = 0; i < anzahl; ++i) s += std::max(0, Spiele_Get_Wettbewerb_Ereignis(ids[i], art, -1, spnr, -1, -1));
    return klemmen(s);
}

bool spieler_gueltig(int32_t spnr) { return spnr >= 0 && spnr < Spieler_Anzahl; }

// Request 76 from a client: value, second value.
void fern_76(int32_t* wert, int32_t* zweiter, const int32_t* ids, int32_t anzahl, int32_t art, int32_t spnr)
{
    int32_t feld[MAX_WETTBEWERBE] = {};
    std::copy_n(ids, std::clamp(anzahl, 0, MAX_WETTBEWERBE), feld);
    const Internet_Arg args[] = {Internet_Zeiger(wert, 4), Internet_Zeiger(zweiter, 4), Internet_Zeiger(feld, sizeof feld),
                                 Internet_Wert(std::clamp(anzahl, 0, MAX_WETTBEWERBE)), Internet_Wert(art),
                                 Internet_Wert(spnr)};
    uint8_t fertig = 0;
    Internet_Client_Read(76, "vI<4I<4I>512iii", nullptr, &fertig, args, 6);
    if (!(fertig & 1)) *wert = *zweiter = 0;
}

}  // namespace

void Spieler_Server_Send_Wettbewerb_Ereignis_Data(int32_t* wert, int32_t* zweiter, const int32_t* ids,
                                                  int32_t anzahl, int32_t art, int32_t spnr)
{
    if (!wert || !zweiter || (anzahl > 0 && !ids)) {
        Print_Fehler("Spieler_Server_Send_Wettbewerb_Ereignis_Data: NULL-Pointer!");
        return;
    }
    anzahl = std::clamp(anzahl, 0, MAX_WETTBEWERBE);
    *wert = *zweiter = 0;
    switch (art) {
    case 4:
    case 7: *wert = summe(ids, anzahl, art, spnr); break;
    case 6: {
        int64_t s = 0, n = 0;
        for (int32_t i = 0; i < anzahl; ++i) {
            const int32_t k6 = Spiele_Get_Wettbewerb_Ereignis(ids[i], 6, -1, spnr, -1, -1);
            if (k6 <= 0) continue;
            n += k6;
            s += std::max(0, Spiele_Get_Wettbewerb_Ereignis(ids[i], 5, -1, spnr, -1, -1));
        }
        if (s && n) *wert = klemmen(((s * 1000 / n) << 8) + (255 - n));
        break;
    }
    case 160: {
        const int32_t einsaetze = summe(ids, anzahl, 4, spnr);
        int32_t tore = 0;
        if (einsaetze > 0) {
            const uint32_t maske = 0x4;
            int32_t z = 0;
            if (spieler_gueltig(spnr) && Spiele_Get_Statistik_Eines_Spielers(spnr, ids, anzahl, &maske, 1, -1, -1, -1, -1, &z))
                tore = z;
            const int32_t m = klemmen(int64_t(tore) * 1000 / einsaetze);
            *wert = m / 1000;
            *zweiter = m % 1000;
        }
        break;
    }
    default: Print_Fehler("Spieler_Server_Send_Wettbewerb_Ereignis_Data: wrong case !"); break;
    }
}

void Spieler_Server_Send_Statistik_Data(int32_t* wert, const uint32_t* masken, int32_t masken_anzahl,
                                        const int32_t* ids, int32_t anzahl, int32_t team, int32_t spnr,
                                        int32_t von_minute, int32_t bis_minute, int32_t erster, int32_t letzter,
                                        int32_t* werte)
{
    (void)team;
    if (!wert) return;
    *wert = 0;
    if (!masken || masken_anzahl < 1 || masken_anzahl > SPIELE_STAT_MASKEN || !spieler_gueltig(spnr)) return;
    int32_t z[SPIELE_STAT_MASKEN] = {};
    if (!Spiele_Get_Statistik_Eines_Spielers(spnr, ids, std::clamp(anzahl, 0, MAX_WETTBEWERBE), masken, masken_anzahl,
                                             erster, letzter, von_minute, bis_minute, z))
        return;
    for (int32_t m = 0; m < masken_anzahl; ++m) {
        const int32_t c = z[m];
        if (werte) werte[m] = c;
        if (m == 0) *wert = c;
    }
}

int32_t Spieler_Get_Spieler_Statistik(int32_t modus, const int32_t* ids, int32_t anzahl, int32_t team, int32_t spnr,
                                      int32_t von_minute, int32_t bis_minute, int32_t erster, int32_t letzter,
                                      int32_t* zaehler, int32_t* masken_anzahl, int32_t* werte, int32_t zaehlen,
                                      int32_t* zweiter)
{
    if (!masken_anzahl || !zweiter) {
        Print_Fehler("Spieler_Get_Spieler_Statistik: NULL-Pointer-Aufruf!");
        return 0;
    }
    if (modus < 0 || modus >= SPIELER_STAT_MODI) {
        Print_Fehler("Spieler_Get_Spieler_Statistik: modus falsch (%d)", modus);
        return 0;
    }
    const bool client = Netz_Rolle == 1;
    if (client && zaehler) Print_Fehler("Spieler_Get_Spieler_Statistik: ereignisfeld!=NULL");
    if (client && !zaehlen) Print_Fehler("Spieler_Get_Spieler_Statistik: spiel_statistik_array_neu==0 beim client");
    *masken_anzahl = -1;
    *zweiter = -1;

    int32_t eigene_liste[1];
    if (!ids || anzahl < 1) {
        eigene_liste[0] = Wettbewerb_Get_Team_Wettbewerb(team, 1);
        ids = eigene_liste;
        anzahl = eigene_liste[0] >= 0 ? 1 : 0;
    }
    anzahl = std::min(anzahl, MAX_WETTBEWERBE);
    if (von_minute != -1) ++von_minute;
    if (bis_minute != -1) ++bis_minute;

    // A keeper's ratings are his keeper strength (his outfield strength reads -1).
    const bool torwart = spieler_gueltig(spnr) && Spieler_Wert(SP_ART, spnr, 0, SP_LESEN) == 0;
    if (modus >= 32 && torwart) modus = 31;

    const Modus_Masken& mm = SPIELER_MASKEN[modus];
    if (mm.anzahl) {
        *masken_anzahl = mm.anzahl;
        int32_t c[SPIELE_STAT_MASKEN] = {};
        if (client) {
            uint32_t masken[SPIELE_STAT_MASKEN] = {};
            std::copy_n(mm.m, mm.anzahl, masken);
            int32_t feld[MAX_WETTBEWERBE] = {};
            std::copy_n(ids, anzahl, feld);
            int32_t wert = 0;
            const Internet_Arg args[] = {
                Internet_Zeiger(&wert, 4),        Internet_Zeiger(masken, sizeof masken), Internet_Wert(mm.anzahl),
                Internet_Zeiger(feld, sizeof feld), Internet_Wert(anzahl),               Internet_Wert(team),
                Internet_Wert(spnr),              Internet_Wert(von_minute),              Internet_Wert(bis_minute),
                Internet_Wert(erster),            Internet_Wert(letzter),                 Internet_Zeiger(c, sizeof c)};
            uint8_t fertig = 0;
            Internet_Client_Read(77, "vI<4I>40iI>512iiiiiiiI<40", nullptr, &fertig, args, 12);
            if (!(fertig & 1)) std::fill(std::begin(c), std::end(c), 0);
        } else {
            if (!zaehler) {
                // One player's counts alone: no column for every player to clear and fill.
                if (!spieler_gueltig(spnr)) return -1;
                Spiele_Get_Statistik_Eines_Spielers(spnr, ids, anzahl, mm.m, mm.anzahl, erster, letzter, von_minute,
                                                    bis_minute, c);
            } else {
                if (zaehlen)
                    Spiele_Get_Statistik(1, 0, ids, anzahl, mm.m, mm.anzahl, erster, letzter, von_minute, bis_minute,
                                         0, zaehler);
                if (!spieler_gueltig(spnr)) return -1;
                for (int32_t m = 0; m < mm.anzahl; ++m)
                    c[m] = zaehler[size_t(m) * size_t(Spieler_Anzahl) + size_t(spnr)];
            }
        }
        if (spnr < 0) return -1;
        if (werte) std::copy_n(c, mm.anzahl, werte);
        return kombinieren(modus, c);
    }

    auto totals = [&](int32_t art) {
        int32_t w = 0, z = 0;
        if (client) fern_76(&w, &z, ids, anzahl, art, spnr);
        else Spieler_Server_Send_Wettbewerb_Ereignis_Data(&w, &z, ids, anzahl, art, spnr);
        if (art == 160) *zweiter = z;
        return w;
    };
    auto feld = [&](int32_t id) { return spieler_gueltig(spnr) ? Spieler_Wert(id, spnr, 0, SP_LESEN) : -1; };
    auto link = [&](int32_t id) { return Teamspieler_Wert(id, team, spnr, 0, 0); };
    switch (modus) {
    case 12: return totals(160);
    case 13: return totals(4);
    case 14: return std::max(0, link(301));
    case 15: return feld(SP_ALTER);
    case 16: return feld(SP_SPIEL_ERSCHOEPFUNG);
    case 17: return link(303);
    case 18: return link(308);
    case 19: return link(305);
    case 20: return totals(6);
    case 21: return totals(7);
    case 29: return link(302);
    case 31: return feld(torwart ? SP_TORWART_STAERKE : SP_K_I_T);
    case 32: return feld(SP_KO);
    case 33: return feld(SP_IN);
    case 34: return feld(SP_TE);
    default:
        if (modus >= 35 && modus <= 43) return feld(SP_KRAFT + modus - 35);
        return -1;
    }
}

// ---- Requests 76 and 77 on the server ----
//
// 76 "vI<4I<4I>512iii": value, second value, 128 competition ids, count, kind, player.
// 77 "vI<4I>40iI>512iiiiiiiI<40": value, 10 masks, mask count, 128 ids, count, team, player,
// minutes from/to, match days first/last, 10 per-mask values.

namespace {

bool wettbewerb_ereignis_76(Internet_Aufruf* a)
{
    const Internet_Positionen* p = a->p;
    if (p->zeiger_anzahl != 3 || p->anzahl_i != 3 || !p->daten[0] || !p->daten[1] || !p->daten[2] ||
        p->groesse[2] < 512 || p->groesse[0] < 4 || p->groesse[1] < 4)
        return false;
    const int32_t anzahl = p->ints[0], art = p->ints[1], spnr = p->ints[2];
    if (anzahl < 0 || anzahl > MAX_WETTBEWERBE || !spieler_gueltig(spnr)) return false;
    int32_t ids[MAX_WETTBEWERBE];
    for (int32_t i = 0; i < anzahl; ++i) ids[i] = int32_t(Bytes_Hole32(p->daten[2] + 4 * i));
    int32_t w = 0, z = 0;
    Spieler_Server_Send_Wettbewerb_Ereignis_Data(&w, &z, ids, anzahl, art, spnr);
    Bytes_Setze32(p->daten[0], uint32_t(w));
    Bytes_Setze32(p->daten[1], uint32_t(z));
    return true;
}

bool statistik_77(Internet_Aufruf* a)
{
    const Internet_Positionen* p = a->p;
    if (p->zeiger_anzahl != 4 || p->anzahl_i != 8) return false;
    for (int32_t k = 0; k < 4; ++k)
        if (!p->daten[k]) return false;
    if (p->groesse[0] < 4 || p->groesse[1] < 40 || p->groesse[2] < 512 || p->groesse[3] < 40) return false;
    const int32_t masken_anzahl = p->ints[0], anzahl = p->ints[1], spnr = p->ints[3];
    if (masken_anzahl < 1 || masken_anzahl > SPIELE_STAT_MASKEN || anzahl < 0 || anzahl > MAX_WETTBEWERBE ||
        !spieler_gueltig(spnr))
        return false;
    uint32_t masken[SPIELE_STAT_MASKEN];
    int32_t ids[MAX_WETTBEWERBE], werte[SPIELE_STAT_MASKEN] = {};
    for (int32_t m = 0; m < masken_anzahl; ++m) masken[m] = Bytes_Hole32(p->daten[1] + 4 * m);
    for (int32_t i = 0; i < anzahl; ++i) ids[i] = int32_t(Bytes_Hole32(p->daten[2] + 4 * i));
    int32_t w = 0;
    Spieler_Server_Send_Statistik_Data(&w, masken, masken_anzahl, ids, anzahl, p->ints[2], spnr, p->ints[4],
                                       p->ints[5], p->ints[6], p->ints[7], werte);
    Bytes_Setze32(p->daten[0], uint32_t(w));
    for (int32_t m = 0; m < SPIELE_STAT_MASKEN; ++m) Bytes_Setze32(p->daten[3] + 4 * m, uint32_t(werte[m]));
    return true;
}

}  // namespace

void Spieler_Statistik_Fern_Registrieren()
{
    Internet_Handler_Registrieren(76, wettbewerb_ereignis_76);
    Internet_Handler_Registrieren(77, statistik_77);
}
