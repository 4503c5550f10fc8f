// The small world of the control-signal tests: clubs with managers and live records the minute
// sync walks.
#pragma once
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "database/manager.h"
#include "database/team.h"
#include "match/spielfeld.h"

namespace signal_welt {

// Clubs 0 .. n - 1, each with a manager; the earlier arrays come back at the end.
struct Vereine {
    std::vector<Team_Struktur> t;
    std::vector<Team_Fix> fix;
    std::vector<Team_Own> own;
    std::vector<Manager_Struktur> manager;
    Team_Struktur* alt_t = T;
    Team_Fix* alt_fix = T_Fix;
    Team_Own* alt_own = T_Own;
    int32_t alt_anzahl = Team_Anzahl, alt_gelesen = Team_Anzahl_Gelesen;
    int32_t alt_markt = Transfermarkt_Team, alt_jugend = Jugend_Team;

    explicit Vereine(int32_t n) : t(size_t(n)), fix(size_t(n)), own(size_t(n)), manager(size_t(n))
    {
        T = t.data();
        T_Fix = fix.data();
        T_Own = own.data();
        Team_Anzahl = Team_Anzahl_Gelesen = n;
        Transfermarkt_Team = Jugend_Team = n + 5;
        for (int32_t k = 0; k < n; ++k) {
            fix[size_t(k)].manager = &manager[size_t(k)];
            std::snprintf(fix[size_t(k)].name, 24, "Verein %d", k);
        }
    }
    ~Vereine()
    {
        T = alt_t;
        T_Fix = alt_fix;
        T_Own = alt_own;
        Team_Anzahl = alt_anzahl;
        Team_Anzahl_Gelesen = alt_gelesen;
        Transfermarkt_Team = alt_markt;
        Jugend_Team = alt_jugend;
    }
};

inline std::vector<std::unique_ptr<Spielfeld_Record>> spiele;

inline int32_t spiele_geben(Spielfeld_Record** out, int32_t max)
{
    int32_t n = 0;
    for (auto& r : spiele)
        if (n < max) out[n++] = r.get();
    return n;
}

// An active record of a game between the two clubs.
inline Spielfeld_Record* spiel_anlegen(int32_t nr, int32_t heim, int32_t gast, uint16_t minute = 0)
{
    auto r = std::make_unique<Spielfeld_Record>();
    std::memset(static_cast<void*>(r.get()), 0, sizeof(Spielfeld_Record));
    r->spiel = uint32_t(nr);
    r->team[0] = uint32_t(heim);
    r->team[1] = uint32_t(gast);
    r->aktiv = 1;
    r->minute = minute;
    r->periode = 1;
    r->seed = uint32_t(1000 + nr);
    spiele.push_back(std::move(r));
    return spiele.back().get();
}

}  // namespace signal_welt
