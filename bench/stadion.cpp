// The stadiums of the default world, two of them with all parts, the computer clubs with their
// stadium assistants: one day's stadium jobs with a seventh of the weekly job (goal under
// 0.2 ms on one core), and the attendance of one Saturday's games with the assistants' price
// loops (goal under 2 ms).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "bench_welt.h"
#include "competitions/spiele.h"
#include "competitions/wettbewerb.h"
#include "database/spieler.h"
#include "economy/bank.h"
#include "economy/stadion.h"
#include "gameflow/globals.h"
#include "gameflow/news.h"
#include "platform/zufall.h"

namespace {

struct Welt {
    Bench_Welt_Ordner daten{"stadion", {"welt", "wettbewerbe"}};
    std::vector<int32_t> liga;
    Welt()
    {
        Zufall_Set_Seed(1999);
        if (!Team(0) || !Spieler(0) || !Wettbewerb_Config_Lesen(0, 0)) Bench_Scheitern("stadion", "Welt nicht ladbar");
        Netz_Rolle = 2;
        News_Init();
        Bank_Init();
        Stadion_Neues_Spiel();
        for (int32_t t = 0; t < Team_Anzahl; ++t) {
            Schreibe_Überweisung(-1, t, 3000000.0f, 36, 1, -1);
            if (Wettbewerb_Get_Team_Wettbewerb(t, 1) >= 0) liga.push_back(t);
        }
        if (liga.size() < 2 || Stadion_Teams().empty()) Bench_Scheitern("stadion", "keine Ligavereine");
        for (int32_t m : {liga[0], liga[1]}) {
            Stadion_Daten* s = Stadion_Zeiger(m, 0);
            Stadion_Optionale_Teile_Setzen(s, true);
            Stadion_Neu(m, s);
        }
    }
};

Welt& welt()
{
    static Welt w;
    return w;
}

void BM_Stadion_Tag(benchmark::State& state)
{
    welt();
    int32_t tag = 400;
    for (auto _ : state) {
        Aktueller_Tag = tag;
        Stadion_Jeden_Tag();
        if (tag % 7 == 0) Stadion_Jede_Woche();
        ++tag;
        // the news store fills over a long run; the jobs' cost does not depend on it
        if (tag % 700 == 0) News_Init();
    }
    state.counters["Stadien"] = double(Stadion_Teams().size());
}
BENCHMARK(BM_Stadion_Tag)->Unit(benchmark::kMicrosecond);

void BM_Stadion_Samstag(benchmark::State& state)
{
    Welt& w = welt();
    Aktueller_Tag = 400;
    int32_t auslastung[6];
    for (auto _ : state) {
        for (size_t i = 0; i + 1 < w.liga.size(); i += 2) {
            Spiele_Spiel s{};
            s.heim = uint16_t(w.liga[i]);
            s.gast = uint16_t(w.liga[i + 1]);
            s.wettbewerb = uint8_t(Wettbewerb_Get_Team_Wettbewerb(w.liga[i], 1));
            s.heim_tore = -1;
            Stadion_Assistent_Preise(s.heim, &s, 100);
            benchmark::DoNotOptimize(Stadion_Zuschauer(s.heim, &s, 100, 100, 0, auslastung, 0,
                                                       Stadion_Topzuschlag(s.heim, s.gast, s.wettbewerb)));
        }
    }
    state.counters["Spiele"] = double(w.liga.size() / 2);
}
BENCHMARK(BM_Stadion_Samstag)->Unit(benchmark::kMillisecond);

}  // namespace
