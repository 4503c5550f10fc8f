// The default world's daily training, the strength matrix of every club and the player
// valuation that the transfer search and the auctions call for every candidate.
//
// The world is built once per process and removed when it ends. A set-up that fails ends the
// run with status 1: a benchmark without a result must not pass as one.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/spieler.h"
#include "database/team.h"
#include "bench_welt.h"
#include "database/team_staerke.h"
#include "database/teamspieler.h"
#include "platform/win95.h"
#include "platform/zufall.h"

namespace {

[[noreturn]] void scheitern(const std::string& text) { Bench_Scheitern("training_bewertung", text); }

// Teams, players with their start squads, and the competitions of the default world.
struct Welt {
    Bench_Welt_Ordner daten{"training", {"welt", "wettbewerbe"}};
    Welt()
    {
        if (!Team(0) || !Spieler(0) || !Wettbewerb_Config_Lesen(0, 0)) scheitern("Welt nicht ladbar");
        Bench_Startkader_Zuordnen();
        Zufall(0, 1);
        Zufall_Set_Seed(1999);
    }
};

const Welt& welt()
{
    static Welt w;
    return w;
}

void zaehlen(benchmark::State& state)
{
    int32_t vereine = 0;
    for (int32_t t = 0; t < Team_Anzahl; ++t) vereine += Team_Ist_Normal(t, 64);
    state.counters["vereine"] = vereine;
    state.counters["teams"] = Team_Anzahl;
    state.counters["spieler"] = Spieler_Anzahl;
}

// One day of training for every club (goal: under 2 ms).
void BM_Training_Ein_Tag(benchmark::State& state)
{
    welt();
    int32_t tag = 0;
    for (auto _ : state) {
        Spieler_Bewerte_Training(tag);
        tag = (tag + 1) % 365;
    }
    zaehlen(state);
}
BENCHMARK(BM_Training_Ein_Tag)->Unit(benchmark::kMillisecond);

// A day of training with plans as the assistants spread them (a club's units evenly over the
// types, the rest one more at some of them), with the types' kept steps (1) and without (0).
void BM_Training_Ein_Tag_Assistentenplaene(benchmark::State& state)
{
    welt();
    std::vector<uint8_t> plaene;
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        auto* plan = static_cast<uint8_t*>(Team_Zeiger(TEAM_TRAINING, t, nullptr, 0));
        plaene.insert(plaene.end(), plan, plan + 14);
        const int32_t einheiten = 14 + t % 43;
        for (int32_t i = 0; i < 14; ++i)
            plan[i] = static_cast<uint8_t>(einheiten / 14 + ((i * 5 + t) % 14 < einheiten % 14 ? 1 : 0));
    }
    const bool vorher = Spieler_Training_Schritte_Setzen(state.range(0) != 0);
    int32_t tag = 0;
    for (auto _ : state) {
        Spieler_Bewerte_Training(tag);
        tag = (tag + 1) % 365;
    }
    Spieler_Training_Schritte_Setzen(vorher);
    for (int32_t t = 0; t < Team_Anzahl; ++t)
        std::memcpy(Team_Zeiger(TEAM_TRAINING, t, nullptr, 0), &plaene[size_t(t) * 14], 14);
    zaehlen(state);
}
BENCHMARK(BM_Training_Ein_Tag_Assistentenplaene)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The strength matrix (mask 255) of every club (goal: under 0.3 ms).
void BM_Team_Staerke_Aller_Vereine(benchmark::State& state)
{
    welt();
    int32_t m[5][6];
    for (auto _ : state) {
        for (int32_t t = 0; t < Team_Anzahl; ++t)
            if (Team_Ist_Normal(t, 64)) {
                Team_Staerke(255, 0, t, m);
                benchmark::DoNotOptimize(m);
            }
    }
    zaehlen(state);
}
BENCHMARK(BM_Team_Staerke_Aller_Vereine)->Unit(benchmark::kMicrosecond);

// Salary and fee of one player after another (goal: at least 4 million per second).
void BM_Marktwert_Gehalt(benchmark::State& state)
{
    welt();
    int32_t spnr = 0;
    for (auto _ : state) {
        int32_t gehalt = 0, abloese = 0;
        Spieler_Bewerte_Marktwert_Gehalt(0, spnr, -1, -1, 24, &gehalt, &abloese, 0);
        benchmark::DoNotOptimize(gehalt);
        benchmark::DoNotOptimize(abloese);
        if (++spnr == Spieler_Anzahl) spnr = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Marktwert_Gehalt);

}  // namespace
