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
#include "competitions/spiele_netz.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "competitions/spiele.h"
#include "competitions/spiele_ewig.h"
#include "competitions/spiele_intern.h"
#include "competitions/spiele_statistik.h"
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

}  // namespace

void Spiele_Netz_Registrieren()
{
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

void Spiele_Client_Start() {}

void Spiele_Client_Ereignisse_Abgleichen() {}
