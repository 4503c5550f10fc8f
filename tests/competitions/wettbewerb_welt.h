// A small competition world built directly as records, for the query and block tests.
#pragma once
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "competitions/wettbewerb.h"

namespace testwelt {

constexpr int32_t TEAM_ANZAHL = 40;
constexpr int32_t LAND_A = 30, LAND_B = 31;

// Record numbers.
enum { A1, A2, A2B, B1, POKAL1, POKAL2, GRUPPE_A, GRUPPE_B, FINALE, ANZAHL };

inline Wettbewerb_Datensatz rec(const char* name, int32_t id, int32_t teams, std::vector<int16_t> liste,
                                int32_t land, bool liga)
{
    Wettbewerb_Datensatz w = Wettbewerb_Leerer_Datensatz;
    std::snprintf(w.name, sizeof w.name, "%s", name);
    std::snprintf(w.identifikation, sizeof w.identifikation, "ALI_%d", id);
    w.id = id;
    w.teams = teams;
    w.land = land;
    w.basisliga = liga;
    w.modus = RUECKSPIELE | HEIMRECHT | (liga ? ENGLISCHE_TABELLE : KO_SYSTEM);
    w.spieltage = liga ? 2 * (teams - 1) : 1;
    for (size_t i = 0; i < liste.size(); ++i) w.listen.teams[i] = w.listen.start[i] = liste[i];
    w.listen.anzahl = w.listen.start_anzahl = static_cast<int32_t>(liste.size());
    return w;
}

// Two countries: A with a league above two parallel leagues and a two-round cup, B with one
// league; an international competition of two groups and a final fed by both countries.
inline std::vector<Wettbewerb_Datensatz> bauen()
{
    std::vector<Wettbewerb_Datensatz> r(ANZAHL);
    r[A1] = rec("Liga A", 1, 4, {0, 1, 2, 3}, LAND_A, true);
    r[A2] = rec("Liga A Nord", 2, 4, {4, 5, 6, 7}, LAND_A, true);
    r[A2B] = rec("Liga A Süd", 3, 4, {8, 9, 10, 11}, LAND_A, true);
    r[B1] = rec("Liga B", 4, 4, {12, 13, 14, 15}, LAND_B, true);
    r[POKAL1] = rec("Pokal A", 10, 8, {0, 1, 2, 3, 4, 5, 6, 7}, LAND_A, false);
    r[POKAL2] = rec("Pokal A", 11, 4, {}, LAND_A, false);
    r[GRUPPE_A] = rec("Interpokal", 20, 4, {}, -1, false);
    r[GRUPPE_B] = rec("Interpokal", 21, 4, {}, -1, false);
    r[FINALE] = rec("Interpokal", 22, 2, {}, -1, false);
    std::strcpy(r[GRUPPE_A].gruppen_name, "Gruppe A");
    std::strcpy(r[GRUPPE_B].gruppen_name, "Gruppe B");
    for (int g : {GRUPPE_A, GRUPPE_B}) {
        r[g].modus = RUECKSPIELE | HEIMRECHT | ENGLISCHE_TABELLE;
        r[g].spieltage = 6;
        r[g].vk.v[WV_NACHFOLGERUNDE] = FINALE;
    }
    r[POKAL1].spieltage = 2;
    r[POKAL1].rundentext[0] = RT_ERSTE_RUNDE;
    r[POKAL1].rundentext[1] = RT_VIERTELFINALE;
    r[POKAL2].rundentext[0] = RT_HALBFINALE;
    r[POKAL2].rundentext[1] = RT_FINALE;
    r[POKAL2].spieltage = 2;
    r[GRUPPE_A].vk.v[WV_NACHGRUPPE] = GRUPPE_B;
    r[POKAL1].vk.v[WV_NACHFOLGERUNDE] = POKAL2;
    r[A1].vk.v[WV_UNTERLIGA] = A2;
    r[A2].vk.v[WV_HORIZONTAL] = A2;
    r[A2B].vk.v[WV_HORIZONTAL] = A2;
    r[A1].wichtig = 90;
    r[A2].wichtig = 60;
    r[GRUPPE_A].wichtig = 100;
    r[GRUPPE_B].wichtig = 100;
    // Places: champions of A and B to the groups, A's last down, the parallel leagues' best up.
    r[A1].ziele.ziel[1][0] = GRUPPE_A;
    r[A1].ziele.ziel[0][3] = A2;
    r[A2].ziele.ziel[0][0] = A1;
    r[A2B].ziele.ziel[0][0] = A1;
    r[B1].ziele.ziel[1][0] = GRUPPE_B;
    r[POKAL2].ziele.ziel[1][0] = GRUPPE_A;
    return r;
}

// The cup's two rounds take their entrants from country A's pyramid: four, then two.
inline void pokal_aus_ligabaum(std::vector<Wettbewerb_Datensatz>& r)
{
    for (int k : {POKAL1, POKAL2}) {
        r[k].modus |= QUALIFIKANTEN_AUS_LIGABAUM;
        r[k].teams = 4;
        r[k].listen.anzahl = r[k].listen.start_anzahl = 0;
        std::fill(r[k].listen.teams, r[k].listen.teams + WETTBEWERB_MAX_TEAMS, int16_t(-1));
        std::fill(r[k].listen.start, r[k].listen.start + WETTBEWERB_MAX_TEAMS, int16_t(-1));
    }
    r[POKAL1].spieltage = 1;
    r[POKAL1].anz_quali_aus_ligabaum = 4;
    r[POKAL2].anz_quali_aus_ligabaum = 2;
}

inline bool laden() { auto r = bauen(); return Wettbewerb_Uebernehmen(r.data(), ANZAHL, TEAM_ANZAHL); }

}  // namespace testwelt
