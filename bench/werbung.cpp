// Sponsors and camps in the default world with two managers, one with an advertising assistant
// and every space free: one day's per-club jobs of both modules with a seventh of the weekly and
// a thirtieth of the monthly jobs (goal under 0.3 ms on one core), and one camp day of a squad
// (goal under 50 µs for 30 players).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "bench_welt.h"
#include "competitions/wettbewerb.h"
#include "database/assistent.h"
#include "database/manager.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "economy/bank.h"
#include "economy/trainingslager.h"
#include "economy/werbung.h"
#include "gameflow/globals.h"
#include "gameflow/news.h"
#include "platform/zufall.h"

namespace {

struct Welt {
    Bench_Welt_Ordner daten{"werbung", {"welt", "wettbewerbe"}};
    int32_t manager[2] = {-1, -1};
    std::vector<uint8_t> frei;
    Werbepartner partner[WERBEPARTNER_ANZAHL];
    Welt()
    {
        Zufall_Set_Seed(1999);
        if (!Team(0) || !Spieler(0) || !Wettbewerb_Config_Lesen(0, 0)) Bench_Scheitern("werbung", "Welt nicht ladbar");
        Netz_Rolle = 0;
        Teamspieler_Init_Listen();
        Spieler_Den_Teams_Zuordnen();
        News_Init();
        Bank_Init();
        for (int32_t t = 0; t < Team_Anzahl && manager[1] < 0; ++t)
            if (Wettbewerb_Get_Team_Wettbewerb(t, 1) >= 0) (manager[0] < 0 ? manager[0] : manager[1]) = t;
        if (manager[1] < 0) Bench_Scheitern("werbung", "keine Ligavereine");
        for (int32_t m : manager) Manager_Neuer_Mitspieler(m, "Bench");
        Werbung_Init();
        Trainingslager_Init();
        Werbung_Team_Vorbelegen(manager[0], 1);
        Werbung_Team_Vorbelegen(manager[1], 0);
        auto* assi = static_cast<uint8_t*>(Team_Zeiger(811, manager[1], nullptr, 0));
        assi[2] = 1;
        assi[ASSI_OFFSET_AUFGABEN + ASSI_AUFGABEN * 2 + 4] = 1;
        const auto* b = static_cast<const uint8_t*>(Team_Zeiger(304, manager[1], nullptr, 0));
        frei.assign(b, b + WERBUNG_TEAM_BYTES);
        std::memcpy(partner, Werbepartner_Tabelle, sizeof partner);
        for (int32_t t = 0; t < Team_Anzahl; ++t) Schreibe_Überweisung(-1, t, 3000000.0f, 36, 1, -1);
    }
};

Welt& welt()
{
    static Welt w;
    return w;
}

void BM_Werbung_Trainingslager_Tag(benchmark::State& state)
{
    Welt& w = welt();
    int32_t tag = 20;
    for (auto _ : state) {
        // the assistant finds every space free and the sponsors' offers as on 1 July
        std::memcpy(Team_Zeiger(304, w.manager[1], nullptr, 0), w.frei.data(), WERBUNG_TEAM_BYTES);
        std::memcpy(Werbepartner_Tabelle, w.partner, sizeof w.partner);
        Aktueller_Tag = tag;
        for (int32_t m : w.manager) {
            Werbung_Jeden_Tag(m);
            Trainingslager_Jeden_Tag(m);
        }
        if (tag % 7 == 0) {
            Werbung_Jede_Woche();
            Trainingslager_Jede_Woche();
        }
        if (tag % 30 == 0)
            for (int32_t t = 0; t < Team_Anzahl; ++t) Werbung_Jeden_Monat(t);
        if (++tag > 300) tag = 20;
        if (tag % 700 == 0) News_Init();
    }
    state.counters["Teams"] = double(Team_Anzahl);
}
BENCHMARK(BM_Werbung_Trainingslager_Tag)->Unit(benchmark::kMicrosecond);

void BM_Trainingslager_Camptag(benchmark::State& state)
{
    Welt& w = welt();
    // the club with the largest squad (a camp takes at most 50 players)
    int32_t team = w.manager[0], meiste = 0;
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (!Team_Ist_Normal(t, 64)) continue;
        const int32_t n = Teamspieler_Ins_Array(t, nullptr, -1, 0);
        if (n > meiste) {
            meiste = n;
            team = t;
        }
    }
    Trainingslager_Termin termin{};
    termin.art = 1;
    termin.belegt = 1;
    termin.ziel = 6;
    for (int32_t z = 0; z < TRAININGSLAGER_ZEILEN; ++z) termin.programm[z] = int8_t(Trainingslager_Attribut_Id[z * 3]);
    int32_t summen[5] = {};
    for (auto _ : state) Trainingslager_Mache_Team_Staerker(team, termin, 1, summen);
    state.counters["Spieler"] = double(meiste);
}
BENCHMARK(BM_Trainingslager_Camptag)->Unit(benchmark::kMicrosecond);

}  // namespace
